// Position, size and alignment: pixels, percentages (also negative) of the
// parent's content area, content size, every alignment.
#include "test_display.h"

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
