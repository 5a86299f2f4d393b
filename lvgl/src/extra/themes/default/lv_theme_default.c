/**
 * @file lv_theme_default.c
 * The default theme: upstream 8.3's light and dark look.
 *
 * All styles are table styles (lv_theme_default_table.h): this file fills
 * the look and the styles several widgets share, the two widget files fill
 * their own, and one list says which function dresses which class.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_theme_default.h"
#if LV_USE_THEME_DEFAULT

#include "lv_theme_default_table.h"
#include "lv_theme_default_widgets1.h"
#include "lv_theme_default_widgets2.h"
#include "../../../core/lv_disp.h"
#include "../../../widgets/lv_btn.h"
#include "../../../widgets/lv_widgets_extra.h"
#include "../../../widgets/lv_widgets_extra2.h"

/*********************
 *      DEFINES
 *********************/
#define LOOK_DARK 1 /*bit in lv_theme_t.flags*/

/*Press darkening, out of 255*/
#define PRESS_DARKEN 35

/**********************
 *      TYPEDEFS
 **********************/
typedef void (*dress_cb_t)(lv_obj_t * obj);

/* Which function gives objects of exactly this class their look. */
typedef struct {
    const lv_obj_class_t * cls;
    dress_cb_t dress;
} dress_rule_t;

/**********************
 *  STATIC PROTOTYPES
 **********************/
static void dress_plain(lv_obj_t * obj);
static void dress_btn(lv_obj_t * obj);

/**********************
 *  GLOBAL VARIABLES
 **********************/
_lv_theme_book_t _lv_theme_book;

/**********************
 *  STATIC VARIABLES
 **********************/
static lv_theme_t theme;
static bool built;
static bool dark_now;
static lv_color_filter_dsc_t press_filter;
static lv_color_filter_dsc_t disable_filter;

/*Labels and images have no entry: they take their parent's look through the inherited text properties*/
static const dress_rule_t dress_rules[] = {
    {&lv_obj_class, dress_plain},
#if LV_USE_BTN
    {&lv_btn_class, dress_btn},
#endif
    /*Exact classes: the slider is a bar underneath but has its own look*/
    {&lv_bar_class, lv_theme_default_style_bar},
    {&lv_slider_class, lv_theme_default_style_slider},
    {&lv_arc_class, lv_theme_default_style_arc},
    {&lv_meter_class, lv_theme_default_style_meter},
    {&lv_switch_class, lv_theme_default_style_switch},
    {&lv_dropdown_class, lv_theme_default_style_dropdown},
    {&lv_dropdownlist_class, lv_theme_default_style_dropdownlist},
    {&lv_chart_class, lv_theme_default_style_chart},
    {&lv_colorwheel_class, lv_theme_default_style_colorwheel},
    {&lv_tabview_class, lv_theme_default_style_tabview},
    {&lv_tabview_btns_class, lv_theme_default_style_tabview_btns},
    {&lv_tabview_btn_class, lv_theme_default_style_tabview_btn},
    {&lv_list_class, lv_theme_default_style_list},
    {&lv_list_btn_class, lv_theme_default_style_list_btn},
    {&lv_list_text_class, lv_theme_default_style_list_text},
    {&lv_msgbox_class, lv_theme_default_style_msgbox},
    {&lv_msgbox_content_class, lv_theme_default_style_msgbox_content},
    {&lv_msgbox_btns_class, lv_theme_default_style_msgbox_btns},
    {&lv_msgbox_backdrop_class, lv_theme_default_style_msgbox_backdrop},
    {&lv_textarea_class, lv_theme_default_style_textarea},
    {&lv_keyboard_class, lv_theme_default_style_keyboard},
};

/**********************
 *   STATIC FUNCTIONS
 **********************/

/* Pressed parts are darkened by the filter's strength. */
static lv_color_t press_darken(const lv_color_filter_dsc_t * f, lv_color_t c, lv_opa_t strength)
{
    LV_UNUSED(f);
    return lv_color_darken(c, strength);
}

/* Disabled parts are washed out towards a grey that suits the look. */
static lv_color_t disable_wash(const lv_color_filter_dsc_t * f, lv_color_t c, lv_opa_t strength)
{
    LV_UNUSED(f);
    lv_color_t wash = dark_now ? lv_palette_darken(LV_PALETTE_GREY, 2) : lv_palette_lighten(LV_PALETTE_GREY, 2);
    return lv_color_mix(wash, c, strength);
}

