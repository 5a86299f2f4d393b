/**
 * @file lv_disp.c
 * Screens and layers of a display, screen loading with animations, theme
 * and background of a display.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_disp.h"
#include "lv_refr.h"
#include "../misc/lv_math.h"
#include "../misc/lv_anim.h"
#include "../misc/lv_tick.h"

/**********************
 *  STATIC PROTOTYPES
 **********************/
static void switch_screen_now(lv_obj_t * scr);
static void load_anim_started(lv_anim_t * a);
static void anim_set_opa(void * obj, int32_t v);
static void anim_set_x(void * obj, int32_t v);
static void anim_set_y(void * obj, int32_t v);
static void load_anim_finished(lv_anim_t * a);
static bool old_screen_on_top(lv_scr_load_anim_t a);
static void setup_load_anims(lv_disp_t * d, lv_scr_load_anim_t anim_type, lv_anim_t * a_new, lv_anim_t * a_old);
static void finish_pending_load(lv_disp_t * d);
static void put_screen_at_rest(lv_obj_t * scr);

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

/* NULL stands for the default display throughout this API. */
static lv_disp_t * disp_or_default(lv_disp_t * disp)
{
    return disp ? disp : lv_disp_get_default();
}

static void invalidate_whole_display(lv_disp_t * disp)
{
    lv_area_t a;
    lv_area_set(&a, 0, 0, lv_disp_get_hor_res(disp) - 1, lv_disp_get_ver_res(disp) - 1);
    _lv_inv_area(disp, &a);
}

lv_obj_t * lv_disp_get_scr_act(lv_disp_t * disp)
{
    disp = disp_or_default(disp);
    if(!disp) return NULL;

    return disp->act_scr;
}

lv_obj_t * lv_disp_get_scr_prev(lv_disp_t * disp)
{
    disp = disp_or_default(disp);
    if(!disp) return NULL;

    return disp->prev_scr;
}

void lv_disp_load_scr(lv_obj_t * scr)
{
    lv_scr_load_anim(scr, LV_SCR_LOAD_ANIM_NONE, 0, 0, false);
}

lv_obj_t * lv_disp_get_layer_top(lv_disp_t * disp)
{
    disp = disp_or_default(disp);
    if(!disp) return NULL;

    return disp->top_layer;
}

lv_obj_t * lv_disp_get_layer_sys(lv_disp_t * disp)
{
    disp = disp_or_default(disp);
    if(!disp) return NULL;

    return disp->sys_layer;
}

void lv_disp_set_theme(lv_disp_t * disp, lv_theme_t * th)
{
    disp = disp_or_default(disp);
    if(!disp) return;

    disp->theme = th;

    /*A display whose screens are still empty gets the new look at once*/
    if(disp->screen_cnt == 3 &&
       lv_obj_get_child_cnt(disp->screens[0]) == 0 &&
       lv_obj_get_child_cnt(disp->screens[1]) == 0 &&
       lv_obj_get_child_cnt(disp->screens[2]) == 0) {
        lv_theme_apply(disp->screens[0]);
    }
}

lv_theme_t * lv_disp_get_theme(lv_disp_t * disp)
{
    disp = disp_or_default(disp);
    if(disp == NULL) return NULL;
    return disp->theme;
}

void lv_disp_set_bg_color(lv_disp_t * disp, lv_color_t color)
{
    disp = disp_or_default(disp);
    if(!disp) return;

    disp->bg_color = color;
    invalidate_whole_display(disp);
}

void lv_disp_set_bg_image(lv_disp_t * disp, const void  * img_src)
{
    disp = disp_or_default(disp);
    if(!disp) return;

    disp->bg_img = img_src;
    invalidate_whole_display(disp);
}

void lv_disp_set_bg_opa(lv_disp_t * disp, lv_opa_t opa)
{
    disp = disp_or_default(disp);
    if(!disp) return;

    disp->bg_opa = opa;
    invalidate_whole_display(disp);
}

