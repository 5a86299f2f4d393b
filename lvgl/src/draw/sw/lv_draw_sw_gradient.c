/**
 * @file lv_draw_sw_gradient.c
 * Colours along a gradient.
 */
#include "lv_draw_sw_gradient.h"
#include "../../misc/lv_math.h"

/* Position `frac` of a `range` long gradient becomes a stop fraction
 * (0..255); the colour there mixes the two stops around it by how near each
 * is. Before the first stop it is the first colour, past the last the last.
 * A stop count beyond the descriptor's array is not read past it. */
lv_grad_color_t LV_ATTRIBUTE_FAST_MEM lv_gradient_calculate(const lv_grad_dsc_t * dsc, lv_coord_t range,
                                                            lv_coord_t frac)
{
    uint32_t n = LV_MIN(dsc->stops_count, (uint32_t)LV_GRADIENT_MAX_STOPS);
    const lv_gradient_stop_t * stop = dsc->stops;
    if(n == 0) return lv_color_black();
    if(n == 1 || range <= 1) return stop[0].color;

    int32_t at = (int32_t)frac * 255 / (range - 1);
    uint32_t next = 0;
    while(next < n && at > stop[next].frac) next++;
    if(next == 0) return stop[0].color;
    if(next == n) return stop[n - 1].color;
    int32_t gap = stop[next].frac - stop[next - 1].frac;
    if(gap <= 0) return stop[next].color;
    return lv_color_mix(stop[next].color, stop[next - 1].color, (uint8_t)((at - stop[next - 1].frac) * 255 / gap));
}
