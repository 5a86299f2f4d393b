// The performance page: the power-limit dial in the middle of the main
// screen, the processor-state gauge left of it and the GPU-clock gauge right,
// the boost and GPU-auto switches and the icon that opens the settings
// screen. The gauges are pictures; invisible controls over them take the
// input, and the handlers move the needle and light the pictures.
#pragma once

#include "lvgl.h"

// Builds the page on `parent` (the main screen), right after the status bar.
// Ends by sending its controls the events a user would, so the stored power
// limit, GPU clock, processor state, boost and GPU mode reach the hardware.
void build_performance_page(lv_obj_t* parent);

// Applies the tier: page, dial and arc sizes, the pictures' zoom and the
// value labels' digits font.
void relayout_performance_page();

// 100 ms: the processor state and boost follow changes made outside the
// panel (the power options, another program).
void performance_sync_tick();

// 1000 ms: the GPU gauge shows the live GPU clock while it is automatic.
void gpu_clock_display_tick();

// The reload dialog's answer to turning automatic GPU mode on: automatic
// mode from now on, with the display driver restarted at once (`reload`) or
// at the next sleep or restart; then back to the main screen.
void confirm_automatic_gpu_clock(bool reload);
