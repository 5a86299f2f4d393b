// The layout in force: fonts of the four roles and the sizes of the current
// tier, written by select_layout_tier and read by every page.
#pragma once

#include <atomic>
#include <cstdint>

#include "lvgl.h"

extern const lv_font_t* font_normal;   // theme default, status bar, most labels
extern const lv_font_t* font_message;  // message boxes and dialog texts
extern const lv_font_t* font_large;    // headings, the "not compatible" text
extern const lv_font_t* font_digits;   // large numeric read-outs

// Sizes of the current tier; 0 (zoom 256) until the first selection.
extern int32_t layout_tier;
extern int32_t layout_zoom;
extern int32_t layout_page_width, layout_page_height;
extern int32_t layout_dial, layout_inner_dial;
extern int32_t layout_colour_wheel;
extern int32_t layout_chart_width, layout_chart_height;
extern int32_t layout_fan_icon;

// The font of a role in a tier for the current language.
const lv_font_t* tier_font(int tier, int role);

// Decides the language again and takes the fonts and sizes of the row for
// the display width.
void select_layout_tier(int32_t display_width);

// The fonts of the widest tier for the current language (before the first
// selection).
void use_initial_fonts();
