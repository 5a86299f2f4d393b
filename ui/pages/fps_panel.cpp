// The frame-rate limiter panel (see fps_panel.h).
//
// RTSS may have to be started before it takes a limit, which costs half a
// second; the handlers therefore hand their set_rtss_limit calls to the
// limiter's worker (request_rtss_limits) and return at once, and a short
// timer runs only while a request is out, to put its result in the caption.
// Until then the caption keeps what it said.
#include "ui/pages/fps_panel.h"

#include "hardware/fps_limiter.h"
#include "hardware/hardware_state.h"
#include "settings/storing_rule.h"
#include "ui/language.h"
#include "ui/layout.h"
#include "ui/panel_look.h"

namespace {

constexpr int32_t LIMIT_MIN = 10, LIMIT_MAX = 60;
constexpr uint32_t RESULT_POLL_MS = 20;

lv_obj_t* limiter_switch = nullptr;
lv_obj_t* caption_label = nullptr;
lv_obj_t* limit_slider = nullptr;
lv_obj_t* limit_label = nullptr;
lv_timer_t* result_timer = nullptr;
uint32_t pending_request = 0;  // the newest request whose result is not shown yet

const char* status_text(int32_t status, int32_t mode) {
  if (status != RTSS_DONE) return tr("RTSS\nNot installed", "RTSS\n没有安装");
  if (mode) return tr("FPS Limiter\nEnabled", "帧率限制\n打开");
  return tr("FPS Limiter\nDisabled", "帧率限制\n关闭");
}

void show_status() { lv_label_set_text(caption_label, status_text(rtss_status, fps_mode)); }

// Hands the calls to the worker. On an unrecognised board RTSS is left
// alone and the caption only tells on or off.
void apply_limits(const int32_t* limits, int count) {
  if (BoardModel == 0) {
    rtss_status = RTSS_DONE;
    show_status();
    return;
  }
  const uint32_t request = request_rtss_limits(limits, count);
  if (request == 0) return;  // the program is on its way out
  pending_request = request;
  lv_timer_resume(result_timer);
}

void result_tick(lv_timer_t*) {
  uint8_t status = RTSS_DONE;
  if (!rtss_request_done(pending_request, &status)) return;
  pending_request = 0;
  lv_timer_pause(result_timer);
  rtss_status = status;
  show_status();
}

void set_enabled(lv_obj_t* obj, bool enabled) {
  if (enabled) {
    lv_obj_clear_state(obj, LV_STATE_DISABLED);
  } else {
    lv_obj_add_state(obj, LV_STATE_DISABLED);
  }
}

// On or off: RTSS first gets the limit and then the limit again (on) or no
// limit (off); the second call's result is the one shown.
void switch_changed(lv_event_t* event) {
  if (lv_event_get_code(event) != LV_EVENT_VALUE_CHANGED) return;
  fps_mode = lv_obj_has_state(limiter_switch, LV_STATE_CHECKED) ? 1 : 0;
  applied_fps_limit = fps_value.load();
  const int32_t limits[] = {fps_value, fps_mode ? applied_fps_limit.load() : 0};
  apply_limits(limits, 2);
  store_committed_setting("FPSMode", fps_mode);
  set_enabled(limit_slider, fps_mode != 0);
}

void slider_event(lv_event_t* event) {
  const lv_event_code_t code = lv_event_get_code(event);
  if (code == LV_EVENT_VALUE_CHANGED) {
    fps_value = lv_slider_get_value(limit_slider);
    lv_label_set_text_fmt(limit_label, "%d FPS", int(fps_value));
  } else if (code == LV_EVENT_RELEASED) {
    applied_fps_limit = fps_value.load();
    const int32_t limits[] = {fps_value};
    apply_limits(limits, 1);
    store_committed_setting("FPSValue", fps_value);
  }
}

lv_obj_t* build_frame(lv_obj_t* parent) {
  return create_tile(parent, lv_pct(44), lv_pct(20), lv_pct(24), lv_pct(50));
}

void build_switch(lv_obj_t* panel) {
  limiter_switch = lv_switch_create(panel);
  lv_obj_set_size(limiter_switch, lv_pct(25), lv_pct(30));
  lv_obj_align(limiter_switch, LV_ALIGN_TOP_RIGHT, lv_pct(-7), lv_pct(7));
  style_on_off_switch(limiter_switch);
  lv_obj_add_event_cb(limiter_switch, switch_changed, LV_EVENT_VALUE_CHANGED, nullptr);
}

void build_slider(lv_obj_t* panel) {
  limit_slider = lv_slider_create(panel);
  lv_obj_set_size(limit_slider, lv_pct(90), lv_pct(45));
  lv_obj_align(limit_slider, LV_ALIGN_BOTTOM_MID, 0, lv_pct(-5));
  style_bar_slider(limit_slider);
  // Faded while the limiter is off.
  lv_obj_set_style_opa(limit_slider, LV_OPA_40, LV_STATE_DISABLED);

  limit_label = lv_label_create(limit_slider);
  lv_obj_set_size(limit_label, LV_SIZE_CONTENT, LV_SIZE_CONTENT);
  lv_obj_align(limit_label, LV_ALIGN_RIGHT_MID, lv_pct(-5), 0);
  lv_label_set_text_fmt(limit_label, "%d FPS", int(fps_value));
  lv_obj_set_style_text_color(limit_label, lv_color_hex(look::TEXT_GREY), 0);
  lv_obj_set_style_text_opa(limit_label, LV_OPA_COVER, 0);
  lv_obj_set_style_text_font(limit_label, font_normal, 0);

  lv_obj_add_event_cb(limit_slider, slider_event, LV_EVENT_ALL, nullptr);
  lv_slider_set_range(limit_slider, LIMIT_MIN, LIMIT_MAX);
  lv_slider_set_value(limit_slider, fps_value, LV_ANIM_OFF);
}

}  // namespace

void build_fps_panel(lv_obj_t* parent) {
  lv_obj_t* panel = build_frame(parent);
  build_switch(panel);

  caption_label = lv_label_create(panel);
  lv_obj_set_size(caption_label, LV_SIZE_CONTENT, LV_SIZE_CONTENT);
  lv_obj_align(caption_label, LV_ALIGN_TOP_LEFT, lv_pct(7), lv_pct(7));
  lv_label_set_text(caption_label, tr("FPS\nLimiter", "帧率\n限制"));
  lv_obj_set_style_text_color(caption_label, lv_color_hex(look::TEXT_GREY), 0);
  lv_obj_set_style_text_opa(caption_label, LV_OPA_COVER, 0);
  lv_obj_set_style_text_font(caption_label, font_normal, 0);

  build_slider(panel);
  pending_request = 0;
  result_timer = lv_timer_create(result_tick, RESULT_POLL_MS, nullptr);
  lv_timer_pause(result_timer);

  const bool on = fps_mode != 0;
  if (on) {
    lv_obj_add_state(limiter_switch, LV_STATE_CHECKED);
  } else {
    lv_obj_clear_state(limiter_switch, LV_STATE_CHECKED);
  }
  set_enabled(limit_slider, on);
  lv_event_send(limiter_switch, LV_EVENT_VALUE_CHANGED, nullptr);
  lv_event_send(limit_slider, LV_EVENT_VALUE_CHANGED, nullptr);
  if (on) lv_event_send(limit_slider, LV_EVENT_RELEASED, nullptr);
}

void relayout_fps_panel() {
  if (!caption_label) return;  // not built (a test panel without it)
  lv_obj_set_style_text_font(caption_label, font_normal, 0);
  lv_obj_set_style_text_font(limit_label, font_normal, 0);
}
