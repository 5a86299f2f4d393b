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
static void scr_load_internal(lv_obj_t * scr);
static void scr_load_anim_start(lv_anim_t * a);
static void opa_scale_anim(void * obj, int32_t v);
static void set_x_anim(void * obj, int32_t v);
static void set_y_anim(void * obj, int32_t v);
static void scr_anim_ready(lv_anim_t * a);
static bool is_out_anim(lv_scr_load_anim_t a);
static void setup_load_anims(lv_disp_t * d, lv_scr_load_anim_t anim_type, lv_anim_t * a_new, lv_anim_t * a_old);

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

lv_obj_t * lv_disp_get_scr_act(lv_disp_t * disp)
{
    if(!disp) disp = lv_disp_get_default();
    if(!disp) return NULL;

    return disp->act_scr;
}

lv_obj_t * lv_disp_get_scr_prev(lv_disp_t * disp)
{
    if(!disp) disp = lv_disp_get_default();
    if(!disp) return NULL;

    return disp->prev_scr;
}

void lv_disp_load_scr(lv_obj_t * scr)
{
    lv_scr_load_anim(scr, LV_SCR_LOAD_ANIM_NONE, 0, 0, false);
}

lv_obj_t * lv_disp_get_layer_top(lv_disp_t * disp)
{
    if(!disp) disp = lv_disp_get_default();
    if(!disp) return NULL;

    return disp->top_layer;
}

lv_obj_t * lv_disp_get_layer_sys(lv_disp_t * disp)
{
    if(!disp) disp = lv_disp_get_default();
    if(!disp) return NULL;

    return disp->sys_layer;
}

void lv_disp_set_theme(lv_disp_t * disp, lv_theme_t * th)
{
    if(!disp) disp = lv_disp_get_default();
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
    if(disp == NULL) disp = lv_disp_get_default();
    if(disp == NULL) return NULL;
    return disp->theme;
}

void lv_disp_set_bg_color(lv_disp_t * disp, lv_color_t color)
{
    if(!disp) disp = lv_disp_get_default();
    if(!disp) return;

    disp->bg_color = color;

    lv_area_t a;
    lv_area_set(&a, 0, 0, lv_disp_get_hor_res(disp) - 1, lv_disp_get_ver_res(disp) - 1);
    _lv_inv_area(disp, &a);
}

void lv_disp_set_bg_image(lv_disp_t * disp, const void  * img_src)
{
    if(!disp) disp = lv_disp_get_default();
    if(!disp) return;

    disp->bg_img = img_src;

    lv_area_t a;
    lv_area_set(&a, 0, 0, lv_disp_get_hor_res(disp) - 1, lv_disp_get_ver_res(disp) - 1);
    _lv_inv_area(disp, &a);
}

