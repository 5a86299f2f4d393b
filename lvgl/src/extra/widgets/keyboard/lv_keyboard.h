/**
 * @file lv_keyboard.h
 * A minimal keyboard object: it is bound to a text area and forwards typed
 * keys to it. It draws no keys of its own; the panel types through the
 * system's input method instead.
 */

#ifndef LV_KEYBOARD_H
#define LV_KEYBOARD_H

#ifdef __cplusplus
extern "C" {
#endif

/*********************
 *      INCLUDES
 *********************/
#include "../../../core/lv_obj.h"

#if LV_USE_KEYBOARD

/**********************
 *      TYPEDEFS
 **********************/

enum {
    LV_KEYBOARD_MODE_TEXT_LOWER,
    LV_KEYBOARD_MODE_TEXT_UPPER,
    LV_KEYBOARD_MODE_SPECIAL,
    LV_KEYBOARD_MODE_NUMBER,
    LV_KEYBOARD_MODE_USER_1,
    LV_KEYBOARD_MODE_USER_2,
    LV_KEYBOARD_MODE_USER_3,
    LV_KEYBOARD_MODE_USER_4,
};
typedef uint8_t lv_keyboard_mode_t;

typedef struct {
    lv_obj_t obj;
    lv_obj_t * ta;              /**< The text area the keyboard writes into, NULL: none*/
    lv_keyboard_mode_t mode;
    uint8_t popovers : 1;
} lv_keyboard_t;

extern const lv_obj_class_t lv_keyboard_class;

/**********************
 * GLOBAL PROTOTYPES
 **********************/

/**
 * Create a keyboard, full width and half the parent's height, at the bottom.
 */
lv_obj_t * lv_keyboard_create(lv_obj_t * parent);

/**
 * Bind the keyboard to a text area (NULL: none).
 */
void lv_keyboard_set_textarea(lv_obj_t * kb, lv_obj_t * ta);

void lv_keyboard_set_mode(lv_obj_t * kb, lv_keyboard_mode_t mode);

void lv_keyboard_set_popovers(lv_obj_t * kb, bool en);

/**
 * The bound text area, NULL: none.
 */
lv_obj_t * lv_keyboard_get_textarea(const lv_obj_t * kb);

lv_keyboard_mode_t lv_keyboard_get_mode(const lv_obj_t * kb);

#endif /*LV_USE_KEYBOARD*/

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_KEYBOARD_H*/
