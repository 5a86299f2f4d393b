// Tab view: switching by a tab button (pointer and keys) and by swiping the
// content, and the tab buttons' place in the input group.
#include "test_display.h"

#include "src/widgets/lv_widgets_extra2.h"

#include <vector>

namespace {

struct TabLog {
    std::vector<uint16_t> tabs;  // active tab seen by each value-changed handler call

    static void cb(lv_event_t * e)
    {
        auto * self = static_cast<TabLog *>(lv_event_get_user_data(e));
        self->tabs.push_back(lv_tabview_get_tab_act(lv_event_get_target(e)));
    }
    void attach(lv_obj_t * tv) { lv_obj_add_event_cb(tv, cb, LV_EVENT_VALUE_CHANGED, this); }
};

class TabviewTest : public DisplayTest {
protected:
    void SetUp() override
    {
        DisplayTest::SetUp();
        tv = lv_tabview_create(lv_scr_act(), LV_DIR_TOP, 60);
        lv_obj_set_size(tv, 400, 260);
        lv_obj_set_pos(tv, 40, 30);
        lv_obj_t * t1 = lv_tabview_add_tab(tv, "16:9");
        lv_obj_t * t2 = lv_tabview_add_tab(tv, "4:3");
        lv_obj_t * t3 = lv_tabview_add_tab(tv, "Other");
        lv_label_set_text(lv_label_create(t1), "first");
        lv_label_set_text(lv_label_create(t2), "second");
        lv_label_set_text(lv_label_create(t3), "third");
        lv_obj_update_layout(tv);
        log.attach(tv);
    }

    lv_obj_t * btn(uint32_t i) { return lv_obj_get_child(lv_tabview_get_tab_btns(tv), (int32_t)i); }
    lv_obj_t * cont() { return lv_tabview_get_content(tv); }
    lv_coord_t page_step() { return lv_obj_get_content_width(cont()) + lv_obj_get_style_pad_column(cont(), 0); }
    void expect_showing(uint16_t tab)
    {
        EXPECT_EQ(lv_tabview_get_tab_act(tv), tab);
        EXPECT_EQ(lv_obj_get_scroll_x(cont()), tab * page_step());
        for(uint32_t i = 0; i < 3; i++) EXPECT_EQ(lv_obj_has_state(btn(i), LV_STATE_CHECKED), i == tab) << i;
    }

