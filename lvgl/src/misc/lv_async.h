/**
 * @file lv_async.h
 * Run a function once, at the next lv_timer_handler call.
 */
#ifndef LV_ASYNC_H
#define LV_ASYNC_H

#ifdef __cplusplus
extern "C" {
#endif

#include "lv_types.h"

/** Type for async callback. */
typedef void (*lv_async_cb_t)(void *);

/**
 * Call `async_xcb(user_data)` at the next lv_timer_handler, once.
 * @return LV_RES_OK, or LV_RES_INV when out of memory
 */
lv_res_t lv_async_call(lv_async_cb_t async_xcb, void * user_data);

/**
 * Cancel pending calls of (async_xcb, user_data).
 * @return LV_RES_OK if at least one was cancelled, else LV_RES_INV
 */
lv_res_t lv_async_call_cancel(lv_async_cb_t async_xcb, void * user_data);

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_ASYNC_H*/
