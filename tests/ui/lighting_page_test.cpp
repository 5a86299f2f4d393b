// The lighting tile and screen built for real on a test display and tapped
// like a finger would, against the recording EC of the power tests and a
// registry that records every value stored.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "hardware/lighting.h"
#include "tests/power/power_fakes.h"
#include "tests/ui/page_helpers.h"
#include "ui/layout_tiers.h"
#include "ui/lighting_colour.h"
#include "ui/pages/lighting_page.h"

namespace {

using namespace page_test;
using Journal = std::vector<std::string>;

constexpr int32_t RED = int32_t(0xFFFF0000);
constexpr int32_t CYAN = int32_t(0xFF00FFFF);

TEST(StrengthScaledColour, the_strength_replaces_the_brightness_and_keeps_hue_and_saturation) {
  const struct {
    uint32_t colour;
    int32_t strength;
    uint32_t scaled;
  } cases[] = {
      {0xFFFF0000, 50, 0xFF7F0000},   // 50 % of 255 is 127
      {0xFFFF0000, 100, 0xFFFF0000},  // full strength: the colour itself
      {0xFFFF0000, 0, 0xFF000000},    // no strength: black
      {0xFF800000, 100, 0xFFFF0000},  // a dark red at full strength is full red
      {0xFFFF0000, 20, 0xFF330000},   // 20 % of 255 is 51
      {0xFFFF0000, 1, 0xFF020000},    // 2.55 is cut to 2
      {0xFFFFFFFF, 50, 0xFF7F7F7F},   // white dims to grey
      {0xFF404040, 100, 0xFFFFFFFF},  // and a grey brightens to white
      {0xFF000000, 100, 0xFFFFFFFF},  // black has no hue: grey at the strength
      {0xFF804020, 0, 0xFF000000},
      {0xFF804020, 100, 0xFFFF7F3F},  // a dark orange at full strength
      {0x00FF0000, 50, 0xFF7F0000},   // an alpha byte of 0 changes nothing
      {0xFFFF0000, 130, 0xFFFF0000},  // strengths beyond 0..100 are bounded
      {0xFFFF0000, -5, 0xFF000000},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << std::hex << c.colour << " at " << std::dec << c.strength);
    EXPECT_EQ(strength_scaled_colour(c.colour, c.strength), c.scaled);
  }
}

class LightingPage : public PanelTest {
 protected:
  void reset() override {
    PanelTest::reset();
    power_fakes.reset();
    // A board as start_backend leaves it: recognised, lighting ready, the
    // colour cache black.
    BoardModel = 1;
    lighting_ready = 1;
    rgb_cache[0] = rgb_cache[1] = rgb_cache[2] = 0;
    // The smallest tier: the wheel is the costliest thing to draw, and
    // every tier behaves alike (the tier test goes through them).
    fake_hardware.desktop_width = 700;
    fake_hardware.desktop_height = 394;
  }

  void build(int32_t mode, int32_t value, int32_t strength, uint16_t language = 0x0409) {
    rgb_mode = mode;
    rgb_value = value;
    rgb_strength = strength;
    build_panel(language);
    wheel = the_one(lighting_screen, &lv_colorwheel_class);
    slider = the_one(lighting_screen, &lv_slider_class);
    dropdown = the_one(lighting_screen, &lv_dropdown_class);
    ASSERT_NE(wheel, nullptr);
    ASSERT_NE(slider, nullptr);
    ASSERT_NE(dropdown, nullptr);
  }

  // The tile's button: the first child of the panel its caption is on.
  void open_screen() {
    lv_obj_t* caption = label_with_text(main_screen, tr("Lighting", "灯光"));
    ASSERT_NE(caption, nullptr);
    tap(&display, lv_obj_get_child(lv_obj_get_parent(caption), 0), 0.5, 0.5, 600);
    ASSERT_EQ(lv_scr_act(), lighting_screen);
  }

