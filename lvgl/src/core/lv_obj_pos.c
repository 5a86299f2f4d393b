/**
 * @file lv_obj_pos.c
 * Where objects are and how big: sizes, alignment, layouts, invalidation.
 *
 * Sizes and positions live in style properties (pixels, percentages of the
 * parent's content area, LV_SIZE_CONTENT) and become coordinates lazily.
 * Setters only mark the layout dirty; every getter settles the layout of
 * the object's screen first, so it reads final values.
 *
 * Most of the arithmetic is the same for both axes, so it is written once
 * against an axis (_lv_axis_t) instead of twice.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_obj.h"
#include "lv_obj_private.h"
#include "lv_disp.h"
#include "lv_refr.h"
#include "../misc/lv_mem.h"

/*********************
 *      DEFINES
 *********************/
/*Settling rounds before giving up on styles that never agree (e.g. a
 *content-sized parent with a child sized by percentage of it)*/
#define SETTLE_ROUNDS_MAX 64

/**********************
 *      TYPEDEFS
 **********************/

/* Where an aligned box goes along one axis, relative to the box it is aligned to. */
typedef enum {
    SPOT_START,     /*flush with the start*/
    SPOT_MIDDLE,
    SPOT_END,       /*flush with the end*/
    SPOT_BEFORE,    /*outside, just before the start*/
    SPOT_AFTER,     /*outside, just after the end*/
} spot_t;

typedef struct {
    uint8_t spot[2];    /*per axis*/
    uint8_t outside;    /*measured against the outer edges rather than the content area*/
} align_rule_t;

/**********************
 *  STATIC PROTOTYPES
 **********************/
static lv_coord_t wanted_length(lv_obj_t * obj, _lv_axis_t axis, bool * from_content);
static void take_area(lv_obj_t * obj, const lv_area_t * next, bool resized);
static void settle(lv_obj_t * obj);
static const align_rule_t * rule_of(lv_align_t align, const lv_obj_t * dir_source, bool inner_only);
static lv_coord_t spot_offset(spot_t spot, lv_coord_t box_len, lv_coord_t own_len);
static lv_coord_t content_origin(const lv_obj_t * obj, _lv_axis_t axis);
static lv_coord_t scroll_of(const lv_obj_t * obj, _lv_axis_t axis);
static void ext_draw_area(const lv_obj_t * obj, lv_area_t * area);
static const lv_area_t * settled_coords(const lv_obj_t * obj);

/**********************
 *  STATIC VARIABLES
 **********************/
static lv_layout_dsc_t * layouts;
static uint32_t layout_total;

/*Indexed by lv_align_t; DEFAULT is resolved to TOP_LEFT/TOP_RIGHT before lookup*/
static const align_rule_t align_rules[] = {
    [LV_ALIGN_DEFAULT]          = {{SPOT_START, SPOT_START}, 0},
    [LV_ALIGN_TOP_LEFT]         = {{SPOT_START, SPOT_START}, 0},
    [LV_ALIGN_TOP_MID]          = {{SPOT_MIDDLE, SPOT_START}, 0},
    [LV_ALIGN_TOP_RIGHT]        = {{SPOT_END, SPOT_START}, 0},
    [LV_ALIGN_BOTTOM_LEFT]      = {{SPOT_START, SPOT_END}, 0},
    [LV_ALIGN_BOTTOM_MID]       = {{SPOT_MIDDLE, SPOT_END}, 0},
    [LV_ALIGN_BOTTOM_RIGHT]     = {{SPOT_END, SPOT_END}, 0},
    [LV_ALIGN_LEFT_MID]         = {{SPOT_START, SPOT_MIDDLE}, 0},
    [LV_ALIGN_RIGHT_MID]        = {{SPOT_END, SPOT_MIDDLE}, 0},
    [LV_ALIGN_CENTER]           = {{SPOT_MIDDLE, SPOT_MIDDLE}, 0},
    [LV_ALIGN_OUT_TOP_LEFT]     = {{SPOT_START, SPOT_BEFORE}, 1},
    [LV_ALIGN_OUT_TOP_MID]      = {{SPOT_MIDDLE, SPOT_BEFORE}, 1},
    [LV_ALIGN_OUT_TOP_RIGHT]    = {{SPOT_END, SPOT_BEFORE}, 1},
    [LV_ALIGN_OUT_BOTTOM_LEFT]  = {{SPOT_START, SPOT_AFTER}, 1},
    [LV_ALIGN_OUT_BOTTOM_MID]   = {{SPOT_MIDDLE, SPOT_AFTER}, 1},
    [LV_ALIGN_OUT_BOTTOM_RIGHT] = {{SPOT_END, SPOT_AFTER}, 1},
    [LV_ALIGN_OUT_LEFT_TOP]     = {{SPOT_BEFORE, SPOT_START}, 1},
    [LV_ALIGN_OUT_LEFT_MID]     = {{SPOT_BEFORE, SPOT_MIDDLE}, 1},
    [LV_ALIGN_OUT_LEFT_BOTTOM]  = {{SPOT_BEFORE, SPOT_END}, 1},
    [LV_ALIGN_OUT_RIGHT_TOP]    = {{SPOT_AFTER, SPOT_START}, 1},
    [LV_ALIGN_OUT_RIGHT_MID]    = {{SPOT_AFTER, SPOT_MIDDLE}, 1},
    [LV_ALIGN_OUT_RIGHT_BOTTOM] = {{SPOT_AFTER, SPOT_END}, 1},
};

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

