/**
 * @file lv_theme_default.c
 * The default theme: the light and dark look of upstream 8.3.
 *
 * Sizes scale with the display's DPI and its size class (small up to 320 px,
 * medium up to 720 px, large beyond). Styles are shared; `theme_apply` adds
 * them per widget class, one small function per class so the widgets of
 * later work slot in beside these.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_theme_default.h"
#if LV_USE_THEME_DEFAULT

#include "../../../core/lv_disp.h"
#include "../../../misc/lv_mem.h"
#include "../../../widgets/lv_btn.h"
#include "../../../widgets/lv_label.h"
#include "../../../widgets/lv_img.h"
#include "../../../widgets/lv_widgets_extra.h"
#include "lv_theme_default_widgets1.h"
#include "lv_theme_default_widgets2.h"

/*********************
 *      DEFINES
 *********************/
#define THEME_FLAG_DARK 1 /*bit in lv_theme_t.flags; the widget files test the same bit*/

/**********************
 *      TYPEDEFS
 **********************/

/* Every style the theme hands out, allocated once from the memory pool. */
typedef struct {
    lv_style_t scr;
    lv_style_t scrollbar;
    lv_style_t scrollbar_scrolled;
    lv_style_t card;
    lv_style_t btn;

    lv_style_t bg_color_primary;
    lv_style_t bg_color_primary_muted;
    lv_style_t bg_color_secondary;
    lv_style_t bg_color_secondary_muted;
    lv_style_t bg_color_grey;
    lv_style_t bg_color_white;
    lv_style_t pressed;
    lv_style_t disabled;
    lv_style_t pad_zero;
    lv_style_t pad_tiny;
    lv_style_t pad_small;
    lv_style_t pad_normal;
    lv_style_t pad_gap;
    lv_style_t line_space_large;
    lv_style_t text_align_center;
    lv_style_t outline_primary;
    lv_style_t outline_secondary;
    lv_style_t circle;
    lv_style_t no_radius;
    lv_style_t clip_corner;
#if LV_THEME_DEFAULT_GROW
    lv_style_t grow;
#endif
    lv_style_t transition_delayed;
    lv_style_t transition_normal;
    lv_style_t anim;
    lv_style_t anim_fast;

    lv_style_t knob;
    lv_style_t indic;

    lv_style_t arc_indic;
    lv_style_t arc_indic_primary;
} theme_styles_t;

/* Width class of the display; picks one of three sizes for paddings and radii. */
typedef enum {
    SIZE_CLASS_SMALL,  /*up to 320 px wide (or no display yet)*/
    SIZE_CLASS_MEDIUM, /*up to 720 px*/
    SIZE_CLASS_LARGE,
} size_class_t;

/* The four base colours of the light or the dark look. */
typedef struct {
    lv_color_t screen;
    lv_color_t card;
    lv_color_t text;
    lv_color_t grey;
} theme_palette_t;

/* Sizes in pixels for the current display, worked out once per build. */
typedef struct {
    lv_coord_t pad_normal;
    lv_coord_t pad_small;
    lv_coord_t pad_tiny;
    lv_coord_t card_radius;
    lv_coord_t btn_radius;
    lv_coord_t border_width;
    lv_coord_t outline_width;
} theme_metrics_t;

/**********************
 *  STATIC PROTOTYPES
 **********************/
static void theme_apply(lv_theme_t * th, lv_obj_t * obj);
static void style_start(lv_style_t * style);
static void build_frame_styles(const theme_palette_t * pal, const theme_metrics_t * m);
static void build_helper_styles(const theme_palette_t * pal, const theme_metrics_t * m);
static void build_part_styles(const theme_palette_t * pal);
static void apply_obj(lv_obj_t * obj);
static void apply_btn(lv_obj_t * obj);

/**********************
 *  STATIC VARIABLES
 **********************/
static theme_styles_t * styles;
static lv_theme_t theme;
static size_class_t size_class;
static bool styles_ready = false;

/**********************
 *   STATIC FUNCTIONS
 **********************/

static bool dark_look(void)
{
    return (theme.flags & THEME_FLAG_DARK) != 0;
}

/* `n` pixels at 160 DPI, scaled to the theme's display. */
static lv_coord_t scaled(lv_coord_t n)
{
    return _LV_DPX_CALC(lv_disp_get_dpi(theme.disp), n);
}

