// Decisions of the EDID override's registry modes (see edid_registry.h).
#include "hardware/edid_registry.h"

#include <cwchar>

#include "hardware/display.h"

const wchar_t EDID_DISPLAY_ROOT[] = L"SYSTEM\\CurrentControlSet\\Enum\\DISPLAY";
const wchar_t EDID_PANEL_ID[] = L"ZEV1805";

namespace {

bool is_not_found(long status) {
  return status == EDID_STATUS_FILE_NOT_FOUND || status == EDID_STATUS_PATH_NOT_FOUND;
}

// Joins the parts with backslashes; false (and "") when the result would
// need EDID_PATH_CHARS characters or more.
bool join_path(const wchar_t* const* parts, size_t count, wchar_t* out) {
  size_t used = 0;
  for (size_t i = 0; i < count; ++i) {
    const size_t separator = i > 0 ? 1 : 0;
    const size_t length = std::wcslen(parts[i]);
    if (used + separator + length >= EDID_PATH_CHARS) {
      out[0] = L'\0';
      return false;
    }
    if (separator) out[used++] = L'\\';
    std::wmemcpy(out + used, parts[i], length);
    used += length;
  }
  out[used] = L'\0';
  return true;
}

}  // namespace

bool edid_panel_key_path(wchar_t* out) {
  const wchar_t* parts[] = {EDID_DISPLAY_ROOT, EDID_PANEL_ID};
  return join_path(parts, 2, out);
}

bool edid_override_key_path(const wchar_t* instance, wchar_t* out) {
  const wchar_t* parts[] = {EDID_DISPLAY_ROOT, EDID_PANEL_ID, instance, L"Device Parameters",
                            L"EDID_OVERRIDE"};
  return join_path(parts, 5, out);
}

bool edid_fold_panel_open(long status, uint32_t* acc) {
  if (status == EDID_STATUS_OK) return true;
  if (!is_not_found(status)) *acc |= EDID_ERROR_BITS;
  return false;
}

uint32_t edid_fold_probe(uint32_t acc, long enum_status) {
  if (enum_status == EDID_STATUS_OK) return acc | EDID_FOUND;
  return edid_fold_enum_end(acc, enum_status);
}

uint32_t edid_fold_enum_end(uint32_t acc, long status) {
  return status == EDID_STATUS_NO_MORE_ITEMS ? acc : acc | EDID_ERROR_BITS;
}

// An instance without an override key, or whose key lacks "Version", has
// never been given the current override. Letting it "change nothing" (so
// that a single missing override only leaves the result at 0) would make the
// result exactly 1 as soon as another instance is current, and the missing
// one would never be written. So it marks the result stale, like Version 100.
// A "Version" of another type is no override we wrote (we always write a
// REG_DWORD) and is treated the same way.
uint32_t edid_fold_check(uint32_t acc, long open_status, const EdidVersionRead& read) {
  if (is_not_found(open_status)) return EDID_STALE;
  if (open_status != EDID_STATUS_OK) return acc | EDID_ERROR_BITS;
  if (is_not_found(read.status)) return EDID_STALE;
  const bool readable = read.status == EDID_STATUS_OK || read.status == EDID_STATUS_MORE_DATA;
  if (!readable) return acc | EDID_ERROR_BITS;
  if (read.status != EDID_STATUS_OK || read.type != EDID_REG_DWORD || read.size != 4) return EDID_STALE;
  if (read.value == 100) return EDID_STALE;  // marked for replacement
  if (read.value >= EDID_OVERRIDE_VERSION) return acc | EDID_FOUND;
  return acc | EDID_ERROR_BITS;  // older than the current layout
}

bool edid_block_is_written(size_t index, const uint8_t* block) {
  return index == 0 || block[0] != 0;
}

bool edid_delete_succeeded(long status) { return status == EDID_STATUS_OK || is_not_found(status); }

uint32_t edid_result = 0;
