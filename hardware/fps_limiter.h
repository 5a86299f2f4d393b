// Frame-rate limit through RTSS's global profile.
#pragma once

#include <atomic>
#include <cstdint>

// The limiter settings in force: "FPSMode" (1 on, 0 off) and "FPSValue" (fps).
extern std::atomic<int32_t> fps_mode;
extern std::atomic<int32_t> fps_value;

// The limit last applied (0 = none), as the limiter page shows it.
extern std::atomic<int32_t> applied_fps_limit;

/**
 * Sets RTSS's global "FramerateLimit" (0 = no limit).
 * @return 1 when applied, 0 when RTSS is not available
 */
int set_rtss_limit(int32_t fps);
