/**
 * @file lv_img.h
 * Image: shows a picture or a symbol, zoomed and turned around a pivot;
 * recoloured and faded through the img_recolor and img_opa styles.
 */

#ifndef LV_IMG_H
#define LV_IMG_H

#ifdef __cplusplus
extern "C" {
#endif

/*********************
 *      INCLUDES
 *********************/
#include "../lv_conf_internal.h"

#if LV_USE_IMG != 0

#include "../core/lv_obj.h"
#include "../draw/lv_draw.h"

/*********************
 *      DEFINES
 *********************/
#ifndef LV_IMG_ZOOM_NONE
#define LV_IMG_ZOOM_NONE   256        /*the zoom factor of the picture's own size*/
#endif

/**********************
 *      TYPEDEFS
 **********************/

typedef struct {
    lv_obj_t obj;
    const void * src;       /*an lv_img_dsc_t or a symbol string; NULL: nothing*/
    lv_point_t offset;      /*where the picture (or its mosaic) starts in the content area*/
    lv_coord_t w;           /*size of the source*/
    lv_coord_t h;
    uint16_t angle;         /*0.1 degree steps, 0..3599, clockwise*/
    lv_point_t pivot;       /*centre of rotation and zoom, relative to the picture*/
    uint16_t zoom;          /*256: the picture's own size; 128 half, 512 double*/
    uint8_t src_type : 2;   /*lv_img_src_t*/
    uint8_t cf : 5;         /*lv_img_cf_t of a picture*/
    uint8_t antialias : 1;  /*smooth edges when transformed*/
    uint8_t obj_size_mode: 2;
} lv_img_t;

extern const lv_obj_class_t lv_img_class;

/** How zoom bears on the widget's size*/
enum {
    /** The widget keeps the picture's own size; a zoomed picture is drawn
     *  beyond it (or inside it), and layouts do not move*/
    LV_IMG_SIZE_MODE_VIRTUAL = 0,
    /** A content-sized widget takes the zoomed picture's size; with a size
     *  set, a picture zoomed beyond it is cut off*/
    LV_IMG_SIZE_MODE_REAL,
};
typedef uint8_t lv_img_size_mode_t;

/**********************
 * GLOBAL PROTOTYPES
 **********************/

/**
 * @param parent    the parent object
 * @return          a new, empty image that lets clicks through
 */
lv_obj_t * lv_img_create(lv_obj_t * parent);

/**
 * @param src       an lv_img_dsc_t (e.g. &my_picture), or a symbol such as LV_SYMBOL_OK
 *                  drawn with the text font; NULL shows nothing. The source is kept by pointer.
 */
void lv_img_set_src(lv_obj_t * obj, const void * src);

/**
 * Shift the picture inside the widget. A picture smaller than the widget
 * repeats, so animating the offset makes it run.
 */
void lv_img_set_offset_x(lv_obj_t * obj, lv_coord_t x);
void lv_img_set_offset_y(lv_obj_t * obj, lv_coord_t y);

/**
 * Turn the picture around the pivot.
 * @param angle     in 0.1 degree steps, clockwise; taken modulo 3600
 */
void lv_img_set_angle(lv_obj_t * obj, int16_t angle);

/**
 * Set the point (relative to the picture's top left) that rotation and zoom
 * keep in place. A new source puts it back to the centre.
 */
void lv_img_set_pivot(lv_obj_t * obj, lv_coord_t x, lv_coord_t y);

/**
 * @param zoom      LV_IMG_ZOOM_NONE (256) for the picture's own size, 512 for double,
 *                  128 for half; 0 is taken as 1
 */
void lv_img_set_zoom(lv_obj_t * obj, uint16_t zoom);

/**
 * Smooth the edges of a turned or zoomed picture (slower).
 */
void lv_img_set_antialias(lv_obj_t * obj, bool antialias);

/**
 * @param mode      LV_IMG_SIZE_MODE_VIRTUAL or LV_IMG_SIZE_MODE_REAL
 */
void lv_img_set_size_mode(lv_obj_t * obj, lv_img_size_mode_t mode);

const void * lv_img_get_src(lv_obj_t * obj);
lv_coord_t lv_img_get_offset_x(lv_obj_t * obj);
lv_coord_t lv_img_get_offset_y(lv_obj_t * obj);
uint16_t lv_img_get_angle(lv_obj_t * obj);
void lv_img_get_pivot(lv_obj_t * obj, lv_point_t * pivot);
uint16_t lv_img_get_zoom(lv_obj_t * obj);
bool lv_img_get_antialias(lv_obj_t * obj);
lv_img_size_mode_t lv_img_get_size_mode(lv_obj_t * obj);

#endif /*LV_USE_IMG*/

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_IMG_H*/
