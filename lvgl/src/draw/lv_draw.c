/**
 * @file lv_draw.c
 */
#include "lv_draw.h"

void lv_draw_init(void)
{
    _lv_draw_mask_reset();
}

void lv_draw_wait_for_finish(lv_draw_ctx_t * draw_ctx)
{
    if(draw_ctx->wait_for_finish) draw_ctx->wait_for_finish(draw_ctx);
}
