// EC access through the stand-in WinRing0x64.dll and its simulated controller,
// with ecsim.exe as a second process looking at the same EC.
#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

#include "hardware/ec.h"
#include "hardware/ec_handshake.h"
#include "tests/support/win_process.h"

namespace {

long tool(const std::wstring& arguments) { return run_for_number(L"ecsim.exe " + arguments); }

// Runs an ecsim command that prints nothing; true when it succeeded.
bool tool_does(const std::wstring& arguments) {
  std::string ignored;
  return run_and_capture(L"ecsim.exe " + arguments, &ignored) == 0;
}

// One counter of `ecsim stats` ("name value" a line), or -1.
long ec_stat(const std::string& name) {
  std::string output;
  if (run_and_capture(L"ecsim.exe stats", &output) != 0) return -1;
  size_t at = output.find(name + " ");
  return at == std::string::npos ? -1 : std::stol(output.substr(at + name.size() + 1));
}

class EcDriver : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_TRUE(load_ec_driver()); }
  void SetUp() override {
    ASSERT_TRUE(tool_does(L"reset"));
    ASSERT_TRUE(tool_does(L"freeze on"));
  }
};

TEST_F(EcDriver, program_and_tool_see_each_others_writes) {
  ASSERT_EQ(ec_write(EC_REG_LIGHT_RED, 0x5A), 1);
  EXPECT_EQ(tool(L"get 0xB0"), 0x5A);

  ASSERT_TRUE(tool_does(L"set 0xB1 200"));
  uint8_t value = 0;
  ASSERT_EQ(ec_read(EC_REG_LIGHT_GREEN, &value), 1);
  EXPECT_EQ(value, 200);

  ASSERT_TRUE(tool_does(L"temp 71"));
  ASSERT_EQ(ec_read(EC_REG_TEMPERATURE, &value), 1);
  EXPECT_EQ(value, 71);
  EXPECT_EQ(tool(L"violations"), 0);
}

// Other EC tools are recognised by their executable name in any letter case,
// as Windows compares file names; a name that only resembles one is not.
TEST_F(EcDriver, a_conflicting_tool_stops_all_traffic_for_as_long_as_it_runs) {
  struct Case {
    const wchar_t* name;
    bool blocks;
  } cases[] = {{L"Rw.exe", true},  {L"HE.exe", true},   {L"rw.exe", true},
               {L"RW.EXE", true},  {L"he.exe", true},   {L"Rwx.exe", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.name, c.name + wcslen(c.name)));
    ASSERT_TRUE(tool_does(L"set 0xB2 17"));
    HANDLE other = start_copy_as(test_bin_dir() + L"idle.exe", c.name);
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(ec_tool_running(), c.blocks);
    long commands_before = ec_stat("commands");
    uint8_t value = 99;
    EXPECT_EQ(ec_write_result(EC_REG_LIGHT_BLUE, 33), c.blocks ? EC_TOOL_RUNNING : EC_DONE);
    EXPECT_EQ(ec_read(EC_REG_LIGHT_BLUE, &value), c.blocks ? 0 : 1);
    EXPECT_EQ(value, c.blocks ? 99 : 33);
    EXPECT_EQ(tool(L"get 0xB2"), c.blocks ? 17 : 33);
    const uint8_t group[2] = {EC_REG_LIGHT_BLUE, EC_REG_LIGHT_BLUE};
    uint8_t values[2] = {99, 99};
    EXPECT_EQ(ec_read_group(group, values, 2), c.blocks ? 0 : 2);
    EXPECT_EQ(values[1], c.blocks ? 99 : 33);
    if (c.blocks) EXPECT_EQ(ec_stat("commands"), commands_before) << "ports were touched";
    end_process(other);
    EXPECT_EQ(ec_write(EC_REG_LIGHT_BLUE, 34), 1) << "traffic resumes once the tool has ended";
  }
}

// Two threads each own one register and check every value they read back.
// They start together, and the stand-in holds each transaction open after
// its command byte until another thread touches a port (or the hold ends):
// two transactions that are not serialised meet on the ports every time,
// and the stand-in flags it.
void hammer(int (*write)(uint8_t, uint8_t), int (*read)(uint8_t, uint8_t*), int rounds,
            std::atomic<int>* mismatches) {
  std::mutex start_mutex;
  std::condition_variable start;
  int ready = 0;
  auto worker = [&](uint8_t reg) {
    {
      std::unique_lock<std::mutex> lock(start_mutex);
      if (++ready == 2) start.notify_all();
      start.wait(lock, [&] { return ready == 2; });
    }
    for (int i = 0; i < rounds; ++i) {
      uint8_t value = 0;
      if (write(reg, uint8_t(i)) != 1 || read(reg, &value) != 1 || value != uint8_t(i)) {
        ++*mismatches;
      }
    }
  };
  std::thread first(worker, EC_REG_LIGHT_RED);
  std::thread second(worker, EC_REG_LIGHT_GREEN);
  first.join();
  second.join();
}

constexpr const wchar_t* HOLD = L"hold 700";

TEST_F(EcDriver, concurrent_transactions_never_interleave) {
  ASSERT_TRUE(tool_does(HOLD));
  std::atomic<int> mismatches{0};
  hammer(ec_write, ec_read, 1, &mismatches);
  ASSERT_TRUE(tool_does(L"hold 0"));
  EXPECT_EQ(mismatches.load(), 0);
  EXPECT_EQ(tool(L"violations"), 0);
  EXPECT_EQ(ec_stat("holds_intruded"), 0) << "no transaction ever met another";
}

