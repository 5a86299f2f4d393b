/**
 * @file lv_bar.h
 * Bar: a filled stretch of a track that shows where a value lies in its
 * range. The slider extends it with knobs and input.
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

/** Which stretch of the range the indicator fills. */
enum {
    LV_BAR_MODE_NORMAL,         /**< minimum up to the value*/
    LV_BAR_MODE_SYMMETRICAL,    /**< zero up or down to the value, when zero is inside the range*/
    LV_BAR_MODE_RANGE           /**< start value up to the value, both movable*/
};
typedef uint8_t lv_bar_mode_t;

/**
 * A value on its way to a new target. While `anim_state` runs from 0 to 256
 * the indicator is drawn at the matching point between `anim_start` and
 * `anim_end`; at -1 nothing moves and the stored value is drawn.
 */
typedef struct {
    lv_obj_t * bar;
    int32_t anim_start;
    int32_t anim_end;
    int32_t anim_state;
} _lv_bar_anim_t;

typedef struct {
    lv_obj_t obj;
    int32_t cur_value;          /**< the value; already the target while it is animated*/
    int32_t min_value;
    int32_t max_value;
    int32_t start_value;        /**< low end of the indicator in range mode, otherwise the minimum*/
    lv_area_t indic_area;       /**< indicator placement of the last layout; the slider's knobs follow it*/
    _lv_bar_anim_t cur_value_anim;
    _lv_bar_anim_t start_value_anim;
    lv_bar_mode_t mode : 2;
} lv_bar_t;

extern const lv_obj_class_t lv_bar_class;

/** Value of `type` in the draw-part descriptor when `class_p` is `&lv_bar_class`. */
typedef enum {
    LV_BAR_DRAW_PART_INDICATOR,    /**< the filled stretch*/
} lv_bar_draw_part_type_t;

/**********************
 * GLOBAL PROTOTYPES
 **********************/

lv_obj_t * lv_bar_create(lv_obj_t * parent);

/**
 * Move the value (kept inside the range, and not below the start value in
 * range mode). With LV_ANIM_ON and a non-zero `anim_time` on the main part
 * the indicator travels there; the getter reports the new value at once.
 */
void lv_bar_set_value(lv_obj_t * obj, int32_t value, lv_anim_enable_t anim);

/**
 * Move the low end of a range-mode bar (kept between the minimum and the
 * value). Other modes ignore it: their indicator always starts at the minimum.
 */
void lv_bar_set_start_value(lv_obj_t * obj, int32_t start_value, lv_anim_enable_t anim);

/**
 * Change the range; a swapped pair is taken in order. Values outside the new
 * range are pulled inside it without animation.
 */
void lv_bar_set_range(lv_obj_t * obj, int32_t min, int32_t max);

void lv_bar_set_mode(lv_obj_t * obj, lv_bar_mode_t mode);

int32_t lv_bar_get_value(const lv_obj_t * obj);

/** @return the low end of the indicator: the start value in range mode, else the minimum */
int32_t lv_bar_get_start_value(const lv_obj_t * obj);

int32_t lv_bar_get_min_value(const lv_obj_t * obj);

int32_t lv_bar_get_max_value(const lv_obj_t * obj);

lv_bar_mode_t lv_bar_get_mode(lv_obj_t * obj);

/**
 * Lay out the indicator for the present values, size, padding and base
 * direction into `indic_area`. Drawing does this itself; derived widgets and
 * tests call it to read the placement without drawing.
 */
void _lv_bar_update_indic_area(lv_obj_t * obj);

#endif /*LV_USE_BAR*/

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_BAR_H*/
