// build_main_panel: language, theme, fonts, settings, screens, status bar,
// pages and the panel's periodic timers, once, before the other threads run.
#include "hardware/backend.h"
#include "hardware/hardware_state.h"
#include "ui/display_refresh.h"
#include "ui/language.h"
#include "ui/layout.h"
#include "ui/pages/display_page.h"
#include "ui/pages/fan_curve_screen.h"
#include "ui/pages/fan_page.h"
#include "ui/pages/fps_panel.h"
#include "ui/pages/gpu_auto_screen.h"
#include "ui/pages/lighting_page.h"
#include "ui/pages/performance_page.h"
#include "ui/pages/settings_screen.h"
#include "ui/pages/status_bar.h"
#include "ui/pages/update_screen.h"
#include "ui/panel_state.h"
#include "ui/panel_timers.h"
#include "ui/screens.h"
#include "ui/settings_load.h"

namespace {

void install_theme() {
  lv_disp_t* display = lv_disp_get_default();
  lv_theme_t* theme = lv_theme_default_init(display, lv_color_hex(0xF44336), lv_color_hex(0x607D8B),
                                            true, font_normal);
  lv_disp_set_theme(display, theme);
}

void exit_clicked(lv_event_t*) {
  // The host ends the program its orderly way, which also releases what the
  // start-up began before it knew the board (RyzenAdj, ADLX).
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

// Every page in its fixed place: the main-screen panels first, then the
// sub-screens. The order is also the order of the input group (buttons,
// switches, sliders and the like join it as they are created). A page still
// to come keeps its place as a comment until it is built; a built page also
// joins the re-layout list in page_relayout.cpp.
void build_pages() {
  build_performance_page(main_screen);
  build_fan_panel(main_screen);
  build_fps_panel(main_screen);
  // build_app_profile_panel(main_screen);
  build_resolution_tile(main_screen);
  build_lighting_tile(main_screen);

  build_display_screen();
  build_lighting_screen();
  build_fan_curve_screen();
  build_update_screen();
  build_gpu_auto_screen();
  build_settings_screen();
}

}  // namespace

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
  build_status_bar(main_screen);
  build_pages();
  lv_scr_load_anim(main_screen, LV_SCR_LOAD_ANIM_NONE, 0, 0, false);
  create_panel_timers();
  ui_built = 1;
  display_changed = 1;
  if (backend == BACKEND_RESTARTED) {
    show_message(tr("Info", "信息"), tr("\nExtended Resolutions applied.", "\n应用拓展信息."));
  }
}
