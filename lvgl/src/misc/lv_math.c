/**
 * @file lv_math.c
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_math.h"
#include <stdbool.h>

/**********************
 *  STATIC VARIABLES
 **********************/

/* sin(d) * 32767 for d = 0..90 degrees; the other quadrants are mirrors. */
static const int16_t sin0_90_table[] = {
    0, 572, 1144, 1715, 2286, 2856, 3425, 3993, 4560, 5126,
    5690, 6252, 6813, 7371, 7927, 8481, 9032, 9580, 10126, 10668,
    11207, 11743, 12275, 12803, 13328, 13848, 14364, 14876, 15383, 15886,
    16383, 16876, 17364, 17846, 18323, 18794, 19260, 19720, 20173, 20621,
    21062, 21497, 21925, 22347, 22762, 23170, 23571, 23964, 24351, 24730,
    25101, 25465, 25821, 26169, 26509, 26841, 27165, 27481, 27788, 28087,
    28377, 28659, 28932, 29196, 29451, 29697, 29934, 30162, 30381, 30591,
    30791, 30982, 31163, 31335, 31498, 31650, 31794, 31927, 32051, 32165,
    32269, 32364, 32448, 32523, 32587, 32642, 32687, 32722, 32747, 32762,
    32767,
};

/* tan(d + 0.5) * 32768 for d = 0..44: the boundaries at which the rounded
 * angle of the first octant moves from d to d + 1. */
static const uint16_t tan_half_table[] = {
    286, 858, 1431, 2004, 2579, 3155, 3733, 4314, 4897, 5483,
    6073, 6667, 7264, 7867, 8474, 9087, 9706, 10332, 10964, 11604,
    12251, 12908, 13573, 14248, 14933, 15630, 16338, 17058, 17792, 18539,
    19302, 20080, 20876, 21689, 22521, 23373, 24247, 25144, 26065, 27012,
    27987, 28991, 30026, 31096, 32201,
};

static uint32_t rand_seed = 0x1234ABCDu;

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

int16_t lv_trigo_sin(int16_t angle)
{
    int32_t a = angle % 360;
    if(a < 0) a += 360;

    if(a < 90) return sin0_90_table[a];
    if(a < 180) return sin0_90_table[180 - a];
    if(a < 270) return (int16_t)(-sin0_90_table[a - 180]);
    return (int16_t)(-sin0_90_table[360 - a]);
}

uint32_t lv_bezier3(uint32_t t, uint32_t u0, uint32_t u1, uint32_t u2, uint32_t u3)
{
    /* (1-t)^3 u0 + 3(1-t)^2 t u1 + 3(1-t) t^2 u2 + t^3 u3, in 1/1024 units */
    uint64_t rem = LV_BEZIER_VAL_MAX - t;
    uint64_t tt = (uint64_t)t * t;
    uint64_t rr = rem * rem;
    uint64_t v1 = rr * rem * u0;
    uint64_t v2 = 3 * rr * t * u1;
    uint64_t v3 = 3 * rem * tt * u2;
    uint64_t v4 = tt * t * u3;
    return (uint32_t)((v1 + v2 + v3 + v4) >> (3 * LV_BEZIER_VAL_SHIFT));
}

/* Reduce to the first octant (0..45 degrees, where |y| <= |x|), look the
 * rounded angle up in the tangent boundaries, then mirror back. */
uint16_t lv_atan2(int x, int y)
{
    if(x == 0 && y == 0) return 0;

    uint32_t ax = (uint32_t)(x < 0 ? -(int64_t)x : x);
    uint32_t ay = (uint32_t)(y < 0 ? -(int64_t)y : y);
    bool swapped = ay > ax;
    uint32_t lo = swapped ? ax : ay;
    uint32_t hi = swapped ? ay : ax;
    uint32_t ratio = (uint32_t)(((uint64_t)lo << 15) / hi); /* tan of the octant angle * 32768 */

    uint32_t deg = 0;
    while(deg < 45 && ratio >= tan_half_table[deg]) deg++;

    if(swapped) deg = 90 - deg;     /*Angle from the x axis in the first quadrant*/
    if(x < 0) deg = 180 - deg;
    if(y < 0) deg = 360 - deg;
    return (uint16_t)(deg % 360);
}

/* Integer square root of x * 256: 4 fraction bits, reported in 1/256 units. */
void lv_sqrt(uint32_t x, lv_sqrt_res_t * q, uint32_t mask)
{
    (void)mask; /* the full 64-bit search is cheap enough to skip the hint */
    uint64_t v = (uint64_t)x << 8;
    uint64_t root = 0;
    uint64_t bit = (uint64_t)1 << 20;   /* sqrt(2^40) */
    while(bit) {
        uint64_t trial = root + bit;
        if(trial * trial <= v) root = trial;
        bit >>= 1;
    }
    q->i = (uint16_t)(root >> 4);
    q->f = (uint16_t)((root & 0xF) << 4);
}

int64_t lv_pow(int64_t base, int8_t exp)
{
    if(exp < 0) return 0;
    int64_t result = 1;
    while(exp) {
        if(exp & 1) result *= base;
        exp >>= 1;
        base *= base;
    }
    return result;
}

/* The products are taken in 64 bits: an int32 range times a large output
 * range overflows 32 bits (e.g. mapping 0..100000 onto 0..100000). */
int32_t lv_map(int32_t x, int32_t min_in, int32_t max_in, int32_t min_out, int32_t max_out)
{
    if(max_in >= min_in && x >= max_in) return max_out;
    if(max_in >= min_in && x <= min_in) return min_out;
    if(max_in <= min_in && x <= max_in) return max_out;
    if(max_in <= min_in && x >= min_in) return min_out;

    int64_t delta_in = (int64_t)max_in - min_in;
    int64_t delta_out = (int64_t)max_out - min_out;
    return (int32_t)((((int64_t)x - min_in) * delta_out) / delta_in + min_out);
}

uint32_t lv_rand(uint32_t min, uint32_t max)
{
    /*xorshift32*/
    uint32_t v = rand_seed;
    v ^= v << 13;
    v ^= v >> 17;
    v ^= v << 5;
    rand_seed = v;
    if(max <= min) return min;
    return (v % (max - min + 1)) + min;
}
