#include "shell/gamepad_combos.h"

namespace {

bool active(uint16_t now, uint16_t before, uint16_t button) { return ((now | before) & button) != 0; }

// Counts a combination; true exactly on the read where it reaches the trigger.
bool count_combo(int32_t* count, bool combo_active, int32_t trigger) {
  if (!combo_active) {
    *count = 0;
    return false;
  }
  return ++*count == trigger;
}

}  // namespace

uint32_t gamepad_combos_step(GamepadCombos* combos, uint16_t buttons, int16_t left_y, int16_t right_y) {
  uint16_t before = combos->previous_buttons;
  combos->previous_buttons = buttons;
  bool start = active(buttons, before, PAD_START);
  bool back = active(buttons, before, PAD_BACK);
  bool thumbs = active(buttons, before, PAD_LEFT_THUMB) && active(buttons, before, PAD_RIGHT_THUMB);
  bool sticks = left_y > STICK_THRESHOLD && right_y < -STICK_THRESHOLD;

  uint32_t fire = 0;
  if (count_combo(&combos->start_hold_count, start && !back, 100)) fire |= PAD_ACTION_ON_SCREEN_KEYBOARD;
  if (count_combo(&combos->back_hold_count, back && !start, 100)) fire |= PAD_ACTION_SHOW_DESKTOP;
  if (count_combo(&combos->task_manager_count, start && back, 3)) fire |= PAD_ACTION_TASK_MANAGER;
  if (count_combo(&combos->rescue_count, sticks && thumbs, 100)) fire |= PAD_ACTION_DISPLAY_RESCUE;
  return fire;
}

bool display_rescue_needed(int32_t long_side, int32_t short_side) {
  return long_side != 1920 && short_side != 1080;
}
