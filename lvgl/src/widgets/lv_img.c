/**
 * @file lv_img.c
 * Image: shows a picture (an lv_img_dsc_t) or a symbol text, zoomed and
 * rotated around a pivot.
 *
 * Untransformed, a picture smaller than the widget repeats as a mosaic from
 * its offset, so animating the offset makes a running image. Transformed, it
 * is drawn once and may reach past the widget; the widget reports how far so
 * that part is redrawn too.
 *
 * Clicks: with LV_OBJ_FLAG_ADV_HITTEST (on by default) a point hits a picture
 * with an alpha channel only where the pixel under it is at least half
 * opaque, so a round icon does not take clicks in its transparent corners.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_img.h"
#if LV_USE_IMG != 0

#include "../draw/lv_img_decoder.h"
#include "../misc/lv_math.h"
#include "../misc/lv_txt.h"

/*********************
 *      DEFINES
 *********************/
/*From this alpha on a pixel counts as part of the picture for clicks*/
#define HIT_ALPHA_MIN   LV_OPA_50

/**********************
 *  STATIC PROTOTYPES
 **********************/
static void img_init(const lv_obj_class_t * class_p, lv_obj_t * obj);
static void img_event(const lv_obj_class_t * class_p, lv_event_t * e);

static bool transformed(const lv_img_t * im);
static void picture_resized(lv_obj_t * obj);
static void retransform(lv_obj_t * obj, uint16_t angle, uint16_t zoom, lv_point_t pivot);
static void picture_origin(lv_obj_t * obj, lv_point_t * origin);
static void frame_area(lv_obj_t * obj, lv_area_t * frame);
static lv_coord_t reach_outside(lv_obj_t * obj);
static bool hits_picture(lv_obj_t * obj, const lv_point_t * p);
static void draw_with_frame(const lv_obj_class_t * class_p, lv_event_t * e);
static void draw_picture(lv_obj_t * obj, lv_draw_ctx_t * ctx);

/**********************
 *  STATIC VARIABLES
 **********************/
const lv_obj_class_t lv_img_class = {
    .base_class = &lv_obj_class,
    .constructor_cb = img_init,
    .event_cb = img_event,
    .instance_size = sizeof(lv_img_t),
    .width_def = LV_SIZE_CONTENT,
    .height_def = LV_SIZE_CONTENT,
};

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

lv_obj_t * lv_img_create(lv_obj_t * parent)
{
    lv_obj_t * img = lv_obj_class_create_obj(&lv_img_class, parent);
    if(img != NULL) lv_obj_class_init_obj(img);
    return img;
}

/*
 * A picture's size comes from its header, a symbol's from the font; the
 * pivot goes to the centre. A source the decoder cannot read is refused and
 * the old one stays; NULL shows nothing.
 */
void lv_img_set_src(lv_obj_t * obj, const void * src)
{
    lv_img_t * im = (lv_img_t *)obj;
    lv_img_src_t kind = src != NULL ? lv_img_src_get_type(src) : LV_IMG_SRC_UNKNOWN;
    lv_coord_t w = 0;
    lv_coord_t h = 0;
    uint8_t cf = LV_IMG_CF_UNKNOWN;

    if(kind == LV_IMG_SRC_SYMBOL) {
        lv_point_t size;
        lv_txt_get_size(&size, src, lv_obj_get_style_text_font(obj, LV_PART_MAIN),
                        lv_obj_get_style_text_letter_space(obj, LV_PART_MAIN),
                        lv_obj_get_style_text_line_space(obj, LV_PART_MAIN), LV_COORD_MAX, LV_TEXT_FLAG_NONE);
        w = size.x;
        h = size.y;
    }
    else if(kind != LV_IMG_SRC_UNKNOWN) {
        lv_img_header_t header;
        if(lv_img_decoder_get_info(src, &header) != LV_RES_OK) return;
        w = (lv_coord_t)header.w;
        h = (lv_coord_t)header.h;
        cf = header.cf;
    }

    lv_obj_invalidate(obj);
    im->src = kind != LV_IMG_SRC_UNKNOWN ? src : NULL;
    im->src_type = kind;
    im->cf = cf;
    im->w = w;
    im->h = h;
    im->pivot.x = w / 2;
    im->pivot.y = h / 2;
    picture_resized(obj);
}

void lv_img_set_offset_x(lv_obj_t * obj, lv_coord_t x)
{
    lv_img_t * im = (lv_img_t *)obj;
    /*A whole picture's width further on, the mosaic looks the same*/
    im->offset.x = im->w > 0 ? (lv_coord_t)(x % im->w) : x;
    lv_obj_invalidate(obj);
}

