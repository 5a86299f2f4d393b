/**
 * @file lv_meter.c
 * All scales share one dial: the largest circle in the content area, in its
 * top left corner. On it, back to front: arc indicators, then each scale's
 * ticks and labels, then needles, then the hub (the indicator part drawn as
 * a small shape over the centre where the needles meet).
 *
 * Directions are kept in tenths of a degree, clockwise from three o'clock,
 * so a needle between two ticks is placed finer than a whole degree.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_meter.h"
#if LV_USE_METER != 0

#include <math.h>
#include "../misc/lv_math.h"
#include "../misc/lv_printf.h"
#include "../misc/lv_txt.h"
#include "../draw/lv_img_decoder.h"

/*********************
 *      DEFINES
 *********************/
#define TENTH_DEG_TO_RAD (3.14159265358979323846 / 1800.0)

/**********************
 *      TYPEDEFS
 **********************/
/* What every drawing step needs to know about the dial. */
typedef struct {
    lv_obj_t * obj;
    lv_meter_t * meter;
    lv_draw_ctx_t * draw_ctx;
    lv_point_t centre;
    lv_coord_t radius;      /* the scales' outer edge */
    lv_opa_t opa;           /* the meter's own opacity, which the indicators take on */
} dial_t;

/**********************
 *  STATIC PROTOTYPES
 **********************/
static void meter_init(const lv_obj_class_t * cls, lv_obj_t * obj);
static void meter_release(const lv_obj_class_t * cls, lv_obj_t * obj);
static void meter_on_event(const lv_obj_class_t * cls, lv_event_t * e);
static lv_meter_indicator_t * new_indicator(lv_obj_t * obj, lv_meter_scale_t * scale, lv_meter_indicator_type_t type,
                                            const lv_meter_indicator_t * proto);
static void paint(lv_obj_t * obj, lv_draw_ctx_t * draw_ctx);

/**********************
 *  STATIC VARIABLES
 **********************/
const lv_obj_class_t lv_meter_class = {
    .base_class = &lv_obj_class,
    .constructor_cb = meter_init,
    .destructor_cb = meter_release,
    .event_cb = meter_on_event,
    .width_def = LV_DPI_DEF * 2,
    .height_def = LV_DPI_DEF * 2,
    .instance_size = sizeof(lv_meter_t),
};

/* A new scale: 0..100 over three quarters of a turn, open at the bottom. */
static const lv_meter_scale_t fresh_scale = {
    .tick_cnt = 6,
    .tick_length = 8,
    .tick_width = 2,
    .label_gap = 2,
    .min = 0,
    .max = 100,
    .angle_range = 270,
    .rotation = 135,
};

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

lv_obj_t * lv_meter_create(lv_obj_t * parent)
{
    lv_obj_t * meter = lv_obj_class_create_obj(&lv_meter_class, parent);
    lv_obj_class_init_obj(meter);
    return meter;
}

/* NULL for anything that is not a meter, so a wrong handle is a no-op. */
static lv_meter_t * as_meter(lv_obj_t * obj)
{
    if(obj == NULL || !lv_obj_has_class(obj, &lv_meter_class)) return NULL;
    return (lv_meter_t *)obj;
}

lv_meter_scale_t * lv_meter_add_scale(lv_obj_t * obj)
{
    lv_meter_t * meter = as_meter(obj);
    if(meter == NULL) return NULL;

    lv_meter_scale_t * added = _lv_ll_ins_tail(&meter->scale_ll);
    LV_ASSERT_MALLOC(added);
    if(added) {
        *added = fresh_scale;
        lv_obj_invalidate(obj);
    }
    return added;
}

void lv_meter_set_scale_ticks(lv_obj_t * obj, lv_meter_scale_t * scale, uint16_t cnt, uint16_t width, uint16_t len,
                              lv_color_t color)
{
    if(as_meter(obj) == NULL || scale == NULL) return;
    scale->tick_cnt = cnt;
    scale->tick_width = width;
    scale->tick_length = len;
    scale->tick_color = color;
    lv_obj_invalidate(obj);
}

