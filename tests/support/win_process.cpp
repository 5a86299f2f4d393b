#include "tests/support/win_process.h"

#include <cctype>
#include <vector>

std::wstring test_bin_dir() {
  wchar_t path[MAX_PATH];
  DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring dir(path, length);
  return dir.substr(0, dir.find_last_of(L"\\/") + 1);
}

int run_and_capture(const std::wstring& command_line, std::string* output) {
  SECURITY_ATTRIBUTES inherit = {sizeof(inherit), nullptr, TRUE};
  HANDLE read_end = nullptr, write_end = nullptr;
  if (!CreatePipe(&read_end, &write_end, &inherit, 0)) return -1;
  SetHandleInformation(read_end, HANDLE_FLAG_INHERIT, 0);

  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = write_end;
  startup.hStdError = write_end;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  PROCESS_INFORMATION info = {};
  // A command that starts with a quoted or absolute path is run as it is.
  const bool has_path = !command_line.empty() &&
                        (command_line[0] == L'"' || (command_line.size() > 1 && command_line[1] == L':'));
  std::wstring line = has_path ? command_line : test_bin_dir() + command_line;
  std::vector<wchar_t> buffer(line.begin(), line.end());
  buffer.push_back(0);
  BOOL started = CreateProcessW(nullptr, buffer.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                nullptr, &startup, &info);
  CloseHandle(write_end);
  if (!started) {
    CloseHandle(read_end);
    return -1;
  }
  char chunk[512];
  DWORD got = 0;
  output->clear();
  while (ReadFile(read_end, chunk, sizeof(chunk), &got, nullptr) && got > 0) output->append(chunk, got);
  CloseHandle(read_end);
  WaitForSingleObject(info.hProcess, INFINITE);
  DWORD code = 0;
  GetExitCodeProcess(info.hProcess, &code);
  CloseHandle(info.hProcess);
  CloseHandle(info.hThread);
  return int(code);
}

long run_for_number(const std::wstring& command_line) {
  std::string output;
  if (run_and_capture(command_line, &output) != 0) return -1;
  long number = -1;
  for (size_t i = 0; i < output.size();) {
    if (std::isdigit(static_cast<unsigned char>(output[i]))) {
      size_t end = i;
      while (end < output.size() && std::isalnum(static_cast<unsigned char>(output[end]))) ++end;
      std::string token = output.substr(i, end - i);
      bool decimal = token.find_first_not_of("0123456789") == std::string::npos;
      if (decimal) number = std::stol(token);
      i = end;
    } else {
      ++i;
    }
  }
  return number;
}

HANDLE start_copy_as(const std::wstring& source, const std::wstring& name) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  std::wstring dir = std::wstring(temp) + L"vexa-" + std::to_wstring(GetTickCount64());
  CreateDirectoryW(dir.c_str(), nullptr);
  std::wstring target = dir + L"\\" + name;
  if (!CopyFileW(source.c_str(), target.c_str(), FALSE)) return nullptr;
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info = {};
  std::vector<wchar_t> line(target.begin(), target.end());
  line.push_back(0);
  if (!CreateProcessW(target.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &info)) {
    return nullptr;
  }
  CloseHandle(info.hThread);
  return info.hProcess;
}

void end_process(HANDLE process) {
  if (!process) return;
  TerminateProcess(process, 0);
  WaitForSingleObject(process, 5000);
  CloseHandle(process);
}
