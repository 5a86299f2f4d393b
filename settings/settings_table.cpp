#include "settings/settings_table.h"

#include <cstring>

// Shorthand for rows whose default or bound does not depend on the processor.
#define SAME(v) {v, v, v, v, v}

// Processor columns: none, 6600U, 6800U, 3050e, 7320U. An unrecognised
// processor gets no power or GPU bounds at all, so its TDP and GPU end as 0.
const SettingInfo SETTINGS_TABLE[] = {
    {"TDP", {0, 18, 18, 14, 15}, 4, {0, 34, 34, 20, 20}, true,
     "power limit in watts, applied as the sustained, slow and fast limits"},
    {"GPU", {0, 1900, 2200, 1000, 1900}, 200, {0, 1900, 2200, 1100, 1900}, true,
     "fixed GPU clock in MHz, in steps of 50, used while GPUAuto is 0"},
    {"CPU", SAME(100), 40, SAME(100), true, "maximum processor state in percent"},
    {"Boost", SAME(1), 0, SAME(1), true, "CPU boost on (1) or off (0)"},
    {"GPUAuto", SAME(1), 0, SAME(1), false, "GPU clock automatic (1) or fixed (0)"},
    {"RGBStrength", SAME(100), 0, SAME(100), false, "lighting brightness (HSV value)"},
    {"RGBValue", SAME(0), 0, SAME(0xFFFFFF), false, "lighting colour as 0xRRGGBB"},
    {"RGBMode", SAME(0), 0, SAME(1), false, "lighting automatic (0) or colour (1); above 1 reads as 1"},
    {"AutoStart", SAME(1), 0, SAME(1), false, "log-on task wanted (1) or not (0)"},
    {"FanMode", SAME(1), 0, SAME(2), true, "0 manual fixed speed, 1 automatic, 2 custom curve"},
    {"FanSpeed", SAME(20), 20, SAME(100), true, "fixed fan speed in percent"},
    {"FanZone1Speed", SAME(0), 0, SAME(100), false, "fan-curve point 1: speed in percent"},
    {"FanZone1Temp", SAME(0), 0, SAME(100), false, "fan-curve point 1: temperature in degrees C"},
    {"FanZone2Speed", SAME(0), 0, SAME(100), false, "fan-curve point 2: speed in percent"},
    {"FanZone2Temp", SAME(0), 0, SAME(100), false, "fan-curve point 2: temperature in degrees C"},
    {"FanZone3Speed", SAME(0), 0, SAME(100), false, "fan-curve point 3: speed in percent"},
    {"FanZone3Temp", SAME(0), 0, SAME(100), false, "fan-curve point 3: temperature in degrees C"},
    {"FanZone4Speed", SAME(0), 0, SAME(100), false, "fan-curve point 4: speed in percent"},
    {"FanZone4Temp", SAME(0), 0, SAME(100), false, "fan-curve point 4: temperature in degrees C"},
    {"FanZone5Speed", SAME(0), 0, SAME(100), false, "fan-curve point 5: speed in percent"},
    {"FanZone5Temp", SAME(0), 0, SAME(100), false, "fan-curve point 5: temperature in degrees C"},
    {"FPSMode", SAME(0), 0, SAME(1), true, "frame-rate limiter on (1) or off (0)"},
    {"FPSValue", SAME(60), 10, SAME(60), true, "frame-rate limit"},
    // The slider offers 70..250, but a stored value below that is kept: the
    // panel then shows at alpha 60 (faint, never invisible) until the
    // settings screen's slider brings it to 70 and stores that.
    {"Opacity", SAME(250), 0, SAME(250), false, "overlay opacity as window alpha"},
};

#undef SAME

const int SETTINGS_COUNT = sizeof(SETTINGS_TABLE) / sizeof(SETTINGS_TABLE[0]);

const SettingInfo* find_setting(const char* name) {
  for (int i = 0; i < SETTINGS_COUNT; ++i) {
    if (std::strcmp(SETTINGS_TABLE[i].name, name) == 0) return &SETTINGS_TABLE[i];
  }
  return nullptr;
}

int32_t setting_default(const char* name, uint32_t cpu_model) {
  const SettingInfo* info = find_setting(name);
  if (!info || cpu_model >= CPU_MODEL_COUNT) return 0;
  return info->defaults[cpu_model];
}

int32_t clamp_setting(const char* name, int32_t value, uint32_t cpu_model) {
  const SettingInfo* info = find_setting(name);
  if (!info) return value;
  // The colour is written as 0xFFRRGGBB, a negative number: only its colour
  // bits mean anything, so they are kept and the rest dropped.
  if (std::strcmp(name, "RGBValue") == 0) return value & 0xFFFFFF;
  if (cpu_model >= CPU_MODEL_COUNT) cpu_model = 0;
  const int32_t maximum = info->maximum[cpu_model];
  if (maximum < info->minimum) return info->defaults[cpu_model];
  if (value < info->minimum) return info->minimum;
  if (value > maximum) return maximum;
  return value;
}

bool fan_curve_usable(const int32_t speeds[5], const int32_t temperatures[5]) {
  bool any_speed = false;
  for (int i = 0; i < 5; ++i) any_speed = any_speed || speeds[i] != 0;
  if (!any_speed) return false;
  for (int i = 1; i < 5; ++i) {
    if (temperatures[i] <= temperatures[i - 1]) return false;
  }
  return true;
}
