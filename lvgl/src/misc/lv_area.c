/**
 * @file lv_area.c
 * Rectangles with inclusive corners, the rounded-rectangle containment
 * tests the renderer uses to skip masks, alignment and point transforms.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_area.h"
#include "lv_math.h"

/*********************
 *      DEFINES
 *********************/
/* lv_point_transform works with sin and cos scaled to 1 << TURN_BITS. */
#define TURN_BITS 10

/**********************
 *      TYPEDEFS
 **********************/

/* Where an aligned area goes along one axis of its base. */
typedef enum {
    AT_START,       /* flush with the base's left or top edge, inside */
    AT_MIDDLE,
    AT_END,         /* flush with the right or bottom edge, inside */
    BEFORE,         /* just outside, left of or above the base */
    AFTER,          /* just outside, right of or below it */
} anchor_t;

/**********************
 *  STATIC VARIABLES
 **********************/

/* Per lv_align_t value: the horizontal and the vertical anchor. */
static const uint8_t align_anchors[][2] = {
    [LV_ALIGN_DEFAULT] = {AT_START, AT_START},
    [LV_ALIGN_TOP_LEFT] = {AT_START, AT_START},
    [LV_ALIGN_TOP_MID] = {AT_MIDDLE, AT_START},
    [LV_ALIGN_TOP_RIGHT] = {AT_END, AT_START},
    [LV_ALIGN_BOTTOM_LEFT] = {AT_START, AT_END},
    [LV_ALIGN_BOTTOM_MID] = {AT_MIDDLE, AT_END},
    [LV_ALIGN_BOTTOM_RIGHT] = {AT_END, AT_END},
    [LV_ALIGN_LEFT_MID] = {AT_START, AT_MIDDLE},
    [LV_ALIGN_RIGHT_MID] = {AT_END, AT_MIDDLE},
    [LV_ALIGN_CENTER] = {AT_MIDDLE, AT_MIDDLE},
    [LV_ALIGN_OUT_TOP_LEFT] = {AT_START, BEFORE},
    [LV_ALIGN_OUT_TOP_MID] = {AT_MIDDLE, BEFORE},
    [LV_ALIGN_OUT_TOP_RIGHT] = {AT_END, BEFORE},
    [LV_ALIGN_OUT_BOTTOM_LEFT] = {AT_START, AFTER},
    [LV_ALIGN_OUT_BOTTOM_MID] = {AT_MIDDLE, AFTER},
    [LV_ALIGN_OUT_BOTTOM_RIGHT] = {AT_END, AFTER},
    [LV_ALIGN_OUT_LEFT_TOP] = {BEFORE, AT_START},
    [LV_ALIGN_OUT_LEFT_MID] = {BEFORE, AT_MIDDLE},
    [LV_ALIGN_OUT_LEFT_BOTTOM] = {BEFORE, AT_END},
    [LV_ALIGN_OUT_RIGHT_TOP] = {AFTER, AT_START},
    [LV_ALIGN_OUT_RIGHT_MID] = {AFTER, AT_MIDDLE},
    [LV_ALIGN_OUT_RIGHT_BOTTOM] = {AFTER, AT_END},
};

/**********************
 *   STATIC FUNCTIONS
 **********************/

/* The offset from the base's start of something `len` long placed at `a`
 * along a base `base_len` long. */
static int32_t anchor_offset(anchor_t a, int32_t base_len, int32_t len)
{
    switch(a) {
        case AT_MIDDLE:
            return base_len / 2 - len / 2;
        case AT_END:
            return base_len - len;
        case BEFORE:
            return -len;
        case AFTER:
            return base_len;
        default:
            return 0;
    }
}

/* The corner circle centre nearest to v along one axis, or v itself between
 * the corners: lo and hi are the centres at the start and the end. */
static int32_t nearest_centre(int32_t v, int32_t lo, int32_t hi)
{
    if(v < lo) return lo;
    if(v > hi) return hi;
    return v;
}

/* The four corner pixels of an area, clockwise from the top left. */
static void corners_of(const lv_area_t * a, lv_point_t out[4])
{
    out[0] = (lv_point_t) {
        a->x1, a->y1
    };
    out[1] = (lv_point_t) {
        a->x2, a->y1
    };
    out[2] = (lv_point_t) {
        a->x2, a->y2
    };
    out[3] = (lv_point_t) {
        a->x1, a->y2
    };
}

/* How many corners of `a` lie on the rounded rectangle `holder`. */
static int corners_on(const lv_area_t * a, const lv_area_t * holder, lv_coord_t radius)
{
    lv_point_t c[4];
    corners_of(a, c);
    int on = 0;
    for(int k = 0; k < 4; k++) on += _lv_area_is_point_on(holder, &c[k], radius);
    return on;
}

