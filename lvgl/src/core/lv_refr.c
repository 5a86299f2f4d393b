/**
 * @file lv_refr.c
 * Redrawing what was invalidated. Each display collects dirty areas
 * (`_lv_inv_area`); its refresh timer joins the ones that overlap, draws
 * each into the draw buffer and hands the buffer to the driver's flush
 * callback. A display with nothing dirty pauses its timer, so an idle screen
 * is never drawn again.
 *
 * How an area is drawn depends on the buffer. One that holds the whole
 * screen (full_refresh, direct_mode) is drawn into at screen coordinates in
 * one piece: the whole screen with full_refresh, just the area with
 * direct_mode. A smaller buffer takes the area in bands of as many rows as
 * it holds, each band sent out before the next is drawn.
 *
 * Drawing an area starts at the topmost object that covers all of it
 * opaquely, since nothing under that object can show.
 */

#include "lv_refr.h"
#include "lv_disp.h"
#include "../hal/lv_hal_disp.h"
#include "../misc/lv_timer.h"
#include "../misc/lv_mem.h"
#include "../misc/lv_math.h"
#include "../misc/lv_anim.h"
#include "../draw/lv_draw.h"
#include "../font/lv_font_fmt_txt.h"

static void settle_layouts(lv_disp_t * d);
static void join_dirty_areas(lv_disp_t * d);
static uint32_t draw_frame(lv_disp_t * d);
static void draw_area(lv_disp_t * d, const lv_area_t * area);
static void draw_in_bands(lv_disp_t * d, const lv_area_t * area);
static lv_coord_t band_rows(lv_disp_t * d, const lv_area_t * area);
static void draw_part(lv_disp_t * d, lv_area_t * buf_area, const lv_area_t * clip, bool last_part);
static void paint_layers(lv_disp_t * d, lv_draw_ctx_t * ctx);
static void paint_background(lv_disp_t * d, lv_draw_ctx_t * ctx);
static lv_obj_t * cover_start(lv_obj_t * obj, const lv_area_t * area);
static void paint_from(lv_draw_ctx_t * ctx, lv_obj_t * start);
static void redraw_if_shown(lv_draw_ctx_t * ctx, lv_obj_t * obj);
static void send_draw_stage(lv_obj_t * obj, lv_event_code_t begin, lv_draw_ctx_t * ctx);
static void send_out(lv_disp_t * d, const lv_area_t * area);
static void wait_for_flush(lv_disp_t * d);
static lv_area_t screen_area(lv_disp_t * d);
static bool buffer_holds_screen(lv_disp_t * d);

/* The display whose refresh timer is running, else NULL */
static lv_disp_t * refreshing;

void _lv_refr_init(void)
{
    refreshing = NULL;
}

void lv_refr_now(lv_disp_t * disp)
{
    lv_anim_refr_now();
    for(lv_disp_t * d = disp ? disp : lv_disp_get_next(NULL); d != NULL; d = lv_disp_get_next(d)) {
        if(d->refr_timer) _lv_disp_refr_timer(d->refr_timer);
        if(disp) break;
    }
}

/* The object draws itself (the MAIN stage) as far as its extra draw size
 * reaches, then its children within its own area (unless it lets them
 * overflow), then the POST stage (scrollbars, things drawn over the
 * children). An object that lets its children overflow draws even when it
 * is off the clip area: what it draws, masks for one, can matter to
 * children that are on it. */
void lv_obj_redraw(lv_draw_ctx_t * draw_ctx, lv_obj_t * obj)
{
    const lv_area_t * outer = draw_ctx->clip_area;
    bool overflows = lv_obj_has_flag(obj, LV_OBJ_FLAG_OVERFLOW_VISIBLE);

    lv_area_t reach = obj->coords;
    lv_coord_t ext = _lv_obj_get_ext_draw_size(obj);
    lv_area_increase(&reach, ext, ext);
    lv_area_t own_clip;
    bool draws_itself = _lv_area_intersect(&own_clip, outer, &reach) || overflows;

    if(draws_itself) {
        draw_ctx->clip_area = &own_clip;
        send_draw_stage(obj, LV_EVENT_DRAW_MAIN_BEGIN, draw_ctx);
    }

    lv_area_t children_clip = *outer;
    if(overflows || _lv_area_intersect(&children_clip, outer, &obj->coords)) {
        draw_ctx->clip_area = &children_clip;
        uint32_t count = lv_obj_get_child_cnt(obj);
        for(uint32_t i = 0; i < count; i++) redraw_if_shown(draw_ctx, obj->spec_attr->children[i]);
    }

    if(draws_itself) {
        draw_ctx->clip_area = &own_clip;
        send_draw_stage(obj, LV_EVENT_DRAW_POST_BEGIN, draw_ctx);
    }
    draw_ctx->clip_area = outer;
}

