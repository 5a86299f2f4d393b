// Decisions around the display-configuration calls: reading the first
// path's mode, the size handed to Windows, and the wait for the adapter.
#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <thread>

#include "hardware/display_config.h"
#include "hardware/hardware_state.h"

namespace {

TEST(DisplayConfig, reads_long_side_short_side_and_whole_hertz) {
  struct Case {
    RawDisplayMode mode;
    int result;
    int32_t long_side, short_side, refresh;  // starting from 1, 2, 33
  } cases[] = {
      {{1920, 1080, 60, 1}, 1, 1920, 1080, 60},
      {{1080, 1920, 50, 1}, 1, 1920, 1080, 50},
      {{1280, 720, 60000, 1001}, 1, 1280, 720, 60},           // 59.94
      {{1920, 1080, 133050000, 2213670}, 1, 1920, 1080, 60},  // 60.10 from the pixel clock
      {{1920, 1080, 0, 1}, 1, 1920, 1080, 33},  // Wine on bare Xvfb: keep the old rate
      {{1920, 1080, 60, 0}, 1, 1920, 1080, 33},
      {{0, 1080, 60, 1}, 0, 1, 2, 33},  // nothing usable: nothing changes
      {{1920, 0, 60, 1}, 0, 1, 2, 33},
      {{0x80000000u, 1080, 60, 1}, 0, 1, 2, 33},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.mode.width << "x" << c.mode.height << " "
                                    << c.mode.vsync_numerator << "/" << c.mode.vsync_denominator);
    int32_t long_side = 1, short_side = 2, refresh = 33;
    EXPECT_EQ(fold_display_mode(c.mode, &long_side, &short_side, &refresh), c.result);
    EXPECT_EQ(long_side, c.long_side);
    EXPECT_EQ(short_side, c.short_side);
    EXPECT_EQ(refresh, c.refresh);
  }
  EXPECT_EQ(whole_hertz(0xFFFFFFFFu, 1), 0) << "beyond int32_t is unusable";
}

TEST(DisplayConfig, requested_size_follows_the_desktop_orientation) {
  struct Case {
    uint32_t current_w, current_h, a, b, w, h;
  } cases[] = {
      {1920, 1080, 720, 1280, 1280, 720},    // mode list: short, long
      {1920, 1080, 1920, 1080, 1920, 1080},  // gamepad rescue
      {1080, 1920, 720, 1280, 720, 1280},    // portrait desktop
      {1080, 1920, 1920, 1080, 1080, 1920},
  };
  for (const Case& c : cases) {
    uint32_t w = 0, h = 0;
    oriented_size(c.current_w, c.current_h, c.a, c.b, &w, &h);
    EXPECT_EQ(w, c.w);
    EXPECT_EQ(h, c.h);
  }
}

// Wine's SetDisplayConfig answers success and changes nothing: only a fresh
// query showing the requested size (and rate, when one is reported) counts.
TEST(DisplayConfig, a_mode_change_counts_only_when_the_query_shows_it) {
  struct Case {
    RawDisplayMode now;
    uint32_t width, height;
    int32_t refresh;
    bool reached;
  } cases[] = {
      {{1280, 720, 60, 1}, 1280, 720, 60, true},
      {{1920, 1080, 60, 1}, 1280, 720, 60, false},  // unchanged
      {{1280, 720, 60, 1}, 720, 1280, 60, false},   // rotated is not the same source mode
      {{1280, 720, 60, 1}, 1280, 720, 50, false},   // the rate stayed
      {{1920, 1080, 133050000, 2213670}, 1920, 1080, 60, true},  // 60.10 Hz
      {{1280, 720, 0, 1}, 1280, 720, 40, true},    // no rate reported: the size decides
      {{1280, 720, 60, 0}, 1280, 720, 40, true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(display_mode_reached(c.now, c.width, c.height, c.refresh), c.reached)
        << c.now.width << "x" << c.now.height << " asked " << c.width << "x" << c.height << "@"
        << c.refresh;
  }
}

// The wait ends only once both conditions hold; the flags are flipped while
// the waiter is blocked and the test checks it was still blocked before.
TEST(DisplayConfig, waits_while_the_adapter_restarts_or_adlx_is_not_ready) {
  adlx_ready = 0;
  adapter_restarting = 1;
  auto waiter = std::async(std::launch::async, [] { return wait_for_display_adapter(); });
  EXPECT_EQ(waiter.wait_for(std::chrono::milliseconds(1500)), std::future_status::timeout);
  adapter_restarting = 0;
  EXPECT_EQ(waiter.wait_for(std::chrono::milliseconds(1500)), std::future_status::timeout)
      << "ADLX not ready yet";
  adlx_ready = 1;
  ASSERT_EQ(waiter.wait_for(std::chrono::seconds(10)), std::future_status::ready);
  EXPECT_TRUE(waiter.get());
}

// An ADLX start that never completes must not hold a display query (and the
// thread that asked, the toolkit's) for ever.
TEST(DisplayConfig, the_wait_for_the_adapter_gives_up_at_its_deadline) {
  struct Case {
    int32_t restarting, ready;
    bool result;
  } cases[] = {{0, 0, false}, {1, 1, false}, {0, 1, true}};
  for (const Case& c : cases) {
    adapter_restarting = c.restarting;
    adlx_ready = c.ready;
    auto waiter = std::async(std::launch::async, [] { return wait_for_display_adapter(300); });
    ASSERT_EQ(waiter.wait_for(std::chrono::seconds(10)), std::future_status::ready);
    EXPECT_EQ(waiter.get(), c.result);
  }
  adapter_restarting = 0;
  adlx_ready = 1;
}

}  // namespace
