/**
 * @file lv_obj_pos.c
 * Position, size, alignment, layouts and invalidation of objects.
 *
 * Sizes and positions are stored as style properties (pixels, percentages of
 * the parent's content area or LV_SIZE_CONTENT) and turned into absolute
 * coordinates lazily: setters only mark the layout dirty, and every getter
 * first runs lv_obj_update_layout so it sees final values.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_obj.h"
#include "lv_disp.h"
#include "lv_refr.h"
#include "../misc/lv_mem.h"

/*********************
 *      DEFINES
 *********************/
#define MY_CLASS &lv_obj_class

/**********************
 *  STATIC PROTOTYPES
 **********************/
static lv_coord_t calc_content_width(lv_obj_t * obj);
static lv_coord_t calc_content_height(lv_obj_t * obj);
static lv_coord_t resolve_size(lv_obj_t * obj, bool hor, bool * is_content);
static void layout_update_core(lv_obj_t * obj);
static void align_to_offsets(const lv_obj_t * obj, const lv_obj_t * base, lv_align_t align,
                             lv_coord_t * x, lv_coord_t * y);

/**********************
 *  STATIC VARIABLES
 **********************/
static uint32_t layout_cnt;
static lv_layout_dsc_t * layout_list;

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

void lv_obj_set_pos(lv_obj_t * obj, lv_coord_t x, lv_coord_t y)
{
    lv_obj_set_x(obj, x);
    lv_obj_set_y(obj, y);
}

void lv_obj_set_x(lv_obj_t * obj, lv_coord_t x)
{
    lv_style_value_t v_x;
    lv_style_res_t res_x = lv_obj_get_local_style_prop(obj, LV_STYLE_X, &v_x, 0);
    if(res_x != LV_STYLE_RES_FOUND || v_x.num != x) {
        lv_obj_set_style_x(obj, x, 0);
    }
}

void lv_obj_set_y(lv_obj_t * obj, lv_coord_t y)
{
    lv_style_value_t v_y;
    lv_style_res_t res_y = lv_obj_get_local_style_prop(obj, LV_STYLE_Y, &v_y, 0);
    if(res_y != LV_STYLE_RES_FOUND || v_y.num != y) {
        lv_obj_set_style_y(obj, y, 0);
    }
}

/**
 * Recompute the size from the width/height styles (pixels, percentage of the
 * parent's content size, or content size), clamped by min/max. Sends
 * LV_EVENT_SIZE_CHANGED (with the old area) and notifies the parent when
 * the size really changed. Returns whether it changed.
 */
bool lv_obj_refr_size(lv_obj_t * obj)
{
    /*If the width or height is set by a layout do not modify them*/
    if(obj->w_layout && obj->h_layout) return false;

    lv_obj_t * parent = lv_obj_get_parent(obj);
    if(parent == NULL) return false;

    lv_coord_t sl_ori = lv_obj_get_scroll_left(obj);
    lv_coord_t st_ori = lv_obj_get_scroll_top(obj);

    bool w_is_content = false;
    bool h_is_content = false;
    lv_coord_t w = obj->w_layout ? lv_area_get_width(&obj->coords) : resolve_size(obj, true, &w_is_content);
    lv_coord_t h = obj->h_layout ? lv_area_get_height(&obj->coords) : resolve_size(obj, false, &h_is_content);

    /*calc_auto_size set the scroll x/y to 0 so revert the original value*/
    if(w_is_content || h_is_content) {
        lv_obj_scroll_to(obj, sl_ori, st_ori, LV_ANIM_OFF);
    }

    /*Do nothing if the size is not changed*/
    /*It is very important else recursive resizing can occur without size change*/
    if(lv_area_get_width(&obj->coords) == w && lv_area_get_height(&obj->coords) == h) return false;

    /*Invalidate the original area*/
    lv_obj_invalidate(obj);

    /*Save the original coordinates*/
    lv_area_t ori = obj->coords;

    /*Check if the object inside the parent or not*/
    lv_area_t parent_fit_area;
    lv_obj_get_content_coords(parent, &parent_fit_area);

    /*If the object is already out of the parent and its position is changes
     *surely the scrollbars also changes so invalidate them*/
    bool on1 = _lv_area_is_in(&ori, &parent_fit_area, 0);
    if(!on1) lv_obj_scrollbar_invalidate(parent);

    obj->coords.y2 = obj->coords.y1 + h - 1;
    if(lv_obj_get_style_base_dir(obj, LV_PART_MAIN) == LV_BASE_DIR_RTL) {
        obj->coords.x1 = obj->coords.x2 - w + 1;
    }
    else {
        obj->coords.x2 = obj->coords.x1 + w - 1;
    }

    /*Call the ancestor's event handler to the object with its new coordinates*/
    lv_event_send(obj, LV_EVENT_SIZE_CHANGED, &ori);

    /*Call the ancestor's event handler to the parent too*/
    lv_event_send(parent, LV_EVENT_CHILD_CHANGED, obj);

    /*Invalidate the new area*/
    lv_obj_invalidate(obj);

    lv_obj_readjust_scroll(obj, LV_ANIM_OFF);

    /*If the object was out of the parent invalidate the new scrollbar area too.
     *If it wasn't out of the parent but out now, also invalidate the srollbars*/
    bool on2 = _lv_area_is_in(&obj->coords, &parent_fit_area, 0);
    if(on1 || (!on1 && on2)) lv_obj_scrollbar_invalidate(parent);

    lv_obj_refresh_ext_draw_size(obj);

    return true;
}

