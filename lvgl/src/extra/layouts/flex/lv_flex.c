/**
 * @file lv_flex.c
 * Flex layout. One run places all children of a container: they are read
 * once into a small array, cut into tracks (rows of a row flow, columns of a
 * column flow), and every track gets its grow sizes, its main-axis spacing
 * and its cross-axis offsets before the items are moved.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_flex.h"

#if LV_USE_FLEX

/**********************
 *      TYPEDEFS
 **********************/

/* What one layout run needs to know about the container. */
typedef struct {
    bool column;                /*main axis is y*/
    bool wrap;
    bool reverse;               /*last child first*/
    lv_flex_align_t items_along;    /*main place*/
    lv_flex_align_t items_across;   /*cross place*/
    lv_flex_align_t tracks_across;  /*track place*/
    lv_coord_t item_gap;        /*between items of a track*/
    lv_coord_t track_gap;       /*between tracks*/
    lv_coord_t room_main;       /*content size along the main axis*/
    lv_coord_t room_cross;
} frame_t;

/* One child taking part, its sizes read along the frame's axes. */
typedef struct {
    lv_obj_t * obj;
    lv_coord_t main;
    lv_coord_t cross;
    uint8_t grow;
    bool held;                  /*a growing item stopped by its min/max size*/
} entry_t;

/* Offset of the first element and extra room between elements. */
typedef struct {
    lv_coord_t lead;
    lv_coord_t between;
} spread_t;

/**********************
 *  STATIC PROTOTYPES
 **********************/
static void flex_arrange(lv_obj_t * cont, void * user_data);
static void read_frame(lv_obj_t * cont, frame_t * fr);
static uint32_t collect_entries(lv_obj_t * cont, const frame_t * fr, entry_t * out);
static uint32_t track_end(const frame_t * fr, const entry_t * e, uint32_t first, uint32_t cnt);
static lv_coord_t track_thickness(const entry_t * e, uint32_t first, uint32_t last);
static void share_grow_room(const frame_t * fr, entry_t * e, uint32_t first, uint32_t last);
static lv_coord_t clamp_main(const frame_t * fr, lv_obj_t * item, lv_coord_t size);
static void place_track(const frame_t * fr, entry_t * e, uint32_t first, uint32_t last, lv_point_t origin,
                        lv_coord_t thickness);
static spread_t spread(lv_flex_align_t how, lv_coord_t room, lv_coord_t used, uint32_t cnt);
static void set_layout_size(lv_obj_t * item, bool vertical, lv_coord_t size);
static void release_layout_size(lv_obj_t * item, bool keep_w, bool keep_h);
static void move_item(lv_obj_t * item, lv_coord_t x, lv_coord_t y);
static void put_style_num(lv_style_t * style, lv_style_prop_t prop, int32_t v);
static void put_local_num(lv_obj_t * obj, lv_style_prop_t prop, int32_t v, lv_style_selector_t selector);

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

/*
 * The layout list lives in the memory pool, so the layout is registered again
 * after every lv_init. Style property ids are plain numbers handed out once
 * per process and stay valid, so they are registered only the first time.
 */
void lv_flex_init(void)
{
    LV_LAYOUT_FLEX = (uint16_t)lv_layout_register(flex_arrange, NULL);
    if(LV_STYLE_FLEX_FLOW != 0) return;

    lv_style_prop_t * ids[] = {&LV_STYLE_FLEX_FLOW, &LV_STYLE_FLEX_MAIN_PLACE, &LV_STYLE_FLEX_CROSS_PLACE,
                               &LV_STYLE_FLEX_TRACK_PLACE, &LV_STYLE_FLEX_GROW
                              };
    for(size_t i = 0; i < sizeof(ids) / sizeof(ids[0]); i++) *ids[i] = lv_style_register_prop(LV_STYLE_PROP_LAYOUT_REFR);
}

void lv_obj_set_flex_flow(lv_obj_t * obj, lv_flex_flow_t flow)
{
    put_local_num(obj, LV_STYLE_FLEX_FLOW, flow, 0);
    lv_obj_set_layout(obj, LV_LAYOUT_FLEX);
}

