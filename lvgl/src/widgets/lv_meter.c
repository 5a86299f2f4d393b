/**
 * @file lv_meter.c
 * Meter: scales (ticks and value labels on a circle) and indicators drawn in
 * the content area; the largest circle that fits there is the scale's edge.
 * Drawing order: arc indicators, ticks with labels, needles, then the
 * indicator part as a small disc over the needles' centre.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_meter.h"
#if LV_USE_METER != 0

#include <math.h>
#include "../misc/lv_math.h"
#include "../misc/lv_mem.h"
#include "../misc/lv_printf.h"
#include "../misc/lv_txt.h"
#include "../draw/lv_img_decoder.h"

/*********************
 *      DEFINES
 *********************/
#define MY_CLASS &lv_meter_class

#ifndef LV_ASSERT_OBJ
#define LV_ASSERT_OBJ(obj_p, obj_class) \
    LV_ASSERT_MSG((obj_p) != NULL && lv_obj_has_class(obj_p, obj_class), "Wrong object type")
#endif

#define METER_PI 3.14159265358979323846

/**********************
 *  STATIC PROTOTYPES
 **********************/
static void lv_meter_constructor(const lv_obj_class_t * class_p, lv_obj_t * obj);
static void lv_meter_destructor(const lv_obj_class_t * class_p, lv_obj_t * obj);
static void lv_meter_event(const lv_obj_class_t * class_p, lv_event_t * e);
static void draw_arcs(lv_obj_t * obj, lv_draw_ctx_t * draw_ctx, const lv_area_t * scale_area);
static void draw_ticks_and_labels(lv_obj_t * obj, lv_draw_ctx_t * draw_ctx, const lv_area_t * scale_area);
static void draw_needles(lv_obj_t * obj, lv_draw_ctx_t * draw_ctx, const lv_area_t * scale_area);
static void draw_center_disc(lv_obj_t * obj, lv_draw_ctx_t * draw_ctx, const lv_area_t * scale_area);
static lv_meter_indicator_t * add_indicator(lv_obj_t * obj, lv_meter_scale_t * scale,
                                            lv_meter_indicator_type_t type);

/**********************
 *  STATIC VARIABLES
 **********************/
const lv_obj_class_t lv_meter_class = {
    .constructor_cb = lv_meter_constructor,
    .destructor_cb = lv_meter_destructor,
    .event_cb = lv_meter_event,
    .width_def = LV_DPI_DEF * 2,
    .height_def = LV_DPI_DEF * 2,
    .instance_size = sizeof(lv_meter_t),
    .base_class = &lv_obj_class
};

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

lv_obj_t * lv_meter_create(lv_obj_t * parent)
{
    lv_obj_t * obj = lv_obj_class_create_obj(MY_CLASS, parent);
    lv_obj_class_init_obj(obj);
    return obj;
}

/*=====================
 * Add scale
 *====================*/

lv_meter_scale_t * lv_meter_add_scale(lv_obj_t * obj)
{
    LV_ASSERT_OBJ(obj, MY_CLASS);
    lv_meter_t * meter = (lv_meter_t *)obj;

    lv_meter_scale_t * scale = _lv_ll_ins_tail(&meter->scale_ll);
    LV_ASSERT_MALLOC(scale);
    if(scale == NULL) return NULL;
    lv_memset_00(scale, sizeof(lv_meter_scale_t));

    /* A usable scale out of the box: 0..100 over 270 degrees, open at the bottom. */
    scale->angle_range = 270;
    scale->rotation = 90 + (360 - scale->angle_range) / 2;
    scale->min = 0;
    scale->max = 100;
    scale->tick_cnt = 6;
    scale->tick_length = 8;
    scale->tick_width = 2;
    scale->label_gap = 2;

    return scale;
}

