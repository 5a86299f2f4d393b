/**
 * @file lv_mem.c
 * The memory pool: one static block of LV_MEM_SIZE bytes managed with
 * boundary tags and segregated free lists.
 *
 * Every block starts with an 8-byte header holding its own size (bit 0: in
 * use) and the size of the block physically before it, so a freed block
 * merges with free neighbours in constant time. Free blocks are kept in one
 * list per power-of-two size class; an allocation takes the first fitting
 * block of the smallest class that can hold it and splits off the rest.
 * First fit over one big list lost: with thousands of small objects (labels,
 * styles) beside a few big buffers, the big request walked every small block.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_mem.h"
#include "lv_assert.h"
#include "lv_math.h"

/*********************
 *      DEFINES
 *********************/
#define MEM_ALIGN       8U
#define HDR_SIZE        8U
#define MIN_BLOCK       32U         /* header + two free-list pointers, aligned */
#define USED_BIT        1U
#define BIN_COUNT       32

/**********************
 *      TYPEDEFS
 **********************/
typedef struct mem_block_t {
    uint32_t size;          /* total size including the header; bit 0: used */
    uint32_t prev_size;     /* size of the physically previous block, 0 for the first */
    /* Only while free (they overlay the payload): */
    struct mem_block_t * next_free;
    struct mem_block_t * prev_free;
} mem_block_t;

/**********************
 *  STATIC PROTOTYPES
 **********************/
static void pool_init(void);
static uint32_t bin_of(uint32_t size);
static void free_list_insert(mem_block_t * b);
static void free_list_remove(mem_block_t * b);
static mem_block_t * block_next(mem_block_t * b);
static mem_block_t * block_prev(mem_block_t * b);
static void block_split(mem_block_t * b, uint32_t size);
static mem_block_t * block_find_free(uint32_t size);

/**********************
 *  STATIC VARIABLES
 **********************/
static uint64_t pool[LV_MEM_SIZE / sizeof(uint64_t)];
static mem_block_t * bins[BIN_COUNT];
static bool pool_ready;
static uint32_t pool_generation;
static uint32_t used_bytes;
static uint32_t max_used_bytes;
static uint32_t used_cnt;
static uint64_t zero_mem;   /* what lv_mem_alloc(0) returns */
static lv_mem_buf_arr_t mem_buf_arr;
static void (*reclaim)(void);   /* frees cached memory when the pool runs short */

#define POOL_START ((uint8_t *)pool)
#define POOL_END   ((uint8_t *)pool + sizeof(pool) - MIN_BLOCK)  /* the end sentinel: a whole block header fits */

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

void lv_mem_init(void)
{
    if(pool_ready) return;
    pool_init();
}

void lv_mem_deinit(void)
{
    lv_memset_00(mem_buf_arr, sizeof(mem_buf_arr));
    pool_init();
}

void * lv_mem_alloc(size_t size)
{
    if(!pool_ready) pool_init();
    if(size == 0) return &zero_mem;
    if(size > LV_MEM_SIZE) return NULL;

    uint32_t need = (uint32_t)((size + HDR_SIZE + MEM_ALIGN - 1) & ~(size_t)(MEM_ALIGN - 1));
    if(need < MIN_BLOCK) need = MIN_BLOCK;

    mem_block_t * b = block_find_free(need);
    if(b == NULL && reclaim != NULL) {
        reclaim();
        b = block_find_free(need);
    }
    if(b == NULL) return NULL;
    free_list_remove(b);
    block_split(b, need);
    b->size |= USED_BIT;

    used_bytes += b->size & ~USED_BIT;
    used_cnt++;
    if(used_bytes > max_used_bytes) max_used_bytes = used_bytes;
    return (uint8_t *)b + HDR_SIZE;
}

