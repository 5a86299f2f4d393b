// Embedded-controller access through the WinRing0 driver library.
//
// Every transaction holds one process-wide lock from the conflicting-tool check
// to its last port access, so the window thread (resume, exit) and the toolkit
// thread (handlers, read-outs) never interleave on ports 0x66/0x62. Without a
// usable library every operation fails cleanly with 0.
#pragma once

#include <cstdint>

#include "hardware/ec_registers.h"

// Why a transaction did or did not happen.
enum EcResult {
  EC_DONE = 0,      // the transaction went through
  EC_TOOL_RUNNING,  // refused: another EC tool runs (try again once it has ended)
  EC_NO_DRIVER,     // refused: no usable driver library
  EC_NO_ANSWER,     // the EC did not answer within its attempts
};

// Loads "WinRing0x64.dll" from the program's own folder or System32 only (a
// copy planted in the working directory or on PATH is never loaded),
// requires all 54 entry points and returns whether InitializeOls succeeded.
// A second call reuses the already loaded module.
bool load_ec_driver();

// DeinitializeOls and unload. Transactions fail (0) from then on.
void unload_ec_driver();

// 1 on success, 0 on failure (no usable driver, a conflicting tool running,
// or the EC not answering within its attempts; *value is then unchanged).
int ec_read(uint8_t reg, uint8_t* value);
int ec_write(uint8_t reg, uint8_t value);

// Reads `count` registers in order as one transaction: one lock and one
// conflicting-tool check for all of them (a read-out that wants several
// registers once a second pays for one process snapshot, not one each).
// Stops at the first register the EC does not answer.
// @return how many registers were read (values[0..n) are set)
int ec_read_group(const uint8_t* regs, uint8_t* values, int count);

// The same transactions, telling why one failed.
EcResult ec_read_result(uint8_t reg, uint8_t* value);
EcResult ec_write_result(uint8_t reg, uint8_t value);

// For the crash path only: the same transactions, but the EC lock is waited
// for at most `lock_wait_ms`. A thread that died (or hangs) holding it must
// not keep the fan from being handed back; after the wait the transaction
// goes ahead without the lock, and the handshake's drain and the caller's
// read-back cope with whatever the other thread left on the ports. On the
// thread that holds the lock itself (it crashed inside a transaction) there
// is no wait at all.
EcResult ec_read_bounded(uint8_t reg, uint8_t* value, uint32_t lock_wait_ms);
EcResult ec_write_bounded(uint8_t reg, uint8_t value, uint32_t lock_wait_ms);

// True while another EC tool runs ("Rw.exe" or "HE.exe", in any letter
// case). One process snapshot per call.
bool ec_tool_running();

// Process id of the first process whose executable name equals `name`
// (case-insensitive, as Windows compares file names), 0 if there is none or
// no snapshot could be taken.
uint32_t find_process_by_name(const wchar_t* name);
