#include "update/autostart.h"

std::atomic<int32_t> autostart_wanted{1};

// The Task Scheduler registration comes with the autostart work; until then
// both report E_NOTIMPL and change nothing.
int32_t register_autostart_task() { return int32_t(0x80004001); }
int32_t remove_autostart_task() { return int32_t(0x80004001); }
