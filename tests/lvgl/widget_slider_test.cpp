// Slider: dragging, keys, clamping, right-to-left geometry, disabled state.
#include "test_display.h"

#include "src/widgets/lv_widgets_extra.h"

#include <utility>
#include <vector>

namespace {

using Codes = std::vector<lv_event_code_t>;

constexpr uint32_t MAIN_RGB = 0x800000;
constexpr uint32_t INDIC_RGB = 0x00C000;

// A 200 x 20 slider at (40, 100), range 0..100, in plain colours without a knob,
// so its pixels say where the indicator ends whatever the theme draws.
lv_obj_t * make_slider(lv_base_dir_t dir = LV_BASE_DIR_LTR)
{
    lv_obj_t * s = lv_slider_create(lv_scr_act());
    lv_obj_set_pos(s, 40, 100);
    lv_obj_set_size(s, 200, 20);
    lv_obj_set_style_base_dir(s, dir, 0);
    lv_obj_set_style_pad_all(s, 0, 0);
    lv_obj_set_style_radius(s, 0, 0);
    lv_obj_set_style_radius(s, 0, LV_PART_INDICATOR);
    lv_obj_set_style_bg_color(s, lv_color_hex(MAIN_RGB), 0);
    lv_obj_set_style_bg_opa(s, LV_OPA_COVER, 0);
    lv_obj_set_style_bg_color(s, lv_color_hex(INDIC_RGB), LV_PART_INDICATOR);
    lv_obj_set_style_bg_opa(s, LV_OPA_COVER, LV_PART_INDICATOR);
    lv_obj_set_style_bg_opa(s, LV_OPA_TRANSP, LV_PART_KNOB);
    lv_obj_set_style_outline_width(s, 0, LV_STATE_FOCUS_KEY);
    lv_obj_set_style_transform_width(s, 0, LV_PART_KNOB | LV_STATE_PRESSED);
    lv_obj_set_style_transform_height(s, 0, LV_PART_KNOB | LV_STATE_PRESSED);
    return s;
}

// Value-changed events with the value seen by the handler, plus pressed and released.
struct ValueLog {
    std::vector<std::pair<lv_event_code_t, int32_t>> entries;

