/**
 * @file lv_draw_label.c
 * Text layout: lines broken to the area's width and aligned in it, with
 * recolour commands, a selection and decoration; every letter goes to the
 * context's draw_letter.
 *
 * A label may hold pages of text scrolled far out of view, so the lines
 * above the clip area are only measured, and a hint remembers where the
 * first visible line started last time; drawing stops below the clip area.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_draw.h"
#include "../misc/lv_math.h"
#include "../misc/lv_mem.h"
#include <string.h>

/*********************
 *      DEFINES
 *********************/
/* A hint saved for a text more than this far away (it moved a lot, or it
 * is another text) is not trusted. */
#define HINT_REACH 1024

/**********************
 *      TYPEDEFS
 **********************/

/* Walks a text line by line. */
typedef struct {
    const char * txt;
    const lv_draw_label_dsc_t * dsc;
    lv_coord_t wrap_w;      /* lines break at this width */
    uint32_t start;         /* byte index of the current line */
    uint32_t end;           /* and of the next one */
    lv_coord_t y;           /* the current line's top */
    lv_coord_t pitch;       /* line height plus line space */
} line_walk_t;

/* Where a line is in a recolour command, and the colour it gives. */
typedef struct {
    _lv_text_cmd_state_t state;
    uint32_t param_at;      /* where the colour digits start */
    bool active;
    lv_color_t color;
} recolour_t;

/**********************
 *   STATIC FUNCTIONS
 **********************/

static void walk_to(line_walk_t * w, uint32_t start, lv_coord_t y)
{
    w->start = start;
    w->y = y;
    w->end = start + _lv_txt_get_next_line(&w->txt[start], w->dsc->font, w->dsc->letter_space, w->wrap_w, NULL,
                                           w->dsc->flag);
}

static bool walk_has_line(const line_walk_t * w)
{
    return w->txt[w->start] != '\0';
}

static void walk_next(line_walk_t * w)
{
    walk_to(w, w->end, (lv_coord_t)(w->y + w->pitch));
}

static int hex_value(char c)
{
    if(c >= '0' && c <= '9') return c - '0';
    c = (char)(c | 0x20);   /*lower case*/
    return c >= 'a' && c <= 'f' ? c - 'a' + 10 : 0;
}

/* "rrggbb"; bad digits count as 0. */
static lv_color_t colour_of(const char * digits)
{
    uint8_t ch[3];
    for(int k = 0; k < 3; k++) ch[k] = (uint8_t)(hex_value(digits[2 * k]) * 16 + hex_value(digits[2 * k + 1]));
    return lv_color_make(ch[0], ch[1], ch[2]);
}

/* Feeds one letter (at byte `at`, the next one at `next`) to the recolour
 * parser. Returns true when the letter belongs to a command and is not
 * drawn. A colour takes effect only with exactly six digits. */
static bool recolour_step(recolour_t * rc, const char * line, uint32_t at, uint32_t next, uint32_t letter)
{
    _lv_text_cmd_state_t before = rc->state;
    if(!_lv_txt_is_cmd(&rc->state, letter)) return false;
    if(before == LV_TEXT_CMD_STATE_WAIT && rc->state == LV_TEXT_CMD_STATE_PAR) {
        rc->param_at = next;
    }
    else if(before == LV_TEXT_CMD_STATE_PAR && rc->state == LV_TEXT_CMD_STATE_IN) {
        if(at - rc->param_at == 6) {
            rc->color = colour_of(&line[rc->param_at]);
            rc->active = true;
        }
    }
    else if(rc->state == LV_TEXT_CMD_STATE_WAIT) {
        rc->active = false;
    }
    return true;
}

static bool is_visible_letter(uint32_t letter)
{
    return letter >= 0x20 && letter != 0xF8FF && letter != 0x200C;
}

static void paint_selection(lv_draw_ctx_t * draw_ctx, const lv_draw_label_dsc_t * dsc, lv_point_t pen,
                            lv_coord_t advance, lv_coord_t line_h)
{
    lv_draw_rect_dsc_t bg;
    lv_draw_rect_dsc_init(&bg);
    bg.bg_color = dsc->sel_bg_color;
    bg.bg_opa = dsc->opa;
    lv_area_t cell = {pen.x, pen.y, (lv_coord_t)(pen.x + advance - 1), (lv_coord_t)(pen.y + line_h - 1)};
    lv_draw_rect(draw_ctx, &bg, &cell);
}

