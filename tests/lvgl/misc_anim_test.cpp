// Value animations advanced by the animation timer on the settable clock.
#include "lvgl_fixture.h"

#include <algorithm>
#include <string>

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
    struct Case {
        uint32_t speed;
        int32_t start, end;
        uint32_t ms;
    };
    const Case cases[] = {
        {100, 0, 50, 500},
        {100, 50, 0, 500},
        {1000, 10, 10, 1},                       /*never 0*/
        {0, 0, 7, 7000},                         /*a speed of 0 counts as 1, not as a division by 0*/
        {1000, INT32_MIN, INT32_MAX, UINT32_MAX}, /*no wrap-around on long distances*/
        {1000, -5000000, 5000000, 10000000},
    };
    for(const Case & c : cases) {
        EXPECT_EQ(lv_anim_speed_to_time(c.speed, c.start, c.end), c.ms) << c.speed << " " << c.start << ".." << c.end;
    }
}

struct Calls {
    std::string log;
};

void calls_start(lv_anim_t * a)
{
    static_cast<Calls *>(a->user_data)->log += "start ";
}
void calls_ready(lv_anim_t * a)
{
    static_cast<Calls *>(a->user_data)->log += "ready ";
}
void calls_deleted(lv_anim_t * a)
{
    static_cast<Calls *>(a->user_data)->log += "deleted ";
}

TEST_F(MiscAnimTest, StartReadyAndDeletedCallbacksComeInOrder)
{
    struct Case {
        const char * name;
        uint32_t delay;
        uint32_t run_ms;
        bool delete_midway;
        const char * expected;
    };
    const Case cases[] = {
        {"without delay the start comes with the first step", 0, 300, false, "start ready deleted "},
        {"after a delay", 100, 300, false, "start ready deleted "},
        {"nothing but the delay has passed", 100, 50, false, ""},
        {"deleted while running: no ready", 0, 50, true, "start deleted "},
        {"deleted during the delay: neither start nor ready", 200, 100, true, "deleted "},
    };
    for(const Case & c : cases) {
        SCOPED_TRACE(c.name);
        Sink s;
        Calls calls;
        lv_anim_t a = make_anim(&s, 0, 100, 100, lv_anim_path_linear);
        lv_anim_set_ready_cb(&a, calls_ready);
        lv_anim_set_start_cb(&a, calls_start);
        lv_anim_set_deleted_cb(&a, calls_deleted);
        lv_anim_set_user_data(&a, &calls);
        lv_anim_set_delay(&a, c.delay);
        lv_anim_start(&a);
        run_ms(c.run_ms);
        if(c.delete_midway) lv_anim_del(&s, nullptr);
        EXPECT_EQ(calls.log, c.expected);
        lv_anim_del_all();
    }
}

int32_t base_value;
int32_t read_base(lv_anim_t *)
{
    return base_value;
}

// A relative animation adds its start and end to a base read when it starts:
// at lv_anim_start with early apply, when the delay ends without it.
TEST_F(MiscAnimTest, RelativeAnimationsTakeTheirBaseWhenTheyStart)
{
    for(bool early : {true, false}) {
        SCOPED_TRACE(early ? "early apply" : "late apply");
        Sink s;
        base_value = 1000;
        lv_anim_t a = make_anim(&s, 0, 50, 100, lv_anim_path_linear);
        lv_anim_set_get_value_cb(&a, read_base);
        lv_anim_set_delay(&a, 50);
        lv_anim_set_early_apply(&a, early);
        lv_anim_start(&a);
        base_value = 2000;
        run_ms(200);
        int32_t base = early ? 1000 : 2000;
        ASSERT_FALSE(s.values.empty());
        EXPECT_EQ(s.values.back(), base + 50);
        for(int32_t v : s.values) {
            EXPECT_GE(v, base);
            EXPECT_LE(v, base + 50);
        }
    }
}

