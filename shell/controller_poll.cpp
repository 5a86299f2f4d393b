#include "shell/controller_poll.h"

bool controller_step_due(const ControllerPoll& poll, uint32_t now_ms) {
  if (!poll.polled) return true;
  uint32_t period = poll.connected ? CONTROLLER_PERIOD_MS : CONTROLLER_SEARCH_PERIOD_MS;
  return now_ms - poll.last_ms >= period;
}

void controller_stepped(ControllerPoll* poll, uint32_t now_ms, bool connected) {
  poll->polled = true;
  poll->connected = connected;
  poll->last_ms = now_ms;
}

uint32_t keypad_read_period(const ControllerPoll& poll, bool panel_shown) {
  return (panel_shown || poll.connected) ? CONTROLLER_PERIOD_MS : CONTROLLER_SEARCH_PERIOD_MS;
}
