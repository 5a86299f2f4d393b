#include "ui/display_refresh.h"

#include "hardware/display.h"
#include "hardware/hardware_state.h"
#include "ui/layout.h"
#include "ui/page_relayout.h"
#include "ui/panel_state.h"

void display_refresh_tick() {
  if (!display_changed) return;
  display_changed = 0;
  display_init();
}

void display_init() {
  layout_ready = 0;
  // Seeded with the mode in force: a query that has no usable rate (Wine on
  // a bare X server reports 0) leaves the rate alone and keeps the old one.
  int32_t long_side = current_long_side, short_side = current_short_side, refresh = current_refresh;
  if (query_display_mode(&long_side, &short_side, &refresh)) {
    current_long_side = long_side;
    current_short_side = short_side;
    current_refresh = refresh;
  }
  select_layout_tier(current_long_side);
  if (ui_built) relayout_pages();
  layout_ready = 1;
  if (ui_built) refresh_readouts();
}
