/**
 * @file lv_draw_sw_img.c
 * Images: true colour (with alpha, or chroma keyed) and alpha-only pixels,
 * with opacity, recolour, zoom and rotation.
 *
 * An untransformed image goes out in bands of full rows. A band whose pixels
 * are all opaque, with no recolour and nothing masking it, is blended
 * straight from the image's own pixels with no mask, so a replaced blend
 * step can copy it as an opaque bitmap. Everything else gets a colour and a
 * mask buffer per band.
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
#define BAND_PX_MAX (64 * 1024)   /* pixels per band: bounds the temporary buffers */

/**********************
 *      TYPEDEFS
 **********************/
typedef struct {
    const uint8_t * src;
    int32_t w;
    int32_t h;
    lv_img_cf_t cf;
} img_src_t;

/**********************
 *  STATIC PROTOTYPES
 **********************/
static void draw_plain(lv_draw_ctx_t * draw_ctx, const lv_draw_img_dsc_t * dsc, const lv_area_t * coords,
                       const img_src_t * img);
static void draw_transformed(lv_draw_ctx_t * draw_ctx, const lv_draw_img_dsc_t * dsc, const lv_area_t * coords,
                             const img_src_t * img);
static inline void read_px(const img_src_t * img, int32_t x, int32_t y, lv_color_t * c, lv_opa_t * a);
static bool sample_row_nearest(const img_src_t * img, int32_t sx, int32_t sy, int32_t step_x, int32_t step_y,
                               int32_t n, lv_color_t * c_row, lv_opa_t * a_row);
static bool sample_row_bilinear(const img_src_t * img, int32_t sx, int32_t sy, int32_t step_x, int32_t step_y,
                                int32_t n, lv_color_t * c_row, lv_opa_t * a_row);
static bool finish_band(const lv_draw_img_dsc_t * dsc, lv_img_cf_t cf, lv_color_t * cbuf, lv_opa_t * abuf,
                        const lv_area_t * band, bool alpha_used);
static void blend_band(lv_draw_ctx_t * draw_ctx, const lv_draw_img_dsc_t * dsc, const lv_area_t * band,
                       const lv_color_t * cbuf, lv_opa_t * abuf, bool opaque);

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

