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
static lv_coord_t content_size(lv_obj_t * obj, bool hor);
static lv_coord_t resolve_size(lv_obj_t * obj, bool hor, bool * is_content);
static void update_layout_subtree(lv_obj_t * obj);
static void get_ext_draw_area(const lv_obj_t * obj, lv_area_t * area);
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

/* Set a local coordinate style only when it differs, since every set triggers a refresh. */
static void set_local_coord(lv_obj_t * obj, lv_style_prop_t prop, lv_coord_t value)
{
    lv_style_value_t current;
    if(lv_obj_get_local_style_prop(obj, prop, &current, 0) == LV_STYLE_RES_FOUND && current.num == value) return;

    lv_style_value_t v = { .num = (int32_t)value };
    lv_obj_set_local_style_prop(obj, prop, v, 0);
}

void lv_obj_set_x(lv_obj_t * obj, lv_coord_t x)
{
    set_local_coord(obj, LV_STYLE_X, x);
}

void lv_obj_set_y(lv_obj_t * obj, lv_coord_t y)
{
    set_local_coord(obj, LV_STYLE_Y, y);
}

/*
 * A child that sticks out of its parent's content area gives the parent
 * scrollbars, so they are redrawn when the child leaves, enters or moves
 * while outside. Capture the state before the change, then report after it.
 */
typedef struct {
    lv_obj_t * parent;
    lv_area_t content;
    bool was_inside;
} parent_fit_t;

static void parent_fit_before(parent_fit_t * fit, lv_obj_t * parent, const lv_area_t * old_coords)
{
    fit->parent = parent;
    fit->was_inside = false;
    if(parent == NULL) return;
    lv_obj_get_content_coords(parent, &fit->content);
    fit->was_inside = _lv_area_is_in(old_coords, &fit->content, 0);
    if(!fit->was_inside) lv_obj_scrollbar_invalidate(parent);
}

static void parent_fit_after(const parent_fit_t * fit, const lv_area_t * new_coords)
{
    if(fit->parent == NULL) return;
    bool inside = _lv_area_is_in(new_coords, &fit->content, 0);
    if(fit->was_inside || inside) lv_obj_scrollbar_invalidate(fit->parent);
}

/**
 * Recompute the size from the width/height styles (pixels, percentage of the
 * parent's content size, or content size), clamped by min/max. Sends
 * LV_EVENT_SIZE_CHANGED (with the old area) and notifies the parent when
 * the size really changed. Returns whether it changed.
 */
bool lv_obj_refr_size(lv_obj_t * obj)
{
    /*Both sides set by the parent's layout: nothing to work out here*/
    if(obj->w_layout && obj->h_layout) return false;

    lv_obj_t * parent = lv_obj_get_parent(obj);
    if(parent == NULL) return false;

    /*Measuring the content scrolls to the start; put the scroll back afterwards*/
    lv_coord_t scroll_left = lv_obj_get_scroll_left(obj);
    lv_coord_t scroll_top = lv_obj_get_scroll_top(obj);

    bool w_is_content = false;
    bool h_is_content = false;
    lv_coord_t w = obj->w_layout ? lv_area_get_width(&obj->coords) : resolve_size(obj, true, &w_is_content);
    lv_coord_t h = obj->h_layout ? lv_area_get_height(&obj->coords) : resolve_size(obj, false, &h_is_content);

    if(w_is_content || h_is_content) lv_obj_scroll_to(obj, scroll_left, scroll_top, LV_ANIM_OFF);

    /*Stopping on an unchanged size is what ends the SIZE_CHANGED/CHILD_CHANGED ping-pong*/
    if(lv_area_get_width(&obj->coords) == w && lv_area_get_height(&obj->coords) == h) return false;

    lv_obj_invalidate(obj);

    lv_area_t old_coords = obj->coords;
    parent_fit_t fit;
    parent_fit_before(&fit, parent, &old_coords);

    /*Right-to-left objects keep their right edge*/
    obj->coords.y2 = obj->coords.y1 + h - 1;
    if(lv_obj_get_style_base_dir(obj, LV_PART_MAIN) == LV_BASE_DIR_RTL) obj->coords.x1 = obj->coords.x2 - w + 1;
    else obj->coords.x2 = obj->coords.x1 + w - 1;

    lv_event_send(obj, LV_EVENT_SIZE_CHANGED, &old_coords);
    lv_event_send(parent, LV_EVENT_CHILD_CHANGED, obj);

    lv_obj_invalidate(obj);
    lv_obj_readjust_scroll(obj, LV_ANIM_OFF);
    parent_fit_after(&fit, &obj->coords);

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
    set_local_coord(obj, LV_STYLE_WIDTH, w);
}