void lv_obj_set_size(lv_obj_t * obj, lv_coord_t w, lv_coord_t h)
{
    lv_obj_set_width(obj, w);
    lv_obj_set_height(obj, h);
}

void lv_obj_set_width(lv_obj_t * obj, lv_coord_t w)
{
    lv_style_value_t v_w;
    lv_style_res_t res_w = lv_obj_get_local_style_prop(obj, LV_STYLE_WIDTH, &v_w, 0);
    if(res_w != LV_STYLE_RES_FOUND || v_w.num != w) {
        lv_obj_set_style_width(obj, w, 0);
    }
}

void lv_obj_set_height(lv_obj_t * obj, lv_coord_t h)
{
    lv_style_value_t v_h;
    lv_style_res_t res_h = lv_obj_get_local_style_prop(obj, LV_STYLE_HEIGHT, &v_h, 0);
    if(res_h != LV_STYLE_RES_FOUND || v_h.num != h) {
        lv_obj_set_style_height(obj, h, 0);
    }
}

void lv_obj_set_content_width(lv_obj_t * obj, lv_coord_t w)
{
    lv_coord_t pleft = lv_obj_get_style_pad_left(obj, LV_PART_MAIN);
    lv_coord_t pright = lv_obj_get_style_pad_right(obj, LV_PART_MAIN);
    lv_coord_t border_width = lv_obj_get_style_border_width(obj, LV_PART_MAIN);

    lv_obj_set_width(obj, w + pleft + pright + 2 * border_width);
}

void lv_obj_set_content_height(lv_obj_t * obj, lv_coord_t h)
{
    lv_coord_t ptop = lv_obj_get_style_pad_top(obj, LV_PART_MAIN);
    lv_coord_t pbottom = lv_obj_get_style_pad_bottom(obj, LV_PART_MAIN);
    lv_coord_t border_width = lv_obj_get_style_border_width(obj, LV_PART_MAIN);

    lv_obj_set_height(obj, h + ptop + pbottom + 2 * border_width);
}

void lv_obj_set_layout(lv_obj_t * obj, uint32_t layout)
{
    lv_obj_set_style_layout(obj, (uint16_t)layout, 0);
    lv_obj_mark_layout_as_dirty(obj);
}

bool lv_obj_is_layout_positioned(const lv_obj_t * obj)
{
    if(lv_obj_has_flag_any(obj, LV_OBJ_FLAG_HIDDEN | LV_OBJ_FLAG_IGNORE_LAYOUT | LV_OBJ_FLAG_FLOATING)) return false;

    lv_obj_t * parent = lv_obj_get_parent(obj);
    if(parent == NULL) return false;

    uint32_t layout = lv_obj_get_style_layout(parent, LV_PART_MAIN);
    if(layout) return true;
    else return false;
}

void lv_obj_mark_layout_as_dirty(lv_obj_t * obj)
{
    obj->layout_inv = 1;

    /*Mark the screen as dirty too to mark that there is something to do on this screen*/
    lv_obj_t * scr = lv_obj_get_screen(obj);
    scr->scr_layout_inv = 1;

    /*Make the display refreshing*/
    lv_disp_t * disp = lv_obj_get_disp(scr);
    if(disp && disp->refr_timer) lv_timer_resume(disp->refr_timer);
}

void lv_obj_update_layout(const lv_obj_t * obj)
{
    static bool mutex = false;
    if(mutex) return;
    mutex = true;

    lv_obj_t * scr = lv_obj_get_screen(obj);

    /*Repeat until there where layout invalidations. A size change of a parent
     *marks its percentage-sized children again; the loop settles because
     *unchanged sizes do not mark anything.*/
    uint32_t rounds = 0;
    while(scr->scr_layout_inv && rounds < 64) {
        scr->scr_layout_inv = 0;
        layout_update_core(scr);
        rounds++;
    }

    mutex = false;
}

uint32_t lv_layout_register(lv_layout_update_cb_t cb, void * user_data)
{
    lv_layout_dsc_t * list = lv_mem_realloc(layout_list, (layout_cnt + 1) * sizeof(lv_layout_dsc_t));
    LV_ASSERT_MALLOC(list);
    if(list == NULL) return 0;
    layout_list = list;
    layout_cnt++;
    layout_list[layout_cnt - 1].cb = cb;
    layout_list[layout_cnt - 1].user_data = user_data;
    return layout_cnt;  /*No -1 to skip 0th index*/
}

/** Forget the registered layouts (the memory pool they live in is reset).*/
void _lv_layout_deinit(void)
{
    layout_list = NULL;
    layout_cnt = 0;
}

void lv_obj_set_align(lv_obj_t * obj, lv_align_t align)
{
    lv_obj_set_style_align(obj, align, 0);
}

void lv_obj_align(lv_obj_t * obj, lv_align_t align, lv_coord_t x_ofs, lv_coord_t y_ofs)
{
    lv_obj_set_style_align(obj, align, 0);
    lv_obj_set_pos(obj, x_ofs, y_ofs);
}

