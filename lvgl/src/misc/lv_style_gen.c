/**
 * @file lv_style_gen.c
 * The lv_style_set_* setters, one per property. A style value is a union,
 * so each setter only says which member its value goes in; the three helpers
 * below fill the union and store it.
 */
#include "lv_style.h"

/* The whole union is cleared first: a number stored in a 64-bit union must
 * not leave the upper half of the pointer member undefined for code that
 * reads the value back as a pointer. */
static void put_number(lv_style_t * style, lv_style_prop_t prop, int32_t number)
{
    lv_style_value_t value = {.ptr = NULL};
    value.num = number;
    lv_style_set_prop(style, prop, value);
}

static void put_colour(lv_style_t * style, lv_style_prop_t prop, lv_color_t colour)
{
    lv_style_value_t value = {.ptr = NULL};
    value.color = colour;
    lv_style_set_prop(style, prop, value);
}

static void put_pointer(lv_style_t * style, lv_style_prop_t prop, const void * pointer)
{
    lv_style_value_t value = {.ptr = pointer};
    lv_style_set_prop(style, prop, value);
}

/*----------------------------------------------------------------------
 * Sizes, positions, opacities, enumerations and flags
 *----------------------------------------------------------------------*/

void lv_style_set_width(lv_style_t * style, lv_coord_t value)
{
    put_number(style, LV_STYLE_WIDTH, value);
}

void lv_style_set_min_width(lv_style_t * style, lv_coord_t value)
{
    put_number(style, LV_STYLE_MIN_WIDTH, value);
}

void lv_style_set_max_width(lv_style_t * style, lv_coord_t value)
{
    put_number(style, LV_STYLE_MAX_WIDTH, value);
}

void lv_style_set_height(lv_style_t * style, lv_coord_t value)
{
    put_number(style, LV_STYLE_HEIGHT, value);
}

void lv_style_set_min_height(lv_style_t * style, lv_coord_t value)
{
    put_number(style, LV_STYLE_MIN_HEIGHT, value);
}

void lv_style_set_max_height(lv_style_t * style, lv_coord_t value)
{
    put_number(style, LV_STYLE_MAX_HEIGHT, value);
}

void lv_style_set_x(lv_style_t * style, lv_coord_t value)
{
    put_number(style, LV_STYLE_X, value);
}

void lv_style_set_y(lv_style_t * style, lv_coord_t value)
{
    put_number(style, LV_STYLE_Y, value);
}

void lv_style_set_align(lv_style_t * style, lv_align_t value)
{
    put_number(style, LV_STYLE_ALIGN, value);
}

void lv_style_set_layout(lv_style_t * style, uint16_t value)
{
    put_number(style, LV_STYLE_LAYOUT, value);
}

void lv_style_set_radius(lv_style_t * style, lv_coord_t value)
{
    put_number(style, LV_STYLE_RADIUS, value);
}

void lv_style_set_pad_top(lv_style_t * style, lv_coord_t value)
{
    put_number(style, LV_STYLE_PAD_TOP, value);
}

void lv_style_set_pad_bottom(lv_style_t * style, lv_coord_t value)
{
    put_number(style, LV_STYLE_PAD_BOTTOM, value);
}

void lv_style_set_pad_left(lv_style_t * style, lv_coord_t value)
{
    put_number(style, LV_STYLE_PAD_LEFT, value);
}

void lv_style_set_pad_right(lv_style_t * style, lv_coord_t value)
{
    put_number(style, LV_STYLE_PAD_RIGHT, value);
}

void lv_style_set_pad_row(lv_style_t * style, lv_coord_t value)
{
    put_number(style, LV_STYLE_PAD_ROW, value);
}

void lv_style_set_pad_column(lv_style_t * style, lv_coord_t value)
{
    put_number(style, LV_STYLE_PAD_COLUMN, value);
}

void lv_style_set_base_dir(lv_style_t * style, lv_base_dir_t value)
{
    put_number(style, LV_STYLE_BASE_DIR, value);
}

void lv_style_set_clip_corner(lv_style_t * style, bool value)
{
    put_number(style, LV_STYLE_CLIP_CORNER, value);
}

void lv_style_set_bg_opa(lv_style_t * style, lv_opa_t value)
{
    put_number(style, LV_STYLE_BG_OPA, value);
}

void lv_style_set_bg_grad_dir(lv_style_t * style, lv_grad_dir_t value)
{
    put_number(style, LV_STYLE_BG_GRAD_DIR, value);
}

void lv_style_set_bg_main_stop(lv_style_t * style, lv_coord_t value)
{
    put_number(style, LV_STYLE_BG_MAIN_STOP, value);
}

void lv_style_set_bg_grad_stop(lv_style_t * style, lv_coord_t value)
{
    put_number(style, LV_STYLE_BG_GRAD_STOP, value);
}

void lv_style_set_bg_dither_mode(lv_style_t * style, lv_dither_mode_t value)
{
    put_number(style, LV_STYLE_BG_DITHER_MODE, value);
}

