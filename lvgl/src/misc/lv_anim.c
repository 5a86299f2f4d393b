/**
 * @file lv_anim.c
 * Running animations are kept in one list and advanced together by one timer
 * of period LV_DISP_DEF_REFR_PERIOD, so every animation moves once per
 * display refresh. The timer is paused while the list is empty.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_anim.h"

#include "lv_tick.h"
#include "lv_assert.h"
#include "lv_timer.h"
#include "lv_math.h"
#include "lv_mem.h"
#include "lv_ll.h"

/*********************
 *      DEFINES
 *********************/
#define LV_ANIM_RESOLUTION 1024
#define LV_ANIM_RES_SHIFT 10

/**********************
 *  STATIC PROTOTYPES
 **********************/
static void anim_timer(lv_timer_t * param);
static void anim_mark_list_change(void);
static void anim_ready_handler(lv_anim_t * a);
static void anim_step(lv_anim_t * a, uint32_t elaps);
static int32_t anim_path_bezier(const lv_anim_t * a, uint32_t u1, uint32_t u2);

/**********************
 *  STATIC VARIABLES
 **********************/
static lv_ll_t anim_ll;
static uint32_t last_timer_run;
static bool anim_list_changed;
static bool anim_run_round;
static lv_timer_t * _lv_anim_tmr;

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

void _lv_anim_core_init(void)
{
    _lv_ll_init(&anim_ll, sizeof(lv_anim_t));
    _lv_anim_tmr = lv_timer_create(anim_timer, LV_DISP_DEF_REFR_PERIOD, NULL);
    anim_mark_list_change(); /*Turn off the animation timer*/
    anim_list_changed = false;
}

void lv_anim_init(lv_anim_t * a)
{
    lv_memset_00(a, sizeof(lv_anim_t));
    a->time = 500;
    a->start_value = 0;
    a->end_value = 100;
    a->repeat_cnt = 1;
    a->path_cb = lv_anim_path_linear;
    a->early_apply = 1;
}

/* The new animation replaces one on the same (var, exec_cb). With early_apply
 * the start value is applied at once, even before a delay ends. */
lv_anim_t * lv_anim_start(const lv_anim_t * a)
{
    /*Do not let two animations for the same 'var' with the same 'exec_cb'*/
    if(a->exec_cb != NULL) lv_anim_del(a->var, a->exec_cb);

    /*If the list is empty the anim timer was suspended and it's last run measure is invalid*/
    if(_lv_ll_is_empty(&anim_ll)) {
        last_timer_run = lv_tick_get();
    }

    lv_anim_t * new_anim = _lv_ll_ins_head(&anim_ll);
    LV_ASSERT_MALLOC(new_anim);
    if(new_anim == NULL) return NULL;

    lv_memcpy(new_anim, a, sizeof(lv_anim_t));
    if(a->var == a) new_anim->var = new_anim;
    new_anim->run_round = anim_run_round;
    new_anim->start_cb_called = 0;
    new_anim->playback_now = 0;

    if(new_anim->early_apply) {
        if(new_anim->get_value_cb) {
            int32_t v_ofs = new_anim->get_value_cb(new_anim);
            new_anim->start_value += v_ofs;
            new_anim->end_value += v_ofs;
        }
        new_anim->current_value = new_anim->start_value;
        if(new_anim->exec_cb && new_anim->var) new_anim->exec_cb(new_anim->var, new_anim->start_value);
    }

    anim_mark_list_change();
    return new_anim;
}

uint32_t lv_anim_get_playtime(lv_anim_t * a)
{
    if(a->repeat_cnt == LV_ANIM_REPEAT_INFINITE) return LV_ANIM_PLAYTIME_INFINITE;

    uint32_t playtime = LV_ABS(a->act_time < 0 ? a->act_time : 0);
    uint32_t one_round = (uint32_t)a->time + a->playback_delay + a->playback_time;
    uint32_t cnt = a->repeat_cnt > 0 ? a->repeat_cnt : 1;
    playtime += one_round * cnt + a->repeat_delay * (cnt - 1);
    return playtime;
}

