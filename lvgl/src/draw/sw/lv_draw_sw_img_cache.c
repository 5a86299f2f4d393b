/**
 * @file lv_draw_sw_img_cache.c
 * Ready-drawn pictures of zoomed and rotated images.
 *
 * Resampling is the costly part of drawing a transformed image (four source
 * pixels weighed per target pixel), and a panel redraws the same pictures at
 * the same zoom frame after frame. So the result is kept: one block of the
 * memory pool per picture holding its colours, its opacities and a flag per
 * fully opaque row, within LV_IMG_TRANSFORM_CACHE_BYTES, least recently used
 * given up first. The pool calls back here when an allocation does not fit,
 * and every picture not being drawn right now is freed, so the cache never
 * costs the rest of the toolkit memory.
 *
 * A picture is found by the image's data pointer, size and format, the
 * transformation, the recolour and a fingerprint of 64 sampled words of the
 * data. An image whose pixels change in place needs
 * lv_img_cache_invalidate_src; the fingerprint only catches the common
 * mistake of drawing new content from an old buffer.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_draw_sw_img_cache.h"
#include "../lv_img_cache.h"
#include "../lv_img_decoder.h"
#include "../../misc/lv_mem.h"

/*********************
 *      DEFINES
 *********************/
#define PIC_SLOTS 8
#define FINGERPRINT_WORDS 64

/**********************
 *      TYPEDEFS
 **********************/
typedef struct {
    _lv_img_pic_key_t key;
    _lv_img_pic_t pic;
    void * block;           /* NULL: the slot is free */
    uint32_t bytes;
    uint32_t last_use;
    bool in_use;            /* handed out and not yet done with: not freed */
} pic_slot_t;

/**********************
 *  STATIC VARIABLES
 **********************/
static pic_slot_t slots[PIC_SLOTS];
static uint32_t held_bytes;
static uint32_t use_clock;
static uint32_t slots_generation;

/**********************
 *   STATIC FUNCTIONS
 **********************/

static void free_slot(pic_slot_t * s)
{
    if(s->block == NULL) return;
    lv_mem_free(s->block);
    held_bytes -= s->bytes;
    lv_memset_00(s, sizeof(*s));
}

/* The pool's reclaim callback: give back everything not being drawn. */
static void free_idle_slots(void)
{
    for(int i = 0; i < PIC_SLOTS; i++) {
        if(!slots[i].in_use) free_slot(&slots[i]);
    }
}

/* A reset pool took the blocks with it (lv_deinit): start empty, and hook
 * into the new pool's shortage handling. */
static void follow_pool(void)
{
    uint32_t gen = _lv_mem_get_generation();
    if(gen == slots_generation) return;
    lv_memset_00(slots, sizeof(slots));
    held_bytes = 0;
    slots_generation = gen;
    _lv_mem_set_reclaim_cb(free_idle_slots);
}

static bool same_key(const _lv_img_pic_key_t * a, const _lv_img_pic_key_t * b)
{
    return a->data == b->data && a->fingerprint == b->fingerprint && a->w == b->w && a->h == b->h &&
           a->cf == b->cf && a->angle == b->angle && a->zoom == b->zoom && a->pivot.x == b->pivot.x &&
           a->pivot.y == b->pivot.y && a->antialias == b->antialias && a->recolor == b->recolor &&
           a->recolor_opa == b->recolor_opa;
}

static pic_slot_t * least_recent_idle(void)
{
    pic_slot_t * pick = NULL;
    for(int i = 0; i < PIC_SLOTS; i++) {
        pic_slot_t * s = &slots[i];
        if(s->block == NULL || s->in_use) continue;
        if(pick == NULL || use_clock - s->last_use > use_clock - pick->last_use) pick = s;
    }
    return pick;
}

/* A free slot with `bytes` of budget to spare, evicting as needed; NULL
 * when the pictures in use leave no room. */
static pic_slot_t * make_room(uint32_t bytes)
{
    for(;;) {
        pic_slot_t * empty = NULL;
        for(int i = 0; i < PIC_SLOTS && empty == NULL; i++) {
            if(slots[i].block == NULL) empty = &slots[i];
        }
        if(empty != NULL && held_bytes + bytes <= LV_IMG_TRANSFORM_CACHE_BYTES) return empty;
        pic_slot_t * victim = least_recent_idle();
        if(victim == NULL) return NULL;
        free_slot(victim);
    }
}

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

const _lv_img_pic_t * _lv_img_pic_get(const _lv_img_pic_key_t * key, const lv_area_t * area,
                                      _lv_img_pic_render_cb_t render, void * user)
{
    if(LV_IMG_TRANSFORM_CACHE_BYTES == 0) return NULL;
    follow_pool();

    for(int i = 0; i < PIC_SLOTS; i++) {
        pic_slot_t * s = &slots[i];
        if(s->block == NULL || !same_key(&s->key, key) || !_lv_area_is_equal(&s->pic.area, area)) continue;
        s->last_use = ++use_clock;
        s->in_use = true;
        return &s->pic;
    }

    uint64_t px = (uint64_t)lv_area_get_width(area) * (uint64_t)lv_area_get_height(area);
    uint64_t bytes = px * (sizeof(lv_color_t) + 1) + (uint64_t)lv_area_get_height(area);
    if(bytes > LV_IMG_TRANSFORM_CACHE_BYTES) return NULL;
    pic_slot_t * s = make_room((uint32_t)bytes);
    if(s == NULL) return NULL;
    uint8_t * block = lv_mem_alloc((size_t)bytes);
    if(block == NULL) return NULL;

    s->block = block;
    s->bytes = (uint32_t)bytes;
    held_bytes += s->bytes;
    s->key = *key;
    s->pic.area = *area;
    s->pic.color = (lv_color_t *)block;     /*the pool aligns blocks to 8 bytes*/
    s->pic.alpha = block + px * sizeof(lv_color_t);
    s->pic.opaque_row = block + px * (sizeof(lv_color_t) + 1);
    s->last_use = ++use_clock;
    s->in_use = true;
    render(&s->pic, user);
    return &s->pic;
}

void _lv_img_pic_done(const _lv_img_pic_t * pic)
{
    for(int i = 0; i < PIC_SLOTS; i++) {
        if(&slots[i].pic == pic) slots[i].in_use = false;
    }
}

uint32_t _lv_img_pic_fingerprint(const uint8_t * data, uint32_t size)
{
    uint32_t h = 2166136261u;
    uint32_t words = size / 4;
    uint32_t stride = words > FINGERPRINT_WORDS ? words / FINGERPRINT_WORDS : 1;
    for(uint32_t w = 0; w < words; w += stride) {
        uint32_t v;
        lv_memcpy(&v, data + (size_t)w * 4, 4);
        h = (h ^ v) * 16777619u;
    }
    return h;
}

void lv_img_cache_invalidate_src(const void * src)
{
    follow_pool();
    const uint8_t * data = NULL;
    if(src != NULL) {
        if(lv_img_src_get_type(src) != LV_IMG_SRC_VARIABLE) return;
        data = ((const lv_img_dsc_t *)src)->data;
    }
    for(int i = 0; i < PIC_SLOTS; i++) {
        pic_slot_t * s = &slots[i];
        if(s->block == NULL || (data != NULL && s->key.data != data)) continue;
        if(s->in_use) s->key.data = NULL;   /*no longer found; freed when room is needed*/
        else free_slot(s);
    }
}
