/**
 * @file lv_bidi.h
 * Base text direction. Bidirectional reordering is off (LV_USE_BIDI 0); the
 * direction values still exist because styles and widgets carry them.
 */
#ifndef LV_BIDI_H
#define LV_BIDI_H

#ifdef __cplusplus
extern "C" {
#endif

#include "../lv_conf_internal.h"
#include <stdint.h>

enum {
    LV_BASE_DIR_LTR      = 0x00,
    LV_BASE_DIR_RTL      = 0x01,
    LV_BASE_DIR_AUTO     = 0x02,

    LV_BASE_DIR_NEUTRAL  = 0x20,
    LV_BASE_DIR_WEAK     = 0x21,
};
typedef uint8_t lv_base_dir_t;

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_BIDI_H*/
