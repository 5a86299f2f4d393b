// Fonts made by the converter (lv_font_conv): lookups through every kind of
// character map, kerning by classes and by pairs, compressed bitmaps,
// fallbacks, the symbol set, and rendering with kerning.
#include "lvgl_fixture.h"

#include <cstring>

extern "C" {
LV_FONT_DECLARE(font_test_cjk_16)     /*ASCII + 中文设置 + a symbol; compressed, kerning classes*/
LV_FONT_DECLARE(font_test_pairs_20)   /*space, A, V + 16 CJK; 2 bpp, kerning pairs*/
}

namespace {

class FontTest : public LvglTest {};

std::vector<uint8_t> unpack(const lv_font_t * f, uint32_t letter)
{
    lv_font_glyph_dsc_t g;
    EXPECT_TRUE(lv_font_get_glyph_dsc(f, &g, letter, 0));
    const uint8_t * bmp = lv_font_get_glyph_bitmap(f, letter);
    std::vector<uint8_t> px;
    if(bmp == nullptr) return px;
    for(uint32_t i = 0; i < (uint32_t)g.box_w * g.box_h; i++) {
        uint32_t bit = i * g.bpp;
        px.push_back((uint8_t)((bmp[bit / 8] >> (8 - g.bpp - bit % 8)) & ((1u << g.bpp) - 1)));
    }
    return px;
}

TEST_F(FontTest, CompressedGlyphsDecodeToTheUncompressedOnes)
{
    /*Both fonts come from the same Montserrat at 16 px: only the storage differs*/
    for(uint32_t c = 0x21; c < 0x7F; c++) {
        lv_font_glyph_dsc_t a, b;
        ASSERT_TRUE(lv_font_get_glyph_dsc(&font_test_cjk_16, &a, c, 0)) << c;
        ASSERT_TRUE(lv_font_get_glyph_dsc(&lv_font_montserrat_16, &b, c, 0)) << c;
        EXPECT_EQ(a.adv_w, b.adv_w) << (char)c;
        EXPECT_EQ(a.box_w, b.box_w) << (char)c;
        EXPECT_EQ(a.box_h, b.box_h) << (char)c;
        EXPECT_EQ(a.ofs_x, b.ofs_x) << (char)c;
        EXPECT_EQ(a.ofs_y, b.ofs_y) << (char)c;
        EXPECT_EQ(unpack(&font_test_cjk_16, c), unpack(&lv_font_montserrat_16, c)) << (char)c;
    }
}

TEST_F(FontTest, KerningByClassesAndByPairsChangesTheAdvance)
{
    struct Case {
        const lv_font_t * font;
        uint32_t left, right;
        int sign;   /*-1: closer, +1: wider, 0: unchanged*/
    };
    const Case cases[] = {
        {&lv_font_montserrat_16, 'A', 'V', -1}, {&lv_font_montserrat_16, 'H', 'H', 0},
        {&font_test_cjk_16, 'A', 'V', -1},      {&font_test_pairs_20, 'A', 'V', -1},
        {&font_test_pairs_20, 'V', 'V', 0},     {&font_test_pairs_20, 'A', 0x4E00, 0},
    };
    for(const Case & cs : cases) {
        int kerned = lv_font_get_glyph_width(cs.font, cs.left, cs.right);
        int plain = lv_font_get_glyph_width(cs.font, cs.left, 0);
        int d = kerned - plain;
        EXPECT_EQ((d > 0) - (d < 0), cs.sign) << (char)cs.left << (char)cs.right << " " << d;
    }
    /*Same source font, same kerning, whatever the storage*/
    EXPECT_EQ(lv_font_get_glyph_width(&font_test_cjk_16, 'A', 'V'), lv_font_get_glyph_width(&lv_font_montserrat_16, 'A', 'V'));
}

TEST_F(FontTest, CjkGlyphsAndFallbackFonts)
{
    lv_font_glyph_dsc_t g;
    for(uint32_t cp : {0x4E2Du, 0x6587u, 0x8BBEu, 0x7F6Eu}) {
        ASSERT_TRUE(lv_font_get_glyph_dsc(&font_test_cjk_16, &g, cp, 0)) << std::hex << cp;
        EXPECT_GE(g.box_w, 10);
        EXPECT_NEAR(g.adv_w, 16, 1);
        EXPECT_EQ(g.resolved_font, &font_test_cjk_16);
    }
    EXPECT_FALSE(lv_font_get_glyph_dsc(&font_test_cjk_16, &g, 0x4E00, 0));
    EXPECT_TRUE(g.is_placeholder);
    EXPECT_GT(g.adv_w, 0) << "a missing glyph still takes room as a box";
    EXPECT_FALSE(lv_font_get_glyph_dsc(&font_test_cjk_16, &g, '\n', 0));
    EXPECT_EQ(g.adv_w, 0) << "control characters take none";

    lv_font_t with_fallback = lv_font_montserrat_14;
    with_fallback.fallback = &font_test_cjk_16;
    ASSERT_TRUE(lv_font_get_glyph_dsc(&with_fallback, &g, 0x4E2D, 0));
    EXPECT_EQ(g.resolved_font, &font_test_cjk_16);
    ASSERT_TRUE(lv_font_get_glyph_dsc(&with_fallback, &g, 'A', 0));
    EXPECT_EQ(g.resolved_font, &with_fallback);
}

TEST_F(FontTest, EveryBuiltInFontHasTheWholeSymbolSet)
{
    const char * symbols[] = {
        LV_SYMBOL_AUDIO, LV_SYMBOL_VIDEO, LV_SYMBOL_LIST, LV_SYMBOL_OK, LV_SYMBOL_CLOSE, LV_SYMBOL_POWER,
        LV_SYMBOL_SETTINGS, LV_SYMBOL_HOME, LV_SYMBOL_DOWNLOAD, LV_SYMBOL_DRIVE, LV_SYMBOL_REFRESH,
        LV_SYMBOL_MUTE, LV_SYMBOL_VOLUME_MID, LV_SYMBOL_VOLUME_MAX, LV_SYMBOL_IMAGE, LV_SYMBOL_TINT,
        LV_SYMBOL_PREV, LV_SYMBOL_PLAY, LV_SYMBOL_PAUSE, LV_SYMBOL_STOP, LV_SYMBOL_NEXT, LV_SYMBOL_EJECT,
        LV_SYMBOL_LEFT, LV_SYMBOL_RIGHT, LV_SYMBOL_PLUS, LV_SYMBOL_MINUS, LV_SYMBOL_EYE_OPEN,
        LV_SYMBOL_EYE_CLOSE, LV_SYMBOL_WARNING, LV_SYMBOL_SHUFFLE, LV_SYMBOL_UP, LV_SYMBOL_DOWN, LV_SYMBOL_LOOP,
        LV_SYMBOL_DIRECTORY, LV_SYMBOL_UPLOAD, LV_SYMBOL_CALL, LV_SYMBOL_CUT, LV_SYMBOL_COPY, LV_SYMBOL_SAVE,
        LV_SYMBOL_BARS, LV_SYMBOL_ENVELOPE, LV_SYMBOL_CHARGE, LV_SYMBOL_PASTE, LV_SYMBOL_BELL,
        LV_SYMBOL_KEYBOARD, LV_SYMBOL_GPS, LV_SYMBOL_FILE, LV_SYMBOL_WIFI, LV_SYMBOL_BATTERY_FULL,
        LV_SYMBOL_BATTERY_3, LV_SYMBOL_BATTERY_2, LV_SYMBOL_BATTERY_1, LV_SYMBOL_BATTERY_EMPTY, LV_SYMBOL_USB,
        LV_SYMBOL_BLUETOOTH, LV_SYMBOL_TRASH, LV_SYMBOL_EDIT, LV_SYMBOL_BACKSPACE, LV_SYMBOL_SD_CARD,
        LV_SYMBOL_NEW_LINE, LV_SYMBOL_BULLET,
    };
    const lv_font_t * fonts[] = {&lv_font_montserrat_12, &lv_font_montserrat_14, &lv_font_montserrat_16,
                                 &lv_font_montserrat_18, &lv_font_montserrat_20, &lv_font_montserrat_22,
                                 &lv_font_montserrat_24, &lv_font_montserrat_28};
    for(const lv_font_t * f : fonts) {
        for(const char * s : symbols) {
            uint32_t i = 0;
            uint32_t cp = _lv_txt_encoded_next(s, &i);
            lv_font_glyph_dsc_t g;
            EXPECT_TRUE(lv_font_get_glyph_dsc(f, &g, cp, 0)) << std::hex << cp << " size " << f->line_height;
            EXPECT_GT(g.box_w, 0);
        }
        lv_font_glyph_dsc_t deg;
        EXPECT_TRUE(lv_font_get_glyph_dsc(f, &deg, 0xB0, 0)) << "degree sign";
    }
    EXPECT_EQ(lv_font_get_line_height(&lv_font_montserrat_14), 16);
}

/* A font built by hand with one character map of each kind; a glyph's
 * box_w is its id, so the lookups can be read back. */
TEST_F(FontTest, AllFourCharacterMapKindsResolve)
{
    static const uint8_t bitmap[1] = {0};
    static lv_font_fmt_txt_glyph_dsc_t glyphs[12];
    for(int i = 0; i < 12; i++) glyphs[i] = {0, 16 * 5, (uint8_t)i, 1, 0, 0};
    static const uint8_t f0_ofs[] = {0, 2, 1};                  /*'a' -> 1, 'b' -> 3, 'c' -> 2*/
    static const uint16_t sparse_tiny_list[] = {0, 5, 9};       /*0x100, 0x105, 0x109 -> 4, 5, 6*/
    static const uint16_t sparse_full_list[] = {0, 100};        /*0x4E00, 0x4E64 -> 7 + {3, 1}*/
    static const uint16_t sparse_full_ofs[] = {3, 1};
    static const lv_font_fmt_txt_cmap_t cmaps[] = {
        {'a', 3, 1, nullptr, f0_ofs, 3, LV_FONT_FMT_TXT_CMAP_FORMAT0_FULL},
        {0x100, 10, 4, sparse_tiny_list, nullptr, 3, LV_FONT_FMT_TXT_CMAP_SPARSE_TINY},
        {0x4E00, 101, 7, sparse_full_list, sparse_full_ofs, 2, LV_FONT_FMT_TXT_CMAP_SPARSE_FULL},
        {'0', 2, 1, nullptr, nullptr, 0, LV_FONT_FMT_TXT_CMAP_FORMAT0_TINY},
    };
    static lv_font_fmt_txt_dsc_t dsc = {};
    dsc.glyph_bitmap = bitmap;
    dsc.glyph_dsc = glyphs;
    dsc.cmaps = cmaps;
    dsc.cmap_num = 4;
    dsc.bpp = 1;
    /*Kerning pairs sorted by (left, right), 16-bit ids, values in 1/16 px (scale 1.0)*/
    static const uint16_t pair_ids[] = {1, 2, 2, 1, 3, 3, 10, 8};
    static const int8_t pair_values[] = {-32, 16, -16, 48};
    static lv_font_fmt_txt_kern_pair_t pairs = {};
    pairs.glyph_ids = pair_ids;
    pairs.values = pair_values;
    pairs.pair_cnt = 4;
    pairs.glyph_ids_size = 1;
    dsc.kern_dsc = &pairs;
    dsc.kern_scale = 16;
    dsc.kern_classes = 0;
    lv_font_t font = {};
    font.get_glyph_dsc = lv_font_get_glyph_dsc_fmt_txt;
    font.get_glyph_bitmap = lv_font_get_bitmap_fmt_txt;
    font.line_height = 10;
    font.dsc = &dsc;

    struct Case {
        uint32_t letter;
        int id;     /*0: absent*/
    };
    const Case cases[] = {
        {'a', 1}, {'b', 3}, {'c', 2}, {'d', 0}, {0x100, 4}, {0x105, 5}, {0x109, 6}, {0x104, 0},
        {0x4E00, 10}, {0x4E64, 8}, {0x4E01, 0}, {'0', 1}, {'1', 2}, {'2', 0}, {0xFFFF0, 0},
    };
    for(const Case & cs : cases) {
        lv_font_glyph_dsc_t g;
        bool found = lv_font_get_glyph_dsc(&font, &g, cs.letter, 0);
        EXPECT_EQ(found, cs.id != 0) << std::hex << cs.letter;
        if(found) {
            EXPECT_EQ(g.box_w, cs.id) << std::hex << cs.letter;
        }
    }

    /*Every pair of the list is found; other pairs have no kerning*/
    struct Kern {
        uint32_t left, right;
        int adv;
    };
    const Kern kerns[] = {{'a', 'c', 3}, {'c', 'a', 6}, {'b', 'b', 4}, {0x4E00, 0x4E64, 8}, {'a', 'b', 5}, {'b', 'a', 5}};
    for(const Kern & k : kerns) {
        EXPECT_EQ(lv_font_get_glyph_width(&font, k.left, k.right), k.adv) << std::hex << k.left << " " << k.right;
    }
}

struct Placed {
    uint32_t letter;
    lv_point_t pos;
};
std::vector<Placed> g_placed;

void record_letter(lv_draw_ctx_t * ctx, const lv_draw_label_dsc_t * dsc, const lv_point_t * pos, uint32_t letter)
{
    g_placed.push_back({letter, *pos});
    lv_draw_sw_letter(ctx, dsc, pos, letter);
}

TEST_F(FontTest, TabsControlCharactersAndMissingFontsAreAnsweredSafely)
{
    const lv_font_t * f = &lv_font_montserrat_14;
    struct Case {
        const lv_font_t * font;
        uint32_t letter;
        bool found;
        bool draws;     /*a box or a glyph with pixels*/
    };
    const Case cases[] = {
        {f, 'A', true, true},
        {f, '\t', true, false},         /*a tab: two spaces wide, nothing drawn*/
        {f, 0x4E2D, false, true},       /*no CJK in Montserrat: a placeholder box*/
        {f, 0x07, false, false},        /*control characters take no room*/
        {f, 0x200C, false, false},
        {nullptr, 'A', false, false},   /*no font at all*/
    };
    for(const Case & cs : cases) {
        lv_font_glyph_dsc_t g;
        EXPECT_EQ(lv_font_get_glyph_dsc(cs.font, &g, cs.letter, 0), cs.found) << std::hex << cs.letter;
        EXPECT_EQ(g.box_w > 0, cs.draws) << std::hex << cs.letter;
        if(!cs.found) EXPECT_EQ(g.resolved_font, nullptr);
    }
    EXPECT_EQ(lv_font_get_glyph_width(f, '\t', 0), 2 * lv_font_get_glyph_width(f, ' ', 0));
    EXPECT_EQ(lv_font_get_glyph_bitmap(nullptr, 'A'), nullptr);
    EXPECT_NE(lv_font_get_glyph_bitmap(f, 'A'), nullptr);
}

TEST_F(FontTest, KerningIsVisibleInTheGlyphPositionsOfALabel)
{
    Canvas c(200, 40);
    c.ctx.base_draw.draw_letter = record_letter;
    g_placed.clear();
    lv_draw_label_dsc_t dsc;
    lv_draw_label_dsc_init(&dsc);
    dsc.font = &font_test_cjk_16;
    dsc.color = lv_color_white();
    dsc.letter_space = 1;
    lv_area_t a = {10, 5, 199, 39};
    lv_draw_label(c.draw(), &dsc, &a, "AVA\xE4\xB8\xAD", nullptr);

    ASSERT_EQ(g_placed.size(), 4u);
    const lv_font_t * f = &font_test_cjk_16;
    int x = 10;
    const uint32_t letters[] = {'A', 'V', 'A', 0x4E2D, 0};
    for(int i = 0; i < 4; i++) {
        EXPECT_EQ(g_placed[i].letter, letters[i]);
        EXPECT_EQ(g_placed[i].pos.x, x) << i;
        EXPECT_EQ(g_placed[i].pos.y, 5);
        x += lv_font_get_glyph_width(f, letters[i], letters[i + 1]) + 1;
    }
    EXPECT_LT(g_placed[1].pos.x - g_placed[0].pos.x, lv_font_get_glyph_width(f, 'A', 0) + 1) << "V moved closer to A";

    /*The CJK glyph's ink lands inside its box and matches its bitmap*/
    lv_font_glyph_dsc_t g;
    lv_font_get_glyph_dsc(f, &g, 0x4E2D, 0);
    std::vector<uint8_t> bits = unpack(f, 0x4E2D);
    int bx = g_placed[3].pos.x + g.ofs_x;
    int by = 5 + (f->line_height - f->base_line) - g.box_h - g.ofs_y;
    for(int yy = 0; yy < g.box_h; yy++) {
        for(int xx = 0; xx < g.box_w; xx++) {
            ASSERT_EQ(c.green(bx + xx, by + yy), bits[(size_t)yy * g.box_w + xx] * 17) << xx << "," << yy;
        }
    }
}

TEST_F(FontTest, CentredAndRightAlignedLinesEndWhereExpected)
{
    struct Case {
        lv_text_align_t align;
        int expected_x;
    };
    const lv_font_t * f = &lv_font_montserrat_14;
    int w = lv_txt_get_width("Fan", 3, f, 0, LV_TEXT_FLAG_NONE);
    const Case cases[] = {{LV_TEXT_ALIGN_LEFT, 0}, {LV_TEXT_ALIGN_CENTER, (100 - w) / 2}, {LV_TEXT_ALIGN_RIGHT, 100 - w}};
    for(const Case & cs : cases) {
        Canvas c(100, 20);
        c.ctx.base_draw.draw_letter = record_letter;
        g_placed.clear();
        lv_draw_label_dsc_t dsc;
        lv_draw_label_dsc_init(&dsc);
        dsc.font = f;
        dsc.align = cs.align;
        lv_area_t a = {0, 0, 99, 19};
        lv_draw_label(c.draw(), &dsc, &a, "Fan", nullptr);
        ASSERT_FALSE(g_placed.empty());
        EXPECT_EQ(g_placed[0].pos.x, cs.expected_x) << (int)cs.align;
    }
}

}  // namespace
