// The shared state file of the simulated power scheme (see power_scheme_state.h).
#include "power_scheme_state.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "sim_files.h"

const GUID SIM_BALANCED_SCHEME = {
    0x381B4222, 0xF694, 0x41F0, {0x96, 0x85, 0xFF, 0x5B, 0xB2, 0x60, 0xDF, 0x2E}};

namespace {

HANDLE state_mutex = nullptr;
PowerSchemeState* mapped_state = nullptr;

// Maps the file at the state's size; a new or foreign file gets the defaults.
PowerSchemeState* map_state() {
  char path[MAX_PATH];
  if (!sim_file_path("power.bin", path, sizeof(path))) return nullptr;
  HANDLE file = CreateFileA(path, GENERIC_READ | GENERIC_WRITE,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return nullptr;
  LARGE_INTEGER size = {};
  bool ok = GetFileSizeEx(file, &size) != 0;
  if (ok && size.QuadPart != LONGLONG(sizeof(PowerSchemeState))) {
    LARGE_INTEGER want = {};
    want.QuadPart = sizeof(PowerSchemeState);
    ok = SetFilePointerEx(file, want, nullptr, FILE_BEGIN) && SetEndOfFile(file);
  }
  HANDLE mapping = ok ? CreateFileMappingA(file, nullptr, PAGE_READWRITE, 0, 0, nullptr) : nullptr;
  CloseHandle(file);  // the mapping keeps the file open
  if (!mapping) return nullptr;
  void* view = MapViewOfFile(mapping, FILE_MAP_READ | FILE_MAP_WRITE, 0, 0, sizeof(PowerSchemeState));
  CloseHandle(mapping);  // the view keeps the mapping
  auto* state = static_cast<PowerSchemeState*>(view);
  if (state && (state->magic != POWER_STATE_MAGIC || state->version != POWER_STATE_VERSION)) {
    *state = power_state_defaults();
  }
  return state;
}

}  // namespace

PowerSchemeState power_state_defaults() {
  PowerSchemeState state = {};
  state.magic = POWER_STATE_MAGIC;
  state.version = POWER_STATE_VERSION;
  state.active_scheme = SIM_BALANCED_SCHEME;
  state.max_processor_state[0] = state.max_processor_state[1] = 100;
  state.boost_mode[0] = state.boost_mode[1] = 1;
  return state;
}

bool power_state_lock() {
  if (!state_mutex) state_mutex = CreateMutexW(nullptr, FALSE, L"VexaSimPower");
  if (!state_mutex) return false;
  DWORD wait = WaitForSingleObject(state_mutex, 10000);
  return wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED;  // a dead owner's lock is ours
}

void power_state_unlock() {
  if (state_mutex) ReleaseMutex(state_mutex);
}

PowerSchemeState* power_state() {
  if (mapped_state) return mapped_state;
  // Two first users agree on who writes the defaults.
  if (!power_state_lock()) return nullptr;
  mapped_state = map_state();
  power_state_unlock();
  return mapped_state;
}

void power_log(const char* format, ...) {
  char line[256];
  va_list args;
  va_start(args, format);
  const int length = vsnprintf(line, sizeof(line), format, args);
  va_end(args);
  if (length >= 0) sim_append_line("powrprof.log", "%s", line);
}
