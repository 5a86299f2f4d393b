/**
 * @file lv_hal_indev.c
 * Registering input devices. Each device is read by a timer of its own,
 * whose callback (lv_indev.c) turns the readings into events.
 */

#include "lv_hal_indev.h"
#include "../core/lv_indev.h"
#include "../misc/lv_mem.h"
#include "lv_hal_disp.h"

static const lv_indev_drv_t driver_defaults = {
    .type = LV_INDEV_TYPE_NONE,
    .scroll_limit = LV_INDEV_DEF_SCROLL_LIMIT,
    .scroll_throw = LV_INDEV_DEF_SCROLL_THROW,
    .long_press_time = LV_INDEV_DEF_LONG_PRESS_TIME,
    .long_press_repeat_time = LV_INDEV_DEF_LONG_PRESS_REP_TIME,
    .gesture_limit = LV_INDEV_DEF_GESTURE_LIMIT,
    .gesture_min_velocity = LV_INDEV_DEF_GESTURE_MIN_VELOCITY,
};

/* Registered devices, oldest first; lv_indev_get_next hands them out newest first */
static lv_indev_t ** devices;
static uint32_t device_count;
static uint32_t device_capacity;

void _lv_indev_core_init(void)
{
    /* After lv_deinit the memory pool was reset, the old array with it */
    devices = NULL;
    device_count = 0;
    device_capacity = 0;
}

void _lv_indev_core_deinit(void)
{
    while(device_count > 0) lv_indev_delete(devices[device_count - 1]);
}

void lv_indev_drv_init(lv_indev_drv_t * driver)
{
    *driver = driver_defaults;
}

/* The read timer hands the device to lv_indev_read_timer_cb. A device
 * (re)starts from a clean press state at its first reading. */
static bool start_reading(lv_indev_t * indev)
{
    lv_timer_t * timer = lv_timer_create(lv_indev_read_timer_cb, LV_INDEV_DEF_READ_PERIOD, indev);
    indev->driver->read_timer = timer;
    indev->proc.reset_query = 1;
    return timer != NULL;
}

static void stop_reading(lv_indev_t * indev)
{
    lv_timer_del(indev->driver->read_timer);
    indev->driver->read_timer = NULL;
}

/* A device needs a display to send its input to: the driver's, or else the
 * default one. */
lv_indev_t * lv_indev_drv_register(lv_indev_drv_t * driver)
{
    lv_disp_t * disp = driver->disp ? driver->disp : lv_disp_get_default();
    if(disp == NULL) return NULL;
    driver->disp = disp;

    if(device_count == device_capacity) {
        uint32_t capacity = device_capacity ? device_capacity * 2 : 4;
        lv_indev_t ** grown = lv_mem_realloc(devices, capacity * sizeof(lv_indev_t *));
        if(grown == NULL) return NULL;
        devices = grown;
        device_capacity = capacity;
    }

    lv_indev_t * created = lv_mem_alloc(sizeof(lv_indev_t));
    if(created == NULL) return NULL;
    *created = (lv_indev_t) {
        .driver = driver,
    };
    if(!start_reading(created)) {
        lv_mem_free(created);
        return NULL;
    }
    devices[device_count++] = created;
    return created;
}

void lv_indev_drv_update(lv_indev_t * indev, lv_indev_drv_t * new_drv)
{
    stop_reading(indev);
    if(new_drv != indev->driver) lv_memcpy(indev->driver, new_drv, sizeof(lv_indev_drv_t));
    start_reading(indev);
}

void lv_indev_delete(lv_indev_t * indev)
{
    /* The timer would hand the freed device to its callback: it goes first */
    stop_reading(indev);

    uint32_t kept = 0;
    for(uint32_t i = 0; i < device_count; i++) {
        if(devices[i] != indev) devices[kept++] = devices[i];
    }
    device_count = kept;
    lv_mem_free(indev);
}

lv_indev_t * lv_indev_get_next(lv_indev_t * indev)
{
    uint32_t i = device_count;
    if(indev != NULL) {
        while(i > 0 && devices[i - 1] != indev) i--;
        /* Not registered (any more): the walk ends */
        if(i == 0) return NULL;
        i--;
    }
    return i > 0 ? devices[i - 1] : NULL;
}

/* A field the driver leaves alone keeps the value of the last reading: a
 * pointer that reports only its state stays where it was, a keypad that
 * reports only the release keeps the key that went down. */
void _lv_indev_read(lv_indev_t * indev, lv_indev_data_t * data)
{
    static const lv_indev_data_t nothing_reported;
    *data = nothing_reported;
    lv_indev_type_t type = indev->driver->type;
    if(type == LV_INDEV_TYPE_POINTER) data->point = indev->proc.types.pointer.last_raw_point;
    if(type == LV_INDEV_TYPE_KEYPAD) data->key = indev->proc.types.keypad.last_key;

    if(indev->driver->read_cb) indev->driver->read_cb(indev->driver, data);
}
