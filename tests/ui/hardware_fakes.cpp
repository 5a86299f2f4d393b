// Stand-ins of the Windows edges: system_locale_win.cpp's user_ui_language,
// display_win.cpp's query_display_mode, set_display_mode and
// build_mode_lists, and the settings store's writes. The EC is the simulated
// one of tests/support/simulated_ec.h.
#include "tests/ui/hardware_fakes.h"

#include <algorithm>

#include "hardware/display.h"
#include "hardware/system_locale.h"
#include "settings/settings_store.h"
#include "settings/storing_rule.h"

FakeHardware fake_hardware;

uint16_t user_ui_language() { return fake_hardware.ui_language; }

int query_display_mode(int32_t* long_side, int32_t* short_side, int32_t* refresh) {
  *long_side = int32_t(std::max(fake_hardware.desktop_width, fake_hardware.desktop_height));
  *short_side = int32_t(std::min(fake_hardware.desktop_width, fake_hardware.desktop_height));
  // As on a bare X server under Wine: a rate of 0 is no answer and leaves
  // the caller's value.
  if (fake_hardware.desktop_refresh > 0) *refresh = fake_hardware.desktop_refresh;
  return 1;
}

// Keeps the desktop landscape whichever order the sides come in, as the real
// one keeps the desktop's orientation.
int set_display_mode(int32_t width, int32_t height, int32_t refresh) {
  fake_hardware.mode_calls.push_back({width, height, refresh});
  if (fake_hardware.refuse_mode_changes) return 0;
  fake_hardware.desktop_width = uint32_t(std::max(width, height));
  fake_hardware.desktop_height = uint32_t(std::min(width, height));
  fake_hardware.desktop_refresh = refresh;
  return 1;
}

int build_mode_lists() {
  fill_mode_lists(fake_hardware.enumerated_modes, &mode_list_16_9, &mode_list_4_3);
  return int(mode_list_4_3.size());
}

int store_committed_setting(const char* name, int32_t value) {
  fake_hardware.stored[name] = value;
  return 1;
}

int store_fan_zone(int zone, int32_t speed, int32_t temperature) {
  if (zone < 1 || zone > 5) return 0;
  fake_hardware.zone_stores++;
  fake_hardware.stored["FanZone" + std::to_string(zone) + "Speed"] = speed;
  fake_hardware.stored["FanZone" + std::to_string(zone) + "Temp"] = temperature;
  return 1;
}
