// The fan-curve editor: a screen with a chart of the five zones between two
// fixed end points, dragged with the pointer, five boxes with each zone's
// speed and temperature, the live temperature and speed, "Reset" and "Close".
// Every release on the chart commits the curve to the EC and the registry.
#pragma once

#include <cstdint>

#include "lvgl.h"

// Fills fan_curve_screen. Ends by committing the stored zones once, which
// sends them to the EC (and rewrites them to the registry) at start-up.
void build_fan_curve_screen();

// Marks the editor open and slides it in (the fan panel's icon).
void open_fan_curve_editor();

// 1 while the editor is shown; the read-out updates it only then.
bool fan_curve_editor_open();

// Shows a reading in the editor's status label and moves the live marker.
void show_fan_curve_reading(int32_t celsius, int32_t percent);

// Applies the tier: the chart's size and font_normal on every label. Does
// nothing before the build.
void relayout_fan_curve_screen();
