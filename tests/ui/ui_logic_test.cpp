// Layout tier choice, opacity derivation and the status bar's texts: the
// panel's portable decisions.
#include <gtest/gtest.h>

#include <string>

#include "lvgl.h"
#include "ui/layout_tiers.h"
#include "ui/panel_state.h"
#include "ui/status_text.h"

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

TEST(Opacity, the_slider_shows_10_to_100_percent_over_its_range) {
  struct Case {
    int32_t value, percent;
  } cases[] = {{70, 10}, {71, 10}, {72, 11}, {160, 55}, {249, 99}, {250, 100}};
  for (const Case& c : cases) EXPECT_EQ(opacity_to_percent(c.value), c.percent) << c.value;
}

std::string status_text(int percent, int flag, bool connected) {
  SystemStatus status;
  status.battery_percent = uint8_t(percent);
  status.battery_flag = uint8_t(flag);
  status.connected = connected;
  char text[40];
  format_status_text(status, text, sizeof(text));
  return text;
}

TEST(StatusText, network_symbol_battery_symbol_and_a_three_place_percentage) {
  const std::string wifi = LV_SYMBOL_WIFI " ";
  struct Case {
    const char* name;
    int percent, flag;
    bool connected;
    std::string text;
  } cases[] = {
      {"charging at 5 %", 5, 0x08, true, wifi + LV_SYMBOL_CHARGE "   5%"},
      {"charging whatever the level", 100, 0x09, true, wifi + LV_SYMBOL_CHARGE " 100%"},
      {"95 % not charging", 95, 0x01, true, wifi + LV_SYMBOL_BATTERY_FULL "  95%"},
      {"unknown percentage shows 100", 255, 0x80, true, wifi + LV_SYMBOL_BATTERY_FULL " 100%"},
      {"an unknown flag is not charging", 50, 0xFF, true, wifi + LV_SYMBOL_BATTERY_2 "  50%"},
      {"91 is full", 91, 0x00, true, wifi + LV_SYMBOL_BATTERY_FULL "  91%"},
      {"90 is three quarters", 90, 0x01, true, wifi + LV_SYMBOL_BATTERY_3 "  90%"},
      {"61 is three quarters", 61, 0x01, true, wifi + LV_SYMBOL_BATTERY_3 "  61%"},
      {"60 is half", 60, 0x01, true, wifi + LV_SYMBOL_BATTERY_2 "  60%"},
      {"31 is half", 31, 0x00, true, wifi + LV_SYMBOL_BATTERY_2 "  31%"},
      {"30 is a quarter", 30, 0x00, true, wifi + LV_SYMBOL_BATTERY_1 "  30%"},
      {"11 is a quarter", 11, 0x02, true, wifi + LV_SYMBOL_BATTERY_1 "  11%"},
      {"10 is empty", 10, 0x02, true, wifi + LV_SYMBOL_BATTERY_EMPTY "  10%"},
      {"0 is empty", 0, 0x04, true, wifi + LV_SYMBOL_BATTERY_EMPTY "   0%"},
      {"without Internet a single space", 95, 0x01, false, " " LV_SYMBOL_BATTERY_FULL "  95%"},
      {"without Internet, charging", 5, 0x08, false, " " LV_SYMBOL_CHARGE "   5%"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(status_text(c.percent, c.flag, c.connected), c.text) << c.name;
  }
}

TEST(StatusText, the_clock_shows_hours_and_minutes_in_two_places) {
  struct Case {
    int32_t hour, minute;
    const char* text;
  } cases[] = {{0, 0, "00:00"}, {9, 5, "09:05"}, {12, 30, "12:30"}, {23, 59, "23:59"}};
  for (const Case& c : cases) {
    SystemStatus status;
    status.hour = c.hour;
    status.minute = c.minute;
    char text[16];
    format_clock_text(status, text, sizeof(text));
    EXPECT_STREQ(text, c.text);
  }
}

}  // namespace
