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
