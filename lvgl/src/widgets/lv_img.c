/**
 * @file lv_img.c
 * Image widget.
 *
 * Hit test: with LV_OBJ_FLAG_ADV_HITTEST (set by default) a point hits the
 * image only where it is opaque enough (alpha >= 50 %) for true-colour-alpha
 * sources, so round icons are not clickable in their transparent corners.
 * Upstream tests only the (transformed) rectangle.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_img.h"
#if LV_USE_IMG != 0

#include "../draw/lv_img_decoder.h"
#include "../misc/lv_assert.h"
#include "../misc/lv_math.h"
#include "../misc/lv_txt.h"

/*********************
 *      DEFINES
 *********************/
#define MY_CLASS &lv_img_class

/** Alpha from which a pixel counts as part of the image for clicks*/
#define HIT_ALPHA_MIN   LV_OPA_50

/**********************
 *  STATIC PROTOTYPES
 **********************/
static void img_constructor(const lv_obj_class_t * class_p, lv_obj_t * obj);
static void img_event(const lv_obj_class_t * class_p, lv_event_t * e);
static void draw_event(lv_event_t * e);
static bool hit_test_alpha(lv_obj_t * obj, const lv_point_t * point);
static void get_transformed_coords(lv_obj_t * obj, lv_area_t * coords);

/**********************
 *  STATIC VARIABLES
 **********************/
const lv_obj_class_t lv_img_class = {
    .constructor_cb = img_constructor,
    .event_cb = img_event,
    .width_def = LV_SIZE_CONTENT,
    .height_def = LV_SIZE_CONTENT,
    .instance_size = sizeof(lv_img_t),
    .base_class = &lv_obj_class
};

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

lv_obj_t * lv_img_create(lv_obj_t * parent)
{
    lv_obj_t * obj = lv_obj_class_create_obj(MY_CLASS, parent);
    if(obj == NULL) return NULL;
    lv_obj_class_init_obj(obj);
    return obj;
}

/*=====================
 * Setter functions
 *====================*/

/**
 * Show `src`: an lv_img_dsc_t (the image's size becomes the widget's content
 * size and the pivot its centre) or a symbol/text string drawn with the
 * widget's font. NULL shows nothing.
 */
void lv_img_set_src(lv_obj_t * obj, const void * src)
{
    lv_obj_invalidate(obj);

    lv_img_t * img = (lv_img_t *)obj;

    if(src == NULL) {
        img->src = NULL;
        img->src_type = LV_IMG_SRC_UNKNOWN;
        img->w = 0;
        img->h = 0;
        lv_obj_refresh_self_size(obj);
        return;
    }

    lv_img_src_t src_type = lv_img_src_get_type(src);
    lv_coord_t w = 0;
    lv_coord_t h = 0;
    lv_img_cf_t cf = 0;
    if(src_type == LV_IMG_SRC_SYMBOL) {
        /*A symbol is text: the decoder knows nothing of its size, the font does*/
        lv_point_t size;
        lv_txt_get_size(&size, src, lv_obj_get_style_text_font(obj, LV_PART_MAIN),
                        lv_obj_get_style_text_letter_space(obj, LV_PART_MAIN),
                        lv_obj_get_style_text_line_space(obj, LV_PART_MAIN), LV_COORD_MAX, LV_TEXT_FLAG_NONE);
        w = size.x;
        h = size.y;
    }
    else {
        lv_img_header_t header;
        if(lv_img_decoder_get_info(src, &header) != LV_RES_OK) return;
        w = header.w;
        h = header.h;
        cf = header.cf;
    }

    img->src      = src;
    img->src_type = src_type;
    img->w        = w;
    img->h        = h;
    img->cf       = cf;
    img->pivot.x = w / 2;
    img->pivot.y = h / 2;

    lv_obj_refresh_self_size(obj);

    /*A transformed image reaches past the widget, by an amount that depends on its size*/
    if(img->angle || img->zoom != LV_IMG_ZOOM_NONE) lv_obj_refresh_ext_draw_size(obj);

    lv_obj_invalidate(obj);
}

void lv_img_set_offset_x(lv_obj_t * obj, lv_coord_t x)
{
    lv_img_t * img = (lv_img_t *)obj;
    if(img->w > 0) x = x % img->w;
    img->offset.x = x;
    lv_obj_invalidate(obj);
}

void lv_img_set_offset_y(lv_obj_t * obj, lv_coord_t y)
{
    lv_img_t * img = (lv_img_t *)obj;
    if(img->h > 0) y = y % img->h;
    img->offset.y = y;
    lv_obj_invalidate(obj);
}

