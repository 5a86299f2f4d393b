#include "hardware/ec_handshake.h"

#include "hardware/ec_registers.h"

namespace {

// Polls the status port until (status & mask) == want. No sleep: the EC
// answers within microseconds, and a sleep would cost at least a scheduler
// tick per byte.
bool ec_wait(const EcPortIo& io, uint8_t mask, uint8_t want) {
  for (int poll = 0; poll < EC_POLL_LIMIT; ++poll) {
    if ((io.read_port(EC_STATUS_PORT) & mask) == want) return true;
  }
  return false;
}

// Sends the command and the register number; true when the EC has taken both.
bool ec_send_address(const EcPortIo& io, uint8_t command, uint8_t reg) {
  if (!ec_wait(io, EC_STATUS_OBF | EC_STATUS_IBF, 0)) return false;
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
