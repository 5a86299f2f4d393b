/**
 * @file lv_extra.h
 * The extra components: layouts and themes.
 */

#ifndef LV_EXTRA_H
#define LV_EXTRA_H

#include "layouts/flex/lv_flex.h"
#include "themes/default/lv_theme_default.h"

#endif /*LV_EXTRA_H*/
