/**
 * @file lv_style.c
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_style.h"
#include "lv_mem.h"
#include "lv_assert.h"

/*********************
 *      DEFINES
 *********************/
#define CUSTOM_PROPS_MAX 64

/**********************
 *  STATIC PROTOTYPES
 **********************/
static lv_style_value_t * style_values(const lv_style_t * style);
static uint16_t * style_props(const lv_style_t * style);
static bool style_find(const lv_style_t * style, lv_style_prop_t prop, lv_style_value_t * value);

/**********************
 *  STATIC VARIABLES
 **********************/
#define INH LV_STYLE_PROP_INHERIT
#define EXT LV_STYLE_PROP_EXT_DRAW
#define LAY LV_STYLE_PROP_LAYOUT_REFR
#define PLAY LV_STYLE_PROP_PARENT_LAYOUT_REFR
#define LYR LV_STYLE_PROP_LAYER_REFR

static const uint8_t prop_flags[_LV_STYLE_NUM_BUILT_IN_PROPS] = {
    [LV_STYLE_WIDTH] = LAY, [LV_STYLE_MIN_WIDTH] = LAY, [LV_STYLE_MAX_WIDTH] = LAY,
    [LV_STYLE_HEIGHT] = LAY, [LV_STYLE_MIN_HEIGHT] = LAY, [LV_STYLE_MAX_HEIGHT] = LAY,
    [LV_STYLE_X] = LAY, [LV_STYLE_Y] = LAY, [LV_STYLE_ALIGN] = LAY, [LV_STYLE_LAYOUT] = LAY,
    [LV_STYLE_PAD_TOP] = EXT | LAY, [LV_STYLE_PAD_BOTTOM] = EXT | LAY, [LV_STYLE_PAD_LEFT] = EXT | LAY,
    [LV_STYLE_PAD_RIGHT] = EXT | LAY, [LV_STYLE_PAD_ROW] = EXT | LAY, [LV_STYLE_PAD_COLUMN] = EXT | LAY,
    [LV_STYLE_BASE_DIR] = INH | LAY,
    [LV_STYLE_BG_IMG_SRC] = EXT,
    [LV_STYLE_BORDER_WIDTH] = LAY,
    [LV_STYLE_OUTLINE_WIDTH] = EXT, [LV_STYLE_OUTLINE_OPA] = EXT, [LV_STYLE_OUTLINE_PAD] = EXT,
    [LV_STYLE_SHADOW_WIDTH] = EXT, [LV_STYLE_SHADOW_OFS_X] = EXT, [LV_STYLE_SHADOW_OFS_Y] = EXT,
    [LV_STYLE_SHADOW_SPREAD] = EXT, [LV_STYLE_SHADOW_OPA] = EXT,
    [LV_STYLE_LINE_WIDTH] = EXT, [LV_STYLE_ARC_WIDTH] = EXT,
    [LV_STYLE_TEXT_COLOR] = INH, [LV_STYLE_TEXT_OPA] = INH, [LV_STYLE_TEXT_FONT] = INH | LAY,
    [LV_STYLE_TEXT_LETTER_SPACE] = INH | LAY, [LV_STYLE_TEXT_LINE_SPACE] = INH | LAY,
    [LV_STYLE_TEXT_DECOR] = INH, [LV_STYLE_TEXT_ALIGN] = INH | LAY,
    [LV_STYLE_OPA] = LYR, [LV_STYLE_COLOR_FILTER_DSC] = INH, [LV_STYLE_COLOR_FILTER_OPA] = INH,
    [LV_STYLE_BLEND_MODE] = LYR,
    [LV_STYLE_TRANSFORM_WIDTH] = EXT, [LV_STYLE_TRANSFORM_HEIGHT] = EXT,
    [LV_STYLE_TRANSLATE_X] = LAY | PLAY, [LV_STYLE_TRANSLATE_Y] = LAY | PLAY,
    [LV_STYLE_TRANSFORM_ZOOM] = EXT | LYR, [LV_STYLE_TRANSFORM_ANGLE] = EXT | LYR,
};

static uint8_t custom_prop_flags[CUSTOM_PROPS_MAX];
static uint16_t custom_prop_cnt;

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

void lv_style_init(lv_style_t * style)
{
    lv_memset_00(style, sizeof(lv_style_t));
#if LV_USE_ASSERT_STYLE
    style->sentinel = LV_STYLE_SENTINEL_VALUE;
#endif
}

void lv_style_reset(lv_style_t * style)
{
    if(style->prop1 == _LV_STYLE_PROP_CONST) return;   /*Constant styles own nothing*/
    if(style->prop_cnt > 1) lv_mem_free(style->v_p.values_and_props);
    lv_style_init(style);
}

lv_style_prop_t lv_style_register_prop(uint8_t flag)
{
    if(custom_prop_cnt >= CUSTOM_PROPS_MAX) return LV_STYLE_PROP_INV;
    custom_prop_flags[custom_prop_cnt] = flag;
    custom_prop_cnt++;
    return (lv_style_prop_t)(_LV_STYLE_LAST_BUILT_IN_PROP + custom_prop_cnt);
}

