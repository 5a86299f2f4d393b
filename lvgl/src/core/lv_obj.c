/**
 * @file lv_obj.c
 * The base object class, library start-up, flags and states.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_obj.h"
#include "lv_indev.h"
#include "lv_refr.h"
#include "lv_group.h"
#include "lv_disp.h"
#include "lv_theme.h"
#include "../misc/lv_anim.h"
#include "../misc/lv_timer.h"
#include "../misc/lv_async.h"
#include "../misc/lv_mem.h"
#include "../draw/lv_draw.h"
#include "../extra/layouts/flex/lv_flex.h"
#include "../extra/themes/default/lv_theme_default.h"

/*********************
 *      DEFINES
 *********************/
#define MY_CLASS &lv_obj_class

/**********************
 *  STATIC PROTOTYPES
 **********************/
static void obj_constructor(const lv_obj_class_t * class_p, lv_obj_t * obj);
static void obj_destructor(const lv_obj_class_t * class_p, lv_obj_t * obj);
static void obj_event(const lv_obj_class_t * class_p, lv_event_t * e);
static void draw_event(lv_event_t * e);
static void draw_scrollbars(lv_obj_t * obj, lv_draw_ctx_t * draw_ctx);
static void handle_key(lv_obj_t * obj, uint32_t key);
static void update_focus_state(lv_obj_t * obj, bool focused);

/**********************
 *  STATIC VARIABLES
 **********************/
static bool library_ready = false;

const lv_obj_class_t lv_obj_class = {
    .base_class = NULL,
    .constructor_cb = obj_constructor,
    .destructor_cb = obj_destructor,
    .event_cb = obj_event,
    .width_def = LV_DPI_DEF,
    .height_def = LV_DPI_DEF,
    .editable = LV_OBJ_CLASS_EDITABLE_FALSE,
    .group_def = LV_OBJ_CLASS_GROUP_DEF_FALSE,
    .instance_size = (sizeof(lv_obj_t)),
};

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

bool lv_is_initialized(void)
{
    return library_ready;
}

void lv_init(void)
{
    if(library_ready) return;

    lv_mem_init();
    _lv_timer_core_init();
    _lv_anim_core_init();
    _lv_group_init();
    lv_draw_init();
    _lv_obj_style_init();
    _lv_disp_core_init();
    _lv_indev_core_init();
    _lv_refr_init();
#if LV_USE_FLEX
    lv_flex_init();
#endif

    library_ready = true;
}

/**
 * Tear the library down so that a test can start again from a clean state:
 * every display (with its screens) and input device is removed, then the
 * memory pool is reset, which frees whatever remained (timers, animations,
 * styles the program allocated).
 */
void lv_deinit(void)
{
    if(!library_ready) return;
    _lv_indev_core_deinit();
    lv_disp_t * disp;
    while((disp = lv_disp_get_next(NULL)) != NULL) lv_disp_remove(disp);
    lv_group_set_default(NULL);
    _lv_group_deinit();
    _lv_obj_style_deinit();
    _lv_layout_deinit();
#if LV_USE_THEME_DEFAULT
    _lv_theme_default_deinit();
#endif
    lv_mem_deinit();
    library_ready = false;
}

lv_obj_t * lv_obj_create(lv_obj_t * parent)
{
    lv_obj_t * obj = lv_obj_class_create_obj(MY_CLASS, parent);
    if(obj == NULL) return NULL;
    lv_obj_class_init_obj(obj);
    return obj;
}

/*=====================
 * Setter functions
 *====================*/

static void invalidate_scrollbars(lv_obj_t * obj)
{
    lv_area_t hor_area, ver_area;
    lv_obj_get_scrollbar_area(obj, &hor_area, &ver_area);
    lv_obj_invalidate_area(obj, &hor_area);
    lv_obj_invalidate_area(obj, &ver_area);
}

/* The parent's layout must run again when `obj` joined or left it, or when a layout's own flag changed. */
static void relayout_parent_if_needed(lv_obj_t * obj, bool was_on_layout, lv_obj_flag_t changed)
{
    bool on_layout = lv_obj_is_layout_positioned(obj);
    if(on_layout == was_on_layout && !(changed & (LV_OBJ_FLAG_LAYOUT_1 | LV_OBJ_FLAG_LAYOUT_2))) return;

    lv_obj_t * parent = lv_obj_get_parent(obj);
    if(parent) lv_obj_mark_layout_as_dirty(parent);
}