/* One of three sizes, by the display's width; a theme without a display yet is small. */
static lv_coord_t by_size_class(lv_disp_t * disp, lv_coord_t small, lv_coord_t medium, lv_coord_t large)
{
    lv_coord_t width = disp != NULL ? lv_disp_get_hor_res(disp) : 0;
    lv_coord_t pick = width <= 320 ? small : (width < 720 ? medium : large);
    return _lv_theme_dpx(disp, pick);
}

static void make_look(_lv_theme_look_t * look, lv_disp_t * disp, lv_color_t primary, lv_color_t secondary,
                      bool dark, const lv_font_t * font)
{
    look->disp = disp;
    look->dark = dark;
    look->primary = primary;
    look->secondary = secondary;
    look->font = font;

    look->screen = dark ? lv_color_hex(0x15171A) : lv_palette_lighten(LV_PALETTE_GREY, 4);
    look->card = dark ? lv_color_hex(0x282B30) : lv_color_white();
    look->text = dark ? lv_palette_lighten(LV_PALETTE_GREY, 5) : lv_palette_darken(LV_PALETTE_GREY, 4);
    look->grey = dark ? lv_color_hex(0x2F3237) : lv_palette_lighten(LV_PALETTE_GREY, 2);

    look->pad_normal = by_size_class(disp, 16, 20, 24);
    look->pad_small = by_size_class(disp, 10, 12, 14);
    look->radius_card = by_size_class(disp, 8, 8, 12);
    look->radius_btn = by_size_class(disp, 8, 12, 16);
    look->border = _lv_theme_dpx(disp, 2);
    look->outline = _lv_theme_dpx(disp, 3);
}

/* A fill and the text colour that goes on it. */
static void fill_colors(_lv_theme_table_style_t * s, lv_color_t bg, lv_opa_t bg_opa, lv_color_t text)
{
    _lv_theme_ts_begin(s);
    _lv_theme_ts_color(s, LV_STYLE_BG_COLOR, bg);
    _lv_theme_ts_num(s, LV_STYLE_BG_OPA, bg_opa);
    _lv_theme_ts_color(s, LV_STYLE_TEXT_COLOR, text);
    _lv_theme_ts_end(s);
}

/* Padding on all four sides and between children. */
static void fill_padding(_lv_theme_table_style_t * s, lv_coord_t pad, lv_coord_t gap)
{
    _lv_theme_ts_begin(s);
    if(pad >= 0) _lv_theme_ts_pad_all(s, pad);
    _lv_theme_ts_num(s, LV_STYLE_PAD_ROW, gap);
    _lv_theme_ts_num(s, LV_STYLE_PAD_COLUMN, gap);
    _lv_theme_ts_end(s);
}

/* A ring around focused (keyboard) or edited widgets; the focus ring keeps a gap. */
static void fill_ring(_lv_theme_table_style_t * s, lv_color_t color, lv_coord_t width, bool gap)
{
    _lv_theme_ts_begin(s);
    _lv_theme_ts_color(s, LV_STYLE_OUTLINE_COLOR, color);
    _lv_theme_ts_num(s, LV_STYLE_OUTLINE_WIDTH, width);
    if(gap) _lv_theme_ts_num(s, LV_STYLE_OUTLINE_PAD, width);
    _lv_theme_ts_num(s, LV_STYLE_OUTLINE_OPA, LV_OPA_50);
    _lv_theme_ts_end(s);
}

/* A style of a single property. */
static void fill_single(_lv_theme_table_style_t * s, lv_style_prop_t prop, int32_t n)
{
    _lv_theme_ts_begin(s);
    _lv_theme_ts_num(s, prop, n);
    _lv_theme_ts_end(s);
}

