// Decisions of the EDID override's registry modes, kept apart from the
// registry calls (display_win.cpp) so they compile and are tested natively.
//
// The accumulator (edid_result): bit 0 means found or changed; an error ORs
// in EDID_ERROR_BITS; an override that must be replaced sets it to
// EDID_STALE. Bits are only ever added, so one failing instance keeps the
// whole result away from exactly 1, which the caller takes as success.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr uint32_t EDID_FOUND = 1;
constexpr uint32_t EDID_ERROR_BITS = 0xFFFFFFFE;
constexpr uint32_t EDID_STALE = 0xFFFFFFFF;

// The Windows status codes these decisions look at (checked against
// <windows.h> where the calls are made).
constexpr long EDID_STATUS_OK = 0;               // ERROR_SUCCESS
constexpr long EDID_STATUS_FILE_NOT_FOUND = 2;   // ERROR_FILE_NOT_FOUND
constexpr long EDID_STATUS_PATH_NOT_FOUND = 3;   // ERROR_PATH_NOT_FOUND
constexpr long EDID_STATUS_MORE_DATA = 234;      // ERROR_MORE_DATA
constexpr long EDID_STATUS_NO_MORE_ITEMS = 259;  // ERROR_NO_MORE_ITEMS
constexpr uint32_t EDID_REG_DWORD = 4;           // REG_DWORD

// Registry paths under HKEY_LOCAL_MACHINE. Path buffers hold 256 wide
// characters; a path that needs all 256 (no room for the terminator) or more
// counts as an error rather than being cut.
constexpr size_t EDID_PATH_CHARS = 256;
extern const wchar_t EDID_DISPLAY_ROOT[];  // SYSTEM\CurrentControlSet\Enum\DISPLAY
extern const wchar_t EDID_PANEL_ID[];      // ZEV1805

// "<root>\ZEV1805" into out[EDID_PATH_CHARS]; false when it does not fit.
bool edid_panel_key_path(wchar_t* out);
// "<root>\ZEV1805\<instance>\Device Parameters\EDID_OVERRIDE"; false when
// it does not fit (out then holds an empty string).
bool edid_override_key_path(const wchar_t* instance, wchar_t* out);

// Opening the panel key. Returns true when the mode goes on; a missing key
// (no panel) ends it silently, any other failure adds the error bits.
bool edid_fold_panel_open(long status, uint32_t* acc);

// Probe: the result of enumerating subkey 0.
uint32_t edid_fold_probe(uint32_t acc, long enum_status);

// An instance enumeration that ended with `status` (no more items is the
// normal end; anything else is an error).
uint32_t edid_fold_enum_end(uint32_t acc, long status);

// Check, one instance: the status of opening its override key and, when that
// succeeded, of reading "Version" (its type, size and value).
struct EdidVersionRead {
  long status;
  uint32_t type;
  uint32_t size;
  uint32_t value;
};
uint32_t edid_fold_check(uint32_t acc, long open_status, const EdidVersionRead& read);

// Write: block i is written unless it is an extension whose first byte is 0
// (an unused slot, which is deleted so no stale block survives).
bool edid_block_is_written(size_t index, const uint8_t* block);
// A delete of a value that is not there is fine.
bool edid_delete_succeeded(long status);
