// The object tree and the display around it: moving objects between
// parents, ordering, layers, resizing the display, partial refresh.
#include "test_display.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

class TreeTest : public DisplayTest {};

TEST_F(TreeTest, reparenting_and_reordering_keep_relative_positions)
{
    lv_obj_t * a = lv_obj_create(lv_scr_act());
    lv_obj_remove_style_all(a);
    lv_obj_set_pos(a, 10, 10);
    lv_obj_set_size(a, 100, 100);
    lv_obj_t * b = lv_obj_create(lv_scr_act());
    lv_obj_remove_style_all(b);
    lv_obj_set_pos(b, 200, 50);
    lv_obj_set_size(b, 100, 100);
    lv_obj_t * kids[3];
    for(auto & k : kids) {
        k = lv_obj_create(a);
        lv_obj_set_size(k, 10, 10);
        lv_obj_set_pos(k, 5, 5);
    }

    lv_obj_set_parent(kids[0], b);
    EXPECT_EQ(lv_obj_get_parent(kids[0]), b);
    EXPECT_EQ(lv_obj_get_child_cnt(a), 2u);
    lv_area_t c;
    lv_obj_get_coords(kids[0], &c);
    EXPECT_EQ(c.x1, 205);
    EXPECT_EQ(c.y1, 55);

    lv_obj_move_foreground(kids[1]);
    EXPECT_EQ(lv_obj_get_index(kids[1]), 1u);
    EXPECT_EQ(lv_obj_get_index(kids[2]), 0u);
    lv_obj_move_to_index(kids[1], 0);
    EXPECT_EQ(lv_obj_get_child(a, 0), kids[1]);

    lv_obj_swap(kids[1], kids[0]);
    EXPECT_EQ(lv_obj_get_parent(kids[1]), b);
    EXPECT_EQ(lv_obj_get_parent(kids[0]), a);
    EXPECT_EQ(lv_obj_get_screen(kids[0]), lv_scr_act());
    EXPECT_EQ(lv_obj_get_disp(kids[0]), display.disp);
}

// Objects on the top layer cover every screen, and receive clicks first.
TEST_F(TreeTest, top_layer_is_drawn_and_clicked_above_the_screen)
{
    lv_obj_t * under = lv_btn_create(lv_scr_act());
    lv_obj_set_pos(under, 0, 0);
    lv_obj_set_size(under, 200, 200);
    lv_obj_t * over = lv_obj_create(lv_layer_top());
    lv_obj_remove_style_all(over);
    lv_obj_set_pos(over, 50, 50);
    lv_obj_set_size(over, 50, 50);
    lv_obj_set_style_bg_opa(over, LV_OPA_COVER, 0);
    lv_obj_set_style_bg_color(over, lv_color_hex(0x00FF00), 0);
    lv_obj_add_flag(over, LV_OBJ_FLAG_CLICKABLE);
    EventLog under_log;
    EventLog over_log;
    under_log.attach(under);
    over_log.attach(over);

    display.advance(20);
    EXPECT_EQ(display.pixel_rgb(75, 75), 0x00FF00u);
    display.click(75, 75);
    EXPECT_NE(std::find(over_log.codes.begin(), over_log.codes.end(), LV_EVENT_CLICKED), over_log.codes.end());
    EXPECT_EQ(std::find(under_log.codes.begin(), under_log.codes.end(), LV_EVENT_CLICKED), under_log.codes.end());
    display.click(150, 150);
    EXPECT_NE(std::find(under_log.codes.begin(), under_log.codes.end(), LV_EVENT_CLICKED), under_log.codes.end());
}

