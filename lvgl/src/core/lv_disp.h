/**
 * @file lv_disp.h
 * Screens of a display, their layers, screen loading and its animations.
 */

#ifndef LV_DISP_H
#define LV_DISP_H

#ifdef __cplusplus
extern "C" {
#endif

/*********************
 *      INCLUDES
 *********************/
#include "../hal/lv_hal.h"
#include "lv_obj.h"
#include "lv_theme.h"

/**********************
 *      TYPEDEFS
 **********************/

typedef enum {
    LV_SCR_LOAD_ANIM_NONE,
    LV_SCR_LOAD_ANIM_OVER_LEFT,
    LV_SCR_LOAD_ANIM_OVER_RIGHT,
    LV_SCR_LOAD_ANIM_OVER_TOP,
    LV_SCR_LOAD_ANIM_OVER_BOTTOM,
    LV_SCR_LOAD_ANIM_MOVE_LEFT,
    LV_SCR_LOAD_ANIM_MOVE_RIGHT,
    LV_SCR_LOAD_ANIM_MOVE_TOP,
    LV_SCR_LOAD_ANIM_MOVE_BOTTOM,
    LV_SCR_LOAD_ANIM_FADE_IN,
    LV_SCR_LOAD_ANIM_FADE_ON = LV_SCR_LOAD_ANIM_FADE_IN, /*older name of FADE_IN*/
    LV_SCR_LOAD_ANIM_FADE_OUT,
    LV_SCR_LOAD_ANIM_OUT_LEFT,
    LV_SCR_LOAD_ANIM_OUT_RIGHT,
    LV_SCR_LOAD_ANIM_OUT_TOP,
    LV_SCR_LOAD_ANIM_OUT_BOTTOM,
} lv_scr_load_anim_t;

/**********************
 * GLOBAL PROTOTYPES
 **********************/

/**
 * @param disp      a display, or NULL for the default one (as in every function here)
 * @return          the screen the display shows, or NULL
 */
lv_obj_t * lv_disp_get_scr_act(lv_disp_t * disp);

/** @return the screen being replaced while a load animation runs, else NULL*/
lv_obj_t * lv_disp_get_scr_prev(lv_disp_t * disp);

/** Show `scr` on its display at once.*/
void lv_disp_load_scr(lv_obj_t * scr);

/** @return the layer drawn above every screen of the display (for pop-ups)*/
lv_obj_t * lv_disp_get_layer_top(lv_disp_t * disp);

/** @return the layer drawn above the top layer (for a cursor and the like)*/
lv_obj_t * lv_disp_get_layer_sys(lv_disp_t * disp);

/** Use `th` for the objects created on the display from now on.*/
void lv_disp_set_theme(lv_disp_t * disp, lv_theme_t * th);

/** @return the display's theme, or NULL*/
lv_theme_t * lv_disp_get_theme(lv_disp_t * disp);

/** The colour shown where no screen is opaque (e.g. during a fade).*/
void lv_disp_set_bg_color(lv_disp_t * disp, lv_color_t color);

/** An image to show behind the screens instead of the background colour.*/
void lv_disp_set_bg_image(lv_disp_t * disp, const void  * img_src);

/** Opacity of the display background.*/
void lv_disp_set_bg_opa(lv_disp_t * disp, lv_opa_t opa);

/**
 * Replace the active screen by `scr` with an animation. The old screen hears
 * SCREEN_UNLOAD_START at once; after `delay` the new one becomes the active
 * screen and hears SCREEN_LOAD_START; after `time` both come to rest and hear
 * SCREEN_LOADED and SCREEN_UNLOADED. With neither time nor delay it all
 * happens at once. A load asked for while another still runs first
 * completes the running one.
 * @param anim_type how the screens move or fade (`LV_SCR_LOAD_ANIM_...`)
 * @param auto_del  delete the old screen at the end
 */
void lv_scr_load_anim(lv_obj_t * scr, lv_scr_load_anim_t anim_type, uint32_t time, uint32_t delay, bool auto_del);

/**
 * @param disp      a display, or NULL for all of them
 * @return          milliseconds since the last input on it (the least over all displays for NULL)
 */
uint32_t lv_disp_get_inactive_time(const lv_disp_t * disp);

/** Count this moment as input on the display, restarting its inactivity time.*/
void lv_disp_trig_activity(lv_disp_t * disp);

/** Ask the driver to flush the CPU data cache for the frame buffer, if it has that callback.*/
void lv_disp_clean_dcache(lv_disp_t * disp);

/** Stop (false) or resume (true) marking areas for redraw; calls nest.*/
void lv_disp_enable_invalidation(lv_disp_t * disp, bool en);

/** @return true if areas marked for redraw are recorded*/
bool lv_disp_is_invalidation_enabled(lv_disp_t * disp);

/** @return the timer that redraws the display, e.g. to change its period*/
lv_timer_t * _lv_disp_get_refr_timer(lv_disp_t * disp);

/*The same for the default display, one line each*/
static inline lv_obj_t * lv_scr_act(void) { return lv_disp_get_scr_act(NULL); }
static inline lv_obj_t * lv_layer_top(void) { return lv_disp_get_layer_top(NULL); }
static inline lv_obj_t * lv_layer_sys(void) { return lv_disp_get_layer_sys(NULL); }
static inline void lv_scr_load(lv_obj_t * scr) { lv_disp_load_scr(scr); }

#ifndef LV_HOR_RES
/** Width of the default display.*/
#define LV_HOR_RES lv_disp_get_hor_res(lv_disp_get_default())
#endif

#ifndef LV_VER_RES
/** Height of the default display.*/
#define LV_VER_RES lv_disp_get_ver_res(lv_disp_get_default())
#endif

/** @return `n` pixels at 160 DPI scaled to the default display's DPI*/
static inline lv_coord_t lv_dpx(lv_coord_t n) { return _LV_DPX_CALC(lv_disp_get_dpi(NULL), n); }

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_DISP_H*/
