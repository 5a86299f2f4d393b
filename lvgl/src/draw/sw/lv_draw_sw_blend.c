/**
 * @file lv_draw_sw_blend.c
 * The default blend step: colour or image pixels into the draw buffer,
 * through an optional per-pixel mask and an overall opacity.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_draw_sw.h"
#include "../../misc/lv_math.h"
#include "../../misc/lv_mem.h"

/**********************
 *  STATIC PROTOTYPES
 **********************/
static void fill_normal(lv_color_t * dest, int32_t dest_stride, int32_t w, int32_t h, lv_color_t color, lv_opa_t opa,
                        const lv_opa_t * mask, int32_t mask_stride);
static void map_normal(lv_color_t * dest, int32_t dest_stride, const lv_color_t * src, int32_t src_stride, int32_t w,
                       int32_t h, lv_opa_t opa, const lv_opa_t * mask, int32_t mask_stride);
static void blend_other(lv_color_t * dest, int32_t dest_stride, const lv_color_t * src, int32_t src_stride,
                        lv_color_t color, int32_t w, int32_t h, lv_opa_t opa, const lv_opa_t * mask,
                        int32_t mask_stride, lv_blend_mode_t mode);
static inline lv_color_t blend_px(lv_color_t fg, lv_color_t bg, lv_blend_mode_t mode);

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

void lv_draw_sw_blend(lv_draw_ctx_t * draw_ctx, const lv_draw_sw_blend_dsc_t * dsc)
{
    if(dsc->opa <= LV_OPA_MIN) return;
    if(dsc->mask_buf && dsc->mask_res == LV_DRAW_MASK_RES_TRANSP) return;

    lv_area_t blend_area;
    if(!_lv_area_intersect(&blend_area, dsc->blend_area, draw_ctx->clip_area)) return;

    lv_draw_sw_ctx_t * sw = (lv_draw_sw_ctx_t *)draw_ctx;
    if(sw->blend) sw->blend(draw_ctx, dsc);
}

/* Pointers are set up for the blend area clipped to the clip area: the
 * destination row stride is the draw buffer's width, the source's that of the
 * unclipped blend area, the mask's that of the mask area. */
