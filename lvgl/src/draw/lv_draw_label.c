/**
 * @file lv_draw_label.c
 * Text layout: lines broken to the area's width, aligned, with recolour
 * commands, selection and decoration; each letter goes to the context's
 * draw_letter.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_draw.h"
#include "lv_draw_label.h"
#include "../misc/lv_math.h"
#include "../misc/lv_assert.h"
#include "../misc/lv_mem.h"
#include <string.h>

/*********************
 *      DEFINES
 *********************/
#define LABEL_RECOLOR_PAR_LENGTH 6
#define LV_LABEL_HINT_UPDATE_TH 1024 /*Update the "hint" if the label's y coordinates have changed more then this*/

/**********************
 *  STATIC PROTOTYPES
 **********************/
static void draw_letter_line(lv_draw_ctx_t * draw_ctx, const lv_draw_label_dsc_t * dsc, const char * line,
                             uint32_t len, uint32_t line_char_ofs, lv_point_t pos, lv_coord_t line_h);
static uint8_t hex_char_to_num(char hex);
static lv_color_t parse_recolor(const char * par);

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

void lv_draw_label_dsc_init(lv_draw_label_dsc_t * dsc)
{
    lv_memset_00(dsc, sizeof(lv_draw_label_dsc_t));
    dsc->opa = LV_OPA_COVER;
    dsc->color = lv_color_black();
    dsc->font = LV_FONT_DEFAULT;
    dsc->sel_start = LV_DRAW_LABEL_NO_TXT_SEL;
    dsc->sel_end = LV_DRAW_LABEL_NO_TXT_SEL;
    dsc->sel_color = lv_color_black();
    dsc->sel_bg_color = lv_palette_main(LV_PALETTE_BLUE);
    dsc->bidi_dir = LV_BASE_DIR_LTR;
}

/* Lines above the clip area are only measured, not drawn; the hint (when
 * given) remembers the first visible line so a long scrolled text does not
 * measure its hidden top on every refresh. */
