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
static void indev_pointer_proc(lv_indev_t * i, lv_indev_data_t * data);
static void indev_keypad_proc(lv_indev_t * i, lv_indev_data_t * data);
static void indev_keypad_pressing(lv_indev_t * i, lv_indev_data_t * data, lv_group_t * g);
static void indev_proc_press(_lv_indev_proc_t * proc);
static void indev_proc_press_new_obj(_lv_indev_proc_t * proc);
static void indev_proc_pressing(_lv_indev_proc_t * proc);
static void indev_proc_release(_lv_indev_proc_t * proc);
static void indev_proc_reset_query_handler(lv_indev_t * indev);
static void indev_click_focus(_lv_indev_proc_t * proc);
static bool indev_reset_check(_lv_indev_proc_t * proc);
static lv_obj_t * pointer_search_obj(lv_disp_t * disp, lv_point_t * p);
static void scroll_handler(_lv_indev_proc_t * proc);
static void scroll_throw_handler(_lv_indev_proc_t * proc);
static lv_obj_t * find_scroll_obj(_lv_indev_proc_t * proc);

/**********************
 *  STATIC VARIABLES
 **********************/
static lv_indev_t * indev_act;
static lv_obj_t * indev_obj_act = NULL;

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

void lv_indev_read_timer_cb(lv_timer_t * timer)
{
    lv_indev_data_t data;

    indev_act = timer->user_data;

    /*Read and process all indevs*/
    if(indev_act->driver->disp == NULL) return; /*Not assigned to any displays*/

    /*Handle reset query before processing the point*/
    indev_proc_reset_query_handler(indev_act);

    /*Input is disabled, or a screen load animation is running*/
    if(indev_act->proc.disabled || indev_act->driver->disp->prev_scr != NULL) {
        indev_act = NULL;
        return;
    }
    bool continue_reading;
    do {
        /*Read the data*/
        _lv_indev_read(indev_act, &data);
        continue_reading = data.continue_reading;

        /*The active object might be deleted even in the read function*/
        indev_proc_reset_query_handler(indev_act);
        indev_obj_act = NULL;

        indev_act->proc.state = data.state;

        /*Save the last activity time*/
        if(indev_act->proc.state == LV_INDEV_STATE_PRESSED) {
            indev_act->driver->disp->last_activity_time = lv_tick_get();
        }

        if(indev_act->driver->type == LV_INDEV_TYPE_POINTER) {
            indev_pointer_proc(indev_act, &data);
        }
        else if(indev_act->driver->type == LV_INDEV_TYPE_KEYPAD) {
            indev_keypad_proc(indev_act, &data);
        }
        /*Handle reset query if it happened in during processing*/
        indev_proc_reset_query_handler(indev_act);
    } while(continue_reading);

    /*End of indev processing, so no act indev*/
    indev_act     = NULL;
    indev_obj_act = NULL;
}

void lv_indev_enable(lv_indev_t * indev, bool en)
{
    uint8_t enable = en ? 0 : 1;

    if(indev) {
        indev->proc.disabled = enable;
    }
    else {
        lv_indev_t * i = lv_indev_get_next(NULL);
        while(i) {
            i->proc.disabled = enable;
            i = lv_indev_get_next(i);
        }
    }
}

lv_indev_t * lv_indev_get_act(void)
{
    return indev_act;
}

lv_indev_type_t lv_indev_get_type(const lv_indev_t * indev)
{
    if(indev == NULL) return LV_INDEV_TYPE_NONE;

    return indev->driver->type;
}

