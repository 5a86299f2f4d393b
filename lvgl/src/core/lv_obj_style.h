/**
 * @file lv_obj_style.h
 * Styles attached to objects: shared styles, local properties, and the
 * resolution of a property for a part in the object's current state.
 */

#ifndef LV_OBJ_STYLE_H
#define LV_OBJ_STYLE_H

#ifdef __cplusplus
extern "C" {
#endif

/*********************
 *      INCLUDES
 *********************/
#include <stdint.h>
#include <stdbool.h>
#include "../misc/lv_bidi.h"
#include "../misc/lv_style.h"

/**********************
 *      TYPEDEFS
 **********************/
struct _lv_obj_t; /*lv_obj.h includes this header*/

typedef enum {
    _LV_STYLE_STATE_CMP_SAME,           /*both states look the same*/
    _LV_STYLE_STATE_CMP_DIFF_REDRAW,    /*a redraw of the object is enough*/
    _LV_STYLE_STATE_CMP_DIFF_DRAW_PAD,  /*the extra draw area (shadow, outline) changes too*/
    _LV_STYLE_STATE_CMP_DIFF_LAYOUT,    /*sizes or positions change: the layout must run*/
} _lv_style_state_cmp_t;

typedef uint32_t lv_style_selector_t;

typedef struct {
    lv_style_t * style;
    uint32_t selector : 24;
    uint32_t is_local : 1;
    uint32_t is_trans : 1;
} _lv_obj_style_t;

typedef struct {
    uint16_t time;
    uint16_t delay;
    lv_style_selector_t selector;
    lv_style_prop_t prop;
    lv_anim_path_cb_t path_cb;
#if LV_USE_USER_DATA
    void * user_data;
#endif
} _lv_obj_style_transition_dsc_t;

/**********************
 * GLOBAL PROTOTYPES
 **********************/

/** Reset the style module; called by lv_init.*/
void _lv_obj_style_init(void);

/** Forget module state; called by lv_deinit.*/
void _lv_obj_style_deinit(void);

/**
 * Attach a shared style to an object. It wins over styles added before it;
 * local properties win over all added styles. An object holds at most 63
 * styles (local ones included); more are refused.
 * @param style     the style; it must live as long as the object uses it
 * @param selector  part | state the style is for, e.g. `LV_PART_INDICATOR | LV_STATE_PRESSED`; 0 for the main part
 */
void lv_obj_add_style(struct _lv_obj_t * obj, lv_style_t * style, lv_style_selector_t selector);

/**
 * Detach styles from an object.
 * @param style     the style to detach, or NULL for any style
 * @param selector  only entries with this part and state; LV_PART_ANY / LV_STATE_ANY match all
 */
void lv_obj_remove_style(struct _lv_obj_t * obj, lv_style_t * style, lv_style_selector_t selector);

/** Detach every style, local properties included.*/
static inline void lv_obj_remove_style_all(struct _lv_obj_t * obj)
{
    lv_obj_remove_style(obj, NULL, LV_PART_ANY | LV_STATE_ANY);
}

/**
 * Tell the objects that a shared style was changed after being attached.
 * @param style     the style, or NULL to refresh every object
 */
void lv_obj_report_style_change(lv_style_t * style);

/**
 * Bring an object (and where needed its children, parent and layout) up to
 * date after a style change.
 * @param part      the part that changed, or LV_PART_ANY
 * @param prop      the property that changed, or LV_STYLE_PROP_ANY; a
 *                  specific one lets the refresh skip what it cannot affect
 */
void lv_obj_refresh_style(struct _lv_obj_t * obj, lv_part_t part, lv_style_prop_t prop);

/** Turn style refreshes off (e.g. while adding many styles) and back on.*/
void lv_obj_enable_style_refresh(bool en);

/**
 * Read a property as the object shows it now: its state, inheritance from
 * the parent, and the default when nothing sets it.
 * @param part      the part to read it for
 * @return          the value; read the member (`num`, `color`, `ptr`) that fits the property
 */
lv_style_value_t lv_obj_get_style_prop(const struct _lv_obj_t * obj, lv_part_t part, lv_style_prop_t prop);

/** Set a property in the object's own style for `selector` (a part and state).*/
void lv_obj_set_local_style_prop(struct _lv_obj_t * obj, lv_style_prop_t prop, lv_style_value_t value,
                                 lv_style_selector_t selector);

/** Mark a local property with a meta flag (e.g. LV_STYLE_PROP_INHERIT) instead of a value.*/
void lv_obj_set_local_style_prop_meta(struct _lv_obj_t * obj, lv_style_prop_t prop, uint16_t meta,
                                      lv_style_selector_t selector);

/** Read a property of the local style for `selector`; LV_STYLE_RES_NOT_FOUND if it is not set there.*/
lv_style_res_t lv_obj_get_local_style_prop(struct _lv_obj_t * obj, lv_style_prop_t prop, lv_style_value_t * value,
                                           lv_style_selector_t selector);

/** @return true if the local property was set and is now removed*/
bool lv_obj_remove_local_style_prop(struct _lv_obj_t * obj, lv_style_prop_t prop, lv_style_selector_t selector);

/** @return how much the object's look differs between two states*/
_lv_style_state_cmp_t _lv_obj_style_state_compare(struct _lv_obj_t * obj, lv_state_t state1, lv_state_t state2);

/** Animate the object's opacity from transparent to opaque after `delay` ms, over `time` ms.*/
void lv_obj_fade_in(struct _lv_obj_t * obj, uint32_t time, uint32_t delay);

/** Animate the object's opacity down to transparent after `delay` ms, over `time` ms.*/
void lv_obj_fade_out(struct _lv_obj_t * obj, uint32_t time, uint32_t delay);

/** The state bits and the part packed into a style selector.*/
lv_state_t lv_obj_style_get_selector_state(lv_style_selector_t selector);
lv_part_t lv_obj_style_get_selector_part(lv_style_selector_t selector);

/**
 * Apply the part's colour filter (e.g. the theme's darkening of pressed
 * widgets) to a colour value.
 */
lv_style_value_t _lv_obj_style_apply_color_filter(const struct _lv_obj_t * obj, uint32_t part, lv_style_value_t v);

#include "lv_obj_style_gen.h"

/*
 * Shorthands that set several local properties to one value. pad_all is
 * the horizontal and the vertical pair together.
 */
static inline void lv_obj_set_style_pad_hor(struct _lv_obj_t * obj, lv_coord_t value, lv_style_selector_t selector)
{
    lv_style_value_t v;
    v.num = value;
    lv_obj_set_local_style_prop(obj, LV_STYLE_PAD_LEFT, v, selector);
    lv_obj_set_local_style_prop(obj, LV_STYLE_PAD_RIGHT, v, selector);
}

static inline void lv_obj_set_style_pad_ver(struct _lv_obj_t * obj, lv_coord_t value, lv_style_selector_t selector)
{
    lv_style_value_t v;
    v.num = value;
    lv_obj_set_local_style_prop(obj, LV_STYLE_PAD_TOP, v, selector);
    lv_obj_set_local_style_prop(obj, LV_STYLE_PAD_BOTTOM, v, selector);
}

static inline void lv_obj_set_style_pad_all(struct _lv_obj_t * obj, lv_coord_t value, lv_style_selector_t selector)
{
    lv_obj_set_style_pad_hor(obj, value, selector);
    lv_obj_set_style_pad_ver(obj, value, selector);
}

static inline void lv_obj_set_style_pad_gap(struct _lv_obj_t * obj, lv_coord_t value, lv_style_selector_t selector)
{
    lv_style_value_t v;
    v.num = value;
    lv_obj_set_local_style_prop(obj, LV_STYLE_PAD_ROW, v, selector);
    lv_obj_set_local_style_prop(obj, LV_STYLE_PAD_COLUMN, v, selector);
}

static inline void lv_obj_set_style_size(struct _lv_obj_t * obj, lv_coord_t value, lv_style_selector_t selector)
{
    lv_style_value_t v;
    v.num = value;
    lv_obj_set_local_style_prop(obj, LV_STYLE_WIDTH, v, selector);
    lv_obj_set_local_style_prop(obj, LV_STYLE_HEIGHT, v, selector);
}

/** The text alignment of a part, with AUTO resolved from the base direction.*/
lv_text_align_t lv_obj_calculate_style_text_align(const struct _lv_obj_t * obj, lv_part_t part, const char * txt);

/** The zoom of a part, never 0, so that it can be divided by.*/
static inline lv_coord_t lv_obj_get_style_transform_zoom_safe(const struct _lv_obj_t * obj, uint32_t part)
{
    lv_coord_t zoom = lv_obj_get_style_transform_zoom(obj, part);
    return zoom == 0 ? 1 : zoom;
}

/**
 * The opacity of a part multiplied with the opacity of every ancestor.
 */
lv_opa_t lv_obj_get_style_opa_recursive(const struct _lv_obj_t * obj, lv_part_t part);

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_OBJ_STYLE_H*/
