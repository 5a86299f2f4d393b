#include "hardware/adapter_restart.h"

namespace {

// Polls until the adapter reports `want` or the deadline passed.
bool wait_for_status(const AdapterRestartOps& ops, size_t index, AdapterStatus want,
                     uint32_t deadline_ms) {
  const uint32_t start = ops.now_ms();
  for (;;) {
    if (ops.status(index) == want) return true;
    if (ops.now_ms() - start >= deadline_ms) return false;
    ops.sleep_ms(ADAPTER_POLL_MS);
  }
}

// Re-enabling is what brings the screen back, so a refused enable is tried
// again: right after a disable the class installer can still be busy.
bool enable_with_retries(const AdapterRestartOps& ops, size_t index) {
  for (int attempt = 0; attempt < ADAPTER_ENABLE_ATTEMPTS; ++attempt) {
    if (attempt > 0) ops.sleep_ms(ADAPTER_ENABLE_RETRY_MS);
    if (ops.set_enabled(index, true)) return true;
  }
  return false;
}

}  // namespace

std::vector<size_t> adapters_to_restart(const std::vector<DisplayAdapter>& adapters) {
  std::vector<size_t> chosen;
  for (size_t i = 0; i < adapters.size(); ++i) {
    if (adapters[i].drives_panel && !adapters[i].disabled_by_user) chosen.push_back(i);
  }
  return chosen;
}

int restart_adapters_of_panel(const std::vector<DisplayAdapter>& adapters,
                              const AdapterRestartOps& ops) {
  int restarted = 0;
  for (size_t index : adapters_to_restart(adapters)) {
    if (!ops.set_enabled(index, false)) continue;
    wait_for_status(ops, index, ADAPTER_DISABLED, ADAPTER_DISABLE_DEADLINE_MS);
    if (!enable_with_retries(ops, index)) continue;
    if (wait_for_status(ops, index, ADAPTER_RUNNING, ADAPTER_START_DEADLINE_MS)) ++restarted;
  }
  return restarted;
}
