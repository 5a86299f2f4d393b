/**
 * @file lv_refr.h
 * Redrawing of invalidated areas and their flush to the display driver.
 */

#ifndef LV_REFR_H
#define LV_REFR_H

#ifdef __cplusplus
extern "C" {
#endif

/*********************
 *      INCLUDES
 *********************/
#include "lv_obj.h"
#include <stdbool.h>

/*********************
 *      DEFINES
 *********************/

#define LV_REFR_TASK_PRIO LV_TASK_PRIO_MID

/**********************
 * GLOBAL PROTOTYPES
 **********************/

/** Reset the refresh module; called by lv_init.*/
void _lv_refr_init(void);

/**
 * Run animations and redraw the dirty areas at once, without waiting for the
 * refresh timer; for code that blocks lv_timer_handler for a while but must
 * show progress.
 * @param disp      the display to redraw, or NULL for all of them
 */
void lv_refr_now(lv_disp_t * disp);

/**
 * Draw `obj` and its subtree into the draw context, within its clip area.
 * @param draw_ctx  an initialised draw context
 */
void lv_obj_redraw(lv_draw_ctx_t * draw_ctx, lv_obj_t * obj);

/**
 * Have an area of a display redrawn at the next refresh.
 * @param disp      the display, or NULL for the default one
 * @param area_p    the area in display coordinates, or NULL to forget all dirty areas
 */
void _lv_inv_area(lv_disp_t * disp, const lv_area_t * area_p);

/** @return the display being redrawn now, or NULL*/
lv_disp_t * _lv_refr_get_disp_refreshing(void);

/** Claim that `disp` is being redrawn, so that drawing code outside a refresh finds a display.*/
void _lv_refr_set_disp_refreshing(lv_disp_t * disp);

/** The refresh timer's callback; the display is the timer's user data.*/
void _lv_disp_refr_timer(lv_timer_t * timer);

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_REFR_H*/
