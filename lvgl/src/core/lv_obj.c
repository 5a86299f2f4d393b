/**
 * @file lv_obj.c
 * The base object class, starting and stopping the library, flags and states.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_obj.h"
#include "lv_obj_private.h"
#include "lv_indev.h"
#include "lv_refr.h"
#include "lv_group.h"
#include "lv_disp.h"
#include "lv_theme.h"
#include "../misc/lv_anim.h"
#include "../misc/lv_timer.h"
#include "../misc/lv_async.h"
#include "../misc/lv_mem.h"
#include "../draw/lv_draw.h"
#include "../extra/layouts/flex/lv_flex.h"
#include "../extra/themes/default/lv_theme_default.h"

/*********************
 *      DEFINES
 *********************/
#define FOCUS_STATES (LV_STATE_FOCUSED | LV_STATE_FOCUS_KEY | LV_STATE_EDITED)

/**********************
 *      TYPEDEFS
 **********************/
typedef void (*obj_handler_t)(lv_obj_t * obj, lv_event_t * e);

/* What the base class does on an event: states it gains or loses, then a handler for the rest. */
typedef struct {
    lv_event_code_t code;
    lv_state_t gain;
    lv_state_t lose;
    obj_handler_t handler;
} obj_event_route_t;

/**********************
 *  STATIC PROTOTYPES
 **********************/
static void base_constructor(const lv_obj_class_t * class_p, lv_obj_t * obj);
static void base_destructor(const lv_obj_class_t * class_p, lv_obj_t * obj);
static void base_event(const lv_obj_class_t * class_p, lv_event_t * e);
static void on_released(lv_obj_t * obj, lv_event_t * e);
static void on_key(lv_obj_t * obj, lv_event_t * e);
static void on_focused(lv_obj_t * obj, lv_event_t * e);
static void on_scroll_end(lv_obj_t * obj, lv_event_t * e);
static void on_style_changed(lv_obj_t * obj, lv_event_t * e);
static void on_size_changed(lv_obj_t * obj, lv_event_t * e);
static void on_child_changed(lv_obj_t * obj, lv_event_t * e);
static void on_ext_draw_size(lv_obj_t * obj, lv_event_t * e);
static void on_drawing(lv_obj_t * obj, lv_event_t * e);

/**********************
 *  STATIC VARIABLES
 **********************/
static bool started;

static const obj_event_route_t base_routes[] = {
    {LV_EVENT_PRESSED, LV_STATE_PRESSED, 0, NULL},
    {LV_EVENT_RELEASED, 0, LV_STATE_PRESSED, on_released},
    {LV_EVENT_PRESS_LOST, 0, LV_STATE_PRESSED, NULL},
    {LV_EVENT_KEY, 0, 0, on_key},
    {LV_EVENT_FOCUSED, 0, 0, on_focused},
    {LV_EVENT_DEFOCUSED, 0, FOCUS_STATES, NULL},
    {LV_EVENT_SCROLL_BEGIN, LV_STATE_SCROLLED, 0, NULL},
    {LV_EVENT_SCROLL_END, 0, LV_STATE_SCROLLED, on_scroll_end},
    {LV_EVENT_STYLE_CHANGED, 0, 0, on_style_changed},
    {LV_EVENT_SIZE_CHANGED, 0, 0, on_size_changed},
    {LV_EVENT_CHILD_CHANGED, 0, 0, on_child_changed},
    {LV_EVENT_REFR_EXT_DRAW_SIZE, 0, 0, on_ext_draw_size},
    {LV_EVENT_COVER_CHECK, 0, 0, on_drawing},
    {LV_EVENT_DRAW_MAIN, 0, 0, on_drawing},
    {LV_EVENT_DRAW_POST, 0, 0, on_drawing},
};

/* Modules in the order they start: memory first, since every other one allocates while starting. */
static void (*const module_starters[])(void) = {
    lv_mem_init,
    _lv_timer_core_init,
    _lv_anim_core_init,
    _lv_group_init,
    lv_draw_init,
    _lv_obj_style_init,
    _lv_disp_core_init,
    _lv_indev_core_init,
    _lv_refr_init,
#if LV_USE_FLEX
    lv_flex_init,
#endif
};

/*The root of every class chain, so it has no base*/
const lv_obj_class_t lv_obj_class = {
    .constructor_cb = base_constructor,
    .destructor_cb = base_destructor,
    .event_cb = base_event,
    .width_def = LV_DPI_DEF,
    .height_def = LV_DPI_DEF,
    .editable = LV_OBJ_CLASS_EDITABLE_FALSE,
    .group_def = LV_OBJ_CLASS_GROUP_DEF_FALSE,
    .instance_size = sizeof(lv_obj_t),
};

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

