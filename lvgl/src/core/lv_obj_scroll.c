/**
 * @file lv_obj_scroll.c
 * Scroll position, scroll limits, scrollbars and scrolling into view.
 *
 * The scroll offset is kept as the movement applied to the children
 * (`spec_attr->scroll`, the negative of the scroll position); scrolling moves
 * every non-floating child by the difference.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_obj.h"
#include "lv_indev.h"
#include "lv_disp.h"
#include "../misc/lv_anim.h"

/*********************
 *      DEFINES
 *********************/
#define MY_CLASS &lv_obj_class
#define SCROLL_ANIM_TIME_MIN    200    /*ms*/
#define SCROLL_ANIM_TIME_MAX    400    /*ms*/
#define SCROLLBAR_MIN_SIZE      (LV_DPX(10))

/**********************
 *  STATIC PROTOTYPES
 **********************/
static void shift_content(lv_obj_t * obj, lv_coord_t x, lv_coord_t y);
static void anim_scroll_x(void * obj, int32_t v);
static void anim_scroll_y(void * obj, int32_t v);
static void scroll_anim_done(lv_anim_t * a);
static void scroll_parent_to_show(const lv_area_t * area, lv_obj_t * child, lv_point_t * scroll_value,
                                  lv_anim_enable_t anim_en);
static lv_coord_t children_far_edge(const lv_obj_t * obj, bool hor);
static lv_coord_t scroll_range(lv_obj_t * obj, bool hor);
static void get_ver_scrollbar_area(lv_obj_t * obj, lv_area_t * ver, lv_coord_t hor_req_space);
static void get_hor_scrollbar_area(lv_obj_t * obj, lv_area_t * hor, lv_coord_t ver_req_space);

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

/*=====================
 * Setter functions
 *====================*/

void lv_obj_set_scrollbar_mode(lv_obj_t * obj, lv_scrollbar_mode_t mode)
{
    lv_obj_allocate_spec_attr(obj);
    if(obj->spec_attr->scrollbar_mode == mode) return;
    obj->spec_attr->scrollbar_mode = mode;
    lv_obj_invalidate(obj);
}

void lv_obj_set_scroll_dir(lv_obj_t * obj, lv_dir_t dir)
{
    lv_obj_allocate_spec_attr(obj);
    obj->spec_attr->scroll_dir = dir;
}

void lv_obj_set_scroll_snap_x(lv_obj_t * obj, lv_scroll_snap_t align)
{
    lv_obj_allocate_spec_attr(obj);
    obj->spec_attr->scroll_snap_x = align;
}

void lv_obj_set_scroll_snap_y(lv_obj_t * obj, lv_scroll_snap_t align)
{
    lv_obj_allocate_spec_attr(obj);
    obj->spec_attr->scroll_snap_y = align;
}

/*=====================
 * Getter functions
 *====================*/

lv_scrollbar_mode_t lv_obj_get_scrollbar_mode(const lv_obj_t * obj)
{
    return obj->spec_attr ? obj->spec_attr->scrollbar_mode : LV_SCROLLBAR_MODE_AUTO;
}

lv_dir_t lv_obj_get_scroll_dir(const lv_obj_t * obj)
{
    return obj->spec_attr ? obj->spec_attr->scroll_dir : LV_DIR_ALL;
}

lv_scroll_snap_t lv_obj_get_scroll_snap_x(const lv_obj_t * obj)
{
    return obj->spec_attr ? obj->spec_attr->scroll_snap_x : LV_SCROLL_SNAP_NONE;
}

lv_scroll_snap_t lv_obj_get_scroll_snap_y(const lv_obj_t * obj)
{
    return obj->spec_attr ? obj->spec_attr->scroll_snap_y : LV_SCROLL_SNAP_NONE;
}

lv_coord_t lv_obj_get_scroll_x(const lv_obj_t * obj)
{
    if(obj->spec_attr == NULL) return 0;
    return -obj->spec_attr->scroll.x;
}

