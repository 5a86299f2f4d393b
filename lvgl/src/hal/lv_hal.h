/**
 * @file lv_hal.h
 * The driver interfaces: display, input devices, tick.
 */

#ifndef LV_HAL_H
#define LV_HAL_H

#ifdef __cplusplus
extern "C" {
#endif

#include "lv_hal_disp.h"
#include "lv_hal_indev.h"
#include "lv_hal_tick.h"

/*********************
 *      DEFINES
 *********************/
/** Scale a pixel distance given for a 160 DPI display to the default display's DPI.*/
#define LV_DPX(n)   _LV_DPX_CALC(lv_disp_get_dpi(NULL), n)

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif
