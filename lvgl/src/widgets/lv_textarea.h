/**
 * @file lv_textarea.h
 * Text area: an editable text with a cursor. Keys typed while it is focused
 * land at the cursor; a tap moves the cursor. It has what a window host needs
 * to place an input method's window and what typed characters need to land
 * in it; there is no selection, password mode or placeholder.
 */

#ifndef LV_TEXTAREA_H
#define LV_TEXTAREA_H

#ifdef __cplusplus
extern "C" {
#endif

/*********************
 *      INCLUDES
 *********************/
#include "../core/lv_obj.h"

#if LV_USE_TEXTAREA != 0

/*********************
 *      DEFINES
 *********************/
#define LV_TEXTAREA_CURSOR_LAST (0x7FFF) /*cursor position past the end*/
LV_EXPORT_CONST_INT(LV_TEXTAREA_CURSOR_LAST);

/**********************
 *      TYPEDEFS
 **********************/

typedef struct {
    lv_obj_t obj;
    lv_obj_t * label;           /**< The label showing the text*/
    char * placeholder_txt;     /**< Unused here*/
    const char * accepted_chars;/**< Only these characters are taken, NULL: all*/
    uint32_t max_length;        /**< Most characters taken, 0: no limit*/
    struct {
        lv_coord_t valid_x;     /**< Column kept while moving up and down*/
        uint32_t pos;           /**< Cursor position as a character index*/
        lv_area_t area;         /**< Cursor area relative to the label*/
        uint32_t txt_byte_pos;  /**< Cursor position as a byte index*/
        uint8_t show : 1;       /**< Blink phase: 1 while the bar is drawn*/
        uint8_t click_pos : 1;  /**< A tap places the cursor*/
    } cursor;
    uint8_t pwd_mode : 1;
    uint8_t one_line : 1;
} lv_textarea_t;

extern const lv_obj_class_t lv_textarea_class;

/**********************
 * GLOBAL PROTOTYPES
 **********************/

/**
 * Create an empty text area.
 */
lv_obj_t * lv_textarea_create(lv_obj_t * parent);

/**
 * Insert a letter at the cursor and move the cursor after it. Accepted
 * characters, the length limit and LV_EVENT_INSERT handlers may refuse it.
 * @param c     the letter's UTF-8 bytes packed with the first byte lowest ('a', or
 *              _lv_txt_encoded_conv_wc / _lv_txt_unicode_to_encoded of a wider letter), as keys arrive
 */
void lv_textarea_add_char(lv_obj_t * obj, uint32_t c);

/**
 * Insert a UTF-8 text at the cursor and move the cursor after it; letters
 * the text area does not take are left out. One LV_EVENT_INSERT for the text.
 */
void lv_textarea_add_text(lv_obj_t * obj, const char * txt);

/**
 * Delete the character before the cursor.
 */
void lv_textarea_del_char(lv_obj_t * obj);

/**
 * Delete the character after the cursor.
 */
void lv_textarea_del_char_forward(lv_obj_t * obj);

/**
 * Replace the text (through the same filters as typing); the cursor goes to its end.
 */
void lv_textarea_set_text(lv_obj_t * obj, const char * txt);

/**
 * Move the cursor to a character index, clamped to the text; LV_TEXTAREA_CURSOR_LAST
 * or -1 is after the last character, -2 before it, and so on.
 */
void lv_textarea_set_cursor_pos(lv_obj_t * obj, int32_t pos);

/**
 * Keep the text on one line.
 */
void lv_textarea_set_one_line(lv_obj_t * obj, bool en);

/**
 * Take only these characters (NULL: all).
 */
void lv_textarea_set_accepted_chars(lv_obj_t * obj, const char * list);

/**
 * Take at most this many characters (0: no limit).
 */
void lv_textarea_set_max_length(lv_obj_t * obj, uint32_t num);

const char * lv_textarea_get_text(const lv_obj_t * obj);

/**
 * The label showing the text (its coordinates place an input-method window).
 */
lv_obj_t * lv_textarea_get_label(const lv_obj_t * obj);

/**
 * Cursor position as a character index.
 */
uint32_t lv_textarea_get_cursor_pos(const lv_obj_t * obj);

bool lv_textarea_get_one_line(const lv_obj_t * obj);

void lv_textarea_cursor_right(lv_obj_t * obj);

void lv_textarea_cursor_left(lv_obj_t * obj);

#endif /*LV_USE_TEXTAREA*/

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_TEXTAREA_H*/
