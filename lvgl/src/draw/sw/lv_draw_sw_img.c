/**
 * @file lv_draw_sw_img.c
 * Images: true colour (with alpha, or chroma keyed) and alpha-only pixels,
 * with opacity, recolour, zoom and rotation.
 *
 * An image drawn as it is goes to the blend step straight from its own rows
 * whenever it can: a band of an opaque image is then a plain bitmap copy the
 * window host may take over, and a band with alpha carries only an opacity
 * buffer beside it. A zoomed or rotated image is resampled once into a
 * ready-drawn picture (lv_draw_sw_img_cache.c) and later frames blend that;
 * when the picture does not fit the cache, the visible rows are resampled
 * band by band instead, with the same result.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_draw_sw.h"
#include "lv_draw_sw_img_cache.h"
#include "../../misc/lv_math.h"
#include "../../misc/lv_mem.h"

/*********************
 *      DEFINES
 *********************/
#define BAND_PX_MAX (64 * 1024)   /* pixels per band: bounds the temporary buffers */
#define ONE 65536                 /* 1.0 in the 16.16 source positions */
#define HALF 32768

/**********************
 *      TYPEDEFS
 **********************/
typedef struct {
    const uint8_t * px;
    int32_t w;
    int32_t h;
    lv_img_cf_t cf;
} source_t;

/* Target pixel (x, y) looks at the source at row_x + (x - x0) * step_x,
 * row_y + (x - x0) * step_y (16.16, source pixel centres on whole numbers):
 * the image turned back by the angle and scaled by 1 / zoom around the
 * pivot. */
typedef struct {
    int32_t dxx;            /* d(source x) / d(target x), also d(source y) / d(target y) */
    int32_t dxy;            /* d(source x) / d(target y), minus d(source y) / d(target x) */
    int32_t pivot_abs_x;
    int32_t pivot_abs_y;
    lv_point_t pivot;
    bool smooth;            /* bilinear, else nearest pixel */
} mapping_t;

/* Everything a picture or a band is sampled from. */
typedef struct {
    const source_t * src;
    const mapping_t * map;
    const lv_draw_img_dsc_t * dsc;
    lv_area_t area;         /* what to sample, absolute */
} sampling_t;

/**********************
 *  STATIC PROTOTYPES
 **********************/
static void draw_as_is(lv_draw_ctx_t * draw_ctx, const lv_draw_img_dsc_t * dsc, const lv_area_t * coords,
                       const source_t * src);
static void draw_transformed(lv_draw_ctx_t * draw_ctx, const lv_draw_img_dsc_t * dsc, const lv_area_t * coords,
                             const source_t * src);

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

