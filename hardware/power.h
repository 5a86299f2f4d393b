// Power limit, processor state, boost and GPU clock: the values in force and
// the operations that put them into the hardware.
// (gpu_auto lives in hardware_state.h, since the GPU-clock sampling reads it.)
#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>

extern std::atomic<int32_t> tdp_watts;        // "TDP", W
extern std::atomic<int32_t> cpu_max_percent;  // "CPU", 40..100
extern std::atomic<int32_t> gpu_clock_mhz;    // "GPU", MHz in steps of 50
extern std::atomic<int32_t> boost_on;         // "Boost", 0/1

// Bounds of the processor model in force (0 for an unrecognised processor).
extern std::atomic<int32_t> tdp_min, tdp_max;          // W
extern std::atomic<int32_t> gpu_min_mhz, gpu_max_mhz;  // MHz

/**
 * The lock of every group of hardware writes that has to land as one: the
 * three power limits, the two GPU-clock calls of a 3050e, the fan mode and
 * its duty, a lighting colour with its latch byte. The window thread (resume,
 * change of power source) and the toolkit thread (the controls' handlers)
 * both write these groups; without it a resume could leave stapm at one
 * value and fast at another. Single RyzenAdj calls and single EC
 * transactions have their own locks underneath (ryzenadj.h, ec.h), which are
 * always taken after this one, never before.
 */
std::mutex& hardware_apply_lock();

/** stapm, slow and fast limit with tdp_watts x 1000 (nothing on an unknown processor). */
void apply_power_limit();

/**
 * The fixed GPU clock gpu_clock_mhz: set_gfx_clk, or on a 3050e the minimum
 * 100 MHz and then the maximum. Nothing on an unknown processor.
 * @return 1
 */
int apply_gpu_clock();

/**
 * Leaving a forced GPU clock takes a restart of the display driver: with
 * adapter_restarting set and ADLX stopped, the built-in panel's adapter is
 * disabled and enabled again (waiting on it as the start-up restart does),
 * then ADLX is started again. Blocks the caller for that long.
 */
void restart_display_for_automatic_clock();

// The two settings of the active power scheme's processor subgroup the
// panel writes and follows.
enum SchemeSetting {
  SCHEME_MAX_PROCESSOR_STATE = 0,  // percent
  SCHEME_BOOST_MODE = 1,           // 0 off, 1 on, 2 aggressive, ...
};

/**
 * Writes one value to the active scheme, AC and DC, and re-activates the
 * scheme so that it takes effect.
 * @return 1 when both values were written, 0 when the scheme could not be
 *         read or a write was refused
 */
int write_scheme_value(SchemeSetting setting, uint32_t value);

/**
 * Reads the AC and DC values of one setting of the active scheme.
 * @return 1 with both values, 0 (values untouched) when the scheme or a value
 *         could not be read
 */
int read_scheme_value(SchemeSetting setting, uint32_t* ac, uint32_t* dc);

/** Boost counts as on only when AC and DC are both exactly "enabled" (1). */
int32_t boost_from_scheme(uint32_t ac, uint32_t dc);

/**
 * After the system resumed from sleep (the firmware forgets the limits):
 * power limit, the fixed GPU clock unless the clock is automatic, and on a
 * supported board the fan mode and duty and the lighting. The processor
 * state and boost live in the power scheme and survive by themselves.
 * Window thread; the caller checks that the panel is built.
 */
void reapply_after_resume();

/**
 * On a power-status broadcast: the firmware of these devices resets the
 * limits when the power source changes, so they are applied again, once per
 * real change of the AC line (battery-percentage broadcasts change nothing).
 * Window thread; the caller checks that the panel is built.
 */
void reapply_after_power_status_change();

/** Notes the power source the limits were applied on (window thread). */
void remember_power_source();

// What a power-status broadcast is judged by (portable, see power.cpp).
constexpr uint8_t AC_STATUS_OFFLINE = 0;
constexpr uint8_t AC_STATUS_ONLINE = 1;
constexpr uint8_t AC_STATUS_UNKNOWN = 255;

struct PowerSourceWatch {
  int32_t last_ac_line = -1;  // last known AC line status; -1 none known yet
};

/**
 * Takes the AC line status of a broadcast.
 * @return true when the limits are due again: the status is known and either
 *         differs from the last known one or none was known before
 */
bool power_source_changed(PowerSourceWatch* watch, uint8_t ac_line_status);

/** The AC line status from the system (AC_STATUS_UNKNOWN when it cannot say). */
uint8_t read_ac_line_status();
