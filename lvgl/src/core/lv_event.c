/**
 * @file lv_event.c
 * Sending events to objects: user callbacks, the class chain, bubbling, and
 * the bookkeeping that tells a sender its object was deleted meanwhile.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_obj.h"
#include "lv_indev.h"
#include "../misc/lv_mem.h"

/*********************
 *      DEFINES
 *********************/
#define MY_CLASS &lv_obj_class

/** The event descriptor array holds at most this many entries (6-bit count)*/
#define EVENT_DSC_MAX 63

/**********************
 *      TYPEDEFS
 **********************/
typedef struct _lv_event_dsc_t {
    lv_event_cb_t cb;
    void * user_data;
    lv_event_code_t filter : 8;
} lv_event_dsc_t;

/**********************
 *  STATIC PROTOTYPES
 **********************/
static lv_event_dsc_t * event_dsc_at(const lv_obj_t * obj, uint32_t id);
static lv_res_t deliver_here_and_up(lv_event_t * e);
static lv_res_t run_callbacks(lv_event_t * e, bool preprocess);
static bool goes_on_to_parent(lv_event_t * e);

/**********************
 *  STATIC VARIABLES
 **********************/
/*Events being processed, innermost first: a deletion marks every one of them
 *that targets the deleted object so each sender learns about it*/
static lv_event_t * events_in_flight;
static uint32_t last_custom_code = _LV_EVENT_LAST;

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

/**
 * Send `event_code` to `obj`. Callbacks run whatever the object's state
 * (disabled objects are only shielded from input by the input device code).
 * Returns LV_RES_INV when a handler deleted `obj`; the caller must not touch
 * it afterwards.
 */
lv_res_t lv_event_send(lv_obj_t * obj, lv_event_code_t event_code, void * param)
{
    if(obj == NULL) return LV_RES_OK;

    lv_event_t e;
    e.target = obj;
    e.current_target = obj;
    e.code = event_code;
    e.user_data = NULL;
    e.param = param;
    e.deleted = 0;
    e.stop_bubbling = 0;
    e.stop_processing = 0;

    e.prev = events_in_flight;
    events_in_flight = &e;

    lv_res_t res = deliver_here_and_up(&e);

    events_in_flight = e.prev;

    return res;
}

lv_res_t lv_obj_event_base(const lv_obj_class_t * class_p, lv_event_t * e)
{
    /*NULL starts at the object's own class; otherwise at the caller's base.
     *Classes without a handler are skipped.*/
    const lv_obj_class_t * handler_class = class_p ? class_p->base_class : e->current_target->class_p;
    while(handler_class && handler_class->event_cb == NULL) handler_class = handler_class->base_class;
    if(handler_class == NULL) return LV_RES_OK;

    e->user_data = NULL; /*class handlers have no user data*/
    handler_class->event_cb(handler_class, e);

    return e->deleted ? LV_RES_INV : LV_RES_OK;
}

lv_obj_t * lv_event_get_target(lv_event_t * e)
{
    return e->target;
}

lv_obj_t * lv_event_get_current_target(lv_event_t * e)
{
    return e->current_target;
}

lv_event_code_t lv_event_get_code(lv_event_t * e)
{
    return e->code & ~LV_EVENT_PREPROCESS;
}

void * lv_event_get_param(lv_event_t * e)
{
    return e->param;
}

void * lv_event_get_user_data(lv_event_t * e)
{
    return e->user_data;
}

void lv_event_stop_bubbling(lv_event_t * e)
{
    e->stop_bubbling = 1;
}

void lv_event_stop_processing(lv_event_t * e)
{
    e->stop_processing = 1;
}

uint32_t lv_event_register_id(void)
{
    return ++last_custom_code;
}

void _lv_event_mark_deleted(lv_obj_t * obj)
{
    for(lv_event_t * e = events_in_flight; e; e = e->prev) {
        if(e->current_target == obj || e->target == obj) e->deleted = 1;
    }
}

