/**
 * @file lv_theme.h
 * Themes: a callback that gives every new object its styles.
 */

#ifndef LV_THEME_H
#define LV_THEME_H

#ifdef __cplusplus
extern "C" {
#endif

/*********************
 *    INCLUDES
 *********************/
#include "lv_obj.h"

/**********************
 *    TYPEDEFS
 **********************/

struct _lv_theme_t;
struct _lv_disp_t;

typedef void (*lv_theme_apply_cb_t)(struct _lv_theme_t *, lv_obj_t *);

typedef struct _lv_theme_t {
    lv_theme_apply_cb_t apply_cb;
    struct _lv_theme_t * parent;    /**< a base theme whose styles go in first*/
    void * user_data;
    struct _lv_disp_t * disp;
    lv_color_t color_primary;
    lv_color_t color_secondary;
    const lv_font_t * font_small;
    const lv_font_t * font_normal;
    const lv_font_t * font_large;
    uint32_t flags;                 /*for the theme itself, e.g. light or dark*/
} lv_theme_t;

/**********************
 *  GLOBAL PROTOTYPES
 **********************/

/** @return the theme of the display `obj` is on (the default display's for NULL), or NULL*/
lv_theme_t * lv_theme_get_from_obj(lv_obj_t * obj);

/** Replace the styles of `obj` with those its display's theme gives it.*/
void lv_theme_apply(lv_obj_t * obj);

/** Build `new_theme` on `parent`: the parent's styles are added first, so the new theme's win. Chains may be long.*/
void lv_theme_set_parent(lv_theme_t * new_theme, lv_theme_t * parent);

/** Set the function that adds the theme's styles to a new object.*/
void lv_theme_set_apply_cb(lv_theme_t * theme, lv_theme_apply_cb_t apply_cb);

/** The fonts of the theme of `obj`'s display; LV_FONT_DEFAULT without a theme.*/
const lv_font_t * lv_theme_get_font_small(lv_obj_t * obj);
const lv_font_t * lv_theme_get_font_normal(lv_obj_t * obj);
const lv_font_t * lv_theme_get_font_large(lv_obj_t * obj);

/** The colours of the theme of `obj`'s display; blue grey without a theme.*/
lv_color_t lv_theme_get_color_primary(lv_obj_t * obj);
lv_color_t lv_theme_get_color_secondary(lv_obj_t * obj);

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_THEME_H*/
