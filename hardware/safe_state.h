// The hardware's safe state: fan and lighting under the EC's own control.
// Written on every way the program ends, so a fan the user had set to a low
// fixed duty is never left that way with nobody watching the temperature.
//
// Portable: the EC transactions, the waiting and the log come in as a table
// of operations (ec.h on the device, recorders in the native tests).
#pragma once

#include <cstdint>

#include "hardware/ec.h"

struct SafeStateOps {
  EcResult (*write)(uint8_t reg, uint8_t value);
  EcResult (*read)(uint8_t reg, uint8_t* value);
  void (*sleep_ms)(uint32_t ms);
  uint32_t (*now_ms)();            // monotonic
  void (*log)(const char* line);   // one line, no newline
};

struct SafeStateLimits {
  int attempts;             // writes (each read back) per register before giving up
  uint32_t retry_pause_ms;  // between two attempts
  uint32_t tool_wait_ms;    // how long a running EC tool is waited out, in all
  uint32_t tool_poll_ms;    // how often it is looked for meanwhile
};

// Exit paths that can wait a little: tray Exit, session end, window close.
constexpr SafeStateLimits SAFE_STATE_EXIT_LIMITS = {4, 20, 5000, 100};
// The crash path: the process is going down anyway; a shorter wait for a tool.
constexpr SafeStateLimits SAFE_STATE_CRASH_LIMITS = {4, 20, 2000, 100};

/**
 * Writes `value` to `reg` and reads it back until the EC holds it, at most
 * limits.attempts times. A transaction refused because another EC tool runs
 * is not an attempt: it is tried again once the tool has ended, for at most
 * limits.tool_wait_ms in all. Without a driver there is nothing to try.
 * Logs one line with the outcome, naming the register as `what`.
 * @return true when the value was read back
 */
bool write_register_checked(const SafeStateOps& ops, const SafeStateLimits& limits,
                            const char* what, uint8_t reg, uint8_t value);

/**
 * Fan mode automatic (0x10 = 1), then lighting under the EC's control
 * (0xB3 = 0), each checked as above; the second is tried even when the first
 * failed. Settings are not touched: the registry keeps what the user chose
 * and the next start applies it again.
 * @return true when both registers were read back
 */
bool write_safe_state(const SafeStateOps& ops, const SafeStateLimits& limits);