static void fill_frames(const _lv_theme_look_t * look)
{
    _lv_theme_book_t * b = &_lv_theme_book;
    lv_disp_t * disp = look->disp;

    _lv_theme_table_style_t * s = &b->scr;
    _lv_theme_ts_begin(s);
    _lv_theme_ts_num(s, LV_STYLE_BG_OPA, LV_OPA_COVER);
    _lv_theme_ts_color(s, LV_STYLE_BG_COLOR, look->screen);
    _lv_theme_ts_color(s, LV_STYLE_TEXT_COLOR, look->text);
    /*Without a font of its own the text falls back to LV_FONT_DEFAULT*/
    if(look->font != NULL) _lv_theme_ts_ptr(s, LV_STYLE_TEXT_FONT, look->font);
    _lv_theme_ts_num(s, LV_STYLE_PAD_ROW, look->pad_small);
    _lv_theme_ts_num(s, LV_STYLE_PAD_COLUMN, look->pad_small);
    _lv_theme_ts_end(s);

    s = &b->card;
    _lv_theme_ts_begin(s);
    _lv_theme_ts_num(s, LV_STYLE_RADIUS, look->radius_card);
    _lv_theme_ts_num(s, LV_STYLE_BG_OPA, LV_OPA_COVER);
    _lv_theme_ts_color(s, LV_STYLE_BG_COLOR, look->card);
    _lv_theme_ts_color(s, LV_STYLE_BORDER_COLOR, look->grey);
    _lv_theme_ts_num(s, LV_STYLE_BORDER_WIDTH, look->border);
    /*Drawn over the children, so a child at the edge does not cover it*/
    _lv_theme_ts_num(s, LV_STYLE_BORDER_POST, 1);
    _lv_theme_ts_color(s, LV_STYLE_TEXT_COLOR, look->text);
    _lv_theme_ts_pad_all(s, look->pad_normal);
    _lv_theme_ts_num(s, LV_STYLE_PAD_ROW, look->pad_small);
    _lv_theme_ts_num(s, LV_STYLE_PAD_COLUMN, look->pad_small);
    _lv_theme_ts_color(s, LV_STYLE_LINE_COLOR, lv_palette_main(LV_PALETTE_GREY));
    _lv_theme_ts_num(s, LV_STYLE_LINE_WIDTH, _lv_theme_dpx(disp, 1));
    _lv_theme_ts_end(s);

    s = &b->btn;
    _lv_theme_ts_begin(s);
    _lv_theme_ts_num(s, LV_STYLE_RADIUS, look->radius_btn);
    _lv_theme_ts_num(s, LV_STYLE_BG_OPA, LV_OPA_COVER);
    _lv_theme_ts_color(s, LV_STYLE_BG_COLOR, look->grey);
    if(!look->dark) {
        /*Only the light look lifts buttons off the card. The offset is
         *scaled twice (LV_DPX, then the display) to match the reference*/
        _lv_theme_ts_color(s, LV_STYLE_SHADOW_COLOR, lv_palette_main(LV_PALETTE_GREY));
        _lv_theme_ts_num(s, LV_STYLE_SHADOW_WIDTH, LV_DPX(3));
        _lv_theme_ts_num(s, LV_STYLE_SHADOW_OPA, LV_OPA_50);
        _lv_theme_ts_num(s, LV_STYLE_SHADOW_OFS_Y, _lv_theme_dpx(disp, LV_DPX(4)));
    }
    _lv_theme_ts_color(s, LV_STYLE_TEXT_COLOR, look->text);
    _lv_theme_ts_num(s, LV_STYLE_PAD_LEFT, look->pad_normal);
    _lv_theme_ts_num(s, LV_STYLE_PAD_RIGHT, look->pad_normal);
    _lv_theme_ts_num(s, LV_STYLE_PAD_TOP, look->pad_small);
    _lv_theme_ts_num(s, LV_STYLE_PAD_BOTTOM, look->pad_small);
    _lv_theme_ts_num(s, LV_STYLE_PAD_COLUMN, _lv_theme_dpx(disp, 5));
    _lv_theme_ts_num(s, LV_STYLE_PAD_ROW, _lv_theme_dpx(disp, 5));
    _lv_theme_ts_end(s);

    /*Plain containers that only hold other parts*/
    s = &b->transp;
    _lv_theme_ts_begin(s);
    _lv_theme_ts_num(s, LV_STYLE_BG_OPA, LV_OPA_TRANSP);
    _lv_theme_ts_num(s, LV_STYLE_BORDER_WIDTH, 0);
    _lv_theme_ts_num(s, LV_STYLE_RADIUS, 0);
    _lv_theme_ts_end(s);

    s = &b->scrollbar;
    _lv_theme_ts_begin(s);
    _lv_theme_ts_color(s, LV_STYLE_BG_COLOR,
                       look->dark ? lv_palette_darken(LV_PALETTE_GREY, 2) : lv_palette_main(LV_PALETTE_GREY));
    _lv_theme_ts_num(s, LV_STYLE_RADIUS, LV_RADIUS_CIRCLE);
    _lv_theme_ts_pad_all(s, _lv_theme_dpx(disp, 7));
    _lv_theme_ts_num(s, LV_STYLE_WIDTH, _lv_theme_dpx(disp, 5));
    _lv_theme_ts_num(s, LV_STYLE_BG_OPA, LV_OPA_40);
    _lv_theme_ts_end(s);
    /*Solid while the user scrolls*/
    fill_single(&b->scrollbar_scrolled, LV_STYLE_BG_OPA, LV_OPA_COVER);
}

