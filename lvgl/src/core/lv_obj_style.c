/**
 * @file lv_obj_style.c
 * Styles attached to objects, and what value a property has on an object.
 *
 * An object's styles are one array, strongest first: transition entries
 * (none are made: state changes show the new look at once, and the panel
 * does not rely on the theme's short fades), then the object's own local
 * styles (one per selector), then the added styles, newest first.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_obj.h"
#include "lv_obj_private.h"
#include "lv_disp.h"
#include "../misc/lv_mem.h"
#include "../misc/lv_anim.h"

#include <string.h>

/*********************
 *      DEFINES
 *********************/
/*style_cnt is a 6-bit field*/
#define STYLE_ENTRIES_MAX 63

/**********************
 *  STATIC PROTOTYPES
 **********************/
static uint32_t first_added_slot(const lv_obj_t * obj);
static _lv_obj_style_t * insert_entry(lv_obj_t * obj, uint32_t at);
static lv_style_t * local_style(lv_obj_t * obj, lv_style_selector_t selector, bool create);
static lv_style_res_t own_value(const lv_obj_t * obj, lv_part_t part, lv_style_prop_t prop, lv_style_value_t * out);
static bool touches(lv_style_prop_t prop, uint8_t flag);
static lv_style_value_t fallback_value(const lv_obj_t * obj, lv_part_t part, lv_style_prop_t prop);
static lv_obj_tree_walk_res_t restyle_descendant(lv_obj_t * obj, void * root);
static lv_obj_tree_walk_res_t restyle_user(lv_obj_t * obj, void * style);
static void fade_step(void * obj, int32_t v);
static void fade_in_over(lv_anim_t * a);

/**********************
 *  STATIC VARIABLES
 **********************/
static bool refresh_on = true;

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

void _lv_obj_style_init(void)
{
    refresh_on = true;
}

void _lv_obj_style_deinit(void)
{
    refresh_on = true;
}

void lv_obj_add_style(lv_obj_t * obj, lv_style_t * style, lv_style_selector_t selector)
{
    /*Behind the object's own properties, in front of the styles added earlier*/
    _lv_obj_style_t * entry = insert_entry(obj, first_added_slot(obj));
    if(entry == NULL) return;
    entry->style = style;
    entry->selector = selector;

    lv_obj_refresh_style(obj, selector, LV_STYLE_PROP_ANY);
}

/*
 * Drop every entry that matches: LV_STATE_ANY and LV_PART_ANY match any
 * state and part, a NULL style any style. Local styles belong to the
 * object and are freed with their entry.
 */
void lv_obj_remove_style(lv_obj_t * obj, lv_style_t * style, lv_style_selector_t selector)
{
    lv_state_t want_state = lv_obj_style_get_selector_state(selector);
    lv_part_t want_part = lv_obj_style_get_selector_part(selector);

    uint32_t kept = 0;
    for(uint32_t i = 0; i < obj->style_cnt; i++) {
        _lv_obj_style_t entry = obj->styles[i];
        bool hit = (want_state == LV_STATE_ANY || lv_obj_style_get_selector_state(entry.selector) == want_state) &&
                   (want_part == LV_PART_ANY || lv_obj_style_get_selector_part(entry.selector) == want_part) &&
                   (style == NULL || style == entry.style);
        if(!hit) {
            obj->styles[kept++] = entry;
            continue;
        }
        if(entry.is_local || entry.is_trans) {
            lv_style_reset(entry.style);
            lv_mem_free(entry.style);
        }
    }
    if(kept == obj->style_cnt) return;

    obj->style_cnt = kept;
    if(kept == 0) {
        lv_mem_free(obj->styles);
        obj->styles = NULL;
    }
    else {
        _lv_obj_style_t * fitted = lv_mem_realloc(obj->styles, kept * sizeof(_lv_obj_style_t));
        if(fitted != NULL) obj->styles = fitted;
    }

    /*An empty style changed nothing on the object*/
    if(style == NULL || style->prop_cnt != 0) lv_obj_refresh_style(obj, want_part, LV_STYLE_PROP_ANY);
}

void _lv_obj_drop_styles(lv_obj_t * obj)
{
    for(uint32_t i = 0; i < obj->style_cnt; i++) {
        _lv_obj_style_t * entry = &obj->styles[i];
        if(!entry->is_local && !entry->is_trans) continue;
        lv_style_reset(entry->style);
        lv_mem_free(entry->style);
    }
    lv_mem_free(obj->styles);
    obj->styles = NULL;
    obj->style_cnt = 0;
}

