// Pointer, touch, keypad and input-method handling of the overlay window.
#include <windows.h>

#include <vector>

#include "shell/char_input.h"
#include "shell/gamepad.h"
#include "shell/ime_caret.h"
#include "shell/key_queue.h"
#include "shell/keypad_input.h"
#include "shell/window_host.h"

std::atomic<uint32_t> pointer_point{0};
std::atomic<int32_t> pointer_pressed{0};

namespace {
Utf16Decoder char_decoder;  // window thread only
KeypadSource keypad_source = {gamepad_step, {}};  // toolkit thread only
}

void pointer_read(lv_indev_drv_t*, lv_indev_data_t* data) {
  uint32_t point = pointer_point;
  data->point.x = lv_coord_t(int16_t(point & 0xFFFF));
  data->point.y = lv_coord_t(int16_t(point >> 16));
  data->state = pointer_pressed ? LV_INDEV_STATE_PRESSED : LV_INDEV_STATE_RELEASED;
}

void keypad_read(lv_indev_drv_t*, lv_indev_data_t* data) {
  read_keypad(data, lv_tick_get(), &keypad_source);
}

bool controller_connected() { return keypad_source.poll.connected; }

uint32_t keypad_period(bool panel_shown) { return keypad_read_period(keypad_source.poll, panel_shown); }

// Only Escape reaches the panel from the keyboard; the panel is driven by
// touch, and arrows, Tab or Enter would move focus under the user's finger.
void on_key_message(UINT message, WPARAM key) {
  if (key != VK_ESCAPE) return;
  std::lock_guard<std::mutex> guard(key_queue_mutex);
  key_queue_push(LV_KEY_ESC, message == WM_KEYDOWN ? LV_INDEV_STATE_PRESSED : LV_INDEV_STATE_RELEASED);
}

void on_char_message(WPARAM unit) {
  std::lock_guard<std::mutex> guard(key_queue_mutex);
  uint32_t code_point = decode_char_message(&char_decoder, uint32_t(unit));
  if (!code_point) return;
  uint32_t encoded = _lv_txt_unicode_to_encoded(code_point);
  key_queue_push(encoded, LV_INDEV_STATE_PRESSED);
  key_queue_push(encoded, LV_INDEV_STATE_RELEASED);
}

// Single-touch: the last contact of each message moves the pointer.
void on_touch_message(HWND window, WPARAM count, LPARAM touch_handle) {
  using GetTouchInputInfoFn = BOOL(WINAPI*)(HTOUCHINPUT, UINT, PTOUCHINPUT, int);
  using CloseTouchInputHandleFn = BOOL(WINAPI*)(HTOUCHINPUT);
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  auto get_info = reinterpret_cast<GetTouchInputInfoFn>(GetProcAddress(user32, "GetTouchInputInfo"));
  auto close_handle =
      reinterpret_cast<CloseTouchInputHandleFn>(GetProcAddress(user32, "CloseTouchInputHandle"));
  UINT inputs = LOWORD(count);
  std::vector<TOUCHINPUT> records(inputs);
  HTOUCHINPUT handle = reinterpret_cast<HTOUCHINPUT>(touch_handle);
  if (get_info && inputs && get_info(handle, inputs, records.data(), sizeof(TOUCHINPUT))) {
    for (UINT i = 0; i < inputs; ++i) {
      POINT point = {records[i].x / 100, records[i].y / 100};
      if (!ScreenToClient(window, &point)) continue;
      pointer_point = (uint32_t(uint16_t(point.y)) << 16) | uint16_t(point.x);
      pointer_pressed = (records[i].dwFlags & (TOUCHEVENTF_MOVE | TOUCHEVENTF_DOWN)) != 0;
    }
  }
  if (close_handle) close_handle(handle);
}

// Puts the input-method composition window at the text cursor of the focused
// text area, so a candidate list opens where the user types. The position is
// the one the toolkit thread published: toolkit objects are never touched
// from this thread.
void on_ime_start_composition(HWND window) {
  HIMC context = ImmGetContext(window);
  if (!context) return;
  COMPOSITIONFORM form = {};
  form.dwStyle = CFS_POINT;
  int32_t x = 0, y = 0;
  if (read_ime_caret(&x, &y)) {
    form.ptCurrentPos.x = x;
    form.ptCurrentPos.y = y;
  }
  ImmSetCompositionWindow(context, &form);
  ImmReleaseContext(window, context);
}
