/**
 * @file lv_obj_style_gen.c
 * Local style setters, one per property (see lv_obj_style_gen.h).
 */

#include "lv_obj.h"

/* Each setter wraps its value for lv_obj_set_local_style_prop; these do the wrapping once per kind. */
static void set_local_num(struct _lv_obj_t * obj, lv_style_prop_t prop, int32_t value, lv_style_selector_t selector)
{
    lv_style_value_t v = { .num = value };
    lv_obj_set_local_style_prop(obj, prop, v, selector);
}

static void set_local_color(struct _lv_obj_t * obj, lv_style_prop_t prop, lv_color_t value,
                            lv_style_selector_t selector)
{
    lv_style_value_t v = { .color = value };
    lv_obj_set_local_style_prop(obj, prop, v, selector);
}

static void set_local_ptr(struct _lv_obj_t * obj, lv_style_prop_t prop, const void * value,
                          lv_style_selector_t selector)
{
    lv_style_value_t v = { .ptr = value };
    lv_obj_set_local_style_prop(obj, prop, v, selector);
}

void lv_obj_set_style_width(struct _lv_obj_t * obj, lv_coord_t value, lv_style_selector_t selector)
{
    set_local_num(obj, LV_STYLE_WIDTH, (int32_t)value, selector);
}

void lv_obj_set_style_min_width(struct _lv_obj_t * obj, lv_coord_t value, lv_style_selector_t selector)
{
    set_local_num(obj, LV_STYLE_MIN_WIDTH, (int32_t)value, selector);
}

void lv_obj_set_style_max_width(struct _lv_obj_t * obj, lv_coord_t value, lv_style_selector_t selector)
{
    set_local_num(obj, LV_STYLE_MAX_WIDTH, (int32_t)value, selector);
}

void lv_obj_set_style_height(struct _lv_obj_t * obj, lv_coord_t value, lv_style_selector_t selector)
{
    set_local_num(obj, LV_STYLE_HEIGHT, (int32_t)value, selector);
}

void lv_obj_set_style_min_height(struct _lv_obj_t * obj, lv_coord_t value, lv_style_selector_t selector)
{
    set_local_num(obj, LV_STYLE_MIN_HEIGHT, (int32_t)value, selector);
}

void lv_obj_set_style_max_height(struct _lv_obj_t * obj, lv_coord_t value, lv_style_selector_t selector)
{
    set_local_num(obj, LV_STYLE_MAX_HEIGHT, (int32_t)value, selector);
}

void lv_obj_set_style_x(struct _lv_obj_t * obj, lv_coord_t value, lv_style_selector_t selector)
{
    set_local_num(obj, LV_STYLE_X, (int32_t)value, selector);
}

void lv_obj_set_style_y(struct _lv_obj_t * obj, lv_coord_t value, lv_style_selector_t selector)
{
    set_local_num(obj, LV_STYLE_Y, (int32_t)value, selector);
}

void lv_obj_set_style_align(struct _lv_obj_t * obj, lv_align_t value, lv_style_selector_t selector)
{
    set_local_num(obj, LV_STYLE_ALIGN, (int32_t)value, selector);
}

void lv_obj_set_style_layout(struct _lv_obj_t * obj, uint16_t value, lv_style_selector_t selector)
{
    set_local_num(obj, LV_STYLE_LAYOUT, (int32_t)value, selector);
}

void lv_obj_set_style_radius(struct _lv_obj_t * obj, lv_coord_t value, lv_style_selector_t selector)
{
    set_local_num(obj, LV_STYLE_RADIUS, (int32_t)value, selector);
}

void lv_obj_set_style_pad_top(struct _lv_obj_t * obj, lv_coord_t value, lv_style_selector_t selector)
{
    set_local_num(obj, LV_STYLE_PAD_TOP, (int32_t)value, selector);
}

void lv_obj_set_style_pad_bottom(struct _lv_obj_t * obj, lv_coord_t value, lv_style_selector_t selector)
{
    set_local_num(obj, LV_STYLE_PAD_BOTTOM, (int32_t)value, selector);
}

void lv_obj_set_style_pad_left(struct _lv_obj_t * obj, lv_coord_t value, lv_style_selector_t selector)
{
    set_local_num(obj, LV_STYLE_PAD_LEFT, (int32_t)value, selector);
}

