// The update dialog screen (see update_screen.h). It keeps the default
// screen style; only its own widgets are styled.
#include "ui/pages/update_screen.h"

#include <initializer_list>

#include "ui/language.h"
#include "ui/layout.h"
#include "ui/panel_look.h"
#include "ui/screens.h"

namespace {

lv_obj_t* headline_label = nullptr;
lv_obj_t* description_label = nullptr;
lv_obj_t* download_label = nullptr;
lv_obj_t* later_label = nullptr;
lv_obj_t* progress_bar = nullptr;
lv_obj_t* progress_label = nullptr;

// The buttons take every event; the download and the postponing they start
// come with the updater, so for now a click does nothing.
void download_event(lv_event_t*) {}
void later_event(lv_event_t*) {}

lv_obj_t* dialog_button(lv_coord_t x, const char* text, lv_event_cb_t handler) {
  lv_obj_t* button = lv_btn_create(update_screen);
  lv_obj_set_size(button, lv_pct(30), lv_pct(10));
  lv_obj_align(button, LV_ALIGN_BOTTOM_MID, x, lv_pct(-20));
  style_grey_button(button);
  lv_obj_add_event_cb(button, handler, LV_EVENT_ALL, nullptr);
  lv_obj_t* label = lv_label_create(button);
  lv_obj_set_style_text_font(label, font_normal, 0);
  lv_label_set_text(label, text);
  lv_obj_center(label);
  return label;
}

}  // namespace

void build_update_screen() {
  headline_label = lv_label_create(update_screen);
  lv_obj_set_style_text_font(headline_label, font_message, 0);
  lv_obj_set_style_text_align(headline_label, LV_TEXT_ALIGN_CENTER, 0);
  lv_label_set_text(headline_label, tr("Update Available", "可用更新"));
  lv_obj_align(headline_label, LV_ALIGN_TOP_MID, 0, lv_pct(5));

  description_label = lv_label_create(update_screen);
  lv_obj_set_style_text_font(description_label, font_normal, 0);
  lv_obj_set_style_text_align(description_label, LV_TEXT_ALIGN_LEFT, 0);
  lv_label_set_text(description_label, tr("Update Description:", "更新说明："));
  lv_obj_align(description_label, LV_ALIGN_TOP_MID, 0, lv_pct(20));

  download_label = dialog_button(lv_pct(-20), tr("Download", "下载"), download_event);
  later_label = dialog_button(lv_pct(20), tr("Later", "稍后"), later_event);

  progress_bar = lv_bar_create(update_screen);
  lv_bar_set_range(progress_bar, 0, 100);
  lv_obj_set_size(progress_bar, lv_pct(80), lv_pct(10));
  lv_obj_align(progress_bar, LV_ALIGN_BOTTOM_MID, 0, lv_pct(-5));
  lv_obj_set_style_bg_color(progress_bar, lv_color_hex(look::CONTROL_GREY), LV_PART_MAIN);
  lv_obj_set_style_bg_color(progress_bar, lv_color_hex(look::FILL_GREY), LV_PART_INDICATOR);
  progress_label = lv_label_create(progress_bar);
  lv_obj_set_style_text_font(progress_label, font_message, 0);
  lv_obj_set_style_text_color(progress_label, lv_color_hex(look::TEXT_GREY), 0);
  lv_label_set_text(progress_label, "");
  lv_obj_center(progress_label);
}

// Safe before the screen is built (a test display holding only some pages).
void relayout_update_screen() {
  if (!headline_label) return;
  for (lv_obj_t* label : {headline_label, progress_label}) {
    lv_obj_set_style_text_font(label, font_message, 0);
  }
  for (lv_obj_t* label : {description_label, download_label, later_label}) {
    lv_obj_set_style_text_font(label, font_normal, 0);
  }
}
