// The portable side of brightness_volume.h: the shown values and the volume
// conversion.
#include "hardware/brightness_volume.h"

std::atomic<int32_t> brightness_percent{-1};
std::atomic<int32_t> volume_percent{-1};

// Out-of-range and NaN scalars (a misbehaving audio driver) end inside
// 0..100 rather than as a value the slider cannot hold.
int32_t volume_scalar_to_percent(float scalar) {
  if (!(scalar > 0.0f)) return 0;
  if (scalar >= 1.0f) return 100;
  return int32_t(scalar * 100.0f + 0.5f);
}
