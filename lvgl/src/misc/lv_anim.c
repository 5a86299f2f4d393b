/**
 * @file lv_anim.c
 * Running animations are heap copies of the caller's descriptors (callers
 * keep pointers to them: lv_anim_start and lv_anim_get return them, a label
 * reads its scroll animation's progress), listed in a flat array of
 * pointers, oldest first. One timer of period LV_DISP_DEF_REFR_PERIOD
 * advances them all, so each value moves once per display refresh; the
 * timer is paused while nothing runs.
 *
 * Callbacks (exec, start, ready, deleted) start and delete animations while
 * the array is being walked. As for timers, nothing moves during a walk: a
 * deleted animation leaves an empty slot that is squeezed out when the
 * outermost walk ends, and a new one is appended past the walk's end. So an
 * animation moves at most once per timer pass, and one started by a
 * callback moves first at the next pass.
 */

#include "lv_anim.h"

#include "lv_tick.h"
#include "lv_timer.h"
#include "lv_math.h"
#include "lv_mem.h"

#define FIRST_CAPACITY 8

typedef struct {
    int16_t from;       /* where the piece starts on the 0..1024 time scale */
    uint16_t speed;     /* how fast it runs through the curve, in 1/1024 */
    bool rising;        /* back up from the end value rather than down onto it */
    uint8_t shrink;     /* its height is the full distance divided by this */
} bounce_piece_t;

static void step_all(lv_timer_t * timer);
static void step_one(uint32_t index, uint32_t elapsed);
static void begin_moving(lv_anim_t * a);
static void end_of_run(uint32_t index);
static void retire(uint32_t index, bool finished);
static bool append(lv_anim_t * a);
static void walk_begin(void);
static void walk_end(void);
static void update_timer(void);
static bool matches(const lv_anim_t * a, const void * var, lv_anim_exec_xcb_t exec_cb);
static bool is_listed(const lv_anim_t * a);
static int32_t progress_of(const lv_anim_t * a);
static int32_t value_at(const lv_anim_t * a, int32_t progress);
static int32_t along_curve(const lv_anim_t * a, uint32_t handle1, uint32_t handle2);

static const lv_anim_t anim_defaults = {
    .time = 500,
    .end_value = 100,
    .repeat_cnt = 1,
    .path_cb = lv_anim_path_linear,
    .early_apply = 1,
};

/* A fall, a rise to a twentieth of the distance, a fall, a rise to a
 * fortieth, a fall: the last piece that starts at or before t applies. */
static const bounce_piece_t bounce_pieces[] = {
    {0, 2500, false, 1},
    {408, 5120, true, 20},
    {614, 5120, false, 20},
    {819, 10240, true, 40},
    {921, 10240, false, 40},
};

static lv_anim_t ** slots;
static uint32_t slot_count;
static uint32_t slot_capacity;
static uint32_t walk_depth;     /* nested walks over the slots (a callback deleting animations) */
static bool slots_emptied;
static bool stepping;
static uint32_t last_step;
static lv_timer_t * step_timer;

void _lv_anim_core_init(void)
{
    /* After lv_deinit the memory pool was reset, the old array with it */
    slots = NULL;
    slot_count = 0;
    slot_capacity = 0;
    walk_depth = 0;
    slots_emptied = false;
    stepping = false;
    last_step = lv_tick_get();
    step_timer = lv_timer_create(step_all, LV_DISP_DEF_REFR_PERIOD, NULL);
    update_timer();
}

void lv_anim_init(lv_anim_t * a)
{
    *a = anim_defaults;
}

lv_anim_t * lv_anim_start(const lv_anim_t * a)
{
    if(a->exec_cb != NULL) lv_anim_del(a->var, a->exec_cb);

    /* The timer was paused while nothing ran: its time is stale */
    if(lv_anim_count_running() == 0) last_step = lv_tick_get();

    lv_anim_t * copy = lv_mem_alloc(sizeof(lv_anim_t));
    if(copy == NULL) return NULL;
    *copy = *a;
    /* A custom exec callback animates the descriptor itself: now the copy */
    if(a->var == a) copy->var = copy;
    copy->playback_now = 0;
    copy->start_cb_called = 0;
    if(!append(copy)) {
        lv_mem_free(copy);
        return NULL;
    }
    update_timer();

    if(copy->early_apply) {
        if(copy->get_value_cb) {
            int32_t base = copy->get_value_cb(copy);
            copy->start_value += base;
            copy->end_value += base;
        }
        copy->current_value = copy->start_value;
        if(copy->exec_cb && copy->var) copy->exec_cb(copy->var, copy->current_value);
        /* The exec callback may have deleted it again */
        if(!is_listed(copy)) return NULL;
    }
    return copy;
}

uint32_t lv_anim_get_playtime(lv_anim_t * a)
{
    if(a->repeat_cnt == LV_ANIM_REPEAT_INFINITE) return LV_ANIM_PLAYTIME_INFINITE;

    uint32_t runs = a->repeat_cnt > 0 ? a->repeat_cnt : 1;
    uint32_t one_run = (uint32_t)a->time;
    if(a->playback_time > 0) one_run += a->playback_delay + a->playback_time;
    return lv_anim_get_delay(a) + runs * one_run + (runs - 1) * a->repeat_delay;
}

