/**
 * @file lv_theme_default_widgets2.c
 * Default-theme styles of the drop-down, chart, colour wheel, tab view, list,
 * message box, text area and keyboard.
 *
 * The styles are constant styles over property tables kept in this file.
 * Ordinary styles keep their properties in the memory pool, which lv_deinit
 * wipes; tables here survive that and are simply refilled whenever the
 * theme's colours, light/dark mode or display change.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_theme_default_widgets2.h"
#include "lv_theme_default_table.h"
#if LV_USE_THEME_DEFAULT

#include "../../../core/lv_theme.h"
#include "../../../core/lv_disp.h"
#include "../../../widgets/lv_widgets_extra2.h"

/*********************
 *      DEFINES
 *********************/
#define THEME_FLAG_DARK 1     /*the default theme's flag for the dark look*/

#define DARK_SCREEN         lv_color_hex(0x15171A)
#define DARK_CARD        lv_color_hex(0x282b30)
#define DARK_TEXT        lv_palette_lighten(LV_PALETTE_GREY, 5)
#define DARK_GREY        lv_color_hex(0x2f3237)
#define LIGHT_SCREEN        lv_palette_lighten(LV_PALETTE_GREY, 4)
#define LIGHT_CARD       lv_color_white()
#define LIGHT_TEXT       lv_palette_darken(LV_PALETTE_GREY, 4)
#define LIGHT_GREY       lv_palette_lighten(LV_PALETTE_GREY, 2)

/**********************
 *      TYPEDEFS
 **********************/

typedef _lv_theme_table_style_t table_style_t;

typedef struct {
    table_style_t scr;
    table_style_t card;
    table_style_t scrollbar;
    table_style_t scrollbar_scrolled;
    table_style_t pad_zero;
    table_style_t pad_small;
    table_style_t pad_normal;
    table_style_t pad_gap;
    table_style_t pressed;
    table_style_t outline_primary;
    table_style_t outline_secondary;
    table_style_t clip_corner;
    table_style_t line_space_large;
    table_style_t bg_color_white;
    table_style_t bg_color_grey;
    table_style_t bg_color_primary;
    table_style_t bg_color_primary_muted;
    table_style_t transp;
    table_style_t knob;
    table_style_t dropdown_list;
    table_style_t chart_bg;
    table_style_t chart_series;
    table_style_t chart_indic;
    table_style_t chart_ticks;
    table_style_t colorwheel_ring;
    table_style_t tab_btn;
    table_style_t tab_btn_plain;
    table_style_t tab_focus_inset;
    table_style_t list_bg;
    table_style_t list_btn;
    table_style_t list_row_full_width;
    table_style_t msgbox_bg;
    table_style_t msgbox_backdrop;
    table_style_t textarea_cursor;
} widget_styles_t;

typedef struct {
    bool valid;
    uint32_t primary;
    uint32_t secondary;
    uint32_t flags;
    lv_coord_t dpi;
    lv_coord_t hor_res;
    const lv_font_t * font;
} styles_key_t;

/**********************
 *  STATIC VARIABLES
 **********************/
static widget_styles_t styles;
static styles_key_t styles_key;
static lv_color_filter_dsc_t dark_filter;

/**********************
 *   STATIC FUNCTIONS
 **********************/

/* Pressed parts are drawn darker. */
static lv_color_t pressed_darken_filter(const lv_color_filter_dsc_t * f, lv_color_t c, lv_opa_t opa)
{
    LV_UNUSED(f);
    return lv_color_darken(c, opa);
}

static void fill_base_styles(lv_disp_t * disp, lv_color_t primary, lv_color_t secondary, bool dark,
                             const lv_font_t * font)
{
    lv_color_t color_scr = dark ? DARK_SCREEN : LIGHT_SCREEN;
    lv_color_t color_card = dark ? DARK_CARD : LIGHT_CARD;
    lv_color_t color_text = dark ? DARK_TEXT : LIGHT_TEXT;
    lv_color_t color_grey = dark ? DARK_GREY : LIGHT_GREY;

    /*Sizes follow the display's width class, as the rest of the theme does*/
    lv_coord_t hor_res = disp ? lv_disp_get_hor_res(disp) : 0;
    bool large = hor_res >= 720;
    bool medium = hor_res > 320 && hor_res < 720;
    lv_coord_t pad_def = large ? _lv_theme_dpx(disp, 24) : medium ? _lv_theme_dpx(disp, 20) : _lv_theme_dpx(disp, 16);
    lv_coord_t pad_small = large ? _lv_theme_dpx(disp, 14) : medium ? _lv_theme_dpx(disp, 12) : _lv_theme_dpx(disp, 10);
    lv_coord_t radius_def = large ? _lv_theme_dpx(disp, 12) : _lv_theme_dpx(disp, 8);
    lv_coord_t border_w = _lv_theme_dpx(disp, 2);
    lv_coord_t outline_w = _lv_theme_dpx(disp, 3);

    table_style_t * s = &styles.scr;
    _lv_theme_ts_begin(s);
    _lv_theme_ts_num(s, LV_STYLE_BG_OPA, LV_OPA_COVER);
    _lv_theme_ts_color(s, LV_STYLE_BG_COLOR, color_scr);
    _lv_theme_ts_color(s, LV_STYLE_TEXT_COLOR, color_text);
    if(font) _lv_theme_ts_ptr(s, LV_STYLE_TEXT_FONT, font);
    _lv_theme_ts_num(s, LV_STYLE_PAD_ROW, pad_small);
    _lv_theme_ts_num(s, LV_STYLE_PAD_COLUMN, pad_small);
    _lv_theme_ts_end(s);

    s = &styles.card;
    _lv_theme_ts_begin(s);
    _lv_theme_ts_num(s, LV_STYLE_RADIUS, radius_def);
    _lv_theme_ts_num(s, LV_STYLE_BG_OPA, LV_OPA_COVER);
    _lv_theme_ts_color(s, LV_STYLE_BG_COLOR, color_card);
    _lv_theme_ts_color(s, LV_STYLE_BORDER_COLOR, color_grey);
    _lv_theme_ts_num(s, LV_STYLE_BORDER_WIDTH, border_w);
    _lv_theme_ts_num(s, LV_STYLE_BORDER_POST, 1);
    _lv_theme_ts_color(s, LV_STYLE_TEXT_COLOR, color_text);
    _lv_theme_ts_pad_all(s, pad_def);
    _lv_theme_ts_num(s, LV_STYLE_PAD_ROW, pad_small);
    _lv_theme_ts_num(s, LV_STYLE_PAD_COLUMN, pad_small);
    _lv_theme_ts_color(s, LV_STYLE_LINE_COLOR, lv_palette_main(LV_PALETTE_GREY));
    _lv_theme_ts_num(s, LV_STYLE_LINE_WIDTH, _lv_theme_dpx(disp, 1));
    _lv_theme_ts_end(s);

    s = &styles.scrollbar;
    _lv_theme_ts_begin(s);
    _lv_theme_ts_color(s, LV_STYLE_BG_COLOR, dark ? lv_palette_darken(LV_PALETTE_GREY, 2) : lv_palette_main(LV_PALETTE_GREY));
    _lv_theme_ts_num(s, LV_STYLE_RADIUS, LV_RADIUS_CIRCLE);
    _lv_theme_ts_pad_all(s, _lv_theme_dpx(disp, 7));
    _lv_theme_ts_num(s, LV_STYLE_WIDTH, _lv_theme_dpx(disp, 5));
    _lv_theme_ts_num(s, LV_STYLE_BG_OPA, LV_OPA_40);
    _lv_theme_ts_end(s);

    s = &styles.scrollbar_scrolled;
    _lv_theme_ts_begin(s);
    _lv_theme_ts_num(s, LV_STYLE_BG_OPA, LV_OPA_COVER);
    _lv_theme_ts_end(s);

    s = &styles.pad_zero;
    _lv_theme_ts_begin(s);
    _lv_theme_ts_pad_all(s, 0);
    _lv_theme_ts_num(s, LV_STYLE_PAD_ROW, 0);
    _lv_theme_ts_num(s, LV_STYLE_PAD_COLUMN, 0);
    _lv_theme_ts_end(s);

    s = &styles.pad_small;
    _lv_theme_ts_begin(s);
    _lv_theme_ts_pad_all(s, pad_small);
    _lv_theme_ts_num(s, LV_STYLE_PAD_ROW, pad_small);
    _lv_theme_ts_num(s, LV_STYLE_PAD_COLUMN, pad_small);
    _lv_theme_ts_end(s);

    s = &styles.pad_normal;
    _lv_theme_ts_begin(s);
    _lv_theme_ts_pad_all(s, pad_def);
    _lv_theme_ts_num(s, LV_STYLE_PAD_ROW, pad_def);
    _lv_theme_ts_num(s, LV_STYLE_PAD_COLUMN, pad_def);
    _lv_theme_ts_end(s);

    s = &styles.pad_gap;
    _lv_theme_ts_begin(s);
    _lv_theme_ts_num(s, LV_STYLE_PAD_ROW, _lv_theme_dpx(disp, 10));
    _lv_theme_ts_num(s, LV_STYLE_PAD_COLUMN, _lv_theme_dpx(disp, 10));
    _lv_theme_ts_end(s);

    lv_color_filter_dsc_init(&dark_filter, pressed_darken_filter);
    s = &styles.pressed;
    _lv_theme_ts_begin(s);
    _lv_theme_ts_ptr(s, LV_STYLE_COLOR_FILTER_DSC, &dark_filter);
    _lv_theme_ts_num(s, LV_STYLE_COLOR_FILTER_OPA, 35);
    _lv_theme_ts_end(s);

    s = &styles.outline_primary;
    _lv_theme_ts_begin(s);
    _lv_theme_ts_color(s, LV_STYLE_OUTLINE_COLOR, primary);
    _lv_theme_ts_num(s, LV_STYLE_OUTLINE_WIDTH, outline_w);
    _lv_theme_ts_num(s, LV_STYLE_OUTLINE_PAD, outline_w);
    _lv_theme_ts_num(s, LV_STYLE_OUTLINE_OPA, LV_OPA_50);
    _lv_theme_ts_end(s);

    s = &styles.outline_secondary;
    _lv_theme_ts_begin(s);
    _lv_theme_ts_color(s, LV_STYLE_OUTLINE_COLOR, secondary);
    _lv_theme_ts_num(s, LV_STYLE_OUTLINE_WIDTH, outline_w);
    _lv_theme_ts_num(s, LV_STYLE_OUTLINE_OPA, LV_OPA_50);
    _lv_theme_ts_end(s);

    s = &styles.clip_corner;
    _lv_theme_ts_begin(s);
    _lv_theme_ts_num(s, LV_STYLE_CLIP_CORNER, 1);
    _lv_theme_ts_num(s, LV_STYLE_BORDER_POST, 1);
    _lv_theme_ts_end(s);

    s = &styles.line_space_large;
    _lv_theme_ts_begin(s);
    _lv_theme_ts_num(s, LV_STYLE_TEXT_LINE_SPACE, _lv_theme_dpx(disp, 20));
    _lv_theme_ts_end(s);

    s = &styles.bg_color_white;
    _lv_theme_ts_begin(s);
    _lv_theme_ts_color(s, LV_STYLE_BG_COLOR, color_card);
    _lv_theme_ts_num(s, LV_STYLE_BG_OPA, LV_OPA_COVER);
    _lv_theme_ts_color(s, LV_STYLE_TEXT_COLOR, color_text);
    _lv_theme_ts_end(s);

    s = &styles.bg_color_grey;
    _lv_theme_ts_begin(s);
    _lv_theme_ts_color(s, LV_STYLE_BG_COLOR, color_grey);
    _lv_theme_ts_num(s, LV_STYLE_BG_OPA, LV_OPA_COVER);
    _lv_theme_ts_color(s, LV_STYLE_TEXT_COLOR, color_text);
    _lv_theme_ts_end(s);

    s = &styles.bg_color_primary;
    _lv_theme_ts_begin(s);
    _lv_theme_ts_color(s, LV_STYLE_BG_COLOR, primary);
    _lv_theme_ts_color(s, LV_STYLE_TEXT_COLOR, lv_color_white());
    _lv_theme_ts_num(s, LV_STYLE_BG_OPA, LV_OPA_COVER);
    _lv_theme_ts_end(s);

    s = &styles.bg_color_primary_muted;
    _lv_theme_ts_begin(s);
    _lv_theme_ts_color(s, LV_STYLE_BG_COLOR, primary);
    _lv_theme_ts_color(s, LV_STYLE_TEXT_COLOR, primary);
    _lv_theme_ts_num(s, LV_STYLE_BG_OPA, LV_OPA_20);
    _lv_theme_ts_end(s);

    /*Plain containers that only hold other parts*/
    s = &styles.transp;
    _lv_theme_ts_begin(s);
    _lv_theme_ts_num(s, LV_STYLE_BG_OPA, LV_OPA_TRANSP);
    _lv_theme_ts_num(s, LV_STYLE_BORDER_WIDTH, 0);
    _lv_theme_ts_num(s, LV_STYLE_RADIUS, 0);
    _lv_theme_ts_end(s);

    s = &styles.knob;
    _lv_theme_ts_begin(s);
    _lv_theme_ts_color(s, LV_STYLE_BG_COLOR, primary);
    _lv_theme_ts_num(s, LV_STYLE_BG_OPA, LV_OPA_COVER);
    _lv_theme_ts_pad_all(s, _lv_theme_dpx(disp, 6));
    _lv_theme_ts_num(s, LV_STYLE_RADIUS, LV_RADIUS_CIRCLE);
    _lv_theme_ts_end(s);
}

