/**
 * @file lv_group.c
 * Focus groups. The members keep the order they were added in (the public
 * struct holds them in a linked list of `lv_obj_t *` entries, and the focus
 * as a pointer to an entry); every change of focus goes through
 * `switch_focus`, so the events come in one order: DEFOCUSED to the old
 * member, FOCUSED to the new one, then the group's focus callback.
 */

#include <stddef.h>

#include "lv_group.h"
#include "lv_obj.h"
#include "lv_indev.h"
#include "../misc/lv_mem.h"

static lv_obj_t ** entry_of(const lv_group_t * group, const lv_obj_t * obj);
static lv_obj_t ** next_candidate(const lv_group_t * group, bool forward, bool wrap);
static bool can_take_focus(lv_obj_t * obj);
static bool move_focus(lv_group_t * group, bool forward, bool wrap);
static bool switch_focus(lv_group_t * group, lv_obj_t ** target);
static void refocus(lv_group_t * group);
static void release_members(lv_group_t * group);
static lv_indev_t * group_indev(const lv_group_t * group);

/* Every group (lv_deinit deletes them) and the group new objects join */
static struct {
    lv_group_t ** all;
    uint32_t count;
    uint32_t capacity;
    lv_group_t * for_new_objects;
} registry;

void _lv_group_init(void)
{
    /* After lv_deinit the memory pool was reset, the old registry with it */
    lv_memset_00(&registry, sizeof(registry));
}

void _lv_group_deinit(void)
{
    while(registry.count > 0) lv_group_del(registry.all[registry.count - 1]);
}

lv_group_t * lv_group_create(void)
{
    if(registry.count == registry.capacity) {
        uint32_t capacity = registry.capacity ? registry.capacity * 2 : 4;
        lv_group_t ** grown = lv_mem_realloc(registry.all, capacity * sizeof(lv_group_t *));
        if(grown == NULL) return NULL;
        registry.all = grown;
        registry.capacity = capacity;
    }

    lv_group_t * created = lv_mem_alloc(sizeof(lv_group_t));
    if(created != NULL) {
        *created = (lv_group_t) {
            .refocus_policy = LV_GROUP_REFOCUS_POLICY_PREV,
            .wrap = 1,
        };
        _lv_ll_init(&created->obj_ll, sizeof(lv_obj_t *));
        registry.all[registry.count++] = created;
    }
    return created;
}

void lv_group_del(lv_group_t * group)
{
    release_members(group);

    for(lv_indev_t * indev = lv_indev_get_next(NULL); indev; indev = lv_indev_get_next(indev)) {
        if(indev->group == group) lv_indev_set_group(indev, NULL);
    }
    if(registry.for_new_objects == group) registry.for_new_objects = NULL;

    uint32_t kept = 0;
    for(uint32_t i = 0; i < registry.count; i++) {
        if(registry.all[i] != group) registry.all[kept++] = registry.all[i];
    }
    registry.count = kept;
    lv_mem_free(group);
}

void lv_group_set_default(lv_group_t * group)
{
    registry.for_new_objects = group;
}

lv_group_t * lv_group_get_default(void)
{
    return registry.for_new_objects;
}

void lv_group_add_obj(lv_group_t * group, lv_obj_t * obj)
{
    if(group == NULL) return;

    /* An object is in one group at most: it leaves the old one first */
    lv_group_remove_obj(obj);
    /* Only possible when the list and the object's group pointer disagree */
    if(entry_of(group, obj)) return;

    lv_obj_allocate_spec_attr(obj);
    if(obj->spec_attr == NULL) return;
    lv_obj_t ** entry = _lv_ll_ins_tail(&group->obj_ll);
    if(entry == NULL) return;
    *entry = obj;
    obj->spec_attr->group_p = group;

    /* The first member gets the focus at once */
    if(_lv_ll_get_head(&group->obj_ll) == entry) refocus(group);
}

/* The focus stays with its object, so the entry it points at swaps too;
 * no focus event is sent, since no object gained or lost the focus. */
void lv_group_swap_obj(lv_obj_t * obj1, lv_obj_t * obj2)
{
    lv_group_t * group = lv_obj_get_group(obj1);
    if(group == NULL || group != lv_obj_get_group(obj2) || obj1 == obj2) return;

    lv_obj_t ** entry1 = entry_of(group, obj1);
    lv_obj_t ** entry2 = entry_of(group, obj2);
    if(entry1 == NULL || entry2 == NULL) return;

    *entry1 = obj2;
    *entry2 = obj1;
    if(group->obj_focus == entry1) group->obj_focus = entry2;
    else if(group->obj_focus == entry2) group->obj_focus = entry1;
}

