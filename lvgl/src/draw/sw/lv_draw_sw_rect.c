/**
 * @file lv_draw_sw_rect.c
 * Rectangles, in layers: shadow, background, background image, border,
 * outline.
 *
 * Flat parts go to the blend step as whole unmasked rectangles, so a
 * replaced blend step sees them as plain fills: the rows of a background
 * between its rounded corners are one fill, the straight stretches of a
 * border four. Only corner rows go through masks, and of those only the
 * columns the masks leave visible.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_draw_sw.h"
#include "../../misc/lv_math.h"
#include "../../misc/lv_mem.h"
#include "../../misc/lv_txt.h"

/**********************
 *      TYPEDEFS
 **********************/

/* What a layer paints with. */
typedef struct {
    lv_draw_ctx_t * ctx;
    lv_color_t color;
    lv_opa_t opa;
    lv_blend_mode_t mode;
} brush_t;

/**********************
 *   STATIC FUNCTIONS
 **********************/

/* A radius larger than half the short side would overlap itself. */
static int32_t fit_radius(const lv_area_t * a, int32_t r)
{
    int32_t half = LV_MIN(lv_area_get_width(a), lv_area_get_height(a)) / 2;
    return LV_CLAMP(0, r, half);
}

static void fill_rect(const brush_t * b, lv_coord_t x1, lv_coord_t y1, lv_coord_t x2, lv_coord_t y2)
{
    if(x1 > x2 || y1 > y2) return;
    lv_area_t a = {x1, y1, x2, y2};
    lv_draw_sw_blend_dsc_t out = {
        .blend_area = &a,
        .color = b->color,
        .opa = b->opa,
        .mask_res = LV_DRAW_MASK_RES_FULL_COVER,
        .blend_mode = b->mode,
    };
    lv_draw_sw_blend(b->ctx, &out);
}

/* Blends one row, x1..x2 at y, whose coverage is `cover` (one value per
 * column from x1), as the masks left it (`res`). Columns at either end that
 * ended up hidden are dropped first. `colors` (or NULL for the brush's
 * colour) runs parallel to `cover`. */
static void blend_row(const brush_t * b, lv_coord_t x1, lv_coord_t x2, lv_coord_t y, lv_opa_t * cover,
                      lv_draw_mask_res_t res, const lv_color_t * colors)
{
    if(res == LV_DRAW_MASK_RES_TRANSP) return;
    int32_t first = 0, last = x2 - x1;
    if(res != LV_DRAW_MASK_RES_FULL_COVER) {
        while(first <= last && cover[first] == 0) first++;
        while(last >= first && cover[last] == 0) last--;
        if(first > last) return;
    }
    lv_area_t row = {(lv_coord_t)(x1 + first), y, (lv_coord_t)(x1 + last), y};
    lv_draw_sw_blend_dsc_t out = {
        .blend_area = &row,
        .src_buf = colors ? colors + first : NULL,
        .color = b->color,
        .mask_buf = res == LV_DRAW_MASK_RES_FULL_COVER ? NULL : cover + first,
        .mask_res = res,
        .mask_area = &row,
        .opa = b->opa,
        .blend_mode = b->mode,
    };
    lv_draw_sw_blend(b->ctx, &out);
}

/* A gradient that actually changes colour. */
static bool has_gradient(const lv_grad_dsc_t * g)
{
    if(g->dir == LV_GRAD_DIR_NONE || g->stops_count < 2) return false;
    return g->stops[0].color.full != g->stops[g->stops_count - 1].color.full;
}

/* The colours of a horizontal gradient across coords, for the columns of
 * `clip`; a temporary buffer, or NULL. */
static lv_color_t * gradient_columns(const lv_grad_dsc_t * g, const lv_area_t * coords, const lv_area_t * clip)
{
    int32_t n = lv_area_get_width(clip);
    lv_color_t * cols = lv_mem_buf_get((uint32_t)n * sizeof(lv_color_t));
    if(cols == NULL) return NULL;
    lv_coord_t span = lv_area_get_width(coords);
    for(int32_t i = 0; i < n; i++) cols[i] = lv_gradient_calculate(g, span, (lv_coord_t)(clip->x1 - coords->x1 + i));
    return cols;
}

/* Rows between the corners are one unmasked fill unless a gradient or a
 * global mask needs them row by row; corner rows go through the radius mask
 * and whatever other masks are active. */
