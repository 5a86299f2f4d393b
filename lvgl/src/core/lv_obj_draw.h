/**
 * @file lv_obj_draw.h
 * Turning an object's resolved styles into draw descriptors, and the
 * descriptor handed to draw-part events.
 */

#ifndef LV_OBJ_DRAW_H
#define LV_OBJ_DRAW_H

#ifdef __cplusplus
extern "C" {
#endif

/*********************
 *      INCLUDES
 *********************/
#include "../draw/lv_draw.h"

/**********************
 *      TYPEDEFS
 **********************/

struct _lv_obj_t;
struct _lv_obj_class_t;

/** Answers to LV_EVENT_COVER_CHECK, from most to least helpful to the renderer.*/
typedef enum {
    LV_COVER_RES_COVER      = 0,    /**< every pixel of the area is painted opaquely*/
    LV_COVER_RES_NOT_COVER  = 1,    /**< something behind may show through*/
    LV_COVER_RES_MASKED     = 2,    /**< drawn through a mask (e.g. clipped corners)*/
} lv_cover_res_t;

/**
 * Parameter of LV_EVENT_DRAW_PART_BEGIN/END: which part of which widget is
 * drawn, and the descriptors a handler may change before it is drawn. Only
 * the members that fit the part are set; the rest are zero.
 */
typedef struct {
    lv_draw_ctx_t * draw_ctx;
    const struct _lv_obj_class_t * class_p; /**< the class that draws the part*/
    uint32_t type;                      /**< which part, from that class's `lv_<widget>_draw_part_type_t`*/
    lv_area_t * draw_area;              /**< where the part goes*/
    lv_draw_rect_dsc_t * rect_dsc;      /**< for rectangles (backgrounds, bars, knobs...)*/
    lv_draw_label_dsc_t * label_dsc;    /**< for texts*/
    lv_draw_line_dsc_t * line_dsc;      /**< for lines (ticks, needles...)*/
    lv_draw_img_dsc_t * img_dsc;        /**< for images*/
    lv_draw_arc_dsc_t * arc_dsc;        /**< for arcs*/
    const lv_point_t * p1;              /**< a point the widget worked out, e.g. an arc's centre*/
    const lv_point_t * p2;              /**< a second one, e.g. the other end of a line*/
    char * text;                        /**< a text the widget made up (e.g. a tick label); may be rewritten*/
    uint32_t text_length;               /**< room in `text`, terminating zero included*/
    uint32_t part;                      /**< the LV_PART_... being drawn*/
    uint32_t id;                        /**< index within the part, e.g. of a button or a tick*/
    lv_coord_t radius;                  /**< a radius the widget worked out, e.g. an arc's (not a corner radius)*/
    int32_t value;                      /**< a value belonging to the part, e.g. a tick's*/
    const void * sub_part_ptr;          /**< what the part belongs to, e.g. a chart series*/
} lv_obj_draw_part_dsc_t;

/**********************
 * GLOBAL PROTOTYPES
 **********************/

/**
 * Fill a rectangle descriptor from a part's styles in the object's current state.
 * @param part      e.g. LV_PART_MAIN, LV_PART_SCROLLBAR, LV_PART_KNOB
 * @param draw_dsc  initialised with lv_draw_rect_dsc_init; preset an `..._opa`
 *                  to LV_OPA_TRANSP to leave that group out. Groups that turn
 *                  out invisible (no width, no opacity) are not read further.
 */
void lv_obj_init_draw_rect_dsc(struct _lv_obj_t * obj, uint32_t part, lv_draw_rect_dsc_t * draw_dsc);

/**
 * Fill a text descriptor from a part's styles; stops early when the text is
 * invisible. `draw_dsc` should come from lv_draw_label_dsc_init.
 */
void lv_obj_init_draw_label_dsc(struct _lv_obj_t * obj, uint32_t part, lv_draw_label_dsc_t * draw_dsc);

/** Fill an image descriptor from a part's styles (opacity, recolour, blend mode).*/
void lv_obj_init_draw_img_dsc(struct _lv_obj_t * obj, uint32_t part, lv_draw_img_dsc_t * draw_dsc);

/** Fill a line descriptor from a part's styles.*/
void lv_obj_init_draw_line_dsc(struct _lv_obj_t * obj, uint32_t part, lv_draw_line_dsc_t * draw_dsc);

/** Fill an arc descriptor from a part's styles.*/
void lv_obj_init_draw_arc_dsc(struct _lv_obj_t * obj, uint32_t part, lv_draw_arc_dsc_t * draw_dsc);

/** @return how far a part's shadow, outline and transform reach past the object's edges*/
lv_coord_t lv_obj_calculate_ext_draw_size(struct _lv_obj_t * obj, uint32_t part);

/**
 * Clear a part descriptor before sending it with LV_EVENT_DRAW_PART_BEGIN/END.
 * @param draw_ctx  the draw context of the drawing event
 */
void lv_obj_draw_dsc_init(lv_obj_draw_part_dsc_t * dsc, lv_draw_ctx_t * draw_ctx);

/**
 * For handlers of the draw-part events.
 * @return          true if `dsc` describes part `type` of class `class_p`
 */
bool lv_obj_draw_part_check_type(lv_obj_draw_part_dsc_t * dsc, const struct _lv_obj_class_t * class_p, uint32_t type);

/** Ask the object (LV_EVENT_REFR_EXT_DRAW_SIZE) how far its drawing reaches past its edges, and store it.*/
void lv_obj_refresh_ext_draw_size(struct _lv_obj_t * obj);

/** @return the stored reach of the object's drawing past its edges*/
lv_coord_t _lv_obj_get_ext_draw_size(const struct _lv_obj_t * obj);

/**
 * Fill the draw descriptor of the scrollbar part.
 * @return          LV_RES_INV when the scrollbar is fully transparent
 */
lv_res_t _lv_obj_get_scrollbar_draw_dsc(struct _lv_obj_t * obj, lv_draw_rect_dsc_t * dsc);

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_OBJ_DRAW_H*/
