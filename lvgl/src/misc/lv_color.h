/**
 * @file lv_color.h
 * 32-bit colours (B, G, R, A bytes in memory), opacity, mixing, HSV and the
 * material palette.
 */
#ifndef LV_COLOR_H
#define LV_COLOR_H

#ifdef __cplusplus
extern "C" {
#endif

/*********************
 *      INCLUDES
 *********************/
#include "../lv_conf_internal.h"
#include "lv_assert.h"
#include "lv_math.h"
#include "lv_types.h"

#include <stdint.h>

/*********************
 *      DEFINES
 *********************/
LV_EXPORT_CONST_INT(LV_COLOR_DEPTH);
LV_EXPORT_CONST_INT(LV_COLOR_16_SWAP);

/** Opacity percentages. */
enum {
    LV_OPA_TRANSP = 0,
    LV_OPA_0      = 0,
    LV_OPA_10     = 25,
    LV_OPA_20     = 51,
    LV_OPA_30     = 76,
    LV_OPA_40     = 102,
    LV_OPA_50     = 127,
    LV_OPA_60     = 153,
    LV_OPA_70     = 178,
    LV_OPA_80     = 204,
    LV_OPA_90     = 229,
    LV_OPA_100    = 255,
    LV_OPA_COVER  = 255,
};

/* Opacities up to LV_OPA_MIN count as transparent, from LV_OPA_MAX as opaque. */
#define LV_OPA_MIN 2
#define LV_OPA_MAX 253

#define LV_COLOR_SIZE 32
#define LV_COLOR_MIX_ROUND_OFS_ 0

/* An ARGB8888 pixel of an image with alpha: the colour plus one alpha byte
 * (the colour's own alpha byte is that alpha). */
#define LV_IMG_PX_SIZE_ALPHA_BYTE 4

#define _LV_COLOR_NATIVE_WITH_ALPHA_SIZE 4

/*---------------------------------------
 * Macros for the colour channels
 *---------------------------------------*/
#define LV_COLOR_SET_R32(c, v) (c).ch.red = (uint8_t)((v) & 0xFF)
#define LV_COLOR_SET_G32(c, v) (c).ch.green = (uint8_t)((v) & 0xFF)
#define LV_COLOR_SET_B32(c, v) (c).ch.blue = (uint8_t)((v) & 0xFF)
#define LV_COLOR_SET_A32(c, v) (c).ch.alpha = (uint8_t)((v) & 0xFF)

#define LV_COLOR_GET_R32(c) (c).ch.red
#define LV_COLOR_GET_G32(c) (c).ch.green
#define LV_COLOR_GET_B32(c) (c).ch.blue
#define LV_COLOR_GET_A32(c) (c).ch.alpha

#define LV_COLOR_SET_R(c, v) LV_COLOR_SET_R32(c, v)
#define LV_COLOR_SET_G(c, v) LV_COLOR_SET_G32(c, v)
#define LV_COLOR_SET_B(c, v) LV_COLOR_SET_B32(c, v)
#define LV_COLOR_SET_A(c, v) LV_COLOR_SET_A32(c, v)

#define LV_COLOR_GET_R(c) LV_COLOR_GET_R32(c)
#define LV_COLOR_GET_G(c) LV_COLOR_GET_G32(c)
#define LV_COLOR_GET_B(c) LV_COLOR_GET_B32(c)
#define LV_COLOR_GET_A(c) LV_COLOR_GET_A32(c)

#define _LV_COLOR_ZERO_INITIALIZER32  {{0x00, 0x00, 0x00, 0x00}}
#define _LV_COLOR_ZERO_INITIALIZER _LV_COLOR_ZERO_INITIALIZER32

#define LV_COLOR_MAKE32(r8, g8, b8) {{b8, g8, r8, 0xff}}

#ifdef __cplusplus
#define _LV_COLOR_MAKE_TYPE_HELPER lv_color_t
#else
#define _LV_COLOR_MAKE_TYPE_HELPER (lv_color_t)
#endif
#define LV_COLOR_MAKE(r8, g8, b8) _LV_COLOR_MAKE_TYPE_HELPER LV_COLOR_MAKE32(r8, g8, b8)

/**********************
 *      TYPEDEFS
 **********************/
typedef union {
    struct {
        uint8_t blue;
        uint8_t green;
        uint8_t red;
        uint8_t alpha;
    } ch;
    uint32_t full;
} lv_color32_t;

typedef union {
    struct {
        uint16_t blue : 5;
        uint16_t green : 6;
        uint16_t red : 5;
    } ch;
    uint16_t full;
} lv_color16_t;

typedef union {
    struct {
        uint8_t blue : 2;
        uint8_t green : 3;
        uint8_t red : 3;
    } ch;
    uint8_t full;
} lv_color8_t;

typedef union {
    uint8_t full;
    union {
        uint8_t blue : 1;
        uint8_t green : 1;
        uint8_t red : 1;
    } ch;
} lv_color1_t;

typedef uint32_t lv_color_int_t;
typedef lv_color32_t lv_color_t;

typedef struct {
    uint16_t h;
    uint8_t s;
    uint8_t v;
} lv_color_hsv_t;

/** Opacity 0 (transparent) .. 255 (cover). */
typedef uint8_t lv_opa_t;

struct _lv_color_filter_dsc_t;

typedef lv_color_t (*lv_color_filter_cb_t)(const struct _lv_color_filter_dsc_t *, lv_color_t, lv_opa_t);

typedef struct _lv_color_filter_dsc_t {
    lv_color_filter_cb_t filter_cb;
    void * user_data;
} lv_color_filter_dsc_t;

typedef enum {
    LV_PALETTE_RED,
    LV_PALETTE_PINK,
    LV_PALETTE_PURPLE,
    LV_PALETTE_DEEP_PURPLE,
    LV_PALETTE_INDIGO,
    LV_PALETTE_BLUE,
    LV_PALETTE_LIGHT_BLUE,
    LV_PALETTE_CYAN,
    LV_PALETTE_TEAL,
    LV_PALETTE_GREEN,
    LV_PALETTE_LIGHT_GREEN,
    LV_PALETTE_LIME,
    LV_PALETTE_YELLOW,
    LV_PALETTE_AMBER,
    LV_PALETTE_ORANGE,
    LV_PALETTE_DEEP_ORANGE,
    LV_PALETTE_BROWN,
    LV_PALETTE_BLUE_GREY,
    LV_PALETTE_GREY,
    _LV_PALETTE_LAST,
    LV_PALETTE_NONE = 0xff,
} lv_palette_t;

/**********************
 * GLOBAL PROTOTYPES
 **********************/

/* The narrower formats keep the top bits of each channel. */
static inline uint8_t lv_color_to1(lv_color_t color)
{
    uint8_t high_bits = (uint8_t)((color.ch.red | color.ch.green | color.ch.blue) & 0x80);
    return high_bits ? 1 : 0;
}

/** @return the colour as RGB332 (red in the top three bits) */
static inline uint8_t lv_color_to8(lv_color_t color)
{
    uint32_t r3 = (uint32_t)color.ch.red >> 5;
    uint32_t g3 = (uint32_t)color.ch.green >> 5;
    uint32_t b2 = (uint32_t)color.ch.blue >> 6;
    return (uint8_t)((r3 << 5) | (g3 << 2) | b2);
}

/** @return the colour as RGB565 (red in the top five bits) */
static inline uint16_t lv_color_to16(lv_color_t color)
{
    uint32_t r5 = (uint32_t)color.ch.red >> 3;
    uint32_t g6 = (uint32_t)color.ch.green >> 2;
    uint32_t b5 = (uint32_t)color.ch.blue >> 3;
    return (uint16_t)((r5 << 11) | (g6 << 5) | b5);
}

/** @return 0xAARRGGBB */
static inline uint32_t lv_color_to32(lv_color_t color)
{
    uint32_t argb = color.full;
    return argb;
}

/**
 * Blend two colours channel by channel; the result is opaque.
 * @param mix   weight of c1: 255 gives c1, 0 gives c2
 */
static inline lv_color_t LV_ATTRIBUTE_FAST_MEM lv_color_mix(lv_color_t c1, lv_color_t c2, uint8_t mix)
{
    uint32_t w1 = mix;
    uint32_t w2 = 255u - mix;
    lv_color_t out;
    out.ch.red = (uint8_t)LV_UDIV255(c1.ch.red * w1 + c2.ch.red * w2 + LV_COLOR_MIX_ROUND_OFS);
    out.ch.green = (uint8_t)LV_UDIV255(c1.ch.green * w1 + c2.ch.green * w2 + LV_COLOR_MIX_ROUND_OFS);
    out.ch.blue = (uint8_t)LV_UDIV255(c1.ch.blue * w1 + c2.ch.blue * w2 + LV_COLOR_MIX_ROUND_OFS);
    out.ch.alpha = 0xFF;
    return out;
}

/**
 * First half of lv_color_mix for blending one colour over many: out[0..2]
 * receive red, green and blue of `c` times `mix` (the weight of `c`).
 */
static inline void LV_ATTRIBUTE_FAST_MEM lv_color_premult(lv_color_t c, uint8_t mix, uint16_t * out)
{
    uint32_t w = mix;
    out[0] = (uint16_t)(c.ch.red * w);
    out[1] = (uint16_t)(c.ch.green * w);
    out[2] = (uint16_t)(c.ch.blue * w);
}

/**
 * Second half: add `c2` weighted by `mix` (255 minus the weight given to
 * lv_color_premult) to the premultiplied colour. Same result as lv_color_mix.
 */
static inline lv_color_t LV_ATTRIBUTE_FAST_MEM lv_color_mix_premult(uint16_t * premult_c1, lv_color_t c2, uint8_t mix)
{
    uint32_t w2 = mix;
    lv_color_t out;
    out.ch.red = (uint8_t)LV_UDIV255(premult_c1[0] + c2.ch.red * w2 + LV_COLOR_MIX_ROUND_OFS);
    out.ch.green = (uint8_t)LV_UDIV255(premult_c1[1] + c2.ch.green * w2 + LV_COLOR_MIX_ROUND_OFS);
    out.ch.blue = (uint8_t)LV_UDIV255(premult_c1[2] + c2.ch.blue * w2 + LV_COLOR_MIX_ROUND_OFS);
    out.ch.alpha = 0xFF;
    return out;
}

/**
 * Put a translucent colour over a translucent background (used where the
 * screen itself is transparent); the result carries its own opacity.
 */
void lv_color_mix_with_alpha(lv_color_t bg_color, lv_opa_t bg_opa, lv_color_t fg_color, lv_opa_t fg_opa,
                             lv_color_t * res_color, lv_opa_t * res_opa);

/** @return perceived brightness 0..255, weighting red 3, green 1 and blue 4 out of 8 */
static inline uint8_t lv_color_brightness(lv_color_t color)
{
    uint32_t weighted = 3u * color.ch.red + color.ch.green + 4u * color.ch.blue;
    return (uint8_t)(weighted / 8u);
}

static inline lv_color_t lv_color_make(uint8_t r, uint8_t g, uint8_t b)
{
    lv_color_t out;
    out.ch.red = r;
    out.ch.green = g;
    out.ch.blue = b;
    out.ch.alpha = 0xFF;
    return out;
}

/** @return the opaque colour of 0xRRGGBB (a top byte is ignored) */
static inline lv_color_t lv_color_hex(uint32_t c)
{
    lv_color_t out;
    out.full = 0xFF000000u | (c & 0xFFFFFFu);
    return out;
}

/** @return the opaque colour of 0xRGB, each digit doubled (0x1A3 is 0x11AA33) */
static inline lv_color_t lv_color_hex3(uint32_t c)
{
    uint32_t r4 = (c >> 8) & 0xFu;
    uint32_t g4 = (c >> 4) & 0xFu;
    uint32_t b4 = c & 0xFu;
    return lv_color_make((uint8_t)(r4 * 0x11u), (uint8_t)(g4 * 0x11u), (uint8_t)(b4 * 0x11u));
}

static inline void lv_color_filter_dsc_init(lv_color_filter_dsc_t * dsc, lv_color_filter_cb_t cb)
{
    dsc->filter_cb = cb;
}

/** Write `color` into the first `px_num` pixels of `buf`. */
void lv_color_fill(lv_color_t * buf, lv_color_t color, uint32_t px_num);

/** @return `c` moved towards white by `lvl` (255: white) */
lv_color_t lv_color_lighten(lv_color_t c, lv_opa_t lvl);

/** @return `c` moved towards black by `lvl` (255: black) */
lv_color_t lv_color_darken(lv_color_t c, lv_opa_t lvl);

/** @return `c` at LV_OPA_50, darker below it (0: black), lighter above it (255: white) */
lv_color_t lv_color_change_lightness(lv_color_t c, lv_opa_t lvl);

/**
 * HSV to RGB with 8-bit intermediate steps; the colours stored by the
 * program depend on these exact integer results.
 * @param h     hue 0..360 (larger values are taken modulo 360)
 * @param s     saturation 0..100 (larger: 100)
 * @param v     value 0..100 (larger: 100)
 */
lv_color_t lv_color_hsv_to_rgb(uint16_t h, uint8_t s, uint8_t v);

/** RGB to HSV: h 0..359, s and v 0..100; near-greys get h = 0 and s = 0. */
lv_color_hsv_t lv_color_rgb_to_hsv(uint8_t r8, uint8_t g8, uint8_t b8);

lv_color_hsv_t lv_color_to_hsv(lv_color_t color);

/** @return the 500 shade of a material colour; black for LV_PALETTE_NONE */
lv_color_t lv_palette_main(lv_palette_t p);

static inline lv_color_t lv_color_white(void)
{
    return lv_color_hex(0xFFFFFF);
}

static inline lv_color_t lv_color_black(void)
{
    return lv_color_hex(0x000000);
}

static inline lv_color_t lv_color_chroma_key(void)
{
    return lv_color_hex(0x00FF00);
}

/** @return shade 400 (lvl 1) up to 50 (lvl 5) */
lv_color_t lv_palette_lighten(lv_palette_t p, uint8_t lvl);

/** @return shade 600 (lvl 1) down to 900 (lvl 4) */
lv_color_t lv_palette_darken(lv_palette_t p, uint8_t lvl);

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_COLOR_H*/
