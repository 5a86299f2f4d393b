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

// `value` brought into the setting's bounds for the processor model. A
// setting without bounds for that model (the power limit and GPU clock of an
// unrecognised processor) takes its default; a name not in the table is
// returned unchanged.
int32_t clamp_setting(const char* name, int32_t value, uint32_t cpu_model);

// The fan curve put in place when all five stored zone speeds are 0.
struct FanZone {
  int32_t zone;         // 1..5
  int32_t speed;        // percent
  int32_t temperature;  // degrees C
};
constexpr FanZone DEFAULT_FAN_CURVE[5] = {
    {1, 40, 20}, {2, 50, 50}, {3, 60, 60}, {4, 90, 70}, {5, 100, 90},
};

// Whether a stored curve can be used as it is: at least one zone speed is not
// 0 (all 0 means none was ever stored) and the zone temperatures rise
// strictly from zone 1 to zone 5, as the curve editor keeps them. Anything
// else (a hand-edited or damaged registry) is replaced by the default curve
// rather than sent to the EC, whose firmware expects ascending zones.
bool fan_curve_usable(const int32_t speeds[5], const int32_t temperatures[5]);