void lv_style_set_bg_img_opa(lv_style_t * style, lv_opa_t value)
{
    put_number(style, LV_STYLE_BG_IMG_OPA, value);
}

void lv_style_set_bg_img_recolor_opa(lv_style_t * style, lv_opa_t value)
{
    put_number(style, LV_STYLE_BG_IMG_RECOLOR_OPA, value);
}

void lv_style_set_bg_img_tiled(lv_style_t * style, bool value)
{
    put_number(style, LV_STYLE_BG_IMG_TILED, value);
}

void lv_style_set_border_opa(lv_style_t * style, lv_opa_t value)
{
    put_number(style, LV_STYLE_BORDER_OPA, value);
}

void lv_style_set_border_width(lv_style_t * style, lv_coord_t value)
{
    put_number(style, LV_STYLE_BORDER_WIDTH, value);
}

void lv_style_set_border_side(lv_style_t * style, lv_border_side_t value)
{
    put_number(style, LV_STYLE_BORDER_SIDE, value);
}

void lv_style_set_border_post(lv_style_t * style, bool value)
{
    put_number(style, LV_STYLE_BORDER_POST, value);
}

void lv_style_set_outline_width(lv_style_t * style, lv_coord_t value)
{
    put_number(style, LV_STYLE_OUTLINE_WIDTH, value);
}

void lv_style_set_outline_opa(lv_style_t * style, lv_opa_t value)
{
    put_number(style, LV_STYLE_OUTLINE_OPA, value);
}

void lv_style_set_outline_pad(lv_style_t * style, lv_coord_t value)
{
    put_number(style, LV_STYLE_OUTLINE_PAD, value);
}

void lv_style_set_shadow_width(lv_style_t * style, lv_coord_t value)
{
    put_number(style, LV_STYLE_SHADOW_WIDTH, value);
}

void lv_style_set_shadow_ofs_x(lv_style_t * style, lv_coord_t value)
{
    put_number(style, LV_STYLE_SHADOW_OFS_X, value);
}

void lv_style_set_shadow_ofs_y(lv_style_t * style, lv_coord_t value)
{
    put_number(style, LV_STYLE_SHADOW_OFS_Y, value);
}

void lv_style_set_shadow_spread(lv_style_t * style, lv_coord_t value)
{
    put_number(style, LV_STYLE_SHADOW_SPREAD, value);
}

void lv_style_set_shadow_opa(lv_style_t * style, lv_opa_t value)
{
    put_number(style, LV_STYLE_SHADOW_OPA, value);
}

void lv_style_set_img_opa(lv_style_t * style, lv_opa_t value)
{
    put_number(style, LV_STYLE_IMG_OPA, value);
}

void lv_style_set_img_recolor_opa(lv_style_t * style, lv_opa_t value)
{
    put_number(style, LV_STYLE_IMG_RECOLOR_OPA, value);
}

void lv_style_set_line_width(lv_style_t * style, lv_coord_t value)
{
    put_number(style, LV_STYLE_LINE_WIDTH, value);
}

void lv_style_set_line_dash_width(lv_style_t * style, lv_coord_t value)
{
    put_number(style, LV_STYLE_LINE_DASH_WIDTH, value);
}

void lv_style_set_line_dash_gap(lv_style_t * style, lv_coord_t value)
{
    put_number(style, LV_STYLE_LINE_DASH_GAP, value);
}

void lv_style_set_line_rounded(lv_style_t * style, bool value)
{
    put_number(style, LV_STYLE_LINE_ROUNDED, value);
}

void lv_style_set_line_opa(lv_style_t * style, lv_opa_t value)
{
    put_number(style, LV_STYLE_LINE_OPA, value);
}

void lv_style_set_arc_width(lv_style_t * style, lv_coord_t value)
{
    put_number(style, LV_STYLE_ARC_WIDTH, value);
}

void lv_style_set_arc_rounded(lv_style_t * style, bool value)
{
    put_number(style, LV_STYLE_ARC_ROUNDED, value);
}

void lv_style_set_arc_opa(lv_style_t * style, lv_opa_t value)
{
    put_number(style, LV_STYLE_ARC_OPA, value);
}

void lv_style_set_text_opa(lv_style_t * style, lv_opa_t value)
{
    put_number(style, LV_STYLE_TEXT_OPA, value);
}

void lv_style_set_text_letter_space(lv_style_t * style, lv_coord_t value)
{
    put_number(style, LV_STYLE_TEXT_LETTER_SPACE, value);
}

void lv_style_set_text_line_space(lv_style_t * style, lv_coord_t value)
{
    put_number(style, LV_STYLE_TEXT_LINE_SPACE, value);
}

void lv_style_set_text_decor(lv_style_t * style, lv_text_decor_t value)
{
    put_number(style, LV_STYLE_TEXT_DECOR, value);
}

void lv_style_set_text_align(lv_style_t * style, lv_text_align_t value)
{
    put_number(style, LV_STYLE_TEXT_ALIGN, value);
}

void lv_style_set_opa(lv_style_t * style, lv_opa_t value)
{
    put_number(style, LV_STYLE_OPA, value);
}

