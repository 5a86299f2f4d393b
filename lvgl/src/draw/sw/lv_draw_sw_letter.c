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
    lv_font_glyph_dsc_t g;
    bool found = lv_font_get_glyph_dsc(dsc->font, &g, letter, '\0');
    const lv_font_t * font_p = found ? g.resolved_font : dsc->font;

    if(!found) {
        if(g.is_placeholder && g.box_w > 0) {
            lv_area_t box = {pos_p->x, pos_p->y, (lv_coord_t)(pos_p->x + g.box_w - 1),
                             (lv_coord_t)(pos_p->y + g.box_h - 1)
                            };
            draw_placeholder(draw_ctx, dsc, &box);
        }
        return;
    }
    if(g.box_w == 0 || g.box_h == 0) return;    /*A space*/

    lv_area_t box;
    box.x1 = (lv_coord_t)(pos_p->x + g.ofs_x);
    box.y1 = (lv_coord_t)(pos_p->y + (font_p->line_height - font_p->base_line) - g.box_h - g.ofs_y);
    box.x2 = (lv_coord_t)(box.x1 + g.box_w - 1);
    box.y2 = (lv_coord_t)(box.y1 + g.box_h - 1);

    lv_area_t clip;
    if(!_lv_area_intersect(&clip, &box, draw_ctx->clip_area)) return;

    const uint8_t * bitmap = lv_font_get_glyph_bitmap(font_p, letter);
    if(bitmap == NULL) return;

    int32_t cw = lv_area_get_width(&clip);
    int32_t ch = lv_area_get_height(&clip);
    lv_opa_t * mask_buf = lv_mem_buf_get((uint32_t)(cw * ch));
    if(mask_buf == NULL) return;
    if(!unpack_glyph(bitmap, &g, &box, &clip, mask_buf)) {
        lv_mem_buf_release(mask_buf);
        return;
    }

    lv_draw_sw_blend_dsc_t blend_dsc;
    lv_memset_00(&blend_dsc, sizeof(blend_dsc));
    blend_dsc.color = dsc->color;
    blend_dsc.opa = dsc->opa;
    blend_dsc.blend_mode = dsc->blend_mode;
    blend_dsc.blend_area = &clip;
    blend_dsc.mask_area = &clip;
    blend_dsc.mask_buf = mask_buf;
    blend_dsc.mask_res = LV_DRAW_MASK_RES_CHANGED;

    if(lv_draw_mask_is_any(&clip)) {
        bool any = false;
        for(int32_t y = 0; y < ch; y++) {
            lv_draw_mask_res_t res = lv_draw_mask_apply(&mask_buf[y * cw], clip.x1, (lv_coord_t)(clip.y1 + y),
                                                        (lv_coord_t)cw);
            if(res == LV_DRAW_MASK_RES_TRANSP) lv_memset_00(&mask_buf[y * cw], (size_t)cw);
            else any = true;
        }
        if(!any) blend_dsc.mask_res = LV_DRAW_MASK_RES_TRANSP;
    }
    lv_draw_sw_blend(draw_ctx, &blend_dsc);
    lv_mem_buf_release(mask_buf);
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

/* The clipped part of a glyph bitmap (pixels packed MSB first at g->bpp,
 * rows not padded) as opacities, one byte a pixel with the clip's width.
 * Returns false for an unsupported bpp. */
static bool unpack_glyph(const uint8_t * bitmap, const lv_font_glyph_dsc_t * g, const lv_area_t * box,
                         const lv_area_t * clip, lv_opa_t * mask_buf)
{
    const uint8_t * opa_table;
    switch(g->bpp) {
        case 1: opa_table = bpp1_opa_table; break;
        case 2: opa_table = bpp2_opa_table; break;
        case 3: opa_table = bpp3_opa_table; break;
        case 4: opa_table = bpp4_opa_table; break;
        case 8: opa_table = NULL; break;
        default: return false;
    }

    int32_t cw = lv_area_get_width(clip);
    int32_t ch = lv_area_get_height(clip);
    uint32_t bpp = g->bpp;
    uint32_t mask_val = (1u << bpp) - 1u;
    for(int32_t y = 0; y < ch; y++) {
        uint32_t bit = ((uint32_t)(clip->y1 - box->y1 + y) * g->box_w + (uint32_t)(clip->x1 - box->x1)) * bpp;
        lv_opa_t * m = &mask_buf[y * cw];
        for(int32_t x = 0; x < cw; x++, bit += bpp) {
            uint32_t v;
            if(bpp == 8) v = bitmap[bit >> 3];
            else v = (bitmap[bit >> 3] >> (8 - bpp - (bit & 7))) & mask_val;
            m[x] = opa_table ? opa_table[v] : (lv_opa_t)v;
        }
    }
    return true;
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
