/**
 * @file lv_obj_class.c
 * Creating objects from class descriptors and running their constructor and
 * destructor chains.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_obj.h"
#include "lv_disp.h"
#include "lv_theme.h"
#include "../misc/lv_mem.h"

/**********************
 *  STATIC PROTOTYPES
 **********************/
static bool add_as_screen(lv_obj_t * obj);
static bool add_as_child(lv_obj_t * parent, lv_obj_t * obj);
static void run_constructors(lv_obj_t * obj);
static uint32_t get_instance_size(const lv_obj_class_t * class_p);

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

/**
 * Allocate an object of `class_p` and hook it into the tree: a NULL parent
 * makes a screen of the default display. The constructors do not run yet;
 * lv_obj_class_init_obj does that, so a widget can set fields in between.
 */
lv_obj_t * lv_obj_class_create_obj(const lv_obj_class_t * class_p, lv_obj_t * parent)
{
    uint32_t size = get_instance_size(class_p);
    lv_obj_t * obj = lv_mem_alloc(size);
    LV_ASSERT_MALLOC(obj);
    if(obj == NULL) return NULL;
    lv_memset_00(obj, size);
    obj->class_p = class_p;
    obj->parent = parent;

    bool linked = parent ? add_as_child(parent, obj) : add_as_screen(obj);
    if(!linked) {
        lv_mem_free(obj);
        return NULL;
    }
    return obj;
}

/**
 * Finish an object: constructors (base class first), the theme, a first style refresh, the default group if the class
 * asks for it, and the parent's child events.
 */
void lv_obj_class_init_obj(lv_obj_t * obj)
{
    lv_obj_mark_layout_as_dirty(obj);

    /*Theme styles and constructor settings land in one refresh below rather
     *than one per added style*/
    lv_obj_enable_style_refresh(false);
    lv_theme_apply(obj);
    run_constructors(obj);
    lv_obj_enable_style_refresh(true);
    lv_obj_refresh_style(obj, LV_PART_ANY, LV_STYLE_PROP_ANY);

    lv_obj_refresh_self_size(obj);

    lv_group_t * def_group = lv_group_get_default();
    if(def_group && lv_obj_is_group_def(obj)) {
        lv_group_add_obj(def_group, obj);
    }

    lv_obj_t * parent = lv_obj_get_parent(obj);
    if(parent == NULL) return; /*a new screen is drawn when it is loaded*/

    /*CHILD_CHANGED lets the parent redo its layout and content size*/
    lv_event_send(parent, LV_EVENT_CHILD_CHANGED, obj);
    lv_event_send(parent, LV_EVENT_CHILD_CREATED, obj);
    lv_obj_invalidate(obj);
}

void _lv_obj_destruct(lv_obj_t * obj)
{
    /*Walk from the object's own type down to lv_obj. class_p follows along so
     *that a base destructor never dispatches into the derived type, whose
     *data is already gone.*/
    while(obj->class_p) {
        const lv_obj_class_t * cls = obj->class_p;
        if(cls->destructor_cb) cls->destructor_cb(cls, obj);
        if(cls->base_class == NULL) break;
        obj->class_p = cls->base_class;
    }
}

bool lv_obj_is_editable(lv_obj_t * obj)
{
    const lv_obj_class_t * cls = obj->class_p;
    while(cls && cls->editable == LV_OBJ_CLASS_EDITABLE_INHERIT) cls = cls->base_class;

    return cls != NULL && cls->editable == LV_OBJ_CLASS_EDITABLE_TRUE;
}

bool lv_obj_is_group_def(lv_obj_t * obj)
{
    const lv_obj_class_t * cls = obj->class_p;
    while(cls && cls->group_def == LV_OBJ_CLASS_GROUP_DEF_INHERIT) cls = cls->base_class;

    return cls != NULL && cls->group_def == LV_OBJ_CLASS_GROUP_DEF_TRUE;
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

/* Append `obj` to the default display's screens and size it to the display. */
static bool add_as_screen(lv_obj_t * obj)
{
    lv_disp_t * disp = lv_disp_get_default();
    if(disp == NULL) return false;

    lv_obj_t ** screens = lv_mem_realloc(disp->screens, sizeof(lv_obj_t *) * (disp->screen_cnt + 1));
    LV_ASSERT_MALLOC(screens);
    if(screens == NULL) return false;
    disp->screens = screens;
    disp->screens[disp->screen_cnt] = obj;
    disp->screen_cnt++;

    obj->coords.x1 = 0;
    obj->coords.y1 = 0;
    obj->coords.x2 = lv_disp_get_hor_res(NULL) - 1;
    obj->coords.y2 = lv_disp_get_ver_res(NULL) - 1;
    return true;
}

/* Append `obj` as the last child of `parent`. */
static bool add_as_child(lv_obj_t * parent, lv_obj_t * obj)
{
    if(parent->spec_attr == NULL) {
        lv_obj_allocate_spec_attr(parent);
    }
    _lv_obj_spec_attr_t * attr = parent->spec_attr;
    lv_obj_t ** children = lv_mem_realloc(attr->children, sizeof(lv_obj_t *) * (attr->child_cnt + 1));
    LV_ASSERT_MALLOC(children);
    if(children == NULL) return false;
    attr->children = children;
    attr->children[attr->child_cnt] = obj;
    attr->child_cnt++;
    return true;
}

/*
 * Constructors run base first. While a base constructor runs, class_p points
 * at that base, so events it sends do not reach the derived type's handler
 * before the derived constructor has set up its data.
 */
static void run_constructors_up_to(lv_obj_t * obj, const lv_obj_class_t * cls)
{
    if(cls->base_class) run_constructors_up_to(obj, cls->base_class);

    obj->class_p = cls;
    if(cls->constructor_cb) cls->constructor_cb(cls, obj);
}

static void run_constructors(lv_obj_t * obj)
{
    run_constructors_up_to(obj, obj->class_p);
}

/* The instance size of the nearest class in the chain that sets one (lv_obj always does). */
static uint32_t get_instance_size(const lv_obj_class_t * class_p)
{
    const lv_obj_class_t * cls = class_p;
    while(cls && cls->instance_size == 0) cls = cls->base_class;

    return cls ? cls->instance_size : 0;
}
