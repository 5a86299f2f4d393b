// The crash path in a real process on the simulated device: a failed toolkit
// assertion and std::terminate end the process (an assertion used to spin a
// core for ever) and leave fan and lighting with the EC.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "tests/support/win_process.h"

namespace {

long ec_register(const wchar_t* reg) {
  return run_for_number(std::wstring(L"ecsim.exe -q get ") + reg);
}

// Runs the helper; its exit code, or -1 when it had to be killed after 60 s.
long run_helper(const wchar_t* how) {
  std::wstring line = test_bin_dir() + L"crash_helper.exe " + how;
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info = {};
  if (!CreateProcessW(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &info)) {
    return -2;
  }
  long code = -1;
  if (WaitForSingleObject(info.hProcess, 60000) == WAIT_OBJECT_0) {
    DWORD exit_code = 0;
    GetExitCodeProcess(info.hProcess, &exit_code);
    code = long(exit_code);
  } else {
    TerminateProcess(info.hProcess, 1);
  }
  CloseHandle(info.hThread);
  CloseHandle(info.hProcess);
  return code;
}

TEST(CrashPath, ends_the_process_with_fan_and_lighting_back_with_the_ec) {
  struct Case {
    const wchar_t* how;
    long exit_code;
    long fan, lighting;
  } cases[] = {
      {L"idle", 0, 0, 0xAA},  // the control: a process that just ends leaves the EC in use
      {L"assert", long(0xE0564C56), 1, 0},
      {L"terminate", 3, 1, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.how, c.how + wcslen(c.how)));
    std::string ignored;
    ASSERT_EQ(run_and_capture(L"ecsim.exe reset", &ignored), 0);
    EXPECT_EQ(run_helper(c.how), c.exit_code) << "-1: it had to be killed";
    EXPECT_EQ(ec_register(L"0x10"), c.fan);
    EXPECT_EQ(ec_register(L"0xB3"), c.lighting);
  }
}

}  // namespace
