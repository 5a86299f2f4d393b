/**
 * @file lv_obj_style.c
 * Styles attached to objects and the resolution of a property.
 *
 * Style transitions are not implemented: a state change shows the new look
 * at once. The program does not depend on the short fades of the theme.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_obj.h"
#include "lv_disp.h"
#include "../misc/lv_mem.h"
#include "../misc/lv_anim.h"

/*********************
 *      DEFINES
 *********************/
#define MY_CLASS &lv_obj_class

/**********************
 *  STATIC PROTOTYPES
 **********************/
static lv_style_t * local_style_for(lv_obj_t * obj, lv_style_selector_t selector);
static lv_style_res_t lookup_in_own_styles(const lv_obj_t * obj, lv_part_t part, lv_style_prop_t prop,
                                    lv_style_value_t * v);
static void refresh_users_of_style(void * style, lv_obj_t * obj);
static void notify_descendants(lv_obj_t * obj);
static bool prop_affects(lv_style_prop_t prop, uint8_t flag);
static void anim_set_opa(void * obj, int32_t v);
static void fade_in_done(lv_anim_t * a);
static lv_style_value_t default_value(lv_style_prop_t prop);
static _lv_obj_style_t * insert_style_entry(lv_obj_t * obj, uint32_t index);
static int32_t find_local_style(const lv_obj_t * obj, lv_style_selector_t selector);

/**********************
 *  STATIC VARIABLES
 **********************/
static bool style_refresh_enabled = true;

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

void _lv_obj_style_init(void)
{
    style_refresh_enabled = true;
}

void _lv_obj_style_deinit(void)
{
    style_refresh_enabled = true;
}

/**
 * Add `style` for `selector`. Styles added later win over earlier ones, and
 * local properties win over every added style: the new entry goes right
 * after the local styles.
 */
void lv_obj_add_style(lv_obj_t * obj, lv_style_t * style, lv_style_selector_t selector)
{
    /*The list runs from strongest to weakest: transitions, local styles,
     *then added styles newest first*/
    uint32_t i = 0;
    while(i < obj->style_cnt && (obj->styles[i].is_trans || obj->styles[i].is_local)) i++;

    _lv_obj_style_t * entry = insert_style_entry(obj, i);
    if(entry == NULL) return;
    entry->style = style;
    entry->selector = selector;

    lv_obj_refresh_style(obj, selector, LV_STYLE_PROP_ANY);
}

/* Whether an entry falls under a removal request; ANY state or part and a NULL style match everything. */
static bool entry_matches(const _lv_obj_style_t * entry, const lv_style_t * style, lv_state_t state, lv_part_t part)
{
    if(state != LV_STATE_ANY && lv_obj_style_get_selector_state(entry->selector) != state) return false;
    if(part != LV_PART_ANY && lv_obj_style_get_selector_part(entry->selector) != part) return false;
    return style == NULL || style == entry->style;
}

/* Drop entry `i`; local and transition styles belong to the object and are freed with it. */
static void remove_style_entry(lv_obj_t * obj, uint32_t i)
{
    _lv_obj_style_t * entry = &obj->styles[i];
    if(entry->is_local || entry->is_trans) {
        lv_style_reset(entry->style);
        lv_mem_free(entry->style);
        entry->style = NULL;
    }
    for(uint32_t j = i; j + 1 < obj->style_cnt; j++) obj->styles[j] = obj->styles[j + 1];
    obj->style_cnt--;
}

void lv_obj_remove_style(lv_obj_t * obj, lv_style_t * style, lv_style_selector_t selector)
{
    lv_state_t state = lv_obj_style_get_selector_state(selector);
    lv_part_t part = lv_obj_style_get_selector_part(selector);

    bool deleted = false;
    uint32_t i = 0;
    while(i < obj->style_cnt) {
        if(!entry_matches(&obj->styles[i], style, state, part)) {
            i++;
            continue;
        }
        remove_style_entry(obj, i); /*the next entry moved to `i`*/
        deleted = true;
    }

    if(obj->style_cnt == 0 && obj->styles) {
        lv_mem_free(obj->styles);
        obj->styles = NULL;
    }
    else if(deleted) {
        _lv_obj_style_t * styles = lv_mem_realloc(obj->styles, obj->style_cnt * sizeof(_lv_obj_style_t));
        if(styles) obj->styles = styles;
    }

    /*An empty style changed nothing, so nothing needs a refresh*/
    bool style_was_empty = style && style->prop_cnt == 0;
    if(deleted && !style_was_empty) lv_obj_refresh_style(obj, part, LV_STYLE_PROP_ANY);
}

