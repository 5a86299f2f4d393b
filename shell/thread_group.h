// The program's long-running threads (toolkit, GPU-clock worker, update
// worker), started once and, at the end, joined with a deadline.
//
// Each thread returns once quit_flag is set. The end of the program sets it
// and then waits for them before anything of the process is torn down: a
// thread still running while static objects are destroyed, or while the
// hardware is handed back, would use them half gone. A thread that does not
// end in time (stuck in a driver call) is left behind, and the caller ends
// the process without running destructors.
#pragma once

#include <cstdint>

// Starts `body` on a thread of the group.
void start_program_thread(void (*body)());

// True once every thread of the group has returned from its body.
bool program_threads_finished();

/**
 * Waits until every thread of the group has returned, or `deadline_ms`
 * passed. Threads that returned are joined; the others are detached.
 * @return true when all of them returned
 */
bool join_program_threads(uint32_t deadline_ms);
