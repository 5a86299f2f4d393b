/**
 * @file lv_timer.c
 * Timers live in one list, newest first. lv_timer_handler runs each due timer
 * once per call; a callback may create or delete timers (itself included),
 * after which the walk starts again from the head, since the next node may
 * be gone. A timer that already ran in this call is not due again, so the
 * restart runs nothing twice. A timer created by a callback waits for the
 * next call: an async call that schedules itself again would otherwise spin
 * forever inside one lv_timer_handler.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_timer.h"
#include "lv_ll.h"
#include "lv_mem.h"
#include "lv_assert.h"

/*********************
 *      DEFINES
 *********************/
#define IDLE_MEAS_PERIOD 500 /*[ms]*/
#define DEF_PERIOD 500

/**********************
 *  STATIC PROTOTYPES
 **********************/
static bool lv_timer_exec(lv_timer_t * timer);
static uint32_t lv_timer_time_remaining(lv_timer_t * timer);

/**********************
 *  STATIC VARIABLES
 **********************/
static lv_ll_t timer_ll;
static bool lv_timer_run = false;
static uint8_t idle_last = 0;
static bool timer_deleted;
static bool timer_created;
static bool handler_running;
static uint32_t idle_period_start;
static uint32_t busy_time;

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

void _lv_timer_core_init(void)
{
    _lv_ll_init(&timer_ll, sizeof(lv_timer_t));
    lv_timer_enable(true);
}

/* Runs the due timers, then reports how long the caller may sleep. */
LV_ATTRIBUTE_TIMER_HANDLER uint32_t lv_timer_handler(void)
{
    if(handler_running || !lv_timer_run) return 1;
    handler_running = true;

    uint32_t handler_start = lv_tick_get();

    lv_timer_t * next;
    lv_timer_t * timer = _lv_ll_get_head(&timer_ll);
    while(timer) {
        timer_deleted = false;
        timer_created = false;
        next = _lv_ll_get_next(&timer_ll, timer);
        lv_timer_exec(timer);
        if(timer_created || timer_deleted) {
            next = _lv_ll_get_head(&timer_ll);
        }
        timer = next;
    }

    uint32_t time_till_next = LV_NO_TIMER_READY;
    for(timer = _lv_ll_get_head(&timer_ll); timer; timer = _lv_ll_get_next(&timer_ll, timer)) {
        timer->_new_in_handler = 0;
        if(timer->paused) continue;
        uint32_t delay = lv_timer_time_remaining(timer);
        if(delay < time_till_next) time_till_next = delay;
    }

    busy_time += lv_tick_elaps(handler_start);
    uint32_t idle_period_time = lv_tick_elaps(idle_period_start);
    if(idle_period_time >= IDLE_MEAS_PERIOD) {
        idle_last = (uint8_t)(100 - (busy_time * 100) / idle_period_time);
        busy_time = 0;
        idle_period_start = lv_tick_get();
    }

    handler_running = false;
    return time_till_next;
}

lv_timer_t * lv_timer_create_basic(void)
{
    return lv_timer_create(NULL, DEF_PERIOD, NULL);
}

lv_timer_t * lv_timer_create(lv_timer_cb_t timer_xcb, uint32_t period, void * user_data)
{
    lv_timer_t * new_timer = _lv_ll_ins_head(&timer_ll);
    LV_ASSERT_MALLOC(new_timer);
    if(new_timer == NULL) return NULL;

    new_timer->period = period;
    new_timer->timer_cb = timer_xcb;
    new_timer->repeat_count = -1;
    new_timer->paused = 0;
    new_timer->_new_in_handler = handler_running ? 1 : 0;
    new_timer->last_run = lv_tick_get();
    new_timer->user_data = user_data;

    timer_created = true;
    return new_timer;
}

void lv_timer_set_cb(lv_timer_t * timer, lv_timer_cb_t timer_cb)
{
    timer->timer_cb = timer_cb;
}

void lv_timer_del(lv_timer_t * timer)
{
    _lv_ll_remove(&timer_ll, timer);
    timer_deleted = true;
    lv_mem_free(timer);
}

void lv_timer_pause(lv_timer_t * timer)
{
    timer->paused = true;
}

void lv_timer_resume(lv_timer_t * timer)
{
    timer->paused = false;
}

void lv_timer_set_period(lv_timer_t * timer, uint32_t period)
{
    timer->period = period;
}

void lv_timer_ready(lv_timer_t * timer)
{
    timer->last_run = lv_tick_get() - timer->period - 1;
}

void lv_timer_set_repeat_count(lv_timer_t * timer, int32_t repeat_count)
{
    timer->repeat_count = repeat_count;
}

void lv_timer_reset(lv_timer_t * timer)
{
    timer->last_run = lv_tick_get();
}

void lv_timer_enable(bool en)
{
    lv_timer_run = en;
}

uint8_t lv_timer_get_idle(void)
{
    return idle_last;
}

lv_timer_t * lv_timer_get_next(lv_timer_t * timer)
{
    if(timer == NULL) return _lv_ll_get_head(&timer_ll);
    return _lv_ll_get_next(&timer_ll, timer);
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

/* Run a timer if it is due. The repeat count drops before the callback so a
 * callback that deletes timers still leaves a consistent count; a timer whose
 * count reaches 0 is deleted after its last run (unless the callback deleted
 * timers, in which case it may be gone and is left for the next round).
 * Returns true if the callback ran. */
static bool lv_timer_exec(lv_timer_t * timer)
{
    if(timer->paused || timer->_new_in_handler) return false;

    bool exec = false;
    if(lv_timer_time_remaining(timer) == 0) {
        int32_t original_repeat_count = timer->repeat_count;
        if(timer->repeat_count > 0) timer->repeat_count--;
        timer->last_run = lv_tick_get();
        if(timer->timer_cb && original_repeat_count != 0) timer->timer_cb(timer);
        if(!timer_deleted) exec = true;
    }

    if(!timer_deleted && timer->repeat_count == 0) {
        lv_timer_del(timer);
    }
    return exec;
}

static uint32_t lv_timer_time_remaining(lv_timer_t * timer)
{
    uint32_t elp = lv_tick_elaps(timer->last_run);
    if(elp >= timer->period) return 0;
    return timer->period - elp;
}
