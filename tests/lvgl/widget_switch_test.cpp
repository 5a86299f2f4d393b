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

// Pages apply stored settings by setting the state and sending value-changed
// themselves; the knob must then move only if what is shown has to change.
TEST_F(SwitchTest, value_changed_sent_by_code_slides_the_knob_only_when_the_shown_state_changes)
{
    struct Case {
        const char * name;
        bool drawn_first;   // the switch was on screen before
        bool check;         // the state is set to checked before the event
        double knob_after_80ms;
    };
    const Case cases[] = {
        {"unchanged and drawn: stays put", true, false, 100 + 19.5},
        {"never drawn: shows the new state at once", false, true, 100 + 79.5},
        {"changed after being drawn: on its way over", true, true, -2},
    };
    for(const Case & c : cases) {
        SCOPED_TRACE(c.name);
        lv_obj_t * sw = make_switch();
        lv_obj_set_style_anim_time(sw, 200, 0);
        if(c.drawn_first) display.refresh_now();
        if(c.check) lv_obj_add_state(sw, LV_STATE_CHECKED);
        lv_event_send(sw, LV_EVENT_VALUE_CHANGED, nullptr);
        display.advance(80);
        double x = knob_x(display);
        if(c.knob_after_80ms > 0) EXPECT_NEAR(x, c.knob_after_80ms, 0.5);
        else {
            EXPECT_GT(x, 100 + 25);
            EXPECT_LT(x, 100 + 75);
        }
        lv_obj_del(sw);
    }
}

}  // namespace

namespace {

// The dark default theme's look of the value widgets, as a program sees it
// through the style getters.
TEST_F(SwitchTest, the_default_theme_styles_each_value_widget_by_its_exact_class)
{
    lv_obj_t * scr = lv_scr_act();
    lv_color_t primary = lv_theme_get_color_primary(scr);
    uint32_t p = lv_color_to32(primary) & 0xFFFFFF;
    lv_obj_t * bar = lv_bar_create(scr);
    lv_obj_t * slider = lv_slider_create(scr);
    lv_obj_t * arc = lv_arc_create(scr);
    lv_obj_t * meter = lv_meter_create(scr);
    lv_obj_t * sw = lv_switch_create(scr);

    auto bg = [](lv_obj_t * o, uint32_t sel) { return lv_color_to32(lv_obj_get_style_bg_color(o, sel)) & 0xFFFFFF; };
    auto arc_c = [](lv_obj_t * o, uint32_t sel) { return lv_color_to32(lv_obj_get_style_arc_color(o, sel)) & 0xFFFFFF; };

    // Bar and slider: a muted primary track, a primary indicator; only the slider has a knob.
    EXPECT_EQ(bg(bar, LV_PART_MAIN), p);
    EXPECT_EQ(lv_obj_get_style_bg_opa(bar, LV_PART_MAIN), LV_OPA_20);
    EXPECT_EQ(bg(bar, LV_PART_INDICATOR), p);
    EXPECT_EQ(lv_obj_get_style_bg_opa(bar, LV_PART_KNOB), LV_OPA_TRANSP);
    EXPECT_EQ(bg(slider, LV_PART_INDICATOR), p);
    EXPECT_EQ(bg(slider, LV_PART_KNOB), p);
    EXPECT_EQ(lv_obj_get_style_bg_opa(slider, LV_PART_KNOB), LV_OPA_COVER);
    EXPECT_EQ(lv_obj_get_style_radius(slider, LV_PART_MAIN), LV_RADIUS_CIRCLE);

    // Arc: a grey background ring and a primary indicator of the same width, rounded.
    EXPECT_EQ(arc_c(arc, LV_PART_MAIN), 0x2f3237u);
    EXPECT_EQ(arc_c(arc, LV_PART_INDICATOR), p);
    EXPECT_GT(lv_obj_get_style_arc_width(arc, LV_PART_MAIN), 0);
    EXPECT_EQ(lv_obj_get_style_arc_width(arc, LV_PART_MAIN), lv_obj_get_style_arc_width(arc, LV_PART_INDICATOR));
    EXPECT_TRUE(lv_obj_get_style_arc_rounded(arc, LV_PART_INDICATOR));

    // Meter: a card with a round face and a grey centre disc.
    EXPECT_EQ(bg(meter, LV_PART_MAIN), 0x282b30u);
    EXPECT_EQ(lv_obj_get_style_radius(meter, LV_PART_MAIN), LV_RADIUS_CIRCLE);
    EXPECT_GT(lv_obj_get_style_width(meter, LV_PART_INDICATOR), 0);

    // Switch: grey track, primary when checked, white knob, animated.
    EXPECT_EQ(bg(sw, LV_PART_MAIN), 0x2f3237u);
    EXPECT_EQ(lv_obj_get_style_bg_opa(sw, LV_PART_INDICATOR), LV_OPA_TRANSP);
    lv_obj_add_state(sw, LV_STATE_CHECKED);
    EXPECT_EQ(bg(sw, LV_PART_INDICATOR), p);
    EXPECT_EQ(lv_obj_get_style_bg_opa(sw, LV_PART_INDICATOR), LV_OPA_COVER);
    EXPECT_EQ(bg(sw, LV_PART_KNOB), 0xFFFFFFu);
    EXPECT_GT(lv_obj_get_style_anim_time(sw, LV_PART_MAIN), 0u);
}

}  // namespace
