/**
 * @file lv_bar.c
 * The track is the main part, drawn by the base object; this file lays out
 * and paints the indicator on it and runs the value animations.
 *
 * Layout works in "steps along the track": a value maps to a pixel offset
 * from the end where the bar starts (left, right for right-to-left, bottom
 * for a vertical bar), and the indicator covers the offsets [from, to).
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_bar.h"
#if LV_USE_BAR != 0

#include "../misc/lv_math.h"

/*********************
 *      DEFINES
 *********************/

/* A bar whose padding leaves less than this across the track still shows a
 * line this thick, centred, so the value never disappears. */
#define THINNEST_INDICATOR 4

/* Animation progress runs 0..MOTION_DONE; MOTION_IDLE means "draw the stored value". */
#define MOTION_DONE 256
#define MOTION_IDLE (-1)

/**********************
 *      TYPEDEFS
 **********************/

/* Pixel offsets [from, to) covered by the indicator, counted from the bar's start end. */
typedef struct {
    int32_t from;
    int32_t to;
} track_span_t;

/**********************
 *  STATIC PROTOTYPES
 **********************/
static void bar_init(const lv_obj_class_t * cls, lv_obj_t * obj);
static void bar_release(const lv_obj_class_t * cls, lv_obj_t * obj);
static void bar_on_event(const lv_obj_class_t * cls, lv_event_t * e);
static void paint_indicator(lv_obj_t * obj, lv_draw_ctx_t * draw_ctx);
static void retarget(lv_bar_t * bar, int32_t * slot, _lv_bar_anim_t * motion, int32_t target,
                     lv_anim_enable_t anim);
static void motion_step(void * motion, int32_t progress);
static void motion_finished(lv_anim_t * a);

/**********************
 *  STATIC VARIABLES
 **********************/
const lv_obj_class_t lv_bar_class = {
    .base_class = &lv_obj_class,
    .constructor_cb = bar_init,
    .destructor_cb = bar_release,
    .event_cb = bar_on_event,
    .width_def = LV_DPI_DEF * 2,
    .height_def = LV_DPI_DEF / 10,
    .instance_size = sizeof(lv_bar_t),
};

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

lv_obj_t * lv_bar_create(lv_obj_t * parent)
{
    lv_obj_t * bar = lv_obj_class_create_obj(&lv_bar_class, parent);
    lv_obj_class_init_obj(bar);
    return bar;
}

/* NULL for anything that is not a bar or built on one, so a wrong handle is
 * a no-op instead of a write past the end of a smaller object. */
static lv_bar_t * as_bar(const lv_obj_t * obj)
{
    if(obj == NULL || !lv_obj_has_class(obj, &lv_bar_class)) return NULL;
    return (lv_bar_t *)obj;
}

void lv_bar_set_value(lv_obj_t * obj, int32_t value, lv_anim_enable_t anim)
{
    lv_bar_t * bar = as_bar(obj);
    if(bar == NULL) return;

    /* Outside range mode the start value is the minimum, so one floor serves all modes. */
    int32_t lowest = LV_MAX(bar->min_value, bar->start_value);
    retarget(bar, &bar->cur_value, &bar->cur_value_anim, LV_CLAMP(lowest, value, bar->max_value), anim);
}

void lv_bar_set_start_value(lv_obj_t * obj, int32_t start_value, lv_anim_enable_t anim)
{
    lv_bar_t * bar = as_bar(obj);
    if(bar == NULL || bar->mode != LV_BAR_MODE_RANGE) return;

    int32_t target = LV_CLAMP(bar->min_value, start_value, bar->cur_value);
    retarget(bar, &bar->start_value, &bar->start_value_anim, target, anim);
}

void lv_bar_set_range(lv_obj_t * obj, int32_t min, int32_t max)
{
    lv_bar_t * bar = as_bar(obj);
    if(bar == NULL) return;

    int32_t lo = LV_MIN(min, max);
    int32_t hi = LV_MAX(min, max);
    if(lo == bar->min_value && hi == bar->max_value) return;
    bar->min_value = lo;
    bar->max_value = hi;

    int32_t start = bar->mode == LV_BAR_MODE_RANGE ? LV_CLAMP(lo, bar->start_value, hi) : lo;
    retarget(bar, &bar->start_value, &bar->start_value_anim, start, LV_ANIM_OFF);
    retarget(bar, &bar->cur_value, &bar->cur_value_anim, LV_CLAMP(start, bar->cur_value, hi), LV_ANIM_OFF);
    lv_obj_invalidate(obj);
}

