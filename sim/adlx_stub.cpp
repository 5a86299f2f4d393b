// Stand-in for amdadlx64.dll: the six exports and the interfaces the program
// walks to read the GPU clock (system, GPU list, GPU, performance-monitoring
// services, GPU-metrics support, GPU metrics). Vtables are laid out here by
// explicit slot number, independently of the program's own declarations, so
// a slot out of place on either side shows up as a wrong call; every slot
// nobody should call answers ADLX_NOT_SUPPORTED.
//
// Objects are reference counted like ADLX's and counted while alive. They
// are never freed: a call on a released object (or after ADLXTerminate) is
// caught and logged as "misuse <method>" instead of crashing at random.
// %ProgramData%\VexaSim\adlx.log (VEXA_SIM_DIR names another folder) gets
//   ADLXInitialize 0x<requested version>
//   ADLXTerminate live <objects not released> misuse <count>
// Environment, read at each call: VEXA_SIM_GPU_CLOCK (MHz, default 1600;
// negative = the clock metric is not supported), VEXA_SIM_ADLX_GPUS (0 = an
// empty GPU list), VEXA_SIM_ADLX_FAIL=1 (ADLXInitialize fails),
// VEXA_SIM_ADLX_HOLD_MS (GetSupportedGPUMetrics first sets the event
// "VexaSimAdlxSampling", if someone made it, and then waits this long before
// it does anything: a test stops ADLX while a sampling step is inside the
// runtime, on purpose rather than by chance).
#include <windows.h>

#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <unordered_set>

#include "sim_files.h"

namespace {

typedef int Result;
enum : Result {
  OK = 0,
  ALREADY_INITIALIZED = 2,
  FAIL = 3,
  INVALID_ARGS = 4,
  UNKNOWN_INTERFACE = 6,
  TERMINATED = 7,
  NOT_FOUND = 9,
  INVALID_OBJECT = 10,
  NOT_SUPPORTED = 12,
};

constexpr uint64_t STUB_FULL_VERSION = 0x000100000005001EULL;  // 1.0.5.30
constexpr int DEFAULT_CLOCK_MHZ = 1600;

enum Kind { GPU_LIST, GPU, MONITORING, SETTINGS_3D, METRICS_SUPPORT, METRICS };
const wchar_t* const KIND_NAMES[] = {L"IADLXGPUList",
                                     L"IADLXGPU",
                                     L"IADLXPerformanceMonitoringServices",
                                     L"IADLX3DSettingsServices",
                                     L"IADLXGPUMetricsSupport",
                                     L"IADLXGPUMetrics"};

struct Object {
  void* const* vtbl;  // first member, as in every ADLX object
  Kind kind;
  long refs;
  Object* held;  // the GPU a list holds a reference to
};

struct System {
  void* const* vtbl;
};

std::recursive_mutex lock;
std::unordered_set<Object*> objects;  // every object ever made
long live = 0;
long misuse = 0;
bool initialised = false;

// --- environment and log ---

int env_int(const char* name, int fallback) {
  char value[32];
  DWORD n = GetEnvironmentVariableA(name, value, sizeof(value));
  return n == 0 || n >= sizeof(value) ? fallback : atoi(value);
}

void log_line(const char* format, ...) {
  char line[256];
  va_list args;
  va_start(args, format);
  const int length = vsnprintf(line, sizeof(line), format, args);
  va_end(args);
  if (length >= 0) sim_append_line("adlx.log", "%s", line);
}

// --- objects ---

Object* make(Kind kind, void* const* vtbl) {
  Object* o = new Object{vtbl, kind, 1, nullptr};
  objects.insert(o);
  ++live;
  return o;
}

// The object behind self when it is alive and of the kind expected (any kind
// when expected is nullptr); otherwise the call is a misuse.
Object* alive(void* self, const Kind* expected, const char* method) {
  auto found = objects.find(static_cast<Object*>(self));
  Object* o = found == objects.end() ? nullptr : *found;
  if (o && o->refs > 0 && (!expected || o->kind == *expected)) return o;
  ++misuse;
  log_line("misuse %s", method);
  return nullptr;
}

long release(Object* o) {
  if (--o->refs > 0) return o->refs;
  --live;
  if (o->held) release(o->held);
  return 0;
}

}  // namespace

