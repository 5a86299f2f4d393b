// Timers and async calls on the settable clock (lv_tick_inc).
#include "lvgl_fixture.h"

namespace {

class MiscTimerTest : public LvglTest {
  protected:
    // Advance the clock one millisecond at a time, running the handler after
    // each step, as the LVGL thread does.
    void run_ms(uint32_t ms)
    {
        for(uint32_t i = 0; i < ms; i++) {
            lv_tick_inc(1);
            lv_timer_handler();
        }
    }
};

struct Log {
    std::vector<uint32_t> ticks;
};

void log_tick(lv_timer_t * t)
{
    static_cast<Log *>(t->user_data)->ticks.push_back(lv_tick_get());
}

TEST_F(MiscTimerTest, TimersFireAtTheirPeriods)
{
    Log a, b;
    uint32_t t0 = lv_tick_get();
    lv_timer_create(log_tick, 10, &a);
    lv_timer_create(log_tick, 25, &b);
    run_ms(100);
    ASSERT_EQ(a.ticks.size(), 10u);
    ASSERT_EQ(b.ticks.size(), 4u);
    for(size_t i = 0; i < a.ticks.size(); i++) EXPECT_EQ(a.ticks[i] - t0, 10 * (i + 1));
    for(size_t i = 0; i < b.ticks.size(); i++) EXPECT_EQ(b.ticks[i] - t0, 25 * (i + 1));
}

TEST_F(MiscTimerTest, RepeatCountDeletesTheTimerAfterItsLastRun)
{
    Log a;
    lv_timer_t * t = lv_timer_create(log_tick, 5, &a);
    lv_timer_set_repeat_count(t, 3);
    run_ms(50);
    EXPECT_EQ(a.ticks.size(), 3u);
    /*The timer is gone from the list*/
    for(lv_timer_t * i = lv_timer_get_next(nullptr); i; i = lv_timer_get_next(i)) EXPECT_NE(i->user_data, &a);
}

TEST_F(MiscTimerTest, PauseResumeReadyAndPeriodChange)
{
    Log a;
    lv_timer_t * t = lv_timer_create(log_tick, 10, &a);
    run_ms(10);
    EXPECT_EQ(a.ticks.size(), 1u);
    lv_timer_pause(t);
    run_ms(50);
    EXPECT_EQ(a.ticks.size(), 1u);
    lv_timer_resume(t);
    run_ms(1);
    EXPECT_EQ(a.ticks.size(), 2u) << "overdue after the pause: runs at once";
    lv_timer_ready(t);
    lv_timer_handler();
    EXPECT_EQ(a.ticks.size(), 3u);
    lv_timer_set_period(t, 100);
    run_ms(99);
    EXPECT_EQ(a.ticks.size(), 3u);
    run_ms(1);
    EXPECT_EQ(a.ticks.size(), 4u);
}

TEST_F(MiscTimerTest, HandlerReportsTheTimeUntilTheNextTimer)
{
    Log a;
    lv_timer_t * t = lv_timer_create(log_tick, 30, &a);
    /*The library's own timers may be due earlier: only require <= and progress*/
    uint32_t left = lv_timer_handler();
    EXPECT_LE(left, 30u);
    lv_tick_inc(12);
    EXPECT_LE(lv_timer_handler(), 18u);
    lv_timer_del(t);
}

TEST_F(MiscTimerTest, ATimerMayDeleteItselfAndOthersFromItsCallback)
{
    static lv_timer_t * victim;
    static int victim_runs;
    victim_runs = 0;
    victim = lv_timer_create([](lv_timer_t *) { victim_runs++; }, 10, nullptr);
    lv_timer_create([](lv_timer_t * self) {
        lv_timer_del(victim);
        lv_timer_del(self);
    }, 10, nullptr);
    run_ms(30);
    EXPECT_LE(victim_runs, 1);
}

TEST_F(MiscTimerTest, AsyncCallRunsOnceAtTheNextHandler)
{
    static int calls;
    calls = 0;
    int token = 0;
    lv_async_call([](void * p) { calls += *static_cast<int *>(p) + 1; }, &token);
    EXPECT_EQ(calls, 0);
    lv_timer_handler();
    EXPECT_EQ(calls, 1);
    run_ms(20);
    EXPECT_EQ(calls, 1);

    lv_async_call([](void *) { calls += 100; }, nullptr);
    EXPECT_EQ(lv_async_call_cancel([](void *) {}, nullptr), LV_RES_INV);
    run_ms(2);
    EXPECT_EQ(calls, 101);
}

TEST_F(MiscTimerTest, AnAsyncCallThatSchedulesItselfWaitsForTheNextHandler)
{
    static int calls;
    calls = 0;
    static void (*again)(void *) = nullptr;
    again = [](void *) {
        calls++;
        lv_async_call(again, nullptr);
    };
    lv_async_call(again, nullptr);
    lv_timer_handler();
    EXPECT_EQ(calls, 1);
    lv_timer_handler();
    EXPECT_EQ(calls, 2);
    lv_async_call_cancel(again, nullptr);
    lv_timer_handler();
    EXPECT_EQ(calls, 2);
}

}  // namespace
