// Stand-ins for the few hardware functions the pages reach that call
// Windows, so the native tests can build the real pages and drive them with
// simulated input. They act like a display that takes every mode it is
// given (unless told to refuse) and record every call.
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
  // Committed settings as the registry would hold them, and how many
  // fan-zone writes there were (each writes a zone's speed and temperature).
  std::map<std::string, int32_t> stored;
  int zone_stores = 0;
};

extern FakeHardware fake_hardware;
