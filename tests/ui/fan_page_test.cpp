// The fan panel and the curve editor built for real on a test display,
// driven by simulated taps and drags, against a recording EC (which answers
// reads with what the test or the program put in its registers) and a
// recording settings store.
#include <gtest/gtest.h>

#include <cstdio>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "hardware/ec_registers.h"
#include "hardware/fan.h"
#include "tests/power/power_fakes.h"
#include "tests/ui/page_helpers.h"
#include "ui/pages/fan_curve_screen.h"
#include "ui/pages/fan_page.h"

namespace {

using page_test::all_of;
using page_test::label_with_text;
using page_test::PanelTest;
using page_test::read_desktop_mode;

using Writes = std::vector<std::pair<uint8_t, uint8_t>>;

struct StoredCurve {
  int32_t speeds[5], temperatures[5];
};
const StoredCurve DEFAULT_CURVE = {{40, 50, 60, 90, 100}, {20, 50, 60, 70, 90}};
const Writes DEFAULT_ZONE_WRITES = {{0x12, 51}, {0x13, 20}, {0x14, 64},  {0x15, 50}, {0x16, 76},
                                    {0x17, 60}, {0x18, 115}, {0x19, 70}, {0x1A, 128}, {0x1B, 90}};

lv_obj_t* first_of(lv_obj_t* root, const lv_obj_class_t* type) {
  std::vector<lv_obj_t*> found = all_of(root, type);
  return found.empty() ? nullptr : found[0];
}

// Whether a label under root reads `text`.
bool shows(lv_obj_t* root, const std::string& text) { return label_with_text(root, text) != nullptr; }

// Register writes that reached the EC, in order, from the recorder's
// "ec 0x12=51" lines.
Writes ec_writes() {
  Writes writes;
  for (const std::string& line : power_fakes.lines("ec 0x")) {
    unsigned reg = 0, value = 0;
    if (std::sscanf(line.c_str(), "ec 0x%x=%u", &reg, &value) == 2) {
      writes.push_back({uint8_t(reg), uint8_t(value)});
    }
  }
  return writes;
}

// Those at the zone registers 0x12..0x1B.
Writes zone_writes() {
  Writes zones;
  for (const auto& w : ec_writes()) {
    if (w.first >= 0x12 && w.first <= 0x1B) zones.push_back(w);
  }
  return zones;
}

int ec_reads() { return int(power_fakes.lines("ec read").size()); }

// Forgets the EC traffic so far; the registers keep their values.
void forget_ec_traffic() {
  std::lock_guard<std::mutex> guard(power_fakes.lock);
  power_fakes.trace.clear();
}

// What the EC reports: the device's temperature and the duty its own
// control (automatic or curve mode) runs the fan at.
void ec_reports(uint8_t celsius, uint8_t duty) {
  power_fakes.ec[EC_REG_TEMPERATURE] = celsius;
  power_fakes.ec[EC_REG_FAN_DUTY] = duty;
}

class FanPage : public PanelTest {
 protected:
  void reset() override {
    PanelTest::reset();
    panel_visible = 0;
    power_fakes.reset();
    ec_reports(45, 0);
    BoardModel = 1;
    ec_ready = 1;
    fan_mode = 1;
    fan_speed = 20;
    store_curve(DEFAULT_CURVE);
  }

  // What the settings load leaves in the fan values.
  void store_curve(const StoredCurve& curve) {
    for (int i = 0; i < 5; ++i) fan_zones[i] = {i + 1, curve.speeds[i], curve.temperatures[i]};
  }

  // The panel's build as far as these pages go, in the program's order, and
  // the first display-refresh tick that lays it out for 1920 x 1080.
  void build(uint16_t language = 0x0409) {
    start_panel(language, 960, 1080);
    read_desktop_mode();
    create_screens();
    build_status_bar(main_screen);
    build_fan_panel(main_screen);
    build_resolution_tile(main_screen);
    build_display_screen();
    build_fan_curve_screen();
    show_main_screen();
    panel_visible = 1;
    first_tick();
  }

