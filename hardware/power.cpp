// Power limit, GPU clock and the re-apply after resume or a change of power
// source (see power.h). Portable: the RyzenAdj setters, the EC and the power
// status are reached through their declared functions, which the Windows
// tree takes from the library and ec_win.cpp / power_win.cpp and the native
// tests from recorders.
#include "hardware/power.h"

#include <algorithm>

#include "hardware/adlx.h"
#include "hardware/device_models.h"
#include "hardware/display.h"
#include "hardware/ec.h"
#include "hardware/fan.h"
#include "hardware/hardware_state.h"
#include "hardware/lighting.h"
#include "hardware/ryzenadj.h"

namespace {

// The one place that remembers the power source, touched only by the window
// thread (page build, resume, broadcasts).
PowerSourceWatch power_source_watch;

// Values come from the controls and are in range there; a value loaded or
// set by other means is still never handed to the SMU outside the bounds of
// the processor (a negative watt count would wrap into a huge limit).
uint32_t limit_milliwatts(const CpuBounds& bounds) {
  int32_t watts = std::min(std::max(tdp_watts.load(), bounds.tdp_min), bounds.tdp_max);
  return uint32_t(watts) * 1000u;
}

uint32_t clock_mhz(const CpuBounds& bounds) {
  return uint32_t(std::min(std::max(gpu_clock_mhz.load(), bounds.gpu_min), bounds.gpu_max));
}

// Fan mode and duty as the settings hold them; only while the EC is ours.
void reapply_fan() {
  if (!ec_ready) return;
  std::lock_guard<std::mutex> guard(hardware_apply_lock());
  ec_write(EC_REG_FAN_MODE, uint8_t(std::min(std::max(fan_mode.load(), 0), 255)));
  ec_write(EC_REG_FAN_DUTY, manual_fan_duty(fan_speed));
}

// The colour last written (or the EC's own lighting), then in colour mode
// the colour the panel last worked out for the current strength, which sends
// only what differs.
void reapply_lighting() {
  if (!lighting_ready) return;
  {
    std::lock_guard<std::mutex> guard(hardware_apply_lock());
    if (rgb_mode != 0) {
      ec_write(EC_REG_LIGHT_RED, rgb_cache[0]);
      ec_write(EC_REG_LIGHT_GREEN, rgb_cache[1]);
      ec_write(EC_REG_LIGHT_BLUE, rgb_cache[2]);
      ec_write(EC_REG_LIGHT_CONTROL, EC_LIGHT_COLOUR);
    } else {
      ec_write(EC_REG_LIGHT_CONTROL, EC_LIGHT_AUTO);
    }
  }
  if (rgb_mode == 1) {
    const uint32_t colour = rgb_shown_colour;
    send_lighting_colour(uint8_t(colour >> 16), uint8_t(colour >> 8), uint8_t(colour));
  }
}

}  // namespace

std::mutex& hardware_apply_lock() {
  static std::mutex lock;
  return lock;
}

void apply_power_limit() {
  if (CpuModel == 0) return;
  const CpuBounds& bounds = cpu_bounds(CpuModel);
  uint32_t milliwatts = limit_milliwatts(bounds);
  std::lock_guard<std::mutex> guard(hardware_apply_lock());
  ryzenadj_apply(set_stapm_limit, milliwatts);
  ryzenadj_apply(set_slow_limit, milliwatts);
  ryzenadj_apply(set_fast_limit, milliwatts);
}

int apply_gpu_clock() {
  const CpuBounds& bounds = cpu_bounds(CpuModel);
  uint32_t mhz = clock_mhz(bounds);
  std::lock_guard<std::mutex> guard(hardware_apply_lock());
  switch (bounds.gpu_command) {
    case GPU_CLOCK_SET_GFX_CLK:
      ryzenadj_apply(set_gfx_clk, mhz);
      break;
    case GPU_CLOCK_MIN_MAX:
      // The 3050e has no fixed-clock command; a window from 100 MHz up to the
      // clock lets it run at the clock under load.
      ryzenadj_apply(set_min_gfxclk_freq, 100);
      ryzenadj_apply(set_max_gfxclk_freq, mhz);
      break;
    case GPU_CLOCK_NONE:
      break;
  }
  return 1;
}

void restart_display_for_automatic_clock() {
  adapter_restarting = 1;
  // ADLX's interfaces belong to the adapter going away.
  adlx_stop();
  restart_panel_adapter();
  adlx_start();
  adapter_restarting = 0;
}

int32_t boost_from_scheme(uint32_t ac, uint32_t dc) { return ac == 1 && dc == 1 ? 1 : 0; }

void reapply_after_resume() {
  apply_power_limit();
  if (gpu_auto == 0) apply_gpu_clock();
  if (BoardModel != 0) {
    reapply_fan();
    reapply_lighting();
  }
  // The limits are now those of the source the device woke up on.
  power_source_changed(&power_source_watch, read_ac_line_status());
}

bool power_source_changed(PowerSourceWatch* watch, uint8_t ac_line_status) {
  if (ac_line_status != AC_STATUS_OFFLINE && ac_line_status != AC_STATUS_ONLINE) return false;
  // Without a known status before, a change cannot be ruled out; applying
  // the limits once more is harmless, missing a reset is not.
  bool changed = watch->last_ac_line != int32_t(ac_line_status);
  watch->last_ac_line = ac_line_status;
  return changed;
}

void remember_power_source() {
  power_source_watch = PowerSourceWatch{};
  power_source_changed(&power_source_watch, read_ac_line_status());
}

void reapply_after_power_status_change() {
  if (power_source_changed(&power_source_watch, read_ac_line_status())) apply_power_limit();
}
