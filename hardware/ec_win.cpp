// The driver binding and the serialised transactions (Windows side of ec.h).
#include <windows.h>
#include <tlhelp32.h>

#include <atomic>
#include <chrono>
#include <mutex>

#include "hardware/ec.h"
#include "hardware/ec_handshake.h"
#include "hardware/ec_tools.h"
#include "hardware/ols_exports.h"

namespace {

using OlsInitialize = BOOL(WINAPI*)();
using OlsDeinitialize = void(WINAPI*)();
using OlsReadPortByte = BYTE(WINAPI*)(WORD);
using OlsWritePortByte = void(WINAPI*)(WORD, BYTE);

struct OlsBinding {
  HMODULE module = nullptr;
  FARPROC entries[OLS_EXPORT_COUNT] = {};
  bool complete = false;     // all 54 names resolved
  bool initialised = false;  // InitializeOls returned TRUE
};

OlsBinding ols;
// Held for each whole transaction and while the binding changes. Timed, and
// its owner recorded, for the crash path's bounded wait.
std::timed_mutex ec_lock;
std::atomic<DWORD> ec_lock_owner{0};

// Takes ec_lock; with a bound (crash path) gives up after it and goes on
// unlocked, and never waits on a lock this thread already holds.
class EcLockGuard {
 public:
  EcLockGuard() { take(); }
  explicit EcLockGuard(uint32_t wait_ms) {
    if (ec_lock_owner.load() == GetCurrentThreadId()) return;
    if (ec_lock.try_lock_for(std::chrono::milliseconds(wait_ms))) mark_owned();
  }
  ~EcLockGuard() {
    if (!owned_) return;
    ec_lock_owner = 0;
    ec_lock.unlock();
  }
  EcLockGuard(const EcLockGuard&) = delete;
  EcLockGuard& operator=(const EcLockGuard&) = delete;

 private:
  void take() {
    ec_lock.lock();
    mark_owned();
  }
  void mark_owned() {
    owned_ = true;
    ec_lock_owner = GetCurrentThreadId();
  }
  bool owned_ = false;
};

// Port functions for the handshake. They are only reached while the binding
// is complete and initialised (and, but on the crash path, under ec_lock).
uint8_t driver_read_port(uint16_t port) {
  return reinterpret_cast<OlsReadPortByte>(ols.entries[OLS_READ_IO_PORT_BYTE])(port);
}
void driver_write_port(uint16_t port, uint8_t value) {
  reinterpret_cast<OlsWritePortByte>(ols.entries[OLS_WRITE_IO_PORT_BYTE])(port, value);
}
uint64_t monotonic_us() {
  static const uint64_t frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return uint64_t(f.QuadPart);
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return uint64_t(now.QuadPart) / frequency * 1000000u +
         uint64_t(now.QuadPart) % frequency * 1000000u / frequency;
}
const EcPortIo driver_ports = {driver_read_port, driver_write_port, monotonic_us};

// Resolves every entry point; the binding counts only when all are there.
bool resolve_entries(HMODULE module) {
  for (int i = 0; i < OLS_EXPORT_COUNT; ++i) {
    ols.entries[i] = GetProcAddress(module, OLS_EXPORT_NAMES[i]);
    if (!ols.entries[i]) return false;
  }
  return true;
}

// The checks every transaction makes first, in this order: no port is
// touched while another tool may be using them.
EcResult refusal() {
  if (ec_tool_running()) return EC_TOOL_RUNNING;
  if (!ols.complete || !ols.initialised) return EC_NO_DRIVER;
  return EC_DONE;
}

EcResult read_locked(uint8_t reg, uint8_t* value) {
  EcResult refused = refusal();
  if (refused != EC_DONE) return refused;
  return ec_handshake_read(driver_ports, reg, value) ? EC_DONE : EC_NO_ANSWER;
}

EcResult write_locked(uint8_t reg, uint8_t value) {
  EcResult refused = refusal();
  if (refused != EC_DONE) return refused;
  return ec_handshake_write(driver_ports, reg, value) ? EC_DONE : EC_NO_ANSWER;
}

}  // namespace

bool load_ec_driver() {
  EcLockGuard guard;
  if (!ols.module) {
    // Only the program's folder and System32: the program runs elevated,
    // and a library of this name anywhere else on the search path would get
    // port I/O rights through it.
    ols.module = LoadLibraryExW(L"WinRing0x64.dll", nullptr,
                                LOAD_LIBRARY_SEARCH_APPLICATION_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!ols.module) return false;
  }
  if (!ols.complete) {
    ols.complete = resolve_entries(ols.module);
    if (!ols.complete) return false;  // the module stays loaded, unused
  }
  // A driver that failed to initialise answers port reads with zeros, which
  // the handshake would take for an idle EC; so transactions stay refused.
  ols.initialised = reinterpret_cast<OlsInitialize>(ols.entries[OLS_INITIALIZE])() != FALSE;
  return ols.initialised;
}

void unload_ec_driver() {
  EcLockGuard guard;
  if (!ols.module) return;
  if (ols.complete && ols.initialised) {
    reinterpret_cast<OlsDeinitialize>(ols.entries[OLS_DEINITIALIZE])();
  }
  FreeLibrary(ols.module);
  ols = OlsBinding{};
}

EcResult ec_read_result(uint8_t reg, uint8_t* value) {
  EcLockGuard guard;
  return read_locked(reg, value);
}

EcResult ec_write_result(uint8_t reg, uint8_t value) {
  EcLockGuard guard;
  return write_locked(reg, value);
}

EcResult ec_read_bounded(uint8_t reg, uint8_t* value, uint32_t lock_wait_ms) {
  EcLockGuard guard(lock_wait_ms);
  return read_locked(reg, value);
}

EcResult ec_write_bounded(uint8_t reg, uint8_t value, uint32_t lock_wait_ms) {
  EcLockGuard guard(lock_wait_ms);
  return write_locked(reg, value);
}

int ec_read(uint8_t reg, uint8_t* value) { return ec_read_result(reg, value) == EC_DONE ? 1 : 0; }

int ec_write(uint8_t reg, uint8_t value) { return ec_write_result(reg, value) == EC_DONE ? 1 : 0; }

int ec_read_group(const uint8_t* regs, uint8_t* values, int count) {
  EcLockGuard guard;
  if (refusal() != EC_DONE) return 0;
  int done = 0;
  while (done < count && ec_handshake_read(driver_ports, regs[done], &values[done])) ++done;
  return done;
}

// One snapshot for both names: a transaction runs this first, and the
// read-outs make one a second. Under Wine a snapshot costs about 5 ms (it
// reads /proc for every thread of the prefix), on Windows a fraction of that.
bool ec_tool_running() {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return false;
  PROCESSENTRY32W entry = {};
  entry.dwSize = sizeof(entry);
  bool found = false;
  for (BOOL more = Process32FirstW(snapshot, &entry); more && !found;
       more = Process32NextW(snapshot, &entry)) {
    found = is_conflicting_ec_tool(entry.szExeFile);
  }
  CloseHandle(snapshot);
  return found;
}

uint32_t find_process_by_name(const wchar_t* name) {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return 0;
  PROCESSENTRY32W entry = {};
  entry.dwSize = sizeof(entry);
  uint32_t found = 0;
  for (BOOL more = Process32FirstW(snapshot, &entry); more && !found;
       more = Process32NextW(snapshot, &entry)) {
    if (same_file_name(entry.szExeFile, name)) found = entry.th32ProcessID;
  }
  CloseHandle(snapshot);
  return found;
}
