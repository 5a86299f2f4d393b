/**
 * @file lv_textarea.c
 * Text area: the text lives in a child label, the cursor is a character
 * index into it, and keys typed at the focused text area are inserted at the
 * cursor. Every edit passes through one place (insert_at_cursor, or
 * remove_char for deletions) so the filters and the events apply alike to
 * keys, to lv_textarea_add_text and to a keyboard passing keys on.
 *
 * The cursor is a bar drawn in the LV_PART_CURSOR style (its left border
 * width and colour, shifted by its left padding) while the text area is
 * focused. It blinks with the part's anim_time and shows again at once after
 * every edit or move. Moving it scrolls the text area so it stays in view:
 * a window host places the input method's window at the cursor.
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
#include "../misc/lv_anim.h"
#include "../misc/lv_math.h"
#include "../misc/lv_mem.h"
#include "../misc/lv_txt.h"

/**********************
 *  STATIC PROTOTYPES
 **********************/
static void textarea_init(const lv_obj_class_t * class_p, lv_obj_t * obj);
static void textarea_free(const lv_obj_class_t * class_p, lv_obj_t * obj);
static void textarea_event(const lv_obj_class_t * class_p, lv_event_t * e);

static uint32_t text_length(const lv_textarea_t * ta);
static void keep_accepted(const lv_textarea_t * ta, const char * txt, uint32_t room, char * out);
static void insert_at_cursor(lv_textarea_t * ta, const char * txt);
static void remove_char(lv_textarea_t * ta, uint32_t at);
static void finish_edit(lv_textarea_t * ta);
static void cursor_moved(lv_textarea_t * ta);
static void update_cursor_area(lv_textarea_t * ta);
static void scroll_to_cursor(lv_textarea_t * ta);
static void restart_blink(lv_textarea_t * ta);
static void blink_cb(void * ta, int32_t shown);
static void move_cursor_vertically(lv_textarea_t * ta, int32_t lines);
static void place_cursor_at(lv_textarea_t * ta, lv_indev_t * indev);
static void on_key(lv_textarea_t * ta, uint32_t key);
static void draw_cursor(lv_textarea_t * ta, lv_draw_ctx_t * ctx);

static void cursor_home(lv_obj_t * obj);
static void cursor_end(lv_obj_t * obj);
static void cursor_up(lv_obj_t * obj);
static void cursor_down(lv_obj_t * obj);

/**********************
 *  STATIC VARIABLES
 **********************/
const lv_obj_class_t lv_textarea_class = {
    .base_class = &lv_obj_class,
    .constructor_cb = textarea_init,
    .destructor_cb = textarea_free,
    .event_cb = textarea_event,
    .instance_size = sizeof(lv_textarea_t),
    .width_def = LV_DPI_DEF * 2,
    .height_def = LV_DPI_DEF,
    .group_def = LV_OBJ_CLASS_GROUP_DEF_TRUE,
    .editable = LV_OBJ_CLASS_EDITABLE_TRUE,
};

/*What the keys that do not type a letter do*/
static const struct {
    uint32_t key;
    void (*act)(lv_obj_t * obj);
} key_actions[] = {
    {LV_KEY_RIGHT, lv_textarea_cursor_right},
    {LV_KEY_LEFT, lv_textarea_cursor_left},
    {LV_KEY_UP, cursor_up},
    {LV_KEY_DOWN, cursor_down},
    {LV_KEY_HOME, cursor_home},
    {LV_KEY_END, cursor_end},
    {LV_KEY_BACKSPACE, lv_textarea_del_char},
    {LV_KEY_DEL, lv_textarea_del_char_forward},
};

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

lv_obj_t * lv_textarea_create(lv_obj_t * parent)
{
    lv_obj_t * textarea = lv_obj_class_create_obj(&lv_textarea_class, parent);
    if(textarea != NULL) lv_obj_class_init_obj(textarea);
    return textarea;
}

void lv_textarea_add_char(lv_obj_t * obj, uint32_t c)
{
    /*Unpack the letter's bytes, first byte lowest, up to the first zero*/
    char letter[5] = {0};
    for(int i = 0; i < 4 && (c >> (8 * i)) != 0; i++) letter[i] = (char)((c >> (8 * i)) & 0xFF);
    insert_at_cursor((lv_textarea_t *)obj, letter);
}

