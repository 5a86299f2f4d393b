// Label: texts, long modes and the sizes they give.
#include "test_display.h"

#include <cstring>

namespace {

class LabelTest : public DisplayTest {
protected:
    lv_obj_t * label = nullptr;
    const lv_font_t * font = nullptr;
    lv_coord_t line_h = 0;

    void SetUp() override
    {
        DisplayTest::SetUp();
        label = lv_label_create(lv_scr_act());
        font = lv_obj_get_style_text_font(label, 0);
        line_h = lv_font_get_line_height(font);
    }

    lv_coord_t text_width(const char * t)
    {
        lv_point_t size;
        lv_txt_get_size(&size, t, font, 0, 0, LV_COORD_MAX, LV_TEXT_FLAG_NONE);
        return size.x;
    }
};

const char * kLong = "The quick brown fox jumps over the lazy dog again and again";

TEST_F(LabelTest, text_setters_copy_format_and_keep_static_texts)
{
    char buf[16];
    std::strcpy(buf, "copied");
    lv_label_set_text(label, buf);
    std::strcpy(buf, "changed");
    EXPECT_STREQ(lv_label_get_text(label), "copied");

    lv_label_set_text_fmt(label, "%d%% %s", 42, "fan");
    EXPECT_STREQ(lv_label_get_text(label), "42% fan");

    // Setting the label's own text (e.g. after editing it) keeps it intact
    lv_label_set_text(label, lv_label_get_text(label));
    EXPECT_STREQ(lv_label_get_text(label), "42% fan");

    static const char fixed[] = "static";
    lv_label_set_text_static(label, fixed);
    EXPECT_EQ(lv_label_get_text(label), fixed);

    lv_label_set_text(label, "12");
    lv_label_ins_text(label, 1, "ab");
    EXPECT_STREQ(lv_label_get_text(label), "1ab2");
    lv_label_cut_text(label, 0, 2);
    EXPECT_STREQ(lv_label_get_text(label), "b2");
}

// The size each long mode gives a label 100 px wide with a long text, and
// whether the text stays untouched.
TEST_F(LabelTest, long_modes_set_the_size_and_keep_the_text)
{
    struct Case {
        lv_label_long_mode_t mode;
        bool fixed_height;       // height set to one line
        lv_coord_t min_h, max_h; // expected height range in lines
    };
    const Case cases[] = {
        {LV_LABEL_LONG_WRAP, false, 3, 20},
        {LV_LABEL_LONG_DOT, true, 1, 1},
        {LV_LABEL_LONG_SCROLL, false, 1, 1},
        {LV_LABEL_LONG_SCROLL_CIRCULAR, false, 1, 1},
        {LV_LABEL_LONG_CLIP, false, 1, 1},
    };
    for(const Case & c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << int(c.mode));
        lv_label_set_long_mode(label, c.mode);
        lv_obj_set_width(label, 100);
        lv_obj_set_height(label, c.fixed_height ? line_h : LV_SIZE_CONTENT);
        lv_label_set_text_static(label, kLong);   // static: the label must not write into it
        display.advance(20);
        EXPECT_EQ(lv_obj_get_width(label), 100);
        EXPECT_GE(lv_obj_get_height(label), c.min_h * line_h);
        EXPECT_LE(lv_obj_get_height(label), c.max_h * line_h + c.max_h * 2);
        EXPECT_STREQ(lv_label_get_text(label), kLong);
        EXPECT_EQ(lv_label_get_long_mode(label), c.mode);
    }
}

// Scroll modes move the text over time; a text that fits does not move.
TEST_F(LabelTest, scroll_modes_move_a_long_text_and_leave_a_short_one)
{
    const lv_label_long_mode_t modes[] = {LV_LABEL_LONG_SCROLL, LV_LABEL_LONG_SCROLL_CIRCULAR};
    for(lv_label_long_mode_t mode : modes) {
        SCOPED_TRACE(testing::Message() << "mode " << int(mode));
        lv_label_set_long_mode(label, mode);
        lv_obj_set_width(label, 100);
        lv_label_set_text(label, kLong);
        lv_label_t * l = reinterpret_cast<lv_label_t *>(label);
        display.advance(10);
        lv_coord_t start = l->offset.x;
        display.advance(1000);
        EXPECT_LT(l->offset.x, start);
        EXPECT_GE(l->offset.x, -text_width(kLong) - 4 * lv_font_get_glyph_width(font, ' ', ' '));

        lv_label_set_text(label, "ok");
        display.advance(500);
        EXPECT_EQ(l->offset.x, 0);
    }
}

// Dot mode: the drawn text ends in dots inside the label; what is left of
// the label's right edge stays background.
TEST_F(LabelTest, dot_mode_draws_dots_inside_the_label)
{
    lv_obj_set_style_text_color(label, lv_color_white(), 0);
    lv_obj_set_pos(label, 10, 10);
    lv_label_set_long_mode(label, LV_LABEL_LONG_DOT);
    lv_obj_set_size(label, 120, line_h);
    lv_label_set_text(label, kLong);
    display.advance(20);
    uint32_t bg = display.pixel_rgb(200, 10);
    bool ink_right_of_label = false;
    for(lv_coord_t y = 10; y < 10 + line_h; y++) {
        for(lv_coord_t x = 131; x < 300; x++) {
            if(display.pixel_rgb(x, y) != bg) ink_right_of_label = true;
        }
    }
    EXPECT_FALSE(ink_right_of_label);
    // The dots follow the last word that fits, past the middle of the label
    lv_coord_t last_ink = 0;
    for(lv_coord_t y = 10; y < 10 + line_h; y++) {
        for(lv_coord_t x = 10; x < 131; x++) {
            if(display.pixel_rgb(x, y) != bg) last_ink = std::max(last_ink, x);
        }
    }
    EXPECT_GT(last_ink, 70);
}

TEST_F(LabelTest, letter_positions_follow_the_text)
{
    lv_label_set_text(label, "ab\ncd");
    lv_point_t p;
    lv_label_get_letter_pos(label, 0, &p);
    EXPECT_EQ(p.x, 0);
    EXPECT_EQ(p.y, 0);
    lv_label_get_letter_pos(label, 3, &p);   // 'c', second line
    EXPECT_EQ(p.x, 0);
    EXPECT_EQ(p.y, line_h);
    lv_label_get_letter_pos(label, 1, &p);
    EXPECT_EQ(p.x, lv_font_get_glyph_width(font, 'a', 'b'));

    lv_point_t on = {static_cast<lv_coord_t>(lv_font_get_glyph_width(font, 'c', 'd') + 1),
                     static_cast<lv_coord_t>(line_h + 2)};
    EXPECT_EQ(lv_label_get_letter_on(label, &on), 4u);
}

}  // namespace
