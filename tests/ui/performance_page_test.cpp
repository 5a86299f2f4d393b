// The real performance page on the toolkit's test display, driven with the
// simulated pointer: what reaches RyzenAdj, the power scheme and the
// settings store at build, on a drag and release, on an outside change of
// the scheme, and through the GPU-auto dialog.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "hardware/device_models.h"
#include "hardware/hardware_state.h"
#include "hardware/power.h"
#include "test_display.h"
#include "tests/power/power_fakes.h"
#include "tests/ui/hardware_fakes.h"
#include "tests/ui/widget_finders.h"
#include "ui/layout.h"
#include "ui/pages/gpu_auto_screen.h"
#include "ui/pages/performance_page.h"
#include "ui/pages/settings_screen.h"
#include "ui/panel_state.h"
#include "ui/screens.h"

namespace {

using page_test::centre_of;
using Trace = std::vector<std::string>;
int handle_dummy;

// The settings a start finds (the values the settings load leaves).
struct Stored {
  uint32_t cpu_model = 2;
  int32_t tdp = 18, cpu = 100, gpu = 2200, boost = 1, gpu_auto = 0;
};

// The page's widgets in the order the page creates them.
enum Child {
  BASE_PICTURE, CPU_PICTURE, GPU_PICTURE, BOOST_SWITCH, AUTO_SWITCH, METER,
  TDP_LABEL, CPU_LABEL, GPU_LABEL, CPU_SLIDER, TDP_ARC, GPU_SLIDER, COG,
};

class PerformancePage : public ::testing::Test {
 protected:
  void TearDown() override {
    if (running) display.stop();
    ryzenadj_handle = nullptr;
  }

  // Starts the panel's part this page needs at the widest tier (a 1920 px
  // display: the panel is 960 x 1080) and builds the page from `stored`.
  void build(const Stored& stored, int32_t display_width = 1920) {
    if (running) display.stop();
    running = true;
    power_fakes.reset();
    fake_hardware = FakeHardware();
    CpuModel = stored.cpu_model;
    BoardModel = 1;
    ryzenadj_handle = &handle_dummy;
    const CpuBounds& bounds = cpu_bounds(stored.cpu_model);
    tdp_min = bounds.tdp_min;
    tdp_max = bounds.tdp_max;
    gpu_min_mhz = bounds.gpu_min;
    gpu_max_mhz = bounds.gpu_max;
    tdp_watts = stored.tdp;
    cpu_max_percent = stored.cpu;
    gpu_clock_mhz = stored.gpu;
    boost_on = stored.boost;
    gpu_auto = stored.gpu_auto;
    live_gpu_clock = 0;

    // Only what changed is redrawn: the page's pictures are large, and a
    // sanitized build redrawing all of them every 10 ms would crawl.
    display.start(960, 1080, false);
    select_layout_tier(display_width);
    lv_disp_t* disp = lv_disp_get_default();
    lv_disp_set_theme(disp, lv_theme_default_init(disp, lv_color_hex(0xF44336),
                                                  lv_color_hex(0x607D8B), true, font_normal));
    main_screen = lv_obj_create(nullptr);
    gpu_auto_screen = lv_obj_create(nullptr);
    settings_screen = lv_obj_create(nullptr);
    lv_obj_clear_flag(main_screen, LV_OBJ_FLAG_SCROLLABLE);
    lv_scr_load(main_screen);
    build_performance_page(main_screen);
    build_gpu_auto_screen();
    panel_visible = 1;
    layout_ready = 1;
    display.advance(50);
  }

  lv_obj_t* child(Child which) { return lv_obj_get_child(lv_obj_get_child(main_screen, 0), which); }

  std::string text(Child which) { return lv_label_get_text(child(which)); }

