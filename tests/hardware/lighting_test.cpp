// The lighting's EC writes against the recording EC of the power tests: the
// order of the bytes, the latch, and the cache that keeps a colour from
// being sent twice.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "hardware/ec_registers.h"
#include "hardware/hardware_state.h"
#include "hardware/lighting.h"
#include "tests/power/power_fakes.h"

namespace {

using Journal = std::vector<std::string>;

std::string w(uint8_t reg, unsigned value) {
  char text[32];
  std::snprintf(text, sizeof(text), "ec 0x%02X=%u", reg, value);
  return text;
}
const std::string READ_CONTROL = "ec read 0xB3";

// A board as start_backend leaves it: recognised, lighting ready, the cache
// black and taken as shown. A send that goes through is what marks a cache
// as shown, whatever an earlier case left behind.
void fresh_board() {
  BoardModel = 1;
  lighting_ready = 1;
  power_fakes.reset();
  send_lighting_colour(1, 2, 3);
  rgb_cache[0] = rgb_cache[1] = rgb_cache[2] = 0;
  power_fakes.reset();
}

Journal journal() { return power_fakes.trace; }

struct Send {
  uint8_t r, g, b;
  uint8_t control_before;  // what 0xB3 holds when the send starts
  bool refuse;
  int done;
  Journal journal;
};

const Journal RED_127 = {READ_CONTROL, w(0xB0, 127), w(0xB1, 0), w(0xB2, 0), w(0xB3, 0xAA)};
const Journal RED_127_LATCHED = {READ_CONTROL, w(0xB3, 0x55), w(0xB0, 127), w(0xB1, 0),
                                 w(0xB2, 0), w(0xB3, 0xAA)};
const Journal REFUSED_RED = RED_127;  // the attempts, each failing

TEST(Lighting, a_colour_reaches_the_ec_once_with_the_latch_only_when_the_ec_shows_one) {
  const struct {
    const char* name;
    std::vector<Send> sends;
  } cases[] = {
      {"red at half strength on the EC's own lighting: colour, then 0xAA",
       {{127, 0, 0, 0x00, false, 5, RED_127}}},
      {"0xB3 reading 0xAA: 0x55 first", {{127, 0, 0, 0xAA, false, 6, RED_127_LATCHED}}},
      {"0xB3 reading 0x55: no latch, it is already released",
       {{127, 0, 0, 0x55, false, 5, RED_127}}},
      {"the same colour twice: nothing the second time",
       {{127, 0, 0, 0x00, false, 5, RED_127}, {127, 0, 0, 0xAA, false, 0, {}}}},
      {"a new colour after that goes out with the latch",
       {{127, 0, 0, 0x00, false, 5, RED_127},
        {0, 0, 255, 0xAA, false, 6,
         {READ_CONTROL, w(0xB3, 0x55), w(0xB0, 0), w(0xB1, 0), w(0xB2, 255), w(0xB3, 0xAA)}}}},
      {"black at start equals the cache and is not sent", {{0, 0, 0, 0x00, false, 0, {}}}},
      {"a send refused by a busy EC is tried again with the same colour",
       {{127, 0, 0, 0x00, true, 0, REFUSED_RED}, {127, 0, 0, 0x00, false, 5, RED_127},
        {127, 0, 0, 0xAA, false, 0, {}}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    fresh_board();
    for (size_t i = 0; i < c.sends.size(); ++i) {
      const Send& s = c.sends[i];
      power_fakes.trace.clear();
      power_fakes.ec[EC_REG_LIGHT_CONTROL] = s.control_before;
      power_fakes.ec_works = !s.refuse;
      EXPECT_EQ(send_lighting_colour(s.r, s.g, s.b), s.done) << "send " << i;
      EXPECT_EQ(journal(), s.journal) << "send " << i;
      EXPECT_EQ(rgb_cache[0], s.r) << "send " << i;
      EXPECT_EQ(rgb_cache[1], s.g) << "send " << i;
      EXPECT_EQ(rgb_cache[2], s.b) << "send " << i;
    }
  }
}

TEST(Lighting, nothing_reaches_the_ec_of_an_unknown_board_or_after_the_exit_took_the_lighting_back) {
  fresh_board();
  BoardModel = 0;
  EXPECT_EQ(send_lighting_colour(9, 9, 9), 0);
  EXPECT_EQ(rgb_cache[0], 0) << "an unknown board keeps the cache";
  EXPECT_EQ(write_lighting_mode(LIGHTING_MANUAL), 0);
  EXPECT_TRUE(journal().empty());

  fresh_board();
  lighting_ready = 0;
  EXPECT_EQ(send_lighting_colour(9, 9, 9), 0);
  EXPECT_EQ(rgb_cache[0], 9) << "the cache takes the colour";
  EXPECT_EQ(write_lighting_mode(LIGHTING_MANUAL), 0);
  EXPECT_EQ(write_lighting_mode(LIGHTING_AUTO), 0);
  EXPECT_TRUE(journal().empty());

  // Ready again (a new start): the colour never reached the EC, so it goes.
  lighting_ready = 1;
  EXPECT_EQ(send_lighting_colour(9, 9, 9), 5);
}

TEST(Lighting, the_mode_hands_the_lighting_to_the_ec_or_shows_the_cached_colour) {
  const struct {
    int32_t mode;
    int done;
    Journal journal;
  } cases[] = {
      {LIGHTING_AUTO, 1, {w(0xB3, 0)}},
      {LIGHTING_MANUAL, 4, {w(0xB0, 127), w(0xB1, 0), w(0xB2, 0), w(0xB3, 0xAA)}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.mode);
    fresh_board();
    send_lighting_colour(127, 0, 0);
    power_fakes.trace.clear();
    EXPECT_EQ(write_lighting_mode(c.mode), c.done);
    EXPECT_EQ(journal(), c.journal);
    // Back to manual: the handler sends the same colour, which the cache holds back.
    power_fakes.trace.clear();
    EXPECT_EQ(send_lighting_colour(127, 0, 0), 0);
    EXPECT_TRUE(journal().empty());
  }
}

}  // namespace
