// Gallery pages of the value widgets: bar and slider, switch, arc, meter.
// Each page is its own screen written to gallery_<name>.png, in the dark
// default theme the gallery set up, for comparison with LVGL 8.3's look.
#include <string>

#include "test_display.h"

#include "src/widgets/lv_widgets_extra.h"

namespace {

lv_obj_t * caption(lv_obj_t * parent, const char * text, lv_coord_t x, lv_coord_t y)
{
    lv_obj_t * l = lv_label_create(parent);
    lv_label_set_text(l, text);
    lv_obj_set_pos(l, x, y);
    return l;
}

lv_obj_t * new_page(const char * title)
{
    lv_obj_t * scr = lv_obj_create(nullptr);
    lv_obj_clear_flag(scr, LV_OBJ_FLAG_SCROLLABLE);
    lv_obj_t * t = caption(scr, title, 24, 12);
    lv_obj_set_style_text_font(t, &lv_font_montserrat_20, 0);
    return scr;
}

// States a widget is shown in, one per row or column.
struct Shown {
    const char * name;
    lv_state_t state;
};
const Shown STATES[] = {
    {"Default", LV_STATE_DEFAULT},
    {"Checked", LV_STATE_CHECKED},
    {"Disabled", LV_STATE_DISABLED},
    {"Focused", LV_STATE_FOCUSED | LV_STATE_FOCUS_KEY},
};

lv_obj_t * page_bar_slider()
{
    lv_obj_t * scr = new_page("Slider and bar");
    lv_coord_t y = 60;
    int value = 30;
    for(const Shown & s : STATES) {
        caption(scr, s.name, 24, y);
        lv_obj_t * sl = lv_slider_create(scr);
        lv_obj_set_pos(sl, 140, y + 4);
        lv_obj_set_width(sl, 300);
        lv_slider_set_value(sl, value, LV_ANIM_OFF);
        lv_obj_add_state(sl, s.state);
        value += 15;
        y += 50;
    }
    caption(scr, "Right to left", 24, y);
    lv_obj_t * rtl = lv_slider_create(scr);
    lv_obj_set_pos(rtl, 140, y + 4);
    lv_obj_set_width(rtl, 300);
    lv_obj_set_style_base_dir(rtl, LV_BASE_DIR_RTL, 0);
    lv_slider_set_value(rtl, 70, LV_ANIM_OFF);
    y += 50;
    caption(scr, "Range", 24, y);
    lv_obj_t * range = lv_slider_create(scr);
    lv_obj_set_pos(range, 140, y + 4);
    lv_obj_set_width(range, 300);
    lv_slider_set_mode(range, LV_SLIDER_MODE_RANGE);
    lv_slider_set_value(range, 80, LV_ANIM_OFF);
    lv_slider_set_left_value(range, 25, LV_ANIM_OFF);

    // A panel-style slider: a flat filled bar with a label on it, no knob.
    y += 50;
    lv_obj_t * flat = lv_slider_create(scr);
    lv_obj_set_pos(flat, 24, y + 4);
    lv_obj_set_size(flat, 416, 40);
    lv_obj_set_style_bg_color(flat, lv_color_hex(0x2b2b2b), 0);
    lv_obj_set_style_bg_opa(flat, LV_OPA_COVER, 0);
    lv_obj_set_style_bg_color(flat, lv_color_hex(0x666666), LV_PART_INDICATOR);
    lv_obj_set_style_bg_opa(flat, LV_OPA_TRANSP, LV_PART_KNOB);
    lv_slider_set_range(flat, 20, 100);
    lv_slider_set_value(flat, 64, LV_ANIM_OFF);
    lv_obj_t * fl = lv_label_create(flat);
    lv_label_set_text(fl, "64%");
    lv_obj_set_style_text_color(fl, lv_color_hex(0xc1c1c1), 0);
    lv_obj_align(fl, LV_ALIGN_RIGHT_MID, -16, 0);

    // Vertical slider and bars.
    lv_obj_t * vs = lv_slider_create(scr);
    lv_obj_set_pos(vs, 500, 70);
    lv_obj_set_size(vs, 14, 300);
    lv_slider_set_value(vs, 65, LV_ANIM_OFF);
    caption(scr, "Bar", 580, 60);
    const int bar_values[] = {0, 35, 100};
    lv_coord_t by = 100;
    for(int v : bar_values) {
        lv_obj_t * bar = lv_bar_create(scr);
        lv_obj_set_pos(bar, 580, by);
        lv_obj_set_width(bar, 220);
        lv_bar_set_value(bar, v, LV_ANIM_OFF);
        by += 40;
    }
    lv_obj_t * sym = lv_bar_create(scr);
    lv_obj_set_pos(sym, 580, by);
    lv_obj_set_width(sym, 220);
    lv_bar_set_range(sym, -50, 50);
    lv_bar_set_mode(sym, LV_BAR_MODE_SYMMETRICAL);
    lv_bar_set_value(sym, -20, LV_ANIM_OFF);
    lv_obj_t * vbar = lv_bar_create(scr);
    lv_obj_set_pos(vbar, 600, by + 40);
    lv_obj_set_size(vbar, 20, 160);
    lv_bar_set_value(vbar, 40, LV_ANIM_OFF);
    return scr;
}

lv_obj_t * page_switch()
{
    lv_obj_t * scr = new_page("Switch");
    lv_coord_t x = 40;
    for(const Shown & s : STATES) {
        if(s.state == LV_STATE_CHECKED) continue;   // the lower row is the checked one
        caption(scr, s.name, x, 70);
        lv_obj_t * off = lv_switch_create(scr);
        lv_obj_set_pos(off, x, 110);
        lv_obj_add_state(off, s.state & ~LV_STATE_CHECKED);
        lv_obj_t * on = lv_switch_create(scr);
        lv_obj_set_pos(on, x, 170);
        lv_obj_add_state(on, s.state | LV_STATE_CHECKED);
        x += 150;
    }
    caption(scr, "Off (top) and on (bottom) in each state", 40, 230);

    // The panel's switches: grey track, red when on, light grey knob, larger.
    const bool checked[] = {false, true};
    x = 40;
    for(bool c : checked) {
        lv_obj_t * sw = lv_switch_create(scr);
        lv_obj_set_pos(sw, x, 290);
        lv_obj_set_size(sw, 120, 60);
        lv_obj_set_style_bg_color(sw, lv_color_hex(0x2b2b2b), 0);
        lv_obj_set_style_bg_color(sw, lv_color_hex(0xf44336), LV_PART_INDICATOR | LV_STATE_CHECKED);
        lv_obj_set_style_bg_color(sw, lv_color_hex(0xc1c1c1), LV_PART_KNOB);
        if(c) lv_obj_add_state(sw, LV_STATE_CHECKED);
        x += 160;
    }
    lv_obj_t * rtl = lv_switch_create(scr);
    lv_obj_set_pos(rtl, x, 305);
    lv_obj_set_style_base_dir(rtl, LV_BASE_DIR_RTL, 0);
    lv_obj_add_state(rtl, LV_STATE_CHECKED);
    caption(scr, "Panel colours; right-to-left checked", 40, 370);
    return scr;
}

lv_obj_t * page_arc()
{
    lv_obj_t * scr = new_page("Arc");
    // The theme gives the arc no look of its own per state: values only.
    lv_coord_t x = 24;
    for(int value : {0, 20, 60, 100}) {
        lv_obj_t * arc = lv_arc_create(scr);
        lv_obj_set_pos(arc, x, 70);
        lv_obj_set_size(arc, 170, 170);
        lv_arc_set_value(arc, (int16_t)value);
        caption(scr, ("Value " + std::to_string(value)).c_str(), x + 50, 250);
        x += 200;
    }

    // The panel's dial: rotated 135, background 0..270, flat indicator ends,
    // knob hidden unless the dial has keyboard focus.
    const bool key_focus[] = {false, true};
    x = 24;
    for(bool f : key_focus) {
        lv_obj_t * dial = lv_arc_create(scr);
        lv_obj_set_pos(dial, x, 290);
        lv_obj_set_size(dial, 170, 170);
        lv_arc_set_rotation(dial, 135);
        lv_arc_set_bg_angles(dial, 0, 270);
        lv_arc_set_range(dial, 5, 30);
        lv_arc_set_value(dial, 18);
        lv_obj_set_style_arc_rounded(dial, false, LV_PART_INDICATOR);
        lv_obj_set_style_bg_opa(dial, LV_OPA_TRANSP, LV_PART_KNOB);
        lv_obj_set_style_bg_opa(dial, LV_OPA_COVER, LV_PART_KNOB | LV_STATE_FOCUS_KEY);
        if(f) lv_obj_add_state(dial, LV_STATE_FOCUSED | LV_STATE_FOCUS_KEY);
        x += 200;
    }
    caption(scr, "Dial 5..30 at 18; right: key focus", 24, 470);
    caption(scr, "Symmetrical, reverse", 470, 470);

    lv_obj_t * sym = lv_arc_create(scr);
    lv_obj_set_pos(sym, 440, 290);
    lv_obj_set_size(sym, 170, 170);
    lv_arc_set_mode(sym, LV_ARC_MODE_SYMMETRICAL);
    lv_arc_set_range(sym, -50, 50);
    lv_arc_set_value(sym, 25);
    lv_obj_t * rev = lv_arc_create(scr);
    lv_obj_set_pos(rev, 640, 290);
    lv_obj_set_size(rev, 170, 170);
    lv_arc_set_mode(rev, LV_ARC_MODE_REVERSE);
    lv_arc_set_value(rev, 30);
    return scr;
}

lv_obj_t * add_gauge(lv_obj_t * scr, lv_coord_t x, lv_coord_t y, lv_color_t major, int32_t value)
{
    lv_obj_t * meter = lv_meter_create(scr);
    lv_obj_set_pos(meter, x, y);
    lv_obj_set_size(meter, 340, 340);
    lv_meter_scale_t * scale = lv_meter_add_scale(meter);
    lv_meter_set_scale_ticks(meter, scale, 21, 2, 6, lv_color_hex(0x9e9e9e));
    lv_meter_set_scale_major_ticks(meter, scale, 2, 4, 12, major, 10);
    lv_meter_set_scale_range(meter, scale, 5, 30, 270, 135);
    lv_meter_indicator_t * arc = lv_meter_add_arc(meter, scale, 8, lv_color_hex(0xf44336), 0);
    lv_meter_indicator_t * needle = lv_meter_add_needle_line(meter, scale, 4, lv_color_hex(0xf44336), -10);
    lv_meter_set_indicator_end_value(meter, arc, value);
    lv_meter_set_indicator_value(meter, needle, value);
    return meter;
}

lv_obj_t * page_meter()
{
    lv_obj_t * scr = new_page("Meter");
    add_gauge(scr, 40, 60, lv_color_hex(0xe0e0e0), 18);
    caption(scr, "21 ticks, every 2nd major with a label;", 40, 410);
    caption(scr, "arc indicator and needle at 18", 40, 432);

    // The panel's own settings: black major ticks, transparent face (it lies on a picture).
    lv_obj_t * face = lv_obj_create(scr);
    lv_obj_set_pos(face, 440, 60);
    lv_obj_set_size(face, 340, 340);
    lv_obj_set_style_radius(face, LV_RADIUS_CIRCLE, 0);
    lv_obj_set_style_bg_color(face, lv_color_hex(0xd0d0d0), 0);
    lv_obj_clear_flag(face, LV_OBJ_FLAG_SCROLLABLE);
    lv_obj_t * m = add_gauge(scr, 440, 60, lv_color_black(), 24);
    lv_obj_set_style_bg_opa(m, LV_OPA_TRANSP, 0);
    lv_obj_set_style_bg_opa(m, LV_OPA_TRANSP, LV_PART_INDICATOR);
    lv_obj_set_style_border_side(m, LV_BORDER_SIDE_NONE, 0);
    lv_obj_set_style_text_color(m, lv_color_hex(0x202020), LV_PART_TICKS);
    caption(scr, "The panel's settings over a light face,", 440, 410);
    caption(scr, "at 24", 440, 432);
    return scr;
}

}  // namespace

// Renders the pages into `out`; true when every PNG was written.
bool gallery_widgets1(TestDisplay & display, const std::string & out)
{

    struct Page {
        const char * file;
        lv_obj_t * (*build)();
    };
    const Page pages[] = {
        {"gallery_slider.png", page_bar_slider},
        {"gallery_switch.png", page_switch},
        {"gallery_arc.png", page_arc},
        {"gallery_meter.png", page_meter},
    };
    bool ok = true;
    for(const Page & p : pages) {
        lv_obj_t * scr = p.build();
        lv_scr_load(scr);
        display.advance(300);
        ok = display.write_png((out + "/" + p.file).c_str()) && ok;
    }
    return ok;
}
