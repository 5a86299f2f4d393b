/**
 * @file lv_img_decoder.c
 * Image sources: in-memory descriptors and symbol strings. There is no file
 * system and no user decoder, so "decoding" is reading the header.
 */
#include "lv_img_decoder.h"

/* A descriptor's first byte is its colour format (below 32) with the
 * always_zero bits clear, so it is never a printable character: printable
 * ASCII means a path, a UTF-8 lead byte a symbol (the symbols live in the
 * Private Use Area). */
lv_img_src_t lv_img_src_get_type(const void * src)
{
    if(src == NULL) return LV_IMG_SRC_UNKNOWN;
    uint8_t first = *(const uint8_t *)src;
    if(first >= 0x80) return LV_IMG_SRC_SYMBOL;
    if(first >= 0x20) return LV_IMG_SRC_FILE;
    return LV_IMG_SRC_VARIABLE;
}

/* A symbol's size depends on its font, which the caller measures; it is
 * reported as a 1 x 1 alpha image. */
lv_res_t lv_img_decoder_get_info(const void * src, lv_img_header_t * header)
{
    lv_img_header_t info = {0};
    lv_img_src_t kind = lv_img_src_get_type(src);
    if(kind == LV_IMG_SRC_VARIABLE) {
        info = ((const lv_img_dsc_t *)src)->header;
    }
    else if(kind == LV_IMG_SRC_SYMBOL) {
        lv_img_header_t one_px = {.cf = LV_IMG_CF_ALPHA_1BIT, .w = 1, .h = 1};
        info = one_px;
    }
    *header = info;
    return info.cf != LV_IMG_CF_UNKNOWN ? LV_RES_OK : LV_RES_INV;
}
