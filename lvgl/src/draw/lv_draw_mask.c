/**
 * @file lv_draw_mask.c
 * The global mask list and the mask kinds.
 *
 * Every mask answers one question: how much of each pixel of a row run stays
 * visible. Coverage is judged at pixel centres, so a pixel whose centre sits
 * on an edge keeps half its opacity; that is all the anti-aliasing the masked
 * shapes (rounded rectangles, arcs, lines, polygons) get, and all they need.
 */

/*********************
 *      INCLUDES
 *********************/
#include <math.h>
#include "lv_draw_mask.h"
#include "../misc/lv_math.h"
#include "../misc/lv_mem.h"

/*********************
 *      DEFINES
 *********************/
/* Sub-pixel steps of the distance computations. */
#define FRAC 16

/* Crossings remembered per polygon scan line: more than any shape the panel
 * draws has; further ones are ignored rather than written past the array. */
#define POLY_CROSSINGS_MAX 32

/**********************
 *      TYPEDEFS
 **********************/

/* One row of a rounded corner, columns counted from the rectangle's side:
 * nothing before `edge`, partial coverage from `edge` up to `solid`, full
 * coverage from `solid` on. `opa` holds the partial values, or is NULL when
 * no table could be built and they are worked out on the spot. */
typedef struct {
    int32_t edge;
    int32_t solid;
    const lv_opa_t * opa;
    int32_t radius;
    int32_t depth;      /* the row's distance from the rectangle's top or bottom */
} corner_row_t;

/**********************
 *  STATIC PROTOTYPES
 **********************/
static lv_draw_mask_res_t line_row(lv_opa_t * buf, lv_coord_t x, lv_coord_t y, lv_coord_t len, void * p);
static lv_draw_mask_res_t angle_row(lv_opa_t * buf, lv_coord_t x, lv_coord_t y, lv_coord_t len, void * p);
static lv_draw_mask_res_t radius_row(lv_opa_t * buf, lv_coord_t x, lv_coord_t y, lv_coord_t len, void * p);
static lv_draw_mask_res_t fade_row(lv_opa_t * buf, lv_coord_t x, lv_coord_t y, lv_coord_t len, void * p);
static lv_draw_mask_res_t map_row(lv_opa_t * buf, lv_coord_t x, lv_coord_t y, lv_coord_t len, void * p);
static lv_draw_mask_res_t polygon_row(lv_opa_t * buf, lv_coord_t x, lv_coord_t y, lv_coord_t len, void * p);

/**********************
 *  STATIC VARIABLES
 **********************/
static _lv_draw_mask_saved_arr_t active;
static _lv_draw_mask_radius_circle_dsc_arr_t corner_tables;
static uint32_t corner_clock;

/**********************
 *   STATIC FUNCTIONS
 **********************/

static inline lv_opa_t scale_opa(lv_opa_t v, uint32_t cover)
{
    return (lv_opa_t)LV_UDIV255(v * cover);
}

/* A mask that changed something still hides the whole run when every value
 * ended up zero; callers then skip the run. */
static lv_draw_mask_res_t verdict(const lv_opa_t * buf, lv_coord_t len, bool touched)
{
    if(!touched) return LV_DRAW_MASK_RES_FULL_COVER;
    for(lv_coord_t i = 0; i < len; i++) {
        if(buf[i] != 0) return LV_DRAW_MASK_RES_CHANGED;
    }
    return LV_DRAW_MASK_RES_TRANSP;
}

/* Zero buf over the absolute columns [from, to], cut to the run. */
static void clear_cols(lv_opa_t * buf, int32_t run_x, int32_t run_last, int32_t from, int32_t to)
{
    from = LV_MAX(from, run_x);
    to = LV_MIN(to, run_last);
    if(from <= to) lv_memset_00(&buf[from - run_x], (size_t)(to - from + 1));
}

/* Opacity kept at a signed distance, in 1/FRAC px scaled by `gain`/65536,
 * from a straight edge: half at the edge, full half a pixel inside. */
static inline lv_opa_t edge_cover(int32_t dist, int32_t gain)
{
    int64_t v = 128 + (((int64_t)dist * gain) >> 16);
    return (lv_opa_t)(v < 0 ? 0 : (v > 255 ? 255 : v));
}

/* floor(sqrt(v)). The double's estimate is at most one off for the values
 * used here (below 2^40); the two checks make it exact. */
