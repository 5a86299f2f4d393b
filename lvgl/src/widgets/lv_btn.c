/**
 * @file lv_btn.c
 * Button widget: a base object that is clickable, not scrollable and a
 * member of the default group.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_btn.h"
#if LV_USE_BTN != 0

#include "../core/lv_group.h"

/*********************
 *      DEFINES
 *********************/
#define MY_CLASS &lv_btn_class

/**********************
 *  STATIC PROTOTYPES
 **********************/
static void btn_constructor(const lv_obj_class_t * class_p, lv_obj_t * obj);

/**********************
 *  STATIC VARIABLES
 **********************/
const lv_obj_class_t lv_btn_class  = {
    .constructor_cb = btn_constructor,
    .width_def = LV_SIZE_CONTENT,
    .height_def = LV_SIZE_CONTENT,
    .group_def = LV_OBJ_CLASS_GROUP_DEF_TRUE,
    .instance_size = sizeof(lv_btn_t),
    .base_class = &lv_obj_class
};

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

lv_obj_t * lv_btn_create(lv_obj_t * parent)
{
    lv_obj_t * obj = lv_obj_class_create_obj(MY_CLASS, parent);
    if(obj == NULL) return NULL;
    lv_obj_class_init_obj(obj);
    return obj;
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

/* A button holds a label or two, never enough to scroll; in a group it comes into view when focused. */
static void btn_constructor(const lv_obj_class_t * class_p, lv_obj_t * obj)
{
    LV_UNUSED(class_p);

    lv_obj_clear_flag(obj, LV_OBJ_FLAG_SCROLLABLE);
    lv_obj_add_flag(obj, LV_OBJ_FLAG_SCROLL_ON_FOCUS);
}

#endif
