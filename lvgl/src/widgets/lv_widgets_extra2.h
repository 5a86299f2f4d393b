/**
 * @file lv_widgets_extra2.h
 * Drop-down, chart, colour wheel, tab view, list, message box, text area and
 * keyboard. Included by lvgl.h.
 */

#ifndef LV_WIDGETS_EXTRA2_H
#define LV_WIDGETS_EXTRA2_H

#include "lv_dropdown.h"
#include "lv_textarea.h"
#include "../extra/widgets/chart/lv_chart.h"
#include "../extra/widgets/colorwheel/lv_colorwheel.h"
#include "../extra/widgets/tabview/lv_tabview.h"
#include "../extra/widgets/list/lv_list.h"
#include "../extra/widgets/msgbox/lv_msgbox.h"
#include "../extra/widgets/keyboard/lv_keyboard.h"

#endif /*LV_WIDGETS_EXTRA2_H*/
