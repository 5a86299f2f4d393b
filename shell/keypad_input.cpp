#include "shell/keypad_input.h"

#include <mutex>

#include "shell/key_queue.h"

void read_keypad(lv_indev_data_t* data, uint32_t now_ms, KeypadSource* source) {
  {
    std::lock_guard<std::mutex> guard(key_queue_mutex);
    uint32_t key = 0, state = 0;
    bool more = false;
    if (key_queue_pop(&key, &state, &more)) {
      data->key = key;
      data->state = lv_indev_state_t(state);
      data->continue_reading = more;
    }
  }
  if (source->controller_step && controller_step_due(source->poll, now_ms)) {
    controller_stepped(&source->poll, now_ms, source->controller_step());
  }
}
