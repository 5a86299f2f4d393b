// Start and stop sequences of the hardware back ends (see backend_steps.h).
#include "hardware/backend_steps.h"

#include <mutex>

#include "hardware/backend.h"
#include "hardware/device_models.h"
#include "hardware/hardware_state.h"
#include "hardware/ryzenadj.h"

namespace {

// The name read into buf, or "" when the value is missing or unreadable.
const char* read_name(bool (*read)(char*, size_t), char* buf) {
  buf[0] = '\0';
  if (!read(buf, BACKEND_NAME_SIZE)) buf[0] = '\0';
  buf[BACKEND_NAME_SIZE - 1] = '\0';
  return buf;
}

// The handle is written under the same lock every RyzenAdj call takes.
void start_ryzenadj(const BackendOps& ops) {
  std::lock_guard<std::mutex> guard(ryzenadj_lock());
  ryzenadj_handle = ops.init_ryzenadj();
}

// A failed init left no handle, and nothing says the library accepts a
// null one, so cleanup is not called then. Forgetting the handle makes
// any later power call from the toolkit thread a refused no-op instead of a
// use of freed memory.
void stop_ryzenadj(const BackendOps& ops) {
  std::lock_guard<std::mutex> guard(ryzenadj_lock());
  if (ryzenadj_handle) ops.cleanup_ryzenadj(ryzenadj_handle);
  ryzenadj_handle = nullptr;
}

// Probe, check, write: true only when an override was newly written, so the
// adapters have to be restarted for Windows to read it.
bool install_edid_override(const BackendOps& ops) {
  if (ops.edid_probe() != 1) return false;  // no panel key, or an error
  if (ops.edid_check() == 1) return false;  // every instance is current
  return ops.edid_write() == 1;
}

// ADLX's interfaces belong to the adapter being restarted, so ADLX is
// stopped before and started again after. A processor
// that is not recognised never had ADLX started; adlx_ready stays set then.
// The restart itself waits on the adapter's status, not on fixed pauses: it
// returns once the adapter runs again (or its deadlines passed).
void restart_adapters(const BackendOps& ops) {
  bool adlx = CpuModel != 0;
  adapter_restarting = 1;
  if (adlx) ops.adlx_stop();
  ops.restart_panel_adapter();
  if (adlx) ops.adlx_start();
  adapter_restarting = 0;
}

}  // namespace

int32_t run_start_backend(const BackendOps& ops) {
  char name[BACKEND_NAME_SIZE];
  CpuModel = cpu_model_from_name(read_name(ops.read_processor_name, name));
  if (CpuModel != 0) {
    start_ryzenadj(ops);
    ops.adlx_start();
  } else {
    adlx_ready = 1;  // nothing will start ADLX; display queries must not wait for it
  }
  BoardModel = board_model_from_name(read_name(ops.read_board_name, name));
  if (BoardModel == 0) return BACKEND_UNSUPPORTED;

  // ec_ready does not wait for the driver: EC operations fail on their own
  // without one, and the read-outs then just keep their last value.
  if (!ec_driver_loaded) ec_driver_loaded = ops.load_ec_driver() || ops.load_ec_driver();
  ec_ready = 1;
  rgb_cache[0] = rgb_cache[1] = rgb_cache[2] = 0;
  lighting_ready = 1;

  if (!install_edid_override(ops)) return BACKEND_STARTED;
  restart_adapters(ops);
  return BACKEND_RESTARTED;
}

void run_stop_backend(const BackendOps& ops) {
  if (BoardModel != 0) {
    // Flags first: a fan or lighting handler on the toolkit thread that
    // checks them after this point leaves the EC alone, so it cannot undo
    // the safe state written next.
    ec_ready = 0;
    lighting_ready = 0;
    ops.write_safe_state();
    // Also after a failed load, which may have left the module loaded.
    ops.unload_ec_driver();
    ec_driver_loaded = 0;
  }
  if (CpuModel != 0) {
    stop_ryzenadj(ops);
    ops.adlx_stop();
    if (BoardModel != 0) ops.clear_fps_limit();
  }
}
