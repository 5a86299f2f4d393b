/**
 * @file lv_style.c
 * Style storage: a style is a short list of (property, value) pairs.
 *
 * One pair sits inside the style itself (prop1, v_p.value1); several share
 * one allocation, all values first and then all property ids, so the values
 * stay aligned. Both shapes are read through the same view (a pointer to
 * the values, one to the ids, a count), which keeps the lookup, the update
 * and the removal free of special cases. Constant styles (prop1 ==
 * _LV_STYLE_PROP_CONST) point at a caller's array ending in an empty entry
 * and are never written.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_style.h"
#include "lv_mem.h"

/*********************
 *      DEFINES
 *********************/
/* Properties an application may add with lv_style_register_prop. */
#define EXTRA_PROPS_MAX 64

/**********************
 *      TYPEDEFS
 **********************/
typedef struct {
    lv_style_value_t * values;
    uint16_t * ids;
    uint32_t n;
} pairs_t;

/* A property whose default is a plain number. */
typedef struct {
    lv_style_prop_t prop;
    int32_t num;
} num_default_t;

/**********************
 *  STATIC VARIABLES
 **********************/
enum {
    INHERITED = LV_STYLE_PROP_INHERIT,
    OUTSIDE = LV_STYLE_PROP_EXT_DRAW,
    RELAYOUT = LV_STYLE_PROP_LAYOUT_REFR,
    PARENT_RELAYOUT = LV_STYLE_PROP_PARENT_LAYOUT_REFR,
    LAYER = LV_STYLE_PROP_LAYER_REFR,
};

static const uint8_t builtin_flags[_LV_STYLE_NUM_BUILT_IN_PROPS] = {
    [LV_STYLE_WIDTH] = RELAYOUT, [LV_STYLE_MIN_WIDTH] = RELAYOUT, [LV_STYLE_MAX_WIDTH] = RELAYOUT,
    [LV_STYLE_HEIGHT] = RELAYOUT, [LV_STYLE_MIN_HEIGHT] = RELAYOUT, [LV_STYLE_MAX_HEIGHT] = RELAYOUT,
    [LV_STYLE_X] = RELAYOUT, [LV_STYLE_Y] = RELAYOUT, [LV_STYLE_ALIGN] = RELAYOUT, [LV_STYLE_LAYOUT] = RELAYOUT,
    [LV_STYLE_PAD_TOP] = OUTSIDE | RELAYOUT, [LV_STYLE_PAD_BOTTOM] = OUTSIDE | RELAYOUT,
    [LV_STYLE_PAD_LEFT] = OUTSIDE | RELAYOUT, [LV_STYLE_PAD_RIGHT] = OUTSIDE | RELAYOUT,
    [LV_STYLE_PAD_ROW] = OUTSIDE | RELAYOUT, [LV_STYLE_PAD_COLUMN] = OUTSIDE | RELAYOUT,
    [LV_STYLE_BASE_DIR] = INHERITED | RELAYOUT,
    [LV_STYLE_BG_IMG_SRC] = OUTSIDE,
    [LV_STYLE_BORDER_WIDTH] = RELAYOUT,
    [LV_STYLE_OUTLINE_WIDTH] = OUTSIDE, [LV_STYLE_OUTLINE_OPA] = OUTSIDE, [LV_STYLE_OUTLINE_PAD] = OUTSIDE,
    [LV_STYLE_SHADOW_WIDTH] = OUTSIDE, [LV_STYLE_SHADOW_OFS_X] = OUTSIDE, [LV_STYLE_SHADOW_OFS_Y] = OUTSIDE,
    [LV_STYLE_SHADOW_SPREAD] = OUTSIDE, [LV_STYLE_SHADOW_OPA] = OUTSIDE,
    [LV_STYLE_LINE_WIDTH] = OUTSIDE, [LV_STYLE_ARC_WIDTH] = OUTSIDE,
    [LV_STYLE_TEXT_COLOR] = INHERITED, [LV_STYLE_TEXT_OPA] = INHERITED,
    [LV_STYLE_TEXT_FONT] = INHERITED | RELAYOUT, [LV_STYLE_TEXT_LETTER_SPACE] = INHERITED | RELAYOUT,
    [LV_STYLE_TEXT_LINE_SPACE] = INHERITED | RELAYOUT, [LV_STYLE_TEXT_DECOR] = INHERITED,
    [LV_STYLE_TEXT_ALIGN] = INHERITED | RELAYOUT,
    [LV_STYLE_OPA] = LAYER, [LV_STYLE_COLOR_FILTER_DSC] = INHERITED, [LV_STYLE_COLOR_FILTER_OPA] = INHERITED,
    [LV_STYLE_BLEND_MODE] = LAYER,
    [LV_STYLE_TRANSFORM_WIDTH] = OUTSIDE, [LV_STYLE_TRANSFORM_HEIGHT] = OUTSIDE,
    [LV_STYLE_TRANSLATE_X] = RELAYOUT | PARENT_RELAYOUT, [LV_STYLE_TRANSLATE_Y] = RELAYOUT | PARENT_RELAYOUT,
    [LV_STYLE_TRANSFORM_ZOOM] = OUTSIDE | LAYER, [LV_STYLE_TRANSFORM_ANGLE] = OUTSIDE | LAYER,
};

