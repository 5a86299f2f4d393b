// Stand-in for RTSSHooks64.dll, RTSS's profile library: its eight exports by
// name. A loaded profile lives in memory until SaveProfile writes it; only
// the global profile ("") is kept on disk (rtss_global.txt, see
// rtss_state.h), which is where a test or rtsssim.exe reads the limit RTSS
// would apply. Every call is logged to rtss.log, so the order of Load, Set,
// Save and Update can be checked.
//
// Like the real library it works whether RTSS runs or not: it edits the
// profiles, and UpdateProfiles only tells a running RTSS to read them again.
// Only 4-byte properties are kept; other sizes are refused.
#include <windows.h>

#include <cstring>
#include <mutex>

#include "rtss_state.h"

namespace {

std::mutex lock;
RtssSimProfile loaded = {};
bool loaded_is_global = false;

const char* shown(const char* text) { return text ? text : "(null)"; }

}  // namespace

extern "C" {

__declspec(dllexport) DWORD EnumProfiles(LPSTR list, DWORD size) {
  rtss_sim_log("EnumProfiles %lu", static_cast<unsigned long>(size));
  // One profile, the global one, whose name is empty.
  if (list && size > 0) list[0] = '\0';
  return 0;
}

__declspec(dllexport) void LoadProfile(LPCSTR profile) {
  std::lock_guard<std::mutex> guard(lock);
  rtss_sim_log("LoadProfile '%s'", shown(profile));
  loaded_is_global = profile && !*profile;
  if (loaded_is_global) {
    rtss_sim_read_global(&loaded);
  } else {
    loaded.count = 0;
  }
}

__declspec(dllexport) void SaveProfile(LPCSTR profile) {
  std::lock_guard<std::mutex> guard(lock);
  const bool global = profile && !*profile;
  bool saved = global && loaded_is_global && rtss_sim_write_global(loaded);
  rtss_sim_log("SaveProfile '%s'%s", shown(profile), saved ? "" : " not-kept");
}

__declspec(dllexport) BOOL GetProfileProperty(LPCSTR name, LPBYTE data, DWORD size) {
  std::lock_guard<std::mutex> guard(lock);
  RtssSimProperty* property = rtss_sim_property(&loaded, name, false);
  if (!property || !data || size != sizeof(int32_t)) {
    rtss_sim_log("GetProfileProperty %s %lu absent", shown(name), static_cast<unsigned long>(size));
    return FALSE;
  }
  std::memcpy(data, &property->value, sizeof(int32_t));
  rtss_sim_log("GetProfileProperty %s %lu = %d", name, static_cast<unsigned long>(size),
               int(property->value));
  return TRUE;
}

__declspec(dllexport) BOOL SetProfileProperty(LPCSTR name, LPBYTE data, DWORD size) {
  std::lock_guard<std::mutex> guard(lock);
  RtssSimProperty* property = data && size == sizeof(int32_t)
                                  ? rtss_sim_property(&loaded, name, true)
                                  : nullptr;
  if (!property) {
    rtss_sim_log("SetProfileProperty %s size %lu refused", shown(name),
                 static_cast<unsigned long>(size));
    return FALSE;
  }
  std::memcpy(&property->value, data, sizeof(int32_t));
  rtss_sim_log("SetProfileProperty %s %d", name, int(property->value));
  return TRUE;
}

__declspec(dllexport) void DeleteProfile(LPCSTR profile) {
  rtss_sim_log("DeleteProfile '%s'", shown(profile));
}

__declspec(dllexport) void ResetProfile(LPCSTR profile) {
  std::lock_guard<std::mutex> guard(lock);
  rtss_sim_log("ResetProfile '%s'", shown(profile));
  loaded.count = 0;
}

__declspec(dllexport) void UpdateProfiles(void) { rtss_sim_log("UpdateProfiles"); }

}  // extern "C"
