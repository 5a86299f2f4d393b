// Processor and board recognition from the registry names.
#include <gtest/gtest.h>

#include "hardware/device_models.h"

namespace {

TEST(DeviceModels, processor_names_map_to_the_first_matching_model) {
  struct Case {
    const char* name;
    uint32_t model;
  } cases[] = {
      {"AMD Ryzen 7 6800U with Radeon Graphics", 2},
      {"AMD Ryzen 5 6600U with Radeon Graphics", 1},
      {"AMD Athlon Silver 3050e with Radeon Graphics", 3},
      {"AMD Ryzen 3 7320U with Radeon Graphics", 4},
      {"AMD Ryzen 5 6600U / 6800U engineering sample", 2},  // table order, not text order
      {"6800U", 2},
      {"AMD Ryzen 7 6800u with Radeon Graphics", 0},  // names are matched case-sensitively
      {"AMD Athlon Silver 3050E", 0},
      {"AMD Ryzen 7 6800H with Radeon Graphics", 0},
      {"Intel(R) Core(TM) i7-1185G7", 0},
      {"", 0},
      {nullptr, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(cpu_model_from_name(c.name), c.model) << (c.name ? c.name : "(null)");
  }
}

TEST(DeviceModels, board_names_match_either_the_code_name_or_the_product) {
  struct Case {
    const char* name;
    int32_t model;
  } cases[] = {
      {"Harrow", 1},      {"Vexa Crest", 1}, {"Harrow Rev B", 1}, {"Dune", 2},
      {"Vexa Dune", 2},   {"Fathom", 3},     {"Vexa Fathom", 3},  {"Vexa", 0},
      {"Vexa Crater", 0}, {"harrow", 0},     {"VEXA DUNE", 0},    {"", 0},
      {nullptr, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(board_model_from_name(c.name), c.model) << (c.name ? c.name : "(null)");
  }
}

// The power page builds its dials from these: a default outside its own
// range, or bounds for a model the table does not hold, would be shown as is.
TEST(DeviceModels, bounds_hold_their_defaults_and_unknown_models_have_none) {
  for (uint32_t model : {1u, 2u, 3u, 4u}) {
    SCOPED_TRACE(model);
    const CpuBounds& b = cpu_bounds(model);
    EXPECT_GT(b.tdp_min, 0);
    EXPECT_TRUE(b.tdp_min <= b.tdp_default && b.tdp_default <= b.tdp_max);
    EXPECT_GT(b.gpu_min, 0);
    EXPECT_TRUE(b.gpu_min <= b.gpu_default && b.gpu_default <= b.gpu_max);
    EXPECT_NE(b.gpu_command, GPU_CLOCK_NONE);
  }
  EXPECT_EQ(cpu_bounds(3).gpu_command, GPU_CLOCK_MIN_MAX) << "the 3050e takes a min/max window";
  for (uint32_t model : {0u, 5u, 0xFFFFFFFFu}) {
    const CpuBounds& b = cpu_bounds(model);
    EXPECT_EQ(b.tdp_max + b.tdp_min + b.tdp_default + b.gpu_max + b.gpu_min + b.gpu_default, 0);
    EXPECT_EQ(b.gpu_command, GPU_CLOCK_NONE);
  }
}

}  // namespace
