// TMXStart.exe end to end: a copy of it beside a stand-in program that
// records its command line, in a temporary folder whose name has a space.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "tests/support/win_process.h"

namespace {

const std::wstring RECORD = L"command_line.txt";

std::wstring make_temp_folder(const wchar_t* stem) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  std::wstring folder =
      std::wstring(temp) + stem + L" " + std::to_wstring(GetTickCount64()) + L"\\";
  CreateDirectoryW(folder.c_str(), nullptr);
  return folder;
}

// Runs TMXStart from `folder` with exactly `command_line` and returns its
// exit code (-1 if it could not be started or did not end).
int run_launcher(const std::wstring& folder, const std::wstring& command_line) {
  std::wstring launcher = folder + L"TMXStart.exe";
  std::vector<wchar_t> line(command_line.begin(), command_line.end());
  line.push_back(L'\0');
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info = {};
  // The working directory is somewhere else on purpose: the launcher must
  // find the program by its own location.
  if (!CreateProcessW(launcher.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      test_bin_dir().c_str(), &startup, &info)) {
    return -1;
  }
  CloseHandle(info.hThread);
  DWORD code = DWORD(-1);
  if (WaitForSingleObject(info.hProcess, 30000) == WAIT_OBJECT_0)
    GetExitCodeProcess(info.hProcess, &code);
  CloseHandle(info.hProcess);
  return int(code);
}

// The two lines the stand-in recorded, or an empty vector when nothing came
// within ten seconds (the launcher does not wait for the program).
std::vector<std::wstring> wait_for_record(const std::wstring& folder) {
  std::wstring path = folder + RECORD;
  for (int i = 0; i < 200; ++i) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
      std::wstring text(GetFileSize(file, nullptr) / sizeof(wchar_t), L'\0');
      DWORD got = 0;
      ReadFile(file, text.data(), DWORD(text.size() * sizeof(wchar_t)), &got, nullptr);
      CloseHandle(file);
      std::vector<std::wstring> lines;
      size_t start = 0;
      for (size_t end; (end = text.find(L'\n', start)) != std::wstring::npos; start = end + 1) {
        lines.push_back(text.substr(start, end - start));
      }
      return lines;
    }
    Sleep(50);
  }
  return {};
}

std::string narrow(const std::wstring& text) {
  std::string out;
  for (wchar_t c : text) out += c < 128 ? char(c) : '?';
  return out;
}

class TmxStart : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = make_temp_folder(L"vexa launcher");
    ASSERT_TRUE(CopyFileW((test_bin_dir() + L"TMXStart.exe").c_str(),
                          (folder_ + L"TMXStart.exe").c_str(), FALSE));
  }
  void TearDown() override {
    for (const wchar_t* name : {L"TMXStart.exe", L"Vexa.Control.Center.exe", L"command_line.txt"}) {
      DeleteFileW((folder_ + name).c_str());
    }
    RemoveDirectoryW(folder_.c_str());
  }
  std::wstring folder_;
};

struct PassThroughCase {
  const char* name;
  // The launcher's command line, with {} standing for its folder.
  const wchar_t* launcher_line;
  // What must follow the quoted program path ("" for nothing at all).
  const wchar_t* arguments;
};

std::wstring expand(const wchar_t* pattern, const std::wstring& folder) {
  std::wstring text = pattern;
  size_t at = text.find(L"{}");
  if (at != std::wstring::npos) text.replace(at, 2, folder);
  return text;
}

}  // namespace

TEST_F(TmxStart, passes_its_arguments_to_the_program_unchanged_and_exits_zero) {
  ASSERT_TRUE(CopyFileW((test_bin_dir() + L"record_command_line.exe").c_str(),
                        (folder_ + L"Vexa.Control.Center.exe").c_str(), FALSE));
  const PassThroughCase cases[] = {
      {"no arguments", L"\"{}TMXStart.exe\"", L""},
      {"the hide switch", L"\"{}TMXStart.exe\" -hide", L"-hide"},
      {"a quoted argument with a space", L"\"{}TMXStart.exe\" \"a b\" c", L"\"a b\" c"},
      {"escaped quotes, backslashes, double and trailing spaces",
       L"\"{}TMXStart.exe\" -hide  \"x \\\"y\\\"\" \\\\srv\\share\\ ",
       L"-hide  \"x \\\"y\\\"\" \\\\srv\\share\\ "},
      {"tabs after the name", L"\"{}TMXStart.exe\"\t\t-hide", L"-hide"},
      {"an unquoted name", L"TMXStart.exe -hide", L"-hide"},
      {"a name quoted only in part", L"\"{}\"TMXStart.exe \"a b\"", L"\"a b\""},
  };
  const std::wstring program = folder_ + L"Vexa.Control.Center.exe";
  std::wstring working = folder_.substr(0, folder_.size() - 1);
  for (const PassThroughCase& c : cases) {
    SCOPED_TRACE(c.name);
    DeleteFileW((folder_ + RECORD).c_str());
    EXPECT_EQ(run_launcher(folder_, expand(c.launcher_line, folder_)), 0);
    std::vector<std::wstring> record = wait_for_record(folder_);
    ASSERT_EQ(record.size(), 2u) << "the program was not started";
    std::wstring expected = L"\"" + program + L"\"";
    if (*c.arguments) expected += std::wstring(L" ") + c.arguments;
    EXPECT_EQ(narrow(record[0]), narrow(expected));
    EXPECT_EQ(narrow(record[1]), narrow(working)) << "working directory";
  }
}

TEST_F(TmxStart, exits_non_zero_when_the_program_cannot_be_started) {
  struct FailureCase {
    const char* name;
    const char* program_bytes;  // nullptr: no program beside the launcher
  };
  const FailureCase cases[] = {
      {"program missing", nullptr},
      {"program is not an executable", "not a program\r\n"},
  };
  for (const FailureCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::wstring program = folder_ + L"Vexa.Control.Center.exe";
    DeleteFileW(program.c_str());
    if (c.program_bytes) {
      HANDLE file = CreateFileW(program.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
      ASSERT_NE(file, INVALID_HANDLE_VALUE);
      DWORD written = 0;
      WriteFile(file, c.program_bytes, DWORD(strlen(c.program_bytes)), &written, nullptr);
      CloseHandle(file);
    }
    int code = run_launcher(folder_, L"\"" + folder_ + L"TMXStart.exe\" -hide");
    EXPECT_NE(code, 0);
    EXPECT_NE(code, -1) << "the launcher itself did not run";
    if (!c.program_bytes) {
      EXPECT_EQ(code, ERROR_FILE_NOT_FOUND);
    }
  }
}
