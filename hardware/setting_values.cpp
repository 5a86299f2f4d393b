// The process-wide values of the hardware settings, defined in one place.
#include "hardware/fan.h"
#include "hardware/fps_limiter.h"
#include "hardware/lighting.h"
#include "hardware/power.h"

std::atomic<int32_t> tdp_watts{0};
std::atomic<int32_t> cpu_max_percent{100};
std::atomic<int32_t> gpu_clock_mhz{0};
std::atomic<int32_t> boost_on{1};
std::atomic<int32_t> tdp_min{0}, tdp_max{0};
std::atomic<int32_t> gpu_min_mhz{0}, gpu_max_mhz{0};
std::atomic<int32_t> fan_mode{1};
std::atomic<int32_t> fan_speed{20};
FanZoneValue fan_zones[5] = {{1, 0, 0}, {2, 0, 0}, {3, 0, 0}, {4, 0, 0}, {5, 0, 0}};
std::atomic<int32_t> rgb_mode{0};
std::atomic<int32_t> rgb_value{0};
std::atomic<int32_t> rgb_strength{100};
std::atomic<int32_t> fps_mode{0};
std::atomic<int32_t> fps_value{60};
