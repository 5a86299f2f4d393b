// The settings screen and the status bar built for real on a test display,
// driven by simulated taps and drags, against a Windows whose brightness,
// volume, registry and log-on task are recorders.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "hardware/brightness_volume.h"
#include "tests/ui/page_helpers.h"
#include "ui/pages/settings_screen.h"
#include "ui/pages/update_screen.h"
#include "update/autostart.h"

namespace {

using page_test::all_of;
using page_test::centre_of;
using page_test::label_with_text;
using page_test::PanelTest;
using page_test::text_of;

// The last value stored under `name`, or -1.
int32_t last_stored(const std::string& name) {
  int32_t value = -1;
  for (const auto& write : fake_system.stored) {
    if (write.first == name) value = write.second;
  }
  return value;
}

int count_stored(const std::string& name) {
  int count = 0;
  for (const auto& write : fake_system.stored) count += write.first == name;
  return count;
}

class SettingsScreen : public PanelTest {
 protected:
  void reset() override {
    PanelTest::reset();
    layout_ready = 0;
    panel_visible = 1;
    brightness_percent = -1;
    volume_percent = -1;
    opacity_value = 250;
    panel_opacity = 250;
    autostart_wanted = 1;
    fake_system = FakeSystem{};
    use_fake_host_services();
  }

  // The panel's build as far as these pages go: what the settings load reads
  // from Windows and the registry, the screens, every page the panel builds
  // today in its order, the main screen, and the first display-refresh tick
  // (which makes the layout ready).
  void build(uint16_t language = 0x0409) {
    start_panel(language, 960, 1080, true);
    int32_t value = 0;
    if (read_brightness(&value)) brightness_percent = value;
    if (read_volume(&value)) volume_percent = value;
    panel_opacity = opacity_to_alpha(opacity_value);
    create_screens();
    build_status_bar(main_screen);
    build_resolution_tile(main_screen);
    build_display_screen();
    build_update_screen();
    build_settings_screen();
    show_main_screen();
    first_tick();
  }

  // A tap in the middle of `obj`; `settle_ms` lets a screen slide (500 ms)
  // finish. Every 10 ms of it renders a whole frame, so only the tests of
  // the way between the screens wait for slides.
  void tap(lv_obj_t* obj, uint32_t settle_ms = 20) {
    page_test::tap(&display, obj, 0.5, 0.5, settle_ms);
  }

  // The settings screen shown at once, for the tests of what is on it.
  void show_settings() {
    lv_scr_load(settings_screen);
    display.advance(20);
  }

  // The slider whose name label reads `name`, and the value it shows.
  lv_obj_t* slider(const char* name) {
    lv_obj_t* label = label_with_text(settings_screen, name);
    return label ? lv_obj_get_parent(label) : nullptr;
  }
  std::string shown(const char* name) {
    lv_obj_t* s = slider(name);
    return s ? text_of(lv_obj_get_child(s, 1)) : "<none>";
  }

  // Drags across a slider from its middle to `fraction` of its width (may
  // lie outside it) in steps, as a finger would; `lift` lets go at the end.
  void drag(const char* name, double fraction, bool lift = true) {
    lv_obj_t* s = slider(name);
    ASSERT_NE(s, nullptr);
    lv_area_t area;
    lv_obj_get_coords(s, &area);
    const lv_coord_t y = centre_of(s).y;
    const lv_coord_t from = centre_of(s).x;
    const lv_coord_t to = lv_coord_t(area.x1 + fraction * (area.x2 - area.x1));
    display.press(from, y);
    for (int step = 1; step <= 8; ++step) display.move(lv_coord_t(from + (to - from) * step / 8), y);
    if (lift) display.release();
  }

