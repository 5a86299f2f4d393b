/**
 * @file lv_obj_tree.c
 * The object tree: linking, deleting, reordering and walking objects.
 *
 * Children are a flat array in the parent's special attributes, oldest first,
 * which is also the drawing order. Screens are the roots; each display keeps
 * its screens (and its two layers) in an array of its own.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_obj.h"
#include "lv_obj_private.h"
#include "lv_indev.h"
#include "lv_disp.h"
#include "../misc/lv_anim.h"
#include "../misc/lv_async.h"
#include "../misc/lv_mem.h"

#include <string.h>

/*********************
 *      DEFINES
 *********************/
#define NO_INDEX 0xFFFFFFFF

/**********************
 *      TYPEDEFS
 **********************/

/* A deletion under way; the frames live on the stack of destroy(), innermost first. */
typedef struct _dying_t {
    const lv_obj_t * obj;
    const struct _dying_t * outer;
} dying_t;

/**********************
 *  STATIC PROTOTYPES
 **********************/
static bool list_append(lv_obj_t *** list, uint32_t * cnt, lv_obj_t * item);
static bool list_drop(lv_obj_t *** list, uint32_t * cnt, const lv_obj_t * item);
static void destroy(lv_obj_t * victim);
static void del_cb(void * target);
static bool is_ancestor(const lv_obj_t * maybe_ancestor, const lv_obj_t * obj);
static lv_obj_tree_walk_res_t walk(lv_obj_t * obj, lv_obj_tree_walk_cb_t cb, void * user_data);
static bool is_dying(const lv_obj_t * obj);

/**********************
 *  STATIC VARIABLES
 **********************/
static const dying_t * dying;

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

/*
 * Tell a parent its children changed: CHILD_CHANGED first (layouts and
 * content sizes follow it), then `what` (CHILD_CREATED or CHILD_DELETED).
 * A child that is gone is reported as NULL. Nothing more is sent once a
 * handler deleted the parent.
 */
void _lv_obj_report_child(lv_obj_t * parent, lv_obj_t * child, lv_event_code_t what)
{
    if(lv_event_send(parent, LV_EVENT_CHILD_CHANGED, child) != LV_RES_OK) return;
    lv_event_send(parent, what, child);
}

bool _lv_obj_link_child(lv_obj_t * parent, lv_obj_t * child)
{
    lv_obj_allocate_spec_attr(parent);
    if(parent->spec_attr == NULL) return false;
    return list_append(&parent->spec_attr->children, &parent->spec_attr->child_cnt, child);
}

bool _lv_obj_link_screen(lv_obj_t * scr)
{
    lv_disp_t * disp = lv_disp_get_default();
    if(disp == NULL) return false;
    if(!list_append(&disp->screens, &disp->screen_cnt, scr)) return false;

    lv_area_set(&scr->coords, 0, 0, lv_disp_get_hor_res(disp) - 1, lv_disp_get_ver_res(disp) - 1);
    return true;
}

/*
 * A DELETE handler that deletes its own object (or one being deleted around
 * it) again is ignored: the deletion under way finishes the job, where a
 * second one would recurse without end.
 */
void lv_obj_del(lv_obj_t * obj)
{
    if(obj == NULL || is_dying(obj)) return;

    lv_obj_t * owner = obj->parent;
    /*A root that no display lists is not a screen (any more): nothing to do*/
    if(owner == NULL && lv_obj_get_disp(obj) == NULL) return;

    lv_obj_invalidate(obj);
    destroy(obj);

    /*The parent may have lost its scrollable content and its layout changed*/
    if(owner == NULL) return;
    lv_obj_scrollbar_invalidate(owner);
    _lv_obj_report_child(owner, NULL, LV_EVENT_CHILD_DELETED);
}

void lv_obj_clean(lv_obj_t * obj)
{
    if(obj == NULL) return;

    uint32_t before = lv_obj_get_child_cnt(obj);
    if(before > 0) lv_obj_invalidate(obj);
    while(lv_obj_get_child_cnt(obj) > 0) destroy(lv_obj_get_child(obj, -1));

    /*Back to the start, which also ends a running scroll animation; an
     *offset left by the widget's own content goes too*/
    lv_obj_scroll_to(obj, 0, 0, LV_ANIM_OFF);
    if(obj->spec_attr != NULL) lv_memset_00(&obj->spec_attr->scroll, sizeof(lv_point_t));

    /*A container sized by its content must shrink now that it is empty*/
    if(before > 0) lv_event_send(obj, LV_EVENT_CHILD_CHANGED, NULL);
}