void lv_obj_report_style_change(lv_style_t * style)
{
    if(!refresh_on) return;
    lv_obj_tree_walk(NULL, restyle_user, style);
}

/*
 * Update what a change of `prop` on a part can affect: the object is always
 * redrawn and told (STYLE_CHANGED); sizes and positions rerun its layout
 * and the parent's; shadow-like properties renew the area drawn around it;
 * inherited ones reach the descendants. LV_STYLE_PROP_ANY means all of it.
 */
void lv_obj_refresh_style(lv_obj_t * obj, lv_style_selector_t selector, lv_style_prop_t prop)
{
    if(!refresh_on) return;

    lv_part_t changed_part = lv_obj_style_get_selector_part(selector);
    bool on_main = changed_part == LV_PART_ANY || changed_part == LV_PART_MAIN;
    bool resizes = touches(prop, LV_STYLE_PROP_LAYOUT_REFR);
    bool moves_siblings = touches(prop, LV_STYLE_PROP_PARENT_LAYOUT_REFR);
    bool reaches_out = touches(prop, LV_STYLE_PROP_EXT_DRAW);
    bool passes_down = touches(prop, LV_STYLE_PROP_INHERIT);

    lv_obj_invalidate(obj);
    lv_event_send(obj, LV_EVENT_STYLE_CHANGED, NULL);

    /*Another part changes the object's size only when the size follows the content*/
    if(resizes) {
        bool content_sized = lv_obj_get_style_width(obj, LV_PART_MAIN) == LV_SIZE_CONTENT ||
                             lv_obj_get_style_height(obj, LV_PART_MAIN) == LV_SIZE_CONTENT;
        if(on_main || content_sized) lv_obj_mark_layout_as_dirty(obj);
    }
    if(on_main && (resizes || moves_siblings) && obj->parent != NULL) lv_obj_mark_layout_as_dirty(obj->parent);

    if(reaches_out) lv_obj_refresh_ext_draw_size(obj);
    lv_obj_invalidate(obj);

    /*The scrollbar passes nothing on; an inherited colour needs no more than a redraw of those using it*/
    bool descend = prop == LV_STYLE_PROP_ANY || (passes_down && (reaches_out || resizes));
    if(descend && changed_part != LV_PART_SCROLLBAR) lv_obj_tree_walk(obj, restyle_descendant, obj);
}

void lv_obj_enable_style_refresh(bool en)
{
    refresh_on = en;
}

/*
 * The value of a property on a part in the object's current state. Not set
 * on the part, an inherited property (text colour, font...) is looked for
 * on the object's main part and then up the ancestors; an explicit
 * "inherit" skips to the parent right away.
 */
lv_style_value_t lv_obj_get_style_prop(const lv_obj_t * obj, lv_part_t part, lv_style_prop_t prop)
{
    bool inherits = lv_style_prop_has_flag(prop, LV_STYLE_PROP_INHERIT);
    lv_part_t at_part = part;
    lv_style_value_t found;

    const lv_obj_t * node = obj;
    while(node != NULL) {
        lv_style_res_t res = own_value(node, at_part, prop, &found);
        if(res == LV_STYLE_RES_FOUND) return found;
        if(!inherits) break;
        /*The object's main part first, unless the style said "inherit"*/
        bool try_main = res != LV_STYLE_RES_INHERIT && at_part != LV_PART_MAIN;
        if(try_main) at_part = LV_PART_MAIN;
        else node = node->parent;
    }
    return fallback_value(obj, part, prop);
}

/*
 * Write (or with `value` NULL, remove) a property of the object's own
 * style for `selector`, then bring the object up to date. `prop` may carry
 * meta flags; the refresh looks at the plain property.
 */
static bool edit_local(lv_obj_t * obj, lv_style_prop_t prop, const lv_style_value_t * value,
                       lv_style_selector_t selector)
{
    lv_style_t * own = local_style(obj, selector, value != NULL);
    if(own == NULL) return false;

    if(value != NULL) lv_style_set_prop(own, prop, *value);
    else if(!lv_style_remove_prop(own, prop)) return false;

    lv_obj_refresh_style(obj, selector, LV_STYLE_PROP_ID_MASK(prop));
    return true;
}

void lv_obj_set_local_style_prop(lv_obj_t * obj, lv_style_prop_t prop, lv_style_value_t value,
                                 lv_style_selector_t selector)
{
    edit_local(obj, prop, &value, selector);
}

