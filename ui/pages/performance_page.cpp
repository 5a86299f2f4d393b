// The performance page (see performance_page.h).
//
// The values in force live in hardware/power.h (tdp_watts, cpu_max_percent,
// gpu_clock_mhz, boost_on) and hardware_state.h (gpu_auto), where the resume
// path on the window thread reads them too. Only this file touches the
// page's widgets. Sliders and the dial show a value while they move and apply
// and store it on release; the switches apply and store on every change.
#include "ui/pages/performance_page.h"

#include <algorithm>
#include <initializer_list>

#include "hardware/hardware_state.h"
#include "hardware/power.h"
#include "settings/settings_store.h"
#include "settings/storing_rule.h"
#include "ui/assets/performance/performance_images.h"
#include "ui/layout.h"
#include "ui/panel_look.h"
#include "ui/panel_state.h"
#include "ui/performance_rules.h"
#include "ui/screens.h"

namespace {

lv_obj_t* page = nullptr;
lv_obj_t* base_picture = nullptr;
lv_obj_t* cpu_picture = nullptr;
lv_obj_t* gpu_picture = nullptr;
lv_obj_t* boost_switch = nullptr;
lv_obj_t* gpu_auto_switch = nullptr;
lv_obj_t* tdp_meter = nullptr;
lv_meter_scale_t* tdp_scale = nullptr;
lv_meter_indicator_t* tdp_arc_indicator = nullptr;
lv_meter_indicator_t* tdp_needle = nullptr;
lv_obj_t* tdp_label = nullptr;
lv_obj_t* cpu_label = nullptr;
lv_obj_t* gpu_label = nullptr;
lv_obj_t* cpu_slider = nullptr;
lv_obj_t* tdp_arc = nullptr;
lv_obj_t* gpu_slider = nullptr;
lv_obj_t* settings_icon = nullptr;

// The live clock last shown while the GPU clock is automatic.
int32_t gpu_clock_display = 0;
// Clear while the user holds the processor-state slider: the outside-change
// sync then leaves it alone, so a value set elsewhere cannot snatch it from
// under the finger. Only the user's press clears it (a value change sent by
// code, as the sync's own, does not).
bool cpu_slider_idle = true;

void send(lv_obj_t* obj, lv_event_code_t code) { lv_event_send(obj, code, nullptr); }

// --- handlers -------------------------------------------------------------

void tdp_arc_event(lv_event_t* event) {
  lv_event_code_t code = lv_event_get_code(event);
  if (code == LV_EVENT_VALUE_CHANGED) {
    tdp_watts = lv_arc_get_value(tdp_arc);
    lv_meter_set_indicator_value(tdp_meter, tdp_needle, tdp_watts);
    lv_meter_set_indicator_end_value(tdp_meter, tdp_arc_indicator, tdp_watts);
    lv_label_set_text_fmt(tdp_label, "%d", int(tdp_watts));
  } else if (code == LV_EVENT_RELEASED) {
    apply_power_limit();
    store_committed_setting("TDP", tdp_watts);
  }
}

void cpu_slider_event(lv_event_t* event) {
  lv_event_code_t code = lv_event_get_code(event);
  if (code == LV_EVENT_PRESSED) {
    cpu_slider_idle = false;
  } else if (code == LV_EVENT_VALUE_CHANGED) {
    if (lv_obj_has_state(cpu_slider, LV_STATE_PRESSED)) cpu_slider_idle = false;
    cpu_max_percent = lv_slider_get_value(cpu_slider);
    lv_label_set_text_fmt(cpu_label, "%d", int(cpu_max_percent));
    lv_obj_set_style_img_recolor_opa(
        cpu_picture, lv_opa_t(overlay_fade(cpu_max_percent, CPU_PERCENT_MIN, CPU_PERCENT_MAX)), 0);
  } else if (code == LV_EVENT_RELEASED) {
    write_scheme_value(SCHEME_MAX_PROCESSOR_STATE, uint32_t(cpu_max_percent.load()));
    store_committed_setting("CPU", cpu_max_percent);
    cpu_slider_idle = true;
  }
  // Sliding off the slider (PRESS_LOST) keeps the press: it stays held until
  // the finger comes up, and RELEASED comes then as always.
}

void gpu_slider_event(lv_event_t* event) {
  lv_event_code_t code = lv_event_get_code(event);
  if (code == LV_EVENT_VALUE_CHANGED) {
    int32_t clock = lv_slider_get_value(gpu_slider) * GPU_SLIDER_STEP_MHZ;
    // While automatic the slider only shows the live clock; the fixed clock
    // waits for the day the user turns automatic mode off.
    if (gpu_auto) {
      gpu_clock_display = clock;
    } else {
      gpu_clock_mhz = clock;
    }
    lv_label_set_text_fmt(gpu_label, "%d", int(clock));
    lv_obj_set_style_img_recolor_opa(
        gpu_picture, lv_opa_t(overlay_fade(clock, gpu_min_mhz, gpu_max_mhz)), 0);
  } else if (code == LV_EVENT_RELEASED && !gpu_auto) {
    apply_gpu_clock();
    store_committed_setting("GPU", gpu_clock_mhz);
  }
}

void boost_switch_event(lv_event_t*) {
  boost_on = lv_obj_has_state(boost_switch, LV_STATE_CHECKED) ? 1 : 0;
  write_scheme_value(SCHEME_BOOST_MODE, uint32_t(boost_on.load()));
  store_committed_setting("Boost", boost_on);
}

// Shows gpu_clock_mhz on the slider (held to its range) and sends it the
// events of a release there: with a fixed clock that applies it, while
// automatic it only updates the shown value.
void show_fixed_clock_on_slider() {
  lv_slider_set_value(gpu_slider, gpu_slider_position(gpu_clock_mhz), LV_ANIM_ON);
  send(gpu_slider, LV_EVENT_VALUE_CHANGED);
  send(gpu_slider, LV_EVENT_RELEASED);
}

void gpu_auto_switch_event(lv_event_t*) {
  bool checked = lv_obj_has_state(gpu_auto_switch, LV_STATE_CHECKED);
  switch (gpu_auto_switch_step(gpu_auto, checked)) {
    case GpuAutoStep::ASK_FIRST:
      // The switch stays on, the clock stays fixed until the dialog answers.
      lv_scr_load_anim(gpu_auto_screen, LV_SCR_LOAD_ANIM_OVER_BOTTOM, SCREEN_ANIM_TIME, 0, false);
      return;
    case GpuAutoStep::FIXED_CLOCK:
      gpu_auto = 0;
      lv_obj_clear_state(gpu_slider, LV_STATE_DISABLED);
      show_fixed_clock_on_slider();
      break;
    case GpuAutoStep::AUTOMATIC:
      gpu_auto = 1;
      lv_obj_add_state(gpu_slider, LV_STATE_DISABLED);
      break;
  }
  store_setting("GPUAuto", gpu_auto);
}

void settings_icon_event(lv_event_t*) { open_sub_screen(settings_screen); }

// --- building ----------------------------------------------------------------

lv_obj_t* picture(const lv_img_dsc_t* image, bool tinted) {
  lv_obj_t* img = lv_img_create(page);
  lv_img_set_src(img, image);
  lv_obj_set_size(img, LV_SIZE_CONTENT, LV_SIZE_CONTENT);
  lv_obj_align(img, LV_ALIGN_CENTER, 0, 0);
  lv_obj_add_flag(img, LV_OBJ_FLAG_ADV_HITTEST);
  lv_obj_clear_flag(img, LV_OBJ_FLAG_SCROLLABLE);
  lv_img_set_zoom(img, uint16_t(layout_zoom));
  // A faded picture is tinted towards the page's own grey.
  if (tinted) lv_obj_set_style_img_recolor(img, lv_color_hex(look::PANEL_GREY), 0);
  return img;
}

lv_obj_t* page_switch(lv_coord_t x, lv_event_cb_t handler) {
  lv_obj_t* sw = lv_switch_create(page);
  lv_obj_set_size(sw, lv_pct(10), lv_pct(10));
  lv_obj_align(sw, LV_ALIGN_CENTER, x, lv_pct(-35));
  style_on_off_switch(sw);
  lv_obj_add_event_cb(sw, handler, LV_EVENT_VALUE_CHANGED, nullptr);
  return sw;
}

void build_tdp_meter() {
  tdp_meter = lv_meter_create(page);
  lv_obj_align(tdp_meter, LV_ALIGN_CENTER, 0, 0);
  lv_obj_set_size(tdp_meter, lv_coord_t(layout_dial), lv_coord_t(layout_dial));
  lv_obj_set_style_bg_opa(tdp_meter, LV_OPA_TRANSP, LV_PART_MAIN);
  lv_obj_set_style_bg_opa(tdp_meter, LV_OPA_TRANSP, LV_PART_INDICATOR);
  lv_obj_set_style_border_side(tdp_meter, LV_BORDER_SIDE_NONE, LV_PART_MAIN);
  tdp_scale = lv_meter_add_scale(tdp_meter);
  lv_meter_set_scale_ticks(tdp_meter, tdp_scale, 21, 2, 6, lv_color_hex(0x9E9E9E));
  lv_meter_set_scale_major_ticks(tdp_meter, tdp_scale, 2, 4, 12, lv_color_hex(0x000000), 10);
  lv_meter_set_scale_range(tdp_meter, tdp_scale, tdp_min, tdp_max, 270, 135);
  const lv_color_t accent = lv_color_hex(look::ACCENT_RED);
  tdp_arc_indicator = lv_meter_add_arc(tdp_meter, tdp_scale, 8, accent, 0);
  tdp_needle = lv_meter_add_needle_line(tdp_meter, tdp_scale, 4, accent, -10);
}

lv_obj_t* value_label(lv_coord_t x, lv_coord_t y, const char* text) {
  lv_obj_t* label = lv_label_create(page);
  lv_obj_set_size(label, LV_SIZE_CONTENT, LV_SIZE_CONTENT);
  lv_obj_align(label, LV_ALIGN_CENTER, x, y);
  lv_label_set_text(label, text);
  lv_obj_set_style_text_font(label, font_digits, 0);
  return label;
}

// A slider that takes input over a gauge without being seen.
lv_obj_t* invisible_slider(lv_coord_t width, lv_coord_t x, lv_base_dir_t direction) {
  lv_obj_t* slider = lv_slider_create(page);
  lv_obj_set_size(slider, width, lv_pct(20));
  lv_obj_align(slider, LV_ALIGN_CENTER, x, lv_pct(27));
  lv_obj_set_style_base_dir(slider, direction, 0);
  const struct {
    lv_part_t part;
    uint32_t colour;
  } parts[] = {{LV_PART_MAIN, look::CONTROL_GREY},
               {LV_PART_INDICATOR, look::FILL_GREY},
               {LV_PART_KNOB, look::TEXT_GREY}};
  for (const auto& p : parts) {
    lv_obj_set_style_bg_color(slider, lv_color_hex(p.colour), p.part);
    lv_obj_set_style_bg_opa(slider, LV_OPA_TRANSP, p.part);
  }
  lv_obj_add_event_cb(slider, direction == LV_BASE_DIR_RTL ? cpu_slider_event : gpu_slider_event,
                      LV_EVENT_ALL, nullptr);
  return slider;
}

void build_tdp_arc() {
  tdp_arc = lv_arc_create(page);
  lv_obj_set_size(tdp_arc, lv_coord_t(layout_inner_dial), lv_coord_t(layout_inner_dial));
  lv_obj_align(tdp_arc, LV_ALIGN_CENTER, 0, 0);
  lv_arc_set_rotation(tdp_arc, 135);
  lv_arc_set_bg_angles(tdp_arc, 0, 270);
  lv_group_add_obj(lv_group_get_default(), tdp_arc);
  // Only the ring takes presses. The dial's square reaches over the right
  // end of the processor slider (created before it, so beneath it), where a
  // touch meant for the processor state would otherwise turn the power
  // limit.
  lv_obj_add_flag(tdp_arc, LV_OBJ_FLAG_ADV_HITTEST);
  lv_obj_set_style_bg_opa(tdp_arc, LV_OPA_TRANSP, LV_PART_KNOB);
  lv_obj_set_style_bg_opa(tdp_arc, LV_OPA_COVER, LV_PART_KNOB | LV_STATE_FOCUS_KEY);
  lv_obj_set_style_arc_opa(tdp_arc, LV_OPA_TRANSP, LV_PART_MAIN);
  lv_obj_set_style_arc_opa(tdp_arc, LV_OPA_TRANSP, LV_PART_INDICATOR);
  lv_obj_set_style_arc_rounded(tdp_arc, false, LV_PART_INDICATOR);
  lv_arc_set_range(tdp_arc, int16_t(tdp_min), int16_t(tdp_max));
  lv_arc_set_value(tdp_arc, int16_t(tdp_watts));
  lv_obj_add_event_cb(tdp_arc, tdp_arc_event, LV_EVENT_ALL, nullptr);
}

void build_settings_icon() {
  settings_icon = lv_img_create(page);
  lv_img_set_src(settings_icon, performance_image_settings());
  lv_obj_set_size(settings_icon, LV_SIZE_CONTENT, LV_SIZE_CONTENT);
  lv_obj_add_flag(settings_icon, LV_OBJ_FLAG_ADV_HITTEST);
  lv_obj_add_flag(settings_icon, LV_OBJ_FLAG_CLICKABLE);
  lv_obj_clear_flag(settings_icon, LV_OBJ_FLAG_SCROLLABLE);
  lv_obj_align(settings_icon, LV_ALIGN_CENTER, 0, lv_pct(20));
  lv_img_set_zoom(settings_icon, uint16_t(layout_zoom));
  lv_obj_add_event_cb(settings_icon, settings_icon_event, LV_EVENT_CLICKED, nullptr);
}

// The stored values on the controls, without animation; the value labels,
// needle and tints follow from the events sent afterwards.
void show_stored_values() {
  if (boost_on) lv_obj_add_state(boost_switch, LV_STATE_CHECKED);
  if (gpu_auto) lv_obj_add_state(gpu_auto_switch, LV_STATE_CHECKED);
  lv_arc_set_value(tdp_arc, int16_t(std::min(std::max(tdp_watts.load(), -32768), 32767)));
  lv_slider_set_value(cpu_slider, cpu_max_percent, LV_ANIM_OFF);
  lv_slider_set_value(gpu_slider, gpu_slider_position(gpu_clock_mhz), LV_ANIM_OFF);
}

}  // namespace

