/**
 * @file lv_label.c
 * Label widget.
 *
 * Dots (LV_LABEL_LONG_DOT) are applied only while drawing, to a copy of the
 * visible text. Upstream writes the dots into the label's own text buffer,
 * which corrupts the text returned by lv_label_get_text and writes into the
 * caller's memory for static texts (usually a string literal: a crash).
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_label.h"
#if LV_USE_LABEL != 0
#include <string.h>
#include "../core/lv_obj.h"
#include "../misc/lv_assert.h"
#include "../core/lv_group.h"
#include "../draw/lv_draw.h"
#include "../misc/lv_color.h"
#include "../misc/lv_math.h"
#include "../misc/lv_bidi.h"
#include "../misc/lv_txt_ap.h"
#include "../misc/lv_printf.h"
#include "../misc/lv_mem.h"
#include "../misc/lv_anim.h"

/*********************
 *      DEFINES
 *********************/
#define MY_CLASS &lv_label_class

/*Scroll modes without a speed style move a third of an inch per second*/
#define DEFAULT_SCROLL_SPEED    (lv_disp_get_dpi(lv_obj_get_disp(obj)) / 3)
#define SCROLL_END_PAUSE_MS     300         /*rest at each end before turning back*/
#define NO_DOTS                 0xFFFFFFFF  /*`dot_end` when the text fits*/

/**********************
 *  STATIC PROTOTYPES
 **********************/
static void label_constructor(const lv_obj_class_t * class_p, lv_obj_t * obj);
static void label_destructor(const lv_obj_class_t * class_p, lv_obj_t * obj);
static void label_event(const lv_obj_class_t * class_p, lv_event_t * e);
static void draw_text(lv_event_t * e);

static void refresh_text(lv_obj_t * obj);
static void update_scroll_anim(lv_obj_t * obj, const lv_point_t * size, const lv_area_t * txt_coords);
static void update_dot_end(lv_obj_t * obj, const lv_point_t * size, const lv_area_t * txt_coords);
static lv_text_flag_t text_flags(const lv_obj_t * obj);
static char * dotted_text(const lv_obj_t * obj);
static void anim_set_offset_x(void * obj, int32_t v);
static void anim_set_offset_y(void * obj, int32_t v);

/**********************
 *  STATIC VARIABLES
 **********************/
const lv_obj_class_t lv_label_class = {
    .constructor_cb = label_constructor,
    .destructor_cb = label_destructor,
    .event_cb = label_event,
    .width_def = LV_SIZE_CONTENT,
    .height_def = LV_SIZE_CONTENT,
    .instance_size = sizeof(lv_label_t),
    .base_class = &lv_obj_class
};

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

lv_obj_t * lv_label_create(lv_obj_t * parent)
{
    lv_obj_t * obj = lv_obj_class_create_obj(MY_CLASS, parent);
    if(obj == NULL) return NULL;
    lv_obj_class_init_obj(obj);
    return obj;
}

/*=====================
 * Setter functions
 *====================*/

void lv_label_set_text(lv_obj_t * obj, const char * text)
{
    lv_label_t * label = (lv_label_t *)obj;

    lv_obj_invalidate(obj);

    /*NULL re-lays the current text out (e.g. after it was edited in place)*/
    if(text == NULL) text = label->text;
    if(text == NULL) text = "";

    if(label->text == text && label->static_txt == 0) {
        /*Setting its own text: nothing to copy*/
    }
    else {
        size_t len = strlen(text) + 1;
        char * new_text = lv_mem_alloc(len);
        LV_ASSERT_MALLOC(new_text);
        if(new_text == NULL) return;
        lv_memcpy(new_text, text, len);

        /*Free the old text only after the copy: `text` may point into it*/
        if(label->text != NULL && label->static_txt == 0) lv_mem_free(label->text);
        label->text = new_text;
    }

    label->static_txt = 0;
    refresh_text(obj);
}

