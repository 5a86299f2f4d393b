// The display modes offered by the panel's two mode lists (16:9 and 4:3),
// built once from what Windows enumerates for the primary display, and the
// choice a click on a list row stands for.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// One row of a mode list: a mode (long side, short side, whole hertz), or a
// rate header (0, 0, rate) that opens the group of that rate.
struct ModeEntry {
  int32_t long_side, short_side, refresh;
};

inline bool is_rate_header(const ModeEntry& entry) {
  return entry.long_side == 0 && entry.short_side == 0;
}

// A mode as EnumDisplaySettingsW reports it (the fields the lists look at).
struct EnumeratedMode {
  uint32_t width, height;  // dmPelsWidth, dmPelsHeight
  uint32_t frequency;      // dmDisplayFrequency, whole hertz
  uint32_t fixed_output;   // dmDisplayFixedOutput: 0 = the display's own scaling
};

// The lists, filled once by build_mode_lists and read by the display page:
// groups for 60, 50 and 40 Hz in that order, each a header followed by its
// modes with the long side descending. A header is there even when its group
// is empty, so each list always has at least three rows.
extern std::vector<ModeEntry> mode_list_16_9;
extern std::vector<ModeEntry> mode_list_4_3;

// Refresh rates the lists offer, in list order.
constexpr int32_t MODE_LIST_RATES[] = {60, 50, 40};

// Builds both lists from `modes`:
// - modes with a fixed-output setting (stretched or centred by the adapter)
//   are left out: the panel scales nothing itself;
// - only 40, 50 and 60 Hz are kept (59 Hz, 61 Hz and others are left out);
// - the aspect ratio is long side * 100 / short side, truncated: 177 goes to
//   the 16:9 list, 133 to the 4:3 list, anything else is left out;
// - repeated modes (Windows lists a size once per colour depth) are kept;
// - within a rate group the long side descends; equal long sides keep the
//   order Windows gave them.
void fill_mode_lists(const std::vector<EnumeratedMode>& modes, std::vector<ModeEntry>* list_16_9,
                     std::vector<ModeEntry>* list_4_3);

// Enumerates the primary display's modes (EnumDisplaySettingsW, in
// display_win.cpp) and fills mode_list_16_9 and mode_list_4_3 with them
// (replacing what they held). Returns the number of entries of
// mode_list_4_3, headers included.
int build_mode_lists();

// What a click on row `index` of `list` asks for. `apply` is false for a
// header row, a row beyond the list, and the mode in force (current_* as
// query_display_mode read it): switching to the mode in force would only
// blank the screen for nothing. Otherwise width, height and refresh are the
// arguments for set_display_mode: the short side as width and the long side
// as height, which set_display_mode turns to the desktop's orientation.
struct ModeRequest {
  bool apply;
  int32_t width, height, refresh;
};
ModeRequest mode_request_for_row(const std::vector<ModeEntry>& list, size_t index,
                                 int32_t current_long, int32_t current_short, int32_t current_rate);