/**
 * Place `obj` relative to `base` (any object, default the parent) once: the
 * result is stored as a TOP_LEFT position in the parent, so later moves of
 * `base` are not followed. The OUT_ alignments put `obj` outside `base`.
 */
void lv_obj_align_to(lv_obj_t * obj, const lv_obj_t * base, lv_align_t align, lv_coord_t x_ofs, lv_coord_t y_ofs)
{
    lv_obj_update_layout(obj);
    if(base == NULL) base = lv_obj_get_parent(obj);
    lv_obj_t * parent = lv_obj_get_parent(obj);
    if(base == NULL || parent == NULL) return;

    lv_coord_t pborder = lv_obj_get_style_border_width(parent, LV_PART_MAIN);
    lv_coord_t pleft = lv_obj_get_style_pad_left(parent, LV_PART_MAIN) + pborder;
    lv_coord_t ptop = lv_obj_get_style_pad_top(parent, LV_PART_MAIN) + pborder;

    if(align == LV_ALIGN_DEFAULT) {
        if(lv_obj_get_style_base_dir(base, LV_PART_MAIN) == LV_BASE_DIR_RTL) align = LV_ALIGN_TOP_RIGHT;
        else align = LV_ALIGN_TOP_LEFT;
    }

    lv_coord_t x = 0;
    lv_coord_t y = 0;
    align_to_offsets(obj, base, align, &x, &y);

    if(lv_obj_get_style_base_dir(parent, LV_PART_MAIN) == LV_BASE_DIR_RTL) {
        x += x_ofs + base->coords.x1 - parent->coords.x1 + lv_obj_get_scroll_right(parent) - pleft;
    }
    else {
        x += x_ofs + base->coords.x1 - parent->coords.x1 + lv_obj_get_scroll_left(parent) - pleft;
    }
    y += y_ofs + base->coords.y1 - parent->coords.y1 + lv_obj_get_scroll_top(parent) - ptop;
    lv_obj_set_style_align(obj, LV_ALIGN_TOP_LEFT, 0);
    lv_obj_set_pos(obj, x, y);
}

void lv_obj_get_coords(const lv_obj_t * obj, lv_area_t * coords)
{
    lv_obj_update_layout(obj);
    lv_area_copy(coords, &obj->coords);
}

lv_coord_t lv_obj_get_x(const lv_obj_t * obj)
{
    lv_obj_update_layout(obj);
    lv_coord_t rel_x;
    lv_obj_t * parent = lv_obj_get_parent(obj);
    if(parent) {
        rel_x  = obj->coords.x1 - parent->coords.x1;
        rel_x += lv_obj_get_scroll_x(parent);
        rel_x -= lv_obj_get_style_pad_left(parent, LV_PART_MAIN);
        rel_x -= lv_obj_get_style_border_width(parent, LV_PART_MAIN);
    }
    else {
        rel_x = obj->coords.x1;
    }
    return rel_x;
}

lv_coord_t lv_obj_get_x2(const lv_obj_t * obj)
{
    lv_obj_update_layout(obj);
    return lv_obj_get_x(obj) + lv_obj_get_width(obj);
}

lv_coord_t lv_obj_get_y(const lv_obj_t * obj)
{
    lv_obj_update_layout(obj);
    lv_coord_t rel_y;
    lv_obj_t * parent = lv_obj_get_parent(obj);
    if(parent) {
        rel_y = obj->coords.y1 - parent->coords.y1;
        rel_y += lv_obj_get_scroll_y(parent);
        rel_y -= lv_obj_get_style_pad_top(parent, LV_PART_MAIN);
        rel_y -= lv_obj_get_style_border_width(parent, LV_PART_MAIN);
    }
    else {
        rel_y = obj->coords.y1;
    }
    return rel_y;
}

lv_coord_t lv_obj_get_y2(const lv_obj_t * obj)
{
    lv_obj_update_layout(obj);
    return lv_obj_get_y(obj) + lv_obj_get_height(obj);
}

lv_coord_t lv_obj_get_x_aligned(const lv_obj_t * obj)
{
    return lv_obj_get_style_x(obj, LV_PART_MAIN);
}

lv_coord_t lv_obj_get_y_aligned(const lv_obj_t * obj)
{
    return lv_obj_get_style_y(obj, LV_PART_MAIN);
}

lv_coord_t lv_obj_get_width(const lv_obj_t * obj)
{
    lv_obj_update_layout(obj);
    return lv_area_get_width(&obj->coords);
}

lv_coord_t lv_obj_get_height(const lv_obj_t * obj)
{
    lv_obj_update_layout(obj);
    return lv_area_get_height(&obj->coords);
}

lv_coord_t lv_obj_get_content_width(const lv_obj_t * obj)
{
    lv_obj_update_layout(obj);
    lv_coord_t left = lv_obj_get_style_pad_left(obj, LV_PART_MAIN);
    lv_coord_t right = lv_obj_get_style_pad_right(obj, LV_PART_MAIN);
    lv_coord_t border_width = lv_obj_get_style_border_width(obj, LV_PART_MAIN);

    return lv_area_get_width(&obj->coords) - left - right - 2 * border_width;
}

