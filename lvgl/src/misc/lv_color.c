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

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

void LV_ATTRIBUTE_FAST_MEM lv_color_fill(lv_color_t * buf, lv_color_t color, uint32_t px_num)
{
    uint32_t c = color.full;
    uint32_t * p = (uint32_t *)buf;
    for(uint32_t i = 0; i < px_num; i++) p[i] = c;
}

lv_color_t lv_color_lighten(lv_color_t c, lv_opa_t lvl)
{
    return lv_color_mix(lv_color_white(), c, lvl);
}

lv_color_t lv_color_darken(lv_color_t c, lv_opa_t lvl)
{
    return lv_color_mix(lv_color_black(), c, lvl);
}

/* LV_OPA_50 keeps the colour; below it mixes towards black, above towards white. */
lv_color_t lv_color_change_lightness(lv_color_t c, lv_opa_t lvl)
{
    if(lvl == LV_OPA_50) return c;
    if(lvl < LV_OPA_50) return lv_color_darken(c, (lv_opa_t)((LV_OPA_50 - lvl) * 2));
    return lv_color_lighten(c, (lv_opa_t)((lvl - LV_OPA_50) * 2));
}

/* Sextant by sextant: the largest channel is v, the smallest v * (1 - s), the
 * middle one moves linearly between them. All in integers with rounding so
 * that pure hues come out exact (hsv(120, 100, 100) is 0x00FF00). */
lv_color_t lv_color_hsv_to_rgb(uint16_t h, uint8_t s, uint8_t v)
{
    h = (uint16_t)(h % 360);
    if(s > 100) s = 100;
    if(v > 100) v = 100;

    int32_t vmax = (v * 255 + 50) / 100;
    int32_t vmin = (vmax * (100 - s) + 50) / 100;
    int32_t sextant = h / 60;
    int32_t frac = h - sextant * 60;                      /*0..59*/
    int32_t rising = vmin + ((vmax - vmin) * frac + 30) / 60;
    int32_t falling = vmax - ((vmax - vmin) * frac + 30) / 60;

    int32_t r, g, b;
    switch(sextant) {
        case 0: r = vmax; g = rising; b = vmin; break;
        case 1: r = falling; g = vmax; b = vmin; break;
        case 2: r = vmin; g = vmax; b = rising; break;
        case 3: r = vmin; g = falling; b = vmax; break;
        case 4: r = rising; g = vmin; b = vmax; break;
        default: r = vmax; g = vmin; b = falling; break;
    }
    return lv_color_make((uint8_t)r, (uint8_t)g, (uint8_t)b);
}

lv_color_hsv_t lv_color_rgb_to_hsv(uint8_t r8, uint8_t g8, uint8_t b8)
{
    int32_t r = r8, g = g8, b = b8;
    int32_t max = LV_MAX3(r, g, b);
    int32_t min = LV_MIN3(r, g, b);
    int32_t delta = max - min;
    lv_color_hsv_t hsv;

    hsv.v = (uint8_t)((max * 100 + 127) / 255);
    if(max == 0 || delta == 0) {
        hsv.h = 0;
        hsv.s = 0;
        return hsv;
    }
    hsv.s = (uint8_t)((delta * 100 + max / 2) / max);

    /*Hue in 1/delta units of 60 degrees, rounded once at the end*/
    int32_t h6;
    if(max == r) h6 = (g - b) * 60 + (g < b ? 360 * delta : 0);
    else if(max == g) h6 = (b - r) * 60 + 120 * delta;
    else h6 = (r - g) * 60 + 240 * delta;
    int32_t h = (h6 + delta / 2) / delta;
    hsv.h = (uint16_t)(h % 360);
    return hsv;
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