void _lv_obj_get_insets(const lv_obj_t * obj, _lv_obj_insets_t * insets)
{
    lv_coord_t border = lv_obj_get_style_border_width(obj, LV_PART_MAIN);
    insets->left = lv_obj_get_style_pad_left(obj, LV_PART_MAIN) + border;
    insets->right = lv_obj_get_style_pad_right(obj, LV_PART_MAIN) + border;
    insets->top = lv_obj_get_style_pad_top(obj, LV_PART_MAIN) + border;
    insets->bottom = lv_obj_get_style_pad_bottom(obj, LV_PART_MAIN) + border;
}

/*=====================
 * Setting position and size
 *====================*/

/* Every style write refreshes the object, so an unchanged value is not written again. */
static void set_geometry_prop(lv_obj_t * obj, lv_style_prop_t prop, lv_coord_t value)
{
    lv_style_value_t now;
    bool same = lv_obj_get_local_style_prop(obj, prop, &now, 0) == LV_STYLE_RES_FOUND && now.num == value;
    if(same) return;

    lv_style_value_t next = {.num = value};
    lv_obj_set_local_style_prop(obj, prop, next, 0);
}

void lv_obj_set_pos(lv_obj_t * obj, lv_coord_t x, lv_coord_t y)
{
    set_geometry_prop(obj, LV_STYLE_X, x);
    set_geometry_prop(obj, LV_STYLE_Y, y);
}

void lv_obj_set_x(lv_obj_t * obj, lv_coord_t x)
{
    set_geometry_prop(obj, LV_STYLE_X, x);
}

void lv_obj_set_y(lv_obj_t * obj, lv_coord_t y)
{
    set_geometry_prop(obj, LV_STYLE_Y, y);
}

void lv_obj_set_size(lv_obj_t * obj, lv_coord_t w, lv_coord_t h)
{
    set_geometry_prop(obj, LV_STYLE_WIDTH, w);
    set_geometry_prop(obj, LV_STYLE_HEIGHT, h);
}

void lv_obj_set_width(lv_obj_t * obj, lv_coord_t w)
{
    set_geometry_prop(obj, LV_STYLE_WIDTH, w);
}

void lv_obj_set_height(lv_obj_t * obj, lv_coord_t h)
{
    set_geometry_prop(obj, LV_STYLE_HEIGHT, h);
}

void lv_obj_set_content_width(lv_obj_t * obj, lv_coord_t w)
{
    _lv_obj_insets_t in;
    _lv_obj_get_insets(obj, &in);
    lv_obj_set_width(obj, in.left + w + in.right);
}

void lv_obj_set_content_height(lv_obj_t * obj, lv_coord_t h)
{
    _lv_obj_insets_t in;
    _lv_obj_get_insets(obj, &in);
    lv_obj_set_height(obj, in.top + h + in.bottom);
}

/*
 * Work out the size from the width and height styles and apply it. Sides
 * that the parent's layout sets (w_layout, h_layout) keep their length.
 * Screens keep the display's size. Returns whether the size changed.
 */
