/**
 * @file lv_img_buf.h
 * Image descriptors: the header (colour format, size) and the pixel data of
 * images compiled into the program.
 */
#ifndef LV_IMG_BUF_H
#define LV_IMG_BUF_H

#ifdef __cplusplus
extern "C" {
#endif

#include <stdbool.h>
#include "../misc/lv_color.h"
#include "../misc/lv_area.h"

/*********************
 *      DEFINES
 *********************/
#define LV_IMG_BUF_SIZE_TRUE_COLOR(w, h) ((LV_COLOR_SIZE / 8) * (w) * (h))
#define LV_IMG_BUF_SIZE_TRUE_COLOR_CHROMA_KEYED(w, h) ((LV_COLOR_SIZE / 8) * (w) * (h))
#define LV_IMG_BUF_SIZE_TRUE_COLOR_ALPHA(w, h) (LV_IMG_PX_SIZE_ALPHA_BYTE * (w) * (h))

#define LV_IMG_ZOOM_NONE   256

/**********************
 *      TYPEDEFS
 **********************/

/* Colour formats. With 32-bit colour, TRUE_COLOR and TRUE_COLOR_ALPHA are
 * both 4 bytes a pixel, B, G, R, A; TRUE_COLOR ignores the A byte. */
enum {
    LV_IMG_CF_UNKNOWN = 0,

    LV_IMG_CF_RAW,              /* decoded by a user decoder (not supported here) */
    LV_IMG_CF_RAW_ALPHA,
    LV_IMG_CF_RAW_CHROMA_KEYED,

    LV_IMG_CF_TRUE_COLOR,              /* lv_color_t pixels, opaque */
    LV_IMG_CF_TRUE_COLOR_ALPHA,        /* lv_color_t pixels with per-pixel alpha */
    LV_IMG_CF_TRUE_COLOR_CHROMA_KEYED, /* LV_COLOR_CHROMA_KEY pixels are transparent */

    LV_IMG_CF_INDEXED_1BIT,
    LV_IMG_CF_INDEXED_2BIT,
    LV_IMG_CF_INDEXED_4BIT,
    LV_IMG_CF_INDEXED_8BIT,

    LV_IMG_CF_ALPHA_1BIT,
    LV_IMG_CF_ALPHA_2BIT,
    LV_IMG_CF_ALPHA_4BIT,
    LV_IMG_CF_ALPHA_8BIT,

    LV_IMG_CF_RGB888,
    LV_IMG_CF_RGBA8888,
    LV_IMG_CF_RGBX8888,
    LV_IMG_CF_RGB565,
    LV_IMG_CF_RGBA5658,
    LV_IMG_CF_RGB565A8,

    LV_IMG_CF_RESERVED_15,
    LV_IMG_CF_RESERVED_16,
    LV_IMG_CF_RESERVED_17,
    LV_IMG_CF_RESERVED_18,
    LV_IMG_CF_RESERVED_19,
    LV_IMG_CF_RESERVED_20,
    LV_IMG_CF_RESERVED_21,
    LV_IMG_CF_RESERVED_22,
    LV_IMG_CF_RESERVED_23,

    LV_IMG_CF_USER_ENCODED_0,
    LV_IMG_CF_USER_ENCODED_1,
    LV_IMG_CF_USER_ENCODED_2,
};
typedef uint8_t lv_img_cf_t;

/* The image header: 32 bits, little-endian bit fields. */
typedef struct {
    uint32_t cf : 5;          /* lv_img_cf_t */
    uint32_t always_zero : 3; /* keeps the first byte of a header from looking like ASCII (file paths) */
    uint32_t reserved : 2;
    uint32_t w : 11;
    uint32_t h : 11;
} lv_img_header_t;

/* An image in memory. */
typedef struct {
    lv_img_header_t header;
    uint32_t data_size;      /* bytes of `data` */
    const uint8_t * data;    /* rows of pixels, no padding */
} lv_img_dsc_t;

/**********************
 * GLOBAL PROTOTYPES
 **********************/

/** @return the bits per pixel of a colour format (0 for unknown formats) */
uint8_t lv_img_cf_get_px_size(lv_img_cf_t cf);

/** @return true for chroma-keyed formats */
bool lv_img_cf_is_chroma_keyed(lv_img_cf_t cf);

/** @return true for formats with an alpha channel */
bool lv_img_cf_has_alpha(lv_img_cf_t cf);

/**
 * The area a w x h image covers after rotating by `angle` (0.1 degrees) and
 * zooming by `zoom` (256 = 1x) around `pivot`, relative to the image's
 * top-left corner.
 */
void _lv_img_buf_get_transformed_area(lv_area_t * res, lv_coord_t w, lv_coord_t h, int16_t angle, uint16_t zoom,
                                      const lv_point_t * pivot);

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_IMG_BUF_H*/
