// The fan operations against the simulated EC: what reaches the registers,
// in which encoding, and what is read back.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "hardware/ec_registers.h"
#include "hardware/fan.h"
#include "hardware/hardware_state.h"
#include "tests/support/simulated_ec.h"

namespace {

using Writes = std::vector<std::pair<uint8_t, uint8_t>>;

class Fan : public testing::Test {
 protected:
  void SetUp() override {
    reset_simulated_ec();
    BoardModel = 1;
    ec_ready = 1;
    fan_mode = 1;
    fan_speed = 20;
  }
  void TearDown() override {
    BoardModel = 0;
    ec_ready = 0;
  }
};

TEST(FanEncoding, speeds_become_duty_bytes_and_duty_bytes_become_speeds) {
  struct Case {
    int32_t percent;
    uint8_t manual, zone;
  } to_ec[] = {{-5, 25, 0}, {0, 25, 0},   {1, 25, 1},     {19, 25, 24},   {20, 25, 25},
               {50, 64, 64}, {99, 126, 126}, {100, 128, 128}, {250, 128, 128}};
  for (const Case& c : to_ec) {
    SCOPED_TRACE(c.percent);
    EXPECT_EQ(manual_fan_duty(c.percent), c.manual);
    EXPECT_EQ(zone_fan_duty(c.percent), c.zone);
  }
  struct Back {
    uint8_t duty;
    int32_t percent;
  } from_ec[] = {{0, 0}, {25, 19}, {64, 50}, {127, 99}, {128, 100}, {129, 100}, {200, 100}, {255, 100}};
  for (const Back& b : from_ec) {
    SCOPED_TRACE(int(b.duty));
    EXPECT_EQ(fan_duty_percent(b.duty), b.percent);
  }
}

TEST_F(Fan, mode_and_speed_reach_their_registers_only_on_a_ready_supported_board) {
  struct Case {
    int32_t board, ready;
    bool sent;
  } cases[] = {{1, 1, true}, {3, 1, true}, {0, 1, false}, {1, 0, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "board " << c.board << " ready " << c.ready);
    reset_simulated_ec();
    BoardModel = c.board;
    ec_ready = c.ready;
    EXPECT_EQ(apply_fan_mode(0), c.sent ? 1 : 0);
    EXPECT_EQ(apply_fan_speed(50), c.sent ? 1 : 0);
    // The values in force follow the request either way: they are stored
    // and shown even when the EC cannot take them.
    EXPECT_EQ(fan_mode, 0);
    EXPECT_EQ(fan_speed, 50);
    Writes expected;
    if (c.sent) expected = {{EC_REG_FAN_MODE, 0}, {EC_REG_FAN_DUTY, 64}};
    EXPECT_EQ(simulated_ec.writes, expected);
  }
}

TEST_F(Fan, zones_go_to_their_register_pairs_speed_first_and_clamped) {
  struct Case {
    const char* what;
    int32_t speeds[5], temperatures[5];
    Writes expected;
  } cases[] = {
      {"the default curve",
       {40, 50, 60, 90, 100},
       {20, 50, 60, 70, 90},
       {{0x12, 51}, {0x13, 20}, {0x14, 64}, {0x15, 50}, {0x16, 76}, {0x17, 60},
        {0x18, 115}, {0x19, 70}, {0x1A, 128}, {0x1B, 90}}},
      {"values outside 0..100",
       {-20, 0, 101, 100, 5000},
       {-1, 30, 60, 250, 100},
       {{0x12, 0}, {0x13, 0}, {0x14, 0}, {0x15, 30}, {0x16, 128}, {0x17, 60},
        {0x18, 128}, {0x19, 100}, {0x1A, 128}, {0x1B, 100}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    reset_simulated_ec();
    EXPECT_EQ(apply_fan_zones(c.speeds, c.temperatures), 10);
    EXPECT_EQ(simulated_ec.writes, c.expected);
    for (int i = 0; i < 5; ++i) {
      EXPECT_EQ(fan_zones[i].zone, i + 1);
      EXPECT_EQ(fan_zones[i].speed, clamp_fan_zone_value(c.speeds[i]));
      EXPECT_EQ(fan_zones[i].temperature, clamp_fan_zone_value(c.temperatures[i]));
    }
  }
}

TEST_F(Fan, zones_are_kept_but_not_sent_while_the_ec_is_unavailable) {
  const int32_t speeds[5] = {10, 20, 30, 40, 50}, temperatures[5] = {30, 40, 50, 60, 70};
  simulated_ec.unavailable = true;
  EXPECT_EQ(apply_fan_zones(speeds, temperatures), 0);
  EXPECT_EQ(fan_zones[2].speed, 30);
  EXPECT_EQ(fan_zones[4].temperature, 70);
  EXPECT_TRUE(simulated_ec.writes.empty());
}

TEST_F(Fan, the_duty_is_read_twice_and_a_non_zero_second_reading_wins) {
  struct Case {
    const char* what;
    std::vector<int> answers;  // the two reads of 0x11
    int ok;
    int32_t percent;  // 77 = left as it was
  } cases[] = {
      {"both readings agree", {64, 64}, 1, 50},
      {"the second reading differs", {64, 128}, 1, 100},
      {"a second reading of 0 is ignored", {64, 0}, 1, 50},
      {"a failed second read keeps the first", {64, -1}, 1, 50},
      {"a first reading of 0 stands when the second is 0 too", {0, 0}, 1, 0},
      {"a failed first read shows nothing", {-1, 64}, 0, 77},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    reset_simulated_ec();
    simulated_ec.scripted_reads.assign(c.answers.begin(), c.answers.end());
    int32_t percent = 77;
    EXPECT_EQ(read_fan_duty_percent(&percent), c.ok);
    EXPECT_EQ(percent, c.percent);
  }
}

TEST_F(Fan, the_readout_reads_temperature_and_duty_in_one_go) {
  struct Case {
    const char* what;
    bool with_duty;
    std::vector<int> answers;  // scripted EC answers, -1 = no answer
    bool has_temperature, has_duty;
    int32_t celsius, percent;
    int reads;
  } cases[] = {
      {"temperature and both duty readings", true, {45, 64, 64}, true, true, 45, 50, 3},
      {"a second duty reading of 0 is ignored", true, {45, 64, 0}, true, true, 45, 50, 3},
      {"a failed second duty read keeps the first", true, {45, 64, -1}, true, true, 45, 50, 3},
      {"no duty without a first duty reading", true, {45, -1}, true, false, 45, 0, 2},
      {"nothing after an unanswered temperature", true, {-1, 64, 64}, false, false, 0, 0, 1},
      {"manual mode reads the temperature alone", false, {45, 64, 64}, true, false, 45, 0, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    reset_simulated_ec();
    simulated_ec.scripted_reads.assign(c.answers.begin(), c.answers.end());
    const int reads_before = simulated_ec.reads;
    const FanReadout got = read_fan_readout(c.with_duty);
    EXPECT_EQ(got.has_temperature, c.has_temperature);
    EXPECT_EQ(got.has_duty, c.has_duty);
    if (c.has_temperature) EXPECT_EQ(got.celsius, c.celsius);
    if (c.has_duty) EXPECT_EQ(got.percent, c.percent);
    EXPECT_EQ(simulated_ec.reads - reads_before, c.reads);
  }
}

TEST_F(Fan, readings_come_from_the_simulated_device_and_stop_when_it_is_unusable) {
  ec_model_set_temperature(&simulated_ec.model, 72);
  int32_t celsius = 0, percent = 0;
  ASSERT_EQ(read_fan_temperature(&celsius), 1);
  EXPECT_EQ(celsius, 72);
  ASSERT_EQ(read_fan_duty_percent(&percent), 1);
  EXPECT_EQ(percent, fan_duty_percent(ec_model_auto_duty(72)));

  int reads_before = simulated_ec.reads;
  BoardModel = 0;
  EXPECT_EQ(read_fan_temperature(&celsius), 0);
  EXPECT_EQ(read_fan_duty_percent(&percent), 0);
  EXPECT_EQ(simulated_ec.reads, reads_before);  // not even tried
}

TEST_F(Fan, the_simulated_ec_follows_a_written_curve_between_its_zones) {
  const int32_t speeds[5] = {40, 50, 60, 90, 100}, temperatures[5] = {20, 50, 60, 70, 90};
  apply_fan_zones(speeds, temperatures);
  apply_fan_mode(2);
  struct Case {
    uint8_t celsius;
    int32_t percent;
  } cases[] = {{10, 39}, {50, 50}, {55, 54}, {65, 75}, {95, 100}};
  for (const Case& c : cases) {
    SCOPED_TRACE(int(c.celsius));
    ec_model_set_temperature(&simulated_ec.model, c.celsius);
    int32_t percent = -1;
    ASSERT_EQ(read_fan_duty_percent(&percent), 1);
    EXPECT_EQ(percent, c.percent);
  }
}

}  // namespace
