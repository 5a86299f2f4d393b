/**
 * @file lv_area.h
 * Points, rectangular areas, coordinates with special values (percent, content
 * size) and alignment.
 */
#ifndef LV_AREA_H
#define LV_AREA_H

#ifdef __cplusplus
extern "C" {
#endif

/*********************
 *      INCLUDES
 *********************/
#include "../lv_conf_internal.h"
#include <stdbool.h>
#include <stdint.h>

/*********************
 *      DEFINES
 *********************/
#if LV_USE_LARGE_COORD
typedef int32_t lv_coord_t;
#else
typedef int16_t lv_coord_t;
#endif

/* The two top bits below the sign mark a coordinate's kind: plain pixels or a
 * special value (percentage, LV_SIZE_CONTENT). */
#define _LV_COORD_TYPE_SHIFT    (13U)
#define _LV_COORD_TYPE_MASK     (3 << _LV_COORD_TYPE_SHIFT)
#define _LV_COORD_TYPE(x)       ((x) & _LV_COORD_TYPE_MASK)
#define _LV_COORD_PLAIN(x)      ((x) & ~_LV_COORD_TYPE_MASK)

#define _LV_COORD_TYPE_PX       (0 << _LV_COORD_TYPE_SHIFT)
#define _LV_COORD_TYPE_SPEC     (1 << _LV_COORD_TYPE_SHIFT)
#define _LV_COORD_TYPE_PX_NEG   (3 << _LV_COORD_TYPE_SHIFT)

#define LV_COORD_IS_PX(x)       (_LV_COORD_TYPE(x) == _LV_COORD_TYPE_PX || \
                                 _LV_COORD_TYPE(x) == _LV_COORD_TYPE_PX_NEG ? true : false)
#define LV_COORD_IS_SPEC(x)     (_LV_COORD_TYPE(x) == _LV_COORD_TYPE_SPEC ? true : false)

#define LV_COORD_SET_SPEC(x)    ((x) | _LV_COORD_TYPE_SPEC)

/* Percentages (negative too) and content size are special values. */
#define LV_PCT(x)               ((x) < 0 ? LV_COORD_SET_SPEC(1000 - (x)) : LV_COORD_SET_SPEC(x))
#define LV_COORD_IS_PCT(x)      ((LV_COORD_IS_SPEC(x) && _LV_COORD_PLAIN(x) <= 2000) ? true : false)
#define LV_COORD_GET_PCT(x)     (_LV_COORD_PLAIN(x) > 1000 ? 1000 - _LV_COORD_PLAIN(x) : _LV_COORD_PLAIN(x))
#define LV_SIZE_CONTENT         LV_COORD_SET_SPEC(2001)

#define LV_COORD_MAX            ((1 << _LV_COORD_TYPE_SHIFT) - 1)
#define LV_COORD_MIN            (-LV_COORD_MAX)

/**********************
 *      TYPEDEFS
 **********************/

typedef struct {
    lv_coord_t x;
    lv_coord_t y;
} lv_point_t;

/* An area; both corners are inclusive. */
typedef struct {
    lv_coord_t x1;
    lv_coord_t y1;
    lv_coord_t x2;
    lv_coord_t y2;
} lv_area_t;

enum {
    LV_ALIGN_DEFAULT = 0,
    LV_ALIGN_TOP_LEFT,
    LV_ALIGN_TOP_MID,
    LV_ALIGN_TOP_RIGHT,
    LV_ALIGN_BOTTOM_LEFT,
    LV_ALIGN_BOTTOM_MID,
    LV_ALIGN_BOTTOM_RIGHT,
    LV_ALIGN_LEFT_MID,
    LV_ALIGN_RIGHT_MID,
    LV_ALIGN_CENTER,

    LV_ALIGN_OUT_TOP_LEFT,
    LV_ALIGN_OUT_TOP_MID,
    LV_ALIGN_OUT_TOP_RIGHT,
    LV_ALIGN_OUT_BOTTOM_LEFT,
    LV_ALIGN_OUT_BOTTOM_MID,
    LV_ALIGN_OUT_BOTTOM_RIGHT,
    LV_ALIGN_OUT_LEFT_TOP,
    LV_ALIGN_OUT_LEFT_MID,
    LV_ALIGN_OUT_LEFT_BOTTOM,
    LV_ALIGN_OUT_RIGHT_TOP,
    LV_ALIGN_OUT_RIGHT_MID,
    LV_ALIGN_OUT_RIGHT_BOTTOM,
};
typedef uint8_t lv_align_t;

