/**
 * @file lv_color.c
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_color.h"

/**********************
 *  STATIC VARIABLES
 **********************/

/* The material design palette: shades 500 (main), 400..50 (lighten 1..5)
 * and 600..900 (darken 1..4). */
static const uint32_t palette_main[] = {
    0xF44336, 0xE91E63, 0x9C27B0, 0x673AB7, 0x3F51B5, 0x2196F3, 0x03A9F4, 0x00BCD4, 0x009688, 0x4CAF50,
    0x8BC34A, 0xCDDC39, 0xFFEB3B, 0xFFC107, 0xFF9800, 0xFF5722, 0x795548, 0x607D8B, 0x9E9E9E,
};

static const uint32_t palette_light[][5] = {
    {0xEF5350, 0xE57373, 0xEF9A9A, 0xFFCDD2, 0xFFEBEE},
    {0xEC407A, 0xF06292, 0xF48FB1, 0xF8BBD0, 0xFCE4EC},
    {0xAB47BC, 0xBA68C8, 0xCE93D8, 0xE1BEE7, 0xF3E5F5},
    {0x7E57C2, 0x9575CD, 0xB39DDB, 0xD1C4E9, 0xEDE7F6},
    {0x5C6BC0, 0x7986CB, 0x9FA8DA, 0xC5CAE9, 0xE8EAF6},
    {0x42A5F5, 0x64B5F6, 0x90CAF9, 0xBBDEFB, 0xE3F2FD},
    {0x29B6F6, 0x4FC3F7, 0x81D4FA, 0xB3E5FC, 0xE1F5FE},
    {0x26C6DA, 0x4DD0E1, 0x80DEEA, 0xB2EBF2, 0xE0F7FA},
    {0x26A69A, 0x4DB6AC, 0x80CBC4, 0xB2DFDB, 0xE0F2F1},
    {0x66BB6A, 0x81C784, 0xA5D6A7, 0xC8E6C9, 0xE8F5E9},
    {0x9CCC65, 0xAED581, 0xC5E1A5, 0xDCEDC8, 0xF1F8E9},
    {0xD4E157, 0xDCE775, 0xE6EE9C, 0xF0F4C3, 0xF9FBE7},
    {0xFFEE58, 0xFFF176, 0xFFF59D, 0xFFF9C4, 0xFFFDE7},
    {0xFFCA28, 0xFFD54F, 0xFFE082, 0xFFECB3, 0xFFF8E1},
    {0xFFA726, 0xFFB74D, 0xFFCC80, 0xFFE0B2, 0xFFF3E0},
    {0xFF7043, 0xFF8A65, 0xFFAB91, 0xFFCCBC, 0xFBE9E7},
    {0x8D6E63, 0xA1887F, 0xBCAAA4, 0xD7CCC8, 0xEFEBE9},
    {0x78909C, 0x90A4AE, 0xB0BEC5, 0xCFD8DC, 0xECEFF1},
    {0xBDBDBD, 0xE0E0E0, 0xEEEEEE, 0xF5F5F5, 0xFAFAFA},
};

static const uint32_t palette_dark[][4] = {
    {0xE53935, 0xD32F2F, 0xC62828, 0xB71C1C},
    {0xD81B60, 0xC2185B, 0xAD1457, 0x880E4F},
    {0x8E24AA, 0x7B1FA2, 0x6A1B9A, 0x4A148C},
    {0x5E35B1, 0x512DA8, 0x4527A0, 0x311B92},
    {0x3949AB, 0x303F9F, 0x283593, 0x1A237E},
    {0x1E88E5, 0x1976D2, 0x1565C0, 0x0D47A1},
    {0x039BE5, 0x0288D1, 0x0277BD, 0x01579B},
    {0x00ACC1, 0x0097A7, 0x00838F, 0x006064},
    {0x00897B, 0x00796B, 0x00695C, 0x004D40},
    {0x43A047, 0x388E3C, 0x2E7D32, 0x1B5E20},
    {0x7CB342, 0x689F38, 0x558B2F, 0x33691E},
    {0xC0CA33, 0xAFB42B, 0x9E9D24, 0x827717},
    {0xFDD835, 0xFBC02D, 0xF9A825, 0xF57F17},
    {0xFFB300, 0xFFA000, 0xFF8F00, 0xFF6F00},
    {0xFB8C00, 0xF57C00, 0xEF6C00, 0xE65100},
    {0xF4511E, 0xE64A19, 0xD84315, 0xBF360C},
    {0x6D4C41, 0x5D4037, 0x4E342E, 0x3E2723},
    {0x546E7A, 0x455A64, 0x37474F, 0x263238},
    {0x757575, 0x616161, 0x424242, 0x212121},
};