void lv_meter_set_scale_major_ticks(lv_obj_t * obj, lv_meter_scale_t * scale, uint16_t nth, uint16_t width,
                                    uint16_t len, lv_color_t color, int16_t label_gap)
{
    if(as_meter(obj) == NULL || scale == NULL) return;
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
    if(as_meter(obj) == NULL || scale == NULL) return;
    scale->min = min;
    scale->max = max;
    /* The fields are 16 bits wide; a scale never needs more than one turn anyway. */
    scale->angle_range = (uint16_t)LV_MIN(angle_range, 360u);
    scale->rotation = (int16_t)(rotation % 360);
    lv_obj_invalidate(obj);
}

/*
 * Each indicator starts as a prototype holding only its own kind's settings;
 * new_indicator() files a copy under the meter and fills in the rest.
 */

lv_meter_indicator_t * lv_meter_add_needle_line(lv_obj_t * obj, lv_meter_scale_t * scale, uint16_t width,
                                                lv_color_t color, int16_t r_mod)
{
    lv_meter_indicator_t proto = {.type_data.needle_line = {.width = width, .r_mod = r_mod, .color = color}};
    return new_indicator(obj, scale, LV_METER_INDICATOR_TYPE_NEEDLE_LINE, &proto);
}

lv_meter_indicator_t * lv_meter_add_needle_img(lv_obj_t * obj, lv_meter_scale_t * scale, const void * src,
                                               lv_coord_t pivot_x, lv_coord_t pivot_y)
{
    lv_meter_indicator_t proto = {.type_data.needle_img = {.src = src, .pivot = {pivot_x, pivot_y}}};
    return new_indicator(obj, scale, LV_METER_INDICATOR_TYPE_NEEDLE_IMG, &proto);
}

lv_meter_indicator_t * lv_meter_add_arc(lv_obj_t * obj, lv_meter_scale_t * scale, uint16_t width, lv_color_t color,
                                        int16_t r_mod)
{
    lv_meter_indicator_t proto = {.type_data.arc = {.width = width, .color = color, .r_mod = r_mod}};
    return new_indicator(obj, scale, LV_METER_INDICATOR_TYPE_ARC, &proto);
}

lv_meter_indicator_t * lv_meter_add_scale_lines(lv_obj_t * obj, lv_meter_scale_t * scale, lv_color_t color_start,
                                                lv_color_t color_end, bool local, int16_t width_mod)
{
    lv_meter_indicator_t proto = {
        .type_data.scale_lines = {.width_mod = width_mod, .color_start = color_start, .color_end = color_end,
                                  .local_grad = local}
    };
    return new_indicator(obj, scale, LV_METER_INDICATOR_TYPE_SCALE_LINES, &proto);
}

/* Store the given ends of an indicator (NULL: keep that end) and redraw. */
static void move_indicator(lv_obj_t * obj, lv_meter_indicator_t * indic, const int32_t * start, const int32_t * end)
{
    if(as_meter(obj) == NULL || indic == NULL) return;
    if(start) indic->start_value = *start;
    if(end) indic->end_value = *end;
    lv_obj_invalidate(obj);
}

void lv_meter_set_indicator_value(lv_obj_t * obj, lv_meter_indicator_t * indic, int32_t value)
{
    move_indicator(obj, indic, &value, &value);
}

void lv_meter_set_indicator_start_value(lv_obj_t * obj, lv_meter_indicator_t * indic, int32_t value)
{
    move_indicator(obj, indic, &value, NULL);
}

