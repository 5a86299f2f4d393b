/**
 * @file lv_theme_default_table.h
 * Constant styles built at run time for the widget parts of the default
 * theme: each is a fixed table of properties, so the theme needs no pool
 * memory for them and nothing has to be freed at lv_deinit.
 */
#ifndef LV_THEME_DEFAULT_TABLE_H
#define LV_THEME_DEFAULT_TABLE_H

#ifdef __cplusplus
extern "C" {
#endif

#include "../../../core/lv_obj.h"

#define LV_THEME_TABLE_MAX_PROPS 16

/* A constant style with room for its property table. */
typedef struct {
    lv_style_t style;
    lv_style_const_prop_t props[LV_THEME_TABLE_MAX_PROPS + 1];
    uint8_t cnt;
} _lv_theme_table_style_t;

/* Start filling a table; the style is usable again after _lv_theme_ts_end. */
void _lv_theme_ts_begin(_lv_theme_table_style_t * s);
void _lv_theme_ts_num(_lv_theme_table_style_t * s, lv_style_prop_t prop, int32_t n);
void _lv_theme_ts_color(_lv_theme_table_style_t * s, lv_style_prop_t prop, lv_color_t c);
void _lv_theme_ts_ptr(_lv_theme_table_style_t * s, lv_style_prop_t prop, const void * p);
void _lv_theme_ts_pad_all(_lv_theme_table_style_t * s, lv_coord_t pad);
void _lv_theme_ts_end(_lv_theme_table_style_t * s);

/* n pixels at 160 DPI scaled to the display's DPI. */
lv_coord_t _lv_theme_dpx(lv_disp_t * disp, lv_coord_t n);

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_THEME_DEFAULT_TABLE_H*/
