// Test display for the toolkit tests: a display driver rendering into a
// buffer, a fake millisecond clock, and a scripted pointer and keypad.
//
// The fixture starts the library in SetUp and tears it down in TearDown, so
// every test begins with one empty dark-theme screen.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "lvgl.h"
#include "src/draw/sw/lv_draw_sw.h"

struct TestDisplay {
    lv_disp_drv_t disp_drv;
    lv_disp_draw_buf_t draw_buf;
    std::vector<lv_color_t> pixels;
    lv_disp_t * disp = nullptr;

    lv_indev_drv_t pointer_drv;
    lv_indev_t * pointer = nullptr;
    lv_point_t pointer_point = {0, 0};
    bool pointer_pressed = false;

    lv_indev_drv_t keypad_drv;
    lv_indev_t * keypad = nullptr;
    std::deque<std::pair<uint32_t, lv_indev_state_t>> key_queue;

    int flush_count = 0;
    int last_flush_count = 0;
    lv_area_t last_flush_area = {0, 0, -1, -1};

    // Optional replacement of the software context's blend step; it sees
    // every blend descriptor (called instead of the default blend).
    std::function<void(lv_draw_ctx_t *, const lv_draw_sw_blend_dsc_t *)> blend_hook;

    // Start the library with a width x height display (full refresh and
    // direct mode as the window host uses them), a pointer and a keypad
    // bound to a fresh default group.
    void start(lv_coord_t width, lv_coord_t height, bool full_refresh = true);
    void stop();

    // Advance the fake clock by `ms`, running the timer handler every 5 ms,
    // so input devices are read, animations run and the screen refreshes.
    void advance(uint32_t ms);

    // Pointer script: each step is followed by one read period (10 ms).
    void press(lv_coord_t x, lv_coord_t y);
    void move(lv_coord_t x, lv_coord_t y);
    void release();
    void click(lv_coord_t x, lv_coord_t y);

    // Queue a key press followed by its release and let the keypad read them.
    void type_key(uint32_t key);

    lv_color_t pixel(lv_coord_t x, lv_coord_t y) const;
    uint32_t pixel_rgb(lv_coord_t x, lv_coord_t y) const;   // 0xRRGGBB
    void refresh_now();
    bool write_png(const char * path) const;
};

// The fixture every core and widget test derives from (a display, a pointer, a keypad).
class DisplayTest : public ::testing::Test {
protected:
    void SetUp() override { display.start(480, 320); }
    void TearDown() override { display.stop(); }

    TestDisplay display;
};

// Records the event codes an object receives, in order.
// Detaches itself when it goes out of scope (objects usually outlive it).
struct EventLog {
    std::vector<lv_event_code_t> codes;
    std::vector<lv_obj_t *> attached;
    ~EventLog();
    void attach(lv_obj_t * obj);
    // Only the input-related codes (pressed .. released, key, focus).
    std::vector<lv_event_code_t> input_codes() const;
};
