// The fan's duty encoding (see fan.h).
#include "hardware/fan.h"

uint8_t manual_fan_duty(int32_t percent) {
  if (percent <= 19) return 25;
  if (percent >= 100) return 128;
  return uint8_t(percent * 128 / 100);
}