  // Opens the drop-down and taps the option at `index`.
  void choose_mode(uint16_t index) {
    tap(&display, dropdown);
    lv_obj_t* list = lv_dropdown_get_list(dropdown);
    ASSERT_NE(list, nullptr);
    lv_obj_t* options = lv_obj_get_child(list, 0);
    ASSERT_NE(options, nullptr);
    const double count = lv_dropdown_get_option_cnt(dropdown);
    tap(&display, options, 0.5, (index + 0.5) / count);
    ASSERT_EQ(lv_dropdown_get_selected(dropdown), index);
  }

  // Taps the wheel's ring at a hue angle (0 at the bottom, turning towards
  // the right, as the wheel is drawn).
  void tap_wheel_at(int degrees) {
    lv_obj_update_layout(wheel);
    lv_area_t area;
    lv_obj_get_coords(wheel, &area);
    const double r = (area.x2 - area.x1) / 2.0;
    const double ring = lv_obj_get_style_arc_width(wheel, LV_PART_MAIN);
    const double radians = degrees * 3.14159265358979 / 180.0;
    const double cx = area.x1 + r, cy = area.y1 + r, along = r - ring / 2;
    display.click(lv_coord_t(cx + along * std::sin(radians)),
                  lv_coord_t(cy + along * std::cos(radians)));
    display.advance(100);
  }

  // The lighting registers' traffic in order, as "r B3" (a read) and
  // "w B0=7F" (a write); other pages' EC and RyzenAdj lines left out.
  Journal journal() {
    Journal lighting;
    for (const std::string& line : power_fakes.lines("ec ")) {
      unsigned reg = 0, value = 0;
      char text[16];
      if (std::sscanf(line.c_str(), "ec read 0x%x", &reg) == 1) {
        std::snprintf(text, sizeof(text), "r %02X", reg);
      } else if (std::sscanf(line.c_str(), "ec 0x%x=%u", &reg, &value) == 2) {
        std::snprintf(text, sizeof(text), "w %02X=%02X", reg, value);
      } else {
        continue;
      }
      if (reg >= 0xB0 && reg <= 0xB3) lighting.push_back(text);
    }
    return lighting;
  }
  // The lighting's registry writes, in order, as "RGBMode =1" (plain
  // store_setting; the limiter panel stores its own).
  std::vector<std::string> stored() {
    std::vector<std::string> ours;
    for (const std::string& call : fake_hardware.store_calls) {
      if (call.compare(0, 3, "RGB") == 0) ours.push_back(call);
    }
    return ours;
  }
  void forget() {
    power_fakes.trace.clear();
    fake_hardware.store_calls.clear();
  }

  lv_obj_t* wheel = nullptr;
  lv_obj_t* slider = nullptr;
  lv_obj_t* dropdown = nullptr;
};

