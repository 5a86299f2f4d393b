// The safe state written on the way out: each register read back and retried,
// a running EC tool waited out up to a bound, and one log line per register.
// The EC here is scripted: it can refuse, lose a write, or stay busy.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "hardware/ec_tools.h"
#include "hardware/safe_state.h"

namespace {

struct FakeEc {
  uint8_t regs[256] = {};
  uint32_t now = 0;
  uint32_t tool_until = 0;      // an EC tool runs while now < tool_until
  bool driver = true;
  int lost_writes = 0;          // this many writes are taken but not kept
  int unanswered = 0;           // this many transactions get no answer
  std::vector<std::string> calls;
  std::vector<std::string> log;
};
FakeEc ec;

EcResult refusal() {
  if (ec.now < ec.tool_until) return EC_TOOL_RUNNING;
  if (!ec.driver) return EC_NO_DRIVER;
  if (ec.unanswered > 0) {
    --ec.unanswered;
    return EC_NO_ANSWER;
  }
  return EC_DONE;
}
EcResult fake_write(uint8_t reg, uint8_t value) {
  ec.calls.push_back("w" + std::to_string(reg) + "=" + std::to_string(value));
  EcResult r = refusal();
  if (r != EC_DONE) return r;
  if (ec.lost_writes > 0) {
    --ec.lost_writes;
  } else {
    ec.regs[reg] = value;
  }
  return EC_DONE;
}
EcResult fake_read(uint8_t reg, uint8_t* value) {
  ec.calls.push_back("r" + std::to_string(reg));
  EcResult r = refusal();
  if (r == EC_DONE) *value = ec.regs[reg];
  return r;
}
void fake_sleep(uint32_t ms) { ec.now += ms; }
uint32_t fake_now() { return ec.now; }
void fake_log(const char* line) { ec.log.push_back(line); }

const SafeStateOps OPS = {fake_write, fake_read, fake_sleep, fake_now, fake_log};
const SafeStateLimits LIMITS = {4, 20, 5000, 100};

TEST(SafeState, each_register_is_written_until_it_reads_back_within_the_bounds) {
  struct Case {
    const char* what;
    uint32_t tool_until;
    bool driver;
    int lost_writes, unanswered;
    bool held;
    int writes;               // write calls for the fan register
    uint32_t elapsed_at_most; // ms the fan register took
    const char* log_has;
  } cases[] = {
      {"the EC takes it at once", 0, true, 0, 0, true, 1, 0, "read back after 1 attempt"},
      {"a write the EC lost is written again", 0, true, 2, 0, true, 3, 40, "after 3 attempt"},
      {"an EC that never keeps it is given up on", 0, true, 99, 0, false, 4, 60,
       "FAILED, reads back 0"},
      {"no answer twice, then the write holds", 0, true, 0, 2, true, 3, 40, "after 3 attempt"},
      {"a tool that ends is waited out", 1500, true, 0, 0, true, 16, 1600,
       "read back after 1 attempt"},
      {"a tool that keeps running ends the wait", 60000, true, 0, 0, false, 51, 5100,
       "another EC tool runs"},
      {"without a driver nothing is tried again", 0, false, 0, 0, false, 1, 0, "no EC driver"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ec = FakeEc{};
    ec.regs[0x10] = 0;
    ec.tool_until = c.tool_until;
    ec.driver = c.driver;
    ec.lost_writes = c.lost_writes;
    ec.unanswered = c.unanswered;
    EXPECT_EQ(write_register_checked(OPS, LIMITS, "fan", 0x10, 1), c.held);
    EXPECT_EQ(ec.regs[0x10], c.held ? 1 : 0);
    int writes = 0;
    for (const std::string& call : ec.calls) writes += call == "w16=1";
    EXPECT_EQ(writes, c.writes);
    EXPECT_LE(ec.now, c.elapsed_at_most);
    ASSERT_EQ(ec.log.size(), 1u);
    EXPECT_NE(ec.log[0].find(c.log_has), std::string::npos) << ec.log[0];
  }
}

TEST(SafeState, lighting_is_handed_back_even_when_the_fan_write_failed) {
  ec = FakeEc{};
  ec.regs[0x10] = 0;
  ec.regs[0xB3] = 0xAA;
  ec.lost_writes = 4;  // every fan attempt is lost; lighting comes after
  EXPECT_FALSE(write_safe_state(OPS, LIMITS));
  EXPECT_EQ(ec.regs[0x10], 0);
  EXPECT_EQ(ec.regs[0xB3], 0) << "lighting is the EC's again";
  ASSERT_EQ(ec.log.size(), 2u);
  EXPECT_NE(ec.log[0].find("fan mode automatic: 0x10 = 1 FAILED"), std::string::npos);
  EXPECT_NE(ec.log[1].find("lighting to the EC: 0xB3 = 0, read back"), std::string::npos);

  ec = FakeEc{};
  ec.regs[0x10] = 2;
  ec.regs[0xB3] = 0xAA;
  EXPECT_TRUE(write_safe_state(OPS, LIMITS));
  EXPECT_EQ(ec.regs[0x10], 1);
  EXPECT_EQ(ec.regs[0xB3], 0);
}

TEST(EcTools, are_recognised_by_file_name_in_any_letter_case) {
  struct Case {
    const wchar_t* name;
    bool tool;
  } cases[] = {
      {L"Rw.exe", true},  {L"rw.exe", true},   {L"RW.EXE", true},  {L"HE.exe", true},
      {L"he.EXE", true},  {L"Rw.ex", false},   {L"Rw.exe2", false}, {L"Rw", false},
      {L"xRw.exe", false}, {L"", false},       {nullptr, false},   {L"explorer.exe", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(is_conflicting_ec_tool(c.name), c.tool)
        << (c.name ? std::string(c.name, c.name + wcslen(c.name)) : std::string("(null)"));
  }
}

}  // namespace
