/**
 * @file lv_timer.h
 * Periodic callbacks run by lv_timer_handler on the millisecond tick.
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

/* The callback of a timer. */
typedef void (*lv_timer_cb_t)(struct _lv_timer_t *);

/* A timer. repeat_count: -1 forever, n > 0 runs left (the timer is deleted after the last). */
typedef struct _lv_timer_t {
    uint32_t period;        /* ms */
    uint32_t last_run;      /* tick of the last run */
    lv_timer_cb_t timer_cb;
    void * user_data;
    int32_t repeat_count;
    uint32_t paused : 1;
    uint32_t _new_in_handler : 1; /* created during the running lv_timer_handler: waits for the next call */
} lv_timer_t;

/** Init the timer module (lv_init calls it). */
void _lv_timer_core_init(void);

/**
 * Run every due timer. Call it every few milliseconds.
 * @return the milliseconds until the next timer is due (LV_NO_TIMER_READY if none)
 */
LV_ATTRIBUTE_TIMER_HANDLER uint32_t lv_timer_handler(void);

/** Call lv_timer_handler at most once per `ms` milliseconds. */
static inline LV_ATTRIBUTE_TIMER_HANDLER uint32_t lv_timer_handler_run_in_period(uint32_t ms)
{
    static uint32_t last_tick = 0;
    uint32_t curr_tick = lv_tick_get();
    if((curr_tick - last_tick) >= (ms)) {
        last_tick = curr_tick;
        return lv_timer_handler();
    }
    return 1;
}

/** Create a timer with no callback, period 500 ms, repeating forever. */
lv_timer_t * lv_timer_create_basic(void);

/**
 * Create a timer that runs `timer_xcb` every `period` ms, first `period` ms from now.
 * @return the timer or NULL when out of memory
 */
lv_timer_t * lv_timer_create(lv_timer_cb_t timer_xcb, uint32_t period, void * user_data);

/** Delete a timer (safe from within its own callback). */
void lv_timer_del(lv_timer_t * timer);

/** Stop a timer from running until lv_timer_resume. */
void lv_timer_pause(lv_timer_t * timer);

void lv_timer_resume(lv_timer_t * timer);

void lv_timer_set_cb(lv_timer_t * timer, lv_timer_cb_t timer_cb);

void lv_timer_set_period(lv_timer_t * timer, uint32_t period);

/** Make a timer run at the next lv_timer_handler. */
void lv_timer_ready(lv_timer_t * timer);

/** @param repeat_count -1: forever; n > 0: run n more times, then delete the timer */
void lv_timer_set_repeat_count(lv_timer_t * timer, int32_t repeat_count);

/** Restart the timer's period from now. */
void lv_timer_reset(lv_timer_t * timer);

/** Enable or disable the whole timer handling. */
void lv_timer_enable(bool en);

/** @return the share of idle time (0..100) measured over the last second */
uint8_t lv_timer_get_idle(void);

/** Iterate the timers: NULL gives the first one. */
lv_timer_t * lv_timer_get_next(lv_timer_t * timer);

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_TIMER_H*/
