// Layout tiers: every size and font of the panel scaled to the display width
// (the long side of the current display mode).
#pragma once

#include <cstdint>

constexpr int LAYOUT_TIER_COUNT = 12;

enum FontRole { FONT_ROLE_NORMAL, FONT_ROLE_MESSAGE, FONT_ROLE_LARGE, FONT_ROLE_DIGITS };

struct LayoutTier {
  int32_t min_width;  // lowest display width of the row (0 for the last)
  int32_t zoom;       // image zoom, 256 = 100 %
  int32_t page_width, page_height;
  int32_t dial, inner_dial;
  int32_t colour_wheel;
  int32_t chart_width, chart_height;
  int32_t fan_icon;
  // Line heights of the fonts: English / Chinese per role, one for digits.
  int32_t normal_line[2], message_line[2], large_line[2], digits_line;
};

extern const LayoutTier LAYOUT_TIERS[LAYOUT_TIER_COUNT];

// Row for a display width: the first row whose lower bound the width reaches;
// anything below 800 takes the last row.
int layout_tier_for_width(int32_t display_width);
