/**
 * @file lv_event.c
 * Delivering events: to the handlers the program added to an object (a
 * table per object, run in the order they were added), to the handler of
 * the object's class, and on up to the parents while the event bubbles.
 * What the parameter of each built-in code is, and whether the code may
 * bubble at all, is kept in one table, `code_traits`.
 */

#include "lv_obj.h"
#include "lv_indev.h"
#include "../misc/lv_mem.h"

/* event_dsc_cnt in the object's attributes is 6 bits wide */
#define MAX_HANDLERS 63

enum {
    PARAM_INDEV     = 0x01, /* the parameter is the input device behind the event */
    PARAM_DRAW_CTX  = 0x02, /* the parameter is the draw context */
    PARAM_PART_DSC  = 0x04, /* the parameter describes a part about to be (or just) drawn */
    NEVER_BUBBLES   = 0x08, /* about the object itself: of no concern to its parents */
    ALWAYS_BUBBLES  = 0x10, /* every ancestor hears it, bubble flag or not */
};

typedef struct _lv_event_dsc_t handler_t;

struct _lv_event_dsc_t {
    lv_event_cb_t cb;
    void * user_data;
    uint16_t code;      /* the code it reacts to; LV_EVENT_ALL: every code */
    bool early;         /* added with LV_EVENT_PREPROCESS: runs before the class handler */
};

static lv_res_t deliver(lv_event_t * e);
static lv_res_t run_handlers(lv_event_t * e, bool early);
static bool goes_up(const lv_event_t * e);
static uint8_t traits_of(uint32_t code);
static void * param_of(lv_event_t * e, lv_event_code_t code);
static void * param_with(lv_event_t * e, uint8_t trait);
static uint32_t handler_count(const lv_obj_t * obj);
static int32_t find_handler(const lv_obj_t * obj, lv_event_cb_t cb, bool check_user_data, const void * user_data);
static void drop_handler(lv_obj_t * obj, uint32_t index);

static const uint8_t code_traits[_LV_EVENT_LAST] = {
    [LV_EVENT_PRESSED] = PARAM_INDEV,
    [LV_EVENT_PRESSING] = PARAM_INDEV,
    [LV_EVENT_PRESS_LOST] = PARAM_INDEV,
    [LV_EVENT_SHORT_CLICKED] = PARAM_INDEV,
    [LV_EVENT_LONG_PRESSED] = PARAM_INDEV,
    [LV_EVENT_LONG_PRESSED_REPEAT] = PARAM_INDEV,
    [LV_EVENT_CLICKED] = PARAM_INDEV,
    [LV_EVENT_RELEASED] = PARAM_INDEV,
    /* SCROLL_BEGIN carries the scroll animation (or NULL), not a device */
    [LV_EVENT_SCROLL_END] = PARAM_INDEV,
    [LV_EVENT_SCROLL] = PARAM_INDEV,
    [LV_EVENT_GESTURE] = PARAM_INDEV,
    [LV_EVENT_KEY] = PARAM_INDEV,
    [LV_EVENT_FOCUSED] = PARAM_INDEV,
    [LV_EVENT_DEFOCUSED] = PARAM_INDEV,
    [LV_EVENT_LEAVE] = PARAM_INDEV,
    [LV_EVENT_HIT_TEST] = NEVER_BUBBLES,
    [LV_EVENT_COVER_CHECK] = NEVER_BUBBLES,
    [LV_EVENT_REFR_EXT_DRAW_SIZE] = NEVER_BUBBLES,
    [LV_EVENT_DRAW_MAIN_BEGIN] = PARAM_DRAW_CTX | NEVER_BUBBLES,
    [LV_EVENT_DRAW_MAIN] = PARAM_DRAW_CTX | NEVER_BUBBLES,
    [LV_EVENT_DRAW_MAIN_END] = PARAM_DRAW_CTX | NEVER_BUBBLES,
    [LV_EVENT_DRAW_POST_BEGIN] = PARAM_DRAW_CTX | NEVER_BUBBLES,
    [LV_EVENT_DRAW_POST] = PARAM_DRAW_CTX | NEVER_BUBBLES,
    [LV_EVENT_DRAW_POST_END] = PARAM_DRAW_CTX | NEVER_BUBBLES,
    [LV_EVENT_DRAW_PART_BEGIN] = PARAM_PART_DSC | NEVER_BUBBLES,
    [LV_EVENT_DRAW_PART_END] = PARAM_PART_DSC | NEVER_BUBBLES,
    [LV_EVENT_REFRESH] = NEVER_BUBBLES,
    [LV_EVENT_DELETE] = NEVER_BUBBLES,
    [LV_EVENT_CHILD_CHANGED] = NEVER_BUBBLES,
    [LV_EVENT_CHILD_CREATED] = ALWAYS_BUBBLES,
    [LV_EVENT_CHILD_DELETED] = ALWAYS_BUBBLES,
    [LV_EVENT_SIZE_CHANGED] = NEVER_BUBBLES,
    [LV_EVENT_STYLE_CHANGED] = NEVER_BUBBLES,
    [LV_EVENT_GET_SELF_SIZE] = NEVER_BUBBLES,
};