lv_style_prop_t lv_style_get_num_custom_props(void)
{
    return custom_prop_cnt;
}

bool lv_style_remove_prop(lv_style_t * style, lv_style_prop_t prop)
{
    if(style->prop1 == _LV_STYLE_PROP_CONST || style->prop_cnt == 0) return false;

    if(style->prop_cnt == 1) {
        if(style->prop1 != prop) return false;
        style->prop1 = LV_STYLE_PROP_INV;
        style->prop_cnt = 0;
        style->has_group = 0;
        return true;
    }

    lv_style_value_t * values = style_values(style);
    uint16_t * props = style_props(style);
    uint32_t i;
    for(i = 0; i < style->prop_cnt && props[i] != prop; i++);
    if(i == style->prop_cnt) return false;

    /*Rebuild without entry i; going down to one entry moves it inline*/
    uint32_t new_cnt = style->prop_cnt - 1u;
    if(new_cnt == 1) {
        uint32_t keep = i == 0 ? 1 : 0;
        lv_style_value_t v = values[keep];
        uint16_t p = props[keep];
        lv_mem_free(style->v_p.values_and_props);
        style->v_p.value1 = v;
        style->prop1 = p;
    }
    else {
        uint8_t * buf = lv_mem_alloc(new_cnt * (sizeof(lv_style_value_t) + sizeof(uint16_t)));
        if(buf == NULL) return false;
        lv_style_value_t * nv = (lv_style_value_t *)buf;
        uint16_t * np = (uint16_t *)(buf + new_cnt * sizeof(lv_style_value_t));
        for(uint32_t k = 0, n = 0; k < style->prop_cnt; k++) {
            if(k == i) continue;
            nv[n] = values[k];
            np[n] = props[k];
            n++;
        }
        lv_mem_free(style->v_p.values_and_props);
        style->v_p.values_and_props = buf;
    }
    style->prop_cnt = (uint8_t)new_cnt;

    style->has_group = 0;
    for(uint32_t k = 0; k < new_cnt; k++) {
        uint16_t p = new_cnt == 1 ? style->prop1 : style_props(style)[k];
        style->has_group |= (uint8_t)(1 << _lv_style_get_prop_group(p));
    }
    return true;
}

/* Overwrites the value when the property is present, else appends it. Going
 * from one inline entry to two moves both into a new allocation. */
void lv_style_set_prop(lv_style_t * style, lv_style_prop_t prop, lv_style_value_t value)
{
    LV_ASSERT_MSG(style->prop1 != _LV_STYLE_PROP_CONST, "A constant style cannot be changed");
    if(style->prop1 == _LV_STYLE_PROP_CONST || prop == LV_STYLE_PROP_INV) return;

    if(style->prop_cnt == 0) {
        style->prop1 = prop;
        style->v_p.value1 = value;
        style->prop_cnt = 1;
    }
    else if(style->prop_cnt == 1 && style->prop1 == prop) {
        style->v_p.value1 = value;
    }
    else {
        if(style->prop_cnt > 1) {
            lv_style_value_t * values = style_values(style);
            uint16_t * props = style_props(style);
            for(uint32_t i = 0; i < style->prop_cnt; i++) {
                if(props[i] == prop) {
                    values[i] = value;
                    return;
                }
            }
        }
        if(style->prop_cnt == 0xFF) return;

        uint32_t old_cnt = style->prop_cnt;
        uint32_t new_cnt = old_cnt + 1;
        uint8_t * buf = lv_mem_alloc(new_cnt * (sizeof(lv_style_value_t) + sizeof(uint16_t)));
        LV_ASSERT_MALLOC(buf);
        if(buf == NULL) return;
        lv_style_value_t * nv = (lv_style_value_t *)buf;
        uint16_t * np = (uint16_t *)(buf + new_cnt * sizeof(lv_style_value_t));
        if(old_cnt == 1) {
            nv[0] = style->v_p.value1;
            np[0] = style->prop1;
        }
        else {
            lv_style_value_t * ov = style_values(style);
            uint16_t * op = style_props(style);
            for(uint32_t i = 0; i < old_cnt; i++) {
                nv[i] = ov[i];
                np[i] = op[i];
            }
            lv_mem_free(style->v_p.values_and_props);
        }
        nv[old_cnt] = value;
        np[old_cnt] = prop;
        style->v_p.values_and_props = buf;
        style->prop1 = LV_STYLE_PROP_INV;   /*Unused with several entries; must not look like the const marker*/
        style->prop_cnt = (uint8_t)new_cnt;
    }
    style->has_group |= (uint8_t)(1 << _lv_style_get_prop_group(prop));
}

lv_style_res_t lv_style_get_prop(const lv_style_t * style, lv_style_prop_t prop, lv_style_value_t * value)
{
    return style_find(style, prop, value) ? LV_STYLE_RES_FOUND : LV_STYLE_RES_NOT_FOUND;
}