/* Ignored while a frame is being drawn: the frame reads the list, and a
 * change now would corrupt it. With full_refresh the whole screen is dirty
 * whatever changed. */
void _lv_inv_area(lv_disp_t * disp, const lv_area_t * area_p)
{
    lv_disp_t * d = disp ? disp : lv_disp_get_default();
    if(d == NULL || !lv_disp_is_invalidation_enabled(d) || d->rendering_in_progress) return;

    if(area_p == NULL) {
        d->inv_p = 0;
        return;
    }

    lv_area_t screen = screen_area(d);
    lv_area_t dirty;
    if(!_lv_area_intersect(&dirty, area_p, &screen)) return;

    if(d->driver->full_refresh) {
        d->inv_areas[0] = screen;
        d->inv_p = 1;
    }
    else {
        if(d->driver->rounder_cb) d->driver->rounder_cb(d->driver, &dirty);
        for(uint32_t i = 0; i < d->inv_p; i++) {
            if(_lv_area_is_in(&dirty, &d->inv_areas[i], 0)) return;   /*nothing new*/
        }
        /* A full list gives up on precision: the whole screen it is */
        if(d->inv_p == LV_INV_BUF_SIZE) {
            d->inv_p = 0;
            dirty = screen;
        }
        d->inv_areas[d->inv_p++] = dirty;
    }

    if(d->refr_timer) lv_timer_resume(d->refr_timer);
}

lv_disp_t * _lv_refr_get_disp_refreshing(void)
{
    return refreshing;
}

void _lv_refr_set_disp_refreshing(lv_disp_t * disp)
{
    refreshing = disp;
}

void _lv_disp_refr_timer(lv_timer_t * tmr)
{
    lv_disp_t * d = tmr->user_data;
    refreshing = d;

    /* A layout that moves objects invalidates them: settle it before looking */
    settle_layouts(d);
    if(d->act_scr == NULL) d->inv_p = 0;
    if(d->inv_p == 0) {
        /* Nothing to draw: sleep until an invalidation resumes the timer */
        lv_timer_pause(tmr);
        refreshing = NULL;
        return;
    }

    uint32_t start = lv_tick_get();
    join_dirty_areas(d);
    uint32_t px = draw_frame(d);
    d->inv_p = 0;
    lv_memset_00(d->inv_area_joined, sizeof(d->inv_area_joined));
    if(d->driver->monitor_cb) d->driver->monitor_cb(d->driver, lv_tick_elaps(start), px);

    /* Scratch buffers of the renderer and of the glyph decoder live for one frame */
    lv_mem_buf_free_all();
    _lv_font_clean_up_fmt_txt();
    refreshing = NULL;
}

static void settle_layouts(lv_disp_t * d)
{
    lv_obj_t * roots[] = {d->act_scr, d->prev_scr, d->top_layer, d->sys_layer};
    for(size_t i = 0; i < sizeof(roots) / sizeof(roots[0]); i++) {
        if(roots[i]) lv_obj_update_layout(roots[i]);
    }
}

/* Two overlapping areas are drawn as one when their bounding box is smaller
 * than the two together. Joined areas leave the list (the last one takes
 * the free place), and the passes repeat until no pair joins: a bounding
 * box may now overlap an area that neither part did. */
static void join_dirty_areas(lv_disp_t * d)
{
    bool joined = true;
    while(joined) {
        joined = false;
        for(uint32_t i = 0; i < d->inv_p; i++) {
            uint32_t j = i + 1;
            while(j < d->inv_p) {
                lv_area_t * a = &d->inv_areas[i];
                lv_area_t * b = &d->inv_areas[j];
                lv_area_t box;
                _lv_area_join(&box, a, b);
                if(_lv_area_is_on(a, b) && lv_area_get_size(&box) < lv_area_get_size(a) + lv_area_get_size(b)) {
                    *a = box;
                    d->inv_areas[j] = d->inv_areas[d->inv_p - 1];
                    d->inv_p--;
                    joined = true;
                }
                else {
                    j++;
                }
            }
        }
    }
}

/* Draw every dirty area; the driver learns which part ends the frame.
 * Returns the number of pixels drawn. */
static uint32_t draw_frame(lv_disp_t * d)
{
    lv_disp_drv_t * drv = d->driver;
    if(drv->render_start_cb) drv->render_start_cb(drv);

    uint32_t px = 0;
    d->rendering_in_progress = 1;
    for(uint32_t i = 0; i < d->inv_p; i++) {
        drv->draw_buf->last_area = i + 1 == d->inv_p;
        drv->draw_buf->last_part = 0;
        draw_area(d, &d->inv_areas[i]);
        px += lv_area_get_size(&d->inv_areas[i]);
    }
    d->rendering_in_progress = 0;
    return px;
}

