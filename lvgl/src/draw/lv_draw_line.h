/**
 * @file lv_draw_line.h
 * Anti-aliased lines of any width, with optional rounded ends.
 */
#ifndef LV_DRAW_LINE_H
#define LV_DRAW_LINE_H

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
    lv_coord_t dash_width;  /* dashes of horizontal and vertical lines (0: solid) */
    lv_coord_t dash_gap;
    lv_opa_t opa;
    lv_blend_mode_t blend_mode  : 2;
    uint8_t round_start : 1;
    uint8_t round_end   : 1;
    uint8_t raw_end     : 1;    /* do not extend the ends to the full width (for joining lines) */
} lv_draw_line_dsc_t;

struct _lv_draw_ctx_t;

/** Initialise: black, width 1, opaque, square ends. */
LV_ATTRIBUTE_FAST_MEM void lv_draw_line_dsc_init(lv_draw_line_dsc_t * dsc);

/** Draw a line between two points (the width is centred on the line). */
void lv_draw_line(struct _lv_draw_ctx_t * draw_ctx, const lv_draw_line_dsc_t * dsc, const lv_point_t * point1,
                  const lv_point_t * point2);

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_DRAW_LINE_H*/