bool lv_obj_refr_size(lv_obj_t * obj)
{
    if(obj->parent == NULL) return false;
    bool by_layout[2] = {obj->w_layout, obj->h_layout};
    if(by_layout[_LV_AXIS_X] && by_layout[_LV_AXIS_Y]) return false;

    /*Measuring the content scrolls it to the start; put it back afterwards*/
    lv_coord_t kept_scroll[2] = {lv_obj_get_scroll_x(obj), lv_obj_get_scroll_y(obj)};
    bool measured = false;
    lv_coord_t len[2];
    for(int axis = _LV_AXIS_X; axis <= _LV_AXIS_Y; axis++) {
        bool from_content = false;
        if(by_layout[axis]) len[axis] = _lv_area_len(&obj->coords, axis);
        else len[axis] = wanted_length(obj, axis, &from_content);
        measured = measured || from_content;
    }
    if(measured) lv_obj_scroll_to(obj, kept_scroll[_LV_AXIS_X], kept_scroll[_LV_AXIS_Y], LV_ANIM_OFF);

    /*Stopping when nothing changed is what ends the SIZE_CHANGED / CHILD_CHANGED back and forth*/
    if(len[_LV_AXIS_X] == lv_area_get_width(&obj->coords) && len[_LV_AXIS_Y] == lv_area_get_height(&obj->coords)) {
        return false;
    }

    lv_area_t next = obj->coords;
    next.y2 = next.y1 + len[_LV_AXIS_Y] - 1;
    /*Right-to-left objects grow and shrink to the left*/
    if(lv_obj_get_style_base_dir(obj, LV_PART_MAIN) == LV_BASE_DIR_RTL) next.x1 = next.x2 - len[_LV_AXIS_X] + 1;
    else next.x2 = next.x1 + len[_LV_AXIS_X] - 1;
    take_area(obj, &next, true);
    return true;
}

void lv_obj_set_layout(lv_obj_t * obj, uint32_t layout)
{
    lv_obj_set_style_layout(obj, (uint16_t)layout, 0);
    lv_obj_mark_layout_as_dirty(obj);
}

bool lv_obj_is_layout_positioned(const lv_obj_t * obj)
{
    lv_obj_flag_t opt_out = LV_OBJ_FLAG_HIDDEN | LV_OBJ_FLAG_IGNORE_LAYOUT | LV_OBJ_FLAG_FLOATING;
    if(lv_obj_has_flag_any(obj, opt_out)) return false;

    const lv_obj_t * parent = lv_obj_get_parent(obj);
    return parent != NULL && lv_obj_get_style_layout(parent, LV_PART_MAIN) != 0;
}

void lv_obj_mark_layout_as_dirty(lv_obj_t * obj)
{
    obj->layout_inv = 1;

    /*The screen's flag tells lv_obj_update_layout that its tree has work*/
    lv_obj_t * root = lv_obj_get_screen(obj);
    root->scr_layout_inv = 1;

    /*The refresh timer pauses while nothing is dirty; the layout must not wait for the next input*/
    lv_disp_t * disp = lv_obj_get_disp(root);
    if(disp != NULL && disp->refr_timer != NULL) lv_timer_resume(disp->refr_timer);
}

/*
 * A new size of a parent marks its children again (percentages, alignment),
 * so rounds go on until a round marks nothing. Sizes and positions that do
 * not change mark nothing, which is what lets it end.
 */
void lv_obj_update_layout(const lv_obj_t * obj)
{
    /*Getters called from inside the layout come back here; the outer call finishes the job*/
    static bool busy;
    /*NULL: a display whose layer was deleted asks about it*/
    if(busy || obj == NULL) return;
    busy = true;

    lv_obj_t * root = lv_obj_get_screen(obj);
    for(uint32_t round = 0; root->scr_layout_inv && round < SETTLE_ROUNDS_MAX; round++) {
        root->scr_layout_inv = 0;
        settle(root);
    }

    busy = false;
}

uint32_t lv_layout_register(lv_layout_update_cb_t cb, void * user_data)
{
    lv_layout_dsc_t * grown = lv_mem_realloc(layouts, (layout_total + 1) * sizeof(lv_layout_dsc_t));
    LV_ASSERT_MALLOC(grown);
    if(grown == NULL) return 0;

    grown[layout_total].cb = cb;
    grown[layout_total].user_data = user_data;
    layouts = grown;
    layout_total++;
    /*Ids count from 1: a layout style of 0 means "no layout"*/
    return layout_total;
}

/* The list lived in the memory pool, which lv_deinit resets. */
void _lv_layout_deinit(void)
{
    layouts = NULL;
    layout_total = 0;
}

void lv_obj_set_align(lv_obj_t * obj, lv_align_t align)
{
    set_geometry_prop(obj, LV_STYLE_ALIGN, align);
}

void lv_obj_align(lv_obj_t * obj, lv_align_t align, lv_coord_t x_ofs, lv_coord_t y_ofs)
{
    set_geometry_prop(obj, LV_STYLE_ALIGN, align);
    set_geometry_prop(obj, LV_STYLE_X, x_ofs);
    set_geometry_prop(obj, LV_STYLE_Y, y_ofs);
}

/*
 * A one-off placement next to (or inside) any object: the result is stored
 * as a plain top-left position in the parent, so later moves of `base` are
 * not followed. Inner alignments use the base's content area, the OUT_ ones
 * its outer edges.
 */