void lv_obj_add_flag(lv_obj_t * obj, lv_obj_flag_t f)
{
    bool was_on_layout = lv_obj_is_layout_positioned(obj);

    /*A hidden object leaves the screen: invalidate before it disappears*/
    if(f & LV_OBJ_FLAG_HIDDEN) lv_obj_invalidate(obj);

    obj->flags |= f;

    if(f & LV_OBJ_FLAG_HIDDEN) {
        lv_obj_invalidate(obj);
        /*A hidden child no longer counts for its parent's content size*/
        lv_obj_t * parent = lv_obj_get_parent(obj);
        if(parent) lv_event_send(parent, LV_EVENT_CHILD_CHANGED, obj);
    }

    relayout_parent_if_needed(obj, was_on_layout, f);

    if(f & LV_OBJ_FLAG_SCROLLABLE) invalidate_scrollbars(obj);
}

void lv_obj_clear_flag(lv_obj_t * obj, lv_obj_flag_t f)
{
    bool was_on_layout = lv_obj_is_layout_positioned(obj);
    if(f & LV_OBJ_FLAG_SCROLLABLE) invalidate_scrollbars(obj);

    obj->flags &= (~f);

    if(f & LV_OBJ_FLAG_HIDDEN) {
        lv_obj_invalidate(obj);
        lv_obj_t * parent = lv_obj_get_parent(obj);
        if(lv_obj_is_layout_positioned(obj)) {
            if(parent) lv_obj_mark_layout_as_dirty(parent);
            lv_obj_mark_layout_as_dirty(obj);
        }
        if(parent) lv_event_send(parent, LV_EVENT_CHILD_CHANGED, obj);
    }

    relayout_parent_if_needed(obj, was_on_layout, f);
}

/**
 * Change the whole state word. Styles are resolved per state, so a change
 * that alters the look or the layout refreshes exactly that much.
 */
static void change_state(lv_obj_t * obj, lv_state_t new_state)
{
    if(obj->state == new_state) return;

    _lv_style_state_cmp_t cmp_res = _lv_obj_style_state_compare(obj, obj->state, new_state);
    obj->state = new_state;

    if(cmp_res == _LV_STYLE_STATE_CMP_SAME) return;
    if(cmp_res == _LV_STYLE_STATE_CMP_DIFF_LAYOUT) {
        lv_obj_refresh_style(obj, LV_PART_ANY, LV_STYLE_PROP_ANY);
    }
    else if(cmp_res == _LV_STYLE_STATE_CMP_DIFF_DRAW_PAD) {
        lv_obj_invalidate(obj);
        lv_obj_refresh_ext_draw_size(obj);
    }
    else {
        lv_obj_invalidate(obj);
    }
}

void lv_obj_add_state(lv_obj_t * obj, lv_state_t state)
{
    lv_state_t new_state = obj->state | state;
    if(obj->state != new_state) {
        change_state(obj, new_state);
    }
}

void lv_obj_clear_state(lv_obj_t * obj, lv_state_t state)
{
    lv_state_t new_state = obj->state & (~state);
    if(obj->state != new_state) {
        change_state(obj, new_state);
    }
}

/*=======================
 * Getter functions
 *======================*/

bool lv_obj_has_flag(const lv_obj_t * obj, lv_obj_flag_t f)
{
    return (obj->flags & f)  == f ? true : false;
}

bool lv_obj_has_flag_any(const lv_obj_t * obj, lv_obj_flag_t f)
{
    return (obj->flags & f) ? true : false;
}

lv_state_t lv_obj_get_state(const lv_obj_t * obj)
{
    return obj->state;
}

bool lv_obj_has_state(const lv_obj_t * obj, lv_state_t state)
{
    return obj->state & state ? true : false;
}

void * lv_obj_get_group(const lv_obj_t * obj)
{
    return obj->spec_attr ? obj->spec_attr->group_p : NULL;
}

/*-------------------
 * OTHER FUNCTIONS
 *------------------*/

