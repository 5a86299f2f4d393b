// The one list of re-layout functions. A page joins it when it is built into
// the panel, in the order build_main_panel builds the pages; a page that is
// not built yet is simply not here. Each function touches only its own
// page's widgets and reads the tier from ui/layout.h.
#include "ui/page_relayout.h"

#include "ui/pages/display_page.h"
#include "ui/pages/fan_curve_screen.h"
#include "ui/pages/fan_page.h"
#include "ui/pages/fps_panel.h"
#include "ui/pages/gpu_auto_screen.h"
#include "ui/pages/lighting_page.h"
#include "ui/pages/performance_page.h"
#include "ui/pages/settings_screen.h"
#include "ui/pages/status_bar.h"
#include "ui/pages/update_screen.h"

namespace {

using RelayoutFunction = void (*)();

constexpr RelayoutFunction PAGE_RELAYOUTS[] = {
    relayout_status_bar,
    relayout_performance_page,
    relayout_fan_panel,
    relayout_fps_panel,
    relayout_display_page,   // resolution tile and display screen
    relayout_lighting_page,  // lighting tile and lighting screen
    relayout_fan_curve_screen,
    relayout_update_screen,
    relayout_gpu_auto_screen,
    relayout_settings_screen,
};

}  // namespace

void relayout_pages() {
  for (RelayoutFunction relayout : PAGE_RELAYOUTS) relayout();
}

void refresh_readouts() {
  status_bar_refresh();
  fan_readout_tick();
}
