/**
 * @file lv_hal_disp.c
 * Registering and updating displays.
 */

/*********************
 *      INCLUDES
 *********************/
#include <stdint.h>
#include <stddef.h>
#include "lv_hal.h"
#include "../misc/lv_mem.h"
#include "../misc/lv_ll.h"
#include "../core/lv_obj.h"
#include "../core/lv_refr.h"
#include "../core/lv_theme.h"
#include "../draw/sw/lv_draw_sw.h"
#include "../extra/themes/default/lv_theme_default.h"

/**********************
 *  STATIC PROTOTYPES
 **********************/
static lv_obj_tree_walk_res_t mark_layout_dirty_cb(lv_obj_t * obj, void * user_data);
static lv_disp_t * disp_or_default(const lv_disp_t * disp);

/**********************
 *  STATIC VARIABLES
 **********************/
static lv_ll_t disp_ll;
static lv_disp_t * default_disp;

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

void _lv_disp_core_init(void)
{
    _lv_ll_init(&disp_ll, sizeof(lv_disp_t));
    default_disp = NULL;
}

void lv_disp_drv_init(lv_disp_drv_t * driver)
{
    lv_memset_00(driver, sizeof(lv_disp_drv_t));

    driver->hor_res          = 320;
    driver->ver_res          = 240;
    driver->physical_hor_res = -1;
    driver->physical_ver_res = -1;
    driver->offset_x         = 0;
    driver->offset_y         = 0;
    driver->antialiasing     = LV_COLOR_DEPTH > 8 ? 1 : 0;
    driver->screen_transp    = LV_COLOR_SCREEN_TRANSP;
    driver->dpi              = LV_DPI_DEF;
    driver->color_chroma_key = LV_COLOR_CHROMA_KEY;

    driver->draw_ctx_init = lv_draw_sw_init_ctx;
    driver->draw_ctx_deinit = lv_draw_sw_deinit_ctx;
    driver->draw_ctx_size = sizeof(lv_draw_sw_ctx_t);
}

void lv_disp_draw_buf_init(lv_disp_draw_buf_t * draw_buf, void * buf1, void * buf2, uint32_t size_in_px_cnt)
{
    lv_memset_00(draw_buf, sizeof(lv_disp_draw_buf_t));

    draw_buf->buf1    = buf1;
    draw_buf->buf2    = buf2;
    draw_buf->buf_act = draw_buf->buf1;
    draw_buf->size    = size_in_px_cnt;
}

/* Give the driver a draw context of its own kind unless the host already set one. */
static bool ensure_draw_ctx(lv_disp_drv_t * driver)
{
    if(driver->draw_ctx) return true;

    lv_draw_ctx_t * draw_ctx = lv_mem_alloc(driver->draw_ctx_size);
    LV_ASSERT_MALLOC(draw_ctx);
    if(draw_ctx == NULL) return false;
    lv_memset_00(draw_ctx, driver->draw_ctx_size);
    driver->draw_ctx_init(driver, draw_ctx);
    driver->draw_ctx = draw_ctx;
    return true;
}

/* The first display creates the default theme; later ones share it. */
static void assign_default_theme(lv_disp_t * disp)
{
#if LV_USE_THEME_DEFAULT
    if(lv_theme_default_is_inited() == false) {
        disp->theme = lv_theme_default_init(disp, lv_palette_main(LV_PALETTE_BLUE), lv_palette_main(LV_PALETTE_RED),
                                            LV_THEME_DEFAULT_DARK, LV_FONT_DEFAULT);
    }
    else {
        disp->theme = lv_theme_default_get();
    }
#else
    LV_UNUSED(disp);
#endif
}

/* A layer is a bare screen that lets clicks through to the screen below. */
static lv_obj_t * create_layer(void)
{
    lv_obj_t * layer = lv_obj_create(NULL);
    lv_obj_remove_style_all(layer);
    lv_obj_clear_flag(layer, LV_OBJ_FLAG_CLICKABLE);
    lv_obj_set_scrollbar_mode(layer, LV_SCROLLBAR_MODE_OFF);
    return layer;
}

/**
 * Register a display: its draw context (allocated with the driver's
 * `draw_ctx_size` and set up by `draw_ctx_init`, which a host may use to
 * replace the blend step), the refresh timer, the default theme, and the
 * first screen with the top and system layers. The first display becomes
 * the default one.
 */
