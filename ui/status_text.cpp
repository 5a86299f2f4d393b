#include "ui/status_text.h"

#include <cstdio>

#include "lvgl.h"

namespace {

const char* battery_symbol(uint8_t flag, unsigned percent) {
  // An unknown flag (255) has every bit set; it does not mean charging.
  if (flag != BATTERY_STATE_UNKNOWN && (flag & BATTERY_CHARGING_BIT)) return LV_SYMBOL_CHARGE;
  if (percent > 90) return LV_SYMBOL_BATTERY_FULL;
  if (percent > 60) return LV_SYMBOL_BATTERY_3;
  if (percent > 30) return LV_SYMBOL_BATTERY_2;
  if (percent > 10) return LV_SYMBOL_BATTERY_1;
  return LV_SYMBOL_BATTERY_EMPTY;
}

}  // namespace

void format_clock_text(const SystemStatus& status, char* out, size_t size) {
  std::snprintf(out, size, "%02d:%02d", int(status.hour), int(status.minute));
}

void format_status_text(const SystemStatus& status, char* out, size_t size) {
  const unsigned percent = status.battery_percent > 100 ? 100u : status.battery_percent;
  std::snprintf(out, size, "%s%s %3u%%", status.connected ? LV_SYMBOL_WIFI " " : " ",
                battery_symbol(status.battery_flag, percent), percent);
}
