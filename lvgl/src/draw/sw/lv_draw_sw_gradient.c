/**
 * @file lv_draw_sw_gradient.c
 */
#include "lv_draw_sw_gradient.h"
#include "../../misc/lv_math.h"

lv_grad_color_t LV_ATTRIBUTE_FAST_MEM lv_gradient_calculate(const lv_grad_dsc_t * dsc, lv_coord_t range,
                                                            lv_coord_t frac)
{
    if(dsc->stops_count == 0) return lv_color_black();
    if(dsc->stops_count == 1 || range <= 1) return dsc->stops[0].color;

    /*The position as a stop fraction 0..255*/
    int32_t pos = (int32_t)frac * 255 / (range - 1);
    const lv_gradient_stop_t * s = dsc->stops;
    if(pos <= s[0].frac) return s[0].color;
    for(uint8_t i = 1; i < dsc->stops_count; i++) {
        if(pos <= s[i].frac) {
            int32_t span = s[i].frac - s[i - 1].frac;
            if(span <= 0) return s[i].color;
            uint8_t mix = (uint8_t)(((pos - s[i - 1].frac) * 255) / span);
            return lv_color_mix(s[i].color, s[i - 1].color, mix);
        }
    }
    return s[dsc->stops_count - 1].color;
}
