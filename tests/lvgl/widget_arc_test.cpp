// Arc: turning by pointer (events, rate limit, the gap between the ends),
// keys, ring hit test, focus-key look, value and angle bookkeeping.
#include "test_display.h"

#include "src/widgets/lv_widgets_extra.h"

#include <cmath>
#include <utility>
#include <vector>

namespace {

constexpr lv_coord_t CX = 200;   // centre of the 200 x 200 arc at (100, 40)
constexpr lv_coord_t CY = 140;
constexpr uint32_t KNOB_RGB = 0xFF0000;

class ArcTest : public DisplayTest {};

// The panel's dial: rotated 135 degrees, background 0..270, range 0..100.
lv_obj_t * make_arc(int16_t value = 0)
{
    lv_obj_t * arc = lv_arc_create(lv_scr_act());
    lv_obj_set_pos(arc, 100, 40);
    lv_obj_set_size(arc, 200, 200);
    lv_obj_set_style_pad_all(arc, 0, 0);
    lv_obj_set_style_arc_width(arc, 15, 0);
    lv_obj_set_style_arc_width(arc, 15, LV_PART_INDICATOR);
    lv_arc_set_rotation(arc, 135);
    lv_arc_set_bg_angles(arc, 0, 270);
    lv_arc_set_range(arc, 0, 100);
    lv_arc_set_value(arc, value);
    return arc;
}

// A point on the ring at an absolute angle (degrees clockwise from the right).
lv_point_t on_ring(double angle_deg, double r = 92)
{
    double a = angle_deg * 3.14159265358979 / 180.0;
    return {(lv_coord_t)std::lround(CX + r * std::cos(a)), (lv_coord_t)std::lround(CY + r * std::sin(a))};
}

struct ValueLog {
    std::vector<std::pair<lv_event_code_t, int>> entries;

