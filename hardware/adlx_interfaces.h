// The part of AMD's ADLX C interface the program uses, declared here from the
// published vtable order (no vendor header is part of the build).
//
// Every object is a struct whose first member points to its vtable; every
// method takes the object first. Only the slots the program calls are typed;
// the others are placeholders that keep the later slots at their index and
// must never be called. IADLXSystem is a singleton without Acquire/Release.
#pragma once

#include <cstdint>

#ifdef _WIN32
#define ADLX_CALL __stdcall
#else
#define ADLX_CALL
#endif

typedef int ADLX_RESULT;
enum {
  ADLX_OK = 0,
  ADLX_ALREADY_ENABLED = 1,
  ADLX_ALREADY_INITIALIZED = 2,
  ADLX_FAIL = 3,
  ADLX_INVALID_ARGS = 4,
  ADLX_TERMINATED = 7,
  ADLX_NOT_FOUND = 9,
  ADLX_INVALID_OBJECT = 10,
  ADLX_NOT_SUPPORTED = 12,
};

// OK, already enabled and already initialised all mean "done".
inline bool adlx_succeeded(ADLX_RESULT r) { return r >= ADLX_OK && r <= ADLX_ALREADY_INITIALIZED; }

typedef uint32_t adlx_uint;
typedef int32_t adlx_int;
typedef uint8_t adlx_bool;
typedef long adlx_long;  // 32-bit on Windows

// Full version requested from ADLXInitialize: 1.0.5.30.
constexpr uint64_t ADLX_REQUESTED_VERSION = 0x000100000005001EULL;

// The slot tables read best one method a line with its index at the end.
// clang-format off
typedef const void* AdlxUnusedSlot;

struct IADLXInterface;
struct IADLXSystem;
struct IADLXGPU;
struct IADLXGPUList;
struct IADLXPerformanceMonitoringServices;
struct IADLX3DSettingsServices;
struct IADLXGPUMetricsSupport;
struct IADLXGPUMetrics;
struct IADLMapping;

// Slots 0..2 of every reference-counted interface, typed for that interface.
#define ADLX_INTERFACE_HEAD(Self)                        \
  adlx_long(ADLX_CALL* Acquire)(Self * self);            \
  adlx_long(ADLX_CALL* Release)(Self * self);            \
  ADLX_RESULT(ADLX_CALL* QueryInterface)(Self * self, const wchar_t* iid, void** out)

struct IADLXInterfaceVtbl { ADLX_INTERFACE_HEAD(IADLXInterface); };
struct IADLXInterface { const IADLXInterfaceVtbl* pVtbl; };

struct IADLXSystemVtbl {
  AdlxUnusedSlot GetHybridGraphicsType;                                           // 0
  ADLX_RESULT(ADLX_CALL* GetGPUs)(IADLXSystem* self, IADLXGPUList** out);        // 1
  ADLX_RESULT(ADLX_CALL* QueryInterface)(IADLXSystem* self, const wchar_t* iid,
                                         void** out);                            // 2
  AdlxUnusedSlot GetDisplaysServices, GetDesktopsServices,
                 GetGPUsChangedHandling, EnableLog;                               // 3..6
  ADLX_RESULT(ADLX_CALL* Get3DSettingsServices)(IADLXSystem* self,
                                                IADLX3DSettingsServices** out);  // 7
  AdlxUnusedSlot GetGPUTuningServices;                                            // 8
  ADLX_RESULT(ADLX_CALL* GetPerformanceMonitoringServices)(
      IADLXSystem* self, IADLXPerformanceMonitoringServices** out);              // 9
  AdlxUnusedSlot TotalSystemRAM, GetI2C;                                          // 10, 11
};
struct IADLXSystem { const IADLXSystemVtbl* pVtbl; };

struct IADLXGPUListVtbl {
  ADLX_INTERFACE_HEAD(IADLXGPUList);                                              // 0..2
  adlx_uint(ADLX_CALL* Size)(IADLXGPUList* self);                                 // 3
  adlx_bool(ADLX_CALL* Empty)(IADLXGPUList* self);                                // 4
  adlx_uint(ADLX_CALL* Begin)(IADLXGPUList* self);                                // 5
  adlx_uint(ADLX_CALL* End)(IADLXGPUList* self);                                  // 6
  ADLX_RESULT(ADLX_CALL* At)(IADLXGPUList* self, adlx_uint location,
                             IADLXInterface** out);                               // 7
  AdlxUnusedSlot Clear, Remove_Back, Add_Back;                                    // 8..10
  ADLX_RESULT(ADLX_CALL* At_GPUList)(IADLXGPUList* self, adlx_uint location,
                                     IADLXGPU** out);                             // 11
  AdlxUnusedSlot Add_Back_GPUList;                                                // 12
};
struct IADLXGPUList { const IADLXGPUListVtbl* pVtbl; };

