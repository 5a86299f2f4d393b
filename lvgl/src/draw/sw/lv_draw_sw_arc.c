/**
 * @file lv_draw_sw_arc.c
 * Arcs from their distance field: per pixel the distance from the centre
 * (the ring's two edges), the side of the start and end rays (the angle
 * range) and, with rounded ends, the distance to the two end caps.
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
#define FP 16           /* 1/16 px: keeps the squared distances of radii up to 4000 px in 32 bits */
#define RADIUS_MAX 4000

/**********************
 *  STATIC PROTOTYPES
 **********************/
static inline lv_opa_t cov_of(int32_t inside_fp);
static inline uint32_t isqrt32(uint32_t v);
static inline lv_opa_t cap_cov(int32_t qx, int32_t qy, int32_t half_w);
static int32_t ring_spans(int32_t cx, int32_t dy, int32_t r_out, int32_t r_in, int32_t * x1, int32_t * x2);

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

/* The centre is a pixel corner: a circle of radius r around (cx, cy) covers
 * the pixels cx - r .. cx + r - 1, so an arc fits an object of width 2r.
 * Angles are degrees, 0 pointing right, growing clockwise; the arc runs
 * clockwise from start to end, and start + 360 == end is a full ring. */
void lv_draw_sw_arc(lv_draw_ctx_t * draw_ctx, const lv_draw_arc_dsc_t * dsc, const lv_point_t * center,
                    uint16_t radius, uint16_t start_angle, uint16_t end_angle)
{
    if(dsc->opa <= LV_OPA_MIN || dsc->width == 0 || radius == 0 || start_angle == end_angle) return;
    if(radius > RADIUS_MAX) radius = RADIUS_MAX;

    int32_t r = radius;
    int32_t w = LV_MIN(dsc->width, r);
    bool full = (end_angle > start_angle ? end_angle - start_angle : start_angle - end_angle) % 360 == 0;
    int32_t sa = start_angle % 360, ea = end_angle % 360;
    int32_t delta = ((ea - sa) + 360) % 360;

    lv_area_t area = {(lv_coord_t)(center->x - r - 1), (lv_coord_t)(center->y - r - 1),
                      (lv_coord_t)(center->x + r), (lv_coord_t)(center->y + r)
                     };
    lv_area_t clip;
    if(!_lv_area_intersect(&clip, &area, draw_ctx->clip_area)) return;

    int32_t cw = lv_area_get_width(&clip);
    lv_opa_t * mask_buf = lv_mem_buf_get((uint32_t)cw);
    if(mask_buf == NULL) return;

    /*Start/end ray directions (x 32767) and the caps' centres (1/16 px, relative to the centre)*/
    int32_t sx = lv_trigo_cos((int16_t)sa), sy = lv_trigo_sin((int16_t)sa);
    int32_t ex = lv_trigo_cos((int16_t)ea), ey = lv_trigo_sin((int16_t)ea);
    int32_t cap_r = (r * FP - w * FP / 2);
    int32_t scx = (sx * cap_r) >> LV_TRIGO_SHIFT, scy = (sy * cap_r) >> LV_TRIGO_SHIFT;
    int32_t ecx = (ex * cap_r) >> LV_TRIGO_SHIFT, ecy = (ey * cap_r) >> LV_TRIGO_SHIFT;
    int32_t half_w = w * FP / 2;
    /*Rounded ends stick out of the ring's angle range but stay within the ring*/

    lv_draw_sw_blend_dsc_t blend_dsc;
    lv_memset_00(&blend_dsc, sizeof(blend_dsc));
    blend_dsc.color = dsc->color;
    blend_dsc.opa = dsc->opa;
    blend_dsc.blend_mode = dsc->blend_mode;
    lv_area_t row = {clip.x1, 0, clip.x2, 0};

    int32_t r_in = r - w;
    /*Squared distances (1/16 px) where the ring's edges begin and end to be partly covered*/
    uint32_t out_lo2 = (uint32_t)LV_MAX(r * FP - FP / 2, 0) * (uint32_t)LV_MAX(r * FP - FP / 2, 0);
    uint32_t out_hi2 = (uint32_t)(r * FP + FP / 2) * (uint32_t)(r * FP + FP / 2);
    uint32_t in_lo2 = r_in * FP - FP / 2 > 0 ? (uint32_t)(r_in * FP - FP / 2) * (uint32_t)(r_in * FP - FP / 2) : 0;
    uint32_t in_hi2 = r_in > 0 ? (uint32_t)(r_in * FP + FP / 2) * (uint32_t)(r_in * FP + FP / 2) : 0;
    for(int32_t y = clip.y1; y <= clip.y2; y++) {
        int32_t py = (y - center->y) * FP + FP / 2;
        lv_memset_00(mask_buf, (size_t)cw);
        /*Only two short spans of a row can be on the ring: skip the hole and the outside*/
        int32_t span_x1[2], span_x2[2];
        int32_t n_spans = ring_spans(center->x, y - center->y, r, r_in, span_x1, span_x2);
        bool any = false;
        for(int32_t s = 0; s < n_spans; s++) {
            int32_t x1 = LV_MAX(span_x1[s], clip.x1), x2 = LV_MIN(span_x2[s], clip.x2);
            for(int32_t x = x1; x <= x2; x++) {
                int32_t px = (x - center->x) * FP + FP / 2;
                uint32_t d2 = (uint32_t)(px * px + py * py);
                lv_opa_t cov;
                if(d2 >= out_hi2 || d2 <= in_lo2) cov = 0;
                else if(d2 <= out_lo2 && d2 >= in_hi2) cov = 255;   /*Well inside the ring: no root needed*/
                else {
                    int32_t d = (int32_t)isqrt32(d2);
                    cov = cov_of(r * FP - d);
                    if(r_in > 0) cov = LV_MIN(cov, cov_of(d - r_in * FP));   /*A full pie has no inner edge*/
                }
                if(!full && cov) {
                    /*cross(u, p) / 32767 is the distance of p from the ray's line, in 1/16 px*/
                    lv_opa_t c_s = cov_of((int32_t)(((int64_t)sx * py - (int64_t)sy * px + (1 << 14)) >> LV_TRIGO_SHIFT));
                    lv_opa_t c_e = cov_of((int32_t)(((int64_t)ey * px - (int64_t)ex * py + (1 << 14)) >> LV_TRIGO_SHIFT));
                    lv_opa_t c_a = delta > 180 ? LV_MAX(c_s, c_e) : LV_MIN(c_s, c_e);
                    cov = LV_MIN(cov, c_a);
                }
                if(!full && dsc->rounded && cov < 255) {
                    cov = LV_MAX(cov, cap_cov(px - scx, py - scy, half_w));
                    cov = LV_MAX(cov, cap_cov(px - ecx, py - ecy, half_w));
                }
                mask_buf[x - clip.x1] = cov;
                if(cov) any = true;
            }
        }
        if(!any) continue;
        row.y1 = row.y2 = (lv_coord_t)y;
        blend_dsc.mask_res = lv_draw_mask_apply(mask_buf, clip.x1, (lv_coord_t)y, (lv_coord_t)cw);
        if(blend_dsc.mask_res == LV_DRAW_MASK_RES_TRANSP) continue;
        blend_dsc.mask_res = LV_DRAW_MASK_RES_CHANGED;
        blend_dsc.mask_buf = mask_buf;
        blend_dsc.mask_area = &row;
        blend_dsc.blend_area = &row;
        lv_draw_sw_blend(draw_ctx, &blend_dsc);
    }
    lv_mem_buf_release(mask_buf);
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

/* Coverage of a round cap of radius half_w (1/16 px) at offset (qx, qy) from its centre. */
static inline lv_opa_t cap_cov(int32_t qx, int32_t qy, int32_t half_w)
{
    int32_t lim = half_w + FP;
    if(qx > lim || qx < -lim || qy > lim || qy < -lim) return 0;
    return cov_of(half_w - (int32_t)isqrt32((uint32_t)(qx * qx + qy * qy)));
}

/* The pixel columns of row dy (relative to the centre) that may touch the
 * ring between r_in and r_out: left and right of the hole, or one span where
 * the row passes above or below it. One pixel of margin for anti-aliasing. */
static int32_t ring_spans(int32_t cx, int32_t dy, int32_t r_out, int32_t r_in, int32_t * x1, int32_t * x2)
{
    int32_t yc = LV_ABS(dy * 2 + 1);     /*distance of the row's centre, in half pixels*/
    int32_t ro2 = (r_out + 1) * 2;
    if(yc >= ro2) return 0;
    int32_t half_out = (int32_t)isqrt32((uint32_t)(ro2 * ro2 - yc * yc)) / 2 + 1;
    int32_t ri2 = (r_in - 1) * 2;
    if(r_in <= 1 || yc >= ri2) {
        x1[0] = cx - half_out;
        x2[0] = cx + half_out;
        return 1;
    }
    int32_t half_in = (int32_t)isqrt32((uint32_t)(ri2 * ri2 - yc * yc)) / 2 - 1;
    x1[0] = cx - half_out;
    x2[0] = cx - half_in - 1;
    x1[1] = cx + half_in;
    x2[1] = cx + half_out;
    return 2;
}

/* Coverage of a pixel whose centre is `inside_fp` (1/16 px) inside an edge. */
static inline lv_opa_t cov_of(int32_t inside_fp)
{
    int32_t v = 128 + inside_fp * 255 / FP;
    if(v <= 0) return 0;
    if(v >= 255) return 255;
    return (lv_opa_t)v;
}

static inline uint32_t isqrt32(uint32_t v)
{
    uint32_t root = 0;
    uint32_t bit = 1u << 30;
    while(bit > v) bit >>= 2;
    while(bit) {
        if(v >= root + bit) {
            v -= root + bit;
            root = (root >> 1) + bit;
        }
        else {
            root >>= 1;
        }
        bit >>= 2;
    }
    return root;
}