static void fill_helpers(const _lv_theme_look_t * look)
{
    _lv_theme_book_t * b = &_lv_theme_book;
    lv_disp_t * disp = look->disp;

    fill_colors(&b->bg_color_primary, look->primary, LV_OPA_COVER, lv_color_white());
    fill_colors(&b->bg_color_primary_muted, look->primary, LV_OPA_20, look->primary);
    fill_colors(&b->bg_color_secondary, look->secondary, LV_OPA_COVER, lv_color_white());
    fill_colors(&b->bg_color_grey, look->grey, LV_OPA_COVER, look->text);
    fill_colors(&b->bg_color_white, look->card, LV_OPA_COVER, look->text);

    fill_padding(&b->pad_zero, 0, 0);
    fill_padding(&b->pad_small, look->pad_small, look->pad_small);
    fill_padding(&b->pad_normal, look->pad_normal, look->pad_normal);
    fill_padding(&b->pad_gap, -1, _lv_theme_dpx(disp, 10));
    fill_single(&b->line_space_large, LV_STYLE_TEXT_LINE_SPACE, _lv_theme_dpx(disp, 20));

    fill_ring(&b->outline_primary, look->primary, look->outline, true);
    fill_ring(&b->outline_secondary, look->secondary, look->outline, false);

    fill_single(&b->circle, LV_STYLE_RADIUS, LV_RADIUS_CIRCLE);
    fill_single(&b->anim_fast, LV_STYLE_ANIM_TIME, 120);

    /*The styles point at the descriptors, so they are static*/
    lv_color_filter_dsc_init(&press_filter, press_darken);
    lv_color_filter_dsc_init(&disable_filter, disable_wash);
    _lv_theme_table_style_t * s = &b->pressed;
    _lv_theme_ts_begin(s);
    _lv_theme_ts_ptr(s, LV_STYLE_COLOR_FILTER_DSC, &press_filter);
    _lv_theme_ts_num(s, LV_STYLE_COLOR_FILTER_OPA, PRESS_DARKEN);
    _lv_theme_ts_end(s);
    s = &b->disabled;
    _lv_theme_ts_begin(s);
    _lv_theme_ts_ptr(s, LV_STYLE_COLOR_FILTER_DSC, &disable_filter);
    _lv_theme_ts_num(s, LV_STYLE_COLOR_FILTER_OPA, LV_OPA_50);
    _lv_theme_ts_end(s);

    s = &b->clip_corner;
    _lv_theme_ts_begin(s);
    _lv_theme_ts_num(s, LV_STYLE_CLIP_CORNER, 1);
    _lv_theme_ts_num(s, LV_STYLE_BORDER_POST, 1);
    _lv_theme_ts_end(s);

    /*Pressed buttons and knobs grow a little*/
    s = &b->grow;
    _lv_theme_ts_begin(s);
    _lv_theme_ts_num(s, LV_STYLE_TRANSFORM_WIDTH, _lv_theme_dpx(disp, 3));
    _lv_theme_ts_num(s, LV_STYLE_TRANSFORM_HEIGHT, _lv_theme_dpx(disp, 3));
    _lv_theme_ts_end(s);
}

/* The parts of the value widgets: knobs and arcs. */
static void fill_parts(const _lv_theme_look_t * look)
{
    _lv_theme_book_t * b = &_lv_theme_book;

    _lv_theme_table_style_t * s = &b->knob;
    _lv_theme_ts_begin(s);
    _lv_theme_ts_color(s, LV_STYLE_BG_COLOR, look->primary);
    _lv_theme_ts_num(s, LV_STYLE_BG_OPA, LV_OPA_COVER);
    _lv_theme_ts_pad_all(s, _lv_theme_dpx(look->disp, 6));
    _lv_theme_ts_num(s, LV_STYLE_RADIUS, LV_RADIUS_CIRCLE);
    _lv_theme_ts_end(s);

    s = &b->arc_indic;
    _lv_theme_ts_begin(s);
    _lv_theme_ts_color(s, LV_STYLE_ARC_COLOR, look->grey);
    _lv_theme_ts_num(s, LV_STYLE_ARC_WIDTH, _lv_theme_dpx(look->disp, 15));
    _lv_theme_ts_num(s, LV_STYLE_ARC_ROUNDED, 1);
    _lv_theme_ts_end(s);

    s = &b->arc_indic_primary;
    _lv_theme_ts_begin(s);
    _lv_theme_ts_color(s, LV_STYLE_ARC_COLOR, look->primary);
    _lv_theme_ts_end(s);
}

