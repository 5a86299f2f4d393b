/**
 * @file lv_tabview.c
 * Tab view. The tab buttons are ordinary buttons (one group member each, so
 * keys move between tabs and ENTER opens one) in a flex row; the pages sit
 * side by side in a content container that snaps one page at a time, so a
 * swipe ends on a page boundary and its scroll-end picks the tab.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_tabview.h"
#if LV_USE_TABVIEW

#include "../../layouts/flex/lv_flex.h"
#include "../../../core/lv_indev.h"
#include "../../../widgets/lv_btn.h"
#include "../../../widgets/lv_label.h"

/*********************
 *      DEFINES
 *********************/
#define MY_CLASS &lv_tabview_class

/**********************
 *  STATIC PROTOTYPES
 **********************/
static void lv_tabview_constructor(const lv_obj_class_t * class_p, lv_obj_t * obj);
static void lv_tabview_event(const lv_obj_class_t * class_p, lv_event_t * e);
static void tab_btn_clicked_cb(lv_event_t * e);
static void cont_scroll_end_event_cb(lv_event_t * e);
static bool is_horizontal(const lv_tabview_t * tabview);

/**********************
 *  STATIC VARIABLES
 **********************/
const lv_obj_class_t lv_tabview_class = {
    .constructor_cb = lv_tabview_constructor,
    .event_cb = lv_tabview_event,
    .width_def = LV_PCT(100),
    .height_def = LV_PCT(100),
    .base_class = &lv_obj_class,
    .instance_size = sizeof(lv_tabview_t)
};

const lv_obj_class_t lv_tabview_btns_class = {
    .base_class = &lv_obj_class,
    .width_def = LV_PCT(100),
    .height_def = LV_SIZE_CONTENT,
};

const lv_obj_class_t lv_tabview_btn_class = {
    .base_class = &lv_btn_class,
    .width_def = LV_SIZE_CONTENT,
    .height_def = LV_PCT(100),
};

/*The constructor cannot take arguments: lv_tabview_create parks them here*/
static lv_dir_t tabpos_create;
static lv_coord_t tabsize_create;

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

lv_obj_t * lv_tabview_create(lv_obj_t * parent, lv_dir_t tab_pos, lv_coord_t tab_size)
{
    tabpos_create = tab_pos;
    tabsize_create = tab_size;
    lv_obj_t * obj = lv_obj_class_create_obj(MY_CLASS, parent);
    if(obj == NULL) return NULL;
    lv_obj_class_init_obj(obj);
    return obj;
}

lv_obj_t * lv_tabview_add_tab(lv_obj_t * obj, const char * name)
{
    lv_tabview_t * tabview = (lv_tabview_t *)obj;
    lv_obj_t * cont = lv_tabview_get_content(obj);
    lv_obj_t * btns = lv_tabview_get_tab_btns(obj);
    if(cont == NULL || btns == NULL) return NULL;

    lv_obj_t * page = lv_obj_create(cont);
    if(page == NULL) return NULL;
    lv_obj_set_size(page, LV_PCT(100), LV_PCT(100));
    lv_obj_clear_flag(page, LV_OBJ_FLAG_CLICK_FOCUSABLE);

    lv_obj_t * btn = lv_obj_class_create_obj(&lv_tabview_btn_class, btns);
    if(btn == NULL) {
        lv_obj_del(page);
        return NULL;
    }
    lv_obj_class_init_obj(btn);
    lv_obj_set_flex_grow(btn, 1);
    if(is_horizontal(tabview)) lv_obj_set_height(btn, LV_PCT(100));
    else lv_obj_set_size(btn, LV_PCT(100), LV_SIZE_CONTENT);
    lv_obj_add_event_cb(btn, tab_btn_clicked_cb, LV_EVENT_CLICKED, NULL);

    lv_obj_t * label = lv_label_create(btn);
    lv_label_set_text(label, name ? name : "");
    lv_obj_center(label);

    tabview->tab_cnt++;
    if(tabview->tab_cnt == 1) lv_tabview_set_act(obj, 0, LV_ANIM_OFF);
    return page;
}

void lv_tabview_rename_tab(lv_obj_t * obj, uint32_t tab_id, const char * new_name)
{
    lv_tabview_t * tabview = (lv_tabview_t *)obj;
    if(tab_id >= tabview->tab_cnt) return;
    lv_obj_t * btn = lv_obj_get_child(lv_tabview_get_tab_btns(obj), (int32_t)tab_id);
    lv_obj_t * label = btn ? lv_obj_get_child(btn, 0) : NULL;
    if(label) lv_label_set_text(label, new_name ? new_name : "");
}