void lv_bar_set_mode(lv_obj_t * obj, lv_bar_mode_t mode)
{
    lv_bar_t * bar = as_bar(obj);
    if(bar == NULL || mode > LV_BAR_MODE_RANGE) return;

    bar->mode = mode;
    /* Only range mode has a start value of its own; the others start at the minimum. */
    if(mode != LV_BAR_MODE_RANGE) {
        retarget(bar, &bar->start_value, &bar->start_value_anim, bar->min_value, LV_ANIM_OFF);
    }
    lv_obj_invalidate(obj);
}

int32_t lv_bar_get_value(const lv_obj_t * obj)
{
    const lv_bar_t * bar = as_bar(obj);
    return bar ? bar->cur_value : 0;
}

int32_t lv_bar_get_start_value(const lv_obj_t * obj)
{
    const lv_bar_t * bar = as_bar(obj);
    if(bar == NULL) return 0;
    return bar->mode == LV_BAR_MODE_RANGE ? bar->start_value : bar->min_value;
}

int32_t lv_bar_get_min_value(const lv_obj_t * obj)
{
    const lv_bar_t * bar = as_bar(obj);
    return bar ? bar->min_value : 0;
}

int32_t lv_bar_get_max_value(const lv_obj_t * obj)
{
    const lv_bar_t * bar = as_bar(obj);
    return bar ? bar->max_value : 0;
}

lv_bar_mode_t lv_bar_get_mode(lv_obj_t * obj)
{
    const lv_bar_t * bar = as_bar(obj);
    return bar ? bar->mode : LV_BAR_MODE_NORMAL;
}

/* Where a value is drawn right now: part-way along its animation, or where it is stored. */
static int32_t shown_value(int32_t stored, const _lv_bar_anim_t * motion)
{
    if(motion->anim_state == MOTION_IDLE) return stored;
    int64_t travel = (int64_t)motion->anim_end - motion->anim_start;
    return motion->anim_start + (int32_t)(travel * motion->anim_state / MOTION_DONE);
}

/* Offset of `value` along a track `steps` pixels long, pinned to the track. */
static int32_t offset_of(const lv_bar_t * bar, int32_t value, int32_t steps)
{
    int64_t span = (int64_t)bar->max_value - bar->min_value;
    if(span <= 0 || value <= bar->min_value) return 0;
    if(value >= bar->max_value) return steps;
    return (int32_t)(((int64_t)value - bar->min_value) * steps / span);
}

static track_span_t indicator_span(const lv_bar_t * bar, int32_t steps)
{
    int32_t high = offset_of(bar, shown_value(bar->cur_value, &bar->cur_value_anim), steps);
    int32_t low = offset_of(bar, shown_value(bar->start_value, &bar->start_value_anim), steps);

    /* A symmetrical bar fills between zero and the value, whichever side the value is on;
     * without zero in the range there is no middle and it fills like a normal bar. */
    if(bar->mode == LV_BAR_MODE_SYMMETRICAL && bar->min_value < 0 && bar->max_value > 0) {
        int32_t zero = offset_of(bar, 0, steps);
        low = LV_MIN(zero, high);
        high = LV_MAX(zero, high);
    }

    track_span_t span = {low, LV_MAX(low, high)};
    return span;
}

static bool lies_vertical(const lv_obj_t * obj)
{
    return lv_obj_get_height(obj) > lv_obj_get_width(obj);
}

/*
 * The strip the indicator may fill: the object (grown by the main part's
 * transform, like the track drawn under it) less its padding, and at least
 * THINNEST_INDICATOR across.
 */
static void fill_strip(lv_obj_t * obj, bool vertical, lv_area_t * strip)
{
    lv_area_t outer = obj->coords;
    lv_area_increase(&outer, lv_obj_get_style_transform_width(obj, LV_PART_MAIN),
                     lv_obj_get_style_transform_height(obj, LV_PART_MAIN));

    strip->x1 = outer.x1 + lv_obj_get_style_pad_left(obj, LV_PART_MAIN);
    strip->x2 = outer.x2 - lv_obj_get_style_pad_right(obj, LV_PART_MAIN);
    strip->y1 = outer.y1 + lv_obj_get_style_pad_top(obj, LV_PART_MAIN);
    strip->y2 = outer.y2 - lv_obj_get_style_pad_bottom(obj, LV_PART_MAIN);

    if(!vertical && lv_area_get_height(strip) < THINNEST_INDICATOR) {
        strip->y1 = outer.y1 + lv_area_get_height(&outer) / 2 - THINNEST_INDICATOR / 2;
        strip->y2 = strip->y1 + THINNEST_INDICATOR - 1;
    }
    if(vertical && lv_area_get_width(strip) < THINNEST_INDICATOR) {
        strip->x1 = outer.x1 + lv_area_get_width(&outer) / 2 - THINNEST_INDICATOR / 2;
        strip->x2 = strip->x1 + THINNEST_INDICATOR - 1;
    }
}

