#include "hardware/hardware_state.h"

std::atomic<uint32_t> CpuModel{0};
std::atomic<int32_t> BoardModel{0};
std::atomic<int32_t> ec_driver_loaded{0};
std::atomic<int32_t> ec_ready{0};
std::atomic<int32_t> lighting_ready{0};
std::atomic<int32_t> adlx_ready{0};
std::atomic<int32_t> gpu_found{0};
std::atomic<int32_t> adapter_restarting{0};
std::atomic<int32_t> layout_ready{0};
void* ryzenadj_handle = nullptr;
std::atomic<int32_t> live_gpu_clock{0};
std::atomic<int32_t> gpu_auto{1};
uint8_t rgb_cache[3] = {0, 0, 0};
std::atomic<int32_t> current_long_side{0};
std::atomic<int32_t> current_short_side{0};
std::atomic<int32_t> current_refresh{0};
