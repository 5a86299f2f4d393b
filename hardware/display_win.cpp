// Windows side of display.h and display_modes.h: the EDID override in the
// registry, the display adapter restart through SetupDi, the first display
// path's mode through the display-configuration API, and the mode
// enumeration. The decisions live in edid_registry.cpp, display_config.cpp
// and display_modes.cpp.
#include <windows.h>
#include <cfgmgr32.h>
#include <setupapi.h>

#include <string>
#include <vector>

#include "hardware/adapter_restart.h"

#include "hardware/display.h"
#include "hardware/display_config.h"
#include "hardware/display_modes.h"
#include "hardware/edid_registry.h"
#include "hardware/edid_table.h"

static_assert(EDID_STATUS_OK == ERROR_SUCCESS, "status codes");
static_assert(EDID_STATUS_FILE_NOT_FOUND == ERROR_FILE_NOT_FOUND, "status codes");
static_assert(EDID_STATUS_PATH_NOT_FOUND == ERROR_PATH_NOT_FOUND, "status codes");
static_assert(EDID_STATUS_MORE_DATA == ERROR_MORE_DATA, "status codes");
static_assert(EDID_STATUS_NO_MORE_ITEMS == ERROR_NO_MORE_ITEMS, "status codes");
static_assert(EDID_REG_DWORD == REG_DWORD, "value types");
static_assert(sizeof(DISPLAYCONFIG_PATH_INFO) == 72 && sizeof(DISPLAYCONFIG_MODE_INFO) == 64,
              "display configuration layout");

namespace {

// An open registry key; closed on every path, and a failing close counts as
// a registry error of the running mode.
struct EdidKey {
  HKEY handle = nullptr;
  EdidKey() = default;
  EdidKey(const EdidKey&) = delete;
  EdidKey& operator=(const EdidKey&) = delete;
  ~EdidKey() {
    if (handle && RegCloseKey(handle) != ERROR_SUCCESS) edid_result |= EDID_ERROR_BITS;
  }
};

void probe_instances(HKEY panel) {
  wchar_t name[EDID_PATH_CHARS];
  DWORD length = EDID_PATH_CHARS;
  const LONG status = RegEnumKeyExW(panel, 0, name, &length, nullptr, nullptr, nullptr, nullptr);
  edid_result = edid_fold_probe(edid_result, status);
}

void check_instance(const wchar_t* override_path) {
  EdidVersionRead read{};
  EdidKey key;
  const LONG open =
      RegOpenKeyExW(HKEY_LOCAL_MACHINE, override_path, 0, KEY_QUERY_VALUE, &key.handle);
  if (open != ERROR_SUCCESS) {
    key.handle = nullptr;
  } else {
    DWORD type = 0, value = 0, size = sizeof(value);
    read.status = RegQueryValueExW(key.handle, L"Version", nullptr, &type,
                                   reinterpret_cast<BYTE*>(&value), &size);
    read.type = type;
    read.size = size;
    read.value = value;
  }
  edid_result = edid_fold_check(edid_result, open, read);
}

// Blocks "0".."7": written as 128 bytes each, or deleted when the block is
// an unused extension. Stops at the first failure.
bool write_blocks(HKEY key) {
  const uint8_t* edid = edid_override_bytes().data();
  for (size_t i = 0; i < EDID_BLOCK_COUNT; ++i) {
    const wchar_t name[2] = {wchar_t(L'0' + i), L'\0'};
    const uint8_t* block = edid + i * EDID_BLOCK_SIZE;
    if (edid_block_is_written(i, block)) {
      if (RegSetValueExW(key, name, 0, REG_BINARY, block, EDID_BLOCK_SIZE) != ERROR_SUCCESS)
        return false;
    } else if (!edid_delete_succeeded(RegDeleteValueW(key, name))) {
      return false;
    }
  }
  return true;
}

void write_instance(const wchar_t* override_path) {
  EdidKey key;
  if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, override_path, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                      &key.handle, nullptr) != ERROR_SUCCESS) {
    key.handle = nullptr;
    edid_result |= EDID_ERROR_BITS;
    return;
  }
  edid_result |= EDID_FOUND;
  const DWORD version = EDID_OVERRIDE_VERSION;
  if (!write_blocks(key.handle) ||
      RegSetValueExW(key.handle, L"Version", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&version),
                     sizeof(version)) != ERROR_SUCCESS) {
    edid_result |= EDID_ERROR_BITS;
  }
}