/* Strike-through at two thirds of the ascent, underline at the font's
 * underline position, from the line's start to its last letter. */
static void decorate(lv_draw_ctx_t * draw_ctx, const lv_draw_label_dsc_t * dsc, lv_coord_t x1, lv_coord_t x2,
                     lv_coord_t top)
{
    const lv_font_t * f = dsc->font;
    lv_draw_line_dsc_t stroke;
    lv_draw_line_dsc_init(&stroke);
    stroke.color = dsc->color;
    stroke.opa = dsc->opa;
    stroke.blend_mode = dsc->blend_mode;
    stroke.width = (lv_coord_t)LV_MAX(f->underline_thickness, 1);

    lv_coord_t ascent = (lv_coord_t)(f->line_height - f->base_line);
    const struct {
        lv_text_decor_t kind;
        lv_coord_t y;
    } marks[2] = {
        {LV_TEXT_DECOR_STRIKETHROUGH, (lv_coord_t)(top + ascent * 2 / 3)},
        {LV_TEXT_DECOR_UNDERLINE, (lv_coord_t)(top + ascent - f->underline_position)},
    };
    for(int k = 0; k < 2; k++) {
        if((dsc->decor & marks[k].kind) == 0) continue;
        lv_point_t a = {x1, marks[k].y};
        lv_point_t b = {x2, marks[k].y};
        draw_ctx->draw_line(draw_ctx, &stroke, &a, &b);
    }
}

/* One line from `pen`: letters left to right, each selected one over its
 * selection background; `first_char` is the character index of the line's
 * first letter (recolour commands count as characters). */
static void draw_one_line(lv_draw_ctx_t * draw_ctx, const lv_draw_label_dsc_t * dsc, const char * line,
                              uint32_t len, uint32_t first_char, lv_point_t pen, lv_coord_t line_h)
{
    lv_draw_label_dsc_t look = *dsc;
    recolour_t rc = {LV_TEXT_CMD_STATE_WAIT, 0, false, dsc->color};
    uint32_t sel_from = LV_MIN(dsc->sel_start, dsc->sel_end);
    uint32_t sel_to = LV_MAX(dsc->sel_start, dsc->sel_end);
    lv_coord_t line_x = pen.x;
    uint32_t chars = 0;

    for(uint32_t next = 0; next < len;) {
        uint32_t at = next;
        uint32_t letter, follower;
        _lv_txt_encoded_letter_next_2(line, &letter, &follower, &next);
        uint32_t char_id = first_char + chars++;
        if((dsc->flag & LV_TEXT_FLAG_RECOLOR) && recolour_step(&rc, line, at, next, letter)) continue;
        if(letter == '\n' || letter == '\r') break;

        /*the next line's first letter is not kerned against*/
        lv_coord_t advance = (lv_coord_t)(lv_font_get_glyph_width(dsc->font, letter, next < len ? follower : 0) +
                                          dsc->letter_space);
        bool selected = sel_from != LV_DRAW_LABEL_NO_TXT_SEL && char_id >= sel_from && char_id < sel_to;
        if(selected) paint_selection(draw_ctx, dsc, pen, advance, line_h);
        look.color = selected ? dsc->sel_color : (rc.active ? rc.color : dsc->color);
        if(is_visible_letter(letter)) draw_ctx->draw_letter(draw_ctx, &look, &pen, letter);
        pen.x = (lv_coord_t)(pen.x + advance);
    }

    bool decorated = dsc->decor != LV_TEXT_DECOR_NONE && pen.x > line_x && draw_ctx->draw_line != NULL;
    if(decorated) decorate(draw_ctx, dsc, line_x, (lv_coord_t)(pen.x - dsc->letter_space - 1), pen.y);
}

/* The first line whose bottom reaches the clip area, starting from the hint
 * when it is usable; the hint is then updated. Returns false when the text
 * ends above the clip area. */
