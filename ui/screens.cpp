#include "ui/screens.h"

#include "ui/layout.h"

lv_obj_t* main_screen = nullptr;
lv_obj_t* display_screen = nullptr;
lv_obj_t* lighting_screen = nullptr;
lv_obj_t* fan_curve_screen = nullptr;
lv_obj_t* update_screen = nullptr;
lv_obj_t* gpu_auto_screen = nullptr;
lv_obj_t* settings_screen = nullptr;
lv_obj_t* incompatible_screen = nullptr;

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

void open_sub_screen(lv_obj_t* screen) {
  lv_scr_load_anim(screen, LV_SCR_LOAD_ANIM_MOVE_TOP, SCREEN_ANIM_TIME, 0, false);
}

void back_to_main_screen(lv_event_t* event) {
  if (lv_event_get_code(event) != LV_EVENT_CLICKED) return;
  lv_scr_load_anim(main_screen, LV_SCR_LOAD_ANIM_MOVE_BOTTOM, SCREEN_ANIM_TIME, 0, false);
}

void show_message(const char* title, const char* text) {
  static const char* no_buttons[] = {""};
  lv_obj_t* box = lv_msgbox_create(lv_scr_act(), title, text, no_buttons, true);
  lv_obj_set_style_text_font(lv_msgbox_get_text(box), font_message, 0);
  lv_obj_set_style_text_align(lv_msgbox_get_text(box), LV_TEXT_ALIGN_CENTER, 0);
  lv_obj_set_size(box, lv_pct(70), lv_pct(20));
  lv_obj_center(box);
}
