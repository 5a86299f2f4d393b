#include "shell/key_queue.h"

#include <deque>
#include <utility>

std::mutex key_queue_mutex;

namespace {
std::deque<std::pair<uint32_t, uint32_t>> key_queue;
}

void key_queue_push(uint32_t key, uint32_t state) { key_queue.emplace_back(key, state); }

bool key_queue_pop(uint32_t* key, uint32_t* state, bool* more) {
  if (key_queue.empty()) return false;
  *key = key_queue.front().first;
  *state = key_queue.front().second;
  key_queue.pop_front();
  *more = !key_queue.empty();
  return true;
}
