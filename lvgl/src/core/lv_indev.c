/**
 * @file lv_indev.c
 * Turning what the input devices report into events.
 *
 * Pointer: the object under a press gets PRESSED, then PRESSING at every
 * reading, LONG_PRESSED after `long_press_time` and LONG_PRESSED_REPEAT
 * every `long_press_repeat_time` after that; the release brings RELEASED,
 * and SHORT_CLICKED / CLICKED when the pointer is let go over the object and
 * the press did not turn into a scroll. A drag longer than `scroll_limit`
 * scrolls the nearest ancestor that can scroll that way, and keeps going
 * after the release, slowing by `scroll_throw` percent per reading. A fast
 * swipe that scrolls nothing is a gesture.
 *
 * Keypad: keys go to the focused member of the device's group as
 * LV_EVENT_KEY; ENTER also presses and clicks it, ESC cancels it, NEXT and
 * PREV move the focus.
 *
 * Encoders and hardware buttons are read but not acted on: the program
 * has neither.
 *
 * Any handler may delete objects or reset the device. Every event sent is
 * followed by a check of the device's reset flag (`stopped`), and the
 * reading is abandoned when it is set; the reset itself is carried out
 * between readings.
 */

#include "lv_indev.h"
#include "lv_disp.h"
#include "lv_obj.h"
#include "lv_group.h"
#include "lv_refr.h"
#include "../misc/lv_tick.h"
#include "../misc/lv_math.h"

static void read_until_drained(lv_indev_t * indev, lv_disp_t * disp);
static void carry_out_reset(lv_indev_t * indev);
static bool stopped(const lv_indev_t * indev);
static bool is_pointer_like(const lv_indev_t * indev);

static void pointer_reading(lv_indev_t * indev, lv_indev_data_t * data);
static void pointer_down(lv_indev_t * indev);
static void change_pressed_object(lv_indev_t * indev, lv_obj_t * target);
static void pointer_held(lv_indev_t * indev);
static void pointer_up(lv_indev_t * indev);
static void focus_clicked_object(lv_indev_t * indev);
static void watch_long_press(lv_indev_t * indev);
static void detect_gesture(lv_indev_t * indev);

static void drag_scroll(lv_indev_t * indev);
static lv_obj_t * find_scroll_target(lv_indev_t * indev);
static void throw_scroll(lv_indev_t * indev);
static void end_scroll(lv_indev_t * indev);

static void keypad_reading(lv_indev_t * indev, lv_indev_data_t * data);
static void key_down(lv_indev_t * indev, lv_group_t * group, uint32_t key, bool disabled);
static void key_held(lv_indev_t * indev, lv_group_t * group, uint32_t key);
static void key_up(lv_indev_t * indev, uint32_t key, bool disabled);

static const lv_point_t no_motion = {0, 0};

/* The device whose readings are being turned into events, and the object
 * they act on; both NULL outside of that */
static lv_indev_t * reading_indev;
static lv_obj_t * acting_obj;

void lv_indev_read_timer_cb(lv_timer_t * timer)
{
    lv_indev_t * indev = timer->user_data;
    lv_disp_t * disp = indev->driver->disp;
    /* A device whose display was removed has nowhere to send input */
    if(disp == NULL) return;

    reading_indev = indev;
    carry_out_reset(indev);
    /* A screen that is being loaded with an animation takes no input */
    if(!indev->proc.disabled && disp->prev_scr == NULL) read_until_drained(indev, disp);
    reading_indev = NULL;
    acting_obj = NULL;
}

void lv_indev_enable(lv_indev_t * indev, bool en)
{
    for(lv_indev_t * i = indev ? indev : lv_indev_get_next(NULL); i != NULL; i = lv_indev_get_next(i)) {
        i->proc.disabled = en ? 0 : 1;
        if(indev) break;
    }
}

lv_indev_t * lv_indev_get_act(void)
{
    return reading_indev;
}

lv_indev_type_t lv_indev_get_type(const lv_indev_t * indev)
{
    return indev ? indev->driver->type : LV_INDEV_TYPE_NONE;
}

