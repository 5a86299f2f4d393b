/**
 * @file lv_colorwheel.c
 * Colour wheel. Angles follow the upstream wheel: 0 degrees points down and
 * angles grow counter-clockwise on screen (a point at angle a sits at
 * (sin a, cos a) from the centre), so red is at the bottom.
 *
 * The ring is rendered pixel by pixel: every pixel gets the colour of its
 * own angle and a coverage from its distance to both ring edges. Drawing it
 * as many small arcs or lines would leave seams where the anti-aliased edges
 * of neighbouring pieces meet.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_colorwheel.h"
#if LV_USE_COLORWHEEL

#include "../../../core/lv_indev.h"
#include "../../../core/lv_group.h"
#include "../../../draw/sw/lv_draw_sw.h"
#include "../../../misc/lv_mem.h"
#include "../../../misc/lv_math.h"
#include "../../../misc/lv_tick.h"

/*********************
 *      DEFINES
 *********************/
#define MY_CLASS &lv_colorwheel_class

/**********************
 *  STATIC PROTOTYPES
 **********************/
static void lv_colorwheel_constructor(const lv_obj_class_t * class_p, lv_obj_t * obj);
static void lv_colorwheel_event(const lv_obj_class_t * class_p, lv_event_t * e);

static void draw_ring(lv_event_t * e);
static void draw_knob(lv_event_t * e);
static void get_knob_area(lv_obj_t * obj, lv_area_t * knob_area);
static void refr_knob_pos(lv_obj_t * obj);
static void next_color_mode(lv_obj_t * obj);
static lv_res_t double_click_reset(lv_obj_t * obj);
static lv_color_t angle_to_mode_color(lv_obj_t * obj, uint16_t angle);
static uint16_t get_angle(lv_obj_t * obj);
static uint16_t wheel_angle(int32_t dx, int32_t dy);

/**********************
 *  STATIC VARIABLES
 **********************/
const lv_obj_class_t lv_colorwheel_class = {
    .instance_size = sizeof(lv_colorwheel_t),
    .base_class = &lv_obj_class,
    .constructor_cb = lv_colorwheel_constructor,
    .event_cb = lv_colorwheel_event,
    .width_def = LV_DPI_DEF * 2,
    .height_def = LV_DPI_DEF * 2,
    .editable = LV_OBJ_CLASS_EDITABLE_TRUE,
};

/*The constructor cannot take arguments: lv_colorwheel_create parks the flag here*/
static bool create_knob_recolor;

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

lv_obj_t * lv_colorwheel_create(lv_obj_t * parent, bool knob_recolor)
{
    create_knob_recolor = knob_recolor;
    lv_obj_t * obj = lv_obj_class_create_obj(MY_CLASS, parent);
    if(obj == NULL) return NULL;
    lv_obj_class_init_obj(obj);
    return obj;
}

bool lv_colorwheel_set_hsv(lv_obj_t * obj, lv_color_hsv_t hsv)
{
    if(hsv.h > 360) hsv.h %= 360;
    if(hsv.s > 100) hsv.s = 100;
    if(hsv.v > 100) hsv.v = 100;

    lv_colorwheel_t * colorwheel = (lv_colorwheel_t *)obj;
    if(colorwheel->hsv.h == hsv.h && colorwheel->hsv.s == hsv.s && colorwheel->hsv.v == hsv.v) return false;

    colorwheel->hsv = hsv;
    refr_knob_pos(obj);
    lv_obj_invalidate(obj);
    return true;
}

bool lv_colorwheel_set_rgb(lv_obj_t * obj, lv_color_t color)
{
    return lv_colorwheel_set_hsv(obj, lv_color_to_hsv(color));
}

void lv_colorwheel_set_mode(lv_obj_t * obj, lv_colorwheel_mode_t mode)
{
    lv_colorwheel_t * colorwheel = (lv_colorwheel_t *)obj;
    colorwheel->mode = mode;
    refr_knob_pos(obj);
    lv_obj_invalidate(obj);
}

void lv_colorwheel_set_mode_fixed(lv_obj_t * obj, bool fixed)
{
    lv_colorwheel_t * colorwheel = (lv_colorwheel_t *)obj;
    colorwheel->mode_fixed = fixed ? 1 : 0;
}

