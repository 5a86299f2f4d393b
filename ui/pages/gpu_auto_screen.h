// The dialog that asks how to leave a fixed GPU clock: restart the display
// driver now ("Reload") or leave it to the next sleep or restart ("Later").
// Opened by the performance page's GPU-auto switch.
#pragma once

// Fills gpu_auto_screen: the explanation and the two buttons.
void build_gpu_auto_screen();

// Applies the tier's message and normal fonts to the dialog's texts.
void relayout_gpu_auto_screen();
