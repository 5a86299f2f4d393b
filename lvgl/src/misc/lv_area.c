/**
 * @file lv_area.c
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_area.h"
#include "lv_math.h"

/**********************
 *  STATIC PROTOTYPES
 **********************/
static bool lv_point_within_circle(int32_t cx, int32_t cy, int32_t r, const lv_point_t * p);

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

void lv_area_set(lv_area_t * area_p, lv_coord_t x1, lv_coord_t y1, lv_coord_t x2, lv_coord_t y2)
{
    area_p->x1 = x1;
    area_p->y1 = y1;
    area_p->x2 = x2;
    area_p->y2 = y2;
}

void lv_area_set_width(lv_area_t * area_p, lv_coord_t w)
{
    area_p->x2 = (lv_coord_t)(area_p->x1 + w - 1);
}

void lv_area_set_height(lv_area_t * area_p, lv_coord_t h)
{
    area_p->y2 = (lv_coord_t)(area_p->y1 + h - 1);
}

void _lv_area_set_pos(lv_area_t * area_p, lv_coord_t x, lv_coord_t y)
{
    lv_coord_t w = lv_area_get_width(area_p);
    lv_coord_t h = lv_area_get_height(area_p);
    area_p->x1   = x;
    area_p->y1   = y;
    lv_area_set_width(area_p, w);
    lv_area_set_height(area_p, h);
}

uint32_t lv_area_get_size(const lv_area_t * area_p)
{
    int32_t w = area_p->x2 - area_p->x1 + 1;
    int32_t h = area_p->y2 - area_p->y1 + 1;
    if(w <= 0 || h <= 0) return 0;
    return (uint32_t)w * (uint32_t)h;
}

void lv_area_increase(lv_area_t * area, lv_coord_t w_extra, lv_coord_t h_extra)
{
    area->x1 = (lv_coord_t)(area->x1 - w_extra);
    area->x2 = (lv_coord_t)(area->x2 + w_extra);
    area->y1 = (lv_coord_t)(area->y1 - h_extra);
    area->y2 = (lv_coord_t)(area->y2 + h_extra);
}

void lv_area_move(lv_area_t * area, lv_coord_t x_ofs, lv_coord_t y_ofs)
{
    area->x1 = (lv_coord_t)(area->x1 + x_ofs);
    area->x2 = (lv_coord_t)(area->x2 + x_ofs);
    area->y1 = (lv_coord_t)(area->y1 + y_ofs);
    area->y2 = (lv_coord_t)(area->y2 + y_ofs);
}

bool _lv_area_intersect(lv_area_t * res_p, const lv_area_t * a1_p, const lv_area_t * a2_p)
{
    res_p->x1 = LV_MAX(a1_p->x1, a2_p->x1);
    res_p->y1 = LV_MAX(a1_p->y1, a2_p->y1);
    res_p->x2 = LV_MIN(a1_p->x2, a2_p->x2);
    res_p->y2 = LV_MIN(a1_p->y2, a2_p->y2);
    return res_p->x1 <= res_p->x2 && res_p->y1 <= res_p->y2;
}

/* The pieces are: the full-width band above a2, the full-width band below it,
 * and the parts left and right of a2 between those bands. */
int8_t _lv_area_diff(lv_area_t res_p[], const lv_area_t * area_in, const lv_area_t * a2_p)
{
    lv_area_t common;
    if(!_lv_area_intersect(&common, area_in, a2_p)) return -1;

    int8_t n = 0;
    if(area_in->y1 < common.y1) {
        lv_area_set(&res_p[n++], area_in->x1, area_in->y1, area_in->x2, (lv_coord_t)(common.y1 - 1));
    }
    if(area_in->y2 > common.y2) {
        lv_area_set(&res_p[n++], area_in->x1, (lv_coord_t)(common.y2 + 1), area_in->x2, area_in->y2);
    }
    if(area_in->x1 < common.x1) {
        lv_area_set(&res_p[n++], area_in->x1, common.y1, (lv_coord_t)(common.x1 - 1), common.y2);
    }
    if(area_in->x2 > common.x2) {
        lv_area_set(&res_p[n++], (lv_coord_t)(common.x2 + 1), common.y1, area_in->x2, common.y2);
    }
    return n;
}

void _lv_area_join(lv_area_t * a_res_p, const lv_area_t * a1_p, const lv_area_t * a2_p)
{
    a_res_p->x1 = LV_MIN(a1_p->x1, a2_p->x1);
    a_res_p->y1 = LV_MIN(a1_p->y1, a2_p->y1);
    a_res_p->x2 = LV_MAX(a1_p->x2, a2_p->x2);
    a_res_p->y2 = LV_MAX(a1_p->y2, a2_p->y2);
}

