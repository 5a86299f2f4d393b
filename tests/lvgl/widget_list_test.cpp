// List: rows, their texts and spacing, and scrolling by dragging.
#include "test_display.h"

#include "src/widgets/lv_widgets_extra2.h"

#include <string>

namespace {

class ListTest : public DisplayTest {
protected:
    // A 200 x 150 list at (100, 50) with a section text and `n` mode buttons.
    lv_obj_t * make(int n, lv_coord_t row_pad = 10)
    {
        lv_obj_t * list = lv_list_create(lv_scr_act());
        lv_obj_set_pos(list, 100, 50);
        lv_obj_set_size(list, 200, 150);
        lv_obj_set_style_pad_row(list, row_pad, 0);
        lv_list_add_text(list, "60Hz");
        for(int i = 0; i < n; i++) {
            char buf[32];
            lv_snprintf(buf, sizeof(buf), "   %d X %d", 1920 - i * 100, 1080 - i * 50);
            lv_obj_t * b = lv_list_add_btn(list, nullptr, buf);
            lv_obj_set_width(b, lv_pct(100));
        }
        lv_obj_update_layout(list);
        return list;
    }
};

TEST_F(ListTest, rows_keep_their_order_texts_and_row_padding)
{
    lv_obj_t * list = make(3, 10);
    ASSERT_EQ(lv_obj_get_child_cnt(list), 4u);
    EXPECT_TRUE(lv_obj_check_type(lv_obj_get_child(list, 0), &lv_list_text_class));
    EXPECT_STREQ(lv_label_get_text(lv_obj_get_child(list, 0)), "60Hz");

    const char * texts[] = {"   1920 X 1080", "   1820 X 1030", "   1720 X 980"};
    for(int i = 0; i < 3; i++) {
        SCOPED_TRACE(i);
        lv_obj_t * b = lv_obj_get_child(list, i + 1);
        EXPECT_TRUE(lv_obj_check_type(b, &lv_list_btn_class));
        EXPECT_TRUE(lv_obj_has_class(b, &lv_btn_class));
        EXPECT_STREQ(lv_list_get_btn_text(list, b), texts[i]);
        lv_obj_t * above = lv_obj_get_child(list, i);
        EXPECT_EQ(b->coords.y1 - above->coords.y2 - 1, 10);
        EXPECT_EQ(lv_obj_get_width(b), lv_obj_get_content_width(list));
    }
}

TEST_F(ListTest, dragging_scrolls_a_long_list_and_the_pressed_row_is_not_clicked)
{
    struct Case {
        int rows;
        bool scrolls;
    };
    const Case cases[] = {{20, true}, {1, false}};
    for(const Case & c : cases) {
        SCOPED_TRACE(c.rows);
        lv_obj_t * list = make(c.rows);
        lv_obj_t * first_btn = lv_obj_get_child(list, 1);
        EventLog log;
        log.attach(first_btn);

        lv_coord_t x = 200;
        lv_coord_t y = (first_btn->coords.y1 + first_btn->coords.y2) / 2;
        display.press(x, y);
        for(int i = 1; i <= 8; i++) display.move(x, (lv_coord_t)(y - i * 10));
        display.release();
        display.advance(600);

        if(c.scrolls) {
            EXPECT_GE(lv_obj_get_scroll_y(list), 60);
            EXPECT_LE(lv_obj_get_scroll_y(list), lv_obj_get_scroll_y(list) + lv_obj_get_scroll_bottom(list));
        }
        else {
            EXPECT_EQ(lv_obj_get_scroll_y(list), 0);
        }
        bool clicked = false;
        for(lv_event_code_t code : log.codes) clicked = clicked || code == LV_EVENT_CLICKED;
        EXPECT_FALSE(clicked);  // a drag is never a click, whether it scrolled or slid off the row
        lv_obj_del(list);
    }
}

TEST_F(ListTest, buttons_hold_an_icon_and_or_a_text_side_by_side)
{
    struct Case {
        const char * icon;
        const char * txt;
        uint32_t children;
        const char * reported;
    };
    const Case cases[] = {
        {LV_SYMBOL_SAVE, "Save", 2, "Save"},
        {nullptr, "Plain", 1, "Plain"},
        {LV_SYMBOL_USB, nullptr, 1, ""},
        {nullptr, nullptr, 0, ""},
    };
    lv_obj_t * list = lv_list_create(lv_scr_act());
    lv_obj_set_size(list, 300, 300);
    for(const Case & c : cases) {
        SCOPED_TRACE(c.reported);
        lv_obj_t * b = lv_list_add_btn(list, c.icon, c.txt);
        lv_obj_update_layout(list);
        ASSERT_EQ(lv_obj_get_child_cnt(b), c.children);
        EXPECT_STREQ(lv_list_get_btn_text(list, b), c.reported);
        if(c.icon) EXPECT_TRUE(lv_obj_check_type(lv_obj_get_child(b, 0), &lv_img_class));
        if(c.icon && c.txt) {
            // The text follows the icon on the same line and takes the rest of the row.
            lv_obj_t * icon = lv_obj_get_child(b, 0);
            lv_obj_t * label = lv_obj_get_child(b, 1);
            EXPECT_GT(label->coords.x1, icon->coords.x2);
            lv_area_t content;
            lv_obj_get_content_coords(b, &content);
            EXPECT_EQ(label->coords.x2, content.x2);
        }
        EXPECT_EQ(lv_obj_get_width(b), lv_obj_get_content_width(list));
    }
}

TEST_F(ListTest, a_text_too_long_for_the_row_scrolls_instead_of_wrapping)
{
    lv_obj_t * list = make(0);
    const char * long_texts[] = {"A very long section heading that does not fit in two hundred pixels"};
    lv_obj_t * heading = lv_list_add_text(list, long_texts[0]);
    lv_obj_t * b = lv_list_add_btn(list, nullptr, long_texts[0]);
    lv_obj_update_layout(list);
    EXPECT_EQ(lv_label_get_long_mode(heading), LV_LABEL_LONG_SCROLL_CIRCULAR);
    EXPECT_EQ(lv_label_get_long_mode(lv_obj_get_child(b, 0)), LV_LABEL_LONG_SCROLL_CIRCULAR);
    EXPECT_EQ(lv_obj_get_width(heading), lv_obj_get_content_width(list));
    EXPECT_LT(lv_obj_get_content_height(heading), 2 * lv_font_get_line_height(lv_obj_get_style_text_font(heading, 0)));
}

TEST_F(ListTest, mode_buttons_can_leave_the_group)
{
    lv_obj_t * list = make(2);
    lv_obj_t * b = lv_obj_get_child(list, 1);
    ASSERT_EQ(lv_obj_get_group(b), lv_group_get_default());
    lv_group_remove_obj(b);
    EXPECT_EQ(lv_obj_get_group(b), nullptr);
    EXPECT_EQ(lv_obj_get_group(lv_obj_get_child(list, 0)), nullptr);  // texts never join
}

}  // namespace