static bool walk_to_visible(line_walk_t * w, lv_draw_label_hint_t * hint, const lv_area_t * coords,
                            const lv_area_t * clip)
{
    lv_coord_t top = w->y;
    lv_coord_t font_h = lv_font_get_line_height(w->dsc->font);
    bool hint_usable = hint != NULL && hint->line_start >= 0 && LV_ABS(hint->coord_y - coords->y1) < HINT_REACH &&
                       top + hint->y <= clip->y1 && (size_t)hint->line_start < strlen(w->txt);
    if(hint_usable) walk_to(w, (uint32_t)hint->line_start, (lv_coord_t)(top + hint->y));
    else walk_to(w, 0, top);

    while(w->y + font_h < clip->y1) {
        if(w->txt[w->end] == '\0') return false;
        walk_next(w);
    }
    if(hint != NULL && w->start > 0) {
        hint->line_start = (int32_t)w->start;
        hint->y = w->y - top;
        hint->coord_y = coords->y1;
    }
    return true;
}

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

void lv_draw_label_dsc_init(lv_draw_label_dsc_t * dsc)
{
    lv_draw_label_dsc_t fresh = {
        .font = LV_FONT_DEFAULT,
        .sel_start = LV_DRAW_LABEL_NO_TXT_SEL,
        .sel_end = LV_DRAW_LABEL_NO_TXT_SEL,
        .color = lv_color_black(),
        .sel_color = lv_color_black(),
        .sel_bg_color = lv_palette_main(LV_PALETTE_BLUE),
        .opa = LV_OPA_COVER,
        .bidi_dir = LV_BASE_DIR_LTR,
    };
    *dsc = fresh;
}

/* Expanding text (LV_TEXT_FLAG_EXPAND) aligns within its own widest line
 * rather than the area. */
LV_ATTRIBUTE_FAST_MEM void lv_draw_label(lv_draw_ctx_t * draw_ctx, const lv_draw_label_dsc_t * dsc,
                                         const lv_area_t * coords, const char * txt, lv_draw_label_hint_t * hint)
{
    if(dsc->opa <= LV_OPA_MIN || txt == NULL || txt[0] == '\0' || dsc->font == NULL) return;
    if(draw_ctx->draw_letter == NULL) return;
    lv_area_t shown;
    if(!_lv_area_intersect(&shown, coords, draw_ctx->clip_area)) return;

    const lv_area_t * clip = draw_ctx->clip_area;
    lv_coord_t box_w = lv_area_get_width(coords);
    if(dsc->flag & LV_TEXT_FLAG_EXPAND) {
        lv_point_t size;
        lv_txt_get_size(&size, txt, dsc->font, dsc->letter_space, dsc->line_space, LV_COORD_MAX, dsc->flag);
        box_w = size.x;
    }
    lv_coord_t font_h = lv_font_get_line_height(dsc->font);
    line_walk_t walk = {
        .txt = txt,
        .dsc = dsc,
        .wrap_w = box_w,
        .y = (lv_coord_t)(coords->y1 + dsc->ofs_y),
        .pitch = (lv_coord_t)(font_h + dsc->line_space),
    };
    if(!walk_to_visible(&walk, hint, coords, clip)) return;

    bool selecting = dsc->sel_start != LV_DRAW_LABEL_NO_TXT_SEL;
    uint32_t char_id = selecting ? _lv_txt_encoded_get_char_id(txt, walk.start) : 0;
    lv_coord_t left = (lv_coord_t)(coords->x1 + dsc->ofs_x);
    for(; walk_has_line(&walk) && walk.y <= clip->y2; walk_next(&walk)) {
        uint32_t len = walk.end - walk.start;
        lv_point_t pen = {left, walk.y};
        if(dsc->align == LV_TEXT_ALIGN_CENTER || dsc->align == LV_TEXT_ALIGN_RIGHT) {
            lv_coord_t spare = (lv_coord_t)(box_w - _lv_txt_get_width(&txt[walk.start], len, dsc->font,
                                                                      dsc->letter_space, dsc->flag));
            pen.x = (lv_coord_t)(pen.x + (dsc->align == LV_TEXT_ALIGN_CENTER ? spare / 2 : spare));
        }
        draw_one_line(draw_ctx, dsc, &txt[walk.start], len, char_id, pen, font_h);
        if(selecting) char_id += _lv_txt_encoded_get_char_id(&txt[walk.start], len);
    }
}

void lv_draw_letter(lv_draw_ctx_t * draw_ctx, const lv_draw_label_dsc_t * dsc, const lv_point_t * pos_p,
                    uint32_t letter)
{
    if(draw_ctx->draw_letter != NULL) draw_ctx->draw_letter(draw_ctx, dsc, pos_p, letter);
}
