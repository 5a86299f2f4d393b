/**
 * @file lv_obj_tree.c
 * Deleting objects, moving them between parents and walking the tree.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_obj.h"
#include "lv_indev.h"
#include "lv_disp.h"
#include "../misc/lv_anim.h"
#include "../misc/lv_async.h"
#include "../misc/lv_mem.h"

/*********************
 *      DEFINES
 *********************/
#define MY_CLASS &lv_obj_class

/**********************
 *  STATIC PROTOTYPES
 **********************/
static void del_async_cb(void * obj);
static void delete_subtree(lv_obj_t * obj);
static lv_obj_tree_walk_res_t walk_subtree(lv_obj_t * obj, lv_obj_tree_walk_cb_t cb, void * user_data);

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

/* Close the gap at `index` in an array of `cnt` object pointers. */
static void remove_from_array(lv_obj_t ** items, uint32_t cnt, uint32_t index)
{
    for(uint32_t i = index; i + 1 < cnt; i++) items[i] = items[i + 1];
}

/*
 * Drop the child at `index` from `parent`'s list. `shrink` gives the spare
 * slot back to the pool; deletion skips that since the list usually goes
 * soon anyway.
 */
static void remove_from_child_list(lv_obj_t * parent, uint32_t index, bool shrink)
{
    _lv_obj_spec_attr_t * attr = parent->spec_attr;
    remove_from_array(attr->children, attr->child_cnt, index);
    attr->child_cnt--;
    if(attr->child_cnt == 0) {
        lv_mem_free(attr->children);
        attr->children = NULL;
    }
    else if(shrink) {
        attr->children = lv_mem_realloc(attr->children, attr->child_cnt * sizeof(lv_obj_t *));
    }
}

static void append_to_child_list(lv_obj_t * parent, lv_obj_t * obj)
{
    _lv_obj_spec_attr_t * attr = parent->spec_attr;
    attr->child_cnt++;
    attr->children = lv_mem_realloc(attr->children, attr->child_cnt * sizeof(lv_obj_t *));
    attr->children[attr->child_cnt - 1] = obj;
}

void lv_obj_del(lv_obj_t * obj)
{
    if(obj == NULL) return;
    lv_obj_invalidate(obj);

    lv_obj_t * parent = lv_obj_get_parent(obj);

    /*A screen unknown to every display was already deleted*/
    if(parent == NULL && lv_obj_get_disp(obj) == NULL) return;

    /*delete_subtree also updates the display's screen pointers*/
    delete_subtree(obj);

    if(parent) {
        lv_obj_scrollbar_invalidate(parent);
        lv_event_send(parent, LV_EVENT_CHILD_CHANGED, NULL);
        lv_event_send(parent, LV_EVENT_CHILD_DELETED, NULL);
    }
}

void lv_obj_clean(lv_obj_t * obj)
{
    if(obj == NULL) return;

    lv_obj_invalidate(obj);

    lv_obj_t * child;
    while((child = lv_obj_get_child(obj, 0)) != NULL) delete_subtree(child);

    /*Also stops a running scroll animation*/
    lv_obj_scroll_to(obj, 0, 0, LV_ANIM_OFF);
    if(obj->spec_attr) {
        obj->spec_attr->scroll.x = 0;
        obj->spec_attr->scroll.y = 0;
    }
}

void lv_obj_del_delayed(lv_obj_t * obj, uint32_t delay_ms)
{
    lv_anim_t a;
    lv_anim_init(&a);
    lv_anim_set_var(&a, obj);
    lv_anim_set_exec_cb(&a, NULL);
    lv_anim_set_time(&a, 1);
    lv_anim_set_delay(&a, delay_ms);
    lv_anim_set_ready_cb(&a, lv_obj_del_anim_ready_cb);
    lv_anim_start(&a);
}

void lv_obj_del_anim_ready_cb(lv_anim_t * a)
{
    lv_obj_del(a->var);
}

/**
 * Queue the deletion for the next timer pass. Asking twice for the same
 * object queues it once: upstream would free it twice.
 */
void lv_obj_del_async(lv_obj_t * obj)
{
    lv_async_call_cancel(del_async_cb, obj);
    lv_async_call(del_async_cb, obj);
}

