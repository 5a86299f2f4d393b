/**
 * @file lv_ll.c
 * A node is one allocation: the caller's data first (callers free a node
 * through its data pointer, so the data must start the block), then the
 * links. Every insertion and move comes down to two primitives, `detach`
 * and `attach_between`.
 */

#include "lv_ll.h"
#include "lv_mem.h"

typedef struct {
    lv_ll_node_t * prev;
    lv_ll_node_t * next;
} links_t;

static links_t * links_of(const lv_ll_t * ll_p, const void * node);
static void * new_node_between(lv_ll_t * ll_p, lv_ll_node_t * before, lv_ll_node_t * after);
static void attach_between(lv_ll_t * ll_p, lv_ll_node_t * node, lv_ll_node_t * before, lv_ll_node_t * after);
static void detach(lv_ll_t * ll_p, lv_ll_node_t * node);

void _lv_ll_init(lv_ll_t * ll_p, uint32_t node_size)
{
    uint32_t align = (uint32_t)sizeof(void *);
    ll_p->n_size = (node_size + align - 1) / align * align;
    ll_p->head = NULL;
    ll_p->tail = NULL;
}

void * _lv_ll_ins_head(lv_ll_t * ll_p)
{
    return new_node_between(ll_p, NULL, ll_p->head);
}

void * _lv_ll_ins_prev(lv_ll_t * ll_p, void * n_act)
{
    if(ll_p == NULL || n_act == NULL) return NULL;
    return new_node_between(ll_p, links_of(ll_p, n_act)->prev, n_act);
}

void * _lv_ll_ins_tail(lv_ll_t * ll_p)
{
    return new_node_between(ll_p, ll_p->tail, NULL);
}

void _lv_ll_remove(lv_ll_t * ll_p, void * node_p)
{
    if(ll_p == NULL || node_p == NULL) return;
    detach(ll_p, node_p);
}

void _lv_ll_clear(lv_ll_t * ll_p)
{
    lv_ll_node_t * node = ll_p->head;
    while(node) {
        lv_ll_node_t * following = links_of(ll_p, node)->next;
        lv_mem_free(node);
        node = following;
    }
    ll_p->head = NULL;
    ll_p->tail = NULL;
}

void _lv_ll_chg_list(lv_ll_t * ll_ori_p, lv_ll_t * ll_new_p, void * node, bool head)
{
    detach(ll_ori_p, node);
    if(head) attach_between(ll_new_p, node, NULL, ll_new_p->head);
    else attach_between(ll_new_p, node, ll_new_p->tail, NULL);
}

void * _lv_ll_get_head(const lv_ll_t * ll_p)
{
    return ll_p ? ll_p->head : NULL;
}

void * _lv_ll_get_tail(const lv_ll_t * ll_p)
{
    return ll_p ? ll_p->tail : NULL;
}

void * _lv_ll_get_next(const lv_ll_t * ll_p, const void * n_act)
{
    return links_of(ll_p, n_act)->next;
}

void * _lv_ll_get_prev(const lv_ll_t * ll_p, const void * n_act)
{
    return links_of(ll_p, n_act)->prev;
}

uint32_t _lv_ll_get_len(const lv_ll_t * ll_p)
{
    uint32_t count = 0;
    for(const lv_ll_node_t * n = _lv_ll_get_head(ll_p); n; n = links_of(ll_p, n)->next) count++;
    return count;
}

void _lv_ll_move_before(lv_ll_t * ll_p, void * n_act, void * n_after)
{
    if(n_act == n_after) return;
    lv_ll_node_t * before = n_after ? links_of(ll_p, n_after)->prev : ll_p->tail;
    if(before == n_act) return;     /*already in place*/

    detach(ll_p, n_act);
    /* n_act was not next to n_after, so `before` is still its neighbour */
    attach_between(ll_p, n_act, before, n_after);
}

bool _lv_ll_is_empty(lv_ll_t * ll_p)
{
    return ll_p == NULL || ll_p->head == NULL;
}

static links_t * links_of(const lv_ll_t * ll_p, const void * node)
{
    return (links_t *)((uint8_t *)node + ll_p->n_size);
}

static void * new_node_between(lv_ll_t * ll_p, lv_ll_node_t * before, lv_ll_node_t * after)
{
    lv_ll_node_t * node = lv_mem_alloc(ll_p->n_size + sizeof(links_t));
    if(node) attach_between(ll_p, node, before, after);
    return node;
}

/* Link `node` in between two neighbours (NULL: the list's end on that side). */
static void attach_between(lv_ll_t * ll_p, lv_ll_node_t * node, lv_ll_node_t * before, lv_ll_node_t * after)
{
    links_t * own = links_of(ll_p, node);
    own->prev = before;
    own->next = after;

    if(before) links_of(ll_p, before)->next = node;
    else ll_p->head = node;

    if(after) links_of(ll_p, after)->prev = node;
    else ll_p->tail = node;
}

static void detach(lv_ll_t * ll_p, lv_ll_node_t * node)
{
    links_t * own = links_of(ll_p, node);

    if(own->prev) links_of(ll_p, own->prev)->next = own->next;
    else ll_p->head = own->next;

    if(own->next) links_of(ll_p, own->next)->prev = own->prev;
    else ll_p->tail = own->prev;

    own->prev = NULL;
    own->next = NULL;
}
