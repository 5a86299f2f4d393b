#include "ui/performance_rules.h"

#include <algorithm>

SliderRange gpu_slider_range(int32_t min_mhz, int32_t max_mhz) {
  return {min_mhz / GPU_SLIDER_STEP_MHZ, max_mhz / GPU_SLIDER_STEP_MHZ};
}

int32_t gpu_slider_position(int32_t mhz) { return mhz / GPU_SLIDER_STEP_MHZ; }

int32_t overlay_fade(int32_t value, int32_t low, int32_t high) {
  if (value <= low) return high > low ? OVERLAY_FADE_MAX : 0;
  if (value >= high) return 0;
  return OVERLAY_FADE_MAX - (OVERLAY_FADE_MAX * (value - low)) / (high - low);
}

bool cpu_slider_follows_scheme(uint32_t scheme_percent, int32_t shown_percent, bool slider_idle) {
  if (!slider_idle) return false;
  int32_t wanted = int32_t(std::min<uint32_t>(std::max<uint32_t>(scheme_percent, CPU_PERCENT_MIN),
                                              CPU_PERCENT_MAX));
  return wanted != shown_percent;
}

GpuAutoStep gpu_auto_switch_step(int32_t gpu_auto, bool switch_checked) {
  if (!switch_checked) return GpuAutoStep::FIXED_CLOCK;
  return gpu_auto == 0 ? GpuAutoStep::ASK_FIRST : GpuAutoStep::AUTOMATIC;
}
