/**
 * @file lv_txt.c
 * Text measuring and line breaking, recolour commands, editing helpers and
 * the UTF-8 codec behind the _lv_txt_encoded_* pointers.
 *
 * The codec never reads past a text's terminating zero: a broken sequence
 * (a stray continuation byte, a lead byte without its continuations) is
 * taken one byte at a time, that byte standing for its own code point, so
 * anything a user or a file puts into a label can be walked, measured and
 * drawn.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_txt.h"
#include "lv_math.h"
#include "lv_mem.h"
#include <string.h>

/**********************
 *      TYPEDEFS
 **********************/

/* Where a line may end so far while its letters are added up. */
typedef struct {
    int32_t width;          /* of the letters taken, each followed by the letter space */
    uint32_t soft_end;      /* just after the last break character, 0: none yet */
    int32_t soft_width;     /* `width` at soft_end */
} line_fit_t;

/**********************
 *  STATIC PROTOTYPES
 **********************/
static uint8_t utf8_seq_len(const char * s);
static uint32_t utf8_pack(uint32_t code_point);
static uint32_t utf8_from_char_literal(uint32_t c);
static uint32_t utf8_decode(const char * txt, uint32_t * at);
static uint32_t utf8_decode_back(const char * txt, uint32_t * at);
static uint32_t utf8_byte_index(const char * txt, uint32_t char_index);
static uint32_t utf8_char_index(const char * txt, uint32_t byte_index);
static uint32_t utf8_count(const char * txt);

/**********************
 *  GLOBAL VARIABLES
 **********************/
uint8_t (*_lv_txt_encoded_size)(const char *) = utf8_seq_len;
uint32_t (*_lv_txt_unicode_to_encoded)(uint32_t) = utf8_pack;
uint32_t (*_lv_txt_encoded_conv_wc)(uint32_t) = utf8_from_char_literal;
uint32_t (*_lv_txt_encoded_next)(const char *, uint32_t *) = utf8_decode;
uint32_t (*_lv_txt_encoded_prev)(const char *, uint32_t *) = utf8_decode_back;
uint32_t (*_lv_txt_encoded_get_byte_id)(const char *, uint32_t) = utf8_byte_index;
uint32_t (*_lv_txt_encoded_get_char_id)(const char *, uint32_t) = utf8_char_index;
uint32_t (*_lv_txt_get_encoded_length)(const char *) = utf8_count;

/**********************
 *   STATIC FUNCTIONS
 **********************/

static inline bool ends_line(uint32_t letter)
{
    return letter == '\n' || letter == '\r';
}

/* Widths include a letter space after every letter; a line's used width
 * does not count the one after its last letter. */
static inline lv_coord_t without_trailing_space(int32_t width, lv_coord_t letter_space)
{
    return (lv_coord_t)LV_MAX(0, width - letter_space);
}

/*----------------------------------------------------------------------
 * UTF-8
 *----------------------------------------------------------------------*/

static uint8_t utf8_seq_len(const char * s)
{
    uint8_t lead = (uint8_t)s[0];
    if(lead < 0x80) return 1;
    if(lead >= 0xC0 && lead < 0xE0) return 2;
    if(lead >= 0xE0 && lead < 0xF0) return 3;
    if(lead >= 0xF0 && lead < 0xF8) return 4;
    return 1;
}

/* The bytes of the character, first byte lowest: stored little-endian the
 * value reads as the byte string. 0 for numbers beyond Unicode. */
static uint32_t utf8_pack(uint32_t code_point)
{
    if(code_point < 0x80) return code_point;
    uint32_t len = code_point < 0x800 ? 2 : (code_point < 0x10000 ? 3 : (code_point < 0x110000 ? 4 : 0));
    if(len == 0) return 0;

    static const uint8_t lead_bits[5] = {0, 0, 0xC0, 0xE0, 0xF0};
    uint32_t packed = 0;
    for(uint32_t k = len - 1; k > 0; k--) {
        packed |= (0x80u | (code_point & 0x3Fu)) << (8 * k);
        code_point >>= 6;
    }
    return packed | lead_bits[len] | code_point;
}

/* A multi-byte character in a C character literal ('Á' is 0xC381) has its
 * first byte highest; reverse it into the packed order. */
static uint32_t utf8_from_char_literal(uint32_t c)
{
    if((c & 0x80) == 0) return c;   /*ASCII, or a code point rather than a literal*/
    uint32_t reversed = 0;
    for(; (c & 0xFF) != 0; c >>= 8) reversed = (reversed << 8) | (c & 0xFF);
    return reversed;
}

static uint32_t utf8_decode(const char * txt, uint32_t * at)
{
    uint32_t unused = 0;
    uint32_t * pos = at != NULL ? at : &unused;
    const uint8_t * s = (const uint8_t *)txt + *pos;
    uint32_t len = utf8_seq_len((const char *)s);

    uint32_t code_point = s[0];
    if(len > 1) {
        code_point &= 0x7Fu >> len;
        for(uint32_t k = 1; k < len; k++) {
            if((s[k] & 0xC0) != 0x80) {
                /*Cut short (also by the terminating zero): the lead byte alone*/
                *pos += 1;
                return s[0];
            }
            code_point = (code_point << 6) | (s[k] & 0x3Fu);
        }
    }
    *pos += len;
    return code_point;
}

