/**
 * @file lv_hal_tick.h
 * The tick interface lives in misc/lv_tick.h; this header keeps the upstream
 * include path working for programs that include it directly.
 */

#ifndef LV_HAL_TICK_H
#define LV_HAL_TICK_H

#include "../misc/lv_tick.h"

#endif /*LV_HAL_TICK_H*/
