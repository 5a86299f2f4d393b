// State the panel shares with the window host. The host (shell/) writes and
// reads it directly; the panel reaches the window only through host_services,
// which the host fills in before the panel is built, so nothing here needs
// the window system.
#pragma once

#include <atomic>
#include <cstdint>

extern std::atomic<int32_t> ui_built;         // the main panel is built; stop_backend may run
extern std::atomic<int32_t> display_changed;  // the layout is to be re-applied
extern std::atomic<int32_t> panel_visible;    // the panel is (or is becoming) visible
extern std::atomic<int32_t> fade_request;     // 0 none, 1 fade in, 2 fade out
extern std::atomic<int32_t> panel_opacity;    // window alpha at full visibility, 60..250
extern std::atomic<int32_t> opacity_value;    // "Opacity" as stored (not corrected)

struct HostServices {
  void (*set_window_alpha)(int32_t alpha);  // the overlay window's layered alpha
  void (*exit_process)(int32_t code);       // end the program (the host's orderly way)
};
extern HostServices host_services;

// Window alpha for a stored "Opacity": below 70 gives 60, above 250 gives 250.
int32_t opacity_to_alpha(int32_t opacity);

// The percentage the opacity slider shows for its value (70..250 shows
// 10..100 %).
int32_t opacity_to_percent(int32_t opacity);

// Builds the whole panel (on the window thread, before the other threads run).
void build_main_panel();