void lv_indev_reset(lv_indev_t * indev, lv_obj_t * obj)
{
    if(indev) {
        indev->proc.reset_query = 1;
        if(indev_act == indev) indev_obj_act = NULL;
        if(indev->driver->type == LV_INDEV_TYPE_POINTER || indev->driver->type == LV_INDEV_TYPE_KEYPAD) {
            if(obj == NULL || indev->proc.types.pointer.last_pressed == obj) {
                indev->proc.types.pointer.last_pressed = NULL;
            }
        }
    }
    else {
        lv_indev_t * i = lv_indev_get_next(NULL);
        while(i) {
            i->proc.reset_query = 1;
            if(indev_act == i) indev_obj_act = NULL;
            if(i->driver->type == LV_INDEV_TYPE_POINTER || i->driver->type == LV_INDEV_TYPE_KEYPAD) {
                if(obj == NULL || i->proc.types.pointer.last_pressed == obj) {
                    i->proc.types.pointer.last_pressed = NULL;
                }
            }
            i = lv_indev_get_next(i);
        }
        indev_obj_act = NULL;
    }
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
    else return indev->proc.types.keypad.last_key;
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
    if(indev == NULL)return;
    indev->proc.wait_until_release = 1;
}

lv_obj_t * lv_indev_get_obj_act(void)
{
    return indev_obj_act;
}

lv_timer_t * lv_indev_get_read_timer(lv_disp_t * indev)
{
    lv_indev_t * i = (lv_indev_t *)indev;
    if(!i) return NULL;
    return i->driver->read_timer;
}

/**
 * The topmost object under `point` that accepts it (see lv_obj_hit_test):
 * children are searched from the youngest, hidden subtrees are skipped, and
 * a disabled object is passed over so its parent may take the press.
 */
