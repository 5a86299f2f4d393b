// The limiter's worker: requests from the panel's handlers run in order on
// a thread of their own, each reporting the status of its last call, and a
// handler never waits for RTSS.
#include <gtest/gtest.h>

#include <vector>

#include "hardware/fps_limiter.h"
#include "tests/hardware/rtss_requests_fake.h"

namespace {

struct Request {
  std::vector<int32_t> limits;
  uint8_t status;  // expected result of the request
};

TEST(RtssRequests, requests_run_in_order_and_each_reports_the_status_of_its_last_call) {
  const struct {
    const char* name;
    std::map<int32_t, uint8_t> answers;
    std::vector<Request> requests;
    std::vector<int32_t> calls;
  } cases[] = {
      {"limiter off at 45: 45 then 0, the status of the 0", {}, {{{45, 0}, RTSS_DONE}}, {45, 0}},
      {"the second call decides the status", {{45, RTSS_NOT_RUNNING}}, {{{45, 0}, RTSS_DONE}},
       {45, 0}},
      {"a failing second call is the request's status", {{0, RTSS_NOT_RUNNING}},
       {{{45, 0}, RTSS_NOT_RUNNING}}, {45, 0}},
      {"switch, then slider, then switch again",
       {{30, RTSS_NO_INSTALL_PATH}},
       {{{45, 45}, RTSS_DONE}, {{30}, RTSS_NO_INSTALL_PATH}, {{30, 0}, RTSS_DONE}},
       {45, 45, 30, 30, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    rtss_fake.reset();
    rtss_fake.status_for = c.answers;
    std::vector<uint32_t> numbers;
    for (const Request& r : c.requests) {
      numbers.push_back(request_rtss_limits(r.limits.data(), int(r.limits.size())));
      ASSERT_NE(numbers.back(), 0u);
    }
    for (size_t i = 0; i < numbers.size(); ++i) {
      uint8_t status = 99;
      ASSERT_TRUE(wait_for_request(numbers[i], &status)) << i;
      // Its own status, even when later requests have finished meanwhile.
      EXPECT_EQ(status, c.requests[i].status) << i;
    }
    EXPECT_EQ(rtss_fake.recorded(), c.calls);
  }
}

TEST(RtssRequests, a_request_returns_at_once_while_rtss_is_still_starting) {
  rtss_fake.reset();
  rtss_fake.set_hold(true);
  const int32_t limits[] = {45, 45};
  const uint32_t number = request_rtss_limits(limits, 2);
  ASSERT_NE(number, 0u);
  ASSERT_TRUE(rtss_fake.wait_for_held_call());
  uint8_t status = 99;
  EXPECT_FALSE(rtss_request_done(number, &status));
  EXPECT_EQ(status, 99) << "no status before the request ran";

  const int32_t later[] = {20};
  const uint32_t next = request_rtss_limits(later, 1);
  EXPECT_GT(next, number);
  rtss_fake.set_hold(false);
  ASSERT_TRUE(wait_for_request(next, &status));
  EXPECT_TRUE(rtss_request_done(number, nullptr));
  EXPECT_EQ(rtss_fake.recorded(), (std::vector<int32_t>{45, 45, 20}));
}

TEST(RtssRequests, malformed_requests_are_refused) {
  rtss_fake.reset();
  const int32_t limits[] = {1, 2, 3};
  EXPECT_EQ(request_rtss_limits(limits, 0), 0u);
  EXPECT_EQ(request_rtss_limits(limits, 3), 0u);
  EXPECT_EQ(request_rtss_limits(nullptr, 1), 0u);
  EXPECT_FALSE(rtss_request_done(0, nullptr));
  EXPECT_TRUE(rtss_fake.recorded().empty());
}

}  // namespace