namespace {

// --- IADLXInterface, slots 0..2 of every counted object ---

long WINAPI acquire(void* self) {
  std::lock_guard<std::recursive_mutex> guard(lock);
  Object* o = alive(self, nullptr, "Acquire");
  return o ? ++o->refs : 0;
}

long WINAPI release_method(void* self) {
  std::lock_guard<std::recursive_mutex> guard(lock);
  Object* o = alive(self, nullptr, "Release");
  return o ? release(o) : 0;
}

Result WINAPI query_interface(void* self, const wchar_t* iid, void** out) {
  std::lock_guard<std::recursive_mutex> guard(lock);
  Object* o = alive(self, nullptr, "QueryInterface");
  if (!o) return INVALID_OBJECT;
  if (!iid || !out) return INVALID_ARGS;
  if (wcscmp(iid, KIND_NAMES[o->kind]) != 0 && wcscmp(iid, L"IADLXInterface") != 0) {
    return UNKNOWN_INTERFACE;
  }
  ++o->refs;
  *out = o;
  return OK;
}

Result WINAPI unsupported(void*) { return NOT_SUPPORTED; }

// --- vtables, by slot number ---

constexpr int SYSTEM_SLOTS = 12, LIST_SLOTS = 13, GPU_SLOTS = 19, MONITORING_SLOTS = 23,
              SETTINGS_3D_SLOTS = 20, SUPPORT_SLOTS = 24, METRICS_SLOTS = 24;
void* system_vtbl[SYSTEM_SLOTS];
void* list_vtbl[LIST_SLOTS];
void* gpu_vtbl[GPU_SLOTS];
void* monitoring_vtbl[MONITORING_SLOTS];
void* settings_3d_vtbl[SETTINGS_3D_SLOTS];
void* support_vtbl[SUPPORT_SLOTS];
void* metrics_vtbl[METRICS_SLOTS];

System the_system = {system_vtbl};

// The system's methods answer only between ADLXInitialize and ADLXTerminate.
bool system_usable(void* self, const char* method) {
  if (self == &the_system && initialised) return true;
  ++misuse;
  log_line("misuse %s", method);
  return false;
}

// --- IADLXSystem ---

Result WINAPI get_gpus(void* self, Object** out) {
  std::lock_guard<std::recursive_mutex> guard(lock);
  if (!system_usable(self, "GetGPUs")) return TERMINATED;
  if (!out) return INVALID_ARGS;
  Object* list = make(GPU_LIST, list_vtbl);
  if (env_int("VEXA_SIM_ADLX_GPUS", 1) > 0) list->held = make(GPU, gpu_vtbl);
  *out = list;
  return OK;
}

Result WINAPI get_3d_settings_services(void* self, Object** out) {
  std::lock_guard<std::recursive_mutex> guard(lock);
  if (!system_usable(self, "Get3DSettingsServices")) return TERMINATED;
  if (!out) return INVALID_ARGS;
  *out = make(SETTINGS_3D, settings_3d_vtbl);
  return OK;
}

Result WINAPI get_monitoring_services(void* self, Object** out) {
  std::lock_guard<std::recursive_mutex> guard(lock);
  if (!system_usable(self, "GetPerformanceMonitoringServices")) return TERMINATED;
  if (!out) return INVALID_ARGS;
  *out = make(MONITORING, monitoring_vtbl);
  return OK;
}

// --- IADLXGPUList: one GPU at index 0, or none ---

const Kind LIST_KIND = GPU_LIST;

uint32_t WINAPI list_size(void* self) {
  std::lock_guard<std::recursive_mutex> guard(lock);
  Object* list = alive(self, &LIST_KIND, "Size");
  return list && list->held ? 1 : 0;
}
uint8_t WINAPI list_empty(void* self) { return list_size(self) == 0; }
uint32_t WINAPI list_begin(void* self) {
  std::lock_guard<std::recursive_mutex> guard(lock);
  alive(self, &LIST_KIND, "Begin");
  return 0;
}
uint32_t WINAPI list_end(void* self) { return list_size(self); }

Result WINAPI list_at(void* self, uint32_t location, Object** out) {
  std::lock_guard<std::recursive_mutex> guard(lock);
  Object* list = alive(self, &LIST_KIND, "At");
  if (!list) return INVALID_OBJECT;
  if (!out) return INVALID_ARGS;
  *out = nullptr;
  if (location != 0 || !list->held) return NOT_FOUND;
  ++list->held->refs;
  *out = list->held;
  return OK;
}

// --- IADLXGPU ---

const Kind GPU_KIND = GPU;

Result WINAPI gpu_name(void* self, const char** name) {
  std::lock_guard<std::recursive_mutex> guard(lock);
  if (!alive(self, &GPU_KIND, "Name")) return INVALID_OBJECT;
  if (!name) return INVALID_ARGS;
  *name = "AMD Radeon Graphics (simulated)";
  return OK;
}

}  // namespace

