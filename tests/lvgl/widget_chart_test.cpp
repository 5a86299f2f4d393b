// Chart: where scatter points land, the draw-part events an application
// draws with (segments, tick labels), pointer events, and array upkeep.
#include "test_display.h"

#include "src/widgets/lv_widgets_extra2.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr uint32_t BG_RGB = 0x202020;
constexpr uint32_t SERIES_RGB = 0xF44336;

struct Segment {
    uint32_t id;
    bool has_p1, has_p2;
    lv_point_t p1, p2;
};

struct PartLog {
    std::vector<Segment> segments;
    std::vector<std::pair<int32_t, std::string>> y_labels;  // value, text offered on labelled primary-y ticks
    const char * relabel_suffix = nullptr;                  // appended to every offered tick text

    static void cb(lv_event_t * e)
    {
        auto * self = static_cast<PartLog *>(lv_event_get_user_data(e));
        lv_obj_draw_part_dsc_t * dsc = lv_event_get_draw_part_dsc(e);
        if(dsc->part == LV_PART_ITEMS && lv_obj_draw_part_check_type(dsc, &lv_chart_class, LV_CHART_DRAW_PART_LINE_AND_POINT)) {
            Segment s{dsc->id, dsc->p1 != nullptr, dsc->p2 != nullptr, {0, 0}, {0, 0}};
            if(dsc->p1) s.p1 = *dsc->p1;
            if(dsc->p2) s.p2 = *dsc->p2;
            self->segments.push_back(s);
        }
        if(dsc->part == LV_PART_TICKS && dsc->text && dsc->id == LV_CHART_AXIS_PRIMARY_Y) {
            self->y_labels.emplace_back(dsc->value, dsc->text);
            if(self->relabel_suffix) lv_snprintf(dsc->text, dsc->text_length, "%d%s", (int)dsc->value, self->relabel_suffix);
        }
    }
    void attach(lv_obj_t * chart) { lv_obj_add_event_cb(chart, cb, LV_EVENT_DRAW_PART_BEGIN, this); }
};

class ChartTest : public DisplayTest {
protected:
    // A 300 x 200 scatter chart at (100, 40) without padding, border or division lines,
    // so a value v on a 0..100 axis sits at v * 3 px (x) and 200 - v * 2 px (y).
    lv_obj_t * make_scatter(const lv_coord_t (*pts)[2], uint16_t cnt)
    {
        lv_obj_t * chart = lv_chart_create(lv_scr_act());
        lv_obj_set_pos(chart, 100, 40);
        lv_obj_set_size(chart, 300, 200);
        lv_obj_set_style_pad_all(chart, 0, 0);
        lv_obj_set_style_border_width(chart, 0, 0);
        lv_obj_set_style_radius(chart, 0, 0);
        lv_obj_set_style_bg_color(chart, lv_color_hex(BG_RGB), 0);
        lv_obj_set_style_bg_opa(chart, LV_OPA_COVER, 0);
        lv_obj_set_style_line_width(chart, 2, LV_PART_ITEMS);
        lv_obj_set_style_size(chart, 10, LV_PART_INDICATOR);
        lv_obj_set_style_bg_opa(chart, LV_OPA_COVER, LV_PART_INDICATOR);
        lv_obj_set_style_radius(chart, 0, LV_PART_INDICATOR);
        lv_chart_set_div_line_count(chart, 0, 0);
        lv_chart_set_type(chart, LV_CHART_TYPE_SCATTER);
        lv_chart_set_point_count(chart, cnt);
        ser = lv_chart_add_series(chart, lv_color_hex(SERIES_RGB), LV_CHART_AXIS_PRIMARY_Y);
        lv_coord_t * xs = lv_chart_get_x_array(chart, ser);
        lv_coord_t * ys = lv_chart_get_y_array(chart, ser);
        for(uint16_t i = 0; i < cnt; i++) {
            xs[i] = pts[i][0];
            ys[i] = pts[i][1];
        }
        lv_chart_refresh(chart);
        lv_obj_update_layout(chart);
        return chart;
    }

    static lv_point_t expected(const lv_coord_t * pt) { return {(lv_coord_t)(100 + pt[0] * 3), (lv_coord_t)(40 + 200 - pt[1] * 2)}; }

    lv_chart_series_t * ser = nullptr;
};