  // Presses the dial's ring where `watts` lies and holds it long enough for
  // the dial to turn there, then lets go.
  void turn_dial_to(int32_t watts, bool let_go = true) {
    lv_point_t c = centre_of(child(TDP_ARC));
    double span = double(tdp_max - tdp_min);
    // A little past the value's own angle, so the dial's rounding lands on it.
    double degrees = 135.0 + 270.0 * (watts - tdp_min + 0.3) / span;
    double radius = layout_inner_dial / 2.0 - 8;
    lv_coord_t x = lv_coord_t(std::lround(c.x + radius * std::cos(degrees * M_PI / 180)));
    lv_coord_t y = lv_coord_t(std::lround(c.y + radius * std::sin(degrees * M_PI / 180)));
    display.press(x, y);
    display.advance(600);
    if (let_go) display.release();
  }

  // Presses the slider at a fraction of its width from its left edge, of
  // the part that lies on the page (the processor slider reaches past the
  // page's left edge, where nothing can touch it).
  void press_slider_at(Child which, double fraction) {
    lv_area_t a, page;
    lv_obj_get_coords(child(which), &a);
    lv_obj_get_coords(lv_obj_get_child(main_screen, 0), &page);
    a.x1 = std::max(a.x1, page.x1);
    a.x2 = std::min(a.x2, page.x2);
    lv_coord_t x = lv_coord_t(a.x1 + fraction * (a.x2 - a.x1));
    display.press(x, lv_coord_t((a.y1 + a.y2) / 2));
    display.advance(100);
  }

  // Holds the processor slider at 100 %: its left end lies past the page's
  // edge, so the finger presses near it and slides out over the edge.
  void hold_cpu_slider_at_full() {
    press_slider_at(CPU_SLIDER, 0.0);
    lv_area_t page;
    lv_obj_get_coords(lv_obj_get_child(main_screen, 0), &page);
    display.move(lv_coord_t(page.x1 - 30), centre_of(child(CPU_SLIDER)).y);
    display.advance(50);
  }

  // Runs the sync the 100 ms timer runs, `times` times. Nothing else runs
  // in between: a held slider would put its value back at the next pointer
  // reading and hide what the sync did.
  void sync(int times = 1) {
    for (int i = 0; i < times; ++i) performance_sync_tick();
  }