bool lv_anim_del(void * var, lv_anim_exec_xcb_t exec_cb)
{
    lv_anim_t * a = _lv_ll_get_head(&anim_ll);
    bool del = false;
    while(a != NULL) {
        lv_anim_t * a_next = _lv_ll_get_next(&anim_ll, a);
        bool var_match = var == NULL || a->var == var;
        bool cb_match = exec_cb == NULL || a->exec_cb == exec_cb;
        if(var_match && cb_match) {
            _lv_ll_remove(&anim_ll, a);
            if(a->deleted_cb != NULL) a->deleted_cb(a);
            lv_mem_free(a);
            anim_mark_list_change();
            del = true;
        }
        a = a_next;
    }
    return del;
}

void lv_anim_del_all(void)
{
    lv_anim_t * a;
    while((a = _lv_ll_get_head(&anim_ll)) != NULL) {
        _lv_ll_remove(&anim_ll, a);
        if(a->deleted_cb != NULL) a->deleted_cb(a);
        lv_mem_free(a);
    }
    anim_mark_list_change();
}

lv_anim_t * lv_anim_get(void * var, lv_anim_exec_xcb_t exec_cb)
{
    lv_anim_t * a;
    _LV_LL_READ(&anim_ll, a) {
        if(a->var == var && (a->exec_cb == exec_cb || exec_cb == NULL)) return a;
    }
    return NULL;
}

struct _lv_timer_t * lv_anim_get_timer(void)
{
    return _lv_anim_tmr;
}

uint16_t lv_anim_count_running(void)
{
    uint16_t cnt = 0;
    lv_anim_t * a;
    _LV_LL_READ(&anim_ll, a) cnt++;
    return cnt;
}

uint32_t lv_anim_speed_to_time(uint32_t speed, int32_t start, int32_t end)
{
    uint32_t d = (uint32_t)LV_ABS(start - end);
    if(speed == 0) speed = 1;
    uint32_t time = (d * 1000) / speed;
    return time == 0 ? 1 : time;
}

void lv_anim_refr_now(void)
{
    anim_timer(NULL);
}

int32_t lv_anim_path_linear(const lv_anim_t * a)
{
    /*Calculate the current step*/
    int32_t step = lv_map(a->act_time, 0, a->time, 0, LV_ANIM_RESOLUTION);
    int64_t new_value = (int64_t)step * (a->end_value - a->start_value);
    new_value = new_value >> LV_ANIM_RES_SHIFT;
    return (int32_t)(new_value + a->start_value);
}

/* The curves are cubic beziers from (0, 0) to (1, 1): slow start, slow end,
 * both, and one that passes the end value and comes back. */
int32_t lv_anim_path_ease_in(const lv_anim_t * a)
{
    return anim_path_bezier(a, 50, 100);
}

int32_t lv_anim_path_ease_out(const lv_anim_t * a)
{
    return anim_path_bezier(a, 900, 950);
}

int32_t lv_anim_path_ease_in_out(const lv_anim_t * a)
{
    return anim_path_bezier(a, 50, 952);
}

int32_t lv_anim_path_overshoot(const lv_anim_t * a)
{
    return anim_path_bezier(a, 1000, 1300);
}

/* Falls to the end value and bounces back from it with decreasing height. */
int32_t lv_anim_path_bounce(const lv_anim_t * a)
{
    int32_t t = lv_map(a->act_time, 0, a->time, 0, LV_BEZIER_VAL_MAX);
    int32_t diff = (a->end_value - a->start_value);

    /*3 bounces has 5 parts: 3 down and 2 up. One part is t / 5 long*/
    if(t < 408) {
        /*Go down*/
        t = (t * 2500) >> LV_BEZIER_VAL_SHIFT; /*[0..1024] range*/
    }
    else if(t < 614) {
        /*First bounce back*/
        t -= 408;
        t = t * 5; /*to [0..1024] range*/
        t = LV_BEZIER_VAL_MAX - t;
        diff = diff / 20;
    }
    else if(t < 819) {
        /*Fall back*/
        t -= 614;
        t = t * 5;
        diff = diff / 20;
    }
    else if(t < 921) {
        /*Second bounce back*/
        t -= 819;
        t = t * 10;
        t = LV_BEZIER_VAL_MAX - t;
        diff = diff / 40;
    }
    else if(t < LV_BEZIER_VAL_MAX) {
        /*Fall back*/
        t -= 921;
        t = t * 10;
        diff = diff / 40;
    }

    if(t > LV_BEZIER_VAL_MAX) t = LV_BEZIER_VAL_MAX;
    if(t < 0) t = 0;
    int32_t step = (int32_t)lv_bezier3((uint32_t)t, LV_BEZIER_VAL_MAX, 800, 500, 0);
    int64_t new_value = (int64_t)step * diff;
    new_value = new_value >> LV_BEZIER_VAL_SHIFT;
    return (int32_t)(a->end_value - new_value);
}

