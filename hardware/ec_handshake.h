// The byte-level ACPI EC transactions, free of any driver or OS call: the port
// functions and the clock come in as pointers, so the same code runs against
// the driver library on the device and against a port model in native tests.
#pragma once

#include <cstdint>

struct EcPortIo {
  uint8_t (*read_port)(uint16_t port);
  void (*write_port)(uint16_t port, uint8_t value);
  // Monotonic microseconds; bounds every wait in time. Without one (nullptr)
  // a wait is bounded by EC_POLL_LIMIT polls only.
  uint64_t (*now_us)();
};

constexpr int EC_ATTEMPTS = 10;        // whole transactions tried before giving up
constexpr int EC_POLL_LIMIT = 1000;    // status reads per wait when there is no clock
constexpr uint64_t EC_WAIT_US = 50000; // a wait gives up once this much time has passed...
constexpr int EC_MIN_POLLS = 16;       // ...and it has looked at the status at least this often

// Reads one EC register. Returns 1 and sets *value, or 0 after EC_ATTEMPTS
// failed attempts with *value unchanged. A wait that runs out restarts the
// attempt from the idle wait. A stale output byte (OBF set before a command,
// for example the answer to a read that gave up too early) is drained by one
// read of the data port instead of being waited on.
int ec_handshake_read(const EcPortIo& io, uint8_t reg, uint8_t* value);

// Writes one EC register. Returns 1 as soon as the value byte is written (the
// EC takes it in its own time), or 0 after EC_ATTEMPTS failed attempts.
int ec_handshake_write(const EcPortIo& io, uint8_t reg, uint8_t value);