bool lv_anim_del(void * var, lv_anim_exec_xcb_t exec_cb)
{
    bool any = false;
    walk_begin();
    /* Only the animations running at the call: one started by a deleted
     * callback is left alone */
    uint32_t end = slot_count;
    for(uint32_t i = 0; i < end; i++) {
        if(slots[i] == NULL || !matches(slots[i], var, exec_cb)) continue;
        retire(i, false);
        any = true;
    }
    walk_end();
    return any;
}

void lv_anim_del_all(void)
{
    lv_anim_del(NULL, NULL);
}

lv_anim_t * lv_anim_get(void * var, lv_anim_exec_xcb_t exec_cb)
{
    for(uint32_t i = 0; i < slot_count; i++) {
        lv_anim_t * a = slots[i];
        if(a != NULL && a->var == var && (exec_cb == NULL || a->exec_cb == exec_cb)) return a;
    }
    return NULL;
}

struct _lv_timer_t * lv_anim_get_timer(void)
{
    return step_timer;
}

uint16_t lv_anim_count_running(void)
{
    uint16_t running = 0;
    for(uint32_t i = 0; i < slot_count; i++) running += slots[i] != NULL;
    return running;
}

uint32_t lv_anim_speed_to_time(uint32_t speed, int32_t start, int32_t end)
{
    /* 64-bit, so that long distances neither overflow nor wrap; a speed of
     * 0 is taken as 1 rather than divided by */
    uint64_t distance = start > end ? (uint64_t)((int64_t)start - end) : (uint64_t)((int64_t)end - start);
    uint64_t ms = distance * 1000 / (speed > 0 ? speed : 1);
    if(ms == 0) return 1;
    return ms > UINT32_MAX ? UINT32_MAX : (uint32_t)ms;
}

void lv_anim_refr_now(void)
{
    step_all(step_timer);
}

int32_t lv_anim_path_linear(const lv_anim_t * a)
{
    return value_at(a, progress_of(a));
}

/* The easing paths are cubic Bezier curves from 0 to 1024 with two inner
 * handles: low handles start slowly, high ones end slowly, and a handle
 * above 1024 overshoots the end. */
int32_t lv_anim_path_ease_in(const lv_anim_t * a)
{
    return along_curve(a, 50, 100);
}

int32_t lv_anim_path_ease_out(const lv_anim_t * a)
{
    return along_curve(a, 900, 950);
}

int32_t lv_anim_path_ease_in_out(const lv_anim_t * a)
{
    return along_curve(a, 50, 952);
}

int32_t lv_anim_path_overshoot(const lv_anim_t * a)
{
    return along_curve(a, 1000, 1300);
}

int32_t lv_anim_path_bounce(const lv_anim_t * a)
{
    int32_t t = progress_of(a);
    if(t >= LV_BEZIER_VAL_MAX) return a->end_value;

    const bounce_piece_t * piece = &bounce_pieces[0];
    for(size_t i = 1; i < sizeof(bounce_pieces) / sizeof(bounce_pieces[0]); i++) {
        if(t >= bounce_pieces[i].from) piece = &bounce_pieces[i];
    }

    int32_t local = ((t - piece->from) * (int32_t)piece->speed) >> LV_BEZIER_VAL_SHIFT;
    if(piece->rising) local = LV_BEZIER_VAL_MAX - local;
    local = LV_CLAMP(0, local, LV_BEZIER_VAL_MAX);

    /* The curve falls from 1024 to 0: the distance still to go */
    int64_t height = ((int64_t)a->end_value - a->start_value) / piece->shrink;
    int64_t left = (int64_t)lv_bezier3((uint32_t)local, LV_BEZIER_VAL_MAX, 800, 500, 0) * height;
    return (int32_t)(a->end_value - (left >> LV_BEZIER_VAL_SHIFT));
}

int32_t lv_anim_path_step(const lv_anim_t * a)
{
    if(a->act_time < a->time) return a->start_value;
    return a->end_value;
}

/* The timer pass: move every animation by the time since the last pass. */
static void step_all(lv_timer_t * timer)
{
    LV_UNUSED(timer);
    /* lv_anim_refr_now from inside a callback would move everything twice */
    if(stepping) return;
    stepping = true;

    uint32_t elapsed = lv_tick_elaps(last_step);
    walk_begin();
    uint32_t end = slot_count;
    for(uint32_t i = 0; i < end; i++) {
        if(slots[i] != NULL) step_one(i, elapsed);
    }
    walk_end();
    last_step = lv_tick_get();
    stepping = false;
}

/* After every callback the slot is looked at again: the callback may have
 * deleted the animation. */