void lv_img_set_angle(lv_obj_t * obj, int16_t angle)
{
    while(angle >= 3600) angle -= 3600;
    while(angle < 0) angle += 3600;

    lv_img_t * img = (lv_img_t *)obj;
    if(angle == img->angle) return;

    lv_obj_invalidate(obj);
    img->angle = angle;
    lv_obj_refresh_ext_draw_size(obj);
    lv_obj_invalidate(obj);
}

void lv_img_set_pivot(lv_obj_t * obj, lv_coord_t x, lv_coord_t y)
{
    lv_img_t * img = (lv_img_t *)obj;
    if(img->pivot.x == x && img->pivot.y == y) return;

    lv_obj_invalidate(obj);
    img->pivot.x = x;
    img->pivot.y = y;
    lv_obj_refresh_ext_draw_size(obj);
    lv_obj_invalidate(obj);
}

void lv_img_set_zoom(lv_obj_t * obj, uint16_t zoom)
{
    lv_img_t * img = (lv_img_t *)obj;
    if(zoom == img->zoom) return;

    if(zoom == 0) zoom = 1;

    lv_obj_invalidate(obj);
    img->zoom = zoom;

    /*A zoomed image may reach past the widget*/
    lv_obj_refresh_ext_draw_size(obj);
    if(img->obj_size_mode == LV_IMG_SIZE_MODE_REAL) lv_obj_refresh_self_size(obj);
    lv_obj_invalidate(obj);
}

void lv_img_set_antialias(lv_obj_t * obj, bool antialias)
{
    lv_img_t * img = (lv_img_t *)obj;
    if(antialias == img->antialias) return;

    img->antialias = antialias;
    lv_obj_invalidate(obj);
}

void lv_img_set_size_mode(lv_obj_t * obj, lv_img_size_mode_t mode)
{
    lv_img_t * img = (lv_img_t *)obj;
    if(mode == img->obj_size_mode) return;

    img->obj_size_mode = mode;
    lv_obj_refresh_self_size(obj);
    lv_obj_invalidate(obj);
}

/*=====================
 * Getter functions
 *====================*/

const void * lv_img_get_src(lv_obj_t * obj)
{
    return ((lv_img_t *)obj)->src;
}

lv_coord_t lv_img_get_offset_x(lv_obj_t * obj)
{
    return ((lv_img_t *)obj)->offset.x;
}

lv_coord_t lv_img_get_offset_y(lv_obj_t * obj)
{
    return ((lv_img_t *)obj)->offset.y;
}

uint16_t lv_img_get_angle(lv_obj_t * obj)
{
    return ((lv_img_t *)obj)->angle;
}

void lv_img_get_pivot(lv_obj_t * obj, lv_point_t * pivot)
{
    *pivot = ((lv_img_t *)obj)->pivot;
}

uint16_t lv_img_get_zoom(lv_obj_t * obj)
{
    return ((lv_img_t *)obj)->zoom;
}

bool lv_img_get_antialias(lv_obj_t * obj)
{
    return ((lv_img_t *)obj)->antialias ? true : false;
}