void lv_obj_del_delayed(lv_obj_t * obj, uint32_t delay_ms)
{
    /*An animation with nothing to animate serves as a one-shot timer that
     *also goes away if the object is deleted earlier (lv_anim_del in the
     *destructor)*/
    lv_anim_t timer;
    lv_anim_init(&timer);
    lv_anim_set_var(&timer, obj);
    lv_anim_set_delay(&timer, delay_ms);
    lv_anim_set_time(&timer, 1);
    lv_anim_set_exec_cb(&timer, NULL);
    lv_anim_set_ready_cb(&timer, lv_obj_del_anim_ready_cb);
    lv_anim_start(&timer);
}

void lv_obj_del_anim_ready_cb(lv_anim_t * a)
{
    del_cb(a->var);
}

/*
 * The deletion runs from the next timer pass. Asking twice queues it once:
 * a second queued call would free the object a second time.
 */
void lv_obj_del_async(lv_obj_t * obj)
{
    lv_async_call_cancel(del_cb, obj);
    lv_async_call(del_cb, obj);
}

/*
 * Screens cannot become children, and an object cannot move below itself:
 * that would cut its subtree off from every display (and loop forever in
 * every walk). Both requests are ignored.
 */
void lv_obj_set_parent(lv_obj_t * obj, lv_obj_t * parent)
{
    lv_obj_t * from = obj->parent;
    if(from == NULL || parent == NULL || parent == from) return;
    if(parent == obj || is_ancestor(obj, parent)) return;

    lv_obj_invalidate(obj);
    if(!_lv_obj_link_child(parent, obj)) return;
    list_drop(&from->spec_attr->children, &from->spec_attr->child_cnt, obj);
    obj->parent = parent;

    /*The old parent may now be scrolled past its shorter content*/
    lv_obj_readjust_scroll(from, LV_ANIM_OFF);
    lv_obj_scrollbar_invalidate(from);
    _lv_obj_report_child(from, obj, LV_EVENT_CHILD_DELETED);
    _lv_obj_report_child(parent, obj, LV_EVENT_CHILD_CREATED);

    /*Its x/y are kept and now count from the new parent, once the layout runs;
     *meanwhile it is drawn in the new parent's order*/
    lv_obj_mark_layout_as_dirty(obj);
    lv_obj_invalidate(obj);
}

void lv_obj_move_to_index(lv_obj_t * obj, int32_t index)
{
    lv_obj_t * parent = obj->parent;
    if(parent == NULL) return;

    int32_t cnt = (int32_t)lv_obj_get_child_cnt(parent);
    int32_t target = index >= 0 ? index : cnt + index;
    int32_t current = (int32_t)lv_obj_get_index(obj);
    if(target < 0 || target >= cnt || target == current) return;

    /*Slide the siblings in between one place towards the gap, then drop
     *the object into the freed slot*/
    lv_obj_t ** kids = parent->spec_attr->children;
    if(target > current) memmove(&kids[current], &kids[current + 1], (target - current) * sizeof(lv_obj_t *));
    else memmove(&kids[target + 1], &kids[target], (current - target) * sizeof(lv_obj_t *));
    kids[target] = obj;

    lv_event_send(parent, LV_EVENT_CHILD_CHANGED, NULL);
    lv_obj_invalidate(parent);
}

void lv_obj_swap(lv_obj_t * obj1, lv_obj_t * obj2)
{
    lv_obj_t * parent1 = lv_obj_get_parent(obj1);
    lv_obj_t * parent2 = lv_obj_get_parent(obj2);
    if(parent1 == NULL || parent2 == NULL || obj1 == obj2) return;

    uint32_t slot1 = lv_obj_get_index(obj1);
    uint32_t slot2 = lv_obj_get_index(obj2);

    /*Each parent sees its child leave and the other one arrive*/
    lv_event_send(parent2, LV_EVENT_CHILD_DELETED, obj2);
    lv_event_send(parent1, LV_EVENT_CHILD_DELETED, obj1);

    parent1->spec_attr->children[slot1] = obj2;
    parent2->spec_attr->children[slot2] = obj1;
    obj2->parent = parent1;
    obj1->parent = parent2;

    _lv_obj_report_child(parent1, obj2, LV_EVENT_CHILD_CREATED);
    _lv_obj_report_child(parent2, obj1, LV_EVENT_CHILD_CREATED);

    lv_obj_invalidate(parent1);
    if(parent2 != parent1) lv_obj_invalidate(parent2);

    /*Focus order follows the tree order*/
    lv_group_swap_obj(obj1, obj2);
}