static void paint_background(lv_draw_ctx_t * ctx, const lv_draw_rect_dsc_t * dsc, const lv_area_t * coords)
{
    if(dsc->bg_opa <= LV_OPA_MIN) return;
    lv_area_t clip;
    if(!_lv_area_intersect(&clip, coords, ctx->clip_area)) return;

    brush_t brush = {ctx, dsc->bg_color, dsc->bg_opa, dsc->blend_mode};
    int32_t r = fit_radius(coords, dsc->radius);
    const lv_grad_dsc_t * grad = &dsc->bg_grad;
    bool graded = has_gradient(grad);
    bool masked = lv_draw_mask_is_any(coords);
    if(!graded && !masked && r == 0) {
        fill_rect(&brush, coords->x1, coords->y1, coords->x2, coords->y2);
        return;
    }

    lv_draw_mask_radius_param_t corners;
    int16_t corners_id = LV_MASK_ID_INV;
    if(r > 0) {
        lv_draw_mask_radius_init(&corners, coords, (lv_coord_t)r, false);
        corners_id = lv_draw_mask_add(&corners, NULL);
    }
    int32_t w = lv_area_get_width(&clip);
    lv_opa_t * cover = lv_mem_buf_get((uint32_t)w);
    lv_color_t * columns = graded && grad->dir == LV_GRAD_DIR_HOR ? gradient_columns(grad, coords, &clip) : NULL;
    bool block_fill = !masked && !graded;
    int32_t flat_top = coords->y1 + r, flat_bottom = coords->y2 - r;

    for(int32_t y = clip.y1; cover != NULL && y <= clip.y2; y++) {
        if(block_fill && y >= flat_top && y <= flat_bottom) {
            int32_t to = LV_MIN(flat_bottom, clip.y2);
            fill_rect(&brush, coords->x1, (lv_coord_t)y, coords->x2, (lv_coord_t)to);
            y = to;
            continue;
        }
        if(graded && grad->dir == LV_GRAD_DIR_VER) {
            brush.color = lv_gradient_calculate(grad, lv_area_get_height(coords), (lv_coord_t)(y - coords->y1));
        }
        lv_memset_ff(cover, (size_t)w);
        lv_draw_mask_res_t res = lv_draw_mask_apply(cover, clip.x1, (lv_coord_t)y, (lv_coord_t)w);
        blend_row(&brush, clip.x1, clip.x2, (lv_coord_t)y, cover, res, columns);
    }

    if(columns) lv_mem_buf_release(columns);
    if(cover) lv_mem_buf_release(cover);
    if(corners_id != LV_MASK_ID_INV) lv_draw_mask_remove_id(corners_id);
}

/* The background image: a symbol is text centred in the rectangle, an image
 * is centred too, or repeated over the whole rectangle when tiled. */
