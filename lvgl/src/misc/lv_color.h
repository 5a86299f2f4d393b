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

/* Conversions to the smaller colour formats keep the top bits of each channel. */
static inline uint8_t lv_color_to1(lv_color_t color)
{
    return (color.ch.red & 0x80) || (color.ch.green & 0x80) || (color.ch.blue & 0x80) ? 1 : 0;
}

static inline uint8_t lv_color_to8(lv_color_t color)
{
    lv_color8_t ret;
    ret.ch.red = color.ch.red >> 5;
    ret.ch.green = color.ch.green >> 5;
    ret.ch.blue = color.ch.blue >> 6;
    return ret.full;
}

static inline uint16_t lv_color_to16(lv_color_t color)
{
    lv_color16_t ret;
    ret.ch.red = color.ch.red >> 3;
    ret.ch.green = color.ch.green >> 2;
    ret.ch.blue = color.ch.blue >> 3;
    return ret.full;
}

static inline uint32_t lv_color_to32(lv_color_t color)
{
    return color.full;
}

/**
 * Mix two colours.
 * @param c1 the first colour
 * @param c2 the second colour
 * @param mix the weight of c1: 255 gives c1, 0 gives c2
 * @return the mixed colour, opaque
 */
static inline lv_color_t LV_ATTRIBUTE_FAST_MEM lv_color_mix(lv_color_t c1, lv_color_t c2, uint8_t mix)
{
    lv_color_t ret;
    ret.ch.red = (uint8_t)LV_UDIV255((uint32_t)c1.ch.red * mix + (uint32_t)c2.ch.red * (255 - mix) + LV_COLOR_MIX_ROUND_OFS);
    ret.ch.green = (uint8_t)LV_UDIV255((uint32_t)c1.ch.green * mix + (uint32_t)c2.ch.green * (255 - mix) + LV_COLOR_MIX_ROUND_OFS);
    ret.ch.blue = (uint8_t)LV_UDIV255((uint32_t)c1.ch.blue * mix + (uint32_t)c2.ch.blue * (255 - mix) + LV_COLOR_MIX_ROUND_OFS);
    ret.ch.alpha = 0xff;
    return ret;
}

/** Premultiply a colour's channels by `mix` into out[0..2] (r, g, b) for repeated mixing. */
static inline void LV_ATTRIBUTE_FAST_MEM lv_color_premult(lv_color_t c, uint8_t mix, uint16_t * out)
{
    out[0] = (uint16_t)(c.ch.red * mix);
    out[1] = (uint16_t)(c.ch.green * mix);
    out[2] = (uint16_t)(c.ch.blue * mix);
}

/** Mix a premultiplied colour (see lv_color_premult) with `c2`, `mix` being the first colour's weight. */
static inline lv_color_t LV_ATTRIBUTE_FAST_MEM lv_color_mix_premult(uint16_t * premult_c1, lv_color_t c2, uint8_t mix)
{
    lv_color_t ret;
    ret.ch.red = (uint8_t)LV_UDIV255(premult_c1[0] + (uint32_t)c2.ch.red * mix + LV_COLOR_MIX_ROUND_OFS);
    ret.ch.green = (uint8_t)LV_UDIV255(premult_c1[1] + (uint32_t)c2.ch.green * mix + LV_COLOR_MIX_ROUND_OFS);
    ret.ch.blue = (uint8_t)LV_UDIV255(premult_c1[2] + (uint32_t)c2.ch.blue * mix + LV_COLOR_MIX_ROUND_OFS);
    ret.ch.alpha = 0xff;
    return ret;
}

/**
 * Mix two colours that both carry an opacity (used on transparent screens).
 * @param bg_color background colour, bg_opa its opacity
 * @param fg_color foreground colour, fg_opa its opacity
 * @param res_color result colour, res_opa its opacity
 */
void lv_color_mix_with_alpha(lv_color_t bg_color, lv_opa_t bg_opa, lv_color_t fg_color, lv_opa_t fg_opa,
                             lv_color_t * res_color, lv_opa_t * res_opa);

/** @return the brightness of a colour, 0..255 */
static inline uint8_t lv_color_brightness(lv_color_t color)
{
    uint32_t bright = (uint32_t)(3 * color.ch.red + color.ch.green + 4 * color.ch.blue);
    return (uint8_t)(bright >> 3);
}

static inline lv_color_t lv_color_make(uint8_t r, uint8_t g, uint8_t b)
{
    lv_color_t c;
    c.ch.red = r;
    c.ch.green = g;
    c.ch.blue = b;
    c.ch.alpha = 0xff;
    return c;
}

/** @return the colour of a 0xRRGGBB value */
static inline lv_color_t lv_color_hex(uint32_t c)
{
    lv_color_t r;
    r.full = c | 0xFF000000;
    return r;
}

/** @return the colour of a 0xRGB value (each digit doubled) */
static inline lv_color_t lv_color_hex3(uint32_t c)
{
    return lv_color_make((uint8_t)(((c >> 4) & 0xF0) | ((c >> 8) & 0xF)), (uint8_t)((c & 0xF0) | ((c & 0xF0) >> 4)),
                         (uint8_t)((c & 0xF) | ((c & 0xF) << 4)));
}

static inline void lv_color_filter_dsc_init(lv_color_filter_dsc_t * dsc, lv_color_filter_cb_t cb)
{
    dsc->filter_cb = cb;
}

/** Fill `px_num` pixels of `buf` with `color`. */
void lv_color_fill(lv_color_t * buf, lv_color_t color, uint32_t px_num);

lv_color_t lv_color_lighten(lv_color_t c, lv_opa_t lvl);

lv_color_t lv_color_darken(lv_color_t c, lv_opa_t lvl);

lv_color_t lv_color_change_lightness(lv_color_t c, lv_opa_t lvl);

/**
 * Convert a HSV colour to RGB.
 * @param h hue 0..359
 * @param s saturation 0..100
 * @param v value 0..100
 */
lv_color_t lv_color_hsv_to_rgb(uint16_t h, uint8_t s, uint8_t v);

/**
 * Convert 8-bit RGB to HSV (h 0..359, s and v 0..100).
 */
lv_color_hsv_t lv_color_rgb_to_hsv(uint8_t r8, uint8_t g8, uint8_t b8);

/** Convert a colour to HSV. */
lv_color_hsv_t lv_color_to_hsv(lv_color_t color);

/** The main (500) shade of a material palette colour; black for LV_PALETTE_NONE. */
lv_color_t lv_palette_main(lv_palette_t p);

static inline lv_color_t lv_color_white(void)
{
    return lv_color_make(0xff, 0xff, 0xff);
}

static inline lv_color_t lv_color_black(void)
{
    return lv_color_make(0x00, 0x0, 0x00);
}

static inline lv_color_t lv_color_chroma_key(void)
{
    return lv_color_make(0x00, 0xff, 0x00);
}

/** A lighter shade: lvl 1..5 are the 400..50 shades. */
lv_color_t lv_palette_lighten(lv_palette_t p, uint8_t lvl);

/** A darker shade: lvl 1..4 are the 600..900 shades. */
lv_color_t lv_palette_darken(lv_palette_t p, uint8_t lvl);

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_COLOR_H*/
