// Test display: see test_display.h.
#include "test_display.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

TestDisplay * active = nullptr;

void flush_cb(lv_disp_drv_t * drv, const lv_area_t * area, lv_color_t * color_p)
{
    (void)color_p;
    TestDisplay * d = static_cast<TestDisplay *>(drv->user_data);
    d->flush_count++;
    if(lv_disp_flush_is_last(drv)) d->last_flush_count++;
    d->last_flush_area = *area;
    lv_disp_flush_ready(drv);
}

void hooked_blend(lv_draw_ctx_t * draw_ctx, const lv_draw_sw_blend_dsc_t * dsc)
{
    if(active && active->blend_hook) active->blend_hook(draw_ctx, dsc);
    else lv_draw_sw_blend_basic(draw_ctx, dsc);
}

void draw_ctx_init(lv_disp_drv_t * drv, lv_draw_ctx_t * draw_ctx)
{
    lv_draw_sw_init_ctx(drv, draw_ctx);
    reinterpret_cast<lv_draw_sw_ctx_t *>(draw_ctx)->blend = hooked_blend;
}

void pointer_read(lv_indev_drv_t * drv, lv_indev_data_t * data)
{
    TestDisplay * d = static_cast<TestDisplay *>(drv->user_data);
    data->point = d->pointer_point;
    data->state = d->pointer_pressed ? LV_INDEV_STATE_PRESSED : LV_INDEV_STATE_RELEASED;
}

void keypad_read(lv_indev_drv_t * drv, lv_indev_data_t * data)
{
    TestDisplay * d = static_cast<TestDisplay *>(drv->user_data);
    if(d->key_queue.empty()) {
        data->state = LV_INDEV_STATE_RELEASED;
        return;
    }
    data->key = d->key_queue.front().first;
    data->state = d->key_queue.front().second;
    d->key_queue.pop_front();
    data->continue_reading = !d->key_queue.empty();
}

}  // namespace

void TestDisplay::start(lv_coord_t width, lv_coord_t height, bool full_refresh)
{
    active = this;
    lv_init();

    pixels.assign(static_cast<size_t>(width) * height, lv_color_black());
    lv_disp_draw_buf_init(&draw_buf, pixels.data(), nullptr, static_cast<uint32_t>(pixels.size()));

    lv_disp_drv_init(&disp_drv);
    disp_drv.hor_res = width;
    disp_drv.ver_res = height;
    disp_drv.draw_buf = &draw_buf;
    disp_drv.flush_cb = flush_cb;
    disp_drv.full_refresh = full_refresh ? 1 : 0;
    disp_drv.direct_mode = 1;
    disp_drv.draw_ctx_init = draw_ctx_init;
    disp_drv.draw_ctx_size = sizeof(lv_draw_sw_ctx_t);
    disp_drv.user_data = this;
    disp = lv_disp_drv_register(&disp_drv);

    lv_group_set_default(lv_group_create());

    lv_indev_drv_init(&pointer_drv);
    pointer_drv.type = LV_INDEV_TYPE_POINTER;
    pointer_drv.read_cb = pointer_read;
    pointer_drv.user_data = this;
    pointer = lv_indev_drv_register(&pointer_drv);

    lv_indev_drv_init(&keypad_drv);
    keypad_drv.type = LV_INDEV_TYPE_KEYPAD;
    keypad_drv.read_cb = keypad_read;
    keypad_drv.user_data = this;
    keypad = lv_indev_drv_register(&keypad_drv);
    lv_indev_set_group(keypad, lv_group_get_default());
}

void TestDisplay::stop()
{
    lv_deinit();
    active = nullptr;
}

void TestDisplay::advance(uint32_t ms)
{
    const uint32_t step = 5;
    for(uint32_t t = 0; t < ms; t += step) {
        lv_tick_inc(step);
        lv_timer_handler();
    }
}

void TestDisplay::press(lv_coord_t x, lv_coord_t y)
{
    pointer_point = {x, y};
    pointer_pressed = true;
    advance(LV_INDEV_DEF_READ_PERIOD);
}

void TestDisplay::move(lv_coord_t x, lv_coord_t y)
{
    pointer_point = {x, y};
    advance(LV_INDEV_DEF_READ_PERIOD);
}

void TestDisplay::release()
{
    pointer_pressed = false;
    advance(LV_INDEV_DEF_READ_PERIOD);
}

void TestDisplay::click(lv_coord_t x, lv_coord_t y)
{
    press(x, y);
    release();
}

void TestDisplay::type_key(uint32_t key)
{
    key_queue.emplace_back(key, LV_INDEV_STATE_PRESSED);
    key_queue.emplace_back(key, LV_INDEV_STATE_RELEASED);
    advance(LV_INDEV_DEF_READ_PERIOD);
}

lv_color_t TestDisplay::pixel(lv_coord_t x, lv_coord_t y) const
{
    return pixels[static_cast<size_t>(y) * disp_drv.hor_res + x];
}

uint32_t TestDisplay::pixel_rgb(lv_coord_t x, lv_coord_t y) const
{
    return lv_color_to32(pixel(x, y)) & 0xFFFFFF;
}

void TestDisplay::refresh_now()
{
    lv_refr_now(disp);
}

// Written as binary PPM and converted by ImageMagick's `convert`; the tests
// never depend on it, only the gallery does.
bool TestDisplay::write_png(const char * path) const
{
    std::string ppm = std::string(path) + ".ppm";
    FILE * f = std::fopen(ppm.c_str(), "wb");
    if(!f) return false;
    std::fprintf(f, "P6\n%d %d\n255\n", disp_drv.hor_res, disp_drv.ver_res);
    for(const lv_color_t & c : pixels) {
        unsigned char rgb[3] = {c.ch.red, c.ch.green, c.ch.blue};
        std::fwrite(rgb, 1, 3, f);
    }
    std::fclose(f);
    std::string cmd = "convert '" + ppm + "' '" + path + "' && rm -f '" + ppm + "'";
    return std::system(cmd.c_str()) == 0;
}

static void event_log_cb(lv_event_t * e)
{
    static_cast<EventLog *>(lv_event_get_user_data(e))->codes.push_back(lv_event_get_code(e));
}

void EventLog::attach(lv_obj_t * obj)
{
    lv_obj_add_event_cb(obj, event_log_cb, LV_EVENT_ALL, this);
    attached.push_back(obj);
}

EventLog::~EventLog()
{
    if(!lv_is_initialized()) return;
    for(lv_obj_t * obj : attached) {
        if(lv_obj_is_valid(obj)) lv_obj_remove_event_cb_with_user_data(obj, event_log_cb, this);
    }
}

std::vector<lv_event_code_t> EventLog::input_codes() const
{
    std::vector<lv_event_code_t> out;
    for(lv_event_code_t c : codes) {
        if((c >= LV_EVENT_PRESSED && c <= LV_EVENT_RELEASED) || c == LV_EVENT_KEY || c == LV_EVENT_FOCUSED ||
           c == LV_EVENT_DEFOCUSED) {
            out.push_back(c);
        }
    }
    return out;
}
