/**
 * @file lv_draw_mask.c
 * The global mask list and the mask kinds. Coverage is computed at pixel
 * centres: a pixel half inside an edge gets half opacity, which is what
 * anti-aliases the edges of everything drawn through masks.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_draw_mask.h"
#include "../misc/lv_math.h"
#include "../misc/lv_mem.h"
#include "../misc/lv_assert.h"

/*********************
 *      DEFINES
 *********************/
#define SUBPX 16    /* fixed-point fraction of the coverage computations */

/**********************
 *  STATIC PROTOTYPES
 **********************/
static lv_draw_mask_res_t mask_line_cb(lv_opa_t * mask_buf, lv_coord_t abs_x, lv_coord_t abs_y, lv_coord_t len,
                                       void * p);
static lv_draw_mask_res_t mask_angle_cb(lv_opa_t * mask_buf, lv_coord_t abs_x, lv_coord_t abs_y, lv_coord_t len,
                                        void * p);
static lv_draw_mask_res_t mask_radius_cb(lv_opa_t * mask_buf, lv_coord_t abs_x, lv_coord_t abs_y, lv_coord_t len,
                                         void * p);
static lv_draw_mask_res_t mask_fade_cb(lv_opa_t * mask_buf, lv_coord_t abs_x, lv_coord_t abs_y, lv_coord_t len,
                                       void * p);
static lv_draw_mask_res_t mask_map_cb(lv_opa_t * mask_buf, lv_coord_t abs_x, lv_coord_t abs_y, lv_coord_t len,
                                      void * p);
static lv_draw_mask_res_t mask_polygon_cb(lv_opa_t * mask_buf, lv_coord_t abs_x, lv_coord_t abs_y, lv_coord_t len,
                                          void * p);
static lv_opa_t half_plane_cov(int32_t cross, int32_t inv_len16);
static lv_draw_mask_res_t mask_mix_result(lv_opa_t * mask_buf, lv_coord_t len, bool changed);

/**********************
 *  STATIC VARIABLES
 **********************/
static _lv_draw_mask_saved_arr_t mask_list;

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

int16_t lv_draw_mask_add(void * param, void * custom_id)
{
    for(int16_t i = 0; i < _LV_MASK_MAX_NUM; i++) {
        if(mask_list[i].param == NULL) {
            mask_list[i].param = param;
            mask_list[i].custom_id = custom_id;
            return i;
        }
    }
    LV_ASSERT_MSG(false, "Too many draw masks");
    return LV_MASK_ID_INV;
}

LV_ATTRIBUTE_FAST_MEM lv_draw_mask_res_t lv_draw_mask_apply(lv_opa_t * mask_buf, lv_coord_t abs_x, lv_coord_t abs_y,
                                                            lv_coord_t len)
{
    bool changed = false;
    for(int i = 0; i < _LV_MASK_MAX_NUM; i++) {
        _lv_draw_mask_common_dsc_t * dsc = mask_list[i].param;
        if(dsc == NULL) continue;
        lv_draw_mask_res_t res = dsc->cb(mask_buf, abs_x, abs_y, len, (void *)dsc);
        if(res == LV_DRAW_MASK_RES_TRANSP) return LV_DRAW_MASK_RES_TRANSP;
        if(res == LV_DRAW_MASK_RES_CHANGED) changed = true;
    }
    return changed ? LV_DRAW_MASK_RES_CHANGED : LV_DRAW_MASK_RES_FULL_COVER;
}