static inline uint64_t root_floor(uint64_t v)
{
    uint64_t root = (uint64_t)sqrt((double)v);
    if(root * root > v) root--;
    else if((root + 1) * (root + 1) <= v) root++;
    return root;
}

/*----------------------------------------------------------------------
 * Rounded corners
 *
 * A corner of radius r is a quarter circle centred r pixels in from both
 * sides of the rectangle. Column i and row j count from those sides, so
 * (0, 0) is the corner pixel itself, and the other three corners are the
 * same quarter mirrored. A pixel's coverage is how far its centre lies
 * inside the circle, clamped to one pixel. Coverage only grows towards the
 * middle, along a row and down the rows, so a row is described by where its
 * coverage starts and where it becomes full, and both move outwards row by
 * row.
 *----------------------------------------------------------------------*/

static lv_opa_t quarter_cover(int32_t r, int32_t i, int32_t j)
{
    int64_t dx = (int64_t)(r - i) * FRAC - FRAC / 2;
    int64_t dy = (int64_t)(r - j) * FRAC - FRAC / 2;
    int64_t inside = (int64_t)r * FRAC + FRAC / 2 - (int64_t)root_floor((uint64_t)(dx * dx + dy * dy));
    if(inside <= 0) return 0;
    int64_t v = inside * 255 / FRAC;
    return (lv_opa_t)(v > 255 ? 255 : v);
}

/* The first column of row j from `lo` on whose coverage exceeds `floor_opa`
 * (r if none), by bisection: used when no table is at hand. */
static int32_t first_col_above(int32_t r, int32_t j, int32_t lo, lv_opa_t floor_opa)
{
    int32_t hi = r;
    while(lo < hi) {
        int32_t mid = lo + (hi - lo) / 2;
        if(quarter_cover(r, mid, j) > floor_opa) hi = mid;
        else lo = mid + 1;
    }
    return lo;
}

static void drop_table(_lv_draw_mask_radius_circle_dsc_t * t)
{
    lv_mem_free(t->buf);
    lv_mem_free(t->cir_opa);
    lv_memset_00(t, sizeof(*t));
}

/* The table of radius r: per row its first covered column (x_start_on_y)
 * and where its partial values start in cir_opa (opa_start_on_y, one entry
 * more than rows, so row j has opa_start_on_y[j + 1] - opa_start_on_y[j] of
 * them). A quarter circle has about 1.6 r partial pixels, so 16-bit offsets
 * suffice for any radius a 16-bit coordinate allows. Both bounds only move
 * outwards from row to row, so each is found by walking from the previous
 * row's: a table costs a few evaluations per row. */
static bool build_table(_lv_draw_mask_radius_circle_dsc_t * t, int32_t r)
{
    uint16_t * index = lv_mem_alloc(sizeof(uint16_t) * (size_t)(2 * r + 1));
    if(index == NULL) return false;
    uint16_t * first = index;
    uint16_t * offset = index + r;

    uint32_t total = 0;
    int32_t edge = r, solid = r;
    for(int32_t j = 0; j < r; j++) {
        while(edge > 0 && quarter_cover(r, edge - 1, j) > 0) edge--;
        if(solid < edge) solid = edge;
        while(solid > edge && quarter_cover(r, solid - 1, j) == 255) solid--;
        first[j] = (uint16_t)edge;
        offset[j] = (uint16_t)total;
        total += (uint32_t)(solid - edge);
        if(total > UINT16_MAX) {
            lv_mem_free(index);
            return false;
        }
    }
    offset[r] = (uint16_t)total;

    lv_opa_t * partial = lv_mem_alloc(total ? total : 1);
    if(partial == NULL) {
        lv_mem_free(index);
        return false;
    }
    for(int32_t j = 0; j < r; j++) {
        for(int32_t k = offset[j]; k < offset[j + 1]; k++) {
            partial[k] = quarter_cover(r, first[j] + (k - offset[j]), j);
        }
    }

    t->buf = (uint8_t *)index;
    t->x_start_on_y = first;
    t->opa_start_on_y = offset;
    t->cir_opa = partial;
    t->radius = (lv_coord_t)r;
    return true;
}

/* Uses since the table was last used; unsigned, so the clock may wrap. */
static inline uint32_t table_age(const _lv_draw_mask_radius_circle_dsc_t * t)
{
    return corner_clock - (uint32_t)t->life;
}