TEST_F(LightingPage, the_stored_lighting_reaches_the_ec_at_start_mode_first) {
  const struct {
    const char* name;
    int32_t mode, value, strength;
    Journal sent;
    std::vector<std::string> stored;
    const char* tile_mode;
    const char* strength_text;
  } cases[] = {
      {"automatic: the EC's own lighting, nothing else", 0, RED, 50, {"w B3=00"}, {"RGBMode =0"},
       "Auto", "50%"},
      {"red at half strength: the cached black shown, then the colour with its latch",
       1, RED, 50,
       {"w B0=00", "w B1=00", "w B2=00", "w B3=AA", "r B3", "w B3=55", "w B0=7F", "w B1=00",
        "w B2=00", "w B3=AA"},
       {"RGBMode =1", "RGBValue =" + std::to_string(RED), "RGBValue =" + std::to_string(RED),
        "RGBStrength =50", "RGBValue =" + std::to_string(RED)},
       "Manual", "50%"},
      {"no stored colour: the wheel's red is taken and stored", 1, 0, 100,
       {"w B0=00", "w B1=00", "w B2=00", "w B3=AA", "r B3", "w B3=55", "w B0=FF", "w B1=00",
        "w B2=00", "w B3=AA"},
       {"RGBMode =1", "RGBValue =" + std::to_string(RED), "RGBValue =" + std::to_string(RED),
        "RGBStrength =100", "RGBValue =" + std::to_string(RED)},
       "Manual", "100%"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    reset();
    build(c.mode, c.value, c.strength);
    EXPECT_EQ(journal(), c.sent);
    EXPECT_EQ(stored(), c.stored);
    EXPECT_NE(label_with_text(main_screen, c.tile_mode), nullptr);
    EXPECT_NE(label_with_text(slider, c.strength_text), nullptr);
    EXPECT_EQ(disabled(wheel), c.mode == 0);
    EXPECT_EQ(disabled(slider), c.mode == 0);
  }
}

TEST_F(LightingPage, half_strength_on_the_slider_sends_red_127_and_a_second_release_sends_nothing) {
  build(1, RED, 100);
  open_screen();
  forget();
  ASSERT_TRUE(tap_slider_to(&display, slider, 50));
  // Nudging may take several taps; what counts is that the EC got red 127
  // once, after the latch, and nothing after it.
  Journal latched = {"r B3", "w B3=55", "w B0=7F", "w B1=00", "w B2=00", "w B3=AA"};
  Journal sent = journal();
  ASSERT_GE(sent.size(), latched.size());
  EXPECT_EQ(Journal(sent.end() - latched.size(), sent.end()), latched);
  EXPECT_NE(label_with_text(slider, "50%"), nullptr);
  EXPECT_EQ(fake_hardware.stored["RGBStrength"], 50);
  EXPECT_EQ(fake_hardware.stored["RGBValue"], RED);

  forget();
  tap_slider_to(&display, slider, 50);  // let go at the same value again
  EXPECT_TRUE(journal().empty());
  EXPECT_EQ(fake_hardware.stored["RGBStrength"], 50);
}

TEST_F(LightingPage, a_colour_the_ec_refused_is_sent_again_on_the_next_release) {
  build(1, RED, 100);
  open_screen();
  power_fakes.ec_works = false;  // another EC tool holds the EC
  ASSERT_TRUE(tap_slider_to(&display, slider, 40));
  power_fakes.ec_works = true;
  forget();
  tap_slider_to(&display, slider, 40);
  EXPECT_EQ(journal(), (Journal{"r B3", "w B3=55", "w B0=66", "w B1=00", "w B2=00", "w B3=AA"}));
}

TEST_F(LightingPage, auto_disables_wheel_and_slider_and_hands_the_lighting_to_the_ec) {
  build(1, RED, 60);
  open_screen();
  forget();
  choose_mode(0);
  EXPECT_EQ(journal(), (Journal{"w B3=00"}));
  EXPECT_EQ(fake_hardware.stored["RGBMode"], 0);
  EXPECT_TRUE(disabled(wheel));
  EXPECT_TRUE(disabled(slider));
  EXPECT_NE(label_with_text(main_screen, "Auto"), nullptr);

  // Taps on the disabled controls change and store nothing.
  forget();
  const lv_color_hsv_t before = lv_colorwheel_get_hsv(wheel);
  tap_wheel_at(240);
  tap(&display, slider, 0.2);
  EXPECT_TRUE(journal().empty());
  EXPECT_TRUE(stored().empty());
  EXPECT_EQ(lv_colorwheel_get_hsv(wheel).h, before.h);
  EXPECT_EQ(rgb_strength, 60);

  // Back to manual: the cached colour at once, the same colour not again.
  choose_mode(1);
  EXPECT_EQ(journal(), (Journal{"w B0=99", "w B1=00", "w B2=00", "w B3=AA"}));
  EXPECT_FALSE(disabled(wheel));
  EXPECT_FALSE(disabled(slider));
  EXPECT_NE(label_with_text(main_screen, "Manual"), nullptr);
}

// The EC gets the knob's colour at the slider's strength: at full strength
// that is the knob's colour after one more trip through the toolkit's HSV
// conversions, which may move a channel a little.
TEST_F(LightingPage, a_tap_on_the_wheel_stores_the_knobs_colour_and_sends_it_at_the_strength) {
  build(1, RED, 100);
  open_screen();
  forget();
  tap_wheel_at(240);  // the blue side of the ring
  const uint32_t chosen = uint32_t(fake_hardware.stored["RGBValue"]);
  EXPECT_EQ(chosen, colour_of_hsv(lv_colorwheel_get_hsv(wheel)));
  EXPECT_GT(uint8_t(chosen), uint8_t(chosen >> 16)) << "blue above red";
  EXPECT_GT(uint8_t(chosen), uint8_t(chosen >> 8)) << "blue above green";
  const uint32_t sent = strength_scaled_colour(chosen, 100);
  char bytes[3][16];
  for (int i = 0; i < 3; ++i) {
    std::snprintf(bytes[i], sizeof(bytes[i]), "w B%d=%02X", i, unsigned(sent >> (16 - 8 * i)) & 0xFF);
  }
  EXPECT_EQ(journal(), (Journal{"r B3", "w B3=55", bytes[0], bytes[1], bytes[2], "w B3=AA"}));
}

// The toolkit's HSV round trip loses a little (cyan comes back as
// 0x00FFF6); a colour read back from a wheel that was only set from the
// stored one must not replace it, or it would wander further at every start.
TEST_F(LightingPage, a_stored_colour_comes_back_unchanged_after_any_number_of_starts) {
  int32_t stored_colour = CYAN;
  Journal first_start;
  for (int start = 0; start < 5; ++start) {
    SCOPED_TRACE(start);
    reset();
    build(1, stored_colour, 100);
    stored_colour = fake_hardware.stored["RGBValue"];
    EXPECT_EQ(uint32_t(stored_colour), uint32_t(CYAN));
    if (start == 0) first_start = journal();
    EXPECT_EQ(journal(), first_start) << "the EC shows the same colour at every start";
  }
}

TEST_F(LightingPage, the_tile_opens_the_screen_and_back_returns) {
  build(0, 0, 100);
  open_screen();
  lv_obj_t* back = label_with_text(lighting_screen, "Back");
  ASSERT_NE(back, nullptr);
  tap(&display, lv_obj_get_parent(back), 0.5, 0.5, 600);
  EXPECT_EQ(lv_scr_act(), main_screen);
}

TEST_F(LightingPage, a_chinese_windows_gives_the_chinese_texts) {
  build(1, RED, 100, 0x0804);
  EXPECT_NE(label_with_text(main_screen, "灯光"), nullptr);
  EXPECT_NE(label_with_text(main_screen, "手动"), nullptr);
  EXPECT_NE(label_with_text(lighting_screen, "灯光"), nullptr);
  EXPECT_NE(label_with_text(lighting_screen, "返回"), nullptr);
  EXPECT_EQ(std::string(lv_dropdown_get_options(dropdown)), "自动\n手动");
}

TEST_F(LightingPage, a_new_tier_sizes_the_wheel_with_a_quarter_ring_and_zooms_the_icons) {
  build(1, RED, 100);
  for (int32_t width : {1920, 1280, 1024, 700}) {
    SCOPED_TRACE(width);
    fake_hardware.desktop_width = uint32_t(width);
    fake_hardware.desktop_height = uint32_t(width * 9 / 16);
    display_changed = 1;
    display_refresh_tick();
    lv_obj_update_layout(wheel);
    const LayoutTier& tier = LAYOUT_TIERS[layout_tier_for_width(width)];
    EXPECT_EQ(lv_obj_get_width(wheel), tier.colour_wheel);
    EXPECT_EQ(lv_obj_get_height(wheel), tier.colour_wheel);
    EXPECT_EQ(lv_obj_get_style_arc_width(wheel, LV_PART_MAIN), tier.colour_wheel / 4);
    for (lv_obj_t* img : all_of(main_screen, &lv_img_class)) EXPECT_EQ(lv_img_get_zoom(img), tier.zoom);
    for (lv_obj_t* img : all_of(lighting_screen, &lv_img_class)) EXPECT_EQ(lv_img_get_zoom(img), tier.zoom);
  }
}

}  // namespace
