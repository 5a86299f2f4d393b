/**
 * @file lv_draw_triangle.c
 */
#include "lv_draw.h"

void lv_draw_polygon(lv_draw_ctx_t * draw_ctx, const lv_draw_rect_dsc_t * draw_dsc, const lv_point_t points[],
                     uint16_t point_cnt)
{
    if(point_cnt < 3 || points == NULL) return;
    if(draw_ctx->draw_polygon) draw_ctx->draw_polygon(draw_ctx, draw_dsc, points, point_cnt);
}

void lv_draw_triangle(lv_draw_ctx_t * draw_ctx, const lv_draw_rect_dsc_t * draw_dsc, const lv_point_t points[])
{
    lv_draw_polygon(draw_ctx, draw_dsc, points, 3);
}
