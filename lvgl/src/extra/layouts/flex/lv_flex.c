/**
 * @file lv_flex.c
 * Flex layout: children placed in tracks (rows or columns) with gaps,
 * optional wrapping, main/cross/track placement and grow.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_flex.h"

#if LV_USE_FLEX

/**********************
 *      TYPEDEFS
 **********************/
/* The container's flex settings, read once per layout run. */
typedef struct {
    lv_flex_align_t main_place;
    lv_flex_align_t cross_place;
    lv_flex_align_t track_place;
    uint8_t row : 1;
    uint8_t wrap : 1;
    uint8_t rev : 1;
} flow_setup_t;

/* One row (or column) of items. */
typedef struct {
    lv_coord_t track_main_size;   /*Sum of the item sizes and gaps on the main axis*/
    lv_coord_t track_cross_size;  /*Largest item on the cross axis*/
    uint32_t item_cnt;
    uint32_t grow_item_cnt;
    uint32_t grow_sum;
} track_info_t;

/**********************
 *  STATIC PROTOTYPES
 **********************/
static void arrange_children(lv_obj_t * cont, void * user_data);
static uint32_t measure_track(lv_obj_t * cont, const flow_setup_t * f, uint32_t start, lv_coord_t max_main,
                              lv_coord_t gap, track_info_t * t);
static void place_track_items(lv_obj_t * cont, const flow_setup_t * f, uint32_t start, uint32_t end,
                              lv_coord_t main_pos, lv_coord_t cross_pos, lv_coord_t max_main, lv_coord_t gap,
                              const track_info_t * t);
static void spread_free_space(lv_flex_align_t place, lv_coord_t max_size, lv_coord_t content_size, uint32_t item_cnt,
                              lv_coord_t * start_pos, lv_coord_t * gap);

/**********************
 *  GLOBAL VARIABLES
 **********************/
uint16_t LV_LAYOUT_FLEX;
lv_style_prop_t LV_STYLE_FLEX_FLOW;
lv_style_prop_t LV_STYLE_FLEX_MAIN_PLACE;
lv_style_prop_t LV_STYLE_FLEX_CROSS_PLACE;
lv_style_prop_t LV_STYLE_FLEX_TRACK_PLACE;
lv_style_prop_t LV_STYLE_FLEX_GROW;

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

/**
 * Register the layout (again after each lv_init: the layout list lives in
 * the memory pool) and the flex style properties (once: their ids are plain
 * numbers that stay valid).
 */
void lv_flex_init(void)
{
    LV_LAYOUT_FLEX = (uint16_t)lv_layout_register(arrange_children, NULL);

    if(LV_STYLE_FLEX_FLOW == 0) {
        LV_STYLE_FLEX_FLOW = lv_style_register_prop(LV_STYLE_PROP_LAYOUT_REFR);
        LV_STYLE_FLEX_MAIN_PLACE = lv_style_register_prop(LV_STYLE_PROP_LAYOUT_REFR);
        LV_STYLE_FLEX_CROSS_PLACE = lv_style_register_prop(LV_STYLE_PROP_LAYOUT_REFR);
        LV_STYLE_FLEX_TRACK_PLACE = lv_style_register_prop(LV_STYLE_PROP_LAYOUT_REFR);
        LV_STYLE_FLEX_GROW = lv_style_register_prop(LV_STYLE_PROP_LAYOUT_REFR);
    }
}

void lv_obj_set_flex_flow(lv_obj_t * obj, lv_flex_flow_t flow)
{
    lv_obj_set_style_flex_flow(obj, flow, 0);
    lv_obj_set_style_layout(obj, LV_LAYOUT_FLEX, 0);
}

void lv_obj_set_flex_align(lv_obj_t * obj, lv_flex_align_t main_place, lv_flex_align_t cross_place,
                           lv_flex_align_t track_place)
{
    lv_obj_set_style_flex_main_place(obj, main_place, 0);
    lv_obj_set_style_flex_cross_place(obj, cross_place, 0);
    lv_obj_set_style_flex_track_place(obj, track_place, 0);
    lv_obj_set_style_layout(obj, LV_LAYOUT_FLEX, 0);
}

void lv_obj_set_flex_grow(lv_obj_t * obj, uint8_t grow)
{
    lv_obj_set_style_flex_grow(obj, grow, 0);
    lv_obj_t * parent = lv_obj_get_parent(obj);
    if(parent) lv_obj_mark_layout_as_dirty(parent);
}

