/**
 * @file lv_group.c
 * Focus groups.
 */

/*********************
 *      INCLUDES
 *********************/
#include <stddef.h>

#include "lv_group.h"
#include "lv_obj.h"
#include "lv_indev.h"
#include "../misc/lv_mem.h"

/**********************
 *  STATIC PROTOTYPES
 **********************/
static bool step_focus(lv_group_t * group, bool forward);
static void refocus_after_loss(lv_group_t * g);
static lv_indev_t * indev_of_group(const lv_group_t * g);
static void detach_all_members(lv_group_t * group);

/**********************
 *  STATIC VARIABLES
 **********************/
static lv_ll_t group_ll;
static lv_group_t * default_group;

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

void _lv_group_init(void)
{
    _lv_ll_init(&group_ll, sizeof(lv_group_t));
    default_group = NULL;
}

void _lv_group_deinit(void)
{
    lv_group_t * g;
    while((g = _lv_ll_get_head(&group_ll)) != NULL) lv_group_del(g);
}

lv_group_t * lv_group_create(void)
{
    lv_group_t * group = _lv_ll_ins_head(&group_ll);
    LV_ASSERT_MALLOC(group);
    if(group == NULL) return NULL;
    _lv_ll_init(&group->obj_ll, sizeof(lv_obj_t *));

    group->obj_focus      = NULL;
    group->frozen         = 0;
    group->focus_cb       = NULL;
    group->edge_cb        = NULL;
    group->editing        = 0;
    group->refocus_policy = LV_GROUP_REFOCUS_POLICY_PREV;
    group->wrap           = 1;
#if LV_USE_USER_DATA
    group->user_data = NULL;
#endif

    return group;
}

void lv_group_del(lv_group_t * group)
{
    detach_all_members(group);

    for(lv_indev_t * indev = lv_indev_get_next(NULL); indev; indev = lv_indev_get_next(indev)) {
        if(indev->group == group) lv_indev_set_group(indev, NULL);
    }

    if(group == lv_group_get_default()) lv_group_set_default(NULL);

    _lv_ll_remove(&group_ll, group);
    lv_mem_free(group);
}

void lv_group_set_default(lv_group_t * group)
{
    default_group = group;
}

lv_group_t * lv_group_get_default(void)
{
    return default_group;
}

static lv_obj_t ** find_member(lv_group_t * group, const lv_obj_t * obj)
{
    lv_obj_t ** entry;
    _LV_LL_READ(&group->obj_ll, entry) {
        if(*entry == obj) return entry;
    }
    return NULL;
}

void lv_group_add_obj(lv_group_t * group, lv_obj_t * obj)
{
    if(group == NULL) return;

    /*An object belongs to one group at most*/
    lv_group_remove_obj(obj);
    if(find_member(group, obj)) return;

    /*Only reachable when the object's group pointer and that group's list
     *disagree; hand its focus on as a removal would*/
    lv_group_t * group_cur = lv_obj_get_group(obj);
    if(group_cur && group_cur->obj_focus && *group_cur->obj_focus == obj) {
        refocus_after_loss(group_cur);
    }

    lv_obj_allocate_spec_attr(obj);
    obj->spec_attr->group_p = group;

    lv_obj_t ** entry = _lv_ll_ins_tail(&group->obj_ll);
    LV_ASSERT_MALLOC(entry);
    if(entry == NULL) return;
    *entry = obj;

    /*The first member takes the focus at once*/
    if(_lv_ll_get_head(&group->obj_ll) == entry) refocus_after_loss(group);
}

void lv_group_swap_obj(lv_obj_t * obj1, lv_obj_t * obj2)
{
    lv_group_t * g = lv_obj_get_group(obj1);
    if(g == NULL || g != lv_obj_get_group(obj2)) return;

    lv_obj_t ** entry;
    _LV_LL_READ(&g->obj_ll, entry) {
        if(*entry == obj1) *entry = obj2;
        else if(*entry == obj2) *entry = obj1;
    }

    /*The focus stays with the object, not with its place in the list*/
    if(g->obj_focus == NULL) return;
    if(*g->obj_focus == obj1) lv_group_focus_obj(obj2);
    else if(*g->obj_focus == obj2) lv_group_focus_obj(obj1);
}

