#include "ui/display_refresh.h"

#include <initializer_list>

#include "hardware/display.h"
#include "hardware/hardware_state.h"
#include "ui/layout.h"
#include "ui/pages/gpu_auto_screen.h"
#include "ui/pages/performance_page.h"
#include "ui/pages/settings_screen.h"
#include "ui/panel_state.h"
#include "ui/screens.h"

namespace {

// Fonts and sizes of what the panel holds so far: the status bar. Each page
// adds its own widgets here as it is built.
void reapply_layout() {
  for (lv_obj_t* label : {status_title_label, status_clock_label, status_battery_label}) {
    if (label) lv_obj_set_style_text_font(label, font_normal, 0);
  }
  relayout_performance_page();
  relayout_gpu_auto_screen();
  relayout_settings_screen();
}

}  // namespace

void display_refresh_tick() {
  if (!display_changed) return;
  display_changed = 0;
  display_init();
}

void display_init() {
  layout_ready = 0;
  int32_t long_side = 0, short_side = 0, refresh = 0;
  if (query_display_mode(&long_side, &short_side, &refresh)) {
    current_long_side = long_side;
    current_short_side = short_side;
    current_refresh = refresh;
  }
  select_layout_tier(current_long_side);
  if (ui_built) reapply_layout();
  layout_ready = 1;
}
