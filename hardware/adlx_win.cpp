// ADLX binding and GPU-clock sampling (Windows side of adlx.h).
#include <windows.h>

#include <mutex>

#include "hardware/adlx.h"
#include "hardware/adlx_interfaces.h"
#include "hardware/hardware_state.h"

namespace {

// The program's own folder and System32 (where the AMD driver installs the
// runtime) only: never the current directory, which a game may have set, nor
// PATH or added directories. The program runs elevated; a planted library
// of this name would run with its rights.
constexpr DWORD ADLX_SEARCH_FLAGS = LOAD_LIBRARY_SEARCH_APPLICATION_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32;
constexpr DWORD ADLX_SETTLE_MS = 500;

struct AdlxBinding {
  HMODULE module = nullptr;
  ADLXQueryFullVersion_Fn query_full_version = nullptr;
  ADLXQueryVersion_Fn query_version = nullptr;
  ADLXInitializeWithCallerAdl_Fn initialize_with_caller_adl = nullptr;
  ADLXInitializeWithIncompatibleDriver_Fn initialize_with_incompatible_driver = nullptr;
  ADLXInitialize_Fn initialize = nullptr;
  ADLXTerminate_Fn terminate = nullptr;
  bool complete = false;  // all six exports resolved
  uint64_t full_version = 0;
  const char* version = nullptr;
  IADLXSystem* system = nullptr;
  IADLXPerformanceMonitoringServices* monitoring = nullptr;
  IADLX3DSettingsServices* settings_3d = nullptr;
  IADLXGPUList* gpu_list = nullptr;
  IADLXGPU* gpu = nullptr;
  IADLXGPUMetricsSupport* metrics_support = nullptr;
  IADLXGPUMetrics* metrics = nullptr;
};

AdlxBinding adlx;
std::mutex adlx_lock;

// Releases *object (any ADLX interface but the system) and forgets it.
template <typename T>
void release(T** object) {
  if (*object) (*object)->pVtbl->Release(*object);
  *object = nullptr;
}

void release_interfaces() {
  release(&adlx.metrics);
  release(&adlx.metrics_support);
  release(&adlx.settings_3d);
  release(&adlx.gpu);
  release(&adlx.gpu_list);
  release(&adlx.monitoring);
}

template <typename Fn>
bool resolve(Fn* out, const char* name) {
  *out = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(adlx.module, name)));
  return *out != nullptr;
}

// A binding counts only when all six names resolve; nothing of a partial
// one is ever called, ADLXTerminate included.
bool resolve_exports() {
  return resolve(&adlx.query_full_version, "ADLXQueryFullVersion") &&
         resolve(&adlx.query_version, "ADLXQueryVersion") &&
         resolve(&adlx.initialize_with_caller_adl, "ADLXInitializeWithCallerAdl") &&
         resolve(&adlx.initialize_with_incompatible_driver,
                 "ADLXInitializeWithIncompatibleDriver") &&
         resolve(&adlx.initialize, "ADLXInitialize") && resolve(&adlx.terminate, "ADLXTerminate");
}

bool load_library() {
  if (!adlx.module) adlx.module = LoadLibraryExW(L"amdadlx64.dll", nullptr, ADLX_SEARCH_FLAGS);
  if (!adlx.module) return false;
  if (!adlx.complete) adlx.complete = resolve_exports();
  return adlx.complete;
}

// Takes the services and the first GPU from an initialised system.
void bind_gpu() {
  IADLXSystem* system = adlx.system;
  bool services =
      adlx_succeeded(system->pVtbl->GetPerformanceMonitoringServices(system, &adlx.monitoring)) &&
      adlx_succeeded(system->pVtbl->Get3DSettingsServices(system, &adlx.settings_3d)) &&
      adlx_succeeded(system->pVtbl->GetGPUs(system, &adlx.gpu_list));
  if (!services || !adlx.monitoring || !adlx.gpu_list) return;
  IADLXGPUList* list = adlx.gpu_list;
  IADLXInterface* first = nullptr;
  if (adlx_succeeded(list->pVtbl->At(list, list->pVtbl->Begin(list), &first)) && first) {
    // A GPU list holds GPUs only; the element is the GPU object itself.
    adlx.gpu = reinterpret_cast<IADLXGPU*>(first);
    gpu_found = 1;
  }
}

}  // namespace

namespace {

void initialise() {
  // Kept until the stop as the record of which runtime answered; nothing
  // reads them yet, and their failure does not stop the start.
  adlx.query_full_version(&adlx.full_version);
  adlx.query_version(&adlx.version);
  IADLXSystem* system = nullptr;
  if (!adlx_succeeded(adlx.initialize(ADLX_REQUESTED_VERSION, &system)) || !system) return;
  adlx.system = system;
  bind_gpu();
}

// The current GPU clock in MHz, 0 when any part of the way is missing. The
// previous metrics objects are released first: each call hands out new ones.
int32_t read_gpu_clock() {
  IADLXPerformanceMonitoringServices* services = adlx.monitoring;
  if (!services || !adlx.gpu) return 0;
  release(&adlx.metrics_support);
  bool ok = adlx_succeeded(
      services->pVtbl->GetSupportedGPUMetrics(services, adlx.gpu, &adlx.metrics_support));
  release(&adlx.metrics);
  ok = adlx_succeeded(services->pVtbl->GetCurrentGPUMetrics(services, adlx.gpu, &adlx.metrics)) &&
       ok;
  if (!ok || !adlx.metrics_support || !adlx.metrics) return 0;
  adlx_bool supported = 0;
  IADLXGPUMetricsSupport* support = adlx.metrics_support;
  if (!adlx_succeeded(support->pVtbl->IsSupportedGPUClockSpeed(support, &supported)) ||
      !supported) {
    return 0;
  }
  adlx_int mhz = 0;
  if (!adlx_succeeded(adlx.metrics->pVtbl->GPUClockSpeed(adlx.metrics, &mhz))) return 0;
  return mhz;
}

}  // namespace

void adlx_start() {
  {
    std::lock_guard<std::mutex> guard(adlx_lock);
    // A start without a stop in between hands out new interfaces; the old
    // ones are released rather than overwritten and leaked.
    gpu_found = 0;
    release_interfaces();
    if (load_library()) initialise();
  }
  // Outside the lock, so a sampling step is not held up by the wait.
  // Display queries wait on adlx_ready, set in every case.
  Sleep(ADLX_SETTLE_MS);
  adlx_ready = 1;
}

void adlx_stop() {
  adlx_ready = 0;
  std::lock_guard<std::mutex> guard(adlx_lock);
  // Cleared too: a later start that fails must not leave the sampler
  // believing in a GPU whose interfaces are gone.
  gpu_found = 0;
  release_interfaces();
  adlx.system = nullptr;  // owned by the runtime, ended by ADLXTerminate
  if (!adlx.module) return;
  adlx.full_version = 0;
  adlx.version = nullptr;
  if (adlx.complete) adlx.terminate();
  FreeLibrary(adlx.module);
  adlx = AdlxBinding{};
}

void adlx_sample_step() {
  std::lock_guard<std::mutex> guard(adlx_lock);
  if (!adlx_ready || !gpu_auto) return;
  live_gpu_clock = gpu_found ? read_gpu_clock() : 0;
}