// Runs `per_instance` with the override key path of every instance subkey.
void for_each_instance(HKEY panel, void (*per_instance)(const wchar_t*)) {
  for (DWORD index = 0;; ++index) {
    wchar_t name[EDID_PATH_CHARS];
    DWORD length = EDID_PATH_CHARS;
    const LONG status =
        RegEnumKeyExW(panel, index, name, &length, nullptr, nullptr, nullptr, nullptr);
    if (status != ERROR_SUCCESS) {
      edid_result = edid_fold_enum_end(edid_result, status);
      return;
    }
    wchar_t path[EDID_PATH_CHARS];
    if (edid_override_key_path(name, path)) {
      per_instance(path);
    } else {
      edid_result |= EDID_ERROR_BITS;
    }
  }
}

}  // namespace

void edid_override(int mode) {
  wchar_t path[EDID_PATH_CHARS];
  if (!edid_panel_key_path(path)) {
    edid_result |= EDID_ERROR_BITS;
    return;
  }
  EdidKey panel;
  const LONG status =
      RegOpenKeyExW(HKEY_LOCAL_MACHINE, path, 0, KEY_ENUMERATE_SUB_KEYS, &panel.handle);
  if (status != ERROR_SUCCESS) panel.handle = nullptr;
  if (!edid_fold_panel_open(status, &edid_result)) return;
  switch (mode) {
    case EDID_PROBE: probe_instances(panel.handle); break;
    case EDID_CHECK: for_each_instance(panel.handle, check_instance); break;
    case EDID_WRITE: for_each_instance(panel.handle, write_instance); break;
    default: break;
  }
}

namespace {

// The display adapters present, as the restart sees them: their device-info
// set, and for each its entry and what adapter_restart.cpp needs to know.
struct AdapterSet {
  HDEVINFO devices = INVALID_HANDLE_VALUE;
  std::vector<SP_DEVINFO_DATA> entries;
  std::vector<DisplayAdapter> adapters;
  ~AdapterSet() {
    if (devices != INVALID_HANDLE_VALUE) SetupDiDestroyDeviceInfoList(devices);
  }
};
AdapterSet* restarting_set = nullptr;  // the set restart_panel_adapter works on

// Device instance ids of the adapters the built-in panel hangs off: the
// parents of the present "DISPLAY\ZEV1805\<instance>" monitor devices (the
// panel key's subkeys name the instances).
std::vector<std::wstring> panel_adapter_ids() {
  std::vector<std::wstring> ids;
  wchar_t path[EDID_PATH_CHARS];
  HKEY panel = nullptr;
  if (!edid_panel_key_path(path) ||
      RegOpenKeyExW(HKEY_LOCAL_MACHINE, path, 0, KEY_ENUMERATE_SUB_KEYS, &panel) != ERROR_SUCCESS) {
    return ids;
  }
  for (DWORD index = 0;; ++index) {
    wchar_t name[EDID_PATH_CHARS];
    DWORD length = EDID_PATH_CHARS;
    if (RegEnumKeyExW(panel, index, name, &length, nullptr, nullptr, nullptr, nullptr) !=
        ERROR_SUCCESS) {
      break;
    }
    std::wstring monitor = std::wstring(L"DISPLAY\\") + EDID_PANEL_ID + L"\\" + name;
    DEVINST monitor_node = 0, adapter_node = 0;
    wchar_t adapter_id[MAX_DEVICE_ID_LEN];
    if (CM_Locate_DevNodeW(&monitor_node, &monitor[0], CM_LOCATE_DEVNODE_NORMAL) == CR_SUCCESS &&
        CM_Get_Parent(&adapter_node, monitor_node, 0) == CR_SUCCESS &&
        CM_Get_Device_IDW(adapter_node, adapter_id, MAX_DEVICE_ID_LEN, 0) == CR_SUCCESS) {
      ids.push_back(adapter_id);
    }
  }
  RegCloseKey(panel);
  return ids;
}

bool same_device_id(const std::wstring& a, const std::wstring& b) {
  return CompareStringOrdinal(a.c_str(), int(a.size()), b.c_str(), int(b.size()), TRUE) ==
         CSTR_EQUAL;
}

AdapterStatus adapter_status(DEVINST node) {
  ULONG status = 0, problem = 0;
  if (CM_Get_DevNode_Status(&status, &problem, node, 0) != CR_SUCCESS) return ADAPTER_OTHER;
  if ((status & DN_HAS_PROBLEM) && problem == CM_PROB_DISABLED) return ADAPTER_DISABLED;
  if ((status & DN_STARTED) && !(status & DN_HAS_PROBLEM)) return ADAPTER_RUNNING;
  return ADAPTER_OTHER;
}

// Every present adapter of the display class, marked when it drives the panel.
bool find_adapters(AdapterSet* set) {
  static const GUID display_class = {
      0x4D36E968, 0xE325, 0x11CE, {0xBF, 0xC1, 0x08, 0x00, 0x2B, 0xE1, 0x03, 0x18}};
  const std::vector<std::wstring> panel_ids = panel_adapter_ids();
  set->devices = SetupDiGetClassDevsW(&display_class, nullptr, nullptr, DIGCF_PRESENT);
  if (set->devices == INVALID_HANDLE_VALUE) return false;
  SP_DEVINFO_DATA device{};
  device.cbSize = sizeof(device);
  for (DWORD index = 0; SetupDiEnumDeviceInfo(set->devices, index, &device); ++index) {
    wchar_t id[MAX_DEVICE_ID_LEN];
    DisplayAdapter adapter = {false, false};
    if (SetupDiGetDeviceInstanceIdW(set->devices, &device, id, MAX_DEVICE_ID_LEN, nullptr)) {
      for (const std::wstring& panel : panel_ids) adapter.drives_panel |= same_device_id(panel, id);
    }
    adapter.disabled_by_user = adapter_status(device.DevInst) == ADAPTER_DISABLED;
    set->entries.push_back(device);
    set->adapters.push_back(adapter);
  }
  return true;
}

// The property change is what Device Manager's disable/enable does; the
// display class installer then stops or restarts the adapter, and Windows
// reads the panel's EDID (and so the override) again when it comes back.
bool set_adapter_enabled(size_t index, bool enabled) {
  SP_DEVINFO_DATA* device = &restarting_set->entries[index];
  SP_PROPCHANGE_PARAMS params{};
  params.ClassInstallHeader.cbSize = sizeof(SP_CLASSINSTALL_HEADER);
  params.ClassInstallHeader.InstallFunction = DIF_PROPERTYCHANGE;
  params.StateChange = enabled ? DICS_ENABLE : DICS_DISABLE;
  params.Scope = DICS_FLAG_GLOBAL;
  params.HwProfile = 0;
  return SetupDiSetClassInstallParamsW(restarting_set->devices, device, &params.ClassInstallHeader,
                                       sizeof(params)) &&
         SetupDiCallClassInstaller(DIF_PROPERTYCHANGE, restarting_set->devices, device);
}

AdapterStatus status_of_adapter(size_t index) {
  return adapter_status(restarting_set->entries[index].DevInst);
}

void sleep_for(uint32_t ms) { Sleep(ms); }
uint32_t tick_ms() { return uint32_t(GetTickCount64()); }

}  // namespace

