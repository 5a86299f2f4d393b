/**
 * @file lv_chart.c
 * Chart. The series arrays are the only state that matters for drawing:
 * every frame is worked out again from them in LV_EVENT_DRAW_MAIN, so an
 * application may write the arrays directly and call lv_chart_refresh.
 *
 * Geometry goes through one "plot": the content area, stretched by the
 * zoom and moved by the scroll position. A point is found by its drawing
 * order (0 = leftmost, i.e. the oldest value of a shifting chart), which
 * slot_at() turns into an index of the series' arrays.
 *
 * Everything drawn is announced with LV_EVENT_DRAW_PART_BEGIN/END first, so
 * the application can restyle it or draw beside it: the fan page fills a
 * faded area under each segment of its curve this way.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_chart.h"
#if LV_USE_CHART != 0

#include "../../../core/lv_indev.h"
#include "../../../misc/lv_math.h"
#include "../../../misc/lv_mem.h"
#include "../../../misc/lv_printf.h"

/*********************
 *      DEFINES
 *********************/
#define FRESH_POINT_CNT 10
#define FRESH_HOR_LINES 3
#define FRESH_VER_LINES 5
#define ZOOM_1X 256

/* Drawn positions are kept well inside the coordinate type: a wild value
 * must not wrap round to the other side of the screen. */
#define PLOT_LIMIT (LV_COORD_MAX / 2)

/**********************
 *      TYPEDEFS
 **********************/

/* Screen position and size of the (zoomed, scrolled) plot area. */
typedef struct {
    lv_coord_t left;
    lv_coord_t top;
    lv_coord_t w;
    lv_coord_t h;
} plot_t;

/* One axis: which tick settings and range it uses and which way it runs. */
typedef struct {
    lv_chart_axis_t axis;
    uint8_t tick_idx;       /*into lv_chart_t.tick: primary y, primary x, secondary y, secondary x*/
    uint8_t secondary;      /*index of its range in the min/max arrays*/
    bool vertical;          /*a y axis*/
} axis_info_t;

/* Where the bars of one column go. */
typedef struct {
    uint32_t series_cnt;
    lv_coord_t bar_w;
    lv_coord_t bar_gap;
} bar_layout_t;

/**********************
 *  STATIC PROTOTYPES
 **********************/
static void chart_construct(const lv_obj_class_t * class_p, lv_obj_t * obj);
static void chart_destruct(const lv_obj_class_t * class_p, lv_obj_t * obj);
static void chart_event(const lv_obj_class_t * class_p, lv_event_t * e);

static lv_chart_t * as_chart(lv_obj_t * obj);
static void redraw(lv_obj_t * obj);
static void get_plot(lv_obj_t * obj, plot_t * pl);
static uint16_t slot_at(const lv_chart_t * chart, const lv_chart_series_t * ser, uint32_t order);
static bool is_present(const lv_chart_t * chart, const lv_chart_series_t * ser, uint16_t slot);
static lv_coord_t scale(int32_t v, int32_t lo, int32_t hi, lv_coord_t span);
static lv_point_t point_at(lv_obj_t * obj, const plot_t * pl, const lv_chart_series_t * ser, uint32_t order);
static const axis_info_t * find_axis(lv_chart_axis_t axis);
static uint32_t visible_series_index(lv_chart_t * chart, const lv_chart_series_t * ser, uint32_t * total);
static void column_span(const lv_chart_t * chart, const plot_t * pl, lv_coord_t gap, uint32_t order, lv_coord_t * x1,
                        lv_coord_t * x2);
static void bars_in_column(lv_obj_t * obj, lv_coord_t column_w, bar_layout_t * bl);
static uint32_t order_under(lv_obj_t * obj, lv_coord_t x);
static bool resize_points(lv_coord_t ** arr, uint16_t old_cnt, uint16_t new_cnt, uint16_t first);
static void free_series_arrays(lv_chart_series_t * ser);
static void adopt_array(lv_chart_series_t * ser, bool x_values, lv_coord_t * array);

static void announce(lv_obj_t * obj, lv_obj_draw_part_dsc_t * dsc, bool begin);
static void draw_grid(lv_obj_t * obj, lv_draw_ctx_t * draw_ctx);
static void draw_lines_and_points(lv_obj_t * obj, lv_draw_ctx_t * draw_ctx);
static void draw_bars(lv_obj_t * obj, lv_draw_ctx_t * draw_ctx);
static void draw_cursors(lv_obj_t * obj, lv_draw_ctx_t * draw_ctx);
static void draw_axis(lv_obj_t * obj, lv_draw_ctx_t * draw_ctx, const axis_info_t * ax);

/**********************
 *  STATIC VARIABLES
 **********************/
static const axis_info_t all_axes[4] = {
    {LV_CHART_AXIS_PRIMARY_Y, 0, 0, true},
    {LV_CHART_AXIS_SECONDARY_Y, 2, 1, true},
    {LV_CHART_AXIS_PRIMARY_X, 1, 0, false},
    {LV_CHART_AXIS_SECONDARY_X, 3, 1, false},
};

const lv_obj_class_t lv_chart_class = {
    .constructor_cb = chart_construct,
    .destructor_cb = chart_destruct,
    .event_cb = chart_event,
    .width_def = LV_PCT(100),
    .height_def = 2 * LV_DPI_DEF,
    .instance_size = sizeof(lv_chart_t),
    .base_class = &lv_obj_class
};

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

lv_obj_t * lv_chart_create(lv_obj_t * parent)
{
    lv_obj_t * chart = lv_obj_class_create_obj(&lv_chart_class, parent);
    if(chart != NULL) lv_obj_class_init_obj(chart);
    return chart;
}

void lv_chart_set_type(lv_obj_t * obj, lv_chart_type_t type)
{
    lv_chart_t * c = as_chart(obj);
    if(c->type == type) return;
    c->type = type;
    redraw(obj);
}

/*
 * A shifting chart shows its arrays as a ring starting at start_point; a
 * new count unrolls the ring so the oldest value comes first, keeps as many
 * values as fit and marks new slots empty. A circular chart shows the arrays
 * as they are, so they keep their order and the write position stays where
 * it was (or restarts at 0 when it falls off the end). Application arrays
 * cannot be resized here: the application must give them room for the new
 * count, and they, and the series using them, keep their order.
 */
