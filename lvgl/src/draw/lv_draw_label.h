/**
 * @file lv_draw_label.h
 * Text drawing: lines broken and aligned inside an area, recolour commands,
 * selection, underline and strike-through.
 */
#ifndef LV_DRAW_LABEL_H
#define LV_DRAW_LABEL_H

#ifdef __cplusplus
extern "C" {
#endif

#include "../misc/lv_bidi.h"
#include "../misc/lv_txt.h"
#include "../misc/lv_color.h"
#include "../misc/lv_style.h"

/*********************
 *      DEFINES
 *********************/
#define LV_DRAW_LABEL_NO_TXT_SEL (0xFFFF)

/**********************
 *      TYPEDEFS
 **********************/

typedef struct {
    const lv_font_t * font;
    uint32_t sel_start;         /* selected characters, LV_DRAW_LABEL_NO_TXT_SEL: none */
    uint32_t sel_end;
    lv_color_t color;
    lv_color_t sel_color;
    lv_color_t sel_bg_color;
    lv_coord_t line_space;
    lv_coord_t letter_space;
    lv_coord_t ofs_x;           /* scroll offset of the text inside the area */
    lv_coord_t ofs_y;
    lv_opa_t opa;
    lv_base_dir_t bidi_dir;
    lv_text_align_t align;
    lv_text_flag_t flag;
    lv_text_decor_t decor : 3;
    lv_blend_mode_t blend_mode: 3;
} lv_draw_label_dsc_t;

/* Remembers where drawing of a long text may start: the first line that was
 * visible last time, so the lines above need not be measured again. */
typedef struct {
    int32_t line_start; /* byte index of the line, -1: no hint yet */
    int32_t y;          /* its y relative to the text's top */
    int32_t coord_y;    /* the text's top when the hint was saved */
} lv_draw_label_hint_t;

struct _lv_draw_ctx_t;

/**********************
 * GLOBAL PROTOTYPES
 **********************/

/** Initialise: black text, opaque, LV_FONT_DEFAULT, no selection, left aligned. */
LV_ATTRIBUTE_FAST_MEM void lv_draw_label_dsc_init(lv_draw_label_dsc_t * dsc);

/**
 * Write a text.
 * @param coords the text's area: lines wrap at its width and align inside it
 * @param txt zero-terminated UTF-8
 * @param hint optional, speeds up long texts scrolled partly off the clip area
 */
LV_ATTRIBUTE_FAST_MEM void lv_draw_label(struct _lv_draw_ctx_t * draw_ctx, const lv_draw_label_dsc_t * dsc,
                                         const lv_area_t * coords, const char * txt, lv_draw_label_hint_t * hint);

/** Draw one letter at pen position `pos_p` (the top-left corner of its line cell). */
void lv_draw_letter(struct _lv_draw_ctx_t * draw_ctx, const lv_draw_label_dsc_t * dsc, const lv_point_t * pos_p,
                    uint32_t letter);

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_DRAW_LABEL_H*/
