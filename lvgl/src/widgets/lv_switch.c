/**
 * @file lv_switch.c
 * The class is checkable, so the base object already toggles
 * LV_STATE_CHECKED on a click and sends value-changed. This file draws the
 * track's "on" fill and the knob, and slides the knob when the value changes.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_switch.h"
#if LV_USE_SWITCH != 0

#include "../misc/lv_anim.h"
#include "../misc/lv_math.h"

/*********************
 *      DEFINES
 *********************/
/* Knob positions: 0 is the "off" end, KNOB_ON the "on" end. */
#define KNOB_ON 256
#define KNOB_NEVER_SHOWN (-1)

/**********************
 *  STATIC PROTOTYPES
 **********************/
static void switch_init(const lv_obj_class_t * cls, lv_obj_t * obj);
static void switch_release(const lv_obj_class_t * cls, lv_obj_t * obj);
static void switch_on_event(const lv_obj_class_t * cls, lv_event_t * e);
static void slide_knob(lv_switch_t * sw);
static void knob_moved(void * sw, int32_t position);
static void paint(lv_switch_t * sw, lv_draw_ctx_t * draw_ctx);

/**********************
 *  STATIC VARIABLES
 **********************/
const lv_obj_class_t lv_switch_class = {
    .base_class = &lv_obj_class,
    .constructor_cb = switch_init,
    .destructor_cb = switch_release,
    .event_cb = switch_on_event,
    .width_def = LV_DPI_DEF * 4 / 10,
    .height_def = LV_DPI_DEF * 4 / 17,
    .group_def = LV_OBJ_CLASS_GROUP_DEF_TRUE,
    .instance_size = sizeof(lv_switch_t),
};

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

