/**
 * @file lv_indev.h
 * Processing of input devices: pointer, keypad (and the reading loop).
 */

#ifndef LV_INDEV_H
#define LV_INDEV_H

#ifdef __cplusplus
extern "C" {
#endif

/*********************
 *      INCLUDES
 *********************/
#include "lv_obj.h"
#include "../hal/lv_hal_indev.h"
#include "lv_group.h"

/**********************
 * GLOBAL PROTOTYPES
 **********************/

/**
 * The read timer's callback: read the device in the timer's user data and
 * turn what it reports into events.
 * @param timer     the device's read timer
 */
void lv_indev_read_timer_cb(lv_timer_t * timer);

/**
 * Let a device's input through or ignore it (devices start enabled).
 * @param indev     the device, or NULL for every device
 */
void lv_indev_enable(lv_indev_t * indev, bool en);

/** @return the device whose input is being processed right now, or NULL outside of that*/
lv_indev_t * lv_indev_get_act(void);

/** @return the kind of device (`LV_INDEV_TYPE_...`), LV_INDEV_TYPE_NONE for NULL*/
lv_indev_type_t lv_indev_get_type(const lv_indev_t * indev);

/**
 * Make a device (NULL: every device) drop its current press, scroll and
 * gesture at the next chance.
 * @param obj       the object that is the reason (e.g. being deleted), or NULL
 */
void lv_indev_reset(lv_indev_t * indev, lv_obj_t * obj);

/** Start the long-press timing of the current press over.*/
void lv_indev_reset_long_press(lv_indev_t * indev);

/** Let a keypad or encoder drive `group`; other kinds of device ignore this.*/
void lv_indev_set_group(lv_indev_t * indev, lv_group_t * group);

/**
 * Where a pointer or button device was last seen; (-1, -1) for other kinds.
 * @param point     receives the position
 */
void lv_indev_get_point(const lv_indev_t * indev, lv_point_t * point);

/** @return the direction of the swipe just detected by a pointer, or LV_DIR_NONE*/
lv_dir_t lv_indev_get_gesture_dir(const lv_indev_t * indev);

/** @return the key a keypad reported last, 0 for other devices*/
uint32_t lv_indev_get_key(const lv_indev_t * indev);

/** @return LV_DIR_HOR or LV_DIR_VER while the device drags a scroll, else LV_DIR_NONE*/
lv_dir_t lv_indev_get_scroll_dir(const lv_indev_t * indev);

/** @return the object the device is scrolling now, or NULL*/
lv_obj_t * lv_indev_get_scroll_obj(const lv_indev_t * indev);

/**
 * How far a pointer moved since the previous reading.
 * @param point     receives the movement; (0, 0) for other devices
 */
void lv_indev_get_vect(const lv_indev_t * indev, lv_point_t * point);

/** Ignore the device until the current press ends.*/
void lv_indev_wait_release(lv_indev_t * indev);

/** @return the object the device being processed is acting on, or NULL*/
lv_obj_t * lv_indev_get_obj_act(void);

/** @return the timer that reads the device, e.g. to change its period*/
lv_timer_t * lv_indev_get_read_timer(lv_disp_t * indev);

/**
 * Find the topmost object under a point that accepts clicks there.
 * @param obj       where to start, usually a screen or a layer
 * @param point     a point on the display
 * @return          the object, or NULL if nothing there takes the point
 */
lv_obj_t * lv_indev_search_obj(lv_obj_t * obj, lv_point_t * point);

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_INDEV_H*/
