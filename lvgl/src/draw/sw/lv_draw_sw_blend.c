/**
 * @file lv_draw_sw_blend.c
 * The default blend step: a colour or a buffer of colours into the draw
 * buffer, through an optional per-pixel opacity mask and an overall opacity.
 *
 * Masks are mostly long runs of 0 (outside a shape) and 255 (inside), with a
 * pixel or two of anti-aliasing between them, so masked rows are walked
 * eight mask bytes at a time: a group that is all 0 is skipped and a group
 * that is all 255 is stored without mixing; only mixed groups are done pixel
 * by pixel.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_draw_sw.h"
#include "../../misc/lv_math.h"
#include "../../misc/lv_mem.h"

/*********************
 *      DEFINES
 *********************/
#define GROUP 8

/**********************
 *      TYPEDEFS
 **********************/

/* One blend, resolved to rows: dest, src and mask point at the first pixel
 * of the clipped area, and advance by their own strides. */
typedef struct {
    lv_color_t * dest;
    int32_t dest_stride;
    const lv_color_t * src;     /* NULL: fill with `color` */
    int32_t src_stride;
    const lv_opa_t * mask;      /* NULL: no mask */
    int32_t mask_stride;
    int32_t w;
    int32_t h;
    lv_color_t color;
    lv_opa_t opa;
    lv_blend_mode_t mode;
} rows_t;

/**********************
 *   STATIC FUNCTIONS
 **********************/

static inline uint64_t group_of(const lv_opa_t * m)
{
    uint64_t g;
    lv_memcpy(&g, m, sizeof(g));
    return g;
}

/* The weight of one pixel: its mask value scaled by the overall opacity. */
static inline lv_opa_t weight(lv_opa_t m, lv_opa_t opa)
{
    return opa >= LV_OPA_MAX ? m : (lv_opa_t)LV_UDIV255((uint32_t)m * opa);
}

/* lv_color_mix(fg, bg, wt), bit for bit, with red and blue mixed together
 * in two 32-bit lanes of one 64-bit number: each lane's sum stays below
 * 2^16 and its product with 0x8081 (the exact division by 255) below 2^31,
 * so the lanes never spill into each other. Most of a frame's mixing is
 * anti-aliased edges, so this is the hottest arithmetic of the renderer. */
static inline uint32_t mix32(uint32_t fg, uint32_t bg, uint32_t wt)
{
    const uint64_t round = ((uint64_t)LV_COLOR_MIX_ROUND_OFS << 32) | LV_COLOR_MIX_ROUND_OFS;
    uint32_t keep = 255 - wt;
    uint64_t f_rb = ((uint64_t)(fg & 0xFF0000u) << 16) | (fg & 0xFFu);
    uint64_t b_rb = ((uint64_t)(bg & 0xFF0000u) << 16) | (bg & 0xFFu);
    uint64_t rb = (f_rb * wt + b_rb * keep + round) * 0x8081u;
    uint32_t g = (((fg >> 8) & 0xFFu) * wt + ((bg >> 8) & 0xFFu) * keep + LV_COLOR_MIX_ROUND_OFS) * 0x8081u;
    return 0xFF000000u | (uint32_t)((rb >> (32 + 23 - 16)) & 0xFF0000u) | ((g >> (23 - 8)) & 0xFF00u) |
           (uint32_t)((rb >> 23) & 0xFFu);
}

static inline void put_px(lv_color_t * d, lv_color_t c, lv_opa_t wt)
{
    if(wt >= LV_OPA_MAX) {
        *d = c;
        d->ch.alpha = 0xFF;
    }
    else if(wt > LV_OPA_MIN) {
        d->full = mix32(c.full, d->full, wt);
    }
}

/* Eight pixels or fewer of a fully opaque fill or copy whose mask values
 * differ: stored, mixed or left, one by one. */
static inline void mixed_fill(lv_color_t * d, uint32_t c, const lv_opa_t * m, int32_t n)
{
    for(int32_t k = 0; k < n; k++) {
        if(m[k] >= LV_OPA_MAX) d[k].full = c;
        else if(m[k] > LV_OPA_MIN) d[k].full = mix32(c, d[k].full, m[k]);
    }
}

