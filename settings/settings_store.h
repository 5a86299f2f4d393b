// The registry settings store: REG_DWORD values under
// HKEY_LOCAL_MACHINE\SOFTWARE\ZEV\TMX, read and written as signed 32-bit
// integers. Every operation opens the key once, with the access it needs,
// and closes it; failures are silent status results (1 success, 0 failure)
// that callers may ignore.
#pragma once

#include <cstdint>

constexpr const char* SETTINGS_KEY_PATH = "SOFTWARE\\ZEV\\TMX";

// Creates the key if it does not exist. 1 when it exists afterwards.
int ensure_settings_key();

// Writes `value` as REG_DWORD, creating the key when it is missing. 1 when
// the value was set.
int store_setting(const char* name, int32_t value);

// Puts `default_value` into *variable, then the stored value if there is one
// and it is a REG_DWORD (data of any other type, a hand-edited string or
// binary, is not a setting of ours and leaves the default). Reading never
// creates the key. Returns 1 once the key could be opened, whether or not
// the value existed; 0 (with the default in place) when it could not.
int load_setting(const char* name, int32_t* variable, int32_t default_value);

// load_setting with the default of the settings table for the processor
// model, and the loaded value brought into the table's bounds for that
// model (clamp_setting): a hand-edited "FanSpeed" of 500 or a negative
// "TDP" never reaches the hardware.
int load_bounded_setting(const char* name, int32_t* variable, uint32_t cpu_model);

// Writes "FanZone<n>Speed" and then "FanZone<n>Temp" for zones 1..5. Returns
// 1 when both were stored, 0 for any other zone number (nothing is written)
// or when a write failed.
int store_fan_zone(int zone, int32_t speed, int32_t temperature);