void lv_obj_set_flex_align(lv_obj_t * obj, lv_flex_align_t main_place, lv_flex_align_t cross_place,
                           lv_flex_align_t track_cross_place)
{
    put_local_num(obj, LV_STYLE_FLEX_MAIN_PLACE, main_place, 0);
    put_local_num(obj, LV_STYLE_FLEX_CROSS_PLACE, cross_place, 0);
    put_local_num(obj, LV_STYLE_FLEX_TRACK_PLACE, track_cross_place, 0);
    lv_obj_set_layout(obj, LV_LAYOUT_FLEX);
}

void lv_obj_set_flex_grow(lv_obj_t * obj, uint8_t grow)
{
    put_local_num(obj, LV_STYLE_FLEX_GROW, grow, 0);
    /*The grow value is the parent's business: its layout hands out the room*/
    lv_obj_t * parent = lv_obj_get_parent(obj);
    if(parent != NULL) lv_obj_mark_layout_as_dirty(parent);
}

void lv_style_set_flex_flow(lv_style_t * style, lv_flex_flow_t value)
{
    put_style_num(style, LV_STYLE_FLEX_FLOW, value);
}

void lv_style_set_flex_main_place(lv_style_t * style, lv_flex_align_t value)
{
    put_style_num(style, LV_STYLE_FLEX_MAIN_PLACE, value);
}

void lv_style_set_flex_cross_place(lv_style_t * style, lv_flex_align_t value)
{
    put_style_num(style, LV_STYLE_FLEX_CROSS_PLACE, value);
}

void lv_style_set_flex_track_place(lv_style_t * style, lv_flex_align_t value)
{
    put_style_num(style, LV_STYLE_FLEX_TRACK_PLACE, value);
}

void lv_style_set_flex_grow(lv_style_t * style, uint8_t value)
{
    put_style_num(style, LV_STYLE_FLEX_GROW, value);
}

void lv_obj_set_style_flex_flow(lv_obj_t * obj, lv_flex_flow_t value, lv_style_selector_t selector)
{
    put_local_num(obj, LV_STYLE_FLEX_FLOW, value, selector);
}

void lv_obj_set_style_flex_main_place(lv_obj_t * obj, lv_flex_align_t value, lv_style_selector_t selector)
{
    put_local_num(obj, LV_STYLE_FLEX_MAIN_PLACE, value, selector);
}

void lv_obj_set_style_flex_cross_place(lv_obj_t * obj, lv_flex_align_t value, lv_style_selector_t selector)
{
    put_local_num(obj, LV_STYLE_FLEX_CROSS_PLACE, value, selector);
}

void lv_obj_set_style_flex_track_place(lv_obj_t * obj, lv_flex_align_t value, lv_style_selector_t selector)
{
    put_local_num(obj, LV_STYLE_FLEX_TRACK_PLACE, value, selector);
}