/* Defaults other than 0 / NULL / black. Opacities start opaque, except the
 * background's (a plain object shows nothing until styled). */
static const num_default_t number_defaults[] = {
    {LV_STYLE_OPA, LV_OPA_COVER},           {LV_STYLE_BORDER_OPA, LV_OPA_COVER},
    {LV_STYLE_TEXT_OPA, LV_OPA_COVER},      {LV_STYLE_IMG_OPA, LV_OPA_COVER},
    {LV_STYLE_BG_IMG_OPA, LV_OPA_COVER},    {LV_STYLE_OUTLINE_OPA, LV_OPA_COVER},
    {LV_STYLE_SHADOW_OPA, LV_OPA_COVER},    {LV_STYLE_LINE_OPA, LV_OPA_COVER},
    {LV_STYLE_ARC_OPA, LV_OPA_COVER},       {LV_STYLE_BG_GRAD_STOP, 255},
    {LV_STYLE_BORDER_SIDE, LV_BORDER_SIDE_FULL},
    {LV_STYLE_WIDTH, LV_SIZE_CONTENT},      {LV_STYLE_HEIGHT, LV_SIZE_CONTENT},
    {LV_STYLE_MAX_WIDTH, LV_COORD_MAX},     {LV_STYLE_MAX_HEIGHT, LV_COORD_MAX},
    {LV_STYLE_TRANSFORM_ZOOM, 256},         /* LV_IMG_ZOOM_NONE: unscaled */
};

/* Colours are black unless styled, except the background's (white). */
static const lv_style_prop_t black_by_default[] = {
    LV_STYLE_BG_GRAD_COLOR, LV_STYLE_BORDER_COLOR, LV_STYLE_SHADOW_COLOR, LV_STYLE_OUTLINE_COLOR,
    LV_STYLE_ARC_COLOR, LV_STYLE_LINE_COLOR, LV_STYLE_TEXT_COLOR, LV_STYLE_IMG_RECOLOR, LV_STYLE_BG_IMG_RECOLOR,
};

static uint8_t extra_flags[EXTRA_PROPS_MAX];
static uint16_t extra_cnt;

/**********************
 *   STATIC FUNCTIONS
 **********************/

static bool is_constant(const lv_style_t * style)
{
    return style->prop1 == _LV_STYLE_PROP_CONST;
}

static pairs_t pairs_of(lv_style_t * style)
{
    pairs_t p = {NULL, NULL, style->prop_cnt};
    if(p.n == 1) {
        p.values = &style->v_p.value1;
        p.ids = &style->prop1;
    }
    else if(p.n > 1) {
        p.values = (lv_style_value_t *)style->v_p.values_and_props;
        p.ids = (uint16_t *)(style->v_p.values_and_props + p.n * sizeof(lv_style_value_t));
    }
    return p;
}

static int32_t index_of(const pairs_t * p, lv_style_prop_t prop)
{
    for(uint32_t i = 0; i < p->n; i++) {
        if(p->ids[i] == prop) return (int32_t)i;
    }
    return -1;
}

static bool listed(const lv_style_prop_t * list, size_t n, lv_style_prop_t prop)
{
    for(size_t i = 0; i < n; i++) {
        if(list[i] == prop) return true;
    }
    return false;
}

/* Several pairs live in `block`; prop1 is then unused and must not look like
 * the constant-style marker. */
static void adopt_block(lv_style_t * style, uint8_t * block, uint32_t n)
{
    style->v_p.values_and_props = block;
    style->prop1 = LV_STYLE_PROP_INV;
    style->prop_cnt = (uint8_t)n;
}