void lv_obj_allocate_spec_attr(lv_obj_t * obj)
{
    if(obj->spec_attr == NULL) {
        obj->spec_attr = lv_mem_alloc(sizeof(_lv_obj_spec_attr_t));
        LV_ASSERT_MALLOC(obj->spec_attr);
        if(obj->spec_attr == NULL) return;

        lv_memset_00(obj->spec_attr, sizeof(_lv_obj_spec_attr_t));
        obj->spec_attr->scroll_dir = LV_DIR_ALL;
        obj->spec_attr->scrollbar_mode = LV_SCROLLBAR_MODE_AUTO;
    }
}

bool lv_obj_check_type(const lv_obj_t * obj, const lv_obj_class_t * class_p)
{
    if(obj == NULL) return false;
    return obj->class_p == class_p ? true : false;
}

bool lv_obj_has_class(const lv_obj_t * obj, const lv_obj_class_t * class_p)
{
    const lv_obj_class_t * obj_class = obj->class_p;
    while(obj_class) {
        if(obj_class == class_p) return true;
        obj_class = obj_class->base_class;
    }
    return false;
}

const lv_obj_class_t * lv_obj_get_class(const lv_obj_t * obj)
{
    return obj->class_p;
}

/**
 * An object is valid when it can still be reached from a screen or a layer
 * of some display. The walk costs O(objects); it is meant for assertions and
 * tests, not for hot paths.
 */
static bool obj_valid_child(const lv_obj_t * parent, const lv_obj_t * obj_to_find)
{
    if(parent == obj_to_find) return true;
    uint32_t cnt = lv_obj_get_child_cnt(parent);
    for(uint32_t i = 0; i < cnt; i++) {
        if(obj_valid_child(parent->spec_attr->children[i], obj_to_find)) return true;
    }
    return false;
}

