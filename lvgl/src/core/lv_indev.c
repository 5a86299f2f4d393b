/**
 * @file lv_indev.c
 * Input processing: turns what the read callbacks report into events.
 *
 * Pointer: the object under the press gets PRESSED, PRESSING while held,
 * LONG_PRESSED after `long_press_time`, and on release RELEASED followed by
 * SHORT_CLICKED/CLICKED only when the pointer is released over the same
 * object and nothing was scrolled. Leaving a press-locked object sends
 * PRESS_LOST once. Dragging farther than `scroll_limit` scrolls the nearest
 * scrollable ancestor instead; after release the scroll is thrown on with a
 * simple linear slow-down.
 *
 * Keypad: keys go to the focused object of the device's group as LV_EVENT_KEY;
 * ENTER also presses/clicks it, ESC also cancels it.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_indev.h"
#include "lv_disp.h"
#include "lv_obj.h"
#include "lv_group.h"
#include "lv_refr.h"
#include "../misc/lv_tick.h"
#include "../misc/lv_math.h"

/**********************
 *  STATIC PROTOTYPES
 **********************/
static void process_pointer(lv_indev_t * i, lv_indev_data_t * data);
static void process_keypad(lv_indev_t * i, lv_indev_data_t * data);
static void keypad_key_held(lv_indev_t * i, lv_indev_data_t * data, lv_group_t * g);
static void pointer_pressed(_lv_indev_proc_t * proc);
static void pointer_switch_object(_lv_indev_proc_t * proc);
static void pointer_held(_lv_indev_proc_t * proc);
static void pointer_released(_lv_indev_proc_t * proc);
static void apply_pending_reset(lv_indev_t * indev);
static void focus_on_click(_lv_indev_proc_t * proc);
static bool reset_requested(_lv_indev_proc_t * proc);
static lv_obj_t * object_under_point(lv_disp_t * disp, lv_point_t * p);
static void drag_scroll(_lv_indev_proc_t * proc);
static void throw_scroll(_lv_indev_proc_t * proc);
static lv_obj_t * pick_scroll_target(_lv_indev_proc_t * proc);

/**********************
 *  STATIC VARIABLES
 **********************/
static lv_indev_t * active_indev;
static lv_obj_t * active_obj = NULL;

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

/**
 * The read timer of one input device: read it until the driver has nothing
 * more queued and turn each reading into events. Resets requested on the
 * way (an object deleted, the device reset) are applied between readings.
 */
void lv_indev_read_timer_cb(lv_timer_t * timer)
{
    active_indev = timer->user_data;
    lv_disp_t * disp = active_indev->driver->disp;
    if(disp == NULL) return; /*a device without a display has nowhere to send input*/

    apply_pending_reset(active_indev);

    /*No input while disabled or while a screen load animation runs*/
    if(active_indev->proc.disabled || disp->prev_scr != NULL) {
        active_indev = NULL;
        return;
    }

    lv_indev_data_t data;
    do {
        _lv_indev_read(active_indev, &data);

        /*The read callback itself may have deleted the object in use*/
        apply_pending_reset(active_indev);
        active_obj = NULL;

        active_indev->proc.state = data.state;
        if(data.state == LV_INDEV_STATE_PRESSED) disp->last_activity_time = lv_tick_get();

        if(active_indev->driver->type == LV_INDEV_TYPE_POINTER) process_pointer(active_indev, &data);
        else if(active_indev->driver->type == LV_INDEV_TYPE_KEYPAD) process_keypad(active_indev, &data);

        apply_pending_reset(active_indev);
    } while(data.continue_reading);

    active_indev = NULL;
    active_obj = NULL;
}

void lv_indev_enable(lv_indev_t * indev, bool en)
{
    uint8_t disabled = en ? 0 : 1;

    if(indev) {
        indev->proc.disabled = disabled;
        return;
    }
    for(lv_indev_t * i = lv_indev_get_next(NULL); i; i = lv_indev_get_next(i)) i->proc.disabled = disabled;
}

lv_indev_t * lv_indev_get_act(void)
{
    return active_indev;
}

lv_indev_type_t lv_indev_get_type(const lv_indev_t * indev)
{
    if(indev == NULL) return LV_INDEV_TYPE_NONE;

    return indev->driver->type;
}

