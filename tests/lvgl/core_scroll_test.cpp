// Scrolling: scrollbar placement per mode, snapping, scrolling into view,
// animated scrolls, and pulling the content back after a resize.
#include "test_display.h"

#include <algorithm>

namespace {

class ScrollTest : public DisplayTest {
protected:
    // A bare 200 x 200 container at (100, 50) with 6 px scrollbars flush
    // with its edges, so the expected areas are plain arithmetic.
    lv_obj_t * make_container()
    {
        lv_obj_t * cont = lv_obj_create(lv_scr_act());
        lv_obj_remove_style_all(cont);
        lv_obj_set_pos(cont, 100, 50);
        lv_obj_set_size(cont, 200, 200);
        lv_obj_set_style_bg_opa(cont, LV_OPA_COVER, LV_PART_SCROLLBAR);
        lv_obj_set_style_width(cont, 6, LV_PART_SCROLLBAR);
        return cont;
    }

    lv_obj_t * add_box(lv_obj_t * parent, lv_coord_t x, lv_coord_t y, lv_coord_t w, lv_coord_t h)
    {
        lv_obj_t * box = lv_obj_create(parent);
        lv_obj_remove_style_all(box);
        lv_obj_set_pos(box, x, y);
        lv_obj_set_size(box, w, h);
        return box;
    }
};

bool shown(const lv_area_t & a)
{
    return lv_area_get_size(&a) > 0;
}

TEST_F(ScrollTest, scrollbars_show_by_mode_direction_and_overflow)
{
    struct Case {
        const char * what;
        lv_scrollbar_mode_t mode;
        lv_dir_t dir;
        lv_coord_t content_w, content_h;
        bool hor, ver;
    };
    const Case cases[] = {
        {"auto, too tall", LV_SCROLLBAR_MODE_AUTO, LV_DIR_ALL, 100, 300, false, true},
        {"auto, too wide", LV_SCROLLBAR_MODE_AUTO, LV_DIR_ALL, 300, 100, true, false},
        {"auto, fits", LV_SCROLLBAR_MODE_AUTO, LV_DIR_ALL, 100, 100, false, false},
        {"auto, both ways", LV_SCROLLBAR_MODE_AUTO, LV_DIR_ALL, 300, 300, true, true},
        {"auto, vertical only", LV_SCROLLBAR_MODE_AUTO, LV_DIR_VER, 300, 300, false, true},
        {"on, even when it fits", LV_SCROLLBAR_MODE_ON, LV_DIR_ALL, 100, 100, true, true},
        {"off", LV_SCROLLBAR_MODE_OFF, LV_DIR_ALL, 300, 300, false, false},
        {"active, nobody drags", LV_SCROLLBAR_MODE_ACTIVE, LV_DIR_ALL, 300, 300, false, false},
    };
    for(const Case & c : cases) {
        lv_obj_t * cont = make_container();
        add_box(cont, 0, 0, c.content_w, c.content_h);
        lv_obj_set_scrollbar_mode(cont, c.mode);
        lv_obj_set_scroll_dir(cont, c.dir);
        lv_obj_update_layout(cont);
        lv_area_t hor, ver;
        lv_obj_get_scrollbar_area(cont, &hor, &ver);
        EXPECT_EQ(shown(hor), c.hor) << c.what;
        EXPECT_EQ(shown(ver), c.ver) << c.what;

        lv_obj_clear_flag(cont, LV_OBJ_FLAG_SCROLLABLE);
        lv_obj_get_scrollbar_area(cont, &hor, &ver);
        EXPECT_FALSE(shown(hor) || shown(ver)) << c.what << ": not scrollable, no bars";
        lv_obj_del(cont);
    }
}

// Content twice as tall as the view: the bar is half the track, at the top
// when scrolled to the start and at the bottom at the end. With both bars
// shown each leaves the corner to the other.
TEST_F(ScrollTest, the_vertical_bar_length_and_place_follow_the_scroll_position)
{
    lv_obj_t * cont = make_container();
    add_box(cont, 0, 0, 100, 400);
    lv_area_t hor, ver;

    lv_obj_update_layout(cont);
    lv_obj_get_scrollbar_area(cont, &hor, &ver);
    EXPECT_EQ(ver.x2, 100 + 199);
    EXPECT_EQ(ver.x1, 100 + 199 - 5);
    EXPECT_EQ(ver.y1, 50);
    EXPECT_EQ(ver.y2, 50 + 99);

    lv_obj_scroll_to_y(cont, 200, LV_ANIM_OFF);
    lv_obj_get_scrollbar_area(cont, &hor, &ver);
    EXPECT_EQ(ver.y1, 50 + 100);
    EXPECT_EQ(ver.y2, 50 + 199);

    add_box(cont, 0, 0, 400, 10);
    lv_obj_update_layout(cont);
    lv_obj_get_scrollbar_area(cont, &hor, &ver);
    ASSERT_TRUE(shown(hor));
    EXPECT_EQ(ver.y2, 50 + 199 - 6);   // stops above the horizontal bar
    EXPECT_EQ(hor.y2, 50 + 199);
    EXPECT_LE(hor.x2, 100 + 199 - 6);  // and that one stops left of the vertical bar
}

// With snapping, lv_obj_update_snap brings the child nearest to the snap
// point onto it. Children 100 px wide every 110 px, scrolled by 150.
TEST_F(ScrollTest, update_snap_lines_the_nearest_child_up_with_the_snap_point)
{
    struct Case {
        lv_scroll_snap_t snap;
        lv_coord_t scroll_x;
    };
    const Case cases[] = {
        {LV_SCROLL_SNAP_START, 110},   // child 2 starts 40 px left of the start: nearest
        {LV_SCROLL_SNAP_CENTER, 170},  // child 3's centre is 20 px right of the middle
        {LV_SCROLL_SNAP_END, 120},     // child 3 ends 30 px before the end
        {LV_SCROLL_SNAP_NONE, 150},    // nothing moves
    };
    for(const Case & c : cases) {
        lv_obj_t * cont = make_container();
        for(int i = 0; i < 6; i++) add_box(cont, i * 110, 0, 100, 100);
        lv_obj_scroll_to_x(cont, 150, LV_ANIM_OFF);
        lv_obj_set_scroll_snap_x(cont, c.snap);
        lv_obj_update_snap(cont, LV_ANIM_OFF);
        EXPECT_EQ(lv_obj_get_scroll_x(cont), c.scroll_x) << "snap " << int(c.snap);
        lv_obj_del(cont);
    }
}

// Children that cannot snap are passed over.
TEST_F(ScrollTest, update_snap_ignores_children_that_are_not_snappable)
{
    lv_obj_t * cont = make_container();
    lv_obj_t * near = add_box(cont, 0, 140, 100, 100);
    add_box(cont, 0, 300, 100, 100);
    add_box(cont, 0, 450, 100, 100);
    lv_obj_clear_flag(near, LV_OBJ_FLAG_SNAPPABLE);
    lv_obj_scroll_to_y(cont, 150, LV_ANIM_OFF);
    lv_obj_set_scroll_snap_y(cont, LV_SCROLL_SNAP_START);
    lv_obj_update_snap(cont, LV_ANIM_OFF);
    EXPECT_EQ(lv_obj_get_scroll_y(cont), 300);
}

TEST_F(ScrollTest, scroll_to_view_scrolls_the_least_and_leaves_a_view_filling_child_alone)
{
    lv_obj_t * cont = make_container();
    lv_obj_t * low = add_box(cont, 0, 500, 100, 50);
    lv_obj_t * top = add_box(cont, 0, 0, 100, 50);
    lv_obj_t * tall = add_box(cont, 100, 120, 50, 400);

    lv_obj_scroll_to_view(low, LV_ANIM_OFF);
    EXPECT_EQ(lv_obj_get_scroll_y(cont), 550 - 200);   // its bottom at the view's bottom
    lv_obj_scroll_to_view(top, LV_ANIM_OFF);
    EXPECT_EQ(lv_obj_get_scroll_y(cont), 0);

    lv_obj_scroll_to_y(cont, 200, LV_ANIM_OFF);
    lv_obj_scroll_to_view(tall, LV_ANIM_OFF);           // sticks out at both ends already
    EXPECT_EQ(lv_obj_get_scroll_y(cont), 200);

    lv_obj_set_scroll_snap_y(cont, LV_SCROLL_SNAP_CENTER);
    lv_obj_scroll_to_view(low, LV_ANIM_OFF);            // snapping: centred instead
    EXPECT_EQ(lv_obj_get_scroll_y(cont), 525 - 100);
}

TEST_F(ScrollTest, an_animated_scroll_reports_begin_and_end_once_and_reads_as_scrolling_meanwhile)
{
    lv_obj_t * cont = make_container();
    add_box(cont, 0, 0, 100, 600);
    EventLog log;
    log.attach(cont);

    lv_obj_scroll_to_y(cont, 300, LV_ANIM_ON);
    EXPECT_TRUE(lv_obj_is_scrolling(cont));
    lv_point_t end;
    lv_obj_get_scroll_end(cont, &end);
    EXPECT_EQ(end.y, 300);
    EXPECT_EQ(lv_obj_get_scroll_y(cont), 0);

    display.advance(600);
    EXPECT_FALSE(lv_obj_is_scrolling(cont));
    EXPECT_EQ(lv_obj_get_scroll_y(cont), 300);
    EXPECT_EQ(std::count(log.codes.begin(), log.codes.end(), LV_EVENT_SCROLL_BEGIN), 1);
    EXPECT_EQ(std::count(log.codes.begin(), log.codes.end(), LV_EVENT_SCROLL_END), 1);
    EXPECT_FALSE(lv_obj_has_state(cont, LV_STATE_SCROLLED));
}

TEST_F(ScrollTest, scroll_to_and_bounded_scroll_stay_within_the_content)
{
    struct Case {
        const char * what;
        lv_coord_t start_y, by_dy;
        lv_coord_t want_y;
    };
    // 600 px of content in a 200 px view: 0 .. 400
    const Case cases[] = {
        {"past the end", 350, -100, 400},
        {"past the start", 50, 100, 0},
        {"inside", 100, -50, 150},
    };
    lv_obj_t * cont = make_container();
    add_box(cont, 0, 0, 100, 600);
    for(const Case & c : cases) {
        lv_obj_scroll_to_y(cont, c.start_y, LV_ANIM_OFF);
        lv_obj_scroll_by_bounded(cont, 0, c.by_dy, LV_ANIM_OFF);
        EXPECT_EQ(lv_obj_get_scroll_y(cont), c.want_y) << c.what;
    }
    lv_obj_scroll_to_y(cont, 9999, LV_ANIM_OFF);
    EXPECT_EQ(lv_obj_get_scroll_y(cont), 400);
    lv_obj_scroll_to_y(cont, -20, LV_ANIM_OFF);
    EXPECT_EQ(lv_obj_get_scroll_y(cont), 0);
}

// A taller view needs less scroll: what is left past the end is pulled
// back, except on an axis that snaps, where resting past the end is how
// the last child gets lined up.
TEST_F(ScrollTest, growing_the_view_pulls_the_content_back_unless_the_axis_snaps)
{
    for(bool snapping : {false, true}) {
        lv_obj_t * cont = make_container();
        add_box(cont, 0, 0, 100, 400);
        if(snapping) lv_obj_set_scroll_snap_y(cont, LV_SCROLL_SNAP_START);
        lv_obj_scroll_to_y(cont, 200, LV_ANIM_OFF);
        lv_obj_set_height(cont, 300);
        lv_obj_update_layout(cont);
        EXPECT_EQ(lv_obj_get_scroll_y(cont), snapping ? 200 : 100) << (snapping ? "snapping" : "plain");
        lv_obj_del(cont);
    }
}

// Arrow keys scroll a quarter of the view; sideways keys scroll vertically
// when there is nothing to scroll sideways.
TEST_F(ScrollTest, arrow_keys_scroll_a_quarter_of_the_view)
{
    struct Case {
        uint32_t key;
        bool wide_content;
        lv_coord_t want_x, want_y;
    };
    const Case cases[] = {
        {LV_KEY_DOWN, false, 0, 150},
        {LV_KEY_UP, false, 0, 50},
        {LV_KEY_RIGHT, false, 0, 150},
        {LV_KEY_RIGHT, true, 50, 100},
        {LV_KEY_LEFT, true, 0, 100},
    };
    for(const Case & c : cases) {
        lv_obj_t * cont = make_container();
        add_box(cont, 0, 0, c.wide_content ? 400 : 100, 600);
        lv_obj_scroll_to_y(cont, 100, LV_ANIM_OFF);
        uint32_t key = c.key;
        lv_event_send(cont, LV_EVENT_KEY, &key);
        EXPECT_EQ(lv_obj_get_scroll_x(cont), c.want_x) << "key " << c.key;
        EXPECT_EQ(lv_obj_get_scroll_y(cont), c.want_y) << "key " << c.key;
        lv_obj_del(cont);
    }
}

}  // namespace
