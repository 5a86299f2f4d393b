// The extended EDID the program installs as the built-in panel's override:
// a base block (EDID 1.3) and seven CTA-861 extension blocks that carry only
// detailed timings. Built at compile time from readable timing data, so the
// bytes cannot drift from the table and every checksum is computed, not typed.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

constexpr size_t EDID_BLOCK_SIZE = 128;
constexpr size_t EDID_BLOCK_COUNT = 8;  // base block + 7 extensions
constexpr size_t EDID_SIZE = EDID_BLOCK_SIZE * EDID_BLOCK_COUNT;
constexpr size_t EDID_DESCRIPTOR_SIZE = 18;

// Descriptor flags byte: digital separate sync, non-interlaced, with both
// syncs positive (0x1E) or with a negative vertical sync (0x1A).
constexpr uint8_t DTD_SYNC_POSITIVE = 0x1E;
constexpr uint8_t DTD_VSYNC_NEGATIVE = 0x1A;

// One detailed timing as the descriptor stores it (no borders).
struct DetailedTiming {
  uint16_t h_active, v_active;
  uint32_t clock_khz;  // multiple of 10: the descriptor stores 10 kHz units
  uint16_t h_blank, h_sync_offset, h_sync_width;
  uint16_t v_blank, v_sync_offset, v_sync_width;
  uint16_t h_mm, v_mm;
  uint8_t flags;
};

// Refresh in hertz: pixel clock / (total h x total v).
double timing_refresh(const DetailedTiming& t);

// Reads an 18-byte descriptor back. Returns false for a display descriptor
// (pixel clock 0, e.g. the monitor name), leaving *out untouched.
bool decode_detailed_timing(const uint8_t* descriptor, DetailedTiming* out);

// The whole override, block i at offset i * EDID_BLOCK_SIZE.
const std::array<uint8_t, EDID_SIZE>& edid_override_bytes();