int32_t lv_anim_path_step(const lv_anim_t * a)
{
    return a->act_time >= a->time ? a->end_value : a->start_value;
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

/* Every animation not yet advanced in this round moves by the time since the
 * timer last ran. A callback may delete animations (itself included); then
 * the walk restarts from the head, and the run_round flag keeps the ones
 * already advanced from moving twice. */
static void anim_timer(lv_timer_t * param)
{
    LV_UNUSED(param);
    uint32_t elaps = lv_tick_elaps(last_timer_run);

    anim_run_round = anim_run_round ? false : true;

    lv_anim_t * a = _lv_ll_get_head(&anim_ll);
    while(a != NULL) {
        anim_list_changed = false;
        if(a->run_round != anim_run_round) {
            a->run_round = anim_run_round;
            anim_step(a, elaps);
        }
        if(anim_list_changed) a = _lv_ll_get_head(&anim_ll);
        else a = _lv_ll_get_next(&anim_ll, a);
    }

    last_timer_run = lv_tick_get();
}

static void anim_step(lv_anim_t * a, uint32_t elaps)
{
    /*First step past the delay: call start_cb (and take the relative base)*/
    if(!a->start_cb_called && a->act_time <= 0 && a->act_time + (int32_t)elaps >= 0) {
        if(a->early_apply == 0 && a->get_value_cb) {
            int32_t v_ofs = a->get_value_cb(a);
            a->start_value += v_ofs;
            a->end_value += v_ofs;
        }
        if(a->start_cb) a->start_cb(a);
        a->start_cb_called = 1;
    }

    a->act_time += (int32_t)elaps;
    if(a->act_time < 0) return;
    if(a->act_time > a->time) a->act_time = a->time;

    int32_t new_value = a->path_cb(a);
    if(new_value != a->current_value) {
        a->current_value = new_value;
        if(a->exec_cb) a->exec_cb(a->var, new_value);
    }

    if(a->act_time >= a->time) anim_ready_handler(a);
}

/* At the end of a run: repeat, turn around for playback, or finish. A
 * finished animation leaves the list before ready_cb runs, so the callback
 * sees it as no longer running and may start a new one on the same var. */
static void anim_ready_handler(lv_anim_t * a)
{
    if(a->playback_now == 0 && a->repeat_cnt > 0 && a->repeat_cnt != LV_ANIM_REPEAT_INFINITE) {
        a->repeat_cnt--;
    }

    if(a->repeat_cnt == 0 && (a->playback_time == 0 || a->playback_now == 1)) {
        _lv_ll_remove(&anim_ll, a);
        anim_mark_list_change();
        if(a->ready_cb != NULL) a->ready_cb(a);
        if(a->deleted_cb != NULL) a->deleted_cb(a);
        lv_mem_free(a);
        return;
    }

    a->act_time = -(int32_t)(a->repeat_delay);
    if(a->playback_time != 0) {
        if(a->playback_now == 0) a->act_time = -(int32_t)(a->playback_delay);
        a->playback_now = a->playback_now == 0 ? 1 : 0;

        int32_t tmp = a->start_value;
        a->start_value = a->end_value;
        a->end_value = tmp;

        tmp = a->time;
        a->time = (int32_t)a->playback_time;
        a->playback_time = (uint32_t)tmp;
    }
}

static void anim_mark_list_change(void)
{
    anim_list_changed = true;
    if(_lv_anim_tmr == NULL) return;
    if(_lv_ll_get_head(&anim_ll) == NULL) lv_timer_pause(_lv_anim_tmr);
    else lv_timer_resume(_lv_anim_tmr);
}

static int32_t anim_path_bezier(const lv_anim_t * a, uint32_t u1, uint32_t u2)
{
    uint32_t t = (uint32_t)lv_map(a->act_time, 0, a->time, 0, LV_BEZIER_VAL_MAX);
    int32_t step = (int32_t)lv_bezier3(t, 0, u1, u2, LV_BEZIER_VAL_MAX);
    int64_t new_value = (int64_t)step * (a->end_value - a->start_value);
    new_value = new_value >> LV_BEZIER_VAL_SHIFT;
    return (int32_t)(new_value + a->start_value);
}
