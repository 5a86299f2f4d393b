// The pages that follow a layout-tier change (see ui/README.md).
#pragma once

// Runs the re-layout function of every page built so far, in build order.
// display_init calls it once the panel is built, after select_layout_tier.
void relayout_pages();
