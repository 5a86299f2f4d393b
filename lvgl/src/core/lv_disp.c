/**
 * @file lv_disp.c
 * The screens of a display: which one is shown, loading another one (with
 * an animation), the layers above them, the theme and the background.
 *
 * An animated load runs in three steps. At the call the old screen hears
 * SCREEN_UNLOAD_START and `scr_to_load` names the new one. When the delay is
 * over (the start callback of the new screen's animation) the new screen
 * becomes the active one, the old one stays drawn as `prev_scr`, and the new
 * one hears SCREEN_LOAD_START. When the time is up (the ready callback)
 * `finish_load` puts both screens at rest, sends SCREEN_LOADED and
 * SCREEN_UNLOADED and deletes the old screen if asked to.
 */

#include "lv_disp.h"
#include "lv_refr.h"
#include "../misc/lv_math.h"
#include "../misc/lv_anim.h"
#include "../misc/lv_tick.h"

typedef enum {
    STAY,       /* the screen does not move */
    SLIDE_X,
    SLIDE_Y,
    FADE,
} motion_t;

/* How the screens of one kind of load move. The new screen comes from
 * `new_from` screen widths (or heights) away and ends at 0; the old one
 * goes from 0 to `old_to` widths away. Fading runs from transparent to
 * opaque for the new screen and the other way for the old one. */
typedef struct {
    uint8_t new_motion;
    int8_t new_from;
    uint8_t old_motion;
    int8_t old_to;
    bool old_on_top;    /* the old screen leaves over the new one */
} load_style_t;

static const load_style_t load_styles[] = {
    [LV_SCR_LOAD_ANIM_NONE] = {STAY, 0, STAY, 0, false},
    [LV_SCR_LOAD_ANIM_OVER_LEFT] = {SLIDE_X, 1, STAY, 0, false},
    [LV_SCR_LOAD_ANIM_OVER_RIGHT] = {SLIDE_X, -1, STAY, 0, false},
    [LV_SCR_LOAD_ANIM_OVER_TOP] = {SLIDE_Y, 1, STAY, 0, false},
    [LV_SCR_LOAD_ANIM_OVER_BOTTOM] = {SLIDE_Y, -1, STAY, 0, false},
    [LV_SCR_LOAD_ANIM_MOVE_LEFT] = {SLIDE_X, 1, SLIDE_X, -1, false},
    [LV_SCR_LOAD_ANIM_MOVE_RIGHT] = {SLIDE_X, -1, SLIDE_X, 1, false},
    [LV_SCR_LOAD_ANIM_MOVE_TOP] = {SLIDE_Y, 1, SLIDE_Y, -1, false},
    [LV_SCR_LOAD_ANIM_MOVE_BOTTOM] = {SLIDE_Y, -1, SLIDE_Y, 1, false},
    [LV_SCR_LOAD_ANIM_FADE_IN] = {FADE, 0, STAY, 0, false},
    [LV_SCR_LOAD_ANIM_FADE_OUT] = {STAY, 0, FADE, 0, true},
    [LV_SCR_LOAD_ANIM_OUT_LEFT] = {STAY, 0, SLIDE_X, -1, true},
    [LV_SCR_LOAD_ANIM_OUT_RIGHT] = {STAY, 0, SLIDE_X, 1, true},
    [LV_SCR_LOAD_ANIM_OUT_TOP] = {STAY, 0, SLIDE_Y, -1, true},
    [LV_SCR_LOAD_ANIM_OUT_BOTTOM] = {STAY, 0, SLIDE_Y, 1, true},
};

static lv_disp_t * resolve(lv_disp_t * disp);
static void invalidate_all(lv_disp_t * disp);
static void put_at_rest(lv_obj_t * scr);
static void animate_screen(lv_disp_t * d, lv_obj_t * scr, uint8_t motion, int8_t screens_away, bool incoming,
                           uint32_t time, uint32_t delay);
static void show_incoming(lv_disp_t * d);
static void finish_load(lv_disp_t * d, const lv_obj_t * keep);
static void incoming_started(lv_anim_t * a);
static void incoming_arrived(lv_anim_t * a);
static void set_x(void * scr, int32_t v);
static void set_y(void * scr, int32_t v);
static void set_opa(void * scr, int32_t v);

lv_obj_t * lv_disp_get_scr_act(lv_disp_t * disp)
{
    lv_disp_t * d = resolve(disp);
    return d ? d->act_scr : NULL;
}

lv_obj_t * lv_disp_get_scr_prev(lv_disp_t * disp)
{
    lv_disp_t * d = resolve(disp);
    return d ? d->prev_scr : NULL;
}

void lv_disp_load_scr(lv_obj_t * scr)
{
    lv_scr_load_anim(scr, LV_SCR_LOAD_ANIM_NONE, 0, 0, false);
}