void lv_mem_free(void * data)
{
    if(data == NULL || data == &zero_mem) return;
    uint8_t * p = (uint8_t *)data;
    LV_ASSERT_MSG(p > POOL_START && p < POOL_END, "lv_mem_free of memory not from the pool");
    mem_block_t * b = (mem_block_t *)(p - HDR_SIZE);
    LV_ASSERT_MSG(b->size & USED_BIT, "lv_mem_free of a free block");

    b->size &= ~USED_BIT;
    used_bytes -= b->size;
    used_cnt--;

    mem_block_t * next = block_next(b);
    if(!(next->size & USED_BIT)) {
        free_list_remove(next);
        b->size += next->size;
        block_next(b)->prev_size = b->size;
    }
    mem_block_t * prev = block_prev(b);
    if(prev && !(prev->size & USED_BIT)) {
        free_list_remove(prev);
        prev->size += b->size;
        block_next(prev)->prev_size = prev->size;
        b = prev;
    }
    free_list_insert(b);
}

void * lv_mem_realloc(void * data_p, size_t new_size)
{
    if(data_p == NULL || data_p == &zero_mem) return lv_mem_alloc(new_size);
    if(new_size == 0) {
        lv_mem_free(data_p);
        return &zero_mem;
    }

    mem_block_t * b = (mem_block_t *)((uint8_t *)data_p - HDR_SIZE);
    size_t old_payload = (b->size & ~USED_BIT) - HDR_SIZE;
    if(new_size <= old_payload) return data_p;

    void * new_p = lv_mem_alloc(new_size);
    if(new_p == NULL) return NULL;
    lv_memcpy(new_p, data_p, old_payload);
    lv_mem_free(data_p);
    return new_p;
}

/* Walks the blocks physically and checks that sizes and back links agree. */
lv_res_t lv_mem_test(void)
{
    if(!pool_ready) return LV_RES_OK;
    uint32_t prev_size = 0;
    uint8_t * p = POOL_START;
    while(p < POOL_END) {
        mem_block_t * b = (mem_block_t *)p;
        uint32_t size = b->size & ~USED_BIT;
        if(size < MIN_BLOCK || (size % MEM_ALIGN) != 0 || b->prev_size != prev_size) return LV_RES_INV;
        prev_size = size;
        p += size;
    }
    return p == POOL_END ? LV_RES_OK : LV_RES_INV;
}

void lv_mem_monitor(lv_mem_monitor_t * mon_p)
{
    lv_memset_00(mon_p, sizeof(lv_mem_monitor_t));
    if(!pool_ready) pool_init();

    uint8_t * p = POOL_START;
    while(p < POOL_END) {
        mem_block_t * b = (mem_block_t *)p;
        uint32_t size = b->size & ~USED_BIT;
        if(!(b->size & USED_BIT)) {
            mon_p->free_cnt++;
            mon_p->free_size += size - HDR_SIZE;
            if(size - HDR_SIZE > mon_p->free_biggest_size) mon_p->free_biggest_size = size - HDR_SIZE;
        }
        p += size;
    }
    mon_p->total_size = LV_MEM_SIZE;
    mon_p->used_cnt = used_cnt;
    mon_p->max_used = max_used_bytes;
    mon_p->used_pct = (uint8_t)(100 - (100ULL * mon_p->free_size) / mon_p->total_size);
    if(mon_p->free_size > 0) {
        mon_p->frag_pct = (uint8_t)(100 - (100ULL * mon_p->free_biggest_size) / mon_p->free_size);
    }
}

/* Temporary buffers: a few allocations kept for reuse, since the renderer
 * asks for line buffers of similar sizes over and over. */
void * lv_mem_buf_get(uint32_t size)
{
    if(size == 0) return NULL;

    int best = -1;
    for(int i = 0; i < LV_MEM_BUF_MAX_NUM; i++) {
        if(mem_buf_arr[i].used || mem_buf_arr[i].p == NULL) continue;
        if(mem_buf_arr[i].size >= size && (best < 0 || mem_buf_arr[i].size < mem_buf_arr[best].size)) best = i;
    }
    if(best >= 0) {
        mem_buf_arr[best].used = 1;
        return mem_buf_arr[best].p;
    }

    /*Grow an unused buffer or take an empty slot*/
    for(int i = 0; i < LV_MEM_BUF_MAX_NUM; i++) {
        if(mem_buf_arr[i].used) continue;
        void * p = lv_mem_realloc(mem_buf_arr[i].p, size);
        if(p == NULL) return NULL;
        mem_buf_arr[i].p = p;
        mem_buf_arr[i].size = (uint16_t)LV_MIN(size, 0xFFFFU);
        mem_buf_arr[i].used = 1;
        if(size > 0xFFFFU) {
            /*Too large to keep track of for reuse: the slot holds it only while borrowed*/
            mem_buf_arr[i].size = 0;
        }
        return p;
    }
    LV_ASSERT_MSG(false, "No free temporary buffer slot; increase LV_MEM_BUF_MAX_NUM");
    return NULL;
}

