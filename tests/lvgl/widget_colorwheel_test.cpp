// Colour wheel: dragging along the ring, the long press in the middle, the
// double-press reset, value limits, hit area and the drawn hues.
#include "test_display.h"

#include "src/widgets/lv_widgets_extra2.h"

#include <cstdlib>
#include <utility>
#include <vector>

namespace {

// A 200 x 200 wheel at (140, 60): centre (240, 160), ring from radius 80 to 100.
constexpr lv_coord_t CX = 240;
constexpr lv_coord_t CY = 160;
constexpr lv_coord_t R_MID = 90;

struct HueLog {
    std::vector<std::pair<lv_event_code_t, uint16_t>> entries;

    static void cb(lv_event_t * e)
    {
        lv_event_code_t code = lv_event_get_code(e);
        if(code != LV_EVENT_PRESSED && code != LV_EVENT_VALUE_CHANGED && code != LV_EVENT_RELEASED) return;
        auto * self = static_cast<HueLog *>(lv_event_get_user_data(e));
        self->entries.emplace_back(code, lv_colorwheel_get_hsv(lv_event_get_target(e)).h);
    }
    void attach(lv_obj_t * obj) { lv_obj_add_event_cb(obj, cb, LV_EVENT_ALL, this); }
};

class ColorwheelTest : public DisplayTest {
protected:
    lv_obj_t * make(bool recolor = true)
    {
        lv_obj_t * cw = lv_colorwheel_create(lv_scr_act(), recolor);
        lv_obj_set_pos(cw, 140, 60);
        lv_obj_set_size(cw, 200, 200);
        lv_obj_set_style_arc_width(cw, 20, 0);
        lv_obj_set_style_bg_opa(cw, LV_OPA_TRANSP, 0);
        lv_obj_update_layout(cw);
        return cw;
    }
};

// The wheel's angles: 0 at the bottom, 90 on the right, 180 at the top, 270 on the left.
lv_point_t ring_point(int angle)
{
    switch(angle) {
        case 0: return {CX, (lv_coord_t)(CY + R_MID)};
        case 90: return {(lv_coord_t)(CX + R_MID), CY};
        case 180: return {CX, (lv_coord_t)(CY - R_MID)};
        default: return {(lv_coord_t)(CX - R_MID), CY};
    }
}

TEST_F(ColorwheelTest, dragging_along_the_ring_changes_the_hue_then_releases)
{
    lv_obj_t * cw = make();
    HueLog log;
    log.attach(cw);

    lv_point_t p = ring_point(90);
    display.press(p.x, p.y);
    p = ring_point(180);
    display.move(p.x, p.y);
    display.move(p.x, p.y);     // no movement: no new value
    p = ring_point(270);
    display.move(p.x, p.y);
    display.release();

    using E = std::pair<lv_event_code_t, uint16_t>;
    const std::vector<E> want = {{LV_EVENT_PRESSED, 0},        {LV_EVENT_VALUE_CHANGED, 90},
                                 {LV_EVENT_VALUE_CHANGED, 180}, {LV_EVENT_VALUE_CHANGED, 270},
                                 {LV_EVENT_RELEASED, 270}};
    EXPECT_EQ(log.entries, want);
    lv_color_t rgb = lv_colorwheel_get_rgb(cw);
    EXPECT_EQ(lv_color_to32(rgb) & 0xFFFFFF, lv_color_to32(lv_color_hsv_to_rgb(270, 100, 100)) & 0xFFFFFF);
}

TEST_F(ColorwheelTest, a_long_press_in_the_middle_switches_the_mode_unless_fixed)
{
    struct Case {
        bool fixed;
        lv_colorwheel_mode_t after;
    };
    const Case cases[] = {{false, LV_COLORWHEEL_MODE_SATURATION}, {true, LV_COLORWHEEL_MODE_HUE}};
    for(const Case & c : cases) {
        SCOPED_TRACE(c.fixed);
        lv_obj_t * cw = make();
        lv_colorwheel_set_mode_fixed(cw, c.fixed);
        HueLog log;
        log.attach(cw);
        display.press(CX, CY);
        display.advance(LV_INDEV_DEF_LONG_PRESS_TIME + 100);
        display.release();
        EXPECT_EQ(lv_colorwheel_get_color_mode(cw), c.after);
        EXPECT_EQ(lv_colorwheel_get_hsv(cw).h, 0);  // the middle never picks a value
        lv_obj_del(cw);
        display.advance(500);  // let the next press be a first press
    }
}

TEST_F(ColorwheelTest, a_quick_second_press_resets_the_hue_and_waits_for_the_release)
{
    lv_obj_t * cw = make();
    lv_point_t p = ring_point(90);
    display.click(p.x, p.y);
    ASSERT_EQ(lv_colorwheel_get_hsv(cw).h, 90);

    HueLog log;
    log.attach(cw);
    p = ring_point(180);
    display.press(p.x, p.y);
    display.move(p.x + 1, p.y);
    display.release();
    EXPECT_EQ(lv_colorwheel_get_hsv(cw).h, 0);

    // Long enough after, a press is a fresh one.
    display.advance(LV_INDEV_DEF_LONG_PRESS_TIME + 100);
    display.click(p.x, p.y);
    EXPECT_EQ(lv_colorwheel_get_hsv(cw).h, 180);
}

TEST_F(ColorwheelTest, values_are_limited_and_only_changes_count)
{
    lv_obj_t * cw = make();
    struct Case {
        lv_color_hsv_t in;
        bool changed;
        lv_color_hsv_t out;
    };
    const Case cases[] = {
        {{120, 50, 60}, true, {120, 50, 60}},
        {{120, 50, 60}, false, {120, 50, 60}},
        {{400, 150, 200}, true, {40, 100, 100}},
        {{360, 0, 0}, true, {360, 0, 0}},
    };
    for(const Case & c : cases) {
        EXPECT_EQ(lv_colorwheel_set_hsv(cw, c.in), c.changed);
        lv_color_hsv_t got = lv_colorwheel_get_hsv(cw);
        EXPECT_EQ(got.h, c.out.h);
        EXPECT_EQ(got.s, c.out.s);
        EXPECT_EQ(got.v, c.out.v);
    }

    // RGB in, RGB out, for the pure colours the lighting writes: the wheel
    // keeps HSV, so green and blue come back through LVGL's integer steps.
    const std::pair<uint32_t, uint32_t> rgbs[] = {
        {0xFF0000, 0xFF0000}, {0x00FF00, 0x03FF00}, {0x0000FF, 0x0009FF}, {0xFFFFFF, 0xFFFFFF}};
    for(const auto & rgb : rgbs) {
        lv_colorwheel_set_rgb(cw, lv_color_hex(rgb.first));
        EXPECT_EQ(lv_color_to32(lv_colorwheel_get_rgb(cw)) & 0xFFFFFF, rgb.second);
    }
}

TEST_F(ColorwheelTest, events_sent_by_the_program_leave_the_colour_alone)
{
    // At start-up the lighting page sends value-changed and released itself, with no input device active.
    lv_obj_t * cw = make();
    lv_colorwheel_set_hsv(cw, lv_color_hsv_t{200, 80, 70});
    const lv_event_code_t codes[] = {LV_EVENT_VALUE_CHANGED, LV_EVENT_RELEASED, LV_EVENT_PRESSED, LV_EVENT_PRESSING};
    for(lv_event_code_t c : codes) EXPECT_EQ(lv_event_send(cw, c, nullptr), LV_RES_OK);
    lv_color_hsv_t hsv = lv_colorwheel_get_hsv(cw);
    EXPECT_EQ(hsv.h, 200);
    EXPECT_EQ(hsv.s, 80);
    EXPECT_EQ(hsv.v, 70);
}

TEST_F(ColorwheelTest, only_the_round_wheel_takes_presses)
{
    lv_obj_t * cw = make();
    EventLog log;
    log.attach(cw);
    display.click(142, 62);  // inside the box, outside the circle
    EXPECT_TRUE(log.input_codes().empty());
    display.click(CX, CY + R_MID);
    EXPECT_FALSE(log.input_codes().empty());
}

TEST_F(ColorwheelTest, the_ring_shows_each_hue_at_its_angle)
{
    lv_obj_t * cw = make(false);
    lv_obj_set_style_bg_opa(cw, LV_OPA_TRANSP, LV_PART_KNOB);
    display.refresh_now();

    const int angles[] = {0, 90, 180, 270};
    for(int a : angles) {
        SCOPED_TRACE(a);
        lv_point_t p = ring_point(a);
        uint32_t got = display.pixel_rgb(p.x, p.y);
        uint32_t want = lv_color_to32(lv_color_hsv_to_rgb((uint16_t)a, 100, 100)) & 0xFFFFFF;
        for(int shift = 0; shift < 24; shift += 8) {
            EXPECT_LE(std::abs((int)((got >> shift) & 0xFF) - (int)((want >> shift) & 0xFF)), 8)
                << std::hex << got << " vs " << want;
        }
    }
    // Anti-aliased edges: the outermost ring pixel is a blend, the one outside untouched.
    uint32_t bg = display.pixel_rgb(5, 5);
    uint32_t edge = display.pixel_rgb(CX + 99, CY);
    EXPECT_NE(edge, bg);
    EXPECT_EQ(display.pixel_rgb(CX + 101, CY), bg);
    EXPECT_EQ(display.pixel_rgb(CX, CY), bg);   // the hole
}

// A half-transparent wheel, or one inside a half-transparent parent, shows
// its ring at half strength over a black screen, as every other part does.
TEST_F(ColorwheelTest, the_ring_follows_the_opacity_of_the_wheel_and_its_parents)
{
    struct Case {
        const char * name;
        lv_opa_t own;
        lv_opa_t parent;
        int red;   // the hue-0 pixel's red channel
    };
    const Case cases[] = {
        {"opaque", LV_OPA_COVER, LV_OPA_COVER, 255},
        {"wheel at half", LV_OPA_50, LV_OPA_COVER, 128},
        {"parent at half", LV_OPA_COVER, LV_OPA_50, 128},
        {"both at half", LV_OPA_50, LV_OPA_50, 64},
    };
    for(const Case & c : cases) {
        SCOPED_TRACE(c.name);
        lv_obj_clean(lv_scr_act());
        lv_obj_set_style_bg_color(lv_scr_act(), lv_color_black(), 0);
        lv_obj_set_style_bg_opa(lv_scr_act(), LV_OPA_COVER, 0);
        lv_obj_t * box = lv_obj_create(lv_scr_act());
        lv_obj_remove_style_all(box);
        lv_obj_set_size(box, LV_PCT(100), LV_PCT(100));
        lv_obj_set_style_opa(box, c.parent, 0);
        lv_obj_t * cw = lv_colorwheel_create(box, false);
        lv_obj_set_pos(cw, 140, 60);
        lv_obj_set_size(cw, 200, 200);
        lv_obj_set_style_arc_width(cw, 20, 0);
        lv_obj_set_style_bg_opa(cw, LV_OPA_TRANSP, 0);
        lv_obj_set_style_bg_opa(cw, LV_OPA_TRANSP, LV_PART_KNOB);
        lv_obj_set_style_opa(cw, c.own, 0);
        display.refresh_now();

        lv_point_t p = ring_point(0);
        int red = (int)((display.pixel_rgb(p.x, p.y) >> 16) & 0xFF);
        EXPECT_NEAR(red, c.red, 8);
    }
}

TEST_F(ColorwheelTest, pointers_in_each_quadrant_pick_the_value_of_their_angle)
{
    // 64 px along both axes is on the middle circle (radius 90) at the diagonals.
    struct Case {
        lv_colorwheel_mode_t mode;
        lv_coord_t dx, dy;
        int expected;   // hue in degrees, saturation or value in percent
    };
    const Case cases[] = {
        {LV_COLORWHEEL_MODE_HUE, 64, 64, 45},         {LV_COLORWHEEL_MODE_HUE, 64, -64, 135},
        {LV_COLORWHEEL_MODE_HUE, -64, -64, 225},      {LV_COLORWHEEL_MODE_HUE, -64, 64, 315},
        {LV_COLORWHEEL_MODE_HUE, 0, 90, 0},           {LV_COLORWHEEL_MODE_SATURATION, 90, 0, 25},
        {LV_COLORWHEEL_MODE_SATURATION, -64, -64, 62}, {LV_COLORWHEEL_MODE_VALUE, 0, -90, 50},
        {LV_COLORWHEEL_MODE_VALUE, -90, 0, 75},
    };
    for(const Case & c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << (int)c.mode << " at " << c.dx << "," << c.dy);
        lv_obj_t * cw = make();
        lv_colorwheel_set_hsv(cw, lv_color_hsv_t{200, 60, 60});
        lv_colorwheel_set_mode(cw, c.mode);
        display.click((lv_coord_t)(CX + c.dx), (lv_coord_t)(CY + c.dy));
        lv_color_hsv_t hsv = lv_colorwheel_get_hsv(cw);
        int got = c.mode == LV_COLORWHEEL_MODE_HUE ? hsv.h : c.mode == LV_COLORWHEEL_MODE_SATURATION ? hsv.s : hsv.v;
        EXPECT_NEAR(got, c.expected, 1);
        // The other two components stay.
        if(c.mode != LV_COLORWHEEL_MODE_HUE) EXPECT_EQ(hsv.h, 200);
        if(c.mode != LV_COLORWHEEL_MODE_SATURATION) EXPECT_EQ(hsv.s, 60);
        if(c.mode != LV_COLORWHEEL_MODE_VALUE) EXPECT_EQ(hsv.v, 60);
        lv_obj_del(cw);
        display.advance(LV_INDEV_DEF_LONG_PRESS_TIME + 100);  // the next click is a first press again
    }
}