/* The cached table of the mask's radius, built on a miss in the least
 * recently used slot. NULL when memory is short; the caller then computes
 * coverage per pixel. A table is only read while one mask callback runs, so
 * replacing one between callbacks is safe; a mask keeps a hint (`circle`)
 * that is checked before use. */
static const _lv_draw_mask_radius_circle_dsc_t * table_for(lv_draw_mask_radius_param_t * m)
{
    int32_t r = m->cfg.radius;
    _lv_draw_mask_radius_circle_dsc_t * t = m->circle;
    if(t == NULL || t->buf == NULL || t->radius != r) {
        t = NULL;
        _lv_draw_mask_radius_circle_dsc_t * victim = &corner_tables[0];
        for(int i = 0; i < LV_CIRCLE_CACHE_SIZE && t == NULL; i++) {
            _lv_draw_mask_radius_circle_dsc_t * slot = &corner_tables[i];
            if(slot->buf != NULL && slot->radius == r) t = slot;
            else if(slot->buf == NULL || (victim->buf != NULL && table_age(slot) > table_age(victim))) victim = slot;
        }
        if(t == NULL) {
            drop_table(victim);
            if(!build_table(victim, r)) return NULL;
            t = victim;
        }
        m->circle = t;
    }
    t->life = (int32_t)++corner_clock;
    t->used_cnt++;
    return t;
}

/* Row `y` of the mask's rectangle as a corner row; straight rows get edge
 * and solid 0. */
static void corner_row_at(lv_draw_mask_radius_param_t * m, int32_t y, corner_row_t * row)
{
    int32_t r = m->cfg.radius;
    const lv_area_t * rc = &m->cfg.rect;
    row->radius = r;
    row->opa = NULL;
    row->depth = 0;
    if(y - rc->y1 < r) row->depth = y - rc->y1;
    else if(rc->y2 - y < r) row->depth = rc->y2 - y;
    else {
        row->edge = row->solid = 0;
        return;
    }
    const _lv_draw_mask_radius_circle_dsc_t * t = table_for(m);
    if(t == NULL) {
        row->edge = first_col_above(r, row->depth, 0, 0);
        row->solid = first_col_above(r, row->depth, row->edge, 254);
        return;
    }
    uint16_t at = t->opa_start_on_y[row->depth];
    row->edge = t->x_start_on_y[row->depth];
    row->solid = row->edge + (t->opa_start_on_y[row->depth + 1] - at);
    row->opa = &t->cir_opa[at];
}

/* Scale the partial columns of one corner: absolute columns [from, to] are
 * corner columns counting up from `side_x` (dir 1, left corner) or down
 * from it (dir -1, right corner). */
static void scale_corner(lv_opa_t * buf, int32_t run_x, int32_t run_last, const corner_row_t * row,
                         int32_t side_x, int32_t dir, int32_t from, int32_t to, bool keep_out)
{
    from = LV_MAX(from, run_x);
    to = LV_MIN(to, run_last);
    for(int32_t x = from; x <= to; x++) {
        int32_t i = (x - side_x) * dir;
        lv_opa_t c = row->opa ? row->opa[i - row->edge] : quarter_cover(row->radius, i, row->depth);
        if(keep_out) c = (lv_opa_t)(255 - c);
        buf[x - run_x] = scale_opa(buf[x - run_x], c);
    }
}

/* Full cover is returned without touching the buffer for runs inside the
 * straight part (most rows of most rectangles), and transparency for runs
 * wholly outside, so the corner work is limited to the corner pixels. */
