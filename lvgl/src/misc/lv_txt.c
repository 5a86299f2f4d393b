/**
 * @file lv_txt.c
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_txt.h"
#include "lv_txt_ap.h"
#include "lv_math.h"
#include "lv_mem.h"
#include "lv_assert.h"
#include <string.h>

/*********************
 *      DEFINES
 *********************/
#define NO_BREAK_FOUND UINT32_MAX

/**********************
 *  STATIC PROTOTYPES
 **********************/
static uint8_t lv_txt_utf8_size(const char * str);
static uint32_t lv_txt_unicode_to_utf8(uint32_t letter_uni);
static uint32_t lv_txt_utf8_conv_wc(uint32_t c);
static uint32_t lv_txt_utf8_next(const char * txt, uint32_t * i);
static uint32_t lv_txt_utf8_prev(const char * txt, uint32_t * i_start);
static uint32_t lv_txt_utf8_get_byte_id(const char * txt, uint32_t utf8_id);
static uint32_t lv_txt_utf8_get_char_id(const char * txt, uint32_t byte_id);
static uint32_t lv_txt_utf8_get_length(const char * txt);
static bool is_newline(uint32_t letter);

/**********************
 *  GLOBAL VARIABLES
 **********************/
uint8_t (*_lv_txt_encoded_size)(const char *) = lv_txt_utf8_size;
uint32_t (*_lv_txt_unicode_to_encoded)(uint32_t) = lv_txt_unicode_to_utf8;
uint32_t (*_lv_txt_encoded_conv_wc)(uint32_t) = lv_txt_utf8_conv_wc;
uint32_t (*_lv_txt_encoded_next)(const char *, uint32_t *) = lv_txt_utf8_next;
uint32_t (*_lv_txt_encoded_prev)(const char *, uint32_t *) = lv_txt_utf8_prev;
uint32_t (*_lv_txt_encoded_get_byte_id)(const char *, uint32_t) = lv_txt_utf8_get_byte_id;
uint32_t (*_lv_txt_encoded_get_char_id)(const char *, uint32_t) = lv_txt_utf8_get_char_id;
uint32_t (*_lv_txt_get_encoded_length)(const char *) = lv_txt_utf8_get_length;

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

void lv_txt_get_size(lv_point_t * size_res, const char * text, const lv_font_t * font, lv_coord_t letter_space,
                     lv_coord_t line_space, lv_coord_t max_width, lv_text_flag_t flag)
{
    size_res->x = 0;
    size_res->y = 0;
    if(text == NULL || font == NULL) return;
    if(flag & LV_TEXT_FLAG_EXPAND) max_width = LV_COORD_MAX;

    int32_t w = 0;
    int32_t h = 0;
    lv_coord_t letter_height = lv_font_get_line_height(font);
    uint32_t line_start = 0;
    while(text[line_start] != '\0') {
        lv_coord_t used = 0;
        uint32_t len = _lv_txt_get_next_line(&text[line_start], font, letter_space, max_width, &used, flag);
        if(len == 0) break;
        h += letter_height + line_space;
        if(used > w) w = used;
        line_start += len;
    }

    /*A text ending in a line break has one more (empty) line*/
    if(line_start > 0 && (text[line_start - 1] == '\n' || text[line_start - 1] == '\r')) {
        h += letter_height + line_space;
    }

    if(h == 0) h = letter_height;           /*An empty text is one line high*/
    else h -= line_space;

    /*A very long text is taller than a coordinate can say: report the largest one rather than wrap negative*/
    size_res->x = (lv_coord_t)LV_MIN(w, LV_COORD_MAX);
    size_res->y = (lv_coord_t)LV_MIN(h, LV_COORD_MAX);
}

/* Walk the letters adding their widths. At each break character remember the
 * position after it; when a letter no longer fits, end the line at the last
 * break, or inside the word when the line holds a single word. A line always
 * takes at least one letter, so a max_width smaller than a letter still
 * makes progress. */