/* The four levels a channel can take inside one hue region, and which one
 * red, green and blue take in each of the six regions (red, yellow, green,
 * cyan, blue, magenta at the region starts). */
enum { LEVEL_TOP, LEVEL_FALLING, LEVEL_RISING, LEVEL_FLOOR };

static const uint8_t region_levels[6][3] = {
    {LEVEL_TOP, LEVEL_RISING, LEVEL_FLOOR},
    {LEVEL_FALLING, LEVEL_TOP, LEVEL_FLOOR},
    {LEVEL_FLOOR, LEVEL_TOP, LEVEL_RISING},
    {LEVEL_FLOOR, LEVEL_FALLING, LEVEL_TOP},
    {LEVEL_RISING, LEVEL_FLOOR, LEVEL_TOP},
    {LEVEL_TOP, LEVEL_FLOOR, LEVEL_FALLING},
};

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

void LV_ATTRIBUTE_FAST_MEM lv_color_fill(lv_color_t * buf, lv_color_t color, uint32_t px_num)
{
    lv_color_t * end = buf + px_num;
    while(buf < end) *buf++ = color;
}

static lv_color_t towards(lv_color_t target, lv_color_t c, lv_opa_t amount)
{
    return lv_color_mix(target, c, amount);
}

lv_color_t lv_color_lighten(lv_color_t c, lv_opa_t lvl)
{
    return towards(lv_color_white(), c, lvl);
}

lv_color_t lv_color_darken(lv_color_t c, lv_opa_t lvl)
{
    return towards(lv_color_black(), c, lvl);
}

/*
 * Twice the distance from LV_OPA_50 is the amount of black or white mixed
 * in. The distance above the middle reaches 128, so the amount is capped
 * at 255: left to wrap, the lightest level would give back the colour itself.
 */
lv_color_t lv_color_change_lightness(lv_color_t c, lv_opa_t lvl)
{
    int32_t offset = (int32_t)lvl - LV_OPA_50;
    if(offset == 0) return c;
    int32_t amount = LV_MIN(2 * LV_ABS(offset), 255);
    return towards(offset > 0 ? lv_color_white() : lv_color_black(), c, (lv_opa_t)amount);
}

/*
 * The integer conversion LVGL documents: hue, saturation and value are first
 * scaled to 0..255, the hue circle falls into six regions of 43 steps, and
 * the position inside a region (0..252 after times 6) sets the one channel
 * that moves. Being integer throughout, it is a little off the exact
 * definition (hue 120 gives 3/255/0, not 0/255/0), and the lighting colours
 * stored by the program were made with exactly these numbers.
 *
 * Hue 360 is kept as such (it lands at the end of the last region, as it
 * always has); only values past it are reduced. Saturation and value above
 * 100 would overflow the 8-bit scaling and are held at 100.
 */
lv_color_t lv_color_hsv_to_rgb(uint16_t h, uint8_t s, uint8_t v)
{
    if(h > 360) h = (uint16_t)(h % 360);
    uint32_t h8 = (uint32_t)h * 255u / 360u;
    uint32_t s8 = (uint32_t)LV_MIN(s, 100) * 255u / 100u;
    uint32_t v8 = (uint32_t)LV_MIN(v, 100) * 255u / 100u;

    if(s8 == 0) return lv_color_make((uint8_t)v8, (uint8_t)v8, (uint8_t)v8);

    uint32_t step = (h8 % 43u) * 6u;
    uint32_t level[4];
    level[LEVEL_TOP] = v8;
    level[LEVEL_FLOOR] = (v8 * (255u - s8)) >> 8;
    level[LEVEL_FALLING] = (v8 * (255u - ((s8 * step) >> 8))) >> 8;
    level[LEVEL_RISING] = (v8 * (255u - ((s8 * (255u - step)) >> 8))) >> 8;

    const uint8_t * pick = region_levels[h8 / 43u];
    return lv_color_make((uint8_t)level[pick[0]], (uint8_t)level[pick[1]], (uint8_t)level[pick[2]]);
}

