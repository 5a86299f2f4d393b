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
#define MODE_DARK 1
#define RADIUS_DEFAULT (disp_size == DISP_LARGE ? lv_disp_dpx(theme.disp, 12) : lv_disp_dpx(theme.disp, 8))

/*SCREEN*/
#define LIGHT_COLOR_SCR        lv_palette_lighten(LV_PALETTE_GREY, 4)
#define LIGHT_COLOR_CARD       lv_color_white()
#define LIGHT_COLOR_TEXT       lv_palette_darken(LV_PALETTE_GREY, 4)
#define LIGHT_COLOR_GREY       lv_palette_lighten(LV_PALETTE_GREY, 2)
#define DARK_COLOR_SCR         lv_color_hex(0x15171A)
#define DARK_COLOR_CARD        lv_color_hex(0x282b30)
#define DARK_COLOR_TEXT        lv_palette_lighten(LV_PALETTE_GREY, 5)
#define DARK_COLOR_GREY        lv_color_hex(0x2f3237)

#define TRANSITION_TIME         LV_THEME_DEFAULT_TRANSITION_TIME
#define BORDER_WIDTH            lv_disp_dpx(theme.disp, 2)
#define OUTLINE_WIDTH           lv_disp_dpx(theme.disp, 3)

#define PAD_DEF     (disp_size == DISP_LARGE ? lv_disp_dpx(theme.disp, 24) : disp_size == DISP_MEDIUM ? lv_disp_dpx(theme.disp, 20) : lv_disp_dpx(theme.disp, 16))
#define PAD_SMALL   (disp_size == DISP_LARGE ? lv_disp_dpx(theme.disp, 14) : disp_size == DISP_MEDIUM ? lv_disp_dpx(theme.disp, 12) : lv_disp_dpx(theme.disp, 10))
#define PAD_TINY   (disp_size == DISP_LARGE ? lv_disp_dpx(theme.disp, 8) : disp_size == DISP_MEDIUM ? lv_disp_dpx(theme.disp, 6) : lv_disp_dpx(theme.disp, 2))

/**********************
 *      TYPEDEFS
 **********************/
typedef struct {
    lv_style_t scr;
    lv_style_t scrollbar;
    lv_style_t scrollbar_scrolled;
    lv_style_t card;
    lv_style_t btn;

    /*Utility*/
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

    /*Parts*/
    lv_style_t knob;
    lv_style_t indic;

    lv_style_t arc_indic;
    lv_style_t arc_indic_primary;
} my_theme_styles_t;

typedef enum {
    DISP_SMALL = 3,
    DISP_MEDIUM = 2,
    DISP_LARGE = 1,
} disp_size_t;

/**********************
 *  STATIC PROTOTYPES
 **********************/
static void theme_apply(lv_theme_t * th, lv_obj_t * obj);
static void style_init_reset(lv_style_t * style);
static void style_init_base(void);
static void style_init_utility(void);
static void style_init_parts(void);
static void apply_obj(lv_obj_t * obj);
static void apply_btn(lv_obj_t * obj);

/**********************
 *  STATIC VARIABLES
 **********************/
static my_theme_styles_t * styles;
static lv_theme_t theme;
static disp_size_t disp_size;
static lv_color_t color_scr;
static lv_color_t color_text;
static lv_color_t color_card;
static lv_color_t color_grey;
static bool inited = false;

/**********************
 *   STATIC FUNCTIONS
 **********************/

static lv_coord_t lv_disp_dpx(const lv_disp_t * disp, lv_coord_t n)
{
    return _LV_DPX_CALC(lv_disp_get_dpi(disp), n);
}

static lv_color_t dark_color_filter_cb(const lv_color_filter_dsc_t * f, lv_color_t c, lv_opa_t opa)
{
    LV_UNUSED(f);
    return lv_color_darken(c, opa);
}

static lv_color_t grey_filter_cb(const lv_color_filter_dsc_t * f, lv_color_t color, lv_opa_t opa)
{
    LV_UNUSED(f);
    if(theme.flags & MODE_DARK) return lv_color_mix(lv_palette_darken(LV_PALETTE_GREY, 2), color, opa);
    else return lv_color_mix(lv_palette_lighten(LV_PALETTE_GREY, 2), color, opa);
}

static void style_init(void)
{
    color_scr = theme.flags & MODE_DARK ? DARK_COLOR_SCR : LIGHT_COLOR_SCR;
    color_text = theme.flags & MODE_DARK ? DARK_COLOR_TEXT : LIGHT_COLOR_TEXT;
    color_card = theme.flags & MODE_DARK ? DARK_COLOR_CARD : LIGHT_COLOR_CARD;
    color_grey = theme.flags & MODE_DARK ? DARK_COLOR_GREY : LIGHT_COLOR_GREY;

    style_init_base();
    style_init_utility();
    style_init_parts();
}

