/**
 * @file lv_draw_img.c
 * Image descriptors and the way from an image source to the context's
 * draw_img_decoded.
 */
#include "lv_draw.h"

/* Opaque, unscaled, unturned, smoothed when it is scaled or turned. */
void lv_draw_img_dsc_init(lv_draw_img_dsc_t * dsc)
{
    lv_draw_img_dsc_t fresh = {
        .zoom = LV_IMG_ZOOM_NONE,
        .recolor = lv_color_black(),
        .opa = LV_OPA_COVER,
        .antialias = 1,
    };
    *dsc = fresh;
}

/* The pixels must all be there: an image whose data_size is smaller than
 * its width, height and format promise is not drawn rather than read past
 * its end (a data_size of 0 is trusted, as converters leave it out). */
static bool data_complete(const lv_img_dsc_t * img)
{
    uint32_t bits = lv_img_cf_get_px_size(img->header.cf);
    if(img->data == NULL || img->header.w == 0 || img->header.h == 0 || bits == 0) return false;
    uint64_t needed = (uint64_t)img->header.w * img->header.h * bits / 8;
    return img->data_size == 0 || needed <= img->data_size;
}

/* The context may draw sources itself (draw_img); otherwise a symbol is
 * text in the recolour colour, and an in-memory image is handed over as
 * decoded pixels. */
void lv_draw_img(lv_draw_ctx_t * draw_ctx, const lv_draw_img_dsc_t * dsc, const lv_area_t * coords, const void * src)
{
    if(src == NULL || dsc->opa <= LV_OPA_MIN) return;
    if(draw_ctx->draw_img != NULL && draw_ctx->draw_img(draw_ctx, dsc, coords, src) == LV_RES_OK) return;

    lv_img_src_t kind = lv_img_src_get_type(src);
    if(kind == LV_IMG_SRC_SYMBOL) {
        lv_draw_label_dsc_t text;
        lv_draw_label_dsc_init(&text);
        text.color = dsc->recolor;
        text.opa = dsc->opa;
        lv_draw_label(draw_ctx, &text, coords, src, NULL);
        return;
    }
    const lv_img_dsc_t * img = src;
    if(kind != LV_IMG_SRC_VARIABLE || !data_complete(img) || draw_ctx->draw_img_decoded == NULL) return;
    draw_ctx->draw_img_decoded(draw_ctx, dsc, coords, img->data, (lv_img_cf_t)img->header.cf);
}