  lv_obj_t* slider() { return first_of(main_screen, &lv_slider_class); }
  lv_obj_t* dropdown() { return first_of(main_screen, &lv_dropdown_class); }
  lv_obj_t* icon() { return first_of(main_screen, &lv_img_class); }  // the editor icon comes first
  lv_obj_t* chart() { return first_of(fan_curve_screen, &lv_chart_class); }

  void tap(lv_obj_t* obj) { page_test::tap(&display, obj, 0.5, 0.5, 600); }

  // Opens the drop-down and taps an option, as a finger would.
  void choose_mode(int option) {
    tap(dropdown());
    lv_obj_t* list = lv_dropdown_get_list(dropdown());
    ASSERT_FALSE(lv_obj_has_flag(list, LV_OBJ_FLAG_HIDDEN)) << "the list opened";
    lv_obj_t* options = lv_obj_get_child(list, 0);
    lv_area_t a;
    lv_obj_get_coords(options, &a);
    const int32_t row = lv_area_get_height(&a) / 3;
    display.click(lv_coord_t((a.x1 + a.x2) / 2), lv_coord_t(a.y1 + row * option + row / 2));
    display.advance(100);
  }

  // Presses on the slider and moves right until it reads `percent`, then
  // releases there.
  void slide_to(int32_t percent) {
    lv_obj_t* s = slider();
    lv_obj_update_layout(s);
    lv_area_t a;
    lv_obj_get_coords(s, &a);
    const lv_coord_t y = lv_coord_t((a.y1 + a.y2) / 2);
    display.press(a.x1 + 2, y);
    for (lv_coord_t x = a.x1 + 2; x <= a.x2 && lv_slider_get_value(s) != percent; ++x) {
      display.move(x, y);
    }
    ASSERT_EQ(lv_slider_get_value(s), percent);
    display.release();
  }

  void open_editor() {
    tap(icon());
    ASSERT_EQ(lv_scr_act(), fan_curve_screen);
  }

  // Screen position of a chart point.
  lv_point_t point_on_screen(uint16_t id) {
    lv_obj_update_layout(chart());
    lv_chart_series_t* series = lv_chart_get_series_next(chart(), nullptr);
    lv_point_t at;
    lv_chart_get_point_pos_by_id(chart(), series, id, &at);
    lv_area_t c;
    lv_obj_get_coords(chart(), &c);
    return {lv_coord_t(c.x1 + at.x), lv_coord_t(c.y1 + at.y)};
  }

  // Where a chart value (temperature, speed) lies on the screen, half a unit
  // in so that the editor reads back exactly that value.
  lv_point_t value_on_screen(int32_t temperature, int32_t speed) {
    lv_obj_update_layout(chart());
    lv_area_t plot;
    lv_obj_get_content_coords(chart(), &plot);
    const int32_t w = lv_area_get_width(&plot), h = lv_area_get_height(&plot);
    return {lv_coord_t(plot.x1 + (temperature * w + w / 2) / 100),
            lv_coord_t(plot.y2 + 1 - (speed * h + h / 2) / 100)};
  }

  // Presses just right of a point (which takes it) and drags to `to`, in
  // one jump or sweeping through eight steps, then releases.
  void drag_point(uint16_t id, lv_point_t to, int steps = 8) {
    const lv_point_t from = point_on_screen(id);
    const lv_coord_t x = lv_coord_t(from.x + 1), y = from.y;
    display.press(x, y);
    for (int k = 1; k <= steps; ++k) {
      display.move(lv_coord_t(x + (to.x - x) * k / steps), lv_coord_t(y + (to.y - y) * k / steps));
    }
    display.release();
  }

