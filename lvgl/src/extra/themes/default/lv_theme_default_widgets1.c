/**
 * @file lv_theme_default_widgets1.c
 * Default-theme styles of the value widgets. They are constant styles whose
 * property tables live in this file, not in the memory pool: the theme's own
 * styles are rebuilt after every lv_deinit/lv_init, and tables filled here
 * stay valid across that without a hook into the library's start-up. The
 * tables are refilled whenever the theme's colours, mode or display change.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_theme_default_widgets1.h"
#include "lv_theme_default_table.h"
#if LV_USE_THEME_DEFAULT

#include "../../../core/lv_theme.h"
#include "../../../core/lv_disp.h"
#include "../../../widgets/lv_widgets_extra.h"

/*********************
 *      DEFINES
 *********************/
#define THEME_FLAG_DARK 1     /*the default theme's flag for the dark look*/

#define DARK_CARD        lv_color_hex(0x282b30)
#define DARK_TEXT        lv_palette_lighten(LV_PALETTE_GREY, 5)
#define DARK_GREY        lv_color_hex(0x2f3237)
#define LIGHT_CARD       lv_color_white()
#define LIGHT_TEXT       lv_palette_darken(LV_PALETTE_GREY, 4)
#define LIGHT_GREY       lv_palette_lighten(LV_PALETTE_GREY, 2)

/**********************
 *      TYPEDEFS
 **********************/

typedef _lv_theme_table_style_t table_style_t;

typedef struct {
    table_style_t circle;
    table_style_t card;
    table_style_t bg_color_primary;
    table_style_t bg_color_primary_muted;
    table_style_t bg_color_grey;
    table_style_t bg_color_white;
    table_style_t outline_primary;
    table_style_t outline_secondary;
    table_style_t disabled;
    table_style_t grow;
    table_style_t anim_fast;
    table_style_t knob;
    table_style_t switch_knob;
    table_style_t arc_indic;
    table_style_t arc_indic_primary;
    table_style_t meter_indic;
} widget_styles_t;

/* What the tables were last filled from. */
typedef struct {
    bool valid;
    uint32_t primary;
    uint32_t secondary;
    uint32_t flags;
    lv_coord_t dpi;
    lv_coord_t hor_res;
} styles_key_t;

/**********************
 *  STATIC VARIABLES
 **********************/
static widget_styles_t styles;
static styles_key_t styles_key;
static bool dark_mode = true;
static lv_color_filter_dsc_t grey_filter;

/**********************
 *   STATIC FUNCTIONS
 **********************/

/* Disabled widgets are washed out towards grey. */
static lv_color_t disabled_grey_filter(const lv_color_filter_dsc_t * f, lv_color_t color, lv_opa_t opa)
{
    LV_UNUSED(f);
    if(dark_mode) return lv_color_mix(lv_palette_darken(LV_PALETTE_GREY, 2), color, opa);
    return lv_color_mix(lv_palette_lighten(LV_PALETTE_GREY, 2), color, opa);
}

