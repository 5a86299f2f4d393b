// Drop-down: opening on the top layer, choosing with the pointer and with
// keys, option bookkeeping, and the list's lifetime.
#include "test_display.h"

#include "src/widgets/lv_widgets_extra2.h"

#include <string>
#include <vector>

namespace {

struct ChoiceLog {
    std::vector<uint32_t> values;   // selected index seen by each value-changed handler call

    static void cb(lv_event_t * e)
    {
        auto * self = static_cast<ChoiceLog *>(lv_event_get_user_data(e));
        self->values.push_back(lv_dropdown_get_selected(lv_event_get_target(e)));
    }
    void attach(lv_obj_t * dd) { lv_obj_add_event_cb(dd, cb, LV_EVENT_VALUE_CHANGED, this); }
};

class DropdownTest : public DisplayTest {
protected:
    lv_obj_t * make(lv_coord_t y = 40)
    {
        lv_obj_t * dd = lv_dropdown_create(lv_scr_act());
        lv_obj_set_pos(dd, 40, y);
        lv_obj_set_width(dd, 150);
        lv_dropdown_set_options(dd, "Manual\nAuto\nCustom");
        lv_obj_update_layout(dd);
        return dd;
    }

    // Screen y of the middle of option `id` in the open list.
    static lv_coord_t option_y(lv_obj_t * dd, uint16_t id)
    {
        lv_obj_t * label = lv_obj_get_child(lv_dropdown_get_list(dd), 0);
        const lv_font_t * font = lv_obj_get_style_text_font(label, LV_PART_MAIN);
        lv_coord_t unit = lv_font_get_line_height(font) + lv_obj_get_style_text_line_space(label, LV_PART_MAIN);
        return label->coords.y1 + id * unit + lv_font_get_line_height(font) / 2;
    }

