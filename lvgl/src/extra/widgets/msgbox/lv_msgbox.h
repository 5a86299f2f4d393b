/**
 * @file lv_msgbox.h
 * Message box: a title, an optional close button, a text and a row of buttons.
 */

#ifndef LV_MSGBOX_H
#define LV_MSGBOX_H

#ifdef __cplusplus
extern "C" {
#endif

/*********************
 *      INCLUDES
 *********************/
#include "../../../core/lv_obj.h"

#if LV_USE_MSGBOX

/*********************
 *      DEFINES
 *********************/
/** Set on a message box whose parent is its own backdrop (created with a NULL parent)*/
#define LV_MSGBOX_FLAG_AUTO_PARENT LV_OBJ_FLAG_WIDGET_1

/**********************
 *      TYPEDEFS
 **********************/

typedef struct {
    lv_obj_t obj;
    lv_obj_t * title;
    lv_obj_t * close_btn;
    lv_obj_t * content;
    lv_obj_t * text;
    lv_obj_t * btns;
    uint16_t active_btn;    /**< Index of the button clicked last, LV_BTNMATRIX_BTN_NONE-like 0xFFFF: none*/
} lv_msgbox_t;

extern const lv_obj_class_t lv_msgbox_class;
extern const lv_obj_class_t lv_msgbox_content_class;
extern const lv_obj_class_t lv_msgbox_backdrop_class;
/** The row holding the message box's buttons*/
extern const lv_obj_class_t lv_msgbox_btns_class;

/**********************
 * GLOBAL PROTOTYPES
 **********************/

/**
 * Create a message box, centred in its parent.
 * @param parent        the parent; NULL: a modal box on a dimmed backdrop on the top layer
 * @param title         the title, NULL or "": none (unless there is a close button)
 * @param txt           the text, NULL or "": none
 * @param btn_txts      button texts, the array ends with ""; NULL or {""}: no buttons
 * @param add_close_btn true: a close button that deletes the box
 * @return              the message box
 */
lv_obj_t * lv_msgbox_create(lv_obj_t * parent, const char * title, const char * txt, const char * btn_txts[],
                            bool add_close_btn);

lv_obj_t * lv_msgbox_get_title(lv_obj_t * obj);

lv_obj_t * lv_msgbox_get_close_btn(lv_obj_t * obj);

/**
 * The text's label, NULL if created without text.
 */
lv_obj_t * lv_msgbox_get_text(lv_obj_t * obj);

lv_obj_t * lv_msgbox_get_content(lv_obj_t * obj);

/**
 * The object holding the buttons, NULL if there are none.
 */
lv_obj_t * lv_msgbox_get_btns(lv_obj_t * obj);

/**
 * Index of the button clicked last (for a LV_EVENT_VALUE_CHANGED handler on the box), 0xFFFF: none.
 */
uint16_t lv_msgbox_get_active_btn(lv_obj_t * mbox);

/**
 * Text of the button clicked last, NULL: none.
 */
const char * lv_msgbox_get_active_btn_text(lv_obj_t * mbox);

/**
 * Delete the message box (and its backdrop if it has one).
 */
void lv_msgbox_close(lv_obj_t * mbox);

/**
 * Delete the message box on the next timer run (safe inside its own event handlers).
 */
void lv_msgbox_close_async(lv_obj_t * mbox);

#endif /*LV_USE_MSGBOX*/

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_MSGBOX_H*/