void lv_draw_sw_img_decoded(lv_draw_ctx_t * draw_ctx, const lv_draw_img_dsc_t * dsc, const lv_area_t * coords,
                            const uint8_t * src_buf, lv_img_cf_t cf)
{
    if(dsc->opa <= LV_OPA_MIN || src_buf == NULL) return;
    if(cf != LV_IMG_CF_TRUE_COLOR && cf != LV_IMG_CF_TRUE_COLOR_ALPHA && cf != LV_IMG_CF_TRUE_COLOR_CHROMA_KEYED &&
       cf != LV_IMG_CF_ALPHA_8BIT) {
        return;     /*Formats the panel never uses*/
    }

    img_src_t img = {src_buf, lv_area_get_width(coords), lv_area_get_height(coords), cf};
    if(dsc->angle == 0 && dsc->zoom == LV_IMG_ZOOM_NONE) draw_plain(draw_ctx, dsc, coords, &img);
    else if(dsc->zoom > 0) draw_transformed(draw_ctx, dsc, coords, &img);
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

static inline void read_px(const img_src_t * img, int32_t x, int32_t y, lv_color_t * c, lv_opa_t * a)
{
    size_t i = (size_t)y * (size_t)img->w + (size_t)x;
    if(img->cf == LV_IMG_CF_ALPHA_8BIT) {
        c->full = 0;
        *a = img->src[i];
        return;
    }
    *c = ((const lv_color_t *)img->src)[i];
    if(img->cf == LV_IMG_CF_TRUE_COLOR_ALPHA) *a = c->ch.alpha;
    else if(img->cf == LV_IMG_CF_TRUE_COLOR_CHROMA_KEYED) {
        lv_color_t key = LV_COLOR_CHROMA_KEY;
        *a = (c->full & 0xFFFFFFu) == (key.full & 0xFFFFFFu) ? 0 : 255;
    }
    else *a = 255;
}

static void draw_plain(lv_draw_ctx_t * draw_ctx, const lv_draw_img_dsc_t * dsc, const lv_area_t * coords,
                       const img_src_t * img)
{
    lv_area_t clip;
    if(!_lv_area_intersect(&clip, coords, draw_ctx->clip_area)) return;

    bool recolor = dsc->recolor_opa > LV_OPA_MIN || img->cf == LV_IMG_CF_ALPHA_8BIT;
    bool full_width = clip.x1 == coords->x1 && clip.x2 == coords->x2;
    int32_t cw = lv_area_get_width(&clip);
    int32_t band_h = LV_MAX(1, BAND_PX_MAX / cw);

    lv_opa_t * abuf = lv_mem_buf_get((uint32_t)(cw * LV_MIN(band_h, lv_area_get_height(&clip))));
    lv_color_t * cbuf = NULL;
    if(recolor || !full_width) {
        cbuf = lv_mem_buf_get((uint32_t)(cw * LV_MIN(band_h, lv_area_get_height(&clip))) * sizeof(lv_color_t));
    }
    if(abuf == NULL || ((recolor || !full_width) && cbuf == NULL)) {
        if(abuf) lv_mem_buf_release(abuf);
        if(cbuf) lv_mem_buf_release(cbuf);
        return;
    }

    for(int32_t y1 = clip.y1; y1 <= clip.y2; y1 += band_h) {
        lv_area_t band = {clip.x1, (lv_coord_t)y1, clip.x2, (lv_coord_t)LV_MIN(clip.y2, y1 + band_h - 1)};
        int32_t bh = lv_area_get_height(&band);
        bool alpha_used = false;
        for(int32_t y = 0; y < bh; y++) {
            int32_t sy = band.y1 - coords->y1 + y;
            int32_t sx0 = clip.x1 - coords->x1;
            lv_opa_t * a_row = &abuf[y * cw];
            if(img->cf == LV_IMG_CF_TRUE_COLOR_ALPHA) {
                /*The common case, read directly: the alpha byte is the pixel's top byte*/
                const uint32_t * src = (const uint32_t *)img->src + (size_t)sy * (size_t)img->w + sx0;
                uint32_t all = 0xFF;
                for(int32_t x = 0; x < cw; x++) {
                    a_row[x] = (lv_opa_t)(src[x] >> 24);
                    all &= a_row[x];
                }
                if(all != 0xFF) alpha_used = true;
                if(cbuf) lv_memcpy(&cbuf[y * cw], src, (size_t)cw * sizeof(lv_color_t));
                continue;
            }
            for(int32_t x = 0; x < cw; x++) {
                lv_color_t c;
                lv_opa_t a;
                read_px(img, sx0 + x, sy, &c, &a);
                a_row[x] = a;
                if(a != 255) alpha_used = true;
                if(cbuf) cbuf[y * cw + x] = c;
            }
        }
        const lv_color_t * colors = cbuf;
        if(cbuf == NULL) colors = (const lv_color_t *)img->src + (size_t)(band.y1 - coords->y1) * (size_t)img->w;
        bool opaque = finish_band(dsc, img->cf, cbuf, abuf, &band, alpha_used);
        blend_band(draw_ctx, dsc, &band, colors, abuf, opaque);
    }

    lv_mem_buf_release(abuf);
    if(cbuf) lv_mem_buf_release(cbuf);
}

/* Recolour the band and apply the global masks. Returns true when every
 * pixel is fully opaque (the mask can be dropped). */
static bool finish_band(const lv_draw_img_dsc_t * dsc, lv_img_cf_t cf, lv_color_t * cbuf, lv_opa_t * abuf,
                        const lv_area_t * band, bool alpha_used)
{
    int32_t w = lv_area_get_width(band);
    int32_t h = lv_area_get_height(band);
    if(cbuf && cf == LV_IMG_CF_ALPHA_8BIT) {
        /*Alpha-only images take the recolour colour as their colour*/
        lv_color_fill(cbuf, dsc->recolor, (uint32_t)(w * h));
    }
    else if(cbuf && dsc->recolor_opa > LV_OPA_MIN) {
        uint16_t premult[3];
        lv_color_premult(dsc->recolor, dsc->recolor_opa, premult);
        lv_opa_t inv = (lv_opa_t)(255 - dsc->recolor_opa);
        for(int32_t i = 0; i < w * h; i++) cbuf[i] = lv_color_mix_premult(premult, cbuf[i], inv);
    }

    if(!lv_draw_mask_is_any(band)) return !alpha_used;
    for(int32_t y = 0; y < h; y++) {
        lv_draw_mask_res_t res = lv_draw_mask_apply(&abuf[y * w], band->x1, (lv_coord_t)(band->y1 + y), (lv_coord_t)w);
        if(res == LV_DRAW_MASK_RES_TRANSP) lv_memset_00(&abuf[y * w], (size_t)w);
        if(res != LV_DRAW_MASK_RES_FULL_COVER) alpha_used = true;
    }
    return !alpha_used;
}

/* `colors` has rows of the band's width, except an image's own pixels, which
 * have rows of the image's width: then the band is the image's full width. */
static void blend_band(lv_draw_ctx_t * draw_ctx, const lv_draw_img_dsc_t * dsc, const lv_area_t * band,
                       const lv_color_t * colors, lv_opa_t * abuf, bool opaque)
{
    lv_draw_sw_blend_dsc_t blend_dsc;
    lv_memset_00(&blend_dsc, sizeof(blend_dsc));
    blend_dsc.blend_area = band;
    blend_dsc.src_buf = colors;
    blend_dsc.opa = dsc->opa;
    blend_dsc.blend_mode = dsc->blend_mode;
    if(opaque) {
        blend_dsc.mask_res = LV_DRAW_MASK_RES_FULL_COVER;
    }
    else {
        blend_dsc.mask_buf = abuf;
        blend_dsc.mask_area = band;
        blend_dsc.mask_res = LV_DRAW_MASK_RES_CHANGED;
    }
    lv_draw_sw_blend(draw_ctx, &blend_dsc);
}

/* Every destination pixel's centre is mapped back into the image (rotate by
 * -angle, scale by 1/zoom around the pivot) and sampled there: bilinearly
 * with `antialias`, else the nearest pixel. Samples outside the image are
 * transparent, which also anti-aliases the image's edges. */
static void draw_transformed(lv_draw_ctx_t * draw_ctx, const lv_draw_img_dsc_t * dsc, const lv_area_t * coords,
                             const img_src_t * img)
{
    lv_area_t ta;
    _lv_img_buf_get_transformed_area(&ta, (lv_coord_t)img->w, (lv_coord_t)img->h, dsc->angle, dsc->zoom, &dsc->pivot);
    lv_area_move(&ta, coords->x1, coords->y1);
    lv_area_t clip;
    if(!_lv_area_intersect(&clip, &ta, draw_ctx->clip_area)) return;

    /*Inverse transform in 16.16 fixed point: sin/cos interpolated between whole degrees*/
    int32_t angle = dsc->angle % 3600;
    if(angle < 0) angle += 3600;
    int32_t a_low = angle / 10, a_rem = angle % 10;
    int32_t sin_a = (lv_trigo_sin((int16_t)a_low) * (10 - a_rem) + lv_trigo_sin((int16_t)(a_low + 1)) * a_rem) / 10;
    int32_t cos_a = (lv_trigo_cos((int16_t)a_low) * (10 - a_rem) + lv_trigo_cos((int16_t)(a_low + 1)) * a_rem) / 10;
    /*d(src)/d(dest x) and d(src)/d(dest y), 16.16: R(-a) / zoom*/
    int64_t inv_zoom = ((int64_t)256 << 16) / dsc->zoom;
    int32_t dxx = (int32_t)((cos_a * inv_zoom) >> LV_TRIGO_SHIFT);
    int32_t dxy = (int32_t)((sin_a * inv_zoom) >> LV_TRIGO_SHIFT);
    int32_t pivot_x = coords->x1 + dsc->pivot.x, pivot_y = coords->y1 + dsc->pivot.y;

    int32_t cw = lv_area_get_width(&clip);
    int32_t band_h = LV_MAX(1, BAND_PX_MAX / cw);
    int32_t max_h = LV_MIN(band_h, lv_area_get_height(&clip));
    lv_opa_t * abuf = lv_mem_buf_get((uint32_t)(cw * max_h));
    lv_color_t * cbuf = lv_mem_buf_get((uint32_t)(cw * max_h) * sizeof(lv_color_t));
    if(abuf == NULL || cbuf == NULL) {
        if(abuf) lv_mem_buf_release(abuf);
        if(cbuf) lv_mem_buf_release(cbuf);
        return;
    }

    for(int32_t y1 = clip.y1; y1 <= clip.y2; y1 += band_h) {
        lv_area_t band = {clip.x1, (lv_coord_t)y1, clip.x2, (lv_coord_t)LV_MIN(clip.y2, y1 + band_h - 1)};
        bool alpha_used = false;
        for(int32_t y = band.y1; y <= band.y2; y++) {
            /*Source position of this row's first pixel centre; pixel i's centre is at i (16.16)*/
            int64_t rx = (int64_t)(clip.x1 - pivot_x) * 65536 + 0x8000;
            int64_t ry = (int64_t)(y - pivot_y) * 65536 + 0x8000;
            int32_t sx = (int32_t)(((rx * dxx) >> 16) + ((ry * dxy) >> 16)) + (dsc->pivot.x * 65536) - 0x8000;
            int32_t sy = (int32_t)(((ry * dxx) >> 16) - ((rx * dxy) >> 16)) + (dsc->pivot.y * 65536) - 0x8000;
            lv_color_t * c_row = &cbuf[(y - band.y1) * cw];
            lv_opa_t * a_row = &abuf[(y - band.y1) * cw];
            if(dsc->antialias) alpha_used |= sample_row_bilinear(img, sx, sy, dxx, -dxy, cw, c_row, a_row);
            else alpha_used |= sample_row_nearest(img, sx, sy, dxx, -dxy, cw, c_row, a_row);
        }
        bool opaque = finish_band(dsc, img->cf, cbuf, abuf, &band, alpha_used);
        blend_band(draw_ctx, dsc, &band, cbuf, abuf, opaque);
    }

    lv_mem_buf_release(abuf);
    lv_mem_buf_release(cbuf);
}

/* Linear interpolation of two 8-bit lanes (bits 0-7 and 16-23) at once; f in 0..255. */
static inline uint32_t lerp_lanes(uint32_t a, uint32_t b, uint32_t f)
{
    return ((a * (256 - f) + b * f) >> 8) & 0xFF00FFu;
}

/* Nearest pixel sampling along a row: (sx, sy) is the first pixel centre's
 * source position in 16.16, stepping by (step_x, step_y). Returns true if
 * any sample is not fully opaque. */
static bool sample_row_nearest(const img_src_t * img, int32_t sx, int32_t sy, int32_t step_x, int32_t step_y,
                               int32_t n, lv_color_t * c_row, lv_opa_t * a_row)
{
    bool alpha_used = false;
    for(int32_t x = 0; x < n; x++, sx += step_x, sy += step_y) {
        int32_t px = (sx + 0x8000) >> 16, py = (sy + 0x8000) >> 16;
        if(px < 0 || py < 0 || px >= img->w || py >= img->h) {
            a_row[x] = 0;
            c_row[x].full = 0;
        }
        else {
            read_px(img, px, py, &c_row[x], &a_row[x]);
        }
        if(a_row[x] != 255) alpha_used = true;
    }
    return alpha_used;
}

/* Bilinear sampling: the four pixels around the source position, weighted
 * by distance and by their alpha (so transparent neighbours do not darken
 * the colour). Samples outside the image count as transparent, which
 * anti-aliases the image's edges. 32-bit pixels inside the image are read
 * directly; the rest goes through read_px. */
static bool sample_row_bilinear(const img_src_t * img, int32_t sx, int32_t sy, int32_t step_x, int32_t step_y,
                                int32_t n, lv_color_t * c_row, lv_opa_t * a_row)
{
    bool alpha_used = false;
    bool direct = img->cf == LV_IMG_CF_TRUE_COLOR_ALPHA || img->cf == LV_IMG_CF_TRUE_COLOR;
    uint32_t alpha_or = img->cf == LV_IMG_CF_TRUE_COLOR ? 0xFF000000u : 0;
    const uint32_t * px32 = (const uint32_t *)img->src;

    for(int32_t x = 0; x < n; x++, sx += step_x, sy += step_y) {
        int32_t x0 = sx >> 16, y0 = sy >> 16;
        uint32_t fx = ((uint32_t)sx >> 8) & 0xFF, fy = ((uint32_t)sy >> 8) & 0xFF;
        uint32_t p[4];
        if(direct && x0 >= 0 && y0 >= 0 && x0 + 1 < img->w && y0 + 1 < img->h) {
            const uint32_t * r0 = px32 + (size_t)y0 * (size_t)img->w + x0;
            const uint32_t * r1 = r0 + img->w;
            p[0] = r0[0] | alpha_or;
            p[1] = r0[1] | alpha_or;
            p[2] = r1[0] | alpha_or;
            p[3] = r1[1] | alpha_or;
        }
        else {
            for(int k = 0; k < 4; k++) {
                int32_t qx = x0 + (k & 1), qy = y0 + (k >> 1);
                lv_color_t c;
                lv_opa_t a = 0;
                c.full = 0;
                if(qx >= 0 && qy >= 0 && qx < img->w && qy < img->h) read_px(img, qx, qy, &c, &a);
                p[k] = (c.full & 0xFFFFFFu) | ((uint32_t)a << 24);
            }
        }

        if((p[0] & p[1] & p[2] & p[3]) >> 24 == 0xFF) {
            /*All opaque: interpolate red+blue and alpha+green as pairs of 8-bit lanes*/
            uint32_t rb = lerp_lanes(lerp_lanes(p[0] & 0xFF00FFu, p[1] & 0xFF00FFu, fx),
                                     lerp_lanes(p[2] & 0xFF00FFu, p[3] & 0xFF00FFu, fx), fy);
            uint32_t ag = lerp_lanes(lerp_lanes((p[0] >> 8) & 0xFF00FFu, (p[1] >> 8) & 0xFF00FFu, fx),
                                     lerp_lanes((p[2] >> 8) & 0xFF00FFu, (p[3] >> 8) & 0xFF00FFu, fx), fy);
            c_row[x].full = rb | (ag << 8) | 0xFF000000u;
            a_row[x] = 255;
            continue;
        }

        if(((p[0] | p[1] | p[2] | p[3]) >> 24) == 0) {
            /*All transparent (the corners around a round picture)*/
            c_row[x].full = 0;
            a_row[x] = 0;
            alpha_used = true;
            continue;
        }

        uint32_t w[4] = {(256 - fx) * (256 - fy), fx * (256 - fy), (256 - fx) * fy, fx * fy};   /*sum 65536*/

        uint32_t acc_a = 0, acc_r = 0, acc_g = 0, acc_b = 0;
        for(int k = 0; k < 4; k++) {
            uint32_t wa = (w[k] * (p[k] >> 24)) >> 8;     /*0..65280*/
            acc_a += wa;
            acc_r += wa * ((p[k] >> 16) & 0xFF);
            acc_g += wa * ((p[k] >> 8) & 0xFF);
            acc_b += wa * (p[k] & 0xFF);
        }
        a_row[x] = (lv_opa_t)(acc_a >> 8);
        if(acc_a) {
            /*One division for the three channels*/
            uint64_t inv = (((uint64_t)1 << 32) + acc_a - 1) / acc_a;
            c_row[x] = lv_color_make((uint8_t)((acc_r * inv) >> 32), (uint8_t)((acc_g * inv) >> 32),
                                     (uint8_t)((acc_b * inv) >> 32));
        }
        else {
            c_row[x].full = 0;
        }
        if(a_row[x] != 255) alpha_used = true;
    }
    return alpha_used;
}