const lv_coord_t FAN_CURVE[7][2] = {{0, 40}, {20, 40}, {50, 50}, {60, 60}, {70, 90}, {90, 100}, {100, 100}};

TEST_F(ChartTest, scatter_segments_are_announced_with_both_end_points)
{
    lv_obj_t * chart = make_scatter(FAN_CURVE, 7);
    PartLog log;
    log.attach(chart);
    display.refresh_now();

    // Six segments (id = index of their first point), then the last point on its own.
    ASSERT_EQ(log.segments.size(), 7u);
    for(uint32_t i = 0; i < 6; i++) {
        SCOPED_TRACE(i);
        const Segment & s = log.segments[i];
        EXPECT_EQ(s.id, i);
        ASSERT_TRUE(s.has_p1 && s.has_p2);
        lv_point_t e1 = expected(FAN_CURVE[i]);
        lv_point_t e2 = expected(FAN_CURVE[i + 1]);
        EXPECT_EQ(s.p1.x, e1.x);
        EXPECT_EQ(s.p1.y, e1.y);
        EXPECT_EQ(s.p2.x, e2.x);
        EXPECT_EQ(s.p2.y, e2.y);

        lv_point_t rel;
        lv_chart_get_point_pos_by_id(chart, ser, (uint16_t)i, &rel);
        EXPECT_EQ(rel.x + chart->coords.x1, e1.x);
        EXPECT_EQ(rel.y + chart->coords.y1, e1.y);
    }
    EXPECT_EQ(log.segments[6].id, 6u);
    EXPECT_FALSE(log.segments[6].has_p1 || log.segments[6].has_p2);

    // The line and the dots are drawn in the series colour.
    lv_point_t p = expected(FAN_CURVE[3]);
    EXPECT_EQ(display.pixel_rgb(p.x, p.y), SERIES_RGB);
}

TEST_F(ChartTest, a_missing_point_breaks_the_line)
{
    const lv_coord_t pts[4][2] = {{10, 10}, {30, LV_CHART_POINT_NONE}, {60, 60}, {90, 20}};
    lv_obj_t * chart = make_scatter(pts, 4);
    PartLog log;
    log.attach(chart);
    display.refresh_now();

    ASSERT_EQ(log.segments.size(), 4u);
    EXPECT_TRUE(log.segments[0].has_p1 && !log.segments[0].has_p2);
    EXPECT_TRUE(!log.segments[1].has_p1 && log.segments[1].has_p2);
    EXPECT_TRUE(log.segments[2].has_p1 && log.segments[2].has_p2);
    // Nothing drawn where the line would have gone from point 0 to point 2.
    lv_point_t a = expected(pts[0]);
    lv_point_t c = expected(pts[2]);
    EXPECT_EQ(display.pixel_rgb((a.x + c.x) / 2, (a.y + c.y) / 2), BG_RGB);
}

// What the fan page does: under each segment, a rectangle clipped by a line
// mask (keep below the segment) and a fade mask, in the line's colour.
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

TEST_F(ChartTest, an_application_can_fill_under_segments_with_masks)
{
    lv_obj_t * chart = make_scatter(FAN_CURVE, 7);
    lv_obj_add_event_cb(chart, faded_area_cb, LV_EVENT_DRAW_PART_BEGIN, nullptr);
    display.refresh_now();

    // Across the segment from point 2 (50, 50) to point 3 (60, 60): tinted red below, untouched above.
    lv_coord_t x = 100 + 55 * 3;
    lv_coord_t y_line = 40 + 200 - 55 * 2;
    uint32_t below = display.pixel_rgb(x, y_line + 30);
    uint32_t above = display.pixel_rgb(x, y_line - 30);
    EXPECT_EQ(above, BG_RGB);
    int red_gain = (int)((below >> 16) & 0xFF) - (int)((BG_RGB >> 16) & 0xFF);
    int green_gain = (int)((below >> 8) & 0xFF) - (int)((BG_RGB >> 8) & 0xFF);
    EXPECT_GE(red_gain, 10) << std::hex << below;
    EXPECT_GT(red_gain, green_gain) << std::hex << below;
    // The fade: the tint is stronger near the top of the chart than at its bottom.
    uint32_t near_bottom = display.pixel_rgb(x, 40 + 198);
    EXPECT_GT((below >> 16) & 0xFF, (near_bottom >> 16) & 0xFF) << std::hex << near_bottom;
    EXPECT_EQ(lv_draw_mask_get_cnt(), 0);
}

