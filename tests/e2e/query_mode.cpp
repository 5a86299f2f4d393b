// query_mode.exe [--list]: what a second process sees of the display.
// Without arguments: the first active path's source size and target rate
// from the display-configuration query, as "WIDTHxHEIGHT@HZ" (the rate
// rounded to whole hertz, 0 when Windows gives none).
// With --list: every mode EnumDisplaySettingsW reports for the primary
// display, one "WIDTHxHEIGHT@HZ bpp=N fixed=N" line each, in Windows' order.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <vector>

namespace {

int print_current() {
  UINT32 path_count = 0, mode_count = 0;
  if (GetDisplayConfigBufferSizes(QDC_ONLY_ACTIVE_PATHS, &path_count, &mode_count) != ERROR_SUCCESS)
    return 1;
  std::vector<DISPLAYCONFIG_PATH_INFO> paths(path_count);
  std::vector<DISPLAYCONFIG_MODE_INFO> modes(mode_count);
  if (QueryDisplayConfig(QDC_ONLY_ACTIVE_PATHS, &path_count, paths.data(), &mode_count,
                         modes.data(), nullptr) != ERROR_SUCCESS ||
      path_count == 0)
    return 1;
  const DISPLAYCONFIG_PATH_INFO& path = paths[0];
  if (path.sourceInfo.modeInfoIdx >= mode_count || path.targetInfo.modeInfoIdx >= mode_count)
    return 1;
  const DISPLAYCONFIG_SOURCE_MODE& source = modes[path.sourceInfo.modeInfoIdx].sourceMode;
  const DISPLAYCONFIG_RATIONAL& vsync =
      modes[path.targetInfo.modeInfoIdx].targetMode.targetVideoSignalInfo.vSyncFreq;
  const unsigned hertz =
      vsync.Denominator ? (vsync.Numerator + vsync.Denominator / 2) / vsync.Denominator : 0;
  std::printf("%ux%u@%u\n", unsigned(source.width), unsigned(source.height), hertz);
  return 0;
}

int print_list() {
  DEVMODEW mode = {};
  mode.dmSize = sizeof(mode);
  for (DWORD i = 0; EnumDisplaySettingsW(nullptr, i, &mode); ++i) {
    std::printf("%lux%lu@%lu bpp=%lu fixed=%lu\n", mode.dmPelsWidth, mode.dmPelsHeight,
                mode.dmDisplayFrequency, mode.dmBitsPerPel, mode.dmDisplayFixedOutput);
  }
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc > 1 && std::wcscmp(argv[1], L"--list") == 0) return print_list();
  return print_current();
}
