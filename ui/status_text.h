// The status bar's read-outs as text: the clock, and the network and battery
// symbols with the battery percentage.
#pragma once

#include <cstddef>

#include "hardware/system_status.h"

// "HH:MM", 24-hour.
void format_clock_text(const SystemStatus& status, char* out, size_t size);

// The Wi-Fi symbol and a space when the Internet is reachable, else a single
// space; the battery symbol (charging, or the charge level) and a space; the
// percentage right-aligned in three places with "%". A percentage Windows
// does not know (255) shows as 100.
void format_status_text(const SystemStatus& status, char* out, size_t size);
