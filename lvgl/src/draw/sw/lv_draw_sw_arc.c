/**
 * @file lv_draw_sw_arc.c
 * Arcs from their distance field: per pixel the distance from the centre
 * (the ring's two edges), the side of the start and end rays (the angle
 * range) and, with rounded ends, the distance to the two end caps.
 */

/*********************
 *      INCLUDES
 *********************/
#include <math.h>
#include "lv_draw_sw.h"
#include "../../misc/lv_math.h"
#include "../../misc/lv_mem.h"

/*********************
 *      DEFINES
 *********************/
#define FP 16           /* 1/16 px: keeps the squared distances of radii up to 4000 px in 32 bits */
#define RADIUS_MAX 4000

/**********************
 *      TYPEDEFS
 **********************/

/* What every pixel of one arc needs, computed once. Positions relative to
 * the centre in 1/16 px; ray directions scaled by 32767. */
typedef struct {
    lv_point_t center;
    int32_t r;
    int32_t r_in;
    int32_t delta;          /* angle span in degrees */
    bool full;
    bool rounded;
    int32_t sx, sy, ex, ey; /* start and end ray directions */
    int32_t scx, scy, ecx, ecy, half_w;     /* the round caps */
    uint32_t out_lo2, out_hi2, in_lo2, in_hi2;  /* squared distances bounding the edges' soft bands */
} arc_geom_t;

/**********************
 *  STATIC PROTOTYPES
 **********************/
static void arc_geom_init(arc_geom_t * g, const lv_draw_arc_dsc_t * dsc, const lv_point_t * center, int32_t r,
                          uint16_t start_angle, uint16_t end_angle);
static bool arc_row(const arc_geom_t * g, int32_t y, int32_t clip_x1, int32_t clip_x2, lv_opa_t * mask_buf,
                    int32_t * lo, int32_t * hi);
static inline lv_opa_t arc_px_cov(const arc_geom_t * g, int32_t px, int32_t py, int64_t cross_s, int64_t cross_e);
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
    int32_t r = LV_MIN(radius, RADIUS_MAX);

    lv_area_t area = {(lv_coord_t)(center->x - r - 1), (lv_coord_t)(center->y - r - 1),
                      (lv_coord_t)(center->x + r), (lv_coord_t)(center->y + r)
                     };
    lv_area_t clip;
    if(!_lv_area_intersect(&clip, &area, draw_ctx->clip_area)) return;

    int32_t cw = lv_area_get_width(&clip);
    lv_opa_t * mask_buf = lv_mem_buf_get((uint32_t)cw);
    if(mask_buf == NULL) return;

    arc_geom_t g;
    arc_geom_init(&g, dsc, center, r, start_angle, end_angle);

    lv_area_t row;
    lv_draw_sw_blend_dsc_t out = {
        .blend_area = &row,
        .color = dsc->color,
        .mask_res = LV_DRAW_MASK_RES_CHANGED,
        .mask_area = &row,
        .opa = dsc->opa,
        .blend_mode = dsc->blend_mode,
    };
    for(int32_t y = clip.y1; y <= clip.y2; y++) {
        int32_t lo, hi;
        if(!arc_row(&g, y, clip.x1, clip.x2, mask_buf, &lo, &hi)) continue;
        /*only the columns the ring touches go on*/
        lv_area_set(&row, (lv_coord_t)lo, (lv_coord_t)y, (lv_coord_t)hi, (lv_coord_t)y);
        out.mask_buf = &mask_buf[lo - clip.x1];
        if(lv_draw_mask_apply(out.mask_buf, (lv_coord_t)lo, (lv_coord_t)y, (lv_coord_t)(hi - lo + 1)) ==
           LV_DRAW_MASK_RES_TRANSP) continue;
        lv_draw_sw_blend(draw_ctx, &out);
    }
    lv_mem_buf_release(mask_buf);
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

