// The lighting's EC writes (see lighting.h). Both run on the toolkit thread;
// the re-apply after a resume and the exit path write lighting registers from
// the window thread. hardware_apply_lock keeps each group of lighting writes
// together, and lighting_ready is looked at before every write, so a group
// that meets the exit stops at once instead of putting a colour back after
// the EC took its lighting over.
#include "hardware/lighting.h"

#include <mutex>

#include "hardware/ec.h"
#include "hardware/hardware_state.h"
#include "hardware/power.h"

std::atomic<uint32_t> rgb_shown_colour{0xFF000000u};

namespace {

// The cache bytes (rgb_cache) count as shown on the EC: at start, where the
// cache is black, and after a send that went through. A send with a failed
// transaction clears it: an EC held by another tool, or one that did not
// answer, must not make the panel believe the colour is shown, or the same
// colour would never be tried again.
bool cache_shown = true;

// One write, unless the exit has taken the lighting back meanwhile.
int write_if_ready(uint8_t reg, uint8_t value) {
  if (!lighting_ready) return 0;
  return ec_write(reg, value);
}

}  // namespace

int send_lighting_colour(uint8_t red, uint8_t green, uint8_t blue) {
  if (BoardModel == 0) return 0;
  std::lock_guard<std::mutex> guard(hardware_apply_lock());
  if (cache_shown && rgb_cache[0] == red && rgb_cache[1] == green && rgb_cache[2] == blue) return 0;
  rgb_cache[0] = red;
  rgb_cache[1] = green;
  rgb_cache[2] = blue;
  cache_shown = false;
  if (!lighting_ready) return 0;
  int done = 0;
  uint8_t control = 0;
  done += ec_read(EC_REG_LIGHT_CONTROL, &control);
  // While the EC shows a colour it takes no new colour bytes until the
  // latch is released.
  const bool latch = control == EC_LIGHT_COLOUR;
  if (latch) done += write_if_ready(EC_REG_LIGHT_CONTROL, EC_LIGHT_CHANGING);
  done += write_if_ready(EC_REG_LIGHT_RED, red);
  done += write_if_ready(EC_REG_LIGHT_GREEN, green);
  done += write_if_ready(EC_REG_LIGHT_BLUE, blue);
  done += write_if_ready(EC_REG_LIGHT_CONTROL, EC_LIGHT_COLOUR);
  cache_shown = done == (latch ? 6 : 5);
  return done;
}

int write_lighting_mode(int32_t mode) {
  if (BoardModel == 0) return 0;
  std::lock_guard<std::mutex> guard(hardware_apply_lock());
  if (mode == LIGHTING_AUTO) return write_if_ready(EC_REG_LIGHT_CONTROL, EC_LIGHT_AUTO);
  int done = write_if_ready(EC_REG_LIGHT_RED, rgb_cache[0]);
  done += write_if_ready(EC_REG_LIGHT_GREEN, rgb_cache[1]);
  done += write_if_ready(EC_REG_LIGHT_BLUE, rgb_cache[2]);
  done += write_if_ready(EC_REG_LIGHT_CONTROL, EC_LIGHT_COLOUR);
  return done;
}
