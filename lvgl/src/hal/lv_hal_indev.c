/**
 * @file lv_hal_indev.c
 * Registering input devices and reading them.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_hal_indev.h"
#include "../core/lv_indev.h"
#include "../misc/lv_mem.h"
#include "../misc/lv_ll.h"
#include "lv_hal_disp.h"

/**********************
 *  STATIC VARIABLES
 **********************/
static lv_ll_t indev_ll;

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

void _lv_indev_core_init(void)
{
    _lv_ll_init(&indev_ll, sizeof(lv_indev_t));
}

void _lv_indev_core_deinit(void)
{
    lv_indev_t * indev;
    while((indev = _lv_ll_get_head(&indev_ll)) != NULL) lv_indev_delete(indev);
}

void lv_indev_drv_init(lv_indev_drv_t * driver)
{
    lv_memset_00(driver, sizeof(lv_indev_drv_t));

    driver->type                 = LV_INDEV_TYPE_NONE;
    driver->scroll_limit         = LV_INDEV_DEF_SCROLL_LIMIT;
    driver->scroll_throw         = LV_INDEV_DEF_SCROLL_THROW;
    driver->long_press_time      = LV_INDEV_DEF_LONG_PRESS_TIME;
    driver->long_press_repeat_time  = LV_INDEV_DEF_LONG_PRESS_REP_TIME;
    driver->gesture_limit        = LV_INDEV_DEF_GESTURE_LIMIT;
    driver->gesture_min_velocity = LV_INDEV_DEF_GESTURE_MIN_VELOCITY;
}

/**
 * Register an input device. It is attached to the default display (unless
 * the driver names one) and read by its own timer every
 * LV_INDEV_DEF_READ_PERIOD ms.
 */
lv_indev_t * lv_indev_drv_register(lv_indev_drv_t * driver)
{
    if(driver->disp == NULL) driver->disp = lv_disp_get_default();
    if(driver->disp == NULL) return NULL;

    lv_indev_t * indev = _lv_ll_ins_head(&indev_ll);
    LV_ASSERT_MALLOC(indev);
    if(!indev) return NULL;

    lv_memset_00(indev, sizeof(lv_indev_t));
    indev->driver = driver;

    /*Start from a clean press state on the first reading*/
    indev->proc.reset_query = 1;
    indev->driver->read_timer = lv_timer_create(lv_indev_read_timer_cb, LV_INDEV_DEF_READ_PERIOD, indev);

    return indev;
}

void lv_indev_drv_update(lv_indev_t * indev, lv_indev_drv_t * new_drv)
{
    if(indev->driver->read_timer) lv_timer_del(indev->driver->read_timer);

    lv_memcpy(indev->driver, new_drv, sizeof(lv_indev_drv_t));
    indev->driver->read_timer = lv_timer_create(lv_indev_read_timer_cb, LV_INDEV_DEF_READ_PERIOD, indev);

    indev->proc.reset_query = 1;
}

void lv_indev_delete(lv_indev_t * indev)
{
    /*The timer holds the device as user data: it must go first*/
    if(indev->driver->read_timer) lv_timer_del(indev->driver->read_timer);
    indev->driver->read_timer = NULL;
    _lv_ll_remove(&indev_ll, indev);
    lv_mem_free(indev);
}

lv_indev_t * lv_indev_get_next(lv_indev_t * indev)
{
    return indev ? _lv_ll_get_next(&indev_ll, indev) : _lv_ll_get_head(&indev_ll);
}

/**
 * Read one sample. Fields the callback leaves alone keep the last values: a
 * pointer that reports only the state keeps its last position, a keypad
 * its last key.
 */
void _lv_indev_read(lv_indev_t * indev, lv_indev_data_t * data)
{
    lv_memset_00(data, sizeof(lv_indev_data_t));

    if(indev->driver->type == LV_INDEV_TYPE_POINTER) {
        data->point.x = indev->proc.types.pointer.last_raw_point.x;
        data->point.y = indev->proc.types.pointer.last_raw_point.y;
    }
    else if(indev->driver->type == LV_INDEV_TYPE_KEYPAD) {
        data->key = indev->proc.types.keypad.last_key;
    }

    if(indev->driver->read_cb) {
        indev->driver->read_cb(indev->driver, data);
    }
}
