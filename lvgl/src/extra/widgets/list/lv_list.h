/**
 * @file lv_list.h
 * A vertical, scrollable list of buttons and section texts.
 */

#ifndef LV_LIST_H
#define LV_LIST_H

#ifdef __cplusplus
extern "C" {
#endif

/*********************
 *      INCLUDES
 *********************/
#include "../../../core/lv_obj.h"
#include "../../../widgets/lv_btn.h"
#include "../../../widgets/lv_label.h"

#if LV_USE_LIST

extern const lv_obj_class_t lv_list_class;
extern const lv_obj_class_t lv_list_text_class;
extern const lv_obj_class_t lv_list_btn_class;

/**********************
 * GLOBAL PROTOTYPES
 **********************/

/**
 * Create an empty list (a column; scrolls when its content is taller than it).
 * @param parent    the parent object
 * @return          the new list
 */
lv_obj_t * lv_list_create(lv_obj_t * parent);

/**
 * Add a section text (a label spanning the list's width).
 * @param list      a list
 * @param txt       the text (copied)
 * @return          the label
 */
lv_obj_t * lv_list_add_text(lv_obj_t * list, const char * txt);

/**
 * Add a button spanning the list's width with an optional icon and a text.
 * @param list      a list
 * @param icon      an image source or a symbol, NULL: none
 * @param txt       the text (copied), NULL: none
 * @return          the button
 */
lv_obj_t * lv_list_add_btn(lv_obj_t * list, const void * icon, const char * txt);

/**
 * The text of a list button (its first label), "" if it has none.
 */
const char * lv_list_get_btn_text(lv_obj_t * list, lv_obj_t * btn);

#endif /*LV_USE_LIST*/

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_LIST_H*/