void lv_obj_align_to(lv_obj_t * obj, const lv_obj_t * base, lv_align_t align, lv_coord_t x_ofs, lv_coord_t y_ofs)
{
    const lv_area_t * own = settled_coords(obj);
    lv_obj_t * parent = obj->parent;
    if(base == NULL) base = parent;
    if(base == NULL || parent == NULL) return;

    const align_rule_t * rule = rule_of(align, base, false);
    lv_coord_t ofs[2] = {x_ofs, y_ofs};
    lv_coord_t pos[2];
    for(int axis = _LV_AXIS_X; axis <= _LV_AXIS_Y; axis++) {
        lv_coord_t box_start = rule->outside ? _lv_area_lo(&base->coords, axis) : content_origin(base, axis);
        lv_coord_t box_len = rule->outside ? _lv_area_len(&base->coords, axis) :
                             (axis == _LV_AXIS_X ? lv_obj_get_content_width(base) : lv_obj_get_content_height(base));
        lv_coord_t own_len = _lv_area_len(own, axis);
        lv_coord_t screen_pos = box_start + spot_offset(rule->spot[axis], box_len, own_len) + ofs[axis];
        /*As a position in the parent: from its content origin, in scrolled content*/
        pos[axis] = screen_pos - content_origin(parent, axis) + scroll_of(parent, axis);
    }

    set_geometry_prop(obj, LV_STYLE_ALIGN, LV_ALIGN_TOP_LEFT);
    set_geometry_prop(obj, LV_STYLE_X, pos[_LV_AXIS_X]);
    set_geometry_prop(obj, LV_STYLE_Y, pos[_LV_AXIS_Y]);
}

/*=====================
 * Reading position and size
 *====================*/

void lv_obj_get_coords(const lv_obj_t * obj, lv_area_t * coords)
{
    *coords = *settled_coords(obj);
}

/* Distance from the parent's content origin, counted in scrolled content. */
static lv_coord_t pos_in_parent(const lv_obj_t * obj, _lv_axis_t axis)
{
    lv_coord_t at = _lv_area_lo(settled_coords(obj), axis);
    const lv_obj_t * parent = obj->parent;
    if(parent == NULL) return at;
    return at - content_origin(parent, axis) + scroll_of(parent, axis);
}

lv_coord_t lv_obj_get_x(const lv_obj_t * obj)
{
    return pos_in_parent(obj, _LV_AXIS_X);
}

lv_coord_t lv_obj_get_x2(const lv_obj_t * obj)
{
    return pos_in_parent(obj, _LV_AXIS_X) + lv_obj_get_width(obj);
}

lv_coord_t lv_obj_get_y(const lv_obj_t * obj)
{
    return pos_in_parent(obj, _LV_AXIS_Y);
}

lv_coord_t lv_obj_get_y2(const lv_obj_t * obj)
{
    return pos_in_parent(obj, _LV_AXIS_Y) + lv_obj_get_height(obj);
}

/* The x/y as set, before alignment: pixels or a percentage. */
lv_coord_t lv_obj_get_x_aligned(const lv_obj_t * obj)
{
    return lv_obj_get_style_prop(obj, LV_PART_MAIN, LV_STYLE_X).num;
}

lv_coord_t lv_obj_get_y_aligned(const lv_obj_t * obj)
{
    return lv_obj_get_style_prop(obj, LV_PART_MAIN, LV_STYLE_Y).num;
}

lv_coord_t lv_obj_get_width(const lv_obj_t * obj)
{
    return lv_area_get_width(settled_coords(obj));
}

lv_coord_t lv_obj_get_height(const lv_obj_t * obj)
{
    return lv_area_get_height(settled_coords(obj));
}

lv_coord_t lv_obj_get_content_width(const lv_obj_t * obj)
{
    lv_area_t content;
    lv_obj_get_content_coords(obj, &content);
    return lv_area_get_width(&content);
}

lv_coord_t lv_obj_get_content_height(const lv_obj_t * obj)
{
    lv_area_t content;
    lv_obj_get_content_coords(obj, &content);
    return lv_area_get_height(&content);
}

void lv_obj_get_content_coords(const lv_obj_t * obj, lv_area_t * area)
{
    *area = *settled_coords(obj);
    _lv_obj_insets_t in;
    _lv_obj_get_insets(obj, &in);
    area->x1 += in.left;
    area->y1 += in.top;
    area->x2 -= in.right;
    area->y2 -= in.bottom;
}

/*
 * What the widget itself needs (a label's text, an image): it answers
 * LV_EVENT_GET_SELF_SIZE by raising the asked coordinate; the other one is
 * preset to LV_COORD_MIN so handlers can tell which is asked.
 */
