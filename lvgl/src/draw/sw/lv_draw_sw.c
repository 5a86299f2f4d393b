/**
 * @file lv_draw_sw.c
 * Sets up the software draw context.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_draw_sw.h"
#include "../../misc/lv_mem.h"

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

/* The context is cleared first, so operations the software renderer does
 * not provide (layers, draw_img, draw_transform) stay NULL and callers fall
 * back to the generic paths. */
void lv_draw_sw_init_ctx(struct _lv_disp_drv_t * drv, lv_draw_ctx_t * draw_ctx)
{
    LV_UNUSED(drv);
    lv_draw_sw_ctx_t * sw = (lv_draw_sw_ctx_t *)draw_ctx;
    lv_memset_00(sw, sizeof(*sw));

    lv_draw_ctx_t * ops = &sw->base_draw;
    ops->draw_rect = lv_draw_sw_rect;
    ops->draw_bg = lv_draw_sw_bg;
    ops->draw_arc = lv_draw_sw_arc;
    ops->draw_line = lv_draw_sw_line;
    ops->draw_polygon = lv_draw_sw_polygon;
    ops->draw_letter = lv_draw_sw_letter;
    ops->draw_img_decoded = lv_draw_sw_img_decoded;
    ops->wait_for_finish = lv_draw_sw_wait_for_finish;
    sw->blend = lv_draw_sw_blend_basic;
}

void lv_draw_sw_deinit_ctx(struct _lv_disp_drv_t * drv, lv_draw_ctx_t * draw_ctx)
{
    LV_UNUSED(drv);
    lv_memset_00(draw_ctx, sizeof(lv_draw_sw_ctx_t));
}

/* Everything is drawn by the time a drawing call returns. */
void lv_draw_sw_wait_for_finish(lv_draw_ctx_t * draw_ctx)
{
    LV_UNUSED(draw_ctx);
}
