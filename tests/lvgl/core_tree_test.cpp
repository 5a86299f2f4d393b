// The object tree and the display around it: moving objects between
// parents, ordering, layers, resizing the display, partial refresh.
#include "test_display.h"

#include <algorithm>

namespace {

class TreeTest : public DisplayTest {};

TEST_F(TreeTest, reparenting_and_reordering_keep_relative_positions)
{
    lv_obj_t * a = lv_obj_create(lv_scr_act());
    lv_obj_remove_style_all(a);
    lv_obj_set_pos(a, 10, 10);
    lv_obj_set_size(a, 100, 100);
    lv_obj_t * b = lv_obj_create(lv_scr_act());
    lv_obj_remove_style_all(b);
    lv_obj_set_pos(b, 200, 50);
    lv_obj_set_size(b, 100, 100);
    lv_obj_t * kids[3];
    for(auto & k : kids) {
        k = lv_obj_create(a);
        lv_obj_set_size(k, 10, 10);
        lv_obj_set_pos(k, 5, 5);
    }

    lv_obj_set_parent(kids[0], b);
    EXPECT_EQ(lv_obj_get_parent(kids[0]), b);
    EXPECT_EQ(lv_obj_get_child_cnt(a), 2u);
    lv_area_t c;
    lv_obj_get_coords(kids[0], &c);
    EXPECT_EQ(c.x1, 205);
    EXPECT_EQ(c.y1, 55);

    lv_obj_move_foreground(kids[1]);
    EXPECT_EQ(lv_obj_get_index(kids[1]), 1u);
    EXPECT_EQ(lv_obj_get_index(kids[2]), 0u);
    lv_obj_move_to_index(kids[1], 0);
    EXPECT_EQ(lv_obj_get_child(a, 0), kids[1]);

    lv_obj_swap(kids[1], kids[0]);
    EXPECT_EQ(lv_obj_get_parent(kids[1]), b);
    EXPECT_EQ(lv_obj_get_parent(kids[0]), a);
    EXPECT_EQ(lv_obj_get_screen(kids[0]), lv_scr_act());
    EXPECT_EQ(lv_obj_get_disp(kids[0]), display.disp);
}

// Objects on the top layer cover every screen, and receive clicks first.
TEST_F(TreeTest, top_layer_is_drawn_and_clicked_above_the_screen)
{
    lv_obj_t * under = lv_btn_create(lv_scr_act());
    lv_obj_set_pos(under, 0, 0);
    lv_obj_set_size(under, 200, 200);
    lv_obj_t * over = lv_obj_create(lv_layer_top());
    lv_obj_remove_style_all(over);
    lv_obj_set_pos(over, 50, 50);
    lv_obj_set_size(over, 50, 50);
    lv_obj_set_style_bg_opa(over, LV_OPA_COVER, 0);
    lv_obj_set_style_bg_color(over, lv_color_hex(0x00FF00), 0);
    lv_obj_add_flag(over, LV_OBJ_FLAG_CLICKABLE);
    EventLog under_log;
    EventLog over_log;
    under_log.attach(under);
    over_log.attach(over);

    display.advance(20);
    EXPECT_EQ(display.pixel_rgb(75, 75), 0x00FF00u);
    display.click(75, 75);
    EXPECT_NE(std::find(over_log.codes.begin(), over_log.codes.end(), LV_EVENT_CLICKED), over_log.codes.end());
    EXPECT_EQ(std::find(under_log.codes.begin(), under_log.codes.end(), LV_EVENT_CLICKED), under_log.codes.end());
    display.click(150, 150);
    EXPECT_NE(std::find(under_log.codes.begin(), under_log.codes.end(), LV_EVENT_CLICKED), under_log.codes.end());
}

// The window host rebuilds the frame buffer at a new size and updates the
// driver: screens take the new resolution and percentages follow.
TEST_F(TreeTest, display_update_resizes_screens_and_relayouts)
{
    lv_obj_t * bar = lv_obj_create(lv_scr_act());
    lv_obj_set_size(bar, LV_PCT(100), LV_PCT(4));
    lv_obj_align(bar, LV_ALIGN_TOP_MID, 0, 0);
    lv_obj_t * btn = lv_btn_create(lv_scr_act());
    lv_obj_set_size(btn, LV_PCT(30), LV_PCT(10));
    lv_obj_align(btn, LV_ALIGN_BOTTOM_MID, 0, LV_PCT(-25));
    display.advance(20);
    EXPECT_EQ(lv_obj_get_width(bar), 480);

    std::vector<lv_color_t> bigger(static_cast<size_t>(960) * 640);
    lv_disp_draw_buf_init(&display.draw_buf, bigger.data(), nullptr, static_cast<uint32_t>(bigger.size()));
    display.disp_drv.hor_res = 960;
    display.disp_drv.ver_res = 640;
    lv_disp_drv_update(display.disp, &display.disp_drv);
    lv_refr_now(display.disp);

    EXPECT_EQ(lv_disp_get_hor_res(nullptr), 960);
    EXPECT_EQ(lv_obj_get_width(lv_scr_act()), 960);
    EXPECT_EQ(lv_obj_get_width(bar), 960);
    EXPECT_EQ(lv_obj_get_height(bar), 640 * 4 / 100);
    EXPECT_EQ(lv_obj_get_width(btn), 960 * 30 / 100);
    lv_area_t c;
    lv_obj_get_coords(btn, &c);
    EXPECT_EQ(c.y2, 640 - 1 - 640 * 25 / 100);
    EXPECT_EQ(display.last_flush_area.x2, 959);
    EXPECT_EQ(display.last_flush_area.y2, 639);

    // Back to the fixture's buffer before it is torn down
    lv_disp_draw_buf_init(&display.draw_buf, display.pixels.data(), nullptr,
                          static_cast<uint32_t>(display.pixels.size()));
    display.disp_drv.hor_res = 480;
    display.disp_drv.ver_res = 320;
    lv_disp_drv_update(display.disp, &display.disp_drv);
}

// Without full refresh only the invalidated area is redrawn and flushed;
// hidden objects and objects of other screens invalidate nothing.
TEST_F(TreeTest, partial_refresh_flushes_only_the_changed_area)
{
    display.stop();
    display.start(480, 320, false);
    lv_obj_t * label = lv_label_create(lv_scr_act());
    lv_obj_set_pos(label, 100, 60);
    lv_label_set_text(label, "one");
    display.advance(20);

    int before = display.flush_count;
    lv_label_set_text(label, "two");
    display.advance(20);
    EXPECT_EQ(display.flush_count, before + 1);
    EXPECT_GE(display.last_flush_area.x1, 100);
    EXPECT_GE(display.last_flush_area.y1, 60);
    EXPECT_LE(display.last_flush_area.y2, 60 + 40);

    lv_obj_t * other = lv_obj_create(nullptr);
    lv_obj_t * hidden_label = lv_label_create(other);
    before = display.flush_count;
    lv_label_set_text(hidden_label, "not shown");
    lv_obj_add_flag(label, LV_OBJ_FLAG_HIDDEN);
    display.advance(20);
    int after_hide = display.flush_count;
    EXPECT_EQ(after_hide, before + 1);   // hiding redraws where it was
    lv_label_set_text(label, "three");   // a hidden object changes nothing visible
    display.advance(20);
    EXPECT_EQ(display.flush_count, after_hide);
}

// Focusing an object with the keypad scrolls its container to show it.
TEST_F(TreeTest, focus_from_the_keypad_scrolls_the_object_into_view)
{
    lv_obj_t * list = lv_obj_create(lv_scr_act());
    lv_obj_set_size(list, 200, 150);
    lv_obj_set_flex_flow(list, LV_FLEX_FLOW_COLUMN);
    lv_obj_t * btns[8];
    for(auto & b : btns) {
        b = lv_btn_create(list);
        lv_obj_set_size(b, 150, 40);
    }
    lv_group_t * g = lv_group_get_default();
    EXPECT_EQ(lv_group_get_focused(g), btns[0]);
    for(int i = 0; i < 7; i++) display.type_key(LV_KEY_NEXT);
    display.advance(500);   /*the scroll is animated*/
    EXPECT_EQ(lv_group_get_focused(g), btns[7]);
    EXPECT_TRUE(lv_obj_has_state(btns[7], LV_STATE_FOCUS_KEY));
    EXPECT_GT(lv_obj_get_scroll_y(list), 0);
    EXPECT_EQ(lv_obj_get_scroll_bottom(list), 0);
}

TEST_F(TreeTest, an_object_keeps_at_most_63_event_callbacks)
{
    lv_obj_t * obj = lv_obj_create(lv_scr_act());
    int calls = 0;
    auto count = [](lv_event_t * e) { (*static_cast<int *>(lv_event_get_user_data(e)))++; };
    for(int i = 0; i < 63; i++) EXPECT_NE(lv_obj_add_event_cb(obj, count, LV_EVENT_CLICKED, &calls), nullptr);
    EXPECT_EQ(lv_obj_add_event_cb(obj, count, LV_EVENT_CLICKED, &calls), nullptr);
    lv_event_send(obj, LV_EVENT_CLICKED, nullptr);
    EXPECT_EQ(calls, 63);
}

TEST_F(TreeTest, auto_delete_removes_the_old_screen_after_the_animation)
{
    lv_obj_t * old_scr = lv_scr_act();
    lv_obj_t * next = lv_obj_create(nullptr);
    int deleted = 0;
    lv_obj_add_event_cb(old_scr, [](lv_event_t * e) { (*static_cast<int *>(lv_event_get_user_data(e)))++; },
                        LV_EVENT_DELETE, &deleted);
    lv_scr_load_anim(next, LV_SCR_LOAD_ANIM_OVER_BOTTOM, 200, 0, true);
    display.advance(100);
    EXPECT_EQ(deleted, 0);
    display.advance(200);
    EXPECT_EQ(deleted, 1);
    EXPECT_EQ(lv_scr_act(), next);
}

}  // namespace

namespace {

// Deleting the screen that is being loaded ends the animation: the old
// screen is active again and input works.
TEST_F(TreeTest, deleting_the_incoming_screen_mid_animation_restores_input)
{
    lv_obj_t * old_scr = lv_scr_act();
    lv_obj_t * btn = lv_btn_create(old_scr);
    lv_obj_set_size(btn, 100, 100);
    int clicks = 0;
    lv_obj_add_event_cb(btn, [](lv_event_t * e) { (*static_cast<int *>(lv_event_get_user_data(e)))++; },
                        LV_EVENT_CLICKED, &clicks);
    lv_obj_t * next = lv_obj_create(nullptr);
    lv_scr_load_anim(next, LV_SCR_LOAD_ANIM_MOVE_TOP, 500, 0, false);
    display.advance(100);
    lv_obj_del(next);
    display.advance(600);
    EXPECT_EQ(lv_scr_act(), old_scr);
    EXPECT_EQ(lv_disp_get_scr_prev(display.disp), nullptr);
    lv_obj_set_pos(old_scr, 0, 0);
    display.click(50, 50);
    EXPECT_EQ(clicks, 1);
}

}  // namespace
