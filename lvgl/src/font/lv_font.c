/**
 * @file lv_font.c
 * The font interface over the fonts' own callbacks: fallback fonts are
 * asked in turn, and a glyph no font has becomes a placeholder box so the
 * gap shows on screen.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_font.h"
#include "../misc/lv_mem.h"

/**********************
 *   STATIC FUNCTIONS
 **********************/

/* Control characters, U+F8FF (which marks symbol image sources) and the
 * zero-width non-joiner take no room even without a glyph. */
static bool shows_as_box(uint32_t letter)
{
#if LV_USE_FONT_PLACEHOLDER
    return letter >= 0x20 && letter != 0xF8FF && letter != 0x200C;
#else
    LV_UNUSED(letter);
    return false;
#endif
}

/* A box of half the line height's width, as tall as the line. */
static void describe_missing(const lv_font_t * font, uint32_t letter, lv_font_glyph_dsc_t * out)
{
    uint16_t box_w = shows_as_box(letter) ? (uint16_t)(font->line_height / 2) : 0;
    lv_font_glyph_dsc_t box = {
        .resolved_font = NULL,
        .adv_w = box_w ? (uint16_t)(box_w + 2) : 0,
        .box_w = box_w,
        .box_h = (uint16_t)font->line_height,
        .bpp = 1,
        .is_placeholder = 1,
    };
    *out = box;
}

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

const uint8_t * lv_font_get_glyph_bitmap(const lv_font_t * font_p, uint32_t letter)
{
    bool usable = font_p != NULL && font_p->get_glyph_bitmap != NULL;
    return usable ? font_p->get_glyph_bitmap(font_p, letter) : NULL;
}

/* A font's own answer counts only when it is a real glyph: a fallback may
 * still have what the first font only has a placeholder for. */
bool lv_font_get_glyph_dsc(const lv_font_t * font_p, lv_font_glyph_dsc_t * dsc_out, uint32_t letter,
                           uint32_t letter_next)
{
    if(dsc_out == NULL) return false;
    if(font_p == NULL) {
        lv_memset_00(dsc_out, sizeof(*dsc_out));
        return false;
    }
    for(const lv_font_t * candidate = font_p; candidate != NULL; candidate = candidate->fallback) {
        dsc_out->is_placeholder = 0;
        bool found = candidate->get_glyph_dsc(candidate, dsc_out, letter, letter_next);
        if(found && !dsc_out->is_placeholder) {
            dsc_out->resolved_font = candidate;
            return true;
        }
    }
    describe_missing(font_p, letter, dsc_out);
    return false;
}

uint16_t lv_font_get_glyph_width(const lv_font_t * font, uint32_t letter, uint32_t letter_next)
{
    lv_font_glyph_dsc_t glyph;
    lv_font_get_glyph_dsc(font, &glyph, letter, letter_next);
    return glyph.adv_w;
}
