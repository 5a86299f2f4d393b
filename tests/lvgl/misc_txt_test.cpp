// UTF-8 handling, line breaking and text measuring.
#include "lvgl_fixture.h"

#include <cstring>
#include <random>
#include <string>

namespace {

class MiscTxtTest : public LvglTest {};

TEST(MiscTxt, EncodeAndDecodeCodePoints)
{
    struct Case {
        uint32_t cp;
        const char * utf8;
    };
    const Case cases[] = {
        {0x41, "A"}, {0xB0, "\xC2\xB0"}, {0x4E2D, "\xE4\xB8\xAD"}, {0xF00C, "\xEF\x80\x8C"},
        {0x1F600, "\xF0\x9F\x98\x80"}, {0x7FF, "\xDF\xBF"}, {0x800, "\xE0\xA0\x80"}, {0x10FFFF, "\xF4\x8F\xBF\xBF"},
    };
    for(const Case & cs : cases) {
        uint32_t packed = _lv_txt_unicode_to_encoded(cs.cp);
        char bytes[5] = {};
        for(int i = 0; i < 4; i++) bytes[i] = (char)((packed >> (8 * i)) & 0xFF);
        EXPECT_STREQ(bytes, cs.utf8) << std::hex << cs.cp;

        uint32_t i = 0;
        EXPECT_EQ(_lv_txt_encoded_next(cs.utf8, &i), cs.cp);
        EXPECT_EQ(i, std::strlen(cs.utf8));
        EXPECT_EQ(_lv_txt_encoded_size(cs.utf8), std::strlen(cs.utf8));
        EXPECT_EQ(_lv_txt_encoded_prev(cs.utf8, &i), cs.cp);
        EXPECT_EQ(i, 0u);
    }
}

TEST(MiscTxt, MalformedBytesAdvanceOneByteAtATime)
{
    struct Case {
        const char * txt;
        std::vector<uint32_t> letters;
    };
    const Case cases[] = {
        {"\x80" "A", {0x80, 'A'}},
        {"\xE4\xB8" "A", {0xE4, 0xB8, 'A'}},    /*truncated sequence*/
        {"\xF0\x9F", {0xF0, 0x9F}},             /*ends early*/
        {"\xC3\xA9\xFF", {0xE9, 0xFF}},
    };
    for(const Case & cs : cases) {
        std::vector<uint32_t> got;
        uint32_t i = 0;
        while(cs.txt[i] != '\0') got.push_back(_lv_txt_encoded_next(cs.txt, &i));
        EXPECT_EQ(got, cs.letters);
        EXPECT_EQ(i, std::strlen(cs.txt));
    }
}

TEST(MiscTxt, CharacterAndByteIndices)
{
    const char * t = "a\xC3\xA9\xE4\xB8\xAD" "b";    /*a é 中 b*/
    EXPECT_EQ(_lv_txt_get_encoded_length(t), 4u);
    EXPECT_EQ(_lv_txt_encoded_get_byte_id(t, 0), 0u);
    EXPECT_EQ(_lv_txt_encoded_get_byte_id(t, 2), 3u);
    EXPECT_EQ(_lv_txt_encoded_get_byte_id(t, 3), 6u);
    EXPECT_EQ(_lv_txt_encoded_get_byte_id(t, 9), 7u) << "past the end stops at the end";
    EXPECT_EQ(_lv_txt_encoded_get_char_id(t, 6), 3u);

    char buf[32] = "ac";
    _lv_txt_ins(buf, 1, "\xC3\xA9");
    EXPECT_STREQ(buf, "a\xC3\xA9" "c");
    _lv_txt_ins(buf, 3, "!");
    EXPECT_STREQ(buf, "a\xC3\xA9" "c!");
    _lv_txt_cut(buf, 1, 2);
    EXPECT_STREQ(buf, "a!");
}

TEST(MiscTxt, InsertsAndCutsCountCharactersAndStopAtTheEnd)
{
    struct Case {
        const char * before;
        bool insert;
        uint32_t pos;
        uint32_t len;       /*cut*/
        const char * text;  /*insert*/
        const char * after;
    };
    const Case cases[] = {
        {"ab", true, 0, 0, "x", "xab"},
        {"ab", true, 9, 0, "x", "abx"},                           /*past the end: appended*/
        {"\xC3\xA9z", true, 1, 0, "\xE4\xB8\xAD", "\xC3\xA9\xE4\xB8\xAD" "z"},
        {"abc", true, 1, 0, "", "abc"},
        {"a\xC3\xA9\xE4\xB8\xAD" "b", false, 1, 2, nullptr, "ab"},
        {"abc", false, 1, 100, nullptr, "a"},                     /*range past the end: cut to the end*/
        {"abc", false, 5, 1, nullptr, "abc"},
        {"abc", false, 0, 0xFFFFFFFFu, nullptr, ""},              /*no overflow of pos + len*/
    };
    for(const Case & cs : cases) {
        char buf[32] = {};
        std::strcpy(buf, cs.before);
        if(cs.insert) _lv_txt_ins(buf, cs.pos, cs.text);
        else _lv_txt_cut(buf, cs.pos, cs.len);
        EXPECT_STREQ(buf, cs.after) << cs.before << " " << cs.pos;
    }
}

TEST_F(MiscTxtTest, LineBreaksEndLinesAndATrailingOneAddsAnEmptyLine)
{
    const lv_font_t * f = &lv_font_montserrat_14;
    const lv_coord_t lh = lv_font_get_line_height(f);
    struct Case {
        const char * txt;
        std::vector<uint32_t> line_lengths;
        int lines_high;
    };
    const Case cases[] = {
        {"a\nb", {2, 1}, 2},
        {"a\r\nb", {3, 1}, 2},      /*CR LF is one break*/
        {"a\rb", {2, 1}, 2},
        {"ab\n", {3}, 2},
        {"\n\n", {1, 1}, 3},
        {"", {}, 1},
    };
    for(const Case & cs : cases) {
        std::vector<uint32_t> got;
        for(uint32_t at = 0; cs.txt[at] != '\0';) {
            uint32_t n = _lv_txt_get_next_line(&cs.txt[at], f, 0, 500, nullptr, LV_TEXT_FLAG_NONE);
            ASSERT_GT(n, 0u);
            got.push_back(n);
            at += n;
        }
        EXPECT_EQ(got, cs.line_lengths) << cs.txt;
        lv_point_t size;
        lv_txt_get_size(&size, cs.txt, f, 0, 3, 500, LV_TEXT_FLAG_NONE);
        EXPECT_EQ(size.y, cs.lines_high * lh + (cs.lines_high - 1) * 3) << cs.txt;
    }
}

TEST_F(MiscTxtTest, LinesBreakAtSpacesAndInsideOverlongWords)
{
    const lv_font_t * f = &lv_font_montserrat_14;
    lv_coord_t word_w = _lv_txt_get_width("Fan", 3, f, 0, LV_TEXT_FLAG_NONE);
    lv_coord_t max_w = (lv_coord_t)(word_w * 2);

    struct Case {
        const char * txt;
        lv_coord_t max_w;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"Fan Fan Fan", max_w, {"Fan ", "Fan ", "Fan"}},
        {"Fan\nFan", LV_COORD_MAX, {"Fan\n", "Fan"}},
        {"Fan\r\nFan", LV_COORD_MAX, {"Fan\r\n", "Fan"}},
        {"FanFanFanFan", max_w, {"FanFan", "FanFan"}},
        {"ab", 1, {"a", "b"}},      /*narrower than a letter: one letter a line*/
    };
    for(const Case & cs : cases) {
        std::vector<std::string> got;
        uint32_t start = 0;
        while(cs.txt[start] != '\0') {
            uint32_t len = _lv_txt_get_next_line(&cs.txt[start], f, 0, cs.max_w, nullptr, LV_TEXT_FLAG_NONE);
            ASSERT_GT(len, 0u);
            got.emplace_back(&cs.txt[start], len);
            start += len;
        }
        EXPECT_EQ(got, cs.lines) << cs.txt;
    }
}

