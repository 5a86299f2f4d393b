/**
 * @file lv_theme_default_table.c
 * Filling the default theme's table styles.
 */
#include "lv_theme_default_table.h"

#include "../../../core/lv_disp.h"
#include "../../../misc/lv_assert.h"

void _lv_theme_ts_begin(_lv_theme_table_style_t * s)
{
    s->cnt = 0;
}

static void append(_lv_theme_table_style_t * s, lv_style_prop_t prop, lv_style_value_t v)
{
    /*A full table drops the property instead of writing past its end*/
    LV_ASSERT(s->cnt < LV_THEME_TABLE_MAX_PROPS);
    if(s->cnt >= LV_THEME_TABLE_MAX_PROPS) return;
    s->props[s->cnt].prop = prop;
    s->props[s->cnt].value = v;
    s->cnt++;
}

void _lv_theme_ts_num(_lv_theme_table_style_t * s, lv_style_prop_t prop, int32_t n)
{
    lv_style_value_t v = {.num = n};
    append(s, prop, v);
}

void _lv_theme_ts_color(_lv_theme_table_style_t * s, lv_style_prop_t prop, lv_color_t c)
{
    lv_style_value_t v = {.color = c};
    append(s, prop, v);
}

void _lv_theme_ts_ptr(_lv_theme_table_style_t * s, lv_style_prop_t prop, const void * p)
{
    lv_style_value_t v = {.ptr = p};
    append(s, prop, v);
}

void _lv_theme_ts_pad_all(_lv_theme_table_style_t * s, lv_coord_t pad)
{
    static const lv_style_prop_t sides[] = {LV_STYLE_PAD_TOP, LV_STYLE_PAD_BOTTOM, LV_STYLE_PAD_LEFT, LV_STYLE_PAD_RIGHT};
    for(size_t i = 0; i < sizeof(sides) / sizeof(sides[0]); i++) _lv_theme_ts_num(s, sides[i], pad);
}

/*
 * Terminate the table and point the style at it as a constant style. The
 * group mask lists only the groups present, so lookups skip this style for
 * every other property.
 */
void _lv_theme_ts_end(_lv_theme_table_style_t * s)
{
    uint8_t groups = 0;
    for(uint8_t i = 0; i < s->cnt; i++) groups |= (uint8_t)(1u << _lv_style_get_prop_group(s->props[i].prop));

    s->props[s->cnt].prop = LV_STYLE_PROP_INV;
    s->props[s->cnt].value.num = 0;
    s->style.v_p.const_props = s->props;
    s->style.prop1 = _LV_STYLE_PROP_CONST;
    s->style.has_group = groups;
    s->style.prop_cnt = (uint8_t)(s->cnt + 1);
}

lv_coord_t _lv_theme_dpx(lv_disp_t * disp, lv_coord_t n)
{
    return _LV_DPX_CALC(lv_disp_get_dpi(disp), n);
}
