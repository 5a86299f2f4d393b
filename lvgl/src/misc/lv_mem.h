/**
 * @file lv_mem.h
 * The toolkit's memory pool (LV_MEM_SIZE bytes, allocated once) and the
 * temporary buffers the renderer borrows for one drawing call.
 */
#ifndef LV_MEM_H
#define LV_MEM_H

#ifdef __cplusplus
extern "C" {
#endif

/*********************
 *      INCLUDES
 *********************/
#include "../lv_conf_internal.h"

#include <stdint.h>
#include <stddef.h>
#include <string.h>

#include "lv_types.h"

/**********************
 *      TYPEDEFS
 **********************/

/* Pool usage, as lv_mem_monitor reports it (sizes in bytes). */
typedef struct {
    uint32_t total_size;
    uint32_t free_cnt;
    uint32_t free_size;
    uint32_t free_biggest_size;
    uint32_t used_cnt;
    uint32_t max_used;      /* high-water mark of used bytes */
    uint8_t used_pct;
    uint8_t frag_pct;       /* 100 - biggest free block / free bytes, in percent */
} lv_mem_monitor_t;

typedef struct {
    void * p;
    uint16_t size;
    uint8_t used : 1;
} lv_mem_buf_t;

typedef lv_mem_buf_t lv_mem_buf_arr_t[LV_MEM_BUF_MAX_NUM];

/**********************
 * GLOBAL PROTOTYPES
 **********************/

/** Set up the pool. lv_init calls it; calling it again is harmless. */
void lv_mem_init(void);

/** Drop every allocation and start the pool afresh. */
void lv_mem_deinit(void);

/**
 * Allocate from the pool.
 * @param size bytes; 0 gives a valid non-NULL pointer that must not be used
 * @return the memory (aligned to 8 bytes) or NULL when the pool is exhausted
 */
void * lv_mem_alloc(size_t size);

/** Give memory back to the pool; NULL is ignored. */
void lv_mem_free(void * data);

/**
 * Resize an allocation, keeping its content up to the smaller size.
 * @param data_p an allocation or NULL (then like lv_mem_alloc)
 * @param new_size 0 frees data_p and returns a zero-size allocation
 * @return the new pointer or NULL (data_p is then unchanged)
 */
void * lv_mem_realloc(void * data_p, size_t new_size);

/** @return LV_RES_OK when the pool's bookkeeping is consistent */
lv_res_t lv_mem_test(void);

/** Fill `mon_p` with the pool's usage. */
void lv_mem_monitor(lv_mem_monitor_t * mon_p);

/**
 * Borrow a temporary buffer of at least `size` bytes. Give it back with
 * lv_mem_buf_release before the drawing call returns.
 */
void * lv_mem_buf_get(uint32_t size);

/** Return a buffer of lv_mem_buf_get. */
void lv_mem_buf_release(void * p);

/** Free every temporary buffer (used ones included). */
void lv_mem_buf_free_all(void);

/**
 * @return a number that changes whenever the pool is set up afresh
 *         (lv_mem_deinit): modules caching pool memory compare it to know
 *         their cache is gone
 */
uint32_t _lv_mem_get_generation(void);

/**
 * Register what to call when an allocation does not fit: a cache that can
 * give memory back frees what it may, and the allocation is tried once more.
 * One callback; NULL removes it.
 */
void _lv_mem_set_reclaim_cb(void (*reclaim_cb)(void));

/** @return how many temporary buffers are currently borrowed */
uint32_t lv_mem_buf_get_used_cnt(void);

/* The C library copies and fills (LV_MEMCPY_MEMSET_STD); these keep the
 * toolkit's names for them. */
static inline void * lv_memcpy(void * dst, const void * src, size_t len)
{
    void * copied = memcpy(dst, src, len);
    return copied;
}

static inline void * lv_memcpy_small(void * dst, const void * src, uint32_t len)
{
    return lv_memcpy(dst, src, (size_t)len);
}

static inline void lv_memset(void * dst, uint8_t v, size_t len)
{
    (void)memset(dst, v, len);
}

static inline void lv_memset_00(void * dst, size_t len)
{
    lv_memset(dst, 0, len);
}

static inline void lv_memset_ff(void * dst, size_t len)
{
    lv_memset(dst, 0xFF, len);
}

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_MEM_H*/
