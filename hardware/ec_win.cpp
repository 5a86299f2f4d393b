// The driver binding and the serialised transactions (Windows side of ec.h).
#include <windows.h>
#include <tlhelp32.h>

#include <cwchar>
#include <mutex>

#include "hardware/ec.h"
#include "hardware/ec_handshake.h"
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
// Held for each whole transaction and while the binding changes.
std::mutex ec_lock;

// Port functions for the handshake. They are only reached while ec_lock is
// held and the binding is complete and initialised.
uint8_t driver_read_port(uint16_t port) {
  return reinterpret_cast<OlsReadPortByte>(ols.entries[OLS_READ_IO_PORT_BYTE])(port);
}
void driver_write_port(uint16_t port, uint8_t value) {
  reinterpret_cast<OlsWritePortByte>(ols.entries[OLS_WRITE_IO_PORT_BYTE])(port, value);
}
const EcPortIo driver_ports = {driver_read_port, driver_write_port};

// Resolves every entry point; the binding counts only when all are there.
bool resolve_entries(HMODULE module) {
  for (int i = 0; i < OLS_EXPORT_COUNT; ++i) {
    ols.entries[i] = GetProcAddress(module, OLS_EXPORT_NAMES[i]);
    if (!ols.entries[i]) return false;
  }
  return true;
}

}  // namespace

bool load_ec_driver() {
  std::lock_guard<std::mutex> guard(ec_lock);
  if (!ols.module) {
    ols.module = LoadLibraryW(L"WinRing0x64.dll");
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
  std::lock_guard<std::mutex> guard(ec_lock);
  if (!ols.module) return;
  if (ols.complete && ols.initialised) {
    reinterpret_cast<OlsDeinitialize>(ols.entries[OLS_DEINITIALIZE])();
  }
  FreeLibrary(ols.module);
  ols = OlsBinding{};
}

int ec_read(uint8_t reg, uint8_t* value) {
  std::lock_guard<std::mutex> guard(ec_lock);
  if (ec_tool_running()) return 0;
  if (!ols.complete || !ols.initialised) return 0;
  return ec_handshake_read(driver_ports, reg, value);
}

int ec_write(uint8_t reg, uint8_t value) {
  std::lock_guard<std::mutex> guard(ec_lock);
  if (ec_tool_running()) return 0;
  if (!ols.complete || !ols.initialised) return 0;
  return ec_handshake_write(driver_ports, reg, value);
}

bool ec_tool_running() {
  return find_process_by_name(L"Rw.exe") != 0 || find_process_by_name(L"HE.exe") != 0;
}

uint32_t find_process_by_name(const wchar_t* name) {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return 0;
  PROCESSENTRY32W entry = {};
  entry.dwSize = sizeof(entry);
  uint32_t found = 0;
  for (BOOL more = Process32FirstW(snapshot, &entry); more && !found;
       more = Process32NextW(snapshot, &entry)) {
    if (wcscmp(entry.szExeFile, name) == 0) found = entry.th32ProcessID;
  }
  CloseHandle(snapshot);
  return found;
}
