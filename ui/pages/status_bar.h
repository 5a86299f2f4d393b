// The status bar across the top of the main screen: the panel's name, the
// clock and the network and battery state.
#pragma once

#include "lvgl.h"

// Builds the bar on `parent` (the main screen).
void build_status_bar(lv_obj_t* parent);

// Applies the tier's normal font to the bar's labels.
void relayout_status_bar();

// Clock timer (1000 ms): status_bar_refresh while the panel is shown. A
// hidden panel asks Windows nothing; it is refreshed as it is shown again.
void status_bar_tick();

// Reads the local time, network and battery and shows them, once the layout
// is in place.
void status_bar_refresh();
