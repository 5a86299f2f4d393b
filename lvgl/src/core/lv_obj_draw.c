/**
 * @file lv_obj_draw.c
 * Draw descriptors from resolved styles.
 *
 * Opacity: upstream renders an object with `opa` < 255 into a layer. We have
 * no layers; instead every descriptor is multiplied by the opacity of the
 * part and of all ancestors, which gives the same picture for the flat,
 * non-overlapping objects of a panel (and fades whole screens in and out).
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_obj.h"
#include "../draw/lv_img_decoder.h"
#include "../misc/lv_mem.h"

/*********************
 *      DEFINES
 *********************/
#define MY_CLASS &lv_obj_class

/**********************
 *  STATIC PROTOTYPES
 **********************/
static lv_color_t filter_color(struct _lv_obj_t * obj, uint32_t part, lv_color_t color);
static lv_opa_t mix_opa(lv_opa_t a, lv_opa_t b);

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

/*
 * Each fill_* step reads one group of properties. A group whose opacity the
 * caller preset to LV_OPA_TRANSP is skipped; so is the rest of a group whose
 * opacity or width turns out to be nil, which saves the lookups.
 */
static void fill_bg_gradient(lv_obj_t * obj, uint32_t part, lv_draw_rect_dsc_t * d)
{
    /*A full gradient descriptor wins over the simple two-colour properties*/
    const lv_grad_dsc_t * grad = lv_obj_get_style_bg_grad(obj, part);
    if(grad && grad->dir != LV_GRAD_DIR_NONE) {
        lv_memcpy(&d->bg_grad, grad, sizeof(*grad));
        return;
    }

    d->bg_grad.dir = lv_obj_get_style_bg_grad_dir(obj, part);
    if(d->bg_grad.dir == LV_GRAD_DIR_NONE) return;
    d->bg_grad.stops[0].color = d->bg_color;
    d->bg_grad.stops[1].color = filter_color(obj, part, lv_obj_get_style_bg_grad_color(obj, part));
    d->bg_grad.stops[0].frac = lv_obj_get_style_bg_main_stop(obj, part);
    d->bg_grad.stops[1].frac = lv_obj_get_style_bg_grad_stop(obj, part);
    d->bg_grad.stops_count = 2;
}

static void fill_bg(lv_obj_t * obj, uint32_t part, lv_draw_rect_dsc_t * d)
{
    if(d->bg_opa == LV_OPA_TRANSP) return;
    d->bg_opa = lv_obj_get_style_bg_opa(obj, part);
    if(d->bg_opa <= LV_OPA_MIN) return;

    d->bg_color = filter_color(obj, part, lv_obj_get_style_bg_color(obj, part));
    fill_bg_gradient(obj, part, d);
}

static void fill_border(lv_obj_t * obj, uint32_t part, lv_draw_rect_dsc_t * d)
{
    d->border_width = lv_obj_get_style_border_width(obj, part);
    if(d->border_width == 0 || d->border_opa == LV_OPA_TRANSP) return;
    d->border_opa = lv_obj_get_style_border_opa(obj, part);
    if(d->border_opa <= LV_OPA_MIN) return;

    d->border_side = lv_obj_get_style_border_side(obj, part);
    d->border_color = filter_color(obj, part, lv_obj_get_style_border_color(obj, part));
}

static void fill_outline(lv_obj_t * obj, uint32_t part, lv_draw_rect_dsc_t * d)
{
    d->outline_width = lv_obj_get_style_outline_width(obj, part);
    if(d->outline_width == 0 || d->outline_opa == LV_OPA_TRANSP) return;
    d->outline_opa = lv_obj_get_style_outline_opa(obj, part);
    if(d->outline_opa <= LV_OPA_MIN) return;

    d->outline_pad = lv_obj_get_style_outline_pad(obj, part);
    d->outline_color = filter_color(obj, part, lv_obj_get_style_outline_color(obj, part));
}

