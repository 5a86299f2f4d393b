// The simulated EC: handshake, delays, faults, violations and thermal model.
#include "ec_model.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

constexpr int MAX_POLLS = 1000, MAX_ATTEMPTS = 10;

// One client running the program's ec_read / ec_write handshake against the model, one
// port access per step() so that two clients can be interleaved at will.
struct Host {
  enum Stage { WAIT_IDLE, COMMAND, WAIT_IBF_1, ADDRESS, WAIT_IBF_2, WAIT_OBF, FINISH };
  EcModelState* s;
  uint32_t client;
  bool write;
  uint8_t reg, value;
  Stage stage = WAIT_IDLE;
  int polls = 0, attempt = 0;
  bool done = false, ok = false;
  long saw_idle = -1, command_at = -1, end_at = -1;  // access numbers, for overlap checks

  uint8_t poll() {
    s->client = client;
    return ec_model_read_port(s, EC_MODEL_STATUS_PORT);
  }
  void wait(long now, bool satisfied, Stage next) {
    if (satisfied) {
      stage = next, polls = 0;
      if (next == COMMAND && saw_idle < 0) saw_idle = now;
    } else if (++polls == MAX_POLLS) {
      stage = WAIT_IDLE, polls = 0;
      if (++attempt == MAX_ATTEMPTS) done = true, end_at = now;
    }
  }
  void put(uint16_t port, uint8_t byte) {
    s->client = client;
    ec_model_write_port(s, port, byte);
  }
  void step(long now) {
    switch (stage) {
      case WAIT_IDLE:
        wait(now, (poll() & 3) == 0, COMMAND);
        break;
      case COMMAND:
        if (command_at < 0) command_at = now;
        put(EC_MODEL_STATUS_PORT, write ? EC_MODEL_CMD_WRITE : EC_MODEL_CMD_READ);
        stage = WAIT_IBF_1;
        break;
      case WAIT_IBF_1:
        wait(now, !(poll() & EC_MODEL_IBF), ADDRESS);
        break;
      case ADDRESS:
        put(EC_MODEL_DATA_PORT, reg), stage = WAIT_IBF_2;
        break;
      case WAIT_IBF_2:
        wait(now, !(poll() & EC_MODEL_IBF), write ? FINISH : WAIT_OBF);
        break;
      case WAIT_OBF:
        wait(now, poll() & EC_MODEL_OBF, FINISH);
        break;
      case FINISH:
        if (write) {
          put(EC_MODEL_DATA_PORT, value);
        } else {
          s->client = client;
          value = ec_model_read_port(s, EC_MODEL_DATA_PORT);
        }
        done = ok = true, end_at = now;
        break;
    }
  }
  bool run() {
    for (long i = 0; !done; i++) step(i);
    return ok;
  }
};

bool host_read(EcModelState* s, uint8_t reg, uint8_t* value) {
  Host h{s, 0, false, reg, 0};
  bool ok = h.run();
  if (ok) *value = h.value;
  return ok;
}

bool host_write(EcModelState* s, uint8_t reg, uint8_t value) {
  return Host{s, 0, true, reg, value}.run();
}

EcModelState fresh() {
  EcModelState s;
  ec_model_reset(&s);
  return s;
}

TEST(EcModel, power_on_state_matches_the_register_map) {
  EcModelState s = fresh();
  EXPECT_EQ(s.magic, EC_MODEL_MAGIC);
  EXPECT_EQ(s.regs[EC_MODEL_REG_TEMPERATURE], 45);
  EXPECT_EQ(s.regs[EC_MODEL_REG_FAN_MODE], 1);
  EXPECT_EQ(s.regs[EC_MODEL_REG_FAN_DUTY], ec_model_auto_duty(45));
  EXPECT_EQ(s.regs[EC_MODEL_REG_LIGHT_CONTROL], 0);
  EXPECT_EQ(s.status, 0);
  EXPECT_EQ(s.violations, 0u);
}

