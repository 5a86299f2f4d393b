// The lighting page (see lighting_page.h). In "Manual" the colour wheel
// picks the colour and the slider its strength; both reach the EC when let
// go. In "Auto" the EC lights the device itself and both controls are
// disabled, so they do not react.
#include "ui/pages/lighting_page.h"

#include <initializer_list>

#include "hardware/lighting.h"
#include "settings/settings_store.h"
#include "ui/assets/ui_images.h"
#include "ui/language.h"
#include "ui/layout.h"
#include "ui/lighting_colour.h"
#include "ui/panel_look.h"
#include "ui/screens.h"

namespace {

constexpr uint32_t MODE_TEXT_SIZE = 32;  // the mode's name on the tile: at most 31 characters
constexpr lv_opa_t DISABLED_OPA = LV_OPA_40;
// Room above and below the texts of "Back" and the drop-down, for a finger.
constexpr lv_coord_t TOUCH_PAD = 16;

lv_obj_t* tile_icon = nullptr;
lv_obj_t* tile_caption = nullptr;
lv_obj_t* tile_mode_label = nullptr;
lv_obj_t* screen_title = nullptr;
lv_obj_t* strength_slider = nullptr;
lv_obj_t* strength_icon = nullptr;
lv_obj_t* strength_label = nullptr;
lv_obj_t* back_label = nullptr;
lv_obj_t* colour_wheel = nullptr;
lv_obj_t* mode_dropdown = nullptr;

// The stored colour and the wheel position made from it at build. The
// toolkit's HSV conversions lose a little on every round trip (cyan
// 0x00FFFF comes back as 0x00FFF6, and goes on drifting), so reading the
// colour back from a wheel that was only set from "RGBValue" would change
// the stored colour a bit at every start. While the wheel stands where the
// stored colour put it, the stored colour is the wheel's colour.
lv_color_hsv_t stored_hsv = {0, 0, 0};
uint32_t stored_colour = 0;
bool wheel_on_stored = false;

bool same_hsv(lv_color_hsv_t a, lv_color_hsv_t b) { return a.h == b.h && a.s == b.s && a.v == b.v; }

uint32_t wheel_colour() {
  const lv_color_hsv_t hsv = lv_colorwheel_get_hsv(colour_wheel);
  if (wheel_on_stored && same_hsv(hsv, stored_hsv)) return stored_colour;
  return colour_of_hsv(hsv);
}

// The colour at the strength, kept where the re-apply after a resume finds
// it; called whenever the colour or the strength changes.
void work_out_shown_colour() {
  rgb_shown_colour = strength_scaled_colour(uint32_t(rgb_value.load()), rgb_strength);
}

void send_colour() {
  const uint32_t colour = rgb_shown_colour;
  send_lighting_colour(uint8_t(colour >> 16), uint8_t(colour >> 8), uint8_t(colour));
}

void show_strength() { lv_label_set_text_fmt(strength_label, "%d%%", int(rgb_strength)); }

void set_enabled(lv_obj_t* obj, bool enabled) {
  if (enabled) {
    lv_obj_clear_state(obj, LV_STATE_DISABLED);
  } else {
    lv_obj_add_state(obj, LV_STATE_DISABLED);
  }
}

void open_lighting_screen(lv_event_t* event) {
  if (lv_event_get_code(event) == LV_EVENT_CLICKED) open_sub_screen(lighting_screen);
}

// "Auto" hands the lighting to the EC; "Manual" shows the cached colour at
// once and then the wheel's colour at the slider's strength.
void mode_changed(lv_event_t* event) {
  if (lv_event_get_code(event) != LV_EVENT_VALUE_CHANGED) return;
  char name[MODE_TEXT_SIZE];
  lv_dropdown_get_selected_str(mode_dropdown, name, sizeof(name));
  lv_label_set_text(tile_mode_label, name);
  rgb_mode = lv_dropdown_get_selected(mode_dropdown);
  write_lighting_mode(rgb_mode);
  store_setting("RGBMode", rgb_mode);
  const bool manual = rgb_mode == LIGHTING_MANUAL;
  if (manual) {
    rgb_value = int32_t(wheel_colour());
    work_out_shown_colour();
    send_colour();
    store_setting("RGBValue", rgb_value);
  }
  set_enabled(strength_slider, manual);
  set_enabled(colour_wheel, manual);
  show_strength();
}

void wheel_event(lv_event_t* event) {
  if (rgb_mode != LIGHTING_MANUAL) return;
  const lv_event_code_t code = lv_event_get_code(event);
  if (code == LV_EVENT_VALUE_CHANGED) {
    rgb_value = int32_t(wheel_colour());
    work_out_shown_colour();
  } else if (code == LV_EVENT_RELEASED) {
    send_colour();
    store_setting("RGBValue", rgb_value);
  }
}

void strength_event(lv_event_t* event) {
  if (rgb_mode != LIGHTING_MANUAL) return;
  const lv_event_code_t code = lv_event_get_code(event);
  if (code == LV_EVENT_VALUE_CHANGED) {
    rgb_strength = lv_slider_get_value(strength_slider);
    work_out_shown_colour();
    show_strength();
  } else if (code == LV_EVENT_RELEASED) {
    send_colour();
    store_setting("RGBValue", rgb_value);
    store_setting("RGBStrength", rgb_strength);
  }
}

lv_obj_t* grey_label(lv_obj_t* parent) {
  lv_obj_t* label = lv_label_create(parent);
  lv_obj_set_size(label, LV_SIZE_CONTENT, LV_SIZE_CONTENT);
  lv_obj_set_style_text_color(label, lv_color_hex(look::TEXT_GREY), 0);
  lv_obj_set_style_text_opa(label, LV_OPA_COVER, 0);
  lv_obj_set_style_text_font(label, font_normal, 0);
  return label;
}

lv_obj_t* icon(lv_obj_t* parent, const lv_img_dsc_t* image) {
  lv_obj_t* img = lv_img_create(parent);
  lv_img_set_src(img, image);
  lv_obj_set_size(img, LV_SIZE_CONTENT, LV_SIZE_CONTENT);
  lv_obj_add_flag(img, LV_OBJ_FLAG_ADV_HITTEST);
  lv_obj_clear_flag(img, LV_OBJ_FLAG_SCROLLABLE);
  lv_img_set_zoom(img, uint16_t(layout_zoom));
  return img;
}

void build_strength_slider() {
  strength_slider = lv_slider_create(lighting_screen);
  lv_obj_set_size(strength_slider, lv_pct(80), lv_pct(10));
  lv_obj_align(strength_slider, LV_ALIGN_TOP_MID, 0, lv_pct(15));
  style_bar_slider(strength_slider);
  lv_obj_set_style_opa(strength_slider, DISABLED_OPA, LV_STATE_DISABLED);
  lv_slider_set_range(strength_slider, 0, 100);
  lv_slider_set_value(strength_slider, rgb_strength, LV_ANIM_OFF);

  strength_icon = icon(strength_slider, &ui_image_strength);
  lv_obj_align(strength_icon, LV_ALIGN_LEFT_MID, lv_pct(5), 0);
  strength_label = grey_label(strength_slider);
  lv_obj_align(strength_label, LV_ALIGN_RIGHT_MID, lv_pct(-5), 0);
  lv_label_set_text(strength_label, "0%");
}

void build_back_button() {
  lv_obj_t* back = lv_btn_create(lighting_screen);
  lv_obj_set_size(back, lv_pct(30), LV_SIZE_CONTENT);
  lv_obj_align(back, LV_ALIGN_TOP_MID, lv_pct(25), lv_pct(85));
  style_grey_button(back);
  lv_obj_set_style_pad_ver(back, TOUCH_PAD, 0);
  back_label = lv_label_create(back);
  lv_obj_set_style_text_font(back_label, font_normal, 0);
  lv_label_set_text(back_label, tr("Back", "返回"));
  lv_obj_center(back_label);
  lv_obj_add_event_cb(back, back_to_main_screen, LV_EVENT_ALL, nullptr);
}

void size_wheel() {
  lv_obj_set_size(colour_wheel, lv_coord_t(layout_colour_wheel), lv_coord_t(layout_colour_wheel));
  lv_obj_set_style_arc_width(colour_wheel, lv_coord_t(layout_colour_wheel / 4), LV_PART_MAIN);
}

void build_colour_wheel() {
  colour_wheel = lv_colorwheel_create(lighting_screen, true);
  // Only the ring: no card behind it, and faded while "Auto" holds it.
  lv_obj_set_style_bg_opa(colour_wheel, LV_OPA_TRANSP, LV_PART_MAIN);
  lv_obj_set_style_border_side(colour_wheel, LV_BORDER_SIDE_NONE, LV_PART_MAIN);
  lv_obj_set_style_opa(colour_wheel, DISABLED_OPA, LV_STATE_DISABLED);
  size_wheel();
  lv_obj_align(colour_wheel, LV_ALIGN_TOP_MID, 0, lv_pct(30));
  const uint32_t stored = uint32_t(rgb_value.load());
  wheel_on_stored = false;
  if (stored != 0) {
    stored_hsv = lv_color_rgb_to_hsv(uint8_t(stored >> 16), uint8_t(stored >> 8), uint8_t(stored));
    lv_colorwheel_set_hsv(colour_wheel, stored_hsv);
    // What the wheel took (it may bound the values), and the colour it stands for.
    stored_hsv = lv_colorwheel_get_hsv(colour_wheel);
    stored_colour = stored;
    wheel_on_stored = true;
  }
  lv_colorwheel_set_mode_fixed(colour_wheel, true);
}

void build_mode_dropdown() {
  mode_dropdown = lv_dropdown_create(lighting_screen);
  lv_dropdown_set_options(mode_dropdown, tr("Auto\nManual", "自动\n手动"));
  // The drop-down bounds it to its last option.
  lv_dropdown_set_selected(mode_dropdown, uint16_t(rgb_mode.load()));
  lv_obj_set_size(mode_dropdown, lv_pct(30), LV_SIZE_CONTENT);
  lv_obj_align(mode_dropdown, LV_ALIGN_TOP_MID, lv_pct(-25), lv_pct(85));
  lv_obj_set_style_bg_color(mode_dropdown, lv_color_hex(look::CONTROL_GREY), 0);
  lv_obj_set_style_bg_opa(mode_dropdown, LV_OPA_COVER, 0);
  lv_obj_set_style_pad_ver(mode_dropdown, TOUCH_PAD, 0);
  lv_obj_set_style_bg_color(mode_dropdown, lv_color_hex(look::FILL_GREY),
                            LV_PART_INDICATOR | LV_STATE_CHECKED);
  lv_obj_set_style_bg_color(mode_dropdown, lv_color_hex(look::TEXT_GREY), LV_PART_KNOB);
  lv_obj_set_style_text_font(mode_dropdown, font_normal, 0);
  lv_obj_set_style_text_font(lv_dropdown_get_list(mode_dropdown), font_normal, 0);
}

}  // namespace

