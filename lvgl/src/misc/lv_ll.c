/**
 * @file lv_ll.c
 * Each node is one allocation: the user's data (n_size bytes, rounded up so
 * the links are aligned) followed by the previous and next node pointers.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_ll.h"
#include "lv_mem.h"

/*********************
 *      DEFINES
 *********************/
#define LL_NODE_META_SIZE (sizeof(lv_ll_node_t *) + sizeof(lv_ll_node_t *))
#define LL_PREV_P_OFFSET(ll_p) (ll_p->n_size)
#define LL_NEXT_P_OFFSET(ll_p) (ll_p->n_size + sizeof(lv_ll_node_t *))

/**********************
 *  STATIC PROTOTYPES
 **********************/
static void node_set_prev(const lv_ll_t * ll_p, lv_ll_node_t * act, lv_ll_node_t * prev);
static void node_set_next(const lv_ll_t * ll_p, lv_ll_node_t * act, lv_ll_node_t * next);

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

void _lv_ll_init(lv_ll_t * ll_p, uint32_t node_size)
{
    ll_p->head = NULL;
    ll_p->tail = NULL;
    /*Round up so the link pointers after the data are aligned*/
    node_size = (node_size + 7U) & ~7U;
    ll_p->n_size = node_size;
}

void * _lv_ll_ins_head(lv_ll_t * ll_p)
{
    lv_ll_node_t * n_new = lv_mem_alloc(ll_p->n_size + LL_NODE_META_SIZE);
    if(n_new == NULL) return NULL;

    node_set_prev(ll_p, n_new, NULL);
    node_set_next(ll_p, n_new, ll_p->head);
    if(ll_p->head != NULL) node_set_prev(ll_p, ll_p->head, n_new);
    ll_p->head = n_new;
    if(ll_p->tail == NULL) ll_p->tail = n_new;
    return n_new;
}

void * _lv_ll_ins_prev(lv_ll_t * ll_p, void * n_act)
{
    if(NULL == ll_p || NULL == n_act) return NULL;
    if(_lv_ll_get_head(ll_p) == n_act) return _lv_ll_ins_head(ll_p);

    lv_ll_node_t * n_new = lv_mem_alloc(ll_p->n_size + LL_NODE_META_SIZE);
    if(n_new == NULL) return NULL;

    lv_ll_node_t * n_prev = _lv_ll_get_prev(ll_p, n_act);
    node_set_next(ll_p, n_prev, n_new);
    node_set_prev(ll_p, n_new, n_prev);
    node_set_prev(ll_p, n_act, n_new);
    node_set_next(ll_p, n_new, n_act);
    return n_new;
}

void * _lv_ll_ins_tail(lv_ll_t * ll_p)
{
    lv_ll_node_t * n_new = lv_mem_alloc(ll_p->n_size + LL_NODE_META_SIZE);
    if(n_new == NULL) return NULL;

    node_set_next(ll_p, n_new, NULL);
    node_set_prev(ll_p, n_new, ll_p->tail);
    if(ll_p->tail != NULL) node_set_next(ll_p, ll_p->tail, n_new);
    ll_p->tail = n_new;
    if(ll_p->head == NULL) ll_p->head = n_new;
    return n_new;
}

void _lv_ll_remove(lv_ll_t * ll_p, void * node_p)
{
    if(ll_p == NULL || node_p == NULL) return;

    lv_ll_node_t * n_prev = _lv_ll_get_prev(ll_p, node_p);
    lv_ll_node_t * n_next = _lv_ll_get_next(ll_p, node_p);

    if(n_prev) node_set_next(ll_p, n_prev, n_next);
    else ll_p->head = n_next;
    if(n_next) node_set_prev(ll_p, n_next, n_prev);
    else ll_p->tail = n_prev;
}

void _lv_ll_clear(lv_ll_t * ll_p)
{
    void * i = _lv_ll_get_head(ll_p);
    while(i != NULL) {
        void * i_next = _lv_ll_get_next(ll_p, i);
        _lv_ll_remove(ll_p, i);
        lv_mem_free(i);
        i = i_next;
    }
}

void _lv_ll_chg_list(lv_ll_t * ll_ori_p, lv_ll_t * ll_new_p, void * node, bool head)
{
    _lv_ll_remove(ll_ori_p, node);

    if(head) {
        node_set_prev(ll_new_p, node, NULL);
        node_set_next(ll_new_p, node, ll_new_p->head);
        if(ll_new_p->head != NULL) node_set_prev(ll_new_p, ll_new_p->head, node);
        ll_new_p->head = node;
        if(ll_new_p->tail == NULL) ll_new_p->tail = node;
    }
    else {
        node_set_prev(ll_new_p, node, ll_new_p->tail);
        node_set_next(ll_new_p, node, NULL);
        if(ll_new_p->tail != NULL) node_set_next(ll_new_p, ll_new_p->tail, node);
        ll_new_p->tail = node;
        if(ll_new_p->head == NULL) ll_new_p->head = node;
    }
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
    const lv_ll_node_t * n = n_act;
    return *((lv_ll_node_t * const *)(n + LL_NEXT_P_OFFSET(ll_p)));
}

void * _lv_ll_get_prev(const lv_ll_t * ll_p, const void * n_act)
{
    const lv_ll_node_t * n = n_act;
    return *((lv_ll_node_t * const *)(n + LL_PREV_P_OFFSET(ll_p)));
}

uint32_t _lv_ll_get_len(const lv_ll_t * ll_p)
{
    uint32_t len = 0;
    void * node;
    for(node = _lv_ll_get_head(ll_p); node != NULL; node = _lv_ll_get_next(ll_p, node)) len++;
    return len;
}

void _lv_ll_move_before(lv_ll_t * ll_p, void * n_act, void * n_after)
{
    if(n_act == n_after) return;

    void * n_before;
    if(n_after != NULL) n_before = _lv_ll_get_prev(ll_p, n_after);
    else n_before = _lv_ll_get_tail(ll_p);
    if(n_act == n_before) return;   /*Already before `n_after`*/

    _lv_ll_remove(ll_p, n_act);

    node_set_next(ll_p, n_before, n_act);
    node_set_prev(ll_p, n_act, n_before);
    node_set_prev(ll_p, n_after, n_act);
    node_set_next(ll_p, n_act, n_after);

    if(n_after == NULL) ll_p->tail = n_act;
    if(n_before == NULL) ll_p->head = n_act;
}

bool _lv_ll_is_empty(lv_ll_t * ll_p)
{
    return ll_p == NULL || (ll_p->head == NULL && ll_p->tail == NULL);
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

/* A NULL node is ignored, which keeps the insert paths free of special cases. */
static void node_set_prev(const lv_ll_t * ll_p, lv_ll_node_t * act, lv_ll_node_t * prev)
{
    if(act == NULL) return;
    *((lv_ll_node_t **)(act + LL_PREV_P_OFFSET(ll_p))) = prev;
}

static void node_set_next(const lv_ll_t * ll_p, lv_ll_node_t * act, lv_ll_node_t * next)
{
    if(act == NULL) return;
    *((lv_ll_node_t **)(act + LL_NEXT_P_OFFSET(ll_p))) = next;
}
