// What the page tests share for reaching widgets: finding them by type or
// text under a screen, and touching them the way a finger would. Needs only
// the toolkit and the test display.
#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "test_display.h"

namespace page_test {

inline void collect(lv_obj_t* root, const lv_obj_class_t* type, std::vector<lv_obj_t*>* found) {
  for (uint32_t i = 0; i < lv_obj_get_child_cnt(root); ++i) {
    lv_obj_t* child = lv_obj_get_child(root, int32_t(i));
    if (lv_obj_check_type(child, type)) found->push_back(child);
    collect(child, type, found);
  }
}

// Every widget of a type under root, in creation order.
inline std::vector<lv_obj_t*> all_of(lv_obj_t* root, const lv_obj_class_t* type) {
  std::vector<lv_obj_t*> found;
  collect(root, type, &found);
  return found;
}

// The only widget of a type under root, or null when there is none or more.
inline lv_obj_t* the_one(lv_obj_t* root, const lv_obj_class_t* type) {
  std::vector<lv_obj_t*> found = all_of(root, type);
  return found.size() == 1 ? found[0] : nullptr;
}

inline lv_obj_t* label_with_text(lv_obj_t* root, const std::string& text) {
  for (lv_obj_t* label : all_of(root, &lv_label_class)) {
    if (text == lv_label_get_text(label)) return label;
  }
  return nullptr;
}

inline std::string text_of(lv_obj_t* label) {
  return label ? lv_label_get_text(label) : "<none>";
}

inline bool disabled(lv_obj_t* obj) { return lv_obj_has_state(obj, LV_STATE_DISABLED); }

// The middle of obj's area as last laid out (no layout is run first: a
// test in the middle of a drag wants the coordinates as they stand).
inline lv_point_t centre_of(lv_obj_t* obj) {
  lv_area_t area;
  lv_obj_get_coords(obj, &area);
  return {lv_coord_t((area.x1 + area.x2) / 2), lv_coord_t((area.y1 + area.y2) / 2)};
}

// Taps the middle of obj (or a point at fractions fx, fy of its area) as a
// finger would, then runs the clock for `after_ms` (600 lets a screen change
// finish).
inline void tap(TestDisplay* display, lv_obj_t* obj, double fx = 0.5, double fy = 0.5,
                uint32_t after_ms = 60) {
  ASSERT_NE(obj, nullptr);
  lv_obj_update_layout(obj);
  lv_area_t area;
  lv_obj_get_coords(obj, &area);
  const lv_coord_t x = lv_coord_t(area.x1 + fx * (area.x2 - area.x1));
  const lv_coord_t y = lv_coord_t(area.y1 + fy * (area.y2 - area.y1));
  display->click(x, y);
  display->advance(after_ms);
}

// Taps a slider where a finger finds `value`: a first guess from the
// slider's width, then a pixel at a time towards it, as one nudges a
// slider until its number reads right. Each tap is a full press and
// release. False when no pixel gives the value.
inline bool tap_slider_to(TestDisplay* display, lv_obj_t* slider, int32_t value) {
  lv_obj_update_layout(slider);
  lv_area_t area;
  lv_obj_get_coords(slider, &area);
  const int32_t low = lv_slider_get_min_value(slider), high = lv_slider_get_max_value(slider);
  const lv_coord_t y = lv_coord_t((area.y1 + area.y2) / 2);
  lv_coord_t x = lv_coord_t(area.x1 + (area.x2 - area.x1) * (value - low) / (high - low));
  for (int attempt = 0; attempt < 40; ++attempt) {
    display->click(x, y);
    display->advance(50);
    const int32_t now = lv_slider_get_value(slider);
    if (now == value) return true;
    x = lv_coord_t(x + (now < value ? 1 : -1));
    if (x < area.x1 || x > area.x2) return false;
  }
  return false;
}

// Runs the display's clock in 20 ms steps until `done` holds, for at most
// five seconds of real time: for results that come from another thread.
inline bool advance_until(TestDisplay* display, const std::function<bool()>& done) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (!done()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    display->advance(20);
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

}  // namespace page_test