  TestDisplay display;
  bool running = false;
};

TEST_F(PerformancePage, building_it_applies_the_stored_settings_once_through_the_controls) {
  struct Case {
    const char* what;
    Stored stored;
    Trace ryzenadj;
    Trace scheme;
    Trace stores;
    const char *tdp, *cpu, *gpu;
  } cases[] = {
      {"fixed clock on a 6800U", {2, 25, 70, 1500, 1, 0},
       // The GPU-auto switch applies the fixed clock before the releases.
       {"gfx 1500", "stapm 25000", "slow 25000", "fast 25000", "gfx 1500"},
       {"boost 1", "cpu 70"},
       {"Boost 1", "GPU 1500", "GPUAuto =0", "TDP 25", "CPU 70", "GPU 1500"},
       "25", "70", "1500"},
      {"automatic clock: no clock is set, the fixed one stays stored", {2, 18, 100, 2200, 0, 1},
       {"stapm 18000", "slow 18000", "fast 18000"},
       {"boost 0", "cpu 100"},
       {"Boost 0", "GPUAuto =1", "TDP 18", "CPU 100"},
       "18", "100", "2200"},
      {"a limit above the 3050e's range is held to 20 W, its clock is a window", {3, 30, 40, 900, 1, 0},
       {"min_gfx 100", "max_gfx 900", "stapm 20000", "slow 20000", "fast 20000", "min_gfx 100",
        "max_gfx 900"},
       {"boost 1", "cpu 40"},
       {"Boost 1", "GPU 900", "GPUAuto =0", "TDP 20", "CPU 40", "GPU 900"},
       "20", "40", "900"},
      {"a clock between steps shows and applies the lower step", {4, 15, 85, 1525, 1, 0},
       {"gfx 1500", "stapm 15000", "slow 15000", "fast 15000", "gfx 1500"},
       {"boost 1", "cpu 85"},
       {"Boost 1", "GPU 1500", "GPUAuto =0", "TDP 15", "CPU 85", "GPU 1500"},
       "15", "85", "1500"},
      // A supported board with a processor the program does not know: no
      // ranges (0..0), no RyzenAdj call, the controls cannot move.
      {"unknown processor", {0, 0, 100, 0, 1, 0},
       {},
       {"boost 1", "cpu 100"},
       {"Boost 1", "GPU 0", "GPUAuto =0", "TDP 0", "CPU 100", "GPU 0"},
       "0", "100", "0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    build(c.stored);
    EXPECT_EQ(power_fakes.trace, c.ryzenadj);
    EXPECT_EQ(fake_hardware.scheme_writes, c.scheme);
    EXPECT_EQ(fake_hardware.store_calls, c.stores);
    EXPECT_EQ(text(TDP_LABEL), c.tdp);
    EXPECT_EQ(text(CPU_LABEL), c.cpu);
    EXPECT_EQ(text(GPU_LABEL), c.gpu);
    EXPECT_EQ(lv_obj_has_state(child(BOOST_SWITCH), LV_STATE_CHECKED), c.stored.boost != 0);
    EXPECT_EQ(lv_obj_has_state(child(AUTO_SWITCH), LV_STATE_CHECKED), c.stored.gpu_auto != 0);
    EXPECT_EQ(lv_obj_has_state(child(GPU_SLIDER), LV_STATE_DISABLED), c.stored.gpu_auto != 0);
  }
}

TEST_F(PerformancePage, the_overlays_fade_towards_the_page_as_their_values_fall) {
  struct Case {
    int32_t cpu, gpu;
    lv_opa_t cpu_fade, gpu_fade;
  } cases[] = {{100, 2200, 0, 0}, {40, 200, 240, 240}, {70, 1200, 120, 120}, {55, 1700, 180, 60}};
  for (const Case& c : cases) {
    build({2, 18, c.cpu, c.gpu, 1, 0});
    EXPECT_EQ(lv_obj_get_style_img_recolor_opa(child(CPU_PICTURE), 0), c.cpu_fade) << c.cpu;
    EXPECT_EQ(lv_obj_get_style_img_recolor_opa(child(GPU_PICTURE), 0), c.gpu_fade) << c.gpu;
  }
}

TEST_F(PerformancePage, turning_the_dial_shows_the_limit_and_letting_go_applies_and_stores_it) {
  build(Stored{});
  power_fakes.reset();
  fake_hardware = FakeHardware();
  turn_dial_to(25, false);
  EXPECT_EQ(text(TDP_LABEL), "25");
  EXPECT_EQ(tdp_watts.load(), 25);
  EXPECT_TRUE(power_fakes.trace.empty()) << "applied before the finger left";
  display.release();
  EXPECT_EQ(power_fakes.trace, (Trace{"stapm 25000", "slow 25000", "fast 25000"}));
  EXPECT_EQ(fake_hardware.store_calls, (Trace{"TDP 25"}));

  power_fakes.reset();
  turn_dial_to(7);
  EXPECT_EQ(power_fakes.trace, (Trace{"stapm 7000", "slow 7000", "fast 7000"}));
  EXPECT_EQ(fake_hardware.stored["TDP"], 7);
}

TEST_F(PerformancePage, the_processor_slider_grows_leftwards_and_writes_the_scheme_on_release) {
  build(Stored{});
  fake_hardware = FakeHardware();
  press_slider_at(CPU_SLIDER, 1.0);  // right end: the lowest state
  EXPECT_EQ(text(CPU_LABEL), "40");
  EXPECT_TRUE(fake_hardware.scheme_writes.empty());
  display.move(lv_coord_t(centre_of(child(CPU_SLIDER)).x), centre_of(child(CPU_SLIDER)).y);
  display.release();
  int32_t middle = cpu_max_percent;
  EXPECT_GT(middle, 60);
  EXPECT_LT(middle, 80);
  EXPECT_EQ(text(CPU_LABEL), std::to_string(middle));
  EXPECT_EQ(fake_hardware.scheme_writes, (Trace{"cpu " + std::to_string(middle)}));
  EXPECT_EQ(fake_hardware.store_calls, (Trace{"CPU " + std::to_string(middle)}));

  hold_cpu_slider_at_full();
  display.release();
  EXPECT_EQ(fake_hardware.scheme_writes.back(), "cpu 100");
}

TEST_F(PerformancePage, outside_changes_of_the_scheme_are_shown_and_never_written_back) {
  struct Case {
    const char* what;
    uint32_t cpu_ac, cpu_dc, boost_ac, boost_dc;
    const char* label;
    bool boost;
  } cases[] = {
      {"processor state lowered", 55, 55, 1, 1, "55", true},
      {"only AC counts for the state", 65, 30, 1, 1, "65", true},
      {"boost aggressive counts as off", 100, 100, 2, 2, "100", false},
      {"boost off on battery only", 100, 100, 1, 0, "100", false},
      {"a state below the slider shows its lowest", 20, 20, 1, 1, "40", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    build(Stored{});
    fake_hardware.scheme_writes.clear();
    fake_hardware.store_calls.clear();
    fake_hardware.scheme_cpu[0] = c.cpu_ac;
    fake_hardware.scheme_cpu[1] = c.cpu_dc;
    fake_hardware.scheme_boost[0] = c.boost_ac;
    fake_hardware.scheme_boost[1] = c.boost_dc;
    sync();
    EXPECT_EQ(text(CPU_LABEL), c.label);
    EXPECT_EQ(lv_obj_has_state(child(BOOST_SWITCH), LV_STATE_CHECKED), c.boost);
    EXPECT_EQ(boost_on.load(), c.boost ? 1 : 0);
    EXPECT_TRUE(fake_hardware.scheme_writes.empty());
    EXPECT_TRUE(fake_hardware.store_calls.empty());
    // A second outside change is followed too: the sync's own update does
    // not leave the slider looking held.
    fake_hardware.scheme_cpu[0] = 90;
    sync();
    EXPECT_EQ(text(CPU_LABEL), "90");
  }
}

TEST_F(PerformancePage, the_sync_rests_while_the_panel_is_hidden_or_being_laid_out) {
  struct Case {
    int32_t visible, ready;
  } cases[] = {{0, 1}, {1, 0}, {0, 0}};
  for (const Case& c : cases) {
    build(Stored{});
    panel_visible = c.visible;
    layout_ready = c.ready;
    fake_hardware.scheme_reads = 0;
    fake_hardware.scheme_cpu[0] = 50;
    fake_hardware.scheme_boost[0] = 0;
    sync(3);
    EXPECT_EQ(fake_hardware.scheme_reads, 0);
    EXPECT_EQ(text(CPU_LABEL), "100");
    EXPECT_TRUE(lv_obj_has_state(child(BOOST_SWITCH), LV_STATE_CHECKED));
  }
}

TEST_F(PerformancePage, a_scheme_that_cannot_be_read_changes_nothing_on_the_page) {
  build(Stored{});
  fake_hardware.scheme_fails = true;
  sync(3);
  EXPECT_EQ(text(CPU_LABEL), "100");
  EXPECT_TRUE(lv_obj_has_state(child(BOOST_SWITCH), LV_STATE_CHECKED));
  // Writing fails too, but the setting is still stored.
  lv_obj_clear_state(child(BOOST_SWITCH), LV_STATE_CHECKED);
  lv_event_send(child(BOOST_SWITCH), LV_EVENT_VALUE_CHANGED, nullptr);
  EXPECT_EQ(fake_hardware.stored["Boost"], 0);
}

TEST_F(PerformancePage, a_value_set_outside_while_the_slider_is_held_waits_for_the_release) {
  build(Stored{});
  fake_hardware.scheme_writes.clear();
  hold_cpu_slider_at_full();
  ASSERT_EQ(text(CPU_LABEL), "100");
  fake_hardware.scheme_cpu[0] = fake_hardware.scheme_cpu[1] = 45;
  display.advance(20);
  sync(5);
  EXPECT_EQ(text(CPU_LABEL), "100") << "the sync took the slider from under the finger";
  display.release();
  EXPECT_EQ(fake_hardware.scheme_writes, (Trace{"cpu 100"}));
  sync();
  EXPECT_EQ(text(CPU_LABEL), "100");

  // Held without moving it: a second press where the slider already stands
  // changes no value, and still counts as held.
  press_slider_at(CPU_SLIDER, 0.5);
  display.release();
  std::string held = text(CPU_LABEL);
  fake_hardware.scheme_writes.clear();
  press_slider_at(CPU_SLIDER, 0.5);
  fake_hardware.scheme_cpu[0] = 45;
  sync(3);
  EXPECT_EQ(text(CPU_LABEL), held);
  display.release();
  EXPECT_EQ(fake_hardware.scheme_writes, (Trace{"cpu " + held}));
}

TEST_F(PerformancePage, the_boost_switch_writes_the_scheme_and_stores_on_every_change) {
  build(Stored{});
  fake_hardware.scheme_writes.clear();
  fake_hardware.store_calls.clear();
  lv_point_t at = centre_of(child(BOOST_SWITCH));
  display.click(at.x, at.y);
  display.click(at.x, at.y);
  EXPECT_EQ(fake_hardware.scheme_writes, (Trace{"boost 0", "boost 1"}));
  EXPECT_EQ(fake_hardware.store_calls, (Trace{"Boost 0", "Boost 1"}));
}

TEST_F(PerformancePage, turning_gpu_auto_on_asks_first_and_the_answer_decides_the_restart) {
  struct Case {
    const char* button;
    Trace hardware;
  } cases[] = {
      {"Later", {}},
      {"Reload", {"adlx stop restarting=1", "adapter restart 1", "adlx start restarting=1"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.button);
    build({2, 18, 100, 1500, 1, 0});
    power_fakes.reset();
    fake_hardware.store_calls.clear();
    lv_point_t at = centre_of(child(AUTO_SWITCH));
    display.click(at.x, at.y);
    display.advance(520);  // the dialog slides in before its buttons are pressed
    EXPECT_EQ(lv_scr_act(), gpu_auto_screen);
    EXPECT_EQ(gpu_auto.load(), 0) << "automatic before the dialog was answered";
    EXPECT_TRUE(fake_hardware.store_calls.empty());

    // The dialog's buttons: Reload left, Later right.
    lv_obj_t* button = lv_obj_get_child(gpu_auto_screen, std::strcmp(c.button, "Reload") == 0 ? 1 : 2);
    lv_point_t b = centre_of(button);
    display.click(b.x, b.y);
    display.advance(20);  // a screen counts as shown from the start of its slide
    EXPECT_EQ(lv_scr_act(), main_screen);
    EXPECT_EQ(gpu_auto.load(), 1);
    EXPECT_EQ(fake_hardware.store_calls, (Trace{"GPUAuto =1"}));
    EXPECT_EQ(power_fakes.trace, c.hardware);
    EXPECT_TRUE(lv_obj_has_state(child(GPU_SLIDER), LV_STATE_DISABLED));
    EXPECT_TRUE(lv_obj_has_state(child(AUTO_SWITCH), LV_STATE_CHECKED));
  }
}

TEST_F(PerformancePage, turning_gpu_auto_off_enables_the_slider_and_applies_the_fixed_clock) {
  build({2, 18, 100, 1500, 1, 1});
  power_fakes.reset();
  fake_hardware.store_calls.clear();
  lv_point_t at = centre_of(child(AUTO_SWITCH));
  display.click(at.x, at.y);
  EXPECT_EQ(gpu_auto.load(), 0);
  EXPECT_FALSE(lv_obj_has_state(child(GPU_SLIDER), LV_STATE_DISABLED));
  EXPECT_EQ(power_fakes.trace, (Trace{"gfx 1500"}));
  EXPECT_EQ(fake_hardware.store_calls, (Trace{"GPU 1500", "GPUAuto =0"}));
  EXPECT_EQ(text(GPU_LABEL), "1500");
}

TEST_F(PerformancePage, the_gpu_slider_sets_the_clock_in_50_mhz_steps_only_while_fixed) {
  build({2, 18, 100, 1500, 1, 0});
  power_fakes.reset();
  press_slider_at(GPU_SLIDER, 0.0);
  display.release();
  EXPECT_EQ(power_fakes.trace, (Trace{"gfx 200"}));
  EXPECT_EQ(fake_hardware.stored["GPU"], 200);

  // Automatic: the slider takes no input and nothing is applied.
  build({2, 18, 100, 1500, 1, 1});
  power_fakes.reset();
  fake_hardware.store_calls.clear();
  press_slider_at(GPU_SLIDER, 0.0);
  display.release();
  EXPECT_TRUE(power_fakes.trace.empty());
  EXPECT_TRUE(fake_hardware.store_calls.empty());
  EXPECT_EQ(text(GPU_LABEL), "1500");
}

TEST_F(PerformancePage, the_gpu_gauge_follows_the_live_clock_only_while_automatic_and_shown) {
  struct Case {
    const char* what;
    int32_t gpu_auto, visible, live;
    const char* label;
  } cases[] = {
      {"automatic", 1, 1, 1637, "1600"},
      {"automatic, above the range", 1, 1, 2600, "2200"},
      {"fixed clock", 0, 1, 1637, "1500"},
      {"hidden", 1, 0, 1637, "1500"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    build({2, 18, 100, 1500, 1, c.gpu_auto});
    panel_visible = c.visible;
    power_fakes.reset();
    fake_hardware.store_calls.clear();
    live_gpu_clock = c.live;
    gpu_clock_display_tick();
    display.advance(20);
    EXPECT_EQ(text(GPU_LABEL), c.label);
    EXPECT_TRUE(power_fakes.trace.empty());
    EXPECT_TRUE(fake_hardware.store_calls.empty());
    EXPECT_EQ(gpu_clock_mhz.load(), 1500);
  }
}

TEST_F(PerformancePage, the_cog_opens_the_settings_screen_on_its_opaque_pixels_only) {
  build(Stored{});
  lv_area_t cog;
  lv_obj_get_coords(child(COG), &cog);
  display.click(lv_coord_t(cog.x1 + 1), lv_coord_t(cog.y1 + 1));  // a transparent corner
  display.advance(20);  // a screen counts as shown from the start of its slide
  EXPECT_EQ(lv_scr_act(), main_screen);
  // The middle, where a finger lands: the hub is opaque.
  display.click(lv_coord_t((cog.x1 + cog.x2) / 2), lv_coord_t((cog.y1 + cog.y2) / 2));
  display.advance(520);
  EXPECT_EQ(lv_scr_act(), settings_screen);
}

TEST_F(PerformancePage, a_smaller_display_shrinks_the_page_the_dial_and_the_pictures) {
  struct Case {
    int32_t width;
    lv_coord_t page_w, page_h, dial, inner;
    uint16_t zoom;
  } cases[] = {{1920, 880, 420, 370, 320, 256}, {1280, 580, 277, 244, 194, 168},
               {800, 360, 172, 151, 101, 104}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.width);
    build(Stored{});
    select_layout_tier(c.width);
    relayout_performance_page();
    relayout_gpu_auto_screen();
    display.advance(20);
    lv_obj_t* page = lv_obj_get_child(main_screen, 0);
    EXPECT_EQ(lv_obj_get_width(page), c.page_w);
    EXPECT_EQ(lv_obj_get_height(page), c.page_h);
    EXPECT_EQ(lv_obj_get_width(child(METER)), c.dial);
    EXPECT_EQ(lv_obj_get_width(child(TDP_ARC)), c.inner);
    for (Child img : {BASE_PICTURE, CPU_PICTURE, GPU_PICTURE, COG}) {
      EXPECT_EQ(lv_img_get_zoom(child(img)), c.zoom);
    }
    for (Child label : {TDP_LABEL, CPU_LABEL, GPU_LABEL}) {
      EXPECT_EQ(lv_obj_get_style_text_font(child(label), 0), font_digits);
    }
    EXPECT_EQ(lv_obj_get_style_text_font(child(METER), 0), font_normal);
  }
}

}  // namespace