uint32_t _lv_txt_get_next_line(const char * txt, const lv_font_t * font, lv_coord_t letter_space,
                               lv_coord_t max_width, lv_coord_t * used_width, lv_text_flag_t flag)
{
    if(used_width) *used_width = 0;
    if(txt == NULL || txt[0] == '\0' || font == NULL) return 0;
    if(flag & LV_TEXT_FLAG_EXPAND) max_width = LV_COORD_MAX;

    _lv_text_cmd_state_t cmd_state = LV_TEXT_CMD_STATE_WAIT;
    int32_t width = 0;
    int32_t width_at_break = 0;
    uint32_t break_pos = NO_BREAK_FOUND;
    uint32_t i = 0;

    while(txt[i] != '\0') {
        uint32_t ofs = i;
        uint32_t letter = _lv_txt_encoded_next(txt, &i);

        if(is_newline(letter)) {
            if(letter == '\r' && txt[i] == '\n') i++;
            if(used_width) *used_width = (lv_coord_t)LV_MAX(0, width - letter_space);
            return i;
        }
        if((flag & LV_TEXT_FLAG_RECOLOR) && _lv_txt_is_cmd(&cmd_state, letter)) continue;

        uint32_t j = i;
        uint32_t letter_next = _lv_txt_encoded_next(txt, &j);
        int32_t letter_w = lv_font_get_glyph_width(font, letter, letter_next);

        if(ofs > 0 && width + letter_w > max_width) {
            uint32_t end = break_pos != NO_BREAK_FOUND ? break_pos : ofs;
            int32_t w = break_pos != NO_BREAK_FOUND ? width_at_break : width;
            if(used_width) *used_width = (lv_coord_t)LV_MAX(0, w - letter_space);
            return end;
        }
        width += letter_w + letter_space;

        if(_lv_txt_is_break_char(letter)) {
            break_pos = i;
            width_at_break = width;
        }
    }

    if(used_width) *used_width = (lv_coord_t)LV_MAX(0, width - letter_space);
    return i;
}

lv_coord_t _lv_txt_get_width(const char * txt, uint32_t length, const lv_font_t * font, lv_coord_t letter_space,
                             lv_text_flag_t flag)
{
    if(txt == NULL || font == NULL || txt[0] == '\0') return 0;

    _lv_text_cmd_state_t cmd_state = LV_TEXT_CMD_STATE_WAIT;
    int32_t width = 0;
    uint32_t i = 0;
    while(i < length && txt[i] != '\0') {
        uint32_t letter;
        uint32_t letter_next;
        _lv_txt_encoded_letter_next_2(txt, &letter, &letter_next, &i);
        if(i >= length) letter_next = 0;
        if(is_newline(letter)) continue;
        if((flag & LV_TEXT_FLAG_RECOLOR) && _lv_txt_is_cmd(&cmd_state, letter)) continue;
        width += lv_font_get_glyph_width(font, letter, letter_next) + letter_space;
    }
    if(width > 0) width -= letter_space;   /*No space after the last letter: matters for centred text*/
    return (lv_coord_t)width;
}

lv_coord_t lv_txt_get_width(const char * txt, uint32_t length, const lv_font_t * font, lv_coord_t letter_space,
                            lv_text_flag_t flag)
{
    return _lv_txt_get_width(txt, length, font, letter_space, flag);
}

/* "#rrggbb text#": '#' opens the parameter, a space ends it, the next '#'
 * closes the command; "##" inside the parameter stands for a literal '#'. */
