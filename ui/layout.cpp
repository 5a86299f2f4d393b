#include "ui/layout.h"

#include "ui/assets/ui_fonts.h"
#include "ui/language.h"
#include "ui/layout_tiers.h"

const lv_font_t* font_normal = nullptr;
const lv_font_t* font_message = nullptr;
const lv_font_t* font_large = nullptr;
const lv_font_t* font_digits = nullptr;

int32_t layout_tier = 0;
int32_t layout_zoom = 256;
int32_t layout_page_width = 0, layout_page_height = 0;
int32_t layout_dial = 0, layout_inner_dial = 0;
int32_t layout_colour_wheel = 0;
int32_t layout_chart_width = 0, layout_chart_height = 0;
int32_t layout_fan_icon = 0;

const lv_font_t* tier_font(int tier, int role) { return UI_FONTS[tier][role][ui_chinese ? 1 : 0]; }

namespace {
void use_fonts_of(int tier) {
  font_normal = tier_font(tier, FONT_ROLE_NORMAL);
  font_message = tier_font(tier, FONT_ROLE_MESSAGE);
  font_large = tier_font(tier, FONT_ROLE_LARGE);
  font_digits = tier_font(tier, FONT_ROLE_DIGITS);
}
}  // namespace

void use_initial_fonts() { use_fonts_of(0); }

void select_layout_tier(int32_t display_width) {
  decide_ui_language();
  int tier = layout_tier_for_width(display_width);
  const LayoutTier& row = LAYOUT_TIERS[tier];
  layout_tier = tier;
  layout_zoom = row.zoom;
  layout_page_width = row.page_width;
  layout_page_height = row.page_height;
  layout_dial = row.dial;
  layout_inner_dial = row.inner_dial;
  layout_colour_wheel = row.colour_wheel;
  layout_chart_width = row.chart_width;
  layout_chart_height = row.chart_height;
  layout_fan_icon = row.fan_icon;
  use_fonts_of(tier);
}
