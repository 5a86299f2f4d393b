/**
 * @file lv_ll.h
 * Doubly linked lists whose nodes are allocated by the list and hold the
 * user's data directly (node = data + two link pointers behind it).
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

/* Nodes are handled as byte pointers. */
typedef uint8_t lv_ll_node_t;

/* A list; n_size is the data size of its nodes. */
typedef struct {
    uint32_t n_size;
    lv_ll_node_t * head;
    lv_ll_node_t * tail;
} lv_ll_t;

/** Initialise a list whose nodes hold `node_size` bytes of data. */
void _lv_ll_init(lv_ll_t * ll_p, uint32_t node_size);

/** Add a node at the head. @return the new node's data or NULL when out of memory */
void * _lv_ll_ins_head(lv_ll_t * ll_p);

/** Insert a node before `n_act`. @return the new node's data or NULL */
void * _lv_ll_ins_prev(lv_ll_t * ll_p, void * n_act);

/** Add a node at the tail. @return the new node's data or NULL */
void * _lv_ll_ins_tail(lv_ll_t * ll_p);

/** Unlink a node without freeing it (free it with lv_mem_free). */
void _lv_ll_remove(lv_ll_t * ll_p, void * node_p);

/** Remove and free every node. */
void _lv_ll_clear(lv_ll_t * ll_p);

/**
 * Move a node to another list of the same node size.
 * @param head true: to the head of the new list; false: to its tail
 */
void _lv_ll_chg_list(lv_ll_t * ll_ori_p, lv_ll_t * ll_new_p, void * node, bool head);

void * _lv_ll_get_head(const lv_ll_t * ll_p);
void * _lv_ll_get_tail(const lv_ll_t * ll_p);
void * _lv_ll_get_next(const lv_ll_t * ll_p, const void * n_act);
void * _lv_ll_get_prev(const lv_ll_t * ll_p, const void * n_act);
uint32_t _lv_ll_get_len(const lv_ll_t * ll_p);

/** Move `n_act` before `n_after` (NULL: to the tail). */
void _lv_ll_move_before(lv_ll_t * ll_p, void * n_act, void * n_after);

bool _lv_ll_is_empty(lv_ll_t * ll_p);

#define _LV_LL_READ(list, i) for(i = _lv_ll_get_head(list); i != NULL; i = _lv_ll_get_next(list, i))

#define _LV_LL_READ_BACK(list, i) for(i = _lv_ll_get_tail(list); i != NULL; i = _lv_ll_get_prev(list, i))

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_LL_H*/
