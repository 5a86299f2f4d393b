// Message box: parts, centring, buttons, and closing.
#include "test_display.h"

#include "src/widgets/lv_widgets_extra2.h"

#include <string>

namespace {

class MsgboxTest : public DisplayTest {
protected:
    static void click_center(TestDisplay & d, lv_obj_t * obj)
    {
        d.click((obj->coords.x1 + obj->coords.x2) / 2, (obj->coords.y1 + obj->coords.y2) / 2);
    }
};

TEST_F(MsgboxTest, the_close_button_deletes_the_box)
{
    struct Case {
        bool own_parent;    // true: on the screen; false: NULL parent, a backdrop on the top layer
    };
    const Case cases[] = {{true}, {false}};
    for(const Case & c : cases) {
        SCOPED_TRACE(c.own_parent);
        static const char * no_btns[] = {""};
        lv_obj_t * parent = c.own_parent ? lv_scr_act() : lv_layer_top();
        uint32_t before = lv_obj_get_child_cnt(parent);
        lv_obj_t * mbox = lv_msgbox_create(c.own_parent ? lv_scr_act() : nullptr, "Notice", "Saved", no_btns, true);
        ASSERT_EQ(lv_obj_get_child_cnt(parent), before + 1);
        lv_obj_update_layout(mbox);
        lv_obj_t * close = lv_msgbox_get_close_btn(mbox);
        ASSERT_NE(close, nullptr);

        click_center(display, close);
        display.advance(50);
        EXPECT_FALSE(lv_obj_is_valid(mbox));
        EXPECT_EQ(lv_obj_get_child_cnt(parent), before);
    }
}

TEST_F(MsgboxTest, parts_centring_and_an_empty_button_list)
{
    static const char * no_btns[] = {""};
    lv_obj_t * mbox = lv_msgbox_create(lv_scr_act(), "Title", "A text", no_btns, true);
    lv_obj_set_size(mbox, lv_pct(70), lv_pct(20));
    lv_obj_center(mbox);
    lv_obj_update_layout(mbox);

    EXPECT_TRUE(lv_obj_check_type(mbox, &lv_msgbox_class));
    EXPECT_STREQ(lv_label_get_text(lv_msgbox_get_title(mbox)), "Title");
    EXPECT_STREQ(lv_label_get_text(lv_msgbox_get_text(mbox)), "A text");
    EXPECT_EQ(lv_msgbox_get_btns(mbox), nullptr);
    EXPECT_EQ(lv_obj_get_width(mbox), 480 * 70 / 100);
    EXPECT_EQ((mbox->coords.x1 + mbox->coords.x2 + 1) / 2, 240);
    EXPECT_EQ((mbox->coords.y1 + mbox->coords.y2 + 1) / 2, 160);
    // The close button sits at the right end of the title's line.
    lv_obj_t * close = lv_msgbox_get_close_btn(mbox);
    EXPECT_GT(close->coords.x1, lv_msgbox_get_title(mbox)->coords.x2);
    EXPECT_LT(lv_msgbox_get_title(mbox)->coords.y1, lv_msgbox_get_text(mbox)->coords.y1);
}

TEST_F(MsgboxTest, a_button_click_arrives_on_the_box_with_its_text)
{
    static const char * btns[] = {"OK", "Cancel", ""};
    lv_obj_t * mbox = lv_msgbox_create(lv_scr_act(), "Q", "Proceed?", btns, false);
    lv_obj_update_layout(mbox);
    EXPECT_EQ(lv_msgbox_get_close_btn(mbox), nullptr);
    ASSERT_NE(lv_msgbox_get_btns(mbox), nullptr);
    ASSERT_EQ(lv_obj_get_child_cnt(lv_msgbox_get_btns(mbox)), 2u);
    EXPECT_EQ(lv_msgbox_get_active_btn_text(mbox), nullptr);

    std::string seen;
    lv_obj_add_event_cb(
        mbox,
        [](lv_event_t * e) {
            auto * s = static_cast<std::string *>(lv_event_get_user_data(e));
            *s = lv_msgbox_get_active_btn_text(lv_event_get_current_target(e));
        },
        LV_EVENT_VALUE_CHANGED, &seen);
    click_center(display, lv_obj_get_child(lv_msgbox_get_btns(mbox), 1));
    EXPECT_EQ(seen, "Cancel");
    EXPECT_EQ(lv_msgbox_get_active_btn(mbox), 1);

    lv_msgbox_close(mbox);
    EXPECT_FALSE(lv_obj_is_valid(mbox));
}

}  // namespace
