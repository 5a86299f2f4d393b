// The fan panel (see fan_page.h). The handlers follow the fan's three
// modes: manual lets the user set the speed, automatic leaves it to the EC,
// custom runs the curve from the editor; outside manual mode the slider only
// shows what the EC does.
#include "ui/pages/fan_page.h"

#include "hardware/fan.h"
#include "hardware/hardware_state.h"
#include "settings/storing_rule.h"
#include "ui/assets/ui_images.h"
#include "ui/language.h"
#include "ui/layout.h"
#include "ui/pages/fan_curve_screen.h"
#include "ui/panel_look.h"
#include "ui/panel_state.h"

namespace {

constexpr int32_t MODE_MANUAL = 0, MODE_CURVE = 2;

lv_obj_t* icon_box = nullptr;
lv_obj_t* editor_icon = nullptr;
lv_obj_t* mode_dropdown = nullptr;
lv_obj_t* speed_slider = nullptr;
lv_obj_t* speed_label = nullptr;
lv_obj_t* temperature_label = nullptr;

// Last temperature read, 0 until the first reading: the editor shows
// nothing for 0, which is what a failed first read leaves.
int32_t shown_temperature = 0;

void set_enabled(lv_obj_t* obj, bool enabled) {
  if (enabled) {
    lv_obj_clear_state(obj, LV_STATE_DISABLED);
  } else {
    lv_obj_add_state(obj, LV_STATE_DISABLED);
  }
}

// Manual: slider on, editor icon off and grey. Automatic: both off. Custom:
// slider off, icon on and drawn in the theme colour.
void show_mode_state(int32_t mode) {
  set_enabled(speed_slider, mode == MODE_MANUAL);
  set_enabled(editor_icon, mode == MODE_CURVE);
  lv_obj_set_style_img_recolor_opa(editor_icon, mode == MODE_CURVE ? LV_OPA_COVER : LV_OPA_TRANSP, 0);
}

void send_speed_events() {
  lv_event_send(speed_slider, LV_EVENT_VALUE_CHANGED, nullptr);
  lv_event_send(speed_slider, LV_EVENT_RELEASED, nullptr);
}

// The mode commits on every change. Back in manual mode the slider returns
// from the EC's duty it was showing to the user's own speed, which is sent
// again, since the EC ran at its own duty meanwhile.
void fan_mode_changed(lv_event_t* event) {
  if (lv_event_get_code(event) != LV_EVENT_VALUE_CHANGED) return;
  const int32_t mode = int32_t(lv_dropdown_get_selected(mode_dropdown));
  apply_fan_mode(mode);
  store_committed_setting("FanMode", mode);
  show_mode_state(mode);
  if (mode != MODE_MANUAL) return;
  lv_slider_set_value(speed_slider, fan_speed, LV_ANIM_OFF);
  send_speed_events();
}

// Dragging shows the speed; the release sends it to the EC (in every mode:
// the EC keeps it for manual mode) and stores it.
void fan_speed_event(lv_event_t* event) {
  const lv_event_code_t code = lv_event_get_code(event);
  if (code == LV_EVENT_VALUE_CHANGED) {
    fan_speed = lv_slider_get_value(speed_slider);
    lv_label_set_text_fmt(speed_label, "%d%%", int(fan_speed));
  } else if (code == LV_EVENT_RELEASED) {
    apply_fan_speed(fan_speed);
    store_committed_setting("FanSpeed", fan_speed);
  }
}

void editor_icon_clicked(lv_event_t* event) {
  if (lv_event_get_code(event) == LV_EVENT_CLICKED) open_fan_curve_editor();
}

lv_obj_t* slider_label(lv_align_t align, lv_coord_t x, const char* text) {
  lv_obj_t* label = lv_label_create(speed_slider);
  lv_obj_set_size(label, LV_SIZE_CONTENT, LV_SIZE_CONTENT);
  lv_obj_align(label, align, x, 0);
  lv_label_set_text(label, text);
  lv_obj_set_style_text_color(label, lv_color_hex(look::TEXT_GREY), 0);
  lv_obj_set_style_text_opa(label, LV_OPA_COVER, 0);
  lv_obj_set_style_text_font(label, font_normal, 0);
  return label;
}

void build_editor_icon(lv_obj_t* panel) {
  icon_box = lv_obj_create(panel);
  lv_obj_clear_flag(icon_box, LV_OBJ_FLAG_SCROLLABLE);
  lv_obj_set_size(icon_box, layout_fan_icon, layout_fan_icon);
  lv_obj_align(icon_box, LV_ALIGN_TOP_LEFT, lv_pct(3), lv_pct(3));
  lv_obj_set_style_pad_all(icon_box, 0, 0);
  lv_obj_set_style_bg_opa(icon_box, LV_OPA_TRANSP, 0);
  lv_obj_set_style_border_side(icon_box, LV_BORDER_SIDE_NONE, 0);

  editor_icon = lv_img_create(icon_box);
  lv_img_set_src(editor_icon, &ui_image_fan_curve);
  lv_obj_set_size(editor_icon, LV_SIZE_CONTENT, LV_SIZE_CONTENT);
  lv_obj_add_flag(editor_icon, LV_OBJ_FLAG_ADV_HITTEST | LV_OBJ_FLAG_CLICKABLE);
  lv_obj_clear_flag(editor_icon, LV_OBJ_FLAG_SCROLLABLE);
  lv_obj_center(editor_icon);
  lv_img_set_zoom(editor_icon, uint16_t(layout_zoom));
  lv_obj_set_style_img_recolor(editor_icon, lv_color_hex(look::ACCENT_RED), 0);
  lv_obj_add_event_cb(editor_icon, editor_icon_clicked, LV_EVENT_ALL, nullptr);
}

void build_mode_dropdown(lv_obj_t* panel) {
  mode_dropdown = lv_dropdown_create(panel);
  lv_dropdown_set_options(mode_dropdown, tr("Manual\nAuto\nCustom", "手动\n自动\n自定义"));
  lv_dropdown_set_selected(mode_dropdown, uint16_t(fan_mode));
  lv_obj_set_size(mode_dropdown, lv_pct(40), lv_pct(30));
  lv_obj_align(mode_dropdown, LV_ALIGN_TOP_RIGHT, lv_pct(-5), lv_pct(5));
  lv_obj_set_style_bg_color(mode_dropdown, lv_color_hex(look::CONTROL_GREY), 0);
  lv_obj_set_style_bg_opa(mode_dropdown, LV_OPA_COVER, 0);
  lv_obj_set_style_border_side(mode_dropdown, LV_BORDER_SIDE_NONE, 0);
  // The theme's side padding leaves "Custom" and the arrow touching in the
  // narrower tiers.
  lv_obj_set_style_pad_left(mode_dropdown, 10, 0);
  lv_obj_set_style_pad_right(mode_dropdown, 6, 0);
  lv_obj_set_style_text_font(mode_dropdown, font_normal, 0);
  lv_obj_set_style_text_font(lv_dropdown_get_list(mode_dropdown), font_normal, 0);
  lv_obj_add_event_cb(mode_dropdown, fan_mode_changed, LV_EVENT_ALL, nullptr);
}

void build_speed_slider(lv_obj_t* panel) {
  speed_slider = lv_slider_create(panel);
  lv_obj_set_size(speed_slider, lv_pct(90), lv_pct(45));
  lv_obj_align(speed_slider, LV_ALIGN_BOTTOM_MID, 0, lv_pct(-5));
  // No knob: the slider reads as a filled bar with the values written on it.
  style_bar_slider(speed_slider);
  lv_obj_set_style_shadow_opa(speed_slider, LV_OPA_TRANSP, LV_PART_KNOB);
  lv_obj_set_style_outline_opa(speed_slider, LV_OPA_TRANSP, LV_PART_KNOB);

  speed_label = slider_label(LV_ALIGN_RIGHT_MID, lv_pct(-5), "0%");
  temperature_label = slider_label(LV_ALIGN_LEFT_MID, lv_pct(5), "0°C");

  lv_obj_add_event_cb(speed_slider, fan_speed_event, LV_EVENT_ALL, nullptr);
  lv_slider_set_range(speed_slider, FAN_SPEED_MIN, FAN_SPEED_MAX);
  lv_slider_set_value(speed_slider, fan_speed, LV_ANIM_OFF);
}

}  // namespace

