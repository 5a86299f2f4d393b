// Gallery: renders a few screens with the dark default theme into PNG files
// for a person to compare with the look of upstream LVGL 8.3.
//
//   build/host/bin/lvgl_gallery [output-folder]     (default: gallery/)
//
// Writes gallery_widgets.png (labels in three sizes, buttons in their states,
// a bordered panel, an arc and a line, images at zoom 256/168/84 with
// recolour) and gallery_scroll_<n>.png (a long label scrolling).
#include <sys/stat.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "test_display.h"

namespace {

// A round "fan" icon with a soft edge: true colour with per-pixel alpha.
struct Icon {
    std::vector<lv_color_t> px;
    lv_img_dsc_t dsc;
};

void make_icon(Icon & icon, int size)
{
    icon.px.resize(static_cast<size_t>(size) * size);
    double c = (size - 1) / 2.0;
    double r = size / 2.0 - 1;
    for(int y = 0; y < size; y++) {
        for(int x = 0; x < size; x++) {
            double dx = x - c;
            double dy = y - c;
            double d = std::sqrt(dx * dx + dy * dy);
            double a = std::atan2(dy, dx);
            double blade = 0.5 + 0.5 * std::cos(3 * a + d / r * 2.0);
            double cover = std::fmin(1.0, std::fmax(0.0, r - d + 0.5));
            if(d < r * 0.18) blade = 1.0;
            lv_color_t col = lv_color_make(static_cast<uint8_t>(80 + 150 * blade), static_cast<uint8_t>(150 + 80 * blade),
                                           static_cast<uint8_t>(230));
            col.ch.alpha = static_cast<uint8_t>(255 * cover * (0.35 + 0.65 * blade));
            icon.px[static_cast<size_t>(y) * size + x] = col;
        }
    }
    icon.dsc.header.cf = LV_IMG_CF_TRUE_COLOR_ALPHA;
    icon.dsc.header.always_zero = 0;
    icon.dsc.header.reserved = 0;
    icon.dsc.header.w = static_cast<uint32_t>(size);
    icon.dsc.header.h = static_cast<uint32_t>(size);
    icon.dsc.data_size = static_cast<uint32_t>(icon.px.size() * sizeof(lv_color_t));
    icon.dsc.data = reinterpret_cast<const uint8_t *>(icon.px.data());
}

lv_obj_t * add_label(lv_obj_t * parent, const char * text, const lv_font_t * font, lv_coord_t x, lv_coord_t y)
{
    lv_obj_t * l = lv_label_create(parent);
    lv_label_set_text(l, text);
    lv_obj_set_style_text_font(l, font, 0);
    lv_obj_set_pos(l, x, y);
    return l;
}

lv_obj_t * add_button(lv_obj_t * parent, const char * text, lv_coord_t x, lv_coord_t y, lv_state_t state)
{
    lv_obj_t * b = lv_btn_create(parent);
    lv_obj_set_pos(b, x, y);
    lv_obj_set_size(b, 140, 50);
    lv_obj_t * l = lv_label_create(b);
    lv_label_set_text(l, text);
    lv_obj_center(l);
    lv_obj_add_state(b, state);
    return b;
}

// The arc and the line are drawn by a plain object's draw event, as a widget would.
void draw_arc_and_line(lv_event_t * e)
{
    lv_obj_t * obj = lv_event_get_target(e);
    lv_draw_ctx_t * draw_ctx = lv_event_get_draw_ctx(e);
    lv_area_t c;
    lv_obj_get_coords(obj, &c);

    lv_draw_arc_dsc_t arc;
    lv_draw_arc_dsc_init(&arc);
    arc.color = lv_color_hex(0x2f3237);
    arc.width = 14;
    arc.rounded = 1;
    lv_point_t center = {static_cast<lv_coord_t>(c.x1 + 80), static_cast<lv_coord_t>(c.y1 + 80)};
    lv_draw_arc(draw_ctx, &arc, &center, 65, 135, 45);
    arc.color = lv_theme_get_color_primary(obj);
    lv_draw_arc(draw_ctx, &arc, &center, 65, 135, 300);

    lv_draw_line_dsc_t line;
    lv_draw_line_dsc_init(&line);
    line.color = lv_palette_main(LV_PALETTE_BLUE_GREY);
    line.width = 4;
    line.round_start = 1;
    line.round_end = 1;
    lv_point_t p1 = {static_cast<lv_coord_t>(c.x1 + 180), static_cast<lv_coord_t>(c.y1 + 140)};
    lv_point_t p2 = {static_cast<lv_coord_t>(c.x1 + 330), static_cast<lv_coord_t>(c.y1 + 30)};
    lv_draw_line(draw_ctx, &line, &p1, &p2);
}

void build_widgets(lv_obj_t * scr, Icon & icon)
{
    add_label(scr, "Vexa Control Center", &lv_font_montserrat_28, 24, 16);
    add_label(scr, "Performance " LV_SYMBOL_CHARGE " 18 W", &lv_font_montserrat_20, 24, 60);
    add_label(scr, "Fan 2400 rpm  " LV_SYMBOL_WIFI " " LV_SYMBOL_BATTERY_FULL " 87%", &lv_font_montserrat_14, 24, 92);

    add_button(scr, "Default", 24, 130, LV_STATE_DEFAULT);
    add_button(scr, "Pressed", 184, 130, LV_STATE_PRESSED);
    add_button(scr, "Disabled", 344, 130, LV_STATE_DISABLED);
    add_button(scr, "Focused", 504, 130, LV_STATE_FOCUSED | LV_STATE_FOCUS_KEY);
    add_button(scr, "Checked", 664, 130, LV_STATE_CHECKED);

    lv_obj_t * panel = lv_obj_create(scr);
    lv_obj_set_pos(panel, 24, 210);
    lv_obj_set_size(panel, 420, 200);
    lv_obj_clear_flag(panel, LV_OBJ_FLAG_SCROLLABLE);
    lv_obj_add_event_cb(panel, draw_arc_and_line, LV_EVENT_DRAW_MAIN_END, nullptr);
    lv_obj_t * pl = lv_label_create(panel);
    lv_label_set_text(pl, "Panel");
    lv_obj_align(pl, LV_ALIGN_BOTTOM_RIGHT, 0, 0);

    const uint16_t zooms[] = {256, 168, 84};
    lv_coord_t x = 460;
    for(uint16_t z : zooms) {
        lv_obj_t * img = lv_img_create(scr);
        lv_img_set_src(img, &icon.dsc);
        lv_img_set_zoom(img, z);
        lv_obj_set_pos(img, x, 230);
        x += 125;
    }
    lv_obj_t * tinted = lv_img_create(scr);
    lv_img_set_src(tinted, &icon.dsc);
    lv_img_set_zoom(tinted, 168);
    lv_obj_set_style_img_recolor(tinted, lv_palette_main(LV_PALETTE_RED), 0);
    lv_obj_set_style_img_recolor_opa(tinted, LV_OPA_60, 0);
    lv_obj_set_pos(tinted, 600, 340);
    lv_obj_t * sym = lv_img_create(scr);
    lv_img_set_src(sym, LV_SYMBOL_SETTINGS);
    lv_obj_set_style_text_font(sym, &lv_font_montserrat_28, 0);
    lv_obj_set_pos(sym, 500, 380);
}

lv_obj_t * build_scroll_label(lv_obj_t * scr)
{
    lv_obj_t * box = lv_obj_create(scr);
    lv_obj_set_pos(box, 24, 430);
    lv_obj_set_size(box, 420, 60);
    lv_obj_clear_flag(box, LV_OBJ_FLAG_SCROLLABLE);
    lv_obj_t * l = lv_label_create(box);
    lv_label_set_long_mode(l, LV_LABEL_LONG_SCROLL_CIRCULAR);
    lv_obj_set_width(l, 360);
    lv_label_set_text(l, "A long label that does not fit scrolls around and around: " LV_SYMBOL_AUDIO " 42 %");
    lv_obj_center(l);
    return l;
}

}  // namespace

