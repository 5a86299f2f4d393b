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

TEST_F(MsgboxTest, title_text_and_buttons_appear_only_when_given)
{
    static const char * no_btns[] = {""};
    static const char * one_btn[] = {"OK", ""};
    struct Case {
        const char * title;
        const char * txt;
        const char ** btns;
        bool close;
        bool has_title, has_text, has_btns;
    };
    const Case cases[] = {
        {"Info", "Text", no_btns, true, true, true, false},
        {nullptr, "Text", nullptr, false, false, true, false},
        {"", nullptr, one_btn, false, false, false, true},
        {nullptr, "", no_btns, true, true, false, false},   // the close button keeps an empty title line
    };
    for(const Case & c : cases) {
        SCOPED_TRACE(c.title ? c.title : "(null)");
        lv_obj_t * mbox = lv_msgbox_create(lv_scr_act(), c.title, c.txt, c.btns, c.close);
        lv_obj_update_layout(mbox);
        EXPECT_EQ(lv_msgbox_get_title(mbox) != nullptr, c.has_title);
        EXPECT_EQ(lv_msgbox_get_text(mbox) != nullptr, c.has_text);
        EXPECT_EQ(lv_msgbox_get_btns(mbox) != nullptr, c.has_btns);
        EXPECT_EQ(lv_msgbox_get_close_btn(mbox) != nullptr, c.close);
        ASSERT_NE(lv_msgbox_get_content(mbox), nullptr);
        EXPECT_TRUE(lv_obj_check_type(lv_msgbox_get_content(mbox), &lv_msgbox_content_class));
        if(c.has_title && !c.title) EXPECT_STREQ(lv_label_get_text(lv_msgbox_get_title(mbox)), "");
        EXPECT_EQ(lv_msgbox_get_active_btn(mbox), 0xFFFF);
        lv_msgbox_close(mbox);
    }
}

TEST_F(MsgboxTest, a_modal_box_shields_the_screen_and_can_close_itself_from_its_handler)
{
    lv_obj_t * under = lv_btn_create(lv_scr_act());
    lv_obj_set_size(under, 480, 320);
    EventLog under_log;
    under_log.attach(under);

    static const char * btns[] = {"Yes", "No", ""};
    lv_obj_t * mbox = lv_msgbox_create(nullptr, "Modal", "Sure?", btns, false);
    lv_obj_t * backdrop = lv_obj_get_parent(mbox);
    EXPECT_EQ(lv_obj_get_parent(backdrop), lv_layer_top());
    EXPECT_TRUE(lv_obj_check_type(backdrop, &lv_msgbox_backdrop_class));
    lv_obj_update_layout(mbox);

    display.click(5, 5);  // outside the box, on the backdrop
    EXPECT_TRUE(under_log.input_codes().empty());

    // Closing from the box's own value-changed handler, as applications do.
    lv_obj_add_event_cb(
        mbox, [](lv_event_t * e) { lv_msgbox_close_async(lv_event_get_current_target(e)); }, LV_EVENT_VALUE_CHANGED,
        nullptr);
    click_center(display, lv_obj_get_child(lv_msgbox_get_btns(mbox), 0));
    display.advance(50);
    EXPECT_FALSE(lv_obj_is_valid(mbox));
    EXPECT_FALSE(lv_obj_is_valid(backdrop));
    EXPECT_EQ(lv_obj_get_child_cnt(lv_layer_top()), 0u);

    display.click(5, 5);  // the screen is reachable again
    EXPECT_FALSE(under_log.input_codes().empty());
}

}  // namespace
