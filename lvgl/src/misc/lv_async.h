/**
 * @file lv_async.h
 * Calls put off until the next lv_timer_handler pass, e.g. to delete an
 * object from inside one of its own event handlers.
 */
#ifndef LV_ASYNC_H
#define LV_ASYNC_H

#ifdef __cplusplus
extern "C" {
#endif

#include "lv_types.h"

typedef void (*lv_async_cb_t)(void *);

/**
 * Have `async_xcb(user_data)` called once, at the next lv_timer_handler
 * pass; a call scheduled from inside such a call waits for the pass after.
 * @return LV_RES_OK, or LV_RES_INV when out of memory
 */
lv_res_t lv_async_call(lv_async_cb_t async_xcb, void * user_data);

/**
 * Drop every pending call of `async_xcb` with `user_data`.
 * @return LV_RES_OK if there was one, else LV_RES_INV
 */
lv_res_t lv_async_call_cancel(lv_async_cb_t async_xcb, void * user_data);

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_ASYNC_H*/
