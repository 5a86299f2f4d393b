// Turns the UTF-16 units of WM_CHAR into code points for the toolkit's keypad.
#pragma once

#include <cstdint>

struct Utf16Decoder {
  uint16_t pending_high = 0;  // a high surrogate waiting for its low half
};

// Feeds one WM_CHAR unit. Returns the code point to queue, or 0 when nothing
// is to be queued: control characters (below 32, and 127), a high surrogate
// (remembered until its low half arrives) and a low surrogate without a
// remembered high half. A lone surrogate is not a character; queueing it would
// put an invalid UTF-8 sequence into a text field, so it is dropped.
uint32_t decode_char_message(Utf16Decoder* decoder, uint32_t unit);
