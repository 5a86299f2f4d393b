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
 * Set the position of an object relative to the set alignment.
 * @param x         new x coordinate (pixels or `lv_pct()`, negative percentages allowed)
 * @param y         new y coordinate
 * @note            With default alignment it's the distance from the top left corner
 * @note            The position is interpreted on the content area of the parent
 */
void lv_obj_set_pos(struct _lv_obj_t * obj, lv_coord_t x, lv_coord_t y);
void lv_obj_set_x(struct _lv_obj_t * obj, lv_coord_t x);
void lv_obj_set_y(struct _lv_obj_t * obj, lv_coord_t y);

/**
 * Set the size of an object.
 * @param w         the new width: pixels, `lv_pct()` of the parent's content
 *                  area or `LV_SIZE_CONTENT` to wrap the children
 * @param h         the new height
 */
void lv_obj_set_size(struct _lv_obj_t * obj, lv_coord_t w, lv_coord_t h);

/**
 * Recalculate the size of the object
 * @return          true: the size has been changed
 */
bool lv_obj_refr_size(struct _lv_obj_t * obj);

void lv_obj_set_width(struct _lv_obj_t * obj, lv_coord_t w);
void lv_obj_set_height(struct _lv_obj_t * obj, lv_coord_t h);

/**
 * Set the width reduced by the left and right padding and the border width.
 */
void lv_obj_set_content_width(struct _lv_obj_t * obj, lv_coord_t w);
void lv_obj_set_content_height(struct _lv_obj_t * obj, lv_coord_t h);

/**
 * Set a layout for an object
 * @param layout    pointer to a layout descriptor to set
 */
void lv_obj_set_layout(struct _lv_obj_t * obj, uint32_t layout);

/**
 * Test whether the and object is positioned by a layout or not
 * @return true:    positioned by a layout; false: not positioned by a layout
 */
bool lv_obj_is_layout_positioned(const struct _lv_obj_t * obj);

/**
 * Mark the object for layout update.
 */
void lv_obj_mark_layout_as_dirty(struct _lv_obj_t * obj);

/**
 * Update the layout of an object (and of its whole screen if it was marked).
 * Called before coordinates are read so that getters see final values.
 */
void lv_obj_update_layout(const struct _lv_obj_t * obj);

/**
 * Register a new layout
 * @return          the ID of the new layout
 */
uint32_t lv_layout_register(lv_layout_update_cb_t cb, void * user_data);

/** Forget the registered layouts; called by lv_deinit.*/
void _lv_layout_deinit(void);

/**
 * Change the alignment of an object.
 */
void lv_obj_set_align(struct _lv_obj_t * obj, lv_align_t align);

/**
 * Change the alignment of an object and set new coordinates.
 * Equivalent to:
 * lv_obj_set_align(obj, align);
 * lv_obj_set_pos(obj, x_ofs, y_ofs);
 */
void lv_obj_align(struct _lv_obj_t * obj, lv_align_t align, lv_coord_t x_ofs, lv_coord_t y_ofs);

/**
 * Align an object to an other object.
 * @param base      pointer to an other object (if NULL `obj`s parent is used). 'obj' will be aligned to it.
 * @note            if the position or size of `base` changes `obj` needs to be aligned manually again
 */
void lv_obj_align_to(struct _lv_obj_t * obj, const struct _lv_obj_t * base, lv_align_t align, lv_coord_t x_ofs,
                     lv_coord_t y_ofs);

/**
 * Align an object to the center on its parent.
 * @note            if the parent size changes `obj` needs to be aligned manually again
 */
static inline void lv_obj_center(struct _lv_obj_t * obj)
{
    lv_obj_align(obj, LV_ALIGN_CENTER, 0, 0);
}

/**
 * Copy the coordinates of an object to an area
 */
void lv_obj_get_coords(const struct _lv_obj_t * obj, lv_area_t * coords);

/**
 * Get the x coordinate of object, relative to the parent's content area
 * (left padding + border included) taking scrolling into account.
 */
lv_coord_t lv_obj_get_x(const struct _lv_obj_t * obj);
lv_coord_t lv_obj_get_x2(const struct _lv_obj_t * obj);
lv_coord_t lv_obj_get_y(const struct _lv_obj_t * obj);
lv_coord_t lv_obj_get_y2(const struct _lv_obj_t * obj);

/**
 * Get the actually set x/y coordinate of object, i.e. the offset form the set alignment
 */
lv_coord_t lv_obj_get_x_aligned(const struct _lv_obj_t * obj);
lv_coord_t lv_obj_get_y_aligned(const struct _lv_obj_t * obj);

lv_coord_t lv_obj_get_width(const struct _lv_obj_t * obj);
lv_coord_t lv_obj_get_height(const struct _lv_obj_t * obj);

/**
 * Get the width/height reduced by the paddings and the border width.
 */
lv_coord_t lv_obj_get_content_width(const struct _lv_obj_t * obj);
lv_coord_t lv_obj_get_content_height(const struct _lv_obj_t * obj);

/**
 * Get the area reduced by the paddings and the border width.
 */
void lv_obj_get_content_coords(const struct _lv_obj_t * obj, lv_area_t * area);

/**
 * Get the width/height occupied by the "parts" of the widget. E.g. the width of all columns of a table.
 */
lv_coord_t lv_obj_get_self_width(const struct _lv_obj_t * obj);
lv_coord_t lv_obj_get_self_height(const struct _lv_obj_t * obj);

/**
 * Handle if the size of the internal ("virtual") content of an object has changed.
 * @return          false: nothing happened; true: refresh happened
 */
bool lv_obj_refresh_self_size(struct _lv_obj_t * obj);

void lv_obj_refr_pos(struct _lv_obj_t * obj);

void lv_obj_move_to(struct _lv_obj_t * obj, lv_coord_t x, lv_coord_t y);

void lv_obj_move_children_by(struct _lv_obj_t * obj, lv_coord_t x_diff, lv_coord_t y_diff, bool ignore_floating);

/**
 * Mark an area of an object as invalid.
 * The area will be truncated to the object's area and marked for redraw.
 */
void lv_obj_invalidate_area(const struct _lv_obj_t * obj, const lv_area_t * area);

/**
 * Mark the object as invalid to redrawn its area
 */
void lv_obj_invalidate(const struct _lv_obj_t * obj);

/**
 * Tell whether an area of an object is visible (even partially) now or not
 * @param area      the are to check. The visible part of the area will be written back here.
 */
bool lv_obj_area_is_visible(const struct _lv_obj_t * obj, lv_area_t * area);

/**
 * Tell whether an object is visible (even partially) now or not
 */
bool lv_obj_is_visible(const struct _lv_obj_t * obj);

/**
 * Set the size of an extended clickable area
 */
void lv_obj_set_ext_click_area(struct _lv_obj_t * obj, lv_coord_t size);

/**
 * Get the an area where to object can be clicked.
 */
void lv_obj_get_click_area(const struct _lv_obj_t * obj, lv_area_t * area);

/**
 * Hit-test an object given a particular point in screen space.
 * @return          true: if the object is considered under the point
 */
bool lv_obj_hit_test(struct _lv_obj_t * obj, const lv_point_t * point);

/**
 * Clamp a width between min and max width. If the min/max width is in percentage value use the ref_width
 */
lv_coord_t lv_clamp_width(lv_coord_t width, lv_coord_t min_width, lv_coord_t max_width, lv_coord_t ref_width);
lv_coord_t lv_clamp_height(lv_coord_t height, lv_coord_t min_height, lv_coord_t max_height, lv_coord_t ref_height);

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_OBJ_POS_H*/
