/**
 * @file lv_font.h
 * The font interface: a font answers glyph descriptors and bitmaps through two
 * callbacks, so bitmap fonts of lv_font_fmt_txt and any other kind look alike.
 */
#ifndef LV_FONT_H
#define LV_FONT_H

#ifdef __cplusplus
extern "C" {
#endif

/*********************
 *      INCLUDES
 *********************/
#include "../lv_conf_internal.h"
#include <stdint.h>
#include <stddef.h>
#include <stdbool.h>

#include "lv_symbol_def.h"
#include "../misc/lv_area.h"

/**********************
 *      TYPEDEFS
 **********************/

/*------------------
 * General types
 *-----------------*/

struct _lv_font_t;

/* A glyph as the renderer needs it. Sizes in pixels; ofs_y is the bottom of
 * the box above the base line (negative: below it). */
typedef struct {
    const struct _lv_font_t * resolved_font; /* the font (or fallback) that has the glyph */
    uint16_t adv_w;     /* pen advance, kerning with the next letter included */
    uint16_t box_w;
    uint16_t box_h;
    int16_t ofs_x;
    int16_t ofs_y;
    uint8_t bpp: 4;     /* 1, 2, 3, 4 or 8 */
    uint8_t is_placeholder: 1; /* no font has the glyph; a box is drawn instead */
} lv_font_glyph_dsc_t;

/* Sub-pixel rendering of a font's bitmaps (not supported: fonts here are NONE). */
enum {
    LV_FONT_SUBPX_NONE,
    LV_FONT_SUBPX_HOR,
    LV_FONT_SUBPX_VER,
    LV_FONT_SUBPX_BOTH,
};

typedef uint8_t lv_font_subpx_t;

/* A font: two callbacks answer glyph descriptors and bitmaps. */
typedef struct _lv_font_t {
    bool (*get_glyph_dsc)(const struct _lv_font_t *, lv_font_glyph_dsc_t *, uint32_t letter, uint32_t letter_next);

    const uint8_t * (*get_glyph_bitmap)(const struct _lv_font_t *, uint32_t);

    lv_coord_t line_height;         /* every glyph fits in a line this high */
    lv_coord_t base_line;           /* base line height above the bottom of the line */
    uint8_t subpx  : 2;             /* lv_font_subpx_t */

    int8_t underline_position;      /* underline top relative to the base line, negative below it */
    int8_t underline_thickness;

    const void * dsc;               /* the font format's own data (lv_font_fmt_txt_dsc_t) */
    const struct _lv_font_t * fallback;   /* asked for glyphs this font lacks, and its fallback in turn */
#if LV_USE_USER_DATA
    void * user_data;
#endif
} lv_font_t;

/**********************
 * GLOBAL PROTOTYPES
 **********************/

/**
 * The bitmap of `letter` in `font_p` itself (not its fallbacks; use the
 * resolved_font of the descriptor): pixels at the glyph's bpp, rows packed.
 * NULL for a missing glyph or no font.
 */
const uint8_t * lv_font_get_glyph_bitmap(const lv_font_t * font_p, uint32_t letter);

/**
 * Describe the glyph of `letter`, kerned against `letter_next` (0: none),
 * from `font_p` or the first of its fallbacks that has it.
 * @return false when none has it; `dsc_out` then describes the placeholder
 *         box drawn instead (zero-sized for invisible characters)
 */
bool lv_font_get_glyph_dsc(const lv_font_t * font_p, lv_font_glyph_dsc_t * dsc_out, uint32_t letter,
                           uint32_t letter_next);

/** @return how far the pen moves for `letter` before `letter_next`, kerning included */
uint16_t lv_font_get_glyph_width(const lv_font_t * font, uint32_t letter, uint32_t letter_next);

/** @return the height of one line of text, which every glyph of the font fits in */
static inline lv_coord_t lv_font_get_line_height(const lv_font_t * font_p)
{
    lv_coord_t h = font_p->line_height;
    return h;
}

/**********************
 *      MACROS
 **********************/

#define LV_FONT_DECLARE(font_name) extern const lv_font_t font_name;

#if LV_FONT_MONTSERRAT_12
LV_FONT_DECLARE(lv_font_montserrat_12)
#endif

#if LV_FONT_MONTSERRAT_14
LV_FONT_DECLARE(lv_font_montserrat_14)
#endif

#if LV_FONT_MONTSERRAT_16
LV_FONT_DECLARE(lv_font_montserrat_16)
#endif

#if LV_FONT_MONTSERRAT_18
LV_FONT_DECLARE(lv_font_montserrat_18)
#endif

#if LV_FONT_MONTSERRAT_20
LV_FONT_DECLARE(lv_font_montserrat_20)
#endif

#if LV_FONT_MONTSERRAT_22
LV_FONT_DECLARE(lv_font_montserrat_22)
#endif

#if LV_FONT_MONTSERRAT_24
LV_FONT_DECLARE(lv_font_montserrat_24)
#endif

#if LV_FONT_MONTSERRAT_28
LV_FONT_DECLARE(lv_font_montserrat_28)
#endif

/* Fonts of the application, named in lv_conf.h */
#ifdef LV_FONT_CUSTOM_DECLARE
LV_FONT_CUSTOM_DECLARE
#endif

/** @return the font of lv_conf.h's LV_FONT_DEFAULT */
static inline const lv_font_t * lv_font_default(void)
{
    const lv_font_t * f = LV_FONT_DEFAULT;
    return f;
}

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_FONT_H*/
