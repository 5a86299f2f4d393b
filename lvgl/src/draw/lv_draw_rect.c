/**
 * @file lv_draw_rect.c
 * Rectangle descriptors and the hand-over to the draw context.
 */
#include "lv_draw.h"

/* Everything visible starts opaque; borders, outlines and shadows have no
 * width, so a fresh descriptor draws a plain white box. The gradient is
 * ready to run from the background colour to black once a direction is set. */
void lv_draw_rect_dsc_init(lv_draw_rect_dsc_t * dsc)
{
    lv_draw_rect_dsc_t fresh = {
        .bg_opa = LV_OPA_COVER,
        .bg_color = lv_color_white(),
        .bg_img_symbol_font = LV_FONT_DEFAULT,
        .bg_img_opa = LV_OPA_COVER,
        .border_color = lv_color_black(),
        .border_opa = LV_OPA_COVER,
        .border_side = LV_BORDER_SIDE_FULL,
        .outline_opa = LV_OPA_COVER,
        .shadow_color = lv_color_black(),
        .shadow_opa = LV_OPA_COVER,
    };
    fresh.bg_grad.stops_count = 2;
    fresh.bg_grad.stops[0].color = lv_color_white();
    fresh.bg_grad.stops[1] = (lv_gradient_stop_t) {
        lv_color_black(), 255
    };
    *dsc = fresh;
}

/* An area with no pixels is not handed on. */
void lv_draw_rect(lv_draw_ctx_t * draw_ctx, const lv_draw_rect_dsc_t * dsc, const lv_area_t * coords)
{
    bool has_pixels = coords->x2 >= coords->x1 && coords->y2 >= coords->y1;
    if(has_pixels && draw_ctx->draw_rect != NULL) draw_ctx->draw_rect(draw_ctx, dsc, coords);
}
