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
      {"Harrow", 1},          {"Vexa Crest", 1},  {"Harrow Rev B", 1},
      {"Dune", 2},            {"Vexa Dune", 2},   {"Fathom", 3},
      {"Vexa Fathom", 3},     {"Vexa", 0},        {"Vexa Crater", 0},
      {"harrow", 0},          {"VEXA DUNE", 0},   {"", 0},
      {nullptr, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(board_model_from_name(c.name), c.model) << (c.name ? c.name : "(null)");
  }
}

TEST(DeviceModels, each_processor_has_its_power_and_gpu_clock_bounds) {
  struct Case {
    uint32_t model;
    CpuBounds bounds;
  } cases[] = {
      {1, {18, 4, 34, 1900, 200, 1900, GPU_CLOCK_SET_GFX_CLK}},
      {2, {18, 4, 34, 2200, 200, 2200, GPU_CLOCK_SET_GFX_CLK}},
      {3, {14, 4, 20, 1000, 200, 1100, GPU_CLOCK_MIN_MAX}},
      {4, {15, 4, 20, 1900, 200, 1900, GPU_CLOCK_SET_GFX_CLK}},
      {0, {0, 0, 0, 0, 0, 0, GPU_CLOCK_NONE}},
      {5, {0, 0, 0, 0, 0, 0, GPU_CLOCK_NONE}},
      {0xFFFFFFFF, {0, 0, 0, 0, 0, 0, GPU_CLOCK_NONE}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.model);
    const CpuBounds& b = cpu_bounds(c.model);
    EXPECT_EQ(b.tdp_default, c.bounds.tdp_default);
    EXPECT_EQ(b.tdp_min, c.bounds.tdp_min);
    EXPECT_EQ(b.tdp_max, c.bounds.tdp_max);
    EXPECT_EQ(b.gpu_default, c.bounds.gpu_default);
    EXPECT_EQ(b.gpu_min, c.bounds.gpu_min);
    EXPECT_EQ(b.gpu_max, c.bounds.gpu_max);
    EXPECT_EQ(b.gpu_command, c.bounds.gpu_command);
  }
}

}  // namespace