lv_obj_t * lv_disp_get_layer_top(lv_disp_t * disp)
{
    lv_disp_t * d = resolve(disp);
    return d ? d->top_layer : NULL;
}

lv_obj_t * lv_disp_get_layer_sys(lv_disp_t * disp)
{
    lv_disp_t * d = resolve(disp);
    return d ? d->sys_layer : NULL;
}

/* A display that is still as registered (its screen and both layers empty)
 * restyles its screen with the new theme at once; objects created later
 * get it anyway. */
void lv_disp_set_theme(lv_disp_t * disp, lv_theme_t * th)
{
    lv_disp_t * d = resolve(disp);
    if(d == NULL) return;
    d->theme = th;

    bool untouched = d->screen_cnt == 3 && d->act_scr != NULL;
    for(uint32_t i = 0; untouched && i < d->screen_cnt; i++) untouched = lv_obj_get_child_cnt(d->screens[i]) == 0;
    if(untouched) lv_theme_apply(d->act_scr);
}

lv_theme_t * lv_disp_get_theme(lv_disp_t * disp)
{
    lv_disp_t * d = resolve(disp);
    return d ? d->theme : NULL;
}

void lv_disp_set_bg_color(lv_disp_t * disp, lv_color_t color)
{
    lv_disp_t * d = resolve(disp);
    if(d == NULL) return;
    d->bg_color = color;
    invalidate_all(d);
}

void lv_disp_set_bg_image(lv_disp_t * disp, const void  * img_src)
{
    lv_disp_t * d = resolve(disp);
    if(d == NULL) return;
    d->bg_img = img_src;
    invalidate_all(d);
}

void lv_disp_set_bg_opa(lv_disp_t * disp, lv_opa_t opa)
{
    lv_disp_t * d = resolve(disp);
    if(d == NULL) return;
    d->bg_opa = opa;
    invalidate_all(d);
}

void lv_scr_load_anim(lv_obj_t * new_scr, lv_scr_load_anim_t anim_type, uint32_t time, uint32_t delay, bool auto_del)
{
    lv_disp_t * d = lv_obj_get_disp(new_scr);
    if(d == NULL || new_scr == d->act_scr || new_scr == d->scr_to_load) return;

    /* A load still under way is completed at once; the screen asked for now
     * is spared even if that load was to delete it */
    if(d->scr_to_load) finish_load(d, new_scr);
    if(new_scr == d->act_scr) return;

    const load_style_t * style = &load_styles[(size_t)anim_type < sizeof(load_styles) / sizeof(load_styles[0]) ?
                                                                   anim_type : LV_SCR_LOAD_ANIM_NONE];
    lv_obj_t * old_scr = d->act_scr;
    d->scr_to_load = new_scr;
    d->del_prev = auto_del;
    d->draw_prev_over_act = style->old_on_top;

    /* Both screens start at rest: no animation left over, in place, opaque */
    lv_anim_del(new_scr, NULL);
    put_at_rest(new_scr);
    if(old_scr) {
        lv_anim_del(old_scr, NULL);
        put_at_rest(old_scr);
        lv_event_send(old_scr, LV_EVENT_SCREEN_UNLOAD_START, NULL);
    }

    if(old_scr == NULL || (time == 0 && delay == 0)) {
        show_incoming(d);
        finish_load(d, NULL);
        return;
    }

    /* The new screen always runs an animation, a still one if need be:
     * its start and ready callbacks drive the load */
    animate_screen(d, new_scr, style->new_motion, style->new_from, true, time, delay);
    if(style->old_motion != STAY) animate_screen(d, old_scr, style->old_motion, style->old_to, false, time, delay);
}

/* Without a display: the least inactive time over all of them. */
uint32_t lv_disp_get_inactive_time(const lv_disp_t * disp)
{
    if(disp) return lv_tick_elaps(disp->last_activity_time);

    uint32_t least = UINT32_MAX;
    for(lv_disp_t * d = lv_disp_get_next(NULL); d; d = lv_disp_get_next(d)) {
        uint32_t idle = lv_tick_elaps(d->last_activity_time);
        if(idle < least) least = idle;
    }
    return least;
}

void lv_disp_trig_activity(lv_disp_t * disp)
{
    lv_disp_t * d = resolve(disp);
    if(d) d->last_activity_time = lv_tick_get();
}

void lv_disp_clean_dcache(lv_disp_t * disp)
{
    lv_disp_t * d = resolve(disp);
    if(d && d->driver->clean_dcache_cb) d->driver->clean_dcache_cb(d->driver);
}

/* Disabling nests: as many enables as disables turn it back on. */
void lv_disp_enable_invalidation(lv_disp_t * disp, bool en)
{
    lv_disp_t * d = resolve(disp);
    if(d == NULL) return;
    if(en) d->inv_en_cnt++;
    else d->inv_en_cnt--;
}

