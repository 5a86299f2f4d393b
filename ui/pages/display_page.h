// The display page: the resolution tile on the main screen, and the display
// screen it opens, with the modes of the display in a "16:9" and a "4:3"
// list grouped by refresh rate. A tap on a mode switches the display to it.
#pragma once

#include "lvgl.h"

// The tile: an icon button that opens the display screen, a caption and the
// current mode. Built on `parent` (the main screen) after the
// application-profile panel.
void build_resolution_tile(lv_obj_t* parent);

// Fills display_screen: title, current mode, the two mode lists (built here
// from the modes Windows enumerates, once) and "Back".
void build_display_screen();

// Applies the tier: the tile icon's zoom, the fonts of the tile and the
// screen's labels, and the current mode in both mode labels.
void relayout_display_page();
