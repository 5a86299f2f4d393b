// Every slot of UI_FONTS against the layout tier table (line heights) and
// against the characters the panel draws with it (glyphs, kerning, bitmaps).
#include "ui/assets/ui_fonts.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "ui/layout_tiers.h"

namespace {

// Code points of a UTF-8 text.
std::vector<uint32_t> code_points(const std::string& text) {
  std::vector<uint32_t> out;
  for (size_t i = 0; i < text.size();) {
    unsigned char c = text[i];
    int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
    uint32_t cp = extra ? c & (0x3F >> extra) : c;
    for (int k = 1; k <= extra && i + k < text.size(); ++k) cp = (cp << 6) | (text[i + k] & 0x3F);
    out.push_back(cp);
    i += 1 + extra;
  }
  return out;
}

// The characters of tools/fonts/cjk_chars.txt above ASCII (comment lines skipped).
std::vector<uint32_t> cjk_chars() {
  std::ifstream file(VEXA_SOURCE_DIR "/tools/fonts/cjk_chars.txt");
  std::string line, text;
  while (std::getline(file, line)) {
    if (!line.empty() && line[0] != '#') text += line;
  }
  std::vector<uint32_t> out;
  for (uint32_t cp : code_points(text)) {
    if (cp > 0x7F) out.push_back(cp);
  }
  return out;
}

// Contents of the string literals of a C++ source, comments skipped.
std::string string_literals(const std::string& source) {
  std::string out;
  for (size_t i = 0; i < source.size(); ++i) {
    if (source.compare(i, 2, "//") == 0) {
      i = source.find('\n', i);
      if (i == std::string::npos) break;
    } else if (source.compare(i, 2, "/*") == 0) {
      i = source.find("*/", i + 2);
      if (i == std::string::npos) break;
      ++i;
    } else if (source[i] == '\'') {
      while (++i < source.size() && source[i] != '\'') i += source[i] == '\\';
    } else if (source[i] == '"') {
      while (++i < source.size() && source[i] != '"') {
        if (source[i] == '\\') ++i;
        out += source[i];
      }
      out += '\n';
    }
  }
  return out;
}

// Non-ASCII characters of the texts in the panel's sources (ui/, without the
// generated assets), each with the first file that uses it.
std::vector<std::pair<uint32_t, std::string>> panel_text_characters() {
  std::vector<std::pair<uint32_t, std::string>> out;
  std::set<uint32_t> seen;
  namespace fs = std::filesystem;
  for (const auto& entry : fs::recursive_directory_iterator(VEXA_SOURCE_DIR "/ui")) {
    const fs::path& path = entry.path();
    if (path.string().find("/ui/assets/") != std::string::npos) continue;
    if (path.extension() != ".cpp" && path.extension() != ".h") continue;
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    for (uint32_t cp : code_points(string_literals(text.str()))) {
      if (cp > 0x7F && seen.insert(cp).second) out.push_back({cp, path.filename().string()});
    }
  }
  return out;
}

bool is_cjk(uint32_t cp) {
  return (cp >= 0x2E80 && cp <= 0x9FFF) || (cp >= 0xF900 && cp <= 0xFAFF) ||
         (cp >= 0xFF00 && cp <= 0xFFEF);
}

std::vector<uint32_t> symbols() {
  const char* all[] = {
      LV_SYMBOL_AUDIO,         LV_SYMBOL_VIDEO,      LV_SYMBOL_LIST,      LV_SYMBOL_OK,
      LV_SYMBOL_CLOSE,         LV_SYMBOL_POWER,      LV_SYMBOL_SETTINGS,  LV_SYMBOL_HOME,
      LV_SYMBOL_DOWNLOAD,      LV_SYMBOL_DRIVE,      LV_SYMBOL_REFRESH,   LV_SYMBOL_MUTE,
      LV_SYMBOL_VOLUME_MID,    LV_SYMBOL_VOLUME_MAX, LV_SYMBOL_IMAGE,     LV_SYMBOL_TINT,
      LV_SYMBOL_PREV,          LV_SYMBOL_PLAY,       LV_SYMBOL_PAUSE,     LV_SYMBOL_STOP,
      LV_SYMBOL_NEXT,          LV_SYMBOL_EJECT,      LV_SYMBOL_LEFT,      LV_SYMBOL_RIGHT,
      LV_SYMBOL_PLUS,          LV_SYMBOL_MINUS,      LV_SYMBOL_EYE_OPEN,  LV_SYMBOL_EYE_CLOSE,
      LV_SYMBOL_WARNING,       LV_SYMBOL_SHUFFLE,    LV_SYMBOL_UP,        LV_SYMBOL_DOWN,
      LV_SYMBOL_LOOP,          LV_SYMBOL_DIRECTORY,  LV_SYMBOL_UPLOAD,    LV_SYMBOL_CALL,
      LV_SYMBOL_CUT,           LV_SYMBOL_COPY,       LV_SYMBOL_SAVE,      LV_SYMBOL_BARS,
      LV_SYMBOL_ENVELOPE,      LV_SYMBOL_CHARGE,     LV_SYMBOL_PASTE,     LV_SYMBOL_BELL,
      LV_SYMBOL_KEYBOARD,      LV_SYMBOL_GPS,        LV_SYMBOL_FILE,      LV_SYMBOL_WIFI,
      LV_SYMBOL_BATTERY_FULL,  LV_SYMBOL_BATTERY_3,  LV_SYMBOL_BATTERY_2, LV_SYMBOL_BATTERY_1,
      LV_SYMBOL_BATTERY_EMPTY, LV_SYMBOL_USB,        LV_SYMBOL_BLUETOOTH, LV_SYMBOL_TRASH,
      LV_SYMBOL_EDIT,          LV_SYMBOL_BACKSPACE,  LV_SYMBOL_SD_CARD,   LV_SYMBOL_NEW_LINE,
  };
  std::vector<uint32_t> out;
  for (const char* s : all) out.push_back(code_points(s).at(0));
  return out;
}

bool has_glyph(const lv_font_t* font, uint32_t letter) {
  lv_font_glyph_dsc_t dsc = {};
  return lv_font_get_glyph_dsc(font, &dsc, letter, 0) && !dsc.is_placeholder && dsc.adv_w > 0;
}

std::string hex(uint32_t cp) {
  std::ostringstream s;
  s << "U+" << std::hex << std::uppercase << cp;
  return s.str();
}

struct Slot {
  int tier, role, language;
  const lv_font_t* font() const { return UI_FONTS[tier][role][language]; }
  std::string name() const {
    static const char* roles[] = {"normal", "message", "large", "digits"};
    return "tier " + std::to_string(tier) + " " + roles[role] +
           (language == UI_FONT_ZH ? " zh" : " en");
  }
};

std::vector<Slot> all_slots() {
  std::vector<Slot> slots;
  for (int t = 0; t < UI_FONT_TIER_COUNT; ++t) {
    for (int r = 0; r < UI_FONT_ROLE_COUNT; ++r) {
      for (int l = 0; l < UI_FONT_LANGUAGE_COUNT; ++l) slots.push_back({t, r, l});
    }
  }
  return slots;
}

int32_t table_line_height(const Slot& s) {
  const LayoutTier& row = LAYOUT_TIERS[s.tier];
  switch (s.role) {
    case UI_FONT_NORMAL:
      return row.normal_line[s.language];
    case UI_FONT_MESSAGE:
      return row.message_line[s.language];
    case UI_FONT_LARGE:
      return row.large_line[s.language];
    default:
      return row.digits_line;
  }
}

}  // namespace