static void paint_bg_image(lv_draw_ctx_t * ctx, const lv_draw_rect_dsc_t * dsc, const lv_area_t * coords)
{
    if(dsc->bg_img_src == NULL || dsc->bg_img_opa <= LV_OPA_MIN) return;
    lv_coord_t cx = (lv_coord_t)(coords->x1 + lv_area_get_width(coords) / 2);
    lv_coord_t cy = (lv_coord_t)(coords->y1 + lv_area_get_height(coords) / 2);

    if(lv_img_src_get_type(dsc->bg_img_src) == LV_IMG_SRC_SYMBOL) {
        const lv_font_t * font = dsc->bg_img_symbol_font ? dsc->bg_img_symbol_font : LV_FONT_DEFAULT;
        lv_point_t extent;
        lv_txt_get_size(&extent, dsc->bg_img_src, font, 0, 0, LV_COORD_MAX, LV_TEXT_FLAG_NONE);
        lv_area_t box = {(lv_coord_t)(cx - extent.x / 2), (lv_coord_t)(cy - extent.y / 2), 0, 0};
        lv_area_set_width(&box, extent.x);
        lv_area_set_height(&box, extent.y);
        lv_draw_label_dsc_t text;
        lv_draw_label_dsc_init(&text);
        text.font = font;
        text.color = dsc->bg_img_recolor;
        text.opa = dsc->bg_img_opa;
        lv_draw_label(ctx, &text, &box, dsc->bg_img_src, NULL);
        return;
    }

    lv_img_header_t info;
    if(lv_img_decoder_get_info(dsc->bg_img_src, &info) != LV_RES_OK) return;
    lv_draw_img_dsc_t look;
    lv_draw_img_dsc_init(&look);
    look.opa = dsc->bg_img_opa;
    look.recolor = dsc->bg_img_recolor;
    look.recolor_opa = dsc->bg_img_recolor_opa;
    look.blend_mode = dsc->blend_mode;
    int32_t iw = info.w, ih = info.h;

    if(!dsc->bg_img_tiled) {
        lv_area_t at = {(lv_coord_t)(cx - iw / 2), (lv_coord_t)(cy - ih / 2), 0, 0};
        lv_area_set_width(&at, (lv_coord_t)iw);
        lv_area_set_height(&at, (lv_coord_t)ih);
        lv_draw_img(ctx, &look, &at, dsc->bg_img_src);
        return;
    }
    lv_area_t inside;
    if(iw <= 0 || ih <= 0 || !_lv_area_intersect(&inside, coords, ctx->clip_area)) return;
    const lv_area_t * outer_clip = ctx->clip_area;
    ctx->clip_area = &inside;
    for(int32_t y = coords->y1; y <= coords->y2; y += ih) {
        for(int32_t x = coords->x1; x <= coords->x2; x += iw) {
            lv_area_t tile = {(lv_coord_t)x, (lv_coord_t)y, (lv_coord_t)(x + iw - 1), (lv_coord_t)(y + ih - 1)};
            lv_draw_img(ctx, &look, &tile, dsc->bg_img_src);
        }
    }
    ctx->clip_area = outer_clip;
}

/* The plain parts of a ring: its left and right sides over rows y1..y2, and
 * its top and bottom bands over columns x1..x2. */
static void fill_ring_sides(const brush_t * b, const lv_area_t * outer, const lv_area_t * inner, int32_t y1,
                            int32_t y2, int32_t x1, int32_t x2)
{
    fill_rect(b, outer->x1, (lv_coord_t)y1, (lv_coord_t)LV_MIN(inner->x1 - 1, outer->x2), (lv_coord_t)y2);
    fill_rect(b, (lv_coord_t)LV_MAX(inner->x2 + 1, outer->x1), (lv_coord_t)y1, outer->x2, (lv_coord_t)y2);
    if(x1 > x2) return;
    fill_rect(b, (lv_coord_t)x1, outer->y1, (lv_coord_t)x2, (lv_coord_t)LV_MIN(inner->y1 - 1, y1 - 1));
    fill_rect(b, (lv_coord_t)x1, (lv_coord_t)LV_MAX(inner->y2 + 1, y2 + 1), (lv_coord_t)x2, outer->y2);
}

/* The area between two rounded rectangles. The stretches of the sides clear
 * of both rectangles' corners are plain rectangles; the rest goes row by
 * row through the two radius masks, with the columns already filled as
 * bands masked out so nothing is blended twice. */
static void paint_ring(const brush_t * b, const lv_area_t * outer, int32_t r_out, const lv_area_t * inner,
                       int32_t r_in)
{
    lv_area_t clip;
    if(!_lv_area_intersect(&clip, outer, b->ctx->clip_area)) return;

    int32_t sy1 = LV_MAX(outer->y1 + r_out, inner->y1 + r_in);
    int32_t sy2 = LV_MIN(outer->y2 - r_out, inner->y2 - r_in);
    int32_t sx1 = LV_MAX(outer->x1 + r_out, inner->x1 + r_in);
    int32_t sx2 = LV_MIN(outer->x2 - r_out, inner->x2 - r_in);
    bool sides = sy1 <= sy2 && !lv_draw_mask_is_any(outer);
    if(sides) fill_ring_sides(b, outer, inner, sy1, sy2, sx1, sx2);

    lv_draw_mask_radius_param_t keep_in, keep_out;
    lv_draw_mask_radius_init(&keep_in, outer, (lv_coord_t)r_out, false);
    lv_draw_mask_radius_init(&keep_out, inner, (lv_coord_t)r_in, true);
    int16_t id_in = lv_draw_mask_add(&keep_in, NULL);
    int16_t id_out = lv_draw_mask_add(&keep_out, NULL);

    int32_t w = lv_area_get_width(&clip);
    lv_opa_t * cover = lv_mem_buf_get((uint32_t)w);
    for(int32_t y = clip.y1; cover != NULL && y <= clip.y2; y++) {
        if(sides && y >= sy1 && y <= sy2) {
            y = LV_MIN(sy2, clip.y2);
            continue;
        }
        lv_memset_ff(cover, (size_t)w);
        bool in_band = sides && sx1 <= sx2 && (y < inner->y1 || y > inner->y2);
        int32_t b1 = LV_MAX(sx1, clip.x1), b2 = LV_MIN(sx2, clip.x2);
        if(in_band && b1 <= b2) lv_memset_00(&cover[b1 - clip.x1], (size_t)(b2 - b1 + 1));
        lv_draw_mask_res_t res = lv_draw_mask_apply(cover, clip.x1, (lv_coord_t)y, (lv_coord_t)w);
        if(in_band && res == LV_DRAW_MASK_RES_FULL_COVER) res = LV_DRAW_MASK_RES_CHANGED;
        blend_row(b, clip.x1, clip.x2, (lv_coord_t)y, cover, res, NULL);
    }

    if(cover) lv_mem_buf_release(cover);
    lv_draw_mask_remove_id(id_out);
    lv_draw_mask_remove_id(id_in);
}

