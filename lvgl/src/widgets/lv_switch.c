/**
 * @file lv_switch.c
 * Switch: the main part is the track, the indicator the track's "on" colour
 * (transparent unless checked, by the theme), the knob a disc that slides
 * between the two ends. Toggling itself is the base object's work (the class
 * is checkable); this file only animates and draws.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_switch.h"
#if LV_USE_SWITCH != 0

#include "../core/lv_disp.h"
#include "../misc/lv_anim.h"
#include "../misc/lv_math.h"

/*********************
 *      DEFINES
 *********************/
#define MY_CLASS &lv_switch_class

#define LV_SWITCH_ANIM_STATE_START 0
#define LV_SWITCH_ANIM_STATE_END   256
#define LV_SWITCH_ANIM_STATE_INV   -1

/**********************
 *  STATIC PROTOTYPES
 **********************/
static void lv_switch_constructor(const lv_obj_class_t * class_p, lv_obj_t * obj);
static void lv_switch_destructor(const lv_obj_class_t * class_p, lv_obj_t * obj);
static void lv_switch_event(const lv_obj_class_t * class_p, lv_event_t * e);
static void draw_main(lv_event_t * e);
static void trigger_anim(lv_obj_t * obj);
static void anim_exec_cb(void * var, int32_t value);
static void anim_ready_cb(lv_anim_t * a);

/**********************
 *  STATIC VARIABLES
 **********************/
const lv_obj_class_t lv_switch_class = {
    .constructor_cb = lv_switch_constructor,
    .destructor_cb = lv_switch_destructor,
    .event_cb = lv_switch_event,
    .width_def = (4 * LV_DPI_DEF) / 10,
    .height_def = (4 * LV_DPI_DEF) / 17,
    .group_def = LV_OBJ_CLASS_GROUP_DEF_TRUE,
    .instance_size = sizeof(lv_switch_t),
    .base_class = &lv_obj_class
};

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