  std::vector<lv_coord_t> chart_x() {
    lv_chart_series_t* series = lv_chart_get_series_next(chart(), nullptr);
    const lv_coord_t* x = lv_chart_get_x_array(chart(), series);
    return std::vector<lv_coord_t>(x, x + 7);
  }
  std::vector<lv_coord_t> chart_y() {
    lv_chart_series_t* series = lv_chart_get_series_next(chart(), nullptr);
    const lv_coord_t* y = lv_chart_get_y_array(chart(), series);
    return std::vector<lv_coord_t>(y, y + 7);
  }
};

// The build applies what was stored: the speed shown, the mode to 0x10, the
// duty to 0x11 (twice in manual mode, where the mode handler sends the
// slider's events again), the curve to its ten registers, and every value
// stored back.
TEST_F(FanPage, the_build_sends_the_stored_mode_duty_and_curve_once) {
  struct Case {
    int32_t mode, speed;
    Writes mode_and_duty;
    bool slider_enabled, icon_enabled;
    const char* shown;  // outside manual mode the first read-out's EC duty
  } cases[] = {
      {0, 50, {{0x10, 0}, {0x11, 64}, {0x11, 64}}, true, false, "50%"},
      {1, 20, {{0x10, 1}, {0x11, 25}}, false, false, "19%"},
      {2, 100, {{0x10, 2}, {0x11, 128}}, false, true, "100%"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mode);
    reset();
    fan_mode = c.mode;
    fan_speed = c.speed;
    build();
    Writes mode_and_duty;
    for (const auto& w : ec_writes()) {
      if (w.first == EC_REG_FAN_MODE || w.first == EC_REG_FAN_DUTY) mode_and_duty.push_back(w);
    }
    EXPECT_EQ(mode_and_duty, c.mode_and_duty);
    EXPECT_EQ(zone_writes(), DEFAULT_ZONE_WRITES);
    EXPECT_EQ(power_fakes.ec[EC_REG_FAN_MODE], c.mode);
    EXPECT_EQ(fake_hardware.stored["FanMode"], c.mode);
    EXPECT_EQ(fake_hardware.stored["FanSpeed"], c.speed);
    EXPECT_EQ(fake_hardware.zone_stores, 5);
    EXPECT_EQ(fake_hardware.stored["FanZone4Speed"], 90);
    EXPECT_EQ(lv_slider_get_value(slider()), c.speed);
    EXPECT_TRUE(shows(main_screen, c.shown));
    EXPECT_EQ(!lv_obj_has_state(slider(), LV_STATE_DISABLED), c.slider_enabled);
    EXPECT_EQ(!lv_obj_has_state(icon(), LV_STATE_DISABLED), c.icon_enabled);
    EXPECT_EQ(lv_obj_get_style_img_recolor_opa(icon(), LV_PART_MAIN),
              c.icon_enabled ? LV_OPA_COVER : LV_OPA_TRANSP);
  }
}

TEST_F(FanPage, choosing_manual_and_releasing_the_slider_at_50_percent_sets_duty_64) {
  build();
  forget_ec_traffic();
  choose_mode(0);
  EXPECT_EQ(power_fakes.ec[EC_REG_FAN_MODE], 0);
  EXPECT_EQ(fake_hardware.stored["FanMode"], 0);
  EXPECT_FALSE(lv_obj_has_state(slider(), LV_STATE_DISABLED));

  forget_ec_traffic();
  slide_to(50);
  EXPECT_TRUE(shows(main_screen, "50%"));
  EXPECT_EQ(ec_writes(), (Writes{{0x11, 64}})) << "one write, on release";
  EXPECT_EQ(power_fakes.ec[EC_REG_FAN_DUTY], 64);
  EXPECT_EQ(fake_hardware.stored["FanSpeed"], 50);
  EXPECT_EQ(fan_speed, 50);
}

// One read-out tick after the EC reports a hot device running its fan at
// 75 %: in automatic and custom mode the slider and speed label follow the
// EC's duty; in manual mode they keep the user's speed. The temperature is
// shown in every mode.
TEST_F(FanPage, the_slider_follows_the_ecs_duty_except_in_manual_mode) {
  struct Case {
    int32_t mode;
    int32_t percent;
  } cases[] = {{0, 30}, {1, 75}, {2, 75}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mode);
    reset();
    fan_mode = c.mode;
    fan_speed = 30;
    build();
    ec_reports(80, 96);  // 75 %
    fan_readout_tick();
    display.advance(600);
    EXPECT_TRUE(shows(main_screen, "80°C"));
    EXPECT_EQ(lv_slider_get_value(slider()), c.percent);
    EXPECT_TRUE(shows(main_screen, std::to_string(c.percent) + "%"));
    EXPECT_EQ(fan_speed, 30) << "the read-out never changes the user's speed";
  }
}

