/**
 * @file lv_printf.h
 * snprintf for the toolkit (C99 semantics on both targets).
 */
#ifndef LV_PRINTF_H
#define LV_PRINTF_H

#ifdef __cplusplus
extern "C" {
#endif

#include "../lv_conf_internal.h"
#include "lv_types.h"

#include <stdarg.h>
#include <stddef.h>
#include <inttypes.h>

#define LV_PRId32 PRId32
#define LV_PRIu32 PRIu32
#define LV_PRIx32 PRIx32
#define LV_PRIX32 PRIX32

/**
 * Format into a buffer of `count` bytes, always zero-terminated (when count > 0).
 * @return the length the full result would have, as C99 snprintf
 */
int lv_snprintf(char * buffer, size_t count, const char * format, ...) LV_FORMAT_ATTRIBUTE(3, 4);

int lv_vsnprintf(char * buffer, size_t count, const char * format, va_list va) LV_FORMAT_ATTRIBUTE(3, 0);

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_PRINTF_H*/