void lv_obj_report_style_change(lv_style_t * style)
{
    if(!style_refresh_enabled) return;

    for(lv_disp_t * d = lv_disp_get_next(NULL); d; d = lv_disp_get_next(d)) {
        for(uint32_t i = 0; i < d->screen_cnt; i++) refresh_users_of_style(style, d->screens[i]);
    }
}

/**
 * Refresh what a change of `prop` on `part` may affect: the object's own
 * redraw always; its layout and its parent's for size-affecting props; the
 * extra draw area for shadows and outlines; inherited props reach the
 * children too.
 */
void lv_obj_refresh_style(lv_obj_t * obj, lv_style_selector_t selector, lv_style_prop_t prop)
{
    if(!style_refresh_enabled) return;

    lv_obj_invalidate(obj);

    lv_part_t part = lv_obj_style_get_selector_part(selector);

    bool is_layout_refr = prop_affects(prop, LV_STYLE_PROP_LAYOUT_REFR);
    bool is_ext_draw = prop_affects(prop, LV_STYLE_PROP_EXT_DRAW);
    bool is_inheritable = prop_affects(prop, LV_STYLE_PROP_INHERIT);
    bool is_parent_layout = prop_affects(prop, LV_STYLE_PROP_PARENT_LAYOUT_REFR);

    lv_event_send(obj, LV_EVENT_STYLE_CHANGED, NULL);

    /*A part other than the main one changes the size only of an object sized by its content*/
    bool main_part = part == LV_PART_ANY || part == LV_PART_MAIN;
    if(is_layout_refr) {
        if(main_part || lv_obj_get_style_height(obj, 0) == LV_SIZE_CONTENT ||
           lv_obj_get_style_width(obj, 0) == LV_SIZE_CONTENT) {
            lv_obj_mark_layout_as_dirty(obj);
        }
    }
    if(main_part && (is_parent_layout || is_layout_refr)) {
        lv_obj_t * parent = lv_obj_get_parent(obj);
        if(parent) lv_obj_mark_layout_as_dirty(parent);
    }

    if(prop == LV_STYLE_PROP_ANY || is_ext_draw) {
        lv_obj_refresh_ext_draw_size(obj);
    }
    lv_obj_invalidate(obj);

    /*Inherited properties reach the children; the scrollbar passes nothing on*/
    if(prop == LV_STYLE_PROP_ANY || (is_inheritable && (is_ext_draw || is_layout_refr))) {
        if(part != LV_PART_SCROLLBAR) notify_descendants(obj);
    }
}

void lv_obj_enable_style_refresh(bool en)
{
    style_refresh_enabled = en;
}

/* Width or height of the nearest class in the chain that sets one; 0 if none does. */
static lv_coord_t class_default_size(const lv_obj_class_t * cls, bool width)
{
    for(; cls; cls = cls->base_class) {
        lv_coord_t v = width ? cls->width_def : cls->height_def;
        if(v != 0) return v;
    }
    return 0;
}

/**
 * Resolve `prop` for `part` in the object's current state. Not found on the
 * part, an inherited property (text colour, font, ...) is looked up on the
 * main part and then on the ancestors; otherwise the class's default size
 * (width/height) or the property's default value is returned.
 */
lv_style_value_t lv_obj_get_style_prop(const lv_obj_t * obj, lv_part_t part, lv_style_prop_t prop)
{
    lv_style_value_t value = { .num = 0 };
    bool inheritable = lv_style_prop_has_flag(prop, LV_STYLE_PROP_INHERIT);
    const lv_obj_t * start = obj;
    lv_style_res_t found = LV_STYLE_RES_NOT_FOUND;
    while(obj) {
        found = lookup_in_own_styles(obj, part, prop, &value);
        if(found == LV_STYLE_RES_FOUND || !inheritable) break;

        /*An inherited property missing on a part falls back to the object's
         *main part first; an explicit "inherit" skips straight to the parent*/
        if(found != LV_STYLE_RES_INHERIT && part != LV_PART_MAIN) {
            part = LV_PART_MAIN;
            continue;
        }
        obj = lv_obj_get_parent(obj);
    }
    if(found == LV_STYLE_RES_FOUND) return value;

    if(part == LV_PART_MAIN && (prop == LV_STYLE_WIDTH || prop == LV_STYLE_HEIGHT)) {
        value.num = class_default_size(start->class_p, prop == LV_STYLE_WIDTH);
        return value;
    }
    return default_value(prop);
}