void lv_mem_buf_release(void * p)
{
    for(int i = 0; i < LV_MEM_BUF_MAX_NUM; i++) {
        if(mem_buf_arr[i].p == p) {
            mem_buf_arr[i].used = 0;
            if(mem_buf_arr[i].size == 0) {
                lv_mem_free(p);
                mem_buf_arr[i].p = NULL;
            }
            return;
        }
    }
}

void lv_mem_buf_free_all(void)
{
    for(int i = 0; i < LV_MEM_BUF_MAX_NUM; i++) {
        if(mem_buf_arr[i].p) lv_mem_free(mem_buf_arr[i].p);
        mem_buf_arr[i].p = NULL;
        mem_buf_arr[i].size = 0;
        mem_buf_arr[i].used = 0;
    }
}

uint32_t _lv_mem_get_generation(void)
{
    return pool_generation;
}

void _lv_mem_set_reclaim_cb(void (*reclaim_cb)(void))
{
    reclaim = reclaim_cb;
}

uint32_t lv_mem_buf_get_used_cnt(void)
{
    uint32_t cnt = 0;
    for(int i = 0; i < LV_MEM_BUF_MAX_NUM; i++) {
        if(mem_buf_arr[i].used) cnt++;
    }
    return cnt;
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

static void pool_init(void)
{
    lv_memset_00(bins, sizeof(bins));
    mem_block_t * first = (mem_block_t *)POOL_START;
    first->size = (uint32_t)(POOL_END - POOL_START);
    first->prev_size = 0;
    /*The end sentinel: a used block of size 0 that never merges*/
    mem_block_t * end = (mem_block_t *)POOL_END;
    end->size = USED_BIT;
    end->prev_size = first->size;
    free_list_insert(first);
    used_bytes = 0;
    max_used_bytes = 0;
    used_cnt = 0;
    pool_generation++;
    pool_ready = true;
}

static uint32_t bin_of(uint32_t size)
{
    uint32_t bin = 0;
    while(size > 1 && bin < BIN_COUNT - 1) {
        size >>= 1;
        bin++;
    }
    return bin;
}

static void free_list_insert(mem_block_t * b)
{
    uint32_t bin = bin_of(b->size);
    b->prev_free = NULL;
    b->next_free = bins[bin];
    if(bins[bin]) bins[bin]->prev_free = b;
    bins[bin] = b;
}

static void free_list_remove(mem_block_t * b)
{
    uint32_t bin = bin_of(b->size);
    if(b->prev_free) b->prev_free->next_free = b->next_free;
    else bins[bin] = b->next_free;
    if(b->next_free) b->next_free->prev_free = b->prev_free;
}

static mem_block_t * block_next(mem_block_t * b)
{
    return (mem_block_t *)((uint8_t *)b + (b->size & ~USED_BIT));
}

static mem_block_t * block_prev(mem_block_t * b)
{
    if(b->prev_size == 0) return NULL;
    return (mem_block_t *)((uint8_t *)b - b->prev_size);
}

/* Cut a free (unlisted) block down to `size`, listing the rest as a new free block. */
static void block_split(mem_block_t * b, uint32_t size)
{
    uint32_t rest = b->size - size;
    if(rest < MIN_BLOCK) return;
    b->size = size;
    mem_block_t * r = block_next(b);
    r->size = rest;
    r->prev_size = size;
    block_next(r)->prev_size = rest;
    free_list_insert(r);
}

static mem_block_t * block_find_free(uint32_t size)
{
    for(uint32_t bin = bin_of(size); bin < BIN_COUNT; bin++) {
        for(mem_block_t * b = bins[bin]; b; b = b->next_free) {
            if(b->size >= size) return b;
        }
    }
    return NULL;
}
