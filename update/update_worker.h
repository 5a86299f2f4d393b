// Wakes the update worker thread when the panel asks for a check or a
// download, so the worker can sleep between requests instead of polling.
#pragma once

#include <cstdint>

// Called by whoever sets an update request.
void signal_update_worker();

// The worker's sleep: returns when signalled or after max_ms.
void wait_for_update_work(uint32_t max_ms);
