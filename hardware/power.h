// Power limit, processor state, boost and GPU clock: the values in force.
// (gpu_auto lives in hardware_state.h, since the GPU-clock sampling reads it.)
#pragma once

#include <atomic>
#include <cstdint>

extern std::atomic<int32_t> tdp_watts;        // "TDP", W
extern std::atomic<int32_t> cpu_max_percent;  // "CPU", 40..100
extern std::atomic<int32_t> gpu_clock_mhz;    // "GPU", MHz in steps of 50
extern std::atomic<int32_t> boost_on;         // "Boost", 0/1

// Bounds of the processor model in force (0 for an unrecognised processor).
extern std::atomic<int32_t> tdp_min, tdp_max;          // W
extern std::atomic<int32_t> gpu_min_mhz, gpu_max_mhz;  // MHz

// Re-applies the power, fan and lighting state after the system resumed
// from sleep (the firmware forgets it).
void reapply_after_resume();