/** Screen, scrollbar, card (plain object) and button.*/
static void style_init_base(void)
{
    style_init_reset(&styles->scrollbar);
    lv_color_t sb_color = (theme.flags & MODE_DARK) ? lv_palette_darken(LV_PALETTE_GREY, 2) : lv_palette_main(LV_PALETTE_GREY);
    lv_style_set_bg_color(&styles->scrollbar, sb_color);
    lv_style_set_radius(&styles->scrollbar, LV_RADIUS_CIRCLE);
    lv_style_set_pad_all(&styles->scrollbar, lv_disp_dpx(theme.disp, 7));
    lv_style_set_width(&styles->scrollbar,  lv_disp_dpx(theme.disp, 5));
    lv_style_set_bg_opa(&styles->scrollbar,  LV_OPA_40);

    style_init_reset(&styles->scrollbar_scrolled);
    lv_style_set_bg_opa(&styles->scrollbar_scrolled,  LV_OPA_COVER);

    style_init_reset(&styles->scr);
    lv_style_set_bg_opa(&styles->scr, LV_OPA_COVER);
    lv_style_set_bg_color(&styles->scr, color_scr);
    lv_style_set_text_color(&styles->scr, color_text);
    lv_style_set_text_font(&styles->scr, theme.font_normal);
    lv_style_set_pad_row(&styles->scr, PAD_SMALL);
    lv_style_set_pad_column(&styles->scr, PAD_SMALL);

    style_init_reset(&styles->card);
    lv_style_set_radius(&styles->card, RADIUS_DEFAULT);
    lv_style_set_bg_opa(&styles->card, LV_OPA_COVER);
    lv_style_set_bg_color(&styles->card, color_card);
    lv_style_set_border_color(&styles->card, color_grey);
    lv_style_set_border_width(&styles->card, BORDER_WIDTH);
    lv_style_set_border_post(&styles->card, true);
    lv_style_set_text_color(&styles->card, color_text);
    lv_style_set_pad_all(&styles->card, PAD_DEF);
    lv_style_set_pad_row(&styles->card, PAD_SMALL);
    lv_style_set_pad_column(&styles->card, PAD_SMALL);
    lv_style_set_line_color(&styles->card, lv_palette_main(LV_PALETTE_GREY));
    lv_style_set_line_width(&styles->card, lv_disp_dpx(theme.disp, 1));

    style_init_reset(&styles->btn);
    lv_style_set_radius(&styles->btn,
                        (disp_size == DISP_LARGE ? lv_disp_dpx(theme.disp, 16) : disp_size == DISP_MEDIUM ? lv_disp_dpx(theme.disp,
                                                                                                                     12) : lv_disp_dpx(theme.disp, 8)));
    lv_style_set_bg_opa(&styles->btn, LV_OPA_COVER);
    lv_style_set_bg_color(&styles->btn, color_grey);
    if(!(theme.flags & MODE_DARK)) {
        lv_style_set_shadow_color(&styles->btn, lv_palette_main(LV_PALETTE_GREY));
        lv_style_set_shadow_width(&styles->btn, LV_DPX(3));
        lv_style_set_shadow_opa(&styles->btn, LV_OPA_50);
        lv_style_set_shadow_ofs_y(&styles->btn, lv_disp_dpx(theme.disp, LV_DPX(4)));
    }
    lv_style_set_text_color(&styles->btn, color_text);
    lv_style_set_pad_hor(&styles->btn, PAD_DEF);
    lv_style_set_pad_ver(&styles->btn, PAD_SMALL);
    lv_style_set_pad_column(&styles->btn, lv_disp_dpx(theme.disp, 5));
    lv_style_set_pad_row(&styles->btn, lv_disp_dpx(theme.disp, 5));
}

