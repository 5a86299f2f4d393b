// The active power scheme through the program's own calls and the stand-in
// powrprof.dll beside the test, with powersim.exe as a second process that
// changes the scheme from outside, as a person in the power options would.
#include <gtest/gtest.h>

#include <string>

#include "hardware/power.h"
#include "tests/backend/sim_logs.h"
#include "tests/support/win_process.h"

namespace {

std::string powersim(const std::wstring& arguments) {
  std::string output;
  int code = run_and_capture(L"powersim.exe " + arguments, &output);
  if (code != 0) return "exit " + std::to_string(code);
  while (!output.empty() && (output.back() == '\n' || output.back() == '\r')) output.pop_back();
  return output;
}

class PowerScheme : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(powersim(L"reset"), "");
    sim_log_clear(L"powrprof.log");
  }
};

TEST_F(PowerScheme, a_written_value_lands_in_ac_and_dc_and_the_scheme_is_activated_after) {
  struct Case {
    SchemeSetting setting;
    uint32_t value;
    const wchar_t* name;
    const char* seen;
  } cases[] = {
      {SCHEME_MAX_PROCESSOR_STATE, 70, L"cpu", "70 70"},
      {SCHEME_MAX_PROCESSOR_STATE, 40, L"cpu", "40 40"},
      {SCHEME_BOOST_MODE, 0, L"boost", "0 0"},
      {SCHEME_BOOST_MODE, 1, L"boost", "1 1"},
  };
  for (const Case& c : cases) {
    sim_log_clear(L"powrprof.log");
    EXPECT_EQ(write_scheme_value(c.setting, c.value), 1);
    EXPECT_EQ(powersim(std::wstring(L"get ") + c.name), c.seen);
    std::vector<std::string> log = sim_log_lines(L"powrprof.log");
    ASSERT_EQ(log.size(), 3u);
    std::string name = c.setting == SCHEME_BOOST_MODE ? "boost_mode" : "max_processor_state";
    EXPECT_EQ(log[0], "PowerWriteACValueIndex " + name + " " + std::to_string(c.value));
    EXPECT_EQ(log[1], "PowerWriteDCValueIndex " + name + " " + std::to_string(c.value));
    EXPECT_EQ(log[2], "PowerSetActiveScheme");
  }
}

TEST_F(PowerScheme, values_changed_from_outside_are_read_back_with_ac_and_dc_apart) {
  struct Case {
    const wchar_t* command;
    SchemeSetting setting;
    uint32_t ac, dc;
  } cases[] = {
      {L"set cpu 55", SCHEME_MAX_PROCESSOR_STATE, 55, 55},
      {L"set cpu 80 60", SCHEME_MAX_PROCESSOR_STATE, 80, 60},
      {L"set boost 2", SCHEME_BOOST_MODE, 2, 2},
      {L"set boost 1 0", SCHEME_BOOST_MODE, 1, 0},
  };
  for (const Case& c : cases) {
    ASSERT_EQ(powersim(c.command), "");
    uint32_t ac = 999, dc = 999;
    EXPECT_EQ(read_scheme_value(c.setting, &ac, &dc), 1);
    EXPECT_EQ(ac, c.ac);
    EXPECT_EQ(dc, c.dc);
  }
}

TEST_F(PowerScheme, a_scheme_that_cannot_be_had_reads_and_writes_nothing_and_says_so) {
  ASSERT_EQ(powersim(L"fail on"), "");
  EXPECT_EQ(write_scheme_value(SCHEME_MAX_PROCESSOR_STATE, 60), 0);
  uint32_t ac = 7, dc = 8;
  EXPECT_EQ(read_scheme_value(SCHEME_BOOST_MODE, &ac, &dc), 0);
  EXPECT_EQ(ac, 7u);
  EXPECT_EQ(dc, 8u);
  ASSERT_EQ(powersim(L"fail off"), "");
  EXPECT_EQ(powersim(L"get cpu"), "100 100");
  EXPECT_TRUE(sim_log_lines(L"powrprof.log").empty());
}

TEST_F(PowerScheme, a_value_outside_the_setting_range_is_refused_and_reported) {
  EXPECT_EQ(write_scheme_value(SCHEME_MAX_PROCESSOR_STATE, 101), 0);
  EXPECT_EQ(write_scheme_value(SCHEME_BOOST_MODE, 9), 0);
  EXPECT_EQ(powersim(L"get cpu"), "100 100");
  EXPECT_EQ(powersim(L"get boost"), "1 1");
}

}  // namespace
