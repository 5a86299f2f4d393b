// Showing and hiding: requests from other threads and the fade that the
// toolkit thread runs, step by step.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "shell/command_line.h"
#include "shell/panel_fade.h"

namespace {

// Runs passes until the fade rests (at most 30), taking `request` on the first.
std::vector<int> run_fade(PanelFade* fade, int32_t request) {
  std::vector<int> steps;
  for (int pass = 0; pass < 30; ++pass) {
    panel_fade_pass(fade, pass == 0 ? request : PANEL_REQUEST_NONE);
    steps.push_back(fade->step);
    if (fade->running == 0) break;
  }
  return steps;
}

TEST(PanelFade, requests_move_the_fade_from_where_it_is) {
  struct Case {
    const char* what;
    PanelFade start;
    int32_t request;
    bool visible;
    uint8_t final_step;
    size_t passes;
  } cases[] = {
      {"show from hidden", {0, 0, false}, PANEL_REQUEST_SHOW, true, 10, 10},
      {"hide from shown", {10, 0, true}, PANEL_REQUEST_HIDE, false, 0, 10},
      {"hide during a fade-in at step 4 fades out from 4", {4, 1, true}, PANEL_REQUEST_HIDE, false,
       0, 4},
      {"toggle when shown hides", {10, 0, true}, PANEL_REQUEST_TOGGLE, false, 0, 10},
      {"toggle during a fade is ignored", {4, 1, true}, PANEL_REQUEST_TOGGLE, true, 10, 6},
      {"show of a shown panel ends at once", {10, 1, true}, PANEL_REQUEST_SHOW, true, 10, 1},
      {"hide of a hidden panel ends at once", {0, 0, false}, PANEL_REQUEST_HIDE, false, 0, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    PanelFade fade = c.start;
    std::vector<int> steps = run_fade(&fade, c.request);
    EXPECT_EQ(fade.visible, c.visible);
    EXPECT_EQ(fade.step, c.final_step);
    EXPECT_EQ(fade.running, 0) << "the fade comes to rest, so the hotkey works again";
    EXPECT_EQ(steps.size(), c.passes);
  }
}

TEST(PanelFade, drawing_stops_at_full_transparency_and_resumes_before_the_first_visible_step) {
  PanelFade fade{10, 0, true};
  std::vector<std::string> effects;
  for (int pass = 0; pass < 25; ++pass) {
    int32_t request = pass == 0 ? PANEL_REQUEST_HIDE : pass == 12 ? PANEL_REQUEST_SHOW : 0;
    FadeEffects e = panel_fade_pass(&fade, request);
    if (e.stop_drawing) effects.push_back("stop at " + std::to_string(fade.step));
    if (e.start_drawing) effects.push_back("start, then step " + std::to_string(fade.step));
    if (e.z == Z_BOTTOM) effects.push_back("bottom");
  }
  EXPECT_EQ(effects, (std::vector<std::string>{"stop at 0", "bottom", "start, then step 1"}));
}

// A request posted from another thread between a pass reading and clearing
// it would be lost if the toolkit thread read and then cleared it; taking it
// with an exchange keeps every request for some pass.
TEST(PanelFade, no_request_posted_during_passes_is_lost) {
  panel_request = PANEL_REQUEST_NONE;
  PanelFade fade{0, 0, false};
  std::atomic<bool> posted_all{false};
  const int requests = 2000;
  std::atomic<int> taken{0};
  std::thread poster([&] {
    for (int i = 0; i < requests; ++i) {
      // Wait until the previous one was taken, so each is a separate request.
      while (panel_request.load() != PANEL_REQUEST_NONE) std::this_thread::yield();
      post_panel_request(i % 2 ? PANEL_REQUEST_HIDE : PANEL_REQUEST_SHOW);
    }
    posted_all = true;
  });
  while (!posted_all || panel_request.load() != PANEL_REQUEST_NONE) {
    int32_t request = panel_request.exchange(PANEL_REQUEST_NONE);
    if (request != PANEL_REQUEST_NONE) ++taken;
    panel_fade_pass(&fade, request);
  }
  poster.join();
  EXPECT_EQ(taken.load(), requests);
  EXPECT_FALSE(fade.visible) << "the last request was a hide";
}

TEST(CommandLine, only_a_whole_hide_argument_starts_hidden) {
  struct Case {
    std::vector<const wchar_t*> argv;
    bool hidden;
  } cases[] = {
      {{L"C:\\Program Files\\ZEV\\TMX\\Vexa.Control.Center.exe", L"-hide"}, true},
      {{L"Vexa.Control.Center.exe", L"-HIDE"}, true},
      {{L"Vexa.Control.Center.exe", L"-Hide", L"extra"}, true},
      {{L"C:\\games-hide\\Vexa.Control.Center.exe"}, false},
      {{L"C:\\x\\-hide"}, false},
      {{L"Vexa.Control.Center.exe", L"-hidden"}, false},
      {{L"Vexa.Control.Center.exe", L"x-hide"}, false},
      {{L"Vexa.Control.Center.exe", L"hide"}, false},
      {{L"Vexa.Control.Center.exe"}, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(has_hide_switch(int(c.argv.size()), c.argv.data()), c.hidden)
        << std::wstring(c.argv.back()).size();
  }
}

}  // namespace