void lv_obj_set_height(lv_obj_t * obj, lv_coord_t h)
{
    set_local_coord(obj, LV_STYLE_HEIGHT, h);
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

    return lv_obj_get_style_layout(parent, LV_PART_MAIN) != 0;
}

void lv_obj_mark_layout_as_dirty(lv_obj_t * obj)
{
    obj->layout_inv = 1;

    /*The screen's flag tells lv_obj_update_layout that this tree has work*/
    lv_obj_t * scr = lv_obj_get_screen(obj);
    scr->scr_layout_inv = 1;

    /*A paused refresh timer would leave the layout stale until the next input*/
    lv_disp_t * disp = lv_obj_get_disp(scr);
    if(disp && disp->refr_timer) lv_timer_resume(disp->refr_timer);
}

void lv_obj_update_layout(const lv_obj_t * obj)
{
    /*Getters called from layout callbacks end up here again; the outer call finishes the job*/
    static bool updating = false;
    if(updating) return;
    updating = true;

    lv_obj_t * scr = lv_obj_get_screen(obj);

    /*A size change of a parent marks its percentage-sized children again, so
     *go round until nothing is marked; unchanged sizes mark nothing, which
     *makes this settle. The cap guards against styles that never settle.*/
    uint32_t rounds = 0;
    while(scr->scr_layout_inv && rounds < 64) {
        scr->scr_layout_inv = 0;
        update_layout_subtree(scr);
        rounds++;
    }

    updating = false;
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
    return layout_cnt;  /*ids start at 1: 0 in the layout style means no layout*/
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

    if(align == LV_ALIGN_DEFAULT) {
        bool rtl = lv_obj_get_style_base_dir(base, LV_PART_MAIN) == LV_BASE_DIR_RTL;
        align = rtl ? LV_ALIGN_TOP_RIGHT : LV_ALIGN_TOP_LEFT;
    }

    lv_coord_t x = 0;
    lv_coord_t y = 0;
    align_to_offsets(obj, base, align, &x, &y);

    /*From base-relative to a position in the parent's content area, where
     *lv_obj_set_pos measures from (scrolled content counted)*/
    lv_coord_t pborder = lv_obj_get_style_border_width(parent, LV_PART_MAIN);
    lv_coord_t pleft = lv_obj_get_style_pad_left(parent, LV_PART_MAIN) + pborder;
    lv_coord_t ptop = lv_obj_get_style_pad_top(parent, LV_PART_MAIN) + pborder;
    bool parent_rtl = lv_obj_get_style_base_dir(parent, LV_PART_MAIN) == LV_BASE_DIR_RTL;
    lv_coord_t scrolled_x = parent_rtl ? lv_obj_get_scroll_right(parent) : lv_obj_get_scroll_left(parent);
    x += x_ofs + base->coords.x1 - parent->coords.x1 + scrolled_x - pleft;
    y += y_ofs + base->coords.y1 - parent->coords.y1 + lv_obj_get_scroll_top(parent) - ptop;
    lv_obj_set_style_align(obj, LV_ALIGN_TOP_LEFT, 0);
    lv_obj_set_pos(obj, x, y);
}

void lv_obj_get_coords(const lv_obj_t * obj, lv_area_t * coords)
{
    lv_obj_update_layout(obj);
    lv_area_copy(coords, &obj->coords);
}

