/**
 * @file lv_draw_triangle.h
 * Filled polygons (convex or not), anti-aliased.
 */
#ifndef LV_DRAW_TRIANGLE_H
#define LV_DRAW_TRIANGLE_H

#ifdef __cplusplus
extern "C" {
#endif

#include "lv_draw_rect.h"

struct _lv_draw_ctx_t;

/** Fill a polygon with the background of `draw_dsc` (colour, opacity). */
void lv_draw_polygon(struct _lv_draw_ctx_t * draw_ctx, const lv_draw_rect_dsc_t * draw_dsc,
                     const lv_point_t points[], uint16_t point_cnt);

/** Fill a triangle. */
void lv_draw_triangle(struct _lv_draw_ctx_t * draw_ctx, const lv_draw_rect_dsc_t * draw_dsc,
                      const lv_point_t points[]);

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_DRAW_TRIANGLE_H*/
