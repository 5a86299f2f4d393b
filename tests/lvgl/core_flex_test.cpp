// Flex layout: placement on both axes, wrapping into tracks, growing items,
// reversed flows, content-sized containers and the children it leaves alone.
#include "test_display.h"

#include <vector>

namespace {

class FlexTest : public DisplayTest {
protected:
    // A bare w x h container at (20, 10): no padding, border or scrolling, `gap` between items and tracks.
    lv_obj_t * make_cont(lv_coord_t w, lv_coord_t h, lv_flex_flow_t flow, lv_coord_t gap = 10)
    {
        lv_obj_t * cont = lv_obj_create(lv_scr_act());
        lv_obj_set_pos(cont, 20, 10);
        lv_obj_set_size(cont, w, h);
        lv_obj_set_style_pad_all(cont, 0, 0);
        lv_obj_set_style_border_width(cont, 0, 0);
        lv_obj_set_style_pad_row(cont, gap, 0);
        lv_obj_set_style_pad_column(cont, gap, 0);
        lv_obj_clear_flag(cont, LV_OBJ_FLAG_SCROLLABLE);
        lv_obj_set_flex_flow(cont, flow);
        return cont;
    }

    static lv_obj_t * add_item(lv_obj_t * cont, lv_coord_t w, lv_coord_t h)
    {
        lv_obj_t * item = lv_obj_create(cont);
        lv_obj_set_size(item, w, h);
        lv_obj_set_style_pad_all(item, 0, 0);
        lv_obj_set_style_border_width(item, 0, 0);
        return item;
    }