/* A focused member that leaves hands the focus on as the refocus policy
 * says. When nobody else can take it the group is left without focus and
 * the member hears DEFOCUSED all the same. */
void lv_group_remove_obj(lv_obj_t * obj)
{
    lv_group_t * group = lv_obj_get_group(obj);
    if(group == NULL) return;

    lv_obj_t ** entry = entry_of(group, obj);
    bool was_focused = entry != NULL && group->obj_focus == entry;
    if(was_focused) {
        group->frozen = 0;
        refocus(group);
    }
    bool still_focused = was_focused && group->obj_focus == entry;
    if(still_focused) group->obj_focus = NULL;

    if(entry) {
        _lv_ll_remove(&group->obj_ll, entry);
        lv_mem_free(entry);
    }
    obj->spec_attr->group_p = NULL;

    if(still_focused) lv_event_send(obj, LV_EVENT_DEFOCUSED, group_indev(group));
}

void lv_group_remove_all_objs(lv_group_t * group)
{
    release_members(group);
}

/* Focusing the focused object again sends it FOCUSED once more. */
void lv_group_focus_obj(lv_obj_t * obj)
{
    if(obj == NULL) return;
    lv_group_t * group = lv_obj_get_group(obj);
    if(group == NULL || group->frozen) return;

    /* A new focus starts in navigation mode */
    lv_group_set_editing(group, false);

    lv_obj_t ** entry = entry_of(group, obj);
    if(entry) switch_focus(group, entry);
}

void lv_group_focus_next(lv_group_t * group)
{
    bool moved = move_focus(group, true, group->wrap);
    if(!moved && group->edge_cb) group->edge_cb(group, true);
}

void lv_group_focus_prev(lv_group_t * group)
{
    bool moved = move_focus(group, false, group->wrap);
    if(!moved && group->edge_cb) group->edge_cb(group, false);
}

void lv_group_focus_freeze(lv_group_t * group, bool en)
{
    group->frozen = en ? 1 : 0;
}

lv_res_t lv_group_send_data(lv_group_t * group, uint32_t c)
{
    lv_obj_t * receiver = lv_group_get_focused(group);
    if(receiver == NULL || lv_obj_has_state(receiver, LV_STATE_DISABLED)) return LV_RES_OK;
    return lv_event_send(receiver, LV_EVENT_KEY, &c);
}

void lv_group_set_focus_cb(lv_group_t * group, lv_group_focus_cb_t focus_cb)
{
    group->focus_cb = focus_cb;
}

void lv_group_set_edge_cb(lv_group_t * group, lv_group_edge_cb_t edge_cb)
{
    group->edge_cb = edge_cb;
}

/* The focused member hears FOCUSED again so it can take on or drop the
 * edited look. */
void lv_group_set_editing(lv_group_t * group, bool edit)
{
    if(group == NULL || group->editing == (edit ? 1 : 0)) return;
    group->editing = edit ? 1 : 0;

    lv_obj_t * focused = lv_group_get_focused(group);
    if(focused == NULL) return;
    if(lv_event_send(focused, LV_EVENT_FOCUSED, group_indev(group)) == LV_RES_OK) lv_obj_invalidate(focused);
}

void lv_group_set_refocus_policy(lv_group_t * group, lv_group_refocus_policy_t policy)
{
    group->refocus_policy = policy == LV_GROUP_REFOCUS_POLICY_NEXT ? LV_GROUP_REFOCUS_POLICY_NEXT :
                            LV_GROUP_REFOCUS_POLICY_PREV;
}

void lv_group_set_wrap(lv_group_t * group, bool en)
{
    group->wrap = en ? 1 : 0;
}

lv_obj_t * lv_group_get_focused(const lv_group_t * group)
{
    return group && group->obj_focus ? *group->obj_focus : NULL;
}

lv_group_focus_cb_t lv_group_get_focus_cb(const lv_group_t * group)
{
    return group ? group->focus_cb : NULL;
}

lv_group_edge_cb_t lv_group_get_edge_cb(const lv_group_t * group)
{
    return group ? group->edge_cb : NULL;
}

bool lv_group_get_editing(const lv_group_t * group)
{
    return group != NULL && group->editing;
}

bool lv_group_get_wrap(lv_group_t * group)
{
    return group != NULL && group->wrap;
}

uint32_t lv_group_get_obj_count(lv_group_t * group)
{
    return _lv_ll_get_len(&group->obj_ll);
}

static lv_obj_t ** entry_of(const lv_group_t * group, const lv_obj_t * obj)
{
    for(lv_obj_t ** e = _lv_ll_get_head(&group->obj_ll); e; e = _lv_ll_get_next(&group->obj_ll, e)) {
        if(*e == obj) return e;
    }
    return NULL;
}

