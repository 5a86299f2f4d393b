/**
 * @file lv_bar.c
 * Bar: background (main part) with an indicator covering the part of the
 * range between the start value and the value.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_bar.h"
#if LV_USE_BAR != 0

#include "../core/lv_obj.h"
#include "../core/lv_disp.h"
#include "../misc/lv_math.h"
#include "../misc/lv_anim.h"

/*********************
 *      DEFINES
 *********************/
#define MY_CLASS &lv_bar_class

/* The core leaves the object check to the widgets: a wrong or NULL object
 * passed to a setter is a programming error caught here, not a crash later. */
#ifndef LV_ASSERT_OBJ
#define LV_ASSERT_OBJ(obj_p, obj_class) \
    LV_ASSERT_MSG((obj_p) != NULL && lv_obj_has_class(obj_p, obj_class), "Wrong object type")
#endif

/* The indicator is never thinner than this, so a bar whose padding eats its
 * whole height still shows something. */
#define LV_BAR_SIZE_MIN  4

#define LV_BAR_ANIM_STATE_START 0
#define LV_BAR_ANIM_STATE_END   256
#define LV_BAR_ANIM_STATE_INV   -1

/**********************
 *  STATIC PROTOTYPES
 **********************/
static void lv_bar_constructor(const lv_obj_class_t * class_p, lv_obj_t * obj);
static void lv_bar_destructor(const lv_obj_class_t * class_p, lv_obj_t * obj);
static void lv_bar_event(const lv_obj_class_t * class_p, lv_event_t * e);
static void draw_indic(lv_event_t * e);
static void set_value_animated(lv_obj_t * obj, int32_t new_value, int32_t * value_ptr,
                               _lv_bar_anim_t * anim_info, lv_anim_enable_t en);
static void anim_exec_cb(void * var, int32_t value);
static void anim_ready_cb(lv_anim_t * a);

/**********************
 *  STATIC VARIABLES
 **********************/
const lv_obj_class_t lv_bar_class = {
    .constructor_cb = lv_bar_constructor,
    .destructor_cb = lv_bar_destructor,
    .event_cb = lv_bar_event,
    .width_def = LV_DPI_DEF * 2,
    .height_def = LV_DPI_DEF / 10,
    .instance_size = sizeof(lv_bar_t),
    .base_class = &lv_obj_class
};

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

lv_obj_t * lv_bar_create(lv_obj_t * parent)
{
    lv_obj_t * obj = lv_obj_class_create_obj(MY_CLASS, parent);
    lv_obj_class_init_obj(obj);
    return obj;
}

/*=====================
 * Setter functions
 *====================*/

void lv_bar_set_value(lv_obj_t * obj, int32_t value, lv_anim_enable_t anim)
{
    LV_ASSERT_OBJ(obj, MY_CLASS);
    lv_bar_t * bar = (lv_bar_t *)obj;

    if(bar->cur_value == value) return;

    value = LV_CLAMP(bar->min_value, value, bar->max_value);
    /* In range mode the value is the upper end and cannot pass the start. */
    if(value < bar->start_value) value = bar->start_value;
    if(bar->cur_value == value) return;

    set_value_animated(obj, value, &bar->cur_value, &bar->cur_value_anim, anim);
}

void lv_bar_set_start_value(lv_obj_t * obj, int32_t value, lv_anim_enable_t anim)
{
    LV_ASSERT_OBJ(obj, MY_CLASS);
    lv_bar_t * bar = (lv_bar_t *)obj;

    if(bar->mode != LV_BAR_MODE_RANGE) return;

    value = LV_CLAMP(bar->min_value, value, bar->max_value);
    if(value > bar->cur_value) value = bar->cur_value;
    if(bar->start_value == value) return;

    set_value_animated(obj, value, &bar->start_value, &bar->start_value_anim, anim);
}

void lv_bar_set_range(lv_obj_t * obj, int32_t min, int32_t max)
{
    LV_ASSERT_OBJ(obj, MY_CLASS);
    lv_bar_t * bar = (lv_bar_t *)obj;

    /* A reversed range would make every later clamp inconsistent; take it as meant. */
    if(min > max) {
        int32_t t = min;
        min = max;
        max = t;
    }
    if(bar->min_value == min && bar->max_value == max) return;

    bar->min_value = min;
    bar->max_value = max;

    if(bar->mode != LV_BAR_MODE_RANGE) bar->start_value = min;
    bar->start_value = LV_CLAMP(min, bar->start_value, max);
    bar->cur_value = LV_CLAMP(min, bar->cur_value, max);
    if(bar->cur_value < bar->start_value) bar->cur_value = bar->start_value;

    lv_obj_invalidate(obj);
}

