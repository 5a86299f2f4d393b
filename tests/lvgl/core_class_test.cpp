// Widget classes: the constructor and destructor chains, what a class
// leaves zero being taken from its base, and default group membership.
#include "test_display.h"

#include <string>
#include <vector>

namespace {

std::vector<std::string> journal;

// A three-level chain: leaf extends mid extends lv_obj. Each step records
// itself and which class the object claimed to be while it ran.
struct MidObj {
    lv_obj_t base;
    int mid_value;
};
struct LeafObj {
    MidObj mid;
    int leaf_value;
};

lv_obj_class_t mid_class;
lv_obj_class_t leaf_class;

std::string who(const lv_obj_t * obj)
{
    if(obj->class_p == &leaf_class) return "leaf";
    if(obj->class_p == &mid_class) return "mid";
    if(obj->class_p == &lv_obj_class) return "obj";
    return "?";
}

void mid_ctor(const lv_obj_class_t *, lv_obj_t * obj)
{
    journal.push_back("mid ctor as " + who(obj));
    reinterpret_cast<MidObj *>(obj)->mid_value = 7;
}
void mid_dtor(const lv_obj_class_t *, lv_obj_t * obj) { journal.push_back("mid dtor as " + who(obj)); }
void leaf_ctor(const lv_obj_class_t *, lv_obj_t * obj)
{
    journal.push_back("leaf ctor as " + who(obj));
    reinterpret_cast<LeafObj *>(obj)->leaf_value = reinterpret_cast<MidObj *>(obj)->mid_value * 2;
}
void leaf_dtor(const lv_obj_class_t *, lv_obj_t * obj) { journal.push_back("leaf dtor as " + who(obj)); }

// Fields left zero (editable, group_def, sizes, and the leaf's instance size
// when it adds nothing) come from the nearest base that sets them.
void define_classes()
{
    mid_class = lv_obj_class_t{};
    mid_class.base_class = &lv_obj_class;
    mid_class.constructor_cb = mid_ctor;
    mid_class.destructor_cb = mid_dtor;
    mid_class.width_def = 40;
    mid_class.editable = LV_OBJ_CLASS_EDITABLE_TRUE;
    mid_class.group_def = LV_OBJ_CLASS_GROUP_DEF_TRUE;
    mid_class.instance_size = sizeof(LeafObj);

    leaf_class = lv_obj_class_t{};
    leaf_class.base_class = &mid_class;
    leaf_class.constructor_cb = leaf_ctor;
    leaf_class.destructor_cb = leaf_dtor;
}

lv_obj_t * make(const lv_obj_class_t * cls, lv_obj_t * parent)
{
    lv_obj_t * obj = lv_obj_class_create_obj(cls, parent);
    if(obj) lv_obj_class_init_obj(obj);
    return obj;
}

class ClassTest : public DisplayTest {
protected:
    void SetUp() override
    {
        DisplayTest::SetUp();
        define_classes();
        journal.clear();
    }
};

TEST_F(ClassTest, constructors_run_base_first_and_destructors_derived_first)
{
    lv_obj_t * obj = make(&leaf_class, lv_scr_act());
    ASSERT_NE(obj, nullptr);
    const std::vector<std::string> built = {"mid ctor as mid", "leaf ctor as leaf"};
    EXPECT_EQ(journal, built);
    EXPECT_EQ(reinterpret_cast<LeafObj *>(obj)->leaf_value, 14);
    EXPECT_EQ(lv_obj_get_class(obj), &leaf_class);

    journal.clear();
    lv_obj_del(obj);
    const std::vector<std::string> torn_down = {"leaf dtor as leaf", "mid dtor as mid"};
    EXPECT_EQ(journal, torn_down);
}

TEST_F(ClassTest, unset_class_fields_are_inherited_from_the_nearest_base_that_sets_them)
{
    lv_obj_t * leaf = make(&leaf_class, lv_scr_act());
    lv_obj_t * plain = lv_obj_create(lv_scr_act());

    struct Case {
        const char * what;
        bool got;
        bool want;
    };
    const Case cases[] = {
        {"leaf is editable like mid", lv_obj_is_editable(leaf), true},
        {"a plain object is not editable", lv_obj_is_editable(plain), false},
        {"leaf joins the default group like mid", lv_obj_is_group_def(leaf), true},
        {"a plain object stays out of groups", lv_obj_is_group_def(plain), false},
        {"leaf has the mid class", lv_obj_has_class(leaf, &mid_class), true},
        {"leaf has the base class", lv_obj_has_class(leaf, &lv_obj_class), true},
        {"leaf is not exactly mid", lv_obj_check_type(leaf, &mid_class), false},
        {"a plain object is no leaf", lv_obj_has_class(plain, &leaf_class), false},
        {"the default group got the leaf", lv_obj_get_group(leaf) == lv_group_get_default(), true},
        {"the plain object has no group", lv_obj_get_group(plain) == nullptr, true},
    };
    for(const Case & c : cases) EXPECT_EQ(c.got, c.want) << c.what;

    // Width from mid, height from lv_obj (mid leaves it zero)
    EXPECT_EQ(lv_obj_get_width(leaf), 40);
    EXPECT_EQ(lv_obj_get_height(leaf), LV_DPI_DEF);
}

TEST_F(ClassTest, a_new_child_reports_itself_to_its_parent_and_a_new_screen_has_the_display_size)
{
    lv_obj_t * parent = lv_obj_create(lv_scr_act());
    EventLog log;
    log.attach(parent);
    lv_obj_t * child = lv_obj_create(parent);

    const std::vector<lv_event_code_t> want = {LV_EVENT_CHILD_CHANGED, LV_EVENT_CHILD_CREATED};
    std::vector<lv_event_code_t> got;
    for(lv_event_code_t c : log.codes) {
        if(c == LV_EVENT_CHILD_CHANGED || c == LV_EVENT_CHILD_CREATED) got.push_back(c);
    }
    EXPECT_EQ(got, want);
    EXPECT_EQ(lv_obj_get_parent(child), parent);

    lv_obj_t * scr = lv_obj_create(nullptr);
    lv_area_t a;
    lv_obj_get_coords(scr, &a);
    EXPECT_EQ(lv_area_get_width(&a), 480);
    EXPECT_EQ(lv_area_get_height(&a), 320);
    EXPECT_EQ(lv_obj_get_disp(scr), display.disp);
    EXPECT_FALSE(lv_obj_has_flag(scr, LV_OBJ_FLAG_PRESS_LOCK));  // nobody above it
    EXPECT_TRUE(lv_obj_has_flag(child, LV_OBJ_FLAG_PRESS_LOCK));
}

}  // namespace