/* A meta flag (e.g. "inherit") takes the place of a value. */
void lv_obj_set_local_style_prop_meta(lv_obj_t * obj, lv_style_prop_t prop, uint16_t meta,
                                      lv_style_selector_t selector)
{
    lv_style_value_t placeholder = {.num = 0};
    edit_local(obj, (lv_style_prop_t)(prop | meta), &placeholder, selector);
}

lv_style_res_t lv_obj_get_local_style_prop(lv_obj_t * obj, lv_style_prop_t prop, lv_style_value_t * value,
                                           lv_style_selector_t selector)
{
    lv_style_t * own = local_style(obj, selector, false);
    if(own == NULL) return LV_STYLE_RES_NOT_FOUND;
    return lv_style_get_prop(own, prop, value);
}

bool lv_obj_remove_local_style_prop(lv_obj_t * obj, lv_style_prop_t prop, lv_style_selector_t selector)
{
    return edit_local(obj, prop, NULL, selector);
}

/*
 * How much the look differs between two states: the strongest effect among
 * the properties of the styles that apply in one state and not the other.
 * A style applies when all of its state bits are set.
 */
_lv_style_state_cmp_t _lv_obj_style_state_compare(lv_obj_t * obj, lv_state_t state1, lv_state_t state2)
{
    _lv_style_state_cmp_t worst = _LV_STYLE_STATE_CMP_SAME;
    for(uint32_t i = 0; i < obj->style_cnt; i++) {
        const _lv_obj_style_t * entry = &obj->styles[i];
        if(entry->is_trans) continue;
        lv_state_t needs = lv_obj_style_get_selector_state(entry->selector);
        bool in1 = (needs & state1) == needs;
        bool in2 = (needs & state2) == needs;
        if(in1 == in2 || lv_style_is_empty(entry->style)) continue;

        for(lv_style_prop_t p = 1; p < _LV_STYLE_NUM_BUILT_IN_PROPS; p++) {
            /*Sixteen properties share a group bit: skip a group the style has none of*/
            if((entry->style->has_group & (1u << _lv_style_get_prop_group(p))) == 0) {
                p |= 0x0F;
                continue;
            }
            lv_style_value_t unused;
            if(lv_style_get_prop(entry->style, p, &unused) != LV_STYLE_RES_FOUND) continue;

            if(lv_style_prop_has_flag(p, LV_STYLE_PROP_LAYOUT_REFR | LV_STYLE_PROP_PARENT_LAYOUT_REFR)) {
                return _LV_STYLE_STATE_CMP_DIFF_LAYOUT;
            }
            _lv_style_state_cmp_t effect = lv_style_prop_has_flag(p, LV_STYLE_PROP_EXT_DRAW) ?
                                           _LV_STYLE_STATE_CMP_DIFF_DRAW_PAD : _LV_STYLE_STATE_CMP_DIFF_REDRAW;
            if(effect > worst) worst = effect;
        }
    }
    return worst;
}

static void start_fade(lv_obj_t * obj, int32_t from, int32_t to, uint32_t time, uint32_t delay, lv_anim_ready_cb_t done)
{
    lv_anim_t fade;
    lv_anim_init(&fade);
    lv_anim_set_var(&fade, obj);
    lv_anim_set_exec_cb(&fade, fade_step);
    lv_anim_set_values(&fade, from, to);
    lv_anim_set_time(&fade, time);
    lv_anim_set_delay(&fade, delay);
    lv_anim_set_ready_cb(&fade, done);
    lv_anim_start(&fade);
}

void lv_obj_fade_in(lv_obj_t * obj, uint32_t time, uint32_t delay)
{
    start_fade(obj, LV_OPA_TRANSP, LV_OPA_COVER, time, delay, fade_in_over);
}

void lv_obj_fade_out(lv_obj_t * obj, uint32_t time, uint32_t delay)
{
    start_fade(obj, lv_obj_get_style_opa(obj, LV_PART_MAIN), LV_OPA_TRANSP, time, delay, NULL);
}

lv_style_value_t _lv_obj_style_apply_color_filter(const lv_obj_t * obj, uint32_t part, lv_style_value_t v)
{
    const lv_color_filter_dsc_t * filter = obj != NULL ? lv_obj_get_style_color_filter_dsc(obj, part) : NULL;
    lv_opa_t strength = filter != NULL ? lv_obj_get_style_color_filter_opa(obj, part) : LV_OPA_TRANSP;
    if(strength == LV_OPA_TRANSP || filter->filter_cb == NULL) return v;

    lv_style_value_t out = {.color = filter->filter_cb(filter, v.color, strength)};
    return out;
}