static void step_one(uint32_t index, uint32_t elapsed)
{
    lv_anim_t * a = slots[index];
    int32_t reached = a->act_time + (int32_t)elapsed;

    if(!a->start_cb_called && a->act_time <= 0 && reached >= 0) {
        begin_moving(a);
        if(slots[index] != a) return;
    }

    if(reached < 0) {
        a->act_time = reached;
        return;
    }
    a->act_time = LV_MIN(reached, a->time);

    int32_t value = a->path_cb(a);
    if(value != a->current_value) {
        a->current_value = value;
        if(a->exec_cb) a->exec_cb(a->var, value);
        if(slots[index] != a) return;
    }

    if(a->act_time >= a->time) end_of_run(index);
}

/* The delay is over. A relative animation without early apply takes its
 * base only now, so it starts from where the variable is at this moment. */
static void begin_moving(lv_anim_t * a)
{
    a->start_cb_called = 1;
    if(!a->early_apply && a->get_value_cb) {
        int32_t base = a->get_value_cb(a);
        a->start_value += base;
        a->end_value += base;
    }
    if(a->start_cb) a->start_cb(a);
}

/* One run (forward, or back in a playback) reached its end: count the
 * repeat, turn round for the playback, start the next run after its delay,
 * or finish. */
static void end_of_run(uint32_t index)
{
    lv_anim_t * a = slots[index];
    bool went_forward = a->playback_now == 0;
    bool has_playback = a->playback_time > 0;

    if(went_forward && a->repeat_cnt != 0 && a->repeat_cnt != LV_ANIM_REPEAT_INFINITE) a->repeat_cnt--;

    bool round_over = !has_playback || !went_forward;
    if(round_over && a->repeat_cnt == 0) {
        retire(index, true);
        return;
    }

    if(!has_playback) {
        a->act_time = 0 - (int32_t)a->repeat_delay;
        return;
    }

    /* Turn round: the two directions swap their end points and times */
    a->act_time = 0 - (int32_t)(went_forward ? a->playback_delay : a->repeat_delay);
    a->playback_now = went_forward ? 1 : 0;
    int32_t value = a->start_value;
    a->start_value = a->end_value;
    a->end_value = value;
    uint32_t run_time = (uint32_t)a->time;
    a->time = (int32_t)a->playback_time;
    a->playback_time = run_time;
}

/* Take the animation out of its slot before its callbacks run, so that they
 * see it gone and may start a new one on the same variable. */
static void retire(uint32_t index, bool finished)
{
    lv_anim_t * a = slots[index];
    walk_begin();
    slots[index] = NULL;
    slots_emptied = true;
    if(finished && a->ready_cb) a->ready_cb(a);
    if(a->deleted_cb) a->deleted_cb(a);
    lv_mem_free(a);
    walk_end();
}

static bool append(lv_anim_t * a)
{
    if(slot_count == slot_capacity) {
        uint32_t capacity = slot_capacity ? slot_capacity * 2 : FIRST_CAPACITY;
        lv_anim_t ** grown = lv_mem_realloc(slots, capacity * sizeof(lv_anim_t *));
        if(grown == NULL) return false;
        slots = grown;
        slot_capacity = capacity;
    }
    slots[slot_count++] = a;
    return true;
}

static void walk_begin(void)
{
    walk_depth++;
}

/* The outermost walk squeezes out the slots emptied meanwhile. */
static void walk_end(void)
{
    if(--walk_depth > 0 || !slots_emptied) return;
    uint32_t kept = 0;
    for(uint32_t i = 0; i < slot_count; i++) {
        if(slots[i] != NULL) slots[kept++] = slots[i];
    }
    slot_count = kept;
    slots_emptied = false;
    update_timer();
}

static void update_timer(void)
{
    if(step_timer == NULL) return;
    if(slot_count == 0) lv_timer_pause(step_timer);
    else lv_timer_resume(step_timer);
}

static bool matches(const lv_anim_t * a, const void * var, lv_anim_exec_xcb_t exec_cb)
{
    if(var != NULL && a->var != var) return false;
    return exec_cb == NULL || a->exec_cb == exec_cb;
}

static bool is_listed(const lv_anim_t * a)
{
    for(uint32_t i = 0; i < slot_count; i++) {
        if(slots[i] == a) return true;
    }
    return false;
}

/* How far through its time the animation is, 0..1024. */
static int32_t progress_of(const lv_anim_t * a)
{
    return lv_map(a->act_time, 0, a->time, 0, LV_BEZIER_VAL_MAX);
}

/* The value `progress` (0..1024) of the way from start to end. */
static int32_t value_at(const lv_anim_t * a, int32_t progress)
{
    int64_t distance = (int64_t)a->end_value - a->start_value;
    return (int32_t)(a->start_value + ((progress * distance) >> LV_BEZIER_VAL_SHIFT));
}

static int32_t along_curve(const lv_anim_t * a, uint32_t handle1, uint32_t handle2)
{
    uint32_t eased = lv_bezier3((uint32_t)progress_of(a), 0, handle1, handle2, LV_BEZIER_VAL_MAX);
    return value_at(a, (int32_t)eased);
}
