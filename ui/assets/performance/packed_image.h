/* Pictures stored run-length packed and unpacked on first use (see
 * tools/art/performance_art.py for the packing). */
#ifndef PACKED_IMAGE_H
#define PACKED_IMAGE_H

#include <stddef.h>
#include <stdint.h>

#include "lvgl.h"

#ifdef __cplusplus
extern "C" {
#endif

/**
 * The descriptor of a packed picture, filled and its pixels unpacked into
 * `pixels` (w x h x 4 bytes, zeroed storage) on the first call. Packets that
 * would run past the end of `pixels` or of `packed` end the unpacking, so a
 * damaged table leaves the rest transparent instead of writing out of bounds.
 */
const lv_img_dsc_t * packed_image_get(lv_img_dsc_t * image, uint8_t * pixels, uint32_t w, uint32_t h,
                                      const uint8_t * packed, size_t packed_size);

#ifdef __cplusplus
}
#endif

#endif
