/**
 * @file lv_switch.h
 * Switch: an on/off control; a click toggles LV_STATE_CHECKED and the knob
 * slides to the other end.
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
    int32_t anim_state;     /**< knob position 0..256 while animating, -1 when at rest*/
} lv_switch_t;

extern const lv_obj_class_t lv_switch_class;

/**********************
 * GLOBAL PROTOTYPES
 **********************/

/**
 * Create a switch object
 * @param parent    pointer to an object, it will be the parent of the new switch
 * @return          pointer to the created switch
 */
lv_obj_t * lv_switch_create(lv_obj_t * parent);

#endif /*LV_USE_SWITCH*/

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_SWITCH_H*/
