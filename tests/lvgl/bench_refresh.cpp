// Refresh benchmark: one full refresh of a 960 x 1032 dark screen like the
// panel's main screen (about 40 labels, 6 panels, 3 zoomed 880 x 440 ARGB
// images, arcs), against one plain fill of the same buffer. The ratio of the
// two is reported as the counter "ratio_to_fill" of the refresh benchmark.
//
// Times are the process's CPU time, not the wall clock: the build machine is
// shared, and waiting for a core would otherwise count as drawing time.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "lvgl.h"
#include "src/draw/sw/lv_draw_sw.h"

#include "bench_ratio.h"

namespace {

constexpr lv_coord_t kWidth = 960;
constexpr lv_coord_t kHeight = 1032;

struct Bench {
    std::vector<lv_color_t> pixels;
    std::vector<lv_color_t> image_px;
    lv_img_dsc_t image;
    lv_disp_draw_buf_t draw_buf;
    lv_disp_drv_t drv;
    lv_disp_t * disp = nullptr;
};

void flush_cb(lv_disp_drv_t * drv, const lv_area_t *, lv_color_t *)
{
    lv_disp_flush_ready(drv);
}

void make_image(Bench & b)
{
    const int w = 880;
    const int h = 440;
    b.image_px.resize(static_cast<size_t>(w) * h);
    for(int y = 0; y < h; y++) {
        for(int x = 0; x < w; x++) {
            lv_color_t c = lv_color_make(static_cast<uint8_t>(x * 255 / w), static_cast<uint8_t>(y * 255 / h), 160);
            // Opaque centre, soft transparent rim: a typical panel picture
            double dx = (x - w / 2.0) / (w / 2.0);
            double dy = (y - h / 2.0) / (h / 2.0);
            double d = std::sqrt(dx * dx + dy * dy);
            c.ch.alpha = d < 0.9 ? 255 : (d > 1.0 ? 0 : static_cast<uint8_t>((1.0 - d) * 2550));
            b.image_px[static_cast<size_t>(y) * w + x] = c;
        }
    }
    b.image.header.cf = LV_IMG_CF_TRUE_COLOR_ALPHA;
    b.image.header.always_zero = 0;
    b.image.header.reserved = 0;
    b.image.header.w = w;
    b.image.header.h = h;
    b.image.data_size = static_cast<uint32_t>(b.image_px.size() * sizeof(lv_color_t));
    b.image.data = reinterpret_cast<const uint8_t *>(b.image_px.data());
}

void draw_arcs(lv_event_t * e)
{
    lv_obj_t * obj = lv_event_get_target(e);
    lv_draw_ctx_t * draw_ctx = lv_event_get_draw_ctx(e);
    lv_area_t c;
    lv_obj_get_coords(obj, &c);
    lv_draw_arc_dsc_t arc;
    lv_draw_arc_dsc_init(&arc);
    arc.width = 20;
    arc.rounded = 1;
    lv_point_t center = {static_cast<lv_coord_t>((c.x1 + c.x2) / 2), static_cast<lv_coord_t>((c.y1 + c.y2) / 2)};
    arc.color = lv_color_hex(0x2f3237);
    lv_draw_arc(draw_ctx, &arc, &center, 70, 135, 45);
    arc.color = lv_palette_main(LV_PALETTE_RED);
    lv_draw_arc(draw_ctx, &arc, &center, 70, 135, 330);
}

void build_screen(Bench & b)
{
    lv_obj_t * scr = lv_obj_create(nullptr);
    lv_obj_clear_flag(scr, LV_OBJ_FLAG_SCROLLABLE);
    lv_obj_set_style_bg_color(scr, lv_color_hex(0x101010), 0);
    lv_scr_load(scr);

    for(int p = 0; p < 6; p++) {
        lv_obj_t * panel = lv_obj_create(scr);
        lv_obj_clear_flag(panel, LV_OBJ_FLAG_SCROLLABLE);
        lv_obj_set_size(panel, 440, 300);
        lv_obj_set_pos(panel, 20 + (p % 2) * 470, 40 + (p / 2) * 330);
        if(p % 3 == 0) lv_obj_add_event_cb(panel, draw_arcs, LV_EVENT_DRAW_MAIN_END, nullptr);
        for(int l = 0; l < 7; l++) {
            lv_obj_t * label = lv_label_create(panel);
            lv_label_set_text_fmt(label, "Setting %d.%d  " LV_SYMBOL_RIGHT " %d %%", p, l, l * 13);
            lv_obj_set_pos(label, 0, l * 34);
        }
    }
    const lv_coord_t image_y[] = {60, 380, 700};
    for(lv_coord_t y : image_y) {
        lv_obj_t * img = lv_img_create(scr);
        lv_img_set_src(img, &b.image);
        lv_img_set_zoom(img, 128);
        lv_obj_set_pos(img, 40, y);
    }
}

lv_obj_t * widget_screen;

// One of each widget the panel uses, laid out like a busy page.
lv_obj_t * build_widget_screen(Bench & b)
{
    lv_obj_t * scr = lv_obj_create(nullptr);
    lv_obj_set_style_bg_color(scr, lv_color_hex(0x101010), 0);
    lv_obj_set_flex_flow(scr, LV_FLEX_FLOW_ROW_WRAP);

    lv_obj_t * label = lv_label_create(scr);
    lv_label_set_text(label, "Performance " LV_SYMBOL_CHARGE);
    lv_obj_t * btn = lv_btn_create(scr);
    lv_label_set_text(lv_label_create(btn), "Button");
    lv_obj_t * img = lv_img_create(scr);
    lv_img_set_src(img, &b.image);
    lv_img_set_zoom(img, 84);
    lv_obj_t * slider = lv_slider_create(scr);
    lv_slider_set_value(slider, 60, LV_ANIM_OFF);
    lv_obj_t * bar = lv_bar_create(scr);
    lv_bar_set_value(bar, 40, LV_ANIM_OFF);
    lv_obj_t * arc = lv_arc_create(scr);
    lv_arc_set_value(arc, 70);
    lv_obj_t * sw = lv_switch_create(scr);
    lv_obj_add_state(sw, LV_STATE_CHECKED);
    lv_obj_t * meter = lv_meter_create(scr);
    lv_obj_set_size(meter, 300, 300);
    lv_meter_scale_t * scale = lv_meter_add_scale(meter);
    lv_meter_set_scale_ticks(meter, scale, 21, 2, 6, lv_color_hex(0x9e9e9e));
    lv_meter_set_scale_major_ticks(meter, scale, 2, 4, 12, lv_color_hex(0x000000), 10);
    lv_meter_set_scale_range(meter, scale, 4, 34, 270, 135);
    lv_meter_indicator_t * ind = lv_meter_add_arc(meter, scale, 8, lv_color_hex(0xf44336), 0);
    lv_meter_set_indicator_end_value(meter, ind, 18);
    lv_meter_set_indicator_value(meter, lv_meter_add_needle_line(meter, scale, 4, lv_color_hex(0xf44336), -10), 18);
    lv_obj_t * dd = lv_dropdown_create(scr);
    lv_dropdown_set_options(dd, "Manual\nAuto\nCurve");
    lv_obj_t * chart = lv_chart_create(scr);
    lv_obj_set_size(chart, 400, 250);
    lv_chart_set_type(chart, LV_CHART_TYPE_SCATTER);
    lv_chart_set_point_count(chart, 7);
    lv_chart_series_t * ser = lv_chart_add_series(chart, lv_color_hex(0xf44336), LV_CHART_AXIS_PRIMARY_Y);
    for(int i = 0; i < 7; i++) lv_chart_set_next_value2(chart, ser, (lv_coord_t)(i * 15), (lv_coord_t)(30 + i * 10));
    lv_obj_t * wheel = lv_colorwheel_create(scr, true);
    lv_obj_set_size(wheel, 250, 250);
    lv_obj_t * tabs = lv_tabview_create(scr, LV_DIR_TOP, 60);
    lv_obj_set_size(tabs, 400, 250);
    lv_tabview_add_tab(tabs, "One");
    lv_tabview_add_tab(tabs, "Two");
    lv_obj_t * list = lv_list_create(scr);
    lv_obj_set_size(list, 300, 250);
    for(int i = 0; i < 8; i++) lv_list_add_btn(list, LV_SYMBOL_OK, "1920 X 1080");
    static const char * no_buttons[] = {""};
    lv_obj_t * box = lv_msgbox_create(scr, "Info", "Extended Resolutions applied.", no_buttons, true);
    lv_obj_set_size(box, 400, 200);
    return scr;
}

Bench & bench()
{
    static Bench b;
    if(b.disp) return b;
    lv_init();
    b.pixels.resize(static_cast<size_t>(kWidth) * kHeight);
    lv_disp_draw_buf_init(&b.draw_buf, b.pixels.data(), nullptr, static_cast<uint32_t>(b.pixels.size()));
    lv_disp_drv_init(&b.drv);
    b.drv.hor_res = kWidth;
    b.drv.ver_res = kHeight;
    b.drv.draw_buf = &b.draw_buf;
    b.drv.flush_cb = flush_cb;
    b.drv.direct_mode = 1;
    b.drv.full_refresh = 1;
    b.disp = lv_disp_drv_register(&b.drv);
    lv_theme_t * th = lv_theme_default_init(b.disp, lv_palette_main(LV_PALETTE_RED),
                                            lv_palette_main(LV_PALETTE_BLUE_GREY), true, LV_FONT_DEFAULT);
    lv_disp_set_theme(b.disp, th);
    make_image(b);
    widget_screen = build_widget_screen(b);
    build_screen(b);
    lv_refr_now(b.disp);
    return b;
}

double fill_seconds;

// One solid fill of the whole buffer through the renderer's default blend.
void BM_PlainFill(benchmark::State & state)
{
    Bench & b = bench();
    fill_seconds = time_plain_fill(state, b.drv.draw_ctx, b.pixels.data(), {0, 0, kWidth - 1, kHeight - 1},
                                   lv_color_hex(0x15171A));
}

// One full refresh of the screen (every object drawn, one flush).
void BM_FullRefresh(benchmark::State & state)
{
    Bench & b = bench();
    lv_obj_t * scr = lv_scr_act();
    double start = cpu_seconds();
    for(auto _ : state) {
        lv_obj_invalidate(scr);
        lv_refr_now(b.disp);
        benchmark::ClobberMemory();
    }
    report_frame(state, start, fill_seconds);
}

// The same refresh with the zoomed images resampled every frame (their
// ready-drawn pictures forgotten first): what the first frame costs.
void BM_FullRefreshResampled(benchmark::State & state)
{
    Bench & b = bench();
    lv_obj_t * scr = lv_scr_act();
    double start = cpu_seconds();
    for(auto _ : state) {
        lv_img_cache_invalidate_src(nullptr);
        lv_obj_invalidate(scr);
        lv_refr_now(b.disp);
        benchmark::ClobberMemory();
    }
    report_frame(state, start, fill_seconds);
}

// One full refresh of a screen holding one of each widget.
void BM_WidgetFrame(benchmark::State & state)
{
    Bench & b = bench();
    lv_obj_t * previous = lv_scr_act();
    lv_scr_load(widget_screen);
    lv_refr_now(b.disp);
    double start = cpu_seconds();
    for(auto _ : state) {
        lv_obj_invalidate(widget_screen);
        lv_refr_now(b.disp);
        benchmark::ClobberMemory();
    }
    report_frame(state, start, fill_seconds);
    lv_scr_load(previous);
}

}  // namespace

BENCHMARK(BM_PlainFill)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FullRefresh)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FullRefreshResampled)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WidgetFrame)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
