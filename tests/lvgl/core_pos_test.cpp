// Position, size and alignment: pixels, percentages (also negative) of the
// parent's content area, content size, every alignment.
#include "test_display.h"

#include <functional>

namespace {

class PosTest : public DisplayTest {
protected:
    // A 400 x 300 parent with 10 px padding and a 2 px border: content area
    // 376 x 276 starting at (12, 12) inside it.
    lv_obj_t * make_parent()
    {
        lv_obj_t * p = lv_obj_create(lv_scr_act());
        lv_obj_remove_style_all(p);
        lv_obj_set_pos(p, 20, 10);
        lv_obj_set_size(p, 400, 300);
        lv_obj_set_style_pad_all(p, 10, 0);
        lv_obj_set_style_border_width(p, 2, 0);
        return p;
    }
};

// Every inner alignment with pixel, percent and negative percent offsets.
// Offsets are relative to the parent's content area (376 x 276).
TEST_F(PosTest, alignment_table_with_pixel_and_percentage_offsets)
{
    struct Case {
        lv_align_t align;
        lv_coord_t x_ofs, y_ofs;
        lv_coord_t x, y;  // expected lv_obj_get_x/y of a 100 x 50 child
    };
    const lv_coord_t cw = 376, ch = 276, w = 100, h = 50;
    const Case cases[] = {
        {LV_ALIGN_DEFAULT, 5, 6, 5, 6},
        {LV_ALIGN_TOP_LEFT, 0, 0, 0, 0},
        {LV_ALIGN_TOP_MID, 0, 0, cw / 2 - w / 2, 0},
        {LV_ALIGN_TOP_RIGHT, 0, 0, cw - w, 0},
        {LV_ALIGN_BOTTOM_LEFT, 0, 0, 0, ch - h},
        {LV_ALIGN_BOTTOM_MID, 0, 0, cw / 2 - w / 2, ch - h},
        {LV_ALIGN_BOTTOM_RIGHT, 0, 0, cw - w, ch - h},
        {LV_ALIGN_LEFT_MID, 0, 0, 0, ch / 2 - h / 2},
        {LV_ALIGN_RIGHT_MID, 0, 0, cw - w, ch / 2 - h / 2},
        {LV_ALIGN_CENTER, 0, 0, cw / 2 - w / 2, ch / 2 - h / 2},
        {LV_ALIGN_CENTER, 7, -9, cw / 2 - w / 2 + 7, ch / 2 - h / 2 - 9},
        {LV_ALIGN_TOP_LEFT, LV_PCT(10), LV_PCT(50), cw * 10 / 100, ch * 50 / 100},
        {LV_ALIGN_BOTTOM_MID, 0, LV_PCT(-25), cw / 2 - w / 2, ch - h - ch * 25 / 100},
        {LV_ALIGN_RIGHT_MID, LV_PCT(-10), LV_PCT(-5), cw - w - cw * 10 / 100, ch / 2 - h / 2 - ch * 5 / 100},
    };
    lv_obj_t * parent = make_parent();
    for(const Case & c : cases) {
        SCOPED_TRACE(testing::Message() << "align " << int(c.align) << " ofs " << c.x_ofs << "," << c.y_ofs);
        lv_obj_t * child = lv_obj_create(parent);
        lv_obj_set_size(child, w, h);
        lv_obj_align(child, c.align, c.x_ofs, c.y_ofs);
        EXPECT_EQ(lv_obj_get_x(child), c.x);
        EXPECT_EQ(lv_obj_get_y(child), c.y);
        lv_area_t a;
        lv_obj_get_coords(child, &a);
        EXPECT_EQ(a.x1, 20 + 12 + c.x);
        EXPECT_EQ(a.y1, 10 + 12 + c.y);
        EXPECT_EQ(lv_area_get_width(&a), w);
        lv_obj_del(child);
    }
}

// lv_obj_align_to places an object relative to another one, inside its
// content area or outside its edges.
TEST_F(PosTest, align_to_another_object_inside_and_outside)
{
    struct Case {
        lv_align_t align;
        lv_coord_t x, y;  // expected screen coordinates of a 40 x 20 object
    };
    // base: 100 x 60 at (200, 100), padding 5, border 1: content 88 x 48 from (206, 106)
    const Case cases[] = {
        {LV_ALIGN_TOP_LEFT, 206, 106},
        {LV_ALIGN_CENTER, 206 + 44 - 20, 106 + 24 - 10},
        {LV_ALIGN_BOTTOM_RIGHT, 206 + 88 - 40, 106 + 48 - 20},
        {LV_ALIGN_OUT_TOP_LEFT, 200, 80},
        {LV_ALIGN_OUT_TOP_MID, 230, 80},
        {LV_ALIGN_OUT_TOP_RIGHT, 260, 80},
        {LV_ALIGN_OUT_BOTTOM_LEFT, 200, 160},
        {LV_ALIGN_OUT_BOTTOM_MID, 230, 160},
        {LV_ALIGN_OUT_BOTTOM_RIGHT, 260, 160},
        {LV_ALIGN_OUT_LEFT_TOP, 160, 100},
        {LV_ALIGN_OUT_LEFT_MID, 160, 120},
        {LV_ALIGN_OUT_LEFT_BOTTOM, 160, 140},
        {LV_ALIGN_OUT_RIGHT_TOP, 300, 100},
        {LV_ALIGN_OUT_RIGHT_MID, 300, 120},
        {LV_ALIGN_OUT_RIGHT_BOTTOM, 300, 140},
    };
    lv_obj_t * base = lv_obj_create(lv_scr_act());
    lv_obj_remove_style_all(base);
    lv_obj_set_pos(base, 200, 100);
    lv_obj_set_size(base, 100, 60);
    lv_obj_set_style_pad_all(base, 5, 0);
    lv_obj_set_style_border_width(base, 1, 0);
    for(const Case & c : cases) {
        SCOPED_TRACE(testing::Message() << "align " << int(c.align));
        lv_obj_t * obj = lv_obj_create(lv_scr_act());
        lv_obj_remove_style_all(obj);
        lv_obj_set_size(obj, 40, 20);
        lv_obj_align_to(obj, base, c.align, 0, 0);
        lv_area_t a;
        lv_obj_get_coords(obj, &a);
        EXPECT_EQ(a.x1, c.x);
        EXPECT_EQ(a.y1, c.y);
        lv_obj_del(obj);
    }
}

// Sizes: pixels, percentages of the parent's content area, content size
// wrapping the children plus padding, min/max clamping.
TEST_F(PosTest, sizes_in_pixels_percentages_and_content)
{
    lv_obj_t * parent = make_parent();
    lv_obj_t * pct = lv_obj_create(parent);
    lv_obj_set_size(pct, LV_PCT(50), LV_PCT(100));
    EXPECT_EQ(lv_obj_get_width(pct), 376 / 2);
    EXPECT_EQ(lv_obj_get_height(pct), 276);

    lv_obj_set_style_max_width(pct, 150, 0);
    EXPECT_EQ(lv_obj_get_width(pct), 150);

    lv_obj_t * box = lv_obj_create(parent);
    lv_obj_remove_style_all(box);
    lv_obj_set_size(box, LV_SIZE_CONTENT, LV_SIZE_CONTENT);
    lv_obj_set_style_pad_all(box, 4, 0);
    lv_obj_t * a = lv_obj_create(box);
    lv_obj_set_pos(a, 0, 0);
    lv_obj_set_size(a, 30, 30);
    lv_obj_t * b = lv_obj_create(box);
    lv_obj_set_pos(b, 50, 70);
    lv_obj_set_size(b, 20, 10);
    EXPECT_EQ(lv_obj_get_width(box), 70 + 8);
    EXPECT_EQ(lv_obj_get_height(box), 80 + 8);
    EXPECT_EQ(lv_obj_get_content_width(box), 70);
    EXPECT_EQ(lv_obj_get_content_height(box), 80);

    // The content size follows the children
    lv_obj_set_pos(b, 100, 70);
    EXPECT_EQ(lv_obj_get_width(box), 120 + 8);
    lv_obj_add_flag(b, LV_OBJ_FLAG_HIDDEN);
    EXPECT_EQ(lv_obj_get_width(box), 30 + 8);

    // A label sizes to its text
    lv_obj_t * label = lv_label_create(parent);
    lv_label_set_text(label, "Hi");
    lv_coord_t one = lv_obj_get_width(label);
    lv_label_set_text(label, "HiHi");
    EXPECT_GT(lv_obj_get_width(label), one);
    EXPECT_EQ(lv_obj_get_height(label), lv_font_get_line_height(lv_obj_get_style_text_font(label, 0)));
}

TEST_F(PosTest, flex_column_and_row_place_children_with_gaps_and_grow)
{
    lv_obj_t * cont = lv_obj_create(lv_scr_act());
    lv_obj_remove_style_all(cont);
    lv_obj_set_size(cont, 300, 200);
    lv_obj_set_style_pad_row(cont, 8, 0);
    lv_obj_set_style_pad_column(cont, 6, 0);
    lv_obj_set_flex_flow(cont, LV_FLEX_FLOW_COLUMN);
    lv_obj_t * items[3];
    for(auto & item : items) {
        item = lv_obj_create(cont);
        lv_obj_set_size(item, 100, 40);
    }
    EXPECT_EQ(lv_obj_get_y(items[0]), 0);
    EXPECT_EQ(lv_obj_get_y(items[1]), 48);
    EXPECT_EQ(lv_obj_get_y(items[2]), 96);

    lv_obj_set_flex_flow(cont, LV_FLEX_FLOW_ROW);
    lv_obj_set_flex_align(cont, LV_FLEX_ALIGN_START, LV_FLEX_ALIGN_CENTER, LV_FLEX_ALIGN_START);
    lv_obj_set_flex_grow(items[1], 1);
    EXPECT_EQ(lv_obj_get_x(items[0]), 0);
    EXPECT_EQ(lv_obj_get_x(items[1]), 106);
    EXPECT_EQ(lv_obj_get_width(items[1]), 300 - 200 - 12);
    EXPECT_EQ(lv_obj_get_x(items[2]), 200);
    EXPECT_EQ(lv_obj_get_y(items[2]), (200 - 40) / 2);
}

}  // namespace

