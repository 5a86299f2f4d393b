/**
 * @file lv_draw_sw_rect.c
 * Rectangles: shadow, background, background image, border, outline (in
 * that order).
 *
 * Flat parts are blended as whole unmasked rectangles so a replaced blend
 * step sees them as plain fills: a background's rows between its rounded
 * corners are one fill, a border's straight stretches are four. Only the
 * corner rows go through masks.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_draw_sw.h"
#include "../../misc/lv_math.h"
#include "../../misc/lv_mem.h"
#include "../../misc/lv_txt.h"

/**********************
 *  STATIC PROTOTYPES
 **********************/
static void draw_shadow(lv_draw_ctx_t * draw_ctx, const lv_draw_rect_dsc_t * dsc, const lv_area_t * coords);
static void draw_bg(lv_draw_ctx_t * draw_ctx, const lv_draw_rect_dsc_t * dsc, const lv_area_t * coords);
static void draw_bg_img(lv_draw_ctx_t * draw_ctx, const lv_draw_rect_dsc_t * dsc, const lv_area_t * coords);
static void draw_border(lv_draw_ctx_t * draw_ctx, const lv_draw_rect_dsc_t * dsc, const lv_area_t * coords);
static void draw_outline(lv_draw_ctx_t * draw_ctx, const lv_draw_rect_dsc_t * dsc, const lv_area_t * coords);
static void draw_ring(lv_draw_ctx_t * draw_ctx, const lv_area_t * outer, int32_t r_out, const lv_area_t * inner,
                      int32_t r_in, lv_color_t color, lv_opa_t opa, lv_blend_mode_t mode);
static void fill_area(lv_draw_ctx_t * draw_ctx, const lv_area_t * a, lv_color_t color, lv_opa_t opa,
                      lv_blend_mode_t mode);
static int32_t clamp_radius(const lv_area_t * a, int32_t r);
static void ring_fill_straight(lv_draw_ctx_t * draw_ctx, const lv_area_t * outer, const lv_area_t * inner,
                               int32_t sy1, int32_t sy2, int32_t sx1, int32_t sx2, lv_color_t color, lv_opa_t opa,
                               lv_blend_mode_t mode);
static lv_color_t * hor_gradient_buf(const lv_grad_dsc_t * grad, const lv_area_t * coords, const lv_area_t * clip);

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

void lv_draw_sw_rect(lv_draw_ctx_t * draw_ctx, const lv_draw_rect_dsc_t * dsc, const lv_area_t * coords)
{
    draw_shadow(draw_ctx, dsc, coords);
    draw_bg(draw_ctx, dsc, coords);
    draw_bg_img(draw_ctx, dsc, coords);
    draw_border(draw_ctx, dsc, coords);
    draw_outline(draw_ctx, dsc, coords);
}

