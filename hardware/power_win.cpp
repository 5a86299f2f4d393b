// The active power scheme and the power status (Windows side of power.h).
#include <windows.h>
#include <powrprof.h>

#include "hardware/power.h"
#include "hardware/windows_ids.h"

namespace {

const GUID& setting_guid(SchemeSetting setting) {
  return setting == SCHEME_BOOST_MODE ? windows_ids::BOOST_MODE : windows_ids::MAX_PROCESSOR_STATE;
}

// The active scheme's GUID, which PowerGetActiveScheme allocates and the
// holder frees on every path.
struct ActiveScheme {
  GUID* guid = nullptr;
  ActiveScheme() {
    if (PowerGetActiveScheme(nullptr, &guid) != ERROR_SUCCESS) guid = nullptr;
  }
  ~ActiveScheme() { LocalFree(guid); }
  ActiveScheme(const ActiveScheme&) = delete;
  ActiveScheme& operator=(const ActiveScheme&) = delete;
};

}  // namespace

int write_scheme_value(SchemeSetting setting, uint32_t value) {
  ActiveScheme scheme;
  if (!scheme.guid) return 0;
  const GUID& which = setting_guid(setting);
  DWORD ac = PowerWriteACValueIndex(nullptr, scheme.guid, &windows_ids::PROCESSOR_SUBGROUP, &which, value);
  DWORD dc = PowerWriteDCValueIndex(nullptr, scheme.guid, &windows_ids::PROCESSOR_SUBGROUP, &which, value);
  // Written values of the active scheme only take effect once it is made
  // active again.
  PowerSetActiveScheme(nullptr, scheme.guid);
  return ac == ERROR_SUCCESS && dc == ERROR_SUCCESS;
}

int read_scheme_value(SchemeSetting setting, uint32_t* ac, uint32_t* dc) {
  ActiveScheme scheme;
  if (!scheme.guid) return 0;
  const GUID& which = setting_guid(setting);
  DWORD ac_value = 0, dc_value = 0;
  if (PowerReadACValueIndex(nullptr, scheme.guid, &windows_ids::PROCESSOR_SUBGROUP, &which, &ac_value) !=
          ERROR_SUCCESS ||
      PowerReadDCValueIndex(nullptr, scheme.guid, &windows_ids::PROCESSOR_SUBGROUP, &which, &dc_value) !=
          ERROR_SUCCESS) {
    return 0;
  }
  *ac = ac_value;
  *dc = dc_value;
  return 1;
}

uint8_t read_ac_line_status() {
  SYSTEM_POWER_STATUS status = {};
  if (!GetSystemPowerStatus(&status)) return AC_STATUS_UNKNOWN;
  return status.ACLineStatus;
}
