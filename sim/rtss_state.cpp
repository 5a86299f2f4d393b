#include "rtss_state.h"

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "sim_files.h"

namespace {

// "Name=value" with a name that fits and a whole decimal value.
bool parse_line(char* line, RtssSimProperty* out) {
  line[std::strcspn(line, "\r\n")] = '\0';
  char* equals = std::strchr(line, '=');
  if (!equals || equals == line || size_t(equals - line) >= RTSS_SIM_NAME_SIZE) return false;
  char* end = nullptr;
  errno = 0;
  long value = std::strtol(equals + 1, &end, 10);
  if (errno || end == equals + 1 || *end || value < INT32_MIN || value > INT32_MAX) return false;
  std::memset(out->name, 0, sizeof(out->name));
  std::memcpy(out->name, line, size_t(equals - line));
  out->value = int32_t(value);
  return true;
}

}  // namespace

bool rtss_sim_file(const char* name, char* out, size_t size) {
  return sim_file_path(name, out, size);
}

void rtss_sim_log(const char* format, ...) {
  char line[512];
  va_list args;
  va_start(args, format);
  const int length = std::vsnprintf(line, sizeof(line), format, args);
  va_end(args);
  if (length >= 0) sim_append_line("rtss.log", "%s", line);
}

void rtss_sim_read_global(RtssSimProfile* profile) {
  profile->count = 0;
  char path[MAX_PATH], line[256];
  if (!rtss_sim_file("rtss_global.txt", path, sizeof(path))) return;
  FILE* file = std::fopen(path, "r");
  if (!file) return;
  while (profile->count < RTSS_SIM_MAX_PROPERTIES && std::fgets(line, sizeof(line), file)) {
    RtssSimProperty property;
    if (parse_line(line, &property)) profile->properties[profile->count++] = property;
  }
  std::fclose(file);
}

bool rtss_sim_write_global(const RtssSimProfile& profile) {
  char path[MAX_PATH], temporary[MAX_PATH];
  if (!rtss_sim_file("rtss_global.txt", path, sizeof(path)) ||
      !rtss_sim_file("rtss_global.new", temporary, sizeof(temporary))) {
    return false;
  }
  FILE* file = std::fopen(temporary, "w");
  if (!file) return false;
  for (int i = 0; i < profile.count; ++i) {
    std::fprintf(file, "%s=%d\n", profile.properties[i].name, int(profile.properties[i].value));
  }
  bool written = std::fclose(file) == 0;
  return written && MoveFileExA(temporary, path, MOVEFILE_REPLACE_EXISTING);
}

RtssSimProperty* rtss_sim_property(RtssSimProfile* profile, const char* name, bool create) {
  if (!name || !*name || std::strlen(name) >= RTSS_SIM_NAME_SIZE || std::strchr(name, '=') ||
      std::strpbrk(name, "\r\n")) {
    return nullptr;
  }
  for (int i = 0; i < profile->count; ++i) {
    if (std::strcmp(profile->properties[i].name, name) == 0) return &profile->properties[i];
  }
  if (!create || profile->count >= RTSS_SIM_MAX_PROPERTIES) return nullptr;
  RtssSimProperty* slot = &profile->properties[profile->count++];
  std::memset(slot, 0, sizeof(*slot));
  std::strcpy(slot->name, name);
  return slot;
}