// The window host rebuilds the frame buffer at a new size and updates the
// driver: screens take the new resolution and percentages follow.
TEST_F(TreeTest, display_update_resizes_screens_and_relayouts)
{
    lv_obj_t * bar = lv_obj_create(lv_scr_act());
    lv_obj_set_size(bar, LV_PCT(100), LV_PCT(4));
    lv_obj_align(bar, LV_ALIGN_TOP_MID, 0, 0);
    lv_obj_t * btn = lv_btn_create(lv_scr_act());
    lv_obj_set_size(btn, LV_PCT(30), LV_PCT(10));
    lv_obj_align(btn, LV_ALIGN_BOTTOM_MID, 0, LV_PCT(-25));
    display.advance(20);
    EXPECT_EQ(lv_obj_get_width(bar), 480);

    std::vector<lv_color_t> bigger(static_cast<size_t>(960) * 640);
    lv_disp_draw_buf_init(&display.draw_buf, bigger.data(), nullptr, static_cast<uint32_t>(bigger.size()));
    display.disp_drv.hor_res = 960;
    display.disp_drv.ver_res = 640;
    lv_disp_drv_update(display.disp, &display.disp_drv);
    lv_refr_now(display.disp);

    EXPECT_EQ(lv_disp_get_hor_res(nullptr), 960);
    EXPECT_EQ(lv_obj_get_width(lv_scr_act()), 960);
    EXPECT_EQ(lv_obj_get_width(bar), 960);
    EXPECT_EQ(lv_obj_get_height(bar), 640 * 4 / 100);
    EXPECT_EQ(lv_obj_get_width(btn), 960 * 30 / 100);
    lv_area_t c;
    lv_obj_get_coords(btn, &c);
    EXPECT_EQ(c.y2, 640 - 1 - 640 * 25 / 100);
    EXPECT_EQ(display.last_flush_area.x2, 959);
    EXPECT_EQ(display.last_flush_area.y2, 639);

    // Back to the fixture's buffer before it is torn down
    lv_disp_draw_buf_init(&display.draw_buf, display.pixels.data(), nullptr,
                          static_cast<uint32_t>(display.pixels.size()));
    display.disp_drv.hor_res = 480;
    display.disp_drv.ver_res = 320;
    lv_disp_drv_update(display.disp, &display.disp_drv);
}

// Without full refresh only the invalidated area is redrawn and flushed;
// hidden objects and objects of other screens invalidate nothing.
TEST_F(TreeTest, partial_refresh_flushes_only_the_changed_area)
{
    display.stop();
    display.start(480, 320, false);
    lv_obj_t * label = lv_label_create(lv_scr_act());
    lv_obj_set_pos(label, 100, 60);
    lv_label_set_text(label, "one");
    display.advance(20);

    int before = display.flush_count;
    lv_label_set_text(label, "two");
    display.advance(20);
    EXPECT_EQ(display.flush_count, before + 1);
    EXPECT_GE(display.last_flush_area.x1, 100);
    EXPECT_GE(display.last_flush_area.y1, 60);
    EXPECT_LE(display.last_flush_area.y2, 60 + 40);

    lv_obj_t * other = lv_obj_create(nullptr);
    lv_obj_t * hidden_label = lv_label_create(other);
    before = display.flush_count;
    lv_label_set_text(hidden_label, "not shown");
    lv_obj_add_flag(label, LV_OBJ_FLAG_HIDDEN);
    display.advance(20);
    int after_hide = display.flush_count;
    EXPECT_EQ(after_hide, before + 1);   // hiding redraws where it was
    lv_label_set_text(label, "three");   // a hidden object changes nothing visible
    display.advance(20);
    EXPECT_EQ(display.flush_count, after_hide);
}

// Focusing an object with the keypad scrolls its container to show it.
TEST_F(TreeTest, focus_from_the_keypad_scrolls_the_object_into_view)
{
    lv_obj_t * list = lv_obj_create(lv_scr_act());
    lv_obj_set_size(list, 200, 150);
    lv_obj_set_flex_flow(list, LV_FLEX_FLOW_COLUMN);
    lv_obj_t * btns[8];
    for(auto & b : btns) {
        b = lv_btn_create(list);
        lv_obj_set_size(b, 150, 40);
    }
    lv_group_t * g = lv_group_get_default();
    EXPECT_EQ(lv_group_get_focused(g), btns[0]);
    for(int i = 0; i < 7; i++) display.type_key(LV_KEY_NEXT);
    display.advance(500);   /*the scroll is animated*/
    EXPECT_EQ(lv_group_get_focused(g), btns[7]);
    EXPECT_TRUE(lv_obj_has_state(btns[7], LV_STATE_FOCUS_KEY));
    EXPECT_GT(lv_obj_get_scroll_y(list), 0);
    EXPECT_EQ(lv_obj_get_scroll_bottom(list), 0);
}

