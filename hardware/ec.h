// Embedded-controller access through the WinRing0 driver library.
//
// Every transaction holds one process-wide lock from the conflicting-tool check
// to its last port access, so the window thread (resume, exit) and the toolkit
// thread (handlers, read-outs) never interleave on ports 0x66/0x62. Without a
// usable library every operation fails cleanly with 0.
#pragma once

#include <cstdint>

#include "hardware/ec_registers.h"

// Loads "WinRing0x64.dll", requires all 54 entry points and returns whether
// InitializeOls succeeded. A second call reuses the already loaded module.
bool load_ec_driver();

// DeinitializeOls and unload. Transactions fail (0) from then on.
void unload_ec_driver();

// 1 on success, 0 on failure (no usable driver, a conflicting tool running,
// or the EC not answering within its attempts; *value is then unchanged).
int ec_read(uint8_t reg, uint8_t* value);
int ec_write(uint8_t reg, uint8_t value);

// True while another EC tool runs: a process named exactly "Rw.exe" or "HE.exe".
bool ec_tool_running();

// Process id of the first process whose executable name equals `name` exactly
// (case-sensitive), 0 if there is none or no snapshot could be taken.
uint32_t find_process_by_name(const wchar_t* name);
