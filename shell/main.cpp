// Entry point: single instance, "-hide", the toolkit host, the threads, the
// message loop, and the one way out that every ending but a crash takes.
#include <windows.h>
#include <shellapi.h>

#include "hardware/backend.h"
#include "hardware/safety_log.h"
#include "lvgl.h"
#include "shell/command_line.h"
#include "shell/crash_win.h"
#include "shell/shell_state.h"
#include "shell/thread_group.h"
#include "shell/window_host.h"
#include "update/update_worker.h"

std::atomic<int32_t> start_hidden{0};
std::atomic<int32_t> quit_flag{0};
HHOOK keyboard_hook = nullptr;

void unhook_keyboard() {
  if (keyboard_hook) UnhookWindowsHookEx(keyboard_hook);
  keyboard_hook = nullptr;
}

namespace {

// The worker threads wait on this rather than sleeping, so they see the end
// at once instead of up to a second later.
HANDLE quit_event = nullptr;

constexpr uint32_t THREAD_JOIN_DEADLINE_MS = 3000;

// Pumps messages until WM_QUIT; returns its wParam. A failing GetMessageW (-1)
// is handled like any message: the loop goes on.
// Waits for the threads while still answering messages sent to this thread's
// window: the toolkit thread's SetWindowPos and SetLayeredWindowAttributes
// wait for the window thread, and a plain wait here would deadlock with them
// until the deadline.
bool wait_for_program_threads(uint32_t deadline_ms) {
  const ULONGLONG deadline = GetTickCount64() + deadline_ms;
  while (!program_threads_finished() && GetTickCount64() < deadline) {
    MsgWaitForMultipleObjectsEx(0, nullptr, 10, QS_SENDMESSAGE, 0);
    MSG message;
    PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
  return join_program_threads(0);
}

int run_message_loop() {
  MSG message = {};
  while (GetMessageW(&message, nullptr, 0, 0) != 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return int(message.wParam);
}

// The program's own libraries come from its folder and System32 only: it runs
// elevated, and a DLL of a wanted name planted in the working directory or on
// PATH would run with its rights. LoadLibraryExW calls name these places
// themselves too; this covers the implicit loads (XInput, SHCore, ...).
void restrict_library_search() {
  SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_APPLICATION_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32);
}

bool started_hidden() {
  int argc = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (!argv) return false;
  bool hidden = has_hide_switch(argc, argv);
  LocalFree(argv);
  return hidden;
}

void remove_tray_icon() {
  if (main_window) tray_delete(main_window);
}

}  // namespace

void signal_quit() {
  quit_flag = 1;
  if (quit_event) SetEvent(quit_event);
  signal_update_worker();
  wake_toolkit();
}

bool wait_for_quit(uint32_t max_ms) {
  if (quit_event) return WaitForSingleObject(quit_event, max_ms) == WAIT_OBJECT_0;
  Sleep(max_ms);
  return quit_flag != 0;
}

// Every way out but a crash ends here, on the window thread: the hook goes
// first (a low-level hook whose thread stops pumping stalls every key press
// of the session), then the threads are told and waited for, so nothing
// touches the EC or the toolkit any more when the hardware is handed back;
// the tray icon goes last. A thread that does not end in time is left to
// the end of the process, which then skips the destructors it may still use.
int end_program(int exit_code) {
  unhook_keyboard();
  signal_quit();
  bool joined = wait_for_program_threads(THREAD_JOIN_DEADLINE_MS);
  if (!joined) safety_log("exit: a thread did not end in time");
  stop_backend();
  remove_tray_icon();
  if (main_window) DestroyWindow(main_window);
  if (!joined) TerminateProcess(GetCurrentProcess(), UINT(exit_code));
  return exit_code;
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show_command) {
  restrict_library_search();
  install_crash_handlers(remove_tray_icon);
  quit_event = CreateEventW(nullptr, TRUE, FALSE, nullptr);

  // The mutex is never closed: it marks this session's copy until the process ends.
  CreateMutexW(nullptr, TRUE, L"VexaControlCenter");
  if (GetLastError() == ERROR_ALREADY_EXISTS) return -1;

  if (started_hidden()) start_hidden = 1;
  if (!lv_is_initialized()) lv_init();
  if (!create_main_window(instance, show_command)) {
    // The back ends may have started before the window failed.
    stop_backend();
    remove_tray_icon();
    return -1;
  }

  unhook_keyboard();
  keyboard_hook = SetWindowsHookExW(WH_KEYBOARD_LL, hotkey_hook, GetModuleHandleW(nullptr), 0);

  start_program_thread(lvgl_thread_main);
  start_program_thread(adlx_worker_main);
  start_program_thread(update_worker_main);
  return end_program(run_message_loop());
}
