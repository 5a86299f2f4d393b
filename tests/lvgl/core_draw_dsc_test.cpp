// Draw descriptors filled from an object's styles, how far the drawing
// reaches, whether an object covers an area, and the base object's own
// draw parts.
#include "test_display.h"

#include <functional>
#include <string>
#include <vector>

namespace {

uint32_t rgb(lv_color_t c)
{
    return lv_color_to32(c) & 0xFFFFFF;
}

class DrawDscTest : public DisplayTest {
protected:
    lv_obj_t * parent = nullptr;
    lv_obj_t * obj = nullptr;

    void SetUp() override
    {
        DisplayTest::SetUp();
        parent = lv_obj_create(lv_scr_act());
        lv_obj_remove_style_all(parent);
        lv_obj_set_size(parent, 300, 300);
        obj = lv_obj_create(parent);
        lv_obj_remove_style_all(obj);
        lv_obj_set_pos(obj, 20, 20);
        lv_obj_set_size(obj, 100, 60);
    }
};

lv_color_t halve(const lv_color_filter_dsc_t *, lv_color_t c, lv_opa_t)
{
    return lv_color_make(c.ch.red / 2, c.ch.green / 2, c.ch.blue / 2);
}

// Each group (background, border, outline, shadow) is read only as far as
// it shows: a zero width or a transparent opacity leaves the rest as the
// descriptor had it.
TEST_F(DrawDscTest, rectangle_groups_are_filled_only_as_far_as_they_show)
{
    static lv_color_filter_dsc_t filter;
    lv_color_filter_dsc_init(&filter, halve);

    struct Case {
        const char * what;
        std::function<void()> style;
        std::function<void(lv_draw_rect_dsc_t &)> preset;
        std::function<void(const lv_draw_rect_dsc_t &)> check;
    };
    const Case cases[] = {
        {"background", [&] {
             lv_obj_set_style_bg_color(obj, lv_color_hex(0x204080), 0);
             lv_obj_set_style_bg_opa(obj, LV_OPA_70, 0);
             lv_obj_set_style_radius(obj, 6, 0);
         }, nullptr, [](const lv_draw_rect_dsc_t & d) {
             EXPECT_EQ(rgb(d.bg_color), 0x204080u);
             EXPECT_EQ(d.bg_opa, LV_OPA_70);
             EXPECT_EQ(d.radius, 6);
         }},
        {"background switched off by the caller", [&] {
             lv_obj_set_style_bg_color(obj, lv_color_hex(0xFF0000), 0);
         }, [](lv_draw_rect_dsc_t & d) { d.bg_opa = LV_OPA_TRANSP; }, [](const lv_draw_rect_dsc_t & d) {
             EXPECT_EQ(d.bg_opa, LV_OPA_TRANSP);
             EXPECT_EQ(rgb(d.bg_color), 0xFFFFFFu);
         }},
        {"two-colour gradient", [&] {
             lv_obj_set_style_bg_opa(obj, LV_OPA_COVER, 0);
             lv_obj_set_style_bg_color(obj, lv_color_hex(0x000010), 0);
             lv_obj_set_style_bg_grad_color(obj, lv_color_hex(0x000020), 0);
             lv_obj_set_style_bg_grad_dir(obj, LV_GRAD_DIR_VER, 0);
             lv_obj_set_style_bg_main_stop(obj, 30, 0);
         }, nullptr, [](const lv_draw_rect_dsc_t & d) {
             EXPECT_EQ(d.bg_grad.dir, LV_GRAD_DIR_VER);
             EXPECT_EQ(rgb(d.bg_grad.stops[0].color), 0x000010u);
             EXPECT_EQ(rgb(d.bg_grad.stops[1].color), 0x000020u);
             EXPECT_EQ(d.bg_grad.stops[0].frac, 30);
             EXPECT_EQ(d.bg_grad.stops[1].frac, 255);
         }},
        {"border without width", [&] {
             lv_obj_set_style_border_color(obj, lv_color_hex(0x00FF00), 0);
             lv_obj_set_style_border_side(obj, LV_BORDER_SIDE_TOP, 0);
         }, nullptr, [](const lv_draw_rect_dsc_t & d) {
             EXPECT_EQ(d.border_width, 0);
             EXPECT_EQ(d.border_side, LV_BORDER_SIDE_FULL);
             EXPECT_EQ(rgb(d.border_color), 0x000000u);
         }},
        {"border", [&] {
             lv_obj_set_style_border_width(obj, 3, 0);
             lv_obj_set_style_border_color(obj, lv_color_hex(0x00FF00), 0);
             lv_obj_set_style_border_side(obj, LV_BORDER_SIDE_TOP, 0);
         }, nullptr, [](const lv_draw_rect_dsc_t & d) {
             EXPECT_EQ(d.border_width, 3);
             EXPECT_EQ(d.border_side, LV_BORDER_SIDE_TOP);
             EXPECT_EQ(rgb(d.border_color), 0x00FF00u);
         }},
        {"transparent outline", [&] {
             lv_obj_set_style_outline_width(obj, 4, 0);
             lv_obj_set_style_outline_pad(obj, 2, 0);
             lv_obj_set_style_outline_opa(obj, LV_OPA_TRANSP, 0);
         }, nullptr, [](const lv_draw_rect_dsc_t & d) {
             EXPECT_EQ(d.outline_opa, LV_OPA_TRANSP);
             EXPECT_EQ(d.outline_pad, 0);
         }},
        {"shadow", [&] {
             lv_obj_set_style_shadow_width(obj, 12, 0);
             lv_obj_set_style_shadow_ofs_x(obj, 3, 0);
             lv_obj_set_style_shadow_ofs_y(obj, -4, 0);
             lv_obj_set_style_shadow_spread(obj, 2, 0);
             lv_obj_set_style_shadow_color(obj, lv_color_hex(0x102030), 0);
         }, nullptr, [](const lv_draw_rect_dsc_t & d) {
             EXPECT_EQ(d.shadow_width, 12);
             EXPECT_EQ(d.shadow_ofs_x, 3);
             EXPECT_EQ(d.shadow_ofs_y, -4);
             EXPECT_EQ(d.shadow_spread, 2);
             EXPECT_EQ(rgb(d.shadow_color), 0x102030u);
         }},
        {"shadow without width", [&] { lv_obj_set_style_shadow_ofs_x(obj, 3, 0); }, nullptr,
         [](const lv_draw_rect_dsc_t & d) { EXPECT_EQ(d.shadow_ofs_x, 0); }},
        {"half-transparent parent", [&] {
             lv_obj_set_style_opa(parent, LV_OPA_50, 0);
             lv_obj_set_style_bg_opa(obj, LV_OPA_COVER, 0);
             lv_obj_set_style_border_width(obj, 1, 0);
         }, nullptr, [](const lv_draw_rect_dsc_t & d) {
             EXPECT_NEAR(d.bg_opa, 127, 1);
             EXPECT_NEAR(d.border_opa, 127, 1);
         }},
        {"fully transparent object", [&] { lv_obj_set_style_opa(obj, LV_OPA_TRANSP, 0); }, nullptr,
         [](const lv_draw_rect_dsc_t & d) {
             EXPECT_EQ(d.bg_opa, LV_OPA_TRANSP);
             EXPECT_EQ(d.border_opa, LV_OPA_TRANSP);
             EXPECT_EQ(d.shadow_opa, LV_OPA_TRANSP);
         }},
        {"colour filter", [&] {
             lv_obj_set_style_bg_opa(obj, LV_OPA_COVER, 0);
             lv_obj_set_style_bg_color(obj, lv_color_hex(0x808080), 0);
             lv_obj_set_style_color_filter_dsc(obj, &filter, 0);
             lv_obj_set_style_color_filter_opa(obj, LV_OPA_COVER, 0);
         }, nullptr, [](const lv_draw_rect_dsc_t & d) { EXPECT_EQ(rgb(d.bg_color), 0x404040u); }},
    };
    for(const Case & c : cases) {
        lv_obj_remove_style_all(obj);
        lv_obj_remove_style_all(parent);
        c.style();
        lv_draw_rect_dsc_t d;
        lv_draw_rect_dsc_init(&d);
        if(c.preset) c.preset(d);
        lv_obj_init_draw_rect_dsc(obj, LV_PART_MAIN, &d);
        SCOPED_TRACE(c.what);
        c.check(d);
    }
}

TEST_F(DrawDscTest, text_line_arc_and_image_descriptors)
{
    lv_obj_set_style_text_color(obj, lv_color_hex(0x0A0B0C), 0);
    lv_obj_set_style_text_letter_space(obj, 2, 0);
    lv_obj_set_style_text_line_space(obj, 5, 0);
    lv_obj_set_style_text_font(obj, &lv_font_montserrat_20, 0);
    lv_obj_set_style_text_align(obj, LV_TEXT_ALIGN_CENTER, 0);
    lv_obj_set_style_text_decor(obj, LV_TEXT_DECOR_UNDERLINE, 0);
    lv_obj_set_style_opa(parent, LV_OPA_50, 0);
    lv_draw_label_dsc_t label;
    lv_draw_label_dsc_init(&label);
    lv_obj_init_draw_label_dsc(obj, LV_PART_MAIN, &label);
    EXPECT_EQ(rgb(label.color), 0x0A0B0Cu);
    EXPECT_EQ(label.letter_space, 2);
    EXPECT_EQ(label.line_space, 5);
    EXPECT_EQ(label.font, &lv_font_montserrat_20);
    EXPECT_EQ(label.align, LV_TEXT_ALIGN_CENTER);
    EXPECT_EQ(label.decor, LV_TEXT_DECOR_UNDERLINE);
    EXPECT_NEAR(label.opa, 127, 1);

    lv_obj_set_style_text_opa(obj, LV_OPA_TRANSP, 0);
    lv_draw_label_dsc_init(&label);
    lv_obj_init_draw_label_dsc(obj, LV_PART_MAIN, &label);
    EXPECT_EQ(label.opa, LV_OPA_TRANSP);
    EXPECT_EQ(rgb(label.color), 0x000000u);   // not read for invisible text
    lv_obj_set_style_opa(parent, LV_OPA_COVER, 0);

    lv_obj_set_style_line_width(obj, 3, LV_PART_ITEMS);
    lv_obj_set_style_line_color(obj, lv_color_hex(0x00AA00), LV_PART_ITEMS);
    lv_obj_set_style_line_dash_width(obj, 4, LV_PART_ITEMS);
    lv_obj_set_style_line_dash_gap(obj, 6, LV_PART_ITEMS);
    lv_obj_set_style_line_rounded(obj, true, LV_PART_ITEMS);
    lv_draw_line_dsc_t line;
    lv_draw_line_dsc_init(&line);
    lv_obj_init_draw_line_dsc(obj, LV_PART_ITEMS, &line);
    EXPECT_EQ(line.width, 3);
    EXPECT_EQ(rgb(line.color), 0x00AA00u);
    EXPECT_EQ(line.dash_width, 4);
    EXPECT_EQ(line.dash_gap, 6);
    EXPECT_TRUE(line.round_start);
    EXPECT_TRUE(line.round_end);

    lv_obj_set_style_line_dash_width(obj, 0, LV_PART_ITEMS);
    lv_draw_line_dsc_init(&line);
    lv_obj_init_draw_line_dsc(obj, LV_PART_ITEMS, &line);
    EXPECT_EQ(line.dash_gap, 0);   // a gap needs a dash

    lv_obj_set_style_arc_width(obj, 9, LV_PART_INDICATOR);
    lv_obj_set_style_arc_color(obj, lv_color_hex(0x123456), LV_PART_INDICATOR);
    lv_obj_set_style_arc_rounded(obj, true, LV_PART_INDICATOR);
    lv_draw_arc_dsc_t arc;
    lv_draw_arc_dsc_init(&arc);
    lv_obj_init_draw_arc_dsc(obj, LV_PART_INDICATOR, &arc);
    EXPECT_EQ(arc.width, 9);
    EXPECT_EQ(rgb(arc.color), 0x123456u);
    EXPECT_TRUE(arc.rounded);
    lv_obj_set_style_arc_width(obj, 0, LV_PART_INDICATOR);
    lv_draw_arc_dsc_init(&arc);
    lv_obj_init_draw_arc_dsc(obj, LV_PART_INDICATOR, &arc);
    EXPECT_EQ(arc.width, 0);
    EXPECT_FALSE(arc.rounded);

    lv_obj_set_style_img_recolor(obj, lv_color_hex(0x654321), 0);
    lv_obj_update_layout(obj);   /*the pivot comes from the size*/
    lv_draw_img_dsc_t img;
    lv_draw_img_dsc_init(&img);
    lv_obj_init_draw_img_dsc(obj, LV_PART_MAIN, &img);
    EXPECT_EQ(img.pivot.x, 50);
    EXPECT_EQ(img.pivot.y, 30);
    EXPECT_EQ(img.zoom, LV_IMG_ZOOM_NONE);
    EXPECT_EQ(img.recolor_opa, LV_OPA_TRANSP);
    EXPECT_NE(rgb(img.recolor), 0x654321u);   // not read without recolour opacity
    lv_obj_set_style_img_recolor_opa(obj, LV_OPA_40, 0);
    lv_obj_init_draw_img_dsc(obj, LV_PART_MAIN, &img);
    EXPECT_EQ(rgb(img.recolor), 0x654321u);
}

// How far the drawing reaches past the edges: the farther of shadow and
// outline, plus what a transform grows the object by.
TEST_F(DrawDscTest, the_drawing_reaches_past_the_edges_by_shadow_outline_and_transform)
{
    struct Case {
        const char * what;
        lv_coord_t shadow_w, spread, ofs_x, ofs_y;
        lv_opa_t shadow_opa;
        lv_coord_t outline_w, outline_pad;
        lv_coord_t transform_w;
        lv_coord_t want;
    };
    const Case cases[] = {
        {"nothing", 0, 0, 0, 0, LV_OPA_COVER, 0, 0, 0, 0},
        {"shadow", 10, 2, 3, -5, LV_OPA_COVER, 0, 0, 0, 10 / 2 + 1 + 2 + 5},
        {"invisible shadow", 10, 2, 3, -5, LV_OPA_TRANSP, 0, 0, 0, 0},
        {"outline", 0, 0, 0, 0, LV_OPA_COVER, 4, 2, 0, 6},
        {"the farther wins", 4, 0, 0, 0, LV_OPA_COVER, 4, 2, 0, 6},
        {"transform adds", 0, 0, 0, 0, LV_OPA_COVER, 4, 2, 3, 9},
    };
    for(const Case & c : cases) {
        lv_obj_remove_style_all(obj);
        lv_obj_set_style_shadow_width(obj, c.shadow_w, 0);
        lv_obj_set_style_shadow_spread(obj, c.spread, 0);
        lv_obj_set_style_shadow_ofs_x(obj, c.ofs_x, 0);
        lv_obj_set_style_shadow_ofs_y(obj, c.ofs_y, 0);
        lv_obj_set_style_shadow_opa(obj, c.shadow_opa, 0);
        lv_obj_set_style_outline_width(obj, c.outline_w, 0);
        lv_obj_set_style_outline_pad(obj, c.outline_pad, 0);
        lv_obj_set_style_transform_width(obj, c.transform_w, 0);
        EXPECT_EQ(lv_obj_calculate_ext_draw_size(obj, LV_PART_MAIN), c.want) << c.what;
        EXPECT_EQ(_lv_obj_get_ext_draw_size(obj), c.want) << c.what << " (stored)";
    }
}

// The renderer skips what an opaque object covers; anything that lets the
// background through must say so.
TEST_F(DrawDscTest, an_object_covers_an_area_only_when_nothing_behind_can_show)
{
    struct Case {
        const char * what;
        std::function<void()> style;
        lv_area_t area;
        lv_cover_res_t want;
    };
    // obj sits at (20, 20) .. (119, 79)
    const lv_area_t middle = {40, 30, 90, 60};
    const lv_area_t corner = {20, 20, 23, 23};
    const Case cases[] = {
        {"opaque", [] {}, middle, LV_COVER_RES_COVER},
        {"area past the edge", [] {}, {10, 30, 90, 60}, LV_COVER_RES_NOT_COVER},
        {"rounded corner", [&] { lv_obj_set_style_radius(obj, 10, 0); }, corner, LV_COVER_RES_NOT_COVER},
        {"away from the rounded corner", [&] { lv_obj_set_style_radius(obj, 10, 0); }, middle, LV_COVER_RES_COVER},
        {"half-transparent background", [&] { lv_obj_set_style_bg_opa(obj, LV_OPA_50, 0); }, middle,
         LV_COVER_RES_NOT_COVER},
        {"additive blending", [&] { lv_obj_set_style_blend_mode(obj, LV_BLEND_MODE_ADDITIVE, 0); }, middle,
         LV_COVER_RES_NOT_COVER},
        {"fading parent", [&] { lv_obj_set_style_opa(parent, LV_OPA_50, 0); }, middle, LV_COVER_RES_NOT_COVER},
        {"clipped corners", [&] { lv_obj_set_style_clip_corner(obj, true, 0); }, middle, LV_COVER_RES_MASKED},
    };
    for(const Case & c : cases) {
        lv_obj_remove_style_all(obj);
        lv_obj_remove_style_all(parent);
        lv_obj_set_pos(obj, 20, 20);
        lv_obj_set_size(obj, 100, 60);
        lv_obj_set_style_bg_opa(obj, LV_OPA_COVER, 0);
        c.style();
        lv_obj_update_layout(obj);
        lv_cover_check_info_t info = {LV_COVER_RES_COVER, &c.area};
        lv_event_send(obj, LV_EVENT_COVER_CHECK, &info);
        EXPECT_EQ(info.res, c.want) << c.what;
    }
}

struct PartLog {
    std::vector<std::string> parts;
    lv_color_t paint;
};

void log_part(lv_event_t * e)
{
    auto * log = static_cast<PartLog *>(lv_event_get_user_data(e));
    lv_obj_draw_part_dsc_t * dsc = lv_event_get_draw_part_dsc(e);
    if(dsc->class_p != &lv_obj_class) return;
    const char * names[] = {"rect", "border", "scrollbar"};
    log->parts.push_back(names[dsc->type]);
    if(lv_obj_draw_part_check_type(dsc, &lv_obj_class, LV_OBJ_DRAW_PART_RECTANGLE)) dsc->rect_dsc->bg_color = log->paint;
}

// The base object announces its rectangle, a late border and its
// scrollbars as draw parts; a handler may restyle a part before it is drawn.
TEST_F(DrawDscTest, the_base_object_draws_its_parts_through_draw_part_events)
{
    PartLog log;
    log.paint = lv_color_hex(0x00FF00);
    lv_obj_set_style_bg_opa(obj, LV_OPA_COVER, 0);
    lv_obj_set_style_bg_color(obj, lv_color_hex(0xFF0000), 0);
    lv_obj_set_style_border_width(obj, 2, 0);
    lv_obj_set_style_border_post(obj, true, 0);
    lv_obj_set_style_bg_opa(obj, LV_OPA_COVER, LV_PART_SCROLLBAR);
    lv_obj_set_style_width(obj, 4, LV_PART_SCROLLBAR);
    lv_obj_t * tall = lv_obj_create(obj);
    lv_obj_set_size(tall, 10, 200);
    lv_obj_add_event_cb(obj, log_part, LV_EVENT_DRAW_PART_BEGIN, &log);

    display.advance(20);
    const std::vector<std::string> want = {"rect", "scrollbar", "border"};
    EXPECT_EQ(log.parts, want);
    EXPECT_EQ(display.pixel_rgb(100, 60), 0x00FF00u);   // the handler's colour, not the style's
}

}  // namespace
