// The panel's screens, created once at build and never deleted, and the
// moves between them that every page shares.
#pragma once

#include "lvgl.h"

extern lv_obj_t* main_screen;
extern lv_obj_t* display_screen;
extern lv_obj_t* lighting_screen;
extern lv_obj_t* fan_curve_screen;
extern lv_obj_t* update_screen;
extern lv_obj_t* gpu_auto_screen;
extern lv_obj_t* settings_screen;
extern lv_obj_t* incompatible_screen;

// Screen changes all take 500 ms and never delete the screen left.
constexpr uint32_t SCREEN_ANIM_TIME = 500;

// Creates the seven screens of a supported device in their fixed order; the
// main screen gets its background and does not scroll.
void create_screens();

// Slides `screen` in from below (a sub-screen opened from the main screen).
void open_sub_screen(lv_obj_t* screen);

// Event callback of every "Back" button: on a click, slides the main screen
// back in from above.
void back_to_main_screen(lv_event_t* event);

// A message box on the active screen, closed by its close button.
void show_message(const char* title, const char* text);
