// Faults that would crash or hang the panel rather than look wrong: a handler
// that deletes the object it is told about, and a draw buffer too small for
// the area to refresh.
#include <gtest/gtest.h>

#include "test_display.h"

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
