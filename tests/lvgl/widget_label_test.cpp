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

// For every character of a text, the letter found at its pen position is
// that character again: letter_pos and letter_on agree on one layout, with
// line breaks, wrapping and every alignment.
TEST_F(LabelTest, letter_on_finds_the_letter_at_each_letter_position)
{
    struct Case {
        const char * text;
        lv_coord_t width;   // 0: the width follows the text
        lv_text_align_t align;
    };
    const Case cases[] = {
        {"ab\ncd", 0, LV_TEXT_ALIGN_LEFT},
        {kLong, 100, LV_TEXT_ALIGN_LEFT},
        {kLong, 100, LV_TEXT_ALIGN_CENTER},
        {kLong, 140, LV_TEXT_ALIGN_RIGHT},
        {"Fan \xE9\xA3\x8E\xE6\x89\x87 2400\nrpm", 0, LV_TEXT_ALIGN_CENTER},
    };
    for(const Case & c : cases) {
        SCOPED_TRACE(testing::Message() << c.text << " width " << c.width << " align " << int(c.align));
        lv_label_set_text(label, c.text);
        lv_obj_set_width(label, c.width ? c.width : LV_SIZE_CONTENT);
        lv_obj_set_style_text_align(label, c.align, 0);
        lv_obj_update_layout(label);
        uint32_t count = _lv_txt_get_encoded_length(c.text);
        for(uint32_t id = 0; id < count; id++) {
            uint32_t byte = _lv_txt_encoded_get_byte_id(c.text, id);
            if(c.text[byte] == '\n' || c.text[byte] == ' ') continue;   // no glyph of their own to hit
            lv_point_t p;
            lv_label_get_letter_pos(label, id, &p);
            lv_point_t inside = {static_cast<lv_coord_t>(p.x + 1), static_cast<lv_coord_t>(p.y + line_h / 2)};
            EXPECT_EQ(lv_label_get_letter_on(label, &inside), id) << "character " << id;
            EXPECT_TRUE(lv_label_is_char_under_pos(label, &inside)) << "character " << id;
        }
    }
}

// Where a cursor goes: the end of a line, past the text, after a final line
// break (typing continues on the empty line below).
TEST_F(LabelTest, letter_positions_at_line_ends_stay_where_typing_continues)
{
    lv_label_set_text(label, "ab\ncd\n");
    lv_coord_t ab = lv_txt_get_width("ab", 2, font, 0, LV_TEXT_FLAG_NONE);
    struct Case {
        uint32_t id;
        int x, y;
    };
    const Case cases[] = {
        {2, ab, 0},               // before the first line break
        {3, 0, line_h},           // start of the second line
        {6, 0, 2 * line_h},       // after the final line break
        {LV_LABEL_POS_LAST, 0, 2 * line_h},
    };
    for(const Case & c : cases) {
        SCOPED_TRACE(testing::Message() << "character " << c.id);
        lv_point_t p;
        lv_label_get_letter_pos(label, c.id, &p);
        EXPECT_EQ(p.x, c.x);
        EXPECT_EQ(p.y, c.y);
    }

    // Right of a line's end (or below the text) the position ending that line
    struct Point {
        lv_coord_t x, y;
        uint32_t id;
        bool on_letter;
    };
    const Point points[] = {
        {static_cast<lv_coord_t>(ab + 20), 2, 2, false},
        {static_cast<lv_coord_t>(ab + 20), static_cast<lv_coord_t>(line_h + 2), 5, false},
        {5, static_cast<lv_coord_t>(5 * line_h), 6, false},
        {-5, 2, 0, false},
        {1, 2, 0, true},
    };
    for(const Point & pt : points) {
        SCOPED_TRACE(testing::Message() << pt.x << "," << pt.y);
        lv_point_t p = {pt.x, pt.y};
        EXPECT_EQ(lv_label_get_letter_on(label, &p), pt.id);
        EXPECT_EQ(lv_label_is_char_under_pos(label, &p), pt.on_letter);
    }
}