struct IADLXGPUVtbl {
  ADLX_INTERFACE_HEAD(IADLXGPU);                                                  // 0..2
  AdlxUnusedSlot VendorId, ASICFamilyType, Type, IsExternal;                      // 3..6
  ADLX_RESULT(ADLX_CALL* Name)(IADLXGPU* self, const char** name);                // 7
  AdlxUnusedSlot DriverPath, PNPString, HasDesktops, TotalVRAM, VRAMType,
                 BIOSInfo, DeviceId, RevisionId, SubSystemId,
                 SubSystemVendorId, UniqueId;                                     // 8..18
};
struct IADLXGPU { const IADLXGPUVtbl* pVtbl; };

struct IADLXPerformanceMonitoringServicesVtbl {
  ADLX_INTERFACE_HEAD(IADLXPerformanceMonitoringServices);                        // 0..2
  AdlxUnusedSlot GetSamplingIntervalRange, SetSamplingInterval,
                 GetSamplingInterval, GetMaxPerformanceMetricsHistorySizeRange,
                 SetMaxPerformanceMetricsHistorySize,
                 GetMaxPerformanceMetricsHistorySize,
                 ClearPerformanceMetricsHistory,
                 GetCurrentPerformanceMetricsHistorySize,
                 StartPerformanceMetricsTracking, StopPerformanceMetricsTracking,
                 GetAllMetricsHistory, GetGPUMetricsHistory,
                 GetSystemMetricsHistory, GetFPSHistory, GetCurrentAllMetrics;   // 3..17
  ADLX_RESULT(ADLX_CALL* GetCurrentGPUMetrics)(
      IADLXPerformanceMonitoringServices* self, IADLXGPU* gpu,
      IADLXGPUMetrics** out);                                                     // 18
  AdlxUnusedSlot GetCurrentSystemMetrics, GetCurrentFPS;                          // 19, 20
  ADLX_RESULT(ADLX_CALL* GetSupportedGPUMetrics)(
      IADLXPerformanceMonitoringServices* self, IADLXGPU* gpu,
      IADLXGPUMetricsSupport** out);                                              // 21
  AdlxUnusedSlot GetSupportedSystemMetrics;                                       // 22
};
struct IADLXPerformanceMonitoringServices {
  const IADLXPerformanceMonitoringServicesVtbl* pVtbl;
};

// Obtained at start and released at stop; none of its own methods is used.
struct IADLX3DSettingsServicesVtbl { ADLX_INTERFACE_HEAD(IADLX3DSettingsServices); };
struct IADLX3DSettingsServices { const IADLX3DSettingsServicesVtbl* pVtbl; };

// Further Is-Supported slots follow in the library; they are never read.
struct IADLXGPUMetricsSupportVtbl {
  ADLX_INTERFACE_HEAD(IADLXGPUMetricsSupport);                                    // 0..2
  ADLX_RESULT(ADLX_CALL* IsSupportedGPUUsage)(IADLXGPUMetricsSupport* self,
                                              adlx_bool* supported);              // 3
  ADLX_RESULT(ADLX_CALL* IsSupportedGPUClockSpeed)(IADLXGPUMetricsSupport* self,
                                                   adlx_bool* supported);         // 4
};
struct IADLXGPUMetricsSupport { const IADLXGPUMetricsSupportVtbl* pVtbl; };

struct IADLXGPUMetricsVtbl {
  ADLX_INTERFACE_HEAD(IADLXGPUMetrics);                                           // 0..2
  ADLX_RESULT(ADLX_CALL* TimeStamp)(IADLXGPUMetrics* self, int64_t* ms);          // 3
  ADLX_RESULT(ADLX_CALL* GPUUsage)(IADLXGPUMetrics* self, double* percent);       // 4
  ADLX_RESULT(ADLX_CALL* GPUClockSpeed)(IADLXGPUMetrics* self, adlx_int* mhz);    // 5
};
struct IADLXGPUMetrics { const IADLXGPUMetricsVtbl* pVtbl; };

#undef ADLX_INTERFACE_HEAD
// clang-format on

// The library's six exports.
typedef ADLX_RESULT(ADLX_CALL* ADLXQueryFullVersion_Fn)(uint64_t* full_version);
typedef ADLX_RESULT(ADLX_CALL* ADLXQueryVersion_Fn)(const char** version);
typedef ADLX_RESULT(ADLX_CALL* ADLXInitialize_Fn)(uint64_t version, IADLXSystem** system);
typedef ADLXInitialize_Fn ADLXInitializeWithIncompatibleDriver_Fn;
typedef ADLX_RESULT(ADLX_CALL* ADLXInitializeWithCallerAdl_Fn)(uint64_t version,
                                                               IADLXSystem** system,
                                                               IADLMapping** mapping,
                                                               void* adl_context,
                                                               void(ADLX_CALL* mem_free)(void**));
typedef ADLX_RESULT(ADLX_CALL* ADLXTerminate_Fn)();
