/**
 * @file lv_chart.c
 * Line and scatter charts. Everything is drawn in LV_EVENT_DRAW_MAIN from the
 * series arrays, so the application may write the arrays directly and call
 * lv_chart_refresh. Each drawn element is announced with a draw-part event
 * first, which lets an application restyle it or draw beside it (a faded
 * area under a segment, relabelled ticks).
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_chart.h"
#if LV_USE_CHART != 0

#include "../../../core/lv_indev.h"
#include "../../../misc/lv_printf.h"
#include "../../../misc/lv_mem.h"
#include "../../../misc/lv_math.h"

/*********************
 *      DEFINES
 *********************/
#define MY_CLASS &lv_chart_class

#define LV_CHART_HDIV_DEF 3
#define LV_CHART_VDIV_DEF 5
#define LV_CHART_POINT_CNT_DEF 10
#define LV_CHART_ZOOM_NONE 256

/**********************
 *  STATIC PROTOTYPES
 **********************/
static void lv_chart_constructor(const lv_obj_class_t * class_p, lv_obj_t * obj);
static void lv_chart_destructor(const lv_obj_class_t * class_p, lv_obj_t * obj);
static void lv_chart_event(const lv_obj_class_t * class_p, lv_event_t * e);

static void draw_div_lines(lv_obj_t * obj, lv_draw_ctx_t * draw_ctx);
static void draw_series(lv_obj_t * obj, lv_draw_ctx_t * draw_ctx);
static void draw_cursors(lv_obj_t * obj, lv_draw_ctx_t * draw_ctx);
static void draw_y_ticks(lv_obj_t * obj, lv_draw_ctx_t * draw_ctx, lv_chart_axis_t axis);
static void draw_x_ticks(lv_obj_t * obj, lv_draw_ctx_t * draw_ctx, lv_chart_axis_t axis);
static lv_chart_tick_dsc_t * get_tick_dsc(lv_obj_t * obj, lv_chart_axis_t axis);
static uint32_t get_index_from_x(lv_obj_t * obj, lv_coord_t x);
static lv_coord_t map_value(int32_t v, int32_t min, int32_t max, lv_coord_t size);
static bool realloc_array(lv_coord_t ** arr, uint16_t start, uint16_t old_cnt, uint16_t new_cnt);

/**********************
 *  STATIC VARIABLES
 **********************/
const lv_obj_class_t lv_chart_class = {
    .constructor_cb = lv_chart_constructor,
    .destructor_cb = lv_chart_destructor,
    .event_cb = lv_chart_event,
    .width_def = LV_PCT(100),
    .height_def = LV_DPI_DEF * 2,
    .instance_size = sizeof(lv_chart_t),
    .base_class = &lv_obj_class
};

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

lv_obj_t * lv_chart_create(lv_obj_t * parent)
{
    lv_obj_t * obj = lv_obj_class_create_obj(MY_CLASS, parent);
    if(obj == NULL) return NULL;
    lv_obj_class_init_obj(obj);
    return obj;
}

void lv_chart_set_type(lv_obj_t * obj, lv_chart_type_t type)
{
    lv_chart_t * chart = (lv_chart_t *)obj;
    if(chart->type == type) return;
    chart->type = type;
    lv_chart_refresh(obj);
}

void lv_chart_set_point_count(lv_obj_t * obj, uint16_t cnt)
{
    lv_chart_t * chart = (lv_chart_t *)obj;
    if(chart->point_cnt == cnt) return;
    if(cnt < 1) cnt = 1;

    bool all_ok = true;
    lv_chart_series_t * ser;
    _LV_LL_READ_BACK(&chart->series_ll, ser) {
        /*The application's own arrays cannot be resized: it must provide room for the new count*/
        if(!ser->y_ext_buf_assigned && !realloc_array(&ser->y_points, ser->start_point, chart->point_cnt, cnt)) {
            all_ok = false;
        }
        if(!ser->x_ext_buf_assigned && !realloc_array(&ser->x_points, ser->start_point, chart->point_cnt, cnt)) {
            all_ok = false;
        }
        ser->start_point = 0;
    }

    /*Out of memory: every array holds at least the smaller of the two counts*/
    chart->point_cnt = all_ok ? cnt : LV_MIN(cnt, chart->point_cnt);
    lv_chart_refresh(obj);
}

void lv_chart_set_range(lv_obj_t * obj, lv_chart_axis_t axis, lv_coord_t min, lv_coord_t max)
{
    lv_chart_t * chart = (lv_chart_t *)obj;
    /*An empty range would divide by zero when mapping*/
    if(max == min) max = min + 1;

    switch(axis) {
        case LV_CHART_AXIS_PRIMARY_Y:
            chart->ymin[0] = min;
            chart->ymax[0] = max;
            break;
        case LV_CHART_AXIS_SECONDARY_Y:
            chart->ymin[1] = min;
            chart->ymax[1] = max;
            break;
        case LV_CHART_AXIS_PRIMARY_X:
            chart->xmin[0] = min;
            chart->xmax[0] = max;
            break;
        case LV_CHART_AXIS_SECONDARY_X:
            chart->xmin[1] = min;
            chart->xmax[1] = max;
            break;
        default:
            return;
    }
    lv_chart_refresh(obj);
}

void lv_chart_set_update_mode(lv_obj_t * obj, lv_chart_update_mode_t update_mode)
{
    lv_chart_t * chart = (lv_chart_t *)obj;
    if(chart->update_mode == update_mode) return;
    chart->update_mode = update_mode;
    lv_obj_invalidate(obj);
}

void lv_chart_set_div_line_count(lv_obj_t * obj, uint8_t hdiv, uint8_t vdiv)
{
    lv_chart_t * chart = (lv_chart_t *)obj;
    if(chart->hdiv_cnt == hdiv && chart->vdiv_cnt == vdiv) return;
    chart->hdiv_cnt = hdiv;
    chart->vdiv_cnt = vdiv;
    lv_obj_invalidate(obj);
}

void lv_chart_set_zoom_x(lv_obj_t * obj, uint16_t zoom_x)
{
    lv_chart_t * chart = (lv_chart_t *)obj;
    if(chart->zoom_x == zoom_x) return;
    chart->zoom_x = zoom_x;
    lv_obj_refresh_self_size(obj);
    lv_obj_update_layout(obj);
    lv_obj_invalidate(obj);
}

void lv_chart_set_zoom_y(lv_obj_t * obj, uint16_t zoom_y)
{
    lv_chart_t * chart = (lv_chart_t *)obj;
    if(chart->zoom_y == zoom_y) return;
    chart->zoom_y = zoom_y;
    lv_obj_refresh_self_size(obj);
    lv_obj_update_layout(obj);
    lv_obj_invalidate(obj);
}

uint16_t lv_chart_get_zoom_x(const lv_obj_t * obj)
{
    return ((const lv_chart_t *)obj)->zoom_x;
}

uint16_t lv_chart_get_zoom_y(const lv_obj_t * obj)
{
    return ((const lv_chart_t *)obj)->zoom_y;
}

void lv_chart_set_axis_tick(lv_obj_t * obj, lv_chart_axis_t axis, lv_coord_t major_len, lv_coord_t minor_len,
                            lv_coord_t major_cnt, lv_coord_t minor_cnt, bool label_en, lv_coord_t draw_size)
{
    lv_chart_tick_dsc_t * t = get_tick_dsc(obj, axis);
    if(t == NULL) return;
    t->major_len = major_len;
    t->minor_len = minor_len;
    t->minor_cnt = minor_cnt < 0 ? 0 : minor_cnt;
    t->major_cnt = major_cnt < 0 ? 0 : major_cnt;
    t->label_en = label_en;
    t->draw_size = draw_size;

    lv_obj_refresh_ext_draw_size(obj);
    lv_obj_invalidate(obj);
}

lv_chart_type_t lv_chart_get_type(const lv_obj_t * obj)
{
    return ((const lv_chart_t *)obj)->type;
}

uint16_t lv_chart_get_point_count(const lv_obj_t * obj)
{
    return ((const lv_chart_t *)obj)->point_cnt;
}

uint16_t lv_chart_get_x_start_point(const lv_obj_t * obj, lv_chart_series_t * ser)
{
    LV_UNUSED(obj);
    return ser->start_point;
}

void lv_chart_get_point_pos_by_id(lv_obj_t * obj, lv_chart_series_t * ser, uint16_t id, lv_point_t * p_out)
{
    lv_chart_t * chart = (lv_chart_t *)obj;
    if(ser == NULL || id >= chart->point_cnt) {
        p_out->x = 0;
        p_out->y = 0;
        return;
    }

    lv_coord_t w = ((int32_t)lv_obj_get_content_width(obj) * chart->zoom_x) >> 8;
    lv_coord_t h = ((int32_t)lv_obj_get_content_height(obj) * chart->zoom_y) >> 8;
    lv_coord_t border_w = lv_obj_get_style_border_width(obj, LV_PART_MAIN);

    uint16_t start = chart->update_mode == LV_CHART_UPDATE_MODE_SHIFT ? ser->start_point : 0;
    uint16_t idx = (uint16_t)(((uint32_t)start + id) % chart->point_cnt);

    if(chart->type == LV_CHART_TYPE_SCATTER) {
        p_out->x = map_value(ser->x_points[idx], chart->xmin[ser->x_axis_sec], chart->xmax[ser->x_axis_sec], w);
    }
    else if(chart->point_cnt > 1) {
        p_out->x = (lv_coord_t)(((int32_t)w * id) / (chart->point_cnt - 1));
    }
    else {
        p_out->x = 0;
    }
    p_out->x += lv_obj_get_style_pad_left(obj, LV_PART_MAIN) + border_w - lv_obj_get_scroll_left(obj);

    /*Not clamped: a value outside the range gives a position outside the chart, as the caller may want to know*/
    int32_t ymin = chart->ymin[ser->y_axis_sec];
    int32_t ymax = chart->ymax[ser->y_axis_sec];
    int32_t temp_y = ((int32_t)ser->y_points[idx] - ymin) * h / (ymax - ymin);
    p_out->y = (lv_coord_t)(h - temp_y);
    p_out->y += lv_obj_get_style_pad_top(obj, LV_PART_MAIN) + border_w - lv_obj_get_scroll_top(obj);
}

void lv_chart_refresh(lv_obj_t * obj)
{
    lv_obj_invalidate(obj);
}

lv_chart_series_t * lv_chart_add_series(lv_obj_t * obj, lv_color_t color, lv_chart_axis_t axis)
{
    lv_chart_t * chart = (lv_chart_t *)obj;
    lv_chart_series_t * ser = _lv_ll_ins_head(&chart->series_ll);
    LV_ASSERT_MALLOC(ser);
    if(ser == NULL) return NULL;
    lv_memset_00(ser, sizeof(*ser));

    /*x values are kept for every type so a chart may turn into a scatter chart later*/
    ser->y_points = lv_mem_alloc(sizeof(lv_coord_t) * chart->point_cnt);
    ser->x_points = lv_mem_alloc(sizeof(lv_coord_t) * chart->point_cnt);
    if(ser->y_points == NULL || ser->x_points == NULL) {
        lv_mem_free(ser->y_points);
        lv_mem_free(ser->x_points);
        _lv_ll_remove(&chart->series_ll, ser);
        lv_mem_free(ser);
        return NULL;
    }

    ser->color = color;
    ser->y_axis_sec = (axis & LV_CHART_AXIS_SECONDARY_Y) ? 1 : 0;
    ser->x_axis_sec = (axis & LV_CHART_AXIS_SECONDARY_X) ? 1 : 0;

    uint16_t i;
    for(i = 0; i < chart->point_cnt; i++) {
        ser->y_points[i] = LV_CHART_POINT_NONE;
        ser->x_points[i] = LV_CHART_POINT_NONE;
    }
    return ser;
}

void lv_chart_remove_series(lv_obj_t * obj, lv_chart_series_t * series)
{
    lv_chart_t * chart = (lv_chart_t *)obj;
    if(series == NULL) return;
    if(!series->y_ext_buf_assigned) lv_mem_free(series->y_points);
    if(!series->x_ext_buf_assigned) lv_mem_free(series->x_points);

    /*Cursors following this series would read freed memory*/
    lv_chart_cursor_t * cursor;
    _LV_LL_READ(&chart->cursor_ll, cursor) {
        if(cursor->ser == series) {
            cursor->ser = NULL;
            cursor->point_id = LV_CHART_POINT_NONE;
        }
    }

    _lv_ll_remove(&chart->series_ll, series);
    lv_mem_free(series);
    lv_chart_refresh(obj);
}

void lv_chart_hide_series(lv_obj_t * chart, lv_chart_series_t * series, bool hide)
{
    series->hidden = hide ? 1 : 0;
    lv_chart_refresh(chart);
}

void lv_chart_set_series_color(lv_obj_t * chart, lv_chart_series_t * series, lv_color_t color)
{
    series->color = color;
    lv_chart_refresh(chart);
}

void lv_chart_set_x_start_point(lv_obj_t * obj, lv_chart_series_t * ser, uint16_t id)
{
    lv_chart_t * chart = (lv_chart_t *)obj;
    if(id >= chart->point_cnt) return;
    ser->start_point = id;
}

