#include "packed_image.h"

#include <string.h>

static void unpack(uint8_t * pixels, size_t size, const uint8_t * packed, size_t packed_size)
{
    size_t in = 0, out = 0;
    while(in < packed_size) {
        uint8_t head = packed[in++];
        if(head < 128) {
            size_t bytes = ((size_t)head + 1) * 4;
            if(in + bytes > packed_size || out + bytes > size) return;
            memcpy(pixels + out, packed + in, bytes);
            in += bytes;
            out += bytes;
        }
        else {
            size_t count = (size_t)head - 127;
            if(in + 4 > packed_size || out + count * 4 > size) return;
            /* Transparent runs are already zero: leaving them unwritten keeps
             * those pages untouched. */
            if(packed[in] | packed[in + 1] | packed[in + 2] | packed[in + 3]) {
                for(size_t i = 0; i < count; i++) memcpy(pixels + out + i * 4, packed + in, 4);
            }
            in += 4;
            out += count * 4;
        }
    }
}

const lv_img_dsc_t * packed_image_get(lv_img_dsc_t * image, uint8_t * pixels, uint32_t w, uint32_t h,
                                      const uint8_t * packed, size_t packed_size)
{
    if(image->data) return image;
    unpack(pixels, (size_t)w * h * 4, packed, packed_size);
    image->header.cf = LV_IMG_CF_TRUE_COLOR_ALPHA;
    image->header.always_zero = 0;
    image->header.w = w;
    image->header.h = h;
    image->data_size = w * h * 4;
    image->data = pixels;
    return image;
}