lv_obj_t * lv_switch_create(lv_obj_t * parent)
{
    lv_obj_t * obj = lv_obj_class_create_obj(MY_CLASS, parent);
    lv_obj_class_init_obj(obj);
    return obj;
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

static void lv_switch_constructor(const lv_obj_class_t * class_p, lv_obj_t * obj)
{
    LV_UNUSED(class_p);
    lv_switch_t * sw = (lv_switch_t *)obj;
    sw->anim_state = LV_SWITCH_ANIM_STATE_INV;

    lv_obj_clear_flag(obj, LV_OBJ_FLAG_SCROLLABLE);
    lv_obj_add_flag(obj, LV_OBJ_FLAG_CHECKABLE);
    lv_obj_add_flag(obj, LV_OBJ_FLAG_SCROLL_ON_FOCUS);
}

static void lv_switch_destructor(const lv_obj_class_t * class_p, lv_obj_t * obj)
{
    LV_UNUSED(class_p);
    lv_anim_del(obj, NULL);
}

static void lv_switch_event(const lv_obj_class_t * class_p, lv_event_t * e)
{
    LV_UNUSED(class_p);

    lv_res_t res = lv_obj_event_base(MY_CLASS, e);
    if(res != LV_RES_OK) return;

    lv_event_code_t code = lv_event_get_code(e);
    lv_obj_t * obj = lv_event_get_target(e);

    if(code == LV_EVENT_REFR_EXT_DRAW_SIZE) {
        /* A knob with negative padding is larger than the track. */
        lv_coord_t knob_pad = LV_MAX4(lv_obj_get_style_pad_left(obj, LV_PART_KNOB),
                                      lv_obj_get_style_pad_right(obj, LV_PART_KNOB),
                                      lv_obj_get_style_pad_top(obj, LV_PART_KNOB),
                                      lv_obj_get_style_pad_bottom(obj, LV_PART_KNOB));
        lv_coord_t knob_size = LV_ABS(knob_pad) + 2;  /*2: rounding*/
        knob_size += lv_obj_calculate_ext_draw_size(obj, LV_PART_KNOB);

        lv_coord_t * s = lv_event_get_param(e);
        *s = LV_MAX(*s, knob_size);
    }
    else if(code == LV_EVENT_VALUE_CHANGED) {
        trigger_anim(obj);
        lv_obj_invalidate(obj);
    }
    else if(code == LV_EVENT_DRAW_MAIN) {
        draw_main(e);
    }
}

static void draw_main(lv_event_t * e)
{
    lv_obj_t * obj = lv_event_get_target(e);
    lv_switch_t * sw = (lv_switch_t *)obj;
    lv_draw_ctx_t * draw_ctx = lv_event_get_draw_ctx(e);

    /* The indicator fills the track inside the main part's padding. */
    lv_area_t indic_area = obj->coords;
    indic_area.x1 += lv_obj_get_style_pad_left(obj, LV_PART_MAIN);
    indic_area.x2 -= lv_obj_get_style_pad_right(obj, LV_PART_MAIN);
    indic_area.y1 += lv_obj_get_style_pad_top(obj, LV_PART_MAIN);
    indic_area.y2 -= lv_obj_get_style_pad_bottom(obj, LV_PART_MAIN);

    lv_draw_rect_dsc_t draw_indic_dsc;
    lv_draw_rect_dsc_init(&draw_indic_dsc);
    lv_obj_init_draw_rect_dsc(obj, LV_PART_INDICATOR, &draw_indic_dsc);
    lv_draw_rect(draw_ctx, &draw_indic_dsc, &indic_area);

    /* The knob is a square as tall as the switch; it travels the rest of the width. */
    lv_coord_t knob_size = lv_obj_get_height(obj);
    lv_coord_t anim_length = lv_obj_get_width(obj) - knob_size;
    lv_coord_t knob_x;
    if(sw->anim_state != LV_SWITCH_ANIM_STATE_INV) {
        knob_x = (anim_length * sw->anim_state) / LV_SWITCH_ANIM_STATE_END;
    }
    else {
        knob_x = lv_obj_has_state(obj, LV_STATE_CHECKED) ? anim_length : 0;
    }
    if(lv_obj_get_style_base_dir(obj, LV_PART_MAIN) == LV_BASE_DIR_RTL) knob_x = anim_length - knob_x;

    lv_area_t knob_area;
    knob_area.x1 = obj->coords.x1 + knob_x;
    knob_area.x2 = knob_area.x1 + (knob_size > 0 ? knob_size - 1 : 0);
    knob_area.y1 = obj->coords.y1;
    knob_area.y2 = obj->coords.y2;
    knob_area.x1 -= lv_obj_get_style_pad_left(obj, LV_PART_KNOB);
    knob_area.x2 += lv_obj_get_style_pad_right(obj, LV_PART_KNOB);
    knob_area.y1 -= lv_obj_get_style_pad_top(obj, LV_PART_KNOB);
    knob_area.y2 += lv_obj_get_style_pad_bottom(obj, LV_PART_KNOB);

    lv_draw_rect_dsc_t knob_rect_dsc;
    lv_draw_rect_dsc_init(&knob_rect_dsc);
    lv_obj_init_draw_rect_dsc(obj, LV_PART_KNOB, &knob_rect_dsc);
    lv_draw_rect(draw_ctx, &knob_rect_dsc, &knob_area);
}

/*
 * Slide the knob towards the end that matches the checked state, over the
 * main part's anim_time for a full travel. A toggle during a slide turns
 * around from where the knob is, taking only the time of the shorter way.
 */
static void trigger_anim(lv_obj_t * obj)
{
    lv_switch_t * sw = (lv_switch_t *)obj;
    uint32_t anim_dur_full = lv_obj_get_style_anim_time(obj, LV_PART_MAIN);
    if(anim_dur_full == 0) {
        lv_anim_del(sw, NULL);
        sw->anim_state = LV_SWITCH_ANIM_STATE_INV;
        return;
    }

    bool chk = lv_obj_has_state(obj, LV_STATE_CHECKED);
    int32_t anim_end = chk ? LV_SWITCH_ANIM_STATE_END : LV_SWITCH_ANIM_STATE_START;
    int32_t anim_start;
    if(sw->anim_state == LV_SWITCH_ANIM_STATE_INV) {
        anim_start = chk ? LV_SWITCH_ANIM_STATE_START : LV_SWITCH_ANIM_STATE_END;
    }
    else {
        anim_start = sw->anim_state;
    }
    uint32_t anim_dur = (anim_dur_full * (uint32_t)LV_ABS(anim_start - anim_end)) / LV_SWITCH_ANIM_STATE_END;

    lv_anim_del(sw, NULL);
    if(anim_dur == 0) {
        sw->anim_state = LV_SWITCH_ANIM_STATE_INV;
        return;
    }

    lv_anim_t a;
    lv_anim_init(&a);
    lv_anim_set_var(&a, sw);
    lv_anim_set_exec_cb(&a, anim_exec_cb);
    lv_anim_set_values(&a, anim_start, anim_end);
    lv_anim_set_ready_cb(&a, anim_ready_cb);
    lv_anim_set_time(&a, anim_dur);
    sw->anim_state = anim_start;
    lv_anim_start(&a);
}

static void anim_exec_cb(void * var, int32_t value)
{
    lv_switch_t * sw = var;
    sw->anim_state = value;
    lv_obj_invalidate((lv_obj_t *)sw);
}

static void anim_ready_cb(lv_anim_t * a)
{
    lv_switch_t * sw = a->var;
    sw->anim_state = LV_SWITCH_ANIM_STATE_INV;
    lv_obj_invalidate((lv_obj_t *)sw);
}

#endif /*LV_USE_SWITCH*/
