// set_rtss_limit against the stand-in RTSS of sim/ (bin/rtss/RTSS.exe and
// RTSSHooks64.dll), through the real registry, shared memory, process start
// and library loading. The install path and the hooks stay known for the
// life of a process, as they do in the program, so the story runs in order:
// not installed, installed and stopped, running, closed, slow to start.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <thread>

#include "hardware/fps_limiter.h"
#include "tests/support/win_process.h"

namespace {

const char RTSS_KEY[] = "Software\\WOW6432Node\\Unwinder\\RTSS";

std::string narrow(const std::wstring& wide) {
  char out[MAX_PATH];
  int n = WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, out, sizeof(out), nullptr, nullptr);
  return n > 0 ? out : "";
}

bool install_rtss() {
  std::string path = narrow(test_bin_dir()) + "rtss\\RTSS.exe";
  return RegSetKeyValueA(HKEY_LOCAL_MACHINE, RTSS_KEY, "InstallPath", REG_SZ, path.c_str(),
                         DWORD(path.size() + 1)) == ERROR_SUCCESS;
}

std::string tool(const std::wstring& arguments) {
  std::string output;
  run_and_capture(L"rtsssim.exe " + arguments, &output);
  // The console hands lines over with CR LF.
  output.erase(std::remove(output.begin(), output.end(), '\r'), output.end());
  while (!output.empty() && (output.back() == '\n' || output.back() == '\r')) output.pop_back();
  return output;
}

// How many lines of the stand-in's log contain `text`.
int logged(const std::string& text) {
  std::string log = tool(L"log");
  int count = 0;
  for (size_t at = log.find(text); at != std::string::npos; at = log.find(text, at + 1)) ++count;
  return count;
}

bool rtss_running() { return tool(L"running") == "running"; }

bool wait_until_running() {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (!rtss_running()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return true;
}

TEST(FpsLimiter, rtss_is_found_started_and_given_the_limit_through_its_global_profile) {
  ASSERT_EQ(tool(L"clear-log"), "");

  // Not installed, not running: nothing to start, nothing written.
  EXPECT_EQ(set_rtss_limit(45), RTSS_NOT_RUNNING);
  EXPECT_EQ(tool(L"limit"), "none");
  EXPECT_FALSE(rtss_running());

  // Installed but stopped: the next change starts it and the limit arrives.
  ASSERT_TRUE(install_rtss());
  EXPECT_EQ(set_rtss_limit(45), RTSS_DONE);
  EXPECT_TRUE(rtss_running());
  EXPECT_EQ(tool(L"limit"), "45");
  EXPECT_EQ(logged("RTSS started"), 1);

  // Running: off at 45 is 45 then 0, read back first each time, applied.
  ASSERT_EQ(tool(L"clear-log"), "");
  EXPECT_EQ(set_rtss_limit(45), RTSS_DONE);
  EXPECT_EQ(set_rtss_limit(0), RTSS_DONE);
  EXPECT_EQ(tool(L"limit"), "0");
  EXPECT_EQ(tool(L"log"),
            "LoadProfile ''\n"
            "GetProfileProperty FramerateLimit 4 = 45\n"
            "LoadProfile ''\n"
            "SetProfileProperty FramerateLimit 45\n"
            "SaveProfile ''\n"
            "UpdateProfiles\n"
            "LoadProfile ''\n"
            "GetProfileProperty FramerateLimit 4 = 45\n"
            "LoadProfile ''\n"
            "SetProfileProperty FramerateLimit 0\n"
            "SaveProfile ''\n"
            "UpdateProfiles");

  // Closed by the user, then slow to come back: that change reports RTSS as
  // not there (the profile still takes the limit), the next one finds it.
  ASSERT_EQ(tool(L"stop"), "");
  ASSERT_FALSE(rtss_running());
  SetEnvironmentVariableA("VEXA_SIM_RTSS_DELAY_MS", "1500");
  EXPECT_EQ(set_rtss_limit(30), RTSS_NOT_RUNNING);
  EXPECT_EQ(tool(L"limit"), "30");
  SetEnvironmentVariableA("VEXA_SIM_RTSS_DELAY_MS", nullptr);
  ASSERT_TRUE(wait_until_running());
  const int starts = logged("RTSS started");
  EXPECT_EQ(set_rtss_limit(35), RTSS_DONE);
  EXPECT_EQ(tool(L"limit"), "35");
  EXPECT_EQ(logged("RTSS started"), starts) << "a running RTSS is not started again";

  // The limiter's worker goes through the same path; the exit sets 0 last.
  const int32_t on[] = {50, 50};
  const uint32_t request = request_rtss_limits(on, 2);
  ASSERT_NE(request, 0u);
  uint8_t status = 99;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (!rtss_request_done(request, &status)) {
    ASSERT_LT(std::chrono::steady_clock::now(), deadline);
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  EXPECT_EQ(status, RTSS_DONE);
  EXPECT_EQ(tool(L"limit"), "50");
  EXPECT_EQ(end_rtss_requests(), RTSS_DONE);
  EXPECT_EQ(tool(L"limit"), "0");
  tool(L"stop");
}

}  // namespace
