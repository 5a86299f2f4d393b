/**
 * @file lv_colorwheel.c
 * Colour wheel. The ring shows one HSV component going round: the hue, or
 * the saturation or value as 0..100 % spread over the full turn, with the
 * other two components held at the wheel's colour. Positions on the ring
 * are angles in lv_atan2's sense: 0 straight down, growing towards the
 * right, so red sits at the bottom and hue 90 on the right.
 *
 * The ring is filled pixel by pixel, each pixel getting the colour of its
 * own angle and a coverage from its distance to both edges. Piecing it
 * together from short arcs or lines would leave seams where the
 * anti-aliased edges of neighbouring pieces overlap.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_colorwheel.h"
#if LV_USE_COLORWHEEL

#include "../../../core/lv_indev.h"
#include "../../../draw/sw/lv_draw_sw.h"
#include "../../../misc/lv_math.h"
#include "../../../misc/lv_mem.h"
#include "../../../misc/lv_tick.h"

/*********************
 *      DEFINES
 *********************/
#define FULL_TURN 360

/**********************
 *  STATIC PROTOTYPES
 **********************/
static void wheel_construct(const lv_obj_class_t * class_p, lv_obj_t * obj);
static void wheel_event(const lv_obj_class_t * class_p, lv_event_t * e);
static lv_colorwheel_t * as_wheel(lv_obj_t * obj);

static uint16_t dial_of(const lv_colorwheel_t * cw);
static lv_color_hsv_t at_dial(const lv_colorwheel_t * cw, uint16_t angle);
static lv_color_hsv_t stepped(const lv_colorwheel_t * cw, int32_t step);
static lv_color_hsv_t reset_component(const lv_colorwheel_t * cw);
static lv_res_t commit(lv_obj_t * obj, lv_color_hsv_t hsv);

static void handle_press(lv_obj_t * obj);
static void handle_pressing(lv_obj_t * obj);
static bool reached_ring(lv_obj_t * obj, lv_coord_t dx, lv_coord_t dy);

static void place_knob(lv_obj_t * obj);
static void knob_area(lv_obj_t * obj, lv_area_t * area);
static lv_coord_t knob_pad_max(lv_obj_t * obj);
static void draw_ring(lv_obj_t * obj, lv_draw_ctx_t * draw_ctx);
static void draw_knob(lv_obj_t * obj, lv_draw_ctx_t * draw_ctx);

/**********************
 *  STATIC VARIABLES
 **********************/
const lv_obj_class_t lv_colorwheel_class = {
    .constructor_cb = wheel_construct,
    .event_cb = wheel_event,
    .width_def = 2 * LV_DPI_DEF,
    .height_def = 2 * LV_DPI_DEF,
    .editable = LV_OBJ_CLASS_EDITABLE_TRUE,
    .instance_size = sizeof(lv_colorwheel_t),
    .base_class = &lv_obj_class
};

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

lv_obj_t * lv_colorwheel_create(lv_obj_t * parent, bool knob_recolor)
{
    lv_obj_t * wheel = lv_obj_class_create_obj(&lv_colorwheel_class, parent);
    if(wheel == NULL) return NULL;
    lv_obj_class_init_obj(wheel);
    as_wheel(wheel)->knob.recolor = knob_recolor ? 1 : 0;
    return wheel;
}

/* Hue 360 is accepted as it is (the end of the ring); only values past it wrap. */
bool lv_colorwheel_set_hsv(lv_obj_t * obj, lv_color_hsv_t hsv)
{
    if(hsv.h > FULL_TURN) hsv.h = (uint16_t)(hsv.h % FULL_TURN);
    hsv.s = LV_MIN(hsv.s, 100);
    hsv.v = LV_MIN(hsv.v, 100);

    lv_colorwheel_t * cw = as_wheel(obj);
    if(cw->hsv.h == hsv.h && cw->hsv.s == hsv.s && cw->hsv.v == hsv.v) return false;
    cw->hsv = hsv;
    place_knob(obj);
    lv_obj_invalidate(obj);
    return true;
}