lv_chart_series_t * lv_chart_get_series_next(const lv_obj_t * obj, const lv_chart_series_t * ser)
{
    const lv_chart_t * chart = (const lv_chart_t *)obj;
    /*Newest at the head: walk from the tail to go in order of creation*/
    if(ser == NULL) return _lv_ll_get_tail(&chart->series_ll);
    return _lv_ll_get_prev(&chart->series_ll, ser);
}

lv_chart_cursor_t * lv_chart_add_cursor(lv_obj_t * obj, lv_color_t color, lv_dir_t dir)
{
    lv_chart_t * chart = (lv_chart_t *)obj;
    lv_chart_cursor_t * cursor = _lv_ll_ins_head(&chart->cursor_ll);
    LV_ASSERT_MALLOC(cursor);
    if(cursor == NULL) return NULL;
    lv_memset_00(cursor, sizeof(*cursor));

    cursor->pos.x = LV_CHART_POINT_NONE;
    cursor->pos.y = LV_CHART_POINT_NONE;
    cursor->point_id = LV_CHART_POINT_NONE;
    cursor->color = color;
    cursor->dir = dir;
    return cursor;
}

void lv_chart_set_cursor_pos(lv_obj_t * chart, lv_chart_cursor_t * cursor, lv_point_t * pos)
{
    cursor->pos = *pos;
    cursor->pos_set = 1;
    lv_chart_refresh(chart);
}

void lv_chart_set_cursor_point(lv_obj_t * chart, lv_chart_cursor_t * cursor, lv_chart_series_t * ser,
                               uint16_t point_id)
{
    cursor->point_id = point_id;
    cursor->pos_set = 0;
    if(ser == NULL) ser = lv_chart_get_series_next(chart, NULL);
    cursor->ser = ser;
    lv_chart_refresh(chart);
}

lv_point_t lv_chart_get_cursor_point(lv_obj_t * chart, lv_chart_cursor_t * cursor)
{
    lv_point_t p = cursor->pos;
    if(!cursor->pos_set && cursor->ser && cursor->point_id != LV_CHART_POINT_NONE) {
        lv_chart_get_point_pos_by_id(chart, cursor->ser, cursor->point_id, &p);
    }
    return p;
}

void lv_chart_set_all_value(lv_obj_t * obj, lv_chart_series_t * ser, lv_coord_t value)
{
    lv_chart_t * chart = (lv_chart_t *)obj;
    uint16_t i;
    for(i = 0; i < chart->point_cnt; i++) ser->y_points[i] = value;
    ser->start_point = 0;
    lv_chart_refresh(obj);
}

void lv_chart_set_next_value(lv_obj_t * obj, lv_chart_series_t * ser, lv_coord_t value)
{
    lv_chart_t * chart = (lv_chart_t *)obj;
    ser->y_points[ser->start_point] = value;
    ser->start_point = (uint16_t)((ser->start_point + 1) % chart->point_cnt);
    lv_chart_refresh(obj);
}

void lv_chart_set_next_value2(lv_obj_t * obj, lv_chart_series_t * ser, lv_coord_t x_value, lv_coord_t y_value)
{
    lv_chart_t * chart = (lv_chart_t *)obj;
    if(chart->type != LV_CHART_TYPE_SCATTER) return;
    ser->x_points[ser->start_point] = x_value;
    ser->y_points[ser->start_point] = y_value;
    ser->start_point = (uint16_t)((ser->start_point + 1) % chart->point_cnt);
    lv_chart_refresh(obj);
}

void lv_chart_set_value_by_id(lv_obj_t * obj, lv_chart_series_t * ser, uint16_t id, lv_coord_t value)
{
    lv_chart_t * chart = (lv_chart_t *)obj;
    if(id >= chart->point_cnt) return;
    ser->y_points[id] = value;
    lv_chart_refresh(obj);
}

void lv_chart_set_value_by_id2(lv_obj_t * obj, lv_chart_series_t * ser, uint16_t id, lv_coord_t x_value,
                               lv_coord_t y_value)
{
    lv_chart_t * chart = (lv_chart_t *)obj;
    if(chart->type != LV_CHART_TYPE_SCATTER || id >= chart->point_cnt) return;
    ser->x_points[id] = x_value;
    ser->y_points[id] = y_value;
    lv_chart_refresh(obj);
}

void lv_chart_set_ext_y_array(lv_obj_t * obj, lv_chart_series_t * ser, lv_coord_t array[])
{
    if(!ser->y_ext_buf_assigned) lv_mem_free(ser->y_points);
    ser->y_ext_buf_assigned = 1;
    ser->y_points = array;
    lv_obj_invalidate(obj);
}

void lv_chart_set_ext_x_array(lv_obj_t * obj, lv_chart_series_t * ser, lv_coord_t array[])
{
    if(!ser->x_ext_buf_assigned) lv_mem_free(ser->x_points);
    ser->x_ext_buf_assigned = 1;
    ser->x_points = array;
    lv_obj_invalidate(obj);
}

lv_coord_t * lv_chart_get_y_array(const lv_obj_t * obj, lv_chart_series_t * ser)
{
    LV_UNUSED(obj);
    return ser->y_points;
}

lv_coord_t * lv_chart_get_x_array(const lv_obj_t * obj, lv_chart_series_t * ser)
{
    LV_UNUSED(obj);
    return ser->x_points;
}