lv_coord_t lv_obj_get_scroll_y(const lv_obj_t * obj)
{
    if(obj->spec_attr == NULL) return 0;
    return -obj->spec_attr->scroll.y;
}

lv_coord_t lv_obj_get_scroll_top(lv_obj_t * obj)
{
    if(obj->spec_attr == NULL) return 0;
    return -obj->spec_attr->scroll.y;
}

/**
 * How far the content reaches below the content area: the lowest child edge
 * or the widget's own content (e.g. a long label), whichever is larger.
 */
lv_coord_t lv_obj_get_scroll_bottom(lv_obj_t * obj)
{
    lv_coord_t border_width = lv_obj_get_style_border_width(obj, LV_PART_MAIN);
    lv_coord_t pad_top = lv_obj_get_style_pad_top(obj, LV_PART_MAIN);
    lv_coord_t pad_bottom = lv_obj_get_style_pad_bottom(obj, LV_PART_MAIN);

    lv_coord_t child_res = children_far_edge(obj, false);
    if(child_res != LV_COORD_MIN) {
        child_res -= (obj->coords.y2 - pad_bottom - border_width);
    }

    lv_coord_t self_h = lv_obj_get_self_height(obj);
    self_h = self_h - (lv_area_get_height(&obj->coords) - pad_top - pad_bottom - 2 * border_width);
    self_h -= lv_obj_get_scroll_y(obj);
    return LV_MAX(child_res, self_h);
}

lv_coord_t lv_obj_get_scroll_left(lv_obj_t * obj)
{
    if(obj->spec_attr == NULL) return 0;
    return -obj->spec_attr->scroll.x;
}

lv_coord_t lv_obj_get_scroll_right(lv_obj_t * obj)
{
    lv_coord_t border_width = lv_obj_get_style_border_width(obj, LV_PART_MAIN);
    lv_coord_t pad_left = lv_obj_get_style_pad_left(obj, LV_PART_MAIN);
    lv_coord_t pad_right = lv_obj_get_style_pad_right(obj, LV_PART_MAIN);

    lv_coord_t child_res = children_far_edge(obj, true);
    if(child_res != LV_COORD_MIN) {
        child_res -= (obj->coords.x2 - pad_right - border_width);
    }

    lv_coord_t self_w = lv_obj_get_self_width(obj);
    self_w = self_w - (lv_area_get_width(&obj->coords) - pad_right - pad_left - 2 * border_width);
    self_w -= lv_obj_get_scroll_x(obj);
    return LV_MAX(child_res, self_w);
}

void lv_obj_get_scroll_end(struct _lv_obj_t  * obj, lv_point_t * end)
{
    lv_anim_t * a;
    a = lv_anim_get(obj, anim_scroll_x);
    end->x = a ? -a->end_value : lv_obj_get_scroll_x(obj);

    a = lv_anim_get(obj, anim_scroll_y);
    end->y = a ? -a->end_value : lv_obj_get_scroll_y(obj);
}

/*=====================
 * Other functions
 *====================*/

/* Clamp a scroll position into [0, range]. */
static lv_coord_t clamp_scroll(lv_coord_t pos, lv_coord_t range)
{
    if(pos < 0) return 0;
    return pos > range ? range : pos;
}

void lv_obj_scroll_by_bounded(lv_obj_t * obj, lv_coord_t dx, lv_coord_t dy, lv_anim_enable_t anim_en)
{
    if(dx == 0 && dy == 0) return;

    /*The limits depend on the final sizes*/
    lv_obj_update_layout(obj);

    /*dx/dy move the content, so they lower the scroll position*/
    lv_coord_t x = lv_obj_get_scroll_x(obj);
    lv_coord_t y = lv_obj_get_scroll_y(obj);
    lv_coord_t new_x = clamp_scroll(x - dx, scroll_range(obj, true));
    lv_coord_t new_y = clamp_scroll(y - dy, scroll_range(obj, false));

    dx = x - new_x;
    dy = y - new_y;
    if(dx || dy) lv_obj_scroll_by(obj, dx, dy, anim_en);
}

