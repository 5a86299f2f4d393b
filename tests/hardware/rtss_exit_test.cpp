// The way out: whatever the panel still had queued, the last limit RTSS
// receives from the program is 0. Once ended the worker takes no more
// requests, so this runs in a process of its own.
#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "hardware/fps_limiter.h"
#include "tests/hardware/rtss_requests_fake.h"

namespace {

TEST(RtssExit, the_exit_lets_a_running_change_finish_drops_the_queued_ones_and_sends_0_last) {
  rtss_fake.reset();
  rtss_fake.set_hold(true);
  const int32_t on[] = {45, 45};
  const int32_t slider[] = {30};
  ASSERT_NE(request_rtss_limits(on, 2), 0u);
  ASSERT_TRUE(rtss_fake.wait_for_held_call());  // RTSS being started for the first 45
  ASSERT_NE(request_rtss_limits(slider, 1), 0u);

  uint8_t exit_status = 99;
  std::thread exit_path([&exit_status] { exit_status = end_rtss_requests(); });
  // Once the exit has begun, nothing new is queued.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (request_rtss_limits(slider, 1) != 0u) {
    ASSERT_LT(std::chrono::steady_clock::now(), deadline);
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  rtss_fake.set_hold(false);
  exit_path.join();

  EXPECT_EQ(exit_status, RTSS_DONE);
  EXPECT_EQ(rtss_fake.recorded(), (std::vector<int32_t>{45, 0}));
  EXPECT_EQ(request_rtss_limits(slider, 1), 0u);
}

}  // namespace