    static lv_coord_t center_x(lv_obj_t * obj) { return (obj->coords.x1 + obj->coords.x2) / 2; }
    static lv_coord_t center_y(lv_obj_t * obj) { return (obj->coords.y1 + obj->coords.y2) / 2; }
};

TEST_F(DropdownTest, a_click_opens_the_list_on_the_top_layer_below_the_dropdown)
{
    lv_obj_t * dd = make();
    lv_obj_t * list = lv_dropdown_get_list(dd);
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(lv_obj_check_type(list, &lv_dropdownlist_class));
    EXPECT_EQ(lv_obj_get_parent(list), lv_layer_top());
    EXPECT_FALSE(lv_dropdown_is_open(dd));

    display.click(center_x(dd), center_y(dd));

    EXPECT_TRUE(lv_dropdown_is_open(dd));
    EXPECT_TRUE(lv_obj_has_state(dd, LV_STATE_CHECKED));
    EXPECT_FALSE(lv_obj_has_flag(list, LV_OBJ_FLAG_HIDDEN));
    EXPECT_EQ(list->coords.y1, dd->coords.y2 + 1);
    EXPECT_EQ(list->coords.x1, dd->coords.x1);
    EXPECT_EQ(lv_obj_get_width(list), lv_obj_get_width(dd));
}

TEST_F(DropdownTest, choosing_an_option_closes_the_list_and_reports_it_once)
{
    struct Case {
        uint16_t chosen;
        std::string text;
    };
    const Case cases[] = {{1, "Auto"}, {2, "Custom"}, {0, "Manual"}};

    lv_obj_t * dd = make();
    ChoiceLog log;
    log.attach(dd);

    for(const Case & c : cases) {
        SCOPED_TRACE(c.text);
        log.values.clear();
        display.click(center_x(dd), center_y(dd));
        ASSERT_TRUE(lv_dropdown_is_open(dd));
        display.click(center_x(lv_dropdown_get_list(dd)), option_y(dd, c.chosen));

        EXPECT_FALSE(lv_dropdown_is_open(dd));
        EXPECT_FALSE(lv_obj_has_state(dd, LV_STATE_CHECKED));
        EXPECT_EQ(log.values, std::vector<uint32_t>{c.chosen});
        char buf[32];
        lv_dropdown_get_selected_str(dd, buf, sizeof(buf));
        EXPECT_EQ(std::string(buf), c.text);
    }
}

TEST_F(DropdownTest, clicking_the_open_dropdown_closes_it_without_a_change)
{
    lv_obj_t * dd = make();
    lv_dropdown_set_selected(dd, 2);
    ChoiceLog log;
    log.attach(dd);

    display.click(center_x(dd), center_y(dd));
    ASSERT_TRUE(lv_dropdown_is_open(dd));
    display.click(center_x(dd), center_y(dd));

    EXPECT_FALSE(lv_dropdown_is_open(dd));
    EXPECT_TRUE(log.values.empty());
    EXPECT_EQ(lv_dropdown_get_selected(dd), 2);
}

TEST_F(DropdownTest, near_the_bottom_edge_the_list_opens_upwards)
{
    lv_obj_t * dd = make(lv_disp_get_ver_res(nullptr) - 50);
    display.click(center_x(dd), center_y(dd));
    lv_obj_t * list = lv_dropdown_get_list(dd);
    ASSERT_TRUE(lv_dropdown_is_open(dd));
    EXPECT_EQ(list->coords.y2, dd->coords.y1 - 1);
}

TEST_F(DropdownTest, keys_open_move_and_escape_restores_the_selection)
{
    lv_obj_t * dd = make();
    lv_group_focus_obj(dd);
    ChoiceLog log;
    log.attach(dd);

    display.type_key(LV_KEY_DOWN);
    EXPECT_TRUE(lv_dropdown_is_open(dd));
    display.type_key(LV_KEY_DOWN);
    display.type_key(LV_KEY_DOWN);
    display.type_key(LV_KEY_DOWN);  // already on the last option
    EXPECT_EQ(lv_dropdown_get_selected(dd), 2);

    display.type_key(LV_KEY_ESC);
    EXPECT_FALSE(lv_dropdown_is_open(dd));
    EXPECT_EQ(lv_dropdown_get_selected(dd), 0);

    display.type_key(LV_KEY_DOWN);
    display.type_key(LV_KEY_DOWN);
    display.type_key(LV_KEY_ENTER);
    EXPECT_FALSE(lv_dropdown_is_open(dd));
    EXPECT_EQ(lv_dropdown_get_selected(dd), 1);
    EXPECT_EQ(log.values, std::vector<uint32_t>{1});
}

TEST_F(DropdownTest, option_bookkeeping)
{
    lv_obj_t * dd = make();
    struct Case {
        const char * options;
        uint16_t select;
        uint16_t count;
        uint16_t selected;
        const char * text;
    };
    const Case cases[] = {
        {"A\nB\nC", 1, 3, 1, "B"},
        {"A\nB\nC", 7, 3, 2, "C"},       // past the end: the last option
        {"Only", 0, 1, 0, "Only"},
        {"x\n\ny", 1, 3, 1, ""},         // an empty option is an option
        {"\xE6\x89\x8B\xE5\x8A\xA8\nAuto", 0, 2, 0, "\xE6\x89\x8B\xE5\x8A\xA8"},
    };
    for(const Case & c : cases) {
        SCOPED_TRACE(c.options);
        lv_dropdown_set_options(dd, c.options);
        lv_dropdown_set_selected(dd, c.select);
        EXPECT_EQ(lv_dropdown_get_option_cnt(dd), c.count);
        EXPECT_EQ(lv_dropdown_get_selected(dd), c.selected);
        char buf[32];
        lv_dropdown_get_selected_str(dd, buf, sizeof(buf));
        EXPECT_STREQ(buf, c.text);
    }

    // A short buffer gets a cut, terminated text.
    lv_dropdown_set_options_static(dd, "Performance\nSilent");
    char small[5];
    lv_dropdown_get_selected_str(dd, small, sizeof(small));
    EXPECT_STREQ(small, "Perf");

    lv_dropdown_add_option(dd, "Balanced", 1);
    lv_dropdown_add_option(dd, "Turbo", LV_DROPDOWN_POS_LAST);
    EXPECT_STREQ(lv_dropdown_get_options(dd), "Performance\nBalanced\nSilent\nTurbo");
    EXPECT_EQ(lv_dropdown_get_option_index(dd, "Silent"), 2);
    EXPECT_EQ(lv_dropdown_get_option_index(dd, "Sil"), -1);
}

TEST_F(DropdownTest, deleting_the_dropdown_deletes_its_list)
{
    lv_obj_t * dd = make();
    display.click(center_x(dd), center_y(dd));
    ASSERT_EQ(lv_obj_get_child_cnt(lv_layer_top()), 1u);

    lv_obj_del(dd);
    EXPECT_EQ(lv_obj_get_child_cnt(lv_layer_top()), 0u);
    display.advance(50);  // a refresh after the deletion must not touch the list
}

// Where the list opens for each direction: the list's edge next to the
// drop-down's, and the edges that line up.
TEST_F(DropdownTest, the_list_opens_on_the_side_it_is_told)
{
    struct Case {
        lv_dir_t dir;
        lv_coord_t y;
    };
    const Case cases[] = {{LV_DIR_BOTTOM, 40}, {LV_DIR_TOP, 200}, {LV_DIR_LEFT, 100}, {LV_DIR_RIGHT, 100}};
    for(const Case & c : cases) {
        SCOPED_TRACE(testing::Message() << "dir " << int(c.dir));
        lv_obj_t * dd = make(c.y);
        lv_obj_set_x(dd, 170);
        lv_dropdown_set_dir(dd, c.dir);
        lv_obj_update_layout(dd);
        lv_dropdown_open(dd);
        const lv_area_t & l = lv_dropdown_get_list(dd)->coords;
        const lv_area_t & d = dd->coords;
        bool vertical = c.dir == LV_DIR_BOTTOM || c.dir == LV_DIR_TOP;
        if(c.dir == LV_DIR_BOTTOM) EXPECT_EQ(l.y1, d.y2 + 1);
        if(c.dir == LV_DIR_TOP) EXPECT_EQ(l.y2, d.y1 - 1);
        if(c.dir == LV_DIR_LEFT) EXPECT_EQ(l.x2, d.x1 - 1);
        if(c.dir == LV_DIR_RIGHT) EXPECT_EQ(l.x1, d.x2 + 1);
        EXPECT_EQ(vertical ? l.x1 : l.y1, vertical ? d.x1 : d.y1);
        lv_obj_del(dd);
    }
}

// Many options: the list is no taller than the room below the drop-down and
// is scrolled so the selected option shows.
TEST_F(DropdownTest, a_long_list_fits_the_display_and_shows_the_selected_option)
{
    std::string opts;
    for(int i = 0; i < 40; i++) opts += (i ? "\n" : "") + std::string("Option ") + std::to_string(i);
    lv_obj_t * dd = make(40);
    lv_dropdown_set_options(dd, opts.c_str());
    lv_dropdown_set_selected(dd, 30);
    display.click(center_x(dd), center_y(dd));
    lv_obj_t * list = lv_dropdown_get_list(dd);
    ASSERT_TRUE(lv_dropdown_is_open(dd));
    EXPECT_LE(list->coords.y2, lv_disp_get_ver_res(nullptr) - 1);
    lv_coord_t y = option_y(dd, 30);
    EXPECT_GT(y, list->coords.y1);
    EXPECT_LT(y, list->coords.y2);

    // A tap on a visible option chooses it
    ChoiceLog log;
    log.attach(dd);
    display.click(center_x(list), option_y(dd, 31));
    EXPECT_EQ(log.values, std::vector<uint32_t>{31});
}

// The open list paints the chosen option's band in LV_PART_SELECTED's
// checked style, unless highlighting is off.
TEST_F(DropdownTest, the_chosen_option_is_highlighted_in_the_open_list)
{
    lv_obj_t * dd = make();
    lv_dropdown_set_selected(dd, 1);
    lv_obj_t * list = lv_dropdown_get_list(dd);
    lv_obj_set_style_bg_color(list, lv_color_hex(0x00FF00), LV_PART_SELECTED | LV_STATE_CHECKED);
    lv_obj_set_style_bg_opa(list, LV_OPA_COVER, LV_PART_SELECTED | LV_STATE_CHECKED);
    lv_dropdown_open(dd);
    display.advance(20);

    const bool highlight[] = {true, false};
    for(bool on : highlight) {
        SCOPED_TRACE(on);
        lv_dropdown_set_selected_highlight(dd, on);
        display.advance(20);
        lv_coord_t x = static_cast<lv_coord_t>(list->coords.x2 - 4);   // right of the text
        EXPECT_EQ(display.pixel_rgb(x, option_y(dd, 1)) == 0x00FF00u, on);
        EXPECT_NE(display.pixel_rgb(x, option_y(dd, 0)), 0x00FF00u);
        EXPECT_EQ(lv_dropdown_get_selected_highlight(dd), on);
    }
}

// The list on the top layer may be deleted behind the drop-down's back
// (cleaning the top layer); the drop-down still opens.
TEST_F(DropdownTest, a_deleted_list_is_made_again_when_opening)
{
    lv_obj_t * dd = make();
    lv_obj_clean(lv_layer_top());
    display.click(center_x(dd), center_y(dd));
    ASSERT_TRUE(lv_dropdown_is_open(dd));
    EXPECT_EQ(lv_obj_get_parent(lv_dropdown_get_list(dd)), lv_layer_top());
    display.click(center_x(lv_dropdown_get_list(dd)), option_y(dd, 2));
    EXPECT_EQ(lv_dropdown_get_selected(dd), 2);
}

// A handler that deletes the drop-down when its list closes must not leave
// the drop-down touching freed memory (the sanitizer run catches that).
TEST_F(DropdownTest, a_handler_may_delete_the_dropdown_when_the_list_closes)
{
    const uint32_t keys[] = {LV_KEY_ESC, LV_KEY_ENTER};
    for(uint32_t key : keys) {
        SCOPED_TRACE(key);
        lv_obj_t * dd = make();
        lv_group_focus_obj(dd);
        lv_obj_add_event_cb(dd, [](lv_event_t * e) { lv_obj_del(lv_event_get_target(e)); }, LV_EVENT_CANCEL, nullptr);
        display.type_key(LV_KEY_DOWN);
        display.type_key(LV_KEY_DOWN);
        display.type_key(key);
        EXPECT_EQ(lv_obj_get_child_cnt(lv_layer_top()), 0u);
        display.advance(20);
    }
}

TEST_F(DropdownTest, option_edits_keep_the_selection_and_texts_whole)
{
    lv_obj_t * dd = make();
    lv_dropdown_set_selected(dd, 2);
    lv_dropdown_add_option(dd, "Eco", 0);
    EXPECT_EQ(lv_dropdown_get_selected(dd), 2);
    EXPECT_STREQ(lv_dropdown_get_options(dd), "Eco\nManual\nAuto\nCustom");
    EXPECT_STREQ(lv_label_get_text(lv_obj_get_child(lv_dropdown_get_list(dd), 0)), "Eco\nManual\nAuto\nCustom");

    lv_dropdown_clear_options(dd);
    EXPECT_EQ(lv_dropdown_get_option_cnt(dd), 0);
    char buf[8] = "x";
    lv_dropdown_get_selected_str(dd, buf, sizeof(buf));
    EXPECT_STREQ(buf, "");
    lv_dropdown_add_option(dd, "First", LV_DROPDOWN_POS_LAST);
    EXPECT_STREQ(lv_dropdown_get_options(dd), "First");
    EXPECT_EQ(lv_dropdown_get_option_cnt(dd), 1);

    // A buffer too short for the option cuts between characters, never inside one
    struct Case {
        uint32_t size;
        const char * text;
    };
    const Case cases[] = {{1, ""}, {3, ""}, {4, "\xE6\x89\x8B"}, {7, "\xE6\x89\x8B\xE5\x8A\xA8"}, {0, "\xE6\x89\x8B\xE5\x8A\xA8"}};
    lv_dropdown_set_options(dd, "\xE6\x89\x8B\xE5\x8A\xA8\nAuto");
    for(const Case & c : cases) {
        SCOPED_TRACE(c.size);
        char out[16];
        lv_dropdown_get_selected_str(dd, out, c.size);
        EXPECT_STREQ(out, c.text);
    }

    // A fixed text shows instead of the option
    lv_dropdown_set_text(dd, "Mode");
    EXPECT_STREQ(lv_dropdown_get_text(dd), "Mode");
}

}  // namespace