void lv_img_set_offset_y(lv_obj_t * obj, lv_coord_t y)
{
    lv_img_t * im = (lv_img_t *)obj;
    im->offset.y = im->h > 0 ? (lv_coord_t)(y % im->h) : y;
    lv_obj_invalidate(obj);
}

void lv_img_set_angle(lv_obj_t * obj, int16_t angle)
{
    lv_img_t * im = (lv_img_t *)obj;
    int32_t turned = angle % 3600;
    if(turned < 0) turned += 3600;
    retransform(obj, (uint16_t)turned, im->zoom, im->pivot);
}

void lv_img_set_pivot(lv_obj_t * obj, lv_coord_t x, lv_coord_t y)
{
    lv_img_t * im = (lv_img_t *)obj;
    lv_point_t pivot = {x, y};
    retransform(obj, im->angle, im->zoom, pivot);
}

void lv_img_set_zoom(lv_obj_t * obj, uint16_t zoom)
{
    lv_img_t * im = (lv_img_t *)obj;
    /*0 would leave nothing to draw, and nothing to undo in a hit test*/
    retransform(obj, im->angle, LV_MAX(zoom, 1), im->pivot);
}

void lv_img_set_antialias(lv_obj_t * obj, bool antialias)
{
    ((lv_img_t *)obj)->antialias = antialias;
    lv_obj_invalidate(obj);
}

void lv_img_set_size_mode(lv_obj_t * obj, lv_img_size_mode_t mode)
{
    ((lv_img_t *)obj)->obj_size_mode = mode;
    /*The size follows the zoom in one mode and not in the other*/
    picture_resized(obj);
}

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
    return ((lv_img_t *)obj)->antialias;
}