TEST_F(TreeTest, an_object_keeps_at_most_63_event_callbacks)
{
    lv_obj_t * obj = lv_obj_create(lv_scr_act());
    int calls = 0;
    auto count = [](lv_event_t * e) { (*static_cast<int *>(lv_event_get_user_data(e)))++; };
    for(int i = 0; i < 63; i++) EXPECT_NE(lv_obj_add_event_cb(obj, count, LV_EVENT_CLICKED, &calls), nullptr);
    EXPECT_EQ(lv_obj_add_event_cb(obj, count, LV_EVENT_CLICKED, &calls), nullptr);
    lv_event_send(obj, LV_EVENT_CLICKED, nullptr);
    EXPECT_EQ(calls, 63);
}

TEST_F(TreeTest, auto_delete_removes_the_old_screen_after_the_animation)
{
    lv_obj_t * old_scr = lv_scr_act();
    lv_obj_t * next = lv_obj_create(nullptr);
    int deleted = 0;
    lv_obj_add_event_cb(old_scr, [](lv_event_t * e) { (*static_cast<int *>(lv_event_get_user_data(e)))++; },
                        LV_EVENT_DELETE, &deleted);
    lv_scr_load_anim(next, LV_SCR_LOAD_ANIM_OVER_BOTTOM, 200, 0, true);
    display.advance(100);
    EXPECT_EQ(deleted, 0);
    display.advance(200);
    EXPECT_EQ(deleted, 1);
    EXPECT_EQ(lv_scr_act(), next);
}

}  // namespace

namespace {

// Deleting the screen that is being loaded ends the animation: the old
// screen is active again and input works.
TEST_F(TreeTest, deleting_the_incoming_screen_mid_animation_restores_input)
{
    lv_obj_t * old_scr = lv_scr_act();
    lv_obj_t * btn = lv_btn_create(old_scr);
    lv_obj_set_size(btn, 100, 100);
    int clicks = 0;
    lv_obj_add_event_cb(btn, [](lv_event_t * e) { (*static_cast<int *>(lv_event_get_user_data(e)))++; },
                        LV_EVENT_CLICKED, &clicks);
    lv_obj_t * next = lv_obj_create(nullptr);
    lv_scr_load_anim(next, LV_SCR_LOAD_ANIM_MOVE_TOP, 500, 0, false);
    display.advance(100);
    lv_obj_del(next);
    display.advance(600);
    EXPECT_EQ(lv_scr_act(), old_scr);
    EXPECT_EQ(lv_disp_get_scr_prev(display.disp), nullptr);
    lv_obj_set_pos(old_scr, 0, 0);
    display.click(50, 50);
    EXPECT_EQ(clicks, 1);
}

}  // namespace

namespace {

class TreeOpsTest : public DisplayTest {
protected:
    // A bare parent with `n` bare children, returned in creation order.
    std::vector<lv_obj_t *> make_family(lv_obj_t ** parent_out, int n)
    {
        lv_obj_t * parent = lv_obj_create(lv_scr_act());
        lv_obj_remove_style_all(parent);
        std::vector<lv_obj_t *> kids;
        for(int i = 0; i < n; i++) {
            lv_obj_t * k = lv_obj_create(parent);
            lv_obj_remove_style_all(k);
            kids.push_back(k);
        }
        *parent_out = parent;
        return kids;
    }

