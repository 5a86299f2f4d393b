/**
 * @file lv_obj_pos.h
 * Position, size, alignment and layout of objects.
 */

#ifndef LV_OBJ_POS_H
#define LV_OBJ_POS_H

#ifdef __cplusplus
extern "C" {
#endif

/*********************
 *      INCLUDES
 *********************/
#include "../misc/lv_area.h"

/**********************
 *      TYPEDEFS
 **********************/
struct _lv_obj_t;

typedef void (*lv_layout_update_cb_t)(struct _lv_obj_t *, void * user_data);
typedef struct {
    lv_layout_update_cb_t cb;
    void * user_data;
} lv_layout_dsc_t;

/**********************
 * GLOBAL PROTOTYPES
 **********************/

/**
 * Place an object relative to its alignment point in the parent's content area.
 * @param x         horizontal offset: pixels or `lv_pct()` of the parent's content width (may be negative)
 * @param y         vertical offset, likewise
 */
void lv_obj_set_pos(struct _lv_obj_t * obj, lv_coord_t x, lv_coord_t y);
void lv_obj_set_x(struct _lv_obj_t * obj, lv_coord_t x);
void lv_obj_set_y(struct _lv_obj_t * obj, lv_coord_t y);

/**
 * @param w         pixels, `lv_pct()` of the parent's content width, or
 *                  `LV_SIZE_CONTENT` to fit the children and the widget's own content
 * @param h         the height, likewise
 */
void lv_obj_set_size(struct _lv_obj_t * obj, lv_coord_t w, lv_coord_t h);

/**
 * Work the size out again from the styles.
 * @return          true if it changed
 */
bool lv_obj_refr_size(struct _lv_obj_t * obj);

void lv_obj_set_width(struct _lv_obj_t * obj, lv_coord_t w);
void lv_obj_set_height(struct _lv_obj_t * obj, lv_coord_t h);

/** Set the size so that the area inside padding and border gets `w` (`h`).*/
void lv_obj_set_content_width(struct _lv_obj_t * obj, lv_coord_t w);
void lv_obj_set_content_height(struct _lv_obj_t * obj, lv_coord_t h);

/**
 * Let a layout place the children of `obj`.
 * @param layout    the id lv_layout_register returned (e.g. LV_LAYOUT_FLEX), 0 for none
 */
void lv_obj_set_layout(struct _lv_obj_t * obj, uint32_t layout);

/** @return true if the parent's layout places `obj` (it has one, and `obj` is not hidden, floating or ignoring it)*/
bool lv_obj_is_layout_positioned(const struct _lv_obj_t * obj);

/** Have the size, position and layout of `obj` worked out again before the next use.*/
void lv_obj_mark_layout_as_dirty(struct _lv_obj_t * obj);

/**
 * Bring the layout of the screen of `obj` up to date, if anything there is
 * marked. The coordinate getters call this so that they never see stale values.
 */
void lv_obj_update_layout(const struct _lv_obj_t * obj);

/**
 * Add a layout; `cb` places the children of an object that uses it.
 * @return          its id for lv_obj_set_layout (0 when out of memory)
 */
uint32_t lv_layout_register(lv_layout_update_cb_t cb, void * user_data);

/** Forget the registered layouts; called by lv_deinit.*/
void _lv_layout_deinit(void);

/** Choose the point of the parent's content area that the position is measured from.*/
void lv_obj_set_align(struct _lv_obj_t * obj, lv_align_t align);

/** Set the alignment and the offset from it in one call.*/
void lv_obj_align(struct _lv_obj_t * obj, lv_align_t align, lv_coord_t x_ofs, lv_coord_t y_ofs);

/**
 * Place `obj` next to or inside `base` once (NULL: the parent). The result
 * is a plain position, so later moves of `base` are not followed.
 */
void lv_obj_align_to(struct _lv_obj_t * obj, const struct _lv_obj_t * base, lv_align_t align, lv_coord_t x_ofs,
                     lv_coord_t y_ofs);

/** Centre `obj` in its parent (it stays centred when either size changes).*/
static inline void lv_obj_center(struct _lv_obj_t * obj)
{
    lv_obj_align(obj, LV_ALIGN_CENTER, 0, 0);
}

/** Copy the screen area of `obj`, after bringing the layout up to date.*/
void lv_obj_get_coords(const struct _lv_obj_t * obj, lv_area_t * coords);

/**
 * Position of the edges of `obj` in its parent's content area (inside
 * padding and border, scrolled content counted). x2/y2 are one past the end.
 */
lv_coord_t lv_obj_get_x(const struct _lv_obj_t * obj);
lv_coord_t lv_obj_get_x2(const struct _lv_obj_t * obj);
lv_coord_t lv_obj_get_y(const struct _lv_obj_t * obj);
lv_coord_t lv_obj_get_y2(const struct _lv_obj_t * obj);

/** The offsets set with lv_obj_set_pos, before alignment and percentages.*/
lv_coord_t lv_obj_get_x_aligned(const struct _lv_obj_t * obj);
lv_coord_t lv_obj_get_y_aligned(const struct _lv_obj_t * obj);

lv_coord_t lv_obj_get_width(const struct _lv_obj_t * obj);
lv_coord_t lv_obj_get_height(const struct _lv_obj_t * obj);

/** Size of the area inside padding and border.*/
lv_coord_t lv_obj_get_content_width(const struct _lv_obj_t * obj);
lv_coord_t lv_obj_get_content_height(const struct _lv_obj_t * obj);

/** The screen area inside padding and border.*/
void lv_obj_get_content_coords(const struct _lv_obj_t * obj, lv_area_t * area);

/** Size of what the widget draws itself (a label's text, an image), without children and padding.*/
lv_coord_t lv_obj_get_self_width(const struct _lv_obj_t * obj);
lv_coord_t lv_obj_get_self_height(const struct _lv_obj_t * obj);

/**
 * The widget's own content changed: re-measure if its size follows the content.
 * @return          true if a re-measure was scheduled
 */
bool lv_obj_refresh_self_size(struct _lv_obj_t * obj);

/** Work the position out again from the styles (not for objects a layout places).*/
void lv_obj_refr_pos(struct _lv_obj_t * obj);

/** Move `obj` (and its subtree) so its top-left is `x`, `y` in the parent's content area.*/
void lv_obj_move_to(struct _lv_obj_t * obj, lv_coord_t x, lv_coord_t y);

/** Shift every descendant's coordinates; floating children stay put when `ignore_floating`.*/
void lv_obj_move_children_by(struct _lv_obj_t * obj, lv_coord_t x_diff, lv_coord_t y_diff, bool ignore_floating);

/** Have the visible part of `area` (screen coordinates) within `obj` redrawn.*/
void lv_obj_invalidate_area(const struct _lv_obj_t * obj, const lv_area_t * area);

/** Have `obj` redrawn, shadow and outline included.*/
void lv_obj_invalidate(const struct _lv_obj_t * obj);

/**
 * @param area      screen area to check; cut down to the visible part
 * @return          true if any of it can be seen: on a shown screen, not hidden, not clipped away
 */
bool lv_obj_area_is_visible(const struct _lv_obj_t * obj, lv_area_t * area);

/** @return true if any part of `obj` can be seen now*/
bool lv_obj_is_visible(const struct _lv_obj_t * obj);

/** Let clicks count up to `size` pixels outside the object.*/
void lv_obj_set_ext_click_area(struct _lv_obj_t * obj, lv_coord_t size);

/** The area that takes clicks: the coordinates grown by the extra click area.*/
void lv_obj_get_click_area(const struct _lv_obj_t * obj, lv_area_t * area);

/** @return true if a click at `point` belongs to `obj` (clickable, enabled, inside its click area)*/
bool lv_obj_hit_test(struct _lv_obj_t * obj, const lv_point_t * point);

/** Clamp a size between min and max; percentage limits are taken of `ref_width` (`ref_height`).*/
lv_coord_t lv_clamp_width(lv_coord_t width, lv_coord_t min_width, lv_coord_t max_width, lv_coord_t ref_width);
lv_coord_t lv_clamp_height(lv_coord_t height, lv_coord_t min_height, lv_coord_t max_height, lv_coord_t ref_height);

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_OBJ_POS_H*/
