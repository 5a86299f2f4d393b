/**
 * @file lv_obj_draw.c
 * Draw descriptors filled from an object's resolved styles, and the drawing
 * of the base object itself (its rectangle, border and scrollbars).
 *
 * Opacity: an object whose `opa` is below 255 is not rendered into a layer
 * here. Every descriptor is scaled by the opacity of the part and of all
 * ancestors instead, which gives the same picture for the flat,
 * non-overlapping objects of a panel (and fades whole screens).
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_obj.h"
#include "lv_obj_private.h"
#include "../draw/lv_img_decoder.h"
#include "../misc/lv_mem.h"

#include <stddef.h>
#include <string.h>

/*********************
 *      DEFINES
 *********************/
/*Descriptor fields a style property is copied into. Bit-fields cannot be
 *addressed and are set by hand where they occur.*/
#define NUM_SLOT(type, field, property)  {property, offsetof(type, field), sizeof(((type *)0)->field), SLOT_NUM}
#define COLOR_SLOT(type, field, property) {property, offsetof(type, field), sizeof(((type *)0)->field), SLOT_COLOR}
#define PTR_SLOT(type, field, property)  {property, offsetof(type, field), sizeof(((type *)0)->field), SLOT_PTR}
#define NO_SLOT {0, 0, 0, SLOT_NONE}
#define ITEMS(table) ((uint8_t)(sizeof(table) / sizeof((table)[0])))

/**********************
 *      TYPEDEFS
 **********************/
typedef enum {
    SLOT_NONE,
    SLOT_NUM,
    SLOT_COLOR,     /*passed through the part's colour filter*/
    SLOT_PTR,
} slot_kind_t;

typedef struct {
    lv_style_prop_t prop;
    uint16_t offset;
    uint8_t size;
    uint8_t kind;
} dsc_slot_t;

/*
 * A group of descriptor fields drawn together (a shadow, a border...). It is
 * skipped when its `gate` (a width or a source) resolves to zero, when the
 * caller preset its opacity to transparent (rectangles only), or when the
 * opacity resolves to transparent; only then are the other fields read.
 */
typedef struct {
    dsc_slot_t gate;
    dsc_slot_t opa;
    const dsc_slot_t * rest;
    uint8_t rest_cnt;
    bool inherit_opa;   /*scale the opacity by the object's and its ancestors'*/
    bool preset_off;    /*a transparent opacity preset by the caller switches the group off*/
} dsc_group_t;

/**********************
 *  STATIC PROTOTYPES
 **********************/
static lv_style_value_t put_slot(lv_obj_t * obj, uint32_t part, void * dsc, const dsc_slot_t * slot);
static bool fill_group(lv_obj_t * obj, uint32_t part, void * dsc, const dsc_group_t * group);
static lv_opa_t scale_opa(lv_opa_t a, lv_opa_t b);
static lv_color_t filtered(lv_obj_t * obj, uint32_t part, lv_color_t c);

/**********************
 *  STATIC VARIABLES
 **********************/
static const dsc_slot_t bg_rest[] = {
    COLOR_SLOT(lv_draw_rect_dsc_t, bg_color, LV_STYLE_BG_COLOR),
};
static const dsc_slot_t border_rest[] = {
    COLOR_SLOT(lv_draw_rect_dsc_t, border_color, LV_STYLE_BORDER_COLOR),
};
static const dsc_slot_t outline_rest[] = {
    NUM_SLOT(lv_draw_rect_dsc_t, outline_pad, LV_STYLE_OUTLINE_PAD),
    COLOR_SLOT(lv_draw_rect_dsc_t, outline_color, LV_STYLE_OUTLINE_COLOR),
};
static const dsc_slot_t shadow_rest[] = {
    NUM_SLOT(lv_draw_rect_dsc_t, shadow_ofs_x, LV_STYLE_SHADOW_OFS_X),
    NUM_SLOT(lv_draw_rect_dsc_t, shadow_ofs_y, LV_STYLE_SHADOW_OFS_Y),
    NUM_SLOT(lv_draw_rect_dsc_t, shadow_spread, LV_STYLE_SHADOW_SPREAD),
    COLOR_SLOT(lv_draw_rect_dsc_t, shadow_color, LV_STYLE_SHADOW_COLOR),
};

