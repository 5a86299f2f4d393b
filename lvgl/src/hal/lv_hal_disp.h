/**
 * @file lv_hal_disp.h
 * Display driver interface: what the host fills in so the library can draw.
 */

#ifndef LV_HAL_DISP_H
#define LV_HAL_DISP_H

#ifdef __cplusplus
extern "C" {
#endif

/*********************
 *      INCLUDES
 *********************/
#include <stdint.h>
#include <stdbool.h>
#include <stddef.h>
#include "../lv_conf_internal.h"
#include "../misc/lv_color.h"
#include "../misc/lv_area.h"
#include "../misc/lv_ll.h"
#include "../misc/lv_timer.h"
#include "../draw/lv_draw.h"

/*********************
 *      DEFINES
 *********************/
#ifndef LV_INV_BUF_SIZE
#define LV_INV_BUF_SIZE 32 /*dirty areas kept per frame; more mark the whole screen*/
#endif

#ifndef LV_ATTRIBUTE_FLUSH_READY
#define LV_ATTRIBUTE_FLUSH_READY
#endif

#ifndef _LV_DPX_CALC
#define _LV_DPX_CALC(dpi, n)   ((n) == 0 ? 0 : LV_MAX((((dpi) * (n) + 80) / 160), 1)) /*rounded; never 0 for n != 0*/
#endif

/**********************
 *      TYPEDEFS
 **********************/

struct _lv_obj_t;
struct _lv_disp_t;
struct _lv_disp_drv_t;
struct _lv_theme_t;

/**
 * The memory the library draws into before the driver sends it out. With
 * two buffers it draws into one while the driver sends the other.
 */
typedef struct _lv_disp_draw_buf_t {
    void * buf1;
    void * buf2;                /**< optional*/

    /*Kept by the library*/
    void * buf_act;             /*the buffer being drawn into*/
    uint32_t size;              /*of each buffer, in pixels*/
    /*Set while the driver sends a buffer out. Plain ints rather than bit
     *fields: lv_disp_flush_ready may clear them from an interrupt, and a
     *read-modify-write of a shared word would race with the library*/
    volatile int flushing;
    volatile int flushing_last; /*the part being sent ends the frame*/
    volatile uint32_t last_area         : 1; /*drawing the frame's last dirty area*/
    volatile uint32_t last_part         : 1; /*drawing that area's last band*/
} lv_disp_draw_buf_t;

typedef enum {
    LV_DISP_ROT_NONE = 0,
    LV_DISP_ROT_90,
    LV_DISP_ROT_180,
    LV_DISP_ROT_270
} lv_disp_rot_t;

/**
 * What the host tells the library about a display. The library keeps the
 * pointer, so the driver must outlive the display (static or allocated).
 */
typedef struct _lv_disp_drv_t {

    lv_coord_t hor_res;         /**< width in pixels*/
    lv_coord_t ver_res;         /**< height in pixels*/

    /*When the display is a window into a larger physical one: the larger
     *size (-1: the same) and where this display sits on it (0, 0: corner)*/
    lv_coord_t physical_hor_res;
    lv_coord_t physical_ver_res;
    lv_coord_t offset_x;
    lv_coord_t offset_y;

    /** Where to draw; set up with lv_disp_draw_buf_init.*/
    lv_disp_draw_buf_t * draw_buf;

    uint32_t direct_mode : 1;        /**< screen-sized buffers, drawn at absolute positions; only changes are sent*/
    uint32_t full_refresh : 1;       /**< redraw and send the whole screen every frame*/
    uint32_t sw_rotate : 1;          /**< rotate in software when the display cannot*/
    uint32_t antialiasing : 1;
    uint32_t rotated : 2;            /**< an lv_disp_rot_t; set it through lv_disp_set_rotation*/
    uint32_t screen_transp : 1;      /**< screens may be translucent (slower blending)*/

    uint32_t dpi : 10;               /**< dots per inch; sizes given with LV_DPX scale by it*/

    /** Required: send `area` of the buffer to the display, then call lv_disp_flush_ready.*/
    void (*flush_cb)(struct _lv_disp_drv_t * disp_drv, const lv_area_t * area, lv_color_t * color_p);

    /** Optional: grow a dirty area to what the display can take (e.g. whole 8-row pages).*/
    void (*rounder_cb)(struct _lv_disp_drv_t * disp_drv, lv_area_t * area);

    /** Optional: write one pixel for a buffer format the library does not know (slow).*/
    void (*set_px_cb)(struct _lv_disp_drv_t * disp_drv, uint8_t * buf, lv_coord_t buf_w, lv_coord_t x, lv_coord_t y,
                      lv_color_t color, lv_opa_t opa);

    void (*clear_cb)(struct _lv_disp_drv_t * disp_drv, uint8_t * buf, uint32_t size);

    /** Optional: after each frame, how long it took (ms) and how many pixels were drawn.*/
    void (*monitor_cb)(struct _lv_disp_drv_t * disp_drv, uint32_t time, uint32_t px);

    /** Optional: called over and over while the library waits for the driver; may yield.*/
    void (*wait_cb)(struct _lv_disp_drv_t * disp_drv);

    /** Optional: flush the CPU data cache so that the display sees the buffer.*/
    void (*clean_dcache_cb)(struct _lv_disp_drv_t * disp_drv);

    /** Optional: told after lv_disp_drv_update took a changed driver into use.*/
    void (*drv_update_cb)(struct _lv_disp_drv_t * disp_drv);

    /** Optional: told before a frame is drawn.*/
    void (*render_start_cb)(struct _lv_disp_drv_t * disp_drv);

    /** Pixels of this colour in chroma-keyed images are transparent (LV_COLOR_CHROMA_KEY).*/
    lv_color_t color_chroma_key;

    /*The renderer: lv_disp_drv_init chooses the software one; a host may
     *replace it or, after registering, its blend step*/
    lv_draw_ctx_t * draw_ctx;
    void (*draw_ctx_init)(struct _lv_disp_drv_t * disp_drv, lv_draw_ctx_t * draw_ctx);
    void (*draw_ctx_deinit)(struct _lv_disp_drv_t * disp_drv, lv_draw_ctx_t * draw_ctx);
    size_t draw_ctx_size;

#if LV_USE_USER_DATA
    void * user_data;
#endif

} lv_disp_drv_t;

/** A registered display and what the library keeps for it. */
typedef struct _lv_disp_t {
    struct _lv_disp_drv_t * driver;
    lv_timer_t * refr_timer;        /**< redraws the dirty areas; paused while there are none*/
    struct _lv_theme_t * theme;     /**< given to objects created on this display*/

    struct _lv_obj_t ** screens;    /**< every screen, layers included*/
    struct _lv_obj_t * act_scr;     /**< the screen shown*/
    struct _lv_obj_t * prev_scr;    /**< the screen being replaced while a load animation runs*/
    struct _lv_obj_t * scr_to_load; /**< the screen a load animation is bringing in*/
    struct _lv_obj_t * top_layer;
    struct _lv_obj_t * sys_layer;
    uint32_t screen_cnt;
    uint8_t draw_prev_over_act : 1; /**< the old screen is drawn above the new one (it moves out)*/
    uint8_t del_prev : 1;           /**< delete the old screen when the load animation ends*/
    uint8_t rendering_in_progress : 1; /**< a frame is being drawn; invalidations meanwhile are dropped*/

    lv_opa_t bg_opa;                /**< behind the screens: colour or image, this opaque*/
    lv_color_t bg_color;
    const void * bg_img;

    /*The first inv_p entries are the dirty areas of the next frame. Areas joined
     *into another leave the list, so `inv_area_joined` stays all 0; it is kept
     *for source compatibility*/
    lv_area_t inv_areas[LV_INV_BUF_SIZE];
    uint8_t inv_area_joined[LV_INV_BUF_SIZE];
    uint16_t inv_p;

    uint32_t last_activity_time;    /**< tick of the last input on this display*/

    int32_t inv_en_cnt;             /**< invalidation works while >= 0 (see lv_disp_enable_invalidation)*/
} lv_disp_t;

/**********************
 * GLOBAL PROTOTYPES
 **********************/

/** Fill a driver with defaults (320x240, software renderer...); then set what differs.*/
void lv_disp_drv_init(lv_disp_drv_t * driver);

/** Set up the display list; called by lv_init.*/
void _lv_disp_core_init(void);

/**
 * Set up the draw buffers.
 * @param buf1      required
 * @param buf2      optional second buffer of the same size, so that drawing and sending overlap
 * @param size_in_px_cnt size of each buffer in pixels
 */
void lv_disp_draw_buf_init(lv_disp_draw_buf_t * draw_buf, void * buf1, void * buf2, uint32_t size_in_px_cnt);

/**
 * Register a display: draw context, refresh timer, theme, first screen and
 * layers. The first display registered becomes the default one.
 * @return          the display, or NULL when out of memory
 */
lv_disp_t * lv_disp_drv_register(lv_disp_drv_t * driver);

/** Take a changed driver (size, buffers) into use; screens follow the new size.*/
void lv_disp_drv_update(lv_disp_t * disp, lv_disp_drv_t * new_drv);

/** Delete a display with its screens; input devices on it are detached.*/
void lv_disp_remove(lv_disp_t * disp);

/** New screens and NULL display arguments refer to `disp` from now on.*/
void lv_disp_set_default(lv_disp_t * disp);

/** @return the default display, or NULL*/
lv_disp_t * lv_disp_get_default(void);

/**
 * Sizes and offsets of a display, rotation taken into account for hor/ver res.
 * @param disp      a display, or NULL for the default one (0 without any)
 */
lv_coord_t lv_disp_get_hor_res(lv_disp_t * disp);
lv_coord_t lv_disp_get_ver_res(lv_disp_t * disp);
lv_coord_t lv_disp_get_physical_hor_res(lv_disp_t * disp);
lv_coord_t lv_disp_get_physical_ver_res(lv_disp_t * disp);
lv_coord_t lv_disp_get_offset_x(lv_disp_t * disp);
lv_coord_t lv_disp_get_offset_y(lv_disp_t * disp);

/** @return true if the display draws with anti-aliasing*/
bool lv_disp_get_antialiasing(lv_disp_t * disp);

/** @return the display's DPI; LV_DPI_DEF without a display*/
lv_coord_t lv_disp_get_dpi(const lv_disp_t * disp);

/** Turn the display in quarter steps; width and height swap for 90 and 270.*/
void lv_disp_set_rotation(lv_disp_t * disp, lv_disp_rot_t rotation);
lv_disp_rot_t lv_disp_get_rotation(lv_disp_t * disp);

/** For `flush_cb`: the buffer has been sent and may be drawn into again.*/
LV_ATTRIBUTE_FLUSH_READY void lv_disp_flush_ready(lv_disp_drv_t * disp_drv);

/** For `flush_cb`: @return true if this part completes the frame*/
LV_ATTRIBUTE_FLUSH_READY bool lv_disp_flush_is_last(lv_disp_drv_t * disp_drv);

/** @return the display after `disp`, the first one for NULL, or NULL at the end*/
lv_disp_t * lv_disp_get_next(lv_disp_t * disp);

/** @return the display's draw buffers*/
lv_disp_draw_buf_t * lv_disp_get_draw_buf(lv_disp_t * disp);

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif
