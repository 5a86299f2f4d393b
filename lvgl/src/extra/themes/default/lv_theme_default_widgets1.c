/**
 * @file lv_theme_default_widgets1.c
 * The default theme's look of the value widgets: bar, slider, arc, meter
 * and switch. They share most of their styles with the rest of the theme
 * (the book); the two below are theirs alone.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_theme_default_widgets1.h"
#if LV_USE_THEME_DEFAULT

/**********************
 *  STATIC VARIABLES
 **********************/
static _lv_theme_table_style_t switch_knob;
static _lv_theme_table_style_t meter_indic;

/**********************
 *   STATIC FUNCTIONS
 **********************/

/* A track with its indicator, both pill-shaped, with the focus and edit rings. */
static void dress_track(lv_obj_t * obj)
{
    _lv_theme_book_t * b = &_lv_theme_book;
    _lv_theme_use(obj, &b->bg_color_primary_muted, 0);
    _lv_theme_use(obj, &b->circle, 0);
    _lv_theme_use(obj, &b->outline_primary, LV_STATE_FOCUS_KEY);
    _lv_theme_use(obj, &b->outline_secondary, LV_STATE_EDITED);
    _lv_theme_use(obj, &b->bg_color_primary, LV_PART_INDICATOR);
    _lv_theme_use(obj, &b->circle, LV_PART_INDICATOR);
}

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

void _lv_theme_default_fill_widgets1(const _lv_theme_look_t * look)
{
    /*The switch's knob sits inside the track, white on every primary colour*/
    _lv_theme_table_style_t * s = &switch_knob;
    _lv_theme_ts_begin(s);
    _lv_theme_ts_pad_all(s, -_lv_theme_dpx(look->disp, 4));
    _lv_theme_ts_color(s, LV_STYLE_BG_COLOR, lv_color_white());
    _lv_theme_ts_end(s);

    /*The round hub the meter's needles turn on*/
    s = &meter_indic;
    _lv_theme_ts_begin(s);
    _lv_theme_ts_num(s, LV_STYLE_RADIUS, LV_RADIUS_CIRCLE);
    _lv_theme_ts_color(s, LV_STYLE_BG_COLOR, lv_palette_main(LV_PALETTE_GREY));
    _lv_theme_ts_num(s, LV_STYLE_BG_OPA, LV_OPA_COVER);
    _lv_theme_ts_num(s, LV_STYLE_WIDTH, _lv_theme_dpx(look->disp, 15));
    _lv_theme_ts_num(s, LV_STYLE_HEIGHT, _lv_theme_dpx(look->disp, 15));
    _lv_theme_ts_end(s);
}

void lv_theme_default_style_bar(lv_obj_t * obj)
{
    dress_track(obj);
}

void lv_theme_default_style_slider(lv_obj_t * obj)
{
    dress_track(obj);
    _lv_theme_use(obj, &_lv_theme_book.knob, LV_PART_KNOB);
#if LV_THEME_DEFAULT_GROW
    _lv_theme_use(obj, &_lv_theme_book.grow, LV_PART_KNOB | LV_STATE_PRESSED);
#endif
}

void lv_theme_default_style_arc(lv_obj_t * obj)
{
    _lv_theme_book_t * b = &_lv_theme_book;
    _lv_theme_use(obj, &b->arc_indic, 0);
    _lv_theme_use(obj, &b->arc_indic, LV_PART_INDICATOR);
    _lv_theme_use(obj, &b->arc_indic_primary, LV_PART_INDICATOR);
    _lv_theme_use(obj, &b->knob, LV_PART_KNOB);
}

void lv_theme_default_style_meter(lv_obj_t * obj)
{
    _lv_theme_use(obj, &_lv_theme_book.card, 0);
    _lv_theme_use(obj, &_lv_theme_book.circle, 0);
    _lv_theme_use(obj, &meter_indic, LV_PART_INDICATOR);
}

void lv_theme_default_style_switch(lv_obj_t * obj)
{
    _lv_theme_book_t * b = &_lv_theme_book;
    _lv_theme_use(obj, &b->bg_color_grey, 0);
    _lv_theme_use(obj, &b->circle, 0);
    _lv_theme_use(obj, &b->anim_fast, 0);
    _lv_theme_use(obj, &b->disabled, LV_STATE_DISABLED);
    _lv_theme_use(obj, &b->outline_primary, LV_STATE_FOCUS_KEY);
    _lv_theme_use(obj, &b->outline_secondary, LV_STATE_EDITED);
    _lv_theme_use(obj, &b->bg_color_primary, LV_PART_INDICATOR | LV_STATE_CHECKED);
    _lv_theme_use(obj, &b->circle, LV_PART_INDICATOR);
    _lv_theme_use(obj, &b->disabled, LV_PART_INDICATOR | LV_STATE_DISABLED);
    _lv_theme_use(obj, &b->knob, LV_PART_KNOB);
    _lv_theme_use(obj, &b->bg_color_white, LV_PART_KNOB);
    _lv_theme_use(obj, &switch_knob, LV_PART_KNOB);
    _lv_theme_use(obj, &b->disabled, LV_PART_KNOB | LV_STATE_DISABLED);
}

#endif /*LV_USE_THEME_DEFAULT*/
