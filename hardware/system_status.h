// What the status bar shows once a second: the local time, the battery and
// whether the Internet is reachable. Windows side in system_status_win.cpp.
#pragma once

#include <cstdint>

struct SystemStatus {
  int32_t hour = 0, minute = 0;  // local time
  uint8_t battery_flag = 255;    // as GetSystemPowerStatus gives it (255: unknown)
  uint8_t battery_percent = 255; // 0..100, 255 when Windows does not know it
  bool connected = false;        // on a network and on the Internet
};

// Battery flag bits that matter here.
constexpr uint8_t BATTERY_CHARGING_BIT = 0x08;
constexpr uint8_t BATTERY_STATE_UNKNOWN = 0xFF;

// Reads the time, the power status and the network state (toolkit thread).
// A value Windows does not give keeps the default above.
void read_system_status(SystemStatus* status);

// Lets go of the network list manager kept between reads; for the thread
// that used it, before it leaves COM.
void release_system_status();
