/**
 * @file lv_draw_sw_polygon.c
 * A polygon is its bounding box's background drawn through a polygon mask.
 */
#include "lv_draw_sw.h"
#include "../../misc/lv_math.h"

void lv_draw_sw_polygon(lv_draw_ctx_t * draw_ctx, const lv_draw_rect_dsc_t * draw_dsc, const lv_point_t * points,
                        uint16_t point_cnt)
{
    if(point_cnt < 3 || draw_dsc->bg_opa <= LV_OPA_MIN) return;

    lv_area_t box = {points[0].x, points[0].y, points[0].x, points[0].y};
    for(uint16_t i = 1; i < point_cnt; i++) {
        box.x1 = LV_MIN(box.x1, points[i].x);
        box.y1 = LV_MIN(box.y1, points[i].y);
        box.x2 = LV_MAX(box.x2, points[i].x);
        box.y2 = LV_MAX(box.y2, points[i].y);
    }

    lv_draw_mask_polygon_param_t mask;
    lv_draw_mask_polygon_init(&mask, points, point_cnt);
    if(mask.cfg.points == NULL) return;
    int16_t id = lv_draw_mask_add(&mask, NULL);

    lv_draw_rect_dsc_t dsc = *draw_dsc;
    dsc.radius = 0;
    dsc.border_width = 0;
    dsc.outline_width = 0;
    dsc.shadow_width = 0;
    dsc.bg_img_src = NULL;
    lv_draw_sw_rect(draw_ctx, &dsc, &box);

    lv_draw_mask_remove_id(id);
    lv_draw_mask_free_param(&mask);
}
