// What the page tests share: a fixture with the test display, and building
// the panel the way build_main_panel does, whole or in the steps a test of
// a few pages picks from. Finding and touching widgets is in
// widget_finders.h.
#pragma once

#include <cstdint>

#include "hardware/display.h"
#include "hardware/hardware_state.h"
#include "test_display.h"
#include "tests/power/power_fakes.h"
#include "tests/ui/hardware_fakes.h"
#include "tests/ui/widget_finders.h"
#include "ui/display_refresh.h"
#include "ui/language.h"
#include "ui/layout.h"
#include "ui/pages/display_page.h"
#include "ui/pages/fps_panel.h"
#include "ui/pages/lighting_page.h"
#include "ui/pages/status_bar.h"
#include "ui/panel_state.h"
#include "ui/screens.h"

namespace page_test {

// Half the panel of a 1920 x 1080 display: every size on the panel is a
// share of the screen, so the layout is the same, at a quarter of the
// drawing.
constexpr lv_coord_t PANEL_WIDTH = 480, PANEL_HEIGHT = 540;

// Reads the desktop's mode into the panel's current mode, as the settings
// load does.
inline void read_desktop_mode() {
  int32_t long_side = 0, short_side = 0, refresh = 0;
  query_display_mode(&long_side, &short_side, &refresh);
  current_long_side = long_side;
  current_short_side = short_side;
  current_refresh = refresh;
}

// A page test's display. reset() runs before and after every test (and a
// table's cases call it between them); fixtures with more state to put back
// override it and call this one first.
class PanelTest : public testing::Test {
 protected:
  void SetUp() override { reset(); }
  void TearDown() override { reset(); }

  // Back to no panel: the display stopped, nothing built, the hardware
  // stand-ins as new.
  virtual void reset() {
    if (started) display.stop();
    started = false;
    ui_built = 0;
    display_changed = 0;
    fake_hardware = FakeHardware{};
  }

  // The start of the panel's build, in the language of `language`: the
  // display (by default only what changed is redrawn: the wheel and the
  // pictures are costly to draw, and what a test checks is behaviour, not
  // the frame), the language, the fonts and the theme.
  void start_panel(uint16_t language, lv_coord_t width = PANEL_WIDTH,
                   lv_coord_t height = PANEL_HEIGHT, bool full_refresh = false) {
    fake_hardware.ui_language = language;
    display.start(width, height, full_refresh);
    started = true;
    decide_ui_language();
    use_initial_fonts();
    lv_disp_t* disp = lv_disp_get_default();
    lv_disp_set_theme(disp, lv_theme_default_init(disp, lv_color_hex(0xF44336),
                                                  lv_color_hex(0x607D8B), true, font_normal));
  }

  // The end of the build: the main screen shown and the panel marked built,
  // with a display change pending for the first refresh tick.
  void show_main_screen() {
    lv_scr_load(main_screen);
    ui_built = 1;
    display_changed = 1;
  }

  // The first display-refresh tick, which selects the tier and re-lays out
  // the pages.
  void first_tick() {
    display_refresh_tick();
    display.advance(20);
  }

  // The panel as build_main_panel builds it so far, in the language of
  // `language`: fonts, theme, screens, status bar, the pages in their fixed
  // order, the main screen shown, and the first display-refresh tick. The
  // pages read the settings values as they are.
  void build_panel(uint16_t language) {
    start_panel(language);
    read_desktop_mode();
    create_screens();
    build_status_bar(main_screen);
    build_fps_panel(main_screen);
    build_resolution_tile(main_screen);
    build_lighting_tile(main_screen);
    build_display_screen();
    build_lighting_screen();
    show_main_screen();
    first_tick();
  }

  TestDisplay display;
  bool started = false;
};

}  // namespace page_test
