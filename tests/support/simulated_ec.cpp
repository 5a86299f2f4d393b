#include "tests/support/simulated_ec.h"

#include "hardware/ec.h"
#include "hardware/ec_handshake.h"

SimulatedEc simulated_ec;

namespace {

uint8_t model_read(uint16_t port) { return ec_model_read_port(&simulated_ec.model, port); }
void model_write(uint16_t port, uint8_t value) { ec_model_write_port(&simulated_ec.model, port, value); }
// No clock: the model answers within its configured polls, so waits are
// bounded by poll counts, which keeps the tests deterministic.
const EcPortIo MODEL_PORTS = {model_read, model_write, nullptr};

}  // namespace

void reset_simulated_ec() {
  simulated_ec.writes.clear();
  simulated_ec.reads = 0;
  simulated_ec.scripted_reads.clear();
  simulated_ec.unavailable = false;
  ec_model_reset(&simulated_ec.model);
  simulated_ec.model.frozen = 1;
}

int last_ec_write(uint8_t reg) {
  for (auto it = simulated_ec.writes.rbegin(); it != simulated_ec.writes.rend(); ++it) {
    if (it->first == reg) return it->second;
  }
  return -1;
}

int ec_read(uint8_t reg, uint8_t* value) {
  simulated_ec.reads++;
  if (simulated_ec.unavailable) return 0;
  if (!simulated_ec.scripted_reads.empty()) {
    int answer = simulated_ec.scripted_reads.front();
    simulated_ec.scripted_reads.pop_front();
    if (answer < 0) return 0;
    *value = uint8_t(answer);
    return 1;
  }
  return ec_handshake_read(MODEL_PORTS, reg, value);
}

// As one transaction does it: in order, stopping at the first failure.
int ec_read_group(const uint8_t* regs, uint8_t* values, int count) {
  int done = 0;
  while (done < count && ec_read(regs[done], &values[done])) ++done;
  return done;
}

int ec_write(uint8_t reg, uint8_t value) {
  if (simulated_ec.unavailable) return 0;
  int ok = ec_handshake_write(MODEL_PORTS, reg, value);
  if (ok) simulated_ec.writes.push_back({reg, value});
  return ok;
}