int restart_panel_adapter() {
  AdapterSet set;
  if (!find_adapters(&set)) return 0;
  restarting_set = &set;
  const AdapterRestartOps ops = {set_adapter_enabled, status_of_adapter, sleep_for, tick_ms};
  int restarted = restart_adapters_of_panel(set.adapters, ops);
  restarting_set = nullptr;
  return restarted;
}

namespace {

struct DisplayConfig {
  std::vector<DISPLAYCONFIG_PATH_INFO> paths;
  std::vector<DISPLAYCONFIG_MODE_INFO> modes;
  DISPLAYCONFIG_SOURCE_MODE* source = nullptr;  // of the first usable path
  DISPLAYCONFIG_TARGET_MODE* target = nullptr;
};

// The mode of `kind` that a path's index points at, or null: with
// QDC_ALL_PATHS an inactive path carries an invalid index.
DISPLAYCONFIG_MODE_INFO* mode_at(DisplayConfig& config, UINT32 index,
                                 DISPLAYCONFIG_MODE_INFO_TYPE kind) {
  if (index >= config.modes.size() || config.modes[index].infoType != kind) return nullptr;
  return &config.modes[index];
}

// All paths and modes (zero-filled before the query), and the source and
// target modes of the first path that has both. Windows lists the active
// paths first, so that is normally path 0; an inactive path carries
// DISPLAYCONFIG_PATH_MODE_IDX_INVALID, and indexing the modes with it would
// run off the array, so such a path is passed over. False when none is usable.
bool read_display_config(DisplayConfig* config) {
  UINT32 path_count = 0, mode_count = 0;
  if (GetDisplayConfigBufferSizes(QDC_ALL_PATHS, &path_count, &mode_count) != ERROR_SUCCESS ||
      path_count == 0)
    return false;
  config->paths.assign(path_count, DISPLAYCONFIG_PATH_INFO{});
  config->modes.assign(mode_count, DISPLAYCONFIG_MODE_INFO{});
  if (QueryDisplayConfig(QDC_ALL_PATHS, &path_count, config->paths.data(), &mode_count,
                         config->modes.data(), nullptr) != ERROR_SUCCESS)
    return false;
  config->paths.resize(path_count);
  config->modes.resize(mode_count);
  DISPLAYCONFIG_MODE_INFO* source = nullptr;
  DISPLAYCONFIG_MODE_INFO* target = nullptr;
  for (const DISPLAYCONFIG_PATH_INFO& path : config->paths) {
    source = mode_at(*config, path.sourceInfo.modeInfoIdx, DISPLAYCONFIG_MODE_INFO_TYPE_SOURCE);
    target = mode_at(*config, path.targetInfo.modeInfoIdx, DISPLAYCONFIG_MODE_INFO_TYPE_TARGET);
    if (source && target) break;
  }
  if (!source || !target) return false;
  config->source = &source->sourceMode;
  config->target = &target->targetMode;
  return true;
}

RawDisplayMode raw_mode_of(const DisplayConfig& config) {
  const DISPLAYCONFIG_RATIONAL& vsync = config.target->targetVideoSignalInfo.vSyncFreq;
  return {config.source->width, config.source->height, vsync.Numerator, vsync.Denominator};
}

bool first_path_shows(uint32_t width, uint32_t height, int32_t refresh) {
  DisplayConfig config;
  return read_display_config(&config) &&
         display_mode_reached(raw_mode_of(config), width, height, refresh);
}

// The older mode-change call, for when the configuration call changed
// nothing (Wine implements only this one). CDS_UPDATEREGISTRY keeps the mode
// across restarts as SDC_SAVE_TO_DATABASE does; the colour depth is left as
// it is.
bool change_display_settings(uint32_t width, uint32_t height, int32_t refresh) {
  DEVMODEW mode = {};
  mode.dmSize = sizeof(mode);
  mode.dmPelsWidth = width;
  mode.dmPelsHeight = height;
  mode.dmDisplayFrequency = DWORD(refresh);
  mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT | DM_DISPLAYFREQUENCY;
  return ChangeDisplaySettingsExW(nullptr, &mode, nullptr, CDS_UPDATEREGISTRY, nullptr) ==
         DISP_CHANGE_SUCCESSFUL;
}

}  // namespace

