// Layout tier choice and opacity derivation: the panel's portable decisions.
#include <gtest/gtest.h>

#include "ui/layout_tiers.h"
#include "ui/panel_state.h"

namespace {

TEST(LayoutTiers, the_first_bound_the_width_reaches_selects_the_row) {
  struct Case {
    int32_t width;
    int tier;
  } cases[] = {
      {3840, 0}, {1920, 0}, {1919, 1}, {1600, 1}, {1599, 2}, {1440, 2}, {1439, 3}, {1366, 3},
      {1365, 4}, {1280, 4}, {1152, 5}, {1120, 6}, {1024, 7}, {960, 8}, {853, 9}, {852, 10},
      {800, 10}, {799, 11}, {0, 11}, {-5, 11},
  };
  for (const Case& c : cases) EXPECT_EQ(layout_tier_for_width(c.width), c.tier) << c.width;
}

TEST(LayoutTiers, rows_shrink_with_the_display_and_keep_the_inner_dial_50_below_the_dial) {
  for (int tier = 0; tier < LAYOUT_TIER_COUNT; ++tier) {
    const LayoutTier& row = LAYOUT_TIERS[tier];
    SCOPED_TRACE(tier);
    EXPECT_EQ(row.inner_dial, row.dial - 50);
    if (tier == 0) continue;
    const LayoutTier& wider = LAYOUT_TIERS[tier - 1];
    EXPECT_LT(row.min_width, wider.min_width);
    EXPECT_LE(row.zoom, wider.zoom);
    EXPECT_LE(row.page_width, wider.page_width);
    EXPECT_LE(row.colour_wheel, wider.colour_wheel);
  }
}

TEST(Opacity, stored_values_become_a_window_alpha_between_60_and_250) {
  struct Case {
    int32_t stored, alpha;
  } cases[] = {{-1, 60}, {0, 60}, {50, 60}, {65, 60}, {69, 60}, {70, 70},
               {200, 200}, {250, 250}, {251, 250}, {300, 250}};
  for (const Case& c : cases) EXPECT_EQ(opacity_to_alpha(c.stored), c.alpha) << c.stored;
}

}  // namespace
