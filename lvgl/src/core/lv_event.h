/**
 * @file lv_event.h
 * Events: codes, the event record handed to callbacks, and sending.
 */

#ifndef LV_EVENT_H
#define LV_EVENT_H

#ifdef __cplusplus
extern "C" {
#endif

/*********************
 *      INCLUDES
 *********************/
#include <stdbool.h>

/**********************
 *      TYPEDEFS
 **********************/

struct _lv_obj_t;
struct _lv_event_dsc_t;

/**
 * Type of event being sent to the object. The order is that of upstream 8.3,
 * since programs store and compare these numbers.
 */
typedef enum {
    LV_EVENT_ALL = 0,

    /*From input devices (the parameter is the lv_indev_t)*/
    LV_EVENT_PRESSED,             /**< pressed down on the object*/
    LV_EVENT_PRESSING,            /**< repeated on every read while the press lasts*/
    LV_EVENT_PRESS_LOST,          /**< the press slid off the object but has not ended*/
    LV_EVENT_SHORT_CLICKED,       /**< released before the long-press time, without scrolling*/
    LV_EVENT_LONG_PRESSED,        /**< held for `long_press_time`, without scrolling*/
    LV_EVENT_LONG_PRESSED_REPEAT, /**< then every `long_press_repeat_time` ms while still held*/
    LV_EVENT_CLICKED,             /**< released without scrolling, long press or not*/
    LV_EVENT_RELEASED,            /**< released, in every case*/
    LV_EVENT_SCROLL_BEGIN,        /**< scrolling starts; the parameter is the scroll animation (may be changed) or NULL*/
    LV_EVENT_SCROLL_END,
    LV_EVENT_SCROLL,              /**< the scroll position changed*/
    LV_EVENT_GESTURE,             /**< a swipe; ask lv_indev_get_gesture_dir for its direction*/
    LV_EVENT_KEY,                 /**< a key for the focused object; the parameter points at the key code*/
    LV_EVENT_FOCUSED,
    LV_EVENT_DEFOCUSED,
    LV_EVENT_LEAVE,               /**< focus left in edit mode while the object stays selected*/
    LV_EVENT_HIT_TEST,            /**< refine whether a point hits the object (lv_hit_test_info_t)*/

    /*From the renderer*/
    LV_EVENT_COVER_CHECK,        /**< does the object hide an area completely? (lv_cover_check_info_t)*/
    LV_EVENT_REFR_EXT_DRAW_SIZE, /**< how far drawing reaches past the edges; the parameter is an lv_coord_t to raise*/
    LV_EVENT_DRAW_MAIN_BEGIN,    /**< the parameter of the six DRAW_MAIN/POST events is the draw context*/
    LV_EVENT_DRAW_MAIN,          /**< draw the object itself*/
    LV_EVENT_DRAW_MAIN_END,
    LV_EVENT_DRAW_POST_BEGIN,    /**< the POST events come after the children are drawn*/
    LV_EVENT_DRAW_POST,
    LV_EVENT_DRAW_POST_END,
    LV_EVENT_DRAW_PART_BEGIN,    /**< a part is about to be drawn; its lv_obj_draw_part_dsc_t may be changed*/
    LV_EVENT_DRAW_PART_END,      /**< that part is drawn*/

    /*From widgets*/
    LV_EVENT_VALUE_CHANGED,       /**< the widget's value changed (slider moved, box checked...)*/
    LV_EVENT_INSERT,              /**< text is about to be inserted; the parameter is the text*/
    LV_EVENT_REFRESH,             /**< sent by the program to make a widget refresh itself*/
    LV_EVENT_READY,               /**< something the widget did is done*/
    LV_EVENT_CANCEL,              /**< and here it was given up*/

    /*From the object tree and the styles*/
    LV_EVENT_DELETE,              /**< the object is about to be freed*/
    LV_EVENT_CHILD_CHANGED,       /**< a child appeared, vanished, moved or changed size*/
    LV_EVENT_CHILD_CREATED,       /**< a child was created; goes up through every ancestor*/
    LV_EVENT_CHILD_DELETED,       /**< a child was deleted; goes up through every ancestor*/
    LV_EVENT_SCREEN_UNLOAD_START, /**< to the old screen as soon as lv_scr_load_anim is called*/
    LV_EVENT_SCREEN_LOAD_START,   /**< to the new screen once the load delay has passed*/
    LV_EVENT_SCREEN_LOADED,
    LV_EVENT_SCREEN_UNLOADED,
    LV_EVENT_SIZE_CHANGED,        /**< the coordinates changed; the parameter is the old area*/
    LV_EVENT_STYLE_CHANGED,
    LV_EVENT_LAYOUT_CHANGED,      /**< a layout moved the children*/
    LV_EVENT_GET_SELF_SIZE,       /**< content size of the widget itself (lv_point_t to raise), e.g. a label's text*/

    _LV_EVENT_LAST,               /**< first code free for lv_event_register_id*/

    LV_EVENT_PREPROCESS = 0x80,   /**< OR-ed into a filter: the callback runs before the class's own handler*/
} lv_event_code_t;

typedef struct _lv_event_t {
    struct _lv_obj_t * target;
    struct _lv_obj_t * current_target;
    lv_event_code_t code;
    void * user_data;
    void * param;
    struct _lv_event_t * prev;
    uint8_t deleted : 1;
    uint8_t stop_processing : 1;
    uint8_t stop_bubbling : 1;
} lv_event_t;

/** A handler added with lv_obj_add_event_cb.*/
typedef void (*lv_event_cb_t)(lv_event_t * e);

/**
 * Parameter of LV_EVENT_HIT_TEST. `res` arrives with the verdict so far
 * (the object's area); a handler clears it to exclude the point or sets it to
 * include the point anyway.
 */
typedef struct {
    const lv_point_t * point;   /**< the point on the screen*/
    bool res;                   /**< true: the point hits the object*/
} lv_hit_test_info_t;

/**
 * Parameter of LV_EVENT_COVER_CHECK; read it with lv_event_get_cover_area
 * and answer with lv_event_set_cover_res.
 */
typedef struct {
    lv_cover_res_t res;
    const lv_area_t * area;
} lv_cover_check_info_t;

/**********************
 * GLOBAL PROTOTYPES
 **********************/

/**
 * Deliver an event to `obj`, then to its ancestors while it bubbles.
 * @param obj           the target
 * @param event_code    what happened
 * @param param         data for that event code, often NULL
 * @return              LV_RES_INV if a handler deleted `obj` (do not touch it then), else LV_RES_OK
 */
lv_res_t lv_event_send(struct _lv_obj_t * obj, lv_event_code_t event_code, void * param);

/**
 * For a widget's event handler: pass the event on to the handler of the
 * nearest base class that has one.
 * @param class_p   the class whose handler is calling (not its base)
 * @param e         the event being handled
 * @return          LV_RES_INV if the target was deleted meanwhile, else LV_RES_OK
 */
lv_res_t lv_obj_event_base(const lv_obj_class_t * class_p, lv_event_t * e);

/** @return the object the event was sent to, also while it bubbles through the ancestors*/
struct _lv_obj_t * lv_event_get_target(lv_event_t * e);

/** @return the object whose handlers are running now: the target, or an ancestor when bubbling*/
struct _lv_obj_t * lv_event_get_current_target(lv_event_t * e);

lv_event_code_t lv_event_get_code(lv_event_t * e);

void * lv_event_get_param(lv_event_t * e);

void * lv_event_get_user_data(lv_event_t * e);

/** From inside a handler: do not pass this event on to the parent.*/
void lv_event_stop_bubbling(lv_event_t * e);

/** From inside a handler: call no further handlers for this event.*/
void lv_event_stop_processing(lv_event_t * e);

/** @return a fresh event code for the program's own events, above the built-in ones*/
uint32_t lv_event_register_id(void);

/**
 * Flag every event now being delivered to `obj` (events nest) so that its
 * lv_event_send returns LV_RES_INV. Called when `obj` is deleted.
 */
void _lv_event_mark_deleted(struct _lv_obj_t * obj);

/**
 * Add a handler to `obj`. Handlers run in the order they were added.
 * @param filter    the event code to react to, LV_EVENT_ALL for every one;
 *                  OR LV_EVENT_PREPROCESS to run before the class's handler
 * @return          the handler's entry (for lv_obj_remove_event_dsc), NULL if it could not be added
 */
struct _lv_event_dsc_t * lv_obj_add_event_cb(struct _lv_obj_t * obj, lv_event_cb_t event_cb, lv_event_code_t filter,
                                             void * user_data);

/**
 * Remove the first handler that is `event_cb` (NULL: the first handler at all).
 * @return          true if one was removed
 */
bool lv_obj_remove_event_cb(struct _lv_obj_t * obj, lv_event_cb_t event_cb);

/**
 * Remove the first handler that is `event_cb` (NULL: any) and was added with `user_data`.
 * @return          true if one was removed
 */
bool lv_obj_remove_event_cb_with_user_data(struct _lv_obj_t * obj, lv_event_cb_t event_cb,
                                           const void * user_data);

/**
 * Remove the handler entry returned by lv_obj_add_event_cb. The entries of
 * an object sit in one table that moves when handlers are added or removed,
 * so the pointer is good only until the next such change.
 * @return          true if it was found and removed
 */
bool lv_obj_remove_event_dsc(struct _lv_obj_t * obj, struct _lv_event_dsc_t * event_dsc);

/** @return the user data of the first handler that is `event_cb`, or NULL*/
void * lv_obj_get_event_user_data(struct _lv_obj_t * obj, lv_event_cb_t event_cb);

/** @return the input device behind an input event, or NULL for other events*/
lv_indev_t * lv_event_get_indev(lv_event_t * e);

/** @return the part descriptor of LV_EVENT_DRAW_PART_BEGIN/END, else NULL*/
lv_obj_draw_part_dsc_t * lv_event_get_draw_part_dsc(lv_event_t * e);

/** @return the draw context of the DRAW_MAIN and DRAW_POST events (and their BEGIN/END), else NULL*/
lv_draw_ctx_t * lv_event_get_draw_ctx(lv_event_t * e);

/** @return the coordinates before the change, in LV_EVENT_SIZE_CHANGED; else NULL*/
const lv_area_t * lv_event_get_old_size(lv_event_t * e);

/** @return the key of LV_EVENT_KEY, else 0*/
uint32_t lv_event_get_key(lv_event_t * e);

/** @return the scroll animation in LV_EVENT_SCROLL_BEGIN (NULL when not animated); else NULL*/
lv_anim_t * lv_event_get_scroll_anim(lv_event_t * e);

/** In LV_EVENT_REFR_EXT_DRAW_SIZE: make sure the extra draw size is at least `size`.*/
void lv_event_set_ext_draw_size(lv_event_t * e, lv_coord_t size);

/**
 * @return in LV_EVENT_GET_SELF_SIZE, the point to raise to the widget's own
 *         content width (x) and height (y); else NULL
 */
lv_point_t * lv_event_get_self_size_info(lv_event_t * e);

/** @return the hit-test question and answer in LV_EVENT_HIT_TEST, else NULL*/
lv_hit_test_info_t * lv_event_get_hit_test_info(lv_event_t * e);

/** @return the area to check in LV_EVENT_COVER_CHECK, else NULL*/
const lv_area_t * lv_event_get_cover_area(lv_event_t * e);

/** In LV_EVENT_COVER_CHECK: report a result; a more cautious earlier result is kept.*/
void lv_event_set_cover_res(lv_event_t * e, lv_cover_res_t res);

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_EVENT_H*/
