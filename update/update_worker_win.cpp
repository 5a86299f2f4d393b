#include <windows.h>

#include "update/update_worker.h"

namespace {
// Auto-reset: one signal wakes the worker once.
HANDLE update_event() {
  static HANDLE event = CreateEventW(nullptr, FALSE, FALSE, nullptr);
  return event;
}
}  // namespace

void signal_update_worker() { SetEvent(update_event()); }

void wait_for_update_work(uint32_t max_ms) {
  HANDLE event = update_event();
  if (event) {
    WaitForSingleObject(event, max_ms);
  } else {
    Sleep(max_ms);
  }
}
