/**
 * @file lv_draw_sw_gradient.h
 * Gradient colours for the software renderer.
 */
#ifndef LV_DRAW_SW_GRADIENT_H
#define LV_DRAW_SW_GRADIENT_H

#ifdef __cplusplus
extern "C" {
#endif

#include "../../misc/lv_color.h"
#include "../../misc/lv_style.h"

typedef lv_color_t lv_grad_color_t;

/**
 * The colour of a gradient at position `frac` of a `range` long gradient.
 * @param dsc the gradient (stops with fractions 0..255)
 * @param range the gradient's length in pixels
 * @param frac the position, 0..range-1
 */
lv_grad_color_t LV_ATTRIBUTE_FAST_MEM lv_gradient_calculate(const lv_grad_dsc_t * dsc, lv_coord_t range,
                                                            lv_coord_t frac);

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_DRAW_SW_GRADIENT_H*/