lv_coord_t lv_obj_get_content_height(const lv_obj_t * obj)
{
    lv_obj_update_layout(obj);
    lv_coord_t top = lv_obj_get_style_pad_top(obj, LV_PART_MAIN);
    lv_coord_t bottom = lv_obj_get_style_pad_bottom(obj, LV_PART_MAIN);
    lv_coord_t border_width = lv_obj_get_style_border_width(obj, LV_PART_MAIN);

    return lv_area_get_height(&obj->coords) - top - bottom - 2 * border_width;
}

void lv_obj_get_content_coords(const lv_obj_t * obj, lv_area_t * area)
{
    lv_coord_t border_width = lv_obj_get_style_border_width(obj, LV_PART_MAIN);

    lv_obj_get_coords(obj, area);
    lv_area_increase(area, -border_width, -border_width);
    area->x1 += lv_obj_get_style_pad_left(obj, LV_PART_MAIN);
    area->x2 -= lv_obj_get_style_pad_right(obj, LV_PART_MAIN);
    area->y1 += lv_obj_get_style_pad_top(obj, LV_PART_MAIN);
    area->y2 -= lv_obj_get_style_pad_bottom(obj, LV_PART_MAIN);
}

lv_coord_t lv_obj_get_self_width(const lv_obj_t * obj)
{
    lv_point_t p = {0, LV_COORD_MIN};
    lv_event_send((lv_obj_t *)obj, LV_EVENT_GET_SELF_SIZE, &p);
    return p.x;
}

lv_coord_t lv_obj_get_self_height(const lv_obj_t * obj)
{
    lv_point_t p = {LV_COORD_MIN, 0};
    lv_event_send((lv_obj_t *)obj, LV_EVENT_GET_SELF_SIZE, &p);
    return p.y;
}

bool lv_obj_refresh_self_size(lv_obj_t * obj)
{
    lv_coord_t w_set = lv_obj_get_style_width(obj, LV_PART_MAIN);
    lv_coord_t h_set = lv_obj_get_style_height(obj, LV_PART_MAIN);
    if(w_set != LV_SIZE_CONTENT && h_set != LV_SIZE_CONTENT) return false;

    lv_obj_mark_layout_as_dirty(obj);
    return true;
}

/**
 * Recompute the position from the x/y styles (pixels or percentages of the
 * parent's content size, negative percentages included), the translation and
 * the alignment. Objects placed by their parent's layout are left alone.
 */
void lv_obj_refr_pos(lv_obj_t * obj)
{
    if(lv_obj_is_layout_positioned(obj)) return;

    lv_obj_t * parent = lv_obj_get_parent(obj);
    lv_coord_t x = lv_obj_get_style_x(obj, LV_PART_MAIN);
    lv_coord_t y = lv_obj_get_style_y(obj, LV_PART_MAIN);

    if(parent == NULL) {
        lv_obj_move_to(obj, x, y);
        return;
    }

    /*Handle percentage value*/
    lv_coord_t pw = lv_obj_get_content_width(parent);
    lv_coord_t ph = lv_obj_get_content_height(parent);
    if(LV_COORD_IS_PCT(x)) x = (pw * LV_COORD_GET_PCT(x)) / 100;
    if(LV_COORD_IS_PCT(y)) y = (ph * LV_COORD_GET_PCT(y)) / 100;

    /*Handle percentage value of translate*/
    lv_coord_t tr_x = lv_obj_get_style_translate_x(obj, LV_PART_MAIN);
    lv_coord_t tr_y = lv_obj_get_style_translate_y(obj, LV_PART_MAIN);
    lv_coord_t w = lv_obj_get_width(obj);
    lv_coord_t h = lv_obj_get_height(obj);
    if(LV_COORD_IS_PCT(tr_x)) tr_x = (w * LV_COORD_GET_PCT(tr_x)) / 100;
    if(LV_COORD_IS_PCT(tr_y)) tr_y = (h * LV_COORD_GET_PCT(tr_y)) / 100;

    /*Use the translation*/
    x += tr_x;
    y += tr_y;

    lv_align_t align = lv_obj_get_style_align(obj, LV_PART_MAIN);

    if(align == LV_ALIGN_DEFAULT) {
        if(lv_obj_get_style_base_dir(parent, LV_PART_MAIN) == LV_BASE_DIR_RTL) align = LV_ALIGN_TOP_RIGHT;
        else align = LV_ALIGN_TOP_LEFT;
    }

    switch(align) {
        case LV_ALIGN_TOP_MID:
            x += pw / 2 - w / 2;
            break;
        case LV_ALIGN_TOP_RIGHT:
            x += pw - w;
            break;
        case LV_ALIGN_LEFT_MID:
            y += ph / 2 - h / 2;
            break;
        case LV_ALIGN_BOTTOM_LEFT:
            y += ph - h;
            break;
        case LV_ALIGN_BOTTOM_MID:
            x += pw / 2 - w / 2;
            y += ph - h;
            break;
        case LV_ALIGN_BOTTOM_RIGHT:
            x += pw - w;
            y += ph - h;
            break;
        case LV_ALIGN_RIGHT_MID:
            x += pw - w;
            y += ph / 2 - h / 2;
            break;
        case LV_ALIGN_CENTER:
            x += pw / 2 - w / 2;
            y += ph / 2 - h / 2;
            break;
        default:
            break;
    }
    lv_obj_move_to(obj, x, y);
}

