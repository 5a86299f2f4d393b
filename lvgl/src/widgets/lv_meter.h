/**
 * @file lv_meter.h
 * Meter: a round gauge. Scales put ticks and value labels on a circle;
 * indicators show values on a scale as needles, arcs or recoloured ticks.
 */

#ifndef LV_METER_H
#define LV_METER_H

#ifdef __cplusplus
extern "C" {
#endif

/*********************
 *      INCLUDES
 *********************/
#include "../core/lv_obj.h"
#include "../misc/lv_ll.h"

#if LV_USE_METER != 0

/**********************
 *      TYPEDEFS
 **********************/

typedef struct {
    lv_color_t tick_color;
    uint16_t tick_cnt;
    uint16_t tick_length;
    uint16_t tick_width;

    lv_color_t tick_major_color;
    uint16_t tick_major_nth;
    uint16_t tick_major_length;
    uint16_t tick_major_width;

    int16_t label_gap;
    int16_t label_color;        /*unused: labels take the text colour of the ticks part*/

    int32_t min;
    int32_t max;
    int16_t r_mod;              /*added to the dial's radius for this scale's ticks and indicators*/
    uint16_t angle_range;
    int16_t rotation;           /*where the minimum lies, degrees clockwise from three o'clock*/
} lv_meter_scale_t;

enum {
    LV_METER_INDICATOR_TYPE_NEEDLE_IMG,
    LV_METER_INDICATOR_TYPE_NEEDLE_LINE,
    LV_METER_INDICATOR_TYPE_SCALE_LINES,
    LV_METER_INDICATOR_TYPE_ARC,
};
typedef uint8_t lv_meter_indicator_type_t;

typedef struct {
    lv_meter_scale_t * scale;
    lv_meter_indicator_type_t type;
    lv_opa_t opa;
    int32_t start_value;
    int32_t end_value;
    union {
        struct {
            const void * src;
            lv_point_t pivot;
        } needle_img;
        struct {
            uint16_t width;
            int16_t r_mod;
            lv_color_t color;
        } needle_line;
        struct {
            uint16_t width;
            const void * src;
            lv_color_t color;
            int16_t r_mod;
        } arc;
        struct {
            int16_t width_mod;
            lv_color_t color_start;
            lv_color_t color_end;
            uint8_t local_grad  : 1;
        } scale_lines;
    } type_data;
} lv_meter_indicator_t;

typedef struct {
    lv_obj_t obj;
    lv_ll_t scale_ll;
    lv_ll_t indicator_ll;
} lv_meter_t;

extern const lv_obj_class_t lv_meter_class;

/** Value of `type` in the draw-part descriptor when `class_p` is `&lv_meter_class`. */
typedef enum {
    LV_METER_DRAW_PART_ARC,             /**< an arc indicator (part INDICATOR)*/
    LV_METER_DRAW_PART_NEEDLE_LINE,     /**< a line needle (part ITEMS)*/
    LV_METER_DRAW_PART_NEEDLE_IMG,      /**< a picture needle (part ITEMS)*/
    LV_METER_DRAW_PART_TICK,            /**< one tick with its label, if major (part TICKS)*/
} lv_meter_draw_part_type_t;

/**********************
 * GLOBAL PROTOTYPES
 **********************/

lv_obj_t * lv_meter_create(lv_obj_t * parent);

/*=====================
 * Add scale
 *====================*/

/**
 * Add a scale: 0..100 over 270 degrees, open at the bottom, six ticks, until
 * the setters below change it. The meter owns it and frees it with itself.
 * @return the scale, or NULL when out of memory
 */
lv_meter_scale_t * lv_meter_add_scale(lv_obj_t * obj);

/**
 * Spread `cnt` ticks evenly over the scale, the first on its minimum and the
 * last on its maximum; each runs `len` pixels inwards from the scale's edge.
 */
void lv_meter_set_scale_ticks(lv_obj_t * obj, lv_meter_scale_t * scale, uint16_t cnt, uint16_t width, uint16_t len,
                              lv_color_t color);

/**
 * Make the first tick and every `nth` one after it a major tick (0: none), drawn
 * with its own width, length and colour and labelled with its value, the
 * label centred `label_gap` pixels further in than the tick's inner end.
 */
void lv_meter_set_scale_major_ticks(lv_obj_t * obj, lv_meter_scale_t * scale, uint16_t nth, uint16_t width,
                                    uint16_t len, lv_color_t color, int16_t label_gap);

/**
 * Map `min`..`max` onto `angle_range` degrees (at most a whole turn),
 * starting `rotation` degrees clockwise from three o'clock.
 */
void lv_meter_set_scale_range(lv_obj_t * obj, lv_meter_scale_t * scale, int32_t min, int32_t max, uint32_t angle_range,
                              uint32_t rotation);

/*=====================
 * Add indicator
 *====================*/

/*
 * Indicators are drawn in the order they were added and start with both
 * values at the scale's minimum. Each returns NULL when out of memory or
 * given no scale.
 */

/** A line from the centre towards the end value, `r_mod` pixels longer (negative: shorter) than the scale's radius. */
lv_meter_indicator_t * lv_meter_add_needle_line(lv_obj_t * obj, lv_meter_scale_t * scale, uint16_t width,
                                                lv_color_t color, int16_t r_mod);

/**
 * A picture turned towards the end value. It must point to three o'clock as
 * stored; the point (`pivot_x`, `pivot_y`) of it sits on the centre.
 */
lv_meter_indicator_t * lv_meter_add_needle_img(lv_obj_t * obj, lv_meter_scale_t * scale, const void * src,
                                               lv_coord_t pivot_x, lv_coord_t pivot_y);

/** A stroke along the scale from the start value to the end value, its outer edge `r_mod` off the scale's edge. */
lv_meter_indicator_t * lv_meter_add_arc(lv_obj_t * obj, lv_meter_scale_t * scale, uint16_t width, lv_color_t color,
                                        int16_t r_mod);

/**
 * Recolour the ticks between the start and end value with a blend from
 * `color_start` to `color_end`, spread over the indicator's own values
 * (`local`) or the whole scale, and widen them by `width_mod`.
 */
lv_meter_indicator_t * lv_meter_add_scale_lines(lv_obj_t * obj, lv_meter_scale_t * scale, lv_color_t color_start,
                                                lv_color_t color_end, bool local, int16_t width_mod);

/*=====================
 * Set indicator value
 *====================*/

/** Set start and end value together (a needle's value; an arc then shows nothing). */
void lv_meter_set_indicator_value(lv_obj_t * obj, lv_meter_indicator_t * indic, int32_t value);

void lv_meter_set_indicator_start_value(lv_obj_t * obj, lv_meter_indicator_t * indic, int32_t value);

/** Set where an arc or a tick range ends and where a needle points; values past the scale stop at its ends. */
void lv_meter_set_indicator_end_value(lv_obj_t * obj, lv_meter_indicator_t * indic, int32_t value);

#endif /*LV_USE_METER*/

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_METER_H*/
