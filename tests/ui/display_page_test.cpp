// The display page built for real on a test display, driven by simulated
// taps, against a display that takes (or refuses) the modes it is given.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "hardware/display_modes.h"
#include "tests/ui/page_helpers.h"
#include "ui/layout_tiers.h"

namespace {

using page_test::all_of;
using page_test::label_with_text;
using page_test::PanelTest;
using page_test::read_desktop_mode;
using page_test::text_of;

// What Windows might enumerate for the built-in panel in landscape: one size
// twice (two colour depths), a rotated portrait copy, 59 Hz, 1280 x 800,
// a stretched mode, and no 4:3 mode at 50 Hz.
const std::vector<EnumeratedMode> PANEL_MODES = {
    {1920, 1080, 60, 0}, {1920, 1080, 60, 0}, {1080, 1920, 50, 0}, {1280, 720, 60, 0},
    {1280, 720, 40, 0},  {1920, 1080, 59, 0}, {1280, 800, 60, 0},  {1600, 900, 60, 1},
    {1024, 768, 60, 0},  {800, 600, 40, 0},
};

class DisplayPage : public PanelTest {
 protected:
  // Back to no panel and a 1920 x 1080, 60 Hz desktop with PANEL_MODES.
  void reset() override {
    PanelTest::reset();
    fake_hardware.enumerated_modes = PANEL_MODES;
  }

  // The panel's build, as far as this page goes: language, fonts and theme,
  // the mode read at settings load, the screens, the status bar, the page,
  // the main screen loaded; the tests run the first display-refresh tick
  // (first_tick) when they want it, so they can look at the panel before it.
  void build(uint16_t language = 0x0409) {
    start_panel(language, 960, 1080, true);
    read_desktop_mode();
    create_screens();
    build_status_bar(main_screen);
    build_resolution_tile(main_screen);
    build_display_screen();
    show_main_screen();
  }

  // Taps the middle of `obj` as a finger would, after scrolling it into
  // view, and lets screen animations finish.
  void tap(lv_obj_t* obj) {
    ASSERT_NE(obj, nullptr);
    lv_obj_scroll_to_view_recursive(obj, LV_ANIM_OFF);
    page_test::tap(&display, obj, 0.5, 0.5, 600);
  }

  void open_display_screen() {
    std::vector<lv_obj_t*> images = all_of(main_screen, &lv_img_class);
    ASSERT_EQ(images.size(), 1u);
    tap(lv_obj_get_parent(images[0]));
    ASSERT_EQ(lv_scr_act(), display_screen);
  }

  // The 16:9 list (0) or the 4:3 list (1), in the order the tabs hold them.
  lv_obj_t* mode_list(int which) {
    std::vector<lv_obj_t*> lists = all_of(display_screen, &lv_list_class);
    return lists.size() == 2 ? lists[which] : nullptr;
  }

  lv_obj_t* row(int which, size_t index) {
    lv_obj_t* list = mode_list(which);
    return list ? lv_obj_get_child(list, int32_t(index)) : nullptr;
  }

