// How often the controller is looked at. XInput is asked every 10 ms while a
// controller is connected (a combination is counted in 10 ms reads), and
// only once a second while none is: a handheld mostly runs with its built-in
// controller, but the panel must not wake a core 100 times a second to find
// out that nothing is there.
#pragma once

#include <cstdint>

constexpr uint32_t CONTROLLER_PERIOD_MS = 10;        // while connected
constexpr uint32_t CONTROLLER_SEARCH_PERIOD_MS = 1000;  // while none is

struct ControllerPoll {
  bool polled = false;     // asked at least once
  bool connected = false;  // the last answer
  uint32_t last_ms = 0;    // when it was asked
};

// True when a controller step is due at `now_ms`: once per period, however
// often the keypad is read in between (the toolkit reads it again at once
// while keys are queued).
bool controller_step_due(const ControllerPoll& poll, uint32_t now_ms);

// Records a step made at `now_ms` and whether it found a controller.
void controller_stepped(ControllerPoll* poll, uint32_t now_ms, bool connected);

// The keypad's read period: every 10 ms while the panel is shown (keys) or a
// controller is connected, else only as often as a controller is searched.
uint32_t keypad_read_period(const ControllerPoll& poll, bool panel_shown);