/* The border's inner edge: the width in on the drawn sides, and far out on
 * the others, so those sides get neither border nor inner rounding. */
static void paint_border(lv_draw_ctx_t * ctx, const lv_draw_rect_dsc_t * dsc, const lv_area_t * coords)
{
    if(dsc->border_opa <= LV_OPA_MIN || dsc->border_width <= 0 || dsc->border_side == LV_BORDER_SIDE_NONE) return;
    int32_t r = fit_radius(coords, dsc->radius);
    int32_t bw = dsc->border_width;
    int32_t away = -(r + bw + 1);
    lv_border_side_t side = dsc->border_side;
    lv_area_t inner = {
        (lv_coord_t)(coords->x1 + ((side & LV_BORDER_SIDE_LEFT) ? bw : away)),
        (lv_coord_t)(coords->y1 + ((side & LV_BORDER_SIDE_TOP) ? bw : away)),
        (lv_coord_t)(coords->x2 - ((side & LV_BORDER_SIDE_RIGHT) ? bw : away)),
        (lv_coord_t)(coords->y2 - ((side & LV_BORDER_SIDE_BOTTOM) ? bw : away)),
    };
    brush_t brush = {ctx, dsc->border_color, dsc->border_opa, dsc->blend_mode};
    paint_ring(&brush, coords, r, &inner, LV_MAX(r - bw, 0));
}

/* The outline sits outline_pad outside the rectangle and follows its
 * rounding outwards. */
static void paint_outline(lv_draw_ctx_t * ctx, const lv_draw_rect_dsc_t * dsc, const lv_area_t * coords)
{
    if(dsc->outline_opa <= LV_OPA_MIN || dsc->outline_width <= 0) return;
    lv_area_t inner = *coords;
    lv_area_increase(&inner, dsc->outline_pad, dsc->outline_pad);
    lv_area_t outer = inner;
    lv_area_increase(&outer, dsc->outline_width, dsc->outline_width);
    bool rounded = fit_radius(coords, dsc->radius) > 0;
    int32_t r_in = rounded ? fit_radius(&inner, fit_radius(coords, dsc->radius) + dsc->outline_pad) : 0;
    int32_t r_out = rounded ? fit_radius(&outer, r_in + dsc->outline_width) : 0;
    brush_t brush = {ctx, dsc->outline_color, dsc->outline_opa, dsc->blend_mode};
    paint_ring(&brush, &outer, r_out, &inner, r_in);
}

/* Shadow coverage of one row: full half a blur width inside the shape
 * (moved by the offset, grown by the spread), nothing half a width outside
 * it, linear by the distance to the rounded shape in between. `mid` and
 * `half` are the shape's centre and its straight half-extent in 1/16 px. */