uint32_t lv_chart_get_pressed_point(const lv_obj_t * obj)
{
    return ((const lv_chart_t *)obj)->pressed_point_id;
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

static void lv_chart_constructor(const lv_obj_class_t * class_p, lv_obj_t * obj)
{
    LV_UNUSED(class_p);
    lv_chart_t * chart = (lv_chart_t *)obj;

    _lv_ll_init(&chart->series_ll, sizeof(lv_chart_series_t));
    _lv_ll_init(&chart->cursor_ll, sizeof(lv_chart_cursor_t));

    chart->ymin[0] = 0;
    chart->xmin[0] = 0;
    chart->ymin[1] = 0;
    chart->xmin[1] = 0;
    chart->ymax[0] = 100;
    chart->xmax[0] = 100;
    chart->ymax[1] = 100;
    chart->xmax[1] = 100;

    chart->hdiv_cnt = LV_CHART_HDIV_DEF;
    chart->vdiv_cnt = LV_CHART_VDIV_DEF;
    chart->point_cnt = LV_CHART_POINT_CNT_DEF;
    chart->pressed_point_id = LV_CHART_POINT_NONE;
    chart->type = LV_CHART_TYPE_LINE;
    chart->update_mode = LV_CHART_UPDATE_MODE_SHIFT;
    chart->zoom_x = LV_CHART_ZOOM_NONE;
    chart->zoom_y = LV_CHART_ZOOM_NONE;

    /*No ticks until the application asks for them*/
    lv_memset_00(chart->tick, sizeof(chart->tick));
}

static void lv_chart_destructor(const lv_obj_class_t * class_p, lv_obj_t * obj)
{
    LV_UNUSED(class_p);
    lv_chart_t * chart = (lv_chart_t *)obj;

    lv_chart_series_t * ser;
    while((ser = _lv_ll_get_head(&chart->series_ll)) != NULL) {
        if(!ser->y_ext_buf_assigned) lv_mem_free(ser->y_points);
        if(!ser->x_ext_buf_assigned) lv_mem_free(ser->x_points);
        _lv_ll_remove(&chart->series_ll, ser);
        lv_mem_free(ser);
    }
    _lv_ll_clear(&chart->series_ll);
    _lv_ll_clear(&chart->cursor_ll);
}

static void lv_chart_event(const lv_obj_class_t * class_p, lv_event_t * e)
{
    LV_UNUSED(class_p);

    lv_res_t res = lv_obj_event_base(MY_CLASS, e);
    if(res != LV_RES_OK) return;

    lv_event_code_t code = lv_event_get_code(e);
    lv_obj_t * obj = lv_event_get_target(e);
    lv_chart_t * chart = (lv_chart_t *)obj;

    if(code == LV_EVENT_PRESSED) {
        lv_indev_t * indev = lv_indev_get_act();
        if(indev == NULL) return;
        lv_point_t p;
        lv_indev_get_point(indev, &p);
        p.x -= obj->coords.x1;
        uint32_t id = get_index_from_x(obj, p.x + lv_obj_get_scroll_left(obj));
        if(id != (uint32_t)chart->pressed_point_id) {
            chart->pressed_point_id = (uint16_t)id;
            lv_obj_invalidate(obj);
            lv_event_send(obj, LV_EVENT_VALUE_CHANGED, NULL);
        }
    }
    else if(code == LV_EVENT_RELEASED) {
        chart->pressed_point_id = LV_CHART_POINT_NONE;
        lv_obj_invalidate(obj);
    }
    else if(code == LV_EVENT_SIZE_CHANGED) {
        lv_obj_refresh_self_size(obj);
    }
    else if(code == LV_EVENT_REFR_EXT_DRAW_SIZE) {
        lv_coord_t * s = lv_event_get_param(e);
        lv_coord_t need = LV_MAX4(chart->tick[0].draw_size, chart->tick[1].draw_size, chart->tick[2].draw_size,
                                  chart->tick[3].draw_size);
        *s = LV_MAX(*s, need);
    }
    else if(code == LV_EVENT_GET_SELF_SIZE) {
        lv_point_t * p = lv_event_get_param(e);
        p->x = (lv_coord_t)(((int32_t)lv_obj_get_content_width(obj) * chart->zoom_x) >> 8);
        p->y = (lv_coord_t)(((int32_t)lv_obj_get_content_height(obj) * chart->zoom_y) >> 8);
    }
    else if(code == LV_EVENT_DRAW_MAIN) {
        lv_draw_ctx_t * draw_ctx = lv_event_get_draw_ctx(e);
        draw_div_lines(obj, draw_ctx);
        draw_y_ticks(obj, draw_ctx, LV_CHART_AXIS_PRIMARY_Y);
        draw_y_ticks(obj, draw_ctx, LV_CHART_AXIS_SECONDARY_Y);
        draw_x_ticks(obj, draw_ctx, LV_CHART_AXIS_PRIMARY_X);
        draw_x_ticks(obj, draw_ctx, LV_CHART_AXIS_SECONDARY_X);
        if(_lv_ll_is_empty(&chart->series_ll) == false) draw_series(obj, draw_ctx);
        draw_cursors(obj, draw_ctx);
    }
}

/* Map v from [min, max] onto [0, size], clamped to that span like the upstream drawing does. */
static lv_coord_t map_value(int32_t v, int32_t min, int32_t max, lv_coord_t size)
{
    if(v <= min) return 0;
    if(v >= max) return size;
    return (lv_coord_t)(((int64_t)(v - min) * size) / (max - min));
}

static void draw_div_lines(lv_obj_t * obj, lv_draw_ctx_t * draw_ctx)
{
    lv_chart_t * chart = (lv_chart_t *)obj;

    lv_area_t series_clip;
    if(!_lv_area_intersect(&series_clip, &obj->coords, draw_ctx->clip_area)) return;
    const lv_area_t * clip_ori = draw_ctx->clip_area;
    draw_ctx->clip_area = &series_clip;

    lv_coord_t border_w = lv_obj_get_style_border_width(obj, LV_PART_MAIN);
    lv_coord_t pad_left = lv_obj_get_style_pad_left(obj, LV_PART_MAIN) + border_w;
    lv_coord_t pad_top = lv_obj_get_style_pad_top(obj, LV_PART_MAIN) + border_w;
    lv_coord_t w = ((int32_t)lv_obj_get_content_width(obj) * chart->zoom_x) >> 8;
    lv_coord_t h = ((int32_t)lv_obj_get_content_height(obj) * chart->zoom_y) >> 8;

    lv_draw_line_dsc_t line_dsc;
    lv_draw_line_dsc_init(&line_dsc);
    lv_obj_init_draw_line_dsc(obj, LV_PART_MAIN, &line_dsc);

    lv_opa_t border_opa = lv_obj_get_style_border_opa(obj, LV_PART_MAIN);
    lv_border_side_t border_side = lv_obj_get_style_border_side(obj, LV_PART_MAIN);
    bool border_visible = border_opa > LV_OPA_MIN && border_w > 0;

    lv_obj_draw_part_dsc_t part_dsc;
    lv_obj_draw_dsc_init(&part_dsc, draw_ctx);
    part_dsc.class_p = MY_CLASS;
    part_dsc.part = LV_PART_MAIN;
    part_dsc.line_dsc = &line_dsc;
    part_dsc.type = LV_CHART_DRAW_PART_DIV_LINE_INIT;
    part_dsc.id = 0xFFFFFFFF;
    part_dsc.p1 = NULL;
    part_dsc.p2 = NULL;
    lv_event_send(obj, LV_EVENT_DRAW_PART_BEGIN, &part_dsc);

    lv_point_t p1;
    lv_point_t p2;
    uint32_t i;
    if(chart->hdiv_cnt > 1) {
        lv_coord_t y_ofs = obj->coords.y1 + pad_top - lv_obj_get_scroll_top(obj);
        p1.x = obj->coords.x1;
        p2.x = obj->coords.x2;
        part_dsc.type = LV_CHART_DRAW_PART_DIV_LINE_HOR;
        for(i = 0; i < chart->hdiv_cnt; i++) {
            p1.y = (lv_coord_t)(((int32_t)h * i) / (chart->hdiv_cnt - 1) + y_ofs);
            p2.y = p1.y;
            part_dsc.p1 = &p1;
            part_dsc.p2 = &p2;
            part_dsc.id = i;
            lv_event_send(obj, LV_EVENT_DRAW_PART_BEGIN, &part_dsc);
            /*The border already draws the outermost lines*/
            bool on_border = (i == 0 && border_visible && (border_side & LV_BORDER_SIDE_TOP)) ||
                             (i == chart->hdiv_cnt - 1u && border_visible && (border_side & LV_BORDER_SIDE_BOTTOM));
            if(!on_border) lv_draw_line(draw_ctx, &line_dsc, &p1, &p2);
            lv_event_send(obj, LV_EVENT_DRAW_PART_END, &part_dsc);
        }
    }

    if(chart->vdiv_cnt > 1) {
        lv_coord_t x_ofs = obj->coords.x1 + pad_left - lv_obj_get_scroll_left(obj);
        p1.y = obj->coords.y1;
        p2.y = obj->coords.y2;
        part_dsc.type = LV_CHART_DRAW_PART_DIV_LINE_VER;
        for(i = 0; i < chart->vdiv_cnt; i++) {
            p1.x = (lv_coord_t)(((int32_t)w * i) / (chart->vdiv_cnt - 1) + x_ofs);
            p2.x = p1.x;
            part_dsc.p1 = &p1;
            part_dsc.p2 = &p2;
            part_dsc.id = i;
            lv_event_send(obj, LV_EVENT_DRAW_PART_BEGIN, &part_dsc);
            bool on_border = (i == 0 && border_visible && (border_side & LV_BORDER_SIDE_LEFT)) ||
                             (i == chart->vdiv_cnt - 1u && border_visible && (border_side & LV_BORDER_SIDE_RIGHT));
            if(!on_border) lv_draw_line(draw_ctx, &line_dsc, &p1, &p2);
            lv_event_send(obj, LV_EVENT_DRAW_PART_END, &part_dsc);
        }
    }

    part_dsc.type = LV_CHART_DRAW_PART_DIV_LINE_INIT;
    part_dsc.id = 0xFFFFFFFF;
    part_dsc.p1 = NULL;
    part_dsc.p2 = NULL;
    lv_event_send(obj, LV_EVENT_DRAW_PART_END, &part_dsc);

    draw_ctx->clip_area = clip_ori;
}

/*
 * Line and scatter series. Each segment is announced with p1 = its start and
 * p2 = its end (NULL where a value is missing), id = the index of its start
 * point and draw_area = the start point's dot, so a handler can draw under the
 * segment before the line itself is drawn. The last point gets an event of its
 * own with p1 = p2 = NULL.
 */
static void draw_series(lv_obj_t * obj, lv_draw_ctx_t * draw_ctx)
{
    lv_chart_t * chart = (lv_chart_t *)obj;
    if(chart->point_cnt == 0) return;
    if(chart->type != LV_CHART_TYPE_LINE && chart->type != LV_CHART_TYPE_SCATTER) return;

    lv_area_t clip_area;
    if(!_lv_area_intersect(&clip_area, &obj->coords, draw_ctx->clip_area)) return;
    const lv_area_t * clip_ori = draw_ctx->clip_area;
    draw_ctx->clip_area = &clip_area;

    lv_coord_t border_w = lv_obj_get_style_border_width(obj, LV_PART_MAIN);
    lv_coord_t x_ofs = obj->coords.x1 + lv_obj_get_style_pad_left(obj, LV_PART_MAIN) + border_w -
                       lv_obj_get_scroll_left(obj);
    lv_coord_t y_ofs = obj->coords.y1 + lv_obj_get_style_pad_top(obj, LV_PART_MAIN) + border_w -
                       lv_obj_get_scroll_top(obj);
    lv_coord_t w = ((int32_t)lv_obj_get_content_width(obj) * chart->zoom_x) >> 8;
    lv_coord_t h = ((int32_t)lv_obj_get_content_height(obj) * chart->zoom_y) >> 8;

    lv_draw_line_dsc_t line_dsc_default;
    lv_draw_line_dsc_init(&line_dsc_default);
    lv_obj_init_draw_line_dsc(obj, LV_PART_ITEMS, &line_dsc_default);

    lv_draw_rect_dsc_t point_dsc_default;
    lv_draw_rect_dsc_init(&point_dsc_default);
    lv_obj_init_draw_rect_dsc(obj, LV_PART_INDICATOR, &point_dsc_default);

    lv_coord_t point_w = lv_obj_get_style_width(obj, LV_PART_INDICATOR) / 2;
    lv_coord_t point_h = lv_obj_get_style_height(obj, LV_PART_INDICATOR) / 2;

    lv_obj_draw_part_dsc_t part_dsc;
    lv_obj_draw_dsc_init(&part_dsc, draw_ctx);
    part_dsc.class_p = MY_CLASS;
    part_dsc.type = LV_CHART_DRAW_PART_LINE_AND_POINT;
    part_dsc.part = LV_PART_ITEMS;
    part_dsc.line_dsc = &line_dsc_default;
    part_dsc.rect_dsc = &point_dsc_default;

    lv_chart_series_t * ser;
    _LV_LL_READ_BACK(&chart->series_ll, ser) {
        if(ser->hidden) continue;
        line_dsc_default.color = ser->color;
        point_dsc_default.bg_color = ser->color;
        part_dsc.sub_part_ptr = ser;

        lv_coord_t xmin = chart->xmin[ser->x_axis_sec];
        lv_coord_t xmax = chart->xmax[ser->x_axis_sec];
        lv_coord_t ymin = chart->ymin[ser->y_axis_sec];
        lv_coord_t ymax = chart->ymax[ser->y_axis_sec];
        uint16_t start = chart->update_mode == LV_CHART_UPDATE_MODE_SHIFT ? ser->start_point : 0;

        lv_point_t p1 = {0, 0};
        lv_point_t p2 = {0, 0};
        uint16_t p_prev = 0;
        uint16_t p_act = start;
        bool prev_valid = false;
        uint16_t i;
        for(i = 0; i < chart->point_cnt; i++) {
            p_act = (uint16_t)(((uint32_t)start + i) % chart->point_cnt);
            bool act_valid = ser->y_points[p_act] != LV_CHART_POINT_NONE;
            if(chart->type == LV_CHART_TYPE_SCATTER && ser->x_points[p_act] == LV_CHART_POINT_NONE) act_valid = false;

            p1 = p2;
            if(chart->type == LV_CHART_TYPE_SCATTER) p2.x = map_value(ser->x_points[p_act], xmin, xmax, w) + x_ofs;
            else p2.x = (lv_coord_t)(chart->point_cnt > 1 ? ((int32_t)w * i) / (chart->point_cnt - 1) : 0) + x_ofs;
            p2.y = (lv_coord_t)(h - map_value(ser->y_points[p_act], ymin, ymax, h) + y_ofs);

            if(i != 0) {
                lv_area_t point_area;
                point_area.x1 = p1.x - point_w;
                point_area.x2 = p1.x + point_w;
                point_area.y1 = p1.y - point_h;
                point_area.y2 = p1.y + point_h;

                part_dsc.id = i - 1u;
                part_dsc.p1 = prev_valid ? &p1 : NULL;
                part_dsc.p2 = act_valid ? &p2 : NULL;
                part_dsc.draw_area = &point_area;
                part_dsc.value = ser->y_points[p_prev];

                lv_event_send(obj, LV_EVENT_DRAW_PART_BEGIN, &part_dsc);
                if(prev_valid && act_valid) lv_draw_line(draw_ctx, &line_dsc_default, &p1, &p2);
                if(prev_valid && point_w && point_h) lv_draw_rect(draw_ctx, &point_dsc_default, &point_area);
                lv_event_send(obj, LV_EVENT_DRAW_PART_END, &part_dsc);
            }
            p_prev = p_act;
            prev_valid = act_valid;
        }

        /*The last point has no segment after it*/
        if(prev_valid && point_w && point_h) {
            lv_area_t point_area;
            point_area.x1 = p2.x - point_w;
            point_area.x2 = p2.x + point_w;
            point_area.y1 = p2.y - point_h;
            point_area.y2 = p2.y + point_h;

            part_dsc.id = chart->point_cnt - 1u;
            part_dsc.p1 = NULL;
            part_dsc.p2 = NULL;
            part_dsc.draw_area = &point_area;
            part_dsc.value = ser->y_points[p_act];
            lv_event_send(obj, LV_EVENT_DRAW_PART_BEGIN, &part_dsc);
            lv_draw_rect(draw_ctx, &point_dsc_default, &point_area);
            lv_event_send(obj, LV_EVENT_DRAW_PART_END, &part_dsc);
        }
    }

    draw_ctx->clip_area = clip_ori;
}

static void draw_cursors(lv_obj_t * obj, lv_draw_ctx_t * draw_ctx)
{
    lv_chart_t * chart = (lv_chart_t *)obj;
    if(_lv_ll_is_empty(&chart->cursor_ll)) return;

    lv_area_t clip_area;
    if(!_lv_area_intersect(&clip_area, &obj->coords, draw_ctx->clip_area)) return;
    const lv_area_t * clip_ori = draw_ctx->clip_area;
    draw_ctx->clip_area = &clip_area;

    lv_draw_line_dsc_t line_dsc_ori;
    lv_draw_line_dsc_init(&line_dsc_ori);
    lv_obj_init_draw_line_dsc(obj, LV_PART_CURSOR, &line_dsc_ori);

    lv_draw_rect_dsc_t point_dsc_ori;
    lv_draw_rect_dsc_init(&point_dsc_ori);
    point_dsc_ori.bg_opa = line_dsc_ori.opa;
    point_dsc_ori.radius = LV_RADIUS_CIRCLE;

    lv_coord_t point_w = lv_obj_get_style_width(obj, LV_PART_CURSOR) / 2;
    lv_coord_t point_h = lv_obj_get_style_height(obj, LV_PART_CURSOR) / 2;

    lv_obj_draw_part_dsc_t part_dsc;
    lv_obj_draw_dsc_init(&part_dsc, draw_ctx);
    part_dsc.class_p = MY_CLASS;
    part_dsc.type = LV_CHART_DRAW_PART_CURSOR;
    part_dsc.part = LV_PART_CURSOR;

    lv_chart_cursor_t * cursor;
    _LV_LL_READ_BACK(&chart->cursor_ll, cursor) {
        if(!cursor->pos_set && (cursor->point_id == LV_CHART_POINT_NONE || cursor->ser == NULL)) continue;
        if(cursor->pos_set && (cursor->pos.x == LV_CHART_POINT_NONE || cursor->pos.y == LV_CHART_POINT_NONE)) continue;

        lv_draw_line_dsc_t line_dsc = line_dsc_ori;
        lv_draw_rect_dsc_t point_dsc = point_dsc_ori;
        line_dsc.color = cursor->color;
        point_dsc.bg_color = cursor->color;

        lv_point_t c = lv_chart_get_cursor_point(obj, cursor);
        lv_coord_t cx = c.x + obj->coords.x1;
        lv_coord_t cy = c.y + obj->coords.y1;

        part_dsc.line_dsc = &line_dsc;
        part_dsc.rect_dsc = NULL;
        part_dsc.draw_area = NULL;
        lv_point_t p1;
        lv_point_t p2;
        static const lv_dir_t dirs[4] = {LV_DIR_LEFT, LV_DIR_RIGHT, LV_DIR_TOP, LV_DIR_BOTTOM};
        uint32_t d;
        for(d = 0; d < 4; d++) {
            if(!(cursor->dir & dirs[d])) continue;
            p1.x = cx;
            p1.y = cy;
            p2 = p1;
            if(dirs[d] == LV_DIR_LEFT) p2.x = obj->coords.x1;
            else if(dirs[d] == LV_DIR_RIGHT) p2.x = obj->coords.x2;
            else if(dirs[d] == LV_DIR_TOP) p2.y = obj->coords.y1;
            else p2.y = obj->coords.y2;
            part_dsc.p1 = &p1;
            part_dsc.p2 = &p2;
            lv_event_send(obj, LV_EVENT_DRAW_PART_BEGIN, &part_dsc);
            lv_draw_line(draw_ctx, &line_dsc, &p1, &p2);
            lv_event_send(obj, LV_EVENT_DRAW_PART_END, &part_dsc);
        }

        if(point_w && point_h) {
            lv_area_t point_area;
            point_area.x1 = cx - point_w;
            point_area.x2 = cx + point_w;
            point_area.y1 = cy - point_h;
            point_area.y2 = cy + point_h;
            part_dsc.draw_area = &point_area;
            part_dsc.rect_dsc = &point_dsc;
            part_dsc.line_dsc = NULL;
            part_dsc.p1 = NULL;
            part_dsc.p2 = NULL;
            lv_event_send(obj, LV_EVENT_DRAW_PART_BEGIN, &part_dsc);
            lv_draw_rect(draw_ctx, &point_dsc, &point_area);
            lv_event_send(obj, LV_EVENT_DRAW_PART_END, &part_dsc);
        }
    }

    draw_ctx->clip_area = clip_ori;
}

/*
 * Ticks of a y axis, outside the chart's left (primary) or right (secondary)
 * edge. Every tick is announced with its value; on labelled major ticks the
 * text buffer is handed over too and may be rewritten by the handler before
 * it is measured and drawn.
 */
static void draw_y_ticks(lv_obj_t * obj, lv_draw_ctx_t * draw_ctx, lv_chart_axis_t axis)
{
    lv_chart_t * chart = (lv_chart_t *)obj;
    lv_chart_tick_dsc_t * t = get_tick_dsc(obj, axis);
    if(t == NULL || t->major_cnt <= 1) return;
    if(!t->label_en && !t->major_len && !t->minor_len) return;

    uint8_t sec_axis = axis == LV_CHART_AXIS_PRIMARY_Y ? 0 : 1;
    uint32_t minor_cnt = t->minor_cnt ? t->minor_cnt : 1;

    lv_coord_t border_w = lv_obj_get_style_border_width(obj, LV_PART_MAIN);
    lv_coord_t y_ofs = obj->coords.y1 + lv_obj_get_style_pad_top(obj, LV_PART_MAIN) + border_w -
                       lv_obj_get_scroll_top(obj);
    lv_coord_t h = ((int32_t)lv_obj_get_content_height(obj) * chart->zoom_y) >> 8;
    lv_coord_t x_ofs = sec_axis ? obj->coords.x2 : obj->coords.x1;
    lv_coord_t label_gap = t->label_en ? lv_obj_get_style_pad_left(obj, LV_PART_TICKS) : 0;

    lv_draw_line_dsc_t line_dsc;
    lv_draw_line_dsc_init(&line_dsc);
    lv_obj_init_draw_line_dsc(obj, LV_PART_TICKS, &line_dsc);

    lv_draw_label_dsc_t label_dsc;
    lv_draw_label_dsc_init(&label_dsc);
    lv_obj_init_draw_label_dsc(obj, LV_PART_TICKS, &label_dsc);

    lv_obj_draw_part_dsc_t part_dsc;
    lv_obj_draw_dsc_init(&part_dsc, draw_ctx);
    part_dsc.class_p = MY_CLASS;
    part_dsc.type = LV_CHART_DRAW_PART_TICK_LABEL;
    part_dsc.id = axis;
    part_dsc.part = LV_PART_TICKS;
    part_dsc.line_dsc = &line_dsc;

    uint32_t total = (t->major_cnt - 1) * minor_cnt;
    uint32_t i;
    for(i = 0; i <= total; i++) {
        lv_point_t p1;
        lv_point_t p2;
        p1.y = (lv_coord_t)(y_ofs + ((int32_t)(h - line_dsc.width) * (int32_t)i) / (int32_t)total);
        p2.y = p1.y;
        /*One pixel off the edge so the tick does not cover the border*/
        p1.x = sec_axis ? x_ofs + 1 : x_ofs - 1;
        bool major = (i % minor_cnt) == 0;
        lv_coord_t len = major ? t->major_len : t->minor_len;
        p2.x = sec_axis ? p1.x + len : p1.x - len;

        int32_t tick_value = lv_map((int32_t)(total - i), 0, (int32_t)total, chart->ymin[sec_axis], chart->ymax[sec_axis]);
        part_dsc.value = tick_value;
        part_dsc.p1 = &p1;
        part_dsc.p2 = &p2;

        char buf[LV_CHART_LABEL_MAX_TEXT_LENGTH];
        if(major && t->label_en) {
            lv_snprintf(buf, sizeof(buf), "%" LV_PRId32, tick_value);
            part_dsc.label_dsc = &label_dsc;
            part_dsc.text = buf;
            part_dsc.text_length = LV_CHART_LABEL_MAX_TEXT_LENGTH;
            lv_event_send(obj, LV_EVENT_DRAW_PART_BEGIN, &part_dsc);
            buf[sizeof(buf) - 1] = '\0';

            lv_point_t size;
            lv_txt_get_size(&size, part_dsc.text, label_dsc.font, label_dsc.letter_space, label_dsc.line_space,
                            LV_COORD_MAX, LV_TEXT_FLAG_NONE);
            lv_area_t a;
            a.y1 = p2.y - size.y / 2;
            a.y2 = p2.y + size.y / 2;
            if(!sec_axis) {
                a.x1 = p2.x - size.x - label_gap;
                a.x2 = p2.x - label_gap;
            }
            else {
                a.x1 = p2.x + label_gap;
                a.x2 = p2.x + size.x + label_gap;
            }
            if(a.y2 >= obj->coords.y1 && a.y1 <= obj->coords.y2) {
                lv_draw_label(draw_ctx, &label_dsc, &a, part_dsc.text, NULL);
            }
        }
        else {
            part_dsc.label_dsc = NULL;
            part_dsc.text = NULL;
            part_dsc.text_length = 0;
            lv_event_send(obj, LV_EVENT_DRAW_PART_BEGIN, &part_dsc);
        }

        if(p1.y + line_dsc.width / 2 >= obj->coords.y1 && p2.y - line_dsc.width / 2 <= obj->coords.y2) {
            lv_draw_line(draw_ctx, &line_dsc, &p1, &p2);
        }
        lv_event_send(obj, LV_EVENT_DRAW_PART_END, &part_dsc);
    }
}

static void draw_x_ticks(lv_obj_t * obj, lv_draw_ctx_t * draw_ctx, lv_chart_axis_t axis)
{
    lv_chart_t * chart = (lv_chart_t *)obj;
    lv_chart_tick_dsc_t * t = get_tick_dsc(obj, axis);
    if(t == NULL || t->major_cnt <= 1) return;
    if(!t->label_en && !t->major_len && !t->minor_len) return;

    uint8_t sec_axis = axis == LV_CHART_AXIS_PRIMARY_X ? 0 : 1;
    uint32_t minor_cnt = t->minor_cnt ? t->minor_cnt : 1;

    lv_coord_t border_w = lv_obj_get_style_border_width(obj, LV_PART_MAIN);
    lv_coord_t x_ofs = obj->coords.x1 + lv_obj_get_style_pad_left(obj, LV_PART_MAIN) + border_w -
                       lv_obj_get_scroll_left(obj);
    lv_coord_t w = ((int32_t)lv_obj_get_content_width(obj) * chart->zoom_x) >> 8;
    lv_coord_t y_ofs = sec_axis ? obj->coords.y1 : obj->coords.y2;
    lv_coord_t label_gap = t->label_en ? lv_obj_get_style_pad_bottom(obj, LV_PART_TICKS) : 0;

    lv_draw_line_dsc_t line_dsc;
    lv_draw_line_dsc_init(&line_dsc);
    lv_obj_init_draw_line_dsc(obj, LV_PART_TICKS, &line_dsc);

    lv_draw_label_dsc_t label_dsc;
    lv_draw_label_dsc_init(&label_dsc);
    lv_obj_init_draw_label_dsc(obj, LV_PART_TICKS, &label_dsc);

    lv_obj_draw_part_dsc_t part_dsc;
    lv_obj_draw_dsc_init(&part_dsc, draw_ctx);
    part_dsc.class_p = MY_CLASS;
    part_dsc.type = LV_CHART_DRAW_PART_TICK_LABEL;
    part_dsc.id = axis;
    part_dsc.part = LV_PART_TICKS;
    part_dsc.line_dsc = &line_dsc;

    uint32_t total = (t->major_cnt - 1) * minor_cnt;
    uint32_t i;
    for(i = 0; i <= total; i++) {
        lv_point_t p1;
        lv_point_t p2;
        p1.x = (lv_coord_t)(x_ofs + ((int32_t)(w - line_dsc.width) * (int32_t)i) / (int32_t)total);
        p2.x = p1.x;
        p1.y = sec_axis ? y_ofs - 1 : y_ofs + 1;
        bool major = (i % minor_cnt) == 0;
        lv_coord_t len = major ? t->major_len : t->minor_len;
        p2.y = sec_axis ? p1.y - len : p1.y + len;

        /*Scatter charts have an x value range; the others count points*/
        int32_t tick_value;
        if(chart->type == LV_CHART_TYPE_SCATTER) {
            tick_value = lv_map((int32_t)i, 0, (int32_t)total, chart->xmin[sec_axis], chart->xmax[sec_axis]);
        }
        else {
            tick_value = (int32_t)(i / minor_cnt);
        }
        part_dsc.value = tick_value;
        part_dsc.p1 = &p1;
        part_dsc.p2 = &p2;

        char buf[LV_CHART_LABEL_MAX_TEXT_LENGTH];
        if(major && t->label_en) {
            lv_snprintf(buf, sizeof(buf), "%" LV_PRId32, tick_value);
            part_dsc.label_dsc = &label_dsc;
            part_dsc.text = buf;
            part_dsc.text_length = LV_CHART_LABEL_MAX_TEXT_LENGTH;
            lv_event_send(obj, LV_EVENT_DRAW_PART_BEGIN, &part_dsc);
            buf[sizeof(buf) - 1] = '\0';

            lv_point_t size;
            lv_txt_get_size(&size, part_dsc.text, label_dsc.font, label_dsc.letter_space, label_dsc.line_space,
                            LV_COORD_MAX, LV_TEXT_FLAG_NONE);
            lv_area_t a;
            a.x1 = p2.x - size.x / 2;
            a.x2 = p2.x + size.x / 2;
            if(!sec_axis) {
                a.y1 = p2.y + label_gap;
                a.y2 = a.y1 + size.y;
            }
            else {
                a.y2 = p2.y - label_gap;
                a.y1 = a.y2 - size.y;
            }
            if(a.x2 >= obj->coords.x1 && a.x1 <= obj->coords.x2) {
                lv_draw_label(draw_ctx, &label_dsc, &a, part_dsc.text, NULL);
            }
        }
        else {
            part_dsc.label_dsc = NULL;
            part_dsc.text = NULL;
            part_dsc.text_length = 0;
            lv_event_send(obj, LV_EVENT_DRAW_PART_BEGIN, &part_dsc);
        }

        if(p1.x + line_dsc.width / 2 >= obj->coords.x1 && p2.x - line_dsc.width / 2 <= obj->coords.x2) {
            lv_draw_line(draw_ctx, &line_dsc, &p1, &p2);
        }
        lv_event_send(obj, LV_EVENT_DRAW_PART_END, &part_dsc);
    }
}

static lv_chart_tick_dsc_t * get_tick_dsc(lv_obj_t * obj, lv_chart_axis_t axis)
{
    lv_chart_t * chart = (lv_chart_t *)obj;
    switch(axis) {
        case LV_CHART_AXIS_PRIMARY_Y:
            return &chart->tick[0];
        case LV_CHART_AXIS_PRIMARY_X:
            return &chart->tick[1];
        case LV_CHART_AXIS_SECONDARY_Y:
            return &chart->tick[2];
        case LV_CHART_AXIS_SECONDARY_X:
            return &chart->tick[3];
        default:
            return NULL;
    }
}

/*
 * The point index under x (relative to the chart's left edge, scroll
 * included). Only line charts have evenly spaced points; like upstream,
 * scatter charts answer 0 and leave the search to the application.
 */
static uint32_t get_index_from_x(lv_obj_t * obj, lv_coord_t x)
{
    lv_chart_t * chart = (lv_chart_t *)obj;
    lv_coord_t w = ((int32_t)lv_obj_get_content_width(obj) * chart->zoom_x) >> 8;
    lv_coord_t pad_left = lv_obj_get_style_pad_left(obj, LV_PART_MAIN) +
                          lv_obj_get_style_border_width(obj, LV_PART_MAIN);
    x -= pad_left;

    if(x < 0) return 0;
    if(x > w) return chart->point_cnt - 1u;
    if(chart->type == LV_CHART_TYPE_LINE && chart->point_cnt > 1 && w > 0) {
        return (uint32_t)((x * (chart->point_cnt - 1) + w / 2) / w);
    }
    return 0;
}

/*
 * Resize a point array to new_cnt, unrolling it so that the oldest point
 * (start) comes first; new slots hold LV_CHART_POINT_NONE. On allocation
 * failure the old array is kept and false returned.
 */
static bool realloc_array(lv_coord_t ** arr, uint16_t start, uint16_t old_cnt, uint16_t new_cnt)
{
    lv_coord_t * fresh = lv_mem_alloc(sizeof(lv_coord_t) * new_cnt);
    LV_ASSERT_MALLOC(fresh);
    if(fresh == NULL) return false;

    uint16_t i;
    for(i = 0; i < new_cnt; i++) {
        if(i < old_cnt && *arr) fresh[i] = (*arr)[(start + i) % old_cnt];
        else fresh[i] = LV_CHART_POINT_NONE;
    }
    lv_mem_free(*arr);
    *arr = fresh;
    return true;
}

#endif /*LV_USE_CHART*/
