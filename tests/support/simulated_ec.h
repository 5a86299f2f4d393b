// ec_read and ec_write for native tests: the program's own handshake
// (ec_handshake.h) against the simulated EC of sim/ec_model.h, as the stand-in
// driver library serves it under Wine, with every completed write recorded.
// Link tests/support/simulated_ec.cpp into a native test instead of the
// driver edge (ec_win.cpp).
#pragma once

#include <cstdint>
#include <deque>
#include <utility>
#include <vector>

#include "sim/ec_model.h"

struct SimulatedEc {
  EcModelState model;
  // Register writes that reached the EC, in order: {register, value}.
  std::vector<std::pair<uint8_t, uint8_t>> writes;
  int reads = 0;  // ec_read calls, answered or not
  // Answers for the next ec_read calls, before the model is asked again:
  // -1 fails the read (as after a busy EC's last attempt), 0..255 is the
  // byte the read returns.
  std::deque<int> scripted_reads;
  bool unavailable = false;  // every transaction fails (no driver, an EC tool runs)
};

extern SimulatedEc simulated_ec;

// The EC at power-on (fan mode 1, 45 C, thermal model frozen so that the
// registers change only when a test says so), nothing recorded.
void reset_simulated_ec();

// The last value written to a register through ec_write, -1 if none was.
int last_ec_write(uint8_t reg);
