/**
 * @file lv_textarea.c
 * Minimal text area: text kept in a child label, a cursor kept as a
 * character index, typed keys inserted at the cursor. The cursor is drawn
 * as a line of the LV_PART_CURSOR style while the text area is focused.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_textarea.h"
#if LV_USE_TEXTAREA != 0

#include <string.h>
#include "lv_label.h"
#include "../core/lv_group.h"
#include "../core/lv_indev.h"
#include "../misc/lv_txt.h"
#include "../misc/lv_mem.h"

/*********************
 *      DEFINES
 *********************/
#define MY_CLASS &lv_textarea_class

/**********************
 *  STATIC PROTOTYPES
 **********************/
static void lv_textarea_constructor(const lv_obj_class_t * class_p, lv_obj_t * obj);
static void lv_textarea_event(const lv_obj_class_t * class_p, lv_event_t * e);
static void draw_cursor(lv_event_t * e);
static void refr_cursor_area(lv_obj_t * obj);
static bool char_is_accepted(lv_obj_t * obj, uint32_t c);

/**********************
 *  STATIC VARIABLES
 **********************/
const lv_obj_class_t lv_textarea_class = {
    .constructor_cb = lv_textarea_constructor,
    .event_cb = lv_textarea_event,
    .group_def = LV_OBJ_CLASS_GROUP_DEF_TRUE,
    .editable = LV_OBJ_CLASS_EDITABLE_TRUE,
    .width_def = LV_DPI_DEF * 2,
    .height_def = LV_DPI_DEF,
    .instance_size = sizeof(lv_textarea_t),
    .base_class = &lv_obj_class
};

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

lv_obj_t * lv_textarea_create(lv_obj_t * parent)
{
    lv_obj_t * obj = lv_obj_class_create_obj(MY_CLASS, parent);
    if(obj == NULL) return NULL;
    lv_obj_class_init_obj(obj);
    return obj;
}

void lv_textarea_add_text(lv_obj_t * obj, const char * txt)
{
    lv_textarea_t * ta = (lv_textarea_t *)obj;
    if(txt == NULL || ta->label == NULL) return;

    /*Character by character, so the accepted-characters filter and the length limit apply to each*/
    uint32_t i = 0;
    while(txt[i] != '\0') {
        uint32_t letter = _lv_txt_encoded_next(txt, &i);
        if(letter == 0) break;
        lv_textarea_add_char(obj, _lv_txt_unicode_to_encoded(letter));
    }
}

void lv_textarea_add_char(lv_obj_t * obj, uint32_t c)
{
    lv_textarea_t * ta = (lv_textarea_t *)obj;
    if(ta->label == NULL) return;
    if(ta->one_line && (c == '\n' || c == '\r')) return;

    /*c holds the letter's UTF-8 bytes, the first one lowest (as keys and _lv_txt_encoded_conv_wc give them)*/
    char buf[5] = {0};
    buf[0] = (char)(c & 0xFF);
    buf[1] = (char)((c >> 8) & 0xFF);
    buf[2] = (char)((c >> 16) & 0xFF);
    buf[3] = (char)((c >> 24) & 0xFF);
    uint32_t i = 0;
    if(!char_is_accepted(obj, _lv_txt_encoded_next(buf, &i))) return;

    /*The application may change or cancel the insertion in its LV_EVENT_INSERT handler*/
    if(lv_event_send(obj, LV_EVENT_INSERT, buf) != LV_RES_OK) return;
    if(buf[0] == '\0') return;

    lv_label_ins_text(ta->label, ta->cursor.pos, buf);
    ta->cursor.pos += _lv_txt_get_encoded_length(buf);
    refr_cursor_area(obj);
    lv_event_send(obj, LV_EVENT_VALUE_CHANGED, NULL);
}

void lv_textarea_del_char(lv_obj_t * obj)
{
    lv_textarea_t * ta = (lv_textarea_t *)obj;
    if(ta->label == NULL || ta->cursor.pos == 0) return;

    char del_buf[2] = {LV_KEY_DEL, '\0'};
    if(lv_event_send(obj, LV_EVENT_INSERT, del_buf) != LV_RES_OK) return;

    lv_label_cut_text(ta->label, ta->cursor.pos - 1, 1);
    ta->cursor.pos--;
    refr_cursor_area(obj);
    lv_event_send(obj, LV_EVENT_VALUE_CHANGED, NULL);
}

void lv_textarea_del_char_forward(lv_obj_t * obj)
{
    lv_textarea_t * ta = (lv_textarea_t *)obj;
    if(ta->label == NULL) return;
    uint32_t len = _lv_txt_get_encoded_length(lv_label_get_text(ta->label));
    if(ta->cursor.pos >= len) return;
    lv_textarea_set_cursor_pos(obj, (int32_t)ta->cursor.pos + 1);
    lv_textarea_del_char(obj);
}

