/**
 * @file lv_draw_img.c
 */
#include "lv_draw.h"
#include "../misc/lv_mem.h"

void lv_draw_img_dsc_init(lv_draw_img_dsc_t * dsc)
{
    lv_memset_00(dsc, sizeof(lv_draw_img_dsc_t));
    dsc->recolor = lv_color_black();
    dsc->opa = LV_OPA_COVER;
    dsc->zoom = LV_IMG_ZOOM_NONE;
    dsc->antialias = 1;
}

/* Images live in memory, so "decoding" is handing the pixels over. A symbol
 * source is text drawn in the recolour colour with the default font. */
void lv_draw_img(lv_draw_ctx_t * draw_ctx, const lv_draw_img_dsc_t * dsc, const lv_area_t * coords, const void * src)
{
    if(src == NULL || dsc->opa <= LV_OPA_MIN) return;

    if(draw_ctx->draw_img && draw_ctx->draw_img(draw_ctx, dsc, coords, src) == LV_RES_OK) return;

    lv_img_src_t type = lv_img_src_get_type(src);
    if(type == LV_IMG_SRC_SYMBOL) {
        lv_draw_label_dsc_t label_dsc;
        lv_draw_label_dsc_init(&label_dsc);
        label_dsc.color = dsc->recolor;
        label_dsc.opa = dsc->opa;
        lv_draw_label(draw_ctx, &label_dsc, coords, src, NULL);
        return;
    }
    if(type != LV_IMG_SRC_VARIABLE) return;

    const lv_img_dsc_t * img = src;
    if(img->data == NULL || img->header.w == 0 || img->header.h == 0) return;
    uint32_t px_bits = lv_img_cf_get_px_size(img->header.cf);
    if(px_bits == 0) return;
    /*The data must hold every pixel: a short buffer is not drawn rather than read past*/
    if(img->data_size != 0 && (uint64_t)img->header.w * img->header.h * px_bits / 8 > img->data_size) return;

    if(draw_ctx->draw_img_decoded) {
        draw_ctx->draw_img_decoded(draw_ctx, dsc, coords, img->data, (lv_img_cf_t)img->header.cf);
    }
}
