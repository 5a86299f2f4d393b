// The settings screen, opened by the performance page's cog. For now it
// holds only its way back; version, update check, autostart and the quick
// sliders come with the settings work.
#pragma once

// Fills settings_screen.
void build_settings_screen();

// Applies the tier's fonts to the screen's texts.
void relayout_settings_screen();
