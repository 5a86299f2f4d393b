/**
 * @file lv_slider.c
 * The bar draws the track and the indicator; the slider adds the knobs and
 * turns pointer drags and arrow keys into values. Values change through the
 * bar's setters, so the bar's clamping (range, start <= value) holds for
 * every way a value can move.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_slider.h"
#if LV_USE_SLIDER != 0

#include "../core/lv_group.h"
#include "../core/lv_indev.h"
#include "../misc/lv_math.h"

/**********************
 *  STATIC PROTOTYPES
 **********************/
static void slider_init(const lv_obj_class_t * cls, lv_obj_t * obj);
static void slider_on_event(const lv_obj_class_t * cls, lv_event_t * e);
static void begin_drag(lv_slider_t * slider);
static void follow_pointer(lv_slider_t * slider);
static void end_drag(lv_slider_t * slider);
static void step_by_key(lv_slider_t * slider, uint32_t key);
static void answer_hit_test(lv_slider_t * slider, lv_hit_test_info_t * info);
static lv_coord_t knob_overhang(lv_obj_t * obj);
static void paint_knobs(lv_slider_t * slider, lv_draw_ctx_t * draw_ctx);

/**********************
 *  STATIC VARIABLES
 **********************/
const lv_obj_class_t lv_slider_class = {
    .base_class = &lv_bar_class,
    .constructor_cb = slider_init,
    .event_cb = slider_on_event,
    .editable = LV_OBJ_CLASS_EDITABLE_TRUE,
    .group_def = LV_OBJ_CLASS_GROUP_DEF_TRUE,
    .instance_size = sizeof(lv_slider_t),
};

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

lv_obj_t * lv_slider_create(lv_obj_t * parent)
{
    lv_obj_t * slider = lv_obj_class_create_obj(&lv_slider_class, parent);
    lv_obj_class_init_obj(slider);
    return slider;
}

/* The value accessors are the bar's: a slider is a bar, and the bar checks the handle. */

void lv_slider_set_value(lv_obj_t * obj, int32_t value, lv_anim_enable_t anim)
{
    lv_bar_set_value(obj, value, anim);
}

void lv_slider_set_left_value(lv_obj_t * obj, int32_t value, lv_anim_enable_t anim)
{
    lv_bar_set_start_value(obj, value, anim);
}

void lv_slider_set_range(lv_obj_t * obj, int32_t min, int32_t max)
{
    lv_bar_set_range(obj, min, max);
}

void lv_slider_set_mode(lv_obj_t * obj, lv_slider_mode_t mode)
{
    lv_bar_set_mode(obj, mode);
}

int32_t lv_slider_get_value(const lv_obj_t * obj)
{
    return lv_bar_get_value(obj);
}

int32_t lv_slider_get_left_value(const lv_obj_t * obj)
{
    return lv_bar_get_start_value(obj);
}

int32_t lv_slider_get_min_value(const lv_obj_t * obj)
{
    return lv_bar_get_min_value(obj);
}

int32_t lv_slider_get_max_value(const lv_obj_t * obj)
{
    return lv_bar_get_max_value(obj);
}

lv_slider_mode_t lv_slider_get_mode(lv_obj_t * slider)
{
    return lv_bar_get_mode(slider);
}

