// The shared styles of panel_look.h.
#include "ui/panel_look.h"

lv_obj_t* create_tile(lv_obj_t* parent, lv_coord_t width, lv_coord_t height, lv_coord_t x,
                      lv_coord_t y) {
  lv_obj_t* tile = lv_obj_create(parent);
  lv_obj_set_size(tile, width, height);
  lv_obj_align(tile, LV_ALIGN_TOP_MID, x, y);
  lv_obj_set_style_pad_all(tile, 0, 0);
  lv_obj_clear_flag(tile, LV_OBJ_FLAG_SCROLLABLE);
  lv_obj_set_style_bg_color(tile, lv_color_hex(look::PANEL_GREY), 0);
  lv_obj_set_style_bg_opa(tile, LV_OPA_COVER, 0);
  lv_obj_set_style_border_side(tile, LV_BORDER_SIDE_NONE, 0);
  return tile;
}

void style_grey_button(lv_obj_t* button) {
  lv_obj_add_flag(button, LV_OBJ_FLAG_SCROLL_ON_FOCUS);
  lv_obj_clear_flag(button, LV_OBJ_FLAG_SCROLLABLE);
  lv_obj_set_style_bg_color(button, lv_color_hex(look::CONTROL_GREY), 0);
  lv_obj_set_style_bg_opa(button, LV_OPA_COVER, 0);
}

void style_bar_slider(lv_obj_t* slider) {
  lv_obj_set_style_bg_color(slider, lv_color_hex(look::CONTROL_GREY), LV_PART_MAIN);
  lv_obj_set_style_bg_opa(slider, LV_OPA_COVER, LV_PART_MAIN);
  lv_obj_set_style_bg_color(slider, lv_color_hex(look::FILL_GREY), LV_PART_INDICATOR);
  lv_obj_set_style_bg_opa(slider, LV_OPA_COVER, LV_PART_INDICATOR);
  lv_obj_set_style_bg_color(slider, lv_color_hex(look::TEXT_GREY), LV_PART_KNOB);
  lv_obj_set_style_bg_opa(slider, LV_OPA_TRANSP, LV_PART_KNOB);
}

void style_on_off_switch(lv_obj_t* sw) {
  lv_obj_set_style_bg_color(sw, lv_color_hex(look::CONTROL_GREY), LV_PART_MAIN);
  lv_obj_set_style_bg_opa(sw, LV_OPA_COVER, LV_PART_MAIN);
  const lv_style_selector_t on = LV_PART_INDICATOR | LV_STATE_CHECKED;
  lv_obj_set_style_bg_color(sw, lv_color_hex(look::ACCENT_RED), on);
  lv_obj_set_style_bg_opa(sw, LV_OPA_COVER, on);
  lv_obj_set_style_bg_color(sw, lv_color_hex(look::TEXT_GREY), LV_PART_KNOB);
  lv_obj_set_style_bg_opa(sw, LV_OPA_COVER, LV_PART_KNOB);
}
