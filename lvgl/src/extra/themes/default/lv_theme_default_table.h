/**
 * @file lv_theme_default_table.h
 * The inside of the default theme, shared by its three files: constant
 * styles filled at run time, the look they are filled from, and the book of
 * styles that several widgets use.
 *
 * Each style is a constant style over a property table in static memory.
 * Filling a table again keeps the style's address, so objects holding it
 * see a rebuilt theme, and lv_deinit has nothing of the theme to free.
 */
#ifndef LV_THEME_DEFAULT_TABLE_H
#define LV_THEME_DEFAULT_TABLE_H

#ifdef __cplusplus
extern "C" {
#endif

#include "../../../core/lv_obj.h"

/*Room for the largest style of the theme, the card*/
#define LV_THEME_TABLE_MAX_PROPS 16

/* A constant style with room for its property table and the terminator. */
typedef struct {
    lv_style_t style;
    lv_style_const_prop_t props[LV_THEME_TABLE_MAX_PROPS + 1];
    uint8_t cnt;
} _lv_theme_table_style_t;

/* Everything the styles are filled from, worked out once per build of the theme. */
typedef struct {
    lv_disp_t * disp;
    bool dark;
    lv_color_t primary;
    lv_color_t secondary;
    const lv_font_t * font;

    lv_color_t screen;      /*behind everything*/
    lv_color_t card;        /*panels and plain objects*/
    lv_color_t text;
    lv_color_t grey;        /*borders, idle tracks, buttons of the dark look*/

    lv_coord_t pad_normal;  /*these three and the radii follow the display's size class*/
    lv_coord_t pad_small;
    lv_coord_t radius_card;
    lv_coord_t radius_btn;
    lv_coord_t border;
    lv_coord_t outline;
} _lv_theme_look_t;

/* The styles more than one widget uses. */
typedef struct {
    _lv_theme_table_style_t scr;
    _lv_theme_table_style_t scrollbar;
    _lv_theme_table_style_t scrollbar_scrolled;
    _lv_theme_table_style_t card;
    _lv_theme_table_style_t btn;
    _lv_theme_table_style_t transp;
    _lv_theme_table_style_t bg_color_primary;
    _lv_theme_table_style_t bg_color_primary_muted;
    _lv_theme_table_style_t bg_color_secondary;
    _lv_theme_table_style_t bg_color_grey;
    _lv_theme_table_style_t bg_color_white;
    _lv_theme_table_style_t pressed;
    _lv_theme_table_style_t disabled;
    _lv_theme_table_style_t pad_zero;
    _lv_theme_table_style_t pad_small;
    _lv_theme_table_style_t pad_normal;
    _lv_theme_table_style_t pad_gap;
    _lv_theme_table_style_t line_space_large;
    _lv_theme_table_style_t outline_primary;
    _lv_theme_table_style_t outline_secondary;
    _lv_theme_table_style_t circle;
    _lv_theme_table_style_t clip_corner;
    _lv_theme_table_style_t grow;
    _lv_theme_table_style_t anim_fast;
    _lv_theme_table_style_t knob;
    _lv_theme_table_style_t arc_indic;
    _lv_theme_table_style_t arc_indic_primary;
} _lv_theme_book_t;

extern _lv_theme_book_t _lv_theme_book;

/* Attach a table style to an object for a selector. */
static inline void _lv_theme_use(lv_obj_t * obj, _lv_theme_table_style_t * s, lv_style_selector_t selector)
{
    lv_obj_add_style(obj, &s->style, selector);
}

/* Fill a table: begin empties it, the setters append, end makes it a usable style. */
void _lv_theme_ts_begin(_lv_theme_table_style_t * s);
void _lv_theme_ts_num(_lv_theme_table_style_t * s, lv_style_prop_t prop, int32_t n);
void _lv_theme_ts_color(_lv_theme_table_style_t * s, lv_style_prop_t prop, lv_color_t c);
void _lv_theme_ts_ptr(_lv_theme_table_style_t * s, lv_style_prop_t prop, const void * p);
void _lv_theme_ts_pad_all(_lv_theme_table_style_t * s, lv_coord_t pad);
void _lv_theme_ts_end(_lv_theme_table_style_t * s);

/* n pixels at 160 DPI scaled to the display's DPI. */
lv_coord_t _lv_theme_dpx(lv_disp_t * disp, lv_coord_t n);

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_THEME_DEFAULT_TABLE_H*/
