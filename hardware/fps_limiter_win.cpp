// set_rtss_limit with the Windows calls behind RtssOps (the decisions are in
// rtss_client.cpp).
#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

#include <mutex>

#include "hardware/fps_limiter.h"

namespace {

// RTSS's installer records its executable under the 32-bit view of the
// registry; a 64-bit process names that view explicitly.
constexpr const char RTSS_KEY[] = "Software\\WOW6432Node\\Unwinder\\RTSS";
constexpr const char RTSS_SHARED_MEMORY[] = "RTSSSharedMemoryV2";

// RegGetValueA with RRF_RT_REG_SZ NUL-terminates within the buffer, which a
// plain query of a value stored without its terminator would not.
bool read_install_path(char* out, size_t size) {
  DWORD bytes = DWORD(size);
  return RegGetValueA(HKEY_LOCAL_MACHINE, RTSS_KEY, "InstallPath", RRF_RT_REG_SZ, nullptr, out,
                      &bytes) == ERROR_SUCCESS;
}

bool shared_memory_present() {
  HANDLE mapping = OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE, RTSS_SHARED_MEMORY);
  if (!mapping) return false;
  CloseHandle(mapping);
  return true;
}

// ShellExecute may hand the start to shell extensions, which are COM
// objects: the limiter's worker joins an apartment for the call. On the
// window thread (the exit) COM is already up in another mode; the refused
// initialisation is then simply not balanced.
void start_program(const char* path) {
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  ShellExecuteA(nullptr, "open", path, nullptr, nullptr, SW_SHOWNORMAL);
  if (SUCCEEDED(com)) CoUninitialize();
}

void sleep_ms(uint32_t ms) { Sleep(ms); }

void* load_library(const char* path) { return LoadLibraryA(path); }
void free_library(void* module) { FreeLibrary(static_cast<HMODULE>(module)); }
void* resolve(void* module, const char* name) {
  return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(module), name));
}

const RtssOps WIN_RTSS_OPS = {
    read_install_path, shared_memory_present, start_program, sleep_ms,
    load_library,      free_library,          resolve,
};

std::mutex client_lock;
RtssClient client{};

}  // namespace

uint8_t set_rtss_limit(int32_t limit) {
  std::lock_guard<std::mutex> guard(client_lock);
  return rtss_set_limit(&client, WIN_RTSS_OPS, limit);
}
