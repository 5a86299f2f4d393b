/**
 * @file lv_dropdown.c
 * Drop-down: a closed box showing the chosen option and a symbol, and a list
 * of the options that opens next to it.
 *
 * The list is a separate object on the display's top layer (a label holding
 * all options, in a scrollable box), so no parent clips it and it lies above
 * the screen. It lives as long as the drop-down and is only hidden while
 * closed; if someone deletes it (cleaning the top layer), opening makes a new
 * one.
 *
 * Two indices matter while the list is open: sel_opt_id is the highlighted
 * option (moved by keys), sel_opt_id_orig the option chosen before opening.
 * Closing with ESC goes back to the latter; choosing makes them equal.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_dropdown.h"
#if LV_USE_DROPDOWN != 0

#include <string.h>
#include "lv_label.h"
#include "../core/lv_disp.h"
#include "../core/lv_group.h"
#include "../core/lv_indev.h"
#include "../draw/lv_img_decoder.h"
#include "../font/lv_symbol_def.h"
#include "../misc/lv_assert.h"
#include "../misc/lv_mem.h"
#include "../misc/lv_txt.h"

/*********************
 *      DEFINES
 *********************/
/*pr_opt_id while no option is pressed*/
#define NOTHING_PRESSED 0xFFFF

/**********************
 *  STATIC PROTOTYPES
 **********************/
static void dropdown_init(const lv_obj_class_t * class_p, lv_obj_t * obj);
static void dropdown_free(const lv_obj_class_t * class_p, lv_obj_t * obj);
static void dropdown_event(const lv_obj_class_t * class_p, lv_event_t * e);
static void list_init(const lv_obj_class_t * class_p, lv_obj_t * obj);
static void list_free(const lv_obj_class_t * class_p, lv_obj_t * obj);
static void list_event(const lv_obj_class_t * class_p, lv_event_t * e);

static uint16_t count_options(const char * opts);
static size_t option_offset(const char * opts, uint32_t index);
static size_t option_length(const char * opt);
static void store_options(lv_obj_t * obj, char * opts, bool is_static);

static lv_obj_t * ensure_list(lv_obj_t * obj);
static lv_obj_t * list_label(const lv_obj_t * obj);
static void show_options(lv_obj_t * obj);
static void fit_list(lv_obj_t * obj);
static lv_coord_t option_pitch(lv_obj_t * label);
static bool option_band(lv_obj_t * obj, uint16_t id, lv_area_t * band);
static uint16_t option_at_y(lv_obj_t * obj, lv_coord_t y);
static void scroll_to_highlight(lv_obj_t * obj);

static lv_res_t close_list(lv_obj_t * obj);
static lv_res_t commit_choice(lv_obj_t * obj, bool always);
static void on_release(lv_obj_t * obj, lv_indev_t * indev);
static void on_key(lv_obj_t * obj, uint32_t key);
static void on_focus(lv_obj_t * obj);
static void on_list_press(lv_obj_t * obj, lv_indev_t * indev);
static void on_list_release(lv_obj_t * obj, lv_indev_t * indev);

static void draw_closed(lv_obj_t * obj, lv_draw_ctx_t * ctx);
static void draw_highlights(lv_obj_t * obj, lv_draw_ctx_t * ctx);

/**********************
 *  STATIC VARIABLES
 **********************/
const lv_obj_class_t lv_dropdown_class = {
    .base_class = &lv_obj_class,
    .constructor_cb = dropdown_init,
    .destructor_cb = dropdown_free,
    .event_cb = dropdown_event,
    .instance_size = sizeof(lv_dropdown_t),
    .width_def = LV_DPI_DEF,
    .height_def = LV_SIZE_CONTENT,
    .group_def = LV_OBJ_CLASS_GROUP_DEF_TRUE,
    .editable = LV_OBJ_CLASS_EDITABLE_TRUE,
};

const lv_obj_class_t lv_dropdownlist_class = {
    .base_class = &lv_obj_class,
    .constructor_cb = list_init,
    .destructor_cb = list_free,
    .event_cb = list_event,
    .instance_size = sizeof(lv_dropdown_list_t),
};

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

lv_obj_t * lv_dropdown_create(lv_obj_t * parent)
{
    lv_obj_t * dropdown = lv_obj_class_create_obj(&lv_dropdown_class, parent);
    if(dropdown != NULL) lv_obj_class_init_obj(dropdown);
    return dropdown;
}

void lv_dropdown_set_text(lv_obj_t * obj, const char * txt)
{
    ((lv_dropdown_t *)obj)->text = txt;
    lv_obj_invalidate(obj);
}

void lv_dropdown_set_options(lv_obj_t * obj, const char * options)
{
    if(options == NULL) return;
    size_t size = strlen(options) + 1;
    char * copy = lv_mem_alloc(size);
    LV_ASSERT_MALLOC(copy);
    if(copy == NULL) return;
    lv_memcpy(copy, options, size);
    store_options(obj, copy, false);
}

