// rtsssim.exe: looks at and changes the simulated RTSS (RTSS.exe and
// RTSSHooks64.dll of sim/), so that a test or a person can ask "what limit
// would RTSS apply now?" or "is RTSS running?".
// Exit: 0 done (for "running": it runs), 1 a file or handle failed,
// 2 bad usage, 3 "running": it does not run / "stop": it did not end in time.
#include <windows.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "rtss_state.h"

namespace {

constexpr int EXIT_OK = 0, EXIT_FAILED = 1, EXIT_USAGE = 2, EXIT_NO = 3;

const char USAGE[] =
    "usage: rtsssim COMMAND [ARGS]\n"
    "  limit            the global profile's saved FramerateLimit, or \"none\"\n"
    "  set-limit N      save N as the global profile's FramerateLimit\n"
    "  running          \"running\" (exit 0) or \"stopped\" (exit 3), by the shared memory\n"
    "  stop             ends RTSS.exe and waits up to 5 s for its shared memory to go\n"
    "  log              the hooks calls and RTSS starts so far\n"
    "  clear-log        empties the log\n";

bool running() {
  HANDLE mapping = OpenFileMappingA(FILE_MAP_READ, FALSE, RTSS_SIM_SHARED_MEMORY);
  if (!mapping) return false;
  bool valid = false;
  const void* view = MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, sizeof(RtssSimHeader));
  if (view) {
    RtssSimHeader header;
    std::memcpy(&header, view, sizeof(header));
    valid = header.signature == RTSS_SIM_SIGNATURE && header.version >= 0x00020000;
    UnmapViewOfFile(view);
  }
  CloseHandle(mapping);
  return valid;
}

int cmd_limit() {
  RtssSimProfile profile;
  rtss_sim_read_global(&profile);
  RtssSimProperty* limit = rtss_sim_property(&profile, "FramerateLimit", false);
  if (limit) {
    std::printf("%d\n", int(limit->value));
  } else {
    std::printf("none\n");
  }
  return EXIT_OK;
}

int cmd_set_limit(const char* text) {
  char* end = nullptr;
  errno = 0;
  long value = std::strtol(text, &end, 10);
  if (errno || end == text || *end || value < 0 || value > 1000) return EXIT_USAGE;
  RtssSimProfile profile;
  rtss_sim_read_global(&profile);
  RtssSimProperty* limit = rtss_sim_property(&profile, "FramerateLimit", true);
  if (!limit) return EXIT_FAILED;
  limit->value = int32_t(value);
  return rtss_sim_write_global(profile) ? EXIT_OK : EXIT_FAILED;
}

int cmd_running() {
  bool yes = running();
  std::printf("%s\n", yes ? "running" : "stopped");
  return yes ? EXIT_OK : EXIT_NO;
}

int cmd_stop() {
  HANDLE quit = OpenEventA(EVENT_MODIFY_STATE, FALSE, RTSS_SIM_QUIT_EVENT);
  if (!quit) return running() ? EXIT_FAILED : EXIT_OK;
  SetEvent(quit);
  CloseHandle(quit);
  for (int i = 0; i < 500 && running(); ++i) Sleep(10);
  return running() ? EXIT_NO : EXIT_OK;
}

int cmd_log(bool clear) {
  char path[MAX_PATH];
  if (!rtss_sim_file("rtss.log", path, sizeof(path))) return EXIT_FAILED;
  if (clear) {
    FILE* file = std::fopen(path, "w");
    return file && std::fclose(file) == 0 ? EXIT_OK : EXIT_FAILED;
  }
  FILE* file = std::fopen(path, "r");
  if (!file) return EXIT_OK;  // nothing logged yet
  char line[512];
  while (std::fgets(line, sizeof(line), file)) std::fputs(line, stdout);
  std::fclose(file);
  return EXIT_OK;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "limit") == 0) return cmd_limit();
  if (argc == 3 && std::strcmp(argv[1], "set-limit") == 0) return cmd_set_limit(argv[2]);
  if (argc == 2 && std::strcmp(argv[1], "running") == 0) return cmd_running();
  if (argc == 2 && std::strcmp(argv[1], "stop") == 0) return cmd_stop();
  if (argc == 2 && std::strcmp(argv[1], "log") == 0) return cmd_log(false);
  if (argc == 2 && std::strcmp(argv[1], "clear-log") == 0) return cmd_log(true);
  std::fputs(USAGE, stderr);
  return EXIT_USAGE;
}
