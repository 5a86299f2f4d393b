/**
 * @file lv_arc.c
 * The arc keeps its geometry as angles in degrees (0 at three o'clock,
 * clockwise) before rotation; the rotation is added only when drawing and
 * when reading a pointer. The indicator's angles are derived from the value
 * whenever the value, range, mode or background changes.
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
/* `value` of an arc nobody has given a value yet. */
#define NO_VALUE INT16_MIN

/* `last_angle` while a drag is held at one end of the background. */
#define HELD_AT_END (-1)

#define DEG_TO_RAD (3.14159265358979323846 / 180.0)

/**********************
 *      TYPEDEFS
 **********************/
/* The circle the arc is drawn on. */
typedef struct {
    lv_point_t centre;
    lv_coord_t radius;      /* outer edge of the background stroke */
} ring_t;

/**********************
 *  STATIC PROTOTYPES
 **********************/
static void arc_init(const lv_obj_class_t * cls, lv_obj_t * obj);
static void arc_on_event(const lv_obj_class_t * cls, lv_event_t * e);
static void lay_out_indicator(lv_arc_t * arc);
static void turn_with_pointer(lv_arc_t * arc);
static void end_turn(lv_arc_t * arc);
static void step_by_key(lv_arc_t * arc, uint32_t key);
static void answer_hit_test(lv_arc_t * arc, lv_hit_test_info_t * info);
static lv_coord_t knob_overhang(lv_obj_t * obj);
static void paint(lv_arc_t * arc, lv_draw_ctx_t * draw_ctx);

/**********************
 *  STATIC VARIABLES
 **********************/
const lv_obj_class_t lv_arc_class = {
    .base_class = &lv_obj_class,
    .constructor_cb = arc_init,
    .event_cb = arc_on_event,
    .editable = LV_OBJ_CLASS_EDITABLE_TRUE,
    .instance_size = sizeof(lv_arc_t),
};

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

lv_obj_t * lv_arc_create(lv_obj_t * parent)
{
    lv_obj_t * arc = lv_obj_class_create_obj(&lv_arc_class, parent);
    lv_obj_class_init_obj(arc);
    return arc;
}

/* NULL for anything that is not an arc, so a wrong handle is a no-op. */
static lv_arc_t * as_arc(const lv_obj_t * obj)
{
    if(obj == NULL || !lv_obj_has_class(obj, &lv_arc_class)) return NULL;
    return (lv_arc_t *)obj;
}

/* Setter angles stay in 0..360 (360 so that 0..360 can mean a whole ring);
 * anything larger wraps into 1..360. */
static uint16_t wrap_angle(uint32_t angle)
{
    if(angle <= 360) return (uint16_t)angle;
    uint32_t rest = angle % 360;
    return (uint16_t)(rest == 0 ? 360 : rest);
}

/* Store an angle; true when it changed (and the arc was marked for redrawing). */
static bool store_angle(lv_arc_t * arc, uint16_t * field, uint32_t angle)
{
    uint16_t wrapped = wrap_angle(angle);
    if(*field == wrapped) return false;
    *field = wrapped;
    lv_obj_invalidate(&arc->obj);
    return true;
}

void lv_arc_set_start_angle(lv_obj_t * obj, uint16_t start)
{
    lv_arc_t * arc = as_arc(obj);
    if(arc) store_angle(arc, &arc->indic_angle_start, start);
}

void lv_arc_set_end_angle(lv_obj_t * obj, uint16_t end)
{
    lv_arc_t * arc = as_arc(obj);
    if(arc) store_angle(arc, &arc->indic_angle_end, end);
}

void lv_arc_set_angles(lv_obj_t * obj, uint16_t start, uint16_t end)
{
    lv_arc_t * arc = as_arc(obj);
    if(arc == NULL) return;
    store_angle(arc, &arc->indic_angle_start, start);
    store_angle(arc, &arc->indic_angle_end, end);
}

