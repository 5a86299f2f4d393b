/**
 * @file lv_label.c
 * Label: a text laid out in the content area, with five ways of dealing with
 * a text that does not fit (wrap, dots, scroll, circular scroll, clip).
 *
 * Every query (letter positions, the letter under a point, the dot cut) and
 * the drawing read the same layout (read_layout), so a position reported to
 * the program is where the letter is drawn.
 *
 * Dot mode never writes into the text: it remembers how many characters stay
 * visible and draws a temporary copy that ends in dots. Writing the dots into
 * the label's own buffer would change what lv_label_get_text returns, and for
 * a static text (usually a string literal in read-only memory) it would write
 * into the caller's memory.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_label.h"
#if LV_USE_LABEL != 0

#include <string.h>
#include "../core/lv_disp.h"
#include "../misc/lv_anim.h"
#include "../misc/lv_assert.h"
#include "../misc/lv_math.h"
#include "../misc/lv_mem.h"
#include "../misc/lv_txt.h"

/*********************
 *      DEFINES
 *********************/
/*dot_end while the whole text is shown*/
#define DOTS_OFF            UINT32_MAX

/*Below this height a wrapped text is cheap to walk from its first line, and
 *remembering the first visible line between refreshes is not worth it*/
#define HINT_MIN_HEIGHT     1024

/**********************
 *      TYPEDEFS
 **********************/

/*How the text is laid out right now: styles, widths and flags read once*/
typedef struct {
    const char * txt;
    const lv_font_t * font;
    lv_coord_t letter_space;
    lv_coord_t line_space;
    lv_coord_t line_h;      /*height of one line of the font*/
    lv_coord_t pitch;       /*from the top of one line to the top of the next*/
    lv_coord_t wrap_w;      /*lines break at this width*/
    lv_coord_t block_w;     /*lines are aligned (centre, right) within this width*/
    lv_text_align_t align;
    lv_text_flag_t flags;
} layout_t;

/*One line of the laid-out text: the bytes [start, end), line break included*/
typedef struct {
    uint32_t start;
    uint32_t end;
    lv_coord_t y;           /*top, relative to the text's top*/
} text_line_t;

/**********************
 *  STATIC PROTOTYPES
 **********************/
static void label_init(const lv_obj_class_t * class_p, lv_obj_t * obj);
static void label_free(const lv_obj_class_t * class_p, lv_obj_t * obj);
static void label_event(const lv_obj_class_t * class_p, lv_event_t * e);

static void take_text(lv_obj_t * obj, char * text, bool is_static);
static void relayout(lv_obj_t * obj);
static void read_layout(const lv_obj_t * obj, layout_t * lay);
static void measure(const layout_t * lay, lv_coord_t max_w, lv_point_t * size);
static void line_at(const layout_t * lay, uint32_t start, lv_coord_t y, text_line_t * line);
static bool line_has_next(const layout_t * lay, const text_line_t * line);
static void line_down(const layout_t * lay, text_line_t * line);
static lv_coord_t line_indent(const layout_t * lay, const text_line_t * line);
static uint32_t walk_to_x(const layout_t * lay, const text_line_t * line, lv_coord_t x, bool * on_letter);
static void line_under_y(const layout_t * lay, lv_coord_t y, text_line_t * line);

static void update_scroll(lv_obj_t * obj);
static void run_scroll(lv_obj_t * obj, lv_anim_exec_xcb_t exec, int32_t travel, lv_coord_t pause_px);
static void stop_scroll(lv_obj_t * obj, lv_anim_exec_xcb_t exec);
static void scroll_x_cb(void * obj, int32_t v);
static void scroll_y_cb(void * obj, int32_t v);
static void update_dot_cut(lv_obj_t * obj);
static char * dotted_copy(const lv_label_t * lb);

static void report_self_size(lv_obj_t * obj, lv_point_t * want);
static void draw_text(lv_obj_t * obj, lv_draw_ctx_t * ctx);

/**********************
 *  STATIC VARIABLES
 **********************/