TEST_F(FanPage, the_read_out_rests_while_the_panel_is_hidden_or_the_ec_unusable) {
  struct Case {
    const char* what;
    int32_t visible, board, ready;
  } cases[] = {{"hidden", 0, 1, 1}, {"unknown board", 1, 0, 1}, {"EC not ready", 1, 1, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    reset();
    build();
    panel_visible = c.visible;
    BoardModel = c.board;
    ec_ready = c.ready;
    ec_reports(66, 96);
    const int reads = ec_reads();
    fan_readout_tick();
    EXPECT_EQ(ec_reads(), reads);
    EXPECT_FALSE(shows(main_screen, "66°C"));
  }
}

TEST_F(FanPage, the_editor_icon_opens_the_curve_editor_only_in_custom_mode) {
  struct Case {
    int option;
    bool opens;
  } cases[] = {{0, false}, {1, false}, {2, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.option);
    reset();
    build();
    choose_mode(c.option);
    tap(icon());
    EXPECT_EQ(lv_scr_act() == fan_curve_screen, c.opens);
    EXPECT_EQ(fan_curve_editor_open(), c.opens);
  }
}

TEST_F(FanPage, dragging_zone_3_and_releasing_writes_the_five_pairs_to_the_ec_and_the_registry) {
  fan_mode = 2;
  build();
  open_editor();
  forget_ec_traffic();
  fake_hardware.zone_stores = 0;
  // Zone 3 from 60 C at 60 % to 64 C at 80 %.
  drag_point(3, value_on_screen(64, 80));

  EXPECT_EQ(chart_x()[3], 64);
  EXPECT_EQ(chart_y()[3], 80);
  const Writes expected = {{0x12, 51}, {0x13, 20}, {0x14, 64},  {0x15, 50}, {0x16, 102},
                           {0x17, 64}, {0x18, 115}, {0x19, 70}, {0x1A, 128}, {0x1B, 90}};
  EXPECT_EQ(ec_writes(), expected);
  EXPECT_EQ(fake_hardware.zone_stores, 5);
  EXPECT_EQ(fake_hardware.stored["FanZone3Speed"], 80);
  EXPECT_EQ(fake_hardware.stored["FanZone3Temp"], 64);
  EXPECT_TRUE(shows(fan_curve_screen, "80%"));
  EXPECT_TRUE(shows(fan_curve_screen, "64°C"));
}

// A jump into the 10-pixel gap around a neighbour (or beyond it) leaves the
// zone exactly where it was, speed included; a sweep towards a neighbour
// moves the zone until the gap and stops there. The end points never move.
TEST_F(FanPage, a_zone_stops_ten_pixels_short_of_its_neighbours_and_the_end_points_stay) {
  enum Outcome { UNCHANGED, STOPS_SHORT_OF_LEFT, STOPS_SHORT_OF_RIGHT };
  struct Case {
    const char* what;
    uint16_t point;
    int dx_pixels;  // from the target neighbour's point (left or right one)
    bool towards_right;
    int steps;
    Outcome outcome;
  } cases[] = {
      {"a jump to 5 px left of zone 4", 3, -5, true, 1, UNCHANGED},
      {"a jump onto zone 4", 3, 0, true, 1, UNCHANGED},
      {"a jump past zone 2", 3, -20, false, 1, UNCHANGED},
      {"a jump to 9 px right of zone 1", 2, 9, false, 1, UNCHANGED},
      {"a sweep onto zone 4", 3, 0, true, 8, STOPS_SHORT_OF_RIGHT},
      {"a sweep past zone 2", 3, -30, false, 8, STOPS_SHORT_OF_LEFT},
      {"the left end point", 0, 40, true, 8, UNCHANGED},
      {"the right end point", 6, -40, false, 8, UNCHANGED},
  };
  fan_mode = 2;
  build();
  open_editor();
  lv_obj_t* reset_button = lv_obj_get_parent(label_with_text(fan_curve_screen, "Reset"));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    tap(reset_button);  // every case starts from the default curve
    const std::vector<lv_coord_t> xs_before = chart_x(), ys_before = chart_y();
    const uint16_t neighbour = uint16_t(c.towards_right ? LV_MIN(c.point + 1, 6) : LV_MAX(c.point - 1, 0));
    lv_point_t to = point_on_screen(neighbour);
    to.x = lv_coord_t(to.x + c.dx_pixels);
    to.y = lv_coord_t(to.y - 40);  // and up: a refused jump must not move the speed either
    drag_point(c.point, to, c.steps);
    const std::vector<lv_coord_t> xs = chart_x(), ys = chart_y();
    switch (c.outcome) {
      case UNCHANGED:
        EXPECT_EQ(xs, xs_before);
        EXPECT_EQ(ys, ys_before);
        break;
      case STOPS_SHORT_OF_RIGHT:
        EXPECT_LT(xs[c.point], xs[c.point + 1]);
        EXPECT_GE(point_on_screen(uint16_t(c.point + 1)).x - point_on_screen(c.point).x, 10);
        EXPECT_GT(xs[c.point], xs_before[c.point]) << "it did move towards it";
        break;
      case STOPS_SHORT_OF_LEFT:
        EXPECT_GT(xs[c.point], xs[c.point - 1]);
        EXPECT_GE(point_on_screen(c.point).x - point_on_screen(uint16_t(c.point - 1)).x, 10);
        EXPECT_LT(xs[c.point], xs_before[c.point]) << "it did move towards it";
        break;
    }
    // Whatever the drag did, the release committed what the chart shows.
    EXPECT_EQ(fake_hardware.stored["FanZone3Temp"], xs[3]);
    EXPECT_EQ(fake_hardware.stored["FanZone2Temp"], xs[2]);
  }
}