/* Events being delivered, innermost first (handlers send events too). A
 * deleted object flags every one of them it is the target of, so that each
 * sender up the stack learns it must not touch the object any more. */
static lv_event_t * in_flight;
static uint32_t newest_custom_code = _LV_EVENT_LAST;

/* Handlers run whatever the object's state: a disabled object is shielded
 * from input by the input device code, not here. */
lv_res_t lv_event_send(lv_obj_t * obj, lv_event_code_t event_code, void * param)
{
    if(obj == NULL) return LV_RES_OK;

    lv_event_t e = {
        .target = obj,
        .current_target = obj,
        .code = event_code,
        .param = param,
        .prev = in_flight,
    };
    in_flight = &e;
    lv_res_t res = deliver(&e);
    in_flight = e.prev;
    return res;
}

/* The nearest class that has a handler, `start` included. */
static const lv_obj_class_t * handling_class(const lv_obj_class_t * start)
{
    for(const lv_obj_class_t * c = start; c != NULL; c = c->base_class) {
        if(c->event_cb) return c;
    }
    return NULL;
}

lv_res_t lv_obj_event_base(const lv_obj_class_t * class_p, lv_event_t * e)
{
    /* NULL: begin at the object's own class (how delivery calls it) */
    const lv_obj_class_t * start = class_p == NULL ? e->current_target->class_p : class_p->base_class;
    const lv_obj_class_t * handler = handling_class(start);
    if(handler) {
        e->user_data = NULL;
        handler->event_cb(handler, e);
    }
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
    return (lv_event_code_t)(e->code & ~LV_EVENT_PREPROCESS);
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
    newest_custom_code++;
    return newest_custom_code;
}

void _lv_event_mark_deleted(lv_obj_t * obj)
{
    for(lv_event_t * e = in_flight; e != NULL; e = e->prev) {
        if(e->target == obj || e->current_target == obj) e->deleted = 1;
    }
}

/* Refused (NULL) once the object holds as many handlers as its 6-bit count
 * can count: counting on would wrap to 0 and silently drop them all. */
struct _lv_event_dsc_t * lv_obj_add_event_cb(lv_obj_t * obj, lv_event_cb_t event_cb, lv_event_code_t filter,
                                             void * user_data)
{
    lv_obj_allocate_spec_attr(obj);
    _lv_obj_spec_attr_t * attr = obj->spec_attr;
    if(attr == NULL || attr->event_dsc_cnt >= MAX_HANDLERS) return NULL;

    handler_t * table = lv_mem_realloc(attr->event_dsc, (attr->event_dsc_cnt + 1) * sizeof(handler_t));
    if(table == NULL) return NULL;
    attr->event_dsc = table;

    handler_t * added = &table[attr->event_dsc_cnt];
    attr->event_dsc_cnt++;
    *added = (handler_t) {
        .cb = event_cb,
        .user_data = user_data,
        .code = (uint16_t)(filter & ~LV_EVENT_PREPROCESS),
        .early = (filter & LV_EVENT_PREPROCESS) != 0,
    };
    return added;
}

