// RGB lighting: the values in force and the EC writes that show them.
#pragma once

#include <atomic>
#include <cstdint>

extern std::atomic<int32_t> rgb_mode;      // "RGBMode": 0 automatic, 1 colour
extern std::atomic<int32_t> rgb_value;     // "RGBValue": 0xFFRRGGBB (alpha byte always set)
extern std::atomic<int32_t> rgb_strength;  // "RGBStrength": 0..100

// The colour the EC is to show in "Manual": rgb_value at rgb_strength, as
// 0xFFRRGGBB. The panel works it out (through the toolkit's HSV
// conversions, as the colour wheel does) whenever either changes, so that
// the re-apply after a resume can send it without the toolkit.
extern std::atomic<uint32_t> rgb_shown_colour;

constexpr int32_t LIGHTING_AUTO = 0;    // the EC's own lighting
constexpr int32_t LIGHTING_MANUAL = 1;  // one colour chosen on the panel

/**
 * Shows one colour on a supported board. Nothing is sent when it equals the
 * cached colour (black at start) and no send of it has failed since;
 * otherwise the cache takes it and, while lighting_ready, the EC gets the
 * latch release 0x55 (only when the control byte reads 0xAA), red, green,
 * blue and 0xAA, all under hardware_apply_lock. A send with a failed
 * transaction is not remembered as done, so the same colour is tried again
 * next time.
 * @return the number of EC transactions that succeeded (0..6)
 */
int send_lighting_colour(uint8_t red, uint8_t green, uint8_t blue);

/**
 * The lighting mode to the EC on a supported board while lighting_ready:
 * LIGHTING_AUTO writes 0x00 to the control byte; any other mode writes the
 * cached colour and 0xAA (no latch, and the cache is not consulted), under
 * hardware_apply_lock.
 * @return the number of EC writes that succeeded (0..4)
 */
int write_lighting_mode(int32_t mode);