    static void cb(lv_event_t * e)
    {
        lv_event_code_t code = lv_event_get_code(e);
        if(code != LV_EVENT_PRESSED && code != LV_EVENT_VALUE_CHANGED && code != LV_EVENT_RELEASED) return;
        auto * self = static_cast<ValueLog *>(lv_event_get_user_data(e));
        self->entries.emplace_back(code, lv_slider_get_value(lv_event_get_target(e)));
    }
    void attach(lv_obj_t * obj) { lv_obj_add_event_cb(obj, cb, LV_EVENT_ALL, this); }
};

class SliderTest : public DisplayTest {};

// x on the screen that a drag must reach for `value` (0..100) on the 200 px slider.
lv_coord_t x_of(int value, lv_base_dir_t dir = LV_BASE_DIR_LTR)
{
    return dir == LV_BASE_DIR_RTL ? (lv_coord_t)(40 + 199 - value * 2) : (lv_coord_t)(40 + value * 2);
}

TEST_F(SliderTest, a_drag_sends_pressed_then_one_value_changed_per_change_then_released)
{
    lv_obj_t * s = make_slider();
    ValueLog log;
    log.attach(s);

    display.press(x_of(25), 110);
    EXPECT_TRUE(lv_slider_is_dragged(s));
    display.move(x_of(50), 112);
    display.move(x_of(50), 108);   // vertical wobble: same value, no event
    display.move(x_of(75), 110);
    display.release();
    EXPECT_FALSE(lv_slider_is_dragged(s));

    const std::vector<std::pair<lv_event_code_t, int32_t>> expected = {
        {LV_EVENT_PRESSED, 0},       {LV_EVENT_VALUE_CHANGED, 25}, {LV_EVENT_VALUE_CHANGED, 50},
        {LV_EVENT_VALUE_CHANGED, 75}, {LV_EVENT_RELEASED, 75},
    };
    EXPECT_EQ(log.entries, expected);
}

TEST_F(SliderTest, dragging_past_either_end_stops_at_the_range_limits)
{
    struct Case {
        const char * name;
        int32_t min, max;
        lv_coord_t to_x;
        int32_t expected;
    };
    const Case cases[] = {
        {"far left", 0, 100, 0, 0},
        {"far right", 0, 100, 479, 100},
        {"far right, offset range", 40, 100, 479, 100},
        {"far left, offset range", 40, 100, 0, 40},
        {"middle, offset range", 40, 100, x_of(50), 70},
        {"negative range, far left", -50, 50, 0, -50},
    };
    for(const Case & c : cases) {
        SCOPED_TRACE(c.name);
        lv_obj_t * s = make_slider();
        lv_slider_set_range(s, c.min, c.max);
        display.press(x_of(50), 110);
        display.move(c.to_x, 110);
        EXPECT_EQ(lv_slider_get_value(s), c.expected);
        display.release();
        EXPECT_EQ(lv_slider_get_value(s), c.expected);
        lv_obj_del(s);
    }
}

TEST_F(SliderTest, set_value_and_set_range_keep_the_value_inside_the_range)
{
    struct Case {
        const char * name;
        int32_t min, max;   // range set first
        int32_t value;      // then this value
        int32_t min2, max2; // then this range
        int32_t expected;
    };
    const Case cases[] = {
        {"inside", 0, 100, 30, 0, 100, 30},
        {"above", 0, 100, 130, 0, 100, 100},
        {"below", 40, 100, 10, 40, 100, 40},
        {"range shrinks under the value", 0, 100, 90, 0, 50, 50},
        {"range moves over the value", 0, 100, 10, 20, 60, 20},
        {"reversed range is taken as meant", 100, 40, 70, 100, 40, 70},
    };
    for(const Case & c : cases) {
        SCOPED_TRACE(c.name);
        lv_obj_t * s = lv_slider_create(lv_scr_act());
        lv_slider_set_range(s, c.min, c.max);
        lv_slider_set_value(s, c.value, LV_ANIM_OFF);
        lv_slider_set_range(s, c.min2, c.max2);
        EXPECT_EQ(lv_slider_get_value(s), c.expected);
        EXPECT_EQ(lv_slider_get_min_value(s), std::min(c.min2, c.max2));
        EXPECT_EQ(lv_slider_get_max_value(s), std::max(c.min2, c.max2));
        lv_obj_del(s);
    }
}

// Colour of a pixel in the slider's middle row at `value` percent of its width from the left.
uint32_t row_pixel(TestDisplay & d, int percent)
{
    return d.pixel_rgb((lv_coord_t)(40 + percent * 2), 110);
}

TEST_F(SliderTest, right_to_left_slider_fills_from_the_right_and_drags_mirrored)
{
    lv_obj_t * ltr = make_slider(LV_BASE_DIR_LTR);
    lv_obj_t * rtl = make_slider(LV_BASE_DIR_RTL);
    lv_obj_set_y(rtl, 200);
    lv_slider_set_value(ltr, 30, LV_ANIM_OFF);
    lv_slider_set_value(rtl, 30, LV_ANIM_OFF);
    display.refresh_now();

    for(int pct : {2, 28}) {
        EXPECT_EQ(row_pixel(display, pct), INDIC_RGB) << "ltr at " << pct;
        EXPECT_EQ(display.pixel_rgb((lv_coord_t)(40 + 199 - pct * 2), 210), INDIC_RGB) << "rtl at " << pct;
    }
    for(int pct : {32, 98}) {
        EXPECT_EQ(row_pixel(display, pct), MAIN_RGB) << "ltr at " << pct;
        EXPECT_EQ(display.pixel_rgb((lv_coord_t)(40 + 199 - pct * 2), 210), MAIN_RGB) << "rtl at " << pct;
    }

    // The right-to-left indicator is the mirror image of the left-to-right one.
    const lv_area_t & a = ((lv_bar_t *)ltr)->indic_area;
    const lv_area_t & b = ((lv_bar_t *)rtl)->indic_area;
    EXPECT_EQ(a.x1 - 40, 40 + 199 - b.x2);
    EXPECT_EQ(lv_area_get_width(&a), lv_area_get_width(&b));
    EXPECT_EQ(lv_area_get_width(&a), 60);

    // Pressing near the left end of the right-to-left slider gives a high value.
    display.press(x_of(90, LV_BASE_DIR_RTL), 210);
    display.release();
    EXPECT_EQ(lv_slider_get_value(rtl), 90);
}

TEST_F(SliderTest, arrow_keys_step_by_one_and_stop_at_the_limits)
{
    lv_obj_t * s = make_slider();
    lv_slider_set_range(s, 0, 10);
    lv_slider_set_value(s, 9, LV_ANIM_OFF);
    lv_group_focus_obj(s);
    ValueLog log;
    log.attach(s);

    struct Step {
        uint32_t key;
        int32_t expected;
        bool changed;
    };
    const Step steps[] = {
        {LV_KEY_RIGHT, 10, true}, {LV_KEY_RIGHT, 10, false}, {LV_KEY_UP, 10, false},
        {LV_KEY_LEFT, 9, true},   {LV_KEY_DOWN, 8, true},    {LV_KEY_UP, 9, true},
    };
    for(const Step & st : steps) {
        size_t before = log.entries.size();
        display.type_key(st.key);
        EXPECT_EQ(lv_slider_get_value(s), st.expected) << "key " << st.key;
        size_t changes = 0;
        for(size_t i = before; i < log.entries.size(); i++) changes += log.entries[i].first == LV_EVENT_VALUE_CHANGED;
        EXPECT_EQ(changes, st.changed ? 1u : 0u) << "key " << st.key;
    }
}

TEST_F(SliderTest, a_disabled_slider_ignores_pointer_and_keys)
{
    lv_obj_t * s = make_slider();
    lv_slider_set_value(s, 40, LV_ANIM_OFF);
    lv_group_focus_obj(s);
    lv_obj_add_state(s, LV_STATE_DISABLED);
    ValueLog log;
    log.attach(s);

    display.press(x_of(80), 110);
    display.move(x_of(90), 110);
    display.release();
    display.type_key(LV_KEY_RIGHT);

    EXPECT_EQ(lv_slider_get_value(s), 40);
    EXPECT_TRUE(log.entries.empty());
    EXPECT_FALSE(lv_slider_is_dragged(s));
}

// In range mode a press takes the nearer knob; with the knobs on top of each
// other the side pressed on decides, so either one can be pulled out.
TEST_F(SliderTest, in_range_mode_a_press_moves_the_nearer_knob)
{
    struct Case {
        const char * name;
        int32_t left, right;   // knob values before
        int press;             // value under the press
        int32_t left_after, right_after;
    };
    const Case cases[] = {
        {"near the left knob", 30, 70, 35, 35, 70},
        {"near the right knob", 30, 70, 65, 30, 65},
        {"outside, beyond the right knob", 30, 70, 90, 30, 90},
        {"stacked knobs, pressed below them", 50, 50, 40, 40, 50},
        {"stacked knobs, pressed above them", 50, 50, 60, 50, 60},
    };
    for(const Case & c : cases) {
        SCOPED_TRACE(c.name);
        lv_obj_t * s = make_slider();
        lv_slider_set_mode(s, LV_SLIDER_MODE_RANGE);
        lv_slider_set_value(s, c.right, LV_ANIM_OFF);
        lv_slider_set_left_value(s, c.left, LV_ANIM_OFF);
        display.refresh_now();
        display.press(x_of(c.press), 110);
        display.release();
        EXPECT_EQ(lv_slider_get_left_value(s), c.left_after);
        EXPECT_EQ(lv_slider_get_value(s), c.right_after);
        lv_obj_del(s);
    }
}

// A finger drifting off a thin slider keeps dragging it until it lifts.
TEST_F(SliderTest, sliding_off_while_pressed_keeps_dragging_until_the_release)
{
    lv_obj_t * s = make_slider();
    ValueLog log;
    log.attach(s);
    display.press(x_of(50), 110);
    display.move(x_of(60), 180);   // well below the slider
    display.move(x_of(80), 180);
    EXPECT_TRUE(lv_slider_is_dragged(s));
    EXPECT_EQ(lv_slider_get_value(s), 80);
    display.release();
    EXPECT_FALSE(lv_slider_is_dragged(s));
    ASSERT_FALSE(log.entries.empty());
    EXPECT_EQ(log.entries.back(), std::make_pair(LV_EVENT_RELEASED, (int32_t)80));
}

TEST_F(SliderTest, a_vertical_slider_counts_from_its_bottom)
{
    lv_obj_t * s = make_slider();
    lv_obj_set_size(s, 20, 200);   // y 100..299
    display.press(50, 299 - 50);
    display.move(50, 299 - 150);
    EXPECT_EQ(lv_slider_get_value(s), 75);
    display.release();
}

// A handle of another kind, or none, is ignored rather than written through.
TEST_F(SliderTest, calls_with_a_handle_that_is_not_a_slider_change_nothing)
{
    lv_obj_t * plain = lv_obj_create(lv_scr_act());
    for(lv_obj_t * obj : {plain, (lv_obj_t *)nullptr}) {
        lv_slider_set_range(obj, 10, 20);
        lv_slider_set_value(obj, 15, LV_ANIM_OFF);
        lv_slider_set_mode(obj, LV_SLIDER_MODE_RANGE);
        lv_slider_set_left_value(obj, 12, LV_ANIM_OFF);
        EXPECT_EQ(lv_slider_get_value(obj), 0);
        EXPECT_EQ(lv_slider_get_left_value(obj), 0);
        EXPECT_EQ(lv_slider_get_min_value(obj), 0);
        EXPECT_FALSE(lv_slider_is_dragged(obj));
    }
}

}  // namespace

