// The decisions of start_backend / stop_backend, portable: every outside
// effect (registry, vendor libraries, EC, display, waiting) goes through a
// table of operations, which backend_win.cpp fills with the real calls and
// the native tests with recorders.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr size_t BACKEND_NAME_SIZE = 260;  // registry name buffer, bytes

struct BackendOps {
  // A REG_SZ value into out (NUL-terminated within size); false when missing.
  bool (*read_processor_name)(char* out, size_t size);
  bool (*read_board_name)(char* out, size_t size);
  void* (*init_ryzenadj)();
  void (*cleanup_ryzenadj)(void* handle);
  void (*adlx_start)();
  void (*adlx_stop)();
  bool (*load_ec_driver)();
  void (*unload_ec_driver)();
  // Fan and lighting back to the EC, each write read back; true when both held.
  bool (*write_safe_state)();
  // The three EDID override modes, each run on a fresh accumulator;
  // exactly 1 means success.
  uint32_t (*edid_probe)();
  uint32_t (*edid_check)();
  uint32_t (*edid_write)();
  // Disables and re-enables the adapter of the built-in panel, waiting on
  // its status; the count of adapters running again.
  int (*restart_panel_adapter)();
  void (*clear_fps_limit)();
};

/** start_backend after COM is up; see backend.h. */
int32_t run_start_backend(const BackendOps& ops);

/** stop_backend before COM goes down; see backend.h. */
void run_stop_backend(const BackendOps& ops);
