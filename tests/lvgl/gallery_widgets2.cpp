// Gallery pages of the drop-down, chart, colour wheel, tab view, list and
// message box, rendered with the dark default theme for a person to compare
// with upstream LVGL 8.3. Called by gallery.cpp after its own pages:
//
//   gallery_chart.png       scatter chart of seven points with ticks, a cursor
//                           and a faded area drawn by a draw-part handler
//   gallery_colorwheel.png  three wheel sizes (arc width = size / 4)
//   gallery_dropdown.png    one drop-down open, one closed, one disabled
//   gallery_tabview.png     a tab view holding lists
//   gallery_list.png        a list with texts and buttons, one pressed-looking
//   gallery_msgbox.png      a message box with a close button, one with buttons
#include <string>

#include "test_display.h"

#include "src/widgets/lv_widgets_extra2.h"

namespace {

const lv_coord_t CURVE[7][2] = {{0, 40}, {20, 40}, {50, 50}, {60, 60}, {70, 90}, {90, 100}, {100, 100}};

lv_obj_t * new_screen()
{
    lv_obj_t * scr = lv_obj_create(nullptr);
    lv_obj_clear_flag(scr, LV_OBJ_FLAG_SCROLLABLE);
    lv_obj_set_style_bg_color(scr, lv_color_hex(0x101010), 0);
    lv_scr_load(scr);
    return scr;
}

// The fan page's look: under each segment a fill in the line's colour, cut
// by the segment and fading towards the bottom.
void faded_area_cb(lv_event_t * e)
{
    lv_obj_t * obj = lv_event_get_target(e);
    lv_obj_draw_part_dsc_t * dsc = lv_event_get_draw_part_dsc(e);
    if(dsc->part != LV_PART_ITEMS || !dsc->p1 || !dsc->p2) return;

    lv_draw_mask_line_param_t line_mask;
    lv_draw_mask_line_points_init(&line_mask, dsc->p1->x, dsc->p1->y, dsc->p2->x, dsc->p2->y,
                                  LV_DRAW_MASK_LINE_SIDE_BOTTOM);
    int16_t line_id = lv_draw_mask_add(&line_mask, nullptr);
    lv_coord_t h = lv_obj_get_height(obj);
    lv_draw_mask_fade_param_t fade_mask;
    lv_draw_mask_fade_init(&fade_mask, &obj->coords, LV_OPA_COVER, obj->coords.y1 + h / 8, LV_OPA_20, obj->coords.y2);
    int16_t fade_id = lv_draw_mask_add(&fade_mask, nullptr);

    lv_draw_rect_dsc_t rect;
    lv_draw_rect_dsc_init(&rect);
    rect.bg_opa = LV_OPA_20;
    rect.bg_color = dsc->line_dsc->color;
    lv_area_t a = {dsc->p1->x, LV_MIN(dsc->p1->y, dsc->p2->y), (lv_coord_t)(dsc->p2->x - 1), obj->coords.y2};
    lv_draw_rect(dsc->draw_ctx, &rect, &a);

    lv_draw_mask_free_param(&line_mask);
    lv_draw_mask_free_param(&fade_mask);
    lv_draw_mask_remove_id(line_id);
    lv_draw_mask_remove_id(fade_id);
}

void extra_draw_size_cb(lv_event_t * e)
{
    lv_coord_t * s = static_cast<lv_coord_t *>(lv_event_get_param(e));
    if(*s < 20) *s = 20;
}

void build_chart(lv_obj_t * scr)
{
    lv_obj_t * chart = lv_chart_create(scr);
    lv_obj_set_size(chart, 640, 330);
    lv_obj_align(chart, LV_ALIGN_TOP_MID, 20, lv_pct(5));
    lv_chart_set_div_line_count(chart, 11, 11);
    lv_chart_set_type(chart, LV_CHART_TYPE_SCATTER);
    lv_chart_set_point_count(chart, 7);
    lv_obj_set_style_line_width(chart, 2, LV_PART_ITEMS);
    lv_obj_set_style_width(chart, 10, LV_PART_INDICATOR);
    lv_obj_set_style_height(chart, 10, LV_PART_INDICATOR);
    lv_chart_set_axis_tick(chart, LV_CHART_AXIS_PRIMARY_X, 10, 5, 11, 6, true, 50);
    lv_chart_set_axis_tick(chart, LV_CHART_AXIS_PRIMARY_Y, 10, 5, 11, 6, true, 50);
    lv_chart_set_range(chart, LV_CHART_AXIS_PRIMARY_X, 0, 100);
    lv_chart_set_range(chart, LV_CHART_AXIS_PRIMARY_Y, 0, 100);
    lv_obj_add_event_cb(chart, faded_area_cb, LV_EVENT_DRAW_PART_BEGIN, nullptr);
    lv_obj_add_event_cb(chart, extra_draw_size_cb, LV_EVENT_REFR_EXT_DRAW_SIZE, nullptr);
    lv_obj_refresh_ext_draw_size(chart);

    lv_chart_cursor_t * cursor = lv_chart_add_cursor(chart, lv_color_hex(0x2196f3), LV_DIR_LEFT | LV_DIR_BOTTOM);
    lv_chart_series_t * ser = lv_chart_add_series(chart, lv_color_hex(0xf44336), LV_CHART_AXIS_PRIMARY_Y);
    lv_coord_t * xs = lv_chart_get_x_array(chart, ser);
    lv_coord_t * ys = lv_chart_get_y_array(chart, ser);
    for(int i = 0; i < 7; i++) {
        xs[i] = CURVE[i][0];
        ys[i] = CURVE[i][1];
    }
    lv_chart_refresh(chart);

    // The cursor marks the operating point 45 degC / 45 % (content-relative position on a 0..100 axis).
    lv_obj_update_layout(chart);
    lv_coord_t w = lv_obj_get_content_width(chart);
    lv_coord_t h = lv_obj_get_content_height(chart);
    lv_coord_t left = lv_obj_get_style_pad_left(chart, 0) + lv_obj_get_style_border_width(chart, 0);
    lv_coord_t top = lv_obj_get_style_pad_top(chart, 0) + lv_obj_get_style_border_width(chart, 0);
    lv_point_t pos = {(lv_coord_t)(left + w * 45 / 100), (lv_coord_t)(top + h - h * 45 / 100)};
    lv_chart_set_cursor_pos(chart, cursor, &pos);

    lv_obj_t * caption = lv_label_create(chart);
    lv_label_set_text(caption, "Temperature \xC2\xB0" "C");
    lv_obj_align(caption, LV_ALIGN_BOTTOM_MID, 0, 0);
}

void build_colorwheels(lv_obj_t * scr)
{
    const lv_coord_t sizes[3] = {150, 230, 320};
    const lv_coord_t xs[3] = {40, 230, 490};
    const uint16_t hues[3] = {0, 120, 250};
    for(int i = 0; i < 3; i++) {
        lv_obj_t * cw = lv_colorwheel_create(scr, true);
        lv_obj_set_size(cw, sizes[i], sizes[i]);
        lv_obj_set_pos(cw, xs[i], 470 - sizes[i] - 60);
        lv_obj_set_style_arc_width(cw, sizes[i] / 4, 0);
        lv_colorwheel_set_hsv(cw, lv_color_hsv_t{hues[i], 100, 100});
        lv_colorwheel_set_mode_fixed(cw, true);
    }
}

void build_dropdowns(lv_obj_t * scr)
{
    lv_obj_t * open = lv_dropdown_create(scr);
    lv_dropdown_set_options(open, "Manual\nAuto\nCustom");
    lv_dropdown_set_selected(open, 1);
    lv_obj_set_pos(open, 60, 60);
    lv_obj_set_width(open, 220);

    lv_obj_t * closed = lv_dropdown_create(scr);
    lv_dropdown_set_options(closed, "Auto\nManual");
    lv_obj_set_pos(closed, 340, 60);
    lv_obj_set_width(closed, 200);

    lv_obj_t * disabled = lv_dropdown_create(scr);
    lv_dropdown_set_options(disabled, "Disabled\nB");
    lv_obj_set_pos(disabled, 580, 60);
    lv_obj_set_width(disabled, 200);
    lv_obj_add_state(disabled, LV_STATE_DISABLED);

    lv_obj_update_layout(scr);
    lv_dropdown_open(open);
}

lv_obj_t * fill_mode_list(lv_obj_t * parent, int first_long, int first_short)
{
    lv_obj_t * list = lv_list_create(parent);
    lv_obj_set_size(list, lv_pct(100), lv_pct(100));
    lv_obj_set_style_pad_row(list, 10, 0);
    const int rates[3] = {60, 50, 40};
    for(int r = 0; r < 3; r++) {
        char buf[32];
        lv_snprintf(buf, sizeof(buf), "%dHz", rates[r]);
        lv_list_add_text(list, buf);
        for(int i = 0; i < 2; i++) {
            lv_snprintf(buf, sizeof(buf), "   %d X %d", first_long - i * 640, first_short - i * 360);
            lv_obj_t * b = lv_list_add_btn(list, nullptr, buf);
            lv_obj_set_width(b, lv_pct(100));
        }
    }
    return list;
}

void build_tabview(lv_obj_t * scr)
{
    lv_obj_t * box = lv_obj_create(scr);
    lv_obj_set_size(box, lv_pct(90), lv_pct(80));
    lv_obj_align(box, LV_ALIGN_TOP_MID, 0, lv_pct(8));
    lv_obj_clear_flag(box, LV_OBJ_FLAG_SCROLLABLE);
    lv_obj_set_style_pad_all(box, 0, 0);
    lv_obj_set_style_bg_opa(box, LV_OPA_TRANSP, 0);
    lv_obj_set_style_border_side(box, LV_BORDER_SIDE_NONE, 0);

    lv_obj_t * tv = lv_tabview_create(box, LV_DIR_TOP, 60);
    fill_mode_list(lv_tabview_add_tab(tv, "16:9"), 2560, 1440);
    fill_mode_list(lv_tabview_add_tab(tv, "4:3"), 1600, 1200);
}

void build_list(lv_obj_t * scr)
{
    lv_obj_t * list = lv_list_create(scr);
    lv_obj_set_size(list, 300, 400);
    lv_obj_align(list, LV_ALIGN_LEFT_MID, 60, 0);
    lv_list_add_text(list, "File");
    lv_list_add_btn(list, LV_SYMBOL_FILE, "New");
    lv_obj_t * pressed = lv_list_add_btn(list, LV_SYMBOL_DIRECTORY, "Open");
    lv_obj_add_state(pressed, LV_STATE_PRESSED);
    lv_list_add_btn(list, LV_SYMBOL_SAVE, "Save");
    lv_list_add_text(list, "Connectivity");
    lv_list_add_btn(list, LV_SYMBOL_BLUETOOTH, "Bluetooth");
    lv_list_add_btn(list, LV_SYMBOL_GPS, "Navigation");
    lv_list_add_btn(list, LV_SYMBOL_USB, "USB");
    lv_list_add_btn(list, LV_SYMBOL_BATTERY_FULL, "Battery");

    // The app's mode list: a short one beside it, in the row padding the display page uses.
    lv_obj_t * box = lv_obj_create(scr);
    lv_obj_set_size(box, 360, 400);
    lv_obj_align(box, LV_ALIGN_RIGHT_MID, -60, 0);
    lv_obj_set_style_pad_all(box, 0, 0);
    fill_mode_list(box, 1920, 1080);
}

void build_msgboxes(lv_obj_t * scr)
{
    static const char * no_btns[] = {""};
    lv_obj_t * info = lv_msgbox_create(scr, "Notice", "The profile was saved.", no_btns, true);
    lv_obj_set_style_text_align(lv_msgbox_get_text(info), LV_TEXT_ALIGN_CENTER, 0);
    lv_obj_set_size(info, lv_pct(70), lv_pct(20));
    lv_obj_align(info, LV_ALIGN_TOP_MID, 0, 40);

    static const char * btns[] = {"Apply", "Cancel", ""};
    lv_obj_t * ask = lv_msgbox_create(scr, "Update", "A new version is available. Install it now?", btns, false);
    lv_obj_set_width(ask, 420);
    lv_obj_align(ask, LV_ALIGN_BOTTOM_MID, 0, -60);
}

}  // namespace

bool write_gallery_widgets2(TestDisplay & display, const std::string & out)
{
    struct Page {
        const char * name;
        void (*build)(lv_obj_t *);
    };
    const Page pages[] = {
        {"chart", build_chart},       {"colorwheel", build_colorwheels}, {"dropdown", build_dropdowns},
        {"tabview", build_tabview},   {"list", build_list},               {"msgbox", build_msgboxes},
    };

    bool ok = true;
    for(const Page & p : pages) {
        lv_obj_t * old = lv_scr_act();
        lv_obj_t * scr = new_screen();
        if(old != scr) lv_obj_del(old);
        p.build(scr);
        display.advance(100);
        ok = display.write_png((out + "/gallery_" + p.name + ".png").c_str()) && ok;
        lv_obj_clean(lv_layer_top());
    }
    return ok;
}