TEST_F(ColorwheelTest, the_knob_sits_on_the_ring_at_the_edited_value)
{
    struct Case {
        lv_colorwheel_mode_t mode;
        lv_color_hsv_t hsv;
        lv_coord_t x, y;   // knob centre on the screen
    };
    const Case cases[] = {
        {LV_COLORWHEEL_MODE_HUE, {0, 100, 100}, CX, CY + R_MID},
        {LV_COLORWHEEL_MODE_HUE, {90, 100, 100}, CX + R_MID, CY},
        {LV_COLORWHEEL_MODE_SATURATION, {0, 50, 100}, CX, CY - R_MID},
        {LV_COLORWHEEL_MODE_VALUE, {0, 100, 75}, CX - R_MID, CY},
    };
    for(const Case & c : cases) {
        SCOPED_TRACE(c.mode);
        lv_obj_t * cw = make();
        lv_obj_set_style_pad_all(cw, 0, LV_PART_KNOB);
        lv_colorwheel_set_mode(cw, c.mode);
        lv_colorwheel_set_hsv(cw, c.hsv);
        lv_obj_update_layout(cw);
        display.refresh_now();
        // The recoloured knob (20 px, the ring's width) shows the wheel's colour at its centre.
        uint32_t want = lv_color_to32(lv_colorwheel_get_rgb(cw)) & 0xFFFFFF;
        EXPECT_EQ(display.pixel_rgb(c.x, c.y), want);
        lv_obj_del(cw);
    }
}

