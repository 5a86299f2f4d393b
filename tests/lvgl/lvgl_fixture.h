// Shared helpers of the toolkit tests: a fixture that starts and stops the
// library, and a canvas, a software draw context over a pixel buffer at the
// screen origin, as a direct-mode display refresh sets it up.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

#include "lvgl.h"
#include "src/draw/sw/lv_draw_sw.h"

class LvglTest : public ::testing::Test {
  protected:
    void SetUp() override { lv_init(); }
    void TearDown() override { lv_deinit(); }
};

struct Canvas {
    int w;
    int h;
    std::vector<lv_color_t> px;
    lv_area_t buf_area;
    lv_area_t clip;
    lv_draw_sw_ctx_t ctx;

    Canvas(int width, int height, uint32_t bg = 0x000000) : w(width), h(height), px((size_t)width * height)
    {
        for(auto & p : px) p = lv_color_hex(bg);
        lv_area_set(&buf_area, 0, 0, (lv_coord_t)(w - 1), (lv_coord_t)(h - 1));
        clip = buf_area;
        lv_draw_sw_init_ctx(nullptr, &ctx.base_draw);
        ctx.base_draw.buf = px.data();
        ctx.base_draw.buf_area = &buf_area;
        ctx.base_draw.clip_area = &clip;
    }
    Canvas(const Canvas &) = delete;
    Canvas & operator=(const Canvas &) = delete;

    lv_draw_ctx_t * draw() { return &ctx.base_draw; }
    uint32_t rgb(int x, int y) const { return px[(size_t)y * w + x].full & 0xFFFFFFu; }
    int red(int x, int y) const { return px[(size_t)y * w + x].ch.red; }
    int green(int x, int y) const { return px[(size_t)y * w + x].ch.green; }
    int blue(int x, int y) const { return px[(size_t)y * w + x].ch.blue; }
};

// Coverage of pixel (x, y) by a shape, from 8 x 8 samples: the reference
// the renderer's anti-aliasing is compared with.
inline int supersampled_coverage(int x, int y, const std::function<bool(double, double)> & inside)
{
    int hits = 0;
    for(int sy = 0; sy < 8; sy++) {
        for(int sx = 0; sx < 8; sx++) {
            if(inside(x + (sx + 0.5) / 8.0, y + (sy + 0.5) / 8.0)) hits++;
        }
    }
    return (hits * 255 + 32) / 64;
}

struct CoverageDiff {
    int max_err;
    double mean_err;
};

// Compares a channel that shows coverage (white shape on black) with the
// supersampled reference over an area.
inline CoverageDiff compare_coverage(const Canvas & c, const lv_area_t & a,
                                     const std::function<bool(double, double)> & inside)
{
    int max_err = 0;
    long sum = 0;
    long n = 0;
    for(int y = a.y1; y <= a.y2; y++) {
        for(int x = a.x1; x <= a.x2; x++) {
            int err = std::abs(c.green(x, y) - supersampled_coverage(x, y, inside));
            max_err = std::max(max_err, err);
            sum += err;
            n++;
        }
    }
    return {max_err, n ? (double)sum / n : 0.0};
}
