// The shell's thread handling: the keypad read that must not hold the key
// queue's lock across the controller step, the controller's polling rate,
// the end-of-program join, and the input-method caret published by the
// toolkit thread.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "shell/controller_poll.h"
#include "shell/ime_caret.h"
#include "shell/key_queue.h"
#include "shell/keypad_input.h"
#include "shell/thread_group.h"
#include "tests/lvgl/test_display.h"

namespace {

int steps_seen = 0;
bool queue_lock_free_during_step = false;
bool connected_answer = false;

// The window thread's side while a step runs: can it queue a key?
bool step_that_checks_the_queue_lock() {
  ++steps_seen;
  bool free = false;
  std::thread window_thread([&] {
    if (key_queue_mutex.try_lock()) {
      free = true;
      key_queue_mutex.unlock();
    }
  });
  window_thread.join();
  queue_lock_free_during_step = free;
  return connected_answer;
}

TEST(KeypadRead, the_controller_step_runs_without_the_key_queue_lock) {
  KeypadSource source = {step_that_checks_the_queue_lock, {}};
  steps_seen = 0;
  {
    std::lock_guard<std::mutex> guard(key_queue_mutex);
    key_queue_push(27, 1);
  }
  lv_indev_data_t data = {};
  read_keypad(&data, 1000, &source);
  EXPECT_EQ(data.key, 27u);
  ASSERT_EQ(steps_seen, 1);
  EXPECT_TRUE(queue_lock_free_during_step)
      << "a key typed while the step blocks would wait for it";
}

// LVGL reads the keypad again at once while keys are queued; the controller
// is still stepped once per 10 ms period, and only once a second while no
// controller answers.
TEST(KeypadRead, the_controller_is_stepped_once_per_period_whatever_the_reads) {
  struct Case {
    const char* what;
    bool connected;
    std::vector<uint32_t> read_times;
    int steps;
  } cases[] = {
      {"three reads in one period", true, {1000, 1000, 1001}, 1},
      {"a read every 10 ms for 100 ms", true, {1000, 1010, 1020, 1030, 1040, 1050, 1060, 1070,
                                               1080, 1090}, 10},
      {"no controller: once a second", false, {1000, 1010, 1500, 1990, 2000, 2010, 3000}, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    KeypadSource source = {step_that_checks_the_queue_lock, {}};
    connected_answer = c.connected;
    steps_seen = 0;
    for (uint32_t t : c.read_times) {
      lv_indev_data_t data = {};
      read_keypad(&data, t, &source);
    }
    EXPECT_EQ(steps_seen, c.steps);
  }
}

TEST(ControllerPoll, the_keypad_is_read_often_only_while_it_is_needed) {
  struct Case {
    bool connected, shown;
    uint32_t period;
  } cases[] = {{false, false, 1000}, {true, false, 10}, {false, true, 10}, {true, true, 10}};
  for (const Case& c : cases) {
    ControllerPoll poll;
    controller_stepped(&poll, 0, c.connected);
    EXPECT_EQ(keypad_read_period(poll, c.shown), c.period);
  }
  ControllerPoll poll;
  controller_stepped(&poll, 5000, false);
  EXPECT_FALSE(controller_step_due(poll, 5999));
  EXPECT_TRUE(controller_step_due(poll, 6000));
  controller_stepped(&poll, 6000, true);
  EXPECT_TRUE(controller_step_due(poll, 6010)) << "a controller plugged in is polled at once";
}

std::atomic<bool> release_stuck{false};
std::atomic<bool> quitting{false};
std::atomic<bool> stuck_ended{false};
void quick_body() {
  while (!quitting) std::this_thread::sleep_for(std::chrono::milliseconds(1));
}
void stuck_body() {
  while (!release_stuck) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  stuck_ended = true;
}

TEST(ProgramThreads, are_joined_when_they_end_and_left_behind_at_the_deadline) {
  quitting = false;
  start_program_thread(quick_body);
  start_program_thread(quick_body);
  EXPECT_FALSE(program_threads_finished());
  quitting = true;
  EXPECT_TRUE(join_program_threads(5000));

  quitting = false;
  release_stuck = false;
  start_program_thread(quick_body);
  start_program_thread(stuck_body);
  quitting = true;
  EXPECT_FALSE(join_program_threads(200)) << "a thread stuck past the deadline";
  // The one left behind may still finish without touching freed state.
  release_stuck = true;
  for (int i = 0; i < 5000 && !stuck_ended; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  EXPECT_TRUE(stuck_ended.load());
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
}

class ImeCaret : public DisplayTest {};

TEST_F(ImeCaret, follows_the_focused_text_areas_cursor_and_is_absent_without_one) {
  int32_t x = 0, y = 0;
  publish_ime_caret();
  EXPECT_FALSE(read_ime_caret(&x, &y)) << "nothing focused";

  lv_obj_t* area = lv_textarea_create(lv_scr_act());
  lv_obj_set_pos(area, 40, 60);
  lv_textarea_set_text(area, "abc");
  lv_obj_t* button = lv_btn_create(lv_scr_act());
  lv_group_add_obj(lv_group_get_default(), area);
  lv_group_add_obj(lv_group_get_default(), button);
  lv_group_focus_obj(area);
  display.advance(50);

  publish_ime_caret();
  ASSERT_TRUE(read_ime_caret(&x, &y));
  lv_obj_t* label = lv_textarea_get_label(area);
  lv_point_t letter = {0, 0};
  lv_label_get_letter_pos(label, lv_textarea_get_cursor_pos(area), &letter);
  EXPECT_EQ(x, label->coords.x1 + letter.x);
  EXPECT_EQ(y, label->coords.y1 + letter.y);
  EXPECT_GT(x, 40) << "after the three letters, inside the text area";

  lv_group_focus_obj(button);
  publish_ime_caret();
  EXPECT_FALSE(read_ime_caret(&x, &y)) << "a button has no text cursor";
}

}  // namespace