void lv_style_transition_dsc_init(lv_style_transition_dsc_t * tr, const lv_style_prop_t props[],
                                  lv_anim_path_cb_t path_cb, uint32_t time, uint32_t delay, void * user_data)
{
    lv_memset_00(tr, sizeof(lv_style_transition_dsc_t));
    tr->props = props;
    tr->path_xcb = path_cb == NULL ? lv_anim_path_linear : path_cb;
    tr->time = time;
    tr->delay = delay;
#if LV_USE_USER_DATA
    tr->user_data = user_data;
#else
    LV_UNUSED(user_data);
#endif
}

lv_style_value_t lv_style_prop_get_default(lv_style_prop_t prop)
{
    lv_style_value_t value;
    value.num = 0;
    switch(prop) {
        case LV_STYLE_TRANSFORM_ZOOM:
            value.num = 256 /*LV_IMG_ZOOM_NONE*/;
            break;
        case LV_STYLE_BG_COLOR:
            value.color = lv_color_white();
            break;
        case LV_STYLE_BG_GRAD_COLOR:
        case LV_STYLE_BORDER_COLOR:
        case LV_STYLE_SHADOW_COLOR:
        case LV_STYLE_OUTLINE_COLOR:
        case LV_STYLE_ARC_COLOR:
        case LV_STYLE_LINE_COLOR:
        case LV_STYLE_TEXT_COLOR:
        case LV_STYLE_IMG_RECOLOR:
        case LV_STYLE_BG_IMG_RECOLOR:
            value.color = lv_color_black();
            break;
        case LV_STYLE_OPA:
        case LV_STYLE_BORDER_OPA:
        case LV_STYLE_TEXT_OPA:
        case LV_STYLE_IMG_OPA:
        case LV_STYLE_BG_IMG_OPA:
        case LV_STYLE_OUTLINE_OPA:
        case LV_STYLE_SHADOW_OPA:
        case LV_STYLE_LINE_OPA:
        case LV_STYLE_ARC_OPA:
            value.num = LV_OPA_COVER;
            break;
        case LV_STYLE_BG_GRAD_STOP:
            value.num = 255;
            break;
        case LV_STYLE_BORDER_SIDE:
            value.num = LV_BORDER_SIDE_FULL;
            break;
        case LV_STYLE_TEXT_FONT:
            value.ptr = LV_FONT_DEFAULT;
            break;
        case LV_STYLE_MAX_WIDTH:
        case LV_STYLE_MAX_HEIGHT:
            value.num = LV_COORD_MAX;
            break;
        case LV_STYLE_WIDTH:
        case LV_STYLE_HEIGHT:
            value.num = LV_SIZE_CONTENT;
            break;
        default:
            break;
    }
    return value;
}

bool lv_style_is_empty(const lv_style_t * style)
{
    if(style->prop1 == _LV_STYLE_PROP_CONST) {
        return style->v_p.const_props == NULL || style->v_p.const_props[0].prop == LV_STYLE_PROP_INV;
    }
    return style->prop_cnt == 0;
}

uint8_t _lv_style_get_prop_group(lv_style_prop_t prop)
{
    uint16_t group = (uint16_t)(LV_STYLE_PROP_ID_MASK(prop) >> 4);
    return (uint8_t)(group > 7 ? 7 : group);
}

bool lv_style_prop_has_flag(lv_style_prop_t prop, uint8_t flag)
{
    prop = LV_STYLE_PROP_ID_MASK(prop);
    if(prop == LV_STYLE_PROP_INV) return false;
    if(prop <= _LV_STYLE_LAST_BUILT_IN_PROP) return (prop_flags[prop] & flag) != 0;
    uint32_t custom = (uint32_t)prop - _LV_STYLE_LAST_BUILT_IN_PROP - 1;
    if(custom < custom_prop_cnt) return (custom_prop_flags[custom] & flag) != 0;
    return false;
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

static lv_style_value_t * style_values(const lv_style_t * style)
{
    return (lv_style_value_t *)style->v_p.values_and_props;
}

static uint16_t * style_props(const lv_style_t * style)
{
    return (uint16_t *)(style->v_p.values_and_props + style->prop_cnt * sizeof(lv_style_value_t));
}

static bool style_find(const lv_style_t * style, lv_style_prop_t prop, lv_style_value_t * value)
{
    if(style->prop1 == _LV_STYLE_PROP_CONST) {
        const lv_style_const_prop_t * cp = style->v_p.const_props;
        for(uint32_t i = 0; cp && i < style->prop_cnt && cp[i].prop != LV_STYLE_PROP_INV; i++) {
            if(cp[i].prop == prop) {
                *value = cp[i].value;
                return true;
            }
        }
        return false;
    }

    if(style->prop_cnt == 0) return false;
    if(!(style->has_group & (1 << _lv_style_get_prop_group(prop)))) return false;

    if(style->prop_cnt == 1) {
        if(style->prop1 != prop) return false;
        *value = style->v_p.value1;
        return true;
    }

    lv_style_value_t * values = style_values(style);
    uint16_t * props = style_props(style);
    for(uint32_t i = 0; i < style->prop_cnt; i++) {
        if(props[i] == prop) {
            *value = values[i];
            return true;
        }
    }
    return false;
}
