/**
 * @file lv_keyboard.c
 * Keyboard without keys of its own. The panel types through the system's
 * input method, so the keyboard only binds a text area (showing its cursor)
 * and passes on the keys that reach the keyboard while it has the focus. A
 * window host asks a focused keyboard for its text area to place the input
 * method's window.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_keyboard.h"
#if LV_USE_KEYBOARD

#include "../../../widgets/lv_textarea.h"

/**********************
 *  STATIC PROTOTYPES
 **********************/
static void keyboard_init(const lv_obj_class_t * class_p, lv_obj_t * kb);
static void keyboard_free(const lv_obj_class_t * class_p, lv_obj_t * kb);
static void keyboard_event(const lv_obj_class_t * class_p, lv_event_t * e);
static void unbind(lv_obj_t * kb);
static void forget_textarea(lv_event_t * e);

/**********************
 *  STATIC VARIABLES
 **********************/
const lv_obj_class_t lv_keyboard_class = {
    .base_class = &lv_obj_class,
    .constructor_cb = keyboard_init,
    .destructor_cb = keyboard_free,
    .event_cb = keyboard_event,
    .instance_size = sizeof(lv_keyboard_t),
    .width_def = LV_PCT(100),
    .height_def = LV_PCT(50),
    .group_def = LV_OBJ_CLASS_GROUP_DEF_TRUE,
    .editable = LV_OBJ_CLASS_EDITABLE_TRUE,
};

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

lv_obj_t * lv_keyboard_create(lv_obj_t * parent)
{
    lv_obj_t * kb = lv_obj_class_create_obj(&lv_keyboard_class, parent);
    if(kb != NULL) lv_obj_class_init_obj(kb);
    return kb;
}

/*
 * The bound text area shows its cursor (it gets the focused state) while it
 * is bound. Anything but a text area is refused.
 */
void lv_keyboard_set_textarea(lv_obj_t * kb, lv_obj_t * ta)
{
    lv_keyboard_t * kbd = (lv_keyboard_t *)kb;
    if(ta != NULL && !lv_obj_check_type(ta, &lv_textarea_class)) return;
    if(kbd->ta == ta) return;

    unbind(kb);
    kbd->ta = ta;
    if(ta == NULL) return;
    /*A deleted text area must not stay bound: keys would go to freed memory*/
    lv_obj_add_event_cb(ta, forget_textarea, LV_EVENT_DELETE, kb);
    lv_obj_add_state(ta, LV_STATE_FOCUSED);
}

void lv_keyboard_set_mode(lv_obj_t * kb, lv_keyboard_mode_t mode)
{
    ((lv_keyboard_t *)kb)->mode = mode;
}

void lv_keyboard_set_popovers(lv_obj_t * kb, bool en)
{
    ((lv_keyboard_t *)kb)->popovers = en;
}

lv_obj_t * lv_keyboard_get_textarea(const lv_obj_t * kb)
{
    return ((const lv_keyboard_t *)kb)->ta;
}

lv_keyboard_mode_t lv_keyboard_get_mode(const lv_obj_t * kb)
{
    return ((const lv_keyboard_t *)kb)->mode;
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

/*Not click-focusable: tapping the keyboard leaves the focus where typing goes*/
static void keyboard_init(const lv_obj_class_t * class_p, lv_obj_t * kb)
{
    LV_UNUSED(class_p);
    ((lv_keyboard_t *)kb)->mode = LV_KEYBOARD_MODE_TEXT_LOWER;
    lv_obj_clear_flag(kb, LV_OBJ_FLAG_CLICK_FOCUSABLE);
    lv_obj_align(kb, LV_ALIGN_BOTTOM_MID, 0, 0);
}

static void keyboard_free(const lv_obj_class_t * class_p, lv_obj_t * kb)
{
    LV_UNUSED(class_p);
    /*The text area may outlive the keyboard: its delete handler must not point here*/
    unbind(kb);
}

static void keyboard_event(const lv_obj_class_t * class_p, lv_event_t * e)
{
    if(lv_obj_event_base(class_p, e) != LV_RES_OK) return;
    if(lv_event_get_code(e) != LV_EVENT_KEY) return;

    lv_obj_t * ta = ((lv_keyboard_t *)lv_event_get_current_target(e))->ta;
    uint32_t key = lv_event_get_key(e);
    if(ta != NULL) lv_event_send(ta, LV_EVENT_KEY, &key);
}

/*Let go of the bound text area: its cursor hides and it no longer reports its deletion here*/
static void unbind(lv_obj_t * kb)
{
    lv_keyboard_t * kbd = (lv_keyboard_t *)kb;
    if(kbd->ta == NULL) return;
    lv_obj_remove_event_cb_with_user_data(kbd->ta, forget_textarea, kb);
    lv_obj_clear_state(kbd->ta, LV_STATE_FOCUSED);
    kbd->ta = NULL;
}

static void forget_textarea(lv_event_t * e)
{
    lv_keyboard_t * kbd = lv_event_get_user_data(e);
    kbd->ta = NULL;
}

#endif /*LV_USE_KEYBOARD*/