void lv_group_remove_obj(lv_obj_t * obj)
{
    lv_group_t * g = lv_obj_get_group(obj);
    if(g == NULL) return;

    if(g->obj_focus && *g->obj_focus == obj) {
        g->frozen = 0;
        bool only_member = _lv_ll_get_head(&g->obj_ll) == g->obj_focus &&
                           _lv_ll_get_tail(&g->obj_ll) == g->obj_focus;
        if(only_member) lv_event_send(*g->obj_focus, LV_EVENT_DEFOCUSED, indev_of_group(g));
        else refocus_after_loss(g);

        /*Nothing else could take the focus: the group is left without one*/
        if(g->obj_focus && *g->obj_focus == obj) g->obj_focus = NULL;
    }

    lv_obj_t ** entry = find_member(g, obj);
    if(entry) {
        _lv_ll_remove(&g->obj_ll, entry);
        lv_mem_free(entry);
        if(obj->spec_attr) obj->spec_attr->group_p = NULL;
    }
}

void lv_group_remove_all_objs(lv_group_t * group)
{
    detach_all_members(group);
}

void lv_group_focus_obj(lv_obj_t * obj)
{
    if(obj == NULL) return;
    lv_group_t * g = lv_obj_get_group(obj);
    if(g == NULL || g->frozen) return;

    /*A new focus always starts in navigation mode*/
    lv_group_set_editing(g, false);

    lv_obj_t ** entry = find_member(g, obj);
    if(entry == NULL) return;

    /*Focusing the focused object again sends FOCUSED but no DEFOCUSED*/
    if(g->obj_focus != NULL && obj != *g->obj_focus) {
        if(lv_event_send(*g->obj_focus, LV_EVENT_DEFOCUSED, indev_of_group(g)) != LV_RES_OK) return;
        lv_obj_invalidate(*g->obj_focus);
    }

    g->obj_focus = entry;
    if(g->focus_cb) g->focus_cb(g);
    if(lv_event_send(obj, LV_EVENT_FOCUSED, indev_of_group(g)) != LV_RES_OK) return;
    lv_obj_invalidate(obj);
}

void lv_group_focus_next(lv_group_t * group)
{
    if(!step_focus(group, true) && group->edge_cb) group->edge_cb(group, true);
}

void lv_group_focus_prev(lv_group_t * group)
{
    if(!step_focus(group, false) && group->edge_cb) group->edge_cb(group, false);
}

void lv_group_focus_freeze(lv_group_t * group, bool en)
{
    group->frozen = en ? 1 : 0;
}

lv_res_t lv_group_send_data(lv_group_t * group, uint32_t c)
{
    lv_obj_t * act = lv_group_get_focused(group);
    if(act == NULL) return LV_RES_OK;

    if(lv_obj_has_state(act, LV_STATE_DISABLED)) return LV_RES_OK;

    return lv_event_send(act, LV_EVENT_KEY, &c);
}

void lv_group_set_focus_cb(lv_group_t * group, lv_group_focus_cb_t focus_cb)
{
    group->focus_cb = focus_cb;
}

void lv_group_set_edge_cb(lv_group_t * group, lv_group_edge_cb_t edge_cb)
{
    group->edge_cb = edge_cb;
}

void lv_group_set_editing(lv_group_t * group, bool edit)
{
    if(group == NULL) return;
    uint8_t editing = edit ? 1 : 0;
    if(editing == group->editing) return;

    group->editing = editing;

    /*FOCUSED again lets the object pick up (or drop) the EDITED state*/
    lv_obj_t * focused = lv_group_get_focused(group);
    if(focused == NULL) return;
    if(lv_event_send(focused, LV_EVENT_FOCUSED, indev_of_group(group)) != LV_RES_OK) return;
    lv_obj_invalidate(focused);
}

void lv_group_set_refocus_policy(lv_group_t * group, lv_group_refocus_policy_t policy)
{
    group->refocus_policy = policy & 0x01;
}

void lv_group_set_wrap(lv_group_t * group, bool en)
{
    group->wrap = en ? 1 : 0;
}

lv_obj_t * lv_group_get_focused(const lv_group_t * group)
{
    if(group == NULL || group->obj_focus == NULL) return NULL;
    return *group->obj_focus;
}

lv_group_focus_cb_t lv_group_get_focus_cb(const lv_group_t * group)
{
    if(!group) return NULL;
    return group->focus_cb;
}

lv_group_edge_cb_t lv_group_get_edge_cb(const lv_group_t * group)
{
    if(!group) return NULL;
    return group->edge_cb;
}

bool lv_group_get_editing(const lv_group_t * group)
{
    if(!group) return false;
    return group->editing ? true : false;
}

bool lv_group_get_wrap(lv_group_t * group)
{
    if(!group) return false;
    return group->wrap ? true : false;
}

