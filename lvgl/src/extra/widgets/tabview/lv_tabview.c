/**
 * @file lv_tabview.c
 * Tab view: a flex column (tabs on top or bottom) or row (tabs left or
 * right) of two parts. One part holds a real button per tab, so keys move
 * between tabs and ENTER opens one; the other, the content, holds the pages
 * side by side and scrolls one pane at a time with snapping. The active tab
 * is the source of truth: showing a tab scrolls the content there, and when
 * a swipe comes to rest the nearest pane becomes the active tab.
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

/**********************
 *  STATIC PROTOTYPES
 **********************/
static lv_tabview_t * as_tabview(lv_obj_t * obj);
static bool pages_side_by_side(const lv_tabview_t * tv);
static void build_parts(lv_obj_t * obj, lv_coord_t tab_size);
static lv_obj_t * find_part(lv_obj_t * obj, bool want_btns);
static lv_coord_t page_step(const lv_tabview_t * tv, lv_obj_t * strip);
static void show_tab(lv_obj_t * obj, uint32_t id, lv_anim_enable_t anim_en, bool notify);
static void on_tab_clicked(lv_event_t * e);
static void on_content_event(lv_event_t * e);

/**********************
 *  STATIC VARIABLES
 **********************/
const lv_obj_class_t lv_tabview_class = {
    .width_def = LV_PCT(100),
    .height_def = LV_PCT(100),
    .instance_size = sizeof(lv_tabview_t),
    .base_class = &lv_obj_class
};

const lv_obj_class_t lv_tabview_btns_class = {
    .width_def = LV_PCT(100),
    .height_def = LV_SIZE_CONTENT,
    .base_class = &lv_obj_class
};

const lv_obj_class_t lv_tabview_btn_class = {
    .width_def = LV_SIZE_CONTENT,
    .height_def = LV_PCT(100),
    .base_class = &lv_btn_class
};

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

/*
 * The parts are built here rather than in a constructor, which cannot take
 * the tab position and size. Until the first tab is added there is nothing
 * to show.
 */
lv_obj_t * lv_tabview_create(lv_obj_t * parent, lv_dir_t tab_pos, lv_coord_t tab_size)
{
    lv_obj_t * view = lv_obj_class_create_obj(&lv_tabview_class, parent);
    if(view == NULL) return NULL;
    lv_obj_class_init_obj(view);

    lv_tabview_t * tv = as_tabview(view);
    tv->tab_pos = tab_pos;
    tv->tab_cnt = 0;
    tv->tab_cur = 0;
    tv->map = NULL;
    build_parts(view, tab_size);
    return view;
}

lv_obj_t * lv_tabview_add_tab(lv_obj_t * tv, const char * name)
{
    lv_tabview_t * t = as_tabview(tv);
    lv_obj_t * strip = lv_tabview_get_content(tv);
    lv_obj_t * btns = lv_tabview_get_tab_btns(tv);
    if(strip == NULL || btns == NULL) return NULL;

    /*Pages fill the content; a click on a pane must not steal the focus from the tab buttons*/
    lv_obj_t * pane = lv_obj_create(strip);
    if(pane == NULL) return NULL;
    lv_obj_set_size(pane, LV_PCT(100), LV_PCT(100));
    lv_obj_clear_flag(pane, LV_OBJ_FLAG_CLICK_FOCUSABLE);

    lv_obj_t * btn = lv_obj_class_create_obj(&lv_tabview_btn_class, btns);
    if(btn == NULL) {
        lv_obj_del(pane);
        return NULL;
    }
    lv_obj_class_init_obj(btn);
    if(pages_side_by_side(t)) lv_obj_set_height(btn, LV_PCT(100));
    else lv_obj_set_size(btn, LV_PCT(100), LV_SIZE_CONTENT);
    lv_obj_set_flex_grow(btn, 1);
    lv_obj_add_event_cb(btn, on_tab_clicked, LV_EVENT_CLICKED, NULL);

    lv_obj_t * caption = lv_label_create(btn);
    lv_label_set_text(caption, name != NULL ? name : "");
    lv_obj_center(caption);

    t->tab_cnt++;
    if(t->tab_cnt == 1) show_tab(tv, 0, LV_ANIM_OFF, false);
    return pane;
}