static void fill_widget_styles(lv_disp_t * disp, lv_color_t primary, bool dark)
{
    lv_color_t color_text = dark ? DARK_TEXT : LIGHT_TEXT;
    lv_color_t color_grey = dark ? DARK_GREY : LIGHT_GREY;
    lv_coord_t hor_res = disp ? lv_disp_get_hor_res(disp) : 0;
    bool large = hor_res >= 720;
    bool medium = hor_res > 320 && hor_res < 720;
    lv_coord_t pad_def = large ? _lv_theme_dpx(disp, 24) : medium ? _lv_theme_dpx(disp, 20) : _lv_theme_dpx(disp, 16);
    lv_coord_t pad_small = large ? _lv_theme_dpx(disp, 14) : medium ? _lv_theme_dpx(disp, 12) : _lv_theme_dpx(disp, 10);
    lv_coord_t border_w = _lv_theme_dpx(disp, 2);

    table_style_t * s = &styles.dropdown_list;
    _lv_theme_ts_begin(s);
    _lv_theme_ts_num(s, LV_STYLE_MAX_HEIGHT, LV_DPI_DEF * 2);
    _lv_theme_ts_end(s);

    /*Division lines in the card's grey, a shade above the background*/
    s = &styles.chart_bg;
    _lv_theme_ts_begin(s);
    _lv_theme_ts_num(s, LV_STYLE_BORDER_POST, 0);
    _lv_theme_ts_num(s, LV_STYLE_PAD_COLUMN, _lv_theme_dpx(disp, 10));
    _lv_theme_ts_color(s, LV_STYLE_LINE_COLOR, color_grey);
    _lv_theme_ts_end(s);

    s = &styles.chart_series;
    _lv_theme_ts_begin(s);
    _lv_theme_ts_num(s, LV_STYLE_LINE_WIDTH, _lv_theme_dpx(disp, 3));
    _lv_theme_ts_num(s, LV_STYLE_RADIUS, _lv_theme_dpx(disp, 3));
    _lv_theme_ts_num(s, LV_STYLE_WIDTH, _lv_theme_dpx(disp, 8));
    _lv_theme_ts_num(s, LV_STYLE_HEIGHT, _lv_theme_dpx(disp, 8));
    _lv_theme_ts_num(s, LV_STYLE_PAD_COLUMN, _lv_theme_dpx(disp, 2));
    _lv_theme_ts_end(s);

    s = &styles.chart_indic;
    _lv_theme_ts_begin(s);
    _lv_theme_ts_num(s, LV_STYLE_RADIUS, LV_RADIUS_CIRCLE);
    _lv_theme_ts_num(s, LV_STYLE_WIDTH, _lv_theme_dpx(disp, 8));
    _lv_theme_ts_num(s, LV_STYLE_HEIGHT, _lv_theme_dpx(disp, 8));
    _lv_theme_ts_color(s, LV_STYLE_BG_COLOR, primary);
    _lv_theme_ts_num(s, LV_STYLE_BG_OPA, LV_OPA_COVER);
    _lv_theme_ts_end(s);

    s = &styles.chart_ticks;
    _lv_theme_ts_begin(s);
    _lv_theme_ts_num(s, LV_STYLE_LINE_WIDTH, _lv_theme_dpx(disp, 1));
    _lv_theme_ts_color(s, LV_STYLE_LINE_COLOR, color_text);
    _lv_theme_ts_pad_all(s, _lv_theme_dpx(disp, 2));
    _lv_theme_ts_color(s, LV_STYLE_TEXT_COLOR, lv_palette_main(LV_PALETTE_GREY));
    _lv_theme_ts_end(s);

    s = &styles.colorwheel_ring;
    _lv_theme_ts_begin(s);
    _lv_theme_ts_num(s, LV_STYLE_ARC_WIDTH, _lv_theme_dpx(disp, 10));
    _lv_theme_ts_end(s);

    /*The active tab: primary text on a faint primary band with a thick bottom line*/
    s = &styles.tab_btn;
    _lv_theme_ts_begin(s);
    _lv_theme_ts_color(s, LV_STYLE_BORDER_COLOR, primary);
    _lv_theme_ts_num(s, LV_STYLE_BORDER_WIDTH, border_w * 2);
    _lv_theme_ts_num(s, LV_STYLE_BORDER_SIDE, LV_BORDER_SIDE_BOTTOM);
    _lv_theme_ts_end(s);

    /*A tab button is a cell of the button row, not a raised button*/
    s = &styles.tab_btn_plain;
    _lv_theme_ts_begin(s);
    _lv_theme_ts_num(s, LV_STYLE_BG_OPA, LV_OPA_TRANSP);
    _lv_theme_ts_num(s, LV_STYLE_RADIUS, 0);
    _lv_theme_ts_color(s, LV_STYLE_TEXT_COLOR, color_text);
    _lv_theme_ts_pad_all(s, 0);
    _lv_theme_ts_end(s);

    s = &styles.tab_focus_inset;
    _lv_theme_ts_begin(s);
    _lv_theme_ts_num(s, LV_STYLE_OUTLINE_PAD, -border_w);
    _lv_theme_ts_end(s);

    s = &styles.list_bg;
    _lv_theme_ts_begin(s);
    _lv_theme_ts_num(s, LV_STYLE_PAD_LEFT, pad_def);
    _lv_theme_ts_num(s, LV_STYLE_PAD_RIGHT, pad_def);
    _lv_theme_ts_num(s, LV_STYLE_PAD_TOP, 0);
    _lv_theme_ts_num(s, LV_STYLE_PAD_BOTTOM, 0);
    _lv_theme_ts_num(s, LV_STYLE_PAD_ROW, 0);
    _lv_theme_ts_num(s, LV_STYLE_PAD_COLUMN, 0);
    _lv_theme_ts_num(s, LV_STYLE_CLIP_CORNER, 1);
    _lv_theme_ts_end(s);

    s = &styles.list_btn;
    _lv_theme_ts_begin(s);
    _lv_theme_ts_num(s, LV_STYLE_BORDER_WIDTH, _lv_theme_dpx(disp, 1));
    _lv_theme_ts_color(s, LV_STYLE_BORDER_COLOR, color_grey);
    _lv_theme_ts_num(s, LV_STYLE_BORDER_SIDE, LV_BORDER_SIDE_BOTTOM);
    _lv_theme_ts_pad_all(s, pad_small);
    _lv_theme_ts_num(s, LV_STYLE_PAD_COLUMN, pad_small);
    _lv_theme_ts_end(s);

    /*List rows reach over the list's side padding to its edges*/
    s = &styles.list_row_full_width;
    _lv_theme_ts_begin(s);
    _lv_theme_ts_num(s, LV_STYLE_TRANSFORM_WIDTH, pad_def);
    _lv_theme_ts_end(s);

    s = &styles.msgbox_bg;
    _lv_theme_ts_begin(s);
    _lv_theme_ts_num(s, LV_STYLE_MAX_WIDTH, LV_PCT(100));
    _lv_theme_ts_end(s);

    s = &styles.msgbox_backdrop;
    _lv_theme_ts_begin(s);
    _lv_theme_ts_color(s, LV_STYLE_BG_COLOR, lv_palette_main(LV_PALETTE_GREY));
    _lv_theme_ts_num(s, LV_STYLE_BG_OPA, LV_OPA_50);
    _lv_theme_ts_end(s);

    s = &styles.textarea_cursor;
    _lv_theme_ts_begin(s);
    _lv_theme_ts_color(s, LV_STYLE_BORDER_COLOR, color_text);
    _lv_theme_ts_num(s, LV_STYLE_BORDER_WIDTH, _lv_theme_dpx(disp, 2));
    _lv_theme_ts_num(s, LV_STYLE_PAD_LEFT, -_lv_theme_dpx(disp, 1));
    _lv_theme_ts_num(s, LV_STYLE_BORDER_SIDE, LV_BORDER_SIDE_LEFT);
    _lv_theme_ts_num(s, LV_STYLE_ANIM_TIME, 400);
    _lv_theme_ts_end(s);
}

/*
 * Make sure the tables match the object's theme; a changed theme refills
 * them and lets every object using them refresh.
 */
static void ensure_styles(lv_obj_t * obj)
{
    lv_theme_t * th = lv_theme_get_from_obj(obj);
    lv_disp_t * disp = lv_obj_get_disp(obj);
    lv_color_t primary = th ? th->color_primary : lv_palette_main(LV_PALETTE_BLUE);
    lv_color_t secondary = th ? th->color_secondary : lv_palette_main(LV_PALETTE_RED);
    uint32_t flags = th ? th->flags : THEME_FLAG_DARK;

    styles_key_t key;
    key.valid = true;
    key.primary = lv_color_to32(primary);
    key.secondary = lv_color_to32(secondary);
    key.flags = flags;
    key.dpi = disp ? lv_disp_get_dpi(disp) : LV_DPI_DEF;
    key.hor_res = disp ? lv_disp_get_hor_res(disp) : 0;
    key.font = th ? th->font_normal : NULL;

    if(styles_key.valid && styles_key.primary == key.primary && styles_key.secondary == key.secondary &&
       styles_key.flags == key.flags && styles_key.dpi == key.dpi && styles_key.hor_res == key.hor_res &&
       styles_key.font == key.font) {
        return;
    }

    bool refill = styles_key.valid;
    styles_key = key;
    bool dark = (flags & THEME_FLAG_DARK) != 0;
    fill_base_styles(disp, primary, secondary, dark, key.font);
    fill_widget_styles(disp, primary, dark);
    if(refill) lv_obj_report_style_change(NULL);
}

#define ADD(obj, name, selector) lv_obj_add_style(obj, &styles.name.style, selector)

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

void lv_theme_default_style_dropdown(lv_obj_t * obj)
{
    ensure_styles(obj);
    ADD(obj, card, 0);
    ADD(obj, pad_small, 0);
    ADD(obj, pressed, LV_STATE_PRESSED);
    ADD(obj, outline_primary, LV_STATE_FOCUS_KEY);
    ADD(obj, outline_secondary, LV_STATE_EDITED);
}

void lv_theme_default_style_dropdownlist(lv_obj_t * obj)
{
    ensure_styles(obj);
    ADD(obj, card, 0);
    ADD(obj, clip_corner, 0);
    ADD(obj, line_space_large, 0);
    ADD(obj, dropdown_list, 0);
    ADD(obj, scrollbar, LV_PART_SCROLLBAR);
    ADD(obj, scrollbar_scrolled, LV_PART_SCROLLBAR | LV_STATE_SCROLLED);
    ADD(obj, bg_color_white, LV_PART_SELECTED);
    ADD(obj, bg_color_primary, LV_PART_SELECTED | LV_STATE_CHECKED);
    ADD(obj, pressed, LV_PART_SELECTED | LV_STATE_PRESSED);
}

void lv_theme_default_style_chart(lv_obj_t * obj)
{
    ensure_styles(obj);
    ADD(obj, card, 0);
    ADD(obj, pad_small, 0);
    ADD(obj, chart_bg, 0);
    ADD(obj, scrollbar, LV_PART_SCROLLBAR);
    ADD(obj, scrollbar_scrolled, LV_PART_SCROLLBAR | LV_STATE_SCROLLED);
    ADD(obj, chart_series, LV_PART_ITEMS);
    ADD(obj, chart_indic, LV_PART_INDICATOR);
    ADD(obj, chart_ticks, LV_PART_TICKS);
    ADD(obj, chart_series, LV_PART_CURSOR);
}

void lv_theme_default_style_colorwheel(lv_obj_t * obj)
{
    ensure_styles(obj);
    ADD(obj, colorwheel_ring, 0);
    ADD(obj, pad_normal, 0);
    ADD(obj, bg_color_white, 0);
    ADD(obj, knob, LV_PART_KNOB);
    ADD(obj, pad_normal, LV_PART_KNOB);
}

void lv_theme_default_style_tabview(lv_obj_t * obj)
{
    ensure_styles(obj);
    ADD(obj, scr, 0);
    ADD(obj, pad_zero, 0);
}

void lv_theme_default_style_tabview_btns(lv_obj_t * obj)
{
    ensure_styles(obj);
    ADD(obj, bg_color_white, 0);
    ADD(obj, pad_zero, 0);
    ADD(obj, outline_primary, LV_STATE_FOCUS_KEY);
}

void lv_theme_default_style_tabview_btn(lv_obj_t * obj)
{
    ensure_styles(obj);
    ADD(obj, tab_btn_plain, 0);
    ADD(obj, pressed, LV_STATE_PRESSED);
    ADD(obj, bg_color_primary_muted, LV_STATE_CHECKED);
    ADD(obj, tab_btn, LV_STATE_CHECKED);
    ADD(obj, outline_primary, LV_STATE_FOCUS_KEY);
    ADD(obj, tab_focus_inset, LV_STATE_FOCUS_KEY);
    ADD(obj, outline_secondary, LV_STATE_EDITED);
}