LV_ATTRIBUTE_FAST_MEM lv_draw_mask_res_t lv_draw_mask_apply_ids(lv_opa_t * mask_buf, lv_coord_t abs_x,
                                                                lv_coord_t abs_y, lv_coord_t len,
                                                                const int16_t * ids, int16_t ids_count)
{
    bool changed = false;
    for(int16_t i = 0; i < ids_count; i++) {
        int16_t id = ids[i];
        if(id < 0 || id >= _LV_MASK_MAX_NUM) continue;
        _lv_draw_mask_common_dsc_t * dsc = mask_list[id].param;
        if(dsc == NULL) continue;
        lv_draw_mask_res_t res = dsc->cb(mask_buf, abs_x, abs_y, len, (void *)dsc);
        if(res == LV_DRAW_MASK_RES_TRANSP) return LV_DRAW_MASK_RES_TRANSP;
        if(res == LV_DRAW_MASK_RES_CHANGED) changed = true;
    }
    return changed ? LV_DRAW_MASK_RES_CHANGED : LV_DRAW_MASK_RES_FULL_COVER;
}

void * lv_draw_mask_remove_id(int16_t id)
{
    if(id < 0 || id >= _LV_MASK_MAX_NUM) return NULL;
    void * p = mask_list[id].param;
    mask_list[id].param = NULL;
    mask_list[id].custom_id = NULL;
    return p;
}

void * lv_draw_mask_remove_custom(void * custom_id)
{
    void * p = NULL;
    for(int i = 0; i < _LV_MASK_MAX_NUM; i++) {
        if(mask_list[i].param != NULL && mask_list[i].custom_id == custom_id) {
            p = mask_list[i].param;
            mask_list[i].param = NULL;
            mask_list[i].custom_id = NULL;
        }
    }
    return p;
}

/* Only the polygon mask owns memory (its copy of the points); the radius
 * mask computes its corners directly and needs no circle cache. */
void lv_draw_mask_free_param(void * p)
{
    if(p == NULL) return;
    _lv_draw_mask_common_dsc_t * dsc = p;
    if(dsc->type == LV_DRAW_MASK_TYPE_POLYGON) {
        lv_draw_mask_polygon_param_t * poly = p;
        lv_mem_free(poly->cfg.points);
        poly->cfg.points = NULL;
    }
}

void _lv_draw_mask_cleanup(void)
{
}

uint8_t lv_draw_mask_get_cnt(void)
{
    uint8_t cnt = 0;
    for(int i = 0; i < _LV_MASK_MAX_NUM; i++) {
        if(mask_list[i].param) cnt++;
    }
    return cnt;
}

/* A radius mask that keeps the inside of a rectangle holding all of `a` with
 * its corners cannot change `a`; every other mask may. */
bool lv_draw_mask_is_any(const lv_area_t * a)
{
    for(int i = 0; i < _LV_MASK_MAX_NUM; i++) {
        _lv_draw_mask_common_dsc_t * comm = mask_list[i].param;
        if(comm == NULL) continue;
        if(a == NULL) return true;
        if(comm->type == LV_DRAW_MASK_TYPE_RADIUS) {
            lv_draw_mask_radius_param_t * r = mask_list[i].param;
            if(r->cfg.outer) {
                if(!_lv_area_is_out(a, &r->cfg.rect, r->cfg.radius)) return true;
            }
            else {
                if(!_lv_area_is_in(a, &r->cfg.rect, r->cfg.radius)) return true;
            }
        }
        else {
            return true;
        }
    }
    return false;
}

/* The points are normalised so that "left" and "top" do not depend on their
 * order: dy >= 0 for the left/right sides, dx >= 0 for top/bottom. */
