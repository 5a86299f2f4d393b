/**
 * @file lv_math.c
 * Integer trigonometry, roots, powers, range mapping and a small PRNG.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_math.h"
#include "lv_types.h"

#include <stdbool.h>

/**********************
 *  STATIC VARIABLES
 **********************/

/* Quarter wave: round(sin(d) * 32767) for whole degrees d = 0..90. The other
 * three quarters are read backwards and/or negated. */
static const int16_t quarter_wave[91] = {
    0,     572,   1144,  1715,  2286,  2856,  3425,  3993,  4560,  5126,  5690,  6252,  6813,
    7371,  7927,  8481,  9032,  9580,  10126, 10668, 11207, 11743, 12275, 12803, 13328, 13848,
    14364, 14876, 15383, 15886, 16383, 16876, 17364, 17846, 18323, 18794, 19260, 19720, 20173,
    20621, 21062, 21497, 21925, 22347, 22762, 23170, 23571, 23964, 24351, 24730, 25101, 25465,
    25821, 26169, 26509, 26841, 27165, 27481, 27788, 28087, 28377, 28659, 28932, 29196, 29451,
    29697, 29934, 30162, 30381, 30591, 30791, 30982, 31163, 31335, 31498, 31650, 31794, 31927,
    32051, 32165, 32269, 32364, 32448, 32523, 32587, 32642, 32687, 32722, 32747, 32762, 32767,
};

/* tan(d + 0.5 degrees) * 32768 for d = 0..44: a slope (small / large side,
 * in the same units) at or past entry d rounds to at least d + 1 degrees. */
static const uint16_t half_degree_slopes[45] = {
    286,   858,   1431,  2004,  2579,  3155,  3733,  4314,  4897,  5483,  6073,  6667,
    7264,  7867,  8474,  9087,  9706,  10332, 10964, 11604, 12251, 12908, 13573, 14248,
    14933, 15630, 16338, 17058, 17792, 18539, 19302, 20080, 20876, 21689, 22521, 23373,
    24247, 25144, 26065, 27012, 27987, 28991, 30026, 31096, 32201,
};

static uint32_t prng_state = 0x1234ABCDu;

/**********************
 *  STATIC PROTOTYPES
 **********************/
static uint32_t magnitude(int v);
static uint32_t quadrant_angle(uint32_t across, uint32_t along);

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

int16_t lv_trigo_sin(int16_t angle)
{
    int32_t deg = angle % 360;
    if(deg < 0) deg += 360;

    /*Second and fourth quarters run the table backwards; the lower half is negative*/
    int32_t in_quarter = deg % 90;
    int32_t quarter = deg / 90;
    int32_t idx = (quarter & 1) ? 90 - in_quarter : in_quarter;
    int16_t s = quarter_wave[idx];
    return quarter >= 2 ? (int16_t)-s : s;
}

uint32_t lv_bezier3(uint32_t t, uint32_t u0, uint32_t u1, uint32_t u2, uint32_t u3)
{
    /*Bernstein form, everything in 1/1024 units: (1-t)^3 u0 + 3(1-t)^2 t u1 + 3(1-t) t^2 u2 + t^3 u3*/
    uint64_t s = LV_BEZIER_VAL_MAX - t;
    uint64_t sum = s * s * s * u0;
    sum += 3 * s * s * t * u1;
    sum += 3 * s * t * t * u2;
    sum += (uint64_t)t * t * t * u3;
    return (uint32_t)(sum >> (3 * LV_BEZIER_VAL_SHIFT));
}

/*
 * Widgets that turn a pointer into an angle call this as lv_atan2(dx, dy)
 * with the pointer's offset from their centre.
 */
uint16_t lv_atan2(int x, int y)
{
    if(x == 0 && y == 0) return 0;

    /*Angle away from the y axis inside the quadrant, then placed by the signs*/
    uint32_t a = quadrant_angle(magnitude(x), magnitude(y));
    uint32_t deg;
    if(y >= 0) deg = x >= 0 ? a : 360 - a;
    else deg = x >= 0 ? 180 - a : 180 + a;
    return (uint16_t)(deg % 360);
}

/*
 * Square root with 4 fraction bits: the root of x * 256 found bit by bit
 * from the top. The upstream API takes a magnitude hint in `mask`; searching
 * all 21 bits is cheap enough that it is not needed.
 */
void lv_sqrt(uint32_t x, lv_sqrt_res_t * q, uint32_t mask)
{
    LV_UNUSED(mask);
    uint64_t scaled = (uint64_t)x << 8;
    uint64_t root = 0;
    for(int bit = 20; bit >= 0; bit--) {
        uint64_t trial = root | ((uint64_t)1 << bit);
        if(trial * trial <= scaled) root = trial;
    }
    q->i = (uint16_t)(root >> 4);
    q->f = (uint16_t)((root & 0xFu) << 4);
}

int64_t lv_pow(int64_t base, int8_t exp)
{
    if(exp < 0) return 0;

    /*Unsigned products wrap instead of overflowing into undefined behaviour*/
    uint64_t acc = 1;
    uint64_t factor = (uint64_t)base;
    for(int8_t left = exp; left > 0; left--) acc *= factor;
    return (int64_t)acc;
}

/*
 * Linear interpolation with the result held inside the output range. The
 * input range may run either way (max_in < min_in) or be a single value.
 * Products are 64-bit: a wide input range times a wide output range does not
 * fit 32 bits (0..100000 onto 0..100000 already overflows).
 */
int32_t lv_map(int32_t x, int32_t min_in, int32_t max_in, int32_t min_out, int32_t max_out)
{
    int64_t span = (int64_t)max_in - min_in;
    int64_t along = (int64_t)x - min_in;
    if(span < 0) {
        span = -span;
        along = -along;
    }
    if(along >= span) return max_out;
    if(along <= 0) return min_out;
    return (int32_t)(min_out + along * ((int64_t)max_out - min_out) / span);
}

/* xorshift32: not for anything secret, only for jitter and demos. */
uint32_t lv_rand(uint32_t min, uint32_t max)
{
    uint32_t s = prng_state;
    s ^= s << 13;
    s ^= s >> 17;
    s ^= s << 5;
    prng_state = s;

    if(max <= min) return min;
    uint32_t span = max - min;
    if(span == UINT32_MAX) return s;
    return min + s % (span + 1);
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

static uint32_t magnitude(int v)
{
    return v < 0 ? (uint32_t)(-(int64_t)v) : (uint32_t)v;
}

/*
 * Rounded angle in 0..90 of a vector with `across` units off an axis and
 * `along` units on it (both >= 0, not both 0). The smaller side over the
 * larger gives a slope within one octant, looked up among the half-degree
 * boundaries; the other octant is the complement.
 */
static uint32_t quadrant_angle(uint32_t across, uint32_t along)
{
    bool steep = across > along;
    uint32_t small = steep ? along : across;
    uint32_t large = steep ? across : along;
    uint32_t slope = (uint32_t)(((uint64_t)small << 15) / large);

    /*First boundary the slope has not reached: that many whole degrees*/
    uint32_t lo = 0;
    uint32_t hi = 45;
    while(lo < hi) {
        uint32_t mid = (lo + hi) / 2;
        if(slope >= half_degree_slopes[mid]) lo = mid + 1;
        else hi = mid;
    }
    return steep ? 90 - lo : lo;
}
