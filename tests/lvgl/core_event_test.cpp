// Events: callbacks and filters, deletion inside a handler, bubbling,
// draw-part descriptors, object deletion.
#include "test_display.h"

#include <algorithm>
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

// Early handlers (LV_EVENT_PREPROCESS) see the object before its class
// handled the event, the others after: the class handler is what adds the
// pressed state on LV_EVENT_PRESSED.
TEST_F(EventTest, early_handlers_run_before_the_class_handler_and_the_others_after)
{
    std::string t;
    trace = &t;
    lv_obj_t * btn = lv_btn_create(lv_scr_act());
    auto record_state = [](lv_event_t * e) {
        /*The class handler's state change sends events of its own*/
        if(lv_event_get_code(e) != LV_EVENT_PRESSED) return;
        *trace += lv_obj_has_state(lv_event_get_target(e), LV_STATE_PRESSED) ? "P" : "-";
    };
    lv_obj_add_event_cb(btn, record_state, LV_EVENT_PRESSED, nullptr);
    lv_obj_add_event_cb(btn, record_state, (lv_event_code_t)(LV_EVENT_PRESSED | LV_EVENT_PREPROCESS), nullptr);
    lv_obj_add_event_cb(btn, record_state, (lv_event_code_t)(LV_EVENT_ALL | LV_EVENT_PREPROCESS), nullptr);
    lv_event_send(btn, LV_EVENT_PRESSED, nullptr);
    EXPECT_EQ(t, "--P");
}

TEST_F(EventTest, stopping_the_processing_ends_the_handlers_and_the_bubbling)
{
    std::string t;
    trace = &t;
    lv_obj_t * parent = lv_obj_create(lv_scr_act());
    lv_obj_t * child = lv_obj_create(parent);
    lv_obj_add_flag(child, LV_OBJ_FLAG_EVENT_BUBBLE);
    lv_obj_add_event_cb(parent, note, LV_EVENT_VALUE_CHANGED, const_cast<char *>("parent"));
    lv_obj_add_event_cb(child, [](lv_event_t * e) {
        *trace += "first ";
        lv_event_stop_processing(e);
    }, LV_EVENT_VALUE_CHANGED, nullptr);
    lv_obj_add_event_cb(child, note, LV_EVENT_VALUE_CHANGED, const_cast<char *>("second"));
    EXPECT_EQ(lv_event_send(child, LV_EVENT_VALUE_CHANGED, nullptr), LV_RES_OK);
    EXPECT_EQ(t, "first ");

    // Deleting the object and stopping in the same handler still reports the deletion
    lv_obj_add_event_cb(child, [](lv_event_t * e) {
        lv_event_stop_processing(e);
        lv_obj_del(lv_event_get_target(e));
    }, LV_EVENT_CLICKED, nullptr);
    EXPECT_EQ(lv_event_send(child, LV_EVENT_CLICKED, nullptr), LV_RES_INV);
    EXPECT_EQ(lv_obj_get_child_cnt(parent), 0u);
}

// Which events reach the parent of an object with and without the bubble flag.
TEST_F(EventTest, some_codes_always_reach_the_parents_and_some_never_do)
{
    static int parent_heard;
    const uint32_t custom = lv_event_register_id();
    EXPECT_GE(custom, (uint32_t)_LV_EVENT_LAST);
    EXPECT_EQ(lv_event_register_id(), custom + 1);

    struct Case {
        uint32_t code;
        bool bubble_flag;
        bool parent_hears;
    };
    const Case cases[] = {
        {LV_EVENT_CLICKED, false, false},
        {LV_EVENT_CLICKED, true, true},
        {LV_EVENT_CHILD_CREATED, false, true},
        {LV_EVENT_CHILD_DELETED, false, true},
        {LV_EVENT_DELETE, true, false},
        {LV_EVENT_SIZE_CHANGED, true, false},
        {LV_EVENT_DRAW_MAIN, true, false},
        {LV_EVENT_COVER_CHECK, true, false},
        {LV_EVENT_VALUE_CHANGED, true, true},
        {custom, false, false},
        {custom, true, true},
    };
    for(const Case & c : cases) {
        SCOPED_TRACE(testing::Message() << "code " << c.code << (c.bubble_flag ? " with" : " without") << " flag");
        lv_obj_t * parent = lv_obj_create(lv_scr_act());
        lv_obj_t * child = lv_obj_create(parent);
        if(c.bubble_flag) lv_obj_add_flag(child, LV_OBJ_FLAG_EVENT_BUBBLE);
        parent_heard = 0;
        lv_obj_add_event_cb(parent, [](lv_event_t *) { parent_heard++; }, (lv_event_code_t)c.code, nullptr);
        /*The parameter the drawing and cover events expect, so the class handlers can run*/
        lv_area_t area = {0, 0, 10, 10};
        lv_cover_check_info_t cover = {LV_COVER_RES_COVER, &area};
        lv_event_send(child, (lv_event_code_t)c.code,
                      c.code == LV_EVENT_COVER_CHECK ? (void *)&cover
                      : c.code == LV_EVENT_SIZE_CHANGED ? (void *)&area : display.disp->driver->draw_ctx);
        EXPECT_EQ(parent_heard > 0, c.parent_hears);
        lv_obj_del(parent);
    }
}

