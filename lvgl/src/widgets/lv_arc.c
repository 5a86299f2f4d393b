/**
 * @file lv_arc.c
 * Arc: background arc (main part), indicator arc (the value) and a knob at
 * the indicator's moving end. Angles are degrees, 0 pointing right and
 * growing clockwise, all relative to `rotation`.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_arc.h"
#if LV_USE_ARC != 0

#include <math.h>
#include "../core/lv_group.h"
#include "../core/lv_indev.h"
#include "../misc/lv_math.h"
#include "../misc/lv_tick.h"

/*********************
 *      DEFINES
 *********************/
#define MY_CLASS &lv_arc_class

#ifndef LV_ASSERT_OBJ
#define LV_ASSERT_OBJ(obj_p, obj_class) \
    LV_ASSERT_MSG((obj_p) != NULL && lv_obj_has_class(obj_p, obj_class), "Wrong object type")
#endif

/* Until a value or a range is set the indicator keeps its constructor angles. */
#define VALUE_UNSET INT16_MIN

/* A pointer move this much past the last position is taken as a jump across
 * the gap between the two ends, not as a real turn. */
#define JUMP_LIMIT_DEG 280

/**********************
 *  STATIC PROTOTYPES
 **********************/
static void lv_arc_constructor(const lv_obj_class_t * class_p, lv_obj_t * obj);
static void lv_arc_event(const lv_obj_class_t * class_p, lv_event_t * e);
static void lv_arc_draw(lv_event_t * e);
static void drag_to_pointer(lv_event_t * e);
static void step_by_key(lv_event_t * e);
static bool ring_hit(lv_obj_t * obj, const lv_point_t * p);
static bool press_continues_here(lv_obj_t * obj);
static void get_center(const lv_obj_t * obj, lv_point_t * center, lv_coord_t * arc_r);
static void draw_arc_span(lv_draw_ctx_t * draw_ctx, const lv_draw_arc_dsc_t * dsc, const lv_point_t * center,
                          lv_coord_t radius, int32_t start, int32_t end);
static int32_t get_knob_angle(const lv_obj_t * obj);
static void get_knob_area(lv_obj_t * obj, const lv_point_t * center, lv_coord_t r, lv_area_t * knob_area);
static void value_update(lv_obj_t * obj);
static int32_t bg_end_unwrapped(const lv_arc_t * arc);
static uint16_t normalize_angle(uint16_t angle);

/**********************
 *  STATIC VARIABLES
 **********************/
const lv_obj_class_t lv_arc_class = {
    .constructor_cb = lv_arc_constructor,
    .event_cb = lv_arc_event,
    .instance_size = sizeof(lv_arc_t),
    .editable = LV_OBJ_CLASS_EDITABLE_TRUE,
    .base_class = &lv_obj_class
};

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

lv_obj_t * lv_arc_create(lv_obj_t * parent)
{
    lv_obj_t * obj = lv_obj_class_create_obj(MY_CLASS, parent);
    lv_obj_class_init_obj(obj);
    return obj;
}

/*=====================
 * Setter functions
 *====================*/

void lv_arc_set_start_angle(lv_obj_t * obj, uint16_t start)
{
    LV_ASSERT_OBJ(obj, MY_CLASS);
    lv_arc_t * arc = (lv_arc_t *)obj;
    start = normalize_angle(start);
    if(arc->indic_angle_start == start) return;
    arc->indic_angle_start = start;
    lv_obj_invalidate(obj);
}

void lv_arc_set_end_angle(lv_obj_t * obj, uint16_t end)
{
    LV_ASSERT_OBJ(obj, MY_CLASS);
    lv_arc_t * arc = (lv_arc_t *)obj;
    end = normalize_angle(end);
    if(arc->indic_angle_end == end) return;
    arc->indic_angle_end = end;
    lv_obj_invalidate(obj);
}

void lv_arc_set_angles(lv_obj_t * obj, uint16_t start, uint16_t end)
{
    lv_arc_set_end_angle(obj, end);
    lv_arc_set_start_angle(obj, start);
}

void lv_arc_set_bg_start_angle(lv_obj_t * obj, uint16_t start)
{
    LV_ASSERT_OBJ(obj, MY_CLASS);
    lv_arc_t * arc = (lv_arc_t *)obj;
    start = normalize_angle(start);
    if(arc->bg_angle_start == start) return;
    arc->bg_angle_start = start;
    lv_obj_invalidate(obj);
    value_update(obj);
}