// Clicking right of a wrapped line keeps the cursor on that line rather
// than jumping to the start of the next one.
TEST_F(LabelTest, letter_on_right_of_a_wrapped_line_stays_on_that_line)
{
    lv_label_set_text(label, kLong);
    lv_obj_set_width(label, 100);
    lv_obj_update_layout(label);
    lv_point_t right = {99, 2};
    uint32_t id = lv_label_get_letter_on(label, &right);
    lv_point_t p;
    lv_label_get_letter_pos(label, id, &p);
    EXPECT_EQ(p.y, 0);
    EXPECT_GT(id, 0u);
}

TEST_F(LabelTest, editing_keeps_the_text_consistent)
{
    struct Case {
        const char * start;
        bool insert;
        uint32_t pos;
        uint32_t cnt;          // characters to cut
        const char * piece;    // text to insert
        const char * result;
    };
    const Case cases[] = {
        {"12", true, 1, 0, "ab", "1ab2"},
        {"12", true, LV_LABEL_POS_LAST, 0, "ab", "12ab"},
        {"12", true, 99, 0, "ab", "12ab"},
        {"\xC3\xA9t\xC3\xA9", true, 1, 0, "-", "\xC3\xA9-t\xC3\xA9"},   // characters, not bytes
        {"abcdef", false, 1, 2, nullptr, "adef"},
        {"abcdef", false, 4, 99, nullptr, "abcd"},                      // cut to the end
        {"abcdef", false, 6, 1, nullptr, "abcdef"},                     // nothing past the end
        {"\xC3\xA9t\xC3\xA9", false, 0, 1, nullptr, "t\xC3\xA9"},
    };
    for(const Case & c : cases) {
        SCOPED_TRACE(c.result);
        lv_label_set_text(label, c.start);
        if(c.insert) lv_label_ins_text(label, c.pos, c.piece);
        else lv_label_cut_text(label, c.pos, c.cnt);
        EXPECT_STREQ(lv_label_get_text(label), c.result);
    }

    // The label's own text inserted into itself
    lv_label_set_text(label, "ab");
    lv_label_ins_text(label, 1, lv_label_get_text(label));
    EXPECT_STREQ(lv_label_get_text(label), "aabb");
    lv_label_set_text(label, lv_label_get_text(label) + 1);
    EXPECT_STREQ(lv_label_get_text(label), "abb");

    // A static text belongs to the caller: edits leave it alone, and NULL
    // does not leave the label without a text
    static const char fixed[] = "fixed";
    lv_label_set_text_static(label, fixed);
    lv_label_ins_text(label, 0, "x");
    lv_label_cut_text(label, 0, 2);
    EXPECT_STREQ(fixed, "fixed");
    lv_label_set_text_static(label, nullptr);
    EXPECT_EQ(lv_label_get_text(label), fixed);
    lv_label_set_text(label, "own");
    lv_label_set_text_static(label, nullptr);
    EXPECT_STREQ(lv_label_get_text(label), "own");
}

// Recolour commands take no room once enabled, and the size follows.
TEST_F(LabelTest, recolor_commands_take_no_room)
{
    lv_label_set_text(label, "a #ff0000 red# b");
    lv_obj_update_layout(label);
    lv_coord_t raw = lv_obj_get_width(label);
    lv_label_set_recolor(label, true);
    lv_obj_update_layout(label);
    EXPECT_EQ(lv_obj_get_width(label), text_width("a red b"));
    EXPECT_LT(lv_obj_get_width(label), raw);
    EXPECT_TRUE(lv_label_get_recolor(label));
}

// Dot mode over several lines: the dots end the last line that fits whole.
TEST_F(LabelTest, dot_mode_ends_the_last_whole_line_with_dots)
{
    lv_obj_set_style_text_color(label, lv_color_white(), 0);
    lv_obj_set_pos(label, 10, 10);
    lv_label_set_long_mode(label, LV_LABEL_LONG_DOT);
    lv_obj_set_size(label, 100, 2 * line_h + line_h / 2);
    lv_label_set_text(label, kLong);
    display.advance(20);

    uint32_t bg = display.pixel_rgb(300, 300);
    auto ink_in_rows = [&](lv_coord_t y1, lv_coord_t y2) {
        lv_coord_t last = -1;
        for(lv_coord_t y = y1; y < y2; y++) {
            for(lv_coord_t x = 0; x < 200; x++) {
                if(display.pixel_rgb(x, y) != bg) last = std::max(last, x);
            }
        }
        return last;
    };
    EXPECT_GT(ink_in_rows(10, 10 + line_h), 10);                    // first line
    EXPECT_GT(ink_in_rows(10 + line_h, 10 + 2 * line_h), 10);       // second line, with the dots
    EXPECT_LT(ink_in_rows(10, 10 + 3 * line_h), 110);               // nothing right of the label
    EXPECT_EQ(ink_in_rows(10 + 2 * line_h + 2, 10 + 3 * line_h), -1);   // the third line is left out
    EXPECT_STREQ(lv_label_get_text(label), kLong);
}

