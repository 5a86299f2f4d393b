/**
 * @file lv_draw.c
 * Start-up of the drawing module and waiting for a context.
 */
#include "lv_draw.h"

/* The mask list and the corner tables may hold pointers into a memory pool
 * that lv_deinit reset; they start empty. */
void lv_draw_init(void)
{
    _lv_draw_mask_reset();
}

void lv_draw_wait_for_finish(lv_draw_ctx_t * draw_ctx)
{
    if(draw_ctx->wait_for_finish == NULL) return;
    draw_ctx->wait_for_finish(draw_ctx);
}
