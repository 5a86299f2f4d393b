#include "hardware/ec_handshake.h"

#include "hardware/ec_registers.h"

namespace {

// Bounds one wait: by time when there is a clock, by polls otherwise. The
// time bound is what matters on the device: a driver call that is slow (a
// busy system, a hypervisor trapping port I/O) would stretch a fixed poll
// count without limit, and a fast one would give a slow EC too little. A
// few polls are always made, so a thread that was descheduled for the whole
// budget still looks at the status again before it gives up.
struct WaitBudget {
  const EcPortIo& io;
  uint64_t start_us;
  int polls = 0;

  explicit WaitBudget(const EcPortIo& ports) : io(ports), start_us(ports.now_us ? ports.now_us() : 0) {}

  bool exhausted() {
    ++polls;
    if (!io.now_us) return polls >= EC_POLL_LIMIT;
    return polls >= EC_MIN_POLLS && io.now_us() - start_us >= EC_WAIT_US;
  }
};

// Polls the status port until (status & mask) == want. No sleep: the EC
// answers within microseconds, and a sleep would cost at least a scheduler
// tick per byte.
bool ec_wait(const EcPortIo& io, uint8_t mask, uint8_t want) {
  WaitBudget budget(io);
  do {
    if ((io.read_port(EC_STATUS_PORT) & mask) == want) return true;
  } while (!budget.exhausted());
  return false;
}

// Waits until the EC is idle (neither buffer full). A byte left in the
// output buffer is read away once: it answers nobody any more (a read that
// gave up after the EC had answered leaves one), and waiting for it to clear
// would fail this and every later transaction, the exit's safe state too.
bool ec_wait_idle(const EcPortIo& io) {
  WaitBudget budget(io);
  bool drained = false;
  do {
    uint8_t status = io.read_port(EC_STATUS_PORT);
    if ((status & (EC_STATUS_OBF | EC_STATUS_IBF)) == 0) return true;
    if ((status & EC_STATUS_OBF) && !drained) {
      io.read_port(EC_DATA_PORT);
      drained = true;
    }
  } while (!budget.exhausted());
  return false;
}

// Sends the command and the register number; true when the EC has taken both.
bool ec_send_address(const EcPortIo& io, uint8_t command, uint8_t reg) {
  if (!ec_wait_idle(io)) return false;
  io.write_port(EC_STATUS_PORT, command);
  if (!ec_wait(io, EC_STATUS_IBF, 0)) return false;
  io.write_port(EC_DATA_PORT, reg);
  return ec_wait(io, EC_STATUS_IBF, 0);
}

}  // namespace

int ec_handshake_read(const EcPortIo& io, uint8_t reg, uint8_t* value) {
  for (int attempt = 0; attempt < EC_ATTEMPTS; ++attempt) {
    if (!ec_send_address(io, EC_COMMAND_READ, reg)) continue;
    if (!ec_wait(io, EC_STATUS_OBF, EC_STATUS_OBF)) continue;
    *value = io.read_port(EC_DATA_PORT);
    return 1;
  }
  return 0;
}

int ec_handshake_write(const EcPortIo& io, uint8_t reg, uint8_t value) {
  for (int attempt = 0; attempt < EC_ATTEMPTS; ++attempt) {
    if (!ec_send_address(io, EC_COMMAND_WRITE, reg)) continue;
    io.write_port(EC_DATA_PORT, value);
    return 1;
  }
  return 0;
}
