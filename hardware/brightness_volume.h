// Screen brightness (WMI's monitor brightness classes) and master volume
// (Core Audio's default render endpoint). Windows keeps both; the program
// stores neither, it only shows and changes them.
//
// Called on the window thread while the panel is built and on the toolkit
// thread afterwards, never on two threads at once. The WMI connection and the
// audio endpoint are kept between calls, because the sliders read both ten
// times a second while the panel is shown; a failed call drops them, and so
// does a change of the default audio device, so the next call connects anew.
#pragma once

#include <atomic>
#include <cstdint>

// What the brightness and volume sliders last showed as Windows' value
// (0..100), or -1 while Windows has not answered.
extern std::atomic<int32_t> brightness_percent;
extern std::atomic<int32_t> volume_percent;

// 1 and the brightness of the active built-in display in *value; 0 with
// *value untouched when no brightness provider answers (an external display
// only, a virtual machine, Wine).
int read_brightness(int32_t* value);

// Asks the display for `value` percent (0..100). 1 when WMI accepted it.
int write_brightness(int32_t value);

// 1 and the default render endpoint's master volume in *value; 0 with *value
// untouched when there is no endpoint or it does not answer.
int read_volume(int32_t* value);

// Sets the master volume to `value` percent (0..100). 1 when it was set.
int write_volume(int32_t value);

// Lets go of the kept connection and endpoint. For the thread that used them,
// before it leaves COM.
void release_brightness_volume();

// The master volume's scalar (0.0 .. 1.0) as a percentage. Rounded, not cut:
// a percentage written as value / 100 must read back as the same value
// (0.53f * 100 is 52.99..., which truncation would show as 52).
int32_t volume_scalar_to_percent(float scalar);