void lv_draw_mask_line_points_init(lv_draw_mask_line_param_t * param, lv_coord_t p1x, lv_coord_t p1y,
                                   lv_coord_t p2x, lv_coord_t p2y, lv_draw_mask_line_side_t side)
{
    lv_memset_00(param, sizeof(lv_draw_mask_line_param_t));
    bool vertical_sides = side == LV_DRAW_MASK_LINE_SIDE_LEFT || side == LV_DRAW_MASK_LINE_SIDE_RIGHT;
    bool swap = vertical_sides ? p2y < p1y : p2x < p1x;
    if(swap) {
        lv_coord_t t = p1x;
        p1x = p2x;
        p2x = t;
        t = p1y;
        p1y = p2y;
        p2y = t;
    }
    param->cfg.p1.x = p1x;
    param->cfg.p1.y = p1y;
    param->cfg.p2.x = p2x;
    param->cfg.p2.y = p2y;
    param->cfg.side = side;
    param->origo.x = p1x;
    param->origo.y = p1y;

    int32_t dx = p2x - p1x;
    int32_t dy = p2y - p1y;
    param->xy_steep = dx;
    param->yx_steep = dy;
    param->flat = LV_ABS(dx) > LV_ABS(dy) ? 1 : 0;

    /* cross = (x - p1x) * dy - (y - p1y) * dx grows towards the right of a
     * downward line and towards the top of a rightward one. */
    param->inv = (side == LV_DRAW_MASK_LINE_SIDE_LEFT || side == LV_DRAW_MASK_LINE_SIDE_BOTTOM) ? 1 : 0;

    lv_sqrt_res_t len;
    lv_sqrt((uint32_t)(dx * dx + dy * dy), &len, 0x8000);
    int32_t len16 = len.i * SUBPX + (len.f >> 4);
    /*Coverage per unit of cross, in 1/65536: 255 per pixel of distance*/
    param->steep = len16 > 0 ? (int32_t)((255LL * SUBPX << 16) / len16) : 0;
    param->spx = len16;

    param->dsc.cb = mask_line_cb;
    param->dsc.type = LV_DRAW_MASK_TYPE_LINE;
}

void lv_draw_mask_line_angle_init(lv_draw_mask_line_param_t * param, lv_coord_t p1x, lv_coord_t py, int16_t angle,
                                  lv_draw_mask_line_side_t side)
{
    /*A second point far along the direction keeps the rounding small*/
    lv_coord_t p2x = (lv_coord_t)(p1x + ((lv_trigo_cos(angle) * 1000) >> LV_TRIGO_SHIFT));
    lv_coord_t p2y = (lv_coord_t)(py + ((lv_trigo_sin(angle) * 1000) >> LV_TRIGO_SHIFT));
    lv_draw_mask_line_points_init(param, p1x, py, p2x, p2y, side);
}

void lv_draw_mask_angle_init(lv_draw_mask_angle_param_t * param, lv_coord_t vertex_x, lv_coord_t vertex_y,
                             lv_coord_t start_angle, lv_coord_t end_angle)
{
    lv_memset_00(param, sizeof(lv_draw_mask_angle_param_t));
    start_angle = (lv_coord_t)(((start_angle % 360) + 360) % 360);
    end_angle = (lv_coord_t)(((end_angle % 360) + 360) % 360);
    param->cfg.vertex_p.x = vertex_x;
    param->cfg.vertex_p.y = vertex_y;
    param->cfg.start_angle = start_angle;
    param->cfg.end_angle = end_angle;
    param->delta_deg = (uint16_t)(((end_angle - start_angle) + 360) % 360);

    lv_draw_mask_line_angle_init(&param->start_line, vertex_x, vertex_y, start_angle, LV_DRAW_MASK_LINE_SIDE_LEFT);
    lv_draw_mask_line_angle_init(&param->end_line, vertex_x, vertex_y, end_angle, LV_DRAW_MASK_LINE_SIDE_LEFT);

    param->dsc.cb = mask_angle_cb;
    param->dsc.type = LV_DRAW_MASK_TYPE_ANGLE;
}

void lv_draw_mask_radius_init(lv_draw_mask_radius_param_t * param, const lv_area_t * rect, lv_coord_t radius,
                              bool inv)
{
    lv_memset_00(param, sizeof(lv_draw_mask_radius_param_t));
    lv_coord_t w = lv_area_get_width(rect);
    lv_coord_t h = lv_area_get_height(rect);
    int32_t short_side = LV_MIN(w, h);
    if(radius > short_side >> 1) radius = (lv_coord_t)(short_side >> 1);
    if(radius < 0) radius = 0;

    lv_area_copy(&param->cfg.rect, rect);
    param->cfg.radius = radius;
    param->cfg.outer = inv ? 1 : 0;
    param->circle = NULL;
    param->dsc.cb = mask_radius_cb;
    param->dsc.type = LV_DRAW_MASK_TYPE_RADIUS;
}