void lv_style_set_color_filter_opa(lv_style_t * style, lv_opa_t value)
{
    put_number(style, LV_STYLE_COLOR_FILTER_OPA, value);
}

void lv_style_set_anim_time(lv_style_t * style, uint32_t value)
{
    put_number(style, LV_STYLE_ANIM_TIME, value);
}

void lv_style_set_anim_speed(lv_style_t * style, uint32_t value)
{
    put_number(style, LV_STYLE_ANIM_SPEED, value);
}

void lv_style_set_blend_mode(lv_style_t * style, lv_blend_mode_t value)
{
    put_number(style, LV_STYLE_BLEND_MODE, value);
}

void lv_style_set_transform_width(lv_style_t * style, lv_coord_t value)
{
    put_number(style, LV_STYLE_TRANSFORM_WIDTH, value);
}

void lv_style_set_transform_height(lv_style_t * style, lv_coord_t value)
{
    put_number(style, LV_STYLE_TRANSFORM_HEIGHT, value);
}

void lv_style_set_translate_x(lv_style_t * style, lv_coord_t value)
{
    put_number(style, LV_STYLE_TRANSLATE_X, value);
}

void lv_style_set_translate_y(lv_style_t * style, lv_coord_t value)
{
    put_number(style, LV_STYLE_TRANSLATE_Y, value);
}

void lv_style_set_transform_zoom(lv_style_t * style, lv_coord_t value)
{
    put_number(style, LV_STYLE_TRANSFORM_ZOOM, value);
}

void lv_style_set_transform_angle(lv_style_t * style, lv_coord_t value)
{
    put_number(style, LV_STYLE_TRANSFORM_ANGLE, value);
}

void lv_style_set_transform_pivot_x(lv_style_t * style, lv_coord_t value)
{
    put_number(style, LV_STYLE_TRANSFORM_PIVOT_X, value);
}

void lv_style_set_transform_pivot_y(lv_style_t * style, lv_coord_t value)
{
    put_number(style, LV_STYLE_TRANSFORM_PIVOT_Y, value);
}

/*----------------------------------------------------------------------
 * Colours
 *----------------------------------------------------------------------*/

void lv_style_set_bg_color(lv_style_t * style, lv_color_t value)
{
    put_colour(style, LV_STYLE_BG_COLOR, value);
}

void lv_style_set_bg_grad_color(lv_style_t * style, lv_color_t value)
{
    put_colour(style, LV_STYLE_BG_GRAD_COLOR, value);
}

void lv_style_set_bg_img_recolor(lv_style_t * style, lv_color_t value)
{
    put_colour(style, LV_STYLE_BG_IMG_RECOLOR, value);
}

void lv_style_set_border_color(lv_style_t * style, lv_color_t value)
{
    put_colour(style, LV_STYLE_BORDER_COLOR, value);
}

void lv_style_set_outline_color(lv_style_t * style, lv_color_t value)
{
    put_colour(style, LV_STYLE_OUTLINE_COLOR, value);
}

void lv_style_set_shadow_color(lv_style_t * style, lv_color_t value)
{
    put_colour(style, LV_STYLE_SHADOW_COLOR, value);
}

void lv_style_set_img_recolor(lv_style_t * style, lv_color_t value)
{
    put_colour(style, LV_STYLE_IMG_RECOLOR, value);
}

void lv_style_set_line_color(lv_style_t * style, lv_color_t value)
{
    put_colour(style, LV_STYLE_LINE_COLOR, value);
}

void lv_style_set_arc_color(lv_style_t * style, lv_color_t value)
{
    put_colour(style, LV_STYLE_ARC_COLOR, value);
}

void lv_style_set_text_color(lv_style_t * style, lv_color_t value)
{
    put_colour(style, LV_STYLE_TEXT_COLOR, value);
}

/*----------------------------------------------------------------------
 * Fonts, gradients, images, filters, animations and transitions
 *----------------------------------------------------------------------*/

void lv_style_set_bg_grad(lv_style_t * style, const lv_grad_dsc_t * value)
{
    put_pointer(style, LV_STYLE_BG_GRAD, value);
}

void lv_style_set_bg_img_src(lv_style_t * style, const void * value)
{
    put_pointer(style, LV_STYLE_BG_IMG_SRC, value);
}

void lv_style_set_arc_img_src(lv_style_t * style, const void * value)
{
    put_pointer(style, LV_STYLE_ARC_IMG_SRC, value);
}

void lv_style_set_text_font(lv_style_t * style, const lv_font_t * value)
{
    put_pointer(style, LV_STYLE_TEXT_FONT, value);
}

void lv_style_set_color_filter_dsc(lv_style_t * style, const lv_color_filter_dsc_t * value)
{
    put_pointer(style, LV_STYLE_COLOR_FILTER_DSC, value);
}

void lv_style_set_anim(lv_style_t * style, const lv_anim_t * value)
{
    put_pointer(style, LV_STYLE_ANIM, value);
}

void lv_style_set_transition(lv_style_t * style, const lv_style_transition_dsc_t * value)
{
    put_pointer(style, LV_STYLE_TRANSITION, value);
}
