// The fan panel on the main screen: the fan-mode drop-down (manual,
// automatic, custom curve), a wide speed slider with the temperature and
// speed written on it, and the icon that opens the curve editor (custom
// mode only). The once-a-second read-out of temperature and fan duty moves
// it and, while it is open, the curve editor.
#pragma once

#include "lvgl.h"

// Built on `parent` (the main screen) right after the performance page. Ends
// by sending the slider and the drop-down the events a user would produce,
// so the stored mode and duty reach the EC once at start-up.
void build_fan_panel(lv_obj_t* parent);

// Applies the tier: the icon box's size, the icon's zoom, and font_normal on
// the drop-down, its list and the two labels. Does nothing before the build.
void relayout_fan_panel();

// The temperature and fan read-out (1000 ms timer), only while the panel is
// visible and laid out: the temperature label always, and outside manual
// mode the slider and speed label follow the EC's duty.
void fan_readout_tick();