const lv_obj_class_t lv_label_class = {
    .base_class = &lv_obj_class,
    .constructor_cb = label_init,
    .destructor_cb = label_free,
    .event_cb = label_event,
    .instance_size = sizeof(lv_label_t),
    .width_def = LV_SIZE_CONTENT,
    .height_def = LV_SIZE_CONTENT,
};

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

lv_obj_t * lv_label_create(lv_obj_t * parent)
{
    lv_obj_t * label = lv_obj_class_create_obj(&lv_label_class, parent);
    if(label != NULL) lv_obj_class_init_obj(label);
    return label;
}

void lv_label_set_text(lv_obj_t * obj, const char * text)
{
    if(text == NULL) {
        relayout(obj);
        return;
    }

    /*Copy first and let go of the old text after: `text` may point into it*/
    size_t size = strlen(text) + 1;
    char * copy = lv_mem_alloc(size);
    LV_ASSERT_MALLOC(copy);
    if(copy == NULL) return;
    lv_memcpy(copy, text, size);
    take_text(obj, copy, false);
}

void lv_label_set_text_fmt(lv_obj_t * obj, const char * fmt, ...)
{
    va_list args;
    va_start(args, fmt);
    char * text = _lv_txt_set_text_vfmt(fmt, args);
    va_end(args);
    if(text != NULL) take_text(obj, text, false);
}

void lv_label_set_text_static(lv_obj_t * obj, const char * text)
{
    /*NULL keeps the current text: a label without a text would hand NULL to
     *every caller of lv_label_get_text*/
    if(text == NULL) {
        relayout(obj);
        return;
    }
    take_text(obj, (char *)text, true);
}

void lv_label_set_long_mode(lv_obj_t * obj, lv_label_long_mode_t long_mode)
{
    lv_label_t * lb = (lv_label_t *)obj;

    stop_scroll(obj, scroll_x_cb);
    stop_scroll(obj, scroll_y_cb);

    lb->long_mode = long_mode;
    /*These modes keep every line whole; the ones left wrap at the content width*/
    lb->expand = long_mode == LV_LABEL_LONG_SCROLL || long_mode == LV_LABEL_LONG_SCROLL_CIRCULAR ||
                 long_mode == LV_LABEL_LONG_CLIP;
    lb->dot_end = DOTS_OFF;
    relayout(obj);
}

void lv_label_set_recolor(lv_obj_t * obj, bool en)
{
    lv_label_t * lb = (lv_label_t *)obj;
    if((bool)lb->recolor == en) return;
    lb->recolor = en;
    /*The colour commands stop (or start) taking room: the size changes*/
    relayout(obj);
}

void lv_label_set_text_sel_start(lv_obj_t * obj, uint32_t index)
{
#if LV_LABEL_TEXT_SELECTION
    ((lv_label_t *)obj)->sel_start = index;
    lv_obj_invalidate(obj);
#else
    LV_UNUSED(obj);
    LV_UNUSED(index);
#endif
}

void lv_label_set_text_sel_end(lv_obj_t * obj, uint32_t index)
{
#if LV_LABEL_TEXT_SELECTION
    ((lv_label_t *)obj)->sel_end = index;
    lv_obj_invalidate(obj);
#else
    LV_UNUSED(obj);
    LV_UNUSED(index);
#endif
}

char * lv_label_get_text(const lv_obj_t * obj)
{
    return ((const lv_label_t *)obj)->text;
}

lv_label_long_mode_t lv_label_get_long_mode(const lv_obj_t * obj)
{
    return ((const lv_label_t *)obj)->long_mode;
}

bool lv_label_get_recolor(const lv_obj_t * obj)
{
    return ((const lv_label_t *)obj)->recolor;
}

/*
 * The pen position before character `char_id`, relative to the content
 * area's top left. A position right after a final line break is at the
 * start of the empty line below it, where typing would continue.
 */
