/**
 * @file lv_printf.c
 * The C library's vsnprintf. On mingw-w64 the MSVCRT one is not C99 (no %zu,
 * %lld, truncation returns -1), hence the mingw implementation is selected.
 */
#if defined(__MINGW32__) && !defined(__USE_MINGW_ANSI_STDIO)
#define __USE_MINGW_ANSI_STDIO 1
#endif

#include "lv_printf.h"
#include <stdio.h>

int lv_snprintf(char * buffer, size_t count, const char * format, ...)
{
    va_list args;
    va_start(args, format);
    int written = lv_vsnprintf(buffer, count, format, args);
    va_end(args);
    return written;
}

int lv_vsnprintf(char * buffer, size_t count, const char * format, va_list va)
{
    return vsnprintf(buffer, count, format, va);
}
