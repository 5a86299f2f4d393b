// The panel's look shared by its pages: one palette, and the few widget
// styles every page repeats (a main-screen tile, a grey button, a value
// slider drawn as a filled bar, an on/off switch). A page styles only what
// is its own on top of these.
#pragma once

#include <cstdint>

#include "lvgl.h"

namespace look {

constexpr uint32_t SCREEN_BLACK = 0x101010;  // sub-screens' background
constexpr uint32_t PANEL_GREY = 0x1A1A1A;    // main-screen tiles
constexpr uint32_t CONTROL_GREY = 0x2B2B2B;  // buttons, slider and switch tracks
constexpr uint32_t FILL_GREY = 0x666666;     // a slider's filled part
constexpr uint32_t HEADER_GREY = 0x8A8A8A;   // list headers
constexpr uint32_t TEXT_GREY = 0xC1C1C1;     // texts and knobs
constexpr uint32_t ACCENT_RED = 0xF44336;    // the theme's primary colour

}  // namespace look

// A PANEL_GREY tile on the main screen, aligned by its top centre: no
// border, padding or scrolling, so its children place themselves in shares
// of its own size.
lv_obj_t* create_tile(lv_obj_t* parent, lv_coord_t width, lv_coord_t height, lv_coord_t x,
                      lv_coord_t y);

// A flat CONTROL_GREY button that brings itself into view when focused by
// the keypad.
void style_grey_button(lv_obj_t* button);

// A slider read as a filled bar: CONTROL_GREY track, FILL_GREY fill, no
// visible knob (the value is written on the bar).
void style_bar_slider(lv_obj_t* slider);

// An on/off switch: CONTROL_GREY track, ACCENT_RED when on, TEXT_GREY knob.
void style_on_off_switch(lv_obj_t* sw);