void lv_bar_set_mode(lv_obj_t * obj, lv_bar_mode_t mode)
{
    LV_ASSERT_OBJ(obj, MY_CLASS);
    lv_bar_t * bar = (lv_bar_t *)obj;

    bar->mode = mode;
    if(bar->mode != LV_BAR_MODE_RANGE) bar->start_value = bar->min_value;

    lv_obj_invalidate(obj);
}

/*=====================
 * Getter functions
 *====================*/

int32_t lv_bar_get_value(const lv_obj_t * obj)
{
    LV_ASSERT_OBJ(obj, MY_CLASS);
    return ((const lv_bar_t *)obj)->cur_value;
}

int32_t lv_bar_get_start_value(const lv_obj_t * obj)
{
    LV_ASSERT_OBJ(obj, MY_CLASS);
    const lv_bar_t * bar = (const lv_bar_t *)obj;
    if(bar->mode != LV_BAR_MODE_RANGE) return bar->min_value;
    return bar->start_value;
}

int32_t lv_bar_get_min_value(const lv_obj_t * obj)
{
    LV_ASSERT_OBJ(obj, MY_CLASS);
    return ((const lv_bar_t *)obj)->min_value;
}

int32_t lv_bar_get_max_value(const lv_obj_t * obj)
{
    LV_ASSERT_OBJ(obj, MY_CLASS);
    return ((const lv_bar_t *)obj)->max_value;
}

lv_bar_mode_t lv_bar_get_mode(lv_obj_t * obj)
{
    LV_ASSERT_OBJ(obj, MY_CLASS);
    return ((lv_bar_t *)obj)->mode;
}

/* Pixel offset of `value` along an indicator `len` pixels long. */
static int32_t value_to_px(const lv_bar_t * bar, int32_t value, int32_t len)
{
    int64_t range = (int64_t)bar->max_value - bar->min_value;
    if(range <= 0) return 0;
    int64_t px = ((int64_t)value - bar->min_value) * len / range;
    if(px < 0) px = 0;
    if(px > len) px = len;
    return (int32_t)px;
}

/* Where a possibly animated value is drawn right now. */
static int32_t anim_px(const lv_bar_t * bar, int32_t value, const _lv_bar_anim_t * anim, int32_t len)
{
    if(anim->anim_state == LV_BAR_ANIM_STATE_INV) return value_to_px(bar, value, len);
    int32_t from = value_to_px(bar, anim->anim_start, len);
    int32_t to = value_to_px(bar, anim->anim_end, len);
    return from + ((to - from) * anim->anim_state) / LV_BAR_ANIM_STATE_END;
}

