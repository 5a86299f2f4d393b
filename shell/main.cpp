// Entry point: single instance, "-hide", the toolkit host, the threads and the
// message loop.
#include <windows.h>

#include <cwchar>
#include <thread>

#include "lvgl.h"
#include "shell/shell_state.h"

std::atomic<int32_t> start_hidden{0};
std::atomic<int32_t> quit_flag{0};
HHOOK keyboard_hook = nullptr;

void unhook_keyboard() {
  if (keyboard_hook) UnhookWindowsHookEx(keyboard_hook);
  keyboard_hook = nullptr;
}

namespace {

// Pumps messages until WM_QUIT; returns its wParam. A failing GetMessageW (-1)
// is handled like any message: the loop goes on.
int run_message_loop() {
  MSG message = {};
  while (GetMessageW(&message, nullptr, 0, 0) != 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
    if (message.message == WM_CLOSE || message.message == WM_QUIT) quit_flag = 1;
  }
  return int(message.wParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show_command) {
  // The mutex is never closed: it marks this session's copy until the process ends.
  CreateMutexW(nullptr, TRUE, L"VexaControlCenter");
  if (GetLastError() == ERROR_ALREADY_EXISTS) return -1;

  if (wcsstr(GetCommandLineW(), L"-hide")) start_hidden = 1;
  if (!lv_is_initialized()) lv_init();
  if (!create_main_window(instance, show_command)) return -1;

  unhook_keyboard();
  keyboard_hook = SetWindowsHookExW(WH_KEYBOARD_LL, hotkey_hook, GetModuleHandleW(nullptr), 0);

  std::thread(lvgl_thread_main).detach();
  std::thread(adlx_worker_main).detach();
  std::thread(update_worker_main).detach();
  return run_message_loop();
}