/*
 * The reverse, as LVGL computes it: channels on a 0..1024 scale (truncated),
 * value and saturation truncated to percent, anything within 3/1024 of grey
 * or under 3 % saturation has no hue. The hue is counted in 1/1024ths of a
 * 60-degree sector: the strongest channel picks the sector (red 0, green 2,
 * blue 4) and the difference of the two others, over the chroma, leans it
 * to one side. Truncating divisions keep the results identical to LVGL's.
 */
lv_color_hsv_t lv_color_rgb_to_hsv(uint8_t r8, uint8_t g8, uint8_t b8)
{
    int32_t ch[3];
    ch[0] = (int32_t)r8 * 1024 / 255;
    ch[1] = (int32_t)g8 * 1024 / 255;
    ch[2] = (int32_t)b8 * 1024 / 255;

    int strongest = 0;
    int32_t weakest = ch[0];
    for(int i = 1; i < 3; i++) {
        if(ch[i] > ch[strongest]) strongest = i;
        if(ch[i] < weakest) weakest = ch[i];
    }
    int32_t top = ch[strongest];
    int32_t chroma = top - weakest;

    lv_color_hsv_t out = {0, 0, 0};
    out.v = (uint8_t)((top * 100) >> 10);
    if(chroma < 3) return out;

    out.s = (uint8_t)(chroma * 100 / top);
    if(out.s < 3) return out;

    int32_t lean = (ch[(strongest + 1) % 3] - ch[(strongest + 2) % 3]) * 1024 / chroma;
    int32_t sixths = (strongest * 2048 + lean + 6 * 1024) % (6 * 1024);
    out.h = (uint16_t)(sixths * 60 / 1024);
    return out;
}

lv_color_hsv_t lv_color_to_hsv(lv_color_t color)
{
    return lv_color_rgb_to_hsv(color.ch.red, color.ch.green, color.ch.blue);
}

/* "Over" compositing of a translucent foreground on a translucent background. */
void lv_color_mix_with_alpha(lv_color_t bg_color, lv_opa_t bg_opa, lv_color_t fg_color, lv_opa_t fg_opa,
                             lv_color_t * res_color, lv_opa_t * res_opa)
{
    if(fg_opa >= LV_OPA_MAX || bg_opa <= LV_OPA_MIN) {
        *res_color = fg_color;
        *res_opa = fg_opa;
        return;
    }
    if(fg_opa <= LV_OPA_MIN) {
        *res_color = bg_color;
        *res_opa = bg_opa;
        return;
    }
    if(bg_opa >= LV_OPA_MAX) {
        *res_color = lv_color_mix(fg_color, bg_color, fg_opa);
        *res_opa = LV_OPA_COVER;
        return;
    }
    uint32_t opa = 255 - ((uint32_t)(255 - fg_opa) * (255 - bg_opa)) / 255;
    uint32_t ratio = ((uint32_t)fg_opa * 255) / opa;
    *res_color = lv_color_mix(fg_color, bg_color, (uint8_t)ratio);
    *res_opa = (lv_opa_t)opa;
}

lv_color_t lv_palette_main(lv_palette_t p)
{
    if(p >= _LV_PALETTE_LAST) return lv_color_black();
    return lv_color_hex(palette_main[p]);
}

lv_color_t lv_palette_lighten(lv_palette_t p, uint8_t lvl)
{
    if(p >= _LV_PALETTE_LAST) return lv_color_black();
    if(lvl < 1) lvl = 1;
    if(lvl > 5) lvl = 5;
    return lv_color_hex(palette_light[p][lvl - 1]);
}

lv_color_t lv_palette_darken(lv_palette_t p, uint8_t lvl)
{
    if(p >= _LV_PALETTE_LAST) return lv_color_black();
    if(lvl < 1) lvl = 1;
    if(lvl > 4) lvl = 4;
    return lv_color_hex(palette_dark[p][lvl - 1]);
}
