/* Panel fonts: declarations and the tier x role x language table.
 * Made by tools/gen-ui-fonts.sh (do not edit). The number in a font's
 * name is its line height in pixels. */
#ifndef UI_FONTS_H
#define UI_FONTS_H

#ifdef LV_LVGL_H_INCLUDE_SIMPLE
#include "lvgl.h"
#else
#include "lvgl/lvgl.h"
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Rows of the layout tier table, widest display first: 0 is >= 1920 px,
 * 11 is below 800 px. */
#define UI_FONT_TIER_COUNT 12

enum ui_font_role { UI_FONT_NORMAL, UI_FONT_MESSAGE, UI_FONT_LARGE, UI_FONT_DIGITS, UI_FONT_ROLE_COUNT };
enum ui_font_language { UI_FONT_EN, UI_FONT_ZH, UI_FONT_LANGUAGE_COUNT };

extern const lv_font_t ui_font_digits_22;
extern const lv_font_t ui_font_digits_26;
extern const lv_font_t ui_font_digits_27;
extern const lv_font_t ui_font_digits_33;
extern const lv_font_t ui_font_digits_34;
extern const lv_font_t ui_font_digits_36;
extern const lv_font_t ui_font_digits_50;
extern const lv_font_t ui_font_en_10;
extern const lv_font_t ui_font_en_11;
extern const lv_font_t ui_font_en_15;
extern const lv_font_t ui_font_en_18;
extern const lv_font_t ui_font_en_21;
extern const lv_font_t ui_font_en_22;
extern const lv_font_t ui_font_en_24;
extern const lv_font_t ui_font_en_29;
extern const lv_font_t ui_font_en_30;
extern const lv_font_t ui_font_en_33;
extern const lv_font_t ui_font_en_35;
extern const lv_font_t ui_font_en_40;
extern const lv_font_t ui_font_en_41;
extern const lv_font_t ui_font_en_44;
extern const lv_font_t ui_font_en_52;
extern const lv_font_t ui_font_zh_10;
extern const lv_font_t ui_font_zh_12;
extern const lv_font_t ui_font_zh_13;
extern const lv_font_t ui_font_zh_19;
extern const lv_font_t ui_font_zh_20;
extern const lv_font_t ui_font_zh_21;
extern const lv_font_t ui_font_zh_24;
extern const lv_font_t ui_font_zh_28;
extern const lv_font_t ui_font_zh_29;
extern const lv_font_t ui_font_zh_32;
extern const lv_font_t ui_font_zh_34;
extern const lv_font_t ui_font_zh_38;
extern const lv_font_t ui_font_zh_40;
extern const lv_font_t ui_font_zh_42;
extern const lv_font_t ui_font_zh_50;

/* UI_FONTS[tier][role][language]; the digits font is the same for both languages. */
extern const lv_font_t* const UI_FONTS[UI_FONT_TIER_COUNT][UI_FONT_ROLE_COUNT][UI_FONT_LANGUAGE_COUNT];

#ifdef __cplusplus
}
#endif

#endif
