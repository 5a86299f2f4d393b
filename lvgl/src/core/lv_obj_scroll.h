/**
 * @file lv_obj_scroll.h
 * Scrolling of objects whose children overflow their content area.
 */

#ifndef LV_OBJ_SCROLL_H
#define LV_OBJ_SCROLL_H

#ifdef __cplusplus
extern "C" {
#endif

/*********************
 *      INCLUDES
 *********************/
#include "../misc/lv_area.h"
#include "../misc/lv_anim.h"
#include "../misc/lv_types.h"

/**********************
 *      TYPEDEFS
 **********************/

struct _lv_obj_t;

/** When an object shows its scrollbars.*/
enum {
    LV_SCROLLBAR_MODE_OFF,
    LV_SCROLLBAR_MODE_ON,
    LV_SCROLLBAR_MODE_ACTIVE,   /**< only while it is being dragged*/
    LV_SCROLLBAR_MODE_AUTO,     /**< when there is content to scroll to*/
};
typedef uint8_t lv_scrollbar_mode_t;

/** Where a snappable child comes to rest when a scroll ends (NONE: wherever it stopped).*/
enum {
    LV_SCROLL_SNAP_NONE,
    LV_SCROLL_SNAP_START,
    LV_SCROLL_SNAP_END,
    LV_SCROLL_SNAP_CENTER
};
typedef uint8_t lv_scroll_snap_t;

/**********************
 * GLOBAL PROTOTYPES
 **********************/

/* Scroll settings; the getters return the defaults (AUTO, all directions, no snap) for objects never set.*/
void lv_obj_set_scrollbar_mode(struct _lv_obj_t * obj, lv_scrollbar_mode_t mode);
void lv_obj_set_scroll_dir(struct _lv_obj_t * obj, lv_dir_t dir);
void lv_obj_set_scroll_snap_x(struct _lv_obj_t * obj, lv_scroll_snap_t align);
void lv_obj_set_scroll_snap_y(struct _lv_obj_t * obj, lv_scroll_snap_t align);

lv_scrollbar_mode_t lv_obj_get_scrollbar_mode(const struct _lv_obj_t * obj);
lv_dir_t lv_obj_get_scroll_dir(const struct _lv_obj_t * obj);
lv_scroll_snap_t lv_obj_get_scroll_snap_x(const struct _lv_obj_t * obj);
lv_scroll_snap_t lv_obj_get_scroll_snap_y(const struct _lv_obj_t * obj);

/** @return how far the content is scrolled to the left (up); 0 at the start*/
lv_coord_t lv_obj_get_scroll_x(const struct _lv_obj_t * obj);
lv_coord_t lv_obj_get_scroll_y(const struct _lv_obj_t * obj);

/**
 * How much content lies beyond each edge of the content area: what scrolling
 * towards that edge could still reveal. Negative when scrolled past the end.
 */
lv_coord_t lv_obj_get_scroll_top(struct _lv_obj_t * obj);
lv_coord_t lv_obj_get_scroll_bottom(struct _lv_obj_t * obj);
lv_coord_t lv_obj_get_scroll_left(struct _lv_obj_t * obj);
lv_coord_t lv_obj_get_scroll_right(struct _lv_obj_t * obj);

/** The scroll position a running scroll animation will end at; the current one without animation.*/
void lv_obj_get_scroll_end(struct _lv_obj_t * obj, lv_point_t * end);

/**
 * Move the content by dx, dy pixels without limit; positive values move it
 * right/down, revealing what lies left/above.
 * @param anim_en   LV_ANIM_ON to animate the movement
 */
void lv_obj_scroll_by(struct _lv_obj_t * obj, lv_coord_t dx, lv_coord_t dy, lv_anim_enable_t anim_en);

/** As lv_obj_scroll_by, but never beyond the ends of the content.*/
void lv_obj_scroll_by_bounded(struct _lv_obj_t * obj, lv_coord_t dx, lv_coord_t dy, lv_anim_enable_t anim_en);

/** Scroll so that the content is at scroll position x, y, within the ends of the content.*/
void lv_obj_scroll_to(struct _lv_obj_t * obj, lv_coord_t x, lv_coord_t y, lv_anim_enable_t anim_en);
void lv_obj_scroll_to_x(struct _lv_obj_t * obj, lv_coord_t x, lv_anim_enable_t anim_en);
void lv_obj_scroll_to_y(struct _lv_obj_t * obj, lv_coord_t y, lv_anim_enable_t anim_en);

/** Scroll the parent just enough to show all of `obj`; where the parent snaps, `obj` is lined up with the snap point.*/
void lv_obj_scroll_to_view(struct _lv_obj_t * obj, lv_anim_enable_t anim_en);

/** Scroll every ancestor just enough to show all of `obj`.*/
void lv_obj_scroll_to_view_recursive(struct _lv_obj_t * obj, lv_anim_enable_t anim_en);

/** @return true while an input device drags `obj` or a scroll animation of it runs*/
bool lv_obj_is_scrolling(const struct _lv_obj_t * obj);

/** On each axis that snaps, scroll so that the snappable child nearest to the snap point rests on it.*/
void lv_obj_update_snap(struct _lv_obj_t * obj, lv_anim_enable_t anim_en);

/** The areas of the two scrollbars; empty (x2 < x1) where a bar is not shown.*/
void lv_obj_get_scrollbar_area(struct _lv_obj_t * obj, lv_area_t * hor, lv_area_t * ver);

/** Have the scrollbars redrawn.*/
void lv_obj_scrollbar_invalidate(struct _lv_obj_t * obj);

/** After the content shrank: scroll back so that no empty space shows past the end (not on axes that snap).*/
void lv_obj_readjust_scroll(struct _lv_obj_t * obj, lv_anim_enable_t anim_en);

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_OBJ_SCROLL_H*/
