/**
 * @file lv_tick.c
 */

#include "lv_tick.h"
#include <stddef.h>

#if LV_TICK_CUSTOM == 1
#include LV_TICK_CUSTOM_INCLUDE
#endif

#if !LV_TICK_CUSTOM
/* lv_tick_inc may run in an interrupt or on another thread while
 * lv_tick_get reads, and on small targets a 32-bit load can be split in two.
 * The writer bumps `tick_version` before and after its change, so the
 * version is odd while a change is under way; a reader keeps the value only
 * when it saw the same even version before and after loading it. */
static volatile uint32_t tick_ms;
static volatile uint32_t tick_version;
#endif

LV_ATTRIBUTE_TICK_INC void lv_tick_inc(uint32_t tick_period)
{
#if LV_TICK_CUSTOM
    (void)tick_period;
#else
    tick_version++;
    tick_ms += tick_period;
    tick_version++;
#endif
}

uint32_t lv_tick_get(void)
{
#if LV_TICK_CUSTOM
    return LV_TICK_CUSTOM_SYS_TIME_EXPR;
#else
    for(;;) {
        uint32_t version = tick_version;
        uint32_t ms = tick_ms;
        if((version & 1U) == 0 && version == tick_version) return ms;
    }
#endif
}

uint32_t lv_tick_elaps(uint32_t prev_tick)
{
    /* Unsigned subtraction stays right when the clock wrapped once since prev_tick */
    uint32_t now = lv_tick_get();
    return now - prev_tick;
}
