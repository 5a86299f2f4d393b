// RGB lighting: the values in force.
#pragma once

#include <atomic>
#include <cstdint>

extern std::atomic<int32_t> rgb_mode;      // "RGBMode": 0 automatic, 1 colour
extern std::atomic<int32_t> rgb_value;     // "RGBValue": 0xRRGGBB
extern std::atomic<int32_t> rgb_strength;  // "RGBStrength": 0..100

/**
 * The colour 0xRRGGBB with its brightness replaced by a strength in percent:
 * hue and saturation stay, the HSV value becomes the strength (0 gives black,
 * 100 the colour at full brightness). Integer steps, truncating: pure red at
 * 50 % is 127, 0, 0.
 */
uint32_t strength_scaled_colour(uint32_t colour, int32_t strength_percent);

/**
 * Shows one colour on a supported board: nothing when it equals the colour
 * last sent (the cache), else the cache takes it and, while lighting_ready,
 * the EC gets the latch release 0x55 (only when the control byte reads
 * 0xAA), red, green, blue and 0xAA, under hardware_apply_lock.
 * @return the number of EC transactions that succeeded (0..6)
 */
int send_lighting_colour(uint8_t red, uint8_t green, uint8_t blue);
