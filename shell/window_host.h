// The overlay window and its toolkit host (window thread side).
#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>

#include "lvgl.h"

extern std::atomic<int32_t> client_width, client_height;
extern std::atomic<int32_t> resize_pending;
extern std::atomic<int32_t> current_dpi;
extern std::atomic<uint32_t> pointer_point;   // x in the low 16 bits, y in the high 16
extern std::atomic<int32_t> pointer_pressed;
extern std::atomic<uint8_t> fade_step;        // published copy: 0 transparent .. 10 full opacity
extern lv_disp_drv_t display_driver;
extern lv_indev_t* pointer_device;
extern lv_indev_t* keypad_device;

int32_t get_window_dpi();

// The window's alpha for the fade step in force: `alpha` (the panel's full
// opacity) scaled by fade_step / 10. Window thread before the toolkit thread
// starts, toolkit thread afterwards.
void apply_window_alpha(int32_t alpha);

// Window thread, before the toolkit thread starts: the fade's first state.
// A normal start fades in from full transparency; a hidden one ("-hide")
// starts and stays at full transparency, at the bottom, and draws nothing.
void init_panel_fade(bool hidden);

// Wakes the toolkit thread out of its wait for the next timer (a show or hide
// request, a resize, the end of the program). Any thread.
void wake_toolkit();

// Toolkit input devices (read every 10 ms on the toolkit thread).
void pointer_read(lv_indev_drv_t* device, lv_indev_data_t* data);
void keypad_read(lv_indev_drv_t* device, lv_indev_data_t* data);
// Whether the last controller step found a controller (toolkit thread).
bool controller_connected();
// The keypad's read period for the panel's state (toolkit thread).
uint32_t keypad_period(bool panel_shown);

// Window-procedure halves that live with the input code.
void on_key_message(UINT message, WPARAM key);
void on_char_message(WPARAM unit);
void on_touch_message(HWND window, WPARAM count, LPARAM touch_handle);
void on_ime_start_composition(HWND window);

// Notification-area icon.
void tray_add(HWND window);
void tray_delete(HWND window);
void tray_show_menu(HWND window);
