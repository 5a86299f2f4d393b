/**
 * @file lv_math.h
 * Integer maths: trigonometry in 1/32768 units, bezier, square root, mapping.
 */
#ifndef LV_MATH_H
#define LV_MATH_H

#ifdef __cplusplus
extern "C" {
#endif

#include "../lv_conf_internal.h"
#include <stdint.h>

/*********************
 *      DEFINES
 *********************/
/* lv_trigo_sin returns sin * 32767: shift right by LV_TRIGO_SHIFT to scale back. */
#define LV_TRIGO_SIN_MAX 32768
#define LV_TRIGO_SHIFT 15

/* Bezier time and values run over 0..1024 instead of 0..1. */
#define LV_BEZIER_VAL_MAX 1024
#define LV_BEZIER_VAL_SHIFT 10

/**********************
 *      TYPEDEFS
 **********************/
typedef struct {
    uint16_t i;
    uint16_t f;
} lv_sqrt_res_t;

/**********************
 * GLOBAL PROTOTYPES
 **********************/

/**
 * @param angle in degrees (any value; reduced modulo 360)
 * @return sin(angle) * 32767
 */
int16_t lv_trigo_sin(int16_t angle);

/** @return cos(angle) * 32767, angle in degrees */
static inline int16_t lv_trigo_cos(int16_t angle)
{
    return lv_trigo_sin((int16_t)(angle + 90));
}

/**
 * Cubic bezier with fixed end points.
 * @param t time in 0..LV_BEZIER_VAL_MAX
 * @param u0..u3 control values in 0..LV_BEZIER_VAL_MAX
 * @return the value in 0..LV_BEZIER_VAL_MAX
 */
uint32_t lv_bezier3(uint32_t t, uint32_t u0, uint32_t u1, uint32_t u2, uint32_t u3);

/**
 * Direction of (x, y) in whole degrees 0..359, measured from the +y axis
 * towards +x: (0, 1) is 0, (1, 0) is 90, (0, -1) is 180, (-1, 0) is 270.
 * On the screen (y pointing down) that is 0 straight down, 90 to the right,
 * 180 up and 270 to the left. (0, 0) gives 0.
 */
uint16_t lv_atan2(int x, int y);

/**
 * Square root with a 4-bit fraction.
 * @param x the number
 * @param q result: integer part in q->i, fraction in 1/256 units (multiples of 16) in q->f
 * @param mask a hint of the root's magnitude (0x80, 0x800, 0x8000); any value gives the right result
 */
void lv_sqrt(uint32_t x, lv_sqrt_res_t * q, uint32_t mask);

/** @return base to the power of exp (exp >= 0; 0 for a negative exponent) */
int64_t lv_pow(int64_t base, int8_t exp);

/**
 * Map a value from one range to another, clamping to the output range.
 * @param x value in [min_in, max_in]
 * @return the mapped value in [min_out, max_out]
 */
int32_t lv_map(int32_t x, int32_t min_in, int32_t max_in, int32_t min_out, int32_t max_out);

/** @return a pseudo random number in [min, max] */
uint32_t lv_rand(uint32_t min, uint32_t max);

/**********************
 *      MACROS
 **********************/
#define LV_MIN(a, b) ((a) < (b) ? (a) : (b))
#define LV_MIN3(a, b, c) (LV_MIN(LV_MIN(a,b), c))
#define LV_MIN4(a, b, c, d) (LV_MIN(LV_MIN(a,b), LV_MIN(c,d)))

#define LV_MAX(a, b) ((a) > (b) ? (a) : (b))
#define LV_MAX3(a, b, c) (LV_MAX(LV_MAX(a,b), c))
#define LV_MAX4(a, b, c, d) (LV_MAX(LV_MAX(a,b), LV_MAX(c,d)))

#define LV_CLAMP(min, val, max) (LV_MAX(min, (LV_MIN(val, max))))

#define LV_ABS(x) ((x) > 0 ? (x) : (-(x)))
#define LV_UDIV255(x) (((x) * 0x8081U) >> 0x17)

#define LV_IS_SIGNED(t) (((t)(-1)) < ((t)0))
#define LV_UMAX_OF(t) (((0x1ULL << ((sizeof(t) * 8ULL) - 1ULL)) - 1ULL) | (0xFULL << ((sizeof(t) * 8ULL) - 4ULL)))
#define LV_SMAX_OF(t) (((0x1ULL << ((sizeof(t) * 8ULL) - 1ULL)) - 1ULL) | (0x7ULL << ((sizeof(t) * 8ULL) - 4ULL)))
#define LV_MAX_OF(t) ((unsigned long)(LV_IS_SIGNED(t) ? LV_SMAX_OF(t) : LV_UMAX_OF(t)))

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_MATH_H*/
