/**
 * @file lv_switch.h
 * Switch: an on/off control. A click toggles LV_STATE_CHECKED (and sends
 * value-changed); the knob then slides to the matching end.
 */

#ifndef LV_SWITCH_H
#define LV_SWITCH_H

#ifdef __cplusplus
extern "C" {
#endif

/*********************
 *      INCLUDES
 *********************/
#include "../core/lv_obj.h"

#if LV_USE_SWITCH != 0

/**********************
 *      TYPEDEFS
 **********************/

typedef struct {
    lv_obj_t obj;
    int32_t anim_state;     /**< where the knob was last shown, 0 (off end) .. 256 (on end); -1 before the first draw*/
} lv_switch_t;

extern const lv_obj_class_t lv_switch_class;

/**********************
 * GLOBAL PROTOTYPES
 **********************/

lv_obj_t * lv_switch_create(lv_obj_t * parent);

#endif /*LV_USE_SWITCH*/

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_SWITCH_H*/
