// Start and stop of the hardware back ends: device identification, RyzenAdj,
// ADLX, the EC driver and the display panel's EDID override.
#pragma once

#include <cstdint>

// Results of start_backend.
constexpr int32_t BACKEND_UNSUPPORTED = 0;  // board not recognised: incompatibility screen
constexpr int32_t BACKEND_STARTED = 1;
constexpr int32_t BACKEND_RESTARTED = 2;  // a new EDID override was activated: "Info" message

/**
 * Run once, on the window thread, before the panel is built and before any
 * other thread exists. Initialises COM for the thread (multithreaded), reads
 * the processor and board names, starts RyzenAdj and ADLX for a recognised
 * processor, loads the EC driver for a recognised board, and installs the
 * EDID override (restarting the display adapters) when it is missing or old.
 * @return BACKEND_UNSUPPORTED, BACKEND_STARTED or BACKEND_RESTARTED
 */
int32_t start_backend();

/**
 * On every way out, at most once (later calls do nothing): fan and lighting
 * back to the EC's automatic control, each write read back and retried (and
 * waited for while another EC tool runs), the outcome in the safety log; EC
 * driver unloaded, RyzenAdj cleaned up, ADLX stopped, no frame-rate limit,
 * COM released for the thread. Settings are left alone: the registry keeps
 * what the user chose and the next start applies it again.
 */
void stop_backend();

/**
 * The crash path (an unhandled exception, std::terminate, a failed toolkit
 * assertion), from whichever thread crashed: only fan and lighting back to
 * the EC, with a bounded wait for the EC lock (its holder may be the thread
 * that died). Does nothing after stop_backend or a first call, and nothing
 * on a board that is not recognised.
 */
void stop_backend_after_crash();
