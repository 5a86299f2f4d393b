// Pointer and keypad input: the event sequences an object receives.
#include "test_display.h"

#include <algorithm>
#include <string>

namespace {

using Codes = std::vector<lv_event_code_t>;

lv_obj_t * make_button(lv_coord_t x, lv_coord_t y)
{
    lv_obj_t * btn = lv_btn_create(lv_scr_act());
    lv_obj_set_pos(btn, x, y);
    lv_obj_set_size(btn, 100, 50);
    return btn;
}

class InputTest : public DisplayTest {};

// Press, move and release, in and out of a button: which events it gets.
TEST_F(InputTest, pointer_event_sequences_click_only_when_released_on_the_object)
{
    struct Case {
        const char * name;
        std::vector<lv_point_t> path;   // press at path[0], move along, release at the end
        Codes expected;
    };
    const Case cases[] = {
        {"press and release inside", {{50, 40}},
         {LV_EVENT_PRESSED, LV_EVENT_PRESSING, LV_EVENT_RELEASED, LV_EVENT_SHORT_CLICKED, LV_EVENT_CLICKED,
          LV_EVENT_FOCUSED}},
        {"slide out and release outside", {{50, 40}, {300, 250}},
         {LV_EVENT_PRESSED, LV_EVENT_PRESSING, LV_EVENT_PRESSING, LV_EVENT_PRESS_LOST, LV_EVENT_RELEASED}},
        {"slide out and back in", {{50, 40}, {300, 250}, {60, 45}},
         {LV_EVENT_PRESSED, LV_EVENT_PRESSING, LV_EVENT_PRESSING, LV_EVENT_PRESS_LOST, LV_EVENT_PRESSING,
          LV_EVENT_RELEASED, LV_EVENT_SHORT_CLICKED, LV_EVENT_CLICKED, LV_EVENT_FOCUSED}},
        {"press on another button, release on this one", {{300, 250}, {50, 40}}, {}},
    };
    for(const Case & c : cases) {
        SCOPED_TRACE(c.name);
        lv_obj_t * btn = make_button(20, 20);
        lv_obj_t * other = make_button(260, 230);
        EventLog log;
        log.attach(btn);
        display.press(c.path[0].x, c.path[0].y);
        for(size_t i = 1; i < c.path.size(); i++) display.move(c.path[i].x, c.path[i].y);
        display.release();
        Codes got = log.input_codes();
        // PRESSING repeats once per read: compare with repeats folded
        Codes folded;
        for(lv_event_code_t code : got) {
            if(code == LV_EVENT_PRESSING && !folded.empty() && folded.back() == LV_EVENT_PRESSING) continue;
            folded.push_back(code);
        }
        Codes expected_folded;
        for(lv_event_code_t code : c.expected) {
            if(code == LV_EVENT_PRESSING && !expected_folded.empty() && expected_folded.back() == LV_EVENT_PRESSING)
                continue;
            expected_folded.push_back(code);
        }
        EXPECT_EQ(folded, expected_folded);
        EXPECT_FALSE(lv_obj_has_state(btn, LV_STATE_PRESSED));
        lv_obj_del(btn);
        lv_obj_del(other);
    }
}

}  // namespace