static void fill_styles(lv_disp_t * disp, lv_color_t primary, lv_color_t secondary, bool dark)
{
    dark_mode = dark;
    lv_color_t color_card = dark ? DARK_CARD : LIGHT_CARD;
    lv_color_t color_text = dark ? DARK_TEXT : LIGHT_TEXT;
    lv_color_t color_grey = dark ? DARK_GREY : LIGHT_GREY;

    /* Sizes follow the display's width class, as the rest of the theme does. */
    lv_coord_t hor_res = disp ? lv_disp_get_hor_res(disp) : 0;
    bool large = hor_res >= 720;
    bool medium = hor_res > 320 && hor_res < 720;
    lv_coord_t pad_def = large ? _lv_theme_dpx(disp, 24) : medium ? _lv_theme_dpx(disp, 20) : _lv_theme_dpx(disp, 16);
    lv_coord_t pad_small = large ? _lv_theme_dpx(disp, 14) : medium ? _lv_theme_dpx(disp, 12) : _lv_theme_dpx(disp, 10);
    lv_coord_t radius_def = large ? _lv_theme_dpx(disp, 12) : _lv_theme_dpx(disp, 8);
    lv_coord_t outline_w = _lv_theme_dpx(disp, 3);

    _lv_theme_ts_begin(&styles.circle);
    _lv_theme_ts_num(&styles.circle, LV_STYLE_RADIUS, LV_RADIUS_CIRCLE);
    _lv_theme_ts_end(&styles.circle);

    /* The plain object's card look: the meter is a card with a round face. */
    table_style_t * s = &styles.card;
    _lv_theme_ts_begin(s);
    _lv_theme_ts_num(s, LV_STYLE_RADIUS, radius_def);
    _lv_theme_ts_num(s, LV_STYLE_BG_OPA, LV_OPA_COVER);
    _lv_theme_ts_color(s, LV_STYLE_BG_COLOR, color_card);
    _lv_theme_ts_color(s, LV_STYLE_BORDER_COLOR, color_grey);
    _lv_theme_ts_num(s, LV_STYLE_BORDER_WIDTH, _lv_theme_dpx(disp, 2));
    _lv_theme_ts_num(s, LV_STYLE_BORDER_POST, 1);
    _lv_theme_ts_color(s, LV_STYLE_TEXT_COLOR, color_text);
    _lv_theme_ts_pad_all(s, pad_def);
    _lv_theme_ts_num(s, LV_STYLE_PAD_ROW, pad_small);
    _lv_theme_ts_num(s, LV_STYLE_PAD_COLUMN, pad_small);
    _lv_theme_ts_end(s);
    /* (line colour and width of the card are not used by the meter's ticks, which carry their own) */

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

    s = &styles.bg_color_grey;
    _lv_theme_ts_begin(s);
    _lv_theme_ts_color(s, LV_STYLE_BG_COLOR, color_grey);
    _lv_theme_ts_num(s, LV_STYLE_BG_OPA, LV_OPA_COVER);
    _lv_theme_ts_color(s, LV_STYLE_TEXT_COLOR, color_text);
    _lv_theme_ts_end(s);

    s = &styles.bg_color_white;
    _lv_theme_ts_begin(s);
    _lv_theme_ts_color(s, LV_STYLE_BG_COLOR, color_card);
    _lv_theme_ts_num(s, LV_STYLE_BG_OPA, LV_OPA_COVER);
    _lv_theme_ts_color(s, LV_STYLE_TEXT_COLOR, color_text);
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

    lv_color_filter_dsc_init(&grey_filter, disabled_grey_filter);
    s = &styles.disabled;
    _lv_theme_ts_begin(s);
    _lv_theme_ts_ptr(s, LV_STYLE_COLOR_FILTER_DSC, &grey_filter);
    _lv_theme_ts_num(s, LV_STYLE_COLOR_FILTER_OPA, LV_OPA_50);
    _lv_theme_ts_end(s);

    s = &styles.grow;
    _lv_theme_ts_begin(s);
    _lv_theme_ts_num(s, LV_STYLE_TRANSFORM_WIDTH, _lv_theme_dpx(disp, 3));
    _lv_theme_ts_num(s, LV_STYLE_TRANSFORM_HEIGHT, _lv_theme_dpx(disp, 3));
    _lv_theme_ts_end(s);

    s = &styles.anim_fast;
    _lv_theme_ts_begin(s);
    _lv_theme_ts_num(s, LV_STYLE_ANIM_TIME, 120);
    _lv_theme_ts_end(s);

    s = &styles.knob;
    _lv_theme_ts_begin(s);
    _lv_theme_ts_color(s, LV_STYLE_BG_COLOR, primary);
    _lv_theme_ts_num(s, LV_STYLE_BG_OPA, LV_OPA_COVER);
    _lv_theme_ts_pad_all(s, _lv_theme_dpx(disp, 6));
    _lv_theme_ts_num(s, LV_STYLE_RADIUS, LV_RADIUS_CIRCLE);
    _lv_theme_ts_end(s);

    /* The switch's knob sits inside the track, white on every primary colour. */
    s = &styles.switch_knob;
    _lv_theme_ts_begin(s);
    _lv_theme_ts_pad_all(s, -_lv_theme_dpx(disp, 4));
    _lv_theme_ts_color(s, LV_STYLE_BG_COLOR, lv_color_white());
    _lv_theme_ts_end(s);

    s = &styles.arc_indic;
    _lv_theme_ts_begin(s);
    _lv_theme_ts_color(s, LV_STYLE_ARC_COLOR, color_grey);
    _lv_theme_ts_num(s, LV_STYLE_ARC_WIDTH, _lv_theme_dpx(disp, 15));
    _lv_theme_ts_num(s, LV_STYLE_ARC_ROUNDED, 1);
    _lv_theme_ts_end(s);

    s = &styles.arc_indic_primary;
    _lv_theme_ts_begin(s);
    _lv_theme_ts_color(s, LV_STYLE_ARC_COLOR, primary);
    _lv_theme_ts_end(s);

    s = &styles.meter_indic;
    _lv_theme_ts_begin(s);
    _lv_theme_ts_num(s, LV_STYLE_RADIUS, LV_RADIUS_CIRCLE);
    _lv_theme_ts_color(s, LV_STYLE_BG_COLOR, lv_palette_main(LV_PALETTE_GREY));
    _lv_theme_ts_num(s, LV_STYLE_BG_OPA, LV_OPA_COVER);
    _lv_theme_ts_num(s, LV_STYLE_WIDTH, _lv_theme_dpx(disp, 15));
    _lv_theme_ts_num(s, LV_STYLE_HEIGHT, _lv_theme_dpx(disp, 15));
    _lv_theme_ts_end(s);
}

