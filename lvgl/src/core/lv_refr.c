/**
 * @file lv_refr.c
 * Redrawing the invalidated areas of a display and flushing them.
 *
 * With `full_refresh` any invalidation marks the whole screen, so a frame is
 * drawn in one piece; with nothing invalidated the refresh timer pauses
 * itself and an idle screen costs nothing. With `direct_mode` each area is
 * drawn straight into the screen-sized buffer at absolute coordinates.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_refr.h"
#include "lv_disp.h"
#include "../hal/lv_hal_disp.h"
#include "../misc/lv_timer.h"
#include "../misc/lv_mem.h"
#include "../misc/lv_math.h"
#include "../misc/lv_anim.h"
#include "../draw/lv_draw.h"
#include "../font/lv_font_fmt_txt.h"

/**********************
 *  STATIC PROTOTYPES
 **********************/
static void merge_dirty_areas(void);
static void draw_dirty_areas(void);
static void draw_dirty_area(const lv_area_t * area_p);
static void draw_buffer_part(lv_draw_ctx_t * draw_ctx);
static lv_obj_t * topmost_covering_obj(const lv_area_t * area_p, lv_obj_t * obj);
static void draw_from_covering_obj(lv_draw_ctx_t * draw_ctx, lv_obj_t * top_obj);
static void draw_if_shown(lv_draw_ctx_t * draw_ctx, lv_obj_t * obj);
static uint32_t rows_per_part(lv_disp_t * disp, lv_coord_t area_w, lv_coord_t area_h);
static void flush_buffer(lv_disp_t * disp);
static void call_flush_with_offset(lv_disp_drv_t * drv, const lv_area_t * area, lv_color_t * color_p);

/**********************
 *  STATIC VARIABLES
 **********************/
static uint32_t drawn_px; /*pixels drawn in the current refresh, for the monitor callback*/
static lv_disp_t * refr_disp; /*the display _lv_disp_refr_timer is working on, else NULL*/

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

void _lv_refr_init(void)
{
    refr_disp = NULL;
    drawn_px = 0;
}

void lv_refr_now(lv_disp_t * disp)
{
    lv_anim_refr_now();

    if(disp) {
        if(disp->refr_timer) _lv_disp_refr_timer(disp->refr_timer);
        return;
    }
    for(lv_disp_t * d = lv_disp_get_next(NULL); d; d = lv_disp_get_next(d)) {
        if(d->refr_timer) _lv_disp_refr_timer(d->refr_timer);
    }
}

/**
 * Draw `obj` (MAIN events, clipped to its area plus its extra draw size),
 * then its children (clipped to it unless it lets them overflow), then its
 * POST events (scrollbars, a late border).
 */
void lv_obj_redraw(lv_draw_ctx_t * draw_ctx, lv_obj_t * obj)
{
    const lv_area_t * outer_clip = draw_ctx->clip_area;
    bool overflow = lv_obj_has_flag(obj, LV_OBJ_FLAG_OVERFLOW_VISIBLE);

    /*The object itself may draw as far as its extra draw size reaches*/
    lv_area_t obj_reach;
    lv_obj_get_coords(obj, &obj_reach);
    lv_coord_t ext_draw_size = _lv_obj_get_ext_draw_size(obj);
    lv_area_increase(&obj_reach, ext_draw_size, ext_draw_size);
    lv_area_t clip_for_obj;
    bool obj_in_clip = _lv_area_intersect(&clip_for_obj, outer_clip, &obj_reach);

    /*An overflowing object draws even when off the clip area, since what it
     *draws (masks, say) may matter to children that are on it*/
    bool draw_obj = obj_in_clip || overflow;
    if(draw_obj) {
        draw_ctx->clip_area = &clip_for_obj;
        lv_event_send(obj, LV_EVENT_DRAW_MAIN_BEGIN, draw_ctx);
        lv_event_send(obj, LV_EVENT_DRAW_MAIN, draw_ctx);
        lv_event_send(obj, LV_EVENT_DRAW_MAIN_END, draw_ctx);
    }

    /*Children are clipped to the object unless it lets them overflow*/
    lv_area_t clip_for_children = *outer_clip;
    bool children_in_clip = overflow || _lv_area_intersect(&clip_for_children, outer_clip, &obj->coords);
    if(children_in_clip) {
        draw_ctx->clip_area = &clip_for_children;
        uint32_t child_cnt = lv_obj_get_child_cnt(obj);
        for(uint32_t i = 0; i < child_cnt; i++) draw_if_shown(draw_ctx, obj->spec_attr->children[i]);
    }

    if(draw_obj) {
        draw_ctx->clip_area = &clip_for_obj;
        lv_event_send(obj, LV_EVENT_DRAW_POST_BEGIN, draw_ctx);
        lv_event_send(obj, LV_EVENT_DRAW_POST, draw_ctx);
        lv_event_send(obj, LV_EVENT_DRAW_POST_END, draw_ctx);
    }

    draw_ctx->clip_area = outer_clip;
}

