// Text area and keyboard: what a window host reads to place an input-method
// window, and typed keys landing at the cursor.
#include "test_display.h"

#include "src/widgets/lv_widgets_extra2.h"

#include <string>
#include <vector>

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

class TextareaEditTest : public DisplayTest {
protected:
    lv_obj_t * ta = nullptr;
    void SetUp() override
    {
        DisplayTest::SetUp();
        ta = lv_textarea_create(lv_scr_act());
        lv_obj_set_pos(ta, 20, 20);
        lv_group_focus_obj(ta);
    }
    // Where the cursor bar is on the screen.
    lv_area_t cursor_on_screen()
    {
        lv_area_t a = reinterpret_cast<lv_textarea_t *>(ta)->cursor.area;
        lv_obj_t * label = lv_textarea_get_label(ta);
        lv_area_move(&a, label->coords.x1, label->coords.y1);
        return a;
    }
};

// The accepted characters and the length limit hold for typed keys, for
// added texts and for a text set by the program; one line takes no breaks.
TEST_F(TextareaEditTest, filters_hold_for_every_way_text_comes_in)
{
    struct Case {
        const char * accepted;
        uint32_t max_len;
        bool one_line;
        const char * typed;       // each letter a key
        const char * added;       // lv_textarea_add_text
        const char * set;         // lv_textarea_set_text, before the rest
        const char * result;
    };
    const Case cases[] = {
        {"0123456789", 0, false, "4a2", "-7", "1x", "1427"},
        {nullptr, 4, false, "abc", "def", "", "abcd"},
        {nullptr, 3, false, "", "", "toolong", "too"},
        {nullptr, 0, true, "a\nb", "c\nd", "e\nf", "efabcd"},
        {"\xC3\xA9" "e", 3, false, "\xC3\xA9x", "ee\xC3\xA9", "", "\xC3\xA9" "ee"},
    };
    for(const Case & c : cases) {
        SCOPED_TRACE(c.result);
        lv_textarea_set_one_line(ta, c.one_line);
        lv_textarea_set_accepted_chars(ta, c.accepted);
        lv_textarea_set_max_length(ta, c.max_len);
        lv_textarea_set_text(ta, c.set);
        for(uint32_t i = 0; c.typed[i] != '\0';) {
            uint32_t from = i;
            _lv_txt_encoded_next(c.typed, &i);
            uint32_t packed = 0;
            for(uint32_t b = from; b < i; b++) packed |= uint32_t(uint8_t(c.typed[b])) << (8 * (b - from));
            if(packed == '\n') packed = LV_KEY_ENTER;
            display.type_key(packed);
        }
        lv_textarea_add_text(ta, c.added);
        EXPECT_STREQ(lv_textarea_get_text(ta), c.result);
        EXPECT_EQ(lv_textarea_get_cursor_pos(ta), _lv_txt_get_encoded_length(c.result));
    }
}

// LV_EVENT_INSERT shows what is about to go in; emptying it refuses the edit.
TEST_F(TextareaEditTest, an_insert_handler_can_refuse_or_shorten_an_edit)
{
    struct Seen {
        std::vector<std::string> texts;
        int changes = 0;
        const char * refuse = nullptr;   // text to refuse
    } seen;
    lv_obj_add_event_cb(ta, [](lv_event_t * e) {
        auto * s = static_cast<Seen *>(lv_event_get_user_data(e));
        char * txt = static_cast<char *>(lv_event_get_param(e));
        s->texts.push_back(txt);
        if(s->refuse && std::string(txt) == s->refuse) txt[0] = '\0';
        else if(std::string(txt) == "long") txt[2] = '\0';
    }, LV_EVENT_INSERT, &seen);
    lv_obj_add_event_cb(ta, [](lv_event_t * e) { static_cast<Seen *>(lv_event_get_user_data(e))->changes++; },
                        LV_EVENT_VALUE_CHANGED, &seen);

    lv_textarea_add_text(ta, "ab");
    lv_textarea_add_text(ta, "long");
    EXPECT_STREQ(lv_textarea_get_text(ta), "ablo");
    seen.refuse = "x";
    display.type_key('x');
    seen.refuse = "\x7f";
    display.type_key(LV_KEY_BACKSPACE);
    EXPECT_STREQ(lv_textarea_get_text(ta), "ablo");
    seen.refuse = nullptr;
    display.type_key(LV_KEY_HOME);
    display.type_key(LV_KEY_DEL);
    EXPECT_STREQ(lv_textarea_get_text(ta), "blo");
    EXPECT_EQ(seen.texts, (std::vector<std::string>{"ab", "long", "x", "\x7f", "\x7f"}));
    EXPECT_EQ(seen.changes, 3);
}

TEST_F(TextareaEditTest, cursor_positions_are_clamped_and_count_back_from_the_end)
{
    lv_textarea_set_text(ta, "abcd");
    struct Case {
        int32_t set;
        uint32_t pos;
    };
    const Case cases[] = {{2, 2}, {99, 4}, {LV_TEXTAREA_CURSOR_LAST, 4}, {-1, 4}, {-2, 3}, {-99, 0}, {0, 0}};
    for(const Case & c : cases) {
        SCOPED_TRACE(c.set);
        lv_textarea_set_cursor_pos(ta, c.set);
        EXPECT_EQ(lv_textarea_get_cursor_pos(ta), c.pos);
    }
    display.type_key(LV_KEY_LEFT);    // already at the start
    EXPECT_EQ(lv_textarea_get_cursor_pos(ta), 0u);
    display.type_key(LV_KEY_END);
    display.type_key(LV_KEY_RIGHT);   // already at the end
    EXPECT_EQ(lv_textarea_get_cursor_pos(ta), 4u);
}

