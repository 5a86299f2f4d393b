// idle.exe: does nothing until killed, or for N seconds when given a number.
// Tests copy it as Rw.exe, rw.exe or HE.exe to stand in for a conflicting EC
// tool, which the program finds by its executable name.
#include <windows.h>

#include <cstdlib>

int main(int argc, char** argv) {
  DWORD ms = INFINITE;
  if (argc > 1) {
    char* end = nullptr;
    unsigned long seconds = strtoul(argv[1], &end, 10);
    // Up to 49 days: the most a finite Sleep takes.
    if (end == argv[1] || *end || seconds > 4000000ul) return 2;
    ms = static_cast<DWORD>(seconds * 1000);
  }
  Sleep(ms);
  return 0;
}
