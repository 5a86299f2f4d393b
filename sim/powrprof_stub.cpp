// Stand-in for powrprof.dll: Wine's own answers the scheme calls with stubs
// that end the process, so the prefix loads this one instead
// (WINEDLLOVERRIDES "powrprof=n,b", the DLL beside the program). It keeps one
// active scheme whose processor subgroup holds the maximum processor state
// and the boost mode, AC and DC, in the shared state of
// power_scheme_state.h, and logs every write and activation to
// %ProgramData%\VexaSim\powrprof.log:
//   PowerWriteACValueIndex max_processor_state 70
//   PowerWriteDCValueIndex boost_mode 0
//   PowerSetActiveScheme
// Reads are not logged: the program reads ten times a second.
//
// Like Windows it answers ERROR_FILE_NOT_FOUND for a scheme, subgroup or
// setting it does not have and ERROR_INVALID_PARAMETER for a value outside a
// setting's range (0..100 %, boost modes 0..6); `powersim fail on` makes
// PowerGetActiveScheme fail.
#include <windows.h>

#include <cstring>

#include "hardware/windows_ids.h"
#include "power_scheme_state.h"

namespace {


constexpr int AC = 0, DC = 1;

bool same(const GUID* a, const GUID& b) { return a && std::memcmp(a, &b, sizeof(GUID)) == 0; }

// The slot a (scheme, subgroup, setting) names, its log name and its top value.
struct Slot {
  uint32_t* values;  // [AC, DC]
  const char* name;
  uint32_t maximum;
};

DWORD find_slot(const GUID* scheme, const GUID* subgroup, const GUID* setting, Slot* slot) {
  PowerSchemeState* state = power_state();
  if (!state) return ERROR_ACCESS_DENIED;
  if (!same(scheme, state->active_scheme) || !same(subgroup, windows_ids::PROCESSOR_SUBGROUP)) {
    return ERROR_FILE_NOT_FOUND;
  }
  if (same(setting, windows_ids::MAX_PROCESSOR_STATE)) {
    *slot = {state->max_processor_state, "max_processor_state", 100};
  } else if (same(setting, windows_ids::BOOST_MODE)) {
    *slot = {state->boost_mode, "boost_mode", 6};
  } else {
    return ERROR_FILE_NOT_FOUND;
  }
  return ERROR_SUCCESS;
}

DWORD read_value(int which, const GUID* scheme, const GUID* subgroup, const GUID* setting,
                 DWORD* out) {
  if (!out) return ERROR_INVALID_PARAMETER;
  Slot slot;
  DWORD result = find_slot(scheme, subgroup, setting, &slot);
  if (result == ERROR_SUCCESS) *out = slot.values[which];
  return result;
}

DWORD write_value(int which, const GUID* scheme, const GUID* subgroup, const GUID* setting,
                  DWORD value) {
  Slot slot;
  DWORD result = find_slot(scheme, subgroup, setting, &slot);
  if (result == ERROR_SUCCESS && value > slot.maximum) result = ERROR_INVALID_PARAMETER;
  if (result == ERROR_SUCCESS && power_state_lock()) {
    slot.values[which] = value;
    power_state_unlock();
  }
  power_log("%s %s %lu%s", which == AC ? "PowerWriteACValueIndex" : "PowerWriteDCValueIndex",
            result == ERROR_FILE_NOT_FOUND ? "unknown" : slot.name, static_cast<unsigned long>(value),
            result == ERROR_SUCCESS ? "" : " refused");
  return result;
}

}  // namespace

extern "C" {

__declspec(dllexport) DWORD WINAPI PowerGetActiveScheme(HKEY, GUID** active) {
  if (!active) return ERROR_INVALID_PARAMETER;
  *active = nullptr;
  PowerSchemeState* state = power_state();
  if (!state) return ERROR_ACCESS_DENIED;
  if (state->fail_active_scheme) return ERROR_ACCESS_DENIED;
  // The caller frees it with LocalFree, as with Windows' own.
  auto* guid = static_cast<GUID*>(LocalAlloc(LMEM_FIXED, sizeof(GUID)));
  if (!guid) return ERROR_NOT_ENOUGH_MEMORY;
  *guid = state->active_scheme;
  *active = guid;
  return ERROR_SUCCESS;
}

__declspec(dllexport) DWORD WINAPI PowerReadACValueIndex(HKEY, const GUID* scheme,
                                                         const GUID* subgroup, const GUID* setting,
                                                         DWORD* value) {
  return read_value(AC, scheme, subgroup, setting, value);
}

__declspec(dllexport) DWORD WINAPI PowerReadDCValueIndex(HKEY, const GUID* scheme,
                                                         const GUID* subgroup, const GUID* setting,
                                                         DWORD* value) {
  return read_value(DC, scheme, subgroup, setting, value);
}

__declspec(dllexport) DWORD WINAPI PowerWriteACValueIndex(HKEY, const GUID* scheme,
                                                          const GUID* subgroup,
                                                          const GUID* setting, DWORD value) {
  return write_value(AC, scheme, subgroup, setting, value);
}

__declspec(dllexport) DWORD WINAPI PowerWriteDCValueIndex(HKEY, const GUID* scheme,
                                                          const GUID* subgroup,
                                                          const GUID* setting, DWORD value) {
  return write_value(DC, scheme, subgroup, setting, value);
}

__declspec(dllexport) DWORD WINAPI PowerSetActiveScheme(HKEY, const GUID* scheme) {
  PowerSchemeState* state = power_state();
  if (!state) return ERROR_ACCESS_DENIED;
  if (!same(scheme, state->active_scheme)) {
    power_log("PowerSetActiveScheme unknown");
    return ERROR_FILE_NOT_FOUND;
  }
  if (power_state_lock()) {
    ++state->set_active_count;
    power_state_unlock();
  }
  power_log("PowerSetActiveScheme");
  return ERROR_SUCCESS;
}

}  // extern "C"