void lv_label_set_text_fmt(lv_obj_t * obj, const char * fmt, ...)
{
    LV_ASSERT_NULL(fmt);
    lv_label_t * label = (lv_label_t *)obj;

    va_list args;
    va_start(args, fmt);
    va_list args2;
    va_copy(args2, args);
    int len = lv_vsnprintf(NULL, 0, fmt, args);
    va_end(args);
    if(len < 0) {
        va_end(args2);
        return;
    }

    char * text = lv_mem_alloc((size_t)len + 1);
    LV_ASSERT_MALLOC(text);
    if(text == NULL) {
        va_end(args2);
        return;
    }
    lv_vsnprintf(text, (size_t)len + 1, fmt, args2);
    va_end(args2);

    lv_obj_invalidate(obj);
    if(label->text != NULL && label->static_txt == 0) lv_mem_free(label->text);
    label->text = text;
    label->static_txt = 0;

    refresh_text(obj);
}

void lv_label_set_text_static(lv_obj_t * obj, const char * text)
{
    lv_label_t * label = (lv_label_t *)obj;

    if(label->static_txt == 0 && label->text != NULL) {
        lv_mem_free(label->text);
        label->text = NULL;
    }

    if(text != NULL) {
        label->static_txt = 1;
        label->text       = (char *)text;
    }

    refresh_text(obj);
}

void lv_label_set_long_mode(lv_obj_t * obj, lv_label_long_mode_t long_mode)
{
    lv_label_t * label = (lv_label_t *)obj;

    lv_anim_del(obj, anim_set_offset_x);
    lv_anim_del(obj, anim_set_offset_y);
    label->offset.x = 0;
    label->offset.y = 0;

    /*Modes that do not wrap lay the text out on lines of unlimited width*/
    bool one_line = long_mode == LV_LABEL_LONG_SCROLL || long_mode == LV_LABEL_LONG_SCROLL_CIRCULAR ||
                    long_mode == LV_LABEL_LONG_CLIP;
    label->expand = one_line ? 1 : 0;

    label->dot_end = NO_DOTS;
    label->long_mode = long_mode;
    refresh_text(obj);
}

void lv_label_set_recolor(lv_obj_t * obj, bool en)
{
    lv_label_t * label = (lv_label_t *)obj;
    if(label->recolor == en) return;

    label->recolor = en ? 1 : 0;

    /*Colour commands in the text are shown as text or hidden: the size changes*/
    refresh_text(obj);
}

void lv_label_set_text_sel_start(lv_obj_t * obj, uint32_t index)
{
#if LV_LABEL_TEXT_SELECTION
    lv_label_t * label = (lv_label_t *)obj;
    label->sel_start   = index;
    lv_obj_invalidate(obj);
#else
    LV_UNUSED(obj);
    LV_UNUSED(index);
#endif
}

void lv_label_set_text_sel_end(lv_obj_t * obj, uint32_t index)
{
#if LV_LABEL_TEXT_SELECTION
    lv_label_t * label = (lv_label_t *)obj;
    label->sel_end     = index;
    lv_obj_invalidate(obj);
#else
    LV_UNUSED(obj);
    LV_UNUSED(index);
#endif
}

/*=====================
 * Getter functions
 *====================*/

char * lv_label_get_text(const lv_obj_t * obj)
{
    lv_label_t * label = (lv_label_t *)obj;
    return label->text;
}

lv_label_long_mode_t lv_label_get_long_mode(const lv_obj_t * obj)
{
    lv_label_t * label = (lv_label_t *)obj;
    return label->long_mode;
}

bool lv_label_get_recolor(const lv_obj_t * obj)
{
    lv_label_t * label = (lv_label_t *)obj;
    return label->recolor != 0;
}

/**
 * Byte index of the start of the line that contains `y` (relative to the
 * text's top); `line_y` receives that line's top.
 */
