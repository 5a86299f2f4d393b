/**
 * @file lv_font_fmt_txt.c
 * Glyph lookup, kerning and bitmap decompression for converter fonts.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_font_fmt_txt.h"
#include "../misc/lv_assert.h"
#include "../misc/lv_mem.h"
#include "../misc/lv_utils.h"

/*********************
 *      DEFINES
 *********************/
#define RLE_ONES_BEFORE_COUNTER 10   /* ones that each repeat the pixel before a 6-bit counter follows */
#define RLE_COUNTER_BITS 6

/**********************
 *      TYPEDEFS
 **********************/
typedef struct {
    const uint8_t * in;
    uint32_t bit_pos;
} bit_reader_t;

/**********************
 *  STATIC PROTOTYPES
 **********************/
static uint32_t get_glyph_dsc_id(const lv_font_t * font, uint32_t letter);
static uint32_t cmap_lookup(const lv_font_fmt_txt_cmap_t * cmap, uint32_t letter);
static int8_t get_kern_value(const lv_font_t * font, uint32_t gid_left, uint32_t gid_right);
static int8_t get_kern_pair_value(const lv_font_fmt_txt_kern_pair_t * kdsc, uint32_t gid_left, uint32_t gid_right);
static int32_t unicode_list_compare(const void * ref, const void * element);
static uint32_t bits_read(bit_reader_t * r, uint8_t len);
static void bits_write(uint8_t * out, uint32_t bit_pos, uint8_t val, uint8_t len);
static void decompress(const uint8_t * in, uint8_t * out, uint32_t w, uint32_t h, uint8_t bpp, bool prefilter);
static void rle_decode(bit_reader_t * r, uint8_t * px, uint32_t n, uint8_t bpp);

/**********************
 *  STATIC VARIABLES
 **********************/
static uint8_t * decompr_buf;
static uint32_t decompr_buf_size;
static uint32_t decompr_buf_generation;    /* the pool generation decompr_buf belongs to */

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

const uint8_t * lv_font_get_bitmap_fmt_txt(const lv_font_t * font, uint32_t unicode_letter)
{
    if(unicode_letter == '\t') unicode_letter = ' ';

    const lv_font_fmt_txt_dsc_t * fdsc = (const lv_font_fmt_txt_dsc_t *)font->dsc;
    uint32_t gid = get_glyph_dsc_id(font, unicode_letter);
    if(!gid) return NULL;

    const lv_font_fmt_txt_glyph_dsc_t * gdsc = &fdsc->glyph_dsc[gid];
    if(fdsc->bitmap_format == LV_FONT_FMT_TXT_PLAIN) {
        return &fdsc->glyph_bitmap[gdsc->bitmap_index];
    }

#if LV_USE_FONT_COMPRESSED
    uint32_t gsize = (uint32_t)gdsc->box_w * gdsc->box_h;
    if(gsize == 0) return NULL;
    uint32_t buf_size = (gsize * fdsc->bpp + 7) / 8;
    if(decompr_buf_generation != _lv_mem_get_generation()) {
        /*The pool was reset (lv_deinit): the old buffer is gone with it*/
        decompr_buf = NULL;
        decompr_buf_size = 0;
        decompr_buf_generation = _lv_mem_get_generation();
    }
    if(buf_size > decompr_buf_size) {
        uint8_t * tmp = lv_mem_realloc(decompr_buf, buf_size);
        LV_ASSERT_MALLOC(tmp);
        if(tmp == NULL) return NULL;
        decompr_buf = tmp;
        decompr_buf_size = buf_size;
    }
    bool prefilter = fdsc->bitmap_format == LV_FONT_FMT_TXT_COMPRESSED;
    decompress(&fdsc->glyph_bitmap[gdsc->bitmap_index], decompr_buf, gdsc->box_w, gdsc->box_h,
               (uint8_t)fdsc->bpp, prefilter);
    return decompr_buf;
#else
    return NULL;
#endif
}

/* A tab is drawn as a double-width space. The advance is the glyph's (in
 * 1/16 px) plus the kerning against the next letter, rounded to pixels. */