bool lv_disp_is_invalidation_enabled(lv_disp_t * disp)
{
    lv_disp_t * d = resolve(disp);
    return d != NULL && d->inv_en_cnt >= 0;
}

lv_timer_t * _lv_disp_get_refr_timer(lv_disp_t * disp)
{
    lv_disp_t * d = resolve(disp);
    return d ? d->refr_timer : NULL;
}

/* NULL stands for the default display throughout. */
static lv_disp_t * resolve(lv_disp_t * disp)
{
    return disp ? disp : lv_disp_get_default();
}

static void invalidate_all(lv_disp_t * disp)
{
    lv_area_t whole = {0, 0, (lv_coord_t)(lv_disp_get_hor_res(disp) - 1), (lv_coord_t)(lv_disp_get_ver_res(disp) - 1)};
    _lv_inv_area(disp, &whole);
}

static void put_at_rest(lv_obj_t * scr)
{
    lv_obj_set_pos(scr, 0, 0);
    lv_obj_remove_local_style_prop(scr, LV_STYLE_OPA, 0);
}

static void animate_screen(lv_disp_t * d, lv_obj_t * scr, uint8_t motion, int8_t screens_away, bool incoming,
                           uint32_t time, uint32_t delay)
{
    static const lv_anim_exec_xcb_t setters[] = {[STAY] = NULL, [SLIDE_X] = set_x, [SLIDE_Y] = set_y, [FADE] = set_opa};
    int32_t size = motion == SLIDE_X ? lv_disp_get_hor_res(d) : lv_disp_get_ver_res(d);
    int32_t away = screens_away * size;
    int32_t from = incoming ? away : 0;
    int32_t to = incoming ? 0 : away;
    if(motion == FADE) {
        from = incoming ? LV_OPA_TRANSP : LV_OPA_COVER;
        to = incoming ? LV_OPA_COVER : LV_OPA_TRANSP;
    }

    lv_anim_t a;
    lv_anim_init(&a);
    lv_anim_set_var(&a, scr);
    lv_anim_set_exec_cb(&a, setters[motion]);
    lv_anim_set_values(&a, from, to);
    lv_anim_set_time(&a, time);
    lv_anim_set_delay(&a, delay);
    if(incoming) {
        lv_anim_set_start_cb(&a, incoming_started);
        lv_anim_set_ready_cb(&a, incoming_arrived);
    }
    lv_anim_start(&a);
}

/* The new screen becomes the active one; the old one is still drawn. */
static void show_incoming(lv_disp_t * d)
{
    lv_obj_t * incoming = d->scr_to_load;
    d->prev_scr = d->act_scr;
    d->act_scr = incoming;
    lv_event_send(incoming, LV_EVENT_SCREEN_LOAD_START, NULL);
}

/* End the load under way: also one cut short, in which case the animations
 * are dropped and, if its delay was not over yet, the new screen is shown
 * first. `keep` is not deleted even when the load asked for it. */
static void finish_load(lv_disp_t * d, const lv_obj_t * keep)
{
    lv_obj_t * incoming = d->scr_to_load;
    if(d->act_scr != incoming) show_incoming(d);
    lv_obj_t * outgoing = d->prev_scr;
    d->prev_scr = NULL;
    d->scr_to_load = NULL;
    d->draw_prev_over_act = 0;

    lv_anim_del(incoming, NULL);
    put_at_rest(incoming);
    if(outgoing) {
        lv_anim_del(outgoing, NULL);
        put_at_rest(outgoing);
    }

    if(lv_event_send(incoming, LV_EVENT_SCREEN_LOADED, NULL) == LV_RES_OK) lv_obj_invalidate(incoming);
    if(outgoing == NULL) return;
    if(lv_event_send(outgoing, LV_EVENT_SCREEN_UNLOADED, NULL) != LV_RES_OK) return;
    if(d->del_prev && outgoing != keep) lv_obj_del(outgoing);
}

static void incoming_started(lv_anim_t * a)
{
    lv_disp_t * d = lv_obj_get_disp(a->var);
    if(d && d->scr_to_load == a->var) show_incoming(d);
}

static void incoming_arrived(lv_anim_t * a)
{
    lv_disp_t * d = lv_obj_get_disp(a->var);
    if(d && d->scr_to_load == a->var) finish_load(d, NULL);
}

static void set_x(void * scr, int32_t v)
{
    lv_obj_set_x(scr, (lv_coord_t)v);
}

static void set_y(void * scr, int32_t v)
{
    lv_obj_set_y(scr, (lv_coord_t)v);
}

static void set_opa(void * scr, int32_t v)
{
    lv_obj_set_style_opa(scr, (lv_opa_t)v, 0);
}
