// Showing and hiding the panel: requests from any thread, the fade itself
// owned by the toolkit thread.
//
// The tray, the hotkey and the updater only post a request; the toolkit
// thread takes it (an exchange, so a request posted while a pass runs is kept
// for the next one rather than overwritten by the pass) and is the only
// writer of the fade's state. The published panel_visible and fade_request
// (ui/panel_state.h) are copies for readers: the tray menu's text and the
// hotkey's "no fade running" check.
#pragma once

#include <atomic>
#include <cstdint>

enum PanelRequest : int32_t {
  PANEL_REQUEST_NONE = 0,
  PANEL_REQUEST_SHOW = 1,
  PANEL_REQUEST_HIDE = 2,
  PANEL_REQUEST_TOGGLE = 3,  // the hotkey: ignored while a fade runs
};

// The request not yet taken; a later one replaces it (the newest intent wins).
extern std::atomic<int32_t> panel_request;

// Any thread.
void post_panel_request(int32_t request);

// The fade's own state (toolkit thread only).
struct PanelFade {
  uint8_t step = 0;     // 0 transparent .. 10 full panel opacity
  int32_t running = 0;  // 0 none, 1 fading in, 2 fading out
  bool visible = false; // shown or being shown
};

constexpr uint8_t FADE_STEPS = 10;

enum ZOrderChange { Z_KEEP = 0, Z_TOP, Z_BOTTOM };

// What one pass asks of the window.
struct FadeEffects {
  bool alpha_changed = false;  // set the layered alpha for fade->step
  ZOrderChange z = Z_KEEP;
  bool start_drawing = false;  // the panel leaves full transparency: draw it first
  bool stop_drawing = false;   // the panel reached full transparency: nothing to draw
};

/**
 * One pass: applies `request` (taken from panel_request), then moves the
 * fade one step. A fade is reversed in place from its current step; a
 * fade-in keeps the panel on top at every step; a fade-out sends it to the
 * bottom once transparent. A show of a panel already fully shown (or a hide
 * of one already hidden) ends at once instead of leaving a fade "running"
 * that the hotkey would wait on for ever.
 */
FadeEffects panel_fade_pass(PanelFade* fade, int32_t request);
