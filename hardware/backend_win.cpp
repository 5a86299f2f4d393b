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
#include "hardware/hardware_state.h"
#include "hardware/ryzenadj.h"
#include "hardware/safe_state.h"
#include "hardware/safety_log.h"

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
uint32_t now_ms() { return uint32_t(GetTickCount64()); }

const SafeStateOps SAFE_STATE_OPS = {ec_write_result, ec_read_result, sleep_ms, now_ms, safety_log};

// The crash path waits this long for the EC lock before going ahead without it.
constexpr uint32_t CRASH_LOCK_WAIT_MS = 300;
EcResult crash_write(uint8_t reg, uint8_t value) {
  return ec_write_bounded(reg, value, CRASH_LOCK_WAIT_MS);
}
EcResult crash_read(uint8_t reg, uint8_t* value) {
  return ec_read_bounded(reg, value, CRASH_LOCK_WAIT_MS);
}
const SafeStateOps CRASH_SAFE_STATE_OPS = {crash_write, crash_read, sleep_ms, now_ms, safety_log};

bool write_safe_state_on_exit() {
  safety_log("exit: handing fan and lighting back to the EC");
  return write_safe_state(SAFE_STATE_OPS, SAFE_STATE_EXIT_LIMITS);
}

const BackendOps WIN_OPS = {
    read_processor_name,
    read_board_name,
    start_ryzenadj_library,
    stop_ryzenadj_library,
    adlx_start,
    adlx_stop,
    load_ec_driver,
    unload_ec_driver,
    write_safe_state_on_exit,
    edid_probe,
    edid_check,
    edid_write,
    restart_panel_adapter,
    clear_fps_limit,
};

// Set by the first of stop_backend and stop_backend_after_crash: each way
// out releases the hardware once, however many of them run.
std::atomic<int32_t> hardware_released{0};

// Only a successful CoInitializeEx (S_OK or S_FALSE) is balanced at stop:
// uninitialising after a refused one would end another owner's COM.
bool com_started = false;

}  // namespace

int32_t start_backend() {
  hardware_released = 0;
  com_started = SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED));
  return run_start_backend(WIN_OPS);
}

void stop_backend() {
  if (hardware_released.exchange(1)) return;
  run_stop_backend(WIN_OPS);
  if (com_started) CoUninitialize();
  com_started = false;
}

// Nothing but the EC: a crashed process may have a corrupt heap or a library
// in the middle of a call, so RyzenAdj, ADLX and COM are left to the end of
// the process. The driver stays loaded for the same reason.
void stop_backend_after_crash() {
  if (hardware_released.exchange(1)) return;
  if (BoardModel == 0) return;
  ec_ready = 0;
  lighting_ready = 0;
  safety_log("crash: handing fan and lighting back to the EC");
  write_safe_state(CRASH_SAFE_STATE_OPS, SAFE_STATE_CRASH_LIMITS);
}
