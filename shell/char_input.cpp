#include "shell/char_input.h"

uint32_t decode_char_message(Utf16Decoder* decoder, uint32_t unit) {
  if (unit < 32 || unit == 127) return 0;
  if (unit >= 0xD800 && unit <= 0xDBFF) {
    decoder->pending_high = uint16_t(unit);
    return 0;
  }
  if (unit >= 0xDC00 && unit <= 0xDFFF) {
    uint32_t high = decoder->pending_high;
    decoder->pending_high = 0;
    if (!high) return 0;
    return ((high & 0x3FF) << 10) + (unit & 0x3FF) + 0x10000;
  }
  // Anything else ends a surrogate pair that never completed.
  decoder->pending_high = 0;
  return unit;
}