static const dsc_group_t rect_bg = {
    NO_SLOT, NUM_SLOT(lv_draw_rect_dsc_t, bg_opa, LV_STYLE_BG_OPA), bg_rest, ITEMS(bg_rest), false, true
};
static const dsc_group_t rect_border = {
    NUM_SLOT(lv_draw_rect_dsc_t, border_width, LV_STYLE_BORDER_WIDTH),
    NUM_SLOT(lv_draw_rect_dsc_t, border_opa, LV_STYLE_BORDER_OPA), border_rest, ITEMS(border_rest), false, true
};
static const dsc_group_t rect_outline = {
    NUM_SLOT(lv_draw_rect_dsc_t, outline_width, LV_STYLE_OUTLINE_WIDTH),
    NUM_SLOT(lv_draw_rect_dsc_t, outline_opa, LV_STYLE_OUTLINE_OPA), outline_rest, ITEMS(outline_rest), false, true
};
static const dsc_group_t rect_bg_img = {
    PTR_SLOT(lv_draw_rect_dsc_t, bg_img_src, LV_STYLE_BG_IMG_SRC),
    NUM_SLOT(lv_draw_rect_dsc_t, bg_img_opa, LV_STYLE_BG_IMG_OPA), NULL, 0, false, true
};
static const dsc_group_t rect_shadow = {
    NUM_SLOT(lv_draw_rect_dsc_t, shadow_width, LV_STYLE_SHADOW_WIDTH),
    NUM_SLOT(lv_draw_rect_dsc_t, shadow_opa, LV_STYLE_SHADOW_OPA), shadow_rest, ITEMS(shadow_rest), false, true
};

static const dsc_slot_t label_rest[] = {
    COLOR_SLOT(lv_draw_label_dsc_t, color, LV_STYLE_TEXT_COLOR),
    NUM_SLOT(lv_draw_label_dsc_t, letter_space, LV_STYLE_TEXT_LETTER_SPACE),
    NUM_SLOT(lv_draw_label_dsc_t, line_space, LV_STYLE_TEXT_LINE_SPACE),
    PTR_SLOT(lv_draw_label_dsc_t, font, LV_STYLE_TEXT_FONT),
    NUM_SLOT(lv_draw_label_dsc_t, align, LV_STYLE_TEXT_ALIGN),
};
static const dsc_group_t label_text = {
    NO_SLOT, NUM_SLOT(lv_draw_label_dsc_t, opa, LV_STYLE_TEXT_OPA), label_rest, ITEMS(label_rest), true, false
};

static const dsc_slot_t img_rest[] = {
    NUM_SLOT(lv_draw_img_dsc_t, recolor_opa, LV_STYLE_IMG_RECOLOR_OPA),
};
static const dsc_group_t img_pixels = {
    NO_SLOT, NUM_SLOT(lv_draw_img_dsc_t, opa, LV_STYLE_IMG_OPA), img_rest, ITEMS(img_rest), true, false
};

static const dsc_slot_t line_rest[] = {
    COLOR_SLOT(lv_draw_line_dsc_t, color, LV_STYLE_LINE_COLOR),
    NUM_SLOT(lv_draw_line_dsc_t, dash_width, LV_STYLE_LINE_DASH_WIDTH),
};
static const dsc_group_t line_stroke = {
    NUM_SLOT(lv_draw_line_dsc_t, width, LV_STYLE_LINE_WIDTH),
    NUM_SLOT(lv_draw_line_dsc_t, opa, LV_STYLE_LINE_OPA), line_rest, ITEMS(line_rest), true, false
};

static const dsc_slot_t arc_rest[] = {
    COLOR_SLOT(lv_draw_arc_dsc_t, color, LV_STYLE_ARC_COLOR),
    PTR_SLOT(lv_draw_arc_dsc_t, img_src, LV_STYLE_ARC_IMG_SRC),
};
static const dsc_group_t arc_stroke = {
    NUM_SLOT(lv_draw_arc_dsc_t, width, LV_STYLE_ARC_WIDTH),
    NUM_SLOT(lv_draw_arc_dsc_t, opa, LV_STYLE_ARC_OPA), arc_rest, ITEMS(arc_rest), true, false
};

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

/*
 * Gradient: a full gradient descriptor in the style wins over the simple
 * two-colour properties, whose first stop is the background colour.
 */