void lv_label_get_letter_pos(const lv_obj_t * obj, uint32_t char_id, lv_point_t * pos)
{
    layout_t lay;
    read_layout(obj, &lay);

    uint32_t byte_id = _lv_txt_encoded_get_byte_id(lay.txt, LV_MIN(char_id, _lv_txt_get_encoded_length(lay.txt)));
    text_line_t line;
    line_at(&lay, 0, 0, &line);
    while(byte_id >= line.end && line_has_next(&lay, &line)) line_down(&lay, &line);

    uint32_t before = LV_MIN(byte_id, line.end) - line.start;
    lv_coord_t x = _lv_txt_get_width(&lay.txt[line.start], before, lay.font, lay.letter_space, lay.flags);
    /*The width stops at the last letter's edge; the pen is one letter space on*/
    if(x > 0) x += lay.letter_space;

    pos->x = line_indent(&lay, &line) + x;
    pos->y = line.y;
}

/*
 * The character whose cell holds the point (relative to the content area).
 * Right of a line's last letter it is the position ending that line; above
 * or below the text, the first or last line is searched.
 */
uint32_t lv_label_get_letter_on(const lv_obj_t * obj, lv_point_t * pos_in)
{
    layout_t lay;
    read_layout(obj, &lay);

    text_line_t line;
    line_under_y(&lay, pos_in->y, &line);
    bool on_letter;
    uint32_t byte_id = walk_to_x(&lay, &line, pos_in->x, &on_letter);
    return _lv_txt_encoded_get_char_id(lay.txt, byte_id);
}

bool lv_label_is_char_under_pos(const lv_obj_t * obj, lv_point_t * pos)
{
    layout_t lay;
    read_layout(obj, &lay);
    if(pos->y < 0) return false;

    text_line_t line;
    line_under_y(&lay, pos->y, &line);
    if(pos->y >= line.y + lay.line_h) return false;   /*in the spacing below the line, or under the text*/

    bool on_letter;
    walk_to_x(&lay, &line, pos->x, &on_letter);
    return on_letter;
}

uint32_t lv_label_get_text_selection_start(const lv_obj_t * obj)
{
#if LV_LABEL_TEXT_SELECTION
    return ((const lv_label_t *)obj)->sel_start;
#else
    LV_UNUSED(obj);
    return LV_LABEL_TEXT_SELECTION_OFF;
#endif
}

uint32_t lv_label_get_text_selection_end(const lv_obj_t * obj)
{
#if LV_LABEL_TEXT_SELECTION
    return ((const lv_label_t *)obj)->sel_end;
#else
    LV_UNUSED(obj);
    return LV_LABEL_TEXT_SELECTION_OFF;
#endif
}

void lv_label_ins_text(lv_obj_t * obj, uint32_t pos, const char * txt)
{
    lv_label_t * lb = (lv_label_t *)obj;
    /*A static text is the caller's memory: it cannot grow*/
    if(txt == NULL || lb->text == NULL || lb->static_txt) return;

    uint32_t at = _lv_txt_encoded_get_byte_id(lb->text, LV_MIN(pos, _lv_txt_get_encoded_length(lb->text)));
    size_t old_len = strlen(lb->text);
    size_t add_len = strlen(txt);

    /*A new buffer rather than growing the old one in place: `txt` may be a
     *part of the label's own text, which a reallocation would move*/
    char * spliced = lv_mem_alloc(old_len + add_len + 1);
    LV_ASSERT_MALLOC(spliced);
    if(spliced == NULL) return;
    lv_memcpy(spliced, lb->text, at);
    lv_memcpy(spliced + at, txt, add_len);
    lv_memcpy(spliced + at + add_len, lb->text + at, old_len - at + 1);
    take_text(obj, spliced, false);
}

