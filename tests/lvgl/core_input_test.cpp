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

namespace {

class PointerTest : public DisplayTest {
protected:
    // Press at `from`, move in `steps` equal steps to `to` (one reading each), release.
    void drag(lv_point_t from, lv_point_t to, int steps)
    {
        display.press(from.x, from.y);
        for(int i = 1; i <= steps; i++) {
            display.move(lv_coord_t(from.x + (to.x - from.x) * i / steps), lv_coord_t(from.y + (to.y - from.y) * i / steps));
        }
        display.release();
    }
};

size_t count_of(const EventLog & log, lv_event_code_t code)
{
    return size_t(std::count(log.codes.begin(), log.codes.end(), code));
}

// A swipe is a gesture only when it is fast enough, long enough and scrolls
// nothing; it goes to the screen, which objects pass their gestures on to.
TEST_F(PointerTest, fast_swipes_that_scroll_nothing_are_gestures_to_the_screen)
{
    struct Case {
        const char * name;
        lv_point_t from, to;
        int steps;
        lv_dir_t expected;   // LV_DIR_NONE: no gesture
    };
    const Case cases[] = {
        {"fast to the right", {100, 100}, {300, 110}, 4, LV_DIR_RIGHT},
        {"fast to the left", {300, 100}, {100, 90}, 4, LV_DIR_LEFT},
        {"fast upwards", {200, 250}, {210, 50}, 4, LV_DIR_TOP},
        {"fast downwards", {200, 50}, {190, 250}, 4, LV_DIR_BOTTOM},
        {"too slow: 2 px a reading", {100, 100}, {180, 100}, 40, LV_DIR_NONE},
        {"too short", {100, 100}, {140, 100}, 2, LV_DIR_NONE},
    };
    static int gestures;
    for(const Case & c : cases) {
        SCOPED_TRACE(c.name);
        lv_obj_t * scr = lv_scr_act();
        lv_obj_clear_flag(scr, LV_OBJ_FLAG_SCROLLABLE);
        lv_obj_t * btn = lv_btn_create(scr);
        lv_obj_set_size(btn, 480, 320);
        gestures = 0;
        static lv_dir_t dir;
        dir = LV_DIR_NONE;
        lv_obj_add_event_cb(scr, [](lv_event_t * e) {
            gestures++;
            dir = lv_indev_get_gesture_dir(lv_event_get_indev(e));
        }, LV_EVENT_GESTURE, nullptr);

        drag(c.from, c.to, c.steps);
        EXPECT_EQ(gestures, c.expected == LV_DIR_NONE ? 0 : 1);
        EXPECT_EQ(dir, c.expected);

        // Two fast strokes of 30 px with a slow reading between them: the
        // slow reading starts the count over, so neither reaches the limit
        gestures = 0;
        display.press(100, 100);
        display.move(130, 100);
        display.move(131, 100);
        display.move(161, 100);
        display.release();
        EXPECT_EQ(gestures, 0);

        lv_obj_remove_event_cb(scr, nullptr);
        lv_obj_del(btn);
    }
}

// What a drag inside nested scrollable containers scrolls.
TEST_F(PointerTest, a_drag_scrolls_the_nearest_container_that_can_move_that_way)
{
    struct Case {
        const char * name;
        lv_point_t from, to;
        bool inner_scrolls, outer_scrolls;
    };
    const Case cases[] = {
        {"up scrolls the inner list", {100, 150}, {100, 60}, true, false},
        {"left scrolls the outer row, which the inner list cannot", {200, 150}, {60, 150}, false, true},
        {"down at the top has nothing to uncover anywhere", {100, 60}, {100, 150}, false, false},
        {"a move within the scroll limit scrolls nothing", {100, 150}, {100, 143}, false, false},
    };
    for(const Case & c : cases) {
        SCOPED_TRACE(c.name);
        // outer: a row 480 wide with content 960 wide; inner: a column with tall content
        lv_obj_t * outer = lv_obj_create(lv_scr_act());
        lv_obj_set_size(outer, 480, 320);
        lv_obj_set_style_pad_all(outer, 0, 0);
        lv_obj_set_scroll_dir(outer, LV_DIR_HOR);
        lv_obj_t * wide = lv_obj_create(outer);
        lv_obj_set_size(wide, 960, 10);
        lv_obj_set_pos(wide, 0, 300);
        lv_obj_t * inner = lv_obj_create(outer);
        lv_obj_set_size(inner, 300, 300);
        lv_obj_set_scroll_dir(inner, LV_DIR_VER);
        lv_obj_t * tall = lv_obj_create(inner);
        lv_obj_set_size(tall, 100, 900);
        lv_obj_update_layout(outer);

        EventLog inner_log;
        inner_log.attach(inner);
        drag(c.from, c.to, 6);
        display.advance(500);
        EXPECT_EQ(lv_obj_get_scroll_y(inner) > 0, c.inner_scrolls);
        EXPECT_EQ(lv_obj_get_scroll_x(outer) > 0, c.outer_scrolls);
        EXPECT_EQ(lv_obj_get_scroll_x(inner), 0) << "a vertical list never moves sideways";
        EXPECT_EQ(count_of(inner_log, LV_EVENT_SCROLL_BEGIN), c.inner_scrolls ? 1u : 0u);
        EXPECT_EQ(count_of(inner_log, LV_EVENT_SCROLL_END), c.inner_scrolls ? 1u : 0u);
        EXPECT_EQ(lv_indev_get_scroll_obj(display.pointer), nullptr) << "the scroll has come to rest";
        lv_obj_del(outer);
    }
}

// After the release a scroll goes on only with momentum, and a new press
// catches it.
TEST_F(PointerTest, a_released_scroll_is_thrown_on_only_with_momentum)
{
    for(bool momentum : {true, false}) {
        SCOPED_TRACE(momentum ? "with momentum" : "without momentum");
        lv_obj_t * list = lv_obj_create(lv_scr_act());
        lv_obj_set_size(list, 200, 300);
        lv_obj_t * tall = lv_obj_create(list);
        lv_obj_set_size(tall, 100, 3000);
        if(!momentum) lv_obj_clear_flag(list, LV_OBJ_FLAG_SCROLL_MOMENTUM);
        lv_obj_update_layout(list);

        display.press(100, 250);
        for(int y = 220; y >= 40; y -= 30) display.move(100, lv_coord_t(y));
        display.release();
        lv_coord_t at_release = lv_obj_get_scroll_y(list);
        display.advance(30);
        lv_coord_t shortly_after = lv_obj_get_scroll_y(list);
        if(momentum) EXPECT_GT(shortly_after, at_release);
        else EXPECT_EQ(shortly_after, at_release);

        display.press(100, 150);
        lv_coord_t caught = lv_obj_get_scroll_y(list);
        display.advance(200);
        EXPECT_EQ(lv_obj_get_scroll_y(list), caught) << "a new press stops the throw";
        display.release();
        lv_obj_del(list);
    }
}

TEST_F(PointerTest, long_press_repeats_while_held)
{
    lv_obj_t * btn = lv_btn_create(lv_scr_act());
    lv_obj_set_size(btn, 100, 50);
    EventLog log;
    log.attach(btn);
    display.press(20, 20);
    display.advance(LV_INDEV_DEF_LONG_PRESS_TIME + 5 * LV_INDEV_DEF_LONG_PRESS_REP_TIME + 50);
    EXPECT_EQ(count_of(log, LV_EVENT_LONG_PRESSED), 1u);
    EXPECT_GE(count_of(log, LV_EVENT_LONG_PRESSED_REPEAT), 4u);
    EXPECT_LE(count_of(log, LV_EVENT_LONG_PRESSED_REPEAT), 5u);
    display.release();
}

// Without PRESS_LOCK the press follows the pointer from object to object.
TEST_F(PointerTest, without_press_lock_the_press_moves_to_the_object_under_the_pointer)
{
    lv_obj_t * a = lv_btn_create(lv_scr_act());
    lv_obj_set_size(a, 100, 50);
    lv_obj_t * b = lv_btn_create(lv_scr_act());
    lv_obj_set_size(b, 100, 50);
    lv_obj_set_pos(b, 150, 0);
    lv_obj_clear_flag(a, LV_OBJ_FLAG_PRESS_LOCK);
    lv_obj_clear_flag(lv_scr_act(), LV_OBJ_FLAG_SCROLLABLE);
    EventLog log_a;
    EventLog log_b;
    log_a.attach(a);
    log_b.attach(b);
    display.press(20, 20);
    display.move(170, 20);
    display.release();
    EXPECT_EQ(count_of(log_a, LV_EVENT_PRESS_LOST), 1u);
    EXPECT_EQ(count_of(log_a, LV_EVENT_CLICKED), 0u);
    EXPECT_EQ(count_of(log_b, LV_EVENT_PRESSED), 1u);
    EXPECT_EQ(count_of(log_b, LV_EVENT_CLICKED), 1u);
}

// Handlers that end the press early: waiting for the release, deleting the
// pressed object.
TEST_F(PointerTest, handlers_can_end_a_press_early)
{
    struct Case {
        const char * name;
        lv_event_code_t in;
        void (*action)(lv_event_t * e);
        bool survives;
    };
    const Case cases[] = {
        {"waiting for the release in PRESSED", LV_EVENT_PRESSED,
         [](lv_event_t * e) { lv_indev_wait_release(lv_event_get_indev(e)); }, true},
        {"deleting the object in PRESSED", LV_EVENT_PRESSED, [](lv_event_t * e) { lv_obj_del(lv_event_get_target(e)); },
         false},
        {"deleting the object in PRESSING", LV_EVENT_PRESSING, [](lv_event_t * e) { lv_obj_del(lv_event_get_target(e)); },
         false},
        {"deleting the object in RELEASED", LV_EVENT_RELEASED, [](lv_event_t * e) { lv_obj_del(lv_event_get_target(e)); },
         false},
    };
    for(const Case & c : cases) {
        SCOPED_TRACE(c.name);
        lv_obj_t * btn = lv_btn_create(lv_scr_act());
        lv_obj_set_size(btn, 100, 50);
        /*Coordinates follow a size change at the next layout update*/
        lv_obj_update_layout(btn);
        static int clicks;
        clicks = 0;
        lv_obj_add_event_cb(btn, c.action, c.in, nullptr);
        lv_obj_add_event_cb(btn, [](lv_event_t *) { clicks++; }, LV_EVENT_CLICKED, nullptr);
        display.click(20, 20);
        display.click(300, 300);
        EXPECT_EQ(clicks, 0);
        EXPECT_EQ(lv_obj_is_valid(btn), c.survives);
        if(c.survives) {
            EXPECT_FALSE(lv_obj_has_state(btn, LV_STATE_PRESSED));
            display.click(20, 20);
            display.click(20, 20);
            EXPECT_EQ(clicks, 0) << "every press waits for its release again";
            lv_obj_del(btn);
        }
    }
}

// Clicks move the focus of objects that are in no group too.
TEST_F(PointerTest, clicking_moves_the_focus_between_objects_without_a_group)
{
    lv_group_set_default(nullptr);
    lv_obj_t * a = lv_obj_create(lv_scr_act());
    lv_obj_set_size(a, 100, 50);
    lv_obj_clear_flag(a, LV_OBJ_FLAG_SCROLLABLE);
    lv_obj_t * b = lv_obj_create(lv_scr_act());
    lv_obj_set_size(b, 100, 50);
    lv_obj_set_pos(b, 200, 0);
    lv_obj_clear_flag(b, LV_OBJ_FLAG_SCROLLABLE);
    display.click(20, 20);
    EXPECT_TRUE(lv_obj_has_state(a, LV_STATE_FOCUSED));
    display.click(220, 20);
    EXPECT_FALSE(lv_obj_has_state(a, LV_STATE_FOCUSED));
    EXPECT_TRUE(lv_obj_has_state(b, LV_STATE_FOCUSED));

    // A group member clicked away from keeps its group focus, but hears LEAVE
    lv_group_t * g = lv_group_create();
    lv_group_add_obj(g, a);
    EventLog log;
    log.attach(a);
    display.click(20, 20);
    display.click(220, 20);
    EXPECT_EQ(count_of(log, LV_EVENT_LEAVE), 1u);
    EXPECT_EQ(lv_group_get_focused(g), a);
    lv_group_del(g);
}

// Where a press lands: the point is kept on the display, a hidden object is
// passed over, an extended click area reaches past the edges and a child
// sticking out of its parent is reachable only when the parent lets it.
TEST_F(PointerTest, presses_land_on_the_object_that_takes_the_point)
{
    lv_obj_t * scr = lv_scr_act();
    lv_obj_t * parent = lv_obj_create(scr);
    lv_obj_set_pos(parent, 100, 100);
    lv_obj_set_size(parent, 100, 100);
    lv_obj_set_style_pad_all(parent, 0, 0);
    lv_obj_set_style_border_width(parent, 0, 0);
    lv_obj_clear_flag(parent, LV_OBJ_FLAG_SCROLLABLE);
    lv_obj_t * sticking_out = lv_btn_create(parent);
    lv_obj_add_flag(sticking_out, LV_OBJ_FLAG_IGNORE_LAYOUT);
    lv_obj_set_pos(sticking_out, 90, 0);
    lv_obj_set_size(sticking_out, 60, 40);
    lv_obj_t * padded = lv_btn_create(scr);
    lv_obj_set_pos(padded, 300, 100);
    lv_obj_set_size(padded, 40, 40);
    lv_obj_set_ext_click_area(padded, 15);
    lv_obj_t * hidden = lv_btn_create(scr);
    lv_obj_set_pos(hidden, 300, 250);
    lv_obj_set_size(hidden, 40, 40);
    lv_obj_add_flag(hidden, LV_OBJ_FLAG_HIDDEN);
    lv_obj_update_layout(scr);

    struct Case {
        const char * name;
        lv_point_t at;
        lv_obj_t * expected;
        bool overflow;
    };
    const Case cases[] = {
        {"the part of the child inside the parent", {195, 120}, sticking_out, false},
        {"the part outside the parent, clipped", {230, 120}, scr, false},
        {"the part outside the parent, overflowing", {230, 120}, sticking_out, true},
        {"the parent itself", {150, 150}, parent, false},
        {"just outside an extended click area's object", {290, 110}, padded, false},
        {"beyond the extension", {280, 110}, scr, false},
        {"a hidden object", {310, 260}, scr, false},
    };
    for(const Case & c : cases) {
        SCOPED_TRACE(c.name);
        if(c.overflow) lv_obj_add_flag(parent, LV_OBJ_FLAG_OVERFLOW_VISIBLE);
        else lv_obj_clear_flag(parent, LV_OBJ_FLAG_OVERFLOW_VISIBLE);
        lv_point_t p = c.at;
        EXPECT_EQ(lv_indev_search_obj(scr, &p), c.expected);
    }

    display.press(-50, 9999);
    lv_point_t seen;
    lv_indev_get_point(display.pointer, &seen);
    EXPECT_EQ(seen.x, 0);
    EXPECT_EQ(seen.y, 319);
    display.release();
}

// Input is ignored while a device is disabled and while a screen is being
// loaded with an animation.
TEST_F(PointerTest, no_input_while_disabled_or_during_a_screen_load_animation)
{
    lv_obj_t * btn = lv_btn_create(lv_scr_act());
    lv_obj_set_size(btn, 100, 50);
    EventLog log;
    log.attach(btn);
    lv_indev_enable(display.pointer, false);
    display.click(20, 20);
    EXPECT_TRUE(log.input_codes().empty());
    lv_indev_enable(nullptr, true);

    lv_obj_t * next = lv_obj_create(nullptr);
    lv_obj_t * next_btn = lv_btn_create(next);
    lv_obj_set_size(next_btn, 100, 50);
    EventLog next_log;
    next_log.attach(next_btn);
    lv_scr_load_anim(next, LV_SCR_LOAD_ANIM_MOVE_LEFT, 200, 0, false);
    display.advance(20);
    display.click(20, 20);
    EXPECT_TRUE(next_log.input_codes().empty());
    display.advance(300);
    display.click(20, 20);
    EXPECT_EQ(count_of(next_log, LV_EVENT_CLICKED), 1u);
}

class KeypadTest : public DisplayTest {};

// What the focused member hears for each key, typed as a press and a release.
TEST_F(KeypadTest, each_key_reaches_the_focused_member_as_its_events)
{
    using Codes = std::vector<lv_event_code_t>;
    struct Case {
        const char * name;
        uint32_t key;
        Codes expected;
    };
    const Case cases[] = {
        {"a character", 'a', {LV_EVENT_KEY}},
        {"an arrow", LV_KEY_RIGHT, {LV_EVENT_KEY}},
        {"ENTER presses and clicks", LV_KEY_ENTER,
         {LV_EVENT_KEY, LV_EVENT_PRESSED, LV_EVENT_RELEASED, LV_EVENT_SHORT_CLICKED, LV_EVENT_CLICKED}},
        {"NEXT moves the focus away", LV_KEY_NEXT, {LV_EVENT_DEFOCUSED}},
    };
    for(const Case & c : cases) {
        SCOPED_TRACE(c.name);
        lv_obj_t * a = lv_btn_create(lv_scr_act());
        lv_btn_create(lv_scr_act());
        lv_group_focus_obj(a);
        EventLog log;
        log.attach(a);
        display.type_key(c.key);
        EXPECT_EQ(log.input_codes(), c.expected);
        lv_obj_clean(lv_scr_act());
    }
}

TEST_F(KeypadTest, held_keys_repeat_and_a_disabled_member_still_lets_the_focus_move)
{
    lv_obj_t * a = lv_btn_create(lv_scr_act());
    lv_obj_t * b = lv_btn_create(lv_scr_act());
    lv_group_focus_obj(a);
    std::vector<uint32_t> keys;
    lv_obj_add_event_cb(a, [](lv_event_t * e) {
        static_cast<std::vector<uint32_t> *>(lv_event_get_user_data(e))->push_back(lv_event_get_key(e));
    }, LV_EVENT_KEY, &keys);

    // The test keypad reports a release when nothing is queued: hold by
    // reporting the press at every reading
    const int held_ms = LV_INDEV_DEF_LONG_PRESS_TIME + 3 * LV_INDEV_DEF_LONG_PRESS_REP_TIME + 50;
    for(int t = 0; t < held_ms; t += LV_INDEV_DEF_READ_PERIOD) {
        display.key_queue.emplace_back(LV_KEY_DOWN, LV_INDEV_STATE_PRESSED);
        display.advance(LV_INDEV_DEF_READ_PERIOD);
    }
    display.key_queue.emplace_back(0, LV_INDEV_STATE_RELEASED);
    display.advance(20);
    EXPECT_GE(keys.size(), 3u) << "the press and its repeats";
    EXPECT_LE(keys.size(), 4u);
    for(uint32_t k : keys) EXPECT_EQ(k, uint32_t(LV_KEY_DOWN));

    lv_obj_add_state(a, LV_STATE_DISABLED);
    keys.clear();
    display.type_key('x');
    EXPECT_TRUE(keys.empty());
    display.type_key(LV_KEY_NEXT);
    EXPECT_EQ(lv_group_get_focused(lv_group_get_default()), b);
}

}  // namespace