/* The entry one step from `from` in the walking direction; past the end,
 * the other end when wrapping. Without a `from` the walk begins at an end. */
static lv_obj_t ** neighbour(const lv_group_t * group, lv_obj_t ** from, bool forward, bool wrap)
{
    const lv_ll_t * list = &group->obj_ll;
    lv_obj_t ** n = NULL;
    if(from) n = forward ? _lv_ll_get_next(list, from) : _lv_ll_get_prev(list, from);
    if(n == NULL && (from == NULL || wrap)) n = forward ? _lv_ll_get_head(list) : _lv_ll_get_tail(list);
    return n;
}

/* The first member after the focused one that can take the focus; NULL
 * when the walk ends or comes back round to the focused one first. */
static lv_obj_t ** next_candidate(const lv_group_t * group, bool forward, bool wrap)
{
    lv_obj_t ** focus = group->obj_focus;
    lv_obj_t ** e = focus;
    uint32_t members = _lv_ll_get_len(&group->obj_ll);
    for(uint32_t tries = 0; tries < members; tries++) {
        e = neighbour(group, e, forward, wrap);
        if(e == NULL || e == focus) return NULL;
        if(can_take_focus(*e)) return e;
    }
    return NULL;
}

/* Disabled members, and members hidden themselves or inside a hidden
 * parent, are passed over. */
static bool can_take_focus(lv_obj_t * obj)
{
    if(lv_obj_has_state(obj, LV_STATE_DISABLED)) return false;
    for(lv_obj_t * o = obj; o != NULL; o = lv_obj_get_parent(o)) {
        if(lv_obj_has_flag(o, LV_OBJ_FLAG_HIDDEN)) return false;
    }
    return true;
}

static bool move_focus(lv_group_t * group, bool forward, bool wrap)
{
    if(group->frozen) return false;
    lv_obj_t ** target = next_candidate(group, forward, wrap);
    return target != NULL && switch_focus(group, target);
}

/* False when a handler deleted the old or the new member on the way. */
static bool switch_focus(lv_group_t * group, lv_obj_t ** target)
{
    lv_indev_t * indev = group_indev(group);
    lv_obj_t ** old = group->obj_focus;
    if(old != NULL && old != target) {
        lv_obj_t * leaving = *old;
        if(lv_event_send(leaving, LV_EVENT_DEFOCUSED, indev) != LV_RES_OK) return false;
        lv_obj_invalidate(leaving);
    }

    group->obj_focus = target;
    lv_obj_t * coming = *target;
    if(lv_event_send(coming, LV_EVENT_FOCUSED, indev) != LV_RES_OK) return false;
    lv_obj_invalidate(coming);
    if(group->focus_cb) group->focus_cb(group);
    return true;
}

/* The focused member is going away: move on as the policy says, going
 * round the ends, since the leaving member may be the last one that way.
 * No edge callback: the user did not ask to move. */
static void refocus(lv_group_t * group)
{
    move_focus(group, group->refocus_policy == LV_GROUP_REFOCUS_POLICY_NEXT, true);
}

/* Defocus the focused member and let go of all of them; the group stays. */
static void release_members(lv_group_t * group)
{
    lv_obj_t * had_focus = lv_group_get_focused(group);
    group->obj_focus = NULL;
    if(had_focus && lv_event_send(had_focus, LV_EVENT_DEFOCUSED, group_indev(group)) == LV_RES_OK) {
        lv_obj_invalidate(had_focus);
    }

    for(lv_obj_t ** e = _lv_ll_get_head(&group->obj_ll); e; e = _lv_ll_get_next(&group->obj_ll, e)) {
        if((*e)->spec_attr) (*e)->spec_attr->group_p = NULL;
    }
    _lv_ll_clear(&group->obj_ll);
}

/* The device named in focus events: a keypad driving the group is the best
 * match, then an encoder, then any device driving it; failing those the
 * first device there is (NULL when there is none). */
static lv_indev_t * group_indev(const lv_group_t * group)
{
    lv_indev_t * best = NULL;
    int best_rank = 0;
    for(lv_indev_t * indev = lv_indev_get_next(NULL); indev; indev = lv_indev_get_next(indev)) {
        if(indev->group != group) continue;
        lv_indev_type_t type = lv_indev_get_type(indev);
        int rank = type == LV_INDEV_TYPE_KEYPAD ? 3 : type == LV_INDEV_TYPE_ENCODER ? 2 : 1;
        if(rank > best_rank) {
            best = indev;
            best_rank = rank;
        }
    }
    return best ? best : lv_indev_get_next(NULL);
}