void lv_label_cut_text(lv_obj_t * obj, uint32_t pos, uint32_t cnt)
{
    lv_label_t * lb = (lv_label_t *)obj;
    /*A static text is the caller's memory: it is left as it is*/
    if(lb->text == NULL || lb->static_txt) return;

    uint32_t len = _lv_txt_get_encoded_length(lb->text);
    if(pos >= len || cnt == 0) return;
    if(cnt > len - pos) cnt = len - pos;

    uint32_t from = _lv_txt_encoded_get_byte_id(lb->text, pos);
    uint32_t to = _lv_txt_encoded_get_byte_id(lb->text, pos + cnt);
    lv_obj_invalidate(obj);
    memmove(lb->text + from, lb->text + to, strlen(lb->text + to) + 1);
    relayout(obj);
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

/*A new label says "Text", wraps, and lets clicks through to its parent*/
static void label_init(const lv_obj_class_t * class_p, lv_obj_t * obj)
{
    LV_UNUSED(class_p);
    lv_label_t * lb = (lv_label_t *)obj;

    lb->long_mode = LV_LABEL_LONG_WRAP;
    lb->dot_end = DOTS_OFF;
#if LV_LABEL_LONG_TXT_HINT
    lb->hint.line_start = -1;
#endif
#if LV_LABEL_TEXT_SELECTION
    lb->sel_start = LV_LABEL_TEXT_SELECTION_OFF;
    lb->sel_end = LV_LABEL_TEXT_SELECTION_OFF;
#endif

    lv_obj_clear_flag(obj, LV_OBJ_FLAG_CLICKABLE);
    lv_label_set_text(obj, "Text");
}

static void label_free(const lv_obj_class_t * class_p, lv_obj_t * obj)
{
    LV_UNUSED(class_p);
    lv_label_t * lb = (lv_label_t *)obj;

    lv_anim_del(obj, scroll_x_cb);
    lv_anim_del(obj, scroll_y_cb);
    if(!lb->static_txt) lv_mem_free(lb->text);
    lb->text = NULL;
}

static void label_event(const lv_obj_class_t * class_p, lv_event_t * e)
{
    if(lv_obj_event_base(class_p, e) != LV_RES_OK) return;

    lv_obj_t * obj = lv_event_get_current_target(e);
    switch(lv_event_get_code(e)) {
        case LV_EVENT_STYLE_CHANGED:
        case LV_EVENT_SIZE_CHANGED:
            /*A new font, new spacing or a new width move the line breaks*/
            relayout(obj);
            break;
        case LV_EVENT_GET_SELF_SIZE:
            report_self_size(obj, lv_event_get_self_size_info(e));
            break;
        case LV_EVENT_DRAW_MAIN:
            draw_text(obj, lv_event_get_draw_ctx(e));
            break;
        default:
            break;
    }
}

/*
 * Make `text` the label's text: a buffer from lv_mem_alloc the label now
 * owns, or (is_static) the caller's string. The old text is freed if the
 * label owned it.
 */
static void take_text(lv_obj_t * obj, char * text, bool is_static)
{
    lv_label_t * lb = (lv_label_t *)obj;
    lv_obj_invalidate(obj);
    if(lb->text != NULL && !lb->static_txt && lb->text != text) lv_mem_free(lb->text);
    lb->text = text;
    lb->static_txt = is_static;
    relayout(obj);
}

/*The text or its look changed: size, scrolling and dots follow, then a redraw*/
static void relayout(lv_obj_t * obj)
{
    lv_label_t * lb = (lv_label_t *)obj;
    if(lb->text == NULL) return;   /*still being constructed*/

#if LV_LABEL_LONG_TXT_HINT
    lb->hint.line_start = -1;       /*it points at a line of the old layout*/
#endif
    lv_obj_refresh_self_size(obj);

    if(lb->long_mode == LV_LABEL_LONG_SCROLL || lb->long_mode == LV_LABEL_LONG_SCROLL_CIRCULAR) update_scroll(obj);
    else if(lb->long_mode == LV_LABEL_LONG_DOT) update_dot_cut(obj);

    lv_obj_invalidate(obj);
}

/*Whether the label's width follows its text rather than the other way round*/
static bool width_from_text(const lv_obj_t * obj)
{
    return lv_obj_get_style_width(obj, LV_PART_MAIN) == LV_SIZE_CONTENT && !obj->w_layout;
}

/*
 * The modes that keep lines whole lay a text wider than the content area out
 * on lines of unlimited width, aligned within the widest of them (a scrolled
 * text starts at its left edge, whatever the alignment). A text that fits is
 * laid out and aligned like any other.
 */
static void read_layout(const lv_obj_t * obj, layout_t * lay)
{
    const lv_label_t * lb = (const lv_label_t *)obj;

    lay->txt = lb->text != NULL ? lb->text : "";
    lay->font = lv_obj_get_style_text_font(obj, LV_PART_MAIN);
    lay->letter_space = lv_obj_get_style_text_letter_space(obj, LV_PART_MAIN);
    lay->line_space = lv_obj_get_style_text_line_space(obj, LV_PART_MAIN);
    lay->line_h = lv_font_get_line_height(lay->font);
    lay->pitch = lay->line_h + lay->line_space;
    lay->flags = lb->recolor ? LV_TEXT_FLAG_RECOLOR : LV_TEXT_FLAG_NONE;
    if(width_from_text(obj)) lay->flags |= LV_TEXT_FLAG_FIT;
    lay->align = lv_obj_calculate_style_text_align(obj, LV_PART_MAIN, lay->txt);

    lay->wrap_w = lv_obj_get_content_width(obj);
    lay->block_w = lay->wrap_w;
    if(lb->expand) {
        lv_point_t natural;
        measure(lay, LV_COORD_MAX, &natural);
        if(natural.x > lay->wrap_w) {
            lay->flags |= LV_TEXT_FLAG_EXPAND;
            lay->wrap_w = LV_COORD_MAX;
            lay->block_w = natural.x;
        }
    }
}

static void measure(const layout_t * lay, lv_coord_t max_w, lv_point_t * size)
{
    lv_txt_get_size(size, lay->txt, lay->font, lay->letter_space, lay->line_space, max_w, lay->flags);
}

static void line_at(const layout_t * lay, uint32_t start, lv_coord_t y, text_line_t * line)
{
    line->start = start;
    line->y = y;
    line->end = start + _lv_txt_get_next_line(&lay->txt[start], lay->font, lay->letter_space, lay->wrap_w, NULL,
                                              lay->flags);
}

/*Another line follows: text is left, or the line ends in a break (an empty last line)*/
static bool line_has_next(const layout_t * lay, const text_line_t * line)
{
    if(line->end == line->start) return false;
    if(lay->txt[line->end] != '\0') return true;
    char last = lay->txt[line->end - 1];
    return last == '\n' || last == '\r';
}

static void line_down(const layout_t * lay, text_line_t * line)
{
    line_at(lay, line->end, (lv_coord_t)(line->y + lay->pitch), line);
}

/*The line below `y` (relative to the text); the first or last one past the text's ends*/
static void line_under_y(const layout_t * lay, lv_coord_t y, text_line_t * line)
{
    line_at(lay, 0, 0, line);
    while(y >= line->y + lay->pitch && line_has_next(lay, line)) line_down(lay, line);
}

/*Where an aligned line starts, as the label's drawing places it*/
static lv_coord_t line_indent(const layout_t * lay, const text_line_t * line)
{
    if(lay->align != LV_TEXT_ALIGN_CENTER && lay->align != LV_TEXT_ALIGN_RIGHT) return 0;
    lv_coord_t used = _lv_txt_get_width(&lay->txt[line->start], line->end - line->start, lay->font,
                                        lay->letter_space, lay->flags);
    lv_coord_t room = lay->block_w - used;
    return lay->align == LV_TEXT_ALIGN_CENTER ? room / 2 : room;
}

/*
 * Walk the letters of a line to the one whose cell (glyph plus the letter
 * space after it) holds `x`; `on_letter` tells whether one does. Otherwise the
 * result is the position that ends the line: before its line break, after
 * the text's last letter, or on the last letter of a wrapped line (the
 * position after it is already drawn on the next line).
 */
static uint32_t walk_to_x(const layout_t * lay, const text_line_t * line, lv_coord_t x, bool * on_letter)
{
    _lv_text_cmd_state_t cmd = LV_TEXT_CMD_STATE_WAIT;
    lv_coord_t pen = line_indent(lay, line);
    uint32_t last_letter = line->start;
    uint32_t i = line->start;

    *on_letter = false;
    if(x < pen) return i;

    while(i < line->end) {
        uint32_t next = i;
        uint32_t letter = _lv_txt_encoded_next(lay->txt, &next);
        if(letter == '\n' || letter == '\r') return i;
        if((lay->flags & LV_TEXT_FLAG_RECOLOR) && _lv_txt_is_cmd(&cmd, letter)) {
            i = next;
            continue;
        }

        uint32_t after = next;
        uint32_t follower = next < line->end ? _lv_txt_encoded_next(lay->txt, &after) : 0;
        lv_coord_t cell = (lv_coord_t)(lv_font_get_glyph_width(lay->font, letter, follower) + lay->letter_space);
        if(x < pen + cell) {
            *on_letter = true;
            return i;
        }
        pen = (lv_coord_t)(pen + cell);
        last_letter = i;
        i = next;
    }

    /*Ran off a wrapped line's end: the text goes on below*/
    return lay->txt[line->end] != '\0' ? last_letter : i;
}

/*
 * Scroll modes: move a text wider than the content area sideways, or one
 * that is only taller up and down. Back and forth it stops at each end for
 * as long as passing LV_LABEL_WAIT_CHAR_COUNT spaces takes; circular it
 * runs on with a copy following after that many spaces (or a line, upwards).
 */
static void update_scroll(lv_obj_t * obj)
{
    lv_label_t * lb = (lv_label_t *)obj;
    layout_t lay;
    read_layout(obj, &lay);
    lv_point_t text;
    measure(&lay, LV_COORD_MAX, &text);

    bool circular = lb->long_mode == LV_LABEL_LONG_SCROLL_CIRCULAR;
    lv_coord_t gap = (lv_coord_t)(lv_font_get_glyph_width(lay.font, ' ', ' ') * LV_LABEL_WAIT_CHAR_COUNT);
    lv_coord_t box_w = lv_obj_get_content_width(obj);
    lv_coord_t box_h = lv_obj_get_content_height(obj);

    if(text.x > box_w) {
        stop_scroll(obj, scroll_y_cb);
        run_scroll(obj, scroll_x_cb, circular ? -(text.x + gap) : box_w - text.x, circular ? 0 : gap);
    }
    else if(text.y > box_h) {
        stop_scroll(obj, scroll_x_cb);
        run_scroll(obj, scroll_y_cb, circular ? -(text.y + lay.line_h) : box_h - text.y, circular ? 0 : gap);
    }
    else {
        stop_scroll(obj, scroll_x_cb);
        stop_scroll(obj, scroll_y_cb);
    }
}

/*
 * Run the offset from 0 to `travel` for ever; with a pause (pause_px: its
 * length as a distance) it plays back, without one it starts over. A running
 * animation over the same course is left alone, so setting the same text
 * again (a value refreshed every second) does not make the text jump back.
 */
static void run_scroll(lv_obj_t * obj, lv_anim_exec_xcb_t exec, int32_t travel, lv_coord_t pause_px)
{
    uint32_t speed = lv_obj_get_style_anim_speed(obj, LV_PART_MAIN);
    /*No speed in the styles: a third of an inch a second*/
    if(speed == 0) speed = LV_MAX(1, lv_disp_get_dpi(lv_obj_get_disp(obj)) / 3);
    uint32_t duration = lv_anim_speed_to_time(speed, 0, travel);

    lv_anim_t * running = lv_anim_get(obj, exec);
    if(running != NULL && (uint32_t)running->time == duration) {
        /*Playing back swaps the two ends*/
        bool forth = running->start_value == 0 && running->end_value == travel;
        bool back = running->start_value == travel && running->end_value == 0;
        if(forth || back) return;
    }

    lv_anim_t scroll;
    lv_anim_init(&scroll);
    lv_anim_set_var(&scroll, obj);
    lv_anim_set_exec_cb(&scroll, exec);
    lv_anim_set_values(&scroll, 0, travel);
    lv_anim_set_time(&scroll, duration);
    lv_anim_set_repeat_count(&scroll, LV_ANIM_REPEAT_INFINITE);
    if(pause_px > 0) {
        uint32_t pause = lv_anim_speed_to_time(speed, 0, pause_px);
        lv_anim_set_playback_time(&scroll, duration);
        lv_anim_set_playback_delay(&scroll, pause);
        lv_anim_set_repeat_delay(&scroll, pause);
    }
    lv_anim_start(&scroll);
}

static void stop_scroll(lv_obj_t * obj, lv_anim_exec_xcb_t exec)
{
    lv_anim_del(obj, exec);
    exec(obj, 0);
}

static void scroll_x_cb(void * obj, int32_t v)
{
    lv_label_t * lb = obj;
    if(lb->offset.x == v) return;
    lb->offset.x = (lv_coord_t)v;
    lv_obj_invalidate(obj);
}

static void scroll_y_cb(void * obj, int32_t v)
{
    lv_label_t * lb = obj;
    if(lb->offset.y == v) return;
    lb->offset.y = (lv_coord_t)v;
    lv_obj_invalidate(obj);
}

/*
 * Dot mode: when the text is taller than the content area, find how much of
 * the last whole line that fits can stay with the dots after it; everything
 * before that point stays, the rest gives way to the dots.
 */
static void update_dot_cut(lv_obj_t * obj)
{
    lv_label_t * lb = (lv_label_t *)obj;
    lb->dot_end = DOTS_OFF;

    layout_t lay;
    read_layout(obj, &lay);
    lv_point_t size;
    measure(&lay, lay.wrap_w, &size);
    lv_coord_t box_h = lv_obj_get_content_height(obj);
    if(size.y <= box_h || lay.pitch <= 0) return;

    int32_t whole_lines = LV_MAX(1, (box_h + lay.line_space) / lay.pitch);
    text_line_t line;
    line_at(&lay, 0, 0, &line);
    while(--whole_lines > 0 && line_has_next(&lay, &line)) line_down(&lay, &line);

    lv_coord_t dot_w = lv_font_get_glyph_width(lay.font, '.', '.') + lay.letter_space;
    lv_coord_t room = lv_obj_get_content_width(obj) - dot_w * LV_LABEL_DOT_NUM + lay.letter_space;

    _lv_text_cmd_state_t cmd = LV_TEXT_CMD_STATE_WAIT;
    lv_coord_t pen = 0;
    uint32_t i = line.start;
    while(i < line.end) {
        uint32_t next = i;
        uint32_t letter = _lv_txt_encoded_next(lay.txt, &next);
        if(letter == '\n' || letter == '\r') break;
        if(!((lay.flags & LV_TEXT_FLAG_RECOLOR) && _lv_txt_is_cmd(&cmd, letter))) {
            uint32_t after = next;
            uint32_t follower = next < line.end ? _lv_txt_encoded_next(lay.txt, &after) : '.';
            lv_coord_t cell = (lv_coord_t)(lv_font_get_glyph_width(lay.font, letter, follower) + lay.letter_space);
            if(pen + cell > room) break;
            pen = (lv_coord_t)(pen + cell);
        }
        i = next;
    }
    lb->dot_end = _lv_txt_encoded_get_char_id(lay.txt, i);
}

/*The text cut at dot_end with the dots after it, or NULL when the whole text shows*/
static char * dotted_copy(const lv_label_t * lb)
{
    if(lb->long_mode != LV_LABEL_LONG_DOT || lb->dot_end == DOTS_OFF || lb->text == NULL) return NULL;

    uint32_t keep = _lv_txt_encoded_get_byte_id(lb->text, lb->dot_end);
    char * copy = lv_mem_buf_get(keep + LV_LABEL_DOT_NUM + 1);
    if(copy == NULL) return NULL;
    lv_memcpy(copy, lb->text, keep);
    lv_memset(copy + keep, '.', LV_LABEL_DOT_NUM);
    copy[keep + LV_LABEL_DOT_NUM] = '\0';
    return copy;
}

/*
 * The label's own size: the text unwrapped when the width follows the text
 * or the mode keeps lines whole, else wrapped at the content width.
 */
static void report_self_size(lv_obj_t * obj, lv_point_t * want)
{
    const lv_label_t * lb = (const lv_label_t *)obj;
    layout_t lay;
    read_layout(obj, &lay);
    lv_coord_t max_w = lb->expand || width_from_text(obj) ? LV_COORD_MAX : lv_obj_get_content_width(obj);
    lv_point_t size;
    measure(&lay, max_w, &size);
    want->x = LV_MAX(want->x, size.x);
    want->y = LV_MAX(want->y, size.y);
}

/*The selected characters take the colours of LV_PART_SELECTED; ends may come in either order*/
static void apply_selection(lv_obj_t * obj, lv_draw_label_dsc_t * dsc)
{
#if LV_LABEL_TEXT_SELECTION
    const lv_label_t * lb = (const lv_label_t *)obj;
    if(lb->sel_start == LV_LABEL_TEXT_SELECTION_OFF || lb->sel_end == LV_LABEL_TEXT_SELECTION_OFF) return;
    dsc->sel_start = LV_MIN(lb->sel_start, lb->sel_end);
    dsc->sel_end = LV_MAX(lb->sel_start, lb->sel_end);
    dsc->sel_color = lv_obj_get_style_text_color(obj, LV_PART_SELECTED);
    dsc->sel_bg_color = lv_obj_get_style_bg_color(obj, LV_PART_SELECTED);
#else
    LV_UNUSED(obj);
    LV_UNUSED(dsc);
#endif
}

/*
 * Draw the text (or its dotted copy) clipped to the content area: with the
 * scroll offset in the scroll modes, moved with the label's own scrolling in
 * wrap mode, and followed by a second copy in circular mode.
 */
static void draw_text(lv_obj_t * obj, lv_draw_ctx_t * ctx)
{
    lv_label_t * lb = (lv_label_t *)obj;
    if(lb->text == NULL) return;

    lv_area_t box;
    lv_obj_get_content_coords(obj, &box);
    lv_area_t visible;
    if(!_lv_area_intersect(&visible, &box, ctx->clip_area)) return;

    layout_t lay;
    read_layout(obj, &lay);

    lv_draw_label_dsc_t dsc;
    lv_draw_label_dsc_init(&dsc);
    lv_obj_init_draw_label_dsc(obj, LV_PART_MAIN, &dsc);
    dsc.flag = lay.flags;
    dsc.align = lay.align;
    dsc.ofs_x = lb->offset.x;
    dsc.ofs_y = lb->offset.y;
    apply_selection(obj, &dsc);

    lv_area_t area = box;
    lv_draw_label_hint_t * hint = NULL;
    if(lb->long_mode == LV_LABEL_LONG_WRAP) {
        area.y1 = (lv_coord_t)(area.y1 - lv_obj_get_scroll_top(obj));
#if LV_LABEL_LONG_TXT_HINT
        if(lv_area_get_height(&area) >= HINT_MIN_HEIGHT) hint = &lb->hint;
#endif
    }

    char * dotted = dotted_copy(lb);
    const lv_area_t * outer_clip = ctx->clip_area;
    ctx->clip_area = &visible;
    lv_draw_label(ctx, &dsc, &area, dotted != NULL ? dotted : lay.txt, hint);

    if(lb->long_mode == LV_LABEL_LONG_SCROLL_CIRCULAR) {
        lv_point_t text;
        measure(&lay, LV_COORD_MAX, &text);
        if(text.x > lv_area_get_width(&box)) {
            dsc.ofs_x = (lv_coord_t)(dsc.ofs_x + text.x +
                                     lv_font_get_glyph_width(lay.font, ' ', ' ') * LV_LABEL_WAIT_CHAR_COUNT);
            lv_draw_label(ctx, &dsc, &area, lay.txt, NULL);
        }
        else if(text.y > lv_area_get_height(&box)) {
            dsc.ofs_y = (lv_coord_t)(dsc.ofs_y + text.y + lay.line_h);
            lv_draw_label(ctx, &dsc, &area, lay.txt, NULL);
        }
    }

    ctx->clip_area = outer_clip;
    if(dotted != NULL) lv_mem_buf_release(dotted);
}

#endif /*LV_USE_LABEL*/