LV_ATTRIBUTE_FAST_MEM void lv_draw_label(lv_draw_ctx_t * draw_ctx, const lv_draw_label_dsc_t * dsc,
                                         const lv_area_t * coords, const char * txt, lv_draw_label_hint_t * hint)
{
    if(dsc->opa <= LV_OPA_MIN || txt == NULL || txt[0] == '\0' || dsc->font == NULL) return;
    if(draw_ctx->draw_letter == NULL) return;

    lv_area_t clipped_area;
    if(!_lv_area_intersect(&clipped_area, coords, draw_ctx->clip_area)) return;

    const lv_font_t * font = dsc->font;
    lv_coord_t w;
    if((dsc->flag & LV_TEXT_FLAG_EXPAND) == 0) {
        w = lv_area_get_width(coords);
    }
    else {
        lv_point_t p;
        lv_txt_get_size(&p, txt, font, dsc->letter_space, dsc->line_space, LV_COORD_MAX, dsc->flag);
        w = p.x;
    }
    lv_coord_t line_height_font = lv_font_get_line_height(font);
    lv_coord_t line_height = (lv_coord_t)(line_height_font + dsc->line_space);

    lv_point_t pos;
    pos.x = (lv_coord_t)(coords->x1 + dsc->ofs_x);
    pos.y = (lv_coord_t)(coords->y1 + dsc->ofs_y);

    uint32_t line_start = 0;
    /*Start from the hinted line if it is still at or above the clip area's top*/
    /*A hint left over from a longer text must not point past this one's end*/
    if(hint && hint->line_start >= 0 && LV_ABS(hint->coord_y - coords->y1) < LV_LABEL_HINT_UPDATE_TH &&
       pos.y + hint->y <= draw_ctx->clip_area->y1 && (size_t)hint->line_start < strlen(txt)) {
        line_start = (uint32_t)hint->line_start;
        pos.y = (lv_coord_t)(pos.y + hint->y);
    }
    lv_coord_t y_origin = (lv_coord_t)(coords->y1 + dsc->ofs_y);

    uint32_t line_char_ofs = 0;
    /*Skip the lines above the clip area*/
    uint32_t line_end = line_start + _lv_txt_get_next_line(&txt[line_start], font, dsc->letter_space, w, NULL,
                                                           dsc->flag);
    while(pos.y + line_height_font < draw_ctx->clip_area->y1) {
        if(txt[line_end] == '\0') return;
        line_start = line_end;
        line_end += _lv_txt_get_next_line(&txt[line_start], font, dsc->letter_space, w, NULL, dsc->flag);
        pos.y = (lv_coord_t)(pos.y + line_height);
    }
    if(hint && line_start > 0) {
        hint->line_start = (int32_t)line_start;
        hint->y = pos.y - y_origin;
        hint->coord_y = coords->y1;
    }
    if(dsc->sel_start != LV_DRAW_LABEL_NO_TXT_SEL) {
        line_char_ofs = _lv_txt_encoded_get_char_id(txt, line_start);
    }

    lv_coord_t x_start = pos.x;
    while(txt[line_start] != '\0' && pos.y <= draw_ctx->clip_area->y2) {
        uint32_t len = line_end - line_start;
        pos.x = x_start;
        if(dsc->align == LV_TEXT_ALIGN_CENTER || dsc->align == LV_TEXT_ALIGN_RIGHT) {
            lv_coord_t line_w = _lv_txt_get_width(&txt[line_start], len, font, dsc->letter_space, dsc->flag);
            if(dsc->align == LV_TEXT_ALIGN_CENTER) pos.x = (lv_coord_t)(pos.x + (w - line_w) / 2);
            else pos.x = (lv_coord_t)(pos.x + w - line_w);
        }
        draw_letter_line(draw_ctx, dsc, &txt[line_start], len, line_char_ofs, pos, line_height_font);

        if(dsc->sel_start != LV_DRAW_LABEL_NO_TXT_SEL) {
            uint32_t i = 0;
            while(i < len) {
                _lv_txt_encoded_next(&txt[line_start], &i);
                line_char_ofs++;
            }
        }
        line_start = line_end;
        line_end += _lv_txt_get_next_line(&txt[line_start], font, dsc->letter_space, w, NULL, dsc->flag);
        pos.y = (lv_coord_t)(pos.y + line_height);
    }
}

