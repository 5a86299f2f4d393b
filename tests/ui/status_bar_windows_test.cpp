// The status bar's read-out under Wine with the real Windows calls: the
// clock label against this test's own GetLocalTime, the battery and network
// text against its own power status and network list.
#include <windows.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "hardware/hardware_state.h"
#include "test_display.h"
#include "ui/language.h"
#include "ui/layout.h"
#include "ui/panel_state.h"
#include "ui/pages/status_bar.h"
#include "ui/screens.h"

namespace {

void collect_labels(lv_obj_t* root, std::vector<std::string>* texts) {
  for (uint32_t i = 0; i < lv_obj_get_child_cnt(root); ++i) {
    lv_obj_t* child = lv_obj_get_child(root, int32_t(i));
    if (lv_obj_check_type(child, &lv_label_class)) texts->push_back(lv_label_get_text(child));
    collect_labels(child, texts);
  }
}

std::string hh_mm(const SYSTEMTIME& time) {
  char text[8];
  std::snprintf(text, sizeof(text), "%02d:%02d", int(time.wHour), int(time.wMinute));
  return text;
}

TEST(StatusBarUnderWine, the_clock_shows_windows_local_time_and_the_battery_its_percentage) {
  CoInitializeEx(nullptr, COINIT_MULTITHREADED);
  TestDisplay display;
  display.start(960, 1080);
  decide_ui_language();
  use_initial_fonts();
  create_screens();
  build_status_bar(main_screen);
  lv_scr_load(main_screen);
  layout_ready = 1;
  panel_visible = 1;

  SYSTEMTIME before, after;
  GetLocalTime(&before);
  status_bar_tick();
  GetLocalTime(&after);
  std::vector<std::string> texts;
  collect_labels(main_screen, &texts);
  bool clock_found = false;
  for (const std::string& text : texts) clock_found |= text == hh_mm(before) || text == hh_mm(after);
  EXPECT_TRUE(clock_found) << "expected " << hh_mm(before) << " or " << hh_mm(after);

  SYSTEM_POWER_STATUS power;
  ASSERT_TRUE(GetSystemPowerStatus(&power));
  const unsigned percent = power.BatteryLifePercent > 100 ? 100u : power.BatteryLifePercent;
  char tail[8];
  std::snprintf(tail, sizeof(tail), "%3u%%", percent);
  bool battery_found = false;
  for (const std::string& text : texts) {
    battery_found |= text.size() > 4 && text.compare(text.size() - 4, 4, tail) == 0;
  }
  EXPECT_TRUE(battery_found) << "a status text ending in '" << tail << "'";
  display.stop();
  CoUninitialize();
}

}  // namespace