enum {
    LV_DIR_NONE     = 0x00,
    LV_DIR_LEFT     = (1 << 0),
    LV_DIR_RIGHT    = (1 << 1),
    LV_DIR_TOP      = (1 << 2),
    LV_DIR_BOTTOM   = (1 << 3),
    LV_DIR_HOR      = LV_DIR_LEFT | LV_DIR_RIGHT,
    LV_DIR_VER      = LV_DIR_TOP | LV_DIR_BOTTOM,
    LV_DIR_ALL      = LV_DIR_HOR | LV_DIR_VER,
};
typedef uint8_t lv_dir_t;

/**********************
 * GLOBAL PROTOTYPES
 **********************/

/** Fill in an area from its corners, both inclusive. */
void lv_area_set(lv_area_t * area_p, lv_coord_t x1, lv_coord_t y1, lv_coord_t x2, lv_coord_t y2);

/** Copy an area. */
static inline void lv_area_copy(lv_area_t * dest, const lv_area_t * src)
{
    *dest = *src;
}

/** @return the width of an area (x2 - x1 + 1) */
static inline lv_coord_t lv_area_get_width(const lv_area_t * area_p)
{
    return (lv_coord_t)(1 + area_p->x2 - area_p->x1);
}

/** @return the height of an area (y2 - y1 + 1) */
static inline lv_coord_t lv_area_get_height(const lv_area_t * area_p)
{
    return (lv_coord_t)(1 + area_p->y2 - area_p->y1);
}

/** Set the width of an area, keeping x1. */
void lv_area_set_width(lv_area_t * area_p, lv_coord_t w);

/** Set the height of an area, keeping y1. */
void lv_area_set_height(lv_area_t * area_p, lv_coord_t h);

/** Move an area so its top-left corner is (x, y), keeping the size. */
void _lv_area_set_pos(lv_area_t * area_p, lv_coord_t x, lv_coord_t y);

/** @return the number of pixels in an area */
uint32_t lv_area_get_size(const lv_area_t * area_p);

/** Grow an area by the given amounts on each side (negative shrinks). */
void lv_area_increase(lv_area_t * area, lv_coord_t w_extra, lv_coord_t h_extra);

/** Shift an area by (x_ofs, y_ofs). */
void lv_area_move(lv_area_t * area, lv_coord_t x_ofs, lv_coord_t y_ofs);

/**
 * Intersect two areas.
 * @param res_p result, written even when the areas do not overlap
 * @return false when the intersection is empty
 */
bool _lv_area_intersect(lv_area_t * res_p, const lv_area_t * a1_p, const lv_area_t * a2_p);

/**
 * Cut `a2_p` out of `area_in`: up to four pieces covering area_in minus a2_p.
 * @return the number of pieces written to res_p, or -1 if the areas do not overlap
 */
int8_t _lv_area_diff(lv_area_t res_p[], const lv_area_t * area_in, const lv_area_t * a2_p);

/** The smallest area holding both areas. */
void _lv_area_join(lv_area_t * a_res_p, const lv_area_t * a1_p, const lv_area_t * a2_p);

/**
 * Is a point in an area, taking a corner radius into account?
 * @param radius corner radius; the point is outside where the rounding cuts the corner
 */
bool _lv_area_is_point_on(const lv_area_t * a_p, const lv_point_t * p_p, lv_coord_t radius);

/** @return true when the two areas share at least one pixel */
bool _lv_area_is_on(const lv_area_t * a1_p, const lv_area_t * a2_p);

/** @return true when `ain_p` lies entirely inside `aholder_p` (with rounded corners of `radius`) */
bool _lv_area_is_in(const lv_area_t * ain_p, const lv_area_t * aholder_p, lv_coord_t radius);

/** @return true when `aout_p` lies entirely outside `aholder_p` (with rounded corners of `radius`) */
bool _lv_area_is_out(const lv_area_t * aout_p, const lv_area_t * aholder_p, lv_coord_t radius);

/** @return true when the two areas are the same */
bool _lv_area_is_equal(const lv_area_t * a, const lv_area_t * b);

/**
 * Align an area to another.
 * @param base the area to align to
 * @param to_align the area to move (its size is kept)
 * @param align an LV_ALIGN_... value
 * @param ofs_x, ofs_y extra offset after the alignment
 */
void lv_area_align(const lv_area_t * base, lv_area_t * to_align, lv_align_t align, lv_coord_t ofs_x, lv_coord_t ofs_y);

/**
 * Rotate and zoom a point around a pivot.
 * @param angle in 0.1 degrees, clockwise
 * @param zoom 256 = no zoom
 */
void lv_point_transform(lv_point_t * p, int32_t angle, int32_t zoom, const lv_point_t * pivot);

/**********************
 *      MACROS
 **********************/

static inline lv_coord_t lv_pct(lv_coord_t x)
{
    return (lv_coord_t)LV_PCT(x);
}

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_AREA_H*/