TEST_F(MiscTxtTest, SizeCountsLinesAndTheWidestLine)
{
    const lv_font_t * f = &lv_font_montserrat_14;
    lv_coord_t lh = lv_font_get_line_height(f);
    lv_point_t s;
    lv_txt_get_size(&s, "", f, 0, 0, LV_COORD_MAX, LV_TEXT_FLAG_NONE);
    EXPECT_EQ(s.y, lh) << "an empty text is one line high";
    EXPECT_EQ(s.x, 0);

    lv_txt_get_size(&s, "Hello\nWide world", f, 0, 5, LV_COORD_MAX, LV_TEXT_FLAG_NONE);
    EXPECT_EQ(s.y, 2 * lh + 5);
    EXPECT_EQ(s.x, _lv_txt_get_width("Wide world", 10, f, 0, LV_TEXT_FLAG_NONE));

    lv_txt_get_size(&s, "Line\n", f, 0, 0, LV_COORD_MAX, LV_TEXT_FLAG_NONE);
    EXPECT_EQ(s.y, 2 * lh) << "a trailing line break starts a new line";

    std::string tall(3000, '\n');
    lv_txt_get_size(&s, tall.c_str(), f, 0, 0, LV_COORD_MAX, LV_TEXT_FLAG_NONE);
    EXPECT_EQ(s.y, LV_COORD_MAX) << "3000 lines do not wrap to a negative height";

    lv_coord_t w1 = _lv_txt_get_width("AAA", 3, f, 0, LV_TEXT_FLAG_NONE);
    lv_coord_t w2 = _lv_txt_get_width("AAA", 3, f, 4, LV_TEXT_FLAG_NONE);
    EXPECT_EQ(w2, w1 + 2 * 4) << "letter space between letters, not after the last";
}

