/**
 * @file lv_btn.h
 * Button: a clickable object in the default group that does not scroll.
 */

#ifndef LV_BTN_H
#define LV_BTN_H

#ifdef __cplusplus
extern "C" {
#endif

/*********************
 *      INCLUDES
 *********************/
#include "../core/lv_obj.h"

#if LV_USE_BTN != 0

/**********************
 *      TYPEDEFS
 **********************/
typedef struct {
    lv_obj_t obj;
} lv_btn_t;

extern const lv_obj_class_t lv_btn_class;

/**********************
 * GLOBAL PROTOTYPES
 **********************/

/**
 * @param parent    the parent object
 * @return          a new button, sized to what it holds
 */
lv_obj_t * lv_btn_create(lv_obj_t * parent);

#endif /*LV_USE_BTN*/

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_BTN_H*/
