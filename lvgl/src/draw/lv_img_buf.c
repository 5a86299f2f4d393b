/**
 * @file lv_img_buf.c
 */
#include "lv_img_buf.h"
#include "../misc/lv_math.h"

uint8_t lv_img_cf_get_px_size(lv_img_cf_t cf)
{
    switch(cf) {
        case LV_IMG_CF_TRUE_COLOR:
        case LV_IMG_CF_TRUE_COLOR_CHROMA_KEYED:
            return LV_COLOR_SIZE;
        case LV_IMG_CF_TRUE_COLOR_ALPHA:
            return LV_IMG_PX_SIZE_ALPHA_BYTE << 3;
        case LV_IMG_CF_INDEXED_1BIT:
        case LV_IMG_CF_ALPHA_1BIT:
            return 1;
        case LV_IMG_CF_INDEXED_2BIT:
        case LV_IMG_CF_ALPHA_2BIT:
            return 2;
        case LV_IMG_CF_INDEXED_4BIT:
        case LV_IMG_CF_ALPHA_4BIT:
            return 4;
        case LV_IMG_CF_INDEXED_8BIT:
        case LV_IMG_CF_ALPHA_8BIT:
            return 8;
        default:
            return 0;
    }
}

bool lv_img_cf_is_chroma_keyed(lv_img_cf_t cf)
{
    return cf == LV_IMG_CF_TRUE_COLOR_CHROMA_KEYED || cf == LV_IMG_CF_RAW_CHROMA_KEYED;
}

bool lv_img_cf_has_alpha(lv_img_cf_t cf)
{
    switch(cf) {
        case LV_IMG_CF_TRUE_COLOR_ALPHA:
        case LV_IMG_CF_RAW_ALPHA:
        case LV_IMG_CF_INDEXED_1BIT:
        case LV_IMG_CF_INDEXED_2BIT:
        case LV_IMG_CF_INDEXED_4BIT:
        case LV_IMG_CF_INDEXED_8BIT:
        case LV_IMG_CF_ALPHA_1BIT:
        case LV_IMG_CF_ALPHA_2BIT:
        case LV_IMG_CF_ALPHA_4BIT:
        case LV_IMG_CF_ALPHA_8BIT:
            return true;
        default:
            return false;
    }
}

/* The four corners transformed around the pivot, boxed. */
void _lv_img_buf_get_transformed_area(lv_area_t * res, lv_coord_t w, lv_coord_t h, int16_t angle, uint16_t zoom,
                                      const lv_point_t * pivot)
{
    if(angle == 0 && zoom == LV_IMG_ZOOM_NONE) {
        res->x1 = 0;
        res->y1 = 0;
        res->x2 = (lv_coord_t)(w - 1);
        res->y2 = (lv_coord_t)(h - 1);
        return;
    }

    lv_point_t p[4] = {{0, 0}, {w, 0}, {0, h}, {w, h}};
    for(int i = 0; i < 4; i++) lv_point_transform(&p[i], angle, zoom, pivot);
    res->x1 = (lv_coord_t)(LV_MIN4(p[0].x, p[1].x, p[2].x, p[3].x) - 1);
    res->x2 = (lv_coord_t)(LV_MAX4(p[0].x, p[1].x, p[2].x, p[3].x) + 1);
    res->y1 = (lv_coord_t)(LV_MIN4(p[0].y, p[1].y, p[2].y, p[3].y) - 1);
    res->y2 = (lv_coord_t)(LV_MAX4(p[0].y, p[1].y, p[2].y, p[3].y) + 1);
}
