/**
 * @file lv_async.c
 * Pending calls wait in a queue owned by one timer of period 0, which runs
 * them at its next pass and pauses itself while the queue is empty (an
 * unpaused period-0 timer would keep the program's loop from ever sleeping).
 *
 * The queue hangs off the timer's user data and is found again through the
 * timer list, so it lives and dies with the timer module: lv_deinit resets
 * the memory pool and lv_init starts a new timer list, and no static pointer
 * can be left pointing into the old pool.
 */

#include "lv_async.h"
#include "lv_mem.h"
#include "lv_timer.h"

typedef struct {
    lv_async_cb_t cb;
    void * user_data;
} pending_call_t;

typedef struct {
    pending_call_t * calls;
    uint32_t count;
    uint32_t capacity;
    /* The batch being run by the timer right now: its calls are no longer
     * queued, but cancelling one must still keep it from running */
    pending_call_t * running;
    uint32_t running_count;
} call_queue_t;

static void run_queued_calls(lv_timer_t * timer);
static lv_timer_t * queue_timer(bool create);
static uint32_t cancel_in(pending_call_t * calls, uint32_t count, lv_async_cb_t cb, void * user_data);

lv_res_t lv_async_call(lv_async_cb_t async_xcb, void * user_data)
{
    lv_timer_t * timer = queue_timer(true);
    if(timer == NULL) return LV_RES_INV;
    call_queue_t * queue = timer->user_data;

    if(queue->count == queue->capacity) {
        uint32_t capacity = queue->capacity ? queue->capacity * 2 : 4;
        pending_call_t * grown = lv_mem_realloc(queue->calls, capacity * sizeof(pending_call_t));
        if(grown == NULL) return LV_RES_INV;
        queue->calls = grown;
        queue->capacity = capacity;
    }
    queue->calls[queue->count++] = (pending_call_t) {
        .cb = async_xcb, .user_data = user_data
    };
    lv_timer_resume(timer);
    lv_timer_ready(timer);
    return LV_RES_OK;
}

lv_res_t lv_async_call_cancel(lv_async_cb_t async_xcb, void * user_data)
{
    lv_timer_t * timer = queue_timer(false);
    if(timer == NULL) return LV_RES_INV;
    call_queue_t * queue = timer->user_data;

    uint32_t dropped = cancel_in(queue->running, queue->running_count, async_xcb, user_data);

    uint32_t kept = 0;
    for(uint32_t i = 0; i < queue->count; i++) {
        pending_call_t call = queue->calls[i];
        if(call.cb == async_xcb && call.user_data == user_data) dropped++;
        else queue->calls[kept++] = call;
    }
    queue->count = kept;
    if(kept == 0) lv_timer_pause(timer);

    return dropped ? LV_RES_OK : LV_RES_INV;
}

/* The timer takes the whole queue and leaves an empty one behind, so calls
 * scheduled by the calls it runs wait for the next pass. */
static void run_queued_calls(lv_timer_t * timer)
{
    call_queue_t * queue = timer->user_data;
    pending_call_t * batch = queue->calls;
    uint32_t batch_count = queue->count;
    queue->calls = NULL;
    queue->count = 0;
    queue->capacity = 0;
    queue->running = batch;
    queue->running_count = batch_count;

    for(uint32_t i = 0; i < batch_count; i++) {
        pending_call_t call = batch[i];
        /* A cancelled call keeps its slot with the callback cleared */
        if(call.cb) call.cb(call.user_data);
    }

    queue->running = NULL;
    queue->running_count = 0;
    lv_mem_free(batch);
    if(queue->count == 0) lv_timer_pause(timer);
}

static uint32_t cancel_in(pending_call_t * calls, uint32_t count, lv_async_cb_t cb, void * user_data)
{
    uint32_t dropped = 0;
    for(uint32_t i = 0; i < count; i++) {
        if(calls[i].cb != NULL && calls[i].cb == cb && calls[i].user_data == user_data) {
            calls[i].cb = NULL;
            dropped++;
        }
    }
    return dropped;
}

/* The timer that owns the queue; made (paused, with an empty queue) on
 * first use when `create` is set. */
static lv_timer_t * queue_timer(bool create)
{
    for(lv_timer_t * t = lv_timer_get_next(NULL); t; t = lv_timer_get_next(t)) {
        if(t->timer_cb == run_queued_calls) return t;
    }
    if(!create) return NULL;

    call_queue_t * queue = lv_mem_alloc(sizeof(call_queue_t));
    if(queue == NULL) return NULL;
    lv_memset_00(queue, sizeof(call_queue_t));
    lv_timer_t * timer = lv_timer_create(run_queued_calls, 0, queue);
    if(timer == NULL) {
        lv_mem_free(queue);
        return NULL;
    }
    lv_timer_pause(timer);
    return timer;
}
