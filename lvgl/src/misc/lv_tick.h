/**
 * @file lv_tick.h
 * The library's millisecond clock. Built with LV_TICK_CUSTOM (the Windows
 * program: GetTickCount) it reads the system clock; otherwise it counts what
 * lv_tick_inc adds, which gives the native tests a clock they move themselves.
 */
#ifndef LV_TICK_H
#define LV_TICK_H

#ifdef __cplusplus
extern "C" {
#endif

#include "../lv_conf_internal.h"
#include <stdint.h>
#include <stdbool.h>

#ifndef LV_ATTRIBUTE_TICK_INC
#define LV_ATTRIBUTE_TICK_INC
#endif

/**
 * Add `tick_period` milliseconds to the clock. Safe to call from an interrupt
 * or another thread; does nothing with LV_TICK_CUSTOM.
 */
LV_ATTRIBUTE_TICK_INC void lv_tick_inc(uint32_t tick_period);

/** @return milliseconds since start-up; wraps around after about 49 days */
uint32_t lv_tick_get(void);

/** @return milliseconds since `prev_tick` (an earlier lv_tick_get), right across one wrap-around */
uint32_t lv_tick_elaps(uint32_t prev_tick);

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_TICK_H*/
