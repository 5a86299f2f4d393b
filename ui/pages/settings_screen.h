// The settings screen: the program's name and version, "Check Update", the
// switch for starting at log-on, the volume, brightness and opacity sliders,
// and "Back".
#pragma once

#include "lvgl.h"

// Fills settings_screen. Places the sliders at the volume and brightness
// read at settings load and at "Opacity", and applies them once as a user
// would; then brings the log-on task in line with the switch.
void build_settings_screen();

// Applies the tier's fonts to the screen's texts.
void relayout_settings_screen();

// Power-sync timer (100 ms): while the panel is shown, moves the volume and
// brightness sliders to a change made outside the panel (volume keys, the
// Windows quick settings). A slider under a finger is left alone.
void quick_sliders_sync_tick();

// Event callback that opens the settings screen on a click.
void open_settings_screen(lv_event_t* event);