static lv_coord_t scaled_by_class(lv_coord_t large, lv_coord_t medium, lv_coord_t small)
{
    switch(size_class) {
        case SIZE_CLASS_LARGE:
            return scaled(large);
        case SIZE_CLASS_MEDIUM:
            return scaled(medium);
        default:
            return scaled(small);
    }
}

static size_class_t size_class_of(lv_disp_t * disp)
{
    if(disp == NULL) return SIZE_CLASS_SMALL;
    lv_coord_t width = lv_disp_get_hor_res(disp);
    if(width <= 320) return SIZE_CLASS_SMALL;
    if(width < 720) return SIZE_CLASS_MEDIUM;
    return SIZE_CLASS_LARGE;
}

static theme_palette_t palette_for_look(bool dark)
{
    theme_palette_t pal;
    if(dark) {
        pal.screen = lv_color_hex(0x15171A);
        pal.card = lv_color_hex(0x282b30);
        pal.text = lv_palette_lighten(LV_PALETTE_GREY, 5);
        pal.grey = lv_color_hex(0x2f3237);
    }
    else {
        pal.screen = lv_palette_lighten(LV_PALETTE_GREY, 4);
        pal.card = lv_color_white();
        pal.text = lv_palette_darken(LV_PALETTE_GREY, 4);
        pal.grey = lv_palette_lighten(LV_PALETTE_GREY, 2);
    }
    return pal;
}

static theme_metrics_t metrics_for_display(void)
{
    theme_metrics_t m;
    m.pad_normal = scaled_by_class(24, 20, 16);
    m.pad_small = scaled_by_class(14, 12, 10);
    m.pad_tiny = scaled_by_class(8, 6, 2);
    m.card_radius = scaled_by_class(12, 8, 8);
    m.btn_radius = scaled_by_class(16, 12, 8);
    m.border_width = scaled(2);
    m.outline_width = scaled(3);
    return m;
}

/* Pressed widgets: darken by the filter opacity. */
static lv_color_t pressed_darken_filter(const lv_color_filter_dsc_t * f, lv_color_t c, lv_opa_t opa)
{
    LV_UNUSED(f);
    return lv_color_darken(c, opa);
}

/* Disabled widgets: wash out towards a grey that suits the look. */
static lv_color_t disabled_grey_filter(const lv_color_filter_dsc_t * f, lv_color_t color, lv_opa_t opa)
{
    LV_UNUSED(f);
    lv_color_t grey = dark_look() ? lv_palette_darken(LV_PALETTE_GREY, 2) : lv_palette_lighten(LV_PALETTE_GREY, 2);
    return lv_color_mix(grey, color, opa);
}

static void build_styles(void)
{
    theme_palette_t pal = palette_for_look(dark_look());
    theme_metrics_t m = metrics_for_display();

    build_frame_styles(&pal, &m);
    build_helper_styles(&pal, &m);
    build_part_styles(&pal);
}

static void build_scrollbar_styles(void)
{
    style_start(&styles->scrollbar);
    lv_color_t bar = dark_look() ? lv_palette_darken(LV_PALETTE_GREY, 2) : lv_palette_main(LV_PALETTE_GREY);
    lv_style_set_bg_color(&styles->scrollbar, bar);
    lv_style_set_radius(&styles->scrollbar, LV_RADIUS_CIRCLE);
    lv_style_set_pad_all(&styles->scrollbar, scaled(7));
    lv_style_set_width(&styles->scrollbar, scaled(5));
    lv_style_set_bg_opa(&styles->scrollbar, LV_OPA_40);

    /*Solid while the user is scrolling*/
    style_start(&styles->scrollbar_scrolled);
    lv_style_set_bg_opa(&styles->scrollbar_scrolled, LV_OPA_COVER);
}