/**
 * Append a callback. Returns NULL (and adds nothing) when the object already
 * holds the most callbacks its 6-bit counter can count; upstream wraps the
 * counter there and silently drops every callback of the object.
 */
struct _lv_event_dsc_t * lv_obj_add_event_cb(lv_obj_t * obj, lv_event_cb_t event_cb, lv_event_code_t filter,
                                             void * user_data)
{
    lv_obj_allocate_spec_attr(obj);
    if(obj->spec_attr == NULL) return NULL;
    if(obj->spec_attr->event_dsc_cnt >= EVENT_DSC_MAX) return NULL;

    lv_event_dsc_t * dsc = lv_mem_realloc(obj->spec_attr->event_dsc,
                                          (obj->spec_attr->event_dsc_cnt + 1) * sizeof(lv_event_dsc_t));
    LV_ASSERT_MALLOC(dsc);
    if(dsc == NULL) return NULL;
    obj->spec_attr->event_dsc = dsc;
    obj->spec_attr->event_dsc_cnt++;

    lv_event_dsc_t * new_dsc = &dsc[obj->spec_attr->event_dsc_cnt - 1];
    new_dsc->cb = event_cb;
    new_dsc->filter = filter;
    new_dsc->user_data = user_data;

    return new_dsc;
}

static void remove_event_dsc_at(lv_obj_t * obj, int32_t i)
{
    for(; i < obj->spec_attr->event_dsc_cnt - 1; i++) {
        obj->spec_attr->event_dsc[i] = obj->spec_attr->event_dsc[i + 1];
    }
    obj->spec_attr->event_dsc_cnt--;
    if(obj->spec_attr->event_dsc_cnt == 0) {
        lv_mem_free(obj->spec_attr->event_dsc);
        obj->spec_attr->event_dsc = NULL;
    }
    else {
        obj->spec_attr->event_dsc = lv_mem_realloc(obj->spec_attr->event_dsc,
                                                   obj->spec_attr->event_dsc_cnt * sizeof(lv_event_dsc_t));
    }
}

/*
 * Index of the first callback entry that matches `cb` (NULL: any) and, when
 * `match_user_data` is set, `user_data`; -1 when none does.
 */
static int32_t find_event_dsc(const lv_obj_t * obj, lv_event_cb_t cb, bool match_user_data, const void * user_data)
{
    if(obj->spec_attr == NULL) return -1;
    for(int32_t i = 0; i < obj->spec_attr->event_dsc_cnt; i++) {
        const lv_event_dsc_t * dsc = &obj->spec_attr->event_dsc[i];
        if(cb != NULL && dsc->cb != cb) continue;
        if(match_user_data && dsc->user_data != user_data) continue;
        return i;
    }
    return -1;
}

bool lv_obj_remove_event_cb(lv_obj_t * obj, lv_event_cb_t event_cb)
{
    int32_t i = find_event_dsc(obj, event_cb, false, NULL);
    if(i < 0) return false;
    remove_event_dsc_at(obj, i);
    return true;
}

bool lv_obj_remove_event_cb_with_user_data(lv_obj_t * obj, lv_event_cb_t event_cb, const void * user_data)
{
    int32_t i = find_event_dsc(obj, event_cb, true, user_data);
    if(i < 0) return false;
    remove_event_dsc_at(obj, i);
    return true;
}

bool lv_obj_remove_event_dsc(lv_obj_t * obj, struct _lv_event_dsc_t * event_dsc)
{
    if(obj->spec_attr == NULL || event_dsc == NULL) return false;
    lv_event_dsc_t * first = obj->spec_attr->event_dsc;
    for(int32_t i = 0; i < obj->spec_attr->event_dsc_cnt; i++) {
        if(&first[i] == event_dsc) {
            remove_event_dsc_at(obj, i);
            return true;
        }
    }
    return false;
}

