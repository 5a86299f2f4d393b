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

}  // namespace
