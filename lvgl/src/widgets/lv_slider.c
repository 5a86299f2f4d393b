/**
 * @file lv_slider.c
 * Slider: the bar's background and indicator plus a knob. Pressing anywhere
 * on it and dragging sets the value from the pointer's position.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_slider.h"
#if LV_USE_SLIDER != 0

#include "../core/lv_group.h"
#include "../core/lv_indev.h"
#include "../misc/lv_math.h"

/*********************
 *      DEFINES
 *********************/
#define MY_CLASS &lv_slider_class

#ifndef LV_ASSERT_OBJ
#define LV_ASSERT_OBJ(obj_p, obj_class) \
    LV_ASSERT_MSG((obj_p) != NULL && lv_obj_has_class(obj_p, obj_class), "Wrong object type")
#endif

/**********************
 *  STATIC PROTOTYPES
 **********************/
static void lv_slider_constructor(const lv_obj_class_t * class_p, lv_obj_t * obj);
static void lv_slider_event(const lv_obj_class_t * class_p, lv_event_t * e);
static void pick_knob(lv_obj_t * obj);
static void drag_to_pointer(lv_event_t * e);
static void step_by_key(lv_event_t * e);
static void position_knob(lv_obj_t * obj, lv_area_t * knob_area, lv_coord_t knob_size, bool hor, lv_coord_t centre);
static void draw_knob(lv_event_t * e);
static bool is_horizontal(const lv_obj_t * obj);
static bool press_continues_here(lv_obj_t * obj);

/**********************
 *  STATIC VARIABLES
 **********************/
const lv_obj_class_t lv_slider_class = {
    .constructor_cb = lv_slider_constructor,
    .event_cb = lv_slider_event,
    .editable = LV_OBJ_CLASS_EDITABLE_TRUE,
    .group_def = LV_OBJ_CLASS_GROUP_DEF_TRUE,
    .instance_size = sizeof(lv_slider_t),
    .base_class = &lv_bar_class
};

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

lv_obj_t * lv_slider_create(lv_obj_t * parent)
{
    lv_obj_t * obj = lv_obj_class_create_obj(MY_CLASS, parent);
    lv_obj_class_init_obj(obj);
    return obj;
}