static lv_coord_t self_length(const lv_obj_t * obj, _lv_axis_t axis)
{
    lv_point_t need = {axis == _LV_AXIS_X ? 0 : LV_COORD_MIN, axis == _LV_AXIS_Y ? 0 : LV_COORD_MIN};
    lv_event_send((lv_obj_t *)obj, LV_EVENT_GET_SELF_SIZE, &need);
    return axis == _LV_AXIS_X ? need.x : need.y;
}

lv_coord_t lv_obj_get_self_width(const lv_obj_t * obj)
{
    return self_length(obj, _LV_AXIS_X);
}

lv_coord_t lv_obj_get_self_height(const lv_obj_t * obj)
{
    return self_length(obj, _LV_AXIS_Y);
}

bool lv_obj_refresh_self_size(lv_obj_t * obj)
{
    bool content_sized = lv_obj_get_style_width(obj, LV_PART_MAIN) == LV_SIZE_CONTENT ||
                         lv_obj_get_style_height(obj, LV_PART_MAIN) == LV_SIZE_CONTENT;
    if(content_sized) lv_obj_mark_layout_as_dirty(obj);
    return content_sized;
}

/* Percentages of the reference length; anything else is already pixels. */
static lv_coord_t px_of(lv_coord_t v, lv_coord_t ref)
{
    if(!LV_COORD_IS_PCT(v)) return v;
    return (ref * LV_COORD_GET_PCT(v)) / 100;
}

/*
 * Apply the x/y styles: pixels or percentages of the parent's content size,
 * then the translation (percentages of the own size), then the alignment
 * in the parent's content area. Objects the parent's layout places are
 * left to it.
 */
void lv_obj_refr_pos(lv_obj_t * obj)
{
    if(lv_obj_is_layout_positioned(obj)) return;

    lv_coord_t want[2] = {lv_obj_get_style_x(obj, LV_PART_MAIN), lv_obj_get_style_y(obj, LV_PART_MAIN)};
    const lv_obj_t * parent = obj->parent;
    if(parent == NULL) {
        lv_obj_move_to(obj, want[_LV_AXIS_X], want[_LV_AXIS_Y]);
        return;
    }

    const align_rule_t * rule = rule_of(lv_obj_get_style_align(obj, LV_PART_MAIN), parent, true);
    lv_coord_t shift[2] = {lv_obj_get_style_translate_x(obj, LV_PART_MAIN),
                           lv_obj_get_style_translate_y(obj, LV_PART_MAIN)
                          };
    lv_coord_t room[2] = {lv_obj_get_content_width(parent), lv_obj_get_content_height(parent)};
    for(int axis = _LV_AXIS_X; axis <= _LV_AXIS_Y; axis++) {
        lv_coord_t own = _lv_area_len(&obj->coords, axis);
        want[axis] = px_of(want[axis], room[axis]) + px_of(shift[axis], own) +
                     spot_offset(rule->spot[axis], room[axis], own);
    }
    lv_obj_move_to(obj, want[_LV_AXIS_X], want[_LV_AXIS_Y]);
}

/*
 * Place the object at x, y of the parent's content area (in scrolled
 * content, except for floating objects, which stay put when it scrolls).
 */
void lv_obj_move_to(lv_obj_t * obj, lv_coord_t x, lv_coord_t y)
{
    lv_obj_t * parent = obj->parent;
    if(parent != NULL) {
        bool floating = lv_obj_has_flag(obj, LV_OBJ_FLAG_FLOATING);
        x += content_origin(parent, _LV_AXIS_X) - (floating ? 0 : scroll_of(parent, _LV_AXIS_X));
        y += content_origin(parent, _LV_AXIS_Y) - (floating ? 0 : scroll_of(parent, _LV_AXIS_Y));
    }

    /*Stopping when nothing moves keeps CHILD_CHANGED from going round*/
    lv_coord_t dx = x - obj->coords.x1;
    lv_coord_t dy = y - obj->coords.y1;
    if(dx == 0 && dy == 0) return;

    lv_area_t next = obj->coords;
    lv_area_move(&next, dx, dy);
    take_area(obj, &next, false);
}

void lv_obj_move_children_by(lv_obj_t * obj, lv_coord_t x_diff, lv_coord_t y_diff, bool ignore_floating)
{
    uint32_t cnt = lv_obj_get_child_cnt(obj);
    for(uint32_t i = 0; i < cnt; i++) {
        lv_obj_t * child = _lv_obj_child_at(obj, i);
        if(ignore_floating && lv_obj_has_flag(child, LV_OBJ_FLAG_FLOATING)) continue;
        lv_area_move(&child->coords, x_diff, y_diff);
        /*Grandchildren follow their parent whether floating or not*/
        lv_obj_move_children_by(child, x_diff, y_diff, false);
    }
}

/*=====================
 * Redrawing and visibility
 *====================*/

