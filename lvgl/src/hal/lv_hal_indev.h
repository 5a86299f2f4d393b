/**
 * @file lv_hal_indev.h
 * Input device driver interface: what the host's read callback reports.
 */

#ifndef LV_HAL_INDEV_H
#define LV_HAL_INDEV_H

#ifdef __cplusplus
extern "C" {
#endif

/*********************
 *      INCLUDES
 *********************/
#include "../lv_conf_internal.h"
#include <stdbool.h>
#include <stdint.h>
#include "../misc/lv_area.h"
#include "../misc/lv_timer.h"

/*********************
 *      DEFINES
 *********************/

/*Defaults lv_indev_drv_init puts in a driver*/
#define LV_INDEV_DEF_SCROLL_LIMIT         10    /*px a press must move before it scrolls*/
#define LV_INDEV_DEF_SCROLL_THROW         10    /*% of its speed a thrown scroll loses per reading*/
#define LV_INDEV_DEF_LONG_PRESS_TIME      400   /*ms held before LV_EVENT_LONG_PRESSED*/
#define LV_INDEV_DEF_LONG_PRESS_REP_TIME  100   /*ms between LV_EVENT_LONG_PRESSED_REPEAT*/
#define LV_INDEV_DEF_GESTURE_LIMIT        50    /*px a swipe must cover*/
#define LV_INDEV_DEF_GESTURE_MIN_VELOCITY 3     /*px per reading a swipe must keep moving; slower starts it over*/

/**********************
 *      TYPEDEFS
 **********************/

struct _lv_obj_t;
struct _lv_disp_t;
struct _lv_group_t;
struct _lv_indev_t;
struct _lv_indev_drv_t;

typedef enum {
    LV_INDEV_TYPE_NONE,    /**< not set up yet*/
    LV_INDEV_TYPE_POINTER, /**< mouse, touch pad*/
    LV_INDEV_TYPE_KEYPAD,  /**< keys sent to the focused object of a group*/
    LV_INDEV_TYPE_BUTTON,  /**< hardware buttons that press fixed points of the screen*/
    LV_INDEV_TYPE_ENCODER, /**< a wheel (left/right steps) with a push button*/
} lv_indev_type_t;

typedef enum {
    LV_INDEV_STATE_RELEASED = 0,
    LV_INDEV_STATE_PRESSED
} lv_indev_state_t;

/** One reading, filled by the driver's read callback. */
typedef struct {
    lv_point_t point; /**< pointer: the position*/
    uint32_t key;     /**< keypad: the key (a character or LV_KEY_...)*/
    uint32_t btn_id;  /**< button: which one*/
    int16_t enc_diff; /**< encoder: steps since the last reading*/

    lv_indev_state_t state;
    bool continue_reading;  /**< more readings are queued: read again at once*/
} lv_indev_data_t;

/** What the host tells the library about an input device; must outlive it. */
typedef struct _lv_indev_drv_t {
    lv_indev_type_t type;

    /** Fill in one reading.*/
    void (*read_cb)(struct _lv_indev_drv_t * indev_drv, lv_indev_data_t * data);

    /** Optional: told the code of every event this device causes (e.g. to click or buzz).*/
    void (*feedback_cb)(struct _lv_indev_drv_t *, uint8_t);

#if LV_USE_USER_DATA
    void * user_data;
#endif

    struct _lv_disp_t * disp;       /**< the display the input is for*/
    lv_timer_t * read_timer;        /**< reads the device periodically (set by the library)*/

    uint8_t scroll_limit;           /**< see LV_INDEV_DEF_SCROLL_LIMIT*/
    uint8_t scroll_throw;           /**< see LV_INDEV_DEF_SCROLL_THROW*/
    uint8_t gesture_min_velocity;   /**< see LV_INDEV_DEF_GESTURE_MIN_VELOCITY*/
    uint8_t gesture_limit;          /**< see LV_INDEV_DEF_GESTURE_LIMIT*/
    uint16_t long_press_time;       /**< ms, see LV_INDEV_DEF_LONG_PRESS_TIME*/
    uint16_t long_press_repeat_time; /**< ms, see LV_INDEV_DEF_LONG_PRESS_REP_TIME*/
} lv_indev_drv_t;

/** What the library tracks about a device between readings; not for the program. */
typedef struct _lv_indev_proc_t {
    lv_indev_state_t state;
    uint8_t long_pr_sent : 1;       /*LONG_PRESSED already sent for this press*/
    uint8_t reset_query : 1;        /*drop the press state at the next chance (see lv_indev_reset)*/
    uint8_t disabled : 1;
    uint8_t wait_until_release : 1; /*ignore the device until the press ends*/

    union {
        struct {
            lv_point_t act_point;       /*position of this reading*/
            lv_point_t last_point;      /*position of the previous one*/
            lv_point_t last_raw_point;  /*as the driver reported it, before clamping*/
            lv_point_t vect;            /*movement since the previous reading*/
            lv_point_t scroll_sum;      /*movement since the press, until a scroll starts*/
            lv_point_t scroll_throw_vect;     /*smoothed speed a released scroll goes on with*/
            lv_point_t scroll_throw_vect_ori; /*that speed at the last reading while pressed*/
            struct _lv_obj_t * act_obj;      /*the object pressed now*/
            struct _lv_obj_t * last_obj;     /*the object of the latest press*/
            struct _lv_obj_t * scroll_obj;   /*the object being scrolled*/
            struct _lv_obj_t * last_pressed; /*the object clicked last (for click focus)*/
            lv_area_t scroll_area;

            lv_point_t gesture_sum;     /*movement counted towards a gesture*/
            lv_dir_t scroll_dir : 4;
            lv_dir_t gesture_dir : 4;
            uint8_t gesture_sent : 1;
        } pointer;
        struct {
            lv_indev_state_t last_state;
            uint32_t last_key;
        } keypad;
    } types;

    uint32_t pr_timestamp;         /**< tick of the press*/
    uint32_t longpr_rep_timestamp; /**< tick of the last long-press repeat*/
} _lv_indev_proc_t;

/** A registered input device. */
typedef struct _lv_indev_t {
    struct _lv_indev_drv_t * driver;
    _lv_indev_proc_t proc;
    struct _lv_obj_t * cursor;     /**< optional object that follows a pointer*/
    struct _lv_group_t * group;    /**< the group a keypad or encoder drives*/
    const lv_point_t * btn_points; /**< button devices: the screen point each button presses*/
} lv_indev_t;

/**********************
 * GLOBAL PROTOTYPES
 **********************/

/** Fill a driver with defaults (the LV_INDEV_DEF_... values); then set type, read_cb and what differs.*/
void lv_indev_drv_init(struct _lv_indev_drv_t * driver);

/** Set up / tear down the input device list; called by lv_init and lv_deinit.*/
void _lv_indev_core_init(void);
void _lv_indev_core_deinit(void);

/**
 * Register an input device on the driver's display (the default one if unset).
 * @return          the device, or NULL without a display or memory
 */
lv_indev_t * lv_indev_drv_register(struct _lv_indev_drv_t * driver);

/** Copy a changed driver into the device's driver and restart its reading.*/
void lv_indev_drv_update(lv_indev_t * indev, struct _lv_indev_drv_t * new_drv);

/** Unregister and free the device; it must not be used afterwards.*/
void lv_indev_delete(lv_indev_t * indev);

/** @return the device after `indev`, the first one for NULL, or NULL at the end*/
lv_indev_t * lv_indev_get_next(lv_indev_t * indev);

/** Take one reading through the driver; fields it leaves alone keep the last values.*/
void _lv_indev_read(lv_indev_t * indev, lv_indev_data_t * data);

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif
