/**
 * @file lv_conf_internal.h
 * Reads lv_conf.h and gives every option it leaves out its default value.
 * With LV_CONF_INCLUDE_SIMPLE (set by lvgl/CMakeLists.txt) lv_conf.h is taken
 * from the include path; otherwise it is expected next to the lvgl folder, as
 * upstream does.
 */
/* clang-format off */
#ifndef LV_CONF_INTERNAL_H
#define LV_CONF_INTERNAL_H

#include <stdint.h>

/*Handle special Kconfig-less settings*/
#define LV_TXT_ENC_UTF8  1
#define LV_TXT_ENC_ASCII 2

#ifndef LV_CONF_SKIP
#  if defined(LV_CONF_PATH)
#    define __LV_TO_STR_AUX(x) #x
#    define __LV_TO_STR(x) __LV_TO_STR_AUX(x)
#    include __LV_TO_STR(LV_CONF_PATH)
#  elif defined(LV_CONF_INCLUDE_SIMPLE)
#    include "lv_conf.h"
#  else
#    include "../../lv_conf.h"
#  endif
#endif

/*----------------------------------
 * Colour
 *----------------------------------*/
#ifndef LV_COLOR_DEPTH
#define LV_COLOR_DEPTH 32
#endif
#if LV_COLOR_DEPTH != 32
#error "This toolkit implements LV_COLOR_DEPTH 32 only"
#endif
#ifndef LV_COLOR_16_SWAP
#define LV_COLOR_16_SWAP 0
#endif
#ifndef LV_COLOR_SCREEN_TRANSP
#define LV_COLOR_SCREEN_TRANSP 0
#endif
#ifndef LV_COLOR_MIX_ROUND_OFS
#define LV_COLOR_MIX_ROUND_OFS 0
#endif
#ifndef LV_COLOR_CHROMA_KEY
#define LV_COLOR_CHROMA_KEY lv_color_hex(0x00ff00)
#endif

/*----------------------------------
 * Memory
 *----------------------------------*/
#ifndef LV_MEM_CUSTOM
#define LV_MEM_CUSTOM 0
#endif
#if LV_MEM_CUSTOM != 0
#error "This toolkit implements its own pool only (LV_MEM_CUSTOM 0)"
#endif
#ifndef LV_MEM_SIZE
#define LV_MEM_SIZE (48U * 1024U)
#endif
#ifndef LV_MEM_BUF_MAX_NUM
#define LV_MEM_BUF_MAX_NUM 16
#endif
#ifndef LV_MEMCPY_MEMSET_STD
#define LV_MEMCPY_MEMSET_STD 1
#endif

/*----------------------------------
 * HAL
 *----------------------------------*/
#ifndef LV_DISP_DEF_REFR_PERIOD
#define LV_DISP_DEF_REFR_PERIOD 30
#endif
#ifndef LV_INDEV_DEF_READ_PERIOD
#define LV_INDEV_DEF_READ_PERIOD 30
#endif
#ifndef LV_TICK_CUSTOM
#define LV_TICK_CUSTOM 0
#endif
#ifndef LV_DPI_DEF
#define LV_DPI_DEF 130
#endif

/*----------------------------------
 * Drawing
 *----------------------------------*/
#ifndef LV_DRAW_COMPLEX
#define LV_DRAW_COMPLEX 1
#endif
#ifndef LV_SHADOW_CACHE_SIZE
#define LV_SHADOW_CACHE_SIZE 0
#endif
#ifndef LV_CIRCLE_CACHE_SIZE
#define LV_CIRCLE_CACHE_SIZE 4
#endif
#ifndef LV_LAYER_SIMPLE_BUF_SIZE
#define LV_LAYER_SIMPLE_BUF_SIZE (24 * 1024)
#endif
#ifndef LV_IMG_CACHE_DEF_SIZE
#define LV_IMG_CACHE_DEF_SIZE 0
#endif
/* Bytes of the memory pool that zoomed or rotated images may keep as
 * ready-drawn pictures (0: none, they are resampled on every redraw). */
#ifndef LV_IMG_TRANSFORM_CACHE_BYTES
#define LV_IMG_TRANSFORM_CACHE_BYTES (4U * 1024U * 1024U)
#endif
#ifndef LV_GRADIENT_MAX_STOPS
#define LV_GRADIENT_MAX_STOPS 2
#endif
#ifndef LV_GRAD_CACHE_DEF_SIZE
#define LV_GRAD_CACHE_DEF_SIZE 0
#endif
#ifndef LV_DITHER_GRADIENT
#define LV_DITHER_GRADIENT 0
#endif
#ifndef LV_DISP_ROT_MAX_BUF
#define LV_DISP_ROT_MAX_BUF (10 * 1024)
#endif

/*----------------------------------
 * Log, assert, others
 *----------------------------------*/
#ifndef LV_USE_LOG
#define LV_USE_LOG 0
#endif
#ifndef LV_USE_ASSERT_NULL
#define LV_USE_ASSERT_NULL 1
#endif
#ifndef LV_USE_ASSERT_MALLOC
#define LV_USE_ASSERT_MALLOC 1
#endif
#ifndef LV_USE_ASSERT_STYLE
#define LV_USE_ASSERT_STYLE 0
#endif
#ifndef LV_USE_ASSERT_MEM_INTEGRITY
#define LV_USE_ASSERT_MEM_INTEGRITY 0
#endif
#ifndef LV_USE_ASSERT_OBJ
#define LV_USE_ASSERT_OBJ 0
#endif
#ifndef LV_ASSERT_HANDLER_INCLUDE
#define LV_ASSERT_HANDLER_INCLUDE <stdint.h>
#endif
#ifndef LV_ASSERT_HANDLER
#define LV_ASSERT_HANDLER while(1);
#endif
#ifndef LV_USE_PERF_MONITOR
#define LV_USE_PERF_MONITOR 0
#endif
#ifndef LV_USE_MEM_MONITOR
#define LV_USE_MEM_MONITOR 0
#endif
#ifndef LV_USE_REFR_DEBUG
#define LV_USE_REFR_DEBUG 0
#endif
#ifndef LV_SPRINTF_CUSTOM
#define LV_SPRINTF_CUSTOM 0
#endif
#ifndef LV_SPRINTF_USE_FLOAT
#define LV_SPRINTF_USE_FLOAT 0
#endif
#ifndef LV_USE_USER_DATA
#define LV_USE_USER_DATA 1
#endif
#ifndef LV_ENABLE_GC
#define LV_ENABLE_GC 0
#endif

/*----------------------------------
 * Compiler
 *----------------------------------*/
#ifndef LV_BIG_ENDIAN_SYSTEM
#define LV_BIG_ENDIAN_SYSTEM 0
#endif
#ifndef LV_ATTRIBUTE_TICK_INC
#define LV_ATTRIBUTE_TICK_INC
#endif
#ifndef LV_ATTRIBUTE_TIMER_HANDLER
#define LV_ATTRIBUTE_TIMER_HANDLER
#endif
#ifndef LV_ATTRIBUTE_FLUSH_READY
#define LV_ATTRIBUTE_FLUSH_READY
#endif
#ifndef LV_ATTRIBUTE_MEM_ALIGN_SIZE
#define LV_ATTRIBUTE_MEM_ALIGN_SIZE 1
#endif
#ifndef LV_ATTRIBUTE_MEM_ALIGN
#define LV_ATTRIBUTE_MEM_ALIGN
#endif
#ifndef LV_ATTRIBUTE_LARGE_CONST
#define LV_ATTRIBUTE_LARGE_CONST
#endif
#ifndef LV_ATTRIBUTE_LARGE_RAM_ARRAY
#define LV_ATTRIBUTE_LARGE_RAM_ARRAY
#endif
#ifndef LV_ATTRIBUTE_FAST_MEM
#define LV_ATTRIBUTE_FAST_MEM
#endif
#ifndef LV_ATTRIBUTE_DMA
#define LV_ATTRIBUTE_DMA
#endif
#ifndef LV_EXPORT_CONST_INT
#define LV_EXPORT_CONST_INT(int_value) struct _silence_gcc_warning
#endif
#ifndef LV_USE_LARGE_COORD
#define LV_USE_LARGE_COORD 0
#endif

/*----------------------------------
 * Fonts
 *----------------------------------*/
#ifndef LV_FONT_MONTSERRAT_12
#define LV_FONT_MONTSERRAT_12 0
#endif
#ifndef LV_FONT_MONTSERRAT_14
#define LV_FONT_MONTSERRAT_14 1
#endif
#ifndef LV_FONT_MONTSERRAT_16
#define LV_FONT_MONTSERRAT_16 0
#endif
#ifndef LV_FONT_MONTSERRAT_18
#define LV_FONT_MONTSERRAT_18 0
#endif
#ifndef LV_FONT_MONTSERRAT_20
#define LV_FONT_MONTSERRAT_20 0
#endif
#ifndef LV_FONT_MONTSERRAT_22
#define LV_FONT_MONTSERRAT_22 0
#endif
#ifndef LV_FONT_MONTSERRAT_24
#define LV_FONT_MONTSERRAT_24 0
#endif
#ifndef LV_FONT_MONTSERRAT_28
#define LV_FONT_MONTSERRAT_28 0
#endif
#ifndef LV_FONT_CUSTOM_DECLARE
#define LV_FONT_CUSTOM_DECLARE
#endif
#ifndef LV_FONT_DEFAULT
#define LV_FONT_DEFAULT &lv_font_montserrat_14
#endif
#ifndef LV_FONT_FMT_TXT_LARGE
#define LV_FONT_FMT_TXT_LARGE 0
#endif
#ifndef LV_USE_FONT_COMPRESSED
#define LV_USE_FONT_COMPRESSED 1
#endif
#ifndef LV_USE_FONT_SUBPX
#define LV_USE_FONT_SUBPX 0
#endif
#ifndef LV_USE_FONT_PLACEHOLDER
#define LV_USE_FONT_PLACEHOLDER 1
#endif

