// Windows side of safety_log.h.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "hardware/safety_log.h"

namespace {

// "%ProgramData%\ZEV\TMX", created when missing; false when there is none.
bool log_folder(wchar_t* out, DWORD size) {
  DWORD n = GetEnvironmentVariableW(L"ProgramData", out, size);
  if (n == 0 || n + 9 >= size) return false;
  wcscat(out, L"\\ZEV");
  CreateDirectoryW(out, nullptr);
  wcscat(out, L"\\TMX");
  CreateDirectoryW(out, nullptr);
  return true;
}

}  // namespace

void safety_log(const char* line) {
  wchar_t path[MAX_PATH];
  if (!log_folder(path, MAX_PATH - 20)) return;
  wcscat(path, L"\\safe-state.log");
  HANDLE file = CreateFileW(path, FILE_APPEND_DATA | FILE_READ_ATTRIBUTES,
                            FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  LARGE_INTEGER size = {};
  if (GetFileSizeEx(file, &size) && size.QuadPart > LONGLONG(SAFETY_LOG_MAX_BYTES)) {
    // Starting over keeps the file small; the newest lines are what matter.
    CloseHandle(file);
    file = CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                       CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
  }
  SYSTEMTIME now;
  GetLocalTime(&now);
  char text[320];
  int n = std::snprintf(text, sizeof(text), "%04u-%02u-%02u %02u:%02u:%02u.%03u pid %lu: %s\r\n",
                        now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond,
                        now.wMilliseconds, GetCurrentProcessId(), line);
  if (n > int(sizeof(text)) - 1) {  // cut short: still one whole line
    n = int(sizeof(text)) - 1;
    text[n - 2] = '\r';
    text[n - 1] = '\n';
  }
  DWORD written = 0;
  if (n > 0) WriteFile(file, text, DWORD(n), &written, nullptr);
  CloseHandle(file);
}
