/**
 * @file lv_draw_sw_letter.c
 * One glyph: its bitmap becomes a mask over the glyph's box and the text
 * colour is blended through it in one blend call.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_draw_sw.h"
#include "../../misc/lv_math.h"
#include "../../misc/lv_mem.h"
#include "../../font/lv_font.h"

/**********************
 *  STATIC PROTOTYPES
 **********************/
static void draw_placeholder(lv_draw_ctx_t * draw_ctx, const lv_draw_label_dsc_t * dsc, const lv_area_t * box);
static bool unpack_glyph(const uint8_t * bitmap, const lv_font_glyph_dsc_t * g, const lv_area_t * box,
                         const lv_area_t * clip, lv_opa_t * mask_buf);
static bool mask_glyph(lv_opa_t * cover, const lv_area_t * clip);

/**********************
 *  STATIC VARIABLES
 **********************/

/* Bitmap values of 1, 2 and 4 bpp fonts mapped to opacities. */
static const uint8_t bpp1_opa_table[2] = {0, 255};
static const uint8_t bpp2_opa_table[4] = {0, 85, 170, 255};
static const uint8_t bpp3_opa_table[8] = {0, 36, 73, 109, 146, 182, 219, 255};
static const uint8_t bpp4_opa_table[16] = {0, 17, 34, 51, 68, 85, 102, 119, 136, 153, 170, 187, 204, 221, 238, 255};

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

/* `pos_p` is the top-left corner of the letter's cell in its line; the box
 * sits on the base line, which is base_line pixels above the line's bottom. */
void lv_draw_sw_letter(lv_draw_ctx_t * draw_ctx, const lv_draw_label_dsc_t * dsc, const lv_point_t * pos_p,
                       uint32_t letter)
{
    lv_font_glyph_dsc_t glyph;
    bool found = lv_font_get_glyph_dsc(dsc->font, &glyph, letter, '\0');
    if(!found) {
        if(glyph.is_placeholder && glyph.box_w > 0) {
            lv_area_t box = {pos_p->x, pos_p->y, (lv_coord_t)(pos_p->x + glyph.box_w - 1),
                             (lv_coord_t)(pos_p->y + glyph.box_h - 1)
                            };
            draw_placeholder(draw_ctx, dsc, &box);
        }
        return;
    }
    if(glyph.box_w == 0 || glyph.box_h == 0) return;    /*a space*/

    /*the box's bottom is ofs_y above the base line*/
    const lv_font_t * owner = glyph.resolved_font;
    lv_coord_t top = (lv_coord_t)(pos_p->y + owner->line_height - owner->base_line - glyph.ofs_y - glyph.box_h);
    lv_area_t box = {(lv_coord_t)(pos_p->x + glyph.ofs_x), top, 0, 0};
    lv_area_set_width(&box, (lv_coord_t)glyph.box_w);
    lv_area_set_height(&box, (lv_coord_t)glyph.box_h);
    lv_area_t clip;
    if(!_lv_area_intersect(&clip, &box, draw_ctx->clip_area)) return;

    const uint8_t * bitmap = lv_font_get_glyph_bitmap(owner, letter);
    if(bitmap == NULL) return;
    int32_t cw = lv_area_get_width(&clip);
    int32_t ch = lv_area_get_height(&clip);
    lv_opa_t * cover = lv_mem_buf_get((uint32_t)(cw * ch));
    if(cover == NULL) return;

    lv_draw_sw_blend_dsc_t out = {
        .blend_area = &clip,
        .color = dsc->color,
        .mask_buf = cover,
        .mask_res = LV_DRAW_MASK_RES_CHANGED,
        .mask_area = &clip,
        .opa = dsc->opa,
        .blend_mode = dsc->blend_mode,
    };
    if(!unpack_glyph(bitmap, &glyph, &box, &clip, cover)) out.mask_res = LV_DRAW_MASK_RES_TRANSP;
    else if(lv_draw_mask_is_any(&clip) && !mask_glyph(cover, &clip)) out.mask_res = LV_DRAW_MASK_RES_TRANSP;
    if(out.mask_res != LV_DRAW_MASK_RES_TRANSP) lv_draw_sw_blend(draw_ctx, &out);
    lv_mem_buf_release(cover);
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

/* The opacities of the values of a 1, 2, 3 or 4 bpp glyph; NULL for 8 bpp,
 * whose values are opacities already. */
static const uint8_t * opacity_levels(uint8_t bpp)
{
    switch(bpp) {
        case 1:
            return bpp1_opa_table;
        case 2:
            return bpp2_opa_table;
        case 3:
            return bpp3_opa_table;
        case 4:
            return bpp4_opa_table;
        default:
            return NULL;
    }
}

/* The clipped part of a glyph bitmap (values packed most significant bit
 * first, rows not padded) as one opacity a pixel, rows of the clip's width.
 * Returns false for a bpp fonts do not have. */
static bool unpack_glyph(const uint8_t * bitmap, const lv_font_glyph_dsc_t * g, const lv_area_t * box,
                         const lv_area_t * clip, lv_opa_t * out)
{
    uint32_t bits = g->bpp;
    const uint8_t * levels = opacity_levels(g->bpp);
    if(levels == NULL && bits != 8) return false;
    uint32_t top = (1u << bits) - 1u;
    int32_t cw = lv_area_get_width(clip);
    for(int32_t y = clip->y1; y <= clip->y2; y++) {
        uint32_t at = ((uint32_t)(y - box->y1) * g->box_w + (uint32_t)(clip->x1 - box->x1)) * bits;
        for(int32_t i = 0; i < cw; i++, at += bits) {
            uint32_t v = bits == 8 ? bitmap[at >> 3] : (uint32_t)(bitmap[at >> 3] >> (8 - bits - (at & 7))) & top;
            *out++ = levels ? levels[v] : (lv_opa_t)v;
        }
    }
    return true;
}

/* The global masks over the glyph's rows; false when they hide it all. */
static bool mask_glyph(lv_opa_t * cover, const lv_area_t * clip)
{
    int32_t w = lv_area_get_width(clip);
    bool shows = false;
    for(int32_t y = clip->y1; y <= clip->y2; y++) {
        lv_opa_t * row = &cover[(y - clip->y1) * w];
        if(lv_draw_mask_apply(row, clip->x1, (lv_coord_t)y, (lv_coord_t)w) == LV_DRAW_MASK_RES_TRANSP) {
            lv_memset_00(row, (size_t)w);
        }
        else {
            shows = true;
        }
    }
    return shows;
}

/* A missing glyph shows as the outline of a box. */
static void draw_placeholder(lv_draw_ctx_t * draw_ctx, const lv_draw_label_dsc_t * dsc, const lv_area_t * box)
{
    lv_draw_rect_dsc_t rect_dsc;
    lv_draw_rect_dsc_init(&rect_dsc);
    rect_dsc.bg_opa = LV_OPA_TRANSP;
    rect_dsc.border_color = dsc->color;
    rect_dsc.border_width = 1;
    rect_dsc.border_opa = dsc->opa;
    lv_draw_sw_rect(draw_ctx, &rect_dsc, box);
}