bool lv_is_initialized(void)
{
    return started;
}

void lv_init(void)
{
    if(started) return;
    for(size_t i = 0; i < sizeof(module_starters) / sizeof(module_starters[0]); i++) module_starters[i]();
    started = true;
}

/*
 * For tests that need a fresh library: displays go first (deleting their
 * screens and layers with everything on them), then the modules forget
 * their state, and resetting the memory pool frees whatever the program
 * left behind (timers, animations, its own styles).
 */
void lv_deinit(void)
{
    if(!started) return;

    _lv_indev_core_deinit();
    for(lv_disp_t * d = lv_disp_get_next(NULL); d != NULL; d = lv_disp_get_next(NULL)) lv_disp_remove(d);
    lv_group_set_default(NULL);
    _lv_group_deinit();
    _lv_obj_style_deinit();
    _lv_layout_deinit();
#if LV_USE_THEME_DEFAULT
    _lv_theme_default_deinit();
#endif
    lv_mem_deinit();

    started = false;
}

lv_obj_t * lv_obj_create(lv_obj_t * parent)
{
    lv_obj_t * made = lv_obj_class_create_obj(&lv_obj_class, parent);
    if(made != NULL) lv_obj_class_init_obj(made);
    return made;
}

/*=====================
 * Flags and states
 *====================*/

static void redraw_scrollbars(lv_obj_t * obj)
{
    lv_area_t bars[2];
    lv_obj_get_scrollbar_area(obj, &bars[0], &bars[1]);
    for(int i = 0; i < 2; i++) lv_obj_invalidate_area(obj, &bars[i]);
}

/*
 * One path for setting and clearing flags. Hiding or showing redraws where
 * the object is and tells the parent (its content size and layout may
 * depend on visible children); a change of what the parent's layout
 * positions, or of the layout flags themselves, reruns that layout.
 */
static void change_flags(lv_obj_t * obj, lv_obj_flag_t f, bool set)
{
    lv_obj_flag_t before = obj->flags;
    lv_obj_flag_t after = set ? (before | f) : (before & ~f);
    lv_obj_flag_t flipped = before ^ after;
    if(flipped == 0) return;

    bool was_laid_out = lv_obj_is_layout_positioned(obj);
    /*The bars are visible only while the flag is on: redraw them on both sides of the change*/
    if(flipped & LV_OBJ_FLAG_SCROLLABLE) redraw_scrollbars(obj);
    if(flipped & LV_OBJ_FLAG_HIDDEN) lv_obj_invalidate(obj);

    obj->flags = after;

    if(flipped & LV_OBJ_FLAG_SCROLLABLE) redraw_scrollbars(obj);
    lv_obj_t * parent = lv_obj_get_parent(obj);
    if(flipped & LV_OBJ_FLAG_HIDDEN) {
        lv_obj_invalidate(obj);
        /*Shown again: its own layout may have been skipped while hidden*/
        if(!set && lv_obj_is_layout_positioned(obj)) lv_obj_mark_layout_as_dirty(obj);
        if(parent != NULL) lv_event_send(parent, LV_EVENT_CHILD_CHANGED, obj);
    }

    bool relayout = was_laid_out != lv_obj_is_layout_positioned(obj) ||
                    (flipped & (LV_OBJ_FLAG_LAYOUT_1 | LV_OBJ_FLAG_LAYOUT_2));
    if(relayout && parent != NULL) lv_obj_mark_layout_as_dirty(parent);
}

void lv_obj_add_flag(lv_obj_t * obj, lv_obj_flag_t f)
{
    change_flags(obj, f, true);
}

void lv_obj_clear_flag(lv_obj_t * obj, lv_obj_flag_t f)
{
    change_flags(obj, f, false);
}

/*
 * Styles are chosen by state, so a new state may change nothing, only
 * colours, the area drawn around the object, or sizes. Do only the work
 * the difference needs.
 */
