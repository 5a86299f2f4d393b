// The status bar. Its clock and battery read-outs belong to the 1000 ms
// clock timer of panel_timers.cpp, which calls status_bar_tick.
#include "ui/pages/status_bar.h"

#include <cstring>
#include <initializer_list>

#include "hardware/hardware_state.h"
#include "hardware/system_status.h"
#include "ui/language.h"
#include "ui/layout.h"
#include "ui/panel_state.h"
#include "ui/status_text.h"

namespace {

lv_obj_t* title_label = nullptr;
lv_obj_t* clock_label = nullptr;
lv_obj_t* battery_label = nullptr;

lv_obj_t* status_label(lv_obj_t* bar, lv_align_t align, const char* text) {
  lv_obj_t* label = lv_label_create(bar);
  lv_obj_set_size(label, LV_SIZE_CONTENT, LV_SIZE_CONTENT);
  lv_obj_set_style_text_font(label, font_normal, 0);
  lv_label_set_text(label, text);
  lv_obj_align(label, align, 0, 0);
  return label;
}

// A read-out that did not change is not set again: setting a label redraws
// it, and the clock's text changes once a minute, not once a second.
void show_text(lv_obj_t* label, const char* text) {
  if (std::strcmp(lv_label_get_text(label), text) != 0) lv_label_set_text(label, text);
}

}  // namespace

void build_status_bar(lv_obj_t* parent) {
  lv_obj_t* bar = lv_obj_create(parent);
  lv_obj_set_size(bar, lv_pct(100), lv_pct(4));
  lv_obj_align(bar, LV_ALIGN_TOP_MID, 0, 0);
  lv_obj_clear_flag(bar, LV_OBJ_FLAG_SCROLLABLE);
  lv_obj_set_style_radius(bar, 0, 0);
  lv_obj_set_style_bg_color(bar, lv_color_hex(0x1A1A1A), 0);
  lv_obj_set_style_bg_opa(bar, LV_OPA_COVER, 0);
  lv_obj_set_style_border_side(bar, LV_BORDER_SIDE_NONE, 0);
  title_label = status_label(bar, LV_ALIGN_CENTER, tr("Vexa Control Center", "Vexa 控制中心"));
  clock_label = status_label(bar, LV_ALIGN_LEFT_MID, "00:00");
  battery_label =
      status_label(bar, LV_ALIGN_RIGHT_MID, LV_SYMBOL_WIFI " " LV_SYMBOL_BATTERY_FULL " 0%");
}

void relayout_status_bar() {
  for (lv_obj_t* label : {title_label, clock_label, battery_label}) {
    lv_obj_set_style_text_font(label, font_normal, 0);
  }
}

void status_bar_tick() {
  if (panel_visible) status_bar_refresh();
}

void status_bar_refresh() {
  if (!layout_ready) return;
  SystemStatus status;
  read_system_status(&status);
  char text[40];
  format_clock_text(status, text, sizeof(text));
  show_text(clock_label, text);
  format_status_text(status, text, sizeof(text));
  show_text(battery_label, text);
}