void lv_draw_sw_blend_basic(lv_draw_ctx_t * draw_ctx, const lv_draw_sw_blend_dsc_t * dsc)
{
    lv_area_t blend_area;
    if(!_lv_area_intersect(&blend_area, dsc->blend_area, draw_ctx->clip_area)) return;
    if(!_lv_area_intersect(&blend_area, &blend_area, draw_ctx->buf_area)) return;

    const lv_opa_t * mask = dsc->mask_buf;
    if(dsc->mask_res == LV_DRAW_MASK_RES_TRANSP && mask) return;
    if(dsc->mask_res == LV_DRAW_MASK_RES_FULL_COVER) mask = NULL;

    int32_t w = lv_area_get_width(&blend_area);
    int32_t h = lv_area_get_height(&blend_area);
    int32_t dest_stride = lv_area_get_width(draw_ctx->buf_area);
    lv_color_t * dest = (lv_color_t *)draw_ctx->buf;
    dest += (int32_t)(blend_area.y1 - draw_ctx->buf_area->y1) * dest_stride + (blend_area.x1 - draw_ctx->buf_area->x1);

    int32_t mask_stride = 0;
    if(mask) {
        const lv_area_t * ma = dsc->mask_area ? dsc->mask_area : dsc->blend_area;
        /*Only where the mask is defined*/
        if(!_lv_area_intersect(&blend_area, &blend_area, ma)) return;
        w = lv_area_get_width(&blend_area);
        h = lv_area_get_height(&blend_area);
        dest = (lv_color_t *)draw_ctx->buf;
        dest += (int32_t)(blend_area.y1 - draw_ctx->buf_area->y1) * dest_stride + (blend_area.x1 - draw_ctx->buf_area->x1);
        mask_stride = lv_area_get_width(ma);
        mask += (int32_t)(blend_area.y1 - ma->y1) * mask_stride + (blend_area.x1 - ma->x1);
    }

    const lv_color_t * src = NULL;
    int32_t src_stride = 0;
    if(dsc->src_buf) {
        src_stride = lv_area_get_width(dsc->blend_area);
        src = dsc->src_buf + (int32_t)(blend_area.y1 - dsc->blend_area->y1) * src_stride +
              (blend_area.x1 - dsc->blend_area->x1);
    }

    if(dsc->blend_mode != LV_BLEND_MODE_NORMAL) {
        blend_other(dest, dest_stride, src, src_stride, dsc->color, w, h, dsc->opa, mask, mask_stride, dsc->blend_mode);
    }
    else if(src) {
        map_normal(dest, dest_stride, src, src_stride, w, h, dsc->opa, mask, mask_stride);
    }
    else {
        fill_normal(dest, dest_stride, w, h, dsc->color, dsc->opa, mask, mask_stride);
    }
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

static void fill_normal(lv_color_t * dest, int32_t dest_stride, int32_t w, int32_t h, lv_color_t color, lv_opa_t opa,
                        const lv_opa_t * mask, int32_t mask_stride)
{
    color.ch.alpha = 0xFF;
    if(mask == NULL && opa >= LV_OPA_MAX) {
        for(int32_t y = 0; y < h; y++) {
            lv_color_fill(dest, color, (uint32_t)w);
            dest += dest_stride;
        }
        return;
    }

    if(mask == NULL) {
        /*One opacity for all pixels: premultiply the colour once*/
        uint16_t premult[3];
        lv_color_premult(color, opa, premult);
        lv_opa_t inv = (lv_opa_t)(255 - opa);
        for(int32_t y = 0; y < h; y++) {
            for(int32_t x = 0; x < w; x++) dest[x] = lv_color_mix_premult(premult, dest[x], inv);
            dest += dest_stride;
        }
        return;
    }

    for(int32_t y = 0; y < h; y++) {
        for(int32_t x = 0; x < w; x++) {
            lv_opa_t m = mask[x];
            if(m == 0) continue;
            if(opa < LV_OPA_MAX) m = (lv_opa_t)LV_UDIV255((uint32_t)m * opa);
            if(m >= LV_OPA_MAX) dest[x] = color;
            else if(m > LV_OPA_MIN) dest[x] = lv_color_mix(color, dest[x], m);
        }
        dest += dest_stride;
        mask += mask_stride;
    }
}

static void map_normal(lv_color_t * dest, int32_t dest_stride, const lv_color_t * src, int32_t src_stride, int32_t w,
                       int32_t h, lv_opa_t opa, const lv_opa_t * mask, int32_t mask_stride)
{
    if(mask == NULL && opa >= LV_OPA_MAX) {
        for(int32_t y = 0; y < h; y++) {
            uint32_t * d = (uint32_t *)dest;
            const uint32_t * s = (const uint32_t *)src;
            for(int32_t x = 0; x < w; x++) d[x] = s[x] | 0xFF000000u;
            dest += dest_stride;
            src += src_stride;
        }
        return;
    }

    for(int32_t y = 0; y < h; y++) {
        for(int32_t x = 0; x < w; x++) {
            lv_opa_t m = mask ? mask[x] : 255;
            if(opa < LV_OPA_MAX) m = (lv_opa_t)LV_UDIV255((uint32_t)m * opa);
            if(m >= LV_OPA_MAX) {
                dest[x] = src[x];
                dest[x].ch.alpha = 0xFF;
            }
            else if(m > LV_OPA_MIN) {
                dest[x] = lv_color_mix(src[x], dest[x], m);
            }
        }
        dest += dest_stride;
        src += src_stride;
        if(mask) mask += mask_stride;
    }
}

static void blend_other(lv_color_t * dest, int32_t dest_stride, const lv_color_t * src, int32_t src_stride,
                        lv_color_t color, int32_t w, int32_t h, lv_opa_t opa, const lv_opa_t * mask,
                        int32_t mask_stride, lv_blend_mode_t mode)
{
    for(int32_t y = 0; y < h; y++) {
        for(int32_t x = 0; x < w; x++) {
            lv_opa_t m = mask ? mask[x] : 255;
            if(opa < LV_OPA_MAX) m = (lv_opa_t)LV_UDIV255((uint32_t)m * opa);
            if(m <= LV_OPA_MIN) continue;
            lv_color_t fg = src ? src[x] : color;
            lv_color_t res = mode == LV_BLEND_MODE_REPLACE ? fg : blend_px(fg, dest[x], mode);
            dest[x] = m >= LV_OPA_MAX ? res : lv_color_mix(res, dest[x], m);
            dest[x].ch.alpha = 0xFF;
        }
        dest += dest_stride;
        if(src) src += src_stride;
        if(mask) mask += mask_stride;
    }
}

static inline lv_color_t blend_px(lv_color_t fg, lv_color_t bg, lv_blend_mode_t mode)
{
    int32_t r, g, b;
    switch(mode) {
        case LV_BLEND_MODE_ADDITIVE:
            r = LV_MIN(bg.ch.red + fg.ch.red, 255);
            g = LV_MIN(bg.ch.green + fg.ch.green, 255);
            b = LV_MIN(bg.ch.blue + fg.ch.blue, 255);
            break;
        case LV_BLEND_MODE_SUBTRACTIVE:
            r = LV_MAX(bg.ch.red - fg.ch.red, 0);
            g = LV_MAX(bg.ch.green - fg.ch.green, 0);
            b = LV_MAX(bg.ch.blue - fg.ch.blue, 0);
            break;
        case LV_BLEND_MODE_MULTIPLY:
            r = LV_UDIV255(bg.ch.red * fg.ch.red);
            g = LV_UDIV255(bg.ch.green * fg.ch.green);
            b = LV_UDIV255(bg.ch.blue * fg.ch.blue);
            break;
        default:
            return fg;
    }
    return lv_color_make((uint8_t)r, (uint8_t)g, (uint8_t)b);
}