void lv_obj_set_local_style_prop(lv_obj_t * obj, lv_style_prop_t prop, lv_style_value_t value,
                                 lv_style_selector_t selector)
{
    lv_style_t * style = local_style_for(obj, selector);
    if(style == NULL) return;
    lv_style_set_prop(style, prop, value);
    lv_obj_refresh_style(obj, selector, prop);
}

void lv_obj_set_local_style_prop_meta(lv_obj_t * obj, lv_style_prop_t prop, uint16_t meta,
                                      lv_style_selector_t selector)
{
    lv_style_t * style = local_style_for(obj, selector);
    if(style == NULL) return;
    lv_style_value_t v = { .num = 0 };
    lv_style_set_prop(style, (lv_style_prop_t)(prop | meta), v);
    lv_obj_refresh_style(obj, selector, prop);
}

lv_style_res_t lv_obj_get_local_style_prop(lv_obj_t * obj, lv_style_prop_t prop, lv_style_value_t * value,
                                           lv_style_selector_t selector)
{
    int32_t i = find_local_style(obj, selector);
    if(i < 0) return LV_STYLE_RES_NOT_FOUND;
    return lv_style_get_prop(obj->styles[i].style, prop, value);
}

bool lv_obj_remove_local_style_prop(lv_obj_t * obj, lv_style_prop_t prop, lv_style_selector_t selector)
{
    int32_t i = find_local_style(obj, selector);
    if(i < 0) return false;

    bool removed = lv_style_remove_prop(obj->styles[i].style, prop);
    if(removed) lv_obj_refresh_style(obj, selector, prop);
    return removed;
}

/**
 * How much a switch between two states changes: the strongest effect of any
 * property set by a style that applies in one state but not the other.
 */
_lv_style_state_cmp_t _lv_obj_style_state_compare(lv_obj_t * obj, lv_state_t state1, lv_state_t state2)
{
    _lv_style_state_cmp_t res = _LV_STYLE_STATE_CMP_SAME;

    uint32_t i;
    for(i = 0; i < obj->style_cnt; i++) {
        _lv_obj_style_t * obj_style = &obj->styles[i];
        if(obj_style->is_trans) continue;

        /*A style applies in a state that contains all of its state bits*/
        lv_state_t style_state = lv_obj_style_get_selector_state(obj_style->selector);
        bool applies1 = (style_state & ~state1) == 0;
        bool applies2 = (style_state & ~state2) == 0;
        if(applies1 == applies2) continue;

        lv_style_t * style = obj_style->style;
        lv_style_prop_t prop;
        for(prop = 1; prop < _LV_STYLE_NUM_BUILT_IN_PROPS; prop++) {
            if((style->has_group & (1 << _lv_style_get_prop_group(prop))) == 0) {
                /*None of this group of 16 is set: jump to the group's last id*/
                prop = (lv_style_prop_t)(((prop >> 4) << 4) + 15);
                continue;
            }
            lv_style_value_t v;
            if(lv_style_get_prop(style, prop, &v) != LV_STYLE_RES_FOUND) continue;
            if(lv_style_prop_has_flag(prop, LV_STYLE_PROP_LAYOUT_REFR | LV_STYLE_PROP_PARENT_LAYOUT_REFR)) {
                return _LV_STYLE_STATE_CMP_DIFF_LAYOUT;
            }
            if(lv_style_prop_has_flag(prop, LV_STYLE_PROP_EXT_DRAW)) res = _LV_STYLE_STATE_CMP_DIFF_DRAW_PAD;
            else if(res == _LV_STYLE_STATE_CMP_SAME) res = _LV_STYLE_STATE_CMP_DIFF_REDRAW;
        }
    }

    return res;
}

void lv_obj_fade_in(lv_obj_t * obj, uint32_t time, uint32_t delay)
{
    lv_anim_t a;
    lv_anim_init(&a);
    lv_anim_set_var(&a, obj);
    lv_anim_set_values(&a, 0, LV_OPA_COVER);
    lv_anim_set_exec_cb(&a, anim_set_opa);
    lv_anim_set_ready_cb(&a, fade_in_done);
    lv_anim_set_time(&a, time);
    lv_anim_set_delay(&a, delay);
    lv_anim_start(&a);
}