lv_obj_t * lv_obj_get_screen(const lv_obj_t * obj)
{
    const lv_obj_t * root = obj;
    while(root->parent != NULL) root = root->parent;
    return (lv_obj_t *)root;
}

lv_disp_t * lv_obj_get_disp(const lv_obj_t * obj)
{
    const lv_obj_t * root = lv_obj_get_screen(obj);
    for(lv_disp_t * d = lv_disp_get_next(NULL); d != NULL; d = lv_disp_get_next(d)) {
        if(root == d->top_layer || root == d->sys_layer) return d;
        for(uint32_t i = 0; i < d->screen_cnt; i++) {
            if(d->screens[i] == root) return d;
        }
    }
    return NULL;
}

lv_obj_t * lv_obj_get_parent(const lv_obj_t * obj)
{
    return obj != NULL ? obj->parent : NULL;
}

lv_obj_t * lv_obj_get_child(const lv_obj_t * obj, int32_t id)
{
    /*64-bit so that a count near the 32-bit limit cannot wrap a negative id*/
    int64_t cnt = lv_obj_get_child_cnt(obj);
    int64_t slot = id < 0 ? cnt + id : id;
    if(slot < 0 || slot >= cnt) return NULL;
    return _lv_obj_child_at(obj, (uint32_t)slot);
}

uint32_t lv_obj_get_child_cnt(const lv_obj_t * obj)
{
    return obj->spec_attr != NULL ? obj->spec_attr->child_cnt : 0;
}

uint32_t lv_obj_get_index(const lv_obj_t * obj)
{
    const lv_obj_t * parent = obj->parent;
    if(parent == NULL) return NO_INDEX;

    uint32_t cnt = lv_obj_get_child_cnt(parent);
    for(uint32_t slot = 0; slot < cnt; slot++) {
        if(_lv_obj_child_at(parent, slot) == obj) return slot;
    }
    return NO_INDEX;
}