// Back and forth: the text stops at the far end, then returns; setting the
// same text again (a refreshed value) does not restart the scroll.
TEST_F(LabelTest, scroll_mode_pauses_at_the_end_and_survives_the_same_text)
{
    lv_obj_set_style_anim_speed(label, 100, 0);   // 100 px per second
    lv_label_set_long_mode(label, LV_LABEL_LONG_SCROLL);
    lv_obj_set_width(label, 100);
    lv_label_set_text(label, kLong);
    lv_label_t * l = reinterpret_cast<lv_label_t *>(label);
    lv_coord_t far_end = 100 - text_width(kLong);

    display.advance(600);
    lv_coord_t moving = l->offset.x;
    EXPECT_LT(moving, -40);
    lv_label_set_text(label, kLong);
    display.advance(5);
    EXPECT_LE(l->offset.x, moving);

    // 100 px per second over the whole distance, then a short pause there
    display.advance(static_cast<uint32_t>(-far_end) * 10 - 600);
    EXPECT_EQ(l->offset.x, far_end);
    display.advance(50);
    EXPECT_EQ(l->offset.x, far_end);
    display.advance(1000);
    EXPECT_GT(l->offset.x, far_end);
}

// The selected characters get LV_PART_SELECTED's background.
TEST_F(LabelTest, selected_characters_are_drawn_on_the_selection_background)
{
    lv_obj_set_pos(label, 10, 10);
    lv_label_set_text(label, "MMMM");
    lv_obj_set_style_bg_color(label, lv_color_hex(0x0000FF), LV_PART_SELECTED);
    lv_label_set_text_sel_start(label, 3);   // either order selects the same characters
    lv_label_set_text_sel_end(label, 1);
    display.advance(20);
    lv_point_t first, second, third;
    lv_label_get_letter_pos(label, 1, &first);
    lv_label_get_letter_pos(label, 2, &second);
    lv_label_get_letter_pos(label, 3, &third);
    lv_coord_t y = static_cast<lv_coord_t>(10 + line_h - 1);   // below the glyphs
    EXPECT_EQ(display.pixel_rgb(10 + first.x, y), 0x0000FFu);
    EXPECT_EQ(display.pixel_rgb(10 + third.x - 1, y), 0x0000FFu);
    EXPECT_NE(display.pixel_rgb(10 + third.x + 1, y), 0x0000FFu);
    EXPECT_NE(display.pixel_rgb(10 + first.x - 1, y), 0x0000FFu);
    EXPECT_EQ(lv_label_get_text_selection_start(label), 3u);
}

// A text that fits a clipping or scrolling label is aligned like any other.
TEST_F(LabelTest, a_short_text_in_a_fixed_width_keeps_its_alignment_in_every_mode)
{
    const lv_label_long_mode_t modes[] = {LV_LABEL_LONG_WRAP, LV_LABEL_LONG_DOT, LV_LABEL_LONG_SCROLL,
                                          LV_LABEL_LONG_SCROLL_CIRCULAR, LV_LABEL_LONG_CLIP};
    for(lv_label_long_mode_t mode : modes) {
        SCOPED_TRACE(testing::Message() << "mode " << int(mode));
        lv_label_set_long_mode(label, mode);
        lv_obj_set_size(label, 200, line_h);
        lv_obj_set_style_text_align(label, LV_TEXT_ALIGN_CENTER, 0);
        lv_label_set_text(label, "ok");
        lv_obj_update_layout(label);
        lv_point_t p;
        lv_label_get_letter_pos(label, 0, &p);
        EXPECT_EQ(p.x, (200 - text_width("ok")) / 2);
    }
}

}  // namespace
