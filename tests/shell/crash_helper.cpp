// crash_helper.exe assert|terminate|idle: a process that starts the back
// ends on the simulated device, puts the EC in use as the panel would, and
// then dies the way it is told: a failed toolkit assertion or
// std::terminate. With "idle" it exits normally without stopping anything.
// Used by crash_path_test.cpp, which checks what the crash path left behind.
#include <windows.h>

#include <cstring>
#include <exception>

#include "hardware/backend.h"
#include "hardware/ec.h"
#include "lvgl.h"
#include "shell/crash_win.h"

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  install_crash_handlers(nullptr);
  if (start_backend() == 0) return 3;
  if (!ec_write(EC_REG_FAN_MODE, EC_FAN_MODE_MANUAL) ||
      !ec_write(EC_REG_LIGHT_CONTROL, EC_LIGHT_COLOUR)) {
    return 4;
  }
  if (std::strcmp(argv[1], "assert") == 0) {
    LV_ASSERT_MSG(false, "on purpose");
  } else if (std::strcmp(argv[1], "terminate") == 0) {
    std::terminate();
  }
  return 0;
}