void lv_dropdown_set_options_static(lv_obj_t * obj, const char * options)
{
    if(options == NULL) return;
    store_options(obj, (char *)options, true);
}

void lv_dropdown_add_option(lv_obj_t * obj, const char * option, uint32_t pos)
{
    lv_dropdown_t * dd = (lv_dropdown_t *)obj;
    if(option == NULL) return;

    const char * old = dd->options != NULL ? dd->options : "";
    size_t old_len = strlen(old);
    size_t add_len = strlen(option);
    bool none_yet = dd->option_cnt == 0;
    bool at_end = none_yet || pos >= dd->option_cnt;
    size_t at = at_end ? old_len : option_offset(old, pos);

    char * joined = lv_mem_alloc(old_len + add_len + 2);
    LV_ASSERT_MALLOC(joined);
    if(joined == NULL) return;

    /*Appended, the option needs a separator before it; inserted, one after it*/
    char * w = joined;
    lv_memcpy(w, old, at);
    w += at;
    if(at_end && !none_yet) *w++ = '\n';
    lv_memcpy(w, option, add_len);
    w += add_len;
    if(!at_end) *w++ = '\n';
    lv_memcpy(w, old + at, old_len - at);
    w += old_len - at;
    *w = '\0';

    /*Adding keeps the selection (by index), unlike replacing all options*/
    uint16_t sel = dd->sel_opt_id;
    uint16_t sel_orig = dd->sel_opt_id_orig;
    store_options(obj, joined, false);
    dd->sel_opt_id = sel;
    dd->sel_opt_id_orig = sel_orig;
}

void lv_dropdown_clear_options(lv_obj_t * obj)
{
    store_options(obj, (char *)"", true);
    ((lv_dropdown_t *)obj)->option_cnt = 0;
}

void lv_dropdown_set_selected(lv_obj_t * obj, uint16_t sel_opt)
{
    lv_dropdown_t * dd = (lv_dropdown_t *)obj;
    if(dd->option_cnt == 0) return;
    if(sel_opt >= dd->option_cnt) sel_opt = (uint16_t)(dd->option_cnt - 1);

    dd->sel_opt_id = sel_opt;
    dd->sel_opt_id_orig = sel_opt;
    if(lv_dropdown_is_open(obj)) scroll_to_highlight(obj);
    lv_obj_invalidate(obj);
}

void lv_dropdown_set_dir(lv_obj_t * obj, lv_dir_t dir)
{
    ((lv_dropdown_t *)obj)->dir = dir;
    lv_obj_invalidate(obj);
}

void lv_dropdown_set_symbol(lv_obj_t * obj, const void * symbol)
{
    ((lv_dropdown_t *)obj)->symbol = symbol;
    lv_obj_invalidate(obj);
}

void lv_dropdown_set_selected_highlight(lv_obj_t * obj, bool en)
{
    lv_dropdown_t * dd = (lv_dropdown_t *)obj;
    dd->selected_highlight = en;
    if(dd->list != NULL) lv_obj_invalidate(dd->list);
}

lv_obj_t * lv_dropdown_get_list(lv_obj_t * obj)
{
    return ensure_list(obj);
}

const char * lv_dropdown_get_text(lv_obj_t * obj)
{
    return ((lv_dropdown_t *)obj)->text;
}

const char * lv_dropdown_get_options(const lv_obj_t * obj)
{
    const char * opts = ((const lv_dropdown_t *)obj)->options;
    return opts != NULL ? opts : "";
}

uint16_t lv_dropdown_get_selected(const lv_obj_t * obj)
{
    return ((const lv_dropdown_t *)obj)->sel_opt_id;
}

uint16_t lv_dropdown_get_option_cnt(const lv_obj_t * obj)
{
    return ((const lv_dropdown_t *)obj)->option_cnt;
}

/*
 * A cut is made at a character boundary, so a short buffer never ends in
 * half a UTF-8 sequence.
 */
void lv_dropdown_get_selected_str(const lv_obj_t * obj, char * buf, uint32_t buf_size)
{
    const lv_dropdown_t * dd = (const lv_dropdown_t *)obj;
    if(buf == NULL) return;

    size_t len = 0;
    const char * opt = "";
    if(dd->options != NULL && dd->option_cnt > 0) {
        opt = dd->options + option_offset(dd->options, dd->sel_opt_id);
        len = option_length(opt);
    }
    if(buf_size > 0 && len >= buf_size) {
        len = buf_size - 1;
        while(len > 0 && ((uint8_t)opt[len] & 0xC0) == 0x80) len--;
    }
    lv_memcpy(buf, opt, len);
    buf[len] = '\0';
}

