// Meter: tick and label draw-part events, needle and arc indicators on screen.
#include "test_display.h"

#include "src/widgets/lv_widgets_extra.h"

#include <cmath>
#include <string>
#include <vector>

namespace {

constexpr lv_coord_t CX = 240;   // centre of the 240 x 240 meter at (120, 40)
constexpr lv_coord_t CY = 160;
constexpr uint32_t NEEDLE_RGB = 0x00FF00;
constexpr uint32_t ARC_RGB = 0xF44336;
constexpr uint32_t TICK_RGB = 0x9E9E9E;

class MeterTest : public DisplayTest {};

// The performance page's gauge: 21 ticks, every second one major with a
// label, over 270 degrees starting at 135, on a plain black face.
lv_obj_t * make_meter(lv_meter_scale_t ** scale_out, int32_t min = 0, int32_t max = 100)
{
    lv_obj_t * meter = lv_meter_create(lv_scr_act());
    lv_obj_set_pos(meter, 120, 40);
    lv_obj_set_size(meter, 240, 240);
    lv_obj_set_style_pad_all(meter, 0, 0);
    lv_obj_set_style_bg_color(meter, lv_color_black(), 0);
    lv_obj_set_style_bg_opa(meter, LV_OPA_COVER, 0);
    lv_obj_set_style_border_width(meter, 0, 0);
    lv_obj_set_style_bg_opa(meter, LV_OPA_TRANSP, LV_PART_INDICATOR);
    lv_meter_scale_t * scale = lv_meter_add_scale(meter);
    lv_meter_set_scale_ticks(meter, scale, 21, 2, 6, lv_color_hex(TICK_RGB));
    lv_meter_set_scale_major_ticks(meter, scale, 2, 4, 12, lv_color_hex(0x000000), 10);
    lv_meter_set_scale_range(meter, scale, min, max, 270, 135);
    *scale_out = scale;
    return meter;
}

lv_point_t polar(double angle_deg, double r)
{
    double a = angle_deg * 3.14159265358979 / 180.0;
    return {(lv_coord_t)std::lround(CX + r * std::cos(a)), (lv_coord_t)std::lround(CY + r * std::sin(a))};
}

struct TickRecord {
    uint32_t id;
    int32_t value;
    std::string text;   // empty: no label
    lv_coord_t width;
    uint32_t rgb;
    lv_point_t outer;
};

void record_ticks(lv_event_t * e)
{
    lv_obj_draw_part_dsc_t * dsc = lv_event_get_draw_part_dsc(e);
    if(!lv_obj_draw_part_check_type(dsc, &lv_meter_class, LV_METER_DRAW_PART_TICK)) return;
    auto * out = static_cast<std::vector<TickRecord> *>(lv_event_get_user_data(e));
    out->push_back({dsc->id, dsc->value, dsc->text ? dsc->text : "", dsc->line_dsc->width,
                    lv_color_to32(dsc->line_dsc->color) & 0xFFFFFF, *dsc->p2});
}

TEST_F(MeterTest, every_tick_gets_a_draw_part_event_and_major_ticks_carry_their_label)
{
    lv_meter_scale_t * scale;
    lv_obj_t * meter = make_meter(&scale, 5, 30);
    std::vector<TickRecord> ticks;
    lv_obj_add_event_cb(meter, record_ticks, LV_EVENT_DRAW_PART_BEGIN, &ticks);
    display.refresh_now();

    ASSERT_EQ(ticks.size(), 21u);
    for(uint32_t i = 0; i < 21; i++) {
        SCOPED_TRACE(i);
        EXPECT_EQ(ticks[i].id, i);
        EXPECT_EQ(ticks[i].value, 5 + (int32_t)(25 * i / 20));
        EXPECT_EQ(ticks[i].text, i % 2 == 0 ? std::to_string(ticks[i].value) : "");
    }
    EXPECT_EQ(ticks.front().value, 5);
    EXPECT_EQ(ticks.back().value, 30);
}

// A draw-part handler can change how a tick is drawn.
void paint_top_tick(lv_event_t * e)
{
    lv_obj_draw_part_dsc_t * dsc = lv_event_get_draw_part_dsc(e);
    if(!lv_obj_draw_part_check_type(dsc, &lv_meter_class, LV_METER_DRAW_PART_TICK)) return;
    if(dsc->id == 10) dsc->line_dsc->color = lv_color_hex(0x0000FF);
}

struct PartRecord {
    uint32_t type;
    uint32_t part;
    lv_coord_t radius;
    lv_point_t p2;
};

void record_indicators(lv_event_t * e)
{
    lv_obj_draw_part_dsc_t * dsc = lv_event_get_draw_part_dsc(e);
    if(dsc->class_p != &lv_meter_class || dsc->type == LV_METER_DRAW_PART_TICK) return;
    auto * out = static_cast<std::vector<PartRecord> *>(lv_event_get_user_data(e));
    out->push_back({dsc->type, dsc->part, dsc->radius, dsc->p2 ? *dsc->p2 : lv_point_t{-1, -1}});
}

TEST_F(MeterTest, arc_and_needle_indicators_get_draw_part_events_in_the_order_added)
{
    lv_meter_scale_t * scale;
    lv_obj_t * meter = make_meter(&scale);
    lv_meter_indicator_t * arc = lv_meter_add_arc(meter, scale, 8, lv_color_hex(ARC_RGB), -5);
    lv_meter_indicator_t * needle = lv_meter_add_needle_line(meter, scale, 4, lv_color_hex(NEEDLE_RGB), -10);
    lv_meter_set_indicator_end_value(meter, arc, 50);
    lv_meter_set_indicator_value(meter, needle, 50);
    std::vector<PartRecord> parts;
    lv_obj_add_event_cb(meter, record_indicators, LV_EVENT_DRAW_PART_BEGIN, &parts);
    display.refresh_now();

    std::vector<PartRecord> indicator_parts;
    for(const PartRecord & r : parts)
        if(r.part != LV_PART_MAIN) indicator_parts.push_back(r);
    ASSERT_EQ(indicator_parts.size(), 2u);
    EXPECT_EQ(indicator_parts[0].type, (uint32_t)LV_METER_DRAW_PART_ARC);
    EXPECT_EQ(indicator_parts[0].part, (uint32_t)LV_PART_INDICATOR);
    EXPECT_EQ(indicator_parts[0].radius, 120 - 5);
    EXPECT_EQ(indicator_parts[1].type, (uint32_t)LV_METER_DRAW_PART_NEEDLE_LINE);
    EXPECT_EQ(indicator_parts[1].part, (uint32_t)LV_PART_ITEMS);
    EXPECT_EQ(indicator_parts[1].p2.x, CX);          // value 50: straight up,
    EXPECT_EQ(indicator_parts[1].p2.y, CY - 110);    // 10 px short of the edge
}

TEST_F(MeterTest, a_draw_part_handler_recolours_a_tick)
{
    lv_meter_scale_t * scale;
    lv_obj_t * meter = make_meter(&scale);
    lv_obj_add_event_cb(meter, paint_top_tick, LV_EVENT_DRAW_PART_BEGIN, nullptr);
    display.refresh_now();
    lv_point_t top = polar(270, 117);     // the middle tick points straight up
    lv_point_t left = polar(256.5, 117);  // its minor neighbour
    EXPECT_EQ(display.pixel_rgb(top.x, top.y), 0x0000FFu);
    EXPECT_NE(display.pixel_rgb(left.x, left.y), 0x0000FFu);
    EXPECT_NE(display.pixel_rgb(left.x, left.y), 0x000000u);
}

TEST_F(MeterTest, the_needle_points_at_its_value_and_stops_at_the_scale_ends)
{
    struct Case {
        int32_t value;
        double angle;   // where the needle must point
    };
    const Case cases[] = {{0, 135}, {50, 270}, {100, 45}, {25, 202.5}, {150, 45}, {-20, 135}};
    const double all_angles[] = {135, 270, 45, 202.5};
    for(const Case & c : cases) {
        SCOPED_TRACE(c.value);
        lv_meter_scale_t * scale;
        lv_obj_t * meter = make_meter(&scale);
        lv_meter_indicator_t * needle = lv_meter_add_needle_line(meter, scale, 4, lv_color_hex(NEEDLE_RGB), -10);
        lv_meter_set_indicator_value(meter, needle, c.value);
        EXPECT_EQ(needle->start_value, c.value);
        EXPECT_EQ(needle->end_value, c.value);
        display.refresh_now();
        for(double a : all_angles) {
            lv_point_t p = polar(a, 50);
            EXPECT_EQ(display.pixel_rgb(p.x, p.y) == NEEDLE_RGB, a == c.angle) << "at " << a << " degrees";
        }
        lv_obj_del(meter);
    }
}

TEST_F(MeterTest, the_arc_indicator_runs_from_its_start_value_to_its_end_value)
{
    struct Case {
        const char * name;
        int32_t start;   // -1: left at the scale's minimum
        int32_t end;
        bool set_both;   // lv_meter_set_indicator_value instead of start/end
    };
    const Case cases[] = {
        {"end only: from the minimum", -1, 50, false},
        {"start and end", 20, 50, false},
        {"whole scale", 0, 100, false},
        {"one value: nothing to draw", -1, 50, true},
    };
    for(const Case & c : cases) {
        SCOPED_TRACE(c.name);
        lv_meter_scale_t * scale;
        lv_obj_t * meter = make_meter(&scale);
        lv_meter_indicator_t * arc = lv_meter_add_arc(meter, scale, 8, lv_color_hex(ARC_RGB), 0);
        if(c.set_both) lv_meter_set_indicator_value(meter, arc, c.end);
        else {
            if(c.start >= 0) lv_meter_set_indicator_start_value(meter, arc, c.start);
            lv_meter_set_indicator_end_value(meter, arc, c.end);
        }
        display.refresh_now();

        int32_t from = c.set_both ? c.end : (c.start >= 0 ? c.start : 0);
        // Sample between the ticks (every 5 units = 13.5 degrees), 4 px inside the edge.
        for(int k = 0; k < 20; k++) {
            double mid_value = 5 * k + 2.5;
            double angle = 135 + mid_value * 2.7;
            bool inside = !c.set_both && mid_value > from && mid_value < c.end;
            lv_point_t p = polar(angle, 116);
            EXPECT_EQ(display.pixel_rgb(p.x, p.y) == ARC_RGB, inside) << "at value " << mid_value;
        }
        lv_obj_del(meter);
    }
}

// A scale nobody configured: 0..100 over 270 degrees from 135, six plain ticks.
TEST_F(MeterTest, a_new_scale_has_six_unlabelled_ticks_over_three_quarters_of_a_turn)
{
    lv_obj_t * meter = lv_meter_create(lv_scr_act());
    lv_obj_set_pos(meter, 120, 40);
    lv_obj_set_size(meter, 240, 240);
    lv_obj_set_style_pad_all(meter, 0, 0);
    lv_obj_set_style_border_width(meter, 0, 0);
    ASSERT_NE(lv_meter_add_scale(meter), nullptr);
    std::vector<TickRecord> ticks;
    lv_obj_add_event_cb(meter, record_ticks, LV_EVENT_DRAW_PART_BEGIN, &ticks);
    display.refresh_now();

    ASSERT_EQ(ticks.size(), 6u);
    for(uint32_t i = 0; i < 6; i++) {
        SCOPED_TRACE(i);
        EXPECT_EQ(ticks[i].value, (int32_t)(20 * i));
        EXPECT_EQ(ticks[i].text, "");
        lv_point_t expected = polar(135 + 54.0 * i, 120);
        EXPECT_NEAR(ticks[i].outer.x, expected.x, 1);
        EXPECT_NEAR(ticks[i].outer.y, expected.y, 1);
    }
}

// Tick ranges recolour and widen the ticks between their values, blending
// from the start colour to the end colour over their own values.
TEST_F(MeterTest, a_tick_range_indicator_restyles_only_the_ticks_it_covers)
{
    lv_meter_scale_t * scale;
    lv_obj_t * meter = make_meter(&scale);   // ticks every 5, majors every 10
    lv_meter_indicator_t * range = lv_meter_add_scale_lines(meter, scale, lv_color_hex(0xFF0000),
                                                            lv_color_hex(0x0000FF), true, 3);
    lv_meter_set_indicator_start_value(meter, range, 20);
    lv_meter_set_indicator_end_value(meter, range, 60);
    std::vector<TickRecord> ticks;
    lv_obj_add_event_cb(meter, record_ticks, LV_EVENT_DRAW_PART_BEGIN, &ticks);
    display.refresh_now();

    ASSERT_EQ(ticks.size(), 21u);
    for(const TickRecord & t : ticks) {
        SCOPED_TRACE(t.value);
        bool major = t.id % 2 == 0;
        bool covered = t.value >= 20 && t.value <= 60;
        EXPECT_EQ(t.width, (major ? 4 : 2) + (covered ? 3 : 0));
        if(!covered) EXPECT_EQ(t.rgb, major ? 0x000000u : TICK_RGB);
    }
    EXPECT_EQ(ticks[4].rgb, 0xFF0000u);    // value 20: the start colour
    EXPECT_EQ(ticks[12].rgb, 0x0000FFu);   // value 60: the end colour
    EXPECT_NE(ticks[8].rgb, 0xFF0000u);    // value 40: in between
    EXPECT_NE(ticks[8].rgb, 0x0000FFu);
}

void record_needle_img(lv_event_t * e)
{
    lv_obj_draw_part_dsc_t * dsc = lv_event_get_draw_part_dsc(e);
    if(!lv_obj_draw_part_check_type(dsc, &lv_meter_class, LV_METER_DRAW_PART_NEEDLE_IMG)) return;
    auto * out = static_cast<std::vector<std::pair<int16_t, lv_area_t>> *>(lv_event_get_user_data(e));
    out->emplace_back(dsc->img_dsc->angle, *dsc->draw_area);
}

// A picture needle is turned (in tenths of a degree) about its pivot, which sits on the centre.
TEST_F(MeterTest, a_picture_needle_turns_about_its_pivot_to_the_value)
{
    static uint32_t pixels[40 * 6];
    for(uint32_t & px : pixels) px = 0xFF00FF00u;
    lv_img_dsc_t needle = {};
    needle.header.cf = LV_IMG_CF_TRUE_COLOR_ALPHA;
    needle.header.w = 40;
    needle.header.h = 6;
    needle.data_size = sizeof(pixels);
    needle.data = reinterpret_cast<const uint8_t *>(pixels);

    struct Case {
        int32_t value;
        int16_t angle;
    };
    const Case cases[] = {{0, 1350}, {50, 2700}, {55, 2835}, {100, 450}, {130, 450}};
    for(const Case & c : cases) {
        SCOPED_TRACE(c.value);
        lv_meter_scale_t * scale;
        lv_obj_t * meter = make_meter(&scale);
        lv_meter_indicator_t * indic = lv_meter_add_needle_img(meter, scale, &needle, 3, 3);
        lv_meter_set_indicator_value(meter, indic, c.value);
        std::vector<std::pair<int16_t, lv_area_t>> seen;
        lv_obj_add_event_cb(meter, record_needle_img, LV_EVENT_DRAW_PART_BEGIN, &seen);
        display.refresh_now();
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen[0].first, c.angle);
        EXPECT_EQ(seen[0].second.x1, CX - 3);
        EXPECT_EQ(seen[0].second.y1, CY - 3);
        EXPECT_EQ(seen[0].second.x2, CX - 3 + 39);
        lv_obj_del(meter);
    }
}

// A handle of another kind, or none, is ignored rather than written through.
TEST_F(MeterTest, calls_with_a_handle_that_is_not_a_meter_change_nothing)
{
    lv_meter_scale_t * scale;
    lv_obj_t * meter = make_meter(&scale);
    lv_obj_t * plain = lv_obj_create(lv_scr_act());
    for(lv_obj_t * obj : {plain, (lv_obj_t *)nullptr}) {
        EXPECT_EQ(lv_meter_add_scale(obj), nullptr);
        EXPECT_EQ(lv_meter_add_arc(obj, scale, 4, lv_color_white(), 0), nullptr);
        lv_meter_set_scale_ticks(obj, scale, 3, 1, 1, lv_color_white());
        lv_meter_set_scale_range(obj, scale, 1, 2, 90, 0);
    }
    EXPECT_EQ(lv_meter_add_needle_line(meter, nullptr, 2, lv_color_white(), 0), nullptr);
    lv_meter_set_indicator_value(meter, nullptr, 5);
    EXPECT_EQ(scale->tick_cnt, 21);
    EXPECT_EQ(scale->max, 100);
}

}  // namespace
