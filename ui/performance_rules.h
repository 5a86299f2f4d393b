// What the performance page's handlers decide, without widgets: the units of
// the GPU slider, how far an overlay fades, when the processor-state slider
// follows the power scheme and what the GPU-auto switch does.
#pragma once

#include <cstdint>

constexpr int32_t GPU_SLIDER_STEP_MHZ = 50;  // the GPU slider counts in 50 MHz
constexpr int32_t CPU_PERCENT_MIN = 40;      // the processor-state slider's range
constexpr int32_t CPU_PERCENT_MAX = 100;
constexpr int32_t OVERLAY_FADE_MAX = 240;    // recolour opacity at the bottom of a range

struct SliderRange {
  int32_t min, max;
};

/** The GPU slider's range in 50 MHz units (integer division of both bounds). */
SliderRange gpu_slider_range(int32_t min_mhz, int32_t max_mhz);

/** The slider position of a clock: mhz / 50, truncating (the slider clamps). */
int32_t gpu_slider_position(int32_t mhz);

/**
 * How much an overlay is tinted towards the page's background for a value in
 * low..high: 240 at or below low, 0 at or above high, linear between (the
 * toolkit's lv_map rounding). A range with high <= low gives 0 from low on.
 */
int32_t overlay_fade(int32_t value, int32_t low, int32_t high);

/**
 * Whether the processor-state slider takes the scheme's value: only while the
 * user does not hold it, and only when the value it would show (the scheme's,
 * held to 40..100) differs from the one it shows. A scheme value outside the
 * slider's range therefore moves it once, not every tick.
 */
bool cpu_slider_follows_scheme(uint32_t scheme_percent, int32_t shown_percent, bool slider_idle);

enum class GpuAutoStep {
  ASK_FIRST,    // fixed clock and the switch turned on: the reload dialog decides
  FIXED_CLOCK,  // the switch is off: apply the fixed clock again
  AUTOMATIC,    // the switch is on and automatic mode is already in force
};

/** What a value change of the GPU-auto switch means for the mode in force. */
GpuAutoStep gpu_auto_switch_step(int32_t gpu_auto, bool switch_checked);
