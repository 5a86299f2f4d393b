/**
 * @file lv_obj_scroll.c
 * Scroll positions, their limits, scrollbars, snapping and scrolling
 * objects into view.
 *
 * The scroll offset is stored as the shift applied to the children
 * (`spec_attr->scroll`, so the negative of the scroll position): scrolling
 * moves every non-floating child by the difference. The animations use the
 * same sign, which is what a SCROLL_BEGIN handler sees in the animation.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_obj.h"
#include "lv_obj_private.h"
#include "lv_indev.h"
#include "lv_disp.h"
#include "../misc/lv_anim.h"

/*********************
 *      DEFINES
 *********************/
/*An animated scroll lasts this long at least and at most, however far it goes*/
#define SCROLL_ANIM_MS_MIN 200
#define SCROLL_ANIM_MS_MAX 400
/*A scrollbar never gets shorter than this, however long the content*/
#define SCROLLBAR_LEN_MIN (LV_DPX(10))

/**********************
 *  STATIC PROTOTYPES
 **********************/
static void shift_content(lv_obj_t * obj, lv_coord_t dx, lv_coord_t dy);
static _lv_obj_spec_attr_t * settings_of(lv_obj_t * obj);
static void anim_step_x(void * obj, int32_t v);
static void anim_step_y(void * obj, int32_t v);
static void anim_done(lv_anim_t * a);
static lv_coord_t scroll_span(lv_obj_t * obj, _lv_axis_t axis);
static lv_coord_t snap_shift(lv_obj_t * obj, _lv_axis_t axis);
static void bar_area(lv_obj_t * obj, _lv_axis_t axis, lv_coord_t corner, lv_area_t * bar);
static void reveal_in_parent(const lv_area_t * area, lv_obj_t * child, lv_point_t * pending, lv_anim_enable_t anim_en);

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

/* The scroll settings live in the special attributes, made on first write. */
static _lv_obj_spec_attr_t * settings_of(lv_obj_t * obj)
{
    lv_obj_allocate_spec_attr(obj);
    return obj->spec_attr;
}

void lv_obj_set_scrollbar_mode(lv_obj_t * obj, lv_scrollbar_mode_t mode)
{
    _lv_obj_spec_attr_t * settings = settings_of(obj);
    if(settings == NULL || settings->scrollbar_mode == mode) return;
    settings->scrollbar_mode = mode;
    lv_obj_invalidate(obj);
}

void lv_obj_set_scroll_dir(lv_obj_t * obj, lv_dir_t dir)
{
    _lv_obj_spec_attr_t * settings = settings_of(obj);
    if(settings != NULL) settings->scroll_dir = dir;
}

void lv_obj_set_scroll_snap_x(lv_obj_t * obj, lv_scroll_snap_t align)
{
    _lv_obj_spec_attr_t * settings = settings_of(obj);
    if(settings != NULL) settings->scroll_snap_x = align;
}

void lv_obj_set_scroll_snap_y(lv_obj_t * obj, lv_scroll_snap_t align)
{
    _lv_obj_spec_attr_t * settings = settings_of(obj);
    if(settings != NULL) settings->scroll_snap_y = align;
}

lv_scrollbar_mode_t lv_obj_get_scrollbar_mode(const lv_obj_t * obj)
{
    if(obj->spec_attr == NULL) return LV_SCROLLBAR_MODE_AUTO;
    return obj->spec_attr->scrollbar_mode;
}

lv_dir_t lv_obj_get_scroll_dir(const lv_obj_t * obj)
{
    if(obj->spec_attr == NULL) return LV_DIR_ALL;
    return obj->spec_attr->scroll_dir;
}

lv_scroll_snap_t lv_obj_get_scroll_snap_x(const lv_obj_t * obj)
{
    if(obj->spec_attr == NULL) return LV_SCROLL_SNAP_NONE;
    return obj->spec_attr->scroll_snap_x;
}

lv_scroll_snap_t lv_obj_get_scroll_snap_y(const lv_obj_t * obj)
{
    if(obj->spec_attr == NULL) return LV_SCROLL_SNAP_NONE;
    return obj->spec_attr->scroll_snap_y;
}