bool lv_font_get_glyph_dsc_fmt_txt(const lv_font_t * font, lv_font_glyph_dsc_t * dsc_out, uint32_t unicode_letter,
                                   uint32_t unicode_letter_next)
{
    bool is_tab = false;
    if(unicode_letter == '\t') {
        unicode_letter = ' ';
        is_tab = true;
    }
    const lv_font_fmt_txt_dsc_t * fdsc = (const lv_font_fmt_txt_dsc_t *)font->dsc;
    uint32_t gid = get_glyph_dsc_id(font, unicode_letter);
    if(!gid) return false;

    int32_t kvalue = 0;
    if(fdsc->kern_dsc && unicode_letter_next != 0) {
        uint32_t gid_next = get_glyph_dsc_id(font, unicode_letter_next);
        if(gid_next) kvalue = get_kern_value(font, gid, gid_next);
    }

    /*Put together a glyph dsc*/
    const lv_font_fmt_txt_glyph_dsc_t * gdsc = &fdsc->glyph_dsc[gid];
    int32_t kv = (kvalue * (int32_t)fdsc->kern_scale) >> 4;
    int32_t adv_w = (int32_t)gdsc->adv_w;
    if(is_tab) adv_w *= 2;
    adv_w += kv;
    adv_w = (adv_w + (1 << 3)) >> 4;
    if(adv_w < 0) adv_w = 0;

    dsc_out->adv_w = (uint16_t)adv_w;
    dsc_out->box_h = gdsc->box_h;
    dsc_out->box_w = (uint16_t)(is_tab ? gdsc->box_w * 2 : gdsc->box_w);
    dsc_out->ofs_x = gdsc->ofs_x;
    dsc_out->ofs_y = gdsc->ofs_y;
    dsc_out->bpp = (uint8_t)fdsc->bpp;
    dsc_out->is_placeholder = false;
    if(is_tab) dsc_out->box_w = 0; /*Nothing to draw: a tab's bitmap is a space*/
    return true;
}

void _lv_font_clean_up_fmt_txt(void)
{
    if(decompr_buf && decompr_buf_generation == _lv_mem_get_generation()) {
        lv_mem_free(decompr_buf);
    }
    decompr_buf = NULL;
    decompr_buf_size = 0;
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

static uint32_t get_glyph_dsc_id(const lv_font_t * font, uint32_t letter)
{
    if(letter == '\0') return 0;

    const lv_font_fmt_txt_dsc_t * fdsc = (const lv_font_fmt_txt_dsc_t *)font->dsc;
    if(fdsc->cache && letter == fdsc->cache->last_letter) return fdsc->cache->last_glyph_id;

    uint32_t glyph_id = 0;
    for(uint16_t i = 0; i < fdsc->cmap_num; i++) {
        glyph_id = cmap_lookup(&fdsc->cmaps[i], letter);
        if(glyph_id) break;
    }

    if(fdsc->cache) {
        fdsc->cache->last_letter = letter;
        fdsc->cache->last_glyph_id = glyph_id;
    }
    return glyph_id;
}

/* @return the glyph id of `letter` in one character map, 0 if absent */
static uint32_t cmap_lookup(const lv_font_fmt_txt_cmap_t * cmap, uint32_t letter)
{
    uint32_t rcp = letter - cmap->range_start;   /*Wraps for letters below the range*/
    if(rcp >= cmap->range_length) return 0;

    switch(cmap->type) {
        case LV_FONT_FMT_TXT_CMAP_FORMAT0_TINY:
            return cmap->glyph_id_start + rcp;
        case LV_FONT_FMT_TXT_CMAP_FORMAT0_FULL: {
                const uint8_t * gid_ofs_8 = cmap->glyph_id_ofs_list;
                return cmap->glyph_id_start + gid_ofs_8[rcp];
            }
        case LV_FONT_FMT_TXT_CMAP_SPARSE_TINY:
        case LV_FONT_FMT_TXT_CMAP_SPARSE_FULL: {
                uint16_t key = (uint16_t)rcp;
                const uint16_t * p = _lv_utils_bsearch(&key, cmap->unicode_list, cmap->list_length,
                                                       sizeof(cmap->unicode_list[0]), unicode_list_compare);
                if(p == NULL) return 0;
                uintptr_t ofs = (uintptr_t)(p - cmap->unicode_list);
                if(cmap->type == LV_FONT_FMT_TXT_CMAP_SPARSE_TINY) return cmap->glyph_id_start + (uint32_t)ofs;
                const uint16_t * gid_ofs_16 = cmap->glyph_id_ofs_list;
                return cmap->glyph_id_start + gid_ofs_16[ofs];
            }
        default:
            return 0;
    }
}

static int8_t get_kern_value(const lv_font_t * font, uint32_t gid_left, uint32_t gid_right)
{
    const lv_font_fmt_txt_dsc_t * fdsc = (const lv_font_fmt_txt_dsc_t *)font->dsc;

    if(fdsc->kern_classes == 0) {
        return get_kern_pair_value((const lv_font_fmt_txt_kern_pair_t *)fdsc->kern_dsc, gid_left, gid_right);
    }

    /*Class 0 means "no kerning"; the value table has no row or column for it*/
    const lv_font_fmt_txt_kern_classes_t * kdsc = fdsc->kern_dsc;
    uint8_t left_class = kdsc->left_class_mapping[gid_left];
    uint8_t right_class = kdsc->right_class_mapping[gid_right];
    if(left_class == 0 || right_class == 0) return 0;
    return kdsc->class_pair_values[(left_class - 1) * kdsc->right_class_cnt + (right_class - 1)];
}

/* Pairs are sorted by (left, right), so a binary search over the packed key finds one. */
static int8_t get_kern_pair_value(const lv_font_fmt_txt_kern_pair_t * kdsc, uint32_t gid_left, uint32_t gid_right)
{
    uint32_t lo = 0;
    uint32_t hi = kdsc->pair_cnt;
    uint32_t key = (gid_left << 16) | gid_right;
    while(lo < hi) {
        uint32_t mid = (lo + hi) / 2;
        uint32_t l, r;
        if(kdsc->glyph_ids_size == 0) {
            const uint8_t * ids = kdsc->glyph_ids;
            l = ids[mid * 2];
            r = ids[mid * 2 + 1];
        }
        else {
            const uint16_t * ids = kdsc->glyph_ids;
            l = ids[mid * 2];
            r = ids[mid * 2 + 1];
        }
        uint32_t mid_key = (l << 16) | r;
        if(mid_key == key) return kdsc->values[mid];
        if(mid_key < key) lo = mid + 1;
        else hi = mid;
    }
    return 0;
}

static int32_t unicode_list_compare(const void * ref, const void * element)
{
    return (int32_t)(*(const uint16_t *)ref) - (int32_t)(*(const uint16_t *)element);
}

/* Bits are stored most significant first, continuing across bytes. */
static uint32_t bits_read(bit_reader_t * r, uint8_t len)
{
    uint32_t v = 0;
    for(uint8_t k = 0; k < len; k++) {
        uint32_t byte = r->bit_pos >> 3;
        uint32_t bit = 7 - (r->bit_pos & 7);
        v = (v << 1) | ((r->in[byte] >> bit) & 1u);
        r->bit_pos++;
    }
    return v;
}

static void bits_write(uint8_t * out, uint32_t bit_pos, uint8_t val, uint8_t len)
{
    for(int k = len - 1; k >= 0; k--) {
        uint32_t byte = bit_pos >> 3;
        uint32_t bit = 7 - (bit_pos & 7);
        if((val >> k) & 1u) out[byte] |= (uint8_t)(1u << bit);
        else out[byte] &= (uint8_t)~(1u << bit);
        bit_pos++;
    }
}

/* Undo the converter's compression: RLE over the whole glyph, then (with the
 * prefilter) each row XOR-ed with the row above it. The result has the
 * layout of an uncompressed glyph: `bpp` bits a pixel, rows not padded. */
static void decompress(const uint8_t * in, uint8_t * out, uint32_t w, uint32_t h, uint8_t bpp, bool prefilter)
{
    uint32_t n = w * h;
    uint8_t * px = lv_mem_buf_get(n);
    if(px == NULL) return;

    bit_reader_t r = {in, 0};
    rle_decode(&r, px, n, bpp);

    if(prefilter) {
        for(uint32_t i = w; i < n; i++) px[i] ^= px[i - w];
    }
    for(uint32_t i = 0; i < n; i++) bits_write(out, i * bpp, px[i], bpp);
    lv_mem_buf_release(px);
}

/* The converter's RLE: a pixel value equal to the previous one starts a run;
 * each following 1 bit repeats the value once more and a 0 bit ends the run.
 * After RLE_ONES_BEFORE_COUNTER ones, one more 1 bit announces a 6-bit count
 * of further repeats. The value read right after a run never starts a new
 * one, so runs longer than the counter can hold are continued correctly. */
static void rle_decode(bit_reader_t * r, uint8_t * px, uint32_t n, uint8_t bpp)
{
    uint32_t i = 0;
    uint8_t prev = 0;
    bool may_start_run = false;

    while(i < n) {
        uint8_t v = (uint8_t)bits_read(r, bpp);
        px[i++] = v;
        if(!(may_start_run && v == prev)) {
            prev = v;
            may_start_run = true;
            continue;
        }

        uint32_t ones = 0;
        while(i < n) {
            if(bits_read(r, 1) == 0) break;
            ones++;
            if(ones <= RLE_ONES_BEFORE_COUNTER) {
                px[i++] = prev;
                continue;
            }
            uint32_t cnt = bits_read(r, RLE_COUNTER_BITS);
            while(cnt-- > 0 && i < n) px[i++] = prev;
            break;
        }
        may_start_run = false;
    }
}
