// Stand-ins for the few hardware functions the pages reach that call
// Windows, so the native tests can build the real pages and drive them with
// simulated input. They act like a display that takes every mode it is
// given (unless told to refuse), a power scheme and a settings store, and
// record every call. RyzenAdj, the EC, ADLX, the adapter restart and the
// power status are recorded by tests/power/power_fakes.cpp, which the page
// tests link too.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "hardware/display_modes.h"

struct ModeCall {
  int32_t width, height, refresh;
};

struct FakeHardware {
  uint16_t ui_language = 0x0409;
  std::vector<EnumeratedMode> enumerated_modes;  // what build_mode_lists sees
  // The desktop's mode (landscape: width is the long side).
  uint32_t desktop_width = 1920, desktop_height = 1080;
  int32_t desktop_refresh = 60;  // 0: the query reports no rate
  bool refuse_mode_changes = false;
  std::vector<ModeCall> mode_calls;  // every set_display_mode, accepted or not

  // The active power scheme (write_scheme_value / read_scheme_value).
  uint32_t scheme_cpu[2] = {100, 100};  // AC, DC
  uint32_t scheme_boost[2] = {1, 1};
  bool scheme_fails = false;            // no active scheme to be had
  int scheme_reads = 0;
  std::vector<std::string> scheme_writes;  // "cpu 70", "boost 0"

  // The settings store: values written, and every call in order as
  // "TDP 25" (store_committed_setting) or "GPUAuto =1" (store_setting).
  std::map<std::string, int32_t> stored;
  std::vector<std::string> store_calls;
};

extern FakeHardware fake_hardware;
