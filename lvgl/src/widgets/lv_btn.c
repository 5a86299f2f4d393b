/**
 * @file lv_btn.c
 * Button: a plain object that takes clicks and joins the default group. Its
 * look (and its label, if any) comes from the theme and the application.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_btn.h"
#if LV_USE_BTN != 0

/**********************
 *  STATIC PROTOTYPES
 **********************/
static void btn_init(const lv_obj_class_t * class_p, lv_obj_t * btn);

/**********************
 *  STATIC VARIABLES
 **********************/
const lv_obj_class_t lv_btn_class = {
    .base_class = &lv_obj_class,
    .constructor_cb = btn_init,
    .instance_size = sizeof(lv_btn_t),
    .width_def = LV_SIZE_CONTENT,
    .height_def = LV_SIZE_CONTENT,
    .group_def = LV_OBJ_CLASS_GROUP_DEF_TRUE,
};

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

lv_obj_t * lv_btn_create(lv_obj_t * parent)
{
    lv_obj_t * btn = lv_obj_class_create_obj(&lv_btn_class, parent);
    if(btn != NULL) lv_obj_class_init_obj(btn);
    return btn;
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

/*
 * A button holds a label or an icon, never enough to scroll, and a drag that
 * starts on it should scroll its parent rather than the button. Reached by
 * keys in a long page, it is brought into view.
 */
static void btn_init(const lv_obj_class_t * class_p, lv_obj_t * btn)
{
    LV_UNUSED(class_p);
    lv_obj_clear_flag(btn, LV_OBJ_FLAG_SCROLLABLE);
    lv_obj_add_flag(btn, LV_OBJ_FLAG_SCROLL_ON_FOCUS);
}

#endif /*LV_USE_BTN*/