/* A buffer smaller than the screen is drawn in bands even in full_refresh
 * or direct_mode: drawn at screen coordinates it would be written past its
 * end. */
static void draw_area(lv_disp_t * d, const lv_area_t * area)
{
    lv_disp_drv_t * drv = d->driver;
    if(!(drv->full_refresh || drv->direct_mode) || !buffer_holds_screen(d)) {
        draw_in_bands(d, area);
        return;
    }
    lv_area_t screen = screen_area(d);
    draw_part(d, &screen, drv->full_refresh ? &screen : area, true);
}

static void draw_in_bands(lv_disp_t * d, const lv_area_t * area)
{
    lv_coord_t bottom = LV_MIN(area->y2, lv_disp_get_ver_res(d) - 1);
    lv_coord_t rows = band_rows(d, area);
    /* A buffer that cannot take one row of the area (or a rounder no band
     * fits) leaves nothing that can be drawn */
    if(rows < 1) return;

    for(lv_coord_t top = area->y1; top <= bottom; top += rows) {
        lv_area_t band = {area->x1, top, area->x2, LV_MIN((lv_coord_t)(top + rows - 1), bottom)};
        draw_part(d, &band, &band, band.y2 == bottom);
    }
}

/* As many rows of the area as the buffer holds. A rounder may make a band
 * taller (to whole display pages, say), so with one the band is the tallest
 * whose rounded height still fits. */
static lv_coord_t band_rows(lv_disp_t * d, const lv_area_t * area)
{
    lv_disp_drv_t * drv = d->driver;
    int32_t width = lv_area_get_width(area);
    if(width < 1) return 0;
    int32_t fits = (int32_t)(drv->draw_buf->size / (uint32_t)width);
    fits = LV_MIN(fits, (int32_t)lv_area_get_height(area));
    if(drv->rounder_cb == NULL) return (lv_coord_t)fits;

    for(int32_t rows = fits; rows > 0; rows--) {
        lv_area_t probe = {0, 0, 0, (lv_coord_t)(rows - 1)};
        drv->rounder_cb(drv, &probe);
        if(lv_area_get_height(&probe) <= fits) return lv_area_get_height(&probe);
    }
    return 0;
}

/* Draw one part of the frame: `buf_area` is where the buffer lies on the
 * screen, `clip` what is drawn of it. */
static void draw_part(lv_disp_t * d, lv_area_t * buf_area, const lv_area_t * clip, bool last_part)
{
    lv_disp_drv_t * drv = d->driver;
    lv_disp_draw_buf_t * buf = drv->draw_buf;
    lv_draw_ctx_t * ctx = drv->draw_ctx;

    /* A single buffer is drawn into again only once the driver sent it */
    if(buf->buf2 == NULL) wait_for_flush(d);
    ctx->buf = buf->buf_act;
    ctx->buf_area = buf_area;
    ctx->clip_area = clip;
    if(last_part) buf->last_part = 1;

    paint_layers(d, ctx);
    /* In direct mode the driver gets the whole buffer and the area that changed */
    send_out(d, drv->direct_mode && !drv->full_refresh ? clip : buf_area);
}

/* The screens bottom up (during a load animation the old screen may be on
 * top of the new one), then the top layer and the system layer. */
static void paint_layers(lv_disp_t * d, lv_draw_ctx_t * ctx)
{
    lv_obj_t * act_start = cover_start(d->act_scr, ctx->clip_area);
    lv_obj_t * prev_start = cover_start(d->prev_scr, ctx->clip_area);
    if(act_start == NULL && prev_start == NULL) paint_background(d, ctx);

    lv_obj_t * lower = prev_start ? prev_start : d->prev_scr;
    lv_obj_t * upper = act_start ? act_start : d->act_scr;
    if(d->draw_prev_over_act) {
        lv_obj_t * swap = lower;
        lower = upper;
        upper = swap;
    }
    paint_from(ctx, lower);
    paint_from(ctx, upper);
    paint_from(ctx, d->top_layer);
    paint_from(ctx, d->sys_layer);
}

/* What shows where no screen covers the area: the display's own colour or image. */
static void paint_background(lv_disp_t * d, lv_draw_ctx_t * ctx)
{
    lv_draw_rect_dsc_t dsc;
    lv_draw_rect_dsc_init(&dsc);
    dsc.bg_color = d->bg_color;
    dsc.bg_opa = d->bg_opa;
    dsc.bg_img_src = d->bg_img;
    dsc.bg_img_opa = d->bg_opa;
    lv_draw_rect(ctx, &dsc, ctx->clip_area);
}