namespace {

// A disabled object is passed over by the pointer and the keypad, but events
// sent by code still reach it.
TEST_F(InputTest, disabled_objects_get_no_input_events_but_lv_event_send_reaches_them)
{
    lv_obj_t * btn = make_button(20, 20);
    lv_group_focus_obj(btn);
    lv_obj_add_state(btn, LV_STATE_DISABLED);
    EventLog log;
    log.attach(btn);

    display.click(50, 40);
    display.type_key('a');
    EXPECT_TRUE(log.input_codes().empty());

    EXPECT_EQ(lv_event_send(btn, LV_EVENT_CLICKED, nullptr), LV_RES_OK);
    EXPECT_EQ(log.input_codes(), Codes{LV_EVENT_CLICKED});

    lv_obj_clear_state(btn, LV_STATE_DISABLED);
    display.click(50, 40);
    Codes got = log.input_codes();
    EXPECT_NE(std::find(got.begin(), got.end(), LV_EVENT_PRESSED), got.end());
}

// Keys typed on the keypad go to the focused object of the default group as
// LV_EVENT_KEY, with the key as parameter; ESC also cancels.
TEST_F(InputTest, keypad_keys_reach_the_focused_object)
{
    lv_obj_t * a = make_button(20, 20);
    lv_obj_t * b = make_button(20, 120);
    std::vector<uint32_t> keys_a;
    std::vector<uint32_t> keys_b;
    auto record = [](lv_event_t * e) {
        static_cast<std::vector<uint32_t> *>(lv_event_get_user_data(e))->push_back(lv_event_get_key(e));
    };
    lv_obj_add_event_cb(a, record, LV_EVENT_KEY, &keys_a);
    lv_obj_add_event_cb(b, record, LV_EVENT_KEY, &keys_b);
    EventLog log_b;
    log_b.attach(b);

    EXPECT_EQ(lv_group_get_focused(lv_group_get_default()), a);   // first member is focused
    display.click(50, 140);                                        // a click moves the focus
    EXPECT_EQ(lv_group_get_focused(lv_group_get_default()), b);
    EXPECT_TRUE(lv_obj_has_state(b, LV_STATE_FOCUSED));
    EXPECT_FALSE(lv_obj_has_state(b, LV_STATE_FOCUS_KEY));         // no key ring after a click

    const uint32_t typed[] = {'x', 0x4E2D /*a CJK code point, as the host sends it*/, LV_KEY_ESC};
    for(uint32_t k : typed) display.type_key(k);

    EXPECT_TRUE(keys_a.empty());
    EXPECT_EQ(keys_b, (std::vector<uint32_t>{'x', 0x4E2D, LV_KEY_ESC}));
    EXPECT_NE(std::find(log_b.codes.begin(), log_b.codes.end(), LV_EVENT_CANCEL), log_b.codes.end());
}

TEST_F(InputTest, long_press_is_sent_once_after_the_long_press_time)
{
    lv_obj_t * btn = make_button(20, 20);
    EventLog log;
    log.attach(btn);
    display.press(50, 40);
    display.advance(LV_INDEV_DEF_LONG_PRESS_TIME - 50);
    EXPECT_EQ(std::count(log.codes.begin(), log.codes.end(), LV_EVENT_LONG_PRESSED), 0);
    display.advance(100);
    EXPECT_EQ(std::count(log.codes.begin(), log.codes.end(), LV_EVENT_LONG_PRESSED), 1);
    display.release();
    EXPECT_EQ(std::count(log.codes.begin(), log.codes.end(), LV_EVENT_SHORT_CLICKED), 0);
    EXPECT_EQ(std::count(log.codes.begin(), log.codes.end(), LV_EVENT_CLICKED), 1);
}

// Dragging inside a container taller than its content area scrolls it, and
// the button under the finger is not clicked.
TEST_F(InputTest, dragging_a_long_container_scrolls_it_and_clicks_nothing)
{
    lv_obj_t * cont = lv_obj_create(lv_scr_act());
    lv_obj_set_size(cont, 200, 200);
    lv_obj_set_pos(cont, 0, 0);
    lv_obj_set_style_pad_all(cont, 0, 0);
    lv_obj_set_style_border_width(cont, 0, 0);
    lv_obj_t * btns[10];
    for(int i = 0; i < 10; i++) {
        btns[i] = lv_btn_create(cont);
        lv_obj_set_size(btns[i], 180, 50);
        lv_obj_set_pos(btns[i], 0, i * 60);
    }
    EventLog log;
    log.attach(btns[2]);

    lv_obj_update_layout(cont);
    EXPECT_EQ(lv_obj_get_scroll_y(cont), 0);
    EXPECT_EQ(lv_obj_get_scroll_bottom(cont), 9 * 60 + 50 - 200);

    display.press(100, 140);
    for(int y = 130; y >= 40; y -= 10) display.move(100, y);
    display.release();
    display.advance(500);   /*let the throw run out*/

    lv_coord_t sy = lv_obj_get_scroll_y(cont);
    EXPECT_GE(sy, 100);
    EXPECT_LE(sy, 9 * 60 + 50 - 200);
    EXPECT_EQ(lv_obj_get_y(btns[2]), 120);   // relative position unchanged
    lv_area_t c;
    lv_obj_get_coords(btns[2], &c);
    EXPECT_EQ(c.y1, 120 - sy);
    EXPECT_EQ(std::count(log.codes.begin(), log.codes.end(), LV_EVENT_CLICKED), 0);

    // Dragging far past the end stops at the last item
    for(int drag = 0; drag < 3; drag++) {
        display.press(100, 190);
        for(int y = 180; y >= 0; y -= 10) display.move(100, y);
        display.release();
        display.advance(500);
    }
    EXPECT_EQ(lv_obj_get_scroll_y(cont), 9 * 60 + 50 - 200);
    EXPECT_EQ(lv_obj_get_scroll_bottom(cont), 0);

    lv_obj_scroll_to_y(cont, 0, LV_ANIM_OFF);
    EXPECT_EQ(lv_obj_get_scroll_y(cont), 0);
    lv_obj_scroll_to_view(btns[9], LV_ANIM_OFF);
    EXPECT_EQ(lv_obj_get_scroll_bottom(cont), 0);
}

}  // namespace

