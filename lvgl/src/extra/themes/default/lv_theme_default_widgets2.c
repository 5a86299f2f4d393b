/**
 * @file lv_theme_default_widgets2.c
 * The default theme's look of the drop-down, chart, colour wheel, tab view,
 * list, message box, text area and keyboard. Shared styles come from the
 * book; the styles here belong to one widget each.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_theme_default_widgets2.h"
#if LV_USE_THEME_DEFAULT

/**********************
 *      TYPEDEFS
 **********************/
typedef struct {
    _lv_theme_table_style_t dropdown_list;
    _lv_theme_table_style_t chart_bg;
    _lv_theme_table_style_t chart_series;
    _lv_theme_table_style_t chart_indic;
    _lv_theme_table_style_t chart_ticks;
    _lv_theme_table_style_t colorwheel_ring;
    _lv_theme_table_style_t tab_checked;
    _lv_theme_table_style_t tab_cell;
    _lv_theme_table_style_t tab_focus_inset;
    _lv_theme_table_style_t list_bg;
    _lv_theme_table_style_t list_btn;
    _lv_theme_table_style_t list_row_full_width;
    _lv_theme_table_style_t msgbox_bg;
    _lv_theme_table_style_t msgbox_backdrop;
    _lv_theme_table_style_t textarea_cursor;
} own_styles_t;

/**********************
 *  STATIC VARIABLES
 **********************/
static own_styles_t own;

/**********************
 *   STATIC FUNCTIONS
 **********************/

/* Scrollbars that turn solid while the user scrolls. */
static void dress_scrollbar(lv_obj_t * obj)
{
    _lv_theme_use(obj, &_lv_theme_book.scrollbar, LV_PART_SCROLLBAR);
    _lv_theme_use(obj, &_lv_theme_book.scrollbar_scrolled, LV_PART_SCROLLBAR | LV_STATE_SCROLLED);
}

/* The keyboard focus ring and the edit ring. */
static void dress_rings(lv_obj_t * obj)
{
    _lv_theme_use(obj, &_lv_theme_book.outline_primary, LV_STATE_FOCUS_KEY);
    _lv_theme_use(obj, &_lv_theme_book.outline_secondary, LV_STATE_EDITED);
}

static void fill_chart_styles(const _lv_theme_look_t * look)
{
    lv_disp_t * disp = look->disp;

    /*Division lines in the card's grey, a shade above the background*/
    _lv_theme_table_style_t * s = &own.chart_bg;
    _lv_theme_ts_begin(s);
    _lv_theme_ts_num(s, LV_STYLE_BORDER_POST, 0);
    _lv_theme_ts_num(s, LV_STYLE_PAD_COLUMN, _lv_theme_dpx(disp, 10));
    _lv_theme_ts_color(s, LV_STYLE_LINE_COLOR, look->grey);
    _lv_theme_ts_end(s);

    s = &own.chart_series;
    _lv_theme_ts_begin(s);
    _lv_theme_ts_num(s, LV_STYLE_LINE_WIDTH, _lv_theme_dpx(disp, 3));
    _lv_theme_ts_num(s, LV_STYLE_RADIUS, _lv_theme_dpx(disp, 3));
    _lv_theme_ts_num(s, LV_STYLE_WIDTH, _lv_theme_dpx(disp, 8));
    _lv_theme_ts_num(s, LV_STYLE_HEIGHT, _lv_theme_dpx(disp, 8));
    _lv_theme_ts_num(s, LV_STYLE_PAD_COLUMN, _lv_theme_dpx(disp, 2));
    _lv_theme_ts_end(s);

    s = &own.chart_indic;
    _lv_theme_ts_begin(s);
    _lv_theme_ts_num(s, LV_STYLE_RADIUS, LV_RADIUS_CIRCLE);
    _lv_theme_ts_num(s, LV_STYLE_WIDTH, _lv_theme_dpx(disp, 8));
    _lv_theme_ts_num(s, LV_STYLE_HEIGHT, _lv_theme_dpx(disp, 8));
    _lv_theme_ts_color(s, LV_STYLE_BG_COLOR, look->primary);
    _lv_theme_ts_num(s, LV_STYLE_BG_OPA, LV_OPA_COVER);
    _lv_theme_ts_end(s);

    s = &own.chart_ticks;
    _lv_theme_ts_begin(s);
    _lv_theme_ts_num(s, LV_STYLE_LINE_WIDTH, _lv_theme_dpx(disp, 1));
    _lv_theme_ts_color(s, LV_STYLE_LINE_COLOR, look->text);
    _lv_theme_ts_pad_all(s, _lv_theme_dpx(disp, 2));
    _lv_theme_ts_color(s, LV_STYLE_TEXT_COLOR, lv_palette_main(LV_PALETTE_GREY));
    _lv_theme_ts_end(s);
}