static void fill_gradient(lv_obj_t * obj, uint32_t part, lv_draw_rect_dsc_t * rect)
{
    const lv_grad_dsc_t * full = lv_obj_get_style_bg_grad(obj, part);
    if(full != NULL && full->dir != LV_GRAD_DIR_NONE) {
        rect->bg_grad = *full;
        return;
    }

    lv_grad_dir_t dir = lv_obj_get_style_bg_grad_dir(obj, part);
    rect->bg_grad.dir = dir;
    if(dir == LV_GRAD_DIR_NONE) return;

    lv_gradient_stop_t * stops = rect->bg_grad.stops;
    stops[0].color = rect->bg_color;
    stops[0].frac = (uint8_t)lv_obj_get_style_bg_main_stop(obj, part);
    stops[1].color = filtered(obj, part, lv_obj_get_style_bg_grad_color(obj, part));
    stops[1].frac = (uint8_t)lv_obj_get_style_bg_grad_stop(obj, part);
    rect->bg_grad.stops_count = 2;
}

/* A symbol as background image is text: it takes the part's font and text colour. */
static void fill_bg_img_look(lv_obj_t * obj, uint32_t part, lv_draw_rect_dsc_t * rect)
{
    if(lv_img_src_get_type(rect->bg_img_src) == LV_IMG_SRC_SYMBOL) {
        rect->bg_img_symbol_font = lv_obj_get_style_text_font(obj, part);
        rect->bg_img_recolor = filtered(obj, part, lv_obj_get_style_text_color(obj, part));
        return;
    }
    rect->bg_img_recolor = filtered(obj, part, lv_obj_get_style_bg_img_recolor(obj, part));
    rect->bg_img_recolor_opa = lv_obj_get_style_bg_img_recolor_opa(obj, part);
    rect->bg_img_tiled = lv_obj_get_style_bg_img_tiled(obj, part);
}

void lv_obj_init_draw_rect_dsc(lv_obj_t * obj, uint32_t part, lv_draw_rect_dsc_t * draw_dsc)
{
    lv_draw_rect_dsc_t * rect = draw_dsc;
    lv_opa_t * opas[] = {&rect->bg_opa, &rect->bg_img_opa, &rect->border_opa, &rect->shadow_opa, &rect->outline_opa};
    const size_t opa_cnt = sizeof(opas) / sizeof(opas[0]);

    lv_opa_t whole = lv_obj_get_style_opa_recursive(obj, part);
    if(whole <= LV_OPA_MIN) {
        for(size_t i = 0; i < opa_cnt; i++) *opas[i] = LV_OPA_TRANSP;
        return;
    }

    rect->radius = lv_obj_get_style_radius(obj, part);
    if(fill_group(obj, part, rect, &rect_bg)) fill_gradient(obj, part, rect);
    if(fill_group(obj, part, rect, &rect_border)) rect->border_side = lv_obj_get_style_border_side(obj, part);
    fill_group(obj, part, rect, &rect_outline);
    if(fill_group(obj, part, rect, &rect_bg_img)) fill_bg_img_look(obj, part, rect);
    fill_group(obj, part, rect, &rect_shadow);

    for(size_t i = 0; i < opa_cnt; i++) *opas[i] = scale_opa(*opas[i], whole);
    rect->blend_mode = lv_obj_get_style_blend_mode(obj, part);
}

void lv_obj_init_draw_label_dsc(lv_obj_t * obj, uint32_t part, lv_draw_label_dsc_t * draw_dsc)
{
    if(!fill_group(obj, part, draw_dsc, &label_text)) return;

    draw_dsc->decor = lv_obj_get_style_text_decor(obj, part);
    draw_dsc->blend_mode = lv_obj_get_style_blend_mode(obj, part);
#if LV_USE_BIDI
    draw_dsc->bidi_dir = lv_obj_get_style_base_dir(obj, LV_PART_MAIN);
#endif
}

void lv_obj_init_draw_img_dsc(lv_obj_t * obj, uint32_t part, lv_draw_img_dsc_t * draw_dsc)
{
    if(!fill_group(obj, part, draw_dsc, &img_pixels)) return;

    /*Rotation and zoom belong to the image widget, which sets its own*/
    draw_dsc->angle = 0;
    draw_dsc->zoom = LV_IMG_ZOOM_NONE;
    draw_dsc->pivot.x = lv_area_get_width(&obj->coords) / 2;
    draw_dsc->pivot.y = lv_area_get_height(&obj->coords) / 2;
    if(draw_dsc->recolor_opa > LV_OPA_TRANSP) {
        draw_dsc->recolor = filtered(obj, part, lv_obj_get_style_img_recolor(obj, part));
    }
    draw_dsc->blend_mode = lv_obj_get_style_blend_mode(obj, part);
}