uint32_t lv_group_get_obj_count(lv_group_t * group)
{
    uint32_t cnt = 0;
    void * n;
    _LV_LL_READ(&group->obj_ll, n) cnt++;
    return cnt;
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

/* Defocus the focused member and forget every member; the group stays. */
static void detach_all_members(lv_group_t * group)
{
    if(group->obj_focus != NULL) {
        lv_event_send(*group->obj_focus, LV_EVENT_DEFOCUSED, indev_of_group(group));
        lv_obj_invalidate(*group->obj_focus);
        group->obj_focus = NULL;
    }

    lv_obj_t ** entry;
    _LV_LL_READ(&group->obj_ll, entry) {
        if((*entry)->spec_attr) (*entry)->spec_attr->group_p = NULL;
    }
    _lv_ll_clear(&group->obj_ll);
}

/*
 * The focused member is going away: move the focus as the refocus policy
 * says. Wrapping is forced on for this, since the lost member may have been
 * the last one in that direction.
 */
static void refocus_after_loss(lv_group_t * g)
{
    uint8_t wrap = g->wrap;
    g->wrap = 1;
    if(g->refocus_policy == LV_GROUP_REFOCUS_POLICY_NEXT) lv_group_focus_next(g);
    else lv_group_focus_prev(g);
    g->wrap = wrap;
}

/* Disabled objects, and objects that are hidden or inside a hidden one, are passed over. */
static bool can_take_focus(lv_obj_t * obj)
{
    if(lv_obj_has_state(obj, LV_STATE_DISABLED)) return false;
    for(lv_obj_t * o = obj; o; o = lv_obj_get_parent(o)) {
        if(lv_obj_has_flag(o, LV_OBJ_FLAG_HIDDEN)) return false;
    }
    return true;
}

static lv_obj_t ** list_step(const lv_group_t * group, lv_obj_t ** entry, bool forward)
{
    return forward ? _lv_ll_get_next(&group->obj_ll, entry) : _lv_ll_get_prev(&group->obj_ll, entry);
}

static lv_obj_t ** list_end(const lv_group_t * group, bool forward)
{
    return forward ? _lv_ll_get_head(&group->obj_ll) : _lv_ll_get_tail(&group->obj_ll);
}

/*
 * The member the focus should move to, in list order from the focused one
 * (from the first one when nothing is focused). Past the end it goes round
 * once if the group wraps. May return the focused member itself; NULL when
 * no member can take the focus.
 */
static lv_obj_t ** next_focus_entry(const lv_group_t * group, bool forward)
{
    lv_obj_t ** start = group->obj_focus;
    if(start == NULL) {
        for(lv_obj_t ** e = list_end(group, forward); e; e = list_step(group, e, forward)) {
            if(can_take_focus(*e)) return e;
        }
        return NULL;
    }

    bool wrapped = false;
    lv_obj_t ** e = list_step(group, start, forward);
    for(;;) {
        if(e == NULL) {
            if(!group->wrap || wrapped) return NULL;
            wrapped = true;
            e = list_end(group, forward);
            /*Checked before the stop test below, so a lone focusable start comes back*/
            if(can_take_focus(*e)) return e;
            e = list_step(group, e, forward);
            continue;
        }
        if(e == start) return NULL; /*went all the way round*/
        if(can_take_focus(*e)) return e;
        e = list_step(group, e, forward);
    }
}

/* Move the focus one member on; true if it moved to another object. */
static bool step_focus(lv_group_t * group, bool forward)
{
    if(group->frozen) return false;

    lv_obj_t ** next = next_focus_entry(group, forward);
    if(next == NULL || next == group->obj_focus) return false;

    lv_indev_t * indev = indev_of_group(group);
    if(group->obj_focus) {
        if(lv_event_send(*group->obj_focus, LV_EVENT_DEFOCUSED, indev) != LV_RES_OK) return false;
        lv_obj_invalidate(*group->obj_focus);
    }

    group->obj_focus = next;
    if(lv_event_send(*next, LV_EVENT_FOCUSED, indev) != LV_RES_OK) return false;
    lv_obj_invalidate(*next);

    if(group->focus_cb) group->focus_cb(group);
    return true;
}

/*
 * The input device to name in focus events: a keypad on this group first,
 * then an encoder on it, then any device on it, else the first device (or
 * NULL when there is none).
 */
static lv_indev_t * indev_of_group(const lv_group_t * g)
{
    lv_indev_t * encoder = NULL;
    lv_indev_t * any_on_group = NULL;
    for(lv_indev_t * indev = lv_indev_get_next(NULL); indev; indev = lv_indev_get_next(indev)) {
        if(indev->group != g) continue;
        lv_indev_type_t type = lv_indev_get_type(indev);
        if(type == LV_INDEV_TYPE_KEYPAD) return indev;
        if(type == LV_INDEV_TYPE_ENCODER) encoder = indev;
        any_on_group = indev;
    }

    if(encoder) return encoder;
    if(any_on_group) return any_on_group;
    return lv_indev_get_next(NULL);
}
