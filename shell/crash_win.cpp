#include "shell/crash_win.h"

#include <windows.h>

#include <atomic>
#include <cstdio>
#include <exception>

#include "hardware/backend.h"
#include "hardware/safety_log.h"

namespace {

void (*crash_cleanup)() = nullptr;

// 0 no crash yet, 1 the crash path runs, 2 it has finished.
std::atomic<int> crash_state{0};
constexpr DWORD SECOND_CRASH_WAIT_MS = 10000;

// Runs the crash path once. A second thread that crashes meanwhile waits
// for the first to finish (bounded), so it cannot end the process while the
// first is still writing the EC.
void run_crash_path(const char* what) {
  int expected = 0;
  if (!crash_state.compare_exchange_strong(expected, 1)) {
    for (DWORD waited = 0; crash_state.load() != 2 && waited < SECOND_CRASH_WAIT_MS; waited += 10) {
      Sleep(10);
    }
    return;
  }
  safety_log(what);
  stop_backend_after_crash();
  if (crash_cleanup) crash_cleanup();
  crash_state = 2;
}

LONG WINAPI on_unhandled_exception(EXCEPTION_POINTERS* info) {
  char line[96];
  const EXCEPTION_RECORD* record = info ? info->ExceptionRecord : nullptr;
  if (record && record->ExceptionCode == TOOLKIT_ASSERT_EXCEPTION) {
    std::snprintf(line, sizeof(line), "crash: toolkit assertion failed");
  } else {
    std::snprintf(line, sizeof(line), "crash: exception 0x%08lX at %p",
                  record ? record->ExceptionCode : 0UL, record ? record->ExceptionAddress : nullptr);
  }
  run_crash_path(line);
  return EXCEPTION_EXECUTE_HANDLER;  // the process ends with the exception's code
}

[[noreturn]] void on_terminate() {
  run_crash_path("crash: std::terminate");
  TerminateProcess(GetCurrentProcess(), 3);
  for (;;) Sleep(INFINITE);
}

}  // namespace

void install_crash_handlers(void (*cleanup)()) {
  crash_cleanup = cleanup;
  SetUnhandledExceptionFilter(on_unhandled_exception);
  std::set_terminate(on_terminate);
}