void lv_draw_sw_img_decoded(lv_draw_ctx_t * draw_ctx, const lv_draw_img_dsc_t * dsc, const lv_area_t * coords,
                            const uint8_t * src_buf, lv_img_cf_t cf)
{
    if(dsc->opa <= LV_OPA_MIN || src_buf == NULL) return;
    switch(cf) {
        case LV_IMG_CF_TRUE_COLOR:
        case LV_IMG_CF_TRUE_COLOR_ALPHA:
        case LV_IMG_CF_TRUE_COLOR_CHROMA_KEYED:
        case LV_IMG_CF_ALPHA_8BIT:
            break;
        default:
            return;     /*formats the panel never uses*/
    }

    source_t src = {src_buf, lv_area_get_width(coords), lv_area_get_height(coords), cf};
    if(dsc->angle == 0 && dsc->zoom == LV_IMG_ZOOM_NONE) draw_as_is(draw_ctx, dsc, coords, &src);
    else if(dsc->zoom > 0) draw_transformed(draw_ctx, dsc, coords, &src);
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

/* One source pixel as colour and opacity. */
static inline void source_px(const source_t * src, int32_t x, int32_t y, lv_color_t * c, lv_opa_t * a)
{
    size_t at = (size_t)y * (size_t)src->w + (size_t)x;
    if(src->cf == LV_IMG_CF_ALPHA_8BIT) {
        c->full = 0;
        *a = src->px[at];
        return;
    }
    *c = ((const lv_color_t *)src->px)[at];
    switch(src->cf) {
        case LV_IMG_CF_TRUE_COLOR_ALPHA:
            *a = c->ch.alpha;
            break;
        case LV_IMG_CF_TRUE_COLOR_CHROMA_KEYED: {
                lv_color_t key = LV_COLOR_CHROMA_KEY;
                *a = ((c->full ^ key.full) & 0xFFFFFFu) ? 255 : 0;
                break;
            }
        default:
            *a = 255;
            break;
    }
}

/* Mix the recolour into n colours; alpha-only images take it as their colour. */
static void recolour(const lv_draw_img_dsc_t * dsc, lv_img_cf_t cf, lv_color_t * c, int32_t n)
{
    if(cf == LV_IMG_CF_ALPHA_8BIT) {
        lv_color_fill(c, dsc->recolor, (uint32_t)n);
        return;
    }
    if(dsc->recolor_opa <= LV_OPA_MIN) return;
    uint16_t tint[3];
    lv_color_premult(dsc->recolor, dsc->recolor_opa, tint);
    lv_opa_t keep = (lv_opa_t)(255 - dsc->recolor_opa);
    for(int32_t i = 0; i < n; i++) c[i] = lv_color_mix_premult(tint, c[i], keep);
}

static void send_to_blend(lv_draw_ctx_t * draw_ctx, const lv_draw_img_dsc_t * dsc, const lv_area_t * area,
                          const lv_color_t * colors, lv_color_t fill, lv_opa_t * opacity, const lv_area_t * opa_area)
{
    lv_draw_sw_blend_dsc_t out = {
        .blend_area = area,
        .src_buf = colors,
        .color = fill,
        .mask_buf = opacity,
        .mask_res = opacity ? LV_DRAW_MASK_RES_CHANGED : LV_DRAW_MASK_RES_FULL_COVER,
        .mask_area = opacity ? opa_area : NULL,
        .opa = dsc->opa,
        .blend_mode = dsc->blend_mode,
    };
    lv_draw_sw_blend(draw_ctx, &out);
}

/* Run the global masks over a band of opacities (rows of the band's width).
 * Returns false when they hid the whole band. */
static bool mask_band(lv_opa_t * opacity, const lv_area_t * band)
{
    int32_t w = lv_area_get_width(band);
    bool shows = false;
    for(int32_t y = band->y1; y <= band->y2; y++) {
        lv_opa_t * row = &opacity[(y - band->y1) * w];
        if(lv_draw_mask_apply(row, band->x1, (lv_coord_t)y, (lv_coord_t)w) == LV_DRAW_MASK_RES_TRANSP) {
            lv_memset_00(row, (size_t)w);
        }
        else {
            shows = true;
        }
    }
    return shows;
}

/*----------------------------------------------------------------------
 * Untransformed images
 *----------------------------------------------------------------------*/

/* The opacities of the source over `band` (absolute, inside `coords`) into
 * `opacity`; returns true when they are all 255. */
static bool band_opacity(const source_t * src, const lv_area_t * coords, const lv_area_t * band, lv_opa_t * opacity)
{
    int32_t w = lv_area_get_width(band);
    if(src->cf == LV_IMG_CF_TRUE_COLOR) {
        lv_memset_ff(opacity, (size_t)(w * lv_area_get_height(band)));
        return true;
    }
    uint32_t all = 0xFF;
    for(int32_t y = band->y1; y <= band->y2; y++) {
        int32_t sy = y - coords->y1;
        int32_t sx = band->x1 - coords->x1;
        lv_opa_t * out = &opacity[(y - band->y1) * w];
        if(src->cf == LV_IMG_CF_TRUE_COLOR_ALPHA) {
            /*the alpha byte is the top byte of each 32-bit pixel*/
            const uint32_t * in = (const uint32_t *)src->px + (size_t)sy * (size_t)src->w + sx;
            for(int32_t i = 0; i < w; i++) {
                out[i] = (lv_opa_t)(in[i] >> 24);
                all &= out[i];
            }
            continue;
        }
        for(int32_t i = 0; i < w; i++) {
            lv_color_t c;
            source_px(src, sx + i, sy, &c, &out[i]);
            all &= out[i];
        }
    }
    return all == 0xFF;
}

/* Bands of whole rows. The colours come straight from the image (rows of
 * its full width, the blend step clips them) unless a recolour needs a
 * changed copy; an alpha-only image is a fill in its recolour colour. */
static void draw_as_is(lv_draw_ctx_t * draw_ctx, const lv_draw_img_dsc_t * dsc, const lv_area_t * coords,
                       const source_t * src)
{
    lv_area_t clip;
    if(!_lv_area_intersect(&clip, coords, draw_ctx->clip_area)) return;

    bool alpha_only = src->cf == LV_IMG_CF_ALPHA_8BIT;
    bool tinted = !alpha_only && dsc->recolor_opa > LV_OPA_MIN;
    int32_t cw = lv_area_get_width(&clip);
    int32_t band_h = LV_MIN(LV_MAX(1, BAND_PX_MAX / cw), lv_area_get_height(&clip));
    lv_opa_t * opacity = lv_mem_buf_get((uint32_t)(cw * band_h));
    lv_color_t * tint_buf = tinted ? lv_mem_buf_get((uint32_t)(cw * band_h) * sizeof(lv_color_t)) : NULL;
    if(opacity == NULL || (tinted && tint_buf == NULL)) {
        if(opacity) lv_mem_buf_release(opacity);
        if(tint_buf) lv_mem_buf_release(tint_buf);
        return;
    }

    bool masked = lv_draw_mask_is_any(&clip);
    for(int32_t y1 = clip.y1; y1 <= clip.y2; y1 += band_h) {
        lv_area_t band = {clip.x1, (lv_coord_t)y1, clip.x2, (lv_coord_t)LV_MIN(clip.y2, y1 + band_h - 1)};
        bool opaque = band_opacity(src, coords, &band, opacity);
        if(masked) {
            if(!mask_band(opacity, &band)) continue;
            opaque = false;
        }
        lv_opa_t * mask = opaque ? NULL : opacity;

        if(alpha_only) {
            send_to_blend(draw_ctx, dsc, &band, NULL, dsc->recolor, mask, &band);
        }
        else if(tinted) {
            int32_t bh = lv_area_get_height(&band);
            for(int32_t r = 0; r < bh; r++) {
                const lv_color_t * in = (const lv_color_t *)src->px +
                                        (size_t)(band.y1 - coords->y1 + r) * (size_t)src->w + (band.x1 - coords->x1);
                lv_memcpy(&tint_buf[r * cw], in, (size_t)cw * sizeof(lv_color_t));
            }
            recolour(dsc, src->cf, tint_buf, cw * bh);
            send_to_blend(draw_ctx, dsc, &band, tint_buf, dsc->recolor, mask, &band);
        }
        else {
            lv_area_t rows = {coords->x1, band.y1, coords->x2, band.y2};
            const lv_color_t * in = (const lv_color_t *)src->px + (size_t)(band.y1 - coords->y1) * (size_t)src->w;
            send_to_blend(draw_ctx, dsc, &rows, in, dsc->recolor, mask, &band);
        }
    }

    lv_mem_buf_release(opacity);
    if(tint_buf) lv_mem_buf_release(tint_buf);
}

/*----------------------------------------------------------------------
 * Resampling
 *----------------------------------------------------------------------*/

/* sin and cos of the angle (0.1 degrees) are interpolated between whole
 * degrees; the steps are R(-angle) / zoom in 16.16. */
static void mapping_init(mapping_t * m, const lv_draw_img_dsc_t * dsc, const lv_area_t * coords)
{
    int32_t tenths = dsc->angle % 3600;
    if(tenths < 0) tenths += 3600;
    int32_t deg = tenths / 10, part = tenths % 10;
    int32_t s = (lv_trigo_sin((int16_t)deg) * (10 - part) + lv_trigo_sin((int16_t)(deg + 1)) * part) / 10;
    int32_t c = (lv_trigo_cos((int16_t)deg) * (10 - part) + lv_trigo_cos((int16_t)(deg + 1)) * part) / 10;
    int64_t shrink = ((int64_t)256 * ONE) / dsc->zoom;
    m->dxx = (int32_t)((c * shrink) >> LV_TRIGO_SHIFT);
    m->dxy = (int32_t)((s * shrink) >> LV_TRIGO_SHIFT);
    m->pivot = dsc->pivot;
    m->pivot_abs_x = coords->x1 + dsc->pivot.x;
    m->pivot_abs_y = coords->y1 + dsc->pivot.y;
    m->smooth = dsc->antialias;
}

/* Where the centre of target pixel (x, y) falls in the source. Splitting
 * the products keeps them exact, so any starting column gives the same
 * positions a whole row would. */
static void source_pos(const mapping_t * m, int32_t x, int32_t y, int32_t * sx, int32_t * sy)
{
    int64_t tx = (int64_t)(x - m->pivot_abs_x) * ONE + HALF;
    int64_t ty = (int64_t)(y - m->pivot_abs_y) * ONE + HALF;
    *sx = (int32_t)(((tx * m->dxx) >> 16) + ((ty * m->dxy) >> 16)) + m->pivot.x * ONE - HALF;
    *sy = (int32_t)(((ty * m->dxx) >> 16) - ((tx * m->dxy) >> 16)) + m->pivot.y * ONE - HALF;
}

/* Red and blue (or alpha and green) as two 8-bit lanes, mixed at once; f 0..255. */
static inline uint32_t mix_lanes(uint32_t a, uint32_t b, uint32_t f)
{
    return ((a * (256 - f) + b * f) >> 8) & 0xFF00FFu;
}

/* Four source pixels (as 0xAARRGGBB) weighed by the fractions fx, fy.
 * Colours are weighed by opacity too, so a transparent neighbour (or the
 * outside of the image) lends no colour, only transparency. */
static inline void weigh_four(const uint32_t p[4], uint32_t fx, uint32_t fy, lv_color_t * c, lv_opa_t * a)
{
    uint32_t every = p[0] & p[1] & p[2] & p[3];
    uint32_t any = p[0] | p[1] | p[2] | p[3];
    if(every >> 24 == 0xFF) {
        uint32_t rb = mix_lanes(mix_lanes(p[0] & 0xFF00FFu, p[1] & 0xFF00FFu, fx),
                                mix_lanes(p[2] & 0xFF00FFu, p[3] & 0xFF00FFu, fx), fy);
        uint32_t ag = mix_lanes(mix_lanes((p[0] >> 8) & 0xFF00FFu, (p[1] >> 8) & 0xFF00FFu, fx),
                                mix_lanes((p[2] >> 8) & 0xFF00FFu, (p[3] >> 8) & 0xFF00FFu, fx), fy);
        c->full = rb | (ag << 8) | 0xFF000000u;
        *a = 255;
        return;
    }
    if(any >> 24 == 0) {
        c->full = 0;
        *a = 0;
        return;
    }
    const uint32_t wt[4] = {(256 - fx) * (256 - fy), fx * (256 - fy), (256 - fx) * fy, fx * fy};
    uint32_t sum_a = 0, sum_r = 0, sum_g = 0, sum_b = 0;
    for(int k = 0; k < 4; k++) {
        uint32_t w = (wt[k] * (p[k] >> 24)) >> 8;
        sum_a += w;
        sum_r += w * ((p[k] >> 16) & 0xFF);
        sum_g += w * ((p[k] >> 8) & 0xFF);
        sum_b += w * (p[k] & 0xFF);
    }
    *a = (lv_opa_t)(sum_a >> 8);
    if(sum_a == 0) {
        c->full = 0;
        return;
    }
    uint64_t recip = (((uint64_t)1 << 32) + sum_a - 1) / sum_a;     /*one division for three channels*/
    *c = lv_color_make((uint8_t)((sum_r * recip) >> 32), (uint8_t)((sum_g * recip) >> 32),
                       (uint8_t)((sum_b * recip) >> 32));
}

/* A source pixel as 0xAARRGGBB, transparent black outside the image. */
static inline uint32_t packed_px(const source_t * src, int32_t x, int32_t y)
{
    if(x < 0 || y < 0 || x >= src->w || y >= src->h) return 0;
    lv_color_t c;
    lv_opa_t a;
    source_px(src, x, y, &c, &a);
    return (lv_color_to32(c) & 0xFFFFFFu) | ((uint32_t)a << 24);
}

/* n target pixels from (x, y) rightwards into c and a; returns true when
 * any of them is not fully opaque. */
static bool sample_row(const source_t * src, const mapping_t * m, int32_t x, int32_t y, int32_t n, lv_color_t * c,
                       lv_opa_t * a)
{
    int32_t sx, sy;
    source_pos(m, x, y, &sx, &sy);
    int32_t step_x = m->dxx, step_y = -m->dxy;
    uint32_t and_all = 0xFF;

    if(!m->smooth) {
        for(int32_t i = 0; i < n; i++, sx += step_x, sy += step_y) {
            int32_t px = (sx + HALF) >> 16, py = (sy + HALF) >> 16;
            if(px < 0 || py < 0 || px >= src->w || py >= src->h) {
                c[i].full = 0;
                a[i] = 0;
            }
            else {
                source_px(src, px, py, &c[i], &a[i]);
            }
            and_all &= a[i];
        }
        return and_all != 0xFF;
    }

    /*32-bit formats are read directly while all four pixels are inside*/
    bool direct = src->cf == LV_IMG_CF_TRUE_COLOR_ALPHA || src->cf == LV_IMG_CF_TRUE_COLOR;
    uint32_t force_opaque = src->cf == LV_IMG_CF_TRUE_COLOR ? 0xFF000000u : 0;
    const uint32_t * words = (const uint32_t *)src->px;
    for(int32_t i = 0; i < n; i++, sx += step_x, sy += step_y) {
        int32_t x0 = sx >> 16, y0 = sy >> 16;
        uint32_t p[4];
        if(direct && x0 >= 0 && y0 >= 0 && x0 + 1 < src->w && y0 + 1 < src->h) {
            const uint32_t * top = words + (size_t)y0 * (size_t)src->w + x0;
            const uint32_t * bottom = top + src->w;
            p[0] = top[0] | force_opaque;
            p[1] = top[1] | force_opaque;
            p[2] = bottom[0] | force_opaque;
            p[3] = bottom[1] | force_opaque;
        }
        else {
            p[0] = packed_px(src, x0, y0);
            p[1] = packed_px(src, x0 + 1, y0);
            p[2] = packed_px(src, x0, y0 + 1);
            p[3] = packed_px(src, x0 + 1, y0 + 1);
        }
        weigh_four(p, ((uint32_t)sx >> 8) & 0xFF, ((uint32_t)sy >> 8) & 0xFF, &c[i], &a[i]);
        and_all &= a[i];
    }
    return and_all != 0xFF;
}

/* Fills a whole picture, row by row (the cache's render callback). */
static void render_picture(_lv_img_pic_t * pic, void * user)
{
    const sampling_t * job = user;
    int32_t w = lv_area_get_width(&job->area);
    for(int32_t y = job->area.y1; y <= job->area.y2; y++) {
        size_t at = (size_t)(y - job->area.y1) * (size_t)w;
        bool alpha = sample_row(job->src, job->map, job->area.x1, y, w, &pic->color[at], &pic->alpha[at]);
        recolour(job->dsc, job->src->cf, &pic->color[at], w);
        pic->opaque_row[y - job->area.y1] = !alpha;
    }
}

/* Blend the visible part of a ready picture covering `area` (absolute).
 * Without global masks the picture's own rows go to the blend step, split
 * where rows turn from fully opaque (no opacity buffer needed) to not; with
 * masks the opacities of the visible columns are copied and masked first. */
static void blend_picture(lv_draw_ctx_t * draw_ctx, const lv_draw_img_dsc_t * dsc, const _lv_img_pic_t * pic,
                          const lv_area_t * area, const lv_area_t * clip)
{
    int32_t w = lv_area_get_width(area);
    if(!lv_draw_mask_is_any(clip)) {
        int32_t y = clip->y1;
        while(y <= clip->y2) {
            uint8_t opaque = pic->opaque_row[y - area->y1];
            int32_t end = y;
            while(end < clip->y2 && pic->opaque_row[end + 1 - area->y1] == opaque) end++;
            lv_area_t rows = {area->x1, (lv_coord_t)y, area->x2, (lv_coord_t)end};
            size_t at = (size_t)(y - area->y1) * (size_t)w;
            send_to_blend(draw_ctx, dsc, &rows, &pic->color[at], dsc->recolor, opaque ? NULL : &pic->alpha[at], &rows);
            y = end + 1;
        }
        return;
    }

    int32_t cw = lv_area_get_width(clip);
    int32_t band_h = LV_MIN(LV_MAX(1, BAND_PX_MAX / cw), lv_area_get_height(clip));
    lv_opa_t * opacity = lv_mem_buf_get((uint32_t)(cw * band_h));
    if(opacity == NULL) return;
    for(int32_t y1 = clip->y1; y1 <= clip->y2; y1 += band_h) {
        lv_area_t band = {clip->x1, (lv_coord_t)y1, clip->x2, (lv_coord_t)LV_MIN(clip->y2, y1 + band_h - 1)};
        for(int32_t y = band.y1; y <= band.y2; y++) {
            const lv_opa_t * in = &pic->alpha[(size_t)(y - area->y1) * (size_t)w + (size_t)(clip->x1 - area->x1)];
            lv_memcpy(&opacity[(y - band.y1) * cw], in, (size_t)cw);
        }
        if(!mask_band(opacity, &band)) continue;
        lv_area_t rows = {area->x1, band.y1, area->x2, band.y2};
        const lv_color_t * colors = &pic->color[(size_t)(band.y1 - area->y1) * (size_t)w];
        send_to_blend(draw_ctx, dsc, &rows, colors, dsc->recolor, opacity, &band);
    }
    lv_mem_buf_release(opacity);
}

/* Without a picture: the visible rows resampled in bands. */
static void blend_resampled(lv_draw_ctx_t * draw_ctx, const sampling_t * job, const lv_area_t * clip)
{
    int32_t cw = lv_area_get_width(clip);
    int32_t band_h = LV_MIN(LV_MAX(1, BAND_PX_MAX / cw), lv_area_get_height(clip));
    lv_opa_t * opacity = lv_mem_buf_get((uint32_t)(cw * band_h));
    lv_color_t * colors = lv_mem_buf_get((uint32_t)(cw * band_h) * sizeof(lv_color_t));
    if(opacity == NULL || colors == NULL) {
        if(opacity) lv_mem_buf_release(opacity);
        if(colors) lv_mem_buf_release(colors);
        return;
    }
    bool masked = lv_draw_mask_is_any(clip);
    for(int32_t y1 = clip->y1; y1 <= clip->y2; y1 += band_h) {
        lv_area_t band = {clip->x1, (lv_coord_t)y1, clip->x2, (lv_coord_t)LV_MIN(clip->y2, y1 + band_h - 1)};
        bool alpha = false;
        for(int32_t y = band.y1; y <= band.y2; y++) {
            int32_t at = (y - band.y1) * cw;
            alpha |= sample_row(job->src, job->map, clip->x1, y, cw, &colors[at], &opacity[at]);
        }
        recolour(job->dsc, job->src->cf, colors, cw * lv_area_get_height(&band));
        if(masked) {
            if(!mask_band(opacity, &band)) continue;
            alpha = true;
        }
        send_to_blend(draw_ctx, job->dsc, &band, colors, job->dsc->recolor, alpha ? opacity : NULL, &band);
    }
    lv_mem_buf_release(opacity);
    lv_mem_buf_release(colors);
}

/* Samples that fall outside the image are transparent, which also smooths
 * the image's edges; the transformed area has a pixel of margin for that. */
static void draw_transformed(lv_draw_ctx_t * draw_ctx, const lv_draw_img_dsc_t * dsc, const lv_area_t * coords,
                             const source_t * src)
{
    lv_area_t rel;
    _lv_img_buf_get_transformed_area(&rel, (lv_coord_t)src->w, (lv_coord_t)src->h, dsc->angle, dsc->zoom, &dsc->pivot);
    lv_area_t area = rel;
    lv_area_move(&area, coords->x1, coords->y1);
    lv_area_t clip;
    if(!_lv_area_intersect(&clip, &area, draw_ctx->clip_area)) return;

    mapping_t map;
    mapping_init(&map, dsc, coords);
    sampling_t job = {src, &map, dsc, area};

    uint32_t px_bytes = lv_img_cf_get_px_size(src->cf) / 8;
    _lv_img_pic_key_t key = {
        .data = src->px,
        .fingerprint = _lv_img_pic_fingerprint(src->px, (uint32_t)(src->w * src->h) * px_bytes),
        .w = src->w,
        .h = src->h,
        .cf = src->cf,
        .angle = dsc->angle,
        .zoom = dsc->zoom,
        .pivot = dsc->pivot,
        .antialias = dsc->antialias,
        .recolor = dsc->recolor_opa > LV_OPA_MIN || src->cf == LV_IMG_CF_ALPHA_8BIT ? lv_color_to32(dsc->recolor) : 0,
        .recolor_opa = dsc->recolor_opa,
    };
    /*The picture is kept relative to the image, so a moved image finds it again*/
    const _lv_img_pic_t * pic = _lv_img_pic_get(&key, &rel, render_picture, &job);
    if(pic == NULL) {
        blend_resampled(draw_ctx, &job, &clip);
        return;
    }
    blend_picture(draw_ctx, dsc, pic, &area, &clip);
    _lv_img_pic_done(pic);
}
