// The frame-rate limiter panel built for real on a test display, tapped like
// a finger would, against a stand-in RTSS that records every limit and can
// be held the way a starting RTSS holds a call.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "hardware/fps_limiter.h"
#include "tests/hardware/rtss_requests_fake.h"
#include "tests/power/power_fakes.h"
#include "tests/ui/page_helpers.h"
#include "ui/layout_tiers.h"
#include "ui/pages/fps_panel.h"

namespace {

using namespace page_test;
using Limits = std::vector<int32_t>;

const char* const OFF = "FPS Limiter\nDisabled";
const char* const ON = "FPS Limiter\nEnabled";
const char* const MISSING = "RTSS\nNot installed";
constexpr int32_t PROBE = -1;

class FpsPanel : public PanelTest {
 protected:
  void reset() override {
    PanelTest::reset();
    power_fakes.reset();
    // Let a request still running from the last case finish before the
    // stand-in is cleared.
    rtss_fake.set_hold(false);
    const int32_t probe[] = {PROBE};
    uint8_t ignored = 0;
    wait_for_request(request_rtss_limits(probe, 1), &ignored);
    rtss_fake.reset();
    BoardModel = 1;
    rtss_status = RTSS_DONE;
  }

  void build(int32_t mode, int32_t value, uint16_t language = 0x0409) {
    fps_mode = mode;
    fps_value = value;
    build_panel(language);
    limiter_switch = the_one(main_screen, &lv_switch_class);
    slider = the_one(main_screen, &lv_slider_class);
    ASSERT_NE(limiter_switch, nullptr);
    ASSERT_NE(slider, nullptr);
    caption = lv_obj_get_child(lv_obj_get_parent(limiter_switch), 1);
    ASSERT_TRUE(lv_obj_check_type(caption, &lv_label_class));
  }

  // Until every limit handed to RTSS so far has come back and the caption
  // shows the outcome: a probe request of the test's own finishes after
  // them (requests run in order), and the result timer polls every 20 ms.
  bool settle() {
    const int32_t probe[] = {PROBE};
    uint8_t ignored = 0;
    if (!wait_for_request(request_rtss_limits(probe, 1), &ignored)) return false;
    display.advance(60);
    return true;
  }

  // What the panel sent, without the probes.
  Limits limits() {
    Limits sent;
    for (int32_t limit : rtss_fake.recorded()) {
      if (limit != PROBE) sent.push_back(limit);
    }
    return sent;
  }

