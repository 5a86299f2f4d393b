// What the RTSS stand-ins (RTSS.exe, RTSSHooks64.dll) and rtsssim.exe share:
// the folder of the simulated device's files, the global profile as a file,
// the call log, and the shared memory's name and header. Windows only.
//
// Files, in %VEXA_SIM_DIR% or else %ProgramData%\VexaSim:
//   rtss_global.txt  the global profile as saved: one "Name=value" a line,
//                    value a signed 32-bit decimal (the stand-in keeps only
//                    4-byte properties, which is all "FramerateLimit" is)
//   rtss.log         one line per hooks call and per RTSS.exe start or stop
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

constexpr const char RTSS_SIM_SHARED_MEMORY[] = "RTSSSharedMemoryV2";
constexpr const char RTSS_SIM_QUIT_EVENT[] = "VexaSimRtssQuit";  // set: RTSS.exe ends
constexpr uint32_t RTSS_SIM_SIGNATURE = 0x52545353;              // 'RTSS'
constexpr uint32_t RTSS_SIM_SIGNATURE_FREEING = 0xDEAD;
constexpr uint32_t RTSS_SIM_VERSION = 0x0002000E;  // 2.14: the v2 layout
constexpr uint32_t RTSS_SIM_MAPPING_SIZE = 4096;

// The shared memory's header (the first ten DWORDs of the v2 layout).
struct RtssSimHeader {
  uint32_t signature, version;
  uint32_t app_entry_size, app_array_offset, app_array_size;
  uint32_t osd_entry_size, osd_array_offset, osd_array_size;
  uint32_t osd_frame, busy;
};

constexpr int RTSS_SIM_MAX_PROPERTIES = 32;
constexpr size_t RTSS_SIM_NAME_SIZE = 64;

struct RtssSimProperty {
  char name[RTSS_SIM_NAME_SIZE];
  int32_t value;
};

// A profile's properties in memory.
struct RtssSimProfile {
  int count;
  RtssSimProperty properties[RTSS_SIM_MAX_PROPERTIES];
};

/** Full path of one of the stand-in's files (folder created when missing). */
bool rtss_sim_file(const char* name, char* out, size_t size);

/** Appends one line to rtss.log. */
void rtss_sim_log(const char* format, ...);

/** The global profile as saved; an empty one when there is no file. */
void rtss_sim_read_global(RtssSimProfile* profile);

/** Saves the global profile in one step (a new file moved over the old). */
bool rtss_sim_write_global(const RtssSimProfile& profile);

/** The property's slot, or null; with create, a new slot when there is room. */
RtssSimProperty* rtss_sim_property(RtssSimProfile* profile, const char* name, bool create);
