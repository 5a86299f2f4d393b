/**
 * @file lv_font_fmt_txt.c
 * Glyph lookup, kerning and bitmap decompression for converter fonts.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_font_fmt_txt.h"
#include "../misc/lv_math.h"
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
static void decompress(const uint8_t * in, uint8_t * out, uint32_t w, uint32_t h, uint8_t bpp, bool prefilter);
static void rle_decode(bit_reader_t * r, uint8_t * px, uint32_t n, uint8_t bpp);

/**********************
 *  STATIC VARIABLES
 **********************/
/* One decoded glyph at a time: the renderer copies a bitmap into its mask
 * before asking for the next. The buffer belongs to a pool generation, so a
 * pool reset (lv_deinit) is noticed instead of writing into freed memory. */
static uint8_t * unpacked;
static uint32_t unpacked_size;
static uint32_t unpacked_generation;

/**********************
 *   STATIC FUNCTIONS
 **********************/

static inline const lv_font_fmt_txt_dsc_t * format_of(const lv_font_t * font)
{
    return (const lv_font_fmt_txt_dsc_t *)font->dsc;
}

static int32_t compare_u16(const void * key, const void * item)
{
    int32_t a = *(const uint16_t *)key;
    int32_t b = *(const uint16_t *)item;
    return a - b;
}

/* The glyph id of `letter` in one character map, 0 if the map lacks it. */
static uint32_t id_in_cmap(const lv_font_fmt_txt_cmap_t * cmap, uint32_t letter)
{
    uint32_t rcp = letter - cmap->range_start;   /*letters below the range wrap to large numbers*/
    if(rcp >= cmap->range_length) return 0;

    if(cmap->type == LV_FONT_FMT_TXT_CMAP_FORMAT0_TINY) return cmap->glyph_id_start + rcp;
    if(cmap->type == LV_FONT_FMT_TXT_CMAP_FORMAT0_FULL) {
        return cmap->glyph_id_start + ((const uint8_t *)cmap->glyph_id_ofs_list)[rcp];
    }
    if(cmap->type != LV_FONT_FMT_TXT_CMAP_SPARSE_TINY && cmap->type != LV_FONT_FMT_TXT_CMAP_SPARSE_FULL) return 0;

    uint16_t wanted = (uint16_t)rcp;
    const uint16_t * hit = _lv_utils_bsearch(&wanted, cmap->unicode_list, cmap->list_length, sizeof(uint16_t),
                                             compare_u16);
    if(hit == NULL) return 0;
    size_t nth = (size_t)(hit - cmap->unicode_list);
    uint32_t ofs = cmap->type == LV_FONT_FMT_TXT_CMAP_SPARSE_TINY ? (uint32_t)nth :
                   ((const uint16_t *)cmap->glyph_id_ofs_list)[nth];
    return cmap->glyph_id_start + ofs;
}

/* The first character map that has the letter decides; the font's one-entry
 * cache remembers the last answer, found or not. */
static uint32_t glyph_id_of(const lv_font_t * font, uint32_t letter)
{
    if(letter == 0) return 0;
    const lv_font_fmt_txt_dsc_t * fmt = format_of(font);
    lv_font_fmt_txt_glyph_cache_t * memo = fmt->cache;
    if(memo != NULL && memo->last_letter == letter) return memo->last_glyph_id;

    uint32_t id = 0;
    for(uint32_t m = 0; m < fmt->cmap_num && id == 0; m++) id = id_in_cmap(&fmt->cmaps[m], letter);
    if(memo != NULL) {
        memo->last_letter = letter;
        memo->last_glyph_id = id;
    }
    return id;
}

/* Pairs are sorted by (left, right) id, so the packed pair bisects. */
static int8_t kern_from_pairs(const lv_font_fmt_txt_kern_pair_t * pairs, uint32_t left, uint32_t right)
{
    const uint32_t wanted = (left << 16) | right;
    const uint8_t * ids8 = pairs->glyph_ids;
    const uint16_t * ids16 = pairs->glyph_ids;
    uint32_t lo = 0, hi = pairs->pair_cnt;
    while(lo < hi) {
        uint32_t mid = lo + (hi - lo) / 2;
        uint32_t pair = pairs->glyph_ids_size == 0 ? ((uint32_t)ids8[2 * mid] << 16) | ids8[2 * mid + 1] :
                        ((uint32_t)ids16[2 * mid] << 16) | ids16[2 * mid + 1];
        if(pair == wanted) return pairs->values[mid];
        if(pair < wanted) lo = mid + 1;
        else hi = mid;
    }
    return 0;
}