void lv_textarea_add_text(lv_obj_t * obj, const char * txt)
{
    insert_at_cursor((lv_textarea_t *)obj, txt);
}

void lv_textarea_del_char(lv_obj_t * obj)
{
    uint32_t pos = lv_textarea_get_cursor_pos(obj);
    if(pos > 0) remove_char((lv_textarea_t *)obj, pos - 1);
}

void lv_textarea_del_char_forward(lv_obj_t * obj)
{
    uint32_t pos = lv_textarea_get_cursor_pos(obj);
    if(pos < text_length((lv_textarea_t *)obj)) remove_char((lv_textarea_t *)obj, pos);
}

/*
 * The filters apply (a text the text area would not take from the keys is
 * not taken from here either); no LV_EVENT_INSERT, as this is the program's
 * own text rather than the user's typing.
 */
void lv_textarea_set_text(lv_obj_t * obj, const char * txt)
{
    lv_textarea_t * ta = (lv_textarea_t *)obj;
    if(ta->label == NULL) return;
    if(txt == NULL) txt = "";

    char * kept = lv_mem_buf_get((uint32_t)strlen(txt) + 1);
    if(kept == NULL) return;
    keep_accepted(ta, txt, ta->max_length > 0 ? ta->max_length : UINT32_MAX, kept);
    lv_label_set_text(ta->label, kept);
    lv_mem_buf_release(kept);

    ta->cursor.pos = text_length(ta);
    finish_edit(ta);
}

void lv_textarea_set_cursor_pos(lv_obj_t * obj, int32_t pos)
{
    lv_textarea_t * ta = (lv_textarea_t *)obj;
    int32_t len = (int32_t)text_length(ta);

    /*Negative positions count back from the end: -1 is after the last character*/
    if(pos == LV_TEXTAREA_CURSOR_LAST || pos > len) pos = len;
    else if(pos < 0) pos = LV_MAX(0, len + 1 + pos);

    ta->cursor.pos = (uint32_t)pos;
    cursor_moved(ta);
}

void lv_textarea_set_one_line(lv_obj_t * obj, bool en)
{
    lv_textarea_t * ta = (lv_textarea_t *)obj;
    ta->one_line = en;
    if(ta->label == NULL) return;

    /*One line grows sideways and scrolls; several lines wrap at the text area's width*/
    lv_obj_set_width(ta->label, en ? LV_SIZE_CONTENT : LV_PCT(100));
    lv_label_set_long_mode(ta->label, en ? LV_LABEL_LONG_CLIP : LV_LABEL_LONG_WRAP);
    cursor_moved(ta);
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
    lv_obj_t * label = lv_textarea_get_label(obj);
    return label != NULL ? lv_label_get_text(label) : "";
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
    uint32_t pos = lv_textarea_get_cursor_pos(obj);
    if(pos < text_length((lv_textarea_t *)obj)) lv_textarea_set_cursor_pos(obj, (int32_t)pos + 1);
}

