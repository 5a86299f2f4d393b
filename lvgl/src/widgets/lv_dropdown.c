/**
 * @file lv_dropdown.c
 * Drop-down: the closed object draws the selected option and a symbol; the
 * options live in a label inside a separate list object on the display's top
 * layer, shown while open, so the list is never clipped by the drop-down's
 * parents and always lies above the screen.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_dropdown.h"
#if LV_USE_DROPDOWN != 0

#include <string.h>
#include "lv_label.h"
#include "../core/lv_disp.h"
#include "../core/lv_indev.h"
#include "../core/lv_group.h"
#include "../misc/lv_mem.h"
#include "../misc/lv_txt.h"
#include "../font/lv_symbol_def.h"

/*********************
 *      DEFINES
 *********************/
#define MY_CLASS &lv_dropdown_class
#define MY_CLASS_LIST &lv_dropdownlist_class

#define LV_DROPDOWN_PR_NONE 0xFFFF

/**********************
 *  STATIC PROTOTYPES
 **********************/
static lv_obj_t * lv_dropdown_list_create(lv_obj_t * parent);
static void lv_dropdown_constructor(const lv_obj_class_t * class_p, lv_obj_t * obj);
static void lv_dropdown_destructor(const lv_obj_class_t * class_p, lv_obj_t * obj);
static void lv_dropdown_event(const lv_obj_class_t * class_p, lv_event_t * e);
static void lv_dropdownlist_constructor(const lv_obj_class_t * class_p, lv_obj_t * list_obj);
static void lv_dropdownlist_destructor(const lv_obj_class_t * class_p, lv_obj_t * list_obj);
static void lv_dropdown_list_event(const lv_obj_class_t * class_p, lv_event_t * e);

static void draw_main(lv_event_t * e);
static void draw_list(lv_event_t * e);
static void draw_box(lv_obj_t * dropdown_obj, lv_draw_ctx_t * draw_ctx, uint16_t id, lv_state_t state);
static void draw_box_label(lv_obj_t * dropdown_obj, lv_draw_ctx_t * draw_ctx, uint16_t id, lv_state_t state);
static lv_res_t btn_release_handler(lv_obj_t * obj);
static lv_res_t list_release_handler(lv_obj_t * list_obj);
static void list_press_handler(lv_obj_t * list_obj);
static uint16_t get_id_on_point(lv_obj_t * dropdown_obj, lv_coord_t y);
static void position_to_selected(lv_obj_t * obj);
static lv_obj_t * get_label(const lv_obj_t * obj);
static bool get_option_area(lv_obj_t * dropdown_obj, uint16_t id, lv_area_t * area);
static void set_options_internal(lv_obj_t * obj, const char * options, bool is_static);

/**********************
 *  STATIC VARIABLES
 **********************/
const lv_obj_class_t lv_dropdown_class = {
    .constructor_cb = lv_dropdown_constructor,
    .destructor_cb = lv_dropdown_destructor,
    .event_cb = lv_dropdown_event,
    .width_def = LV_DPI_DEF,
    .height_def = LV_SIZE_CONTENT,
    .instance_size = sizeof(lv_dropdown_t),
    .editable = LV_OBJ_CLASS_EDITABLE_TRUE,
    .group_def = LV_OBJ_CLASS_GROUP_DEF_TRUE,
    .base_class = &lv_obj_class
};

const lv_obj_class_t lv_dropdownlist_class = {
    .constructor_cb = lv_dropdownlist_constructor,
    .destructor_cb = lv_dropdownlist_destructor,
    .event_cb = lv_dropdown_list_event,
    .instance_size = sizeof(lv_dropdown_list_t),
    .base_class = &lv_obj_class
};

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

lv_obj_t * lv_dropdown_create(lv_obj_t * parent)
{
    lv_obj_t * obj = lv_obj_class_create_obj(MY_CLASS, parent);
    if(obj == NULL) return NULL;
    lv_obj_class_init_obj(obj);
    return obj;
}

void lv_dropdown_set_text(lv_obj_t * obj, const char * txt)
{
    lv_dropdown_t * dropdown = (lv_dropdown_t *)obj;
    if(dropdown->text == txt) return;
    dropdown->text = txt;
    lv_obj_invalidate(obj);
}

void lv_dropdown_set_options(lv_obj_t * obj, const char * options)
{
    set_options_internal(obj, options, false);
}

void lv_dropdown_set_options_static(lv_obj_t * obj, const char * options)
{
    set_options_internal(obj, options, true);
}

