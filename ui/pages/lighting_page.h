// The lighting page: the lighting tile on the main screen (an icon button,
// the caption and the current mode), and the lighting screen it opens, with
// a strength slider, a colour wheel, the mode drop-down ("Auto" / "Manual")
// and "Back".
#pragma once

#include "lvgl.h"

// The tile, on `parent` (the main screen), after the resolution tile.
void build_lighting_tile(lv_obj_t* parent);

// Fills lighting_screen and applies the stored lighting: the mode first
// (which also names it on the tile), then the strength, then the colour.
void build_lighting_screen();

// Applies the tier: icon zoom, fonts, and the colour wheel's size with its
// ring a quarter of it.
void relayout_lighting_page();