void lv_obj_fade_out(lv_obj_t * obj, uint32_t time, uint32_t delay)
{
    lv_anim_t a;
    lv_anim_init(&a);
    lv_anim_set_var(&a, obj);
    lv_anim_set_values(&a, lv_obj_get_style_opa(obj, 0), LV_OPA_TRANSP);
    lv_anim_set_exec_cb(&a, anim_set_opa);
    lv_anim_set_time(&a, time);
    lv_anim_set_delay(&a, delay);
    lv_anim_start(&a);
}

lv_style_value_t _lv_obj_style_apply_color_filter(const lv_obj_t * obj, uint32_t part, lv_style_value_t v)
{
    if(obj == NULL) return v;
    const lv_color_filter_dsc_t * f = lv_obj_get_style_color_filter_dsc(obj, part);
    if(f && f->filter_cb) {
        lv_opa_t f_opa = lv_obj_get_style_color_filter_opa(obj, part);
        if(f_opa != 0) v.color = f->filter_cb(f, v.color, f_opa);
    }
    return v;
}

lv_state_t lv_obj_style_get_selector_state(lv_style_selector_t selector)
{
    return selector & 0xFFFF;
}

lv_part_t lv_obj_style_get_selector_part(lv_style_selector_t selector)
{
    return selector & 0xFF0000;
}

lv_text_align_t lv_obj_calculate_style_text_align(const lv_obj_t * obj, lv_part_t part, const char * txt)
{
    LV_UNUSED(txt);
    lv_text_align_t align = lv_obj_get_style_text_align(obj, part);
    if(align != LV_TEXT_ALIGN_AUTO) return align;
    lv_base_dir_t base_dir = lv_obj_get_style_base_dir(obj, part);
    return base_dir == LV_BASE_DIR_RTL ? LV_TEXT_ALIGN_RIGHT : LV_TEXT_ALIGN_LEFT;
}