static inline void mixed_copy(lv_color_t * d, const lv_color_t * s, const lv_opa_t * m, int32_t n)
{
    for(int32_t k = 0; k < n; k++) {
        if(m[k] >= LV_OPA_MAX) d[k].full = s[k].full | 0xFF000000u;
        else if(m[k] > LV_OPA_MIN) d[k].full = mix32(s[k].full, d[k].full, m[k]);
    }
}

/* One row of a fill (s NULL) or a copy through a mask. With the overall
 * opacity below full every pixel is weighed; otherwise groups of eight
 * mask bytes that are all 0 or all 255 are skipped or stored whole. */
static void masked_row(lv_color_t * d, const lv_color_t * s, lv_color_t color, const lv_opa_t * m, int32_t w,
                       lv_opa_t opa)
{
    if(opa < LV_OPA_MAX) {
        for(int32_t x = 0; x < w; x++) {
            if(m[x] != 0) put_px(&d[x], s ? s[x] : color, weight(m[x], opa));
        }
        return;
    }
    uint32_t c = color.full | 0xFF000000u;
    int32_t x = 0;
    for(; x + GROUP <= w; x += GROUP) {
        uint64_t g = group_of(&m[x]);
        if(g == 0) continue;
        if(g == UINT64_MAX) {
            for(int k = 0; k < GROUP; k++) d[x + k].full = s ? s[x + k].full | 0xFF000000u : c;
        }
        else if(s) {
            mixed_copy(&d[x], &s[x], &m[x], GROUP);
        }
        else {
            mixed_fill(&d[x], c, &m[x], GROUP);
        }
    }
    if(x == w) return;
    if(s) mixed_copy(&d[x], &s[x], &m[x], w - x);
    else mixed_fill(&d[x], c, &m[x], w - x);
}

/* Normal blending, no mask. */
static void plain_rows(const rows_t * r)
{
    lv_color_t * d = r->dest;
    const lv_color_t * s = r->src;
    lv_color_t color = r->color;
    color.ch.alpha = 0xFF;
    for(int32_t y = 0; y < r->h; y++, d += r->dest_stride) {
        if(s == NULL && r->opa >= LV_OPA_MAX) {
            lv_color_fill(d, color, (uint32_t)r->w);
        }
        else if(s == NULL) {
            /*one opacity for the whole row: the colour's share is worked out once*/
            uint16_t share[3];
            lv_color_premult(color, r->opa, share);
            lv_opa_t keep = (lv_opa_t)(255 - r->opa);
            for(int32_t x = 0; x < r->w; x++) d[x] = lv_color_mix_premult(share, d[x], keep);
        }
        else if(r->opa >= LV_OPA_MAX) {
            for(int32_t x = 0; x < r->w; x++) d[x].full = s[x].full | 0xFF000000u;
        }
        else {
            for(int32_t x = 0; x < r->w; x++) put_px(&d[x], s[x], r->opa);
        }
        if(s) s += r->src_stride;
    }
}

static lv_color_t combine(lv_color_t fg, lv_color_t bg, lv_blend_mode_t mode)
{
    int32_t c[3] = {fg.ch.red, fg.ch.green, fg.ch.blue};
    const int32_t under[3] = {bg.ch.red, bg.ch.green, bg.ch.blue};
    for(int k = 0; k < 3; k++) {
        switch(mode) {
            case LV_BLEND_MODE_ADDITIVE:
                c[k] = LV_MIN(under[k] + c[k], 255);
                break;
            case LV_BLEND_MODE_SUBTRACTIVE:
                c[k] = LV_MAX(under[k] - c[k], 0);
                break;
            case LV_BLEND_MODE_MULTIPLY:
                c[k] = LV_UDIV255(under[k] * c[k]);
                break;
            default:
                break;
        }
    }
    return lv_color_make((uint8_t)c[0], (uint8_t)c[1], (uint8_t)c[2]);
}