void lv_obj_move_to(lv_obj_t * obj, lv_coord_t x, lv_coord_t y)
{
    /*Convert x and y to absolute coordinates*/
    lv_obj_t * parent = obj->parent;

    if(parent) {
        lv_coord_t pad_left = lv_obj_get_style_pad_left(parent, LV_PART_MAIN);
        lv_coord_t pad_top = lv_obj_get_style_pad_top(parent, LV_PART_MAIN);

        if(lv_obj_has_flag(obj, LV_OBJ_FLAG_FLOATING)) {
            x += pad_left + parent->coords.x1;
            y += pad_top + parent->coords.y1;
        }
        else {
            x += pad_left + parent->coords.x1 - lv_obj_get_scroll_x(parent);
            y += pad_top + parent->coords.y1 - lv_obj_get_scroll_y(parent);
        }

        lv_coord_t border_width = lv_obj_get_style_border_width(parent, LV_PART_MAIN);
        x += border_width;
        y += border_width;
    }

    /*Calculate and set the movement*/
    lv_point_t diff;
    diff.x = x - obj->coords.x1;
    diff.y = y - obj->coords.y1;

    /*Do nothing if the position is not changed*/
    /*It is very important else recursive positioning can occur without position change*/
    if(diff.x == 0 && diff.y == 0) return;

    /*Invalidate the original area*/
    lv_obj_invalidate(obj);

    /*Save the original coordinates*/
    lv_area_t ori = obj->coords;

    /*Check if the object inside the parent or not*/
    lv_area_t parent_fit_area;
    bool on1 = false;
    if(parent) {
        lv_obj_get_content_coords(parent, &parent_fit_area);

        /*If the object is already out of the parent and its position is changes
         *surely the scrollbars also changes so invalidate them*/
        on1 = _lv_area_is_in(&ori, &parent_fit_area, 0);
        if(!on1) lv_obj_scrollbar_invalidate(parent);
    }

    obj->coords.x1 += diff.x;
    obj->coords.y1 += diff.y;
    obj->coords.x2 += diff.x;
    obj->coords.y2 += diff.y;

    lv_obj_move_children_by(obj, diff.x, diff.y, false);

    /*Call the ancestor's event handler to the parent too*/
    if(parent) lv_event_send(parent, LV_EVENT_CHILD_CHANGED, obj);

    /*Invalidate the new area*/
    lv_obj_invalidate(obj);

    /*If the object was out of the parent invalidate the new scrollbar area too.
     *If it wasn't out of the parent but out now, also invalidate the scrollbars*/
    if(parent) {
        bool on2 = _lv_area_is_in(&obj->coords, &parent_fit_area, 0);
        if(on1 || (!on1 && on2)) lv_obj_scrollbar_invalidate(parent);
    }
}

void lv_obj_move_children_by(lv_obj_t * obj, lv_coord_t x_diff, lv_coord_t y_diff, bool ignore_floating)
{
    uint32_t i;
    uint32_t child_cnt = lv_obj_get_child_cnt(obj);
    for(i = 0; i < child_cnt; i++) {
        lv_obj_t * child = obj->spec_attr->children[i];
        if(ignore_floating && lv_obj_has_flag(child, LV_OBJ_FLAG_FLOATING)) continue;
        child->coords.x1 += x_diff;
        child->coords.y1 += y_diff;
        child->coords.x2 += x_diff;
        child->coords.y2 += y_diff;

        lv_obj_move_children_by(child, x_diff, y_diff, false);
    }
}

void lv_obj_invalidate_area(const lv_obj_t * obj, const lv_area_t * area)
{
    lv_disp_t * disp   = lv_obj_get_disp(obj);
    if(disp == NULL || !lv_disp_is_invalidation_enabled(disp)) return;

    lv_area_t area_tmp;
    lv_area_copy(&area_tmp, area);
    if(!lv_obj_area_is_visible(obj, &area_tmp)) return;

    _lv_inv_area(disp,  &area_tmp);
}

void lv_obj_invalidate(const lv_obj_t * obj)
{
    /*Truncate the area to the object*/
    lv_area_t obj_coords;
    lv_coord_t ext_size = _lv_obj_get_ext_draw_size(obj);
    lv_area_copy(&obj_coords, &obj->coords);
    obj_coords.x1 -= ext_size;
    obj_coords.y1 -= ext_size;
    obj_coords.x2 += ext_size;
    obj_coords.y2 += ext_size;

    lv_obj_invalidate_area(obj, &obj_coords);
}

