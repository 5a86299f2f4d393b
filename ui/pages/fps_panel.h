// The frame-rate limiter panel on the main screen: an on/off switch, a
// two-line caption that also tells whether RTSS took the limit, and a wide
// slider for the limit (10..60 fps) with the value written on it.
#pragma once

#include "lvgl.h"

// Builds the panel on `parent` (the main screen), after the fan panel, and
// applies the stored limiter settings: RTSS gets the limit at start only when
// the limiter is on.
void build_fps_panel(lv_obj_t* parent);

// Applies the tier's normal font to the caption and the limit label.
void relayout_fps_panel();
