// Windows side of settings_store.h.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "settings/settings_store.h"

namespace {

// Closes a registry key on every path.
struct RegKey {
  HKEY key = nullptr;
  ~RegKey() {
    if (key) RegCloseKey(key);
  }
};

bool open_settings_key(REGSAM access, RegKey* out) {
  return RegOpenKeyExA(HKEY_LOCAL_MACHINE, SETTINGS_KEY_PATH, 0, access, &out->key) ==
         ERROR_SUCCESS;
}

}  // namespace

int ensure_settings_key() {
  RegKey key;
  // No WOW64 flag: the program is 64-bit and uses the native registry view.
  LONG result = RegCreateKeyExA(HKEY_LOCAL_MACHINE, SETTINGS_KEY_PATH, 0, nullptr,
                                REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key.key, nullptr);
  return result == ERROR_SUCCESS ? 1 : 0;
}

int store_setting(const char* name, int32_t value) {
  if (!ensure_settings_key()) return 0;
  RegKey key;
  if (!open_settings_key(KEY_WRITE, &key)) return 0;
  DWORD data;
  std::memcpy(&data, &value, sizeof(data));
  LONG result = RegSetValueExA(key.key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                               sizeof(data));
  return result == ERROR_SUCCESS ? 1 : 0;
}

int load_setting(const char* name, int32_t* variable, int32_t default_value) {
  *variable = default_value;
  if (!ensure_settings_key()) return 0;
  RegKey key;
  if (!open_settings_key(KEY_READ, &key)) return 0;
  // Read into a buffer of our own: after a failed query (data longer than four
  // bytes) its contents are undefined, and data shorter than four bytes would
  // leave part of the variable stale, so only exactly four bytes are taken.
  // The type is not checked; the store itself only ever writes REG_DWORD.
  BYTE data[4] = {};
  DWORD size = sizeof(data);
  if (RegQueryValueExA(key.key, name, nullptr, nullptr, data, &size) == ERROR_SUCCESS &&
      size == sizeof(data)) {
    std::memcpy(variable, data, sizeof(data));
  }
  return 1;
}

int store_fan_zone(int zone, int32_t speed, int32_t temperature) {
  if (zone < 1 || zone > 5) return 1;
  char name[32];
  std::snprintf(name, sizeof(name), "FanZone%dSpeed", zone);
  store_setting(name, speed);
  std::snprintf(name, sizeof(name), "FanZone%dTemp", zone);
  store_setting(name, temperature);
  return 1;
}