// One line: ENTER finishes instead of breaking the line, and a text longer
// than the field scrolls so the cursor (and the input method placed at it)
// stays inside the field.
TEST_F(TextareaEditTest, one_line_keeps_the_cursor_inside_the_field)
{
    lv_obj_set_size(ta, 120, LV_SIZE_CONTENT);
    lv_textarea_set_one_line(ta, true);
    int ready = 0;
    lv_obj_add_event_cb(ta, [](lv_event_t * e) { (*static_cast<int *>(lv_event_get_user_data(e)))++; },
                        LV_EVENT_READY, &ready);
    for(const char * c = "a rather long line of text that does not fit"; *c; c++) display.type_key(uint32_t(*c));
    display.type_key(LV_KEY_ENTER);
    EXPECT_EQ(ready, 1);
    EXPECT_EQ(std::string(lv_textarea_get_text(ta)).find('\n'), std::string::npos);

    lv_area_t box;
    lv_obj_get_content_coords(ta, &box);
    struct Step {
        uint32_t key;
    };
    const Step steps[] = {{0}, {LV_KEY_HOME}, {LV_KEY_END}};
    for(const Step & s : steps) {
        SCOPED_TRACE(s.key);
        if(s.key) display.type_key(s.key);
        // The bar may overhang the text by its own width at either end
        lv_area_t cur = cursor_on_screen();
        lv_coord_t bar_w = lv_area_get_width(&cur);
        EXPECT_GE(cur.x1, box.x1 - bar_w);
        EXPECT_LE(cur.x2, box.x2 + bar_w);
    }
}

// A tap puts the cursor at the tapped letter; UP and DOWN keep the column.
TEST_F(TextareaEditTest, taps_and_arrows_move_the_cursor_between_letters_and_lines)
{
    lv_textarea_set_text(ta, "abcdef\nabcdef\nab");
    lv_obj_t * label = lv_textarea_get_label(ta);
    lv_obj_update_layout(ta);
    lv_point_t p;
    lv_label_get_letter_pos(label, 3, &p);   // 'd' on the first line
    display.click(static_cast<lv_coord_t>(label->coords.x1 + p.x + 1), static_cast<lv_coord_t>(label->coords.y1 + 2));
    EXPECT_EQ(lv_textarea_get_cursor_pos(ta), 3u);

    struct Case {
        uint32_t key;
        uint32_t pos;
    };
    const Case cases[] = {
        {LV_KEY_DOWN, 10},   // same column, second line
        {LV_KEY_DOWN, 16},   // the third line is shorter: its end
        {LV_KEY_DOWN, 16},   // no line below
        {LV_KEY_UP, 10},     // the column is remembered
        {LV_KEY_UP, 3},
        {LV_KEY_UP, 3},      // no line above
    };
    for(const Case & c : cases) {
        SCOPED_TRACE(c.pos);
        display.type_key(c.key);
        EXPECT_EQ(lv_textarea_get_cursor_pos(ta), c.pos);
    }
}

// The focused cursor blinks with LV_PART_CURSOR's anim_time and shows again
// as soon as something is typed.
TEST_F(TextareaEditTest, the_cursor_blinks_and_shows_after_typing)
{
    lv_obj_set_style_border_color(ta, lv_color_hex(0xFF0000), LV_PART_CURSOR | LV_STATE_FOCUSED);
    lv_obj_set_style_border_width(ta, 2, LV_PART_CURSOR | LV_STATE_FOCUSED);
    lv_obj_set_style_anim_time(ta, 300, LV_PART_CURSOR | LV_STATE_FOCUSED);
    lv_textarea_set_text(ta, "ab");
    display.advance(20);
    auto bar_shows = [&]() {
        lv_area_t cur = cursor_on_screen();
        return display.pixel_rgb(cur.x1, static_cast<lv_coord_t>((cur.y1 + cur.y2) / 2)) == 0xFF0000u;
    };
    EXPECT_TRUE(bar_shows());
    display.advance(320);
    EXPECT_FALSE(bar_shows());
    display.type_key('c');
    display.advance(5);
    EXPECT_TRUE(bar_shows());
    display.advance(640);
    EXPECT_TRUE(bar_shows());   // a whole period on, visible again

    lv_group_focus_obj(nullptr);
    lv_obj_clear_state(ta, LV_STATE_FOCUSED);
    display.advance(20);
    EXPECT_FALSE(bar_shows());
}

// A keyboard takes only text areas, shows the bound one's cursor and lets
// go of the previous one.
TEST_F(TextareaEditTest, a_keyboard_binds_one_text_area_at_a_time)
{
    lv_obj_t * other = lv_textarea_create(lv_scr_act());
    lv_obj_t * kb = lv_keyboard_create(lv_scr_act());
    lv_obj_t * not_a_text_area = lv_label_create(lv_scr_act());

    lv_keyboard_set_textarea(kb, not_a_text_area);
    EXPECT_EQ(lv_keyboard_get_textarea(kb), nullptr);
    lv_keyboard_set_textarea(kb, other);
    EXPECT_TRUE(lv_obj_has_state(other, LV_STATE_FOCUSED));
    lv_keyboard_set_textarea(kb, ta);
    EXPECT_FALSE(lv_obj_has_state(other, LV_STATE_FOCUSED));
    EXPECT_EQ(lv_keyboard_get_textarea(kb), ta);

    lv_keyboard_set_mode(kb, LV_KEYBOARD_MODE_NUMBER);
    EXPECT_EQ(lv_keyboard_get_mode(kb), LV_KEYBOARD_MODE_NUMBER);

    // The text area outlives a deleted keyboard and can still be deleted itself
    lv_obj_del(kb);
    lv_obj_del(ta);
    display.advance(20);
}

}  // namespace