lv_obj_t * lv_tabview_get_content(lv_obj_t * tv)
{
    lv_tabview_t * tabview = (lv_tabview_t *)tv;
    /*The buttons come first in the tree for top/left, the content first for bottom/right*/
    bool btns_first = tabview->tab_pos == LV_DIR_TOP || tabview->tab_pos == LV_DIR_LEFT;
    return lv_obj_get_child(tv, btns_first ? 1 : 0);
}

lv_obj_t * lv_tabview_get_tab_btns(lv_obj_t * tv)
{
    lv_tabview_t * tabview = (lv_tabview_t *)tv;
    bool btns_first = tabview->tab_pos == LV_DIR_TOP || tabview->tab_pos == LV_DIR_LEFT;
    return lv_obj_get_child(tv, btns_first ? 0 : 1);
}

void lv_tabview_set_act(lv_obj_t * obj, uint32_t id, lv_anim_enable_t anim_en)
{
    lv_tabview_t * tabview = (lv_tabview_t *)obj;
    if(tabview->tab_cnt == 0) return;
    if(id >= tabview->tab_cnt) id = tabview->tab_cnt - 1u;

    lv_obj_update_layout(obj);

    lv_obj_t * cont = lv_tabview_get_content(obj);
    if(cont == NULL) return;

    if(is_horizontal(tabview)) {
        lv_coord_t gap = lv_obj_get_style_pad_column(cont, LV_PART_MAIN);
        lv_coord_t w = lv_obj_get_content_width(cont);
        if(lv_obj_get_style_base_dir(obj, LV_PART_MAIN) == LV_BASE_DIR_RTL) {
            lv_obj_scroll_to_x(cont, -(lv_coord_t)id * (gap + w), anim_en);
        }
        else {
            lv_obj_scroll_to_x(cont, (lv_coord_t)id * (gap + w), anim_en);
        }
    }
    else {
        lv_coord_t gap = lv_obj_get_style_pad_row(cont, LV_PART_MAIN);
        lv_coord_t h = lv_obj_get_content_height(cont);
        lv_obj_scroll_to_y(cont, (lv_coord_t)id * (gap + h), anim_en);
    }

    lv_obj_t * btns = lv_tabview_get_tab_btns(obj);
    uint32_t i;
    for(i = 0; i < lv_obj_get_child_cnt(btns); i++) {
        lv_obj_t * btn = lv_obj_get_child(btns, (int32_t)i);
        if(i == id) lv_obj_add_state(btn, LV_STATE_CHECKED);
        else lv_obj_clear_state(btn, LV_STATE_CHECKED);
    }

    tabview->tab_cur = (uint16_t)id;
}