bool lv_obj_area_is_visible(const lv_obj_t * obj, lv_area_t * area)
{
    if(lv_obj_has_flag(obj, LV_OBJ_FLAG_HIDDEN)) return false;

    /*Invalidate the object only if it belongs to the current or previous or one of the layers'*/
    lv_obj_t * obj_scr = lv_obj_get_screen(obj);
    lv_disp_t * disp   = lv_obj_get_disp(obj_scr);
    if(disp == NULL) return false;
    if(obj_scr != lv_disp_get_scr_act(disp) &&
       obj_scr != lv_disp_get_scr_prev(disp) &&
       obj_scr != lv_disp_get_layer_top(disp) &&
       obj_scr != lv_disp_get_layer_sys(disp)) {
        return false;
    }

    /*Truncate the area to the object*/
    if(!lv_obj_has_flag_any(obj, LV_OBJ_FLAG_OVERFLOW_VISIBLE)) {
        lv_area_t obj_coords;
        lv_coord_t ext_size = _lv_obj_get_ext_draw_size(obj);
        lv_area_copy(&obj_coords, &obj->coords);
        obj_coords.x1 -= ext_size;
        obj_coords.y1 -= ext_size;
        obj_coords.x2 += ext_size;
        obj_coords.y2 += ext_size;

        /*The area is not on the object*/
        if(!_lv_area_intersect(area, area, &obj_coords)) return false;
    }

    /*Truncate recursively to the parents*/
    lv_obj_t * par = lv_obj_get_parent(obj);
    while(par != NULL) {
        /*If the parent is hidden then the child is hidden and won't be drawn*/
        if(lv_obj_has_flag(par, LV_OBJ_FLAG_HIDDEN)) return false;

        /*Truncate to the parent and if no common parts break*/
        if(!lv_obj_has_flag(par, LV_OBJ_FLAG_OVERFLOW_VISIBLE)) {
            if(!_lv_area_intersect(area, area, &par->coords)) return false;
        }

        par = lv_obj_get_parent(par);
    }

    return true;
}

bool lv_obj_is_visible(const lv_obj_t * obj)
{
    lv_area_t obj_coords;
    lv_coord_t ext_size = _lv_obj_get_ext_draw_size(obj);
    lv_area_copy(&obj_coords, &obj->coords);
    obj_coords.x1 -= ext_size;
    obj_coords.y1 -= ext_size;
    obj_coords.x2 += ext_size;
    obj_coords.y2 += ext_size;

    return lv_obj_area_is_visible(obj, &obj_coords);
}

void lv_obj_set_ext_click_area(lv_obj_t * obj, lv_coord_t size)
{
    lv_obj_allocate_spec_attr(obj);
    if(obj->spec_attr) obj->spec_attr->ext_click_pad = size;
}

void lv_obj_get_click_area(const lv_obj_t * obj, lv_area_t * area)
{
    lv_area_copy(area, &obj->coords);
    if(obj->spec_attr) {
        area->x1 -= obj->spec_attr->ext_click_pad;
        area->x2 += obj->spec_attr->ext_click_pad;
        area->y1 -= obj->spec_attr->ext_click_pad;
        area->y2 += obj->spec_attr->ext_click_pad;
    }
}

/**
 * A point hits a clickable, enabled object inside its click area; with
 * LV_OBJ_FLAG_ADV_HITTEST the object's LV_EVENT_HIT_TEST handler has the last
 * word (an image answers from its alpha channel).
 */
bool lv_obj_hit_test(lv_obj_t * obj, const lv_point_t * point)
{
    if(!lv_obj_has_flag(obj, LV_OBJ_FLAG_CLICKABLE)) return false;
    if(lv_obj_has_state(obj, LV_STATE_DISABLED)) return false;

    lv_area_t a;
    lv_obj_get_click_area(obj, &a);
    bool res = _lv_area_is_point_on(&a, point, 0);
    if(res == false) return false;

    if(lv_obj_has_flag(obj, LV_OBJ_FLAG_ADV_HITTEST)) {
        lv_hit_test_info_t hit_info;
        hit_info.point = point;
        hit_info.res = true;
        lv_event_send(obj, LV_EVENT_HIT_TEST, &hit_info);
        return hit_info.res;
    }

    return res;
}

lv_coord_t lv_clamp_width(lv_coord_t width, lv_coord_t min_width, lv_coord_t max_width, lv_coord_t ref_width)
{
    if(LV_COORD_IS_PCT(min_width)) min_width = (ref_width * LV_COORD_GET_PCT(min_width)) / 100;
    if(LV_COORD_IS_PCT(max_width)) max_width = (ref_width * LV_COORD_GET_PCT(max_width)) / 100;
    return LV_CLAMP(min_width, width, max_width);
}