    lv_obj_t * tv = nullptr;
    TabLog log;
};

TEST_F(TabviewTest, the_first_tab_shows_and_the_parts_sit_where_asked)
{
    expect_showing(0);
    EXPECT_EQ(lv_obj_get_height(lv_tabview_get_tab_btns(tv)), 60);
    EXPECT_EQ(lv_tabview_get_tab_btns(tv)->coords.y1, tv->coords.y1);
    EXPECT_EQ(cont()->coords.y1, lv_tabview_get_tab_btns(tv)->coords.y2 + 1 + lv_obj_get_style_pad_row(tv, 0));
}

TEST_F(TabviewTest, clicking_a_tab_button_shows_its_page)
{
    struct Step {
        uint32_t click;
        uint16_t shows;
        std::vector<uint16_t> events;
    };
    const Step steps[] = {{1, 1, {1}}, {1, 1, {}}, {2, 2, {2}}, {0, 0, {0}}};
    for(const Step & s : steps) {
        SCOPED_TRACE(s.click);
        log.tabs.clear();
        lv_obj_t * b = btn(s.click);
        display.click((b->coords.x1 + b->coords.x2) / 2, (b->coords.y1 + b->coords.y2) / 2);
        display.advance(100);
        expect_showing(s.shows);
        EXPECT_EQ(log.tabs, s.events);
    }
}

TEST_F(TabviewTest, swiping_the_content_moves_one_page_at_most_and_snaps)
{
    struct Case {
        uint16_t from;
        lv_coord_t dx;   // finger movement, negative = towards the left
        uint16_t shows;
    };
    const Case cases[] = {
        {0, -250, 1},   // past half a page: the next tab
        {1, -60, 1},    // a short swipe snaps back
        {1, 250, 0},    // to the right: the previous tab
        {0, 250, 0},    // nothing before the first tab
        {1, -390, 2},
    };
    lv_coord_t y = (cont()->coords.y1 + cont()->coords.y2) / 2;
    for(const Case & c : cases) {
        SCOPED_TRACE(c.dx);
        lv_tabview_set_act(tv, c.from, LV_ANIM_OFF);
        display.advance(50);
        log.tabs.clear();
        lv_coord_t x = c.dx < 0 ? 420 : 60;
        display.press(x, y);
        for(int i = 1; i <= 10; i++) display.move((lv_coord_t)(x + c.dx * i / 10), y);
        display.release();
        display.advance(1000);
        expect_showing(c.shows);
        std::vector<uint16_t> want;
        if(c.shows != c.from) want.push_back(c.shows);
        EXPECT_EQ(log.tabs, want);
    }
}

TEST_F(TabviewTest, tab_buttons_are_in_the_group_and_enter_opens_the_focused_tab)
{
    lv_group_t * g = lv_group_get_default();
    lv_group_focus_obj(btn(0));
    ASSERT_EQ(lv_group_get_focused(g), btn(0));
    lv_group_focus_next(g);
    EXPECT_EQ(lv_group_get_focused(g), btn(1));
    display.type_key(LV_KEY_ENTER);
    display.advance(50);
    expect_showing(1);
    EXPECT_EQ(log.tabs, std::vector<uint16_t>{1});
}

TEST_F(TabviewTest, set_act_limits_the_index_and_sends_nothing)
{
    lv_tabview_set_act(tv, 7, LV_ANIM_OFF);
    expect_showing(2);
    lv_tabview_rename_tab(tv, 2, "Wide");
    EXPECT_STREQ(lv_label_get_text(lv_obj_get_child(btn(2), 0)), "Wide");
    EXPECT_TRUE(log.tabs.empty());
}

TEST_F(TabviewTest, a_new_size_keeps_the_active_page_in_place)
{
    lv_tabview_set_act(tv, 2, LV_ANIM_OFF);
    const lv_coord_t widths[] = {300, 460, 400};
    for(lv_coord_t w : widths) {
        SCOPED_TRACE(w);
        lv_obj_set_width(tv, w);
        lv_obj_update_layout(tv);
        expect_showing(2);
    }
    EXPECT_TRUE(log.tabs.empty());
}

// Tab bars on every side: where the bar goes, how thick it is, and which way the pages scroll.
TEST(TabviewSides, the_button_bar_sits_on_the_asked_side_and_the_pages_scroll_across_it)
{
    struct Case {
        lv_dir_t side;
        bool vertical_pages;
    };
    const Case cases[] = {{LV_DIR_TOP, false}, {LV_DIR_BOTTOM, false}, {LV_DIR_LEFT, true}, {LV_DIR_RIGHT, true}};
    for(const Case & c : cases) {
        SCOPED_TRACE(c.side);
        TestDisplay display;
        display.start(480, 320);
        lv_obj_t * tv = lv_tabview_create(lv_scr_act(), c.side, 50);
        lv_obj_set_size(tv, 400, 260);
        for(const char * name : {"A", "B", "C"}) lv_tabview_add_tab(tv, name);
        lv_obj_update_layout(tv);

        lv_obj_t * bar = lv_tabview_get_tab_btns(tv);
        lv_obj_t * pages = lv_tabview_get_content(tv);
        ASSERT_NE(bar, pages);
        EXPECT_EQ(lv_obj_get_child_cnt(bar), 3u);
        EXPECT_EQ(lv_obj_get_child_cnt(pages), 3u);
        switch(c.side) {
            case LV_DIR_TOP:
                EXPECT_EQ(lv_obj_get_height(bar), 50);
                EXPECT_LT(bar->coords.y2, pages->coords.y1);
                break;
            case LV_DIR_BOTTOM:
                EXPECT_EQ(lv_obj_get_height(bar), 50);
                EXPECT_GT(bar->coords.y1, pages->coords.y2);
                break;
            case LV_DIR_LEFT:
                EXPECT_EQ(lv_obj_get_width(bar), 50);
                EXPECT_LT(bar->coords.x2, pages->coords.x1);
                break;
            default:
                EXPECT_EQ(lv_obj_get_width(bar), 50);
                EXPECT_GT(bar->coords.x1, pages->coords.x2);
                break;
        }

        lv_tabview_set_act(tv, 1, LV_ANIM_OFF);
        lv_coord_t step = c.vertical_pages ? lv_obj_get_content_height(pages) + lv_obj_get_style_pad_row(pages, 0)
                                           : lv_obj_get_content_width(pages) + lv_obj_get_style_pad_column(pages, 0);
        EXPECT_EQ(lv_obj_get_scroll_x(pages), c.vertical_pages ? 0 : step);
        EXPECT_EQ(lv_obj_get_scroll_y(pages), c.vertical_pages ? step : 0);
        EXPECT_TRUE(lv_obj_has_state(lv_obj_get_child(bar, 1), LV_STATE_CHECKED));
        display.stop();
    }
}

}  // namespace
