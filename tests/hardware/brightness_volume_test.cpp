// The master volume's scalar as the percentage the volume slider shows.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "hardware/brightness_volume.h"

namespace {

TEST(VolumePercent, every_percentage_written_reads_back_as_itself) {
  for (int32_t percent = 0; percent <= 100; ++percent) {
    EXPECT_EQ(volume_scalar_to_percent(float(percent) / 100.0f), percent) << percent;
  }
}

TEST(VolumePercent, other_scalars_round_to_the_nearest_percent_within_0_to_100) {
  struct Case {
    float scalar;
    int32_t percent;
  } cases[] = {
      {0.004f, 0},   {0.006f, 1},    {0.534f, 53},   {0.536f, 54},  {0.999f, 100},
      {1.0f, 100},   {1.5f, 100},    {-0.2f, 0},     {std::numeric_limits<float>::quiet_NaN(), 0},
      {std::numeric_limits<float>::infinity(), 100},
  };
  for (const Case& c : cases) EXPECT_EQ(volume_scalar_to_percent(c.scalar), c.percent) << c.scalar;
}

}  // namespace
