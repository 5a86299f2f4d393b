// What the power controls and the resume path hand to the SMU and the EC:
// the three limits in milliwatts and in order, the GPU clock per processor,
// the fan and lighting after a resume, and the re-apply on a change of the
// power source, once per real change.
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "hardware/fan.h"
#include "hardware/hardware_state.h"
#include "hardware/lighting.h"
#include "hardware/power.h"
#include "tests/power/power_fakes.h"

namespace {

using Trace = std::vector<std::string>;

int handle_dummy;

// A supported 6800U device with the EC and lighting ready; each test changes
// what it is about.
class Power : public ::testing::Test {
 protected:
  void SetUp() override {
    power_fakes.reset();
    CpuModel = 2;
    BoardModel = 1;
    ryzenadj_handle = &handle_dummy;
    ec_ready = 1;
    lighting_ready = 1;
    tdp_watts = 18;
    gpu_clock_mhz = 2200;
    gpu_auto = 0;
    fan_mode = 1;
    fan_speed = 20;
    rgb_mode = 0;
    rgb_value = 0;
    rgb_strength = 100;
    rgb_shown_colour = 0xFF000000u;
    rgb_cache[0] = rgb_cache[1] = rgb_cache[2] = 0;
  }
  void TearDown() override { ryzenadj_handle = nullptr; }
};

TEST_F(Power, the_power_limit_goes_out_as_stapm_slow_and_fast_in_milliwatts_within_the_processor_bounds) {
  struct Case {
    uint32_t cpu;
    int32_t watts;
    Trace expected;
  } cases[] = {
      {2, 25, {"stapm 25000", "slow 25000", "fast 25000"}},
      {1, 34, {"stapm 34000", "slow 34000", "fast 34000"}},
      {3, 4, {"stapm 4000", "slow 4000", "fast 4000"}},
      {4, 20, {"stapm 20000", "slow 20000", "fast 20000"}},
      // Values that never come from the arc are held to the processor's range:
      // a negative count would otherwise wrap into a limit of gigawatts.
      {2, -5, {"stapm 4000", "slow 4000", "fast 4000"}},
      {3, 30, {"stapm 20000", "slow 20000", "fast 20000"}},
      {0, 25, {}},  // unknown processor: RyzenAdj is never called
  };
  for (const Case& c : cases) {
    power_fakes.reset();
    CpuModel = c.cpu;
    tdp_watts = c.watts;
    apply_power_limit();
    EXPECT_EQ(power_fakes.trace, c.expected) << "model " << c.cpu << ", " << c.watts << " W";
  }
}

TEST_F(Power, the_gpu_clock_is_one_command_or_a_window_from_100_mhz_on_a_3050e) {
  struct Case {
    uint32_t cpu;
    int32_t mhz;
    Trace expected;
  } cases[] = {
      {2, 1500, {"gfx 1500"}},
      {1, 1900, {"gfx 1900"}},
      {4, 200, {"gfx 200"}},
      {3, 900, {"min_gfx 100", "max_gfx 900"}},
      {3, 5000, {"min_gfx 100", "max_gfx 1100"}},
      {2, 0, {"gfx 200"}},
      {0, 1500, {}},
  };
  for (const Case& c : cases) {
    power_fakes.reset();
    CpuModel = c.cpu;
    gpu_clock_mhz = c.mhz;
    EXPECT_EQ(apply_gpu_clock(), 1);
    EXPECT_EQ(power_fakes.trace, c.expected) << "model " << c.cpu << ", " << c.mhz << " MHz";
  }
}

TEST_F(Power, without_a_ryzenadj_handle_nothing_reaches_the_library) {
  ryzenadj_handle = nullptr;
  apply_power_limit();
  apply_gpu_clock();
  EXPECT_TRUE(power_fakes.trace.empty());
}

TEST_F(Power, a_resume_puts_back_limit_clock_fan_and_lighting_as_the_settings_hold_them) {
  struct Case {
    const char* what;
    uint32_t cpu;
    int32_t board, auto_clock, ec, lighting, fan, speed, light_mode;
    Trace expected;
  } cases[] = {
      {"fixed clock, manual fan at 50 %, EC lighting", 2, 1, 0, 1, 1, 0, 50, 0,
       {"stapm 18000", "slow 18000", "fast 18000", "gfx 2200", "ec 0x10=0", "ec 0x11=64",
        "ec 0xB3=0"}},
      {"automatic clock is left alone", 2, 1, 1, 1, 1, 1, 20, 0,
       {"stapm 18000", "slow 18000", "fast 18000", "ec 0x10=1", "ec 0x11=25", "ec 0xB3=0"}},
      {"a 3050e gets its clock window", 3, 2, 0, 1, 1, 2, 100, 0,
       {"stapm 18000", "slow 18000", "fast 18000", "min_gfx 100", "max_gfx 1100",
        "ec 0x10=2", "ec 0x11=128", "ec 0xB3=0"}},
      {"unknown board: no EC at all", 2, 0, 0, 1, 1, 0, 50, 0,
       {"stapm 18000", "slow 18000", "fast 18000", "gfx 2200"}},
      {"EC not ready: no fan writes", 2, 1, 1, 0, 1, 0, 50, 0,
       {"stapm 18000", "slow 18000", "fast 18000", "ec 0xB3=0"}},
      {"unknown processor: EC only", 0, 1, 0, 1, 1, 0, 50, 0,
       {"ec 0x10=0", "ec 0x11=64", "ec 0xB3=0"}},
  };
  for (const Case& c : cases) {
    SetUp();
    CpuModel = c.cpu;
    BoardModel = c.board;
    gpu_auto = c.auto_clock;
    ec_ready = c.ec;
    lighting_ready = c.lighting;
    fan_mode = c.fan;
    fan_speed = c.speed;
    rgb_mode = c.light_mode;
    reapply_after_resume();
    EXPECT_EQ(power_fakes.trace, c.expected) << c.what;
  }
}

TEST_F(Power, a_resume_in_colour_mode_rewrites_the_last_colour_then_the_one_for_the_strength) {
  fan_mode = 1;
  rgb_mode = 1;
  rgb_value = int32_t(0xFFFF0000u);  // red, stored with its alpha byte
  rgb_strength = 50;
  rgb_shown_colour = 0xFF7F0000u;  // what the panel worked out for red at 50 %
  reapply_after_resume();
  Trace expected = {"stapm 18000", "slow 18000", "fast 18000", "gfx 2200", "ec 0x10=1",
                    "ec 0x11=25",
                    // the cache (nothing sent yet since the start) ...
                    "ec 0xB0=0", "ec 0xB1=0", "ec 0xB2=0", "ec 0xB3=170",
                    // ... then red at half strength, releasing the latch first
                    "ec read 0xB3", "ec 0xB3=85", "ec 0xB0=127", "ec 0xB1=0", "ec 0xB2=0",
                    "ec 0xB3=170"};
  EXPECT_EQ(power_fakes.trace, expected);

  // The next resume finds the cache current: the colour goes out once.
  power_fakes.reset();
  reapply_after_resume();
  EXPECT_EQ(power_fakes.lines("ec 0xB").size(), 4u);
  EXPECT_EQ(power_fakes.lines("ec 0xB0").front(), "ec 0xB0=127");
}

TEST_F(Power, the_limits_follow_a_change_of_the_power_source_once_and_not_battery_broadcasts) {
  struct Case {
    const char* what;
    uint8_t at_start;
    std::vector<uint8_t> broadcasts;
    size_t applies;
  } cases[] = {
      {"percentage broadcasts on mains", 1, {1, 1, 1}, 0},
      {"unplugged, then percentage broadcasts", 1, {0, 0, 0}, 1},
      {"unplugged and plugged in again", 1, {0, 0, 1, 1}, 2},
      {"plugged in on battery start", 0, {1}, 1},
      {"an unknown status is no change", 1, {255, 1, 255}, 0},
      {"a change seen through an unknown status", 1, {255, 0}, 1},
      {"unknown at start: the first known status applies once", 255, {1, 1}, 1},
  };
  for (const Case& c : cases) {
    power_fakes.reset();
    power_fakes.ac_line = {c.at_start};
    remember_power_source();
    for (uint8_t status : c.broadcasts) {
      power_fakes.ac_line.push_back(status);
      reapply_after_power_status_change();
    }
    EXPECT_EQ(power_fakes.lines("stapm").size(), c.applies) << c.what;
    EXPECT_EQ(power_fakes.lines("fast").size(), c.applies) << c.what;
  }
}

TEST_F(Power, a_resume_counts_as_applying_on_the_source_it_woke_up_on) {
  power_fakes.ac_line = {1, 0, 0};  // start on mains, wake up on battery
  remember_power_source();
  reapply_after_resume();
  reapply_after_power_status_change();  // the broadcast of the same change
  EXPECT_EQ(power_fakes.lines("stapm").size(), 1u);
}

TEST_F(Power, limits_applied_from_two_threads_never_interleave) {
  power_fakes.slow_calls = true;
  auto run = [](int32_t watts) {
    for (int i = 0; i < 200; ++i) {
      tdp_watts = watts;
      apply_power_limit();
    }
  };
  // Both threads write tdp_watts; each triple must still carry one value.
  std::thread a(run, 10), b(run, 30);
  a.join();
  b.join();
  Trace& t = power_fakes.trace;
  ASSERT_EQ(t.size(), 1200u);
  for (size_t i = 0; i < t.size(); i += 3) {
    std::string value = t[i].substr(t[i].find(' '));
    EXPECT_EQ(t[i], "stapm" + value);
    EXPECT_EQ(t[i + 1], "slow" + value) << "at call " << i;
    EXPECT_EQ(t[i + 2], "fast" + value) << "at call " << i;
  }
}

TEST_F(Power, the_display_restart_for_the_automatic_clock_stops_adlx_around_the_adapter) {
  for (int adapters : {1, 0}) {
    power_fakes.reset();
    power_fakes.adapters = adapters;
    restart_display_for_automatic_clock();
    Trace expected = {"adlx stop restarting=1", "adapter restart " + std::to_string(adapters),
                      "adlx start restarting=1"};
    EXPECT_EQ(power_fakes.trace, expected);
    EXPECT_EQ(adapter_restarting.load(), 0);
  }
}

TEST(PowerDecisions, boost_counts_as_on_only_when_ac_and_dc_are_both_enabled) {
  struct Case {
    uint32_t ac, dc;
    int32_t on;
  } cases[] = {{1, 1, 1}, {0, 0, 0}, {2, 2, 0}, {1, 2, 0}, {2, 1, 0}, {1, 0, 0}, {4, 4, 0}};
  for (const Case& c : cases) EXPECT_EQ(boost_from_scheme(c.ac, c.dc), c.on) << c.ac << "/" << c.dc;
}

TEST(PowerDecisions, a_fixed_fan_speed_becomes_a_duty_that_never_stalls_the_fan) {
  struct Case {
    int32_t percent;
    uint8_t duty;
  } cases[] = {{-10, 25}, {0, 25}, {19, 25}, {20, 25}, {50, 64}, {99, 126}, {100, 128}, {250, 128}};
  for (const Case& c : cases) EXPECT_EQ(manual_fan_duty(c.percent), c.duty) << c.percent << " %";
}

TEST_F(Power, a_lighting_colour_is_sent_once_with_its_latch_only_when_the_ec_shows_one) {
  struct Case {
    const char* what;
    int32_t board, ready;
    uint8_t control;  // what 0xB3 reads before
    bool ec_works;
    int sent;
    Trace expected;
    bool sent_again;  // the same colour once more
  } cases[] = {
      {"EC lighting before", 1, 1, 0x00, true, 5,
       {"ec read 0xB3", "ec 0xB0=1", "ec 0xB1=2", "ec 0xB2=3", "ec 0xB3=170"}, false},
      {"a colour shown before", 1, 1, 0xAA, true, 6,
       {"ec read 0xB3", "ec 0xB3=85", "ec 0xB0=1", "ec 0xB1=2", "ec 0xB2=3", "ec 0xB3=170"},
       false},
      // A colour the EC never took is not taken as shown: it goes again.
      {"EC not answering", 1, 1, 0xAA, false, 0,
       {"ec read 0xB3", "ec 0xB0=1", "ec 0xB1=2", "ec 0xB2=3", "ec 0xB3=170"}, true},
      {"lighting not ready", 1, 0, 0x00, true, 0, {}, false},
      {"unknown board", 0, 1, 0x00, true, 0, {}, false},
  };
  for (const Case& c : cases) {
    SetUp();
    BoardModel = c.board;
    lighting_ready = c.ready;
    power_fakes.ec[0xB3] = c.control;
    power_fakes.ec_works = c.ec_works;
    EXPECT_EQ(send_lighting_colour(1, 2, 3), c.sent) << c.what;
    EXPECT_EQ(power_fakes.trace, c.expected) << c.what;
    // The same colour again is sent only when the EC did not take it.
    power_fakes.trace.clear();
    EXPECT_EQ(send_lighting_colour(1, 2, 3), 0) << c.what;
    EXPECT_EQ(power_fakes.trace.empty(), !c.sent_again) << c.what;
  }
}

}  // namespace