lv_disp_t * lv_disp_drv_register(lv_disp_drv_t * driver)
{
    lv_disp_t * disp = _lv_ll_ins_head(&disp_ll);
    LV_ASSERT_MALLOC(disp);
    if(!disp) return NULL;

    if(!ensure_draw_ctx(driver)) {
        _lv_ll_remove(&disp_ll, disp);
        lv_mem_free(disp);
        return NULL;
    }

    lv_memset_00(disp, sizeof(lv_disp_t));
    disp->driver = driver;

    /*lv_obj_create(NULL) puts screens on the default display, so this one
     *is the default while its screens are made*/
    lv_disp_t * previous_default = default_disp;
    default_disp = disp;

    disp->refr_timer = lv_timer_create(_lv_disp_refr_timer, LV_DISP_DEF_REFR_PERIOD, disp);
    LV_ASSERT_MALLOC(disp->refr_timer);
    if(disp->refr_timer == NULL) {
        lv_mem_free(disp);
        return NULL;
    }

    disp->bg_color = lv_color_white();
    disp->bg_opa = LV_OPA_COVER;

    assign_default_theme(disp);

    disp->act_scr = lv_obj_create(NULL);
    disp->top_layer = create_layer();
    disp->sys_layer = create_layer();

    lv_obj_invalidate(disp->act_scr);

    default_disp = previous_default ? previous_default : disp;

    /*Draw the first frame at the next timer run rather than a period later*/
    lv_timer_ready(disp->refr_timer);

    return disp;
}

/**
 * Take a changed driver (new resolution, new draw buffer) into use: screens
 * and layers follow the new resolution and every layout is redone. A
 * `full_refresh` request with a buffer smaller than the screen is refused
 * (it would be drawn out of bounds).
 */
void lv_disp_drv_update(lv_disp_t * disp, lv_disp_drv_t * new_drv)
{
    disp->driver = new_drv;

    if(disp->driver->full_refresh &&
       disp->driver->draw_buf->size < (uint32_t)disp->driver->hor_res * disp->driver->ver_res) {
        disp->driver->full_refresh = 0;
    }

    lv_coord_t w = lv_disp_get_hor_res(disp);
    lv_coord_t h = lv_disp_get_ver_res(disp);
    uint32_t i;
    for(i = 0; i < disp->screen_cnt; i++) {
        lv_area_t prev_coords;
        lv_obj_get_coords(disp->screens[i], &prev_coords);
        lv_area_set_width(&disp->screens[i]->coords, w);
        lv_area_set_height(&disp->screens[i]->coords, h);
        lv_event_send(disp->screens[i], LV_EVENT_SIZE_CHANGED, &prev_coords);
    }

    /*The dirty areas were recorded for the old size and may lie outside the
     *new one (after a rotation, say); start over with the whole active screen*/
    lv_memset_00(disp->inv_areas, sizeof(disp->inv_areas));
    lv_memset_00(disp->inv_area_joined, sizeof(disp->inv_area_joined));
    disp->inv_p = 0;
    if(disp->act_scr != NULL) lv_obj_invalidate(disp->act_scr);

    lv_obj_tree_walk(NULL, mark_layout_dirty_cb, NULL);

    if(disp->driver->drv_update_cb) disp->driver->drv_update_cb(disp->driver);
}

void lv_disp_remove(lv_disp_t * disp)
{
    bool was_default = disp == lv_disp_get_default();

    /*Input devices on this display stop being read (they have no display)*/
    for(lv_indev_t * indev = lv_indev_get_next(NULL); indev; indev = lv_indev_get_next(indev)) {
        if(indev->driver->disp == disp) indev->driver->disp = NULL;
    }

    /*Delete the screens; their list shrinks as each goes*/
    disp->act_scr = NULL;
    disp->prev_scr = NULL;
    disp->scr_to_load = NULL;
    while(disp->screen_cnt != 0) {
        lv_obj_del(disp->screens[0]);
    }
    disp->top_layer = NULL;
    disp->sys_layer = NULL;

    if(disp->driver->draw_ctx) {
        if(disp->driver->draw_ctx_deinit) disp->driver->draw_ctx_deinit(disp->driver, disp->driver->draw_ctx);
        lv_mem_free(disp->driver->draw_ctx);
        disp->driver->draw_ctx = NULL;
    }

    _lv_ll_remove(&disp_ll, disp);
    if(disp->refr_timer) lv_timer_del(disp->refr_timer);
    lv_mem_free(disp);

    if(was_default) lv_disp_set_default(_lv_ll_get_head(&disp_ll));
}

