// Which blends the window host hands to GDI, and where an image cut by the
// clip area starts in its source.
#include <gtest/gtest.h>

#include "shell/blend_route.h"

namespace {

struct Blend {
  lv_area_t clip, buffer, blend;
  lv_draw_ctx_t ctx;
  lv_draw_sw_blend_dsc_t dsc;
  lv_color_t pixels[100 * 50];
  lv_opa_t mask[100 * 50];

  Blend() {
    buffer = {0, 0, 959, 1031};
    clip = buffer;
    blend = {10, 20, 109, 69};  // 100 x 50
    lv_memset_00(&ctx, sizeof(ctx));
    ctx.clip_area = &clip;
    ctx.buf_area = &buffer;
    lv_memset_00(&dsc, sizeof(dsc));
    dsc.blend_area = &blend;
    dsc.color = lv_color_hex(0x1A1A1A);
    dsc.opa = LV_OPA_COVER;
    dsc.blend_mode = LV_BLEND_MODE_NORMAL;
  }
};

TEST(BlendRoute, sends_only_opaque_normal_unmasked_blends_to_gdi) {
  struct Case {
    const char* name;
    void (*change)(Blend*);
    BlendRoute expected;
  } cases[] = {
      {"solid fill", [](Blend*) {}, BLEND_ROUTE_FILL},
      {"opaque image", [](Blend* b) { b->dsc.src_buf = b->pixels; }, BLEND_ROUTE_IMAGE},
      {"opacity 252 is translucent", [](Blend* b) { b->dsc.opa = 252; }, BLEND_ROUTE_SOFTWARE},
      {"opacity 253 counts as opaque", [](Blend* b) { b->dsc.opa = 253; }, BLEND_ROUTE_FILL},
      {"masked fill", [](Blend* b) { b->dsc.mask_buf = b->mask; }, BLEND_ROUTE_SOFTWARE},
      {"masked image", [](Blend* b) { b->dsc.src_buf = b->pixels; b->dsc.mask_buf = b->mask; },
       BLEND_ROUTE_SOFTWARE},
      {"additive", [](Blend* b) { b->dsc.blend_mode = LV_BLEND_MODE_ADDITIVE; }, BLEND_ROUTE_SOFTWARE},
      {"outside the clip", [](Blend* b) { b->clip = {200, 200, 300, 300}; }, BLEND_ROUTE_NOTHING},
  };
  for (const Case& c : cases) {
    Blend b;
    c.change(&b);
    EXPECT_EQ(plan_blend(&b.ctx, &b.dsc).route, c.expected) << c.name;
  }
}

TEST(BlendRoute, image_cut_by_the_clip_starts_at_the_right_source_pixel) {
  Blend b;
  b.dsc.src_buf = b.pixels;
  b.clip = {30, 25, 59, 39};  // cuts 20 columns and 5 rows off the top-left
  BlendPlan plan = plan_blend(&b.ctx, &b.dsc);
  ASSERT_EQ(plan.route, BLEND_ROUTE_IMAGE);
  EXPECT_EQ(plan.area.x1, 30);
  EXPECT_EQ(plan.area.y1, 25);
  EXPECT_EQ(plan.area.x2, 59);
  EXPECT_EQ(plan.area.y2, 39);
  EXPECT_EQ(plan.source_stride, 100) << "rows advance by the unclipped width";
  EXPECT_EQ(plan.source_x, 20);
  EXPECT_EQ(plan.source_row, b.pixels + 5 * 100);
}

TEST(BlendRoute, converts_to_buffer_coordinates) {
  Blend b;
  b.buffer = {0, 100, 959, 199};  // a buffer holding rows 100..199 of the screen
  b.clip = b.buffer;
  b.blend = {0, 150, 9, 159};
  BlendPlan plan = plan_blend(&b.ctx, &b.dsc);
  ASSERT_EQ(plan.route, BLEND_ROUTE_FILL);
  EXPECT_EQ(plan.area.y1, 50);
  EXPECT_EQ(plan.area.y2, 59);
}

}  // namespace
