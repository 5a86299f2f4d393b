// The EC transactions against the simulated controller, with every port access
// recorded, so a test sees exactly what reached the ports.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <vector>

#include "hardware/ec_handshake.h"
#include "hardware/ols_exports.h"
#include "sim/ec_model.h"

namespace {

struct PortAccess {
  bool write;
  uint16_t port;
  uint8_t value;
};

EcModelState model;
std::vector<PortAccess> accesses;

// A clock that moves only when a port is touched: every access costs
// us_per_access microseconds, so a test sets how fast the driver is.
uint64_t fake_now_us = 0;
uint64_t us_per_access = 0;
uint64_t fake_clock() { return fake_now_us; }

uint8_t model_read(uint16_t port) {
  fake_now_us += us_per_access;
  uint8_t value = ec_model_read_port(&model, port);
  accesses.push_back({false, port, value});
  return value;
}
void model_write(uint16_t port, uint8_t value) {
  fake_now_us += us_per_access;
  accesses.push_back({true, port, value});
  ec_model_write_port(&model, port, value);
}
const EcPortIo model_ports = {model_read, model_write, nullptr};
const EcPortIo timed_ports = {model_read, model_write, fake_clock};

int count(bool write, uint16_t port) {
  int n = 0;
  for (const PortAccess& a : accesses) n += (a.write == write && a.port == port);
  return n;
}

struct HandshakeCase {
  const char* name;
  std::function<void(EcModelState*)> prepare;
  bool write;                 // ec_handshake_write, else ec_handshake_read
  uint8_t reg, value;         // register, and the value written or expected
  int result;
  int status_polls;           // -1: not checked
  int commands;               // bytes written to the status port
  uint64_t us_per_access = 0; // 0: no clock, waits bounded by polls only
  uint64_t max_elapsed_us = 0;  // with a clock: the transaction took at most this
};

class EcHandshake : public ::testing::TestWithParam<HandshakeCase> {
 protected:
  void SetUp() override {
    ec_model_reset(&model);
    model.frozen = 1;
    accesses.clear();
    fake_now_us = 1000000;
  }
};

TEST_P(EcHandshake, reaches_the_expected_outcome_through_the_ports) {
  const HandshakeCase& c = GetParam();
  c.prepare(&model);
  us_per_access = c.us_per_access;
  const EcPortIo& io = c.us_per_access ? timed_ports : model_ports;
  const uint64_t start = fake_now_us;
  uint8_t value = 0x5A;
  int result = c.write ? ec_handshake_write(io, c.reg, c.value) : ec_handshake_read(io, c.reg, &value);
  EXPECT_EQ(result, c.result);
  if (!c.write) EXPECT_EQ(value, c.result ? c.value : 0x5A) << "a failed read leaves the value";
  if (c.status_polls >= 0) EXPECT_EQ(count(false, 0x66), c.status_polls);
  EXPECT_EQ(count(true, 0x66), c.commands);
  if (c.max_elapsed_us) EXPECT_LE(fake_now_us - start, c.max_elapsed_us);
  EXPECT_EQ(model.violations, 0u);
}

const HandshakeCase handshake_cases[] = {
    {"normal_read", [](EcModelState* s) { s->regs[0x08] = 47; }, false, 0x08, 47, 1, -1, 1},
    {"normal_write", [](EcModelState*) {}, true, 0xB0, 0x3C, 1, -1, 1},
    {"status_never_clears_gives_up_after_ten_times_a_thousand_polls",
     [](EcModelState* s) { s->stuck = 1; }, false, 0x08, 0, 0, EC_ATTEMPTS * EC_POLL_LIMIT, 0},
    {"stale_output_byte_is_drained_and_the_read_goes_through",
     [](EcModelState* s) { ec_model_inject_output(s, 0x77); s->regs[0x08] = 52; }, false, 0x08, 52,
     1, -1, 1},
    {"stale_output_byte_does_not_block_a_write",
     [](EcModelState* s) { ec_model_inject_output(s, 0x77); }, true, 0x10, 1, 1, -1, 1},
    {"slow_ec_within_the_poll_budget_still_answers",
     [](EcModelState* s) { s->regs[0x11] = 64; s->delay_polls = 900; }, false, 0x11, 64, 1, -1, 1},
    {"slow_ec_write_within_the_poll_budget",
     [](EcModelState* s) { s->delay_polls = 900; }, true, 0x10, 2, 1, -1, 1},
    // With a clock the waits are bounded in time: a stuck EC costs 50 ms a
    // wait whatever the poll count, and a fast driver may poll past the old
    // 1000-poll budget for an EC that needs longer.
    {"stuck_ec_gives_up_after_50_ms_per_attempt",
     [](EcModelState* s) { s->stuck = 1; }, false, 0x08, 0, 0, -1, 0, 100,
     EC_ATTEMPTS * (EC_WAIT_US + 1000)},
    {"slow_driver_still_polls_a_few_times_before_giving_up",
     [](EcModelState* s) { s->stuck = 1; }, false, 0x08, 0, 0, EC_ATTEMPTS * EC_MIN_POLLS, 0,
     20000, 0},
    {"ec_slower_than_a_thousand_polls_answers_within_the_time_budget",
     [](EcModelState* s) { s->regs[0x11] = 64; s->delay_polls = 3000; }, false, 0x11, 64, 1, -1,
     1, 5},
};

INSTANTIATE_TEST_SUITE_P(Cases, EcHandshake, ::testing::ValuesIn(handshake_cases),
                         [](const auto& info) { return std::string(info.param.name); });

// A read that gave up just before the EC answered leaves the answer in the
// output buffer. The next transaction, the exit's safe state for example,
// must not fail on it, and must not break the protocol either.
TEST(EcHandshakeRead, an_answer_nobody_collected_does_not_fail_the_next_transaction) {
  ec_model_reset(&model);
  model.frozen = 1;
  model.regs[0x08] = 40;
  ec_model_write_port(&model, 0x66, EC_MODEL_CMD_READ);
  ec_model_write_port(&model, 0x62, 0x08);
  ASSERT_TRUE(model.status & EC_MODEL_OBF) << "the answer waits, uncollected";
  accesses.clear();
  EXPECT_EQ(ec_handshake_write(model_ports, 0x10, 1), 1);
  EXPECT_EQ(model.regs[0x10], 1);
  EXPECT_EQ(count(false, 0x62), 1) << "drained once";
  EXPECT_EQ(model.violations, 0u);
}

TEST(EcHandshakeWrite, returns_right_after_the_value_byte_before_the_ec_takes_it) {
  ec_model_reset(&model);
  model.frozen = 1;
  model.delay_polls = 5;
  accesses.clear();
  ASSERT_EQ(ec_handshake_write(model_ports, 0xB1, 0x99), 1);
  const PortAccess& last = accesses.back();
  EXPECT_TRUE(last.write);
  EXPECT_EQ(last.port, 0x62);
  EXPECT_EQ(last.value, 0x99);
  EXPECT_TRUE(model.status & EC_MODEL_IBF) << "the EC has not taken the value yet";
  // The EC stores it once it gets round to it.
  for (int i = 0; i < 10; ++i) ec_model_read_port(&model, 0x66);
  EXPECT_EQ(model.regs[0xB1], 0x99);
}

TEST(OlsExports, name_the_four_entry_points_the_program_calls) {
  EXPECT_STREQ(OLS_EXPORT_NAMES[OLS_INITIALIZE], "InitializeOls");
  EXPECT_STREQ(OLS_EXPORT_NAMES[OLS_DEINITIALIZE], "DeinitializeOls");
  EXPECT_STREQ(OLS_EXPORT_NAMES[OLS_READ_IO_PORT_BYTE], "ReadIoPortByte");
  EXPECT_STREQ(OLS_EXPORT_NAMES[OLS_WRITE_IO_PORT_BYTE], "WriteIoPortByte");
  for (int i = 0; i < OLS_EXPORT_COUNT; ++i)
    for (int j = i + 1; j < OLS_EXPORT_COUNT; ++j)
      EXPECT_STRNE(OLS_EXPORT_NAMES[i], OLS_EXPORT_NAMES[j]);
}

}  // namespace