lv_coord_t lv_clamp_height(lv_coord_t height, lv_coord_t min_height, lv_coord_t max_height, lv_coord_t ref_height)
{
    if(LV_COORD_IS_PCT(min_height)) min_height = (ref_height * LV_COORD_GET_PCT(min_height)) / 100;
    if(LV_COORD_IS_PCT(max_height)) max_height = (ref_height * LV_COORD_GET_PCT(max_height)) / 100;
    return LV_CLAMP(min_height, height, max_height);
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

/**
 * Resolve the width (`hor`) or height style to pixels. A percentage of a
 * parent that itself sizes to its content would be circular; such a child
 * gets only its own padding and border, as upstream does.
 */
static lv_coord_t resolve_size(lv_obj_t * obj, bool hor, bool * is_content)
{
    lv_obj_t * parent = lv_obj_get_parent(obj);
    lv_coord_t v = hor ? lv_obj_get_style_width(obj, LV_PART_MAIN) : lv_obj_get_style_height(obj, LV_PART_MAIN);
    lv_coord_t parent_v = hor ? lv_obj_get_content_width(parent) : lv_obj_get_content_height(parent);
    *is_content = v == LV_SIZE_CONTENT;

    if(*is_content) {
        v = hor ? calc_content_width(obj) : calc_content_height(obj);
    }
    else if(LV_COORD_IS_PCT(v)) {
        bool parent_content = hor ? (parent->w_layout == 0 && lv_obj_get_style_width(parent, 0) == LV_SIZE_CONTENT) :
                              (parent->h_layout == 0 && lv_obj_get_style_height(parent, 0) == LV_SIZE_CONTENT);
        if(parent_content) {
            lv_coord_t border_w = lv_obj_get_style_border_width(obj, 0);
            if(hor) v = lv_obj_get_style_pad_left(obj, 0) + lv_obj_get_style_pad_right(obj, 0) + 2 * border_w;
            else v = lv_obj_get_style_pad_top(obj, 0) + lv_obj_get_style_pad_bottom(obj, 0) + 2 * border_w;
        }
        else {
            v = (LV_COORD_GET_PCT(v) * parent_v) / 100;
        }
    }

    if(hor) {
        lv_coord_t minw = lv_obj_get_style_min_width(obj, LV_PART_MAIN);
        lv_coord_t maxw = lv_obj_get_style_max_width(obj, LV_PART_MAIN);
        v = lv_clamp_width(v, minw, maxw, parent_v);
    }
    else {
        lv_coord_t minh = lv_obj_get_style_min_height(obj, LV_PART_MAIN);
        lv_coord_t maxh = lv_obj_get_style_max_height(obj, LV_PART_MAIN);
        v = lv_clamp_height(v, minh, maxh, parent_v);
    }
    return v;
}

/**
 * The content width: the widget's own content (label text, image) or the
 * right edge of the farthest child, whichever is larger, plus padding and
 * border. Children aligned other than to the left contribute only their
 * width, and only when their x offset is 0, to avoid a circular dependency.
 */
static lv_coord_t calc_content_width(lv_obj_t * obj)
{
    lv_obj_scroll_to_x(obj, 0, LV_ANIM_OFF);

    lv_coord_t border_width = lv_obj_get_style_border_width(obj, LV_PART_MAIN);
    lv_coord_t pad_left = lv_obj_get_style_pad_left(obj, LV_PART_MAIN) + border_width;
    lv_coord_t pad_right = lv_obj_get_style_pad_right(obj, LV_PART_MAIN) + border_width;

    lv_coord_t self_w = lv_obj_get_self_width(obj) + pad_left + pad_right;

    lv_coord_t child_res = LV_COORD_MIN;
    uint32_t i;
    uint32_t child_cnt = lv_obj_get_child_cnt(obj);
    for(i = 0; i < child_cnt; i++) {
        lv_obj_t * child = obj->spec_attr->children[i];
        if(lv_obj_has_flag_any(child,  LV_OBJ_FLAG_HIDDEN | LV_OBJ_FLAG_FLOATING)) continue;

        lv_coord_t right = LV_COORD_MIN;
        if(!lv_obj_is_layout_positioned(child)) {
            lv_align_t align = lv_obj_get_style_align(child, 0);
            switch(align) {
                case LV_ALIGN_DEFAULT:
                case LV_ALIGN_TOP_LEFT:
                case LV_ALIGN_BOTTOM_LEFT:
                case LV_ALIGN_LEFT_MID:
                    right = child->coords.x2 - (obj->coords.x1 + pad_left) + 1;
                    break;
                default:
                    if(lv_obj_get_style_x(child, 0) == 0) right = lv_area_get_width(&child->coords);
                    break;
            }
        }
        else {
            right = child->coords.x2 - (obj->coords.x1 + pad_left) + 1;
        }
        child_res = LV_MAX(child_res, right);
    }

    if(child_res == LV_COORD_MIN) return self_w;
    return LV_MAX(child_res + pad_left + pad_right, self_w);
}

static lv_coord_t calc_content_height(lv_obj_t * obj)
{
    lv_obj_scroll_to_y(obj, 0, LV_ANIM_OFF);

    lv_coord_t border_width = lv_obj_get_style_border_width(obj, LV_PART_MAIN);
    lv_coord_t pad_top = lv_obj_get_style_pad_top(obj, LV_PART_MAIN) + border_width;
    lv_coord_t pad_bottom = lv_obj_get_style_pad_bottom(obj, LV_PART_MAIN) + border_width;

    lv_coord_t self_h = lv_obj_get_self_height(obj) + pad_top + pad_bottom;

    lv_coord_t child_res = LV_COORD_MIN;
    uint32_t i;
    uint32_t child_cnt = lv_obj_get_child_cnt(obj);
    for(i = 0; i < child_cnt; i++) {
        lv_obj_t * child = obj->spec_attr->children[i];
        if(lv_obj_has_flag_any(child,  LV_OBJ_FLAG_HIDDEN | LV_OBJ_FLAG_FLOATING)) continue;

        lv_coord_t bottom = LV_COORD_MIN;
        if(!lv_obj_is_layout_positioned(child)) {
            lv_align_t align = lv_obj_get_style_align(child, 0);
            switch(align) {
                case LV_ALIGN_DEFAULT:
                case LV_ALIGN_TOP_RIGHT:
                case LV_ALIGN_TOP_MID:
                case LV_ALIGN_TOP_LEFT:
                    bottom = child->coords.y2 - (obj->coords.y1 + pad_top) + 1;
                    break;
                default:
                    if(lv_obj_get_style_y(child, 0) == 0) bottom = lv_area_get_height(&child->coords);
                    break;
            }
        }
        else {
            bottom = child->coords.y2 - (obj->coords.y1 + pad_top) + 1;
        }
        child_res = LV_MAX(child_res, bottom);
    }

    if(child_res == LV_COORD_MIN) return self_h;
    return LV_MAX(child_res + pad_top + pad_bottom, self_h);
}

static void layout_update_core(lv_obj_t * obj)
{
    uint32_t i;
    uint32_t child_cnt = lv_obj_get_child_cnt(obj);
    for(i = 0; i < child_cnt; i++) {
        lv_obj_t * child = obj->spec_attr->children[i];
        layout_update_core(child);
    }

    if(obj->layout_inv == 0) return;

    obj->layout_inv = 0;

    lv_obj_refr_size(obj);
    lv_obj_refr_pos(obj);

    if(child_cnt > 0) {
        uint32_t layout_id = lv_obj_get_style_layout(obj, LV_PART_MAIN);
        if(layout_id > 0 && layout_id <= layout_cnt) {
            void  * user_data = layout_list[layout_id - 1].user_data;
            layout_list[layout_id - 1].cb(obj, user_data);
        }
    }
}

/**
 * Offset of `obj`'s top-left corner from `base`'s top-left corner for an
 * alignment. Inner alignments use the base's content area, the OUT_ ones
 * its outer edges.
 */
static void align_to_offsets(const lv_obj_t * obj, const lv_obj_t * base, lv_align_t align,
                             lv_coord_t * x, lv_coord_t * y)
{
    lv_coord_t bborder = lv_obj_get_style_border_width(base, LV_PART_MAIN);
    lv_coord_t bleft = lv_obj_get_style_pad_left(base, LV_PART_MAIN) + bborder;
    lv_coord_t btop = lv_obj_get_style_pad_top(base, LV_PART_MAIN) + bborder;
    lv_coord_t cw = lv_obj_get_content_width(base);
    lv_coord_t ch = lv_obj_get_content_height(base);
    lv_coord_t bw = lv_obj_get_width(base);
    lv_coord_t bh = lv_obj_get_height(base);
    lv_coord_t w = lv_obj_get_width(obj);
    lv_coord_t h = lv_obj_get_height(obj);

    switch(align) {
        case LV_ALIGN_CENTER:
            *x = cw / 2 - w / 2 + bleft;
            *y = ch / 2 - h / 2 + btop;
            break;
        case LV_ALIGN_TOP_LEFT:
            *x = bleft;
            *y = btop;
            break;
        case LV_ALIGN_TOP_MID:
            *x = cw / 2 - w / 2 + bleft;
            *y = btop;
            break;
        case LV_ALIGN_TOP_RIGHT:
            *x = cw - w + bleft;
            *y = btop;
            break;
        case LV_ALIGN_BOTTOM_LEFT:
            *x = bleft;
            *y = ch - h + btop;
            break;
        case LV_ALIGN_BOTTOM_MID:
            *x = cw / 2 - w / 2 + bleft;
            *y = ch - h + btop;
            break;
        case LV_ALIGN_BOTTOM_RIGHT:
            *x = cw - w + bleft;
            *y = ch - h + btop;
            break;
        case LV_ALIGN_LEFT_MID:
            *x = bleft;
            *y = ch / 2 - h / 2 + btop;
            break;
        case LV_ALIGN_RIGHT_MID:
            *x = cw - w + bleft;
            *y = ch / 2 - h / 2 + btop;
            break;
        case LV_ALIGN_OUT_TOP_LEFT:
            *x = 0;
            *y = -h;
            break;
        case LV_ALIGN_OUT_TOP_MID:
            *x = bw / 2 - w / 2;
            *y = -h;
            break;
        case LV_ALIGN_OUT_TOP_RIGHT:
            *x = bw - w;
            *y = -h;
            break;
        case LV_ALIGN_OUT_BOTTOM_LEFT:
            *x = 0;
            *y = bh;
            break;
        case LV_ALIGN_OUT_BOTTOM_MID:
            *x = bw / 2 - w / 2;
            *y = bh;
            break;
        case LV_ALIGN_OUT_BOTTOM_RIGHT:
            *x = bw - w;
            *y = bh;
            break;
        case LV_ALIGN_OUT_LEFT_TOP:
            *x = -w;
            *y = 0;
            break;
        case LV_ALIGN_OUT_LEFT_MID:
            *x = -w;
            *y = bh / 2 - h / 2;
            break;
        case LV_ALIGN_OUT_LEFT_BOTTOM:
            *x = -w;
            *y = bh - h;
            break;
        case LV_ALIGN_OUT_RIGHT_TOP:
            *x = bw;
            *y = 0;
            break;
        case LV_ALIGN_OUT_RIGHT_MID:
            *x = bw;
            *y = bh / 2 - h / 2;
            break;
        case LV_ALIGN_OUT_RIGHT_BOTTOM:
            *x = bw;
            *y = bh - h;
            break;
        default:
            break;
    }
}