namespace {

// --- IADLXPerformanceMonitoringServices: new metrics objects on each call ---

const Kind MONITORING_KIND = MONITORING;

Result new_gpu_object(void* self, void* gpu, Object** out, Kind kind, void* const* vtbl,
                      const char* method) {
  std::lock_guard<std::recursive_mutex> guard(lock);
  if (!alive(self, &MONITORING_KIND, method) || !alive(gpu, &GPU_KIND, method)) {
    return INVALID_OBJECT;
  }
  if (!out) return INVALID_ARGS;
  *out = make(kind, vtbl);
  return OK;
}

Result WINAPI get_current_gpu_metrics(void* self, void* gpu, Object** out) {
  return new_gpu_object(self, gpu, out, METRICS, metrics_vtbl, "GetCurrentGPUMetrics");
}

// The hold runs outside the stub's lock, as a slow runtime call would.
void hold_sampling_call() {
  int hold_ms = env_int("VEXA_SIM_ADLX_HOLD_MS", 0);
  if (hold_ms <= 0) return;
  HANDLE inside = OpenEventW(EVENT_MODIFY_STATE, FALSE, L"VexaSimAdlxSampling");
  if (inside) {
    SetEvent(inside);
    CloseHandle(inside);
  }
  Sleep(DWORD(hold_ms));
}

Result WINAPI get_supported_gpu_metrics(void* self, void* gpu, Object** out) {
  hold_sampling_call();
  return new_gpu_object(self, gpu, out, METRICS_SUPPORT, support_vtbl, "GetSupportedGPUMetrics");
}

// --- IADLXGPUMetricsSupport ---

const Kind SUPPORT_KIND = METRICS_SUPPORT;

Result answer_supported(void* self, uint8_t* supported, bool value, const char* method) {
  std::lock_guard<std::recursive_mutex> guard(lock);
  if (!alive(self, &SUPPORT_KIND, method)) return INVALID_OBJECT;
  if (!supported) return INVALID_ARGS;
  *supported = value;
  return OK;
}

Result WINAPI is_supported_gpu_usage(void* self, uint8_t* supported) {
  return answer_supported(self, supported, true, "IsSupportedGPUUsage");
}

Result WINAPI is_supported_gpu_clock_speed(void* self, uint8_t* supported) {
  return answer_supported(self, supported, env_int("VEXA_SIM_GPU_CLOCK", DEFAULT_CLOCK_MHZ) >= 0,
                          "IsSupportedGPUClockSpeed");
}

// --- IADLXGPUMetrics ---

const Kind METRICS_KIND = METRICS;

Result WINAPI metrics_time_stamp(void* self, int64_t* ms) {
  std::lock_guard<std::recursive_mutex> guard(lock);
  if (!alive(self, &METRICS_KIND, "TimeStamp")) return INVALID_OBJECT;
  if (!ms) return INVALID_ARGS;
  *ms = int64_t(GetTickCount64());
  return OK;
}

Result WINAPI metrics_gpu_usage(void* self, double* percent) {
  std::lock_guard<std::recursive_mutex> guard(lock);
  if (!alive(self, &METRICS_KIND, "GPUUsage")) return INVALID_OBJECT;
  if (!percent) return INVALID_ARGS;
  *percent = 25.0;
  return OK;
}

Result WINAPI metrics_gpu_clock_speed(void* self, int32_t* mhz) {
  std::lock_guard<std::recursive_mutex> guard(lock);
  if (!alive(self, &METRICS_KIND, "GPUClockSpeed")) return INVALID_OBJECT;
  if (!mhz) return INVALID_ARGS;
  int clock = env_int("VEXA_SIM_GPU_CLOCK", DEFAULT_CLOCK_MHZ);
  if (clock < 0) return NOT_SUPPORTED;
  *mhz = clock;
  return OK;
}

// --- building the vtables ---

template <size_t N>
void fill_unsupported(void* (&vtbl)[N], bool counted) {
  for (void*& slot : vtbl) slot = reinterpret_cast<void*>(unsupported);
  if (!counted) return;
  vtbl[0] = reinterpret_cast<void*>(acquire);
  vtbl[1] = reinterpret_cast<void*>(release_method);
  vtbl[2] = reinterpret_cast<void*>(query_interface);
}

template <typename Fn>
void put(void** vtbl, int slot, Fn fn) {
  vtbl[slot] = reinterpret_cast<void*>(fn);
}

bool build_vtables() {
  fill_unsupported(system_vtbl, false);  // the system has no reference count
  put(system_vtbl, 1, get_gpus);
  put(system_vtbl, 7, get_3d_settings_services);
  put(system_vtbl, 9, get_monitoring_services);

  fill_unsupported(list_vtbl, true);
  put(list_vtbl, 3, list_size);
  put(list_vtbl, 4, list_empty);
  put(list_vtbl, 5, list_begin);
  put(list_vtbl, 6, list_end);
  put(list_vtbl, 7, list_at);
  put(list_vtbl, 11, list_at);  // At_GPUList: the same element, typed

  fill_unsupported(gpu_vtbl, true);
  put(gpu_vtbl, 7, gpu_name);

  fill_unsupported(monitoring_vtbl, true);
  put(monitoring_vtbl, 18, get_current_gpu_metrics);
  put(monitoring_vtbl, 21, get_supported_gpu_metrics);

  fill_unsupported(settings_3d_vtbl, true);

  fill_unsupported(support_vtbl, true);
  put(support_vtbl, 3, is_supported_gpu_usage);
  put(support_vtbl, 4, is_supported_gpu_clock_speed);

  fill_unsupported(metrics_vtbl, true);
  put(metrics_vtbl, 3, metrics_time_stamp);
  put(metrics_vtbl, 4, metrics_gpu_usage);
  put(metrics_vtbl, 5, metrics_gpu_clock_speed);
  return true;
}

[[maybe_unused]] const bool vtables_built = build_vtables();

Result initialize(uint64_t version, System** system) {
  std::lock_guard<std::recursive_mutex> guard(lock);
  log_line("ADLXInitialize 0x%016llx", static_cast<unsigned long long>(version));
  if (!system) return INVALID_ARGS;
  if (env_int("VEXA_SIM_ADLX_FAIL", 0) == 1) return FAIL;
  *system = &the_system;
  Result result = initialised ? ALREADY_INITIALIZED : OK;
  initialised = true;
  return result;
}

}  // namespace

