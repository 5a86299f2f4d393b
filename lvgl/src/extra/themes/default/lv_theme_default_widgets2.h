/**
 * @file lv_theme_default_widgets2.h
 * The default theme's look of the drop-down, chart, colour wheel, tab view,
 * list, message box, text area and keyboard, and of their parts.
 */

#ifndef LV_THEME_DEFAULT_WIDGETS2_H
#define LV_THEME_DEFAULT_WIDGETS2_H

#ifdef __cplusplus
extern "C" {
#endif

#include "../../../core/lv_obj.h"

#if LV_USE_THEME_DEFAULT

#include "lv_theme_default_table.h"

/** Fill the styles only these widgets use; part of building the theme.*/
void _lv_theme_default_fill_widgets2(const _lv_theme_look_t * look);

/**
 * Add the default theme's styles to an object of the named class (or part:
 * a tab view page is a plain object inside the tab view's content).
 * @param obj   an object of exactly that class
 */
void lv_theme_default_style_dropdown(lv_obj_t * obj);
void lv_theme_default_style_dropdownlist(lv_obj_t * obj);
void lv_theme_default_style_chart(lv_obj_t * obj);
void lv_theme_default_style_colorwheel(lv_obj_t * obj);
void lv_theme_default_style_tabview(lv_obj_t * obj);
void lv_theme_default_style_tabview_btns(lv_obj_t * obj);
void lv_theme_default_style_tabview_btn(lv_obj_t * obj);
void lv_theme_default_style_tabview_page(lv_obj_t * obj);
void lv_theme_default_style_list(lv_obj_t * obj);
void lv_theme_default_style_list_btn(lv_obj_t * obj);
void lv_theme_default_style_list_text(lv_obj_t * obj);
void lv_theme_default_style_msgbox(lv_obj_t * obj);
void lv_theme_default_style_msgbox_content(lv_obj_t * obj);
void lv_theme_default_style_msgbox_btns(lv_obj_t * obj);
void lv_theme_default_style_msgbox_backdrop(lv_obj_t * obj);
void lv_theme_default_style_textarea(lv_obj_t * obj);
void lv_theme_default_style_keyboard(lv_obj_t * obj);

#endif /*LV_USE_THEME_DEFAULT*/

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_THEME_DEFAULT_WIDGETS2_H*/