void lv_obj_init_draw_line_dsc(lv_obj_t * obj, uint32_t part, lv_draw_line_dsc_t * draw_dsc)
{
    if(!fill_group(obj, part, draw_dsc, &line_stroke)) return;

    if(draw_dsc->dash_width != 0) draw_dsc->dash_gap = lv_obj_get_style_line_dash_gap(obj, part);
    bool round = lv_obj_get_style_line_rounded(obj, part);
    draw_dsc->round_start = round;
    draw_dsc->round_end = round;
    draw_dsc->blend_mode = lv_obj_get_style_blend_mode(obj, part);
}

void lv_obj_init_draw_arc_dsc(lv_obj_t * obj, uint32_t part, lv_draw_arc_dsc_t * draw_dsc)
{
    if(!fill_group(obj, part, draw_dsc, &arc_stroke)) return;

    draw_dsc->rounded = lv_obj_get_style_arc_rounded(obj, part);
    draw_dsc->blend_mode = lv_obj_get_style_blend_mode(obj, part);
}

/*
 * How far a part's drawing reaches past the object's edges: the farther of
 * its shadow (half the blur, the spread and the larger offset) and its
 * outline (pad plus width), plus what a transform grows it by.
 */
lv_coord_t lv_obj_calculate_ext_draw_size(lv_obj_t * obj, uint32_t part)
{
    lv_coord_t reach = 0;

    lv_coord_t blur = lv_obj_get_style_shadow_width(obj, part);
    if(blur > 0 && lv_obj_get_style_shadow_opa(obj, part) > LV_OPA_MIN) {
        lv_coord_t dx = LV_ABS(lv_obj_get_style_shadow_ofs_x(obj, part));
        lv_coord_t dy = LV_ABS(lv_obj_get_style_shadow_ofs_y(obj, part));
        lv_coord_t shadow = blur / 2 + 1 + lv_obj_get_style_shadow_spread(obj, part) + LV_MAX(dx, dy);
        reach = LV_MAX(reach, shadow);
    }

    lv_coord_t ring = lv_obj_get_style_outline_width(obj, part);
    if(ring > 0 && lv_obj_get_style_outline_opa(obj, part) > LV_OPA_MIN) {
        reach = LV_MAX(reach, ring + lv_obj_get_style_outline_pad(obj, part));
    }

    lv_coord_t grow = LV_MAX(lv_obj_get_style_transform_width(obj, part), lv_obj_get_style_transform_height(obj, part));
    return grow > 0 ? reach + grow : reach;
}

void lv_obj_draw_dsc_init(lv_obj_draw_part_dsc_t * dsc, lv_draw_ctx_t * draw_ctx)
{
    lv_memset_00(dsc, sizeof(*dsc));
    dsc->draw_ctx = draw_ctx;
}

bool lv_obj_draw_part_check_type(lv_obj_draw_part_dsc_t * dsc, const lv_obj_class_t * class_p, uint32_t type)
{
    return dsc->class_p == class_p && dsc->type == type;
}

void lv_obj_refresh_ext_draw_size(lv_obj_t * obj)
{
    lv_coord_t was = _lv_obj_get_ext_draw_size(obj);
    lv_coord_t now = 0;
    lv_event_send(obj, LV_EVENT_REFR_EXT_DRAW_SIZE, &now);
    if(now == was) return;

    /*Redraw the old reach before forgetting it, and the new one after*/
    lv_obj_invalidate(obj);
    /*Objects without special attributes read as 0; do not allocate them for 0*/
    if(obj->spec_attr == NULL && now != 0) lv_obj_allocate_spec_attr(obj);
    if(obj->spec_attr != NULL) obj->spec_attr->ext_draw_size = now;
    lv_obj_invalidate(obj);
}

lv_coord_t _lv_obj_get_ext_draw_size(const lv_obj_t * obj)
{
    if(obj->spec_attr == NULL) return 0;
    return obj->spec_attr->ext_draw_size;
}

/*
 * The scrollbar is a rectangle of the LV_PART_SCROLLBAR part: background
 * and border only. INV when neither shows.
 */
lv_res_t _lv_obj_get_scrollbar_draw_dsc(lv_obj_t * obj, lv_draw_rect_dsc_t * dsc)
{
    lv_draw_rect_dsc_init(dsc);
    dsc->bg_img_opa = LV_OPA_TRANSP;
    dsc->outline_opa = LV_OPA_TRANSP;
    dsc->shadow_opa = LV_OPA_TRANSP;
    lv_obj_init_draw_rect_dsc(obj, LV_PART_SCROLLBAR, dsc);

    bool bg_shows = dsc->bg_opa > LV_OPA_MIN;
    bool border_shows = dsc->border_opa > LV_OPA_MIN && dsc->border_width > 0;
    return bg_shows || border_shows ? LV_RES_OK : LV_RES_INV;
}

