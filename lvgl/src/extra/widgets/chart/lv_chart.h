/**
 * @file lv_chart.h
 * Line, bar and scatter charts with division lines, axis ticks and cursors.
 */

#ifndef LV_CHART_H
#define LV_CHART_H

#ifdef __cplusplus
extern "C" {
#endif

/*********************
 *      INCLUDES
 *********************/
#include "../../../core/lv_obj.h"

#if LV_USE_CHART != 0

/*********************
 *      DEFINES
 *********************/

/** A y (or x) value meaning "no point here": such points are not drawn and break the line. */
#define LV_CHART_POINT_NONE     (INT16_MAX)
LV_EXPORT_CONST_INT(LV_CHART_POINT_NONE);

/** Size of the buffer handed to tick-label draw-part events (the text may be rewritten in place). */
#define LV_CHART_LABEL_MAX_TEXT_LENGTH 16

/**********************
 *      TYPEDEFS
 **********************/

/** Chart types*/
enum {
    LV_CHART_TYPE_NONE,     /**< series are not shown*/
    LV_CHART_TYPE_LINE,     /**< points evenly spread over the width, joined by lines*/
    LV_CHART_TYPE_BAR,      /**< a column per point, the series' bars side by side in it*/
    LV_CHART_TYPE_SCATTER,  /**< points placed by their x and y values, joined in array order*/
};
typedef uint8_t lv_chart_type_t;

/** How the values written by lv_chart_set_next_value are shown*/
enum {
    LV_CHART_UPDATE_MODE_SHIFT,     /**< oldest on the left, newest on the right: the picture scrolls*/
    LV_CHART_UPDATE_MODE_CIRCULAR,  /**< in array order: the newest value sweeps round, overwriting the oldest*/
};
typedef uint8_t lv_chart_update_mode_t;

/** The axes; the values are those of the upstream API (they are not array indices)*/
enum {
    LV_CHART_AXIS_PRIMARY_Y     = 0x00,
    LV_CHART_AXIS_SECONDARY_Y   = 0x01,
    LV_CHART_AXIS_PRIMARY_X     = 0x02,
    LV_CHART_AXIS_SECONDARY_X   = 0x04,
    _LV_CHART_AXIS_LAST
};
typedef uint8_t lv_chart_axis_t;

typedef struct {
    lv_coord_t * x_points;
    lv_coord_t * y_points;
    lv_color_t color;
    uint16_t start_point;
    uint8_t hidden : 1;
    uint8_t x_ext_buf_assigned : 1;
    uint8_t y_ext_buf_assigned : 1;
    uint8_t x_axis_sec : 1;
    uint8_t y_axis_sec : 1;
} lv_chart_series_t;

typedef struct {
    lv_point_t pos;
    uint16_t point_id;
    lv_color_t color;
    lv_chart_series_t * ser;
    lv_dir_t dir;
    uint8_t pos_set: 1;     /**< 1: pos is used; 0: the point of ser at point_id is used*/
} lv_chart_cursor_t;

typedef struct {
    lv_coord_t major_len;
    lv_coord_t minor_len;
    lv_coord_t draw_size;
    uint32_t minor_cnt : 15;
    uint32_t major_cnt : 15;
    uint32_t label_en  : 1;
} lv_chart_tick_dsc_t;

typedef struct {
    lv_obj_t obj;
    lv_ll_t series_ll;          /**< lv_chart_series_t in the order they were added*/
    lv_ll_t cursor_ll;          /**< lv_chart_cursor_t*/
    lv_chart_tick_dsc_t tick[4];/**< primary y, primary x, secondary y, secondary x*/
    lv_coord_t ymin[2];
    lv_coord_t ymax[2];
    lv_coord_t xmin[2];
    lv_coord_t xmax[2];
    uint16_t pressed_point_id;
    uint16_t hdiv_cnt;
    uint16_t vdiv_cnt;
    uint16_t point_cnt;
    uint16_t zoom_x;
    uint16_t zoom_y;
    lv_chart_type_t type : 3;
    lv_chart_update_mode_t update_mode : 1;
} lv_chart_t;

extern const lv_obj_class_t lv_chart_class;

/**
 * `type` field of `lv_obj_draw_part_dsc_t` in the chart's draw-part events.
 */
typedef enum {
    LV_CHART_DRAW_PART_DIV_LINE_INIT,    /**< Before all division lines: line_dsc can be changed for all of them*/
    LV_CHART_DRAW_PART_DIV_LINE_HOR,     /**< One horizontal division line; p1, p2, id*/
    LV_CHART_DRAW_PART_DIV_LINE_VER,     /**< One vertical division line; p1, p2, id*/
    LV_CHART_DRAW_PART_LINE_AND_POINT,   /**< A segment p1->p2 and its start point (draw_area); id, value, sub_part_ptr = series*/
    LV_CHART_DRAW_PART_BAR,              /**< One bar: draw_area, rect_dsc, id (point), value, sub_part_ptr = series*/
    LV_CHART_DRAW_PART_CURSOR,           /**< A cursor line (p1, p2) or its point (draw_area)*/
    LV_CHART_DRAW_PART_TICK_LABEL,       /**< An axis tick and, on major ticks, its label; id = axis, value, text*/
} lv_chart_draw_part_type_t;

/**********************
 * GLOBAL PROTOTYPES
 **********************/

/**
 * Create a chart: a line chart of 10 points, 3 horizontal and 5 vertical division lines, 0..100 on every axis.
 * @param parent    the parent object
 * @return          the new chart
 */
lv_obj_t * lv_chart_create(lv_obj_t * parent);

/**
 * Set how the series are drawn.
 * @param obj       a chart
 * @param type      LV_CHART_TYPE_LINE, LV_CHART_TYPE_SCATTER, ...
 */
void lv_chart_set_type(lv_obj_t * obj, lv_chart_type_t type);

/**
 * Set the number of points of every series. Existing values are kept (a shifting chart's oldest
 * first), new ones are LV_CHART_POINT_NONE; arrays of the application must already have the room.
 * @param obj       a chart
 * @param cnt       number of points (0 is taken as 1)
 */
void lv_chart_set_point_count(lv_obj_t * obj, uint16_t cnt);

/**
 * Set the value range of an axis.
 * @param obj       a chart
 * @param axis      one of LV_CHART_AXIS_...
 * @param min       the value at the bottom (left) edge
 * @param max       the value at the top (right) edge; made min + 1 if equal to min
 */
void lv_chart_set_range(lv_obj_t * obj, lv_chart_axis_t axis, lv_coord_t min, lv_coord_t max);

/**
 * Set how lv_chart_set_next_value places the new values.
 */
void lv_chart_set_update_mode(lv_obj_t * obj, lv_chart_update_mode_t update_mode);

/**
 * Set the number of horizontal and vertical division lines (drawn with the main part's line style).
 */
void lv_chart_set_div_line_count(lv_obj_t * obj, uint8_t hdiv, uint8_t vdiv);

/**
 * Zoom the chart horizontally (256 = no zoom); the chart becomes scrollable.
 */
void lv_chart_set_zoom_x(lv_obj_t * obj, uint16_t zoom_x);

/**
 * Zoom the chart vertically (256 = no zoom).
 */
void lv_chart_set_zoom_y(lv_obj_t * obj, uint16_t zoom_y);

uint16_t lv_chart_get_zoom_x(const lv_obj_t * obj);

uint16_t lv_chart_get_zoom_y(const lv_obj_t * obj);

/**
 * Configure the ticks of an axis. Ticks are drawn outside the chart with the LV_PART_TICKS style.
 * @param obj           a chart
 * @param axis          one of LV_CHART_AXIS_...
 * @param major_len     how far a major tick reaches out from the box
 * @param minor_len     how far the other ticks reach
 * @param major_cnt     how many major ticks, the first and last one at the plot's ends
 * @param minor_cnt     ticks from one major tick to the next (counting the major one)
 * @param label_en      true: write the value next to the major ticks
 * @param draw_size     the room the ticks and labels need outside the chart (becomes the extra draw size)
 */
void lv_chart_set_axis_tick(lv_obj_t * obj, lv_chart_axis_t axis, lv_coord_t major_len, lv_coord_t minor_len,
                            lv_coord_t major_cnt, lv_coord_t minor_cnt, bool label_en, lv_coord_t draw_size);

lv_chart_type_t lv_chart_get_type(const lv_obj_t * obj);

uint16_t lv_chart_get_point_count(const lv_obj_t * obj);

/**
 * Index of the first point of a series in its arrays (moves when lv_chart_set_next_value shifts).
 */
uint16_t lv_chart_get_x_start_point(const lv_obj_t * obj, lv_chart_series_t * ser);

/**
 * Position of a point relative to the chart's top-left corner (scroll taken into account).
 * @param obj       a chart
 * @param ser       a series of the chart
 * @param id        the point in drawing order (0 = leftmost, the oldest of a shifting chart); out of range gives (0, 0)
 * @param p_out     receives the position
 */
void lv_chart_get_point_pos_by_id(lv_obj_t * obj, lv_chart_series_t * ser, uint16_t id, lv_point_t * p_out);

/**
 * Redraw the chart after its arrays were changed directly.
 */
void lv_chart_refresh(lv_obj_t * obj);

/**
 * Add a series; both of its arrays start filled with LV_CHART_POINT_NONE.
 * @param obj       a chart
 * @param color     colour of the series' lines and points
 * @param axis      the y axis (LV_CHART_AXIS_PRIMARY_Y or SECONDARY_Y) it is measured on
 * @return          the new series, NULL if out of memory
 */
lv_chart_series_t * lv_chart_add_series(lv_obj_t * obj, lv_color_t color, lv_chart_axis_t axis);

/**
 * Remove and free a series.
 */
void lv_chart_remove_series(lv_obj_t * obj, lv_chart_series_t * series);

void lv_chart_hide_series(lv_obj_t * chart, lv_chart_series_t * series, bool hide);

void lv_chart_set_series_color(lv_obj_t * chart, lv_chart_series_t * series, lv_color_t color);

void lv_chart_set_x_start_point(lv_obj_t * obj, lv_chart_series_t * ser, uint16_t id);

/**
 * Iterate the series: NULL gives the first one.
 */
lv_chart_series_t * lv_chart_get_series_next(const lv_obj_t * chart, const lv_chart_series_t * ser);

/**
 * Add a cursor: lines from a point towards the chart's edges.
 * @param obj       a chart
 * @param color     colour of the lines and the point
 * @param dir       where the lines go: OR-ed LV_DIR_LEFT/RIGHT/TOP/BOTTOM
 * @return          the cursor (not shown until it gets a point or a position)
 */
lv_chart_cursor_t * lv_chart_add_cursor(lv_obj_t * obj, lv_color_t color, lv_dir_t dir);

/**
 * Put a cursor at a position relative to the chart's top-left corner.
 */
void lv_chart_set_cursor_pos(lv_obj_t * chart, lv_chart_cursor_t * cursor, lv_point_t * pos);

/**
 * Attach a cursor to a point of a series; LV_CHART_POINT_NONE hides it.
 */
void lv_chart_set_cursor_point(lv_obj_t * chart, lv_chart_cursor_t * cursor, lv_chart_series_t * ser,
                               uint16_t point_id);

/**
 * Where a cursor is, relative to the chart's top-left corner.
 */
lv_point_t lv_chart_get_cursor_point(lv_obj_t * chart, lv_chart_cursor_t * cursor);

/**
 * Set every y value of a series.
 */
void lv_chart_set_all_value(lv_obj_t * obj, lv_chart_series_t * ser, lv_coord_t value);

/**
 * Write the next y value (at start_point, which then moves on).
 */
void lv_chart_set_next_value(lv_obj_t * obj, lv_chart_series_t * ser, lv_coord_t value);

/**
 * Write the next x and y value of a scatter series.
 */
void lv_chart_set_next_value2(lv_obj_t * obj, lv_chart_series_t * ser, lv_coord_t x_value, lv_coord_t y_value);

/**
 * Set the y value of one point (index into the array).
 */
void lv_chart_set_value_by_id(lv_obj_t * obj, lv_chart_series_t * ser, uint16_t id, lv_coord_t value);

/**
 * Set the x and y value of one point of a scatter series.
 */
void lv_chart_set_value_by_id2(lv_obj_t * obj, lv_chart_series_t * ser, uint16_t id, lv_coord_t x_value,
                               lv_coord_t y_value);

/**
 * Let a series use an array of the application (at least point count long) for its y values.
 */
void lv_chart_set_ext_y_array(lv_obj_t * obj, lv_chart_series_t * ser, lv_coord_t array[]);

/**
 * Let a series use an array of the application for its x values.
 */
void lv_chart_set_ext_x_array(lv_obj_t * obj, lv_chart_series_t * ser, lv_coord_t array[]);

/**
 * The y values of a series (point count long); may be written directly, then call lv_chart_refresh.
 */
lv_coord_t * lv_chart_get_y_array(const lv_obj_t * obj, lv_chart_series_t * ser);

/**
 * The x values of a series (used by scatter charts).
 */
lv_coord_t * lv_chart_get_x_array(const lv_obj_t * obj, lv_chart_series_t * ser);

/**
 * Index of the point last pressed, LV_CHART_POINT_NONE if none (cleared on release).
 */
uint32_t lv_chart_get_pressed_point(const lv_obj_t * obj);

#endif /*LV_USE_CHART*/

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_CHART_H*/
