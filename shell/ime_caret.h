// Where the input method's composition window goes: at the text cursor of the
// focused text area. Worked out on the toolkit thread, which alone may touch
// toolkit objects, and published for the window procedure.
#pragma once

#include <atomic>
#include <cstdint>

#include "lvgl.h"

// Packed: bit 32 set when a text area has the focus; x in bits 0..15, y in
// bits 16..31 (signed 16-bit client coordinates).
extern std::atomic<uint64_t> ime_caret;

// The client position of the focused text area's cursor (the text area
// itself, or the one a focused keyboard types into); false without one.
bool focused_text_cursor(lv_point_t* out);

// Toolkit thread: works the position out and publishes it.
void publish_ime_caret();

// Window thread: the published position; false without a focused text area.
bool read_ime_caret(int32_t* x, int32_t* y);
