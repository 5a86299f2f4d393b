/**
 * @file lv_msgbox.c
 * Message box. The box is a wrapping flex row, so its parts fall into lines
 * by themselves: the title (growing, which pushes the close button to the
 * end of the first line), then the content holding the text, then the row
 * of buttons. The buttons are real buttons in a row object rather than a
 * button matrix; a click on one is reported on the row, and the row lets
 * that event bubble up to the box.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_msgbox.h"
#if LV_USE_MSGBOX

#include "../../layouts/flex/lv_flex.h"
#include "../../../core/lv_disp.h"
#include "../../../widgets/lv_btn.h"
#include "../../../widgets/lv_label.h"
#include "../../../font/lv_symbol_def.h"

/*********************
 *      DEFINES
 *********************/
#define NO_ACTIVE_BTN 0xFFFFu

/**********************
 *  STATIC PROTOTYPES
 **********************/
static lv_obj_t * spawn(const lv_obj_class_t * cls, lv_obj_t * parent);
static lv_msgbox_t * as_mbox(lv_obj_t * obj);
static void add_header(lv_msgbox_t * m, const char * title, bool closable);
static void add_body(lv_msgbox_t * m, const char * txt);
static void add_buttons(lv_msgbox_t * m, const char * btn_txts[]);
static void on_close_clicked(lv_event_t * e);
static void on_btn_clicked(lv_event_t * e);

/**********************
 *  STATIC VARIABLES
 **********************/
const lv_obj_class_t lv_msgbox_class = {
    .width_def = 2 * LV_DPI_DEF,
    .height_def = LV_SIZE_CONTENT,
    .instance_size = sizeof(lv_msgbox_t),
    .base_class = &lv_obj_class
};

/* The parts below are plain objects; their own classes let the theme style them. */
const lv_obj_class_t lv_msgbox_content_class = {
    .width_def = LV_PCT(100),
    .height_def = LV_SIZE_CONTENT,
    .instance_size = sizeof(lv_obj_t),
    .base_class = &lv_obj_class
};

const lv_obj_class_t lv_msgbox_backdrop_class = {
    .width_def = LV_PCT(100),
    .height_def = LV_PCT(100),
    .instance_size = sizeof(lv_obj_t),
    .base_class = &lv_obj_class
};

const lv_obj_class_t lv_msgbox_btns_class = {
    .width_def = LV_PCT(100),
    .height_def = LV_SIZE_CONTENT,
    .instance_size = sizeof(lv_obj_t),
    .base_class = &lv_obj_class
};

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

/*
 * Without a parent the box is modal: it sits on a full-screen backdrop on
 * the top layer, which swallows clicks meant for the screen below and is
 * deleted together with the box.
 */
lv_obj_t * lv_msgbox_create(lv_obj_t * parent, const char * title, const char * txt, const char * btn_txts[],
                            bool add_close_btn)
{
    lv_obj_t * backdrop = NULL;
    if(parent == NULL) {
        backdrop = spawn(&lv_msgbox_backdrop_class, lv_layer_top());
        if(backdrop == NULL) return NULL;
        lv_obj_clear_flag(backdrop, LV_OBJ_FLAG_IGNORE_LAYOUT);
        parent = backdrop;
    }

    lv_obj_t * box = spawn(&lv_msgbox_class, parent);
    if(box == NULL) {
        if(backdrop != NULL) lv_obj_del(backdrop);
        return NULL;
    }
    if(backdrop != NULL) lv_obj_add_flag(box, LV_MSGBOX_FLAG_AUTO_PARENT);

    lv_msgbox_t * m = as_mbox(box);
    m->active_btn = NO_ACTIVE_BTN;
    lv_obj_set_flex_flow(box, LV_FLEX_FLOW_ROW_WRAP);
    lv_obj_set_flex_align(box, LV_FLEX_ALIGN_START, LV_FLEX_ALIGN_CENTER, LV_FLEX_ALIGN_START);
    lv_obj_center(box);

    add_header(m, title, add_close_btn);
    add_body(m, txt);
    add_buttons(m, btn_txts);
    return box;
}

lv_obj_t * lv_msgbox_get_title(lv_obj_t * obj)
{
    return as_mbox(obj)->title;
}

lv_obj_t * lv_msgbox_get_close_btn(lv_obj_t * obj)
{
    return as_mbox(obj)->close_btn;
}

lv_obj_t * lv_msgbox_get_text(lv_obj_t * obj)
{
    return as_mbox(obj)->text;
}

lv_obj_t * lv_msgbox_get_content(lv_obj_t * obj)
{
    return as_mbox(obj)->content;
}

lv_obj_t * lv_msgbox_get_btns(lv_obj_t * obj)
{
    return as_mbox(obj)->btns;
}

uint16_t lv_msgbox_get_active_btn(lv_obj_t * mbox)
{
    return as_mbox(mbox)->active_btn;
}

const char * lv_msgbox_get_active_btn_text(lv_obj_t * mbox)
{
    lv_msgbox_t * m = as_mbox(mbox);
    if(m->btns == NULL || m->active_btn == NO_ACTIVE_BTN) return NULL;

    lv_obj_t * btn = lv_obj_get_child(m->btns, (int32_t)m->active_btn);
    lv_obj_t * caption = btn != NULL ? lv_obj_get_child(btn, 0) : NULL;
    return caption != NULL ? lv_label_get_text(caption) : NULL;
}

void lv_msgbox_close(lv_obj_t * mbox)
{
    bool on_backdrop = lv_obj_has_flag(mbox, LV_MSGBOX_FLAG_AUTO_PARENT);
    lv_obj_del(on_backdrop ? lv_obj_get_parent(mbox) : mbox);
}

