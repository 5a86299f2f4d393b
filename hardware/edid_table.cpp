// The override EDID, assembled at compile time from the timing table below.
#include "hardware/edid_table.h"

namespace {

using Block = uint8_t[EDID_BLOCK_SIZE];
constexpr uint8_t P = DTD_SYNC_POSITIVE;
constexpr uint8_t N = DTD_VSYNC_NEGATIVE;

// The 42 detailed timings in block order: three native-size timings for the
// base block, then six per extension block, three in the last. The clocks
// put each rate a little above 60, 50 or 40 Hz (61 for the fast variants),
// so the whole-hertz rate Windows lists for a mode is the intended one.
// Image size scales with the mode: 4 pixels per millimetre, truncated.
constexpr DetailedTiming TIMINGS[] = {
    // active h, v; clock kHz; h blank, sync offset, sync width; v the same; image mm; flags
    {1080, 1920, 133050, 50, 25, 10, 39, 3, 16, 270, 480, P},
    {1080, 1920, 110850, 50, 25, 10, 39, 3, 16, 270, 480, P},
    {1080, 1920, 88680, 50, 25, 10, 39, 3, 16, 270, 480, P},
    // block 1
    {810, 1440, 100000, 288, 144, 80, 53, 40, 10, 202, 360, P},
    {768, 1024, 59820, 140, 48, 10, 56, 10, 24, 192, 256, P},
    {720, 1280, 79010, 256, 128, 72, 47, 34, 10, 180, 320, P},
    {648, 1152, 63570, 224, 112, 64, 43, 30, 10, 162, 288, P},
    {600, 800, 39290, 175, 88, 56, 31, 18, 10, 150, 200, P},
    {768, 1366, 89840, 272, 80, 136, 50, 10, 37, 192, 341, N},
    // block 2
    {480, 853, 33690, 144, 24, 48, 32, 3, 10, 120, 213, N},
    {540, 960, 44170, 187, 32, 56, 36, 3, 10, 135, 240, N},
    {630, 1120, 59350, 208, 40, 64, 41, 3, 10, 157, 280, N},
    {720, 1280, 51810, 256, 128, 72, 47, 34, 10, 180, 320, N},
    {720, 1280, 64760, 256, 128, 72, 47, 34, 10, 180, 320, N},
    {630, 1120, 48650, 208, 40, 64, 41, 3, 10, 157, 280, N},
    // block 3
    {900, 1600, 123390, 320, 64, 96, 58, 3, 10, 225, 400, N},
    {900, 1600, 101140, 320, 64, 96, 58, 3, 10, 225, 400, N},
    {900, 1600, 80920, 320, 64, 96, 58, 3, 10, 225, 400, N},
    {810, 1440, 81970, 288, 144, 80, 53, 40, 10, 202, 360, P},
    {810, 1440, 65580, 288, 144, 80, 53, 40, 10, 202, 360, P},
    {630, 1120, 38920, 208, 40, 64, 41, 3, 10, 157, 280, N},
    // block 4
    {540, 960, 36210, 187, 32, 56, 36, 3, 10, 135, 240, N},
    {540, 960, 28970, 187, 32, 56, 36, 3, 10, 135, 240, N},
    {480, 853, 27620, 144, 24, 48, 32, 3, 10, 120, 213, N},
    {480, 853, 22090, 144, 24, 48, 32, 3, 10, 120, 213, N},
    {768, 1024, 49040, 140, 48, 10, 56, 10, 24, 192, 256, P},
    {768, 1024, 39230, 140, 48, 10, 56, 10, 24, 192, 256, P},
    // block 5
    {600, 800, 32210, 175, 88, 56, 31, 18, 10, 150, 200, P},
    {600, 800, 25770, 175, 88, 56, 31, 18, 10, 150, 200, P},
    {480, 640, 24670, 128, 16, 48, 25, 3, 10, 120, 160, N},
    {480, 640, 20220, 128, 16, 48, 25, 3, 10, 120, 160, N},
    {480, 640, 16180, 128, 16, 48, 25, 3, 10, 120, 160, N},
    {960, 1280, 104910, 336, 72, 96, 47, 3, 10, 240, 320, N},
    // block 6
    {960, 1280, 85990, 336, 72, 96, 47, 3, 10, 240, 320, N},
    {960, 1280, 68800, 336, 72, 96, 47, 3, 10, 240, 320, N},
    {864, 1152, 83980, 288, 56, 88, 43, 3, 10, 216, 288, N},
    {864, 1152, 68840, 288, 56, 88, 43, 3, 10, 216, 288, N},
    {864, 1152, 55070, 288, 56, 88, 43, 3, 10, 216, 288, N},
    {768, 1366, 73640, 272, 80, 136, 50, 10, 37, 192, 341, N},
    // block 7
    {768, 1366, 58910, 272, 80, 136, 50, 10, 37, 192, 341, N},
    {648, 1152, 52110, 224, 112, 64, 43, 30, 10, 162, 288, P},
    {648, 1152, 41690, 224, 112, 64, 43, 30, 10, 162, 288, P},
};
constexpr size_t TIMING_COUNT = sizeof(TIMINGS) / sizeof(TIMINGS[0]);
constexpr size_t BASE_TIMINGS = 3;
constexpr size_t TIMINGS_PER_EXTENSION = 6;
static_assert(TIMING_COUNT == 42, "three base timings and 39 in the extensions");

constexpr uint8_t lo8(uint32_t v) { return uint8_t(v & 0xFF); }

// Standard 18-byte detailed timing descriptor. Every field must fit its bit
// width (12 bits for sizes and blanking, 10/6 for the sync fields); the tests
// decode every descriptor back, which catches a value that does not.
constexpr void encode_detailed_timing(const DetailedTiming& t, uint8_t* d) {
  const uint32_t clock = t.clock_khz / 10;
  d[0] = lo8(clock);
  d[1] = lo8(clock >> 8);
  d[2] = lo8(t.h_active);
  d[3] = lo8(t.h_blank);
  d[4] = uint8_t(((t.h_active >> 8) & 0xF) << 4 | ((t.h_blank >> 8) & 0xF));
  d[5] = lo8(t.v_active);
  d[6] = lo8(t.v_blank);
  d[7] = uint8_t(((t.v_active >> 8) & 0xF) << 4 | ((t.v_blank >> 8) & 0xF));
  d[8] = lo8(t.h_sync_offset);
  d[9] = lo8(t.h_sync_width);
  d[10] = uint8_t((t.v_sync_offset & 0xF) << 4 | (t.v_sync_width & 0xF));
  d[11] = uint8_t(((t.h_sync_offset >> 8) & 3) << 6 | ((t.h_sync_width >> 8) & 3) << 4 |
                  ((t.v_sync_offset >> 4) & 3) << 2 | ((t.v_sync_width >> 4) & 3));
  d[12] = lo8(t.h_mm);
  d[13] = lo8(t.v_mm);
  d[14] = uint8_t(((t.h_mm >> 8) & 0xF) << 4 | ((t.v_mm >> 8) & 0xF));
  d[15] = 0;  // no borders
  d[16] = 0;
  d[17] = t.flags;
}

constexpr void seal_block(uint8_t* block) {
  uint32_t sum = 0;
  for (size_t i = 0; i + 1 < EDID_BLOCK_SIZE; ++i) sum += block[i];
  block[EDID_BLOCK_SIZE - 1] = uint8_t(-sum & 0xFF);
}

// Manufacturer id: three letters of 5 bits (A = 1), big-endian.
constexpr uint16_t pnp_letters(char a, char b, char c) {
  return uint16_t((a - 'A' + 1) << 10 | (b - 'A' + 1) << 5 | (c - 'A' + 1));
}

constexpr void build_base_block(uint8_t* b) {
  const uint8_t header[8] = {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00};
  for (int i = 0; i < 8; ++i) b[i] = header[i];
  const uint16_t maker = pnp_letters('Z', 'E', 'V');
  b[8] = uint8_t(maker >> 8);
  b[9] = lo8(maker);
  b[10] = 0x05;  // product code 0x1805, little-endian: PnP id "ZEV1805"
  b[11] = 0x18;
  const uint32_t serial = 0x22202910;
  for (int i = 0; i < 4; ++i) b[12 + i] = lo8(serial >> (8 * i));
  b[16] = 50;  // week
  b[17] = 32;  // 2022 - 1990
  b[18] = 1;   // EDID 1.3
  b[19] = 3;
  b[20] = 0x80;  // digital input
  b[21] = 7;     // image size, cm
  b[22] = 13;
  b[23] = 0x78;  // gamma 2.20
  b[24] = 0xAA;  // standby + active-off, display type 1, preferred = first DTD
  // 25..37: no chromaticity, no established timings (already 0).
  for (int i = 38; i < 54; ++i) b[i] = 0x01;  // eight unused standard timings
  for (size_t i = 0; i < BASE_TIMINGS; ++i) encode_detailed_timing(TIMINGS[i], b + 54 + 18 * i);
  const char name[] = "PX-AMBERQT51\n";  // exactly the 13-byte text field
  static_assert(sizeof(name) - 1 == 13, "the name fills the text field");
  uint8_t* tag = b + 108;  // 00 00 00 FC 00: monitor name descriptor
  tag[3] = 0xFC;
  for (int i = 0; i < 13; ++i) tag[5 + i] = uint8_t(name[i]);
  b[126] = EDID_BLOCK_COUNT - 1;
}

// CTA-861 revision 3 block without data blocks: descriptors from byte 4.
constexpr void build_extension_block(uint8_t* b, size_t first, size_t count) {
  b[0] = 0x02;
  b[1] = 3;
  b[2] = 4;
  b[3] = 0x00;
  for (size_t i = 0; i < count; ++i) encode_detailed_timing(TIMINGS[first + i], b + 4 + 18 * i);
}

constexpr std::array<uint8_t, EDID_SIZE> build_edid() {
  std::array<uint8_t, EDID_SIZE> edid{};
  build_base_block(&edid[0]);
  size_t next = BASE_TIMINGS;
  for (size_t block = 1; block < EDID_BLOCK_COUNT; ++block) {
    size_t count =
        TIMING_COUNT - next < TIMINGS_PER_EXTENSION ? TIMING_COUNT - next : TIMINGS_PER_EXTENSION;
    build_extension_block(&edid[block * EDID_BLOCK_SIZE], next, count);
    next += count;
  }
  for (size_t block = 0; block < EDID_BLOCK_COUNT; ++block)
    seal_block(&edid[block * EDID_BLOCK_SIZE]);
  return edid;
}

constexpr std::array<uint8_t, EDID_SIZE> EDID = build_edid();

}  // namespace