TEST_F(ChartTest, tick_label_events_offer_each_major_value_and_take_a_new_text)
{
    lv_obj_t * chart = make_scatter(FAN_CURVE, 7);
    lv_chart_set_axis_tick(chart, LV_CHART_AXIS_PRIMARY_Y, 10, 5, 6, 2, true, 50);
    lv_chart_set_range(chart, LV_CHART_AXIS_PRIMARY_Y, 0, 100);
    PartLog log;
    log.relabel_suffix = "%";
    log.attach(chart);
    display.refresh_now();

    const std::vector<std::pair<int32_t, std::string>> want = {
        {100, "100"}, {80, "80"}, {60, "60"}, {40, "40"}, {20, "20"}, {0, "0"}};
    EXPECT_EQ(log.y_labels, want);

    // The extra draw size makes room for the labels left of the chart, where they are drawn.
    EXPECT_GE(_lv_obj_get_ext_draw_size(chart), 50);
    bool drawn = false;
    for(lv_coord_t x = 60; x < 100 && !drawn; x++) {
        for(lv_coord_t y = 30; y < 250 && !drawn; y++) drawn = display.pixel_rgb(x, y) != display.pixel_rgb(5, 5);
    }
    EXPECT_TRUE(drawn);
}

TEST_F(ChartTest, pointer_events_reach_the_application_and_a_line_chart_reports_the_pressed_point)
{
    lv_obj_t * chart = make_scatter(FAN_CURVE, 7);
    lv_chart_set_type(chart, LV_CHART_TYPE_LINE);
    lv_chart_set_point_count(chart, 5);  // points every 75 px
    EventLog log;
    log.attach(chart);

    struct Step {
        lv_coord_t x;
        uint32_t pressed_point;
    };
    const Step steps[] = {{100 + 70, 1}, {100 + 160, 2}, {100 + 299, 4}};
    display.press(steps[0].x, 100);
    EXPECT_EQ(lv_chart_get_pressed_point(chart), steps[0].pressed_point);
    display.move(steps[1].x, 110);
    display.move(steps[2].x, 120);
    display.release();
    EXPECT_EQ(lv_chart_get_pressed_point(chart), (uint32_t)LV_CHART_POINT_NONE);

    std::vector<lv_event_code_t> codes;
    for(lv_event_code_t c : log.input_codes()) {
        if(c == LV_EVENT_PRESSED || c == LV_EVENT_PRESSING || c == LV_EVENT_RELEASED) codes.push_back(c);
    }
    ASSERT_GE(codes.size(), 4u);
    EXPECT_EQ(codes.front(), LV_EVENT_PRESSED);
    EXPECT_EQ(codes[1], LV_EVENT_PRESSING);
    EXPECT_EQ(codes[codes.size() - 2], LV_EVENT_PRESSING);
    EXPECT_EQ(codes.back(), LV_EVENT_RELEASED);
    size_t value_changes = 0;
    for(lv_event_code_t c : log.codes) value_changes += c == LV_EVENT_VALUE_CHANGED;
    EXPECT_EQ(value_changes, 1u);  // only the press picks a point
}

TEST_F(ChartTest, events_sent_by_the_program_leave_the_arrays_alone)
{
    // The fan page sends released to commit the curve, with no input device active.
    lv_obj_t * chart = make_scatter(FAN_CURVE, 7);
    const lv_event_code_t codes[] = {LV_EVENT_RELEASED, LV_EVENT_PRESSED, LV_EVENT_PRESSING, LV_EVENT_RELEASED};
    for(lv_event_code_t c : codes) EXPECT_EQ(lv_event_send(chart, c, nullptr), LV_RES_OK);
    EXPECT_EQ(lv_chart_get_pressed_point(chart), (uint32_t)LV_CHART_POINT_NONE);
    for(int i = 0; i < 7; i++) EXPECT_EQ(lv_chart_get_y_array(chart, ser)[i], FAN_CURVE[i][1]);
}