void lv_obj_set_style_pad_right(struct _lv_obj_t * obj, lv_coord_t value, lv_style_selector_t selector)
{
    set_local_num(obj, LV_STYLE_PAD_RIGHT, (int32_t)value, selector);
}

void lv_obj_set_style_pad_row(struct _lv_obj_t * obj, lv_coord_t value, lv_style_selector_t selector)
{
    set_local_num(obj, LV_STYLE_PAD_ROW, (int32_t)value, selector);
}

void lv_obj_set_style_pad_column(struct _lv_obj_t * obj, lv_coord_t value, lv_style_selector_t selector)
{
    set_local_num(obj, LV_STYLE_PAD_COLUMN, (int32_t)value, selector);
}

void lv_obj_set_style_base_dir(struct _lv_obj_t * obj, lv_base_dir_t value, lv_style_selector_t selector)
{
    set_local_num(obj, LV_STYLE_BASE_DIR, (int32_t)value, selector);
}

void lv_obj_set_style_clip_corner(struct _lv_obj_t * obj, bool value, lv_style_selector_t selector)
{
    set_local_num(obj, LV_STYLE_CLIP_CORNER, (int32_t)value, selector);
}

void lv_obj_set_style_bg_color(struct _lv_obj_t * obj, lv_color_t value, lv_style_selector_t selector)
{
    set_local_color(obj, LV_STYLE_BG_COLOR, value, selector);
}

void lv_obj_set_style_bg_opa(struct _lv_obj_t * obj, lv_opa_t value, lv_style_selector_t selector)
{
    set_local_num(obj, LV_STYLE_BG_OPA, (int32_t)value, selector);
}

void lv_obj_set_style_bg_grad_color(struct _lv_obj_t * obj, lv_color_t value, lv_style_selector_t selector)
{
    set_local_color(obj, LV_STYLE_BG_GRAD_COLOR, value, selector);
}

void lv_obj_set_style_bg_grad_dir(struct _lv_obj_t * obj, lv_grad_dir_t value, lv_style_selector_t selector)
{
    set_local_num(obj, LV_STYLE_BG_GRAD_DIR, (int32_t)value, selector);
}

void lv_obj_set_style_bg_main_stop(struct _lv_obj_t * obj, lv_coord_t value, lv_style_selector_t selector)
{
    set_local_num(obj, LV_STYLE_BG_MAIN_STOP, (int32_t)value, selector);
}

void lv_obj_set_style_bg_grad_stop(struct _lv_obj_t * obj, lv_coord_t value, lv_style_selector_t selector)
{
    set_local_num(obj, LV_STYLE_BG_GRAD_STOP, (int32_t)value, selector);
}

void lv_obj_set_style_bg_grad(struct _lv_obj_t * obj, const lv_grad_dsc_t * value, lv_style_selector_t selector)
{
    set_local_ptr(obj, LV_STYLE_BG_GRAD, value, selector);
}

void lv_obj_set_style_bg_dither_mode(struct _lv_obj_t * obj, lv_dither_mode_t value, lv_style_selector_t selector)
{
    set_local_num(obj, LV_STYLE_BG_DITHER_MODE, (int32_t)value, selector);
}

void lv_obj_set_style_bg_img_src(struct _lv_obj_t * obj, const void * value, lv_style_selector_t selector)
{
    set_local_ptr(obj, LV_STYLE_BG_IMG_SRC, value, selector);
}

void lv_obj_set_style_bg_img_opa(struct _lv_obj_t * obj, lv_opa_t value, lv_style_selector_t selector)
{
    set_local_num(obj, LV_STYLE_BG_IMG_OPA, (int32_t)value, selector);
}

void lv_obj_set_style_bg_img_recolor(struct _lv_obj_t * obj, lv_color_t value, lv_style_selector_t selector)
{
    set_local_color(obj, LV_STYLE_BG_IMG_RECOLOR, value, selector);
}

void lv_obj_set_style_bg_img_recolor_opa(struct _lv_obj_t * obj, lv_opa_t value, lv_style_selector_t selector)
{
    set_local_num(obj, LV_STYLE_BG_IMG_RECOLOR_OPA, (int32_t)value, selector);
}