/*
 * Animate one axis of a scroll by `delta`. The length follows the distance
 * (half a screen side per second), within SCROLL_ANIM_TIME_MIN..MAX.
 * Returns false when a SCROLL_BEGIN handler deleted the object.
 */
static bool start_scroll_anim(lv_obj_t * obj, lv_anim_t * a, lv_coord_t delta, lv_coord_t screen_side,
                              lv_coord_t current, lv_anim_exec_xcb_t exec_cb)
{
    uint32_t t = lv_anim_speed_to_time((screen_side * 2) >> 2, 0, delta);
    t = LV_CLAMP(SCROLL_ANIM_TIME_MIN, t, SCROLL_ANIM_TIME_MAX);
    lv_anim_set_time(a, t);
    lv_anim_set_values(a, -current, -current + delta);
    lv_anim_set_exec_cb(a, exec_cb);
    lv_anim_set_path_cb(a, lv_anim_path_ease_out);

    /*The handler may adjust the animation before it starts*/
    if(lv_event_send(obj, LV_EVENT_SCROLL_BEGIN, a) != LV_RES_OK) return false;
    lv_anim_start(a);
    return true;
}

void lv_obj_scroll_by(lv_obj_t * obj, lv_coord_t dx, lv_coord_t dy, lv_anim_enable_t anim_en)
{
    if(dx == 0 && dy == 0) return;

    if(anim_en == LV_ANIM_ON) {
        lv_disp_t * d = lv_obj_get_disp(obj);
        lv_anim_t a;
        lv_anim_init(&a);
        lv_anim_set_var(&a, obj);
        lv_anim_set_ready_cb(&a, scroll_anim_done);

        if(dx && !start_scroll_anim(obj, &a, dx, lv_disp_get_hor_res(d), lv_obj_get_scroll_x(obj), anim_scroll_x)) return;
        if(dy) start_scroll_anim(obj, &a, dy, lv_disp_get_ver_res(d), lv_obj_get_scroll_y(obj), anim_scroll_y);
        return;
    }

    /*A jump cancels running scroll animations; their end is still reported*/
    bool y_del = lv_anim_del(obj, anim_scroll_y);
    bool x_del = lv_anim_del(obj, anim_scroll_x);
    shift_content(obj, dx, dy);
    if(y_del || x_del) lv_event_send(obj, LV_EVENT_SCROLL_END, NULL);
}

void lv_obj_scroll_to(lv_obj_t * obj, lv_coord_t x, lv_coord_t y, lv_anim_enable_t anim_en)
{
    lv_obj_scroll_to_x(obj, x, anim_en);
    lv_obj_scroll_to_y(obj, y, anim_en);
}

void lv_obj_scroll_to_x(lv_obj_t * obj, lv_coord_t x, lv_anim_enable_t anim_en)
{
    lv_anim_del(obj, anim_scroll_x);
    x = clamp_scroll(x, scroll_range(obj, true));
    lv_obj_scroll_by(obj, lv_obj_get_scroll_x(obj) - x, 0, anim_en);
}

void lv_obj_scroll_to_y(lv_obj_t * obj, lv_coord_t y, lv_anim_enable_t anim_en)
{
    lv_anim_del(obj, anim_scroll_y);
    y = clamp_scroll(y, scroll_range(obj, false));
    lv_obj_scroll_by(obj, 0, lv_obj_get_scroll_y(obj) - y, anim_en);
}

void lv_obj_scroll_to_view(lv_obj_t * obj, lv_anim_enable_t anim_en)
{
    lv_obj_update_layout(obj);

    lv_point_t pending = {0, 0};
    scroll_parent_to_show(&obj->coords, obj, &pending, anim_en);
}

/*
 * Every ancestor scrolls its part. With animations the coordinates do not
 * move yet, so the scrolls already started are carried along in `pending`.
 */
