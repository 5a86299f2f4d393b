// The settings screen (see settings_screen.h).
//
// The volume and brightness sliders act on Windows directly and follow it:
// what Windows last reported (or accepted) is kept in volume_percent and
// brightness_percent, so a handler writes only a value Windows does not have
// yet, and the sync moves a slider only when Windows reports something else.
// That keeps the sync from writing every outside change straight back, and a
// slider under a finger from being pulled back to the value just written.
#include "ui/pages/settings_screen.h"

#include <atomic>
#include <initializer_list>

#include "hardware/brightness_volume.h"
#include "hardware/hardware_state.h"
#include "settings/storing_rule.h"
#include "ui/language.h"
#include "ui/layout.h"
#include "ui/panel_look.h"
#include "ui/panel_state.h"
#include "ui/screens.h"
#include "update/autostart.h"
#include "update/program_version.h"

namespace {

// After a read that Windows did not answer (no audio device, no brightness
// provider) the sync waits this many ticks before asking again: the answer
// rarely changes, and asking costs a WMI query or a Core Audio walk each
// time.
constexpr int32_t SYNC_RETRY_TICKS = 20;

// A slider drawn as a filled bar, with its name on the left and its value on
// the right inside it.
struct QuickSlider {
  lv_obj_t* slider;
  lv_obj_t* name;
  lv_obj_t* value;
};

// One slider that follows a value Windows holds.
struct SystemSlider {
  QuickSlider view;
  int (*read)(int32_t* value);
  int (*write)(int32_t value);
  std::atomic<int32_t>* shown;  // what Windows last reported or accepted
  int32_t retry_wait;           // sync ticks left before the next read
};

lv_obj_t* title_label = nullptr;
lv_obj_t* update_label = nullptr;
lv_obj_t* autostart_label = nullptr;
lv_obj_t* autostart_switch = nullptr;
lv_obj_t* back_label = nullptr;
SystemSlider volume = {{}, read_volume, write_volume, &volume_percent, 0};
SystemSlider brightness = {{}, read_brightness, write_brightness, &brightness_percent, 0};
QuickSlider opacity = {};

void show_percent(const QuickSlider& view, int32_t percent) {
  lv_label_set_text_fmt(view.value, "%d%%", int(percent));
}

// Volume and brightness. A change shows on the label at once, then goes to
// Windows, so the label never waits for the system. When the finger lets go
// of a value Windows refused, the slider goes back to the value Windows
// holds rather than claim one that is not in force.
void system_slider_event(lv_event_t* event) {
  const lv_event_code_t code = lv_event_get_code(event);
  SystemSlider* target = static_cast<SystemSlider*>(lv_event_get_user_data(event));
  const int32_t value = lv_slider_get_value(target->view.slider);
  if (code == LV_EVENT_VALUE_CHANGED) {
    show_percent(target->view, value);
    if (value != *target->shown && target->write(value)) *target->shown = value;
  } else if (code == LV_EVENT_RELEASED && *target->shown >= 0 && value != *target->shown) {
    lv_slider_set_value(target->view.slider, *target->shown, LV_ANIM_ON);
    show_percent(target->view, *target->shown);
  }
}

// Every step of a drag reaches the window and the registry, so the panel's
// look and the stored value never part.
void opacity_changed(lv_event_t* event) {
  if (lv_event_get_code(event) != LV_EVENT_VALUE_CHANGED) return;
  const int32_t value = lv_slider_get_value(opacity.slider);
  opacity_value = value;
  show_percent(opacity, opacity_to_percent(value));
  panel_opacity = opacity_to_alpha(value);
  if (host_services.set_window_alpha) host_services.set_window_alpha(panel_opacity);
  store_committed_setting("Opacity", value);
}

void autostart_changed(lv_event_t* event) {
  if (lv_event_get_code(event) != LV_EVENT_VALUE_CHANGED) return;
  autostart_wanted = lv_obj_has_state(autostart_switch, LV_STATE_CHECKED) ? 1 : 0;
  if (autostart_wanted) {
    register_autostart_task();
  } else {
    remove_autostart_task();
  }
  store_committed_setting("AutoStart", autostart_wanted);
}

// "Check Update" is in place; the check it starts comes with the updater.
void check_update_clicked(lv_event_t*) {}

lv_obj_t* slider_label(lv_obj_t* slider, lv_align_t align, lv_coord_t x, const char* text) {
  lv_obj_t* label = lv_label_create(slider);
  lv_obj_set_size(label, LV_SIZE_CONTENT, LV_SIZE_CONTENT);
  lv_obj_align(label, align, x, 0);
  lv_obj_set_style_text_font(label, font_normal, 0);
  lv_obj_set_style_text_color(label, lv_color_hex(look::TEXT_GREY), 0);
  lv_label_set_text(label, text);
  return label;
}

// 90 % x 8 %, the knob invisible: the indicator alone shows the value.
QuickSlider create_quick_slider(lv_coord_t y, const char* name, int32_t min, int32_t max,
                                lv_event_cb_t handler, void* user_data) {
  lv_obj_t* slider = lv_slider_create(settings_screen);
  lv_obj_set_size(slider, lv_pct(90), lv_pct(8));
  lv_obj_align(slider, LV_ALIGN_TOP_MID, 0, y);
  style_bar_slider(slider);
  lv_obj_add_event_cb(slider, handler, LV_EVENT_ALL, user_data);
  lv_slider_set_range(slider, min, max);
  QuickSlider view = {slider, slider_label(slider, LV_ALIGN_LEFT_MID, lv_pct(5), name),
                      slider_label(slider, LV_ALIGN_RIGHT_MID, lv_pct(-5), "0%")};
  return view;
}

// The start value, bounded by the range, applied the way a user's change
// would be.
void apply_initial_value(lv_obj_t* slider, int32_t value) {
  lv_slider_set_value(slider, value, LV_ANIM_OFF);
  lv_event_send(slider, LV_EVENT_VALUE_CHANGED, nullptr);
  lv_event_send(slider, LV_EVENT_RELEASED, nullptr);
}

void build_system_slider(SystemSlider* target, lv_coord_t y, const char* name) {
  target->view = create_quick_slider(y, name, 0, 100, system_slider_event, target);
  target->retry_wait = 0;
  // Only a value Windows gave is applied: one it did not give (no audio
  // device, no brightness provider) would otherwise go out as 0 and mute the
  // speakers or darken the screen.
  if (*target->shown >= 0) apply_initial_value(target->view.slider, *target->shown);
}

void sync_system_slider(SystemSlider* target) {
  if (target->retry_wait > 0) {
    --target->retry_wait;
    return;
  }
  if (lv_obj_has_state(target->view.slider, LV_STATE_PRESSED)) return;
  int32_t value = 0;
  if (!target->read(&value)) {
    target->retry_wait = SYNC_RETRY_TICKS;
    return;
  }
  if (value == *target->shown) return;
  *target->shown = value;
  lv_slider_set_value(target->view.slider, value, LV_ANIM_ON);
  lv_event_send(target->view.slider, LV_EVENT_VALUE_CHANGED, nullptr);
}

lv_obj_t* screen_button(lv_coord_t y, const char* text, lv_event_cb_t clicked) {
  lv_obj_t* button = lv_btn_create(settings_screen);
  lv_obj_set_size(button, LV_SIZE_CONTENT, LV_SIZE_CONTENT);
  lv_obj_align(button, LV_ALIGN_TOP_MID, 0, y);
  style_grey_button(button);
  lv_obj_add_event_cb(button, clicked, LV_EVENT_ALL, nullptr);
  lv_obj_t* label = lv_label_create(button);
  lv_obj_set_style_text_font(label, font_message, 0);
  lv_label_set_text(label, text);
  lv_obj_center(label);
  return label;
}

void build_autostart_switch() {
  autostart_label = lv_label_create(settings_screen);
  lv_obj_set_style_text_font(autostart_label, font_message, 0);
  lv_label_set_text(autostart_label, tr("Launch TMX on Start up", "开机启动TMX"));
  lv_obj_align(autostart_label, LV_ALIGN_TOP_MID, 0, lv_pct(25));

  autostart_switch = lv_switch_create(settings_screen);
  lv_obj_set_size(autostart_switch, lv_pct(10), lv_pct(5));
  lv_obj_align(autostart_switch, LV_ALIGN_TOP_MID, 0, lv_pct(30));
  style_on_off_switch(autostart_switch);
  lv_obj_add_event_cb(autostart_switch, autostart_changed, LV_EVENT_VALUE_CHANGED, nullptr);
}

}  // namespace