TEST(UiFonts, the_table_covers_every_tier_role_and_language) {
  static_assert(UI_FONT_TIER_COUNT == LAYOUT_TIER_COUNT, "one font row per layout tier");
  static_assert(UI_FONT_ROLE_COUNT == 4 && int(UI_FONT_NORMAL) == int(FONT_ROLE_NORMAL) &&
                    int(UI_FONT_MESSAGE) == int(FONT_ROLE_MESSAGE) &&
                    int(UI_FONT_LARGE) == int(FONT_ROLE_LARGE) &&
                    int(UI_FONT_DIGITS) == int(FONT_ROLE_DIGITS),
                "the panel indexes UI_FONTS with its own role numbers");
  for (const Slot& s : all_slots()) ASSERT_NE(s.font(), nullptr) << s.name();
}

TEST(UiFonts, every_font_has_the_line_height_of_its_tier) {
  for (const Slot& s : all_slots()) {
    EXPECT_EQ(s.font()->line_height, table_line_height(s)) << s.name();
    // The base line lies inside the line box.
    EXPECT_GE(s.font()->base_line, 0) << s.name();
    EXPECT_LT(s.font()->base_line, s.font()->line_height) << s.name();
  }
}

TEST(UiFonts, every_font_holds_the_characters_of_its_language) {
  const std::vector<uint32_t> cjk = cjk_chars();
  ASSERT_GE(cjk.size(), 100u) << "cjk_chars.txt not read";
  std::vector<uint32_t> ascii;
  for (uint32_t cp = 0x20; cp <= 0x7E; ++cp) ascii.push_back(cp);

  struct Expectation {
    const char* what;
    std::vector<uint32_t> letters;
    bool english, chinese, digits;
  };
  const Expectation expectations[] = {
      {"printable ASCII", ascii, true, true, true},
      {"degree sign (\"%d°C\" in both languages)", {0xB0}, true, true, false},
      {"bullet", {0x2022}, true, false, false},
      {"symbols", symbols(), true, true, false},
      {"CJK characters of the texts", cjk, false, true, false},
  };
  for (const Slot& s : all_slots()) {
    const bool digits = s.role == UI_FONT_DIGITS;
    for (const Expectation& e : expectations) {
      bool wanted = digits ? e.digits : s.language == UI_FONT_ZH ? e.chinese : e.english;
      for (uint32_t cp : e.letters) {
        EXPECT_EQ(has_glyph(s.font(), cp), wanted) << s.name() << ", " << e.what << ": " << hex(cp);
      }
    }
  }
}