static lv_draw_mask_res_t radius_row(lv_opa_t * buf, lv_coord_t abs_x, lv_coord_t abs_y, lv_coord_t len, void * p)
{
    lv_draw_mask_radius_param_t * m = p;
    const lv_area_t * rc = &m->cfg.rect;
    bool keep_out = m->cfg.outer;
    int32_t last = abs_x + len - 1;

    if(abs_y < rc->y1 || abs_y > rc->y2 || last < rc->x1 || abs_x > rc->x2) {
        if(keep_out) return LV_DRAW_MASK_RES_FULL_COVER;
        lv_memset_00(buf, (size_t)len);
        return LV_DRAW_MASK_RES_TRANSP;
    }

    corner_row_t row;
    corner_row_at(m, abs_y, &row);
    int32_t edge_l = rc->x1 + row.edge, edge_r = rc->x2 - row.edge;
    int32_t solid_l = rc->x1 + row.solid, solid_r = rc->x2 - row.solid;
    bool all_solid = abs_x >= solid_l && last <= solid_r;
    bool none = last < edge_l || abs_x > edge_r;

    if(keep_out ? none : all_solid) return LV_DRAW_MASK_RES_FULL_COVER;
    if(keep_out ? all_solid : none) {
        lv_memset_00(buf, (size_t)len);
        return LV_DRAW_MASK_RES_TRANSP;
    }

    if(keep_out) {
        clear_cols(buf, abs_x, last, solid_l, solid_r);
    }
    else {
        clear_cols(buf, abs_x, last, abs_x, edge_l - 1);
        clear_cols(buf, abs_x, last, edge_r + 1, last);
    }
    scale_corner(buf, abs_x, last, &row, rc->x1, 1, edge_l, solid_l - 1, keep_out);
    scale_corner(buf, abs_x, last, &row, rc->x2, -1, solid_r + 1, edge_r, keep_out);
    return LV_DRAW_MASK_RES_CHANGED;
}

/*----------------------------------------------------------------------
 * Lines, angles, fades, maps, polygons
 *----------------------------------------------------------------------*/

/* The signed distance of a pixel centre from the line, times the line's
 * length, grows by dy per column; `inv` flips it so the kept side is always
 * the positive one. Sides that do not apply to the line's direction (left
 * of a horizontal line) keep everything. */
static lv_draw_mask_res_t line_row(lv_opa_t * buf, lv_coord_t abs_x, lv_coord_t abs_y, lv_coord_t len, void * p)
{
    lv_draw_mask_line_param_t * m = p;
    int32_t dx = m->xy_steep;
    int32_t dy = m->yx_steep;
    bool sideways = m->cfg.side == LV_DRAW_MASK_LINE_SIDE_LEFT || m->cfg.side == LV_DRAW_MASK_LINE_SIDE_RIGHT;
    if(sideways ? dy == 0 : dx == 0) return LV_DRAW_MASK_RES_FULL_COVER;

    int32_t sign = m->inv ? -1 : 1;
    int32_t dist = sign * ((abs_x - m->origo.x) * dy - (abs_y - m->origo.y) * dx);
    int32_t step = sign * dy;
    bool touched = false;
    for(lv_coord_t i = 0; i < len; i++) {
        lv_opa_t c = edge_cover(dist, m->steep);
        dist += step;
        if(c == 255) continue;
        buf[i] = scale_opa(buf[i], c);
        touched = true;
    }
    return verdict(buf, len, touched);
}

/* A pixel is in the sector when it is clockwise of the start ray and
 * counter-clockwise of the end ray: both must hold for sectors up to half a
 * turn, either one for wider ones. Positions count in half pixels from the
 * vertex pixel's centre. */
static lv_draw_mask_res_t angle_row(lv_opa_t * buf, lv_coord_t abs_x, lv_coord_t abs_y, lv_coord_t len, void * p)
{
    lv_draw_mask_angle_param_t * m = p;
    int32_t s_cos = lv_trigo_cos(m->cfg.start_angle), s_sin = lv_trigo_sin(m->cfg.start_angle);
    int32_t e_cos = lv_trigo_cos(m->cfg.end_angle), e_sin = lv_trigo_sin(m->cfg.end_angle);
    bool wide = m->delta_deg > 180;

    int32_t hx = (abs_x - m->cfg.vertex_p.x) * 2;
    int32_t hy = (abs_y - m->cfg.vertex_p.y) * 2;
    int32_t past_start = s_cos * hy - s_sin * hx;
    int32_t before_end = e_sin * hx - e_cos * hy;
    int32_t gain = (int32_t)((255LL << 16) / (32767 * 2));
    bool touched = false;
    for(lv_coord_t i = 0; i < len; i++) {
        lv_opa_t a = edge_cover(past_start, gain);
        lv_opa_t b = edge_cover(before_end, gain);
        past_start -= 2 * s_sin;
        before_end += 2 * e_sin;
        lv_opa_t c = wide ? LV_MAX(a, b) : LV_MIN(a, b);
        if(c == 255) continue;
        buf[i] = scale_opa(buf[i], c);
        touched = true;
    }
    return verdict(buf, len, touched);
}

