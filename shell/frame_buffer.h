// The frame buffer: a top-down 32-bit DIB section that the toolkit renders
// into directly and that GDI fills and copies into; finished frames are
// blitted to the window.
#pragma once

#include <windows.h>

#include "lvgl.h"
#include "src/draw/sw/lv_draw_sw.h"

extern HDC frame_dc;     // memory DC holding the DIB (nullptr when none could be made)
extern void* frame_bits; // the DIB's pixels

// (Re)builds the DIB for the size and points the display driver at it.
void create_frame_buffer(lv_disp_drv_t* driver, int32_t width, int32_t height);

void flush_frame(lv_disp_drv_t* driver, const lv_area_t* area, lv_color_t* pixels);
void gdi_draw_ctx_init(lv_disp_drv_t* driver, lv_draw_ctx_t* context);
void gdi_blend(lv_draw_ctx_t* context, const lv_draw_sw_blend_dsc_t* descriptor);
