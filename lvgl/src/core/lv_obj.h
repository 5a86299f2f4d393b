/**
 * @file lv_obj.h
 * The base object: every widget is an lv_obj_t whose class adds behaviour.
 */

#ifndef LV_OBJ_H
#define LV_OBJ_H

#ifdef __cplusplus
extern "C" {
#endif

/*********************
 *      INCLUDES
 *********************/
#include "../lv_conf_internal.h"

#include <stddef.h>
#include <stdbool.h>
#include "../misc/lv_style.h"
#include "../misc/lv_types.h"
#include "../misc/lv_area.h"
#include "../misc/lv_color.h"
#include "../misc/lv_assert.h"
#include "../hal/lv_hal.h"

/*********************
 *      DEFINES
 *********************/

/**********************
 *      TYPEDEFS
 **********************/

typedef struct _lv_obj_t lv_obj_t;

/**
 * State bits of an object; several can be set at once. Styles are chosen by
 * the current state.
 */
enum {
    LV_STATE_DEFAULT     =  0x0000,
    LV_STATE_CHECKED     =  0x0001,
    LV_STATE_FOCUSED     =  0x0002,
    LV_STATE_FOCUS_KEY   =  0x0004,
    LV_STATE_EDITED      =  0x0008,
    LV_STATE_HOVERED     =  0x0010,
    LV_STATE_PRESSED     =  0x0020,
    LV_STATE_SCROLLED    =  0x0040,
    LV_STATE_DISABLED    =  0x0080,

    LV_STATE_USER_1      =  0x1000,
    LV_STATE_USER_2      =  0x2000,
    LV_STATE_USER_3      =  0x4000,
    LV_STATE_USER_4      =  0x8000,

    LV_STATE_ANY = 0xFFFF,
};

typedef uint16_t lv_state_t;

/**
 * Parts of a widget that carry their own styles. In a style selector the
 * part sits in the bits above the state.
 */
enum {
    LV_PART_MAIN         = 0x000000,
    LV_PART_SCROLLBAR    = 0x010000,
    LV_PART_INDICATOR    = 0x020000,
    LV_PART_KNOB         = 0x030000,
    LV_PART_SELECTED     = 0x040000,
    LV_PART_ITEMS        = 0x050000,
    LV_PART_TICKS        = 0x060000,
    LV_PART_CURSOR       = 0x070000,

    LV_PART_CUSTOM_FIRST = 0x080000,

    LV_PART_ANY          = 0x0F0000,
};

typedef uint32_t lv_part_t;

/**
 * Behaviour switches of an object; combine with `|`.
 */
enum {
    LV_OBJ_FLAG_HIDDEN          = (1L << 0),
    LV_OBJ_FLAG_CLICKABLE       = (1L << 1),
    LV_OBJ_FLAG_CLICK_FOCUSABLE = (1L << 2),
    LV_OBJ_FLAG_CHECKABLE       = (1L << 3),
    LV_OBJ_FLAG_SCROLLABLE      = (1L << 4),
    LV_OBJ_FLAG_SCROLL_ELASTIC  = (1L << 5),
    LV_OBJ_FLAG_SCROLL_MOMENTUM = (1L << 6),
    LV_OBJ_FLAG_SCROLL_ONE      = (1L << 7),
    LV_OBJ_FLAG_SCROLL_CHAIN_HOR = (1L << 8),
    LV_OBJ_FLAG_SCROLL_CHAIN_VER = (1L << 9),
    LV_OBJ_FLAG_SCROLL_CHAIN     = (LV_OBJ_FLAG_SCROLL_CHAIN_HOR | LV_OBJ_FLAG_SCROLL_CHAIN_VER),
    LV_OBJ_FLAG_SCROLL_ON_FOCUS = (1L << 10),
    LV_OBJ_FLAG_SCROLL_WITH_ARROW  = (1L << 11),
    LV_OBJ_FLAG_SNAPPABLE       = (1L << 12),
    LV_OBJ_FLAG_PRESS_LOCK      = (1L << 13),
    LV_OBJ_FLAG_EVENT_BUBBLE    = (1L << 14),
    LV_OBJ_FLAG_GESTURE_BUBBLE  = (1L << 15),
    LV_OBJ_FLAG_ADV_HITTEST     = (1L << 16),
    LV_OBJ_FLAG_IGNORE_LAYOUT   = (1L << 17),
    LV_OBJ_FLAG_FLOATING        = (1L << 18),
    LV_OBJ_FLAG_OVERFLOW_VISIBLE = (1L << 19),

    LV_OBJ_FLAG_LAYOUT_1        = (1L << 23),
    LV_OBJ_FLAG_LAYOUT_2        = (1L << 24),

    LV_OBJ_FLAG_WIDGET_1        = (1L << 25),
    LV_OBJ_FLAG_WIDGET_2        = (1L << 26),
    LV_OBJ_FLAG_USER_1          = (1L << 27),
    LV_OBJ_FLAG_USER_2          = (1L << 28),
    LV_OBJ_FLAG_USER_3          = (1L << 29),
    LV_OBJ_FLAG_USER_4          = (1L << 30),
};

typedef uint32_t lv_obj_flag_t;

/**
 * `type` field of `lv_obj_draw_part_dsc_t` for the base object's own parts.
 */
typedef enum {
    LV_OBJ_DRAW_PART_RECTANGLE,  /**< background, border (unless drawn later), outline and shadow*/
    LV_OBJ_DRAW_PART_BORDER_POST,/**< the border alone, drawn over the children when border_post is set*/
    LV_OBJ_DRAW_PART_SCROLLBAR,  /**< each visible scrollbar*/
} lv_obj_draw_part_type_t;

#include "lv_obj_tree.h"
#include "lv_obj_pos.h"
#include "lv_obj_scroll.h"
#include "lv_obj_style.h"
#include "lv_obj_draw.h"
#include "lv_obj_class.h"
#include "lv_event.h"
#include "lv_group.h"

/**
 * Attributes only some objects need (children, events, group, scroll
 * position); allocated on first use so a plain label stays small.
 */
typedef struct {
    struct _lv_obj_t ** children;   /**< children in drawing order, oldest first*/
    uint32_t child_cnt;
    lv_group_t * group_p;

    struct _lv_event_dsc_t * event_dsc; /**< the handlers added with lv_obj_add_event_cb, in order*/
    lv_point_t scroll;                  /**< how far the content is scrolled, positive towards the end*/

    lv_coord_t ext_click_pad;   /**< the clickable area reaches this far past the edges*/
    lv_coord_t ext_draw_size;   /**< drawing (shadow, outline...) reaches this far past the edges*/

    lv_scrollbar_mode_t scrollbar_mode : 2;
    lv_scroll_snap_t scroll_snap_x : 2;     /**< where snappable children come to rest horizontally*/
    lv_scroll_snap_t scroll_snap_y : 2;     /**< and vertically*/
    lv_dir_t scroll_dir : 4;                /**< directions the user may scroll*/
    uint8_t event_dsc_cnt : 6;
} _lv_obj_spec_attr_t;

struct _lv_obj_t {
    const lv_obj_class_t * class_p;
    struct _lv_obj_t * parent;
    _lv_obj_spec_attr_t * spec_attr;
    _lv_obj_style_t * styles;
#if LV_USE_USER_DATA
    void * user_data;
#endif
    lv_area_t coords;
    lv_obj_flag_t flags;
    lv_state_t state;
    uint16_t layout_inv : 1;
    uint16_t scr_layout_inv : 1;
    uint16_t skip_trans : 1;
    uint16_t style_cnt  : 6;
    uint16_t h_layout   : 1;
    uint16_t w_layout   : 1;
};

/**********************
 * GLOBAL PROTOTYPES
 **********************/

/**
 * Start the library: memory pool, timers, animations, drawing, styles.
 * Call it once before any other lv_ function; later calls do nothing.
 */
void lv_init(void);

/**
 * Stop the library: remove every display and input device and empty the
 * memory pool. lv_init may be called again afterwards.
 */
void lv_deinit(void);

/** @return true between lv_init and lv_deinit*/
bool lv_is_initialized(void);

/**
 * Create a plain object: a styled rectangle that can hold children.
 * @param parent    the parent, or NULL for a new screen
 * @return          the new object, or NULL when out of memory
 */
lv_obj_t * lv_obj_create(lv_obj_t * parent);

/**
 * Switch behaviour flags on.
 * @param obj   the object
 * @param f     one or more `LV_OBJ_FLAG_...` values
 */
void lv_obj_add_flag(lv_obj_t * obj, lv_obj_flag_t f);

/**
 * Switch behaviour flags off.
 * @param obj   the object
 * @param f     one or more `LV_OBJ_FLAG_...` values
 */
void lv_obj_clear_flag(lv_obj_t * obj, lv_obj_flag_t f);

/**
 * Set state bits, leaving the others as they are; the look follows.
 * @param obj       the object
 * @param state     one or more `LV_STATE_...` values
 */
void lv_obj_add_state(lv_obj_t * obj, lv_state_t state);

/**
 * Clear state bits, leaving the others as they are; the look follows.
 * @param obj       the object
 * @param state     one or more `LV_STATE_...` values
 */
void lv_obj_clear_state(lv_obj_t * obj, lv_state_t state);

/* The program's own pointer carried by each object. */
#if LV_USE_USER_DATA
static inline void lv_obj_set_user_data(lv_obj_t * obj, void * user_data)
{
    obj->user_data = user_data;
}

static inline void * lv_obj_get_user_data(lv_obj_t * obj)
{
    return obj->user_data;
}
#endif

/** @return true if every flag in `f` is set on `obj`*/
bool lv_obj_has_flag(const lv_obj_t * obj, lv_obj_flag_t f);

/** @return true if at least one flag in `f` is set on `obj`*/
bool lv_obj_has_flag_any(const lv_obj_t * obj, lv_obj_flag_t f);

/** @return all state bits of `obj`*/
lv_state_t lv_obj_get_state(const lv_obj_t * obj);

/** @return true if any bit of `state` is set on `obj`*/
bool lv_obj_has_state(const lv_obj_t * obj, lv_state_t state);

/** @return the input group `obj` belongs to, or NULL*/
void * lv_obj_get_group(const lv_obj_t * obj);

/** Give `obj` its rarely needed attributes (children, events, scroll) if it has none yet.*/
void lv_obj_allocate_spec_attr(lv_obj_t * obj);

/** @return true if `obj` is exactly of `class_p` (not merely derived from it)*/
bool lv_obj_check_type(const lv_obj_t * obj, const lv_obj_class_t * class_p);

/** @return true if `obj` is of `class_p` or of a class derived from it*/
bool lv_obj_has_class(const lv_obj_t * obj, const lv_obj_class_t * class_p);

/** @return the class `obj` was created with*/
const lv_obj_class_t * lv_obj_get_class(const lv_obj_t * obj);

/** @return true if `obj` still hangs in the tree of some display (slow: walks every object)*/
bool lv_obj_is_valid(const lv_obj_t * obj);

/** @return `n` pixels at 160 DPI converted to the DPI of `obj`'s display*/
static inline lv_coord_t lv_obj_dpx(const lv_obj_t * obj, lv_coord_t n)
{
    return _LV_DPX_CALC(lv_disp_get_dpi(lv_obj_get_disp(obj)), n);
}

/**********************
 *      MACROS
 **********************/

extern const lv_obj_class_t lv_obj_class;

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_OBJ_H*/
