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
extern std::atomic<uint8_t> fade_step;        // 0 transparent .. 10 full panel opacity
extern lv_disp_drv_t display_driver;

int32_t get_window_dpi();
void set_fade_step(uint8_t step);

// Toolkit input devices (read every 10 ms on the toolkit thread).
void pointer_read(lv_indev_drv_t* device, lv_indev_data_t* data);
void keypad_read(lv_indev_drv_t* device, lv_indev_data_t* data);

// Window-procedure halves that live with the input code.
void on_key_message(UINT message, WPARAM key);
void on_char_message(WPARAM unit);
void on_touch_message(HWND window, WPARAM count, LPARAM touch_handle);
void on_ime_start_composition(HWND window);

// Notification-area icon.
void tray_add(HWND window);
void tray_delete(HWND window);
void tray_show_menu(HWND window);
