// Colours: construction, mixing, HSV both ways and the palette.
#include "lvgl_fixture.h"

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
    EXPECT_EQ(lv_color_change_lightness(lv_color_hex(0x336699), LV_OPA_50).full, lv_color_hex(0x336699).full);
}

TEST(MiscColor, HsvConversionsMatchTheStandardDefinition)
{
    struct Case {
        uint16_t h;
        uint8_t s, v;
        uint32_t rgb;
    };
    const Case cases[] = {
        {0, 100, 100, 0xFF0000},   {60, 100, 100, 0xFFFF00}, {120, 100, 100, 0x00FF00},
        {180, 100, 100, 0x00FFFF}, {240, 100, 100, 0x0000FF}, {300, 100, 100, 0xFF00FF},
        {0, 0, 100, 0xFFFFFF},     {0, 0, 0, 0x000000},       {0, 0, 50, 0x808080},
        {210, 50, 80, 0x6699CC},   {30, 100, 100, 0xFF8000},
    };
    for(const Case & cs : cases) {
        lv_color_t c = lv_color_hsv_to_rgb(cs.h, cs.s, cs.v);
        EXPECT_NEAR(c.ch.red, (cs.rgb >> 16) & 0xFF, 1) << cs.h << "/" << (int)cs.s << "/" << (int)cs.v;
        EXPECT_NEAR(c.ch.green, (cs.rgb >> 8) & 0xFF, 1) << cs.h << "/" << (int)cs.s << "/" << (int)cs.v;
        EXPECT_NEAR(c.ch.blue, cs.rgb & 0xFF, 1) << cs.h << "/" << (int)cs.s << "/" << (int)cs.v;

        lv_color_hsv_t back = lv_color_rgb_to_hsv((cs.rgb >> 16) & 0xFF, (cs.rgb >> 8) & 0xFF, cs.rgb & 0xFF);
        EXPECT_NEAR(back.v, cs.v, 1);
        if(cs.v > 0) EXPECT_NEAR(back.s, cs.s, 1);
        if(cs.s > 0 && cs.v > 0) EXPECT_NEAR(back.h, cs.h, 1);
    }
    /*Round trip over the whole hue circle*/
    for(uint16_t h = 0; h < 360; h += 5) {
        lv_color_hsv_t r = lv_color_to_hsv(lv_color_hsv_to_rgb(h, 100, 100));
        EXPECT_NEAR(r.h, h, 1) << h;
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
