/**
 * @file lv_font.c
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_font.h"
#include "../misc/lv_utils.h"
#include "../misc/lv_assert.h"

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

const uint8_t * lv_font_get_glyph_bitmap(const lv_font_t * font_p, uint32_t letter)
{
    LV_ASSERT_NULL(font_p);
    return font_p->get_glyph_bitmap(font_p, letter);
}

/* The font and then its fallbacks are asked in turn; the first that has the
 * glyph answers (resolved_font tells which, for the bitmap). When none has
 * it, a placeholder box of half the line height is described so missing
 * characters show up, except for control characters, U+F8FF (the symbol
 * marker of image sources) and U+200C, which take no space. */
bool lv_font_get_glyph_dsc(const lv_font_t * font_p, lv_font_glyph_dsc_t * dsc_out, uint32_t letter,
                           uint32_t letter_next)
{
    LV_ASSERT_NULL(font_p);
    LV_ASSERT_NULL(dsc_out);

    dsc_out->resolved_font = NULL;
    for(const lv_font_t * f = font_p; f != NULL; f = f->fallback) {
        dsc_out->is_placeholder = 0;
        if(f->get_glyph_dsc(f, dsc_out, letter, letter_next) && !dsc_out->is_placeholder) {
            dsc_out->resolved_font = f;
            return true;
        }
    }

#if LV_USE_FONT_PLACEHOLDER
    bool visible = letter >= 0x20 && letter != 0xF8FF && letter != 0x200C;
#else
    bool visible = false;
#endif
    dsc_out->resolved_font = NULL;
    dsc_out->box_w = visible ? (uint16_t)(font_p->line_height / 2) : 0;
    dsc_out->adv_w = visible ? (uint16_t)(dsc_out->box_w + 2) : 0;
    dsc_out->box_h = (uint16_t)font_p->line_height;
    dsc_out->ofs_x = 0;
    dsc_out->ofs_y = 0;
    dsc_out->bpp = 1;
    dsc_out->is_placeholder = 1;
    return false;
}

uint16_t lv_font_get_glyph_width(const lv_font_t * font, uint32_t letter, uint32_t letter_next)
{
    LV_ASSERT_NULL(font);
    lv_font_glyph_dsc_t g;
    lv_font_get_glyph_dsc(font, &g, letter, letter_next);
    return g.adv_w;
}
