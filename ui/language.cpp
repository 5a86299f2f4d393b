#include "ui/language.h"

#include "hardware/system_locale.h"

std::atomic<int32_t> ui_chinese{0};

// zh-TW, ug-CN, zh-CN, zh-HK, zh-SG and zh-MO get the Chinese texts.
bool is_chinese_ui_language(uint16_t language) {
  switch (language) {
    case 0x0404: case 0x0480: case 0x0804: case 0x0C04: case 0x1004: case 0x1404:
      return true;
    default:
      return false;
  }
}

void decide_ui_language() { ui_chinese = is_chinese_ui_language(user_ui_language()) ? 1 : 0; }
