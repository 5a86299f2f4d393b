// The call logs the RyzenAdj and ADLX stand-ins keep in %ProgramData%\VexaSim.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

inline std::wstring sim_log_path(const wchar_t* name) {
  wchar_t data[MAX_PATH];
  DWORD n = GetEnvironmentVariableW(L"ProgramData", data, MAX_PATH);
  std::wstring folder = n > 0 && n < MAX_PATH ? data : L"C:\\ProgramData";
  return folder + L"\\VexaSim\\" + name;
}

inline std::vector<std::string> sim_log_lines(const wchar_t* name) {
  std::vector<std::string> lines;
  HANDLE file = CreateFileW(sim_log_path(name).c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return lines;
  std::string text;
  char chunk[4096];
  DWORD got = 0;
  while (ReadFile(file, chunk, sizeof(chunk), &got, nullptr) && got > 0) text.append(chunk, got);
  CloseHandle(file);
  size_t start = 0;
  for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
    lines.push_back(text.substr(start, end - start));
  }
  return lines;
}

inline void sim_log_clear(const wchar_t* name) { DeleteFileW(sim_log_path(name).c_str()); }

// Lines that start with `prefix`.
inline int sim_log_count(const std::vector<std::string>& lines, const std::string& prefix) {
  int n = 0;
  for (const std::string& line : lines) n += line.compare(0, prefix.size(), prefix) == 0;
  return n;
}
