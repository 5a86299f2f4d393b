// post_message.exe MESSAGE [WPARAM [LPARAM]]: posts a message to the panel's
// window (found by its class), as the tray menu or the window manager would.
// Numbers in decimal or 0x hex. Exit 0 when posted, 1 when there is no window.
#include <windows.h>

#include <cstdlib>
#include <cwchar>

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return 2;
  UINT message = UINT(wcstoul(argv[1], nullptr, 0));
  WPARAM wparam = argc > 2 ? WPARAM(std::wcstoull(argv[2], nullptr, 0)) : 0;
  LPARAM lparam = argc > 3 ? LPARAM(std::wcstoll(argv[3], nullptr, 0)) : 0;
  HWND window = FindWindowW(L"vexa_control_center", nullptr);
  if (!window) return 1;
  return PostMessageW(window, message, wparam, lparam) ? 0 : 1;
}
