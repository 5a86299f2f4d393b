#include "shell/thread_group.h"

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace {

// Shared with the threads, so one left behind at the deadline still has
// something valid to report its end to.
struct Finished {
  std::mutex mutex;
  std::condition_variable changed;
  int count = 0;
};

struct Group {
  std::shared_ptr<Finished> finished = std::make_shared<Finished>();
  std::vector<std::thread> threads;
  std::vector<std::shared_ptr<bool>> done;  // guarded by finished->mutex
};

Group& group() {
  static Group* g = new Group;  // never destroyed: detached threads may outlive main
  return *g;
}

}  // namespace

void start_program_thread(void (*body)()) {
  Group& g = group();
  std::shared_ptr<Finished> finished = g.finished;
  auto done = std::make_shared<bool>(false);
  g.done.push_back(done);
  g.threads.emplace_back([body, finished, done] {
    body();
    std::lock_guard<std::mutex> guard(finished->mutex);
    *done = true;
    ++finished->count;
    finished->changed.notify_all();
  });
}

bool program_threads_finished() {
  Group& g = group();
  std::lock_guard<std::mutex> guard(g.finished->mutex);
  return size_t(g.finished->count) >= g.threads.size();
}

bool join_program_threads(uint32_t deadline_ms) {
  Group& g = group();
  const size_t total = g.threads.size();
  bool all = false;
  {
    std::unique_lock<std::mutex> lock(g.finished->mutex);
    all = g.finished->changed.wait_for(lock, std::chrono::milliseconds(deadline_ms), [&] {
      return size_t(g.finished->count) >= total;
    });
  }
  for (size_t i = 0; i < total; ++i) {
    bool done = false;
    {
      std::lock_guard<std::mutex> guard(g.finished->mutex);
      done = *g.done[i];
    }
    if (done) {
      g.threads[i].join();
    } else {
      g.threads[i].detach();
    }
  }
  g.threads.clear();
  g.done.clear();
  g.finished = std::make_shared<Finished>();
  return all;
}
