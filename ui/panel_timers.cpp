#include "ui/panel_timers.h"

#include "lvgl.h"
#include "ui/display_refresh.h"
#include "ui/pages/performance_page.h"

namespace {

// Jobs whose subsystems come later keep their timer and its period already,
// so the order and cadence of the panel's timers do not change when they
// arrive: the status-bar clock and battery, the processor state, brightness
// and volume read-back, the temperature and fan read-out, the live GPU clock,
// the update dialog, and foreground-application profile switching.
void clock_tick(lv_timer_t*) {}
void power_sync_tick(lv_timer_t*) { performance_sync_tick(); }
void fan_readout_tick(lv_timer_t*) {}
void gpu_clock_timer(lv_timer_t*) { gpu_clock_display_tick(); }
void update_dialog_tick(lv_timer_t*) {}
void profile_tick(lv_timer_t*) {}

void display_tick(lv_timer_t*) { display_refresh_tick(); }

}  // namespace

void create_panel_timers() {
  lv_timer_create(clock_tick, 1000, nullptr);
  lv_timer_create(power_sync_tick, 100, nullptr);
  lv_timer_create(fan_readout_tick, 1000, nullptr);
  lv_timer_create(display_tick, 100, nullptr);
  lv_timer_create(gpu_clock_timer, 1000, nullptr);
  lv_timer_create(update_dialog_tick, 100, nullptr);
  lv_timer_create(profile_tick, 500, nullptr);
}
