// The real main screen with the performance page (its artwork, meter, arc,
// sliders, switches and labels; the status bar's three labels stand in as
// plain labels), refreshed in full on the panel's 960 x 1080 buffer at the
// two widest-used tiers, against one plain fill of the same buffer. The
// counter "ratio_to_fill" is comparable with lvgl_bench's reference screen.
// Also the frame of a dial turn by one watt (needle, arc, value label).
//
// Times are the process's CPU time, as in lvgl_bench: the build machine is
// shared, and waiting for a core would otherwise count as drawing time.
#include <benchmark/benchmark.h>

#include <vector>

#include "hardware/device_models.h"
#include "hardware/hardware_state.h"
#include "hardware/power.h"
#include "lvgl.h"
#include "src/draw/sw/lv_draw_sw.h"
#include "ui/layout.h"
#include "ui/pages/performance_page.h"
#include "ui/screens.h"

#include "bench_ratio.h"

namespace {

constexpr lv_coord_t WIDTH = 960, HEIGHT = 1080;

std::vector<lv_color_t> pixels;
lv_disp_draw_buf_t draw_buf;
lv_disp_drv_t drv;
lv_disp_t* disp = nullptr;
double fill_seconds = 0;

void flush_cb(lv_disp_drv_t* d, const lv_area_t*, lv_color_t*) { lv_disp_flush_ready(d); }

// The panel as the program builds it for a display `width` pixels wide.
void build_panel(int32_t width) {
  if (disp) lv_deinit();
  lv_init();
  pixels.assign(size_t(WIDTH) * HEIGHT, lv_color_black());
  lv_disp_draw_buf_init(&draw_buf, pixels.data(), nullptr, uint32_t(pixels.size()));
  lv_disp_drv_init(&drv);
  drv.hor_res = WIDTH;
  drv.ver_res = HEIGHT;
  drv.draw_buf = &draw_buf;
  drv.flush_cb = flush_cb;
  drv.direct_mode = 1;
  drv.full_refresh = 1;
  disp = lv_disp_drv_register(&drv);
  lv_group_set_default(lv_group_create());
  select_layout_tier(width);
  lv_disp_set_theme(disp, lv_theme_default_init(disp, lv_color_hex(0xF44336), lv_color_hex(0x607D8B),
                                                true, font_normal));

  CpuModel = 2;
  BoardModel = 1;
  const CpuBounds& bounds = cpu_bounds(2);
  tdp_min = bounds.tdp_min;
  tdp_max = bounds.tdp_max;
  gpu_min_mhz = bounds.gpu_min;
  gpu_max_mhz = bounds.gpu_max;
  tdp_watts = 18;
  cpu_max_percent = 80;
  gpu_clock_mhz = 1600;
  boost_on = 1;
  gpu_auto = 0;

  main_screen = lv_obj_create(nullptr);
  gpu_auto_screen = lv_obj_create(nullptr);
  settings_screen = lv_obj_create(nullptr);
  lv_obj_clear_flag(main_screen, LV_OBJ_FLAG_SCROLLABLE);
  lv_obj_set_style_bg_color(main_screen, lv_color_hex(0x101010), 0);
  lv_scr_load(main_screen);
  lv_obj_t* bar = lv_obj_create(main_screen);
  lv_obj_set_size(bar, lv_pct(100), lv_pct(4));
  lv_obj_set_style_bg_color(bar, lv_color_hex(0x1A1A1A), 0);
  for (lv_align_t align : {LV_ALIGN_LEFT_MID, LV_ALIGN_CENTER, LV_ALIGN_RIGHT_MID}) {
    lv_obj_t* label = lv_label_create(bar);
    lv_label_set_text(label, align == LV_ALIGN_CENTER ? "Vexa Control Center" : "00:00");
    lv_obj_align(label, align, 0, 0);
  }
  build_performance_page(main_screen);
  relayout_performance_page();
  lv_refr_now(disp);
}

void BM_PlainFill(benchmark::State& state) {
  build_panel(1920);
  fill_seconds = time_plain_fill(state, drv.draw_ctx, pixels.data(), {0, 0, WIDTH - 1, HEIGHT - 1},
                                 lv_color_hex(0x101010));
}

// One full refresh of the main screen; the argument is the display width.
void BM_MainScreenFullRefresh(benchmark::State& state) {
  build_panel(int32_t(state.range(0)));
  double start = cpu_seconds();
  for (auto _ : state) {
    lv_obj_invalidate(main_screen);
    lv_refr_now(disp);
    benchmark::ClobberMemory();
  }
  report_frame(state, start, fill_seconds);
}

// The frame after the dial moved by one watt (the buffer is refreshed in
// full, as the panel's window host does).
void BM_DialTurnFrame(benchmark::State& state) {
  build_panel(1920);
  lv_obj_t* arc = lv_obj_get_child(lv_obj_get_child(main_screen, 1), 10);
  int16_t value = 18;
  double start = cpu_seconds();
  for (auto _ : state) {
    value = value == 18 ? 19 : 18;
    lv_arc_set_value(arc, value);
    lv_event_send(arc, LV_EVENT_VALUE_CHANGED, nullptr);
    lv_refr_now(disp);
    benchmark::ClobberMemory();
  }
  report_frame(state, start, fill_seconds);
}

}  // namespace

BENCHMARK(BM_PlainFill)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MainScreenFullRefresh)->Arg(1920)->Arg(1280)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DialTurnFrame)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
