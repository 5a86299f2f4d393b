// build_main_panel: language, theme, fonts, settings, screens, status bar,
// pages and the panel's periodic timers, once, before the other threads run.
#include "hardware/backend.h"
#include "hardware/hardware_state.h"
#include "ui/display_refresh.h"
#include "ui/language.h"
#include "ui/layout.h"
#include "ui/pages/gpu_auto_screen.h"
#include "ui/pages/performance_page.h"
#include "ui/pages/settings_screen.h"
#include "ui/panel_state.h"
#include "ui/panel_timers.h"
#include "ui/screens.h"
#include "ui/settings_load.h"

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

namespace {

void install_theme() {
  lv_disp_t* display = lv_disp_get_default();
  lv_theme_t* theme = lv_theme_default_init(display, lv_color_hex(0xF44336), lv_color_hex(0x607D8B),
                                            true, font_normal);
  lv_disp_set_theme(display, theme);
}

void exit_clicked(lv_event_t*) {
  // Nothing was started on an unrecognised device, so nothing is restored.
  host_services.exit_process(0);
}

void build_incompatible_screen() {
  incompatible_screen = lv_obj_create(nullptr);
  lv_scr_load(incompatible_screen);
  lv_obj_t* text = lv_label_create(incompatible_screen);
  lv_obj_set_style_text_font(text, font_large, 0);
  lv_label_set_text(text, tr("This device are not compatible!", "此设备不兼容!"));
  lv_obj_set_style_text_align(text, LV_TEXT_ALIGN_CENTER, 0);
  lv_obj_align(text, LV_ALIGN_CENTER, 0, 0);

  lv_obj_t* button = lv_btn_create(incompatible_screen);
  lv_obj_set_size(button, lv_pct(30), lv_pct(10));
  lv_obj_align(button, LV_ALIGN_BOTTOM_MID, 0, lv_pct(-25));
  lv_obj_add_event_cb(button, exit_clicked, LV_EVENT_CLICKED, nullptr);
  lv_obj_t* label = lv_label_create(button);
  lv_obj_set_style_text_font(label, font_normal, 0);
  lv_label_set_text(label, tr("EXIT", "退出"));
  lv_obj_center(label);
}

lv_obj_t* status_label(lv_obj_t* bar, lv_align_t align, const char* text) {
  lv_obj_t* label = lv_label_create(bar);
  lv_obj_set_size(label, LV_SIZE_CONTENT, LV_SIZE_CONTENT);
  lv_obj_set_style_text_font(label, font_normal, 0);
  lv_label_set_text(label, text);
  lv_obj_align(label, align, 0, 0);
  return label;
}

void build_status_bar() {
  lv_obj_t* bar = lv_obj_create(main_screen);
  lv_obj_set_size(bar, lv_pct(100), lv_pct(4));
  lv_obj_align(bar, LV_ALIGN_TOP_MID, 0, 0);
  lv_obj_clear_flag(bar, LV_OBJ_FLAG_SCROLLABLE);
  lv_obj_set_style_radius(bar, 0, 0);
  lv_obj_set_style_bg_color(bar, lv_color_hex(0x1A1A1A), 0);
  lv_obj_set_style_bg_opa(bar, LV_OPA_COVER, 0);
  lv_obj_set_style_border_side(bar, LV_BORDER_SIDE_NONE, 0);
  status_title_label = status_label(bar, LV_ALIGN_CENTER, tr("Vexa Control Center", "Vexa 控制中心"));
  status_clock_label = status_label(bar, LV_ALIGN_LEFT_MID, "00:00");
  status_battery_label = status_label(bar, LV_ALIGN_RIGHT_MID, LV_SYMBOL_WIFI " " LV_SYMBOL_BATTERY_FULL " 0%");
}

void create_screens() {
  main_screen = lv_obj_create(nullptr);
  display_screen = lv_obj_create(nullptr);
  lighting_screen = lv_obj_create(nullptr);
  fan_curve_screen = lv_obj_create(nullptr);
  update_screen = lv_obj_create(nullptr);
  gpu_auto_screen = lv_obj_create(nullptr);
  settings_screen = lv_obj_create(nullptr);
  lv_obj_clear_flag(main_screen, LV_OBJ_FLAG_SCROLLABLE);
  lv_obj_set_style_bg_color(main_screen, lv_color_hex(0x101010), 0);
}

}  // namespace

void show_message(const char* title, const char* text) {
  static const char* no_buttons[] = {""};
  lv_obj_t* box = lv_msgbox_create(lv_scr_act(), title, text, no_buttons, true);
  lv_obj_set_style_text_font(lv_msgbox_get_text(box), font_message, 0);
  lv_obj_set_style_text_align(lv_msgbox_get_text(box), LV_TEXT_ALIGN_CENTER, 0);
  lv_obj_set_size(box, lv_pct(70), lv_pct(20));
  lv_obj_center(box);
}

void build_main_panel() {
  int32_t backend = start_backend();
  decide_ui_language();
  use_initial_fonts();
  install_theme();
  if (backend == BACKEND_UNSUPPORTED) {
    build_incompatible_screen();
    return;
  }
  // Writes "AutoStart" back and brings the log-on task in line, and sets the
  // window's alpha from "Opacity".
  load_panel_settings();
  create_screens();
  build_status_bar();
  // The pages go here as they are built: performance, fan, frame-rate limiter,
  // application profile, resolution tile, lighting tile on the main screen;
  // then the display, lighting, fan-curve, update, GPU-auto and settings
  // screens.
  build_performance_page(main_screen);
  build_gpu_auto_screen();
  build_settings_screen();
  lv_scr_load_anim(main_screen, LV_SCR_LOAD_ANIM_NONE, 0, 0, false);
  create_panel_timers();
  ui_built = 1;
  display_changed = 1;
  if (backend == BACKEND_RESTARTED) {
    show_message(tr("Info", "信息"), tr("\nExtended Resolutions applied.", "\n应用拓展信息."));
  }
}
