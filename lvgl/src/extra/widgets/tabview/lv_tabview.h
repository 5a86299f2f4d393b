/**
 * @file lv_tabview.h
 * Tab view: a row of tab buttons and a content area whose pages are swiped
 * or chosen by the buttons.
 */

#ifndef LV_TABVIEW_H
#define LV_TABVIEW_H

#ifdef __cplusplus
extern "C" {
#endif

/*********************
 *      INCLUDES
 *********************/
#include "../../../core/lv_obj.h"

#if LV_USE_TABVIEW

/**********************
 *      TYPEDEFS
 **********************/

typedef struct {
    lv_obj_t obj;
    char ** map;        /**< Unused: kept for source compatibility (the tab buttons are real buttons here)*/
    uint16_t tab_cnt;
    uint16_t tab_cur;
    lv_dir_t tab_pos;
} lv_tabview_t;

extern const lv_obj_class_t lv_tabview_class;
/** The object holding the tab buttons (child 0 when the buttons are on top or left)*/
extern const lv_obj_class_t lv_tabview_btns_class;
/** One tab button*/
extern const lv_obj_class_t lv_tabview_btn_class;

/**********************
 * GLOBAL PROTOTYPES
 **********************/

/**
 * Create a tab view.
 * @param parent    the parent object
 * @param tab_pos   where the buttons go: LV_DIR_TOP, LV_DIR_BOTTOM, LV_DIR_LEFT or LV_DIR_RIGHT
 * @param tab_size  height (top/bottom) or width (left/right) of the button row
 * @return          the new tab view
 */
lv_obj_t * lv_tabview_create(lv_obj_t * parent, lv_dir_t tab_pos, lv_coord_t tab_size);

/**
 * Add a tab: a button with the name and an empty page; the first tab becomes active.
 * @return          the page, to create the tab's content on
 */
lv_obj_t * lv_tabview_add_tab(lv_obj_t * tv, const char * name);

/**
 * Change the name on a tab's button.
 */
void lv_tabview_rename_tab(lv_obj_t * tv, uint32_t tab_id, const char * new_name);

/**
 * The scrolling container holding the pages.
 */
lv_obj_t * lv_tabview_get_content(lv_obj_t * tv);

/**
 * The object holding the tab buttons.
 */
lv_obj_t * lv_tabview_get_tab_btns(lv_obj_t * tv);

/**
 * Show a tab (an index past the last tab shows the last one). No event is sent.
 */
void lv_tabview_set_act(lv_obj_t * tv, uint32_t id, lv_anim_enable_t anim_en);

/**
 * Index of the shown tab.
 */
uint16_t lv_tabview_get_tab_act(lv_obj_t * tv);

#endif /*LV_USE_TABVIEW*/

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_TABVIEW_H*/