/* The reset is only requested here and carried out between readings: the
 * device may be in the middle of one. A pointer also forgets `obj` (any
 * object for NULL) as the object it clicked last. */
void lv_indev_reset(lv_indev_t * indev, lv_obj_t * obj)
{
    for(lv_indev_t * i = indev ? indev : lv_indev_get_next(NULL); i != NULL; i = lv_indev_get_next(i)) {
        i->proc.reset_query = 1;
        if(i == reading_indev || indev == NULL) acting_obj = NULL;
        if(is_pointer_like(i) && (obj == NULL || i->proc.types.pointer.last_pressed == obj)) {
            i->proc.types.pointer.last_pressed = NULL;
        }
        if(indev) break;
    }
}

void lv_indev_reset_long_press(lv_indev_t * indev)
{
    uint32_t now = lv_tick_get();
    indev->proc.pr_timestamp = now;
    indev->proc.longpr_rep_timestamp = now;
    indev->proc.long_pr_sent = 0;
}

void lv_indev_set_group(lv_indev_t * indev, lv_group_t * group)
{
    lv_indev_type_t type = lv_indev_get_type(indev);
    if(type == LV_INDEV_TYPE_KEYPAD || type == LV_INDEV_TYPE_ENCODER) indev->group = group;
}

void lv_indev_get_point(const lv_indev_t * indev, lv_point_t * point)
{
    static const lv_point_t not_a_pointer = {-1, -1};
    if(indev == NULL) *point = no_motion;
    else if(is_pointer_like(indev)) *point = indev->proc.types.pointer.act_point;
    else *point = not_a_pointer;
}

lv_dir_t lv_indev_get_gesture_dir(const lv_indev_t * indev)
{
    if(lv_indev_get_type(indev) != LV_INDEV_TYPE_POINTER) return LV_DIR_NONE;
    return indev->proc.types.pointer.gesture_dir;
}

uint32_t lv_indev_get_key(const lv_indev_t * indev)
{
    if(lv_indev_get_type(indev) != LV_INDEV_TYPE_KEYPAD) return 0;
    return indev->proc.types.keypad.last_key;
}

lv_dir_t lv_indev_get_scroll_dir(const lv_indev_t * indev)
{
    return indev && is_pointer_like(indev) ? indev->proc.types.pointer.scroll_dir : LV_DIR_NONE;
}

lv_obj_t * lv_indev_get_scroll_obj(const lv_indev_t * indev)
{
    return indev && is_pointer_like(indev) ? indev->proc.types.pointer.scroll_obj : NULL;
}

void lv_indev_get_vect(const lv_indev_t * indev, lv_point_t * point)
{
    *point = indev && is_pointer_like(indev) ? indev->proc.types.pointer.vect : no_motion;
}

void lv_indev_wait_release(lv_indev_t * indev)
{
    if(indev) indev->proc.wait_until_release = 1;
}

lv_obj_t * lv_indev_get_obj_act(void)
{
    return acting_obj;
}

/* Declared with an lv_disp_t parameter, but what it takes is an input device. */
lv_timer_t * lv_indev_get_read_timer(lv_disp_t * indev)
{
    const lv_indev_t * device = (const lv_indev_t *)indev;
    return device ? device->driver->read_timer : NULL;
}

/* The children come first, youngest first, since they are drawn above
 * their parent. A hidden object hides its whole subtree. Children only
 * stick out of their parent where it lets them overflow. The parent's hit
 * test runs before its children are searched: an advanced hit test handler
 * may look at the children as they are at that moment. */
lv_obj_t * lv_indev_search_obj(lv_obj_t * obj, lv_point_t * point)
{
    if(obj == NULL || lv_obj_has_flag(obj, LV_OBJ_FLAG_HIDDEN)) return NULL;

    bool takes_point = lv_obj_hit_test(obj, point);
    bool children_reach = lv_obj_has_flag(obj, LV_OBJ_FLAG_OVERFLOW_VISIBLE) ||
                          _lv_area_is_point_on(&obj->coords, point, 0);
    for(uint32_t i = children_reach ? lv_obj_get_child_cnt(obj) : 0; i > 0; i--) {
        lv_obj_t * hit = lv_indev_search_obj(obj->spec_attr->children[i - 1], point);
        if(hit) return hit;
    }
    return takes_point ? obj : NULL;
}

