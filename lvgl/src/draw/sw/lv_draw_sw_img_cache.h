/**
 * @file lv_draw_sw_img_cache.h
 * Ready-drawn pictures of transformed images, for the software image
 * drawing only (see lv_img_cache.h for the public side).
 */
#ifndef LV_DRAW_SW_IMG_CACHE_H
#define LV_DRAW_SW_IMG_CACHE_H

#ifdef __cplusplus
extern "C" {
#endif

#include "../../misc/lv_area.h"
#include "../../misc/lv_color.h"
#include "../lv_img_buf.h"

/* What a picture depends on. */
typedef struct {
    const uint8_t * data;
    uint32_t fingerprint;   /* a few sampled pixels: catches new content in an old buffer */
    int32_t w;
    int32_t h;
    lv_img_cf_t cf;
    int16_t angle;
    uint16_t zoom;
    lv_point_t pivot;
    bool antialias;
    uint32_t recolor;       /* lv_color_to32, 0 without recolour */
    lv_opa_t recolor_opa;
} _lv_img_pic_key_t;

/* The transformed image over `area` (relative to the image's top-left):
 * colours and opacities, rows of the area's width. */
typedef struct {
    lv_area_t area;
    lv_color_t * color;
    lv_opa_t * alpha;
    uint8_t * opaque_row;   /* 1 where a row's opacities are all 255 */
} _lv_img_pic_t;

typedef void (*_lv_img_pic_render_cb_t)(_lv_img_pic_t * pic, void * user);

/**
 * The picture of `key` over `area`: found, or made by `render` when it fits
 * the budget. The picture stays valid until _lv_img_pic_done.
 * @return the picture, or NULL (too large, no memory, caching off)
 */
const _lv_img_pic_t * _lv_img_pic_get(const _lv_img_pic_key_t * key, const lv_area_t * area,
                                      _lv_img_pic_render_cb_t render, void * user);

/** The caller of _lv_img_pic_get is done with the picture. */
void _lv_img_pic_done(const _lv_img_pic_t * pic);

/** A fingerprint of `size` bytes of image data: 64 words sampled evenly. */
uint32_t _lv_img_pic_fingerprint(const uint8_t * data, uint32_t size);

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_DRAW_SW_IMG_CACHE_H*/
