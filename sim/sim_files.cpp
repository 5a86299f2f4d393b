// The stand-ins' folder and logs (see sim_files.h).
#include "sim_files.h"

#include <windows.h>

#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace {

bool sim_folder(char* out, size_t size) {
  DWORD n = GetEnvironmentVariableA("VEXA_SIM_DIR", out, DWORD(size));
  if (n == 0 || n >= size) {
    n = GetEnvironmentVariableA("ProgramData", out, DWORD(size));
    if (n == 0 || n >= size) std::snprintf(out, size, "C:\\ProgramData");
    const size_t length = std::strlen(out);
    if (length + 9 >= size) return false;
    std::strcpy(out + length, "\\VexaSim");
  }
  CreateDirectoryA(out, nullptr);  // one level; an existing folder is fine
  return true;
}

}  // namespace

bool sim_file_path(const char* name, char* out, size_t size) {
  char folder[MAX_PATH];
  if (!sim_folder(folder, sizeof(folder))) return false;
  const int n = std::snprintf(out, size, "%s\\%s", folder, name);
  return n > 0 && size_t(n) < size;
}

void sim_append_line(const char* name, const char* format, ...) {
  char path[MAX_PATH], line[512];
  va_list args;
  va_start(args, format);
  int length = std::vsnprintf(line, sizeof(line) - 2, format, args);
  va_end(args);
  if (length < 0 || !sim_file_path(name, path, sizeof(path))) return;
  length = int(std::strlen(line));
  line[length++] = '\n';
  // FILE_APPEND_DATA writes land at the end even with several writers.
  HANDLE file = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(file, line, DWORD(length), &written, nullptr);
  CloseHandle(file);
}
