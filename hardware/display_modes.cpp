// Mode lists of the display page (see display_modes.h). Portable: the
// enumeration, build_mode_lists, is the Windows edge in display_win.cpp.
#include "hardware/display_modes.h"

#include <algorithm>

std::vector<ModeEntry> mode_list_16_9;
std::vector<ModeEntry> mode_list_4_3;

namespace {

constexpr int32_t RATIO_16_9 = 177;
constexpr int32_t RATIO_4_3 = 133;

bool is_list_rate(uint32_t frequency) {
  for (int32_t rate : MODE_LIST_RATES) {
    if (frequency == uint32_t(rate)) return true;
  }
  return false;
}

// The sides are taken by value, whatever dmDisplayOrientation says. The
// built-in panel is portrait-native: Windows reports its landscape modes as
// rotated (DMDO_90/DMDO_270) with the long side as width, and its portrait
// modes unrotated with the long side as height, so reading the sides through
// the orientation gives (long, short) there too. A landscape-native display
// (an external monitor as the primary display) reports unrotated modes with
// the long side as width; read through the orientation, every one of them
// would come out at a ratio of 56 and both lists would stay empty.
//
// The ratio is integer arithmetic: it truncates exactly where a floating
// division could land just below a whole number.
bool to_entry(const EnumeratedMode& mode, ModeEntry* entry, int32_t* ratio) {
  if (mode.fixed_output != 0 || !is_list_rate(mode.frequency)) return false;
  const uint32_t longer = std::max(mode.width, mode.height);
  const uint32_t shorter = std::min(mode.width, mode.height);
  if (shorter == 0 || longer > uint32_t(INT32_MAX)) return false;
  *ratio = int32_t(uint64_t(longer) * 100 / shorter);
  *entry = {int32_t(longer), int32_t(shorter), int32_t(mode.frequency)};
  return true;
}

void append_groups(std::vector<ModeEntry> candidates, std::vector<ModeEntry>* list) {
  std::stable_sort(
      candidates.begin(), candidates.end(),
      [](const ModeEntry& a, const ModeEntry& b) { return a.long_side > b.long_side; });
  list->clear();
  for (int32_t rate : MODE_LIST_RATES) {
    list->push_back({0, 0, rate});
    for (const ModeEntry& entry : candidates) {
      if (entry.refresh == rate) list->push_back(entry);
    }
  }
}

}  // namespace

void fill_mode_lists(const std::vector<EnumeratedMode>& modes, std::vector<ModeEntry>* list_16_9,
                     std::vector<ModeEntry>* list_4_3) {
  std::vector<ModeEntry> wide, narrow;
  for (const EnumeratedMode& mode : modes) {
    ModeEntry entry{};
    int32_t ratio = 0;
    if (!to_entry(mode, &entry, &ratio)) continue;
    if (ratio == RATIO_16_9) wide.push_back(entry);
    if (ratio == RATIO_4_3) narrow.push_back(entry);
  }
  append_groups(std::move(wide), list_16_9);
  append_groups(std::move(narrow), list_4_3);
}

ModeRequest mode_request_for_row(const std::vector<ModeEntry>& list, size_t index,
                                 int32_t current_long, int32_t current_short,
                                 int32_t current_rate) {
  if (index >= list.size() || is_rate_header(list[index])) return {false, 0, 0, 0};
  const ModeEntry& entry = list[index];
  if (entry.long_side == current_long && entry.short_side == current_short &&
      entry.refresh == current_rate)
    return {false, 0, 0, 0};
  return {true, entry.short_side, entry.long_side, entry.refresh};
}
