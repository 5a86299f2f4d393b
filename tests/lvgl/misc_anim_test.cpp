// Value animations advanced by the animation timer on the settable clock.
#include "lvgl_fixture.h"

namespace {

class MiscAnimTest : public LvglTest {
  protected:
    void run_ms(uint32_t ms)
    {
        for(uint32_t i = 0; i < ms; i++) {
            lv_tick_inc(1);
            lv_timer_handler();
        }
    }
};

struct Sink {
    std::vector<int32_t> values;
    int ready = 0;
};

void sink_exec(void * var, int32_t v)
{
    static_cast<Sink *>(var)->values.push_back(v);
}

void sink_ready(lv_anim_t * a)
{
    static_cast<Sink *>(a->var)->ready++;
}

lv_anim_t make_anim(Sink * s, int32_t from, int32_t to, uint32_t time, lv_anim_path_cb_t path)
{
    lv_anim_t a;
    lv_anim_init(&a);
    lv_anim_set_var(&a, s);
    lv_anim_set_exec_cb(&a, sink_exec);
    lv_anim_set_values(&a, from, to);
    lv_anim_set_time(&a, time);
    lv_anim_set_path_cb(&a, path);
    lv_anim_set_ready_cb(&a, sink_ready);
    return a;
}

TEST_F(MiscAnimTest, LinearAnimationMovesEveryRefreshPeriodAndEndsOnTime)
{
    Sink s;
    lv_anim_t a = make_anim(&s, 0, 1000, 200, lv_anim_path_linear);
    lv_anim_start(&a);
    ASSERT_EQ(s.values.size(), 1u) << "the start value is applied at once";
    EXPECT_EQ(s.values[0], 0);

    run_ms(100);
    /*One step per refresh period (10 ms)*/
    EXPECT_EQ(s.values.size(), 1u + 100 / LV_DISP_DEF_REFR_PERIOD);
    EXPECT_NEAR(s.values.back(), 500, 10);
    run_ms(100);
    EXPECT_EQ(s.values.back(), 1000);
    EXPECT_EQ(s.ready, 1);
    EXPECT_EQ(lv_anim_get(&s, sink_exec), nullptr);
    for(size_t i = 1; i < s.values.size(); i++) EXPECT_GT(s.values[i], s.values[i - 1]);
}

TEST_F(MiscAnimTest, PathsShapeTheValuesBetweenTheSameEnds)
{
    struct Case {
        lv_anim_path_cb_t path;
        int32_t min_at_quarter, max_at_quarter;
        bool exceeds_end;
    };
    const Case cases[] = {
        {lv_anim_path_linear, 240, 260, false},
        {lv_anim_path_ease_in, 0, 150, false},
        {lv_anim_path_ease_out, 450, 800, false},
        {lv_anim_path_ease_in_out, 0, 240, false},
        {lv_anim_path_overshoot, 500, 1100, true},
    };
    for(const Case & cs : cases) {
        Sink s;
        lv_anim_t a = make_anim(&s, 0, 1000, 400, cs.path);
        lv_anim_start(&a);
        run_ms(100);
        int32_t quarter = s.values.back();
        EXPECT_GE(quarter, cs.min_at_quarter);
        EXPECT_LE(quarter, cs.max_at_quarter);
        run_ms(310);
        int32_t peak = *std::max_element(s.values.begin(), s.values.end());
        EXPECT_EQ(peak > 1000, cs.exceeds_end);
        EXPECT_EQ(s.values.back(), 1000);
        EXPECT_EQ(s.ready, 1);
    }
}

TEST_F(MiscAnimTest, DelayRepeatAndPlayback)
{
    Sink s;
    lv_anim_t a = make_anim(&s, 0, 100, 50, lv_anim_path_linear);
    lv_anim_set_delay(&a, 30);
    lv_anim_set_early_apply(&a, false);
    lv_anim_start(&a);
    run_ms(30);
    EXPECT_TRUE(s.values.empty()) << "nothing during the delay without early apply";
    run_ms(50);
    EXPECT_EQ(s.values.back(), 100);
    EXPECT_EQ(s.ready, 1);

    Sink p;
    lv_anim_t b = make_anim(&p, 0, 100, 50, lv_anim_path_linear);
    lv_anim_set_playback_time(&b, 50);
    lv_anim_set_repeat_count(&b, 2);
    lv_anim_start(&b);
    run_ms(100);
    EXPECT_EQ(p.values.back(), 0) << "back at the start after one playback";
    EXPECT_EQ(p.ready, 0);
    run_ms(100);
    EXPECT_EQ(p.ready, 1);
    EXPECT_EQ(*std::max_element(p.values.begin(), p.values.end()), 100);
}

TEST_F(MiscAnimTest, StartingAgainReplacesAndDeleteStops)
{
    Sink s;
    lv_anim_t a = make_anim(&s, 0, 100, 100, lv_anim_path_linear);
    lv_anim_start(&a);
    lv_anim_start(&a);
    EXPECT_EQ(lv_anim_count_running(), 1);
    run_ms(50);
    EXPECT_TRUE(lv_anim_del(&s, sink_exec));
    size_t n = s.values.size();
    run_ms(100);
    EXPECT_EQ(s.values.size(), n);
    EXPECT_EQ(s.ready, 0);
    EXPECT_FALSE(lv_anim_del(&s, sink_exec));
    EXPECT_EQ(lv_anim_count_running(), 0);
}

TEST_F(MiscAnimTest, SpeedToTime)
{
    EXPECT_EQ(lv_anim_speed_to_time(100, 0, 50), 500u);
    EXPECT_EQ(lv_anim_speed_to_time(1000, 10, 10), 1u);
}

}  // namespace