lv_coord_t lv_obj_get_scroll_x(const lv_obj_t * obj)
{
    return obj->spec_attr != NULL ? -obj->spec_attr->scroll.x : 0;
}

lv_coord_t lv_obj_get_scroll_y(const lv_obj_t * obj)
{
    return obj->spec_attr != NULL ? -obj->spec_attr->scroll.y : 0;
}

lv_coord_t lv_obj_get_scroll_top(lv_obj_t * obj)
{
    return _lv_obj_scroll_room(obj, _LV_AXIS_Y, false);
}

/* The room towards the end depends on sizes: these two read the settled layout. */
lv_coord_t lv_obj_get_scroll_bottom(lv_obj_t * obj)
{
    lv_obj_update_layout(obj);
    return _lv_obj_scroll_room(obj, _LV_AXIS_Y, true);
}

lv_coord_t lv_obj_get_scroll_left(lv_obj_t * obj)
{
    return _lv_obj_scroll_room(obj, _LV_AXIS_X, false);
}

lv_coord_t lv_obj_get_scroll_right(lv_obj_t * obj)
{
    lv_obj_update_layout(obj);
    return _lv_obj_scroll_room(obj, _LV_AXIS_X, true);
}

/*
 * Towards the start the room is the scroll position. Towards the end it is
 * how far the content reaches past the far edge of the content area: the
 * farthest visible, non-floating child, or the widget's own content (a long
 * label) less what is already scrolled, whichever is more. Negative when
 * the content ends before the edge.
 */
lv_coord_t _lv_obj_scroll_room(lv_obj_t * obj, _lv_axis_t axis, bool to_end)
{
    lv_coord_t pos = axis == _LV_AXIS_X ? lv_obj_get_scroll_x(obj) : lv_obj_get_scroll_y(obj);
    if(!to_end) return pos;

    _lv_obj_insets_t in;
    _lv_obj_get_insets(obj, &in);
    lv_coord_t inner_end = _lv_area_hi(&obj->coords, axis) - _lv_insets_trail(&in, axis);

    lv_coord_t by_children = LV_COORD_MIN;
    uint32_t cnt = lv_obj_get_child_cnt(obj);
    for(uint32_t i = 0; i < cnt; i++) {
        const lv_obj_t * child = _lv_obj_child_at(obj, i);
        if(!_lv_obj_is_content(child)) continue;
        by_children = LV_MAX(by_children, _lv_area_hi(&child->coords, axis) - inner_end);
    }

    lv_coord_t inner_len = _lv_area_len(&obj->coords, axis) - _lv_insets_lead(&in, axis) - _lv_insets_trail(&in, axis);
    lv_coord_t own = axis == _LV_AXIS_X ? lv_obj_get_self_width(obj) : lv_obj_get_self_height(obj);
    lv_coord_t by_self = own - inner_len - pos;
    return LV_MAX(by_children, by_self);
}

/* Where the scroll will end: a running animation's target, else the current position. */
void lv_obj_get_scroll_end(struct _lv_obj_t  * obj, lv_point_t * end)
{
    lv_anim_t * ax = lv_anim_get(obj, anim_step_x);
    lv_anim_t * ay = lv_anim_get(obj, anim_step_y);
    end->x = ax != NULL ? -ax->end_value : lv_obj_get_scroll_x(obj);
    end->y = ay != NULL ? -ay->end_value : lv_obj_get_scroll_y(obj);
}

/* Like lv_obj_scroll_by, but never past the start or the end of the content. */
void lv_obj_scroll_by_bounded(lv_obj_t * obj, lv_coord_t dx, lv_coord_t dy, lv_anim_enable_t anim_en)
{
    /*The limits come from the final sizes*/
    if(dx != 0 || dy != 0) lv_obj_update_layout(obj);

    /*A positive delta moves the content forward, i.e. lowers the scroll position*/
    lv_coord_t delta[2] = {dx, dy};
    for(int axis = _LV_AXIS_X; axis <= _LV_AXIS_Y; axis++) {
        lv_coord_t pos = _lv_obj_scroll_room(obj, axis, false);
        lv_coord_t target = LV_CLAMP(0, pos - delta[axis], scroll_span(obj, axis));
        delta[axis] = pos - target;
    }
    if(delta[0] != 0 || delta[1] != 0) lv_obj_scroll_by(obj, delta[0], delta[1], anim_en);
}

/*
 * Start the animation of one axis. It runs at half a screen side per second
 * within the time limits. The SCROLL_BEGIN handler may still change it;
 * false when that handler deleted the object.
 */
static bool animate_axis(lv_obj_t * obj, _lv_axis_t axis, lv_coord_t delta)
{
    lv_disp_t * disp = lv_obj_get_disp(obj);
    lv_coord_t side = axis == _LV_AXIS_X ? lv_disp_get_hor_res(disp) : lv_disp_get_ver_res(disp);
    uint32_t ms = lv_anim_speed_to_time(side / 2, 0, delta);
    lv_coord_t offset = obj->spec_attr != NULL ? (axis == _LV_AXIS_X ? obj->spec_attr->scroll.x : obj->spec_attr->scroll.y) : 0;

    lv_anim_t glide;
    lv_anim_init(&glide);
    lv_anim_set_var(&glide, obj);
    lv_anim_set_exec_cb(&glide, axis == _LV_AXIS_X ? anim_step_x : anim_step_y);
    lv_anim_set_values(&glide, offset, offset + delta);
    lv_anim_set_time(&glide, LV_CLAMP(SCROLL_ANIM_MS_MIN, ms, SCROLL_ANIM_MS_MAX));
    lv_anim_set_path_cb(&glide, lv_anim_path_ease_out);
    lv_anim_set_ready_cb(&glide, anim_done);

    if(lv_event_send(obj, LV_EVENT_SCROLL_BEGIN, &glide) != LV_RES_OK) return false;
    lv_anim_start(&glide);
    return true;
}

void lv_obj_scroll_by(lv_obj_t * obj, lv_coord_t dx, lv_coord_t dy, lv_anim_enable_t anim_en)
{
    if(anim_en != LV_ANIM_OFF) {
        /*The x animation's SCROLL_BEGIN may have deleted the object*/
        bool alive = dx == 0 || animate_axis(obj, _LV_AXIS_X, dx);
        if(alive && dy != 0) animate_axis(obj, _LV_AXIS_Y, dy);
        return;
    }
    if(dx == 0 && dy == 0) return;

    /*A jump ends any running scroll animation, and that end is reported*/
    bool cut_x = lv_anim_del(obj, anim_step_x);
    bool cut_y = lv_anim_del(obj, anim_step_y);
    shift_content(obj, dx, dy);
    if(cut_x || cut_y) lv_event_send(obj, LV_EVENT_SCROLL_END, NULL);
}

void lv_obj_scroll_to(lv_obj_t * obj, lv_coord_t x, lv_coord_t y, lv_anim_enable_t anim_en)
{
    lv_obj_scroll_to_x(obj, x, anim_en);
    lv_obj_scroll_to_y(obj, y, anim_en);
}

/* The limits come from the settled layout, so a scroll right after creating the content works. */
void lv_obj_scroll_to_x(lv_obj_t * obj, lv_coord_t x, lv_anim_enable_t anim_en)
{
    lv_obj_update_layout(obj);
    lv_anim_del(obj, anim_step_x);
    lv_coord_t target = LV_CLAMP(0, x, scroll_span(obj, _LV_AXIS_X));
    lv_obj_scroll_by(obj, lv_obj_get_scroll_x(obj) - target, 0, anim_en);
}

void lv_obj_scroll_to_y(lv_obj_t * obj, lv_coord_t y, lv_anim_enable_t anim_en)
{
    lv_obj_update_layout(obj);
    lv_anim_del(obj, anim_step_y);
    lv_coord_t target = LV_CLAMP(0, y, scroll_span(obj, _LV_AXIS_Y));
    lv_obj_scroll_by(obj, 0, lv_obj_get_scroll_y(obj) - target, anim_en);
}

void lv_obj_scroll_to_view(lv_obj_t * obj, lv_anim_enable_t anim_en)
{
    if(obj->parent == NULL) return;
    lv_obj_update_layout(obj);
    lv_point_t pending = {0, 0};
    reveal_in_parent(&obj->coords, obj, &pending, anim_en);
}

/*
 * Every ancestor scrolls its share. An animated scroll has not moved
 * anything yet, so what the lower levels are about to scroll is carried up
 * in `pending`.
 */
void lv_obj_scroll_to_view_recursive(lv_obj_t * obj, lv_anim_enable_t anim_en)
{
    /*Without animation each scroll moves the object at once: read its coordinates live*/
    lv_obj_update_layout(obj);
    lv_point_t pending = {0, 0};
    for(lv_obj_t * level = obj; level->parent != NULL; level = level->parent) {
        reveal_in_parent(&obj->coords, level, &pending, anim_en);
    }
}

/* The input device dragging `obj` right now, or NULL. */
static lv_indev_t * dragger_of(const lv_obj_t * obj)
{
    lv_indev_t * indev = lv_indev_get_next(NULL);
    while(indev != NULL && lv_indev_get_scroll_obj(indev) != obj) indev = lv_indev_get_next(indev);
    return indev;
}

/* Scrolling: dragged by an input device right now, or running a scroll animation. */
bool lv_obj_is_scrolling(const lv_obj_t * obj)
{
    if(dragger_of(obj) != NULL) return true;
    return lv_anim_get((void *)obj, anim_step_x) != NULL || lv_anim_get((void *)obj, anim_step_y) != NULL;
}

/* Bring the snappable child nearest to the snap point onto it, on each axis that snaps. */
void lv_obj_update_snap(lv_obj_t * obj, lv_anim_enable_t anim_en)
{
    /*The snap points come from the final positions*/
    lv_obj_update_layout(obj);
    lv_obj_scroll_by(obj, snap_shift(obj, _LV_AXIS_X), snap_shift(obj, _LV_AXIS_Y), anim_en);
}

/*
 * The scrollbar rectangles; empty (x2 < x1) when a bar does not show: the
 * object does not scroll, the mode or the scroll direction hides it, there
 * is nothing to scroll (AUTO), nobody drags it (ACTIVE), or the scrollbar
 * part is fully transparent. The layout is taken as it is: this runs while
 * drawing and on every flag change, where settling it would cost too much.
 */
void lv_obj_get_scrollbar_area(lv_obj_t * obj, lv_area_t * hor_area, lv_area_t * ver_area)
{
    static const lv_area_t none = {0, 0, -1, -1};
    *hor_area = none;
    *ver_area = none;
    if(!lv_obj_has_flag(obj, LV_OBJ_FLAG_SCROLLABLE)) return;

    lv_scrollbar_mode_t mode = lv_obj_get_scrollbar_mode(obj);
    lv_dir_t allowed = lv_obj_get_scroll_dir(obj);
    lv_indev_t * dragger = dragger_of(obj);

    bool shows[2];
    const lv_dir_t axis_dir[2] = {LV_DIR_HOR, LV_DIR_VER};
    for(int axis = _LV_AXIS_X; axis <= _LV_AXIS_Y; axis++) {
        bool has_room = _lv_obj_scroll_room(obj, axis, false) > 0 || _lv_obj_scroll_room(obj, axis, true) > 0;
        bool by_mode = mode == LV_SCROLLBAR_MODE_ON || (mode == LV_SCROLLBAR_MODE_AUTO && has_room) ||
                       (mode == LV_SCROLLBAR_MODE_ACTIVE && dragger != NULL &&
                        lv_indev_get_scroll_dir(dragger) == axis_dir[axis]);
        shows[axis] = by_mode && (allowed & axis_dir[axis]) != 0;
    }
    if(!shows[_LV_AXIS_X] && !shows[_LV_AXIS_Y]) return;

    /*Invisible bars take no room and need no redraw*/
    bool transparent = lv_obj_get_style_bg_opa(obj, LV_PART_SCROLLBAR) < LV_OPA_MIN &&
                       lv_obj_get_style_border_opa(obj, LV_PART_SCROLLBAR) < LV_OPA_MIN;
    if(transparent) return;

    /*Where both show, each leaves the corner to the other*/
    lv_coord_t thickness = lv_obj_get_style_width(obj, LV_PART_SCROLLBAR);
    if(shows[_LV_AXIS_X]) bar_area(obj, _LV_AXIS_X, shows[_LV_AXIS_Y] ? thickness : 0, hor_area);
    if(shows[_LV_AXIS_Y]) bar_area(obj, _LV_AXIS_Y, shows[_LV_AXIS_X] ? thickness : 0, ver_area);
}