bool lv_obj_remove_event_cb(lv_obj_t * obj, lv_event_cb_t event_cb)
{
    int32_t index = find_handler(obj, event_cb, false, NULL);
    if(index >= 0) drop_handler(obj, (uint32_t)index);
    return index >= 0;
}

bool lv_obj_remove_event_cb_with_user_data(lv_obj_t * obj, lv_event_cb_t event_cb, const void * user_data)
{
    int32_t index = find_handler(obj, event_cb, true, user_data);
    if(index >= 0) drop_handler(obj, (uint32_t)index);
    return index >= 0;
}

bool lv_obj_remove_event_dsc(lv_obj_t * obj, struct _lv_event_dsc_t * event_dsc)
{
    uint32_t count = handler_count(obj);
    for(uint32_t i = 0; i < count && event_dsc != NULL; i++) {
        if(&obj->spec_attr->event_dsc[i] != event_dsc) continue;
        drop_handler(obj, i);
        return true;
    }
    return false;
}

/* An exact match: NULL finds a handler added as NULL, it is no wildcard here. */
void * lv_obj_get_event_user_data(lv_obj_t * obj, lv_event_cb_t event_cb)
{
    uint32_t count = handler_count(obj);
    for(uint32_t i = 0; i < count; i++) {
        const handler_t * h = &obj->spec_attr->event_dsc[i];
        if(h->cb == event_cb) return h->user_data;
    }
    return NULL;
}

lv_indev_t * lv_event_get_indev(lv_event_t * e)
{
    return param_with(e, PARAM_INDEV);
}

lv_obj_draw_part_dsc_t * lv_event_get_draw_part_dsc(lv_event_t * e)
{
    return param_with(e, PARAM_PART_DSC);
}

lv_draw_ctx_t * lv_event_get_draw_ctx(lv_event_t * e)
{
    return param_with(e, PARAM_DRAW_CTX);
}

const lv_area_t * lv_event_get_old_size(lv_event_t * e)
{
    return param_of(e, LV_EVENT_SIZE_CHANGED);
}

uint32_t lv_event_get_key(lv_event_t * e)
{
    const uint32_t * key = param_of(e, LV_EVENT_KEY);
    return key ? *key : 0;
}

lv_anim_t * lv_event_get_scroll_anim(lv_event_t * e)
{
    return param_of(e, LV_EVENT_SCROLL_BEGIN);
}

void lv_event_set_ext_draw_size(lv_event_t * e, lv_coord_t size)
{
    lv_coord_t * wanted = param_of(e, LV_EVENT_REFR_EXT_DRAW_SIZE);
    if(wanted && size > *wanted) *wanted = size;
}

lv_point_t * lv_event_get_self_size_info(lv_event_t * e)
{
    return param_of(e, LV_EVENT_GET_SELF_SIZE);
}

lv_hit_test_info_t * lv_event_get_hit_test_info(lv_event_t * e)
{
    return param_of(e, LV_EVENT_HIT_TEST);
}

const lv_area_t * lv_event_get_cover_area(lv_event_t * e)
{
    const lv_cover_check_info_t * info = param_of(e, LV_EVENT_COVER_CHECK);
    return info ? info->area : NULL;
}

/* The results run from covering to not covering to masked: the most
 * cautious answer of all the handlers stands. */
void lv_event_set_cover_res(lv_event_t * e, lv_cover_res_t res)
{
    lv_cover_check_info_t * info = param_of(e, LV_EVENT_COVER_CHECK);
    if(info && res > info->res) info->res = res;
}

/* The target first, then its ancestors for as long as the event bubbles.
 * At each object: the early handlers, the class handler, the others.
 * Delivery ends as soon as a handler deletes the object being handled or
 * stops the processing. */
