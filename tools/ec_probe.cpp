// ec_probe.exe: what `make run` starts until the panel exists. It goes through
// the program's own EC access code against whatever WinRing0x64.dll lies
// beside it (the stand-in here, the real driver library on a device) and
// prints each step, so a person can see the EC answer.
#include <windows.h>

#include <cstdio>

#include "hardware/ec.h"

namespace {

void show(const char* what, int ok, unsigned value) {
  if (ok) {
    std::printf("  %-28s %3u (0x%02X)\n", what, value, value);
  } else {
    std::printf("  %-28s failed\n", what);
  }
}

}  // namespace

int main() {
  std::printf("ec_probe: loading WinRing0x64.dll\n");
  if (!load_ec_driver()) {
    std::printf("  the driver library is missing, incomplete or failed to initialise\n");
    return 1;
  }
  std::printf("  loaded; another EC tool running: %s\n", ec_tool_running() ? "yes" : "no");

  uint8_t value = 0;
  show("temperature (0x08)", ec_read(EC_REG_TEMPERATURE, &value), value);
  show("fan mode (0x10)", ec_read(EC_REG_FAN_MODE, &value), value);
  show("fan duty (0x11)", ec_read(EC_REG_FAN_DUTY, &value), value);

  std::printf("ec_probe: fan to manual 50 %% (duty 64), lighting to orange\n");
  show("write fan mode 0", ec_write(EC_REG_FAN_MODE, EC_FAN_MODE_MANUAL), 0);
  show("write fan duty 64", ec_write(EC_REG_FAN_DUTY, 64), 64);
  show("write red 255", ec_write(EC_REG_LIGHT_RED, 255), 255);
  show("write green 128", ec_write(EC_REG_LIGHT_GREEN, 128), 128);
  show("write blue 0", ec_write(EC_REG_LIGHT_BLUE, 0), 0);
  show("write lighting 0xAA", ec_write(EC_REG_LIGHT_CONTROL, EC_LIGHT_COLOUR), EC_LIGHT_COLOUR);
  Sleep(1500);
  show("fan duty read back (0x11)", ec_read(EC_REG_FAN_DUTY, &value), value);
  show("temperature now (0x08)", ec_read(EC_REG_TEMPERATURE, &value), value);

  std::printf("ec_probe: back to the EC's own fan and lighting control\n");
  show("write fan mode 1", ec_write(EC_REG_FAN_MODE, EC_FAN_MODE_AUTO), EC_FAN_MODE_AUTO);
  show("write lighting 0x00", ec_write(EC_REG_LIGHT_CONTROL, EC_LIGHT_AUTO), EC_LIGHT_AUTO);
  unload_ec_driver();
  return 0;
}
