// The window host's portable decisions: where the panel goes, what a typed
// character becomes, and when a controller combination fires.
#include <gtest/gtest.h>

#include <vector>

#include "shell/char_input.h"
#include "shell/gamepad_combos.h"
#include "shell/key_queue.h"
#include "shell/panel_geometry.h"

namespace {

TEST(PanelGeometry, takes_the_right_half_in_landscape_and_everything_in_portrait) {
  struct Case {
    int32_t left, top, right, bottom;
    PanelRect expected;
  } cases[] = {
      {0, 0, 1920, 1032, {960, 0, 960, 1032}},
      {0, 0, 1200, 1872, {0, 0, 1200, 1872}},
      {0, 0, 1000, 1000, {0, 0, 1000, 1000}},      // square: whole area
      {100, 40, 1381, 800, {741, 40, 640, 760}},   // odd width truncates, offsets kept
  };
  for (const Case& c : cases) {
    PanelRect r = panel_rect_for_work_area(c.left, c.top, c.right, c.bottom);
    EXPECT_EQ(r.x, c.expected.x);
    EXPECT_EQ(r.y, c.expected.y);
    EXPECT_EQ(r.width, c.expected.width);
    EXPECT_EQ(r.height, c.expected.height);
  }
}

TEST(CharInput, turns_utf16_units_into_code_points) {
  struct Case {
    const char* name;
    std::vector<uint32_t> units;
    std::vector<uint32_t> queued;
  } cases[] = {
      {"plain letter", {'a'}, {'a'}},
      {"controls and delete are dropped", {8, 13, 27, 31, 127}, {}},
      {"chinese", {0x4E2D}, {0x4E2D}},
      {"surrogate pair is one code point", {0xD83D, 0xDE00}, {0x1F600}},
      {"lone low surrogate is dropped", {0xDE00, 'x'}, {'x'}},
      {"broken pair keeps the next character", {0xD83D, 'x', 0xDE00}, {'x'}},
      {"two pairs in a row", {0xD83D, 0xDE00, 0xD800, 0xDC00}, {0x1F600, 0x10000}},
  };
  for (const Case& c : cases) {
    Utf16Decoder decoder;
    std::vector<uint32_t> queued;
    for (uint32_t unit : c.units) {
      if (uint32_t cp = decode_char_message(&decoder, unit)) queued.push_back(cp);
    }
    EXPECT_EQ(queued, c.queued) << c.name;
  }
}

TEST(KeyQueue, hands_out_keys_oldest_first_and_says_when_more_wait) {
  std::lock_guard<std::mutex> guard(key_queue_mutex);
  key_queue_push(27, 1);
  key_queue_push(27, 0);
  uint32_t key = 0, state = 0;
  bool more = false;
  ASSERT_TRUE(key_queue_pop(&key, &state, &more));
  EXPECT_EQ(state, 1u);
  EXPECT_TRUE(more);
  ASSERT_TRUE(key_queue_pop(&key, &state, &more));
  EXPECT_EQ(state, 0u);
  EXPECT_FALSE(more);
  EXPECT_FALSE(key_queue_pop(&key, &state, &more));
}

// Feeds `reads` reads of the same input and returns on which reads (1-based)
// something fired, with what.
std::vector<std::pair<int, uint32_t>> hold(GamepadCombos* combos, int reads, uint16_t buttons,
                                           int16_t ly = 0, int16_t ry = 0, int first = 1) {
  std::vector<std::pair<int, uint32_t>> fired;
  for (int i = 0; i < reads; ++i) {
    if (uint32_t f = gamepad_combos_step(combos, buttons, ly, ry)) fired.push_back({first + i, f});
  }
  return fired;
}

TEST(GamepadCombos, each_combination_fires_once_at_its_count) {
  using Fired = std::vector<std::pair<int, uint32_t>>;
  const uint16_t thumbs = PAD_LEFT_THUMB | PAD_RIGHT_THUMB;
  struct Case {
    const char* name;
    uint16_t buttons;
    int16_t ly, ry;
    Fired expected;
  } cases[] = {
      {"start held five seconds", PAD_START, 0, 0, {{100, PAD_ACTION_ON_SCREEN_KEYBOARD}}},
      {"back held", PAD_BACK, 0, 0, {{100, PAD_ACTION_SHOW_DESKTOP}}},
      {"start and back", PAD_START | PAD_BACK, 0, 0, {{3, PAD_ACTION_TASK_MANAGER}}},
      {"rescue", thumbs, 20000, -20000, {{100, PAD_ACTION_DISPLAY_RESCUE}}},
      {"rescue needs the sticks beyond half", thumbs, 16383, -20000, {}},
      {"rescue needs both thumbs", PAD_LEFT_THUMB, 20000, -20000, {}},
  };
  for (const Case& c : cases) {
    GamepadCombos combos;
    EXPECT_EQ(hold(&combos, 500, c.buttons, c.ly, c.ry), c.expected) << c.name;
  }
}

TEST(GamepadCombos, a_release_still_counts_for_one_read_then_resets) {
  GamepadCombos combos;
  EXPECT_TRUE(hold(&combos, 99, PAD_START).empty());
  // The read after the release still sees START active: the 100th read fires.
  auto fired = hold(&combos, 1, 0, 0, 0, 100);
  ASSERT_EQ(fired.size(), 1u);
  EXPECT_EQ(fired[0].second, uint32_t(PAD_ACTION_ON_SCREEN_KEYBOARD));
  // Then the count is broken; holding again needs another 100 reads.
  EXPECT_TRUE(hold(&combos, 1, 0).empty());
  EXPECT_EQ(hold(&combos, 100, PAD_START).size(), 1u);
}

TEST(GamepadCombos, display_rescue_only_when_neither_side_matches) {
  struct Case {
    int32_t long_side, short_side;
    bool needed;
  } cases[] = {{1920, 1080, false}, {1280, 720, true}, {1440, 1080, false}, {1920, 1200, false}};
  for (const Case& c : cases) {
    EXPECT_EQ(display_rescue_needed(c.long_side, c.short_side), c.needed)
        << c.long_side << "x" << c.short_side;
  }
}

}  // namespace
