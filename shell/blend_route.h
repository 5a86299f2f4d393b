// Which way one toolkit blend goes in the window host: solid opaque fills and
// opaque image copies go to GDI, everything else to the toolkit's own
// software blender. Portable, so the decision and the source arithmetic are
// tested natively.
#pragma once

#include <cstdint>

#include "lvgl.h"
// The software renderer is not part of the umbrella header upstream.
#include "src/draw/sw/lv_draw_sw.h"

enum BlendRoute {
  BLEND_ROUTE_NOTHING,   // clipped away
  BLEND_ROUTE_SOFTWARE,  // masked, translucent or not a normal blend
  BLEND_ROUTE_IMAGE,     // opaque copy of source pixels
  BLEND_ROUTE_FILL,      // opaque solid colour
};

struct BlendPlan {
  BlendRoute route;
  lv_area_t area;             // target rectangle in frame-buffer pixels (inclusive)
  const lv_color_t* source_row;  // images: the source row under the rectangle's top edge
  int32_t source_x;              // images: the column under its left edge
  int32_t source_stride;         // images: pixels per source row (the unclipped blend width)
};

// Plans the blend `dsc` within `draw_ctx`'s clip area. For an image cut by
// the clip, the source starts at column source_x of source_row, and rows
// advance by the blend area's width, not the clipped width.
BlendPlan plan_blend(const lv_draw_ctx_t* draw_ctx, const lv_draw_sw_blend_dsc_t* dsc);
