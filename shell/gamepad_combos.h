// The controller combinations, free of XInput: one read of the buttons and
// sticks in, the actions to fire out. Each combination fires once when it has
// been active for its trigger count of consecutive reads and then stays
// latched until it is broken for one read.
#pragma once

#include <cstdint>

// Button bits of XINPUT_GAMEPAD::wButtons.
constexpr uint16_t PAD_START = 0x0010, PAD_BACK = 0x0020;
constexpr uint16_t PAD_LEFT_THUMB = 0x0040, PAD_RIGHT_THUMB = 0x0080;
constexpr int32_t STICK_THRESHOLD = 32767 / 2;  // beyond +-16383 counts as deflected

enum GamepadAction : uint32_t {
  PAD_ACTION_ON_SCREEN_KEYBOARD = 1,  // Ctrl+Win+O, START held ~1 s
  PAD_ACTION_SHOW_DESKTOP = 2,        // Win+D, BACK held ~1 s
  PAD_ACTION_TASK_MANAGER = 4,        // Ctrl+Shift+Esc, START+BACK for 3 reads
  PAD_ACTION_DISPLAY_RESCUE = 8,      // 1920x1080 at 60 Hz, both thumbs pressed, LY up, RY down, ~1 s
};

struct GamepadCombos {
  uint16_t previous_buttons = 0;
  int32_t start_hold_count = 0, back_hold_count = 0;
  int32_t task_manager_count = 0, rescue_count = 0;
};

// One read. A button counts as active while it is down and on the first read
// after it was released. Returns the GamepadAction bits to fire now.
uint32_t gamepad_combos_step(GamepadCombos* combos, uint16_t buttons, int16_t left_y, int16_t right_y);

// Whether the display-rescue action should switch the mode: only when neither
// side already matches 1920 x 1080.
bool display_rescue_needed(int32_t long_side, int32_t short_side);