void lv_obj_scrollbar_invalidate(lv_obj_t * obj)
{
    lv_area_t bars[2];
    lv_obj_get_scrollbar_area(obj, &bars[0], &bars[1]);
    for(int i = 0; i < 2; i++) {
        if(lv_area_get_size(&bars[i]) > 0) lv_obj_invalidate_area(obj, &bars[i]);
    }
}

/*
 * After the content shrank, a scroll position past its new end would leave
 * an empty strip; pull the content back as far as there is scroll to take
 * back. Snapping axes are left alone: there the content may rest past its
 * end to line a child up.
 */
void lv_obj_readjust_scroll(lv_obj_t * obj, lv_anim_enable_t anim_en)
{
    lv_scroll_snap_t snaps[2] = {lv_obj_get_scroll_snap_x(obj), lv_obj_get_scroll_snap_y(obj)};
    lv_coord_t back[2] = {0, 0};
    for(int axis = _LV_AXIS_X; axis <= _LV_AXIS_Y; axis++) {
        if(snaps[axis] != LV_SCROLL_SNAP_NONE) continue;
        lv_coord_t past_end = -_lv_obj_scroll_room(obj, axis, true);
        lv_coord_t pos = _lv_obj_scroll_room(obj, axis, false);
        if(past_end > 0 && pos > 0) back[axis] = LV_MIN(pos, past_end);
    }
    if(back[_LV_AXIS_Y] != 0) lv_obj_scroll_by(obj, 0, back[_LV_AXIS_Y], anim_en);
    if(back[_LV_AXIS_X] != 0) lv_obj_scroll_by(obj, back[_LV_AXIS_X], 0, anim_en);
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

/* Move the content (the non-floating children) by dx, dy and record it as scroll. */
static void shift_content(lv_obj_t * obj, lv_coord_t dx, lv_coord_t dy)
{
    _lv_obj_spec_attr_t * settings = (dx != 0 || dy != 0) ? settings_of(obj) : NULL;
    if(settings == NULL) return;

    settings->scroll.x += dx;
    settings->scroll.y += dy;
    lv_obj_move_children_by(obj, dx, dy, true);
    /*The SCROLL handler may delete the object*/
    if(lv_event_send(obj, LV_EVENT_SCROLL, NULL) == LV_RES_OK) lv_obj_invalidate(obj);
}

/* The animated value is the content shift; step by what is left to go. */
static void anim_step_x(void * obj, int32_t v)
{
    shift_content(obj, (lv_coord_t)(v + lv_obj_get_scroll_x(obj)), 0);
}

static void anim_step_y(void * obj, int32_t v)
{
    shift_content(obj, 0, (lv_coord_t)(v + lv_obj_get_scroll_y(obj)));
}

static void anim_done(lv_anim_t * a)
{
    lv_obj_t * scrolled = a->var;
    lv_event_send(scrolled, LV_EVENT_SCROLL_END, NULL);
}

/* The whole scroll range along an axis: room at the start plus room at the end, never negative. */
static lv_coord_t scroll_span(lv_obj_t * obj, _lv_axis_t axis)
{
    lv_coord_t span = _lv_obj_scroll_room(obj, axis, false) + _lv_obj_scroll_room(obj, axis, true);
    return LV_MAX(span, 0);
}

/* Where along an axis a box of `lo`..`hi` meets the snap point of `snap`. */
static lv_coord_t snap_point(lv_scroll_snap_t snap, lv_coord_t lo, lv_coord_t hi)
{
    if(snap == LV_SCROLL_SNAP_START) return lo;
    if(snap == LV_SCROLL_SNAP_END) return hi;
    return lo + (hi - lo + 1) / 2;
}

/*
 * The shift of the content that puts the nearest snappable child onto the
 * container's snap point (its content start, end or centre); 0 when the
 * axis does not snap or no child can snap.
 */
static lv_coord_t snap_shift(lv_obj_t * obj, _lv_axis_t axis)
{
    lv_scroll_snap_t snap = axis == _LV_AXIS_X ? lv_obj_get_scroll_snap_x(obj) : lv_obj_get_scroll_snap_y(obj);
    if(snap == LV_SCROLL_SNAP_NONE) return 0;

    lv_area_t inner;
    lv_obj_get_content_coords(obj, &inner);
    lv_coord_t goal = snap_point(snap, _lv_area_lo(&inner, axis), _lv_area_hi(&inner, axis));

    bool found = false;
    lv_coord_t best = 0;
    uint32_t cnt = lv_obj_get_child_cnt(obj);
    for(uint32_t i = 0; i < cnt; i++) {
        const lv_obj_t * child = _lv_obj_child_at(obj, i);
        if(!_lv_obj_is_content(child) || !lv_obj_has_flag(child, LV_OBJ_FLAG_SNAPPABLE)) continue;
        lv_coord_t shift = goal - snap_point(snap, _lv_area_lo(&child->coords, axis), _lv_area_hi(&child->coords, axis));
        if(!found || LV_ABS(shift) < LV_ABS(best)) best = shift;
        found = true;
    }
    return best;
}

/*
 * One scrollbar: along the far edge of the cross axis, in the track left
 * by the scrollbar part's paddings (and by `corner`, the other bar). Its
 * length is to the track what the visible part is to the whole content,
 * and its place is measured from the end so that a bar at rest sits at the
 * end of its track when the content is scrolled to the end.
 */
static void bar_area(lv_obj_t * obj, _lv_axis_t axis, lv_coord_t corner, lv_area_t * bar)
{
    _lv_axis_t cross = axis == _LV_AXIS_X ? _LV_AXIS_Y : _LV_AXIS_X;
    _lv_obj_insets_t gap = {
        lv_obj_get_style_pad_left(obj, LV_PART_SCROLLBAR), lv_obj_get_style_pad_top(obj, LV_PART_SCROLLBAR),
        lv_obj_get_style_pad_right(obj, LV_PART_SCROLLBAR), lv_obj_get_style_pad_bottom(obj, LV_PART_SCROLLBAR)
    };
    lv_coord_t thickness = lv_obj_get_style_width(obj, LV_PART_SCROLLBAR);
    lv_coord_t len = _lv_area_len(&obj->coords, axis);
    lv_coord_t before = _lv_obj_scroll_room(obj, axis, false);
    lv_coord_t after = _lv_obj_scroll_room(obj, axis, true);
    lv_coord_t content = len + before + after;
    if(content <= 0) return;

    lv_coord_t track_lo = _lv_area_lo(&obj->coords, axis) + _lv_insets_lead(&gap, axis);
    lv_coord_t track_hi = _lv_area_hi(&obj->coords, axis) - _lv_insets_trail(&gap, axis) - corner;
    lv_coord_t track = track_hi - track_lo + 1;
    lv_coord_t lo;
    lv_coord_t hi;
    lv_coord_t bar_len = LV_MAX((lv_coord_t)(((int32_t)track * len) / content), SCROLLBAR_LEN_MIN);
    lv_coord_t hidden = content - len;
    if(hidden <= 0) {
        /*Nothing to scroll (mode ON): the bar fills its track*/
        lo = track_lo;
        hi = track_hi - 1;
    }
    else {
        lv_coord_t spare = track - bar_len;
        lo = track_lo + spare - (lv_coord_t)(((int32_t)spare * after) / hidden);
        hi = lo + bar_len - 1;
        /*Scrolled past either end (elastic): squeeze the bar, never below the minimum*/
        if(lo < track_lo) {
            lo = track_lo;
            hi = LV_MAX(hi, lo + SCROLLBAR_LEN_MIN);
        }
        if(hi > track_hi) {
            hi = track_hi;
            lo = LV_MIN(lo, hi - SCROLLBAR_LEN_MIN);
        }
    }

    lv_coord_t cross_hi = _lv_area_hi(&obj->coords, cross) - _lv_insets_trail(&gap, cross);
    lv_coord_t cross_lo = cross_hi - thickness + 1;
    if(axis == _LV_AXIS_X) lv_area_set(bar, lo, cross_lo, hi, cross_hi);
    else lv_area_set(bar, cross_lo, lo, cross_hi, hi);
}

/*
 * The scroll along one axis that brings the span lo..hi into view between
 * `start` and `end`. None when it fits, and none when it is larger than
 * the view and already fills it (scrolling would only hide another part).
 * It is limited to what the parent can still scroll either way.
 */
static lv_coord_t reveal_shift(lv_coord_t lo, lv_coord_t hi, lv_coord_t start, lv_coord_t end,
                               lv_coord_t room_before, lv_coord_t room_after)
{
    lv_coord_t over_start = start - lo;
    lv_coord_t over_end = hi - end;
    if(over_start >= 0 && over_end >= 0) return 0;
    if(over_start > 0) return LV_MIN(over_start, LV_MAX(room_before, 0));
    if(over_end > 0) return -LV_MIN(over_end, LV_MAX(room_after, 0));
    return 0;
}

/*
 * Scroll the parent of `child` by the least that shows `area` in its
 * content area. On an axis the parent snaps on, the child itself is lined
 * up with the snap point instead. `pending` holds what lower levels are
 * about to scroll (animations that have not moved anything yet).
 */
static void reveal_in_parent(const lv_area_t * area, lv_obj_t * child, lv_point_t * pending, lv_anim_enable_t anim_en)
{
    lv_obj_t * parent = child->parent;
    if(!lv_obj_has_flag(parent, LV_OBJ_FLAG_SCROLLABLE)) return;

    lv_area_t inner;
    lv_obj_get_content_coords(parent, &inner);
    lv_dir_t dir = lv_obj_get_scroll_dir(parent);
    const lv_dir_t axis_dir[2] = {LV_DIR_HOR, LV_DIR_VER};
    lv_coord_t carried[2] = {pending->x, pending->y};
    lv_coord_t shift[2] = {0, 0};

    for(int axis = _LV_AXIS_X; axis <= _LV_AXIS_Y; axis++) {
        if((dir & axis_dir[axis]) == 0) continue;
        lv_scroll_snap_t snap = axis == _LV_AXIS_X ? lv_obj_get_scroll_snap_x(parent) : lv_obj_get_scroll_snap_y(parent);
        const lv_area_t * target = snap != LV_SCROLL_SNAP_NONE ? &child->coords : area;
        lv_coord_t lo = _lv_area_lo(target, axis) + carried[axis];
        lv_coord_t hi = _lv_area_hi(target, axis) + carried[axis];
        lv_coord_t start = _lv_area_lo(&inner, axis);
        lv_coord_t end = _lv_area_hi(&inner, axis);
        if(snap == LV_SCROLL_SNAP_NONE) {
            shift[axis] = reveal_shift(lo, hi, start, end, _lv_obj_scroll_room(parent, axis, false),
                                       _lv_obj_scroll_room(parent, axis, true));
        }
        else {
            shift[axis] = snap_point(snap, start, end) - snap_point(snap, lo, hi);
        }
    }

    if(anim_en != LV_ANIM_OFF) {
        pending->x += shift[_LV_AXIS_X];
        pending->y += shift[_LV_AXIS_Y];
    }
    lv_obj_scroll_by(parent, shift[_LV_AXIS_X], shift[_LV_AXIS_Y], anim_en);
}