static void hold_one(lv_style_t * style, lv_style_prop_t prop, lv_style_value_t value)
{
    style->v_p.value1 = value;
    style->prop1 = prop;
    style->prop_cnt = 1;
}

static uint8_t group_bit(lv_style_prop_t prop)
{
    return (uint8_t)(1u << _lv_style_get_prop_group(prop));
}

/* Puts n pairs into the style: inline for one, else one new block. The old
 * pairs may still be read while this runs; the caller frees their block. */
static bool store_pairs(lv_style_t * style, const lv_style_value_t * values, const uint16_t * ids, uint32_t n,
                        int32_t skip)
{
    uint32_t kept = skip >= 0 ? n - 1 : n;
    if(kept == 0) {
        lv_style_init(style);
        return true;
    }
    if(kept == 1) {
        uint32_t only = skip == 0 ? 1 : 0;
        hold_one(style, ids[only], values[only]);   /*arguments copied before the union is written*/
        return true;
    }
    uint8_t * block = lv_mem_alloc(kept * (sizeof(lv_style_value_t) + sizeof(uint16_t)));
    if(block == NULL) return false;
    lv_style_value_t * to_values = (lv_style_value_t *)block;
    uint16_t * to_ids = (uint16_t *)(block + kept * sizeof(lv_style_value_t));
    for(uint32_t from = 0, to = 0; from < n; from++) {
        if((int32_t)from == skip) continue;
        to_values[to] = values[from];
        to_ids[to] = ids[from];
        to++;
    }
    adopt_block(style, block, kept);
    return true;
}

/* One more pair: the old ones and the new one go into a block of n + 1. */
static void append_pair(lv_style_t * style, lv_style_prop_t prop, lv_style_value_t value)
{
    pairs_t old = pairs_of(style);
    uint32_t n = old.n + 1;
    uint8_t * block = lv_mem_alloc(n * (sizeof(lv_style_value_t) + sizeof(uint16_t)));
    if(block == NULL) return;
    lv_style_value_t * values = (lv_style_value_t *)block;
    uint16_t * ids = (uint16_t *)(block + n * sizeof(lv_style_value_t));
    for(uint32_t i = 0; i < old.n; i++) {
        values[i] = old.values[i];
        ids[i] = old.ids[i];
    }
    values[old.n] = value;
    ids[old.n] = prop;
    if(old.n > 1) lv_mem_free(style->v_p.values_and_props);
    adopt_block(style, block, n);
}

/* A constant style's array ends at its empty entry; prop_cnt bounds it too. */
static bool find_constant(const lv_style_t * style, lv_style_prop_t prop, lv_style_value_t * value)
{
    const lv_style_const_prop_t * entry = style->v_p.const_props;
    for(uint32_t i = 0; entry != NULL && i < style->prop_cnt; i++, entry++) {
        if(entry->prop == LV_STYLE_PROP_INV) break;
        if(entry->prop != prop) continue;
        *value = entry->value;
        return true;
    }
    return false;
}

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

void lv_style_init(lv_style_t * style)
{
    lv_memset_00(style, sizeof(*style));
#if LV_USE_ASSERT_STYLE
    style->sentinel = LV_STYLE_SENTINEL_VALUE;
#endif
}

void lv_style_reset(lv_style_t * style)
{
    if(is_constant(style)) return;
    uint8_t * block = style->prop_cnt > 1 ? style->v_p.values_and_props : NULL;
    lv_mem_free(block);
    lv_style_init(style);
}

lv_style_prop_t lv_style_register_prop(uint8_t flag)
{
    if(extra_cnt == EXTRA_PROPS_MAX) return LV_STYLE_PROP_INV;
    extra_flags[extra_cnt++] = flag;
    return (lv_style_prop_t)(_LV_STYLE_LAST_BUILT_IN_PROP + extra_cnt);
}

lv_style_prop_t lv_style_get_num_custom_props(void)
{
    return extra_cnt;
}

/* Without memory for the smaller block the property stays. */
bool lv_style_remove_prop(lv_style_t * style, lv_style_prop_t prop)
{
    if(is_constant(style)) return false;
    pairs_t p = pairs_of(style);
    int32_t at = index_of(&p, prop);
    if(at < 0) return false;

    uint8_t * old_block = p.n > 1 ? style->v_p.values_and_props : NULL;
    if(!store_pairs(style, p.values, p.ids, p.n, at)) return false;
    lv_mem_free(old_block);

    pairs_t left = pairs_of(style);
    style->has_group = 0;
    for(uint32_t i = 0; i < left.n; i++) style->has_group |= group_bit(left.ids[i]);
    return true;
}

