// Frame-rate limit through RTSS's global profile (see rtss_client.h).
#pragma once

#include <atomic>
#include <cstdint>

#include "hardware/rtss_client.h"

// The limiter settings in force: "FPSMode" (1 on, 0 off) and "FPSValue" (fps).
extern std::atomic<int32_t> fps_mode;
extern std::atomic<int32_t> fps_value;

// The limit last handed to RTSS by the limiter's controls; 0 at exit.
extern std::atomic<int32_t> applied_fps_limit;

// Result of the last limiter change the panel saw finish (RTSS_DONE,
// RTSS_NO_INSTALL_PATH or RTSS_NOT_RUNNING).
extern std::atomic<int32_t> rtss_status;

/**
 * Sets RTSS's global "FramerateLimit" (0 = no limit), starting RTSS first
 * when it is installed but not running, which can take RTSS_START_GRACE_MS.
 * Calls never overlap: one lock is held for the whole call. Windows side
 * (fps_limiter_win.cpp).
 * @return RTSS_DONE, RTSS_NO_INSTALL_PATH or RTSS_NOT_RUNNING
 */
uint8_t set_rtss_limit(int32_t limit);

// Limits handed to set_rtss_limit by one request, in order.
constexpr int RTSS_REQUEST_MAX_LIMITS = 2;

/**
 * Queues set_rtss_limit calls for the limiter's own worker thread, so that a
 * control's handler returns at once even while RTSS is being started; the
 * requests run one after the other in the order they were made. The worker
 * is started on the first request. After end_rtss_requests nothing more
 * is queued.
 * @param limits  1..RTSS_REQUEST_MAX_LIMITS values, called in this order
 * @return the request's number (never 0), or 0 when nothing was queued
 */
uint32_t request_rtss_limits(const int32_t* limits, int count);

/**
 * Whether request `number` has run (with every request before it), and if
 * so the result of its last set_rtss_limit call in *status (left as it is
 * for a request so old that its result is no longer kept).
 */
bool rtss_request_done(uint32_t number, uint8_t* status);

/**
 * The exit path: queued requests that have not started are dropped, one
 * that runs is let finish, and then the limit is set to 0, so that 0 is the
 * last value RTSS receives from this process. Later requests are refused.
 * @return the result of the final set_rtss_limit(0)
 */
uint8_t end_rtss_requests();
