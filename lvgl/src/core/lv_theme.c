/**
 * @file lv_theme.c
 * Themes: the look a display gives to every object created on it.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_theme.h"
#include "lv_disp.h"

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

/* NULL asks for the default display's theme. */
lv_theme_t * lv_theme_get_from_obj(lv_obj_t * obj)
{
    return lv_disp_get_theme(obj != NULL ? lv_obj_get_disp(obj) : lv_disp_get_default());
}

/*
 * The object loses the styles it has and takes its display's theme. A
 * theme built on another one is applied after its base, so that its styles
 * come later and win where both set something.
 */
void lv_theme_apply(lv_obj_t * obj)
{
    lv_theme_t * top = lv_theme_get_from_obj(obj);
    if(top == NULL) return;

    lv_obj_remove_style_all(obj);

    uint32_t depth = 0;
    for(const lv_theme_t * t = top->parent; t != NULL; t = t->parent) depth++;

    /*Deepest base first; chains are short, so walking down again per level is cheap*/
    for(int32_t level = (int32_t)depth; level >= 0; level--) {
        lv_theme_t * t = top;
        for(int32_t step = 0; step < level; step++) t = t->parent;
        if(t->apply_cb != NULL) t->apply_cb(t, obj);
    }
}

void lv_theme_set_parent(lv_theme_t * new_theme, lv_theme_t * base)
{
    new_theme->parent = base;
}

void lv_theme_set_apply_cb(lv_theme_t * theme, lv_theme_apply_cb_t apply_cb)
{
    theme->apply_cb = apply_cb;
}

/* Without a theme every text uses the configured default font. */
const lv_font_t * lv_theme_get_font_small(lv_obj_t * obj)
{
    const lv_theme_t * t = lv_theme_get_from_obj(obj);
    return t != NULL ? t->font_small : LV_FONT_DEFAULT;
}

const lv_font_t * lv_theme_get_font_normal(lv_obj_t * obj)
{
    const lv_theme_t * t = lv_theme_get_from_obj(obj);
    return t != NULL ? t->font_normal : LV_FONT_DEFAULT;
}

const lv_font_t * lv_theme_get_font_large(lv_obj_t * obj)
{
    const lv_theme_t * t = lv_theme_get_from_obj(obj);
    return t != NULL ? t->font_large : LV_FONT_DEFAULT;
}

/* Without a theme both colours are a neutral blue grey. */
lv_color_t lv_theme_get_color_primary(lv_obj_t * obj)
{
    const lv_theme_t * t = lv_theme_get_from_obj(obj);
    return t != NULL ? t->color_primary : lv_palette_main(LV_PALETTE_BLUE_GREY);
}

lv_color_t lv_theme_get_color_secondary(lv_obj_t * obj)
{
    const lv_theme_t * t = lv_theme_get_from_obj(obj);
    return t != NULL ? t->color_secondary : lv_palette_main(LV_PALETTE_BLUE_GREY);
}
