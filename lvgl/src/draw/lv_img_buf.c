/**
 * @file lv_img_buf.c
 * Facts about colour formats, and the area a transformed image covers.
 */
#include "lv_img_buf.h"
#include "../misc/lv_math.h"

/* Bits per pixel of each colour format; formats left out are 0 (unknown
 * sizes: raw data for a user decoder, or formats of other colour depths). */
static const uint8_t bits_per_px[] = {
    [LV_IMG_CF_TRUE_COLOR] = LV_COLOR_SIZE,
    [LV_IMG_CF_TRUE_COLOR_CHROMA_KEYED] = LV_COLOR_SIZE,
    [LV_IMG_CF_TRUE_COLOR_ALPHA] = LV_IMG_PX_SIZE_ALPHA_BYTE * 8,
    [LV_IMG_CF_INDEXED_1BIT] = 1, [LV_IMG_CF_INDEXED_2BIT] = 2, [LV_IMG_CF_INDEXED_4BIT] = 4,
    [LV_IMG_CF_INDEXED_8BIT] = 8,
    [LV_IMG_CF_ALPHA_1BIT] = 1, [LV_IMG_CF_ALPHA_2BIT] = 2, [LV_IMG_CF_ALPHA_4BIT] = 4, [LV_IMG_CF_ALPHA_8BIT] = 8,
};

/* Formats whose pixels carry opacity: per pixel, or through a palette's
 * alpha (the indexed ones). */
#define ALPHA_FORMATS ((1UL << LV_IMG_CF_TRUE_COLOR_ALPHA) | (1UL << LV_IMG_CF_RAW_ALPHA) | \
                       (1UL << LV_IMG_CF_INDEXED_1BIT) | (1UL << LV_IMG_CF_INDEXED_2BIT) | \
                       (1UL << LV_IMG_CF_INDEXED_4BIT) | (1UL << LV_IMG_CF_INDEXED_8BIT) | \
                       (1UL << LV_IMG_CF_ALPHA_1BIT) | (1UL << LV_IMG_CF_ALPHA_2BIT) | \
                       (1UL << LV_IMG_CF_ALPHA_4BIT) | (1UL << LV_IMG_CF_ALPHA_8BIT))

uint8_t lv_img_cf_get_px_size(lv_img_cf_t cf)
{
    return cf < sizeof(bits_per_px) ? bits_per_px[cf] : 0;
}

bool lv_img_cf_is_chroma_keyed(lv_img_cf_t cf)
{
    return cf == LV_IMG_CF_RAW_CHROMA_KEYED || cf == LV_IMG_CF_TRUE_COLOR_CHROMA_KEYED;
}

bool lv_img_cf_has_alpha(lv_img_cf_t cf)
{
    return cf < 32 && ((ALPHA_FORMATS >> cf) & 1UL) != 0;
}

/* The box around the four transformed corners, a pixel larger on every side
 * for the anti-aliased edge; the image itself when nothing is transformed. */
void _lv_img_buf_get_transformed_area(lv_area_t * res, lv_coord_t w, lv_coord_t h, int16_t angle, uint16_t zoom,
                                      const lv_point_t * pivot)
{
    lv_area_t box = {0, 0, (lv_coord_t)(w - 1), (lv_coord_t)(h - 1)};
    if(angle != 0 || zoom != LV_IMG_ZOOM_NONE) {
        lv_point_t corner[4] = {{0, 0}, {w, 0}, {0, h}, {w, h}};
        for(int k = 0; k < 4; k++) lv_point_transform(&corner[k], angle, zoom, pivot);
        box.x1 = corner[0].x;
        box.y1 = corner[0].y;
        box.x2 = corner[0].x;
        box.y2 = corner[0].y;
        for(int k = 1; k < 4; k++) {
            box.x1 = LV_MIN(box.x1, corner[k].x);
            box.y1 = LV_MIN(box.y1, corner[k].y);
            box.x2 = LV_MAX(box.x2, corner[k].x);
            box.y2 = LV_MAX(box.y2, corner[k].y);
        }
        lv_area_increase(&box, 1, 1);
    }
    *res = box;
}