void lv_meter_set_scale_ticks(lv_obj_t * obj, lv_meter_scale_t * scale, uint16_t cnt, uint16_t width, uint16_t len,
                              lv_color_t color)
{
    LV_ASSERT_OBJ(obj, MY_CLASS);
    if(scale == NULL) return;
    scale->tick_cnt = cnt;
    scale->tick_width = width;
    scale->tick_length = len;
    scale->tick_color = color;
    lv_obj_invalidate(obj);
}

void lv_meter_set_scale_major_ticks(lv_obj_t * obj, lv_meter_scale_t * scale, uint16_t nth, uint16_t width,
                                    uint16_t len, lv_color_t color, int16_t label_gap)
{
    LV_ASSERT_OBJ(obj, MY_CLASS);
    if(scale == NULL) return;
    scale->tick_major_nth = nth;
    scale->tick_major_width = width;
    scale->tick_major_length = len;
    scale->tick_major_color = color;
    scale->label_gap = label_gap;
    lv_obj_invalidate(obj);
}

void lv_meter_set_scale_range(lv_obj_t * obj, lv_meter_scale_t * scale, int32_t min, int32_t max, uint32_t angle_range,
                              uint32_t rotation)
{
    LV_ASSERT_OBJ(obj, MY_CLASS);
    if(scale == NULL) return;
    scale->min = min;
    scale->max = max;
    scale->angle_range = (uint16_t)LV_MIN(angle_range, 360u);
    scale->rotation = (int16_t)(rotation % 360);
    lv_obj_invalidate(obj);
}

/*=====================
 * Add indicator
 *====================*/

lv_meter_indicator_t * lv_meter_add_needle_line(lv_obj_t * obj, lv_meter_scale_t * scale, uint16_t width,
                                                lv_color_t color, int16_t r_mod)
{
    lv_meter_indicator_t * indic = add_indicator(obj, scale, LV_METER_INDICATOR_TYPE_NEEDLE_LINE);
    if(indic == NULL) return NULL;
    indic->type_data.needle_line.width = width;
    indic->type_data.needle_line.color = color;
    indic->type_data.needle_line.r_mod = r_mod;
    return indic;
}

lv_meter_indicator_t * lv_meter_add_needle_img(lv_obj_t * obj, lv_meter_scale_t * scale, const void * src,
                                               lv_coord_t pivot_x, lv_coord_t pivot_y)
{
    lv_meter_indicator_t * indic = add_indicator(obj, scale, LV_METER_INDICATOR_TYPE_NEEDLE_IMG);
    if(indic == NULL) return NULL;
    indic->type_data.needle_img.src = src;
    indic->type_data.needle_img.pivot.x = pivot_x;
    indic->type_data.needle_img.pivot.y = pivot_y;
    return indic;
}

lv_meter_indicator_t * lv_meter_add_arc(lv_obj_t * obj, lv_meter_scale_t * scale, uint16_t width, lv_color_t color,
                                        int16_t r_mod)
{
    lv_meter_indicator_t * indic = add_indicator(obj, scale, LV_METER_INDICATOR_TYPE_ARC);
    if(indic == NULL) return NULL;
    indic->type_data.arc.width = width;
    indic->type_data.arc.color = color;
    indic->type_data.arc.r_mod = r_mod;
    indic->type_data.arc.src = NULL;
    return indic;
}

lv_meter_indicator_t * lv_meter_add_scale_lines(lv_obj_t * obj, lv_meter_scale_t * scale, lv_color_t color_start,
                                                lv_color_t color_end, bool local, int16_t width_mod)
{
    lv_meter_indicator_t * indic = add_indicator(obj, scale, LV_METER_INDICATOR_TYPE_SCALE_LINES);
    if(indic == NULL) return NULL;
    indic->type_data.scale_lines.color_start = color_start;
    indic->type_data.scale_lines.color_end = color_end;
    indic->type_data.scale_lines.local_grad = local ? 1 : 0;
    indic->type_data.scale_lines.width_mod = width_mod;
    return indic;
}

/*=====================
 * Set indicator value
 *====================*/

