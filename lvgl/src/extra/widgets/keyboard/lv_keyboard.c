/**
 * @file lv_keyboard.c
 * Minimal keyboard: keeps its text area and passes typed keys on to it.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_keyboard.h"
#if LV_USE_KEYBOARD

#include "../../../widgets/lv_textarea.h"

/*********************
 *      DEFINES
 *********************/
#define MY_CLASS &lv_keyboard_class

/**********************
 *  STATIC PROTOTYPES
 **********************/
static void lv_keyboard_constructor(const lv_obj_class_t * class_p, lv_obj_t * obj);
static void lv_keyboard_destructor(const lv_obj_class_t * class_p, lv_obj_t * obj);
static void lv_keyboard_event(const lv_obj_class_t * class_p, lv_event_t * e);
static void ta_deleted_cb(lv_event_t * e);

/**********************
 *  STATIC VARIABLES
 **********************/
const lv_obj_class_t lv_keyboard_class = {
    .constructor_cb = lv_keyboard_constructor,
    .destructor_cb = lv_keyboard_destructor,
    .event_cb = lv_keyboard_event,
    .width_def = LV_PCT(100),
    .height_def = LV_PCT(50),
    .instance_size = sizeof(lv_keyboard_t),
    .editable = LV_OBJ_CLASS_EDITABLE_TRUE,
    .group_def = LV_OBJ_CLASS_GROUP_DEF_TRUE,
    .base_class = &lv_obj_class
};

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

lv_obj_t * lv_keyboard_create(lv_obj_t * parent)
{
    lv_obj_t * obj = lv_obj_class_create_obj(MY_CLASS, parent);
    if(obj == NULL) return NULL;
    lv_obj_class_init_obj(obj);
    return obj;
}

void lv_keyboard_set_textarea(lv_obj_t * obj, lv_obj_t * ta)
{
    lv_keyboard_t * keyboard = (lv_keyboard_t *)obj;
    if(ta && !lv_obj_check_type(ta, &lv_textarea_class)) return;
    if(keyboard->ta == ta) return;

    if(keyboard->ta) {
        lv_obj_remove_event_cb_with_user_data(keyboard->ta, ta_deleted_cb, obj);
        lv_obj_clear_state(keyboard->ta, LV_STATE_FOCUSED);
    }
    keyboard->ta = ta;
    /*Forget the text area when it is deleted, so the keyboard never writes into freed memory*/
    if(ta) {
        lv_obj_add_event_cb(ta, ta_deleted_cb, LV_EVENT_DELETE, obj);
        lv_obj_add_state(ta, LV_STATE_FOCUSED);
    }
}

void lv_keyboard_set_mode(lv_obj_t * obj, lv_keyboard_mode_t mode)
{
    ((lv_keyboard_t *)obj)->mode = mode;
}

void lv_keyboard_set_popovers(lv_obj_t * obj, bool en)
{
    ((lv_keyboard_t *)obj)->popovers = en ? 1 : 0;
}

lv_obj_t * lv_keyboard_get_textarea(const lv_obj_t * obj)
{
    return ((const lv_keyboard_t *)obj)->ta;
}

lv_keyboard_mode_t lv_keyboard_get_mode(const lv_obj_t * obj)
{
    return ((const lv_keyboard_t *)obj)->mode;
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

static void lv_keyboard_constructor(const lv_obj_class_t * class_p, lv_obj_t * obj)
{
    LV_UNUSED(class_p);
    lv_keyboard_t * keyboard = (lv_keyboard_t *)obj;
    keyboard->ta = NULL;
    keyboard->mode = LV_KEYBOARD_MODE_TEXT_LOWER;
    keyboard->popovers = 0;
    lv_obj_clear_flag(obj, LV_OBJ_FLAG_CLICK_FOCUSABLE);
    lv_obj_align(obj, LV_ALIGN_BOTTOM_MID, 0, 0);
}

static void lv_keyboard_destructor(const lv_obj_class_t * class_p, lv_obj_t * obj)
{
    LV_UNUSED(class_p);
    lv_keyboard_t * keyboard = (lv_keyboard_t *)obj;
    /*The text area outlives the keyboard: its delete callback must not point here any more*/
    if(keyboard->ta) lv_obj_remove_event_cb_with_user_data(keyboard->ta, ta_deleted_cb, obj);
    keyboard->ta = NULL;
}

static void lv_keyboard_event(const lv_obj_class_t * class_p, lv_event_t * e)
{
    LV_UNUSED(class_p);
    lv_res_t res = lv_obj_event_base(MY_CLASS, e);
    if(res != LV_RES_OK) return;

    lv_obj_t * obj = lv_event_get_target(e);
    lv_keyboard_t * keyboard = (lv_keyboard_t *)obj;
    if(lv_event_get_code(e) == LV_EVENT_KEY && keyboard->ta) {
        uint32_t key = lv_event_get_key(e);
        lv_event_send(keyboard->ta, LV_EVENT_KEY, &key);
    }
}

static void ta_deleted_cb(lv_event_t * e)
{
    lv_obj_t * kb = lv_event_get_user_data(e);
    if(kb) ((lv_keyboard_t *)kb)->ta = NULL;
}

#endif /*LV_USE_KEYBOARD*/