/* The point is tested against the rectangle, then, when it lies beyond the
 * centre of a corner's circle in both directions, against that circle. */
bool _lv_area_is_point_on(const lv_area_t * a_p, const lv_point_t * p_p, lv_coord_t radius)
{
    if(p_p->x < a_p->x1 || p_p->x > a_p->x2 || p_p->y < a_p->y1 || p_p->y > a_p->y2) return false;
    if(radius <= 0) return true;

    int32_t max_r = LV_MIN(lv_area_get_width(a_p), lv_area_get_height(a_p)) / 2;
    int32_t r = LV_MIN((int32_t)radius, max_r);
    int32_t cx = p_p->x < a_p->x1 + r ? a_p->x1 + r : (p_p->x > a_p->x2 - r ? a_p->x2 - r : p_p->x);
    int32_t cy = p_p->y < a_p->y1 + r ? a_p->y1 + r : (p_p->y > a_p->y2 - r ? a_p->y2 - r : p_p->y);
    if(cx == p_p->x || cy == p_p->y) return true;
    return lv_point_within_circle(cx, cy, r, p_p);
}

bool _lv_area_is_on(const lv_area_t * a1_p, const lv_area_t * a2_p)
{
    return a1_p->x1 <= a2_p->x2 && a1_p->x2 >= a2_p->x1 && a1_p->y1 <= a2_p->y2 && a1_p->y2 >= a2_p->y1;
}

bool _lv_area_is_in(const lv_area_t * ain_p, const lv_area_t * aholder_p, lv_coord_t radius)
{
    if(ain_p->x1 < aholder_p->x1 || ain_p->y1 < aholder_p->y1 || ain_p->x2 > aholder_p->x2 ||
       ain_p->y2 > aholder_p->y2) {
        return false;
    }
    if(radius == 0) return true;

    /*All four corners must be inside the rounded holder*/
    lv_point_t p;
    p.x = ain_p->x1;
    p.y = ain_p->y1;
    if(!_lv_area_is_point_on(aholder_p, &p, radius)) return false;
    p.x = ain_p->x2;
    if(!_lv_area_is_point_on(aholder_p, &p, radius)) return false;
    p.y = ain_p->y2;
    if(!_lv_area_is_point_on(aholder_p, &p, radius)) return false;
    p.x = ain_p->x1;
    if(!_lv_area_is_point_on(aholder_p, &p, radius)) return false;
    return true;
}

bool _lv_area_is_out(const lv_area_t * aout_p, const lv_area_t * aholder_p, lv_coord_t radius)
{
    if(aout_p->x2 < aholder_p->x1 || aout_p->y2 < aholder_p->y1 || aout_p->x1 > aholder_p->x2 ||
       aout_p->y1 > aholder_p->y2) {
        return true;
    }
    if(radius == 0) return false;

    /*Touching only a cut-off corner still counts as outside*/
    lv_point_t p;
    p.x = aout_p->x1;
    p.y = aout_p->y1;
    if(_lv_area_is_point_on(aholder_p, &p, radius)) return false;
    p.x = aout_p->x2;
    if(_lv_area_is_point_on(aholder_p, &p, radius)) return false;
    p.y = aout_p->y2;
    if(_lv_area_is_point_on(aholder_p, &p, radius)) return false;
    p.x = aout_p->x1;
    if(_lv_area_is_point_on(aholder_p, &p, radius)) return false;
    return true;
}

bool _lv_area_is_equal(const lv_area_t * a, const lv_area_t * b)
{
    return a->x1 == b->x1 && a->x2 == b->x2 && a->y1 == b->y1 && a->y2 == b->y2;
}

/* Each alignment picks x and y from a few anchors: left/centre/right inside
 * the base, or just outside it. */
