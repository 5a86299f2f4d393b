// The two worker threads: calls that may block for long (the GPU vendor's
// runtime, the network) stay off the toolkit thread.
#include <windows.h>

#include "hardware/adlx.h"
#include "shell/shell_state.h"
#include "update/update_worker.h"

void adlx_worker_main() {
  while (!quit_flag) {
    adlx_sample_step();
    wait_for_quit(1000);
  }
}

// Requests wake the worker through an event rather than a 1 ms poll: under
// Wine a 1 ms sleep really is 1 ms, and a thousand wake-ups a second cost a
// few percent of a core for nothing. The update checks and downloads come
// with the updater; until then a pass has nothing to do.
void update_worker_main() {
  while (!quit_flag) {
    wait_for_update_work(1000);
  }
}
