/**
 * @file lv_theme.c
 * Applying the display's theme to new objects.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_theme.h"
#include "lv_disp.h"

/**********************
 *  STATIC PROTOTYPES
 **********************/
static void apply_with_bases(lv_theme_t * th, lv_obj_t * obj);

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

lv_theme_t * lv_theme_get_from_obj(lv_obj_t * obj)
{
    lv_disp_t * disp = obj ? lv_obj_get_disp(obj) : lv_disp_get_default();
    return lv_disp_get_theme(disp);
}

/**
 * Give `obj` the styles of its display's theme (and the theme's parents),
 * replacing the styles it has, and refresh it.
 */
void lv_theme_apply(lv_obj_t * obj)
{
    lv_theme_t * th = lv_theme_get_from_obj(obj);
    if(th == NULL) return;

    lv_obj_remove_style_all(obj);
    apply_with_bases(th, obj);
}

void lv_theme_set_parent(lv_theme_t * new_theme, lv_theme_t * base)
{
    new_theme->parent = base;
}

void lv_theme_set_apply_cb(lv_theme_t * theme, lv_theme_apply_cb_t apply_cb)
{
    theme->apply_cb = apply_cb;
}

const lv_font_t * lv_theme_get_font_small(lv_obj_t * obj)
{
    lv_theme_t * th = lv_theme_get_from_obj(obj);
    return th ? th->font_small : LV_FONT_DEFAULT;
}

const lv_font_t * lv_theme_get_font_normal(lv_obj_t * obj)
{
    lv_theme_t * th = lv_theme_get_from_obj(obj);
    return th ? th->font_normal : LV_FONT_DEFAULT;
}

const lv_font_t * lv_theme_get_font_large(lv_obj_t * obj)
{
    lv_theme_t * th = lv_theme_get_from_obj(obj);
    return th ? th->font_large : LV_FONT_DEFAULT;
}

lv_color_t lv_theme_get_color_primary(lv_obj_t * obj)
{
    lv_theme_t * th = lv_theme_get_from_obj(obj);
    return th ? th->color_primary : lv_palette_main(LV_PALETTE_BLUE_GREY);
}

lv_color_t lv_theme_get_color_secondary(lv_obj_t * obj)
{
    lv_theme_t * th = lv_theme_get_from_obj(obj);
    return th ? th->color_secondary : lv_palette_main(LV_PALETTE_BLUE_GREY);
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

/* Base themes first, so that the derived theme's styles are added later and win. */
static void apply_with_bases(lv_theme_t * th, lv_obj_t * obj)
{
    if(th->parent) apply_with_bases(th->parent, obj);
    if(th->apply_cb) th->apply_cb(th, obj);
}
