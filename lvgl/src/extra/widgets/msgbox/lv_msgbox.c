/**
 * @file lv_msgbox.c
 * Message box. The box wraps its parts in a flex row: the title grows to
 * push the close button to the right, the content (holding the text) and
 * the button row take whole lines below.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_msgbox.h"
#if LV_USE_MSGBOX

#include <string.h>
#include "../../layouts/flex/lv_flex.h"
#include "../../../core/lv_disp.h"
#include "../../../widgets/lv_btn.h"
#include "../../../widgets/lv_label.h"
#include "../../../font/lv_symbol_def.h"

/*********************
 *      DEFINES
 *********************/
#define MSGBOX_BTN_NONE 0xFFFF

/**********************
 *  STATIC PROTOTYPES
 **********************/
static void msgbox_close_click_event_cb(lv_event_t * e);
static void msgbox_btn_click_event_cb(lv_event_t * e);

/**********************
 *  STATIC VARIABLES
 **********************/
const lv_obj_class_t lv_msgbox_class = {
    .base_class = &lv_obj_class,
    .width_def = LV_DPI_DEF * 2,
    .height_def = LV_SIZE_CONTENT,
    .instance_size = sizeof(lv_msgbox_t)
};

const lv_obj_class_t lv_msgbox_content_class = {
    .base_class = &lv_obj_class,
    .width_def = LV_PCT(100),
    .height_def = LV_SIZE_CONTENT,
    .instance_size = sizeof(lv_obj_t)
};

const lv_obj_class_t lv_msgbox_backdrop_class = {
    .base_class = &lv_obj_class,
    .width_def = LV_PCT(100),
    .height_def = LV_PCT(100),
    .instance_size = sizeof(lv_obj_t)
};

const lv_obj_class_t lv_msgbox_btns_class = {
    .base_class = &lv_obj_class,
    .width_def = LV_PCT(100),
    .height_def = LV_SIZE_CONTENT,
    .instance_size = sizeof(lv_obj_t)
};

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

lv_obj_t * lv_msgbox_create(lv_obj_t * parent, const char * title, const char * txt, const char * btn_txts[],
                            bool add_close_btn)
{
    bool auto_parent = false;
    if(parent == NULL) {
        auto_parent = true;
        parent = lv_obj_class_create_obj(&lv_msgbox_backdrop_class, lv_layer_top());
        if(parent == NULL) return NULL;
        lv_obj_class_init_obj(parent);
        lv_obj_clear_flag(parent, LV_OBJ_FLAG_IGNORE_LAYOUT);
        lv_obj_set_size(parent, LV_PCT(100), LV_PCT(100));
    }

    lv_obj_t * obj = lv_obj_class_create_obj(&lv_msgbox_class, parent);
    if(obj == NULL) {
        if(auto_parent) lv_obj_del(parent);
        return NULL;
    }
    lv_obj_class_init_obj(obj);
    lv_msgbox_t * mbox = (lv_msgbox_t *)obj;
    mbox->active_btn = MSGBOX_BTN_NONE;

    if(auto_parent) lv_obj_add_flag(obj, LV_MSGBOX_FLAG_AUTO_PARENT);

    lv_obj_set_size(obj, LV_DPI_DEF * 2, LV_SIZE_CONTENT);
    lv_obj_set_flex_flow(obj, LV_FLEX_FLOW_ROW_WRAP);
    lv_obj_set_flex_align(obj, LV_FLEX_ALIGN_START, LV_FLEX_ALIGN_CENTER, LV_FLEX_ALIGN_START);
    lv_obj_center(obj);

    /*The close button sits on the title's line, so a title (maybe empty) is needed for it*/
    bool has_title = (title && title[0] != '\0') || add_close_btn;
    if(has_title) {
        mbox->title = lv_label_create(obj);
        lv_label_set_text(mbox->title, title ? title : "");
        lv_label_set_long_mode(mbox->title, LV_LABEL_LONG_SCROLL_CIRCULAR);
        if(add_close_btn) lv_obj_set_flex_grow(mbox->title, 1);
        else lv_obj_set_width(mbox->title, LV_PCT(100));
    }

    if(add_close_btn) {
        mbox->close_btn = lv_btn_create(obj);
        lv_obj_set_ext_click_area(mbox->close_btn, lv_obj_dpx(obj, 10));
        lv_obj_add_event_cb(mbox->close_btn, msgbox_close_click_event_cb, LV_EVENT_CLICKED, NULL);
        lv_obj_t * label = lv_label_create(mbox->close_btn);
        lv_label_set_text(label, LV_SYMBOL_CLOSE);
        const lv_font_t * font = lv_obj_get_style_text_font(mbox->close_btn, LV_PART_MAIN);
        lv_coord_t close_btn_size = lv_font_get_line_height(font) + lv_obj_dpx(obj, 10);
        lv_obj_set_size(mbox->close_btn, close_btn_size, close_btn_size);
        lv_obj_align(label, LV_ALIGN_CENTER, 0, 0);
    }

    mbox->content = lv_obj_class_create_obj(&lv_msgbox_content_class, obj);
    if(mbox->content == NULL) return obj;
    lv_obj_class_init_obj(mbox->content);

    if(txt && txt[0] != '\0') {
        mbox->text = lv_label_create(mbox->content);
        lv_label_set_text(mbox->text, txt);
        lv_label_set_long_mode(mbox->text, LV_LABEL_LONG_WRAP);
        lv_obj_set_width(mbox->text, LV_PCT(100));
    }

    uint32_t btn_cnt = 0;
    if(btn_txts) {
        while(btn_txts[btn_cnt] && btn_txts[btn_cnt][0] != '\0') btn_cnt++;
    }

    if(btn_cnt > 0) {
        mbox->btns = lv_obj_class_create_obj(&lv_msgbox_btns_class, obj);
        if(mbox->btns == NULL) return obj;
        lv_obj_class_init_obj(mbox->btns);
        lv_obj_clear_flag(mbox->btns, LV_OBJ_FLAG_SCROLLABLE);
        lv_obj_clear_flag(mbox->btns, LV_OBJ_FLAG_CLICK_FOCUSABLE);
        lv_obj_set_flex_flow(mbox->btns, LV_FLEX_FLOW_ROW);
        lv_obj_set_flex_align(mbox->btns, LV_FLEX_ALIGN_END, LV_FLEX_ALIGN_CENTER, LV_FLEX_ALIGN_CENTER);
        /*A click on a button arrives on the box as LV_EVENT_VALUE_CHANGED*/
        lv_obj_add_flag(mbox->btns, LV_OBJ_FLAG_EVENT_BUBBLE);

        /*Sized like a button matrix row: two thirds of an inch per button, a text line high*/
        const lv_font_t * font = lv_obj_get_style_text_font(mbox->btns, LV_PART_MAIN);
        lv_coord_t btn_h = lv_font_get_line_height(font) + LV_DPI_DEF / 10;
        lv_obj_set_size(mbox->btns, (lv_coord_t)(btn_cnt * (2 * LV_DPI_DEF / 3)), btn_h);
        lv_obj_set_style_max_width(mbox->btns, LV_PCT(100), 0);

        uint32_t i;
        for(i = 0; i < btn_cnt; i++) {
            lv_obj_t * btn = lv_btn_create(mbox->btns);
            lv_obj_set_height(btn, LV_PCT(100));
            lv_obj_set_flex_grow(btn, 1);
            lv_obj_set_style_pad_all(btn, 0, 0);
            lv_obj_add_event_cb(btn, msgbox_btn_click_event_cb, LV_EVENT_CLICKED, NULL);
            lv_obj_t * label = lv_label_create(btn);
            lv_label_set_text(label, btn_txts[i]);
            lv_obj_center(label);
        }
    }

    return obj;
}