/* Ask `indev` to drop its press state at the next chance; forget `obj` (NULL: anything) as last pressed. */
static void request_reset(lv_indev_t * indev, lv_obj_t * obj)
{
    indev->proc.reset_query = 1;
    if(active_indev == indev) active_obj = NULL;

    lv_indev_type_t type = indev->driver->type;
    if(type != LV_INDEV_TYPE_POINTER && type != LV_INDEV_TYPE_KEYPAD) return;
    if(obj == NULL || indev->proc.types.pointer.last_pressed == obj) {
        indev->proc.types.pointer.last_pressed = NULL;
    }
}

void lv_indev_reset(lv_indev_t * indev, lv_obj_t * obj)
{
    if(indev) {
        request_reset(indev, obj);
        return;
    }
    for(lv_indev_t * i = lv_indev_get_next(NULL); i; i = lv_indev_get_next(i)) request_reset(i, obj);
    active_obj = NULL;
}

void lv_indev_reset_long_press(lv_indev_t * indev)
{
    indev->proc.long_pr_sent         = 0;
    indev->proc.longpr_rep_timestamp = lv_tick_get();
    indev->proc.pr_timestamp         = lv_tick_get();
}

void lv_indev_set_group(lv_indev_t * indev, lv_group_t * group)
{
    if(indev == NULL) return;
    if(indev->driver->type == LV_INDEV_TYPE_KEYPAD || indev->driver->type == LV_INDEV_TYPE_ENCODER) {
        indev->group = group;
    }
}

void lv_indev_get_point(const lv_indev_t * indev, lv_point_t * point)
{
    if(indev == NULL) {
        point->x = 0;
        point->y = 0;
        return;
    }
    if(indev->driver->type != LV_INDEV_TYPE_POINTER && indev->driver->type != LV_INDEV_TYPE_BUTTON) {
        point->x = -1;
        point->y = -1;
    }
    else {
        point->x = indev->proc.types.pointer.act_point.x;
        point->y = indev->proc.types.pointer.act_point.y;
    }
}

lv_dir_t lv_indev_get_gesture_dir(const lv_indev_t * indev)
{
    if(indev == NULL) return LV_DIR_NONE;
    if(indev->driver->type != LV_INDEV_TYPE_POINTER) return LV_DIR_NONE;
    return indev->proc.types.pointer.gesture_dir;
}

uint32_t lv_indev_get_key(const lv_indev_t * indev)
{
    if(indev == NULL || indev->driver->type != LV_INDEV_TYPE_KEYPAD) return 0;
    return indev->proc.types.keypad.last_key;
}

lv_dir_t lv_indev_get_scroll_dir(const lv_indev_t * indev)
{
    if(indev == NULL) return LV_DIR_NONE;
    if(indev->driver->type != LV_INDEV_TYPE_POINTER && indev->driver->type != LV_INDEV_TYPE_BUTTON) return LV_DIR_NONE;
    return indev->proc.types.pointer.scroll_dir;
}

lv_obj_t * lv_indev_get_scroll_obj(const lv_indev_t * indev)
{
    if(indev == NULL) return NULL;
    if(indev->driver->type != LV_INDEV_TYPE_POINTER && indev->driver->type != LV_INDEV_TYPE_BUTTON) return NULL;
    return indev->proc.types.pointer.scroll_obj;
}

void lv_indev_get_vect(const lv_indev_t * indev, lv_point_t * point)
{
    point->x = 0;
    point->y = 0;

    if(indev == NULL) return;

    lv_indev_type_t indev_type = lv_indev_get_type(indev);
    if(indev_type == LV_INDEV_TYPE_POINTER || indev_type == LV_INDEV_TYPE_BUTTON) {
        point->x = indev->proc.types.pointer.vect.x;
        point->y = indev->proc.types.pointer.vect.y;
    }
}

void lv_indev_wait_release(lv_indev_t * indev)
{
    if(indev == NULL) return;
    indev->proc.wait_until_release = 1;
}

lv_obj_t * lv_indev_get_obj_act(void)
{
    return active_obj;
}