namespace {

class BaseObjTest : public DisplayTest {};

// Keys on a checkable object: right/up check, left/down uncheck, and
// VALUE_CHANGED comes only when the state really changed.
TEST_F(BaseObjTest, arrow_keys_check_and_uncheck_and_report_only_real_changes)
{
    struct Case {
        bool checked_before;
        uint32_t key;
        bool checked_after;
        int changes;
    };
    const Case cases[] = {
        {false, LV_KEY_RIGHT, true, 1},
        {false, LV_KEY_UP, true, 1},
        {true, LV_KEY_RIGHT, true, 0},
        {true, LV_KEY_LEFT, false, 1},
        {true, LV_KEY_DOWN, false, 1},
        {false, LV_KEY_DOWN, false, 0},
        {false, 'a', false, 0},
    };
    for(const Case & c : cases) {
        lv_obj_t * obj = lv_obj_create(lv_scr_act());
        lv_obj_add_flag(obj, LV_OBJ_FLAG_CHECKABLE);
        if(c.checked_before) lv_obj_add_state(obj, LV_STATE_CHECKED);
        int changes = 0;
        lv_obj_add_event_cb(obj, [](lv_event_t * e) { (*static_cast<int *>(lv_event_get_user_data(e)))++; },
                            LV_EVENT_VALUE_CHANGED, &changes);
        uint32_t key = c.key;
        lv_event_send(obj, LV_EVENT_KEY, &key);
        EXPECT_EQ(lv_obj_has_state(obj, LV_STATE_CHECKED), c.checked_after) << "key " << c.key;
        EXPECT_EQ(changes, c.changes) << "key " << c.key;
        lv_obj_del(obj);
    }
}

// A click toggles a checkable object; a drag that scrolls its parent does not.
TEST_F(BaseObjTest, a_click_toggles_a_checkable_object_but_a_scroll_does_not)
{
    lv_obj_t * cont = lv_obj_create(lv_scr_act());
    lv_obj_remove_style_all(cont);
    lv_obj_set_size(cont, 200, 200);
    lv_obj_t * filler = lv_obj_create(cont);
    lv_obj_set_size(filler, 10, 600);
    lv_obj_t * toggle = lv_obj_create(cont);
    lv_obj_remove_style_all(toggle);
    lv_obj_set_size(toggle, 150, 150);
    lv_obj_add_flag(toggle, LV_OBJ_FLAG_CHECKABLE);
    lv_obj_clear_flag(toggle, LV_OBJ_FLAG_SCROLLABLE);
    display.advance(20);

    display.click(75, 75);
    EXPECT_TRUE(lv_obj_has_state(toggle, LV_STATE_CHECKED));
    EXPECT_FALSE(lv_obj_has_state(toggle, LV_STATE_PRESSED));

    display.press(75, 120);
    for(lv_coord_t y = 110; y >= 40; y -= 10) display.move(75, y);
    display.release();
    display.advance(600);
    EXPECT_GT(lv_obj_get_scroll_y(cont), 0);
    EXPECT_TRUE(lv_obj_has_state(toggle, LV_STATE_CHECKED));
}

// Hiding a child or taking it out of the layout changes what its parent
// measures and places; showing it again brings it back.
TEST_F(BaseObjTest, hidden_ignored_and_floating_children_leave_the_parent_layout)
{
    lv_obj_t * row = lv_obj_create(lv_scr_act());
    lv_obj_remove_style_all(row);
    lv_obj_set_size(row, LV_SIZE_CONTENT, 40);
    lv_obj_set_flex_flow(row, LV_FLEX_FLOW_ROW);
    lv_obj_t * items[3];
    for(auto & it : items) {
        it = lv_obj_create(row);
        lv_obj_set_size(it, 50, 20);
    }
    EXPECT_EQ(lv_obj_get_width(row), 150);

    struct Case {
        lv_obj_flag_t flag;
        lv_coord_t width_without;
    };
    // Left out, the middle item stops pushing the last one; a container
    // sized by its content shrinks to what the layout now uses
    const Case cases[] = {
        {LV_OBJ_FLAG_HIDDEN, 100},
        {LV_OBJ_FLAG_FLOATING, 100},
        {LV_OBJ_FLAG_IGNORE_LAYOUT, 100},   // stays where it was, over the last item
    };
    for(const Case & c : cases) {
        lv_obj_add_flag(items[1], c.flag);
        EXPECT_FALSE(lv_obj_is_layout_positioned(items[1])) << "flag " << c.flag;
        EXPECT_EQ(lv_obj_get_width(row), c.width_without) << "flag " << c.flag;
        EXPECT_EQ(lv_obj_get_x(items[2]), 50) << "flag " << c.flag;
        lv_obj_clear_flag(items[1], c.flag);
        EXPECT_TRUE(lv_obj_is_layout_positioned(items[1]));
        EXPECT_EQ(lv_obj_get_width(row), 150);
        EXPECT_EQ(lv_obj_get_x(items[2]), 100);
    }
}

// A state whose styles add an outline grows the area drawn around the
// object; leaving it shrinks the area again.
TEST_F(BaseObjTest, a_state_with_an_outline_grows_the_drawn_area)
{
    lv_obj_t * obj = lv_obj_create(lv_scr_act());
    lv_obj_remove_style_all(obj);
    lv_obj_set_style_outline_width(obj, 4, LV_STATE_FOCUSED);
    lv_obj_set_style_outline_pad(obj, 3, LV_STATE_FOCUSED);
    lv_obj_set_style_outline_opa(obj, LV_OPA_COVER, LV_STATE_FOCUSED);
    EXPECT_EQ(_lv_obj_get_ext_draw_size(obj), 0);
    lv_obj_add_state(obj, LV_STATE_FOCUSED);
    EXPECT_EQ(_lv_obj_get_ext_draw_size(obj), 7);
    lv_obj_clear_state(obj, LV_STATE_FOCUSED);
    EXPECT_EQ(_lv_obj_get_ext_draw_size(obj), 0);
}

}  // namespace