// With playback and repeats, the value goes up, waits, comes back, waits,
// and so on; this records where it is at chosen moments.
TEST_F(MiscAnimTest, PlaybackAndRepeatDelaysHoldTheValue)
{
    Sink s;
    lv_anim_t a = make_anim(&s, 0, 100, 100, lv_anim_path_linear);
    lv_anim_set_playback_time(&a, 100);
    lv_anim_set_playback_delay(&a, 50);
    lv_anim_set_repeat_delay(&a, 30);
    lv_anim_set_repeat_count(&a, 2);
    lv_anim_start(&a);
    EXPECT_EQ(lv_anim_get_playtime(&a), 2 * (100 + 50 + 100) + 30u);

    struct Moment {
        uint32_t at;
        int32_t lo, hi;
    };
    const Moment moments[] = {
        {50, 45, 55},      /*half way up*/
        {120, 100, 100},   /*held at the top during the playback delay (50 ms)*/
        {200, 45, 55},     /*half way back*/
        {270, 0, 0},       /*held at the start during the repeat delay (30 ms)*/
        {330, 45, 55},     /*second run*/
        {400, 100, 100},
        {480, 45, 55},
        {540, 0, 0},       /*done, back at the start*/
    };
    uint32_t now = 0;
    for(const Moment & m : moments) {
        run_ms(m.at - now);
        now = m.at;
        EXPECT_GE(s.values.back(), m.lo) << "at " << m.at;
        EXPECT_LE(s.values.back(), m.hi) << "at " << m.at;
    }
    EXPECT_EQ(s.ready, 1);
    EXPECT_EQ(lv_anim_count_running(), 0);
    EXPECT_TRUE(lv_anim_get_timer()->paused) << "nothing runs: the timer sleeps";
}

TEST_F(MiscAnimTest, PlaytimeOfDescriptors)
{
    struct Case {
        uint32_t time, delay, playback, playback_delay, repeat_delay;
        uint16_t repeats;
        uint32_t expected;
    };
    const Case cases[] = {
        {300, 0, 0, 0, 0, 1, 300},
        {300, 100, 0, 0, 0, 1, 400},
        {300, 0, 200, 50, 0, 1, 550},
        {300, 0, 0, 50, 0, 1, 300},        /*a playback delay without playback counts nothing*/
        {100, 10, 0, 0, 20, 3, 10 + 300 + 40},
        {100, 0, 0, 0, 0, LV_ANIM_REPEAT_INFINITE, LV_ANIM_PLAYTIME_INFINITE},
    };
    for(const Case & c : cases) {
        lv_anim_t a;
        lv_anim_init(&a);
        lv_anim_set_time(&a, c.time);
        lv_anim_set_delay(&a, c.delay);
        lv_anim_set_playback_time(&a, c.playback);
        lv_anim_set_playback_delay(&a, c.playback_delay);
        lv_anim_set_repeat_delay(&a, c.repeat_delay);
        lv_anim_set_repeat_count(&a, c.repeats);
        EXPECT_EQ(lv_anim_get_playtime(&a), c.expected) << c.time << "/" << c.delay << "/" << c.repeats;
    }
}

TEST_F(MiscAnimTest, StepAndBouncePathsEndOnTheEndValue)
{
    Sink step;
    lv_anim_t a = make_anim(&step, 10, 90, 100, lv_anim_path_step);
    lv_anim_start(&a);
    run_ms(90);
    EXPECT_EQ(step.values.back(), 10) << "the start value until the time is up";
    run_ms(20);
    EXPECT_EQ(step.values.back(), 90);

    Sink bounce;
    lv_anim_t b = make_anim(&bounce, 0, 1000, 500, lv_anim_path_bounce);
    lv_anim_start(&b);
    run_ms(510);
    EXPECT_EQ(bounce.values.back(), 1000);
    /*It reaches the end value, comes back below it and reaches it again*/
    auto first_top = std::find_if(bounce.values.begin(), bounce.values.end(), [](int32_t v) { return v >= 990; });
    ASSERT_NE(first_top, bounce.values.end());
    auto dip = std::min_element(first_top, bounce.values.end());
    EXPECT_LT(*dip, 990);
    EXPECT_GT(*dip, 900) << "a bounce is a twentieth of the distance at most";
    EXPECT_LE(*std::max_element(bounce.values.begin(), bounce.values.end()), 1000);
}

