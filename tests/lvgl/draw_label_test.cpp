// Text drawing: line layout, recolour, selection, decoration, clipping and
// the draw hint of long texts.
#include "lvgl_fixture.h"

#include <cstring>
#include <string>

extern "C" {
LV_FONT_DECLARE(font_test_cjk_16)
}

namespace {

class DrawLabelTest : public LvglTest {};

struct Ink {
    int x1 = 1 << 20, y1 = 1 << 20, x2 = -1, y2 = -1;
    int count = 0;
    bool empty() const { return count == 0; }
};

// Bounding box of the pixels where `pred` holds.
Ink ink_box(const Canvas & c, const std::function<bool(int, int)> & pred)
{
    Ink k;
    for(int y = 0; y < c.h; y++) {
        for(int x = 0; x < c.w; x++) {
            if(!pred(x, y)) continue;
            k.x1 = std::min(k.x1, x);
            k.y1 = std::min(k.y1, y);
            k.x2 = std::max(k.x2, x);
            k.y2 = std::max(k.y2, y);
            k.count++;
        }
    }
    return k;
}

lv_draw_label_dsc_t white_text(const lv_font_t * font = &lv_font_montserrat_14)
{
    lv_draw_label_dsc_t dsc;
    lv_draw_label_dsc_init(&dsc);
    dsc.font = font;
    dsc.color = lv_color_white();
    return dsc;
}

TEST_F(DrawLabelTest, TextStaysInsideItsAreaAndLinesStackByLineHeightPlusSpace)
{
    Canvas c(200, 120);
    lv_draw_label_dsc_t dsc = white_text();
    dsc.line_space = 6;
    lv_area_t a = {10, 10, 189, 109};
    lv_draw_label(c.draw(), &dsc, &a, "Hello\nHello\nHello", nullptr);

    const int lh = lv_font_get_line_height(&lv_font_montserrat_14);
    Ink lines[3];
    for(int i = 0; i < 3; i++) {
        int top = 10 + i * (lh + 6);
        lines[i] = ink_box(c, [&](int x, int y) { return y >= top && y < top + lh && c.green(x, y) > 0; });
        ASSERT_FALSE(lines[i].empty()) << i;
    }
    for(int i = 1; i < 3; i++) {
        EXPECT_EQ(lines[i].y1 - lines[0].y1, i * (lh + 6));
        EXPECT_EQ(lines[i].x1, lines[0].x1);
        EXPECT_EQ(lines[i].count, lines[0].count) << "the same word draws the same pixels";
    }
    Ink all = ink_box(c, [&](int x, int y) { return c.green(x, y) > 0; });
    EXPECT_GE(all.x1, 10);
    EXPECT_GE(all.y1, 10);
    EXPECT_LE(all.y2, 10 + 3 * lh + 2 * 6);
}

TEST_F(DrawLabelTest, LongTextWrapsAtTheAreaWidth)
{
    Canvas c(120, 100);
    lv_draw_label_dsc_t dsc = white_text();
    lv_area_t a = {0, 0, 79, 99};
    lv_draw_label(c.draw(), &dsc, &a, "one two three four five", nullptr);
    Ink all = ink_box(c, [&](int x, int y) { return c.green(x, y) > 0; });
    EXPECT_LE(all.x2, 79);
    EXPECT_GE(all.y2, 2 * lv_font_get_line_height(&lv_font_montserrat_14)) << "at least three lines";

    Canvas e(400, 30);
    dsc.flag = LV_TEXT_FLAG_EXPAND;
    lv_draw_label(e.draw(), &dsc, &a, "one two three four five", nullptr);
    Ink one = ink_box(e, [&](int x, int y) { return e.green(x, y) > 0; });
    EXPECT_GT(one.x2, 79) << "expand ignores the width";
    EXPECT_LT(one.y2, lv_font_get_line_height(&lv_font_montserrat_14));
}

TEST_F(DrawLabelTest, RecolourCommandPaintsOnlyItsWords)
{
    Canvas c(200, 30);
    lv_draw_label_dsc_t dsc = white_text();
    dsc.flag = LV_TEXT_FLAG_RECOLOR;
    lv_area_t a = {0, 0, 199, 29};
    lv_draw_label(c.draw(), &dsc, &a, "AB #ff0000 CD# EF", nullptr);

    Ink red = ink_box(c, [&](int x, int y) { return c.red(x, y) > 200 && c.green(x, y) < 60; });
    Ink white = ink_box(c, [&](int x, int y) { return c.red(x, y) > 200 && c.green(x, y) > 200; });
    ASSERT_FALSE(red.empty());
    ASSERT_FALSE(white.empty());
    /*White on both sides of the red word, no '#' or digits drawn*/
    EXPECT_LT(white.x1, red.x1);
    EXPECT_GT(white.x2, red.x2);
    lv_coord_t w_plain = lv_txt_get_width("AB CD EF", 8, &lv_font_montserrat_14, 0, LV_TEXT_FLAG_NONE);
    EXPECT_LE(white.x2, w_plain + 1);
}

TEST_F(DrawLabelTest, SelectionGetsItsBackgroundAndColour)
{
    Canvas c(200, 30, 0x000000);
    lv_draw_label_dsc_t dsc = white_text();
    dsc.sel_start = 2;
    dsc.sel_end = 4;
    dsc.sel_bg_color = lv_color_hex(0x0000FF);
    dsc.sel_color = lv_color_hex(0x00FF00);
    lv_area_t a = {0, 0, 199, 29};
    lv_draw_label(c.draw(), &dsc, &a, "abcdef", nullptr);

    lv_coord_t x_sel = lv_txt_get_width("ab", 2, &lv_font_montserrat_14, 0, LV_TEXT_FLAG_NONE);
    lv_coord_t x_end = lv_txt_get_width("abcd", 4, &lv_font_montserrat_14, 0, LV_TEXT_FLAG_NONE);
    Ink bg = ink_box(c, [&](int x, int y) { return c.blue(x, y) > 200 && c.red(x, y) < 50; });
    ASSERT_FALSE(bg.empty());
    EXPECT_NEAR(bg.x1, x_sel, 2);
    EXPECT_NEAR(bg.x2, x_end, 2);
    Ink sel_ink = ink_box(c, [&](int x, int y) { return c.green(x, y) > 200 && c.red(x, y) < 60; });
    EXPECT_GE(sel_ink.x1, bg.x1);
    EXPECT_LE(sel_ink.x2, bg.x2);
}

TEST_F(DrawLabelTest, UnderlineAndStrikethroughSpanTheText)
{
    const lv_font_t * f = &lv_font_montserrat_14;
    lv_coord_t w = lv_txt_get_width("Under", 5, f, 0, LV_TEXT_FLAG_NONE);
    for(lv_text_decor_t decor : {(lv_text_decor_t)LV_TEXT_DECOR_UNDERLINE, (lv_text_decor_t)LV_TEXT_DECOR_STRIKETHROUGH}) {
        Canvas c(120, 30);
        lv_draw_label_dsc_t dsc = white_text(f);
        dsc.decor = decor;
        lv_area_t a = {5, 5, 119, 29};
        lv_draw_label(c.draw(), &dsc, &a, "Under", nullptr);
        /*A fully white row as long as the text*/
        int best_row = -1;
        for(int y = 0; y < c.h; y++) {
            int run = 0;
            for(int x = 5; x < 5 + w; x++) run += c.green(x, y) == 255;
            if(run == w) best_row = y;
        }
        ASSERT_GE(best_row, 0) << (int)decor;
        int base = 5 + f->line_height - f->base_line;
        if(decor == LV_TEXT_DECOR_UNDERLINE) EXPECT_GE(best_row, base - 1);
        else EXPECT_LT(best_row, base - 2);
    }
}

TEST_F(DrawLabelTest, ClippedLinesAreSkippedAndTheHintRemembersTheFirstVisible)
{
    std::string text;
    for(int i = 0; i < 200; i++) text += "Line " + std::to_string(i) + "\n";
    const int lh = lv_font_get_line_height(&lv_font_montserrat_14);

    /*The text starts far above the screen: only the lines in the clip area are drawn*/
    Canvas full(100, 40);
    lv_draw_label_dsc_t dsc = white_text();
    lv_area_t a = {0, (lv_coord_t)(-150 * lh), 99, (lv_coord_t)(60 * lh)};
    lv_draw_label_hint_t hint = {-1, 0, 0};
    lv_draw_label(full.draw(), &dsc, &a, text.c_str(), &hint);
    EXPECT_GT(hint.line_start, 0);

    /*Drawing again with the hint gives the same picture*/
    Canvas again(100, 40);
    lv_draw_label(again.draw(), &dsc, &a, text.c_str(), &hint);
    for(size_t i = 0; i < full.px.size(); i++) ASSERT_EQ(full.px[i].full, again.px[i].full);

    /*And the same as drawing the visible lines alone at their place*/
    Canvas direct(100, 40);
    std::string visible;
    for(int i = 150; i < 154; i++) visible += "Line " + std::to_string(i) + "\n";
    lv_area_t b = {0, 0, 99, 39};
    lv_draw_label(direct.draw(), &dsc, &b, visible.c_str(), nullptr);
    for(size_t i = 0; i < full.px.size(); i++) ASSERT_EQ(full.px[i].full, direct.px[i].full) << i;

    /*A hint kept from the long text must not send a short one past its end*/
    Canvas shorter(100, 40);
    lv_draw_label(shorter.draw(), &dsc, &a, "Short", &hint);
}

TEST_F(DrawLabelTest, MissingGlyphShowsAPlaceholderBox)
{
    Canvas c(60, 30);
    lv_draw_label_dsc_t dsc = white_text(&font_test_cjk_16);
    lv_area_t a = {2, 2, 59, 29};
    lv_draw_label(c.draw(), &dsc, &a, "\xE4\xB8\x80", nullptr);   /*U+4E00: not in the font*/
    Ink box = ink_box(c, [&](int x, int y) { return c.green(x, y) == 255; });
    ASSERT_FALSE(box.empty());
    EXPECT_EQ(box.x1, 2);
    EXPECT_EQ(box.y1, 2);
    EXPECT_EQ(box.x2 - box.x1 + 1, font_test_cjk_16.line_height / 2);
    EXPECT_EQ(c.green((box.x1 + box.x2) / 2, (box.y1 + box.y2) / 2), 0) << "an outline, not a filled box";
}

TEST_F(DrawLabelTest, CompressedGlyphsDoNotWriteIntoMemoryFreedByARestart)
{
    /*The decompression buffer lives in the pool, which lv_deinit resets: after
     *a restart, whatever now occupies its old place must stay untouched*/
    lv_draw_label_dsc_t dsc = white_text(&font_test_cjk_16);
    lv_area_t a = {0, 0, 59, 29};
    {
        Canvas c(60, 30);
        lv_draw_label(c.draw(), &dsc, &a, "A\xE4\xB8\xAD", nullptr);
    }
    lv_deinit();
    lv_init();
    const size_t size = 512 * 1024;
    auto * block = static_cast<uint8_t *>(lv_mem_alloc(size));
    ASSERT_NE(block, nullptr);
    std::memset(block, 0x5A, size);

    Canvas c(60, 30);
    lv_draw_label(c.draw(), &dsc, &a, "A\xE4\xB8\xAD", nullptr);
    EXPECT_GT(ink_box(c, [&](int x, int y) { return c.green(x, y) > 0; }).count, 20);
    size_t changed = 0;
    for(size_t i = 0; i < size; i++) changed += block[i] != 0x5A;
    EXPECT_EQ(changed, 0u);
    lv_mem_free(block);
    EXPECT_EQ(lv_mem_test(), LV_RES_OK);
}

}  // namespace