/* The flex properties are all plain numbers. */
static void set_style_num(lv_style_t * style, lv_style_prop_t prop, int32_t value)
{
    lv_style_value_t v = { .num = value };
    lv_style_set_prop(style, prop, v);
}

static void set_local_num(lv_obj_t * obj, lv_style_prop_t prop, int32_t value, lv_style_selector_t selector)
{
    lv_style_value_t v = { .num = value };
    lv_obj_set_local_style_prop(obj, prop, v, selector);
}

void lv_style_set_flex_flow(lv_style_t * style, lv_flex_flow_t value)
{
    set_style_num(style, LV_STYLE_FLEX_FLOW, (int32_t)value);
}

void lv_style_set_flex_main_place(lv_style_t * style, lv_flex_align_t value)
{
    set_style_num(style, LV_STYLE_FLEX_MAIN_PLACE, (int32_t)value);
}

void lv_style_set_flex_cross_place(lv_style_t * style, lv_flex_align_t value)
{
    set_style_num(style, LV_STYLE_FLEX_CROSS_PLACE, (int32_t)value);
}

void lv_style_set_flex_track_place(lv_style_t * style, lv_flex_align_t value)
{
    set_style_num(style, LV_STYLE_FLEX_TRACK_PLACE, (int32_t)value);
}

void lv_style_set_flex_grow(lv_style_t * style, uint8_t value)
{
    set_style_num(style, LV_STYLE_FLEX_GROW, (int32_t)value);
}

void lv_obj_set_style_flex_flow(lv_obj_t * obj, lv_flex_flow_t value, lv_style_selector_t selector)
{
    set_local_num(obj, LV_STYLE_FLEX_FLOW, (int32_t)value, selector);
}

void lv_obj_set_style_flex_main_place(lv_obj_t * obj, lv_flex_align_t value, lv_style_selector_t selector)
{
    set_local_num(obj, LV_STYLE_FLEX_MAIN_PLACE, (int32_t)value, selector);
}

void lv_obj_set_style_flex_cross_place(lv_obj_t * obj, lv_flex_align_t value, lv_style_selector_t selector)
{
    set_local_num(obj, LV_STYLE_FLEX_CROSS_PLACE, (int32_t)value, selector);
}

void lv_obj_set_style_flex_track_place(lv_obj_t * obj, lv_flex_align_t value, lv_style_selector_t selector)
{
    set_local_num(obj, LV_STYLE_FLEX_TRACK_PLACE, (int32_t)value, selector);
}

void lv_obj_set_style_flex_grow(lv_obj_t * obj, uint8_t value, lv_style_selector_t selector)
{
    set_local_num(obj, LV_STYLE_FLEX_GROW, (int32_t)value, selector);
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

/* Hidden, floating and layout-ignoring children keep out of the flow. */
static bool in_flex_flow(lv_obj_t * cont, uint32_t i)
{
    lv_obj_t * item = lv_obj_get_child(cont, (int32_t)i);
    return item && !lv_obj_has_flag_any(item, LV_OBJ_FLAG_IGNORE_LAYOUT | LV_OBJ_FLAG_HIDDEN | LV_OBJ_FLAG_FLOATING);
}

/**
 * Place the children of `cont`: split them into tracks that fit the content
 * area on the main axis (only with wrap), then place every track.
 */
static void arrange_children(lv_obj_t * cont, void * user_data)
{
    LV_UNUSED(user_data);

    flow_setup_t f;
    lv_flex_flow_t flow = lv_obj_get_style_flex_flow(cont, LV_PART_MAIN);
    f.row = flow & _LV_FLEX_COLUMN ? 0 : 1;
    f.wrap = flow & _LV_FLEX_WRAP ? 1 : 0;
    f.rev = flow & _LV_FLEX_REVERSE ? 1 : 0;
    f.main_place = lv_obj_get_style_flex_main_place(cont, LV_PART_MAIN);
    f.cross_place = lv_obj_get_style_flex_cross_place(cont, LV_PART_MAIN);
    f.track_place = lv_obj_get_style_flex_track_place(cont, LV_PART_MAIN);

    lv_coord_t border_width = lv_obj_get_style_border_width(cont, LV_PART_MAIN);
    lv_coord_t pad_left = lv_obj_get_style_pad_left(cont, LV_PART_MAIN) + border_width;
    lv_coord_t pad_top = lv_obj_get_style_pad_top(cont, LV_PART_MAIN) + border_width;
    lv_coord_t item_gap = f.row ? lv_obj_get_style_pad_column(cont, LV_PART_MAIN) :
                          lv_obj_get_style_pad_row(cont, LV_PART_MAIN);
    lv_coord_t track_gap = !f.row ? lv_obj_get_style_pad_column(cont, LV_PART_MAIN) :
                           lv_obj_get_style_pad_row(cont, LV_PART_MAIN);
    lv_coord_t max_main = f.row ? lv_obj_get_content_width(cont) : lv_obj_get_content_height(cont);
    lv_coord_t max_cross = f.row ? lv_obj_get_content_height(cont) : lv_obj_get_content_width(cont);

    /*Size the tracks first to place them on the cross axis*/
    uint32_t child_cnt = lv_obj_get_child_cnt(cont);
    lv_coord_t total_track_cross = 0;
    uint32_t track_cnt = 0;
    uint32_t i = 0;
    while(i < child_cnt) {
        track_info_t t;
        uint32_t end = measure_track(cont, &f, i, max_main, item_gap, &t);
        if(t.item_cnt > 0) {
            total_track_cross += t.track_cross_size;
            track_cnt++;
        }
        i = end;
    }
    if(track_cnt > 1) total_track_cross += track_gap * (lv_coord_t)(track_cnt - 1);

    lv_coord_t cross_pos = 0;
    lv_coord_t track_gap_act = track_gap;
    if(f.wrap) {
        spread_free_space(f.track_place, max_cross, total_track_cross, track_cnt, &cross_pos, &track_gap_act);
        track_gap_act += track_gap;
    }

    lv_coord_t scroll_x = lv_obj_get_scroll_x(cont);
    lv_coord_t scroll_y = lv_obj_get_scroll_y(cont);
    lv_coord_t base_main = f.row ? cont->coords.x1 + pad_left - scroll_x : cont->coords.y1 + pad_top - scroll_y;
    lv_coord_t base_cross = f.row ? cont->coords.y1 + pad_top - scroll_y : cont->coords.x1 + pad_left - scroll_x;

    i = 0;
    while(i < child_cnt) {
        track_info_t t;
        uint32_t end = measure_track(cont, &f, i, max_main, item_gap, &t);
        if(t.item_cnt > 0) {
            /*Without wrap the single track takes the whole cross size*/
            if(!f.wrap) t.track_cross_size = LV_MAX(t.track_cross_size, max_cross);
            place_track_items(cont, &f, i, end, base_main, base_cross + cross_pos, max_main, item_gap, &t);
            cross_pos += t.track_cross_size + track_gap_act;
        }
        i = end;
    }

    /*The children moved: the scroll range and the parent's content size may change*/
    lv_obj_readjust_scroll(cont, LV_ANIM_OFF);
    lv_event_send(cont, LV_EVENT_LAYOUT_CHANGED, NULL);
}

/**
 * Collect the items of one track starting at child `start` and return the
 * index after its last item.
 */
static uint32_t measure_track(lv_obj_t * cont, const flow_setup_t * f, uint32_t start, lv_coord_t max_main,
                              lv_coord_t gap, track_info_t * t)
{
    lv_memset_00(t, sizeof(track_info_t));
    uint32_t child_cnt = lv_obj_get_child_cnt(cont);
    uint32_t i;
    for(i = start; i < child_cnt; i++) {
        if(!in_flex_flow(cont, i)) continue;
        lv_obj_t * item = lv_obj_get_child(cont, (int32_t)i);
        if(f->wrap && t->item_cnt > 0 && lv_obj_has_flag(item, LV_OBJ_FLAG_FLEX_IN_NEW_TRACK)) break;

        uint8_t grow = lv_obj_get_style_flex_grow(item, LV_PART_MAIN);
        lv_coord_t main_size = 0;
        if(grow == 0) main_size = f->row ? lv_area_get_width(&item->coords) : lv_area_get_height(&item->coords);
        lv_coord_t next = t->track_main_size + main_size + (t->item_cnt ? gap : 0);
        if(f->wrap && t->item_cnt > 0 && next > max_main) break;

        t->track_main_size = next;
        lv_coord_t cross = f->row ? lv_area_get_height(&item->coords) : lv_area_get_width(&item->coords);
        t->track_cross_size = LV_MAX(t->track_cross_size, cross);
        t->item_cnt++;
        if(grow) {
            t->grow_item_cnt++;
            t->grow_sum += grow;
        }
    }
    return i;
}

/**
 * Position the items of one track: grown items share the free main space in
 * proportion to their grow value, the rest is distributed by `main_place`,
 * and each item is placed on the cross axis by `cross_place`.
 */
static void place_track_items(lv_obj_t * cont, const flow_setup_t * f, uint32_t start, uint32_t end,
                              lv_coord_t main_base, lv_coord_t cross_base, lv_coord_t max_main, lv_coord_t gap,
                              const track_info_t * t)
{
    lv_coord_t free_space = max_main - t->track_main_size;
    lv_coord_t main_pos = 0;
    lv_coord_t gap_act = gap;
    if(t->grow_item_cnt == 0) {
        spread_free_space(f->main_place, max_main, t->track_main_size, t->item_cnt, &main_pos, &gap_act);
        gap_act += gap;
    }

    uint32_t k;
    for(k = 0; k < end - start; k++) {
        uint32_t i = f->rev ? end - 1 - k : start + k;
        if(!in_flex_flow(cont, i)) continue;
        lv_obj_t * item = lv_obj_get_child(cont, (int32_t)i);

        uint8_t grow = lv_obj_get_style_flex_grow(item, LV_PART_MAIN);
        if(grow && t->grow_sum > 0) {
            lv_coord_t size = free_space > 0 ? (lv_coord_t)((int32_t)free_space * grow / (int32_t)t->grow_sum) : 0;
            lv_area_t ori = item->coords;
            if(f->row) {
                item->w_layout = 1;
                item->coords.x2 = item->coords.x1 + size - 1;
            }
            else {
                item->h_layout = 1;
                item->coords.y2 = item->coords.y1 + size - 1;
            }
            if(!_lv_area_is_equal(&ori, &item->coords)) {
                lv_obj_invalidate(item);
                lv_event_send(item, LV_EVENT_SIZE_CHANGED, &ori);
                lv_obj_invalidate(item);
            }
        }

        lv_coord_t item_main = f->row ? lv_area_get_width(&item->coords) : lv_area_get_height(&item->coords);
        lv_coord_t item_cross = f->row ? lv_area_get_height(&item->coords) : lv_area_get_width(&item->coords);
        lv_coord_t cross_ofs = 0;
        if(f->cross_place == LV_FLEX_ALIGN_CENTER) cross_ofs = (t->track_cross_size - item_cross) / 2;
        else if(f->cross_place == LV_FLEX_ALIGN_END) cross_ofs = t->track_cross_size - item_cross;

        lv_coord_t x = f->row ? main_base + main_pos : cross_base + cross_ofs;
        lv_coord_t y = f->row ? cross_base + cross_ofs : main_base + main_pos;
        lv_coord_t dx = x - item->coords.x1;
        lv_coord_t dy = y - item->coords.y1;
        if(dx != 0 || dy != 0) {
            /*Moved directly rather than through lv_obj_move_to: the layout owns the position*/
            lv_obj_invalidate(item);
            lv_area_move(&item->coords, dx, dy);
            lv_obj_move_children_by(item, dx, dy, false);
            lv_obj_invalidate(item);
        }
        main_pos += item_main + gap_act;
    }
}

/*
 * Where the content starts and what extra gap goes between items, for
 * content of `content_size` in `max_size`. The SPACE_ kinds need two items
 * to space out; with fewer they centre.
 */
static void spread_free_space(lv_flex_align_t place, lv_coord_t max_size, lv_coord_t content_size, uint32_t item_cnt,
                              lv_coord_t * start_pos, lv_coord_t * gap)
{
    if(item_cnt <= 1) {
        switch(place) {
            case LV_FLEX_ALIGN_SPACE_BETWEEN:
            case LV_FLEX_ALIGN_SPACE_AROUND:
            case LV_FLEX_ALIGN_SPACE_EVENLY:
                place = LV_FLEX_ALIGN_CENTER;
                break;
            default:
                break;
        }
    }

    *gap = 0;
    switch(place) {
        case LV_FLEX_ALIGN_CENTER:
            *start_pos += (max_size - content_size) / 2;
            break;
        case LV_FLEX_ALIGN_END:
            *start_pos += max_size - content_size;
            break;
        case LV_FLEX_ALIGN_SPACE_BETWEEN:
            *gap = (lv_coord_t)(max_size - content_size) / (lv_coord_t)(item_cnt - 1);
            break;
        case LV_FLEX_ALIGN_SPACE_AROUND:
            *gap += (lv_coord_t)(max_size - content_size) / (lv_coord_t)(item_cnt);
            *start_pos += *gap / 2;
            break;
        case LV_FLEX_ALIGN_SPACE_EVENLY:
            *gap = (lv_coord_t)(max_size - content_size) / (lv_coord_t)(item_cnt + 1);
            *start_pos += *gap;
            break;
        default:
            break;
    }
}

#endif /*LV_USE_FLEX*/