static uint32_t line_start_at(const lv_obj_t * obj, lv_coord_t y, lv_coord_t * line_y, uint32_t * line_len)
{
    const lv_label_t * label = (const lv_label_t *)obj;
    const char * txt = label->text;
    const lv_font_t * font = lv_obj_get_style_text_font(obj, LV_PART_MAIN);
    lv_coord_t letter_space = lv_obj_get_style_text_letter_space(obj, LV_PART_MAIN);
    lv_coord_t line_space = lv_obj_get_style_text_line_space(obj, LV_PART_MAIN);
    lv_coord_t letter_height = lv_font_get_line_height(font);
    lv_coord_t max_w = lv_obj_get_content_width(obj);
    lv_text_flag_t flag = text_flags(obj);
    if(flag & LV_TEXT_FLAG_EXPAND) max_w = LV_COORD_MAX;

    uint32_t start = 0;
    lv_coord_t top = 0;
    *line_len = 0;
    while(txt[start] != '\0') {
        uint32_t len = _lv_txt_get_next_line(&txt[start], font, letter_space, max_w, NULL, flag);
        *line_len = len;
        if(y < top + letter_height + line_space || txt[start + len] == '\0') break;
        top += letter_height + line_space;
        start += len;
    }
    *line_y = top;
    return start;
}

static lv_coord_t line_x_offset(const lv_obj_t * obj, const char * line, uint32_t len)
{
    const lv_font_t * font = lv_obj_get_style_text_font(obj, LV_PART_MAIN);
    lv_coord_t letter_space = lv_obj_get_style_text_letter_space(obj, LV_PART_MAIN);
    lv_text_align_t align = lv_obj_calculate_style_text_align(obj, LV_PART_MAIN, line);
    if(align == LV_TEXT_ALIGN_LEFT || align == LV_TEXT_ALIGN_AUTO) return 0;
    lv_coord_t w = _lv_txt_get_width(line, len, font, letter_space, text_flags(obj));
    lv_coord_t max_w = lv_obj_get_content_width(obj);
    return align == LV_TEXT_ALIGN_CENTER ? (max_w - w) / 2 : max_w - w;
}

void lv_label_get_letter_pos(const lv_obj_t * obj, uint32_t char_id, lv_point_t * pos)
{
    const lv_label_t * label = (const lv_label_t *)obj;
    pos->x = 0;
    pos->y = 0;
    if(label->text == NULL) return;

    const char * txt = label->text;
    const lv_font_t * font = lv_obj_get_style_text_font(obj, LV_PART_MAIN);
    lv_coord_t letter_space = lv_obj_get_style_text_letter_space(obj, LV_PART_MAIN);
    lv_coord_t line_space = lv_obj_get_style_text_line_space(obj, LV_PART_MAIN);
    lv_coord_t letter_height = lv_font_get_line_height(font);
    lv_coord_t max_w = lv_obj_get_content_width(obj);
    lv_text_flag_t flag = text_flags(obj);
    if(flag & LV_TEXT_FLAG_EXPAND) max_w = LV_COORD_MAX;

    uint32_t byte_id = _lv_txt_encoded_get_byte_id(txt, char_id);
    uint32_t start = 0;
    lv_coord_t y = 0;
    for(;;) {
        uint32_t len = _lv_txt_get_next_line(&txt[start], font, letter_space, max_w, NULL, flag);
        if(len == 0 || byte_id < start + len || txt[start + len] == '\0') {
            uint32_t in_line = byte_id > start ? byte_id - start : 0;
            if(in_line > len) in_line = len;
            pos->x = _lv_txt_get_width(&txt[start], in_line, font, letter_space, flag) +
                     line_x_offset(obj, &txt[start], len);
            if(in_line > 0) pos->x += letter_space;
            pos->y = y;
            return;
        }
        start += len;
        y += letter_height + line_space;
    }
}

