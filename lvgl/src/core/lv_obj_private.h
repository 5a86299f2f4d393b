/**
 * @file lv_obj_private.h
 * Helpers shared by the files of the object layer (lv_obj*.c, lv_theme.c)
 * and nobody else. Widgets and the program use the public headers.
 */

#ifndef LV_OBJ_PRIVATE_H
#define LV_OBJ_PRIVATE_H

#ifdef __cplusplus
extern "C" {
#endif

#include "lv_obj.h"

/* An axis, for code that treats horizontal and vertical alike. */
typedef enum {
    _LV_AXIS_X = 0,
    _LV_AXIS_Y = 1,
} _lv_axis_t;

/* What lies between the outer edge and the content area on each side: padding plus border. */
typedef struct {
    lv_coord_t left;
    lv_coord_t top;
    lv_coord_t right;
    lv_coord_t bottom;
} _lv_obj_insets_t;

/* The start and end coordinate of an area along an axis. */
static inline lv_coord_t _lv_area_lo(const lv_area_t * a, _lv_axis_t axis)
{
    return axis == _LV_AXIS_X ? a->x1 : a->y1;
}

static inline lv_coord_t _lv_area_hi(const lv_area_t * a, _lv_axis_t axis)
{
    return axis == _LV_AXIS_X ? a->x2 : a->y2;
}

static inline lv_coord_t _lv_area_len(const lv_area_t * a, _lv_axis_t axis)
{
    return _lv_area_hi(a, axis) - _lv_area_lo(a, axis) + 1;
}

/* The inset before (left/top) and after (right/bottom) the content along an axis. */
static inline lv_coord_t _lv_insets_lead(const _lv_obj_insets_t * in, _lv_axis_t axis)
{
    return axis == _LV_AXIS_X ? in->left : in->top;
}

static inline lv_coord_t _lv_insets_trail(const _lv_obj_insets_t * in, _lv_axis_t axis)
{
    return axis == _LV_AXIS_X ? in->right : in->bottom;
}

/* The child at `i`, no bounds check: callers loop below lv_obj_get_child_cnt. */
static inline lv_obj_t * _lv_obj_child_at(const lv_obj_t * obj, uint32_t i)
{
    return obj->spec_attr->children[i];
}

/* Whether a child counts as content of its parent (for scrolling and content size). */
static inline bool _lv_obj_is_content(const lv_obj_t * child)
{
    return !lv_obj_has_flag_any(child, LV_OBJ_FLAG_HIDDEN | LV_OBJ_FLAG_FLOATING);
}

/** Padding plus border of the main part, side by side.*/
void _lv_obj_get_insets(const lv_obj_t * obj, _lv_obj_insets_t * insets);

/** Append `child` to the child list of `parent`; false when out of memory.*/
bool _lv_obj_link_child(lv_obj_t * parent, lv_obj_t * child);

/**
 * Tell `parent` that a child came (LV_EVENT_CHILD_CREATED) or went
 * (LV_EVENT_CHILD_DELETED), after LV_EVENT_CHILD_CHANGED; `child` is NULL
 * when it no longer exists.
 */
void _lv_obj_report_child(lv_obj_t * parent, lv_obj_t * child, lv_event_code_t what);

/** Add a new screen to the default display, sized to it; false without a display or memory.*/
bool _lv_obj_link_screen(lv_obj_t * scr);

/** Free the object's style list and local styles without refreshing anything (the object is going away).*/
void _lv_obj_drop_styles(lv_obj_t * obj);

/** How far the scroll can still go along an axis: towards the start (`to_end` false) or the end.*/
lv_coord_t _lv_obj_scroll_room(lv_obj_t * obj, _lv_axis_t axis, bool to_end);

/** The base object's part of drawing: cover check, main rectangle, scrollbars and late border.*/
void _lv_obj_draw_event(lv_event_t * e);

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_OBJ_PRIVATE_H*/