void lv_obj_tree_walk(lv_obj_t * start_obj, lv_obj_tree_walk_cb_t cb, void * user_data)
{
    if(start_obj != NULL) {
        walk(start_obj, cb, user_data);
        return;
    }

    /*No start: every root of every display, layers included*/
    for(lv_disp_t * d = lv_disp_get_next(NULL); d != NULL; d = lv_disp_get_next(d)) {
        for(uint32_t i = 0; i < d->screen_cnt; i++) {
            if(walk(d->screens[i], cb, user_data) == LV_OBJ_TREE_WALK_END) return;
        }
    }
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

/* Grow a pointer array by one at its end. */
static bool list_append(lv_obj_t *** list, uint32_t * cnt, lv_obj_t * item)
{
    lv_obj_t ** grown = lv_mem_realloc(*list, (*cnt + 1) * sizeof(lv_obj_t *));
    LV_ASSERT_MALLOC(grown);
    if(grown == NULL) return false;
    grown[*cnt] = item;
    *list = grown;
    (*cnt)++;
    return true;
}

/*
 * Take `item` out of a pointer array, keeping the order of the rest. The
 * array keeps its size (it shrinks when it is next grown or freed when it
 * empties), since deleting a subtree would otherwise reallocate per child.
 */
static bool list_drop(lv_obj_t *** list, uint32_t * cnt, const lv_obj_t * item)
{
    uint32_t slot = 0;
    while(slot < *cnt && (*list)[slot] != item) slot++;
    if(slot == *cnt) return false;

    memmove(&(*list)[slot], &(*list)[slot + 1], (*cnt - slot - 1) * sizeof(lv_obj_t *));
    (*cnt)--;
    if(*cnt == 0) {
        lv_mem_free(*list);
        *list = NULL;
    }
    return true;
}

/* Deferred deletions (async calls, delay animations) end here. */
static void del_cb(void * target)
{
    lv_obj_del(target);
}

static bool is_ancestor(const lv_obj_t * maybe_ancestor, const lv_obj_t * obj)
{
    for(const lv_obj_t * up = obj->parent; up != NULL; up = up->parent) {
        if(up == maybe_ancestor) return true;
    }
    return false;
}

/* Input devices must not keep a pointer to an object that is being freed. */
static void release_from_indevs(lv_obj_t * gone)
{
    lv_obj_t * focused = lv_indev_get_obj_act();
    lv_group_t * group = lv_obj_get_group(gone);

    for(lv_indev_t * indev = lv_indev_get_next(NULL); indev != NULL; indev = lv_indev_get_next(indev)) {
        lv_indev_type_t kind = lv_indev_get_type(indev);
        if(kind == LV_INDEV_TYPE_POINTER || kind == LV_INDEV_TYPE_BUTTON) {
            struct _lv_indev_proc_t * proc = &indev->proc;
            bool held = proc->types.pointer.act_obj == gone || proc->types.pointer.last_obj == gone ||
                        proc->types.pointer.scroll_obj == gone;
            if(held) lv_indev_reset(indev, gone);
            if(proc->types.pointer.last_pressed == gone) proc->types.pointer.last_pressed = NULL;
        }
        /*A keypad or encoder working on this object right now*/
        if(gone == focused && indev->group == group) lv_indev_reset(indev, gone);
    }
}

/* Take a dying screen off its display and out of every screen pointer the display keeps. */
static void release_from_disp(lv_obj_t * scr)
{
    lv_disp_t * disp = lv_obj_get_disp(scr);
    if(disp == NULL) return;
    list_drop(&disp->screens, &disp->screen_cnt, scr);

    /*The screen a load animation was bringing in: the animation is over
     *and the old screen stays (input stays off while prev_scr is set)*/
    if(disp->act_scr == scr && disp->prev_scr != NULL) {
        disp->act_scr = disp->prev_scr;
        disp->prev_scr = NULL;
        disp->draw_prev_over_act = 0;
    }
    if(disp->prev_scr == scr) {
        disp->prev_scr = NULL;
        disp->draw_prev_over_act = 0;
    }
    if(disp->act_scr == scr) disp->act_scr = NULL;
    if(disp->scr_to_load == scr) disp->scr_to_load = NULL;
    if(disp->top_layer == scr) disp->top_layer = NULL;
    if(disp->sys_layer == scr) disp->sys_layer = NULL;
}

/*
 * Free a subtree, the children (newest first) before their parent. Every
 * object hears LV_EVENT_DELETE while it and its children are still whole;
 * then groups, input devices and the display forget it before its memory
 * goes, so nothing keeps a dangling pointer.
 */
static void destroy(lv_obj_t * victim)
{
    dying_t frame = {victim, dying};
    dying = &frame;
    lv_res_t heard = lv_event_send(victim, LV_EVENT_DELETE, NULL);
    if(heard != LV_RES_OK) {
        /*Freed by other means in the meantime: nothing left to do*/
        dying = frame.outer;
        return;
    }

    while(lv_obj_get_child_cnt(victim) > 0) destroy(lv_obj_get_child(victim, -1));
    dying = frame.outer;

    /*A deletion queued for later would free this memory again*/
    lv_async_call_cancel(del_cb, victim);
    release_from_indevs(victim);
    _lv_obj_destruct(victim);

    lv_obj_t * parent = victim->parent;
    if(parent == NULL) release_from_disp(victim);
    else list_drop(&parent->spec_attr->children, &parent->spec_attr->child_cnt, victim);

    lv_mem_free(victim);
}

static bool is_dying(const lv_obj_t * obj)
{
    for(const dying_t * d = dying; d != NULL; d = d->outer) {
        if(d->obj == obj) return true;
    }
    return false;
}

/* Pre-order: a callback may skip the children of the object it was given, or stop the walk. */
static lv_obj_tree_walk_res_t walk(lv_obj_t * obj, lv_obj_tree_walk_cb_t cb, void * user_data)
{
    lv_obj_tree_walk_res_t verdict = cb(obj, user_data);
    if(verdict == LV_OBJ_TREE_WALK_END) return LV_OBJ_TREE_WALK_END;
    if(verdict == LV_OBJ_TREE_WALK_SKIP_CHILDREN) return LV_OBJ_TREE_WALK_NEXT;

    for(uint32_t i = 0; i < lv_obj_get_child_cnt(obj); i++) {
        if(walk(_lv_obj_child_at(obj, i), cb, user_data) == LV_OBJ_TREE_WALK_END) return LV_OBJ_TREE_WALK_END;
    }
    return LV_OBJ_TREE_WALK_NEXT;
}
