// Button: the flags that make it a button rather than a plain object.
#include "test_display.h"

namespace {

class BtnTest : public DisplayTest {};

// A button joins the default group, takes clicks, sizes to its label and
// does not scroll what it holds.
TEST_F(BtnTest, a_button_is_a_clickable_group_member_that_does_not_scroll)
{
    lv_obj_t * btn = lv_btn_create(lv_scr_act());
    lv_obj_t * label = lv_label_create(btn);
    lv_label_set_text(label, "Apply");
    lv_obj_update_layout(btn);

    struct Case {
        lv_obj_flag_t flag;
        bool set;
    };
    const Case cases[] = {
        {LV_OBJ_FLAG_CLICKABLE, true},
        {LV_OBJ_FLAG_SCROLL_ON_FOCUS, true},
        {LV_OBJ_FLAG_SCROLLABLE, false},
    };
    for(const Case & c : cases) EXPECT_EQ(lv_obj_has_flag(btn, c.flag), c.set) << c.flag;
    EXPECT_EQ(lv_obj_get_group(btn), lv_group_get_default());
    EXPECT_EQ(lv_obj_get_content_width(btn), lv_obj_get_width(label));

    int clicks = 0;
    lv_obj_add_event_cb(btn, [](lv_event_t * e) { (*static_cast<int *>(lv_event_get_user_data(e)))++; },
                        LV_EVENT_CLICKED, &clicks);
    display.click(static_cast<lv_coord_t>((btn->coords.x1 + btn->coords.x2) / 2),
                  static_cast<lv_coord_t>((btn->coords.y1 + btn->coords.y2) / 2));
    EXPECT_EQ(clicks, 1);
}

// Moving the focus by keys to a button out of sight scrolls it into view.
TEST_F(BtnTest, a_focused_button_is_scrolled_into_view)
{
    lv_obj_t * page = lv_obj_create(lv_scr_act());
    lv_obj_set_size(page, 200, 100);
    lv_obj_t * first = lv_btn_create(page);
    lv_obj_t * far = lv_btn_create(page);
    lv_obj_set_pos(first, 0, 0);
    lv_obj_set_pos(far, 0, 400);
    lv_group_focus_obj(first);
    display.advance(20);
    EXPECT_EQ(lv_obj_get_scroll_y(page), 0);

    display.type_key(LV_KEY_NEXT);
    display.advance(500);
    EXPECT_EQ(lv_group_get_focused(lv_group_get_default()), far);
    EXPECT_GT(lv_obj_get_scroll_y(page), 300);
}

}  // namespace