/**
 * Load `new_scr`, animated. With time and delay 0 it is loaded at once.
 * During the animation the old screen stays `prev_scr` (input devices are
 * not read meanwhile); at the end SCREEN_LOADED/UNLOADED are sent, the
 * old screen is deleted if `auto_del`, and both screens are back at 0,0
 * when loaded again. A second load during an animation first completes the
 * running one.
 */
void lv_scr_load_anim(lv_obj_t * new_scr, lv_scr_load_anim_t anim_type, uint32_t time, uint32_t delay, bool auto_del)
{
    lv_disp_t * d = lv_obj_get_disp(new_scr);
    if(d == NULL) return;
    if(d->act_scr == new_scr || d->scr_to_load == new_scr) return;

    if(d->scr_to_load && d->act_scr != d->scr_to_load) {
        finish_pending_load(d);
        if(d->act_scr == new_scr) return;
    }
    lv_obj_t * act_scr = d->act_scr;

    d->scr_to_load = new_scr;

    /*An old screen of an earlier animated load that is still kept around*/
    if(d->prev_scr && d->del_prev) {
        lv_obj_del(d->prev_scr);
        d->prev_scr = NULL;
    }

    d->draw_prev_over_act = old_screen_on_top(anim_type);
    d->del_prev = auto_del;

    /*Start both screens from rest: no animation, at 0,0, fully opaque*/
    lv_anim_del(new_scr, NULL);
    if(act_scr) lv_anim_del(act_scr, NULL);
    put_screen_at_rest(new_scr);
    if(act_scr) put_screen_at_rest(act_scr);

    if((time == 0 && delay == 0) || act_scr == NULL) {
        switch_screen_now(new_scr);
        if(auto_del && act_scr) lv_obj_del(act_scr);
        return;
    }

    lv_anim_t a_new;
    lv_anim_init(&a_new);
    lv_anim_set_var(&a_new, new_scr);
    lv_anim_set_start_cb(&a_new, load_anim_started);
    lv_anim_set_ready_cb(&a_new, load_anim_finished);
    lv_anim_set_time(&a_new, time);
    lv_anim_set_delay(&a_new, delay);

    lv_anim_t a_old;
    lv_anim_init(&a_old);
    lv_anim_set_var(&a_old, act_scr);
    lv_anim_set_time(&a_old, time);
    lv_anim_set_delay(&a_old, delay);

    setup_load_anims(d, anim_type, &a_new, &a_old);

    lv_event_send(act_scr, LV_EVENT_SCREEN_UNLOAD_START, NULL);

    lv_anim_start(&a_new);
    if(a_old.exec_cb) lv_anim_start(&a_old);
}

uint32_t lv_disp_get_inactive_time(const lv_disp_t * disp)
{
    if(disp) return lv_tick_elaps(disp->last_activity_time);

    /*All displays: the most recent activity on any of them counts*/
    uint32_t t = UINT32_MAX;
    for(lv_disp_t * d = lv_disp_get_next(NULL); d; d = lv_disp_get_next(d)) {
        t = LV_MIN(t, lv_tick_elaps(d->last_activity_time));
    }
    return t;
}

void lv_disp_trig_activity(lv_disp_t * disp)
{
    disp = disp_or_default(disp);
    if(!disp) return;

    disp->last_activity_time = lv_tick_get();
}

void lv_disp_clean_dcache(lv_disp_t * disp)
{
    disp = disp_or_default(disp);
    if(!disp) return;

    if(disp->driver->clean_dcache_cb) disp->driver->clean_dcache_cb(disp->driver);
}

void lv_disp_enable_invalidation(lv_disp_t * disp, bool en)
{
    disp = disp_or_default(disp);
    if(!disp) return;

    disp->inv_en_cnt += en ? 1 : -1;
}

bool lv_disp_is_invalidation_enabled(lv_disp_t * disp)
{
    disp = disp_or_default(disp);
    if(!disp) return false;

    return (disp->inv_en_cnt >= 0);
}