/*=====================
 * Reading
 *====================*/

static void read_until_drained(lv_indev_t * indev, lv_disp_t * disp)
{
    lv_indev_data_t data;
    do {
        _lv_indev_read(indev, &data);
        /* The read callback itself may have deleted objects */
        carry_out_reset(indev);
        acting_obj = NULL;

        indev->proc.state = data.state;
        if(data.state == LV_INDEV_STATE_PRESSED) disp->last_activity_time = lv_tick_get();

        lv_indev_type_t type = indev->driver->type;
        if(type == LV_INDEV_TYPE_POINTER) pointer_reading(indev, &data);
        else if(type == LV_INDEV_TYPE_KEYPAD) keypad_reading(indev, &data);

        carry_out_reset(indev);
    } while(data.continue_reading);
}

/* Forget the press, the scroll and the gesture in progress. */
static void carry_out_reset(lv_indev_t * indev)
{
    _lv_indev_proc_t * st = &indev->proc;
    if(!st->reset_query) return;

    st->reset_query = 0;
    st->long_pr_sent = 0;
    st->pr_timestamp = 0;
    st->longpr_rep_timestamp = 0;
    if(is_pointer_like(indev)) {
        st->types.pointer.act_obj = NULL;
        st->types.pointer.last_obj = NULL;
        st->types.pointer.scroll_obj = NULL;
        st->types.pointer.scroll_dir = LV_DIR_NONE;
        st->types.pointer.scroll_sum = no_motion;
        st->types.pointer.scroll_throw_vect = no_motion;
        st->types.pointer.gesture_sum = no_motion;
    }
    acting_obj = NULL;
}

/* Checked after every event: did a handler ask for a reset (deleting an
 * object the device was using does)? Then the reading goes no further. */
static bool stopped(const lv_indev_t * indev)
{
    if(indev->proc.reset_query) acting_obj = NULL;
    return indev->proc.reset_query != 0;
}

static bool is_pointer_like(const lv_indev_t * indev)
{
    lv_indev_type_t type = indev->driver->type;
    return type == LV_INDEV_TYPE_POINTER || type == LV_INDEV_TYPE_BUTTON;
}

/*=====================
 * Pointer
 *====================*/

/* Within [0, size - 1]; the upper bound wins for an empty display. */
static lv_coord_t onto_display(lv_coord_t v, lv_coord_t size)
{
    return LV_MIN(LV_MAX(v, 0), size - 1);
}

static void pointer_reading(lv_indev_t * indev, lv_indev_data_t * data)
{
    lv_disp_t * disp = indev->driver->disp;
    /* The next reading starts from what the driver said, not the clamped point */
    indev->proc.types.pointer.last_raw_point = data->point;

    /* A window host reports positions outside its client area while a
     * button is held and the mouse leaves the window */
    lv_point_t * at = &indev->proc.types.pointer.act_point;
    at->x = onto_display(data->point.x, lv_disp_get_hor_res(disp));
    at->y = onto_display(data->point.y, lv_disp_get_ver_res(disp));

    if(data->state == LV_INDEV_STATE_PRESSED) pointer_down(indev);
    else pointer_up(indev);

    indev->proc.types.pointer.last_point = *at;
}

/* The object under the point on the display: the system layer is above the
 * top layer, which is above the active screen. */
static lv_obj_t * object_under(lv_disp_t * disp, lv_point_t * point)
{
    lv_obj_t * layers[] = {lv_disp_get_layer_sys(disp), lv_disp_get_layer_top(disp), lv_disp_get_scr_act(disp)};
    for(size_t i = 0; i < sizeof(layers) / sizeof(layers[0]); i++) {
        lv_obj_t * hit = lv_indev_search_obj(layers[i], point);
        if(hit) return hit;
    }
    return NULL;
}