void lv_area_align(const lv_area_t * base, lv_area_t * to_align, lv_align_t align, lv_coord_t ofs_x, lv_coord_t ofs_y)
{
    int32_t bw = lv_area_get_width(base);
    int32_t bh = lv_area_get_height(base);
    int32_t w = lv_area_get_width(to_align);
    int32_t h = lv_area_get_height(to_align);
    int32_t in_left = 0, in_mid_x = bw / 2 - w / 2, in_right = bw - w;
    int32_t in_top = 0, in_mid_y = bh / 2 - h / 2, in_bottom = bh - h;
    int32_t x = 0, y = 0;

    switch(align) {
        case LV_ALIGN_CENTER: x = in_mid_x; y = in_mid_y; break;
        case LV_ALIGN_TOP_LEFT: x = in_left; y = in_top; break;
        case LV_ALIGN_TOP_MID: x = in_mid_x; y = in_top; break;
        case LV_ALIGN_TOP_RIGHT: x = in_right; y = in_top; break;
        case LV_ALIGN_BOTTOM_LEFT: x = in_left; y = in_bottom; break;
        case LV_ALIGN_BOTTOM_MID: x = in_mid_x; y = in_bottom; break;
        case LV_ALIGN_BOTTOM_RIGHT: x = in_right; y = in_bottom; break;
        case LV_ALIGN_LEFT_MID: x = in_left; y = in_mid_y; break;
        case LV_ALIGN_RIGHT_MID: x = in_right; y = in_mid_y; break;
        case LV_ALIGN_OUT_TOP_LEFT: x = in_left; y = -h; break;
        case LV_ALIGN_OUT_TOP_MID: x = in_mid_x; y = -h; break;
        case LV_ALIGN_OUT_TOP_RIGHT: x = in_right; y = -h; break;
        case LV_ALIGN_OUT_BOTTOM_LEFT: x = in_left; y = bh; break;
        case LV_ALIGN_OUT_BOTTOM_MID: x = in_mid_x; y = bh; break;
        case LV_ALIGN_OUT_BOTTOM_RIGHT: x = in_right; y = bh; break;
        case LV_ALIGN_OUT_LEFT_TOP: x = -w; y = in_top; break;
        case LV_ALIGN_OUT_LEFT_MID: x = -w; y = in_mid_y; break;
        case LV_ALIGN_OUT_LEFT_BOTTOM: x = -w; y = in_bottom; break;
        case LV_ALIGN_OUT_RIGHT_TOP: x = bw; y = in_top; break;
        case LV_ALIGN_OUT_RIGHT_MID: x = bw; y = in_mid_y; break;
        case LV_ALIGN_OUT_RIGHT_BOTTOM: x = bw; y = in_bottom; break;
        default: break;
    }
    x += base->x1 + ofs_x;
    y += base->y1 + ofs_y;
    _lv_area_set_pos(to_align, (lv_coord_t)x, (lv_coord_t)y);
}

#define _LV_TRANSFORM_TRIGO_SHIFT 10
void lv_point_transform(lv_point_t * p, int32_t angle, int32_t zoom, const lv_point_t * pivot)
{
    if(angle == 0 && zoom == 256) return;

    int32_t dx = p->x - pivot->x;
    int32_t dy = p->y - pivot->y;
    if(angle == 0) {
        p->x = (lv_coord_t)(((dx * zoom) >> 8) + pivot->x);
        p->y = (lv_coord_t)(((dy * zoom) >> 8) + pivot->y);
        return;
    }

    /*Interpolate between whole degrees for 0.1 degree steps*/
    int32_t angle_low = angle / 10;
    int32_t angle_high = angle_low + 1;
    int32_t angle_rem = angle - (angle_low * 10);
    int32_t s1 = lv_trigo_sin((int16_t)angle_low);
    int32_t s2 = lv_trigo_sin((int16_t)angle_high);
    int32_t c1 = lv_trigo_sin((int16_t)(angle_low + 90));
    int32_t c2 = lv_trigo_sin((int16_t)(angle_high + 90));
    int32_t sinma = (s1 * (10 - angle_rem) + s2 * angle_rem) / 10;
    int32_t cosma = (c1 * (10 - angle_rem) + c2 * angle_rem) / 10;
    sinma = sinma >> (LV_TRIGO_SHIFT - _LV_TRANSFORM_TRIGO_SHIFT);
    cosma = cosma >> (LV_TRIGO_SHIFT - _LV_TRANSFORM_TRIGO_SHIFT);

    if(zoom == 256) {
        p->x = (lv_coord_t)(((cosma * dx - sinma * dy) >> _LV_TRANSFORM_TRIGO_SHIFT) + pivot->x);
        p->y = (lv_coord_t)(((sinma * dx + cosma * dy) >> _LV_TRANSFORM_TRIGO_SHIFT) + pivot->y);
    }
    else {
        p->x = (lv_coord_t)((((cosma * dx - sinma * dy) * zoom) >> (_LV_TRANSFORM_TRIGO_SHIFT + 8)) + pivot->x);
        p->y = (lv_coord_t)((((sinma * dx + cosma * dy) * zoom) >> (_LV_TRANSFORM_TRIGO_SHIFT + 8)) + pivot->y);
    }
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

static bool lv_point_within_circle(int32_t cx, int32_t cy, int32_t r, const lv_point_t * p)
{
    int32_t px = p->x - cx;
    int32_t py = p->y - cy;
    return px * px + py * py <= r * r;
}
