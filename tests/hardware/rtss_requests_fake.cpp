#include "tests/hardware/rtss_requests_fake.h"

#include <thread>

#include "hardware/fps_limiter.h"

RtssFake rtss_fake;

uint8_t set_rtss_limit(int32_t limit) {
  std::unique_lock<std::mutex> guard(rtss_fake.lock);
  rtss_fake.calls.push_back(limit);
  ++rtss_fake.waiting;
  rtss_fake.changed.notify_all();
  rtss_fake.changed.wait(guard, [] { return !rtss_fake.hold; });
  --rtss_fake.waiting;
  auto found = rtss_fake.status_for.find(limit);
  return found == rtss_fake.status_for.end() ? RTSS_DONE : found->second;
}

bool wait_for_request(uint32_t number, uint8_t* status) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (!rtss_request_done(number, status)) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}
