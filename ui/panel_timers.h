// The panel's periodic jobs, all run on the toolkit thread.
#pragma once

void create_panel_timers();