    // Position inside the container.
    static lv_coord_t x_in(lv_obj_t * item) { return item->coords.x1 - lv_obj_get_parent(item)->coords.x1; }
    static lv_coord_t y_in(lv_obj_t * item) { return item->coords.y1 - lv_obj_get_parent(item)->coords.y1; }
};

TEST_F(FlexTest, main_place_spreads_the_free_room_as_documented)
{
    // Three 50 px items with 10 px gaps in 300 px: 130 px free.
    struct Case {
        lv_flex_align_t place;
        lv_coord_t x[3];
    };
    const Case cases[] = {
        {LV_FLEX_ALIGN_START, {0, 60, 120}},         {LV_FLEX_ALIGN_END, {130, 190, 250}},
        {LV_FLEX_ALIGN_CENTER, {65, 125, 185}},      {LV_FLEX_ALIGN_SPACE_EVENLY, {32, 124, 216}},
        {LV_FLEX_ALIGN_SPACE_AROUND, {21, 124, 227}}, {LV_FLEX_ALIGN_SPACE_BETWEEN, {0, 125, 250}},
    };
    for(const Case & c : cases) {
        SCOPED_TRACE(c.place);
        lv_obj_t * cont = make_cont(300, 100, LV_FLEX_FLOW_ROW);
        lv_obj_set_flex_align(cont, c.place, LV_FLEX_ALIGN_START, LV_FLEX_ALIGN_START);
        lv_obj_t * items[3];
        for(auto & it : items) it = add_item(cont, 50, 20);
        lv_obj_update_layout(cont);
        for(int i = 0; i < 3; i++) {
            EXPECT_EQ(x_in(items[i]), c.x[i]) << i;
            EXPECT_EQ(y_in(items[i]), 0) << i;
        }
        lv_obj_del(cont);
    }
}

TEST_F(FlexTest, a_single_item_is_centred_by_the_spacing_kinds_and_overflow_stays_packed)
{
    const lv_flex_align_t kinds[] = {LV_FLEX_ALIGN_SPACE_EVENLY, LV_FLEX_ALIGN_SPACE_AROUND,
                                     LV_FLEX_ALIGN_SPACE_BETWEEN};
    for(lv_flex_align_t k : kinds) {
        SCOPED_TRACE(k);
        lv_obj_t * cont = make_cont(300, 100, LV_FLEX_FLOW_ROW);
        lv_obj_set_flex_align(cont, k, LV_FLEX_ALIGN_START, LV_FLEX_ALIGN_START);
        lv_obj_t * one = add_item(cont, 100, 20);
        lv_obj_update_layout(cont);
        EXPECT_EQ(x_in(one), 100);

        // Four 100 px items do not fit 300 px: they stay in order 10 px apart instead of overlapping.
        std::vector<lv_obj_t *> more = {one};
        for(int i = 0; i < 3; i++) more.push_back(add_item(cont, 100, 20));
        lv_obj_update_layout(cont);
        for(int i = 0; i < 4; i++) EXPECT_EQ(x_in(more[i]), i * 110) << i;
        lv_obj_del(cont);
    }
}

TEST_F(FlexTest, cross_place_aligns_items_of_an_unwrapped_row_in_the_whole_height)
{
    struct Case {
        lv_flex_align_t place;
        lv_coord_t y[3];
    };
    const Case cases[] = {
        {LV_FLEX_ALIGN_START, {0, 0, 0}},
        {LV_FLEX_ALIGN_CENTER, {40, 30, 20}},
        {LV_FLEX_ALIGN_END, {80, 60, 40}},
    };
    const lv_coord_t heights[3] = {20, 40, 60};
    for(const Case & c : cases) {
        SCOPED_TRACE(c.place);
        lv_obj_t * cont = make_cont(300, 100, LV_FLEX_FLOW_ROW);
        lv_obj_set_flex_align(cont, LV_FLEX_ALIGN_START, c.place, LV_FLEX_ALIGN_START);
        lv_obj_t * items[3];
        for(int i = 0; i < 3; i++) items[i] = add_item(cont, 30, heights[i]);
        lv_obj_update_layout(cont);
        for(int i = 0; i < 3; i++) EXPECT_EQ(y_in(items[i]), c.y[i]) << i;
        lv_obj_del(cont);
    }
}

TEST_F(FlexTest, wrapping_starts_a_new_track_when_an_item_would_overflow_or_asks_for_it)
{
    // Five 80 x 30 items in 300 px: 3 fit a row (260 px), the fourth would need 350.
    struct Case {
        int new_track_at;            // item carrying LV_OBJ_FLAG_FLEX_IN_NEW_TRACK, -1: none
        lv_flex_align_t track_place;
        lv_coord_t x[5], y[5];
    };
    const Case cases[] = {
        {-1, LV_FLEX_ALIGN_START, {0, 90, 180, 0, 90}, {0, 0, 0, 40, 40}},
        {-1, LV_FLEX_ALIGN_END, {0, 90, 180, 0, 90}, {130, 130, 130, 170, 170}},
        {-1, LV_FLEX_ALIGN_SPACE_BETWEEN, {0, 90, 180, 0, 90}, {0, 0, 0, 170, 170}},
        {2, LV_FLEX_ALIGN_START, {0, 90, 0, 90, 180}, {0, 0, 40, 40, 40}},
    };
    for(const Case & c : cases) {
        SCOPED_TRACE(c.new_track_at);
        SCOPED_TRACE(c.track_place);
        lv_obj_t * cont = make_cont(300, 200, LV_FLEX_FLOW_ROW_WRAP);
        lv_obj_set_flex_align(cont, LV_FLEX_ALIGN_START, LV_FLEX_ALIGN_START, c.track_place);
        lv_obj_t * items[5];
        for(int i = 0; i < 5; i++) {
            items[i] = add_item(cont, 80, 30);
            if(i == c.new_track_at) lv_obj_add_flag(items[i], LV_OBJ_FLAG_FLEX_IN_NEW_TRACK);
        }
        lv_obj_update_layout(cont);
        for(int i = 0; i < 5; i++) {
            EXPECT_EQ(x_in(items[i]), c.x[i]) << i;
            EXPECT_EQ(y_in(items[i]), c.y[i]) << i;
        }
        lv_obj_del(cont);
    }
}

TEST_F(FlexTest, growing_items_share_the_free_room_and_respect_their_limits)
{
    // 300 px, gaps 10: a fixed 50 px item leaves 230 px for grow 1 and grow 2.
    struct Case {
        lv_coord_t max_w_of_c;
        lv_coord_t w_b, w_c;
    };
    const Case cases[] = {
        {LV_COORD_MAX, 76, 154},
        {100, 130, 100},         // C stops at its max, B takes the rest
    };
    for(const Case & c : cases) {
        SCOPED_TRACE(c.max_w_of_c);
        lv_obj_t * cont = make_cont(300, 60, LV_FLEX_FLOW_ROW);
        lv_obj_t * a = add_item(cont, 50, 20);
        lv_obj_t * b = add_item(cont, 40, 20);
        lv_obj_t * cc = add_item(cont, 40, 20);
        lv_obj_set_flex_grow(b, 1);
        lv_obj_set_flex_grow(cc, 2);
        lv_obj_set_style_max_width(cc, c.max_w_of_c, 0);
        lv_obj_update_layout(cont);

        EXPECT_EQ(lv_obj_get_width(a), 50);
        EXPECT_EQ(lv_obj_get_width(b), c.w_b);
        EXPECT_EQ(lv_obj_get_width(cc), c.w_c);
        EXPECT_EQ(x_in(b), 60);
        EXPECT_EQ(x_in(cc), 60 + c.w_b + 10);
        EXPECT_EQ(cc->coords.x2 - cont->coords.x1 + 1, 300);  // the row is filled exactly

        // No longer growing: back to the style width.
        lv_obj_set_flex_grow(b, 0);
        lv_obj_set_flex_grow(cc, 0);
        lv_obj_update_layout(cont);
        EXPECT_EQ(lv_obj_get_width(b), 40);
        EXPECT_EQ(lv_obj_get_width(cc), 40);
        lv_obj_del(cont);
    }
}

TEST_F(FlexTest, a_grown_item_lays_out_its_own_children_at_the_new_size)
{
    lv_obj_t * cont = make_cont(300, 60, LV_FLEX_FLOW_ROW);
    lv_obj_t * grower = add_item(cont, 40, 40);
    lv_obj_set_flex_grow(grower, 1);
    lv_obj_t * inner = add_item(grower, 20, 20);
    lv_obj_align(inner, LV_ALIGN_RIGHT_MID, 0, 0);
    lv_obj_update_layout(cont);
    EXPECT_EQ(inner->coords.x2, grower->coords.x2);
}

TEST_F(FlexTest, reversed_and_column_flows_order_the_items)
{
    struct Case {
        lv_flex_flow_t flow;
        lv_coord_t x[3], y[3];
    };
    const Case cases[] = {
        {LV_FLEX_FLOW_ROW_REVERSE, {130, 70, 0}, {0, 0, 0}},
        {LV_FLEX_FLOW_COLUMN, {0, 0, 0}, {0, 30, 70}},
        {LV_FLEX_FLOW_COLUMN_REVERSE, {0, 0, 0}, {90, 50, 0}},
    };
    const lv_coord_t sizes[3][2] = {{30, 20}, {50, 30}, {60, 40}};
    for(const Case & c : cases) {
        SCOPED_TRACE(c.flow);
        lv_obj_t * cont = make_cont(300, 200, c.flow);
        lv_obj_t * items[3];
        for(int i = 0; i < 3; i++) items[i] = add_item(cont, sizes[i][0], sizes[i][1]);
        lv_obj_update_layout(cont);
        for(int i = 0; i < 3; i++) {
            EXPECT_EQ(x_in(items[i]), c.x[i]) << i;
            EXPECT_EQ(y_in(items[i]), c.y[i]) << i;
        }
        lv_obj_del(cont);
    }
}

TEST_F(FlexTest, a_content_sized_container_follows_its_items)
{
    lv_obj_t * cont = make_cont(200, LV_SIZE_CONTENT, LV_FLEX_FLOW_COLUMN, 5);
    lv_obj_t * items[3];
    for(auto & it : items) it = add_item(cont, 100, 20);
    lv_obj_update_layout(cont);
    EXPECT_EQ(lv_obj_get_height(cont), 70);

    // Taller, then shorter again: the container grows and shrinks with them.
    const lv_coord_t heights[] = {50, 10};
    for(lv_coord_t h : heights) {
        lv_obj_set_height(items[1], h);
        lv_obj_update_layout(cont);
        EXPECT_EQ(lv_obj_get_height(cont), 20 + 5 + h + 5 + 20) << h;
        EXPECT_EQ(y_in(items[2]), 20 + 5 + h + 5) << h;
    }
}

TEST_F(FlexTest, hidden_floating_and_ignoring_children_keep_out_of_the_flow)
{
    const lv_obj_flag_t flags[] = {LV_OBJ_FLAG_HIDDEN, LV_OBJ_FLAG_FLOATING, LV_OBJ_FLAG_IGNORE_LAYOUT};
    for(lv_obj_flag_t f : flags) {
        SCOPED_TRACE(f);
        lv_obj_t * cont = make_cont(300, 100, LV_FLEX_FLOW_ROW);
        lv_obj_t * first = add_item(cont, 50, 20);
        lv_obj_t * aside = add_item(cont, 50, 20);
        lv_obj_t * last = add_item(cont, 50, 20);
        lv_obj_add_flag(aside, f);
        lv_obj_set_pos(aside, 200, 50);
        lv_obj_update_layout(cont);
        EXPECT_EQ(x_in(first), 0);
        EXPECT_EQ(x_in(last), 60);
        if(f != LV_OBJ_FLAG_HIDDEN) {
            EXPECT_EQ(x_in(aside), 200);
            EXPECT_EQ(y_in(aside), 50);
        }
        lv_obj_del(cont);
    }
}

TEST_F(FlexTest, flex_settings_from_a_shared_style_work_like_local_ones)
{
    static lv_style_t style;
    lv_style_init(&style);
    lv_style_set_flex_flow(&style, LV_FLEX_FLOW_COLUMN);
    lv_style_set_flex_main_place(&style, LV_FLEX_ALIGN_END);
    lv_style_set_flex_cross_place(&style, LV_FLEX_ALIGN_CENTER);
    lv_style_set_layout(&style, LV_LAYOUT_FLEX);

    lv_obj_t * cont = make_cont(200, 100, LV_FLEX_FLOW_ROW, 0);
    lv_obj_remove_local_style_prop(cont, LV_STYLE_FLEX_FLOW, 0);
    lv_obj_add_style(cont, &style, 0);
    lv_obj_t * item = add_item(cont, 40, 30);
    lv_obj_update_layout(cont);
    EXPECT_EQ(x_in(item), 80);
    EXPECT_EQ(y_in(item), 70);

    lv_obj_del(cont);
    lv_style_reset(&style);
}

}  // namespace
