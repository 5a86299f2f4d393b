// Power limits, GPU clock and processor state (Windows side of power.h).
#include "hardware/power.h"

// The power controls are not applied by this program yet, so after a resume
// there is nothing of ours to put back; the power-limit work fills this in.
void reapply_after_resume() {}