extern "C" {

__declspec(dllexport) Result WINAPI ADLXQueryFullVersion(uint64_t* full_version) {
  if (!full_version) return INVALID_ARGS;
  *full_version = STUB_FULL_VERSION;
  return OK;
}

__declspec(dllexport) Result WINAPI ADLXQueryVersion(const char** version) {
  if (!version) return INVALID_ARGS;
  *version = "1.0.5.30";
  return OK;
}

__declspec(dllexport) Result WINAPI ADLXInitialize(uint64_t version, System** system) {
  return initialize(version, system);
}

__declspec(dllexport) Result WINAPI
    ADLXInitializeWithIncompatibleDriver(uint64_t version, System** system) {
  return initialize(version, system);
}

// Left out of the bin/adlx_incomplete build, which shows that the program
// refuses a runtime missing any of the six exports.
#ifndef VEXA_SIM_ADLX_INCOMPLETE
__declspec(dllexport) Result WINAPI
    ADLXInitializeWithCallerAdl(uint64_t version, System** system, void** mapping, void*,
                                void(WINAPI*)(void**)) {
  if (mapping) *mapping = nullptr;
  return initialize(version, system);
}
#endif

__declspec(dllexport) Result WINAPI ADLXTerminate() {
  std::lock_guard<std::recursive_mutex> guard(lock);
  log_line("ADLXTerminate live %ld misuse %ld", live, misuse);
  initialised = false;
  return OK;
}

}  // extern "C"
