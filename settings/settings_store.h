// The registry settings store: REG_DWORD values under
// HKEY_LOCAL_MACHINE\SOFTWARE\ZEV\TMX, read and written as signed 32-bit
// integers. Every operation opens and closes the key itself; failures are
// silent status results (1 success, 0 failure) that callers may ignore.
#pragma once

#include <cstdint>

constexpr const char* SETTINGS_KEY_PATH = "SOFTWARE\\ZEV\\TMX";

// Creates the key if it does not exist. 1 when it exists afterwards.
int ensure_settings_key();

// Writes `value` as REG_DWORD. 1 when the value was set.
int store_setting(const char* name, int32_t value);

// Puts `default_value` into *variable, then the stored value if there is one
// of exactly four bytes. Returns 1 once the key could be opened, whether or
// not the value existed; 0 (with the default in place) when it could not.
int load_setting(const char* name, int32_t* variable, int32_t default_value);

// Writes "FanZone<n>Speed" and then "FanZone<n>Temp" for zones 1..5; any other
// zone number writes nothing. Always reports success, as the curve editor
// has nothing to do with a failure.
int store_fan_zone(int zone, int32_t speed, int32_t temperature);