void _lv_bar_update_indic_area(lv_obj_t * obj)
{
    lv_bar_t * bar = (lv_bar_t *)obj;

    lv_area_t bar_coords;
    lv_obj_get_coords(obj, &bar_coords);
    lv_coord_t transf_w = lv_obj_get_style_transform_width(obj, LV_PART_MAIN);
    lv_coord_t transf_h = lv_obj_get_style_transform_height(obj, LV_PART_MAIN);
    bar_coords.x1 -= transf_w;
    bar_coords.x2 += transf_w;
    bar_coords.y1 -= transf_h;
    bar_coords.y2 += transf_h;

    lv_coord_t barw = lv_area_get_width(&bar_coords);
    lv_coord_t barh = lv_area_get_height(&bar_coords);
    bool hor = barw >= barh;

    lv_area_t * ia = &bar->indic_area;
    *ia = bar_coords;
    ia->x1 += lv_obj_get_style_pad_left(obj, LV_PART_MAIN);
    ia->x2 -= lv_obj_get_style_pad_right(obj, LV_PART_MAIN);
    ia->y1 += lv_obj_get_style_pad_top(obj, LV_PART_MAIN);
    ia->y2 -= lv_obj_get_style_pad_bottom(obj, LV_PART_MAIN);

    if(hor && lv_area_get_height(ia) < LV_BAR_SIZE_MIN) {
        ia->y1 = bar_coords.y1 + barh / 2 - LV_BAR_SIZE_MIN / 2;
        ia->y2 = ia->y1 + LV_BAR_SIZE_MIN - 1;
    }
    else if(!hor && lv_area_get_width(ia) < LV_BAR_SIZE_MIN) {
        ia->x1 = bar_coords.x1 + barw / 2 - LV_BAR_SIZE_MIN / 2;
        ia->x2 = ia->x1 + LV_BAR_SIZE_MIN - 1;
    }

    int32_t len = hor ? lv_area_get_width(ia) : lv_area_get_height(ia);
    if(len < 0) len = 0;

    int32_t start_px = anim_px(bar, bar->start_value, &bar->start_value_anim, len);
    int32_t cur_px = anim_px(bar, bar->cur_value, &bar->cur_value_anim, len);

    /* Symmetrical bars grow from zero in either direction. */
    bool sym = bar->mode == LV_BAR_MODE_SYMMETRICAL && bar->min_value < 0 && bar->max_value > 0 &&
               bar->start_value == bar->min_value;
    int32_t a = start_px;
    int32_t b = cur_px;
    if(sym) {
        int32_t zero_px = value_to_px(bar, 0, len);
        a = LV_MIN(zero_px, cur_px);
        b = LV_MAX(zero_px, cur_px);
    }
    if(b < a) b = a;

    /* [a, b) measured from where the bar starts: the left edge, the right
     * edge for right-to-left, or the bottom for a vertical bar. */
    if(hor) {
        if(lv_obj_get_style_base_dir(obj, LV_PART_MAIN) == LV_BASE_DIR_RTL) {
            lv_coord_t x2 = ia->x2;
            ia->x2 = x2 - a;
            ia->x1 = x2 - b + 1;
        }
        else {
            lv_coord_t x1 = ia->x1;
            ia->x1 = x1 + a;
            ia->x2 = x1 + b - 1;
        }
    }
    else {
        lv_coord_t y2 = ia->y2;
        ia->y2 = y2 - a;
        ia->y1 = y2 - b + 1;
    }
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

static void lv_bar_constructor(const lv_obj_class_t * class_p, lv_obj_t * obj)
{
    LV_UNUSED(class_p);
    lv_bar_t * bar = (lv_bar_t *)obj;
    bar->min_value = 0;
    bar->max_value = 100;
    bar->start_value = 0;
    bar->cur_value = 0;
    bar->mode = LV_BAR_MODE_NORMAL;
    lv_area_set(&bar->indic_area, 0, 0, -1, -1);

    bar->cur_value_anim.bar = obj;
    bar->cur_value_anim.anim_start = 0;
    bar->cur_value_anim.anim_end = 0;
    bar->cur_value_anim.anim_state = LV_BAR_ANIM_STATE_INV;
    bar->start_value_anim = bar->cur_value_anim;

    lv_obj_clear_flag(obj, LV_OBJ_FLAG_CHECKABLE);
    lv_obj_clear_flag(obj, LV_OBJ_FLAG_SCROLLABLE);
}

static void lv_bar_destructor(const lv_obj_class_t * class_p, lv_obj_t * obj)
{
    LV_UNUSED(class_p);
    lv_bar_t * bar = (lv_bar_t *)obj;
    lv_anim_del(&bar->cur_value_anim, NULL);
    lv_anim_del(&bar->start_value_anim, NULL);
}

static void lv_bar_event(const lv_obj_class_t * class_p, lv_event_t * e)
{
    LV_UNUSED(class_p);

    lv_res_t res = lv_obj_event_base(MY_CLASS, e);
    if(res != LV_RES_OK) return;

    lv_event_code_t code = lv_event_get_code(e);
    lv_obj_t * obj = lv_event_get_target(e);

    if(code == LV_EVENT_REFR_EXT_DRAW_SIZE) {
        lv_coord_t * s = lv_event_get_param(e);
        *s = LV_MAX(*s, lv_obj_calculate_ext_draw_size(obj, LV_PART_INDICATOR));

        /* A negative padding lets the indicator stick out of the background. */
        lv_coord_t pad = LV_MIN4(lv_obj_get_style_pad_left(obj, LV_PART_MAIN),
                                 lv_obj_get_style_pad_right(obj, LV_PART_MAIN),
                                 lv_obj_get_style_pad_top(obj, LV_PART_MAIN),
                                 lv_obj_get_style_pad_bottom(obj, LV_PART_MAIN));
        if(pad < 0) *s = LV_MAX(*s, -pad);
    }
    else if(code == LV_EVENT_PRESSED || code == LV_EVENT_RELEASED) {
        lv_obj_invalidate(obj);
    }
    else if(code == LV_EVENT_DRAW_MAIN) {
        draw_indic(e);
    }
}

static void draw_indic(lv_event_t * e)
{
    lv_obj_t * obj = lv_event_get_target(e);
    lv_bar_t * bar = (lv_bar_t *)obj;
    lv_draw_ctx_t * draw_ctx = lv_event_get_draw_ctx(e);

    _lv_bar_update_indic_area(obj);

    lv_area_t indic_area = bar->indic_area;
    lv_coord_t indic_w = lv_area_get_width(&indic_area);
    lv_coord_t indic_h = lv_area_get_height(&indic_area);
    bool hor = lv_obj_get_width(obj) >= lv_obj_get_height(obj);

    lv_draw_rect_dsc_t draw_rect_dsc;
    lv_draw_rect_dsc_init(&draw_rect_dsc);
    lv_obj_init_draw_rect_dsc(obj, LV_PART_INDICATOR, &draw_rect_dsc);

    lv_obj_draw_part_dsc_t part_draw_dsc;
    lv_obj_draw_dsc_init(&part_draw_dsc, draw_ctx);
    part_draw_dsc.part = LV_PART_INDICATOR;
    part_draw_dsc.class_p = MY_CLASS;
    part_draw_dsc.type = LV_BAR_DRAW_PART_INDICATOR;
    part_draw_dsc.rect_dsc = &draw_rect_dsc;
    part_draw_dsc.draw_area = &indic_area;

    lv_event_send(obj, LV_EVENT_DRAW_PART_BEGIN, &part_draw_dsc);

    if(indic_w > 0 && indic_h > 0) {
        lv_coord_t short_side = LV_MIN(indic_w, indic_h);
        lv_coord_t len = hor ? indic_w : indic_h;
        lv_coord_t radius = LV_MIN(draw_rect_dsc.radius, short_side / 2);
        draw_rect_dsc.radius = radius;

        if(len >= 2 * radius) {
            lv_draw_rect(draw_ctx, &draw_rect_dsc, &indic_area);
        }
        else {
            /* Too short for two round ends: draw the start of a full-radius
             * pill and cut it off at the indicator's end, so a small value
             * follows the rounded background instead of becoming a dot. */
            lv_area_t pill = indic_area;
            lv_base_dir_t dir = lv_obj_get_style_base_dir(obj, LV_PART_MAIN);
            if(hor && dir == LV_BASE_DIR_RTL) pill.x1 = pill.x2 - 2 * radius + 1;
            else if(hor) pill.x2 = pill.x1 + 2 * radius - 1;
            else pill.y1 = pill.y2 - 2 * radius + 1;

            lv_area_t clip;
            if(_lv_area_intersect(&clip, draw_ctx->clip_area, &indic_area)) {
                const lv_area_t * clip_ori = draw_ctx->clip_area;
                draw_ctx->clip_area = &clip;
                lv_draw_rect(draw_ctx, &draw_rect_dsc, &pill);
                draw_ctx->clip_area = clip_ori;
            }
        }
    }

    lv_event_send(obj, LV_EVENT_DRAW_PART_END, &part_draw_dsc);
}

/*
 * Move *value_ptr to new_value, animated over the main part's anim_time when
 * asked and that time is not zero. The stored value changes at once (getters
 * report the target); only the drawn position follows the animation. A new
 * target while one runs continues from the previous target.
 */
static void set_value_animated(lv_obj_t * obj, int32_t new_value, int32_t * value_ptr,
                               _lv_bar_anim_t * anim_info, lv_anim_enable_t en)
{
    uint32_t anim_time = lv_obj_get_style_anim_time(obj, LV_PART_MAIN);
    if(en == LV_ANIM_OFF || anim_time == 0) {
        lv_anim_del(anim_info, NULL);
        anim_info->anim_state = LV_BAR_ANIM_STATE_INV;
        *value_ptr = new_value;
        lv_obj_invalidate(obj);
        return;
    }

    if(anim_info->anim_state == LV_BAR_ANIM_STATE_INV) {
        anim_info->anim_start = *value_ptr;
        anim_info->anim_end = new_value;
    }
    else {
        anim_info->anim_start = anim_info->anim_end;
        anim_info->anim_end = new_value;
    }
    *value_ptr = new_value;

    lv_anim_del(anim_info, NULL);

    lv_anim_t a;
    lv_anim_init(&a);
    lv_anim_set_var(&a, anim_info);
    lv_anim_set_values(&a, LV_BAR_ANIM_STATE_START, LV_BAR_ANIM_STATE_END);
    lv_anim_set_exec_cb(&a, anim_exec_cb);
    lv_anim_set_ready_cb(&a, anim_ready_cb);
    lv_anim_set_time(&a, anim_time);
    lv_anim_start(&a);
    anim_info->anim_state = LV_BAR_ANIM_STATE_START;
    lv_obj_invalidate(obj);
}

static void anim_exec_cb(void * var, int32_t value)
{
    _lv_bar_anim_t * anim_info = var;
    anim_info->anim_state = value;
    lv_obj_invalidate(anim_info->bar);
}

static void anim_ready_cb(lv_anim_t * a)
{
    _lv_bar_anim_t * anim_info = a->var;
    anim_info->anim_state = LV_BAR_ANIM_STATE_INV;
    lv_obj_invalidate(anim_info->bar);
}

#endif /*LV_USE_BAR*/