TEST_F(FanPage, zone_speeds_carry_the_end_points_and_clamp_at_the_top_of_the_chart) {
  fan_mode = 2;
  build();
  open_editor();
  lv_area_t c;
  lv_obj_get_coords(chart(), &c);
  // Zone 5 dragged far above the chart, zone 1 below it.
  drag_point(5, {point_on_screen(5).x, lv_coord_t(c.y1 - 80)});
  drag_point(1, {point_on_screen(1).x, lv_coord_t(c.y2 + 60)});
  const std::vector<lv_coord_t> y = chart_y();
  EXPECT_GT(y[5], 100);
  EXPECT_EQ(y[6], y[5]);
  EXPECT_LT(y[1], 0);
  EXPECT_EQ(y[0], y[1]);
  EXPECT_EQ(power_fakes.ec[0x1A], 128);
  EXPECT_EQ(power_fakes.ec[0x12], 0);
  EXPECT_EQ(fake_hardware.stored["FanZone5Speed"], 100);
  EXPECT_EQ(fake_hardware.stored["FanZone1Speed"], 0);
  EXPECT_TRUE(shows(fan_curve_screen, "100%"));
  EXPECT_TRUE(shows(fan_curve_screen, "0%"));
}

TEST_F(FanPage, reset_writes_the_default_curve_and_close_commits_and_returns) {
  fan_mode = 2;
  store_curve({{10, 20, 30, 40, 50}, {30, 40, 50, 60, 70}});
  build();
  open_editor();
  forget_ec_traffic();
  tap(lv_obj_get_parent(label_with_text(fan_curve_screen, "Reset")));
  EXPECT_EQ(ec_writes(), DEFAULT_ZONE_WRITES);
  EXPECT_EQ(fake_hardware.stored["FanZone1Speed"], 40);
  EXPECT_EQ(fake_hardware.stored["FanZone5Temp"], 90);
  EXPECT_TRUE(shows(fan_curve_screen, "115%") == false);
  EXPECT_TRUE(shows(fan_curve_screen, "90%"));

  forget_ec_traffic();
  tap(lv_obj_get_parent(label_with_text(fan_curve_screen, "Close")));
  EXPECT_EQ(ec_writes(), DEFAULT_ZONE_WRITES);
  EXPECT_EQ(lv_scr_act(), main_screen);
  EXPECT_FALSE(fan_curve_editor_open());
}