int query_display_mode(int32_t* long_side, int32_t* short_side, int32_t* refresh) {
  wait_for_display_adapter();
  DisplayConfig config;
  if (!read_display_config(&config)) return 0;
  return fold_display_mode(raw_mode_of(config), long_side, short_side, refresh);
}

// The rate is written as refresh/1: keeping a denominator such as 1001 or a
// pixel-clock-derived one under a whole-hertz numerator would ask for a
// nonsense rate. SDC_ALLOW_CHANGES lets Windows settle on the panel's
// nearest real timing (60.10 Hz for "60").
//
// SetDisplayConfig is the call of choice: it names the path, so the built-in
// panel changes even with a second display attached. Its success is checked
// against a fresh query rather than believed: when the first path does not
// show the requested mode afterwards, ChangeDisplaySettingsExW gets the same
// size and rate for the primary display, and only its answer counts then.
int set_display_mode(int32_t width, int32_t height, int32_t refresh) {
  if (width <= 0 || height <= 0 || refresh <= 0) return 0;
  wait_for_display_adapter();
  DisplayConfig config;
  if (!read_display_config(&config)) return 0;
  uint32_t source_width = 0, source_height = 0;
  oriented_size(config.source->width, config.source->height, uint32_t(width), uint32_t(height),
                &source_width, &source_height);
  config.source->width = source_width;
  config.source->height = source_height;
  config.target->targetVideoSignalInfo.vSyncFreq.Numerator = UINT32(refresh);
  config.target->targetVideoSignalInfo.vSyncFreq.Denominator = 1;
  const UINT32 flags =
      SDC_APPLY | SDC_USE_SUPPLIED_DISPLAY_CONFIG | SDC_SAVE_TO_DATABASE | SDC_ALLOW_CHANGES;
  static_assert((SDC_APPLY | SDC_USE_SUPPLIED_DISPLAY_CONFIG | SDC_SAVE_TO_DATABASE |
                 SDC_ALLOW_CHANGES) == 0x6A0,
                "the flags Windows expects for a supplied configuration");
  const LONG status = SetDisplayConfig(UINT32(config.paths.size()), config.paths.data(),
                                       UINT32(config.modes.size()), config.modes.data(), flags);
  if (status == ERROR_SUCCESS && first_path_shows(source_width, source_height, refresh)) return 1;
  return change_display_settings(source_width, source_height, refresh) ? 1 : 0;
}

// Mode numbers count up from 0 until Windows has no more. The DEVMODE is
// cleared before each call so that a field Windows leaves alone for some
// mode (fixed output is a display-only field) never carries over.
int build_mode_lists() {
  std::vector<EnumeratedMode> modes;
  for (DWORD number = 0;; ++number) {
    DEVMODEW mode = {};
    mode.dmSize = sizeof(mode);
    if (!EnumDisplaySettingsW(nullptr, number, &mode)) break;
    modes.push_back({mode.dmPelsWidth, mode.dmPelsHeight, mode.dmDisplayFrequency,
                     mode.dmDisplayFixedOutput});
  }
  fill_mode_lists(modes, &mode_list_16_9, &mode_list_4_3);
  return int(mode_list_4_3.size());
}
