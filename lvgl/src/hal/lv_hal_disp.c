/**
 * @file lv_hal_disp.c
 * Registering, updating and removing displays, and what their drivers say
 * about them.
 */

#include <stdint.h>
#include <stddef.h>
#include "lv_hal.h"
#include "../misc/lv_mem.h"
#include "../core/lv_obj.h"
#include "../core/lv_refr.h"
#include "../core/lv_theme.h"
#include "../draw/sw/lv_draw_sw.h"
#include "../extra/themes/default/lv_theme_default.h"

static bool buffer_holds_screen(const lv_disp_drv_t * driver);
static void fit_screens_to_resolution(lv_disp_t * disp);
static lv_obj_tree_walk_res_t mark_layout_dirty(lv_obj_t * obj, void * user_data);
static lv_disp_t * resolve(const lv_disp_t * disp);
static bool quarter_turned(const lv_disp_t * disp);

static const lv_disp_drv_t driver_defaults = {
    .hor_res = 320,
    .ver_res = 240,
    .physical_hor_res = -1,
    .physical_ver_res = -1,
    .antialiasing = LV_COLOR_DEPTH > 8,
    .screen_transp = LV_COLOR_SCREEN_TRANSP,
    .dpi = LV_DPI_DEF,
    .draw_ctx_init = lv_draw_sw_init_ctx,
    .draw_ctx_deinit = lv_draw_sw_deinit_ctx,
    .draw_ctx_size = sizeof(lv_draw_sw_ctx_t),
};

/* Registered displays, oldest first; lv_disp_get_next hands them out newest first */
static lv_disp_t ** displays;
static uint32_t display_count;
static uint32_t display_capacity;
static lv_disp_t * default_disp;

void _lv_disp_core_init(void)
{
    /* After lv_deinit the memory pool was reset, the old array with it */
    displays = NULL;
    display_count = 0;
    display_capacity = 0;
    default_disp = NULL;
}

void lv_disp_drv_init(lv_disp_drv_t * driver)
{
    *driver = driver_defaults;
    /* Not a constant expression, so not in the table */
    driver->color_chroma_key = LV_COLOR_CHROMA_KEY;
}

void lv_disp_draw_buf_init(lv_disp_draw_buf_t * draw_buf, void * buf1, void * buf2, uint32_t size_in_px_cnt)
{
    *draw_buf = (lv_disp_draw_buf_t) {
        .buf1 = buf1,
        .buf2 = buf2,
        .buf_act = buf1,
        .size = size_in_px_cnt,
    };
}

/* The driver's draw context: one the host set up itself, or else one of
 * `draw_ctx_size` bytes prepared by `draw_ctx_init` (the host's chance to
 * replace the blend step). */
static bool prepare_draw_ctx(lv_disp_drv_t * driver)
{
    if(driver->draw_ctx) return true;
    lv_draw_ctx_t * ctx = lv_mem_alloc(driver->draw_ctx_size);
    if(ctx == NULL) return false;
    lv_memset_00(ctx, driver->draw_ctx_size);
    driver->draw_ctx_init(driver, ctx);
    driver->draw_ctx = ctx;
    return true;
}

/* A layer is a bare, transparent screen that lets clicks through. */
static lv_obj_t * create_layer(void)
{
    lv_obj_t * layer = lv_obj_create(NULL);
    lv_obj_remove_style_all(layer);
    lv_obj_clear_flag(layer, LV_OBJ_FLAG_CLICKABLE);
    lv_obj_set_scrollbar_mode(layer, LV_SCROLLBAR_MODE_OFF);
    return layer;
}

/* lv_obj_create(NULL) puts a screen on the default display, so the new
 * display stands in as the default while its screens are made; the first
 * display registered stays the default afterwards. */