/* The pressed object keeps the press while it scrolls or when it locks the
 * press to itself (PRESS_LOCK); otherwise the press follows the pointer to
 * whatever is under it. */
static void pointer_down(lv_indev_t * indev)
{
    _lv_indev_proc_t * st = &indev->proc;
    lv_obj_t * pressed = st->types.pointer.act_obj;
    acting_obj = pressed;
    if(st->wait_until_release) return;

    bool keeps_press = pressed != NULL &&
                       (st->types.pointer.scroll_obj != NULL || lv_obj_has_flag(pressed, LV_OBJ_FLAG_PRESS_LOCK));
    if(!keeps_press) {
        acting_obj = object_under(indev->driver->disp, &st->types.pointer.act_point);
        /* A new press catches a scroll still being thrown from the last one */
        if(st->types.pointer.scroll_obj) {
            end_scroll(indev);
            if(stopped(indev)) return;
        }
    }

    if(acting_obj != pressed) {
        change_pressed_object(indev, acting_obj);
        if(stopped(indev) || st->wait_until_release) return;
    }

    /* Motion, and the throw speed the release will carry on with: the
     * average of the previous speed and this movement, which smooths the
     * jitter of single readings */
    lv_point_t * vect = &st->types.pointer.vect;
    lv_point_t * throw_speed = &st->types.pointer.scroll_throw_vect;
    vect->x = st->types.pointer.act_point.x - st->types.pointer.last_point.x;
    vect->y = st->types.pointer.act_point.y - st->types.pointer.last_point.y;
    throw_speed->x = (throw_speed->x + vect->x) / 2;
    throw_speed->y = (throw_speed->y + vect->y) / 2;
    st->types.pointer.scroll_throw_vect_ori = *throw_speed;

    if(acting_obj) pointer_held(indev);
}

/* The old object loses the press, the new one (if any) gets it afresh. */
static void change_pressed_object(lv_indev_t * indev, lv_obj_t * target)
{
    _lv_indev_proc_t * st = &indev->proc;
    /* No motion across the switch: the jump to a new object is no drag */
    st->types.pointer.last_point = st->types.pointer.act_point;

    lv_obj_t * previous = st->types.pointer.act_obj;
    if(previous) {
        lv_event_send(previous, LV_EVENT_PRESS_LOST, indev);
        if(stopped(indev)) return;
    }

    st->types.pointer.act_obj = target;
    st->types.pointer.last_obj = target;
    if(target == NULL) return;

    st->pr_timestamp = lv_tick_get();
    st->long_pr_sent = 0;
    st->types.pointer.vect = no_motion;
    st->types.pointer.scroll_sum = no_motion;
    st->types.pointer.scroll_dir = LV_DIR_NONE;
    st->types.pointer.gesture_sum = no_motion;
    st->types.pointer.gesture_dir = LV_DIR_NONE;
    st->types.pointer.gesture_sent = 0;
    lv_event_send(target, LV_EVENT_PRESSED, indev);
}

/* Once the drag scrolls, the press is no longer a press of the object: no
 * slide-off tracking, no long press. */
static void pointer_held(lv_indev_t * indev)
{
    _lv_indev_proc_t * st = &indev->proc;
    lv_event_send(acting_obj, LV_EVENT_PRESSING, indev);
    if(stopped(indev) || st->wait_until_release) return;

    drag_scroll(indev);
    if(stopped(indev) || st->types.pointer.scroll_obj != NULL) return;

    detect_gesture(indev);
    if(stopped(indev)) return;

    /* A press-locked object keeps the press when the pointer slides off,
     * but shows it: PRESS_LOST on leaving, the pressed look on coming back */
    bool over = lv_obj_hit_test(acting_obj, &st->types.pointer.act_point);
    bool looks_pressed = lv_obj_has_state(acting_obj, LV_STATE_PRESSED);
    if(over != looks_pressed) {
        if(over) lv_obj_add_state(acting_obj, LV_STATE_PRESSED);
        else lv_event_send(acting_obj, LV_EVENT_PRESS_LOST, indev);
        if(stopped(indev)) return;
    }

    watch_long_press(indev);
}