static void switch_state(lv_obj_t * obj, lv_state_t next)
{
    lv_state_t prev = obj->state;
    if(prev == next) return;

    _lv_style_state_cmp_t diff = _lv_obj_style_state_compare(obj, prev, next);
    obj->state = next;

    switch(diff) {
        case _LV_STYLE_STATE_CMP_SAME:
            break;
        case _LV_STYLE_STATE_CMP_DIFF_REDRAW:
            lv_obj_invalidate(obj);
            break;
        case _LV_STYLE_STATE_CMP_DIFF_DRAW_PAD:
            /*Redraw the old reach, take the new one, redraw that*/
            lv_obj_invalidate(obj);
            lv_obj_refresh_ext_draw_size(obj);
            break;
        default:
            lv_obj_refresh_style(obj, LV_PART_ANY, LV_STYLE_PROP_ANY);
            break;
    }
}

void lv_obj_add_state(lv_obj_t * obj, lv_state_t state)
{
    switch_state(obj, obj->state | state);
}

void lv_obj_clear_state(lv_obj_t * obj, lv_state_t state)
{
    switch_state(obj, obj->state & (lv_state_t)~state);
}

bool lv_obj_has_flag(const lv_obj_t * obj, lv_obj_flag_t f)
{
    return (obj->flags & f) == f;
}

bool lv_obj_has_flag_any(const lv_obj_t * obj, lv_obj_flag_t f)
{
    return (obj->flags & f) != 0;
}

lv_state_t lv_obj_get_state(const lv_obj_t * obj)
{
    return obj->state;
}

bool lv_obj_has_state(const lv_obj_t * obj, lv_state_t state)
{
    return (obj->state & state) != 0;
}

void * lv_obj_get_group(const lv_obj_t * obj)
{
    if(obj->spec_attr == NULL) return NULL;
    return obj->spec_attr->group_p;
}

/*=====================
 * Classes and checks
 *====================*/

void lv_obj_allocate_spec_attr(lv_obj_t * obj)
{
    if(obj->spec_attr != NULL) return;

    _lv_obj_spec_attr_t * attr = lv_mem_alloc(sizeof(*attr));
    LV_ASSERT_MALLOC(attr);
    if(attr == NULL) return;

    /*Zero is right for everything but these two: scrolling is allowed
     *every way and the bars show when there is something to scroll*/
    lv_memset_00(attr, sizeof(*attr));
    attr->scroll_dir = LV_DIR_ALL;
    attr->scrollbar_mode = LV_SCROLLBAR_MODE_AUTO;
    obj->spec_attr = attr;
}

bool lv_obj_check_type(const lv_obj_t * obj, const lv_obj_class_t * class_p)
{
    return obj != NULL && obj->class_p == class_p;
}

bool lv_obj_has_class(const lv_obj_t * obj, const lv_obj_class_t * class_p)
{
    for(const lv_obj_class_t * c = obj->class_p; c != NULL; c = c->base_class) {
        if(c == class_p) return true;
    }
    return false;
}

const lv_obj_class_t * lv_obj_get_class(const lv_obj_t * obj)
{
    return obj->class_p;
}

typedef struct {
    const lv_obj_t * wanted;
    bool found;
} obj_search_t;

static lv_obj_tree_walk_res_t search_step(lv_obj_t * visited, void * user_data)
{
    obj_search_t * search = user_data;
    if(visited != search->wanted) return LV_OBJ_TREE_WALK_NEXT;
    search->found = true;
    return LV_OBJ_TREE_WALK_END;
}

/*
 * Valid means reachable from a screen or layer of some display. The pointer
 * is only compared, never followed, so asking about a freed object is safe.
 * It visits every object: meant for assertions and tests.
 */