static void dress_scrollbar(lv_obj_t * obj)
{
    _lv_theme_use(obj, &_lv_theme_book.scrollbar, LV_PART_SCROLLBAR);
    _lv_theme_use(obj, &_lv_theme_book.scrollbar_scrolled, LV_PART_SCROLLBAR | LV_STATE_SCROLLED);
}

/*
 * A plain object is a card, except the plain parts of a tab view: its
 * content holder has no look of its own and its pages are see-through
 * areas with padding.
 */
static void dress_plain(lv_obj_t * obj)
{
    const lv_obj_t * up = lv_obj_get_parent(obj);
    const lv_obj_t * up2 = lv_obj_get_parent(up);
    if(lv_obj_check_type(up, &lv_tabview_class)) return;
    if(up2 != NULL && lv_obj_check_type(up2, &lv_tabview_class)) {
        lv_theme_default_style_tabview_page(obj);
        return;
    }
    _lv_theme_use(obj, &_lv_theme_book.card, 0);
    dress_scrollbar(obj);
}

static void dress_btn(lv_obj_t * obj)
{
    _lv_theme_book_t * b = &_lv_theme_book;
    _lv_theme_use(obj, &b->btn, 0);
    _lv_theme_use(obj, &b->bg_color_primary, 0);
    _lv_theme_use(obj, &b->pressed, LV_STATE_PRESSED);
    _lv_theme_use(obj, &b->outline_primary, LV_STATE_FOCUS_KEY);
    _lv_theme_use(obj, &b->outline_secondary, LV_STATE_EDITED);
#if LV_THEME_DEFAULT_GROW
    _lv_theme_use(obj, &b->grow, LV_STATE_PRESSED);
#endif
    _lv_theme_use(obj, &b->bg_color_secondary, LV_STATE_CHECKED);
    _lv_theme_use(obj, &b->disabled, LV_STATE_DISABLED);
}

static void theme_apply(lv_theme_t * th, lv_obj_t * obj)
{
    LV_UNUSED(th);

    if(lv_obj_get_parent(obj) == NULL) {
        _lv_theme_use(obj, &_lv_theme_book.scr, 0);
        dress_scrollbar(obj);
        return;
    }
    for(size_t i = 0; i < sizeof(dress_rules) / sizeof(dress_rules[0]); i++) {
        if(!lv_obj_check_type(obj, dress_rules[i].cls)) continue;
        dress_rules[i].dress(obj);
        return;
    }
}

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

/*
 * Build the theme, or build it again (other colours, look or display): the
 * tables are refilled in place and every object already using them is
 * refreshed.
 */
lv_theme_t * lv_theme_default_init(lv_disp_t * disp, lv_color_t color_primary, lv_color_t color_secondary, bool dark,
                                   const lv_font_t * font)
{
    _lv_theme_look_t look;
    make_look(&look, disp, color_primary, color_secondary, dark, font);
    dark_now = dark;

    theme.disp = disp;
    theme.color_primary = color_primary;
    theme.color_secondary = color_secondary;
    theme.font_small = font;
    theme.font_normal = font;
    theme.font_large = font;
    theme.apply_cb = theme_apply;
    theme.flags = dark ? LOOK_DARK : 0;

    fill_frames(&look);
    fill_helpers(&look);
    fill_parts(&look);
    _lv_theme_default_fill_widgets1(&look);
    _lv_theme_default_fill_widgets2(&look);

    bool in_use = disp == NULL || lv_disp_get_theme(disp) == &theme;
    if(built && in_use) lv_obj_report_style_change(NULL);
    built = true;
    return &theme;
}

lv_theme_t * lv_theme_default_get(void)
{
    return built ? &theme : NULL;
}

bool lv_theme_default_is_inited(void)
{
    return built;
}

/* The tables are static and need no freeing; the next lv_init builds the theme anew. */
void _lv_theme_default_deinit(void)
{
    built = false;
}

#endif /*LV_USE_THEME_DEFAULT*/