bool gallery_widgets1(TestDisplay & display, const std::string & out);   // gallery_widgets1.cpp
bool write_gallery_widgets2(TestDisplay & display, const std::string & out);   // gallery_widgets2.cpp

int main(int argc, char ** argv)
{
    std::string out = argc > 1 ? argv[1] : "gallery";
    mkdir(out.c_str(), 0755);

    TestDisplay display;
    display.start(840, 510);
    lv_theme_t * th = lv_theme_default_init(display.disp, lv_palette_main(LV_PALETTE_RED),
                                            lv_palette_main(LV_PALETTE_BLUE_GREY), true, LV_FONT_DEFAULT);
    lv_disp_set_theme(display.disp, th);
    lv_obj_t * scr = lv_obj_create(nullptr);
    lv_scr_load(scr);

    Icon icon;
    make_icon(icon, 120);
    build_widgets(scr, icon);
    build_scroll_label(scr);

    display.advance(50);
    bool ok = display.write_png((out + "/gallery_widgets.png").c_str());
    for(int i = 1; i <= 3; i++) {
        display.advance(1200);
        ok = display.write_png((out + "/gallery_scroll_" + std::to_string(i) + ".png").c_str()) && ok;
    }
    ok = gallery_widgets1(display, out) && ok;
    ok = write_gallery_widgets2(display, out) && ok;
    display.stop();
    std::printf("%s: wrote %s/gallery_*.png\n", ok ? "ok" : "failed", out.c_str());
    return ok ? 0 : 1;
}