void _lv_bar_update_indic_area(lv_obj_t * obj)
{
    lv_bar_t * bar = as_bar(obj);
    if(bar == NULL) return;

    bool vertical = lies_vertical(obj);
    lv_area_t strip;
    fill_strip(obj, vertical, &strip);

    int32_t steps = vertical ? lv_area_get_height(&strip) : lv_area_get_width(&strip);
    track_span_t span = indicator_span(bar, LV_MAX(steps, 0));

    lv_area_t * out = &bar->indic_area;
    *out = strip;
    if(vertical) {
        out->y2 = strip.y2 - span.from;
        out->y1 = strip.y2 - span.to + 1;
    }
    else if(lv_obj_get_style_base_dir(obj, LV_PART_MAIN) == LV_BASE_DIR_RTL) {
        out->x2 = strip.x2 - span.from;
        out->x1 = strip.x2 - span.to + 1;
    }
    else {
        out->x1 = strip.x1 + span.from;
        out->x2 = strip.x1 + span.to - 1;
    }
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

static void bar_init(const lv_obj_class_t * cls, lv_obj_t * obj)
{
    LV_UNUSED(cls);
    lv_bar_t * bar = (lv_bar_t *)obj;

    /* The instance arrives zeroed: values 0, minimum 0, normal mode. */
    bar->max_value = 100;
    lv_area_set(&bar->indic_area, 0, 0, -1, -1);
    _lv_bar_anim_t idle = {obj, 0, 0, MOTION_IDLE};
    bar->cur_value_anim = idle;
    bar->start_value_anim = idle;

    lv_obj_clear_flag(obj, LV_OBJ_FLAG_CHECKABLE | LV_OBJ_FLAG_SCROLLABLE);
}

static void bar_release(const lv_obj_class_t * cls, lv_obj_t * obj)
{
    LV_UNUSED(cls);
    lv_bar_t * bar = (lv_bar_t *)obj;
    /* The animations point into this object: they must not outlive it. */
    lv_anim_del(&bar->cur_value_anim, motion_step);
    lv_anim_del(&bar->start_value_anim, motion_step);
}

/* How far the indicator may reach past the object: its own shadow or
 * outline, or a negative padding that lets it stick out of the track. */
static lv_coord_t indicator_overhang(lv_obj_t * obj)
{
    lv_coord_t tightest = LV_MIN(LV_MIN(lv_obj_get_style_pad_left(obj, LV_PART_MAIN),
                                        lv_obj_get_style_pad_right(obj, LV_PART_MAIN)),
                                 LV_MIN(lv_obj_get_style_pad_top(obj, LV_PART_MAIN),
                                        lv_obj_get_style_pad_bottom(obj, LV_PART_MAIN)));
    return LV_MAX(lv_obj_calculate_ext_draw_size(obj, LV_PART_INDICATOR), -tightest);
}

static void bar_on_event(const lv_obj_class_t * cls, lv_event_t * e)
{
    LV_UNUSED(cls);
    if(lv_obj_event_base(&lv_bar_class, e) != LV_RES_OK) return;

    lv_event_code_t what = lv_event_get_code(e);
    if(what == LV_EVENT_DRAW_MAIN) {
        paint_indicator(lv_event_get_target(e), lv_event_get_draw_ctx(e));
    }
    else if(what == LV_EVENT_REFR_EXT_DRAW_SIZE) {
        lv_coord_t * reach = lv_event_get_param(e);
        *reach = LV_MAX(*reach, indicator_overhang(lv_event_get_target(e)));
    }
}

/*
 * Fill `area` with the indicator's look. Its corners are rounded to at most
 * half its thickness; when it is too short for two whole round ends, only
 * the starting part of a full pill is shown, cut off at the indicator's end,
 * so a small value hugs the track's rounded end instead of shrinking into a dot.
 */
static void fill_rounded(lv_obj_t * obj, lv_draw_ctx_t * draw_ctx, lv_draw_rect_dsc_t * look,
                         const lv_area_t * area)
{
    bool vertical = lies_vertical(obj);
    lv_coord_t w = lv_area_get_width(area);
    lv_coord_t h = lv_area_get_height(area);
    lv_coord_t corner = LV_MIN(look->radius, LV_MIN(w, h) / 2);
    look->radius = corner;

    lv_coord_t length = vertical ? h : w;
    if(length >= 2 * corner) {
        lv_draw_rect(draw_ctx, look, area);
        return;
    }

    lv_area_t pill = *area;
    if(vertical) pill.y1 = pill.y2 - 2 * corner + 1;
    else if(lv_obj_get_style_base_dir(obj, LV_PART_MAIN) == LV_BASE_DIR_RTL) pill.x1 = pill.x2 - 2 * corner + 1;
    else pill.x2 = pill.x1 + 2 * corner - 1;

    lv_area_t visible;
    if(!_lv_area_intersect(&visible, draw_ctx->clip_area, area)) return;
    const lv_area_t * saved_clip = draw_ctx->clip_area;
    draw_ctx->clip_area = &visible;
    lv_draw_rect(draw_ctx, look, &pill);
    draw_ctx->clip_area = saved_clip;
}

static void paint_indicator(lv_obj_t * obj, lv_draw_ctx_t * draw_ctx)
{
    _lv_bar_update_indic_area(obj);
    lv_area_t area = ((lv_bar_t *)obj)->indic_area;

    lv_draw_rect_dsc_t look;
    lv_draw_rect_dsc_init(&look);
    lv_obj_init_draw_rect_dsc(obj, LV_PART_INDICATOR, &look);

    lv_obj_draw_part_dsc_t part;
    lv_obj_draw_dsc_init(&part, draw_ctx);
    part.class_p = &lv_bar_class;
    part.type = LV_BAR_DRAW_PART_INDICATOR;
    part.part = LV_PART_INDICATOR;
    part.rect_dsc = &look;
    part.draw_area = &area;

    lv_event_send(obj, LV_EVENT_DRAW_PART_BEGIN, &part);
    if(lv_area_get_width(&area) > 0 && lv_area_get_height(&area) > 0) fill_rounded(obj, draw_ctx, &look, &area);
    lv_event_send(obj, LV_EVENT_DRAW_PART_END, &part);
}

/*
 * Give *slot its new target. The slot changes at once, so getters and clamps
 * see the target; only the drawing follows the animation. A new target while
 * one is under way sets off from where the indicator is drawn at that moment,
 * so a stream of updates (a sync timer moving a slider) glides instead of
 * jumping back to each previous target.
 */
static void retarget(lv_bar_t * bar, int32_t * slot, _lv_bar_anim_t * motion, int32_t target,
                     lv_anim_enable_t anim)
{
    int32_t shown = shown_value(*slot, motion);
    bool moving = motion->anim_state != MOTION_IDLE;
    /* Already there, or already on the way there: leave a running animation alone
     * unless the caller wants the value shown at once. */
    if(*slot == target && (!moving || anim == LV_ANIM_ON)) return;

    lv_anim_del(motion, motion_step);
    *slot = target;
    motion->anim_state = MOTION_IDLE;

    uint32_t duration = lv_obj_get_style_anim_time(&bar->obj, LV_PART_MAIN);
    if(anim == LV_ANIM_ON && duration > 0 && shown != target) {
        motion->anim_start = shown;
        motion->anim_end = target;
        motion->anim_state = 0;

        lv_anim_t glide;
        lv_anim_init(&glide);
        lv_anim_set_var(&glide, motion);
        lv_anim_set_exec_cb(&glide, motion_step);
        lv_anim_set_ready_cb(&glide, motion_finished);
        lv_anim_set_values(&glide, 0, MOTION_DONE);
        lv_anim_set_time(&glide, duration);
        lv_anim_start(&glide);
    }
    lv_obj_invalidate(&bar->obj);
}

static void motion_step(void * motion, int32_t progress)
{
    _lv_bar_anim_t * m = motion;
    m->anim_state = progress;
    lv_obj_invalidate(m->bar);
}

static void motion_finished(lv_anim_t * a)
{
    _lv_bar_anim_t * m = a->var;
    m->anim_state = MOTION_IDLE;
    lv_obj_invalidate(m->bar);
}

#endif /*LV_USE_BAR*/