/* The character ending just before *at. When the bytes there do not decode
 * to a character ending exactly at *at, the last byte alone is taken. */
static uint32_t utf8_decode_back(const char * txt, uint32_t * at)
{
    uint32_t end = *at;
    if(end == 0) return 0;
    uint32_t start = end - 1;
    while(start > 0 && end - start < 4 && ((uint8_t)txt[start] & 0xC0) == 0x80) start--;

    uint32_t probe = start;
    uint32_t code_point = utf8_decode(txt, &probe);
    if(probe != end) {
        start = end - 1;
        code_point = (uint8_t)txt[start];
    }
    *at = start;
    return code_point;
}

/* Stops at the terminating zero: indexes past the end give the text's length. */
static uint32_t utf8_byte_index(const char * txt, uint32_t char_index)
{
    uint32_t at = 0;
    while(char_index-- > 0 && txt[at] != '\0') utf8_decode(txt, &at);
    return at;
}

static uint32_t utf8_char_index(const char * txt, uint32_t byte_index)
{
    uint32_t chars = 0;
    for(uint32_t at = 0; at < byte_index && txt[at] != '\0'; chars++) utf8_decode(txt, &at);
    return chars;
}

static uint32_t utf8_count(const char * txt)
{
    return utf8_char_index(txt, UINT32_MAX);
}

/*----------------------------------------------------------------------
 * Lines
 *----------------------------------------------------------------------*/

/* Takes the letter starting at `at` (ending at `next`) into the line, or
 * returns false when it does not fit. The first letter of a line always
 * fits, so even a width narrower than one letter makes progress. */
static bool take_letter(line_fit_t * fit, const char * txt, uint32_t at, uint32_t next, uint32_t letter,
                        const lv_font_t * font, lv_coord_t letter_space, lv_coord_t max_width)
{
    uint32_t peek = next;
    uint32_t follower = _lv_txt_encoded_next(txt, &peek);
    int32_t w = lv_font_get_glyph_width(font, letter, follower);
    if(at > 0 && fit->width + w > max_width) return false;
    fit->width += w + letter_space;
    if(_lv_txt_is_break_char(letter)) {
        fit->soft_end = next;
        fit->soft_width = fit->width;
    }
    return true;
}

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

/* The height counts every line plus the line space between lines; a text
 * ending in a line break has an empty last line, and an empty text is one
 * line high. Sizes beyond a coordinate are reported as the largest one. */
void lv_txt_get_size(lv_point_t * size_res, const char * text, const lv_font_t * font, lv_coord_t letter_space,
                     lv_coord_t line_space, lv_coord_t max_width, lv_text_flag_t flag)
{
    *size_res = (lv_point_t) {
        0, 0
    };
    if(text == NULL || font == NULL) return;

    int32_t line_h = lv_font_get_line_height(font);
    int32_t widest = 0;
    int32_t lines = 0;
    uint32_t at = 0;
    for(;;) {
        lv_coord_t used;
        uint32_t len = _lv_txt_get_next_line(&text[at], font, letter_space, max_width, &used, flag);
        if(len == 0) break;
        lines++;
        widest = LV_MAX(widest, used);
        at += len;
    }
    if(at > 0 && ends_line((uint8_t)text[at - 1])) lines++;

    int32_t height = lines == 0 ? line_h : lines * line_h + (lines - 1) * line_space;
    size_res->x = (lv_coord_t)LV_MIN(widest, LV_COORD_MAX);
    size_res->y = (lv_coord_t)LV_MIN(height, LV_COORD_MAX);
}

/* A line ends after a line break ("\r\n" counts as one), before the first
 * letter that does not fit (after the last break character when there was
 * one, else inside the word), or at the end of the text. */
uint32_t _lv_txt_get_next_line(const char * txt, const lv_font_t * font, lv_coord_t letter_space,
                               lv_coord_t max_width, lv_coord_t * used_width, lv_text_flag_t flag)
{
    lv_coord_t ignored;
    lv_coord_t * used = used_width != NULL ? used_width : &ignored;
    *used = 0;
    if(txt == NULL || font == NULL || txt[0] == '\0') return 0;
    lv_coord_t limit = (flag & LV_TEXT_FLAG_EXPAND) ? LV_COORD_MAX : max_width;

    _lv_text_cmd_state_t cmd = LV_TEXT_CMD_STATE_WAIT;
    line_fit_t fit = {0, 0, 0};
    uint32_t next = 0;
    while(txt[next] != '\0') {
        uint32_t at = next;
        uint32_t letter = _lv_txt_encoded_next(txt, &next);
        if(ends_line(letter)) {
            if(letter == '\r' && txt[next] == '\n') next++;
            *used = without_trailing_space(fit.width, letter_space);
            return next;
        }
        if((flag & LV_TEXT_FLAG_RECOLOR) && _lv_txt_is_cmd(&cmd, letter)) continue;
        if(!take_letter(&fit, txt, at, next, letter, font, letter_space, limit)) {
            bool soft = fit.soft_end != 0;
            *used = without_trailing_space(soft ? fit.soft_width : fit.width, letter_space);
            return soft ? fit.soft_end : at;
        }
    }
    *used = without_trailing_space(fit.width, letter_space);
    return next;
}

