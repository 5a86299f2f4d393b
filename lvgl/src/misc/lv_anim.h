/**
 * @file lv_anim.h
 * Value animations: a number that travels from a start to an end value over
 * a time, along a path, handed to an exec callback once per display refresh
 * period (LV_DISP_DEF_REFR_PERIOD).
 */
#ifndef LV_ANIM_H
#define LV_ANIM_H

#ifdef __cplusplus
extern "C" {
#endif

#include "../lv_conf_internal.h"

#include <stdint.h>
#include <stddef.h>
#include <stdbool.h>

#define LV_ANIM_REPEAT_INFINITE      0xFFFF
#define LV_ANIM_PLAYTIME_INFINITE    0xFFFFFFFF

LV_EXPORT_CONST_INT(LV_ANIM_REPEAT_INFINITE);
LV_EXPORT_CONST_INT(LV_ANIM_PLAYTIME_INFINITE);

typedef enum {
    LV_ANIM_OFF,
    LV_ANIM_ON,
} lv_anim_enable_t;

struct _lv_anim_t;
struct _lv_timer_t;

/** Turns the animation's progress (act_time out of time) into the current value.*/
typedef int32_t (*lv_anim_path_cb_t)(const struct _lv_anim_t *);

/** Applies a value: (var, value).*/
typedef void (*lv_anim_exec_xcb_t)(void *, int32_t);

/** Applies a value, given the running animation itself.*/
typedef void (*lv_anim_custom_exec_cb_t)(struct _lv_anim_t *, int32_t);

/** The animation is over: every repeat and playback has run.*/
typedef void (*lv_anim_ready_cb_t)(struct _lv_anim_t *);

/** The delay is over and the value starts to move.*/
typedef void (*lv_anim_start_cb_t)(struct _lv_anim_t *);

/** For relative animations: the base that start and end are added to when the animation starts.*/
typedef int32_t (*lv_anim_get_value_cb_t)(struct _lv_anim_t *);

/** The animation is going away, finished or deleted.*/
typedef void (*lv_anim_deleted_cb_t)(struct _lv_anim_t *);

/** An animation. Times in ms; act_time runs from -delay up to time.*/
typedef struct _lv_anim_t {
    void * var;
    lv_anim_exec_xcb_t exec_cb;
    lv_anim_start_cb_t start_cb;
    lv_anim_ready_cb_t ready_cb;
    lv_anim_deleted_cb_t deleted_cb;
    lv_anim_get_value_cb_t get_value_cb;
#if LV_USE_USER_DATA
    void * user_data;
#endif
    lv_anim_path_cb_t path_cb;
    int32_t start_value;
    int32_t current_value;
    int32_t end_value;
    int32_t time;
    int32_t act_time;
    uint32_t playback_delay;
    uint32_t playback_time;
    uint32_t repeat_delay;
    uint16_t repeat_cnt;            /**< runs left; LV_ANIM_REPEAT_INFINITE: no end*/
    uint8_t early_apply  : 1;       /**< apply the start value at lv_anim_start, before any delay*/

    /*Kept by the library while the animation runs*/
    uint8_t playback_now : 1;       /**< running back from end to start*/
    uint8_t run_round : 1;          /**< not used by this implementation; kept for source compatibility*/
    uint8_t start_cb_called : 1;
} lv_anim_t;

/** Start with no animations; lv_init calls it.*/
void _lv_anim_core_init(void);

/**
 * Fill a descriptor with the defaults (linear path, 500 ms, from 0 to 100,
 * one run, no delay, start value applied at once); then set var and exec_cb
 * at least.
 */
void lv_anim_init(lv_anim_t * a);

/*Setters of single fields, one line each*/
static inline void lv_anim_set_var(lv_anim_t * a, void * var) { a->var = var; }
static inline void lv_anim_set_exec_cb(lv_anim_t * a, lv_anim_exec_xcb_t exec_cb) { a->exec_cb = exec_cb; }
static inline void lv_anim_set_time(lv_anim_t * a, uint32_t duration) { a->time = (int32_t)duration; }
static inline void lv_anim_set_path_cb(lv_anim_t * a, lv_anim_path_cb_t path_cb) { a->path_cb = path_cb; }
static inline void lv_anim_set_start_cb(lv_anim_t * a, lv_anim_start_cb_t start_cb) { a->start_cb = start_cb; }
static inline void lv_anim_set_ready_cb(lv_anim_t * a, lv_anim_ready_cb_t ready_cb) { a->ready_cb = ready_cb; }
static inline void lv_anim_set_deleted_cb(lv_anim_t * a, lv_anim_deleted_cb_t deleted_cb) { a->deleted_cb = deleted_cb; }
static inline void lv_anim_set_playback_time(lv_anim_t * a, uint32_t time) { a->playback_time = time; }
static inline void lv_anim_set_playback_delay(lv_anim_t * a, uint32_t delay) { a->playback_delay = delay; }
static inline void lv_anim_set_repeat_delay(lv_anim_t * a, uint32_t delay) { a->repeat_delay = delay; }

/** Wait `delay` ms before the value starts to move.*/
static inline void lv_anim_set_delay(lv_anim_t * a, uint32_t delay) { a->act_time = 0 - (int32_t)delay; }

/** The value starts at `start` (also as the current value) and ends at `end`.*/
static inline void lv_anim_set_values(lv_anim_t * a, int32_t start, int32_t end) { a->current_value = a->start_value = start; a->end_value = end; }

/** Use a callback that receives the animation itself; the animation then is its own var.*/
static inline void lv_anim_set_custom_exec_cb(lv_anim_t * a, lv_anim_custom_exec_cb_t exec_cb) { a->var = a; a->exec_cb = (lv_anim_exec_xcb_t)exec_cb; }

/** Make start and end relative to what `get_value_cb` returns when the animation starts.*/
static inline void lv_anim_set_get_value_cb(lv_anim_t * a, lv_anim_get_value_cb_t get_value_cb) { a->get_value_cb = get_value_cb; }

/** @param cnt number of runs (1 by default), LV_ANIM_REPEAT_INFINITE for no end*/
static inline void lv_anim_set_repeat_count(lv_anim_t * a, uint16_t cnt) { a->repeat_cnt = cnt; }

/** @param en false: leave the variable alone until the delay is over*/
static inline void lv_anim_set_early_apply(lv_anim_t * a, bool en) { a->early_apply = en ? 1 : 0; }

#if LV_USE_USER_DATA
static inline void lv_anim_set_user_data(lv_anim_t * a, void * user_data) { a->user_data = user_data; }
static inline void * lv_anim_get_user_data(lv_anim_t * a) { return a->user_data; }
#endif

/**
 * Start an animation from a copy of `a` (the caller's descriptor may go
 * away). An animation already running on the same var with the same
 * exec_cb is deleted first.
 * @return the running copy, or NULL when out of memory
 */
lv_anim_t * lv_anim_start(const lv_anim_t * a);

/** @return the delay still to wait before the value moves*/
static inline uint32_t lv_anim_get_delay(lv_anim_t * a) { return a->act_time < 0 ? (uint32_t)(0 - a->act_time) : 0; }

/**
 * @return how long a descriptor that has not started yet will play: delay,
 *         runs, playbacks and the delays between them; LV_ANIM_PLAYTIME_INFINITE
 *         when it repeats without end
 */
uint32_t lv_anim_get_playtime(lv_anim_t * a);

/**
 * Delete running animations.
 * @param var       the animated variable, NULL for any
 * @param exec_cb   the exec callback, NULL for any
 * @return true if at least one was deleted
 */
bool lv_anim_del(void * var, lv_anim_exec_xcb_t exec_cb);

void lv_anim_del_all(void);

/** @return the running animation of `var` with `exec_cb` (NULL: any callback), or NULL*/
lv_anim_t * lv_anim_get(void * var, lv_anim_exec_xcb_t exec_cb);

/** @return the timer that advances every animation*/
struct _lv_timer_t * lv_anim_get_timer(void);

/** lv_anim_del for an animation started with a custom exec callback.*/
static inline bool lv_anim_custom_del(lv_anim_t * a, lv_anim_custom_exec_cb_t exec_cb)
{
    void * var = a == NULL ? NULL : a->var;
    return lv_anim_del(var, (lv_anim_exec_xcb_t)exec_cb);
}

/** lv_anim_get for an animation started with a custom exec callback.*/
static inline lv_anim_t * lv_anim_custom_get(lv_anim_t * a, lv_anim_custom_exec_cb_t exec_cb)
{
    if(a == NULL) return NULL;
    return lv_anim_get(a->var, (lv_anim_exec_xcb_t)exec_cb);
}

uint16_t lv_anim_count_running(void);

/**
 * @param speed units per second
 * @return ms needed to go from `start` to `end` at that speed, at least 1
 */
uint32_t lv_anim_speed_to_time(uint32_t speed, int32_t start, int32_t end);

/** Advance the animations now, by the time since they last moved.*/
void lv_anim_refr_now(void);

/*Paths*/
int32_t lv_anim_path_linear(const lv_anim_t * a);
int32_t lv_anim_path_ease_in(const lv_anim_t * a);
int32_t lv_anim_path_ease_out(const lv_anim_t * a);
int32_t lv_anim_path_ease_in_out(const lv_anim_t * a);
/** Goes past the end value and comes back to it.*/
int32_t lv_anim_path_overshoot(const lv_anim_t * a);
/** Falls onto the end value and bounces back twice.*/
int32_t lv_anim_path_bounce(const lv_anim_t * a);
/** The start value until the time is up, then the end value.*/
int32_t lv_anim_path_step(const lv_anim_t * a);

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_ANIM_H*/
