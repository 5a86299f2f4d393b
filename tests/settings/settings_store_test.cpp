// The registry store against Wine's real registry (each test run has a prefix
// of its own, so the key starts out absent).
#include <gtest/gtest.h>
#include <windows.h>

#include <climits>
#include <string>

#include "settings/settings_store.h"

namespace {

bool key_exists() {
  HKEY key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, SETTINGS_KEY_PATH, 0, KEY_READ, &key) != ERROR_SUCCESS)
    return false;
  RegCloseKey(key);
  return true;
}

// Writes raw data of any type, as another program or an older version might.
void put_raw(const char* name, DWORD type, const void* data, DWORD size) {
  HKEY key;
  ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, SETTINGS_KEY_PATH, 0, nullptr, 0, KEY_ALL_ACCESS,
                            nullptr, &key, nullptr),
            ERROR_SUCCESS);
  ASSERT_EQ(RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
  RegCloseKey(key);
}

bool read_dword(const char* name, DWORD* value) {
  DWORD size = sizeof(*value), type = 0;
  return RegGetValueA(HKEY_LOCAL_MACHINE, SETTINGS_KEY_PATH, name, RRF_RT_ANY, &type, value,
                      &size) == ERROR_SUCCESS &&
         type == REG_DWORD;
}

// Reading opens the key for reading only; the first store creates it.
TEST(SettingsStore, loading_never_creates_the_key_and_the_first_store_does) {
  RegDeleteTreeA(HKEY_LOCAL_MACHINE, SETTINGS_KEY_PATH);
  ASSERT_FALSE(key_exists());
  int32_t value = 0;
  EXPECT_EQ(load_setting("TDP", &value, 18), 0) << "no key to read";
  EXPECT_EQ(value, 18);
  EXPECT_FALSE(key_exists());
  ASSERT_EQ(store_setting("AutoStart", 1), 1);
  EXPECT_TRUE(key_exists());
  EXPECT_EQ(load_setting("TDP", &value, 17), 1) << "a missing value still counts as loaded";
  EXPECT_EQ(value, 17);
}

TEST(SettingsStore, round_trips_signed_values_as_reg_dword) {
  const int32_t values[] = {0, 1, 250, -1, int32_t(0xFF123456), INT32_MIN, INT32_MAX};
  for (int32_t stored : values) {
    SCOPED_TRACE(stored);
    ASSERT_EQ(store_setting("RGBValue", stored), 1);
    DWORD raw = 0;
    ASSERT_TRUE(read_dword("RGBValue", &raw));
    EXPECT_EQ(raw, DWORD(stored));
    int32_t loaded = 12345;
    EXPECT_EQ(load_setting("RGBValue", &loaded, 7), 1);
    EXPECT_EQ(loaded, stored);
  }
}

TEST(SettingsStore, data_that_is_not_a_reg_dword_yields_the_default) {
  struct Case {
    const char* name;
    DWORD type;
    std::string data;
  } cases[] = {
      {"Long", REG_BINARY, std::string("\x01\x02\x03\x04\x05\x06\x07\x08", 8)},
      {"Text", REG_SZ, std::string("hello world", 12)},
      {"Short", REG_BINARY, std::string("\x05\x00", 2)},
      {"FourBinary", REG_BINARY, std::string("\x46\x00\x00\x00", 4)},
      {"FourText", REG_SZ, std::string("5\x00\x00\x00", 4)},
      {"BigEndian", REG_DWORD_BIG_ENDIAN, std::string("\x00\x00\x00\x46", 4)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    put_raw(c.name, c.type, c.data.data(), DWORD(c.data.size()));
    int32_t value = 99;
    EXPECT_EQ(load_setting(c.name, &value, -5), 1);
    EXPECT_EQ(value, -5);
  }
}

TEST(SettingsStore, a_bounded_load_takes_the_processors_default_and_bounds) {
  struct Case {
    const char* name;
    bool stored;
    int32_t raw;
    uint32_t cpu;
    int32_t loaded;
  } cases[] = {
      {"FanSpeed", true, 500, 2, 100}, {"TDP", true, -3, 2, 4},  {"TDP", true, 30, 4, 20},
      {"TDP", false, 0, 3, 14},        {"GPU", false, 0, 2, 2200}, {"Opacity", true, 40, 2, 40},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, SETTINGS_KEY_PATH);
    ASSERT_EQ(store_setting("AutoStart", 1), 1);
    if (c.stored) ASSERT_EQ(store_setting(c.name, c.raw), 1);
    int32_t value = 12345;
    EXPECT_EQ(load_bounded_setting(c.name, &value, c.cpu), 1);
    EXPECT_EQ(value, c.loaded);
  }
}

TEST(SettingsStore, fan_zone_writer_stores_zones_one_to_five_only_and_says_so) {
  for (int zone = 0; zone <= 6; ++zone) {
    bool valid = zone >= 1 && zone <= 5;
    EXPECT_EQ(store_fan_zone(zone, 10 * zone + 1, 10 * zone + 2), valid ? 1 : 0) << "zone " << zone;
  }
  for (int zone = 0; zone <= 6; ++zone) {
    SCOPED_TRACE(zone);
    std::string speed = "FanZone" + std::to_string(zone) + "Speed";
    std::string temp = "FanZone" + std::to_string(zone) + "Temp";
    DWORD s = 0, t = 0;
    bool valid = zone >= 1 && zone <= 5;
    EXPECT_EQ(read_dword(speed.c_str(), &s), valid);
    EXPECT_EQ(read_dword(temp.c_str(), &t), valid);
    if (valid) {
      EXPECT_EQ(s, DWORD(10 * zone + 1));
      EXPECT_EQ(t, DWORD(10 * zone + 2));
    }
  }
}

// A key that cannot be written: "ZEV" made volatile, under which Windows
// refuses to create the non-volatile settings key.
TEST(SettingsStore, a_write_that_fails_is_reported_by_every_writer) {
  RegDeleteTreeA(HKEY_LOCAL_MACHINE, "SOFTWARE\\ZEV");
  HKEY parent;
  ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\ZEV", 0, nullptr, REG_OPTION_VOLATILE,
                            KEY_ALL_ACCESS, nullptr, &parent, nullptr),
            ERROR_SUCCESS);
  RegCloseKey(parent);
  EXPECT_EQ(store_setting("FanMode", 1), 0);
  EXPECT_EQ(store_fan_zone(3, 60, 60), 0);
  EXPECT_EQ(ensure_settings_key(), 0);
  RegDeleteTreeA(HKEY_LOCAL_MACHINE, "SOFTWARE\\ZEV");
}

}  // namespace
