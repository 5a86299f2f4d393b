// The RyzenAdj lock and guarded call (see ryzenadj.h).
#include "hardware/ryzenadj.h"

#include "hardware/hardware_state.h"

std::mutex& ryzenadj_lock() {
  static std::mutex lock;
  return lock;
}

int ryzenadj_apply(RyzenAdjSetter setter, uint32_t value) {
  std::lock_guard<std::mutex> guard(ryzenadj_lock());
  if (!ryzenadj_handle) return RYZENADJ_NO_HANDLE;
  return setter(static_cast<ryzen_access>(ryzenadj_handle), value);
}