/* Line breaks and recolour commands take no width; the letter after the
 * last one counted is not kerned against. */
lv_coord_t _lv_txt_get_width(const char * txt, uint32_t length, const lv_font_t * font, lv_coord_t letter_space,
                             lv_text_flag_t flag)
{
    if(txt == NULL || font == NULL) return 0;
    _lv_text_cmd_state_t cmd = LV_TEXT_CMD_STATE_WAIT;
    int32_t width = 0;
    for(uint32_t at = 0; at < length && txt[at] != '\0';) {
        uint32_t letter, follower;
        _lv_txt_encoded_letter_next_2(txt, &letter, &follower, &at);
        if(ends_line(letter)) continue;
        if((flag & LV_TEXT_FLAG_RECOLOR) && _lv_txt_is_cmd(&cmd, letter)) continue;
        width += lv_font_get_glyph_width(font, letter, at < length ? follower : 0) + letter_space;
    }
    return width > 0 ? without_trailing_space(width, letter_space) : 0;
}

lv_coord_t lv_txt_get_width(const char * txt, uint32_t length, const lv_font_t * font, lv_coord_t letter_space,
                            lv_text_flag_t flag)
{
    return _lv_txt_get_width(txt, length, font, letter_space, flag);
}

/* "#rrggbb text#": the first '#' opens the colour, a space ends it and
 * starts the coloured text, the next '#' closes it. A second '#' right
 * after the first is a literal '#' (drawn, the command dropped). Returns
 * true for the characters of the command itself, which are not drawn. */
bool _lv_txt_is_cmd(_lv_text_cmd_state_t * state, uint32_t c)
{
    bool hash = c == (uint32_t)LV_TXT_COLOR_CMD[0];
    switch(*state) {
        case LV_TEXT_CMD_STATE_WAIT:
            if(hash) *state = LV_TEXT_CMD_STATE_PAR;
            return hash;
        case LV_TEXT_CMD_STATE_PAR:
            if(hash) {
                *state = LV_TEXT_CMD_STATE_WAIT;
                return false;
            }
            if(c == ' ') *state = LV_TEXT_CMD_STATE_IN;
            return true;
        case LV_TEXT_CMD_STATE_IN:
            if(hash) *state = LV_TEXT_CMD_STATE_WAIT;
            return hash;
        default:
            return false;
    }
}

/* Positions past the end insert at the end. */
void _lv_txt_ins(char * txt_buf, uint32_t pos, const char * ins_txt)
{
    if(txt_buf == NULL || ins_txt == NULL || ins_txt[0] == '\0') return;
    size_t tail_at = _lv_txt_encoded_get_byte_id(txt_buf, pos);
    size_t tail_len = strlen(txt_buf + tail_at) + 1;   /*with the terminating zero*/
    size_t gap = strlen(ins_txt);
    memmove(txt_buf + tail_at + gap, txt_buf + tail_at, tail_len);
    memcpy(txt_buf + tail_at, ins_txt, gap);
}

/* A range running past the end is cut at the end. */
void _lv_txt_cut(char * txt, uint32_t pos, uint32_t len)
{
    if(txt == NULL) return;
    size_t from = _lv_txt_encoded_get_byte_id(txt, pos);
    size_t to = from + _lv_txt_encoded_get_byte_id(txt + from, len);
    memmove(txt + from, txt + to, strlen(txt + to) + 1);
}

/* Formats twice: once to learn the length, once into the new buffer. */
char * _lv_txt_set_text_vfmt(const char * fmt, va_list ap)
{
    if(fmt == NULL) return NULL;
    va_list measure;
    va_copy(measure, ap);
    int needed = lv_vsnprintf(NULL, 0, fmt, measure);
    va_end(measure);
    if(needed < 0) return NULL;

    char * out = lv_mem_alloc((size_t)needed + 1);
    if(out != NULL) lv_vsnprintf(out, (size_t)needed + 1, fmt, ap);
    return out;
}

/* The letter at *ofs (moving *ofs past it) and the one after it, for
 * kerning; 0 after the end. */
void _lv_txt_encoded_letter_next_2(const char * txt, uint32_t * letter, uint32_t * letter_next, uint32_t * ofs)
{
    *letter = _lv_txt_encoded_next(txt, ofs);
    *letter_next = 0;
    if(*letter == 0) return;
    uint32_t peek = *ofs;
    *letter_next = _lv_txt_encoded_next(txt, &peek);
}