int32_t lv_dropdown_get_option_index(lv_obj_t * obj, const char * option)
{
    if(option == NULL) return -1;
    const char * opts = lv_dropdown_get_options(obj);
    uint16_t cnt = lv_dropdown_get_option_cnt(obj);
    size_t want = strlen(option);

    const char * opt = opts;
    for(uint16_t i = 0; i < cnt; i++) {
        size_t len = option_length(opt);
        if(len == want && strncmp(opt, option, len) == 0) return i;
        if(opt[len] == '\0') break;
        opt += len + 1;
    }
    return -1;
}

const char * lv_dropdown_get_symbol(lv_obj_t * obj)
{
    return ((lv_dropdown_t *)obj)->symbol;
}

bool lv_dropdown_get_selected_highlight(lv_obj_t * obj)
{
    return ((lv_dropdown_t *)obj)->selected_highlight;
}

lv_dir_t lv_dropdown_get_dir(const lv_obj_t * obj)
{
    return ((const lv_dropdown_t *)obj)->dir;
}

void lv_dropdown_open(lv_obj_t * dropdown_obj)
{
    lv_dropdown_t * dd = (lv_dropdown_t *)dropdown_obj;
    lv_obj_t * list = ensure_list(dropdown_obj);
    if(list == NULL) return;

    lv_obj_add_state(dropdown_obj, LV_STATE_CHECKED);
    lv_obj_clear_flag(list, LV_OBJ_FLAG_HIDDEN);
    lv_obj_move_to_index(list, -1);   /*above other lists and message boxes on the top layer*/

    /*The application may style the list now, or delete the lot*/
    if(lv_event_send(dropdown_obj, LV_EVENT_READY, NULL) != LV_RES_OK || dd->list == NULL) return;

    show_options(dropdown_obj);
    fit_list(dropdown_obj);
}

void lv_dropdown_close(lv_obj_t * obj)
{
    close_list(obj);
}

