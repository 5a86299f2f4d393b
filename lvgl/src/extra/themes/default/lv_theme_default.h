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
 * Initialize the theme
 * @param disp      pointer to display
 * @param color_primary the primary color of the theme
 * @param color_secondary the secondary color for the theme
 * @param dark      true: dark mode (dark screen, light text); false: light mode
 * @param font      pointer to a font to use.
 * @return          a pointer to reference this theme later
 */
lv_theme_t * lv_theme_default_init(lv_disp_t * disp, lv_color_t color_primary, lv_color_t color_secondary, bool dark,
                                   const lv_font_t * font);

/**
 * Get default theme
 * @return          a pointer to default theme, or NULL if this is not initialized
 */
lv_theme_t * lv_theme_default_get(void);

/**
 * Check if default theme is initialized
 * @return          true if default theme is initialized, false otherwise
 */
bool lv_theme_default_is_inited(void);

/** Forget the theme; called by lv_deinit (the styles lived in the memory pool).*/
void _lv_theme_default_deinit(void);

#endif

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_THEME_DEFAULT_H*/