/** State and helper styles shared by many widgets.*/
static void style_init_utility(void)
{
    static lv_color_filter_dsc_t dark_filter;
    lv_color_filter_dsc_init(&dark_filter, dark_color_filter_cb);

    static lv_color_filter_dsc_t grey_filter;
    lv_color_filter_dsc_init(&grey_filter, grey_filter_cb);

    style_init_reset(&styles->pressed);
    lv_style_set_color_filter_dsc(&styles->pressed, &dark_filter);
    lv_style_set_color_filter_opa(&styles->pressed, 35);

    style_init_reset(&styles->disabled);
    lv_style_set_color_filter_dsc(&styles->disabled, &grey_filter);
    lv_style_set_color_filter_opa(&styles->disabled, LV_OPA_50);

    style_init_reset(&styles->clip_corner);
    lv_style_set_clip_corner(&styles->clip_corner, true);
    lv_style_set_border_post(&styles->clip_corner, true);

    style_init_reset(&styles->pad_normal);
    lv_style_set_pad_all(&styles->pad_normal, PAD_DEF);
    lv_style_set_pad_row(&styles->pad_normal, PAD_DEF);
    lv_style_set_pad_column(&styles->pad_normal, PAD_DEF);

    style_init_reset(&styles->pad_small);
    lv_style_set_pad_all(&styles->pad_small, PAD_SMALL);
    lv_style_set_pad_gap(&styles->pad_small, PAD_SMALL);

    style_init_reset(&styles->pad_gap);
    lv_style_set_pad_row(&styles->pad_gap, lv_disp_dpx(theme.disp, 10));
    lv_style_set_pad_column(&styles->pad_gap, lv_disp_dpx(theme.disp, 10));

    style_init_reset(&styles->line_space_large);
    lv_style_set_text_line_space(&styles->line_space_large, lv_disp_dpx(theme.disp, 20));

    style_init_reset(&styles->text_align_center);
    lv_style_set_text_align(&styles->text_align_center, LV_TEXT_ALIGN_CENTER);

    style_init_reset(&styles->pad_zero);
    lv_style_set_pad_all(&styles->pad_zero, 0);
    lv_style_set_pad_row(&styles->pad_zero, 0);
    lv_style_set_pad_column(&styles->pad_zero, 0);

    style_init_reset(&styles->pad_tiny);
    lv_style_set_pad_all(&styles->pad_tiny, PAD_TINY);
    lv_style_set_pad_row(&styles->pad_tiny, PAD_TINY);
    lv_style_set_pad_column(&styles->pad_tiny, PAD_TINY);

    style_init_reset(&styles->bg_color_primary);
    lv_style_set_bg_color(&styles->bg_color_primary, theme.color_primary);
    lv_style_set_text_color(&styles->bg_color_primary, lv_color_white());
    lv_style_set_bg_opa(&styles->bg_color_primary, LV_OPA_COVER);

    style_init_reset(&styles->bg_color_primary_muted);
    lv_style_set_bg_color(&styles->bg_color_primary_muted, theme.color_primary);
    lv_style_set_text_color(&styles->bg_color_primary_muted, theme.color_primary);
    lv_style_set_bg_opa(&styles->bg_color_primary_muted, LV_OPA_20);

    style_init_reset(&styles->bg_color_secondary);
    lv_style_set_bg_color(&styles->bg_color_secondary, theme.color_secondary);
    lv_style_set_text_color(&styles->bg_color_secondary, lv_color_white());
    lv_style_set_bg_opa(&styles->bg_color_secondary, LV_OPA_COVER);

    style_init_reset(&styles->bg_color_secondary_muted);
    lv_style_set_bg_color(&styles->bg_color_secondary_muted, theme.color_secondary);
    lv_style_set_text_color(&styles->bg_color_secondary_muted, theme.color_secondary);
    lv_style_set_bg_opa(&styles->bg_color_secondary_muted, LV_OPA_20);

    style_init_reset(&styles->bg_color_grey);
    lv_style_set_bg_color(&styles->bg_color_grey, color_grey);
    lv_style_set_bg_opa(&styles->bg_color_grey, LV_OPA_COVER);
    lv_style_set_text_color(&styles->bg_color_grey, color_text);

    style_init_reset(&styles->bg_color_white);
    lv_style_set_bg_color(&styles->bg_color_white, color_card);
    lv_style_set_bg_opa(&styles->bg_color_white, LV_OPA_COVER);
    lv_style_set_text_color(&styles->bg_color_white, color_text);

    style_init_reset(&styles->circle);
    lv_style_set_radius(&styles->circle, LV_RADIUS_CIRCLE);

    style_init_reset(&styles->no_radius);
    lv_style_set_radius(&styles->no_radius, 0);

    style_init_reset(&styles->outline_primary);
    lv_style_set_outline_color(&styles->outline_primary, theme.color_primary);
    lv_style_set_outline_width(&styles->outline_primary, OUTLINE_WIDTH);
    lv_style_set_outline_pad(&styles->outline_primary, OUTLINE_WIDTH);
    lv_style_set_outline_opa(&styles->outline_primary, LV_OPA_50);

    style_init_reset(&styles->outline_secondary);
    lv_style_set_outline_color(&styles->outline_secondary, theme.color_secondary);
    lv_style_set_outline_width(&styles->outline_secondary, OUTLINE_WIDTH);
    lv_style_set_outline_opa(&styles->outline_secondary, LV_OPA_50);

#if LV_THEME_DEFAULT_GROW
    style_init_reset(&styles->grow);
    lv_style_set_transform_width(&styles->grow, lv_disp_dpx(theme.disp, 3));
    lv_style_set_transform_height(&styles->grow, lv_disp_dpx(theme.disp, 3));
#endif

    /*Transitions are not animated here (see lv_obj_style.c); the styles stay
     *so that widget code adding them keeps working*/
    style_init_reset(&styles->transition_delayed);
    style_init_reset(&styles->transition_normal);

    style_init_reset(&styles->anim);
    lv_style_set_anim_time(&styles->anim, 200);

    style_init_reset(&styles->anim_fast);
    lv_style_set_anim_time(&styles->anim_fast, 120);
}