bool lv_obj_is_valid(const lv_obj_t * obj)
{
    obj_search_t search = {obj, false};
    lv_obj_tree_walk(NULL, search_step, &search);
    return search.found;
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

static void base_constructor(const lv_obj_class_t * class_p, lv_obj_t * obj)
{
    LV_UNUSED(class_p);

    obj->flags = LV_OBJ_FLAG_CLICKABLE | LV_OBJ_FLAG_CLICK_FOCUSABLE | LV_OBJ_FLAG_SNAPPABLE |
                 LV_OBJ_FLAG_SCROLLABLE | LV_OBJ_FLAG_SCROLL_ELASTIC | LV_OBJ_FLAG_SCROLL_MOMENTUM |
                 LV_OBJ_FLAG_SCROLL_WITH_ARROW;
    /*A screen has nobody to hand presses, scrolls or gestures on to*/
    const lv_obj_t * host = obj->parent;
    if(host == NULL) return;
    obj->flags |= LV_OBJ_FLAG_PRESS_LOCK | LV_OBJ_FLAG_SCROLL_CHAIN | LV_OBJ_FLAG_GESTURE_BUBBLE;

    /*Until the layout runs, a child is an empty box at the parent's content origin*/
    _lv_obj_insets_t in;
    _lv_obj_get_insets(host, &in);
    lv_coord_t x = host->coords.x1 + in.left - lv_obj_get_scroll_x(host);
    lv_coord_t y = host->coords.y1 + in.top - lv_obj_get_scroll_y(host);
    lv_area_set(&obj->coords, x, y, x - 1, y - 1);
}

static void base_destructor(const lv_obj_class_t * class_p, lv_obj_t * obj)
{
    LV_UNUSED(class_p);

    /*Handlers further up the call stack may still hold this object*/
    _lv_event_mark_deleted(obj);
    _lv_obj_drop_styles(obj);
    /*Animations of any of its properties, the scroll animations too*/
    lv_anim_del(obj, NULL);
    if(lv_obj_get_group(obj) != NULL) lv_group_remove_obj(obj);

    _lv_obj_spec_attr_t * attr = obj->spec_attr;
    if(attr == NULL) return;
    obj->spec_attr = NULL;
    lv_mem_free(attr->children);
    lv_mem_free(attr->event_dsc);
    lv_mem_free(attr);
}

static void base_event(const lv_obj_class_t * class_p, lv_event_t * e)
{
    LV_UNUSED(class_p);

    const obj_event_route_t * route = NULL;
    for(size_t i = 0; i < sizeof(base_routes) / sizeof(base_routes[0]) && route == NULL; i++) {
        if(base_routes[i].code == lv_event_get_code(e)) route = &base_routes[i];
    }
    if(route == NULL) return;

    lv_obj_t * target = lv_event_get_current_target(e);
    if(route->gain != 0) lv_obj_add_state(target, route->gain);
    if(route->lose != 0) lv_obj_clear_state(target, route->lose);
    if(route->handler != NULL) route->handler(target, e);
}

/* A release toggles a checkable object, unless the press turned into a scroll. */
static void on_released(lv_obj_t * obj, lv_event_t * e)
{
    lv_indev_t * indev = lv_event_get_param(e);
    if(!lv_obj_has_flag(obj, LV_OBJ_FLAG_CHECKABLE)) return;
    if(lv_indev_get_scroll_obj(indev) != NULL) return;

    if(lv_obj_has_state(obj, LV_STATE_CHECKED)) lv_obj_clear_state(obj, LV_STATE_CHECKED);
    else lv_obj_add_state(obj, LV_STATE_CHECKED);
    lv_event_send(obj, LV_EVENT_VALUE_CHANGED, NULL);
}

/*
 * Checkable objects: right/up check, left/down uncheck; VALUE_CHANGED only
 * when that changed something (Enter toggles on release instead).
 */
static void key_toggles(lv_obj_t * obj, uint32_t key)
{
    bool was_checked = lv_obj_has_state(obj, LV_STATE_CHECKED);
    if(key == LV_KEY_RIGHT || key == LV_KEY_UP) lv_obj_add_state(obj, LV_STATE_CHECKED);
    if(key == LV_KEY_LEFT || key == LV_KEY_DOWN) lv_obj_clear_state(obj, LV_STATE_CHECKED);
    if(lv_obj_has_state(obj, LV_STATE_CHECKED) != was_checked) lv_event_send(obj, LV_EVENT_VALUE_CHANGED, NULL);
}

/*
 * Scrollable objects move a quarter of their size per arrow key. Left and
 * right scroll vertically when there is nothing to scroll sideways, so a
 * plain list answers all four arrows. scroll_to clamps to the content.
 */
static void key_scrolls(lv_obj_t * obj, uint32_t key)
{
    int32_t sign;
    if(key == LV_KEY_DOWN || key == LV_KEY_RIGHT) sign = 1;
    else if(key == LV_KEY_UP || key == LV_KEY_LEFT) sign = -1;
    else return;

    bool sideways = key == LV_KEY_LEFT || key == LV_KEY_RIGHT;
    if(sideways) {
        bool hor_room = _lv_obj_scroll_room(obj, _LV_AXIS_X, false) > 0 ||
                        _lv_obj_scroll_room(obj, _LV_AXIS_X, true) > 0;
        sideways = (lv_obj_get_scroll_dir(obj) & LV_DIR_HOR) && hor_room;
    }

    if(sideways) lv_obj_scroll_to_x(obj, lv_obj_get_scroll_x(obj) + sign * (lv_obj_get_width(obj) / 4), LV_ANIM_OFF);
    else lv_obj_scroll_to_y(obj, lv_obj_get_scroll_y(obj) + sign * (lv_obj_get_height(obj) / 4), LV_ANIM_OFF);
}

static void on_key(lv_obj_t * obj, lv_event_t * e)
{
    uint32_t key = lv_event_get_key(e);
    bool checkable = lv_obj_has_flag(obj, LV_OBJ_FLAG_CHECKABLE);
    /*An editable widget (slider, drop-down...) takes the arrows for itself*/
    bool arrows_scroll = lv_obj_has_flag(obj, LV_OBJ_FLAG_SCROLLABLE | LV_OBJ_FLAG_SCROLL_WITH_ARROW) &&
                         !lv_obj_is_editable(obj);
    if(checkable) key_toggles(obj, key);
    else if(arrows_scroll) key_scrolls(obj, key);
}

/*
 * Focus always sets FOCUSED. Only a keypad or an encoder adds FOCUS_KEY
 * (the theme's ring), so a tap does not light the ring up; EDITED follows
 * the group's edit mode.
 */
static void on_focused(lv_obj_t * obj, lv_event_t * e)
{
    LV_UNUSED(e);
    if(lv_obj_has_flag(obj, LV_OBJ_FLAG_SCROLL_ON_FOCUS)) lv_obj_scroll_to_view_recursive(obj, LV_ANIM_ON);

    lv_indev_type_t by = lv_indev_get_type(lv_indev_get_act());
    lv_state_t gained = LV_STATE_FOCUSED;
    if(by == LV_INDEV_TYPE_KEYPAD || by == LV_INDEV_TYPE_ENCODER) gained |= LV_STATE_FOCUS_KEY;

    lv_group_t * owner = lv_obj_get_group(obj);
    bool editing = owner != NULL && lv_group_get_editing(owner);
    if(editing) gained |= LV_STATE_EDITED;

    lv_obj_add_state(obj, gained);
    if(!editing) lv_obj_clear_state(obj, LV_STATE_EDITED);
}

static void on_scroll_end(lv_obj_t * obj, lv_event_t * e)
{
    LV_UNUSED(e);
    /*ACTIVE bars show only while scrolling: take them away now*/
    if(lv_obj_get_scrollbar_mode(obj) == LV_SCROLLBAR_MODE_ACTIVE) redraw_scrollbars(obj);
}

static void dirty_all_children(lv_obj_t * obj)
{
    uint32_t cnt = lv_obj_get_child_cnt(obj);
    for(uint32_t i = 0; i < cnt; i++) lv_obj_mark_layout_as_dirty(_lv_obj_child_at(obj, i));
}

/* Children measure percentages and alignments from this object's content area. */
static void on_style_changed(lv_obj_t * obj, lv_event_t * e)
{
    LV_UNUSED(e);
    dirty_all_children(obj);
}

static void on_size_changed(lv_obj_t * obj, lv_event_t * e)
{
    LV_UNUSED(e);
    /*A layout places children by this size, an alignment places the object by it*/
    bool self_depends = lv_obj_get_style_layout(obj, LV_PART_MAIN) != 0 ||
                        lv_obj_get_style_align(obj, LV_PART_MAIN) != LV_ALIGN_DEFAULT;
    if(self_depends) lv_obj_mark_layout_as_dirty(obj);
    dirty_all_children(obj);
}

/* A child moved, appeared or vanished: it matters to a layout, an alignment and a size taken from the content. */
static void on_child_changed(lv_obj_t * obj, lv_event_t * e)
{
    LV_UNUSED(e);
    bool depends = lv_obj_get_style_layout(obj, LV_PART_MAIN) != 0 ||
                   lv_obj_get_style_align(obj, LV_PART_MAIN) != LV_ALIGN_DEFAULT ||
                   lv_obj_get_style_width(obj, LV_PART_MAIN) == LV_SIZE_CONTENT ||
                   lv_obj_get_style_height(obj, LV_PART_MAIN) == LV_SIZE_CONTENT;
    if(depends) lv_obj_mark_layout_as_dirty(obj);
}

static void on_ext_draw_size(lv_obj_t * obj, lv_event_t * e)
{
    lv_event_set_ext_draw_size(e, lv_obj_calculate_ext_draw_size(obj, LV_PART_MAIN));
}

static void on_drawing(lv_obj_t * obj, lv_event_t * e)
{
    LV_UNUSED(obj);
    _lv_obj_draw_event(e);
}
