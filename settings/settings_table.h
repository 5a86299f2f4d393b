// Every registry setting of the program: name, default, bounds and meaning,
// in the order the panel loads them. Defaults and upper bounds that depend on
// the processor are kept per processor model (index = CpuModel: 0 not
// recognised, 1 "6600U", 2 "6800U", 3 "3050e", 4 "7320U").
#pragma once

#include <cstdint>

constexpr int CPU_MODEL_COUNT = 5;

struct SettingInfo {
  const char* name;                        // registry value name
  int32_t defaults[CPU_MODEL_COUNT];       // default by processor model
  int32_t minimum;                         // lowest value the control offers
  int32_t maximum[CPU_MODEL_COUNT];        // highest value, by processor model
  bool profile_capable;                    // may go to an application profile instead
  const char* meaning;
};

extern const SettingInfo SETTINGS_TABLE[];
extern const int SETTINGS_COUNT;

// The entry of that name, or nullptr.
const SettingInfo* find_setting(const char* name);

// Default of a setting for a processor model (0 for an unknown name or model).
int32_t setting_default(const char* name, uint32_t cpu_model);

// The fan curve put in place when all five stored zone speeds are 0.
struct FanZone {
  int32_t zone;         // 1..5
  int32_t speed;        // percent
  int32_t temperature;  // degrees C
};
constexpr FanZone DEFAULT_FAN_CURVE[5] = {
    {1, 40, 20}, {2, 50, 50}, {3, 60, 60}, {4, 90, 70}, {5, 100, 90},
};