void lv_textarea_cursor_left(lv_obj_t * obj)
{
    uint32_t pos = lv_textarea_get_cursor_pos(obj);
    if(pos > 0) lv_textarea_set_cursor_pos(obj, (int32_t)pos - 1);
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

static void textarea_init(const lv_obj_class_t * class_p, lv_obj_t * obj)
{
    LV_UNUSED(class_p);
    lv_obj_clear_flag(obj, LV_OBJ_FLAG_SCROLL_ON_FOCUS);
    lv_obj_set_scrollbar_mode(obj, LV_SCROLLBAR_MODE_AUTO);

    lv_textarea_t * ta = (lv_textarea_t *)obj;
    ta->cursor.show = 1;
    ta->cursor.click_pos = 1;   /*a tap places the cursor*/

    lv_obj_t * label = lv_label_create(obj);
    if(label == NULL) return;
    lv_label_set_text(label, "");
    lv_obj_set_width(label, LV_PCT(100));
    ta->label = label;
    update_cursor_area(ta);
}

static void textarea_free(const lv_obj_class_t * class_p, lv_obj_t * obj)
{
    LV_UNUSED(class_p);
    lv_anim_del(obj, blink_cb);
}

static void textarea_event(const lv_obj_class_t * class_p, lv_event_t * e)
{
    if(lv_obj_event_base(class_p, e) != LV_RES_OK) return;

    lv_textarea_t * ta = (lv_textarea_t *)lv_event_get_current_target(e);
    switch(lv_event_get_code(e)) {
        case LV_EVENT_KEY:
            on_key(ta, lv_event_get_key(e));
            break;
        case LV_EVENT_PRESSED:
        case LV_EVENT_PRESSING:
            place_cursor_at(ta, lv_event_get_indev(e));
            break;
        case LV_EVENT_FOCUSED:
        case LV_EVENT_DEFOCUSED:
            /*The cursor shows only while focused*/
            restart_blink(ta);
            break;
        case LV_EVENT_SIZE_CHANGED:
        case LV_EVENT_STYLE_CHANGED:
            update_cursor_area(ta);
            break;
        case LV_EVENT_DRAW_POST:
            draw_cursor(ta, lv_event_get_draw_ctx(e));
            break;
        default:
            break;
    }
}

static uint32_t text_length(const lv_textarea_t * ta)
{
    return ta->label != NULL ? _lv_txt_get_encoded_length(lv_label_get_text(ta->label)) : 0;
}

/*
 * Copy into `out` the letters of `txt` the text area takes: in the accepted
 * set (if there is one), no line breaks on one line, and no more than
 * `room` of them. `out` must hold strlen(txt) + 1 bytes.
 */
static void keep_accepted(const lv_textarea_t * ta, const char * txt, uint32_t room, char * out)
{
    size_t used = 0;
    uint32_t next = 0;
    while(txt[next] != '\0' && room > 0) {
        uint32_t from = next;
        uint32_t letter = _lv_txt_encoded_next(txt, &next);
        if(next == from) break;   /*a malformed byte the decoder cannot step over*/

        bool take = !(ta->one_line && (letter == '\n' || letter == '\r'));
        if(take && ta->accepted_chars != NULL) {
            take = false;
            uint32_t j = 0;
            while(!take && ta->accepted_chars[j] != '\0') take = _lv_txt_encoded_next(ta->accepted_chars, &j) == letter;
        }
        if(!take) continue;

        lv_memcpy(out + used, txt + from, next - from);
        used += next - from;
        room--;
    }
    out[used] = '\0';
}

/*
 * Insert what the text area takes of `txt` at the cursor. LV_EVENT_INSERT
 * shows the text first: a handler may shorten it in place, or empty it to
 * refuse it. Then the cursor moves after it and LV_EVENT_VALUE_CHANGED follows.
 */
static void insert_at_cursor(lv_textarea_t * ta, const char * txt)
{
    if(ta->label == NULL || txt == NULL || txt[0] == '\0') return;

    uint32_t len = text_length(ta);
    uint32_t room = UINT32_MAX;
    if(ta->max_length > 0) room = ta->max_length > len ? ta->max_length - len : 0;

    char * kept = lv_mem_buf_get((uint32_t)strlen(txt) + 1);
    if(kept == NULL) return;
    keep_accepted(ta, txt, room, kept);

    bool go_on = kept[0] != '\0' && lv_event_send(&ta->obj, LV_EVENT_INSERT, kept) == LV_RES_OK && kept[0] != '\0';
    if(go_on) {
        lv_label_ins_text(ta->label, ta->cursor.pos, kept);
        ta->cursor.pos += _lv_txt_get_encoded_length(kept);
    }
    lv_mem_buf_release(kept);
    if(go_on) finish_edit(ta);
}

/*
 * Remove character `at`. Handlers of LV_EVENT_INSERT learn of it as the text
 * "\x7f" (LV_KEY_DEL) and may refuse it by emptying that text.
 */
static void remove_char(lv_textarea_t * ta, uint32_t at)
{
    char del_mark[2] = {(char)LV_KEY_DEL, '\0'};
    if(lv_event_send(&ta->obj, LV_EVENT_INSERT, del_mark) != LV_RES_OK || del_mark[0] == '\0') return;

    lv_label_cut_text(ta->label, at, 1);
    if(ta->cursor.pos > at) ta->cursor.pos--;
    finish_edit(ta);
}

/*Every change of the text ends here: the cursor follows and listeners hear of it*/
static void finish_edit(lv_textarea_t * ta)
{
    cursor_moved(ta);
    lv_event_send(&ta->obj, LV_EVENT_VALUE_CHANGED, NULL);
}

/*After an edit or a move: new cursor area, cursor in view and visible at once*/
static void cursor_moved(lv_textarea_t * ta)
{
    lv_obj_update_layout(&ta->obj);   /*the label's new size and place first*/
    update_cursor_area(ta);
    scroll_to_cursor(ta);
    restart_blink(ta);
}

/*
 * The cursor's area relative to the label: from the pen position before the
 * letter at the cursor, one line high and as wide as the cursor's border.
 * valid_x keeps the column for moving up and down.
 */
static void update_cursor_area(lv_textarea_t * ta)
{
    if(ta->label == NULL) return;
    lv_obj_t * obj = &ta->obj;

    lv_point_t at;
    lv_label_get_letter_pos(ta->label, ta->cursor.pos, &at);
    lv_coord_t line_h = lv_font_get_line_height(lv_obj_get_style_text_font(ta->label, LV_PART_MAIN));
    lv_coord_t bar_w = LV_MAX(1, lv_obj_get_style_border_width(obj, LV_PART_CURSOR));

    lv_obj_invalidate(obj);
    ta->cursor.area.x1 = (lv_coord_t)(at.x + lv_obj_get_style_pad_left(obj, LV_PART_CURSOR));
    ta->cursor.area.x2 = (lv_coord_t)(ta->cursor.area.x1 + bar_w - 1);
    ta->cursor.area.y1 = at.y;
    ta->cursor.area.y2 = (lv_coord_t)(at.y + line_h - 1);
    ta->cursor.valid_x = at.x;
    ta->cursor.txt_byte_pos = _lv_txt_encoded_get_byte_id(lv_label_get_text(ta->label), ta->cursor.pos);
}

/*Scroll the text area (not animated: the input method follows at once) until the cursor is inside it*/
static void scroll_to_cursor(lv_textarea_t * ta)
{
    if(ta->label == NULL) return;

    lv_area_t bar = ta->cursor.area;
    lv_area_move(&bar, ta->label->coords.x1, ta->label->coords.y1);
    lv_area_t box;
    lv_obj_get_content_coords(&ta->obj, &box);

    lv_coord_t dx = 0;
    lv_coord_t dy = 0;
    if(bar.x2 > box.x2) dx = (lv_coord_t)(box.x2 - bar.x2);
    if(bar.x1 < box.x1) dx = (lv_coord_t)(box.x1 - bar.x1);
    if(bar.y2 > box.y2) dy = (lv_coord_t)(box.y2 - bar.y2);
    if(bar.y1 < box.y1) dy = (lv_coord_t)(box.y1 - bar.y1);
    if(dx != 0 || dy != 0) lv_obj_scroll_by_bounded(&ta->obj, dx, dy, LV_ANIM_OFF);
}

/*Show the cursor now and blink from here (if the cursor style has an anim_time)*/
static void restart_blink(lv_textarea_t * ta)
{
    lv_obj_t * obj = &ta->obj;
    lv_anim_del(ta, blink_cb);
    blink_cb(ta, 1);

    uint32_t period = lv_obj_get_style_anim_time(obj, LV_PART_CURSOR);
    if(period == 0 || !lv_obj_has_state(obj, LV_STATE_FOCUSED)) return;

    lv_anim_t blink;
    lv_anim_init(&blink);
    lv_anim_set_var(&blink, ta);
    lv_anim_set_exec_cb(&blink, blink_cb);
    lv_anim_set_values(&blink, 1, 0);
    lv_anim_set_path_cb(&blink, lv_anim_path_step);
    lv_anim_set_time(&blink, period);
    lv_anim_set_playback_time(&blink, period);
    lv_anim_set_repeat_count(&blink, LV_ANIM_REPEAT_INFINITE);
    lv_anim_start(&blink);
}

/*cursor.show follows the blink; only the bar's area needs redrawing*/
static void blink_cb(void * var, int32_t shown)
{
    lv_textarea_t * ta = var;
    if(ta->cursor.show == (shown != 0)) return;
    ta->cursor.show = shown != 0;
    if(ta->label == NULL) return;
    lv_area_t bar = ta->cursor.area;
    lv_area_move(&bar, ta->label->coords.x1, ta->label->coords.y1);
    lv_obj_invalidate_area(&ta->obj, &bar);
}

/*UP and DOWN: the letter nearest the remembered column on the line above or below*/
static void move_cursor_vertically(lv_textarea_t * ta, int32_t lines)
{
    if(ta->label == NULL) return;

    lv_coord_t column = ta->cursor.valid_x;
    lv_point_t at;
    lv_label_get_letter_pos(ta->label, ta->cursor.pos, &at);
    const lv_font_t * font = lv_obj_get_style_text_font(ta->label, LV_PART_MAIN);
    lv_coord_t pitch = lv_font_get_line_height(font) + lv_obj_get_style_text_line_space(ta->label, LV_PART_MAIN);

    lv_point_t target = {column, (lv_coord_t)(at.y + lines * pitch + pitch / 2)};
    if(target.y < 0 || target.y >= lv_obj_get_height(ta->label)) return;   /*no line there*/

    lv_textarea_set_cursor_pos(&ta->obj, (int32_t)lv_label_get_letter_on(ta->label, &target));
    ta->cursor.valid_x = column;
}

static void cursor_up(lv_obj_t * obj)
{
    move_cursor_vertically((lv_textarea_t *)obj, -1);
}

static void cursor_down(lv_obj_t * obj)
{
    move_cursor_vertically((lv_textarea_t *)obj, 1);
}

static void cursor_home(lv_obj_t * obj)
{
    lv_textarea_set_cursor_pos(obj, 0);
}

static void cursor_end(lv_obj_t * obj)
{
    lv_textarea_set_cursor_pos(obj, LV_TEXTAREA_CURSOR_LAST);
}

/*A press (or a drag) of a pointer puts the cursor at the letter under it*/
static void place_cursor_at(lv_textarea_t * ta, lv_indev_t * indev)
{
    if(!ta->cursor.click_pos || ta->label == NULL || indev == NULL) return;
    if(lv_indev_get_type(indev) != LV_INDEV_TYPE_POINTER) return;

    lv_point_t tap;
    lv_indev_get_point(indev, &tap);
    lv_area_t text_box;
    lv_obj_get_content_coords(ta->label, &text_box);
    lv_point_t in_text = {(lv_coord_t)(tap.x - text_box.x1), (lv_coord_t)(tap.y - text_box.y1)};
    uint32_t pos = lv_label_get_letter_on(ta->label, &in_text);
    if(pos != ta->cursor.pos) lv_textarea_set_cursor_pos(&ta->obj, (int32_t)pos);
}

static void on_key(lv_textarea_t * ta, uint32_t key)
{
    for(size_t i = 0; i < sizeof(key_actions) / sizeof(key_actions[0]); i++) {
        if(key_actions[i].key == key) {
            key_actions[i].act(&ta->obj);
            return;
        }
    }

    if(key == LV_KEY_ENTER) {
        /*One line has nowhere to break to: ENTER finishes the input instead*/
        if(ta->one_line) lv_event_send(&ta->obj, LV_EVENT_READY, NULL);
        else insert_at_cursor(ta, "\n");
    }
    else if(key >= ' ') {
        /*The other control keys lie below the space; from it on, keys are letters*/
        lv_textarea_add_char(&ta->obj, key);
    }
}

/*
 * The cursor bar: LV_PART_CURSOR's border colour when it has one, else the
 * text colour, at the area worked out by update_cursor_area.
 */
static void draw_cursor(lv_textarea_t * ta, lv_draw_ctx_t * ctx)
{
    lv_obj_t * obj = &ta->obj;
    if(ta->label == NULL || !ta->cursor.show || !lv_obj_has_state(obj, LV_STATE_FOCUSED)) return;

    lv_draw_rect_dsc_t look;
    lv_draw_rect_dsc_init(&look);
    lv_obj_init_draw_rect_dsc(obj, LV_PART_CURSOR, &look);
    lv_draw_rect_dsc_t bar;
    lv_draw_rect_dsc_init(&bar);
    bar.bg_opa = LV_OPA_COVER;
    bar.bg_color = look.border_opa > LV_OPA_MIN ? look.border_color : lv_obj_get_style_text_color(obj, LV_PART_MAIN);

    lv_area_t area = ta->cursor.area;
    lv_area_move(&area, ta->label->coords.x1, ta->label->coords.y1);
    lv_draw_rect(ctx, &bar, &area);
}

#endif /*LV_USE_TEXTAREA*/