void lv_meter_set_indicator_end_value(lv_obj_t * obj, lv_meter_indicator_t * indic, int32_t value)
{
    move_indicator(obj, indic, NULL, &value);
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

static void meter_init(const lv_obj_class_t * cls, lv_obj_t * obj)
{
    LV_UNUSED(cls);
    lv_meter_t * meter = (lv_meter_t *)obj;
    _lv_ll_init(&meter->scale_ll, sizeof(lv_meter_scale_t));
    _lv_ll_init(&meter->indicator_ll, sizeof(lv_meter_indicator_t));
}

static void meter_release(const lv_obj_class_t * cls, lv_obj_t * obj)
{
    LV_UNUSED(cls);
    lv_meter_t * meter = (lv_meter_t *)obj;
    _lv_ll_clear(&meter->indicator_ll);
    _lv_ll_clear(&meter->scale_ll);
}

static void meter_on_event(const lv_obj_class_t * cls, lv_event_t * e)
{
    LV_UNUSED(cls);
    if(lv_obj_event_base(&lv_meter_class, e) != LV_RES_OK) return;
    if(lv_event_get_code(e) == LV_EVENT_DRAW_MAIN) paint(lv_event_get_target(e), lv_event_get_draw_ctx(e));
}

static lv_meter_indicator_t * new_indicator(lv_obj_t * obj, lv_meter_scale_t * scale, lv_meter_indicator_type_t type,
                                            const lv_meter_indicator_t * proto)
{
    lv_meter_t * meter = as_meter(obj);
    if(meter == NULL || scale == NULL) return NULL;

    lv_meter_indicator_t * added = _lv_ll_ins_tail(&meter->indicator_ll);
    LV_ASSERT_MALLOC(added);
    if(added == NULL) return NULL;

    *added = *proto;
    added->scale = scale;
    added->type = type;
    added->opa = LV_OPA_COVER;
    /* With both values at the minimum, setting only the end value of an arc
     * shows minimum..value, the usual gauge. */
    added->start_value = scale->min;
    added->end_value = scale->min;
    lv_obj_invalidate(obj);
    return added;
}

/* Direction of `value` on `scale` in tenths of a degree; values past either end stop there. */
static int32_t direction_of(const lv_meter_scale_t * scale, int32_t value)
{
    int32_t first = scale->rotation * 10;
    int64_t span = (int64_t)scale->max - scale->min;
    if(span == 0) return first;
    int64_t v = LV_CLAMP(LV_MIN(scale->min, scale->max), value, LV_MAX(scale->min, scale->max));
    return first + (int32_t)((v - scale->min) * scale->angle_range * 10 / span);
}

/* The point `r` pixels from the centre in direction `tenths`, rounded to the nearest pixel. */
static lv_point_t point_at(const dial_t * dial, int32_t r, int32_t tenths)
{
    double a = tenths * TENTH_DEG_TO_RAD;
    lv_point_t p;
    p.x = (lv_coord_t)(dial->centre.x + (lv_coord_t)floor(r * cos(a) + 0.5));
    p.y = (lv_coord_t)(dial->centre.y + (lv_coord_t)floor(r * sin(a) + 0.5));
    return p;
}

/* An indicator's own opacity on top of the meter's. */
static lv_opa_t indicator_opa(const dial_t * dial, const lv_meter_indicator_t * indic)
{
    if(indic->opa >= LV_OPA_MAX) return dial->opa;
    return (lv_opa_t)((dial->opa * indic->opa) >> 8);
}

static void paint_arcs(const dial_t * dial)
{
    lv_draw_arc_dsc_t stroke;
    lv_draw_arc_dsc_init(&stroke);
    stroke.rounded = lv_obj_get_style_arc_rounded(dial->obj, LV_PART_ITEMS);

    lv_obj_draw_part_dsc_t part;
    lv_obj_draw_dsc_init(&part, dial->draw_ctx);
    part.class_p = &lv_meter_class;
    part.type = LV_METER_DRAW_PART_ARC;
    part.part = LV_PART_INDICATOR;
    part.p1 = &dial->centre;
    part.arc_dsc = &stroke;

    uint32_t index = 0;
    lv_meter_indicator_t * indic = _lv_ll_get_head(&dial->meter->indicator_ll);
    for(; indic != NULL; indic = _lv_ll_get_next(&dial->meter->indicator_ll, indic), index++) {
        if(indic->type != LV_METER_INDICATOR_TYPE_ARC) continue;

        stroke.color = indic->type_data.arc.color;
        stroke.width = indic->type_data.arc.width;
        stroke.img_src = indic->type_data.arc.src;
        stroke.opa = indicator_opa(dial, indic);

        /* The renderer takes whole degrees. */
        int32_t a = (direction_of(indic->scale, indic->start_value) + 5) / 10;
        int32_t b = (direction_of(indic->scale, indic->end_value) + 5) / 10;
        int32_t from = LV_MIN(a, b);
        int32_t sweep = LV_MIN(LV_MAX(a, b) - from, 360);
        stroke.start_angle = (uint16_t)(from % 360);
        stroke.end_angle = (uint16_t)((from + sweep) % 360);

        part.radius = dial->radius + indic->scale->r_mod + indic->type_data.arc.r_mod;
        part.id = index;
        part.sub_part_ptr = indic;
        lv_event_send(dial->obj, LV_EVENT_DRAW_PART_BEGIN, &part);
        if(sweep > 0 && part.radius > 0) {
            lv_draw_arc(dial->draw_ctx, &stroke, &dial->centre, (uint16_t)part.radius, (uint16_t)(from % 360),
                        (uint16_t)(from % 360 + sweep));
        }
        lv_event_send(dial->obj, LV_EVENT_DRAW_PART_END, &part);
    }
}

/*
 * Give a tick the look of the tick-range indicators covering its value: each
 * one adds its width change, and the last one added sets the colour, blended
 * from its start colour to its end colour over its own values or the scale's.
 */
static void restyle_tick(const dial_t * dial, const lv_meter_scale_t * scale, int32_t value, lv_draw_line_dsc_t * line)
{
    const lv_ll_t * list = &dial->meter->indicator_ll;
    for(const lv_meter_indicator_t * indic = _lv_ll_get_head(list); indic; indic = _lv_ll_get_next(list, indic)) {
        if(indic->type != LV_METER_INDICATOR_TYPE_SCALE_LINES || indic->scale != scale) continue;
        if(value < indic->start_value || value > indic->end_value) continue;

        line->width += indic->type_data.scale_lines.width_mod;
        bool local = indic->type_data.scale_lines.local_grad;
        int64_t lo = local ? indic->start_value : scale->min;
        int64_t hi = local ? indic->end_value : scale->max;
        int64_t mix = hi > lo ? (value - lo) * 255 / (hi - lo) : 0;
        line->color = lv_color_mix(indic->type_data.scale_lines.color_end, indic->type_data.scale_lines.color_start,
                                   (uint8_t)LV_CLAMP(0, mix, 255));
    }
}

/* A major tick's value, centred `label_gap` further in than the tick's inner end. */
static void write_tick_label(const dial_t * dial, const char * text, const lv_draw_label_dsc_t * style, int32_t r,
                             int32_t tenths)
{
    lv_point_t size;
    lv_txt_get_size(&size, text, style->font, style->letter_space, style->line_space, LV_COORD_MAX,
                    LV_TEXT_FLAG_NONE);
    lv_point_t mid = point_at(dial, r, tenths);
    lv_area_t box;
    box.x1 = mid.x - size.x / 2;
    box.y1 = mid.y - size.y / 2;
    box.x2 = box.x1 + size.x;
    box.y2 = box.y1 + size.y;
    lv_draw_label(dial->draw_ctx, style, &box, text, NULL);
}

/*
 * Draw tick `i` of `scale`: ticks are evenly spaced from the minimum to the
 * maximum, and their values are the range divided the same way (rounded
 * down). The first tick and every nth one after it are major and labelled.
 * A draw-part handler sees each tick before it is drawn and may restyle it
 * or rewrite its label.
 */
static void paint_tick(const dial_t * dial, lv_meter_scale_t * scale, uint32_t i, lv_obj_draw_part_dsc_t * part,
                       const lv_draw_line_dsc_t * line_style, const lv_draw_label_dsc_t * text_style)
{
    uint32_t last = scale->tick_cnt - 1u;
    int32_t value = scale->min;
    int32_t tenths = scale->rotation * 10;
    if(last > 0) {
        value += (int32_t)(((int64_t)scale->max - scale->min) * i / last);
        tenths += (int32_t)((int64_t)scale->angle_range * 10 * i / last);
    }
    bool major = scale->tick_major_nth != 0 && i % scale->tick_major_nth == 0;

    lv_draw_line_dsc_t line = *line_style;
    line.color = major ? scale->tick_major_color : scale->tick_color;
    line.width = major ? scale->tick_major_width : scale->tick_width;
    restyle_tick(dial, scale, value, &line);

    lv_coord_t outer = dial->radius + scale->r_mod;
    lv_coord_t length = major ? scale->tick_major_length : scale->tick_length;
    lv_point_t tip_in = point_at(dial, outer - length, tenths);
    lv_point_t tip_out = point_at(dial, outer, tenths);

    char text[16];
    lv_draw_label_dsc_t label = *text_style;
    part->id = i;
    part->value = value;
    part->line_dsc = &line;
    part->p1 = &tip_in;
    part->p2 = &tip_out;
    part->text = NULL;
    part->text_length = 0;
    part->label_dsc = NULL;
    if(major) {
        lv_snprintf(text, sizeof(text), "%" LV_PRId32, value);
        part->text = text;
        part->text_length = sizeof(text);
        part->label_dsc = &label;
    }

    lv_event_send(dial->obj, LV_EVENT_DRAW_PART_BEGIN, part);
    if(major && part->text != NULL && label.font != NULL) {
        write_tick_label(dial, part->text, &label, outer - length - scale->label_gap, tenths);
    }
    if(line.width > 0 && length > 0) lv_draw_line(dial->draw_ctx, &line, &tip_out, &tip_in);
    lv_event_send(dial->obj, LV_EVENT_DRAW_PART_END, part);
}

static void paint_scales(const dial_t * dial)
{
    lv_draw_line_dsc_t line_style;
    lv_draw_line_dsc_init(&line_style);
    lv_obj_init_draw_line_dsc(dial->obj, LV_PART_TICKS, &line_style);
    /* Ticks end square on the circle; round or extended ends would blur where they meet it. */
    line_style.raw_end = 1;

    lv_draw_label_dsc_t text_style;
    lv_draw_label_dsc_init(&text_style);
    lv_obj_init_draw_label_dsc(dial->obj, LV_PART_TICKS, &text_style);

    lv_obj_draw_part_dsc_t part;
    lv_obj_draw_dsc_init(&part, dial->draw_ctx);
    part.class_p = &lv_meter_class;
    part.type = LV_METER_DRAW_PART_TICK;
    part.part = LV_PART_TICKS;

    const lv_ll_t * list = &dial->meter->scale_ll;
    for(lv_meter_scale_t * scale = _lv_ll_get_head(list); scale; scale = _lv_ll_get_next(list, scale)) {
        part.sub_part_ptr = scale;
        for(uint32_t i = 0; i < scale->tick_cnt; i++) paint_tick(dial, scale, i, &part, &line_style, &text_style);
    }
}

static void paint_needle_line(const dial_t * dial, const lv_meter_indicator_t * indic, lv_obj_draw_part_dsc_t * part,
                              const lv_draw_line_dsc_t * style)
{
    lv_coord_t r = dial->radius + indic->scale->r_mod + indic->type_data.needle_line.r_mod;
    lv_point_t tip = point_at(dial, r, direction_of(indic->scale, indic->end_value));

    lv_draw_line_dsc_t line = *style;
    line.color = indic->type_data.needle_line.color;
    line.width = indic->type_data.needle_line.width;
    line.opa = indicator_opa(dial, indic);

    part->type = LV_METER_DRAW_PART_NEEDLE_LINE;
    part->line_dsc = &line;
    part->img_dsc = NULL;
    part->draw_area = NULL;
    part->p2 = &tip;
    lv_event_send(dial->obj, LV_EVENT_DRAW_PART_BEGIN, part);
    if(line.width > 0) lv_draw_line(dial->draw_ctx, &line, &dial->centre, &tip);
    lv_event_send(dial->obj, LV_EVENT_DRAW_PART_END, part);
}

/* The picture points to three o'clock as stored; it is turned about its pivot, which sits on the centre. */
static void paint_needle_img(const dial_t * dial, const lv_meter_indicator_t * indic, lv_obj_draw_part_dsc_t * part,
                             const lv_draw_img_dsc_t * style)
{
    const void * src = indic->type_data.needle_img.src;
    lv_img_header_t header;
    if(src == NULL || lv_img_decoder_get_info(src, &header) != LV_RES_OK) return;

    lv_point_t pivot = indic->type_data.needle_img.pivot;
    lv_area_t where;
    where.x1 = dial->centre.x - pivot.x;
    where.y1 = dial->centre.y - pivot.y;
    where.x2 = where.x1 + header.w - 1;
    where.y2 = where.y1 + header.h - 1;

    lv_draw_img_dsc_t img = *style;
    img.opa = indicator_opa(dial, indic);
    img.pivot = pivot;
    img.angle = (int16_t)(direction_of(indic->scale, indic->end_value) % 3600);

    part->type = LV_METER_DRAW_PART_NEEDLE_IMG;
    part->img_dsc = &img;
    part->line_dsc = NULL;
    part->draw_area = &where;
    part->p2 = NULL;
    lv_event_send(dial->obj, LV_EVENT_DRAW_PART_BEGIN, part);
    lv_draw_img(dial->draw_ctx, &img, &where, src);
    lv_event_send(dial->obj, LV_EVENT_DRAW_PART_END, part);
}

static void paint_needles(const dial_t * dial)
{
    lv_draw_line_dsc_t line_style;
    lv_draw_line_dsc_init(&line_style);
    lv_obj_init_draw_line_dsc(dial->obj, LV_PART_ITEMS, &line_style);

    lv_draw_img_dsc_t img_style;
    lv_draw_img_dsc_init(&img_style);
    lv_obj_init_draw_img_dsc(dial->obj, LV_PART_ITEMS, &img_style);

    lv_obj_draw_part_dsc_t part;
    lv_obj_draw_dsc_init(&part, dial->draw_ctx);
    part.class_p = &lv_meter_class;
    part.part = LV_PART_ITEMS;
    part.p1 = &dial->centre;

    uint32_t index = 0;
    const lv_ll_t * list = &dial->meter->indicator_ll;
    for(lv_meter_indicator_t * indic = _lv_ll_get_head(list); indic; indic = _lv_ll_get_next(list, indic), index++) {
        part.id = index;
        part.sub_part_ptr = indic;
        if(indic->type == LV_METER_INDICATOR_TYPE_NEEDLE_LINE) paint_needle_line(dial, indic, &part, &line_style);
        else if(indic->type == LV_METER_INDICATOR_TYPE_NEEDLE_IMG) paint_needle_img(dial, indic, &part, &img_style);
    }
}

/* The hub: the indicator part's look, as large as its width and height styles, over the centre. */
static void paint_hub(const dial_t * dial)
{
    lv_draw_rect_dsc_t look;
    lv_draw_rect_dsc_init(&look);
    lv_obj_init_draw_rect_dsc(dial->obj, LV_PART_INDICATOR, &look);

    lv_coord_t half_w = lv_obj_get_style_width(dial->obj, LV_PART_INDICATOR) / 2;
    lv_coord_t half_h = lv_obj_get_style_height(dial->obj, LV_PART_INDICATOR) / 2;
    lv_area_t hub;
    hub.x1 = dial->centre.x - half_w;
    hub.x2 = dial->centre.x + half_w;
    hub.y1 = dial->centre.y - half_h;
    hub.y2 = dial->centre.y + half_h;
    lv_draw_rect(dial->draw_ctx, &look, &hub);
}

static void paint(lv_obj_t * obj, lv_draw_ctx_t * draw_ctx)
{
    lv_area_t content;
    lv_obj_get_content_coords(obj, &content);

    dial_t dial;
    dial.obj = obj;
    dial.meter = (lv_meter_t *)obj;
    dial.draw_ctx = draw_ctx;
    dial.radius = LV_MIN(lv_area_get_width(&content), lv_area_get_height(&content)) / 2;
    dial.centre.x = content.x1 + dial.radius;
    dial.centre.y = content.y1 + dial.radius;
    dial.opa = lv_obj_get_style_opa_recursive(obj, LV_PART_MAIN);

    paint_arcs(&dial);
    paint_scales(&dial);
    paint_needles(&dial);
    paint_hub(&dial);
}

#endif /*LV_USE_METER*/