/* The screen, the plain object's card and the button. */
static void build_frame_styles(const theme_palette_t * pal, const theme_metrics_t * m)
{
    build_scrollbar_styles();

    lv_style_t * s = &styles->scr;
    style_start(s);
    lv_style_set_bg_opa(s, LV_OPA_COVER);
    lv_style_set_bg_color(s, pal->screen);
    lv_style_set_text_color(s, pal->text);
    lv_style_set_text_font(s, theme.font_normal);
    lv_style_set_pad_row(s, m->pad_small);
    lv_style_set_pad_column(s, m->pad_small);

    s = &styles->card;
    style_start(s);
    lv_style_set_radius(s, m->card_radius);
    lv_style_set_bg_opa(s, LV_OPA_COVER);
    lv_style_set_bg_color(s, pal->card);
    lv_style_set_border_color(s, pal->grey);
    lv_style_set_border_width(s, m->border_width);
    lv_style_set_border_post(s, true);
    lv_style_set_text_color(s, pal->text);
    lv_style_set_pad_all(s, m->pad_normal);
    lv_style_set_pad_row(s, m->pad_small);
    lv_style_set_pad_column(s, m->pad_small);
    lv_style_set_line_color(s, lv_palette_main(LV_PALETTE_GREY));
    lv_style_set_line_width(s, scaled(1));

    s = &styles->btn;
    style_start(s);
    lv_style_set_radius(s, m->btn_radius);
    lv_style_set_bg_opa(s, LV_OPA_COVER);
    lv_style_set_bg_color(s, pal->grey);
    if(!dark_look()) {
        /*Only the light look lifts buttons off the card with a shadow. The
         *offset scales twice (LV_DPX, then the theme's display) to match the
         *reference renders.*/
        lv_style_set_shadow_color(s, lv_palette_main(LV_PALETTE_GREY));
        lv_style_set_shadow_width(s, LV_DPX(3));
        lv_style_set_shadow_opa(s, LV_OPA_50);
        lv_style_set_shadow_ofs_y(s, scaled(LV_DPX(4)));
    }
    lv_style_set_text_color(s, pal->text);
    lv_style_set_pad_hor(s, m->pad_normal);
    lv_style_set_pad_ver(s, m->pad_small);
    lv_style_set_pad_column(s, scaled(5));
    lv_style_set_pad_row(s, scaled(5));
}

static void build_state_styles(void)
{
    /*Filter descriptors are referenced by pointer from the styles, so they
     *must outlive this call*/
    static lv_color_filter_dsc_t darken_dsc;
    lv_color_filter_dsc_init(&darken_dsc, pressed_darken_filter);

    static lv_color_filter_dsc_t grey_dsc;
    lv_color_filter_dsc_init(&grey_dsc, disabled_grey_filter);

    style_start(&styles->pressed);
    lv_style_set_color_filter_dsc(&styles->pressed, &darken_dsc);
    lv_style_set_color_filter_opa(&styles->pressed, 35);

    style_start(&styles->disabled);
    lv_style_set_color_filter_dsc(&styles->disabled, &grey_dsc);
    lv_style_set_color_filter_opa(&styles->disabled, LV_OPA_50);
}

static void set_pad_all_and_gaps(lv_style_t * s, lv_coord_t pad)
{
    lv_style_set_pad_all(s, pad);
    lv_style_set_pad_row(s, pad);
    lv_style_set_pad_column(s, pad);
}

static void build_padding_styles(const theme_metrics_t * m)
{
    style_start(&styles->pad_normal);
    set_pad_all_and_gaps(&styles->pad_normal, m->pad_normal);

    style_start(&styles->pad_small);
    lv_style_set_pad_all(&styles->pad_small, m->pad_small);
    lv_style_set_pad_gap(&styles->pad_small, m->pad_small);

    style_start(&styles->pad_gap);
    lv_style_set_pad_row(&styles->pad_gap, scaled(10));
    lv_style_set_pad_column(&styles->pad_gap, scaled(10));

    style_start(&styles->pad_zero);
    set_pad_all_and_gaps(&styles->pad_zero, 0);

    style_start(&styles->pad_tiny);
    set_pad_all_and_gaps(&styles->pad_tiny, m->pad_tiny);
}

/* A background in `bg` at `bg_opa` with text in `text`. */
static void build_fill_style(lv_style_t * s, lv_color_t bg, lv_opa_t bg_opa, lv_color_t text)
{
    style_start(s);
    lv_style_set_bg_color(s, bg);
    lv_style_set_text_color(s, text);
    lv_style_set_bg_opa(s, bg_opa);
}

