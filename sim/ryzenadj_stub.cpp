// Stand-in for libryzenadj.dll: the eight functions the program imports,
// with C linkage. Each call appends one line, "name argument" (for example
// "set_stapm_limit 18000"), to %ProgramData%\VexaSim\ryzenadj.log
// (VEXA_SIM_DIR names another folder), so a test can read what the program
// asked of the SMU and in which order. A call with a handle that init did not
// hand out gets " bad-handle" appended and fails with -1.
//
// VEXA_SIM_RYZENADJ_FAIL=1 makes init_ryzenadj fail (NULL), as it does on a
// processor family RyzenAdj does not know.
#include <windows.h>

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "hardware/ryzenadj.h"
#include "sim/sim_files.h"

struct _ryzen_access {
  uint32_t magic;
};

namespace {

_ryzen_access the_access = {0x52414A44};

void log_call(const char* format, ...) {
  char line[256];
  va_list args;
  va_start(args, format);
  const int length = vsnprintf(line, sizeof(line), format, args);
  va_end(args);
  if (length >= 0) sim_append_line("ryzenadj.log", "%s", line);
}

bool env_is_one(const char* name) {
  char value[8];
  DWORD n = GetEnvironmentVariableA(name, value, sizeof(value));
  return n == 1 && value[0] == '1';
}

int logged_setter(const char* name, ryzen_access ry, uint32_t value) {
  bool ours = ry == &the_access;
  log_call("%s %u%s", name, value, ours ? "" : " bad-handle");
  return ours ? 0 : -1;
}

}  // namespace

extern "C" {

__declspec(dllexport) ryzen_access RYZENADJ_CALL init_ryzenadj(void) {
  log_call("init_ryzenadj");
  return env_is_one("VEXA_SIM_RYZENADJ_FAIL") ? nullptr : &the_access;
}

__declspec(dllexport) void RYZENADJ_CALL cleanup_ryzenadj(ryzen_access ry) {
  log_call("cleanup_ryzenadj%s", ry == &the_access ? "" : " bad-handle");
}

__declspec(dllexport) int RYZENADJ_CALL set_stapm_limit(ryzen_access ry, uint32_t value) {
  return logged_setter("set_stapm_limit", ry, value);
}
__declspec(dllexport) int RYZENADJ_CALL set_slow_limit(ryzen_access ry, uint32_t value) {
  return logged_setter("set_slow_limit", ry, value);
}
__declspec(dllexport) int RYZENADJ_CALL set_fast_limit(ryzen_access ry, uint32_t value) {
  return logged_setter("set_fast_limit", ry, value);
}
__declspec(dllexport) int RYZENADJ_CALL set_gfx_clk(ryzen_access ry, uint32_t value) {
  return logged_setter("set_gfx_clk", ry, value);
}
__declspec(dllexport) int RYZENADJ_CALL set_min_gfxclk_freq(ryzen_access ry, uint32_t value) {
  return logged_setter("set_min_gfxclk_freq", ry, value);
}
__declspec(dllexport) int RYZENADJ_CALL set_max_gfxclk_freq(ryzen_access ry, uint32_t value) {
  return logged_setter("set_max_gfxclk_freq", ry, value);
}

}  // extern "C"