/* Rows of `coords` fade linearly from opa_top to opa_bottom between y_top
 * and y_bottom; columns and rows outside `coords` are left alone. */
static lv_draw_mask_res_t fade_row(lv_opa_t * buf, lv_coord_t abs_x, lv_coord_t abs_y, lv_coord_t len, void * p)
{
    lv_draw_mask_fade_param_t * m = p;
    const lv_area_t * a = &m->cfg.coords;
    int32_t last = abs_x + len - 1;
    if(abs_y < a->y1 || abs_y > a->y2 || last < a->x1 || abs_x > a->x2) return LV_DRAW_MASK_RES_FULL_COVER;

    int32_t opa = m->cfg.opa_bottom;
    if(abs_y <= m->cfg.y_top) opa = m->cfg.opa_top;
    else if(abs_y < m->cfg.y_bottom) opa = lv_map(abs_y, m->cfg.y_top, m->cfg.y_bottom, m->cfg.opa_top,
                                                      m->cfg.opa_bottom);
    if(opa >= LV_OPA_MAX) return LV_DRAW_MASK_RES_FULL_COVER;

    for(int32_t x = LV_MAX(abs_x, a->x1); x <= LV_MIN(last, a->x2); x++) {
        buf[x - abs_x] = scale_opa(buf[x - abs_x], (uint32_t)opa);
    }
    return verdict(buf, len, true);
}

static lv_draw_mask_res_t map_row(lv_opa_t * buf, lv_coord_t abs_x, lv_coord_t abs_y, lv_coord_t len, void * p)
{
    lv_draw_mask_map_param_t * m = p;
    const lv_area_t * a = &m->cfg.coords;
    int32_t last = abs_x + len - 1;
    if(abs_y < a->y1 || abs_y > a->y2 || last < a->x1 || abs_x > a->x2) return LV_DRAW_MASK_RES_FULL_COVER;

    const lv_opa_t * src = m->cfg.map + (size_t)(abs_y - a->y1) * (size_t)lv_area_get_width(a);
    for(int32_t x = LV_MAX(abs_x, a->x1); x <= LV_MIN(last, a->x2); x++) {
        buf[x - abs_x] = scale_opa(buf[x - abs_x], src[x - a->x1]);
    }
    return verdict(buf, len, true);
}

/* Where the polygon's edges cross the scan line at `y16` (1/FRAC px),
 * sorted; returns how many. Points are pixel centres. */
static int poly_crossings(const lv_draw_mask_polygon_param_t * m, int32_t y16, int32_t * xs)
{
    int n = 0;
    uint16_t cnt = m->cfg.point_cnt;
    for(uint16_t k = 0; k < cnt && n < POLY_CROSSINGS_MAX; k++) {
        const lv_point_t * a = &m->cfg.points[k];
        const lv_point_t * b = &m->cfg.points[(k + 1) % cnt];
        int32_t ay = a->y * FRAC, by = b->y * FRAC;
        bool crosses = ay <= y16 ? by > y16 : by <= y16;
        if(!crosses) continue;
        int32_t x = a->x * FRAC + (int32_t)((int64_t)(y16 - ay) * (b->x - a->x) * FRAC / (by - ay));
        int at = n++;
        while(at > 0 && xs[at - 1] > x) {
            xs[at] = xs[at - 1];
            at--;
        }
        xs[at] = x;
    }
    return n;
}

/* Even-odd filling measured on four scan lines per pixel row, each adding
 * the exact horizontal overlap of its inside spans with every pixel, so
 * edges are smooth in both directions. */