namespace {

// A page applies stored values by sending the events itself, with no input
// device behind them: the widgets must take them without moving.
TEST_F(SliderTest, events_sent_by_code_without_an_input_device_change_nothing)
{
    lv_obj_t * s = make_slider();
    lv_slider_set_value(s, 35, LV_ANIM_OFF);
    lv_obj_t * arc = lv_arc_create(lv_scr_act());
    lv_arc_set_value(arc, 12);
    lv_obj_t * sw = lv_switch_create(lv_scr_act());

    const lv_event_code_t codes[] = {LV_EVENT_PRESSED, LV_EVENT_PRESSING, LV_EVENT_VALUE_CHANGED,
                                     LV_EVENT_RELEASED, LV_EVENT_PRESS_LOST};
    for(lv_event_code_t code : codes) {
        EXPECT_EQ(lv_event_send(s, code, nullptr), LV_RES_OK);
        EXPECT_EQ(lv_event_send(arc, code, nullptr), LV_RES_OK);
    }
    EXPECT_EQ(lv_event_send(sw, LV_EVENT_VALUE_CHANGED, nullptr), LV_RES_OK);
    display.advance(300);

    EXPECT_EQ(lv_slider_get_value(s), 35);
    EXPECT_FALSE(lv_slider_is_dragged(s));
    EXPECT_EQ(lv_arc_get_value(arc), 12);
    EXPECT_FALSE(lv_obj_has_state(sw, LV_STATE_CHECKED));
}

}  // namespace
