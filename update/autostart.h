// The log-on task "TMX" that starts the launcher hidden after log-on.
#pragma once

#include <atomic>
#include <cstdint>

extern std::atomic<int32_t> autostart_wanted;  // "AutoStart": 1 wanted, 0 not

// Create or replace / delete the task. HRESULT values; callers ignore them.
int32_t register_autostart_task();
int32_t remove_autostart_task();