void lv_obj_set_style_bg_img_tiled(struct _lv_obj_t * obj, bool value, lv_style_selector_t selector)
{
    set_local_num(obj, LV_STYLE_BG_IMG_TILED, (int32_t)value, selector);
}

void lv_obj_set_style_border_color(struct _lv_obj_t * obj, lv_color_t value, lv_style_selector_t selector)
{
    set_local_color(obj, LV_STYLE_BORDER_COLOR, value, selector);
}

void lv_obj_set_style_border_opa(struct _lv_obj_t * obj, lv_opa_t value, lv_style_selector_t selector)
{
    set_local_num(obj, LV_STYLE_BORDER_OPA, (int32_t)value, selector);
}

void lv_obj_set_style_border_width(struct _lv_obj_t * obj, lv_coord_t value, lv_style_selector_t selector)
{
    set_local_num(obj, LV_STYLE_BORDER_WIDTH, (int32_t)value, selector);
}

void lv_obj_set_style_border_side(struct _lv_obj_t * obj, lv_border_side_t value, lv_style_selector_t selector)
{
    set_local_num(obj, LV_STYLE_BORDER_SIDE, (int32_t)value, selector);
}

void lv_obj_set_style_border_post(struct _lv_obj_t * obj, bool value, lv_style_selector_t selector)
{
    set_local_num(obj, LV_STYLE_BORDER_POST, (int32_t)value, selector);
}

void lv_obj_set_style_outline_width(struct _lv_obj_t * obj, lv_coord_t value, lv_style_selector_t selector)
{
    set_local_num(obj, LV_STYLE_OUTLINE_WIDTH, (int32_t)value, selector);
}

void lv_obj_set_style_outline_color(struct _lv_obj_t * obj, lv_color_t value, lv_style_selector_t selector)
{
    set_local_color(obj, LV_STYLE_OUTLINE_COLOR, value, selector);
}

void lv_obj_set_style_outline_opa(struct _lv_obj_t * obj, lv_opa_t value, lv_style_selector_t selector)
{
    set_local_num(obj, LV_STYLE_OUTLINE_OPA, (int32_t)value, selector);
}

void lv_obj_set_style_outline_pad(struct _lv_obj_t * obj, lv_coord_t value, lv_style_selector_t selector)
{
    set_local_num(obj, LV_STYLE_OUTLINE_PAD, (int32_t)value, selector);
}

void lv_obj_set_style_shadow_width(struct _lv_obj_t * obj, lv_coord_t value, lv_style_selector_t selector)
{
    set_local_num(obj, LV_STYLE_SHADOW_WIDTH, (int32_t)value, selector);
}

void lv_obj_set_style_shadow_ofs_x(struct _lv_obj_t * obj, lv_coord_t value, lv_style_selector_t selector)
{
    set_local_num(obj, LV_STYLE_SHADOW_OFS_X, (int32_t)value, selector);
}

void lv_obj_set_style_shadow_ofs_y(struct _lv_obj_t * obj, lv_coord_t value, lv_style_selector_t selector)
{
    set_local_num(obj, LV_STYLE_SHADOW_OFS_Y, (int32_t)value, selector);
}

void lv_obj_set_style_shadow_spread(struct _lv_obj_t * obj, lv_coord_t value, lv_style_selector_t selector)
{
    set_local_num(obj, LV_STYLE_SHADOW_SPREAD, (int32_t)value, selector);
}

void lv_obj_set_style_shadow_color(struct _lv_obj_t * obj, lv_color_t value, lv_style_selector_t selector)
{
    set_local_color(obj, LV_STYLE_SHADOW_COLOR, value, selector);
}

void lv_obj_set_style_shadow_opa(struct _lv_obj_t * obj, lv_opa_t value, lv_style_selector_t selector)
{
    set_local_num(obj, LV_STYLE_SHADOW_OPA, (int32_t)value, selector);
}

void lv_obj_set_style_img_opa(struct _lv_obj_t * obj, lv_opa_t value, lv_style_selector_t selector)
{
    set_local_num(obj, LV_STYLE_IMG_OPA, (int32_t)value, selector);
}

void lv_obj_set_style_img_recolor(struct _lv_obj_t * obj, lv_color_t value, lv_style_selector_t selector)
{
    set_local_color(obj, LV_STYLE_IMG_RECOLOR, value, selector);
}