uint16_t lv_tabview_get_tab_act(lv_obj_t * tv)
{
    return ((lv_tabview_t *)tv)->tab_cur;
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

static bool is_horizontal(const lv_tabview_t * tabview)
{
    return tabview->tab_pos == LV_DIR_TOP || tabview->tab_pos == LV_DIR_BOTTOM;
}

static void lv_tabview_constructor(const lv_obj_class_t * class_p, lv_obj_t * obj)
{
    LV_UNUSED(class_p);
    lv_tabview_t * tabview = (lv_tabview_t *)obj;

    tabview->tab_pos = tabpos_create;
    tabview->tab_cnt = 0;
    tabview->tab_cur = 0;
    tabview->map = NULL;

    switch(tabview->tab_pos) {
        case LV_DIR_TOP:
        case LV_DIR_BOTTOM:
            lv_obj_set_flex_flow(obj, LV_FLEX_FLOW_COLUMN);
            break;
        case LV_DIR_LEFT:
        case LV_DIR_RIGHT:
        default:
            lv_obj_set_flex_flow(obj, LV_FLEX_FLOW_ROW);
            break;
    }

    bool btns_first = tabview->tab_pos == LV_DIR_TOP || tabview->tab_pos == LV_DIR_LEFT;
    lv_obj_t * btns = NULL;
    lv_obj_t * cont = NULL;
    if(btns_first) {
        btns = lv_obj_class_create_obj(&lv_tabview_btns_class, obj);
        if(btns) lv_obj_class_init_obj(btns);
        cont = lv_obj_create(obj);
    }
    else {
        cont = lv_obj_create(obj);
        btns = lv_obj_class_create_obj(&lv_tabview_btns_class, obj);
        if(btns) lv_obj_class_init_obj(btns);
    }
    if(btns == NULL || cont == NULL) return;

    lv_obj_clear_flag(btns, LV_OBJ_FLAG_SCROLLABLE);
    lv_obj_clear_flag(btns, LV_OBJ_FLAG_CLICK_FOCUSABLE);
    lv_obj_set_flex_grow(cont, 1);

    if(is_horizontal(tabview)) {
        lv_obj_set_flex_flow(btns, LV_FLEX_FLOW_ROW);
        lv_obj_set_size(btns, LV_PCT(100), tabsize_create);
        lv_obj_set_width(cont, LV_PCT(100));
        lv_obj_set_flex_flow(cont, LV_FLEX_FLOW_ROW);
        lv_obj_set_scroll_snap_x(cont, LV_SCROLL_SNAP_CENTER);
    }
    else {
        lv_obj_set_flex_flow(btns, LV_FLEX_FLOW_COLUMN);
        lv_obj_set_size(btns, tabsize_create, LV_PCT(100));
        lv_obj_set_height(cont, LV_PCT(100));
        lv_obj_set_flex_flow(cont, LV_FLEX_FLOW_COLUMN);
        lv_obj_set_scroll_snap_y(cont, LV_SCROLL_SNAP_CENTER);
    }

    lv_obj_add_event_cb(cont, cont_scroll_end_event_cb, LV_EVENT_ALL, NULL);
    lv_obj_add_flag(cont, LV_OBJ_FLAG_SCROLL_ONE);
    lv_obj_clear_flag(cont, LV_OBJ_FLAG_SCROLL_ON_FOCUS);
    lv_obj_set_scrollbar_mode(cont, LV_SCROLLBAR_MODE_OFF);
}

static void lv_tabview_event(const lv_obj_class_t * class_p, lv_event_t * e)
{
    LV_UNUSED(class_p);
    lv_res_t res = lv_obj_event_base(&lv_tabview_class, e);
    if(res != LV_RES_OK) return;

    lv_event_code_t code = lv_event_get_code(e);
    lv_obj_t * target = lv_event_get_target(e);
    if(code == LV_EVENT_SIZE_CHANGED) {
        /*Keep the shown page aligned when the pages change size*/
        lv_tabview_set_act(target, lv_tabview_get_tab_act(target), LV_ANIM_OFF);
    }
}

static void tab_btn_clicked_cb(lv_event_t * e)
{
    lv_obj_t * btn = lv_event_get_target(e);
    lv_obj_t * btns = lv_obj_get_parent(btn);
    lv_obj_t * tv = lv_obj_get_parent(btns);
    uint32_t id = lv_obj_get_index(btn);

    bool new_tab = lv_tabview_get_tab_act(tv) != id;
    lv_tabview_set_act(tv, id, LV_ANIM_OFF);
    if(new_tab) lv_event_send(tv, LV_EVENT_VALUE_CHANGED, NULL);
}

/*
 * When a swipe's scrolling (snapping included) has stopped, the tab whose
 * page is nearest becomes the active one. While the finger is still down the
 * page may yet move, so nothing is decided then.
 */
static void cont_scroll_end_event_cb(lv_event_t * e)
{
    lv_obj_t * cont = lv_event_get_target(e);
    lv_event_code_t code = lv_event_get_code(e);
    lv_obj_t * tv = lv_obj_get_parent(cont);
    lv_tabview_t * tabview = (lv_tabview_t *)tv;

    if(code == LV_EVENT_LAYOUT_CHANGED) {
        lv_tabview_set_act(tv, lv_tabview_get_tab_act(tv), LV_ANIM_OFF);
    }
    else if(code == LV_EVENT_SCROLL_END) {
        lv_indev_t * indev = lv_indev_get_act();
        if(indev && indev->proc.state == LV_INDEV_STATE_PRESSED) return;

        lv_point_t p;
        lv_obj_get_scroll_end(cont, &p);

        int32_t t;
        if(is_horizontal(tabview)) {
            lv_coord_t w = lv_obj_get_content_width(cont) + lv_obj_get_style_pad_column(cont, LV_PART_MAIN);
            if(w <= 0) return;
            if(lv_obj_get_style_base_dir(tv, LV_PART_MAIN) == LV_BASE_DIR_RTL) t = -(p.x - w / 2) / w;
            else t = (p.x + w / 2) / w;
        }
        else {
            lv_coord_t h = lv_obj_get_content_height(cont) + lv_obj_get_style_pad_row(cont, LV_PART_MAIN);
            if(h <= 0) return;
            t = (p.y + h / 2) / h;
        }
        if(t < 0) t = 0;
        if(tabview->tab_cnt > 0 && t >= tabview->tab_cnt) t = tabview->tab_cnt - 1;

        bool new_tab = t != lv_tabview_get_tab_act(tv);
        lv_tabview_set_act(tv, (uint32_t)t, LV_ANIM_ON);
        if(new_tab) lv_event_send(tv, LV_EVENT_VALUE_CHANGED, NULL);
    }
}

#endif /*LV_USE_TABVIEW*/
