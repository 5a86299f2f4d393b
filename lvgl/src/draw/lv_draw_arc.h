/**
 * @file lv_draw_arc.h
 * Anti-aliased arcs of a ring, with optional rounded ends.
 */
#ifndef LV_DRAW_ARC_H
#define LV_DRAW_ARC_H

#ifdef __cplusplus
extern "C" {
#endif

#include "../lv_conf_internal.h"
#include "../misc/lv_color.h"
#include "../misc/lv_area.h"
#include "../misc/lv_style.h"

typedef struct {
    lv_color_t color;
    lv_coord_t width;
    uint16_t start_angle;
    uint16_t end_angle;
    const void * img_src;   /* draw this image through the arc instead of a colour */
    lv_opa_t opa;
    lv_blend_mode_t blend_mode  : 2;
    uint8_t rounded : 1;
} lv_draw_arc_dsc_t;

struct _lv_draw_ctx_t;

/** Initialise: black, width 1, opaque, square ends. */
void lv_draw_arc_dsc_init(lv_draw_arc_dsc_t * dsc);

/**
 * Draw an arc: the ring between `radius - width` and `radius` around
 * `center`, from `start_angle` to `end_angle` (degrees, 0 = right,
 * growing clockwise; the arc runs clockwise from start to end).
 */
void lv_draw_arc(struct _lv_draw_ctx_t * draw_ctx, const lv_draw_arc_dsc_t * dsc, const lv_point_t * center,
                 uint16_t radius, uint16_t start_angle, uint16_t end_angle);

/**
 * The bounding area of an arc (an over-estimate is allowed).
 * @param x, y the centre
 * @param w the arc's width
 * @param rounded true if the ends are rounded
 */
void lv_draw_arc_get_area(lv_coord_t x, lv_coord_t y, uint16_t radius, uint16_t start_angle, uint16_t end_angle,
                          lv_coord_t w, bool rounded, lv_area_t * area);

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_DRAW_ARC_H*/
