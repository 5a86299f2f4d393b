/**
 * @file lv_txt_ap.h
 * Arabic and Persian letter shaping (LV_USE_ARABIC_PERSIAN_CHARS). The panel's
 * texts are English and Chinese, so the step is a pass-through: the option
 * and the two functions exist for source compatibility, the text comes out
 * unchanged and Arabic letters are drawn in their isolated (logical) form.
 */
#ifndef LV_TXT_AP_H
#define LV_TXT_AP_H

#ifdef __cplusplus
extern "C" {
#endif

#include <stddef.h>
#include <stdint.h>
#include "lv_txt.h"

#define LV_UNDEF_ARABIC_PERSIAN_CHARS     (UINT32_MAX)
#if LV_USE_ARABIC_PERSIAN_CHARS
#define LV_AP_ALPHABET_BASE_CODE          0x0622
#define LV_AP_END_CHARS_LIST              {0,0,0,0,0,{0,0}}

/**
 * @return the byte length the shaped text of `txt` needs (without the terminating zero)
 */
uint32_t _lv_txt_ap_calc_bytecnt(const char * txt);

/**
 * Shape `txt` into `txt_out`, which holds at least _lv_txt_ap_calc_bytecnt(txt) + 1 bytes.
 */
void _lv_txt_ap_proc(const char * txt, char * txt_out);
#endif

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_TXT_AP_H*/
