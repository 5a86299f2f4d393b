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

TEST(SettingsStore, creates_the_key_on_first_access_and_yields_defaults) {
  RegDeleteTreeA(HKEY_LOCAL_MACHINE, SETTINGS_KEY_PATH);
  ASSERT_FALSE(key_exists());
  int32_t value = 0;
  EXPECT_EQ(load_setting("TDP", &value, 18), 1) << "a missing value still counts as loaded";
  EXPECT_EQ(value, 18);
  EXPECT_TRUE(key_exists());
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

TEST(SettingsStore, data_that_is_not_four_bytes_yields_the_default) {
  struct Case {
    const char* name;
    DWORD type;
    std::string data;
  } cases[] = {
      {"Long", REG_BINARY, std::string("\x01\x02\x03\x04\x05\x06\x07\x08", 8)},
      {"Text", REG_SZ, std::string("hello world", 12)},
      {"Short", REG_BINARY, std::string("\x05\x00", 2)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    put_raw(c.name, c.type, c.data.data(), DWORD(c.data.size()));
    int32_t value = 99;
    EXPECT_EQ(load_setting(c.name, &value, -5), 1);
    EXPECT_EQ(value, -5);
  }
  // Four raw bytes of another type are read as they are.
  const uint32_t raw = 0x00000046;
  put_raw("Raw", REG_BINARY, &raw, sizeof(raw));
  int32_t value = 0;
  EXPECT_EQ(load_setting("Raw", &value, 1), 1);
  EXPECT_EQ(value, 0x46);
}

TEST(SettingsStore, fan_zone_writer_stores_zones_one_to_five_only) {
  for (int zone = 0; zone <= 6; ++zone) {
    EXPECT_EQ(store_fan_zone(zone, 10 * zone + 1, 10 * zone + 2), 1) << "zone " << zone;
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

}  // namespace