void lv_arc_set_bg_start_angle(lv_obj_t * obj, uint16_t start)
{
    lv_arc_t * arc = as_arc(obj);
    if(arc && store_angle(arc, &arc->bg_angle_start, start)) lay_out_indicator(arc);
}

void lv_arc_set_bg_end_angle(lv_obj_t * obj, uint16_t end)
{
    lv_arc_t * arc = as_arc(obj);
    if(arc && store_angle(arc, &arc->bg_angle_end, end)) lay_out_indicator(arc);
}

void lv_arc_set_bg_angles(lv_obj_t * obj, uint16_t start, uint16_t end)
{
    lv_arc_t * arc = as_arc(obj);
    if(arc == NULL) return;
    /* One layout, for the final background. */
    bool moved = store_angle(arc, &arc->bg_angle_start, start);
    moved |= store_angle(arc, &arc->bg_angle_end, end);
    if(moved) lay_out_indicator(arc);
}

void lv_arc_set_rotation(lv_obj_t * obj, uint16_t rotation)
{
    lv_arc_t * arc = as_arc(obj);
    if(arc == NULL) return;
    arc->rotation = rotation % 360;
    lv_obj_invalidate(obj);
}

void lv_arc_set_mode(lv_obj_t * obj, lv_arc_mode_t type)
{
    lv_arc_t * arc = as_arc(obj);
    if(arc == NULL || type > LV_ARC_MODE_REVERSE) return;
    arc->type = type;
    lay_out_indicator(arc);
    lv_obj_invalidate(obj);
}

void lv_arc_set_value(lv_obj_t * obj, int16_t value)
{
    lv_arc_t * arc = as_arc(obj);
    if(arc == NULL) return;
    int16_t kept = LV_CLAMP(arc->min_value, value, arc->max_value);
    if(kept == arc->value) return;
    arc->value = kept;
    lay_out_indicator(arc);
}

void lv_arc_set_range(lv_obj_t * obj, int16_t min, int16_t max)
{
    lv_arc_t * arc = as_arc(obj);
    if(arc == NULL) return;
    int16_t lo = LV_MIN(min, max);
    int16_t hi = LV_MAX(min, max);
    if(lo == arc->min_value && hi == arc->max_value) return;

    arc->min_value = lo;
    arc->max_value = hi;
    /* An arc without a value yet gets the minimum here, as it would from a clamp. */
    arc->value = LV_CLAMP(lo, arc->value, hi);
    lay_out_indicator(arc);
}

void lv_arc_set_change_rate(lv_obj_t * obj, uint16_t rate)
{
    lv_arc_t * arc = as_arc(obj);
    if(arc) arc->chg_rate = rate;
}

uint16_t lv_arc_get_angle_start(lv_obj_t * obj)
{
    const lv_arc_t * arc = as_arc(obj);
    return arc ? arc->indic_angle_start : 0;
}

uint16_t lv_arc_get_angle_end(lv_obj_t * obj)
{
    const lv_arc_t * arc = as_arc(obj);
    return arc ? arc->indic_angle_end : 0;
}

uint16_t lv_arc_get_bg_angle_start(lv_obj_t * obj)
{
    const lv_arc_t * arc = as_arc(obj);
    return arc ? arc->bg_angle_start : 0;
}

uint16_t lv_arc_get_bg_angle_end(lv_obj_t * obj)
{
    const lv_arc_t * arc = as_arc(obj);
    return arc ? arc->bg_angle_end : 0;
}

int16_t lv_arc_get_value(const lv_obj_t * obj)
{
    const lv_arc_t * arc = as_arc(obj);
    if(arc == NULL) return 0;
    return arc->value == NO_VALUE ? arc->min_value : arc->value;
}

int16_t lv_arc_get_min_value(const lv_obj_t * obj)
{
    const lv_arc_t * arc = as_arc(obj);
    return arc ? arc->min_value : 0;
}

int16_t lv_arc_get_max_value(const lv_obj_t * obj)
{
    const lv_arc_t * arc = as_arc(obj);
    return arc ? arc->max_value : 0;
}

