#include <windows.h>
#include <xinput.h>

#include <initializer_list>
#include <iterator>

#include "hardware/display.h"
#include "shell/gamepad.h"
#include "shell/gamepad_combos.h"

namespace {

GamepadCombos combos;
XINPUT_STATE gamepad_state = {};
const DWORD gamepad_index = 0;

// XInputGetState is export 2 of XINPUT1_4.dll. It is looked up rather than
// imported so that a system without the DLL still runs the panel; it is
// resolved once.
using XInputGetStateFn = DWORD(WINAPI*)(DWORD, XINPUT_STATE*);
XInputGetStateFn xinput_get_state() {
  static XInputGetStateFn fn = [] {
    HMODULE module = LoadLibraryW(L"XINPUT1_4.dll");
    return module ? reinterpret_cast<XInputGetStateFn>(GetProcAddress(module, MAKEINTRESOURCEA(2)))
                  : nullptr;
  }();
  return fn;
}

// Sends the keys down in order and up in reverse order, in one SendInput.
void send_chord(std::initializer_list<WORD> keys) {
  INPUT inputs[8] = {};
  UINT n = 0;
  for (WORD key : keys) {
    inputs[n].type = INPUT_KEYBOARD;
    inputs[n++].ki.wVk = key;
  }
  for (auto key = std::rbegin(keys); key != std::rend(keys); ++key) {
    inputs[n].type = INPUT_KEYBOARD;
    inputs[n].ki.wVk = *key;
    inputs[n++].ki.dwFlags = KEYEVENTF_KEYUP;
  }
  SendInput(n, inputs, sizeof(INPUT));
}

}  // namespace

bool gamepad_step() {
  // A failing call (no controller) leaves the previous state in force.
  bool connected = false;
  if (XInputGetStateFn fn = xinput_get_state()) {
    connected = fn(gamepad_index, &gamepad_state) == ERROR_SUCCESS;
  }
  const XINPUT_GAMEPAD& pad = gamepad_state.Gamepad;
  uint32_t fire = gamepad_combos_step(&combos, pad.wButtons, pad.sThumbLY, pad.sThumbRY);
  if (fire & PAD_ACTION_ON_SCREEN_KEYBOARD) send_chord({VK_CONTROL, VK_LWIN, 'O'});
  if (fire & PAD_ACTION_SHOW_DESKTOP) send_chord({VK_LWIN, 'D'});
  if (fire & PAD_ACTION_TASK_MANAGER) send_chord({VK_CONTROL, VK_SHIFT, VK_ESCAPE});
  if (fire & PAD_ACTION_DISPLAY_RESCUE) {
    int32_t long_side = 0, short_side = 0, refresh = 0;
    query_display_mode(&long_side, &short_side, &refresh);
    if (display_rescue_needed(long_side, short_side)) set_display_mode(1920, 1080, 60);
  }
  return connected;
}