bool _lv_txt_is_cmd(_lv_text_cmd_state_t * state, uint32_t c)
{
    bool ret = false;
    if(c == (uint32_t)LV_TXT_COLOR_CMD[0]) {
        if(*state == LV_TEXT_CMD_STATE_WAIT) {
            *state = LV_TEXT_CMD_STATE_PAR;
            ret = true;
        }
        else if(*state == LV_TEXT_CMD_STATE_PAR) {
            *state = LV_TEXT_CMD_STATE_WAIT;    /*Escaped: draw the second '#'*/
        }
        else if(*state == LV_TEXT_CMD_STATE_IN) {
            *state = LV_TEXT_CMD_STATE_WAIT;
            ret = true;
        }
    }

    if(*state == LV_TEXT_CMD_STATE_PAR) {
        if(c == ' ') *state = LV_TEXT_CMD_STATE_IN;
        ret = true;
    }
    return ret;
}

void _lv_txt_ins(char * txt_buf, uint32_t pos, const char * ins_txt)
{
    if(txt_buf == NULL || ins_txt == NULL) return;

    size_t old_len = strlen(txt_buf);
    size_t ins_len = strlen(ins_txt);
    if(ins_len == 0) return;

    size_t byte_pos = _lv_txt_encoded_get_byte_id(txt_buf, pos);
    if(byte_pos > old_len) byte_pos = old_len;
    memmove(txt_buf + byte_pos + ins_len, txt_buf + byte_pos, old_len - byte_pos + 1);
    memcpy(txt_buf + byte_pos, ins_txt, ins_len);
}

void _lv_txt_cut(char * txt, uint32_t pos, uint32_t len)
{
    if(txt == NULL) return;

    size_t old_len = strlen(txt);
    size_t start = _lv_txt_encoded_get_byte_id(txt, pos);
    size_t end = _lv_txt_encoded_get_byte_id(txt, pos + len);
    if(start > old_len) return;
    if(end > old_len) end = old_len;
    memmove(txt + start, txt + end, old_len - end + 1);
}

char * _lv_txt_set_text_vfmt(const char * fmt, va_list ap)
{
    if(fmt == NULL) return NULL;

    va_list ap_copy;
    va_copy(ap_copy, ap);
    int len = lv_vsnprintf(NULL, 0, fmt, ap_copy);
    va_end(ap_copy);
    if(len < 0) return NULL;

    char * text = lv_mem_alloc((size_t)len + 1);
    LV_ASSERT_MALLOC(text);
    if(text == NULL) return NULL;
    lv_vsnprintf(text, (size_t)len + 1, fmt, ap);
    return text;
}

