// The notification-area icon and its Show/Hide/Exit menu (English in both
// languages).
#include <windows.h>
#include <shellapi.h>

#include <cstring>

#include "shell/window_host.h"
#include "ui/panel_state.h"

namespace {

NOTIFYICONDATAA icon_data(HWND window) {
  NOTIFYICONDATAA data = {};
  data.cbSize = sizeof(data);  // 528 bytes: the full structure of Vista and later
  data.hWnd = window;
  data.uID = 0;
  return data;
}

}  // namespace

void tray_add(HWND window) {
  NOTIFYICONDATAA data = icon_data(window);
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = WM_USER;
  data.hIcon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(101));
  std::strncpy(data.szTip, "Vexa Control Center", sizeof(data.szTip) - 1);
  Shell_NotifyIconA(NIM_ADD, &data);
}

void tray_delete(HWND window) {
  NOTIFYICONDATAA data = icon_data(window);
  Shell_NotifyIconA(NIM_DELETE, &data);
}

void tray_show_menu(HWND window) {
  HMENU menu = CreatePopupMenu();
  if (!menu) return;
  AppendMenuA(menu, MF_STRING, 1, panel_visible ? "Hide" : "Show");
  AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(menu, MF_STRING, 2, "Exit");
  // Without the foreground the menu would not close when clicking elsewhere.
  SetForegroundWindow(window);
  POINT cursor = {};
  GetCursorPos(&cursor);
  TrackPopupMenu(menu, TPM_BOTTOMALIGN | TPM_LEFTALIGN, cursor.x, cursor.y, 0, window, nullptr);
  DestroyMenu(menu);
}
