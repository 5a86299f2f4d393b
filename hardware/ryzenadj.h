// RyzenAdj, the power-limit library, as the program imports it from
// libryzenadj.dll (our own declarations of its C interface). The program is
// linked against the import library on purpose: without the DLL beside it,
// it does not start at all.
//
// All calls go through one process-wide lock: the window thread (resume
// re-apply, exit) and the toolkit thread (power controls) both reach the
// library, which keeps one SMU mailbox and is not safe to enter twice.
#pragma once

#include <cstdint>
#include <mutex>

// x64 has one calling convention; the name is kept for the declarations'
// sake and so the native tree compiles them too.
#ifdef _WIN32
#define RYZENADJ_CALL __stdcall
#else
#define RYZENADJ_CALL
#endif

extern "C" {
typedef struct _ryzen_access* ryzen_access;  // opaque

ryzen_access RYZENADJ_CALL init_ryzenadj(void);  // NULL on failure
void RYZENADJ_CALL cleanup_ryzenadj(ryzen_access ry);
// Power limits in mW; 0 = success, negative = the library's error codes.
int RYZENADJ_CALL set_stapm_limit(ryzen_access ry, uint32_t value);
int RYZENADJ_CALL set_slow_limit(ryzen_access ry, uint32_t value);
int RYZENADJ_CALL set_fast_limit(ryzen_access ry, uint32_t value);
// GPU clock in MHz.
int RYZENADJ_CALL set_gfx_clk(ryzen_access ry, uint32_t value);
int RYZENADJ_CALL set_min_gfxclk_freq(ryzen_access ry, uint32_t value);
int RYZENADJ_CALL set_max_gfxclk_freq(ryzen_access ry, uint32_t value);
}

// Returned by ryzenadj_apply when there is no handle (never started, init
// failed, or already cleaned up). RyzenAdj's own -1 means the same thing:
// the family is not supported.
constexpr int RYZENADJ_NO_HANDLE = -1;

/** The lock every RyzenAdj call holds, together with ryzenadj_handle. */
std::mutex& ryzenadj_lock();

using RyzenAdjSetter = int(RYZENADJ_CALL*)(ryzen_access, uint32_t);

/**
 * Calls one setter with ryzenadj_handle under the lock. A null handle is
 * never passed on: the library dereferences it.
 * @return the setter's result, or RYZENADJ_NO_HANDLE
 */
int ryzenadj_apply(RyzenAdjSetter setter, uint32_t value);