// The typed getters hand out the parameter only for the codes that define it.
TEST_F(EventTest, parameter_getters_answer_only_for_their_own_codes)
{
    static uint32_t key;
    static bool in_key_event;
    lv_obj_t * obj = lv_obj_create(lv_scr_act());
    lv_obj_add_event_cb(obj, [](lv_event_t * e) {
        /*The library sends drawing and layout events of its own meanwhile*/
        if(lv_event_get_code(e) != LV_EVENT_KEY && lv_event_get_code(e) != LV_EVENT_VALUE_CHANGED) return;
        bool is_key = lv_event_get_code(e) == LV_EVENT_KEY;
        in_key_event = is_key;
        key = lv_event_get_key(e);
        EXPECT_EQ(lv_event_get_indev(e) != nullptr, lv_event_get_param(e) != nullptr && is_key);
        EXPECT_EQ(lv_event_get_draw_ctx(e), nullptr);
        EXPECT_EQ(lv_event_get_cover_area(e), nullptr);
        EXPECT_EQ(lv_event_get_old_size(e), nullptr);
        EXPECT_EQ(lv_event_get_hit_test_info(e), nullptr);
    }, LV_EVENT_ALL, nullptr);

    uint32_t sent = 'k';
    lv_event_send(obj, LV_EVENT_KEY, &sent);
    EXPECT_TRUE(in_key_event);
    EXPECT_EQ(key, sent);
    lv_event_send(obj, LV_EVENT_VALUE_CHANGED, &sent);
    EXPECT_EQ(key, 0u) << "a value-changed parameter is not a key";

    // SCROLL_BEGIN carries the scroll animation: it must not pass for a device
    static lv_indev_t * indev_seen;
    static lv_anim_t * anim_seen;
    lv_obj_add_event_cb(obj, [](lv_event_t * e) {
        indev_seen = lv_event_get_indev(e);
        anim_seen = lv_event_get_scroll_anim(e);
    }, LV_EVENT_SCROLL_BEGIN, nullptr);
    lv_anim_t scroll_anim;
    lv_anim_init(&scroll_anim);
    lv_event_send(obj, LV_EVENT_SCROLL_BEGIN, &scroll_anim);
    EXPECT_EQ(indev_seen, nullptr);
    EXPECT_EQ(anim_seen, &scroll_anim);

    // Extra draw size: handlers may only raise it
    lv_obj_add_event_cb(obj, [](lv_event_t * e) { lv_event_set_ext_draw_size(e, 4); }, LV_EVENT_REFR_EXT_DRAW_SIZE,
                        nullptr);
    lv_coord_t size = 7;
    lv_event_send(obj, LV_EVENT_REFR_EXT_DRAW_SIZE, &size);
    EXPECT_EQ(size, 7);

    // Cover check: the most cautious answer stands
    lv_obj_add_event_cb(obj, [](lv_event_t * e) {
        EXPECT_NE(lv_event_get_cover_area(e), nullptr);
        lv_event_set_cover_res(e, LV_COVER_RES_NOT_COVER);
        lv_event_set_cover_res(e, LV_COVER_RES_COVER);
    }, LV_EVENT_COVER_CHECK, nullptr);
    lv_area_t area = {0, 0, 1, 1};
    lv_cover_check_info_t info = {LV_COVER_RES_COVER, &area};
    lv_event_send(obj, LV_EVENT_COVER_CHECK, &info);
    EXPECT_EQ(info.res, LV_COVER_RES_NOT_COVER);
}

TEST_F(EventTest, handler_entries_can_be_found_removed_and_are_capped)
{
    static int runs;
    runs = 0;
    lv_obj_t * obj = lv_obj_create(lv_scr_act());
    lv_event_cb_t count = [](lv_event_t *) { runs++; };

    lv_obj_add_event_cb(obj, count, LV_EVENT_CLICKED, &runs);
    struct _lv_event_dsc_t * second = lv_obj_add_event_cb(obj, note, LV_EVENT_CLICKED, nullptr);
    EXPECT_EQ(lv_obj_get_event_user_data(obj, count), &runs);
    EXPECT_EQ(lv_obj_get_event_user_data(obj, nullptr), nullptr) << "NULL is no wildcard when reading user data";
    EXPECT_TRUE(lv_obj_remove_event_dsc(obj, second));
    EXPECT_FALSE(lv_obj_remove_event_dsc(obj, second));
    EXPECT_FALSE(lv_obj_remove_event_dsc(obj, nullptr));
    EXPECT_EQ(lv_obj_get_event_user_data(obj, count), &runs) << "the other handler stays";
    EXPECT_TRUE(lv_obj_remove_event_cb(obj, nullptr)) << "NULL removes the first handler, whatever it is";
    EXPECT_FALSE(lv_obj_remove_event_cb(obj, nullptr));

    // The count is 6 bits: the 64th handler is refused and the others stay
    int added = 0;
    while(lv_obj_add_event_cb(obj, count, LV_EVENT_CLICKED, nullptr) != nullptr) added++;
    EXPECT_EQ(added, 63);
    lv_event_send(obj, LV_EVENT_CLICKED, nullptr);
    EXPECT_EQ(runs, 63);
}

// The input device's feedback callback hears the events it causes.
TEST_F(EventTest, the_feedback_callback_hears_the_events_a_device_causes)
{
    static std::vector<uint8_t> heard;
    heard.clear();
    display.pointer_drv.feedback_cb = [](lv_indev_drv_t *, uint8_t code) { heard.push_back(code); };
    lv_obj_t * btn = lv_btn_create(lv_scr_act());
    lv_obj_set_size(btn, 100, 50);
    display.click(20, 20);
    auto heard_code = [](lv_event_code_t c) { return std::find(heard.begin(), heard.end(), c) != heard.end(); };
    EXPECT_TRUE(heard_code(LV_EVENT_PRESSED));
    EXPECT_TRUE(heard_code(LV_EVENT_CLICKED));
    heard.clear();
    lv_event_send(btn, LV_EVENT_CLICKED, nullptr);
    EXPECT_TRUE(heard.empty()) << "an event sent by the program involves no device";
    display.pointer_drv.feedback_cb = nullptr;
}

}  // namespace