/* The deepest, topmost object of `obj`'s tree that paints all of `area`
 * opaquely, or NULL. A masked object ends the search in its subtree: what
 * lies under a mask cannot be trusted to cover. */
static lv_obj_t * cover_start(lv_obj_t * obj, const lv_area_t * area)
{
    if(obj == NULL || lv_obj_has_flag(obj, LV_OBJ_FLAG_HIDDEN)) return NULL;
    if(!_lv_area_is_in(area, &obj->coords, 0)) return NULL;

    lv_cover_check_info_t info = {.res = LV_COVER_RES_COVER, .area = area};
    lv_event_send(obj, LV_EVENT_COVER_CHECK, &info);
    if(info.res == LV_COVER_RES_MASKED) return NULL;

    /* A covering child is drawn over this object, so it is the better start */
    for(uint32_t i = lv_obj_get_child_cnt(obj); i > 0; i--) {
        lv_obj_t * deeper = cover_start(obj->spec_attr->children[i - 1], area);
        if(deeper) return deeper;
    }
    return info.res == LV_COVER_RES_COVER ? obj : NULL;
}

/* Draw `start` with its subtree and then everything drawn after it: at each
 * level up, the younger siblings of the branch done so far, then the
 * parent's POST stage. */
static void paint_from(lv_draw_ctx_t * ctx, lv_obj_t * start)
{
    if(start == NULL) return;
    redraw_if_shown(ctx, start);

    lv_obj_t * done = start;
    for(lv_obj_t * parent = lv_obj_get_parent(start); parent != NULL; parent = lv_obj_get_parent(parent)) {
        uint32_t count = lv_obj_get_child_cnt(parent);
        for(uint32_t i = lv_obj_get_index(done) + 1; i < count; i++) redraw_if_shown(ctx, parent->spec_attr->children[i]);
        send_draw_stage(parent, LV_EVENT_DRAW_POST_BEGIN, ctx);
        done = parent;
    }
}

static void redraw_if_shown(lv_draw_ctx_t * ctx, lv_obj_t * obj)
{
    if(!lv_obj_has_flag(obj, LV_OBJ_FLAG_HIDDEN)) lv_obj_redraw(ctx, obj);
}

/* A drawing stage is three events in a row: BEGIN, the stage, END. */
static void send_draw_stage(lv_obj_t * obj, lv_event_code_t begin, lv_draw_ctx_t * ctx)
{
    for(uint32_t step = 0; step < 3; step++) lv_event_send(obj, (lv_event_code_t)(begin + step), ctx);
}

/* Hand the drawn part to the driver, at the display's offset in the
 * driver's coordinates, then switch buffers if there are two (in direct
 * mode only once the frame is complete: each buffer must hold whole frames). */
static void send_out(lv_disp_t * d, const lv_area_t * area)
{
    lv_disp_drv_t * drv = d->driver;
    lv_disp_draw_buf_t * buf = drv->draw_buf;
    lv_draw_ctx_t * ctx = drv->draw_ctx;

    /* The renderer may still be busy with the buffer (a GPU, say) */
    if(ctx->wait_for_finish) ctx->wait_for_finish(ctx);
    /* With two buffers the driver may still be sending the other one */
    if(buf->buf2) wait_for_flush(d);

    bool frame_done = buf->last_area && buf->last_part;
    buf->flushing = 1;
    buf->flushing_last = frame_done;
    if(drv->flush_cb) {
        lv_area_t placed = *area;
        lv_area_move(&placed, drv->offset_x, drv->offset_y);
        drv->flush_cb(drv, &placed, ctx->buf);
    }
    else {
        /* Nobody to send it to: the buffer is free again at once */
        lv_disp_flush_ready(drv);
    }

    if(buf->buf2 && (!drv->direct_mode || frame_done)) buf->buf_act = buf->buf_act == buf->buf1 ? buf->buf2 : buf->buf1;
}

static void wait_for_flush(lv_disp_t * d)
{
    lv_disp_drv_t * drv = d->driver;
    while(drv->draw_buf->flushing) {
        if(drv->wait_cb) drv->wait_cb(drv);
    }
}

static lv_area_t screen_area(lv_disp_t * d)
{
    lv_area_t screen = {0, 0, (lv_coord_t)(lv_disp_get_hor_res(d) - 1), (lv_coord_t)(lv_disp_get_ver_res(d) - 1)};
    return screen;
}

static bool buffer_holds_screen(lv_disp_t * d)
{
    uint32_t pixels = (uint32_t)lv_disp_get_hor_res(d) * (uint32_t)lv_disp_get_ver_res(d);
    return d->driver->draw_buf->size >= pixels;
}
