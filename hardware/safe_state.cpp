#include "hardware/safe_state.h"

#include <cstdio>

#include "hardware/ec_registers.h"

namespace {

const char* result_name(EcResult result) {
  switch (result) {
    case EC_DONE: return "done";
    case EC_TOOL_RUNNING: return "another EC tool runs";
    case EC_NO_DRIVER: return "no EC driver";
    case EC_NO_ANSWER: return "the EC did not answer";
  }
  return "?";
}

// True while a refused transaction may still wait for the tool to end.
bool may_wait_for_tool(const SafeStateOps& ops, const SafeStateLimits& limits, uint32_t start) {
  return ops.now_ms() - start < limits.tool_wait_ms;
}

}  // namespace

bool write_register_checked(const SafeStateOps& ops, const SafeStateLimits& limits,
                            const char* what, uint8_t reg, uint8_t value) {
  const uint32_t start = ops.now_ms();
  int attempts = 0;
  EcResult last = EC_NO_ANSWER;
  uint8_t read_back = 0;
  bool read_back_known = false;
  while (attempts < limits.attempts) {
    last = ops.write(reg, value);
    if (last == EC_DONE) last = ops.read(reg, &read_back);
    if (last == EC_TOOL_RUNNING) {
      if (!may_wait_for_tool(ops, limits, start)) break;
      ops.sleep_ms(limits.tool_poll_ms);
      continue;
    }
    if (last == EC_NO_DRIVER) break;
    ++attempts;
    if (last == EC_DONE) {
      read_back_known = true;
      if (read_back == value) break;
    }
    if (attempts < limits.attempts) ops.sleep_ms(limits.retry_pause_ms);
  }
  const bool held = last == EC_DONE && read_back == value;
  char line[160];
  if (held) {
    std::snprintf(line, sizeof(line), "%s: 0x%02X = %u, read back after %d attempt(s)", what, reg,
                  value, attempts);
  } else if (read_back_known && last == EC_DONE) {
    std::snprintf(line, sizeof(line), "%s: 0x%02X = %u FAILED, reads back %u after %d attempt(s)",
                  what, reg, value, read_back, attempts);
  } else {
    std::snprintf(line, sizeof(line), "%s: 0x%02X = %u FAILED after %d attempt(s): %s", what, reg,
                  value, attempts, result_name(last));
  }
  ops.log(line);
  return held;
}

bool write_safe_state(const SafeStateOps& ops, const SafeStateLimits& limits) {
  bool fan = write_register_checked(ops, limits, "fan mode automatic", EC_REG_FAN_MODE,
                                    EC_FAN_MODE_AUTO);
  bool light = write_register_checked(ops, limits, "lighting to the EC", EC_REG_LIGHT_CONTROL,
                                      EC_LIGHT_AUTO);
  return fan && light;
}
