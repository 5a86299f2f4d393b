// Restarting the display adapter that drives the built-in panel, so that
// Windows reads the panel's EDID (and a new override of it) again.
//
// Portable: the device calls come in as a table of operations
// (display_win.cpp on the device, recorders in the native tests).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// A present display adapter as found before the restart.
struct DisplayAdapter {
  bool drives_panel;      // the built-in panel's monitor hangs off this adapter
  bool disabled_by_user;  // already disabled when we came: it stays so
};

enum AdapterStatus {
  ADAPTER_RUNNING = 0,  // started, no problem
  ADAPTER_DISABLED,     // disabled (by us or by the user)
  ADAPTER_OTHER,        // anything else: starting, stopping, a driver problem
};

struct AdapterRestartOps {
  // A property change of adapter `index` (disable or enable); true when the
  // class installer accepted it. The device may take a while to follow.
  bool (*set_enabled)(size_t index, bool enabled);
  AdapterStatus (*status)(size_t index);
  void (*sleep_ms)(uint32_t ms);
  uint32_t (*now_ms)();  // monotonic
};

constexpr uint32_t ADAPTER_POLL_MS = 50;
constexpr uint32_t ADAPTER_DISABLE_DEADLINE_MS = 5000;  // to be seen disabled
constexpr uint32_t ADAPTER_START_DEADLINE_MS = 10000;   // to be seen running again
constexpr int ADAPTER_ENABLE_ATTEMPTS = 3;
constexpr uint32_t ADAPTER_ENABLE_RETRY_MS = 250;

// The adapters to restart: those that drive the built-in panel and that the
// user has not disabled. Another adapter (an external GPU, a dock) keeps
// running: restarting it would blank screens and interrupt games for nothing.
std::vector<size_t> adapters_to_restart(const std::vector<DisplayAdapter>& adapters);

/**
 * Disables and re-enables each adapter of adapters_to_restart. After the
 * disable it waits (polling the status) until the adapter is seen disabled
 * or ADAPTER_DISABLE_DEADLINE_MS passed; the enable is tried up to
 * ADAPTER_ENABLE_ATTEMPTS times, and then it waits until the adapter is seen
 * running or ADAPTER_START_DEADLINE_MS passed. An adapter whose disable was
 * refused is left alone (it never went down).
 * @return how many adapters were disabled and are running again
 */
int restart_adapters_of_panel(const std::vector<DisplayAdapter>& adapters,
                              const AdapterRestartOps& ops);
