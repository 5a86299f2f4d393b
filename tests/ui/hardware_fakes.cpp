// Stand-ins of the Windows edges: system_locale_win.cpp's user_ui_language,
// display_win.cpp's query_display_mode, set_display_mode and
// build_mode_lists; brightness_volume_win.cpp, system_status_win.cpp and
// the log-on task for the settings screen and status bar; power_win.cpp's
// scheme functions; and the settings store's store_setting and
// store_committed_setting and store_fan_zone (whose two values go through
// store_setting).
#include "tests/ui/hardware_fakes.h"

#include <algorithm>

#include "hardware/brightness_volume.h"
#include "hardware/display.h"
#include "hardware/power.h"
#include "hardware/system_locale.h"
#include "settings/settings_store.h"
#include "settings/storing_rule.h"
#include "ui/panel_state.h"
#include "update/autostart.h"

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

FakeSystem fake_system;

int read_brightness(int32_t* value) {
  ++fake_system.brightness_reads;
  if (!fake_system.brightness_answers) return 0;
  *value = fake_system.brightness;
  return 1;
}

int write_brightness(int32_t value) {
  fake_system.brightness_writes.push_back(value);
  if (fake_system.brightness_refuses_writes || !fake_system.brightness_answers) return 0;
  fake_system.brightness = value;
  return 1;
}

int read_volume(int32_t* value) {
  ++fake_system.volume_reads;
  if (!fake_system.volume_answers) return 0;
  *value = fake_system.volume;
  return 1;
}

int write_volume(int32_t value) {
  fake_system.volume_writes.push_back(value);
  if (fake_system.volume_refuses_writes || !fake_system.volume_answers) return 0;
  fake_system.volume = value;
  return 1;
}

void release_brightness_volume() {}

void read_system_status(SystemStatus* status) { *status = fake_system.status; }
void release_system_status() {}


std::atomic<int32_t> autostart_wanted{1};

int32_t register_autostart_task() {
  fake_system.task_calls.push_back("register");
  return int32_t(0x80004001);
}

int32_t remove_autostart_task() {
  fake_system.task_calls.push_back("remove");
  return int32_t(0x80004001);
}

void use_fake_host_services() {
  host_services.set_window_alpha = [](int32_t alpha) { fake_system.window_alphas.push_back(alpha); };
}

int write_scheme_value(SchemeSetting setting, uint32_t value) {
  if (fake_hardware.scheme_fails) return 0;
  uint32_t* slot = setting == SCHEME_BOOST_MODE ? fake_hardware.scheme_boost : fake_hardware.scheme_cpu;
  slot[0] = slot[1] = value;
  fake_hardware.scheme_writes.push_back((setting == SCHEME_BOOST_MODE ? "boost " : "cpu ") +
                                        std::to_string(value));
  return 1;
}

int read_scheme_value(SchemeSetting setting, uint32_t* ac, uint32_t* dc) {
  ++fake_hardware.scheme_reads;
  if (fake_hardware.scheme_fails) return 0;
  const uint32_t* slot =
      setting == SCHEME_BOOST_MODE ? fake_hardware.scheme_boost : fake_hardware.scheme_cpu;
  *ac = slot[0];
  *dc = slot[1];
  return 1;
}

int store_setting(const char* name, int32_t value) {
  fake_system.stored.emplace_back(name, value);
  fake_hardware.stored[name] = value;
  fake_hardware.store_calls.push_back(std::string(name) + " =" + std::to_string(value));
  return 1;
}

int store_committed_setting(const char* name, int32_t value) {
  fake_system.stored.emplace_back(name, value);
  fake_hardware.stored[name] = value;
  fake_hardware.store_calls.push_back(std::string(name) + " " + std::to_string(value));
  return 1;
}

int store_fan_zone(int zone, int32_t speed, int32_t temperature) {
  if (zone < 1 || zone > 5) return 0;
  fake_hardware.zone_stores++;
  store_setting(("FanZone" + std::to_string(zone) + "Speed").c_str(), speed);
  store_setting(("FanZone" + std::to_string(zone) + "Temp").c_str(), temperature);
  return 1;
}