/* sin and cos of a tenth-degree angle, scaled to 1 << TURN_BITS, from the
 * whole-degree table by linear interpolation. */
static void turn_factors(int32_t tenths, int32_t * sin_out, int32_t * cos_out)
{
    int32_t deg = tenths / 10;
    int32_t frac = tenths - deg * 10;
    int32_t s = lv_trigo_sin((int16_t)deg) * (10 - frac) + lv_trigo_sin((int16_t)(deg + 1)) * frac;
    int32_t c = lv_trigo_cos((int16_t)deg) * (10 - frac) + lv_trigo_cos((int16_t)(deg + 1)) * frac;
    *sin_out = (s / 10) >> (LV_TRIGO_SHIFT - TURN_BITS);
    *cos_out = (c / 10) >> (LV_TRIGO_SHIFT - TURN_BITS);
}

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

void lv_area_set(lv_area_t * area_p, lv_coord_t x1, lv_coord_t y1, lv_coord_t x2, lv_coord_t y2)
{
    lv_area_t a = {x1, y1, x2, y2};
    *area_p = a;
}

void lv_area_set_width(lv_area_t * area_p, lv_coord_t w)
{
    area_p->x2 = (lv_coord_t)(area_p->x1 - 1 + w);
}

void lv_area_set_height(lv_area_t * area_p, lv_coord_t h)
{
    area_p->y2 = (lv_coord_t)(area_p->y1 - 1 + h);
}

void _lv_area_set_pos(lv_area_t * area_p, lv_coord_t x, lv_coord_t y)
{
    lv_area_move(area_p, (lv_coord_t)(x - area_p->x1), (lv_coord_t)(y - area_p->y1));
}

/* An empty area (a corner past the other) has no pixels, not a negative or
 * wrapped count. */
uint32_t lv_area_get_size(const lv_area_t * area_p)
{
    int32_t w = lv_area_get_width(area_p);
    int32_t h = lv_area_get_height(area_p);
    return w > 0 && h > 0 ? (uint32_t)w * (uint32_t)h : 0;
}

void lv_area_increase(lv_area_t * area, lv_coord_t w_extra, lv_coord_t h_extra)
{
    lv_area_t grown = {(lv_coord_t)(area->x1 - w_extra), (lv_coord_t)(area->y1 - h_extra),
                       (lv_coord_t)(area->x2 + w_extra), (lv_coord_t)(area->y2 + h_extra)
                      };
    *area = grown;
}

void lv_area_move(lv_area_t * area, lv_coord_t x_ofs, lv_coord_t y_ofs)
{
    lv_area_t moved = {(lv_coord_t)(area->x1 + x_ofs), (lv_coord_t)(area->y1 + y_ofs),
                       (lv_coord_t)(area->x2 + x_ofs), (lv_coord_t)(area->y2 + y_ofs)
                      };
    *area = moved;
}

/* The result may be one of the inputs. */
bool _lv_area_intersect(lv_area_t * res_p, const lv_area_t * a1_p, const lv_area_t * a2_p)
{
    lv_area_t common = {LV_MAX(a1_p->x1, a2_p->x1), LV_MAX(a1_p->y1, a2_p->y1), LV_MIN(a1_p->x2, a2_p->x2),
                        LV_MIN(a1_p->y2, a2_p->y2)
                       };
    *res_p = common;
    return common.x1 <= common.x2 && common.y1 <= common.y2;
}

/* What is left of area_in outside a2: at most four pieces, the full-width
 * bands above and below a2, then the parts beside it between those bands.
 * -1 when the two do not meet (area_in stays whole). */
int8_t _lv_area_diff(lv_area_t res_p[], const lv_area_t * area_in, const lv_area_t * a2_p)
{
    lv_area_t cut;
    if(!_lv_area_intersect(&cut, area_in, a2_p)) return -1;

    const lv_area_t pieces[4] = {
        {area_in->x1, area_in->y1, area_in->x2, (lv_coord_t)(cut.y1 - 1)},
        {area_in->x1, (lv_coord_t)(cut.y2 + 1), area_in->x2, area_in->y2},
        {area_in->x1, cut.y1, (lv_coord_t)(cut.x1 - 1), cut.y2},
        {(lv_coord_t)(cut.x2 + 1), cut.y1, area_in->x2, cut.y2},
    };
    int8_t n = 0;
    for(int k = 0; k < 4; k++) {
        if(pieces[k].x1 <= pieces[k].x2 && pieces[k].y1 <= pieces[k].y2) res_p[n++] = pieces[k];
    }
    return n;
}