/**
 * Mark an area of the display for redraw (clipped to the screen). With
 * `full_refresh` the whole screen is marked. Ignored while a refresh is
 * drawing: changing the dirty areas then would corrupt the running frame.
 */
void _lv_inv_area(lv_disp_t * disp, const lv_area_t * area_p)
{
    if(!disp) disp = lv_disp_get_default();
    if(!disp) return;
    if(!lv_disp_is_invalidation_enabled(disp)) return;
    if(disp->rendering_in_progress) return;

    /*NULL empties the list*/
    if(area_p == NULL) {
        disp->inv_p = 0;
        return;
    }

    lv_area_t scr_area;
    lv_area_set(&scr_area, 0, 0, lv_disp_get_hor_res(disp) - 1, lv_disp_get_ver_res(disp) - 1);

    lv_area_t dirty;
    if(!_lv_area_intersect(&dirty, area_p, &scr_area)) return;

    if(disp->driver->full_refresh) {
        disp->inv_areas[0] = scr_area;
        disp->inv_p = 1;
    }
    else {
        if(disp->driver->rounder_cb) disp->driver->rounder_cb(disp->driver, &dirty);

        /*Already covered by a listed area: nothing new to draw*/
        for(uint16_t i = 0; i < disp->inv_p; i++) {
            if(_lv_area_is_in(&dirty, &disp->inv_areas[i], 0)) return;
        }

        /*A full list gives up on precision and redraws the whole screen*/
        if(disp->inv_p >= LV_INV_BUF_SIZE) {
            disp->inv_p = 0;
            dirty = scr_area;
        }
        disp->inv_areas[disp->inv_p] = dirty;
        disp->inv_p++;
    }

    if(disp->refr_timer) lv_timer_resume(disp->refr_timer);
}

lv_disp_t * _lv_refr_get_disp_refreshing(void)
{
    return refr_disp;
}

void _lv_refr_set_disp_refreshing(lv_disp_t * disp)
{
    refr_disp = disp;
}

/**
 * The refresh timer: settle the layout, draw what was invalidated, flush.
 * Pauses itself when there is nothing to draw; invalidation resumes it.
 */
