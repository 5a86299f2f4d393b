/**
 * @file lv_anim.h
 * Value animations: a number moved from a start to an end value over time
 * along a path, handed to an exec callback at every animation tick
 * (LV_DISP_DEF_REFR_PERIOD).
 */
#ifndef LV_ANIM_H
#define LV_ANIM_H

#ifdef __cplusplus
extern "C" {
#endif

/*********************
 *      INCLUDES
 *********************/
#include "../lv_conf_internal.h"

#include <stdint.h>
#include <stddef.h>
#include <stdbool.h>

/*********************
 *      DEFINES
 *********************/
#define LV_ANIM_REPEAT_INFINITE      0xFFFF
#define LV_ANIM_PLAYTIME_INFINITE    0xFFFFFFFF

LV_EXPORT_CONST_INT(LV_ANIM_REPEAT_INFINITE);
LV_EXPORT_CONST_INT(LV_ANIM_PLAYTIME_INFINITE);

/**********************
 *      TYPEDEFS
 **********************/

/* Whether a change is animated. */
typedef enum {
    LV_ANIM_OFF,
    LV_ANIM_ON,
} lv_anim_enable_t;

struct _lv_anim_t;
struct _lv_timer_t;

/* The path: the current value from the animation's time (act_time of time). */
typedef int32_t (*lv_anim_path_cb_t)(const struct _lv_anim_t *);

/* Applies a value to the animated variable: (var, value). */
typedef void (*lv_anim_exec_xcb_t)(void *, int32_t);

/* Like lv_anim_exec_xcb_t, receiving the animation itself. */
typedef void (*lv_anim_custom_exec_cb_t)(struct _lv_anim_t *, int32_t);

/* Called once the animation has finished (after its repeats and playback). */
typedef void (*lv_anim_ready_cb_t)(struct _lv_anim_t *);

/* Called when the delay is over and the animation starts moving. */
typedef void (*lv_anim_start_cb_t)(struct _lv_anim_t *);

/* For relative animations: the base the start and end values are added to. */
typedef int32_t (*lv_anim_get_value_cb_t)(struct _lv_anim_t *);

/* Called when the animation is removed, finished or deleted. */
typedef void (*lv_anim_deleted_cb_t)(struct _lv_anim_t *);

/* An animation. Times in ms; act_time runs from -delay to time. */
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
    uint16_t repeat_cnt;            /* runs left; LV_ANIM_REPEAT_INFINITE: forever */
    uint8_t early_apply  : 1;       /* apply the start value at lv_anim_start, before the delay */

    /* Bookkeeping of the animation timer */
    uint8_t playback_now : 1;       /* running backwards */
    uint8_t run_round : 1;          /* advanced in the current timer round */
    uint8_t start_cb_called : 1;
} lv_anim_t;

/**********************
 * GLOBAL PROTOTYPES
 **********************/

/** Init the animation module (lv_init calls it). */
void _lv_anim_core_init(void);

/**
 * Initialise an animation variable with the defaults: linear path, 500 ms,
 * start 0, end 100, no repeat, no delay. Then set at least var and exec_cb.
 */
void lv_anim_init(lv_anim_t * a);

static inline void lv_anim_set_var(lv_anim_t * a, void * var)
{
    a->var = var;
}

static inline void lv_anim_set_exec_cb(lv_anim_t * a, lv_anim_exec_xcb_t exec_cb)
{
    a->exec_cb = exec_cb;
}

/** @param duration the animation's length in milliseconds */
static inline void lv_anim_set_time(lv_anim_t * a, uint32_t duration)
{
    a->time = (int32_t)duration;
}

/** Wait `delay` milliseconds before the animation starts. */
static inline void lv_anim_set_delay(lv_anim_t * a, uint32_t delay)
{
    a->act_time = -(int32_t)(delay);
}

static inline void lv_anim_set_values(lv_anim_t * a, int32_t start, int32_t end)
{
    a->start_value = start;
    a->current_value = start;
    a->end_value = end;
}

/** Like exec_cb but the callback receives the animation (its var stays the animation's var). */
static inline void lv_anim_set_custom_exec_cb(lv_anim_t * a, lv_anim_custom_exec_cb_t exec_cb)
{
    a->var = a;
    a->exec_cb = (lv_anim_exec_xcb_t)exec_cb;
}

static inline void lv_anim_set_path_cb(lv_anim_t * a, lv_anim_path_cb_t path_cb)
{
    a->path_cb = path_cb;
}

