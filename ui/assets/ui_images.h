/* Images compiled into the panel, one for each SVG in ui/assets/images.
 * Made by tools/gen-images.sh (do not edit). */
#ifndef UI_IMAGES_H
#define UI_IMAGES_H

#include "lvgl.h"

#ifdef __cplusplus
extern "C" {
#endif

extern const lv_img_dsc_t ui_image_fan_curve;
extern const lv_img_dsc_t ui_image_lighting;
extern const lv_img_dsc_t ui_image_resolution;
extern const lv_img_dsc_t ui_image_strength;

#ifdef __cplusplus
}
#endif

#endif
