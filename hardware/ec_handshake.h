// The byte-level ACPI EC transactions, free of any driver or OS call: the two
// port functions come in as pointers, so the same code runs against the
// driver library on the device and against a port model in native tests.
#pragma once

#include <cstdint>

struct EcPortIo {
  uint8_t (*read_port)(uint16_t port);
  void (*write_port)(uint16_t port, uint8_t value);
};

constexpr int EC_ATTEMPTS = 10;     // whole transactions tried before giving up
constexpr int EC_POLL_LIMIT = 1000; // status reads per wait, without sleeping

// Reads one EC register. Returns 1 and sets *value, or 0 after EC_ATTEMPTS
// failed attempts with *value unchanged. A wait that runs out restarts the
// attempt from the idle wait; a stale output byte is never drained.
int ec_handshake_read(const EcPortIo& io, uint8_t reg, uint8_t* value);

// Writes one EC register. Returns 1 as soon as the value byte is written (the
// EC takes it in its own time), or 0 after EC_ATTEMPTS failed attempts.
int ec_handshake_write(const EcPortIo& io, uint8_t reg, uint8_t value);
