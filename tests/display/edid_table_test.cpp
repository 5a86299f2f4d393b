// The override EDID checked field by field against what a monitor driver
// parses: checksums, base block fields, descriptor layout and timings.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "hardware/edid_table.h"

namespace {

const uint8_t* block(size_t i) { return edid_override_bytes().data() + i * EDID_BLOCK_SIZE; }

std::string two_decimals(double value) {
  char text[32];
  std::snprintf(text, sizeof(text), "%.2f", value);
  return text;
}

TEST(EdidTable, every_block_sums_to_zero) {
  for (size_t b = 0; b < EDID_BLOCK_COUNT; ++b) {
    SCOPED_TRACE(b);
    unsigned sum = 0;
    for (size_t i = 0; i < EDID_BLOCK_SIZE; ++i) sum += block(b)[i];
    EXPECT_EQ(sum % 256, 0u);
  }
}

TEST(EdidTable, base_block_fields_match_the_panel_identity) {
  struct Field {
    const char* what;
    size_t offset;
    std::string bytes;
  } fields[] = {
      {"header", 0, std::string("\x00\xFF\xFF\xFF\xFF\xFF\xFF\x00", 8)},
      {"ZEV, 5-bit letters big-endian", 8, std::string("\x68\xB6", 2)},
      {"product 0x1805 little-endian", 10, std::string("\x05\x18", 2)},
      {"serial 0x22202910 little-endian", 12, std::string("\x10\x29\x20\x22", 4)},
      {"week 50, year 2022", 16, std::string("\x32\x20", 2)},
      {"EDID 1.3", 18, std::string("\x01\x03", 2)},
      {"digital input, 7 x 13 cm, gamma 2.2, features", 20, std::string("\x80\x07\x0D\x78\xAA", 5)},
      {"no chromaticity, no established timings", 25, std::string(13, '\0')},
      {"eight empty standard timings", 38, std::string(16, '\x01')},
      {"monitor name descriptor", 108, std::string("\x00\x00\x00\xFC\x00PX-AMBERQT51\n", 18)},
      {"seven extensions", 126, std::string("\x07", 1)},
  };
  for (const Field& f : fields) {
    SCOPED_TRACE(f.what);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(block(0)) + f.offset, f.bytes.size()),
              f.bytes);
  }
  // The manufacturer id decodes back to the letters of the PnP id.
  const unsigned id = block(0)[8] << 8 | block(0)[9];
  const char letters[4] = {char('A' - 1 + (id >> 10 & 31)), char('A' - 1 + (id >> 5 & 31)),
                           char('A' - 1 + (id & 31)), '\0'};
  EXPECT_STREQ(letters, "ZEV");
}

// Descriptor k of block b as decoded by a monitor driver.
DetailedTiming descriptor(size_t b, size_t k) {
  const size_t start = b == 0 ? 54 : 4;
  DetailedTiming t{};
  EXPECT_TRUE(decode_detailed_timing(block(b) + start + 18 * k, &t))
      << "block " << b << " slot " << k;
  return t;
}

struct Expected {
  size_t block, slot;
  int h, v;
  const char* refresh;
  uint8_t flags;
  uint32_t clock_khz;
  int h_blank, h_offset, h_width, v_blank, v_offset, v_width;
};

void expect_timing(const Expected& e) {
  SCOPED_TRACE(testing::Message() << "block " << e.block << " slot " << e.slot);
  const DetailedTiming t = descriptor(e.block, e.slot);
  EXPECT_EQ(t.h_active, e.h);
  EXPECT_EQ(t.v_active, e.v);
  EXPECT_EQ(two_decimals(timing_refresh(t)), e.refresh);
  EXPECT_EQ(t.flags, e.flags);
  EXPECT_EQ(t.clock_khz, e.clock_khz);
  EXPECT_EQ(t.h_blank, e.h_blank);
  EXPECT_EQ(t.h_sync_offset, e.h_offset);
  EXPECT_EQ(t.h_sync_width, e.h_width);
  EXPECT_EQ(t.v_blank, e.v_blank);
  EXPECT_EQ(t.v_sync_offset, e.v_offset);
  EXPECT_EQ(t.v_sync_width, e.v_width);
}

TEST(EdidTable, base_block_offers_the_native_size_at_60_50_and_40_hz) {
  const Expected cases[] = {
      {0, 0, 1080, 1920, "60.10", 0x1E, 133050, 50, 25, 10, 39, 3, 16},
      {0, 1, 1080, 1920, "50.08", 0x1E, 110850, 50, 25, 10, 39, 3, 16},
      {0, 2, 1080, 1920, "40.06", 0x1E, 88680, 50, 25, 10, 39, 3, 16},
  };
  for (const Expected& e : cases) expect_timing(e);
  // The fourth slot is the name, not a timing.
  DetailedTiming t{};
  EXPECT_FALSE(decode_detailed_timing(block(0) + 108, &t));
}