void lv_dropdown_add_option(lv_obj_t * obj, const char * option, uint32_t pos)
{
    LV_ASSERT_NULL(option);
    lv_dropdown_t * dropdown = (lv_dropdown_t *)obj;

    size_t old_len = dropdown->options ? strlen(dropdown->options) : 0;
    size_t ins_len = strlen(option);
    bool was_empty = dropdown->option_cnt == 0;
    char * buf = lv_mem_alloc(old_len + ins_len + 2);
    LV_ASSERT_MALLOC(buf);
    if(buf == NULL) return;

    /*Find the byte where option number `pos` starts*/
    size_t at = old_len;
    if(!was_empty && pos < dropdown->option_cnt) {
        uint32_t line = 0;
        size_t i;
        for(i = 0; i < old_len && line < pos; i++) {
            if(dropdown->options[i] == '\n') line++;
        }
        at = i;
    }

    size_t n = 0;
    if(at > 0) lv_memcpy(buf, dropdown->options, at);
    n = at;
    /*An appended option needs a separator before it, an inserted one after it*/
    if(!was_empty && at == old_len) buf[n++] = '\n';
    lv_memcpy(buf + n, option, ins_len);
    n += ins_len;
    if(!was_empty && at < old_len) buf[n++] = '\n';
    if(at < old_len) lv_memcpy(buf + n, dropdown->options + at, old_len - at);
    n += old_len - at;
    buf[n] = '\0';

    if(!dropdown->static_txt) lv_mem_free(dropdown->options);
    dropdown->options = buf;
    dropdown->static_txt = 0;
    dropdown->option_cnt++;

    if(dropdown->list) lv_label_set_text_static(get_label(obj), dropdown->options);
    lv_obj_invalidate(obj);
}

void lv_dropdown_clear_options(lv_obj_t * obj)
{
    set_options_internal(obj, "", true);
    ((lv_dropdown_t *)obj)->option_cnt = 0;
}

void lv_dropdown_set_selected(lv_obj_t * obj, uint16_t sel_opt)
{
    lv_dropdown_t * dropdown = (lv_dropdown_t *)obj;
    if(dropdown->option_cnt == 0) return;
    if(sel_opt >= dropdown->option_cnt) sel_opt = dropdown->option_cnt - 1;
    if(dropdown->sel_opt_id == sel_opt && dropdown->sel_opt_id_orig == sel_opt) return;

    dropdown->sel_opt_id = sel_opt;
    dropdown->sel_opt_id_orig = sel_opt;
    if(lv_dropdown_is_open(obj)) position_to_selected(obj);
    lv_obj_invalidate(obj);
}

void lv_dropdown_set_dir(lv_obj_t * obj, lv_dir_t dir)
{
    lv_dropdown_t * dropdown = (lv_dropdown_t *)obj;
    if(dropdown->dir == dir) return;
    dropdown->dir = dir;
    lv_obj_invalidate(obj);
}

void lv_dropdown_set_symbol(lv_obj_t * obj, const void * symbol)
{
    lv_dropdown_t * dropdown = (lv_dropdown_t *)obj;
    dropdown->symbol = symbol;
    lv_obj_invalidate(obj);
}

void lv_dropdown_set_selected_highlight(lv_obj_t * obj, bool en)
{
    lv_dropdown_t * dropdown = (lv_dropdown_t *)obj;
    dropdown->selected_highlight = en ? 1 : 0;
    if(dropdown->list && lv_dropdown_is_open(obj)) lv_obj_invalidate(dropdown->list);
}

lv_obj_t * lv_dropdown_get_list(lv_obj_t * obj)
{
    return ((lv_dropdown_t *)obj)->list;
}

const char * lv_dropdown_get_text(lv_obj_t * obj)
{
    return ((lv_dropdown_t *)obj)->text;
}

const char * lv_dropdown_get_options(const lv_obj_t * obj)
{
    const lv_dropdown_t * dropdown = (const lv_dropdown_t *)obj;
    return dropdown->options ? dropdown->options : "";
}

uint16_t lv_dropdown_get_selected(const lv_obj_t * obj)
{
    return ((const lv_dropdown_t *)obj)->sel_opt_id;
}

uint16_t lv_dropdown_get_option_cnt(const lv_obj_t * obj)
{
    return ((const lv_dropdown_t *)obj)->option_cnt;
}

void lv_dropdown_get_selected_str(const lv_obj_t * obj, char * buf, uint32_t buf_size)
{
    const lv_dropdown_t * dropdown = (const lv_dropdown_t *)obj;
    if(buf == NULL) return;
    if(buf_size == 0) buf_size = UINT32_MAX;
    buf[0] = '\0';
    const char * opts = dropdown->options;
    if(opts == NULL || dropdown->option_cnt == 0) return;

    uint32_t line = 0;
    size_t i = 0;
    while(opts[i] != '\0' && line < dropdown->sel_opt_id) {
        if(opts[i] == '\n') line++;
        i++;
    }

    uint32_t c = 0;
    while(opts[i] != '\0' && opts[i] != '\n' && c + 1 < buf_size) {
        buf[c++] = opts[i++];
    }
    buf[c] = '\0';
}

