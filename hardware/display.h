// Display handling used at start-up: the EDID override of the built-in
// panel, the display adapter restart that makes Windows read it again, and
// the current display mode of the first display path.
#pragma once

#include <cstdint>

enum EdidMode { EDID_PROBE = 0, EDID_CHECK = 1, EDID_WRITE = 2 };

// Accumulator of the three modes (see edid_override).
extern uint32_t edid_result;

// Probe: edid_result = 1 when the panel key has at least one instance.
// Check: edid_result = 1 when every instance carries the current override.
// Write: writes the override to every instance; edid_result = 1 on success.
void edid_override(int mode);

// Disables (DICS_DISABLE 2) or enables (DICS_ENABLE 1) every display
// adapter; returns the count of devices changed.
int restart_display_adapters(uint32_t state);

// Current mode of the first display path; 1 on success, 0 otherwise (the
// outputs are then left as they were).
int query_display_mode(int32_t* long_side, int32_t* short_side, int32_t* refresh);

// Sets the mode of the first display path; 1 on success, 0 otherwise.
int set_display_mode(int32_t width, int32_t height, int32_t refresh);

constexpr uint32_t EDID_OVERRIDE_VERSION = 69;
