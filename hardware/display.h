// Display handling used at start-up: the EDID override of the built-in
// panel, the display adapter restart that makes Windows read it again, and
// the current display mode of the first display path.
#pragma once

#include <cstdint>

enum EdidMode { EDID_PROBE = 0, EDID_CHECK = 1, EDID_WRITE = 2 };

// Accumulator of the three modes. The caller sets it to 0 before a mode and
// takes exactly 1 as success; bits are only ever added, and any error or
// out-of-date override leaves it away from 1.
extern uint32_t edid_result;

// Works on HKLM\SYSTEM\CurrentControlSet\Enum\DISPLAY\ZEV1805 (no such key:
// edid_result unchanged, nothing written).
// EDID_PROBE: bit 0 when the panel key has at least one instance.
// EDID_CHECK: exactly 1 when every instance holds an override with a current
//   "Version"; an instance without an override counts as out of date.
// EDID_WRITE: writes the eight 128-byte blocks and "Version" =
//   EDID_OVERRIDE_VERSION to every instance; exactly 1 when all succeeded.
void edid_override(int mode);

// Disables and re-enables the display adapter that drives the built-in panel
// (the parent device of a present "DISPLAY\ZEV1805\<instance>" monitor),
// unless the user had disabled it; other adapters are never touched. Waits
// on the adapter's status with deadlines (see adapter_restart.h). Returns
// how many adapters were restarted and run again (0 when the panel's adapter
// cannot be found, or Windows refuses).
int restart_panel_adapter();

// Current mode of the first display path, after waiting (with a deadline,
// see display_config.h) while `adapter_restarting` is set or `adlx_ready` is
// clear. Returns 1 and
// the long side, short side and whole-hertz refresh; a rate Windows cannot
// give (Wine reports 0) leaves *refresh unchanged. Returns 0 and changes
// nothing when there is no usable display path.
int query_display_mode(int32_t* long_side, int32_t* short_side, int32_t* refresh);

// Sets the first display path's mode, after the same wait. Width and height
// may come in either order: the desktop keeps its current orientation, so the
// mode lists' (short side, long side) and the gamepad rescue's 1920 x 1080
// both land on the same source mode. The rate is requested as refresh/1 Hz.
// Returns 1 when the mode took effect: through SetDisplayConfig, or, when a
// fresh query shows that call changed nothing, through
// ChangeDisplaySettingsExW. 0 otherwise (also for non-positive arguments).
int set_display_mode(int32_t width, int32_t height, int32_t refresh);

constexpr uint32_t EDID_OVERRIDE_VERSION = 69;
