// The GPU-clock read-out through the ADLX stand-in (amdadlx64.dll beside the
// test): what a sampling step stores, and that every start is undone by its
// stop, also while the sampler runs on another thread.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "hardware/adlx.h"
#include "hardware/hardware_state.h"
#include "tests/backend/sim_logs.h"

namespace {

const int32_t UNTOUCHED = 55;

void set_env(const wchar_t* name, const wchar_t* value) { SetEnvironmentVariableW(name, value); }

class Adlx : public ::testing::Test {
 protected:
  void SetUp() override {
    sim_log_clear(L"adlx.log");
    set_env(L"VEXA_SIM_GPU_CLOCK", nullptr);
    set_env(L"VEXA_SIM_ADLX_GPUS", nullptr);
    set_env(L"VEXA_SIM_ADLX_FAIL", nullptr);
    gpu_auto = 1;
  }
  void TearDown() override { adlx_stop(); }

  // Every ADLXTerminate found nothing alive, and nothing was used after release.
  static void expect_clean_log(int starts) {
    std::vector<std::string> log = sim_log_lines(L"adlx.log");
    EXPECT_EQ(sim_log_count(log, "ADLXInitialize 0x000100000005001e"), starts);
    EXPECT_EQ(sim_log_count(log, "ADLXTerminate "), starts);
    EXPECT_EQ(sim_log_count(log, "ADLXTerminate live 0 misuse 0"), starts);
    EXPECT_EQ(sim_log_count(log, "misuse "), 0);
  }
};

TEST_F(Adlx, a_sampling_step_stores_the_clock_only_in_auto_mode_and_when_available) {
  struct Case {
    const char* what;
    const wchar_t* clock;  // VEXA_SIM_GPU_CLOCK
    const wchar_t* gpus;   // VEXA_SIM_ADLX_GPUS
    int32_t auto_mode;
    bool started;
    int32_t expected;
  } cases[] = {
      {"auto mode", L"1733", nullptr, 1, true, 1733},
      {"default clock", nullptr, nullptr, 1, true, 1600},
      {"fixed clock mode", L"1733", nullptr, 0, true, UNTOUCHED},
      {"clock metric not supported", L"-1", nullptr, 1, true, 0},
      {"no GPU in the list", L"1733", L"0", 1, true, 0},
      {"ADLX stopped", L"1733", nullptr, 1, false, UNTOUCHED},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    set_env(L"VEXA_SIM_GPU_CLOCK", c.clock);
    set_env(L"VEXA_SIM_ADLX_GPUS", c.gpus);
    adlx_start();
    ASSERT_EQ(adlx_ready.load(), 1);
    EXPECT_EQ(gpu_found.load(), c.gpus ? 0 : 1);
    if (!c.started) adlx_stop();
    gpu_auto = c.auto_mode;
    live_gpu_clock = UNTOUCHED;
    adlx_sample_step();
    adlx_sample_step();  // the second step replaces the first one's metrics objects
    EXPECT_EQ(live_gpu_clock.load(), c.expected);
    adlx_stop();
    EXPECT_EQ(adlx_ready.load(), 0);
    EXPECT_EQ(GetModuleHandleW(L"amdadlx64.dll"), nullptr) << "library unloaded";
  }
  expect_clean_log(6);
}

// A start after a failed initialisation must not leave the sampler with a
// GPU whose interfaces the previous stop released.
TEST_F(Adlx, a_restart_that_fails_leaves_no_gpu_behind) {
  adlx_start();
  ASSERT_EQ(gpu_found.load(), 1);
  adlx_stop();
  set_env(L"VEXA_SIM_ADLX_FAIL", L"1");
  adlx_start();
  EXPECT_EQ(adlx_ready.load(), 1) << "display queries must not wait for a failed ADLX";
  EXPECT_EQ(gpu_found.load(), 0);
  live_gpu_clock = UNTOUCHED;
  adlx_sample_step();
  EXPECT_EQ(live_gpu_clock.load(), 0);
  adlx_stop();
  std::vector<std::string> log = sim_log_lines(L"adlx.log");
  EXPECT_EQ(sim_log_count(log, "misuse "), 0);
  EXPECT_EQ(sim_log_count(log, "ADLXTerminate live 0"), 2);
}

TEST_F(Adlx, a_second_start_without_a_stop_releases_the_first_ones_objects) {
  adlx_start();
  adlx_sample_step();
  adlx_start();
  adlx_sample_step();
  EXPECT_EQ(live_gpu_clock.load(), 1600);
  adlx_stop();
  std::vector<std::string> log = sim_log_lines(L"adlx.log");
  EXPECT_EQ(sim_log_count(log, "ADLXTerminate live 0 misuse 0"), 1);
}

// The adapter-restart path stops ADLX on one thread while the worker samples
// on another. The stand-in holds the sampling step inside the runtime and
// says so, and the stop comes exactly then: without the lock around the
// whole step the stop would release what the step goes on to use.
TEST_F(Adlx, a_stop_during_a_sampling_step_waits_for_it_and_nothing_released_is_used) {
  HANDLE inside = CreateEventW(nullptr, TRUE, FALSE, L"VexaSimAdlxSampling");
  ASSERT_NE(inside, nullptr);
  set_env(L"VEXA_SIM_ADLX_HOLD_MS", L"500");
  adlx_start();
  std::thread sampler([] { adlx_sample_step(); });
  ASSERT_EQ(WaitForSingleObject(inside, 10000), WAIT_OBJECT_0) << "the step reached the runtime";
  adlx_stop();
  sampler.join();
  set_env(L"VEXA_SIM_ADLX_HOLD_MS", nullptr);
  CloseHandle(inside);
  EXPECT_EQ(live_gpu_clock.load(), 1600) << "the step finished with the objects it started with";
  expect_clean_log(1);
}

}  // namespace