TEST_F(ChartTest, arrays_keep_their_values_across_a_new_point_count)
{
    lv_obj_t * chart = make_scatter(FAN_CURVE, 7);
    lv_chart_set_point_count(chart, 9);
    lv_coord_t * xs = lv_chart_get_x_array(chart, ser);
    lv_coord_t * ys = lv_chart_get_y_array(chart, ser);
    for(int i = 0; i < 7; i++) {
        EXPECT_EQ(xs[i], FAN_CURVE[i][0]);
        EXPECT_EQ(ys[i], FAN_CURVE[i][1]);
    }
    EXPECT_EQ(ys[7], LV_CHART_POINT_NONE);
    EXPECT_EQ(xs[8], LV_CHART_POINT_NONE);

    lv_chart_set_point_count(chart, 3);
    EXPECT_EQ(lv_chart_get_point_count(chart), 3);
    EXPECT_EQ(lv_chart_get_y_array(chart, ser)[2], FAN_CURVE[2][1]);

    // A fresh series starts empty, and an out-of-range id gives (0, 0).
    lv_chart_series_t * other = lv_chart_add_series(chart, lv_color_white(), LV_CHART_AXIS_PRIMARY_Y);
    EXPECT_EQ(lv_chart_get_y_array(chart, other)[0], LV_CHART_POINT_NONE);
    lv_point_t p = {1, 1};
    lv_chart_get_point_pos_by_id(chart, other, 3, &p);
    EXPECT_EQ(p.x, 0);
    EXPECT_EQ(p.y, 0);
}

TEST_F(ChartTest, a_shifting_line_chart_keeps_the_oldest_value_first)
{
    lv_obj_t * chart = lv_chart_create(lv_scr_act());
    lv_chart_set_point_count(chart, 4);
    lv_chart_series_t * s = lv_chart_add_series(chart, lv_color_white(), LV_CHART_AXIS_PRIMARY_Y);
    for(lv_coord_t v = 1; v <= 6; v++) lv_chart_set_next_value(chart, s, (lv_coord_t)(v * 10));
    // Ring of 4 after six values: 50 60 30 40, the oldest (30) at start_point 2.
    EXPECT_EQ(lv_chart_get_x_start_point(chart, s), 2);

    // Drawn (and reported) from the oldest: point 0 is 30, so it is the lowest of the four.
    lv_point_t p0, p3;
    lv_chart_get_point_pos_by_id(chart, s, 0, &p0);
    lv_chart_get_point_pos_by_id(chart, s, 3, &p3);
    EXPECT_GT(p0.y, p3.y);

    // A new count unrolls the ring: oldest first, the new slots empty.
    lv_chart_set_point_count(chart, 6);
    const lv_coord_t want[6] = {30, 40, 50, 60, LV_CHART_POINT_NONE, LV_CHART_POINT_NONE};
    lv_coord_t * ys = lv_chart_get_y_array(chart, s);
    for(int i = 0; i < 6; i++) EXPECT_EQ(ys[i], want[i]) << i;
    EXPECT_EQ(lv_chart_get_x_start_point(chart, s), 0);
}

TEST_F(ChartTest, a_cursor_follows_its_point_or_stays_hidden)
{
    lv_obj_t * chart = make_scatter(FAN_CURVE, 7);
    lv_obj_set_style_line_width(chart, 1, LV_PART_CURSOR);
    lv_obj_set_style_size(chart, 0, LV_PART_CURSOR);
    lv_chart_cursor_t * cursor = lv_chart_add_cursor(chart, lv_color_hex(0x2196F3), LV_DIR_LEFT | LV_DIR_BOTTOM);
    display.refresh_now();
    EXPECT_NE(display.pixel_rgb(100 + 5, 40 + 200 - 45 * 2), 0x2196F3u);

    // The operating point 45 degC / 45 %: lines to the left and bottom edges only.
    lv_coord_t * xs = lv_chart_get_x_array(chart, ser);
    lv_coord_t * ys = lv_chart_get_y_array(chart, ser);
    xs[0] = 45;
    ys[0] = 45;
    lv_chart_set_cursor_point(chart, cursor, ser, 0);
    lv_point_t c = lv_chart_get_cursor_point(chart, cursor);
    EXPECT_EQ(c.x, 45 * 3);
    EXPECT_EQ(c.y, 200 - 45 * 2);
    display.refresh_now();
    EXPECT_EQ(display.pixel_rgb(100 + 5, 40 + c.y), 0x2196F3u);       // left of the point
    EXPECT_EQ(display.pixel_rgb(100 + c.x, 40 + 195), 0x2196F3u);     // below it
    EXPECT_NE(display.pixel_rgb(100 + 290, 40 + c.y), 0x2196F3u);     // not to the right
}