void build_performance_page(lv_obj_t* parent) {
  gpu_clock_display = 0;
  cpu_slider_idle = true;
  page = lv_obj_create(parent);
  lv_obj_set_size(page, lv_coord_t(layout_page_width), lv_coord_t(layout_page_height));
  lv_obj_align(page, LV_ALIGN_TOP_MID, 0, lv_pct(6));
  lv_obj_clear_flag(page, LV_OBJ_FLAG_SCROLLABLE);
  lv_obj_set_style_bg_color(page, lv_color_hex(look::PANEL_GREY), 0);
  lv_obj_set_style_bg_opa(page, LV_OPA_COVER, 0);
  lv_obj_set_style_border_side(page, LV_BORDER_SIDE_NONE, 0);

  base_picture = picture(performance_image_gauge_base(), false);
  cpu_picture = picture(performance_image_gauge_cpu(), true);
  gpu_picture = picture(performance_image_gauge_gpu(), true);
  boost_switch = page_switch(lv_pct(-33), boost_switch_event);
  gpu_auto_switch = page_switch(lv_pct(33), gpu_auto_switch_event);
  build_tdp_meter();
  tdp_label = value_label(lv_pct(-3), lv_pct(-4), "28");
  cpu_label = value_label(lv_pct(-36), lv_pct(-2), "99");
  gpu_label = value_label(lv_pct(36), lv_pct(-2), "2200");
  cpu_slider = invisible_slider(lv_pct(35), lv_pct(-36), LV_BASE_DIR_RTL);
  lv_slider_set_range(cpu_slider, CPU_PERCENT_MIN, CPU_PERCENT_MAX);
  build_tdp_arc();
  gpu_slider = invisible_slider(lv_pct(30), lv_pct(36), LV_BASE_DIR_LTR);
  SliderRange gpu_range = gpu_slider_range(gpu_min_mhz, gpu_max_mhz);
  lv_slider_set_range(gpu_slider, gpu_range.min, gpu_range.max);
  show_stored_values();
  build_settings_icon();

  // The stored settings go to the hardware once, through the same handlers
  // as the user's touch.
  for (lv_obj_t* control : {tdp_arc, cpu_slider, gpu_slider, boost_switch, gpu_auto_switch}) {
    send(control, LV_EVENT_VALUE_CHANGED);
  }
  for (lv_obj_t* control : {tdp_arc, cpu_slider, gpu_slider}) send(control, LV_EVENT_RELEASED);
  remember_power_source();
}

