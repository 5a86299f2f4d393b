/**
 * @file lv_meter.h
 * Meter: a round gauge with scales of tick lines and labels, and indicators
 * on them (needles, arcs, recoloured tick ranges).
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
    int16_t label_color;

    int32_t min;
    int32_t max;
    int16_t r_mod;
    uint16_t angle_range;
    int16_t rotation;
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

/**
 * `type` field in `lv_obj_draw_part_dsc_t` if `class_p = lv_meter_class`
 * Used in `LV_EVENT_DRAW_PART_BEGIN` and `LV_EVENT_DRAW_PART_END`
 */
typedef enum {
    LV_METER_DRAW_PART_ARC,             /**< The arc indicator*/
    LV_METER_DRAW_PART_NEEDLE_LINE,     /**< The needle lines*/
    LV_METER_DRAW_PART_NEEDLE_IMG,      /**< The needle images*/
    LV_METER_DRAW_PART_TICK,            /**< The tick lines and labels*/
} lv_meter_draw_part_type_t;

/**********************
 * GLOBAL PROTOTYPES
 **********************/

/**
 * Create a Meter object
 * @param parent    pointer to an object, it will be the parent of the new meter.
 * @return          pointer to the new meter
 */
lv_obj_t * lv_meter_create(lv_obj_t * parent);

/*=====================
 * Add scale
 *====================*/

/**
 * Add a scale (0..100 over 270 degrees with six ticks until changed)
 * @param obj   pointer to a meter object
 * @return      the new scale, owned and freed by the meter
 */
lv_meter_scale_t * lv_meter_add_scale(lv_obj_t * obj);

/**
 * Set the ticks of a scale, spread evenly over its angle range
 * @param obj       pointer to a meter object
 * @param scale     a scale of this meter
 * @param cnt       number of ticks, both ends included
 * @param width     line width of a tick
 * @param len       length of a tick, inwards from the scale's edge
 * @param color     colour of the ticks
 */
void lv_meter_set_scale_ticks(lv_obj_t * obj, lv_meter_scale_t * scale, uint16_t cnt, uint16_t width, uint16_t len,
                              lv_color_t color);

/**
 * Turn every nth tick (counting from the first) into a longer "major" tick
 * with its value written beside it, towards the centre.
 * @param obj           pointer to a meter object
 * @param scale         a scale of this meter
 * @param nth           the period of major ticks (0: none)
 * @param width         line width of the major ticks
 * @param len           length of the major ticks
 * @param color         colour of the major ticks
 * @param label_gap     distance of the value labels from the ticks' inner end
 */
void lv_meter_set_scale_major_ticks(lv_obj_t * obj, lv_meter_scale_t * scale, uint16_t nth, uint16_t width,
                                    uint16_t len, lv_color_t color, int16_t label_gap);

/**
 * Set the values a scale spans and where it lies on the circle
 * @param obj           pointer to a meter object
 * @param scale         a scale of this meter
 * @param min           value at the scale's start
 * @param max           value at the scale's end
 * @param angle_range   degrees from start to end, clockwise
 * @param rotation      degrees of the start, clockwise from the right
 */
void lv_meter_set_scale_range(lv_obj_t * obj, lv_meter_scale_t * scale, int32_t min, int32_t max, uint32_t angle_range,
                              uint32_t rotation);

/*=====================
 * Add indicator
 *====================*/

/**
 * Add a needle: a line from the centre towards the indicator's end value
 * @param obj           pointer to a meter object
 * @param scale         the scale that maps its value to an angle
 * @param width         line width
 * @param color         line colour
 * @param r_mod         length relative to the scale's radius (negative: shorter)
 * @return              the new indicator
 */
lv_meter_indicator_t * lv_meter_add_needle_line(lv_obj_t * obj, lv_meter_scale_t * scale, uint16_t width,
                                                lv_color_t color, int16_t r_mod);

/**
 * Add a needle drawn from an image, turned around its pivot
 * @param obj           pointer to a meter object
 * @param scale         the scale that maps its value to an angle
 * @param src           image source; the picture must point to the right (0 degrees)
 * @param pivot_x       pivot inside the image, placed on the meter's centre
 * @param pivot_y
 * @return              the new indicator
 */
lv_meter_indicator_t * lv_meter_add_needle_img(lv_obj_t * obj, lv_meter_scale_t * scale, const void * src,
                                               lv_coord_t pivot_x, lv_coord_t pivot_y);

/**
 * Add an arc along the scale from the indicator's start value to its end value
 * @param obj           pointer to a meter object
 * @param scale         the scale the arc follows
 * @param width         arc width, inwards from its outer radius
 * @param color         arc colour
 * @param r_mod         outer radius relative to the scale's radius
 * @return              the new indicator
 */
lv_meter_indicator_t * lv_meter_add_arc(lv_obj_t * obj, lv_meter_scale_t * scale, uint16_t width, lv_color_t color,
                                        int16_t r_mod);

/**
 * Recolour (and widen) the ticks between the indicator's start and end value
 * @param obj           pointer to a meter object
 * @param scale         the scale whose ticks change
 * @param color_start   colour at the low end
 * @param color_end     colour at the high end
 * @param local         true: blend over the indicator's own values; false: over the whole scale
 * @param width_mod     added to the width of the affected ticks
 * @return              the new indicator
 */
lv_meter_indicator_t * lv_meter_add_scale_lines(lv_obj_t * obj, lv_meter_scale_t * scale, lv_color_t color_start,
                                                lv_color_t color_end, bool local, int16_t width_mod);

/*=====================
 * Set indicator value
 *====================*/

/**
 * Set both the start and the end value of an indicator
 * @param obj           pointer to a meter object
 * @param indic         an indicator of this meter
 * @param value         the new value (drawn clamped to the scale)
 */
void lv_meter_set_indicator_value(lv_obj_t * obj, lv_meter_indicator_t * indic, int32_t value);

/**
 * Set the start value of an indicator (where an arc or a tick range begins)
 * @param obj           pointer to a meter object
 * @param indic         an indicator of this meter
 * @param value         the new value
 */
void lv_meter_set_indicator_start_value(lv_obj_t * obj, lv_meter_indicator_t * indic, int32_t value);

/**
 * Set the end value of an indicator (where a needle points, an arc ends)
 * @param obj           pointer to a meter object
 * @param indic         an indicator of this meter
 * @param value         the new value
 */
void lv_meter_set_indicator_end_value(lv_obj_t * obj, lv_meter_indicator_t * indic, int32_t value);

#endif /*LV_USE_METER*/

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_METER_H*/