static void shadow_row(lv_opa_t * cover, int32_t x1, int32_t n, int32_t y, const int32_t mid[2],
                       const int32_t half[2], int32_t r, int32_t blur)
{
    int32_t far = (blur + r + 2) * 16;     /*beyond this it is transparent anyway; keeps squares in 32 bits*/
    int32_t qy = LV_MIN(LV_MAX(LV_ABS(y * 16 + 8 - mid[1]) - half[1], 0), far);
    for(int32_t i = 0; i < n; i++) {
        int32_t qx = LV_MIN(LV_MAX(LV_ABS((x1 + i) * 16 + 8 - mid[0]) - half[0], 0), far);
        lv_sqrt_res_t d;
        lv_sqrt((uint32_t)(qx * qx + qy * qy), &d, 0x8000);
        int32_t outside16 = (int32_t)d.i - r * 16;
        cover[i] = (lv_opa_t)LV_CLAMP(0, 128 - outside16 * 255 / (blur * 16), 255);
    }
}

/* A plain falloff shadow, not a Gaussian one; it is never drawn under the
 * object itself, so a translucent object does not look darker. */
static void paint_shadow(lv_draw_ctx_t * ctx, const lv_draw_rect_dsc_t * dsc, const lv_area_t * coords)
{
    if(dsc->shadow_width == 0 || dsc->shadow_opa <= LV_OPA_MIN) return;
    bool no_extent = dsc->shadow_width == 1 && dsc->shadow_spread <= 0 && dsc->shadow_ofs_x == 0 &&
                     dsc->shadow_ofs_y == 0;
    if(no_extent) return;

    int32_t blur = LV_MAX(dsc->shadow_width, 1);
    lv_area_t shape = *coords;
    lv_area_move(&shape, dsc->shadow_ofs_x, dsc->shadow_ofs_y);
    lv_area_increase(&shape, dsc->shadow_spread, dsc->shadow_spread);
    if(shape.x1 > shape.x2 || shape.y1 > shape.y2) return;
    int32_t r = fit_radius(&shape, dsc->radius + dsc->shadow_spread);

    lv_area_t reach = shape;
    lv_area_increase(&reach, (lv_coord_t)(blur / 2 + 1), (lv_coord_t)(blur / 2 + 1));
    lv_area_t clip;
    if(!_lv_area_intersect(&clip, &reach, ctx->clip_area)) return;

    lv_draw_mask_radius_param_t not_under;
    lv_draw_mask_radius_init(&not_under, coords, (lv_coord_t)fit_radius(coords, dsc->radius), true);
    int16_t id = lv_draw_mask_add(&not_under, NULL);

    /*in 1/16 px, which would overflow a coordinate*/
    const int32_t mid[2] = {(shape.x1 + shape.x2 + 1) * 8, (shape.y1 + shape.y2 + 1) * 8};
    const int32_t half[2] = {lv_area_get_width(&shape) * 8 - r * 16, lv_area_get_height(&shape) * 8 - r * 16};
    brush_t brush = {ctx, dsc->shadow_color, dsc->shadow_opa, dsc->blend_mode};
    int32_t w = lv_area_get_width(&clip);
    lv_opa_t * cover = lv_mem_buf_get((uint32_t)w);
    for(int32_t y = clip.y1; cover != NULL && y <= clip.y2; y++) {
        shadow_row(cover, clip.x1, w, y, mid, half, r, blur);
        lv_draw_mask_res_t res = lv_draw_mask_apply(cover, clip.x1, (lv_coord_t)y, (lv_coord_t)w);
        if(res == LV_DRAW_MASK_RES_FULL_COVER) res = LV_DRAW_MASK_RES_CHANGED;
        blend_row(&brush, clip.x1, clip.x2, (lv_coord_t)y, cover, res, NULL);
    }
    if(cover) lv_mem_buf_release(cover);
    lv_draw_mask_remove_id(id);
}

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

void lv_draw_sw_rect(lv_draw_ctx_t * draw_ctx, const lv_draw_rect_dsc_t * dsc, const lv_area_t * coords)
{
    paint_shadow(draw_ctx, dsc, coords);
    paint_background(draw_ctx, dsc, coords);
    paint_bg_image(draw_ctx, dsc, coords);
    paint_border(draw_ctx, dsc, coords);
    paint_outline(draw_ctx, dsc, coords);
}

/* A screen's background: no border, outline or shadow. */
void lv_draw_sw_bg(lv_draw_ctx_t * draw_ctx, const lv_draw_rect_dsc_t * dsc, const lv_area_t * coords)
{
    paint_background(draw_ctx, dsc, coords);
    paint_bg_image(draw_ctx, dsc, coords);
}