void relayout_performance_page() {
  if (!page) return;  // not built (a test building other pages only)
  lv_obj_set_size(page, lv_coord_t(layout_page_width), lv_coord_t(layout_page_height));
  lv_obj_set_size(tdp_meter, lv_coord_t(layout_dial), lv_coord_t(layout_dial));
  // The scale's numbers shrink with the dial: the normal font of the tier,
  // not the theme's, which keeps the widest tier's.
  lv_obj_set_style_text_font(tdp_meter, font_normal, 0);
  lv_obj_set_size(tdp_arc, lv_coord_t(layout_inner_dial), lv_coord_t(layout_inner_dial));
  for (lv_obj_t* img : {base_picture, cpu_picture, gpu_picture, settings_icon}) {
    lv_img_set_zoom(img, uint16_t(layout_zoom));
  }
  for (lv_obj_t* label : {tdp_label, cpu_label, gpu_label}) {
    lv_obj_set_style_text_font(label, font_digits, 0);
  }
}

void performance_sync_tick() {
  if (!page || !panel_visible || !layout_ready) return;
  uint32_t ac = 0, dc = 0;
  // The DC value is read with it, but the slider shows the AC one.
  if (read_scheme_value(SCHEME_MAX_PROCESSOR_STATE, &ac, &dc) &&
      cpu_slider_follows_scheme(ac, cpu_max_percent, cpu_slider_idle)) {
    // Shown, not written back: the scheme already holds it.
    lv_slider_set_value(cpu_slider, int32_t(std::min<uint32_t>(ac, CPU_PERCENT_MAX)), LV_ANIM_ON);
    send(cpu_slider, LV_EVENT_VALUE_CHANGED);
  }
  if (read_scheme_value(SCHEME_BOOST_MODE, &ac, &dc)) {
    int32_t on = boost_from_scheme(ac, dc);
    if (on != boost_on) {
      boost_on = on;
      if (on) {
        lv_obj_add_state(boost_switch, LV_STATE_CHECKED);
      } else {
        lv_obj_clear_state(boost_switch, LV_STATE_CHECKED);
      }
    }
  }
  // Brightness and volume join this tick with the settings screen's sliders.
}

void gpu_clock_display_tick() {
  if (!page || !panel_visible || !layout_ready || !gpu_auto) return;
  int32_t live = live_gpu_clock;
  if (live == gpu_clock_display) return;
  gpu_clock_display = live;
  lv_slider_set_value(gpu_slider, gpu_slider_position(live), LV_ANIM_ON);
  send(gpu_slider, LV_EVENT_VALUE_CHANGED);
  send(gpu_slider, LV_EVENT_RELEASED);
}

void confirm_automatic_gpu_clock(bool reload) {
  gpu_auto = 1;
  lv_obj_add_state(gpu_slider, LV_STATE_DISABLED);
  lv_obj_add_state(gpu_auto_switch, LV_STATE_CHECKED);
  store_setting("GPUAuto", 1);
  if (reload) {
    // The toolkit thread waits out the restart (a good second and a half);
    // the panel shows the dialog meanwhile.
    restart_display_for_automatic_clock();
    show_fixed_clock_on_slider();
  }
  lv_scr_load_anim(main_screen, LV_SCR_LOAD_ANIM_OUT_TOP, SCREEN_ANIM_TIME, 0, false);
}
