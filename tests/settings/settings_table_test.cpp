#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "settings/settings_table.h"

namespace {

TEST(SettingsTable, names_are_unique_and_every_default_lies_within_its_bounds) {
  for (int i = 0; i < SETTINGS_COUNT; ++i) {
    const SettingInfo& s = SETTINGS_TABLE[i];
    SCOPED_TRACE(s.name);
    for (int j = i + 1; j < SETTINGS_COUNT; ++j) EXPECT_STRNE(s.name, SETTINGS_TABLE[j].name);
    for (int cpu = 1; cpu < CPU_MODEL_COUNT; ++cpu) {
      EXPECT_GE(s.defaults[cpu], s.minimum) << "cpu " << cpu;
      EXPECT_LE(s.defaults[cpu], s.maximum[cpu]) << "cpu " << cpu;
    }
  }
}

TEST(SettingsTable, holds_both_values_of_every_fan_zone) {
  for (int zone = 1; zone <= 5; ++zone) {
    for (const char* part : {"Speed", "Temp"}) {
      std::string name = "FanZone" + std::to_string(zone) + part;
      EXPECT_NE(find_setting(name.c_str()), nullptr) << name;
    }
  }
  EXPECT_EQ(find_setting("FanZone6Speed"), nullptr);
}

TEST(SettingsTable, processor_dependent_defaults_follow_the_processor_model) {
  struct Case {
    const char* name;
    uint32_t cpu;
    int32_t expected;
  } cases[] = {
      {"TDP", 2, 18}, {"TDP", 3, 14}, {"TDP", 4, 15}, {"TDP", 0, 0},  {"GPU", 2, 2200},
      {"GPU", 1, 1900}, {"GPU", 3, 1000}, {"GPU", 9, 0}, {"Opacity", 0, 250}, {"Nope", 1, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(setting_default(c.name, c.cpu), c.expected) << c.name << " cpu " << c.cpu;
  }
}

TEST(SettingsTable, default_fan_curve_rises_with_temperature) {
  for (int i = 1; i < 5; ++i) {
    EXPECT_EQ(DEFAULT_FAN_CURVE[i].zone, i + 1);
    EXPECT_GT(DEFAULT_FAN_CURVE[i].temperature, DEFAULT_FAN_CURVE[i - 1].temperature);
    EXPECT_GE(DEFAULT_FAN_CURVE[i].speed, DEFAULT_FAN_CURVE[i - 1].speed);
  }
}

// Loaded values are brought into the table's bounds before anything applies
// them: the registry is writable by anyone with a registry editor.
TEST(SettingsTable, loaded_values_are_brought_into_the_bounds_of_their_processor) {
  struct Case {
    const char* name;
    int32_t stored;
    uint32_t cpu;
    int32_t loaded;
  } cases[] = {
      {"FanSpeed", 500, 2, 100},   {"FanSpeed", 5, 2, 20},     {"FanSpeed", 55, 2, 55},
      {"TDP", -7, 2, 4},           {"TDP", 30, 4, 20},         {"TDP", 30, 2, 30},
      {"TDP", 12, 0, 0},           {"GPU", 5000, 3, 1100},     {"GPU", 50, 1, 200},
      {"GPU", 1500, 0, 0},         {"FanMode", 7, 1, 2},       {"FanMode", -1, 1, 0},
      {"RGBMode", 5, 1, 1},        {"RGBValue", -1, 1, 0xFFFFFF}, {"RGBValue", 0x123456, 1, 0x123456},
      {"RGBValue", int32_t(0xFFFF0000), 1, 0xFF0000}, {"Opacity", 50, 1, 50}, {"Opacity", -5, 1, 0}, {"Opacity", 300, 1, 250},
      {"FanZone3Temp", 400, 2, 100}, {"FanZone1Speed", -20, 2, 0}, {"FPSValue", 0, 2, 10},
      {"CPU", 101, 9, 100},        {"NotASetting", -99, 2, -99},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(clamp_setting(c.name, c.stored, c.cpu), c.loaded)
        << c.name << " = " << c.stored << " on cpu " << c.cpu;
  }
}

TEST(SettingsTable, a_stored_fan_curve_is_used_only_when_set_and_in_temperature_order) {
  struct Case {
    const char* what;
    int32_t speeds[5];
    int32_t temperatures[5];
    bool usable;
  } cases[] = {
      {"the editor's kind of curve", {30, 40, 60, 80, 100}, {30, 45, 60, 75, 90}, true},
      {"speeds need not rise", {80, 40, 60, 20, 100}, {30, 45, 60, 75, 90}, true},
      {"nothing stored", {0, 0, 0, 0, 0}, {10, 20, 30, 40, 50}, false},
      {"two zones swapped", {30, 40, 60, 80, 100}, {30, 60, 45, 75, 90}, false},
      {"two zones at one temperature", {30, 40, 60, 80, 100}, {30, 45, 45, 75, 90}, false},
      {"temperatures all 0", {30, 40, 60, 80, 100}, {0, 0, 0, 0, 0}, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(fan_curve_usable(c.speeds, c.temperatures), c.usable) << c.what;
  }
}

}  // namespace