void lv_disp_set_bg_opa(lv_disp_t * disp, lv_opa_t opa)
{
    if(!disp) disp = lv_disp_get_default();
    if(!disp) return;

    disp->bg_opa = opa;

    lv_area_t a;
    lv_area_set(&a, 0, 0, lv_disp_get_hor_res(disp) - 1, lv_disp_get_ver_res(disp) - 1);
    _lv_inv_area(disp, &a);
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
    lv_obj_t * act_scr = d->act_scr;

    if(act_scr == new_scr || d->scr_to_load == new_scr) {
        return;
    }

    /*If an other screen load animation is in progress
     *make target screen loaded immediately. */
    if(d->scr_to_load && act_scr != d->scr_to_load) {
        lv_obj_t * pending = d->scr_to_load;
        lv_anim_del(pending, NULL);
        if(act_scr) lv_anim_del(act_scr, NULL);
        d->prev_scr = NULL;
        scr_load_internal(pending);
        lv_obj_set_pos(pending, 0, 0);
        lv_obj_remove_local_style_prop(pending, LV_STYLE_OPA, 0);
        if(d->del_prev && act_scr) lv_obj_del(act_scr);
        act_scr = d->act_scr;
        if(act_scr == new_scr) return;
    }

    d->scr_to_load = new_scr;

    if(d->prev_scr && d->del_prev) {
        lv_obj_del(d->prev_scr);
        d->prev_scr = NULL;
    }

    d->draw_prev_over_act = is_out_anim(anim_type);
    d->del_prev = auto_del;

    /*Be sure there is no other animation on the screens*/
    lv_anim_del(new_scr, NULL);
    if(act_scr) lv_anim_del(act_scr, NULL);

    /*Be sure both screens are in a normal position*/
    lv_obj_set_pos(new_scr, 0, 0);
    lv_obj_remove_local_style_prop(new_scr, LV_STYLE_OPA, 0);
    if(act_scr) {
        lv_obj_set_pos(act_scr, 0, 0);
        lv_obj_remove_local_style_prop(act_scr, LV_STYLE_OPA, 0);
    }

    /*Shortcut for immediate load*/
    if((time == 0 && delay == 0) || act_scr == NULL) {
        scr_load_internal(new_scr);
        if(auto_del && act_scr) lv_obj_del(act_scr);
        return;
    }

    lv_anim_t a_new;
    lv_anim_init(&a_new);
    lv_anim_set_var(&a_new, new_scr);
    lv_anim_set_start_cb(&a_new, scr_load_anim_start);
    lv_anim_set_ready_cb(&a_new, scr_anim_ready);
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

    lv_disp_t * d;
    uint32_t t = UINT32_MAX;
    d          = lv_disp_get_next(NULL);
    while(d) {
        uint32_t elaps = lv_tick_elaps(d->last_activity_time);
        t = LV_MIN(t, elaps);
        d = lv_disp_get_next(d);
    }

    return t;
}

void lv_disp_trig_activity(lv_disp_t * disp)
{
    if(!disp) disp = lv_disp_get_default();
    if(!disp) return;

    disp->last_activity_time = lv_tick_get();
}

void lv_disp_clean_dcache(lv_disp_t * disp)
{
    if(!disp) disp = lv_disp_get_default();
    if(!disp) return;

    if(disp->driver->clean_dcache_cb)
        disp->driver->clean_dcache_cb(disp->driver);
}

void lv_disp_enable_invalidation(lv_disp_t * disp, bool en)
{
    if(!disp) disp = lv_disp_get_default();
    if(!disp) return;

    disp->inv_en_cnt += en ? 1 : -1;
}

bool lv_disp_is_invalidation_enabled(lv_disp_t * disp)
{
    if(!disp) disp = lv_disp_get_default();
    if(!disp) return false;

    return (disp->inv_en_cnt >= 0);
}

