/**
 * @file lv_obj_tree.h
 * The parent/child relations of objects: create, delete, walk.
 */

#ifndef LV_OBJ_TREE_H
#define LV_OBJ_TREE_H

#ifdef __cplusplus
extern "C" {
#endif

/*********************
 *      INCLUDES
 *********************/
#include <stddef.h>
#include <stdbool.h>

/**********************
 *      TYPEDEFS
 **********************/

struct _lv_obj_t;
struct _lv_obj_class_t;

typedef enum {
    LV_OBJ_TREE_WALK_NEXT,
    LV_OBJ_TREE_WALK_SKIP_CHILDREN,
    LV_OBJ_TREE_WALK_END,
} lv_obj_tree_walk_res_t;

typedef lv_obj_tree_walk_res_t (*lv_obj_tree_walk_cb_t)(struct _lv_obj_t *, void *);

/**********************
 * GLOBAL PROTOTYPES
 **********************/

/**
 * Delete an object with all its descendants. Each gets LV_EVENT_DELETE, leaves
 * its group and loses its animations. Asking again from a DELETE handler
 * while the deletion runs is ignored.
 */
void lv_obj_del(struct _lv_obj_t * obj);

/** Delete every child of `obj`, keeping `obj` itself (with its scroll back at the start).*/
void lv_obj_clean(struct _lv_obj_t * obj);

/** Delete `obj` once `delay_ms` milliseconds have passed (driven by an animation).*/
void lv_obj_del_delayed(struct _lv_obj_t * obj, uint32_t delay_ms);

/** An animation ready callback that deletes the animated object.*/
void lv_obj_del_anim_ready_cb(lv_anim_t * a);

/**
 * Delete `obj` on the next timer run rather than now; for handlers that may
 * not delete it themselves, such as a parent's LV_EVENT_DELETE.
 */
void lv_obj_del_async(struct _lv_obj_t * obj);

/**
 * Move `obj` under another parent, keeping its position relative to the
 * parent. Screens stay screens, and a move below `obj` itself is refused.
 */
void lv_obj_set_parent(struct _lv_obj_t * obj, struct _lv_obj_t * parent);

/** Exchange the places of two objects in their parents' child lists.*/
void lv_obj_swap(struct _lv_obj_t * obj1, struct _lv_obj_t * obj2);

/**
 * Move `obj` to another place among its siblings, which changes the drawing
 * order and the order of a layout.
 * @param index     the new index; negative values count from the end (-1: last)
 */
void lv_obj_move_to_index(struct _lv_obj_t * obj, int32_t index);

/** @return the screen `obj` is on*/
struct _lv_obj_t * lv_obj_get_screen(const struct _lv_obj_t * obj);

/** @return the display `obj` is on*/
lv_disp_t * lv_obj_get_disp(const struct _lv_obj_t * obj);

/** @return the parent of `obj`, or NULL for a screen*/
struct _lv_obj_t * lv_obj_get_parent(const struct _lv_obj_t * obj);

/**
 * @param id        the child's index: 0 is the oldest child; negative values
 *                  count from the newest (-1 is the newest)
 * @return          the child, or NULL when there is none at that index
 */
struct _lv_obj_t * lv_obj_get_child(const struct _lv_obj_t * obj, int32_t id);

/** @return how many children `obj` has*/
uint32_t lv_obj_get_child_cnt(const struct _lv_obj_t * obj);

/** @return the place of `obj` among its siblings (0: oldest), or 0xFFFFFFFF for a screen*/
uint32_t lv_obj_get_index(const struct _lv_obj_t * obj);

/** Call `cb` for `start_obj` and its descendants, parents before children, as long as `cb` says go on.*/
void lv_obj_tree_walk(struct _lv_obj_t * start_obj, lv_obj_tree_walk_cb_t cb, void * user_data);

/**********************
 *      MACROS
 **********************/

static inline void lv_obj_move_foreground(struct _lv_obj_t * obj)
{
    lv_obj_move_to_index(obj, -1);
}

static inline void lv_obj_move_background(struct _lv_obj_t * obj)
{
    lv_obj_move_to_index(obj, 0);
}

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_OBJ_TREE_H*/
