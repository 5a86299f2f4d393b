/**
 * @file lv_obj_class.h
 * Widget classes: a constant descriptor per widget type chained to its base.
 */

#ifndef LV_OBJ_CLASS_H
#define LV_OBJ_CLASS_H

#ifdef __cplusplus
extern "C" {
#endif

/*********************
 *      INCLUDES
 *********************/
#include <stdint.h>
#include <stdbool.h>

/**********************
 *      TYPEDEFS
 **********************/

struct _lv_obj_t;
struct _lv_obj_class_t;
struct _lv_event_t;

typedef enum {
    LV_OBJ_CLASS_EDITABLE_INHERIT,      /**< Ask the base class; zero so a class that leaves the field out inherits*/
    LV_OBJ_CLASS_EDITABLE_TRUE,
    LV_OBJ_CLASS_EDITABLE_FALSE,
} lv_obj_class_editable_t;

typedef enum {
    LV_OBJ_CLASS_GROUP_DEF_INHERIT,      /**< Ask the base class; zero so a class that leaves the field out inherits*/
    LV_OBJ_CLASS_GROUP_DEF_TRUE,
    LV_OBJ_CLASS_GROUP_DEF_FALSE,
} lv_obj_class_group_def_t;

typedef void (*lv_obj_class_event_cb_t)(struct _lv_obj_class_t * class_p, struct _lv_event_t * e);

/**
 * One widget type: its constructor, destructor and event handler, its default
 * size and instance size, chained to the type it extends. Fields left zero
 * are taken from the base class.
 */
typedef struct _lv_obj_class_t {
    const struct _lv_obj_class_t * base_class;
    void (*constructor_cb)(const struct _lv_obj_class_t * class_p, struct _lv_obj_t * obj);
    void (*destructor_cb)(const struct _lv_obj_class_t * class_p, struct _lv_obj_t * obj);
#if LV_USE_USER_DATA
    void * user_data;
#endif
    void (*event_cb)(const struct _lv_obj_class_t * class_p,
                     struct _lv_event_t * e);  /**< Handles the events of this type, then usually calls the base*/
    lv_coord_t width_def;
    lv_coord_t height_def;
    uint32_t editable : 2;             /**< takes an encoder's edit mode: an lv_obj_class_editable_t*/
    uint32_t group_def : 2;            /**< joins the default group when made: an lv_obj_class_group_def_t*/
    uint32_t instance_size : 16;
} lv_obj_class_t;

/**********************
 * GLOBAL PROTOTYPES
 **********************/

/**
 * Allocate a zeroed object of a class and link it under its parent.
 * @param class_p   the widget type
 * @param parent    the new object's parent; NULL makes a screen of the default display
 * @return          the new, not yet constructed object, or NULL when out of memory
 */
struct _lv_obj_t * lv_obj_class_create_obj(const struct _lv_obj_class_t * class_p, struct _lv_obj_t * parent);

/**
 * Run the constructors of the class chain, apply the theme and join the
 * default group if the class asks for it.
 */
void lv_obj_class_init_obj(struct _lv_obj_t * obj);

/** Run the destructors of the class chain, the object's own type first.*/
void _lv_obj_destruct(struct _lv_obj_t * obj);

/**
 * @param obj   an object
 * @return      true if its type (or the nearest base that says) takes edit mode from an encoder
 */
bool lv_obj_is_editable(struct _lv_obj_t * obj);

/**
 * @param obj   an object
 * @return      true if its type (or the nearest base that says) joins the default group on creation
 */
bool lv_obj_is_group_def(struct _lv_obj_t * obj);

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_OBJ_CLASS_H*/
