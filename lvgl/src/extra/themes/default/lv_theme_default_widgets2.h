/**
 * @file lv_theme_default_widgets2.h
 * The default theme's look of the drop-down, chart, colour wheel, tab view,
 * list, message box, text area and keyboard.
 */

#ifndef LV_THEME_DEFAULT_WIDGETS2_H
#define LV_THEME_DEFAULT_WIDGETS2_H

#ifdef __cplusplus
extern "C" {
#endif

#include "../../../core/lv_obj.h"

#if LV_USE_THEME_DEFAULT

/**
 * Style an object if it belongs to one of these widgets: the widget itself
 * or one of its parts that are plain objects (the tab view's content and
 * pages, the message box's content, button row and backdrop, a drop-down's
 * list, list buttons and texts). The theme's apply callback calls this first
 * and stops when it returns true, since some of these parts are of
 * lv_obj_class and must not also get the plain object's card look.
 * @param obj   the object being created
 * @return      true: obj was one of these and is styled
 */
bool lv_theme_default_widgets2_apply(lv_obj_t * obj);

/**
 * Add the default theme's styles to an object of the named class. Colours,
 * sizes and light/dark follow the theme of the object's display.
 * @param obj   an object of that exact class
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