/* Distance of the object's edge from the parent's content origin, scrolled content counted. */
static lv_coord_t offset_in_parent(const lv_obj_t * obj, bool hor)
{
    lv_obj_update_layout(obj);
    lv_obj_t * parent = lv_obj_get_parent(obj);
    if(parent == NULL) return hor ? obj->coords.x1 : obj->coords.y1;

    lv_coord_t border_width = lv_obj_get_style_border_width(parent, LV_PART_MAIN);
    if(hor) {
        return obj->coords.x1 - parent->coords.x1 + lv_obj_get_scroll_x(parent) -
               lv_obj_get_style_pad_left(parent, LV_PART_MAIN) - border_width;
    }
    return obj->coords.y1 - parent->coords.y1 + lv_obj_get_scroll_y(parent) -
           lv_obj_get_style_pad_top(parent, LV_PART_MAIN) - border_width;
}

lv_coord_t lv_obj_get_x(const lv_obj_t * obj)
{
    return offset_in_parent(obj, true);
}

lv_coord_t lv_obj_get_x2(const lv_obj_t * obj)
{
    lv_obj_update_layout(obj);
    return lv_obj_get_x(obj) + lv_obj_get_width(obj);
}

lv_coord_t lv_obj_get_y(const lv_obj_t * obj)
{
    return offset_in_parent(obj, false);
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

/* A coordinate that may be a percentage, in pixels of `ref`. */
static lv_coord_t resolve_pct(lv_coord_t v, lv_coord_t ref)
{
    return LV_COORD_IS_PCT(v) ? (ref * LV_COORD_GET_PCT(v)) / 100 : v;
}

/* Shift of an object of w x h that an alignment inside a pw x ph content area adds. */
static void align_in_parent(lv_align_t align, lv_coord_t pw, lv_coord_t ph, lv_coord_t w, lv_coord_t h,
                            lv_coord_t * x, lv_coord_t * y)
{
    lv_coord_t mid_x = pw / 2 - w / 2;
    lv_coord_t mid_y = ph / 2 - h / 2;
    lv_coord_t right = pw - w;
    lv_coord_t bottom = ph - h;
    switch(align) {
        case LV_ALIGN_TOP_MID:
            *x += mid_x;
            break;
        case LV_ALIGN_TOP_RIGHT:
            *x += right;
            break;
        case LV_ALIGN_LEFT_MID:
            *y += mid_y;
            break;
        case LV_ALIGN_BOTTOM_LEFT:
            *y += bottom;
            break;
        case LV_ALIGN_BOTTOM_MID:
            *x += mid_x;
            *y += bottom;
            break;
        case LV_ALIGN_BOTTOM_RIGHT:
            *x += right;
            *y += bottom;
            break;
        case LV_ALIGN_RIGHT_MID:
            *x += right;
            *y += mid_y;
            break;
        case LV_ALIGN_CENTER:
            *x += mid_x;
            *y += mid_y;
            break;
        default:
            break;
    }
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

    /*Position percentages refer to the parent's content, translation
     *percentages to the object's own size*/
    lv_coord_t pw = lv_obj_get_content_width(parent);
    lv_coord_t ph = lv_obj_get_content_height(parent);
    lv_coord_t w = lv_obj_get_width(obj);
    lv_coord_t h = lv_obj_get_height(obj);
    x = resolve_pct(x, pw) + resolve_pct(lv_obj_get_style_translate_x(obj, LV_PART_MAIN), w);
    y = resolve_pct(y, ph) + resolve_pct(lv_obj_get_style_translate_y(obj, LV_PART_MAIN), h);

    lv_align_t align = lv_obj_get_style_align(obj, LV_PART_MAIN);
    if(align == LV_ALIGN_DEFAULT) {
        bool rtl = lv_obj_get_style_base_dir(parent, LV_PART_MAIN) == LV_BASE_DIR_RTL;
        align = rtl ? LV_ALIGN_TOP_RIGHT : LV_ALIGN_TOP_LEFT;
    }
    align_in_parent(align, pw, ph, w, h, &x, &y);

    lv_obj_move_to(obj, x, y);
}

void lv_obj_move_to(lv_obj_t * obj, lv_coord_t x, lv_coord_t y)
{
    /*From the parent's content origin to screen coordinates; floating
     *children do not scroll with the content*/
    lv_obj_t * parent = obj->parent;
    if(parent) {
        lv_coord_t border_width = lv_obj_get_style_border_width(parent, LV_PART_MAIN);
        x += parent->coords.x1 + lv_obj_get_style_pad_left(parent, LV_PART_MAIN) + border_width;
        y += parent->coords.y1 + lv_obj_get_style_pad_top(parent, LV_PART_MAIN) + border_width;
        if(!lv_obj_has_flag(obj, LV_OBJ_FLAG_FLOATING)) {
            x -= lv_obj_get_scroll_x(parent);
            y -= lv_obj_get_scroll_y(parent);
        }
    }

    lv_coord_t dx = x - obj->coords.x1;
    lv_coord_t dy = y - obj->coords.y1;

    /*Stopping on an unchanged position keeps CHILD_CHANGED from looping*/
    if(dx == 0 && dy == 0) return;

    lv_obj_invalidate(obj);

    parent_fit_t fit;
    parent_fit_before(&fit, parent, &obj->coords);

    lv_area_move(&obj->coords, dx, dy);
    lv_obj_move_children_by(obj, dx, dy, false);

    if(parent) lv_event_send(parent, LV_EVENT_CHILD_CHANGED, obj);

    lv_obj_invalidate(obj);
    parent_fit_after(&fit, &obj->coords);
}

void lv_obj_move_children_by(lv_obj_t * obj, lv_coord_t x_diff, lv_coord_t y_diff, bool ignore_floating)
{
    uint32_t child_cnt = lv_obj_get_child_cnt(obj);
    for(uint32_t i = 0; i < child_cnt; i++) {
        lv_obj_t * child = obj->spec_attr->children[i];
        if(ignore_floating && lv_obj_has_flag(child, LV_OBJ_FLAG_FLOATING)) continue;
        lv_area_move(&child->coords, x_diff, y_diff);
        lv_obj_move_children_by(child, x_diff, y_diff, false);
    }
}

void lv_obj_invalidate_area(const lv_obj_t * obj, const lv_area_t * area)
{
    lv_disp_t * disp = lv_obj_get_disp(obj);
    if(disp == NULL || !lv_disp_is_invalidation_enabled(disp)) return;

    lv_area_t visible = *area;
    if(!lv_obj_area_is_visible(obj, &visible)) return;

    _lv_inv_area(disp, &visible);
}

void lv_obj_invalidate(const lv_obj_t * obj)
{
    lv_area_t area;
    get_ext_draw_area(obj, &area);
    lv_obj_invalidate_area(obj, &area);
}

/* Only the shown screen, the one being replaced and the two layers are drawn. */
static bool screen_is_drawn(lv_obj_t * scr, lv_disp_t * disp)
{
    return scr == lv_disp_get_scr_act(disp) || scr == lv_disp_get_scr_prev(disp) ||
           scr == lv_disp_get_layer_top(disp) || scr == lv_disp_get_layer_sys(disp);
}

bool lv_obj_area_is_visible(const lv_obj_t * obj, lv_area_t * area)
{
    if(lv_obj_has_flag(obj, LV_OBJ_FLAG_HIDDEN)) return false;

    lv_obj_t * scr = lv_obj_get_screen(obj);
    lv_disp_t * disp = lv_obj_get_disp(scr);
    if(disp == NULL || !screen_is_drawn(scr, disp)) return false;

    /*Clip to what the object draws, shadow and outline included*/
    if(!lv_obj_has_flag_any(obj, LV_OBJ_FLAG_OVERFLOW_VISIBLE)) {
        lv_area_t drawn;
        get_ext_draw_area(obj, &drawn);
        if(!_lv_area_intersect(area, area, &drawn)) return false;
    }

    /*Then to every ancestor that clips its children; a hidden one hides all*/
    for(lv_obj_t * par = lv_obj_get_parent(obj); par != NULL; par = lv_obj_get_parent(par)) {
        if(lv_obj_has_flag(par, LV_OBJ_FLAG_HIDDEN)) return false;
        if(lv_obj_has_flag(par, LV_OBJ_FLAG_OVERFLOW_VISIBLE)) continue;
        if(!_lv_area_intersect(area, area, &par->coords)) return false;
    }

    return true;
}

bool lv_obj_is_visible(const lv_obj_t * obj)
{
    lv_area_t area;
    get_ext_draw_area(obj, &area);
    return lv_obj_area_is_visible(obj, &area);
}

void lv_obj_set_ext_click_area(lv_obj_t * obj, lv_coord_t size)
{
    lv_obj_allocate_spec_attr(obj);
    if(obj->spec_attr) obj->spec_attr->ext_click_pad = size;
}

void lv_obj_get_click_area(const lv_obj_t * obj, lv_area_t * area)
{
    lv_area_copy(area, &obj->coords);
    if(obj->spec_attr) lv_area_increase(area, obj->spec_attr->ext_click_pad, obj->spec_attr->ext_click_pad);
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
    if(!_lv_area_is_point_on(&a, point, 0)) return false;

    if(!lv_obj_has_flag(obj, LV_OBJ_FLAG_ADV_HITTEST)) return true;

    lv_hit_test_info_t hit_info;
    hit_info.point = point;
    hit_info.res = true;
    lv_event_send(obj, LV_EVENT_HIT_TEST, &hit_info);
    return hit_info.res;
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

/* The object's area grown by its extra draw size (shadow, outline...). */
static void get_ext_draw_area(const lv_obj_t * obj, lv_area_t * area)
{
    lv_coord_t ext = _lv_obj_get_ext_draw_size(obj);
    lv_area_copy(area, &obj->coords);
    lv_area_increase(area, ext, ext);
}

/* Whether the parent's content size depends on this side of its own size. */
static bool sizes_to_content(const lv_obj_t * parent, bool hor)
{
    if(hor) return parent->w_layout == 0 && lv_obj_get_style_width(parent, 0) == LV_SIZE_CONTENT;
    return parent->h_layout == 0 && lv_obj_get_style_height(parent, 0) == LV_SIZE_CONTENT;
}

/* Padding plus border on both ends of one axis. */
static lv_coord_t frame_size(lv_obj_t * obj, bool hor)
{
    lv_coord_t border_w = lv_obj_get_style_border_width(obj, 0);
    if(hor) return lv_obj_get_style_pad_left(obj, 0) + lv_obj_get_style_pad_right(obj, 0) + 2 * border_w;
    return lv_obj_get_style_pad_top(obj, 0) + lv_obj_get_style_pad_bottom(obj, 0) + 2 * border_w;
}

/**
 * Resolve the width (`hor`) or height style to pixels, within min/max.
 * A percentage of a parent that sizes to its content would be circular;
 * such a child gets just its own padding and border.
 */
static lv_coord_t resolve_size(lv_obj_t * obj, bool hor, bool * is_content)
{
    lv_obj_t * parent = lv_obj_get_parent(obj);
    lv_coord_t v = hor ? lv_obj_get_style_width(obj, LV_PART_MAIN) : lv_obj_get_style_height(obj, LV_PART_MAIN);
    lv_coord_t parent_v = hor ? lv_obj_get_content_width(parent) : lv_obj_get_content_height(parent);
    *is_content = v == LV_SIZE_CONTENT;

    if(*is_content) v = content_size(obj, hor);
    else if(LV_COORD_IS_PCT(v)) v = sizes_to_content(parent, hor) ? frame_size(obj, hor) : (LV_COORD_GET_PCT(v) * parent_v) / 100;

    if(hor) {
        return lv_clamp_width(v, lv_obj_get_style_min_width(obj, LV_PART_MAIN),
                              lv_obj_get_style_max_width(obj, LV_PART_MAIN), parent_v);
    }
    return lv_clamp_height(v, lv_obj_get_style_min_height(obj, LV_PART_MAIN),
                           lv_obj_get_style_max_height(obj, LV_PART_MAIN), parent_v);
}

/* Alignments that anchor a child at the start of the axis, so its far edge is a fair measure. */
static bool anchored_at_start(lv_align_t align, bool hor)
{
    if(hor) {
        return align == LV_ALIGN_DEFAULT || align == LV_ALIGN_TOP_LEFT || align == LV_ALIGN_BOTTOM_LEFT ||
               align == LV_ALIGN_LEFT_MID;
    }
    return align == LV_ALIGN_DEFAULT || align == LV_ALIGN_TOP_LEFT || align == LV_ALIGN_TOP_MID ||
           align == LV_ALIGN_TOP_RIGHT;
}

/*
 * How much of the axis a child needs from the content start. A centred or
 * end-aligned child would move with the parent's size, so it counts only
 * its own size, and only without an offset; LV_COORD_MIN means "nothing".
 */
static lv_coord_t child_extent(const lv_obj_t * obj, lv_obj_t * child, bool hor, lv_coord_t start_pad)
{
    lv_coord_t to_far_edge = hor ? child->coords.x2 - (obj->coords.x1 + start_pad) + 1 :
                             child->coords.y2 - (obj->coords.y1 + start_pad) + 1;
    if(lv_obj_is_layout_positioned(child)) return to_far_edge;
    if(anchored_at_start(lv_obj_get_style_align(child, 0), hor)) return to_far_edge;

    lv_coord_t offset = hor ? lv_obj_get_style_x(child, 0) : lv_obj_get_style_y(child, 0);
    if(offset != 0) return LV_COORD_MIN;
    return hor ? lv_area_get_width(&child->coords) : lv_area_get_height(&child->coords);
}

/**
 * The content size along one axis: the widget's own content (label text,
 * image) or what the visible children need, whichever is larger, plus
 * padding and border. Measured unscrolled.
 */
static lv_coord_t content_size(lv_obj_t * obj, bool hor)
{
    if(hor) lv_obj_scroll_to_x(obj, 0, LV_ANIM_OFF);
    else lv_obj_scroll_to_y(obj, 0, LV_ANIM_OFF);

    lv_coord_t border_width = lv_obj_get_style_border_width(obj, LV_PART_MAIN);
    lv_coord_t start_pad = border_width + (hor ? lv_obj_get_style_pad_left(obj, LV_PART_MAIN) :
                                           lv_obj_get_style_pad_top(obj, LV_PART_MAIN));
    lv_coord_t end_pad = border_width + (hor ? lv_obj_get_style_pad_right(obj, LV_PART_MAIN) :
                                         lv_obj_get_style_pad_bottom(obj, LV_PART_MAIN));

    lv_coord_t self = (hor ? lv_obj_get_self_width(obj) : lv_obj_get_self_height(obj)) + start_pad + end_pad;

    lv_coord_t children = LV_COORD_MIN;
    uint32_t child_cnt = lv_obj_get_child_cnt(obj);
    for(uint32_t i = 0; i < child_cnt; i++) {
        lv_obj_t * child = obj->spec_attr->children[i];
        if(lv_obj_has_flag_any(child, LV_OBJ_FLAG_HIDDEN | LV_OBJ_FLAG_FLOATING)) continue;
        children = LV_MAX(children, child_extent(obj, child, hor, start_pad));
    }

    if(children == LV_COORD_MIN) return self;
    return LV_MAX(children + start_pad + end_pad, self);
}

/* Children first, so a parent sized to its content sees their final sizes. */
static void update_layout_subtree(lv_obj_t * obj)
{
    uint32_t child_cnt = lv_obj_get_child_cnt(obj);
    for(uint32_t i = 0; i < child_cnt; i++) update_layout_subtree(obj->spec_attr->children[i]);

    if(obj->layout_inv == 0) return;
    obj->layout_inv = 0;

    lv_obj_refr_size(obj);
    lv_obj_refr_pos(obj);

    if(child_cnt == 0) return;
    uint32_t layout_id = lv_obj_get_style_layout(obj, LV_PART_MAIN);
    if(layout_id > 0 && layout_id <= layout_cnt) {
        layout_list[layout_id - 1].cb(obj, layout_list[layout_id - 1].user_data);
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