lv_color_hsv_t lv_colorwheel_get_hsv(lv_obj_t * obj)
{
    return ((lv_colorwheel_t *)obj)->hsv;
}

lv_color_t lv_colorwheel_get_rgb(lv_obj_t * obj)
{
    lv_colorwheel_t * colorwheel = (lv_colorwheel_t *)obj;
    return lv_color_hsv_to_rgb(colorwheel->hsv.h, colorwheel->hsv.s, colorwheel->hsv.v);
}

lv_colorwheel_mode_t lv_colorwheel_get_color_mode(lv_obj_t * obj)
{
    return ((lv_colorwheel_t *)obj)->mode;
}

bool lv_colorwheel_get_color_mode_fixed(lv_obj_t * obj)
{
    return ((lv_colorwheel_t *)obj)->mode_fixed;
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

static void lv_colorwheel_constructor(const lv_obj_class_t * class_p, lv_obj_t * obj)
{
    LV_UNUSED(class_p);
    lv_colorwheel_t * colorwheel = (lv_colorwheel_t *)obj;
    colorwheel->hsv.h = 0;
    colorwheel->hsv.s = 100;
    colorwheel->hsv.v = 100;
    colorwheel->mode = LV_COLORWHEEL_MODE_HUE;
    colorwheel->mode_fixed = 0;
    colorwheel->last_click_time = 0;
    colorwheel->last_change_time = 0;
    colorwheel->clicked_before = 0;
    colorwheel->knob.recolor = create_knob_recolor ? 1 : 0;

    lv_obj_add_flag(obj, LV_OBJ_FLAG_ADV_HITTEST);
    lv_obj_clear_flag(obj, LV_OBJ_FLAG_SCROLL_CHAIN);
    refr_knob_pos(obj);
}

static void lv_colorwheel_event(const lv_obj_class_t * class_p, lv_event_t * e)
{
    LV_UNUSED(class_p);

    lv_res_t res = lv_obj_event_base(MY_CLASS, e);
    if(res != LV_RES_OK) return;

    lv_event_code_t code = lv_event_get_code(e);
    lv_obj_t * obj = lv_event_get_target(e);
    lv_colorwheel_t * colorwheel = (lv_colorwheel_t *)obj;

    if(code == LV_EVENT_REFR_EXT_DRAW_SIZE) {
        lv_coord_t left = lv_obj_get_style_pad_left(obj, LV_PART_KNOB);
        lv_coord_t right = lv_obj_get_style_pad_right(obj, LV_PART_KNOB);
        lv_coord_t top = lv_obj_get_style_pad_top(obj, LV_PART_KNOB);
        lv_coord_t bottom = lv_obj_get_style_pad_bottom(obj, LV_PART_KNOB);
        lv_coord_t knob_pad = LV_MAX4(left, right, top, bottom) + 2;
        lv_coord_t * s = lv_event_get_param(e);
        *s = LV_MAX(*s, knob_pad);
    }
    else if(code == LV_EVENT_SIZE_CHANGED) {
        void * param = lv_event_get_param(e);
        /*Refresh the knob only if the size has really changed*/
        if(param == NULL || lv_obj_get_width(obj) != lv_area_get_width(param) ||
           lv_obj_get_height(obj) != lv_area_get_height(param)) {
            refr_knob_pos(obj);
        }
    }
    else if(code == LV_EVENT_STYLE_CHANGED) {
        /*The arc width moves the knob*/
        refr_knob_pos(obj);
    }
    else if(code == LV_EVENT_KEY) {
        uint32_t c = lv_event_get_key(e);
        if(c == LV_KEY_RIGHT || c == LV_KEY_UP || c == LV_KEY_LEFT || c == LV_KEY_DOWN) {
            int32_t step = (c == LV_KEY_RIGHT || c == LV_KEY_UP) ? 1 : -1;
            lv_color_hsv_t hsv_cur = colorwheel->hsv;
            switch(colorwheel->mode) {
                case LV_COLORWHEEL_MODE_HUE:
                    hsv_cur.h = (uint16_t)((hsv_cur.h + 360 + step) % 360);
                    break;
                case LV_COLORWHEEL_MODE_SATURATION:
                    hsv_cur.s = (uint8_t)LV_CLAMP(0, hsv_cur.s + step, 100);
                    break;
                case LV_COLORWHEEL_MODE_VALUE:
                    hsv_cur.v = (uint8_t)LV_CLAMP(0, hsv_cur.v + step, 100);
                    break;
            }
            if(lv_colorwheel_set_hsv(obj, hsv_cur)) {
                res = lv_event_send(obj, LV_EVENT_VALUE_CHANGED, NULL);
                if(res != LV_RES_OK) return;
            }
        }
    }
    else if(code == LV_EVENT_PRESSED) {
        colorwheel->last_change_time = lv_tick_get();
        lv_indev_t * indev = lv_indev_get_act();
        if(indev) lv_indev_get_point(indev, &colorwheel->last_press_point);
        res = double_click_reset(obj);
        if(res != LV_RES_OK) return;
    }
    else if(code == LV_EVENT_PRESSING) {
        lv_indev_t * indev = lv_indev_get_act();
        if(indev == NULL) return;

        lv_indev_type_t indev_type = lv_indev_get_type(indev);
        lv_point_t p;
        if(indev_type == LV_INDEV_TYPE_ENCODER || indev_type == LV_INDEV_TYPE_KEYPAD) {
            p.x = obj->coords.x1 + lv_obj_get_width(obj) / 2;
            p.y = obj->coords.y1 + lv_obj_get_height(obj) / 2;
        }
        else {
            lv_indev_get_point(indev, &p);
        }

        /*Moving restarts the long-press timer: only holding still in the middle switches the mode*/
        lv_coord_t drag_limit = indev->driver->scroll_limit;
        if(LV_ABS(p.x - colorwheel->last_press_point.x) > drag_limit ||
           LV_ABS(p.y - colorwheel->last_press_point.y) > drag_limit) {
            colorwheel->last_change_time = lv_tick_get();
            colorwheel->last_press_point = p;
        }

        lv_coord_t w = lv_obj_get_width(obj);
        lv_coord_t cir_w = lv_obj_get_style_arc_width(obj, LV_PART_MAIN);
        int32_t dx = p.x - (obj->coords.x1 + w / 2);
        int32_t dy = p.y - (obj->coords.y1 + w / 2);

        /*A press counts as "on the ring" a bit inside the ring too, so a thin ring is easy to hit*/
        lv_coord_t r_in = w / 2 - cir_w;
        if(r_in > LV_DPI_DEF / 2) {
            r_in -= cir_w / 2;
            if(r_in < LV_DPI_DEF / 2) r_in = LV_DPI_DEF / 2;
        }
        bool on_ring = dx * dx + dy * dy >= (int32_t)r_in * r_in;

        uint32_t diff = lv_tick_elaps(colorwheel->last_change_time);
        if(!on_ring && diff > indev->driver->long_press_time && !colorwheel->mode_fixed) {
            next_color_mode(obj);
            lv_indev_wait_release(indev);
            return;
        }
        if(!on_ring) return;

        uint16_t angle = wheel_angle(dx, dy);
        lv_color_hsv_t hsv_cur = colorwheel->hsv;
        switch(colorwheel->mode) {
            case LV_COLORWHEEL_MODE_HUE:
                hsv_cur.h = angle;
                break;
            case LV_COLORWHEEL_MODE_SATURATION:
                hsv_cur.s = (uint8_t)((angle * 100) / 360);
                break;
            case LV_COLORWHEEL_MODE_VALUE:
                hsv_cur.v = (uint8_t)((angle * 100) / 360);
                break;
        }

        if(lv_colorwheel_set_hsv(obj, hsv_cur)) {
            res = lv_event_send(obj, LV_EVENT_VALUE_CHANGED, NULL);
            if(res != LV_RES_OK) return;
        }
    }
    else if(code == LV_EVENT_HIT_TEST) {
        lv_hit_test_info_t * info = lv_event_get_param(e);
        /*Only the round wheel is clickable, not the corners of its box*/
        info->res = _lv_area_is_point_on(&obj->coords, info->point, LV_RADIUS_CIRCLE);
    }
    else if(code == LV_EVENT_COVER_CHECK) {
        lv_cover_check_info_t * info = lv_event_get_param(e);
        if(info->res != LV_COVER_RES_MASKED) info->res = LV_COVER_RES_NOT_COVER;
    }
    else if(code == LV_EVENT_DRAW_MAIN) {
        draw_ring(e);
        draw_knob(e);
    }
}

/*
 * Angle of the vector (dx, dy) in the wheel's convention (0 = down, growing
 * towards +x), whole degrees 0..359. Plain float arithmetic with a rational
 * arctangent (error below 0.3 degree), so the library needs no libm.
 */
static uint16_t wheel_angle(int32_t dx, int32_t dy)
{
    if(dx == 0 && dy == 0) return 0;
    float ax = (float)LV_ABS(dx);
    float ay = (float)LV_ABS(dy);
    /*Angle from the +y axis within the first quadrant*/
    bool swap = ax > ay;
    float z = swap ? ay / ax : ax / ay;
    float a = z * (45.0f + 15.66f * (1.0f - z));   /*atan(z) in degrees, z in 0..1*/
    if(swap) a = 90.0f - a;
    if(dx >= 0 && dy < 0) a = 180.0f - a;
    else if(dx < 0 && dy < 0) a = 180.0f + a;
    else if(dx < 0 && dy >= 0) a = 360.0f - a;
    int32_t deg = (int32_t)(a + 0.5f);
    return (uint16_t)(deg % 360);
}

/*
 * The ring between radius r_out (half the width) and r_out - arc width, one
 * row at a time: colours from a per-degree table, coverage from the distance
 * of each pixel centre to the two edges (1/256 pixel steps), other active
 * masks applied on top.
 */
static void draw_ring(lv_event_t * e)
{
    lv_obj_t * obj = lv_event_get_target(e);
    lv_draw_ctx_t * draw_ctx = lv_event_get_draw_ctx(e);

    lv_coord_t w = lv_obj_get_width(obj);
    lv_coord_t cir_w = lv_obj_get_style_arc_width(obj, LV_PART_MAIN);
    int32_t r_out = w / 2;
    if(cir_w > r_out) cir_w = (lv_coord_t)r_out;
    int32_t r_in = r_out - cir_w;
    if(r_out <= 0 || cir_w <= 0) return;

    lv_area_t ring_area;
    ring_area.x1 = obj->coords.x1;
    ring_area.y1 = obj->coords.y1;
    ring_area.x2 = obj->coords.x1 + 2 * r_out;
    ring_area.y2 = obj->coords.y1 + 2 * r_out;

    lv_area_t draw_area;
    if(!_lv_area_intersect(&draw_area, &ring_area, draw_ctx->clip_area)) return;

    lv_opa_t opa = lv_obj_get_style_arc_opa(obj, LV_PART_MAIN);
    if(opa <= LV_OPA_MIN) return;

    lv_color_t * table = lv_mem_buf_get(sizeof(lv_color_t) * 360);
    lv_coord_t len = lv_area_get_width(&draw_area);
    lv_color_t * color_row = lv_mem_buf_get(sizeof(lv_color_t) * len);
    lv_opa_t * mask_row = lv_mem_buf_get(len);
    if(table == NULL || color_row == NULL || mask_row == NULL) {
        if(table) lv_mem_buf_release(table);
        if(color_row) lv_mem_buf_release(color_row);
        if(mask_row) lv_mem_buf_release(mask_row);
        return;
    }
    uint32_t a;
    for(a = 0; a < 360; a++) table[a] = angle_to_mode_color(obj, (uint16_t)a);

    /*Doubled coordinates put pixel centres on whole numbers: the centre of the wheel is at 2 * r_out*/
    int32_t r_out256 = r_out * 256;
    int32_t r_in256 = r_in * 256;
    int32_t lim_out = (2 * r_out + 2) * (2 * r_out + 2);
    int32_t lim_in = r_in > 1 ? (2 * r_in - 2) * (2 * r_in - 2) : 0;

    lv_area_t row_area;
    row_area.x1 = draw_area.x1;
    row_area.x2 = draw_area.x2;
    lv_coord_t y;
    for(y = draw_area.y1; y <= draw_area.y2; y++) {
        int32_t py = 2 * (y - ring_area.y1) + 1 - 2 * r_out;
        bool any = false;
        lv_coord_t i;
        for(i = 0; i < len; i++) {
            int32_t px = 2 * (draw_area.x1 + i - ring_area.x1) + 1 - 2 * r_out;
            int32_t d2 = px * px + py * py;
            if(d2 >= lim_out || d2 < lim_in) {
                mask_row[i] = LV_OPA_TRANSP;
                continue;
            }
            lv_sqrt_res_t q;
            lv_sqrt((uint32_t)d2, &q, 0x8000);
            int32_t d256 = ((int32_t)q.i * 256 + q.f) / 2;     /*distance in 1/256 pixel*/
            int32_t cov_out = LV_CLAMP(0, r_out256 - d256 + 128, 256);
            int32_t cov_in = LV_CLAMP(0, d256 - r_in256 + 128, 256);
            int32_t cov = (cov_out * cov_in) >> 8;
            if(cov <= 0) {
                mask_row[i] = LV_OPA_TRANSP;
                continue;
            }
            mask_row[i] = (lv_opa_t)(cov >= 256 ? 255 : cov);
            color_row[i] = table[wheel_angle(px, py)];
            any = true;
        }
        if(!any) continue;

        row_area.y1 = y;
        row_area.y2 = y;
        lv_draw_mask_res_t mask_res = LV_DRAW_MASK_RES_CHANGED;
        if(lv_draw_mask_is_any(&row_area)) {
            lv_draw_mask_res_t r = lv_draw_mask_apply(mask_row, row_area.x1, y, len);
            if(r == LV_DRAW_MASK_RES_TRANSP) continue;
        }

        lv_draw_sw_blend_dsc_t blend_dsc;
        lv_memset_00(&blend_dsc, sizeof(blend_dsc));
        blend_dsc.blend_area = &row_area;
        blend_dsc.src_buf = color_row;
        blend_dsc.mask_buf = mask_row;
        blend_dsc.mask_area = &row_area;
        blend_dsc.mask_res = mask_res;
        blend_dsc.opa = opa;
        blend_dsc.blend_mode = LV_BLEND_MODE_NORMAL;
        lv_draw_sw_blend(draw_ctx, &blend_dsc);
    }

    lv_mem_buf_release(mask_row);
    lv_mem_buf_release(color_row);
    lv_mem_buf_release(table);
}

static void draw_knob(lv_event_t * e)
{
    lv_obj_t * obj = lv_event_get_target(e);
    lv_draw_ctx_t * draw_ctx = lv_event_get_draw_ctx(e);
    lv_colorwheel_t * colorwheel = (lv_colorwheel_t *)obj;

    lv_draw_rect_dsc_t cir_dsc;
    lv_draw_rect_dsc_init(&cir_dsc);
    lv_obj_init_draw_rect_dsc(obj, LV_PART_KNOB, &cir_dsc);
    cir_dsc.radius = LV_RADIUS_CIRCLE;
    if(colorwheel->knob.recolor) cir_dsc.bg_color = lv_colorwheel_get_rgb(obj);

    lv_area_t knob_area;
    get_knob_area(obj, &knob_area);
    lv_draw_rect(draw_ctx, &cir_dsc, &knob_area);
}

/* The knob: a circle as wide as the ring, grown by the knob part's padding. */
static void get_knob_area(lv_obj_t * obj, lv_area_t * knob_area)
{
    lv_colorwheel_t * colorwheel = (lv_colorwheel_t *)obj;
    lv_coord_t r = lv_obj_get_style_arc_width(obj, LV_PART_MAIN) / 2;
    lv_coord_t left = lv_obj_get_style_pad_left(obj, LV_PART_KNOB);
    lv_coord_t right = lv_obj_get_style_pad_right(obj, LV_PART_KNOB);
    lv_coord_t top = lv_obj_get_style_pad_top(obj, LV_PART_KNOB);
    lv_coord_t bottom = lv_obj_get_style_pad_bottom(obj, LV_PART_KNOB);

    knob_area->x1 = obj->coords.x1 + colorwheel->knob.pos.x - r - left;
    knob_area->y1 = obj->coords.y1 + colorwheel->knob.pos.y - r - top;
    knob_area->x2 = obj->coords.x1 + colorwheel->knob.pos.x + r + right;
    knob_area->y2 = obj->coords.y1 + colorwheel->knob.pos.y + r + bottom;
}

static void refr_knob_pos(lv_obj_t * obj)
{
    lv_colorwheel_t * colorwheel = (lv_colorwheel_t *)obj;
    lv_area_t old_area;
    get_knob_area(obj, &old_area);

    lv_coord_t w = lv_obj_get_width(obj);
    lv_coord_t scale_w = lv_obj_get_style_arc_width(obj, LV_PART_MAIN);
    int32_t r = (w - scale_w) / 2;
    int16_t angle = (int16_t)get_angle(obj);

    colorwheel->knob.pos.x = (lv_coord_t)((r * lv_trigo_sin(angle)) >> LV_TRIGO_SHIFT) + w / 2;
    colorwheel->knob.pos.y = (lv_coord_t)((r * lv_trigo_cos(angle)) >> LV_TRIGO_SHIFT) + w / 2;

    lv_area_t new_area;
    get_knob_area(obj, &new_area);
    /*The knob may stick out of the object; invalidate both places with the extra draw size included*/
    lv_coord_t ext = _lv_obj_get_ext_draw_size(obj);
    lv_area_increase(&old_area, ext, ext);
    lv_area_increase(&new_area, ext, ext);
    lv_obj_invalidate_area(obj, &old_area);
    lv_obj_invalidate_area(obj, &new_area);
}

/*
 * Two presses within the long-press time reset the component being edited
 * (hue to 0, saturation and value to 100) and wait for the release. The very
 * first press is never the second of a pair: the clock starts near 0, so a
 * zero "last click" would turn a press in the first moments after start-up
 * into a reset.
 */
static lv_res_t double_click_reset(lv_obj_t * obj)
{
    lv_colorwheel_t * colorwheel = (lv_colorwheel_t *)obj;
    lv_indev_t * indev = lv_indev_get_act();
    if(indev == NULL) return LV_RES_OK;

    if(colorwheel->clicked_before && lv_tick_elaps(colorwheel->last_click_time) < indev->driver->long_press_time) {
        lv_color_hsv_t hsv_cur = colorwheel->hsv;
        switch(colorwheel->mode) {
            case LV_COLORWHEEL_MODE_HUE:
                hsv_cur.h = 0;
                break;
            case LV_COLORWHEEL_MODE_SATURATION:
                hsv_cur.s = 100;
                break;
            case LV_COLORWHEEL_MODE_VALUE:
                hsv_cur.v = 100;
                break;
        }

        lv_indev_wait_release(indev);

        if(lv_colorwheel_set_hsv(obj, hsv_cur)) {
            lv_res_t res = lv_event_send(obj, LV_EVENT_VALUE_CHANGED, NULL);
            if(res != LV_RES_OK) return res;
        }
    }
    colorwheel->last_click_time = lv_tick_get();
    colorwheel->clicked_before = 1;
    return LV_RES_OK;
}

static void next_color_mode(lv_obj_t * obj)
{
    lv_colorwheel_t * colorwheel = (lv_colorwheel_t *)obj;
    colorwheel->mode = (colorwheel->mode + 1) % 3;
    refr_knob_pos(obj);
    lv_obj_invalidate(obj);
}

static lv_color_t angle_to_mode_color(lv_obj_t * obj, uint16_t angle)
{
    lv_colorwheel_t * colorwheel = (lv_colorwheel_t *)obj;
    switch(colorwheel->mode) {
        default:
        case LV_COLORWHEEL_MODE_HUE:
            return lv_color_hsv_to_rgb(angle % 360, colorwheel->hsv.s, colorwheel->hsv.v);
        case LV_COLORWHEEL_MODE_SATURATION:
            return lv_color_hsv_to_rgb(colorwheel->hsv.h, (uint8_t)(((angle % 360) * 100) / 360), colorwheel->hsv.v);
        case LV_COLORWHEEL_MODE_VALUE:
            return lv_color_hsv_to_rgb(colorwheel->hsv.h, colorwheel->hsv.s, (uint8_t)(((angle % 360) * 100) / 360));
    }
}

static uint16_t get_angle(lv_obj_t * obj)
{
    lv_colorwheel_t * colorwheel = (lv_colorwheel_t *)obj;
    switch(colorwheel->mode) {
        default:
        case LV_COLORWHEEL_MODE_HUE:
            return colorwheel->hsv.h;
        case LV_COLORWHEEL_MODE_SATURATION:
            return (uint16_t)((colorwheel->hsv.s * 360) / 100);
        case LV_COLORWHEEL_MODE_VALUE:
            return (uint16_t)((colorwheel->hsv.v * 360) / 100);
    }
}

#endif /*LV_USE_COLORWHEEL*/
