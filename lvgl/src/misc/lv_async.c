/**
 * @file lv_async.c
 * An async call is a one-shot timer of period 0, so it runs at the next
 * lv_timer_handler, after the code that scheduled it has returned.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_async.h"
#include "lv_mem.h"
#include "lv_timer.h"

/**********************
 *      TYPEDEFS
 **********************/
typedef struct _lv_async_info_t {
    lv_async_cb_t cb;
    void * user_data;
} lv_async_info_t;

/**********************
 *  STATIC PROTOTYPES
 **********************/
static void lv_async_timer_cb(lv_timer_t * timer);

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

lv_res_t lv_async_call(lv_async_cb_t async_xcb, void * user_data)
{
    lv_async_info_t * info = lv_mem_alloc(sizeof(lv_async_info_t));
    if(info == NULL) return LV_RES_INV;

    lv_timer_t * timer = lv_timer_create(lv_async_timer_cb, 0, info);
    if(timer == NULL) {
        lv_mem_free(info);
        return LV_RES_INV;
    }
    info->cb = async_xcb;
    info->user_data = user_data;
    lv_timer_set_repeat_count(timer, 1);
    return LV_RES_OK;
}

lv_res_t lv_async_call_cancel(lv_async_cb_t async_xcb, void * user_data)
{
    lv_res_t res = LV_RES_INV;
    lv_timer_t * timer = lv_timer_get_next(NULL);
    while(timer != NULL) {
        lv_timer_t * timer_next = lv_timer_get_next(timer);
        if(timer->timer_cb == lv_async_timer_cb) {
            lv_async_info_t * info = (lv_async_info_t *)timer->user_data;
            if(info != NULL && info->cb == async_xcb && info->user_data == user_data) {
                lv_timer_del(timer);
                lv_mem_free(info);
                res = LV_RES_OK;
            }
        }
        timer = timer_next;
    }
    return res;
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

/* The info is freed before the call, so the callback may schedule again. */
static void lv_async_timer_cb(lv_timer_t * timer)
{
    lv_async_info_t info = *(lv_async_info_t *)timer->user_data;
    lv_mem_free(timer->user_data);
    timer->user_data = NULL;
    info.cb(info.user_data);
}
