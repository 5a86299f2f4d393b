/**
 * @file lv_slider.h
 * Slider: a bar with a knob at the value (two in range mode) that follows
 * a dragging pointer or steps with the arrow keys.
 */

#ifndef LV_SLIDER_H
#define LV_SLIDER_H

#ifdef __cplusplus
extern "C" {
#endif

/*********************
 *      INCLUDES
 *********************/
#include "../lv_conf_internal.h"

#if LV_USE_SLIDER != 0

#if LV_USE_BAR == 0
#error "lv_slider is built on lv_bar: set LV_USE_BAR to 1 in lv_conf.h"
#endif

#include "../core/lv_obj.h"
#include "lv_bar.h"

/**********************
 *      TYPEDEFS
 **********************/

/** The bar's modes under the slider's names. */
enum {
    LV_SLIDER_MODE_NORMAL = LV_BAR_MODE_NORMAL,
    LV_SLIDER_MODE_SYMMETRICAL = LV_BAR_MODE_SYMMETRICAL,
    LV_SLIDER_MODE_RANGE = LV_BAR_MODE_RANGE
};
typedef uint8_t lv_slider_mode_t;

typedef struct {
    lv_bar_t bar;                   /*first, so a slider is also a bar*/
    lv_area_t left_knob_area;       /*where the knobs were last drawn (hit testing uses them)*/
    lv_area_t right_knob_area;
    int32_t * value_to_set;         /*the bar field the current press moves, NULL when none*/
    uint8_t dragging : 1;
    uint8_t left_knob_focus : 1;    /*keys move the start knob instead of the value (range mode)*/
} lv_slider_t;

extern const lv_obj_class_t lv_slider_class;

/** Value of `type` in the draw-part descriptor when `class_p` is `&lv_slider_class`. */
typedef enum {
    LV_SLIDER_DRAW_PART_KNOB,       /**< the knob at the value*/
    LV_SLIDER_DRAW_PART_KNOB_LEFT,  /**< the knob at the start value, range mode only*/
} lv_slider_draw_part_type_t;

/**********************
 * GLOBAL PROTOTYPES
 **********************/

lv_obj_t * lv_slider_create(lv_obj_t * parent);

/*=====================
 * Setter functions
 *====================*/

/** Set the value as lv_bar_set_value does; no value-changed event is sent. */
void lv_slider_set_value(lv_obj_t * obj, int32_t value, lv_anim_enable_t anim);

/** Set the start knob of a range-mode slider (ignored in the other modes). */
void lv_slider_set_left_value(lv_obj_t * obj, int32_t value, lv_anim_enable_t anim);

void lv_slider_set_range(lv_obj_t * obj, int32_t min, int32_t max);

void lv_slider_set_mode(lv_obj_t * obj, lv_slider_mode_t mode);

/*=====================
 * Getter functions
 *====================*/

int32_t lv_slider_get_value(const lv_obj_t * obj);

int32_t lv_slider_get_left_value(const lv_obj_t * obj);

int32_t lv_slider_get_min_value(const lv_obj_t * obj);

int32_t lv_slider_get_max_value(const lv_obj_t * obj);

/** @return true from the press on the slider until its release */
bool lv_slider_is_dragged(const lv_obj_t * obj);

lv_slider_mode_t lv_slider_get_mode(lv_obj_t * slider);

#endif /*LV_USE_SLIDER*/

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_SLIDER_H*/
