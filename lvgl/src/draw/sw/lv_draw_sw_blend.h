/**
 * @file lv_draw_sw_blend.h
 * The last step of all software drawing: putting a colour or a buffer of
 * colours into the draw buffer, through an optional opacity mask.
 */
#ifndef LV_DRAW_SW_BLEND_H
#define LV_DRAW_SW_BLEND_H

#ifdef __cplusplus
extern "C" {
#endif

#include "../../misc/lv_color.h"
#include "../../misc/lv_area.h"
#include "../../misc/lv_style.h"
#include "../lv_draw_mask.h"

/**
 * One blend operation. Exactly one of `src_buf` (an image: one colour per
 * pixel of blend_area, rows of blend_area's width) and `color` (a solid fill)
 * is the source.
 */
typedef struct {
    const lv_area_t * blend_area;   /* the area to draw, absolute; clipped by the context's clip_area */
    const lv_color_t * src_buf;     /* NULL: fill with `color` */
    lv_color_t color;
    lv_opa_t * mask_buf;            /* NULL: no mask; else one opacity per pixel of mask_area */
    lv_draw_mask_res_t mask_res;    /* TRANSP: nothing to draw; FULL_COVER: ignore mask_buf */
    const lv_area_t * mask_area;    /* the area mask_buf covers (rows of its width) */
    lv_opa_t opa;                   /* overall opacity */
    lv_blend_mode_t blend_mode;
} lv_draw_sw_blend_dsc_t;

struct _lv_draw_ctx_t;

/**
 * Blend through the context's `blend` hook (lv_draw_sw_ctx_t). Drops what
 * cannot show (opacity below LV_OPA_MIN, a fully transparent mask, an area
 * outside the clip area) before calling it; the hook still receives the
 * unclipped descriptor and clips it itself.
 */
LV_ATTRIBUTE_FAST_MEM void lv_draw_sw_blend(struct _lv_draw_ctx_t * draw_ctx, const lv_draw_sw_blend_dsc_t * dsc);

/**
 * The default blend: writes into draw_ctx->buf, clipped to draw_ctx->clip_area.
 */
LV_ATTRIBUTE_FAST_MEM void lv_draw_sw_blend_basic(struct _lv_draw_ctx_t * draw_ctx, const lv_draw_sw_blend_dsc_t * dsc);

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_DRAW_SW_BLEND_H*/
