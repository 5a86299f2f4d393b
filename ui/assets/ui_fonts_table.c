/* Made by tools/gen-ui-fonts.sh (do not edit). */
#include "ui_fonts.h"

const lv_font_t* const UI_FONTS[UI_FONT_TIER_COUNT][UI_FONT_ROLE_COUNT][UI_FONT_LANGUAGE_COUNT] = {
    {{&ui_font_en_30, &ui_font_zh_29}, {&ui_font_en_41, &ui_font_zh_40}, {&ui_font_en_52, &ui_font_zh_50}, {&ui_font_digits_50, &ui_font_digits_50}},
    {{&ui_font_en_22, &ui_font_zh_21}, {&ui_font_en_33, &ui_font_zh_32}, {&ui_font_en_44, &ui_font_zh_42}, {&ui_font_digits_36, &ui_font_digits_36}},
    {{&ui_font_en_22, &ui_font_zh_21}, {&ui_font_en_33, &ui_font_zh_32}, {&ui_font_en_44, &ui_font_zh_42}, {&ui_font_digits_36, &ui_font_digits_36}},
    {{&ui_font_en_21, &ui_font_zh_20}, {&ui_font_en_30, &ui_font_zh_29}, {&ui_font_en_41, &ui_font_zh_40}, {&ui_font_digits_34, &ui_font_digits_34}},
    {{&ui_font_en_21, &ui_font_zh_20}, {&ui_font_en_30, &ui_font_zh_29}, {&ui_font_en_41, &ui_font_zh_40}, {&ui_font_digits_34, &ui_font_digits_34}},
    {{&ui_font_en_18, &ui_font_zh_19}, {&ui_font_en_29, &ui_font_zh_28}, {&ui_font_en_40, &ui_font_zh_38}, {&ui_font_digits_33, &ui_font_digits_33}},
    {{&ui_font_en_18, &ui_font_zh_19}, {&ui_font_en_29, &ui_font_zh_28}, {&ui_font_en_40, &ui_font_zh_38}, {&ui_font_digits_33, &ui_font_digits_33}},
    {{&ui_font_en_18, &ui_font_zh_19}, {&ui_font_en_29, &ui_font_zh_28}, {&ui_font_en_40, &ui_font_zh_38}, {&ui_font_digits_27, &ui_font_digits_27}},
    {{&ui_font_en_15, &ui_font_zh_13}, {&ui_font_en_24, &ui_font_zh_24}, {&ui_font_en_35, &ui_font_zh_34}, {&ui_font_digits_27, &ui_font_digits_27}},
    {{&ui_font_en_11, &ui_font_zh_12}, {&ui_font_en_22, &ui_font_zh_21}, {&ui_font_en_33, &ui_font_zh_32}, {&ui_font_digits_26, &ui_font_digits_26}},
    {{&ui_font_en_11, &ui_font_zh_12}, {&ui_font_en_22, &ui_font_zh_21}, {&ui_font_en_33, &ui_font_zh_32}, {&ui_font_digits_26, &ui_font_digits_26}},
    {{&ui_font_en_10, &ui_font_zh_10}, {&ui_font_en_21, &ui_font_zh_20}, {&ui_font_en_30, &ui_font_zh_29}, {&ui_font_digits_22, &ui_font_digits_22}},
};