TEST_F(FanPage, the_editor_shows_the_live_temperature_and_speed_only_while_open) {
  fan_mode = 2;
  build();
  ec_reports(65, 96);  // 75 %, as the default curve runs at 65 C
  fan_readout_tick();
  EXPECT_TRUE(shows(fan_curve_screen, "Temperature: 0°C\nSpeed: 0%")) << "closed: left alone";

  open_editor();
  fan_readout_tick();
  EXPECT_TRUE(shows(fan_curve_screen, "Temperature: 65°C\nSpeed: 75%"));
  EXPECT_TRUE(shows(main_screen, "65°C"));
  // The marker's lines run from the reading (65 C across, 75 % up) to the
  // left and bottom edges of the plot, in the marker's blue.
  display.advance(50);
  lv_area_t plot;
  lv_obj_get_content_coords(chart(), &plot);
  const lv_coord_t x = lv_coord_t(plot.x1 + 65 * lv_area_get_width(&plot) / 100);
  const lv_coord_t y = lv_coord_t(plot.y2 + 1 - 75 * lv_area_get_height(&plot) / 100);
  EXPECT_EQ(display.pixel_rgb(lv_coord_t(plot.x1 + 30), y), 0x2196F3u);
  EXPECT_EQ(display.pixel_rgb(x, lv_coord_t(plot.y2 - 30)), 0x2196F3u);
}

TEST_F(FanPage, stored_zones_outside_0_to_100_are_shown_and_written_held_to_the_range) {
  fan_mode = 2;
  store_curve({{-30, 50, 60, 90, 400}, {-5, 50, 60, 70, 250}});
  build();
  const Writes expected = {{0x12, 0}, {0x13, 0}, {0x14, 64},  {0x15, 50}, {0x16, 76},
                           {0x17, 60}, {0x18, 115}, {0x19, 70}, {0x1A, 128}, {0x1B, 100}};
  EXPECT_EQ(zone_writes(), expected);
  EXPECT_EQ(fake_hardware.stored["FanZone1Speed"], 0);
  EXPECT_EQ(fake_hardware.stored["FanZone1Temp"], 0);
  EXPECT_EQ(fake_hardware.stored["FanZone5Speed"], 100);
  EXPECT_EQ(fake_hardware.stored["FanZone5Temp"], 100);
  EXPECT_EQ(chart_y()[6], 100) << "drawn within the chart";
  EXPECT_EQ(chart_y()[0], 0);
  EXPECT_EQ(chart_x()[5], 100);
  // Zone 1 now stands on the left end point (0 C) and zone 5 on the right
  // one: the editor draws that curve (a segment without width) as well.
  open_editor();
  EXPECT_EQ(chart_x()[1], chart_x()[0]);
}

TEST_F(FanPage, a_chinese_windows_gives_the_chinese_texts) {
  build(0x0804);
  EXPECT_STREQ(lv_dropdown_get_options(dropdown()), "手动\n自动\n自定义");
  for (const char* text : {"分区1", "分区5", "重置", "关闭", "温度 °C", "温度: 0°C\n速度: 0%"}) {
    EXPECT_TRUE(shows(fan_curve_screen, text)) << text;
  }
}

TEST_F(FanPage, a_tier_change_resizes_the_chart_and_icon_box_and_keeps_the_marker_on_its_reading) {
  fan_mode = 2;
  build();
  open_editor();
  ec_reports(65, 96);
  fan_readout_tick();
  fake_hardware.desktop_width = 1280;
  fake_hardware.desktop_height = 800;
  display_changed = 1;
  display_refresh_tick();
  lv_obj_update_layout(chart());
  EXPECT_EQ(lv_obj_get_width(chart()), layout_chart_width);
  EXPECT_EQ(lv_obj_get_height(chart()), layout_chart_height);
  EXPECT_EQ(lv_obj_get_width(lv_obj_get_parent(icon())), layout_fan_icon);
  EXPECT_EQ(lv_img_get_zoom(icon()), layout_zoom);
  EXPECT_EQ(lv_obj_get_style_text_font(label_with_text(fan_curve_screen, "Reset"), LV_PART_MAIN),
            font_normal);
}

}  // namespace