TEST(EdidTable, extension_descriptors_decode_to_the_listed_modes) {
  const Expected cases[] = {
      {1, 0, 810, 1440, "61.00", 0x1E, 100000, 288, 144, 80, 53, 40, 10},
      {1, 3, 648, 1152, "61.01", 0x1E, 63570, 224, 112, 64, 43, 30, 10},
      {1, 5, 768, 1366, "61.01", 0x1A, 89840, 272, 80, 136, 50, 10, 37},
      {2, 0, 480, 853, "61.01", 0x1A, 33690, 144, 24, 48, 32, 3, 10},
      {2, 3, 720, 1280, "40.00", 0x1A, 51810, 256, 128, 72, 47, 34, 10},
      {3, 0, 900, 1600, "61.00", 0x1A, 123390, 320, 64, 96, 58, 3, 10},
      {3, 4, 810, 1440, "40.00", 0x1E, 65580, 288, 144, 80, 53, 40, 10},
      {4, 4, 768, 1024, "50.01", 0x1E, 49040, 140, 48, 10, 56, 10, 24},
      {5, 2, 480, 640, "61.02", 0x1A, 24670, 128, 16, 48, 25, 3, 10},
      {5, 4, 480, 640, "40.02", 0x1A, 16180, 128, 16, 48, 25, 3, 10},
      {6, 5, 768, 1366, "50.01", 0x1A, 73640, 272, 80, 136, 50, 10, 37},
      {7, 2, 648, 1152, "40.01", 0x1E, 41690, 224, 112, 64, 43, 30, 10},
  };
  for (const Expected& e : cases) expect_timing(e);
}

TEST(EdidTable, extension_blocks_hold_six_descriptors_then_three) {
  const size_t counts[] = {6, 6, 6, 6, 6, 6, 3};
  for (size_t b = 1; b < EDID_BLOCK_COUNT; ++b) {
    SCOPED_TRACE(b);
    const uint8_t* x = block(b);
    EXPECT_EQ(x[0], 0x02);  // CTA-861 tag
    EXPECT_EQ(x[1], 3);     // revision
    EXPECT_EQ(x[2], 4);     // descriptors right after the header
    EXPECT_EQ(x[3], 0x00);
    const size_t used = 4 + 18 * counts[b - 1];
    for (size_t k = 0; k < counts[b - 1]; ++k) descriptor(b, k);
    for (size_t i = used; i + 1 < EDID_BLOCK_SIZE; ++i) EXPECT_EQ(x[i], 0) << "byte " << i;
  }
}

// Every descriptor, not just the sampled ones: plausible rate, consistent
// blanking (a field that overflowed its bits shows up here), and an image
// size of a quarter of the active size in millimetres.
TEST(EdidTable, every_timing_is_consistent_with_its_mode) {
  const size_t counts[] = {3, 6, 6, 6, 6, 6, 6, 3};
  int seen = 0;
  for (size_t b = 0; b < EDID_BLOCK_COUNT; ++b) {
    for (size_t k = 0; k < counts[b]; ++k, ++seen) {
      SCOPED_TRACE(testing::Message() << "block " << b << " slot " << k);
      const DetailedTiming t = descriptor(b, k);
      EXPECT_EQ(t.h_mm, t.h_active / 4);
      EXPECT_EQ(t.v_mm, t.v_active / 4);
      EXPECT_LE(t.h_sync_offset + t.h_sync_width, t.h_blank);
      EXPECT_LE(t.v_sync_offset + t.v_sync_width, t.v_blank);
      EXPECT_TRUE(t.flags == DTD_SYNC_POSITIVE || t.flags == DTD_VSYNC_NEGATIVE);
      const double hz = timing_refresh(t);
      const double nearest = hz > 55 ? (hz > 60.5 ? 61 : 60) : (hz > 45 ? 50 : 40);
      EXPECT_GE(hz, nearest) << hz;
      EXPECT_LT(hz, nearest + 0.11) << hz;
      const uint8_t* raw = block(b) + (b == 0 ? 54 : 4) + 18 * k;
      EXPECT_EQ(raw[15] | raw[16], 0) << "no borders";
    }
  }
  EXPECT_EQ(seen, 42);
}

}  // namespace
