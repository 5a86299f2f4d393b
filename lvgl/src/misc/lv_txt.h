/**
 * @file lv_txt.h
 * UTF-8 handling, line breaking and text measuring.
 */
#ifndef LV_TXT_H
#define LV_TXT_H

#ifdef __cplusplus
extern "C" {
#endif

/*********************
 *      INCLUDES
 *********************/
#include "../lv_conf_internal.h"

#include <stdbool.h>
#include <stdarg.h>
#include "lv_area.h"
#include "../font/lv_font.h"
#include "lv_printf.h"
#include "lv_types.h"

/*********************
 *      DEFINES
 *********************/
#ifndef LV_TXT_COLOR_CMD
#define LV_TXT_COLOR_CMD "#"
#endif

#define LV_TXT_ENC_UTF8 1
#define LV_TXT_ENC_ASCII 2

/**********************
 *      TYPEDEFS
 **********************/

/* How a text is laid out. */
enum {
    LV_TEXT_FLAG_NONE    = 0x00,
    LV_TEXT_FLAG_RECOLOR = 0x01, /* "#rrggbb text#" changes the colour */
    LV_TEXT_FLAG_EXPAND  = 0x02, /* no wrapping: lines end only at line breaks */
    LV_TEXT_FLAG_FIT     = 0x04, /* the width given is already the longest line's */
};
typedef uint8_t lv_text_flag_t;

/* Where a walk through a text is relative to a recolour command. */
enum {
    LV_TEXT_CMD_STATE_WAIT,
    LV_TEXT_CMD_STATE_PAR,  /* in the colour parameter */
    LV_TEXT_CMD_STATE_IN,   /* in the recoloured text */
};
typedef uint8_t _lv_text_cmd_state_t;

/* Horizontal alignment of text lines; AUTO is LEFT (no right-to-left text here). */
enum {
    LV_TEXT_ALIGN_AUTO,
    LV_TEXT_ALIGN_LEFT,
    LV_TEXT_ALIGN_CENTER,
    LV_TEXT_ALIGN_RIGHT,
};
typedef uint8_t lv_text_align_t;

/**********************
 * GLOBAL PROTOTYPES
 **********************/

/**
 * Size of a text when drawn with `font`.
 * @param size_res the width (longest line) and height (lines x line height + line spaces)
 * @param max_width wrap lines at this width (LV_COORD_MAX: only at '\n')
 * @param flag LV_TEXT_FLAG_...
 */
void lv_txt_get_size(lv_point_t * size_res, const char * text, const lv_font_t * font, lv_coord_t letter_space,
                     lv_coord_t line_space, lv_coord_t max_width, lv_text_flag_t flag);

/**
 * Find where the first line of `txt` ends when wrapped at `max_width`: after a
 * '\n', at a break character (LV_TXT_BREAK_CHARS) or, for a word longer than
 * the line, inside the word.
 * @param used_width if not NULL, the width of the line's text (no trailing space)
 * @return the byte length of the first line (the '\n' included)
 */
uint32_t _lv_txt_get_next_line(const char * txt, const lv_font_t * font, lv_coord_t letter_space,
                               lv_coord_t max_width, lv_coord_t * used_width, lv_text_flag_t flag);

/**
 * Width of the first `length` bytes of a text on one line.
 * @return the width in pixels (trailing letter space not counted)
 */
lv_coord_t _lv_txt_get_width(const char * txt, uint32_t length, const lv_font_t * font, lv_coord_t letter_space,
                             lv_text_flag_t flag);

/** Same as _lv_txt_get_width. */
lv_coord_t lv_txt_get_width(const char * txt, uint32_t length, const lv_font_t * font, lv_coord_t letter_space,
                            lv_text_flag_t flag);

/**
 * Track the recolour command ("#rrggbb text#") while walking a text.
 * @return true when `c` is part of a command and is not to be drawn
 */
bool _lv_txt_is_cmd(_lv_text_cmd_state_t * state, uint32_t c);

/** Insert `ins_txt` into `txt_buf` at character position `pos` (buffer must be large enough). */
void _lv_txt_ins(char * txt_buf, uint32_t pos, const char * ins_txt);

/** Delete `len` characters at character position `pos`. */
void _lv_txt_cut(char * txt, uint32_t pos, uint32_t len);

/** Format a text into a newly lv_mem_alloc'ed buffer. @return the buffer or NULL */
char * _lv_txt_set_text_vfmt(const char * fmt, va_list ap) LV_FORMAT_ATTRIBUTE(1, 0);

/**
 * Decode the letter at `*ofs` and the one after it (for kerning), moving `*ofs`
 * past the first.
 */
void _lv_txt_encoded_letter_next_2(const char * txt, uint32_t * letter, uint32_t * letter_next, uint32_t * ofs);

/** @return true if `letter` is a line-break opportunity (one of LV_TXT_BREAK_CHARS) */
static inline bool _lv_txt_is_break_char(uint32_t letter)
{
    for(const char * candidate = LV_TXT_BREAK_CHARS; *candidate != '\0'; candidate++) {
        if((uint32_t)(uint8_t)*candidate == letter) return true;
    }
    return false;
}

/*
 * The text encoding, as pointers so another codec could be put in; the
 * toolkit's own is UTF-8.
 */

/** @return the byte length of the UTF-8 character starting at `str` (1 for an invalid lead byte) */
extern uint8_t (*_lv_txt_encoded_size)(const char *);

/** @return the UTF-8 bytes of a code point packed little-endian in a uint32_t (first byte lowest) */
extern uint32_t (*_lv_txt_unicode_to_encoded)(uint32_t);

/** @return a multi-byte C character literal ('\xC3\xA9' style) in the packed order of _lv_txt_unicode_to_encoded */
extern uint32_t (*_lv_txt_encoded_conv_wc)(uint32_t c);

/**
 * Decode the character at byte `*i` (0 if i is NULL) and move `*i` to the next one.
 * @return the code point (malformed bytes are returned as themselves, one at a time)
 */
extern uint32_t (*_lv_txt_encoded_next)(const char *, uint32_t *);

/** Move `*i` back to the previous character and return its code point. */
extern uint32_t (*_lv_txt_encoded_prev)(const char *, uint32_t *);

/** @return the byte index of the `utf8_id`-th character */
extern uint32_t (*_lv_txt_encoded_get_byte_id)(const char *, uint32_t);

/** @return the character index of byte `byte_id` */
extern uint32_t (*_lv_txt_encoded_get_char_id)(const char *, uint32_t);

/** @return the number of characters of a zero-terminated text */
extern uint32_t (*_lv_txt_get_encoded_length)(const char *);

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_TXT_H*/