void lv_textarea_set_text(lv_obj_t * obj, const char * txt)
{
    lv_textarea_t * ta = (lv_textarea_t *)obj;
    if(ta->label == NULL) return;
    lv_label_set_text(ta->label, txt ? txt : "");
    ta->cursor.pos = _lv_txt_get_encoded_length(lv_label_get_text(ta->label));
    refr_cursor_area(obj);
    lv_event_send(obj, LV_EVENT_VALUE_CHANGED, NULL);
}

void lv_textarea_set_cursor_pos(lv_obj_t * obj, int32_t pos)
{
    lv_textarea_t * ta = (lv_textarea_t *)obj;
    if(ta->label == NULL) return;
    uint32_t len = _lv_txt_get_encoded_length(lv_label_get_text(ta->label));

    if(pos == LV_TEXTAREA_CURSOR_LAST || pos > (int32_t)len) pos = (int32_t)len;
    if(pos < 0) pos = (int32_t)len + pos + 1;
    if(pos < 0) pos = 0;
    if((uint32_t)pos == ta->cursor.pos) return;

    ta->cursor.pos = (uint32_t)pos;
    refr_cursor_area(obj);
}

void lv_textarea_set_one_line(lv_obj_t * obj, bool en)
{
    lv_textarea_t * ta = (lv_textarea_t *)obj;
    ta->one_line = en ? 1 : 0;
    if(ta->label) {
        lv_obj_set_width(ta->label, en ? LV_SIZE_CONTENT : LV_PCT(100));
        lv_label_set_long_mode(ta->label, en ? LV_LABEL_LONG_CLIP : LV_LABEL_LONG_WRAP);
    }
}

void lv_textarea_set_accepted_chars(lv_obj_t * obj, const char * list)
{
    ((lv_textarea_t *)obj)->accepted_chars = list;
}

void lv_textarea_set_max_length(lv_obj_t * obj, uint32_t num)
{
    ((lv_textarea_t *)obj)->max_length = num;
}

const char * lv_textarea_get_text(const lv_obj_t * obj)
{
    const lv_textarea_t * ta = (const lv_textarea_t *)obj;
    return ta->label ? lv_label_get_text(ta->label) : "";
}

lv_obj_t * lv_textarea_get_label(const lv_obj_t * obj)
{
    return ((const lv_textarea_t *)obj)->label;
}

uint32_t lv_textarea_get_cursor_pos(const lv_obj_t * obj)
{
    return ((const lv_textarea_t *)obj)->cursor.pos;
}

bool lv_textarea_get_one_line(const lv_obj_t * obj)
{
    return ((const lv_textarea_t *)obj)->one_line;
}

void lv_textarea_cursor_right(lv_obj_t * obj)
{
    lv_textarea_set_cursor_pos(obj, (int32_t)lv_textarea_get_cursor_pos(obj) + 1);
}