void lv_draw_mask_fade_init(lv_draw_mask_fade_param_t * param, const lv_area_t * coords, lv_opa_t opa_top,
                            lv_coord_t y_top,
                            lv_opa_t opa_bottom, lv_coord_t y_bottom)
{
    lv_memset_00(param, sizeof(lv_draw_mask_fade_param_t));
    lv_area_copy(&param->cfg.coords, coords);
    param->cfg.opa_top = opa_top;
    param->cfg.opa_bottom = opa_bottom;
    param->cfg.y_top = y_top;
    param->cfg.y_bottom = y_bottom;
    param->dsc.cb = mask_fade_cb;
    param->dsc.type = LV_DRAW_MASK_TYPE_FADE;
}

void lv_draw_mask_map_init(lv_draw_mask_map_param_t * param, const lv_area_t * coords, const lv_opa_t * map)
{
    lv_memset_00(param, sizeof(lv_draw_mask_map_param_t));
    lv_area_copy(&param->cfg.coords, coords);
    param->cfg.map = map;
    param->dsc.cb = mask_map_cb;
    param->dsc.type = LV_DRAW_MASK_TYPE_MAP;
}

void lv_draw_mask_polygon_init(lv_draw_mask_polygon_param_t * param, const lv_point_t * points, uint16_t point_cnt)
{
    lv_memset_00(param, sizeof(lv_draw_mask_polygon_param_t));
    param->cfg.points = lv_mem_alloc(sizeof(lv_point_t) * (point_cnt ? point_cnt : 1));
    LV_ASSERT_MALLOC(param->cfg.points);
    if(param->cfg.points == NULL) return;
    lv_memcpy(param->cfg.points, points, sizeof(lv_point_t) * point_cnt);
    param->cfg.point_cnt = point_cnt;
    param->dsc.cb = mask_polygon_cb;
    param->dsc.type = LV_DRAW_MASK_TYPE_POLYGON;
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

/* Coverage of a pixel whose centre is `cross` (scaled by the line length) on
 * the kept side: 128 on the line, 255 half a pixel inside, 0 half outside. */
static inline lv_opa_t half_plane_cov(int32_t cross, int32_t k)
{
    int64_t v = 128 + (((int64_t)cross * k) >> 16);
    if(v <= 0) return 0;
    if(v >= 255) return 255;
    return (lv_opa_t)v;
}

static lv_draw_mask_res_t mask_mix_result(lv_opa_t * mask_buf, lv_coord_t len, bool changed)
{
    if(!changed) return LV_DRAW_MASK_RES_FULL_COVER;
    for(lv_coord_t i = 0; i < len; i++) {
        if(mask_buf[i]) return LV_DRAW_MASK_RES_CHANGED;
    }
    return LV_DRAW_MASK_RES_TRANSP;
}

static lv_draw_mask_res_t mask_line_cb(lv_opa_t * mask_buf, lv_coord_t abs_x, lv_coord_t abs_y, lv_coord_t len,
                                       void * p)
{
    lv_draw_mask_line_param_t * param = p;
    int32_t dx = param->xy_steep;
    int32_t dy = param->yx_steep;
    bool vertical_sides = param->cfg.side <= LV_DRAW_MASK_LINE_SIDE_RIGHT;
    /*A side that is not defined for the line's direction keeps everything*/
    if(vertical_sides && dy == 0) return LV_DRAW_MASK_RES_FULL_COVER;
    if(!vertical_sides && dx == 0) return LV_DRAW_MASK_RES_FULL_COVER;

    int32_t cross = (abs_x - param->origo.x) * dy - (abs_y - param->origo.y) * dx;
    int32_t step = dy;
    if(param->inv) {
        cross = -cross;
        step = -step;
    }
    bool changed = false;
    for(lv_coord_t i = 0; i < len; i++, cross += step) {
        lv_opa_t cov = half_plane_cov(cross, param->steep);
        if(cov == 255) continue;
        mask_buf[i] = (lv_opa_t)LV_UDIV255(mask_buf[i] * cov);
        changed = true;
    }
    return mask_mix_result(mask_buf, len, changed);
}

/* Inside the sector = clockwise after the start ray and before the end ray:
 * the intersection of the two half-planes for sectors up to 180 degrees,
 * their union for wider ones. */
static lv_draw_mask_res_t mask_angle_cb(lv_opa_t * mask_buf, lv_coord_t abs_x, lv_coord_t abs_y, lv_coord_t len,
                                        void * p)
{
    lv_draw_mask_angle_param_t * param = p;
    int32_t sx = lv_trigo_cos(param->cfg.start_angle);
    int32_t sy = lv_trigo_sin(param->cfg.start_angle);
    int32_t ex = lv_trigo_cos(param->cfg.end_angle);
    int32_t ey = lv_trigo_sin(param->cfg.end_angle);
    bool wide = param->delta_deg > 180;

    /*Pixel centres relative to the vertex's centre, in 1/2 px: the vertex is a pixel too*/
    int32_t py2 = (abs_y - param->cfg.vertex_p.y) * 2;
    int32_t px2 = (abs_x - param->cfg.vertex_p.x) * 2;
    /*cross(u, p) = u.x * p.y - u.y * p.x, scaled by 32767 * 2*/
    int32_t cs = sx * py2 - sy * px2;
    int32_t ce = ex * py2 - ey * px2;
    int32_t k = (int32_t)((255LL << 16) / (32767 * 2));
    bool changed = false;
    for(lv_coord_t i = 0; i < len; i++, cs -= 2 * sy, ce -= 2 * ey) {
        lv_opa_t c_s = half_plane_cov(cs, k);
        lv_opa_t c_e = half_plane_cov(-ce, k);
        lv_opa_t cov = wide ? LV_MAX(c_s, c_e) : LV_MIN(c_s, c_e);
        if(cov == 255) continue;
        mask_buf[i] = (lv_opa_t)LV_UDIV255(mask_buf[i] * cov);
        changed = true;
    }
    return mask_mix_result(mask_buf, len, changed);
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

/* Coverage of the rounded rectangle at a pixel of a corner zone: the corner
 * circle's centre lies r pixels inside both edges (edges between pixels). */
static inline lv_opa_t corner_cov(int32_t x, int32_t y, int32_t cx16, int32_t cy16, int32_t r)
{
    int32_t dx = x * SUBPX + SUBPX / 2 - cx16;
    int32_t dy = y * SUBPX + SUBPX / 2 - cy16;
    uint32_t d = isqrt32((uint32_t)(dx * dx + dy * dy));
    int32_t v = (r * SUBPX - (int32_t)d + SUBPX / 2) * 255 / SUBPX;
    if(v <= 0) return 0;
    if(v >= 255) return 255;
    return (lv_opa_t)v;
}

static lv_draw_mask_res_t mask_radius_cb(lv_opa_t * mask_buf, lv_coord_t abs_x, lv_coord_t abs_y, lv_coord_t len,
                                         void * p)
{
    lv_draw_mask_radius_param_t * param = p;
    const lv_area_t * rect = &param->cfg.rect;
    int32_t r = param->cfg.radius;
    bool outer = param->cfg.outer;
    int32_t x_end = abs_x + len - 1;

    if(abs_y < rect->y1 || abs_y > rect->y2 || x_end < rect->x1 || abs_x > rect->x2) {
        if(outer) return LV_DRAW_MASK_RES_FULL_COVER;
        lv_memset_00(mask_buf, (size_t)len);
        return LV_DRAW_MASK_RES_TRANSP;
    }

    bool changed = false;
    /*Outside the rectangle horizontally*/
    if(!outer) {
        if(abs_x < rect->x1) {
            lv_memset_00(mask_buf, (size_t)(rect->x1 - abs_x));
            changed = true;
        }
        if(x_end > rect->x2) {
            lv_memset_00(&mask_buf[rect->x2 + 1 - abs_x], (size_t)(x_end - rect->x2));
            changed = true;
        }
    }

    int32_t cy16 = -1;
    if(abs_y < rect->y1 + r) cy16 = (rect->y1 + r) * SUBPX;
    else if(abs_y > rect->y2 - r) cy16 = (rect->y2 + 1 - r) * SUBPX;

    int32_t in_x1 = LV_MAX(abs_x, rect->x1);
    int32_t in_x2 = LV_MIN(x_end, rect->x2);
    if(cy16 < 0) {
        /*A straight row: all inside the rectangle*/
        if(outer) {
            lv_memset_00(&mask_buf[in_x1 - abs_x], (size_t)(in_x2 - in_x1 + 1));
            changed = true;
        }
        return mask_mix_result(mask_buf, len, changed);
    }

    for(int32_t x = in_x1; x <= in_x2; x++) {
        lv_opa_t cov;
        if(x < rect->x1 + r) cov = corner_cov(x, abs_y, (rect->x1 + r) * SUBPX, cy16, r);
        else if(x > rect->x2 - r) cov = corner_cov(x, abs_y, (rect->x2 + 1 - r) * SUBPX, cy16, r);
        else {
            /*Between the two corners of a corner row: inside*/
            int32_t mid_end = LV_MIN(in_x2, rect->x2 - r);
            if(outer) {
                lv_memset_00(&mask_buf[x - abs_x], (size_t)(mid_end - x + 1));
                changed = true;
            }
            x = mid_end;
            continue;
        }
        if(outer) cov = (lv_opa_t)(255 - cov);
        if(cov == 255) continue;
        mask_buf[x - abs_x] = (lv_opa_t)LV_UDIV255(mask_buf[x - abs_x] * (uint32_t)cov);
        changed = true;
    }
    return mask_mix_result(mask_buf, len, changed);
}

static lv_draw_mask_res_t mask_fade_cb(lv_opa_t * mask_buf, lv_coord_t abs_x, lv_coord_t abs_y, lv_coord_t len,
                                       void * p)
{
    lv_draw_mask_fade_param_t * param = p;
    const lv_area_t * a = &param->cfg.coords;
    if(abs_y < a->y1 || abs_y > a->y2) return LV_DRAW_MASK_RES_FULL_COVER;
    if(abs_x + len - 1 < a->x1 || abs_x > a->x2) return LV_DRAW_MASK_RES_FULL_COVER;

    int32_t opa;
    if(abs_y <= param->cfg.y_top) opa = param->cfg.opa_top;
    else if(abs_y >= param->cfg.y_bottom) opa = param->cfg.opa_bottom;
    else {
        opa = lv_map(abs_y, param->cfg.y_top, param->cfg.y_bottom, param->cfg.opa_top, param->cfg.opa_bottom);
    }
    if(opa >= LV_OPA_MAX) return LV_DRAW_MASK_RES_FULL_COVER;

    int32_t x1 = LV_MAX(abs_x, a->x1);
    int32_t x2 = LV_MIN(abs_x + len - 1, a->x2);
    for(int32_t x = x1; x <= x2; x++) {
        mask_buf[x - abs_x] = (lv_opa_t)LV_UDIV255(mask_buf[x - abs_x] * (uint32_t)opa);
    }
    return mask_mix_result(mask_buf, len, true);
}

static lv_draw_mask_res_t mask_map_cb(lv_opa_t * mask_buf, lv_coord_t abs_x, lv_coord_t abs_y, lv_coord_t len,
                                      void * p)
{
    lv_draw_mask_map_param_t * param = p;
    const lv_area_t * a = &param->cfg.coords;
    if(abs_y < a->y1 || abs_y > a->y2) return LV_DRAW_MASK_RES_FULL_COVER;
    if(abs_x + len - 1 < a->x1 || abs_x > a->x2) return LV_DRAW_MASK_RES_FULL_COVER;

    const lv_opa_t * row = param->cfg.map + (size_t)(abs_y - a->y1) * lv_area_get_width(a);
    int32_t x1 = LV_MAX(abs_x, a->x1);
    int32_t x2 = LV_MIN(abs_x + len - 1, a->x2);
    for(int32_t x = x1; x <= x2; x++) {
        mask_buf[x - abs_x] = (lv_opa_t)LV_UDIV255(mask_buf[x - abs_x] * (uint32_t)row[x - a->x1]);
    }
    return mask_mix_result(mask_buf, len, true);
}

/* Even-odd rule at four sub-rows per pixel row, with exact horizontal
 * coverage of each crossing, so edges are anti-aliased both ways. */
static lv_draw_mask_res_t mask_polygon_cb(lv_opa_t * mask_buf, lv_coord_t abs_x, lv_coord_t abs_y, lv_coord_t len,
                                          void * p)
{
    lv_draw_mask_polygon_param_t * param = p;
    uint16_t n = param->cfg.point_cnt;
    if(n < 3 || param->cfg.points == NULL) {
        lv_memset_00(mask_buf, (size_t)len);
        return LV_DRAW_MASK_RES_TRANSP;
    }

    uint16_t * acc = lv_mem_buf_get((uint32_t)len * sizeof(uint16_t));
    if(acc == NULL) return LV_DRAW_MASK_RES_FULL_COVER;
    lv_memset_00(acc, (size_t)len * sizeof(uint16_t));

    const int sub_rows = 4;
    for(int s = 0; s < sub_rows; s++) {
        /*Sample row centre in 1/16 px, points are pixel centres*/
        int32_t sy16 = abs_y * SUBPX + (SUBPX / sub_rows) * s + SUBPX / (2 * sub_rows) - SUBPX / 2;
        int32_t xs[32];
        int cnt = 0;
        for(uint16_t i = 0; i < n && cnt < 32; i++) {
            const lv_point_t * a = &param->cfg.points[i];
            const lv_point_t * b = &param->cfg.points[(i + 1) % n];
            int32_t ay = a->y * SUBPX, by = b->y * SUBPX;
            if((ay <= sy16 && by > sy16) || (by <= sy16 && ay > sy16)) {
                xs[cnt++] = a->x * SUBPX + (int32_t)((int64_t)(sy16 - ay) * (b->x - a->x) * SUBPX / (by - ay));
            }
        }
        /*Sort the crossings (few of them)*/
        for(int i = 1; i < cnt; i++) {
            int32_t v = xs[i];
            int j = i - 1;
            while(j >= 0 && xs[j] > v) {
                xs[j + 1] = xs[j];
                j--;
            }
            xs[j + 1] = v;
        }
        for(int i = 0; i + 1 < cnt; i += 2) {
            /*Span [xa, xb) in 1/16 px, shifted so pixel x covers [x*16, x*16+16)*/
            int32_t xa = xs[i] + SUBPX / 2 - abs_x * SUBPX;
            int32_t xb = xs[i + 1] + SUBPX / 2 - abs_x * SUBPX;
            if(xa < 0) xa = 0;
            if(xb > len * SUBPX) xb = len * SUBPX;
            for(int32_t px = xa / SUBPX; px * SUBPX < xb; px++) {
                int32_t c0 = LV_MAX(xa, px * SUBPX);
                int32_t c1 = LV_MIN(xb, px * SUBPX + SUBPX);
                if(c1 > c0) acc[px] = (uint16_t)(acc[px] + (c1 - c0));
            }
        }
    }
    for(lv_coord_t i = 0; i < len; i++) {
        uint32_t cov = (uint32_t)acc[i] * 255 / (SUBPX * sub_rows);
        mask_buf[i] = (lv_opa_t)LV_UDIV255(mask_buf[i] * cov);
    }
    lv_mem_buf_release(acc);
    return mask_mix_result(mask_buf, len, true);
}