static void fill_bg_img(lv_obj_t * obj, uint32_t part, lv_draw_rect_dsc_t * d)
{
    if(d->bg_img_opa == LV_OPA_TRANSP) return;
    d->bg_img_src = lv_obj_get_style_bg_img_src(obj, part);
    if(d->bg_img_src == NULL) return;
    d->bg_img_opa = lv_obj_get_style_bg_img_opa(obj, part);
    if(d->bg_img_opa <= LV_OPA_MIN) return;

    /*A symbol is text: it takes the part's font and text colour*/
    if(lv_img_src_get_type(d->bg_img_src) == LV_IMG_SRC_SYMBOL) {
        d->bg_img_symbol_font = lv_obj_get_style_text_font(obj, part);
        d->bg_img_recolor = filter_color(obj, part, lv_obj_get_style_text_color(obj, part));
        return;
    }
    d->bg_img_recolor = filter_color(obj, part, lv_obj_get_style_bg_img_recolor(obj, part));
    d->bg_img_recolor_opa = lv_obj_get_style_bg_img_recolor_opa(obj, part);
    d->bg_img_tiled = lv_obj_get_style_bg_img_tiled(obj, part);
}

static void fill_shadow(lv_obj_t * obj, uint32_t part, lv_draw_rect_dsc_t * d)
{
    d->shadow_width = lv_obj_get_style_shadow_width(obj, part);
    if(d->shadow_width == 0 || d->shadow_opa <= LV_OPA_MIN) return;
    d->shadow_opa = lv_obj_get_style_shadow_opa(obj, part);
    if(d->shadow_opa <= LV_OPA_MIN) return;

    d->shadow_ofs_x = lv_obj_get_style_shadow_ofs_x(obj, part);
    d->shadow_ofs_y = lv_obj_get_style_shadow_ofs_y(obj, part);
    d->shadow_spread = lv_obj_get_style_shadow_spread(obj, part);
    d->shadow_color = filter_color(obj, part, lv_obj_get_style_shadow_color(obj, part));
}

void lv_obj_init_draw_rect_dsc(lv_obj_t * obj, uint32_t part, lv_draw_rect_dsc_t * draw_dsc)
{
    lv_opa_t opa = lv_obj_get_style_opa_recursive(obj, part);
    if(opa <= LV_OPA_MIN) {
        draw_dsc->bg_opa = LV_OPA_TRANSP;
        draw_dsc->bg_img_opa = LV_OPA_TRANSP;
        draw_dsc->border_opa = LV_OPA_TRANSP;
        draw_dsc->shadow_opa = LV_OPA_TRANSP;
        draw_dsc->outline_opa = LV_OPA_TRANSP;
        return;
    }

    draw_dsc->radius = lv_obj_get_style_radius(obj, part);
    fill_bg(obj, part, draw_dsc);
    fill_border(obj, part, draw_dsc);
    fill_outline(obj, part, draw_dsc);
    fill_bg_img(obj, part, draw_dsc);
    fill_shadow(obj, part, draw_dsc);

    if(opa < LV_OPA_MAX) {
        draw_dsc->bg_opa = mix_opa(draw_dsc->bg_opa, opa);
        draw_dsc->bg_img_opa = mix_opa(draw_dsc->bg_img_opa, opa);
        draw_dsc->border_opa = mix_opa(draw_dsc->border_opa, opa);
        draw_dsc->shadow_opa = mix_opa(draw_dsc->shadow_opa, opa);
        draw_dsc->outline_opa = mix_opa(draw_dsc->outline_opa, opa);
    }

    draw_dsc->blend_mode = lv_obj_get_style_blend_mode(obj, part);
}

/* A part's own opacity scaled by the opacity of the object and its ancestors. */
static lv_opa_t with_inherited_opa(lv_obj_t * obj, uint32_t part, lv_opa_t own)
{
    lv_opa_t opa = lv_obj_get_style_opa_recursive(obj, part);
    return opa < LV_OPA_MAX ? mix_opa(own, opa) : own;
}

