#include "shell/ime_caret.h"

std::atomic<uint64_t> ime_caret{0};

namespace {
constexpr uint64_t CARET_VALID = uint64_t(1) << 32;
}

bool focused_text_cursor(lv_point_t* out) {
  lv_group_t* group = lv_group_get_default();
  lv_obj_t* focused = group ? lv_group_get_focused(group) : nullptr;
  if (!focused) return false;
  lv_obj_t* text_area = nullptr;
  if (lv_obj_check_type(focused, &lv_textarea_class)) text_area = focused;
  if (lv_obj_check_type(focused, &lv_keyboard_class)) text_area = lv_keyboard_get_textarea(focused);
  if (!text_area) return false;
  lv_obj_t* label = lv_textarea_get_label(text_area);
  lv_point_t cursor = {0, 0};
  lv_label_get_letter_pos(label, lv_textarea_get_cursor_pos(text_area), &cursor);
  out->x = lv_coord_t(label->coords.x1 + cursor.x);
  out->y = lv_coord_t(label->coords.y1 + cursor.y);
  return true;
}

void publish_ime_caret() {
  lv_point_t point;
  uint64_t packed = 0;
  if (focused_text_cursor(&point)) {
    packed = CARET_VALID | (uint64_t(uint16_t(point.y)) << 16) | uint16_t(point.x);
  }
  ime_caret.store(packed);
}

bool read_ime_caret(int32_t* x, int32_t* y) {
  uint64_t packed = ime_caret.load();
  if (!(packed & CARET_VALID)) return false;
  *x = int16_t(packed & 0xFFFF);
  *y = int16_t((packed >> 16) & 0xFFFF);
  return true;
}