lv_obj_t * lv_msgbox_get_title(lv_obj_t * obj)
{
    return ((lv_msgbox_t *)obj)->title;
}

lv_obj_t * lv_msgbox_get_close_btn(lv_obj_t * obj)
{
    return ((lv_msgbox_t *)obj)->close_btn;
}

lv_obj_t * lv_msgbox_get_text(lv_obj_t * obj)
{
    return ((lv_msgbox_t *)obj)->text;
}

lv_obj_t * lv_msgbox_get_content(lv_obj_t * obj)
{
    return ((lv_msgbox_t *)obj)->content;
}

lv_obj_t * lv_msgbox_get_btns(lv_obj_t * obj)
{
    return ((lv_msgbox_t *)obj)->btns;
}

uint16_t lv_msgbox_get_active_btn(lv_obj_t * mbox)
{
    return ((lv_msgbox_t *)mbox)->active_btn;
}

const char * lv_msgbox_get_active_btn_text(lv_obj_t * mbox)
{
    lv_msgbox_t * m = (lv_msgbox_t *)mbox;
    if(m->btns == NULL || m->active_btn == MSGBOX_BTN_NONE) return NULL;
    lv_obj_t * btn = lv_obj_get_child(m->btns, m->active_btn);
    lv_obj_t * label = btn ? lv_obj_get_child(btn, 0) : NULL;
    return label ? lv_label_get_text(label) : NULL;
}

void lv_msgbox_close(lv_obj_t * mbox)
{
    if(lv_obj_has_flag(mbox, LV_MSGBOX_FLAG_AUTO_PARENT)) lv_obj_del(lv_obj_get_parent(mbox));
    else lv_obj_del(mbox);
}

void lv_msgbox_close_async(lv_obj_t * mbox)
{
    if(lv_obj_has_flag(mbox, LV_MSGBOX_FLAG_AUTO_PARENT)) lv_obj_del_async(lv_obj_get_parent(mbox));
    else lv_obj_del_async(mbox);
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

static void msgbox_close_click_event_cb(lv_event_t * e)
{
    lv_obj_t * btn = lv_event_get_target(e);
    lv_obj_t * mbox = lv_obj_get_parent(btn);
    lv_msgbox_close(mbox);
}

static void msgbox_btn_click_event_cb(lv_event_t * e)
{
    lv_obj_t * btn = lv_event_get_target(e);
    lv_obj_t * btns = lv_obj_get_parent(btn);
    lv_obj_t * mbox = lv_obj_get_parent(btns);
    ((lv_msgbox_t *)mbox)->active_btn = (uint16_t)lv_obj_get_index(btn);
    lv_event_send(btns, LV_EVENT_VALUE_CHANGED, NULL);
}

#endif /*LV_USE_MSGBOX*/