void lv_draw_sw_bg(lv_draw_ctx_t * draw_ctx, const lv_draw_rect_dsc_t * dsc, const lv_area_t * coords)
{
    draw_bg(draw_ctx, dsc, coords);
    draw_bg_img(draw_ctx, dsc, coords);
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

static int32_t clamp_radius(const lv_area_t * a, int32_t r)
{
    int32_t short_side = LV_MIN(lv_area_get_width(a), lv_area_get_height(a));
    if(r > short_side / 2) r = short_side / 2;
    return r < 0 ? 0 : r;
}

static void fill_area(lv_draw_ctx_t * draw_ctx, const lv_area_t * a, lv_color_t color, lv_opa_t opa,
                      lv_blend_mode_t mode)
{
    if(a->x1 > a->x2 || a->y1 > a->y2) return;
    lv_draw_sw_blend_dsc_t blend_dsc;
    lv_memset_00(&blend_dsc, sizeof(blend_dsc));
    blend_dsc.blend_area = a;
    blend_dsc.color = color;
    blend_dsc.opa = opa;
    blend_dsc.mask_res = LV_DRAW_MASK_RES_FULL_COVER;
    blend_dsc.blend_mode = mode;
    lv_draw_sw_blend(draw_ctx, &blend_dsc);
}

/* Rows are drawn one by one through the masks (the rounded corners plus any
 * global masks). With no global mask and no gradient, the rows between the
 * corners are one unmasked fill; a horizontal gradient gives each row a
 * colour buffer, a vertical one each row its colour. */
static void draw_bg(lv_draw_ctx_t * draw_ctx, const lv_draw_rect_dsc_t * dsc, const lv_area_t * coords)
{
    if(dsc->bg_opa <= LV_OPA_MIN) return;

    lv_area_t clip;
    if(!_lv_area_intersect(&clip, coords, draw_ctx->clip_area)) return;

    int32_t r = clamp_radius(coords, dsc->radius);
    const lv_grad_dsc_t * grad = &dsc->bg_grad;
    bool has_grad = grad->dir != LV_GRAD_DIR_NONE && grad->stops_count >= 2 &&
                    grad->stops[0].color.full != grad->stops[grad->stops_count - 1].color.full;
    bool mask_any = lv_draw_mask_is_any(coords);

    if(!has_grad && !mask_any && r == 0) {
        fill_area(draw_ctx, coords, dsc->bg_color, dsc->bg_opa, dsc->blend_mode);
        return;
    }

    lv_draw_mask_radius_param_t mask_rout;
    int16_t mask_id = LV_MASK_ID_INV;
    if(r > 0) {
        lv_draw_mask_radius_init(&mask_rout, coords, (lv_coord_t)r, false);
        mask_id = lv_draw_mask_add(&mask_rout, NULL);
    }

    int32_t w = lv_area_get_width(&clip);
    lv_opa_t * mask_buf = lv_mem_buf_get((uint32_t)w);
    lv_color_t * grad_buf = has_grad && grad->dir == LV_GRAD_DIR_HOR ? hor_gradient_buf(grad, coords, &clip) : NULL;
    int32_t coords_h = lv_area_get_height(coords);

    lv_draw_sw_blend_dsc_t blend_dsc;
    lv_memset_00(&blend_dsc, sizeof(blend_dsc));
    blend_dsc.color = dsc->bg_color;
    blend_dsc.opa = dsc->bg_opa;
    blend_dsc.blend_mode = dsc->blend_mode;

    /*Rows that need no mask: between the corners, when nothing else masks*/
    int32_t flat_y1 = coords->y1 + r;
    int32_t flat_y2 = coords->y2 - r;
    bool flat_block = !mask_any && !has_grad && flat_y1 <= flat_y2;

    lv_area_t row;
    row.x1 = clip.x1;
    row.x2 = clip.x2;
    for(int32_t y = clip.y1; y <= clip.y2; y++) {
        if(flat_block && y >= flat_y1 && y <= flat_y2) {
            lv_area_t block = {coords->x1, (lv_coord_t)y, coords->x2, (lv_coord_t)LV_MIN(flat_y2, clip.y2)};
            fill_area(draw_ctx, &block, dsc->bg_color, dsc->bg_opa, dsc->blend_mode);
            y = block.y2;
            continue;
        }
        row.y1 = row.y2 = (lv_coord_t)y;
        lv_memset_ff(mask_buf, (size_t)w);
        blend_dsc.mask_res = lv_draw_mask_apply(mask_buf, clip.x1, (lv_coord_t)y, (lv_coord_t)w);
        if(blend_dsc.mask_res == LV_DRAW_MASK_RES_TRANSP) continue;
        blend_dsc.mask_buf = blend_dsc.mask_res == LV_DRAW_MASK_RES_FULL_COVER ? NULL : mask_buf;
        blend_dsc.mask_area = &row;
        blend_dsc.blend_area = &row;
        blend_dsc.src_buf = grad_buf;
        if(has_grad && grad->dir == LV_GRAD_DIR_VER) {
            blend_dsc.color = lv_gradient_calculate(grad, (lv_coord_t)coords_h, (lv_coord_t)(y - coords->y1));
        }
        lv_draw_sw_blend(draw_ctx, &blend_dsc);
    }

    if(grad_buf) lv_mem_buf_release(grad_buf);
    lv_mem_buf_release(mask_buf);
    if(mask_id != LV_MASK_ID_INV) {
        lv_draw_mask_remove_id(mask_id);
        lv_draw_mask_free_param(&mask_rout);
    }
}

/* The colours of a horizontal gradient over the clipped columns (a temporary buffer). */
static lv_color_t * hor_gradient_buf(const lv_grad_dsc_t * grad, const lv_area_t * coords, const lv_area_t * clip)
{
    int32_t w = lv_area_get_width(clip);
    lv_color_t * buf = lv_mem_buf_get((uint32_t)w * sizeof(lv_color_t));
    if(buf == NULL) return NULL;
    for(int32_t i = 0; i < w; i++) {
        buf[i] = lv_gradient_calculate(grad, lv_area_get_width(coords), (lv_coord_t)(clip->x1 - coords->x1 + i));
    }
    return buf;
}

/* A symbol (text) is centred in the rectangle; an image is centred too, or
 * repeated over the whole area when tiled. */
static void draw_bg_img(lv_draw_ctx_t * draw_ctx, const lv_draw_rect_dsc_t * dsc, const lv_area_t * coords)
{
    if(dsc->bg_img_src == NULL || dsc->bg_img_opa <= LV_OPA_MIN) return;

    lv_img_src_t src_type = lv_img_src_get_type(dsc->bg_img_src);
    if(src_type == LV_IMG_SRC_SYMBOL) {
        const lv_font_t * font = dsc->bg_img_symbol_font ? dsc->bg_img_symbol_font : LV_FONT_DEFAULT;
        lv_point_t size;
        lv_txt_get_size(&size, dsc->bg_img_src, font, 0, 0, LV_COORD_MAX, LV_TEXT_FLAG_NONE);
        lv_area_t a;
        a.x1 = (lv_coord_t)(coords->x1 + lv_area_get_width(coords) / 2 - size.x / 2);
        a.y1 = (lv_coord_t)(coords->y1 + lv_area_get_height(coords) / 2 - size.y / 2);
        a.x2 = (lv_coord_t)(a.x1 + size.x - 1);
        a.y2 = (lv_coord_t)(a.y1 + size.y - 1);
        lv_draw_label_dsc_t label_dsc;
        lv_draw_label_dsc_init(&label_dsc);
        label_dsc.font = font;
        label_dsc.color = dsc->bg_img_recolor;
        label_dsc.opa = dsc->bg_img_opa;
        lv_draw_label(draw_ctx, &label_dsc, &a, dsc->bg_img_src, NULL);
        return;
    }

    lv_img_header_t header;
    if(lv_img_decoder_get_info(dsc->bg_img_src, &header) != LV_RES_OK) return;
    lv_draw_img_dsc_t img_dsc;
    lv_draw_img_dsc_init(&img_dsc);
    img_dsc.blend_mode = dsc->blend_mode;
    img_dsc.recolor = dsc->bg_img_recolor;
    img_dsc.recolor_opa = dsc->bg_img_recolor_opa;
    img_dsc.opa = dsc->bg_img_opa;

    lv_area_t a;
    if(!dsc->bg_img_tiled) {
        a.x1 = (lv_coord_t)(coords->x1 + lv_area_get_width(coords) / 2 - header.w / 2);
        a.y1 = (lv_coord_t)(coords->y1 + lv_area_get_height(coords) / 2 - header.h / 2);
        a.x2 = (lv_coord_t)(a.x1 + header.w - 1);
        a.y2 = (lv_coord_t)(a.y1 + header.h - 1);
        lv_draw_img(draw_ctx, &img_dsc, &a, dsc->bg_img_src);
        return;
    }

    lv_area_t clip;
    if(!_lv_area_intersect(&clip, coords, draw_ctx->clip_area)) return;
    const lv_area_t * clip_ori = draw_ctx->clip_area;
    draw_ctx->clip_area = &clip;
    for(int32_t y = coords->y1; y <= coords->y2; y += header.h) {
        for(int32_t x = coords->x1; x <= coords->x2; x += header.w) {
            lv_area_set(&a, (lv_coord_t)x, (lv_coord_t)y, (lv_coord_t)(x + header.w - 1), (lv_coord_t)(y + header.h - 1));
            lv_draw_img(draw_ctx, &img_dsc, &a, dsc->bg_img_src);
        }
    }
    draw_ctx->clip_area = clip_ori;
}

/* The inner edge of a border: moved in by the width on the drawn sides and
 * pushed well outside on the others, so those sides have no border and no
 * inner rounding. */
static void draw_border(lv_draw_ctx_t * draw_ctx, const lv_draw_rect_dsc_t * dsc, const lv_area_t * coords)
{
    if(dsc->border_opa <= LV_OPA_MIN || dsc->border_width <= 0) return;
    if(dsc->border_side == LV_BORDER_SIDE_NONE) return;

    int32_t r_out = clamp_radius(coords, dsc->radius);
    int32_t bw = dsc->border_width;
    int32_t far = r_out + bw + 1;
    lv_area_t inner = *coords;
    inner.x1 = (lv_coord_t)(coords->x1 + ((dsc->border_side & LV_BORDER_SIDE_LEFT) ? bw : -far));
    inner.x2 = (lv_coord_t)(coords->x2 - ((dsc->border_side & LV_BORDER_SIDE_RIGHT) ? bw : -far));
    inner.y1 = (lv_coord_t)(coords->y1 + ((dsc->border_side & LV_BORDER_SIDE_TOP) ? bw : -far));
    inner.y2 = (lv_coord_t)(coords->y2 - ((dsc->border_side & LV_BORDER_SIDE_BOTTOM) ? bw : -far));
    int32_t r_in = LV_MAX(r_out - bw, 0);

    draw_ring(draw_ctx, coords, r_out, &inner, r_in, dsc->border_color, dsc->border_opa, dsc->blend_mode);
}

static void draw_outline(lv_draw_ctx_t * draw_ctx, const lv_draw_rect_dsc_t * dsc, const lv_area_t * coords)
{
    if(dsc->outline_opa <= LV_OPA_MIN || dsc->outline_width <= 0) return;

    int32_t pad = dsc->outline_pad;
    int32_t r = clamp_radius(coords, dsc->radius);
    lv_area_t inner = *coords;
    lv_area_increase(&inner, (lv_coord_t)pad, (lv_coord_t)pad);
    lv_area_t outer = inner;
    lv_area_increase(&outer, dsc->outline_width, dsc->outline_width);

    int32_t r_in = r > 0 ? clamp_radius(&inner, r + pad) : 0;
    int32_t r_out = r > 0 ? clamp_radius(&outer, r_in + dsc->outline_width) : 0;
    draw_ring(draw_ctx, &outer, r_out, &inner, r_in, dsc->outline_color, dsc->outline_opa, dsc->blend_mode);
}

/* The plain rectangles of a ring: the left and right sides over the rows
 * sy1..sy2, and the top and bottom bands over the columns sx1..sx2. */
static void ring_fill_straight(lv_draw_ctx_t * draw_ctx, const lv_area_t * outer, const lv_area_t * inner,
                               int32_t sy1, int32_t sy2, int32_t sx1, int32_t sx2, lv_color_t color, lv_opa_t opa,
                               lv_blend_mode_t mode)
{
    lv_area_t a;
    lv_area_set(&a, outer->x1, (lv_coord_t)sy1, (lv_coord_t)LV_MIN(inner->x1 - 1, outer->x2), (lv_coord_t)sy2);
    fill_area(draw_ctx, &a, color, opa, mode);
    lv_area_set(&a, (lv_coord_t)LV_MAX(inner->x2 + 1, outer->x1), (lv_coord_t)sy1, outer->x2, (lv_coord_t)sy2);
    fill_area(draw_ctx, &a, color, opa, mode);
    if(sx1 > sx2) return;
    lv_area_set(&a, (lv_coord_t)sx1, outer->y1, (lv_coord_t)sx2, (lv_coord_t)LV_MIN(inner->y1 - 1, sy1 - 1));
    fill_area(draw_ctx, &a, color, opa, mode);
    lv_area_set(&a, (lv_coord_t)sx1, (lv_coord_t)LV_MAX(inner->y2 + 1, sy2 + 1), (lv_coord_t)sx2, outer->y2);
    fill_area(draw_ctx, &a, color, opa, mode);
}

/* The area between two rounded rectangles. The straight stretches of the
 * four sides (rows and columns clear of both outlines' corners) are plain
 * rectangles; everything else goes row by row through the two radius masks. */
static void draw_ring(lv_draw_ctx_t * draw_ctx, const lv_area_t * outer, int32_t r_out, const lv_area_t * inner,
                      int32_t r_in, lv_color_t color, lv_opa_t opa, lv_blend_mode_t mode)
{
    lv_area_t clip;
    if(!_lv_area_intersect(&clip, outer, draw_ctx->clip_area)) return;

    /*Straight part: rows clear of every corner of both rectangles*/
    int32_t sy1 = LV_MAX(outer->y1 + r_out, inner->y1 + r_in);
    int32_t sy2 = LV_MIN(outer->y2 - r_out, inner->y2 - r_in);
    int32_t sx1 = LV_MAX(outer->x1 + r_out, inner->x1 + r_in);
    int32_t sx2 = LV_MIN(outer->x2 - r_out, inner->x2 - r_in);
    bool straight = !lv_draw_mask_is_any(outer) && sy1 <= sy2;
    if(straight) ring_fill_straight(draw_ctx, outer, inner, sy1, sy2, sx1, sx2, color, opa, mode);

    lv_draw_mask_radius_param_t mask_out, mask_in;
    lv_draw_mask_radius_init(&mask_out, outer, (lv_coord_t)r_out, false);
    lv_draw_mask_radius_init(&mask_in, inner, (lv_coord_t)r_in, true);
    int16_t id_out = lv_draw_mask_add(&mask_out, NULL);
    int16_t id_in = lv_draw_mask_add(&mask_in, NULL);

    int32_t w = lv_area_get_width(&clip);
    lv_opa_t * mask_buf = lv_mem_buf_get((uint32_t)w);
    lv_draw_sw_blend_dsc_t blend_dsc;
    lv_memset_00(&blend_dsc, sizeof(blend_dsc));
    blend_dsc.color = color;
    blend_dsc.opa = opa;
    blend_dsc.blend_mode = mode;

    lv_area_t row = {clip.x1, 0, clip.x2, 0};
    for(int32_t y = clip.y1; y <= clip.y2; y++) {
        if(straight && y >= sy1 && y <= sy2) {
            y = LV_MIN(sy2, clip.y2);
            continue;
        }
        row.y1 = row.y2 = (lv_coord_t)y;
        lv_memset_ff(mask_buf, (size_t)w);
        /*Top/bottom band pixels already drawn as rectangles are skipped*/
        bool band_row = straight && sx1 <= sx2 && (y < sy1 || y > sy2) && (y < inner->y1 || y > inner->y2);
        if(band_row) {
            int32_t b1 = LV_MAX(sx1, clip.x1), b2 = LV_MIN(sx2, clip.x2);
            if(b1 <= b2) lv_memset_00(&mask_buf[b1 - clip.x1], (size_t)(b2 - b1 + 1));
        }
        blend_dsc.mask_res = lv_draw_mask_apply(mask_buf, clip.x1, (lv_coord_t)y, (lv_coord_t)w);
        if(band_row && blend_dsc.mask_res == LV_DRAW_MASK_RES_FULL_COVER) blend_dsc.mask_res = LV_DRAW_MASK_RES_CHANGED;
        if(blend_dsc.mask_res == LV_DRAW_MASK_RES_TRANSP) continue;
        blend_dsc.mask_buf = mask_buf;
        blend_dsc.mask_area = &row;
        blend_dsc.blend_area = &row;
        lv_draw_sw_blend(draw_ctx, &blend_dsc);
    }

    lv_mem_buf_release(mask_buf);
    lv_draw_mask_remove_id(id_in);
    lv_draw_mask_remove_id(id_out);
    lv_draw_mask_free_param(&mask_in);
    lv_draw_mask_free_param(&mask_out);
}

/* A simple shadow: opacity falls linearly from the full `shadow_opa` half a
 * blur width inside the (offset, spread) shape to nothing half a width
 * outside, measured as the distance to the rounded shape. Nothing is drawn
 * under the object itself. */
static void draw_shadow(lv_draw_ctx_t * draw_ctx, const lv_draw_rect_dsc_t * dsc, const lv_area_t * coords)
{
    if(dsc->shadow_width == 0 || dsc->shadow_opa <= LV_OPA_MIN) return;
    if(dsc->shadow_width == 1 && dsc->shadow_spread <= 0 && dsc->shadow_ofs_x == 0 && dsc->shadow_ofs_y == 0) return;

    int32_t sw = LV_MAX(dsc->shadow_width, 1);
    lv_area_t core = *coords;
    lv_area_move(&core, dsc->shadow_ofs_x, dsc->shadow_ofs_y);
    lv_area_increase(&core, dsc->shadow_spread, dsc->shadow_spread);
    if(core.x1 > core.x2 || core.y1 > core.y2) return;
    int32_t r = clamp_radius(&core, dsc->radius + dsc->shadow_spread);

    lv_area_t area = core;
    lv_area_increase(&area, (lv_coord_t)(sw / 2 + 1), (lv_coord_t)(sw / 2 + 1));
    lv_area_t clip;
    if(!_lv_area_intersect(&clip, &area, draw_ctx->clip_area)) return;

    lv_draw_mask_radius_param_t mask_obj;
    lv_draw_mask_radius_init(&mask_obj, coords, (lv_coord_t)clamp_radius(coords, dsc->radius), true);
    int16_t id = lv_draw_mask_add(&mask_obj, NULL);

    int32_t w = lv_area_get_width(&clip);
    lv_opa_t * mask_buf = lv_mem_buf_get((uint32_t)w);
    lv_area_t row = {clip.x1, 0, clip.x2, 0};
    lv_draw_sw_blend_dsc_t blend_dsc;
    lv_memset_00(&blend_dsc, sizeof(blend_dsc));
    blend_dsc.color = dsc->shadow_color;
    blend_dsc.opa = dsc->shadow_opa;
    blend_dsc.blend_mode = dsc->blend_mode;

    /*Half sizes and centre of the core in 1/16 px*/
    int32_t cx = (core.x1 + core.x2 + 1) * 8, cy = (core.y1 + core.y2 + 1) * 8;
    int32_t hx = lv_area_get_width(&core) * 8 - r * 16, hy = lv_area_get_height(&core) * 8 - r * 16;
    int32_t q_max = (sw + r + 2) * 16;  /*Farther than this is transparent anyway; keeps the squares in 32 bits*/
    for(int32_t y = clip.y1; y <= clip.y2; y++) {
        int32_t qy = LV_MIN(LV_MAX(LV_ABS(y * 16 + 8 - cy) - hy, 0), q_max);
        for(int32_t x = clip.x1; x <= clip.x2; x++) {
            int32_t qx = LV_MIN(LV_MAX(LV_ABS(x * 16 + 8 - cx) - hx, 0), q_max);
            lv_sqrt_res_t d;
            lv_sqrt((uint32_t)(qx * qx + qy * qy), &d, 0x8000);
            int32_t dist16 = (int32_t)d.i - r * 16;             /*signed distance to the shape, 1/16 px*/
            int32_t v = 128 - dist16 * 255 / (sw * 16);
            mask_buf[x - clip.x1] = (lv_opa_t)LV_CLAMP(0, v, 255);
        }
        row.y1 = row.y2 = (lv_coord_t)y;
        blend_dsc.mask_res = lv_draw_mask_apply(mask_buf, clip.x1, (lv_coord_t)y, (lv_coord_t)w);
        if(blend_dsc.mask_res == LV_DRAW_MASK_RES_TRANSP) continue;
        blend_dsc.mask_res = LV_DRAW_MASK_RES_CHANGED;
        blend_dsc.mask_buf = mask_buf;
        blend_dsc.mask_area = &row;
        blend_dsc.blend_area = &row;
        lv_draw_sw_blend(draw_ctx, &blend_dsc);
    }

    lv_mem_buf_release(mask_buf);
    lv_draw_mask_remove_id(id);
    lv_draw_mask_free_param(&mask_obj);
}
