// Ctrl+Alt+Shift+T toggles the panel from anywhere.
#include <windows.h>

#include "shell/shell_state.h"
#include "ui/panel_state.h"

namespace {
bool key_down(int key) { return (GetAsyncKeyState(key) & 0x8000) != 0; }
}  // namespace

// The key is always passed on: the focused application still sees it. While
// a fade runs the combination is ignored, so a held key cannot flicker.
LRESULT CALLBACK hotkey_hook(int code, WPARAM message, LPARAM key_info) {
  const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(key_info);
  if (code == HC_ACTION && (message == WM_KEYDOWN || message == WM_SYSKEYDOWN) &&
      key->vkCode == 0x54 && key_down(VK_CONTROL) && key_down(VK_MENU) && key_down(VK_SHIFT) &&
      fade_request == 0) {
    panel_visible = !panel_visible;
    fade_request = panel_visible ? 1 : 2;
  }
  return CallNextHookEx(nullptr, code, message, key_info);
}
