// ADLX when the runtime is missing or lacks one of its six exports: no GPU,
// a read-out of 0, and adlx_ready still set so display queries go on.
#include <gtest/gtest.h>

#include "hardware/adlx.h"
#include "hardware/hardware_state.h"
#include "tests/backend/sim_logs.h"

namespace {

TEST(AdlxUnusable, start_completes_without_a_gpu_and_the_read_out_is_0) {
  sim_log_clear(L"adlx.log");
  adlx_start();
  EXPECT_EQ(adlx_ready.load(), 1) << "display queries would wait forever";
  EXPECT_EQ(gpu_found.load(), 0);
  gpu_auto = 1;
  live_gpu_clock = 1234;
  adlx_sample_step();
  EXPECT_EQ(live_gpu_clock.load(), 0);
  adlx_stop();
  EXPECT_EQ(GetModuleHandleW(L"amdadlx64.dll"), nullptr) << "a partial library is unloaded too";
  EXPECT_TRUE(sim_log_lines(L"adlx.log").empty()) << "a partial library is never initialised";
}

}  // namespace
