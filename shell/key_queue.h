// The keys waiting for the toolkit's keypad device. The window thread appends,
// the toolkit thread takes; key_queue_mutex is the program's only lock of its
// own besides the hardware ones, and the gamepad step runs under it too.
#pragma once

#include <cstdint>
#include <mutex>

extern std::mutex key_queue_mutex;

// Both expect key_queue_mutex to be held by the caller.
void key_queue_push(uint32_t key, uint32_t state);
// Takes the oldest pair; returns false when empty. *more tells whether pairs remain.
bool key_queue_pop(uint32_t* key, uint32_t* state, bool* more);
