// Setting RTSS's frame-rate limit against a fake world: what the registry
// holds, whether RTSS runs or comes up when started, and which hooks library
// lies in its folder. Every outside call is written to a trace, so a case
// states the calls and their order as RTSS would see them.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "hardware/rtss_client.h"

namespace {

const char* const INSTALL_PATH = "C:\\Program Files (x86)\\RivaTuner Statistics Server\\RTSS.exe";
const char* const HOOKS_PATH =
    "C:\\Program Files (x86)\\RivaTuner Statistics Server\\RTSSHooks64.dll";

struct World {
  std::string install_path;     // "": no registry value
  bool running = false;         // RTSS's shared memory is there
  bool comes_up = true;         // a start makes it run within the grace
  bool library = true;          // the hooks library loads
  const char* missing = nullptr;  // an export the library lacks
};

World world;
std::vector<std::string> trace;
int stored_limit = -1;  // what the global profile holds after SaveProfile
int profile_limit = -1;  // the loaded profile's copy

void note(const std::string& s) { trace.push_back(s); }

bool read_path(char* out, size_t size) {
  note("registry");
  if (world.install_path.empty()) return false;
  std::snprintf(out, size, "%s", world.install_path.c_str());
  return true;
}
bool shared_memory() {
  note(world.running ? "mapped" : "no mapping");
  return world.running;
}
void start_program(const char* path) {
  note(std::string("start ") + path);
  if (world.comes_up) world.running = true;
}
void sleep_ms(uint32_t ms) { note("sleep " + std::to_string(ms)); }

int module_token;
void* load_library(const char* path) {
  note(std::string("load ") + path);
  return world.library ? &module_token : nullptr;
}
void free_library(void* module) { note(module == &module_token ? "free" : "free ?"); }

uint32_t enum_profiles(char*, uint32_t) { return note("EnumProfiles"), 0; }
void load_profile(const char* p) {
  note(std::string("LoadProfile '") + p + "'");
  profile_limit = stored_limit;
}
void save_profile(const char* p) {
  note(std::string("SaveProfile '") + p + "'");
  stored_limit = profile_limit;
}
int get_property(const char* name, void* data, uint32_t size) {
  note(std::string("Get ") + name + " " + std::to_string(size));
  std::memcpy(data, &profile_limit, sizeof(int));
  return 1;
}
int set_property(const char* name, void* data, uint32_t size) {
  int value = 0;
  std::memcpy(&value, data, sizeof(int));
  note(std::string("Set ") + name + " " + std::to_string(value) + " " + std::to_string(size));
  profile_limit = value;
  return 1;
}
void delete_profile(const char*) { note("DeleteProfile"); }
void reset_profile(const char*) { note("ResetProfile"); }
void update_profiles() { note("UpdateProfiles"); }

void* resolve(void* module, const char* name) {
  if (module != &module_token) return nullptr;
  if (world.missing && std::strcmp(name, world.missing) == 0) return nullptr;
  const struct {
    const char* name;
    void* address;
  } exports[] = {
      {"EnumProfiles", reinterpret_cast<void*>(enum_profiles)},
      {"LoadProfile", reinterpret_cast<void*>(load_profile)},
      {"SaveProfile", reinterpret_cast<void*>(save_profile)},
      {"GetProfileProperty", reinterpret_cast<void*>(get_property)},
      {"SetProfileProperty", reinterpret_cast<void*>(set_property)},
      {"DeleteProfile", reinterpret_cast<void*>(delete_profile)},
      {"ResetProfile", reinterpret_cast<void*>(reset_profile)},
      {"UpdateProfiles", reinterpret_cast<void*>(update_profiles)},
  };
  for (const auto& e : exports) {
    if (std::strcmp(e.name, name) == 0) return e.address;
  }
  return nullptr;
}

const RtssOps OPS = {read_path, shared_memory, start_program, sleep_ms,
                     load_library, free_library, resolve};

using Trace = std::vector<std::string>;

// The calls that write a limit through loaded hooks.
Trace writes(int limit) {
  return {"LoadProfile ''", "Set FramerateLimit " + std::to_string(limit) + " 4",
          "SaveProfile ''", "UpdateProfiles"};
}
Trace read_back() { return {"LoadProfile ''", "Get FramerateLimit 4"}; }
Trace join(std::initializer_list<Trace> parts) {
  Trace all;
  for (const Trace& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

// One change: the world as it is before it, the limit, and what must happen.
struct Step {
  World world;
  int limit;
  uint8_t status;
  Trace calls;
  int stored;  // the global profile's limit afterwards (-1: never written)
};

struct Case {
  const char* name;
  std::vector<Step> steps;
};

World installed(bool running) {
  World w;
  w.install_path = INSTALL_PATH;
  w.running = running;
  return w;
}
World installed_slow() {
  World w = installed(false);
  w.comes_up = false;
  return w;
}
World not_installed(bool running) {
  World w;
  w.running = running;
  return w;
}
World library(World w, bool present, const char* missing = nullptr) {
  w.library = present;
  w.missing = missing;
  return w;
}

const std::string LOAD = std::string("load ") + HOOKS_PATH;
const std::string START = std::string("start ") + INSTALL_PATH;

TEST(RtssClient, each_change_reaches_the_global_profile_as_far_as_rtss_and_its_hooks_allow) {
  const Case cases[] = {
      {"installed and running: read back, then written and applied",
       {{installed(true), 45, RTSS_DONE,
         join({{"registry", LOAD, "mapped", "mapped"}, read_back(), writes(45)}), 45}}},
      {"installed but stopped: started once, given its grace, then the limit",
       {{installed(false), 45, RTSS_DONE,
         join({{"registry", LOAD, "no mapping", START, "sleep 500", "mapped"}, read_back(),
               writes(45)}),
         45}}},
      {"started but not up within the grace: not installed, yet the profile takes the limit",
       {{installed_slow(), 30, RTSS_NOT_RUNNING,
         join({{"registry", LOAD, "no mapping", START, "sleep 500", "no mapping"}, writes(30)}),
         30}}},
      {"not installed and not running: nothing started, nothing written",
       {{not_installed(false), 45, RTSS_NOT_RUNNING, {"registry", "no mapping", "no mapping"}, -1}}},
      {"not installed but some RTSS runs: status 1 and no hooks",
       {{not_installed(true), 45, RTSS_NO_INSTALL_PATH, {"registry", "mapped", "mapped"}, -1}}},
      {"no hooks library: the status follows the shared memory alone",
       {{library(installed(true), false), 45, RTSS_DONE, {"registry", LOAD, "mapped", "mapped"},
         -1}}},
      {"a library without UpdateProfiles is refused and unloaded",
       {{library(installed(true), true, "UpdateProfiles"), 45, RTSS_DONE,
         {"registry", LOAD, "free", "mapped", "mapped"}, -1}}},
      {"the path is read and the hooks loaded once for the process",
       {{installed(true), 45, RTSS_DONE,
         join({{"registry", LOAD, "mapped", "mapped"}, read_back(), writes(45)}), 45},
        {installed(true), 0, RTSS_DONE, join({{"mapped", "mapped"}, read_back(), writes(0)}), 0}}},
      {"turning off at 45 sends 45 and then 0",
       {{installed(true), 45, RTSS_DONE,
         join({{"registry", LOAD, "mapped", "mapped"}, read_back(), writes(45)}), 45},
        {installed(true), 0, RTSS_DONE, join({{"mapped", "mapped"}, read_back(), writes(0)}), 0}}},
      {"RTSS installed after a failed change is found on the next one",
       {{not_installed(false), 45, RTSS_NOT_RUNNING, {"registry", "no mapping", "no mapping"}, -1},
        {installed(false), 45, RTSS_DONE,
         join({{"registry", LOAD, "no mapping", START, "sleep 500", "mapped"}, read_back(),
               writes(45)}),
         45}}},
      {"a hooks library that failed to load is tried again on the next change",
       {{library(installed(true), false), 45, RTSS_DONE, {"registry", LOAD, "mapped", "mapped"},
         -1},
        {installed(true), 50, RTSS_DONE,
         join({{LOAD, "mapped", "mapped"}, read_back(), writes(50)}), 50}}},
      {"RTSS closed by the user is started again by the next change",
       {{installed(true), 45, RTSS_DONE,
         join({{"registry", LOAD, "mapped", "mapped"}, read_back(), writes(45)}), 45},
        {installed(false), 40, RTSS_DONE,
         join({{"no mapping", START, "sleep 500", "mapped"}, read_back(), writes(40)}), 40}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RtssClient client{};
    stored_limit = -1;
    for (size_t i = 0; i < c.steps.size(); ++i) {
      const Step& step = c.steps[i];
      world = step.world;
      trace.clear();
      EXPECT_EQ(rtss_set_limit(&client, OPS, step.limit), step.status) << "change " << i;
      EXPECT_EQ(trace, step.calls) << "change " << i;
      EXPECT_EQ(stored_limit, step.stored) << "change " << i;
    }
  }
}

TEST(RtssClient, the_read_back_never_becomes_the_limit) {
  RtssClient client{};
  world = installed(true);
  stored_limit = 60;
  EXPECT_EQ(rtss_set_limit(&client, OPS, 30), RTSS_DONE);
  EXPECT_EQ(client.read_back, 60);
  EXPECT_EQ(stored_limit, 30);
}

TEST(RtssClient, the_hooks_library_is_looked_for_beside_the_rtss_executable) {
  const std::string long_folder = "C:\\" + std::string(235, 'x');
  const struct {
    std::string install_path;
    bool fits;
    std::string hooks_path;
  } cases[] = {
      {INSTALL_PATH, true, HOOKS_PATH},
      {"D:\\RTSS\\RTSS.exe", true, "D:\\RTSS\\RTSSHooks64.dll"},
      {"C:\\RTSS.exe", true, "C:\\RTSSHooks64.dll"},
      {"RTSS.exe", true, "\\RTSSHooks64.dll"},
      {long_folder + "\\RTSS.exe", true, long_folder + "\\RTSSHooks64.dll"},
      // 259 bytes and the terminator still fit; one more would be cut short
      // and name another file, so it is refused.
      {long_folder + "yyyyy\\RTSS.exe", true, long_folder + "yyyyy\\RTSSHooks64.dll"},
      {long_folder + "yyyyyy\\RTSS.exe", false, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.install_path);
    char out[RTSS_PATH_SIZE] = "junk";
    EXPECT_EQ(rtss_hooks_path(c.install_path.c_str(), out, sizeof(out)), c.fits);
    EXPECT_EQ(std::string(out), c.hooks_path);
  }
}

TEST(RtssClient, an_install_path_too_long_for_the_hooks_name_loads_nothing) {
  RtssClient client{};
  world = installed(true);
  // 257 bytes: the registry value fits, its folder and the hooks name do not.
  world.install_path = "C:\\" + std::string(245, 'x') + "\\RTSS.exe";
  trace.clear();
  EXPECT_EQ(rtss_set_limit(&client, OPS, 45), RTSS_DONE);
  EXPECT_EQ(trace, (Trace{"registry", "mapped", "mapped"}));
}

}  // namespace