void lv_disp_set_default(lv_disp_t * disp)
{
    default_disp = disp;
}

lv_disp_t * lv_disp_get_default(void)
{
    return default_disp;
}

/* NULL stands for the default display. */
static lv_disp_t * disp_or_default(const lv_disp_t * disp)
{
    return disp ? (lv_disp_t *)disp : lv_disp_get_default();
}

/* Rotated by a quarter turn, the driver's width is the display's height. */
static bool turned_sideways(const lv_disp_t * disp)
{
    return disp->driver->rotated == LV_DISP_ROT_90 || disp->driver->rotated == LV_DISP_ROT_270;
}

lv_coord_t lv_disp_get_hor_res(lv_disp_t * disp)
{
    disp = disp_or_default(disp);
    if(disp == NULL) return 0;
    return turned_sideways(disp) ? disp->driver->ver_res : disp->driver->hor_res;
}

lv_coord_t lv_disp_get_ver_res(lv_disp_t * disp)
{
    disp = disp_or_default(disp);
    if(disp == NULL) return 0;
    return turned_sideways(disp) ? disp->driver->hor_res : disp->driver->ver_res;
}

lv_coord_t lv_disp_get_physical_hor_res(lv_disp_t * disp)
{
    disp = disp_or_default(disp);
    if(disp == NULL) return 0;
    return disp->driver->physical_hor_res > 0 ? disp->driver->physical_hor_res : disp->driver->hor_res;
}

lv_coord_t lv_disp_get_physical_ver_res(lv_disp_t * disp)
{
    disp = disp_or_default(disp);
    if(disp == NULL) return 0;
    return disp->driver->physical_ver_res > 0 ? disp->driver->physical_ver_res : disp->driver->ver_res;
}

lv_coord_t lv_disp_get_offset_x(lv_disp_t * disp)
{
    disp = disp_or_default(disp);
    if(disp == NULL) return 0;
    return disp->driver->offset_x;
}

lv_coord_t lv_disp_get_offset_y(lv_disp_t * disp)
{
    disp = disp_or_default(disp);
    if(disp == NULL) return 0;
    return disp->driver->offset_y;
}

bool lv_disp_get_antialiasing(lv_disp_t * disp)
{
    disp = disp_or_default(disp);
    if(disp == NULL) return false;
    return disp->driver->antialiasing != 0;
}

lv_coord_t lv_disp_get_dpi(const lv_disp_t * disp)
{
    disp = disp_or_default(disp);
    if(disp == NULL) return LV_DPI_DEF; /*callers divide by it*/
    return disp->driver->dpi;
}

void lv_disp_set_rotation(lv_disp_t * disp, lv_disp_rot_t rotation)
{
    disp = disp_or_default(disp);
    if(disp == NULL) return;

    disp->driver->rotated = rotation;
    lv_disp_drv_update(disp, disp->driver);
}

lv_disp_rot_t lv_disp_get_rotation(lv_disp_t * disp)
{
    disp = disp_or_default(disp);
    if(disp == NULL) return LV_DISP_ROT_NONE;
    return disp->driver->rotated;
}

LV_ATTRIBUTE_FLUSH_READY void lv_disp_flush_ready(lv_disp_drv_t * disp_drv)
{
    disp_drv->draw_buf->flushing = 0;
    disp_drv->draw_buf->flushing_last = 0;
}

LV_ATTRIBUTE_FLUSH_READY bool lv_disp_flush_is_last(lv_disp_drv_t * disp_drv)
{
    return disp_drv->draw_buf->flushing_last;
}

lv_disp_t * lv_disp_get_next(lv_disp_t * disp)
{
    return disp ? _lv_ll_get_next(&disp_ll, disp) : _lv_ll_get_head(&disp_ll);
}

lv_disp_draw_buf_t * lv_disp_get_draw_buf(lv_disp_t * disp)
{
    return disp->driver->draw_buf;
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

static lv_obj_tree_walk_res_t mark_layout_dirty_cb(lv_obj_t * obj, void * user_data)
{
    LV_UNUSED(user_data);
    lv_obj_mark_layout_as_dirty(obj);
    return LV_OBJ_TREE_WALK_NEXT;
}