static void fill_tab_styles(const _lv_theme_look_t * look)
{
    /*The active tab: primary text on a faint primary band over a thick bottom line*/
    _lv_theme_table_style_t * s = &own.tab_checked;
    _lv_theme_ts_begin(s);
    _lv_theme_ts_color(s, LV_STYLE_BORDER_COLOR, look->primary);
    _lv_theme_ts_num(s, LV_STYLE_BORDER_WIDTH, look->border * 2);
    _lv_theme_ts_num(s, LV_STYLE_BORDER_SIDE, LV_BORDER_SIDE_BOTTOM);
    _lv_theme_ts_end(s);

    /*A tab button is a cell of the button row, not a raised button*/
    s = &own.tab_cell;
    _lv_theme_ts_begin(s);
    _lv_theme_ts_num(s, LV_STYLE_BG_OPA, LV_OPA_TRANSP);
    _lv_theme_ts_num(s, LV_STYLE_RADIUS, 0);
    _lv_theme_ts_color(s, LV_STYLE_TEXT_COLOR, look->text);
    _lv_theme_ts_pad_all(s, 0);
    _lv_theme_ts_end(s);

    /*The ring goes inside the cell, where the neighbours cannot cover it*/
    s = &own.tab_focus_inset;
    _lv_theme_ts_begin(s);
    _lv_theme_ts_num(s, LV_STYLE_OUTLINE_PAD, -look->border);
    _lv_theme_ts_end(s);
}

static void fill_list_styles(const _lv_theme_look_t * look)
{
    _lv_theme_table_style_t * s = &own.list_bg;
    _lv_theme_ts_begin(s);
    /*Sides only: rows run from top to bottom without gaps*/
    _lv_theme_ts_num(s, LV_STYLE_PAD_LEFT, look->pad_normal);
    _lv_theme_ts_num(s, LV_STYLE_PAD_RIGHT, look->pad_normal);
    _lv_theme_ts_num(s, LV_STYLE_PAD_TOP, 0);
    _lv_theme_ts_num(s, LV_STYLE_PAD_BOTTOM, 0);
    _lv_theme_ts_num(s, LV_STYLE_PAD_ROW, 0);
    _lv_theme_ts_num(s, LV_STYLE_PAD_COLUMN, 0);
    _lv_theme_ts_num(s, LV_STYLE_CLIP_CORNER, 1);
    _lv_theme_ts_end(s);

    /*Rows separated by a thin line below each*/
    s = &own.list_btn;
    _lv_theme_ts_begin(s);
    _lv_theme_ts_num(s, LV_STYLE_BORDER_WIDTH, _lv_theme_dpx(look->disp, 1));
    _lv_theme_ts_color(s, LV_STYLE_BORDER_COLOR, look->grey);
    _lv_theme_ts_num(s, LV_STYLE_BORDER_SIDE, LV_BORDER_SIDE_BOTTOM);
    _lv_theme_ts_pad_all(s, look->pad_small);
    _lv_theme_ts_num(s, LV_STYLE_PAD_COLUMN, look->pad_small);
    _lv_theme_ts_end(s);

    /*Rows reach over the list's side padding to its edges*/
    s = &own.list_row_full_width;
    _lv_theme_ts_begin(s);
    _lv_theme_ts_num(s, LV_STYLE_TRANSFORM_WIDTH, look->pad_normal);
    _lv_theme_ts_end(s);
}

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