/* The parameter is typed lv_disp_t in the published prototype, but is an input device. */
lv_timer_t * lv_indev_get_read_timer(lv_disp_t * indev)
{
    lv_indev_t * i = (lv_indev_t *)indev;
    return i ? i->driver->read_timer : NULL;
}

/**
 * The topmost object under `point` that accepts it (see lv_obj_hit_test):
 * children are searched from the youngest, hidden subtrees are skipped, and
 * a disabled object is passed over so its parent may take the press.
 */
lv_obj_t * lv_indev_search_obj(lv_obj_t * obj, lv_point_t * point)
{
    /*No screen loaded (e.g. the active one was deleted): nothing to hit*/
    if(obj == NULL) return NULL;
    if(lv_obj_has_flag(obj, LV_OBJ_FLAG_HIDDEN)) return NULL; /*and all its children with it*/

    /*Ask before the children: their handlers could change what the hit test sees*/
    bool hits_obj = lv_obj_hit_test(obj, point);

    /*Children only stick out of their parent when it lets them overflow*/
    bool children_reachable = _lv_area_is_point_on(&obj->coords, point, 0) ||
                              lv_obj_has_flag(obj, LV_OBJ_FLAG_OVERFLOW_VISIBLE);
    if(children_reachable) {
        for(int32_t i = (int32_t)lv_obj_get_child_cnt(obj) - 1; i >= 0; i--) {
            lv_obj_t * found = lv_indev_search_obj(obj->spec_attr->children[i], point);
            if(found) return found;
        }
    }

    return hits_obj ? obj : NULL;
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

/* Clamp to [0, size - 1]; the upper bound wins, so a zero-sized display gives -1. */
static lv_coord_t keep_on_display(lv_coord_t v, lv_coord_t size)
{
    if(v < 0) v = 0;
    if(v >= size) v = size - 1;
    return v;
}

static void process_pointer(lv_indev_t * i, lv_indev_data_t * data)
{
    lv_disp_t * disp = i->driver->disp;

    /*_lv_indev_read repeats the unclamped point when a driver reports none*/
    i->proc.types.pointer.last_raw_point = data->point;

    /*A window host may report a position outside the client area while a
     *button is held*/
    data->point.x = keep_on_display(data->point.x, lv_disp_get_hor_res(disp));
    data->point.y = keep_on_display(data->point.y, lv_disp_get_ver_res(disp));
    i->proc.types.pointer.act_point = data->point;

    if(i->proc.state == LV_INDEV_STATE_PRESSED) pointer_pressed(&i->proc);
    else pointer_released(&i->proc);

    i->proc.types.pointer.last_point = i->proc.types.pointer.act_point;
}

/* NEXT/PREV move the focus; a keypad has no use for edit mode, so it is left first. */
static void keypad_move_focus(lv_group_t * g, uint32_t key)
{
    lv_group_set_editing(g, false);
    if(key == LV_KEY_NEXT) lv_group_focus_next(g);
    else lv_group_focus_prev(g);
}

/*
 * A key went down. Every key but NEXT/PREV reaches the focused object as
 * LV_EVENT_KEY; ENTER then also presses it and ESC cancels it.
 */
static void keypad_key_down(lv_indev_t * i, lv_group_t * g, uint32_t key, bool disabled)
{
    i->proc.pr_timestamp = lv_tick_get();

    if(key == LV_KEY_NEXT || key == LV_KEY_PREV) {
        keypad_move_focus(g, key);
        return;
    }
    if(disabled) return;

    lv_group_send_data(g, key);
    if(reset_requested(&i->proc)) return;

    if(key == LV_KEY_ENTER) lv_event_send(active_obj, LV_EVENT_PRESSED, active_indev);
    else if(key == LV_KEY_ESC) lv_event_send(active_obj, LV_EVENT_CANCEL, active_indev);
}

/* A key came up. Releasing ENTER completes the press begun by keypad_key_down as a click. */
static void keypad_key_up(lv_indev_t * i, uint32_t key)
{
    if(key == LV_KEY_ENTER) {
        lv_event_send(active_obj, LV_EVENT_RELEASED, active_indev);
        if(reset_requested(&i->proc)) return;

        if(i->proc.long_pr_sent == 0) {
            lv_event_send(active_obj, LV_EVENT_SHORT_CLICKED, active_indev);
            if(reset_requested(&i->proc)) return;
        }

        lv_event_send(active_obj, LV_EVENT_CLICKED, active_indev);
        if(reset_requested(&i->proc)) return;
    }
    i->proc.pr_timestamp = 0;
    i->proc.long_pr_sent = 0;
}

static void process_keypad(lv_indev_t * i, lv_indev_data_t * data)
{
    if(i->proc.wait_until_release) {
        if(data->state == LV_INDEV_STATE_PRESSED) return;
        /*The awaited release: end the press without acting on it*/
        i->proc.wait_until_release = 0;
        i->proc.pr_timestamp = 0;
        i->proc.long_pr_sent = 0;
        i->proc.types.keypad.last_state = LV_INDEV_STATE_RELEASED;
    }

    lv_group_t * g = i->group;
    if(g == NULL) return;

    active_obj = lv_group_get_focused(g);
    if(active_obj == NULL) return;

    bool disabled = lv_obj_has_state(active_obj, LV_STATE_DISABLED);

    /*Store key and state before any handler runs: handlers read the key
     *through lv_indev_get_key, and one that deletes objects cuts this call
     *short, yet the next reading must compare against this one*/
    uint32_t prev_key = i->proc.types.keypad.last_key;
    lv_indev_state_t prev_state = i->proc.types.keypad.last_state;
    i->proc.types.keypad.last_key = data->key;
    i->proc.types.keypad.last_state = data->state;

    bool pressed = data->state == LV_INDEV_STATE_PRESSED;
    bool was_pressed = prev_state == LV_INDEV_STATE_PRESSED;

    if(pressed && !was_pressed) {
        keypad_key_down(i, g, data->key, disabled);
    }
    else if(!disabled && pressed && was_pressed) {
        keypad_key_held(i, data, g);
    }
    else if(!disabled && !pressed && was_pressed) {
        /*Drivers may report no key with the release; it is the key that went down*/
        data->key = prev_key;
        keypad_key_up(i, data->key);
    }
    active_obj = NULL;
}

/**
 * A key held down: ENTER reports PRESSING and long presses; other keys
 * repeat at the long-press repeat period once the long-press time passed.
 */
static void keypad_key_held(lv_indev_t * i, lv_indev_data_t * data, lv_group_t * g)
{
    uint32_t key = data->key;
    if(key == LV_KEY_ENTER) {
        lv_event_send(active_obj, LV_EVENT_PRESSING, active_indev);
        if(reset_requested(&i->proc)) return;
    }

    if(i->proc.long_pr_sent == 0) {
        if(lv_tick_elaps(i->proc.pr_timestamp) <= i->driver->long_press_time) return;
        i->proc.long_pr_sent = 1;
        if(key == LV_KEY_ENTER) {
            i->proc.longpr_rep_timestamp = lv_tick_get();
            lv_event_send(active_obj, LV_EVENT_LONG_PRESSED, active_indev);
        }
        return;
    }

    if(lv_tick_elaps(i->proc.longpr_rep_timestamp) <= i->driver->long_press_repeat_time) return;
    i->proc.longpr_rep_timestamp = lv_tick_get();

    if(key == LV_KEY_ENTER) lv_event_send(active_obj, LV_EVENT_LONG_PRESSED_REPEAT, active_indev);
    else if(key == LV_KEY_NEXT || key == LV_KEY_PREV) keypad_move_focus(g, key);
    else lv_group_send_data(g, key);
}

/* System layer over top layer over the active screen. */
static lv_obj_t * object_under_point(lv_disp_t * disp, lv_point_t * p)
{
    lv_obj_t * obj = lv_indev_search_obj(lv_disp_get_layer_sys(disp), p);
    if(obj == NULL) obj = lv_indev_search_obj(lv_disp_get_layer_top(disp), p);
    if(obj == NULL) obj = lv_indev_search_obj(lv_disp_get_scr_act(disp), p);
    return obj;
}

/*
 * Whether the press should look for the object under the point again: when
 * nothing is pressed yet, or when the pressed object neither scrolls nor
 * holds on to the press (PRESS_LOCK).
 */
static bool press_may_change_object(const _lv_indev_proc_t * proc)
{
    lv_obj_t * pressed = proc->types.pointer.act_obj;
    if(pressed == NULL) return true;
    return proc->types.pointer.scroll_obj == NULL && !lv_obj_has_flag(pressed, LV_OBJ_FLAG_PRESS_LOCK);
}

/*
 * Movement since the last reading, and the throw speed kept for the release:
 * the average of the previous speed and this movement, which smooths the
 * jitter of single readings.
 */
static void track_motion(_lv_indev_proc_t * proc)
{
    lv_point_t * vect = &proc->types.pointer.vect;
    lv_point_t * thr = &proc->types.pointer.scroll_throw_vect;
    vect->x = proc->types.pointer.act_point.x - proc->types.pointer.last_point.x;
    vect->y = proc->types.pointer.act_point.y - proc->types.pointer.last_point.y;
    thr->x = (thr->x + vect->x) / 2;
    thr->y = (thr->y + vect->y) / 2;
    proc->types.pointer.scroll_throw_vect_ori = *thr;
}

/**
 * Process a pressed pointer: find the object under it (unless the pressed
 * object holds the press), switch objects with PRESS_LOST/PRESSED, then run
 * PRESSING, scrolling and long-press detection.
 */
static void pointer_pressed(_lv_indev_proc_t * proc)
{
    active_obj = proc->types.pointer.act_obj;
    if(proc->wait_until_release) return;

    bool searched = press_may_change_object(proc);
    if(searched) active_obj = object_under_point(active_indev->driver->disp, &proc->types.pointer.act_point);

    /*A new press catches a scroll of the previous one that is still being thrown*/
    if(searched && proc->types.pointer.last_obj) {
        proc->types.pointer.scroll_throw_vect.x = 0;
        proc->types.pointer.scroll_throw_vect.y = 0;
        throw_scroll(proc);
        if(reset_requested(proc)) return;
    }

    if(active_obj != proc->types.pointer.act_obj) {
        pointer_switch_object(proc);
        if(reset_requested(proc)) return;
        if(proc->wait_until_release) return;
    }

    track_motion(proc);

    if(active_obj) pointer_held(proc);
}

/* Start a fresh press: gesture, scroll and long-press tracking begin anew. */
static void restart_press_tracking(_lv_indev_proc_t * proc)
{
    proc->pr_timestamp = lv_tick_get();
    proc->long_pr_sent = 0;
    proc->types.pointer.scroll_sum.x = 0;
    proc->types.pointer.scroll_sum.y = 0;
    proc->types.pointer.scroll_dir = LV_DIR_NONE;
    proc->types.pointer.gesture_dir = LV_DIR_NONE;
    proc->types.pointer.gesture_sent = 0;
    proc->types.pointer.gesture_sum.x = 0;
    proc->types.pointer.gesture_sum.y = 0;
    proc->types.pointer.vect.x = 0;
    proc->types.pointer.vect.y = 0;
}

/* The pointer is over another object than before: the old one loses the press, the new one gets it. */
static void pointer_switch_object(_lv_indev_proc_t * proc)
{
    proc->types.pointer.last_point = proc->types.pointer.act_point;

    lv_obj_t * previous = proc->types.pointer.act_obj;
    if(previous != NULL) {
        lv_event_send(previous, LV_EVENT_PRESS_LOST, active_indev);
        if(reset_requested(proc)) return;
    }

    proc->types.pointer.act_obj = active_obj;
    proc->types.pointer.last_obj = active_obj;
    if(active_obj == NULL) return;

    restart_press_tracking(proc);
    lv_event_send(active_obj, LV_EVENT_PRESSED, active_indev);
}

/*
 * A press-locked object keeps the press when the pointer slides off it, but
 * shows it: PRESS_LOST on leaving, the pressed look again on coming back.
 */
static void follow_slide_off_and_back(_lv_indev_proc_t * proc)
{
    bool over = lv_obj_hit_test(active_obj, &proc->types.pointer.act_point);
    bool looks_pressed = lv_obj_has_state(active_obj, LV_STATE_PRESSED);
    if(!over && looks_pressed) {
        lv_event_send(active_obj, LV_EVENT_PRESS_LOST, active_indev);
    }
    else if(over && !looks_pressed) {
        lv_obj_add_state(active_obj, LV_STATE_PRESSED);
    }
}

/* LONG_PRESSED once after `long_press_time`, then LONG_PRESSED_REPEAT every `long_press_repeat_time`. */
static void check_long_press(_lv_indev_proc_t * proc)
{
    const lv_indev_drv_t * drv = active_indev->driver;
    if(proc->long_pr_sent == 0 && lv_tick_elaps(proc->pr_timestamp) > drv->long_press_time) {
        lv_event_send(active_obj, LV_EVENT_LONG_PRESSED, active_indev);
        if(reset_requested(proc)) return;
        proc->long_pr_sent = 1;
        proc->longpr_rep_timestamp = lv_tick_get();
    }

    if(proc->long_pr_sent == 1 && lv_tick_elaps(proc->longpr_rep_timestamp) > drv->long_press_repeat_time) {
        lv_event_send(active_obj, LV_EVENT_LONG_PRESSED_REPEAT, active_indev);
        if(reset_requested(proc)) return;
        proc->longpr_rep_timestamp = lv_tick_get();
    }
}

/**
 * The pressed object while the pointer is held: PRESSING, scroll handling,
 * leaving/returning over a press-locked object, long press and repeat.
 */
static void pointer_held(_lv_indev_proc_t * proc)
{
    lv_event_send(active_obj, LV_EVENT_PRESSING, active_indev);
    if(reset_requested(proc)) return;
    if(active_indev->proc.wait_until_release) return;

    drag_scroll(proc);
    if(reset_requested(proc)) return;

    /*Once the drag scrolls, the press is no longer a press of the object*/
    if(proc->types.pointer.scroll_obj != NULL) return;

    follow_slide_off_and_back(proc);
    if(reset_requested(proc)) return;

    check_long_press(proc);
}

/* A release over the pressed object that did not scroll is a click. */
static void send_clicks(_lv_indev_proc_t * proc)
{
    if(proc->long_pr_sent == 0) {
        lv_event_send(active_obj, LV_EVENT_SHORT_CLICKED, active_indev);
        if(reset_requested(proc)) return;
    }
    lv_event_send(active_obj, LV_EVENT_CLICKED, active_indev);
}

/**
 * Process a released pointer: RELEASED to the pressed object, then the
 * clicks (only when released over it and nothing scrolled) and focus; then
 * keep throwing a scroll that was in progress.
 */
static void pointer_released(_lv_indev_proc_t * proc)
{
    /*lv_indev_wait_release was called during the press: end it as lost*/
    if(proc->wait_until_release) {
        lv_event_send(proc->types.pointer.act_obj, LV_EVENT_PRESS_LOST, active_indev);
        if(reset_requested(proc)) return;

        proc->types.pointer.act_obj = NULL;
        proc->types.pointer.last_obj = NULL;
        proc->pr_timestamp = 0;
        proc->longpr_rep_timestamp = 0;
        proc->wait_until_release = 0;
    }

    active_obj = proc->types.pointer.act_obj;
    lv_obj_t * scroll_obj = proc->types.pointer.scroll_obj;

    if(active_obj) {
        bool over = lv_obj_hit_test(active_obj, &proc->types.pointer.act_point);

        lv_event_send(active_obj, LV_EVENT_RELEASED, active_indev);
        if(reset_requested(proc)) return;

        /*Focus follows a click only, so that a drag that turned into a
         *scroll, or a press that slid off the object, focuses nothing*/
        if(scroll_obj == NULL && over) {
            send_clicks(proc);
            if(reset_requested(proc)) return;
            focus_on_click(proc);
            if(reset_requested(proc)) return;
        }

        proc->types.pointer.act_obj = NULL;
        proc->pr_timestamp = 0;
        proc->longpr_rep_timestamp = 0;
    }

    if(scroll_obj) throw_scroll(proc);
}

/* Carry out a reset asked for with lv_indev_reset: forget the press, scroll and gesture. */
static void apply_pending_reset(lv_indev_t * indev)
{
    if(!indev->proc.reset_query) return;

    _lv_indev_proc_t * proc = &indev->proc;
    proc->types.pointer.act_obj = NULL;
    proc->types.pointer.last_obj = NULL;
    proc->types.pointer.scroll_obj = NULL;
    proc->long_pr_sent = 0;
    proc->pr_timestamp = 0;
    proc->longpr_rep_timestamp = 0;
    proc->types.pointer.scroll_sum.x = 0;
    proc->types.pointer.scroll_sum.y = 0;
    proc->types.pointer.scroll_dir = LV_DIR_NONE;
    proc->types.pointer.scroll_throw_vect.x = 0;
    proc->types.pointer.scroll_throw_vect.y = 0;
    proc->types.pointer.gesture_sum.x = 0;
    proc->types.pointer.gesture_sum.y = 0;
    proc->reset_query = 0;
    active_obj = NULL;
}

/* Send DEFOCUSED (or LEAVE, when it stays focused in its group) to the previously clicked object. */
static void release_previous_focus(_lv_indev_proc_t * proc, lv_obj_t * prev, bool stays_in_group)
{
    if(prev == NULL) return;
    lv_event_send(prev, stays_in_group ? LV_EVENT_LEAVE : LV_EVENT_DEFOCUSED, active_indev);
}

/* Objects in a group are focused through it; others just get FOCUSED. */
static void give_focus(lv_obj_t * obj, lv_group_t * group)
{
    if(group) lv_group_focus_obj(obj);
    else lv_event_send(obj, LV_EVENT_FOCUSED, active_indev);
}

/*
 * A click moves the focus to the clicked object if it is click-focusable and
 * was not the last one clicked. Within one group the group does the
 * defocusing. Otherwise the last clicked object is defocused when it has no
 * group, and gets LEAVE when it has one (it stays that group's focus).
 */
static void focus_on_click(_lv_indev_proc_t * proc)
{
    lv_obj_t * prev = proc->types.pointer.last_pressed;
    if(!lv_obj_has_flag(active_obj, LV_OBJ_FLAG_CLICK_FOCUSABLE) || prev == active_obj) return;

    lv_group_t * g_new = lv_obj_get_group(active_obj);
    lv_group_t * g_prev = prev ? lv_obj_get_group(prev) : NULL;

    if(g_new == NULL || g_new != g_prev) {
        /*With no group at all, prev is plainly defocused; with a group it only leaves*/
        release_previous_focus(proc, prev, g_new != g_prev && g_prev != NULL);
        if(reset_requested(proc)) return;
    }

    give_focus(active_obj, g_new);
    if(reset_requested(proc)) return;

    proc->types.pointer.last_pressed = active_obj;
}

/*
 * After every event: did a handler ask for a reset (e.g. by deleting the
 * object in use)? Then the caller must stop processing this reading.
 */
static bool reset_requested(_lv_indev_proc_t * proc)
{
    if(proc->reset_query) active_obj = NULL;
    return proc->reset_query != 0;
}

/*=====================
 * Scrolling by drag
 *====================*/

/**
 * While pressed: sum the movement until it passes `scroll_limit`, then pick
 * the object to scroll and scroll it by each later movement, within its
 * limits (no elastic over-scroll).
 */
static void drag_scroll(_lv_indev_proc_t * proc)
{
    lv_obj_t * scroll_obj = proc->types.pointer.scroll_obj;
    if(scroll_obj == NULL) {
        proc->types.pointer.scroll_sum.x += proc->types.pointer.vect.x;
        proc->types.pointer.scroll_sum.y += proc->types.pointer.vect.y;

        scroll_obj = pick_scroll_target(proc);
        if(scroll_obj == NULL) return;

        lv_obj_get_coords(scroll_obj, &proc->types.pointer.scroll_area);
        lv_event_send(scroll_obj, LV_EVENT_SCROLL_BEGIN, NULL);
        if(proc->reset_query) return;

        /*The pressed object is no longer pressed, the drag scrolls now*/
        if(proc->types.pointer.act_obj) lv_obj_clear_state(proc->types.pointer.act_obj, LV_STATE_PRESSED);

        /*Apply the movement summed so far so the content follows the finger*/
        proc->types.pointer.vect = proc->types.pointer.scroll_sum;
    }

    /*Only along the direction the scroll was started in*/
    lv_point_t v = proc->types.pointer.vect;
    if(v.x == 0 && v.y == 0) return;
    if(proc->types.pointer.scroll_dir == LV_DIR_HOR) v.y = 0;
    else v.x = 0;
    lv_obj_scroll_by_bounded(scroll_obj, v.x, v.y, LV_ANIM_OFF);
}

/**
 * After release, keep scrolling by the last movement, slowed by
 * `scroll_throw` percent every read, until it stops; then SCROLL_END.
 * Objects without LV_OBJ_FLAG_SCROLL_MOMENTUM stop at once.
 */
static void throw_scroll(_lv_indev_proc_t * proc)
{
    lv_obj_t * scroll_obj = proc->types.pointer.scroll_obj;
    if(scroll_obj == NULL) return;
    if(proc->types.pointer.scroll_dir == LV_DIR_NONE) return;

    lv_indev_t * indev = lv_indev_get_act();
    lv_coord_t scroll_throw = indev ? indev->driver->scroll_throw : LV_INDEV_DEF_SCROLL_THROW;

    if(lv_obj_has_flag(scroll_obj, LV_OBJ_FLAG_SCROLL_MOMENTUM) == false) {
        proc->types.pointer.scroll_throw_vect.y = 0;
        proc->types.pointer.scroll_throw_vect.x = 0;
    }

    lv_point_t * v = &proc->types.pointer.scroll_throw_vect;
    v->x = v->x * (100 - scroll_throw) / 100;
    v->y = v->y * (100 - scroll_throw) / 100;
    if(proc->types.pointer.scroll_dir == LV_DIR_HOR) v->y = 0;
    else v->x = 0;

    if(v->x != 0 || v->y != 0) {
        lv_obj_scroll_by_bounded(scroll_obj, v->x, v->y, LV_ANIM_OFF);
        return;
    }

    /*Come to rest*/
    proc->types.pointer.scroll_dir = LV_DIR_NONE;
    proc->types.pointer.scroll_obj = NULL;
    /*A handler may delete the object that came to rest*/
    if(lv_event_send(scroll_obj, LV_EVENT_SCROLL_END, active_indev) != LV_RES_OK) return;
    if(proc->reset_query) return;
    lv_obj_scrollbar_invalidate(scroll_obj);
}

/**
 * Walk up from the pressed object to the first scrollable object that can
 * move in the dominant drag direction (allowed by its scroll_dir and having
 * content beyond that edge). Chaining stops at objects without the chain flag.
 */
static lv_obj_t * pick_scroll_target(_lv_indev_proc_t * proc)
{
    lv_indev_t * indev = lv_indev_get_act();
    lv_coord_t scroll_limit = indev->driver->scroll_limit;
    lv_point_t sum = proc->types.pointer.scroll_sum;

    bool hor_en = LV_ABS(sum.x) >= scroll_limit && LV_ABS(sum.x) > LV_ABS(sum.y);
    bool ver_en = LV_ABS(sum.y) >= scroll_limit && LV_ABS(sum.y) >= LV_ABS(sum.x);
    if(!hor_en && !ver_en) return NULL;

    lv_obj_t * candidate = proc->types.pointer.act_obj;
    while(candidate) {
        if(lv_obj_has_flag(candidate, LV_OBJ_FLAG_SCROLLABLE)) {
            lv_dir_t dir = lv_obj_get_scroll_dir(candidate);
            bool can = false;
            if(ver_en && (dir & LV_DIR_VER)) {
                /*Dragging down shows the content above*/
                if(sum.y > 0) can = lv_obj_get_scroll_top(candidate) > 0;
                else can = lv_obj_get_scroll_bottom(candidate) > 0;
            }
            if(hor_en && (dir & LV_DIR_HOR)) {
                if(sum.x > 0) can = lv_obj_get_scroll_left(candidate) > 0;
                else can = lv_obj_get_scroll_right(candidate) > 0;
            }
            if(can) {
                proc->types.pointer.scroll_dir = hor_en ? LV_DIR_HOR : LV_DIR_VER;
                proc->types.pointer.scroll_obj = candidate;
                return candidate;
            }
        }

        bool chain = hor_en ? lv_obj_has_flag(candidate, LV_OBJ_FLAG_SCROLL_CHAIN_HOR) :
                     lv_obj_has_flag(candidate, LV_OBJ_FLAG_SCROLL_CHAIN_VER);
        if(!chain) break;
        candidate = lv_obj_get_parent(candidate);
    }
    return NULL;
}