void _lv_area_join(lv_area_t * a_res_p, const lv_area_t * a1_p, const lv_area_t * a2_p)
{
    lv_area_t both = {LV_MIN(a1_p->x1, a2_p->x1), LV_MIN(a1_p->y1, a2_p->y1), LV_MAX(a1_p->x2, a2_p->x2),
                      LV_MAX(a1_p->y2, a2_p->y2)
                     };
    *a_res_p = both;
}

/* Inside the rectangle, and for a point beyond a corner circle's centre in
 * both directions, within that circle. The radius is clamped to half the
 * short side. */
bool _lv_area_is_point_on(const lv_area_t * a_p, const lv_point_t * p_p, lv_coord_t radius)
{
    bool in_box = p_p->x >= a_p->x1 && p_p->x <= a_p->x2 && p_p->y >= a_p->y1 && p_p->y <= a_p->y2;
    if(!in_box || radius <= 0) return in_box;

    int32_t r = LV_MIN((int32_t)radius, LV_MIN(lv_area_get_width(a_p), lv_area_get_height(a_p)) / 2);
    int32_t cx = nearest_centre(p_p->x, a_p->x1 + r, a_p->x2 - r);
    int32_t cy = nearest_centre(p_p->y, a_p->y1 + r, a_p->y2 - r);
    int32_t dx = p_p->x - cx;
    int32_t dy = p_p->y - cy;
    return dx == 0 || dy == 0 || dx * dx + dy * dy <= r * r;
}

bool _lv_area_is_on(const lv_area_t * a1_p, const lv_area_t * a2_p)
{
    lv_area_t common;
    return _lv_area_intersect(&common, a1_p, a2_p);
}

/* Every corner of ain_p on the rounded holder: the whole area is then in it. */
bool _lv_area_is_in(const lv_area_t * ain_p, const lv_area_t * aholder_p, lv_coord_t radius)
{
    bool in_box = ain_p->x1 >= aholder_p->x1 && ain_p->y1 >= aholder_p->y1 && ain_p->x2 <= aholder_p->x2 &&
                  ain_p->y2 <= aholder_p->y2;
    if(!in_box || radius == 0) return in_box;
    return corners_on(ain_p, aholder_p, radius) == 4;
}

/* No corner of aout_p on the holder: touching only a cut-off corner of it
 * still counts as outside. */
bool _lv_area_is_out(const lv_area_t * aout_p, const lv_area_t * aholder_p, lv_coord_t radius)
{
    if(!_lv_area_is_on(aout_p, aholder_p)) return true;
    if(radius == 0) return false;
    return corners_on(aout_p, aholder_p, radius) == 0;
}

bool _lv_area_is_equal(const lv_area_t * a, const lv_area_t * b)
{
    return a->x1 == b->x1 && a->y1 == b->y1 && a->x2 == b->x2 && a->y2 == b->y2;
}

void lv_area_align(const lv_area_t * base, lv_area_t * to_align, lv_align_t align, lv_coord_t ofs_x, lv_coord_t ofs_y)
{
    anchor_t ax = AT_START, ay = AT_START;
    if(align < sizeof(align_anchors) / sizeof(align_anchors[0])) {
        ax = (anchor_t)align_anchors[align][0];
        ay = (anchor_t)align_anchors[align][1];
    }
    int32_t x = base->x1 + ofs_x + anchor_offset(ax, lv_area_get_width(base), lv_area_get_width(to_align));
    int32_t y = base->y1 + ofs_y + anchor_offset(ay, lv_area_get_height(base), lv_area_get_height(to_align));
    _lv_area_set_pos(to_align, (lv_coord_t)x, (lv_coord_t)y);
}

/* Zoom alone is exact in 1/256; with an angle the factors carry TURN_BITS
 * of precision, with or without zoom. */
void lv_point_transform(lv_point_t * p, int32_t angle, int32_t zoom, const lv_point_t * pivot)
{
    if(angle == 0 && zoom == 256) return;
    int32_t dx = p->x - pivot->x;
    int32_t dy = p->y - pivot->y;
    if(angle == 0) {
        p->x = (lv_coord_t)(pivot->x + (((int64_t)dx * zoom) >> 8));
        p->y = (lv_coord_t)(pivot->y + (((int64_t)dy * zoom) >> 8));
        return;
    }
    int32_t s, c;
    turn_factors(angle, &s, &c);
    /*64-bit products: a far point times a large zoom overflows 32 bits*/
    p->x = (lv_coord_t)(pivot->x + (((int64_t)(c * dx - s * dy) * zoom) >> (TURN_BITS + 8)));
    p->y = (lv_coord_t)(pivot->y + (((int64_t)(s * dx + c * dy) * zoom) >> (TURN_BITS + 8)));
}
