/**
 * @file lv_arc.h
 * Arc: a background ring segment with an indicator segment on it that shows
 * a value, and a knob at the indicator's moving end that a pointer turns.
 *
 * Angles are whole degrees, 0 at three o'clock and growing clockwise (90 is
 * straight down), all turned further by the arc's rotation.
 */

#ifndef LV_ARC_H
#define LV_ARC_H

#ifdef __cplusplus
extern "C" {
#endif

/*********************
 *      INCLUDES
 *********************/
#include "../core/lv_obj.h"

#if LV_USE_ARC != 0

/**********************
 *      TYPEDEFS
 **********************/

/** Where the indicator grows from as the value rises. */
enum {
    LV_ARC_MODE_NORMAL,         /**< from the background's start, clockwise*/
    LV_ARC_MODE_SYMMETRICAL,    /**< from the background's middle, to either side*/
    LV_ARC_MODE_REVERSE         /**< from the background's end, counter-clockwise*/
};
typedef uint8_t lv_arc_mode_t;

typedef struct {
    lv_obj_t obj;
    uint16_t rotation;
    uint16_t indic_angle_start;
    uint16_t indic_angle_end;
    uint16_t bg_angle_start;
    uint16_t bg_angle_end;
    int16_t value;              /*INT16_MIN until a value is set: the indicator keeps its first angles*/
    int16_t min_value;
    int16_t max_value;
    uint16_t dragging    : 1;   /*a press is turning the arc*/
    uint16_t type        : 2;   /*the lv_arc_mode_t*/
    uint16_t min_close   : 1;   /*while a drag is held at an end: 1 the minimum, 0 the maximum*/
    uint16_t chg_rate;          /*fastest the indicator follows a drag, degrees per second*/
    uint32_t last_tick;         /*since when the drag's rate limit has been counting*/
    int16_t last_angle;         /*pointer's last angle from the background's start; -1 while held at an end*/
} lv_arc_t;

extern const lv_obj_class_t lv_arc_class;

/** Value of `type` in the draw-part descriptor when `class_p` is `&lv_arc_class`. */
typedef enum {
    LV_ARC_DRAW_PART_BACKGROUND,    /**< the background segment*/
    LV_ARC_DRAW_PART_FOREGROUND,    /**< the indicator segment*/
    LV_ARC_DRAW_PART_KNOB,          /**< the knob*/
} lv_arc_draw_part_type_t;

/**********************
 * GLOBAL PROTOTYPES
 **********************/

lv_obj_t * lv_arc_create(lv_obj_t * parent);

/*======================
 * Add/remove functions
 *=====================*/

/*=====================
 * Setter functions
 *====================*/

/**
 * Place the indicator's ends directly (0..360; larger angles wrap). Changing
 * the value, range, mode or background later lays it out from the value again.
 */
void lv_arc_set_start_angle(lv_obj_t * obj, uint16_t start);

void lv_arc_set_end_angle(lv_obj_t * obj, uint16_t end);

void lv_arc_set_angles(lv_obj_t * obj, uint16_t start, uint16_t end);

/** The background runs clockwise from start to end; 0 and 360 make a whole ring. */
void lv_arc_set_bg_start_angle(lv_obj_t * obj, uint16_t start);

void lv_arc_set_bg_end_angle(lv_obj_t * obj, uint16_t end);

void lv_arc_set_bg_angles(lv_obj_t * obj, uint16_t start, uint16_t end);

/** Turn the whole arc clockwise by `rotation` degrees. */
void lv_arc_set_rotation(lv_obj_t * obj, uint16_t rotation);

void lv_arc_set_mode(lv_obj_t * obj, lv_arc_mode_t type);

/** Set the value, kept inside the range; no value-changed event is sent. */
void lv_arc_set_value(lv_obj_t * obj, int16_t value);

/** Change the range (a swapped pair is taken in order) and pull the value inside it. */
void lv_arc_set_range(lv_obj_t * obj, int16_t min, int16_t max);

/** Limit how fast the indicator follows a dragging pointer, in degrees per second (720 at first). */
void lv_arc_set_change_rate(lv_obj_t * obj, uint16_t rate);

/*=====================
 * Getter functions
 *====================*/

uint16_t lv_arc_get_angle_start(lv_obj_t * obj);

uint16_t lv_arc_get_angle_end(lv_obj_t * obj);

uint16_t lv_arc_get_bg_angle_start(lv_obj_t * obj);

uint16_t lv_arc_get_bg_angle_end(lv_obj_t * obj);

/** @return the value; the minimum while none has been set */
int16_t lv_arc_get_value(const lv_obj_t * obj);

int16_t lv_arc_get_min_value(const lv_obj_t * obj);

int16_t lv_arc_get_max_value(const lv_obj_t * obj);

lv_arc_mode_t lv_arc_get_mode(const lv_obj_t * obj);

#endif /*LV_USE_ARC*/

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_ARC_H*/