/* Additive, subtractive, multiply and replace: rare, so one plain loop. */
static void other_mode_rows(const rows_t * r)
{
    lv_color_t * d = r->dest;
    const lv_color_t * s = r->src;
    const lv_opa_t * m = r->mask;
    for(int32_t y = 0; y < r->h; y++) {
        for(int32_t x = 0; x < r->w; x++) {
            lv_opa_t wt = weight(m ? m[x] : 255, r->opa);
            if(wt <= LV_OPA_MIN) continue;
            lv_color_t fg = s ? s[x] : r->color;
            lv_color_t res = r->mode == LV_BLEND_MODE_REPLACE ? fg : combine(fg, d[x], r->mode);
            put_px(&d[x], res, wt);
        }
        d += r->dest_stride;
        if(s) s += r->src_stride;
        if(m) m += r->mask_stride;
    }
}

/* Points dest, src and mask at `a`, the part of the blend that is drawn. */
static void aim_rows(rows_t * r, lv_draw_ctx_t * draw_ctx, const lv_draw_sw_blend_dsc_t * dsc, const lv_area_t * a,
                     const lv_area_t * mask_area)
{
    const lv_area_t * buf_area = draw_ctx->buf_area;
    r->w = lv_area_get_width(a);
    r->h = lv_area_get_height(a);
    r->dest_stride = lv_area_get_width(buf_area);
    r->dest = (lv_color_t *)draw_ctx->buf + (int32_t)(a->y1 - buf_area->y1) * r->dest_stride + (a->x1 - buf_area->x1);
    if(r->src) {
        r->src_stride = lv_area_get_width(dsc->blend_area);
        r->src += (int32_t)(a->y1 - dsc->blend_area->y1) * r->src_stride + (a->x1 - dsc->blend_area->x1);
    }
    if(r->mask) {
        r->mask_stride = lv_area_get_width(mask_area);
        r->mask += (int32_t)(a->y1 - mask_area->y1) * r->mask_stride + (a->x1 - mask_area->x1);
    }
}

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

void lv_draw_sw_blend(lv_draw_ctx_t * draw_ctx, const lv_draw_sw_blend_dsc_t * dsc)
{
    if(dsc->opa <= LV_OPA_MIN) return;
    if(dsc->mask_buf != NULL && dsc->mask_res == LV_DRAW_MASK_RES_TRANSP) return;
    lv_area_t shown;
    if(!_lv_area_intersect(&shown, dsc->blend_area, draw_ctx->clip_area)) return;

    lv_draw_sw_ctx_t * sw = (lv_draw_sw_ctx_t *)draw_ctx;
    if(sw->blend != NULL) sw->blend(draw_ctx, dsc);
}

/* The area drawn is the blend area cut to the clip area, the buffer and
 * (with a mask) the mask area. The source's rows are as wide as the whole
 * blend area, the mask's as wide as the mask area. */
void lv_draw_sw_blend_basic(lv_draw_ctx_t * draw_ctx, const lv_draw_sw_blend_dsc_t * dsc)
{
    const lv_opa_t * mask = dsc->mask_res == LV_DRAW_MASK_RES_FULL_COVER ? NULL : dsc->mask_buf;
    if(mask != NULL && dsc->mask_res == LV_DRAW_MASK_RES_TRANSP) return;
    const lv_area_t * mask_area = dsc->mask_area ? dsc->mask_area : dsc->blend_area;

    lv_area_t a;
    if(!_lv_area_intersect(&a, dsc->blend_area, draw_ctx->clip_area)) return;
    if(!_lv_area_intersect(&a, &a, draw_ctx->buf_area)) return;
    if(mask != NULL && !_lv_area_intersect(&a, &a, mask_area)) return;

    rows_t r = {
        .src = dsc->src_buf,
        .mask = mask,
        .color = dsc->color,
        .opa = dsc->opa,
        .mode = dsc->blend_mode,
    };
    aim_rows(&r, draw_ctx, dsc, &a, mask_area);

    if(r.mode != LV_BLEND_MODE_NORMAL) {
        other_mode_rows(&r);
        return;
    }
    if(r.mask == NULL) {
        plain_rows(&r);
        return;
    }
    r.color.ch.alpha = 0xFF;
    for(int32_t y = 0; y < r.h; y++) {
        masked_row(r.dest, r.src, r.color, r.mask, r.w, r.opa);
        r.dest += r.dest_stride;
        r.mask += r.mask_stride;
        if(r.src) r.src += r.src_stride;
    }
}
