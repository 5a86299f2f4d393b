/**
 * @file lv_draw_line.c
 * Line descriptors and the hand-over to the draw context.
 */
#include "lv_draw.h"

/* One pixel wide, black, opaque, solid, flat ends. */
void lv_draw_line_dsc_init(lv_draw_line_dsc_t * dsc)
{
    lv_draw_line_dsc_t fresh = {.color = lv_color_black(), .width = 1, .opa = LV_OPA_COVER};
    *dsc = fresh;
}

/* A line of no length shows only as its round ends, if it has them. */
void lv_draw_line(lv_draw_ctx_t * draw_ctx, const lv_draw_line_dsc_t * dsc, const lv_point_t * point1,
                  const lv_point_t * point2)
{
    bool dot = point1->x == point2->x && point1->y == point2->y;
    bool visible = dsc->width > 0 && dsc->opa > LV_OPA_MIN && (!dot || dsc->round_start || dsc->round_end);
    if(visible && draw_ctx->draw_line != NULL) draw_ctx->draw_line(draw_ctx, dsc, point1, point2);
}
