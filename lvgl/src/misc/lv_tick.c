/**
 * @file lv_tick.c
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_tick.h"
#include <stddef.h>

#if LV_TICK_CUSTOM == 1
#include LV_TICK_CUSTOM_INCLUDE
#endif

/**********************
 *  STATIC VARIABLES
 **********************/
#if !LV_TICK_CUSTOM
/* Written by lv_tick_inc, possibly from another thread or an interrupt:
 * volatile plus the re-read loop in lv_tick_get give a consistent value
 * without a lock. */
static volatile uint32_t sys_time = 0;
static volatile uint8_t tick_irq_flag;
#endif

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

LV_ATTRIBUTE_TICK_INC void lv_tick_inc(uint32_t tick_period)
{
#if !LV_TICK_CUSTOM
    tick_irq_flag = 0;
    sys_time += tick_period;
#else
    (void)tick_period;
#endif
}

uint32_t lv_tick_get(void)
{
#if LV_TICK_CUSTOM == 0
    uint32_t result;
    do {
        tick_irq_flag = 1;
        result = sys_time;
    } while(!tick_irq_flag); /*Read again if lv_tick_inc ran meanwhile*/
    return result;
#else
    return LV_TICK_CUSTOM_SYS_TIME_EXPR;
#endif
}

uint32_t lv_tick_elaps(uint32_t prev_tick)
{
    /*Unsigned subtraction is right across a wrap-around*/
    return lv_tick_get() - prev_tick;
}
