#include "tests/ui/performance_fakes.h"

#include "hardware/power.h"
#include "hardware/system_locale.h"
#include "settings/settings_store.h"
#include "settings/storing_rule.h"
#include "ui/screens.h"

PerformanceFakes performance_fakes;

void PerformanceFakes::reset() { *this = PerformanceFakes(); }

lv_obj_t* main_screen = nullptr;
lv_obj_t* display_screen = nullptr;
lv_obj_t* lighting_screen = nullptr;
lv_obj_t* fan_curve_screen = nullptr;
lv_obj_t* update_screen = nullptr;
lv_obj_t* gpu_auto_screen = nullptr;
lv_obj_t* settings_screen = nullptr;
lv_obj_t* incompatible_screen = nullptr;
lv_obj_t* status_title_label = nullptr;
lv_obj_t* status_clock_label = nullptr;
lv_obj_t* status_battery_label = nullptr;

uint16_t user_ui_language() { return 0x0409; }

int write_scheme_value(SchemeSetting setting, uint32_t value) {
  if (performance_fakes.scheme_fails) return 0;
  uint32_t* slot = setting == SCHEME_BOOST_MODE ? performance_fakes.scheme_boost
                                                : performance_fakes.scheme_cpu;
  slot[0] = slot[1] = value;
  performance_fakes.scheme_writes.push_back(
      (setting == SCHEME_BOOST_MODE ? "boost " : "cpu ") + std::to_string(value));
  return 1;
}

int read_scheme_value(SchemeSetting setting, uint32_t* ac, uint32_t* dc) {
  ++performance_fakes.scheme_reads;
  if (performance_fakes.scheme_fails) return 0;
  const uint32_t* slot = setting == SCHEME_BOOST_MODE ? performance_fakes.scheme_boost
                                                      : performance_fakes.scheme_cpu;
  *ac = slot[0];
  *dc = slot[1];
  return 1;
}

int store_setting(const char* name, int32_t value) {
  performance_fakes.stored[name] = value;
  performance_fakes.store_calls.push_back(std::string(name) + " =" + std::to_string(value));
  return 1;
}

int store_committed_setting(const char* name, int32_t value) {
  performance_fakes.stored[name] = value;
  performance_fakes.store_calls.push_back(std::string(name) + " " + std::to_string(value));
  return 1;
}