bool lv_dropdown_is_open(lv_obj_t * obj)
{
    lv_obj_t * list = ((lv_dropdown_t *)obj)->list;
    return list != NULL && !lv_obj_has_flag(list, LV_OBJ_FLAG_HIDDEN);
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

static void dropdown_init(const lv_obj_class_t * class_p, lv_obj_t * obj)
{
    LV_UNUSED(class_p);
    lv_dropdown_t * dd = (lv_dropdown_t *)obj;

    dd->symbol = LV_SYMBOL_DOWN;
    dd->selected_highlight = 1;
    dd->pr_opt_id = NOTHING_PRESSED;
    dd->dir = LV_DIR_BOTTOM;

    /*The box itself never scrolls; the list does*/
    lv_obj_clear_flag(obj, LV_OBJ_FLAG_SCROLLABLE);
    lv_obj_add_flag(obj, LV_OBJ_FLAG_SCROLL_ON_FOCUS);

    lv_dropdown_set_options_static(obj, "Option 1\nOption 2\nOption 3");
    ensure_list(obj);
}

static void dropdown_free(const lv_obj_class_t * class_p, lv_obj_t * obj)
{
    LV_UNUSED(class_p);
    lv_dropdown_t * dd = (lv_dropdown_t *)obj;

    if(dd->list != NULL) {
        /*Unhook first: the list's own destructor must not write back here*/
        lv_obj_t * list = dd->list;
        ((lv_dropdown_list_t *)list)->dropdown = NULL;
        dd->list = NULL;
        lv_obj_del(list);
    }
    if(!dd->static_txt) lv_mem_free(dd->options);
    dd->options = NULL;
}

static void dropdown_event(const lv_obj_class_t * class_p, lv_event_t * e)
{
    if(lv_obj_event_base(class_p, e) != LV_RES_OK) return;

    lv_obj_t * obj = lv_event_get_current_target(e);
    switch(lv_event_get_code(e)) {
        case LV_EVENT_FOCUSED:
            on_focus(obj);
            break;
        case LV_EVENT_DEFOCUSED:
        case LV_EVENT_LEAVE:
            if(lv_dropdown_is_open(obj)) close_list(obj);
            break;
        case LV_EVENT_RELEASED:
            on_release(obj, lv_event_get_indev(e));
            break;
        case LV_EVENT_KEY:
            on_key(obj, lv_event_get_key(e));
            break;
        case LV_EVENT_STYLE_CHANGED:
        case LV_EVENT_SIZE_CHANGED:
            lv_obj_refresh_self_size(obj);
            break;
        case LV_EVENT_GET_SELF_SIZE: {
                /*One line of text; the width is the application's choice*/
                lv_point_t * want = lv_event_get_self_size_info(e);
                lv_coord_t line_h = lv_font_get_line_height(lv_obj_get_style_text_font(obj, LV_PART_MAIN));
                want->y = LV_MAX(want->y, line_h);
                break;
            }
        case LV_EVENT_DRAW_MAIN:
            draw_closed(obj, lv_event_get_draw_ctx(e));
            break;
        default:
            break;
    }
}

/*Not click-focusable: a press on the list must leave the focus on the
 *drop-down, whose losing it would close the list under the finger*/
static void list_init(const lv_obj_class_t * class_p, lv_obj_t * obj)
{
    LV_UNUSED(class_p);
    lv_obj_clear_flag(obj, LV_OBJ_FLAG_CLICK_FOCUSABLE);
    lv_obj_add_flag(obj, LV_OBJ_FLAG_IGNORE_LAYOUT);
    lv_obj_add_flag(obj, LV_OBJ_FLAG_HIDDEN);
    lv_label_create(obj);
}

static void list_free(const lv_obj_class_t * class_p, lv_obj_t * obj)
{
    LV_UNUSED(class_p);
    lv_obj_t * owner = ((lv_dropdown_list_t *)obj)->dropdown;
    if(owner != NULL) ((lv_dropdown_t *)owner)->list = NULL;
}

static void list_event(const lv_obj_class_t * class_p, lv_event_t * e)
{
    lv_event_code_t code = lv_event_get_code(e);
    lv_obj_t * list = lv_event_get_current_target(e);
    lv_obj_t * owner = ((lv_dropdown_list_t *)list)->dropdown;

    /*The highlight lies over the label (a child, drawn after DRAW_MAIN) and
     *under the scrollbar, which the base class draws in DRAW_POST*/
    if(code == LV_EVENT_DRAW_POST) {
        if(owner != NULL) draw_highlights(owner, lv_event_get_draw_ctx(e));
        lv_obj_event_base(class_p, e);
        return;
    }

    if(lv_obj_event_base(class_p, e) != LV_RES_OK || owner == NULL) return;

    lv_indev_t * indev = lv_event_get_indev(e);
    switch(code) {
        case LV_EVENT_PRESSED:
            on_list_press(owner, indev);
            break;
        case LV_EVENT_RELEASED:
            /*The end of a drag that scrolled the list chooses nothing*/
            if(indev == NULL || lv_indev_get_scroll_obj(indev) == NULL) on_list_release(owner, indev);
            break;
        case LV_EVENT_SCROLL_BEGIN:
            ((lv_dropdown_t *)owner)->pr_opt_id = NOTHING_PRESSED;
            lv_obj_invalidate(list);
            break;
        default:
            break;
    }
}

/*An empty string is one (empty) option; every line break starts another*/
static uint16_t count_options(const char * opts)
{
    uint32_t cnt = 1;
    for(const char * c = opts; *c != '\0'; c++) {
        if(*c == '\n') cnt++;
    }
    return (uint16_t)LV_MIN(cnt, UINT16_MAX);
}

/*Byte offset of option `index`; the end of the string past the last option*/
static size_t option_offset(const char * opts, uint32_t index)
{
    size_t at = 0;
    while(index > 0 && opts[at] != '\0') {
        if(opts[at] == '\n') index--;
        at++;
    }
    return at;
}

static size_t option_length(const char * opt)
{
    size_t len = 0;
    while(opt[len] != '\0' && opt[len] != '\n') len++;
    return len;
}

/*
 * Take `opts` as the options (the drop-down's own lv_mem_alloc'ed buffer, or
 * the caller's string) and start over from the first option.
 */
static void store_options(lv_obj_t * obj, char * opts, bool is_static)
{
    lv_dropdown_t * dd = (lv_dropdown_t *)obj;
    char * old = dd->static_txt ? NULL : dd->options;

    dd->options = opts;
    dd->static_txt = is_static;
    dd->option_cnt = count_options(opts);
    dd->sel_opt_id = 0;
    dd->sel_opt_id_orig = 0;
    /*The list's label points at the options: move it on before the old ones go*/
    show_options(obj);
    if(old != NULL && old != opts) lv_mem_free(old);
    lv_obj_invalidate(obj);
}

/*The list, made anew if someone deleted it*/
static lv_obj_t * ensure_list(lv_obj_t * obj)
{
    lv_dropdown_t * dd = (lv_dropdown_t *)obj;
    if(dd->list != NULL) return dd->list;

    lv_obj_t * top = lv_disp_get_layer_top(lv_obj_get_disp(obj));
    lv_obj_t * list = lv_obj_class_create_obj(&lv_dropdownlist_class, top);
    if(list == NULL) return NULL;
    lv_obj_class_init_obj(list);
    ((lv_dropdown_list_t *)list)->dropdown = obj;
    dd->list = list;
    show_options(obj);
    return list;
}

static lv_obj_t * list_label(const lv_obj_t * obj)
{
    lv_obj_t * list = ((const lv_dropdown_t *)obj)->list;
    return list != NULL ? lv_obj_get_child(list, 0) : NULL;
}

static void show_options(lv_obj_t * obj)
{
    lv_obj_t * label = list_label(obj);
    if(label != NULL) lv_label_set_text_static(label, lv_dropdown_get_options(obj));
}

/*
 * Size and place the open list: as wide as its options but at least as wide
 * as the drop-down when it opens above or below; as tall as the options but
 * no taller than the room on the display, opening on the other side when
 * there is more room there; scrolled to the highlighted option.
 */
static void fit_list(lv_obj_t * obj)
{
    lv_dropdown_t * dd = (lv_dropdown_t *)obj;
    lv_obj_t * list = dd->list;
    lv_obj_t * label = list_label(obj);
    if(label == NULL) return;

    bool vertical = dd->dir == LV_DIR_TOP || dd->dir == LV_DIR_BOTTOM;
    lv_obj_set_width(list, LV_SIZE_CONTENT);
    lv_obj_update_layout(label);
    if(vertical && lv_obj_get_width(list) < lv_obj_get_width(obj)) lv_obj_set_width(list, lv_obj_get_width(obj));

    lv_coord_t frame = lv_obj_get_style_pad_top(list, LV_PART_MAIN) + lv_obj_get_style_pad_bottom(list, LV_PART_MAIN) +
                       2 * lv_obj_get_style_border_width(list, LV_PART_MAIN);
    lv_coord_t wanted_h = lv_obj_get_height(label) + frame;
    lv_coord_t screen_h = lv_disp_get_ver_res(lv_obj_get_disp(obj));
    lv_coord_t room_above = obj->coords.y1;
    lv_coord_t room_below = screen_h - 1 - obj->coords.y2;

    lv_dir_t dir = dd->dir;
    lv_coord_t room = screen_h;
    if(dir == LV_DIR_BOTTOM) {
        room = room_below;
        if(wanted_h > room_below && room_above > room_below) {
            dir = LV_DIR_TOP;
            room = room_above;
        }
    }
    else if(dir == LV_DIR_TOP) {
        room = room_above;
        if(wanted_h > room_above && room_below > room_above) {
            dir = LV_DIR_BOTTOM;
            room = room_below;
        }
    }
    lv_obj_set_height(list, LV_MIN(wanted_h, room));

    lv_text_align_t align = lv_obj_calculate_style_text_align(label, LV_PART_MAIN, dd->options);
    lv_align_t label_at = align == LV_TEXT_ALIGN_RIGHT ? LV_ALIGN_TOP_RIGHT :
                          align == LV_TEXT_ALIGN_CENTER ? LV_ALIGN_TOP_MID : LV_ALIGN_TOP_LEFT;
    lv_obj_align(label, label_at, 0, 0);

    lv_align_t list_at = dir == LV_DIR_TOP ? LV_ALIGN_OUT_TOP_LEFT :
                         dir == LV_DIR_LEFT ? LV_ALIGN_OUT_LEFT_TOP :
                         dir == LV_DIR_RIGHT ? LV_ALIGN_OUT_RIGHT_TOP : LV_ALIGN_OUT_BOTTOM_LEFT;
    lv_obj_align_to(list, obj, list_at, 0, 0);
    lv_obj_update_layout(list);

    /*Opened sideways, the list starts level with the drop-down: lift it if it runs off the bottom*/
    lv_coord_t overflow = list->coords.y2 - (screen_h - 1);
    if(!vertical && overflow > 0) lv_obj_set_y(list, lv_obj_get_y(list) - overflow);

    scroll_to_highlight(obj);
}

/*From the top of one option's line to the top of the next*/
static lv_coord_t option_pitch(lv_obj_t * label)
{
    return lv_font_get_line_height(lv_obj_get_style_text_font(label, LV_PART_MAIN)) +
           lv_obj_get_style_text_line_space(label, LV_PART_MAIN);
}

/*
 * The band of option `id` across the list: its text line with half the line
 * spacing above and below, so neighbouring bands meet.
 */
static bool option_band(lv_obj_t * obj, uint16_t id, lv_area_t * band)
{
    lv_dropdown_t * dd = (lv_dropdown_t *)obj;
    lv_obj_t * label = list_label(obj);
    if(label == NULL || id >= dd->option_cnt) return false;

    lv_coord_t pitch = option_pitch(label);
    lv_coord_t half_gap = lv_obj_get_style_text_line_space(label, LV_PART_MAIN) / 2;
    band->x1 = dd->list->coords.x1;
    band->x2 = dd->list->coords.x2;
    band->y1 = (lv_coord_t)(label->coords.y1 + id * pitch - half_gap);
    band->y2 = (lv_coord_t)(band->y1 + pitch - 1);
    return true;
}

/*The option whose band holds screen row `y` (the first or last one beyond them)*/
static uint16_t option_at_y(lv_obj_t * obj, lv_coord_t y)
{
    lv_dropdown_t * dd = (lv_dropdown_t *)obj;
    lv_obj_t * label = list_label(obj);
    if(label == NULL || dd->option_cnt == 0) return 0;

    lv_coord_t pitch = option_pitch(label);
    int32_t into = y - label->coords.y1 + lv_obj_get_style_text_line_space(label, LV_PART_MAIN) / 2;
    if(into < 0 || pitch <= 0) return 0;
    return (uint16_t)LV_MIN(into / pitch, dd->option_cnt - 1);
}

static void scroll_to_highlight(lv_obj_t * obj)
{
    lv_dropdown_t * dd = (lv_dropdown_t *)obj;
    lv_obj_t * label = list_label(obj);
    if(label == NULL) return;

    if(lv_obj_get_height(label) > lv_obj_get_content_height(dd->list)) {
        lv_obj_scroll_to_y(dd->list, (lv_coord_t)(dd->sel_opt_id * option_pitch(label)), LV_ANIM_OFF);
    }
    lv_obj_invalidate(dd->list);
}

/*Hide the list; LV_RES_INV when a CANCEL handler deleted the drop-down*/
static lv_res_t close_list(lv_obj_t * obj)
{
    lv_dropdown_t * dd = (lv_dropdown_t *)obj;
    lv_obj_clear_state(obj, LV_STATE_CHECKED);
    dd->pr_opt_id = NOTHING_PRESSED;
    if(dd->list != NULL) lv_obj_add_flag(dd->list, LV_OBJ_FLAG_HIDDEN);
    return lv_event_send(obj, LV_EVENT_CANCEL, NULL);
}

/*The highlighted option becomes the choice, reported when it changed (or `always`)*/
static lv_res_t commit_choice(lv_obj_t * obj, bool always)
{
    lv_dropdown_t * dd = (lv_dropdown_t *)obj;
    bool changed = dd->sel_opt_id != dd->sel_opt_id_orig;
    dd->sel_opt_id_orig = dd->sel_opt_id;
    lv_obj_invalidate(obj);
    if(!changed && !always) return LV_RES_OK;

    uint32_t id = dd->sel_opt_id;
    return lv_event_send(obj, LV_EVENT_VALUE_CHANGED, &id);
}

/*
 * A click (or ENTER) on the drop-down opens a closed list and closes an open
 * one, taking the option keys have moved to. A release that ends a scroll
 * of some parent is no click.
 */
static void on_release(lv_obj_t * obj, lv_indev_t * indev)
{
    lv_dropdown_t * dd = (lv_dropdown_t *)obj;
    if(indev != NULL && lv_indev_get_scroll_obj(indev) != NULL) {
        dd->sel_opt_id = dd->sel_opt_id_orig;
        lv_obj_invalidate(obj);
    }
    else if(!lv_dropdown_is_open(obj)) {
        lv_dropdown_open(obj);
    }
    else if(close_list(obj) == LV_RES_OK) {
        commit_choice(obj, false);
    }
}

static void on_key(lv_obj_t * obj, uint32_t key)
{
    lv_dropdown_t * dd = (lv_dropdown_t *)obj;
    int32_t step = 0;

    switch(key) {
        case LV_KEY_RIGHT:
        case LV_KEY_DOWN:
            step = 1;
            break;
        case LV_KEY_LEFT:
        case LV_KEY_UP:
            step = -1;
            break;
        case LV_KEY_ESC:
            dd->sel_opt_id = dd->sel_opt_id_orig;
            close_list(obj);
            return;
        case LV_KEY_ENTER:
            /*The input device acting on this object sends ENTER as a release
             *too; only an ENTER passed on from elsewhere is handled here*/
            if(lv_indev_get_obj_act() != obj) on_release(obj, NULL);
            return;
        default:
            return;
    }

    /*An arrow on the closed drop-down opens it; on the open list it moves the highlight*/
    int32_t next = (int32_t)dd->sel_opt_id + step;
    if(!lv_dropdown_is_open(obj)) {
        lv_dropdown_open(obj);
    }
    else if(next >= 0 && next < dd->option_cnt) {
        dd->sel_opt_id = (uint16_t)next;
        scroll_to_highlight(obj);
        lv_obj_invalidate(obj);
    }
}

/*An encoder opens the list when it starts editing the drop-down and closes it when it goes back to navigating*/
static void on_focus(lv_obj_t * obj)
{
    lv_dropdown_t * dd = (lv_dropdown_t *)obj;
    lv_indev_t * indev = lv_indev_get_act();
    if(indev == NULL || lv_indev_get_type(indev) != LV_INDEV_TYPE_ENCODER) return;

    if(lv_group_get_editing(lv_obj_get_group(obj))) {
        lv_dropdown_open(obj);
    }
    else {
        dd->sel_opt_id = dd->sel_opt_id_orig;
        close_list(obj);
    }
}

static bool indev_points(const lv_indev_t * indev)
{
    if(indev == NULL) return false;
    lv_indev_type_t type = lv_indev_get_type(indev);
    return type == LV_INDEV_TYPE_POINTER || type == LV_INDEV_TYPE_BUTTON;
}

static void on_list_press(lv_obj_t * obj, lv_indev_t * indev)
{
    lv_dropdown_t * dd = (lv_dropdown_t *)obj;
    if(!indev_points(indev)) return;

    lv_point_t at;
    lv_indev_get_point(indev, &at);
    dd->pr_opt_id = option_at_y(obj, at.y);
    lv_obj_invalidate(dd->list);
}

/*
 * A release on the list chooses the option under the pointer (keys have
 * moved the highlight already), closes the list and reports the choice,
 * even when it is the option chosen before.
 */
static void on_list_release(lv_obj_t * obj, lv_indev_t * indev)
{
    lv_dropdown_t * dd = (lv_dropdown_t *)obj;
    if(indev != NULL && lv_indev_get_type(indev) == LV_INDEV_TYPE_ENCODER) {
        lv_group_t * group = lv_obj_get_group(obj);
        if(lv_group_get_editing(group)) lv_group_set_editing(group, false);
    }
    if(indev_points(indev)) {
        lv_point_t at;
        lv_indev_get_point(indev, &at);
        dd->sel_opt_id = option_at_y(obj, at.y);
    }

    if(close_list(obj) != LV_RES_OK) return;
    commit_choice(obj, true);
}

/*Draw the drop-down's symbol: a font symbol (text) or an image*/
static lv_coord_t draw_symbol(lv_obj_t * obj, lv_draw_ctx_t * ctx, bool on_left)
{
    const void * symbol = ((lv_dropdown_t *)obj)->symbol;
    lv_coord_t border = lv_obj_get_style_border_width(obj, LV_PART_MAIN);
    lv_area_t area;
    area.y1 = (lv_coord_t)(obj->coords.y1 + lv_obj_get_style_pad_top(obj, LV_PART_MAIN) + border);

    lv_coord_t w;
    if(lv_img_src_get_type(symbol) == LV_IMG_SRC_SYMBOL) {
        lv_draw_label_dsc_t dsc;
        lv_draw_label_dsc_init(&dsc);
        lv_obj_init_draw_label_dsc(obj, LV_PART_INDICATOR, &dsc);
        lv_point_t size;
        lv_txt_get_size(&size, symbol, dsc.font, dsc.letter_space, dsc.line_space, LV_COORD_MAX, dsc.flag);
        w = size.x;
        area.x1 = on_left ? obj->coords.x1 + lv_obj_get_style_pad_left(obj, LV_PART_MAIN) + border :
                  obj->coords.x2 - lv_obj_get_style_pad_right(obj, LV_PART_MAIN) - border - w;
        area.x2 = (lv_coord_t)(area.x1 + w - 1);
        area.y2 = (lv_coord_t)(area.y1 + size.y - 1);
        lv_draw_label(ctx, &dsc, &area, symbol, NULL);
    }
    else {
        lv_img_header_t header;
        if(lv_img_decoder_get_info(symbol, &header) != LV_RES_OK) return 0;
        lv_draw_img_dsc_t dsc;
        lv_draw_img_dsc_init(&dsc);
        lv_obj_init_draw_img_dsc(obj, LV_PART_INDICATOR, &dsc);
        w = (lv_coord_t)header.w;
        area.x1 = on_left ? obj->coords.x1 + lv_obj_get_style_pad_left(obj, LV_PART_MAIN) + border :
                  obj->coords.x2 - lv_obj_get_style_pad_right(obj, LV_PART_MAIN) - border - w;
        area.x2 = (lv_coord_t)(area.x1 + w - 1);
        area.y2 = (lv_coord_t)(area.y1 + header.h - 1);
        lv_draw_img(ctx, &dsc, &area, symbol);
    }
    return w;
}

/*
 * The closed drop-down: the fixed text or the highlighted option at the side
 * opposite the symbol (centred without a symbol), both from the top padding.
 * The symbol goes right, or left when the list opens to the left or the
 * text runs right to left.
 */
static void draw_closed(lv_obj_t * obj, lv_draw_ctx_t * ctx)
{
    lv_dropdown_t * dd = (lv_dropdown_t *)obj;
    lv_area_t inside;
    if(!_lv_area_intersect(&inside, &obj->coords, ctx->clip_area)) return;
    const lv_area_t * outer_clip = ctx->clip_area;
    ctx->clip_area = &inside;

    bool symbol_left = dd->dir == LV_DIR_LEFT || lv_obj_get_style_base_dir(obj, LV_PART_MAIN) == LV_BASE_DIR_RTL;
    if(dd->symbol != NULL) draw_symbol(obj, ctx, symbol_left);

    /*The option is cut out of the options into a temporary string*/
    const char * shown = dd->text;
    char * option = NULL;
    if(shown == NULL) {
        const char * opts = lv_dropdown_get_options(obj);
        const char * opt = opts + option_offset(opts, dd->sel_opt_id);
        size_t len = option_length(opt);
        option = lv_mem_buf_get((uint32_t)len + 1);
        if(option != NULL) {
            lv_memcpy(option, opt, len);
            option[len] = '\0';
        }
        shown = option != NULL ? option : "";
    }

    lv_draw_label_dsc_t dsc;
    lv_draw_label_dsc_init(&dsc);
    lv_obj_init_draw_label_dsc(obj, LV_PART_MAIN, &dsc);
    lv_point_t size;
    lv_txt_get_size(&size, shown, dsc.font, dsc.letter_space, dsc.line_space, LV_COORD_MAX, dsc.flag);

    lv_coord_t border = lv_obj_get_style_border_width(obj, LV_PART_MAIN);
    lv_area_t area;
    if(dd->symbol == NULL) area.x1 = (lv_coord_t)(obj->coords.x1 + (lv_obj_get_width(obj) - size.x) / 2);
    else if(symbol_left) area.x1 = obj->coords.x2 - lv_obj_get_style_pad_right(obj, LV_PART_MAIN) - border - size.x;
    else area.x1 = (lv_coord_t)(obj->coords.x1 + lv_obj_get_style_pad_left(obj, LV_PART_MAIN) + border);
    area.x2 = (lv_coord_t)(area.x1 + size.x - 1);
    area.y1 = (lv_coord_t)(obj->coords.y1 + lv_obj_get_style_pad_top(obj, LV_PART_MAIN) + border);
    area.y2 = (lv_coord_t)(area.y1 + size.y - 1);
    lv_draw_label(ctx, &dsc, &area, shown, NULL);

    if(option != NULL) lv_mem_buf_release(option);
    ctx->clip_area = outer_clip;
}

/*
 * Paint option `id` as LV_PART_SELECTED of the list looks in `state`: its
 * band, and the options' text again in the part's text style, clipped to
 * the band. The list's real state comes back at once, with no transition.
 */
static void paint_option(lv_obj_t * obj, lv_draw_ctx_t * ctx, uint16_t id, lv_state_t state)
{
    lv_area_t band;
    if(!option_band(obj, id, &band)) return;
    lv_dropdown_t * dd = (lv_dropdown_t *)obj;
    lv_obj_t * list = dd->list;
    lv_obj_t * label = list_label(obj);

    lv_draw_rect_dsc_t box;
    lv_draw_rect_dsc_init(&box);
    lv_draw_label_dsc_t text;
    lv_draw_label_dsc_init(&text);
    lv_state_t real_state = list->state;
    list->state = state;
    list->skip_trans = 1;
    lv_obj_init_draw_rect_dsc(list, LV_PART_SELECTED, &box);
    lv_obj_init_draw_label_dsc(list, LV_PART_SELECTED, &text);
    list->state = real_state;
    list->skip_trans = 0;

    /*The label's own font and spacing: the text must land exactly on the plain one*/
    text.font = lv_obj_get_style_text_font(label, LV_PART_MAIN);
    text.letter_space = lv_obj_get_style_text_letter_space(label, LV_PART_MAIN);
    text.line_space = lv_obj_get_style_text_line_space(label, LV_PART_MAIN);
    text.align = lv_obj_calculate_style_text_align(label, LV_PART_MAIN, dd->options);

    lv_draw_rect(ctx, &box, &band);

    lv_area_t in_band;
    if(!_lv_area_intersect(&in_band, &band, ctx->clip_area)) return;
    const lv_area_t * outer_clip = ctx->clip_area;
    ctx->clip_area = &in_band;
    lv_draw_label(ctx, &text, &label->coords, lv_label_get_text(label), NULL);
    ctx->clip_area = outer_clip;
}

/*The pressed option, and the highlighted one when highlighting is on*/
static void draw_highlights(lv_obj_t * obj, lv_draw_ctx_t * ctx)
{
    lv_dropdown_t * dd = (lv_dropdown_t *)obj;
    lv_area_t inside;
    if(dd->list == NULL || !_lv_area_intersect(&inside, ctx->clip_area, &dd->list->coords)) return;
    const lv_area_t * outer_clip = ctx->clip_area;
    ctx->clip_area = &inside;   /*not over the list's shadow*/

    uint16_t pressed = dd->pr_opt_id;
    uint16_t chosen = dd->selected_highlight ? dd->sel_opt_id : NOTHING_PRESSED;
    if(pressed == chosen) {
        paint_option(obj, ctx, pressed, LV_STATE_CHECKED | LV_STATE_PRESSED);
    }
    else {
        paint_option(obj, ctx, pressed, LV_STATE_PRESSED);
        paint_option(obj, ctx, chosen, LV_STATE_CHECKED);
    }
    ctx->clip_area = outer_clip;
}

#endif /*LV_USE_DROPDOWN*/