/* Class 0 means "not kerned"; the value table has no row or column for it. */
static int8_t kern_from_classes(const lv_font_fmt_txt_kern_classes_t * classes, uint32_t left, uint32_t right)
{
    uint32_t lc = classes->left_class_mapping[left];
    uint32_t rc = classes->right_class_mapping[right];
    if(lc == 0 || rc == 0) return 0;
    return classes->class_pair_values[(lc - 1) * classes->right_class_cnt + (rc - 1)];
}

/* The kerning between two letters in 1/16 px, scaled by the font's kern_scale. */
static int32_t kerning(const lv_font_t * font, uint32_t left_id, uint32_t next_letter)
{
    const lv_font_fmt_txt_dsc_t * fmt = format_of(font);
    if(fmt->kern_dsc == NULL || next_letter == 0) return 0;
    uint32_t right_id = glyph_id_of(font, next_letter);
    if(right_id == 0) return 0;
    int32_t raw = fmt->kern_classes ? kern_from_classes(fmt->kern_dsc, left_id, right_id) :
                  kern_from_pairs(fmt->kern_dsc, left_id, right_id);
    return (raw * (int32_t)fmt->kern_scale) >> 4;
}

#if LV_USE_FONT_COMPRESSED
/* The decoded bitmap of a compressed glyph, in the shared buffer. */
static const uint8_t * unpack_glyph(const lv_font_fmt_txt_dsc_t * fmt, const lv_font_fmt_txt_glyph_dsc_t * g)
{
    uint32_t px = (uint32_t)g->box_w * g->box_h;
    if(px == 0) return NULL;
    uint32_t bytes = (px * fmt->bpp + 7) / 8;
    if(unpacked_generation != _lv_mem_get_generation()) {
        unpacked = NULL;
        unpacked_size = 0;
        unpacked_generation = _lv_mem_get_generation();
    }
    if(bytes > unpacked_size) {
        uint8_t * bigger = lv_mem_realloc(unpacked, bytes);
        if(bigger == NULL) return NULL;
        unpacked = bigger;
        unpacked_size = bytes;
    }
    decompress(&fmt->glyph_bitmap[g->bitmap_index], unpacked, g->box_w, g->box_h, (uint8_t)fmt->bpp,
               fmt->bitmap_format == LV_FONT_FMT_TXT_COMPRESSED);
    return unpacked;
}
#endif

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

/* A tab has the bitmap of a space. */
const uint8_t * lv_font_get_bitmap_fmt_txt(const lv_font_t * font, uint32_t unicode_letter)
{
    const lv_font_fmt_txt_dsc_t * fmt = format_of(font);
    uint32_t id = glyph_id_of(font, unicode_letter == '\t' ? ' ' : unicode_letter);
    if(id == 0) return NULL;
    const lv_font_fmt_txt_glyph_dsc_t * g = &fmt->glyph_dsc[id];
    if(fmt->bitmap_format == LV_FONT_FMT_TXT_PLAIN) return fmt->glyph_bitmap + g->bitmap_index;
#if LV_USE_FONT_COMPRESSED
    return unpack_glyph(fmt, g);
#else
    return NULL;
#endif
}

/* The advance is the glyph's (1/16 px) plus the kerning, rounded to whole
 * pixels and never negative. A tab advances like two spaces and draws
 * nothing. */
bool lv_font_get_glyph_dsc_fmt_txt(const lv_font_t * font, lv_font_glyph_dsc_t * dsc_out, uint32_t unicode_letter,
                                   uint32_t unicode_letter_next)
{
    bool tab = unicode_letter == '\t';
    uint32_t id = glyph_id_of(font, tab ? ' ' : unicode_letter);
    if(id == 0) return false;

    const lv_font_fmt_txt_dsc_t * fmt = format_of(font);
    const lv_font_fmt_txt_glyph_dsc_t * g = &fmt->glyph_dsc[id];
    int32_t advance16 = (int32_t)g->adv_w * (tab ? 2 : 1) + kerning(font, id, unicode_letter_next);
    int32_t advance = LV_MAX(0, (advance16 + 8) >> 4);

    lv_font_glyph_dsc_t glyph = {
        .resolved_font = font,
        .adv_w = (uint16_t)advance,
        .box_w = tab ? 0 : g->box_w,
        .box_h = g->box_h,
        .ofs_x = g->ofs_x,
        .ofs_y = g->ofs_y,
        .bpp = (uint8_t)fmt->bpp,
        .is_placeholder = 0,
    };
    *dsc_out = glyph;
    return true;
}

void _lv_font_clean_up_fmt_txt(void)
{
    if(unpacked != NULL && unpacked_generation == _lv_mem_get_generation()) lv_mem_free(unpacked);
    unpacked = NULL;
    unpacked_size = 0;
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
