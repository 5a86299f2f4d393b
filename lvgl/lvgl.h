/**
 * @file lvgl.h
 * The toolkit's umbrella header: include this one. Source-compatible with the
 * LVGL 8.3 API subset the panel uses.
 */
#ifndef LVGL_H
#define LVGL_H

#ifdef __cplusplus
extern "C" {
#endif

/* The upstream version this implementation follows. */
#define LVGL_VERSION_MAJOR 8
#define LVGL_VERSION_MINOR 3
#define LVGL_VERSION_PATCH 11
#define LVGL_VERSION_INFO ""

/*********************
 *      INCLUDES
 *********************/

#include "src/misc/lv_log.h"
#include "src/misc/lv_timer.h"
#include "src/misc/lv_math.h"
#include "src/misc/lv_mem.h"
#include "src/misc/lv_async.h"
#include "src/misc/lv_anim.h"
#include "src/misc/lv_printf.h"
#include "src/misc/lv_tick.h"
#include "src/misc/lv_ll.h"
#include "src/misc/lv_txt.h"
#include "src/misc/lv_txt_ap.h"
#include "src/misc/lv_style.h"

#include "src/font/lv_font.h"
#include "src/font/lv_font_fmt_txt.h"
#include "src/font/lv_symbol_def.h"

#include "src/draw/lv_draw.h"

/* The object tree, display and input layers and the widgets. The guards let
 * the lower layers build before these files exist. */
#if defined(__has_include)
#  if __has_include("src/hal/lv_hal.h")
#    include "src/hal/lv_hal.h"
#  endif
#  if __has_include("src/core/lv_obj.h")
#    include "src/core/lv_obj.h"
#  endif
#  if __has_include("src/core/lv_group.h")
#    include "src/core/lv_group.h"
#  endif
#  if __has_include("src/core/lv_indev.h")
#    include "src/core/lv_indev.h"
#  endif
#  if __has_include("src/core/lv_refr.h")
#    include "src/core/lv_refr.h"
#  endif
#  if __has_include("src/core/lv_disp.h")
#    include "src/core/lv_disp.h"
#  endif
#  if __has_include("src/core/lv_theme.h")
#    include "src/core/lv_theme.h"
#  endif
#  if __has_include("src/widgets/lv_label.h")
#    include "src/widgets/lv_label.h"
#  endif
#  if __has_include("src/widgets/lv_btn.h")
#    include "src/widgets/lv_btn.h"
#  endif
#  if __has_include("src/widgets/lv_img.h")
#    include "src/widgets/lv_img.h"
#  endif
#  if __has_include("src/widgets/lv_widgets.h")
#    include "src/widgets/lv_widgets.h"
#  endif
#  if __has_include("src/extra/themes/default/lv_theme_default.h")
#    include "src/extra/themes/default/lv_theme_default.h"
#  endif
#  if __has_include("src/extra/lv_extra.h")
#    include "src/extra/lv_extra.h"
#  endif
#  if __has_include("src/widgets/lv_widgets_extra.h")
#    include "src/widgets/lv_widgets_extra.h"
#  endif
#  if __has_include("src/widgets/lv_widgets_extra2.h")
#    include "src/widgets/lv_widgets_extra2.h"
#  endif
#else
#  error "lvgl.h needs a compiler with __has_include (GCC >= 5, Clang)"
#endif

/*********************
 *      DEFINES
 *********************/

/* The converter's fonts test the version with this. */
#define LV_VERSION_CHECK(x,y,z) (x == LVGL_VERSION_MAJOR && (y < LVGL_VERSION_MINOR || (y == LVGL_VERSION_MINOR && z <= LVGL_VERSION_PATCH)))

/** The version numbers, for code that cannot read the macros. */
static inline int lv_version_major(void)
{
    return (int)LVGL_VERSION_MAJOR;
}

static inline int lv_version_minor(void)
{
    return (int)LVGL_VERSION_MINOR;
}

static inline int lv_version_patch(void)
{
    return (int)LVGL_VERSION_PATCH;
}

static inline const char * lv_version_info(void)
{
    return (const char *)LVGL_VERSION_INFO;
}

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LVGL_H*/