bool lv_colorwheel_set_rgb(lv_obj_t * obj, lv_color_t color)
{
    return lv_colorwheel_set_hsv(obj, lv_color_to_hsv(color));
}

void lv_colorwheel_set_mode(lv_obj_t * obj, lv_colorwheel_mode_t mode)
{
    as_wheel(obj)->mode = mode % 3;
    place_knob(obj);
    lv_obj_invalidate(obj);
}

void lv_colorwheel_set_mode_fixed(lv_obj_t * obj, bool fixed)
{
    as_wheel(obj)->mode_fixed = fixed ? 1 : 0;
}

lv_color_hsv_t lv_colorwheel_get_hsv(lv_obj_t * obj)
{
    return as_wheel(obj)->hsv;
}

lv_color_t lv_colorwheel_get_rgb(lv_obj_t * obj)
{
    lv_color_hsv_t hsv = as_wheel(obj)->hsv;
    return lv_color_hsv_to_rgb(hsv.h, hsv.s, hsv.v);
}

lv_colorwheel_mode_t lv_colorwheel_get_color_mode(lv_obj_t * obj)
{
    return as_wheel(obj)->mode;
}

bool lv_colorwheel_get_color_mode_fixed(lv_obj_t * obj)
{
    return as_wheel(obj)->mode_fixed != 0;
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

static lv_colorwheel_t * as_wheel(lv_obj_t * obj)
{
    return (lv_colorwheel_t *)obj;
}

/* Fully saturated, full value red; the recolour flag is set by lv_colorwheel_create. */
static void wheel_construct(const lv_obj_class_t * class_p, lv_obj_t * obj)
{
    LV_UNUSED(class_p);
    lv_colorwheel_t * cw = as_wheel(obj);
    cw->hsv.h = 0;
    cw->hsv.s = 100;
    cw->hsv.v = 100;
    cw->mode = LV_COLORWHEEL_MODE_HUE;
    cw->mode_fixed = 0;
    cw->knob.recolor = 0;
    cw->clicked_before = 0;
    cw->last_click_time = 0;
    cw->last_change_time = 0;

    /*Presses count only on the disc (see LV_EVENT_HIT_TEST), and a drag on the wheel never scrolls its parent*/
    lv_obj_add_flag(obj, LV_OBJ_FLAG_ADV_HITTEST);
    lv_obj_clear_flag(obj, LV_OBJ_FLAG_SCROLL_CHAIN);
    place_knob(obj);
}

static void wheel_event(const lv_obj_class_t * class_p, lv_event_t * e)
{
    LV_UNUSED(class_p);
    if(lv_obj_event_base(&lv_colorwheel_class, e) != LV_RES_OK) return;

    lv_obj_t * obj = lv_event_get_target(e);
    switch(lv_event_get_code(e)) {
        case LV_EVENT_REFR_EXT_DRAW_SIZE: {
                /*The knob may reach its padding (plus anti-aliasing) past the box*/
                lv_coord_t * size = lv_event_get_param(e);
                *size = LV_MAX(*size, knob_pad_max(obj) + 2);
                break;
            }
        case LV_EVENT_SIZE_CHANGED:
        case LV_EVENT_STYLE_CHANGED:
            /*The knob rides on the middle of the ring: width and arc width move it*/
            place_knob(obj);
            break;
        case LV_EVENT_KEY: {
                uint32_t key = lv_event_get_key(e);
                int32_t step = 0;
                if(key == LV_KEY_RIGHT || key == LV_KEY_UP) step = 1;
                else if(key == LV_KEY_LEFT || key == LV_KEY_DOWN) step = -1;
                if(step != 0) commit(obj, stepped(as_wheel(obj), step));
                break;
            }
        case LV_EVENT_PRESSED:
            handle_press(obj);
            break;
        case LV_EVENT_PRESSING:
            handle_pressing(obj);
            break;
        case LV_EVENT_HIT_TEST: {
                lv_hit_test_info_t * info = lv_event_get_param(e);
                info->res = _lv_area_is_point_on(&obj->coords, info->point, LV_RADIUS_CIRCLE);
                break;
            }
        case LV_EVENT_COVER_CHECK: {
                /*Round, with a hole: never covers the area behind its box*/
                lv_cover_check_info_t * info = lv_event_get_param(e);
                if(info->res != LV_COVER_RES_MASKED) info->res = LV_COVER_RES_NOT_COVER;
                break;
            }
        case LV_EVENT_DRAW_MAIN:
            draw_ring(obj, lv_event_get_draw_ctx(e));
            draw_knob(obj, lv_event_get_draw_ctx(e));
            break;
        default:
            break;
    }
}

/*----------------------------------------------------------------
 * The edited component and the ring angle (the "dial") it maps to
 *----------------------------------------------------------------*/

static uint16_t dial_of(const lv_colorwheel_t * cw)
{
    if(cw->mode == LV_COLORWHEEL_MODE_SATURATION) return (uint16_t)(cw->hsv.s * FULL_TURN / 100);
    if(cw->mode == LV_COLORWHEEL_MODE_VALUE) return (uint16_t)(cw->hsv.v * FULL_TURN / 100);
    return cw->hsv.h;
}

/* The wheel's colour with the edited component taken from a ring angle 0..359. */
static lv_color_hsv_t at_dial(const lv_colorwheel_t * cw, uint16_t angle)
{
    lv_color_hsv_t hsv = cw->hsv;
    uint8_t percent = (uint8_t)(angle % FULL_TURN * 100 / FULL_TURN);
    if(cw->mode == LV_COLORWHEEL_MODE_SATURATION) hsv.s = percent;
    else if(cw->mode == LV_COLORWHEEL_MODE_VALUE) hsv.v = percent;
    else hsv.h = (uint16_t)(angle % FULL_TURN);
    return hsv;
}

/* One key step: the hue goes round, saturation and value stop at their ends. */
static lv_color_hsv_t stepped(const lv_colorwheel_t * cw, int32_t step)
{
    lv_color_hsv_t hsv = cw->hsv;
    if(cw->mode == LV_COLORWHEEL_MODE_SATURATION) hsv.s = (uint8_t)LV_CLAMP(0, hsv.s + step, 100);
    else if(cw->mode == LV_COLORWHEEL_MODE_VALUE) hsv.v = (uint8_t)LV_CLAMP(0, hsv.v + step, 100);
    else hsv.h = (uint16_t)((hsv.h + FULL_TURN + step) % FULL_TURN);
    return hsv;
}

/* What a quick double press returns the edited component to. */
static lv_color_hsv_t reset_component(const lv_colorwheel_t * cw)
{
    lv_color_hsv_t hsv = cw->hsv;
    if(cw->mode == LV_COLORWHEEL_MODE_SATURATION) hsv.s = 100;
    else if(cw->mode == LV_COLORWHEEL_MODE_VALUE) hsv.v = 100;
    else hsv.h = 0;
    return hsv;
}

/* Take a new colour and tell the application if it really changed. */
static lv_res_t commit(lv_obj_t * obj, lv_color_hsv_t hsv)
{
    if(!lv_colorwheel_set_hsv(obj, hsv)) return LV_RES_OK;
    return lv_event_send(obj, LV_EVENT_VALUE_CHANGED, NULL);
}

/*----------------------------------------------------------------
 * Pointer input
 *----------------------------------------------------------------*/

/*
 * A press starts the long-press clock. A second press within the long-press
 * time resets the edited component and ignores the rest of that press. The
 * very first press is never a second one: the tick starts near 0, so a zero
 * "last click" time would turn an early first press into a reset.
 */
static void handle_press(lv_obj_t * obj)
{
    lv_colorwheel_t * cw = as_wheel(obj);
    lv_indev_t * indev = lv_indev_get_act();
    cw->last_change_time = lv_tick_get();
    if(indev == NULL) return;
    lv_indev_get_point(indev, &cw->last_press_point);

    bool second = cw->clicked_before && lv_tick_elaps(cw->last_click_time) < indev->driver->long_press_time;
    cw->last_click_time = lv_tick_get();
    cw->clicked_before = 1;
    if(!second) return;

    lv_indev_wait_release(indev);
    commit(obj, reset_component(cw));
}

/*
 * While pressed: on the ring the pointer's angle picks the component; in the
 * middle, holding still for the long-press time switches to the next mode
 * (unless the mode is fixed). Keypads and encoders have no point: they count
 * as pressing the middle. Events sent by the application without an active
 * input device change nothing.
 */
static void handle_pressing(lv_obj_t * obj)
{
    lv_colorwheel_t * cw = as_wheel(obj);
    lv_indev_t * indev = lv_indev_get_act();
    if(indev == NULL) return;

    lv_coord_t cx = (lv_coord_t)(obj->coords.x1 + lv_obj_get_width(obj) / 2);
    lv_coord_t cy = (lv_coord_t)(obj->coords.y1 + lv_obj_get_height(obj) / 2);
    lv_point_t p = {cx, cy};
    lv_indev_type_t type = lv_indev_get_type(indev);
    if(type == LV_INDEV_TYPE_POINTER || type == LV_INDEV_TYPE_BUTTON) lv_indev_get_point(indev, &p);

    /*Moving more than the scroll limit restarts the clock: only a still finger switches modes*/
    lv_coord_t limit = indev->driver->scroll_limit;
    if(LV_ABS(p.x - cw->last_press_point.x) > limit || LV_ABS(p.y - cw->last_press_point.y) > limit) {
        cw->last_press_point = p;
        cw->last_change_time = lv_tick_get();
    }

    lv_coord_t dx = (lv_coord_t)(p.x - cx);
    lv_coord_t dy = (lv_coord_t)(p.y - cy);
    if(reached_ring(obj, dx, dy)) {
        commit(obj, at_dial(cw, lv_atan2(dx, dy)));
        return;
    }

    if(!cw->mode_fixed && lv_tick_elaps(cw->last_change_time) > indev->driver->long_press_time) {
        lv_colorwheel_set_mode(obj, (lv_colorwheel_mode_t)(cw->mode + 1));
        lv_indev_wait_release(indev);
    }
}

/*
 * Whether a point (relative to the centre) picks a value. A wide wheel
 * accepts presses half a ring width inside the ring as well, so a thin ring
 * stays easy to hit, but keeps a middle of at least half an inch for the
 * long press.
 */
static bool reached_ring(lv_obj_t * obj, lv_coord_t dx, lv_coord_t dy)
{
    lv_coord_t ring_w = lv_obj_get_style_arc_width(obj, LV_PART_MAIN);
    int32_t inner = lv_obj_get_width(obj) / 2 - ring_w;
    const int32_t min_middle = LV_DPI_DEF / 2;
    if(inner > min_middle) inner = LV_MAX(inner - ring_w / 2, min_middle);
    return (int32_t)dx * dx + (int32_t)dy * dy >= inner * inner;
}

/*----------------------------------------------------------------
 * Knob
 *----------------------------------------------------------------*/

static lv_coord_t knob_pad_max(lv_obj_t * obj)
{
    lv_coord_t l = lv_obj_get_style_pad_left(obj, LV_PART_KNOB);
    lv_coord_t r = lv_obj_get_style_pad_right(obj, LV_PART_KNOB);
    lv_coord_t t = lv_obj_get_style_pad_top(obj, LV_PART_KNOB);
    lv_coord_t b = lv_obj_get_style_pad_bottom(obj, LV_PART_KNOB);
    return LV_MAX4(l, r, t, b);
}

/* A circle as wide as the ring around the knob's centre, grown by the knob part's padding. */
static void knob_area(lv_obj_t * obj, lv_area_t * area)
{
    lv_colorwheel_t * cw = as_wheel(obj);
    lv_coord_t half = (lv_coord_t)(lv_obj_get_style_arc_width(obj, LV_PART_MAIN) / 2);
    lv_coord_t x = (lv_coord_t)(obj->coords.x1 + cw->knob.pos.x);
    lv_coord_t y = (lv_coord_t)(obj->coords.y1 + cw->knob.pos.y);
    area->x1 = (lv_coord_t)(x - half - lv_obj_get_style_pad_left(obj, LV_PART_KNOB));
    area->x2 = (lv_coord_t)(x + half + lv_obj_get_style_pad_right(obj, LV_PART_KNOB));
    area->y1 = (lv_coord_t)(y - half - lv_obj_get_style_pad_top(obj, LV_PART_KNOB));
    area->y2 = (lv_coord_t)(y + half + lv_obj_get_style_pad_bottom(obj, LV_PART_KNOB));
}

/*
 * Put the knob on the middle circle of the ring at the edited component's
 * angle, and redraw where it was and where it is now (it can stick out of
 * the box, hence the extra draw size).
 */
static void place_knob(lv_obj_t * obj)
{
    lv_colorwheel_t * cw = as_wheel(obj);
    lv_coord_t ext = _lv_obj_get_ext_draw_size(obj);
    lv_area_t before;
    knob_area(obj, &before);

    lv_coord_t w = lv_obj_get_width(obj);
    int32_t track_r = (w - lv_obj_get_style_arc_width(obj, LV_PART_MAIN)) / 2;
    int16_t angle = (int16_t)dial_of(cw);
    cw->knob.pos.x = (lv_coord_t)(w / 2 + ((track_r * lv_trigo_sin(angle)) >> LV_TRIGO_SHIFT));
    cw->knob.pos.y = (lv_coord_t)(w / 2 + ((track_r * lv_trigo_cos(angle)) >> LV_TRIGO_SHIFT));

    lv_area_t after;
    knob_area(obj, &after);
    lv_area_increase(&before, ext, ext);
    lv_area_increase(&after, ext, ext);
    lv_obj_invalidate_area(obj, &before);
    lv_obj_invalidate_area(obj, &after);
}

static void draw_knob(lv_obj_t * obj, lv_draw_ctx_t * draw_ctx)
{
    lv_draw_rect_dsc_t dsc;
    lv_draw_rect_dsc_init(&dsc);
    lv_obj_init_draw_rect_dsc(obj, LV_PART_KNOB, &dsc);
    dsc.radius = LV_RADIUS_CIRCLE;
    if(as_wheel(obj)->knob.recolor) dsc.bg_color = lv_colorwheel_get_rgb(obj);

    lv_area_t area;
    knob_area(obj, &area);
    lv_draw_rect(draw_ctx, &dsc, &area);
}

/*----------------------------------------------------------------
 * Ring
 *----------------------------------------------------------------*/

/*
 * Coverage 0..255 of a pixel whose centre lies `d` (1/256 px) from the
 * centre, for a ring between `inner` and `outer` (1/256 px): each edge
 * fades over one pixel centred on it.
 */
static lv_opa_t ring_coverage(int32_t d, int32_t inner, int32_t outer)
{
    int32_t by_outer = LV_CLAMP(0, outer - d + 128, 256);
    int32_t by_inner = LV_CLAMP(0, d - inner + 128, 256);
    int32_t cov = (by_outer * by_inner) >> 8;
    return (lv_opa_t)LV_MIN(cov, 255);
}

/*
 * One row of the ring into `colors`/`cover` (x from `x0`, `len` pixels).
 * Coordinates are doubled so pixel centres fall on whole numbers; the
 * centre of the wheel is at (r, r) in pixels, (2r, 2r) doubled.
 * Returns whether any pixel of the row is touched.
 */
static bool fill_ring_row(const lv_color_t * by_angle, int32_t row2, int32_t x0_2, lv_coord_t len, int32_t r,
                          int32_t r_in, lv_color_t * colors, lv_opa_t * cover)
{
    int32_t far2 = (2 * r + 2) * (2 * r + 2);
    int32_t near2 = r_in > 1 ? (2 * r_in - 2) * (2 * r_in - 2) : 0;
    bool touched = false;
    for(lv_coord_t i = 0; i < len; i++) {
        int32_t col2 = x0_2 + 2 * i;
        int32_t d2 = col2 * col2 + row2 * row2;
        cover[i] = LV_OPA_TRANSP;
        if(d2 >= far2 || d2 < near2) continue;

        lv_sqrt_res_t root;
        lv_sqrt((uint32_t)d2, &root, 0x8000);
        int32_t d = ((int32_t)root.i * 256 + root.f) / 2;
        cover[i] = ring_coverage(d, r_in * 256, r * 256);
        if(cover[i] == LV_OPA_TRANSP) continue;
        colors[i] = by_angle[lv_atan2(col2, row2)];
        touched = true;
    }
    return touched;
}

/*
 * The ring lies between half the width and that minus the arc width, drawn
 * with the main part's arc opacity (times the object's and its parents'
 * opacity, as every other part is drawn). Colours come from a table of one entry
 * per degree, other active masks (e.g. a rounded parent) apply on top.
 */
static void draw_ring(lv_obj_t * obj, lv_draw_ctx_t * draw_ctx)
{
    lv_colorwheel_t * cw = as_wheel(obj);
    int32_t r = lv_obj_get_width(obj) / 2;
    int32_t ring_w = LV_MIN(lv_obj_get_style_arc_width(obj, LV_PART_MAIN), r);
    lv_opa_t opa = lv_obj_get_style_arc_opa(obj, LV_PART_MAIN);
    lv_opa_t whole = lv_obj_get_style_opa_recursive(obj, LV_PART_MAIN);
    if(whole < LV_OPA_MAX) opa = (lv_opa_t)((opa * whole) >> 8);
    if(r <= 0 || ring_w <= 0 || opa <= LV_OPA_MIN) return;

    lv_area_t disc = obj->coords;
    disc.x2 = (lv_coord_t)(disc.x1 + 2 * r);
    disc.y2 = (lv_coord_t)(disc.y1 + 2 * r);
    lv_area_t todo;
    if(!_lv_area_intersect(&todo, &disc, draw_ctx->clip_area)) return;

    lv_coord_t len = lv_area_get_width(&todo);
    lv_color_t * by_angle = lv_mem_buf_get(sizeof(lv_color_t) * FULL_TURN);
    lv_color_t * colors = lv_mem_buf_get(sizeof(lv_color_t) * (uint32_t)len);
    lv_opa_t * cover = lv_mem_buf_get((uint32_t)len);
    if(by_angle != NULL && colors != NULL && cover != NULL) {
        for(uint16_t a = 0; a < FULL_TURN; a++) {
            lv_color_hsv_t hsv = at_dial(cw, a);
            by_angle[a] = lv_color_hsv_to_rgb(hsv.h, hsv.s, hsv.v);
        }

        lv_draw_sw_blend_dsc_t blend;
        lv_memset_00(&blend, sizeof(blend));
        blend.src_buf = colors;
        blend.mask_buf = cover;
        blend.mask_res = LV_DRAW_MASK_RES_CHANGED;
        blend.opa = opa;
        blend.blend_mode = LV_BLEND_MODE_NORMAL;

        lv_area_t row = todo;
        int32_t x0_2 = 2 * (todo.x1 - disc.x1) + 1 - 2 * r;
        for(lv_coord_t y = todo.y1; y <= todo.y2; y++) {
            int32_t row2 = 2 * (y - disc.y1) + 1 - 2 * r;
            if(!fill_ring_row(by_angle, row2, x0_2, len, r, r - ring_w, colors, cover)) continue;
            row.y1 = y;
            row.y2 = y;
            if(lv_draw_mask_is_any(&row) && lv_draw_mask_apply(cover, row.x1, y, len) == LV_DRAW_MASK_RES_TRANSP) continue;
            blend.blend_area = &row;
            blend.mask_area = &row;
            lv_draw_sw_blend(draw_ctx, &blend);
        }
    }
    if(cover != NULL) lv_mem_buf_release(cover);
    if(colors != NULL) lv_mem_buf_release(colors);
    if(by_angle != NULL) lv_mem_buf_release(by_angle);
}

#endif /*LV_USE_COLORWHEEL*/