void lv_obj_init_draw_label_dsc(lv_obj_t * obj, uint32_t part, lv_draw_label_dsc_t * draw_dsc)
{
    draw_dsc->opa = lv_obj_get_style_text_opa(obj, part);
    if(draw_dsc->opa <= LV_OPA_MIN) return;
    draw_dsc->opa = with_inherited_opa(obj, part, draw_dsc->opa);
    if(draw_dsc->opa <= LV_OPA_MIN) return;

    draw_dsc->color = filter_color(obj, part, lv_obj_get_style_text_color(obj, part));
    draw_dsc->letter_space = lv_obj_get_style_text_letter_space(obj, part);
    draw_dsc->line_space = lv_obj_get_style_text_line_space(obj, part);
    draw_dsc->decor = lv_obj_get_style_text_decor(obj, part);
    draw_dsc->blend_mode = lv_obj_get_style_blend_mode(obj, part);

    draw_dsc->font = lv_obj_get_style_text_font(obj, part);

#if LV_USE_BIDI
    draw_dsc->bidi_dir = lv_obj_get_style_base_dir(obj, LV_PART_MAIN);
#endif

    draw_dsc->align = lv_obj_get_style_text_align(obj, part);
}

void lv_obj_init_draw_img_dsc(lv_obj_t * obj, uint32_t part, lv_draw_img_dsc_t * draw_dsc)
{
    draw_dsc->opa = lv_obj_get_style_img_opa(obj, part);
    if(draw_dsc->opa <= LV_OPA_MIN) return;
    draw_dsc->opa = with_inherited_opa(obj, part, draw_dsc->opa);
    if(draw_dsc->opa <= LV_OPA_MIN) return;

    /*Rotation and zoom are the image widget's business; it sets them itself*/
    draw_dsc->angle = 0;
    draw_dsc->zoom = LV_IMG_ZOOM_NONE;
    draw_dsc->pivot.x = lv_area_get_width(&obj->coords) / 2;
    draw_dsc->pivot.y = lv_area_get_height(&obj->coords) / 2;

    draw_dsc->recolor_opa = lv_obj_get_style_img_recolor_opa(obj, part);
    if(draw_dsc->recolor_opa > 0) {
        draw_dsc->recolor = filter_color(obj, part, lv_obj_get_style_img_recolor(obj, part));
    }
    draw_dsc->blend_mode = lv_obj_get_style_blend_mode(obj, part);
}

void lv_obj_init_draw_line_dsc(lv_obj_t * obj, uint32_t part, lv_draw_line_dsc_t * draw_dsc)
{
    draw_dsc->width = lv_obj_get_style_line_width(obj, part);
    if(draw_dsc->width == 0) return;

    draw_dsc->opa = lv_obj_get_style_line_opa(obj, part);
    if(draw_dsc->opa <= LV_OPA_MIN) return;
    draw_dsc->opa = with_inherited_opa(obj, part, draw_dsc->opa);
    if(draw_dsc->opa <= LV_OPA_MIN) return;

    draw_dsc->color = filter_color(obj, part, lv_obj_get_style_line_color(obj, part));

    draw_dsc->dash_width = lv_obj_get_style_line_dash_width(obj, part);
    if(draw_dsc->dash_width) {
        draw_dsc->dash_gap = lv_obj_get_style_line_dash_gap(obj, part);
    }

    draw_dsc->round_start = lv_obj_get_style_line_rounded(obj, part);
    draw_dsc->round_end = draw_dsc->round_start;

    draw_dsc->blend_mode = lv_obj_get_style_blend_mode(obj, part);
}

void lv_obj_init_draw_arc_dsc(lv_obj_t * obj, uint32_t part, lv_draw_arc_dsc_t * draw_dsc)
{
    draw_dsc->width = lv_obj_get_style_arc_width(obj, part);
    if(draw_dsc->width == 0) return;

    draw_dsc->opa = lv_obj_get_style_arc_opa(obj, part);
    if(draw_dsc->opa <= LV_OPA_MIN) return;
    draw_dsc->opa = with_inherited_opa(obj, part, draw_dsc->opa);
    if(draw_dsc->opa <= LV_OPA_MIN) return;

    draw_dsc->color = filter_color(obj, part, lv_obj_get_style_arc_color(obj, part));
    draw_dsc->img_src = lv_obj_get_style_arc_img_src(obj, part);

    draw_dsc->rounded = lv_obj_get_style_arc_rounded(obj, part);

    draw_dsc->blend_mode = lv_obj_get_style_blend_mode(obj, part);
}

