#include "ui/settings_load.h"

#include <cstdio>

#include "hardware/brightness_volume.h"
#include "hardware/display.h"
#include "hardware/fan.h"
#include "hardware/fps_limiter.h"
#include "hardware/hardware_state.h"
#include "hardware/lighting.h"
#include "hardware/power.h"
#include "settings/settings_store.h"
#include "settings/settings_table.h"
#include "ui/panel_state.h"
#include "update/autostart.h"

namespace {

// Loads one setting into an atomic value with the default of the processor
// in force, within the bounds of the settings table.
void load_value(const char* name, std::atomic<int32_t>* value) {
  int32_t loaded = 0;
  load_bounded_setting(name, &loaded, CpuModel);
  *value = loaded;
}

// Power-limit and GPU-clock bounds of the processor; an unrecognised one gets
// none (all 0), so both values end as 0. Values above the bound are lowered;
// no lower clamp is applied here (the controls bound them when applied).
void apply_processor_bounds() {
  uint32_t cpu = CpuModel;
  bool known = cpu != 0 && cpu < uint32_t(CPU_MODEL_COUNT);
  tdp_min = known ? find_setting("TDP")->minimum : 0;
  tdp_max = known ? find_setting("TDP")->maximum[cpu] : 0;
  gpu_min_mhz = known ? find_setting("GPU")->minimum : 0;
  gpu_max_mhz = known ? find_setting("GPU")->maximum[cpu] : 0;
  if (tdp_watts > tdp_max) tdp_watts = int32_t(tdp_max);
  if (gpu_clock_mhz > gpu_max_mhz) gpu_clock_mhz = int32_t(gpu_max_mhz);
}

void load_fan_curve() {
  char name[32];
  int32_t speeds[5], temperatures[5];
  for (int i = 0; i < 5; ++i) {
    FanZoneValue& zone = fan_zones[i];
    zone.zone = i + 1;
    std::snprintf(name, sizeof(name), "FanZone%dSpeed", zone.zone);
    load_bounded_setting(name, &zone.speed, CpuModel);
    std::snprintf(name, sizeof(name), "FanZone%dTemp", zone.zone);
    load_bounded_setting(name, &zone.temperature, CpuModel);
    speeds[i] = zone.speed;
    temperatures[i] = zone.temperature;
  }
  // No stored curve, or one out of order: the default one (temperatures
  // included) stands in, without being written; the curve editor stores it
  // when it commits.
  if (fan_curve_usable(speeds, temperatures)) return;
  for (int i = 0; i < 5; ++i) {
    fan_zones[i] = {DEFAULT_FAN_CURVE[i].zone, DEFAULT_FAN_CURVE[i].speed,
                    DEFAULT_FAN_CURVE[i].temperature};
  }
}

}  // namespace

void load_panel_settings() {
  load_value("TDP", &tdp_watts);
  load_value("GPU", &gpu_clock_mhz);
  load_value("CPU", &cpu_max_percent);
  load_value("Boost", &boost_on);
  load_value("GPUAuto", &gpu_auto);

  // What Windows holds places the quick sliders; a value it does not give
  // stays unknown (-1) rather than 0.
  int32_t system_value = 0;
  if (read_brightness(&system_value)) brightness_percent = system_value;
  if (read_volume(&system_value)) volume_percent = system_value;

  int32_t long_side = 0, short_side = 0, refresh = 0;
  if (query_display_mode(&long_side, &short_side, &refresh)) {
    current_long_side = long_side;
    current_short_side = short_side;
    current_refresh = refresh;
  }

  load_value("RGBStrength", &rgb_strength);
  load_value("RGBValue", &rgb_value);
  load_value("RGBMode", &rgb_mode);
  if (rgb_mode > 1) rgb_mode = 1;

  apply_processor_bounds();

  load_value("AutoStart", &autostart_wanted);
  store_setting("AutoStart", autostart_wanted);
  if (autostart_wanted) {
    register_autostart_task();
  } else {
    remove_autostart_task();
  }

  load_value("FanMode", &fan_mode);
  load_value("FanSpeed", &fan_speed);
  load_fan_curve();
  load_value("FPSMode", &fps_mode);
  load_value("FPSValue", &fps_value);

  load_value("Opacity", &opacity_value);
  panel_opacity = opacity_to_alpha(opacity_value);
  if (host_services.set_window_alpha) host_services.set_window_alpha(panel_opacity);
}
