/**
 * @file lv_ll.h
 * Doubly linked lists whose nodes the list allocates: each node is the
 * caller's data, n_size bytes, with the links stored behind it. Node
 * pointers are pointers to that data and are freed with lv_mem_free once
 * removed.
 */
#ifndef LV_LL_H
#define LV_LL_H

#ifdef __cplusplus
extern "C" {
#endif

#include "../lv_conf_internal.h"
#include <stdint.h>
#include <stddef.h>
#include <stdbool.h>

typedef uint8_t lv_ll_node_t;

typedef struct {
    uint32_t n_size;        /**< bytes of data per node, rounded up so the links behind it are aligned*/
    lv_ll_node_t * head;
    lv_ll_node_t * tail;
} lv_ll_t;

/** Start an empty list of nodes holding `node_size` bytes each.*/
void _lv_ll_init(lv_ll_t * ll_p, uint32_t node_size);

/** @return a new node at the head, or NULL when out of memory (as for every insertion)*/
void * _lv_ll_ins_head(lv_ll_t * ll_p);

/** @return a new node just before `n_act`, or NULL*/
void * _lv_ll_ins_prev(lv_ll_t * ll_p, void * n_act);

/** @return a new node at the tail, or NULL*/
void * _lv_ll_ins_tail(lv_ll_t * ll_p);

/** Take a node out of the list without freeing it.*/
void _lv_ll_remove(lv_ll_t * ll_p, void * node_p);

/** Remove and free every node.*/
void _lv_ll_clear(lv_ll_t * ll_p);

/**
 * Move a node into another list with the same node size.
 * @param head  true: it becomes the new list's head; false: its tail
 */
void _lv_ll_chg_list(lv_ll_t * ll_ori_p, lv_ll_t * ll_new_p, void * node, bool head);

void * _lv_ll_get_head(const lv_ll_t * ll_p);
void * _lv_ll_get_tail(const lv_ll_t * ll_p);
void * _lv_ll_get_next(const lv_ll_t * ll_p, const void * n_act);
void * _lv_ll_get_prev(const lv_ll_t * ll_p, const void * n_act);
uint32_t _lv_ll_get_len(const lv_ll_t * ll_p);

/** Put `n_act` right before `n_after`, or at the tail when `n_after` is NULL.*/
void _lv_ll_move_before(lv_ll_t * ll_p, void * n_act, void * n_after);

bool _lv_ll_is_empty(lv_ll_t * ll_p);

#define _LV_LL_READ(list, i) for(i = _lv_ll_get_head(list); i != NULL; i = _lv_ll_get_next(list, i))

#define _LV_LL_READ_BACK(list, i) for(i = _lv_ll_get_tail(list); i != NULL; i = _lv_ll_get_prev(list, i))

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_LL_H*/