static void arc_geom_init(arc_geom_t * g, const lv_draw_arc_dsc_t * dsc, const lv_point_t * center, int32_t r,
                          uint16_t start_angle, uint16_t end_angle)
{
    int32_t w = LV_MIN(dsc->width, r);
    int32_t sa = start_angle % 360, ea = end_angle % 360;
    g->center = *center;
    g->r = r;
    g->r_in = r - w;
    g->full = (end_angle > start_angle ? end_angle - start_angle : start_angle - end_angle) % 360 == 0;
    g->delta = ((ea - sa) + 360) % 360;
    g->rounded = dsc->rounded;
    g->sx = lv_trigo_cos((int16_t)sa);
    g->sy = lv_trigo_sin((int16_t)sa);
    g->ex = lv_trigo_cos((int16_t)ea);
    g->ey = lv_trigo_sin((int16_t)ea);
    /*The caps sit in the middle of the ring at both ends*/
    int32_t cap_r = r * FP - w * FP / 2;
    g->scx = (g->sx * cap_r) >> LV_TRIGO_SHIFT;
    g->scy = (g->sy * cap_r) >> LV_TRIGO_SHIFT;
    g->ecx = (g->ex * cap_r) >> LV_TRIGO_SHIFT;
    g->ecy = (g->ey * cap_r) >> LV_TRIGO_SHIFT;
    g->half_w = w * FP / 2;

    int32_t out_lo = LV_MAX(r * FP - FP / 2, 0), out_hi = r * FP + FP / 2;
    int32_t in_lo = LV_MAX(g->r_in * FP - FP / 2, 0), in_hi = g->r_in > 0 ? g->r_in * FP + FP / 2 : 0;
    g->out_lo2 = (uint32_t)out_lo * (uint32_t)out_lo;
    g->out_hi2 = (uint32_t)out_hi * (uint32_t)out_hi;
    g->in_lo2 = (uint32_t)in_lo * (uint32_t)in_lo;
    g->in_hi2 = (uint32_t)in_hi * (uint32_t)in_hi;
}

/* Coverage of the pixel whose centre is (px, py) by the whole ring. */
static inline lv_opa_t ring_cov(const arc_geom_t * g, int32_t px, int32_t py)
{
    uint32_t d2 = (uint32_t)(px * px + py * py);
    if(d2 >= g->out_hi2 || d2 <= g->in_lo2) return 0;
    if(d2 <= g->out_lo2 && d2 >= g->in_hi2) return 255;   /*well inside the ring: no root needed*/
    int32_t d = (int32_t)isqrt32(d2);
    lv_opa_t cov = cov_of(g->r * FP - d);
    if(g->r_in > 0) cov = LV_MIN(cov, cov_of(d - g->r_in * FP));   /*a full pie has no inner edge*/
    return cov;
}

/* The rounded ends' coverage where the ring's is below full. */
static inline lv_opa_t with_caps(const arc_geom_t * g, lv_opa_t cov, int32_t px, int32_t py)
{
    if(!g->rounded || cov == 255) return cov;
    cov = LV_MAX(cov, cap_cov(px - g->scx, py - g->scy, g->half_w));
    return LV_MAX(cov, cap_cov(px - g->ecx, py - g->ecy, g->half_w));
}

/* What the angle range does to a run of a row, judged from the cross
 * products at its first and last pixel: both rays' measures are linear
 * along the row, so a run whose ends are well inside (or well outside) a
 * ray's side is so throughout. */
typedef enum {
    ANGLE_KEEPS_ALL,
    ANGLE_HIDES_ALL,
    ANGLE_VARIES,
} angle_run_t;

static angle_run_t angle_on_run(const arc_geom_t * g, int64_t s_first, int64_t s_last, int64_t e_first,
                                int64_t e_last)
{
    if(g->full) return ANGLE_KEEPS_ALL;
    /*cov_of is 255 from 8/16 px inside and 0 from 9/16 px outside*/
    const int64_t in = ((int64_t)8 << LV_TRIGO_SHIFT) - (1 << 14);
    const int64_t out = -((int64_t)8 << LV_TRIGO_SHIFT) - (1 << 14);
    bool s_in = s_first >= in && s_last >= in, e_in = e_first >= in && e_last >= in;
    bool s_out = s_first < out && s_last < out, e_out = e_first < out && e_last < out;
    bool wide = g->delta > 180;
    if(wide ? (s_in || e_in) : (s_in && e_in)) return ANGLE_KEEPS_ALL;
    if(wide ? (s_out && e_out) : (s_out || e_out)) return ANGLE_HIDES_ALL;
    return ANGLE_VARIES;
}

/* Coverage of the pixel whose centre is (px, py) from the arc's centre by
 * the ring within the angle range (the round ends are the caller's).
 * cross_s and cross_e are the pixel's cross products with the start and
 * end rays (scaled by 32767), which change by a constant along a row and
 * so are stepped by the caller rather than multiplied out per pixel. */
