#include "shell/frame_buffer.h"

#include <cstdint>

#include "shell/blend_route.h"
#include "shell/shell_state.h"
#include "shell/window_host.h"

HDC frame_dc = nullptr;
void* frame_bits = nullptr;

namespace {

lv_disp_draw_buf_t* draw_buffer = nullptr;
HBITMAP frame_bitmap = nullptr;

// GDI may batch FillRect and StretchDIBits; the toolkit's software blender
// writes and reads the same pixels directly. A GDI operation still sitting in
// the batch would land after (and over) later software drawing, so the batch
// is flushed before the software blender touches the buffer and before the
// frame is blitted. Costs nothing when nothing is pending.
bool gdi_pending = false;

void flush_gdi_batch() {
  if (!gdi_pending) return;
  GdiFlush();
  gdi_pending = false;
}

BITMAPINFO top_down_bitmap(int32_t width, int32_t height) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

// Solid fills use the DC's own brush with its colour set per fill: nothing
// to create, cache or leak, however many colours a gradient-free theme, a
// colour wheel or a lighting preview goes through.
HBRUSH dc_brush() { return static_cast<HBRUSH>(GetStockObject(DC_BRUSH)); }

void wait_for_nothing(lv_draw_ctx_t*) {}

// Wine hands a window's drawing to the X server only when the thread that
// owns the window goes through its message loop; the window thread may sleep
// in GetMessage for seconds while the toolkit thread draws, so a clock tick
// or a slider moved by a sync reached the screen up to 1.4 s late (measured
// with tools/measure-volume-sync.sh). A posted WM_NULL after each frame wakes
// it. Windows composites a window DC's drawing by itself and is spared the
// message.
bool running_under_wine() {
  static const bool wine =
      GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
  return wine;
}

}  // namespace

// When no DIB can be made (out of GDI memory, an absurd size) the previous
// buffer is kept and stays the toolkit's target at its old size: the panel
// keeps drawing correctly, just not at the new size, until the next resize
// succeeds. Pointing the toolkit at no buffer would crash on the next frame.
void create_frame_buffer(lv_disp_drv_t* driver, int32_t width, int32_t height) {
  HDC screen_dc = GetDC(main_window);
  HDC memory_dc = CreateCompatibleDC(screen_dc);
  ReleaseDC(main_window, screen_dc);
  if (!memory_dc) return;

  BITMAPINFO info = top_down_bitmap(width, height);
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(memory_dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap || !bits) {
    DeleteDC(memory_dc);
    return;
  }
  HGDIOBJ initial = SelectObject(memory_dc, bitmap);
  if (initial) DeleteObject(initial);
  SelectObject(memory_dc, dc_brush());

  flush_gdi_batch();
  // The old DIB can go once its DC is gone (a DC releases what it holds).
  if (frame_dc) DeleteDC(frame_dc);
  if (frame_bitmap) DeleteObject(frame_bitmap);
  frame_dc = memory_dc;
  frame_bitmap = bitmap;
  frame_bits = bits;

  auto* buffer = static_cast<lv_disp_draw_buf_t*>(lv_mem_alloc(sizeof(lv_disp_draw_buf_t)));
  lv_memset_00(buffer, sizeof(*buffer));
  buffer->buf1 = frame_bits;
  buffer->buf_act = frame_bits;
  buffer->buf2 = nullptr;
  buffer->size = uint32_t(width) * uint32_t(height);
  driver->hor_res = lv_coord_t(width);
  driver->ver_res = lv_coord_t(height);
  driver->flush_cb = flush_frame;
  if (draw_buffer) lv_mem_free(draw_buffer);
  draw_buffer = buffer;
  driver->draw_buf = buffer;
  driver->draw_ctx_init = gdi_draw_ctx_init;
  driver->direct_mode = 1;
  driver->full_refresh = 1;
  driver->dpi = lv_coord_t(current_dpi);
  driver->draw_ctx_size = sizeof(lv_draw_sw_ctx_t);
}

// The window's DC is taken for each flush on the thread that draws (the
// toolkit's) and given back at once: a DC kept from the window thread would
// be used by two threads, and GDI objects belong to the thread that made them.
void flush_frame(lv_disp_drv_t* driver, const lv_area_t* area, lv_color_t*) {
  if (lv_disp_flush_is_last(driver) && frame_dc) {
    flush_gdi_batch();
    HDC window_dc = GetDC(main_window);
    if (window_dc) {
      BitBlt(window_dc, area->x1, area->y1, area->x2 - area->x1 + 1, area->y2 - area->y1 + 1,
             frame_dc, area->x1, area->y1, SRCCOPY);
      ReleaseDC(main_window, window_dc);
      if (running_under_wine()) PostMessageW(main_window, WM_NULL, 0, 0);
    }
  }
  lv_disp_flush_ready(driver);
}

void gdi_draw_ctx_init(lv_disp_drv_t* driver, lv_draw_ctx_t* context) {
  lv_draw_sw_init_ctx(driver, context);
  reinterpret_cast<lv_draw_sw_ctx_t*>(context)->blend = gdi_blend;
  context->wait_for_finish = wait_for_nothing;
}

void gdi_blend(lv_draw_ctx_t* context, const lv_draw_sw_blend_dsc_t* descriptor) {
  BlendPlan plan = plan_blend(context, descriptor);
  if (plan.route == BLEND_ROUTE_NOTHING) return;
  if (plan.route == BLEND_ROUTE_SOFTWARE || !frame_dc) {
    flush_gdi_batch();
    lv_draw_sw_blend_basic(context, descriptor);
    return;
  }
  int32_t width = lv_area_get_width(&plan.area);
  int32_t height = lv_area_get_height(&plan.area);
  if (plan.route == BLEND_ROUTE_IMAGE) {
    // The source rows are as long as the unclipped blend area; the bitmap is
    // described that wide and the clipped columns are picked by the source x.
    // Rows are skipped through the pointer, so the source y stays 0 and the
    // top-down orientation cannot be misread.
    BITMAPINFO info = top_down_bitmap(plan.source_stride, height);
    StretchDIBits(frame_dc, plan.area.x1, plan.area.y1, width, height, plan.source_x, 0, width,
                  height, plan.source_row, &info, DIB_RGB_COLORS, SRCCOPY);
  } else {
    const lv_color_t color = descriptor->color;
    SetDCBrushColor(frame_dc, RGB(color.ch.red, color.ch.green, color.ch.blue));
    RECT rect = {plan.area.x1, plan.area.y1, plan.area.x2 + 1, plan.area.y2 + 1};
    FillRect(frame_dc, &rect, dc_brush());
  }
  gdi_pending = true;
}
