// The toolkit's keypad read: the next queued key, and the controller step.
//
// The key queue's lock is held only to take a key. The controller step can
// block (SendInput, a display-mode change of the rescue combination), and
// under the lock it would stall the window thread's key and character
// messages and the low-level keyboard hook behind it.
#pragma once

#include <cstdint>

#include "lvgl.h"
#include "shell/controller_poll.h"

struct KeypadSource {
  // One controller step; returns whether a controller is connected.
  bool (*controller_step)();
  ControllerPoll poll;
};

// Fills `data` from the key queue and runs the controller step when it is due
// at `now_ms`. Toolkit thread.
void read_keypad(lv_indev_data_t* data, uint32_t now_ms, KeypadSource* source);
