// The pages that follow a layout-tier change (see ui/README.md).
#pragma once

// Runs the re-layout function of every page built so far, in build order.
// display_init calls it once the panel is built, after select_layout_tier.
void relayout_pages();

// Reads the once-a-second read-outs (status bar, fan) now. display_init
// calls it once the layout is in place, so that the first frames show the
// time, battery and temperature instead of "00:00", 0 % and 0 °C until
// their next tick.
void refresh_readouts();
