// The update dialog screen: headline, description of the offered update,
// "Download" and "Later", and the download's progress bar. The widgets are in
// place; what fills them and what the buttons do comes with the updater.
#pragma once

// Fills update_screen.
void build_update_screen();

// Applies the tier's fonts to the screen's texts.
void relayout_update_screen();