lv_opa_t lv_obj_get_style_opa_recursive(const lv_obj_t * obj, lv_part_t part)
{
    lv_opa_t opa = lv_obj_get_style_opa(obj, part);
    if(part != LV_PART_MAIN) opa = (opa * lv_obj_get_style_opa(obj, LV_PART_MAIN)) >> 8;
    obj = lv_obj_get_parent(obj);
    while(obj && opa > LV_OPA_MIN) {
        lv_opa_t p = lv_obj_get_style_opa(obj, LV_PART_MAIN);
        if(p < LV_OPA_MAX) opa = (opa * p) >> 8;
        obj = lv_obj_get_parent(obj);
    }
    return opa < LV_OPA_MIN ? LV_OPA_TRANSP : (opa > LV_OPA_MAX ? LV_OPA_COVER : opa);
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

/* Index of the object's local style for `selector`, or -1. */
static int32_t find_local_style(const lv_obj_t * obj, lv_style_selector_t selector)
{
    for(uint32_t i = 0; i < obj->style_cnt; i++) {
        if(obj->styles[i].is_local && obj->styles[i].selector == selector) return (int32_t)i;
    }
    return -1;
}

/* Grow the style list by one zeroed entry at `index`; NULL when out of memory. */
static _lv_obj_style_t * insert_style_entry(lv_obj_t * obj, uint32_t index)
{
    _lv_obj_style_t * styles = lv_mem_realloc(obj->styles, (obj->style_cnt + 1) * sizeof(_lv_obj_style_t));
    LV_ASSERT_MALLOC(styles);
    if(styles == NULL) return NULL;
    obj->styles = styles;
    obj->style_cnt++;

    for(uint32_t j = obj->style_cnt - 1; j > index; j--) obj->styles[j] = obj->styles[j - 1];
    lv_memset_00(&obj->styles[index], sizeof(_lv_obj_style_t));
    return &obj->styles[index];
}

/* The local style for `selector`, created behind the other local styles if missing. */
static lv_style_t * local_style_for(lv_obj_t * obj, lv_style_selector_t selector)
{
    int32_t found = find_local_style(obj, selector);
    if(found >= 0) return obj->styles[found].style;

    lv_style_t * style = lv_mem_alloc(sizeof(lv_style_t));
    LV_ASSERT_MALLOC(style);
    if(style == NULL) return NULL;
    lv_style_init(style);

    uint32_t i = 0;
    while(i < obj->style_cnt && (obj->styles[i].is_local || obj->styles[i].is_trans)) i++;

    _lv_obj_style_t * entry = insert_style_entry(obj, i);
    if(entry == NULL) {
        lv_mem_free(style);
        return NULL;
    }
    entry->style = style;
    entry->selector = selector;
    entry->is_local = 1;
    return style;
}

/**
 * Look `prop` up in the styles of one object for one part. Among the styles
 * whose state is contained in the object's state the one with the highest
 * state value wins (so PRESSED beats FOCUSED beats CHECKED); at equal state
 * the earlier entry (local, then the most recently added) wins.
 */
static lv_style_res_t lookup_in_own_styles(const lv_obj_t * obj, lv_part_t part, lv_style_prop_t prop,
                                    lv_style_value_t * v)
{
    uint8_t group = 1 << _lv_style_get_prop_group(prop);
    int32_t weight = -1;
    lv_state_t state = obj->state;
    lv_state_t state_inv = ~state;
    lv_style_value_t value_tmp;
    uint32_t i;
    lv_style_res_t found;
    for(i = 0; i < obj->style_cnt; i++) {
        _lv_obj_style_t * obj_style = &obj->styles[i];
        if((obj_style->style->has_group & group) == 0) continue;
        lv_part_t part_act = lv_obj_style_get_selector_part(obj_style->selector);
        if(part_act != part) continue;

        /*Only styles whose state bits are all set on the object apply*/
        lv_state_t state_act = lv_obj_style_get_selector_state(obj_style->selector);
        if((state_act & state_inv)) continue;

        /*A style for a lower state cannot beat the best one so far*/
        if(state_act <= weight) continue;
        found = lv_style_get_prop(obj_style->style, prop, &value_tmp);

        if(found == LV_STYLE_RES_FOUND) {
            if(state_act == state) {
                *v = value_tmp;
                return LV_STYLE_RES_FOUND;
            }
            if(weight < state_act) {
                weight = state_act;
                *v = value_tmp;
            }
        }
        else if(found == LV_STYLE_RES_INHERIT) {
            return LV_STYLE_RES_INHERIT;
        }
    }

    if(weight >= 0) return LV_STYLE_RES_FOUND;
    return LV_STYLE_RES_NOT_FOUND;
}

static void refresh_users_of_style(void * style, lv_obj_t * obj)
{
    uint32_t i;
    for(i = 0; i < obj->style_cnt; i++) {
        if(style == NULL || obj->styles[i].style == style) {
            lv_obj_refresh_style(obj, LV_PART_ANY, LV_STYLE_PROP_ANY);
            break;
        }
    }

    uint32_t child_cnt = lv_obj_get_child_cnt(obj);
    for(i = 0; i < child_cnt; i++) {
        refresh_users_of_style(style, obj->spec_attr->children[i]);
    }
}

static void notify_descendants(lv_obj_t * obj)
{
    uint32_t i;
    uint32_t child_cnt = lv_obj_get_child_cnt(obj);
    for(i = 0; i < child_cnt; i++) {
        lv_obj_t * child = obj->spec_attr->children[i];
        /*Before and after: the change may move or resize what is drawn*/
        lv_obj_invalidate(child);
        lv_event_send(child, LV_EVENT_STYLE_CHANGED, NULL);
        lv_obj_invalidate(child);

        notify_descendants(child);
    }
}

static bool prop_affects(lv_style_prop_t prop, uint8_t flag)
{
    if(prop == LV_STYLE_PROP_ANY) return true;
    if(prop == LV_STYLE_PROP_INV) return false;
    return lv_style_prop_has_flag(prop, flag);
}

static void anim_set_opa(void * obj, int32_t v)
{
    lv_obj_set_style_opa(obj, v, 0);
}

static void fade_in_done(lv_anim_t * a)
{
    lv_obj_remove_local_style_prop(a->var, LV_STYLE_OPA, 0);
}

/**
 * The default of a property. Pointer properties other than the font default
 * to NULL here: lv_style_prop_get_default sets only the 32-bit `num` member
 * for them, which leaves the upper half of a 64-bit pointer undefined.
 */
static lv_style_value_t default_value(lv_style_prop_t prop)
{
    lv_style_value_t v;
    switch(prop) {
        case LV_STYLE_BG_GRAD:
        case LV_STYLE_BG_IMG_SRC:
        case LV_STYLE_ARC_IMG_SRC:
        case LV_STYLE_COLOR_FILTER_DSC:
        case LV_STYLE_ANIM:
        case LV_STYLE_TRANSITION:
            v.ptr = NULL;
            return v;
        default:
            return lv_style_prop_get_default(prop);
    }
}
