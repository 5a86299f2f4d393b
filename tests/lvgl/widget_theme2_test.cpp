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