lv_timer_t * _lv_disp_get_refr_timer(lv_disp_t * disp)
{
    disp = disp_or_default(disp);
    if(!disp) return NULL;

    return disp->refr_timer;
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

/**
 * Fill the animations of the new (`a_new`) and old (`a_old`) screen. The
 * OVER_ kinds move only the new screen in, the OUT_ kinds only the old one
 * out (drawn above the new one), MOVE_ kinds both.
 */
static void setup_load_anims(lv_disp_t * d, lv_scr_load_anim_t anim_type, lv_anim_t * a_new, lv_anim_t * a_old)
{
    lv_coord_t hor = lv_disp_get_hor_res(d);
    lv_coord_t ver = lv_disp_get_ver_res(d);

    /*The new screen always runs an animation (a still one at least) so the
     *start and ready callbacks fire after the delay and the time*/
    lv_anim_set_exec_cb(a_new, anim_set_x);
    lv_anim_set_values(a_new, 0, 0);
    lv_anim_set_exec_cb(a_old, NULL);

    switch(anim_type) {
        case LV_SCR_LOAD_ANIM_NONE:
            break;
        case LV_SCR_LOAD_ANIM_OVER_LEFT:
            lv_anim_set_values(a_new, hor, 0);
            break;
        case LV_SCR_LOAD_ANIM_OVER_RIGHT:
            lv_anim_set_values(a_new, -hor, 0);
            break;
        case LV_SCR_LOAD_ANIM_OVER_TOP:
            lv_anim_set_exec_cb(a_new, anim_set_y);
            lv_anim_set_values(a_new, ver, 0);
            break;
        case LV_SCR_LOAD_ANIM_OVER_BOTTOM:
            lv_anim_set_exec_cb(a_new, anim_set_y);
            lv_anim_set_values(a_new, -ver, 0);
            break;
        case LV_SCR_LOAD_ANIM_MOVE_LEFT:
            lv_anim_set_values(a_new, hor, 0);
            lv_anim_set_exec_cb(a_old, anim_set_x);
            lv_anim_set_values(a_old, 0, -hor);
            break;
        case LV_SCR_LOAD_ANIM_MOVE_RIGHT:
            lv_anim_set_values(a_new, -hor, 0);
            lv_anim_set_exec_cb(a_old, anim_set_x);
            lv_anim_set_values(a_old, 0, hor);
            break;
        case LV_SCR_LOAD_ANIM_MOVE_TOP:
            lv_anim_set_exec_cb(a_new, anim_set_y);
            lv_anim_set_values(a_new, ver, 0);
            lv_anim_set_exec_cb(a_old, anim_set_y);
            lv_anim_set_values(a_old, 0, -ver);
            break;
        case LV_SCR_LOAD_ANIM_MOVE_BOTTOM:
            lv_anim_set_exec_cb(a_new, anim_set_y);
            lv_anim_set_values(a_new, -ver, 0);
            lv_anim_set_exec_cb(a_old, anim_set_y);
            lv_anim_set_values(a_old, 0, ver);
            break;
        case LV_SCR_LOAD_ANIM_FADE_IN:
            lv_anim_set_exec_cb(a_new, anim_set_opa);
            lv_anim_set_values(a_new, LV_OPA_TRANSP, LV_OPA_COVER);
            break;
        case LV_SCR_LOAD_ANIM_FADE_OUT:
            lv_anim_set_exec_cb(a_old, anim_set_opa);
            lv_anim_set_values(a_old, LV_OPA_COVER, LV_OPA_TRANSP);
            break;
        case LV_SCR_LOAD_ANIM_OUT_LEFT:
            lv_anim_set_exec_cb(a_old, anim_set_x);
            lv_anim_set_values(a_old, 0, -hor);
            break;
        case LV_SCR_LOAD_ANIM_OUT_RIGHT:
            lv_anim_set_exec_cb(a_old, anim_set_x);
            lv_anim_set_values(a_old, 0, hor);
            break;
        case LV_SCR_LOAD_ANIM_OUT_TOP:
            lv_anim_set_exec_cb(a_old, anim_set_y);
            lv_anim_set_values(a_old, 0, -ver);
            break;
        case LV_SCR_LOAD_ANIM_OUT_BOTTOM:
            lv_anim_set_exec_cb(a_old, anim_set_y);
            lv_anim_set_values(a_old, 0, ver);
            break;
    }
}

static void put_screen_at_rest(lv_obj_t * scr)
{
    lv_obj_set_pos(scr, 0, 0);
    lv_obj_remove_local_style_prop(scr, LV_STYLE_OPA, 0);
}

/*
 * A load is asked for while another is still animating: cut that one short
 * and show its screen at once, deleting the old one if that was asked for.
 */
static void finish_pending_load(lv_disp_t * d)
{
    lv_obj_t * pending = d->scr_to_load;
    lv_obj_t * act_scr = d->act_scr;
    lv_anim_del(pending, NULL);
    if(act_scr) lv_anim_del(act_scr, NULL);
    d->prev_scr = NULL;
    switch_screen_now(pending);
    put_screen_at_rest(pending);
    if(d->del_prev && act_scr) lv_obj_del(act_scr);
}

/* Make `scr` the active screen without animation, with the load and unload events. */
static void switch_screen_now(lv_obj_t * scr)
{
    lv_disp_t * d = lv_obj_get_disp(scr);
    if(!d) return;

    lv_obj_t * old_scr = d->act_scr;

    if(old_scr) lv_event_send(old_scr, LV_EVENT_SCREEN_UNLOAD_START, NULL);
    lv_event_send(scr, LV_EVENT_SCREEN_LOAD_START, NULL);

    d->act_scr = scr;
    d->scr_to_load = NULL;

    lv_event_send(scr, LV_EVENT_SCREEN_LOADED, NULL);
    if(old_scr) lv_event_send(old_scr, LV_EVENT_SCREEN_UNLOADED, NULL);

    lv_obj_invalidate(scr);
}

/* After the delay: the new screen becomes active, the old one is still drawn as prev_scr. */
static void load_anim_started(lv_anim_t * a)
{
    lv_disp_t * d = lv_obj_get_disp(a->var);

    d->prev_scr = d->act_scr;
    d->act_scr = a->var;

    lv_event_send(d->act_scr, LV_EVENT_SCREEN_LOAD_START, NULL);
}

static void anim_set_opa(void * obj, int32_t v)
{
    lv_obj_set_style_opa(obj, v, 0);
}

static void anim_set_x(void * obj, int32_t v)
{
    lv_obj_set_x(obj, v);
}

static void anim_set_y(void * obj, int32_t v)
{
    lv_obj_set_y(obj, v);
}

/* The animation has run: finish the events, drop (or delete) the old screen. */
static void load_anim_finished(lv_anim_t * a)
{
    lv_disp_t * d = lv_obj_get_disp(a->var);

    lv_event_send(d->act_scr, LV_EVENT_SCREEN_LOADED, NULL);
    if(d->prev_scr) lv_event_send(d->prev_scr, LV_EVENT_SCREEN_UNLOADED, NULL);

    if(d->prev_scr && d->del_prev) lv_obj_del(d->prev_scr);
    d->prev_scr = NULL;
    d->draw_prev_over_act = false;
    d->scr_to_load = NULL;
    lv_obj_remove_local_style_prop(a->var, LV_STYLE_OPA, 0);
    lv_obj_invalidate(d->act_scr);
}

/* The OUT_ kinds and FADE_OUT move the old screen away, so it is drawn above the new one. */
static bool old_screen_on_top(lv_scr_load_anim_t anim_type)
{
    return anim_type == LV_SCR_LOAD_ANIM_FADE_OUT  ||
           anim_type == LV_SCR_LOAD_ANIM_OUT_LEFT  ||
           anim_type == LV_SCR_LOAD_ANIM_OUT_RIGHT ||
           anim_type == LV_SCR_LOAD_ANIM_OUT_TOP   ||
           anim_type == LV_SCR_LOAD_ANIM_OUT_BOTTOM;
}