/* How far a visible shadow reaches past the edges: half its blur, its spread and its larger offset. */
static lv_coord_t shadow_reach(lv_obj_t * obj, uint32_t part)
{
    lv_coord_t width = lv_obj_get_style_shadow_width(obj, part);
    if(width == 0 || lv_obj_get_style_shadow_opa(obj, part) <= LV_OPA_MIN) return 0;

    lv_coord_t ofs_x = lv_obj_get_style_shadow_ofs_x(obj, part);
    lv_coord_t ofs_y = lv_obj_get_style_shadow_ofs_y(obj, part);
    return width / 2 + 1 + lv_obj_get_style_shadow_spread(obj, part) + LV_MAX(LV_ABS(ofs_x), LV_ABS(ofs_y));
}

static lv_coord_t outline_reach(lv_obj_t * obj, uint32_t part)
{
    lv_coord_t width = lv_obj_get_style_outline_width(obj, part);
    if(width == 0 || lv_obj_get_style_outline_opa(obj, part) <= LV_OPA_MIN) return 0;
    return lv_obj_get_style_outline_pad(obj, part) + width;
}

lv_coord_t lv_obj_calculate_ext_draw_size(lv_obj_t * obj, uint32_t part)
{
    lv_coord_t s = LV_MAX(0, LV_MAX(shadow_reach(obj, part), outline_reach(obj, part)));

    /*A transform grows the drawn area on top of that*/
    lv_coord_t grow = LV_MAX(lv_obj_get_style_transform_width(obj, part), lv_obj_get_style_transform_height(obj, part));
    if(grow > 0) s += grow;

    return s;
}

void lv_obj_draw_dsc_init(lv_obj_draw_part_dsc_t * dsc, lv_draw_ctx_t * draw_ctx)
{
    lv_memset_00(dsc, sizeof(lv_obj_draw_part_dsc_t));
    dsc->draw_ctx = draw_ctx;
}

bool lv_obj_draw_part_check_type(lv_obj_draw_part_dsc_t * dsc, const lv_obj_class_t * class_p, uint32_t type)
{
    return dsc->class_p == class_p && dsc->type == type;
}

void lv_obj_refresh_ext_draw_size(lv_obj_t * obj)
{
    lv_coord_t s_old = _lv_obj_get_ext_draw_size(obj);
    lv_coord_t s_new = 0;
    lv_event_send(obj, LV_EVENT_REFR_EXT_DRAW_SIZE, &s_new);

    /*Redraw the old extent before it is forgotten, and the new one after*/
    if(s_new != s_old) lv_obj_invalidate(obj);

    /*A size of 0 needs no storage: objects without the extra record read as 0*/
    if(obj->spec_attr) {
        obj->spec_attr->ext_draw_size = s_new;
    }
    else if(s_new != 0) {
        lv_obj_allocate_spec_attr(obj);
        obj->spec_attr->ext_draw_size = s_new;
    }

    if(s_new != s_old) lv_obj_invalidate(obj);
}

lv_coord_t _lv_obj_get_ext_draw_size(const lv_obj_t * obj)
{
    return obj->spec_attr ? obj->spec_attr->ext_draw_size : 0;
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

/**
 * Apply the part's colour filter (the default theme darkens pressed buttons
 * this way) to a style colour.
 */
static lv_color_t filter_color(struct _lv_obj_t * obj, uint32_t part, lv_color_t color)
{
    lv_style_value_t v = { .color = color };
    return _lv_obj_style_apply_color_filter(obj, part, v).color;
}

static lv_opa_t mix_opa(lv_opa_t a, lv_opa_t b)
{
    if(b >= LV_OPA_MAX) return a;
    if(a >= LV_OPA_MAX) return b;
    return (lv_opa_t)(((uint32_t)a * b) >> 8);
}
