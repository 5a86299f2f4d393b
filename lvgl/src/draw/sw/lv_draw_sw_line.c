/**
 * @file lv_draw_sw_line.c
 * Lines. Horizontal and vertical lines with square ends are rectangles (and
 * dashes); any other line is drawn from its distance field: per pixel the
 * distance across the line and along it, which gives anti-aliased sides,
 * square ends perpendicular to the line and round caps alike.
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
#define FP 256      /* fixed-point unit of the distance computations: 1/256 px */

/**********************
 *  STATIC PROTOTYPES
 **********************/
static void draw_straight(lv_draw_ctx_t * draw_ctx, const lv_draw_line_dsc_t * dsc, const lv_point_t * p1,
                          const lv_point_t * p2);
static void draw_skew(lv_draw_ctx_t * draw_ctx, const lv_draw_line_dsc_t * dsc, const lv_point_t * p1,
                      const lv_point_t * p2);
static inline lv_opa_t edge_cov(int64_t inside_fp);
static uint32_t isqrt64(uint64_t v);

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

void lv_draw_sw_line(lv_draw_ctx_t * draw_ctx, const lv_draw_line_dsc_t * dsc, const lv_point_t * point1,
                     const lv_point_t * point2)
{
    if(dsc->width == 0 || dsc->opa <= LV_OPA_MIN) return;

    bool straight = point1->x == point2->x || point1->y == point2->y;
    bool round = dsc->round_start || dsc->round_end;
    if(straight && !round) draw_straight(draw_ctx, dsc, point1, point2);
    else draw_skew(draw_ctx, dsc, point1, point2);
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

/* A width-w line on row y covers rows y - w/2 .. y - w/2 + w - 1, so even
 * widths stay crisp. Dashes repeat from the line's start. */
static void draw_straight(lv_draw_ctx_t * draw_ctx, const lv_draw_line_dsc_t * dsc, const lv_point_t * p1,
                          const lv_point_t * p2)
{
    bool hor = p1->y == p2->y;
    int32_t w = dsc->width;
    lv_area_t a;
    if(hor) {
        a.x1 = LV_MIN(p1->x, p2->x);
        a.x2 = LV_MAX(p1->x, p2->x);
        a.y1 = (lv_coord_t)(p1->y - w / 2);
        a.y2 = (lv_coord_t)(a.y1 + w - 1);
    }
    else {
        a.y1 = LV_MIN(p1->y, p2->y);
        a.y2 = LV_MAX(p1->y, p2->y);
        a.x1 = (lv_coord_t)(p1->x - w / 2);
        a.x2 = (lv_coord_t)(a.x1 + w - 1);
    }

    lv_draw_rect_dsc_t rect_dsc;
    lv_draw_rect_dsc_init(&rect_dsc);
    rect_dsc.bg_color = dsc->color;
    rect_dsc.bg_opa = dsc->opa;
    rect_dsc.blend_mode = dsc->blend_mode;
    rect_dsc.border_width = 0;

    if(dsc->dash_width <= 0 || dsc->dash_gap <= 0) {
        lv_draw_sw_rect(draw_ctx, &rect_dsc, &a);
        return;
    }
    int32_t start = hor ? a.x1 : a.y1;
    int32_t end = hor ? a.x2 : a.y2;
    for(int32_t s = start; s <= end; s += dsc->dash_width + dsc->dash_gap) {
        lv_area_t d = a;
        int32_t e = LV_MIN(end, s + dsc->dash_width - 1);
        if(hor) {
            d.x1 = (lv_coord_t)s;
            d.x2 = (lv_coord_t)e;
        }
        else {
            d.y1 = (lv_coord_t)s;
            d.y2 = (lv_coord_t)e;
        }
        lv_draw_sw_rect(draw_ctx, &rect_dsc, &d);
    }
}

static inline lv_opa_t edge_cov(int64_t inside_fp)
{
    /*inside_fp: how far the pixel centre is inside the edge, 1/256 px; 0 on the edge*/
    int64_t v = 128 + inside_fp;
    if(v <= 0) return 0;
    if(v >= 255) return 255;
    return (lv_opa_t)v;
}

static uint32_t isqrt64(uint64_t v)
{
    uint64_t root = 0;
    uint64_t bit = (uint64_t)1 << 62;
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
    return (uint32_t)root;
}

/* Coordinates are taken at pixel centres for odd widths and at pixel corners
 * for even ones, matching the straight lines above. Per pixel: t = distance
 * along the line from p1, n = distance across it; the body covers
 * 0 <= t <= len and |n| <= w/2, a round cap the disc of radius w/2 at an end. */
static void draw_skew(lv_draw_ctx_t * draw_ctx, const lv_draw_line_dsc_t * dsc, const lv_point_t * p1,
                      const lv_point_t * p2)
{
    int32_t w = dsc->width;
    int64_t half = (int64_t)w * FP / 2;
    int64_t ofs = (w & 1) ? FP / 2 : 0;
    int64_t ax = p1->x * FP + ofs, ay = p1->y * FP + ofs;
    int64_t dx = (int64_t)(p2->x - p1->x) * FP, dy = (int64_t)(p2->y - p1->y) * FP;
    int64_t len = isqrt64((uint64_t)(dx * dx + dy * dy));   /*1/256 px*/

    lv_area_t area;
    area.x1 = (lv_coord_t)(LV_MIN(p1->x, p2->x) - w / 2 - 2);
    area.x2 = (lv_coord_t)(LV_MAX(p1->x, p2->x) + w / 2 + 2);
    area.y1 = (lv_coord_t)(LV_MIN(p1->y, p2->y) - w / 2 - 2);
    area.y2 = (lv_coord_t)(LV_MAX(p1->y, p2->y) + w / 2 + 2);
    lv_area_t clip;
    if(!_lv_area_intersect(&clip, &area, draw_ctx->clip_area)) return;

    int32_t cw = lv_area_get_width(&clip);
    lv_opa_t * mask_buf = lv_mem_buf_get((uint32_t)cw);
    if(mask_buf == NULL) return;
    lv_area_t row = {clip.x1, 0, clip.x2, 0};
    lv_draw_sw_blend_dsc_t out = {
        .blend_area = &row,
        .color = dsc->color,
        .mask_buf = mask_buf,
        .mask_area = &row,
        .opa = dsc->opa,
        .blend_mode = dsc->blend_mode,
    };

    for(int32_t y = clip.y1; y <= clip.y2; y++) {
        int64_t qy = y * FP + FP / 2 - ay;
        bool any = false;
        for(int32_t x = clip.x1; x <= clip.x2; x++) {
            int64_t qx = x * FP + FP / 2 - ax;
            int64_t t = len ? (qx * dx + qy * dy) / len : 0;
            int64_t n = len ? (qx * dy - qy * dx) / len : 0;
            if(n < 0) n = -n;
            lv_opa_t cov = 0;
            if(len) {
                lv_opa_t c_n = edge_cov(half - n);
                lv_opa_t c_t = LV_MIN(edge_cov(t), edge_cov(len - t));
                cov = LV_MIN(c_n, c_t);
            }
            if(dsc->round_start && t < FP) {
                int64_t d = isqrt64((uint64_t)(qx * qx + qy * qy));
                cov = LV_MAX(cov, edge_cov(half - d));
            }
            if(dsc->round_end && t > len - FP) {
                int64_t ex = qx - dx, ey = qy - dy;
                int64_t d = isqrt64((uint64_t)(ex * ex + ey * ey));
                cov = LV_MAX(cov, edge_cov(half - d));
            }
            mask_buf[x - clip.x1] = cov;
            if(cov) any = true;
        }
        if(!any) continue;
        row.y1 = row.y2 = (lv_coord_t)y;
        if(lv_draw_mask_apply(mask_buf, clip.x1, (lv_coord_t)y, (lv_coord_t)cw) == LV_DRAW_MASK_RES_TRANSP) continue;
        out.mask_res = LV_DRAW_MASK_RES_CHANGED;    /*the line's own coverage is in the buffer*/
        lv_draw_sw_blend(draw_ctx, &out);
    }
    lv_mem_buf_release(mask_buf);
}