double timing_refresh(const DetailedTiming& t) {
  const double total = double(t.h_active + t.h_blank) * double(t.v_active + t.v_blank);
  return total > 0 ? t.clock_khz * 1000.0 / total : 0.0;
}

bool decode_detailed_timing(const uint8_t* d, DetailedTiming* out) {
  const uint32_t clock = d[0] | uint32_t(d[1]) << 8;
  if (clock == 0) return false;
  DetailedTiming t{};
  t.clock_khz = clock * 10;
  t.h_active = uint16_t(d[2] | (d[4] >> 4) << 8);
  t.h_blank = uint16_t(d[3] | (d[4] & 0xF) << 8);
  t.v_active = uint16_t(d[5] | (d[7] >> 4) << 8);
  t.v_blank = uint16_t(d[6] | (d[7] & 0xF) << 8);
  t.h_sync_offset = uint16_t(d[8] | (d[11] >> 6) << 8);
  t.h_sync_width = uint16_t(d[9] | ((d[11] >> 4) & 3) << 8);
  t.v_sync_offset = uint16_t(d[10] >> 4 | ((d[11] >> 2) & 3) << 4);
  t.v_sync_width = uint16_t((d[10] & 0xF) | (d[11] & 3) << 4);
  t.h_mm = uint16_t(d[12] | (d[14] >> 4) << 8);
  t.v_mm = uint16_t(d[13] | (d[14] & 0xF) << 8);
  t.flags = d[17];
  *out = t;
  return true;
}

const std::array<uint8_t, EDID_SIZE>& edid_override_bytes() { return EDID; }