void * lv_obj_get_event_user_data(lv_obj_t * obj, lv_event_cb_t event_cb)
{
    /*An exact match: unlike removal, a NULL callback is no wildcard here*/
    if(obj->spec_attr == NULL) return NULL;
    for(int32_t i = 0; i < obj->spec_attr->event_dsc_cnt; i++) {
        if(obj->spec_attr->event_dsc[i].cb == event_cb) return obj->spec_attr->event_dsc[i].user_data;
    }
    return NULL;
}

lv_indev_t * lv_event_get_indev(lv_event_t * e)
{
    switch(e->code) {
        case LV_EVENT_PRESSED:
        case LV_EVENT_PRESSING:
        case LV_EVENT_PRESS_LOST:
        case LV_EVENT_SHORT_CLICKED:
        case LV_EVENT_LONG_PRESSED:
        case LV_EVENT_LONG_PRESSED_REPEAT:
        case LV_EVENT_CLICKED:
        case LV_EVENT_RELEASED:
        case LV_EVENT_SCROLL_BEGIN:
        case LV_EVENT_SCROLL_END:
        case LV_EVENT_SCROLL:
        case LV_EVENT_GESTURE:
        case LV_EVENT_KEY:
        case LV_EVENT_FOCUSED:
        case LV_EVENT_DEFOCUSED:
        case LV_EVENT_LEAVE:
            return lv_event_get_param(e);
        default:
            return NULL;
    }
}

lv_obj_draw_part_dsc_t * lv_event_get_draw_part_dsc(lv_event_t * e)
{
    if(e->code == LV_EVENT_DRAW_PART_BEGIN || e->code == LV_EVENT_DRAW_PART_END) {
        return lv_event_get_param(e);
    }
    return NULL;
}

lv_draw_ctx_t * lv_event_get_draw_ctx(lv_event_t * e)
{
    switch(e->code) {
        case LV_EVENT_DRAW_MAIN:
        case LV_EVENT_DRAW_MAIN_BEGIN:
        case LV_EVENT_DRAW_MAIN_END:
        case LV_EVENT_DRAW_POST:
        case LV_EVENT_DRAW_POST_BEGIN:
        case LV_EVENT_DRAW_POST_END:
            return lv_event_get_param(e);
        default:
            return NULL;
    }
}

const lv_area_t * lv_event_get_old_size(lv_event_t * e)
{
    if(e->code == LV_EVENT_SIZE_CHANGED) return lv_event_get_param(e);
    return NULL;
}

uint32_t lv_event_get_key(lv_event_t * e)
{
    if(e->code == LV_EVENT_KEY) {
        uint32_t * k = lv_event_get_param(e);
        if(k) return *k;
    }
    return 0;
}

lv_anim_t * lv_event_get_scroll_anim(lv_event_t * e)
{
    if(e->code == LV_EVENT_SCROLL_BEGIN) return lv_event_get_param(e);
    return NULL;
}

void lv_event_set_ext_draw_size(lv_event_t * e, lv_coord_t size)
{
    if(e->code == LV_EVENT_REFR_EXT_DRAW_SIZE) {
        lv_coord_t * cur_size = lv_event_get_param(e);
        *cur_size = LV_MAX(*cur_size, size);
    }
}

lv_point_t * lv_event_get_self_size_info(lv_event_t * e)
{
    if(e->code == LV_EVENT_GET_SELF_SIZE) return lv_event_get_param(e);
    return NULL;
}

lv_hit_test_info_t * lv_event_get_hit_test_info(lv_event_t * e)
{
    if(e->code == LV_EVENT_HIT_TEST) return lv_event_get_param(e);
    return NULL;
}

const lv_area_t * lv_event_get_cover_area(lv_event_t * e)
{
    if(e->code == LV_EVENT_COVER_CHECK) {
        lv_cover_check_info_t * p = lv_event_get_param(e);
        return p->area;
    }
    return NULL;
}

