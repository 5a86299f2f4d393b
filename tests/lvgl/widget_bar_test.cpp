// Bar: where the indicator lies for each mode, and the value animation.
#include "test_display.h"

#include "src/widgets/lv_widgets_extra.h"

namespace {

class BarTest : public DisplayTest {};

// A 200 x 20 bar at (40, 100) without padding, so the indicator spans x 40..239.
lv_obj_t * make_bar(int32_t min, int32_t max)
{
    lv_obj_t * bar = lv_bar_create(lv_scr_act());
    lv_obj_set_pos(bar, 40, 100);
    lv_obj_set_size(bar, 200, 20);
    lv_obj_set_style_pad_all(bar, 0, 0);
    lv_bar_set_range(bar, min, max);
    return bar;
}

const lv_area_t & indicator(lv_obj_t * bar)
{
    return ((lv_bar_t *)bar)->indic_area;
}

TEST_F(BarTest, indicator_covers_the_part_of_the_range_each_mode_shows)
{
    struct Case {
        const char * name;
        lv_bar_mode_t mode;
        int32_t min, max, start, value;
        lv_coord_t x1, x2;   // expected indicator columns (x2 < x1: empty)
        int32_t got_start;   // what lv_bar_get_start_value reports
    };
    const Case cases[] = {
        {"normal", LV_BAR_MODE_NORMAL, 0, 100, 0, 50, 40, 139, 0},
        {"normal ignores a start value", LV_BAR_MODE_NORMAL, 0, 100, 30, 50, 40, 139, 0},
        {"normal at the minimum is empty", LV_BAR_MODE_NORMAL, 0, 100, 0, 0, 40, 39, 0},
        {"normal full", LV_BAR_MODE_NORMAL, -10, 10, 0, 10, 40, 239, -10},
        {"range", LV_BAR_MODE_RANGE, 0, 100, 25, 75, 90, 189, 25},
        {"range start cannot pass the value", LV_BAR_MODE_RANGE, 0, 100, 90, 50, 140, 139, 50},
        {"symmetrical, positive value", LV_BAR_MODE_SYMMETRICAL, -50, 50, 0, 25, 140, 189, -50},
        {"symmetrical, negative value", LV_BAR_MODE_SYMMETRICAL, -50, 50, 0, -25, 90, 139, -50},
        {"symmetrical without zero in range acts normal", LV_BAR_MODE_SYMMETRICAL, 10, 110, 0, 60, 40, 139, 10},
    };
    for(const Case & c : cases) {
        SCOPED_TRACE(c.name);
        lv_obj_t * bar = make_bar(c.min, c.max);
        lv_bar_set_mode(bar, c.mode);
        lv_bar_set_value(bar, c.value, LV_ANIM_OFF);
        lv_bar_set_start_value(bar, c.start, LV_ANIM_OFF);
        _lv_bar_update_indic_area(bar);
        EXPECT_EQ(indicator(bar).x1, c.x1);
        EXPECT_EQ(indicator(bar).x2, c.x2);
        EXPECT_EQ(lv_bar_get_start_value(bar), c.got_start);
        lv_obj_del(bar);
    }
}

TEST_F(BarTest, a_vertical_bar_grows_upwards_from_its_bottom)
{
    lv_obj_t * bar = make_bar(0, 100);
    lv_obj_set_size(bar, 20, 200);
    lv_bar_set_value(bar, 25, LV_ANIM_OFF);
    _lv_bar_update_indic_area(bar);
    EXPECT_EQ(indicator(bar).y2, 100 + 199);
    EXPECT_EQ(indicator(bar).y1, 100 + 199 - 49);
}

// The value is the target at once; the drawn indicator moves over anim_time.
TEST_F(BarTest, animated_value_reports_the_target_and_draws_the_way_there)
{
    lv_obj_t * bar = make_bar(0, 100);
    lv_obj_set_style_anim_time(bar, 200, 0);
    lv_bar_set_value(bar, 20, LV_ANIM_OFF);
    display.refresh_now();
    EXPECT_EQ(indicator(bar).x2, 40 + 39);

    lv_bar_set_value(bar, 80, LV_ANIM_ON);
    EXPECT_EQ(lv_bar_get_value(bar), 80);

    display.advance(100);
    lv_coord_t mid = indicator(bar).x2;
    EXPECT_GT(mid, 40 + 39);
    EXPECT_LT(mid, 40 + 159);

    // A new target while moving sets off from where the indicator is drawn,
    // without jumping ahead to the previous target first.
    lv_bar_set_value(bar, 30, LV_ANIM_ON);
    display.advance(10);
    EXPECT_NEAR(indicator(bar).x2, mid, 8);
    display.advance(300);
    EXPECT_EQ(indicator(bar).x2, 40 + 59);
    EXPECT_EQ(lv_bar_get_value(bar), 30);

    // Without an animation time LV_ANIM_ON is immediate.
    lv_obj_set_style_anim_time(bar, 0, 0);
    lv_bar_set_value(bar, 10, LV_ANIM_ON);
    display.refresh_now();
    EXPECT_EQ(indicator(bar).x2, 40 + 19);
}

TEST_F(BarTest, the_indicator_starts_at_the_end_the_direction_and_orientation_give)
{
    struct Case {
        const char * name;
        lv_coord_t w, h;
        lv_base_dir_t dir;
        lv_area_t expected;   // value 25 of 0..100
    };
    const Case cases[] = {
        {"left to right from the left", 200, 20, LV_BASE_DIR_LTR, {40, 100, 89, 119}},
        {"right to left from the right", 200, 20, LV_BASE_DIR_RTL, {190, 100, 239, 119}},
        {"vertical from the bottom", 20, 200, LV_BASE_DIR_LTR, {40, 250, 59, 299}},
        {"too thin: a centred 4 px line", 200, 2, LV_BASE_DIR_LTR, {40, 99, 89, 102}},
    };
    for(const Case & c : cases) {
        SCOPED_TRACE(c.name);
        lv_obj_t * bar = make_bar(0, 100);
        lv_obj_set_size(bar, c.w, c.h);
        lv_obj_set_style_base_dir(bar, c.dir, 0);
        lv_bar_set_value(bar, 25, LV_ANIM_OFF);
        _lv_bar_update_indic_area(bar);
        const lv_area_t & a = indicator(bar);
        EXPECT_EQ(a.x1, c.expected.x1);
        EXPECT_EQ(a.y1, c.expected.y1);
        EXPECT_EQ(a.x2, c.expected.x2);
        EXPECT_EQ(a.y2, c.expected.y2);
        lv_obj_del(bar);
    }
}

// A handle of another kind, or none, is ignored rather than written through.
TEST_F(BarTest, calls_with_a_handle_that_is_not_a_bar_change_nothing)
{
    lv_obj_t * plain = lv_obj_create(lv_scr_act());
    for(lv_obj_t * obj : {plain, (lv_obj_t *)nullptr}) {
        lv_bar_set_range(obj, 5, 10);
        lv_bar_set_mode(obj, LV_BAR_MODE_RANGE);
        lv_bar_set_value(obj, 7, LV_ANIM_ON);
        lv_bar_set_start_value(obj, 6, LV_ANIM_OFF);
        _lv_bar_update_indic_area(obj);
        EXPECT_EQ(lv_bar_get_value(obj), 0);
        EXPECT_EQ(lv_bar_get_start_value(obj), 0);
        EXPECT_EQ(lv_bar_get_max_value(obj), 0);
        EXPECT_EQ(lv_bar_get_mode(obj), LV_BAR_MODE_NORMAL);
    }
    display.advance(50);
}

}  // namespace