namespace {

class PlacementTest : public DisplayTest {
protected:
    lv_obj_t * bare(lv_obj_t * parent, lv_coord_t w, lv_coord_t h)
    {
        lv_obj_t * o = lv_obj_create(parent);
        lv_obj_remove_style_all(o);
        lv_obj_set_size(o, w, h);
        return o;
    }
};

// Min and max may be percentages of the reference; when they cross, the
// minimum wins.
TEST_F(PlacementTest, clamping_with_pixel_and_percentage_limits)
{
    struct Case {
        lv_coord_t v, lo, hi, ref, want;
    };
    const Case cases[] = {
        {50, 10, 100, 0, 50},
        {5, 10, 100, 0, 10},
        {500, 10, 100, 0, 100},
        {500, 0, LV_PCT(50), 300, 150},
        {10, LV_PCT(20), LV_COORD_MAX, 300, 60},
        {70, 80, 60, 0, 80},   // crossing limits
    };
    for(const Case & c : cases) {
        EXPECT_EQ(lv_clamp_width(c.v, c.lo, c.hi, c.ref), c.want) << c.v << " in " << c.lo << ".." << c.hi;
        EXPECT_EQ(lv_clamp_height(c.v, c.lo, c.hi, c.ref), c.want) << c.v << " in " << c.lo << ".." << c.hi;
    }
}

// What a content-sized container counts: children anchored at the start
// reach to their far edge; a centred child counts its own size, but not
// when it is offset (the offset could never be satisfied).
TEST_F(PlacementTest, content_size_counts_children_by_how_they_are_aligned)
{
    struct Case {
        const char * what;
        lv_align_t align;
        lv_coord_t x;
        lv_coord_t want_w;
    };
    const Case cases[] = {
        {"top left at 30", LV_ALIGN_TOP_LEFT, 30, 30 + 40},
        {"centred", LV_ALIGN_CENTER, 0, 40},
        {"centred and offset", LV_ALIGN_CENTER, 10, 0},
        {"right aligned", LV_ALIGN_RIGHT_MID, 0, 40},
        {"outer alignment acts as top left", LV_ALIGN_OUT_RIGHT_MID, 30, 30 + 40},
    };
    for(const Case & c : cases) {
        lv_obj_t * box = bare(lv_scr_act(), LV_SIZE_CONTENT, LV_SIZE_CONTENT);
        lv_obj_t * child = bare(box, 40, 20);
        lv_obj_align(child, c.align, c.x, 0);
        EXPECT_EQ(lv_obj_get_width(box), c.want_w) << c.what;
        lv_obj_del(box);
    }
}

// A percentage of a parent that takes its size from its children would
// chase itself: the child keeps only its padding and border there.
TEST_F(PlacementTest, a_percentage_of_a_content_sized_parent_does_not_chase_itself)
{
    lv_obj_t * box = bare(lv_scr_act(), LV_SIZE_CONTENT, 100);
    lv_obj_t * pct = bare(box, LV_PCT(50), LV_PCT(50));
    lv_obj_set_style_pad_hor(pct, 3, 0);
    lv_obj_set_style_border_width(pct, 2, 0);
    bare(box, 60, 10);
    EXPECT_EQ(lv_obj_get_width(pct), 3 + 3 + 2 + 2);
    EXPECT_EQ(lv_obj_get_height(pct), 50);   // the height is not content-sized
    EXPECT_EQ(lv_obj_get_width(box), 60);
}

TEST_F(PlacementTest, translation_moves_by_pixels_or_a_share_of_the_own_size)
{
    lv_obj_t * parent = bare(lv_scr_act(), 400, 300);
    lv_obj_t * obj = bare(parent, 80, 40);
    lv_obj_set_pos(obj, 10, 20);
    lv_obj_set_style_translate_x(obj, LV_PCT(50), 0);
    lv_obj_set_style_translate_y(obj, -5, 0);
    EXPECT_EQ(lv_obj_get_x(obj), 10 + 40);
    EXPECT_EQ(lv_obj_get_y(obj), 20 - 5);
    EXPECT_EQ(lv_obj_get_x_aligned(obj), 10);
    lv_obj_set_x(obj, LV_PCT(25));
    EXPECT_EQ(lv_obj_get_x(obj), 100 + 40);
    EXPECT_EQ(lv_obj_get_x2(obj), 100 + 40 + 80);
}

TEST_F(PlacementTest, content_width_setters_add_padding_and_border)
{
    lv_obj_t * obj = bare(lv_scr_act(), 10, 10);
    lv_obj_set_style_pad_left(obj, 4, 0);
    lv_obj_set_style_pad_right(obj, 6, 0);
    lv_obj_set_style_pad_ver(obj, 5, 0);
    lv_obj_set_style_border_width(obj, 1, 0);
    lv_obj_set_content_width(obj, 100);
    lv_obj_set_content_height(obj, 50);
    EXPECT_EQ(lv_obj_get_width(obj), 100 + 4 + 6 + 2);
    EXPECT_EQ(lv_obj_get_height(obj), 50 + 10 + 2);
    EXPECT_EQ(lv_obj_get_content_width(obj), 100);
    lv_area_t c;
    lv_obj_get_content_coords(obj, &c);
    lv_area_t o;
    lv_obj_get_coords(obj, &o);
    EXPECT_EQ(c.x1, o.x1 + 5);
    EXPECT_EQ(c.y2, o.y2 - 6);
}

// Clickable, enabled, inside the (extended) click area; with advanced hit
// testing the object's own handler decides.
TEST_F(PlacementTest, hit_testing_by_flags_state_click_area_and_handler)
{
    lv_obj_t * obj = bare(lv_scr_act(), 100, 50);
    lv_obj_set_pos(obj, 100, 100);
    lv_obj_add_flag(obj, LV_OBJ_FLAG_CLICKABLE);
    lv_obj_update_layout(obj);

    struct Case {
        const char * what;
        std::function<void()> setup;
        lv_point_t at;
        bool hit;
    };
    const Case cases[] = {
        {"inside", [] {}, {150, 120}, true},
        {"just outside", [] {}, {99, 120}, false},
        {"outside but in the extended area", [&] { lv_obj_set_ext_click_area(obj, 5); }, {96, 120}, true},
        {"disabled", [&] { lv_obj_add_state(obj, LV_STATE_DISABLED); }, {150, 120}, false},
        {"not clickable", [&] { lv_obj_clear_flag(obj, LV_OBJ_FLAG_CLICKABLE); }, {150, 120}, false},
        {"handler says no", [&] {
             lv_obj_add_flag(obj, LV_OBJ_FLAG_ADV_HITTEST);
             lv_obj_add_event_cb(obj, [](lv_event_t * e) {
                 lv_hit_test_info_t * info = lv_event_get_hit_test_info(e);
                 info->res = info->point->x < 150;
             }, LV_EVENT_HIT_TEST, nullptr);
         }, {160, 120}, false},
        {"handler says yes", [] {}, {110, 120}, true},
    };
    for(const Case & c : cases) {
        c.setup();
        EXPECT_EQ(lv_obj_hit_test(obj, &c.at), c.hit) << c.what;
        lv_obj_clear_state(obj, LV_STATE_DISABLED);
        lv_obj_add_flag(obj, LV_OBJ_FLAG_CLICKABLE);
    }
}

// What of an area can show: clipped to the object and to every ancestor
// that clips, nothing under a hidden ancestor or on a screen not shown.
TEST_F(PlacementTest, visible_part_of_an_area_is_clipped_by_ancestors)
{
    lv_obj_t * outer = bare(lv_scr_act(), 100, 100);
    lv_obj_set_pos(outer, 50, 50);
    lv_obj_t * inner = bare(outer, 200, 40);
    lv_obj_set_pos(inner, 20, 20);
    lv_obj_update_layout(outer);

    lv_area_t a = {60, 60, 300, 80};
    ASSERT_TRUE(lv_obj_area_is_visible(inner, &a));
    EXPECT_EQ(a.x1, 70);   // inner starts at 70
    EXPECT_EQ(a.x2, 149);  // outer ends at 149
    EXPECT_EQ(a.y1, 70);

    lv_obj_add_flag(outer, LV_OBJ_FLAG_OVERFLOW_VISIBLE);
    lv_area_t b = {60, 60, 300, 80};
    ASSERT_TRUE(lv_obj_area_is_visible(inner, &b));
    EXPECT_EQ(b.x2, 269);  // now only inner clips

    lv_obj_add_flag(outer, LV_OBJ_FLAG_HIDDEN);
    EXPECT_FALSE(lv_obj_is_visible(inner));
    lv_obj_clear_flag(outer, LV_OBJ_FLAG_HIDDEN);
    EXPECT_TRUE(lv_obj_is_visible(inner));

    lv_obj_t * other = lv_obj_create(nullptr);
    lv_obj_t * off_screen = bare(other, 10, 10);
    EXPECT_FALSE(lv_obj_is_visible(off_screen));
}

// lv_obj_align_to keeps the result as a plain position: moving the base
// later does not drag the object along.
TEST_F(PlacementTest, align_to_is_a_one_off_placement_in_a_scrolled_parent)
{
    lv_obj_t * parent = bare(lv_scr_act(), 300, 200);
    lv_obj_set_style_pad_all(parent, 10, 0);
    bare(parent, 10, 600);   // makes the parent scrollable
    lv_obj_scroll_to_y(parent, 50, LV_ANIM_OFF);
    lv_obj_t * base = bare(parent, 60, 30);
    lv_obj_set_pos(base, 100, 150);
    lv_obj_t * obj = bare(parent, 20, 20);

    lv_obj_align_to(obj, base, LV_ALIGN_OUT_BOTTOM_MID, 0, 5);
    lv_area_t b, o;
    lv_obj_get_coords(base, &b);
    lv_obj_get_coords(obj, &o);
    EXPECT_EQ(o.y1, b.y2 + 1 + 5);
    EXPECT_EQ(o.x1, b.x1 + 30 - 10);
    EXPECT_EQ(lv_obj_get_y(obj), 150 + 30 + 5);   // in scrolled content, like the base

    lv_obj_set_pos(base, 0, 0);
    lv_obj_get_coords(obj, &o);
    EXPECT_EQ(lv_obj_get_y(obj), 150 + 30 + 5);
}

}  // namespace
