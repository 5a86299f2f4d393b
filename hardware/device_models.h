// Which processor and which board the program runs on, and what follows from
// the processor: the TDP and GPU-clock bounds the power controls offer and the
// RyzenAdj command that sets the GPU clock. Portable: plain string matching.
#pragma once

#include <cstdint>

// How a fixed GPU clock is applied on a processor.
enum GpuClockCommand {
  GPU_CLOCK_NONE = 0,         // no RyzenAdj on an unrecognised processor
  GPU_CLOCK_SET_GFX_CLK = 1,  // set_gfx_clk(MHz)
  GPU_CLOCK_MIN_MAX = 2,      // set_min_gfxclk_freq(100), then set_max_gfxclk_freq(MHz)
};

struct CpuBounds {
  int32_t tdp_default, tdp_min, tdp_max;  // W
  int32_t gpu_default, gpu_min, gpu_max;  // MHz
  GpuClockCommand gpu_command;
};

/**
 * CpuModel for a ProcessorNameString: 2 "6800U", 1 "6600U", 3 "3050e",
 * 4 "7320U", tested in that order (the first substring found wins), else 0.
 * Matching is exact and case-sensitive, as the firmware spells the names.
 * @param name NUL-terminated, may be nullptr (then 0)
 */
uint32_t cpu_model_from_name(const char* name);

/**
 * BoardModel for a BaseBoardProduct: 1 "Harrow"/"Vexa Crest", 2 "Dune"/
 * "Vexa Dune", 3 "Fathom"/"Vexa Fathom" (either substring), else 0.
 * @param name NUL-terminated, may be nullptr (then 0)
 */
int32_t board_model_from_name(const char* name);

/**
 * Bounds of a CpuModel; every value 0 and GPU_CLOCK_NONE for 0 or any number
 * outside the table, so a caller never indexes past it.
 */
const CpuBounds& cpu_bounds(uint32_t cpu_model);