TEST_F(ColorwheelTest, arrow_keys_step_the_edited_value_within_its_range)
{
    struct Case {
        lv_colorwheel_mode_t mode;
        lv_color_hsv_t start;
        uint32_t key;
        lv_color_hsv_t after;
        bool changed;
    };
    const Case cases[] = {
        {LV_COLORWHEEL_MODE_HUE, {10, 50, 50}, LV_KEY_RIGHT, {11, 50, 50}, true},
        {LV_COLORWHEEL_MODE_HUE, {0, 50, 50}, LV_KEY_LEFT, {359, 50, 50}, true},
        {LV_COLORWHEEL_MODE_HUE, {359, 50, 50}, LV_KEY_UP, {0, 50, 50}, true},
        {LV_COLORWHEEL_MODE_SATURATION, {10, 100, 50}, LV_KEY_UP, {10, 100, 50}, false},
        {LV_COLORWHEEL_MODE_SATURATION, {10, 100, 50}, LV_KEY_DOWN, {10, 99, 50}, true},
        {LV_COLORWHEEL_MODE_VALUE, {10, 50, 0}, LV_KEY_LEFT, {10, 50, 0}, false},
    };
    for(const Case & c : cases) {
        SCOPED_TRACE(c.key);
        lv_obj_t * cw = make();
        lv_colorwheel_set_mode(cw, c.mode);
        lv_colorwheel_set_hsv(cw, c.start);
        EventLog log;
        log.attach(cw);
        uint32_t key = c.key;
        lv_event_send(cw, LV_EVENT_KEY, &key);
        lv_color_hsv_t got = lv_colorwheel_get_hsv(cw);
        EXPECT_EQ(got.h, c.after.h);
        EXPECT_EQ(got.s, c.after.s);
        EXPECT_EQ(got.v, c.after.v);
        size_t changes = 0;
        for(lv_event_code_t code : log.codes) changes += code == LV_EVENT_VALUE_CHANGED;
        EXPECT_EQ(changes, c.changed ? 1u : 0u);
        lv_obj_del(cw);
    }
}

}  // namespace