static lv_draw_mask_res_t polygon_row(lv_opa_t * buf, lv_coord_t abs_x, lv_coord_t abs_y, lv_coord_t len, void * p)
{
    lv_draw_mask_polygon_param_t * m = p;
    enum { LINES = 4 };
    if(m->cfg.point_cnt < 3 || m->cfg.points == NULL) {
        lv_memset_00(buf, (size_t)len);
        return LV_DRAW_MASK_RES_TRANSP;
    }
    uint16_t * hits = lv_mem_buf_get((uint32_t)len * sizeof(uint16_t));
    if(hits == NULL) return LV_DRAW_MASK_RES_FULL_COVER;
    lv_memset_00(hits, (size_t)len * sizeof(uint16_t));

    int32_t run_w16 = len * FRAC;
    for(int line = 0; line < LINES; line++) {
        int32_t y16 = abs_y * FRAC - FRAC / 2 + FRAC / (2 * LINES) + line * (FRAC / LINES);
        int32_t xs[POLY_CROSSINGS_MAX];
        int n = poly_crossings(m, y16, xs);
        for(int k = 0; k + 1 < n; k += 2) {
            /*Shift by half a pixel: pixel x then spans [x * FRAC, x * FRAC + FRAC) of the run*/
            int32_t from = LV_MAX(xs[k] + FRAC / 2 - abs_x * FRAC, 0);
            int32_t to = LV_MIN(xs[k + 1] + FRAC / 2 - abs_x * FRAC, run_w16);
            for(int32_t px = from / FRAC; px * FRAC < to; px++) {
                int32_t part = LV_MIN(to, px * FRAC + FRAC) - LV_MAX(from, px * FRAC);
                if(part > 0) hits[px] = (uint16_t)(hits[px] + part);
            }
        }
    }
    for(lv_coord_t i = 0; i < len; i++) {
        buf[i] = scale_opa(buf[i], (uint32_t)hits[i] * 255 / (FRAC * LINES));
    }
    lv_mem_buf_release(hits);
    return verdict(buf, len, true);
}

static lv_draw_mask_res_t run_masks(lv_opa_t * buf, lv_coord_t abs_x, lv_coord_t abs_y, lv_coord_t len,
                                    const int16_t * ids, int16_t id_cnt)
{
    lv_draw_mask_res_t res = LV_DRAW_MASK_RES_FULL_COVER;
    int16_t n = ids ? id_cnt : _LV_MASK_MAX_NUM;
    for(int16_t k = 0; k < n; k++) {
        int16_t id = ids ? ids[k] : k;
        if(id < 0 || id >= _LV_MASK_MAX_NUM || active[id].param == NULL) continue;
        _lv_draw_mask_common_dsc_t * mask = active[id].param;
        lv_draw_mask_res_t one = mask->cb(buf, abs_x, abs_y, len, mask);
        if(one == LV_DRAW_MASK_RES_TRANSP) return LV_DRAW_MASK_RES_TRANSP;
        if(one == LV_DRAW_MASK_RES_CHANGED) res = LV_DRAW_MASK_RES_CHANGED;
    }
    return res;
}

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

/* A full list gives LV_MASK_ID_INV: the shape is drawn unmasked instead of
 * stopping the program, and lv_draw_mask_remove_id ignores the id. */
int16_t lv_draw_mask_add(void * param, void * custom_id)
{
    for(int16_t id = 0; id < _LV_MASK_MAX_NUM; id++) {
        if(active[id].param != NULL) continue;
        active[id].param = param;
        active[id].custom_id = custom_id;
        return id;
    }
    return LV_MASK_ID_INV;
}

LV_ATTRIBUTE_FAST_MEM lv_draw_mask_res_t lv_draw_mask_apply(lv_opa_t * mask_buf, lv_coord_t abs_x, lv_coord_t abs_y,
                                                            lv_coord_t len)
{
    return run_masks(mask_buf, abs_x, abs_y, len, NULL, 0);
}

LV_ATTRIBUTE_FAST_MEM lv_draw_mask_res_t lv_draw_mask_apply_ids(lv_opa_t * mask_buf, lv_coord_t abs_x,
                                                                lv_coord_t abs_y, lv_coord_t len,
                                                                const int16_t * ids, int16_t ids_count)
{
    if(ids == NULL) return LV_DRAW_MASK_RES_FULL_COVER;
    return run_masks(mask_buf, abs_x, abs_y, len, ids, ids_count);
}

void * lv_draw_mask_remove_id(int16_t id)
{
    if(id < 0 || id >= _LV_MASK_MAX_NUM) return NULL;
    void * removed = active[id].param;
    active[id] = (_lv_draw_mask_saved_t) {
        NULL, NULL
    };
    return removed;
}

void * lv_draw_mask_remove_custom(void * custom_id)
{
    void * removed = NULL;
    for(int16_t id = 0; id < _LV_MASK_MAX_NUM; id++) {
        if(active[id].param == NULL || active[id].custom_id != custom_id) continue;
        removed = lv_draw_mask_remove_id(id);
    }
    return removed;
}

