// The mode lists built from what Windows enumerates, and what a click on a
// list row asks for.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "hardware/display_modes.h"

bool operator==(const ModeEntry& a, const ModeEntry& b) {
  return a.long_side == b.long_side && a.short_side == b.short_side && a.refresh == b.refresh;
}
std::ostream& operator<<(std::ostream& out, const ModeEntry& e) {
  return out << "(" << e.long_side << ", " << e.short_side << ", " << e.refresh << ")";
}

namespace {

constexpr uint32_t STRETCHED = 1;  // DMDFO_STRETCH
constexpr uint32_t CENTERED = 2;   // DMDFO_CENTER

struct ListCase {
  const char* name;
  std::vector<EnumeratedMode> modes;  // width, height, Hz, fixed output
  std::vector<ModeEntry> wide, narrow;
};

TEST(ModeLists, windows_modes_become_rate_groups_of_descending_long_sides) {
  const ListCase cases[] = {
      {"nothing enumerated still gives the three headers",
       {},
       {{0, 0, 60}, {0, 0, 50}, {0, 0, 40}},
       {{0, 0, 60}, {0, 0, 50}, {0, 0, 40}}},
      {"the built-in portrait panel: landscape modes come rotated with the long side as width, "
       "portrait ones unrotated with the long side as height",
       {{1920, 1080, 60, 0}, {1080, 1920, 50, 0}, {1280, 960, 40, 0}, {960, 1280, 60, 0}},
       {{0, 0, 60}, {1920, 1080, 60}, {0, 0, 50}, {1920, 1080, 50}, {0, 0, 40}},
       {{0, 0, 60}, {1280, 960, 60}, {0, 0, 50}, {0, 0, 40}, {1280, 960, 40}}},
      {"a landscape monitor's unrotated modes are listed too",
       {{1280, 720, 60, 0}, {1024, 768, 60, 0}},
       {{0, 0, 60}, {1280, 720, 60}, {0, 0, 50}, {0, 0, 40}},
       {{0, 0, 60}, {1024, 768, 60}, {0, 0, 50}, {0, 0, 40}}},
      {"one size per colour depth: every copy stays, in Windows' order among equals",
       {{1280, 720, 60, 0}, {1920, 1080, 60, 0}, {1280, 720, 60, 0}, {1920, 1080, 60, 0}},
       {{0, 0, 60}, {1920, 1080, 60}, {1920, 1080, 60}, {1280, 720, 60}, {1280, 720, 60},
        {0, 0, 50}, {0, 0, 40}},
       {{0, 0, 60}, {0, 0, 50}, {0, 0, 40}}},
      {"59 and 61 Hz and 1280 x 800 (ratio 160) are in no list",
       {{1920, 1080, 59, 0}, {1440, 810, 61, 0}, {1280, 800, 60, 0}, {1280, 1024, 60, 0}},
       {{0, 0, 60}, {0, 0, 50}, {0, 0, 40}},
       {{0, 0, 60}, {0, 0, 50}, {0, 0, 40}}},
      {"stretched and centred modes are left out",
       {{1600, 900, 60, STRETCHED}, {800, 600, 60, CENTERED}, {1600, 900, 50, 0}},
       {{0, 0, 60}, {0, 0, 50}, {1600, 900, 50}, {0, 0, 40}},
       {{0, 0, 60}, {0, 0, 50}, {0, 0, 40}}},
      {"ratios truncate: 1366 x 768 and 853 x 480 are 16:9, 1152 x 864 and 1400 x 1050 are 4:3",
       {{853, 480, 40, 0}, {1366, 768, 40, 0}, {1152, 864, 50, 0}, {1400, 1050, 50, 0}},
       {{0, 0, 60}, {0, 0, 50}, {0, 0, 40}, {1366, 768, 40}, {853, 480, 40}},
       {{0, 0, 60}, {0, 0, 50}, {1400, 1050, 50}, {1152, 864, 50}, {0, 0, 40}}},
      {"sizes Windows should never report are skipped rather than divided by",
       {{0, 0, 60, 0}, {1920, 0, 60, 0}, {0x80000000u, 1, 60, 0}},
       {{0, 0, 60}, {0, 0, 50}, {0, 0, 40}},
       {{0, 0, 60}, {0, 0, 50}, {0, 0, 40}}},
  };
  for (const ListCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<ModeEntry> wide = {{1, 2, 3}}, narrow = {{4, 5, 6}};  // replaced, not appended to
    fill_mode_lists(c.modes, &wide, &narrow);
    EXPECT_EQ(wide, c.wide);
    EXPECT_EQ(narrow, c.narrow);
  }
}

// The modes the extended-resolution EDID gives the built-in panel, as Windows
// enumerates them in landscape (long side first), plus the native mode.
TEST(ModeLists, the_extended_edid_modes_fill_both_lists_in_order) {
  std::vector<EnumeratedMode> modes;
  const uint32_t sizes[][2] = {{1920, 1080}, {1600, 900}, {1440, 810}, {1366, 768}, {1280, 720},
                               {1152, 648},  {1120, 630}, {960, 540},  {853, 480},  {1280, 960},
                               {1152, 864},  {1024, 768}, {800, 600},  {640, 480}};
  for (const uint32_t rate : {40u, 50u, 60u}) {
    for (const auto& size : sizes) modes.push_back({size[0], size[1], rate, 0});
  }
  std::vector<ModeEntry> wide, narrow;
  fill_mode_lists(modes, &wide, &narrow);
  ASSERT_EQ(wide.size(), 3u + 3 * 9);
  ASSERT_EQ(narrow.size(), 3u + 3 * 5);
  EXPECT_EQ(wide[0], (ModeEntry{0, 0, 60}));
  EXPECT_EQ(wide[1], (ModeEntry{1920, 1080, 60}));
  EXPECT_EQ(wide[9], (ModeEntry{853, 480, 60}));
  EXPECT_EQ(wide[10], (ModeEntry{0, 0, 50}));
  EXPECT_EQ(wide[20], (ModeEntry{0, 0, 40}));
  EXPECT_EQ(narrow[1], (ModeEntry{1280, 960, 60}));
  EXPECT_EQ(narrow[5], (ModeEntry{640, 480, 60}));
  EXPECT_EQ(narrow[6], (ModeEntry{0, 0, 50}));
  for (const std::vector<ModeEntry>* list : {&wide, &narrow}) {
    for (size_t i = 1; i < list->size(); ++i) {
      const ModeEntry& a = (*list)[i - 1];
      const ModeEntry& b = (*list)[i];
      if (!is_rate_header(a) && !is_rate_header(b)) {
        EXPECT_EQ(a.refresh, b.refresh) << i;
        EXPECT_GT(a.long_side, b.long_side) << i;
      }
    }
  }
}

TEST(ModeLists, a_row_asks_for_its_mode_unless_it_is_a_header_or_already_in_force) {
  const std::vector<ModeEntry> list = {{0, 0, 60},  {1920, 1080, 60}, {1280, 720, 60},
                                       {0, 0, 50},  {1920, 1080, 50}, {0, 0, 40}};
  struct Case {
    size_t row;
    ModeRequest expected;
  } cases[] = {
      {0, {false, 0, 0, 0}},        // header
      {1, {false, 0, 0, 0}},        // 1920 x 1080 at 60 Hz is in force
      {2, {true, 720, 1280, 60}},   // short side as width, long side as height
      {3, {false, 0, 0, 0}},        // header
      {4, {true, 1080, 1920, 50}},  // same size, another rate
      {5, {false, 0, 0, 0}},        // header
      {6, {false, 0, 0, 0}},        // beyond the list
      {size_t(-1), {false, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    const ModeRequest request = mode_request_for_row(list, c.row, 1920, 1080, 60);
    EXPECT_EQ(request.apply, c.expected.apply) << c.row;
    EXPECT_EQ(request.width, c.expected.width) << c.row;
    EXPECT_EQ(request.height, c.expected.height) << c.row;
    EXPECT_EQ(request.refresh, c.expected.refresh) << c.row;
  }
}

}  // namespace