/*----------------------------------
 * Text
 *----------------------------------*/
#ifndef LV_TXT_ENC
#define LV_TXT_ENC LV_TXT_ENC_UTF8
#endif
#ifndef LV_TXT_BREAK_CHARS
#define LV_TXT_BREAK_CHARS " ,.;:-_"
#endif
#ifndef LV_TXT_LINE_BREAK_LONG_LEN
#define LV_TXT_LINE_BREAK_LONG_LEN 0
#endif
#ifndef LV_TXT_LINE_BREAK_LONG_PRE_MIN_LEN
#define LV_TXT_LINE_BREAK_LONG_PRE_MIN_LEN 3
#endif
#ifndef LV_TXT_LINE_BREAK_LONG_POST_MIN_LEN
#define LV_TXT_LINE_BREAK_LONG_POST_MIN_LEN 3
#endif
#ifndef LV_TXT_COLOR_CMD
#define LV_TXT_COLOR_CMD "#"
#endif
#ifndef LV_USE_BIDI
#define LV_USE_BIDI 0
#endif
#ifndef LV_USE_ARABIC_PERSIAN_CHARS
#define LV_USE_ARABIC_PERSIAN_CHARS 0
#endif

/*----------------------------------
 * Widgets, themes, layouts
 *----------------------------------*/
#ifndef LV_USE_ARC
#define LV_USE_ARC 1
#endif
#ifndef LV_USE_BAR
#define LV_USE_BAR 1
#endif
#ifndef LV_USE_BTN
#define LV_USE_BTN 1
#endif
#ifndef LV_USE_BTNMATRIX
#define LV_USE_BTNMATRIX 1
#endif
#ifndef LV_USE_DROPDOWN
#define LV_USE_DROPDOWN 1
#endif
#ifndef LV_USE_IMG
#define LV_USE_IMG 1
#endif
#ifndef LV_USE_LABEL
#define LV_USE_LABEL 1
#endif
#ifndef LV_LABEL_TEXT_SELECTION
#define LV_LABEL_TEXT_SELECTION 1
#endif
#ifndef LV_LABEL_LONG_TXT_HINT
#define LV_LABEL_LONG_TXT_HINT 1
#endif
#ifndef LV_USE_LINE
#define LV_USE_LINE 1
#endif
#ifndef LV_USE_SLIDER
#define LV_USE_SLIDER 1
#endif
#ifndef LV_USE_SWITCH
#define LV_USE_SWITCH 1
#endif
#ifndef LV_USE_TEXTAREA
#define LV_USE_TEXTAREA 1
#endif
#ifndef LV_TEXTAREA_DEF_PWD_SHOW_TIME
#define LV_TEXTAREA_DEF_PWD_SHOW_TIME 1500
#endif
#ifndef LV_USE_CHART
#define LV_USE_CHART 1
#endif
#ifndef LV_USE_COLORWHEEL
#define LV_USE_COLORWHEEL 1
#endif
#ifndef LV_USE_KEYBOARD
#define LV_USE_KEYBOARD 1
#endif
#ifndef LV_USE_LIST
#define LV_USE_LIST 1
#endif
#ifndef LV_USE_METER
#define LV_USE_METER 1
#endif
#ifndef LV_USE_MSGBOX
#define LV_USE_MSGBOX 1
#endif
#ifndef LV_USE_TABVIEW
#define LV_USE_TABVIEW 1
#endif
#ifndef LV_USE_THEME_DEFAULT
#define LV_USE_THEME_DEFAULT 1
#endif
#ifndef LV_THEME_DEFAULT_DARK
#define LV_THEME_DEFAULT_DARK 0
#endif
#ifndef LV_THEME_DEFAULT_GROW
#define LV_THEME_DEFAULT_GROW 1
#endif
#ifndef LV_THEME_DEFAULT_TRANSITION_TIME
#define LV_THEME_DEFAULT_TRANSITION_TIME 80
#endif
#ifndef LV_USE_FLEX
#define LV_USE_FLEX 1
#endif
#ifndef LV_USE_GRID
#define LV_USE_GRID 1
#endif

/* Without lv_conf.h (LV_CONF_SKIP) the defaults above apply; keep MSVC quiet about the C library. */
#ifdef LV_CONF_SKIP
#  if defined(_MSC_VER) && !defined(_CRT_SECURE_NO_WARNINGS)
#    define _CRT_SECURE_NO_WARNINGS
#  endif
#endif

#endif /*LV_CONF_INTERNAL_H*/