lv_disp_t * lv_disp_drv_register(lv_disp_drv_t * driver)
{
    if(display_count == display_capacity) {
        uint32_t capacity = display_capacity ? display_capacity * 2 : 2;
        lv_disp_t ** grown = lv_mem_realloc(displays, capacity * sizeof(lv_disp_t *));
        if(grown == NULL) return NULL;
        displays = grown;
        display_capacity = capacity;
    }
    if(!prepare_draw_ctx(driver)) return NULL;

    lv_disp_t * created = lv_mem_alloc(sizeof(lv_disp_t));
    if(created == NULL) return NULL;
    *created = (lv_disp_t) {
        .driver = driver,
        .bg_color = lv_color_white(),
        .bg_opa = LV_OPA_COVER,
    };
    created->refr_timer = lv_timer_create(_lv_disp_refr_timer, LV_DISP_DEF_REFR_PERIOD, created);
    if(created->refr_timer == NULL) {
        lv_mem_free(created);
        return NULL;
    }
    displays[display_count++] = created;

    lv_disp_t * earlier_default = default_disp;
    default_disp = created;
#if LV_USE_THEME_DEFAULT
    /* The first display builds the default theme, later ones share it */
    created->theme = lv_theme_default_is_inited() ? lv_theme_default_get() :
                     lv_theme_default_init(created, lv_palette_main(LV_PALETTE_BLUE),
                                           lv_palette_main(LV_PALETTE_RED), LV_THEME_DEFAULT_DARK, LV_FONT_DEFAULT);
#endif
    created->act_scr = lv_obj_create(NULL);
    created->top_layer = create_layer();
    created->sys_layer = create_layer();
    default_disp = earlier_default ? earlier_default : created;

    lv_obj_invalidate(created->act_scr);
    /* The first frame comes at the next timer pass, not a period later */
    lv_timer_ready(created->refr_timer);
    return created;
}

/* The driver changed (resolution, buffer, rotation): screens and layers
 * take the new size, the dirty areas recorded for the old size are dropped
 * in favour of the whole active screen, and every layout is redone. */
void lv_disp_drv_update(lv_disp_t * disp, lv_disp_drv_t * new_drv)
{
    disp->driver = new_drv;
    /* Drawing a whole screen into a smaller buffer would write past its end */
    if(new_drv->full_refresh && !buffer_holds_screen(new_drv)) new_drv->full_refresh = 0;

    fit_screens_to_resolution(disp);

    disp->inv_p = 0;
    lv_memset_00(disp->inv_area_joined, sizeof(disp->inv_area_joined));
    if(disp->act_scr) lv_obj_invalidate(disp->act_scr);

    for(uint32_t i = 0; i < disp->screen_cnt; i++) lv_obj_tree_walk(disp->screens[i], mark_layout_dirty, NULL);

    if(new_drv->drv_update_cb) new_drv->drv_update_cb(new_drv);
}

void lv_disp_remove(lv_disp_t * disp)
{
    /* Its input devices stop being read: they have nowhere to send input */
    for(lv_indev_t * indev = lv_indev_get_next(NULL); indev; indev = lv_indev_get_next(indev)) {
        if(indev->driver->disp == disp) indev->driver->disp = NULL;
    }

    /* No load animation is to pick up a screen while they go; each deleted
     * screen takes itself off the list */
    disp->act_scr = NULL;
    disp->prev_scr = NULL;
    disp->scr_to_load = NULL;
    while(disp->screen_cnt > 0) lv_obj_del(disp->screens[0]);
    disp->top_layer = NULL;
    disp->sys_layer = NULL;

    lv_disp_drv_t * driver = disp->driver;
    if(driver->draw_ctx) {
        if(driver->draw_ctx_deinit) driver->draw_ctx_deinit(driver, driver->draw_ctx);
        lv_mem_free(driver->draw_ctx);
        driver->draw_ctx = NULL;
    }
    lv_timer_del(disp->refr_timer);

    uint32_t kept = 0;
    for(uint32_t i = 0; i < display_count; i++) {
        if(displays[i] != disp) displays[kept++] = displays[i];
    }
    display_count = kept;
    if(default_disp == disp) default_disp = lv_disp_get_next(NULL);
    lv_mem_free(disp);
}

void lv_disp_set_default(lv_disp_t * disp)
{
    default_disp = disp;
}

lv_disp_t * lv_disp_get_default(void)
{
    return default_disp;
}

lv_coord_t lv_disp_get_hor_res(lv_disp_t * disp)
{
    const lv_disp_t * d = resolve(disp);
    if(d == NULL) return 0;
    return quarter_turned(d) ? d->driver->ver_res : d->driver->hor_res;
}

lv_coord_t lv_disp_get_ver_res(lv_disp_t * disp)
{
    const lv_disp_t * d = resolve(disp);
    if(d == NULL) return 0;
    return quarter_turned(d) ? d->driver->hor_res : d->driver->ver_res;
}

