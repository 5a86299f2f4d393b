/**
 * @file lv_img_decoder.c
 */
#include "lv_img_decoder.h"
#include "../misc/lv_mem.h"

lv_img_src_t lv_img_src_get_type(const void * src)
{
    if(src == NULL) return LV_IMG_SRC_UNKNOWN;
    const uint8_t * u8_p = src;

    /*A string: printable first byte. Symbols are Private Use Area characters (EF..F8 lead bytes)*/
    if(u8_p[0] >= 0x20 && u8_p[0] <= 0x7F) return LV_IMG_SRC_FILE;
    if(u8_p[0] >= 0x80) return LV_IMG_SRC_SYMBOL;
    return LV_IMG_SRC_VARIABLE;     /*An lv_img_header_t starts with cf (< 32) and always_zero bits*/
}

lv_res_t lv_img_decoder_get_info(const void * src, lv_img_header_t * header)
{
    lv_memset_00(header, sizeof(lv_img_header_t));
    switch(lv_img_src_get_type(src)) {
        case LV_IMG_SRC_VARIABLE: {
                const lv_img_dsc_t * dsc = src;
                *header = dsc->header;
                return dsc->header.cf == LV_IMG_CF_UNKNOWN ? LV_RES_INV : LV_RES_OK;
            }
        case LV_IMG_SRC_SYMBOL:
            /*The size depends on the font: the widget measures the text itself*/
            header->w = 1;
            header->h = 1;
            header->cf = LV_IMG_CF_ALPHA_1BIT;
            return LV_RES_OK;
        default:
            return LV_RES_INV;
    }
}
