#include "ui/pages/gpu_auto_screen.h"

#include "ui/language.h"
#include "ui/layout.h"
#include "ui/pages/performance_page.h"
#include "ui/screens.h"

namespace {

lv_obj_t* message = nullptr;
lv_obj_t* reload_label = nullptr;
lv_obj_t* later_label = nullptr;

void reload_clicked(lv_event_t* event) {
  if (lv_event_get_code(event) == LV_EVENT_CLICKED) confirm_automatic_gpu_clock(true);
}

void later_clicked(lv_event_t* event) {
  if (lv_event_get_code(event) == LV_EVENT_CLICKED) confirm_automatic_gpu_clock(false);
}

lv_obj_t* dialog_button(lv_coord_t x, const char* text, lv_event_cb_t handler, lv_obj_t** label) {
  lv_obj_t* button = lv_btn_create(gpu_auto_screen);
  lv_obj_set_size(button, lv_pct(30), lv_pct(10));
  lv_obj_align(button, LV_ALIGN_BOTTOM_MID, x, lv_pct(-20));
  lv_obj_set_style_bg_color(button, lv_color_hex(0x2B2B2B), 0);
  lv_obj_add_event_cb(button, handler, LV_EVENT_ALL, nullptr);
  *label = lv_label_create(button);
  lv_obj_set_style_text_font(*label, font_normal, 0);
  lv_label_set_text(*label, text);
  lv_obj_center(*label);
  return button;
}

}  // namespace

void build_gpu_auto_screen() {
  message = lv_label_create(gpu_auto_screen);
  lv_obj_set_style_text_font(message, font_message, 0);
  lv_obj_set_style_text_align(message, LV_TEXT_ALIGN_CENTER, 0);
  lv_label_set_text(message,
                    tr("Switching GPU to auto mode\nDisplay need to be reloaded\n\n"
                       "You can do instant reload\nbut crash might be happen\n"
                       "to any opened applications\nPress Reload for instant reload\n\n"
                       "Or press Later to manually\nSleep / Reboot the device\n",
                       "切换GPU自动模式\n屏幕即将重置\n\n你可以立即重置\n但任何已经打开的应用程序\n"
                       "可能闪退\n按重新加载可立即重新加载\n\n或按稍后手动加载\n睡眠/重启电脑\n"));
  lv_obj_align(message, LV_ALIGN_TOP_MID, 0, lv_pct(20));
  dialog_button(lv_pct(-20), tr("Reload", "重新加载"), reload_clicked, &reload_label);
  dialog_button(lv_pct(20), tr("Later", "稍后"), later_clicked, &later_label);
}

void relayout_gpu_auto_screen() {
  if (!message) return;  // not built
  lv_obj_set_style_text_font(message, font_message, 0);
  lv_obj_set_style_text_font(reload_label, font_normal, 0);
  lv_obj_set_style_text_font(later_label, font_normal, 0);
}
