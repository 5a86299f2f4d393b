/**
 * @file lv_widgets_extra.h
 * The value widgets: bar, slider, arc, meter and switch.
 */

#ifndef LV_WIDGETS_EXTRA_H
#define LV_WIDGETS_EXTRA_H

#include "lv_bar.h"
#include "lv_slider.h"
#include "lv_arc.h"
#include "lv_meter.h"
#include "lv_switch.h"

#endif /*LV_WIDGETS_EXTRA_H*/