static void watch_long_press(lv_indev_t * indev)
{
    _lv_indev_proc_t * st = &indev->proc;
    const lv_indev_drv_t * drv = indev->driver;

    if(!st->long_pr_sent) {
        if(lv_tick_elaps(st->pr_timestamp) <= drv->long_press_time) return;
        lv_event_send(acting_obj, LV_EVENT_LONG_PRESSED, indev);
        if(stopped(indev)) return;
        st->long_pr_sent = 1;
        st->longpr_rep_timestamp = lv_tick_get();
        return;
    }
    if(lv_tick_elaps(st->longpr_rep_timestamp) <= drv->long_press_repeat_time) return;
    lv_event_send(acting_obj, LV_EVENT_LONG_PRESSED_REPEAT, indev);
    if(stopped(indev)) return;
    st->longpr_rep_timestamp = lv_tick_get();
}

/* A swipe: the pointer keeps moving at least `gesture_min_velocity` px a
 * reading until it has covered more than `gesture_limit` px along one axis
 * (a slower reading starts the count over). Sent once per press, to the
 * pressed object or, while objects pass gestures on (GESTURE_BUBBLE), to
 * the first ancestor that does not. */
static void detect_gesture(lv_indev_t * indev)
{
    _lv_indev_proc_t * st = &indev->proc;
    if(st->types.pointer.gesture_sent) return;

    lv_obj_t * receiver = acting_obj;
    while(receiver && lv_obj_has_flag(receiver, LV_OBJ_FLAG_GESTURE_BUBBLE)) receiver = lv_obj_get_parent(receiver);
    if(receiver == NULL) return;

    lv_point_t v = st->types.pointer.vect;
    lv_point_t * sum = &st->types.pointer.gesture_sum;
    lv_coord_t min_speed = indev->driver->gesture_min_velocity;
    if(LV_ABS(v.x) < min_speed && LV_ABS(v.y) < min_speed) {
        *sum = no_motion;
        return;
    }
    sum->x += v.x;
    sum->y += v.y;

    lv_coord_t limit = indev->driver->gesture_limit;
    lv_coord_t across = LV_ABS(sum->x);
    lv_coord_t down = LV_ABS(sum->y);
    if(across <= limit && down <= limit) return;

    if(across > down) st->types.pointer.gesture_dir = sum->x > 0 ? LV_DIR_RIGHT : LV_DIR_LEFT;
    else st->types.pointer.gesture_dir = sum->y > 0 ? LV_DIR_BOTTOM : LV_DIR_TOP;
    st->types.pointer.gesture_sent = 1;
    lv_event_send(receiver, LV_EVENT_GESTURE, indev);
}

/* RELEASED, then (over the object, nothing scrolled) the clicks and the
 * click focus. A scroll in progress goes on being thrown. */
static void pointer_up(lv_indev_t * indev)
{
    _lv_indev_proc_t * st = &indev->proc;

    /* lv_indev_wait_release was called during the press: it ends as lost */
    if(st->wait_until_release) {
        lv_obj_t * abandoned = st->types.pointer.act_obj;
        st->wait_until_release = 0;
        st->types.pointer.act_obj = NULL;
        st->types.pointer.last_obj = NULL;
        st->pr_timestamp = 0;
        st->longpr_rep_timestamp = 0;
        lv_event_send(abandoned, LV_EVENT_PRESS_LOST, indev);
        if(stopped(indev)) return;
    }

    acting_obj = st->types.pointer.act_obj;
    bool scrolled = st->types.pointer.scroll_obj != NULL;
    if(acting_obj) {
        bool over = lv_obj_hit_test(acting_obj, &st->types.pointer.act_point);
        lv_event_send(acting_obj, LV_EVENT_RELEASED, indev);
        if(stopped(indev)) return;

        if(over && !scrolled) {
            if(!st->long_pr_sent) {
                lv_event_send(acting_obj, LV_EVENT_SHORT_CLICKED, indev);
                if(stopped(indev)) return;
            }
            lv_event_send(acting_obj, LV_EVENT_CLICKED, indev);
            if(stopped(indev)) return;
            focus_clicked_object(indev);
            if(stopped(indev)) return;
        }
        st->types.pointer.act_obj = NULL;
        st->pr_timestamp = 0;
        st->longpr_rep_timestamp = 0;
    }

    if(scrolled) throw_scroll(indev);
}

