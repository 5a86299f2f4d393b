// What the refresh benchmarks share: CPU time (a busy shared machine does
// not count against a frame), one solid fill of the whole buffer as the
// unit, and each frame reported as a ratio to it.
#pragma once

#include <benchmark/benchmark.h>
#include <time.h>

#include "lvgl.h"
#include "src/draw/sw/lv_draw_sw.h"

inline double cpu_seconds()
{
    timespec ts;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

// Runs the benchmark's iterations of one opaque fill of `area` (the whole
// of `buf`) through the renderer's default blend; returns one fill's
// seconds.
inline double time_plain_fill(benchmark::State & state, lv_draw_ctx_t * ctx, lv_color_t * buf,
                              lv_area_t area, lv_color_t colour)
{
    ctx->buf = buf;
    ctx->buf_area = &area;
    ctx->clip_area = &area;
    lv_draw_sw_blend_dsc_t dsc;
    lv_memset_00(&dsc, sizeof(dsc));
    dsc.blend_area = &area;
    dsc.color = colour;
    dsc.opa = LV_OPA_COVER;
    dsc.mask_res = LV_DRAW_MASK_RES_FULL_COVER;
    double start = cpu_seconds();
    for(auto _ : state) {
        lv_draw_sw_blend_basic(ctx, &dsc);
        benchmark::ClobberMemory();
    }
    return (cpu_seconds() - start) / static_cast<double>(state.iterations());
}

// Frames measured since `start`: milliseconds per frame, and the ratio to
// one plain fill once that has been measured.
inline void report_frame(benchmark::State & state, double start, double fill_seconds)
{
    double frame = (cpu_seconds() - start) / static_cast<double>(state.iterations());
    state.counters["ms_per_frame"] = frame * 1000.0;
    if(fill_seconds > 0) state.counters["ratio_to_fill"] = frame / fill_seconds;
}