TEST(EcModel, well_behaved_transactions_succeed_or_fail_as_part_2_2_says) {
  struct Case {
    const char* name;
    uint32_t delay;
    bool stuck, stale;
    bool write;
    bool ok;
    uint32_t commands;  // bytes written to 0x66
  } cases[] = {
      {"read at once", 0, false, false, false, true, 1},
      {"write at once", 0, false, false, true, true, 1},
      {"read, 1000-poll delay", 1000, false, false, false, true, 1},
      {"write, 1000-poll delay", 1000, false, false, true, true, 1},
      {"read, a step slower than a wait", 1001, false, false, false, false, 10},
      {"stuck EC", 0, true, false, false, false, 0},
      {"stale output byte", 0, false, true, true, false, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EcModelState s = fresh();
    ec_model_set_register(&s, 0xB0, 0x5A);
    s.delay_polls = c.delay;
    s.stuck = c.stuck;
    if (c.stale) ec_model_inject_output(&s, 0x77);
    uint8_t value = 0;
    bool ok = c.write ? host_write(&s, 0xB1, 0x33) : host_read(&s, 0xB0, &value);
    EXPECT_EQ(ok, c.ok);
    EXPECT_EQ(s.commands_written, c.commands);
    EXPECT_EQ(s.violations, 0u);
    if (ok && !c.write) EXPECT_EQ(value, 0x5A);
    if (!ok && c.commands == 0) EXPECT_EQ(s.status_reads, uint32_t(MAX_POLLS * MAX_ATTEMPTS));
    if (c.stale) {
      EXPECT_EQ(s.status, EC_MODEL_OBF);  // not drained by the EC
      EXPECT_EQ(ec_model_read_port(&s, EC_MODEL_DATA_PORT), 0x77);
      EXPECT_EQ(s.status, 0);
    }
    if (ok && c.write) {
      // The host returns on writing the value; the EC takes it after the delay.
      for (uint32_t i = 0; i < c.delay; i++) ec_model_read_port(&s, EC_MODEL_STATUS_PORT);
      EXPECT_EQ(s.regs[0xB1], 0x33);
      EXPECT_EQ(s.writes_done, 1u);
    }
  }
}

TEST(EcModel, each_step_happens_on_the_delay_polls_th_status_read) {
  for (uint32_t delay : {0u, 1u, 2u, 7u}) {
    SCOPED_TRACE(delay);
    EcModelState s = fresh();
    s.delay_polls = delay;
    ec_model_write_port(&s, EC_MODEL_STATUS_PORT, EC_MODEL_CMD_READ);
    uint32_t polls = 0;
    while (ec_model_read_port(&s, EC_MODEL_STATUS_PORT) & EC_MODEL_IBF) polls++;
    EXPECT_EQ(polls + (delay ? 1 : 0), delay);  // delay 0: taken inside the write
    ec_model_write_port(&s, EC_MODEL_DATA_PORT, EC_MODEL_REG_FAN_MODE);
    polls = 0;
    while (!(ec_model_read_port(&s, EC_MODEL_STATUS_PORT) & EC_MODEL_OBF)) polls++;
    EXPECT_EQ(polls + 1, delay ? 2 * delay : 1);  // address taken, then output made
    EXPECT_EQ(ec_model_read_port(&s, EC_MODEL_DATA_PORT), 1);
    EXPECT_EQ(s.violations, 0u);
  }
}

TEST(EcModel, each_kind_of_protocol_violation_is_flagged) {
  struct Op {
    char kind;  // 'r' read, 'w' write, 'd' drop the transaction (its client is gone)
    uint16_t port;
    uint8_t value;
    uint32_t client;
  };
  struct Case {
    const char* name;
    uint32_t delay;
    bool stuck, stale;
    std::vector<Op> ops;
    uint32_t violations;
    EcModelViolation kind;
  } cases[] = {
      {"command while IBF set",
       5,
       false,
       false,
       {{'w', 0x66, 0x80, 0}, {'w', 0x66, 0x80, 0}},
       1,
       EC_VIOLATION_INPUT_FULL},
      {"data while IBF set",
       5,
       false,
       false,
       {{'w', 0x66, 0x80, 0}, {'w', 0x62, 0x08, 0}},
       1,
       EC_VIOLATION_INPUT_FULL},
      {"write while stuck", 0, true, false, {{'w', 0x66, 0x80, 0}}, 1, EC_VIOLATION_INPUT_FULL},
      {"other client's command before the address",
       0,
       false,
       false,
       {{'w', 0x66, 0x80, 1}, {'w', 0x66, 0x81, 2}},
       1,
       EC_VIOLATION_BUSY},
      {"other client's command before the value",
       0,
       false,
       false,
       {{'w', 0x66, 0x81, 1}, {'w', 0x62, 0x11, 1}, {'w', 0x66, 0x80, 2}},
       1,
       EC_VIOLATION_BUSY},
      {"command before the output was read",
       0,
       false,
       false,
       {{'w', 0x66, 0x80, 1}, {'w', 0x62, 0x08, 1}, {'w', 0x66, 0x80, 1}},
       1,
       EC_VIOLATION_BUSY},
      {"command over a stale output byte",
       0,
       false,
       true,
       {{'w', 0x66, 0x80, 0}},
       1,
       EC_VIOLATION_BUSY},
      {"data with no command", 0, false, false, {{'w', 0x62, 0x10, 0}}, 1, EC_VIOLATION_NO_COMMAND},
      {"data after a read's address",
       0,
       false,
       false,
       {{'w', 0x66, 0x80, 0}, {'w', 0x62, 0x08, 0}, {'w', 0x62, 0x09, 0}},
       1,
       EC_VIOLATION_NO_COMMAND},
      {"data from a client that sent no command",
       0,
       false,
       false,
       {{'w', 0x66, 0x81, 1}, {'w', 0x62, 0x11, 2}},
       1,
       EC_VIOLATION_NO_COMMAND},
      {"data read with OBF clear",
       0,
       false,
       false,
       {{'r', 0x62, 0, 0}},
       1,
       EC_VIOLATION_OUTPUT_EMPTY},
      {"unknown command", 0, false, false, {{'w', 0x66, 0x84, 0}}, 1, EC_VIOLATION_UNKNOWN_COMMAND},
      {"a client restarting its own transaction",
       0,
       false,
       false,
       {{'w', 0x66, 0x81, 1}, {'w', 0x62, 0x11, 1}, {'w', 0x66, 0x80, 1}},
       0,
       EC_VIOLATION_NONE},
      {"a command after the transaction of a client that is gone",
       0,
       false,
       false,
       {{'w', 0x66, 0x81, 1}, {'d', 0, 0, 0}, {'w', 0x66, 0x80, 2}},
       0,
       EC_VIOLATION_NONE},
      {"other ports",
       0,
       false,
       false,
       {{'w', 0x80, 0x01, 0}, {'r', 0x80, 0, 0}},
       0,
       EC_VIOLATION_NONE},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EcModelState s = fresh();
    s.delay_polls = c.delay;
    s.stuck = c.stuck;
    if (c.stale) ec_model_inject_output(&s, 0x77);
    for (const Op& op : c.ops) {
      s.client = op.client;
      if (op.kind == 'w') {
        ec_model_write_port(&s, op.port, op.value);
      } else if (op.kind == 'd') {
        ec_model_drop_transaction(&s);
      } else {
        ec_model_read_port(&s, op.port);
      }
    }
    EXPECT_EQ(s.violations, c.violations);
    EXPECT_EQ(s.last_violation, c.kind);
  }
}

// Two clients with random bursts of accesses. Whenever one's command falls
// inside the other's transaction the model must flag it; whenever the two
// ran one after the other (from the idle check to the last access) it must
// flag nothing and both must have done their work.
TEST(EcModel, interleaved_transactions_are_flagged_and_serial_ones_never) {
  std::mt19937 rng(12345);
  int interleaved = 0, serial = 0;
  for (int run = 0; run < 6000; run++) {
    EcModelState s = fresh();
    s.delay_polls = run % 3;
    ec_model_set_register(&s, 0xB0, 0x5A);
    Host hosts[2] = {{&s, 1, (run & 4) != 0, 0xB0, 0x21}, {&s, 2, (run & 8) != 0, 0xB1, 0x42}};
    for (long now = 0; !hosts[0].done || !hosts[1].done;) {
      Host& h = hosts[hosts[0].done ? 1 : hosts[1].done ? 0 : rng() % 2];
      for (int burst = 1 + rng() % 12; burst > 0 && !h.done; burst--) h.step(now++);
    }
    const Host &a = hosts[0], &b = hosts[1];
    bool b_inside_a = b.command_at > a.command_at && b.command_at < a.end_at;
    bool a_inside_b = a.command_at > b.command_at && a.command_at < b.end_at;
    if (b_inside_a || a_inside_b) {
      interleaved++;
      EXPECT_GT(s.violations, 0u) << "run " << run;
    } else if (a.end_at < b.saw_idle || b.end_at < a.saw_idle) {
      serial++;
      EXPECT_EQ(s.violations, 0u) << "run " << run;
      EXPECT_TRUE(a.ok && b.ok);
      if (!a.write) EXPECT_EQ(a.value, 0x5A);
    }
  }
  EXPECT_GT(interleaved, 500);
  EXPECT_GT(serial, 1000);
}

// Temperature after 30 s from 60 C at a load and a manual duty.
double temperature_after_30s(double load, uint8_t duty) {
  EcModelState s = fresh();
  ec_model_set_register(&s, EC_MODEL_REG_FAN_MODE, 0);
  ec_model_set_register(&s, EC_MODEL_REG_FAN_DUTY, duty);
  ec_model_set_temperature(&s, 60);
  s.load = load;
  ec_model_step_thermal(&s, 1000);
  ec_model_step_thermal(&s, 31000);
  EXPECT_EQ(s.regs[EC_MODEL_REG_FAN_DUTY], duty);  // manual mode keeps the duty
  EXPECT_EQ(s.regs[EC_MODEL_REG_TEMPERATURE], uint8_t(std::lround(s.temperature)));
  return s.temperature;
}

TEST(EcModel, temperature_rises_with_load_and_falls_with_fan_duty) {
  EXPECT_GT(temperature_after_30s(100, 0), 95);
  EXPECT_LT(temperature_after_30s(100, 128), 70);
  EXPECT_LT(temperature_after_30s(20, 128), 45);
  EXPECT_LT(temperature_after_30s(50, 128), temperature_after_30s(50, 40));
  EXPECT_LE(temperature_after_30s(100, 0), 105);  // clamped
}

TEST(EcModel, frozen_temperature_stays_while_automatic_duty_follows_it) {
  EcModelState s = fresh();
  s.frozen = 1;
  s.load = 100;
  ec_model_step_thermal(&s, 1000);
  ec_model_set_temperature(&s, 85);
  ec_model_step_thermal(&s, 61000);
  EXPECT_EQ(s.regs[EC_MODEL_REG_TEMPERATURE], 85);
  EXPECT_EQ(s.regs[EC_MODEL_REG_FAN_DUTY], ec_model_auto_duty(85));
}

TEST(EcModel, automatic_mode_sets_the_duty_from_the_temperature) {
  struct Case {
    uint8_t celsius, duty;
  } cases[] = {{25, 26}, {40, 26}, {65, 77}, {90, 128}, {105, 128}};
  for (const Case& c : cases) {
    SCOPED_TRACE(int(c.celsius));
    EcModelState s = fresh();
    s.frozen = 1;
    ec_model_set_register(&s, EC_MODEL_REG_FAN_DUTY, 0);
    ec_model_set_temperature(&s, c.celsius);
    ec_model_step_thermal(&s, 5000);
    EXPECT_EQ(s.regs[EC_MODEL_REG_FAN_DUTY], c.duty);
  }
}

TEST(EcModel, curve_mode_runs_a_line_between_the_zones_and_is_flat_beyond_them) {
  // The program's default zones: 20/50/60/70/90 C at duties 51/64/76/115/128,
  // and the same written out of order (zone 3 below zone 2) with a zone duty
  // above the encoding's 128.
  const uint8_t ordered[5][2] = {{51, 20}, {64, 50}, {76, 60}, {115, 70}, {128, 90}};
  const uint8_t unordered[5][2] = {{51, 20}, {64, 50}, {200, 40}, {115, 70}, {128, 90}};
  struct Case {
    const uint8_t (*zones)[2];
    uint8_t celsius, duty;
  } cases[] = {
      {ordered, 10, 51},  {ordered, 20, 51},   {ordered, 35, 58},   {ordered, 49, 64},
      {ordered, 50, 64},  {ordered, 65, 96},   {ordered, 80, 122},  {ordered, 89, 127},
      {ordered, 90, 128}, {ordered, 100, 128}, {unordered, 45, 126}, {unordered, 55, 122},
      {unordered, 30, 55},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << (c.zones == ordered ? "ordered " : "unordered ") << int(c.celsius));
    EcModelState s = fresh();
    s.frozen = 1;
    ec_model_set_temperature(&s, c.celsius);
    for (int n = 0; n < 5; n++) {  // through the ports, as the program writes them
      ASSERT_TRUE(host_write(&s, EC_MODEL_REG_ZONE_FIRST + 2 * n, c.zones[n][0]));
      ASSERT_TRUE(host_write(&s, EC_MODEL_REG_ZONE_FIRST + 2 * n + 1, c.zones[n][1]));
    }
    ASSERT_TRUE(host_write(&s, EC_MODEL_REG_FAN_MODE, 2));
    EXPECT_EQ(s.regs[EC_MODEL_REG_FAN_DUTY], c.duty);
  }
}