namespace {

class GroupTest : public DisplayTest {};

// Members: a plain button, a disabled one, a hidden one, one inside a
// hidden parent, a plain one: next/prev pass over the three in between.
TEST_F(GroupTest, next_and_prev_pass_over_members_that_cannot_take_the_focus)
{
    struct Case {
        const char * name;
        int start;      // index of the focused member
        bool forward;
        bool wrap;
        int expected;   // focused member afterwards
        int edge_calls;
    };
    const Case cases[] = {
        {"next skips disabled and hidden", 0, true, true, 4, 0},
        {"prev skips them the other way", 4, false, true, 0, 0},
        {"next wraps round from the last", 4, true, true, 0, 0},
        {"prev wraps round from the first", 0, false, true, 4, 0},
        {"without wrap the last stays and the edge is told", 4, true, false, 4, 1},
        {"without wrap the first stays and the edge is told", 0, false, false, 0, 1},
    };
    static int edge_calls;
    for(const Case & c : cases) {
        SCOPED_TRACE(c.name);
        lv_group_t * g = lv_group_create();
        lv_obj_t * hidden_parent = lv_obj_create(lv_scr_act());
        lv_obj_add_flag(hidden_parent, LV_OBJ_FLAG_HIDDEN);
        lv_obj_t * m[5];
        for(int i = 0; i < 5; i++) {
            m[i] = lv_btn_create(i == 3 ? hidden_parent : lv_scr_act());
            lv_group_add_obj(g, m[i]);
        }
        lv_obj_add_state(m[1], LV_STATE_DISABLED);
        lv_obj_add_flag(m[2], LV_OBJ_FLAG_HIDDEN);
        lv_group_set_wrap(g, c.wrap);
        edge_calls = 0;
        lv_group_set_edge_cb(g, [](lv_group_t *, bool) { edge_calls++; });
        lv_group_focus_obj(m[c.start]);

        if(c.forward) lv_group_focus_next(g);
        else lv_group_focus_prev(g);
        EXPECT_EQ(lv_group_get_focused(g), m[c.expected]);
        EXPECT_EQ(edge_calls, c.edge_calls);
        lv_group_del(g);
        lv_obj_clean(lv_scr_act());
    }
}

// Where the focus goes when the focused member leaves the group.
TEST_F(GroupTest, a_leaving_focused_member_hands_the_focus_on_by_the_policy)
{
    struct Case {
        const char * name;
        lv_group_refocus_policy_t policy;
        int members;
        bool others_disabled;
        int leaving;
        int expected;   // -1: no focus left
        bool wrap = true;
    };
    const Case cases[] = {
        {"previous by default", LV_GROUP_REFOCUS_POLICY_PREV, 3, false, 1, 0},
        {"next when asked", LV_GROUP_REFOCUS_POLICY_NEXT, 3, false, 1, 2},
        {"previous of the first goes round to the last", LV_GROUP_REFOCUS_POLICY_PREV, 3, false, 0, 2},
        {"round the ends even in a group that does not wrap", LV_GROUP_REFOCUS_POLICY_PREV, 3, false, 0, 2, false},
        {"the only member leaves no focus", LV_GROUP_REFOCUS_POLICY_PREV, 1, false, 0, -1},
        {"no member able to take it leaves no focus", LV_GROUP_REFOCUS_POLICY_NEXT, 3, true, 1, -1},
    };
    for(const Case & c : cases) {
        SCOPED_TRACE(c.name);
        lv_group_t * g = lv_group_create();
        lv_group_set_refocus_policy(g, c.policy);
        lv_group_set_wrap(g, c.wrap);
        std::vector<lv_obj_t *> m;
        for(int i = 0; i < c.members; i++) {
            m.push_back(lv_btn_create(lv_scr_act()));
            lv_group_add_obj(g, m.back());
        }
        lv_group_focus_obj(m[c.leaving]);
        for(int i = 0; i < c.members; i++) {
            if(c.others_disabled && i != c.leaving) lv_obj_add_state(m[i], LV_STATE_DISABLED);
        }
        EventLog log;
        log.attach(m[c.leaving]);

        lv_group_remove_obj(m[c.leaving]);
        EXPECT_EQ(lv_obj_get_group(m[c.leaving]), nullptr);
        EXPECT_EQ(lv_group_get_obj_count(g), uint32_t(c.members - 1));
        EXPECT_EQ(lv_group_get_focused(g), c.expected < 0 ? nullptr : m[c.expected]);
        EXPECT_EQ(std::count(log.codes.begin(), log.codes.end(), LV_EVENT_DEFOCUSED), 1);
        EXPECT_FALSE(lv_obj_has_state(m[c.leaving], LV_STATE_FOCUSED));
        lv_group_del(g);
        lv_obj_clean(lv_scr_act());
    }
}

TEST_F(GroupTest, focus_changes_send_defocused_focused_then_the_focus_callback)
{
    static std::string t;
    t.clear();
    lv_group_t * g = lv_group_create();
    lv_obj_t * a = lv_btn_create(lv_scr_act());
    lv_obj_t * b = lv_btn_create(lv_scr_act());
    lv_group_add_obj(g, a);
    lv_group_add_obj(g, b);
    auto tag = [](lv_event_t * e) {
        t += static_cast<const char *>(lv_event_get_user_data(e));
        t += lv_event_get_code(e) == LV_EVENT_FOCUSED ? "+ " : "- ";
    };
    lv_obj_add_event_cb(a, tag, LV_EVENT_FOCUSED, const_cast<char *>("a"));
    lv_obj_add_event_cb(a, tag, LV_EVENT_DEFOCUSED, const_cast<char *>("a"));
    lv_obj_add_event_cb(b, tag, LV_EVENT_FOCUSED, const_cast<char *>("b"));
    lv_obj_add_event_cb(b, tag, LV_EVENT_DEFOCUSED, const_cast<char *>("b"));
    lv_group_set_focus_cb(g, [](lv_group_t *) { t += "cb "; });

    lv_group_focus_next(g);
    EXPECT_EQ(t, "a- b+ cb ");

    t.clear();
    lv_group_set_editing(g, true);
    lv_group_set_editing(g, true);
    EXPECT_EQ(t, "b+ ") << "FOCUSED again once, when the mode changes";
    t.clear();
    lv_group_focus_obj(b);
    EXPECT_FALSE(lv_group_get_editing(g)) << "focusing leaves edit mode";
    EXPECT_EQ(t, "b+ b+ cb ") << "leaving edit mode, then focusing the focused object again";

    t.clear();
    lv_group_focus_freeze(g, true);
    lv_group_focus_obj(a);
    lv_group_focus_prev(g);
    EXPECT_EQ(lv_group_get_focused(g), b) << "a frozen group keeps its focus";
    lv_group_focus_freeze(g, false);

    // Swapping exchanges the order, the focus stays with its object, silently
    lv_group_swap_obj(a, b);
    EXPECT_EQ(t, "");
    EXPECT_EQ(lv_group_get_focused(g), b);
    lv_group_focus_next(g);
    EXPECT_EQ(lv_group_get_focused(g), a) << "a now comes after b";
    lv_group_del(g);
}

TEST_F(GroupTest, moving_an_object_to_another_group_and_deleting_a_group)
{
    lv_group_t * first = lv_group_create();
    lv_group_t * second = lv_group_create();
    lv_obj_t * a = lv_btn_create(lv_scr_act());
    lv_obj_t * b = lv_btn_create(lv_scr_act());
    lv_group_add_obj(first, a);
    lv_group_add_obj(first, b);
    EXPECT_EQ(lv_group_get_focused(first), a) << "the first member is focused at once";

    lv_group_add_obj(second, a);
    EXPECT_EQ(lv_obj_get_group(a), second);
    EXPECT_EQ(lv_group_get_obj_count(first), 1u);
    EXPECT_EQ(lv_group_get_focused(first), b);
    EXPECT_EQ(lv_group_get_focused(second), a);

    lv_indev_set_group(display.keypad, second);
    lv_group_set_default(second);
    lv_group_del(second);
    EXPECT_EQ(lv_obj_get_group(a), nullptr);
    EXPECT_EQ(display.keypad->group, nullptr);
    EXPECT_EQ(lv_group_get_default(), nullptr);
    EXPECT_FALSE(lv_obj_has_state(a, LV_STATE_FOCUSED));

    // A disabled focused member gets no keys
    lv_obj_add_state(b, LV_STATE_DISABLED);
    EventLog log;
    log.attach(b);
    EXPECT_EQ(lv_group_send_data(first, 'x'), LV_RES_OK);
    EXPECT_TRUE(log.input_codes().empty());
    lv_group_del(first);
}

}  // namespace
