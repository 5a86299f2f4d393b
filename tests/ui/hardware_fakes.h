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
#include <utility>
#include <vector>

#include "hardware/display_modes.h"
#include "hardware/system_status.h"

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
  int zone_stores = 0;  // store_fan_zone calls for zones 1..5
};

extern FakeHardware fake_hardware;

// Windows' side of the settings screen and the status bar: brightness and
// volume that answer (or not) and take writes (or refuse them), the status
// read-outs, the registry as a list of writes, and the log-on task.
struct FakeSystem {
  bool brightness_answers = true;
  int32_t brightness = 70;
  bool brightness_refuses_writes = false;
  std::vector<int32_t> brightness_writes;
  int brightness_reads = 0;

  bool volume_answers = true;
  int32_t volume = 40;
  bool volume_refuses_writes = false;
  std::vector<int32_t> volume_writes;
  int volume_reads = 0;

  SystemStatus status;
  std::vector<std::pair<std::string, int32_t>> stored;  // every registry write, in order
  std::vector<std::string> task_calls;                  // "register" or "remove"
  std::vector<int32_t> window_alphas;                   // host_services.set_window_alpha
};

extern FakeSystem fake_system;

// Makes host_services record window alphas into fake_system.
void use_fake_host_services();
