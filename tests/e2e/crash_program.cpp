// crash_program.exe: makes the running panel crash from outside, as a fault
// in one of its threads would: a new thread is started in its process at an
// address where no code is, so it dies at once with an access violation.
// Exit 0 when the thread was started, 1 when the program was not found or
// could not be opened.
#include <windows.h>

int wmain() {
  HWND window = FindWindowW(L"vexa_control_center", nullptr);
  if (!window) return 1;
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  HANDLE process = OpenProcess(PROCESS_CREATE_THREAD | PROCESS_QUERY_INFORMATION |
                                   PROCESS_VM_OPERATION | PROCESS_VM_WRITE | PROCESS_VM_READ,
                               FALSE, pid);
  if (!process) return 1;
  // Page 0 is never mapped: the thread faults on its first instruction.
  auto nowhere = reinterpret_cast<LPTHREAD_START_ROUTINE>(static_cast<ULONG_PTR>(0x10));
  HANDLE thread = CreateRemoteThread(process, nullptr, 0, nowhere, nullptr, 0, nullptr);
  CloseHandle(process);
  if (!thread) return 1;
  CloseHandle(thread);
  return 0;
}
