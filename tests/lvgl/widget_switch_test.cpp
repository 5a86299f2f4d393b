// Switch: clicks toggle the checked state, the knob slides, disabled ignores input.
#include "test_display.h"

#include "src/widgets/lv_widgets_extra.h"

#include <vector>

namespace {

constexpr uint32_t KNOB_RGB = 0x00FF00;

class SwitchTest : public DisplayTest {};

// A 100 x 40 switch at (100, 100) with a green, unpadded knob on a dark track.
lv_obj_t * make_switch()
{
    lv_obj_t * sw = lv_switch_create(lv_scr_act());
    lv_obj_set_pos(sw, 100, 100);
    lv_obj_set_size(sw, 100, 40);
    lv_obj_set_style_bg_color(sw, lv_color_hex(0x202020), 0);
    lv_obj_set_style_bg_opa(sw, LV_OPA_COVER, 0);
    lv_obj_set_style_bg_opa(sw, LV_OPA_TRANSP, LV_PART_INDICATOR);
    lv_obj_set_style_bg_opa(sw, LV_OPA_TRANSP, LV_PART_INDICATOR | LV_STATE_CHECKED);
    lv_obj_set_style_bg_color(sw, lv_color_hex(KNOB_RGB), LV_PART_KNOB);
    lv_obj_set_style_bg_opa(sw, LV_OPA_COVER, LV_PART_KNOB);
    lv_obj_set_style_pad_all(sw, 0, LV_PART_KNOB);
    lv_obj_set_style_radius(sw, 0, LV_PART_KNOB);
    lv_obj_set_style_outline_width(sw, 0, LV_STATE_FOCUS_KEY);
    return sw;
}

// Mean x of the knob's pixels on the switch's middle row, -1 if none.
double knob_x(TestDisplay & d)
{
    long sum = 0;
    int n = 0;
    for(lv_coord_t x = 90; x < 210; x++) {
        if(d.pixel_rgb(x, 120) == KNOB_RGB) {
            sum += x;
            n++;
        }
    }
    return n ? (double)sum / n : -1.0;
}

int count(const std::vector<lv_event_code_t> & codes, lv_event_code_t code)
{
    int n = 0;
    for(lv_event_code_t c : codes) n += c == code;
    return n;
}

TEST_F(SwitchTest, each_click_toggles_checked_and_sends_one_value_changed)
{
    lv_obj_t * sw = make_switch();
    EventLog log;
    log.attach(sw);
    for(int i = 1; i <= 3; i++) {
        display.click(150, 120);
        EXPECT_EQ(lv_obj_has_state(sw, LV_STATE_CHECKED), i % 2 == 1) << "click " << i;
        EXPECT_EQ(count(log.codes, LV_EVENT_VALUE_CHANGED), i) << "click " << i;
    }
}

TEST_F(SwitchTest, the_knob_slides_to_the_checked_end_over_the_animation_time)
{
    lv_obj_t * sw = make_switch();
    lv_obj_set_style_anim_time(sw, 200, 0);
    display.refresh_now();
    EXPECT_NEAR(knob_x(display), 100 + 19.5, 0.5);

    display.click(150, 120);
    display.advance(80);
    double mid = knob_x(display);
    EXPECT_GT(mid, 100 + 25);
    EXPECT_LT(mid, 100 + 75);

    display.advance(300);
    EXPECT_NEAR(knob_x(display), 100 + 79.5, 0.5);

    // Right to left the checked knob rests at the left.
    lv_obj_set_style_base_dir(sw, LV_BASE_DIR_RTL, 0);
    display.refresh_now();
    EXPECT_NEAR(knob_x(display), 100 + 19.5, 0.5);
}

TEST_F(SwitchTest, a_disabled_switch_ignores_clicks_and_keys)
{
    lv_obj_t * sw = make_switch();
    lv_group_focus_obj(sw);
    lv_obj_add_state(sw, LV_STATE_DISABLED);
    EventLog log;
    log.attach(sw);
    display.click(150, 120);
    display.type_key(LV_KEY_ENTER);
    EXPECT_FALSE(lv_obj_has_state(sw, LV_STATE_CHECKED));
    EXPECT_EQ(count(log.codes, LV_EVENT_VALUE_CHANGED), 0);
}

}  // namespace