TEST_F(ChartTest, bars_of_each_series_stand_side_by_side_in_their_column)
{
    // Two series, four points, 300 px: columns 60 px wide with 20 px between them,
    // bars 28 px with 4 px between the two series of a column.
    lv_obj_t * chart = make_scatter(FAN_CURVE, 4);
    lv_chart_set_type(chart, LV_CHART_TYPE_BAR);
    lv_obj_set_style_pad_column(chart, 20, 0);
    lv_obj_set_style_pad_column(chart, 4, LV_PART_ITEMS);
    lv_obj_set_style_radius(chart, 0, LV_PART_ITEMS);
    lv_chart_series_t * second = lv_chart_add_series(chart, lv_color_hex(0x2196F3), LV_CHART_AXIS_PRIMARY_Y);
    const lv_coord_t values[2][4] = {{50, 100, LV_CHART_POINT_NONE, 25}, {10, 20, 30, 40}};
    lv_chart_series_t * sers[2] = {ser, second};
    for(int k = 0; k < 2; k++) {
        for(uint16_t i = 0; i < 4; i++) lv_chart_set_value_by_id(chart, sers[k], i, values[k][i]);
    }

    struct Bar {
        uint32_t id;
        int32_t value;
        const void * ser;
        lv_area_t area;
    };
    std::vector<Bar> bars;
    lv_obj_add_event_cb(
        chart,
        [](lv_event_t * e) {
            lv_obj_draw_part_dsc_t * dsc = lv_event_get_draw_part_dsc(e);
            if(!lv_obj_draw_part_check_type(dsc, &lv_chart_class, LV_CHART_DRAW_PART_BAR)) return;
            static_cast<std::vector<Bar> *>(lv_event_get_user_data(e))
            ->push_back({dsc->id, dsc->value, dsc->sub_part_ptr, *dsc->draw_area});
        },
        LV_EVENT_DRAW_PART_BEGIN, &bars);
    display.refresh_now();

    // Point 2 of the first series is missing: seven bars.
    ASSERT_EQ(bars.size(), 7u);
    struct Want {
        uint32_t id;
        int series;
        lv_coord_t x1;
        lv_coord_t top;   // screen y of the bar's top
    };
    const Want want[] = {{0, 0, 100, 140}, {0, 1, 132, 220}, {1, 0, 180, 40},  {1, 1, 212, 200},
                         {2, 1, 292, 180}, {3, 0, 340, 190}, {3, 1, 372, 160}};
    for(size_t i = 0; i < 7; i++) {
        SCOPED_TRACE(i);
        EXPECT_EQ(bars[i].id, want[i].id);
        EXPECT_EQ(bars[i].ser, sers[want[i].series]);
        EXPECT_EQ(bars[i].value, values[want[i].series][want[i].id]);
        EXPECT_EQ(bars[i].area.x1, want[i].x1);
        EXPECT_EQ(lv_area_get_width(&bars[i].area), 28);
        EXPECT_EQ(bars[i].area.y1, want[i].top);
        EXPECT_EQ(bars[i].area.y2, 239);
    }
    EXPECT_EQ(display.pixel_rgb(114, 200), SERIES_RGB);
    EXPECT_EQ(display.pixel_rgb(146, 230), 0x2196F3u);
    EXPECT_EQ(display.pixel_rgb(128, 200), BG_RGB);  // the gap between the two bars

    // A press picks the column under the pointer.
    display.press(360, 200);
    EXPECT_EQ(lv_chart_get_pressed_point(chart), 3u);
    display.release();
}