int32_t lv_dropdown_get_option_index(lv_obj_t * obj, const char * option)
{
    const char * opts = lv_dropdown_get_options(obj);
    size_t len = strlen(option);
    int32_t id = 0;
    const char * start = opts;
    while(1) {
        const char * end = strchr(start, '\n');
        size_t n = end ? (size_t)(end - start) : strlen(start);
        if(n == len && strncmp(start, option, len) == 0) return id;
        if(end == NULL) return -1;
        start = end + 1;
        id++;
    }
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

/*
 * Show the list next to the drop-down, as tall as its options (never past the
 * display's edge, flipping to the other side when that side has more room,
 * and never taller than the list's max-height style), scrolled to the
 * selected option.
 */
void lv_dropdown_open(lv_obj_t * dropdown_obj)
{
    lv_dropdown_t * dropdown = (lv_dropdown_t *)dropdown_obj;
    if(dropdown->list == NULL) return;
    lv_obj_t * list = dropdown->list;

    lv_obj_add_state(dropdown_obj, LV_STATE_CHECKED);
    lv_obj_move_to_index(list, -1);
    lv_obj_clear_flag(list, LV_OBJ_FLAG_HIDDEN);

    /*Lets the application style the list just before it is shown*/
    if(lv_event_send(dropdown_obj, LV_EVENT_READY, NULL) != LV_RES_OK) return;
    if(dropdown->list == NULL) return;

    lv_obj_t * label = get_label(dropdown_obj);
    lv_label_set_text_static(label, dropdown->options);
    lv_obj_set_width(list, LV_SIZE_CONTENT);
    lv_obj_update_layout(label);

    if(lv_obj_get_width(list) <= lv_obj_get_width(dropdown_obj) &&
       (dropdown->dir == LV_DIR_TOP || dropdown->dir == LV_DIR_BOTTOM)) {
        lv_obj_set_width(list, lv_obj_get_width(dropdown_obj));
    }

    lv_coord_t label_h = lv_obj_get_height(label);
    lv_coord_t border_w = lv_obj_get_style_border_width(list, LV_PART_MAIN);
    lv_coord_t top = lv_obj_get_style_pad_top(list, LV_PART_MAIN) + border_w;
    lv_coord_t bottom = lv_obj_get_style_pad_bottom(list, LV_PART_MAIN) + border_w;
    lv_coord_t list_fit_h = label_h + top + bottom;
    lv_coord_t list_h = list_fit_h;
    lv_coord_t ver_res = lv_disp_get_ver_res(lv_obj_get_disp(dropdown_obj));

    lv_dir_t dir = dropdown->dir;
    if(dir == LV_DIR_BOTTOM) {
        if(dropdown_obj->coords.y2 + list_h > ver_res) {
            if(dropdown_obj->coords.y1 > ver_res - dropdown_obj->coords.y2) {
                dir = LV_DIR_TOP;
                list_h = dropdown_obj->coords.y1 - 1;
            }
            else {
                list_h = ver_res - dropdown_obj->coords.y2 - 1;
            }
        }
    }
    else if(dir == LV_DIR_TOP) {
        if(dropdown_obj->coords.y1 - list_h < 0) {
            if(dropdown_obj->coords.y1 < ver_res - dropdown_obj->coords.y2) {
                dir = LV_DIR_BOTTOM;
                list_h = ver_res - dropdown_obj->coords.y2;
            }
            else {
                list_h = dropdown_obj->coords.y1;
            }
        }
    }
    if(list_h > list_fit_h) list_h = list_fit_h;
    lv_obj_set_height(list, list_h);

    position_to_selected(dropdown_obj);

    if(dir == LV_DIR_BOTTOM) lv_obj_align_to(list, dropdown_obj, LV_ALIGN_OUT_BOTTOM_LEFT, 0, 0);
    else if(dir == LV_DIR_TOP) lv_obj_align_to(list, dropdown_obj, LV_ALIGN_OUT_TOP_LEFT, 0, 0);
    else if(dir == LV_DIR_LEFT) lv_obj_align_to(list, dropdown_obj, LV_ALIGN_OUT_LEFT_TOP, 0, 0);
    else if(dir == LV_DIR_RIGHT) lv_obj_align_to(list, dropdown_obj, LV_ALIGN_OUT_RIGHT_TOP, 0, 0);

    lv_obj_update_layout(list);

    if(dir == LV_DIR_LEFT || dir == LV_DIR_RIGHT) {
        lv_coord_t y1 = lv_obj_get_y(list);
        lv_coord_t y2 = lv_obj_get_y2(list);
        if(y2 >= ver_res) lv_obj_set_y(list, y1 - (y2 - ver_res) - 1);
    }

    lv_text_align_t align = lv_obj_calculate_style_text_align(label, LV_PART_MAIN, dropdown->options);
    if(align == LV_TEXT_ALIGN_RIGHT) lv_obj_align(label, LV_ALIGN_TOP_RIGHT, 0, 0);
    else if(align == LV_TEXT_ALIGN_CENTER) lv_obj_align(label, LV_ALIGN_TOP_MID, 0, 0);
    else lv_obj_align(label, LV_ALIGN_TOP_LEFT, 0, 0);
}

void lv_dropdown_close(lv_obj_t * obj)
{
    lv_dropdown_t * dropdown = (lv_dropdown_t *)obj;
    lv_obj_clear_state(obj, LV_STATE_CHECKED);
    dropdown->pr_opt_id = LV_DROPDOWN_PR_NONE;
    if(dropdown->list) lv_obj_add_flag(dropdown->list, LV_OBJ_FLAG_HIDDEN);
    lv_event_send(obj, LV_EVENT_CANCEL, NULL);
}

bool lv_dropdown_is_open(lv_obj_t * obj)
{
    lv_dropdown_t * dropdown = (lv_dropdown_t *)obj;
    if(dropdown->list == NULL) return false;
    return !lv_obj_has_flag(dropdown->list, LV_OBJ_FLAG_HIDDEN);
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

static lv_obj_t * lv_dropdown_list_create(lv_obj_t * parent)
{
    lv_obj_t * obj = lv_obj_class_create_obj(&lv_dropdownlist_class, parent);
    if(obj == NULL) return NULL;
    lv_obj_class_init_obj(obj);
    return obj;
}

static void lv_dropdown_constructor(const lv_obj_class_t * class_p, lv_obj_t * obj)
{
    LV_UNUSED(class_p);
    lv_dropdown_t * dropdown = (lv_dropdown_t *)obj;

    dropdown->list = NULL;
    dropdown->options = NULL;
    dropdown->symbol = LV_SYMBOL_DOWN;
    dropdown->text = NULL;
    dropdown->static_txt = 1;
    dropdown->selected_highlight = 1;
    dropdown->sel_opt_id = 0;
    dropdown->sel_opt_id_orig = 0;
    dropdown->pr_opt_id = LV_DROPDOWN_PR_NONE;
    dropdown->option_cnt = 0;
    dropdown->dir = LV_DIR_BOTTOM;

    lv_obj_add_flag(obj, LV_OBJ_FLAG_SCROLL_ON_FOCUS);
    lv_obj_clear_flag(obj, LV_OBJ_FLAG_SCROLLABLE);

    lv_dropdown_set_options_static(obj, "Option 1\nOption 2\nOption 3");

    dropdown->list = lv_dropdown_list_create(lv_disp_get_layer_top(lv_obj_get_disp(obj)));
    if(dropdown->list) {
        ((lv_dropdown_list_t *)dropdown->list)->dropdown = obj;
        lv_label_set_text_static(get_label(obj), dropdown->options);
    }
}

static void lv_dropdown_destructor(const lv_obj_class_t * class_p, lv_obj_t * obj)
{
    LV_UNUSED(class_p);
    lv_dropdown_t * dropdown = (lv_dropdown_t *)obj;

    if(dropdown->list) {
        /*The list's destructor clears dropdown->list*/
        lv_obj_del(dropdown->list);
        dropdown->list = NULL;
    }
    if(!dropdown->static_txt) lv_mem_free(dropdown->options);
    dropdown->options = NULL;
}

static void lv_dropdownlist_constructor(const lv_obj_class_t * class_p, lv_obj_t * list_obj)
{
    LV_UNUSED(class_p);
    /*Not click-focusable: pressing the list must not take the focus away from the drop-down (that closes it)*/
    lv_obj_clear_flag(list_obj, LV_OBJ_FLAG_CLICK_FOCUSABLE);
    lv_obj_add_flag(list_obj, LV_OBJ_FLAG_IGNORE_LAYOUT);
    lv_obj_add_flag(list_obj, LV_OBJ_FLAG_HIDDEN);
    lv_label_create(list_obj);
}

static void lv_dropdownlist_destructor(const lv_obj_class_t * class_p, lv_obj_t * list_obj)
{
    LV_UNUSED(class_p);
    lv_dropdown_list_t * list = (lv_dropdown_list_t *)list_obj;
    lv_obj_t * dropdown_obj = list->dropdown;
    if(dropdown_obj) ((lv_dropdown_t *)dropdown_obj)->list = NULL;
}

static void lv_dropdown_event(const lv_obj_class_t * class_p, lv_event_t * e)
{
    LV_UNUSED(class_p);

    lv_res_t res = lv_obj_event_base(MY_CLASS, e);
    if(res != LV_RES_OK) return;

    lv_event_code_t code = lv_event_get_code(e);
    lv_obj_t * obj = lv_event_get_target(e);
    lv_dropdown_t * dropdown = (lv_dropdown_t *)obj;

    if(code == LV_EVENT_FOCUSED) {
        lv_group_t * g = lv_obj_get_group(obj);
        bool editing = lv_group_get_editing(g);
        lv_indev_t * indev = lv_indev_get_act();
        /*An encoder opens the list when it starts editing and closes it when it goes back to navigating*/
        if(indev && lv_indev_get_type(indev) == LV_INDEV_TYPE_ENCODER) {
            if(editing) lv_dropdown_open(obj);
            else {
                dropdown->sel_opt_id = dropdown->sel_opt_id_orig;
                lv_dropdown_close(obj);
            }
        }
    }
    else if(code == LV_EVENT_DEFOCUSED || code == LV_EVENT_LEAVE) {
        if(lv_dropdown_is_open(obj)) lv_dropdown_close(obj);
    }
    else if(code == LV_EVENT_RELEASED) {
        res = btn_release_handler(obj);
        if(res != LV_RES_OK) return;
    }
    else if(code == LV_EVENT_STYLE_CHANGED) {
        lv_obj_refresh_self_size(obj);
    }
    else if(code == LV_EVENT_SIZE_CHANGED) {
        lv_obj_refresh_self_size(obj);
    }
    else if(code == LV_EVENT_GET_SELF_SIZE) {
        lv_point_t * p = lv_event_get_param(e);
        const lv_font_t * font = lv_obj_get_style_text_font(obj, LV_PART_MAIN);
        p->y = lv_font_get_line_height(font);
    }
    else if(code == LV_EVENT_KEY) {
        uint32_t c = lv_event_get_key(e);
        if(c == LV_KEY_RIGHT || c == LV_KEY_DOWN) {
            if(!lv_dropdown_is_open(obj)) {
                lv_dropdown_open(obj);
            }
            else if(dropdown->sel_opt_id + 1 < dropdown->option_cnt) {
                dropdown->sel_opt_id++;
                position_to_selected(obj);
            }
        }
        else if(c == LV_KEY_LEFT || c == LV_KEY_UP) {
            if(!lv_dropdown_is_open(obj)) {
                lv_dropdown_open(obj);
            }
            else if(dropdown->sel_opt_id > 0) {
                dropdown->sel_opt_id--;
                position_to_selected(obj);
            }
        }
        else if(c == LV_KEY_ESC) {
            dropdown->sel_opt_id = dropdown->sel_opt_id_orig;
            lv_dropdown_close(obj);
        }
        else if(c == LV_KEY_ENTER) {
            /*ENTER of this object's own input device arrives as RELEASED; only one forwarded by another is handled here*/
            if(lv_indev_get_obj_act() != obj) {
                res = btn_release_handler(obj);
                if(res != LV_RES_OK) return;
            }
        }
    }
    else if(code == LV_EVENT_DRAW_MAIN) {
        draw_main(e);
    }
}

static void lv_dropdown_list_event(const lv_obj_class_t * class_p, lv_event_t * e)
{
    LV_UNUSED(class_p);
    lv_res_t res;

    /*The highlight goes above the label (a child), so it is drawn in the post phase, before the scrollbar*/
    lv_event_code_t code = lv_event_get_code(e);
    if(code != LV_EVENT_DRAW_POST) {
        res = lv_obj_event_base(MY_CLASS_LIST, e);
        if(res != LV_RES_OK) return;
    }

    lv_obj_t * list = lv_event_get_target(e);
    lv_obj_t * dropdown_obj = ((lv_dropdown_list_t *)list)->dropdown;
    if(dropdown_obj == NULL) {
        if(code == LV_EVENT_DRAW_POST) lv_obj_event_base(MY_CLASS_LIST, e);
        return;
    }
    lv_dropdown_t * dropdown = (lv_dropdown_t *)dropdown_obj;

    if(code == LV_EVENT_RELEASED) {
        if(lv_indev_get_scroll_obj(lv_indev_get_act()) == NULL) {
            list_release_handler(list);
        }
    }
    else if(code == LV_EVENT_PRESSED) {
        list_press_handler(list);
    }
    else if(code == LV_EVENT_SCROLL_BEGIN) {
        dropdown->pr_opt_id = LV_DROPDOWN_PR_NONE;
        lv_obj_invalidate(list);
    }
    else if(code == LV_EVENT_DRAW_POST) {
        draw_list(e);
        lv_obj_event_base(MY_CLASS_LIST, e);
    }
}

static void set_options_internal(lv_obj_t * obj, const char * options, bool is_static)
{
    LV_ASSERT_NULL(options);
    lv_dropdown_t * dropdown = (lv_dropdown_t *)obj;

    uint16_t cnt = 1;
    size_t len = 0;
    for(len = 0; options[len] != '\0'; len++) {
        if(options[len] == '\n' && cnt < UINT16_MAX) cnt++;
    }

    char * fresh = NULL;
    if(!is_static) {
        fresh = lv_mem_alloc(len + 1);
        LV_ASSERT_MALLOC(fresh);
        if(fresh == NULL) return;
        lv_memcpy(fresh, options, len + 1);
    }

    if(!dropdown->static_txt) lv_mem_free(dropdown->options);
    dropdown->options = is_static ? (char *)options : fresh;
    dropdown->static_txt = is_static ? 1 : 0;
    dropdown->option_cnt = cnt;
    dropdown->sel_opt_id = 0;
    dropdown->sel_opt_id_orig = 0;

    if(dropdown->list) lv_label_set_text_static(get_label(obj), dropdown->options);
    lv_obj_invalidate(obj);
}

/*
 * The closed drop-down: the selected option (or the fixed text) on one side,
 * the symbol on the other; both start at the top padding.
 */
static void draw_main(lv_event_t * e)
{
    lv_obj_t * obj = lv_event_get_target(e);
    lv_dropdown_t * dropdown = (lv_dropdown_t *)obj;
    lv_draw_ctx_t * draw_ctx = lv_event_get_draw_ctx(e);

    lv_coord_t border_w = lv_obj_get_style_border_width(obj, LV_PART_MAIN);
    lv_coord_t left = lv_obj_get_style_pad_left(obj, LV_PART_MAIN) + border_w;
    lv_coord_t right = lv_obj_get_style_pad_right(obj, LV_PART_MAIN) + border_w;
    lv_coord_t top = lv_obj_get_style_pad_top(obj, LV_PART_MAIN) + border_w;

    lv_draw_label_dsc_t symbol_dsc;
    lv_draw_label_dsc_init(&symbol_dsc);
    lv_obj_init_draw_label_dsc(obj, LV_PART_INDICATOR, &symbol_dsc);

    bool symbol_to_left = dropdown->dir == LV_DIR_LEFT ||
                          lv_obj_get_style_base_dir(obj, LV_PART_MAIN) == LV_BASE_DIR_RTL;

    lv_area_t clip;
    if(!_lv_area_intersect(&clip, &obj->coords, draw_ctx->clip_area)) return;
    const lv_area_t * clip_ori = draw_ctx->clip_area;
    draw_ctx->clip_area = &clip;

    if(dropdown->symbol) {
        const char * sym = dropdown->symbol;
        lv_point_t size;
        lv_txt_get_size(&size, sym, symbol_dsc.font, symbol_dsc.letter_space, symbol_dsc.line_space, LV_COORD_MAX,
                        symbol_dsc.flag);
        lv_area_t a;
        if(symbol_to_left) {
            a.x1 = obj->coords.x1 + left;
            a.x2 = a.x1 + size.x - 1;
        }
        else {
            a.x1 = obj->coords.x2 - right - size.x;
            a.x2 = a.x1 + size.x - 1;
        }
        a.y1 = obj->coords.y1 + top;
        a.y2 = a.y1 + size.y - 1;
        lv_draw_label(draw_ctx, &symbol_dsc, &a, sym, NULL);
    }

    lv_draw_label_dsc_t label_dsc;
    lv_draw_label_dsc_init(&label_dsc);
    lv_obj_init_draw_label_dsc(obj, LV_PART_MAIN, &label_dsc);

    char buf[128];
    const char * opt_txt;
    if(dropdown->text) {
        opt_txt = dropdown->text;
    }
    else {
        lv_dropdown_get_selected_str(obj, buf, sizeof(buf));
        opt_txt = buf;
    }

    lv_point_t size;
    lv_txt_get_size(&size, opt_txt, label_dsc.font, label_dsc.letter_space, label_dsc.line_space, LV_COORD_MAX,
                    label_dsc.flag);
    lv_area_t txt_area;
    txt_area.y1 = obj->coords.y1 + top;
    txt_area.y2 = txt_area.y1 + size.y;
    if(dropdown->symbol == NULL) {
        txt_area.x1 = obj->coords.x1 + (lv_obj_get_width(obj) - size.x) / 2;
    }
    else if(symbol_to_left) {
        txt_area.x1 = obj->coords.x2 - right - size.x;
    }
    else {
        txt_area.x1 = obj->coords.x1 + left;
    }
    txt_area.x2 = txt_area.x1 + size.x;
    lv_draw_label(draw_ctx, &label_dsc, &txt_area, opt_txt, NULL);

    draw_ctx->clip_area = clip_ori;
}

static void draw_list(lv_event_t * e)
{
    lv_obj_t * list_obj = lv_event_get_target(e);
    lv_obj_t * dropdown_obj = ((lv_dropdown_list_t *)list_obj)->dropdown;
    lv_dropdown_t * dropdown = (lv_dropdown_t *)dropdown_obj;
    lv_draw_ctx_t * draw_ctx = lv_event_get_draw_ctx(e);

    /*The highlight stays inside the list even if the clip area includes its shadow*/
    lv_area_t clip_core;
    if(!_lv_area_intersect(&clip_core, draw_ctx->clip_area, &list_obj->coords)) return;
    const lv_area_t * clip_ori = draw_ctx->clip_area;
    draw_ctx->clip_area = &clip_core;

    if(dropdown->selected_highlight) {
        if(dropdown->pr_opt_id == dropdown->sel_opt_id) {
            draw_box(dropdown_obj, draw_ctx, dropdown->pr_opt_id, LV_STATE_CHECKED | LV_STATE_PRESSED);
            draw_box_label(dropdown_obj, draw_ctx, dropdown->pr_opt_id, LV_STATE_CHECKED | LV_STATE_PRESSED);
        }
        else {
            draw_box(dropdown_obj, draw_ctx, dropdown->pr_opt_id, LV_STATE_PRESSED);
            draw_box_label(dropdown_obj, draw_ctx, dropdown->pr_opt_id, LV_STATE_PRESSED);
            draw_box(dropdown_obj, draw_ctx, dropdown->sel_opt_id, LV_STATE_CHECKED);
            draw_box_label(dropdown_obj, draw_ctx, dropdown->sel_opt_id, LV_STATE_CHECKED);
        }
    }
    else {
        draw_box(dropdown_obj, draw_ctx, dropdown->pr_opt_id, LV_STATE_PRESSED);
        draw_box_label(dropdown_obj, draw_ctx, dropdown->pr_opt_id, LV_STATE_PRESSED);
    }

    draw_ctx->clip_area = clip_ori;
}

/* The band of option `id` across the list's full width. */
static bool get_option_area(lv_obj_t * dropdown_obj, uint16_t id, lv_area_t * area)
{
    lv_dropdown_t * dropdown = (lv_dropdown_t *)dropdown_obj;
    if(id == LV_DROPDOWN_PR_NONE || id >= dropdown->option_cnt || dropdown->list == NULL) return false;

    lv_obj_t * label = get_label(dropdown_obj);
    if(label == NULL) return false;
    const lv_font_t * font = lv_obj_get_style_text_font(label, LV_PART_MAIN);
    lv_coord_t line_space = lv_obj_get_style_text_line_space(label, LV_PART_MAIN);
    lv_coord_t font_h = lv_font_get_line_height(font);

    area->y1 = label->coords.y1 + id * (font_h + line_space) - line_space / 2;
    area->y2 = area->y1 + font_h + line_space - 1;
    area->x1 = dropdown->list->coords.x1;
    area->x2 = dropdown->list->coords.x2;
    return true;
}

/*
 * The list is drawn in the given state only for the LV_PART_SELECTED
 * descriptor: its real state is put back at once, without transitions.
 */
static void draw_box(lv_obj_t * dropdown_obj, lv_draw_ctx_t * draw_ctx, uint16_t id, lv_state_t state)
{
    lv_area_t rect_area;
    if(!get_option_area(dropdown_obj, id, &rect_area)) return;
    lv_obj_t * list_obj = ((lv_dropdown_t *)dropdown_obj)->list;

    lv_state_t state_ori = list_obj->state;
    if(state != list_obj->state) {
        list_obj->state = state;
        list_obj->skip_trans = 1;
    }

    lv_draw_rect_dsc_t sel_rect;
    lv_draw_rect_dsc_init(&sel_rect);
    lv_obj_init_draw_rect_dsc(list_obj, LV_PART_SELECTED, &sel_rect);

    list_obj->state = state_ori;
    list_obj->skip_trans = 0;

    lv_draw_rect(draw_ctx, &sel_rect, &rect_area);
}

static void draw_box_label(lv_obj_t * dropdown_obj, lv_draw_ctx_t * draw_ctx, uint16_t id, lv_state_t state)
{
    lv_area_t area_sel;
    if(!get_option_area(dropdown_obj, id, &area_sel)) return;
    lv_dropdown_t * dropdown = (lv_dropdown_t *)dropdown_obj;
    lv_obj_t * list_obj = dropdown->list;
    lv_obj_t * label = get_label(dropdown_obj);

    lv_state_t state_orig = list_obj->state;
    if(state != list_obj->state) {
        list_obj->state = state;
        list_obj->skip_trans = 1;
    }

    lv_draw_label_dsc_t label_dsc;
    lv_draw_label_dsc_init(&label_dsc);
    lv_obj_init_draw_label_dsc(list_obj, LV_PART_SELECTED, &label_dsc);
    /*The label's own spacing, so the redrawn text lands exactly on the normal one*/
    label_dsc.font = lv_obj_get_style_text_font(label, LV_PART_MAIN);
    label_dsc.line_space = lv_obj_get_style_text_line_space(label, LV_PART_MAIN);
    label_dsc.letter_space = lv_obj_get_style_text_letter_space(label, LV_PART_MAIN);
    label_dsc.align = lv_obj_calculate_style_text_align(label, LV_PART_MAIN, dropdown->options);

    list_obj->state = state_orig;
    list_obj->skip_trans = 0;

    lv_area_t clip;
    if(_lv_area_intersect(&clip, &area_sel, draw_ctx->clip_area)) {
        const lv_area_t * clip_ori = draw_ctx->clip_area;
        draw_ctx->clip_area = &clip;
        lv_draw_label(draw_ctx, &label_dsc, &label->coords, lv_label_get_text(label), NULL);
        draw_ctx->clip_area = clip_ori;
    }
}

static lv_res_t btn_release_handler(lv_obj_t * obj)
{
    lv_dropdown_t * dropdown = (lv_dropdown_t *)obj;
    lv_indev_t * indev = lv_indev_get_act();
    /*A release that ends a scroll is not a click*/
    if(indev && lv_indev_get_scroll_obj(indev) != NULL) {
        dropdown->sel_opt_id = dropdown->sel_opt_id_orig;
        lv_obj_invalidate(obj);
        return LV_RES_OK;
    }

    if(lv_dropdown_is_open(obj)) {
        lv_dropdown_close(obj);
        if(dropdown->sel_opt_id_orig != dropdown->sel_opt_id) {
            dropdown->sel_opt_id_orig = dropdown->sel_opt_id;
            uint32_t id = dropdown->sel_opt_id;
            lv_res_t res = lv_event_send(obj, LV_EVENT_VALUE_CHANGED, &id);
            if(res != LV_RES_OK) return res;
        }
        lv_obj_invalidate(obj);
    }
    else {
        lv_dropdown_open(obj);
    }
    return LV_RES_OK;
}

/*
 * A release on the list chooses the option under the pointer (keypads and
 * encoders have moved the selection already), closes the list and reports
 * the choice, also when it is the option that was selected before.
 */
static lv_res_t list_release_handler(lv_obj_t * list_obj)
{
    lv_obj_t * dropdown_obj = ((lv_dropdown_list_t *)list_obj)->dropdown;
    lv_dropdown_t * dropdown = (lv_dropdown_t *)dropdown_obj;
    lv_indev_t * indev = lv_indev_get_act();

    if(indev && lv_indev_get_type(indev) == LV_INDEV_TYPE_ENCODER) {
        lv_group_t * g = lv_obj_get_group(dropdown_obj);
        if(lv_group_get_editing(g)) lv_group_set_editing(g, false);
    }

    if(indev && (lv_indev_get_type(indev) == LV_INDEV_TYPE_POINTER ||
                 lv_indev_get_type(indev) == LV_INDEV_TYPE_BUTTON)) {
        lv_point_t p;
        lv_indev_get_point(indev, &p);
        dropdown->sel_opt_id = get_id_on_point(dropdown_obj, p.y);
        dropdown->sel_opt_id_orig = dropdown->sel_opt_id;
    }

    lv_dropdown_close(dropdown_obj);
    lv_obj_invalidate(dropdown_obj);

    uint32_t id = dropdown->sel_opt_id;
    return lv_event_send(dropdown_obj, LV_EVENT_VALUE_CHANGED, &id);
}

static void list_press_handler(lv_obj_t * list_obj)
{
    lv_obj_t * dropdown_obj = ((lv_dropdown_list_t *)list_obj)->dropdown;
    lv_dropdown_t * dropdown = (lv_dropdown_t *)dropdown_obj;
    lv_indev_t * indev = lv_indev_get_act();
    if(indev && (lv_indev_get_type(indev) == LV_INDEV_TYPE_POINTER ||
                 lv_indev_get_type(indev) == LV_INDEV_TYPE_BUTTON)) {
        lv_point_t p;
        lv_indev_get_point(indev, &p);
        dropdown->pr_opt_id = get_id_on_point(dropdown_obj, p.y);
        lv_obj_invalidate(list_obj);
    }
}

/* The option at screen row y: option bands are centred on their text lines. */
static uint16_t get_id_on_point(lv_obj_t * dropdown_obj, lv_coord_t y)
{
    lv_dropdown_t * dropdown = (lv_dropdown_t *)dropdown_obj;
    lv_obj_t * label = get_label(dropdown_obj);
    if(label == NULL || dropdown->option_cnt == 0) return 0;

    const lv_font_t * font = lv_obj_get_style_text_font(label, LV_PART_MAIN);
    lv_coord_t font_h = lv_font_get_line_height(font);
    lv_coord_t line_space = lv_obj_get_style_text_line_space(label, LV_PART_MAIN);
    lv_coord_t h = font_h + line_space;
    if(h <= 0) return 0;

    y -= label->coords.y1;
    y += line_space / 2;
    if(y < 0) return 0;
    uint32_t opt = (uint32_t)(y / h);
    if(opt >= dropdown->option_cnt) opt = dropdown->option_cnt - 1u;
    return (uint16_t)opt;
}

static void position_to_selected(lv_obj_t * dropdown_obj)
{
    lv_dropdown_t * dropdown = (lv_dropdown_t *)dropdown_obj;
    lv_obj_t * label = get_label(dropdown_obj);
    if(label == NULL) return;
    if(lv_obj_get_height(label) <= lv_obj_get_content_height(dropdown->list)) return;

    const lv_font_t * font = lv_obj_get_style_text_font(label, LV_PART_MAIN);
    lv_coord_t font_h = lv_font_get_line_height(font);
    lv_coord_t line_space = lv_obj_get_style_text_line_space(label, LV_PART_MAIN);
    lv_coord_t line_y1 = dropdown->sel_opt_id * (font_h + line_space);
    lv_obj_scroll_to_y(dropdown->list, line_y1, LV_ANIM_OFF);
    lv_obj_invalidate(dropdown->list);
}

static lv_obj_t * get_label(const lv_obj_t * obj)
{
    const lv_dropdown_t * dropdown = (const lv_dropdown_t *)obj;
    if(dropdown->list == NULL) return NULL;
    return lv_obj_get_child(dropdown->list, 0);
}

#endif /*LV_USE_DROPDOWN*/