void lv_chart_set_point_count(lv_obj_t * obj, uint16_t cnt)
{
    lv_chart_t * c = as_chart(obj);
    if(cnt == 0) cnt = 1;
    if(c->point_cnt == cnt) return;

    bool fits = true;
    lv_chart_series_t * ser;
    _LV_LL_READ(&c->series_ll, ser) {
        bool own_arrays = !ser->y_ext_buf_assigned && !ser->x_ext_buf_assigned;
        bool unroll = own_arrays && c->update_mode == LV_CHART_UPDATE_MODE_SHIFT;
        uint16_t first = unroll ? ser->start_point : 0;
        if(!ser->y_ext_buf_assigned) fits = resize_points(&ser->y_points, c->point_cnt, cnt, first) && fits;
        if(!ser->x_ext_buf_assigned) fits = resize_points(&ser->x_points, c->point_cnt, cnt, first) && fits;
        if(unroll || ser->start_point >= cnt) ser->start_point = 0;
    }

    /*Out of memory: every array still holds at least the smaller count*/
    c->point_cnt = fits ? cnt : LV_MIN(cnt, c->point_cnt);
    redraw(obj);
}

/* An empty range is widened by one: mapping onto it would divide by zero. */
void lv_chart_set_range(lv_obj_t * obj, lv_chart_axis_t axis, lv_coord_t min, lv_coord_t max)
{
    const axis_info_t * ax = find_axis(axis);
    if(ax == NULL) return;
    lv_chart_t * c = as_chart(obj);
    lv_coord_t * lo = ax->vertical ? c->ymin : c->xmin;
    lv_coord_t * hi = ax->vertical ? c->ymax : c->xmax;
    lo[ax->secondary] = min;
    hi[ax->secondary] = max != min ? max : (lv_coord_t)(min + 1);
    redraw(obj);
}

void lv_chart_set_update_mode(lv_obj_t * obj, lv_chart_update_mode_t update_mode)
{
    lv_chart_t * c = as_chart(obj);
    if(c->update_mode == update_mode) return;
    c->update_mode = update_mode;
    redraw(obj);
}

void lv_chart_set_div_line_count(lv_obj_t * obj, uint8_t hdiv, uint8_t vdiv)
{
    lv_chart_t * c = as_chart(obj);
    if(c->hdiv_cnt == hdiv && c->vdiv_cnt == vdiv) return;
    c->hdiv_cnt = hdiv;
    c->vdiv_cnt = vdiv;
    redraw(obj);
}

/* Zooming changes the self size reported to the scroll logic, so it scrolls. */
void lv_chart_set_zoom_x(lv_obj_t * obj, uint16_t zoom_x)
{
    lv_chart_t * c = as_chart(obj);
    if(c->zoom_x == zoom_x) return;
    c->zoom_x = zoom_x;
    lv_obj_refresh_self_size(obj);
    lv_obj_update_layout(obj);
    redraw(obj);
}

