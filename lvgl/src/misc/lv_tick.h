/**
 * @file lv_tick.h
 * The millisecond tick. With LV_TICK_CUSTOM (Windows: GetTickCount) the tick
 * is read from the system; otherwise it is the sum of lv_tick_inc calls, which
 * the native tests use as a clock they set themselves.
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
 * Advance the tick by `tick_period` milliseconds (no effect with LV_TICK_CUSTOM).
 * @param tick_period the elapsed time in milliseconds
 */
LV_ATTRIBUTE_TICK_INC void lv_tick_inc(uint32_t tick_period);

/**
 * @return the milliseconds elapsed since start-up (wraps at 2^32)
 */
uint32_t lv_tick_get(void);

/**
 * @param prev_tick a previous value of lv_tick_get
 * @return the milliseconds since `prev_tick`, correct across one wrap-around
 */
uint32_t lv_tick_elaps(uint32_t prev_tick);

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_TICK_H*/
