// The 54 entry points of the WinRing0 1.3 driver library. The program calls
// four of them, but a library missing any of them is not the one we know and
// is refused.
#pragma once

constexpr int OLS_EXPORT_COUNT = 54;
extern const char* const OLS_EXPORT_NAMES[OLS_EXPORT_COUNT];

// Indices of the four entry points the program calls.
enum OlsEntry {
  OLS_INITIALIZE = 4,
  OLS_DEINITIALIZE = 5,
  OLS_READ_IO_PORT_BYTE = 27,
  OLS_WRITE_IO_PORT_BYTE = 33,
};