/*=====================
 * The base object's own drawing
 *====================*/

/* The main rectangle's area: the coordinates grown by the transform size (the theme's press "grow"). */
static void main_rect_area(lv_obj_t * obj, lv_area_t * area)
{
    *area = obj->coords;
    lv_area_increase(area, lv_obj_get_style_transform_width(obj, LV_PART_MAIN),
                     lv_obj_get_style_transform_height(obj, LV_PART_MAIN));
}

/* Announce a part, draw it, announce it done: handlers may restyle or watch it. */
static void draw_part_rect(lv_obj_t * obj, lv_obj_draw_part_dsc_t * part, const lv_area_t * area)
{
    lv_area_t where = *area;
    part->draw_area = &where;
    lv_event_send(obj, LV_EVENT_DRAW_PART_BEGIN, part);
    lv_draw_rect(part->draw_ctx, part->rect_dsc, &where);
    lv_event_send(obj, LV_EVENT_DRAW_PART_END, part);
}

/*
 * The main rectangle. With border_post the border waits for a second pass
 * after the children (`border_pass`), so children do not paint over it.
 */
static void draw_main_rect(lv_obj_t * obj, lv_draw_ctx_t * draw_ctx, bool border_pass)
{
    lv_draw_rect_dsc_t rect;
    lv_draw_rect_dsc_init(&rect);
    bool border_later = lv_obj_get_style_border_post(obj, LV_PART_MAIN);
    if(border_pass) {
        rect.bg_opa = LV_OPA_TRANSP;
        rect.bg_img_opa = LV_OPA_TRANSP;
        rect.outline_opa = LV_OPA_TRANSP;
        rect.shadow_opa = LV_OPA_TRANSP;
    }
    rect.border_post = !border_pass && border_later;
    lv_obj_init_draw_rect_dsc(obj, LV_PART_MAIN, &rect);
    if(rect.border_post) rect.border_opa = LV_OPA_TRANSP;

    lv_obj_draw_part_dsc_t part;
    lv_obj_draw_dsc_init(&part, draw_ctx);
    part.class_p = &lv_obj_class;
    part.type = border_pass ? LV_OBJ_DRAW_PART_BORDER_POST : LV_OBJ_DRAW_PART_RECTANGLE;
    part.part = LV_PART_MAIN;
    part.rect_dsc = &rect;

    lv_area_t area;
    main_rect_area(obj, &area);
    draw_part_rect(obj, &part, &area);
}

static void draw_scrollbars(lv_obj_t * obj, lv_draw_ctx_t * draw_ctx)
{
    lv_area_t bars[2];
    lv_obj_get_scrollbar_area(obj, &bars[0], &bars[1]);
    if(lv_area_get_size(&bars[0]) <= 0 && lv_area_get_size(&bars[1]) <= 0) return;

    lv_draw_rect_dsc_t rect;
    if(_lv_obj_get_scrollbar_draw_dsc(obj, &rect) != LV_RES_OK) return;

    lv_obj_draw_part_dsc_t part;
    lv_obj_draw_dsc_init(&part, draw_ctx);
    part.class_p = &lv_obj_class;
    part.type = LV_OBJ_DRAW_PART_SCROLLBAR;
    part.part = LV_PART_SCROLLBAR;
    part.rect_dsc = &rect;
    for(int i = 0; i < 2; i++) {
        if(lv_area_get_size(&bars[i]) > 0) draw_part_rect(obj, &part, &bars[i]);
    }
}