lv_img_size_mode_t lv_img_get_size_mode(lv_obj_t * obj)
{
    return ((lv_img_t *)obj)->obj_size_mode;
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

/*An empty image: lets clicks through, but hit-tests by alpha once made clickable*/
static void img_init(const lv_obj_class_t * class_p, lv_obj_t * obj)
{
    LV_UNUSED(class_p);
    lv_img_t * im = (lv_img_t *)obj;
    im->src_type = LV_IMG_SRC_UNKNOWN;
    im->cf = LV_IMG_CF_UNKNOWN;
    im->zoom = LV_IMG_ZOOM_NONE;
    im->antialias = LV_COLOR_DEPTH > 8;
    im->obj_size_mode = LV_IMG_SIZE_MODE_VIRTUAL;

    lv_obj_clear_flag(obj, LV_OBJ_FLAG_CLICKABLE);
    lv_obj_add_flag(obj, LV_OBJ_FLAG_ADV_HITTEST);
}

static void img_event(const lv_obj_class_t * class_p, lv_event_t * e)
{
    lv_event_code_t code = lv_event_get_code(e);
    if(code == LV_EVENT_DRAW_MAIN || code == LV_EVENT_DRAW_POST) {
        draw_with_frame(class_p, e);
        return;
    }
    if(lv_obj_event_base(class_p, e) != LV_RES_OK) return;

    lv_obj_t * obj = lv_event_get_current_target(e);
    lv_img_t * im = (lv_img_t *)obj;
    switch(code) {
        case LV_EVENT_STYLE_CHANGED:
            /*A symbol is measured with the font, which may be another one now*/
            if(im->src_type == LV_IMG_SRC_SYMBOL) lv_img_set_src(obj, im->src);
            else lv_obj_refresh_ext_draw_size(obj);
            break;
        case LV_EVENT_REFR_EXT_DRAW_SIZE:
            lv_event_set_ext_draw_size(e, reach_outside(obj));
            break;
        case LV_EVENT_GET_SELF_SIZE: {
                lv_point_t * want = lv_event_get_self_size_info(e);
                bool real = im->obj_size_mode == LV_IMG_SIZE_MODE_REAL;
                want->x = real ? (lv_coord_t)(((int32_t)im->w * im->zoom) >> 8) : im->w;
                want->y = real ? (lv_coord_t)(((int32_t)im->h * im->zoom) >> 8) : im->h;
                break;
            }
        case LV_EVENT_HIT_TEST: {
                lv_hit_test_info_t * hit = lv_event_get_hit_test_info(e);
                hit->res = hits_picture(obj, hit->point);
                break;
            }
        case LV_EVENT_COVER_CHECK:
            /*Any pixel may be transparent, and a transformed picture leaves corners free*/
            lv_event_set_cover_res(e, LV_COVER_RES_NOT_COVER);
            break;
        default:
            break;
    }
}

static bool transformed(const lv_img_t * im)
{
    return im->angle != 0 || im->zoom != LV_IMG_ZOOM_NONE;
}

/*The picture's size or the way it sets the widget's size changed*/
static void picture_resized(lv_obj_t * obj)
{
    lv_obj_refresh_self_size(obj);
    lv_obj_refresh_ext_draw_size(obj);
    lv_obj_invalidate(obj);
}

/*
 * Take a new angle, zoom and pivot: redraw where the picture was and where
 * it goes, with the reach past the edges (and in REAL mode the size) updated.
 */
static void retransform(lv_obj_t * obj, uint16_t angle, uint16_t zoom, lv_point_t pivot)
{
    lv_img_t * im = (lv_img_t *)obj;
    if(im->angle == angle && im->zoom == zoom && im->pivot.x == pivot.x && im->pivot.y == pivot.y) return;

    lv_obj_invalidate(obj);
    im->angle = angle;
    im->zoom = zoom;
    im->pivot = pivot;
    lv_obj_refresh_ext_draw_size(obj);
    if(im->obj_size_mode == LV_IMG_SIZE_MODE_REAL) lv_obj_refresh_self_size(obj);
    lv_obj_invalidate(obj);
}

/*
 * Where the untransformed picture's top left goes: the content area's corner
 * plus the offset. In REAL size mode the widget is as big as the zoomed
 * picture, so the picture is centred in it and zooming around its centre
 * fills it.
 */
static void picture_origin(lv_obj_t * obj, lv_point_t * origin)
{
    lv_img_t * im = (lv_img_t *)obj;
    lv_area_t box;
    lv_obj_get_content_coords(obj, &box);
    origin->x = (lv_coord_t)(box.x1 + im->offset.x);
    origin->y = (lv_coord_t)(box.y1 + im->offset.y);
    if(im->obj_size_mode == LV_IMG_SIZE_MODE_REAL) {
        origin->x = (lv_coord_t)(origin->x + (lv_area_get_width(&box) - im->w) / 2);
        origin->y = (lv_coord_t)(origin->y + (lv_area_get_height(&box) - im->h) / 2);
    }
}

/*
 * The area the background and border are drawn on and clicks count in: the
 * transformed picture's when the widget is exactly picture sized (it turns
 * and grows with the picture), else the widget's own.
 */
static void frame_area(lv_obj_t * obj, lv_area_t * frame)
{
    lv_img_t * im = (lv_img_t *)obj;
    bool picture_sized = lv_obj_get_width(obj) == im->w && lv_obj_get_height(obj) == im->h;
    if(!transformed(im) || !picture_sized) {
        *frame = obj->coords;
        return;
    }
    _lv_img_buf_get_transformed_area(frame, im->w, im->h, (int16_t)im->angle, im->zoom, &im->pivot);
    lv_area_move(frame, obj->coords.x1, obj->coords.y1);
}

/*How far the transformed picture reaches past the widget's edges*/
static lv_coord_t reach_outside(lv_obj_t * obj)
{
    lv_img_t * im = (lv_img_t *)obj;
    if(!transformed(im) || im->w == 0 || im->h == 0) return 0;

    lv_point_t origin;
    picture_origin(obj, &origin);
    lv_area_t drawn;
    _lv_img_buf_get_transformed_area(&drawn, im->w, im->h, (int16_t)im->angle, im->zoom, &im->pivot);
    lv_area_move(&drawn, origin.x, origin.y);

    lv_coord_t reach = 0;
    reach = LV_MAX(reach, obj->coords.x1 - drawn.x1);
    reach = LV_MAX(reach, obj->coords.y1 - drawn.y1);
    reach = LV_MAX(reach, drawn.x2 - obj->coords.x2);
    reach = LV_MAX(reach, drawn.y2 - obj->coords.y2);
    return reach;
}

/*
 * Whether a screen point hits the image: inside its frame and, for a picture
 * with alpha, on a pixel opaque enough. The point is taken back through the
 * rotation and zoom (around the pivot) into the source picture; in the
 * untransformed mosaic it wraps into the tile under it.
 */
static bool hits_picture(lv_obj_t * obj, const lv_point_t * p)
{
    lv_img_t * im = (lv_img_t *)obj;
    lv_area_t frame;
    frame_area(obj, &frame);
    if(!_lv_area_is_point_on(&frame, p, 0)) return false;
    if(im->src_type != LV_IMG_SRC_VARIABLE || im->cf != LV_IMG_CF_TRUE_COLOR_ALPHA) return true;

    const lv_img_dsc_t * pic = im->src;
    if(pic->data == NULL || im->w <= 0 || im->h <= 0) return false;

    lv_point_t origin;
    picture_origin(obj, &origin);
    int32_t sx = p->x - origin.x;
    int32_t sy = p->y - origin.y;
    if(transformed(im)) {
        lv_point_t from_pivot = {(lv_coord_t)(sx - im->pivot.x), (lv_coord_t)(sy - im->pivot.y)};
        if(im->angle != 0) {
            lv_point_t centre = {0, 0};
            lv_point_transform(&from_pivot, -(int32_t)im->angle, LV_IMG_ZOOM_NONE, &centre);
        }
        sx = from_pivot.x * LV_IMG_ZOOM_NONE / im->zoom + im->pivot.x;
        sy = from_pivot.y * LV_IMG_ZOOM_NONE / im->zoom + im->pivot.y;
        if(sx < 0 || sy < 0 || sx >= im->w || sy >= im->h) return false;
    }
    else {
        sx = ((sx % im->w) + im->w) % im->w;
        sy = ((sy % im->h) + im->h) % im->h;
    }

    uint32_t alpha_at = ((uint32_t)sy * pic->header.w + (uint32_t)sx + 1) * LV_IMG_PX_SIZE_ALPHA_BYTE - 1;
    if(alpha_at >= pic->data_size) return false;
    return pic->data[alpha_at] >= HIT_ALPHA_MIN;
}

/*
 * The base class draws background, border and outline on the frame area
 * (the transformed picture's, see frame_area); the picture goes on top in
 * DRAW_MAIN.
 */
static void draw_with_frame(const lv_obj_class_t * class_p, lv_event_t * e)
{
    lv_obj_t * obj = lv_event_get_current_target(e);
    lv_area_t own_coords = obj->coords;
    lv_area_t frame;
    frame_area(obj, &frame);

    obj->coords = frame;
    if(lv_obj_event_base(class_p, e) != LV_RES_OK) return;   /*deleted by a handler*/
    obj->coords = own_coords;

    if(lv_event_get_code(e) == LV_EVENT_DRAW_MAIN) draw_picture(obj, lv_event_get_draw_ctx(e));
}

static void draw_symbol(lv_obj_t * obj, lv_draw_ctx_t * ctx)
{
    lv_draw_label_dsc_t dsc;
    lv_draw_label_dsc_init(&dsc);
    lv_obj_init_draw_label_dsc(obj, LV_PART_MAIN, &dsc);
    lv_area_t box;
    lv_obj_get_content_coords(obj, &box);
    lv_draw_label(ctx, &dsc, &box, ((lv_img_t *)obj)->src, NULL);
}

static void draw_picture(lv_obj_t * obj, lv_draw_ctx_t * ctx)
{
    lv_img_t * im = (lv_img_t *)obj;
    if(im->src == NULL || im->w <= 0 || im->h <= 0) return;
    if(im->src_type == LV_IMG_SRC_SYMBOL) {
        draw_symbol(obj, ctx);
        return;
    }

    lv_draw_img_dsc_t dsc;
    lv_draw_img_dsc_init(&dsc);
    lv_obj_init_draw_img_dsc(obj, LV_PART_MAIN, &dsc);
    if(dsc.opa <= LV_OPA_MIN) return;
    dsc.zoom = im->zoom;
    dsc.angle = im->angle;
    dsc.pivot = im->pivot;
    dsc.antialias = im->antialias;

    lv_point_t origin;
    picture_origin(obj, &origin);
    lv_area_t pic = {origin.x, origin.y, (lv_coord_t)(origin.x + im->w - 1), (lv_coord_t)(origin.y + im->h - 1)};

    /*Transformed: once, clipped to the frame it turns and grows in. Else
     *tiles from the offset on, clipped to the content area*/
    lv_area_t limit;
    if(transformed(im)) frame_area(obj, &limit);
    else lv_obj_get_content_coords(obj, &limit);
    lv_area_t clip;
    if(!_lv_area_intersect(&clip, ctx->clip_area, &limit)) return;
    const lv_area_t * outer_clip = ctx->clip_area;
    ctx->clip_area = &clip;

    if(transformed(im)) {
        lv_draw_img(ctx, &dsc, &pic, im->src);
    }
    else {
        /*Step back to the first tile that reaches into the area*/
        while(pic.x1 > limit.x1) lv_area_move(&pic, (lv_coord_t)-im->w, 0);
        while(pic.y1 > limit.y1) lv_area_move(&pic, 0, (lv_coord_t)-im->h);
        for(lv_area_t row = pic; row.y1 <= limit.y2; lv_area_move(&row, 0, im->h)) {
            for(lv_area_t tile = row; tile.x1 <= limit.x2; lv_area_move(&tile, im->w, 0)) {
                lv_draw_img(ctx, &dsc, &tile, im->src);
            }
        }
    }
    ctx->clip_area = outer_clip;
}

#endif /*LV_USE_IMG*/