/* A click moves the focus to the clicked object when it is click-focusable
 * and not the object clicked last. An object in a group is focused through
 * the group, which defocuses the group's previous member itself. The last
 * clicked object, if it is elsewhere, is told it lost the click focus:
 * DEFOCUSED when it has no group, LEAVE when it has one (it stays that
 * group's focused member). */
static void focus_clicked_object(lv_indev_t * indev)
{
    lv_obj_t * clicked = acting_obj;
    lv_obj_t * before = indev->proc.types.pointer.last_pressed;
    if(clicked == before || !lv_obj_has_flag(clicked, LV_OBJ_FLAG_CLICK_FOCUSABLE)) return;

    lv_group_t * group_now = lv_obj_get_group(clicked);
    lv_group_t * group_before = before ? lv_obj_get_group(before) : NULL;
    bool same_group = group_now != NULL && group_now == group_before;
    if(before && !same_group) {
        lv_event_send(before, group_before ? LV_EVENT_LEAVE : LV_EVENT_DEFOCUSED, indev);
        if(stopped(indev)) return;
    }

    if(group_now) lv_group_focus_obj(clicked);
    else lv_event_send(clicked, LV_EVENT_FOCUSED, indev);
    if(stopped(indev)) return;

    indev->proc.types.pointer.last_pressed = clicked;
}

/*=====================
 * Scrolling by drag
 *====================*/

/* Until a scroll starts, the movement is summed; once the sum passes
 * `scroll_limit` the scroll target is chosen and gets the summed movement at
 * once, so the content catches up with the finger. After that every
 * movement scrolls it, along the axis it started on and within its limits. */
static void drag_scroll(lv_indev_t * indev)
{
    _lv_indev_proc_t * st = &indev->proc;
    lv_obj_t * target = st->types.pointer.scroll_obj;
    lv_point_t step = st->types.pointer.vect;

    if(target == NULL) {
        st->types.pointer.scroll_sum.x += step.x;
        st->types.pointer.scroll_sum.y += step.y;
        target = find_scroll_target(indev);
        if(target == NULL) return;

        lv_obj_get_coords(target, &st->types.pointer.scroll_area);
        lv_event_send(target, LV_EVENT_SCROLL_BEGIN, NULL);
        if(stopped(indev)) return;
        /* The drag is a scroll now, no longer a press of the object */
        if(st->types.pointer.act_obj) lv_obj_clear_state(st->types.pointer.act_obj, LV_STATE_PRESSED);
        step = st->types.pointer.scroll_sum;
    }

    if(st->types.pointer.scroll_dir == LV_DIR_HOR) step.y = 0;
    else step.x = 0;
    if(step.x != 0 || step.y != 0) lv_obj_scroll_by_bounded(target, step.x, step.y, LV_ANIM_OFF);
}

/* Can `obj` scroll its content along with a drag of `sum`? It must be
 * scrollable that way and have content beyond the edge the drag uncovers
 * (dragging down shows what is above). */
static bool scrolls_with(lv_obj_t * obj, bool horizontal, lv_point_t sum)
{
    if(!lv_obj_has_flag(obj, LV_OBJ_FLAG_SCROLLABLE)) return false;
    if(!(lv_obj_get_scroll_dir(obj) & (horizontal ? LV_DIR_HOR : LV_DIR_VER))) return false;
    if(horizontal) return (sum.x > 0 ? lv_obj_get_scroll_left(obj) : lv_obj_get_scroll_right(obj)) > 0;
    return (sum.y > 0 ? lv_obj_get_scroll_top(obj) : lv_obj_get_scroll_bottom(obj)) > 0;
}