bool lv_slider_is_dragged(const lv_obj_t * obj)
{
    LV_ASSERT_OBJ(obj, MY_CLASS);
    return ((const lv_slider_t *)obj)->dragging ? true : false;
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

static void lv_slider_constructor(const lv_obj_class_t * class_p, lv_obj_t * obj)
{
    LV_UNUSED(class_p);
    lv_slider_t * slider = (lv_slider_t *)obj;

    slider->value_to_set = NULL;
    slider->dragging = 0;
    slider->left_knob_focus = 0;
    lv_area_set(&slider->left_knob_area, 0, 0, -1, -1);
    lv_area_set(&slider->right_knob_area, 0, 0, -1, -1);

    /* Dragging the knob must not scroll the page the slider sits on. */
    lv_obj_clear_flag(obj, LV_OBJ_FLAG_SCROLL_CHAIN);
    lv_obj_clear_flag(obj, LV_OBJ_FLAG_SCROLLABLE);
    lv_obj_add_flag(obj, LV_OBJ_FLAG_SCROLL_ON_FOCUS);
    /* A thin slider is hard to hit with a finger. */
    lv_obj_set_ext_click_area(obj, LV_DPX(8));
}

static void lv_slider_event(const lv_obj_class_t * class_p, lv_event_t * e)
{
    LV_UNUSED(class_p);

    lv_res_t res = lv_obj_event_base(MY_CLASS, e);
    if(res != LV_RES_OK) return;

    lv_event_code_t code = lv_event_get_code(e);
    lv_obj_t * obj = lv_event_get_target(e);
    lv_slider_t * slider = (lv_slider_t *)obj;

    if(code == LV_EVENT_HIT_TEST) {
        /* Only asked with LV_OBJ_FLAG_ADV_HITTEST: then only the knob counts. */
        lv_hit_test_info_t * info = lv_event_get_param(e);
        lv_coord_t ext = obj->spec_attr ? obj->spec_attr->ext_click_pad : 0;
        lv_area_t a = slider->right_knob_area;
        lv_area_increase(&a, ext, ext);
        info->res = _lv_area_is_point_on(&a, info->point, 0);
        if(!info->res && lv_bar_get_mode(obj) == LV_BAR_MODE_RANGE) {
            a = slider->left_knob_area;
            lv_area_increase(&a, ext, ext);
            info->res = _lv_area_is_point_on(&a, info->point, 0);
        }
    }
    else if(code == LV_EVENT_PRESSED) {
        if(lv_obj_has_state(obj, LV_STATE_DISABLED)) return;
        slider->dragging = 1;
        pick_knob(obj);
        lv_obj_invalidate(obj);
    }
    else if(code == LV_EVENT_PRESSING) {
        if(slider->value_to_set != NULL) drag_to_pointer(e);
    }
    else if(code == LV_EVENT_PRESS_LOST && press_continues_here(obj)) {
        /* The pointer slid off but still holds the slider (press lock):
         * keep dragging, the value just stops at the range's end. */
    }
    else if(code == LV_EVENT_RELEASED || code == LV_EVENT_PRESS_LOST) {
        slider->dragging = 0;
        slider->value_to_set = NULL;
        lv_obj_invalidate(obj);

        /* An encoder leaves edit mode on release, not only after a long press. */
        lv_indev_t * indev = lv_indev_get_act();
        lv_group_t * g = lv_obj_get_group(obj);
        if(indev && g && lv_indev_get_type(indev) == LV_INDEV_TYPE_ENCODER && lv_group_get_editing(g)) {
            if(lv_bar_get_mode(obj) == LV_BAR_MODE_RANGE && !slider->left_knob_focus) {
                slider->left_knob_focus = 1;
            }
            else {
                slider->left_knob_focus = 0;
                lv_group_set_editing(g, false);
            }
        }
    }
    else if(code == LV_EVENT_FOCUSED) {
        slider->left_knob_focus = 0;
    }
    else if(code == LV_EVENT_KEY) {
        step_by_key(e);
    }
    else if(code == LV_EVENT_SIZE_CHANGED) {
        lv_obj_refresh_ext_draw_size(obj);
    }
    else if(code == LV_EVENT_REFR_EXT_DRAW_SIZE) {
        /* The knob is as large as the slider is thick, plus its padding,
         * centred on the indicator's end: it sticks out at both ends. */
        lv_coord_t knob_pad = LV_MAX4(lv_obj_get_style_pad_left(obj, LV_PART_KNOB),
                                      lv_obj_get_style_pad_right(obj, LV_PART_KNOB),
                                      lv_obj_get_style_pad_top(obj, LV_PART_KNOB),
                                      lv_obj_get_style_pad_bottom(obj, LV_PART_KNOB));
        lv_coord_t trans_w = lv_obj_get_style_transform_width(obj, LV_PART_KNOB);
        lv_coord_t trans_h = lv_obj_get_style_transform_height(obj, LV_PART_KNOB);
        lv_coord_t knob_size = LV_MIN(lv_obj_get_width(obj) + 2 * trans_w, lv_obj_get_height(obj) + 2 * trans_h) / 2;
        knob_size += knob_pad + 2;  /*2: rounding*/
        knob_size += lv_obj_calculate_ext_draw_size(obj, LV_PART_KNOB);

        lv_coord_t * s = lv_event_get_param(e);
        *s = LV_MAX(*s, knob_size);
    }
    else if(code == LV_EVENT_DRAW_MAIN) {
        draw_knob(e);
    }
}

/* On press decide which value a drag moves: the value, or in range mode
 * whichever of the two knobs is nearer to the pointer. */
static void pick_knob(lv_obj_t * obj)
{
    lv_slider_t * slider = (lv_slider_t *)obj;
    slider->value_to_set = &slider->bar.cur_value;
    if(lv_bar_get_mode(obj) != LV_BAR_MODE_RANGE) return;

    lv_indev_t * indev = lv_indev_get_act();
    if(indev == NULL) return;
    lv_indev_type_t type = lv_indev_get_type(indev);
    if(type != LV_INDEV_TYPE_POINTER && type != LV_INDEV_TYPE_BUTTON) {
        if(slider->left_knob_focus) slider->value_to_set = &slider->bar.start_value;
        return;
    }

    lv_point_t p;
    lv_indev_get_point(indev, &p);
    const lv_area_t * l = &slider->left_knob_area;
    const lv_area_t * r = &slider->right_knob_area;
    lv_coord_t dist_left, dist_right;
    if(is_horizontal(obj)) {
        dist_left = LV_ABS((l->x1 + l->x2) / 2 - p.x);
        dist_right = LV_ABS((r->x1 + r->x2) / 2 - p.x);
    }
    else {
        dist_left = LV_ABS((l->y1 + l->y2) / 2 - p.y);
        dist_right = LV_ABS((r->y1 + r->y2) / 2 - p.y);
    }
    if(dist_left < dist_right) slider->value_to_set = &slider->bar.start_value;
}

/*
 * Map the pointer onto the range along the slider's content area (rounded
 * to the nearest value), clamp it, and store it in the value being dragged.
 * A value-changed event follows only a real change, so holding still sends
 * nothing.
 */
static void drag_to_pointer(lv_event_t * e)
{
    lv_obj_t * obj = lv_event_get_target(e);
    lv_slider_t * slider = (lv_slider_t *)obj;
    if(lv_obj_has_state(obj, LV_STATE_DISABLED)) return;

    lv_indev_t * indev = lv_indev_get_act();
    if(indev == NULL) return;
    lv_indev_type_t type = lv_indev_get_type(indev);
    if(type != LV_INDEV_TYPE_POINTER && type != LV_INDEV_TYPE_BUTTON) return;

    lv_point_t p;
    lv_indev_get_point(indev, &p);

    lv_bar_t * bar = &slider->bar;
    int64_t range = (int64_t)bar->max_value - bar->min_value;
    lv_coord_t pad_left = lv_obj_get_style_pad_left(obj, LV_PART_MAIN);
    lv_coord_t pad_right = lv_obj_get_style_pad_right(obj, LV_PART_MAIN);
    lv_coord_t pad_top = lv_obj_get_style_pad_top(obj, LV_PART_MAIN);
    lv_coord_t pad_bottom = lv_obj_get_style_pad_bottom(obj, LV_PART_MAIN);

    int64_t rel, len;
    if(is_horizontal(obj)) {
        len = lv_obj_get_width(obj) - pad_left - pad_right;
        if(lv_obj_get_style_base_dir(obj, LV_PART_MAIN) == LV_BASE_DIR_RTL) rel = (obj->coords.x2 - pad_right) - p.x;
        else rel = p.x - (obj->coords.x1 + pad_left);
    }
    else {
        len = lv_obj_get_height(obj) - pad_top - pad_bottom;
        rel = (obj->coords.y2 - pad_bottom) - p.y;
    }
    if(len < 1) len = 1;

    /* Round half away from zero so the ends are reachable symmetrically. */
    int64_t scaled = rel * range;
    int64_t new_value = scaled >= 0 ? (scaled + len / 2) / len : -((-scaled + len / 2) / len);
    new_value += bar->min_value;

    int64_t lo = bar->min_value;
    int64_t hi = bar->max_value;
    if(slider->value_to_set == &bar->start_value) hi = bar->cur_value;
    else lo = bar->start_value;
    new_value = LV_CLAMP(lo, new_value, hi);

    if(*slider->value_to_set == (int32_t)new_value) return;

    /* Stop a running value animation so the knob follows the finger. */
    if(slider->value_to_set == &bar->cur_value) lv_bar_set_value(obj, (int32_t)new_value, LV_ANIM_OFF);
    else lv_bar_set_start_value(obj, (int32_t)new_value, LV_ANIM_OFF);
    lv_obj_invalidate(obj);

    lv_event_send(obj, LV_EVENT_VALUE_CHANGED, NULL);
}

/* Right and up raise the value by one, left and down lower it. */
static void step_by_key(lv_event_t * e)
{
    lv_obj_t * obj = lv_event_get_target(e);
    lv_slider_t * slider = (lv_slider_t *)obj;
    if(lv_obj_has_state(obj, LV_STATE_DISABLED)) return;

    uint32_t c = lv_event_get_key(e);
    int32_t step;
    if(c == LV_KEY_RIGHT || c == LV_KEY_UP) step = 1;
    else if(c == LV_KEY_LEFT || c == LV_KEY_DOWN) step = -1;
    else return;

    bool left = slider->left_knob_focus && lv_bar_get_mode(obj) == LV_BAR_MODE_RANGE;
    int32_t old_value = left ? lv_bar_get_start_value(obj) : lv_bar_get_value(obj);
    if(left) lv_bar_set_start_value(obj, old_value + step, LV_ANIM_ON);
    else lv_bar_set_value(obj, old_value + step, LV_ANIM_ON);

    int32_t new_value = left ? lv_bar_get_start_value(obj) : lv_bar_get_value(obj);
    if(new_value != old_value) lv_event_send(obj, LV_EVENT_VALUE_CHANGED, NULL);
}

/* True while the active input device is still pressed on `obj`. */
static bool press_continues_here(lv_obj_t * obj)
{
    lv_indev_t * indev = lv_indev_get_act();
    if(indev == NULL || indev->proc.state != LV_INDEV_STATE_PRESSED || indev->proc.wait_until_release) return false;
    return lv_indev_get_obj_act() == obj;
}

static bool is_horizontal(const lv_obj_t * obj)
{
    return lv_obj_get_width(obj) >= lv_obj_get_height(obj);
}

/*
 * A square knob as large as the slider is thick, centred on `centre` along
 * the slider, then grown by the knob's padding and transform size.
 */
static void position_knob(lv_obj_t * obj, lv_area_t * knob_area, lv_coord_t knob_size, bool hor, lv_coord_t centre)
{
    if(hor) {
        knob_area->x1 = centre - knob_size / 2;
        knob_area->x2 = knob_area->x1 + knob_size - 1;
        knob_area->y1 = obj->coords.y1;
        knob_area->y2 = obj->coords.y2;
    }
    else {
        knob_area->y1 = centre - knob_size / 2;
        knob_area->y2 = knob_area->y1 + knob_size - 1;
        knob_area->x1 = obj->coords.x1;
        knob_area->x2 = obj->coords.x2;
    }

    lv_coord_t trans_w = lv_obj_get_style_transform_width(obj, LV_PART_KNOB);
    lv_coord_t trans_h = lv_obj_get_style_transform_height(obj, LV_PART_KNOB);
    knob_area->x1 -= lv_obj_get_style_pad_left(obj, LV_PART_KNOB) + trans_w;
    knob_area->x2 += lv_obj_get_style_pad_right(obj, LV_PART_KNOB) + trans_w;
    knob_area->y1 -= lv_obj_get_style_pad_top(obj, LV_PART_KNOB) + trans_h;
    knob_area->y2 += lv_obj_get_style_pad_bottom(obj, LV_PART_KNOB) + trans_h;
}

static void draw_knob(lv_event_t * e)
{
    lv_obj_t * obj = lv_event_get_target(e);
    lv_slider_t * slider = (lv_slider_t *)obj;
    lv_draw_ctx_t * draw_ctx = lv_event_get_draw_ctx(e);

    /* The bar has just drawn and stored its indicator for the current values. */
    const lv_area_t * ia = &slider->bar.indic_area;
    bool hor = is_horizontal(obj);
    bool rtl = lv_obj_get_style_base_dir(obj, LV_PART_MAIN) == LV_BASE_DIR_RTL;
    lv_bar_t * bar = &slider->bar;
    bool sym_negative = bar->mode == LV_BAR_MODE_SYMMETRICAL && bar->min_value < 0 && bar->max_value > 0 &&
                        bar->cur_value < 0;

    /* The value end of the indicator, and its other end (the left knob). */
    lv_coord_t value_end, start_end;
    lv_coord_t knob_size;
    if(hor) {
        knob_size = lv_obj_get_height(obj);
        bool value_on_left = rtl != sym_negative;
        value_end = value_on_left ? ia->x1 : ia->x2 + 1;
        start_end = rtl ? ia->x2 + 1 : ia->x1;
    }
    else {
        knob_size = lv_obj_get_width(obj);
        value_end = sym_negative ? ia->y2 + 1 : ia->y1;
        start_end = ia->y2 + 1;
    }

    lv_draw_rect_dsc_t knob_rect_dsc;
    lv_draw_rect_dsc_init(&knob_rect_dsc);
    lv_obj_init_draw_rect_dsc(obj, LV_PART_KNOB, &knob_rect_dsc);

    position_knob(obj, &slider->right_knob_area, knob_size, hor, value_end);

    lv_obj_draw_part_dsc_t part_draw_dsc;
    lv_obj_draw_dsc_init(&part_draw_dsc, draw_ctx);
    part_draw_dsc.part = LV_PART_KNOB;
    part_draw_dsc.class_p = MY_CLASS;
    part_draw_dsc.type = LV_SLIDER_DRAW_PART_KNOB;
    part_draw_dsc.id = 0;
    part_draw_dsc.draw_area = &slider->right_knob_area;
    part_draw_dsc.rect_dsc = &knob_rect_dsc;

    if(lv_bar_get_mode(obj) != LV_BAR_MODE_RANGE) {
        lv_event_send(obj, LV_EVENT_DRAW_PART_BEGIN, &part_draw_dsc);
        lv_draw_rect(draw_ctx, &knob_rect_dsc, &slider->right_knob_area);
        lv_event_send(obj, LV_EVENT_DRAW_PART_END, &part_draw_dsc);
        return;
    }

    /* Range mode: both knobs, each from a fresh copy of the descriptor
     * because a draw-part handler may have changed the first one. */
    lv_draw_rect_dsc_t knob_rect_dsc_tmp = knob_rect_dsc;
    lv_event_send(obj, LV_EVENT_DRAW_PART_BEGIN, &part_draw_dsc);
    lv_draw_rect(draw_ctx, &knob_rect_dsc, &slider->right_knob_area);
    lv_event_send(obj, LV_EVENT_DRAW_PART_END, &part_draw_dsc);

    position_knob(obj, &slider->left_knob_area, knob_size, hor, start_end);
    knob_rect_dsc = knob_rect_dsc_tmp;
    part_draw_dsc.type = LV_SLIDER_DRAW_PART_KNOB_LEFT;
    part_draw_dsc.draw_area = &slider->left_knob_area;
    part_draw_dsc.rect_dsc = &knob_rect_dsc;
    part_draw_dsc.id = 1;
    lv_event_send(obj, LV_EVENT_DRAW_PART_BEGIN, &part_draw_dsc);
    lv_draw_rect(draw_ctx, &knob_rect_dsc, &slider->left_knob_area);
    lv_event_send(obj, LV_EVENT_DRAW_PART_END, &part_draw_dsc);
}

#endif /*LV_USE_SLIDER*/