void lv_obj_invalidate_area(const lv_obj_t * obj, const lv_area_t * area)
{
    lv_disp_t * disp = lv_obj_get_disp(obj);
    if(disp == NULL || !lv_disp_is_invalidation_enabled(disp)) return;

    lv_area_t shown = *area;
    if(lv_obj_area_is_visible(obj, &shown)) _lv_inv_area(disp, &shown);
}

void lv_obj_invalidate(const lv_obj_t * obj)
{
    lv_area_t drawn;
    ext_draw_area(obj, &drawn);
    lv_obj_invalidate_area(obj, &drawn);
}

/*
 * Clip `area` to what can show of it: the object's own drawing (unless it
 * lets its content overflow) and every ancestor that clips its children.
 * Only the shown screen, the one a load animation replaces and the two
 * layers are drawn at all; a hidden object or ancestor shows nothing.
 */
bool lv_obj_area_is_visible(const lv_obj_t * obj, lv_area_t * area)
{
    const lv_obj_t * root = lv_obj_get_screen(obj);
    lv_disp_t * disp = lv_obj_get_disp(root);
    if(disp == NULL) return false;
    bool drawn = root == lv_disp_get_scr_act(disp) || root == lv_disp_get_scr_prev(disp) ||
                 root == lv_disp_get_layer_top(disp) || root == lv_disp_get_layer_sys(disp);
    if(!drawn) return false;

    for(const lv_obj_t * node = obj; node != NULL; node = node->parent) {
        if(lv_obj_has_flag(node, LV_OBJ_FLAG_HIDDEN)) return false;
        if(lv_obj_has_flag(node, LV_OBJ_FLAG_OVERFLOW_VISIBLE)) continue;

        /*The object clips to its drawing (shadows included), ancestors to their box*/
        lv_area_t limit = node->coords;
        if(node == obj) ext_draw_area(node, &limit);
        if(!_lv_area_intersect(area, area, &limit)) return false;
    }
    return true;
}

bool lv_obj_is_visible(const lv_obj_t * obj)
{
    lv_area_t drawn;
    ext_draw_area(obj, &drawn);
    return lv_obj_area_is_visible(obj, &drawn);
}

void lv_obj_set_ext_click_area(lv_obj_t * obj, lv_coord_t size)
{
    lv_obj_allocate_spec_attr(obj);
    if(obj->spec_attr != NULL) obj->spec_attr->ext_click_pad = size;
}

void lv_obj_get_click_area(const lv_obj_t * obj, lv_area_t * area)
{
    *area = obj->coords;
    lv_coord_t pad = obj->spec_attr != NULL ? obj->spec_attr->ext_click_pad : 0;
    lv_area_increase(area, pad, pad);
}

/*
 * A point hits an enabled, clickable object inside its click area. With
 * LV_OBJ_FLAG_ADV_HITTEST the object's own LV_EVENT_HIT_TEST handler has
 * the last word (an image answers from its alpha channel).
 */
bool lv_obj_hit_test(lv_obj_t * obj, const lv_point_t * point)
{
    if(!lv_obj_has_flag(obj, LV_OBJ_FLAG_CLICKABLE) || lv_obj_has_state(obj, LV_STATE_DISABLED)) return false;

    lv_area_t reach;
    lv_obj_get_click_area(obj, &reach);
    if(!_lv_area_is_point_on(&reach, point, 0)) return false;
    if(!lv_obj_has_flag(obj, LV_OBJ_FLAG_ADV_HITTEST)) return true;

    lv_hit_test_info_t ask = {.point = point, .res = true};
    lv_event_send(obj, LV_EVENT_HIT_TEST, &ask);
    return ask.res;
}

/* Min and max may be percentages of `ref`; when they cross, the minimum wins. */
static lv_coord_t clamp_length(lv_coord_t len, lv_coord_t lo, lv_coord_t hi, lv_coord_t ref)
{
    len = LV_MIN(len, px_of(hi, ref));
    return LV_MAX(len, px_of(lo, ref));
}

lv_coord_t lv_clamp_width(lv_coord_t width, lv_coord_t min_width, lv_coord_t max_width, lv_coord_t ref_width)
{
    return clamp_length(width, min_width, max_width, ref_width);
}