TEST_F(ChartTest, a_circular_chart_shows_its_arrays_in_order_and_keeps_them_on_a_new_count)
{
    lv_obj_t * chart = lv_chart_create(lv_scr_act());
    lv_obj_set_size(chart, 300, 200);
    lv_chart_set_update_mode(chart, LV_CHART_UPDATE_MODE_CIRCULAR);
    lv_chart_set_point_count(chart, 4);
    lv_chart_series_t * s = lv_chart_add_series(chart, lv_color_white(), LV_CHART_AXIS_PRIMARY_Y);
    for(lv_coord_t v = 1; v <= 6; v++) lv_chart_set_next_value(chart, s, (lv_coord_t)(v * 10));
    // 50 60 30 40: drawn as stored, so point 0 (50) is higher than point 2 (30).
    lv_point_t p0, p2;
    lv_chart_get_point_pos_by_id(chart, s, 0, &p0);
    lv_chart_get_point_pos_by_id(chart, s, 2, &p2);
    EXPECT_LT(p0.y, p2.y);

    lv_chart_set_point_count(chart, 5);
    const lv_coord_t want[5] = {50, 60, 30, 40, LV_CHART_POINT_NONE};
    for(int i = 0; i < 5; i++) EXPECT_EQ(lv_chart_get_y_array(chart, s)[i], want[i]) << i;
    EXPECT_EQ(lv_chart_get_x_start_point(chart, s), 2);  // the next value still overwrites the oldest
    lv_chart_set_next_value(chart, s, 70);
    EXPECT_EQ(lv_chart_get_y_array(chart, s)[2], 70);

    lv_chart_set_point_count(chart, 2);
    EXPECT_EQ(lv_chart_get_x_start_point(chart, s), 0);  // past the end: starts over
}

TEST_F(ChartTest, points_are_placed_on_the_range_of_their_axis_even_outside_it)
{
    lv_obj_t * chart = make_scatter(FAN_CURVE, 7);
    lv_chart_set_range(chart, LV_CHART_AXIS_SECONDARY_Y, -50, 50);
    lv_chart_set_range(chart, LV_CHART_AXIS_PRIMARY_X, 0, 0);  // empty: widened to 0..1
    lv_chart_set_range(chart, LV_CHART_AXIS_PRIMARY_X, 0, 100);
    lv_chart_series_t * sec = lv_chart_add_series(chart, lv_color_white(), LV_CHART_AXIS_SECONDARY_Y);

    struct Case {
        lv_chart_series_t * s;
        lv_coord_t x, y;
        lv_point_t rel;
    };
    const Case cases[] = {
        {sec, 50, 0, {150, 100}},              // the middle of -50..50
        {sec, 0, -50, {0, 200}},
        {ser, 100, 150, {300, -100}},          // above the range: above the chart, not clamped
        {ser, 10, 30000, {30, 200 - LV_COORD_MAX / 2}},   // far above: held, not wrapped round
    };
    for(const Case & c : cases) {
        SCOPED_TRACE(c.y);
        lv_chart_set_value_by_id2(chart, c.s, 0, c.x, c.y);
        lv_point_t p;
        lv_chart_get_point_pos_by_id(chart, c.s, 0, &p);
        EXPECT_EQ(p.x, c.rel.x);
        EXPECT_EQ(p.y, c.rel.y);
    }
    display.refresh_now();  // and drawing them is harmless
}

TEST_F(ChartTest, value_setters_address_array_slots_and_only_scatter_charts_take_x)
{
    lv_obj_t * chart = lv_chart_create(lv_scr_act());
    lv_chart_set_point_count(chart, 3);
    lv_chart_series_t * s = lv_chart_add_series(chart, lv_color_white(), LV_CHART_AXIS_PRIMARY_Y);
    lv_chart_set_next_value(chart, s, 1);   // the ring now starts at slot 1
    lv_chart_set_value_by_id(chart, s, 2, 42);
    lv_chart_set_value_by_id(chart, s, 3, 99);   // past the end: ignored
    lv_chart_set_value_by_id2(chart, s, 0, 7, 8);   // a line chart has no x values to set
    lv_chart_set_next_value2(chart, s, 7, 8);
    const lv_coord_t want_y[3] = {1, LV_CHART_POINT_NONE, 42};
    for(int i = 0; i < 3; i++) EXPECT_EQ(lv_chart_get_y_array(chart, s)[i], want_y[i]) << i;
    EXPECT_EQ(lv_chart_get_x_start_point(chart, s), 1);

    lv_chart_set_type(chart, LV_CHART_TYPE_SCATTER);
    lv_chart_set_next_value2(chart, s, 7, 8);
    EXPECT_EQ(lv_chart_get_x_array(chart, s)[1], 7);
    EXPECT_EQ(lv_chart_get_y_array(chart, s)[1], 8);
    lv_chart_set_all_value(chart, s, 5);
    for(int i = 0; i < 3; i++) EXPECT_EQ(lv_chart_get_y_array(chart, s)[i], 5) << i;
    EXPECT_EQ(lv_chart_get_x_start_point(chart, s), 0);
}