/*
 * Make sure the tables match the object's theme. A changed theme (another
 * primary colour, light/dark, display) refills them and lets every object
 * using them refresh.
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

    if(styles_key.valid && styles_key.primary == key.primary && styles_key.secondary == key.secondary &&
       styles_key.flags == key.flags && styles_key.dpi == key.dpi && styles_key.hor_res == key.hor_res) {
        return;
    }

    bool refill = styles_key.valid;
    styles_key = key;
    fill_styles(disp, primary, secondary, (flags & THEME_FLAG_DARK) != 0);
    if(refill) lv_obj_report_style_change(NULL);
}

#define ADD(obj, name, selector) lv_obj_add_style(obj, &styles.name.style, selector)

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

void lv_theme_default_style_bar(lv_obj_t * obj)
{
    ensure_styles(obj);
    ADD(obj, bg_color_primary_muted, 0);
    ADD(obj, circle, 0);
    ADD(obj, outline_primary, LV_STATE_FOCUS_KEY);
    ADD(obj, outline_secondary, LV_STATE_EDITED);
    ADD(obj, bg_color_primary, LV_PART_INDICATOR);
    ADD(obj, circle, LV_PART_INDICATOR);
}

void lv_theme_default_style_slider(lv_obj_t * obj)
{
    ensure_styles(obj);
    ADD(obj, bg_color_primary_muted, 0);
    ADD(obj, circle, 0);
    ADD(obj, outline_primary, LV_STATE_FOCUS_KEY);
    ADD(obj, outline_secondary, LV_STATE_EDITED);
    ADD(obj, bg_color_primary, LV_PART_INDICATOR);
    ADD(obj, circle, LV_PART_INDICATOR);
    ADD(obj, knob, LV_PART_KNOB);
#if LV_THEME_DEFAULT_GROW
    ADD(obj, grow, LV_PART_KNOB | LV_STATE_PRESSED);
#endif
}

void lv_theme_default_style_arc(lv_obj_t * obj)
{
    ensure_styles(obj);
    ADD(obj, arc_indic, 0);
    ADD(obj, arc_indic, LV_PART_INDICATOR);
    ADD(obj, arc_indic_primary, LV_PART_INDICATOR);
    ADD(obj, knob, LV_PART_KNOB);
}

void lv_theme_default_style_meter(lv_obj_t * obj)
{
    ensure_styles(obj);
    ADD(obj, card, 0);
    ADD(obj, circle, 0);
    ADD(obj, meter_indic, LV_PART_INDICATOR);
}

void lv_theme_default_style_switch(lv_obj_t * obj)
{
    ensure_styles(obj);
    ADD(obj, bg_color_grey, 0);
    ADD(obj, circle, 0);
    ADD(obj, anim_fast, 0);
    ADD(obj, disabled, LV_STATE_DISABLED);
    ADD(obj, outline_primary, LV_STATE_FOCUS_KEY);
    ADD(obj, outline_secondary, LV_STATE_EDITED);
    ADD(obj, bg_color_primary, LV_PART_INDICATOR | LV_STATE_CHECKED);
    ADD(obj, circle, LV_PART_INDICATOR);
    ADD(obj, disabled, LV_PART_INDICATOR | LV_STATE_DISABLED);
    ADD(obj, knob, LV_PART_KNOB);
    ADD(obj, bg_color_white, LV_PART_KNOB);
    ADD(obj, switch_knob, LV_PART_KNOB);
    ADD(obj, disabled, LV_PART_KNOB | LV_STATE_DISABLED);
}

#endif /*LV_USE_THEME_DEFAULT*/
