// Timers and async calls on the settable clock (lv_tick_inc).
#include "lvgl_fixture.h"

#include <string>

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
    /*Without a display the library's only timer is the animation timer,
     *paused while nothing is animated*/
    EXPECT_EQ(lv_timer_handler(), LV_NO_TIMER_READY);

    Log a;
    lv_timer_t * t = lv_timer_create(log_tick, 30, &a);
    EXPECT_EQ(lv_timer_handler(), 30u);
    lv_tick_inc(12);
    EXPECT_EQ(lv_timer_handler(), 18u);
    lv_tick_inc(18);
    EXPECT_EQ(lv_timer_handler(), 30u) << "it ran and its next period started";
    EXPECT_EQ(a.ticks.size(), 1u);

    lv_timer_pause(t);
    EXPECT_EQ(lv_timer_handler(), LV_NO_TIMER_READY) << "a paused timer is not waited for";
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
    /*Newest first: the deleting timer runs before its victim is reached*/
    EXPECT_EQ(victim_runs, 0);
    EXPECT_EQ(lv_timer_get_next(nullptr), lv_anim_get_timer()) << "only the library's own timer is left";
    EXPECT_EQ(lv_timer_get_next(lv_anim_get_timer()), nullptr);
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

// What a callback does to the list takes effect at once, but a timer it
// creates waits for the next handler call and a deleted one never runs again.
TEST_F(MiscTimerTest, ChangesMadeByCallbacksTakeEffectWithoutRunningAnythingTwice)
{
    struct Case {
        const char * name;
        void (*in_callback)(lv_timer_t * self);
        std::vector<uint32_t> expected_runs;  /*per handler call: runs of the timer made by the callback*/
    };
    static std::vector<uint32_t> child_runs;
    static lv_timer_t * child;
    static const Case cases[] = {
        {"a timer created with period 0 runs at the next call, not in this one",
         [](lv_timer_t *) { child = lv_timer_create([](lv_timer_t *) { child_runs.back()++; }, 0, nullptr); },
         {0, 1, 1}},
        {"a one-shot timer created by a callback runs once and is gone",
         [](lv_timer_t *) {
             child = lv_timer_create([](lv_timer_t *) { child_runs.back()++; }, 0, nullptr);
             lv_timer_set_repeat_count(child, 1);
         },
         {0, 1, 0}},
        {"a timer with its runs set to 0 is deleted without running",
         [](lv_timer_t *) {
             child = lv_timer_create([](lv_timer_t *) { child_runs.back()++; }, 0, nullptr);
             lv_timer_set_repeat_count(child, 0);
         },
         {0, 0, 0}},
    };
    for(const Case & c : cases) {
        SCOPED_TRACE(c.name);
        child = nullptr;
        child_runs.clear();
        lv_timer_t * parent = lv_timer_create(c.in_callback, 0, nullptr);
        lv_timer_set_repeat_count(parent, 1);
        for(size_t pass = 0; pass < c.expected_runs.size(); pass++) {
            child_runs.push_back(0);
            lv_timer_handler();
        }
        EXPECT_EQ(child_runs, c.expected_runs);
        bool child_listed = false;
        for(lv_timer_t * t = lv_timer_get_next(nullptr); t; t = lv_timer_get_next(t)) child_listed |= t == child;
        if(child_listed) lv_timer_del(child);
    }
}

TEST_F(MiscTimerTest, DueTimersRunNewestFirstAndEachOncePerCall)
{
    static std::string order;
    order.clear();
    lv_timer_create([](lv_timer_t *) { order += "old "; }, 5, nullptr);
    lv_timer_create([](lv_timer_t *) { order += "new "; }, 5, nullptr);
    lv_tick_inc(50);
    lv_timer_handler();
    EXPECT_EQ(order, "new old ") << "overdue by many periods, still once per call";
}

// Deleting an older timer from a callback must not shift the newer ones back
// under the walk: a period-0 timer would then run twice in one call.
TEST_F(MiscTimerTest, DeletingAnOlderTimerFromACallbackRunsNoTimerTwice)
{
    static std::string order;
    static lv_timer_t * oldest;
    order.clear();
    oldest = lv_timer_create([](lv_timer_t *) { order += "o"; }, 0, nullptr);
    lv_timer_create([](lv_timer_t *) { order += "m"; }, 0, nullptr);
    lv_timer_create([](lv_timer_t * self) {
        order += "n";
        if(oldest) lv_timer_del(oldest);
        oldest = nullptr;
        (void)self;
    }, 0, nullptr);
    lv_timer_handler();
    EXPECT_EQ(order, "nm");
    order.clear();
    lv_timer_handler();
    EXPECT_EQ(order, "nm");
}

