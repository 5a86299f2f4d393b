#include "ui/panel_state.h"

std::atomic<int32_t> ui_built{0};
std::atomic<int32_t> display_changed{0};
std::atomic<int32_t> panel_visible{0};
std::atomic<int32_t> fade_request{0};
std::atomic<int32_t> panel_opacity{250};
std::atomic<int32_t> opacity_value{250};
HostServices host_services = {nullptr, nullptr};

// 60 rather than the slider's lowest 70: a stored value below the slider's
// range still leaves the panel faintly visible, never invisible.
int32_t opacity_to_alpha(int32_t opacity) {
  if (opacity < 70) return 60;
  if (opacity > 250) return 250;
  return opacity;
}

int32_t opacity_to_percent(int32_t opacity) { return opacity / 2 - 25; }