void build_settings_screen() {
  lv_obj_clear_flag(settings_screen, LV_OBJ_FLAG_SCROLLABLE);
  lv_obj_set_style_bg_color(settings_screen, lv_color_hex(look::SCREEN_BLACK), 0);

  title_label = lv_label_create(settings_screen);
  lv_obj_set_style_text_font(title_label, font_large, 0);
  lv_obj_set_style_text_align(title_label, LV_TEXT_ALIGN_CENTER, 0);
  lv_label_set_text_fmt(title_label, tr("Vexa Control Center\nV%d.%d.%d.%d", "Vexa 控制中心\nV%d.%d.%d.%d"),
                        VEXA_VERSION_MAJOR, VEXA_VERSION_MINOR, VEXA_VERSION_BUILD,
                        VEXA_VERSION_REVISION);
  lv_obj_align(title_label, LV_ALIGN_TOP_MID, 0, lv_pct(2));

  update_label = screen_button(lv_pct(15), tr("Check Update", "检查更新"), check_update_clicked);
  build_autostart_switch();
  back_label = screen_button(lv_pct(90), tr("Back", "返回"), back_to_main_screen);

  if (autostart_wanted) {
    lv_obj_add_state(autostart_switch, LV_STATE_CHECKED);
  } else {
    lv_obj_clear_state(autostart_switch, LV_STATE_CHECKED);
  }

  build_system_slider(&volume, lv_pct(55), tr("Volume", "声音"));
  build_system_slider(&brightness, lv_pct(65), tr("Brightness", "亮度"));
  opacity = create_quick_slider(lv_pct(75), tr("Opacity", "透明度"), 70, 250, opacity_changed,
                                nullptr);
  apply_initial_value(opacity.slider, opacity_value);

  lv_event_send(autostart_switch, LV_EVENT_VALUE_CHANGED, nullptr);
}

// Safe before the screen is built (a test display holding only some pages).
void relayout_settings_screen() {
  if (!title_label) return;
  lv_obj_set_style_text_font(title_label, font_large, 0);
  for (lv_obj_t* label : {update_label, autostart_label, back_label}) {
    lv_obj_set_style_text_font(label, font_message, 0);
  }
  for (const QuickSlider* view : {&volume.view, &brightness.view, &opacity}) {
    lv_obj_set_style_text_font(view->name, font_normal, 0);
    lv_obj_set_style_text_font(view->value, font_normal, 0);
  }
}

void quick_sliders_sync_tick() {
  if (!panel_visible || !layout_ready) return;
  sync_system_slider(&volume);
  sync_system_slider(&brightness);
}

void open_settings_screen(lv_event_t* event) {
  if (lv_event_get_code(event) == LV_EVENT_CLICKED) open_sub_screen(settings_screen);
}
