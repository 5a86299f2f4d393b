/**
 * @file lv_img_decoder.h
 * Image sources. Images are compiled into the program (lv_img_dsc_t) or are
 * symbol strings; there is no file system and no user decoder.
 */
#ifndef LV_IMG_DECODER_H
#define LV_IMG_DECODER_H

#ifdef __cplusplus
extern "C" {
#endif

#include "../lv_conf_internal.h"
#include "lv_img_buf.h"
#include "../misc/lv_types.h"

/* The kinds of image source. */
enum {
    LV_IMG_SRC_VARIABLE, /* a const lv_img_dsc_t * */
    LV_IMG_SRC_FILE,     /* a path string (not supported here) */
    LV_IMG_SRC_SYMBOL,   /* a string starting with a symbol (LV_SYMBOL_...) */
    LV_IMG_SRC_UNKNOWN,
};
typedef uint8_t lv_img_src_t;

/**
 * Tell the kind of an image source by its first byte: a UTF-8 lead byte
 * (>= 0x80, as the symbols of the Private Use Area start) means a symbol, a
 * printable ASCII byte a file path, anything else an lv_img_dsc_t (whose
 * header starts with a colour format below 32).
 */
lv_img_src_t lv_img_src_get_type(const void * src);

/**
 * Get an image's header.
 * @param src an lv_img_dsc_t * or a symbol string
 * @param header receives cf, w and h (a symbol reports 1 x 1, the widget measures its text)
 * @return LV_RES_OK, or LV_RES_INV for an unsupported source
 */
lv_res_t lv_img_decoder_get_info(const void * src, lv_img_header_t * header);

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_IMG_DECODER_H*/
