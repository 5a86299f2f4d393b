// Windows side of settings_store.h.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "settings/settings_store.h"
#include "settings/settings_table.h"

namespace {

// Closes a registry key on every path.
struct RegKey {
  HKEY key = nullptr;
  ~RegKey() {
    if (key) RegCloseKey(key);
  }
};

// No WOW64 flag: the program is 64-bit and uses the native registry view.
bool create_settings_key(REGSAM access, RegKey* out) {
  return RegCreateKeyExA(HKEY_LOCAL_MACHINE, SETTINGS_KEY_PATH, 0, nullptr,
                         REG_OPTION_NON_VOLATILE, access, nullptr, &out->key,
                         nullptr) == ERROR_SUCCESS;
}

}  // namespace

int ensure_settings_key() {
  RegKey key;
  return create_settings_key(KEY_QUERY_VALUE, &key) ? 1 : 0;
}

int store_setting(const char* name, int32_t value) {
  RegKey key;
  if (!create_settings_key(KEY_SET_VALUE, &key)) return 0;
  DWORD data;
  std::memcpy(&data, &value, sizeof(data));
  LONG result = RegSetValueExA(key.key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                               sizeof(data));
  return result == ERROR_SUCCESS ? 1 : 0;
}

int load_setting(const char* name, int32_t* variable, int32_t default_value) {
  *variable = default_value;
  RegKey key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, SETTINGS_KEY_PATH, 0, KEY_QUERY_VALUE, &key.key) !=
      ERROR_SUCCESS) {
    key.key = nullptr;
    return 0;
  }
  // Read into a buffer of our own: after a failed query (data longer than four
  // bytes) its contents are undefined, and data shorter than four bytes would
  // leave part of the variable stale, so only a whole REG_DWORD is taken.
  BYTE data[4] = {};
  DWORD size = sizeof(data), type = REG_NONE;
  if (RegQueryValueExA(key.key, name, nullptr, &type, data, &size) == ERROR_SUCCESS &&
      type == REG_DWORD && size == sizeof(data)) {
    std::memcpy(variable, data, sizeof(data));
  }
  return 1;
}

int load_bounded_setting(const char* name, int32_t* variable, uint32_t cpu_model) {
  int result = load_setting(name, variable, setting_default(name, cpu_model));
  *variable = clamp_setting(name, *variable, cpu_model);
  return result;
}

int store_fan_zone(int zone, int32_t speed, int32_t temperature) {
  if (zone < 1 || zone > 5) return 0;
  char name[32];
  std::snprintf(name, sizeof(name), "FanZone%dSpeed", zone);
  int stored = store_setting(name, speed);
  std::snprintf(name, sizeof(name), "FanZone%dTemp", zone);
  stored &= store_setting(name, temperature);
  return stored;
}