void lv_theme_default_style_tabview_page(lv_obj_t * obj)
{
    ensure_styles(obj);
    ADD(obj, pad_normal, 0);
    ADD(obj, scrollbar, LV_PART_SCROLLBAR);
    ADD(obj, scrollbar_scrolled, LV_PART_SCROLLBAR | LV_STATE_SCROLLED);
}

void lv_theme_default_style_list(lv_obj_t * obj)
{
    ensure_styles(obj);
    ADD(obj, card, 0);
    ADD(obj, list_bg, 0);
    ADD(obj, scrollbar, LV_PART_SCROLLBAR);
    ADD(obj, scrollbar_scrolled, LV_PART_SCROLLBAR | LV_STATE_SCROLLED);
}

void lv_theme_default_style_list_btn(lv_obj_t * obj)
{
    ensure_styles(obj);
    ADD(obj, bg_color_white, 0);
    ADD(obj, list_btn, 0);
    ADD(obj, outline_primary, LV_STATE_FOCUS_KEY);
    ADD(obj, list_row_full_width, LV_STATE_FOCUS_KEY);
    ADD(obj, list_row_full_width, LV_STATE_PRESSED);
    ADD(obj, pressed, LV_STATE_PRESSED);
}

void lv_theme_default_style_list_text(lv_obj_t * obj)
{
    ensure_styles(obj);
    ADD(obj, bg_color_grey, 0);
    ADD(obj, pad_small, 0);
    ADD(obj, list_row_full_width, 0);
}

void lv_theme_default_style_msgbox(lv_obj_t * obj)
{
    ensure_styles(obj);
    ADD(obj, card, 0);
    ADD(obj, msgbox_bg, 0);
}

void lv_theme_default_style_msgbox_content(lv_obj_t * obj)
{
    ensure_styles(obj);
    ADD(obj, transp, 0);
    ADD(obj, pad_zero, 0);
    ADD(obj, scrollbar, LV_PART_SCROLLBAR);
    ADD(obj, scrollbar_scrolled, LV_PART_SCROLLBAR | LV_STATE_SCROLLED);
}

