/* The performance page's pictures (tools/gen-performance-art.sh), each
 * unpacked on its first call. Call them on one thread (the panel is built on
 * the window thread before the toolkit thread starts). */
#ifndef PERFORMANCE_IMAGES_H
#define PERFORMANCE_IMAGES_H

#include "lvgl.h"

#ifdef __cplusplus
extern "C" {
#endif

const lv_img_dsc_t * performance_image_gauge_base(void); /* 880 x 440 faces and captions */
const lv_img_dsc_t * performance_image_gauge_cpu(void);  /* 880 x 440 processor gauge lit */
const lv_img_dsc_t * performance_image_gauge_gpu(void);  /* 880 x 440 GPU gauge lit */
const lv_img_dsc_t * performance_image_settings(void);   /* 60 x 60 cog */

#ifdef __cplusplus
}
#endif

#endif
