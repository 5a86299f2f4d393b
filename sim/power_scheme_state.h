// The simulated power scheme as powrprof.dll's stand-in and powersim.exe
// share it: one active scheme with the processor subgroup's maximum
// processor state and boost mode, AC and DC, kept in
// %ProgramData%\VexaSim\power.bin (VEXA_SIM_DIR names another folder) under
// the named mutex "VexaSimPower", so a test or a person can change them from
// outside while the program runs. Windows only.
#pragma once

#include <windows.h>

#include <cstdint>

constexpr uint32_t POWER_STATE_MAGIC = 0x50575253;  // "SRWP"
constexpr uint32_t POWER_STATE_VERSION = 1;

struct PowerSchemeState {
  uint32_t magic;
  uint32_t version;
  GUID active_scheme;
  uint32_t max_processor_state[2];  // AC, DC: percent
  uint32_t boost_mode[2];           // AC, DC: 0 off, 1 on, 2 aggressive, ...
  uint32_t fail_active_scheme;      // 1: PowerGetActiveScheme answers an error
  uint32_t set_active_count;        // PowerSetActiveScheme calls so far
};

// Windows' "Balanced" scheme, which the stand-in reports as active.
extern const GUID SIM_BALANCED_SCHEME;

/** The state after a power-on: 100 % maximum state, boost enabled, AC and DC. */
PowerSchemeState power_state_defaults();

/**
 * The state, mapped from the file (created with the defaults when missing or
 * of another layout) and kept mapped for the life of the process: the
 * program reads it ten times a second, and a mapped view costs no system
 * call. Views of one file are coherent between processes, under Wine too.
 * @return nullptr when the folder, file or mapping cannot be had
 */
PowerSchemeState* power_state();

/** Takes and releases the cross-process mutex around a change of the state. */
bool power_state_lock();
void power_state_unlock();

/** Appends one line to %ProgramData%\VexaSim\powrprof.log. */
void power_log(const char* format, ...);