  void sync_ticks(int count) {
    for (int i = 0; i < count; ++i) {
      quick_sliders_sync_tick();
      display.advance(10);
    }
  }
};

TEST_F(SettingsScreen, the_quick_sliders_start_at_what_windows_holds_and_write_nothing_back) {
  struct Case {
    const char* name;
    bool answers;
    int32_t value, at_start;
    const char* label;
  } cases[] = {
      {"Windows answers", true, 40, 40, "40%"},
      {"full volume and brightness", true, 100, 100, "100%"},
      // Nothing read means nothing to re-apply: a 0 sent to Windows would mute
      // the speakers and darken the screen.
      {"Windows does not answer", false, 40, 0, "0%"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    reset();
    fake_system.volume_answers = fake_system.brightness_answers = c.answers;
    fake_system.volume = fake_system.brightness = c.value;
    build();
    for (const char* name : {"Volume", "Brightness"}) {
      ASSERT_NE(slider(name), nullptr) << name;
      EXPECT_EQ(lv_slider_get_value(slider(name)), c.at_start) << name;
      EXPECT_EQ(shown(name), c.label) << name;
    }
    EXPECT_TRUE(fake_system.volume_writes.empty());
    EXPECT_TRUE(fake_system.brightness_writes.empty());
  }
}

TEST_F(SettingsScreen, the_opacity_slider_bounds_the_stored_value_applies_it_and_stores_it) {
  struct Case {
    int32_t stored, alpha_at_load, alpha_after_build;
    const char* label;
  } cases[] = {
      {50, 60, 70, "10%"},    {65, 60, 70, "10%"},     {70, 70, 70, "10%"},
      {160, 160, 160, "55%"}, {250, 250, 250, "100%"}, {251, 250, 250, "100%"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored);
    reset();
    opacity_value = c.stored;
    EXPECT_EQ(opacity_to_alpha(c.stored), c.alpha_at_load);
    build();
    EXPECT_EQ(shown("Opacity"), c.label);
    EXPECT_EQ(panel_opacity, c.alpha_after_build);
    ASSERT_FALSE(fake_system.window_alphas.empty());
    EXPECT_EQ(fake_system.window_alphas.back(), c.alpha_after_build);
    EXPECT_EQ(opacity_value, c.alpha_after_build);
    EXPECT_EQ(last_stored("Opacity"), c.alpha_after_build);
  }
}

TEST_F(SettingsScreen, dragging_the_opacity_slider_to_its_left_end_shows_10_percent_and_alpha_70) {
  build();
  show_settings();
  const int stores_before = count_stored("Opacity");
  drag("Opacity", -0.2);
  EXPECT_EQ(shown("Opacity"), "10%");
  EXPECT_EQ(panel_opacity, 70);
  EXPECT_EQ(fake_system.window_alphas.back(), 70);
  EXPECT_EQ(last_stored("Opacity"), 70);
  EXPECT_GT(count_stored("Opacity") - stores_before, 1) << "every step of the drag is stored";
}

// After the build (Windows at volume 40, brightness 70), something outside
// the panel changes Windows; then one sync tick.
TEST_F(SettingsScreen, the_sync_moves_a_slider_to_an_outside_change_while_the_panel_is_shown) {
  struct Case {
    const char* name;
    bool visible;
    bool brightness_answers;
    int32_t volume, brightness;
    int32_t volume_shown, brightness_shown;
  } cases[] = {
      {"both changed", true, true, 55, 20, 55, 20},
      {"only the volume changed", true, true, 12, 70, 12, 70},
      {"the panel is hidden", false, true, 55, 20, 40, 70},
      // No provider answering (an external display) is no reason to show 0.
      {"the brightness provider stops answering", true, false, 40, 0, 40, 70},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    reset();
    fake_system.volume = 40;
    fake_system.brightness = 70;
    build();
    show_settings();
    panel_visible = c.visible ? 1 : 0;
    fake_system.volume = c.volume;
    fake_system.brightness = c.brightness;
    fake_system.brightness_answers = c.brightness_answers;
    sync_ticks(1);
    EXPECT_EQ(lv_slider_get_value(slider("Volume")), c.volume_shown);
    EXPECT_EQ(shown("Volume"), std::to_string(c.volume_shown) + "%");
    EXPECT_EQ(lv_slider_get_value(slider("Brightness")), c.brightness_shown);
    EXPECT_EQ(shown("Brightness"), std::to_string(c.brightness_shown) + "%");
    EXPECT_TRUE(fake_system.volume_writes.empty()) << "an outside change is not written back";
    EXPECT_TRUE(fake_system.brightness_writes.empty());
  }
}

TEST_F(SettingsScreen, a_device_that_does_not_answer_is_asked_again_every_two_seconds) {
  fake_system.volume_answers = false;
  build();
  sync_ticks(1);
  const int reads = fake_system.volume_reads;
  sync_ticks(19);
  EXPECT_EQ(fake_system.volume_reads, reads) << "no reads while waiting";
  fake_system.volume_answers = true;
  fake_system.volume = 65;
  sync_ticks(2);
  EXPECT_EQ(fake_system.volume_reads, reads + 1);
  EXPECT_EQ(lv_slider_get_value(slider("Volume")), 65);
  EXPECT_EQ(shown("Volume"), "65%");
}

TEST_F(SettingsScreen, a_slider_under_a_finger_is_not_moved_by_the_sync) {
  fake_system.volume = 40;
  build();
  show_settings();
  drag("Volume", 0.8, false);
  const int32_t under_finger = lv_slider_get_value(slider("Volume"));
  ASSERT_GT(under_finger, 60);
  EXPECT_EQ(fake_system.volume, under_finger) << "the drag reached Windows";
  fake_system.volume = 10;  // a volume key pressed meanwhile
  sync_ticks(1);
  EXPECT_EQ(lv_slider_get_value(slider("Volume")), under_finger);
  display.release();
  sync_ticks(1);
  EXPECT_EQ(lv_slider_get_value(slider("Volume")), 10);
}

// A drag from the middle to the right end; Windows takes the values or
// refuses them (Wine's endpoint cannot be set).
TEST_F(SettingsScreen, a_drag_reaches_windows_and_a_refused_value_springs_back_on_release) {
  struct Case {
    const char* name;
    bool refuse;
    int32_t windows_after, shown_after;
  } cases[] = {
      {"taken", false, 100, 100},
      {"refused", true, 40, 40},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    reset();
    fake_system.volume = 40;
    fake_system.volume_refuses_writes = c.refuse;
    build();
    show_settings();
    drag("Volume", 1.2);
    EXPECT_GT(fake_system.volume_writes.size(), 1u) << "every step goes to Windows";
    EXPECT_EQ(fake_system.volume_writes.back(), 100);
    EXPECT_EQ(fake_system.volume, c.windows_after);
    EXPECT_EQ(lv_slider_get_value(slider("Volume")), c.shown_after);
    EXPECT_EQ(shown("Volume"), std::to_string(c.shown_after) + "%");
  }
}

TEST_F(SettingsScreen, the_autostart_switch_stores_the_choice_and_brings_the_log_on_task_in_line) {
  struct Case {
    int32_t stored;
    int taps;
    bool checked;
    std::vector<std::string> task_calls;
    int32_t stored_after;
  } cases[] = {
      {1, 0, true, {"register"}, 1},
      {0, 0, false, {"remove"}, 0},
      {1, 1, false, {"register", "remove"}, 0},
      {1, 2, true, {"register", "remove", "register"}, 1},
      {0, 1, true, {"remove", "register"}, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.stored << " then " << c.taps << " taps");
    reset();
    autostart_wanted = c.stored;
    build();
    show_settings();
    std::vector<lv_obj_t*> switches = all_of(settings_screen, &lv_switch_class);
    ASSERT_EQ(switches.size(), 1u);
    for (int i = 0; i < c.taps; ++i) tap(switches[0]);
    EXPECT_EQ(lv_obj_has_state(switches[0], LV_STATE_CHECKED), c.checked);
    EXPECT_EQ(fake_system.task_calls, c.task_calls);
    EXPECT_EQ(autostart_wanted, c.stored_after);
    EXPECT_EQ(last_stored("AutoStart"), c.stored_after);
  }
}

// The performance page's cog opens the screen (its own test taps it).
TEST_F(SettingsScreen, check_update_stays_and_back_returns_to_the_main_screen) {
  build();
  open_sub_screen(settings_screen);
  display.advance(600);
  ASSERT_EQ(lv_scr_act(), settings_screen);
  EXPECT_NE(label_with_text(settings_screen, "Vexa Control Center\nV2.0.9.0"), nullptr);
  tap(lv_obj_get_parent(label_with_text(settings_screen, "Check Update")));
  EXPECT_EQ(lv_scr_act(), settings_screen) << "the update check comes with the updater";
  tap(lv_obj_get_parent(label_with_text(settings_screen, "Back")), 600);
  EXPECT_EQ(lv_scr_act(), main_screen);
}

TEST_F(SettingsScreen, a_chinese_windows_gives_the_chinese_texts) {
  build(0x0804);
  for (const char* text : {"Vexa 控制中心\nV2.0.9.0", "检查更新", "开机启动TMX", "声音", "亮度",
                           "透明度", "返回"}) {
    EXPECT_NE(label_with_text(settings_screen, text), nullptr) << text;
  }
  for (const char* text : {"可用更新", "更新说明：", "下载", "稍后"}) {
    EXPECT_NE(label_with_text(update_screen, text), nullptr) << text;
  }
  EXPECT_EQ(label_with_text(settings_screen, "Back"), nullptr);
}

TEST_F(SettingsScreen, the_status_bar_shows_time_network_and_battery_once_the_layout_is_ready) {
  fake_system.status.hour = 9;
  fake_system.status.minute = 5;
  fake_system.status.battery_percent = 5;
  fake_system.status.battery_flag = 0x08;
  fake_system.status.connected = true;
  build();
  // The first layout fills the bar at once, not a tick later.
  EXPECT_NE(label_with_text(main_screen, "09:05"), nullptr);
  fake_system.status.minute = 4;
  layout_ready = 0;
  status_bar_tick();
  EXPECT_NE(label_with_text(main_screen, "09:05"), nullptr) << "nothing without a layout";
  layout_ready = 1;
  fake_system.status.minute = 5;
  status_bar_tick();
  EXPECT_NE(label_with_text(main_screen, "09:05"), nullptr);
  EXPECT_NE(label_with_text(main_screen, LV_SYMBOL_WIFI " " LV_SYMBOL_CHARGE "   5%"), nullptr);
  fake_system.status.connected = false;
  fake_system.status.minute = 6;
  status_bar_tick();
  EXPECT_NE(label_with_text(main_screen, "09:06"), nullptr);
  EXPECT_NE(label_with_text(main_screen, " " LV_SYMBOL_CHARGE "   5%"), nullptr);

  // Hidden, the tick asks nothing; the refresh as the panel shows again does.
  panel_visible = 0;
  fake_system.status.minute = 7;
  status_bar_tick();
  EXPECT_NE(label_with_text(main_screen, "09:06"), nullptr);
  status_bar_refresh();
  EXPECT_NE(label_with_text(main_screen, "09:07"), nullptr);
}

}  // namespace
