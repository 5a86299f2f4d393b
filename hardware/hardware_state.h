// Process-wide state of the hardware back ends, shared between the window
// thread, the toolkit thread and the worker threads. Flags and integers are
// std::atomic<int32_t>: same size and meaning as a plain 32-bit value, but
// a write on one thread is seen whole and in order on the others.
#pragma once

#include <atomic>
#include <cstdint>

// Device identification (0 = not recognised).
extern std::atomic<uint32_t> CpuModel;  // 1 "6600U", 2 "6800U", 3 "3050e", 4 "7320U"
extern std::atomic<int32_t> BoardModel; // 1..3 the supported boards

// Readiness flags.
extern std::atomic<int32_t> ec_driver_loaded;   // driver library loaded and initialised
extern std::atomic<int32_t> ec_ready;           // fan and temperature EC traffic allowed
extern std::atomic<int32_t> lighting_ready;     // lighting EC traffic allowed
extern std::atomic<int32_t> adlx_ready;         // an ADLX start attempt has completed
extern std::atomic<int32_t> gpu_found;          // ADLX delivered the first GPU
extern std::atomic<int32_t> adapter_restarting; // display adapter being disabled/enabled
extern std::atomic<int32_t> layout_ready;       // layout applied; read-outs may run

// RyzenAdj handle from init_ryzenadj (opaque; passed on unchanged).
extern void* ryzenadj_handle;

// GPU clock in MHz sampled through ADLX while the GPU clock is automatic.
extern std::atomic<int32_t> live_gpu_clock;
// GPU clock automatic (1) or fixed (0); the "GPUAuto" setting.
extern std::atomic<int32_t> gpu_auto;

// Last colour written to the lighting registers.
extern uint8_t rgb_cache[3];

// Current display mode of the first display path.
extern std::atomic<int32_t> current_long_side;
extern std::atomic<int32_t> current_short_side;
extern std::atomic<int32_t> current_refresh;
