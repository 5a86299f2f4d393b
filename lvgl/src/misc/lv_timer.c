/**
 * @file lv_timer.c
 * The timers sit in one flat array of pointers, oldest first, and
 * lv_timer_handler walks it by index from the newest end.
 *
 * Callbacks create and delete timers (their own included) while the walk is
 * under way, so nothing in the array may move during it: a deleted timer
 * only leaves an empty slot, squeezed out after the walk, and a new timer is
 * appended past the point where the walk began, so it first runs at the next
 * call. The latter is what keeps an async call that schedules itself again
 * from spinning inside one lv_timer_handler.
 *
 * A linked list would spare the compaction, but a callback that deletes the
 * node the walk would visit next forces a restart from the head and a
 * "has it run already" mark on every timer.
 */

#include "lv_timer.h"
#include "lv_mem.h"

#define BASIC_PERIOD_MS 500
#define IDLE_WINDOW_MS  500
#define FIRST_CAPACITY  16

static void visit(uint32_t index);
static void squeeze_out_empty_slots(void);
static uint32_t time_until_due(const lv_timer_t * timer);
static uint32_t earliest_due(void);
static void count_busy_time(uint32_t pass_start);
static uint32_t slot_of(const lv_timer_t * timer);

static lv_timer_t ** slots;
static uint32_t slot_count;
static uint32_t slot_capacity;
static bool walking;        /* lv_timer_handler is going through the slots */
static bool slots_emptied;  /* a timer was deleted during the walk */
static bool enabled;

static uint8_t idle_share;
static uint32_t window_start;
static uint32_t window_busy_ms;

void _lv_timer_core_init(void)
{
    /* After lv_deinit the memory pool was reset and the old array with it */
    slots = NULL;
    slot_count = 0;
    slot_capacity = 0;
    walking = false;
    slots_emptied = false;
    idle_share = 0;
    window_start = lv_tick_get();
    window_busy_ms = 0;
    lv_timer_enable(true);
}

LV_ATTRIBUTE_TIMER_HANDLER uint32_t lv_timer_handler(void)
{
    /* A nested call (a callback calling the handler) would walk slots the
     * outer call is still walking */
    if(walking || !enabled) return 1;

    uint32_t pass_start = lv_tick_get();
    walking = true;
    for(uint32_t i = slot_count; i > 0; i--) {
        if(slots[i - 1] != NULL) visit(i - 1);
    }
    walking = false;
    if(slots_emptied) squeeze_out_empty_slots();

    uint32_t wait = earliest_due();
    count_busy_time(pass_start);
    return wait;
}

lv_timer_t * lv_timer_create_basic(void)
{
    return lv_timer_create(NULL, BASIC_PERIOD_MS, NULL);
}

lv_timer_t * lv_timer_create(lv_timer_cb_t timer_xcb, uint32_t period, void * user_data)
{
    if(slot_count == slot_capacity) {
        uint32_t capacity = slot_capacity ? slot_capacity * 2 : FIRST_CAPACITY;
        lv_timer_t ** grown = lv_mem_realloc(slots, capacity * sizeof(lv_timer_t *));
        if(grown == NULL) return NULL;
        slots = grown;
        slot_capacity = capacity;
    }

    lv_timer_t * timer = lv_mem_alloc(sizeof(lv_timer_t));
    if(timer == NULL) return NULL;
    *timer = (lv_timer_t) {
        .period = period,
        .last_run = lv_tick_get(),
        .timer_cb = timer_xcb,
        .user_data = user_data,
        .repeat_count = -1,
    };
    slots[slot_count++] = timer;
    return timer;
}

void lv_timer_del(lv_timer_t * timer)
{
    uint32_t index = slot_of(timer);
    /* Freeing a pointer the pool no longer owns would corrupt it */
    if(index == slot_count) return;

    if(walking) {
        slots[index] = NULL;
        slots_emptied = true;
    }
    else {
        slot_count--;
        for(uint32_t i = index; i < slot_count; i++) slots[i] = slots[i + 1];
    }
    lv_mem_free(timer);
}

void lv_timer_pause(lv_timer_t * timer)
{
    timer->paused = 1;
}

void lv_timer_resume(lv_timer_t * timer)
{
    timer->paused = 0;
}

void lv_timer_set_cb(lv_timer_t * timer, lv_timer_cb_t timer_cb)
{
    timer->timer_cb = timer_cb;
}

void lv_timer_set_period(lv_timer_t * timer, uint32_t period)
{
    timer->period = period;
}

void lv_timer_ready(lv_timer_t * timer)
{
    /* Due means a whole period elapsed since the last run: back-date it */
    timer->last_run = lv_tick_get() - timer->period;
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
    enabled = en;
}

uint8_t lv_timer_get_idle(void)
{
    return idle_share;
}

lv_timer_t * lv_timer_get_next(lv_timer_t * timer)
{
    uint32_t i = timer == NULL ? slot_count : slot_of(timer);
    /* An unknown timer ends the walk rather than restarting it */
    if(timer != NULL && i == slot_count) return NULL;
    while(i > 0) {
        i--;
        if(slots[i] != NULL) return slots[i];
    }
    return NULL;
}

/* Run the timer in slot `index` if it is due and not paused. Its run count
 * drops before the callback, so a callback that reads or resets it sees the
 * runs that are left. A timer with no runs left is deleted, also one whose
 * count the program set to 0 (that one without running). */
static void visit(uint32_t index)
{
    lv_timer_t * timer = slots[index];
    if(timer->paused) return;
    if(timer->repeat_count == 0) {
        lv_timer_del(timer);
        return;
    }
    if(time_until_due(timer) > 0) return;

    timer->last_run = lv_tick_get();
    if(timer->repeat_count > 0) timer->repeat_count--;
    if(timer->timer_cb) timer->timer_cb(timer);

    /* The callback may have deleted the timer; then its slot is empty */
    if(slots[index] == timer && timer->repeat_count == 0) lv_timer_del(timer);
}

static void squeeze_out_empty_slots(void)
{
    uint32_t kept = 0;
    for(uint32_t i = 0; i < slot_count; i++) {
        if(slots[i] != NULL) slots[kept++] = slots[i];
    }
    slot_count = kept;
    slots_emptied = false;
}

static uint32_t time_until_due(const lv_timer_t * timer)
{
    uint32_t since = lv_tick_elaps(timer->last_run);
    return since >= timer->period ? 0 : timer->period - since;
}

static uint32_t earliest_due(void)
{
    uint32_t earliest = LV_NO_TIMER_READY;
    for(uint32_t i = 0; i < slot_count; i++) {
        if(slots[i]->paused) continue;
        uint32_t wait = time_until_due(slots[i]);
        if(wait < earliest) earliest = wait;
    }
    return earliest;
}

/* The idle share is refreshed once per window from the time spent in the
 * handler during that window. */
static void count_busy_time(uint32_t pass_start)
{
    window_busy_ms += lv_tick_elaps(pass_start);
    uint32_t window = lv_tick_elaps(window_start);
    if(window < IDLE_WINDOW_MS) return;

    uint32_t busy_percent = window_busy_ms * 100 / window;
    idle_share = busy_percent >= 100 ? 0 : (uint8_t)(100 - busy_percent);
    window_start = lv_tick_get();
    window_busy_ms = 0;
}

/* Index of `timer` in the slots, or slot_count when it is not there. */
static uint32_t slot_of(const lv_timer_t * timer)
{
    if(timer == NULL) return slot_count;
    for(uint32_t i = slot_count; i > 0; i--) {
        if(slots[i - 1] == timer) return i - 1;
    }
    return slot_count;
}
