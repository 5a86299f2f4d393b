// The panel's seven periodic timers, in their fixed order and period. Each
// timer runs the ticks of the pages that belong to it: a page's tick lives
// in the page's own file and is called from its timer below. A timer whose
// pages are still to come runs empty, so the order and cadence of the
// panel's timers do not change when they arrive.
#include "ui/panel_timers.h"

#include "lvgl.h"
#include "ui/display_refresh.h"
#include "ui/pages/fan_page.h"
#include "ui/pages/settings_screen.h"
#include "ui/pages/status_bar.h"
#include "ui/pages/performance_page.h"

namespace {

// 1000 ms: the status bar's clock and battery (status_bar.cpp).
void clock_timer(lv_timer_t*) { status_bar_tick(); }

// 100 ms: maximum processor state, brightness and volume read back from the
// system (performance page, settings screen's quick sliders).
void power_sync_timer(lv_timer_t*) {
  performance_sync_tick();
  quick_sliders_sync_tick();
}

// 1000 ms: temperature and fan read-out (fan panel, fan-curve screen).
void fan_readout_timer(lv_timer_t*) { fan_readout_tick(); }

// 100 ms: the re-layout after a display change, which also rewrites the
// display page's current-mode labels.
void display_refresh_timer(lv_timer_t*) { display_refresh_tick(); }

// 1000 ms: the live GPU clock while the clock is automatic (performance page).
void gpu_clock_display_timer(lv_timer_t*) { gpu_clock_display_tick(); }

// 100 ms: the update dialog (update screen).
void update_dialog_timer(lv_timer_t*) {}

// 500 ms: foreground application tracking and profile switching
// (application-profile panel).
void profile_timer(lv_timer_t*) {}

}  // namespace

void create_panel_timers() {
  lv_timer_create(clock_timer, 1000, nullptr);
  lv_timer_create(power_sync_timer, 100, nullptr);
  lv_timer_create(fan_readout_timer, 1000, nullptr);
  lv_timer_create(display_refresh_timer, 100, nullptr);
  lv_timer_create(gpu_clock_display_timer, 1000, nullptr);
  lv_timer_create(update_dialog_timer, 100, nullptr);
  lv_timer_create(profile_timer, 500, nullptr);
}
