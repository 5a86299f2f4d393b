// Loads every registry setting into the values the pages use, in the order
// the pages expect, with the processor's defaults and bounds.
#pragma once

void load_panel_settings();