static lv_res_t deliver(lv_event_t * e)
{
    /* The device that caused the event may want to click or buzz */
    lv_indev_t * indev = lv_indev_get_act();
    if(indev && indev->driver->feedback_cb) {
        indev->driver->feedback_cb(indev->driver, (uint8_t)e->code);
        if(e->deleted) return LV_RES_INV;
    }

    for(;;) {
        for(uint32_t stage = 0; stage < 3; stage++) {
            lv_res_t res = stage == 1 ? lv_obj_event_base(NULL, e) : run_handlers(e, stage == 0);
            if(res != LV_RES_OK) return LV_RES_INV;
            if(e->stop_processing) return LV_RES_OK;
        }

        lv_obj_t * parent = e->current_target->parent;
        if(parent == NULL || !goes_up(e)) return LV_RES_OK;
        e->current_target = parent;
    }
}

/* The handlers are looked up by index each time round, because one may add
 * or remove handlers and so move the table. A deleted object is checked
 * for before a stop: its sender must hear that it is gone. */
static lv_res_t run_handlers(lv_event_t * e, bool early)
{
    for(uint32_t i = 0; i < handler_count(e->current_target); i++) {
        handler_t h = e->current_target->spec_attr->event_dsc[i];
        if(h.cb == NULL || h.early != early) continue;
        if(h.code != LV_EVENT_ALL && h.code != e->code) continue;

        e->user_data = h.user_data;
        h.cb(e);
        if(e->deleted) return LV_RES_INV;
        if(e->stop_processing) break;
    }
    return LV_RES_OK;
}

static bool goes_up(const lv_event_t * e)
{
    if(e->stop_bubbling) return false;
    uint8_t traits = traits_of(e->code);
    if(traits & ALWAYS_BUBBLES) return true;
    if(traits & NEVER_BUBBLES) return false;
    return lv_obj_has_flag(e->current_target, LV_OBJ_FLAG_EVENT_BUBBLE);
}

/* Codes the program registered have no traits: they bubble with the flag. */
static uint8_t traits_of(uint32_t code)
{
    return code < _LV_EVENT_LAST ? code_traits[code] : 0;
}

/* The getters hand out a parameter only for the code that defines it. */
static void * param_of(lv_event_t * e, lv_event_code_t code)
{
    return e->code == code ? e->param : NULL;
}

static void * param_with(lv_event_t * e, uint8_t trait)
{
    return (traits_of(e->code) & trait) ? e->param : NULL;
}

static uint32_t handler_count(const lv_obj_t * obj)
{
    return obj->spec_attr ? obj->spec_attr->event_dsc_cnt : 0;
}

/* Index of the first handler that is `cb` (NULL: any) and, when asked,
 * was added with `user_data`; -1 when there is none. */
static int32_t find_handler(const lv_obj_t * obj, lv_event_cb_t cb, bool check_user_data, const void * user_data)
{
    uint32_t count = handler_count(obj);
    for(uint32_t i = 0; i < count; i++) {
        const handler_t * h = &obj->spec_attr->event_dsc[i];
        bool cb_fits = cb == NULL || h->cb == cb;
        bool data_fits = !check_user_data || h->user_data == user_data;
        if(cb_fits && data_fits) return (int32_t)i;
    }
    return -1;
}

/* Close the gap and shrink the table; the last handler frees it. */
static void drop_handler(lv_obj_t * obj, uint32_t index)
{
    _lv_obj_spec_attr_t * attr = obj->spec_attr;
    uint32_t remaining = attr->event_dsc_cnt - 1U;
    for(uint32_t i = index; i < remaining; i++) attr->event_dsc[i] = attr->event_dsc[i + 1];
    attr->event_dsc_cnt = remaining;

    if(remaining == 0) {
        lv_mem_free(attr->event_dsc);
        attr->event_dsc = NULL;
        return;
    }
    handler_t * shrunk = lv_mem_realloc(attr->event_dsc, remaining * sizeof(handler_t));
    /* Shrinking cannot really fail; if it does the larger table serves as well */
    if(shrunk) attr->event_dsc = shrunk;
}
