// Recorders for the edges the power operations reach: the RyzenAdj setters,
// the EC and the power status. Every call becomes one line of `trace`
// ("stapm 25000", "ec 0x10=1", "ec read 0xB3"), in the order made.
#pragma once

#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <vector>

struct PowerFakes {
  std::mutex lock;  // the concurrency test records from two threads
  std::vector<std::string> trace;
  uint8_t ec[256] = {};          // what EC reads answer: the last byte written
  bool ec_works = true;          // false: every EC transaction fails
  std::deque<uint8_t> ac_line;   // successive answers of read_ac_line_status
  uint8_t ac_line_after = 1;     // the answer once that list is used up
  bool slow_calls = false;       // each RyzenAdj call yields a few times
  int adapters = 1;              // display adapters whose state change succeeds

  void reset();
  // The lines of trace that start with `prefix`.
  std::vector<std::string> lines(const std::string& prefix);
};

extern PowerFakes power_fakes;
