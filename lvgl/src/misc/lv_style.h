/**
 * @file lv_style.h
 * Styles: small sets of (property, value) pairs. Objects resolve a property
 * by looking through their styles for the current state and part; some
 * properties (text ones, base direction) are inherited from the parent when no
 * style sets them.
 */
#ifndef LV_STYLE_H
#define LV_STYLE_H

#ifdef __cplusplus
extern "C" {
#endif

/*********************
 *      INCLUDES
 *********************/
#include <stdbool.h>
#include <stdint.h>
#include "../font/lv_font.h"
#include "lv_color.h"
#include "lv_area.h"
#include "lv_anim.h"
#include "lv_txt.h"
#include "lv_types.h"
#include "lv_assert.h"
#include "lv_bidi.h"

/*********************
 *      DEFINES
 *********************/

#define LV_STYLE_SENTINEL_VALUE     0xAABBCCDD

/* Property flags, queried with lv_style_prop_has_flag. */
#define LV_STYLE_PROP_INHERIT               (1 << 0)  /* inherited from the parent when not set */
#define LV_STYLE_PROP_EXT_DRAW              (1 << 1)  /* may draw outside the object (ext. draw size) */
#define LV_STYLE_PROP_LAYOUT_REFR           (1 << 2)  /* a change needs a new layout of the object */
#define LV_STYLE_PROP_PARENT_LAYOUT_REFR    (1 << 3)  /* a change needs a new layout of the parent */
#define LV_STYLE_PROP_LAYER_REFR            (1 << 4)  /* a change may need a layer */
#define LV_STYLE_PROP_ALL                   (0x1F)

/* Meta bits over a property id, for lv_style_set_prop_meta: take the value
 * from the parent, or the property's default. */
#define LV_STYLE_PROP_META_INHERIT 0x8000
#define LV_STYLE_PROP_META_INITIAL 0x4000
#define LV_STYLE_PROP_META_MASK (LV_STYLE_PROP_META_INHERIT | LV_STYLE_PROP_META_INITIAL)
#define LV_STYLE_PROP_ID_MASK(prop) ((lv_style_prop_t)((prop) & ~LV_STYLE_PROP_META_MASK))

/* Constant styles: an array of lv_style_const_prop_t ending in LV_STYLE_CONST_PROPS_END. */
#define LV_STYLE_CONST_INIT(var_name, prop_array)                       \
    const lv_style_t var_name = {                                       \
        .v_p = { .const_props = prop_array },                           \
        .prop1 = _LV_STYLE_PROP_CONST,                                  \
        .has_group = 0xFF,                                              \
        .prop_cnt = (sizeof(prop_array) / sizeof((prop_array)[0])),     \
    }

#define LV_STYLE_CONST_PROPS_END { .prop = LV_STYLE_PROP_INV, .value = { .num = 0 } }

/**********************
 *      TYPEDEFS
 **********************/

/* How a drawing mixes into what is under it. */
enum {
    LV_BLEND_MODE_NORMAL,
    LV_BLEND_MODE_ADDITIVE,
    LV_BLEND_MODE_SUBTRACTIVE,
    LV_BLEND_MODE_MULTIPLY,
    LV_BLEND_MODE_REPLACE,
};
typedef uint8_t lv_blend_mode_t;

/* Text decoration (may be OR-ed). */
enum {
    LV_TEXT_DECOR_NONE          = 0x00,
    LV_TEXT_DECOR_UNDERLINE     = 0x01,
    LV_TEXT_DECOR_STRIKETHROUGH = 0x02,
};
typedef uint8_t lv_text_decor_t;

/* Which sides of a border are drawn (may be OR-ed). */
enum {
    LV_BORDER_SIDE_NONE     = 0x00,
    LV_BORDER_SIDE_BOTTOM   = 0x01,
    LV_BORDER_SIDE_TOP      = 0x02,
    LV_BORDER_SIDE_LEFT     = 0x04,
    LV_BORDER_SIDE_RIGHT    = 0x08,
    LV_BORDER_SIDE_FULL     = 0x0F,
    LV_BORDER_SIDE_INTERNAL = 0x10, /* for tables and button matrices: the inner lines */
};
typedef uint8_t lv_border_side_t;

/* Gradient direction. */
enum {
    LV_GRAD_DIR_NONE,
    LV_GRAD_DIR_VER,
    LV_GRAD_DIR_HOR,
};
typedef uint8_t lv_grad_dir_t;

/* Gradient dithering (not implemented: gradients are drawn undithered). */
enum {
    LV_DITHER_NONE,
    LV_DITHER_ORDERED,
    LV_DITHER_ERR_DIFF,
};
typedef uint8_t lv_dither_mode_t;

/* One stop of a gradient: a colour at a fraction 0..255 of the length. */
typedef struct {
    lv_color_t color;
    uint8_t    frac;
} lv_gradient_stop_t;

typedef struct {
    lv_gradient_stop_t   stops[LV_GRADIENT_MAX_STOPS];
    uint8_t              stops_count;
    lv_grad_dir_t        dir : 3;
    lv_dither_mode_t     dither : 3;
} lv_grad_dsc_t;

/* A property's value: a number, a pointer or a colour, by property. */
typedef union {
    int32_t num;
    const void * ptr;
    lv_color_t color;
} lv_style_value_t;

/* Property ids, grouped by 16 so a style can tell quickly which groups it sets. */
typedef enum {
    LV_STYLE_PROP_INV               = 0,

    /*Group 0*/
    LV_STYLE_WIDTH                  = 1,
    LV_STYLE_MIN_WIDTH              = 2,
    LV_STYLE_MAX_WIDTH              = 3,
    LV_STYLE_HEIGHT                 = 4,
    LV_STYLE_MIN_HEIGHT             = 5,
    LV_STYLE_MAX_HEIGHT             = 6,
    LV_STYLE_X                      = 7,
    LV_STYLE_Y                      = 8,
    LV_STYLE_ALIGN                  = 9,
    LV_STYLE_LAYOUT                 = 10,
    LV_STYLE_RADIUS                 = 11,

    /*Group 1*/
    LV_STYLE_PAD_TOP                = 16,
    LV_STYLE_PAD_BOTTOM             = 17,
    LV_STYLE_PAD_LEFT               = 18,
    LV_STYLE_PAD_RIGHT              = 19,
    LV_STYLE_PAD_ROW                = 20,
    LV_STYLE_PAD_COLUMN             = 21,
    LV_STYLE_BASE_DIR               = 22,
    LV_STYLE_CLIP_CORNER            = 23,

    /*Group 2*/
    LV_STYLE_BG_COLOR               = 32,
    LV_STYLE_BG_OPA                 = 33,
    LV_STYLE_BG_GRAD_COLOR          = 34,
    LV_STYLE_BG_GRAD_DIR            = 35,
    LV_STYLE_BG_MAIN_STOP           = 36,
    LV_STYLE_BG_GRAD_STOP           = 37,
    LV_STYLE_BG_GRAD                = 38,
    LV_STYLE_BG_DITHER_MODE         = 39,
    LV_STYLE_BG_IMG_SRC             = 40,
    LV_STYLE_BG_IMG_OPA             = 41,
    LV_STYLE_BG_IMG_RECOLOR         = 42,
    LV_STYLE_BG_IMG_RECOLOR_OPA     = 43,
    LV_STYLE_BG_IMG_TILED           = 44,

    /*Group 3*/
    LV_STYLE_BORDER_COLOR           = 48,
    LV_STYLE_BORDER_OPA             = 49,
    LV_STYLE_BORDER_WIDTH           = 50,
    LV_STYLE_BORDER_SIDE            = 51,
    LV_STYLE_BORDER_POST            = 52,
    LV_STYLE_OUTLINE_WIDTH          = 53,
    LV_STYLE_OUTLINE_COLOR          = 54,
    LV_STYLE_OUTLINE_OPA            = 55,
    LV_STYLE_OUTLINE_PAD            = 56,

    /*Group 4*/
    LV_STYLE_SHADOW_WIDTH           = 64,
    LV_STYLE_SHADOW_OFS_X           = 65,
    LV_STYLE_SHADOW_OFS_Y           = 66,
    LV_STYLE_SHADOW_SPREAD          = 67,
    LV_STYLE_SHADOW_COLOR           = 68,
    LV_STYLE_SHADOW_OPA             = 69,
    LV_STYLE_IMG_OPA                = 70,
    LV_STYLE_IMG_RECOLOR            = 71,
    LV_STYLE_IMG_RECOLOR_OPA        = 72,
    LV_STYLE_LINE_WIDTH             = 73,
    LV_STYLE_LINE_DASH_WIDTH        = 74,
    LV_STYLE_LINE_DASH_GAP          = 75,
    LV_STYLE_LINE_ROUNDED           = 76,
    LV_STYLE_LINE_COLOR             = 77,
    LV_STYLE_LINE_OPA               = 78,

    /*Group 5*/
    LV_STYLE_ARC_WIDTH              = 80,
    LV_STYLE_ARC_ROUNDED            = 81,
    LV_STYLE_ARC_COLOR              = 82,
    LV_STYLE_ARC_OPA                = 83,
    LV_STYLE_ARC_IMG_SRC            = 84,
    LV_STYLE_TEXT_COLOR             = 85,
    LV_STYLE_TEXT_OPA               = 86,
    LV_STYLE_TEXT_FONT              = 87,
    LV_STYLE_TEXT_LETTER_SPACE      = 88,
    LV_STYLE_TEXT_LINE_SPACE        = 89,
    LV_STYLE_TEXT_DECOR             = 90,
    LV_STYLE_TEXT_ALIGN             = 91,

    /*Group 6*/
    LV_STYLE_OPA                    = 96,
    LV_STYLE_COLOR_FILTER_DSC       = 97,
    LV_STYLE_COLOR_FILTER_OPA       = 98,
    LV_STYLE_ANIM                   = 99,
    LV_STYLE_ANIM_TIME              = 100,
    LV_STYLE_ANIM_SPEED             = 101,
    LV_STYLE_TRANSITION             = 102,
    LV_STYLE_BLEND_MODE             = 103,
    LV_STYLE_TRANSFORM_WIDTH        = 104,
    LV_STYLE_TRANSFORM_HEIGHT       = 105,
    LV_STYLE_TRANSLATE_X            = 106,
    LV_STYLE_TRANSLATE_Y            = 107,
    LV_STYLE_TRANSFORM_ZOOM         = 108,
    LV_STYLE_TRANSFORM_ANGLE        = 109,
    LV_STYLE_TRANSFORM_PIVOT_X      = 110,
    LV_STYLE_TRANSFORM_PIVOT_Y      = 111,

    _LV_STYLE_LAST_BUILT_IN_PROP     = 111,
    _LV_STYLE_NUM_BUILT_IN_PROPS     = _LV_STYLE_LAST_BUILT_IN_PROP + 1,

    LV_STYLE_PROP_ANY                = 0xFFFF,
    _LV_STYLE_PROP_CONST             = 0xFFFF /* marks a constant style in lv_style_t.prop1 */
} _lv_style_id_t;

typedef uint16_t lv_style_prop_t;

/* Result of looking a property up in a style. */
enum {
    LV_STYLE_RES_NOT_FOUND,
    LV_STYLE_RES_FOUND,
    LV_STYLE_RES_INHERIT
};
typedef uint8_t lv_style_res_t;

/* Which part and state a style applies to: the OR of an LV_PART_... and LV_STATE_... value. */
typedef uint32_t lv_style_selector_t;

/* A style transition: which properties animate, along which path, for how long. */
typedef struct {
    const lv_style_prop_t * props; /* zero-terminated */
#if LV_USE_USER_DATA
    void * user_data;
#endif
    lv_anim_path_cb_t path_xcb;
    uint32_t time;
    uint32_t delay;
} lv_style_transition_dsc_t;

/* One entry of a constant style. */
typedef struct {
    lv_style_prop_t prop;
    lv_style_value_t value;
} lv_style_const_prop_t;

/* A style. prop_cnt 1 keeps the single pair inline (prop1, v_p.value1); more
 * pairs live in one allocation: prop_cnt values, then prop_cnt property ids. */
typedef struct {
#if LV_USE_ASSERT_STYLE
    uint32_t sentinel;
#endif
    union {
        lv_style_value_t value1;
        uint8_t * values_and_props;
        const lv_style_const_prop_t * const_props;
    } v_p;

    uint16_t prop1;
    uint8_t has_group;  /* bit n: a property of group n is set (group 7: ids >= 112) */
    uint8_t prop_cnt;
} lv_style_t;

/**********************
 * GLOBAL PROTOTYPES
 **********************/

/**
 * Initialise an empty style. Call it once; on a style in use it leaks its
 * properties (use lv_style_reset).
 */
void lv_style_init(lv_style_t * style);

/** Remove every property of a style and free its memory. */
void lv_style_reset(lv_style_t * style);

/**
 * Register a new (custom) property id.
 * @param flag LV_STYLE_PROP_... flags of the property
 * @return the new id, or LV_STYLE_PROP_INV when the ids are exhausted
 */
lv_style_prop_t lv_style_register_prop(uint8_t flag);

/** @return the number of properties registered with lv_style_register_prop */
lv_style_prop_t lv_style_get_num_custom_props(void);

/**
 * Remove a property from a style.
 * @return true if it was there
 */
bool lv_style_remove_prop(lv_style_t * style, lv_style_prop_t prop);

/**
 * Set (add or overwrite) a property. Not for constant styles.
 */
void lv_style_set_prop(lv_style_t * style, lv_style_prop_t prop, lv_style_value_t value);

/**
 * Look a property up in a style.
 * @param value receives the value when found
 * @return LV_STYLE_RES_FOUND or LV_STYLE_RES_NOT_FOUND
 */
lv_style_res_t lv_style_get_prop(const lv_style_t * style, lv_style_prop_t prop, lv_style_value_t * value);

/**
 * Same as lv_style_get_prop, for hot paths.
 */
static inline lv_style_res_t lv_style_get_prop_inlined(const lv_style_t * style, lv_style_prop_t prop,
                                                       lv_style_value_t * value)
{
    return lv_style_get_prop(style, prop, value);
}

/** Initialise a transition descriptor. */
void lv_style_transition_dsc_init(lv_style_transition_dsc_t * tr, const lv_style_prop_t props[],
                                  lv_anim_path_cb_t path_cb, uint32_t time, uint32_t delay, void * user_data);

/**
 * The value of a property when no style sets it (and, for inherited
 * properties, no parent either): e.g. white bg_color, LV_OPA_COVER opacities,
 * LV_SIZE_CONTENT width and height, LV_FONT_DEFAULT, zoom 256.
 */
lv_style_value_t lv_style_prop_get_default(lv_style_prop_t prop);

/** @return true when the style sets no property */
bool lv_style_is_empty(const lv_style_t * style);

/** @return the group (id / 16, at most 7) of a property */
uint8_t _lv_style_get_prop_group(lv_style_prop_t prop);

/**
 * @param flag one or more LV_STYLE_PROP_... flags
 * @return true when the property has any of them
 */
bool lv_style_prop_has_flag(lv_style_prop_t prop, uint8_t flag);

#include "lv_style_gen.h"

/* The shorthands below set two or four properties to one length. */
static inline void _lv_style_set_lengths(lv_style_t * style, lv_style_prop_t first, lv_style_prop_t second,
                                         lv_coord_t value)
{
    lv_style_value_t length;
    length.ptr = NULL;
    length.num = value;
    lv_style_set_prop(style, first, length);
    lv_style_set_prop(style, second, length);
}

static inline void lv_style_set_size(lv_style_t * style, lv_coord_t value)
{
    _lv_style_set_lengths(style, LV_STYLE_WIDTH, LV_STYLE_HEIGHT, value);
}

static inline void lv_style_set_pad_hor(lv_style_t * style, lv_coord_t value)
{
    _lv_style_set_lengths(style, LV_STYLE_PAD_LEFT, LV_STYLE_PAD_RIGHT, value);
}

static inline void lv_style_set_pad_ver(lv_style_t * style, lv_coord_t value)
{
    _lv_style_set_lengths(style, LV_STYLE_PAD_TOP, LV_STYLE_PAD_BOTTOM, value);
}

static inline void lv_style_set_pad_all(lv_style_t * style, lv_coord_t value)
{
    lv_style_set_pad_hor(style, value);
    lv_style_set_pad_ver(style, value);
}

static inline void lv_style_set_pad_gap(lv_style_t * style, lv_coord_t value)
{
    _lv_style_set_lengths(style, LV_STYLE_PAD_ROW, LV_STYLE_PAD_COLUMN, value);
}

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_STYLE_H*/
