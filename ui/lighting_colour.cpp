#include "ui/lighting_colour.h"

uint32_t colour_of_hsv(lv_color_hsv_t hsv) {
  return lv_color_to32(lv_color_hsv_to_rgb(hsv.h, hsv.s, hsv.v)) | 0xFF000000u;
}

uint32_t strength_scaled_colour(uint32_t colour, int32_t strength) {
  const lv_color_hsv_t hsv = lv_color_rgb_to_hsv(uint8_t(colour >> 16), uint8_t(colour >> 8),
                                                  uint8_t(colour));
  const int32_t value = strength < 0 ? 0 : strength > 100 ? 100 : strength;
  return colour_of_hsv({hsv.h, hsv.s, uint8_t(value)});
}