void lv_obj_set_parent(lv_obj_t * obj, lv_obj_t * parent)
{
    if(obj->parent == NULL) return; /*screens stay screens*/
    if(parent == NULL || parent == obj->parent) return;

    lv_obj_invalidate(obj);

    lv_obj_allocate_spec_attr(parent);

    lv_obj_t * old_parent = obj->parent;
    remove_from_child_list(old_parent, lv_obj_get_index(obj), true);
    append_to_child_list(parent, obj);
    obj->parent = parent;

    lv_obj_readjust_scroll(old_parent, LV_ANIM_OFF);
    lv_obj_scrollbar_invalidate(old_parent);
    lv_event_send(old_parent, LV_EVENT_CHILD_CHANGED, obj);
    lv_event_send(old_parent, LV_EVENT_CHILD_DELETED, NULL);

    lv_event_send(parent, LV_EVENT_CHILD_CHANGED, obj);
    lv_event_send(parent, LV_EVENT_CHILD_CREATED, NULL);

    lv_obj_mark_layout_as_dirty(obj);

    lv_obj_invalidate(obj);
}

void lv_obj_move_to_index(lv_obj_t * obj, int32_t index)
{
    lv_obj_t * parent = lv_obj_get_parent(obj);
    if(!parent) return;

    int32_t cnt = (int32_t)lv_obj_get_child_cnt(parent);
    int32_t to = index < 0 ? cnt + index : index;
    int32_t from = (int32_t)lv_obj_get_index(obj);
    if(to < 0 || to >= cnt || to == from) return;

    /*Shift the siblings between the two places by one towards `from`*/
    lv_obj_t ** children = parent->spec_attr->children;
    int32_t step = to < from ? -1 : 1;
    for(int32_t i = from; i != to; i += step) children[i] = children[i + step];
    children[to] = obj;

    lv_event_send(parent, LV_EVENT_CHILD_CHANGED, NULL);
    lv_obj_invalidate(parent);
}

void lv_obj_swap(lv_obj_t * obj1, lv_obj_t * obj2)
{
    lv_obj_t * parent = lv_obj_get_parent(obj1);
    lv_obj_t * parent2 = lv_obj_get_parent(obj2);
    if(!parent || !parent2) return;

    uint_fast32_t index1 = lv_obj_get_index(obj1);
    uint_fast32_t index2 = lv_obj_get_index(obj2);

    lv_event_send(parent2, LV_EVENT_CHILD_DELETED, obj2);
    lv_event_send(parent, LV_EVENT_CHILD_DELETED, obj1);

    parent->spec_attr->children[index1] = obj2;
    parent2->spec_attr->children[index2] = obj1;
    obj1->parent = parent2;
    obj2->parent = parent;

    lv_event_send(parent, LV_EVENT_CHILD_CHANGED, obj2);
    lv_event_send(parent, LV_EVENT_CHILD_CREATED, obj2);
    lv_event_send(parent2, LV_EVENT_CHILD_CHANGED, obj1);
    lv_event_send(parent2, LV_EVENT_CHILD_CREATED, obj1);

    lv_obj_invalidate(parent);
    if(parent != parent2) lv_obj_invalidate(parent2);
    lv_group_swap_obj(obj1, obj2);
}

lv_obj_t * lv_obj_get_screen(const lv_obj_t * obj)
{
    while(obj->parent) obj = obj->parent;
    return (lv_obj_t *)obj;
}

static bool disp_owns_screen(const lv_disp_t * disp, const lv_obj_t * scr)
{
    for(uint32_t i = 0; i < disp->screen_cnt; i++) {
        if(disp->screens[i] == scr) return true;
    }
    return disp->top_layer == scr || disp->sys_layer == scr;
}

lv_disp_t * lv_obj_get_disp(const lv_obj_t * obj)
{
    const lv_obj_t * scr = lv_obj_get_screen(obj);
    for(lv_disp_t * d = lv_disp_get_next(NULL); d; d = lv_disp_get_next(d)) {
        if(disp_owns_screen(d, scr)) return d;
    }
    return NULL;
}

lv_obj_t * lv_obj_get_parent(const lv_obj_t * obj)
{
    return obj ? obj->parent : NULL;
}

lv_obj_t * lv_obj_get_child(const lv_obj_t * obj, int32_t id)
{
    uint32_t cnt = lv_obj_get_child_cnt(obj);
    int64_t index = id < 0 ? (int64_t)cnt + id : id;
    if(index < 0 || index >= (int64_t)cnt) return NULL;
    return obj->spec_attr->children[index];
}

uint32_t lv_obj_get_child_cnt(const lv_obj_t * obj)
{
    return obj->spec_attr ? obj->spec_attr->child_cnt : 0;
}

uint32_t lv_obj_get_index(const lv_obj_t * obj)
{
    lv_obj_t * parent = lv_obj_get_parent(obj);
    if(parent == NULL) return 0xFFFFFFFF;

    uint32_t cnt = lv_obj_get_child_cnt(parent);
    for(uint32_t i = 0; i < cnt; i++) {
        if(parent->spec_attr->children[i] == obj) return i;
    }
    return 0xFFFFFFFF; /*a parent that does not list its child: the tree is broken*/
}

