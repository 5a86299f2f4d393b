// Text area and keyboard: what a window host reads to place an input-method
// window, and typed keys landing at the cursor.
#include "test_display.h"

#include "src/widgets/lv_widgets_extra2.h"

namespace {

class TextareaTest : public DisplayTest {};

TEST_F(TextareaTest, typing_inserts_at_the_cursor)
{
    lv_obj_t * ta = lv_textarea_create(lv_scr_act());
    lv_group_focus_obj(ta);
    lv_textarea_set_text(ta, "ac");
    EXPECT_EQ(lv_textarea_get_cursor_pos(ta), 2u);

    display.type_key(LV_KEY_LEFT);
    display.type_key('b');
    EXPECT_STREQ(lv_textarea_get_text(ta), "abc");
    EXPECT_EQ(lv_textarea_get_cursor_pos(ta), 2u);

    // A wide letter arrives as its packed UTF-8 bytes and counts as one character.
    display.type_key(_lv_txt_unicode_to_encoded(0x00E9));
    EXPECT_STREQ(lv_textarea_get_text(ta), "ab\xC3\xA9" "c");
    EXPECT_EQ(lv_textarea_get_cursor_pos(ta), 3u);

    display.type_key(LV_KEY_BACKSPACE);
    display.type_key(LV_KEY_HOME);
    EXPECT_STREQ(lv_textarea_get_text(ta), "abc");
    EXPECT_EQ(lv_textarea_get_cursor_pos(ta), 0u);
    EXPECT_EQ(lv_obj_get_parent(lv_textarea_get_label(ta)), ta);
}

TEST_F(TextareaTest, a_focused_keyboard_leads_to_its_text_area)
{
    lv_obj_t * ta = lv_textarea_create(lv_scr_act());
    lv_obj_t * kb = lv_keyboard_create(lv_scr_act());
    EXPECT_TRUE(lv_obj_check_type(kb, &lv_keyboard_class));
    EXPECT_FALSE(lv_obj_check_type(kb, &lv_textarea_class));
    EXPECT_EQ(lv_keyboard_get_textarea(kb), nullptr);

    lv_keyboard_set_textarea(kb, ta);
    EXPECT_EQ(lv_keyboard_get_textarea(kb), ta);
    lv_group_focus_obj(kb);
    display.type_key('x');
    EXPECT_STREQ(lv_textarea_get_text(ta), "x");

    // Deleting the text area must not leave the keyboard pointing at it.
    lv_obj_del(ta);
    EXPECT_EQ(lv_keyboard_get_textarea(kb), nullptr);
    display.type_key('y');
}

}  // namespace