/* Radius masks share the corner tables and own nothing; only a polygon
 * owns memory, its copy of the points. */
void lv_draw_mask_free_param(void * p)
{
    _lv_draw_mask_common_dsc_t * common = p;
    if(common == NULL || common->type != LV_DRAW_MASK_TYPE_POLYGON) return;
    lv_draw_mask_polygon_param_t * poly = p;
    lv_mem_free(poly->cfg.points);
    poly->cfg.points = NULL;
}

void _lv_draw_mask_cleanup(void)
{
    for(int i = 0; i < LV_CIRCLE_CACHE_SIZE; i++) drop_table(&corner_tables[i]);
}

/* lv_init: a previous lv_deinit reset the memory pool under the corner
 * tables, so they are forgotten, not freed; masks a caller left in the list
 * are dropped too. */
void _lv_draw_mask_reset(void)
{
    lv_memset_00(corner_tables, sizeof(corner_tables));
    lv_memset_00(active, sizeof(active));
}

uint8_t lv_draw_mask_get_cnt(void)
{
    uint8_t n = 0;
    for(int16_t id = 0; id < _LV_MASK_MAX_NUM; id++) n += active[id].param != NULL;
    return n;
}

/* An area is untouched by a radius mask that keeps the inside of a rectangle
 * holding it (corners included), or keeps the outside of one it avoids;
 * every other kind of mask may change it. */
bool lv_draw_mask_is_any(const lv_area_t * a)
{
    for(int16_t id = 0; id < _LV_MASK_MAX_NUM; id++) {
        const _lv_draw_mask_common_dsc_t * common = active[id].param;
        if(common == NULL) continue;
        if(a == NULL || common->type != LV_DRAW_MASK_TYPE_RADIUS) return true;
        const lv_draw_mask_radius_param_t * m = active[id].param;
        bool untouched = m->cfg.outer ? _lv_area_is_out(a, &m->cfg.rect, m->cfg.radius)
                         : _lv_area_is_in(a, &m->cfg.rect, m->cfg.radius);
        if(!untouched) return true;
    }
    return false;
}

/* The side names are relative to the line's direction, so the points are
 * ordered first: downwards for LEFT/RIGHT, rightwards for TOP/BOTTOM. */
void lv_draw_mask_line_points_init(lv_draw_mask_line_param_t * param, lv_coord_t p1x, lv_coord_t p1y,
                                   lv_coord_t p2x, lv_coord_t p2y, lv_draw_mask_line_side_t side)
{
    bool sideways = side == LV_DRAW_MASK_LINE_SIDE_LEFT || side == LV_DRAW_MASK_LINE_SIDE_RIGHT;
    lv_point_t a = {p1x, p1y};
    lv_point_t b = {p2x, p2y};
    if(sideways ? b.y < a.y : b.x < a.x) {
        lv_point_t t = a;
        a = b;
        b = t;
    }
    int32_t run = b.x - a.x;
    int32_t rise = b.y - a.y;

    lv_memset_00(param, sizeof(*param));
    param->cfg.p1 = a;
    param->cfg.p2 = b;
    param->cfg.side = side;
    param->origo = a;
    param->xy_steep = run;
    param->yx_steep = rise;
    param->flat = LV_ABS(run) > LV_ABS(rise);
    /*The distance measure grows to the right of a downward line and above a rightward one*/
    param->inv = side == LV_DRAW_MASK_LINE_SIDE_LEFT || side == LV_DRAW_MASK_LINE_SIDE_BOTTOM;

    lv_sqrt_res_t length;
    lv_sqrt((uint32_t)(run * run + rise * rise), &length, 0x8000);
    int32_t len16 = length.i * FRAC + (length.f >> 4);
    /*255 of opacity per pixel of distance, in 1/65536*/
    param->steep = len16 > 0 ? (int32_t)((255LL * FRAC << 16) / len16) : 0;
    param->spx = len16;
    param->dsc.cb = line_row;
    param->dsc.type = LV_DRAW_MASK_TYPE_LINE;
}

/* The second point is put 1000 px along the direction, so rounding the
 * trigonometry to whole pixels tilts the line by well under a degree. */
