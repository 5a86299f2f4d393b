/**
 * @file lv_draw_img.h
 * Image drawing with opacity, recolour, zoom and rotation.
 */
#ifndef LV_DRAW_IMG_H
#define LV_DRAW_IMG_H

#ifdef __cplusplus
extern "C" {
#endif

#include "lv_img_decoder.h"
#include "lv_img_buf.h"
#include "../misc/lv_style.h"

typedef struct {
    int16_t angle;          /* 0.1 degrees, clockwise */
    uint16_t zoom;          /* 256 = 1x */
    lv_point_t pivot;       /* rotation and zoom centre, relative to the image */

    lv_color_t recolor;
    lv_opa_t recolor_opa;   /* how much of `recolor` is mixed into each pixel */

    lv_opa_t opa;
    lv_blend_mode_t blend_mode : 4;

    int32_t frame_id;
    uint8_t antialias       : 1;
} lv_draw_img_dsc_t;

struct _lv_draw_ctx_t;

/** Initialise: opaque, no recolour, zoom 256, angle 0, anti-aliased. */
void lv_draw_img_dsc_init(lv_draw_img_dsc_t * dsc);

/**
 * Draw an image.
 * @param coords the image's area at zoom 1x (its size is the image's size);
 *        zoom and rotation happen around the pivot inside it
 * @param src an lv_img_dsc_t * (TRUE_COLOR, TRUE_COLOR_ALPHA, ALPHA_8BIT) or a symbol string
 */
void lv_draw_img(struct _lv_draw_ctx_t * draw_ctx, const lv_draw_img_dsc_t * dsc, const lv_area_t * coords,
                 const void * src);

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_DRAW_IMG_H*/