static inline lv_opa_t arc_px_cov(const arc_geom_t * g, int32_t px, int32_t py, int64_t cross_s, int64_t cross_e)
{
    lv_opa_t cov = ring_cov(g, px, py);
    if(g->full) return cov;

    if(cov) {
        /*cross(u, p) / 32767 is the distance of p from the ray's line, in 1/16 px*/
        lv_opa_t c_s = cov_of((int32_t)((cross_s + (1 << 14)) >> LV_TRIGO_SHIFT));
        lv_opa_t c_e = cov_of((int32_t)((cross_e + (1 << 14)) >> LV_TRIGO_SHIFT));
        lv_opa_t c_a = g->delta > 180 ? LV_MAX(c_s, c_e) : LV_MIN(c_s, c_e);
        cov = LV_MIN(cov, c_a);
    }
    return cov;
}

/* One row's coverage into mask_buf (for x = clip_x1..clip_x2); only the two
 * short spans of the row that can meet the ring are computed, and
 * [lo, hi] receives the columns from the first to the last covered pixel.
 * Returns false when nothing of the row is covered. */
/* Coverage of pixels x1..x2 of the row at py (1/16 px from the centre)
 * into out[0..]. Each run is judged against the angle range once, so most
 * pixels only need the ring test; the round ends are added on rows they
 * reach. */
static void span_cover(const arc_geom_t * g, int32_t x1, int32_t x2, int32_t py, bool caps, lv_opa_t * out)
{
    int32_t n = x2 - x1 + 1;
    int32_t px0 = (x1 - g->center.x) * FP + FP / 2;
    int64_t cross_s = (int64_t)g->sx * py - (int64_t)g->sy * px0;
    int64_t cross_e = (int64_t)g->ey * px0 - (int64_t)g->ex * py;
    int64_t step_s = -(int64_t)g->sy * FP, step_e = (int64_t)g->ey * FP;
    angle_run_t angle = angle_on_run(g, cross_s, cross_s + step_s * (n - 1), cross_e, cross_e + step_e * (n - 1));

    if(angle == ANGLE_KEEPS_ALL) {
        for(int32_t i = 0; i < n; i++) out[i] = ring_cov(g, px0 + i * FP, py);
    }
    else if(angle == ANGLE_HIDES_ALL) {
        lv_memset_00(out, (size_t)n);
    }
    else {
        for(int32_t i = 0; i < n; i++, cross_s += step_s, cross_e += step_e) {
            out[i] = arc_px_cov(g, px0 + i * FP, py, cross_s, cross_e);
        }
    }
    if(!caps) return;
    for(int32_t i = 0; i < n; i++) {
        if(out[i] < 255) out[i] = with_caps(g, out[i], px0 + i * FP, py);
    }
}

/* One row's coverage into mask_buf (for x = clip_x1..clip_x2); only the two
 * short spans of the row that can meet the ring are computed, and
 * [lo, hi] receives the columns from the first to the last covered pixel.
 * Returns false when nothing of the row is covered. */
static bool arc_row(const arc_geom_t * g, int32_t y, int32_t clip_x1, int32_t clip_x2, lv_opa_t * mask_buf,
                    int32_t * lo, int32_t * hi)
{
    int32_t py = (y - g->center.y) * FP + FP / 2;
    int32_t span_x1[2], span_x2[2];
    int32_t n_spans = ring_spans(g->center.x, y - g->center.y, g->r, g->r_in, span_x1, span_x2);
    /*the round ends reach half the width (and a pixel) around their centres*/
    int32_t cap_reach = g->half_w + FP;
    bool caps = g->rounded && (LV_ABS(py - g->scy) <= cap_reach || LV_ABS(py - g->ecy) <= cap_reach);

    int32_t first = INT32_MAX, last = INT32_MIN;
    int32_t filled_to = clip_x1;    /*columns before this one are already written*/
    for(int32_t s = 0; s < n_spans; s++) {
        int32_t x1 = LV_MAX(span_x1[s], clip_x1), x2 = LV_MIN(span_x2[s], clip_x2);
        if(x1 > x2) continue;
        if(x1 > filled_to) lv_memset_00(&mask_buf[filled_to - clip_x1], (size_t)(x1 - filled_to));
        span_cover(g, x1, x2, py, caps, &mask_buf[x1 - clip_x1]);
        first = LV_MIN(first, x1);
        last = x2;
        filled_to = x2 + 1;
    }
    while(first <= last && mask_buf[first - clip_x1] == 0) first++;
    while(last >= first && mask_buf[last - clip_x1] == 0) last--;
    *lo = first;
    *hi = last;
    return first <= last;
}

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

/* floor(sqrt(v)): the double's estimate is at most one off, the checks make
 * it exact. */
static inline uint32_t isqrt32(uint32_t v)
{
    uint64_t root = (uint64_t)sqrt((double)v);
    if(root * root > v) root--;
    else if((root + 1) * (root + 1) <= v) root++;
    return (uint32_t)root;
}
