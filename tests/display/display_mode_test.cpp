// The first display path's mode under Wine on the harness's 1920 x 1080
// Xvfb. Wine reports the source mode; on a bare X server its target vSync
// is 0/1, which must not become a refresh of 0.
#include <gtest/gtest.h>

#include <chrono>
#include <future>

#include "hardware/display.h"
#include "hardware/hardware_state.h"

namespace {

class DisplayMode : public testing::Test {
 protected:
  void SetUp() override {
    adapter_restarting = 0;
    adlx_ready = 1;  // as after start-up; otherwise every query waits
  }
};

TEST_F(DisplayMode, query_reports_the_desktop_size_and_a_usable_rate) {
  int32_t long_side = -1, short_side = -1, refresh = 777;
  ASSERT_EQ(query_display_mode(&long_side, &short_side, &refresh), 1);
  EXPECT_EQ(long_side, 1920);
  EXPECT_EQ(short_side, 1080);
  // Either a real rate or, for Wine's 0/1, the value the caller had.
  EXPECT_TRUE(refresh == 777 || (refresh >= 24 && refresh <= 500)) << refresh;
}

TEST_F(DisplayMode, set_refuses_sizes_that_are_not_positive) {
  const int32_t bad[][3] = {{0, 1920, 60}, {1080, -1, 60}, {1080, 1920, 0}};
  for (const auto& mode : bad) EXPECT_EQ(set_display_mode(mode[0], mode[1], mode[2]), 0);
  // The mode in force counts as reached, in either order of the sides.
  EXPECT_EQ(set_display_mode(1080, 1920, 60), 1);
  int32_t long_side = 0, short_side = 0, refresh = 0;
  EXPECT_EQ(query_display_mode(&long_side, &short_side, &refresh), 1);
  EXPECT_EQ(long_side, 1920);
}

// Wine's SetDisplayConfig answers success and changes nothing, and a bare X
// server refuses ChangeDisplaySettingsExW too: the switch must report the
// failure instead of the configuration call's success.
TEST_F(DisplayMode, set_reports_a_mode_that_did_not_take_effect) {
  EXPECT_EQ(set_display_mode(720, 1280, 60), 0);
  int32_t long_side = 0, short_side = 0, refresh = 0;
  ASSERT_EQ(query_display_mode(&long_side, &short_side, &refresh), 1);
  EXPECT_EQ(long_side, 1920);
  EXPECT_EQ(short_side, 1080);
}

// A query from another thread during an adapter restart holds back until
// the restart is over.
TEST_F(DisplayMode, query_waits_for_the_adapter_restart_to_end) {
  adapter_restarting = 1;
  auto query = std::async(std::launch::async, [] {
    int32_t long_side = 0, short_side = 0, refresh = 0;
    return query_display_mode(&long_side, &short_side, &refresh);
  });
  EXPECT_EQ(query.wait_for(std::chrono::milliseconds(2500)), std::future_status::timeout);
  adapter_restarting = 0;
  ASSERT_EQ(query.wait_for(std::chrono::seconds(10)), std::future_status::ready);
  EXPECT_EQ(query.get(), 1);
}

}  // namespace
