// RGB lighting: the values in force.
#pragma once

#include <atomic>
#include <cstdint>

extern std::atomic<int32_t> rgb_mode;      // "RGBMode": 0 automatic, 1 colour
extern std::atomic<int32_t> rgb_value;     // "RGBValue": 0xRRGGBB
extern std::atomic<int32_t> rgb_strength;  // "RGBStrength": 0..100
