// Stand-in for RTSS.exe: while it runs, the shared memory
// "RTSSSharedMemoryV2" exists with a valid v2 header, which is how the
// program (and RTSS's own clients) tell that RTSS runs. It opens no window.
// It ends when "rtsssim stop" sets its quit event, marking the header as
// being freed first, as RTSS does.
//
// VEXA_SIM_RTSS_DELAY_MS=N makes it wait N ms before creating the shared
// memory, like an RTSS that is slow to come up. A second copy finds the
// memory there and ends at once.
#include <windows.h>

#include <cstdlib>

#include "rtss_state.h"

namespace {

DWORD start_delay_ms() {
  char text[16];
  DWORD n = GetEnvironmentVariableA("VEXA_SIM_RTSS_DELAY_MS", text, sizeof(text));
  if (n == 0 || n >= sizeof(text)) return 0;
  char* end = nullptr;
  unsigned long ms = std::strtoul(text, &end, 10);
  return *end || ms > 60000 ? 0 : DWORD(ms);
}

void fill_header(RtssSimHeader* header) {
  // No application is hooked and no OSD slot is in use: both arrays are
  // empty and start right after the header.
  header->version = RTSS_SIM_VERSION;
  header->app_entry_size = 0;
  header->app_array_offset = sizeof(RtssSimHeader);
  header->app_array_size = 0;
  header->osd_entry_size = 0;
  header->osd_array_offset = sizeof(RtssSimHeader);
  header->osd_array_size = 0;
  header->osd_frame = 0;
  header->busy = 0;
  // The signature last: a reader that sees it sees the rest.
  MemoryBarrier();
  header->signature = RTSS_SIM_SIGNATURE;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  HANDLE quit = CreateEventA(nullptr, TRUE, FALSE, RTSS_SIM_QUIT_EVENT);
  if (!quit) return 1;
  ResetEvent(quit);
  Sleep(start_delay_ms());

  HANDLE mapping = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                     RTSS_SIM_MAPPING_SIZE, RTSS_SIM_SHARED_MEMORY);
  if (!mapping) return 1;
  if (GetLastError() == ERROR_ALREADY_EXISTS) {
    rtss_sim_log("RTSS already running, pid %lu ends", GetCurrentProcessId());
    CloseHandle(mapping);
    return 0;
  }
  auto* header = static_cast<RtssSimHeader*>(
      MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, RTSS_SIM_MAPPING_SIZE));
  if (!header) return 1;
  fill_header(header);
  rtss_sim_log("RTSS started, pid %lu", GetCurrentProcessId());

  WaitForSingleObject(quit, INFINITE);
  header->signature = RTSS_SIM_SIGNATURE_FREEING;
  rtss_sim_log("RTSS stopped, pid %lu", GetCurrentProcessId());
  UnmapViewOfFile(header);
  CloseHandle(mapping);
  CloseHandle(quit);
  return 0;
}