void _lv_disp_refr_timer(lv_timer_t * tmr)
{
    refr_disp = tmr->user_data;

    if(refr_disp->act_scr) lv_obj_update_layout(refr_disp->act_scr);
    if(refr_disp->prev_scr) lv_obj_update_layout(refr_disp->prev_scr);
    lv_obj_update_layout(refr_disp->top_layer);
    lv_obj_update_layout(refr_disp->sys_layer);

    /*Without a screen there is nothing to draw the dirty areas of*/
    if(refr_disp->act_scr == NULL) {
        refr_disp->inv_p = 0;
        refr_disp = NULL;
        return;
    }

    if(refr_disp->inv_p == 0) {
        lv_timer_pause(tmr);
        refr_disp = NULL;
        return;
    }

    uint32_t start = lv_tick_get();

    merge_dirty_areas();
    draw_dirty_areas();

    if(refr_disp->inv_p != 0) {
        lv_memset_00(refr_disp->inv_areas, sizeof(refr_disp->inv_areas));
        lv_memset_00(refr_disp->inv_area_joined, sizeof(refr_disp->inv_area_joined));
        refr_disp->inv_p = 0;

        uint32_t elaps = lv_tick_elaps(start);
        if(refr_disp->driver->monitor_cb) refr_disp->driver->monitor_cb(refr_disp->driver, elaps, drawn_px);
    }

    /*Scratch buffers of the renderer and the font decoder live only for one refresh*/
    lv_mem_buf_free_all();
    _lv_font_clean_up_fmt_txt();

    refr_disp = NULL;
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

/*
 * Overlapping dirty areas are merged when their bounding box is smaller than
 * the two areas together, i.e. when merging draws fewer pixels. A merged-in
 * area is flagged in `inv_area_joined` and skipped when drawing.
 */
static void merge_dirty_areas(void)
{
    lv_area_t * areas = refr_disp->inv_areas;
    uint8_t * merged = refr_disp->inv_area_joined;
    for(uint32_t into = 0; into < refr_disp->inv_p; into++) {
        if(merged[into]) continue;

        for(uint32_t from = 0; from < refr_disp->inv_p; from++) {
            if(merged[from] || into == from) continue;
            if(!_lv_area_is_on(&areas[into], &areas[from])) continue;

            lv_area_t bbox;
            _lv_area_join(&bbox, &areas[into], &areas[from]);
            if(lv_area_get_size(&bbox) < lv_area_get_size(&areas[into]) + lv_area_get_size(&areas[from])) {
                areas[into] = bbox;
                merged[from] = 1;
            }
        }
    }
}

/* Draw every area that was not merged into another, marking the last one for the driver. */
static void draw_dirty_areas(void)
{
    drawn_px = 0;
    if(refr_disp->inv_p == 0) return;

    int32_t last_i = 0;
    for(int32_t i = refr_disp->inv_p - 1; i >= 0; i--) {
        if(refr_disp->inv_area_joined[i] == 0) {
            last_i = i;
            break;
        }
    }

    if(refr_disp->driver->render_start_cb) refr_disp->driver->render_start_cb(refr_disp->driver);

    lv_disp_draw_buf_t * draw_buf = refr_disp->driver->draw_buf;
    draw_buf->last_area = 0;
    draw_buf->last_part = 0;
    refr_disp->rendering_in_progress = true;

    for(int32_t i = 0; i < refr_disp->inv_p; i++) {
        if(refr_disp->inv_area_joined[i]) continue;

        if(i == last_i) draw_buf->last_area = 1;
        draw_buf->last_part = 0;
        draw_dirty_area(&refr_disp->inv_areas[i]);
        drawn_px += lv_area_get_size(&refr_disp->inv_areas[i]);
    }

    refr_disp->rendering_in_progress = false;
}

/* Draw rows y1..y2 of `area` through the buffer as one part. */
static void draw_band(lv_draw_ctx_t * draw_ctx, const lv_area_t * area, lv_coord_t y1, lv_coord_t y2, bool last)
{
    lv_area_t band;
    lv_area_set(&band, area->x1, y1, area->x2, y2);
    draw_ctx->buf_area = &band;
    draw_ctx->clip_area = &band;
    draw_ctx->buf = refr_disp->driver->draw_buf->buf_act;
    if(last) refr_disp->driver->draw_buf->last_part = 1;
    draw_buffer_part(draw_ctx);
}

/*
 * Draw one dirty area. A screen-sized buffer (full refresh, direct mode) is
 * drawn at absolute coordinates in one go; otherwise the area is cut into
 * bands of as many rows as the buffer holds.
 */
static void draw_dirty_area(const lv_area_t * area_p)
{
    lv_draw_ctx_t * draw_ctx = refr_disp->driver->draw_ctx;
    lv_disp_draw_buf_t * draw_buf = refr_disp->driver->draw_buf;
    draw_ctx->buf = draw_buf->buf_act;

    if(refr_disp->driver->full_refresh || refr_disp->driver->direct_mode) {
        lv_area_t disp_area;
        lv_area_set(&disp_area, 0, 0, lv_disp_get_hor_res(refr_disp) - 1, lv_disp_get_ver_res(refr_disp) - 1);
        draw_ctx->buf_area = &disp_area;

        if(refr_disp->driver->full_refresh) {
            draw_buf->last_part = 1;
            draw_ctx->clip_area = &disp_area;
        }
        else {
            draw_buf->last_part = draw_buf->last_area;
            draw_ctx->clip_area = area_p;
        }
        draw_buffer_part(draw_ctx);
        return;
    }

    lv_coord_t ver_res = lv_disp_get_ver_res(refr_disp);
    lv_coord_t y2 = area_p->y2 >= ver_res ? ver_res - 1 : area_p->y2;
    int32_t rows = rows_per_part(refr_disp, lv_area_get_width(area_p), lv_area_get_height(area_p));
    /*A buffer smaller than one row of the area (or a rounder that never fits)
     *leaves nothing that can be drawn; the band loop below would never end*/
    if(rows < 1) return;

    /*Full bands first, then what is left at the bottom*/
    lv_coord_t row = area_p->y1;
    lv_coord_t last_drawn = 0;
    for(; row + rows - 1 <= y2; row += rows) {
        last_drawn = row + rows - 1;
        draw_band(draw_ctx, area_p, row, last_drawn, last_drawn == y2);
    }
    if(y2 != last_drawn) draw_band(draw_ctx, area_p, row, y2, true);
}

/* With a single buffer the renderer may not touch it while the driver still sends it out. */
static void wait_while_flushing(lv_disp_draw_buf_t * draw_buf)
{
    while(draw_buf->flushing) {
        if(refr_disp->driver->wait_cb) refr_disp->driver->wait_cb(refr_disp->driver);
    }
}

/* Where nothing opaque covers the clip area, the display's own background shows. */
static void draw_disp_background(lv_draw_ctx_t * draw_ctx)
{
    lv_draw_rect_dsc_t dsc;
    lv_draw_rect_dsc_init(&dsc);
    dsc.bg_color = refr_disp->bg_color;
    dsc.bg_opa = refr_disp->bg_opa;
    dsc.bg_img_src = refr_disp->bg_img;
    dsc.bg_img_opa = refr_disp->bg_opa;
    lv_draw_rect(draw_ctx, &dsc, draw_ctx->clip_area);
}

/**
 * Draw one part into the buffer: the display background when no object
 * covers the part, the previous and active screens (order by the running
 * animation), the top layer and the system layer; then flush.
 */
static void draw_buffer_part(lv_draw_ctx_t * draw_ctx)
{
    lv_disp_draw_buf_t * draw_buf = lv_disp_get_draw_buf(refr_disp);
    if(draw_buf->buf1 && !draw_buf->buf2) wait_while_flushing(draw_buf);

    /*Drawing starts at the topmost object that hides everything below it*/
    lv_obj_t * act_start = topmost_covering_obj(draw_ctx->clip_area, lv_disp_get_scr_act(refr_disp));
    lv_obj_t * prev_start = NULL;
    if(refr_disp->prev_scr) prev_start = topmost_covering_obj(draw_ctx->clip_area, refr_disp->prev_scr);

    if(act_start == NULL && prev_start == NULL) draw_disp_background(draw_ctx);

    if(act_start == NULL) act_start = refr_disp->act_scr;
    if(prev_start == NULL) prev_start = refr_disp->prev_scr;

    /*During a load animation the screen that moves out may be on top*/
    if(refr_disp->draw_prev_over_act) {
        draw_from_covering_obj(draw_ctx, act_start);
        if(refr_disp->prev_scr) draw_from_covering_obj(draw_ctx, prev_start);
    }
    else {
        if(refr_disp->prev_scr) draw_from_covering_obj(draw_ctx, prev_start);
        draw_from_covering_obj(draw_ctx, act_start);
    }

    draw_from_covering_obj(draw_ctx, lv_disp_get_layer_top(refr_disp));
    draw_from_covering_obj(draw_ctx, lv_disp_get_layer_sys(refr_disp));

    flush_buffer(refr_disp);
}

/*
 * The deepest, topmost object under `obj` that paints all of `area`
 * opaquely, or NULL. A masked object stops the search: nothing under it can
 * be trusted to cover.
 */
static lv_obj_t * topmost_covering_obj(const lv_area_t * area_p, lv_obj_t * obj)
{
    if(obj == NULL) return NULL;
    if(!_lv_area_is_in(area_p, &obj->coords, 0)) return NULL;
    if(lv_obj_has_flag(obj, LV_OBJ_FLAG_HIDDEN)) return NULL;

    lv_cover_check_info_t info;
    info.res = LV_COVER_RES_COVER;
    info.area = area_p;
    lv_event_send(obj, LV_EVENT_COVER_CHECK, &info);
    if(info.res == LV_COVER_RES_MASKED) return NULL;

    /*A covering child is drawn over this object, so it is the better start*/
    for(int32_t i = (int32_t)lv_obj_get_child_cnt(obj) - 1; i >= 0; i--) {
        lv_obj_t * found = topmost_covering_obj(area_p, obj->spec_attr->children[i]);
        if(found) return found;
    }

    return info.res == LV_COVER_RES_COVER ? obj : NULL;
}

/*
 * Draw `start` with its subtree, then everything drawn after it: at each
 * level up, the siblings that come after the branch just drawn, then the
 * parent's POST events (scrollbars, borders drawn over children).
 */
static void draw_from_covering_obj(lv_draw_ctx_t * draw_ctx, lv_obj_t * start)
{
    /*No object may cover (e.g. a translucent screen); then the screen is the start*/
    if(start == NULL) start = lv_disp_get_scr_act(refr_disp);
    if(start == NULL) return;

    draw_if_shown(draw_ctx, start);

    lv_obj_t * branch = start;
    for(lv_obj_t * parent = lv_obj_get_parent(start); parent; parent = lv_obj_get_parent(parent)) {
        uint32_t child_cnt = lv_obj_get_child_cnt(parent);
        bool after_branch = false;
        for(uint32_t i = 0; i < child_cnt; i++) {
            lv_obj_t * child = parent->spec_attr->children[i];
            if(after_branch) draw_if_shown(draw_ctx, child);
            else if(child == branch) after_branch = true;
        }

        lv_event_send(parent, LV_EVENT_DRAW_POST_BEGIN, (void *)draw_ctx);
        lv_event_send(parent, LV_EVENT_DRAW_POST, (void *)draw_ctx);
        lv_event_send(parent, LV_EVENT_DRAW_POST_END, (void *)draw_ctx);

        branch = parent;
    }
}

static void draw_if_shown(lv_draw_ctx_t * draw_ctx, lv_obj_t * obj)
{
    if(lv_obj_has_flag(obj, LV_OBJ_FLAG_HIDDEN)) return;
    lv_obj_redraw(draw_ctx, obj);
}

/*
 * How many rows of an area the buffer takes per part. A rounder callback may
 * round a band up (e.g. to whole display pages), so the band height is
 * lowered until its rounded height still fits; 0 when none does.
 */
static uint32_t rows_per_part(lv_disp_t * disp, lv_coord_t area_w, lv_coord_t area_h)
{
    int32_t max_rows = (uint32_t)disp->driver->draw_buf->size / area_w;
    if(max_rows > area_h) max_rows = area_h;

    lv_disp_drv_t * drv = refr_disp->driver;
    if(drv->rounder_cb == NULL) return max_rows;

    lv_area_t band;
    band.x1 = 0;
    band.x2 = 0;
    band.y1 = 0;
    for(lv_coord_t h = max_rows; h > 0; h--) {
        band.y2 = h - 1;
        drv->rounder_cb(drv, &band);
        if(lv_area_get_height(&band) <= max_rows) return band.y2 + 1;
    }
    return 0;
}

/* Hand the drawn part to the driver and switch buffers when there are two. */
static void flush_buffer(lv_disp_t * disp)
{
    lv_disp_draw_buf_t * draw_buf = lv_disp_get_draw_buf(refr_disp);

    /*The renderer may still be busy with the buffer (e.g. a GPU)*/
    lv_draw_ctx_t * draw_ctx = disp->driver->draw_ctx;
    if(draw_ctx->wait_for_finish) draw_ctx->wait_for_finish(draw_ctx);

    /*With two buffers the driver may still be sending out the other one*/
    if(draw_buf->buf1 && draw_buf->buf2) wait_while_flushing(draw_buf);

    draw_buf->flushing = 1;
    draw_buf->flushing_last = refr_disp->driver->draw_buf->last_area && refr_disp->driver->draw_buf->last_part;
    bool flushing_last = draw_buf->flushing_last;

    if(disp->driver->flush_cb) {
        /*In direct mode the whole buffer is passed with the area that changed*/
        const lv_area_t * area = disp->driver->direct_mode && !disp->driver->full_refresh ?
                                 draw_ctx->clip_area : draw_ctx->buf_area;
        call_flush_with_offset(disp->driver, area, draw_ctx->buf);
    }
    else {
        /*Nobody to hand the buffer to: it is free again at once*/
        draw_buf->flushing = 0;
        draw_buf->flushing_last = 0;
    }

    /*Render into the other buffer next; in direct mode only once the frame is complete*/
    if(draw_buf->buf1 && draw_buf->buf2 && (!disp->driver->direct_mode || flushing_last)) {
        draw_buf->buf_act = draw_buf->buf_act == draw_buf->buf1 ? draw_buf->buf2 : draw_buf->buf1;
    }
}

/* The driver may place the display at an offset in its own coordinate space. */
static void call_flush_with_offset(lv_disp_drv_t * drv, const lv_area_t * area, lv_color_t * color_p)
{
    lv_area_t offset_area = {
        .x1 = area->x1 + drv->offset_x,
        .y1 = area->y1 + drv->offset_y,
        .x2 = area->x2 + drv->offset_x,
        .y2 = area->y2 + drv->offset_y
    };

    drv->flush_cb(drv, &offset_area, color_p);
}
