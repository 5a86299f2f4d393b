// Frame-rate limiter (see fps_limiter.h).
#include "hardware/fps_limiter.h"

std::atomic<int32_t> applied_fps_limit{0};

// Placeholder until the RTSS binding lands: does nothing and reports "not available".
int set_rtss_limit(int32_t) { return 0; }