// The control experiment: the same traffic without the lock is caught by the
// stand-in, so the test above would notice a missing lock.
HMODULE raw_module;
uint8_t raw_read_port(uint16_t port) {
  using Read = BYTE(WINAPI*)(WORD);
  return reinterpret_cast<Read>(GetProcAddress(raw_module, "ReadIoPortByte"))(port);
}
void raw_write_port(uint16_t port, uint8_t value) {
  using Write = void(WINAPI*)(WORD, BYTE);
  reinterpret_cast<Write>(GetProcAddress(raw_module, "WriteIoPortByte"))(port, value);
}
const EcPortIo raw_ports = {raw_read_port, raw_write_port, nullptr};
int raw_write(uint8_t reg, uint8_t value) { return ec_handshake_write(raw_ports, reg, value); }
int raw_read(uint8_t reg, uint8_t* value) { return ec_handshake_read(raw_ports, reg, value); }

TEST_F(EcDriver, unserialised_transactions_are_flagged_by_the_simulated_ec) {
  raw_module = GetModuleHandleW(L"WinRing0x64.dll");
  ASSERT_NE(raw_module, nullptr);
  ASSERT_TRUE(tool_does(HOLD));
  std::atomic<int> mismatches{0};
  hammer(raw_write, raw_read, 1, &mismatches);
  ASSERT_TRUE(tool_does(L"hold 0"));
  EXPECT_GT(ec_stat("holds_intruded"), 0) << "the two transactions met";
  EXPECT_GT(tool(L"violations"), 0);
}

// The crash path's transactions wait for the EC lock only so long: a thread
// that died holding it (here: one that holds it inside a held-open
// transaction for far longer) cannot keep the fan from being handed back.
TEST_F(EcDriver, a_bounded_transaction_goes_ahead_when_the_lock_is_not_given_up) {
  ASSERT_TRUE(tool_does(L"hold 4000"));
  ASSERT_TRUE(tool_does(L"set 0x10 0"));
  std::thread holder([] { ec_write(EC_REG_LIGHT_RED, 1); });
  // Wait until the holder is inside its transaction (its command byte is in).
  for (int i = 0; i < 200 && ec_stat("commands") < 1; ++i) Sleep(10);
  ASSERT_GE(ec_stat("commands"), 1);
  EXPECT_EQ(ec_write_bounded(EC_REG_FAN_MODE, EC_FAN_MODE_AUTO, 100), EC_DONE);
  holder.join();
  ASSERT_TRUE(tool_does(L"hold 0"));
  EXPECT_EQ(tool(L"get 0x10"), EC_FAN_MODE_AUTO);
}

// The elevated program must never load a driver library from its working
// directory or PATH, where anybody could have put one.
TEST(EcDriverSearch, a_library_planted_in_the_working_directory_or_path_is_not_loaded) {
  // The stand-in beside this test is the one to find; hide it first by
  // testing from a copy of the test in a folder without one.
  wchar_t exe[MAX_PATH];
  GetModuleFileNameW(nullptr, exe, MAX_PATH);
  std::wstring bin = test_bin_dir();
  std::wstring planted = bin + L"planted\\";
  CreateDirectoryW(planted.c_str(), nullptr);
  ASSERT_TRUE(CopyFileW((bin + L"WinRing0x64.dll").c_str(), (planted + L"WinRing0x64.dll").c_str(),
                        FALSE));
  std::wstring lonely = bin + L"lonely\\";
  CreateDirectoryW(lonely.c_str(), nullptr);
  std::wstring copy = lonely + L"ec_driver_test.exe";
  ASSERT_TRUE(CopyFileW(exe, copy.c_str(), FALSE));
  CopyFileW((bin + L"libryzenadj.dll").c_str(), (lonely + L"libryzenadj.dll").c_str(), FALSE);
  SetEnvironmentVariableW(L"PATH", (planted + L";" + lonely).c_str());
  std::string output;
  std::wstring command = L"\"" + copy + L"\" --gtest_filter=EcDriverSearch.child_loads_nothing";
  std::wstring saved_dir(MAX_PATH, L'\0');
  saved_dir.resize(GetCurrentDirectoryW(MAX_PATH, &saved_dir[0]));
  SetCurrentDirectoryW(planted.c_str());
  int rc = run_and_capture(command, &output);
  SetCurrentDirectoryW(saved_dir.c_str());
  EXPECT_EQ(rc, 0) << output;
  EXPECT_NE(output.find("[  PASSED  ] 1 test"), std::string::npos) << output;
}

// Run by the test above, in the folder without a stand-in beside it.
TEST(EcDriverSearch, child_loads_nothing) {
  wchar_t exe[MAX_PATH];
  GetModuleFileNameW(nullptr, exe, MAX_PATH);
  if (!wcsstr(exe, L"\\lonely\\")) GTEST_SKIP() << "only as the child of the test above";
  EXPECT_FALSE(load_ec_driver());
  EXPECT_EQ(GetModuleHandleW(L"WinRing0x64.dll"), nullptr);
}

TEST(EcDriverUnload, transactions_fail_once_the_driver_is_unloaded) {
  ASSERT_TRUE(load_ec_driver());
  unload_ec_driver();
  uint8_t value = 7;
  EXPECT_EQ(ec_read(EC_REG_TEMPERATURE, &value), 0);
  EXPECT_EQ(value, 7);
  EXPECT_EQ(ec_write(EC_REG_FAN_MODE, 1), 0);
  EXPECT_TRUE(load_ec_driver()) << "and it can be loaded again";
  EXPECT_EQ(ec_read(EC_REG_TEMPERATURE, &value), 1);
}

}  // namespace