void build_fan_panel(lv_obj_t* parent) {
  shown_temperature = 0;
  lv_obj_t* panel = create_tile(parent, lv_pct(44), lv_pct(20), lv_pct(-24), lv_pct(50));

  build_editor_icon(panel);
  build_mode_dropdown(panel);
  build_speed_slider(panel);
  show_mode_state(fan_mode);

  // The stored mode and speed reach the EC through the handlers, as if the
  // user had set them: speed shown, mode applied, duty written.
  lv_event_send(speed_slider, LV_EVENT_VALUE_CHANGED, nullptr);
  lv_event_send(mode_dropdown, LV_EVENT_VALUE_CHANGED, nullptr);
  lv_event_send(speed_slider, LV_EVENT_RELEASED, nullptr);
}

void relayout_fan_panel() {
  if (!icon_box) return;
  lv_obj_set_size(icon_box, layout_fan_icon, layout_fan_icon);
  lv_img_set_zoom(editor_icon, uint16_t(layout_zoom));
  lv_obj_set_style_text_font(mode_dropdown, font_normal, 0);
  lv_obj_set_style_text_font(lv_dropdown_get_list(mode_dropdown), font_normal, 0);
  lv_obj_set_style_text_font(speed_label, font_normal, 0);
  lv_obj_set_style_text_font(temperature_label, font_normal, 0);
}

void fan_readout_tick() {
  if (!panel_visible || !layout_ready) return;
  const FanReadout readout = read_fan_readout(fan_mode != MODE_MANUAL);
  if (readout.has_temperature) {
    shown_temperature = readout.celsius;
    lv_label_set_text_fmt(temperature_label, "%d°C", int(readout.celsius));
  }
  if (!readout.has_duty) return;
  const int32_t percent = readout.percent;
  lv_slider_set_value(speed_slider, percent, LV_ANIM_ON);  // the slider holds it to 20..100
  lv_label_set_text_fmt(speed_label, "%d%%", int(percent));
  if (shown_temperature != 0 && fan_curve_editor_open()) {
    show_fan_curve_reading(shown_temperature, percent);
  }
}
