// The panel's screens, created once at build and never deleted, and the
// widgets of the main panel that later re-layouts touch.
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

// Status-bar labels (updated by the clock timer).
extern lv_obj_t* status_title_label;
extern lv_obj_t* status_clock_label;
extern lv_obj_t* status_battery_label;

// Screen changes all take 500 ms and never delete the screen left.
constexpr uint32_t SCREEN_ANIM_TIME = 500;

// A message box on the active screen, closed by its close button.
void show_message(const char* title, const char* text);