lv_coord_t lv_clamp_height(lv_coord_t height, lv_coord_t min_height, lv_coord_t max_height, lv_coord_t ref_height)
{
    return clamp_length(height, min_height, max_height, ref_height);
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

/* The object's coordinates once its screen's layout is up to date. */
static const lv_area_t * settled_coords(const lv_obj_t * obj)
{
    lv_obj_update_layout(obj);
    return &obj->coords;
}

static void ext_draw_area(const lv_obj_t * obj, lv_area_t * area)
{
    lv_coord_t ext = _lv_obj_get_ext_draw_size(obj);
    *area = obj->coords;
    lv_area_increase(area, ext, ext);
}

/* Screen coordinate of the first pixel of the content area. */
static lv_coord_t content_origin(const lv_obj_t * obj, _lv_axis_t axis)
{
    _lv_obj_insets_t in;
    _lv_obj_get_insets(obj, &in);
    return _lv_area_lo(&obj->coords, axis) + _lv_insets_lead(&in, axis);
}

static lv_coord_t scroll_of(const lv_obj_t * obj, _lv_axis_t axis)
{
    return axis == _LV_AXIS_X ? lv_obj_get_scroll_x(obj) : lv_obj_get_scroll_y(obj);
}

/*
 * The rule of an alignment. DEFAULT follows the base direction of
 * `dir_source`. Aligning in the parent knows only the inner alignments;
 * an OUT_ one (meant for lv_obj_align_to) acts as TOP_LEFT there.
 */
static const align_rule_t * rule_of(lv_align_t align, const lv_obj_t * dir_source, bool inner_only)
{
    if(align == LV_ALIGN_DEFAULT) {
        bool rtl = lv_obj_get_style_base_dir(dir_source, LV_PART_MAIN) == LV_BASE_DIR_RTL;
        align = rtl ? LV_ALIGN_TOP_RIGHT : LV_ALIGN_TOP_LEFT;
    }
    if(align >= sizeof(align_rules) / sizeof(align_rules[0])) align = LV_ALIGN_TOP_LEFT;
    if(inner_only && align_rules[align].outside) align = LV_ALIGN_TOP_LEFT;
    return &align_rules[align];
}

/* Middle rounds each half separately, so odd sizes land where they always have. */
static lv_coord_t spot_offset(spot_t spot, lv_coord_t box_len, lv_coord_t own_len)
{
    switch(spot) {
        case SPOT_MIDDLE:
            return box_len / 2 - own_len / 2;
        case SPOT_END:
            return box_len - own_len;
        case SPOT_BEFORE:
            return -own_len;
        case SPOT_AFTER:
            return box_len;
        default:
            return 0;
    }
}

/* The children's side of "size to content" depends on the parent's side: a percentage would chase itself. */
static bool sized_by_children(const lv_obj_t * obj, _lv_axis_t axis)
{
    if(axis == _LV_AXIS_X) return !obj->w_layout && lv_obj_get_style_width(obj, LV_PART_MAIN) == LV_SIZE_CONTENT;
    return !obj->h_layout && lv_obj_get_style_height(obj, LV_PART_MAIN) == LV_SIZE_CONTENT;
}

/*
 * How much room along the axis one child takes up, counted from the start
 * of the content area. A child anchored at the start (or placed by a
 * layout) needs up to its far edge. A centred or end-anchored one moves
 * with the parent's size, so only its own length counts, and only without
 * an offset, which could never be satisfied; LV_COORD_MIN means "nothing".
 */
static lv_coord_t child_need(const lv_obj_t * obj, const lv_obj_t * child, _lv_axis_t axis, lv_coord_t lead)
{
    lv_coord_t to_far_edge = _lv_area_hi(&child->coords, axis) - (_lv_area_lo(&obj->coords, axis) + lead) + 1;
    if(lv_obj_is_layout_positioned(child)) return to_far_edge;

    const align_rule_t * rule = rule_of(lv_obj_get_style_align(child, LV_PART_MAIN), obj, true);
    if(rule->spot[axis] == SPOT_START) return to_far_edge;

    lv_coord_t offset = axis == _LV_AXIS_X ? lv_obj_get_style_x(child, LV_PART_MAIN) :
                        lv_obj_get_style_y(child, LV_PART_MAIN);
    return offset == 0 ? _lv_area_len(&child->coords, axis) : LV_COORD_MIN;
}

/*
 * LV_SIZE_CONTENT: what the widget itself needs or what its visible
 * children need, whichever is more, plus padding and border. Measured with
 * the content scrolled to the start.
 */
static lv_coord_t content_length(lv_obj_t * obj, _lv_axis_t axis)
{
    if(axis == _LV_AXIS_X) lv_obj_scroll_to_x(obj, 0, LV_ANIM_OFF);
    else lv_obj_scroll_to_y(obj, 0, LV_ANIM_OFF);

    _lv_obj_insets_t in;
    _lv_obj_get_insets(obj, &in);
    lv_coord_t lead = _lv_insets_lead(&in, axis);
    lv_coord_t frame = lead + _lv_insets_trail(&in, axis);

    lv_coord_t need = LV_COORD_MIN;
    uint32_t cnt = lv_obj_get_child_cnt(obj);
    for(uint32_t i = 0; i < cnt; i++) {
        const lv_obj_t * child = _lv_obj_child_at(obj, i);
        if(!_lv_obj_is_content(child)) continue;
        need = LV_MAX(need, child_need(obj, child, axis, lead));
    }

    lv_coord_t own = self_length(obj, axis) + frame;
    return need == LV_COORD_MIN ? own : LV_MAX(need + frame, own);
}

/* The length one axis asks for through its width/height style, within its min/max. */
static lv_coord_t wanted_length(lv_obj_t * obj, _lv_axis_t axis, bool * from_content)
{
    bool hor = axis == _LV_AXIS_X;
    lv_obj_t * parent = obj->parent;
    lv_coord_t spec = hor ? lv_obj_get_style_width(obj, LV_PART_MAIN) : lv_obj_get_style_height(obj, LV_PART_MAIN);
    lv_coord_t room = hor ? lv_obj_get_content_width(parent) : lv_obj_get_content_height(parent);

    *from_content = spec == LV_SIZE_CONTENT;
    lv_coord_t len = spec;
    if(*from_content) {
        len = content_length(obj, axis);
    }
    else if(LV_COORD_IS_PCT(spec)) {
        /*A percentage of a parent that takes its size from its children
         *would chase itself: such a child keeps only its padding and border*/
        _lv_obj_insets_t in;
        _lv_obj_get_insets(obj, &in);
        if(sized_by_children(parent, axis)) len = _lv_insets_lead(&in, axis) + _lv_insets_trail(&in, axis);
        else len = px_of(spec, room);
    }

    lv_coord_t lo = hor ? lv_obj_get_style_min_width(obj, LV_PART_MAIN) : lv_obj_get_style_min_height(obj, LV_PART_MAIN);
    lv_coord_t hi = hor ? lv_obj_get_style_max_width(obj, LV_PART_MAIN) : lv_obj_get_style_max_height(obj, LV_PART_MAIN);
    return clamp_length(len, lo, hi, room);
}

/* Whether `a` reaches outside the parent's content area: then it counts for the parent's scrollbars. */
static bool sticks_out(lv_obj_t * parent, const lv_area_t * a)
{
    lv_area_t content;
    lv_obj_get_content_coords(parent, &content);
    return !_lv_area_is_in(a, &content, 0);
}

/*
 * Give the object its new area, moving its children along (moves) or
 * telling it its new size (resizes), with the redraws both need. The
 * parent's scrollbars change only when the object reached or reaches past
 * the parent's content area.
 */
static void take_area(lv_obj_t * obj, const lv_area_t * next, bool resized)
{
    lv_obj_t * parent = obj->parent;
    lv_area_t prev = obj->coords;

    lv_obj_invalidate(obj);
    bool was_out = parent != NULL && sticks_out(parent, &prev);
    if(was_out) lv_obj_scrollbar_invalidate(parent);

    obj->coords = *next;
    if(!resized) lv_obj_move_children_by(obj, next->x1 - prev.x1, next->y1 - prev.y1, false);
    else lv_event_send(obj, LV_EVENT_SIZE_CHANGED, &prev);
    if(parent != NULL) lv_event_send(parent, LV_EVENT_CHILD_CHANGED, obj);

    lv_obj_invalidate(obj);
    /*A smaller object may now be scrolled past its content*/
    if(resized) lv_obj_readjust_scroll(obj, LV_ANIM_OFF);
    if(parent != NULL && (was_out || sticks_out(parent, &obj->coords))) lv_obj_scrollbar_invalidate(parent);
    if(resized) lv_obj_refresh_ext_draw_size(obj);
}

/*
 * Bring a subtree up to date, children first: a parent sized by its content
 * must see its children's final sizes. Then the object's own size and
 * position, then its layout places the children.
 */
static void settle(lv_obj_t * obj)
{
    uint32_t cnt = lv_obj_get_child_cnt(obj);
    for(uint32_t i = 0; i < cnt; i++) settle(_lv_obj_child_at(obj, i));

    if(!obj->layout_inv) return;
    obj->layout_inv = 0;

    lv_obj_refr_size(obj);
    lv_obj_refr_pos(obj);

    uint32_t id = lv_obj_get_style_layout(obj, LV_PART_MAIN);
    if(cnt == 0 || id < 1 || id > layout_total) return;
    layouts[id - 1].cb(obj, layouts[id - 1].user_data);

    /*A layout moves the children directly, without telling anyone: a size
     *taken from the content has to be measured again over the new places*/
    if(sized_by_children(obj, _LV_AXIS_X) || sized_by_children(obj, _LV_AXIS_Y)) lv_obj_refr_size(obj);
}