void lv_arc_set_bg_end_angle(lv_obj_t * obj, uint16_t end)
{
    LV_ASSERT_OBJ(obj, MY_CLASS);
    lv_arc_t * arc = (lv_arc_t *)obj;
    end = normalize_angle(end);
    if(arc->bg_angle_end == end) return;
    arc->bg_angle_end = end;
    lv_obj_invalidate(obj);
    value_update(obj);
}

void lv_arc_set_bg_angles(lv_obj_t * obj, uint16_t start, uint16_t end)
{
    lv_arc_set_bg_end_angle(obj, end);
    lv_arc_set_bg_start_angle(obj, start);
}

void lv_arc_set_rotation(lv_obj_t * obj, uint16_t rotation)
{
    LV_ASSERT_OBJ(obj, MY_CLASS);
    lv_arc_t * arc = (lv_arc_t *)obj;
    arc->rotation = rotation % 360;
    lv_obj_invalidate(obj);
}

void lv_arc_set_mode(lv_obj_t * obj, lv_arc_mode_t type)
{
    LV_ASSERT_OBJ(obj, MY_CLASS);
    lv_arc_t * arc = (lv_arc_t *)obj;
    if(type > LV_ARC_MODE_REVERSE) return;
    arc->type = type;
    value_update(obj);
    lv_obj_invalidate(obj);
}

void lv_arc_set_value(lv_obj_t * obj, int16_t value)
{
    LV_ASSERT_OBJ(obj, MY_CLASS);
    lv_arc_t * arc = (lv_arc_t *)obj;

    int16_t new_value = LV_CLAMP(arc->min_value, value, arc->max_value);
    if(arc->value == new_value) return;
    arc->value = new_value;
    value_update(obj);
}

void lv_arc_set_range(lv_obj_t * obj, int16_t min, int16_t max)
{
    LV_ASSERT_OBJ(obj, MY_CLASS);
    lv_arc_t * arc = (lv_arc_t *)obj;

    /* A reversed range would break every clamp below; take it as meant. */
    if(min > max) {
        int16_t t = min;
        min = max;
        max = t;
    }
    if(arc->min_value == min && arc->max_value == max) return;

    arc->min_value = min;
    arc->max_value = max;
    arc->value = LV_CLAMP(min, arc->value, max);
    value_update(obj);
}

void lv_arc_set_change_rate(lv_obj_t * obj, uint16_t rate)
{
    LV_ASSERT_OBJ(obj, MY_CLASS);
    ((lv_arc_t *)obj)->chg_rate = rate;
}

/*=====================
 * Getter functions
 *====================*/

uint16_t lv_arc_get_angle_start(lv_obj_t * obj)
{
    LV_ASSERT_OBJ(obj, MY_CLASS);
    return ((lv_arc_t *)obj)->indic_angle_start;
}

uint16_t lv_arc_get_angle_end(lv_obj_t * obj)
{
    LV_ASSERT_OBJ(obj, MY_CLASS);
    return ((lv_arc_t *)obj)->indic_angle_end;
}

uint16_t lv_arc_get_bg_angle_start(lv_obj_t * obj)
{
    LV_ASSERT_OBJ(obj, MY_CLASS);
    return ((lv_arc_t *)obj)->bg_angle_start;
}

uint16_t lv_arc_get_bg_angle_end(lv_obj_t * obj)
{
    LV_ASSERT_OBJ(obj, MY_CLASS);
    return ((lv_arc_t *)obj)->bg_angle_end;
}

int16_t lv_arc_get_value(const lv_obj_t * obj)
{
    LV_ASSERT_OBJ(obj, MY_CLASS);
    const lv_arc_t * arc = (const lv_arc_t *)obj;
    /* A fresh arc has no value yet; report the bottom of its range rather
     * than the internal marker. */
    return arc->value == VALUE_UNSET ? arc->min_value : arc->value;
}

int16_t lv_arc_get_min_value(const lv_obj_t * obj)
{
    LV_ASSERT_OBJ(obj, MY_CLASS);
    return ((const lv_arc_t *)obj)->min_value;
}

int16_t lv_arc_get_max_value(const lv_obj_t * obj)
{
    LV_ASSERT_OBJ(obj, MY_CLASS);
    return ((const lv_arc_t *)obj)->max_value;
}

