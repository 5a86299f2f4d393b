/**
 * @file lv_txt_ap.c
 * See lv_txt_ap.h: shaping is a pass-through.
 */
#include "lv_txt_ap.h"
#include <string.h>

#if LV_USE_ARABIC_PERSIAN_CHARS

uint32_t _lv_txt_ap_calc_bytecnt(const char * txt)
{
    return txt ? (uint32_t)strlen(txt) : 0;
}

void _lv_txt_ap_proc(const char * txt, char * txt_out)
{
    if(txt_out == NULL) return;
    if(txt == NULL) {
        txt_out[0] = '\0';
        return;
    }
    memmove(txt_out, txt, strlen(txt) + 1);
}

#endif