lv_state_t lv_obj_style_get_selector_state(lv_style_selector_t selector)
{
    return (lv_state_t)(selector & 0xFFFF);
}

lv_part_t lv_obj_style_get_selector_part(lv_style_selector_t selector)
{
    return selector & 0xFF0000;
}

lv_text_align_t lv_obj_calculate_style_text_align(const lv_obj_t * obj, lv_part_t part, const char * txt)
{
    LV_UNUSED(txt);
    lv_text_align_t set = lv_obj_get_style_text_align(obj, part);
    if(set != LV_TEXT_ALIGN_AUTO) return set;
    /*AUTO starts where the writing direction starts*/
    bool rtl = lv_obj_get_style_base_dir(obj, part) == LV_BASE_DIR_RTL;
    return rtl ? LV_TEXT_ALIGN_RIGHT : LV_TEXT_ALIGN_LEFT;
}

/*
 * The part's opacity times its object's main opacity times every
 * ancestor's. Near-opaque and near-transparent results snap to the ends.
 */
lv_opa_t lv_obj_get_style_opa_recursive(const lv_obj_t * obj, lv_part_t part)
{
    uint32_t acc = LV_OPA_COVER;
    lv_part_t at_part = part;
    const lv_obj_t * node = obj;
    while(node != NULL) {
        lv_opa_t factor = lv_obj_get_style_opa(node, at_part);
        if(factor <= LV_OPA_MIN) return LV_OPA_TRANSP;
        if(factor < LV_OPA_MAX) acc = (acc * factor) >> 8;
        /*After the asked part comes the same object's main part, then the parent's*/
        if(at_part != LV_PART_MAIN) at_part = LV_PART_MAIN;
        else node = lv_obj_get_parent(node);
    }
    if(acc <= LV_OPA_MIN) return LV_OPA_TRANSP;
    if(acc >= LV_OPA_MAX) return LV_OPA_COVER;
    return (lv_opa_t)acc;
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

/* The first entry after the transitions and local styles. */
static uint32_t first_added_slot(const lv_obj_t * obj)
{
    uint32_t at = 0;
    while(at < obj->style_cnt && (obj->styles[at].is_trans || obj->styles[at].is_local)) at++;
    return at;
}

/* Open a zeroed entry at `at`; NULL when the list is full or memory ran out. */
static _lv_obj_style_t * insert_entry(lv_obj_t * obj, uint32_t at)
{
    /*The count is six bits wide: one more would wrap it to zero and lose
     *every style, so the entry is refused (the object looks as before)*/
    if(obj->style_cnt >= STYLE_ENTRIES_MAX) return NULL;

    uint32_t cnt = obj->style_cnt;
    _lv_obj_style_t * list = lv_mem_realloc(obj->styles, (cnt + 1) * sizeof(_lv_obj_style_t));
    LV_ASSERT_MALLOC(list);
    if(list == NULL) return NULL;

    memmove(&list[at + 1], &list[at], (cnt - at) * sizeof(_lv_obj_style_t));
    lv_memset_00(&list[at], sizeof(_lv_obj_style_t));
    obj->styles = list;
    obj->style_cnt = cnt + 1;
    return &list[at];
}

/* The object's own style for `selector`; made (behind the other local ones) when `create` says so. */
static lv_style_t * local_style(lv_obj_t * obj, lv_style_selector_t selector, bool create)
{
    uint32_t at = 0;
    for(; at < obj->style_cnt && (obj->styles[at].is_trans || obj->styles[at].is_local); at++) {
        if(obj->styles[at].is_local && obj->styles[at].selector == selector) return obj->styles[at].style;
    }
    if(!create) return NULL;

    lv_style_t * fresh = lv_mem_alloc(sizeof(lv_style_t));
    LV_ASSERT_MALLOC(fresh);
    if(fresh == NULL) return NULL;
    lv_style_init(fresh);

    _lv_obj_style_t * entry = insert_entry(obj, at);
    if(entry == NULL) {
        lv_mem_free(fresh);
        return NULL;
    }
    entry->style = fresh;
    entry->selector = selector;
    entry->is_local = 1;
    return fresh;
}

/*
 * Look a property up in one object's styles for one part. Of the styles
 * whose state bits are all set on the object, the most specific state (the
 * highest value) wins, so PRESSED beats FOCUSED beats CHECKED; at equal
 * state the entry nearer the front wins.
 */
static lv_style_res_t own_value(const lv_obj_t * obj, lv_part_t part, lv_style_prop_t prop, lv_style_value_t * out)
{
    uint8_t group_bit = (uint8_t)(1u << _lv_style_get_prop_group(prop));
    lv_state_t now = obj->state;
    int32_t best = -1;

    for(uint32_t i = 0; i < obj->style_cnt; i++) {
        const _lv_obj_style_t * entry = &obj->styles[i];
        if(lv_obj_style_get_selector_part(entry->selector) != part) continue;
        lv_state_t needs = lv_obj_style_get_selector_state(entry->selector);
        if((needs & now) != needs || (int32_t)needs <= best) continue;
        if((entry->style->has_group & group_bit) == 0) continue;

        lv_style_value_t v;
        lv_style_res_t res = lv_style_get_prop(entry->style, prop, &v);
        if(res == LV_STYLE_RES_INHERIT) return LV_STYLE_RES_INHERIT;
        if(res != LV_STYLE_RES_FOUND) continue;
        *out = v;
        best = needs;
        /*Nothing further down can beat the object's exact state*/
        if(needs == now) break;
    }
    return best >= 0 ? LV_STYLE_RES_FOUND : LV_STYLE_RES_NOT_FOUND;
}

static bool touches(lv_style_prop_t prop, uint8_t flag)
{
    if(prop == LV_STYLE_PROP_ANY) return true;
    if(prop == LV_STYLE_PROP_INV) return false;
    return lv_style_prop_has_flag(prop, flag);
}

/*
 * Nothing sets the property. Width and height come from the class (the
 * nearest one in the chain with a default size). The pointer properties
 * without a font are NULL: lv_style_prop_get_default fills only the 32-bit
 * `num`, which would leave half of a 64-bit pointer undefined.
 */
static lv_style_value_t fallback_value(const lv_obj_t * obj, lv_part_t part, lv_style_prop_t prop)
{
    static const lv_style_prop_t pointer_props[] = {
        LV_STYLE_BG_GRAD, LV_STYLE_BG_IMG_SRC, LV_STYLE_ARC_IMG_SRC,
        LV_STYLE_COLOR_FILTER_DSC, LV_STYLE_ANIM, LV_STYLE_TRANSITION,
    };
    lv_style_value_t none = {.ptr = NULL};

    bool size_prop = prop == LV_STYLE_WIDTH || prop == LV_STYLE_HEIGHT;
    if(part == LV_PART_MAIN && size_prop) {
        for(const lv_obj_class_t * c = obj->class_p; c != NULL; c = c->base_class) {
            lv_coord_t def = prop == LV_STYLE_WIDTH ? c->width_def : c->height_def;
            if(def == 0) continue;
            none.num = def;
            break;
        }
        return none;
    }
    for(size_t i = 0; i < sizeof(pointer_props) / sizeof(pointer_props[0]); i++) {
        if(pointer_props[i] == prop) return none;
    }
    return lv_style_prop_get_default(prop);
}

/* An inherited property changed on an ancestor: descendants may look or measure differently. */
static lv_obj_tree_walk_res_t restyle_descendant(lv_obj_t * obj, void * root)
{
    if(obj == root) return LV_OBJ_TREE_WALK_NEXT;
    lv_obj_invalidate(obj);
    lv_event_send(obj, LV_EVENT_STYLE_CHANGED, NULL);
    lv_obj_invalidate(obj);
    return LV_OBJ_TREE_WALK_NEXT;
}

/* A shared style changed: every object using it (NULL: every object) refreshes fully. */
static lv_obj_tree_walk_res_t restyle_user(lv_obj_t * obj, void * style)
{
    for(uint32_t i = 0; i < obj->style_cnt; i++) {
        if(style != NULL && obj->styles[i].style != style) continue;
        lv_obj_refresh_style(obj, LV_PART_ANY, LV_STYLE_PROP_ANY);
        break;
    }
    return LV_OBJ_TREE_WALK_NEXT;
}

static void fade_step(void * obj, int32_t v)
{
    lv_obj_set_style_opa(obj, (lv_opa_t)v, LV_PART_MAIN);
}

/* Fully shown again: drop the local opacity so the styles decide once more. */
static void fade_in_over(lv_anim_t * a)
{
    lv_obj_remove_local_style_prop(a->var, LV_STYLE_OPA, LV_PART_MAIN);
}