/* Whether the main part paints every pixel of `area` opaquely, so nothing behind needs drawing. */
static lv_cover_res_t cover_of(lv_obj_t * obj, const lv_area_t * area)
{
    /*Clipped corners go through a mask; the object cannot vouch for them*/
    if(lv_obj_get_style_clip_corner(obj, LV_PART_MAIN)) return LV_COVER_RES_MASKED;

    lv_area_t drawn;
    main_rect_area(obj, &drawn);
    if(!_lv_area_is_in(area, &drawn, lv_obj_get_style_radius(obj, LV_PART_MAIN))) return LV_COVER_RES_NOT_COVER;
    if(lv_obj_get_style_bg_opa(obj, LV_PART_MAIN) < LV_OPA_MAX) return LV_COVER_RES_NOT_COVER;
    /*Additive or subtractive blending mixes with what is behind*/
    if(lv_obj_get_style_blend_mode(obj, LV_PART_MAIN) != LV_BLEND_MODE_NORMAL) return LV_COVER_RES_NOT_COVER;
    /*A fading object (or screen) lets the one below show through*/
    if(lv_obj_get_style_opa_recursive(obj, LV_PART_MAIN) < LV_OPA_MAX) return LV_COVER_RES_NOT_COVER;
    return LV_COVER_RES_COVER;
}

void _lv_obj_draw_event(lv_event_t * e)
{
    lv_obj_t * obj = lv_event_get_target(e);
    switch(lv_event_get_code(e)) {
        case LV_EVENT_COVER_CHECK: {
                lv_cover_check_info_t * info = lv_event_get_param(e);
                /*A derived class that found a mask has the last word*/
                if(info->res != LV_COVER_RES_MASKED) info->res = cover_of(obj, info->area);
                break;
            }
        case LV_EVENT_DRAW_MAIN:
            draw_main_rect(obj, lv_event_get_draw_ctx(e), false);
            break;
        case LV_EVENT_DRAW_POST:
            draw_scrollbars(obj, lv_event_get_draw_ctx(e));
            if(lv_obj_get_style_border_post(obj, LV_PART_MAIN)) draw_main_rect(obj, lv_event_get_draw_ctx(e), true);
            break;
        default:
            break;
    }
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

/* Copy one resolved property into its descriptor field; returns the value for the caller's checks. */
static lv_style_value_t put_slot(lv_obj_t * obj, uint32_t part, void * dsc, const dsc_slot_t * slot)
{
    lv_style_value_t v = lv_obj_get_style_prop(obj, part, slot->prop);
    uint8_t * field = (uint8_t *)dsc + slot->offset;
    switch(slot->kind) {
        case SLOT_COLOR:
            v.color = filtered(obj, part, v.color);
            memcpy(field, &v.color, sizeof(v.color));
            break;
        case SLOT_PTR:
            memcpy(field, &v.ptr, sizeof(v.ptr));
            break;
        case SLOT_NUM:
            /*Narrow to the field's own width first, so the bytes are right on any endianness*/
            if(slot->size == 1) {
                uint8_t n = (uint8_t)v.num;
                memcpy(field, &n, 1);
            }
            else if(slot->size == 2) {
                int16_t n = (int16_t)v.num;
                memcpy(field, &n, 2);
            }
            else {
                LV_ASSERT(slot->size == sizeof(int32_t));
                memcpy(field, &v.num, sizeof(int32_t));
            }
            break;
        default:
            break;
    }
    return v;
}

static bool fill_group(lv_obj_t * obj, uint32_t part, void * dsc, const dsc_group_t * group)
{
    if(group->gate.kind != SLOT_NONE) {
        lv_style_value_t gate = put_slot(obj, part, dsc, &group->gate);
        bool open = group->gate.kind == SLOT_PTR ? gate.ptr != NULL : gate.num != 0;
        if(!open) return false;
    }

    lv_opa_t * opa = (lv_opa_t *)((uint8_t *)dsc + group->opa.offset);
    if(group->preset_off && *opa <= LV_OPA_MIN) return false;
    put_slot(obj, part, dsc, &group->opa);
    if(*opa <= LV_OPA_MIN) return false;
    if(group->inherit_opa) {
        *opa = scale_opa(*opa, lv_obj_get_style_opa_recursive(obj, part));
        if(*opa <= LV_OPA_MIN) return false;
    }

    for(uint8_t i = 0; i < group->rest_cnt; i++) put_slot(obj, part, dsc, &group->rest[i]);
    return true;
}

/* a * b / 256, exact when either is fully opaque. */
static lv_opa_t scale_opa(lv_opa_t a, lv_opa_t b)
{
    if(a >= LV_OPA_MAX) return b >= LV_OPA_MAX ? a : b;
    if(b >= LV_OPA_MAX) return a;
    return (lv_opa_t)(((uint32_t)a * b) >> 8);
}

static lv_color_t filtered(lv_obj_t * obj, uint32_t part, lv_color_t c)
{
    lv_style_value_t v = {.color = c};
    return _lv_obj_style_apply_color_filter(obj, part, v).color;
}