void _lv_txt_encoded_letter_next_2(const char * txt, uint32_t * letter, uint32_t * letter_next, uint32_t * ofs)
{
    *letter = _lv_txt_encoded_next(txt, ofs);
    uint32_t j = *ofs;
    *letter_next = *letter != '\0' ? _lv_txt_encoded_next(txt, &j) : 0;
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

static bool is_newline(uint32_t letter)
{
    return letter == '\n' || letter == '\r';
}

static uint8_t lv_txt_utf8_size(const char * str)
{
    uint8_t c = (uint8_t)str[0];
    if((c & 0x80) == 0) return 1;
    if((c & 0xE0) == 0xC0) return 2;
    if((c & 0xF0) == 0xE0) return 3;
    if((c & 0xF8) == 0xF0) return 4;
    return 1;   /*A stray continuation or invalid byte counts as one character*/
}

/* The UTF-8 bytes packed into a uint32_t, first byte in the low byte, so
 * that storing the value little-endian gives the byte string. */
static uint32_t lv_txt_unicode_to_utf8(uint32_t letter_uni)
{
    uint8_t bytes[4] = {0, 0, 0, 0};
    if(letter_uni < 0x80) return letter_uni;
    if(letter_uni < 0x800) {
        bytes[0] = (uint8_t)(0xC0 | (letter_uni >> 6));
        bytes[1] = (uint8_t)(0x80 | (letter_uni & 0x3F));
    }
    else if(letter_uni < 0x10000) {
        bytes[0] = (uint8_t)(0xE0 | (letter_uni >> 12));
        bytes[1] = (uint8_t)(0x80 | ((letter_uni >> 6) & 0x3F));
        bytes[2] = (uint8_t)(0x80 | (letter_uni & 0x3F));
    }
    else if(letter_uni < 0x110000) {
        bytes[0] = (uint8_t)(0xF0 | (letter_uni >> 18));
        bytes[1] = (uint8_t)(0x80 | ((letter_uni >> 12) & 0x3F));
        bytes[2] = (uint8_t)(0x80 | ((letter_uni >> 6) & 0x3F));
        bytes[3] = (uint8_t)(0x80 | (letter_uni & 0x3F));
    }
    else {
        return 0;   /*Not a code point*/
    }
    return (uint32_t)bytes[0] | ((uint32_t)bytes[1] << 8) | ((uint32_t)bytes[2] << 16) | ((uint32_t)bytes[3] << 24);
}

/* A multi-byte character written as a C character constant ('Á' is 0xC381)
 * has its bytes in reverse order; swap them into the packed form. */
static uint32_t lv_txt_utf8_conv_wc(uint32_t c)
{
    if((c & 0x80) == 0) return c;
    uint32_t swapped = 0;
    for(int i = 0; i < 4; i++) {
        uint8_t b = (uint8_t)(c >> (i * 8));
        if(b == 0) break;
        swapped = (swapped << 8) | b;
    }
    return swapped;
}

/* Decode one character. A malformed sequence (bad lead byte, missing
 * continuation, text ending early) yields its first byte as the code point
 * and advances by one byte, so the walk never passes the terminating zero. */
static uint32_t lv_txt_utf8_next(const char * txt, uint32_t * i)
{
    uint32_t i_tmp = 0;
    if(i == NULL) i = &i_tmp;

    const uint8_t * s = (const uint8_t *)txt + *i;
    uint32_t len = lv_txt_utf8_size((const char *)s);
    if(len == 1) {
        (*i)++;
        return s[0];
    }

    uint32_t result = s[0] & (0xFF >> (len + 1));
    for(uint32_t k = 1; k < len; k++) {
        if((s[k] & 0xC0) != 0x80) {
            (*i)++;
            return s[0];
        }
        result = (result << 6) | (s[k] & 0x3F);
    }
    *i += len;
    return result;
}

static uint32_t lv_txt_utf8_prev(const char * txt, uint32_t * i)
{
    if(*i == 0) return 0;

    /*Step back over at most 3 continuation bytes to the lead byte*/
    uint32_t start = *i - 1;
    uint32_t steps = 0;
    while(start > 0 && steps < 3 && (((uint8_t)txt[start]) & 0xC0) == 0x80) {
        start--;
        steps++;
    }

    uint32_t k = start;
    uint32_t letter = lv_txt_utf8_next(txt, &k);
    if(k != *i) {
        /*Not a well-formed character ending at *i: take the single byte*/
        start = *i - 1;
        letter = (uint8_t)txt[start];
    }
    *i = start;
    return letter;
}

static uint32_t lv_txt_utf8_get_byte_id(const char * txt, uint32_t utf8_id)
{
    uint32_t byte_cnt = 0;
    for(uint32_t i = 0; i < utf8_id && txt[byte_cnt] != '\0'; i++) {
        lv_txt_utf8_next(txt, &byte_cnt);
    }
    return byte_cnt;
}

static uint32_t lv_txt_utf8_get_char_id(const char * txt, uint32_t byte_id)
{
    uint32_t i = 0;
    uint32_t char_cnt = 0;
    while(i < byte_id && txt[i] != '\0') {
        lv_txt_utf8_next(txt, &i);
        char_cnt++;
    }
    return char_cnt;
}

static uint32_t lv_txt_utf8_get_length(const char * txt)
{
    uint32_t len = 0;
    uint32_t i = 0;
    while(txt[i] != '\0') {
        lv_txt_utf8_next(txt, &i);
        len++;
    }
    return len;
}