TEST(EcModel, a_hotter_device_in_curve_mode_spins_the_fan_up_and_cools_down_again) {
  EcModelState s = fresh();
  const uint8_t zones[5][2] = {{51, 20}, {64, 50}, {76, 60}, {115, 70}, {128, 90}};
  for (int n = 0; n < 5; n++) {
    ASSERT_TRUE(host_write(&s, EC_MODEL_REG_ZONE_FIRST + 2 * n, zones[n][0]));
    ASSERT_TRUE(host_write(&s, EC_MODEL_REG_ZONE_FIRST + 2 * n + 1, zones[n][1]));
  }
  ASSERT_TRUE(host_write(&s, EC_MODEL_REG_FAN_MODE, 2));
  ec_model_set_temperature(&s, 85);
  uint8_t hot_duty = s.regs[EC_MODEL_REG_FAN_DUTY];
  EXPECT_EQ(hot_duty, 125);  // 115 + 13 * 15 / 20, rounded
  ec_model_step_thermal(&s, 1000);
  ec_model_step_thermal(&s, 60000);
  EXPECT_LT(s.regs[EC_MODEL_REG_TEMPERATURE], 60);
  EXPECT_LT(s.regs[EC_MODEL_REG_FAN_DUTY], hot_duty);
}

TEST(EcModel, manual_mode_keeps_the_written_duty_as_the_temperature_moves) {
  EcModelState s = fresh();
  ASSERT_TRUE(host_write(&s, EC_MODEL_REG_FAN_MODE, 0));
  ASSERT_TRUE(host_write(&s, EC_MODEL_REG_FAN_DUTY, 64));
  s.load = 100;
  ec_model_step_thermal(&s, 1000);
  ec_model_step_thermal(&s, 60000);
  EXPECT_GT(s.regs[EC_MODEL_REG_TEMPERATURE], 70);
  EXPECT_EQ(s.regs[EC_MODEL_REG_FAN_DUTY], 64);
  EXPECT_EQ(s.writes_done, 2u);
  EXPECT_EQ(s.write_log_count, 2u);
  EXPECT_EQ(s.write_log[1][0], EC_MODEL_REG_FAN_DUTY);
  EXPECT_EQ(s.write_log[1][1], 64);
}

}  // namespace
