// The program's resource script (shell/vexa.rc) as Windows reads it from an
// executable: this test links the script into itself and looks at its own
// module, so it checks the resource ids and formats, not just the files.
#include <gtest/gtest.h>
#include <windows.h>

#include <cctype>
#include <set>
#include <string>

namespace {

std::string own_manifest() {
  HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));  // RT_MANIFEST
  if (!found) return {};
  HGLOBAL loaded = LoadResource(nullptr, found);
  return std::string(static_cast<const char*>(LockResource(loaded)),
                     SizeofResource(nullptr, found));
}

#pragma pack(push, 2)
struct GroupIconEntry {
  BYTE width, height, colours, reserved;
  WORD planes, bit_count;
  DWORD bytes;
  WORD id;
};
struct GroupIconHeader {
  WORD reserved, type, count;
};
#pragma pack(pop)

std::wstring version_string(const void* block, const wchar_t* name) {
  wchar_t* value = nullptr;
  UINT length = 0;
  std::wstring path = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
  if (!VerQueryValueW(block, path.c_str(), reinterpret_cast<void**>(&value), &length) || !value)
    return {};
  return std::wstring(value);
}

}  // namespace

// Windows reads only the manifest with id 1 of an .exe; each element below
// changes how the program is run.
TEST(ProgramResources, manifest_with_id_1_asks_for_elevation_dpi_awareness_and_common_controls_6) {
  const std::string manifest = own_manifest();
  ASSERT_FALSE(manifest.empty()) << "no RT_MANIFEST 1";
  const struct {
    const char* what;
    const char* text;
  } required[] = {
      {"elevation", "level=\"requireAdministrator\""},
      {"per-monitor v2 with fallback", ">PerMonitorV2, PerMonitor</dpiAwareness>"},
      {"legacy per-monitor flag", ">true/pm</dpiAware>"},
      {"common controls 6", "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""},
      {"Vista", "{e2011457-1546-43c5-a5fe-008deee3d3f0}"},
      {"Windows 7", "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}"},
      {"Windows 8", "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}"},
      {"Windows 8.1", "{1f676c76-80e1-4239-95bb-83d0f6d0da78}"},
      {"Windows 10 and 11", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"},
  };
  for (const auto& r : required) EXPECT_NE(manifest.find(r.text), std::string::npos) << r.what;
}

// The loader acts on the manifest: the process is per-monitor DPI aware and
// gets version 6 of the common controls.
TEST(ProgramResources, the_loader_applies_the_manifest) {
  DPI_AWARENESS_CONTEXT context = GetThreadDpiAwarenessContext();
  EXPECT_EQ(GetAwarenessFromDpiAwarenessContext(context), DPI_AWARENESS_PER_MONITOR_AWARE);

  // The dependency redirects comctl32.dll to the side-by-side copy of
  // version 6 (Wine's copy reports 5.81 from DllGetVersion, so the folder is
  // what tells; Windows uses the same folder naming).
  HMODULE controls = LoadLibraryW(L"comctl32.dll");
  ASSERT_NE(controls, nullptr);
  wchar_t path[MAX_PATH];
  DWORD length = GetModuleFileNameW(controls, path, MAX_PATH);
  std::string folder;
  for (DWORD i = 0; i < length; ++i) folder += char(tolower(path[i] < 128 ? path[i] : '?'));
  EXPECT_NE(folder.find("\\winsxs\\amd64_microsoft.windows.common-controls_6595b64144ccf1df_6."),
            std::string::npos)
      << folder;
  FreeLibrary(controls);
}

TEST(ProgramResources, icon_group_101_holds_the_eight_sizes_and_each_loads) {
  HRSRC found =
      FindResourceW(nullptr, MAKEINTRESOURCEW(101), MAKEINTRESOURCEW(14));  // RT_GROUP_ICON
  ASSERT_NE(found, nullptr);
  auto header = static_cast<const GroupIconHeader*>(LockResource(LoadResource(nullptr, found)));
  ASSERT_EQ(header->type, 1);
  auto entries = reinterpret_cast<const GroupIconEntry*>(header + 1);
  std::set<int> sizes;
  for (int i = 0; i < header->count; ++i) {
    int width = entries[i].width ? entries[i].width : 256;  // 0 stands for 256
    int height = entries[i].height ? entries[i].height : 256;
    EXPECT_EQ(width, height);
    EXPECT_EQ(entries[i].bit_count, 32) << width << " px";
    sizes.insert(width);
  }
  EXPECT_EQ(sizes, (std::set<int>{16, 24, 32, 48, 64, 96, 128, 256}));

  for (int size : sizes) {
    HICON icon = static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(101), IMAGE_ICON, size, size, 0));
    ASSERT_NE(icon, nullptr) << size << " px";
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP bitmap = {};
    GetObjectW(info.hbmColor, sizeof(bitmap), &bitmap);
    EXPECT_EQ(bitmap.bmWidth, size);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    DestroyIcon(icon);
  }
}

TEST(ProgramResources, version_is_2_0_9_0_of_vexa_control_center) {
  wchar_t path[MAX_PATH];
  ASSERT_GT(GetModuleFileNameW(nullptr, path, MAX_PATH), 0u);
  DWORD ignored = 0;
  DWORD size = GetFileVersionInfoSizeW(path, &ignored);
  ASSERT_GT(size, 0u);
  std::string block(size, '\0');
  ASSERT_TRUE(GetFileVersionInfoW(path, 0, size, block.data()));

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(0, 2));
  EXPECT_EQ(fixed->dwFileVersionLS, MAKELONG(0, 9));
  EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
  EXPECT_EQ(fixed->dwProductVersionLS, fixed->dwFileVersionLS);

  const struct {
    const wchar_t* name;
    const wchar_t* value;
  } strings[] = {
      {L"ProductName", L"Vexa Control Center"},
      {L"FileVersion", L"2.0.9.0"},
      {L"ProductVersion", L"2.0.9.0"},
      {L"OriginalFilename", L"Vexa.Control.Center.exe"},
  };
  for (const auto& s : strings) EXPECT_EQ(version_string(block.data(), s.name), s.value) << s.name;
}