void _lv_theme_default_fill_widgets2(const _lv_theme_look_t * look)
{
    lv_disp_t * disp = look->disp;

    _lv_theme_table_style_t * s = &own.dropdown_list;
    _lv_theme_ts_begin(s);
    _lv_theme_ts_num(s, LV_STYLE_MAX_HEIGHT, LV_DPI_DEF * 2);
    _lv_theme_ts_end(s);

    fill_chart_styles(look);

    s = &own.colorwheel_ring;
    _lv_theme_ts_begin(s);
    _lv_theme_ts_num(s, LV_STYLE_ARC_WIDTH, _lv_theme_dpx(disp, 10));
    _lv_theme_ts_end(s);

    fill_tab_styles(look);
    fill_list_styles(look);

    s = &own.msgbox_bg;
    _lv_theme_ts_begin(s);
    _lv_theme_ts_num(s, LV_STYLE_MAX_WIDTH, LV_PCT(100));
    _lv_theme_ts_end(s);

    /*A modal box dims whatever is behind it*/
    s = &own.msgbox_backdrop;
    _lv_theme_ts_begin(s);
    _lv_theme_ts_color(s, LV_STYLE_BG_COLOR, lv_palette_main(LV_PALETTE_GREY));
    _lv_theme_ts_num(s, LV_STYLE_BG_OPA, LV_OPA_50);
    _lv_theme_ts_end(s);

    /*A thin bar left of the character it stands before, blinking*/
    s = &own.textarea_cursor;
    _lv_theme_ts_begin(s);
    _lv_theme_ts_color(s, LV_STYLE_BORDER_COLOR, look->text);
    _lv_theme_ts_num(s, LV_STYLE_BORDER_WIDTH, _lv_theme_dpx(disp, 2));
    _lv_theme_ts_num(s, LV_STYLE_PAD_LEFT, -_lv_theme_dpx(disp, 1));
    _lv_theme_ts_num(s, LV_STYLE_BORDER_SIDE, LV_BORDER_SIDE_LEFT);
    _lv_theme_ts_num(s, LV_STYLE_ANIM_TIME, 400);
    _lv_theme_ts_end(s);
}

void lv_theme_default_style_dropdown(lv_obj_t * obj)
{
    _lv_theme_use(obj, &_lv_theme_book.card, 0);
    _lv_theme_use(obj, &_lv_theme_book.pad_small, 0);
    _lv_theme_use(obj, &_lv_theme_book.pressed, LV_STATE_PRESSED);
    dress_rings(obj);
}

void lv_theme_default_style_dropdownlist(lv_obj_t * obj)
{
    _lv_theme_book_t * b = &_lv_theme_book;
    _lv_theme_use(obj, &b->card, 0);
    _lv_theme_use(obj, &b->clip_corner, 0);
    _lv_theme_use(obj, &b->line_space_large, 0);
    _lv_theme_use(obj, &own.dropdown_list, 0);
    dress_scrollbar(obj);
    _lv_theme_use(obj, &b->bg_color_white, LV_PART_SELECTED);
    _lv_theme_use(obj, &b->bg_color_primary, LV_PART_SELECTED | LV_STATE_CHECKED);
    _lv_theme_use(obj, &b->pressed, LV_PART_SELECTED | LV_STATE_PRESSED);
}

void lv_theme_default_style_chart(lv_obj_t * obj)
{
    _lv_theme_use(obj, &_lv_theme_book.card, 0);
    _lv_theme_use(obj, &_lv_theme_book.pad_small, 0);
    _lv_theme_use(obj, &own.chart_bg, 0);
    dress_scrollbar(obj);
    _lv_theme_use(obj, &own.chart_series, LV_PART_ITEMS);
    _lv_theme_use(obj, &own.chart_indic, LV_PART_INDICATOR);
    _lv_theme_use(obj, &own.chart_ticks, LV_PART_TICKS);
    _lv_theme_use(obj, &own.chart_series, LV_PART_CURSOR);
}

void lv_theme_default_style_colorwheel(lv_obj_t * obj)
{
    _lv_theme_use(obj, &own.colorwheel_ring, 0);
    _lv_theme_use(obj, &_lv_theme_book.pad_normal, 0);
    _lv_theme_use(obj, &_lv_theme_book.bg_color_white, 0);
    _lv_theme_use(obj, &_lv_theme_book.knob, LV_PART_KNOB);
    _lv_theme_use(obj, &_lv_theme_book.pad_normal, LV_PART_KNOB);
}

void lv_theme_default_style_tabview(lv_obj_t * obj)
{
    _lv_theme_use(obj, &_lv_theme_book.scr, 0);
    _lv_theme_use(obj, &_lv_theme_book.pad_zero, 0);
}

