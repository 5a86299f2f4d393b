/**
 * @file lv_bar.h
 * Bar: a value between a minimum and a maximum shown as a filled indicator
 * inside a background. The slider is built on it.
 */

#ifndef LV_BAR_H
#define LV_BAR_H

#ifdef __cplusplus
extern "C" {
#endif

/*********************
 *      INCLUDES
 *********************/
#include "../core/lv_obj.h"
#include "../misc/lv_anim.h"

#if LV_USE_BAR != 0

/**********************
 *      TYPEDEFS
 **********************/

enum {
    LV_BAR_MODE_NORMAL,         /**< from the minimum to the value*/
    LV_BAR_MODE_SYMMETRICAL,    /**< from zero to the value (when the range holds zero)*/
    LV_BAR_MODE_RANGE           /**< from the start value to the value*/
};
typedef uint8_t lv_bar_mode_t;

/** One animated value: drawn at anim_start + (anim_end - anim_start) * anim_state / 256. */
typedef struct {
    lv_obj_t * bar;
    int32_t anim_start;
    int32_t anim_end;
    int32_t anim_state;     /**< 0..256 while running, -1 when idle*/
} _lv_bar_anim_t;

typedef struct {
    lv_obj_t obj;
    int32_t cur_value;          /**< the value (the target while animating)*/
    int32_t min_value;
    int32_t max_value;
    int32_t start_value;        /**< the indicator's other end; the minimum unless in range mode*/
    lv_area_t indic_area;       /**< where the indicator was last placed (the slider puts its knob there)*/
    _lv_bar_anim_t cur_value_anim;
    _lv_bar_anim_t start_value_anim;
    lv_bar_mode_t mode : 2;     /**< an ::lv_bar_mode_t*/
} lv_bar_t;

extern const lv_obj_class_t lv_bar_class;

/**
 * `type` field in `lv_obj_draw_part_dsc_t` if `class_p = lv_bar_class`
 * Used in `LV_EVENT_DRAW_PART_BEGIN` and `LV_EVENT_DRAW_PART_END`
 */
typedef enum {
    LV_BAR_DRAW_PART_INDICATOR,    /**< The indicator*/
} lv_bar_draw_part_type_t;

/**********************
 * GLOBAL PROTOTYPES
 **********************/

/**
 * Create a bar object
 * @param parent    pointer to an object, it will be the parent of the new bar
 * @return          pointer to the created bar
 */
lv_obj_t * lv_bar_create(lv_obj_t * parent);

/**
 * Set a new value on the bar
 * @param obj       pointer to a bar object
 * @param value     new value (clamped to the range)
 * @param anim      LV_ANIM_ON: move the indicator over the main part's `anim_time`; LV_ANIM_OFF: at once
 */
void lv_bar_set_value(lv_obj_t * obj, int32_t value, lv_anim_enable_t anim);

/**
 * Set a new start value on the bar (only honoured in LV_BAR_MODE_RANGE)
 * @param obj       pointer to a bar object
 * @param start_value new start value (clamped to the range and to the value)
 * @param anim      LV_ANIM_ON or LV_ANIM_OFF
 */
void lv_bar_set_start_value(lv_obj_t * obj, int32_t start_value, lv_anim_enable_t anim);

/**
 * Set the minimum and the maximum values of a bar. The value is clamped into the new range.
 * @param obj       pointer to the bar object
 * @param min       minimum value
 * @param max       maximum value
 */
void lv_bar_set_range(lv_obj_t * obj, int32_t min, int32_t max);

/**
 * Choose where the indicator starts: the minimum, zero, or the start value
 * @param obj       pointer to bar object
 * @param mode      an ::lv_bar_mode_t
 */
void lv_bar_set_mode(lv_obj_t * obj, lv_bar_mode_t mode);

/**
 * Get the value of a bar (the target value, also while an animation runs)
 * @param obj       pointer to a bar object
 * @return          the value of the bar
 */
int32_t lv_bar_get_value(const lv_obj_t * obj);

/**
 * Get the start value of a bar
 * @param obj       pointer to a bar object
 * @return          the start value; the minimum unless the mode is LV_BAR_MODE_RANGE
 */
int32_t lv_bar_get_start_value(const lv_obj_t * obj);

/**
 * Get the minimum value of a bar
 * @param obj       pointer to a bar object
 * @return          the minimum value of the bar
 */
int32_t lv_bar_get_min_value(const lv_obj_t * obj);

/**
 * Get the maximum value of a bar
 * @param obj       pointer to a bar object
 * @return          the maximum value of the bar
 */
int32_t lv_bar_get_max_value(const lv_obj_t * obj);

/**
 * Get the bar's mode
 * @param obj       pointer to bar object
 * @return          an ::lv_bar_mode_t
 */
lv_bar_mode_t lv_bar_get_mode(lv_obj_t * obj);

/**
 * Work out where the indicator lies for the current values, size, styles and
 * base direction, and store it in the bar's `indic_area` (the slider places its
 * knob from it). Drawing calls this; it is public for derived widgets and tests.
 * @param obj       pointer to a bar (or slider) object
 */
void _lv_bar_update_indic_area(lv_obj_t * obj);

#endif /*LV_USE_BAR*/

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_BAR_H*/