bool lv_obj_is_valid(const lv_obj_t * obj)
{
    lv_disp_t * disp = lv_disp_get_next(NULL);
    while(disp) {
        for(uint32_t d = 0; d < disp->screen_cnt; d++) {
            if(obj_valid_child(disp->screens[d], obj)) return true;
        }
        if(disp->top_layer && obj_valid_child(disp->top_layer, obj)) return true;
        if(disp->sys_layer && obj_valid_child(disp->sys_layer, obj)) return true;
        disp = lv_disp_get_next(disp);
    }
    return false;
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

/* New children start at the parent's content origin with zero size; the layout places them later. */
static void place_at_content_origin(lv_obj_t * obj, lv_obj_t * p)
{
    obj->coords.x1 = p->coords.x1 + lv_obj_get_style_pad_left(p, LV_PART_MAIN) - lv_obj_get_scroll_left(p);
    obj->coords.y1 = p->coords.y1 + lv_obj_get_style_pad_top(p, LV_PART_MAIN) - lv_obj_get_scroll_top(p);
    obj->coords.x2 = obj->coords.x1 - 1;
    obj->coords.y2 = obj->coords.y1 - 1;
}

static void obj_constructor(const lv_obj_class_t * class_p, lv_obj_t * obj)
{
    LV_UNUSED(class_p);

    lv_obj_flag_t flags = LV_OBJ_FLAG_CLICKABLE | LV_OBJ_FLAG_SNAPPABLE | LV_OBJ_FLAG_CLICK_FOCUSABLE |
                          LV_OBJ_FLAG_SCROLLABLE | LV_OBJ_FLAG_SCROLL_ELASTIC | LV_OBJ_FLAG_SCROLL_MOMENTUM |
                          LV_OBJ_FLAG_SCROLL_WITH_ARROW;

    lv_obj_t * parent = obj->parent;
    if(parent) {
        place_at_content_origin(obj, parent);
        /*Screens have nobody to pass presses, scrolls or gestures on to*/
        flags |= LV_OBJ_FLAG_PRESS_LOCK | LV_OBJ_FLAG_SCROLL_CHAIN | LV_OBJ_FLAG_GESTURE_BUBBLE;
    }
    obj->flags = flags;
}

static void free_spec_attr(lv_obj_t * obj)
{
    _lv_obj_spec_attr_t * attr = obj->spec_attr;
    if(attr == NULL) return;

    lv_mem_free(attr->children);
    lv_mem_free(attr->event_dsc);
    lv_mem_free(attr);
    obj->spec_attr = NULL;
}

static void obj_destructor(const lv_obj_class_t * class_p, lv_obj_t * obj)
{
    LV_UNUSED(class_p);

    /*Handlers still running on this object must see that it is gone*/
    _lv_event_mark_deleted(obj);

    /*Refreshing styles of a dying object would only cost time*/
    lv_obj_enable_style_refresh(false);
    lv_obj_remove_style_all(obj);
    lv_obj_enable_style_refresh(true);

    lv_anim_del(obj, NULL);

    if(lv_obj_get_group(obj)) lv_group_remove_obj(obj);

    free_spec_attr(obj);
}

/**
 * The area drawn for the main part: the coordinates grown by the transform
 * width/height (the theme's "grow" on pressed buttons).
 */
static void get_draw_area(lv_obj_t * obj, lv_area_t * coords)
{
    lv_coord_t w = lv_obj_get_style_transform_width(obj, LV_PART_MAIN);
    lv_coord_t h = lv_obj_get_style_transform_height(obj, LV_PART_MAIN);
    lv_area_copy(coords, &obj->coords);
    lv_area_increase(coords, w, h);
}

/* Whether the main part paints every pixel of `area` opaquely. */
static lv_cover_res_t cover_result(lv_obj_t * obj, const lv_area_t * area)
{
    /*Clipped corners are drawn through a mask, so the object cannot vouch for them*/
    if(lv_obj_get_style_clip_corner(obj, LV_PART_MAIN)) return LV_COVER_RES_MASKED;

    lv_area_t coords;
    get_draw_area(obj, &coords);
    lv_coord_t radius = lv_obj_get_style_radius(obj, LV_PART_MAIN);
    if(!_lv_area_is_in(area, &coords, radius)) return LV_COVER_RES_NOT_COVER;

    if(lv_obj_get_style_bg_opa(obj, LV_PART_MAIN) < LV_OPA_MAX) return LV_COVER_RES_NOT_COVER;

    /*A fading screen lets the one below show through*/
    if(lv_obj_get_style_opa_recursive(obj, LV_PART_MAIN) < LV_OPA_MAX) return LV_COVER_RES_NOT_COVER;

    return LV_COVER_RES_COVER;
}

static void cover_check(lv_obj_t * obj, lv_cover_check_info_t * info)
{
    /*A derived class already found a mask; that verdict stands*/
    if(info->res == LV_COVER_RES_MASKED) return;
    info->res = cover_result(obj, info->area);
}

/**
 * Draw the main rectangle (`border_only`: just the border, drawn after the
 * children when the style asks for border_post) with its draw-part events.
 */
static void draw_rect_part(lv_obj_t * obj, lv_draw_ctx_t * draw_ctx, bool border_only)
{
    lv_draw_rect_dsc_t draw_dsc;
    lv_draw_rect_dsc_init(&draw_dsc);
    if(border_only) {
        draw_dsc.bg_opa = LV_OPA_TRANSP;
        draw_dsc.bg_img_opa = LV_OPA_TRANSP;
        draw_dsc.outline_opa = LV_OPA_TRANSP;
        draw_dsc.shadow_opa = LV_OPA_TRANSP;
    }
    else if(lv_obj_get_style_border_post(obj, LV_PART_MAIN)) {
        /*The border comes in the post pass; skip reading its properties now*/
        draw_dsc.border_post = 1;
    }
    lv_obj_init_draw_rect_dsc(obj, LV_PART_MAIN, &draw_dsc);
    if(draw_dsc.border_post && !border_only) draw_dsc.border_opa = LV_OPA_TRANSP;

    lv_area_t coords;
    get_draw_area(obj, &coords);

    lv_obj_draw_part_dsc_t part_dsc;
    lv_obj_draw_dsc_init(&part_dsc, draw_ctx);
    part_dsc.class_p = MY_CLASS;
    part_dsc.type = border_only ? LV_OBJ_DRAW_PART_BORDER_POST : LV_OBJ_DRAW_PART_RECTANGLE;
    part_dsc.rect_dsc = &draw_dsc;
    part_dsc.draw_area = &coords;
    part_dsc.part = LV_PART_MAIN;
    lv_event_send(obj, LV_EVENT_DRAW_PART_BEGIN, &part_dsc);

    lv_draw_rect(draw_ctx, &draw_dsc, &coords);

    lv_event_send(obj, LV_EVENT_DRAW_PART_END, &part_dsc);
}

static void draw_event(lv_event_t * e)
{
    lv_event_code_t code = lv_event_get_code(e);
    lv_obj_t * obj = lv_event_get_target(e);
    if(code == LV_EVENT_COVER_CHECK) {
        cover_check(obj, lv_event_get_param(e));
    }
    else if(code == LV_EVENT_DRAW_MAIN) {
        draw_rect_part(obj, lv_event_get_draw_ctx(e), false);
    }
    else if(code == LV_EVENT_DRAW_POST) {
        lv_draw_ctx_t * draw_ctx = lv_event_get_draw_ctx(e);
        draw_scrollbars(obj, draw_ctx);
        if(lv_obj_get_style_border_post(obj, LV_PART_MAIN)) draw_rect_part(obj, draw_ctx, true);
    }
}

static void draw_one_scrollbar(lv_obj_t * obj, lv_draw_ctx_t * draw_ctx, lv_obj_draw_part_dsc_t * part_dsc,
                               lv_area_t * area)
{
    if(lv_area_get_size(area) <= 0) return;

    part_dsc->draw_area = area;
    lv_event_send(obj, LV_EVENT_DRAW_PART_BEGIN, part_dsc);
    lv_draw_rect(draw_ctx, part_dsc->rect_dsc, area);
    lv_event_send(obj, LV_EVENT_DRAW_PART_END, part_dsc);
}

static void draw_scrollbars(lv_obj_t * obj, lv_draw_ctx_t * draw_ctx)
{
    lv_area_t hor_area;
    lv_area_t ver_area;
    lv_obj_get_scrollbar_area(obj, &hor_area, &ver_area);
    if(lv_area_get_size(&hor_area) <= 0 && lv_area_get_size(&ver_area) <= 0) return;

    lv_draw_rect_dsc_t draw_dsc;
    if(_lv_obj_get_scrollbar_draw_dsc(obj, &draw_dsc) != LV_RES_OK) return;

    lv_obj_draw_part_dsc_t part_dsc;
    lv_obj_draw_dsc_init(&part_dsc, draw_ctx);
    part_dsc.class_p = MY_CLASS;
    part_dsc.type = LV_OBJ_DRAW_PART_SCROLLBAR;
    part_dsc.rect_dsc = &draw_dsc;
    part_dsc.part = LV_PART_SCROLLBAR;

    draw_one_scrollbar(obj, draw_ctx, &part_dsc, &hor_area);
    draw_one_scrollbar(obj, draw_ctx, &part_dsc, &ver_area);
}

/**
 * Fill the draw descriptor of the scrollbar part. Returns LV_RES_INV when
 * there is nothing visible to draw (fully transparent bar and border).
 */
lv_res_t _lv_obj_get_scrollbar_draw_dsc(lv_obj_t * obj, lv_draw_rect_dsc_t * dsc)
{
    lv_draw_rect_dsc_init(dsc);
    dsc->bg_opa = lv_obj_get_style_bg_opa(obj, LV_PART_SCROLLBAR);
    if(dsc->bg_opa > LV_OPA_MIN) {
        dsc->bg_color = lv_obj_get_style_bg_color(obj, LV_PART_SCROLLBAR);
    }

    dsc->border_opa = lv_obj_get_style_border_opa(obj, LV_PART_SCROLLBAR);
    if(dsc->border_opa > LV_OPA_MIN) {
        dsc->border_width = lv_obj_get_style_border_width(obj, LV_PART_SCROLLBAR);
        if(dsc->border_width > 0) dsc->border_color = lv_obj_get_style_border_color(obj, LV_PART_SCROLLBAR);
        else dsc->border_opa = LV_OPA_TRANSP;
    }

    lv_opa_t opa = lv_obj_get_style_opa(obj, LV_PART_SCROLLBAR);
    if(opa < LV_OPA_MAX) {
        dsc->bg_opa = (dsc->bg_opa * opa) >> 8;
        dsc->border_opa = (dsc->border_opa * opa) >> 8;
    }

    if(dsc->bg_opa == LV_OPA_TRANSP && dsc->border_opa == LV_OPA_TRANSP) return LV_RES_INV;

    dsc->radius = lv_obj_get_style_radius(obj, LV_PART_SCROLLBAR);
    return LV_RES_OK;
}

static void update_focus_state(lv_obj_t * obj, bool focused)
{
    if(!focused) {
        lv_obj_clear_state(obj, LV_STATE_FOCUSED | LV_STATE_FOCUS_KEY | LV_STATE_EDITED);
        return;
    }
    lv_indev_t * indev = lv_indev_get_act();
    lv_indev_type_t indev_type = indev ? lv_indev_get_type(indev) : LV_INDEV_TYPE_NONE;
    lv_state_t state = LV_STATE_FOCUSED;
    /*Only keyboard-like devices show the "focus key" ring; a click focuses silently*/
    if(indev_type == LV_INDEV_TYPE_KEYPAD || indev_type == LV_INDEV_TYPE_ENCODER) state |= LV_STATE_FOCUS_KEY;
    lv_group_t * group = lv_obj_get_group(obj);
    bool editing = group ? lv_group_get_editing(group) : false;
    if(editing) {
        state |= LV_STATE_EDITED;
        lv_obj_add_state(obj, state);
    }
    else {
        lv_obj_add_state(obj, state);
        lv_obj_clear_state(obj, LV_STATE_EDITED);
    }
}

/* Right/up checks, left/down unchecks. */
static void toggle_by_key(lv_obj_t * obj, uint32_t key)
{
    if(key == LV_KEY_RIGHT || key == LV_KEY_UP) {
        lv_obj_add_state(obj, LV_STATE_CHECKED);
    }
    else if(key == LV_KEY_LEFT || key == LV_KEY_DOWN) {
        lv_obj_clear_state(obj, LV_STATE_CHECKED);
    }
    /*Enter toggles on release (see obj_event), which sends its own VALUE_CHANGED*/
    if(key != LV_KEY_ENTER) lv_event_send(obj, LV_EVENT_VALUE_CHANGED, NULL);
}

/* Arrow keys scroll a quarter of the object per press, clamped by lv_obj_scroll_to_x/y. */
static void scroll_by_key(lv_obj_t * obj, uint32_t key)
{
    lv_coord_t step_y = lv_obj_get_height(obj) / 4;
    lv_coord_t step_x = lv_obj_get_width(obj) / 4;
    bool can_scroll_hor = (lv_obj_get_scroll_dir(obj) & LV_DIR_HOR) &&
                          (lv_obj_get_scroll_left(obj) > 0 || lv_obj_get_scroll_right(obj) > 0);

    /*Left/right fall back to vertical scrolling when there is nothing to scroll sideways*/
    int32_t dir = 0;
    if(key == LV_KEY_DOWN || key == LV_KEY_RIGHT) dir = 1;
    else if(key == LV_KEY_UP || key == LV_KEY_LEFT) dir = -1;
    else return;

    bool sideways = (key == LV_KEY_LEFT || key == LV_KEY_RIGHT) && can_scroll_hor;
    if(sideways) lv_obj_scroll_to_x(obj, lv_obj_get_scroll_x(obj) + dir * step_x, LV_ANIM_OFF);
    else lv_obj_scroll_to_y(obj, lv_obj_get_scroll_y(obj) + dir * step_y, LV_ANIM_OFF);
}

static void handle_key(lv_obj_t * obj, uint32_t key)
{
    if(lv_obj_has_flag(obj, LV_OBJ_FLAG_CHECKABLE)) {
        toggle_by_key(obj, key);
    }
    else if(lv_obj_has_flag(obj, LV_OBJ_FLAG_SCROLLABLE | LV_OBJ_FLAG_SCROLL_WITH_ARROW) && !lv_obj_is_editable(obj)) {
        scroll_by_key(obj, key);
    }
}

static void mark_children_layout_dirty(lv_obj_t * obj)
{
    uint32_t child_cnt = lv_obj_get_child_cnt(obj);
    for(uint32_t i = 0; i < child_cnt; i++) {
        lv_obj_mark_layout_as_dirty(obj->spec_attr->children[i]);
    }
}

/* A release that did not end a scroll toggles a checkable object. */
static void toggle_on_release(lv_obj_t * obj, lv_indev_t * indev)
{
    if(lv_indev_get_scroll_obj(indev) != NULL) return;
    if(!lv_obj_has_flag(obj, LV_OBJ_FLAG_CHECKABLE)) return;

    if(lv_obj_has_state(obj, LV_STATE_CHECKED)) lv_obj_clear_state(obj, LV_STATE_CHECKED);
    else lv_obj_add_state(obj, LV_STATE_CHECKED);
    lv_event_send(obj, LV_EVENT_VALUE_CHANGED, NULL);
}

static void on_size_changed(lv_obj_t * obj)
{
    /*Aligned objects and layouts depend on the own size; children on the parent's*/
    if(lv_obj_get_style_layout(obj, LV_PART_MAIN) || lv_obj_get_style_align(obj, LV_PART_MAIN)) {
        lv_obj_mark_layout_as_dirty(obj);
    }
    mark_children_layout_dirty(obj);
}

static void on_child_changed(lv_obj_t * obj)
{
    /*A child that moved, appeared or vanished matters to a layout, to
     *alignment and to a content-sized parent*/
    lv_coord_t w = lv_obj_get_style_width(obj, LV_PART_MAIN);
    lv_coord_t h = lv_obj_get_style_height(obj, LV_PART_MAIN);
    bool depends_on_children = lv_obj_get_style_layout(obj, LV_PART_MAIN) || lv_obj_get_style_align(obj, LV_PART_MAIN) ||
                               w == LV_SIZE_CONTENT || h == LV_SIZE_CONTENT;
    if(depends_on_children) lv_obj_mark_layout_as_dirty(obj);
}

static void on_scroll_end(lv_obj_t * obj)
{
    lv_obj_clear_state(obj, LV_STATE_SCROLLED);
    /*In ACTIVE mode the bars vanish now that scrolling stopped*/
    if(lv_obj_get_scrollbar_mode(obj) == LV_SCROLLBAR_MODE_ACTIVE) invalidate_scrollbars(obj);
}

static void obj_event(const lv_obj_class_t * class_p, lv_event_t * e)
{
    LV_UNUSED(class_p);

    lv_event_code_t code = lv_event_get_code(e);
    lv_obj_t * obj = lv_event_get_current_target(e);
    switch(code) {
        case LV_EVENT_PRESSED:
            lv_obj_add_state(obj, LV_STATE_PRESSED);
            break;
        case LV_EVENT_RELEASED:
            lv_obj_clear_state(obj, LV_STATE_PRESSED);
            toggle_on_release(obj, lv_event_get_param(e));
            break;
        case LV_EVENT_PRESS_LOST:
            lv_obj_clear_state(obj, LV_STATE_PRESSED);
            break;
        case LV_EVENT_STYLE_CHANGED:
            mark_children_layout_dirty(obj);
            break;
        case LV_EVENT_KEY:
            handle_key(obj, lv_event_get_key(e));
            break;
        case LV_EVENT_FOCUSED:
            if(lv_obj_has_flag(obj, LV_OBJ_FLAG_SCROLL_ON_FOCUS)) lv_obj_scroll_to_view_recursive(obj, LV_ANIM_ON);
            update_focus_state(obj, true);
            break;
        case LV_EVENT_DEFOCUSED:
            update_focus_state(obj, false);
            break;
        case LV_EVENT_SCROLL_BEGIN:
            lv_obj_add_state(obj, LV_STATE_SCROLLED);
            break;
        case LV_EVENT_SCROLL_END:
            on_scroll_end(obj);
            break;
        case LV_EVENT_SIZE_CHANGED:
            on_size_changed(obj);
            break;
        case LV_EVENT_CHILD_CHANGED:
            on_child_changed(obj);
            break;
        case LV_EVENT_REFR_EXT_DRAW_SIZE:
            lv_event_set_ext_draw_size(e, lv_obj_calculate_ext_draw_size(obj, LV_PART_MAIN));
            break;
        case LV_EVENT_DRAW_MAIN:
        case LV_EVENT_DRAW_POST:
        case LV_EVENT_COVER_CHECK:
            draw_event(e);
            break;
        default:
            break;
    }
}