void lv_theme_default_style_msgbox_btns(lv_obj_t * obj)
{
    ensure_styles(obj);
    ADD(obj, transp, 0);
    ADD(obj, pad_zero, 0);
    ADD(obj, pad_gap, 0);
}

void lv_theme_default_style_msgbox_backdrop(lv_obj_t * obj)
{
    ensure_styles(obj);
    ADD(obj, msgbox_backdrop, 0);
}

void lv_theme_default_style_textarea(lv_obj_t * obj)
{
    ensure_styles(obj);
    ADD(obj, card, 0);
    ADD(obj, pad_small, 0);
    ADD(obj, outline_primary, LV_STATE_FOCUS_KEY);
    ADD(obj, outline_secondary, LV_STATE_EDITED);
    ADD(obj, scrollbar, LV_PART_SCROLLBAR);
    ADD(obj, scrollbar_scrolled, LV_PART_SCROLLBAR | LV_STATE_SCROLLED);
    ADD(obj, textarea_cursor, LV_PART_CURSOR | LV_STATE_FOCUSED);
}

void lv_theme_default_style_keyboard(lv_obj_t * obj)
{
    ensure_styles(obj);
    ADD(obj, scr, 0);
    ADD(obj, pad_small, 0);
    ADD(obj, outline_primary, LV_STATE_FOCUS_KEY);
}

/*
 * One entry point for the theme's apply callback. Parts created with
 * lv_obj_create (tab view content and pages) are recognised by where they
 * sit, the same way the rest of the theme recognises screens.
 */
bool lv_theme_default_widgets2_apply(lv_obj_t * obj)
{
    lv_obj_t * parent = lv_obj_get_parent(obj);
    if(parent == NULL) return false;

    if(lv_obj_check_type(obj, &lv_obj_class)) {
        if(lv_obj_check_type(parent, &lv_tabview_class)) return true;  /*content: no look of its own*/
        lv_obj_t * grandparent = lv_obj_get_parent(parent);
        if(grandparent && lv_obj_check_type(grandparent, &lv_tabview_class)) {
            lv_theme_default_style_tabview_page(obj);
            return true;
        }
        return false;
    }

    if(lv_obj_check_type(obj, &lv_dropdown_class)) lv_theme_default_style_dropdown(obj);
    else if(lv_obj_check_type(obj, &lv_dropdownlist_class)) lv_theme_default_style_dropdownlist(obj);
    else if(lv_obj_check_type(obj, &lv_chart_class)) lv_theme_default_style_chart(obj);
    else if(lv_obj_check_type(obj, &lv_colorwheel_class)) lv_theme_default_style_colorwheel(obj);
    else if(lv_obj_check_type(obj, &lv_tabview_class)) lv_theme_default_style_tabview(obj);
    else if(lv_obj_check_type(obj, &lv_tabview_btns_class)) lv_theme_default_style_tabview_btns(obj);
    else if(lv_obj_check_type(obj, &lv_tabview_btn_class)) lv_theme_default_style_tabview_btn(obj);
    else if(lv_obj_check_type(obj, &lv_list_class)) lv_theme_default_style_list(obj);
    else if(lv_obj_check_type(obj, &lv_list_btn_class)) lv_theme_default_style_list_btn(obj);
    else if(lv_obj_check_type(obj, &lv_list_text_class)) lv_theme_default_style_list_text(obj);
    else if(lv_obj_check_type(obj, &lv_msgbox_class)) lv_theme_default_style_msgbox(obj);
    else if(lv_obj_check_type(obj, &lv_msgbox_content_class)) lv_theme_default_style_msgbox_content(obj);
    else if(lv_obj_check_type(obj, &lv_msgbox_btns_class)) lv_theme_default_style_msgbox_btns(obj);
    else if(lv_obj_check_type(obj, &lv_msgbox_backdrop_class)) lv_theme_default_style_msgbox_backdrop(obj);
    else if(lv_obj_check_type(obj, &lv_textarea_class)) lv_theme_default_style_textarea(obj);
    else if(lv_obj_check_type(obj, &lv_keyboard_class)) lv_theme_default_style_keyboard(obj);
    else return false;
    return true;
}

#endif /*LV_USE_THEME_DEFAULT*/
