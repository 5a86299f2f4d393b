// The active power scheme and the power status (Windows side of power.h).
#include <windows.h>
#include <powrprof.h>

#include "hardware/power.h"

namespace {

// Processor power management, and the two settings of it the panel uses.
const GUID PROCESSOR_SUBGROUP = {
    0x54533251, 0x82BE, 0x4824, {0x96, 0xC1, 0x47, 0xB6, 0x0B, 0x74, 0x0D, 0x00}};
const GUID MAX_PROCESSOR_STATE = {
    0xBC5038F7, 0x23E0, 0x4960, {0x96, 0xDA, 0x33, 0xAB, 0xAF, 0x59, 0x35, 0xEC}};
const GUID BOOST_MODE = {
    0xBE337238, 0x0D82, 0x4146, {0xA9, 0x60, 0x4F, 0x37, 0x49, 0xD4, 0x70, 0xC7}};

const GUID& setting_guid(SchemeSetting setting) {
  return setting == SCHEME_BOOST_MODE ? BOOST_MODE : MAX_PROCESSOR_STATE;
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
  DWORD ac = PowerWriteACValueIndex(nullptr, scheme.guid, &PROCESSOR_SUBGROUP, &which, value);
  DWORD dc = PowerWriteDCValueIndex(nullptr, scheme.guid, &PROCESSOR_SUBGROUP, &which, value);
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
  if (PowerReadACValueIndex(nullptr, scheme.guid, &PROCESSOR_SUBGROUP, &which, &ac_value) !=
          ERROR_SUCCESS ||
      PowerReadDCValueIndex(nullptr, scheme.guid, &PROCESSOR_SUBGROUP, &which, &dc_value) !=
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