  // Indexes of the ticked rows of a list.
  std::vector<size_t> ticked(int which) {
    std::vector<size_t> rows;
    lv_obj_t* list = mode_list(which);
    for (uint32_t i = 0; list && i < lv_obj_get_child_cnt(list); ++i) {
      if (lv_obj_has_state(lv_obj_get_child(list, int32_t(i)), LV_STATE_CHECKED)) rows.push_back(i);
    }
    return rows;
  }
};

TEST_F(DisplayPage, every_list_child_stands_at_the_index_of_its_entry) {
  build();
  const std::vector<ModeEntry> wide = {{0, 0, 60},       {1920, 1080, 60}, {1920, 1080, 60},
                                       {1280, 720, 60},  {0, 0, 50},       {1920, 1080, 50},
                                       {0, 0, 40},       {1280, 720, 40}};
  const std::vector<ModeEntry> narrow = {{0, 0, 60}, {1024, 768, 60}, {0, 0, 50}, {0, 0, 40},
                                         {800, 600, 40}};
  const std::vector<ModeEntry>* expected[] = {&wide, &narrow};
  for (int which = 0; which < 2; ++which) {
    SCOPED_TRACE(which == 0 ? "16:9" : "4:3");
    lv_obj_t* list = mode_list(which);
    ASSERT_NE(list, nullptr);
    const std::vector<ModeEntry>& entries = *expected[which];
    ASSERT_EQ(lv_obj_get_child_cnt(list), entries.size());
    for (size_t i = 0; i < entries.size(); ++i) {
      lv_obj_t* child = lv_obj_get_child(list, int32_t(i));
      const ModeEntry& e = entries[i];
      char text[32];
      if (is_rate_header(e)) {
        std::snprintf(text, sizeof(text), "%dHz", int(e.refresh));
        EXPECT_TRUE(lv_obj_check_type(child, &lv_list_text_class)) << i;
        EXPECT_EQ(text_of(child), text) << i;
      } else {
        std::snprintf(text, sizeof(text), "   %d X %d", int(e.long_side), int(e.short_side));
        EXPECT_TRUE(lv_obj_check_type(child, &lv_list_btn_class)) << i;
        EXPECT_EQ(std::string(lv_list_get_btn_text(list, child)), text) << i;
        EXPECT_EQ(lv_obj_get_group(child), nullptr) << "mode rows are for the pointer only, " << i;
      }
    }
  }
  // The tab buttons and "Back" stay reachable from the keypad.
  for (const char* text : {"16:9", "4:3", "Back"}) {
    lv_obj_t* label = label_with_text(display_screen, text);
    ASSERT_NE(label, nullptr) << text;
    EXPECT_NE(lv_obj_get_group(lv_obj_get_parent(label)), nullptr) << text;
  }
}

TEST_F(DisplayPage, the_tile_opens_the_display_screen_and_back_returns_to_the_main_screen) {
  build();
  first_tick();
  EXPECT_EQ(text_of(label_with_text(main_screen, "1920 X 1080 60 Hz")), "1920 X 1080 60 Hz");
  open_display_screen();
  EXPECT_NE(label_with_text(display_screen, "1920 X 1080 60Hz"), nullptr);
  tap(lv_obj_get_parent(label_with_text(display_screen, "Back")));
  EXPECT_EQ(lv_scr_act(), main_screen);
  EXPECT_TRUE(fake_hardware.mode_calls.empty());
}

// Taps on rows of the 16:9 list (0) or the 4:3 list (1), then what reached
// set_display_mode and which rows are ticked. The desktop starts at
// 1920 x 1080, 60 Hz.
TEST_F(DisplayPage, a_tap_on_a_mode_row_switches_to_that_mode_and_ticks_it) {
  struct Tap {
    int list;
    size_t row;
  };
  struct Case {
    const char* name;
    bool refuse;
    std::vector<Tap> taps;
    std::vector<ModeCall> calls;
    std::vector<size_t> ticked_16_9, ticked_4_3;
  } cases[] = {
      {"another mode: short side as width", false, {{0, 3}}, {{720, 1280, 60}}, {3}, {}},
      {"the mode in force: ticked, nothing switched", false, {{0, 1}}, {}, {1}, {}},
      {"its second copy is the mode in force too", false, {{0, 2}}, {}, {2}, {}},
      {"a second tap on the ticked row only takes the tick away",
       false, {{0, 3}, {0, 3}}, {{720, 1280, 60}}, {}, {}},
      {"a third tap on the row of the new mode in force switches nothing",
       false, {{0, 3}, {0, 3}, {0, 3}}, {{720, 1280, 60}}, {3}, {}},
      {"one tick per list: the later row takes it",
       false, {{0, 5}, {0, 7}}, {{1080, 1920, 50}, {720, 1280, 40}}, {7}, {}},
      {"the 4:3 list maps its own rows", false, {{1, 4}}, {{600, 800, 40}}, {}, {4}},
      {"a refused mode leaves no tick, and the next tap tries again",
       true, {{0, 3}, {0, 3}}, {{720, 1280, 60}, {720, 1280, 60}}, {}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    reset();
    fake_hardware.refuse_mode_changes = c.refuse;
    build();
    first_tick();
    open_display_screen();
    for (const Tap& t : c.taps) {
      if (t.list == 1) tap(lv_obj_get_parent(label_with_text(display_screen, "4:3")));
      tap(row(t.list, t.row));
      // A switch makes Windows announce the new mode; the window host then
      // sets display_changed and the next display-refresh tick reads it.
      if (!fake_hardware.refuse_mode_changes) display_changed = 1;
      display_refresh_tick();
    }
    ASSERT_EQ(fake_hardware.mode_calls.size(), c.calls.size());
    for (size_t i = 0; i < c.calls.size(); ++i) {
      EXPECT_EQ(fake_hardware.mode_calls[i].width, c.calls[i].width) << i;
      EXPECT_EQ(fake_hardware.mode_calls[i].height, c.calls[i].height) << i;
      EXPECT_EQ(fake_hardware.mode_calls[i].refresh, c.calls[i].refresh) << i;
    }
    EXPECT_EQ(ticked(0), c.ticked_16_9);
    EXPECT_EQ(ticked(1), c.ticked_4_3);
  }
}

TEST_F(DisplayPage, one_refresh_tick_after_a_switch_brings_the_new_mode_and_tier) {
  build();
  lv_obj_t* title = label_with_text(display_screen, "Resolution");
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(lv_obj_get_style_text_font(title, LV_PART_MAIN), font_large)
      << "built in the large font";
  first_tick();
  EXPECT_EQ(lv_obj_get_style_text_font(title, LV_PART_MAIN), font_message);
  open_display_screen();

  tap(row(0, 3));  // 1280 x 720 at 60 Hz
  display_changed = 1;
  display_refresh_tick();

  const int tier = layout_tier_for_width(1280);
  EXPECT_EQ(current_long_side, 1280);
  EXPECT_EQ(layout_tier, tier);
  EXPECT_EQ(layout_ready, 1);
  lv_obj_t* screen_mode = label_with_text(display_screen, "1280 X 720 60Hz");
  lv_obj_t* tile_mode = label_with_text(main_screen, "1280 X 720 60 Hz");
  ASSERT_NE(screen_mode, nullptr);
  ASSERT_NE(tile_mode, nullptr);
  EXPECT_EQ(lv_obj_get_style_text_font(title, LV_PART_MAIN), tier_font(tier, FONT_ROLE_MESSAGE));
  EXPECT_EQ(lv_obj_get_style_text_font(screen_mode, LV_PART_MAIN),
            tier_font(tier, FONT_ROLE_MESSAGE));
  EXPECT_EQ(lv_obj_get_style_text_font(tile_mode, LV_PART_MAIN), tier_font(tier, FONT_ROLE_NORMAL));
  EXPECT_EQ(lv_obj_get_style_text_font(label_with_text(display_screen, "Back"), LV_PART_MAIN),
            tier_font(tier, FONT_ROLE_MESSAGE));
  EXPECT_EQ(lv_obj_get_style_text_font(label_with_text(main_screen, "Vexa Control Center"),
                                       LV_PART_MAIN),
            tier_font(tier, FONT_ROLE_NORMAL));
  std::vector<lv_obj_t*> images = all_of(main_screen, &lv_img_class);
  ASSERT_EQ(images.size(), 1u);
  EXPECT_EQ(lv_img_get_zoom(images[0]), LAYOUT_TIERS[tier].zoom);

  // A later query without a rate (Wine on a bare X server) keeps the rate
  // shown rather than turning it into 0 Hz.
  fake_hardware.desktop_refresh = 0;
  display_changed = 1;
  display_refresh_tick();
  EXPECT_EQ(current_refresh, 60);
  EXPECT_NE(label_with_text(display_screen, "1280 X 720 60Hz"), nullptr);
}

TEST_F(DisplayPage, a_chinese_windows_gives_the_chinese_texts_and_the_same_tabs) {
  build(0x0804);
  first_tick();
  EXPECT_NE(label_with_text(main_screen, "分辨率"), nullptr);
  EXPECT_NE(label_with_text(display_screen, "分辨率"), nullptr);
  EXPECT_NE(label_with_text(display_screen, "返回"), nullptr);
  EXPECT_NE(label_with_text(display_screen, "16:9"), nullptr);
  EXPECT_NE(label_with_text(display_screen, "4:3"), nullptr);
  EXPECT_EQ(label_with_text(display_screen, "Back"), nullptr);
}

}  // namespace