void lv_obj_set_style_flex_grow(lv_obj_t * obj, uint8_t value, lv_style_selector_t selector)
{
    put_local_num(obj, LV_STYLE_FLEX_GROW, value, selector);
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

/*
 * The layout callback. Children's own sizes are already up to date (the
 * core refreshes children before their parent's layout), so they are read
 * from their coordinates; only grown items get a size from here.
 */
static void flex_arrange(lv_obj_t * cont, void * user_data)
{
    LV_UNUSED(user_data);

    uint32_t child_cnt = lv_obj_get_child_cnt(cont);
    if(child_cnt == 0) return;
    entry_t * entries = lv_mem_buf_get(child_cnt * (uint32_t)sizeof(entry_t));
    if(entries == NULL) return;

    frame_t fr;
    read_frame(cont, &fr);
    uint32_t cnt = collect_entries(cont, &fr, entries);

    /*How thick the tracks are together, to place them across the container*/
    lv_coord_t stack = 0;
    uint32_t tracks_total = 0;
    for(uint32_t first = 0; first < cnt;) {
        uint32_t last = track_end(&fr, entries, first, cnt);
        stack += track_thickness(entries, first, last);
        tracks_total++;
        first = last;
    }
    if(tracks_total > 1) stack += fr.track_gap * (lv_coord_t)(tracks_total - 1);

    /*Tracks are spread over the cross axis only when wrapping; a single unwrapped track takes it all*/
    spread_t tracks = {0, 0};
    if(fr.wrap) tracks = spread(fr.tracks_across, fr.room_cross, stack, tracks_total);

    lv_coord_t border = lv_obj_get_style_border_width(cont, LV_PART_MAIN);
    lv_point_t content_origin;
    content_origin.x = cont->coords.x1 + border + lv_obj_get_style_pad_left(cont, LV_PART_MAIN) - lv_obj_get_scroll_x(cont);
    content_origin.y = cont->coords.y1 + border + lv_obj_get_style_pad_top(cont, LV_PART_MAIN) - lv_obj_get_scroll_y(cont);

    lv_coord_t cross_at = tracks.lead;
    for(uint32_t first = 0; first < cnt;) {
        uint32_t last = track_end(&fr, entries, first, cnt);
        lv_coord_t thickness = track_thickness(entries, first, last);
        if(!fr.wrap) thickness = LV_MAX(thickness, fr.room_cross);

        lv_point_t origin = content_origin;
        if(fr.column) origin.x += cross_at;
        else origin.y += cross_at;
        share_grow_room(&fr, entries, first, last);
        place_track(&fr, entries, first, last, origin, thickness);

        cross_at += thickness + fr.track_gap + tracks.between;
        first = last;
    }
    lv_mem_buf_release(entries);

    /*A container sized by its content is measured again now that the children sit where they belong*/
    bool fits_content = lv_obj_get_style_width(cont, LV_PART_MAIN) == LV_SIZE_CONTENT ||
                        lv_obj_get_style_height(cont, LV_PART_MAIN) == LV_SIZE_CONTENT;
    if(fits_content) lv_obj_refr_size(cont);
    lv_obj_readjust_scroll(cont, LV_ANIM_OFF);
    lv_event_send(cont, LV_EVENT_LAYOUT_CHANGED, NULL);
}

static void read_frame(lv_obj_t * cont, frame_t * fr)
{
    uint32_t flow_bits = (uint32_t)lv_obj_get_style_flex_flow(cont, LV_PART_MAIN);
    fr->column = (flow_bits & _LV_FLEX_COLUMN) != 0;
    fr->wrap = (flow_bits & _LV_FLEX_WRAP) != 0;
    fr->reverse = (flow_bits & _LV_FLEX_REVERSE) != 0;
    fr->items_along = lv_obj_get_style_flex_main_place(cont, LV_PART_MAIN);
    fr->items_across = lv_obj_get_style_flex_cross_place(cont, LV_PART_MAIN);
    fr->tracks_across = lv_obj_get_style_flex_track_place(cont, LV_PART_MAIN);

    lv_coord_t row_gap = lv_obj_get_style_pad_row(cont, LV_PART_MAIN);
    lv_coord_t column_gap = lv_obj_get_style_pad_column(cont, LV_PART_MAIN);
    lv_coord_t content_w = lv_obj_get_content_width(cont);
    lv_coord_t content_h = lv_obj_get_content_height(cont);
    fr->item_gap = fr->column ? row_gap : column_gap;
    fr->track_gap = fr->column ? column_gap : row_gap;
    fr->room_main = fr->column ? content_h : content_w;
    fr->room_cross = fr->column ? content_w : content_h;
}

/*
 * Fill `out` with the children the layout places (hidden, floating and
 * layout-ignoring ones stay where they are), last child first when the flow
 * is reversed. Items that no longer grow get their own size back.
 */
static uint32_t collect_entries(lv_obj_t * cont, const frame_t * fr, entry_t * out)
{
    uint32_t child_cnt = lv_obj_get_child_cnt(cont);
    uint32_t n = 0;
    for(uint32_t k = 0; k < child_cnt; k++) {
        lv_obj_t * child = lv_obj_get_child(cont, (int32_t)(fr->reverse ? child_cnt - 1 - k : k));
        if(!lv_obj_is_layout_positioned(child)) continue;

        entry_t * e = &out[n++];
        e->obj = child;
        e->grow = lv_obj_get_style_flex_grow(child, LV_PART_MAIN);
        release_layout_size(child, e->grow && !fr->column, e->grow && fr->column);
        lv_coord_t w = lv_area_get_width(&child->coords);
        lv_coord_t h = lv_area_get_height(&child->coords);
        e->main = fr->column ? h : w;
        e->cross = fr->column ? w : h;
    }
    return n;
}

/*
 * Index after the last entry of the track starting at `first`. Without wrap
 * everything is one track. With wrap an item that would overflow the main
 * axis, or that asks for it, starts the next track; a track always takes at
 * least one item. Growing items claim no room here: they take what is left.
 */
static uint32_t track_end(const frame_t * fr, const entry_t * e, uint32_t first, uint32_t cnt)
{
    if(!fr->wrap) return cnt;

    lv_coord_t used = 0;
    for(uint32_t i = first; i < cnt; i++) {
        lv_coord_t need = e[i].grow ? 0 : e[i].main;
        if(i > first) {
            if(lv_obj_has_flag(e[i].obj, LV_OBJ_FLAG_FLEX_IN_NEW_TRACK)) return i;
            need += fr->item_gap;
            if(used + need > fr->room_main) return i;
        }
        used += need;
    }
    return cnt;
}

static lv_coord_t track_thickness(const entry_t * e, uint32_t first, uint32_t last)
{
    lv_coord_t thickest = 0;
    for(uint32_t i = first; i < last; i++) thickest = LV_MAX(thickest, e[i].cross);
    return thickest;
}

/*
 * Split the room the fixed items leave among the growing ones in proportion
 * to their grow values. Shares are cut at running totals, so they add up to
 * the room exactly. An item stopped by its min/max size keeps that size and
 * the others share again what is left; every round settles one more item.
 */
static void share_grow_room(const frame_t * fr, entry_t * e, uint32_t first, uint32_t last)
{
    lv_coord_t room = fr->room_main - fr->item_gap * (lv_coord_t)(last - first - 1);
    uint32_t grow_total = 0;
    for(uint32_t i = first; i < last; i++) {
        e[i].held = false;
        if(e[i].grow) grow_total += e[i].grow;
        else room -= e[i].main;
    }
    if(grow_total == 0) return;

    bool again = true;
    while(again && grow_total > 0) {
        again = false;
        int32_t free_room = LV_MAX(room, 0);
        uint32_t running = 0;
        lv_coord_t handed = 0;
        for(uint32_t i = first; i < last && !again; i++) {
            if(e[i].grow == 0 || e[i].held) continue;
            running += e[i].grow;
            lv_coord_t upto = (lv_coord_t)(free_room * (int32_t)running / (int32_t)grow_total);
            lv_coord_t share = (lv_coord_t)(upto - handed);
            handed = upto;

            e[i].main = clamp_main(fr, e[i].obj, share);
            if(e[i].main != share) {
                e[i].held = true;
                room -= e[i].main;
                grow_total -= e[i].grow;
                again = true;
            }
        }
    }

    for(uint32_t i = first; i < last; i++) {
        if(e[i].grow) set_layout_size(e[i].obj, fr->column, e[i].main);
    }
}

static lv_coord_t clamp_main(const frame_t * fr, lv_obj_t * item, lv_coord_t size)
{
    if(fr->column) {
        return lv_clamp_height(size, lv_obj_get_style_min_height(item, LV_PART_MAIN),
                               lv_obj_get_style_max_height(item, LV_PART_MAIN), fr->room_main);
    }
    return lv_clamp_width(size, lv_obj_get_style_min_width(item, LV_PART_MAIN),
                          lv_obj_get_style_max_width(item, LV_PART_MAIN), fr->room_main);
}

/*
 * Move the items of one track. `origin` is the screen position of the
 * track's start on both axes; `thickness` its size across the main axis.
 */
static void place_track(const frame_t * fr, entry_t * e, uint32_t first, uint32_t last, lv_point_t origin,
                        lv_coord_t thickness)
{
    uint32_t n = last - first;
    lv_coord_t used = fr->item_gap * (lv_coord_t)(n - 1);
    bool has_grow = false;
    for(uint32_t i = first; i < last; i++) {
        used += e[i].main;
        has_grow = has_grow || e[i].grow;
    }

    /*Growing items already fill the track: nothing left to spread*/
    spread_t s = {0, 0};
    if(!has_grow) s = spread(fr->items_along, fr->room_main, used, n);

    lv_coord_t along = s.lead;
    for(uint32_t i = first; i < last; i++) {
        lv_coord_t slack = thickness - e[i].cross;
        lv_coord_t across = 0;
        if(fr->items_across == LV_FLEX_ALIGN_END) across = slack;
        else if(fr->items_across == LV_FLEX_ALIGN_CENTER) across = slack / 2;

        if(fr->column) move_item(e[i].obj, origin.x + across, origin.y + along);
        else move_item(e[i].obj, origin.x + along, origin.y + across);
        along += e[i].main + fr->item_gap + s.between;
    }
}

/*
 * Where `cnt` elements taking `used` pixels (gaps included) start inside
 * `room`, and how much extra goes between them. The SPACE_ kinds need two
 * elements to space out and centre a single one; with no free room they
 * keep the elements packed at the start instead of overlapping them.
 */
static spread_t spread(lv_flex_align_t how, lv_coord_t room, lv_coord_t used, uint32_t cnt)
{
    spread_t s = {0, 0};
    lv_coord_t free_room = room - used;
    bool spacing = how == LV_FLEX_ALIGN_SPACE_EVENLY || how == LV_FLEX_ALIGN_SPACE_AROUND ||
                   how == LV_FLEX_ALIGN_SPACE_BETWEEN;
    if(spacing && cnt < 2) how = LV_FLEX_ALIGN_CENTER;
    else if(spacing && free_room <= 0) return s;

    switch(how) {
        case LV_FLEX_ALIGN_END:
            s.lead = free_room;
            break;
        case LV_FLEX_ALIGN_CENTER:
            s.lead = free_room / 2;
            break;
        case LV_FLEX_ALIGN_SPACE_EVENLY:
            s.between = free_room / (lv_coord_t)(cnt + 1);
            s.lead = s.between;
            break;
        case LV_FLEX_ALIGN_SPACE_AROUND:
            s.between = free_room / (lv_coord_t)cnt;
            s.lead = s.between / 2;
            break;
        case LV_FLEX_ALIGN_SPACE_BETWEEN:
            s.between = free_room / (lv_coord_t)(cnt - 1);
            break;
        default:
            break;
    }
    return s;
}

/*
 * Give a growing item its main-axis size. The layout flag tells the core to
 * keep this size instead of the style's; SIZE_CHANGED makes the item's own
 * children and layout follow.
 */
static void set_layout_size(lv_obj_t * item, bool vertical, lv_coord_t size)
{
    if(vertical) item->h_layout = 1;
    else item->w_layout = 1;

    lv_area_t sized = item->coords;
    if(vertical) sized.y2 = (lv_coord_t)(sized.y1 + size - 1);
    else sized.x2 = (lv_coord_t)(sized.x1 + size - 1);
    if(_lv_area_is_equal(&sized, &item->coords)) return;

    lv_area_t before = item->coords;
    lv_obj_invalidate(item);
    item->coords = sized;
    lv_obj_invalidate(item);
    lv_event_send(item, LV_EVENT_SIZE_CHANGED, &before);
}

/*
 * An item that stopped growing, or grew along the other axis before the flow
 * turned, goes back to the size its style gives.
 */
static void release_layout_size(lv_obj_t * item, bool keep_w, bool keep_h)
{
    bool stale_w = item->w_layout && !keep_w;
    bool stale_h = item->h_layout && !keep_h;
    if(!stale_w && !stale_h) return;
    if(stale_w) item->w_layout = 0;
    if(stale_h) item->h_layout = 0;
    lv_obj_refr_size(item);
}

/* The layout owns the position: move the item and its subtree without the
 * CHILD_CHANGED round trip lv_obj_move_to would start. */
static void move_item(lv_obj_t * item, lv_coord_t x, lv_coord_t y)
{
    lv_coord_t dx = (lv_coord_t)(x - item->coords.x1);
    lv_coord_t dy = (lv_coord_t)(y - item->coords.y1);
    if(dx == 0 && dy == 0) return;

    lv_obj_invalidate(item);
    lv_area_move(&item->coords, dx, dy);
    lv_obj_move_children_by(item, dx, dy, false);
    lv_obj_invalidate(item);
}

/* All flex properties are plain numbers. */
static void put_style_num(lv_style_t * style, lv_style_prop_t prop, int32_t v)
{
    lv_style_value_t value;
    value.num = v;
    lv_style_set_prop(style, prop, value);
}

static void put_local_num(lv_obj_t * obj, lv_style_prop_t prop, int32_t v, lv_style_selector_t selector)
{
    lv_style_value_t value;
    value.num = v;
    lv_obj_set_local_style_prop(obj, prop, value, selector);
}

#endif /*LV_USE_FLEX*/
