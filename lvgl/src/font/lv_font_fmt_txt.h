/**
 * @file lv_font_fmt_txt.h
 * The bitmap font format written by the font converter (lv_font_conv
 * --format lvgl): glyph descriptors, character maps, kerning and the
 * (optionally compressed) glyph bitmaps.
 */
#ifndef LV_FONT_FMT_TXT_H
#define LV_FONT_FMT_TXT_H

#ifdef __cplusplus
extern "C" {
#endif

/*********************
 *      INCLUDES
 *********************/
#include <stdint.h>
#include <stddef.h>
#include <stdbool.h>
#include "lv_font.h"

/**********************
 *      TYPEDEFS
 **********************/

/* One glyph. Positions are in pixels, advance widths in 1/16 pixel; ofs_y is
 * the bottom of the box above the base line. */
typedef struct {
#if LV_FONT_FMT_TXT_LARGE == 0
    uint32_t bitmap_index : 20;
    uint32_t adv_w : 12;
    uint8_t box_w;
    uint8_t box_h;
    int8_t ofs_x;
    int8_t ofs_y;
#else
    uint32_t bitmap_index;
    uint32_t adv_w;
    uint16_t box_w;
    uint16_t box_h;
    int16_t ofs_x;
    int16_t ofs_y;
#endif
} lv_font_fmt_txt_glyph_dsc_t;

/* The four ways a character range maps to glyph ids, with
 * rcp = code point - range_start:
 *   FORMAT0_TINY:  glyph_id_start + rcp
 *   FORMAT0_FULL:  glyph_id_start + ((uint8_t *)glyph_id_ofs_list)[rcp]
 *   SPARSE_TINY:   glyph_id_start + index of rcp in unicode_list
 *   SPARSE_FULL:   glyph_id_start + ((uint16_t *)glyph_id_ofs_list)[index of rcp in unicode_list] */
enum {
    LV_FONT_FMT_TXT_CMAP_FORMAT0_FULL,
    LV_FONT_FMT_TXT_CMAP_SPARSE_FULL,
    LV_FONT_FMT_TXT_CMAP_FORMAT0_TINY,
    LV_FONT_FMT_TXT_CMAP_SPARSE_TINY,
};

typedef uint8_t lv_font_fmt_txt_cmap_type_t;

typedef struct {
    uint32_t range_start;
    uint16_t range_length;
    uint16_t glyph_id_start;
    const uint16_t * unicode_list;      /* sorted rcp values of the sparse formats */
    const void * glyph_id_ofs_list;     /* uint8_t[] for FORMAT0_FULL, uint16_t[] for SPARSE_FULL */
    uint16_t list_length;
    lv_font_fmt_txt_cmap_type_t type;
} lv_font_fmt_txt_cmap_t;

/* Kerning as a list of (left glyph id, right glyph id) pairs sorted by the
 * pair, with one value (in kern_scale units) per pair. */
typedef struct {
    const void * glyph_ids;
    const int8_t * values;
    uint32_t pair_cnt   : 30;
    uint32_t glyph_ids_size : 2;    /* 0: ids are uint8_t, 1: uint16_t */
} lv_font_fmt_txt_kern_pair_t;

/* Kerning by classes: each glyph id maps to a left and a right class (0 = no
 * kerning); the value is class_pair_values[(left - 1) * right_class_cnt + (right - 1)]. */
typedef struct {
    const int8_t * class_pair_values;
    const uint8_t * left_class_mapping;
    const uint8_t * right_class_mapping;
    uint8_t left_class_cnt;
    uint8_t right_class_cnt;
} lv_font_fmt_txt_kern_classes_t;

/* Glyph bitmap storage; the numbers are the converter's. */
typedef enum {
    LV_FONT_FMT_TXT_PLAIN      = 0,
    LV_FONT_FMT_TXT_COMPRESSED = 1,
    LV_FONT_FMT_TXT_COMPRESSED_NO_PREFILTER = 2,
} lv_font_fmt_txt_bitmap_format_t;

/* The last looked-up letter, since text often repeats a lookup (descriptor,
 * then bitmap). */
typedef struct {
    uint32_t last_letter;
    uint32_t last_glyph_id;
} lv_font_fmt_txt_glyph_cache_t;

typedef struct {
    const uint8_t * glyph_bitmap;
    const lv_font_fmt_txt_glyph_dsc_t * glyph_dsc;
    const lv_font_fmt_txt_cmap_t * cmaps;
    const void * kern_dsc;          /* kern_classes ? lv_font_fmt_txt_kern_classes_t : lv_font_fmt_txt_kern_pair_t */
    uint16_t kern_scale;            /* kerning value multiplier, 12.4 fixed point */
    uint16_t cmap_num       : 9;
    uint16_t bpp            : 4;    /* 1, 2, 3, 4 or 8 */
    uint16_t kern_classes   : 1;
    uint16_t bitmap_format  : 2;    /* lv_font_fmt_txt_bitmap_format_t */
    lv_font_fmt_txt_glyph_cache_t * cache;
} lv_font_fmt_txt_dsc_t;

/**********************
 * GLOBAL PROTOTYPES
 **********************/

/**
 * The `get_glyph_bitmap` callback of converter fonts.
 * @return the glyph's bitmap (rows packed at the font's bpp) or NULL; for a
 *         compressed font a decoded copy owned by this module, valid until the next call
 */
const uint8_t * lv_font_get_bitmap_fmt_txt(const lv_font_t * font, uint32_t unicode_letter);

/**
 * The `get_glyph_dsc` callback of converter fonts: the glyph of
 * `unicode_letter`, its advance including the kerning against `unicode_letter_next`.
 * @return false when the font has no such glyph
 */
bool lv_font_get_glyph_dsc_fmt_txt(const lv_font_t * font, lv_font_glyph_dsc_t * dsc_out, uint32_t unicode_letter,
                                   uint32_t unicode_letter_next);

/**
 * Free the decompression buffer.
 */
void _lv_font_clean_up_fmt_txt(void);

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_FONT_FMT_TXT_H*/
