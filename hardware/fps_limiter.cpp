// The limiter's worker (see fps_limiter.h). Starting RTSS means a process
// start and a grace of half a second; done on the toolkit thread, that froze
// the panel mid-tap. The handlers queue their calls here instead and pick up
// the result from a timer; the order of the calls and their results are the
// same as if they had been made in place.
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <utility>

#include "hardware/fps_limiter.h"

std::atomic<int32_t> applied_fps_limit{0};
std::atomic<int32_t> rtss_status{RTSS_DONE};

namespace {

constexpr size_t RESULTS_KEPT = 16;

struct Request {
  uint32_t number;
  int32_t limits[RTSS_REQUEST_MAX_LIMITS];
  int count;
};

struct Worker {
  std::mutex queue_lock;  // everything below up to call_lock
  std::condition_variable wake;
  std::deque<Request> queue;
  bool started = false;
  uint32_t next_number = 1;
  uint32_t done_number = 0;
  // Results of the latest requests, oldest first: a caller asks about its
  // own request even when others have finished after it.
  std::deque<std::pair<uint32_t, uint8_t>> results;
  std::atomic<bool> closed{false};
  // Held around each set_rtss_limit of the worker and around the exit's
  // final call. The worker tests `closed` under it, so once the exit holds
  // it no queued limit can follow the exit's 0.
  std::mutex call_lock;
};

// Never destroyed: the detached worker may still be waiting on it while the
// process ends.
Worker& worker() {
  static Worker* const w = new Worker;
  return *w;
}

void run_request(Worker& w, const Request& request) {
  uint8_t status = RTSS_DONE;
  for (int i = 0; i < request.count; ++i) {
    std::lock_guard<std::mutex> call(w.call_lock);
    if (w.closed) break;
    status = set_rtss_limit(request.limits[i]);
  }
  std::lock_guard<std::mutex> guard(w.queue_lock);
  w.done_number = request.number;
  w.results.emplace_back(request.number, status);
  if (w.results.size() > RESULTS_KEPT) w.results.pop_front();
}

void worker_loop() {
  Worker& w = worker();
  for (;;) {
    Request request;
    {
      std::unique_lock<std::mutex> guard(w.queue_lock);
      w.wake.wait(guard, [&w] { return w.closed || !w.queue.empty(); });
      if (w.closed) return;
      request = w.queue.front();
      w.queue.pop_front();
    }
    run_request(w, request);
  }
}

}  // namespace

uint32_t request_rtss_limits(const int32_t* limits, int count) {
  if (!limits || count < 1 || count > RTSS_REQUEST_MAX_LIMITS) return 0;
  Worker& w = worker();
  std::lock_guard<std::mutex> guard(w.queue_lock);
  if (w.closed) return 0;
  Request request{w.next_number++, {}, count};
  if (w.next_number == 0) w.next_number = 1;
  for (int i = 0; i < count; ++i) request.limits[i] = limits[i];
  w.queue.push_back(request);
  if (!w.started) {
    std::thread(worker_loop).detach();
    w.started = true;
  }
  w.wake.notify_one();
  return request.number;
}

bool rtss_request_done(uint32_t number, uint8_t* status) {
  Worker& w = worker();
  std::lock_guard<std::mutex> guard(w.queue_lock);
  if (number == 0 || w.done_number < number) return false;
  for (const auto& result : w.results) {
    if (result.first == number && status) *status = result.second;
  }
  return true;
}

uint8_t end_rtss_requests() {
  Worker& w = worker();
  {
    std::lock_guard<std::mutex> guard(w.queue_lock);
    w.closed = true;
    w.queue.clear();
  }
  w.wake.notify_all();
  std::lock_guard<std::mutex> call(w.call_lock);
  return set_rtss_limit(0);
}
