// Events: callbacks and filters, deletion inside a handler, bubbling,
// draw-part descriptors, object deletion.
#include "test_display.h"

#include <string>

namespace {

class EventTest : public DisplayTest {};

std::string * trace;

void note(lv_event_t * e)
{
    *trace += static_cast<const char *>(lv_event_get_user_data(e));
}

TEST_F(EventTest, callbacks_run_in_order_with_their_filter_and_can_be_removed)
{
    std::string t;
    trace = &t;
    lv_obj_t * obj = lv_obj_create(lv_scr_act());
    lv_obj_add_event_cb(obj, note, LV_EVENT_ALL, const_cast<char *>("a"));
    lv_obj_add_event_cb(obj, note, LV_EVENT_CLICKED, const_cast<char *>("b"));
    lv_obj_add_event_cb(obj, note, LV_EVENT_VALUE_CHANGED, const_cast<char *>("c"));

    lv_event_send(obj, LV_EVENT_CLICKED, nullptr);
    EXPECT_EQ(t, "ab");
    t.clear();
    lv_event_send(obj, LV_EVENT_VALUE_CHANGED, nullptr);
    EXPECT_EQ(t, "ac");

    EXPECT_TRUE(lv_obj_remove_event_cb_with_user_data(obj, note, "a"));
    t.clear();
    lv_event_send(obj, LV_EVENT_CLICKED, nullptr);
    EXPECT_EQ(t, "b");
    EXPECT_TRUE(lv_obj_remove_event_cb(obj, note));
    EXPECT_TRUE(lv_obj_remove_event_cb(obj, note));
    EXPECT_FALSE(lv_obj_remove_event_cb(obj, note));
    t.clear();
    lv_event_send(obj, LV_EVENT_CLICKED, nullptr);
    EXPECT_EQ(t, "");
}

// A handler that deletes its object: the sender learns it from LV_RES_INV
// and later callbacks of that object do not run; a sibling is unaffected.
TEST_F(EventTest, send_returns_inv_when_a_handler_deleted_the_object)
{
    std::string t;
    trace = &t;
    lv_obj_t * parent = lv_obj_create(lv_scr_act());
    lv_obj_t * victim = lv_obj_create(parent);
    lv_obj_t * sibling = lv_obj_create(parent);
    lv_obj_add_event_cb(victim, [](lv_event_t * e) { lv_obj_del(lv_event_get_target(e)); }, LV_EVENT_CLICKED, nullptr);
    lv_obj_add_event_cb(victim, note, LV_EVENT_CLICKED, const_cast<char *>("late"));

    EXPECT_EQ(lv_event_send(victim, LV_EVENT_CLICKED, nullptr), LV_RES_INV);
    EXPECT_EQ(t, "");
    EXPECT_EQ(lv_obj_get_child_cnt(parent), 1u);
    EXPECT_EQ(lv_obj_get_child(parent, 0), sibling);
    EXPECT_EQ(lv_event_send(sibling, LV_EVENT_CLICKED, nullptr), LV_RES_OK);

    // Deleting the parent from a child's handler also invalidates the child's send
    lv_obj_add_event_cb(sibling, [](lv_event_t * e) { lv_obj_del(lv_obj_get_parent(lv_event_get_target(e))); },
                        LV_EVENT_VALUE_CHANGED, nullptr);
    EXPECT_EQ(lv_event_send(sibling, LV_EVENT_VALUE_CHANGED, nullptr), LV_RES_INV);
}

TEST_F(EventTest, events_bubble_to_parents_only_with_the_flag)
{
    std::string t;
    trace = &t;
    lv_obj_t * outer = lv_obj_create(lv_scr_act());
    lv_obj_t * inner = lv_obj_create(outer);
    lv_obj_t * leaf = lv_obj_create(inner);
    lv_obj_add_event_cb(outer, note, LV_EVENT_CLICKED, const_cast<char *>("O"));
    lv_obj_add_event_cb(inner, note, LV_EVENT_CLICKED, const_cast<char *>("I"));
    lv_obj_add_event_cb(leaf, note, LV_EVENT_CLICKED, const_cast<char *>("L"));

    lv_event_send(leaf, LV_EVENT_CLICKED, nullptr);
    EXPECT_EQ(t, "L");

    t.clear();
    lv_obj_add_flag(leaf, LV_OBJ_FLAG_EVENT_BUBBLE);
    lv_event_send(leaf, LV_EVENT_CLICKED, nullptr);
    EXPECT_EQ(t, "LI");

    t.clear();
    lv_obj_add_flag(inner, LV_OBJ_FLAG_EVENT_BUBBLE);
    lv_obj_add_event_cb(outer, [](lv_event_t * e) {
        // Target stays the leaf, the current target is the object handling it
        EXPECT_NE(lv_event_get_target(e), lv_event_get_current_target(e));
    }, LV_EVENT_CLICKED, nullptr);
    lv_event_send(leaf, LV_EVENT_CLICKED, nullptr);
    EXPECT_EQ(t, "LIO");

    t.clear();
    lv_obj_add_event_cb(inner, [](lv_event_t * e) { lv_event_stop_bubbling(e); }, LV_EVENT_CLICKED, nullptr);
    lv_event_send(leaf, LV_EVENT_CLICKED, nullptr);
    EXPECT_EQ(t, "LI");
}

// Draw-part events carry a descriptor the handler may change, and the ext
// draw size a handler asks for is kept.
TEST_F(EventTest, draw_part_descriptor_can_change_what_is_drawn)
{
    lv_obj_t * obj = lv_obj_create(lv_scr_act());
    lv_obj_remove_style_all(obj);
    lv_obj_set_style_bg_opa(obj, LV_OPA_COVER, 0);
    lv_obj_set_style_bg_color(obj, lv_color_hex(0x0000FF), 0);
    lv_obj_set_pos(obj, 50, 50);
    lv_obj_set_size(obj, 40, 40);
    lv_obj_add_event_cb(obj, [](lv_event_t * e) {
        lv_obj_draw_part_dsc_t * dsc = lv_event_get_draw_part_dsc(e);
        if(dsc && dsc->part == LV_PART_MAIN && lv_obj_draw_part_check_type(dsc, &lv_obj_class, LV_OBJ_DRAW_PART_RECTANGLE)) {
            dsc->rect_dsc->bg_color = lv_color_hex(0x00FF00);
        }
    }, LV_EVENT_DRAW_PART_BEGIN, nullptr);
    lv_obj_add_event_cb(obj, [](lv_event_t * e) { lv_event_set_ext_draw_size(e, 9); }, LV_EVENT_REFR_EXT_DRAW_SIZE,
                        nullptr);
    lv_obj_refresh_ext_draw_size(obj);
    EXPECT_EQ(_lv_obj_get_ext_draw_size(obj), 9);
    display.refresh_now();
    EXPECT_EQ(display.pixel_rgb(70, 70), 0x00FF00u);
}

// Deleting: children go with the parent, asynchronous deletion happens on
// the next timer pass (once, even if asked twice), cleaning keeps the parent.
TEST_F(EventTest, delete_clean_and_async_delete)
{
    lv_obj_t * parent = lv_obj_create(lv_scr_act());
    lv_obj_t * kids[3];
    for(auto & k : kids) k = lv_label_create(parent);
    EXPECT_EQ(lv_obj_get_child_cnt(parent), 3u);
    EXPECT_EQ(lv_obj_get_index(kids[2]), 2u);
    EXPECT_EQ(lv_obj_get_child(parent, -1), kids[2]);
    EXPECT_EQ(lv_obj_get_child(parent, 3), nullptr);

    lv_obj_del_async(kids[1]);
    lv_obj_del_async(kids[1]);
    EXPECT_EQ(lv_obj_get_child_cnt(parent), 3u);
    display.advance(10);
    EXPECT_EQ(lv_obj_get_child_cnt(parent), 2u);
    EXPECT_EQ(lv_obj_get_index(kids[2]), 1u);

    // An object deleted before its asynchronous deletion runs is freed once
    lv_obj_del_async(kids[0]);
    lv_obj_del(kids[0]);
    display.advance(10);
    EXPECT_EQ(lv_obj_get_child_cnt(parent), 1u);

    lv_obj_clean(parent);
    EXPECT_EQ(lv_obj_get_child_cnt(parent), 0u);
    EXPECT_TRUE(lv_obj_is_valid(parent));

    int deleted = 0;
    lv_obj_t * c = lv_obj_create(parent);
    lv_obj_add_event_cb(c, [](lv_event_t * e) { (*static_cast<int *>(lv_event_get_user_data(e)))++; },
                        LV_EVENT_DELETE, &deleted);
    lv_obj_del(parent);
    EXPECT_EQ(deleted, 1);
}

TEST_F(EventTest, group_members_classes_and_focus_order)
{
    lv_group_t * g = lv_group_get_default();
    lv_obj_t * plain = lv_obj_create(lv_scr_act());
    lv_obj_t * b1 = lv_btn_create(lv_scr_act());
    lv_obj_t * b2 = lv_btn_create(lv_scr_act());
    EXPECT_EQ(lv_obj_get_group(plain), nullptr);     // plain objects are not group members
    EXPECT_EQ(lv_obj_get_group(b1), g);
    EXPECT_EQ(lv_group_get_obj_count(g), 2u);
    EXPECT_TRUE(lv_obj_check_type(b1, &lv_btn_class));
    EXPECT_TRUE(lv_obj_has_class(b1, &lv_obj_class));
    EXPECT_FALSE(lv_obj_check_type(b1, &lv_obj_class));
    EXPECT_EQ(lv_obj_get_class(plain), &lv_obj_class);

    EXPECT_EQ(lv_group_get_focused(g), b1);
    lv_group_focus_next(g);
    EXPECT_EQ(lv_group_get_focused(g), b2);
    lv_group_focus_next(g);
    EXPECT_EQ(lv_group_get_focused(g), b1);
    lv_group_focus_obj(b2);
    lv_group_remove_obj(b2);
    EXPECT_EQ(lv_group_get_focused(g), b1);
    lv_group_add_obj(g, plain);
    lv_obj_del(b1);
    EXPECT_EQ(lv_group_get_focused(g), plain);
}

}  // namespace
