/**
 * @file lv_theme_default_widgets1.h
 * The default theme's look of the value widgets (bar, slider, arc, meter,
 * switch). The theme's apply callback calls the matching function for an
 * object of that exact class.
 */

#ifndef LV_THEME_DEFAULT_WIDGETS1_H
#define LV_THEME_DEFAULT_WIDGETS1_H

#ifdef __cplusplus
extern "C" {
#endif

#include "../../../core/lv_obj.h"

#if LV_USE_THEME_DEFAULT

#include "lv_theme_default_table.h"

/** Fill the styles only these widgets use; part of building the theme.*/
void _lv_theme_default_fill_widgets1(const _lv_theme_look_t * look);

/**
 * Add the default theme's styles to an object of the named class.
 * @param obj   an object of exactly that class
 */
void lv_theme_default_style_bar(lv_obj_t * obj);
void lv_theme_default_style_slider(lv_obj_t * obj);
void lv_theme_default_style_arc(lv_obj_t * obj);
void lv_theme_default_style_meter(lv_obj_t * obj);
void lv_theme_default_style_switch(lv_obj_t * obj);

#endif /*LV_USE_THEME_DEFAULT*/

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_THEME_DEFAULT_WIDGETS1_H*/
