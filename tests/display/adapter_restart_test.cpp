// The adapter restart after a new EDID override: which adapters are touched,
// and that each step waits on the adapter's status with a deadline rather
// than for a fixed time. The devices here are scripted.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "hardware/adapter_restart.h"

namespace {

// One scripted adapter: how long it takes to follow a property change, and
// how many enables it refuses first.
struct FakeAdapter {
  AdapterStatus status = ADAPTER_RUNNING;
  bool refuse_disable = false;
  int refused_enables = 0;
  uint32_t settle_ms = 0;   // time until a change shows in the status
  uint32_t change_at = 0;   // when the pending change shows
  AdapterStatus pending = ADAPTER_RUNNING;
  bool never_starts = false;
};

std::vector<FakeAdapter> fakes;
std::vector<std::string> calls;
uint32_t now = 0;

bool fake_set_enabled(size_t index, bool enabled) {
  calls.push_back(std::to_string(index) + (enabled ? " enable" : " disable"));
  FakeAdapter& a = fakes[index];
  if (!enabled && a.refuse_disable) return false;
  if (enabled && a.refused_enables > 0) {
    --a.refused_enables;
    return false;
  }
  a.pending = enabled ? (a.never_starts ? ADAPTER_OTHER : ADAPTER_RUNNING) : ADAPTER_DISABLED;
  a.change_at = now + a.settle_ms;
  a.status = ADAPTER_OTHER;
  return true;
}
AdapterStatus fake_status(size_t index) {
  FakeAdapter& a = fakes[index];
  if (a.status == ADAPTER_OTHER && now >= a.change_at) a.status = a.pending;
  return a.status;
}
void fake_sleep(uint32_t ms) { now += ms; }
uint32_t fake_now() { return now; }
const AdapterRestartOps OPS = {fake_set_enabled, fake_status, fake_sleep, fake_now};

TEST(AdapterRestart, only_the_panels_adapter_is_restarted_and_a_disabled_one_stays_disabled) {
  struct Case {
    const char* what;
    std::vector<DisplayAdapter> adapters;
    std::vector<size_t> chosen;
  } cases[] = {
      {"panel on the only adapter", {{true, false}}, {0}},
      {"panel on the second of two", {{false, false}, {true, false}}, {1}},
      {"the panel's adapter was disabled by the user", {{true, true}, {false, false}}, {}},
      {"no adapter drives the panel", {{false, false}, {false, true}}, {}},
      {"two adapters report the panel", {{true, false}, {true, false}}, {0, 1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(adapters_to_restart(c.adapters), c.chosen);
  }
}

TEST(AdapterRestart, waits_on_the_adapters_status_and_retries_the_enable) {
  struct Case {
    const char* what;
    FakeAdapter adapter;
    int restarted;
    std::vector<std::string> calls;
    uint32_t elapsed_at_least, elapsed_at_most;
  } cases[] = {
      {"a quick adapter is back as soon as it runs", {ADAPTER_RUNNING, false, 0, 120}, 1,
       {"1 disable", "1 enable"}, 240, 340},
      {"a refused disable leaves it running", {ADAPTER_RUNNING, true}, 0, {"1 disable"}, 0, 0},
      {"a refused enable is tried again", {ADAPTER_RUNNING, false, 2, 0}, 1,
       {"1 disable", "1 enable", "1 enable", "1 enable"}, 2 * ADAPTER_ENABLE_RETRY_MS,
       2 * ADAPTER_ENABLE_RETRY_MS + 100},
      {"an adapter that never starts ends the wait at its deadline",
       {ADAPTER_RUNNING, false, 0, 0, 0, ADAPTER_RUNNING, true}, 0, {"1 disable", "1 enable"},
       ADAPTER_START_DEADLINE_MS, ADAPTER_START_DEADLINE_MS + 2 * ADAPTER_POLL_MS},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fakes = {FakeAdapter{}, c.adapter};
    calls.clear();
    now = 1000;
    EXPECT_EQ(restart_adapters_of_panel({{false, false}, {true, false}}, OPS), c.restarted);
    EXPECT_EQ(calls, c.calls) << "adapter 0 drives no panel and is never touched";
    EXPECT_GE(now - 1000, c.elapsed_at_least);
    EXPECT_LE(now - 1000, c.elapsed_at_most);
  }
}

}  // namespace
