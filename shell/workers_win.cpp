// The two worker threads: calls that may block for long (the GPU vendor's
// runtime, the network) stay off the toolkit thread.
#include <windows.h>

#include "hardware/adlx.h"
#include "shell/shell_state.h"

void adlx_worker_main() {
  while (!quit_flag) {
    adlx_sample_step();
    Sleep(1000);
  }
}

// Update checks and downloads come with the updater; until then the thread
// only idles as the updater's host will.
void update_worker_main() {
  while (!quit_flag) {
    Sleep(1);
  }
}
