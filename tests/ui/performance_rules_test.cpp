// The performance page's decisions without widgets: GPU slider units, how
// far an overlay fades, when the processor slider follows the scheme and
// what the GPU-auto switch means.
#include <gtest/gtest.h>

#include "ui/performance_rules.h"

namespace {

TEST(PerformanceRules, the_gpu_slider_counts_in_50_mhz_and_truncates_between_steps) {
  struct Case {
    int32_t min, max, low, high;
  } ranges[] = {{200, 2200, 4, 44}, {200, 1900, 4, 38}, {200, 1100, 4, 22}, {0, 0, 0, 0}, {225, 1125, 4, 22}};
  for (const auto& c : ranges) {
    SliderRange r = gpu_slider_range(c.min, c.max);
    EXPECT_EQ(r.min, c.low) << c.min;
    EXPECT_EQ(r.max, c.high) << c.max;
  }
  struct Position {
    int32_t mhz, position;
  } positions[] = {{1500, 30}, {1525, 30}, {1549, 30}, {1550, 31}, {49, 0}, {0, 0}, {-75, -1}};
  for (const auto& p : positions) EXPECT_EQ(gpu_slider_position(p.mhz), p.position) << p.mhz;
}

TEST(PerformanceRules, an_overlay_fades_from_240_at_the_bottom_to_0_at_the_top_of_its_range) {
  struct Case {
    int32_t value, low, high, fade;
  } cases[] = {
      {40, 40, 100, 240}, {30, 40, 100, 240}, {100, 40, 100, 0}, {120, 40, 100, 0},
      {70, 40, 100, 120}, {41, 40, 100, 236}, {99, 40, 100, 4},  {1200, 200, 2200, 120},
      {201, 200, 1100, 240}, {1100, 200, 1100, 0},
      // No range at all (unknown processor): nothing is faded.
      {0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(overlay_fade(c.value, c.low, c.high), c.fade) << c.value << " in " << c.low << ".." << c.high;
  }
}

TEST(PerformanceRules, the_processor_slider_follows_the_scheme_only_when_idle_and_different) {
  struct Case {
    uint32_t scheme;
    int32_t shown;
    bool idle, follows;
  } cases[] = {
      {55, 100, true, true},  {100, 100, true, false}, {55, 100, false, false},
      // Out of the slider's range: compared as the slider would show it.
      {30, 40, true, false},  {30, 50, true, true},    {250, 100, true, false},
      {0xFFFFFFFFu, 100, true, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(cpu_slider_follows_scheme(c.scheme, c.shown, c.idle), c.follows)
        << c.scheme << " vs " << c.shown << (c.idle ? " idle" : " held");
  }
}

TEST(PerformanceRules, turning_gpu_auto_on_from_a_fixed_clock_asks_first) {
  struct Case {
    int32_t gpu_auto;
    bool checked;
    GpuAutoStep step;
  } cases[] = {
      {0, true, GpuAutoStep::ASK_FIRST},
      {0, false, GpuAutoStep::FIXED_CLOCK},
      {1, false, GpuAutoStep::FIXED_CLOCK},
      {1, true, GpuAutoStep::AUTOMATIC},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(gpu_auto_switch_step(c.gpu_auto, c.checked), c.step) << c.gpu_auto << c.checked;
  }
}

}  // namespace