// Callbacks that delete or restart animations while the animation timer is
// stepping.
TEST_F(MiscAnimTest, CallbacksMayDeleteAndRestartAnimations)
{
    static Sink s;
    static Sink other;
    s = Sink();
    other = Sink();
    static int restarts;
    restarts = 0;

    // The exec callback deletes its own animation and another one
    lv_anim_t victim = make_anim(&other, 0, 100, 100, lv_anim_path_linear);
    lv_anim_start(&victim);
    lv_anim_t a = make_anim(&s, 0, 100, 100, lv_anim_path_linear);
    lv_anim_set_exec_cb(&a, [](void * var, int32_t v) {
        static_cast<Sink *>(var)->values.push_back(v);
        if(v > 0) lv_anim_del_all();
    });
    lv_anim_start(&a);
    run_ms(50);
    EXPECT_EQ(lv_anim_count_running(), 0);
    size_t n = s.values.size();
    run_ms(100);
    EXPECT_EQ(s.values.size(), n);

    // The ready callback starts the same animation again, twice
    lv_anim_t chain = make_anim(&s, 0, 10, 20, lv_anim_path_linear);
    lv_anim_set_ready_cb(&chain, [](lv_anim_t * done) {
        if(++restarts > 2) return;
        lv_anim_t again = *done;
        lv_anim_set_values(&again, 0, 10);
        lv_anim_start(&again);
    });
    lv_anim_start(&chain);
    run_ms(200);
    EXPECT_EQ(restarts, 3);
    EXPECT_EQ(lv_anim_count_running(), 0);
}

// One animation's callback deletes an older one: the younger ones must still
// take every step (one value per refresh period), none skipped or doubled.
TEST_F(MiscAnimTest, DeletingAnOlderAnimationFromACallbackSkipsNoStepOfTheOthers)
{
    static Sink first;
    static Sink second;
    static Sink third;
    first = Sink();
    second = Sink();
    third = Sink();
    lv_anim_t a = make_anim(&first, 0, 100, 100, lv_anim_path_linear);
    lv_anim_start(&a);
    lv_anim_t b = make_anim(&second, 0, 100, 100, lv_anim_path_linear);
    lv_anim_set_exec_cb(&b, [](void * var, int32_t v) {
        static_cast<Sink *>(var)->values.push_back(v);
        if(v > 0) lv_anim_del(&first, nullptr);
    });
    lv_anim_start(&b);
    lv_anim_t c = make_anim(&third, 0, 100, 100, lv_anim_path_linear);
    lv_anim_start(&c);

    run_ms(100);
    EXPECT_EQ(first.values.size(), 2u) << "the start value and one step";
    EXPECT_EQ(second.values.size(), 1u + 10u);
    EXPECT_EQ(third.values.size(), 1u + 10u);
    EXPECT_EQ(third.values.back(), 100);
}

// A custom exec callback receives the running copy, not the descriptor the
// caller filled in (which may be gone by then).
TEST_F(MiscAnimTest, CustomExecCallbacksReceiveTheRunningAnimation)
{
    static std::vector<lv_anim_t *> seen;
    seen.clear();
    lv_anim_t * running;
    {
        lv_anim_t a;
        lv_anim_init(&a);
        lv_anim_set_custom_exec_cb(&a, [](lv_anim_t * self, int32_t) { seen.push_back(self); });
        lv_anim_set_time(&a, 50);
        running = lv_anim_start(&a);
    }
    ASSERT_NE(running, nullptr);
    run_ms(30);
    ASSERT_FALSE(seen.empty());
    for(lv_anim_t * p : seen) EXPECT_EQ(p, running);
    EXPECT_EQ(lv_anim_custom_get(running, nullptr), running);
    EXPECT_TRUE(lv_anim_custom_del(running, nullptr));
    EXPECT_EQ(lv_anim_count_running(), 0);
}

}  // namespace
