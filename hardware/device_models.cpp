// Processor and board tables (see device_models.h).
#include "hardware/device_models.h"

#include <cstring>

namespace {

struct CpuEntry {
  const char* marker;
  uint32_t model;
  CpuBounds bounds;
};

// Table order is match order: "6800U" comes before "6600U", so a name that
// carries both reads as the 6800U. The 3050e's clock is pinned through a
// min/max window instead of set_gfx_clk.
const CpuEntry CPU_TABLE[] = {
    {"6800U", 2, {18, 4, 34, 2200, 200, 2200, GPU_CLOCK_SET_GFX_CLK}},
    {"6600U", 1, {18, 4, 34, 1900, 200, 1900, GPU_CLOCK_SET_GFX_CLK}},
    {"3050e", 3, {14, 4, 20, 1000, 200, 1100, GPU_CLOCK_MIN_MAX}},
    {"7320U", 4, {15, 4, 20, 1900, 200, 1900, GPU_CLOCK_SET_GFX_CLK}},
};

const CpuBounds NO_BOUNDS = {0, 0, 0, 0, 0, 0, GPU_CLOCK_NONE};

struct BoardEntry {
  const char* code_name;  // early firmware
  const char* product;    // retail firmware
  int32_t model;
};

const BoardEntry BOARD_TABLE[] = {
    {"Harrow", "Vexa Crest", 1},
    {"Dune", "Vexa Dune", 2},
    {"Fathom", "Vexa Fathom", 3},
};

bool contains(const char* text, const char* part) { return std::strstr(text, part) != nullptr; }

}  // namespace

uint32_t cpu_model_from_name(const char* name) {
  if (!name) return 0;
  for (const CpuEntry& e : CPU_TABLE) {
    if (contains(name, e.marker)) return e.model;
  }
  return 0;
}

int32_t board_model_from_name(const char* name) {
  if (!name) return 0;
  for (const BoardEntry& e : BOARD_TABLE) {
    if (contains(name, e.code_name) || contains(name, e.product)) return e.model;
  }
  return 0;
}

const CpuBounds& cpu_bounds(uint32_t cpu_model) {
  for (const CpuEntry& e : CPU_TABLE) {
    if (e.model == cpu_model) return e.bounds;
  }
  return NO_BOUNDS;
}