TEST_F(MiscTimerTest, DeletingATimerTwiceLeavesTheOthersAlone)
{
    Log a;
    lv_timer_t * keep = lv_timer_create(log_tick, 10, &a);
    lv_timer_t * gone = lv_timer_create(log_tick, 10, nullptr);
    lv_timer_del(gone);
    lv_timer_del(gone);
    lv_timer_del(nullptr);
    run_ms(20);
    EXPECT_EQ(a.ticks.size(), 2u);
    EXPECT_EQ(lv_timer_get_next(nullptr), keep);
}

TEST_F(MiscTimerTest, DisabledOrNestedHandlersRunNothing)
{
    static int runs;
    static uint32_t nested_result;
    runs = 0;
    lv_timer_t * t = lv_timer_create([](lv_timer_t *) {
        runs++;
        nested_result = lv_timer_handler();
    }, 10, nullptr);

    lv_timer_enable(false);
    lv_tick_inc(20);
    EXPECT_EQ(lv_timer_handler(), 1u);
    EXPECT_EQ(runs, 0);

    lv_timer_enable(true);
    lv_timer_handler();
    EXPECT_EQ(runs, 1) << "the nested call inside the callback did not run it again";
    EXPECT_EQ(nested_result, 1u);
    lv_timer_del(t);
}

TEST_F(MiscTimerTest, ResetStartsThePeriodOverAndRunInPeriodSkipsEarlyCalls)
{
    Log a;
    lv_timer_t * t = lv_timer_create(log_tick, 10, &a);
    lv_tick_inc(8);
    lv_timer_reset(t);
    run_ms(9);
    EXPECT_TRUE(a.ticks.empty());
    run_ms(1);
    EXPECT_EQ(a.ticks.size(), 1u);

    lv_tick_inc(100);
    EXPECT_NE(lv_timer_handler_run_in_period(50), 1u) << "a full pass runs after 50 ms";
    EXPECT_EQ(a.ticks.size(), 2u);
    lv_tick_inc(30);
    EXPECT_EQ(lv_timer_handler_run_in_period(50), 1u) << "too early: skipped";
    EXPECT_EQ(a.ticks.size(), 2u);
}

// Callbacks that take half of each 10 ms (they move the clock themselves)
// leave about half of the time idle.
TEST_F(MiscTimerTest, IdleShareReflectsTheTimeSpentInCallbacks)
{
    lv_timer_create([](lv_timer_t *) { lv_tick_inc(5); }, 10, nullptr);
    for(int i = 0; i < 200; i++) {
        lv_tick_inc(5);
        lv_timer_handler();
    }
    EXPECT_GE(lv_timer_get_idle(), 40);
    EXPECT_LE(lv_timer_get_idle(), 60);
}

TEST_F(MiscTimerTest, AsyncCallsCanBeCancelledUntilTheyRun)
{
    static std::string ran;
    ran.clear();
    static const lv_async_cb_t note = [](void * p) { ran += static_cast<const char *>(p); };
    static const char * a = "a";
    static const char * b = "b";
    static const char * c = "c";

    // a cancels c, which is in the same batch but has not run yet, and
    // schedules z, which waits for the next pass
    lv_async_call([](void *) {
        ran += "a";
        EXPECT_EQ(lv_async_call_cancel(note, const_cast<char *>(c)), LV_RES_OK);
        lv_async_call(note, const_cast<char *>("z"));
    }, nullptr);
    lv_async_call(note, const_cast<char *>(b));
    lv_async_call(note, const_cast<char *>(c));
    lv_async_call(note, const_cast<char *>(b));
    EXPECT_EQ(lv_timer_handler(), 0u) << "a call is pending: no sleeping";
    EXPECT_EQ(ran, "abb");
    EXPECT_EQ(lv_timer_handler(), LV_NO_TIMER_READY) << "nothing pending: the async timer pauses";
    EXPECT_EQ(ran, "abbz");

    // Cancelling removes every matching call and only those
    ran.clear();
    lv_async_call(note, const_cast<char *>(a));
    lv_async_call(note, const_cast<char *>(b));
    lv_async_call(note, const_cast<char *>(a));
    EXPECT_EQ(lv_async_call_cancel(note, const_cast<char *>(a)), LV_RES_OK);
    EXPECT_EQ(lv_async_call_cancel(note, const_cast<char *>(a)), LV_RES_INV);
    lv_timer_handler();
    EXPECT_EQ(ran, "b");
}

}  // namespace
