// post_message.exe [--send] MESSAGE [WPARAM [LPARAM]]: posts a message to the
// panel's window (found by its class), as the window manager would; with
// --send it is sent and waited for (up to 30 s), as Windows sends the
// end-of-session messages and Task Manager's "End task" sends WM_CLOSE.
// Numbers in decimal or 0x hex. Exit 0 when posted (or sent and answered),
// 1 when there is no window or the send failed.
#include <windows.h>

#include <cstdlib>
#include <cwchar>

int wmain(int argc, wchar_t** argv) {
  int first = 1;
  bool send = argc > 1 && wcscmp(argv[1], L"--send") == 0;
  if (send) ++first;
  if (argc <= first) return 2;
  UINT message = UINT(wcstoul(argv[first], nullptr, 0));
  WPARAM wparam = argc > first + 1 ? WPARAM(std::wcstoull(argv[first + 1], nullptr, 0)) : 0;
  LPARAM lparam = argc > first + 2 ? LPARAM(std::wcstoll(argv[first + 2], nullptr, 0)) : 0;
  HWND window = FindWindowW(L"vexa_control_center", nullptr);
  if (!window) return 1;
  if (!send) return PostMessageW(window, message, wparam, lparam) ? 0 : 1;
  DWORD_PTR answer = 0;
  return SendMessageTimeoutW(window, message, wparam, lparam, SMTO_NORMAL, 30000, &answer) ? 0 : 1;
}