// The panel's texts as written in ui/: a CJK character must be in the
// Chinese fonts (tools/fonts/cjk_chars.txt lists it), any other non-ASCII
// character ("°") in the fonts of both languages, as the sources do not say
// which language a literal belongs to.
TEST(UiFonts, every_character_of_the_panel_texts_has_a_glyph) {
  const auto characters = panel_text_characters();
  ASSERT_FALSE(characters.empty()) << "no non-ASCII text found in ui/";
  for (const Slot& s : all_slots()) {
    if (s.role == UI_FONT_DIGITS) continue;  // numbers and units only
    for (const auto& [cp, file] : characters) {
      if (is_cjk(cp) && s.language != UI_FONT_ZH) continue;
      EXPECT_TRUE(has_glyph(s.font(), cp)) << s.name() << ": " << hex(cp) << " used in " << file;
    }
  }
}

// Montserrat's kerning reaches the English and digits fonts (it used to get
// lost in the converter); the Chinese fonts have none. From about 15 px on,
// "To" is at least a pixel tighter than "T" alone.
TEST(UiFonts, latin_fonts_kern_and_chinese_fonts_do_not) {
  for (const Slot& s : all_slots()) {
    if (s.font()->line_height < 20) continue;
    uint16_t alone = lv_font_get_glyph_width(s.font(), 'T', 0);
    uint16_t before_o = lv_font_get_glyph_width(s.font(), 'T', 'o');
    if (s.language == UI_FONT_ZH && s.role != UI_FONT_DIGITS) {
      EXPECT_EQ(before_o, alone) << s.name();
    } else {
      EXPECT_LT(before_o, alone) << s.name();
    }
  }
}

// The bitmaps are compressed; unpacked through the toolkit, an "H" must show
// its shape: ink at both sides of every row (the stems) and in the middle of
// only some rows (the bar). A wrong row length or a lost repeat shifts ink off
// the stems.
TEST(UiFonts, glyph_bitmaps_unpack_to_the_letter_shape) {
  lv_mem_init();  // the unpacking buffer comes from the toolkit's heap
  for (const Slot& s : all_slots()) {
    lv_font_glyph_dsc_t dsc = {};
    ASSERT_TRUE(lv_font_get_glyph_dsc(s.font(), &dsc, 'H', 0)) << s.name();
    ASSERT_EQ(dsc.bpp, 4) << s.name();
    const uint8_t* bitmap = lv_font_get_glyph_bitmap(s.font(), 'H');
    ASSERT_NE(bitmap, nullptr) << s.name();
    auto ink = [&](int x, int y) {
      size_t pixel = size_t(y) * dsc.box_w + x;
      uint8_t byte = bitmap[pixel / 2];
      return pixel % 2 ? byte & 0xF : byte >> 4;
    };
    const int third = dsc.box_w / 3;
    int bar_rows = 0;
    for (int y = 0; y < dsc.box_h; ++y) {
      int left = 0, middle = 0, right = 0;
      for (int x = 0; x < dsc.box_w; ++x) {
        (x < third ? left : x >= dsc.box_w - third ? right : middle) += ink(x, y);
      }
      EXPECT_GT(left, 0) << s.name() << ", row " << y;
      EXPECT_GT(right, 0) << s.name() << ", row " << y;
      bar_rows += middle > 0;
    }
    EXPECT_GT(bar_rows, 0) << s.name();
    EXPECT_LT(bar_rows, dsc.box_h / 2) << s.name();
  }
}
