#include "shell/blend_route.h"

BlendPlan plan_blend(const lv_draw_ctx_t* draw_ctx, const lv_draw_sw_blend_dsc_t* dsc) {
  BlendPlan plan = {BLEND_ROUTE_NOTHING, {0, 0, 0, 0}, nullptr, 0, 0};
  if (!_lv_area_intersect(&plan.area, dsc->blend_area, draw_ctx->clip_area)) return plan;

  if (dsc->mask_buf || dsc->opa < LV_OPA_MAX || dsc->blend_mode != LV_BLEND_MODE_NORMAL) {
    plan.route = BLEND_ROUTE_SOFTWARE;
    return plan;
  }
  // The frame buffer may start elsewhere than the screen's origin; GDI draws
  // in buffer coordinates.
  const lv_area_t* buffer = draw_ctx->buf_area;
  if (dsc->src_buf) {
    plan.route = BLEND_ROUTE_IMAGE;
    plan.source_stride = lv_area_get_width(dsc->blend_area);
    plan.source_x = plan.area.x1 - dsc->blend_area->x1;
    plan.source_row = dsc->src_buf + (plan.area.y1 - dsc->blend_area->y1) * plan.source_stride;
  } else {
    plan.route = BLEND_ROUTE_FILL;
  }
  lv_area_move(&plan.area, -buffer->x1, -buffer->y1);
  return plan;
}
