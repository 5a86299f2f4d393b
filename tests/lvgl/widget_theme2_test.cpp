// The dark default theme's look of the second widget set: the properties a
// person would notice, read back from objects the theme has just styled.
#include "test_display.h"

#include "src/widgets/lv_widgets_extra2.h"

#include <functional>
#include <string>

namespace {

class Theme2Test : public DisplayTest {};

uint32_t rgb(lv_color_t c)
{
    return lv_color_to32(c) & 0xFFFFFF;
}

TEST_F(Theme2Test, widgets_and_their_parts_take_the_dark_look)
{
    lv_obj_t * scr = lv_scr_act();
    const uint32_t primary = rgb(lv_theme_get_color_primary(scr));
    const uint32_t card = 0x282B30;
    const uint32_t grey = 0x2F3237;

    lv_obj_t * dd = lv_dropdown_create(scr);
    lv_obj_t * dd_list = lv_dropdown_get_list(dd);
    lv_obj_t * chart = lv_chart_create(scr);
    lv_obj_t * cw = lv_colorwheel_create(scr, true);
    lv_obj_t * tv = lv_tabview_create(scr, LV_DIR_TOP, 60);
    lv_obj_t * page = lv_tabview_add_tab(tv, "16:9");
    lv_obj_t * tab_btn = lv_obj_get_child(lv_tabview_get_tab_btns(tv), 0);
    lv_obj_t * list = lv_list_create(page);
    lv_obj_t * list_text = lv_list_add_text(list, "60Hz");
    lv_obj_t * list_btn = lv_list_add_btn(list, nullptr, "1920 X 1080");
    static const char * no_btns[] = {""};
    lv_obj_t * modal = lv_msgbox_create(nullptr, "T", "x", no_btns, true);
    lv_obj_t * plain = lv_obj_create(scr);

    struct Case {
        std::string what;
        std::function<uint32_t()> got;
        uint32_t want;
    };
    const Case cases[] = {
        {"drop-down is a card", [&] { return rgb(lv_obj_get_style_bg_color(dd, 0)); }, card},
        {"its list's selected option, checked, is primary", [&] {
             lv_obj_add_state(dd_list, LV_STATE_CHECKED);
             uint32_t c = rgb(lv_obj_get_style_bg_color(dd_list, LV_PART_SELECTED));
             lv_obj_clear_state(dd_list, LV_STATE_CHECKED);
             return c;
         }, primary},
        {"the list is capped in height", [&] { return (uint32_t)lv_obj_get_style_max_height(dd_list, 0); }, LV_DPI_DEF * 2},
        {"chart points are primary", [&] { return rgb(lv_obj_get_style_bg_color(chart, LV_PART_INDICATOR)); }, primary},
        {"chart division lines are grey", [&] { return rgb(lv_obj_get_style_line_color(chart, 0)); }, grey},
        {"colour wheel knob is primary", [&] { return rgb(lv_obj_get_style_bg_color(cw, LV_PART_KNOB)); }, primary},
        {"colour wheel ring width", [&] { return (uint32_t)lv_obj_get_style_arc_width(cw, 0); },
         (uint32_t)lv_obj_dpx(cw, 10)},
        {"tab view content has no background", [&] {
             return (uint32_t)lv_obj_get_style_bg_opa(lv_tabview_get_content(tv), 0);
         }, LV_OPA_TRANSP},
        {"a tab page has no background", [&] { return (uint32_t)lv_obj_get_style_bg_opa(page, 0); }, LV_OPA_TRANSP},
        {"a plain object still is a card", [&] { return rgb(lv_obj_get_style_bg_color(plain, 0)); }, card},
        {"the active tab's text is primary", [&] { return rgb(lv_obj_get_style_text_color(tab_btn, 0)); }, primary},
        {"the active tab is underlined", [&] { return (uint32_t)lv_obj_get_style_border_side(tab_btn, 0); },
         LV_BORDER_SIDE_BOTTOM},
        {"list texts are grey bands", [&] { return rgb(lv_obj_get_style_bg_color(list_text, 0)); }, grey},
        {"list buttons are cards with a bottom line", [&] { return (uint32_t)lv_obj_get_style_border_side(list_btn, 0); },
         LV_BORDER_SIDE_BOTTOM},
        {"list buttons are not raised buttons", [&] { return rgb(lv_obj_get_style_bg_color(list_btn, 0)); }, card},
        {"message box is a card", [&] { return rgb(lv_obj_get_style_bg_color(modal, 0)); }, card},
        {"a modal box dims the screen", [&] { return (uint32_t)lv_obj_get_style_bg_opa(lv_obj_get_parent(modal), 0); },
         LV_OPA_50},
    };
    for(const Case & c : cases) EXPECT_EQ(c.got(), c.want) << c.what;
}

}  // namespace