    static std::vector<int> order_of(lv_obj_t * parent, const std::vector<lv_obj_t *> & kids)
    {
        std::vector<int> out;
        for(uint32_t i = 0; i < lv_obj_get_child_cnt(parent); i++) {
            lv_obj_t * c = lv_obj_get_child(parent, (int32_t)i);
            out.push_back((int)(std::find(kids.begin(), kids.end(), c) - kids.begin()));
        }
        return out;
    }
};

// Moving a child shifts the siblings in between by one place, either way.
TEST_F(TreeOpsTest, move_to_index_shifts_the_siblings_in_between)
{
    struct Case {
        int child;
        int32_t index;
        std::vector<int> order;
    };
    const Case cases[] = {
        {0, 4, {1, 2, 3, 4, 0}},
        {0, -1, {1, 2, 3, 4, 0}},
        {4, 0, {4, 0, 1, 2, 3}},
        {1, 3, {0, 2, 3, 1, 4}},
        {3, 1, {0, 3, 1, 2, 4}},
        {2, -2, {0, 1, 3, 2, 4}},
        {2, 2, {0, 1, 2, 3, 4}},
        {2, 5, {0, 1, 2, 3, 4}},    // past the end: ignored
        {2, -6, {0, 1, 2, 3, 4}},   // before the start: ignored
    };
    for(const Case & c : cases) {
        lv_obj_t * parent;
        std::vector<lv_obj_t *> kids = make_family(&parent, 5);
        lv_obj_move_to_index(kids[(size_t)c.child], c.index);
        EXPECT_EQ(order_of(parent, kids), c.order) << "child " << c.child << " to " << c.index;
        lv_obj_del(parent);
    }
}

TEST_F(TreeOpsTest, children_are_found_from_either_end)
{
    lv_obj_t * parent;
    std::vector<lv_obj_t *> kids = make_family(&parent, 3);
    struct Case {
        int32_t id;
        lv_obj_t * want;
    };
    const Case cases[] = {
        {0, kids[0]}, {2, kids[2]}, {-1, kids[2]}, {-3, kids[0]}, {3, nullptr}, {-4, nullptr},
    };
    for(const Case & c : cases) EXPECT_EQ(lv_obj_get_child(parent, c.id), c.want) << "id " << c.id;
    EXPECT_EQ(lv_obj_get_index(kids[1]), 1u);
    EXPECT_EQ(lv_obj_get_index(lv_scr_act()), 0xFFFFFFFFu);
}

// Moving an object below itself would cut its subtree off every display
// and make every walk loop; a screen has no parent to move from.
TEST_F(TreeOpsTest, set_parent_refuses_cycles_and_screens)
{
    lv_obj_t * outer = lv_obj_create(lv_scr_act());
    lv_obj_t * inner = lv_obj_create(outer);
    lv_obj_t * innermost = lv_obj_create(inner);

    lv_obj_set_parent(outer, innermost);
    lv_obj_set_parent(outer, outer);
    EXPECT_EQ(lv_obj_get_parent(outer), lv_scr_act());
    EXPECT_EQ(lv_obj_get_parent(innermost), inner);
    EXPECT_TRUE(lv_obj_is_valid(innermost));

    lv_obj_t * scr = lv_obj_create(nullptr);
    lv_obj_set_parent(scr, outer);
    EXPECT_EQ(lv_obj_get_parent(scr), nullptr);

    lv_obj_set_parent(innermost, outer);
    EXPECT_EQ(lv_obj_get_parent(innermost), outer);
    EXPECT_EQ(lv_obj_get_child_cnt(inner), 0u);
    EXPECT_EQ(lv_obj_get_child_cnt(outer), 2u);
}

struct DeleteRecord {
    std::vector<std::string> names;
};

void record_delete(lv_event_t * e)
{
    auto * rec = static_cast<DeleteRecord *>(lv_event_get_user_data(e));
    lv_obj_t * obj = lv_event_get_target(e);
    // The object and its children are still whole when it hears of it
    rec->names.push_back(std::string(static_cast<const char *>(lv_obj_get_user_data(obj))) + ":" +
                         std::to_string(lv_obj_get_child_cnt(obj)));
}

TEST_F(TreeOpsTest, a_deleted_subtree_hears_delete_parents_first_while_whole)
{
    DeleteRecord rec;
    lv_obj_t * top = lv_obj_create(lv_scr_act());
    lv_obj_t * a = lv_obj_create(top);
    lv_obj_t * b = lv_obj_create(top);
    lv_obj_t * a1 = lv_obj_create(a);
    const char * names[] = {"top", "a", "b", "a1"};
    lv_obj_t * objs[] = {top, a, b, a1};
    for(int i = 0; i < 4; i++) {
        lv_obj_set_user_data(objs[i], const_cast<char *>(names[i]));
        lv_obj_add_event_cb(objs[i], record_delete, LV_EVENT_DELETE, &rec);
    }

    lv_obj_del(top);
    ASSERT_EQ(rec.names.size(), 4u);
    EXPECT_EQ(rec.names[0], "top:2");
    // each child before its own children, and all after their parent
    auto at = [&](const std::string & n) { return std::find(rec.names.begin(), rec.names.end(), n) - rec.names.begin(); };
    EXPECT_LT(at("a:1"), at("a1:0"));
    EXPECT_NE(at("b:0"), (long)rec.names.size());
    for(lv_obj_t * o : objs) EXPECT_FALSE(lv_obj_is_valid(o));
}

TEST_F(TreeOpsTest, clean_empties_a_container_and_a_content_sized_one_shrinks)
{
    lv_obj_t * box = lv_obj_create(lv_scr_act());
    lv_obj_remove_style_all(box);
    lv_obj_set_size(box, LV_SIZE_CONTENT, LV_SIZE_CONTENT);
    for(int i = 0; i < 3; i++) {
        lv_obj_t * k = lv_obj_create(box);
        lv_obj_set_pos(k, 0, i * 40);
        lv_obj_set_size(k, 50, 30);
    }
    lv_obj_scroll_to_y(box, 10, LV_ANIM_OFF);
    EXPECT_EQ(lv_obj_get_height(box), 110);

    lv_obj_clean(box);
    EXPECT_EQ(lv_obj_get_child_cnt(box), 0u);
    EXPECT_EQ(lv_obj_get_height(box), 0);
    EXPECT_EQ(lv_obj_get_scroll_y(box), 0);
    EXPECT_TRUE(lv_obj_is_valid(box));
}

lv_obj_tree_walk_res_t collect_walk(lv_obj_t * obj, void * user_data)
{
    auto * seen = static_cast<std::vector<lv_obj_t *> *>(user_data);
    seen->push_back(obj);
    const char * tag = static_cast<const char *>(lv_obj_get_user_data(obj));
    if(tag && std::string(tag) == "skip") return LV_OBJ_TREE_WALK_SKIP_CHILDREN;
    if(tag && std::string(tag) == "stop") return LV_OBJ_TREE_WALK_END;
    return LV_OBJ_TREE_WALK_NEXT;
}

TEST_F(TreeOpsTest, a_tree_walk_visits_parents_first_and_can_skip_or_stop)
{
    lv_obj_t * root = lv_obj_create(lv_scr_act());
    lv_obj_t * skipped = lv_obj_create(root);
    lv_obj_t * hidden_below = lv_obj_create(skipped);
    lv_obj_t * plain = lv_obj_create(root);
    lv_obj_t * below_plain = lv_obj_create(plain);
    lv_obj_t * stopper = lv_obj_create(root);
    lv_obj_t * never = lv_obj_create(root);
    lv_obj_set_user_data(skipped, const_cast<char *>("skip"));
    lv_obj_set_user_data(stopper, const_cast<char *>("stop"));

    std::vector<lv_obj_t *> seen;
    lv_obj_tree_walk(root, collect_walk, &seen);
    const std::vector<lv_obj_t *> want = {root, skipped, plain, below_plain, stopper};
    EXPECT_EQ(seen, want);
    EXPECT_EQ(std::find(seen.begin(), seen.end(), hidden_below), seen.end());
    EXPECT_EQ(std::find(seen.begin(), seen.end(), never), seen.end());
}

}  // namespace

namespace {

void step_opa(void * obj, int32_t v) { lv_obj_set_style_opa(static_cast<lv_obj_t *>(obj), (lv_opa_t)v, 0); }

// Cleaning takes the children and the scroll, not the container's own animations.
TEST_F(DisplayTest, cleaning_keeps_the_containers_own_animations)
{
    lv_obj_t * box = lv_obj_create(lv_scr_act());
    lv_obj_create(box);
    lv_anim_t a;
    lv_anim_init(&a);
    lv_anim_set_var(&a, box);
    lv_anim_set_exec_cb(&a, step_opa);
    lv_anim_set_values(&a, 0, 255);
    lv_anim_set_time(&a, 200);
    lv_anim_start(&a);
    display.advance(50);

    lv_obj_clean(box);
    EXPECT_NE(lv_anim_get(box, step_opa), nullptr);
    display.advance(300);
    EXPECT_EQ(lv_obj_get_style_opa(box, 0), 255);
}

}  // namespace
