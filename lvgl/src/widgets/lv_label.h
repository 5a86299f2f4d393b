/**
 * @file lv_label.h
 * Label: shows a text and decides what happens when it is longer than the
 * label (long modes). Positions in this API count characters, not bytes.
 */

#ifndef LV_LABEL_H
#define LV_LABEL_H

#ifdef __cplusplus
extern "C" {
#endif

/*********************
 *      INCLUDES
 *********************/
#include "../lv_conf_internal.h"

#if LV_USE_LABEL != 0

#include <stdarg.h>
#include "../core/lv_obj.h"
#include "../font/lv_font.h"
#include "../font/lv_symbol_def.h"
#include "../misc/lv_txt.h"
#include "../draw/lv_draw.h"

/*********************
 *      DEFINES
 *********************/
#define LV_LABEL_WAIT_CHAR_COUNT        3
#define LV_LABEL_DOT_NUM 3
#define LV_LABEL_POS_LAST 0xFFFF
#define LV_LABEL_TEXT_SELECTION_OFF LV_DRAW_LABEL_NO_TXT_SEL

LV_EXPORT_CONST_INT(LV_LABEL_DOT_NUM);
LV_EXPORT_CONST_INT(LV_LABEL_POS_LAST);
LV_EXPORT_CONST_INT(LV_LABEL_TEXT_SELECTION_OFF);

/**********************
 *      TYPEDEFS
 **********************/

/** What a label does with a text that does not fit it*/
enum {
    LV_LABEL_LONG_WRAP,             /**< break lines at the label's width; a content height grows*/
    LV_LABEL_LONG_DOT,              /**< keep the size; what does not fit is replaced by "..."*/
    LV_LABEL_LONG_SCROLL,           /**< keep the size; the text slides to one end and back*/
    LV_LABEL_LONG_SCROLL_CIRCULAR,  /**< keep the size; the text slides on and comes round again*/
    LV_LABEL_LONG_CLIP,             /**< keep the size; what does not fit is cut off*/
};
typedef uint8_t lv_label_long_mode_t;

typedef struct {
    lv_obj_t obj;
    char * text;
    union {
        char * tmp_ptr;
        char tmp[LV_LABEL_DOT_NUM + 1];
    } dot;                              /*kept for compatibility; dots are drawn from a copy*/
    uint32_t dot_end;                   /*dot mode: characters shown before the dots (UINT32_MAX: all)*/

#if LV_LABEL_LONG_TXT_HINT
    lv_draw_label_hint_t hint;          /*first visible line of a tall wrapped text*/
#endif

#if LV_LABEL_TEXT_SELECTION
    uint32_t sel_start;
    uint32_t sel_end;
#endif

    lv_point_t offset;                  /*where the scroll modes have moved the text*/
    lv_label_long_mode_t long_mode : 3;
    uint8_t static_txt : 1;             /*text is the caller's string, not a copy*/
    uint8_t recolor : 1;                /*"#rrggbb text#" commands are applied*/
    uint8_t expand : 1;                 /*lines are never wrapped (scroll and clip modes)*/
    uint8_t dot_tmp_alloc : 1;
} lv_label_t;

extern const lv_obj_class_t lv_label_class;

/**********************
 * GLOBAL PROTOTYPES
 **********************/

/**
 * @param parent    the parent object
 * @return          a new label showing "Text"
 */
lv_obj_t * lv_label_create(lv_obj_t * parent);

/**
 * Show a copy of `text`. NULL lays the current text out again (after it was
 * changed in place).
 */
void lv_label_set_text(lv_obj_t * obj, const char * text);

/**
 * Show a printf-formatted text, e.g. lv_label_set_text_fmt(label, "%d rpm", rpm).
 */
void lv_label_set_text_fmt(lv_obj_t * obj, const char * fmt, ...) LV_FORMAT_ATTRIBUTE(2, 3);

/**
 * Show `text` without copying it: it must outlive the label or the next text
 * set. NULL keeps the current text.
 */
void lv_label_set_text_static(lv_obj_t * obj, const char * text);

/**
 * @param long_mode an LV_LABEL_LONG_... value; set the label's size after it
 */
void lv_label_set_long_mode(lv_obj_t * obj, lv_label_long_mode_t long_mode);

/**
 * Apply colour commands in the text: "normal #ff0000 red# normal".
 */
void lv_label_set_recolor(lv_obj_t * obj, bool en);

/**
 * Mark characters [start, end) as selected (drawn with LV_PART_SELECTED's
 * text and background colours); LV_LABEL_TEXT_SELECTION_OFF: none.
 */
void lv_label_set_text_sel_start(lv_obj_t * obj, uint32_t index);
void lv_label_set_text_sel_end(lv_obj_t * obj, uint32_t index);

char * lv_label_get_text(const lv_obj_t * obj);

lv_label_long_mode_t lv_label_get_long_mode(const lv_obj_t * obj);

bool lv_label_get_recolor(const lv_obj_t * obj);

/**
 * Where character `char_id` starts, relative to the label's content area.
 * @param pos       receives the pen position; a line's start is x 0 when left aligned
 */
void lv_label_get_letter_pos(const lv_obj_t * obj, uint32_t char_id, lv_point_t * pos);

/**
 * The character drawn at a point relative to the content area.
 * @return          its index; right of a line, the position that ends the line
 */
uint32_t lv_label_get_letter_on(const lv_obj_t * obj, lv_point_t * pos_in);

/**
 * Whether a letter is drawn at a point relative to the content area.
 */
bool lv_label_is_char_under_pos(const lv_obj_t * obj, lv_point_t * pos);

uint32_t lv_label_get_text_selection_start(const lv_obj_t * obj);
uint32_t lv_label_get_text_selection_end(const lv_obj_t * obj);

/**
 * Insert `txt` before character `pos` (LV_LABEL_POS_LAST: at the end).
 * A static text is left unchanged.
 */
void lv_label_ins_text(lv_obj_t * obj, uint32_t pos, const char * txt);

/**
 * Remove `cnt` characters starting at character `pos`. A static text is left
 * unchanged.
 */
void lv_label_cut_text(lv_obj_t * obj, uint32_t pos, uint32_t cnt);

#endif /*LV_USE_LABEL*/

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_LABEL_H*/