void lv_obj_set_style_img_recolor_opa(struct _lv_obj_t * obj, lv_opa_t value, lv_style_selector_t selector)
{
    set_local_num(obj, LV_STYLE_IMG_RECOLOR_OPA, (int32_t)value, selector);
}

void lv_obj_set_style_line_width(struct _lv_obj_t * obj, lv_coord_t value, lv_style_selector_t selector)
{
    set_local_num(obj, LV_STYLE_LINE_WIDTH, (int32_t)value, selector);
}

void lv_obj_set_style_line_dash_width(struct _lv_obj_t * obj, lv_coord_t value, lv_style_selector_t selector)
{
    set_local_num(obj, LV_STYLE_LINE_DASH_WIDTH, (int32_t)value, selector);
}

void lv_obj_set_style_line_dash_gap(struct _lv_obj_t * obj, lv_coord_t value, lv_style_selector_t selector)
{
    set_local_num(obj, LV_STYLE_LINE_DASH_GAP, (int32_t)value, selector);
}

void lv_obj_set_style_line_rounded(struct _lv_obj_t * obj, bool value, lv_style_selector_t selector)
{
    set_local_num(obj, LV_STYLE_LINE_ROUNDED, (int32_t)value, selector);
}

void lv_obj_set_style_line_color(struct _lv_obj_t * obj, lv_color_t value, lv_style_selector_t selector)
{
    set_local_color(obj, LV_STYLE_LINE_COLOR, value, selector);
}

void lv_obj_set_style_line_opa(struct _lv_obj_t * obj, lv_opa_t value, lv_style_selector_t selector)
{
    set_local_num(obj, LV_STYLE_LINE_OPA, (int32_t)value, selector);
}

void lv_obj_set_style_arc_width(struct _lv_obj_t * obj, lv_coord_t value, lv_style_selector_t selector)
{
    set_local_num(obj, LV_STYLE_ARC_WIDTH, (int32_t)value, selector);
}

void lv_obj_set_style_arc_rounded(struct _lv_obj_t * obj, bool value, lv_style_selector_t selector)
{
    set_local_num(obj, LV_STYLE_ARC_ROUNDED, (int32_t)value, selector);
}

void lv_obj_set_style_arc_color(struct _lv_obj_t * obj, lv_color_t value, lv_style_selector_t selector)
{
    set_local_color(obj, LV_STYLE_ARC_COLOR, value, selector);
}

void lv_obj_set_style_arc_opa(struct _lv_obj_t * obj, lv_opa_t value, lv_style_selector_t selector)
{
    set_local_num(obj, LV_STYLE_ARC_OPA, (int32_t)value, selector);
}

void lv_obj_set_style_arc_img_src(struct _lv_obj_t * obj, const void * value, lv_style_selector_t selector)
{
    set_local_ptr(obj, LV_STYLE_ARC_IMG_SRC, value, selector);
}

void lv_obj_set_style_text_color(struct _lv_obj_t * obj, lv_color_t value, lv_style_selector_t selector)
{
    set_local_color(obj, LV_STYLE_TEXT_COLOR, value, selector);
}

void lv_obj_set_style_text_opa(struct _lv_obj_t * obj, lv_opa_t value, lv_style_selector_t selector)
{
    set_local_num(obj, LV_STYLE_TEXT_OPA, (int32_t)value, selector);
}

void lv_obj_set_style_text_font(struct _lv_obj_t * obj, const lv_font_t * value, lv_style_selector_t selector)
{
    set_local_ptr(obj, LV_STYLE_TEXT_FONT, value, selector);
}

void lv_obj_set_style_text_letter_space(struct _lv_obj_t * obj, lv_coord_t value, lv_style_selector_t selector)
{
    set_local_num(obj, LV_STYLE_TEXT_LETTER_SPACE, (int32_t)value, selector);
}

void lv_obj_set_style_text_line_space(struct _lv_obj_t * obj, lv_coord_t value, lv_style_selector_t selector)
{
    set_local_num(obj, LV_STYLE_TEXT_LINE_SPACE, (int32_t)value, selector);
}

void lv_obj_set_style_text_decor(struct _lv_obj_t * obj, lv_text_decor_t value, lv_style_selector_t selector)
{
    set_local_num(obj, LV_STYLE_TEXT_DECOR, (int32_t)value, selector);
}

