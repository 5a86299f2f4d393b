/**
 * @file lv_draw_mask.h
 * Masks: per-line opacity generators (line, angle, rounded rectangle, fade,
 * map, polygon) kept in a global list. Drawing code asks lv_draw_mask_apply
 * for the opacity of a horizontal run of pixels and blends with the result.
 */
#ifndef LV_DRAW_MASK_H
#define LV_DRAW_MASK_H

#ifdef __cplusplus
extern "C" {
#endif

/*********************
 *      INCLUDES
 *********************/
#include <stdbool.h>
#include "../misc/lv_area.h"
#include "../misc/lv_color.h"
#include "../misc/lv_math.h"

/*********************
 *      DEFINES
 *********************/
#define LV_MASK_ID_INV  (-1)
#if LV_DRAW_COMPLEX
# define _LV_MASK_MAX_NUM     16
#else
# define _LV_MASK_MAX_NUM     1
#endif

/**********************
 *      TYPEDEFS
 **********************/

/* What a mask did to a run of pixels. */
enum {
    LV_DRAW_MASK_RES_TRANSP,      /* everything hidden: the run need not be drawn */
    LV_DRAW_MASK_RES_FULL_COVER,  /* nothing hidden: the mask buffer was not changed */
    LV_DRAW_MASK_RES_CHANGED,     /* the mask buffer holds the opacities */
    LV_DRAW_MASK_RES_UNKNOWN
};
typedef uint8_t lv_draw_mask_res_t;

typedef struct {
    void * param;
    void * custom_id;
} _lv_draw_mask_saved_t;

typedef _lv_draw_mask_saved_t _lv_draw_mask_saved_arr_t[_LV_MASK_MAX_NUM];

enum {
    LV_DRAW_MASK_TYPE_LINE,
    LV_DRAW_MASK_TYPE_ANGLE,
    LV_DRAW_MASK_TYPE_RADIUS,
    LV_DRAW_MASK_TYPE_FADE,
    LV_DRAW_MASK_TYPE_MAP,
    LV_DRAW_MASK_TYPE_POLYGON,
};
typedef uint8_t lv_draw_mask_type_t;

/* Which side of a line mask stays visible. */
enum {
    LV_DRAW_MASK_LINE_SIDE_LEFT = 0,
    LV_DRAW_MASK_LINE_SIDE_RIGHT,
    LV_DRAW_MASK_LINE_SIDE_TOP,
    LV_DRAW_MASK_LINE_SIDE_BOTTOM,
};
typedef uint8_t lv_draw_mask_line_side_t;

/**
 * A mask function: multiply mask_buf[0..len) (the pixels from (abs_x, abs_y)
 * to the right) by the mask's coverage.
 * @return one of LV_DRAW_MASK_RES_...
 */
typedef lv_draw_mask_res_t (*lv_draw_mask_xcb_t)(lv_opa_t * mask_buf, lv_coord_t abs_x, lv_coord_t abs_y,
                                                 lv_coord_t len, void * p);

/* The first member of every mask parameter. */
typedef struct {
    lv_draw_mask_xcb_t cb;
    lv_draw_mask_type_t type;
} _lv_draw_mask_common_dsc_t;

typedef struct {
    _lv_draw_mask_common_dsc_t dsc;

    struct {
        lv_point_t p1;
        lv_point_t p2;
        lv_draw_mask_line_side_t side : 2;
    } cfg;

    /* Derived at init: the line as a point and a direction in 1/1024 pixel. */
    lv_point_t origo;
    int32_t xy_steep;   /* x change per y step, *1024 */
    int32_t yx_steep;   /* y change per x step, *1024 */
    int32_t steep;
    int32_t spx;
    uint8_t flat : 1;   /* |dx| > |dy| */
    uint8_t inv : 1;    /* keep the other side */
} lv_draw_mask_line_param_t;

typedef struct {
    _lv_draw_mask_common_dsc_t dsc;

    struct {
        lv_point_t vertex_p;
        lv_coord_t start_angle;
        lv_coord_t end_angle;
    } cfg;

    lv_draw_mask_line_param_t start_line;
    lv_draw_mask_line_param_t end_line;
    uint16_t delta_deg;
} lv_draw_mask_angle_param_t;

/* The coverage of a rounded corner of one radius, worked out once and shared
 * by every radius mask of that radius (LV_CIRCLE_CACHE_SIZE of them are
 * kept). Row j counts from the rectangle's top or bottom edge, columns from
 * its side; each row has partially covered columns from x_start_on_y[j]
 * on, opa_start_on_y[j + 1] - opa_start_on_y[j] of them, then full cover. */
typedef struct {
    uint8_t * buf;              /* the allocation holding the two index arrays; NULL: slot unused */
    lv_opa_t * cir_opa;         /* the partial coverages, row after row */
    uint16_t * x_start_on_y;    /* per row: the first column with any coverage */
    uint16_t * opa_start_on_y;  /* per row (and one past the last): where its values start in cir_opa */
    int32_t life;               /* when it was last used, to replace the least recent */
    uint32_t used_cnt;          /* how often it was used */
    lv_coord_t radius;
} _lv_draw_mask_radius_circle_dsc_t;

typedef _lv_draw_mask_radius_circle_dsc_t _lv_draw_mask_radius_circle_dsc_arr_t[LV_CIRCLE_CACHE_SIZE];

typedef struct {
    _lv_draw_mask_common_dsc_t dsc;

    struct {
        lv_area_t rect;
        lv_coord_t radius;
        uint8_t outer: 1;   /* 1: keep the outside of the rectangle */
    } cfg;

    _lv_draw_mask_radius_circle_dsc_t * circle;     /* the table last used, checked before it is used again */
} lv_draw_mask_radius_param_t;

typedef struct {
    _lv_draw_mask_common_dsc_t dsc;

    struct {
        lv_area_t coords;
        lv_coord_t y_top;
        lv_coord_t y_bottom;
        lv_opa_t opa_top;
        lv_opa_t opa_bottom;
    } cfg;

} lv_draw_mask_fade_param_t;

typedef struct _lv_draw_mask_map_param_t {
    _lv_draw_mask_common_dsc_t dsc;

    struct {
        lv_area_t coords;
        const lv_opa_t * map;
    } cfg;
} lv_draw_mask_map_param_t;

typedef struct {
    _lv_draw_mask_common_dsc_t dsc;

    struct {
        lv_point_t * points;
        uint16_t point_cnt;
    } cfg;
} lv_draw_mask_polygon_param_t;

/**********************
 * GLOBAL PROTOTYPES
 **********************/

/**
 * Add a mask to the global list. The parameter must stay alive until removed.
 * @param param an initialised mask parameter
 * @param custom_id an owner tag for lv_draw_mask_remove_custom (may be NULL)
 * @return the mask's id, or LV_MASK_ID_INV when all _LV_MASK_MAX_NUM slots are taken
 */
int16_t lv_draw_mask_add(void * param, void * custom_id);

/**
 * Apply every added mask to a run of pixels.
 * @param mask_buf len opacities, initialised by the caller (usually 0xFF)
 * @return LV_DRAW_MASK_RES_FULL_COVER when no mask changed anything,
 *         LV_DRAW_MASK_RES_TRANSP when everything is hidden, else CHANGED
 */
LV_ATTRIBUTE_FAST_MEM lv_draw_mask_res_t lv_draw_mask_apply(lv_opa_t * mask_buf, lv_coord_t abs_x, lv_coord_t abs_y,
                                                            lv_coord_t len);

/** Same as lv_draw_mask_apply, with only the masks of the given ids. */
LV_ATTRIBUTE_FAST_MEM lv_draw_mask_res_t lv_draw_mask_apply_ids(lv_opa_t * mask_buf, lv_coord_t abs_x,
                                                                lv_coord_t abs_y, lv_coord_t len,
                                                                const int16_t * ids, int16_t ids_count);

/**
 * Remove a mask from the list (the parameter is not freed).
 * @return the removed parameter or NULL
 */
void * lv_draw_mask_remove_id(int16_t id);

/**
 * Remove every mask added with `custom_id`.
 * @return the last removed parameter or NULL
 */
void * lv_draw_mask_remove_custom(void * custom_id);

/** Release what a mask parameter holds (a polygon's copy of its points). */
void lv_draw_mask_free_param(void * p);

/** Free the cached corner tables. */
void _lv_draw_mask_cleanup(void);

/** Start afresh after the memory pool was reset: empty list, no tables (lv_init). */
void _lv_draw_mask_reset(void);

/** @return the number of masks in the list */
uint8_t lv_draw_mask_get_cnt(void);

/** @return true when a mask may affect area `a` (NULL: any area) */
bool lv_draw_mask_is_any(const lv_area_t * a);

/**
 * A line mask through two points. For a mostly horizontal line TOP/BOTTOM
 * pick the side; for a mostly vertical one LEFT/RIGHT. The line is infinite.
 */
void lv_draw_mask_line_points_init(lv_draw_mask_line_param_t * param, lv_coord_t p1x, lv_coord_t p1y,
                                   lv_coord_t p2x, lv_coord_t p2y, lv_draw_mask_line_side_t side);

/**
 * A line mask through a point at `angle` degrees (0 = pointing right, clockwise).
 */
void lv_draw_mask_line_angle_init(lv_draw_mask_line_param_t * param, lv_coord_t p1x, lv_coord_t py, int16_t angle,
                                  lv_draw_mask_line_side_t side);

/**
 * Keep the sector from `start_angle` to `end_angle` (degrees, 0 = right,
 * clockwise) around a vertex.
 */
void lv_draw_mask_angle_init(lv_draw_mask_angle_param_t * param, lv_coord_t vertex_x, lv_coord_t vertex_y,
                             lv_coord_t start_angle, lv_coord_t end_angle);

/**
 * Keep the inside (inv false) or the outside (inv true) of a rounded
 * rectangle, with anti-aliased corners.
 */
void lv_draw_mask_radius_init(lv_draw_mask_radius_param_t * param, const lv_area_t * rect, lv_coord_t radius,
                              bool inv);

/**
 * Fade vertically: opa_top at and above y_top, opa_bottom at and below
 * y_bottom, linear in between; pixels outside `coords` are left as they are.
 */
void lv_draw_mask_fade_init(lv_draw_mask_fade_param_t * param, const lv_area_t * coords, lv_opa_t opa_top,
                            lv_coord_t y_top,
                            lv_opa_t opa_bottom, lv_coord_t y_bottom);

/** Multiply by an opacity map covering `coords` (one byte per pixel). */
void lv_draw_mask_map_init(lv_draw_mask_map_param_t * param, const lv_area_t * coords, const lv_opa_t * map);

/** Keep the inside of a polygon (the points are copied). */
void lv_draw_mask_polygon_init(lv_draw_mask_polygon_param_t * param, const lv_point_t * points, uint16_t point_cnt);

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_DRAW_MASK_H*/