void lv_draw_letter(lv_draw_ctx_t * draw_ctx, const lv_draw_label_dsc_t * dsc, const lv_point_t * pos_p,
                    uint32_t letter)
{
    if(draw_ctx->draw_letter) draw_ctx->draw_letter(draw_ctx, dsc, pos_p, letter);
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

/* One line: letters left to right, the selection background under selected
 * letters, then underline and strike-through over the drawn width. */
static void draw_letter_line(lv_draw_ctx_t * draw_ctx, const lv_draw_label_dsc_t * dsc, const char * line,
                             uint32_t len, uint32_t line_char_ofs, lv_point_t pos, lv_coord_t line_h)
{
    lv_draw_label_dsc_t letter_dsc = *dsc;
    _lv_text_cmd_state_t cmd_state = LV_TEXT_CMD_STATE_WAIT;
    uint32_t par_start = 0;
    bool recolor_on = false;
    lv_color_t recolor = dsc->color;
    lv_coord_t x_start = pos.x;
    uint32_t char_id = line_char_ofs;
    uint32_t sel_start = LV_MIN(dsc->sel_start, dsc->sel_end);
    uint32_t sel_end = LV_MAX(dsc->sel_start, dsc->sel_end);

    uint32_t i = 0;
    while(i < len) {
        uint32_t letter, letter_next;
        uint32_t ofs = i;
        _lv_txt_encoded_letter_next_2(line, &letter, &letter_next, &i);
        if(i >= len) letter_next = 0;   /*No kerning against the next line*/

        if(dsc->flag & LV_TEXT_FLAG_RECOLOR) {
            _lv_text_cmd_state_t prev_state = cmd_state;
            if(_lv_txt_is_cmd(&cmd_state, letter)) {
                if(prev_state == LV_TEXT_CMD_STATE_WAIT && cmd_state == LV_TEXT_CMD_STATE_PAR) par_start = i;
                else if(prev_state == LV_TEXT_CMD_STATE_PAR && cmd_state == LV_TEXT_CMD_STATE_IN) {
                    if(ofs - par_start == LABEL_RECOLOR_PAR_LENGTH) {
                        recolor = parse_recolor(&line[par_start]);
                        recolor_on = true;
                    }
                }
                else if(cmd_state == LV_TEXT_CMD_STATE_WAIT) recolor_on = false;
                char_id++;
                continue;
            }
        }
        if(letter == '\n' || letter == '\r') break;

        lv_coord_t letter_w = (lv_coord_t)lv_font_get_glyph_width(dsc->font, letter, letter_next);
        bool selected = sel_start != LV_DRAW_LABEL_NO_TXT_SEL && char_id >= sel_start && char_id < sel_end;
        if(selected) {
            lv_draw_rect_dsc_t sel_dsc;
            lv_draw_rect_dsc_init(&sel_dsc);
            sel_dsc.bg_color = dsc->sel_bg_color;
            sel_dsc.bg_opa = dsc->opa;
            lv_area_t sel_area = {pos.x, pos.y, (lv_coord_t)(pos.x + letter_w + dsc->letter_space - 1),
                                  (lv_coord_t)(pos.y + line_h - 1)
                                 };
            lv_draw_rect(draw_ctx, &sel_dsc, &sel_area);
        }
        letter_dsc.color = selected ? dsc->sel_color : (recolor_on ? recolor : dsc->color);
        if(letter >= 0x20 && letter != 0xF8FF && letter != 0x200C) draw_ctx->draw_letter(draw_ctx, &letter_dsc, &pos, letter);

        pos.x = (lv_coord_t)(pos.x + letter_w + dsc->letter_space);
        char_id++;
    }

    if(dsc->decor == LV_TEXT_DECOR_NONE || pos.x <= x_start || draw_ctx->draw_line == NULL) return;
    lv_draw_line_dsc_t line_dsc;
    lv_draw_line_dsc_init(&line_dsc);
    line_dsc.color = dsc->color;
    line_dsc.opa = dsc->opa;
    line_dsc.blend_mode = dsc->blend_mode;
    const lv_font_t * font = dsc->font;
    lv_point_t p1, p2;
    p1.x = x_start;
    p2.x = (lv_coord_t)(pos.x - dsc->letter_space - 1);
    if(dsc->decor & LV_TEXT_DECOR_STRIKETHROUGH) {
        line_dsc.width = (lv_coord_t)LV_MAX(font->underline_thickness, 1);
        p1.y = p2.y = (lv_coord_t)(pos.y + (font->line_height - font->base_line) * 2 / 3);
        draw_ctx->draw_line(draw_ctx, &line_dsc, &p1, &p2);
    }
    if(dsc->decor & LV_TEXT_DECOR_UNDERLINE) {
        line_dsc.width = (lv_coord_t)LV_MAX(font->underline_thickness, 1);
        p1.y = p2.y = (lv_coord_t)(pos.y + font->line_height - font->base_line - font->underline_position);
        draw_ctx->draw_line(draw_ctx, &line_dsc, &p1, &p2);
    }
}

static lv_color_t parse_recolor(const char * par)
{
    uint8_t r = (uint8_t)((hex_char_to_num(par[0]) << 4) + hex_char_to_num(par[1]));
    uint8_t g = (uint8_t)((hex_char_to_num(par[2]) << 4) + hex_char_to_num(par[3]));
    uint8_t b = (uint8_t)((hex_char_to_num(par[4]) << 4) + hex_char_to_num(par[5]));
    return lv_color_make(r, g, b);
}

static uint8_t hex_char_to_num(char hex)
{
    if(hex >= '0' && hex <= '9') return (uint8_t)(hex - '0');
    if(hex >= 'a' && hex <= 'f') return (uint8_t)(hex - 'a' + 10);
    if(hex >= 'A' && hex <= 'F') return (uint8_t)(hex - 'A' + 10);
    return 0;
}