/* -1 (the default) means the physical display is this display */
lv_coord_t lv_disp_get_physical_hor_res(lv_disp_t * disp)
{
    const lv_disp_t * d = resolve(disp);
    if(d == NULL) return 0;
    return d->driver->physical_hor_res > 0 ? d->driver->physical_hor_res : d->driver->hor_res;
}

lv_coord_t lv_disp_get_physical_ver_res(lv_disp_t * disp)
{
    const lv_disp_t * d = resolve(disp);
    if(d == NULL) return 0;
    return d->driver->physical_ver_res > 0 ? d->driver->physical_ver_res : d->driver->ver_res;
}

lv_coord_t lv_disp_get_offset_x(lv_disp_t * disp)
{
    const lv_disp_t * d = resolve(disp);
    return d ? d->driver->offset_x : 0;
}

lv_coord_t lv_disp_get_offset_y(lv_disp_t * disp)
{
    const lv_disp_t * d = resolve(disp);
    return d ? d->driver->offset_y : 0;
}

bool lv_disp_get_antialiasing(lv_disp_t * disp)
{
    const lv_disp_t * d = resolve(disp);
    return d != NULL && d->driver->antialiasing;
}

/* Without a display the default DPI: callers divide by it */
lv_coord_t lv_disp_get_dpi(const lv_disp_t * disp)
{
    const lv_disp_t * d = resolve(disp);
    return d ? (lv_coord_t)d->driver->dpi : LV_DPI_DEF;
}

void lv_disp_set_rotation(lv_disp_t * disp, lv_disp_rot_t rotation)
{
    lv_disp_t * d = resolve(disp);
    if(d == NULL) return;
    d->driver->rotated = rotation;
    lv_disp_drv_update(d, d->driver);
}

lv_disp_rot_t lv_disp_get_rotation(lv_disp_t * disp)
{
    const lv_disp_t * d = resolve(disp);
    return d ? (lv_disp_rot_t)d->driver->rotated : LV_DISP_ROT_NONE;
}

LV_ATTRIBUTE_FLUSH_READY void lv_disp_flush_ready(lv_disp_drv_t * disp_drv)
{
    lv_disp_draw_buf_t * buf = disp_drv->draw_buf;
    buf->flushing_last = 0;
    buf->flushing = 0;
}

LV_ATTRIBUTE_FLUSH_READY bool lv_disp_flush_is_last(lv_disp_drv_t * disp_drv)
{
    return disp_drv->draw_buf->flushing_last != 0;
}

lv_disp_t * lv_disp_get_next(lv_disp_t * disp)
{
    uint32_t i = display_count;
    if(disp != NULL) {
        while(i > 0 && displays[i - 1] != disp) i--;
        if(i == 0) return NULL;
        i--;
    }
    return i > 0 ? displays[i - 1] : NULL;
}

lv_disp_draw_buf_t * lv_disp_get_draw_buf(lv_disp_t * disp)
{
    return disp->driver->draw_buf;
}

static bool buffer_holds_screen(const lv_disp_drv_t * driver)
{
    if(driver->draw_buf == NULL) return false;
    return driver->draw_buf->size >= (uint32_t)driver->hor_res * (uint32_t)driver->ver_res;
}

static void fit_screens_to_resolution(lv_disp_t * disp)
{
    lv_coord_t w = lv_disp_get_hor_res(disp);
    lv_coord_t h = lv_disp_get_ver_res(disp);
    for(uint32_t i = 0; i < disp->screen_cnt; i++) {
        lv_obj_t * scr = disp->screens[i];
        lv_area_t before = scr->coords;
        lv_area_set_width(&scr->coords, w);
        lv_area_set_height(&scr->coords, h);
        lv_event_send(scr, LV_EVENT_SIZE_CHANGED, &before);
    }
}

static lv_obj_tree_walk_res_t mark_layout_dirty(lv_obj_t * obj, void * user_data)
{
    LV_UNUSED(user_data);
    lv_obj_mark_layout_as_dirty(obj);
    return LV_OBJ_TREE_WALK_NEXT;
}

/* NULL stands for the default display. */
static lv_disp_t * resolve(const lv_disp_t * disp)
{
    return disp ? (lv_disp_t *)disp : default_disp;
}

/* Turned by a quarter, the driver's width is the display's height. */
static bool quarter_turned(const lv_disp_t * disp)
{
    lv_disp_rot_t r = (lv_disp_rot_t)disp->driver->rotated;
    return r == LV_DISP_ROT_90 || r == LV_DISP_ROT_270;
}
