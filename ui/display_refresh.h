// Re-layout after a display change: the current mode is read again, the
// tier for its width selected and its fonts and sizes applied to the panel.
#pragma once

// Runs display_init when display_changed is set (100 ms timer).
void display_refresh_tick();

// Clears layout_ready, reads the mode, selects the tier, re-applies fonts and
// sizes while the panel is built, and sets layout_ready again.
void display_init();