void build_lighting_tile(lv_obj_t* parent) {
  lv_obj_t* panel = create_tile(parent, lv_pct(44), lv_pct(14), lv_pct(24), lv_pct(84));

  lv_obj_t* button = lv_btn_create(panel);
  lv_obj_set_size(button, lv_pct(25), lv_pct(80));
  lv_obj_align(button, LV_ALIGN_LEFT_MID, lv_pct(5), 0);
  style_grey_button(button);
  lv_obj_add_event_cb(button, open_lighting_screen, LV_EVENT_ALL, nullptr);
  tile_icon = icon(button, &ui_image_lighting);
  lv_obj_center(tile_icon);

  tile_caption = grey_label(panel);
  lv_obj_align(tile_caption, LV_ALIGN_TOP_LEFT, lv_pct(35), lv_pct(25));
  lv_label_set_text(tile_caption, tr("Lighting", "灯光"));
  tile_mode_label = grey_label(panel);
  lv_obj_align(tile_mode_label, LV_ALIGN_BOTTOM_LEFT, lv_pct(35), lv_pct(-25));
  lv_label_set_text(tile_mode_label, tr("Auto", "自动"));
}

void build_lighting_screen() {
  lv_obj_clear_flag(lighting_screen, LV_OBJ_FLAG_SCROLLABLE);
  lv_obj_set_style_bg_color(lighting_screen, lv_color_hex(look::SCREEN_BLACK), 0);
  screen_title = lv_label_create(lighting_screen);
  lv_obj_set_style_text_font(screen_title, font_large, 0);
  lv_label_set_text(screen_title, tr("Lighting", "灯光"));
  lv_obj_align(screen_title, LV_ALIGN_TOP_MID, 0, lv_pct(4));

  build_strength_slider();
  build_back_button();
  build_colour_wheel();
  build_mode_dropdown();

  lv_obj_add_event_cb(mode_dropdown, mode_changed, LV_EVENT_VALUE_CHANGED, nullptr);
  lv_event_send(mode_dropdown, LV_EVENT_VALUE_CHANGED, nullptr);
  lv_obj_add_event_cb(strength_slider, strength_event, LV_EVENT_ALL, nullptr);
  lv_event_send(strength_slider, LV_EVENT_VALUE_CHANGED, nullptr);
  lv_event_send(strength_slider, LV_EVENT_RELEASED, nullptr);
  lv_obj_add_event_cb(colour_wheel, wheel_event, LV_EVENT_ALL, nullptr);
  lv_event_send(colour_wheel, LV_EVENT_VALUE_CHANGED, nullptr);
  lv_event_send(colour_wheel, LV_EVENT_RELEASED, nullptr);
}

void relayout_lighting_page() {
  if (!tile_icon || !colour_wheel) return;  // not built (a test panel without it)
  lv_img_set_zoom(tile_icon, uint16_t(layout_zoom));
  lv_img_set_zoom(strength_icon, uint16_t(layout_zoom));
  for (lv_obj_t* label : {tile_caption, tile_mode_label, strength_label, back_label}) {
    lv_obj_set_style_text_font(label, font_normal, 0);
  }
  lv_obj_set_style_text_font(mode_dropdown, font_normal, 0);
  lv_obj_set_style_text_font(lv_dropdown_get_list(mode_dropdown), font_normal, 0);
  lv_obj_set_style_text_font(screen_title, font_large, 0);
  size_wheel();
}