lv_obj_t * lv_switch_create(lv_obj_t * parent)
{
    lv_obj_t * sw = lv_obj_class_create_obj(&lv_switch_class, parent);
    lv_obj_class_init_obj(sw);
    return sw;
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

static void switch_init(const lv_obj_class_t * cls, lv_obj_t * obj)
{
    LV_UNUSED(cls);
    ((lv_switch_t *)obj)->anim_state = KNOB_NEVER_SHOWN;

    lv_obj_add_flag(obj, LV_OBJ_FLAG_CHECKABLE | LV_OBJ_FLAG_SCROLL_ON_FOCUS);
    lv_obj_clear_flag(obj, LV_OBJ_FLAG_SCROLLABLE);
}

static void switch_release(const lv_obj_class_t * cls, lv_obj_t * obj)
{
    LV_UNUSED(cls);
    lv_anim_del(obj, knob_moved);
}

/* A knob with padding is larger than the track and sticks out by it (plus a
 * pixel each side for anti-aliasing and the knob's own shadow or outline). */
static lv_coord_t knob_overhang(lv_obj_t * obj)
{
    lv_coord_t pad = LV_MAX(LV_MAX(lv_obj_get_style_pad_left(obj, LV_PART_KNOB),
                                   lv_obj_get_style_pad_right(obj, LV_PART_KNOB)),
                            LV_MAX(lv_obj_get_style_pad_top(obj, LV_PART_KNOB),
                                   lv_obj_get_style_pad_bottom(obj, LV_PART_KNOB)));
    return LV_ABS(pad) + 2 + lv_obj_calculate_ext_draw_size(obj, LV_PART_KNOB);
}

static void switch_on_event(const lv_obj_class_t * cls, lv_event_t * e)
{
    LV_UNUSED(cls);
    if(lv_obj_event_base(&lv_switch_class, e) != LV_RES_OK) return;

    lv_switch_t * sw = (lv_switch_t *)lv_event_get_target(e);
    switch(lv_event_get_code(e)) {
        case LV_EVENT_VALUE_CHANGED:
            slide_knob(sw);
            break;
        case LV_EVENT_DRAW_MAIN:
            paint(sw, lv_event_get_draw_ctx(e));
            break;
        case LV_EVENT_REFR_EXT_DRAW_SIZE: {
                lv_coord_t * reach = lv_event_get_param(e);
                *reach = LV_MAX(*reach, knob_overhang(&sw->obj));
                break;
            }
        default:
            break;
    }
}

static int32_t place_for_state(const lv_obj_t * obj)
{
    return lv_obj_has_state(obj, LV_STATE_CHECKED) ? KNOB_ON : 0;
}

/*
 * Slide the knob from where it was last shown to the end that matches the
 * state, taking the main part's anim_time for a whole travel and less for a
 * part of it (a toggle in mid-slide turns back from where the knob is).
 *
 * The start is what the screen showed, not "the other end": the program
 * sends value-changed to switches whose state it has just set, or not changed
 * at all, when it applies stored settings, and a knob that is already at the
 * right end must not swing over from the wrong one. A switch that was never
 * drawn has nothing on screen to move, so it just shows the state.
 */
static void slide_knob(lv_switch_t * sw)
{
    lv_obj_t * obj = &sw->obj;
    int32_t from = sw->anim_state;
    int32_t to = place_for_state(obj);
    lv_anim_del(sw, knob_moved);
    lv_obj_invalidate(obj);
    if(from == KNOB_NEVER_SHOWN) return;

    uint32_t whole = lv_obj_get_style_anim_time(obj, LV_PART_MAIN);
    uint32_t duration = (uint32_t)(((uint64_t)whole * (uint32_t)LV_ABS(to - from)) / KNOB_ON);
    if(duration == 0) {
        sw->anim_state = to;
        return;
    }

    lv_anim_t slide;
    lv_anim_init(&slide);
    lv_anim_set_var(&slide, sw);
    lv_anim_set_exec_cb(&slide, knob_moved);
    lv_anim_set_values(&slide, from, to);
    lv_anim_set_time(&slide, duration);
    lv_anim_start(&slide);
}

static void knob_moved(void * sw, int32_t position)
{
    ((lv_switch_t *)sw)->anim_state = position;
    lv_obj_invalidate(sw);
}

static void paint(lv_switch_t * sw, lv_draw_ctx_t * draw_ctx)
{
    lv_obj_t * obj = &sw->obj;

    /* The "on" fill covers the track inside its padding; the theme keeps it
     * transparent until the switch is checked. */
    lv_area_t fill = obj->coords;
    fill.x1 += lv_obj_get_style_pad_left(obj, LV_PART_MAIN);
    fill.x2 -= lv_obj_get_style_pad_right(obj, LV_PART_MAIN);
    fill.y1 += lv_obj_get_style_pad_top(obj, LV_PART_MAIN);
    fill.y2 -= lv_obj_get_style_pad_bottom(obj, LV_PART_MAIN);
    lv_draw_rect_dsc_t look;
    lv_draw_rect_dsc_init(&look);
    lv_obj_init_draw_rect_dsc(obj, LV_PART_INDICATOR, &look);
    lv_draw_rect(draw_ctx, &look, &fill);

    /* At rest the knob shows the state; remember it as the start of the next slide. */
    if(lv_anim_get(sw, knob_moved) == NULL) sw->anim_state = place_for_state(obj);

    /* The knob is a square as tall as the switch, travelling the rest of its width. */
    lv_coord_t side = lv_obj_get_height(obj);
    lv_coord_t travel = lv_obj_get_width(obj) - side;
    lv_coord_t offset = (lv_coord_t)((travel * sw->anim_state) / KNOB_ON);
    if(lv_obj_get_style_base_dir(obj, LV_PART_MAIN) == LV_BASE_DIR_RTL) offset = travel - offset;

    lv_area_t knob;
    knob.x1 = obj->coords.x1 + offset - lv_obj_get_style_pad_left(obj, LV_PART_KNOB);
    knob.x2 = obj->coords.x1 + offset + LV_MAX(side - 1, 0) + lv_obj_get_style_pad_right(obj, LV_PART_KNOB);
    knob.y1 = obj->coords.y1 - lv_obj_get_style_pad_top(obj, LV_PART_KNOB);
    knob.y2 = obj->coords.y2 + lv_obj_get_style_pad_bottom(obj, LV_PART_KNOB);

    lv_draw_rect_dsc_init(&look);
    lv_obj_init_draw_rect_dsc(obj, LV_PART_KNOB, &look);
    lv_draw_rect(draw_ctx, &look, &knob);
}

#endif /*LV_USE_SWITCH*/
