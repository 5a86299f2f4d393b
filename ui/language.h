// The panel's language: Simplified or Traditional Chinese Windows UI languages
// give the Chinese texts, every other language the English ones.
#pragma once

#include <atomic>
#include <cstdint>

extern std::atomic<int32_t> ui_chinese;

bool is_chinese_ui_language(uint16_t language);

// Decides ui_chinese from the user's Windows UI language.
void decide_ui_language();

// The text of the current language.
inline const char* tr(const char* english, const char* chinese) {
  return ui_chinese ? chinese : english;
}