lv_img_size_mode_t lv_img_get_size_mode(lv_obj_t * obj)
{
    return ((lv_img_t *)obj)->obj_size_mode;
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

/* An empty image that lets clicks through, but hit-tests by alpha once made clickable. */
static void img_constructor(const lv_obj_class_t * class_p, lv_obj_t * obj)
{
    LV_UNUSED(class_p);

    lv_img_t * img = (lv_img_t *)obj;

    img->src       = NULL;
    img->src_type  = LV_IMG_SRC_UNKNOWN;
    img->cf        = 0;
    img->w         = 0;
    img->h         = 0;
    img->angle = 0;
    img->zoom = LV_IMG_ZOOM_NONE;
    img->antialias = LV_COLOR_DEPTH > 8 ? 1 : 0;
    img->offset.x  = 0;
    img->offset.y  = 0;
    img->pivot.x = 0;
    img->pivot.y = 0;
    img->obj_size_mode = LV_IMG_SIZE_MODE_VIRTUAL;

    lv_obj_clear_flag(obj, LV_OBJ_FLAG_CLICKABLE);
    lv_obj_add_flag(obj, LV_OBJ_FLAG_ADV_HITTEST);
}

/**
 * The area the (zoomed, rotated) image covers on the screen, when the
 * widget is exactly image sized; otherwise the widget's area.
 */
static void get_transformed_coords(lv_obj_t * obj, lv_area_t * coords)
{
    lv_img_t * img = (lv_img_t *)obj;
    lv_coord_t w = lv_obj_get_width(obj);
    lv_coord_t h = lv_obj_get_height(obj);
    if(img->w == w && img->h == h &&
       (img->zoom != LV_IMG_ZOOM_NONE || img->angle != 0)) {
        _lv_img_buf_get_transformed_area(coords, w, h, img->angle, img->zoom, &img->pivot);
        lv_area_move(coords, obj->coords.x1, obj->coords.y1);
    }
    else {
        lv_area_copy(coords, &obj->coords);
    }
}

/**
 * Map the point back into the source image (undoing zoom and rotation around
 * the pivot) and test that pixel's alpha. Sources without alpha and symbol
 * texts count as fully opaque.
 */
static bool hit_test_alpha(lv_obj_t * obj, const lv_point_t * point)
{
    lv_img_t * img = (lv_img_t *)obj;
    if(img->src_type != LV_IMG_SRC_VARIABLE || img->cf != LV_IMG_CF_TRUE_COLOR_ALPHA) return true;
    const lv_img_dsc_t * dsc = img->src;
    if(dsc->data == NULL || img->w <= 0 || img->h <= 0) return false;

    lv_coord_t border_width = lv_obj_get_style_border_width(obj, LV_PART_MAIN);
    lv_coord_t x0 = obj->coords.x1 + lv_obj_get_style_pad_left(obj, LV_PART_MAIN) + border_width;
    lv_coord_t y0 = obj->coords.y1 + lv_obj_get_style_pad_top(obj, LV_PART_MAIN) + border_width;

    /*Relative to the pivot, then undo the rotation and the zoom*/
    lv_point_t p = {(lv_coord_t)(point->x - x0 - img->pivot.x), (lv_coord_t)(point->y - y0 - img->pivot.y)};
    if(img->angle != 0) {
        lv_point_t origin = {0, 0};
        lv_point_transform(&p, -(int32_t)img->angle, LV_IMG_ZOOM_NONE, &origin);
    }
    int32_t sx = ((int32_t)p.x * LV_IMG_ZOOM_NONE) / img->zoom + img->pivot.x;
    int32_t sy = ((int32_t)p.y * LV_IMG_ZOOM_NONE) / img->zoom + img->pivot.y;
    sx -= img->offset.x;
    sy -= img->offset.y;
    if(sx < 0 || sy < 0 || sx >= img->w || sy >= img->h) return false;

    uint32_t px = (uint32_t)sy * (uint32_t)dsc->header.w + (uint32_t)sx;
    uint32_t alpha_pos = px * LV_IMG_PX_SIZE_ALPHA_BYTE + LV_IMG_PX_SIZE_ALPHA_BYTE - 1;
    if(alpha_pos >= dsc->data_size) return false;
    return dsc->data[alpha_pos] >= HIT_ALPHA_MIN;
}

/* How far the transformed image reaches past the widget's edges. */
static lv_coord_t transform_reach(lv_obj_t * obj)
{
    lv_img_t * img = (lv_img_t *)obj;
    if(img->angle == 0 && img->zoom == LV_IMG_ZOOM_NONE) return 0;

    lv_area_t a;
    lv_coord_t w = lv_obj_get_width(obj);
    lv_coord_t h = lv_obj_get_height(obj);
    _lv_img_buf_get_transformed_area(&a, w, h, img->angle, img->zoom, &img->pivot);
    return LV_MAX(LV_MAX(-a.x1, -a.y1), LV_MAX(a.x2 - w, a.y2 - h));
}

/* Content size: the source's size, zoomed in REAL size mode. */
static void report_self_size(lv_obj_t * obj, lv_point_t * p)
{
    lv_img_t * img = (lv_img_t *)obj;
    if(img->obj_size_mode == LV_IMG_SIZE_MODE_REAL) {
        p->x = (lv_coord_t)(((int32_t)img->w * img->zoom) >> 8);
        p->y = (lv_coord_t)(((int32_t)img->h * img->zoom) >> 8);
    }
    else {
        p->x = img->w;
        p->y = img->h;
    }
}

static void img_event(const lv_obj_class_t * class_p, lv_event_t * e)
{
    LV_UNUSED(class_p);

    lv_event_code_t code = lv_event_get_code(e);

    /*For the drawing events draw_event calls the base class itself, with
     *the coordinates swapped for the transformed area*/
    if(code != LV_EVENT_DRAW_MAIN && code != LV_EVENT_DRAW_POST) {
        if(lv_obj_event_base(MY_CLASS, e) != LV_RES_OK) return;
    }

    lv_obj_t * obj = lv_event_get_target(e);
    lv_img_t * img = (lv_img_t *)obj;

    if(code == LV_EVENT_STYLE_CHANGED) {
        /*A symbol is measured with the font, which may have changed; otherwise
         *only the reach past the edges needs working out again*/
        if(img->src_type == LV_IMG_SRC_SYMBOL) lv_img_set_src(obj, img->src);
        else lv_obj_refresh_ext_draw_size(obj);
    }
    else if(code == LV_EVENT_REFR_EXT_DRAW_SIZE) {
        lv_coord_t * s = lv_event_get_param(e);
        if(img->angle || img->zoom != LV_IMG_ZOOM_NONE) *s = LV_MAX(*s, transform_reach(obj));
    }
    else if(code == LV_EVENT_HIT_TEST) {
        lv_hit_test_info_t * info = lv_event_get_param(e);
        lv_area_t coords;
        get_transformed_coords(obj, &coords);
        info->res = _lv_area_is_point_on(&coords, info->point, 0) && hit_test_alpha(obj, info->point);
    }
    else if(code == LV_EVENT_GET_SELF_SIZE) {
        report_self_size(obj, lv_event_get_param(e));
    }
    else if(code == LV_EVENT_DRAW_MAIN || code == LV_EVENT_DRAW_POST || code == LV_EVENT_COVER_CHECK) {
        draw_event(e);
    }
}

static void draw_source_image(lv_obj_t * obj, lv_draw_ctx_t * draw_ctx, const lv_area_t * img_area,
                              const lv_area_t * bg_coords)
{
    lv_img_t * img = (lv_img_t *)obj;
    lv_draw_img_dsc_t img_dsc;
    lv_draw_img_dsc_init(&img_dsc);
    lv_obj_init_draw_img_dsc(obj, LV_PART_MAIN, &img_dsc);
    if(img_dsc.opa <= LV_OPA_MIN) return;

    img_dsc.zoom = img->zoom;
    img_dsc.angle = img->angle;
    img_dsc.pivot.x = img->pivot.x;
    img_dsc.pivot.y = img->pivot.y;
    img_dsc.antialias = img->antialias;

    /*Clip to the zoomed/rotated widget area*/
    lv_area_t img_clip_area;
    if(!_lv_area_intersect(&img_clip_area, draw_ctx->clip_area, bg_coords)) return;

    const lv_area_t * clip_area_ori = draw_ctx->clip_area;
    draw_ctx->clip_area = &img_clip_area;
    lv_draw_img(draw_ctx, &img_dsc, img_area, img->src);
    draw_ctx->clip_area = clip_area_ori;
}

/**
 * Draw the background of the base object on the transformed area, then the
 * image (or the symbol text) clipped to the widget's content area grown by
 * the transformation.
 */
static void draw_event(lv_event_t * e)
{
    lv_event_code_t code = lv_event_get_code(e);
    lv_obj_t * obj = lv_event_get_target(e);
    lv_img_t * img = (lv_img_t *)obj;
    if(code == LV_EVENT_COVER_CHECK) {
        lv_cover_check_info_t * info = lv_event_get_param(e);
        if(info->res == LV_COVER_RES_MASKED) return;
        /*An image may be transparent anywhere: never claim to cover*/
        info->res = LV_COVER_RES_NOT_COVER;
        return;
    }

    /*The base class draws background and border on the transformed area*/
    lv_area_t bg_coords;
    get_transformed_coords(obj, &bg_coords);
    lv_area_t ori_coords = obj->coords;
    obj->coords = bg_coords;
    if(lv_obj_event_base(MY_CLASS, e) != LV_RES_OK) return;
    obj->coords = ori_coords;

    if(code != LV_EVENT_DRAW_MAIN) return;
    if(img->h == 0 || img->w == 0 || img->src == NULL) return;

    lv_draw_ctx_t * draw_ctx = lv_event_get_draw_ctx(e);

    lv_coord_t border_width = lv_obj_get_style_border_width(obj, LV_PART_MAIN);
    lv_area_t img_area;
    img_area.x1 = obj->coords.x1 + lv_obj_get_style_pad_left(obj, LV_PART_MAIN) + border_width + img->offset.x;
    img_area.y1 = obj->coords.y1 + lv_obj_get_style_pad_top(obj, LV_PART_MAIN) + border_width + img->offset.y;
    img_area.x2 = img_area.x1 + img->w - 1;
    img_area.y2 = img_area.y1 + img->h - 1;

    if(img->src_type == LV_IMG_SRC_VARIABLE) {
        draw_source_image(obj, draw_ctx, &img_area, &bg_coords);
    }
    else if(img->src_type == LV_IMG_SRC_SYMBOL) {
        lv_draw_label_dsc_t label_dsc;
        lv_draw_label_dsc_init(&label_dsc);
        lv_obj_init_draw_label_dsc(obj, LV_PART_MAIN, &label_dsc);
        lv_draw_label(draw_ctx, &label_dsc, &obj->coords, img->src, NULL);
    }
}

#endif