uint32_t lv_label_get_letter_on(const lv_obj_t * obj, lv_point_t * pos_in)
{
    const lv_label_t * label = (const lv_label_t *)obj;
    if(label->text == NULL) return 0;
    const char * txt = label->text;
    const lv_font_t * font = lv_obj_get_style_text_font(obj, LV_PART_MAIN);
    lv_coord_t letter_space = lv_obj_get_style_text_letter_space(obj, LV_PART_MAIN);

    lv_coord_t line_y;
    uint32_t len;
    uint32_t start = line_start_at(obj, pos_in->y, &line_y, &len);
    lv_coord_t x = line_x_offset(obj, &txt[start], len);

    uint32_t i = start;
    while(i < start + len && txt[i] != '\0' && txt[i] != '\n' && txt[i] != '\r') {
        uint32_t i_prev = i;
        uint32_t letter = _lv_txt_encoded_next(txt, &i);
        uint32_t letter_next = _lv_txt_encoded_next(&txt[i], NULL);
        lv_coord_t gw = lv_font_get_glyph_width(font, letter, letter_next);
        if(pos_in->x < x + gw + letter_space) {
            i = i_prev;
            break;
        }
        x += gw + letter_space;
    }
    return _lv_txt_encoded_get_char_id(txt, i);
}

bool lv_label_is_char_under_pos(const lv_obj_t * obj, lv_point_t * pos)
{
    const lv_label_t * label = (const lv_label_t *)obj;
    if(label->text == NULL) return false;
    lv_point_t size;
    lv_txt_get_size(&size, label->text, lv_obj_get_style_text_font(obj, LV_PART_MAIN),
                    lv_obj_get_style_text_letter_space(obj, LV_PART_MAIN),
                    lv_obj_get_style_text_line_space(obj, LV_PART_MAIN),
                    (text_flags(obj) & LV_TEXT_FLAG_EXPAND) ? LV_COORD_MAX : lv_obj_get_content_width(obj), text_flags(obj));
    if(pos->y < 0 || pos->y >= size.y) return false;
    uint32_t id = lv_label_get_letter_on(obj, pos);
    lv_point_t p;
    lv_label_get_letter_pos(obj, id, &p);
    return pos->x >= p.x && pos->x <= size.x;
}

uint32_t lv_label_get_text_selection_start(const lv_obj_t * obj)
{
#if LV_LABEL_TEXT_SELECTION
    lv_label_t * label = (lv_label_t *)obj;
    return label->sel_start;
#else
    LV_UNUSED(obj);
    return LV_LABEL_TEXT_SELECTION_OFF;
#endif
}

uint32_t lv_label_get_text_selection_end(const lv_obj_t * obj)
{
#if LV_LABEL_TEXT_SELECTION
    lv_label_t * label = (lv_label_t *)obj;
    return label->sel_end;
#else
    LV_UNUSED(obj);
    return LV_LABEL_TEXT_SELECTION_OFF;
#endif
}

/*=====================
 * Other functions
 *====================*/

void lv_label_ins_text(lv_obj_t * obj, uint32_t pos, const char * txt)
{
    LV_ASSERT_NULL(txt);
    lv_label_t * label = (lv_label_t *)obj;

    /*A static text is the caller's memory: it cannot grow*/
    if(label->static_txt != 0) return;

    lv_obj_invalidate(obj);

    size_t old_len = strlen(label->text);
    size_t ins_len = strlen(txt);
    size_t new_len = ins_len + old_len;
    char * new_text = lv_mem_realloc(label->text, new_len + 1);
    LV_ASSERT_MALLOC(new_text);
    if(new_text == NULL) return;
    label->text = new_text;

    uint32_t char_cnt = _lv_txt_get_encoded_length(label->text);
    if(pos == LV_LABEL_POS_LAST || pos > char_cnt) pos = char_cnt;

    _lv_txt_ins(label->text, pos, txt);
    lv_label_set_text(obj, NULL);
}

