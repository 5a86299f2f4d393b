#include "ui/pages/settings_screen.h"

#include "ui/language.h"
#include "ui/layout.h"
#include "ui/screens.h"

namespace {

lv_obj_t* back_label = nullptr;

}  // namespace

void build_settings_screen() {
  lv_obj_set_style_bg_color(settings_screen, lv_color_hex(0x101010), 0);
  lv_obj_clear_flag(settings_screen, LV_OBJ_FLAG_SCROLLABLE);
  lv_obj_t* back = lv_btn_create(settings_screen);
  lv_obj_set_size(back, LV_SIZE_CONTENT, LV_SIZE_CONTENT);
  lv_obj_align(back, LV_ALIGN_TOP_MID, 0, lv_pct(90));
  lv_obj_set_style_bg_color(back, lv_color_hex(0x2B2B2B), 0);
  lv_obj_add_event_cb(back, back_to_main_screen, LV_EVENT_ALL, nullptr);
  back_label = lv_label_create(back);
  lv_obj_set_style_text_font(back_label, font_message, 0);
  lv_label_set_text(back_label, tr("Back", "返回"));
  lv_obj_center(back_label);
}

void relayout_settings_screen() {
  if (back_label) lv_obj_set_style_text_font(back_label, font_message, 0);
}
