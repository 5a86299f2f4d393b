// Where a committed value of a control goes. The eight profile-capable
// settings ("TDP", "CPU", "GPU", "Boost", "FanMode", "FanSpeed", "FPSMode",
// "FPSValue") follow the storing rule: into the tracked application's profile
// when that profile is enabled, otherwise into the registry (and the
// system-wide record). Every other setting is a plain registry write.
//
// Handlers call store_committed_setting for every value they commit, so the
// rule lives in one place and the handlers never need to know which kind a
// setting is.
#pragma once

#include <cstdint>

// Stores a committed value by the rule above. 1 when it was written.
// Per-application profiles are not tracked yet, so today every value goes
// to the registry.
int store_committed_setting(const char* name, int32_t value);