    static void cb(lv_event_t * e)
    {
        lv_event_code_t code = lv_event_get_code(e);
        if(code != LV_EVENT_PRESSED && code != LV_EVENT_VALUE_CHANGED && code != LV_EVENT_RELEASED) return;
        auto * self = static_cast<ValueLog *>(lv_event_get_user_data(e));
        self->entries.emplace_back(code, lv_arc_get_value(lv_event_get_target(e)));
    }
    void attach(lv_obj_t * obj) { lv_obj_add_event_cb(obj, cb, LV_EVENT_ALL, this); }
    std::vector<int> values() const
    {
        std::vector<int> v;
        for(const auto & en : entries)
            if(en.first == LV_EVENT_VALUE_CHANGED) v.push_back(en.second);
        return v;
    }
};

void drag_along(TestDisplay & d, const std::vector<double> & angles)
{
    lv_point_t p = on_ring(angles[0]);
    d.press(p.x, p.y);
    for(size_t i = 1; i < angles.size(); i++) {
        p = on_ring(angles[i]);
        d.move(p.x, p.y);
    }
    d.release();
}

TEST_F(ArcTest, turning_the_knob_sends_value_changed_per_change_then_released)
{
    lv_obj_t * arc = make_arc(0);
    lv_arc_set_change_rate(arc, 30000);   // no speed limit at this step size
    ValueLog log;
    log.attach(arc);

    drag_along(display, {135, 180, 270, 405});

    const std::vector<std::pair<lv_event_code_t, int>> expected = {
        {LV_EVENT_PRESSED, 0},        {LV_EVENT_VALUE_CHANGED, 17}, {LV_EVENT_VALUE_CHANGED, 50},
        {LV_EVENT_VALUE_CHANGED, 100}, {LV_EVENT_RELEASED, 100},
    };
    EXPECT_EQ(log.entries, expected);
}

TEST_F(ArcTest, the_indicator_follows_the_pointer_no_faster_than_the_change_rate)
{
    lv_obj_t * arc = make_arc(0);   // default rate: 720 degrees per second
    ValueLog log;
    log.attach(arc);

    lv_point_t p = on_ring(135);
    display.press(p.x, p.y);
    p = on_ring(270);   // the middle of the scale, 135 degrees away
    display.move(p.x, p.y);
    int first = lv_arc_get_value(arc);
    EXPECT_GE(first, 1);
    EXPECT_LE(first, 3);   // 10 ms at 720 deg/s: about 7 degrees of 270

    display.advance(400);   // held still: the indicator catches up and stops
    EXPECT_EQ(lv_arc_get_value(arc), 50);
    display.release();

    std::vector<int> v = log.values();
    EXPECT_GT(v.size(), 10u);
    for(size_t i = 1; i < v.size(); i++) EXPECT_GT(v[i], v[i - 1]);
}

// With a small gap between the ends, a pointer crossing it does not make the
// value jump to the far end; it stays at the end it came from.
TEST_F(ArcTest, crossing_the_gap_between_the_ends_keeps_the_near_end)
{
    struct Case {
        const char * name;
        int16_t start_value;
        std::vector<double> path;   // absolute angles; the background runs from 100 to 440 (= 80)
        int expected;
    };
    const Case cases[] = {
        {"from the maximum into the gap", 100, {80, 95}, 100},
        {"from the maximum across the gap", 100, {80, 95, 105}, 100},
        {"from the minimum backwards across the gap", 0, {100, 95, 75}, 0},
        {"back into the scale after the gap", 100, {80, 95, 105, 60}, 94},
    };
    for(const Case & c : cases) {
        SCOPED_TRACE(c.name);
        lv_obj_t * arc = make_arc();
        lv_arc_set_rotation(arc, 100);
        lv_arc_set_bg_angles(arc, 0, 340);
        lv_arc_set_change_rate(arc, 30000);
        lv_arc_set_value(arc, c.start_value);
        drag_along(display, c.path);
        EXPECT_EQ(lv_arc_get_value(arc), c.expected);
        lv_obj_del(arc);
    }
}

TEST_F(ArcTest, arrow_keys_step_by_one_within_the_range_and_disabled_ignores_them)
{
    lv_obj_t * arc = make_arc(99);
    lv_group_add_obj(lv_group_get_default(), arc);
    lv_group_focus_obj(arc);
    ValueLog log;
    log.attach(arc);

    struct Step {
        uint32_t key;
        int expected;
    };
    const Step steps[] = {{LV_KEY_RIGHT, 100}, {LV_KEY_UP, 100}, {LV_KEY_LEFT, 99}, {LV_KEY_DOWN, 98}};
    for(const Step & st : steps) {
        display.type_key(st.key);
        EXPECT_EQ(lv_arc_get_value(arc), st.expected) << "key " << st.key;
    }
    EXPECT_EQ(log.values(), (std::vector<int>{100, 99, 98}));

    lv_obj_add_state(arc, LV_STATE_DISABLED);
    display.type_key(LV_KEY_LEFT);
    drag_along(display, {225, 270, 300});
    EXPECT_EQ(lv_arc_get_value(arc), 98);
    EXPECT_EQ(log.values().size(), 3u);
}

TEST_F(ArcTest, with_advanced_hit_test_only_the_ring_takes_presses)
{
    struct Case {
        const char * name;
        bool adv_hittest;
        lv_point_t point;
        bool pressed;
    };
    const Case cases[] = {
        {"centre, plain", false, {CX, CY}, true},
        {"centre, ring only", true, {CX, CY}, false},
        {"ring, ring only", true, on_ring(300), true},
        {"box corner, plain", false, {105, 45}, true},
        {"box corner, ring only", true, {105, 45}, false},
    };
    for(const Case & c : cases) {
        SCOPED_TRACE(c.name);
        lv_obj_t * arc = make_arc(50);
        if(c.adv_hittest) lv_obj_add_flag(arc, LV_OBJ_FLAG_ADV_HITTEST);
        EventLog log;
        log.attach(arc);
        display.click(c.point.x, c.point.y);
        bool pressed = false;
        for(lv_event_code_t code : log.codes) pressed |= code == LV_EVENT_PRESSED;
        EXPECT_EQ(pressed, c.pressed);
        lv_obj_del(arc);
    }
}

// The panel hides the knob and shows it only while the arc has keyboard focus.
TEST_F(ArcTest, the_knob_takes_its_focus_key_style_when_focused_by_keys)
{
    lv_obj_t * btn = lv_btn_create(lv_scr_act());
    lv_obj_set_pos(btn, 400, 10);
    lv_obj_t * arc = make_arc(0);
    lv_obj_set_style_bg_color(arc, lv_color_hex(KNOB_RGB), LV_PART_KNOB);
    lv_obj_set_style_bg_opa(arc, LV_OPA_TRANSP, LV_PART_KNOB);
    lv_obj_set_style_bg_opa(arc, LV_OPA_COVER, LV_PART_KNOB | LV_STATE_FOCUS_KEY);
    lv_group_t * g = lv_group_get_default();
    lv_group_remove_all_objs(g);
    lv_group_add_obj(g, btn);
    lv_group_add_obj(g, arc);
    lv_group_focus_obj(btn);

    lv_point_t knob = on_ring(135, 93);   // value 0: the knob sits at the start, mid-ring
    display.refresh_now();
    EXPECT_NE(display.pixel_rgb(knob.x, knob.y), KNOB_RGB);

    display.type_key(LV_KEY_NEXT);
    ASSERT_TRUE(lv_obj_has_state(arc, LV_STATE_FOCUS_KEY));
    display.refresh_now();
    EXPECT_EQ(display.pixel_rgb(knob.x, knob.y), KNOB_RGB);
}

TEST_F(ArcTest, value_and_indicator_angles_follow_range_and_mode)
{
    lv_obj_t * fresh = lv_arc_create(lv_scr_act());
    EXPECT_EQ(lv_arc_get_value(fresh), 0);   // no value yet: the minimum

    struct Case {
        const char * name;
        lv_arc_mode_t mode;
        int16_t min, max, value;
        int expected_value;
        uint16_t start, end;   // indicator angles (background 0..270)
    };
    const Case cases[] = {
        {"normal", LV_ARC_MODE_NORMAL, 0, 100, 25, 25, 0, 67},
        {"normal, above the range", LV_ARC_MODE_NORMAL, 0, 100, 120, 100, 0, 270},
        {"normal, below the range", LV_ARC_MODE_NORMAL, 10, 20, 5, 10, 0, 0},
        {"reversed range taken as meant", LV_ARC_MODE_NORMAL, 100, 0, 50, 50, 0, 135},
        {"reverse grows from the end", LV_ARC_MODE_REVERSE, 0, 100, 25, 25, 203, 270},
        {"symmetrical above the middle", LV_ARC_MODE_SYMMETRICAL, 0, 100, 75, 75, 135, 202},
        {"symmetrical below the middle", LV_ARC_MODE_SYMMETRICAL, 0, 100, 25, 25, 67, 135},
    };
    for(const Case & c : cases) {
        SCOPED_TRACE(c.name);
        lv_obj_t * arc = lv_arc_create(lv_scr_act());
        lv_arc_set_bg_angles(arc, 0, 270);
        lv_arc_set_mode(arc, c.mode);
        lv_arc_set_range(arc, c.min, c.max);
        lv_arc_set_value(arc, c.value);
        EXPECT_EQ(lv_arc_get_value(arc), c.expected_value);
        EXPECT_EQ(lv_arc_get_angle_start(arc), c.start);
        EXPECT_EQ(lv_arc_get_angle_end(arc), c.end);
        lv_obj_del(arc);
    }
}

// The pointer's angle comes from lv_atan2; on a whole ring whose value is in
// degrees a mix-up of its axes shows as wrong values in some quadrant.
TEST_F(ArcTest, dragging_a_whole_ring_tracks_the_pointer_in_every_quadrant)
{
    for(uint16_t rotation : {0, 90, 200}) {
        SCOPED_TRACE(rotation);
        lv_obj_t * arc = make_arc(0);
        lv_arc_set_rotation(arc, rotation);
        lv_arc_set_bg_angles(arc, 0, 360);
        lv_arc_set_range(arc, 0, 360);
        lv_arc_set_change_rate(arc, 30000);

        lv_point_t p = on_ring(rotation);
        display.press(p.x, p.y);
        for(int past_start : {30, 75, 120, 165, 210, 255, 300, 345}) {
            p = on_ring(rotation + past_start);
            display.move(p.x, p.y);
            EXPECT_NEAR(lv_arc_get_value(arc), past_start, 1) << "pointer " << past_start << " degrees past the start";
        }
        display.release();
        lv_obj_del(arc);
    }
}

TEST_F(ArcTest, each_mode_reads_the_pointer_from_its_own_end_of_the_scale)
{
    struct Case {
        const char * name;
        lv_arc_mode_t mode;
        std::vector<double> path;   // absolute angles; the scale runs from 135 to 405 (= 45)
        std::vector<int> values;    // after each move
    };
    const Case cases[] = {
        {"normal grows clockwise", LV_ARC_MODE_NORMAL, {135, 180, 225}, {17, 33}},
        {"symmetrical maps like normal", LV_ARC_MODE_SYMMETRICAL, {135, 180, 225}, {17, 33}},
        {"reverse grows counter-clockwise", LV_ARC_MODE_REVERSE, {45, 0, 315}, {17, 33}},
    };
    for(const Case & c : cases) {
        SCOPED_TRACE(c.name);
        lv_obj_t * arc = make_arc(0);
        lv_arc_set_mode(arc, c.mode);
        lv_arc_set_change_rate(arc, 30000);
        lv_point_t p = on_ring(c.path[0]);
        display.press(p.x, p.y);
        for(size_t i = 1; i < c.path.size(); i++) {
            p = on_ring(c.path[i]);
            display.move(p.x, p.y);
            EXPECT_EQ(lv_arc_get_value(arc), c.values[i - 1]) << "at " << c.path[i];
        }
        display.release();
        lv_obj_del(arc);
    }
}

struct KnobSpot {
    bool seen = false;
    lv_point_t centre = {0, 0};
};

void record_knob(lv_event_t * e)
{
    lv_obj_draw_part_dsc_t * dsc = lv_event_get_draw_part_dsc(e);
    if(!lv_obj_draw_part_check_type(dsc, &lv_arc_class, LV_ARC_DRAW_PART_KNOB)) return;
    auto * spot = static_cast<KnobSpot *>(lv_event_get_user_data(e));
    spot->seen = true;
    spot->centre = {(lv_coord_t)((dsc->draw_area->x1 + dsc->draw_area->x2) / 2),
                    (lv_coord_t)((dsc->draw_area->y1 + dsc->draw_area->y2) / 2)};
}

TEST_F(ArcTest, the_knob_sits_at_the_moving_end_of_the_indicator_in_every_mode)
{
    struct Case {
        const char * name;
        lv_arc_mode_t mode;
        int16_t value;
        double angle;   // absolute, degrees clockwise from three o'clock
    };
    const Case cases[] = {
        {"normal", LV_ARC_MODE_NORMAL, 25, 135 + 67},
        {"reverse", LV_ARC_MODE_REVERSE, 25, 135 + 203},
        {"symmetrical above the middle", LV_ARC_MODE_SYMMETRICAL, 75, 135 + 202},
        {"symmetrical below the middle", LV_ARC_MODE_SYMMETRICAL, 25, 135 + 67},
    };
    for(const Case & c : cases) {
        SCOPED_TRACE(c.name);
        lv_obj_t * arc = make_arc();
        lv_arc_set_mode(arc, c.mode);
        lv_arc_set_value(arc, c.value);
        KnobSpot spot;
        lv_obj_add_event_cb(arc, record_knob, LV_EVENT_DRAW_PART_BEGIN, &spot);
        display.refresh_now();
        ASSERT_TRUE(spot.seen);
        double seen = std::atan2(spot.centre.y - CY, spot.centre.x - CX) * 180.0 / 3.14159265358979;
        EXPECT_NEAR(std::fmod(seen + 720.0, 360.0), std::fmod(c.angle, 360.0), 1.5);
        lv_obj_del(arc);
    }
}

// A handle of another kind, or none, is ignored rather than written through.
TEST_F(ArcTest, calls_with_a_handle_that_is_not_an_arc_change_nothing)
{
    lv_obj_t * plain = lv_obj_create(lv_scr_act());
    for(lv_obj_t * obj : {plain, (lv_obj_t *)nullptr}) {
        lv_arc_set_range(obj, 10, 20);
        lv_arc_set_value(obj, 15);
        lv_arc_set_bg_angles(obj, 10, 300);
        lv_arc_set_angles(obj, 20, 200);
        lv_arc_set_rotation(obj, 45);
        lv_arc_set_mode(obj, LV_ARC_MODE_REVERSE);
        lv_arc_set_change_rate(obj, 5);
        EXPECT_EQ(lv_arc_get_value(obj), 0);
        EXPECT_EQ(lv_arc_get_max_value(obj), 0);
        EXPECT_EQ(lv_arc_get_bg_angle_end(obj), 0);
        EXPECT_EQ(lv_arc_get_mode(obj), LV_ARC_MODE_NORMAL);
    }
}

}  // namespace
