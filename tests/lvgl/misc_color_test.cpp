// Colours: construction, mixing, HSV both ways and the palette.
#include "lvgl_fixture.h"

#include <algorithm>
#include <cstdlib>

namespace {

TEST(MiscColor, MakeHexAndChannelsAgree)
{
    lv_color_t a = lv_color_make(0x12, 0x34, 0x56);
    lv_color_t b = lv_color_hex(0x123456);
    lv_color_t c = lv_color_hex3(0x135);
    EXPECT_EQ(a.full, b.full);
    EXPECT_EQ(a.ch.red, 0x12);
    EXPECT_EQ(a.ch.green, 0x34);
    EXPECT_EQ(a.ch.blue, 0x56);
    EXPECT_EQ(a.ch.alpha, 0xFF);
    EXPECT_EQ(lv_color_to32(c), 0xFF113355u);
    lv_color_t m = LV_COLOR_MAKE(1, 2, 3);
    EXPECT_EQ(lv_color_to32(m), 0xFF010203u);
    EXPECT_EQ(lv_color_to32(lv_color_hex(0x7F123456)), 0xFF123456u);  // the top byte is always opaque
}

TEST(MiscColor, narrow_formats_keep_the_top_bits_of_each_channel)
{
    struct Case {
        uint32_t rgb;
        uint16_t rgb565;
        uint8_t rgb332;
        uint8_t mono;
    };
    const Case cases[] = {
        {0xFF0000, 0xF800, 0xE0, 1}, {0x00FF00, 0x07E0, 0x1C, 1}, {0x0000FF, 0x001F, 0x03, 1},
        {0x7F7F7F, 0x7BEF, 0x6D, 0}, {0x808080, 0x8410, 0x92, 1}, {0x000000, 0x0000, 0x00, 0},
    };
    for(const Case & cs : cases) {
        lv_color_t c = lv_color_hex(cs.rgb);
        EXPECT_EQ(lv_color_to16(c), cs.rgb565) << std::hex << cs.rgb;
        EXPECT_EQ(lv_color_to8(c), cs.rgb332) << std::hex << cs.rgb;
        EXPECT_EQ(lv_color_to1(c), cs.mono) << std::hex << cs.rgb;
    }
}

TEST(MiscColor, MixWeightsTheFirstColour)
{
    struct Case {
        uint8_t mix;
        int expected_red;   /*white over black*/
    };
    const Case cases[] = {{255, 255}, {0, 0}, {128, 128}, {64, 64}, {LV_OPA_90, 229}};
    for(const Case & cs : cases) {
        lv_color_t r = lv_color_mix(lv_color_white(), lv_color_black(), cs.mix);
        EXPECT_NEAR(r.ch.red, cs.expected_red, 1) << (int)cs.mix;
        EXPECT_EQ(r.ch.alpha, 0xFF);
    }
    EXPECT_EQ(lv_color_lighten(lv_color_black(), 255).full, lv_color_white().full);
    EXPECT_EQ(lv_color_darken(lv_color_white(), 255).full, lv_color_black().full);
    // Lightness: the middle keeps the colour, the ends reach black and white.
    struct Lightness {
        lv_opa_t lvl;
        uint32_t rgb;
    };
    const Lightness levels[] = {{LV_OPA_50, 0x336699}, {LV_OPA_0, 0x000000}, {LV_OPA_COVER, 0xFFFFFF}};
    for(const Lightness & l : levels) {
        EXPECT_EQ(lv_color_change_lightness(lv_color_hex(0x336699), l.lvl).full, lv_color_hex(l.rgb).full) << (int)l.lvl;
    }
}

// The stored lighting colours and the bytes sent to the EC come from these
// conversions, so they must give LVGL's own integer results, not the exact ones.
TEST(MiscColor, hsv_to_rgb_gives_the_integer_results_of_lvgl)
{
    struct Case {
        uint16_t h;
        uint8_t s, v;
        uint32_t rgb;
    };
    const Case cases[] = {
        {0, 100, 50, 0x7F0000},   {0, 100, 100, 0xFF0000},  {120, 100, 100, 0x03FF00},
        {240, 100, 100, 0x0009FF}, {60, 50, 80, 0xCCCA66},  {200, 0, 70, 0xB2B2B2},
        {0, 0, 0, 0x000000},      {0, 0, 100, 0xFFFFFF},
    };
    for(const Case & cs : cases) {
        lv_color_t c = lv_color_hsv_to_rgb(cs.h, cs.s, cs.v);
        EXPECT_EQ(lv_color_to32(c), 0xFF000000u | cs.rgb) << cs.h << "/" << (int)cs.s << "/" << (int)cs.v;
    }
}

TEST(MiscColor, rgb_to_hsv_gives_the_integer_results_of_lvgl)
{
    struct Case {
        uint32_t rgb;
        uint16_t h;
        uint8_t s, v;
    };
    const Case cases[] = {
        {0xFF0000, 0, 100, 100}, {0x7F0000, 0, 100, 49},  {0x0080FF, 209, 100, 100},
        {0xFF8000, 30, 100, 100}, {0x808080, 0, 0, 50},   {0x000000, 0, 0, 0},
        {0x808180, 0, 0, 50},     {0xFF00FF, 300, 100, 100}, {0x00FFFF, 180, 100, 100},
    };
    for(const Case & cs : cases) {
        lv_color_hsv_t got = lv_color_rgb_to_hsv((cs.rgb >> 16) & 0xFF, (cs.rgb >> 8) & 0xFF, cs.rgb & 0xFF);
        EXPECT_EQ(got.h, cs.h) << std::hex << cs.rgb;
        EXPECT_EQ(got.s, cs.s) << std::hex << cs.rgb;
        EXPECT_EQ(got.v, cs.v) << std::hex << cs.rgb;
        lv_color_hsv_t same = lv_color_to_hsv(lv_color_hex(cs.rgb));
        EXPECT_EQ(same.h, got.h);
    }
}

TEST(MiscColor, hsv_inputs_out_of_range_are_held_not_wrapped)
{
    struct Case {
        lv_color_hsv_t in, same_as;
    };
    const Case cases[] = {
        {{400, 100, 100}, {40, 100, 100}},
        {{720, 100, 100}, {0, 100, 100}},
        {{90, 200, 100}, {90, 100, 100}},
        {{90, 100, 255}, {90, 100, 100}},
    };
    for(const Case & cs : cases) {
        lv_color_t a = lv_color_hsv_to_rgb(cs.in.h, cs.in.s, cs.in.v);
        lv_color_t b = lv_color_hsv_to_rgb(cs.same_as.h, cs.same_as.s, cs.same_as.v);
        EXPECT_EQ(lv_color_to32(a), lv_color_to32(b)) << cs.in.h << "/" << (int)cs.in.s << "/" << (int)cs.in.v;
    }
}

TEST(MiscColor, every_hue_survives_a_round_trip_within_a_few_degrees)
{
    for(uint16_t h = 0; h < 360; h++) {
        lv_color_t c = lv_color_hsv_to_rgb(h, 100, 100);
        // Full saturation and value: one channel full, one empty.
        uint8_t hi = LV_MAX3(c.ch.red, c.ch.green, c.ch.blue);
        uint8_t lo = LV_MIN3(c.ch.red, c.ch.green, c.ch.blue);
        EXPECT_EQ(hi, 255) << h;
        EXPECT_EQ(lo, 0) << h;

        lv_color_hsv_t back = lv_color_to_hsv(c);
        int diff = std::abs((int)back.h - (int)h);
        EXPECT_LE(std::min(diff, 360 - diff), 5) << h;
        EXPECT_EQ(back.s, 100) << h;
        EXPECT_EQ(back.v, 100) << h;
    }
}

TEST(MiscColor, PaletteShadesAreTheMaterialColours)
{
    EXPECT_EQ(lv_palette_main(LV_PALETTE_BLUE).full, lv_color_hex(0x2196F3).full);
    EXPECT_EQ(lv_palette_main(LV_PALETTE_RED).full, lv_color_hex(0xF44336).full);
    EXPECT_EQ(lv_palette_main(LV_PALETTE_GREY).full, lv_color_hex(0x9E9E9E).full);
    EXPECT_EQ(lv_palette_lighten(LV_PALETTE_BLUE, 5).full, lv_color_hex(0xE3F2FD).full);
    EXPECT_EQ(lv_palette_darken(LV_PALETTE_BLUE, 4).full, lv_color_hex(0x0D47A1).full);
    EXPECT_EQ(lv_palette_darken(LV_PALETTE_GREY, 4).full, lv_color_hex(0x212121).full);
    EXPECT_EQ(lv_palette_main(LV_PALETTE_NONE).full, lv_color_black().full);
    /*Lighter shades are brighter, darker ones darker, for every palette*/
    for(int p = 0; p < _LV_PALETTE_LAST; p++) {
        uint8_t main_b = lv_color_brightness(lv_palette_main((lv_palette_t)p));
        EXPECT_GE(lv_color_brightness(lv_palette_lighten((lv_palette_t)p, 3)), main_b) << p;
        EXPECT_LE(lv_color_brightness(lv_palette_darken((lv_palette_t)p, 3)), main_b) << p;
    }
}

}  // namespace