lv_obj_t * lv_indev_search_obj(lv_obj_t * obj, lv_point_t * point)
{
    lv_obj_t * found_p = NULL;

    /*No screen loaded (e.g. the active one was deleted): nothing to hit*/
    if(obj == NULL) return NULL;

    /*If this obj is hidden the children are hidden too so return immediately*/
    if(lv_obj_has_flag(obj, LV_OBJ_FLAG_HIDDEN)) return NULL;

    bool hit_test_ok = lv_obj_hit_test(obj, point);

    /*If the point is on this object or has overflow visible check its children too*/
    if(_lv_area_is_point_on(&obj->coords, point, 0) || lv_obj_has_flag(obj, LV_OBJ_FLAG_OVERFLOW_VISIBLE)) {
        int32_t i;
        uint32_t child_cnt = lv_obj_get_child_cnt(obj);

        /*If a child matches use it*/
        for(i = child_cnt - 1; i >= 0; i--) {
            lv_obj_t * child = obj->spec_attr->children[i];
            found_p = lv_indev_search_obj(child, point);
            if(found_p) return found_p;
        }
    }

    /*If not return earlier for a clicked child and this obj's hittest was ok use it
     *else return NULL*/
    if(hit_test_ok) return obj;
    else return NULL;
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

static void indev_pointer_proc(lv_indev_t * i, lv_indev_data_t * data)
{
    lv_disp_t * disp = i->driver->disp;
    /*Save the raw points so they can be used again in _lv_indev_read*/
    i->proc.types.pointer.last_raw_point.x = data->point.x;
    i->proc.types.pointer.last_raw_point.y = data->point.y;

    /*Keep the point on the display: a window host may report a position
     *outside the client area while a button is held*/
    lv_coord_t hor_res = lv_disp_get_hor_res(disp);
    lv_coord_t ver_res = lv_disp_get_ver_res(disp);
    if(data->point.x < 0) data->point.x = 0;
    if(data->point.y < 0) data->point.y = 0;
    if(data->point.x >= hor_res) data->point.x = hor_res - 1;
    if(data->point.y >= ver_res) data->point.y = ver_res - 1;

    i->proc.types.pointer.act_point.x = data->point.x;
    i->proc.types.pointer.act_point.y = data->point.y;

    if(i->proc.state == LV_INDEV_STATE_PRESSED) {
        indev_proc_press(&i->proc);
    }
    else {
        indev_proc_release(&i->proc);
    }

    i->proc.types.pointer.last_point.x = i->proc.types.pointer.act_point.x;
    i->proc.types.pointer.last_point.y = i->proc.types.pointer.act_point.y;
}

static void indev_keypad_proc(lv_indev_t * i, lv_indev_data_t * data)
{
    if(data->state == LV_INDEV_STATE_PRESSED && i->proc.wait_until_release) return;

    if(i->proc.wait_until_release) {
        i->proc.wait_until_release      = 0;
        i->proc.pr_timestamp            = 0;
        i->proc.long_pr_sent            = 0;
        i->proc.types.keypad.last_state = LV_INDEV_STATE_RELEASED; /*To skip the processing of release*/
    }

    lv_group_t * g = i->group;
    if(g == NULL) return;

    indev_obj_act = lv_group_get_focused(g);
    if(indev_obj_act == NULL) return;

    bool dis = lv_obj_has_state(indev_obj_act, LV_STATE_DISABLED);

    /*Save the last key to compare it with the current latter on RELEASE*/
    uint32_t prev_key = i->proc.types.keypad.last_key;

    /*Save the last key.
     *It must be done here else `lv_indev_get_key` will return the last key in events*/
    i->proc.types.keypad.last_key = data->key;

    /*Save the previous state so we can detect state changes below and also set the last state now
     *so if any event handler on the way returns `LV_RES_INV` the last state is remembered
     *for the next time*/
    uint32_t prev_state             = i->proc.types.keypad.last_state;
    i->proc.types.keypad.last_state = data->state;

    /*Key press happened*/
    if(data->state == LV_INDEV_STATE_PRESSED && prev_state == LV_INDEV_STATE_RELEASED) {
        i->proc.pr_timestamp = lv_tick_get();

        if(data->key == LV_KEY_NEXT) {
            lv_group_set_editing(g, false); /*Editing is not used by KEYPAD is be sure it is disabled*/
            lv_group_focus_next(g);
            if(indev_reset_check(&i->proc)) return;
        }
        else if(data->key == LV_KEY_PREV) {
            lv_group_set_editing(g, false); /*Editing is not used by KEYPAD is be sure it is disabled*/
            lv_group_focus_prev(g);
            if(indev_reset_check(&i->proc)) return;
        }
        else if(!dis) {
            /*Simulate a press on the object if ENTER was pressed*/
            if(data->key == LV_KEY_ENTER) {
                /*Send the ENTER as a normal KEY*/
                lv_group_send_data(g, LV_KEY_ENTER);
                if(indev_reset_check(&i->proc)) return;

                lv_event_send(indev_obj_act, LV_EVENT_PRESSED, indev_act);
                if(indev_reset_check(&i->proc)) return;
            }
            else if(data->key == LV_KEY_ESC) {
                /*Send the ESC as a normal KEY*/
                lv_group_send_data(g, LV_KEY_ESC);
                if(indev_reset_check(&i->proc)) return;

                lv_event_send(indev_obj_act, LV_EVENT_CANCEL, indev_act);
                if(indev_reset_check(&i->proc)) return;
            }
            /*Just send other keys to the object (e.g. 'A' or `LV_GROUP_KEY_RIGHT`)*/
            else {
                lv_group_send_data(g, data->key);
                if(indev_reset_check(&i->proc)) return;
            }
        }
    }
    /*Pressing*/
    else if(!dis && data->state == LV_INDEV_STATE_PRESSED && prev_state == LV_INDEV_STATE_PRESSED) {
        indev_keypad_pressing(i, data, g);
    }
    /*Release happened*/
    else if(!dis && data->state == LV_INDEV_STATE_RELEASED && prev_state == LV_INDEV_STATE_PRESSED) {
        /*The user might clear the key when it was released. Always release the pressed key*/
        data->key = prev_key;
        if(data->key == LV_KEY_ENTER) {
            lv_event_send(indev_obj_act, LV_EVENT_RELEASED, indev_act);
            if(indev_reset_check(&i->proc)) return;

            if(i->proc.long_pr_sent == 0) {
                lv_event_send(indev_obj_act, LV_EVENT_SHORT_CLICKED, indev_act);
                if(indev_reset_check(&i->proc)) return;
            }

            lv_event_send(indev_obj_act, LV_EVENT_CLICKED, indev_act);
            if(indev_reset_check(&i->proc)) return;
        }
        i->proc.pr_timestamp = 0;
        i->proc.long_pr_sent = 0;
    }
    indev_obj_act = NULL;
}

/**
 * A key held down: ENTER reports PRESSING and long presses; other keys
 * repeat at the long-press repeat period once the long-press time passed.
 */
static void indev_keypad_pressing(lv_indev_t * i, lv_indev_data_t * data, lv_group_t * g)
{
    if(data->key == LV_KEY_ENTER) {
        lv_event_send(indev_obj_act, LV_EVENT_PRESSING, indev_act);
        if(indev_reset_check(&i->proc)) return;
    }

    /*Long press time has elapsed?*/
    if(i->proc.long_pr_sent == 0 && lv_tick_elaps(i->proc.pr_timestamp) > i->driver->long_press_time) {
        i->proc.long_pr_sent = 1;
        if(data->key == LV_KEY_ENTER) {
            i->proc.longpr_rep_timestamp = lv_tick_get();
            lv_event_send(indev_obj_act, LV_EVENT_LONG_PRESSED, indev_act);
            if(indev_reset_check(&i->proc)) return;
        }
    }
    /*Long press repeated time has elapsed?*/
    else if(i->proc.long_pr_sent != 0 &&
            lv_tick_elaps(i->proc.longpr_rep_timestamp) > i->driver->long_press_repeat_time) {

        i->proc.longpr_rep_timestamp = lv_tick_get();

        if(data->key == LV_KEY_ENTER) {
            lv_event_send(indev_obj_act, LV_EVENT_LONG_PRESSED_REPEAT, indev_act);
            if(indev_reset_check(&i->proc)) return;
        }
        else if(data->key == LV_KEY_NEXT) {
            lv_group_set_editing(g, false);
            lv_group_focus_next(g);
            if(indev_reset_check(&i->proc)) return;
        }
        else if(data->key == LV_KEY_PREV) {
            lv_group_set_editing(g, false);
            lv_group_focus_prev(g);
            if(indev_reset_check(&i->proc)) return;
        }
        else {
            lv_group_send_data(g, data->key);
            if(indev_reset_check(&i->proc)) return;
        }
    }
}

static lv_obj_t * pointer_search_obj(lv_disp_t * disp, lv_point_t * p)
{
    lv_obj_t * obj = lv_indev_search_obj(lv_disp_get_layer_sys(disp), p);
    if(obj == NULL) obj = lv_indev_search_obj(lv_disp_get_layer_top(disp), p);
    if(obj == NULL) obj = lv_indev_search_obj(lv_disp_get_scr_act(disp), p);
    return obj;
}

/**
 * Process a pressed pointer: find the object under it (unless the pressed
 * object holds the press), switch objects with PRESS_LOST/PRESSED, then run
 * PRESSING, scrolling and long-press detection.
 */
static void indev_proc_press(_lv_indev_proc_t * proc)
{
    indev_obj_act = proc->types.pointer.act_obj;

    if(proc->wait_until_release != 0) return;

    lv_disp_t * disp = indev_act->driver->disp;
    bool new_obj_searched = false;

    /*If there is no last object then search*/
    if(indev_obj_act == NULL) {
        indev_obj_act = pointer_search_obj(disp, &proc->types.pointer.act_point);
        new_obj_searched = true;
    }
    /*If there is last object but it is not scrolled and not protected also search*/
    else if(proc->types.pointer.scroll_obj == NULL &&
            lv_obj_has_flag(indev_obj_act, LV_OBJ_FLAG_PRESS_LOCK) == false) {
        indev_obj_act = pointer_search_obj(disp, &proc->types.pointer.act_point);
        new_obj_searched = true;
    }

    /*The last object might have scroll throw. Stop it manually*/
    if(new_obj_searched && proc->types.pointer.last_obj) {
        proc->types.pointer.scroll_throw_vect.x = 0;
        proc->types.pointer.scroll_throw_vect.y = 0;
        scroll_throw_handler(proc);
        if(indev_reset_check(proc)) return;
    }

    /*If a new object was found reset some variables and send a pressed event handler*/
    if(indev_obj_act != proc->types.pointer.act_obj) {
        indev_proc_press_new_obj(proc);
        if(indev_reset_check(proc)) return;
        if(proc->wait_until_release) return;
    }

    /*Calculate the vector and apply a low pass filter: new value = 0.5 * old_value + 0.5 * new_value*/
    proc->types.pointer.vect.x = proc->types.pointer.act_point.x - proc->types.pointer.last_point.x;
    proc->types.pointer.vect.y = proc->types.pointer.act_point.y - proc->types.pointer.last_point.y;

    proc->types.pointer.scroll_throw_vect.x = (proc->types.pointer.scroll_throw_vect.x + proc->types.pointer.vect.x) / 2;
    proc->types.pointer.scroll_throw_vect.y = (proc->types.pointer.scroll_throw_vect.y + proc->types.pointer.vect.y) / 2;

    proc->types.pointer.scroll_throw_vect_ori = proc->types.pointer.scroll_throw_vect;

    if(indev_obj_act) indev_proc_pressing(proc);
}

static void indev_proc_press_new_obj(_lv_indev_proc_t * proc)
{
    proc->types.pointer.last_point.x = proc->types.pointer.act_point.x;
    proc->types.pointer.last_point.y = proc->types.pointer.act_point.y;

    /*If a new object found the previous was lost, so send a PRESS_LOST event*/
    if(proc->types.pointer.act_obj != NULL) {
        /*Save the obj because in special cases `act_obj` can change in the event */
        lv_obj_t * last_obj = proc->types.pointer.act_obj;

        lv_event_send(last_obj, LV_EVENT_PRESS_LOST, indev_act);
        if(indev_reset_check(proc)) return;
    }

    proc->types.pointer.act_obj  = indev_obj_act; /*Save the pressed object*/
    proc->types.pointer.last_obj = indev_obj_act;

    if(indev_obj_act == NULL) return;

    /*Save the time when the obj pressed to count long press time.*/
    proc->pr_timestamp                 = lv_tick_get();
    proc->long_pr_sent                 = 0;
    proc->types.pointer.scroll_sum.x     = 0;
    proc->types.pointer.scroll_sum.y     = 0;
    proc->types.pointer.scroll_dir = LV_DIR_NONE;
    proc->types.pointer.gesture_dir = LV_DIR_NONE;
    proc->types.pointer.gesture_sent   = 0;
    proc->types.pointer.gesture_sum.x  = 0;
    proc->types.pointer.gesture_sum.y  = 0;
    proc->types.pointer.vect.x         = 0;
    proc->types.pointer.vect.y         = 0;

    /*Call the ancestor's event handler about the press*/
    lv_event_send(indev_obj_act, LV_EVENT_PRESSED, indev_act);
}

/**
 * The pressed object while the pointer is held: PRESSING, scroll handling,
 * leaving/returning over a press-locked object, long press and repeat.
 */
static void indev_proc_pressing(_lv_indev_proc_t * proc)
{
    lv_event_send(indev_obj_act, LV_EVENT_PRESSING, indev_act);
    if(indev_reset_check(proc)) return;

    if(indev_act->proc.wait_until_release) return;

    scroll_handler(proc);
    if(indev_reset_check(proc)) return;

    /*A press-locked object keeps the press when the pointer slides off it, but
     *shows it: PRESS_LOST on leaving, pressed look again on coming back*/
    if(proc->types.pointer.scroll_obj == NULL) {
        bool over = lv_obj_hit_test(indev_obj_act, &proc->types.pointer.act_point);
        bool was_pressed = lv_obj_has_state(indev_obj_act, LV_STATE_PRESSED);
        if(!over && was_pressed) {
            lv_event_send(indev_obj_act, LV_EVENT_PRESS_LOST, indev_act);
            if(indev_reset_check(proc)) return;
        }
        else if(over && !was_pressed) {
            lv_obj_add_state(indev_obj_act, LV_STATE_PRESSED);
        }
    }

    /*If there is no scrolling then check for long press time*/
    if(proc->types.pointer.scroll_obj == NULL && proc->long_pr_sent == 0) {
        /*Call the ancestor's event handler about the long press if enough time elapsed*/
        if(lv_tick_elaps(proc->pr_timestamp) > indev_act->driver->long_press_time) {
            lv_event_send(indev_obj_act, LV_EVENT_LONG_PRESSED, indev_act);
            if(indev_reset_check(proc)) return;

            /*Mark the Call the ancestor's event handler sending to do not send it again*/
            proc->long_pr_sent = 1;

            /*Save the long press time stamp for the long press repeat handler*/
            proc->longpr_rep_timestamp = lv_tick_get();
        }
    }

    /*Send long press repeated Call the ancestor's event handler*/
    if(proc->types.pointer.scroll_obj == NULL && proc->long_pr_sent == 1) {
        /*Call the ancestor's event handler about the long press repeat if enough time elapsed*/
        if(lv_tick_elaps(proc->longpr_rep_timestamp) > indev_act->driver->long_press_repeat_time) {
            lv_event_send(indev_obj_act, LV_EVENT_LONG_PRESSED_REPEAT, indev_act);
            if(indev_reset_check(proc)) return;
            proc->longpr_rep_timestamp = lv_tick_get();
        }
    }
}

/**
 * Process a released pointer: RELEASED to the pressed object, then the
 * clicks (only when released over it and nothing scrolled) and focus; then
 * keep throwing a scroll that was in progress.
 */
static void indev_proc_release(_lv_indev_proc_t * proc)
{
    if(proc->wait_until_release != 0) {
        lv_event_send(proc->types.pointer.act_obj, LV_EVENT_PRESS_LOST, indev_act);
        if(indev_reset_check(proc)) return;

        proc->types.pointer.act_obj  = NULL;
        proc->types.pointer.last_obj = NULL;
        proc->pr_timestamp           = 0;
        proc->longpr_rep_timestamp   = 0;
        proc->wait_until_release     = 0;
    }
    indev_obj_act = proc->types.pointer.act_obj;
    lv_obj_t * scroll_obj = proc->types.pointer.scroll_obj;

    /*Forget the act obj and send a released event*/
    if(indev_obj_act) {
        bool over = lv_obj_hit_test(indev_obj_act, &proc->types.pointer.act_point);

        lv_event_send(indev_obj_act, LV_EVENT_RELEASED, indev_act);
        if(indev_reset_check(proc)) return;

        /*Send CLICK if no scrolling and released where it was pressed*/
        if(scroll_obj == NULL && over) {
            if(proc->long_pr_sent == 0) {
                lv_event_send(indev_obj_act, LV_EVENT_SHORT_CLICKED, indev_act);
                if(indev_reset_check(proc)) return;
            }

            lv_event_send(indev_obj_act, LV_EVENT_CLICKED, indev_act);
            if(indev_reset_check(proc)) return;
        }

        /*Focus on a click only, so that a drag that turns into a scroll, or a
         *press that slid off the object, focuses nothing*/
        if(scroll_obj == NULL && over) {
            indev_click_focus(proc);
            if(indev_reset_check(proc)) return;
        }

        proc->types.pointer.act_obj = NULL;
        proc->pr_timestamp          = 0;
        proc->longpr_rep_timestamp  = 0;
    }

    /*The reset can be set in the Call the ancestor's event handler function.
     * In case of reset query ignore the remaining parts.*/
    if(scroll_obj) {
        scroll_throw_handler(proc);
        if(indev_reset_check(proc)) return;
    }
}

static void indev_proc_reset_query_handler(lv_indev_t * indev)
{
    if(indev->proc.reset_query) {
        indev->proc.types.pointer.act_obj           = NULL;
        indev->proc.types.pointer.last_obj          = NULL;
        indev->proc.types.pointer.scroll_obj          = NULL;
        indev->proc.long_pr_sent                    = 0;
        indev->proc.pr_timestamp                    = 0;
        indev->proc.longpr_rep_timestamp            = 0;
        indev->proc.types.pointer.scroll_sum.x        = 0;
        indev->proc.types.pointer.scroll_sum.y        = 0;
        indev->proc.types.pointer.scroll_dir = LV_DIR_NONE;
        indev->proc.types.pointer.scroll_throw_vect.x = 0;
        indev->proc.types.pointer.scroll_throw_vect.y = 0;
        indev->proc.types.pointer.gesture_sum.x     = 0;
        indev->proc.types.pointer.gesture_sum.y     = 0;
        indev->proc.reset_query                     = 0;
        indev_obj_act                               = NULL;
    }
}

/**
 * Handle focus/defocus on click for POINTER input devices
 */
static void indev_click_focus(_lv_indev_proc_t * proc)
{
    /*Handle click focus*/
    if(lv_obj_has_flag(indev_obj_act, LV_OBJ_FLAG_CLICK_FOCUSABLE) == false ||
       proc->types.pointer.last_pressed == indev_obj_act) {
        return;
    }

    lv_group_t * g_act = lv_obj_get_group(indev_obj_act);
    lv_group_t * g_prev = proc->types.pointer.last_pressed ? lv_obj_get_group(proc->types.pointer.last_pressed) : NULL;

    /*If both the last and act. obj. are in the same group (or have no group)*/
    if(g_act == g_prev) {
        /*The objects are in a group*/
        if(g_act) {
            lv_group_focus_obj(indev_obj_act);
            if(indev_reset_check(proc)) return;
        }
        /*The object are not in group*/
        else {
            if(proc->types.pointer.last_pressed) {
                lv_event_send(proc->types.pointer.last_pressed, LV_EVENT_DEFOCUSED, indev_act);
                if(indev_reset_check(proc)) return;
            }

            lv_event_send(indev_obj_act, LV_EVENT_FOCUSED, indev_act);
            if(indev_reset_check(proc)) return;
        }
    }
    /*The object are not in the same group (in different groups or one has no group)*/
    else {
        /*If the prev. obj. is not in a group then defocus it.*/
        if(g_prev == NULL && proc->types.pointer.last_pressed) {
            lv_event_send(proc->types.pointer.last_pressed, LV_EVENT_DEFOCUSED, indev_act);
            if(indev_reset_check(proc)) return;
        }
        /*Focus on a non-group object*/
        else {
            if(proc->types.pointer.last_pressed) {
                /*If the prev. object also was in a group at least "LEAVE" it instead of defocus*/
                lv_event_send(proc->types.pointer.last_pressed, LV_EVENT_LEAVE, indev_act);
                if(indev_reset_check(proc)) return;
            }
        }

        /*Focus to the act. in its group*/
        if(g_act) {
            lv_group_focus_obj(indev_obj_act);
            if(indev_reset_check(proc)) return;
        }
        else {
            lv_event_send(indev_obj_act, LV_EVENT_FOCUSED, indev_act);
            if(indev_reset_check(proc)) return;
        }
    }
    proc->types.pointer.last_pressed = indev_obj_act;
}

/**
 * Checks if the reset_query flag has been set. If so, perform necessary global indev cleanup actions
 * @return true if indev query should be immediately truncated.
 */
static bool indev_reset_check(_lv_indev_proc_t * proc)
{
    if(proc->reset_query) {
        indev_obj_act = NULL;
    }

    return proc->reset_query ? true : false;
}

/*=====================
 * Scrolling by drag
 *====================*/

/**
 * While pressed: sum the movement until it passes `scroll_limit`, then pick
 * the object to scroll and scroll it by each later movement, within its
 * limits (no elastic over-scroll).
 */
static void scroll_handler(_lv_indev_proc_t * proc)
{
    lv_obj_t * scroll_obj = proc->types.pointer.scroll_obj;
    /*If there is no scroll object yet try to find one*/
    if(scroll_obj == NULL) {
        proc->types.pointer.scroll_sum.x += proc->types.pointer.vect.x;
        proc->types.pointer.scroll_sum.y += proc->types.pointer.vect.y;

        scroll_obj = find_scroll_obj(proc);
        if(scroll_obj == NULL) return;

        lv_obj_get_coords(scroll_obj, &proc->types.pointer.scroll_area);
        lv_event_send(scroll_obj, LV_EVENT_SCROLL_BEGIN, NULL);
        if(proc->reset_query) return;

        /*The pressed object is no longer pressed, the drag scrolls now*/
        if(proc->types.pointer.act_obj) lv_obj_clear_state(proc->types.pointer.act_obj, LV_STATE_PRESSED);

        /*Apply the movement summed so far so the content follows the finger*/
        proc->types.pointer.vect = proc->types.pointer.scroll_sum;
    }

    /*Set new position or scroll if the vector is not zero*/
    if(proc->types.pointer.vect.x != 0 || proc->types.pointer.vect.y != 0) {
        lv_coord_t diff_x = 0;
        lv_coord_t diff_y = 0;
        if(proc->types.pointer.scroll_dir == LV_DIR_HOR) diff_x = proc->types.pointer.vect.x;
        else diff_y = proc->types.pointer.vect.y;

        lv_obj_scroll_by_bounded(scroll_obj, diff_x, diff_y, LV_ANIM_OFF);
        if(proc->reset_query) return;
    }
}

/**
 * After release, keep scrolling by the last movement, slowed by
 * `scroll_throw` percent every read, until it stops; then SCROLL_END.
 * Objects without LV_OBJ_FLAG_SCROLL_MOMENTUM stop at once.
 */
static void scroll_throw_handler(_lv_indev_proc_t * proc)
{
    lv_obj_t * scroll_obj = proc->types.pointer.scroll_obj;
    if(scroll_obj == NULL) return;
    if(proc->types.pointer.scroll_dir == LV_DIR_NONE) return;

    lv_indev_t * indev_act_local = lv_indev_get_act();
    lv_coord_t scroll_throw = indev_act_local ? indev_act_local->driver->scroll_throw : LV_INDEV_DEF_SCROLL_THROW;

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
        if(proc->reset_query) return;
        return;
    }

    /*The scroll stopped*/
    proc->types.pointer.scroll_dir = LV_DIR_NONE;
    proc->types.pointer.scroll_obj = NULL;
    lv_event_send(scroll_obj, LV_EVENT_SCROLL_END, indev_act);
    if(proc->reset_query) return;
    lv_obj_scrollbar_invalidate(scroll_obj);
}

