// Decisions around the display-configuration calls (display_win.cpp), kept
// portable so they are tested natively too.
#pragma once

#include <cstdint>

constexpr uint32_t DISPLAY_ADAPTER_WAIT_MS = 20000;  // longer than a whole adapter restart
constexpr uint32_t DISPLAY_ADAPTER_POLL_MS = 50;

// Blocks while `adapter_restarting` is set or `adlx_ready` is clear, checking
// every DISPLAY_ADAPTER_POLL_MS: a display query in the middle of an adapter
// restart would read the adapter half gone. Gives up after `deadline_ms`, so
// a start of ADLX that never finishes (or a flag nobody clears) costs a
// display query some seconds, never the thread.
// @return true when the adapter was ready, false when the deadline passed
bool wait_for_display_adapter(uint32_t deadline_ms = DISPLAY_ADAPTER_WAIT_MS);

// What the first display path reports.
struct RawDisplayMode {
  uint32_t width, height;                       // source mode
  uint32_t vsync_numerator, vsync_denominator;  // target mode
};

// The refresh as whole hertz, rounded to nearest; 0 when the answer is
// unusable (a zero numerator or denominator).
int32_t whole_hertz(uint32_t numerator, uint32_t denominator);

// Stores long side, short side and refresh of `mode`. Returns 0 and changes
// nothing when the size is unusable (zero or beyond int32_t). An unusable
// refresh alone (Wine on a bare X server reports 0/1) leaves *refresh as it
// was and still counts as an answer: the size is right and the old rate is a
// better guess than 0, which no mode list holds.
int fold_display_mode(const RawDisplayMode& mode, int32_t* long_side, int32_t* short_side,
                      int32_t* refresh);

// The source size to request for a mode given in either order. The mode
// lists hand over (short side, long side) and the gamepad's rescue step
// 1920 x 1080; the source mode is the desktop as Windows lays it out, so the
// request keeps the orientation the desktop has now (a landscape desktop
// gets the long side as width) instead of rotating it by accident.
void oriented_size(uint32_t current_width, uint32_t current_height, uint32_t a, uint32_t b,
                   uint32_t* width, uint32_t* height);

// Whether the first path now shows the mode that was asked for: the source
// size as requested and, when Windows reports a rate at all, that rate in
// whole hertz. Wine's SetDisplayConfig answers success and changes nothing,
// and a driver may answer success and keep the old mode; this is how
// set_display_mode notices and tries ChangeDisplaySettingsExW instead.
bool display_mode_reached(const RawDisplayMode& now, uint32_t width, uint32_t height,
                          int32_t refresh);