  lv_obj_t* limiter_switch = nullptr;
  lv_obj_t* slider = nullptr;
  lv_obj_t* caption = nullptr;
};

TEST_F(FpsPanel, the_stored_limit_reaches_rtss_at_start_only_when_the_limiter_is_on) {
  const struct {
    const char* name;
    int32_t mode, value;
    Limits sent;
    const char* caption;
    const char* label;
    bool slider_enabled;
  } cases[] = {
      {"off at 45: 45, then no limit", 0, 45, {45, 0}, OFF, "45 FPS", false},
      {"on at 45: 45 twice from the switch, then the slider's 45", 1, 45, {45, 45, 45}, ON,
       "45 FPS", true},
      {"a stored 100 is shown as the slider's 60 and 60 is what stays", 1, 100, {100, 100, 60}, ON,
       "60 FPS", true},
      {"a stored 3 becomes 10", 0, 3, {3, 0}, OFF, "10 FPS", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    reset();
    build(c.mode, c.value);
    ASSERT_TRUE(settle());
    EXPECT_EQ(limits(), c.sent);
    EXPECT_EQ(text_of(caption), c.caption);
    EXPECT_NE(label_with_text(slider, c.label), nullptr);
    EXPECT_EQ(!disabled(slider), c.slider_enabled);
    EXPECT_EQ(lv_obj_has_state(limiter_switch, LV_STATE_CHECKED), c.mode != 0);
  }
}

TEST_F(FpsPanel, the_switch_sends_the_limit_and_then_the_limit_or_none_and_shows_the_outcome) {
  const struct {
    const char* name;
    int32_t mode_before;
    int board;
    std::map<int32_t, uint8_t> rtss_answers;
    Limits sent;
    const char* caption;
    int32_t stored_mode;
  } cases[] = {
      {"turning off at 45: 45 then 0", 1, 1, {}, {45, 0}, OFF, 0},
      {"turning on at 45: 45 twice", 0, 1, {}, {45, 45}, ON, 1},
      {"RTSS not there: not installed", 0, 1, {{45, RTSS_NOT_RUNNING}}, {45, 45}, MISSING, 1},
      {"only the second call counts", 1, 1, {{45, RTSS_NOT_RUNNING}}, {45, 0}, OFF, 0},
      {"an unknown board leaves RTSS alone", 1, 0, {{45, RTSS_NOT_RUNNING}, {0, 2}}, {}, OFF, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    reset();
    build(c.mode_before, 45);
    ASSERT_TRUE(settle());
    rtss_fake.reset();
    rtss_fake.status_for = c.rtss_answers;
    BoardModel = c.board;
    fake_hardware.store_calls.clear();

    tap(&display, limiter_switch);
    ASSERT_TRUE(settle());
    EXPECT_EQ(limits(), c.sent);
    EXPECT_EQ(text_of(caption), c.caption);
    // Through the storing rule (store_committed_setting), as a profile may
    // take it one day.
    EXPECT_EQ(fake_hardware.store_calls,
              std::vector<std::string>{"FPSMode " + std::to_string(c.stored_mode)});
    EXPECT_EQ(disabled(slider), c.stored_mode == 0);
  }
}

TEST_F(FpsPanel, letting_go_of_the_slider_sends_its_value_and_stores_it) {
  build(1, 60);
  ASSERT_TRUE(settle());
  rtss_fake.reset();
  fake_hardware.store_calls.clear();

  ASSERT_TRUE(tap_slider_to(&display, slider, 30));
  ASSERT_TRUE(settle());
  EXPECT_EQ(fps_value, 30);
  EXPECT_NE(label_with_text(slider, "30 FPS"), nullptr);
  ASSERT_FALSE(limits().empty());
  EXPECT_EQ(limits().back(), 30);
  EXPECT_EQ(applied_fps_limit, 30);
  EXPECT_EQ(fake_hardware.stored["FPSValue"], 30);
  EXPECT_EQ(text_of(caption), ON);

  // The limiter off: the slider is disabled and a tap changes nothing.
  tap(&display, limiter_switch);
  ASSERT_TRUE(settle());
  rtss_fake.reset();
  fake_hardware.store_calls.clear();
  tap(&display, slider, 0.9);
  ASSERT_TRUE(settle());
  EXPECT_TRUE(limits().empty());
  EXPECT_TRUE(fake_hardware.store_calls.empty());
  EXPECT_EQ(fps_value, 30);
}

TEST_F(FpsPanel, the_panel_keeps_answering_while_rtss_is_being_started) {
  build(0, 45);
  ASSERT_TRUE(settle());
  rtss_fake.reset();
  rtss_fake.set_hold(true);  // RTSS starting: the first call takes its time

  tap(&display, limiter_switch);  // returns although RTSS has not answered
  ASSERT_TRUE(rtss_fake.wait_for_held_call());
  display.advance(300);
  EXPECT_EQ(text_of(caption), OFF) << "the caption waits for RTSS's answer";
  EXPECT_TRUE(lv_obj_has_state(limiter_switch, LV_STATE_CHECKED));
  EXPECT_EQ(fake_hardware.stored["FPSMode"], 1) << "the choice is stored at once";

  // The slider moves and shows its value meanwhile.
  ASSERT_TRUE(tap_slider_to(&display, slider, 20));
  EXPECT_NE(label_with_text(slider, "20 FPS"), nullptr);

  rtss_fake.set_hold(false);
  ASSERT_TRUE(settle());
  EXPECT_EQ(text_of(caption), ON);
  ASSERT_GE(limits().size(), 3u);
  EXPECT_EQ(limits()[0], 45);
  EXPECT_EQ(limits()[1], 45);
  EXPECT_EQ(limits().back(), 20) << "the slider's limit comes after the switch's";
}

TEST_F(FpsPanel, a_chinese_windows_gives_the_chinese_captions) {
  const struct {
    int32_t mode;
    std::map<int32_t, uint8_t> answers;
    const char* caption;
  } cases[] = {
      {1, {}, "帧率限制\n打开"},
      {0, {}, "帧率限制\n关闭"},
      {1, {{45, RTSS_NOT_RUNNING}}, "RTSS\n没有安装"},
  };
  for (const auto& c : cases) {
    reset();
    rtss_fake.status_for = c.answers;
    build(c.mode, 45, 0x0804);
    ASSERT_TRUE(settle());
    EXPECT_EQ(text_of(caption), c.caption);
  }
}

TEST_F(FpsPanel, a_new_tier_gives_the_caption_and_the_limit_its_normal_font) {
  build(0, 45);
  ASSERT_TRUE(settle());
  lv_obj_t* limit = label_with_text(slider, "45 FPS");
  ASSERT_NE(limit, nullptr);
  for (int32_t width : {1920, 1280, 800}) {
    SCOPED_TRACE(width);
    fake_hardware.desktop_width = uint32_t(width);
    fake_hardware.desktop_height = uint32_t(width * 9 / 16);
    display_changed = 1;
    display_refresh_tick();
    const lv_font_t* normal = tier_font(layout_tier_for_width(width), FONT_ROLE_NORMAL);
    EXPECT_EQ(lv_obj_get_style_text_font(caption, LV_PART_MAIN), normal);
    EXPECT_EQ(lv_obj_get_style_text_font(limit, LV_PART_MAIN), normal);
  }
}

}  // namespace