void lv_theme_default_style_tabview_btns(lv_obj_t * obj)
{
    _lv_theme_use(obj, &_lv_theme_book.bg_color_white, 0);
    _lv_theme_use(obj, &_lv_theme_book.pad_zero, 0);
    _lv_theme_use(obj, &_lv_theme_book.outline_primary, LV_STATE_FOCUS_KEY);
}

void lv_theme_default_style_tabview_btn(lv_obj_t * obj)
{
    _lv_theme_use(obj, &own.tab_cell, 0);
    _lv_theme_use(obj, &_lv_theme_book.pressed, LV_STATE_PRESSED);
    _lv_theme_use(obj, &_lv_theme_book.bg_color_primary_muted, LV_STATE_CHECKED);
    _lv_theme_use(obj, &own.tab_checked, LV_STATE_CHECKED);
    _lv_theme_use(obj, &_lv_theme_book.outline_primary, LV_STATE_FOCUS_KEY);
    _lv_theme_use(obj, &own.tab_focus_inset, LV_STATE_FOCUS_KEY);
    _lv_theme_use(obj, &_lv_theme_book.outline_secondary, LV_STATE_EDITED);
}

void lv_theme_default_style_tabview_page(lv_obj_t * obj)
{
    _lv_theme_use(obj, &_lv_theme_book.pad_normal, 0);
    dress_scrollbar(obj);
}

void lv_theme_default_style_list(lv_obj_t * obj)
{
    _lv_theme_use(obj, &_lv_theme_book.card, 0);
    _lv_theme_use(obj, &own.list_bg, 0);
    dress_scrollbar(obj);
}

void lv_theme_default_style_list_btn(lv_obj_t * obj)
{
    _lv_theme_use(obj, &_lv_theme_book.bg_color_white, 0);
    _lv_theme_use(obj, &own.list_btn, 0);
    _lv_theme_use(obj, &_lv_theme_book.outline_primary, LV_STATE_FOCUS_KEY);
    _lv_theme_use(obj, &own.list_row_full_width, LV_STATE_FOCUS_KEY);
    _lv_theme_use(obj, &own.list_row_full_width, LV_STATE_PRESSED);
    _lv_theme_use(obj, &_lv_theme_book.pressed, LV_STATE_PRESSED);
}

void lv_theme_default_style_list_text(lv_obj_t * obj)
{
    _lv_theme_use(obj, &_lv_theme_book.bg_color_grey, 0);
    _lv_theme_use(obj, &_lv_theme_book.pad_small, 0);
    _lv_theme_use(obj, &own.list_row_full_width, 0);
}

void lv_theme_default_style_msgbox(lv_obj_t * obj)
{
    _lv_theme_use(obj, &_lv_theme_book.card, 0);
    _lv_theme_use(obj, &own.msgbox_bg, 0);
}

void lv_theme_default_style_msgbox_content(lv_obj_t * obj)
{
    _lv_theme_use(obj, &_lv_theme_book.transp, 0);
    _lv_theme_use(obj, &_lv_theme_book.pad_zero, 0);
    dress_scrollbar(obj);
}

void lv_theme_default_style_msgbox_btns(lv_obj_t * obj)
{
    _lv_theme_use(obj, &_lv_theme_book.transp, 0);
    _lv_theme_use(obj, &_lv_theme_book.pad_zero, 0);
    _lv_theme_use(obj, &_lv_theme_book.pad_gap, 0);
}

void lv_theme_default_style_msgbox_backdrop(lv_obj_t * obj)
{
    _lv_theme_use(obj, &own.msgbox_backdrop, 0);
}

void lv_theme_default_style_textarea(lv_obj_t * obj)
{
    _lv_theme_use(obj, &_lv_theme_book.card, 0);
    _lv_theme_use(obj, &_lv_theme_book.pad_small, 0);
    dress_rings(obj);
    dress_scrollbar(obj);
    _lv_theme_use(obj, &own.textarea_cursor, LV_PART_CURSOR | LV_STATE_FOCUSED);
}

void lv_theme_default_style_keyboard(lv_obj_t * obj)
{
    _lv_theme_use(obj, &_lv_theme_book.scr, 0);
    _lv_theme_use(obj, &_lv_theme_book.pad_small, 0);
    _lv_theme_use(obj, &_lv_theme_book.outline_primary, LV_STATE_FOCUS_KEY);
}

#endif /*LV_USE_THEME_DEFAULT*/