lv_arc_mode_t lv_arc_get_mode(const lv_obj_t * obj)
{
    LV_ASSERT_OBJ(obj, MY_CLASS);
    return ((const lv_arc_t *)obj)->type;
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

static void lv_arc_constructor(const lv_obj_class_t * class_p, lv_obj_t * obj)
{
    LV_UNUSED(class_p);
    lv_arc_t * arc = (lv_arc_t *)obj;

    arc->rotation = 0;
    arc->bg_angle_start = 135;
    arc->bg_angle_end = 45;
    arc->indic_angle_start = 135;
    arc->indic_angle_end = 270;
    arc->type = LV_ARC_MODE_NORMAL;
    arc->value = VALUE_UNSET;
    arc->min_close = 1;
    arc->min_value = 0;
    arc->max_value = 100;
    arc->dragging = 0;
    arc->chg_rate = 720;
    arc->last_tick = lv_tick_get();
    arc->last_angle = arc->indic_angle_end;

    lv_obj_add_flag(obj, LV_OBJ_FLAG_CLICKABLE);
    /* Turning the knob must not scroll the page under it. */
    lv_obj_clear_flag(obj, LV_OBJ_FLAG_SCROLL_CHAIN);
    lv_obj_clear_flag(obj, LV_OBJ_FLAG_SCROLLABLE);
    lv_obj_set_ext_click_area(obj, LV_DPI_DEF / 10);
}

static void lv_arc_event(const lv_obj_class_t * class_p, lv_event_t * e)
{
    LV_UNUSED(class_p);

    lv_res_t res = lv_obj_event_base(MY_CLASS, e);
    if(res != LV_RES_OK) return;

    lv_event_code_t code = lv_event_get_code(e);
    lv_obj_t * obj = lv_event_get_target(e);
    lv_arc_t * arc = (lv_arc_t *)obj;

    if(code == LV_EVENT_PRESSING) {
        drag_to_pointer(e);
    }
    else if(code == LV_EVENT_PRESS_LOST && press_continues_here(obj)) {
        /* Slid off the ring but still held (press lock): keep turning. */
    }
    else if(code == LV_EVENT_RELEASED || code == LV_EVENT_PRESS_LOST) {
        arc->dragging = 0;

        /* An encoder leaves edit mode on release, not only after a long press. */
        lv_indev_t * indev = lv_indev_get_act();
        lv_group_t * g = lv_obj_get_group(obj);
        if(indev && g && lv_indev_get_type(indev) == LV_INDEV_TYPE_ENCODER && lv_group_get_editing(g)) {
            lv_group_set_editing(g, false);
        }
    }
    else if(code == LV_EVENT_KEY) {
        step_by_key(e);
    }
    else if(code == LV_EVENT_HIT_TEST) {
        lv_hit_test_info_t * info = lv_event_get_param(e);
        info->res = ring_hit(obj, info->point);
    }
    else if(code == LV_EVENT_REFR_EXT_DRAW_SIZE) {
        /* The knob is drawn around the indicator's end and may reach past
         * the object by its padding beyond the background's padding. */
        lv_coord_t bg_pad = LV_MAX4(lv_obj_get_style_pad_left(obj, LV_PART_MAIN),
                                    lv_obj_get_style_pad_right(obj, LV_PART_MAIN),
                                    lv_obj_get_style_pad_top(obj, LV_PART_MAIN),
                                    lv_obj_get_style_pad_bottom(obj, LV_PART_MAIN));
        lv_coord_t knob_pad = LV_MAX4(lv_obj_get_style_pad_left(obj, LV_PART_KNOB),
                                      lv_obj_get_style_pad_right(obj, LV_PART_KNOB),
                                      lv_obj_get_style_pad_top(obj, LV_PART_KNOB),
                                      lv_obj_get_style_pad_bottom(obj, LV_PART_KNOB)) + 2;
        lv_coord_t knob_extra_size = knob_pad - bg_pad;
        knob_extra_size += lv_obj_calculate_ext_draw_size(obj, LV_PART_KNOB);

        lv_coord_t * s = lv_event_get_param(e);
        *s = LV_MAX(*s, knob_extra_size);
    }
    else if(code == LV_EVENT_DRAW_MAIN) {
        lv_arc_draw(e);
    }
}

/* Angle of (dx, dy) around the centre in degrees 0..359, clockwise from the right. */
static int32_t point_angle(lv_coord_t dx, lv_coord_t dy)
{
    double deg = atan2((double)dy, (double)dx) * (180.0 / 3.14159265358979323846);
    int32_t a = (int32_t)floor(deg + 0.5);
    a %= 360;
    if(a < 0) a += 360;
    return a;
}

/*
 * Turning by pointer. A press only starts turning once the pointer is out on
 * the ring (a press in the middle does nothing). From then on the pointer's
 * angle around the centre, relative to the background's start, is the
 * target; the indicator follows it at most `chg_rate` degrees per second,
 * and a move across the gap between the ends snaps to the end that was
 * nearer before instead of jumping to the far one. Each change of the
 * value sends value-changed.
 */
static void drag_to_pointer(lv_event_t * e)
{
    lv_obj_t * obj = lv_event_get_target(e);
    lv_arc_t * arc = (lv_arc_t *)obj;
    if(lv_obj_has_state(obj, LV_STATE_DISABLED)) return;

    lv_indev_t * indev = lv_indev_get_act();
    if(indev == NULL) return;
    if(lv_indev_get_type(indev) != LV_INDEV_TYPE_POINTER) return;

    lv_point_t p;
    lv_indev_get_point(indev, &p);

    lv_point_t center;
    lv_coord_t r;
    get_center(obj, &center, &r);
    p.x -= center.x;
    p.y -= center.y;

    if(!arc->dragging) {
        lv_coord_t indic_width = lv_obj_get_style_arc_width(obj, LV_PART_INDICATOR);
        r -= indic_width;
        /* Without the exact ring hit test be generous towards the inside. */
        if(lv_obj_has_flag(obj, LV_OBJ_FLAG_ADV_HITTEST)) r -= indic_width;
        else r -= LV_MAX(r / 4, indic_width);
        if(r < 1) r = 1;

        if((int64_t)p.x * p.x + (int64_t)p.y * p.y > (int64_t)r * r) {
            arc->dragging = 1;
            arc->last_tick = lv_tick_get();
        }
    }
    if(!arc->dragging) return;

    /* The exact centre has no angle. */
    if(p.x == 0 && p.y == 0) return;

    int32_t bg_end = bg_end_unwrapped(arc);
    int32_t deg_range = bg_end - arc->bg_angle_start;
    int32_t value_range = (int32_t)arc->max_value - arc->min_value;
    if(deg_range <= 0 || value_range <= 0) return;

    int32_t angle = point_angle(p.x, p.y) - arc->rotation - arc->bg_angle_start;
    angle %= 360;
    if(angle < 0) angle += 360;

    int32_t last_angle_rel = arc->last_angle - arc->bg_angle_start;
    int32_t delta_angle = angle - last_angle_rel;
    if(LV_ABS(delta_angle) > JUMP_LIMIT_DEG) {
        angle = arc->min_close ? 0 : deg_range;
    }
    else {
        arc->min_close = angle < deg_range / 2 ? 1 : 0;
    }

    /* Limit the speed of the indicator. */
    delta_angle = angle - last_angle_rel;
    int32_t delta_angle_max = (int32_t)(((uint64_t)arc->chg_rate * lv_tick_elaps(arc->last_tick)) / 1000);
    delta_angle = LV_CLAMP(-delta_angle_max, delta_angle, delta_angle_max);
    angle = last_angle_rel + delta_angle;
    if(angle > deg_range) angle = deg_range;
    if(angle < 0) angle = 0;

    /* Nearest value to the angle. */
    int32_t new_value = arc->min_value + (angle * value_range + deg_range / 2) / deg_range;
    if(arc->type == LV_ARC_MODE_REVERSE) new_value = arc->max_value - new_value + arc->min_value;
    new_value = LV_CLAMP(arc->min_value, new_value, arc->max_value);

    if(new_value != arc->value) {
        arc->last_tick = lv_tick_get();
        lv_arc_set_value(obj, (int16_t)new_value);   /*also stores last_angle*/
        lv_res_t res = lv_event_send(obj, LV_EVENT_VALUE_CHANGED, NULL);
        if(res != LV_RES_OK) return;
    }

    /* Resting on an end must not bank time for a sudden jump later. */
    if(new_value == arc->min_value || new_value == arc->max_value) arc->last_tick = lv_tick_get();
}

/* Right and up raise the value by one, left and down lower it. */
static void step_by_key(lv_event_t * e)
{
    lv_obj_t * obj = lv_event_get_target(e);
    lv_arc_t * arc = (lv_arc_t *)obj;
    if(lv_obj_has_state(obj, LV_STATE_DISABLED)) return;

    uint32_t c = lv_event_get_key(e);
    int32_t old_value = lv_arc_get_value(obj);
    int32_t new_value = old_value;
    if(c == LV_KEY_RIGHT || c == LV_KEY_UP) new_value = old_value + 1;
    else if(c == LV_KEY_LEFT || c == LV_KEY_DOWN) new_value = old_value - 1;
    else return;

    new_value = LV_CLAMP(arc->min_value, new_value, arc->max_value);
    if(new_value == old_value && arc->value != VALUE_UNSET) return;

    lv_arc_set_value(obj, (int16_t)new_value);
    lv_event_send(obj, LV_EVENT_VALUE_CHANGED, NULL);
}

/* True while the active input device is still pressed on `obj`. */
static bool press_continues_here(lv_obj_t * obj)
{
    lv_indev_t * indev = lv_indev_get_act();
    if(indev == NULL || indev->proc.state != LV_INDEV_STATE_PRESSED || indev->proc.wait_until_release) return false;
    return lv_indev_get_obj_act() == obj;
}

/* With LV_OBJ_FLAG_ADV_HITTEST only the ring (plus the extended click area) takes presses. */
static bool ring_hit(lv_obj_t * obj, const lv_point_t * point)
{
    lv_point_t center;
    lv_coord_t r;
    get_center(obj, &center, &r);

    lv_coord_t ext = obj->spec_attr ? obj->spec_attr->ext_click_pad : 0;
    lv_coord_t w = lv_obj_get_style_arc_width(obj, LV_PART_MAIN);
    int64_t r_out = r + ext;
    int64_t r_in = r - w - ext;

    int64_t dx = point->x - center.x;
    int64_t dy = point->y - center.y;
    int64_t d2 = dx * dx + dy * dy;
    if(d2 > r_out * r_out) return false;
    if(r_in > 0 && d2 <= r_in * r_in) return false;
    return true;
}

static void lv_arc_draw(lv_event_t * e)
{
    lv_obj_t * obj = lv_event_get_target(e);
    lv_arc_t * arc = (lv_arc_t *)obj;
    lv_draw_ctx_t * draw_ctx = lv_event_get_draw_ctx(e);

    lv_point_t center;
    lv_coord_t arc_r;
    get_center(obj, &center, &arc_r);

    lv_obj_draw_part_dsc_t part_draw_dsc;
    lv_obj_draw_dsc_init(&part_draw_dsc, draw_ctx);
    part_draw_dsc.class_p = MY_CLASS;
    part_draw_dsc.p1 = &center;

    lv_draw_arc_dsc_t arc_dsc;
    if(arc_r > 0) {
        lv_draw_arc_dsc_init(&arc_dsc);
        lv_obj_init_draw_arc_dsc(obj, LV_PART_MAIN, &arc_dsc);

        part_draw_dsc.part = LV_PART_MAIN;
        part_draw_dsc.type = LV_ARC_DRAW_PART_BACKGROUND;
        part_draw_dsc.radius = arc_r;
        part_draw_dsc.arc_dsc = &arc_dsc;
        lv_event_send(obj, LV_EVENT_DRAW_PART_BEGIN, &part_draw_dsc);
        draw_arc_span(draw_ctx, &arc_dsc, &center, part_draw_dsc.radius, arc->bg_angle_start + arc->rotation,
                      arc->bg_angle_end + arc->rotation);
        lv_event_send(obj, LV_EVENT_DRAW_PART_END, &part_draw_dsc);
    }

    /* The indicator can be made thinner than the background by its padding. */
    lv_coord_t indic_pad = LV_MAX4(lv_obj_get_style_pad_left(obj, LV_PART_INDICATOR),
                                   lv_obj_get_style_pad_right(obj, LV_PART_INDICATOR),
                                   lv_obj_get_style_pad_top(obj, LV_PART_INDICATOR),
                                   lv_obj_get_style_pad_bottom(obj, LV_PART_INDICATOR));
    lv_coord_t indic_r = arc_r - indic_pad;
    if(indic_r > 0) {
        lv_draw_arc_dsc_init(&arc_dsc);
        lv_obj_init_draw_arc_dsc(obj, LV_PART_INDICATOR, &arc_dsc);

        part_draw_dsc.part = LV_PART_INDICATOR;
        part_draw_dsc.type = LV_ARC_DRAW_PART_FOREGROUND;
        part_draw_dsc.radius = indic_r;
        part_draw_dsc.arc_dsc = &arc_dsc;
        lv_event_send(obj, LV_EVENT_DRAW_PART_BEGIN, &part_draw_dsc);
        if(arc_dsc.width > part_draw_dsc.radius) arc_dsc.width = part_draw_dsc.radius;
        draw_arc_span(draw_ctx, &arc_dsc, &center, part_draw_dsc.radius, arc->indic_angle_start + arc->rotation,
                      arc->indic_angle_end + arc->rotation);
        lv_event_send(obj, LV_EVENT_DRAW_PART_END, &part_draw_dsc);
    }

    lv_area_t knob_area;
    get_knob_area(obj, &center, arc_r, &knob_area);

    lv_draw_rect_dsc_t knob_rect_dsc;
    lv_draw_rect_dsc_init(&knob_rect_dsc);
    lv_obj_init_draw_rect_dsc(obj, LV_PART_KNOB, &knob_rect_dsc);

    part_draw_dsc.part = LV_PART_KNOB;
    part_draw_dsc.type = LV_ARC_DRAW_PART_KNOB;
    part_draw_dsc.draw_area = &knob_area;
    part_draw_dsc.rect_dsc = &knob_rect_dsc;
    part_draw_dsc.arc_dsc = NULL;
    lv_event_send(obj, LV_EVENT_DRAW_PART_BEGIN, &part_draw_dsc);
    lv_draw_rect(draw_ctx, &knob_rect_dsc, &knob_area);
    lv_event_send(obj, LV_EVENT_DRAW_PART_END, &part_draw_dsc);
}

/*
 * Draw from `start` clockwise to `end` (any non-negative degrees). Equal
 * angles draw nothing; a whole turn (e.g. 0 and 360) draws the full ring,
 * passed to the renderer as start and start + 360.
 */
static void draw_arc_span(lv_draw_ctx_t * draw_ctx, const lv_draw_arc_dsc_t * dsc, const lv_point_t * center,
                          lv_coord_t radius, int32_t start, int32_t end)
{
    if(start == end || radius <= 0) return;
    int32_t span = (end - start) % 360;
    if(span < 0) span += 360;
    if(span == 0) span = 360;
    start %= 360;
    lv_draw_arc(draw_ctx, dsc, center, (uint16_t)radius, (uint16_t)start, (uint16_t)(start + span));
}

/* The arc is a circle in the largest square that fits inside the padding,
 * anchored at the top left of the content area. */
static void get_center(const lv_obj_t * obj, lv_point_t * center, lv_coord_t * arc_r)
{
    lv_coord_t left_bg = lv_obj_get_style_pad_left(obj, LV_PART_MAIN);
    lv_coord_t right_bg = lv_obj_get_style_pad_right(obj, LV_PART_MAIN);
    lv_coord_t top_bg = lv_obj_get_style_pad_top(obj, LV_PART_MAIN);
    lv_coord_t bottom_bg = lv_obj_get_style_pad_bottom(obj, LV_PART_MAIN);

    lv_coord_t r = LV_MIN(lv_obj_get_width(obj) - left_bg - right_bg,
                          lv_obj_get_height(obj) - top_bg - bottom_bg) / 2;
    center->x = obj->coords.x1 + r + left_bg;
    center->y = obj->coords.y1 + r + top_bg;
    if(arc_r) *arc_r = r;
}

/* Where the knob sits: the moving end of the indicator (absolute angle). */
static int32_t get_knob_angle(const lv_obj_t * obj)
{
    const lv_arc_t * arc = (const lv_arc_t *)obj;
    int32_t angle = arc->rotation;
    if(arc->type == LV_ARC_MODE_NORMAL) {
        angle += arc->indic_angle_end;
    }
    else if(arc->type == LV_ARC_MODE_REVERSE) {
        angle += arc->indic_angle_start;
    }
    else {
        int32_t bg_end = bg_end_unwrapped(arc);
        int32_t indic_end = arc->indic_angle_end;
        if(arc->indic_angle_end < arc->indic_angle_start) indic_end += 360;
        int32_t mid = (arc->bg_angle_start + bg_end) / 2;
        if(arc->indic_angle_start < mid) angle += arc->indic_angle_start;
        else if(indic_end > mid) angle += arc->indic_angle_end;
        else angle += mid;
    }
    return angle;
}

static void get_knob_area(lv_obj_t * obj, const lv_point_t * center, lv_coord_t r, lv_area_t * knob_area)
{
    lv_coord_t indic_width = lv_obj_get_style_arc_width(obj, LV_PART_INDICATOR);
    lv_coord_t indic_width_half = indic_width / 2;
    r -= indic_width_half;

    double a = get_knob_angle(obj) * (3.14159265358979323846 / 180.0);
    lv_coord_t knob_x = (lv_coord_t)floor(r * cos(a) + 0.5);
    lv_coord_t knob_y = (lv_coord_t)floor(r * sin(a) + 0.5);

    knob_area->x1 = center->x + knob_x - lv_obj_get_style_pad_left(obj, LV_PART_KNOB) - indic_width_half;
    knob_area->x2 = center->x + knob_x + lv_obj_get_style_pad_right(obj, LV_PART_KNOB) + indic_width_half;
    knob_area->y1 = center->y + knob_y - lv_obj_get_style_pad_top(obj, LV_PART_KNOB) - indic_width_half;
    knob_area->y2 = center->y + knob_y + lv_obj_get_style_pad_bottom(obj, LV_PART_KNOB) + indic_width_half;
}

/* Background end angle made larger than the start when the arc wraps past 0. */
static int32_t bg_end_unwrapped(const lv_arc_t * arc)
{
    int32_t bg_end = arc->bg_angle_end;
    if(arc->bg_angle_end < arc->bg_angle_start) bg_end += 360;
    return bg_end;
}

static uint16_t normalize_angle(uint16_t angle)
{
    /* 360 stays 360 so that 0..360 can mean a whole circle. */
    while(angle > 360) angle -= 360;
    return angle;
}

static int32_t map_clamped(int32_t x, int32_t min_in, int32_t max_in, int32_t min_out, int32_t max_out)
{
    if(max_in <= min_in) return min_out;
    if(x <= min_in) return min_out;
    if(x >= max_in) return max_out;
    return min_out + (int32_t)(((int64_t)(x - min_in) * (max_out - min_out)) / (max_in - min_in));
}

/* Place the indicator's angles for the current value and mode. */
static void value_update(lv_obj_t * obj)
{
    lv_arc_t * arc = (lv_arc_t *)obj;
    if(arc->value == VALUE_UNSET) return;

    int32_t bg_end = bg_end_unwrapped(arc);
    int32_t angle;
    switch(arc->type) {
        case LV_ARC_MODE_SYMMETRICAL: {
                int32_t bg_mid = (arc->bg_angle_start + bg_end) / 2;
                int32_t range_mid = ((int32_t)arc->min_value + arc->max_value) / 2;
                if(arc->value < range_mid) {
                    angle = map_clamped(arc->value, arc->min_value, range_mid, arc->bg_angle_start, bg_mid);
                    lv_arc_set_angles(obj, (uint16_t)angle, (uint16_t)bg_mid);
                }
                else {
                    angle = map_clamped(arc->value, range_mid, arc->max_value, bg_mid, bg_end);
                    lv_arc_set_angles(obj, (uint16_t)bg_mid, (uint16_t)angle);
                }
                break;
            }
        case LV_ARC_MODE_REVERSE:
            angle = map_clamped(arc->value, arc->min_value, arc->max_value, bg_end, arc->bg_angle_start);
            lv_arc_set_angles(obj, (uint16_t)angle, arc->bg_angle_end);
            break;
        case LV_ARC_MODE_NORMAL:
        default:
            angle = map_clamped(arc->value, arc->min_value, arc->max_value, arc->bg_angle_start, bg_end);
            lv_arc_set_angles(obj, arc->bg_angle_start, (uint16_t)angle);
            break;
    }
    /* The drag's rate limit measures from here. */
    arc->last_angle = (int16_t)angle;
}

#endif /*LV_USE_ARC*/