void lv_obj_scroll_to_view_recursive(lv_obj_t * obj, lv_anim_enable_t anim_en)
{
    lv_obj_update_layout(obj);

    lv_point_t pending = {0, 0};
    for(lv_obj_t * child = obj; lv_obj_get_parent(child); child = lv_obj_get_parent(child)) {
        scroll_parent_to_show(&obj->coords, child, &pending, anim_en);
    }
}

/* The input device dragging `obj` now, or NULL. */
static lv_indev_t * indev_scrolling(const lv_obj_t * obj)
{
    for(lv_indev_t * indev = lv_indev_get_next(NULL); indev; indev = lv_indev_get_next(indev)) {
        if(lv_indev_get_scroll_obj(indev) == obj) return indev;
    }
    return NULL;
}

bool lv_obj_is_scrolling(const lv_obj_t * obj)
{
    return indev_scrolling(obj) != NULL;
}

void lv_obj_update_snap(lv_obj_t * obj, lv_anim_enable_t anim_en)
{
    /*Snapping is not used by the panel; keep the content inside its limits*/
    lv_obj_readjust_scroll(obj, anim_en);
}

/* Whether one scrollbar shows in `mode`, given whether there is anything to scroll on its axis. */
static bool scrollbar_shown(lv_scrollbar_mode_t mode, bool can_scroll, lv_indev_t * dragging, lv_dir_t axis)
{
    switch(mode) {
        case LV_SCROLLBAR_MODE_ON:
            return true;
        case LV_SCROLLBAR_MODE_AUTO:
            return can_scroll;
        case LV_SCROLLBAR_MODE_ACTIVE:
            return lv_indev_get_scroll_dir(dragging) == axis;
        default:
            return false;
    }
}

/**
 * The scrollbar rectangles. Empty (x2 < x1) when the object is not
 * scrollable, the mode hides them, or there is nothing to scroll in AUTO mode.
 */
void lv_obj_get_scrollbar_area(lv_obj_t * obj, lv_area_t * hor_area, lv_area_t * ver_area)
{
    lv_area_set(hor_area, 0, 0, -1, -1);
    lv_area_set(ver_area, 0, 0, -1, -1);

    if(lv_obj_has_flag(obj, LV_OBJ_FLAG_SCROLLABLE) == false) return;

    lv_scrollbar_mode_t mode = lv_obj_get_scrollbar_mode(obj);
    if(mode == LV_SCROLLBAR_MODE_OFF) return;

    /*ACTIVE shows the bars only while a device drags this object*/
    lv_indev_t * dragging = NULL;
    if(mode == LV_SCROLLBAR_MODE_ACTIVE) {
        dragging = indev_scrolling(obj);
        if(dragging == NULL) return;
    }

    bool can_scroll_ver = lv_obj_get_scroll_top(obj) > 0 || lv_obj_get_scroll_bottom(obj) > 0;
    bool can_scroll_hor = lv_obj_get_scroll_left(obj) > 0 || lv_obj_get_scroll_right(obj) > 0;

    lv_dir_t dir = lv_obj_get_scroll_dir(obj);
    bool ver_draw = (dir & LV_DIR_VER) && scrollbar_shown(mode, can_scroll_ver, dragging, LV_DIR_VER);
    bool hor_draw = (dir & LV_DIR_HOR) && scrollbar_shown(mode, can_scroll_hor, dragging, LV_DIR_HOR);
    if(!hor_draw && !ver_draw) return;

    /*Invisible bars take no room and need no redraw*/
    if(lv_obj_get_style_bg_opa(obj, LV_PART_SCROLLBAR) < LV_OPA_MIN &&
       lv_obj_get_style_border_opa(obj, LV_PART_SCROLLBAR) < LV_OPA_MIN) {
        return;
    }

    /*Where both show, each leaves the corner to the other*/
    lv_coord_t thickness = lv_obj_get_style_width(obj, LV_PART_SCROLLBAR);
    if(ver_draw) get_ver_scrollbar_area(obj, ver_area, hor_draw ? thickness : 0);
    if(hor_draw) get_hor_scrollbar_area(obj, hor_area, ver_draw ? thickness : 0);
}

