// The lighting colour as the panel derives it: from the colour wheel's HSV,
// and at a strength, both through the toolkit's own HSV conversions so that
// the EC gets exactly the colour the wheel's knob shows.
#pragma once

#include <cstdint>

#include "lvgl.h"

// Colours are 0xFFRRGGBB, the form "RGBValue" is stored in (alpha always set).

/** The colour of an HSV triple (hue 0..359, saturation and value 0..100). */
uint32_t colour_of_hsv(lv_color_hsv_t hsv);

/**
 * The colour with its brightness replaced by a strength: hue and saturation
 * of `colour` are kept and the HSV value becomes `strength` (clamped to
 * 0..100), so 0 gives black and 100 the colour at full brightness. Pure red
 * at 50 is 127, 0, 0.
 */
uint32_t strength_scaled_colour(uint32_t colour, int32_t strength);