void lv_textarea_cursor_left(lv_obj_t * obj)
{
    uint32_t pos = lv_textarea_get_cursor_pos(obj);
    if(pos > 0) lv_textarea_set_cursor_pos(obj, (int32_t)pos - 1);
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

static void lv_textarea_constructor(const lv_obj_class_t * class_p, lv_obj_t * obj)
{
    LV_UNUSED(class_p);
    lv_textarea_t * ta = (lv_textarea_t *)obj;

    ta->label = lv_label_create(obj);
    ta->cursor.pos = 0;
    ta->cursor.show = 1;
    if(ta->label) {
        lv_label_set_text(ta->label, "");
        lv_obj_set_width(ta->label, LV_PCT(100));
        lv_label_set_long_mode(ta->label, LV_LABEL_LONG_WRAP);
    }
    lv_obj_clear_flag(obj, LV_OBJ_FLAG_SCROLL_ON_FOCUS);
    lv_obj_set_scrollbar_mode(obj, LV_SCROLLBAR_MODE_AUTO);
}

static void lv_textarea_event(const lv_obj_class_t * class_p, lv_event_t * e)
{
    LV_UNUSED(class_p);
    lv_res_t res = lv_obj_event_base(MY_CLASS, e);
    if(res != LV_RES_OK) return;

    lv_event_code_t code = lv_event_get_code(e);
    lv_obj_t * obj = lv_event_get_target(e);

    if(code == LV_EVENT_KEY) {
        uint32_t c = lv_event_get_key(e);
        if(c == LV_KEY_RIGHT) lv_textarea_cursor_right(obj);
        else if(c == LV_KEY_LEFT) lv_textarea_cursor_left(obj);
        else if(c == LV_KEY_BACKSPACE) lv_textarea_del_char(obj);
        else if(c == LV_KEY_DEL) lv_textarea_del_char_forward(obj);
        else if(c == LV_KEY_HOME) lv_textarea_set_cursor_pos(obj, 0);
        else if(c == LV_KEY_END) lv_textarea_set_cursor_pos(obj, LV_TEXTAREA_CURSOR_LAST);
        else if(c == LV_KEY_ENTER) {
            if(!((lv_textarea_t *)obj)->one_line) lv_textarea_add_char(obj, '\n');
            else lv_event_send(obj, LV_EVENT_READY, NULL);
        }
        else if(c >= 32 && c != LV_KEY_DEL) {
            lv_textarea_add_char(obj, c);
        }
    }
    else if(code == LV_EVENT_FOCUSED || code == LV_EVENT_DEFOCUSED) {
        refr_cursor_area(obj);
    }
    else if(code == LV_EVENT_SIZE_CHANGED || code == LV_EVENT_STYLE_CHANGED) {
        refr_cursor_area(obj);
    }
    else if(code == LV_EVENT_DRAW_POST) {
        draw_cursor(e);
    }
}

/* The cursor area, relative to the label: a bar before the letter at the cursor, one line high. */
static void refr_cursor_area(lv_obj_t * obj)
{
    lv_textarea_t * ta = (lv_textarea_t *)obj;
    if(ta->label == NULL) return;

    const lv_font_t * font = lv_obj_get_style_text_font(obj, LV_PART_MAIN);
    lv_coord_t letter_h = lv_font_get_line_height(font);

    lv_point_t pos;
    lv_label_get_letter_pos(ta->label, ta->cursor.pos, &pos);

    lv_obj_invalidate(obj);
    ta->cursor.area.x1 = pos.x;
    ta->cursor.area.y1 = pos.y;
    ta->cursor.area.x2 = pos.x + lv_obj_get_style_border_width(obj, LV_PART_CURSOR);
    ta->cursor.area.y2 = pos.y + letter_h - 1;
    ta->cursor.txt_byte_pos = _lv_txt_encoded_get_byte_id(lv_label_get_text(ta->label), ta->cursor.pos);
    ta->cursor.valid_x = pos.x;
}

static void draw_cursor(lv_event_t * e)
{
    lv_obj_t * obj = lv_event_get_target(e);
    lv_textarea_t * ta = (lv_textarea_t *)obj;
    if(ta->label == NULL || !ta->cursor.show) return;
    if(!lv_obj_has_state(obj, LV_STATE_FOCUSED)) return;

    lv_draw_ctx_t * draw_ctx = lv_event_get_draw_ctx(e);
    lv_draw_rect_dsc_t cur_dsc;
    lv_draw_rect_dsc_init(&cur_dsc);
    lv_obj_init_draw_rect_dsc(obj, LV_PART_CURSOR, &cur_dsc);

    lv_coord_t w = LV_MAX(1, lv_obj_get_style_border_width(obj, LV_PART_CURSOR));
    lv_area_t a;
    a.x1 = ta->label->coords.x1 + ta->cursor.area.x1;
    a.y1 = ta->label->coords.y1 + ta->cursor.area.y1;
    a.x2 = a.x1 + w - 1;
    a.y2 = ta->label->coords.y1 + ta->cursor.area.y2;

    /*The bar is the border colour of the cursor part, or the text colour when no style gives one*/
    cur_dsc.bg_opa = LV_OPA_COVER;
    cur_dsc.bg_color = cur_dsc.border_opa > LV_OPA_MIN ? cur_dsc.border_color :
                       lv_obj_get_style_text_color(obj, LV_PART_MAIN);
    cur_dsc.border_width = 0;
    cur_dsc.radius = 0;
    lv_draw_rect(draw_ctx, &cur_dsc, &a);
}

static bool char_is_accepted(lv_obj_t * obj, uint32_t c)
{
    lv_textarea_t * ta = (lv_textarea_t *)obj;
    if(ta->max_length > 0 && ta->label) {
        if(_lv_txt_get_encoded_length(lv_label_get_text(ta->label)) >= ta->max_length) return false;
    }
    if(ta->accepted_chars == NULL) return true;

    uint32_t i = 0;
    while(ta->accepted_chars[i] != '\0') {
        uint32_t a = _lv_txt_encoded_next(ta->accepted_chars, &i);
        if(a == c) return true;
    }
    return false;
}

#endif /*LV_USE_TEXTAREA*/