TEST_F(MiscTxtTest, RecolourCommandsTakeNoWidth)
{
    const lv_font_t * f = &lv_font_montserrat_14;
    const char * cmd = "#ff0000 Red# text";
    lv_coord_t with = _lv_txt_get_width(cmd, (uint32_t)std::strlen(cmd), f, 0, LV_TEXT_FLAG_RECOLOR);
    lv_coord_t plain = _lv_txt_get_width("Red text", 8, f, 0, LV_TEXT_FLAG_NONE);
    EXPECT_EQ(with, plain);

    _lv_text_cmd_state_t st = LV_TEXT_CMD_STATE_WAIT;
    std::string shown;
    for(const char * p = "a##b"; *p; p++) {
        if(!_lv_txt_is_cmd(&st, (uint32_t)*p)) shown += *p;
    }
    EXPECT_EQ(shown, "a#b") << "a doubled # is a literal #";
}

TEST_F(MiscTxtTest, ArbitraryBytesAreWalkedMeasuredAndDrawnSafely)
{
    /*Random byte strings (invalid UTF-8 included): every walk stays inside the
     *text, line breaking consumes it exactly, drawing does not read past it*/
    std::mt19937 rng(3);
    Canvas c(120, 60);
    for(int round = 0; round < 200; round++) {
        std::vector<char> buf(1 + rng() % 40);
        for(size_t i = 0; i + 1 < buf.size(); i++) {
            uint8_t b = (uint8_t)rng();
            buf[i] = (char)(b == 0 ? 'x' : b);
        }
        buf.back() = '\0';
        const char * t = buf.data();
        size_t len = std::strlen(t);

        uint32_t i = 0, n = 0;
        while(t[i] != '\0') {
            _lv_txt_encoded_next(t, &i);
            ASSERT_LE(i, len);
            n++;
        }
        EXPECT_EQ(n, _lv_txt_get_encoded_length(t));
        uint32_t back = (uint32_t)len, steps = 0;
        while(back > 0) {
            _lv_txt_encoded_prev(t, &back);
            ASSERT_LE(++steps, len);
        }

        uint32_t pos = 0;
        while(t[pos] != '\0') {
            uint32_t l = _lv_txt_get_next_line(&t[pos], &lv_font_montserrat_14, 0, 50, nullptr, LV_TEXT_FLAG_RECOLOR);
            ASSERT_GT(l, 0u);
            pos += l;
        }
        EXPECT_EQ(pos, len);

        lv_draw_label_dsc_t dsc;
        lv_draw_label_dsc_init(&dsc);
        dsc.flag = LV_TEXT_FLAG_RECOLOR;
        lv_area_t a = {0, 0, 119, 59};
        lv_draw_label(c.draw(), &dsc, &a, t, nullptr);
    }
}

TEST(MiscTxt, PrintfFormatsLikeC99)
{
    char buf[16];
    EXPECT_EQ(lv_snprintf(buf, sizeof(buf), "%d%%", 42), 3);
    EXPECT_STREQ(buf, "42%");
    EXPECT_EQ(lv_snprintf(buf, 4, "%s", "abcdef"), 6) << "the full length, truncated output";
    EXPECT_STREQ(buf, "abc");
    EXPECT_EQ(lv_snprintf(buf, sizeof(buf), "%zu/%lld", (size_t)7, 1LL << 40), 15);
}

TEST(MiscTxt, ArabicProcessingPassesOtherTextThrough)
{
    const char * t = "Fan \xE4\xB8\xAD 42";
    char out[32];
    ASSERT_EQ(_lv_txt_ap_calc_bytecnt(t), std::strlen(t));
    _lv_txt_ap_proc(t, out);
    EXPECT_STREQ(out, t);
}

}  // namespace