/* The drag's axis is the one it moved most along, once that reached the
 * limit. From the pressed object up, the first object that scrolls with it
 * wins; an object without the scroll-chain flag for that axis ends the
 * search. */
static lv_obj_t * find_scroll_target(lv_indev_t * indev)
{
    _lv_indev_proc_t * st = &indev->proc;
    lv_point_t sum = st->types.pointer.scroll_sum;
    lv_coord_t across = LV_ABS(sum.x);
    lv_coord_t down = LV_ABS(sum.y);
    lv_coord_t limit = indev->driver->scroll_limit;
    bool horizontal = across > down;
    if((horizontal ? across : down) < limit) return NULL;

    lv_obj_flag_t chain = horizontal ? LV_OBJ_FLAG_SCROLL_CHAIN_HOR : LV_OBJ_FLAG_SCROLL_CHAIN_VER;
    for(lv_obj_t * obj = st->types.pointer.act_obj; obj != NULL; obj = lv_obj_get_parent(obj)) {
        if(scrolls_with(obj, horizontal, sum)) {
            st->types.pointer.scroll_obj = obj;
            st->types.pointer.scroll_dir = horizontal ? LV_DIR_HOR : LV_DIR_VER;
            return obj;
        }
        if(!lv_obj_has_flag(obj, chain)) break;
    }
    return NULL;
}

/* After the release the content keeps moving, slower at every reading,
 * until the speed reaches 0 (at once without SCROLL_MOMENTUM). */
static void throw_scroll(lv_indev_t * indev)
{
    _lv_indev_proc_t * st = &indev->proc;
    lv_obj_t * target = st->types.pointer.scroll_obj;
    lv_point_t * speed = &st->types.pointer.scroll_throw_vect;
    if(target == NULL) return;

    if(!lv_obj_has_flag(target, LV_OBJ_FLAG_SCROLL_MOMENTUM)) *speed = no_motion;
    int32_t keep = 100 - indev->driver->scroll_throw;
    speed->x = speed->x * keep / 100;
    speed->y = speed->y * keep / 100;
    if(st->types.pointer.scroll_dir == LV_DIR_HOR) speed->y = 0;
    else speed->x = 0;

    if(speed->x == 0 && speed->y == 0) end_scroll(indev);
    else lv_obj_scroll_by_bounded(target, speed->x, speed->y, LV_ANIM_OFF);
}

static void end_scroll(lv_indev_t * indev)
{
    _lv_indev_proc_t * st = &indev->proc;
    lv_obj_t * target = st->types.pointer.scroll_obj;
    st->types.pointer.scroll_obj = NULL;
    st->types.pointer.scroll_dir = LV_DIR_NONE;
    st->types.pointer.scroll_throw_vect = no_motion;

    /* A handler may delete the object that came to rest */
    if(lv_event_send(target, LV_EVENT_SCROLL_END, indev) != LV_RES_OK || stopped(indev)) return;
    lv_obj_scrollbar_invalidate(target);
}

/*=====================
 * Keypad
 *====================*/

static void keypad_move_focus(lv_group_t * group, uint32_t key)
{
    /* A keypad has no use for edit mode: moving the focus leaves it */
    lv_group_set_editing(group, false);
    if(key == LV_KEY_NEXT) lv_group_focus_next(group);
    else lv_group_focus_prev(group);
}

/* The key and state are stored before any handler runs: handlers read the
 * key through lv_indev_get_key, and one that deletes objects cuts the
 * reading short, yet the next reading must compare against this one. */
