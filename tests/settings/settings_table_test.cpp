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

}  // namespace
