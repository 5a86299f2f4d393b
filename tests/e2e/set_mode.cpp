// set_mode.exe WIDTH HEIGHT: switches the desktop's display mode, as a user or
// the panel's own mode list would. Exit 0 when Windows accepted the mode.
#include <windows.h>

#include <cstdlib>

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) return 2;
  DEVMODEW mode = {};
  mode.dmSize = sizeof(mode);
  mode.dmPelsWidth = DWORD(wcstoul(argv[1], nullptr, 10));
  mode.dmPelsHeight = DWORD(wcstoul(argv[2], nullptr, 10));
  mode.dmBitsPerPel = 32;
  mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT | DM_BITSPERPEL;
  LONG result = ChangeDisplaySettingsExW(nullptr, &mode, nullptr, 0, nullptr);
  return result == DISP_CHANGE_SUCCESSFUL ? 0 : int(100 - result);
}