void lv_label_cut_text(lv_obj_t * obj, uint32_t pos, uint32_t cnt)
{
    lv_label_t * label = (lv_label_t *)obj;

    /*A static text is the caller's memory: it is not changed*/
    if(label->static_txt != 0) return;

    lv_obj_invalidate(obj);

    uint32_t char_cnt = _lv_txt_get_encoded_length(label->text);
    if(pos >= char_cnt) return;
    if(cnt > char_cnt - pos) cnt = char_cnt - pos;

    _lv_txt_cut(label->text, pos, cnt);
    refresh_text(obj);
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

/* A new label shows "Text", wraps, and lets clicks through to its parent. */
static void label_constructor(const lv_obj_class_t * class_p, lv_obj_t * obj)
{
    LV_UNUSED(class_p);

    lv_label_t * label = (lv_label_t *)obj;

    label->text       = NULL;
    label->static_txt = 0;
    label->recolor    = 0;
    label->dot_end    = NO_DOTS;
    label->long_mode  = LV_LABEL_LONG_WRAP;
    label->offset.x = 0;
    label->offset.y = 0;

#if LV_LABEL_LONG_TXT_HINT
    label->hint.line_start = -1;
    label->hint.coord_y    = 0;
    label->hint.y          = 0;
#endif

#if LV_LABEL_TEXT_SELECTION
    label->sel_start = LV_DRAW_LABEL_NO_TXT_SEL;
    label->sel_end   = LV_DRAW_LABEL_NO_TXT_SEL;
#endif
    label->dot.tmp_ptr   = NULL;
    label->dot_tmp_alloc = 0;

    lv_obj_clear_flag(obj, LV_OBJ_FLAG_CLICKABLE);
    lv_label_set_long_mode(obj, LV_LABEL_LONG_WRAP);
    lv_label_set_text(obj, "Text");
}

static void label_destructor(const lv_obj_class_t * class_p, lv_obj_t * obj)
{
    LV_UNUSED(class_p);
    lv_label_t * label = (lv_label_t *)obj;

    lv_anim_del(obj, anim_set_offset_x);
    lv_anim_del(obj, anim_set_offset_y);
    if(!label->static_txt) lv_mem_free(label->text);
    label->text = NULL;
}

/* The text's size for content sizing: unwrapped when the label sizes to its content. */
static void report_text_size(lv_obj_t * obj, lv_point_t * self_size)
{
    lv_label_t * label = (lv_label_t *)obj;
    lv_text_flag_t flag = LV_TEXT_FLAG_NONE;
    if(label->recolor != 0) flag |= LV_TEXT_FLAG_RECOLOR;
    if(label->expand != 0) flag |= LV_TEXT_FLAG_EXPAND;

    lv_coord_t w = lv_obj_get_content_width(obj);
    if(lv_obj_get_style_width(obj, LV_PART_MAIN) == LV_SIZE_CONTENT && !obj->w_layout) w = LV_COORD_MAX;

    lv_point_t size;
    lv_txt_get_size(&size, label->text, lv_obj_get_style_text_font(obj, LV_PART_MAIN),
                    lv_obj_get_style_text_letter_space(obj, LV_PART_MAIN),
                    lv_obj_get_style_text_line_space(obj, LV_PART_MAIN), w, flag);

    self_size->x = LV_MAX(self_size->x, size.x);
    self_size->y = LV_MAX(self_size->y, size.y);
}

static void label_event(const lv_obj_class_t * class_p, lv_event_t * e)
{
    LV_UNUSED(class_p);

    if(lv_obj_event_base(MY_CLASS, e) != LV_RES_OK) return;

    lv_event_code_t code = lv_event_get_code(e);
    lv_obj_t * obj = lv_event_get_target(e);

    /*A new font, spacing or width changes where the lines break*/
    if(code == LV_EVENT_STYLE_CHANGED || code == LV_EVENT_SIZE_CHANGED) {
        refresh_text(obj);
    }
    else if(code == LV_EVENT_GET_SELF_SIZE) {
        report_text_size(obj, lv_event_get_param(e));
    }
    else if(code == LV_EVENT_DRAW_MAIN) {
        draw_text(e);
    }
}

static lv_text_flag_t text_flags(const lv_obj_t * obj)
{
    const lv_label_t * label = (const lv_label_t *)obj;
    lv_text_flag_t flag = LV_TEXT_FLAG_NONE;
    if(label->recolor) flag |= LV_TEXT_FLAG_RECOLOR;
    if(label->expand != 0) flag |= LV_TEXT_FLAG_EXPAND;
    if(lv_obj_get_style_width(obj, LV_PART_MAIN) == LV_SIZE_CONTENT && !obj->w_layout) flag |= LV_TEXT_FLAG_FIT;
    return flag;
}

static void draw_text(lv_event_t * e)
{
    lv_obj_t * obj = lv_event_get_target(e);
    lv_label_t * label = (lv_label_t *)obj;
    lv_draw_ctx_t * draw_ctx = lv_event_get_draw_ctx(e);
    if(label->text == NULL) return;

    lv_area_t txt_coords;
    lv_obj_get_content_coords(obj, &txt_coords);

    lv_text_flag_t flag = text_flags(obj);

    lv_draw_label_dsc_t label_draw_dsc;
    lv_draw_label_dsc_init(&label_draw_dsc);

    label_draw_dsc.ofs_x = label->offset.x;
    label_draw_dsc.ofs_y = label->offset.y;

    label_draw_dsc.flag = flag;
    lv_obj_init_draw_label_dsc(obj, LV_PART_MAIN, &label_draw_dsc);
    if(label_draw_dsc.opa <= LV_OPA_MIN) return;
    label_draw_dsc.align = lv_obj_calculate_style_text_align(obj, LV_PART_MAIN, label->text);

    label_draw_dsc.sel_start = lv_label_get_text_selection_start(obj);
    label_draw_dsc.sel_end = lv_label_get_text_selection_end(obj);

    /*A scrolling text wider than the label starts at its left edge whatever
     *the alignment; centring or right-aligning it would shift the scroll*/
    lv_point_t size;
    lv_txt_get_size(&size, label->text, label_draw_dsc.font, label_draw_dsc.letter_space, label_draw_dsc.line_space,
                    LV_COORD_MAX, flag);
    if((label->long_mode == LV_LABEL_LONG_SCROLL || label->long_mode == LV_LABEL_LONG_SCROLL_CIRCULAR) &&
       (label_draw_dsc.align == LV_TEXT_ALIGN_CENTER || label_draw_dsc.align == LV_TEXT_ALIGN_RIGHT)) {
        if(size.x > lv_area_get_width(&txt_coords)) {
            label_draw_dsc.align = LV_TEXT_ALIGN_LEFT;
        }
    }

    lv_area_t txt_clip;
    bool is_common = _lv_area_intersect(&txt_clip, &txt_coords, draw_ctx->clip_area);
    if(!is_common) return;

    /*A wrapped text taller than the label scrolls with it*/
    if(label->long_mode == LV_LABEL_LONG_WRAP) {
        lv_coord_t s = lv_obj_get_scroll_top(obj);
        lv_area_move(&txt_coords, 0, -s);
        txt_coords.y2 = obj->coords.y2;
    }

    char * dotted = dotted_text(obj);
    const char * txt = dotted ? dotted : label->text;

    /*The text never spills out of the content area (clip and dot modes rely on this)*/
    const lv_area_t * clip_area_ori = draw_ctx->clip_area;
    draw_ctx->clip_area = &txt_clip;
    lv_draw_label(draw_ctx, &label_draw_dsc, &txt_coords, txt, NULL);

    if(label->long_mode == LV_LABEL_LONG_SCROLL_CIRCULAR) {
        /*A second copy follows the first, a few spaces on, so the text seems endless*/
        if(size.x > lv_area_get_width(&txt_coords)) {
            label_draw_dsc.ofs_x = label->offset.x + size.x +
                                   lv_font_get_glyph_width(label_draw_dsc.font, ' ', ' ') * LV_LABEL_WAIT_CHAR_COUNT;
            label_draw_dsc.ofs_y = label->offset.y;

            lv_draw_label(draw_ctx, &label_draw_dsc, &txt_coords, label->text, NULL);
        }

        /*Likewise below, for a text that scrolls vertically*/
        if(size.y > lv_area_get_height(&txt_coords)) {
            label_draw_dsc.ofs_x = label->offset.x;
            label_draw_dsc.ofs_y = label->offset.y + size.y + lv_font_get_line_height(label_draw_dsc.font);

            lv_draw_label(draw_ctx, &label_draw_dsc, &txt_coords, label->text, NULL);
        }
    }

    draw_ctx->clip_area = clip_area_ori;
    if(dotted) lv_mem_buf_release(dotted);
}

/**
 * In dot mode with a text too long for the label: a temporary copy holding
 * the text up to `dot_end` followed by the dots; NULL when no dots are due.
 * Release with lv_mem_buf_release.
 */
static char * dotted_text(const lv_obj_t * obj)
{
    const lv_label_t * label = (const lv_label_t *)obj;
    if(label->long_mode != LV_LABEL_LONG_DOT || label->dot_end == NO_DOTS) return NULL;

    uint32_t keep_chars = label->dot_end - LV_LABEL_DOT_NUM;
    uint32_t keep_bytes = _lv_txt_encoded_get_byte_id(label->text, keep_chars);
    char * buf = lv_mem_buf_get(keep_bytes + LV_LABEL_DOT_NUM + 1);
    if(buf == NULL) return NULL;
    lv_memcpy(buf, label->text, keep_bytes);
    uint32_t i;
    for(i = 0; i < LV_LABEL_DOT_NUM; i++) buf[keep_bytes + i] = '.';
    buf[keep_bytes + LV_LABEL_DOT_NUM] = '\0';
    return buf;
}

/* The text or its look changed: re-measure, update scrolling or dots, redraw. */
static void refresh_text(lv_obj_t * obj)
{
    lv_label_t * label = (lv_label_t *)obj;
    if(label->text == NULL) return;
#if LV_LABEL_LONG_TXT_HINT
    label->hint.line_start = -1; /*line positions cached for drawing are stale now*/
#endif

    lv_area_t txt_coords;
    lv_obj_get_content_coords(obj, &txt_coords);
    lv_coord_t max_w         = lv_area_get_width(&txt_coords);
    const lv_font_t * font   = lv_obj_get_style_text_font(obj, LV_PART_MAIN);
    lv_coord_t line_space = lv_obj_get_style_text_line_space(obj, LV_PART_MAIN);
    lv_coord_t letter_space = lv_obj_get_style_text_letter_space(obj, LV_PART_MAIN);

    lv_point_t size;
    lv_txt_get_size(&size, label->text, font, letter_space, line_space, max_w, text_flags(obj));

    lv_obj_refresh_self_size(obj);

    if(label->long_mode == LV_LABEL_LONG_SCROLL || label->long_mode == LV_LABEL_LONG_SCROLL_CIRCULAR) {
        update_scroll_anim(obj, &size, &txt_coords);
    }
    else if(label->long_mode == LV_LABEL_LONG_DOT) {
        update_dot_end(obj, &size, &txt_coords);
    }

    lv_obj_invalidate(obj);
}

/**
 * Start (or keep running, at its current position) the offset animation of
 * the scroll modes when the text is wider (or, failing that, taller) than
 * the label; stop it and reset the offset otherwise.
 */
static void update_scroll_anim(lv_obj_t * obj, const lv_point_t * size, const lv_area_t * txt_coords)
{
    lv_label_t * label = (lv_label_t *)obj;
    const lv_font_t * font = lv_obj_get_style_text_font(obj, LV_PART_MAIN);
    bool circular = label->long_mode == LV_LABEL_LONG_SCROLL_CIRCULAR;

    uint32_t anim_speed = lv_obj_get_style_anim_speed(obj, LV_PART_MAIN);
    if(anim_speed == 0) anim_speed = DEFAULT_SCROLL_SPEED;
    lv_anim_t a;
    lv_anim_init(&a);
    lv_anim_set_var(&a, obj);
    lv_anim_set_repeat_count(&a, LV_ANIM_REPEAT_INFINITE);
    if(!circular) {
        lv_anim_set_playback_delay(&a, SCROLL_END_PAUSE_MS);
        lv_anim_set_repeat_delay(&a, SCROLL_END_PAUSE_MS);
    }

    bool hor_anim = false;
    if(size->x > lv_area_get_width(txt_coords)) {
        int32_t end = circular ? -size->x - lv_font_get_glyph_width(font, ' ', ' ') * LV_LABEL_WAIT_CHAR_COUNT :
                      lv_area_get_width(txt_coords) - size->x;
        lv_anim_set_values(&a, 0, end);
        lv_anim_set_exec_cb(&a, anim_set_offset_x);

        /*Keep the position of a running animation with the same range*/
        lv_anim_t * anim_cur = lv_anim_get(obj, anim_set_offset_x);
        lv_anim_set_time(&a, lv_anim_speed_to_time(anim_speed, a.start_value, a.end_value));
        if(!circular) lv_anim_set_playback_time(&a, a.time);
        if(anim_cur && anim_cur->end_value == end && anim_cur->act_time < (int32_t)a.time) {
            a.act_time = anim_cur->act_time;
            a.playback_now = anim_cur->playback_now;
            if(a.playback_now) {
                int32_t tmp = a.start_value;
                a.start_value = a.end_value;
                a.end_value = tmp;
            }
            a.early_apply = 0;
        }
        lv_anim_start(&a);
        hor_anim = true;
    }
    else {
        lv_anim_del(obj, anim_set_offset_x);
        label->offset.x = 0;
    }

    if(size->y > lv_area_get_height(txt_coords) && hor_anim == false) {
        int32_t end = circular ? -size->y - (lv_font_get_line_height(font)) :
                      lv_area_get_height(txt_coords) - size->y - (lv_font_get_line_height(font));
        lv_anim_set_values(&a, 0, end);
        lv_anim_set_exec_cb(&a, anim_set_offset_y);
        lv_anim_set_time(&a, lv_anim_speed_to_time(anim_speed, a.start_value, a.end_value));
        if(!circular) lv_anim_set_playback_time(&a, a.time);
        lv_anim_start(&a);
    }
    else {
        lv_anim_del(obj, anim_set_offset_y);
        label->offset.y = 0;
    }
}

/**
 * Dot mode: when the wrapped text is taller than the label, remember how
 * many characters stay visible before the dots (`dot_end`: that count plus
 * the dots). The text itself is left untouched.
 */
static void update_dot_end(lv_obj_t * obj, const lv_point_t * size, const lv_area_t * txt_coords)
{
    lv_label_t * label = (lv_label_t *)obj;
    const lv_font_t * font = lv_obj_get_style_text_font(obj, LV_PART_MAIN);
    lv_coord_t line_space = lv_obj_get_style_text_line_space(obj, LV_PART_MAIN);
    lv_coord_t letter_space = lv_obj_get_style_text_letter_space(obj, LV_PART_MAIN);
    lv_coord_t line_h = lv_font_get_line_height(font);

    label->dot_end = NO_DOTS;
    if(size->y <= lv_area_get_height(txt_coords)) return;
    if(_lv_txt_get_encoded_length(label->text) <= LV_LABEL_DOT_NUM) return; /*nothing would be left before the dots*/

    /*The last character kept is the one under a point on the last fully
     *visible line, far enough left to leave room for the dots*/
    lv_point_t p;
    p.x = lv_area_get_width(txt_coords) - (lv_font_get_glyph_width(font, '.', '.') + letter_space) * LV_LABEL_DOT_NUM;
    p.y = lv_area_get_height(txt_coords);
    lv_coord_t into_line = p.y % (line_h + line_space);
    p.y -= into_line;
    if(into_line >= line_h) p.y += line_h; /*the cut falls in the spacing: the line above is whole*/
    else p.y -= line_space;                /*the cut falls in a line: step back to the one above*/
    if(p.y < 0) p.y = 0;
    p.y -= 1;
    if(p.y < 0) p.y = 0;
    if(p.x < 0) p.x = 0;

    uint32_t letter_id = lv_label_get_letter_on(obj, &p);
    label->dot_end = letter_id + LV_LABEL_DOT_NUM;
}

static void anim_set_offset_x(void * obj, int32_t v)
{
    lv_label_t * label = (lv_label_t *)obj;
    label->offset.x    = v;
    lv_obj_invalidate(obj);
}

static void anim_set_offset_y(void * obj, int32_t v)
{
    lv_label_t * label = (lv_label_t *)obj;
    label->offset.y    = v;
    lv_obj_invalidate(obj);
}

#endif
