// Faults that would crash or hang the panel rather than look wrong: a handler
// that deletes the object it is told about, and a draw buffer too small for
// the area to refresh.
#include <gtest/gtest.h>

#include "test_display.h"

#include <algorithm>

namespace {

void delete_target(lv_event_t * e) { lv_obj_del(lv_event_get_target(e)); }

TEST_F(DisplayTest, a_scroll_end_handler_may_delete_the_container_that_came_to_rest)
{
    lv_obj_t * cont = lv_obj_create(lv_scr_act());
    lv_obj_set_size(cont, 200, 200);
    for(int i = 0; i < 6; i++) {
        lv_obj_t * item = lv_obj_create(cont);
        lv_obj_set_size(item, 150, 80);
        lv_obj_set_pos(item, 0, i * 90);
    }
    lv_obj_add_event_cb(cont, delete_target, LV_EVENT_SCROLL_END, nullptr);
    uint32_t children_before = lv_obj_get_child_cnt(lv_scr_act());

    display.press(100, 150);
    for(lv_coord_t y = 140; y >= 60; y -= 10) display.move(100, y);
    display.release();
    display.advance(1000);   // the throw runs out and the handler deletes it

    EXPECT_EQ(lv_obj_get_child_cnt(lv_scr_act()), children_before - 1);
}

TEST(Refresh, a_draw_buffer_smaller_than_one_row_draws_nothing_and_returns)
{
    TestDisplay display;
    display.start(200, 100, false);
    display.draw_buf.size = 50;   // less than one 200-pixel row
    display.draw_buf.buf2 = nullptr;
    display.disp_drv.direct_mode = 0;
    int flushes = display.flush_count;
    lv_obj_invalidate(lv_scr_act());
    lv_refr_now(display.disp);   // must come back
    EXPECT_EQ(display.flush_count, flushes);
    display.stop();
}

}  // namespace

namespace {

int deletes = 0;
void count_delete(lv_event_t *) { deletes++; }

// Asking twice for a later deletion deletes once; deleting at once after
// asking leaves nothing behind for the later call to free again.
TEST_F(DisplayTest, deferred_deletions_free_an_object_exactly_once)
{
    struct Case {
        const char * what;
        void (*request)(lv_obj_t *);
    };
    const Case cases[] = {
        {"async twice", [](lv_obj_t * o) { lv_obj_del_async(o); lv_obj_del_async(o); }},
        {"async, then at once", [](lv_obj_t * o) { lv_obj_del_async(o); lv_obj_del(o); }},
        {"delayed, then at once", [](lv_obj_t * o) { lv_obj_del_delayed(o, 50); lv_obj_del(o); }},
        {"delayed and async", [](lv_obj_t * o) { lv_obj_del_delayed(o, 50); lv_obj_del_async(o); }},
    };
    for(const Case & c : cases) {
        deletes = 0;
        lv_obj_t * obj = lv_obj_create(lv_scr_act());
        lv_obj_t * child = lv_obj_create(obj);
        lv_obj_add_event_cb(obj, count_delete, LV_EVENT_DELETE, nullptr);
        lv_obj_add_event_cb(child, count_delete, LV_EVENT_DELETE, nullptr);
        c.request(obj);
        display.advance(100);
        EXPECT_EQ(deletes, 2) << c.what;
        EXPECT_FALSE(lv_obj_is_valid(obj)) << c.what;
    }
}

TEST_F(DisplayTest, a_delayed_deletion_waits_for_its_time)
{
    lv_obj_t * obj = lv_obj_create(lv_scr_act());
    lv_obj_del_delayed(obj, 200);
    display.advance(150);
    EXPECT_TRUE(lv_obj_is_valid(obj));
    display.advance(100);
    EXPECT_FALSE(lv_obj_is_valid(obj));
}

void delete_parent(lv_event_t * e) { lv_obj_del(lv_obj_get_parent(lv_event_get_target(e))); }
void delete_self_again(lv_event_t * e) { lv_obj_del(lv_event_get_target(e)); }

// Handlers may delete the object they were called for, or its parent, in
// the middle of input processing and of a deletion.
TEST_F(DisplayTest, handlers_may_delete_their_object_or_its_parent)
{
    struct Case {
        const char * what;
        lv_event_code_t code;
        lv_event_cb_t cb;
        bool on_parent_too;
    };
    const Case cases[] = {
        {"clicked deletes itself", LV_EVENT_CLICKED, delete_target, false},
        {"pressed deletes itself", LV_EVENT_PRESSED, delete_target, false},
        {"released deletes its parent", LV_EVENT_RELEASED, delete_parent, true},
        {"value changed deletes itself", LV_EVENT_VALUE_CHANGED, delete_target, false},
    };
    for(const Case & c : cases) {
        lv_obj_t * holder = lv_obj_create(lv_scr_act());
        lv_obj_remove_style_all(holder);
        lv_obj_set_size(holder, 200, 200);
        lv_obj_t * btn = lv_btn_create(holder);
        lv_obj_set_size(btn, 100, 100);
        lv_obj_add_flag(btn, LV_OBJ_FLAG_CHECKABLE);
        lv_obj_add_event_cb(btn, c.cb, c.code, nullptr);
        display.advance(20);
        display.click(50, 50);
        display.advance(20);
        EXPECT_FALSE(lv_obj_is_valid(btn)) << c.what;
        EXPECT_EQ(lv_obj_is_valid(holder), !c.on_parent_too) << c.what;
        if(lv_obj_is_valid(holder)) lv_obj_del(holder);
        display.click(50, 50);   // input goes on normally afterwards
    }

    deletes = 0;
    lv_obj_t * again = lv_obj_create(lv_scr_act());
    lv_obj_add_event_cb(again, delete_self_again, LV_EVENT_DELETE, nullptr);
    lv_obj_add_event_cb(again, count_delete, LV_EVENT_DELETE, nullptr);
    lv_obj_del(again);
    EXPECT_FALSE(lv_obj_is_valid(again));
}

// Deleting the focused object moves the focus on; the keypad keeps working.
TEST_F(DisplayTest, deleting_the_focused_object_keeps_the_keypad_working)
{
    lv_obj_t * a = lv_btn_create(lv_scr_act());
    lv_obj_t * b = lv_btn_create(lv_scr_act());
    lv_obj_set_pos(b, 0, 100);
    lv_group_t * g = lv_group_get_default();
    ASSERT_EQ(lv_group_get_focused(g), a);
    lv_obj_del(a);
    EXPECT_EQ(lv_group_get_focused(g), b);
    EventLog log;
    log.attach(b);
    display.type_key(LV_KEY_ENTER);
    EXPECT_NE(std::find(log.codes.begin(), log.codes.end(), LV_EVENT_KEY), log.codes.end());
}

TEST_F(DisplayTest, a_deleted_layer_is_forgotten_by_its_display)
{
    lv_obj_t * top = lv_layer_top();
    lv_obj_create(top);
    lv_obj_del(top);
    EXPECT_EQ(lv_disp_get_layer_top(display.disp), nullptr);
    EXPECT_FALSE(lv_obj_is_valid(top));
    display.advance(20);   // refreshing without the layer
}

}  // namespace