void lv_obj_set_style_text_align(struct _lv_obj_t * obj, lv_text_align_t value, lv_style_selector_t selector)
{
    set_local_num(obj, LV_STYLE_TEXT_ALIGN, (int32_t)value, selector);
}

void lv_obj_set_style_opa(struct _lv_obj_t * obj, lv_opa_t value, lv_style_selector_t selector)
{
    set_local_num(obj, LV_STYLE_OPA, (int32_t)value, selector);
}

void lv_obj_set_style_color_filter_dsc(struct _lv_obj_t * obj, const lv_color_filter_dsc_t * value, lv_style_selector_t selector)
{
    set_local_ptr(obj, LV_STYLE_COLOR_FILTER_DSC, value, selector);
}

void lv_obj_set_style_color_filter_opa(struct _lv_obj_t * obj, lv_opa_t value, lv_style_selector_t selector)
{
    set_local_num(obj, LV_STYLE_COLOR_FILTER_OPA, (int32_t)value, selector);
}

void lv_obj_set_style_anim(struct _lv_obj_t * obj, const lv_anim_t * value, lv_style_selector_t selector)
{
    set_local_ptr(obj, LV_STYLE_ANIM, value, selector);
}

void lv_obj_set_style_anim_time(struct _lv_obj_t * obj, uint32_t value, lv_style_selector_t selector)
{
    set_local_num(obj, LV_STYLE_ANIM_TIME, (int32_t)value, selector);
}

void lv_obj_set_style_anim_speed(struct _lv_obj_t * obj, uint32_t value, lv_style_selector_t selector)
{
    set_local_num(obj, LV_STYLE_ANIM_SPEED, (int32_t)value, selector);
}

void lv_obj_set_style_transition(struct _lv_obj_t * obj, const lv_style_transition_dsc_t * value, lv_style_selector_t selector)
{
    set_local_ptr(obj, LV_STYLE_TRANSITION, value, selector);
}

void lv_obj_set_style_blend_mode(struct _lv_obj_t * obj, lv_blend_mode_t value, lv_style_selector_t selector)
{
    set_local_num(obj, LV_STYLE_BLEND_MODE, (int32_t)value, selector);
}

void lv_obj_set_style_transform_width(struct _lv_obj_t * obj, lv_coord_t value, lv_style_selector_t selector)
{
    set_local_num(obj, LV_STYLE_TRANSFORM_WIDTH, (int32_t)value, selector);
}

void lv_obj_set_style_transform_height(struct _lv_obj_t * obj, lv_coord_t value, lv_style_selector_t selector)
{
    set_local_num(obj, LV_STYLE_TRANSFORM_HEIGHT, (int32_t)value, selector);
}

void lv_obj_set_style_translate_x(struct _lv_obj_t * obj, lv_coord_t value, lv_style_selector_t selector)
{
    set_local_num(obj, LV_STYLE_TRANSLATE_X, (int32_t)value, selector);
}

void lv_obj_set_style_translate_y(struct _lv_obj_t * obj, lv_coord_t value, lv_style_selector_t selector)
{
    set_local_num(obj, LV_STYLE_TRANSLATE_Y, (int32_t)value, selector);
}

void lv_obj_set_style_transform_zoom(struct _lv_obj_t * obj, lv_coord_t value, lv_style_selector_t selector)
{
    set_local_num(obj, LV_STYLE_TRANSFORM_ZOOM, (int32_t)value, selector);
}

void lv_obj_set_style_transform_angle(struct _lv_obj_t * obj, lv_coord_t value, lv_style_selector_t selector)
{
    set_local_num(obj, LV_STYLE_TRANSFORM_ANGLE, (int32_t)value, selector);
}

void lv_obj_set_style_transform_pivot_x(struct _lv_obj_t * obj, lv_coord_t value, lv_style_selector_t selector)
{
    set_local_num(obj, LV_STYLE_TRANSFORM_PIVOT_X, (int32_t)value, selector);
}

void lv_obj_set_style_transform_pivot_y(struct _lv_obj_t * obj, lv_coord_t value, lv_style_selector_t selector)
{
    set_local_num(obj, LV_STYLE_TRANSFORM_PIVOT_Y, (int32_t)value, selector);
}