lv_arc_mode_t lv_arc_get_mode(const lv_obj_t * obj)
{
    const lv_arc_t * arc = as_arc(obj);
    return arc ? arc->type : LV_ARC_MODE_NORMAL;
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

static void arc_init(const lv_obj_class_t * cls, lv_obj_t * obj)
{
    LV_UNUSED(cls);
    lv_arc_t * arc = (lv_arc_t *)obj;

    /* The instance arrives zeroed (no rotation, normal mode, minimum 0, not
     * dragging); set the rest. A fresh arc is open at the bottom and shows a
     * partly filled indicator until it gets a value. */
    arc->bg_angle_start = 135;
    arc->bg_angle_end = 45;
    arc->indic_angle_start = 135;
    arc->indic_angle_end = 270;
    arc->value = NO_VALUE;
    arc->max_value = 100;
    arc->chg_rate = 720;

    lv_obj_add_flag(obj, LV_OBJ_FLAG_CLICKABLE);
    /* Turning the arc must not scroll what it sits on. */
    lv_obj_clear_flag(obj, LV_OBJ_FLAG_SCROLLABLE | LV_OBJ_FLAG_SCROLL_CHAIN);
    /* A thin ring is hard to hit with a finger. */
    lv_obj_set_ext_click_area(obj, LV_DPI_DEF / 10);
}

/* True while the pointer that pressed `obj` is still down on it: a press-locked
 * object gets PRESS_LOST when the pointer slides off, but keeps the press. */
static bool press_still_held(const lv_obj_t * obj)
{
    lv_indev_t * indev = lv_indev_get_act();
    if(indev == NULL || lv_indev_get_obj_act() != obj) return false;
    return indev->proc.state == LV_INDEV_STATE_PRESSED && !indev->proc.wait_until_release;
}

static void arc_on_event(const lv_obj_class_t * cls, lv_event_t * e)
{
    LV_UNUSED(cls);
    if(lv_obj_event_base(&lv_arc_class, e) != LV_RES_OK) return;

    lv_arc_t * arc = (lv_arc_t *)lv_event_get_target(e);
    lv_obj_t * obj = &arc->obj;
    switch(lv_event_get_code(e)) {
        case LV_EVENT_PRESSING:
            turn_with_pointer(arc);
            break;
        case LV_EVENT_PRESS_LOST:
            /* Sliding off the ring while still pressing keeps turning. */
            if(!press_still_held(obj)) end_turn(arc);
            break;
        case LV_EVENT_RELEASED:
            end_turn(arc);
            break;
        case LV_EVENT_KEY:
            step_by_key(arc, lv_event_get_key(e));
            break;
        case LV_EVENT_HIT_TEST:
            answer_hit_test(arc, lv_event_get_param(e));
            break;
        case LV_EVENT_REFR_EXT_DRAW_SIZE: {
                lv_coord_t * reach = lv_event_get_param(e);
                *reach = LV_MAX(*reach, knob_overhang(obj));
                break;
            }
        case LV_EVENT_DRAW_MAIN:
            paint(arc, lv_event_get_draw_ctx(e));
            break;
        default:
            break;
    }
}

/* Degrees clockwise from `from` to `to`, 0..359. */
static int32_t clockwise(int32_t from, int32_t to)
{
    int32_t d = (to - from) % 360;
    return d < 0 ? d + 360 : d;
}

/* How far the background reaches clockwise from its start, 0..360. */
static int32_t bg_sweep(const lv_arc_t * arc)
{
    int32_t sweep = (int32_t)arc->bg_angle_end - arc->bg_angle_start;
    return sweep < 0 ? sweep + 360 : sweep;
}

/*
 * Place the indicator for the value: it reaches from the background's start
 * (normal), end (reverse) or middle (symmetrical) to the point where the
 * value lies. That point is the value's share of the background, rounded
 * towards the start; in reverse mode the share is counted from the end.
 */
static void lay_out_indicator(lv_arc_t * arc)
{
    if(arc->value == NO_VALUE) return;

    int32_t start = arc->bg_angle_start;
    int32_t sweep = bg_sweep(arc);
    int32_t span = (int32_t)arc->max_value - arc->min_value;
    int32_t share = span > 0 ? ((int32_t)arc->value - arc->min_value) * sweep / span : 0;
    int32_t at = arc->type == LV_ARC_MODE_REVERSE ? start + sweep - share : start + share;

    int32_t from = start;
    int32_t to = at;
    if(arc->type == LV_ARC_MODE_REVERSE) {
        from = at;
        to = start + sweep;
    }
    else if(arc->type == LV_ARC_MODE_SYMMETRICAL) {
        int32_t middle = start + sweep / 2;
        from = LV_MIN(at, middle);
        to = LV_MAX(at, middle);
    }
    store_angle(arc, &arc->indic_angle_start, (uint32_t)from);
    store_angle(arc, &arc->indic_angle_end, (uint32_t)to);
}

/* The indicator's moving end, where the knob sits (before rotation). */
static int32_t knob_angle(const lv_arc_t * arc)
{
    if(arc->type == LV_ARC_MODE_REVERSE) return arc->indic_angle_start;
    if(arc->type == LV_ARC_MODE_NORMAL) return arc->indic_angle_end;
    /* Symmetrical: whichever end is not pinned to the middle. */
    uint16_t middle = wrap_angle((uint32_t)(arc->bg_angle_start + bg_sweep(arc) / 2));
    return arc->indic_angle_start == middle ? arc->indic_angle_end : arc->indic_angle_start;
}

/* The largest circle inside the padding, in its top left corner. */
static ring_t ring_of(const lv_obj_t * obj)
{
    lv_coord_t pad_l = lv_obj_get_style_pad_left(obj, LV_PART_MAIN);
    lv_coord_t pad_r = lv_obj_get_style_pad_right(obj, LV_PART_MAIN);
    lv_coord_t pad_t = lv_obj_get_style_pad_top(obj, LV_PART_MAIN);
    lv_coord_t pad_b = lv_obj_get_style_pad_bottom(obj, LV_PART_MAIN);

    ring_t ring;
    ring.radius = LV_MIN(lv_obj_get_width(obj) - pad_l - pad_r, lv_obj_get_height(obj) - pad_t - pad_b) / 2;
    ring.centre.x = obj->coords.x1 + pad_l + ring.radius;
    ring.centre.y = obj->coords.y1 + pad_t + ring.radius;
    return ring;
}

/*
 * The pointer's direction from the centre in the arc's terms: degrees
 * clockwise from three o'clock on a screen whose y grows downwards.
 * lv_atan2(x, y) measures from its second argument's axis towards its first,
 * so giving it (dy, dx) puts 0 on the screen's +x axis and 90 on +y (down).
 */
static int32_t pointer_angle(lv_coord_t dx, lv_coord_t dy)
{
    return lv_atan2(dy, dx) % 360;
}

/*
 * Near the centre a pixel of movement swings the angle wildly, so a press
 * starts turning only once the pointer is out towards the ring: beyond half
 * the indicator's inner radius, or, with the advanced hit test (presses land
 * on the ring only anyway), beyond one indicator width inside the indicator.
 */
static bool far_enough_to_turn(lv_obj_t * obj, lv_coord_t radius, lv_coord_t dx, lv_coord_t dy)
{
    lv_coord_t band = lv_obj_get_style_arc_width(obj, LV_PART_INDICATOR);
    int64_t inner = radius - band;
    int64_t dead = lv_obj_has_flag(obj, LV_OBJ_FLAG_ADV_HITTEST) ? inner - band : inner / 2;
    if(dead < 1) dead = 1;
    return (int64_t)dx * dx + (int64_t)dy * dy > dead * dead;
}

/*
 * Where the pointer asks the indicator to be, in degrees from the
 * background's start (0..sweep). The gap between the background's ends is a
 * wall: a pointer that goes past an end (seen as the shorter way round from
 * its last reading) holds the indicator at that end, and the hold lasts while
 * the pointer is in the gap or on the far half of the scale. So a pointer
 * that crosses the gap never flips the value from one end to the other; it
 * has to come back to the end it left to pick the indicator up again.
 */
static int32_t aim_of_pointer(lv_arc_t * arc, int32_t rel, int32_t sweep)
{
    bool on_scale = rel <= sweep;
    bool low_half = rel < sweep / 2;

    if(arc->last_angle == HELD_AT_END) {
        if(!on_scale || low_half != (bool)arc->min_close) return arc->min_close ? 0 : sweep;
        arc->last_angle = (int16_t)rel;
        return rel;
    }

    int32_t step = clockwise(arc->last_angle, rel);
    if(step > 180) step -= 360;
    int32_t landing = arc->last_angle + step;
    if(landing < 0 || landing > sweep) {
        arc->min_close = landing < 0;
        arc->last_angle = HELD_AT_END;
        return arc->min_close ? 0 : sweep;
    }
    arc->last_angle = (int16_t)rel;
    return rel;
}

/*
 * Move the value towards the one nearest to `aim`, by no more than the change
 * rate allows for the time since the value last moved. Time is only banked
 * while the value lags behind the pointer; an indicator that has caught up
 * starts counting afresh, so a pointer resting and then flicking away cannot
 * make it jump.
 */
static void approach(lv_arc_t * arc, int32_t aim, int32_t sweep, int32_t span)
{
    lv_obj_t * obj = &arc->obj;
    int32_t along = arc->type == LV_ARC_MODE_REVERSE ? sweep - aim : aim;
    int32_t wanted = arc->min_value + (along * span + sweep / 2) / sweep;
    int32_t now = lv_arc_get_value(obj);
    if(wanted == now) {
        arc->last_tick = lv_tick_get();
        return;
    }

    int64_t reach = (int64_t)arc->chg_rate * lv_tick_elaps(arc->last_tick) * span / (1000 * (int64_t)sweep);
    int32_t next = (int32_t)LV_CLAMP(now - reach, (int64_t)wanted, now + reach);
    if(next == now) return;

    arc->last_tick = lv_tick_get();
    lv_arc_set_value(obj, (int16_t)next);
    lv_event_send(obj, LV_EVENT_VALUE_CHANGED, NULL);
}

static void turn_with_pointer(lv_arc_t * arc)
{
    lv_obj_t * obj = &arc->obj;
    if(lv_obj_has_state(obj, LV_STATE_DISABLED)) return;
    lv_indev_t * indev = lv_indev_get_act();
    if(indev == NULL || lv_indev_get_type(indev) != LV_INDEV_TYPE_POINTER) return;

    int32_t sweep = bg_sweep(arc);
    int32_t span = (int32_t)arc->max_value - arc->min_value;
    if(sweep == 0 || span <= 0) return;

    lv_point_t p;
    lv_indev_get_point(indev, &p);
    ring_t ring = ring_of(obj);
    lv_coord_t dx = p.x - ring.centre.x;
    lv_coord_t dy = p.y - ring.centre.y;
    if(dx == 0 && dy == 0) return;
    if(!arc->dragging && !far_enough_to_turn(obj, ring.radius, dx, dy)) return;

    int32_t rel = clockwise(arc->bg_angle_start + arc->rotation, pointer_angle(dx, dy));
    if(!arc->dragging) {
        arc->dragging = 1;
        arc->last_tick = lv_tick_get();
        arc->last_angle = (int16_t)rel;
        /* Pressed in the gap: held at whichever end is nearer. */
        if(rel > sweep) {
            arc->last_angle = HELD_AT_END;
            arc->min_close = 360 - rel < rel - sweep;
        }
    }
    approach(arc, aim_of_pointer(arc, rel, sweep), sweep, span);
}

static void end_turn(lv_arc_t * arc)
{
    arc->dragging = 0;

    /* An encoder leaves edit mode with the release, not only with a long press. */
    lv_indev_t * indev = lv_indev_get_act();
    lv_group_t * group = lv_obj_get_group(&arc->obj);
    if(indev && group && lv_indev_get_type(indev) == LV_INDEV_TYPE_ENCODER && lv_group_get_editing(group)) {
        lv_group_set_editing(group, false);
    }
}

/* Right and up add one, left and down take one away; value-changed only on a real change. */
static void step_by_key(lv_arc_t * arc, uint32_t key)
{
    lv_obj_t * obj = &arc->obj;
    if(lv_obj_has_state(obj, LV_STATE_DISABLED)) return;

    int32_t step;
    if(key == LV_KEY_RIGHT || key == LV_KEY_UP) step = 1;
    else if(key == LV_KEY_LEFT || key == LV_KEY_DOWN) step = -1;
    else return;

    int32_t before = lv_arc_get_value(obj);
    lv_arc_set_value(obj, (int16_t)LV_CLAMP(arc->min_value, before + step, arc->max_value));
    if(lv_arc_get_value(obj) != before) lv_event_send(obj, LV_EVENT_VALUE_CHANGED, NULL);
}

/* Asked only with LV_OBJ_FLAG_ADV_HITTEST: then presses land only on the
 * background's ring, widened by the extended click area on both sides. */
static void answer_hit_test(lv_arc_t * arc, lv_hit_test_info_t * info)
{
    lv_obj_t * obj = &arc->obj;
    ring_t ring = ring_of(obj);
    lv_coord_t margin = obj->spec_attr ? obj->spec_attr->ext_click_pad : 0;
    int64_t outer = ring.radius + margin;
    int64_t inner = ring.radius - lv_obj_get_style_arc_width(obj, LV_PART_MAIN) - margin;

    int64_t dx = info->point->x - ring.centre.x;
    int64_t dy = info->point->y - ring.centre.y;
    int64_t dist2 = dx * dx + dy * dy;
    info->res = dist2 <= outer * outer && (inner <= 0 || dist2 > inner * inner);
}

static lv_coord_t max_pad(lv_obj_t * obj, lv_part_t part)
{
    return LV_MAX(LV_MAX(lv_obj_get_style_pad_left(obj, part), lv_obj_get_style_pad_right(obj, part)),
                  LV_MAX(lv_obj_get_style_pad_top(obj, part), lv_obj_get_style_pad_bottom(obj, part)));
}

/* The knob is centred on the ring, which lies the main padding inside the
 * object; it reaches out by its own padding (plus its shadow or outline and
 * a pixel each side for anti-aliasing). */
static lv_coord_t knob_overhang(lv_obj_t * obj)
{
    return max_pad(obj, LV_PART_KNOB) + 2 - max_pad(obj, LV_PART_MAIN) + lv_obj_calculate_ext_draw_size(obj, LV_PART_KNOB);
}

/* Stroke `sweep` degrees clockwise from `from` (any non-negative angle). */
static void stroke(lv_draw_ctx_t * draw_ctx, const lv_draw_arc_dsc_t * dsc, const lv_point_t * centre,
                   lv_coord_t radius, int32_t from, int32_t sweep)
{
    if(sweep <= 0 || radius <= 0) return;
    int32_t first = from % 360;
    lv_draw_arc(draw_ctx, dsc, centre, (uint16_t)radius, (uint16_t)first, (uint16_t)(first + sweep));
}

/* The indicator's extent: nothing when its ends are equal, a whole ring for 0 and 360. */
static int32_t indicator_sweep(const lv_arc_t * arc)
{
    if(arc->indic_angle_start == arc->indic_angle_end) return 0;
    int32_t sweep = clockwise(arc->indic_angle_start, arc->indic_angle_end);
    return sweep == 0 ? 360 : sweep;
}

/* The knob: a square around the indicator's moving end, on the middle of the
 * indicator's stroke, as wide as the stroke plus the knob's padding. */
static void place_knob(lv_arc_t * arc, const ring_t * ring, lv_area_t * knob)
{
    lv_obj_t * obj = &arc->obj;
    lv_coord_t half = lv_obj_get_style_arc_width(obj, LV_PART_INDICATOR) / 2;
    double r = ring->radius - half;
    double a = (knob_angle(arc) + arc->rotation) * DEG_TO_RAD;
    lv_coord_t x = ring->centre.x + (lv_coord_t)floor(r * cos(a) + 0.5);
    lv_coord_t y = ring->centre.y + (lv_coord_t)floor(r * sin(a) + 0.5);

    knob->x1 = x - half - lv_obj_get_style_pad_left(obj, LV_PART_KNOB);
    knob->x2 = x + half + lv_obj_get_style_pad_right(obj, LV_PART_KNOB);
    knob->y1 = y - half - lv_obj_get_style_pad_top(obj, LV_PART_KNOB);
    knob->y2 = y + half + lv_obj_get_style_pad_bottom(obj, LV_PART_KNOB);
}

static void paint(lv_arc_t * arc, lv_draw_ctx_t * draw_ctx)
{
    lv_obj_t * obj = &arc->obj;
    ring_t ring = ring_of(obj);

    lv_obj_draw_part_dsc_t part;
    lv_obj_draw_dsc_init(&part, draw_ctx);
    part.class_p = &lv_arc_class;
    part.p1 = &ring.centre;

    lv_draw_arc_dsc_t line;
    if(ring.radius > 0) {
        lv_draw_arc_dsc_init(&line);
        lv_obj_init_draw_arc_dsc(obj, LV_PART_MAIN, &line);
        part.part = LV_PART_MAIN;
        part.type = LV_ARC_DRAW_PART_BACKGROUND;
        part.radius = ring.radius;
        part.arc_dsc = &line;
        lv_event_send(obj, LV_EVENT_DRAW_PART_BEGIN, &part);
        stroke(draw_ctx, &line, &ring.centre, part.radius, arc->bg_angle_start + arc->rotation, bg_sweep(arc));
        lv_event_send(obj, LV_EVENT_DRAW_PART_END, &part);
    }

    /* Padding on the indicator pulls it inside the background's outer edge. */
    lv_coord_t indicator_r = ring.radius - max_pad(obj, LV_PART_INDICATOR);
    if(indicator_r > 0) {
        lv_draw_arc_dsc_init(&line);
        lv_obj_init_draw_arc_dsc(obj, LV_PART_INDICATOR, &line);
        part.part = LV_PART_INDICATOR;
        part.type = LV_ARC_DRAW_PART_FOREGROUND;
        part.radius = indicator_r;
        part.arc_dsc = &line;
        lv_event_send(obj, LV_EVENT_DRAW_PART_BEGIN, &part);
        line.width = LV_MIN(line.width, part.radius);
        stroke(draw_ctx, &line, &ring.centre, part.radius, arc->indic_angle_start + arc->rotation,
               indicator_sweep(arc));
        lv_event_send(obj, LV_EVENT_DRAW_PART_END, &part);
    }

    lv_area_t knob;
    place_knob(arc, &ring, &knob);
    lv_draw_rect_dsc_t look;
    lv_draw_rect_dsc_init(&look);
    lv_obj_init_draw_rect_dsc(obj, LV_PART_KNOB, &look);
    part.part = LV_PART_KNOB;
    part.type = LV_ARC_DRAW_PART_KNOB;
    part.arc_dsc = NULL;
    part.rect_dsc = &look;
    part.draw_area = &knob;
    lv_event_send(obj, LV_EVENT_DRAW_PART_BEGIN, &part);
    lv_draw_rect(draw_ctx, &look, &knob);
    lv_event_send(obj, LV_EVENT_DRAW_PART_END, &part);
}

#endif /*LV_USE_ARC*/