void lv_obj_tree_walk(lv_obj_t * start_obj, lv_obj_tree_walk_cb_t cb, void * user_data)
{
    if(start_obj) {
        walk_subtree(start_obj, cb, user_data);
        return;
    }

    /*NULL: every screen of every display (not the layers)*/
    for(lv_disp_t * disp = lv_disp_get_next(NULL); disp; disp = lv_disp_get_next(disp)) {
        for(uint32_t i = 0; i < disp->screen_cnt; i++) walk_subtree(disp->screens[i], cb, user_data);
    }
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

static void del_async_cb(void * obj)
{
    lv_obj_del(obj);
}

/* Input devices must not keep pointing at an object that is about to be freed. */
static void forget_in_indevs(lv_obj_t * obj)
{
    lv_group_t * group = lv_obj_get_group(obj);
    for(lv_indev_t * indev = lv_indev_get_next(NULL); indev; indev = lv_indev_get_next(indev)) {
        lv_indev_type_t type = lv_indev_get_type(indev);
        if(type == LV_INDEV_TYPE_POINTER || type == LV_INDEV_TYPE_BUTTON) {
            _lv_indev_proc_t * proc = &indev->proc;
            if(proc->types.pointer.act_obj == obj || proc->types.pointer.last_obj == obj ||
               proc->types.pointer.scroll_obj == obj) {
                lv_indev_reset(indev, obj);
            }
            if(proc->types.pointer.last_pressed == obj) proc->types.pointer.last_pressed = NULL;
        }
        if(indev->group == group && obj == lv_indev_get_obj_act()) {
            lv_indev_reset(indev, obj);
        }
    }
}

/* Take a deleted screen off its display's list and out of the display's screen pointers. */
static void unlink_screen(lv_obj_t * scr)
{
    lv_disp_t * disp = lv_obj_get_disp(scr);
    if(disp == NULL) return;

    for(uint32_t i = 0; i < disp->screen_cnt; i++) {
        if(disp->screens[i] != scr) continue;
        remove_from_array(disp->screens, disp->screen_cnt, i);
        disp->screen_cnt--;
        if(disp->screen_cnt == 0) {
            lv_mem_free(disp->screens);
            disp->screens = NULL;
        }
        break;
    }

    /*A screen deleted in the middle of a load animation ends the
     *animation: input devices stay off while `prev_scr` is set*/
    if(disp->act_scr == scr && disp->prev_scr) {
        disp->act_scr = disp->prev_scr;
        disp->prev_scr = NULL;
        disp->draw_prev_over_act = 0;
    }
    if(disp->act_scr == scr) disp->act_scr = NULL;
    if(disp->prev_scr == scr) {
        disp->prev_scr = NULL;
        disp->draw_prev_over_act = 0;
    }
    if(disp->scr_to_load == scr) disp->scr_to_load = NULL;
}

/**
 * Delete `obj` and its children, deepest first. Each gets LV_EVENT_DELETE
 * while still intact; input devices, groups and the display forget it
 * before the memory is released, so nothing keeps a dangling pointer.
 */
static void delete_subtree(lv_obj_t * obj)
{
    /*The program frees what it attached to the object here*/
    if(lv_event_send(obj, LV_EVENT_DELETE, NULL) == LV_RES_INV) return;

    lv_obj_t * child;
    while((child = lv_obj_get_child(obj, 0)) != NULL) delete_subtree(child);

    /*A pending asynchronous delete of this object would free it a second time*/
    lv_async_call_cancel(del_async_cb, obj);

    forget_in_indevs(obj);

    _lv_obj_destruct(obj);

    if(obj->parent == NULL) unlink_screen(obj);
    else remove_from_child_list(obj->parent, lv_obj_get_index(obj), false);

    lv_mem_free(obj);
}

static lv_obj_tree_walk_res_t walk_subtree(lv_obj_t * obj, lv_obj_tree_walk_cb_t cb, void * user_data)
{
    lv_obj_tree_walk_res_t res = cb(obj, user_data);
    if(res == LV_OBJ_TREE_WALK_END) return LV_OBJ_TREE_WALK_END;
    if(res == LV_OBJ_TREE_WALK_SKIP_CHILDREN) return LV_OBJ_TREE_WALK_NEXT;

    for(uint32_t i = 0; i < lv_obj_get_child_cnt(obj); i++) {
        if(walk_subtree(obj->spec_attr->children[i], cb, user_data) == LV_OBJ_TREE_WALK_END) {
            return LV_OBJ_TREE_WALK_END;
        }
    }
    return LV_OBJ_TREE_WALK_NEXT;
}
