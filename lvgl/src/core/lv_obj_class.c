/**
 * @file lv_obj_class.c
 * Building objects from their class descriptors.
 *
 * A class names its base. Whatever a class leaves zero (instance size,
 * editable, default group) is read from the nearest base that sets it, so
 * a widget descriptor lists only what differs from its base. Creation has
 * two steps so that a widget can fill its own fields in between:
 * lv_obj_class_create_obj allocates and links the object into the tree,
 * lv_obj_class_init_obj constructs it and gives it the theme's look.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_obj.h"
#include "lv_obj_private.h"
#include "lv_theme.h"
#include "../misc/lv_mem.h"

/*********************
 *      DEFINES
 *********************/
/*The deepest chain in the toolkit is three classes (slider, bar, obj); this leaves room*/
#define CLASS_CHAIN_MAX 16

/**********************
 *      TYPEDEFS
 **********************/
typedef uint32_t (*class_field_t)(const lv_obj_class_t * cls);

/**********************
 *  STATIC PROTOTYPES
 **********************/
static uint32_t field_of_chain(const lv_obj_class_t * cls, class_field_t field);
static uint32_t field_instance_size(const lv_obj_class_t * cls);
static uint32_t field_editable(const lv_obj_class_t * cls);
static uint32_t field_group_def(const lv_obj_class_t * cls);
static void construct(lv_obj_t * obj);
static void announce_to_parent(lv_obj_t * obj);

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

lv_obj_t * lv_obj_class_create_obj(const lv_obj_class_t * class_p, lv_obj_t * parent)
{
    uint32_t bytes = field_of_chain(class_p, field_instance_size);
    lv_obj_t * fresh = lv_mem_alloc(bytes);
    LV_ASSERT_MALLOC(fresh);
    if(fresh == NULL) return NULL;

    lv_memset_00(fresh, bytes);
    fresh->class_p = class_p;
    fresh->parent = parent;

    bool linked = parent ? _lv_obj_link_child(parent, fresh) : _lv_obj_link_screen(fresh);
    if(linked) return fresh;

    lv_mem_free(fresh);
    return NULL;
}

void lv_obj_class_init_obj(lv_obj_t * obj)
{
    lv_obj_mark_layout_as_dirty(obj);

    /*The theme runs first and sees the final class, so it can pick the
     *widget's look; the constructors may then override what it set. Both
     *add many styles, which end in a single refresh.*/
    lv_obj_enable_style_refresh(false);
    lv_theme_apply(obj);
    construct(obj);
    lv_obj_enable_style_refresh(true);
    lv_obj_refresh_style(obj, LV_PART_ANY, LV_STYLE_PROP_ANY);

    lv_obj_refresh_self_size(obj);

    lv_group_t * group = lv_group_get_default();
    if(group != NULL && lv_obj_is_group_def(obj)) lv_group_add_obj(group, obj);

    announce_to_parent(obj);
}

/*
 * Destructors run from the object's own class down to lv_obj_class. class_p
 * walks down with them: once a class's destructor has run, its data is gone,
 * and an event sent by a base destructor must not be handled by it.
 */
void _lv_obj_destruct(lv_obj_t * obj)
{
    for(;;) {
        const lv_obj_class_t * now = obj->class_p;
        if(now == NULL) return;
        if(now->destructor_cb) now->destructor_cb(now, obj);
        if(now->base_class == NULL) return;
        obj->class_p = now->base_class;
    }
}

bool lv_obj_is_editable(lv_obj_t * obj)
{
    return field_of_chain(obj->class_p, field_editable) == LV_OBJ_CLASS_EDITABLE_TRUE;
}

bool lv_obj_is_group_def(lv_obj_t * obj)
{
    return field_of_chain(obj->class_p, field_group_def) == LV_OBJ_CLASS_GROUP_DEF_TRUE;
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

/* Zero means "as my base" for every inherited field, so the first non-zero one decides. */
static uint32_t field_of_chain(const lv_obj_class_t * cls, class_field_t field)
{
    for(const lv_obj_class_t * c = cls; c != NULL; c = c->base_class) {
        uint32_t v = field(c);
        if(v != 0) return v;
    }
    return 0;
}

static uint32_t field_instance_size(const lv_obj_class_t * cls)
{
    return cls->instance_size;
}

static uint32_t field_editable(const lv_obj_class_t * cls)
{
    return cls->editable;
}

static uint32_t field_group_def(const lv_obj_class_t * cls)
{
    return cls->group_def;
}

/*
 * Constructors run base class first, each with class_p set to its own
 * class: a base constructor that sends an event reaches only handlers whose
 * data already exists. class_p ends on the object's own class.
 */
static void construct(lv_obj_t * obj)
{
    const lv_obj_class_t * chain[CLASS_CHAIN_MAX];
    uint32_t depth = 0;
    for(const lv_obj_class_t * c = obj->class_p; c != NULL && depth < CLASS_CHAIN_MAX; c = c->base_class) {
        chain[depth++] = c;
    }
    LV_ASSERT(depth < CLASS_CHAIN_MAX);

    while(depth > 0) {
        const lv_obj_class_t * step = chain[--depth];
        obj->class_p = step;
        if(step->constructor_cb) step->constructor_cb(step, obj);
    }
}

/* A new child changes the parent's content and maybe its layout; a new screen waits until it is loaded. */
static void announce_to_parent(lv_obj_t * obj)
{
    if(obj->parent == NULL) return;
    _lv_obj_report_child(obj->parent, obj, LV_EVENT_CHILD_CREATED);
    lv_obj_invalidate(obj);
}