void lv_msgbox_close_async(lv_obj_t * mbox)
{
    bool on_backdrop = lv_obj_has_flag(mbox, LV_MSGBOX_FLAG_AUTO_PARENT);
    lv_obj_del_async(on_backdrop ? lv_obj_get_parent(mbox) : mbox);
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

static lv_obj_t * spawn(const lv_obj_class_t * cls, lv_obj_t * parent)
{
    lv_obj_t * o = lv_obj_class_create_obj(cls, parent);
    if(o != NULL) lv_obj_class_init_obj(o);
    return o;
}

static lv_msgbox_t * as_mbox(lv_obj_t * obj)
{
    return (lv_msgbox_t *)obj;
}

/*
 * First line: the title and the close button. A close button needs the
 * title label even when there is no title text, because the growing title
 * is what keeps the button at the right end. Without a close button the
 * title takes the whole line.
 */
static void add_header(lv_msgbox_t * m, const char * title, bool closable)
{
    lv_obj_t * box = &m->obj;
    bool has_text = title != NULL && title[0] != '\0';
    if(has_text || closable) {
        m->title = lv_label_create(box);
        lv_label_set_text(m->title, has_text ? title : "");
        lv_label_set_long_mode(m->title, LV_LABEL_LONG_SCROLL_CIRCULAR);
        if(closable) lv_obj_set_flex_grow(m->title, 1);
        else lv_obj_set_width(m->title, LV_PCT(100));
    }
    if(!closable) return;

    /*A square of one text line plus a margin; the click area reaches a bit further for fingers*/
    m->close_btn = lv_btn_create(box);
    lv_obj_t * cross = lv_label_create(m->close_btn);
    lv_label_set_text(cross, LV_SYMBOL_CLOSE);
    lv_obj_align(cross, LV_ALIGN_CENTER, 0, 0);
    const lv_font_t * font = lv_obj_get_style_text_font(m->close_btn, LV_PART_MAIN);
    lv_coord_t side = (lv_coord_t)(lv_font_get_line_height(font) + lv_obj_dpx(box, 10));
    lv_obj_set_size(m->close_btn, side, side);
    lv_obj_set_ext_click_area(m->close_btn, lv_obj_dpx(box, 10));
    lv_obj_add_event_cb(m->close_btn, on_close_clicked, LV_EVENT_CLICKED, NULL);
}

/* The content object is always there (applications add to it); the text label only with a text. */
static void add_body(lv_msgbox_t * m, const char * txt)
{
    m->content = spawn(&lv_msgbox_content_class, &m->obj);
    if(m->content == NULL || txt == NULL || txt[0] == '\0') return;

    m->text = lv_label_create(m->content);
    lv_label_set_text(m->text, txt);
    lv_label_set_long_mode(m->text, LV_LABEL_LONG_WRAP);
    lv_obj_set_width(m->text, LV_PCT(100));
}

/*
 * The button row, only if the list (ended by "" or NULL) names a button.
 * It is sized as a button matrix would be: two thirds of an inch per button
 * (at most the box's width) and one text line plus a margin high, the
 * buttons sharing its width evenly.
 */
static void add_buttons(lv_msgbox_t * m, const char * btn_txts[])
{
    uint32_t cnt = 0;
    while(btn_txts != NULL && btn_txts[cnt] != NULL && btn_txts[cnt][0] != '\0') cnt++;
    if(cnt == 0) return;

    lv_obj_t * row = spawn(&lv_msgbox_btns_class, &m->obj);
    if(row == NULL) return;
    m->btns = row;
    lv_obj_clear_flag(row, LV_OBJ_FLAG_SCROLLABLE);
    lv_obj_clear_flag(row, LV_OBJ_FLAG_CLICK_FOCUSABLE);
    lv_obj_add_flag(row, LV_OBJ_FLAG_EVENT_BUBBLE);
    lv_obj_set_flex_flow(row, LV_FLEX_FLOW_ROW);
    lv_obj_set_flex_align(row, LV_FLEX_ALIGN_END, LV_FLEX_ALIGN_CENTER, LV_FLEX_ALIGN_CENTER);

    const lv_font_t * font = lv_obj_get_style_text_font(row, LV_PART_MAIN);
    lv_coord_t row_h = (lv_coord_t)(lv_font_get_line_height(font) + LV_DPI_DEF / 10);
    lv_obj_set_size(row, (lv_coord_t)(cnt * (2 * LV_DPI_DEF / 3)), row_h);
    lv_obj_set_style_max_width(row, LV_PCT(100), 0);

    for(uint32_t i = 0; i < cnt; i++) {
        lv_obj_t * btn = lv_btn_create(row);
        lv_obj_set_height(btn, LV_PCT(100));
        lv_obj_set_flex_grow(btn, 1);
        lv_obj_set_style_pad_all(btn, 0, 0);
        lv_obj_add_event_cb(btn, on_btn_clicked, LV_EVENT_CLICKED, NULL);
        lv_obj_t * caption = lv_label_create(btn);
        lv_label_set_text(caption, btn_txts[i]);
        lv_obj_center(caption);
    }
}

/* Deleting from inside the button's own click is fine: the event loop checks for it. */
static void on_close_clicked(lv_event_t * e)
{
    lv_obj_t * box = lv_obj_get_parent(lv_event_get_target(e));
    lv_msgbox_close(box);
}

static void on_btn_clicked(lv_event_t * e)
{
    lv_obj_t * btn = lv_event_get_target(e);
    lv_obj_t * row = lv_obj_get_parent(btn);
    as_mbox(lv_obj_get_parent(row))->active_btn = (uint16_t)lv_obj_get_index(btn);
    lv_event_send(row, LV_EVENT_VALUE_CHANGED, NULL);
}

#endif /*LV_USE_MSGBOX*/