static void keypad_reading(lv_indev_t * indev, lv_indev_data_t * data)
{
    _lv_indev_proc_t * st = &indev->proc;
    uint32_t key_before = st->types.keypad.last_key;
    bool was_down = st->types.keypad.last_state == LV_INDEV_STATE_PRESSED;
    bool down = data->state == LV_INDEV_STATE_PRESSED;
    st->types.keypad.last_key = data->key;
    st->types.keypad.last_state = data->state;

    if(st->wait_until_release) {
        if(down) return;
        /* The awaited release ends the press without acting on it */
        st->wait_until_release = 0;
        st->pr_timestamp = 0;
        st->long_pr_sent = 0;
        return;
    }

    lv_group_t * group = indev->group;
    acting_obj = group ? lv_group_get_focused(group) : NULL;
    if(acting_obj == NULL) return;
    bool disabled = lv_obj_has_state(acting_obj, LV_STATE_DISABLED);

    if(down && !was_down) key_down(indev, group, data->key, disabled);
    else if(down && !disabled) key_held(indev, group, data->key);
    /* Drivers may leave out the key with the release: it is the one that went down */
    else if(!down && was_down) key_up(indev, key_before, disabled);
    acting_obj = NULL;
}

/* NEXT and PREV move the focus (also away from a disabled member); every
 * other key reaches the focused member as LV_EVENT_KEY, and ENTER then
 * presses it, ESC cancels it. */
static void key_down(lv_indev_t * indev, lv_group_t * group, uint32_t key, bool disabled)
{
    indev->proc.pr_timestamp = lv_tick_get();
    indev->proc.long_pr_sent = 0;

    if(key == LV_KEY_NEXT || key == LV_KEY_PREV) {
        keypad_move_focus(group, key);
        return;
    }
    if(disabled) return;

    lv_group_send_data(group, key);
    if(stopped(indev)) return;
    if(key == LV_KEY_ENTER) lv_event_send(acting_obj, LV_EVENT_PRESSED, indev);
    else if(key == LV_KEY_ESC) lv_event_send(acting_obj, LV_EVENT_CANCEL, indev);
}

/* A held ENTER reports PRESSING and long presses. After the long-press
 * time every key repeats, once per repeat time: ENTER as
 * LONG_PRESSED_REPEAT, NEXT and PREV as focus moves, the others as keys. */
static void key_held(lv_indev_t * indev, lv_group_t * group, uint32_t key)
{
    _lv_indev_proc_t * st = &indev->proc;
    bool enter = key == LV_KEY_ENTER;
    if(enter) {
        lv_event_send(acting_obj, LV_EVENT_PRESSING, indev);
        if(stopped(indev)) return;
    }

    if(!st->long_pr_sent) {
        if(lv_tick_elaps(st->pr_timestamp) <= indev->driver->long_press_time) return;
        st->long_pr_sent = 1;
        st->longpr_rep_timestamp = lv_tick_get();
        if(enter) lv_event_send(acting_obj, LV_EVENT_LONG_PRESSED, indev);
        return;
    }

    if(lv_tick_elaps(st->longpr_rep_timestamp) <= indev->driver->long_press_repeat_time) return;
    st->longpr_rep_timestamp = lv_tick_get();
    if(enter) lv_event_send(acting_obj, LV_EVENT_LONG_PRESSED_REPEAT, indev);
    else if(key == LV_KEY_NEXT || key == LV_KEY_PREV) keypad_move_focus(group, key);
    else lv_group_send_data(group, key);
}

/* Letting go of ENTER completes the press begun in key_down as a click. */
static void key_up(lv_indev_t * indev, uint32_t key, bool disabled)
{
    _lv_indev_proc_t * st = &indev->proc;
    bool long_pressed = st->long_pr_sent;
    st->pr_timestamp = 0;
    st->long_pr_sent = 0;
    if(disabled || key != LV_KEY_ENTER) return;

    lv_event_send(acting_obj, LV_EVENT_RELEASED, indev);
    if(stopped(indev)) return;
    if(!long_pressed) {
        lv_event_send(acting_obj, LV_EVENT_SHORT_CLICKED, indev);
        if(stopped(indev)) return;
    }
    lv_event_send(acting_obj, LV_EVENT_CLICKED, indev);
}
