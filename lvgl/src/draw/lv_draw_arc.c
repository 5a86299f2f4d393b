/**
 * @file lv_draw_arc.c
 * Arc descriptors, the hand-over to the draw context and the area an arc
 * may cover.
 */
#include "lv_draw.h"
#include "../misc/lv_mem.h"
#include "../misc/lv_math.h"

/* One pixel wide, black, opaque, flat ends. */
void lv_draw_arc_dsc_init(lv_draw_arc_dsc_t * dsc)
{
    lv_draw_arc_dsc_t fresh = {.color = lv_color_black(), .width = 1, .opa = LV_OPA_COVER};
    *dsc = fresh;
}

/* Equal angles are an empty arc (a full ring is start + 360). */
void lv_draw_arc(lv_draw_ctx_t * draw_ctx, const lv_draw_arc_dsc_t * dsc, const lv_point_t * center, uint16_t radius,
                 uint16_t start_angle, uint16_t end_angle)
{
    bool visible = dsc->opa > LV_OPA_MIN && dsc->width > 0 && radius > 0 && start_angle != end_angle;
    if(visible && draw_ctx->draw_arc != NULL) draw_ctx->draw_arc(draw_ctx, dsc, center, radius, start_angle, end_angle);
}

/* Used for invalidation, where an over-estimate is safe: an arc within one
 * quadrant gets the box of its four corner points, any other arc the box of
 * its whole circle; rounded ends add half the width. */
void lv_draw_arc_get_area(lv_coord_t x, lv_coord_t y, uint16_t radius, uint16_t start_angle, uint16_t end_angle,
                          lv_coord_t w, bool rounded, lv_area_t * area)
{
    int32_t rout = radius;
    int32_t extra = rounded ? w / 2 + 1 : 0;
    start_angle = (uint16_t)(start_angle % 360);
    end_angle = (uint16_t)(end_angle % 360);

    int32_t sq = start_angle / 90, eq = end_angle / 90;
    if(sq == eq && start_angle <= end_angle) {
        /*Within one quadrant: the box of the ring segment's corner points*/
        int32_t rin = LV_MAX(rout - w, 0);
        int32_t xs[4], ys[4];
        int32_t angles[2] = {start_angle, end_angle};
        for(int i = 0; i < 2; i++) {
            xs[i * 2] = x + ((lv_trigo_cos((int16_t)angles[i]) * rout) >> LV_TRIGO_SHIFT);
            ys[i * 2] = y + ((lv_trigo_sin((int16_t)angles[i]) * rout) >> LV_TRIGO_SHIFT);
            xs[i * 2 + 1] = x + ((lv_trigo_cos((int16_t)angles[i]) * rin) >> LV_TRIGO_SHIFT);
            ys[i * 2 + 1] = y + ((lv_trigo_sin((int16_t)angles[i]) * rin) >> LV_TRIGO_SHIFT);
        }
        area->x1 = (lv_coord_t)(LV_MIN4(xs[0], xs[1], xs[2], xs[3]) - extra - 1);
        area->x2 = (lv_coord_t)(LV_MAX4(xs[0], xs[1], xs[2], xs[3]) + extra + 1);
        area->y1 = (lv_coord_t)(LV_MIN4(ys[0], ys[1], ys[2], ys[3]) - extra - 1);
        area->y2 = (lv_coord_t)(LV_MAX4(ys[0], ys[1], ys[2], ys[3]) + extra + 1);
        return;
    }
    area->x1 = (lv_coord_t)(x - rout - extra);
    area->y1 = (lv_coord_t)(y - rout - extra);
    area->x2 = (lv_coord_t)(x + rout + extra);
    area->y2 = (lv_coord_t)(y + rout + extra);
}