void lv_tabview_rename_tab(lv_obj_t * tv, uint32_t tab_id, const char * new_name)
{
    if(tab_id >= as_tabview(tv)->tab_cnt) return;
    lv_obj_t * btn = lv_obj_get_child(lv_tabview_get_tab_btns(tv), (int32_t)tab_id);
    lv_obj_t * caption = btn != NULL ? lv_obj_get_child(btn, 0) : NULL;
    if(caption != NULL) lv_label_set_text(caption, new_name != NULL ? new_name : "");
}

lv_obj_t * lv_tabview_get_content(lv_obj_t * tv)
{
    return find_part(tv, false);
}

lv_obj_t * lv_tabview_get_tab_btns(lv_obj_t * tv)
{
    return find_part(tv, true);
}

void lv_tabview_set_act(lv_obj_t * tv, uint32_t id, lv_anim_enable_t anim_en)
{
    show_tab(tv, id, anim_en, false);
}

uint16_t lv_tabview_get_tab_act(lv_obj_t * tv)
{
    return as_tabview(tv)->tab_cur;
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

static lv_tabview_t * as_tabview(lv_obj_t * obj)
{
    return (lv_tabview_t *)obj;
}

/* Tabs on top or bottom: the pages lie in a row and scroll horizontally. */
static bool pages_side_by_side(const lv_tabview_t * tv)
{
    return tv->tab_pos == LV_DIR_TOP || tv->tab_pos == LV_DIR_BOTTOM;
}

/*
 * The order of the two parts in the flex flow decides which side the
 * buttons are on: first for top/left, second for bottom/right.
 */
static void build_parts(lv_obj_t * obj, lv_coord_t tab_size)
{
    lv_tabview_t * tv = as_tabview(obj);
    bool across = pages_side_by_side(tv);
    lv_obj_set_flex_flow(obj, across ? LV_FLEX_FLOW_COLUMN : LV_FLEX_FLOW_ROW);

    bool btns_first = tv->tab_pos == LV_DIR_TOP || tv->tab_pos == LV_DIR_LEFT;
    lv_obj_t * strip = btns_first ? NULL : lv_obj_create(obj);
    lv_obj_t * btns = lv_obj_class_create_obj(&lv_tabview_btns_class, obj);
    if(btns != NULL) lv_obj_class_init_obj(btns);
    if(btns_first) strip = lv_obj_create(obj);
    if(btns == NULL || strip == NULL) return;

    /*The button bar has the asked thickness and the full length; it never scrolls*/
    lv_obj_clear_flag(btns, LV_OBJ_FLAG_SCROLLABLE);
    lv_obj_clear_flag(btns, LV_OBJ_FLAG_CLICK_FOCUSABLE);
    lv_obj_set_flex_flow(btns, across ? LV_FLEX_FLOW_ROW : LV_FLEX_FLOW_COLUMN);
    if(across) lv_obj_set_size(btns, LV_PCT(100), tab_size);
    else lv_obj_set_size(btns, tab_size, LV_PCT(100));

    /*The content takes the rest and moves one pane per swipe, resting on pane centres*/
    lv_obj_set_flex_grow(strip, 1);
    lv_obj_set_flex_flow(strip, across ? LV_FLEX_FLOW_ROW : LV_FLEX_FLOW_COLUMN);
    if(across) {
        lv_obj_set_width(strip, LV_PCT(100));
        lv_obj_set_scroll_snap_x(strip, LV_SCROLL_SNAP_CENTER);
    }
    else {
        lv_obj_set_height(strip, LV_PCT(100));
        lv_obj_set_scroll_snap_y(strip, LV_SCROLL_SNAP_CENTER);
    }
    lv_obj_add_flag(strip, LV_OBJ_FLAG_SCROLL_ONE);
    lv_obj_clear_flag(strip, LV_OBJ_FLAG_SCROLL_ON_FOCUS);
    lv_obj_set_scrollbar_mode(strip, LV_SCROLLBAR_MODE_OFF);
    lv_obj_add_event_cb(strip, on_content_event, LV_EVENT_ALL, NULL);
}

/* The button bar is recognised by its class, the content is the other part. */
static lv_obj_t * find_part(lv_obj_t * obj, bool want_btns)
{
    uint32_t n = lv_obj_get_child_cnt(obj);
    for(uint32_t k = 0; k < n; k++) {
        lv_obj_t * part = lv_obj_get_child(obj, (int32_t)k);
        if(lv_obj_check_type(part, &lv_tabview_btns_class) == want_btns) return part;
    }
    return NULL;
}

/* From one pane to the next: a pane is as large as the content area, plus the gap. */
static lv_coord_t page_step(const lv_tabview_t * tv, lv_obj_t * strip)
{
    if(pages_side_by_side(tv)) return lv_obj_get_content_width(strip) + lv_obj_get_style_pad_column(strip, LV_PART_MAIN);
    return lv_obj_get_content_height(strip) + lv_obj_get_style_pad_row(strip, LV_PART_MAIN);
}

/*
 * Make tab `id` (limited to the last tab) the active one: scroll its pane
 * into place, mark its button, and with `notify` tell the application if
 * the tab changed. Right-to-left tab views scroll towards negative x.
 */
static void show_tab(lv_obj_t * obj, uint32_t id, lv_anim_enable_t anim_en, bool notify)
{
    lv_tabview_t * tv = as_tabview(obj);
    if(tv->tab_cnt == 0) return;
    if(id >= tv->tab_cnt) id = tv->tab_cnt - 1u;
    bool changed = id != tv->tab_cur;

    lv_obj_t * strip = find_part(obj, false);
    lv_obj_t * bar = find_part(obj, true);
    if(strip == NULL || bar == NULL) return;

    /*Page sizes come from the layout, which may not have run since the last change*/
    lv_obj_update_layout(strip);
    lv_coord_t offset = (lv_coord_t)((lv_coord_t)id * page_step(tv, strip));
    if(!pages_side_by_side(tv)) lv_obj_scroll_to_y(strip, offset, anim_en);
    else if(lv_obj_get_style_base_dir(obj, LV_PART_MAIN) == LV_BASE_DIR_RTL) lv_obj_scroll_to_x(strip, -offset, anim_en);
    else lv_obj_scroll_to_x(strip, offset, anim_en);

    uint32_t n = lv_obj_get_child_cnt(bar);
    for(uint32_t k = 0; k < n; k++) {
        lv_obj_t * btn = lv_obj_get_child(bar, (int32_t)k);
        if(k == id) lv_obj_add_state(btn, LV_STATE_CHECKED);
        else lv_obj_clear_state(btn, LV_STATE_CHECKED);
    }
    tv->tab_cur = (uint16_t)id;

    if(notify && changed) lv_event_send(obj, LV_EVENT_VALUE_CHANGED, NULL);
}

static void on_tab_clicked(lv_event_t * e)
{
    lv_obj_t * btn = lv_event_get_target(e);
    lv_obj_t * tv = lv_obj_get_parent(lv_obj_get_parent(btn));
    show_tab(tv, lv_obj_get_index(btn), LV_ANIM_OFF, true);
}

/*
 * A new size or layout of the content moves the pages under the scroll
 * position, so the active pane is put back in place. When a swipe has come
 * to rest (snapping included, finger lifted) the pane nearest to the scroll
 * position becomes the active tab; while the finger is down the content may
 * still move, so nothing is decided yet.
 */
static void on_content_event(lv_event_t * e)
{
    lv_obj_t * strip = lv_event_get_target(e);
    lv_obj_t * obj = lv_obj_get_parent(strip);
    lv_tabview_t * tv = as_tabview(obj);

    switch(lv_event_get_code(e)) {
        case LV_EVENT_SIZE_CHANGED:
        case LV_EVENT_LAYOUT_CHANGED:
            show_tab(obj, tv->tab_cur, LV_ANIM_OFF, false);
            return;
        case LV_EVENT_SCROLL_END:
            break;
        default:
            return;
    }

    lv_indev_t * finger = lv_indev_get_act();
    if(finger != NULL && finger->proc.state == LV_INDEV_STATE_PRESSED) return;

    lv_coord_t step = page_step(tv, strip);
    if(step <= 0) return;
    lv_point_t rest;
    lv_obj_get_scroll_end(strip, &rest);
    lv_coord_t pos = pages_side_by_side(tv) ? rest.x : rest.y;
    if(pages_side_by_side(tv) && lv_obj_get_style_base_dir(obj, LV_PART_MAIN) == LV_BASE_DIR_RTL) pos = (lv_coord_t)-pos;

    int32_t nearest = (pos + step / 2) / step;
    if(nearest < 0) nearest = 0;
    show_tab(obj, (uint32_t)nearest, LV_ANIM_ON, true);
}

#endif /*LV_USE_TABVIEW*/