void lv_meter_set_indicator_value(lv_obj_t * obj, lv_meter_indicator_t * indic, int32_t value)
{
    LV_ASSERT_OBJ(obj, MY_CLASS);
    if(indic == NULL) return;
    indic->start_value = value;
    indic->end_value = value;
    lv_obj_invalidate(obj);
}

void lv_meter_set_indicator_start_value(lv_obj_t * obj, lv_meter_indicator_t * indic, int32_t value)
{
    LV_ASSERT_OBJ(obj, MY_CLASS);
    if(indic == NULL) return;
    indic->start_value = value;
    lv_obj_invalidate(obj);
}

void lv_meter_set_indicator_end_value(lv_obj_t * obj, lv_meter_indicator_t * indic, int32_t value)
{
    LV_ASSERT_OBJ(obj, MY_CLASS);
    if(indic == NULL) return;
    indic->end_value = value;
    lv_obj_invalidate(obj);
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

static void lv_meter_constructor(const lv_obj_class_t * class_p, lv_obj_t * obj)
{
    LV_UNUSED(class_p);
    lv_meter_t * meter = (lv_meter_t *)obj;
    _lv_ll_init(&meter->scale_ll, sizeof(lv_meter_scale_t));
    _lv_ll_init(&meter->indicator_ll, sizeof(lv_meter_indicator_t));
}

static void lv_meter_destructor(const lv_obj_class_t * class_p, lv_obj_t * obj)
{
    LV_UNUSED(class_p);
    lv_meter_t * meter = (lv_meter_t *)obj;
    _lv_ll_clear(&meter->indicator_ll);
    _lv_ll_clear(&meter->scale_ll);
}

static void lv_meter_event(const lv_obj_class_t * class_p, lv_event_t * e)
{
    LV_UNUSED(class_p);

    lv_res_t res = lv_obj_event_base(MY_CLASS, e);
    if(res != LV_RES_OK) return;

    if(lv_event_get_code(e) == LV_EVENT_DRAW_MAIN) {
        lv_obj_t * obj = lv_event_get_target(e);
        lv_draw_ctx_t * draw_ctx = lv_event_get_draw_ctx(e);
        lv_area_t scale_area;
        lv_obj_get_content_coords(obj, &scale_area);

        draw_arcs(obj, draw_ctx, &scale_area);
        draw_ticks_and_labels(obj, draw_ctx, &scale_area);
        draw_needles(obj, draw_ctx, &scale_area);
        draw_center_disc(obj, draw_ctx, &scale_area);
    }
}

static lv_meter_indicator_t * add_indicator(lv_obj_t * obj, lv_meter_scale_t * scale,
                                            lv_meter_indicator_type_t type)
{
    LV_ASSERT_OBJ(obj, MY_CLASS);
    if(scale == NULL) return NULL;
    lv_meter_t * meter = (lv_meter_t *)obj;

    /* Later indicators are drawn over earlier ones. */
    lv_meter_indicator_t * indic = _lv_ll_ins_tail(&meter->indicator_ll);
    LV_ASSERT_MALLOC(indic);
    if(indic == NULL) return NULL;
    lv_memset_00(indic, sizeof(lv_meter_indicator_t));

    indic->scale = scale;
    indic->type = type;
    indic->opa = LV_OPA_COVER;
    /* Arcs start at the scale's bottom, so setting only the end value shows min..value. */
    indic->start_value = scale->min;
    indic->end_value = scale->min;

    lv_obj_invalidate(obj);
    return indic;
}

/* Centre and radius of the scales: the largest circle at the content area's top left. */
static void scale_circle(const lv_area_t * scale_area, lv_point_t * center, lv_coord_t * r)
{
    *r = LV_MIN(lv_area_get_width(scale_area), lv_area_get_height(scale_area)) / 2;
    center->x = scale_area->x1 + *r;
    center->y = scale_area->y1 + *r;
}

/* Angle of a value on a scale in tenths of a degree; values outside the range stop at its ends. */
static int32_t value_angle_x10(const lv_meter_scale_t * scale, int32_t value)
{
    int32_t start = scale->rotation * 10;
    if(scale->max == scale->min) return start;
    int64_t lo = LV_MIN(scale->min, scale->max);
    int64_t hi = LV_MAX(scale->min, scale->max);
    int64_t v = LV_CLAMP(lo, (int64_t)value, hi);
    return start + (int32_t)(((v - scale->min) * scale->angle_range * 10) / ((int64_t)scale->max - scale->min));
}

/* The point `r` pixels from `center` in the direction `angle_x10` (tenths of a degree, clockwise from the right). */
static void polar_point(const lv_point_t * center, int32_t r, int32_t angle_x10, lv_point_t * out)
{
    double a = angle_x10 * (METER_PI / 1800.0);
    out->x = (lv_coord_t)(center->x + (lv_coord_t)floor(r * cos(a) + 0.5));
    out->y = (lv_coord_t)(center->y + (lv_coord_t)floor(r * sin(a) + 0.5));
}

static lv_opa_t indicator_opa(lv_opa_t opa_main, lv_opa_t indic_opa)
{
    return indic_opa > LV_OPA_MAX ? opa_main : (lv_opa_t)((opa_main * indic_opa) >> 8);
}

static void draw_arcs(lv_obj_t * obj, lv_draw_ctx_t * draw_ctx, const lv_area_t * scale_area)
{
    lv_meter_t * meter = (lv_meter_t *)obj;

    lv_point_t center;
    lv_coord_t r_out;
    scale_circle(scale_area, &center, &r_out);

    lv_draw_arc_dsc_t arc_dsc;
    lv_draw_arc_dsc_init(&arc_dsc);
    arc_dsc.rounded = lv_obj_get_style_arc_rounded(obj, LV_PART_ITEMS);

    lv_opa_t opa_main = lv_obj_get_style_opa_recursive(obj, LV_PART_MAIN);

    lv_obj_draw_part_dsc_t part_draw_dsc;
    lv_obj_draw_dsc_init(&part_draw_dsc, draw_ctx);
    part_draw_dsc.arc_dsc = &arc_dsc;
    part_draw_dsc.part = LV_PART_INDICATOR;
    part_draw_dsc.class_p = MY_CLASS;
    part_draw_dsc.type = LV_METER_DRAW_PART_ARC;
    part_draw_dsc.p1 = &center;

    uint32_t id = 0;
    lv_meter_indicator_t * indic;
    _LV_LL_READ(&meter->indicator_ll, indic) {
        id++;
        if(indic->type != LV_METER_INDICATOR_TYPE_ARC) continue;
        const lv_meter_scale_t * scale = indic->scale;

        arc_dsc.color = indic->type_data.arc.color;
        arc_dsc.width = indic->type_data.arc.width;
        arc_dsc.img_src = indic->type_data.arc.src;
        arc_dsc.opa = indicator_opa(opa_main, indic->opa);

        /* Whole degrees: the renderer's arcs take no finer angles. */
        int32_t start_angle = (value_angle_x10(scale, indic->start_value) + 5) / 10;
        int32_t end_angle = (value_angle_x10(scale, indic->end_value) + 5) / 10;
        if(end_angle < start_angle) {
            int32_t t = start_angle;
            start_angle = end_angle;
            end_angle = t;
        }
        arc_dsc.start_angle = (uint16_t)(start_angle % 360);
        arc_dsc.end_angle = (uint16_t)(end_angle % 360);

        part_draw_dsc.radius = r_out + scale->r_mod + indic->type_data.arc.r_mod;
        part_draw_dsc.sub_part_ptr = indic;
        part_draw_dsc.id = id - 1;

        lv_event_send(obj, LV_EVENT_DRAW_PART_BEGIN, &part_draw_dsc);
        if(end_angle > start_angle && part_draw_dsc.radius > 0) {
            int32_t span = end_angle - start_angle;
            if(span > 360) span = 360;
            lv_draw_arc(draw_ctx, &arc_dsc, &center, (uint16_t)part_draw_dsc.radius,
                        (uint16_t)(start_angle % 360), (uint16_t)(start_angle % 360 + span));
        }
        lv_event_send(obj, LV_EVENT_DRAW_PART_END, &part_draw_dsc);
    }
}

/*
 * The colour and width a tick gets from the scale-line indicators covering
 * its value (the last one added wins for the colour; width changes add up).
 */
static void apply_scale_lines(lv_meter_t * meter, const lv_meter_scale_t * scale, int32_t value,
                              lv_draw_line_dsc_t * line_dsc)
{
    lv_meter_indicator_t * indic;
    _LV_LL_READ(&meter->indicator_ll, indic) {
        if(indic->type != LV_METER_INDICATOR_TYPE_SCALE_LINES || indic->scale != scale) continue;
        if(value < indic->start_value || value > indic->end_value) continue;

        line_dsc->width += indic->type_data.scale_lines.width_mod;
        lv_color_t c_start = indic->type_data.scale_lines.color_start;
        lv_color_t c_end = indic->type_data.scale_lines.color_end;
        if(lv_color_to32(c_start) == lv_color_to32(c_end)) {
            line_dsc->color = c_start;
            continue;
        }
        int32_t lo = indic->type_data.scale_lines.local_grad ? indic->start_value : scale->min;
        int32_t hi = indic->type_data.scale_lines.local_grad ? indic->end_value : scale->max;
        int32_t mix = hi > lo ? (int32_t)(((int64_t)(value - lo) * 255) / (hi - lo)) : 0;
        mix = LV_CLAMP(0, mix, 255);
        line_dsc->color = lv_color_mix(c_end, c_start, (uint8_t)mix);
    }
}

static void draw_ticks_and_labels(lv_obj_t * obj, lv_draw_ctx_t * draw_ctx, const lv_area_t * scale_area)
{
    lv_meter_t * meter = (lv_meter_t *)obj;

    lv_point_t center;
    lv_coord_t r_edge;
    scale_circle(scale_area, &center, &r_edge);

    lv_draw_line_dsc_t line_dsc;
    lv_draw_line_dsc_init(&line_dsc);
    lv_obj_init_draw_line_dsc(obj, LV_PART_TICKS, &line_dsc);
    line_dsc.raw_end = 1;

    lv_draw_label_dsc_t label_dsc;
    lv_draw_label_dsc_init(&label_dsc);
    lv_obj_init_draw_label_dsc(obj, LV_PART_TICKS, &label_dsc);

    lv_obj_draw_part_dsc_t part_draw_dsc;
    lv_obj_draw_dsc_init(&part_draw_dsc, draw_ctx);
    part_draw_dsc.class_p = MY_CLASS;
    part_draw_dsc.part = LV_PART_TICKS;
    part_draw_dsc.type = LV_METER_DRAW_PART_TICK;

    lv_meter_scale_t * scale;
    _LV_LL_READ(&meter->scale_ll, scale) {
        if(scale->tick_cnt < 1) continue;
        part_draw_dsc.sub_part_ptr = scale;

        lv_coord_t r_out = r_edge + scale->r_mod;
        /* The first tick is major, then every nth after it. */
        for(uint32_t i = 0; i < scale->tick_cnt; i++) {
            bool major = scale->tick_major_nth != 0 && (i % scale->tick_major_nth) == 0;

            int32_t value_of_line = scale->min;
            int32_t angle_x10 = scale->rotation * 10;
            if(scale->tick_cnt > 1) {
                value_of_line = scale->min + (int32_t)(((int64_t)scale->max - scale->min) * i / (scale->tick_cnt - 1));
                angle_x10 += (int32_t)((int64_t)scale->angle_range * 10 * i / (scale->tick_cnt - 1));
            }

            lv_draw_line_dsc_t tick_dsc = line_dsc;
            tick_dsc.color = major ? scale->tick_major_color : scale->tick_color;
            tick_dsc.width = major ? scale->tick_major_width : scale->tick_width;
            apply_scale_lines(meter, scale, value_of_line, &tick_dsc);

            lv_coord_t len = major ? scale->tick_major_length : scale->tick_length;
            lv_point_t p_in, p_out;
            polar_point(&center, r_out - len, angle_x10, &p_in);
            polar_point(&center, r_out, angle_x10, &p_out);

            part_draw_dsc.id = i;
            part_draw_dsc.value = value_of_line;
            part_draw_dsc.line_dsc = &tick_dsc;
            part_draw_dsc.p1 = &p_in;
            part_draw_dsc.p2 = &p_out;

            char buf[16];
            lv_draw_label_dsc_t tick_label_dsc = label_dsc;
            if(major) {
                lv_snprintf(buf, sizeof(buf), "%" LV_PRId32, value_of_line);
                part_draw_dsc.text = buf;
                part_draw_dsc.text_length = sizeof(buf);
                part_draw_dsc.label_dsc = &tick_label_dsc;
            }
            else {
                part_draw_dsc.text = NULL;
                part_draw_dsc.text_length = 0;
                part_draw_dsc.label_dsc = NULL;
            }

            lv_event_send(obj, LV_EVENT_DRAW_PART_BEGIN, &part_draw_dsc);

            /* The label is centred on a point inside the tick, `label_gap` from its inner end. */
            if(major && part_draw_dsc.text && tick_label_dsc.font) {
                lv_point_t p_text;
                polar_point(&center, r_out - len - scale->label_gap, angle_x10, &p_text);

                lv_point_t label_size;
                lv_txt_get_size(&label_size, part_draw_dsc.text, tick_label_dsc.font, tick_label_dsc.letter_space,
                                tick_label_dsc.line_space, LV_COORD_MAX, LV_TEXT_FLAG_NONE);
                lv_area_t label_area;
                label_area.x1 = p_text.x - label_size.x / 2;
                label_area.y1 = p_text.y - label_size.y / 2;
                label_area.x2 = label_area.x1 + label_size.x;
                label_area.y2 = label_area.y1 + label_size.y;
                lv_draw_label(draw_ctx, &tick_label_dsc, &label_area, part_draw_dsc.text, NULL);
            }

            if(tick_dsc.width > 0 && len > 0) lv_draw_line(draw_ctx, &tick_dsc, &p_out, &p_in);

            lv_event_send(obj, LV_EVENT_DRAW_PART_END, &part_draw_dsc);
        }
    }
}

static void draw_needles(lv_obj_t * obj, lv_draw_ctx_t * draw_ctx, const lv_area_t * scale_area)
{
    lv_meter_t * meter = (lv_meter_t *)obj;

    lv_point_t center;
    lv_coord_t r_edge;
    scale_circle(scale_area, &center, &r_edge);

    lv_draw_line_dsc_t line_dsc;
    lv_draw_line_dsc_init(&line_dsc);
    lv_obj_init_draw_line_dsc(obj, LV_PART_ITEMS, &line_dsc);

    lv_draw_img_dsc_t img_dsc;
    lv_draw_img_dsc_init(&img_dsc);
    lv_obj_init_draw_img_dsc(obj, LV_PART_ITEMS, &img_dsc);

    lv_opa_t opa_main = lv_obj_get_style_opa_recursive(obj, LV_PART_MAIN);

    lv_obj_draw_part_dsc_t part_draw_dsc;
    lv_obj_draw_dsc_init(&part_draw_dsc, draw_ctx);
    part_draw_dsc.class_p = MY_CLASS;
    part_draw_dsc.part = LV_PART_ITEMS;
    part_draw_dsc.p1 = &center;

    uint32_t id = 0;
    lv_meter_indicator_t * indic;
    _LV_LL_READ(&meter->indicator_ll, indic) {
        id++;
        const lv_meter_scale_t * scale = indic->scale;
        int32_t angle_x10 = value_angle_x10(scale, indic->end_value);
        part_draw_dsc.sub_part_ptr = indic;
        part_draw_dsc.id = id - 1;

        if(indic->type == LV_METER_INDICATOR_TYPE_NEEDLE_LINE) {
            lv_coord_t r_out = r_edge + scale->r_mod + indic->type_data.needle_line.r_mod;
            lv_point_t p_end;
            polar_point(&center, r_out, angle_x10, &p_end);

            lv_draw_line_dsc_t needle_dsc = line_dsc;
            needle_dsc.color = indic->type_data.needle_line.color;
            needle_dsc.width = indic->type_data.needle_line.width;
            needle_dsc.opa = indicator_opa(opa_main, indic->opa);

            part_draw_dsc.type = LV_METER_DRAW_PART_NEEDLE_LINE;
            part_draw_dsc.line_dsc = &needle_dsc;
            part_draw_dsc.img_dsc = NULL;
            part_draw_dsc.p2 = &p_end;
            lv_event_send(obj, LV_EVENT_DRAW_PART_BEGIN, &part_draw_dsc);
            if(needle_dsc.width > 0) lv_draw_line(draw_ctx, &needle_dsc, &center, &p_end);
            lv_event_send(obj, LV_EVENT_DRAW_PART_END, &part_draw_dsc);
        }
        else if(indic->type == LV_METER_INDICATOR_TYPE_NEEDLE_IMG) {
            if(indic->type_data.needle_img.src == NULL) continue;
            lv_img_header_t info;
            if(lv_img_decoder_get_info(indic->type_data.needle_img.src, &info) != LV_RES_OK) continue;

            /* The image points right; it turns around its pivot, which sits on the centre. */
            lv_area_t a;
            a.x1 = center.x - indic->type_data.needle_img.pivot.x;
            a.y1 = center.y - indic->type_data.needle_img.pivot.y;
            a.x2 = a.x1 + info.w - 1;
            a.y2 = a.y1 + info.h - 1;

            lv_draw_img_dsc_t needle_dsc = img_dsc;
            needle_dsc.opa = indicator_opa(opa_main, indic->opa);
            needle_dsc.pivot = indic->type_data.needle_img.pivot;
            needle_dsc.angle = (int16_t)(angle_x10 % 3600);

            part_draw_dsc.type = LV_METER_DRAW_PART_NEEDLE_IMG;
            part_draw_dsc.img_dsc = &needle_dsc;
            part_draw_dsc.line_dsc = NULL;
            part_draw_dsc.p2 = NULL;
            part_draw_dsc.draw_area = &a;
            lv_event_send(obj, LV_EVENT_DRAW_PART_BEGIN, &part_draw_dsc);
            lv_draw_img(draw_ctx, &needle_dsc, &a, indic->type_data.needle_img.src);
            lv_event_send(obj, LV_EVENT_DRAW_PART_END, &part_draw_dsc);
            part_draw_dsc.draw_area = NULL;
        }
    }
}

/* The indicator part (sized by its width and height styles) covers where the needles meet. */
static void draw_center_disc(lv_obj_t * obj, lv_draw_ctx_t * draw_ctx, const lv_area_t * scale_area)
{
    lv_point_t center;
    lv_coord_t r_edge;
    scale_circle(scale_area, &center, &r_edge);

    lv_draw_rect_dsc_t mid_dsc;
    lv_draw_rect_dsc_init(&mid_dsc);
    lv_obj_init_draw_rect_dsc(obj, LV_PART_INDICATOR, &mid_dsc);

    lv_coord_t w = lv_obj_get_style_width(obj, LV_PART_INDICATOR) / 2;
    lv_coord_t h = lv_obj_get_style_height(obj, LV_PART_INDICATOR) / 2;
    lv_area_t area;
    area.x1 = center.x - w;
    area.y1 = center.y - h;
    area.x2 = center.x + w;
    area.y2 = center.y + h;
    lv_draw_rect(draw_ctx, &mid_dsc, &area);
}

#endif /*LV_USE_METER*/
