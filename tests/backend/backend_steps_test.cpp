// The start and stop sequences of the back ends, with every outside effect
// recorded: which libraries are started, what the EC receives, when the
// display adapters are restarted and how long the program waits.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "hardware/backend.h"
#include "hardware/backend_steps.h"
#include "hardware/hardware_state.h"
#include "hardware/ryzenadj.h"

namespace {

// What the fake world answers.
struct World {
  const char* cpu = "AMD Ryzen 7 6800U with Radeon Graphics";  // nullptr: value missing
  const char* board = "Vexa Crest";
  std::vector<bool> ec_loads = {true};  // answers of successive load attempts
  uint32_t probe = 0, check = 0, write = 0;
  int restarted = 1;
  void* handle = reinterpret_cast<void*>(0x1234);
};

World world;
std::vector<std::string> trace;
size_t ec_load_calls;

void note(const std::string& s) { trace.push_back(s); }

bool copy_name(const char* name, char* out, size_t size) {
  if (!name) return false;
  snprintf(out, size, "%s", name);
  return true;
}
bool read_cpu(char* out, size_t size) { return copy_name(world.cpu, out, size); }
bool read_board(char* out, size_t size) { return copy_name(world.board, out, size); }
void* init_ryzenadj_fake() { return note("ryzenadj init"), world.handle; }
void cleanup_ryzenadj_fake(void* h) {
  note(h == world.handle ? "ryzenadj cleanup" : "ryzenadj cleanup ?");
}
void adlx_start_fake() { note("adlx start"); }
void adlx_stop_fake() { note("adlx stop"); }
bool load_ec_fake() {
  note("ec load");
  size_t i = ec_load_calls++;
  return i < world.ec_loads.size() && world.ec_loads[i];
}
void unload_ec_fake() { note("ec unload"); }
bool safe_state_fake() {
  char s[64];
  snprintf(s, sizeof(s), "ec safe state ready %d/%d", ec_ready.load(), lighting_ready.load());
  note(s);
  return true;
}
uint32_t answer(const char* what, uint32_t value) {
  note(what);
  return value;
}
uint32_t probe_fake() { return answer("edid probe", world.probe); }
uint32_t check_fake() { return answer("edid check", world.check); }
uint32_t write_fake() { return answer("edid write", world.write); }
int restart_fake() {
  note(std::string("restart panel adapter") + (adapter_restarting ? " (restarting)" : ""));
  return world.restarted;
}
void clear_fps_fake() { note("fps 0"); }

const BackendOps FAKE_OPS = {
    read_cpu,       read_board,   init_ryzenadj_fake, cleanup_ryzenadj_fake, adlx_start_fake,
    adlx_stop_fake, load_ec_fake, unload_ec_fake,     safe_state_fake,       probe_fake,
    check_fake,     write_fake,   restart_fake,       clear_fps_fake};

void reset_process_state() {
  CpuModel = 0;
  BoardModel = 0;
  ec_driver_loaded = ec_ready = lighting_ready = adlx_ready = adapter_restarting = 0;
  ryzenadj_handle = nullptr;
  rgb_cache[0] = rgb_cache[1] = rgb_cache[2] = 77;
  trace.clear();
  ec_load_calls = 0;
}

using Trace = std::vector<std::string>;
const Trace CPU_START = {"ryzenadj init", "adlx start"};
Trace operator+(Trace a, const Trace& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}
// No fixed pauses: the restart itself waits on the adapter's status.
const Trace FULL_RESTART = {"adlx stop", "restart panel adapter (restarting)", "adlx start"};

const char* const CPU = "AMD Ryzen 7 6800U with Radeon Graphics";
const uint32_t BAD = 0xFFFFFFFF;  // an accumulator with error bits
const std::vector<bool> LOADS = {true};

TEST(BackendStart, follows_the_device_and_the_panel_override) {
  struct Case {
    const char* what;
    const char* cpu;  // nullptr: registry value missing
    const char* board;
    std::vector<bool> ec_loads;
    uint32_t probe, check, write;
    int restarted;
    int32_t result;
    int32_t ec_loaded;
    Trace trace;
  } cases[] = {
      // clang-format off
      // what                 cpu  board  EC loads  probe check write  restarted  result loaded
      {"no panel key", CPU, "Vexa Crest", LOADS, 0, 0, 0, 1, 1, 1,
       CPU_START + Trace{"ec load", "edid probe"}},
      {"board not recognised", CPU, "Other Board", LOADS, 0, 0, 0, 1, 0, 0, CPU_START},
      {"board name missing", CPU, nullptr, LOADS, 0, 0, 0, 1, 0, 0, CPU_START},
      {"processor not recognised", "Intel(R) Core(TM) i5", "Harrow", LOADS, 0, 0, 0, 1, 1, 1,
       {"ec load", "edid probe"}},
      {"processor name missing", nullptr, "Dune", LOADS, 0, 0, 0, 1, 1, 1,
       {"ec load", "edid probe"}},
      {"override current", CPU, "Fathom", LOADS, 1, 1, 0, 1, 1, 1,
       CPU_START + Trace{"ec load", "edid probe", "edid check"}},
      {"probe error", CPU, "Vexa Crest", LOADS, BAD, 0, 0, 1, 1, 1,
       CPU_START + Trace{"ec load", "edid probe"}},
      {"override written", CPU, "Vexa Crest", LOADS, 1, BAD, 1, 1, 2, 1,
       CPU_START + Trace{"ec load", "edid probe", "edid check", "edid write"} + FULL_RESTART},
      {"override write failed", CPU, "Vexa Crest", LOADS, 1, 0, BAD, 1, 1, 1,
       CPU_START + Trace{"ec load", "edid probe", "edid check", "edid write"}},
      {"the panel's adapter could not be restarted", CPU, "Vexa Crest", LOADS, 1, 0, 1, 0, 2, 1,
       CPU_START + Trace{"ec load", "edid probe", "edid check", "edid write"} + FULL_RESTART},
      {"restart without a recognised processor", "", "Vexa Crest", LOADS, 1, 0, 1, 1, 2, 1,
       {"ec load", "edid probe", "edid check", "edid write", "restart panel adapter (restarting)"}},
      {"EC driver loads at the second attempt", CPU, "Vexa Crest", {false, true}, 0, 0, 0, 1, 1, 1,
       CPU_START + Trace{"ec load", "ec load", "edid probe"}},
      {"EC driver never loads", CPU, "Vexa Crest", {false, false}, 0, 0, 0, 1, 1, 0,
       CPU_START + Trace{"ec load", "ec load", "edid probe"}},
      // clang-format on
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    reset_process_state();
    world = World{c.cpu, c.board, c.ec_loads, c.probe, c.check, c.write, c.restarted};
    EXPECT_EQ(run_start_backend(FAKE_OPS), c.result);
    EXPECT_EQ(trace, c.trace);
    EXPECT_EQ(adapter_restarting.load(), 0);
    bool board = c.result != 0;
    EXPECT_EQ(ec_ready.load(), board) << "set whether or not the driver loaded";
    EXPECT_EQ(lighting_ready.load(), board);
    if (board) EXPECT_EQ(rgb_cache[0] + rgb_cache[1] + rgb_cache[2], 0);
    EXPECT_EQ(ec_driver_loaded.load(), c.ec_loaded);
    if (CpuModel == 0) EXPECT_EQ(adlx_ready.load(), 1) << "display queries would wait forever";
    EXPECT_EQ(ryzenadj_handle, CpuModel != 0 ? world.handle : nullptr);
  }
}

TEST(BackendStart, an_already_loaded_ec_driver_is_not_loaded_again) {
  reset_process_state();
  world = World{};
  ec_driver_loaded = 1;
  EXPECT_EQ(run_start_backend(FAKE_OPS), 1);
  EXPECT_EQ(trace, CPU_START + Trace{"edid probe"});
  EXPECT_EQ(ec_driver_loaded.load(), 1);
}

TEST(BackendStop, leaves_fan_and_lighting_to_the_ec_and_releases_what_was_started) {
  const Trace EC_SAFE = {"ec safe state ready 0/0", "ec unload"};
  struct Case {
    const char* what;
    uint32_t cpu;
    int32_t board;
    void* handle;
    Trace trace;
  } cases[] = {
      {"supported device", 2, 1, reinterpret_cast<void*>(0x1234),
       EC_SAFE + Trace{"ryzenadj cleanup", "adlx stop", "fps 0"}},
      {"processor not recognised", 0, 3, nullptr, EC_SAFE},
      {"board not recognised",
       4,
       0,
       reinterpret_cast<void*>(0x1234),
       {"ryzenadj cleanup", "adlx stop"}},
      {"RyzenAdj failed to start", 1, 2, nullptr, EC_SAFE + Trace{"adlx stop", "fps 0"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    reset_process_state();
    world = World{};
    CpuModel = c.cpu;
    BoardModel = c.board;
    ec_ready = lighting_ready = ec_driver_loaded = c.board != 0;
    ryzenadj_handle = c.handle;
    run_stop_backend(FAKE_OPS);
    EXPECT_EQ(trace, c.trace);
    EXPECT_EQ(ec_driver_loaded.load(), 0);
    EXPECT_EQ(ryzenadj_handle, nullptr) << "a later power call must not reach a cleaned-up handle";
  }
}

int calls_seen;
int RYZENADJ_CALL counting_setter(ryzen_access, uint32_t value) {
  ++calls_seen;
  return int(value);
}

TEST(RyzenAdjApply, never_passes_a_missing_handle_to_the_library) {
  struct Case {
    void* handle;
    int result;
    int calls;
  } cases[] = {{nullptr, RYZENADJ_NO_HANDLE, 0}, {reinterpret_cast<void*>(0x1234), 18000, 1}};
  for (const Case& c : cases) {
    ryzenadj_handle = c.handle;
    calls_seen = 0;
    EXPECT_EQ(ryzenadj_apply(counting_setter, 18000), c.result);
    EXPECT_EQ(calls_seen, c.calls);
  }
  ryzenadj_handle = nullptr;
}

}  // namespace
