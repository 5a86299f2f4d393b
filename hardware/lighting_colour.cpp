// The lighting colour at a strength, and the EC write of a colour with its
// latch (see lighting.h).
#include <algorithm>
#include <mutex>

#include "hardware/ec.h"
#include "hardware/hardware_state.h"
#include "hardware/lighting.h"
#include "hardware/power.h"

namespace {

struct Hsv {
  int32_t hue;         // 0..359
  int32_t saturation;  // 0..100
};

// Hue and saturation of an RGB colour; its brightness is what the strength
// replaces, so it is not kept.
Hsv hue_and_saturation(int32_t r, int32_t g, int32_t b) {
  int32_t max = std::max(r, std::max(g, b));
  int32_t min = std::min(r, std::min(g, b));
  int32_t delta = max - min;
  if (max == 0 || delta == 0) return {0, 0};
  int32_t hue;
  if (max == r) {
    hue = 60 * (g - b) / delta;
  } else if (max == g) {
    hue = 120 + 60 * (b - r) / delta;
  } else {
    hue = 240 + 60 * (r - g) / delta;
  }
  if (hue < 0) hue += 360;
  return {hue % 360, delta * 100 / max};
}

}  // namespace

uint32_t strength_scaled_colour(uint32_t colour, int32_t strength_percent) {
  Hsv hsv = hue_and_saturation(int32_t((colour >> 16) & 0xFF), int32_t((colour >> 8) & 0xFF),
                               int32_t(colour & 0xFF));
  int32_t value = std::min(std::max(strength_percent, 0), 100);
  // The brightest channel at this strength, the dimmest by the saturation,
  // and the third one between them by where the hue lies in its sixth of the
  // circle.
  int32_t top = value * 255 / 100;
  int32_t bottom = top * (100 - hsv.saturation) / 100;
  int32_t sixth = hsv.hue / 60;
  int32_t step = (top - bottom) * (hsv.hue % 60) / 60;
  int32_t rising = bottom + step, falling = top - step;
  int32_t r, g, b;
  switch (sixth) {
    case 0: r = top; g = rising; b = bottom; break;
    case 1: r = falling; g = top; b = bottom; break;
    case 2: r = bottom; g = top; b = rising; break;
    case 3: r = bottom; g = falling; b = top; break;
    case 4: r = rising; g = bottom; b = top; break;
    default: r = top; g = bottom; b = falling; break;
  }
  return uint32_t(r) << 16 | uint32_t(g) << 8 | uint32_t(b);
}

int send_lighting_colour(uint8_t red, uint8_t green, uint8_t blue) {
  if (BoardModel == 0) return 0;
  std::lock_guard<std::mutex> guard(hardware_apply_lock());
  if (rgb_cache[0] == red && rgb_cache[1] == green && rgb_cache[2] == blue) return 0;
  rgb_cache[0] = red;
  rgb_cache[1] = green;
  rgb_cache[2] = blue;
  if (!lighting_ready) return 0;
  int done = 0;
  uint8_t control = 0;
  done += ec_read(EC_REG_LIGHT_CONTROL, &control);
  // While the EC shows a colour it ignores new colour bytes until the latch
  // is released.
  if (control == EC_LIGHT_COLOUR) done += ec_write(EC_REG_LIGHT_CONTROL, EC_LIGHT_CHANGING);
  done += ec_write(EC_REG_LIGHT_RED, red);
  done += ec_write(EC_REG_LIGHT_GREEN, green);
  done += ec_write(EC_REG_LIGHT_BLUE, blue);
  done += ec_write(EC_REG_LIGHT_CONTROL, EC_LIGHT_COLOUR);
  return done;
}