static inline void lv_anim_set_start_cb(lv_anim_t * a, lv_anim_start_cb_t start_cb)
{
    a->start_cb = start_cb;
}

/** The start and end values become relative to what `get_value_cb` returns at the start. */
static inline void lv_anim_set_get_value_cb(lv_anim_t * a, lv_anim_get_value_cb_t get_value_cb)
{
    a->get_value_cb = get_value_cb;
}

static inline void lv_anim_set_ready_cb(lv_anim_t * a, lv_anim_ready_cb_t ready_cb)
{
    a->ready_cb = ready_cb;
}

static inline void lv_anim_set_deleted_cb(lv_anim_t * a, lv_anim_deleted_cb_t deleted_cb)
{
    a->deleted_cb = deleted_cb;
}

static inline void lv_anim_set_playback_time(lv_anim_t * a, uint32_t time)
{
    a->playback_time = time;
}

static inline void lv_anim_set_playback_delay(lv_anim_t * a, uint32_t delay)
{
    a->playback_delay = delay;
}

/** @param cnt how many times to run (1, the default: once; LV_ANIM_REPEAT_INFINITE: forever) */
static inline void lv_anim_set_repeat_count(lv_anim_t * a, uint16_t cnt)
{
    a->repeat_cnt = cnt;
}

static inline void lv_anim_set_repeat_delay(lv_anim_t * a, uint32_t delay)
{
    a->repeat_delay = delay;
}

/** @param en true: apply the start value at once even during the delay */
static inline void lv_anim_set_early_apply(lv_anim_t * a, bool en)
{
    a->early_apply = en;
}

#if LV_USE_USER_DATA
static inline void lv_anim_set_user_data(lv_anim_t * a, void * user_data)
{
    a->user_data = user_data;
}

static inline void * lv_anim_get_user_data(lv_anim_t * a)
{
    return a->user_data;
}
#endif

/**
 * Start an animation. An animation already running on the same var and
 * exec_cb is deleted first.
 * @param a an initialised descriptor; it is copied, the caller's copy may go
 * @return the running copy or NULL when out of memory
 */
lv_anim_t * lv_anim_start(const lv_anim_t * a);

/** @return the delay before the animation starts */
static inline uint32_t lv_anim_get_delay(lv_anim_t * a)
{
    return (uint32_t)(-a->act_time);
}

/** @return the total play time including playback, repeats and delays (LV_ANIM_PLAYTIME_INFINITE when endless) */
uint32_t lv_anim_get_playtime(lv_anim_t * a);

/**
 * Delete animations of a variable.
 * @param var the variable (NULL: any)
 * @param exec_cb the exec callback (NULL: any)
 * @return true when at least one animation was deleted
 */
bool lv_anim_del(void * var, lv_anim_exec_xcb_t exec_cb);

/** Delete every animation. */
void lv_anim_del_all(void);

/** @return the running animation of (var, exec_cb) or NULL */
lv_anim_t * lv_anim_get(void * var, lv_anim_exec_xcb_t exec_cb);

/** @return the timer that drives the animations */
struct _lv_timer_t * lv_anim_get_timer(void);

static inline bool lv_anim_custom_del(lv_anim_t * a, lv_anim_custom_exec_cb_t exec_cb)
{
    return lv_anim_del(a ? a->var : NULL, (lv_anim_exec_xcb_t)exec_cb);
}

static inline lv_anim_t * lv_anim_custom_get(lv_anim_t * a, lv_anim_custom_exec_cb_t exec_cb)
{
    return a ? lv_anim_get(a->var, (lv_anim_exec_xcb_t)exec_cb) : NULL;
}

/** @return the number of running animations */
uint16_t lv_anim_count_running(void);

/**
 * @param speed units per second
 * @return the time in ms an animation needs to move from start to end at that speed (at least 1)
 */
uint32_t lv_anim_speed_to_time(uint32_t speed, int32_t start, int32_t end);

/** Run the animations now, without waiting for their timer. */
void lv_anim_refr_now(void);

/** Paths: the value's progress against time. */
int32_t lv_anim_path_linear(const lv_anim_t * a);
int32_t lv_anim_path_ease_in(const lv_anim_t * a);
int32_t lv_anim_path_ease_out(const lv_anim_t * a);
int32_t lv_anim_path_ease_in_out(const lv_anim_t * a);
int32_t lv_anim_path_overshoot(const lv_anim_t * a);
int32_t lv_anim_path_bounce(const lv_anim_t * a);
/** The end value at the end of the time, the start value before. */
int32_t lv_anim_path_step(const lv_anim_t * a);

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_ANIM_H*/