namespace {

class ThemeLookTest : public DisplayTest {
protected:
    lv_theme_t * build(lv_disp_t * disp, uint32_t primary, bool dark)
    {
        lv_theme_t * th = lv_theme_default_init(disp, lv_color_hex(primary), lv_palette_main(LV_PALETTE_BLUE_GREY),
                                                dark, LV_FONT_DEFAULT);
        lv_disp_set_theme(display.disp, th);
        return th;
    }
};

TEST_F(ThemeLookTest, the_value_widgets_take_the_primary_colour_and_round_shapes)
{
    build(display.disp, 0xE91E63, true);
    lv_obj_t * scr = lv_scr_act();
    lv_obj_t * bar = lv_bar_create(scr);
    lv_obj_t * slider = lv_slider_create(scr);
    lv_obj_t * sw = lv_switch_create(scr);
    lv_obj_t * arc = lv_arc_create(scr);
    lv_obj_t * meter = lv_meter_create(scr);
    lv_obj_add_state(sw, LV_STATE_CHECKED);

    struct Case {
        std::string what;
        uint32_t got;
        uint32_t want;
    };
    const Case cases[] = {
        {"bar indicator", rgb(lv_obj_get_style_bg_color(bar, LV_PART_INDICATOR)), 0xE91E63},
        {"bar track is a faint primary", (uint32_t)lv_obj_get_style_bg_opa(bar, 0), LV_OPA_20},
        {"bar is a pill", (uint32_t)lv_obj_get_style_radius(bar, 0), LV_RADIUS_CIRCLE},
        {"slider knob", rgb(lv_obj_get_style_bg_color(slider, LV_PART_KNOB)), 0xE91E63},
        {"checked switch indicator", rgb(lv_obj_get_style_bg_color(sw, LV_PART_INDICATOR)), 0xE91E63},
        {"switch knob is white", rgb(lv_obj_get_style_bg_color(sw, LV_PART_KNOB)), 0xFFFFFF},
        {"switch knob sits inside", (uint32_t)-lv_obj_get_style_pad_top(sw, LV_PART_KNOB), (uint32_t)lv_obj_dpx(sw, 4)},
        {"arc indicator", rgb(lv_obj_get_style_arc_color(arc, LV_PART_INDICATOR)), 0xE91E63},
        {"arc width", (uint32_t)lv_obj_get_style_arc_width(arc, 0), (uint32_t)lv_obj_dpx(arc, 15)},
        {"meter is a round card", (uint32_t)lv_obj_get_style_radius(meter, 0), LV_RADIUS_CIRCLE},
        {"meter hub", (uint32_t)lv_obj_get_style_width(meter, LV_PART_INDICATOR), (uint32_t)lv_obj_dpx(meter, 15)},
    };
    for(const Case & c : cases) EXPECT_EQ(c.got, c.want) << c.what;
}

// Building the theme again refills its styles in place: objects made
// before take the new colours without being restyled.
TEST_F(ThemeLookTest, rebuilding_the_theme_recolours_existing_objects)
{
    build(display.disp, 0xF44336, true);
    lv_obj_t * btn = lv_btn_create(lv_scr_act());
    lv_obj_set_pos(btn, 300, 200);
    lv_obj_t * slider = lv_slider_create(lv_scr_act());
    lv_obj_t * list = lv_list_create(lv_scr_act());
    lv_obj_set_size(list, 200, 150);
    lv_obj_t * list_btn = lv_list_add_btn(list, nullptr, "x");
    EXPECT_EQ(rgb(lv_obj_get_style_bg_color(btn, 0)), 0xF44336u);

    build(display.disp, 0x2196F3, true);
    EXPECT_EQ(rgb(lv_obj_get_style_bg_color(btn, 0)), 0x2196F3u);
    EXPECT_EQ(rgb(lv_obj_get_style_bg_color(slider, LV_PART_INDICATOR)), 0x2196F3u);
    lv_obj_add_state(list_btn, LV_STATE_FOCUS_KEY);
    EXPECT_EQ(rgb(lv_obj_get_style_outline_color(list_btn, 0)), 0x2196F3u);

    display.advance(20);
    lv_area_t a;
    lv_obj_get_coords(btn, &a);
    EXPECT_EQ(display.pixel_rgb((lv_coord_t)((a.x1 + a.x2) / 2), (lv_coord_t)((a.y1 + a.y2) / 2)), 0x2196F3u);
}

// The light look has a light screen and raised buttons; the dark one flat buttons.
TEST_F(ThemeLookTest, light_and_dark_looks)
{
    struct Case {
        bool dark;
        uint32_t screen;
        bool shadow;
    };
    const Case cases[] = {
        {true, 0x15171A, false},
        {false, rgb(lv_palette_lighten(LV_PALETTE_GREY, 4)), true},
    };
    for(const Case & c : cases) {
        build(display.disp, 0xF44336, c.dark);
        lv_obj_t * scr = lv_obj_create(nullptr);
        lv_obj_t * btn = lv_btn_create(scr);
        EXPECT_EQ(rgb(lv_obj_get_style_bg_color(scr, 0)), c.screen) << (c.dark ? "dark" : "light");
        EXPECT_EQ(lv_obj_get_style_shadow_width(btn, 0) > 0, c.shadow) << (c.dark ? "dark" : "light");
        lv_obj_del(scr);
    }
}

// Paddings and radii follow the width of the display the theme is built
// for (small up to 320 px, medium below 720 px, large beyond).
TEST_F(ThemeLookTest, paddings_follow_the_display_size_class)
{
    struct Case {
        lv_coord_t width;
        lv_coord_t pad_dpx;
    };
    const Case cases[] = {{320, 16}, {480, 20}, {719, 20}, {720, 24}};
    for(const Case & c : cases) {
        display.disp_drv.hor_res = c.width;
        lv_disp_drv_update(display.disp, &display.disp_drv);
        build(display.disp, 0xF44336, true);
        lv_obj_t * panel = lv_obj_create(lv_scr_act());
        EXPECT_EQ(lv_obj_get_style_pad_left(panel, 0), lv_obj_dpx(panel, c.pad_dpx)) << "width " << c.width;
        lv_obj_del(panel);
    }
    display.disp_drv.hor_res = 480;
    lv_disp_drv_update(display.disp, &display.disp_drv);
}

}  // namespace
