/**
 * @file lv_colorwheel.h
 * A ring to pick hue, saturation or value, with a knob on the ring.
 */

#ifndef LV_COLORWHEEL_H
#define LV_COLORWHEEL_H

#ifdef __cplusplus
extern "C" {
#endif

/*********************
 *      INCLUDES
 *********************/
#include "../../../core/lv_obj.h"

#if LV_USE_COLORWHEEL

/**********************
 *      TYPEDEFS
 **********************/

enum {
    LV_COLORWHEEL_MODE_HUE,
    LV_COLORWHEEL_MODE_SATURATION,
    LV_COLORWHEEL_MODE_VALUE
};
typedef uint8_t lv_colorwheel_mode_t;

typedef struct {
    lv_obj_t obj;
    lv_color_hsv_t hsv;
    struct {
        lv_point_t pos;         /**< Centre of the knob relative to the wheel's top-left corner*/
        uint8_t recolor : 1;    /**< 1: the knob is filled with the chosen colour*/
    } knob;
    uint32_t last_click_time;
    uint32_t last_change_time;
    lv_point_t last_press_point;
    lv_colorwheel_mode_t mode  : 2;
    uint8_t mode_fixed         : 1;
    uint8_t clicked_before     : 1;  /**< 1: last_click_time holds a real press*/
} lv_colorwheel_t;

extern const lv_obj_class_t lv_colorwheel_class;

/**********************
 * GLOBAL PROTOTYPES
 **********************/

/**
 * Create a colour wheel showing hue, at red (h 0, s 100, v 100).
 * @param parent        the parent object
 * @param knob_recolor  true: fill the knob with the chosen colour
 * @return              the new colour wheel
 */
lv_obj_t * lv_colorwheel_create(lv_obj_t * parent, bool knob_recolor);

/**
 * Set the colour; a hue past 360 wraps round (360 itself is kept), s and v are limited to 100.
 * No event is sent.
 * @return true if the colour changed
 */
bool lv_colorwheel_set_hsv(lv_obj_t * obj, lv_color_hsv_t hsv);

/**
 * Set the colour from RGB (converted to HSV). No event is sent.
 * @return true if the colour changed
 */
bool lv_colorwheel_set_rgb(lv_obj_t * obj, lv_color_t color);

/**
 * Choose what the ring adjusts: hue, saturation or value.
 */
void lv_colorwheel_set_mode(lv_obj_t * obj, lv_colorwheel_mode_t mode);

/**
 * true: a long press in the middle does not switch to the next mode (hue, saturation, value, hue...).
 */
void lv_colorwheel_set_mode_fixed(lv_obj_t * obj, bool fixed);

lv_color_hsv_t lv_colorwheel_get_hsv(lv_obj_t * obj);

lv_color_t lv_colorwheel_get_rgb(lv_obj_t * obj);

lv_colorwheel_mode_t lv_colorwheel_get_color_mode(lv_obj_t * obj);

bool lv_colorwheel_get_color_mode_fixed(lv_obj_t * obj);

#endif /*LV_USE_COLORWHEEL*/

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_COLORWHEEL_H*/
