// The frame-rate limit as RTSS (RivaTuner Statistics Server) keeps it: the
// "FramerateLimit" property of RTSS's global profile, written through the
// hooks library that ships in RTSS's folder. RTSS is found through the
// install path it records in the registry and started when its shared
// memory is not there.
//
// Portable: every outside effect (registry, shared memory, process start,
// library loading, waiting) goes through RtssOps, which fps_limiter_win.cpp
// fills with the Windows calls and the native tests with recorders.
#pragma once

#include <cstddef>
#include <cstdint>

// Results of rtss_set_limit (the limiter page's status).
constexpr uint8_t RTSS_DONE = 0;
constexpr uint8_t RTSS_NO_INSTALL_PATH = 1;  // some RTSS runs, but none is installed where we look
constexpr uint8_t RTSS_NOT_RUNNING = 2;      // RTSS's shared memory is not there

constexpr size_t RTSS_PATH_SIZE = 260;         // bytes, as the registry value is read
constexpr uint32_t RTSS_START_GRACE_MS = 500;  // given to a freshly started RTSS
constexpr const char* RTSS_GLOBAL_PROFILE = "";
constexpr const char* RTSS_LIMIT_PROPERTY = "FramerateLimit";
constexpr const char* RTSS_HOOKS_FILE = "RTSSHooks64.dll";

// The hooks library's eight entry points. All eight must resolve for the
// library to count as loaded, although three are never called. Strings are
// ANSI; BOOL is int and DWORD 32 bits; on x64 there is one calling convention.
struct RtssHooks {
  uint32_t (*enum_profiles)(char* list, uint32_t size);
  void (*load_profile)(const char* profile);
  void (*save_profile)(const char* profile);
  int (*get_profile_property)(const char* name, void* data, uint32_t size);
  int (*set_profile_property)(const char* name, void* data, uint32_t size);
  void (*delete_profile)(const char* profile);
  void (*reset_profile)(const char* profile);
  void (*update_profiles)();
};

// Export names in the order they are resolved, matching RtssHooks' members.
constexpr const char* RTSS_HOOK_NAMES[8] = {
    "EnumProfiles",       "LoadProfile",   "SaveProfile",  "GetProfileProperty",
    "SetProfileProperty", "DeleteProfile", "ResetProfile", "UpdateProfiles"};

struct RtssOps {
  // "InstallPath" of the RTSS registry key (a REG_SZ, NUL-terminated within
  // size) into out; false when the key or the value is missing.
  bool (*read_install_path)(char* out, size_t size);
  // Opens RTSS's shared memory and closes it again: whether RTSS runs.
  bool (*shared_memory_present)();
  // Starts the executable at path (ShellExecute "open", shown normally).
  void (*start_program)(const char* path);
  void (*sleep_ms)(uint32_t ms);
  void* (*load_library)(const char* path);  // null on failure
  void (*free_library)(void* module);
  void* (*resolve)(void* module, const char* name);  // null when missing
};

// What the client remembers between calls, for the life of the process.
struct RtssClient {
  char install_path[RTSS_PATH_SIZE];  // "" until the registry gave one
  void* module;                       // hooks library, null when not loaded
  RtssHooks hooks;                    // all set while module is set
  int32_t read_back;                  // the global limit seen before the last change
};

/**
 * Sets the global "FramerateLimit" (0 = no limit). Reads the install path
 * while none is known; loads the hooks while they are not loaded and a path
 * is known; starts RTSS when its shared memory is missing and a path is
 * known, then gives it RTSS_START_GRACE_MS. The limit is written through the
 * hooks whenever they are loaded, even when RTSS does not run: RTSS reads
 * its profiles when it comes up.
 * @return RTSS_NOT_RUNNING when the shared memory is still missing, else
 *         RTSS_NO_INSTALL_PATH when no path is known, else RTSS_DONE
 */
uint8_t rtss_set_limit(RtssClient* client, const RtssOps& ops, int32_t limit);

/**
 * (Re)loads the hooks library from the folder of the install path. Drops a
 * loaded one first. A path whose folder plus "\RTSSHooks64.dll" does not fit
 * in RTSS_PATH_SIZE is refused rather than cut.
 * @return true when the library loaded and all eight names resolved
 */
bool rtss_load_hooks(RtssClient* client, const RtssOps& ops);

/**
 * The hooks library's path for an install path: the folder of the
 * executable (everything before the last backslash; "" when there is none),
 * then "\RTSSHooks64.dll".
 * @return false when it does not fit in size bytes
 */
bool rtss_hooks_path(const char* install_path, char* out, size_t size);
