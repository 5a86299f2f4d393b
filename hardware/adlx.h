// GPU clock read-out through AMD's ADLX runtime ("amdadlx64.dll", loaded at
// run time and optional: without it the read-out simply stays at 0).
//
// One lock covers a whole sampling step, the whole of adlx_stop and the
// binding part of adlx_start, so the sampling worker never uses an interface
// that a stop (around an adapter restart) is releasing.
#pragma once

/**
 * Loads the library if needed (all six exports required), initialises ADLX
 * and takes the performance-monitoring services, the 3D-settings services,
 * the GPU list and its first GPU (then gpu_found is set). Whatever happened,
 * waits 500 ms and sets adlx_ready: display queries wait for that flag.
 */
void adlx_start();

/**
 * Clears adlx_ready and gpu_found, releases every interface (metrics,
 * metrics support, 3D settings, GPU, GPU list, monitoring services, in that
 * order), terminates ADLX and unloads the library. Safe when not started.
 */
void adlx_stop();

/**
 * One step of the GPU-clock worker: while adlx_ready and gpu_auto are set,
 * stores the current GPU clock in MHz in live_gpu_clock (0 when no GPU or no
 * clock metric is available); otherwise leaves live_gpu_clock alone.
 */
void adlx_sample_step();