static void build_fill_styles(const theme_palette_t * pal)
{
    build_fill_style(&styles->bg_color_primary, theme.color_primary, LV_OPA_COVER, lv_color_white());
    build_fill_style(&styles->bg_color_primary_muted, theme.color_primary, LV_OPA_20, theme.color_primary);
    build_fill_style(&styles->bg_color_secondary, theme.color_secondary, LV_OPA_COVER, lv_color_white());
    build_fill_style(&styles->bg_color_secondary_muted, theme.color_secondary, LV_OPA_20, theme.color_secondary);
    build_fill_style(&styles->bg_color_grey, pal->grey, LV_OPA_COVER, pal->text);
    build_fill_style(&styles->bg_color_white, pal->card, LV_OPA_COVER, pal->text);
}

static void build_outline_styles(const theme_metrics_t * m)
{
    /*Keyboard focus draws the ring off the edge; editing draws it on the edge*/
    style_start(&styles->outline_primary);
    lv_style_set_outline_color(&styles->outline_primary, theme.color_primary);
    lv_style_set_outline_width(&styles->outline_primary, m->outline_width);
    lv_style_set_outline_pad(&styles->outline_primary, m->outline_width);
    lv_style_set_outline_opa(&styles->outline_primary, LV_OPA_50);

    style_start(&styles->outline_secondary);
    lv_style_set_outline_color(&styles->outline_secondary, theme.color_secondary);
    lv_style_set_outline_width(&styles->outline_secondary, m->outline_width);
    lv_style_set_outline_opa(&styles->outline_secondary, LV_OPA_50);
}

/* Small styles that widgets combine: states, paddings, fills, outlines. */
static void build_helper_styles(const theme_palette_t * pal, const theme_metrics_t * m)
{
    build_state_styles();

    style_start(&styles->clip_corner);
    lv_style_set_clip_corner(&styles->clip_corner, true);
    lv_style_set_border_post(&styles->clip_corner, true);

    build_padding_styles(m);

    style_start(&styles->line_space_large);
    lv_style_set_text_line_space(&styles->line_space_large, scaled(20));

    style_start(&styles->text_align_center);
    lv_style_set_text_align(&styles->text_align_center, LV_TEXT_ALIGN_CENTER);

    build_fill_styles(pal);

    style_start(&styles->circle);
    lv_style_set_radius(&styles->circle, LV_RADIUS_CIRCLE);

    style_start(&styles->no_radius);
    lv_style_set_radius(&styles->no_radius, 0);

    build_outline_styles(m);

#if LV_THEME_DEFAULT_GROW
    style_start(&styles->grow);
    lv_style_set_transform_width(&styles->grow, scaled(3));
    lv_style_set_transform_height(&styles->grow, scaled(3));
#endif

    /*Transitions are not animated here (see lv_obj_style.c); the styles stay
     *so that widget code adding them keeps working*/
    style_start(&styles->transition_delayed);
    style_start(&styles->transition_normal);

    style_start(&styles->anim);
    lv_style_set_anim_time(&styles->anim, 200);

    style_start(&styles->anim_fast);
    lv_style_set_anim_time(&styles->anim_fast, 120);
}

/* Knob, indicator and arc parts for the value widgets. */
static void build_part_styles(const theme_palette_t * pal)
{
    style_start(&styles->knob);
    lv_style_set_bg_color(&styles->knob, theme.color_primary);
    lv_style_set_bg_opa(&styles->knob, LV_OPA_COVER);
    lv_style_set_pad_all(&styles->knob, scaled(6));
    lv_style_set_radius(&styles->knob, LV_RADIUS_CIRCLE);

    style_start(&styles->indic);
    lv_style_set_radius(&styles->indic, scaled(4));

    style_start(&styles->arc_indic);
    lv_style_set_arc_color(&styles->arc_indic, pal->grey);
    lv_style_set_arc_width(&styles->arc_indic, scaled(15));
    lv_style_set_arc_rounded(&styles->arc_indic, true);

    style_start(&styles->arc_indic_primary);
    lv_style_set_arc_color(&styles->arc_indic_primary, theme.color_primary);
}

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

/**
 * Build (or rebuild, e.g. with another primary colour) the theme for `disp`
 * and refresh every object that already uses its styles.
 */
