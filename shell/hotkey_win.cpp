// Ctrl+Alt+Shift+T toggles the panel from anywhere.
#include <windows.h>

#include "shell/panel_fade.h"
#include "shell/shell_state.h"
#include "shell/window_host.h"
#include "ui/panel_state.h"

namespace {
bool key_down(int key) { return (GetAsyncKeyState(key) & 0x8000) != 0; }
}  // namespace

// The key is always passed on: the focused application still sees it. While
// a fade runs the combination is ignored, so a held key cannot flicker; the
// toolkit thread, which owns the fade, decides that for the toggle it takes.
LRESULT CALLBACK hotkey_hook(int code, WPARAM message, LPARAM key_info) {
  const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(key_info);
  if (code == HC_ACTION && (message == WM_KEYDOWN || message == WM_SYSKEYDOWN) &&
      key->vkCode == 0x54 && key_down(VK_CONTROL) && key_down(VK_MENU) && key_down(VK_SHIFT) &&
      fade_request == 0) {
    post_panel_request(PANEL_REQUEST_TOGGLE);
    wake_toolkit();
  }
  return CallNextHookEx(nullptr, code, message, key_info);
}