TEST_F(ChartTest, arrays_of_the_application_are_used_and_never_resized_or_freed)
{
    lv_obj_t * chart = lv_chart_create(lv_scr_act());
    lv_chart_set_point_count(chart, 4);
    lv_chart_series_t * s = lv_chart_add_series(chart, lv_color_white(), LV_CHART_AXIS_PRIMARY_Y);
    static lv_coord_t ys[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    static lv_coord_t xs[8] = {10, 20, 30, 40, 50, 60, 70, 80};
    lv_chart_set_ext_y_array(chart, s, ys);
    lv_chart_set_ext_x_array(chart, s, xs);
    EXPECT_EQ(lv_chart_get_y_array(chart, s), ys);
    EXPECT_EQ(lv_chart_get_x_array(chart, s), xs);

    lv_chart_set_point_count(chart, 8);
    EXPECT_EQ(lv_chart_get_y_array(chart, s), ys);
    EXPECT_EQ(ys[7], 8);
    lv_chart_set_next_value(chart, s, 100);
    EXPECT_EQ(ys[0], 100);
    lv_chart_remove_series(chart, s);   // under ASan a free of the static arrays would abort here
    lv_obj_del(chart);
}

TEST_F(ChartTest, a_cursor_on_a_removed_series_disappears)
{
    lv_obj_t * chart = make_scatter(FAN_CURVE, 7);
    lv_obj_set_style_line_width(chart, 1, LV_PART_CURSOR);
    lv_chart_cursor_t * cursor = lv_chart_add_cursor(chart, lv_color_hex(0x2196F3), LV_DIR_LEFT);
    lv_chart_set_cursor_point(chart, cursor, nullptr, 3);   // the first series
    lv_point_t c = lv_chart_get_cursor_point(chart, cursor);
    EXPECT_EQ(c.x, FAN_CURVE[3][0] * 3);
    display.refresh_now();
    EXPECT_EQ(display.pixel_rgb(100 + 5, 40 + c.y), 0x2196F3u);

    lv_chart_remove_series(chart, ser);
    display.refresh_now();
    EXPECT_NE(display.pixel_rgb(100 + 5, 40 + c.y), 0x2196F3u);
    EXPECT_EQ(lv_chart_get_series_next(chart, nullptr), nullptr);
}

TEST_F(ChartTest, division_lines_span_the_plot_and_leave_the_border_lines_to_the_border)
{
    struct Case {
        uint8_t hdiv, vdiv;
        lv_coord_t border;
        size_t hor_drawn, ver_drawn;   // lines seen in the given colour
    };
    // Without padding the last line of each kind falls one pixel past the box and is clipped.
    const Case cases[] = {{3, 5, 0, 2, 4}, {3, 5, 2, 1, 3}, {0, 1, 0, 0, 0}};
    for(const Case & c : cases) {
        SCOPED_TRACE(c.border);
        lv_obj_t * chart = make_scatter(FAN_CURVE, 1);
        lv_chart_set_div_line_count(chart, c.hdiv, c.vdiv);
        lv_obj_set_style_border_width(chart, c.border, 0);
        lv_obj_set_style_border_color(chart, lv_color_hex(0x00FF00), 0);
        lv_obj_set_style_line_color(chart, lv_color_hex(0xFFFF00), 0);
        lv_obj_set_style_line_width(chart, 1, 0);
        std::vector<uint32_t> types;
        lv_obj_add_event_cb(
            chart,
            [](lv_event_t * e) {
                lv_obj_draw_part_dsc_t * dsc = lv_event_get_draw_part_dsc(e);
                if(dsc->part == LV_PART_MAIN && dsc->class_p == &lv_chart_class)
                    static_cast<std::vector<uint32_t> *>(lv_event_get_user_data(e))->push_back(dsc->type);
            },
            LV_EVENT_DRAW_PART_BEGIN, &types);
        display.refresh_now();

        size_t hor = 0, ver = 0;
        for(lv_coord_t y = 40; y < 240; y++) hor += display.pixel_rgb(130, y) == 0xFFFF00;
        for(lv_coord_t x = 100; x < 400; x++) ver += display.pixel_rgb(x, 77) == 0xFFFF00;
        EXPECT_EQ(hor, c.hor_drawn);
        EXPECT_EQ(ver, c.ver_drawn);
        ASSERT_FALSE(types.empty());
        EXPECT_EQ(types.front(), (uint32_t)LV_CHART_DRAW_PART_DIV_LINE_INIT);
        EXPECT_EQ(types.size(), 1u + (c.hdiv > 1 ? c.hdiv : 0) + (c.vdiv > 1 ? c.vdiv : 0));
        lv_obj_del(chart);
    }
}

TEST_F(ChartTest, x_ticks_count_points_on_line_charts_and_follow_the_range_on_scatter_charts)
{
    struct Case {
        lv_chart_type_t type;
        std::vector<int32_t> labels;
    };
    const Case cases[] = {
        {LV_CHART_TYPE_LINE, {0, 1, 2, 3}},
        {LV_CHART_TYPE_SCATTER, {20, 40, 60, 80}},
    };
    for(const Case & c : cases) {
        SCOPED_TRACE(c.type);
        lv_obj_t * chart = make_scatter(FAN_CURVE, 7);
        lv_chart_set_type(chart, c.type);
        lv_chart_set_range(chart, LV_CHART_AXIS_SECONDARY_X, 20, 80);
        lv_chart_set_axis_tick(chart, LV_CHART_AXIS_SECONDARY_X, 6, 3, 4, 3, true, 30);
        struct Seen {
            std::vector<int32_t> labels;
            std::vector<lv_point_t> tips;
        } seen;
        lv_obj_add_event_cb(
            chart,
            [](lv_event_t * e) {
                lv_obj_draw_part_dsc_t * dsc = lv_event_get_draw_part_dsc(e);
                if(dsc->part != LV_PART_TICKS || dsc->id != LV_CHART_AXIS_SECONDARY_X) return;
                auto * out = static_cast<Seen *>(lv_event_get_user_data(e));
                if(dsc->text) out->labels.push_back(dsc->value);
                out->tips.push_back(*dsc->p2);
            },
            LV_EVENT_DRAW_PART_BEGIN, &seen);
        display.refresh_now();

        EXPECT_EQ(seen.labels, c.labels);
        ASSERT_EQ(seen.tips.size(), 10u);   // 4 major ticks, 2 minor ones between each
        // Above the chart (secondary): major ticks reach 6 px up from one pixel above the box.
        EXPECT_EQ(seen.tips[0].y, 40 - 1 - 6);
        EXPECT_EQ(seen.tips[1].y, 40 - 1 - 3);
        EXPECT_EQ(seen.tips[0].x, 100);
        lv_obj_del(chart);
    }
}

TEST_F(ChartTest, zooming_widens_the_plot_and_makes_it_scroll)
{
    lv_obj_t * chart = make_scatter(FAN_CURVE, 7);
    lv_chart_set_zoom_x(chart, 512);
    EXPECT_EQ(lv_chart_get_zoom_x(chart), 512);
    lv_point_t p;
    lv_chart_get_point_pos_by_id(chart, ser, 2, &p);
    EXPECT_EQ(p.x, FAN_CURVE[2][0] * 6);
    EXPECT_EQ(lv_obj_get_scroll_right(chart), 300);

    lv_obj_scroll_to_x(chart, 100, LV_ANIM_OFF);
    lv_chart_get_point_pos_by_id(chart, ser, 2, &p);
    EXPECT_EQ(p.x, FAN_CURVE[2][0] * 6 - 100);
}

TEST_F(ChartTest, a_scatter_chart_reports_the_point_nearest_the_pointer)
{
    lv_obj_t * chart = make_scatter(FAN_CURVE, 7);
    struct Case {
        lv_coord_t x;
        uint32_t point;
    };
    // Points at 0, 60, 150, 180, 210, 270, 300 px.
    const Case cases[] = {{100 + 20, 0}, {100 + 100, 1}, {100 + 160, 2}, {100 + 200, 4}, {100 + 299, 6}};
    for(const Case & c : cases) {
        display.press(c.x, 100);
        EXPECT_EQ(lv_chart_get_pressed_point(chart), c.point) << c.x;
        display.release();
        display.advance(50);
    }
}

}  // namespace