/* A style holds at most 255 pairs (prop_cnt is a byte); further new
 * properties, and any change to a constant style, are ignored. */
void lv_style_set_prop(lv_style_t * style, lv_style_prop_t prop, lv_style_value_t value)
{
    if(is_constant(style) || prop == LV_STYLE_PROP_INV) return;
    pairs_t p = pairs_of(style);
    int32_t at = index_of(&p, prop);
    if(at >= 0) {
        p.values[at] = value;
    }
    else if(p.n == 0) {
        hold_one(style, prop, value);
    }
    else if(p.n < UINT8_MAX) {
        append_pair(style, prop, value);
    }
    style->has_group |= group_bit(prop);
}

lv_style_res_t lv_style_get_prop(const lv_style_t * style, lv_style_prop_t prop, lv_style_value_t * value)
{
    if(is_constant(style)) return find_constant(style, prop, value) ? LV_STYLE_RES_FOUND : LV_STYLE_RES_NOT_FOUND;
    if((style->has_group & group_bit(prop)) == 0) return LV_STYLE_RES_NOT_FOUND;

    pairs_t p = pairs_of((lv_style_t *)style);
    int32_t at = index_of(&p, prop);
    if(at < 0) return LV_STYLE_RES_NOT_FOUND;
    *value = p.values[at];
    return LV_STYLE_RES_FOUND;
}

void lv_style_transition_dsc_init(lv_style_transition_dsc_t * tr, const lv_style_prop_t props[],
                                  lv_anim_path_cb_t path_cb, uint32_t time, uint32_t delay, void * user_data)
{
    lv_style_transition_dsc_t fresh = {
        .props = props,
        .path_xcb = path_cb != NULL ? path_cb : lv_anim_path_linear,
        .time = time,
        .delay = delay,
    };
#if LV_USE_USER_DATA
    fresh.user_data = user_data;
#else
    LV_UNUSED(user_data);
#endif
    *tr = fresh;
}

/* The value starts as a null pointer, so the whole union is defined: a
 * number default written into a 64-bit union otherwise leaves the pointer's
 * upper half as garbage for callers that read pointer properties. */
lv_style_value_t lv_style_prop_get_default(lv_style_prop_t prop)
{
    lv_style_value_t value = {.ptr = NULL};
    if(prop == LV_STYLE_TEXT_FONT) {
        value.ptr = LV_FONT_DEFAULT;
    }
    else if(prop == LV_STYLE_BG_COLOR) {
        value.color = lv_color_white();
    }
    else if(listed(black_by_default, sizeof(black_by_default) / sizeof(black_by_default[0]), prop)) {
        value.color = lv_color_black();
    }
    else {
        for(size_t i = 0; i < sizeof(number_defaults) / sizeof(number_defaults[0]); i++) {
            if(number_defaults[i].prop == prop) value.num = number_defaults[i].num;
        }
    }
    return value;
}

bool lv_style_is_empty(const lv_style_t * style)
{
    if(!is_constant(style)) return style->prop_cnt == 0;
    const lv_style_const_prop_t * first = style->v_p.const_props;
    return first == NULL || first->prop == LV_STYLE_PROP_INV;
}

/* Groups of 16 ids; everything from 112 on shares the last group. */
uint8_t _lv_style_get_prop_group(lv_style_prop_t prop)
{
    uint32_t group = LV_STYLE_PROP_ID_MASK(prop) / 16u;
    return (uint8_t)LV_MIN(group, 7u);
}

bool lv_style_prop_has_flag(lv_style_prop_t prop, uint8_t flag)
{
    uint32_t id = LV_STYLE_PROP_ID_MASK(prop);
    uint8_t flags = 0;
    if(id == LV_STYLE_PROP_INV) flags = 0;
    else if(id < _LV_STYLE_NUM_BUILT_IN_PROPS) flags = builtin_flags[id];
    else if(id - _LV_STYLE_NUM_BUILT_IN_PROPS < extra_cnt) flags = extra_flags[id - _LV_STYLE_NUM_BUILT_IN_PROPS];
    return (flags & flag) != 0;
}
