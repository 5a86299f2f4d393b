/**
 * @file lv_timer.h
 * Callbacks run periodically by lv_timer_handler, timed by the millisecond tick.
 */
#ifndef LV_TIMER_H
#define LV_TIMER_H

#ifdef __cplusplus
extern "C" {
#endif

#include "../lv_conf_internal.h"
#include "lv_tick.h"

#include <stdint.h>
#include <stdbool.h>

#ifndef LV_ATTRIBUTE_TIMER_HANDLER
#define LV_ATTRIBUTE_TIMER_HANDLER
#endif

#define LV_NO_TIMER_READY 0xFFFFFFFF

struct _lv_timer_t;

typedef void (*lv_timer_cb_t)(struct _lv_timer_t *);

/**
 * A timer. `repeat_count` is -1 for a timer that runs until deleted, or the
 * number of runs left; the timer deletes itself after its last run.
 */
typedef struct _lv_timer_t {
    uint32_t period;        /**< ms between runs*/
    uint32_t last_run;      /**< tick of the latest run (or of the creation)*/
    lv_timer_cb_t timer_cb;
    void * user_data;
    int32_t repeat_count;
    uint32_t paused : 1;
} lv_timer_t;

/** Start with no timers; lv_init calls it.*/
void _lv_timer_core_init(void);

/**
 * Run each timer that is due, newest first, each at most once per call.
 * The program calls it in its loop and may sleep for the returned time.
 * @return ms until the earliest timer is due, LV_NO_TIMER_READY when none
 *         is waiting, 1 when timers are disabled or the call is nested
 */
LV_ATTRIBUTE_TIMER_HANDLER uint32_t lv_timer_handler(void);

/** lv_timer_handler, but skipped (returning 1) when it ran less than `ms` ago.*/
static inline LV_ATTRIBUTE_TIMER_HANDLER uint32_t lv_timer_handler_run_in_period(uint32_t ms)
{
    static uint32_t previous_pass;
    if(lv_tick_elaps(previous_pass) < ms) return 1;
    previous_pass = lv_tick_get();
    return lv_timer_handler();
}

/** A timer without a callback that runs every 500 ms until deleted.*/
lv_timer_t * lv_timer_create_basic(void);

/**
 * Create a timer that calls `timer_xcb` every `period` ms until deleted,
 * the first time `period` ms from now.
 * @return the timer, or NULL when out of memory
 */
lv_timer_t * lv_timer_create(lv_timer_cb_t timer_xcb, uint32_t period, void * user_data);

/** Delete a timer; its own callback may do it. A pointer that is no (longer a) timer is ignored.*/
void lv_timer_del(lv_timer_t * timer);

/** Keep the timer from running until lv_timer_resume.*/
void lv_timer_pause(lv_timer_t * timer);

/** Let a paused timer run again; it runs at once if its period passed meanwhile.*/
void lv_timer_resume(lv_timer_t * timer);

void lv_timer_set_cb(lv_timer_t * timer, lv_timer_cb_t timer_cb);

/** The new period counts from the timer's latest run.*/
void lv_timer_set_period(lv_timer_t * timer, uint32_t period);

/** Make the timer due, so that the next lv_timer_handler runs it.*/
void lv_timer_ready(lv_timer_t * timer);

/** @param repeat_count -1: until deleted; n > 0: n more runs, then the timer deletes itself*/
void lv_timer_set_repeat_count(lv_timer_t * timer, int32_t repeat_count);

/** Start the current period over from now.*/
void lv_timer_reset(lv_timer_t * timer);

/** Switch the whole timer handling off (false) or on again.*/
void lv_timer_enable(bool en);

/** @return the share of time (0..100 %) spent outside lv_timer_handler, over the last half second or so*/
uint8_t lv_timer_get_idle(void);

/** Walk the timers, newest first: NULL gives the first one, the last one gives NULL.*/
lv_timer_t * lv_timer_get_next(lv_timer_t * timer);

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_TIMER_H*/
