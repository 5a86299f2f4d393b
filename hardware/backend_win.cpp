// start_backend / stop_backend with the real operations (Windows side of
// backend.h; the sequence itself is in backend_steps.cpp).
#include <windows.h>
#include <objbase.h>

#include "hardware/adlx.h"
#include "hardware/backend.h"
#include "hardware/backend_steps.h"
#include "hardware/display.h"
#include "hardware/ec.h"
#include "hardware/fps_limiter.h"
#include "hardware/ryzenadj.h"

namespace {

bool read_hklm_string(const char* key, const char* value, char* out, size_t size) {
  DWORD bytes = static_cast<DWORD>(size);
  return RegGetValueA(HKEY_LOCAL_MACHINE, key, value, RRF_RT_REG_SZ, nullptr, out, &bytes) ==
         ERROR_SUCCESS;
}

bool read_processor_name(char* out, size_t size) {
  return read_hklm_string("HARDWARE\\DESCRIPTION\\System\\CentralProcessor\\0",
                          "ProcessorNameString", out, size);
}

bool read_board_name(char* out, size_t size) {
  return read_hklm_string("HARDWARE\\DESCRIPTION\\System\\BIOS", "BaseBoardProduct", out, size);
}

void* start_ryzenadj_library() { return init_ryzenadj(); }
void stop_ryzenadj_library(void* handle) { cleanup_ryzenadj(static_cast<ryzen_access>(handle)); }

uint32_t run_edid(int mode) {
  edid_result = 0;
  edid_override(mode);
  return edid_result;
}
uint32_t edid_probe() { return run_edid(EDID_PROBE); }
uint32_t edid_check() { return run_edid(EDID_CHECK); }
uint32_t edid_write() { return run_edid(EDID_WRITE); }

// After the limiter's queued changes, so that 0 is what RTSS keeps.
void clear_fps_limit() {
  applied_fps_limit = 0;
  end_rtss_requests();
}

void sleep_ms(uint32_t ms) { Sleep(ms); }

const BackendOps WIN_OPS = {
    read_processor_name,
    read_board_name,
    start_ryzenadj_library,
    stop_ryzenadj_library,
    adlx_start,
    adlx_stop,
    load_ec_driver,
    unload_ec_driver,
    ec_write,
    edid_probe,
    edid_check,
    edid_write,
    restart_display_adapters,
    clear_fps_limit,
    sleep_ms,
};

// Only a successful CoInitializeEx (S_OK or S_FALSE) is balanced at stop:
// uninitialising after a refused one would end another owner's COM.
bool com_started = false;

}  // namespace

int32_t start_backend() {
  com_started = SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED));
  return run_start_backend(WIN_OPS);
}

void stop_backend() {
  run_stop_backend(WIN_OPS);
  if (com_started) CoUninitialize();
  com_started = false;
}
