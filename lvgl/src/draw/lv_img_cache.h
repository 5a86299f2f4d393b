/**
 * @file lv_img_cache.h
 * Zoomed and rotated images are kept ready-drawn, so redrawing them costs a
 * blend instead of resampling every pixel. The pictures are found again by
 * the image's data pointer and size, the transformation and the recolour,
 * and live in the toolkit's memory pool within LV_IMG_TRANSFORM_CACHE_BYTES;
 * they give way whenever the pool runs short.
 */
#ifndef LV_IMG_CACHE_H
#define LV_IMG_CACHE_H

#ifdef __cplusplus
extern "C" {
#endif

#include "../lv_conf_internal.h"

/**
 * Forget the ready-drawn pictures of an image whose pixels were changed in
 * place (the same lv_img_dsc_t, the same data pointer). Images that get new
 * data or a new descriptor need no call.
 * @param src the image's lv_img_dsc_t *, or NULL for every image
 */
void lv_img_cache_invalidate_src(const void * src);

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_IMG_CACHE_H*/