void lv_obj_scrollbar_invalidate(lv_obj_t * obj)
{
    lv_area_t hor_area;
    lv_area_t ver_area;
    lv_obj_get_scrollbar_area(obj, &hor_area, &ver_area);

    if(lv_area_get_size(&hor_area) > 0) lv_obj_invalidate_area(obj, &hor_area);
    if(lv_area_get_size(&ver_area) > 0) lv_obj_invalidate_area(obj, &ver_area);
}

/*
 * After the content shrank, a scroll position past the new end would leave
 * an empty strip at the bottom (right); pull the content back, as far as
 * there is scroll to take back.
 */
void lv_obj_readjust_scroll(lv_obj_t * obj, lv_anim_enable_t anim_en)
{
    lv_coord_t st = lv_obj_get_scroll_top(obj);
    lv_coord_t sb = lv_obj_get_scroll_bottom(obj);
    if(sb < 0 && st > 0) lv_obj_scroll_by(obj, 0, LV_MIN(st, -sb), anim_en);

    lv_coord_t sl = lv_obj_get_scroll_left(obj);
    lv_coord_t sr = lv_obj_get_scroll_right(obj);
    if(sr < 0 && sl > 0) lv_obj_scroll_by(obj, LV_MIN(sl, -sr), 0, anim_en);
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

/* Move the (non-floating) children by x, y and record it as scroll. */
static void shift_content(lv_obj_t * obj, lv_coord_t x, lv_coord_t y)
{
    if(x == 0 && y == 0) return;

    lv_obj_allocate_spec_attr(obj);
    obj->spec_attr->scroll.x += x;
    obj->spec_attr->scroll.y += y;

    lv_obj_move_children_by(obj, x, y, true);
    if(lv_event_send(obj, LV_EVENT_SCROLL, NULL) != LV_RES_OK) return;
    lv_obj_invalidate(obj);
}

/* Animation values are the children offset (negative scroll position). */
static void anim_scroll_x(void * obj, int32_t v)
{
    shift_content(obj, v + lv_obj_get_scroll_x(obj), 0);
}

static void anim_scroll_y(void * obj, int32_t v)
{
    shift_content(obj, 0, v + lv_obj_get_scroll_y(obj));
}

static void scroll_anim_done(lv_anim_t * a)
{
    lv_event_send(a->var, LV_EVENT_SCROLL_END, NULL);
}

/* The right (`hor`) or bottom edge of the visible, non-floating children; LV_COORD_MIN without any. */
static lv_coord_t children_far_edge(const lv_obj_t * obj, bool hor)
{
    lv_coord_t edge = LV_COORD_MIN;
    uint32_t child_cnt = lv_obj_get_child_cnt(obj);
    for(uint32_t i = 0; i < child_cnt; i++) {
        lv_obj_t * child = obj->spec_attr->children[i];
        if(lv_obj_has_flag_any(child, LV_OBJ_FLAG_HIDDEN | LV_OBJ_FLAG_FLOATING)) continue;
        edge = LV_MAX(edge, hor ? child->coords.x2 : child->coords.y2);
    }
    return edge;
}

/* How far the content can scroll along an axis in total (never negative). */
static lv_coord_t scroll_range(lv_obj_t * obj, bool hor)
{
    lv_coord_t range = hor ? lv_obj_get_scroll_left(obj) + lv_obj_get_scroll_right(obj) :
                       lv_obj_get_scroll_top(obj) + lv_obj_get_scroll_bottom(obj);
    return range < 0 ? 0 : range;
}

/* The vertical bar along the right edge; `hor_req_space` is left free at the bottom for the other bar. */
static void get_ver_scrollbar_area(lv_obj_t * obj, lv_area_t * ver, lv_coord_t hor_req_space)
{
    lv_coord_t top_space = lv_obj_get_style_pad_top(obj, LV_PART_SCROLLBAR);
    lv_coord_t bottom_space = lv_obj_get_style_pad_bottom(obj, LV_PART_SCROLLBAR);
    lv_coord_t right_space = lv_obj_get_style_pad_right(obj, LV_PART_SCROLLBAR);
    lv_coord_t thickness = lv_obj_get_style_width(obj, LV_PART_SCROLLBAR);
    lv_coord_t obj_h = lv_area_get_height(&obj->coords);
    lv_coord_t st = lv_obj_get_scroll_top(obj);
    lv_coord_t sb = lv_obj_get_scroll_bottom(obj);
    lv_coord_t content_h = obj_h + st + sb;
    if(content_h <= 0) return;

    ver->y1 = obj->coords.y1;
    ver->y2 = obj->coords.y2;
    ver->x2 = obj->coords.x2 - right_space;
    ver->x1 = ver->x2 - thickness + 1;

    /*The bar is to the track what the visible part is to the whole content*/
    lv_coord_t track = obj_h - top_space - bottom_space - hor_req_space;
    lv_coord_t bar_h = (lv_coord_t)(((int32_t)track * obj_h) / content_h);
    bar_h = LV_MAX(bar_h, SCROLLBAR_MIN_SIZE);
    lv_coord_t free_track = track - bar_h;
    lv_coord_t scrollable = content_h - obj_h;
    if(scrollable <= 0) {
        ver->y1 = obj->coords.y1 + top_space;
        ver->y2 = obj->coords.y2 - bottom_space - hor_req_space - 1;
        return;
    }
    /*Measured from the end: what is left below maps to track left below the bar*/
    lv_coord_t sb_y = free_track - (lv_coord_t)(((int32_t)free_track * sb) / scrollable);

    ver->y1 += sb_y + top_space;
    ver->y2 = ver->y1 + bar_h - 1;

    /*Keep the bar on the track even when the content is scrolled past its ends*/
    if(ver->y1 < obj->coords.y1 + top_space) {
        ver->y1 = obj->coords.y1 + top_space;
        if(ver->y1 + SCROLLBAR_MIN_SIZE > ver->y2) ver->y2 = ver->y1 + SCROLLBAR_MIN_SIZE;
    }
    if(ver->y2 > obj->coords.y2 - hor_req_space - bottom_space) {
        ver->y2 = obj->coords.y2 - hor_req_space - bottom_space;
        if(ver->y2 - SCROLLBAR_MIN_SIZE < ver->y1) ver->y1 = ver->y2 - SCROLLBAR_MIN_SIZE;
    }
}

/* The horizontal bar along the bottom edge; the mirror image of get_ver_scrollbar_area. */
static void get_hor_scrollbar_area(lv_obj_t * obj, lv_area_t * hor, lv_coord_t ver_req_space)
{
    lv_coord_t left_space = lv_obj_get_style_pad_left(obj, LV_PART_SCROLLBAR);
    lv_coord_t right_space = lv_obj_get_style_pad_right(obj, LV_PART_SCROLLBAR);
    lv_coord_t bottom_space = lv_obj_get_style_pad_bottom(obj, LV_PART_SCROLLBAR);
    lv_coord_t thickness = lv_obj_get_style_width(obj, LV_PART_SCROLLBAR);
    lv_coord_t obj_w = lv_area_get_width(&obj->coords);
    lv_coord_t sl = lv_obj_get_scroll_left(obj);
    lv_coord_t sr = lv_obj_get_scroll_right(obj);
    lv_coord_t content_w = obj_w + sl + sr;
    if(content_w <= 0) return;

    hor->y2 = obj->coords.y2 - bottom_space;
    hor->y1 = hor->y2 - thickness + 1;
    hor->x1 = obj->coords.x1;
    hor->x2 = obj->coords.x2;

    lv_coord_t track = obj_w - left_space - right_space - ver_req_space;
    lv_coord_t bar_w = (lv_coord_t)(((int32_t)track * obj_w) / content_w);
    bar_w = LV_MAX(bar_w, SCROLLBAR_MIN_SIZE);
    lv_coord_t free_track = track - bar_w;
    lv_coord_t scrollable = content_w - obj_w;
    if(scrollable <= 0) {
        hor->x1 = obj->coords.x1 + left_space;
        hor->x2 = obj->coords.x2 - right_space - ver_req_space - 1;
        return;
    }
    lv_coord_t sb_x = free_track - (lv_coord_t)(((int32_t)free_track * sr) / scrollable);

    hor->x1 += sb_x + left_space;
    hor->x2 = hor->x1 + bar_w - 1;
    if(hor->x1 < obj->coords.x1 + left_space) {
        hor->x1 = obj->coords.x1 + left_space;
        if(hor->x1 + SCROLLBAR_MIN_SIZE > hor->x2) hor->x2 = hor->x1 + SCROLLBAR_MIN_SIZE;
    }
    if(hor->x2 > obj->coords.x2 - ver_req_space - right_space) {
        hor->x2 = obj->coords.x2 - ver_req_space - right_space;
        if(hor->x2 - SCROLLBAR_MIN_SIZE < hor->x1) hor->x1 = hor->x2 - SCROLLBAR_MIN_SIZE;
    }
}

/*
 * The scroll along one axis that brings a span into view: `before` and
 * `after` say how far it sticks out at the start and at the end (negative:
 * inside). The start wins when both stick out. `room_before`/`room_after`
 * are how far the parent can still scroll; a scroll that would need more is
 * not made at all.
 */
static lv_coord_t scroll_to_reveal(lv_coord_t before, lv_coord_t after, lv_coord_t room_before, lv_coord_t room_after)
{
    if(before >= 0 && after >= 0) return 0;
    if(before > 0) return room_before - before < 0 ? 0 : before;
    if(after > 0) return room_after - after < 0 ? 0 : -after;
    return 0;
}

/**
 * Scroll the parent of `child` by the least amount that brings `area` into
 * its content area, never scrolling past the content's ends. `pending` holds
 * scrolls already started further down that have not moved anything yet.
 */
static void scroll_parent_to_show(const lv_area_t * area, lv_obj_t * child, lv_point_t * pending,
                                  lv_anim_enable_t anim_en)
{
    lv_obj_t * parent = lv_obj_get_parent(child);
    if(!lv_obj_has_flag(parent, LV_OBJ_FLAG_SCROLLABLE)) return;

    lv_coord_t border_width = lv_obj_get_style_border_width(parent, LV_PART_MAIN);
    lv_coord_t content_top = parent->coords.y1 + lv_obj_get_style_pad_top(parent, LV_PART_MAIN) + border_width;
    lv_coord_t content_bottom = parent->coords.y2 - lv_obj_get_style_pad_bottom(parent, LV_PART_MAIN) - border_width;
    lv_coord_t content_left = parent->coords.x1 + lv_obj_get_style_pad_left(parent, LV_PART_MAIN) + border_width;
    lv_coord_t content_right = parent->coords.x2 - lv_obj_get_style_pad_right(parent, LV_PART_MAIN) - border_width;

    lv_coord_t y_scroll = scroll_to_reveal(content_top - area->y1 - pending->y,
                                           area->y2 + pending->y - content_bottom,
                                           lv_obj_get_scroll_top(parent), lv_obj_get_scroll_bottom(parent));
    lv_coord_t x_scroll = scroll_to_reveal(content_left - area->x1 - pending->x,
                                           area->x2 + pending->x - content_right,
                                           lv_obj_get_scroll_left(parent), lv_obj_get_scroll_right(parent));

    lv_dir_t scroll_dir = lv_obj_get_scroll_dir(parent);
    if((scroll_dir & LV_DIR_HOR) == 0) x_scroll = 0;
    if((scroll_dir & LV_DIR_VER) == 0) y_scroll = 0;

    if(anim_en != LV_ANIM_OFF) {
        pending->x += x_scroll;
        pending->y += y_scroll;
    }
    lv_obj_scroll_by(parent, x_scroll, y_scroll, anim_en);
}