lv_timer_t * _lv_disp_get_refr_timer(lv_disp_t * disp)
{
    if(!disp) disp = lv_disp_get_default();
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
    lv_anim_set_exec_cb(a_new, set_x_anim);
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
            lv_anim_set_exec_cb(a_new, set_y_anim);
            lv_anim_set_values(a_new, ver, 0);
            break;
        case LV_SCR_LOAD_ANIM_OVER_BOTTOM:
            lv_anim_set_exec_cb(a_new, set_y_anim);
            lv_anim_set_values(a_new, -ver, 0);
            break;
        case LV_SCR_LOAD_ANIM_MOVE_LEFT:
            lv_anim_set_values(a_new, hor, 0);
            lv_anim_set_exec_cb(a_old, set_x_anim);
            lv_anim_set_values(a_old, 0, -hor);
            break;
        case LV_SCR_LOAD_ANIM_MOVE_RIGHT:
            lv_anim_set_values(a_new, -hor, 0);
            lv_anim_set_exec_cb(a_old, set_x_anim);
            lv_anim_set_values(a_old, 0, hor);
            break;
        case LV_SCR_LOAD_ANIM_MOVE_TOP:
            lv_anim_set_exec_cb(a_new, set_y_anim);
            lv_anim_set_values(a_new, ver, 0);
            lv_anim_set_exec_cb(a_old, set_y_anim);
            lv_anim_set_values(a_old, 0, -ver);
            break;
        case LV_SCR_LOAD_ANIM_MOVE_BOTTOM:
            lv_anim_set_exec_cb(a_new, set_y_anim);
            lv_anim_set_values(a_new, -ver, 0);
            lv_anim_set_exec_cb(a_old, set_y_anim);
            lv_anim_set_values(a_old, 0, ver);
            break;
        case LV_SCR_LOAD_ANIM_FADE_IN:
            lv_anim_set_exec_cb(a_new, opa_scale_anim);
            lv_anim_set_values(a_new, LV_OPA_TRANSP, LV_OPA_COVER);
            break;
        case LV_SCR_LOAD_ANIM_FADE_OUT:
            lv_anim_set_exec_cb(a_old, opa_scale_anim);
            lv_anim_set_values(a_old, LV_OPA_COVER, LV_OPA_TRANSP);
            break;
        case LV_SCR_LOAD_ANIM_OUT_LEFT:
            lv_anim_set_exec_cb(a_old, set_x_anim);
            lv_anim_set_values(a_old, 0, -hor);
            break;
        case LV_SCR_LOAD_ANIM_OUT_RIGHT:
            lv_anim_set_exec_cb(a_old, set_x_anim);
            lv_anim_set_values(a_old, 0, hor);
            break;
        case LV_SCR_LOAD_ANIM_OUT_TOP:
            lv_anim_set_exec_cb(a_old, set_y_anim);
            lv_anim_set_values(a_old, 0, -ver);
            break;
        case LV_SCR_LOAD_ANIM_OUT_BOTTOM:
            lv_anim_set_exec_cb(a_old, set_y_anim);
            lv_anim_set_values(a_old, 0, ver);
            break;
    }
}

static void scr_load_internal(lv_obj_t * scr)
{
    lv_disp_t * d = lv_obj_get_disp(scr);
    if(!d) return;  /*Shouldn't happen, just to be sure*/

    lv_obj_t * old_scr = d->act_scr;

    if(old_scr) lv_event_send(old_scr, LV_EVENT_SCREEN_UNLOAD_START, NULL);
    lv_event_send(scr, LV_EVENT_SCREEN_LOAD_START, NULL);

    d->act_scr = scr;
    d->scr_to_load = NULL;

    lv_event_send(scr, LV_EVENT_SCREEN_LOADED, NULL);
    if(old_scr) lv_event_send(old_scr, LV_EVENT_SCREEN_UNLOADED, NULL);

    lv_obj_invalidate(scr);
}

static void scr_load_anim_start(lv_anim_t * a)
{
    lv_disp_t * d = lv_obj_get_disp(a->var);

    d->prev_scr = d->act_scr;
    d->act_scr = a->var;

    lv_event_send(d->act_scr, LV_EVENT_SCREEN_LOAD_START, NULL);
}

static void opa_scale_anim(void * obj, int32_t v)
{
    lv_obj_set_style_opa(obj, v, 0);
}

static void set_x_anim(void * obj, int32_t v)
{
    lv_obj_set_x(obj, v);
}

static void set_y_anim(void * obj, int32_t v)
{
    lv_obj_set_y(obj, v);
}

static void scr_anim_ready(lv_anim_t * a)
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

static bool is_out_anim(lv_scr_load_anim_t anim_type)
{
    return anim_type == LV_SCR_LOAD_ANIM_FADE_OUT  ||
           anim_type == LV_SCR_LOAD_ANIM_OUT_LEFT  ||
           anim_type == LV_SCR_LOAD_ANIM_OUT_RIGHT ||
           anim_type == LV_SCR_LOAD_ANIM_OUT_TOP   ||
           anim_type == LV_SCR_LOAD_ANIM_OUT_BOTTOM;
}
