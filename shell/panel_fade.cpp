#include "shell/panel_fade.h"

std::atomic<int32_t> panel_request{PANEL_REQUEST_NONE};

void post_panel_request(int32_t request) { panel_request.store(request); }

namespace {

void apply_request(PanelFade* fade, int32_t request) {
  switch (request) {
    case PANEL_REQUEST_SHOW:
      fade->visible = true;
      fade->running = 1;
      break;
    case PANEL_REQUEST_HIDE:
      fade->visible = false;
      fade->running = 2;
      break;
    case PANEL_REQUEST_TOGGLE:
      if (fade->running != 0) break;
      fade->visible = !fade->visible;
      fade->running = fade->visible ? 1 : 2;
      break;
    default:
      break;
  }
}

}  // namespace

FadeEffects panel_fade_pass(PanelFade* fade, int32_t request) {
  FadeEffects effects;
  apply_request(fade, request);
  if (fade->running == 1) {
    if (fade->step < FADE_STEPS) {
      effects.start_drawing = fade->step == 0;
      ++fade->step;
      effects.alpha_changed = true;
      effects.z = Z_TOP;
    }
    if (fade->step == FADE_STEPS) fade->running = 0;
  } else if (fade->running == 2) {
    if (fade->step > 0) {
      --fade->step;
      effects.alpha_changed = true;
      if (fade->step == 0) {
        effects.z = Z_BOTTOM;
        effects.stop_drawing = true;
      }
    }
    if (fade->step == 0) fade->running = 0;
  }
  return effects;
}