bool lv_slider_is_dragged(const lv_obj_t * obj)
{
    if(obj == NULL || !lv_obj_has_class(obj, &lv_slider_class)) return false;
    return ((const lv_slider_t *)obj)->dragging != 0;
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

static void slider_init(const lv_obj_class_t * cls, lv_obj_t * obj)
{
    LV_UNUSED(cls);
    /* The instance arrives zeroed: no drag, no knob to move, keys on the value. */
    lv_slider_t * slider = (lv_slider_t *)obj;
    lv_area_set(&slider->left_knob_area, 0, 0, -1, -1);
    lv_area_set(&slider->right_knob_area, 0, 0, -1, -1);

    /* A drag along the slider moves the knob; it must not also scroll the page. */
    lv_obj_clear_flag(obj, LV_OBJ_FLAG_SCROLLABLE | LV_OBJ_FLAG_SCROLL_CHAIN);
    lv_obj_add_flag(obj, LV_OBJ_FLAG_SCROLL_ON_FOCUS);
    /* Sliders are thin; a finger needs some room around them. */
    lv_obj_set_ext_click_area(obj, LV_DPX(8));
}

/* True while the pointer that pressed `obj` is still down on it: a press-locked
 * object gets PRESS_LOST when the pointer slides off, but keeps the press. */
static bool press_still_held(const lv_obj_t * obj)
{
    lv_indev_t * indev = lv_indev_get_act();
    if(indev == NULL || lv_indev_get_obj_act() != obj) return false;
    return indev->proc.state == LV_INDEV_STATE_PRESSED && !indev->proc.wait_until_release;
}

static void slider_on_event(const lv_obj_class_t * cls, lv_event_t * e)
{
    LV_UNUSED(cls);
    if(lv_obj_event_base(&lv_slider_class, e) != LV_RES_OK) return;

    lv_slider_t * slider = (lv_slider_t *)lv_event_get_target(e);
    lv_obj_t * obj = &slider->bar.obj;
    switch(lv_event_get_code(e)) {
        case LV_EVENT_PRESSED:
            begin_drag(slider);
            break;
        case LV_EVENT_PRESSING:
            follow_pointer(slider);
            break;
        case LV_EVENT_PRESS_LOST:
            /* Sliding off a thin slider by accident should not drop the knob. */
            if(!press_still_held(obj)) end_drag(slider);
            break;
        case LV_EVENT_RELEASED:
            end_drag(slider);
            break;
        case LV_EVENT_FOCUSED:
            slider->left_knob_focus = 0;
            break;
        case LV_EVENT_KEY:
            step_by_key(slider, lv_event_get_key(e));
            break;
        case LV_EVENT_HIT_TEST:
            answer_hit_test(slider, lv_event_get_param(e));
            break;
        case LV_EVENT_SIZE_CHANGED:
            /* The knobs grow with the slider's thickness. */
            lv_obj_refresh_ext_draw_size(obj);
            break;
        case LV_EVENT_REFR_EXT_DRAW_SIZE: {
                lv_coord_t * reach = lv_event_get_param(e);
                *reach = LV_MAX(*reach, knob_overhang(obj));
                break;
            }
        case LV_EVENT_DRAW_MAIN:
            paint_knobs(slider, lv_event_get_draw_ctx(e));
            break;
        default:
            break;
    }
}

/* The position of the device behind the current event, if it has one: pointers
 * and buttons do, keypads and encoders only step, and events the program
 * sends itself come from no device at all. */
static bool read_position(lv_point_t * where)
{
    lv_indev_t * indev = lv_indev_get_act();
    if(indev == NULL) return false;
    lv_indev_type_t type = lv_indev_get_type(indev);
    if(type != LV_INDEV_TYPE_POINTER && type != LV_INDEV_TYPE_BUTTON) return false;
    lv_indev_get_point(indev, where);
    return true;
}

static bool lies_vertical(const lv_obj_t * obj)
{
    return lv_obj_get_height(obj) > lv_obj_get_width(obj);
}

/* Division rounding halves away from zero, so both ends of the range are equally easy to hit. */
static int64_t div_nearest(int64_t num, int64_t den)
{
    return num >= 0 ? (num + den / 2) / den : -((-num + den / 2) / den);
}

/* The value a pointer at `p` stands for: its distance from the start of the
 * content area (left, right when right-to-left, bottom when vertical) scaled
 * to the range, kept inside the range. */
static int32_t value_at(lv_obj_t * obj, const lv_point_t * p)
{
    const lv_bar_t * bar = (const lv_bar_t *)obj;
    lv_coord_t pad_l = lv_obj_get_style_pad_left(obj, LV_PART_MAIN);
    lv_coord_t pad_r = lv_obj_get_style_pad_right(obj, LV_PART_MAIN);
    lv_coord_t pad_t = lv_obj_get_style_pad_top(obj, LV_PART_MAIN);
    lv_coord_t pad_b = lv_obj_get_style_pad_bottom(obj, LV_PART_MAIN);

    int32_t along;
    int32_t length;
    if(lies_vertical(obj)) {
        length = lv_obj_get_height(obj) - pad_t - pad_b;
        along = (obj->coords.y2 - pad_b) - p->y;
    }
    else {
        length = lv_obj_get_width(obj) - pad_l - pad_r;
        if(lv_obj_get_style_base_dir(obj, LV_PART_MAIN) == LV_BASE_DIR_RTL) along = (obj->coords.x2 - pad_r) - p->x;
        else along = p->x - (obj->coords.x1 + pad_l);
    }

    int64_t span = (int64_t)bar->max_value - bar->min_value;
    int64_t v = bar->min_value + div_nearest((int64_t)along * span, LV_MAX(length, 1));
    return (int32_t)LV_CLAMP((int64_t)bar->min_value, v, (int64_t)bar->max_value);
}

/*
 * Which value a press moves. Outside range mode always the value. In range
 * mode a pointer takes the knob nearer to it; when both are equally near
 * (knobs on top of each other) the side it pressed on decides, so either
 * knob can be pulled out of the stack. Keys move the knob that has focus.
 */
static int32_t * knob_for_press(lv_slider_t * slider)
{
    lv_bar_t * bar = &slider->bar;
    if(bar->mode != LV_BAR_MODE_RANGE) return &bar->cur_value;

    lv_point_t where;
    if(!read_position(&where)) return slider->left_knob_focus ? &bar->start_value : &bar->cur_value;

    int64_t v = value_at(&bar->obj, &where);
    int64_t to_start = LV_ABS(v - bar->start_value);
    int64_t to_value = LV_ABS(v - bar->cur_value);
    bool start_nearer = to_start < to_value || (to_start == to_value && v < bar->cur_value);
    return start_nearer ? &bar->start_value : &bar->cur_value;
}

static void begin_drag(lv_slider_t * slider)
{
    lv_obj_t * obj = &slider->bar.obj;
    if(lv_obj_has_state(obj, LV_STATE_DISABLED)) return;
    slider->dragging = 1;
    slider->value_to_set = knob_for_press(slider);
    lv_obj_invalidate(obj);
}

/* Move the pressed knob under the pointer; value-changed only when the value really moved. */
static void follow_pointer(lv_slider_t * slider)
{
    lv_obj_t * obj = &slider->bar.obj;
    lv_point_t where;
    if(slider->value_to_set == NULL || lv_obj_has_state(obj, LV_STATE_DISABLED)) return;
    if(!read_position(&where)) return;

    int32_t wanted = value_at(obj, &where);
    int32_t before = *slider->value_to_set;

    /* Without animation: the knob stays under the finger, and a value
     * animation still running from a key press or a sync is cut short. */
    if(slider->value_to_set == &slider->bar.start_value) lv_bar_set_start_value(obj, wanted, LV_ANIM_OFF);
    else lv_bar_set_value(obj, wanted, LV_ANIM_OFF);

    if(*slider->value_to_set != before) lv_event_send(obj, LV_EVENT_VALUE_CHANGED, NULL);
}

static void end_drag(lv_slider_t * slider)
{
    lv_obj_t * obj = &slider->bar.obj;
    slider->dragging = 0;
    slider->value_to_set = NULL;
    lv_obj_invalidate(obj);

    /* An encoder in edit mode: a click on a range slider first hands the keys
     * to the start knob, the next one ends editing. */
    lv_indev_t * indev = lv_indev_get_act();
    lv_group_t * group = lv_obj_get_group(obj);
    if(indev == NULL || group == NULL || lv_indev_get_type(indev) != LV_INDEV_TYPE_ENCODER) return;
    if(!lv_group_get_editing(group)) return;

    if(slider->bar.mode == LV_BAR_MODE_RANGE && !slider->left_knob_focus) {
        slider->left_knob_focus = 1;
        return;
    }
    slider->left_knob_focus = 0;
    lv_group_set_editing(group, false);
}

/* Right and up add one, left and down take one away; value-changed only on a real change. */
static void step_by_key(lv_slider_t * slider, uint32_t key)
{
    lv_obj_t * obj = &slider->bar.obj;
    if(lv_obj_has_state(obj, LV_STATE_DISABLED)) return;

    int32_t step;
    if(key == LV_KEY_RIGHT || key == LV_KEY_UP) step = 1;
    else if(key == LV_KEY_LEFT || key == LV_KEY_DOWN) step = -1;
    else return;

    bool start_knob = slider->left_knob_focus && slider->bar.mode == LV_BAR_MODE_RANGE;
    int32_t * slot = start_knob ? &slider->bar.start_value : &slider->bar.cur_value;
    int32_t before = *slot;
    int32_t wanted = (int32_t)LV_CLAMP((int64_t)INT32_MIN, (int64_t)before + step, (int64_t)INT32_MAX);

    if(start_knob) lv_bar_set_start_value(obj, wanted, LV_ANIM_ON);
    else lv_bar_set_value(obj, wanted, LV_ANIM_ON);

    if(*slot != before) lv_event_send(obj, LV_EVENT_VALUE_CHANGED, NULL);
}

/* Asked only with LV_OBJ_FLAG_ADV_HITTEST: then only the knobs (and the
 * extended click area around them) take presses. */
static void answer_hit_test(lv_slider_t * slider, lv_hit_test_info_t * info)
{
    lv_obj_t * obj = &slider->bar.obj;
    lv_coord_t margin = obj->spec_attr ? obj->spec_attr->ext_click_pad : 0;

    lv_area_t zone = slider->right_knob_area;
    lv_area_increase(&zone, margin, margin);
    bool hit = _lv_area_is_point_on(&zone, info->point, 0);

    if(!hit && slider->bar.mode == LV_BAR_MODE_RANGE) {
        zone = slider->left_knob_area;
        lv_area_increase(&zone, margin, margin);
        hit = _lv_area_is_point_on(&zone, info->point, 0);
    }
    info->res = hit;
}

/* At the ends of the range half a knob hangs past the slider: half the
 * slider's thickness (with the knob's transform), the knob's padding and its
 * own shadow or outline, and a pixel each side for anti-aliasing. */
static lv_coord_t knob_overhang(lv_obj_t * obj)
{
    lv_coord_t grow_w = lv_obj_get_style_transform_width(obj, LV_PART_KNOB);
    lv_coord_t grow_h = lv_obj_get_style_transform_height(obj, LV_PART_KNOB);
    lv_coord_t half = LV_MIN(lv_obj_get_width(obj) + 2 * grow_w, lv_obj_get_height(obj) + 2 * grow_h) / 2;
    lv_coord_t pad = LV_MAX(LV_MAX(lv_obj_get_style_pad_left(obj, LV_PART_KNOB),
                                   lv_obj_get_style_pad_right(obj, LV_PART_KNOB)),
                            LV_MAX(lv_obj_get_style_pad_top(obj, LV_PART_KNOB),
                                   lv_obj_get_style_pad_bottom(obj, LV_PART_KNOB)));
    return half + pad + 2 + lv_obj_calculate_ext_draw_size(obj, LV_PART_KNOB);
}

/* A knob is a square as deep as the slider is thick, centred on `edge` along
 * the slider, then grown by the knob's padding and transform. */
static void place_knob(lv_obj_t * obj, bool vertical, lv_coord_t edge, lv_area_t * knob)
{
    lv_coord_t side = vertical ? lv_obj_get_width(obj) : lv_obj_get_height(obj);
    lv_coord_t first = edge - side / 2;
    *knob = obj->coords;
    if(vertical) {
        knob->y1 = first;
        knob->y2 = first + side - 1;
    }
    else {
        knob->x1 = first;
        knob->x2 = first + side - 1;
    }

    lv_coord_t grow_w = lv_obj_get_style_transform_width(obj, LV_PART_KNOB);
    lv_coord_t grow_h = lv_obj_get_style_transform_height(obj, LV_PART_KNOB);
    knob->x1 -= lv_obj_get_style_pad_left(obj, LV_PART_KNOB) + grow_w;
    knob->x2 += lv_obj_get_style_pad_right(obj, LV_PART_KNOB) + grow_w;
    knob->y1 -= lv_obj_get_style_pad_top(obj, LV_PART_KNOB) + grow_h;
    knob->y2 += lv_obj_get_style_pad_bottom(obj, LV_PART_KNOB) + grow_h;
}

/* Each knob starts from the style's look: a draw-part handler that restyled
 * the first one must not leak into the second. */
static void paint_knob(lv_obj_t * obj, lv_draw_ctx_t * draw_ctx, const lv_draw_rect_dsc_t * style_look,
                       lv_area_t * area, lv_slider_draw_part_type_t which)
{
    lv_draw_rect_dsc_t look = *style_look;

    lv_obj_draw_part_dsc_t part;
    lv_obj_draw_dsc_init(&part, draw_ctx);
    part.class_p = &lv_slider_class;
    part.type = which;
    part.part = LV_PART_KNOB;
    part.id = which == LV_SLIDER_DRAW_PART_KNOB ? 0 : 1;
    part.rect_dsc = &look;
    part.draw_area = area;

    lv_event_send(obj, LV_EVENT_DRAW_PART_BEGIN, &part);
    lv_draw_rect(draw_ctx, &look, area);
    lv_event_send(obj, LV_EVENT_DRAW_PART_END, &part);
}

static void paint_knobs(lv_slider_t * slider, lv_draw_ctx_t * draw_ctx)
{
    lv_obj_t * obj = &slider->bar.obj;
    const lv_bar_t * bar = &slider->bar;
    bool vertical = lies_vertical(obj);
    bool rtl = lv_obj_get_style_base_dir(obj, LV_PART_MAIN) == LV_BASE_DIR_RTL;
    bool below_zero = bar->mode == LV_BAR_MODE_SYMMETRICAL && bar->min_value < 0 && bar->max_value > 0 &&
                      bar->cur_value < 0;

    /* The bar has just laid out its indicator. An edge between pixels is
     * named by the pixel after it: the indicator's low edge is its first
     * pixel, its high edge one past its last. The value sits on the high edge
     * left to right and on the low edge right to left or vertically (the top);
     * a symmetrical bar below zero has it on the other side. */
    const lv_area_t * ind = &bar->indic_area;
    lv_coord_t low = vertical ? ind->y1 : ind->x1;
    lv_coord_t high = vertical ? ind->y2 + 1 : ind->x2 + 1;
    bool value_high = vertical ? below_zero : rtl == below_zero;

    lv_draw_rect_dsc_t look;
    lv_draw_rect_dsc_init(&look);
    lv_obj_init_draw_rect_dsc(obj, LV_PART_KNOB, &look);

    place_knob(obj, vertical, value_high ? high : low, &slider->right_knob_area);
    paint_knob(obj, draw_ctx, &look, &slider->right_knob_area, LV_SLIDER_DRAW_PART_KNOB);

    if(bar->mode == LV_BAR_MODE_RANGE) {
        place_knob(obj, vertical, value_high ? low : high, &slider->left_knob_area);
        paint_knob(obj, draw_ctx, &look, &slider->left_knob_area, LV_SLIDER_DRAW_PART_KNOB_LEFT);
    }
}

#endif /*LV_USE_SLIDER*/