void lv_chart_set_zoom_y(lv_obj_t * obj, uint16_t zoom_y)
{
    lv_chart_t * c = as_chart(obj);
    if(c->zoom_y == zoom_y) return;
    c->zoom_y = zoom_y;
    lv_obj_refresh_self_size(obj);
    lv_obj_update_layout(obj);
    redraw(obj);
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
    const axis_info_t * ax = find_axis(axis);
    if(ax == NULL) return;
    lv_chart_tick_dsc_t fresh;
    lv_memset_00(&fresh, sizeof(fresh));
    fresh.major_len = major_len;
    fresh.minor_len = minor_len;
    fresh.major_cnt = (uint32_t)LV_MAX(major_cnt, 0);
    fresh.minor_cnt = (uint32_t)LV_MAX(minor_cnt, 0);
    fresh.label_en = label_en ? 1 : 0;
    fresh.draw_size = draw_size;
    as_chart(obj)->tick[ax->tick_idx] = fresh;

    /*Ticks and labels live outside the box: the extra draw size makes room for them*/
    lv_obj_refresh_ext_draw_size(obj);
    redraw(obj);
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

/*
 * `id` counts in drawing order, like the points on the screen: in a shifting
 * chart 0 is the oldest value, wherever the ring has put it. The position is
 * where the point is drawn, so it may lie outside the chart for a value
 * outside the range.
 */
void lv_chart_get_point_pos_by_id(lv_obj_t * obj, lv_chart_series_t * ser, uint16_t id, lv_point_t * p_out)
{
    lv_point_t rel = {0, 0};
    if(ser != NULL && id < as_chart(obj)->point_cnt) {
        plot_t pl;
        get_plot(obj, &pl);
        lv_point_t on_screen = point_at(obj, &pl, ser, id);
        rel.x = (lv_coord_t)(on_screen.x - obj->coords.x1);
        rel.y = (lv_coord_t)(on_screen.y - obj->coords.y1);
    }
    *p_out = rel;
}

void lv_chart_refresh(lv_obj_t * obj)
{
    redraw(obj);
}

/*
 * Both arrays are allocated for every chart type (a chart may become a
 * scatter chart later) and start out empty.
 */
lv_chart_series_t * lv_chart_add_series(lv_obj_t * obj, lv_color_t color, lv_chart_axis_t axis)
{
    lv_chart_t * c = as_chart(obj);
    lv_chart_series_t * s = _lv_ll_ins_tail(&c->series_ll);
    LV_ASSERT_MALLOC(s);
    if(s == NULL) return NULL;

    lv_memset_00(s, sizeof(lv_chart_series_t));
    s->color = color;
    s->y_axis_sec = (axis & LV_CHART_AXIS_SECONDARY_Y) != 0;
    s->x_axis_sec = (axis & LV_CHART_AXIS_SECONDARY_X) != 0;
    if(resize_points(&s->y_points, 0, c->point_cnt, 0) && resize_points(&s->x_points, 0, c->point_cnt, 0)) return s;

    free_series_arrays(s);
    _lv_ll_remove(&c->series_ll, s);
    lv_mem_free(s);
    return NULL;
}

/* Cursors that followed the series stop showing instead of reading freed memory. */
void lv_chart_remove_series(lv_obj_t * obj, lv_chart_series_t * series)
{
    if(series == NULL) return;
    lv_chart_t * c = as_chart(obj);

    lv_chart_cursor_t * follower;
    _LV_LL_READ(&c->cursor_ll, follower) {
        if(follower->ser != series) continue;
        follower->ser = NULL;
        follower->point_id = LV_CHART_POINT_NONE;
    }
    free_series_arrays(series);
    _lv_ll_remove(&c->series_ll, series);
    lv_mem_free(series);
    redraw(obj);
}

void lv_chart_hide_series(lv_obj_t * chart, lv_chart_series_t * series, bool hide)
{
    series->hidden = hide;
    redraw(chart);
}

void lv_chart_set_series_color(lv_obj_t * chart, lv_chart_series_t * series, lv_color_t color)
{
    series->color = color;
    redraw(chart);
}

/* Where the ring of a shifting chart starts, i.e. where lv_chart_set_next_value writes next. */
void lv_chart_set_x_start_point(lv_obj_t * obj, lv_chart_series_t * ser, uint16_t id)
{
    if(id < as_chart(obj)->point_cnt) {
        ser->start_point = id;
        redraw(obj);
    }
}

/* Series are kept in the order they were added. */
lv_chart_series_t * lv_chart_get_series_next(const lv_obj_t * chart, const lv_chart_series_t * ser)
{
    const lv_ll_t * all = &((const lv_chart_t *)chart)->series_ll;
    return ser == NULL ? _lv_ll_get_head(all) : _lv_ll_get_next(all, ser);
}

/* Hidden until it gets a position or a point. */
lv_chart_cursor_t * lv_chart_add_cursor(lv_obj_t * obj, lv_color_t color, lv_dir_t dir)
{
    lv_chart_cursor_t * cur = _lv_ll_ins_tail(&as_chart(obj)->cursor_ll);
    LV_ASSERT_MALLOC(cur);
    if(cur == NULL) return NULL;

    lv_memset_00(cur, sizeof(lv_chart_cursor_t));
    cur->color = color;
    cur->dir = dir;
    cur->point_id = LV_CHART_POINT_NONE;
    cur->pos.x = LV_CHART_POINT_NONE;
    cur->pos.y = LV_CHART_POINT_NONE;
    return cur;
}

void lv_chart_set_cursor_pos(lv_obj_t * chart, lv_chart_cursor_t * cursor, lv_point_t * pos)
{
    cursor->pos = *pos;
    cursor->pos_set = 1;
    redraw(chart);
}

/* Without a series the first one is followed. */
void lv_chart_set_cursor_point(lv_obj_t * chart, lv_chart_cursor_t * cursor, lv_chart_series_t * ser,
                               uint16_t point_id)
{
    cursor->ser = ser != NULL ? ser : lv_chart_get_series_next(chart, NULL);
    cursor->point_id = point_id;
    cursor->pos_set = 0;
    redraw(chart);
}

lv_point_t lv_chart_get_cursor_point(lv_obj_t * chart, lv_chart_cursor_t * cursor)
{
    lv_point_t at = cursor->pos;
    bool follows_point = !cursor->pos_set && cursor->ser != NULL && cursor->point_id != LV_CHART_POINT_NONE;
    if(follows_point) lv_chart_get_point_pos_by_id(chart, cursor->ser, cursor->point_id, &at);
    return at;
}

void lv_chart_set_all_value(lv_obj_t * obj, lv_chart_series_t * ser, lv_coord_t value)
{
    uint16_t n = as_chart(obj)->point_cnt;
    for(uint16_t k = 0; k < n; k++) ser->y_points[k] = value;
    ser->start_point = 0;
    redraw(obj);
}

/* The value goes where start_point is, which then moves on by one (round the ring). */
void lv_chart_set_next_value(lv_obj_t * obj, lv_chart_series_t * ser, lv_coord_t value)
{
    uint16_t at = ser->start_point;
    ser->y_points[at] = value;
    ser->start_point = (uint16_t)((at + 1u) % as_chart(obj)->point_cnt);
    redraw(obj);
}

/* Only scatter charts use x values. */
void lv_chart_set_next_value2(lv_obj_t * obj, lv_chart_series_t * ser, lv_coord_t x_value, lv_coord_t y_value)
{
    if(as_chart(obj)->type != LV_CHART_TYPE_SCATTER) return;
    ser->x_points[ser->start_point] = x_value;
    lv_chart_set_next_value(obj, ser, y_value);
}

/* `id` is an index of the array, not a drawing position. */
void lv_chart_set_value_by_id(lv_obj_t * obj, lv_chart_series_t * ser, uint16_t id, lv_coord_t value)
{
    if(id >= as_chart(obj)->point_cnt) return;
    ser->y_points[id] = value;
    redraw(obj);
}

void lv_chart_set_value_by_id2(lv_obj_t * obj, lv_chart_series_t * ser, uint16_t id, lv_coord_t x_value,
                               lv_coord_t y_value)
{
    lv_chart_t * c = as_chart(obj);
    if(c->type != LV_CHART_TYPE_SCATTER || id >= c->point_cnt) return;
    ser->x_points[id] = x_value;
    lv_chart_set_value_by_id(obj, ser, id, y_value);
}

/* The application's array replaces the series' own, which is freed (an earlier application array is not). */
void lv_chart_set_ext_y_array(lv_obj_t * obj, lv_chart_series_t * ser, lv_coord_t array[])
{
    adopt_array(ser, false, array);
    redraw(obj);
}

void lv_chart_set_ext_x_array(lv_obj_t * obj, lv_chart_series_t * ser, lv_coord_t array[])
{
    adopt_array(ser, true, array);
    redraw(obj);
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

static lv_chart_t * as_chart(lv_obj_t * obj)
{
    return (lv_chart_t *)obj;
}

/* Any change of data or settings redraws the whole chart: everything is drawn from the arrays. */
static void redraw(lv_obj_t * obj)
{
    lv_obj_invalidate(obj);
}

/* A line chart of 10 points on 0..100 axes with 3 x 5 division lines, no ticks. */
static void chart_construct(const lv_obj_class_t * class_p, lv_obj_t * obj)
{
    LV_UNUSED(class_p);
    lv_chart_t * c = as_chart(obj);
    _lv_ll_init(&c->series_ll, sizeof(lv_chart_series_t));
    _lv_ll_init(&c->cursor_ll, sizeof(lv_chart_cursor_t));
    lv_memset_00(c->tick, sizeof(c->tick));
    for(int k = 0; k < 2; k++) {
        c->ymin[k] = 0;
        c->xmin[k] = 0;
        c->ymax[k] = 100;
        c->xmax[k] = 100;
    }
    c->point_cnt = FRESH_POINT_CNT;
    c->hdiv_cnt = FRESH_HOR_LINES;
    c->vdiv_cnt = FRESH_VER_LINES;
    c->zoom_x = ZOOM_1X;
    c->zoom_y = ZOOM_1X;
    c->type = LV_CHART_TYPE_LINE;
    c->update_mode = LV_CHART_UPDATE_MODE_SHIFT;
    c->pressed_point_id = LV_CHART_POINT_NONE;
}

static void chart_destruct(const lv_obj_class_t * class_p, lv_obj_t * obj)
{
    LV_UNUSED(class_p);
    lv_chart_t * c = as_chart(obj);
    lv_chart_series_t * ser;
    _LV_LL_READ(&c->series_ll, ser) free_series_arrays(ser);
    _lv_ll_clear(&c->series_ll);
    _lv_ll_clear(&c->cursor_ll);
}

/*
 * Pressing picks the point under the pointer (announced with
 * LV_EVENT_VALUE_CHANGED when it is a different one); releasing forgets it.
 * Events the application sends itself, with no input device at work, leave
 * the chart alone.
 */
static void chart_event(const lv_obj_class_t * class_p, lv_event_t * e)
{
    LV_UNUSED(class_p);
    if(lv_obj_event_base(&lv_chart_class, e) != LV_RES_OK) return;

    lv_obj_t * obj = lv_event_get_target(e);
    lv_chart_t * c = as_chart(obj);
    switch(lv_event_get_code(e)) {
        case LV_EVENT_PRESSED: {
                lv_indev_t * pointer = lv_indev_get_act();
                if(pointer == NULL) break;
                lv_point_t at;
                lv_indev_get_point(pointer, &at);
                uint32_t order = order_under(obj, at.x);
                if(order == c->pressed_point_id) break;
                c->pressed_point_id = (uint16_t)order;
                redraw(obj);
                lv_event_send(obj, LV_EVENT_VALUE_CHANGED, NULL);
                break;
            }
        case LV_EVENT_RELEASED:
            c->pressed_point_id = LV_CHART_POINT_NONE;
            redraw(obj);
            break;
        case LV_EVENT_SIZE_CHANGED:
            lv_obj_refresh_self_size(obj);
            break;
        case LV_EVENT_REFR_EXT_DRAW_SIZE: {
                lv_coord_t * size = lv_event_get_param(e);
                for(int k = 0; k < 4; k++) *size = LV_MAX(*size, c->tick[k].draw_size);
                break;
            }
        case LV_EVENT_GET_SELF_SIZE: {
                lv_point_t * self = lv_event_get_param(e);
                self->x = (lv_coord_t)LV_MAX(self->x, (int32_t)lv_obj_get_content_width(obj) * c->zoom_x / ZOOM_1X);
                self->y = (lv_coord_t)LV_MAX(self->y, (int32_t)lv_obj_get_content_height(obj) * c->zoom_y / ZOOM_1X);
                break;
            }
        case LV_EVENT_DRAW_MAIN: {
                lv_draw_ctx_t * draw_ctx = lv_event_get_draw_ctx(e);
                draw_grid(obj, draw_ctx);
                for(int k = 0; k < 4; k++) draw_axis(obj, draw_ctx, &all_axes[k]);
                if(c->type == LV_CHART_TYPE_BAR) draw_bars(obj, draw_ctx);
                else if(c->type != LV_CHART_TYPE_NONE) draw_lines_and_points(obj, draw_ctx);
                draw_cursors(obj, draw_ctx);
                break;
            }
        default:
            break;
    }
}

/*----------------------------------------------------------------
 * Geometry
 *----------------------------------------------------------------*/

static void get_plot(lv_obj_t * obj, plot_t * pl)
{
    lv_chart_t * c = as_chart(obj);
    lv_coord_t border = lv_obj_get_style_border_width(obj, LV_PART_MAIN);
    pl->left = (lv_coord_t)(obj->coords.x1 + border + lv_obj_get_style_pad_left(obj, LV_PART_MAIN) -
                            lv_obj_get_scroll_x(obj));
    pl->top = (lv_coord_t)(obj->coords.y1 + border + lv_obj_get_style_pad_top(obj, LV_PART_MAIN) -
                           lv_obj_get_scroll_y(obj));
    pl->w = (lv_coord_t)((int32_t)lv_obj_get_content_width(obj) * c->zoom_x / ZOOM_1X);
    pl->h = (lv_coord_t)((int32_t)lv_obj_get_content_height(obj) * c->zoom_y / ZOOM_1X);
}

/* The array index of the point drawn `order`-th: a shifting chart starts at its oldest value. */
static uint16_t slot_at(const lv_chart_t * chart, const lv_chart_series_t * ser, uint32_t order)
{
    uint32_t first = chart->update_mode == LV_CHART_UPDATE_MODE_SHIFT ? ser->start_point : 0;
    return (uint16_t)((first + order) % chart->point_cnt);
}

static bool is_present(const lv_chart_t * chart, const lv_chart_series_t * ser, uint16_t slot)
{
    if(ser->y_points[slot] == LV_CHART_POINT_NONE) return false;
    return chart->type != LV_CHART_TYPE_SCATTER || ser->x_points[slot] != LV_CHART_POINT_NONE;
}

/* `v` on the range lo..hi as a distance along `span` pixels (lo at 0); not clipped to the span. */
static lv_coord_t scale(int32_t v, int32_t lo, int32_t hi, lv_coord_t span)
{
    if(hi == lo) return 0;
    int64_t d = ((int64_t)v - lo) * span / ((int64_t)hi - lo);
    return (lv_coord_t)LV_CLAMP(-PLOT_LIMIT, d, PLOT_LIMIT);
}

/*
 * Screen position of a point. Line charts spread the points evenly over the
 * width, scatter charts place them by their x value, bar charts at the
 * middle of the series' bar. y grows upwards from the plot's bottom.
 */
static lv_point_t point_at(lv_obj_t * obj, const plot_t * pl, const lv_chart_series_t * ser, uint32_t order)
{
    lv_chart_t * c = as_chart(obj);
    uint16_t slot = slot_at(c, ser, order);
    lv_point_t p;

    if(c->type == LV_CHART_TYPE_SCATTER) {
        p.x = scale(ser->x_points[slot], c->xmin[ser->x_axis_sec], c->xmax[ser->x_axis_sec], pl->w);
    }
    else if(c->type == LV_CHART_TYPE_BAR) {
        lv_coord_t x1;
        lv_coord_t x2;
        column_span(c, pl, lv_obj_get_style_pad_column(obj, LV_PART_MAIN), order, &x1, &x2);
        bar_layout_t bl;
        bars_in_column(obj, (lv_coord_t)(x2 - x1 + 1), &bl);
        uint32_t k = visible_series_index(c, ser, NULL);
        p.x = (lv_coord_t)(x1 - pl->left + (lv_coord_t)k * (bl.bar_w + bl.bar_gap) + bl.bar_w / 2);
    }
    else {
        p.x = c->point_cnt > 1 ? (lv_coord_t)((int32_t)pl->w * (int32_t)order / (c->point_cnt - 1)) : 0;
    }
    p.y = (lv_coord_t)(pl->h - scale(ser->y_points[slot], c->ymin[ser->y_axis_sec], c->ymax[ser->y_axis_sec], pl->h));
    p.x = (lv_coord_t)(p.x + pl->left);
    p.y = (lv_coord_t)(p.y + pl->top);
    return p;
}

static const axis_info_t * find_axis(lv_chart_axis_t axis)
{
    for(int k = 0; k < 4; k++) {
        if(all_axes[k].axis == axis) return &all_axes[k];
    }
    return NULL;
}

/* Position of `ser` among the shown series (its bar's place in a column), and their number. */
static uint32_t visible_series_index(lv_chart_t * chart, const lv_chart_series_t * ser, uint32_t * total)
{
    uint32_t before = 0;
    uint32_t shown = 0;
    bool passed = false;
    lv_chart_series_t * s;
    _LV_LL_READ(&chart->series_ll, s) {
        if(s == ser) passed = true;
        if(s->hidden) continue;
        if(!passed) before++;
        shown++;
    }
    if(total != NULL) *total = shown;
    return before;
}

/*
 * Screen x range of column `order` of a bar chart: the plot width split
 * into equal columns with `gap` between them, the rounding spread evenly.
 */
static void column_span(const lv_chart_t * chart, const plot_t * pl, lv_coord_t gap, uint32_t order, lv_coord_t * x1,
                        lv_coord_t * x2)
{
    int32_t pitch_total = (int32_t)pl->w + gap;
    int32_t cnt = chart->point_cnt;
    *x1 = (lv_coord_t)(pl->left + pitch_total * (int32_t)order / cnt);
    *x2 = (lv_coord_t)(pl->left + pitch_total * (int32_t)(order + 1) / cnt - gap - 1);
}

/* The shown series share a column, `pad_column` of the items part apart. */
static void bars_in_column(lv_obj_t * obj, lv_coord_t column_w, bar_layout_t * bl)
{
    visible_series_index(as_chart(obj), NULL, &bl->series_cnt);
    bl->bar_gap = lv_obj_get_style_pad_column(obj, LV_PART_ITEMS);
    uint32_t n = LV_MAX(bl->series_cnt, 1);
    bl->bar_w = (lv_coord_t)LV_MAX((column_w - (lv_coord_t)(n - 1) * bl->bar_gap) / (lv_coord_t)n, 1);
}

/*
 * The drawing order of the point under screen x. Line charts take the
 * nearest of their evenly spaced points and bar charts the column; a scatter
 * chart takes the point of its first shown series nearest in x.
 */
static uint32_t order_under(lv_obj_t * obj, lv_coord_t x)
{
    lv_chart_t * c = as_chart(obj);
    plot_t pl;
    get_plot(obj, &pl);
    int32_t rel = x - pl.left;
    if(pl.w <= 0) return 0;

    if(c->type == LV_CHART_TYPE_BAR) {
        int32_t pitch_total = (int32_t)pl.w + lv_obj_get_style_pad_column(obj, LV_PART_MAIN);
        int32_t col = pitch_total > 0 ? rel * c->point_cnt / pitch_total : 0;
        return (uint32_t)LV_CLAMP(0, col, c->point_cnt - 1);
    }
    if(c->type == LV_CHART_TYPE_SCATTER) {
        lv_chart_series_t * ser;
        _LV_LL_READ(&c->series_ll, ser) {
            if(!ser->hidden) break;
        }
        if(ser == NULL) return LV_CHART_POINT_NONE;
        uint32_t best = LV_CHART_POINT_NONE;
        int32_t best_d = INT32_MAX;
        for(uint32_t k = 0; k < c->point_cnt; k++) {
            if(!is_present(c, ser, slot_at(c, ser, k))) continue;
            int32_t d = LV_ABS(point_at(obj, &pl, ser, k).x - x);
            if(d < best_d) {
                best_d = d;
                best = k;
            }
        }
        return best;
    }
    if(rel <= 0 || c->point_cnt < 2) return 0;
    if(rel >= pl.w) return c->point_cnt - 1u;
    return (uint32_t)((rel * (c->point_cnt - 1) + pl.w / 2) / pl.w);
}

/*
 * Give an array `new_cnt` slots: the values from slot `first` onwards (round
 * the ring) come first, new slots are empty. With `*arr` NULL or `old_cnt`
 * 0 the array starts empty. On failure the old array stays and false is
 * returned.
 */
static bool resize_points(lv_coord_t ** arr, uint16_t old_cnt, uint16_t new_cnt, uint16_t first)
{
    lv_coord_t * fresh = lv_mem_alloc(sizeof(lv_coord_t) * new_cnt);
    LV_ASSERT_MALLOC(fresh);
    if(fresh == NULL) return false;

    uint16_t kept = (*arr != NULL) ? LV_MIN(old_cnt, new_cnt) : 0;
    for(uint16_t k = 0; k < kept; k++) fresh[k] = (*arr)[(first + k) % old_cnt];
    for(uint16_t k = kept; k < new_cnt; k++) fresh[k] = LV_CHART_POINT_NONE;
    lv_mem_free(*arr);
    *arr = fresh;
    return true;
}

/* Only the arrays the chart allocated itself are freed. */
static void free_series_arrays(lv_chart_series_t * ser)
{
    if(!ser->x_ext_buf_assigned) lv_mem_free(ser->x_points);
    if(!ser->y_ext_buf_assigned) lv_mem_free(ser->y_points);
    ser->x_points = NULL;
    ser->y_points = NULL;
}

static void adopt_array(lv_chart_series_t * ser, bool x_values, lv_coord_t * array)
{
    bool own = x_values ? !ser->x_ext_buf_assigned : !ser->y_ext_buf_assigned;
    lv_coord_t ** slot = x_values ? &ser->x_points : &ser->y_points;
    if(own) lv_mem_free(*slot);
    *slot = array;
    if(x_values) ser->x_ext_buf_assigned = 1;
    else ser->y_ext_buf_assigned = 1;
}

/*----------------------------------------------------------------
 * Drawing
 *----------------------------------------------------------------*/

static void announce(lv_obj_t * obj, lv_obj_draw_part_dsc_t * dsc, bool begin)
{
    lv_event_send(obj, begin ? LV_EVENT_DRAW_PART_BEGIN : LV_EVENT_DRAW_PART_END, dsc);
}

/*
 * Division lines in the main part's line style, spread over the plot (so
 * they zoom and scroll with it) and reaching across the whole box. A line
 * that would fall on a drawn border side is left to the border. One
 * DIV_LINE_INIT announcement before and after lets a handler style them all.
 */
static void draw_grid(lv_obj_t * obj, lv_draw_ctx_t * draw_ctx)
{
    lv_chart_t * c = as_chart(obj);
    lv_area_t inside;
    if(!_lv_area_intersect(&inside, &obj->coords, draw_ctx->clip_area)) return;
    const lv_area_t * outer_clip = draw_ctx->clip_area;
    draw_ctx->clip_area = &inside;

    plot_t pl;
    get_plot(obj, &pl);
    lv_draw_line_dsc_t line;
    lv_draw_line_dsc_init(&line);
    lv_obj_init_draw_line_dsc(obj, LV_PART_MAIN, &line);

    bool border_drawn = lv_obj_get_style_border_width(obj, LV_PART_MAIN) > 0 &&
                        lv_obj_get_style_border_opa(obj, LV_PART_MAIN) > LV_OPA_MIN;
    lv_border_side_t sides = border_drawn ? lv_obj_get_style_border_side(obj, LV_PART_MAIN) : LV_BORDER_SIDE_NONE;

    lv_obj_draw_part_dsc_t part;
    lv_obj_draw_dsc_init(&part, draw_ctx);
    part.class_p = &lv_chart_class;
    part.part = LV_PART_MAIN;
    part.line_dsc = &line;
    part.type = LV_CHART_DRAW_PART_DIV_LINE_INIT;
    part.id = 0xFFFFFFFFu;
    announce(obj, &part, true);

    for(int vertical = 0; vertical < 2; vertical++) {
        uint32_t cnt = vertical ? c->vdiv_cnt : c->hdiv_cnt;
        if(cnt < 2) continue;
        lv_border_side_t first_side = vertical ? LV_BORDER_SIDE_LEFT : LV_BORDER_SIDE_TOP;
        lv_border_side_t last_side = vertical ? LV_BORDER_SIDE_RIGHT : LV_BORDER_SIDE_BOTTOM;
        part.type = vertical ? LV_CHART_DRAW_PART_DIV_LINE_VER : LV_CHART_DRAW_PART_DIV_LINE_HOR;

        for(uint32_t k = 0; k < cnt; k++) {
            lv_point_t a;
            lv_point_t b;
            if(vertical) {
                a.x = (lv_coord_t)(pl.left + (int32_t)pl.w * (int32_t)k / (int32_t)(cnt - 1));
                b.x = a.x;
                a.y = obj->coords.y1;
                b.y = obj->coords.y2;
            }
            else {
                a.y = (lv_coord_t)(pl.top + (int32_t)pl.h * (int32_t)k / (int32_t)(cnt - 1));
                b.y = a.y;
                a.x = obj->coords.x1;
                b.x = obj->coords.x2;
            }
            part.id = k;
            part.p1 = &a;
            part.p2 = &b;
            announce(obj, &part, true);
            bool under_border = (k == 0 && (sides & first_side)) || (k == cnt - 1 && (sides & last_side));
            if(!under_border) lv_draw_line(draw_ctx, &line, &a, &b);
            announce(obj, &part, false);
        }
    }

    part.type = LV_CHART_DRAW_PART_DIV_LINE_INIT;
    part.id = 0xFFFFFFFFu;
    part.p1 = NULL;
    part.p2 = NULL;
    announce(obj, &part, false);
    draw_ctx->clip_area = outer_clip;
}

/*
 * Line and scatter series, in the order they were added. Segment k joins the
 * points drawn k-th and (k+1)-th and is announced with p1 and p2 at those
 * points (NULL for a missing one, which breaks the line), id k, the value of
 * its first point and draw_area at that point's dot, so a handler can draw
 * under the segment before line and dot go on top. The last point has no
 * segment and gets an announcement of its own without p1 and p2.
 */
static void draw_lines_and_points(lv_obj_t * obj, lv_draw_ctx_t * draw_ctx)
{
    lv_chart_t * c = as_chart(obj);
    lv_area_t inside;
    if(!_lv_area_intersect(&inside, &obj->coords, draw_ctx->clip_area)) return;
    const lv_area_t * outer_clip = draw_ctx->clip_area;
    draw_ctx->clip_area = &inside;

    plot_t pl;
    get_plot(obj, &pl);
    lv_draw_line_dsc_t line;
    lv_draw_line_dsc_init(&line);
    lv_obj_init_draw_line_dsc(obj, LV_PART_ITEMS, &line);
    lv_draw_rect_dsc_t dot;
    lv_draw_rect_dsc_init(&dot);
    lv_obj_init_draw_rect_dsc(obj, LV_PART_INDICATOR, &dot);
    lv_coord_t half_w = (lv_coord_t)(lv_obj_get_style_width(obj, LV_PART_INDICATOR) / 2);
    lv_coord_t half_h = (lv_coord_t)(lv_obj_get_style_height(obj, LV_PART_INDICATOR) / 2);
    bool dots = half_w > 0 && half_h > 0;

    lv_obj_draw_part_dsc_t part;
    lv_obj_draw_dsc_init(&part, draw_ctx);
    part.class_p = &lv_chart_class;
    part.type = LV_CHART_DRAW_PART_LINE_AND_POINT;
    part.part = LV_PART_ITEMS;
    part.line_dsc = &line;
    part.rect_dsc = &dot;

    lv_chart_series_t * ser;
    _LV_LL_READ(&c->series_ll, ser) {
        if(ser->hidden) continue;
        line.color = ser->color;
        dot.bg_color = ser->color;
        part.sub_part_ptr = ser;

        lv_point_t prev = {0, 0};
        bool prev_there = false;
        lv_coord_t prev_value = LV_CHART_POINT_NONE;
        for(uint32_t k = 0; k <= c->point_cnt; k++) {
            bool at_end = k == c->point_cnt;
            lv_point_t cur = {0, 0};
            bool cur_there = false;
            if(!at_end) {
                uint16_t slot = slot_at(c, ser, k);
                cur_there = is_present(c, ser, slot);
                if(cur_there) cur = point_at(obj, &pl, ser, k);
            }

            /*k == 0 has nothing before it; after the last point only a visible dot is announced*/
            bool announce_prev = k > 0 && (!at_end || (prev_there && dots));
            if(announce_prev) {
                lv_area_t dot_area = {(lv_coord_t)(prev.x - half_w), (lv_coord_t)(prev.y - half_h),
                                      (lv_coord_t)(prev.x + half_w), (lv_coord_t)(prev.y + half_h)
                                     };
                part.id = k - 1;
                part.value = prev_value;
                part.p1 = !at_end && prev_there ? &prev : NULL;
                part.p2 = !at_end && cur_there ? &cur : NULL;
                part.draw_area = &dot_area;
                announce(obj, &part, true);
                if(prev_there && cur_there) lv_draw_line(draw_ctx, &line, &prev, &cur);
                if(prev_there && dots) lv_draw_rect(draw_ctx, &dot, &dot_area);
                announce(obj, &part, false);
            }
            if(!at_end) {
                prev = cur;
                prev_there = cur_there;
                prev_value = ser->y_points[slot_at(c, ser, k)];
            }
        }
    }
    draw_ctx->clip_area = outer_clip;
}

/*
 * Bar series: one column per point, the shown series side by side in it
 * (in the order they were added), each bar rising from the plot's bottom to
 * its value in the series' colour with the items part's radius.
 */
static void draw_bars(lv_obj_t * obj, lv_draw_ctx_t * draw_ctx)
{
    lv_chart_t * c = as_chart(obj);
    lv_area_t inside;
    if(!_lv_area_intersect(&inside, &obj->coords, draw_ctx->clip_area)) return;
    const lv_area_t * outer_clip = draw_ctx->clip_area;
    draw_ctx->clip_area = &inside;

    plot_t pl;
    get_plot(obj, &pl);
    lv_coord_t column_gap = lv_obj_get_style_pad_column(obj, LV_PART_MAIN);
    lv_draw_rect_dsc_t bar;
    lv_draw_rect_dsc_init(&bar);
    lv_obj_init_draw_rect_dsc(obj, LV_PART_ITEMS, &bar);
    bar.bg_opa = LV_OPA_COVER;
    bar.bg_grad.dir = LV_GRAD_DIR_NONE;

    lv_obj_draw_part_dsc_t part;
    lv_obj_draw_dsc_init(&part, draw_ctx);
    part.class_p = &lv_chart_class;
    part.type = LV_CHART_DRAW_PART_BAR;
    part.part = LV_PART_ITEMS;
    part.rect_dsc = &bar;

    for(uint32_t k = 0; k < c->point_cnt; k++) {
        lv_coord_t col_x1;
        lv_coord_t col_x2;
        column_span(c, &pl, column_gap, k, &col_x1, &col_x2);
        bar_layout_t bl;
        bars_in_column(obj, (lv_coord_t)(col_x2 - col_x1 + 1), &bl);

        lv_coord_t x = col_x1;
        lv_chart_series_t * ser;
        _LV_LL_READ(&c->series_ll, ser) {
            if(ser->hidden) continue;
            uint16_t slot = slot_at(c, ser, k);
            if(ser->y_points[slot] != LV_CHART_POINT_NONE) {
                lv_point_t top = point_at(obj, &pl, ser, k);
                lv_area_t area = {x, top.y, (lv_coord_t)(x + bl.bar_w - 1), (lv_coord_t)(pl.top + pl.h - 1)};
                bar.bg_color = ser->color;
                part.draw_area = &area;
                part.id = k;
                part.value = ser->y_points[slot];
                part.sub_part_ptr = ser;
                announce(obj, &part, true);
                lv_draw_rect(draw_ctx, &bar, &area);
                announce(obj, &part, false);
            }
            x = (lv_coord_t)(x + bl.bar_w + bl.bar_gap);
        }
    }
    draw_ctx->clip_area = outer_clip;
}

/*
 * Cursors: lines from the cursor's point to the box edges it points to,
 * then a dot there if the cursor part has a size. A cursor without a
 * position or point (or set to LV_CHART_POINT_NONE) is not drawn.
 */
static void draw_cursors(lv_obj_t * obj, lv_draw_ctx_t * draw_ctx)
{
    lv_chart_t * c = as_chart(obj);
    if(_lv_ll_is_empty(&c->cursor_ll)) return;
    lv_area_t inside;
    if(!_lv_area_intersect(&inside, &obj->coords, draw_ctx->clip_area)) return;
    const lv_area_t * outer_clip = draw_ctx->clip_area;
    draw_ctx->clip_area = &inside;

    lv_draw_line_dsc_t line;
    lv_draw_line_dsc_init(&line);
    lv_obj_init_draw_line_dsc(obj, LV_PART_CURSOR, &line);
    lv_draw_rect_dsc_t dot;
    lv_draw_rect_dsc_init(&dot);
    dot.radius = LV_RADIUS_CIRCLE;
    dot.bg_opa = line.opa;
    lv_coord_t half_w = (lv_coord_t)(lv_obj_get_style_width(obj, LV_PART_CURSOR) / 2);
    lv_coord_t half_h = (lv_coord_t)(lv_obj_get_style_height(obj, LV_PART_CURSOR) / 2);

    lv_obj_draw_part_dsc_t part;
    lv_obj_draw_dsc_init(&part, draw_ctx);
    part.class_p = &lv_chart_class;
    part.type = LV_CHART_DRAW_PART_CURSOR;
    part.part = LV_PART_CURSOR;

    /*Each direction bit and the box edge its line runs to*/
    const lv_dir_t dirs[4] = {LV_DIR_LEFT, LV_DIR_RIGHT, LV_DIR_TOP, LV_DIR_BOTTOM};

    lv_chart_cursor_t * cur;
    _LV_LL_READ(&c->cursor_ll, cur) {
        bool hidden = cur->pos_set ? (cur->pos.x == LV_CHART_POINT_NONE || cur->pos.y == LV_CHART_POINT_NONE)
                      : (cur->ser == NULL || cur->point_id == LV_CHART_POINT_NONE);
        if(hidden) continue;

        lv_point_t rel = lv_chart_get_cursor_point(obj, cur);
        lv_point_t at = {(lv_coord_t)(obj->coords.x1 + rel.x), (lv_coord_t)(obj->coords.y1 + rel.y)};
        line.color = cur->color;
        dot.bg_color = cur->color;

        part.line_dsc = &line;
        part.rect_dsc = NULL;
        part.draw_area = NULL;
        for(int k = 0; k < 4; k++) {
            if((cur->dir & dirs[k]) == 0) continue;
            lv_point_t to = at;
            if(dirs[k] == LV_DIR_LEFT) to.x = obj->coords.x1;
            else if(dirs[k] == LV_DIR_RIGHT) to.x = obj->coords.x2;
            else if(dirs[k] == LV_DIR_TOP) to.y = obj->coords.y1;
            else to.y = obj->coords.y2;
            part.p1 = &at;
            part.p2 = &to;
            announce(obj, &part, true);
            lv_draw_line(draw_ctx, &line, &at, &to);
            announce(obj, &part, false);
        }

        if(half_w > 0 && half_h > 0) {
            lv_area_t dot_area = {(lv_coord_t)(at.x - half_w), (lv_coord_t)(at.y - half_h), (lv_coord_t)(at.x + half_w),
                                  (lv_coord_t)(at.y + half_h)
                                 };
            part.line_dsc = NULL;
            part.rect_dsc = &dot;
            part.draw_area = &dot_area;
            part.p1 = NULL;
            part.p2 = NULL;
            announce(obj, &part, true);
            lv_draw_rect(draw_ctx, &dot, &dot_area);
            announce(obj, &part, false);
        }
    }
    draw_ctx->clip_area = outer_clip;
}

/*
 * Ticks of one axis, outside the box: y axes on the left (primary) or right
 * (secondary) edge, x axes below (primary) or above (secondary). Ticks are
 * spread over the plot; every `minor_cnt`-th one is major, and labelled
 * major ticks offer their text (the value, which a handler may rewrite) in
 * the announcement before it is measured and drawn beyond the tick's end,
 * `pad_left` (y) or `pad_bottom` (x) of the ticks part away.
 * Y values run from the range's maximum at the top; x values follow the x
 * range of a scatter chart, or count the major ticks of other charts.
 */
static void draw_axis(lv_obj_t * obj, lv_draw_ctx_t * draw_ctx, const axis_info_t * ax)
{
    lv_chart_t * c = as_chart(obj);
    const lv_chart_tick_dsc_t * t = &c->tick[ax->tick_idx];
    if(t->major_cnt < 2) return;
    if(!t->label_en && t->major_len == 0 && t->minor_len == 0) return;

    bool y_axis = ax->vertical;
    bool secondary = ax->secondary != 0;
    /*Ticks grow away from the box: left/down for primary axes... */
    int32_t out = y_axis ? (secondary ? 1 : -1) : (secondary ? -1 : 1);
    lv_coord_t edge = y_axis ? (secondary ? obj->coords.x2 : obj->coords.x1) : (secondary ? obj->coords.y1 : obj->coords.y2);

    plot_t pl;
    get_plot(obj, &pl);
    lv_draw_line_dsc_t line;
    lv_draw_line_dsc_init(&line);
    lv_obj_init_draw_line_dsc(obj, LV_PART_TICKS, &line);
    lv_draw_label_dsc_t label;
    lv_draw_label_dsc_init(&label);
    lv_obj_init_draw_label_dsc(obj, LV_PART_TICKS, &label);
    lv_coord_t gap = !t->label_en ? 0 : y_axis ? lv_obj_get_style_pad_left(obj, LV_PART_TICKS) :
                     lv_obj_get_style_pad_bottom(obj, LV_PART_TICKS);

    lv_obj_draw_part_dsc_t part;
    lv_obj_draw_dsc_init(&part, draw_ctx);
    part.class_p = &lv_chart_class;
    part.type = LV_CHART_DRAW_PART_TICK_LABEL;
    part.part = LV_PART_TICKS;
    part.id = ax->axis;
    part.line_dsc = &line;

    uint32_t per_major = t->minor_cnt > 0 ? t->minor_cnt : 1;
    int32_t steps = (int32_t)((t->major_cnt - 1) * per_major);
    lv_coord_t along_start = y_axis ? pl.top : pl.left;
    lv_coord_t along_span = (lv_coord_t)((y_axis ? pl.h : pl.w) - line.width);
    lv_coord_t box_lo = y_axis ? obj->coords.y1 : obj->coords.x1;
    lv_coord_t box_hi = y_axis ? obj->coords.y2 : obj->coords.x2;
    int sec = ax->secondary;

    for(int32_t k = 0; k <= steps; k++) {
        bool major = k % (int32_t)per_major == 0;
        lv_coord_t along = (lv_coord_t)(along_start + (int32_t)along_span * k / steps);
        lv_coord_t len = major ? t->major_len : t->minor_len;
        lv_coord_t base = (lv_coord_t)(edge + out);            /*one pixel off the edge, clear of the border*/
        lv_coord_t tip = (lv_coord_t)(base + out * len);
        lv_point_t from = {y_axis ? base : along, y_axis ? along : base};
        lv_point_t to = {y_axis ? tip : along, y_axis ? along : tip};

        int32_t value;
        if(y_axis) value = lv_map(steps - k, 0, steps, c->ymin[sec], c->ymax[sec]);
        else if(c->type == LV_CHART_TYPE_SCATTER) value = lv_map(k, 0, steps, c->xmin[sec], c->xmax[sec]);
        else value = k / (int32_t)per_major;

        char text[LV_CHART_LABEL_MAX_TEXT_LENGTH];
        bool labelled = major && t->label_en;
        part.value = value;
        part.p1 = &from;
        part.p2 = &to;
        part.label_dsc = labelled ? &label : NULL;
        part.text = labelled ? text : NULL;
        part.text_length = labelled ? LV_CHART_LABEL_MAX_TEXT_LENGTH : 0;
        if(labelled) lv_snprintf(text, sizeof(text), "%" LV_PRId32, value);
        announce(obj, &part, true);

        if(labelled) {
            text[sizeof(text) - 1] = '\0';      /*whatever the handler wrote*/
            lv_point_t size;
            lv_txt_get_size(&size, part.text, label.font, label.letter_space, label.line_space, LV_COORD_MAX,
                            LV_TEXT_FLAG_NONE);
            lv_area_t box;
            lv_coord_t near = (lv_coord_t)(tip + out * gap);
            lv_coord_t far = (lv_coord_t)(near + out * (y_axis ? size.x : size.y));
            lv_coord_t lo = (lv_coord_t)(along - (y_axis ? size.y : size.x) / 2);
            lv_coord_t hi = (lv_coord_t)(along + (y_axis ? size.y : size.x) / 2);
            if(y_axis) lv_area_set(&box, LV_MIN(near, far), lo, LV_MAX(near, far), hi);
            else lv_area_set(&box, lo, LV_MIN(near, far), hi, LV_MAX(near, far));
            if(hi >= box_lo && lo <= box_hi) lv_draw_label(draw_ctx, &label, &box, part.text, NULL);
        }
        if(along + line.width / 2 >= box_lo && along - line.width / 2 <= box_hi) lv_draw_line(draw_ctx, &line, &from, &to);
        announce(obj, &part, false);
    }
}

#endif /*LV_USE_CHART*/