lv_theme_t * lv_theme_default_init(lv_disp_t * disp, lv_color_t color_primary, lv_color_t color_secondary, bool dark,
                                   const lv_font_t * font)
{
    /*One block from the pool for all styles: a rebuild resets them in place,
     *so objects holding pointers to them stay valid*/
    if(!styles_ready) {
        styles = (theme_styles_t *)lv_mem_alloc(sizeof(theme_styles_t));
        LV_ASSERT_MALLOC(styles);
        if(styles == NULL) return NULL;
        lv_memset_00(styles, sizeof(theme_styles_t));
    }

    size_class = size_class_of(disp);

    theme.disp = disp;
    theme.color_primary = color_primary;
    theme.color_secondary = color_secondary;
    theme.font_small = font;
    theme.font_normal = font;
    theme.font_large = font;
    theme.apply_cb = theme_apply;
    theme.flags = dark ? THEME_FLAG_DARK : 0;

    build_styles();

    if(disp == NULL || lv_disp_get_theme(disp) == &theme) {
        lv_obj_report_style_change(NULL);
    }

    styles_ready = true;

    return (lv_theme_t *)&theme;
}

lv_theme_t * lv_theme_default_get(void)
{
    return styles_ready ? &theme : NULL;
}

bool lv_theme_default_is_inited(void)
{
    return styles_ready;
}

/**
 * Forget the theme's styles. The memory pool that held them is reset by
 * lv_deinit; this only drops the pointers so a later lv_init starts anew.
 */
void _lv_theme_default_deinit(void)
{
    styles = NULL;
    styles_ready = false;
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

static void add_scrollbar_styles(lv_obj_t * obj)
{
    lv_obj_add_style(obj, &styles->scrollbar, LV_PART_SCROLLBAR);
    lv_obj_add_style(obj, &styles->scrollbar_scrolled, LV_PART_SCROLLBAR | LV_STATE_SCROLLED);
}

static void apply_obj(lv_obj_t * obj)
{
    lv_obj_add_style(obj, &styles->card, 0);
    add_scrollbar_styles(obj);
}

static void apply_btn(lv_obj_t * obj)
{
    lv_obj_add_style(obj, &styles->btn, 0);
    lv_obj_add_style(obj, &styles->bg_color_primary, 0);
    lv_obj_add_style(obj, &styles->transition_delayed, 0);
    lv_obj_add_style(obj, &styles->pressed, LV_STATE_PRESSED);
    lv_obj_add_style(obj, &styles->transition_normal, LV_STATE_PRESSED);
    lv_obj_add_style(obj, &styles->outline_primary, LV_STATE_FOCUS_KEY);
    lv_obj_add_style(obj, &styles->outline_secondary, LV_STATE_EDITED);
#if LV_THEME_DEFAULT_GROW
    lv_obj_add_style(obj, &styles->grow, LV_STATE_PRESSED);
#endif
    lv_obj_add_style(obj, &styles->bg_color_secondary, LV_STATE_CHECKED);
    lv_obj_add_style(obj, &styles->disabled, LV_STATE_DISABLED);
}

static void theme_apply(lv_theme_t * th, lv_obj_t * obj)
{
    LV_UNUSED(th);

    if(lv_obj_get_parent(obj) == NULL) {
        lv_obj_add_style(obj, &styles->scr, 0);
        add_scrollbar_styles(obj);
        return;
    }

    /*Before the plain-object case: a tab view's content and pages are plain
     *objects that must not look like cards*/
    if(lv_theme_default_widgets2_apply(obj)) return;

    if(lv_obj_check_type(obj, &lv_obj_class)) {
        apply_obj(obj);
    }
    /*Exact types: the slider is a bar underneath but is styled on its own*/
    else if(lv_obj_check_type(obj, &lv_slider_class)) {
        lv_theme_default_style_slider(obj);
    }
    else if(lv_obj_check_type(obj, &lv_bar_class)) {
        lv_theme_default_style_bar(obj);
    }
    else if(lv_obj_check_type(obj, &lv_arc_class)) {
        lv_theme_default_style_arc(obj);
    }
    else if(lv_obj_check_type(obj, &lv_meter_class)) {
        lv_theme_default_style_meter(obj);
    }
    else if(lv_obj_check_type(obj, &lv_switch_class)) {
        lv_theme_default_style_switch(obj);
    }
#if LV_USE_BTN
    else if(lv_obj_check_type(obj, &lv_btn_class)) {
        apply_btn(obj);
    }
#endif
    /*Labels and images take the look of their parent (inherited text
     *properties) and get no style of their own, as upstream*/
}

/* First build: initialise. Rebuild: empty the style but keep its address. */
static void style_start(lv_style_t * style)
{
    if(styles_ready) {
        lv_style_reset(style);
    }
    else {
        lv_style_init(style);
    }
}

#endif
