// A stand-in for set_rtss_limit (which calls Windows) for the tests of the
// limiter's worker: it records each limit, answers a status per limit, and
// can hold a call open the way a starting RTSS holds it for half a second.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <map>
#include <mutex>
#include <vector>

struct RtssFake {
  std::mutex lock;
  std::condition_variable changed;
  std::vector<int32_t> calls;
  std::map<int32_t, uint8_t> status_for;  // limits not listed answer 0
  bool hold = false;                      // calls wait until released
  int waiting = 0;                        // calls waiting now

  void reset() {
    std::lock_guard<std::mutex> guard(lock);
    calls.clear();
    status_for.clear();
    hold = false;
  }
  void set_hold(bool on) {
    std::lock_guard<std::mutex> guard(lock);
    hold = on;
    changed.notify_all();
  }
  std::vector<int32_t> recorded() {
    std::lock_guard<std::mutex> guard(lock);
    return calls;
  }
  // Waits (up to five seconds) until a call is being held.
  bool wait_for_held_call() {
    std::unique_lock<std::mutex> guard(lock);
    return changed.wait_for(guard, std::chrono::seconds(5), [this] { return waiting > 0; });
  }
};

extern RtssFake rtss_fake;

// Polls rtss_request_done until it reports the request, for at most five
// seconds; the status of a finished request in *status.
bool wait_for_request(uint32_t number, uint8_t* status);
