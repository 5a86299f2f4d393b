/**
 * @file lv_theme_default.h
 * The default theme (light or dark look of upstream 8.3).
 */

#ifndef LV_THEME_DEFAULT_H
#define LV_THEME_DEFAULT_H

#ifdef __cplusplus
extern "C" {
#endif

/*********************
 *      INCLUDES
 *********************/
#include "../../../core/lv_obj.h"
#include "../../../core/lv_theme.h"

#if LV_USE_THEME_DEFAULT

/**********************
 * GLOBAL PROTOTYPES
 **********************/

/**
 * Build the default theme, or rebuild it with other colours or look.
 * @param disp      the display to size it for (paddings and radii follow its width and DPI)
 * @param color_primary   for buttons, indicators and focus rings
 * @param color_secondary for checked buttons and edit-mode rings
 * @param dark      true: light text on a dark screen; false: the reverse
 * @param font      the font of every text
 * @return          the theme, to pass to lv_disp_set_theme; NULL when out of memory
 */
lv_theme_t * lv_theme_default_init(lv_disp_t * disp, lv_color_t color_primary, lv_color_t color_secondary, bool dark,
                                   const lv_font_t * font);

/** @return the default theme, or NULL before lv_theme_default_init*/
lv_theme_t * lv_theme_default_get(void);

/** @return true once lv_theme_default_init has built the theme*/
bool lv_theme_default_is_inited(void);

/** Forget the theme; called by lv_deinit (the styles lived in the memory pool).*/
void _lv_theme_default_deinit(void);

#endif

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_THEME_DEFAULT_H*/