void lv_draw_mask_line_angle_init(lv_draw_mask_line_param_t * param, lv_coord_t p1x, lv_coord_t py, int16_t angle,
                                  lv_draw_mask_line_side_t side)
{
    int32_t far_x = p1x + ((lv_trigo_cos(angle) * 1000) >> LV_TRIGO_SHIFT);
    int32_t far_y = py + ((lv_trigo_sin(angle) * 1000) >> LV_TRIGO_SHIFT);
    lv_draw_mask_line_points_init(param, p1x, py, (lv_coord_t)far_x, (lv_coord_t)far_y, side);
}

void lv_draw_mask_angle_init(lv_draw_mask_angle_param_t * param, lv_coord_t vertex_x, lv_coord_t vertex_y,
                             lv_coord_t start_angle, lv_coord_t end_angle)
{
    lv_coord_t from = (lv_coord_t)(((start_angle % 360) + 360) % 360);
    lv_coord_t to = (lv_coord_t)(((end_angle % 360) + 360) % 360);

    lv_memset_00(param, sizeof(*param));
    param->cfg.vertex_p = (lv_point_t) {
        vertex_x, vertex_y
    };
    param->cfg.start_angle = from;
    param->cfg.end_angle = to;
    param->delta_deg = (uint16_t)((to - from + 360) % 360);
    /*The two rays as line masks too, for code that looks at them*/
    lv_draw_mask_line_angle_init(&param->start_line, vertex_x, vertex_y, from, LV_DRAW_MASK_LINE_SIDE_LEFT);
    lv_draw_mask_line_angle_init(&param->end_line, vertex_x, vertex_y, to, LV_DRAW_MASK_LINE_SIDE_LEFT);
    param->dsc.cb = angle_row;
    param->dsc.type = LV_DRAW_MASK_TYPE_ANGLE;
}

/* The radius is clamped to half the short side, as for drawn rectangles. */
void lv_draw_mask_radius_init(lv_draw_mask_radius_param_t * param, const lv_area_t * rect, lv_coord_t radius,
                              bool inv)
{
    int32_t half_short = LV_MIN(lv_area_get_width(rect), lv_area_get_height(rect)) / 2;
    int32_t r = LV_CLAMP(0, radius, LV_MAX(half_short, 0));

    lv_memset_00(param, sizeof(*param));
    param->cfg.rect = *rect;
    param->cfg.radius = (lv_coord_t)r;
    param->cfg.outer = inv;
    param->dsc.cb = radius_row;
    param->dsc.type = LV_DRAW_MASK_TYPE_RADIUS;
}

void lv_draw_mask_fade_init(lv_draw_mask_fade_param_t * param, const lv_area_t * coords, lv_opa_t opa_top,
                            lv_coord_t y_top,
                            lv_opa_t opa_bottom, lv_coord_t y_bottom)
{
    lv_draw_mask_fade_param_t fresh = {
        .dsc = {.cb = fade_row, .type = LV_DRAW_MASK_TYPE_FADE},
        .cfg = {.coords = *coords, .y_top = y_top, .y_bottom = y_bottom, .opa_top = opa_top, .opa_bottom = opa_bottom},
    };
    *param = fresh;
}

void lv_draw_mask_map_init(lv_draw_mask_map_param_t * param, const lv_area_t * coords, const lv_opa_t * map)
{
    lv_draw_mask_map_param_t fresh = {
        .dsc = {.cb = map_row, .type = LV_DRAW_MASK_TYPE_MAP},
        .cfg = {.coords = *coords, .map = map},
    };
    *param = fresh;
}

/* Without memory for the copy the mask has no points and hides everything:
 * the polygon is not drawn, and adding the mask stays safe. */
void lv_draw_mask_polygon_init(lv_draw_mask_polygon_param_t * param, const lv_point_t * points, uint16_t point_cnt)
{
    lv_memset_00(param, sizeof(*param));
    param->dsc.cb = polygon_row;
    param->dsc.type = LV_DRAW_MASK_TYPE_POLYGON;
    size_t bytes = sizeof(lv_point_t) * point_cnt;
    lv_point_t * copy = lv_mem_alloc(bytes ? bytes : sizeof(lv_point_t));
    if(copy == NULL) return;
    if(bytes) lv_memcpy(copy, points, bytes);
    param->cfg.points = copy;
    param->cfg.point_cnt = point_cnt;
}