/**
 * Walk up from the pressed object to the first scrollable object that can
 * move in the dominant drag direction (allowed by its scroll_dir and having
 * content beyond that edge). Chaining stops at objects without the chain flag.
 */
static lv_obj_t * find_scroll_obj(_lv_indev_proc_t * proc)
{
    lv_indev_t * indev_act_local = lv_indev_get_act();
    lv_coord_t scroll_limit = indev_act_local->driver->scroll_limit;
    lv_point_t sum = proc->types.pointer.scroll_sum;

    bool hor_en = LV_ABS(sum.x) >= scroll_limit && LV_ABS(sum.x) > LV_ABS(sum.y);
    bool ver_en = LV_ABS(sum.y) >= scroll_limit && LV_ABS(sum.y) >= LV_ABS(sum.x);
    if(!hor_en && !ver_en) return NULL;

    lv_obj_t * obj_act = proc->types.pointer.act_obj;
    while(obj_act) {
        if(lv_obj_has_flag(obj_act, LV_OBJ_FLAG_SCROLLABLE)) {
            lv_dir_t dir = lv_obj_get_scroll_dir(obj_act);
            bool can = false;
            if(ver_en && (dir & LV_DIR_VER)) {
                /*Dragging down shows the content above*/
                if(sum.y > 0) can = lv_obj_get_scroll_top(obj_act) > 0;
                else can = lv_obj_get_scroll_bottom(obj_act) > 0;
            }
            if(hor_en && (dir & LV_DIR_HOR)) {
                if(sum.x > 0) can = lv_obj_get_scroll_left(obj_act) > 0;
                else can = lv_obj_get_scroll_right(obj_act) > 0;
            }
            if(can) {
                proc->types.pointer.scroll_dir = hor_en ? LV_DIR_HOR : LV_DIR_VER;
                proc->types.pointer.scroll_obj = obj_act;
                return obj_act;
            }
        }

        bool chain = hor_en ? lv_obj_has_flag(obj_act, LV_OBJ_FLAG_SCROLL_CHAIN_HOR) :
                     lv_obj_has_flag(obj_act, LV_OBJ_FLAG_SCROLL_CHAIN_VER);
        if(!chain) break;
        obj_act = lv_obj_get_parent(obj_act);
    }
    return NULL;
}
