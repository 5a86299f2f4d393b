// Decisions around the display-configuration calls (see display_config.h).
#include "hardware/display_config.h"

#include <chrono>
#include <cstdint>
#include <thread>

#include "hardware/hardware_state.h"

bool wait_for_display_adapter(uint32_t deadline_ms) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(deadline_ms);
  while (adapter_restarting.load() != 0 || adlx_ready.load() == 0) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(DISPLAY_ADAPTER_POLL_MS));
  }
  return true;
}

int32_t whole_hertz(uint32_t numerator, uint32_t denominator) {
  if (numerator == 0 || denominator == 0) return 0;
  const uint64_t hertz = (uint64_t(numerator) + denominator / 2) / denominator;
  return hertz > uint64_t(INT32_MAX) ? 0 : int32_t(hertz);
}

int fold_display_mode(const RawDisplayMode& mode, int32_t* long_side, int32_t* short_side,
                      int32_t* refresh) {
  if (mode.width == 0 || mode.height == 0) return 0;
  if (mode.width > uint32_t(INT32_MAX) || mode.height > uint32_t(INT32_MAX)) return 0;
  const bool landscape = mode.width >= mode.height;
  *long_side = int32_t(landscape ? mode.width : mode.height);
  *short_side = int32_t(landscape ? mode.height : mode.width);
  const int32_t hertz = whole_hertz(mode.vsync_numerator, mode.vsync_denominator);
  if (hertz != 0) *refresh = hertz;
  return 1;
}

void oriented_size(uint32_t current_width, uint32_t current_height, uint32_t a, uint32_t b,
                   uint32_t* width, uint32_t* height) {
  const uint32_t longer = a >= b ? a : b;
  const uint32_t shorter = a >= b ? b : a;
  const bool landscape = current_width >= current_height;
  *width = landscape ? longer : shorter;
  *height = landscape ? shorter : longer;
}

bool display_mode_reached(const RawDisplayMode& now, uint32_t width, uint32_t height,
                          int32_t refresh) {
  if (now.width != width || now.height != height) return false;
  const int32_t hertz = whole_hertz(now.vsync_numerator, now.vsync_denominator);
  return hertz == 0 || hertz == refresh;
}
