/**
 * @file lv_draw_line.c
 */
#include "lv_draw.h"
#include "../misc/lv_mem.h"

void lv_draw_line_dsc_init(lv_draw_line_dsc_t * dsc)
{
    lv_memset_00(dsc, sizeof(lv_draw_line_dsc_t));
    dsc->width = 1;
    dsc->opa = LV_OPA_COVER;
    dsc->color = lv_color_black();
}

void lv_draw_line(lv_draw_ctx_t * draw_ctx, const lv_draw_line_dsc_t * dsc, const lv_point_t * point1,
                  const lv_point_t * point2)
{
    if(dsc->width == 0 || dsc->opa <= LV_OPA_MIN) return;
    if(point1->x == point2->x && point1->y == point2->y && !(dsc->round_start || dsc->round_end)) return;
    if(draw_ctx->draw_line) draw_ctx->draw_line(draw_ctx, dsc, point1, point2);
}