/** Knob, indicator and arc parts for the value widgets.*/
static void style_init_parts(void)
{
    style_init_reset(&styles->knob);
    lv_style_set_bg_color(&styles->knob, theme.color_primary);
    lv_style_set_bg_opa(&styles->knob, LV_OPA_COVER);
    lv_style_set_pad_all(&styles->knob, lv_disp_dpx(theme.disp, 6));
    lv_style_set_radius(&styles->knob, LV_RADIUS_CIRCLE);

    style_init_reset(&styles->indic);
    lv_style_set_radius(&styles->indic, lv_disp_dpx(theme.disp, 4));

    style_init_reset(&styles->arc_indic);
    lv_style_set_arc_color(&styles->arc_indic, color_grey);
    lv_style_set_arc_width(&styles->arc_indic, lv_disp_dpx(theme.disp, 15));
    lv_style_set_arc_rounded(&styles->arc_indic, true);

    style_init_reset(&styles->arc_indic_primary);
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
    /*This trick is required only to avoid the garbage collection of
     *styles' data if LVGL is used in a binding (e.g. Micropython)
     *In a general case styles could be in simple `static lv_style_t my_style...` variables*/
    if(!inited) {
        styles = (my_theme_styles_t *)lv_mem_alloc(sizeof(my_theme_styles_t));
        LV_ASSERT_MALLOC(styles);
        if(styles == NULL) return NULL;
        lv_memset_00(styles, sizeof(my_theme_styles_t));
    }

    if(disp == NULL || lv_disp_get_hor_res(disp) <= 320) disp_size = DISP_SMALL;
    else if(lv_disp_get_hor_res(disp) < 720) disp_size = DISP_MEDIUM;
    else disp_size = DISP_LARGE;

    theme.disp = disp;
    theme.color_primary = color_primary;
    theme.color_secondary = color_secondary;
    theme.font_small = font;
    theme.font_normal = font;
    theme.font_large = font;
    theme.apply_cb = theme_apply;
    theme.flags = dark ? MODE_DARK : 0;

    style_init();

    if(disp == NULL || lv_disp_get_theme(disp) == &theme) {
        lv_obj_report_style_change(NULL);
    }

    inited = true;

    return (lv_theme_t *)&theme;
}

lv_theme_t * lv_theme_default_get(void)
{
    if(!inited) {
        return NULL;
    }

    return (lv_theme_t *)&theme;
}

bool lv_theme_default_is_inited(void)
{
    return inited;
}

/**
 * Forget the theme's styles. The memory pool that held them is reset by
 * lv_deinit; this only drops the pointers so a later lv_init starts anew.
 */
void _lv_theme_default_deinit(void)
{
    styles = NULL;
    inited = false;
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

static void apply_obj(lv_obj_t * obj)
{
    lv_obj_add_style(obj, &styles->card, 0);
    lv_obj_add_style(obj, &styles->scrollbar, LV_PART_SCROLLBAR);
    lv_obj_add_style(obj, &styles->scrollbar_scrolled, LV_PART_SCROLLBAR | LV_STATE_SCROLLED);
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
        lv_obj_add_style(obj, &styles->scrollbar, LV_PART_SCROLLBAR);
        lv_obj_add_style(obj, &styles->scrollbar_scrolled, LV_PART_SCROLLBAR | LV_STATE_SCROLLED);
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

static void style_init_reset(lv_style_t * style)
{
    if(inited) {
        lv_style_reset(style);
    }
    else {
        lv_style_init(style);
    }
}

#endif