void lv_event_set_cover_res(lv_event_t * e, lv_cover_res_t res)
{
    if(e->code == LV_EVENT_COVER_CHECK) {
        lv_cover_check_info_t * p = lv_event_get_param(e);
        /*Results are ordered from covering to not covering; the most cautious wins*/
        if(res > p->res) p->res = res;
    }
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

static lv_event_dsc_t * event_dsc_at(const lv_obj_t * obj, uint32_t id)
{
    if(!obj->spec_attr) return NULL;
    if(id >= obj->spec_attr->event_dsc_cnt) return NULL;

    return &obj->spec_attr->event_dsc[id];
}

/**
 * Run the user callbacks of the current target whose filter matches: the
 * pre-processing ones (before the class handler) or the normal ones. The
 * array is re-read by index each step because a callback may add or remove
 * callbacks (and so reallocate it).
 */
static lv_res_t run_callbacks(lv_event_t * e, bool preprocess)
{
    uint32_t i = 0;
    lv_event_dsc_t * event_dsc = event_dsc_at(e->current_target, 0);
    while(event_dsc) {
        bool is_pre = (event_dsc->filter & LV_EVENT_PREPROCESS) != 0;
        lv_event_code_t f = event_dsc->filter & ~LV_EVENT_PREPROCESS;
        if(event_dsc->cb && is_pre == preprocess && (f == LV_EVENT_ALL || f == e->code)) {
            e->user_data = event_dsc->user_data;
            event_dsc->cb(e);

            if(e->stop_processing) return LV_RES_OK;
            if(e->deleted) return LV_RES_INV;
        }

        i++;
        event_dsc = event_dsc_at(e->current_target, i);
    }
    return LV_RES_OK;
}

static lv_res_t deliver_here_and_up(lv_event_t * e)
{
    /*The device that caused the event may want to click or buzz*/
    lv_indev_t * indev_act = lv_indev_get_act();
    if(indev_act) {
        if(indev_act->driver->feedback_cb) indev_act->driver->feedback_cb(indev_act->driver, e->code);
        if(e->stop_processing) return LV_RES_OK;
        if(e->deleted) return LV_RES_INV;
    }

    lv_res_t res = run_callbacks(e, true);
    if(res != LV_RES_OK || e->stop_processing) return res;

    res = lv_obj_event_base(NULL, e);
    if(res != LV_RES_OK) return res;

    res = run_callbacks(e, false);
    if(res != LV_RES_OK || e->stop_processing) return res;

    if(e->current_target->parent && goes_on_to_parent(e)) {
        e->current_target = e->current_target->parent;
        res = deliver_here_and_up(e);
        if(res != LV_RES_OK) return LV_RES_INV;
    }

    return res;
}

static bool goes_on_to_parent(lv_event_t * e)
{
    if(e->stop_bubbling) return false;

    /*Parents always hear about children coming and going*/
    switch(e->code) {
        case LV_EVENT_CHILD_CREATED:
        case LV_EVENT_CHILD_DELETED:
            return true;
        default:
            break;
    }

    /*Everything else only with EVENT_BUBBLE, and never the events that are
     *about the object itself (drawing, size, style, deletion)*/
    if(lv_obj_has_flag(e->current_target, LV_OBJ_FLAG_EVENT_BUBBLE) == false) return false;

    switch(e->code) {
        case LV_EVENT_HIT_TEST:
        case LV_EVENT_COVER_CHECK:
        case LV_EVENT_REFR_EXT_DRAW_SIZE:
        case LV_EVENT_DRAW_MAIN_BEGIN:
        case LV_EVENT_DRAW_MAIN:
        case LV_EVENT_DRAW_MAIN_END:
        case LV_EVENT_DRAW_POST_BEGIN:
        case LV_EVENT_DRAW_POST:
        case LV_EVENT_DRAW_POST_END:
        case LV_EVENT_DRAW_PART_BEGIN:
        case LV_EVENT_DRAW_PART_END:
        case LV_EVENT_REFRESH:
        case LV_EVENT_DELETE:
        case LV_EVENT_CHILD_CHANGED:
        case LV_EVENT_SIZE_CHANGED:
        case LV_EVENT_STYLE_CHANGED:
        case LV_EVENT_GET_SELF_SIZE:
            return false;
        default:
            return true;
    }
}
